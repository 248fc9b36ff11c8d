// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "VirtualLink.h"
#include "core/link/Frames.h"
#include "core/link/PowerTestEngine.h"

namespace
{

TFrame Text(const std::string& text)
{
    return TFrame(text.begin(), text.end());
}

TEST(BuildSegmentsTest, CutsEachBandAtMultiplesOfTenMhzInBandOrder1230)
{
    std::array<TBand, 4> bands{};
    bands[0] = {400.0, 480.0};
    bands[1] = {136.0, 174.0};
    bands[2] = {0.0, 260.0};
    bands[3] = {655.5, 672.0};
    const auto segments = BuildSegments(bands);

    std::vector<std::string> texts;
    std::vector<int> rows;
    for (const TSegment& s : segments) {
        texts.push_back(s.Text);
        rows.push_back(s.Row);
    }
    EXPECT_EQ(texts,
              (std::vector<std::string>{
                  "136.000 -- 140.000MHz", "140.000 -- 150.000MHz", "150.000 -- 160.000MHz", "160.000 -- 170.000MHz",
                  "170.000 -- 174.000MHz", "655.500 -- 660.000MHz", "660.000 -- 670.000MHz", "670.000 -- 672.000MHz",
                  "400.000 -- 410.000MHz", "410.000 -- 420.000MHz", "420.000 -- 430.000MHz", "430.000 -- 440.000MHz",
                  "440.000 -- 450.000MHz", "450.000 -- 460.000MHz", "460.000 -- 470.000MHz", "470.000 -- 480.000MHz"}));
    EXPECT_EQ(rows, (std::vector<int>{13, 14, 15, 16, 17, 65, 66, 67, 40, 41, 42, 43, 44, 45, 46, 47}));
    // Rows 65 and up lie beyond the 65-row table: shown, but not usable.
    for (const TSegment& s : segments)
        EXPECT_EQ(s.Enabled, s.Row <= 64) << s.Text;
}

class TestEngineTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        PrepareLinkState(all, list);
        engine = std::make_unique<TPowerTestEngine>(all, language, link, recorder);
        engine->RandomLetter = [this] { return letters++ % 5; };
        link.Attach(*engine);
    }

    void GoOnline()
    {
        engine->Start();
        link.RunUntil([this] { return engine->TableRead() && !engine->Running(); }, 60000);
        ASSERT_TRUE(engine->TableRead());
        link.Sent.clear();
    }

    TAppState all;
    TModelCatalogue list;
    TMessageTexts language;
    TRadioResponder radio;
    TVirtualLink link{radio};
    TLinkRecorder recorder{link};
    std::unique_ptr<TPowerTestEngine> engine;
    int letters = 0;
};

TEST_F(TestEngineTest, OnlineReadsAll65RowsAndEndsTheSession)
{
    EXPECT_FALSE(engine->ControlsEnabled());
    engine->Start();
    EXPECT_TRUE(link.IsPortOpen());
    link.RunUntil([this] { return !engine->Running() && engine->TableRead(); }, 60000);

    std::vector<TFrame> expected{Text("PROGRAMe")};
    for (int row = 0; row < 65; ++row) {
        const auto address = static_cast<uint16_t>(row * 16);
        expected.push_back(TFrame{0x53, static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address), 0x10});
    }
    expected.push_back(TFrame{0x45});
    EXPECT_EQ(link.SentFrames(), expected);
    EXPECT_EQ(expected[65], (TFrame{0x53, 0x04, 0x00, 0x10}));

    EXPECT_EQ(engine->PowerTable(), radio.PowerTable);
    EXPECT_EQ(engine->PowerValue(13, kLowPowerTag), radio.PowerTable[13 * 16 + 10]);
    EXPECT_EQ(recorder.ProgressMaximum, 67);
    EXPECT_EQ(recorder.ProgressPosition, 67);
    EXPECT_TRUE(engine->ControlsEnabled());
    EXPECT_TRUE(engine->PanelEnabled());
    EXPECT_TRUE(engine->TakeTableLoaded());
    EXPECT_FALSE(engine->TakeTableLoaded());
    EXPECT_TRUE(recorder.Messages.empty());
    // The port stays open for the settings that follow.
    EXPECT_TRUE(link.IsPortOpen());
}

TEST_F(TestEngineTest, OnlineWaits200MsAfterOpeningAndFinishes500MsAfterTheEndByte)
{
    const double pressed = link.Now();
    engine->Start();
    link.RunUntil([this] { return !engine->Running() && engine->TableRead(); }, 60000);
    EXPECT_NEAR(link.Sent.front().At - pressed, 220.0, 0.001);
    EXPECT_NEAR(link.Now() - link.Sent.back().At, 500.0, 0.001);
}

TEST_F(TestEngineTest, MovingTheLowPowerBarOfRow13To200WritesOneByte)
{
    GoOnline();
    engine->SetPower(13, kLowPowerTag, 200);
    EXPECT_TRUE(engine->Running());
    EXPECT_FALSE(engine->PanelEnabled());
    link.RunUntil([this] { return !engine->Running(); }, 60000);
    EXPECT_EQ(link.SentFrames(),
              (std::vector<TFrame>{Text("PROGRAMf"), TFrame{0x58, 0x00, 0xDA, 0x01, 0xC8}, TFrame{0x45}}));
    EXPECT_EQ(radio.PowerTable[13 * 16 + 10], 200);
    EXPECT_EQ(engine->PowerValue(13, kLowPowerTag), 200);
    EXPECT_EQ(recorder.ProgressMaximum, 3);
    EXPECT_TRUE(engine->PanelEnabled());
}

TEST_F(TestEngineTest, HighPowerBarWritesByte12OfTheRow)
{
    GoOnline();
    engine->SetPower(47, kHighPowerTag, 7);
    link.RunUntil([this] { return !engine->Running(); }, 60000);
    EXPECT_EQ(link.SentFrames()[1], (TFrame{0x58, 0x02, 0xFC, 0x01, 0x07}));
    EXPECT_EQ(radio.PowerTable[47 * 16 + 12], 7);
}

TEST_F(TestEngineTest, RowsOutsideTheTableAreNeverSent)
{
    GoOnline();
    const auto table = engine->PowerTable();
    for (int row : {65, 66, 99, -1}) {
        engine->SetPower(row, kLowPowerTag, 1);
        EXPECT_FALSE(engine->Running());
    }
    engine->SetPower(13, 11, 1);
    link.RunFor(5000);
    EXPECT_TRUE(link.Sent.empty());
    EXPECT_EQ(engine->PowerTable(), table);
}

TEST_F(TestEngineTest, RetryAfterATimeoutResumesAtTheUnansweredRow)
{
    radio.Faults.SilentAfterBlock = 30;
    radio.Faults.SilenceEndsAtHandshake = true;
    recorder.Answer = [](const TLinkMessage&, TQuestion) { return true; };
    engine->Start();
    link.RunUntil([this] { return !engine->Running() && engine->TableRead(); }, 60000);

    ASSERT_EQ(recorder.Questions.size(), 1u);
    EXPECT_EQ(recorder.Questions[0].first.Key, TLinkMessageKey::ComError);
    EXPECT_EQ(recorder.Questions[0].second, TQuestion::RetryCancel);
    const auto frames = link.SentFrames();
    // Rows 0 to 30 (30 unanswered), then the same handshake again, row 30 anew, on to row 64.
    ASSERT_EQ(frames.size(), 1u + 31 + 1 + 35 + 1);
    EXPECT_EQ(frames[32], frames[0]);
    EXPECT_EQ(frames[31], (TFrame{0x53, 0x01, 0xE0, 0x10}));
    EXPECT_EQ(frames[33], (TFrame{0x53, 0x01, 0xE0, 0x10}));
    EXPECT_EQ(frames.back(), TFrame{0x45});
    EXPECT_NEAR(link.Sent[32].At - link.Sent[31].At, 1500.0 + 20.0, 0.001);
    EXPECT_EQ(engine->PowerTable(), radio.PowerTable);
}

TEST_F(TestEngineTest, CancelAfterASilentRadioClosesThePort300MsLater)
{
    link.DropFrame = [](const TFrame&) { return true; };
    double askedAt = -1;
    recorder.Answer = [&](const TLinkMessage&, TQuestion) {
        askedAt = link.Now();
        return false;
    };
    engine->Start();
    link.RunUntil([this] { return !link.IsPortOpen(); }, 60000);
    ASSERT_EQ(recorder.Questions.size(), 1u);
    EXPECT_NEAR(askedAt - link.Sent[0].At, 1500.0, 0.001);
    EXPECT_NEAR(link.Now() - askedAt, 300.0, 0.001);
    EXPECT_FALSE(engine->Running());
    EXPECT_TRUE(engine->PanelEnabled());
    EXPECT_FALSE(engine->TableRead());
    EXPECT_EQ(recorder.ProgressPosition, 0);

    // With the port closed a bar change only updates the table.
    link.Sent.clear();
    engine->SetPower(13, kLowPowerTag, 9);
    link.RunFor(5000);
    EXPECT_TRUE(link.Sent.empty());
    EXPECT_EQ(engine->PowerValue(13, kLowPowerTag), 9);
}

TEST_F(TestEngineTest, RetryOnALostPortEndsLikeCancel)
{
    link.DropFrame = [](const TFrame&) { return true; };
    recorder.Answer = [this](const TLinkMessage&, TQuestion) {
        link.ClosePort();
        return true;
    };
    engine->Start();
    link.RunFor(5000);
    EXPECT_EQ(recorder.Questions.size(), 1u);
    EXPECT_FALSE(engine->Running());
    EXPECT_TRUE(engine->PanelEnabled());
}

TEST_F(TestEngineTest, CloseEndsTheSessionAndClosesTheWindow500MsLater)
{
    GoOnline();
    const double pressed = link.Now();
    engine->CloseCommand();
    EXPECT_FALSE(engine->PanelEnabled());
    link.RunUntil([this] { return recorder.FinishCount > 0; }, 60000);
    EXPECT_EQ(link.SentFrames(), (std::vector<TFrame>{Text("PROGRAMf"), TFrame{0x45}}));
    EXPECT_NEAR(recorder.FinishedAt - pressed, 500.0, 0.001);
}

TEST_F(TestEngineTest, CloseWhileOfflineSendsNothing)
{
    engine->CloseCommand();
    link.RunUntil([this] { return recorder.FinishCount > 0; }, 60000);
    EXPECT_TRUE(link.Sent.empty());
    EXPECT_EQ(recorder.FinishCount, 1);
}

TEST_F(TestEngineTest, PortThatCannotBeOpenedStaysOffline)
{
    link.FailOpen = true;
    link.FailReason = "No such file or directory";
    engine->Start();
    link.RunFor(5000);
    EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::PortError});
    EXPECT_EQ(recorder.Messages[0].Text, "Cannot open the communication port.\nNo such file or directory");
    EXPECT_FALSE(engine->Running());
    EXPECT_TRUE(link.Sent.empty());
    engine->Start();
    EXPECT_EQ(recorder.Messages.size(), 2u);
}

// A reply that carries the next row's address is not stored as the row asked for: the step times out, and
// the retry reads the row from the radio (the fault strikes again at the sixth row of each new session).
TEST_F(TestEngineTest, AReplyForAnotherRowIsNeverStored)
{
    radio.Faults.NextBlockAtBlock = 5;
    recorder.Answer = [](const TLinkMessage&, TQuestion) { return true; };
    engine->Start();
    link.RunUntil([this] { return !engine->Running() && engine->TableRead(); }, 600000);
    ASSERT_FALSE(recorder.Questions.empty());
    for (const auto& [message, question] : recorder.Questions)
        EXPECT_EQ(message.Key, TLinkMessageKey::ComError);
    EXPECT_EQ(engine->PowerTable(), radio.PowerTable);
}

TEST_F(TestEngineTest, AWrongReplyIsIgnoredUntilTheStepTimesOut)
{
    radio.Faults.WrongHandshakeAnswer = true;
    engine->Start();
    link.RunFor(1000);
    EXPECT_TRUE(recorder.Questions.empty());
    link.RunFor(1000);
    EXPECT_EQ(recorder.Questions.size(), 1u);
    EXPECT_EQ(link.SentFrames(), std::vector<TFrame>{Text("PROGRAMe")});
}

} // namespace
