// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/TypedValues.h"

#include <algorithm>
#include <cctype>

#include "core/model/Encodings.h"
#include "core/model/Numbers.h"

namespace
{
bool Enabled(const TBand& band)
{
    return band.Low != 0 && band.High != 0;
}

// The step a memory channel's frequency snaps to: the automatic class picks 0.5 kHz or 1.25 kHz.
std::string StepText(int code)
{
    switch (code) {
    case 0:
        return "0.5";
    case 1:
        return "1.25";
    case 4:
        return "2.5";
    default:
        return "";
    }
}

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool IsListedTone(const std::string& tone)
{
    const auto& list = ToneList();
    return std::find(list.begin() + 1, list.end(), tone) != list.end();
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
} // namespace

bool InEnabledBands(const TAppState& all, double frequency)
{
    return std::any_of(all.Bands.begin(), all.Bands.end(), [frequency](const TBand& band) {
        return Enabled(band) && band.Low <= frequency && frequency <= band.High;
    });
}

TTypedFrequency CheckTypedFrequency(const TAppState& all, const std::string& text)
{
    const auto value = TryParseDouble(Trimmed(text.substr(0, text.find("MHz"))));
    if (!value || *value <= 0)
        return {TFreqVerdict::NotANumber, 0.0};
    return {InEnabledBands(all, *value) ? TFreqVerdict::Accepted : TFreqVerdict::OutOfBands, *value};
}

std::string EnabledBandsText(const TAppState& all)
{
    std::string text;
    for (const TBand& band : all.Bands) {
        if (!Enabled(band))
            continue;
        text += (text.empty() ? "" : ", ") + FormatFreq(band.Low) + "-" + FormatFreq(band.High);
    }
    return text;
}

std::string FrequencyRefusal(const TMessageTexts& texts, const TAppState& all, const std::string& text,
                             const TTypedFrequency& check)
{
    const std::string bands = EnabledBandsText(all);
    if (check.Verdict == TFreqVerdict::OutOfBands)
        return FormatText(texts.BandRefused, {FormatFreq(check.Frequency), bands});
    return FormatText(texts.NotAFrequency, {Trimmed(text), bands});
}

TTxFollow FollowRxChange(const TMessageTexts& texts, const TAppState& all, double oldRx, double oldTx, double newRx)
{
    if (oldTx < 0)
        return {oldTx, {}};
    // In 10 Hz units, so that 145.0 and 144.4 keep an offset of exactly 0.6.
    const int64_t offset = FreqToUnits(oldTx) - FreqToUnits(oldRx);
    const double wanted = static_cast<double>(FreqToUnits(newRx) + offset) / 100000.0;
    if (offset == 0 || InEnabledBands(all, wanted))
        return {wanted, {}};
    return {oldTx, FormatText(texts.TxStays, {FormatFreq(oldTx), FormatFreq(wanted), EnabledBandsText(all)})};
}

std::string FrequencyNote(const TMessageTexts& texts, const TAppState& all, double typed)
{
    double stored = typed;
    int code = 2;
    RoundToStep(all, stored, code);
    if (FreqToUnits(stored) == FreqToUnits(typed))
        return "";
    return FormatText(texts.FreqSnapped, {FormatFreq(typed), FormatFreq(stored), StepText(code)});
}

std::string ToneNote(const TMessageTexts& texts, const std::string& typed, const std::string& stored)
{
    const std::string shown = Upper(Trimmed(typed));
    if (stored.empty() || shown.empty())
        return "";
    const bool dcs = stored[0] == 'D';
    if (dcs ? shown.substr(0, 4) != stored.substr(0, 4) : TryParseDouble(shown) != TryParseDouble(stored))
        return FormatText(texts.ToneStored, {Trimmed(typed), stored, dcs ? texts.DcsAllowed : texts.CtcssAllowed});
    if (!IsListedTone(stored))
        return FormatText(texts.ToneNotListed, {stored});
    return "";
}

std::string NameNote(const TMessageTexts& texts, const std::string& typed, const std::string& stored)
{
    std::string kept = typed;
    while (!kept.empty() && kept.back() == ' ')
        kept.pop_back();
    if (kept == stored)
        return "";
    return FormatText(texts.NameStored, {kept, stored});
}

std::string JoinNotes(const std::string& first, const std::string& second)
{
    if (first.empty() || second.empty())
        return first + second;
    return first + "; " + second;
}
