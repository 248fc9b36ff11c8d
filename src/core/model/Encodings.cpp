// SPDX-License-Identifier: GPL-3.0-or-later
// Field encodings: bits and settings fields, frequencies, tones, DTMF digits, name characters, time stamps.
#include "core/model/Encodings.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <ctime>

#include "core/model/Numbers.h"
#include "core/model/SettingsTable.h"

namespace
{
int MaskShift(uint8_t mask)
{
    return mask == 0 ? 0 : std::countr_zero(static_cast<unsigned>(mask));
}

// One tuning grid: halves of a step round up.
int64_t RoundToGrid(double& frequency, int64_t units, int64_t grid)
{
    const int64_t remainder = units % grid;
    const int64_t rounded = remainder * 2 >= grid ? units - remainder + grid : units - remainder;
    frequency = static_cast<double>(rounded) / 100000.0;
    return rounded;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The byte written by two hex digit characters; a text that is not hex is a conversion error.
uint8_t HexByte(char high, char low, const std::string& text)
{
    const int h = HexDigit(high);
    const int l = HexDigit(low);
    if (h < 0 || l < 0)
        throw ConversionError(text);
    return static_cast<uint8_t>(h * 16 + l);
}

std::string TwoDigits(int value)
{
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}
} // namespace

// ---- Bits and settings fields ----

bool GetBit(uint8_t value, int n)
{
    return ((value >> n) & 1) != 0;
}

void SetBit(uint8_t& value, int n, bool on)
{
    if (on)
        value = static_cast<uint8_t>(value | (1u << n));
    else
        value = static_cast<uint8_t>(value & ~(1u << n));
}

int FieldValue(uint8_t value, uint8_t mask)
{
    return (value & mask) >> MaskShift(mask);
}

int GetField(uint8_t value, uint8_t mask, int max, int defaultValue)
{
    const int v = FieldValue(value, mask);
    return v > max ? defaultValue : v;
}

void SetField(uint8_t& value, uint8_t mask, int fieldValue)
{
    // The shifted value is kept inside the mask, so a value too large for its field never spills into the
    // neighbouring bits of the same byte.
    const unsigned shifted = static_cast<unsigned>(fieldValue) << MaskShift(mask);
    value = static_cast<uint8_t>((value & ~mask) | (shifted & mask));
}

bool GetMapBit(const TAppState& all, int mapOffset, int n)
{
    if (n < 1)
        return false;
    return GetBit(all.Image[static_cast<size_t>(mapOffset + (n - 1) / 8)], (n - 1) % 8);
}

void SetMapBit(TAppState& all, int mapOffset, int n, bool on)
{
    if (n >= 1)
        SetBit(all.Image[static_cast<size_t>(mapOffset + (n - 1) / 8)], (n - 1) % 8, on);
}

// ---- Frequencies ----

uint32_t ReadLe32(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3)
{
    return b0 | (uint32_t(b1) << 8) | (uint32_t(b2) << 16) | (uint32_t(b3 & 0x7F) << 24);
}

void WriteLe32(uint8_t* destination, uint32_t n)
{
    for (int i = 0; i < 4; ++i)
        destination[i] = static_cast<uint8_t>(n >> (8 * i));
}

uint16_t ReadLe16(const uint8_t* source)
{
    return static_cast<uint16_t>(source[0] | (source[1] << 8));
}

void WriteLe16(uint8_t* destination, uint16_t n)
{
    destination[0] = static_cast<uint8_t>(n);
    destination[1] = static_cast<uint8_t>(n >> 8);
}

int64_t FreqToUnits(double mhz)
{
    return RoundHalfAway(mhz * 100000.0);
}

int64_t RoundToStep(const TAppState& all, double& frequency, int& code)
{
    const int64_t n = FreqToUnits(frequency);
    switch (code) {
    case 0:
        return RoundToGrid(frequency, n, 50);
    case 1:
        return RoundToGrid(frequency, n, 125);
    case 4:
        return RoundToGrid(frequency, n, 250);
    case 2: {
        // The remainders decide, not the distances to the nearest grid point.
        const int64_t r125 = n % 125;
        const int64_t r50 = n % 50;
        if (r125 == 0) {
            code = 1;
            return n;
        }
        if (r50 == 0) {
            code = 0;
            return n;
        }
        code = r50 < r125 ? 0 : 1;
        return RoundToGrid(frequency, n, r50 < r125 ? 50 : 125);
    }
    case 3:
        code = SettingStepClass(all);
        return RoundToStep(all, frequency, code);
    case 5: {
        code = 2;
        const int64_t result = RoundToStep(all, frequency, code);
        code = 5;
        return result;
    }
    default:
        return 0;
    }
}

int SettingStepClass(const TAppState& all)
{
    const int step = GetSetting(all, TSetting::VfoStep);
    if (step == 2)
        return 1;
    return step >= 4 ? 2 : 0;
}

int FreqStepClass(double frequency)
{
    const int64_t n = FreqToUnits(frequency);
    const bool by125 = n % 125 == 0;
    const bool by50 = n % 50 == 0;
    if (by125 && !by50)
        return 1;
    if (by50 && !by125)
        return 0;
    return 2;
}

double ParseFreqText(const std::string& text)
{
    const std::string number = text.substr(0, text.find("MHz"));
    if (number.empty())
        return -1.0;
    return ParseDouble(number);
}

bool CheckFreqRange(const TAppState& all, const std::string& text, double& frequency)
{
    bool inRange = true;
    if (!text.empty()) {
        const auto value = TryParseDouble(text);
        frequency = value ? *value : -1.0;
        inRange = value.has_value();
    }
    if (inRange) {
        inRange = false;
        if (frequency > 0)
            for (const TBand& band : all.Bands)
                if (band.Low != 0 && band.High != 0 && band.Low <= frequency && frequency <= band.High)
                    inRange = true;
    }
    if (inRange)
        return false;
    for (const TBand& band : all.Bands) {
        if (band.Low != 0) {
            frequency = band.Low;
            break;
        }
    }
    return true;
}

double NearestBandEdge(const TAppState& all, bool upper, double frequency)
{
    double lowEdge = 0.0, highEdge = 0.0;
    double lowDistance = 999.0, highDistance = 999.0;
    for (const TBand& band : all.Bands) {
        if (band.Low == 0 || band.High == 0)
            continue;
        if (std::fabs(band.Low - frequency) < lowDistance) {
            lowDistance = std::fabs(band.Low - frequency);
            lowEdge = band.Low;
        }
        if (std::fabs(band.High - frequency) < highDistance) {
            highDistance = std::fabs(band.High - frequency);
            highEdge = band.High;
        }
    }
    return upper ? highEdge : lowEdge;
}

// ---- Tones ----

std::string ToneText(uint8_t b0, uint8_t b1)
{
    if (b1 == 0xFF)
        return "";
    if (b1 & 0x80) {
        std::string text = "D";
        text += static_cast<char>('0' + (b1 & 0x07));
        text += static_cast<char>('0' + ((b0 >> 4) & 0x07));
        text += static_cast<char>('0' + (b0 & 0x07));
        text += (b1 & 0x40) ? 'I' : 'N';
        return text;
    }
    const int digits[4] = {b1 >> 4, b1 & 0x0F, b0 >> 4, b0 & 0x0F};
    int tenths = 0;
    for (int digit : digits) {
        // A word whose nibbles are not all decimal digits (an erased or damaged record) carries no tone.
        if (digit > 9)
            return "";
        tenths = tenths * 10 + digit;
    }
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::pair<uint8_t, uint8_t> ToneBytes(const std::string& text)
{
    if (text.empty())
        return {0xFF, 0xFF};
    if (text[0] == 'D') {
        if (text.size() < 4)
            throw ConversionError(text);
        const char polarity = text.size() >= 5 && text[4] == 'I' ? 'C' : '8';
        return {HexByte(text[2], text[3], text), HexByte(polarity, text[1], text)};
    }
    const int64_t tenths = RoundHalfAway(ParseDouble(text) * 10.0);
    if (tenths < 0 || tenths > 9999)
        throw ConversionError(text);
    const int t = static_cast<int>(tenths);
    const auto bcd = [](int value) { return static_cast<uint8_t>((value / 10) * 16 + value % 10); };
    return {bcd(t % 100), bcd(t / 100)};
}

std::string NormalizeToneText(const std::string& text)
{
    if (text.empty())
        return "";
    const char first = text[0];
    if (first >= '0' && first <= '9') {
        const auto value = TryParseDouble(text);
        if (!value)
            return "67.0";
        return FormatFixed(std::fmin(std::fmax(*value, 30.0), 290.0), 1);
    }
    if (first != 'D' && first != 'd')
        return "67.0";
    std::string code = text.substr(0, 5);
    while (code.size() < 4)
        code += '0';
    if (code.size() == 4)
        code += 'N';
    for (size_t i = 1; i <= 3; ++i)
        if (code[i] < '0' || code[i] > '7')
            code[i] = '7';
    if (code[4] != 'I' && code[4] != 'N' && code[4] != 'i' && code[4] != 'n')
        code[4] = 'N';
    for (char& c : code)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return code;
}

const std::vector<std::string>& ToneList()
{
    static const std::vector<std::string> list = [] {
        static const char* const ctcss[] = {
            "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
            "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
            "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
            "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
            "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
        static const char* const dcs[] = {
            "023", "025", "026", "031", "032", "036", "043", "047", "050", "051", "053", "054", "065", "071",
            "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152",
            "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245",
            "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306", "311", "315", "325",
            "331", "332", "343", "346", "351", "356", "364", "365", "371", "411", "412", "413", "423", "431",
            "432", "445", "446", "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523",
            "526", "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662", "664",
            "703", "712", "723", "731", "732", "734", "743", "754"};
        std::vector<std::string> items{"None"};
        items.insert(items.end(), std::begin(ctcss), std::end(ctcss));
        for (const char* polarity : {"N", "I"})
            for (const char* code : dcs)
                items.push_back(std::string("D") + code + polarity);
        return items;
    }();
    return list;
}

// ---- Characters and time ----

int DtmfCode(char c)
{
    if (c >= '1' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'D')
        return c - 'A' + 10;
    if (c == '#')
        return 14;
    if (c == '*')
        return 15;
    return 0;
}

char DtmfChar(int code)
{
    static const char digits[] = "0123456789ABCD#*";
    return code >= 0 && code <= 15 ? digits[code] : ' ';
}

std::string DigitText(std::span<const uint8_t> bytes, int n, int limit)
{
    const int count = std::min(n, 2 * static_cast<int>(bytes.size()));
    std::string text;
    for (int i = 0; i < count; ++i) {
        const int byte = bytes[static_cast<size_t>(i / 2)];
        const int code = i % 2 == 0 ? byte >> 4 : byte & 0x0F;
        if (code > limit)
            break;
        text += DtmfChar(code);
    }
    return text;
}

void WriteDigitCodes(std::span<uint8_t> bytes, const std::string& text)
{
    std::string digits = text.substr(0, 2 * bytes.size());
    digits.resize(2 * bytes.size(), '*');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(DtmfCode(digits[2 * i]) * 16 + DtmfCode(digits[2 * i + 1]));
}

int NameCode(char c)
{
    return c >= ' ' && c <= 'z' ? c - 32 : 32;
}

char NameChar(int code)
{
    return code >= 0 && code <= 122 ? static_cast<char>(code + 32) : ' ';
}

std::string NameText(const uint8_t* codes, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        // Codes 95 to 122 stand for characters 127 to 154, outside ASCII: they are written as those
        // character numbers in UTF-8 so that the text stays valid for every window and file.
        const unsigned c = static_cast<unsigned char>(NameChar(codes[i]));
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

void StampTime(uint8_t* destination, const std::string& text)
{
    // "yyyy-MM-dd HH:mm:ss": the digit groups start at 0, 5, 8, 11, 14 and 17.
    const auto group = [&text](size_t start, size_t length) {
        if (text.size() < start + length)
            throw ConversionError(text);
        return ParseInt(text.substr(start, length));
    };
    const int64_t year = group(0, 4);
    const int64_t parts[5] = {group(5, 2), group(8, 2), group(11, 2), group(14, 2), group(17, 2)};
    WriteLe16(destination, static_cast<uint16_t>(year));
    for (int i = 0; i < 5; ++i)
        destination[2 + i] = static_cast<uint8_t>(parts[i]);
}

std::string NowText()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::to_string(local.tm_year + 1900) + "-" + TwoDigits(local.tm_mon + 1) + "-" + TwoDigits(local.tm_mday) +
           " " + TwoDigits(local.tm_hour) + ":" + TwoDigits(local.tm_min) + ":" + TwoDigits(local.tm_sec);
}
