// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "core/model/ChirpCsv.h"
#include "core/model/CoreState.h"
#include "core/model/CsvText.h"
#include "core/model/Numbers.h"

namespace
{
using F = TChannelField;

const std::string kHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                            "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

void Store(TCoreState& s, int channel, TChannelField field, std::string text)
{
    SetChannelField(s.All, channel, field, text);
}

// The channel records, the in-use map and the scan-skip map: everything import writes.
std::vector<uint8_t> ChannelBytes(const TCoreState& s)
{
    std::vector<uint8_t> bytes(s.All.Image.begin() + ChannelByte(1, 0), s.All.Image.begin() + ChannelByte(129, 0));
    bytes.insert(bytes.end(), s.All.Image.begin() + kChannelEmptyMap, s.All.Image.begin() + kFmEmptyMap);
    return bytes;
}

TChannel Decoded(TCoreState& s, int channel)
{
    TChannel decoded;
    EXPECT_TRUE(DecodeChannel(s.All, channel, decoded)) << "channel " << channel;
    return decoded;
}

TCsvImport ImportInto(TCoreState& s, const std::string& text, bool replace = false)
{
    const TCsvImport import = ImportChirpCsv(s.All, text);
    ApplyCsvImport(s.All, import, replace);
    return import;
}

// One channel as the table would have it typed, and the CSV row from Duplex to Power its export gives.
struct TExportCase {
    const char* Tx; // "" for no TX
    const char* RxTone;
    const char* TxTone;
    const char* Wide;
    const char* ScanAdd;
    const char* Power;
    const char* Row;
};

// Each export rule once, at RX 145.5 MHz: the transmit side, the tone modes, width, scan and power.
const TExportCase kExportCases[] = {
    {"", "", "", "1", "0", "1", "off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,37.50,,5.0W"},
    {"145.5", "", "", "1", "0", "1", ",0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,37.50,,5.0W"},
    {"146.1", "", "", "1", "0", "1", "+,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,37.50,,5.0W"},
    {"144.9", "", "", "0", "1", "0", "-,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,37.50,S,1.0W"},
    {"435.0", "", "", "1", "0", "1", "split,435.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,37.50,,5.0W"},
    {"145.5", "", "100.0", "1", "0", "1", ",0.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,37.50,,5.0W"},
    {"145.5", "123.0", "123.0", "1", "0", "1", ",0.000000,TSQL,88.5,123.0,023,NN,023,Tone->Tone,FM,37.50,,5.0W"},
    {"145.5", "D754N", "D754N", "1", "0", "1", ",0.000000,DTCS,88.5,88.5,754,NN,023,Tone->Tone,FM,37.50,,5.0W"},
    {"145.5", "D023I", "D023I", "1", "0", "1", ",0.000000,DTCS,88.5,88.5,023,RR,023,Tone->Tone,FM,37.50,,5.0W"},
    {"145.5", "71.9", "67.0", "1", "0", "1", ",0.000000,Cross,67.0,71.9,023,NN,023,Tone->Tone,FM,37.50,,5.0W"},
    {"145.5", "D131I", "67.0", "1", "0", "1", ",0.000000,Cross,67.0,88.5,023,NR,131,Tone->DTCS,FM,37.50,,5.0W"},
    {"145.5", "71.9", "D025N", "1", "0", "1", ",0.000000,Cross,88.5,71.9,025,NN,023,DTCS->Tone,FM,37.50,,5.0W"},
    {"145.5", "D026N", "D025I", "1", "0", "1", ",0.000000,Cross,88.5,88.5,025,RN,026,DTCS->DTCS,FM,37.50,,5.0W"},
    {"145.5", "D025I", "D025N", "1", "0", "1", ",0.000000,Cross,88.5,88.5,025,NR,025,DTCS->DTCS,FM,37.50,,5.0W"},
    {"145.5", "71.9", "", "1", "0", "1", ",0.000000,Cross,88.5,71.9,023,NN,023,->Tone,FM,37.50,,5.0W"},
    {"145.5", "D131N", "", "1", "0", "1", ",0.000000,Cross,88.5,88.5,023,NN,131,->DTCS,FM,37.50,,5.0W"},
    {"145.5", "", "D131I", "1", "0", "1", ",0.000000,Cross,88.5,88.5,131,RN,023,DTCS->,FM,37.50,,5.0W"},
};

// A row given from its Duplex column on, at Location 1 and 145.5 MHz, and the TX tone, RX tone or skip reason.
struct TImportCase {
    const char* Rest;
    const char* TxTone;
    const char* RxTone;
    const char* Reason; // the skip reason, or the change noted, or "" for neither
    bool Skipped;
};

// The rules the export never writes, and every reason to skip a row.
const TImportCase kImportCases[] = {
    {",0,Cross,67.0,88.5,023,NN,023,Tone->,FM,5.00,,,,,,,", "67.0", "", "", false},
    {",0,,100.0,100.0,754,RR,754,DTCS->DTCS,FM,5.00,,,,,,,", "", "", "", false},
    {",0,Tone,100,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "100.0", "", "", false},
    {",0,DTCS,88.5,88.5,23,,023,Tone->Tone,,5.00,,,,,,,", "D023N", "D023N", "", false},
    {",0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,P,,,,,,", "", "", "priority scan (Skip P)", false},
    {",0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Mid,,,,,", "", "", "Power \"Mid\" read as High", false},
    {"x,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "", "", "Duplex \"x\" is not one of", true},
    {"+,abc,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "", "", "Offset \"abc\" is not a number", true},
    {"+,40,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "", "", "TX frequency 185.500000 MHz lies outside", true},
    {",0,,88.5,88.5,023,NN,023,Tone->Tone,AM,5.00,,,,,,,", "", "", "Mode \"AM\" is not FM or NFM", true},
    {",0,,88.5,88.5,023,NN,023,Tone->Tone,DV,5.00,,,,,,,", "", "", "Mode \"DV\" is not FM or NFM", true},
    {",0,TSQL-R,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "", "", "tone mode \"TSQL-R\" is not one", true},
    {",0,DTCS-R,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "", "", "tone mode \"DTCS-R\" is not one", true},
    {",0,Tone,88.6,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "", "", "rToneFreq \"88.6\" is not one", true},
    {",0,Tone,88.55,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "", "", "rToneFreq \"88.55\" is not one", true},
    {",0,DTCS,88.5,88.5,024,NN,023,Tone->Tone,FM,5.00,,,,,,,", "", "", "DtcsCode \"024\" is not one", true},
    {",0,DTCS,88.5,88.5,023,NX,023,Tone->Tone,FM,5.00,,,,,,,", "", "", "DtcsPolarity \"NX\" is not two", true},
    {",0,Cross,88.5,88.5,023,NN,023,Tone->Foo,FM,5.00,,,,,,,", "", "", "CrossMode \"Tone->Foo\" is not one", true},
};
} // namespace

TEST(ChirpCsvExport, EachRuleGivesItsRowAndImportsBackToTheSameRecord)
{
    for (const TExportCase& c : kExportCases) {
        TCoreState s;
        ResetChannel(s.All, 9, "145.5");
        Store(s, 9, F::TxFrequency, c.Tx);
        Store(s, 9, F::RxTone, c.RxTone);
        Store(s, 9, F::TxTone, c.TxTone);
        Store(s, 9, F::Bandwidth, c.Wide);
        Store(s, 9, F::ScanAdd, c.ScanAdd);
        Store(s, 9, F::Power, c.Power);
        Store(s, 9, F::Name, "Rpt,\"9\"");
        const std::string text = ExportChirpCsv(s.All);
        EXPECT_EQ(text, kHeader + "9,\"Rpt,\"\"9\"\"\",145.500000," + c.Row + ",,,,,\r\n") << c.Row;

        TCoreState back;
        const TCsvImport import = ImportInto(back, text);
        EXPECT_EQ(import.Error, "");
        EXPECT_TRUE(import.Notes.empty()) << CsvReportText(import);
        EXPECT_EQ(ChannelBytes(back), ChannelBytes(s)) << c.Row;
    }
}

TEST(ChirpCsvImport, RulesTheExportNeverWritesAndEveryReasonToSkip)
{
    for (const TImportCase& c : kImportCases) {
        TCoreState s;
        const TCsvImport import = ImportInto(s, kHeader + "1,N,145.500000," + c.Rest + "\r\n");
        const std::string report = CsvReportText(import);
        if (c.Skipped) {
            EXPECT_TRUE(import.Channels.empty()) << c.Rest;
            EXPECT_FALSE(IsChannelUsed(s.All, 1));
        } else {
            const TChannel channel = Decoded(s, 1);
            EXPECT_EQ(channel.TxTone, c.TxTone) << c.Rest;
            EXPECT_EQ(channel.RxTone, c.RxTone) << c.Rest;
        }
        if (*c.Reason)
            EXPECT_NE(report.find(std::string(c.Skipped ? "skipped: " : "changed: ") + c.Reason), std::string::npos)
                << c.Rest << "\n"
                << report;
        else
            EXPECT_TRUE(import.Notes.empty()) << report;
    }
}

TEST(ChirpCsvImport, PowerSkipModeAndNameAsTheRadioHoldsThem)
{
    const std::string rows = kHeader + "1,,145.5,,,,,,,,,,,,,,\n"         // every other column empty
                                       "2,a,145.5,,,,,,,,,,NFM,,S,4.0W\n" // 4 W is high
                                       "3,b,145.5,,,,,,,,,,FM,,,0.5W\n"   // 0.5 W is low
                                       "4,c,145.5,,,,,,,,,,FM,,,L\n"      // L
                                       "5,d,145.5,,,,,,,,,,FM,,,H\n"      // H
                                       "6,ABCDEFGHIJ,145.5\n"             // a short row; name shortened
                                       "7,caf\xC3\xA9\xFF,145.5\n"; // no UTF-8: the radio shows "@" for what it lacks
    TCoreState s;
    const TCsvImport import = ImportInto(s, rows);
    const struct {
        int Channel;
        uint8_t Power;
        uint8_t Wide;
        uint8_t Skip;
        const char* Name;
    } expected[] = {{1, 1, 1, 0, ""},  {2, 1, 0, 1, "a"},       {3, 0, 1, 0, "b"},    {4, 0, 1, 0, "c"},
                    {5, 1, 1, 0, "d"}, {6, 1, 1, 0, "ABCDEFG"}, {7, 1, 1, 0, "caf@@"}};
    for (const auto& e : expected) {
        const TChannel channel = Decoded(s, e.Channel);
        EXPECT_EQ(channel.Power, e.Power) << e.Channel;
        EXPECT_EQ(channel.Wide, e.Wide) << e.Channel;
        EXPECT_EQ(channel.ScanSkip, e.Skip) << e.Channel;
        EXPECT_EQ(channel.Name, e.Name) << e.Channel;
        EXPECT_EQ(channel.TxFreq, 145.5) << e.Channel;
    }
    EXPECT_EQ(CsvReportText(import), "7 of 7 rows imported into 7 channels, 0 skipped.\n"
                                     "line 7, Location 6: changed: Name shortened to \"ABCDEFG\"\n"
                                     "line 8, Location 7: changed: Name stored as \"caf@@\": the radio shows only "
                                     "ASCII from space to z\n");
}

TEST(ChirpCsvImport, ReportNamesLinesLocationsAndReasons)
{
    const std::string text = "\xEF\xBB\xBF# a repeater list\r\n"
                             "Frequency,Location,Name,Mode\r\n"
                             "\r\n"
                             "146.94,1,W1AW,FM\r\n"
                             "145.50312,2,\"two\r\nlines\",FM\r\n"
                             "146.0,0,ZERO,FM\r\n"
                             "146.0,abc,ABC,FM\r\n"
                             "120.0,3,AIR,AM\r\n"
                             "abc,4,X,FM\r\n"
                             "147.0,1,AGAIN,FM,extra\r\n";
    TCoreState s;
    const TCsvImport import = ImportInto(s, text);
    EXPECT_EQ(CsvReportText(import),
              "3 of 7 rows imported into 2 channels, 4 skipped.\n"
              "line 5, Location 2: changed: Frequency rounded to 145.503000\n"
              "line 5, Location 2: changed: Name shortened to \"two@@li\"\n"
              "line 7, Location 0: skipped: Location 0 is not a channel 1 to 128\n"
              "line 8, Location abc: skipped: Location \"abc\" is not a number\n"
              "line 9, Location 3: skipped: Frequency 120.000000 MHz lies outside the bands of QB-H52\n"
              "line 10, Location 4: skipped: Frequency \"abc\" is not a number\n"
              "line 11, Location 1: changed: the fields after the header's 4 are ignored\n"
              "line 11, Location 1: changed: replaces line 4\n");
    EXPECT_EQ(Decoded(s, 1).Name, "AGAIN");
}

// Files that are no channel list at all: a clear error, no channels, the state untouched.
TEST(ChirpCsvImport, HostileFilesGiveAnErrorOrAReportAndNeverAChannelTheyDoNotHold)
{
    std::string big = kHeader;
    for (int i = 0; i < 10000; ++i)
        big += std::to_string(i % 200) + ",N" + std::to_string(i) + ",146.0\n";
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 37) % 256);
    const struct {
        std::string Text;
        const char* Error;
        size_t Channels;
    } cases[] = {
        {"", "the file holds no channel rows", 0},
        {kHeader, "the file holds no channel rows", 0},
        {"\n\n# only comments\n", "the file holds no channel rows", 0},
        {binary, "line 1: a NUL byte; this is not a text file", 0},
        {kHeader + "1,\"open,145.5\n2,x,146.0\n", "line 2: a quoted field is not closed", 0},
        {"Name,Frequency\nA,145.5\n", "the header has no Location column", 0},
        {"Location,Name\n1,A\n", "the header has no Frequency column", 0},
        {"145.5,1\n", "the header has no Location column", 0},
        {std::string(10 * 1024 * 1024, 'x'), "the header has no Location column", 0},
        {big, "", 128},
    };
    for (const auto& c : cases) {
        TCoreState s;
        const auto before = s.All.Image;
        const TCsvImport import = ImportChirpCsv(s.All, c.Text);
        EXPECT_EQ(import.Error, c.Error) << c.Text.substr(0, 40);
        EXPECT_EQ(import.Channels.size(), c.Channels);
        EXPECT_EQ(s.All.Image, before);
    }
}

TEST(ChirpCsvImport, ReplaceClearsTheChannelsNotInTheFileAndMergeKeepsThem)
{
    for (const bool replace : {false, true}) {
        TCoreState s;
        ResetChannel(s.All, 5, "446.0");
        ResetChannel(s.All, 6, "446.1");
        ImportInto(s, "Location,Frequency\n6,145.5\n7,145.6\n", replace);
        EXPECT_EQ(IsChannelUsed(s.All, 5), !replace);
        EXPECT_EQ(Decoded(s, 6).RxFreq, 145.5);
        EXPECT_EQ(Decoded(s, 7).RxFreq, 145.6);
    }
}

TEST(ChirpCsvImport, PasteGoesToTheChannelsFromTheFirstWithOrWithoutAHeader)
{
    TCoreState s;
    TCsvSource paste{'\t', true, 127};
    const TCsvImport headed = ImportChirpCsv(s.All, "Frequency\tName\n145.5\tA\n145.6\tB\n145.7\tC\n", paste);
    ASSERT_EQ(headed.Channels.size(), 2u);
    EXPECT_EQ(headed.Channels[0].Location, 127);
    EXPECT_EQ(headed.Channels[1].Location, 128);
    EXPECT_NE(CsvReportText(headed).find("line 4, Location 129: skipped: no channel after 128"), std::string::npos);

    paste.FirstChannel = 10;
    const TCsvImport bare = ImportChirpCsv(s.All, "99\tBARE\t145.5\t+\t0.6\n", paste);
    ApplyCsvImport(s.All, bare, false);
    EXPECT_EQ(Decoded(s, 10).Name, "BARE");
    EXPECT_EQ(Decoded(s, 10).TxFreq, 146.1);
}

// Random channel sets through export and import into a new data set: the same channel records, byte for byte.
TEST(ChirpCsvRoundTrip, RandomChannelSetsComeBackByteForByte)
{
    std::mt19937 random(20261210);
    const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::vector<std::string>& tones = ToneList();
    for (int set = 0; set < 40; ++set) {
        TCoreState s;
        for (int channel = 1; channel <= 128; ++channel) {
            if (pick(3) == 0)
                continue;
            // Inside the bands, with room for a 600 kHz offset.
            const bool vhf = pick(2) == 0;
            const double grid = pick(2) ? 0.005 : 0.00625;
            const double rx = (vhf ? 136.0 : 410.0) + grid * pick(vhf ? 5000 : 10000);
            ResetChannel(s.All, channel, FormatFixed(rx, 6));
            const double rxStored = ReadChannelFreq(s.All, channel, TFreqWord::Rx);
            const std::string txTexts[] = {"", FormatFixed(rxStored, 5),
                                           FormatFixed(rxStored + 0.6 * (vhf ? 1 : -1), 5),
                                           FormatFixed(vhf ? 440.0 : 145.0, 5)};
            Store(s, channel, F::TxFrequency, txTexts[pick(4)]);
            // Item 0 is "None", which the table stores as no tone.
            Store(s, channel, F::RxTone, pick(3) ? tones[static_cast<size_t>(1 + pick(262))] : "");
            Store(s, channel, F::TxTone, pick(3) ? tones[static_cast<size_t>(1 + pick(262))] : "");
            for (const F field : {F::Bandwidth, F::ScanAdd, F::Power})
                Store(s, channel, field, std::to_string(pick(2)));
            std::string name;
            for (int i = pick(8); i > 0; --i)
                name += NameChar(pick(91));
            Store(s, channel, F::Name, name);
        }
        TCoreState back;
        const TCsvImport import = ImportInto(back, ExportChirpCsv(s.All), true);
        EXPECT_TRUE(import.Notes.empty()) << CsvReportText(import);
        ASSERT_EQ(ChannelBytes(back), ChannelBytes(s)) << "set " << set << "\n" << ExportChirpCsv(s.All);
    }
}

TEST(CsvText, QuotesSeparatorsAndLineEnds)
{
    const TCsvParse parse = ParseCsv("a,\"b,c\",\"d\"\"e\"\r\n\"multi\nline\",,\n  \n#x,y\nlast", ',');
    ASSERT_EQ(parse.Error, "");
    ASSERT_EQ(parse.Records.size(), 3u);
    EXPECT_EQ(parse.Records[0].Fields, (std::vector<std::string>{"a", "b,c", "d\"e"}));
    EXPECT_EQ(parse.Records[1].Fields, (std::vector<std::string>{"multi\nline", "", ""}));
    EXPECT_EQ(parse.Records[2].Line, 6);
    EXPECT_EQ(parse.Records[2].Fields, (std::vector<std::string>{"last"}));
    const std::vector<std::string> fields = {"plain", "tab\there", "quote\"", " space", "line\nbreak", ""};
    for (const char separator : {',', '\t'}) {
        const TCsvParse back = ParseCsv(CsvLine(fields, separator), separator);
        ASSERT_EQ(back.Records.size(), 1u);
        EXPECT_EQ(back.Records[0].Fields, fields);
    }
    EXPECT_EQ(GuessSeparator("a\tb\nc,d"), '\t');
    EXPECT_EQ(GuessSeparator("a,b\nc\td"), ',');
}
