// Controls and helpers shared by the channel edit, VFO and batch windows: key filters, the tone list with its
// picker, the check boxes that stand for list fields, and the checked frequency input.
#pragma once

#include <QComboBox>
#include <QObject>
#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TChannel;

// Drops the keys a box cannot hold, as they are typed. Keys without text (arrows, Tab, Delete) always pass.
class TKeyFilter : public QObject
{
    Q_OBJECT
  public:
    enum TMode {
        Frequency, // digits and "."; a typed "," becomes "."
        Tone,      // digits, "." and D, I, N in either case
        Name,      // characters from space to "z"
        Digits,    // digits only
    };
    TKeyFilter(TMode mode, QObject* parent);
    static void Install(QLineEdit* box, TMode mode);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Accepts(QChar c) const;
    TMode Mode;
};

// The editable tone list: "None" and the 262 tones of ToneList(), typed tones allowed (tag -3, only item 0
// is translated). A double click opens the tone picker.
class TToneCombo : public QComboBox
{
    Q_OBJECT
  public:
    TToneCombo(const QString& name, QWidget* parent);
    // The tone text to store, normalised: empty when the box is empty or shows item 0 (no tone).
    std::string ToneValue() const;
    // Shows a tone text as decoded; empty selects item 0.
    void ShowTone(const std::string& tone);

  signals:
    // A tone was picked, typed and committed (Enter or leaving the box), or taken from the picker.
    void ToneChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Commit();
    void OpenPicker();
};

// A check box standing for a two-item list field of a channel: checked exactly when the field holds OnIndex.
struct TFieldBox {
    QCheckBox* Box;
    int Field;
    int OnIndex;
};

// The list index a decoded channel holds for fields 5 and 9 to 17.
int ChannelListValue(const TChannel& channel, int field);
// SetChannelField with a text; returns the normalised text the codec hands back.
std::string StoreChannelText(int index, int field, std::string text);
void StoreChannelIndex(int index, int field, int value);
void LoadFieldBox(const TFieldBox& box, const TChannel& channel);
void StoreFieldBox(const TFieldBox& box, int index);

// A typed frequency checked against the enabled bands: in range it comes back formatted "0.00000"; out of range
// the user is told (ErrRange) and gets the low edge of the first enabled band. nullopt when no band is enabled
// to fall back on, so that nothing is stored.
std::optional<std::string> CheckedFreqText(const std::string& text);

// Qt and the language texts meet the core's UTF-8 strings here.
std::string ToStd(const QString& text);
QString ToQt(const std::string& text);
// The trimmed text of a typed box.
std::string BoxText(const QLineEdit* box);

// Form building: every control gets its object name, the key of its texts in the language files.
QLabel* NewLabel(QWidget* parent, const char* name, const char* caption);
QComboBox* NewList(QWidget* parent, const char* name, const QStringList& items);
QLineEdit* NewBox(QWidget* parent, const char* name, TKeyFilter::TMode mode, int maxLength = 32767);
QCheckBox* NewCheck(QWidget* parent, const char* name, const char* caption);
QRadioButton* NewRadio(QWidget* parent, const char* name, const char* caption);
QPushButton* NewButton(QWidget* parent, const char* name, const char* caption);

// Places an editor window at (20, 20) of the document area and closes it with its frame.
void MoveEditor(QWidget* editor);
void CloseEditor(QWidget* editor);
