// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual radio qbh52-radio-sim as a child process of an end-to-end test: it serves a pseudo-terminal
// behind a stable link path and, when stopped, leaves its memory in a raw dump.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <random>
#include <vector>

#include "core/files/SettingsFile.h"
#include "core/files/StartUp.h"
#include "core/link/Frames.h"
#include "core/model/AppState.h"

class TVirtualRadio
{
  public:
    // memory: the radio's memory (kImageSize bytes); extra: further options (model, faults).
    TVirtualRadio(const std::vector<uint8_t>& memory, const QStringList& extra = {})
    {
        QFile image(Folder.filePath(QStringLiteral("radio.bin")));
        if (image.open(QIODevice::WriteOnly))
            image.write(reinterpret_cast<const char*>(memory.data()), static_cast<qint64>(memory.size()));
        image.close();
        Path = Folder.filePath(QStringLiteral("radio"));
        Process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        Process.start(QStringLiteral(QBH52_BIN_DIR) + QStringLiteral("/qbh52-radio-sim"),
                      QStringList{"--image", image.fileName(), "--link", Path, "--save", SavedPath(), "--save-power",
                                  SavedPowerPath()} +
                          extra);
        if (Process.waitForReadyRead(10000))
            Printed = QString::fromUtf8(Process.readLine()).trimmed();
    }
    ~TVirtualRadio()
    {
        if (Process.state() != QProcess::NotRunning)
            Stop();
    }

    // The simulator is serving once it printed the path a program opens.
    bool Serving() const { return !Printed.isEmpty() && Printed == Path; }

    // Stops the radio and returns its memory as it was at the end (empty when it could not be saved).
    std::vector<uint8_t> StopAndReadMemory()
    {
        Stop();
        QFile saved(SavedPath());
        if (!saved.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = saved.readAll();
        return std::vector<uint8_t>(bytes.begin(), bytes.end());
    }

    // Stops the radio and returns its power table as it was at the end.
    std::vector<uint8_t> StopAndReadPowerTable()
    {
        Stop();
        QFile saved(SavedPowerPath());
        if (!saved.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = saved.readAll();
        return std::vector<uint8_t>(bytes.begin(), bytes.end());
    }

    // The radio process dies at once, as when the cable is pulled: its device and link go away.
    void Kill()
    {
        Process.kill();
        Process.waitForFinished(10000);
    }

    QString Path;

  private:
    QString SavedPath() const { return Folder.filePath(QStringLiteral("saved.bin")); }
    QString SavedPowerPath() const { return Folder.filePath(QStringLiteral("power.bin")); }
    void Stop()
    {
        Process.terminate();
        if (!Process.waitForFinished(10000))
            Process.kill();
        Process.waitForFinished(2000);
    }

    QTemporaryDir Folder;
    QProcess Process;
    QString Printed;
};

// Memory that differs from a new image: every channel byte, the serial number and the memory beyond the read
// blocks scrambled; the settings and the model block of the given image kept so that the memory is sound.
inline std::vector<uint8_t> ScrambledMemory(const TAppState& all, unsigned seed)
{
    std::vector<uint8_t> memory(all.Image.begin(), all.Image.end());
    std::mt19937 random(seed);
    for (int i = 0; i < kChannelEmptyMap; ++i)
        memory[static_cast<size_t>(i)] = static_cast<uint8_t>(random());
    for (int i = kSerialNumber; i < kSerialNumber + kBlockSize; ++i)
        memory[static_cast<size_t>(i)] = static_cast<uint8_t>(random());
    for (size_t i = kReadBlockCount * kBlockSize; i < memory.size(); ++i)
        memory[i] = static_cast<uint8_t>(random());
    return memory;
}

// Points COM5 at the radio's device in the settings file's section Ports and makes it the program's port.
inline bool MapCom5(const QString& device)
{
    const QString path = QString::fromStdString(SettingsFilePath(gAll));
    QDir().mkpath(QFileInfo(path).path());
    QFile settings(path);
    if (!settings.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    settings.write(("[Ports]\nCOM5=" + device + "\n").toUtf8());
    gAll.ComPort = "COM5";
    return true;
}
