// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/RadioInfo.h"

#include "core/model/Encodings.h"

namespace
{
std::string AtLeastTwoDigits(int value)
{
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}
} // namespace

std::string WriteTimeText(const TAppState& all)
{
    const uint8_t* t = all.Image.data() + kWriteTime;
    return std::to_string(ReadLe16(t)) + "-" + AtLeastTwoDigits(t[2]) + "-" + AtLeastTwoDigits(t[3]) + " " +
           AtLeastTwoDigits(t[4]) + ":" + AtLeastTwoDigits(t[5]) + ":" + AtLeastTwoDigits(t[6]);
}

std::string SerialNumberText(const TAppState& all)
{
    std::string text;
    for (int i = 0; i < 16; ++i) {
        const char c = static_cast<char>(all.Image[static_cast<size_t>(kSerialNumber + i)]);
        if (c >= 'a' && c <= 'z')
            text += static_cast<char>(c - 'a' + 'A');
        else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            text += c;
        else
            text += ' ';
    }
    return text;
}
