// SPDX-License-Identifier: GPL-3.0-or-later
// Locale-independent number texts: "." is the decimal separator whatever the user's locale.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// A text that should hold a number but does not.
class ConversionError : public std::runtime_error
{
  public:
    explicit ConversionError(const std::string& text);
};

// Formats with a fixed number of decimals, rounding halves away from zero ("0.00000" is decimals = 5).
std::string FormatFixed(double value, int decimals);
// "0.00000", the form every frequency is shown and passed in.
std::string FormatFreq(double mhz);

// A decimal number such as "145.5", "-1", "1e3"; surrounding spaces are allowed. nullopt when not a number.
std::optional<double> TryParseDouble(std::string_view text);
// A whole decimal number, optionally signed; surrounding spaces are allowed.
std::optional<int64_t> TryParseInt(std::string_view text);
// As above, but a text that is not a number throws ConversionError.
double ParseDouble(std::string_view text);
int64_t ParseInt(std::string_view text);

// Rounds to the nearest integer, halves away from zero.
int64_t RoundHalfAway(double value);
