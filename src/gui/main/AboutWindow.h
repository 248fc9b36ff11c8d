// The About box: the program's icon and up to nine lines of text from the language file.
#pragma once

#include <QDialog>
#include <array>

class QLabel;

class TAboutWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit TAboutWindow(QWidget* parent = nullptr);

    QLabel* ImApp;
    std::array<QLabel*, 9> Lines{}; // lStr1 to lStr9

  protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void FormShow();
    void FitToLines();
};
