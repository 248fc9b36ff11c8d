// SPDX-License-Identifier: GPL-3.0-or-later
// Memory channels in and out as CSV in CHIRP's column layout.
#include "core/model/ChirpCsv.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

#include "core/model/ChannelCodec.h"
#include "core/model/CsvText.h"
#include "core/model/Encodings.h"
#include "core/model/Numbers.h"
#include "core/model/SettingTexts.h"
#include "core/model/SettingsTable.h"

namespace
{
using F = TChannelField;

// The columns in CHIRP's order; the enum is each one's index.
enum class TColumn {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    RToneFreq,
    CToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    UrCall,
    Rpt1Call,
    Rpt2Call,
    DvCode,
};
constexpr size_t kColumnCount = 21;

// What CHIRP writes into the tone columns a row does not use; it reads a file only with them filled.
constexpr const char* kDefaultTone = "88.5";
constexpr const char* kDefaultDtcs = "023";
constexpr const char* kDefaultPolarity = "NN";
constexpr const char* kDefaultCross = "Tone->Tone";
constexpr const char* kHighPower = "5.0W";
constexpr const char* kLowPower = "1.0W";
// Watts from which a row's power is the radio's high power.
constexpr double kHighPowerWatts = 2.0;
// The widest transmit offset written as "+" or "-" (in 10 Hz units); a wider one is a split.
constexpr int64_t kMaxOffsetUnits = 70 * 100000;
constexpr size_t kNameLength = 7;
constexpr int kSkippedItem = 1; // Scan Add "Del"
constexpr int kHighItem = 1;    // TX Power "High"
constexpr int kWideItem = 1;    // W/N "Wide"

std::string& Cell(std::vector<std::string>& row, TColumn column)
{
    return row[static_cast<size_t>(column)];
}

std::string Mhz6(double mhz)
{
    return FormatFixed(mhz, 6);
}

std::string Trim(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return "";
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// ---- Tones ----

// One side (transmit or receive) of a channel's tones in CHIRP's terms.
struct TToneSide {
    enum TKind { None, Tone, Dtcs } Kind = None;
    std::string Value;   // the CTCSS frequency or the three DCS digits
    char Polarity = 'N'; // N normal, R inverted
};

TToneSide SideOf(const std::string& tone)
{
    if (tone.empty())
        return {};
    if (tone[0] == 'D')
        return {TToneSide::Dtcs, tone.substr(1, 3), tone.size() > 4 && tone[4] == 'I' ? 'R' : 'N'};
    return {TToneSide::Tone, tone, 'N'};
}

// The tone text of the channel table for one side.
std::string ToneOf(const TToneSide& side)
{
    switch (side.Kind) {
    case TToneSide::Tone:
        return side.Value;
    case TToneSide::Dtcs:
        return "D" + side.Value + (side.Polarity == 'R' ? "I" : "N");
    case TToneSide::None:
        break;
    }
    return "";
}

const char* CrossPart(TToneSide::TKind kind)
{
    return kind == TToneSide::Tone ? "Tone" : kind == TToneSide::Dtcs ? "DTCS" : "";
}

bool SameTone(const TToneSide& a, const TToneSide& b)
{
    return a.Kind == b.Kind && a.Value == b.Value && a.Polarity == b.Polarity;
}

void ExportTones(const TChannel& channel, std::vector<std::string>& row)
{
    const TToneSide tx = SideOf(channel.TxTone);
    const TToneSide rx = SideOf(channel.RxTone);
    Cell(row, TColumn::RToneFreq) = kDefaultTone;
    Cell(row, TColumn::CToneFreq) = kDefaultTone;
    Cell(row, TColumn::DtcsCode) = kDefaultDtcs;
    Cell(row, TColumn::DtcsPolarity) = kDefaultPolarity;
    Cell(row, TColumn::RxDtcsCode) = kDefaultDtcs;
    Cell(row, TColumn::CrossMode) = kDefaultCross;
    if (tx.Kind == TToneSide::None && rx.Kind == TToneSide::None)
        return;
    if (tx.Kind == TToneSide::Tone && rx.Kind == TToneSide::None) {
        Cell(row, TColumn::Tone) = "Tone";
        Cell(row, TColumn::RToneFreq) = tx.Value;
    } else if (tx.Kind == TToneSide::Tone && SameTone(tx, rx)) {
        Cell(row, TColumn::Tone) = "TSQL";
        Cell(row, TColumn::CToneFreq) = tx.Value;
    } else if (tx.Kind == TToneSide::Dtcs && SameTone(tx, rx)) {
        Cell(row, TColumn::Tone) = "DTCS";
        Cell(row, TColumn::DtcsCode) = tx.Value;
        Cell(row, TColumn::DtcsPolarity) = std::string{tx.Polarity, rx.Polarity};
    } else {
        Cell(row, TColumn::Tone) = "Cross";
        Cell(row, TColumn::CrossMode) = std::string(CrossPart(tx.Kind)) + "->" + CrossPart(rx.Kind);
        Cell(row, tx.Kind == TToneSide::Dtcs ? TColumn::DtcsCode : TColumn::RToneFreq) =
            tx.Kind == TToneSide::None ? Cell(row, TColumn::RToneFreq) : tx.Value;
        Cell(row, rx.Kind == TToneSide::Dtcs ? TColumn::RxDtcsCode : TColumn::CToneFreq) =
            rx.Kind == TToneSide::None ? Cell(row, TColumn::CToneFreq) : rx.Value;
        Cell(row, TColumn::DtcsPolarity) = std::string{tx.Polarity, rx.Polarity};
    }
}

// ---- Export ----

void ExportTransmit(const TChannel& channel, std::vector<std::string>& row)
{
    Cell(row, TColumn::Offset) = Mhz6(0);
    if (channel.TxFreq < 0) {
        Cell(row, TColumn::Duplex) = "off";
        return;
    }
    const int64_t difference = FreqToUnits(channel.TxFreq) - FreqToUnits(channel.RxFreq);
    if (difference == 0)
        return;
    if (std::llabs(difference) <= kMaxOffsetUnits) {
        Cell(row, TColumn::Duplex) = difference > 0 ? "+" : "-";
        Cell(row, TColumn::Offset) = Mhz6(static_cast<double>(std::llabs(difference)) / 100000.0);
        return;
    }
    Cell(row, TColumn::Duplex) = "split";
    Cell(row, TColumn::Offset) = Mhz6(channel.TxFreq);
}

std::vector<std::string> ExportRow(int number, const TChannel& channel, const std::string& step)
{
    std::vector<std::string> row(kColumnCount);
    Cell(row, TColumn::Location) = std::to_string(number);
    Cell(row, TColumn::Name) = channel.Name;
    Cell(row, TColumn::Frequency) = Mhz6(channel.RxFreq);
    ExportTransmit(channel, row);
    ExportTones(channel, row);
    Cell(row, TColumn::Mode) = channel.Wide == kWideItem ? "FM" : "NFM";
    Cell(row, TColumn::TStep) = step;
    Cell(row, TColumn::Skip) = channel.ScanSkip == kSkippedItem ? "S" : "";
    Cell(row, TColumn::Power) = channel.Power == kHighItem ? kHighPower : kLowPower;
    return row;
}

// ---- Import ----

// A row's values by column, each an empty text where the file has no such column or the row ends early.
class TRowValues
{
  public:
    TRowValues(const std::vector<std::string>& fields, const std::array<int, kColumnCount>& place)
        : Fields(fields), Place(place)
    {
    }
    // Surrounding spaces do not count.
    std::string operator[](TColumn column) const { return Trim(Raw(column)); }
    // As the file has it: a name keeps its leading spaces.
    std::string Raw(TColumn column) const
    {
        const int at = Place[static_cast<size_t>(column)];
        return at >= 0 && static_cast<size_t>(at) < Fields.size() ? Fields[static_cast<size_t>(at)] : "";
    }

  private:
    const std::vector<std::string>& Fields;
    const std::array<int, kColumnCount>& Place;
};

// Why a row cannot be held: thrown by a check, caught for the row.
struct TRowRefused {
    std::string Reason;
};

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// A CTCSS tone from the radio's list, as the list writes it.
TToneSide CtcssSide(const std::string& text, const char* column)
{
    const auto value = TryParseDouble(text);
    const std::string tone = value ? FormatFixed(*value, 1) : text;
    const auto& list = ToneList();
    // A tone between two of the list's tenths is no tone of the radio's.
    const bool tenths = value && std::fabs(*value * 10.0 - static_cast<double>(RoundHalfAway(*value * 10.0))) < 1e-6;
    if (!tenths || std::find(list.begin(), list.end(), tone) == list.end())
        throw TRowRefused{std::string(column) + " " + Quoted(text) + " is not one of the radio's CTCSS tones"};
    return {TToneSide::Tone, tone, 'N'};
}

TToneSide DcsSide(const std::string& code, char polarity, const char* column)
{
    std::string digits = code;
    if (digits.size() < 3 && !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos)
        digits.insert(0, 3 - digits.size(), '0');
    const auto& list = ToneList();
    if (std::find(list.begin(), list.end(), "D" + digits + "N") == list.end())
        throw TRowRefused{std::string(column) + " " + Quoted(code) + " is not one of the radio's DCS codes"};
    return {TToneSide::Dtcs, digits, polarity};
}

// The DtcsPolarity letters: empty reads as "NN".
std::pair<char, char> Polarities(const std::string& text)
{
    if (text.empty())
        return {'N', 'N'};
    if (text.size() != 2 || text.find_first_not_of("NR") != std::string::npos)
        throw TRowRefused{"DtcsPolarity " + Quoted(text) + " is not two of N and R"};
    return {text[0], text[1]};
}

TToneSide CrossSide(const std::string& part, const TRowValues& values, bool transmit, char polarity)
{
    if (part.empty())
        return {};
    if (part == "Tone")
        return CtcssSide(values[transmit ? TColumn::RToneFreq : TColumn::CToneFreq],
                         transmit ? "rToneFreq" : "cToneFreq");
    if (part == "DTCS")
        return DcsSide(values[transmit ? TColumn::DtcsCode : TColumn::RxDtcsCode], polarity,
                       transmit ? "DtcsCode" : "RxDtcsCode");
    throw TRowRefused{"CrossMode " + Quoted(values[TColumn::CrossMode]) + " is not one the radio has"};
}

// The transmit and receive tones of a row, by the inverse of the export's rules.
std::pair<TToneSide, TToneSide> ImportTones(const TRowValues& values)
{
    const std::string mode = values[TColumn::Tone];
    if (mode.empty())
        return {};
    if (mode == "Tone")
        return {CtcssSide(values[TColumn::RToneFreq], "rToneFreq"), {}};
    if (mode == "TSQL") {
        const TToneSide side = CtcssSide(values[TColumn::CToneFreq], "cToneFreq");
        return {side, side};
    }
    if (mode == "DTCS") {
        const auto [tx, rx] = Polarities(values[TColumn::DtcsPolarity]);
        const TToneSide side = DcsSide(values[TColumn::DtcsCode], tx, "DtcsCode");
        return {side, {TToneSide::Dtcs, side.Value, rx}};
    }
    if (mode == "Cross") {
        const std::string cross = values[TColumn::CrossMode];
        const size_t arrow = cross.find("->");
        if (arrow == std::string::npos)
            throw TRowRefused{"CrossMode " + Quoted(cross) + " is not one the radio has"};
        const auto [tx, rx] = Polarities(values[TColumn::DtcsPolarity]);
        return {CrossSide(cross.substr(0, arrow), values, true, tx),
                CrossSide(cross.substr(arrow + 2), values, false, rx)};
    }
    throw TRowRefused{"tone mode " + Quoted(mode) + " is not one the radio has"};
}

// A frequency in MHz inside one of the enabled bands.
double BandFrequency(const TAppState& all, const std::string& text, const char* what)
{
    const auto value = TryParseDouble(text);
    if (!value)
        throw TRowRefused{std::string(what) + " " + Quoted(text) + " is not a number"};
    double frequency = *value;
    if (CheckFreqRange(all, FormatFreq(frequency), frequency))
        throw TRowRefused{std::string(what) + " " + Mhz6(*value) + " MHz lies outside the bands of " + all.ModelName};
    return *value;
}

// The transmit frequency, or -1 for none.
double ImportTransmit(const TAppState& all, const TRowValues& values, double rx)
{
    const std::string duplex = values[TColumn::Duplex];
    if (duplex.empty())
        return rx;
    if (duplex == "off")
        return -1;
    if (duplex != "+" && duplex != "-" && duplex != "split")
        throw TRowRefused{"Duplex " + Quoted(duplex) + " is not one of +, -, split, off"};
    const std::string offsetText = values[TColumn::Offset];
    const auto offset = TryParseDouble(offsetText.empty() && duplex != "split" ? "0" : offsetText);
    if (!offset)
        throw TRowRefused{"Offset " + Quoted(offsetText) + " is not a number"};
    const double tx = duplex == "split" ? *offset : duplex == "+" ? rx + *offset : rx - *offset;
    return BandFrequency(all, FormatFixed(tx, 6), "TX frequency");
}

int ImportBandwidth(const TRowValues& values)
{
    const std::string mode = values[TColumn::Mode];
    if (mode.empty() || mode == "FM")
        return kWideItem;
    if (mode == "NFM")
        return 1 - kWideItem;
    throw TRowRefused{"Mode " + Quoted(mode) + " is not FM or NFM"};
}

// High or Low, and the note when the text is neither a level nor watts.
int ImportPower(const std::string& text, std::vector<std::string>& changes)
{
    if (text.empty() || text == "High" || text == "H")
        return kHighItem;
    if (text == "Low" || text == "L")
        return 1 - kHighItem;
    std::string number = text;
    if (!number.empty() && (number.back() == 'W' || number.back() == 'w'))
        number.pop_back();
    if (const auto watts = TryParseDouble(number))
        return *watts >= kHighPowerWatts ? kHighItem : 1 - kHighItem;
    changes.push_back("Power " + Quoted(text) + " read as High");
    return kHighItem;
}

bool ImportScanned(const std::string& skip, std::vector<std::string>& changes)
{
    if (skip == "S")
        return false;
    if (skip == "P")
        changes.push_back("priority scan (Skip P) is not a channel setting; the channel is scanned");
    else if (!skip.empty())
        changes.push_back("Skip " + Quoted(skip) + " read as scanned");
    return true;
}

// The first seven characters of a UTF-8 text, each kept whole.
std::string FirstCharacters(const std::string& text, size_t count, bool& shortened)
{
    size_t end = 0;
    for (size_t n = 0; end < text.size() && n < count; ++n) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
    }
    shortened = end < text.size();
    return text.substr(0, end);
}

std::string StoreText(TAppState& all, int channel, TChannelField field, std::string text)
{
    SetChannelField(all, channel, field, text);
    return text;
}

int64_t StoredUnits(const TAppState& all, int channel, TFreqWord word)
{
    return FreqToUnits(ReadChannelFreq(all, channel, word));
}

// Stores a checked row into channel of scratch as the channel table would have it typed: erased, a new
// channel at the frequency, then field by field. Returns the notes on what the radio holds differently.
std::vector<std::string> StoreRow(TAppState& scratch, int channel, const TRowValues& values, double rx, double tx,
                                  const std::pair<TToneSide, TToneSide>& tones, int wide)
{
    std::vector<std::string> changes;
    StoreText(scratch, channel, F::RxFrequency, "");
    ResetChannel(scratch, channel, FormatFixed(rx, 6));
    StoreText(scratch, channel, F::TxFrequency, tx < 0 ? "" : FormatFixed(tx, 6));
    if (StoredUnits(scratch, channel, TFreqWord::Rx) != FreqToUnits(rx))
        changes.push_back("Frequency rounded to " + Mhz6(ReadChannelFreq(scratch, channel, TFreqWord::Rx)));
    if (tx >= 0 && tx != rx && StoredUnits(scratch, channel, TFreqWord::Tx) != FreqToUnits(tx))
        changes.push_back("TX frequency rounded to " + Mhz6(ReadChannelFreq(scratch, channel, TFreqWord::Tx)));
    StoreText(scratch, channel, F::TxTone, ToneOf(tones.first));
    StoreText(scratch, channel, F::RxTone, ToneOf(tones.second));
    StoreText(scratch, channel, F::Bandwidth, std::to_string(wide));
    StoreText(scratch, channel, F::Power, std::to_string(ImportPower(values[TColumn::Power], changes)));
    StoreText(scratch, channel, F::ScanAdd, ImportScanned(values[TColumn::Skip], changes) ? "0" : "1");
    bool shortened = false;
    const std::string name = FirstCharacters(values.Raw(TColumn::Name), kNameLength, shortened);
    const std::string stored = StoreText(scratch, channel, F::Name, name);
    TChannel decoded;
    DecodeChannel(scratch, channel, decoded);
    if (shortened)
        changes.push_back("Name shortened to " + Quoted(decoded.Name));
    else if (decoded.Name != name.substr(0, name.find_last_not_of(' ') + 1))
        changes.push_back("Name stored as " + Quoted(decoded.Name) + ": the radio shows only ASCII from space to z");
    return changes;
}

// Where each column stands in the header; -1 for a column the file lacks.
std::array<int, kColumnCount> HeaderPlaces(const std::vector<std::string>& header)
{
    std::array<int, kColumnCount> place;
    place.fill(-1);
    for (size_t c = 0; c < kColumnCount; ++c)
        for (size_t i = 0; i < header.size(); ++i)
            if (Trim(header[i]) == ChirpColumns()[c])
                place[c] = static_cast<int>(i);
    return place;
}

std::array<int, kColumnCount> ChirpOrder()
{
    std::array<int, kColumnCount> place;
    for (size_t c = 0; c < kColumnCount; ++c)
        place[c] = static_cast<int>(c);
    return place;
}

bool IsHeader(const std::vector<std::string>& fields)
{
    return std::any_of(fields.begin(), fields.end(), [](const std::string& field) {
        return Trim(field) == "Location" || Trim(field) == "Frequency";
    });
}

class TImporter
{
  public:
    TImporter(const TAppState& all, const TCsvSource& source) : All(all), Scratch(all), Source(source) {}

    TCsvImport Run(std::string_view text)
    {
        TCsvParse parse = ParseCsv(text, Source.Separator);
        if (!parse.Error.empty())
            return Failed(parse.Error);
        auto record = parse.Records.begin();
        std::array<int, kColumnCount> place = ChirpOrder();
        if (record != parse.Records.end() && (IsHeader(record->Fields) || !Source.HeaderOptional)) {
            place = HeaderPlaces(record->Fields);
            for (const TColumn needed : {TColumn::Location, TColumn::Frequency})
                if (place[static_cast<size_t>(needed)] < 0 && !(needed == TColumn::Location && Source.FirstChannel))
                    return Failed("the header has no " + ChirpColumns()[static_cast<size_t>(needed)] + " column");
            HeaderWidth = record->Fields.size();
            ++record;
        }
        if (!Source.FirstChannel && record == parse.Records.end())
            return Failed("the file holds no channel rows");
        for (; record != parse.Records.end(); ++record)
            ImportRecord(*record, place);
        for (const auto& [channel, line] : Lines)
            Result.Channels.push_back({channel, TakeChannel(Scratch, channel)});
        return std::move(Result);
    }

  private:
    TCsvImport Failed(const std::string& error)
    {
        Result.Error = error;
        return std::move(Result);
    }

    void Note(int line, const std::string& location, bool skipped, const std::string& reason)
    {
        Result.Notes.push_back({line, location, skipped, reason});
    }

    int ChannelOf(const TRowValues& values)
    {
        if (Source.FirstChannel) {
            const int channel = *Source.FirstChannel + Result.Rows - 1;
            if (channel > All.ChannelCount)
                throw TRowRefused{"no channel after " + std::to_string(All.ChannelCount)};
            return channel;
        }
        const std::string text = values[TColumn::Location];
        const auto location = TryParseInt(text);
        if (!location)
            throw TRowRefused{"Location " + Quoted(text) + " is not a number"};
        if (*location < 1 || *location > All.ChannelCount)
            throw TRowRefused{"Location " + text + " is not a channel 1 to " + std::to_string(All.ChannelCount)};
        return static_cast<int>(*location);
    }

    void ImportRecord(const TCsvRecord& record, const std::array<int, kColumnCount>& place)
    {
        ++Result.Rows;
        const TRowValues values(record.Fields, place);
        // A pasted row is reported by the channel it goes to.
        const std::string location =
            Source.FirstChannel ? std::to_string(*Source.FirstChannel + Result.Rows - 1) : values[TColumn::Location];
        try {
            const int channel = ChannelOf(values);
            const double rx = BandFrequency(All, values[TColumn::Frequency], "Frequency");
            const double tx = ImportTransmit(All, values, rx);
            const int wide = ImportBandwidth(values);
            const auto tones = ImportTones(values);
            std::vector<std::string> changes = StoreRow(Scratch, channel, values, rx, tx, tones, wide);
            if (HeaderWidth && record.Fields.size() > HeaderWidth)
                changes.push_back("the fields after the header's " + std::to_string(HeaderWidth) + " are ignored");
            const auto earlier = Lines.find(channel);
            if (earlier != Lines.end())
                changes.push_back("replaces line " + std::to_string(earlier->second));
            Lines[channel] = record.Line;
            for (const std::string& change : changes)
                Note(record.Line, location, false, change);
        } catch (const TRowRefused& refused) {
            Note(record.Line, location, true, refused.Reason);
        }
    }

    const TAppState& All;
    TAppState Scratch;
    TCsvSource Source;
    TCsvImport Result;
    size_t HeaderWidth = 0;
    // The line each imported channel came from.
    std::map<int, int> Lines;
};
} // namespace

const std::vector<std::string>& ChirpColumns()
{
    static const std::vector<std::string> columns = {
        "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
        "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
        "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
    return columns;
}

std::string ExportChirpCsv(const TAppState& all, const std::vector<int>& channels, char separator)
{
    // Decoding puts out-of-range values back into range, as the table does when it shows them; an export
    // leaves the image alone.
    TAppState copy = all;
    const std::string step = Trim(SettingValueText(all, SettingRow(TSetting::VfoStep)));
    std::string text = CsvLine(ChirpColumns(), separator);
    for (int number = 1; number <= all.ChannelCount; ++number) {
        if (!channels.empty() && std::find(channels.begin(), channels.end(), number) == channels.end())
            continue;
        TChannel channel;
        if (DecodeChannel(copy, number, channel))
            text += CsvLine(ExportRow(number, channel, step), separator);
    }
    return text;
}

TCsvImport ImportChirpCsv(const TAppState& all, std::string_view text, const TCsvSource& source)
{
    return TImporter(all, source).Run(text);
}

void ApplyCsvImport(TAppState& all, const TCsvImport& import, bool replace)
{
    if (replace)
        for (int channel = 1; channel <= all.ChannelCount; ++channel)
            PutChannel(all, channel, {});
    for (const TCsvChannel& channel : import.Channels)
        PutChannel(all, channel.Location, channel.Channel);
}

std::string CsvReportText(const TCsvImport& import)
{
    if (!import.Error.empty())
        return import.Error + "\n";
    const auto skipped =
        std::count_if(import.Notes.begin(), import.Notes.end(), [](const TCsvNote& n) { return n.Skipped; });
    std::string text = std::to_string(import.Rows - skipped) + " of " + std::to_string(import.Rows) +
                       " rows imported into " + std::to_string(import.Channels.size()) + " channels, " +
                       std::to_string(skipped) + " skipped.\n";
    for (const TCsvNote& note : import.Notes)
        text += "line " + std::to_string(note.Line) + ", Location " + note.Location + ": " +
                (note.Skipped ? "skipped: " : "changed: ") + note.Reason + "\n";
    return text;
}
