// SPDX-License-Identifier: GPL-3.0-or-later
// Language File Setup: the user picks one of the languages the settings file offers.
#pragma once

#include <QDialog>
#include <array>

class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;

class TLanguageWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit TLanguageWindow(QWidget* parent = nullptr);

    QGroupBox* cxSels;
    std::array<QRadioButton*, 3> cxLangs{}; // cxLang0, cxLang1, cxLang2
    QPushButton* btnOk;
    QPushButton* btnCancel;
    QListWidget* cxLang; // display names, never translated
    QListWidget* cxName; // language file base names
    // Read by the main window after the dialog has closed.
    bool Changed = false;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void btnOkClick();
};
