// SPDX-License-Identifier: GPL-3.0-or-later
// The message texts the program shows, by language-file key.
#pragma once

#include <initializer_list>
#include <string>

// The messages of the radio link, named as their language-file keys.
enum class TLinkMessageKey {
    PortError,
    ComError,
    ModError,
    ReadOk,
    WriteOk,
    Modforce,
    VerifyOk,       // the write was read back and every block holds what was written
    VerifyFailed,   // %1 blocks read back otherwise than written, %2 names what they hold
    VerifyNoAnswer, // the radio fell silent while it was read back
};

// The message texts, all UTF-8; the built-in English values stand until a language file replaces them.
class TMessageTexts
{
  public:
    // The captions of the boxes: a question, a report that what was asked for is done, and a failure.
    std::string Confirmation = "Confirmation";
    std::string Completed = "Completed";
    std::string Error = "Error";
    std::string OutRange = "The frequency is out of range.";
    std::string ErrRange = "The frequency is outside the radio's bands.";
    std::string Channel = "Channel";
    std::string Info = " Information";
    std::string Caution = "Caution";
    std::string SaveProgram = "Do you wish to save the changes?";
    std::string FileExists = "The file already exists. Replace it?";
    std::string All = "All";
    std::string Close = "Closed";
    std::string Open = "Opened";
    std::string ComError = "Please check all connections and communication port settings.";
    std::string ModError = "Wrong model type.";
    std::string PwdError = "Wrong password.";
    std::string ModelType = "Model Type";
    std::string Frequency = "Frequency";
    std::string ReadOk = "Reading Completed.";
    std::string WriteOk = "Writing Completed.";
    std::string PortError = "Cannot open the communication port.";
    std::string ClearData = "Do you wish to clear the data?";
    std::string Modforce = "Do you wish to write the data anyway?";
    std::string VerifyOk = "Writing Completed. Every block was read back as written.";
    std::string VerifyFailed = "Verify failed: %1 blocks differ (%2).";
    std::string VerifyNoAnswer = "Verify failed: the radio stopped answering while it was read back. The data was "
                                 "written but could not be checked.";
    std::string BackupSaved = "Backup saved: %1";
    std::string BackupFailed = "Backup failed: %1";
    std::string PreviewChanges = "%1 changes against the last read of this radio (%2):";
    std::string PreviewSame = "Nothing changes against the last read of this radio (%1).";
    std::string PreviewNoBackup = "There is no earlier read of this radio to compare the write with.";
    // The hostile or damaged files the program meets; %1, %2 are filled in by FormatText.
    std::string FileShort = "The data file is incomplete: it holds only %1 of the %2 bytes of a data file. "
                            "The part it does not hold is that of a new data set.";
    std::string FileLong = "The file is longer than a data file: its first %1 bytes were loaded, the rest of its "
                           "%2 bytes was ignored.";
    std::string FileTooShort = "The file is too short to be a data file.";
    std::string BadSettings = "The settings file \"%1\" cannot be used (%2). The program goes on with the "
                              "default settings and leaves the file as it is.";
    std::string BadLanguage = "The language file \"%1\" cannot be used (%2). The program goes on with the "
                              "built-in English texts.";
    // The Edit menu's Undo and Redo entries, followed by the caption of the step they take back or make again.
    std::string Undo = "&Undo";
    std::string Redo = "&Redo";
    // The window title's name of a data set that has no file yet.
    std::string Untitled = "Untitled";
    // Captions of undo steps; a changed field is "Edit" and the field's name.
    std::string EditStep = "Edit";
    std::string ReadStep = "Read From Radio";
    std::string BatchStep = "Batch Channel Edit";
    std::string ModelStep = "Model Information";
    std::string ImportStep = "Import CSV";
    // Asked before a batch edit is applied; %1 is the number of channels it rewrites.
    std::string BatchQuestion = "The batch edit rewrites %1 channels. Apply it?";
    // A typed frequency refused: %1 the frequency or the text, %2 the enabled bands.
    std::string BandRefused = "%1 MHz is outside the radio's bands (%2 MHz). Nothing was stored.";
    std::string NotAFrequency = "\"%1\" is not a frequency. Type it in MHz with a point, for example 145.50000 "
                                "(bands %2 MHz).";
    // Status bar notes on a value stored otherwise than typed.
    std::string FreqSnapped = "%1 stored as %2 (step %3 kHz)";
    std::string ToneStored = "%1 stored as %2 (%3)";
    std::string CtcssAllowed = "CTCSS tones 30.0 to 290.0 Hz";
    std::string DcsAllowed = "DCS codes D000N to D777I, digits 0 to 7";
    std::string ToneNotListed = "%1 is not in the radio's tone list; stored as typed";
    std::string NameStored = "Name \"%1\" stored as \"%2\" (7 characters, space to z)";
    // RX moved but TX kept: %1 the TX kept, %2 where the offset would have put it, %3 the bands.
    std::string TxStays = "TX stays at %1: keeping the offset would put it at %2, outside the bands (%3 MHz)";
    // A write that stopped after some blocks reached the radio.
    std::string WritePartial = "The write stopped part-way: the radio now holds a mix of old and new data. "
                               "Write to the radio again before using it.";
    // The status bar while no channel holds a frequency.
    std::string EmptyHint = "Read from the radio or open a file to start";
    // Asked before the power test goes online: what it changes in the radio is not undone by closing it.
    std::string PowerTestQuestion = "Going online changes the radio's transmit power calibration: every value set "
                                    "here is stored in the radio at once. Test only with a dummy load and a power "
                                    "meter. Go online?";
    // The status bar's port when no device stands behind it (the cable is unplugged).
    std::string PortAbsent = "not present";
    // The port dialog's list of serial devices: its column titles, and a chosen device the settings file
    // could not keep (%1: the system's reason).
    std::string PortColumn = "Port";
    std::string DeviceColumn = "Device";
    std::string DescriptionColumn = "Description";
    std::string StableNameColumn = "Stable name";
    // Said under PortError when the system refused the device for lack of permission.
    std::string PortPermission = "To use serial ports, join the group dialout (sudo usermod -aG dialout $USER) and "
                                 "log in again.";
    std::string PortNotKept = "The port could not be kept in the settings file: %1";
    // File > Recent Files: a file that has gone since it was used (%1: its path).
    std::string RecentMissing = "The file \"%1\" no longer exists. It is taken off the list of recent files.";
    // The recovery copy of unsaved changes; %1 is the time it was written, a path or the system's reason.
    std::string RecoveryOffer = "The program ended on %1 without saving its changes, and a copy of them was kept. "
                                "Restore them? No discards the copy.";
    std::string RecoveryRestored = "Restored the unsaved changes kept on %1.";
    std::string RecoverySize = "it holds %1 of the %2 bytes of a data file";
    std::string RecoveryBad = "The recovery copy \"%1\" cannot be read (%2). Nothing of it was loaded; it was set "
                              "aside as \"%3\".";
    std::string RecoveryStuck = "The recovery copy \"%1\" cannot be read (%2), nor set aside (%3). Nothing of it "
                                "was loaded.";
    std::string RecoveryFailed = "No recovery copy of the changes: %1 Save them to a file.";
    std::string RecoveryElsewhere = "Another running program keeps the recovery copy; this window keeps none, so "
                                    "save its changes to a file.";
    std::string RecoveryWaiting = "A recovery copy left by a program that ended without saving waits for the next "
                                  "start; this window keeps none, so save its changes to a file.";

    // The text of a radio-link message; the force-write question follows the model error it answers, on a line
    // of its own.
    std::string LinkText(TLinkMessageKey key) const;
};

// True for the link messages that report the transfer done as asked; every other one reports a failure.
bool IsLinkSuccess(TLinkMessageKey key);

// The text with %1, %2, ... replaced by the arguments in order.
std::string FormatText(const std::string& text, std::initializer_list<std::string> args);

inline std::string TMessageTexts::LinkText(TLinkMessageKey key) const
{
    switch (key) {
    case TLinkMessageKey::PortError:
        return PortError;
    case TLinkMessageKey::ComError:
        return ComError;
    case TLinkMessageKey::ModError:
        return ModError;
    case TLinkMessageKey::ReadOk:
        return ReadOk;
    case TLinkMessageKey::WriteOk:
        return WriteOk;
    case TLinkMessageKey::Modforce:
        return ModError + "\n" + Modforce;
    case TLinkMessageKey::VerifyOk:
        return VerifyOk;
    case TLinkMessageKey::VerifyFailed:
        return VerifyFailed;
    case TLinkMessageKey::VerifyNoAnswer:
        return VerifyNoAnswer;
    }
    return {};
}

inline bool IsLinkSuccess(TLinkMessageKey key)
{
    return key == TLinkMessageKey::ReadOk || key == TLinkMessageKey::WriteOk || key == TLinkMessageKey::VerifyOk;
}

inline std::string FormatText(const std::string& text, std::initializer_list<std::string> args)
{
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t n = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && n < args.size()) {
            result += *(args.begin() + n);
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}
