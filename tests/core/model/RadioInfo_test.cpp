// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/model/CoreState.h"
#include "core/model/RadioInfo.h"

TEST(RadioInfo, WriteTime)
{
    TCoreState s;
    const uint8_t stamp[7] = {0xE8, 0x07, 0x03, 0x05, 0x0E, 0x07, 0x09};
    std::copy(stamp, stamp + 7, &s.At(kWriteTime));
    EXPECT_EQ(WriteTimeText(s.All), "2024-03-05 14:07:09");
    std::fill(&s.At(kWriteTime), &s.At(kWriteTime) + 7, 0xFF);
    EXPECT_EQ(WriteTimeText(s.All), "65535-255-255 255:255:255");
    std::fill(&s.At(kWriteTime), &s.At(kWriteTime) + 7, 0x00);
    EXPECT_EQ(WriteTimeText(s.All), "0-00-00 00:00:00");
}

TEST(RadioInfo, SerialNumber)
{
    TCoreState s;
    EXPECT_EQ(SerialNumberText(s.All), std::string(16, ' '));
    const uint8_t serial[5] = {0x41, 0x62, 0x2D, 0x31, 0x32};
    std::fill(&s.At(kSerialNumber), &s.At(kSerialNumber) + 16, 0);
    std::copy(serial, serial + 5, &s.At(kSerialNumber));
    EXPECT_EQ(SerialNumberText(s.All), "AB 12" + std::string(11, ' '));
}
