#include "number_text.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <system_error>

namespace trelvin {
namespace {

bool isAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The extent of a leading number and the power of ten of its first
// significant digit, which tells an overflow from an underflow when
// from_chars reports the value out of range.
struct NumberExtent {
    std::size_t begin = 0;  // first character of the number, sign included
    std::size_t end = 0;    // one past the last character; begin == end: no number
    std::int64_t leadingPower = 0;
};

NumberExtent scanNumber(std::string_view text) {
    NumberExtent extent;
    std::size_t i = 0;
    while (i < text.size() && isAsciiSpace(text[i])) ++i;
    extent.begin = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;

    std::int64_t integerDigits = 0;  // after leading zeros
    std::int64_t leadingFractionZeros = 0;
    bool sawDigit = false;
    bool sawSignificant = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        sawDigit = true;
        if (text[i] != '0') sawSignificant = true;
        if (sawSignificant) ++integerDigits;
    }
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        for (; j < text.size() && isDigit(text[j]); ++j) {
            sawDigit = true;
            if (!sawSignificant) {
                if (text[j] != '0') sawSignificant = true;
                else ++leadingFractionZeros;
            }
        }
        if (sawDigit) i = j;
    }
    if (!sawDigit) return {extent.begin, extent.begin, 0};

    std::int64_t exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) negative = text[j++] == '-';
        if (j < text.size() && isDigit(text[j])) {
            // Saturate: only the sign of the total power matters once it is
            // far beyond the double range.
            for (; j < text.size() && isDigit(text[j]); ++j)
                if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[j] - '0');
            if (negative) exponent = -exponent;
            i = j;
        }
    }
    extent.end = i;
    extent.leadingPower = (integerDigits > 0 ? integerDigits - 1 : -1 - leadingFractionZeros) + exponent;
    return extent;
}

}  // namespace

std::optional<double> numericPrefix(std::string_view text) {
    const NumberExtent extent = scanNumber(text);
    if (extent.begin == extent.end) return 0.0;

    std::string_view number = text.substr(extent.begin, extent.end - extent.begin);
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);  // from_chars takes no '+'; the sign is applied below
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                           std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (extent.leadingPower > 0) return std::nullopt;
        value = 0.0;  // the nearest double to a number this small
    }
    return negative ? -value : value;
}

std::string generalNumberText(double value, int significantDigits) {
    if (value == 0.0) return "0";

    // d.ddddde±xx, already rounded to the wanted number of digits.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, significantDigits - 1);
    std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));

    std::string text;
    if (scientific.front() == '-') {
        text += '-';
        scientific.remove_prefix(1);
    }
    const std::size_t e = scientific.find('e');
    std::string digits(1, scientific[0]);
    if (e > 1) digits += scientific.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string_view exponentText = scientific.substr(e + 1);
    if (exponentText.front() == '+') exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    if (exponent < -4 || exponent >= 15) {
        text += digits[0];
        if (digits.size() > 1) text += '.' + digits.substr(1);
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) text += '0';
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= wholeDigits) {
            text += digits;
            text.append(wholeDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, wholeDigits) + '.' + digits.substr(wholeDigits);
        }
    }
    return text;
}

std::optional<double> strictNumber(std::string_view text) {
    // The whole text must be one number in the numeric prefix's grammar, with
    // no blank or '+' before it: this keeps out "inf", "nan" and hex.
    const NumberExtent extent = scanNumber(text);
    if (extent.begin != 0 || extent.end != text.size() || text.empty() || text.front() == '+')
        return std::nullopt;
    double value = 0.0;
    const auto [ptr, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace trelvin
