// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/Numbers.h"

#include <charconv>
#include <cmath>
#include <system_error>

ConversionError::ConversionError(const std::string& text) : std::runtime_error("'" + text + "' is not a valid number")
{
}

int64_t RoundHalfAway(double value)
{
    return static_cast<int64_t>(std::llround(value));
}

std::string FormatFixed(double value, int decimals)
{
    // Scale and round half away from zero first, so 0.000005 shows as 0.00001 as a user expects.
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) > 9e15) {
        char big[64];
        auto [end, ec] = std::to_chars(big, big + sizeof big, value, std::chars_format::fixed, decimals);
        return ec == std::errc() ? std::string(big, end) : std::string("0");
    }
    const int64_t units = RoundHalfAway(scaled);
    const int64_t whole = (units < 0 ? -units : units);
    std::string digits = std::to_string(whole);
    if (decimals > 0) {
        if (static_cast<int>(digits.size()) <= decimals)
            digits.insert(0, static_cast<size_t>(decimals + 1 - static_cast<int>(digits.size())), '0');
        digits.insert(digits.size() - static_cast<size_t>(decimals), 1, '.');
    }
    return units < 0 ? "-" + digits : digits;
}

std::string FormatFreq(double mhz)
{
    return FormatFixed(mhz, 5);
}

namespace
{
std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}
} // namespace

std::optional<double> TryParseDouble(std::string_view text)
{
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    double value = 0.0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int64_t> TryParseInt(std::string_view text)
{
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    int64_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

double ParseDouble(std::string_view text)
{
    if (auto value = TryParseDouble(text))
        return *value;
    throw ConversionError(std::string(text));
}

int64_t ParseInt(std::string_view text)
{
    if (auto value = TryParseInt(text))
        return *value;
    throw ConversionError(std::string(text));
}
