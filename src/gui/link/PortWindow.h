// SPDX-License-Identifier: GPL-3.0-or-later
// The Communication Port dialog: the user picks COM1 to COM20; each present port shows its device beside it.
#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TPortWindow : public QDialog
{
    Q_OBJECT
  public:
    static constexpr int kButtons = 20;

    explicit TPortWindow(QWidget* parent = nullptr);

    QGroupBox* cxPort;
    std::array<QRadioButton*, kButtons> cxPortButtons{};
    std::array<QLabel*, kButtons> clDevices{};
    QComboBox* cxCom;
    QLabel* lbName;
    QPushButton* btnOk;
    QPushButton* btnCancel;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void btnOkClick();
};
