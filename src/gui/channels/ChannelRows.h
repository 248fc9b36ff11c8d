// SPDX-License-Identifier: GPL-3.0-or-later
// Whole channels in the channel table, as rows of a spreadsheet: selecting rows by their number (Shift and Ctrl
// extend the selection), copying them to the clipboard as tab-separated text in the CSV export's columns with
// its header (a spreadsheet pastes it into columns), cutting, pasting what a spreadsheet or a CHIRP CSV file
// holds (with the CSV import's rules and report), deleting, inserting and deleting rows, moving rows up and
// down and sorting. Each command that changes the image is one undo step.
//
// The table window only creates it: it watches the grid's keys and number column itself, and brings its own
// context menu. The main window's Edit menu offers the same commands through AddChannelRowCommands.
#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <functional>
#include <set>
#include <string>
#include <vector>

class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class QPoint;
class TChannelTableWindow;

enum class TRowCommand {
    Copy,
    Cut,
    Paste,
    Clear,
    InsertRow,
    DeleteRow,
    MoveUp,
    MoveDown,
    SortByFrequency,
    SortByName,
    SortByTone,
};

class TChannelRows : public QObject
{
    Q_OBJECT
  public:
    explicit TChannelRows(TChannelTableWindow* table);

    void Run(TRowCommand command);
    // The selected channels in ascending order; the current row's channel when no row is selected.
    std::vector<int> Channels() const;
    // Selects the rows of channels first to last, as a click on first and a Shift+click on last would.
    void Select(int first, int last);
    // The table's context menu.
    QMenu* Menu() const { return ContextMenu; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Click(int channel, Qt::KeyboardModifiers modifiers);
    void SetSelection(std::set<int> channels);
    void PaintSelected(int channel);
    bool HandlesKey(const QKeyEvent* key) const;
    int CurrentChannel() const;
    void Copy();
    void Paste();
    void Clear(const char* caption);
    void InsertRow();
    void DeleteRows();
    void Move(int step, const char* caption);
    void Commit(const std::string& caption);
    QString Text(const char* labelName) const;

    TChannelTableWindow* Table;
    QMenu* ContextMenu;
    std::set<int> Selected;
    int Anchor = 0;
    // The colours the selected rows' cells had before they were painted as selected.
    std::vector<std::pair<std::pair<int, int>, QColor>> SavedColors;
};

// The channel row commands of the table window in a menu (the main window's Edit menu); each acts on the
// table that rows() returns, and does nothing while no table is open.
void AddChannelRowCommands(QMenu* menu, std::function<TChannelRows*()> rows);
// The row commands of an open channel table window, nullptr for none.
TChannelRows* ChannelRowsOf(QObject* table);
