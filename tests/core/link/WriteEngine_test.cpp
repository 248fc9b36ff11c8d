// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "VirtualLink.h"
#include "core/link/Frames.h"
#include "core/link/WriteEngine.h"

namespace
{

TFrame Text(const std::string& text)
{
    return TFrame(text.begin(), text.end());
}

const std::array<uint8_t, 7> kStamp{0xE8, 0x07, 0x03, 0x05, 0x0E, 0x07, 0x09};

class WriteEngineTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        PrepareLinkState(all, list);
        // A second catalogue model with the same channel count (force write) and one with another count.
        list.Add(std::make_unique<TRadioModel>("LP48", all.ChannelCount, "Twin"));
        list.Add(std::make_unique<TRadioModel>("LP16", 16, "Small"));
        for (int i = 0; i < 0x1190; ++i)
            all.Image[i] = static_cast<uint8_t>(i * 13 + 1);
        radioBefore = radio.Memory;
        // The plain write; the read-back after it has its own tests.
        all.VerifyAfterWrite = false;
        MakeEngine();
    }

    void MakeEngine()
    {
        if (engine)
            engine->Cancel();
        link.RunFor(10000);
        link.Sent.clear();
        recorder.Messages.clear();
        recorder.Questions.clear();
        recorder.FinishCount = 0;
        engine = std::make_unique<TWriteEngine>(all, list, language, link, recorder);
        engine->RandomLetter = [] { return 0; };
        engine->Clock = [] { return std::string("2024-03-05 14:07:09"); };
        link.Attach(*engine);
    }

    void OpenAndStart()
    {
        imageBefore = all.Image;
        engine->Open();
        link.RunUntil([this] { return link.IsPortOpen(); }, 1000);
        ASSERT_TRUE(link.IsPortOpen());
        engine->Start();
    }

    void RunToMessage(double limitMs = 120000)
    {
        link.RunUntil([this] { return !recorder.Messages.empty(); }, limitMs);
    }

    std::array<uint8_t, 7> WriteTime() const
    {
        std::array<uint8_t, 7> stamp{};
        std::copy_n(all.Image.begin() + kWriteTime, 7, stamp.begin());
        return stamp;
    }

    std::array<uint8_t, 7> WriteTimeBefore() const
    {
        std::array<uint8_t, 7> stamp{};
        std::copy_n(imageBefore.begin() + kWriteTime, 7, stamp.begin());
        return stamp;
    }

    int WrittenBlocks() const { return static_cast<int>(std::count(radio.Written.begin(), radio.Written.end(), true)); }

    TAppState all;
    TModelCatalogue list;
    TMessageTexts language;
    TRadioResponder radio;
    TVirtualLink link{radio};
    TLinkRecorder recorder{link};
    std::unique_ptr<TWriteEngine> engine;
    std::array<uint8_t, kImageSize> imageBefore{};
    std::array<uint8_t, kImageSize> radioBefore{};
};

TEST_F(WriteEngineTest, FullWriteStampsTheTimeAndSendsBlocks0To294)
{
    OpenAndStart();
    RunToMessage();

    const auto frames = link.SentFrames();
    ASSERT_EQ(frames.size(), 4u + kWriteBlockCount + 1);
    EXPECT_EQ(frames[0], Text("PROGRAMa"));
    EXPECT_EQ(frames[1], Text("PROGRAMc"));
    EXPECT_EQ(frames[2], TFrame{0x02});
    EXPECT_EQ(frames[3], TFrame{0x06});
    for (int block = 0; block < kWriteBlockCount; ++block) {
        const TFrame& f = frames[4 + block];
        ASSERT_EQ(f.size(), 20u);
        EXPECT_EQ(f[0], 0x57);
        EXPECT_EQ((f[1] << 8) | f[2], block * 16);
        EXPECT_EQ(f[3], 0x10);
    }
    EXPECT_EQ(frames[4 + 294][1], 0x12);
    EXPECT_EQ(frames[4 + 294][2], 0x60);
    EXPECT_EQ(frames.back(), TFrame{0x45});

    EXPECT_EQ(WriteTime(), kStamp);
    // The radio holds image blocks 0 to 294 (with the stamp); blocks 295 and 296 were never written.
    EXPECT_TRUE(std::equal(all.Image.begin(), all.Image.begin() + 4720, radio.Memory.begin()));
    EXPECT_TRUE(std::equal(radioBefore.begin() + 4720, radioBefore.end(), radio.Memory.begin() + 4720));
    EXPECT_EQ(WrittenBlocks(), kWriteBlockCount);

    EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::WriteOk});
    EXPECT_EQ(recorder.Messages[0].Text, "Writing Completed.");
    EXPECT_TRUE(engine->Succeeded());
    EXPECT_TRUE(engine->OkEnabled());
    EXPECT_EQ(recorder.ProgressPeak, 294);
    EXPECT_EQ(recorder.ProgressPosition, 0);
    EXPECT_FALSE(engine->PartlyWritten());
    link.RunFor(5000);
    EXPECT_EQ(recorder.FinishCount, 0);
}

TEST_F(WriteEngineTest, VerifyReadsEveryWrittenBlockBackInASecondSession)
{
    all.VerifyAfterWrite = true;
    OpenAndStart();
    RunToMessage();

    const auto frames = link.SentFrames();
    const size_t write = 4u + kWriteBlockCount + 1;
    ASSERT_EQ(frames.size(), write + 4u + 2 * kWriteBlockCount + 1);
    EXPECT_EQ(frames[write - 1], TFrame{0x45});
    EXPECT_EQ(frames[write], Text("PROGRAMa"));
    EXPECT_EQ(frames[write + 1], Text("PROGRAMc"));
    EXPECT_EQ(frames[write + 2], TFrame{0x02});
    for (int block = 0; block < kWriteBlockCount; ++block)
        EXPECT_EQ(frames[write + 4 + 2 * block], BuildReadRequest(block));
    EXPECT_EQ(frames.back(), TFrame{0x45});

    EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::VerifyOk});
    EXPECT_EQ(recorder.Messages[0].Text, "Writing Completed. Every block was read back as written.");
    EXPECT_TRUE(engine->Succeeded());
    EXPECT_TRUE(engine->Verified());
    EXPECT_TRUE(engine->DifferingBlocks().empty());
    EXPECT_TRUE(engine->OkEnabled());
    EXPECT_EQ(WriteTime(), kStamp);
    std::copy(kStamp.begin(), kStamp.end(), imageBefore.begin() + kWriteTime);
    EXPECT_EQ(all.Image, imageBefore);
}

// A read-back that finds other bytes, or breaks off, is an error; the data set keeps what was written.
TEST_F(WriteEngineTest, AFailedVerifyNamesTheBlocksAndLeavesTheDataSet)
{
    struct TCase {
        const char* Name;
        std::function<void(TRadioResponder&, TVirtualLink&)> Arrange;
        TLinkMessageKey Key;
        std::string Text;
        std::vector<int> Blocks;
    };
    const std::string noAnswer = "Verify failed: the radio stopped answering while it was read back. The data was "
                                 "written but could not be checked.";
    const std::vector<TCase> cases{
        {"block 34 not stored",
         [](TRadioResponder& r, TVirtualLink&) { r.Faults.UnstoredAtBlock = 34; },
         TLinkMessageKey::VerifyFailed,
         "Verify failed: 1 blocks differ (CH-017).",
         {34}},
        {"block 35 not stored",
         [](TRadioResponder& r, TVirtualLink&) { r.Faults.UnstoredAtBlock = 35; },
         TLinkMessageKey::VerifyFailed,
         "Verify failed: 1 blocks differ (CH-018).",
         {35}},
        {"a settings block not stored",
         [](TRadioResponder& r, TVirtualLink&) { r.Faults.UnstoredAtBlock = 284; },
         TLinkMessageKey::VerifyFailed,
         "Verify failed: 1 blocks differ (settings).",
         {284}},
        {"silent half-way through the read-back",
         [](TRadioResponder&, TVirtualLink& l) {
             l.DropFrame = [](const TFrame& f) { return f == BuildReadRequest(150); };
         },
         TLinkMessageKey::VerifyNoAnswer,
         noAnswer,
         {}},
        {"the read-back answered for the next block",
         [](TRadioResponder& r, TVirtualLink&) { r.Faults.NextBlockAtBlock = 100; },
         TLinkMessageKey::VerifyNoAnswer,
         noAnswer,
         {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        radio = TRadioResponder();
        link.DropFrame = nullptr;
        c.Arrange(radio, link);
        all.VerifyAfterWrite = true;
        MakeEngine();
        OpenAndStart();
        RunToMessage();
        link.DropFrame = nullptr;
        ASSERT_EQ(recorder.MessageKeys(), std::vector{c.Key});
        EXPECT_EQ(recorder.Messages[0].Text, c.Text);
        EXPECT_FALSE(engine->Succeeded());
        EXPECT_EQ(engine->DifferingBlocks(), c.Blocks);
        std::copy(kStamp.begin(), kStamp.end(), imageBefore.begin() + kWriteTime);
        EXPECT_EQ(all.Image, imageBefore);
    }
}

TEST_F(WriteEngineTest, OkWritesAgainAfterACompletedWrite)
{
    OpenAndStart();
    RunToMessage();
    recorder.Messages.clear();
    engine->Start();
    RunToMessage();
    EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::WriteOk});
    EXPECT_EQ(link.Sent.size(), 2 * (4u + kWriteBlockCount + 1));
}

TEST_F(WriteEngineTest, ModelOfTheSameSizeAsksBeforeForcingTheWrite)
{
    radio.ModelId = "LP48";
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        MakeEngine();
        recorder.Answer = [yes](const TLinkMessage&, TQuestion) { return yes; };
        OpenAndStart();
        link.RunUntil([this] { return recorder.FinishCount > 0 || !recorder.Messages.empty(); }, 120000);

        ASSERT_EQ(recorder.Questions.size(), 1u);
        EXPECT_EQ(recorder.Questions[0].first.Text, "Wrong model type.\nDo you wish to write the data anyway?");
        EXPECT_EQ(recorder.Questions[0].first.Key, TLinkMessageKey::Modforce);
        EXPECT_EQ(recorder.Questions[0].second, TQuestion::YesNo);
        if (yes) {
            EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::WriteOk});
            EXPECT_EQ(WrittenBlocks(), kWriteBlockCount);
            EXPECT_EQ(WriteTime(), kStamp);
        } else {
            // Nothing follows the identification, not even the end byte; the window closes.
            EXPECT_EQ(link.SentFrames().back(), TFrame{0x02});
            EXPECT_EQ(recorder.FinishCount, 1);
            EXPECT_EQ(WrittenBlocks(), 0);
            EXPECT_EQ(all.Image, imageBefore);
        }
    }
}

// The texts come from the loaded language file, the question's from both of its keys; a question is captioned
// as one, a success as done and a failure as an error.
TEST_F(WriteEngineTest, MessagesAndQuestionsTakeTheLoadedTexts)
{
    language.Confirmation = "Bestätigung";
    language.Completed = "Fertig";
    language.Error = "Fehler";
    language.ModError = "Falsches Modell.";
    language.Modforce = "Trotzdem schreiben?";
    language.WriteOk = "Geschrieben.";
    radio.ModelId = "LP48";
    recorder.Answer = [](const TLinkMessage&, TQuestion) { return true; };
    OpenAndStart();
    RunToMessage();
    ASSERT_EQ(recorder.Questions.size(), 1u);
    EXPECT_EQ(recorder.Questions[0].first.Caption, "Bestätigung");
    EXPECT_EQ(recorder.Questions[0].first.Text, "Falsches Modell.\nTrotzdem schreiben?");
    ASSERT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::WriteOk});
    EXPECT_EQ(recorder.Messages[0].Caption, "Fertig");
    EXPECT_EQ(recorder.Messages[0].Text, "Geschrieben.");

    radio.ModelId = "ZZ99"; // a model the program does not know: no question, an error
    MakeEngine();
    OpenAndStart();
    RunToMessage();
    ASSERT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::ModError});
    EXPECT_EQ(recorder.Messages[0].Caption, "Fehler");
}

TEST_F(WriteEngineTest, WrongModelEndsTheTransferWithoutWriting)
{
    for (const char* id : {"ZZ99", "LP16", "lp47"}) {
        SCOPED_TRACE(id);
        radio.ModelId = id;
        MakeEngine();
        OpenAndStart();
        link.RunUntil([this] { return recorder.FinishCount > 0; }, 120000);
        EXPECT_EQ(link.SentFrames().back(), TFrame{0x45});
        EXPECT_EQ(link.SentFrames().size(), 4u);
        EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::ModError});
        EXPECT_TRUE(recorder.Questions.empty());
        EXPECT_EQ(WrittenBlocks(), 0);
        EXPECT_FALSE(engine->PartlyWritten());
        EXPECT_EQ(all.Image, imageBefore);
    }
}

TEST_F(WriteEngineTest, TimeoutsReportAndCloseTheWindow)
{
    struct TCase {
        const char* Name;
        std::function<void(TRadioResponder&, TVirtualLink&)> Arrange;
        double MessageDelay;
        bool Stamped;
        bool OkAfter;
    };
    const std::vector<TCase> cases{
        {"no handshake answer",
         [](TRadioResponder&, TVirtualLink& l) { l.DropFrame = [](const TFrame&) { return true; }; }, 1500 + 2500,
         false, false},
        {"no identification",
         [](TRadioResponder&, TVirtualLink& l) { l.DropFrame = [](const TFrame& f) { return f == TFrame{0x02}; }; },
         1500 + 2500, false, false},
        {"silence after block 100", [](TRadioResponder& r, TVirtualLink&) { r.Faults.SilentAfterBlock = 101; }, 1500,
         true, true},
        {"wrong acknowledgement", [](TRadioResponder& r, TVirtualLink&) { r.Faults.WrongAckAtBlock = 7; }, 1500, true,
         true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        MakeEngine();
        radio = TRadioResponder();
        link.DropFrame = nullptr;
        c.Arrange(radio, link);
        OpenAndStart();
        double messageAt = -1;
        recorder.OnMessage = [&](const TLinkMessage&) { messageAt = link.Now(); };
        link.RunUntil([this] { return recorder.FinishCount > 0; }, 120000);
        recorder.OnMessage = nullptr;
        ASSERT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::ComError});
        EXPECT_NEAR(messageAt - link.Sent.back().At, c.MessageDelay, 0.001);
        EXPECT_NEAR(recorder.FinishedAt - messageAt, 300.0, 0.001);
        EXPECT_EQ(engine->OkEnabled(), c.OkAfter);
        EXPECT_FALSE(engine->Succeeded());
        // The stamp stays once the block phase began; nothing else of the image changes.
        EXPECT_EQ(WriteTime(), c.Stamped ? kStamp : WriteTimeBefore());
        std::copy_n(kStamp.begin(), 7, imageBefore.begin() + kWriteTime);
        std::copy_n(kStamp.begin(), 7, all.Image.begin() + kWriteTime);
        EXPECT_EQ(all.Image, imageBefore);
    }
}

TEST_F(WriteEngineTest, SilenceAfterBlock100StopsAtThatBlock)
{
    radio.Faults.SilentAfterBlock = 101;
    OpenAndStart();
    link.RunUntil([this] { return recorder.FinishCount > 0; }, 120000);
    EXPECT_EQ(WrittenBlocks(), 101);
    const TFrame last = link.SentFrames().back();
    EXPECT_EQ((last[1] << 8) | last[2], 101 * 16);
    EXPECT_TRUE(engine->PartlyWritten());
}

TEST_F(WriteEngineTest, LineErrorReportsAtOnceAndLaterTimeoutsStaySilent)
{
    OpenAndStart();
    link.RunUntil([this] { return engine->BlockNo() == 50; }, 60000);
    const size_t sentAtError = link.Sent.size();
    link.RaiseLineError();
    EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::ComError});
    link.RunFor(20000);
    EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::ComError});
    EXPECT_LE(link.Sent.size(), sentAtError + 1);
    EXPECT_EQ(recorder.FinishCount, 0);
    EXPECT_FALSE(engine->OkEnabled());
    EXPECT_EQ(engine->State(), TTransferState::Idle);
}

TEST_F(WriteEngineTest, LineErrorDuringTheWakeupGapSendsNoHandshake)
{
    OpenAndStart();
    link.RunUntil([this] { return link.TimerRunning(TLinkTimer::XTimer); }, 5000);
    link.RaiseLineError();
    link.RunFor(20000);
    EXPECT_EQ(link.SentFrames(), std::vector<TFrame>{Text("PROGRAMa")});
    EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::ComError});
}

TEST_F(WriteEngineTest, CancelMidTransferSendsNothingMore)
{
    OpenAndStart();
    link.RunUntil([this] { return engine->BlockNo() == 200; }, 60000);
    const size_t sentAtCancel = link.Sent.size();
    engine->Cancel();
    link.RunFor(10000);
    EXPECT_FALSE(link.IsPortOpen());
    EXPECT_EQ(link.Sent.size(), sentAtCancel);
    EXPECT_TRUE(recorder.Messages.empty());
    EXPECT_LT(WrittenBlocks(), kWriteBlockCount);
    EXPECT_TRUE(engine->PartlyWritten());
}

TEST_F(WriteEngineTest, SplitAndPaddedAcknowledgementsStillWriteEveryBlock)
{
    for (const bool split : {false, true}) {
        SCOPED_TRACE(split ? "split and padded" : "padded");
        MakeEngine();
        radio = TRadioResponder();
        radio.Faults.StrayByte = true;
        radio.Faults.SplitReplies = split;
        OpenAndStart();
        RunToMessage();
        EXPECT_EQ(recorder.MessageKeys(), std::vector{TLinkMessageKey::WriteOk});
        EXPECT_TRUE(std::equal(all.Image.begin(), all.Image.begin() + 4720, radio.Memory.begin()));
    }
}

TEST(CheckModelTest, ComparesIdentifierThenChannelCount)
{
    TAppState all;
    TModelCatalogue list;
    PrepareLinkState(all, list);
    list.Add(std::make_unique<TRadioModel>("LP48", all.ChannelCount, "Twin"));
    list.Add(std::make_unique<TRadioModel>("LP16", 16, "Small"));
    EXPECT_EQ(CheckModel(all, list, "LP47"), TModelCheck::ModelSame);
    EXPECT_EQ(CheckModel(all, list, "LP48"), TModelCheck::ModelForce);
    EXPECT_EQ(CheckModel(all, list, "LP16"), TModelCheck::ModelWrong);
    EXPECT_EQ(CheckModel(all, list, "LP4"), TModelCheck::ModelWrong);
}

} // namespace
