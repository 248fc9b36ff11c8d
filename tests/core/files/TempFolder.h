// SPDX-License-Identifier: GPL-3.0-or-later
// A temporary folder for file tests, removed with everything in it at the end of the test.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TTempFolder
{
  public:
    TTempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "qbh52-test-XXXXXX").string();
        Path = mkdtemp(pattern.data()) ? pattern + "/" : std::string();
    }
    ~TTempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    std::string File(const std::string& name) const { return Path + name; }
    void Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(File(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(File(name), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    std::string Path;
};
