// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV import over any text, as a file and as a paste: reading never changes the data set; what it reads
// stores into it, and exported again and re-imported it gives the same channels (an import's values are
// already those the channel table would store).
#include <string_view>

#include "FuzzSupport.h"
#include "core/model/ChirpCsv.h"

namespace
{
bool SameChannels(const TCsvImport& a, const TCsvImport& b)
{
    if (a.Channels.size() != b.Channels.size())
        return false;
    for (size_t i = 0; i < a.Channels.size(); ++i) {
        const TChannelSlot& x = a.Channels[i].Channel;
        const TChannelSlot& y = b.Channels[i].Channel;
        if (a.Channels[i].Location != b.Channels[i].Location || x.Record != y.Record || x.Used != y.Used ||
            x.Scanned != y.Scanned)
            return false;
    }
    return true;
}

void ImportRoundTrip(const std::string_view text, const TCsvSource& source)
{
    TAppState all;
    TModelCatalogue list;
    FreshState(all, list);
    const auto before = all.Image;
    const TCsvImport import = ImportChirpCsv(all, text, source);
    Require(all.Image == before);
    Require(import.Error.empty() || import.Channels.empty());
    if (import.Channels.empty())
        return;
    ApplyCsvImport(all, import, true);
    const TCsvImport again = ImportChirpCsv(all, ExportChirpCsv(all));
    Require(again.Error.empty());
    Require(SameChannels(import, again));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ImportRoundTrip(text, TCsvSource{});
    ImportRoundTrip(text, TCsvSource{'\t', true, 1});
    return 0;
}
