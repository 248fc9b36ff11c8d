// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/link/Frames.h"
#include "sim/RadioResponder.h"

namespace
{

TFrame Text(const std::string& text)
{
    return TFrame(text.begin(), text.end());
}

std::vector<uint8_t> Joined(const TSimOutput& out)
{
    std::vector<uint8_t> bytes;
    for (const TSimPiece& piece : out.Pieces)
        bytes.insert(bytes.end(), piece.Bytes.begin(), piece.Bytes.end());
    return bytes;
}

TEST(RadioSimTest, FramesSplitAcrossReadsAreAnsweredOnceTheirLastByteArrives)
{
    TRadioResponder radio;
    for (int i = 0; i < kImageSize; ++i)
        radio.Memory[i] = static_cast<uint8_t>(i);
    EXPECT_EQ(Joined(radio.Receive(Text("PROG"))), std::vector<uint8_t>{});
    EXPECT_EQ(Joined(radio.Receive(Text("RAMc"))), std::vector<uint8_t>{0x06});
    const TFrame request = BuildReadRequest(3);
    EXPECT_TRUE(radio.Receive(std::span(request).first(2)).Pieces.empty());
    const TSimOutput out = radio.Receive(std::span(request).subspan(2));
    ASSERT_EQ(out.Pieces.size(), 1u);
    EXPECT_EQ(out.Pieces[0].After, 2u);
    std::vector<uint8_t> expected{0x57, 0x00, 0x30, 0x10};
    for (int i = 0; i < 16; ++i)
        expected.push_back(static_cast<uint8_t>(48 + i));
    EXPECT_EQ(out.Pieces[0].Bytes, expected);
}

TEST(RadioSimTest, AnswersNothingBeforeAHandshakeNorAfterTheEndByte)
{
    TRadioResponder radio;
    EXPECT_TRUE(radio.Receive(TFrame{0x02}).Pieces.empty());
    EXPECT_TRUE(radio.Receive(BuildReadRequest(0)).Pieces.empty());
    // A broken-off handshake does not swallow the one that follows.
    EXPECT_EQ(Joined(radio.Receive(Text("PROPROGRAMe"))), std::vector<uint8_t>{0x06});
    EXPECT_EQ(Joined(radio.Receive(TFrame{0x02})), (std::vector<uint8_t>{'P', 'L', 'P', '4', '7', 0, 0xFF, 0}));
    radio.Receive(TFrame{0x45});
    EXPECT_EQ(radio.EndCount, 1);
    EXPECT_TRUE(radio.Receive(TFrame{0x06}).Pieces.empty());
}

TEST(RadioSimTest, WritesLandInMemoryAndPowerTable)
{
    TRadioResponder radio;
    radio.Receive(BuildHandshake(1, 0));
    uint8_t image[kImageSize] = {};
    for (int i = 0; i < 16; ++i)
        image[294 * 16 + i] = static_cast<uint8_t>(0xC0 + i);
    EXPECT_EQ(Joined(radio.Receive(BuildWriteFrame(image, 294))), std::vector<uint8_t>{0x06});
    EXPECT_EQ(radio.Memory[294 * 16 + 15], 0xCF);
    EXPECT_TRUE(radio.Written[294]);
    EXPECT_EQ(Joined(radio.Receive(BuildPowerWrite(13 * 16 + 10, 200))), std::vector<uint8_t>{0x06});
    EXPECT_EQ(radio.PowerTable[13 * 16 + 10], 200);
    const auto row = Joined(radio.Receive(BuildPowerRead(13)));
    ASSERT_EQ(row.size(), 20u);
    EXPECT_EQ(row[0], 0x58);
    EXPECT_EQ(row[4 + 10], 200);
}

TEST(RadioSimTest, LineErrorLosesTheRestOfTheInputAndStrikesAsOftenAsAsked)
{
    TRadioResponder radio;
    radio.Faults.LineErrorAtBlock = 1;
    radio.Faults.LineErrorCount = 1;
    radio.Receive(BuildHandshake(1, 0));
    TFrame two = BuildReadRequest(0);
    const TFrame second = BuildReadRequest(1);
    two.insert(two.end(), second.begin(), second.end());
    two.push_back(0x06);
    const TSimOutput out = radio.Receive(two);
    EXPECT_TRUE(out.LineError);
    EXPECT_EQ(out.LineErrorAfter, 8u);
    EXPECT_EQ(out.Pieces.size(), 1u);
    radio.Receive(BuildHandshake(1, 0));
    radio.Receive(BuildReadRequest(0));
    EXPECT_FALSE(radio.Receive(BuildReadRequest(1)).LineError);
}

// The two faults that look sound on the line: a read answered for the block after the one asked, a write
// acknowledged but not stored. Each strikes at its block frame of every session, and only there.
TEST(RadioSimTest, FaultsThatAnswerSoundlyButWrongStrikeAtTheirBlock)
{
    TRadioResponder radio;
    for (int i = 0; i < kImageSize; ++i)
        radio.Memory[i] = static_cast<uint8_t>(i);
    radio.Faults.NextBlockAtBlock = 1;
    radio.Faults.UnstoredAtBlock = 2;
    uint8_t image[kImageSize] = {};
    for (int session = 0; session < 2; ++session) {
        radio.Receive(BuildHandshake(1, 0));
        EXPECT_EQ(Joined(radio.Receive(BuildReadRequest(7)))[2], 0x70);
        const auto next = Joined(radio.Receive(BuildReadRequest(7)));
        ASSERT_EQ(next.size(), 20u);
        EXPECT_EQ(next[2], 0x80);
        EXPECT_EQ(next[4], 0x80);
        EXPECT_EQ(Joined(radio.Receive(BuildWriteFrame(image, 9))), std::vector<uint8_t>{0x06});
        EXPECT_EQ(radio.Memory[9 * 16], 0x90);
        EXPECT_FALSE(radio.Written[9]);
        EXPECT_EQ(Joined(radio.Receive(BuildWriteFrame(image, 10))), std::vector<uint8_t>{0x06});
        EXPECT_EQ(radio.Memory[10 * 16], 0x00);
        radio.Memory[10 * 16] = 0xA0;
        radio.Receive(TFrame{0x45});
    }
}

TEST(RadioSimTest, AMuteRadioAnswersNothingAndGarbageNeverLooksLikeAnAnswer)
{
    TRadioResponder mute;
    mute.Faults.Mute = true;
    EXPECT_TRUE(mute.Receive(BuildHandshake(1, 0)).Pieces.empty());
    EXPECT_TRUE(mute.Receive(TFrame{0x02}).Pieces.empty());

    TRadioResponder noisy;
    noisy.Faults.GarbageFromBlock = 1;
    noisy.Receive(BuildHandshake(1, 0));
    EXPECT_EQ(Joined(noisy.Receive(BuildReadRequest(0))).at(0), 0x57); // block 0 is answered as it should be
    uint8_t image[kImageSize] = {};
    for (const TFrame& frame : {BuildReadRequest(1), BuildWriteFrame(image, 2), BuildPowerRead(3)}) {
        const std::vector<uint8_t> reply = Joined(noisy.Receive(frame));
        ASSERT_FALSE(reply.empty());
        for (uint8_t byte : reply) {
            EXPECT_NE(byte, 0x06);
            EXPECT_NE(byte, 0x57);
            EXPECT_NE(byte, 0x58);
        }
    }
}

} // namespace
