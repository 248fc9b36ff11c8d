// SPDX-License-Identifier: GPL-3.0-or-later
// The data file reader over any bytes: a file it refuses leaves the image as it was; a file it loads decodes,
// saves and loads again to the same image.
#include "FuzzSupport.h"
#include "core/files/DataFile.h"
#include "core/model/ChannelCodec.h"
#include "core/model/FmCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TAppState all;
    TModelCatalogue list;
    FreshState(all, list);
    const auto before = all.Image;
    std::string error;
    const TOpenResult result = OpenDataFile(all, list, WriteInput("input.dat", data, size), error);
    Require(result == TOpenResult::Ok || !error.empty());
    if (!IsLoaded(result)) {
        Require(all.Image == before);
        return 0;
    }
    for (int ch = 1; ch <= all.ChannelCount; ++ch) {
        TChannel channel;
        DecodeChannel(all, ch, channel);
    }
    for (int n = 1; n <= 32; ++n)
        DecodeFmChannel(all, n);
    const std::string saved = FuzzFolder() + "saved.dat";
    Require(SaveDataFile(all, saved, error));
    TAppState again;
    FreshState(again, list);
    Require(OpenDataFile(again, list, saved, error) == TOpenResult::Ok);
    Require(std::equal(all.Image.begin() + kBlockSize, all.Image.begin() + kDataFileSize,
                       again.Image.begin() + kBlockSize));
    return 0;
}
