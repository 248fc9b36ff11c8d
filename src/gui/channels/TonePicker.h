// SPDX-License-Identifier: GPL-3.0-or-later
// The tone picker: CTCSS tones and DCS codes in three tables; a double click on a value returns it.
#pragma once

#include <QDialog>
#include <string>

class QGroupBox;
class QListWidget;
class QRadioButton;
class QTableWidget;

class TTonePicker : public QDialog
{
    Q_OBJECT
  public:
    explicit TTonePicker(QWidget* parent = nullptr);
    // The tone text picked, in the form the channel codec takes; empty when the dialog closed otherwise.
    std::string ToneResult;

    // The tables, by radio button position: CTCSS, DCS-N, DCS-I.
    QTableWidget* Grid(int position) const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildLists();
    QTableWidget* NewGrid(const QString& name, int groups, int columnsPerGroup, int rows);
    void FitGrid(QTableWidget* grid);
    void FillCtcss();
    void FillDcs(QTableWidget* grid, const QString& polarity);
    void SetCell(QTableWidget* grid, int row, int column, const QString& text, bool value);
    void SelectGrid(int position);
    void GridDoubleClick(QTableWidget* grid, int row, int column, int columnsPerGroup);

    QListWidget* lbValue;
    QListWidget* lbSel;
    QGroupBox* gbList;
    QRadioButton* Buttons[3];
    QTableWidget* Grids[3];
    bool Shown = false;
};
