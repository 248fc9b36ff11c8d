// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "VirtualLink.h"
#include "core/link/Frames.h"
#include "core/link/ReadEngine.h"
#include "core/model/Derivations.h"

namespace
{

TFrame Bytes(std::initializer_list<int> values)
{
    TFrame frame;
    for (int v : values)
        frame.push_back(static_cast<uint8_t>(v));
    return frame;
}

TFrame Text(const std::string& text)
{
    return TFrame(text.begin(), text.end());
}

class ReadEngineTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        PrepareLinkState(all, list);
        FillRadioMemory(radio, all);
        MakeEngine();
    }

    void MakeEngine()
    {
        if (engine)
            engine->Cancel();
        link.RunFor(10000);
        link.Sent.clear();
        recorder.Messages.clear();
        recorder.FinishCount = 0;
        engine = std::make_unique<TReadEngine>(all, list, language, link, recorder);
        engine->RandomLetter = [] { return 2; };
        link.Attach(*engine);
    }

    void Snapshot()
    {
        imageBefore = all.Image;
        modelBefore = all.ModelId;
        bandsBefore = all.Bands;
        modifiedBefore = all.Modified;
    }

    void ExpectStateUntouched() const
    {
        EXPECT_EQ(all.Image, imageBefore);
        EXPECT_EQ(all.ModelId, modelBefore);
        EXPECT_EQ(all.Modified, modifiedBefore);
        for (int b = 0; b < 4; ++b) {
            EXPECT_EQ(all.Bands[b].Low, bandsBefore[b].Low);
            EXPECT_EQ(all.Bands[b].High, bandsBefore[b].High);
        }
        EXPECT_FALSE(engine->Completed());
    }

    // Shows the window and presses Ok once the port is open.
    void OpenAndStart()
    {
        Snapshot();
        engine->Open();
        link.RunUntil([this] { return link.IsPortOpen(); }, 1000);
        ASSERT_TRUE(link.IsPortOpen());
        engine->Start();
    }

    void RunToEnd(double limitMs = 120000)
    {
        link.RunUntil([this] { return recorder.FinishCount > 0; }, limitMs);
    }

    // The state a completed read must leave: what the core makes of the radio's blocks.
    TAppState ExpectedAfterRead() const
    {
        TAppState expected = all;
        expected.Image = imageBefore;
        expected.ModelId = modelBefore;
        const std::vector<uint8_t> blocks(radio.Memory.begin(), radio.Memory.begin() + kReadBlockCount * kBlockSize);
        CompleteRead(expected, list, blocks, radio.ModelId, radio.BandByte);
        return expected;
    }

    size_t CountFrames(const TFrame& frame) const
    {
        const auto frames = link.SentFrames();
        return static_cast<size_t>(std::count(frames.begin(), frames.end(), frame));
    }

    TAppState all;
    TModelCatalogue list;
    TMessageTexts language;
    TRadioResponder radio;
    TVirtualLink link{radio};
    TLinkRecorder recorder{link};
    std::unique_ptr<TReadEngine> engine;
    std::array<uint8_t, kImageSize> imageBefore{};
    std::string modelBefore;
    std::array<TBand, 4> bandsBefore{};
    bool modifiedBefore = false;
};

TEST_F(ReadEngineTest, FullReadSendsEveryFrameInOrderAndReplacesTheImageAfterTheLastBlock)
{
    radio.BandByte = 0xF3;
    OpenAndStart();
    RunToEnd();

    std::vector<TFrame> expected{Text("PROGRAMa"), Text("PROGRAMc"), Bytes({0x02}), Bytes({0x06})};
    for (int block = 0; block < kReadBlockCount; ++block) {
        expected.push_back(Bytes({0x52, block * 16 >> 8, block * 16 & 0xFF, 0x10}));
        expected.push_back(Bytes({0x06}));
    }
    expected.push_back(Bytes({0x45}));
    EXPECT_EQ(link.SentFrames(), expected);
    EXPECT_EQ(link.SentFrames()[kReadBlockCount * 2 + 2], Bytes({0x52, 0x12, 0x80, 0x10}));

    EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::ReadOk});
    EXPECT_EQ(recorder.Messages[0].Text, "Reading Completed.");
    EXPECT_EQ(recorder.Messages[0].Caption, "Completed");
    EXPECT_TRUE(engine->Completed());
    EXPECT_TRUE(all.Modified);
    EXPECT_EQ(engine->RadioModelId(), "LP47");
    EXPECT_EQ(engine->BandByte(), 0xF3);
    EXPECT_EQ(recorder.ProgressMaximum, 296);
    EXPECT_EQ(recorder.ProgressPosition, 296);

    // The channel area comes straight from the radio; the rest as the image-wide operations leave it.
    EXPECT_TRUE(std::equal(radio.Memory.begin(), radio.Memory.begin() + 0x1190, all.Image.begin()));
    EXPECT_EQ(all.Image, ExpectedAfterRead().Image);
    // Offsets beyond the read blocks are not touched.
    EXPECT_TRUE(std::equal(imageBefore.begin() + 4752, imageBefore.end(), all.Image.begin() + 4752));
}

TEST_F(ReadEngineTest, FramesKeepTheMandatedPacingAndTheWindowClosesAfterTheMessage)
{
    OpenAndStart();
    const double okAt = link.Now();
    RunToEnd();
    const auto& sent = link.Sent;
    // 450 ms and 50 ms after Ok, 20 ms pacing; the handshake 200 ms after the wake-up has left plus pacing.
    EXPECT_GE(sent[0].At - okAt, 520.0);
    EXPECT_LT(sent[0].At - okAt, 521.0);
    EXPECT_GE(sent[1].At - sent[0].At, 220.0);
    EXPECT_LT(sent[1].At - sent[0].At, 221.0);
    for (size_t i = 2; i < sent.size(); ++i)
        EXPECT_GE(sent[i].At - sent[i - 1].At, 20.0);
    EXPECT_NEAR(recorder.FinishedAt - sent.back().At, 300.0, 0.001);
}

TEST_F(ReadEngineTest, OkPressedWhileThePortOpensStartsOnceItIsOpen)
{
    const double shownAt = link.Now();
    engine->Open();
    engine->Start();
    RunToEnd();
    EXPECT_EQ(link.OpenCount, 1);
    EXPECT_NEAR(link.Sent.front().At - shownAt, 50 + 450 + 50 + 20, 0.001);
    EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::ReadOk});
    EXPECT_TRUE(engine->Completed());
}

TEST_F(ReadEngineTest, HandshakeLetterFollowsThePortNumber)
{
    struct TCase {
        std::string Port;
        int Random;
        char Letter;
    };
    for (const TCase& c : {TCase{"COM3", 4, 'c'}, TCase{"Com1", 4, 'a'}, TCase{"COM9", 0, 'i'}, TCase{"COM12", 0, 'e'},
                           TCase{"COM12", 4, 'i'}, TCase{"/dev/pts/7", 3, 'h'}}) {
        SCOPED_TRACE(c.Port);
        all.ComPort = c.Port;
        MakeEngine();
        engine->RandomLetter = [c] { return c.Random; };
        OpenAndStart();
        link.RunUntil([this] { return link.Sent.size() >= 2; }, 5000);
        ASSERT_GE(link.Sent.size(), 2u);
        EXPECT_EQ(link.Sent[0].Bytes, Text("PROGRAMa"));
        EXPECT_EQ(link.Sent[1].Bytes, Text(std::string("PROGRAM") + c.Letter));
        engine->Cancel();
    }
}

TEST_F(ReadEngineTest, PortThatCannotBeOpenedShowsTheReasonAndClosesTheWindow)
{
    link.FailOpen = true;
    link.FailReason = "Permission denied (join the dialout group)";
    const double shownAt = link.Now();
    engine->Open();
    link.RunFor(1000);
    ASSERT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::PortError});
    EXPECT_EQ(recorder.Messages[0].Text,
              "Cannot open the communication port.\nPermission denied (join the dialout group)");
    EXPECT_EQ(recorder.FinishCount, 1);
    EXPECT_NEAR(recorder.FinishedAt - shownAt, 350.0, 0.001);
}

TEST_F(ReadEngineTest, PortNameWithoutNumberIsNotOpened)
{
    all.ComPort = "COMx";
    engine->Open();
    link.RunFor(1000);
    EXPECT_EQ(link.OpenCount, 0);
    EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::PortError});
    EXPECT_EQ(recorder.Messages[0].Text, "Cannot open the communication port.");
    EXPECT_EQ(recorder.FinishCount, 1);
}

// Every way a read can fail ends with one message, the window closing, and the image as it was.
TEST_F(ReadEngineTest, FailedReadsReportOnceAndLeaveTheImageUntouched)
{
    struct TCase {
        const char* Name;
        std::function<void(TRadioResponder&, TVirtualLink&)> Arrange;
        // Time from the last frame sent to the message.
        double MessageDelay;
        double Tolerance = 0.001;
    };
    const std::vector<TCase> cases{
        {"radio does not answer at all",
         [](TRadioResponder&, TVirtualLink& l) { l.DropFrame = [](const TFrame&) { return true; }; }, 1500 + 2500},
        {"wrong handshake answer", [](TRadioResponder& r, TVirtualLink&) { r.Faults.WrongHandshakeAnswer = true; },
         1500 + 2500},
        {"no identification",
         [](TRadioResponder&, TVirtualLink& l) { l.DropFrame = [](const TFrame& f) { return f == TFrame{0x02}; }; },
         1500 + 2500},
        {"silence after block 150", [](TRadioResponder& r, TVirtualLink&) { r.Faults.SilentAfterBlock = 150; }, 1500},
        {"wrong acknowledgement", [](TRadioResponder& r, TVirtualLink&) { r.Faults.WrongAckAtBlock = 40; }, 1500},
        {"second line error",
         [](TRadioResponder& r, TVirtualLink&) {
             r.Faults.LineErrorAtBlock = 60;
             r.Faults.LineErrorCount = 2;
         },
         1500, 10},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        MakeEngine();
        radio = TRadioResponder();
        FillRadioMemory(radio, all);
        link.DropFrame = nullptr;
        c.Arrange(radio, link);
        OpenAndStart();
        double messageAt = -1;
        recorder.OnMessage = [&](const TLinkMessage&) { messageAt = link.Now(); };
        RunToEnd();
        recorder.OnMessage = nullptr;
        ASSERT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::ComError});
        EXPECT_EQ(recorder.Messages[0].Text, "Please check all connections and communication port settings.");
        EXPECT_NEAR(messageAt - link.Sent.back().At, c.MessageDelay, c.Tolerance);
        EXPECT_NEAR(recorder.FinishedAt - messageAt, 300.0, 0.001);
        EXPECT_EQ(recorder.FinishCount, 1);
        ExpectStateUntouched();
    }
}

// A reply is taken only when it answers what was asked: command byte, address and length of a block reply,
// the "P" of the identification. Anything else ends the read at once, as silence would after its time-out.
TEST_F(ReadEngineTest, RepliesThatAnswerAnotherFrameEndTheReadAndLeaveTheImageUntouched)
{
    struct TCase {
        const char* Name;
        // The frame the radio never sees; the test answers it with Reply instead.
        TFrame Asked;
        std::vector<uint8_t> Reply;
        int NextBlockFault = -1;
    };
    std::vector<uint8_t> data(16, 0x33);
    const auto reply = [&data](std::initializer_list<int> head) {
        std::vector<uint8_t> bytes = Bytes(head);
        bytes.insert(bytes.end(), data.begin(), data.end());
        return bytes;
    };
    const std::vector<TCase> cases{
        {"the radio answers for the next block", {}, {}, 150},
        {"reply for block 8 when block 7 was asked", Bytes({0x52, 0x00, 0x70, 0x10}), reply({0x57, 0x00, 0x80, 0x10})},
        {"reply with the low address byte slipped", Bytes({0x52, 0x01, 0x00, 0x10}), reply({0x57, 0x00, 0x00, 0x10})},
        {"reply with the request's own command", Bytes({0x52, 0x00, 0x70, 0x10}), reply({0x52, 0x00, 0x70, 0x10})},
        {"reply of another length", Bytes({0x52, 0x00, 0x70, 0x10}), reply({0x57, 0x00, 0x70, 0x08})},
        {"identification without its P", Bytes({0x02}), Bytes({0x06, 'L', 'P', '4', '7', 0x00, 0xFF, 0x00})},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        MakeEngine();
        radio = TRadioResponder();
        FillRadioMemory(radio, all);
        radio.Faults.NextBlockAtBlock = c.NextBlockFault;
        link.DropFrame = [&c](const TFrame& f) { return f == c.Asked; };
        OpenAndStart();
        if (!c.Reply.empty()) {
            const auto asked = [&] { return !link.Sent.empty() && link.Sent.back().Bytes == c.Asked; };
            link.RunUntil(
                [&] {
                    return asked() &&
                           (link.TimerRunning(TLinkTimer::TryTime) || link.TimerRunning(TLinkTimer::HeadTime));
                },
                60000);
            ASSERT_TRUE(asked());
            engine->OnBytes(c.Reply);
        }
        RunToEnd();
        link.DropFrame = nullptr;
        ASSERT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::ComError});
        EXPECT_EQ(recorder.FinishCount, 1);
        // Nothing more was asked once the wrong reply came.
        EXPECT_EQ(CountFrames(Bytes({0x52, 0x12, 0x80, 0x10})), 0u);
        ExpectStateUntouched();
    }
}

TEST_F(ReadEngineTest, UnknownModelEndsTheTransferAndKeepsTheWindowOpen)
{
    radio.ModelId = "LP48";
    OpenAndStart();
    link.RunFor(20000);
    EXPECT_EQ(link.SentFrames(),
              (std::vector<TFrame>{Text("PROGRAMa"), Text("PROGRAMc"), Bytes({0x02}), Bytes({0x45})}));
    EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::ModError});
    EXPECT_EQ(recorder.Messages[0].Text, "Wrong model type.");
    EXPECT_EQ(recorder.FinishCount, 0);
    EXPECT_FALSE(engine->OkEnabled());
    ExpectStateUntouched();
}

TEST_F(ReadEngineTest, FirstLineErrorRestartsTheReadOnceAfter500Ms)
{
    radio.Faults.LineErrorAtBlock = 100;
    double errorAt = -1;
    OpenAndStart();
    link.RunUntil([this] { return link.TimerRunning(TLinkTimer::ReTime); }, 60000);
    errorAt = link.Now();
    RunToEnd();

    EXPECT_EQ(CountFrames(Text("PROGRAMa")), 2u);
    EXPECT_EQ(CountFrames(Bytes({0x52, 0x12, 0x80, 0x10})), 1u);
    const auto restart = std::find_if(link.Sent.begin() + 1, link.Sent.end(),
                                      [](const TVirtualLink::TSent& s) { return s.Bytes == Text("PROGRAMa"); });
    ASSERT_NE(restart, link.Sent.end());
    EXPECT_NEAR(restart->At - errorAt, 500 + 450 + 50 + 20, 0.001);
    EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::ReadOk});
    EXPECT_TRUE(engine->Completed());
    EXPECT_EQ(all.Image, ExpectedAfterRead().Image);
}

TEST_F(ReadEngineTest, CancelMidTransferStopsSendingAndLeavesTheImage)
{
    OpenAndStart();
    link.RunUntil([this] { return engine->BlockNo() == 120; }, 60000);
    const size_t sentAtCancel = link.Sent.size();
    engine->Cancel();
    link.RunFor(10000);
    EXPECT_FALSE(link.IsPortOpen());
    EXPECT_EQ(link.Sent.size(), sentAtCancel);
    EXPECT_TRUE(recorder.Messages.empty());
    EXPECT_EQ(recorder.FinishCount, 0);
    ExpectStateUntouched();
}

// Replies that come in pieces, with stray bytes before or after, are taken as the radio meant them.
TEST_F(ReadEngineTest, SplitAndPaddedRepliesStillReadEveryBlock)
{
    struct TCase {
        const char* Name;
        TSimFaults Faults;
    };
    TSimFaults split;
    split.SplitReplies = true;
    TSimFaults padded;
    padded.StrayByte = true;
    TSimFaults both = split;
    both.StrayByte = true;
    TSimFaults strayFirst;
    strayFirst.StrayBeforeHandshakeAnswer = true;
    for (const TCase& c : {TCase{"split", split}, TCase{"padded", padded}, TCase{"split and padded", both},
                           TCase{"stray byte before the handshake answer", strayFirst}}) {
        SCOPED_TRACE(c.Name);
        PrepareLinkState(all, list);
        MakeEngine();
        radio = TRadioResponder();
        FillRadioMemory(radio, all);
        radio.Faults = c.Faults;
        OpenAndStart();
        RunToEnd();
        EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::ReadOk});
        EXPECT_EQ(all.Image, ExpectedAfterRead().Image);
    }
}

TEST_F(ReadEngineTest, ReplyLongerThanTheCollectorEndsInATimeout)
{
    // A data reply of 49 bytes or more fills the collector: no reply is handled until the next frame.
    OpenAndStart();
    link.RunUntil([this] { return engine->BlockNo() == 5 && link.TimerRunning(TLinkTimer::TryTime); }, 60000);
    const std::vector<uint8_t> flood(60, 0x06);
    engine->OnBytes(flood);
    RunToEnd();
    EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::ComError});
    ExpectStateUntouched();
}

} // namespace
