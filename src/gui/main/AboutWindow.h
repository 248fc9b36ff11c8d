// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: the program's icon, up to nine lines of text from the language file (line 2 names the version
// where it says %1) and a Close button.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

class TAboutWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit TAboutWindow(QWidget* parent = nullptr);

    QLabel* ImApp;
    std::array<QLabel*, 9> Lines{}; // lStr1 to lStr9
    QPushButton* btClose;

  protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void FormShow();
    void FitToLines();
};
