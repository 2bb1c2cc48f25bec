// The three text conversions on arbitrary bytes: the numeric prefix must read
// what the C library reads wherever the two grammars meet, and a general
// number text must read back as a fixed point, to within its rounding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "number_text.h"
#include "require.h"

namespace {

using trelvin::generalNumberText;
using trelvin::numericPrefix;
using trelvin::strictNumber;

struct CLibraryRead {
    double value;
    std::string consumed;  // what strtod took, leading white space included
};

// strtod is the reference: correctly rounded, HUGE_VAL beyond the double
// range, and with the C locale's full stop, as no fuzzer sets a locale.
CLibraryRead readWithStrtod(std::string_view text) {
    const std::string terminated(text);
    char* end = nullptr;
    const double value = std::strtod(terminated.c_str(), &end);
    return {value, std::string(terminated.c_str(), static_cast<std::size_t>(end - terminated.c_str()))};
}

void checkNumericPrefix(std::string_view text) {
    const std::optional<double> value = numericPrefix(text);
    require(!value || std::isfinite(*value), "the numeric prefix gave a value that is not finite");

    // strtod also reads hex, inf and nan; compare only where it took nothing
    // but blanks and the plain decimal grammar (an embedded NUL ends both).
    const CLibraryRead reference = readWithStrtod(text);
    const std::size_t first = reference.consumed.find_first_not_of(" \t\n\v\f\r");
    if (first != std::string::npos &&
        reference.consumed.find_first_not_of("0123456789.eE+-", first) != std::string::npos)
        return;
    if (std::isinf(reference.value)) {
        require(!value, "the numeric prefix gave a value beyond the double range", text.substr(0, 200));
        return;
    }
    require(value.has_value(), "the numeric prefix refused a number in the double range", text.substr(0, 200));
    require(*value == reference.value && std::signbit(*value) == std::signbit(reference.value),
            "the numeric prefix differs from strtod", text.substr(0, 200));

    // A text that strict number takes is a number from its first character.
    if (const std::optional<double> strict = strictNumber(text))
        require(*strict == *value, "strict number and the numeric prefix read one text differently");
}

// The documented form: an optional minus, a mantissa with no leading '.' and
// no trailing zeros after its '.', exponent form (E-05, E+15) exactly for
// magnitudes below 0.0001 and from 10^15 on, and at most `digits`
// significant digits.
void checkForm(const std::string& text, double value, int digits) {
    require(!text.empty() && text.find_first_not_of("-0123456789.E+") == std::string::npos,
            "a general number text holds a foreign character", text);
    require(text != "-0", "zero shown with a minus sign");
    std::string_view mantissa = text;
    if (mantissa.front() == '-') mantissa.remove_prefix(1);
    require(!mantissa.empty() && mantissa.front() != 'E', "a general number text without digits", text);
    const std::size_t e = mantissa.find('E');
    const bool exponentForm = e != std::string_view::npos;
    if (exponentForm) {
        const std::string_view exponent = mantissa.substr(e + 1);
        require(exponent.size() >= 3 && (exponent[0] == '+' || exponent[0] == '-') &&
                    exponent.find_first_not_of("0123456789", 1) == std::string_view::npos,
                "a malformed exponent", text);
        mantissa = mantissa.substr(0, e);
        require(mantissa[0] != '0' && (mantissa.size() == 1 || mantissa[1] == '.'),
                "an exponent form mantissa not of one nonzero digit and a fraction", text);
    }
    const double magnitude = std::fabs(value);
    require(exponentForm == (value != 0.0 && (magnitude < 1e-4 || magnitude >= 1e15)),
            "exponent form used for the wrong magnitude", text);
    require(mantissa.size() == 1 || mantissa[0] != '0' || mantissa[1] == '.',
            "a leading zero before other whole digits", text);
    const std::size_t point = mantissa.find('.');
    if (point != std::string_view::npos)
        require(point > 0 && mantissa.back() != '0' && mantissa.back() != '.',
                "a fraction without its leading digit or with trailing zeros", text);
    std::string significant;
    for (const char c : mantissa)
        if (c != '.') significant += c;
    significant.erase(0, significant.find_first_not_of('0'));
    if (!significant.empty()) significant.erase(significant.find_last_not_of('0') + 1);
    require(significant.size() <= static_cast<std::size_t>(digits), "too many significant digits", text);
}

// general number text -> strict number -> general number text is a fixed
// point; strict number refuses only a text whose rounding went beyond the
// double range.
void checkRoundTrip(double value, int digits) {
    const std::string text = generalNumberText(value, digits);
    const std::optional<double> read = strictNumber(text);
    const double reference = readWithStrtod(text).value;
    if (!read) {
        require(std::isinf(reference), "strict number refused a general number text", text);
        return;
    }
    require(*read == reference, "strict number differs from strtod", text);
    require(generalNumberText(*read, digits) == text, "the round trip is not a fixed point", text);
    const std::optional<double> prefix = numericPrefix(text);
    require(prefix && *prefix == *read, "the numeric prefix reads a general number text differently", text);
    // Rounding to `digits` digits moves a value by at most half a unit in
    // its last digit, and reading back by at most half a unit in the last place.
    require(std::fabs(*read - value) <= std::fabs(value) * (5.0 * std::pow(10.0, -digits) + 0x1p-52) + 0x1p-1074,
            "the text is not the value rounded", text);
    checkForm(text, *read, digits);
}

}  // namespace

// The whole input is the text for the numeric prefix; its first 8 bytes are
// also a double for the round trip, and its ninth picks a number of digits.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    checkNumericPrefix(text);

    int digits = 15;
    if (size > 8) digits = 1 + bytes[8] % 15;
    // Fewer digits only for normal numbers: a subnormal near a power of ten
    // can hold fewer digits than asked for (1.04E-322 to two digits is 1E-322,
    // which reads back as 9.88E-323 and shows as 9.9E-323).
    const auto checkValue = [digits](double value) {
        checkRoundTrip(value, 15);
        if (value == 0.0 || std::isnormal(value)) checkRoundTrip(value, digits);
    };
    if (const std::optional<double> prefix = numericPrefix(text)) checkValue(*prefix);
    if (size >= sizeof(double)) {
        double value = 0.0;
        std::memcpy(&value, bytes, sizeof value);
        if (std::isfinite(value)) checkValue(value);
    }
    return 0;
}
