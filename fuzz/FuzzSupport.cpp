// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzSupport.h"

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include "core/files/StartUp.h"
#include "core/model/Derivations.h"

void FreshState(TAppState& all, TModelCatalogue& list)
{
    InitState(all, list, "/nonexistent/");
    PrepareFirstImage(all, list);
    NewDataSet(all, list);
}

const std::string& FuzzFolder()
{
    static const std::string folder = [] {
        // In memory where the system has it: every save syncs its file, which on a disk costs more than the run.
        const char* tmp = std::getenv("TMPDIR");
        const std::string base = tmp && tmp[0] ? tmp : access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = base + "/qbh52-fuzz-XXXXXX";
        return mkdtemp(pattern.data()) ? pattern + "/" : std::string("./");
    }();
    return folder;
}

std::string WriteInput(const std::string& name, const uint8_t* data, size_t size)
{
    const std::string path = FuzzFolder() + name;
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    Require(fd >= 0);
    for (size_t done = 0; done < size;) {
        const ssize_t written = write(fd, data + done, size - done);
        Require(written > 0);
        done += static_cast<size_t>(written);
    }
    close(fd);
    return path;
}

void Require(bool holds)
{
    if (!holds)
        __builtin_trap();
}
