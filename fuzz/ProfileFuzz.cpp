// SPDX-License-Identifier: GPL-3.0-or-later
// The profile (INI) reader behind the settings and language files over any bytes: it never fails, a key it
// writes reads back, before and after a save.
#include "FuzzSupport.h"
#include "core/files/Profile.h"

namespace
{
// The input's first line names the section and key the target writes; the rest is the file.
void SplitInput(const std::string& input, std::string& section, std::string& key, std::string& file)
{
    const size_t end = input.find('\n');
    const std::string first = input.substr(0, end);
    const size_t bar = first.find('|');
    section = first.substr(0, bar);
    key = bar == std::string::npos ? "Com" : first.substr(bar + 1);
    file = end == std::string::npos ? "" : input.substr(end + 1);
}

// A name the writer can place as the program does: printable ASCII on one line (every key the program writes
// is), no "=" in a key, no "]" in a section, no spaces around it, not empty, not a comment.
bool Writable(const std::string& name, char forbidden)
{
    for (char c : name)
        if (c <= ' ' || c > '~' || c == ';' || c == '[' || c == forbidden)
            return false;
    return !name.empty();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string section, key, file;
    SplitInput(std::string(reinterpret_cast<const char*>(data), size), section, key, file);
    const std::string path = WriteInput("input.ini", reinterpret_cast<const uint8_t*>(file.data()), file.size());
    TProfile profile;
    std::string problem;
    const bool loaded = profile.Load(path, problem);
    Require(loaded == problem.empty());
    for (const char* name : {"Com", "Language_ID", "Language_SW", "ReadOk"})
        SplitList(profile.ReadString(section, name, "default"));
    if (!Writable(section, ']') || !Writable(key, '='))
        return 0;
    profile.WriteString(section, key, "written");
    Require(profile.ReadString(section, key, "") == "written");
    std::string error;
    Require(profile.Save(FuzzFolder() + "saved.ini", error));
    TProfile again;
    Require(again.Load(FuzzFolder() + "saved.ini", problem));
    Require(again.ReadString(section, key, "") == "written");
    return 0;
}
