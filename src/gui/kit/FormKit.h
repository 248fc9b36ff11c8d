// SPDX-License-Identifier: GPL-3.0-or-later
// Form building shared by every window: key filters for typed boxes, controls named for the language files,
// the meeting of Qt and UTF-8 texts, and the placing and closing of editor windows.
#pragma once

#include <QObject>
#include <QStringList>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

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

// Qt and the language texts meet the core's UTF-8 strings here.
std::string ToStd(const QString& text);
QString ToQt(const std::string& text);
QStringList ToQtList(const std::vector<std::string>& texts);
// The trimmed text of a typed box.
std::string BoxText(const QLineEdit* box);

// Form building: every control gets its object name, the key of its texts in the language files.
QLabel* NewLabel(QWidget* parent, const char* name, const char* caption);
QComboBox* NewList(QWidget* parent, const char* name, const QStringList& items);
QLineEdit* NewBox(QWidget* parent, const char* name, TKeyFilter::TMode mode, int maxLength = 32767);
QCheckBox* NewCheck(QWidget* parent, const char* name, const char* caption);
QRadioButton* NewRadio(QWidget* parent, const char* name, const char* caption);
QPushButton* NewButton(QWidget* parent, const char* name, const char* caption);

// Places an editor window in the document area, cascading from (20, 20), and closes it with its frame.
void MoveEditor(QWidget* editor);
void CloseEditor(QWidget* editor);
