// SPDX-License-Identifier: GPL-3.0-or-later
// The grid the table windows are built from (the channel table, the FM memory grid).
//
// Cells are addressed (col, row), as the windows name them:
// - row 0 and column 0 are never shown; they hold keys the window looks up, e.g. a column's field number;
// - row 1 is the title row, frozen at the top (centred, button-face colour, never edited);
// - with SetFixedColumn(true) column 1 is frozen at the left as well (the channel number column);
// - the other cells scroll. Every cell has a display text (shown), a value text (never shown, e.g. a list
//   item index), a read-only flag, an alignment, a background colour and optional left/right lines.
// Column widths can be changed with the mouse; there is no copy, drag, fill or pop-up menu.
//
// The keyboard works as in a spreadsheet: arrows, Tab, Shift+Tab, Home, End, Ctrl+Home, Ctrl+End, Page Up and
// Page Down only move the cell cursor. Typed edits: EditCell(c, r) opens the in-place text editor on a cell that is
// not read-only, with all its text selected; Enter, F2, a double click or typing on such a cell opens it too, and
// on a read-only cell they emit CellOpened instead. SetEditorSetup is told each time the editor opens, to
// give it the cell's maximum length and key filter. The editor has no clipboard commands either. Enter,
// leaving the cell or EndEdit() end the edit: the cell takes the typed text and EditEnded fires when that
// text differs from what the cell held; Escape drops the edit. Enter then moves the cursor down, Tab right.
// Drop-down lists and other widgets are laid over a cell with PlaceOverCell.
//
// Usage, the FM memory grid (three pairs of number and frequency columns, channels 1 to 25):
//   auto* grid = new TGrid(this);
//   grid->setObjectName("gvData");
//   grid->SetSize(7, 12);                                  // columns 0 to 6, rows 0 to 11
//   grid->SetTitleHeight(23);
//   grid->BeginUpdate();
//   for (int c = 1; c <= 6; ++c) {
//       const bool number = c % 2 == 1;
//       grid->SetColWidth(c, number ? 50 : 100);
//       grid->SetText(c, 1, number ? noText : freqText);
//       for (int r = 2; r <= 11; ++r) {
//           grid->SetAlignment(c, r, number ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
//           grid->SetLines(c, r, TGrid::kLineRight);
//           if (number) grid->SetColor(c, r, palette().color(QPalette::Button));
//           grid->SetReadOnly(c, r, number || (c == 6 && r > 6));   // FM channel 26 does not exist
//       }
//   }
//   grid->EndUpdate();
//   grid->SetEditorSetup([](int, int, QLineEdit* editor) {
//       editor->setMaxLength(9);
//       TKeyFilter::Install(editor, TKeyFilter::Frequency);        // gui/kit/FormKit.h
//   });
//   connect(grid, &TGrid::CellPressed, this, [grid](int c, int r) { grid->EditCell(c % 2 ? c + 1 : c, r); });
//   connect(grid, &TGrid::EditEnded, this, [grid](int c, int r, const QString& text) {
//       const std::string shown = SetFmChannel(gAll, FmChannelOf(c, r), text.trimmed().toStdString());
//       grid->SetText(c, r, QString::fromStdString(shown));
//   });
#pragma once

#include <QPointer>
#include <QTableView>
#include <functional>
#include <memory>

class QLineEdit;
class TGridModel;

// The background of the rows a table tints to guide the eye (every 16th channel): the palette's base with a
// touch of its highlight, so that the palette's text stays readable on a light and on a dark desktop alike.
QColor RowTint(const QPalette& palette);

class TGrid : public QTableView
{
    Q_OBJECT
  public:
    enum { kLineLeft = 1, kLineRight = 2 };

    explicit TGrid(QWidget* parent = nullptr);
    ~TGrid() override;

    // Column and row counts include the hidden row 0 / column 0 and the title row 1 (at least 1 and 2).
    // Every cell starts empty, editable, left-aligned, uncoloured and without lines.
    void SetSize(int colCount, int rowCount);
    int ColCount() const;
    int RowCount() const;
    void SetFixedColumn(bool fixed);
    void SetTitleHeight(int height);
    void SetRowHeight(int height);
    void SetColWidth(int col, int width);
    int ColWidth(int col) const;

    QString Text(int col, int row) const;
    void SetText(int col, int row, const QString& text);
    QString Value(int col, int row) const;
    void SetValue(int col, int row, const QString& value);
    // The tooltip of a cell; a title cell's shows over its column title.
    QString Tip(int col, int row) const;
    void SetTip(int col, int row, const QString& tip);
    bool ReadOnly(int col, int row) const;
    void SetReadOnly(int col, int row, bool readOnly);
    Qt::Alignment Alignment(int col, int row) const;
    void SetAlignment(int col, int row, Qt::Alignment alignment);
    QColor Color(int col, int row) const; // invalid: the base colour
    void SetColor(int col, int row, const QColor& color);
    int Lines(int col, int row) const;
    void SetLines(int col, int row, int lines);

    // Changes between the two calls are shown at once at EndUpdate; calls nest.
    void BeginUpdate();
    void EndUpdate();

    // The current cell; (0, 0) when there is none.
    int Col() const;
    int Row() const;
    void SetCurrentCell(int col, int row);
    // A scrolling cell's rectangle in the grid's coordinates; empty for the title row and the fixed column.
    QRect CellRect(int col, int row) const;

    bool EditCell(int col, int row);
    void EndEdit();
    bool IsEditing() const;
    void SetEditorSetup(std::function<void(int col, int row, QLineEdit* editor)> setup);
    // Typing on a cell that cannot be edited does nothing (no jumping to a row by its first letter).
    void keyboardSearch(const QString& search) override;

    // Lays widget over the cell with the column's width and shows it; it is hidden again when the grid
    // scrolls or a column is resized, since it would no longer cover its cell.
    void PlaceOverCell(QWidget* widget, int col, int row);

  signals:
    // The current cell moved to a cell outside the title row and the fixed column (mouse or keyboard).
    void CellSelected(int col, int row);
    // The mouse was pressed on such a cell; it is the current cell by then.
    void CellPressed(int col, int row);
    void EditEnded(int col, int row, const QString& text);
    // Enter, F2, a typed character (typed, else empty) or a double click on a read-only cell: the window opens
    // what stands for the cell there (its in-place list).
    void CellOpened(int col, int row, const QString& typed);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class TGridDelegate;
    void HideOverlay();
    void MoveAfterEdit(QAbstractItemDelegate::EndEditHint hint);
    void PaintCorner();
    void ApplyColWidths();
    QModelIndex IndexOf(int col, int row) const;
    int ColOf(const QModelIndex& index) const;
    int RowOf(const QModelIndex& index) const;

    std::unique_ptr<TGridModel> Model;
    std::vector<int> Widths;
    std::function<void(int, int, QLineEdit*)> Setup;
    QPointer<QWidget> Overlay;
    QPointer<QWidget> Editor;
    QWidget* Corner = nullptr;
    bool HasPending = false;
    QString PendingText;
    int PendingCol = 0;
    int PendingRow = 0;
};
