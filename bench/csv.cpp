// SPDX-License-Identifier: GPL-3.0-or-later
// How long CHIRP CSV export and import take for a full memory: 128 channels in use, with tones, offsets and
// names, exported to text and that text imported into a new data set (the work File > Export CSV... and
// Import CSV... and qbh52-cli export-csv / import-csv do besides the file itself). Goal: under 5 ms each.
// Run as: build/bench_csv
#include <algorithm>
#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/ChirpCsv.h"
#include "core/model/Derivations.h"
#include "core/model/Encodings.h"
#include "core/model/Numbers.h"

namespace
{
constexpr int kRuns = 50;

// Every channel in use, over both bands, with every kind of tone and transmit side the export writes.
void FillAllChannels(TAppState& all)
{
    const std::vector<std::string>& tones = ToneList();
    for (int channel = 1; channel <= 128; ++channel) {
        const double rx = channel % 2 ? 136.0 + 0.025 * channel : 400.0 + 0.0125 * channel;
        ResetChannel(all, channel, FormatFreq(rx));
        const std::string txTexts[] = {"", FormatFreq(rx), FormatFreq(rx + 0.6),
                                       FormatFreq(channel % 2 ? 440.0 : 145.0)};
        std::string text = txTexts[channel % 4];
        SetChannelField(all, channel, TChannelField::TxFrequency, text);
        for (const TChannelField field : {TChannelField::RxTone, TChannelField::TxTone}) {
            text = channel % 5 ? tones[static_cast<size_t>((channel * 7 + static_cast<int>(field)) % 262 + 1)] : "";
            SetChannelField(all, channel, field, text);
        }
        text = "CH-" + std::to_string(channel);
        SetChannelField(all, channel, TChannelField::Name, text);
    }
}

template <typename TWork> std::vector<double> Time(TWork work)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return times;
}

void Report(const std::string& what, std::vector<double> times)
{
    const double first = times.front();
    std::sort(times.begin(), times.end());
    std::cout << what << ": first " << FormatFixed(first, 3) << " ms, median "
              << FormatFixed(times[times.size() / 2], 3) << " ms, max " << FormatFixed(times.back(), 3) << " ms ("
              << std::to_string(times.size()) << " runs; goal under 5 ms)\n";
}
} // namespace

int main()
{
    StartUp("/nonexistent/");
    PrepareFirstImage(gAll, gMacList);
    NewDataSet(gAll, gMacList);
    FillAllChannels(gAll);
    std::string text;
    Report("export 128 channels", Time([&] { text = ExportChirpCsv(gAll); }));
    TAppState fresh = gAll;
    NewDataSet(fresh, gMacList);
    size_t imported = 0;
    Report("import 128 channels", Time([&] {
               TAppState target = fresh;
               const TCsvImport import = ImportChirpCsv(target, text);
               ApplyCsvImport(target, import, true);
               imported = import.Channels.size();
           }));
    std::cout << std::to_string(text.size()) + " bytes of CSV, " + std::to_string(imported) + " channels imported\n";
    return imported == 128 ? 0 : 1;
}
