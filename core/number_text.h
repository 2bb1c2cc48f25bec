#pragma once

#include <optional>
#include <string>
#include <string_view>

// The three conversions between texts and numbers. None of them looks at the
// process locale: the window toolkit sets it from the environment, and a user
// whose locale writes decimal commas must see the very same texts.
namespace trelvin {

// The value of the number a text starts with, after leading ASCII white
// space: an optional sign, digits with an optional fraction (or a fraction
// alone, ".36"), and an optional exponent (e or E, optional sign, at least
// one digit). A text that does not start with a number gives 0. A number too
// small for a double reads as the nearest double; one beyond the double range
// has no value (nullopt).
std::optional<double> numericPrefix(std::string_view text);

// A finite double as text: rounded to `significantDigits` digits, shortest
// form without trailing zeros, "0.5" rather than ".5", exponent form (1E-05,
// 1E+15) below 0.0001 and from 10^15 on, and zero without a minus sign.
std::string generalNumberText(double value, int significantDigits = 15);

// Reads back a text made by generalNumberText. nullopt when the text is not
// exactly one number, or when its rounding took it beyond the double range.
std::optional<double> strictNumber(std::string_view text);

}  // namespace trelvin
