// The message texts the program shows, by language-file key.
#pragma once

#include <string>

// The messages of the radio link, named as their language-file keys.
enum class TLinkMessageKey { PortError, ComError, ModError, ReadOk, WriteOk, Modforce };

// The message texts, all UTF-8; the built-in English values stand until a language file replaces them.
class TMessageTexts
{
  public:
    std::string Confirmation = "Confirmation";
    std::string ExitProgram = "Do you wish to exit program?";
    std::string OutRange = "Frequecy is Out of range.";
    std::string ErrRange = "The frequecy number come amiss!";
    std::string Channel = "Channel";
    std::string Info = " Information";
    std::string Caution = "Caution";
    std::string SaveProgram = "Do you wish to save the changes?";
    std::string FileExists = "The File is exists,replace it?";
    std::string All = "All";
    std::string Close = "Closed";
    std::string Open = "Opened";
    std::string ComError = "Please check all connections and communication port settings.";
    std::string ModError = "Model Type Wrong.";
    std::string PwdError = "Pass Word Wrong.";
    std::string ModelType = "Model Type";
    std::string Frequency = "Frequency";
    std::string ReadOk = "Reading Completed.";
    std::string WriteOk = "Writing Completed.";
    std::string PortError = "Cannot Open Commcmication Port.";
    std::string ClearData = "Do you wish to Clear Data?";
    std::string Modforce = "Do you wish to Force write data?";
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
    // Asked before a batch edit is applied; %d is the number of channels it rewrites.
    std::string BatchQuestion = "The batch edit rewrites %d channels. Apply it?";

    // The text of a radio-link message; the force-write question follows the model error it answers.
    std::string LinkText(TLinkMessageKey key) const;
};

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
        return ModError + Modforce;
    }
    return {};
}
