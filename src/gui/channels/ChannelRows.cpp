// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/ChannelRows.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/ChannelOrder.h"
#include "core/model/ChirpCsv.h"
#include "core/model/CsvText.h"
#include "core/model/Views.h"
#include "gui/channels/ChannelTableWindow.h"
#include "gui/kit/FormKit.h"
#include "gui/kit/Grid.h"
#include "gui/kit/MessageBox.h"

namespace
{
using C = TRowCommand;

// One command: its action's object name in the table window and in the Edit menu (the language files' keys),
// its built-in caption, its key and the caption of the undo step it makes (empty for none).
struct TRowCommandRow {
    TRowCommand Command;
    const char* ActionName;
    const char* MenuName;
    const char* Caption;
    QKeySequence Key;
    const char* Step;
};

const std::vector<TRowCommandRow>& RowCommands()
{
    static const std::vector<TRowCommandRow> rows = {
        {C::Copy, "acCopy", "nChsCopy", "&Copy", QKeySequence::Copy, ""},
        {C::Cut, "acCut", "nChsCut", "Cu&t", QKeySequence::Cut, "Cut Channels"},
        {C::Paste, "acPaste", "nChsPaste", "&Paste", QKeySequence::Paste, "Paste Channels"},
        {C::Clear, "acClear", "nChsClear", "&Delete", QKeySequence(Qt::Key_Delete), "Delete Channels"},
        {C::InsertRow, "acInsertRow", "nChsInsertRow", "&Insert Row", QKeySequence(), "Insert Row"},
        {C::DeleteRow, "acDeleteRow", "nChsDeleteRow", "Delete &Row", QKeySequence(), "Delete Row"},
        {C::MoveUp, "acMoveUp", "nChsMoveUp", "Move &Up", QKeySequence(Qt::CTRL | Qt::Key_Up), "Move Channel Up"},
        {C::MoveDown, "acMoveDown", "nChsMoveDown", "Move Do&wn", QKeySequence(Qt::CTRL | Qt::Key_Down),
         "Move Channel Down"},
        {C::SortByFrequency, "acSortFrequency", "nChsSortFrequency", "Sort by RX &Frequency", QKeySequence(),
         "Sort Channels by RX Frequency"},
        {C::SortByName, "acSortName", "nChsSortName", "Sort by &Name", QKeySequence(), "Sort Channels by Name"},
        {C::SortByTone, "acSortTone", "nChsSortTone", "Sort by &Tone", QKeySequence(), "Sort Channels by Tone"},
    };
    return rows;
}

const TRowCommandRow& RowOf(TRowCommand command)
{
    return RowCommands()[static_cast<size_t>(command)];
}

// The texts the commands show in a message, as hidden labels of the table window so that the language files
// translate them.
const char* const kPasteReport = "lChsPasteReport";
const char* const kInsertDrops = "lChsInsertDrops";

// A separator after the clipboard commands and after the row commands.
bool EndsGroup(TRowCommand command)
{
    return command == C::Clear || command == C::MoveDown;
}

// An action whose key works only while its menu is open: the table window reads its keys itself, and a second
// shortcut on the same key would make both ambiguous.
QAction* NewCommandAction(QMenu* menu, const TRowCommandRow& row, const char* name)
{
    auto* action = new QAction(QString::fromUtf8(row.Caption), menu);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(row.Key);
    action->setShortcutContext(Qt::WidgetShortcut);
    menu->addAction(action);
    if (EndsGroup(row.Command))
        menu->addSeparator();
    return action;
}

TSortKey SortKeyOf(TRowCommand command)
{
    return command == C::SortByName   ? TSortKey::Name
           : command == C::SortByTone ? TSortKey::Tone
                                      : TSortKey::RxFrequency;
}
} // namespace

TChannelRows::TChannelRows(TChannelTableWindow* table) : QObject(table), Table(table)
{
    setObjectName(QStringLiteral("ChsRows"));
    ContextMenu = new QMenu(table);
    ContextMenu->setObjectName(QStringLiteral("pmChsRows"));
    for (const TRowCommandRow& row : RowCommands())
        connect(NewCommandAction(ContextMenu, row, row.ActionName), &QAction::triggered, this,
                [this, command = row.Command] { Run(command); });
    NewLabel(table, kPasteReport, "Some rows were pasted changed or not at all:")->hide();
    NewLabel(table, kInsertDrops, "The last channel is in use and drops out of the table. Insert the row?")->hide();
    TGrid* grid = table->gvChs;
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this,
            [this, grid](const QPoint& at) { ContextMenu->popup(grid->viewport()->mapToGlobal(at)); });
    grid->installEventFilter(this);
    grid->verticalHeader()->viewport()->installEventFilter(this);
    connect(grid, &TGrid::CellPressed, this, [this] { SetSelection({}); });
}

void TChannelRows::Run(TRowCommand command)
{
    Table->FormDeactivate();
    switch (command) {
    case C::Copy:
        Copy();
        return;
    case C::Cut:
        Copy();
        Clear(RowOf(command).Step);
        return;
    case C::Paste:
        Paste();
        return;
    case C::Clear:
        Clear(RowOf(command).Step);
        return;
    case C::InsertRow:
        InsertRow();
        return;
    case C::DeleteRow:
        DeleteRows();
        return;
    case C::MoveUp:
        Move(-1, RowOf(command).Step);
        return;
    case C::MoveDown:
        Move(1, RowOf(command).Step);
        return;
    case C::SortByFrequency:
    case C::SortByName:
    case C::SortByTone:
        break;
    }
    // Several selected rows sort among themselves; otherwise the whole table does.
    std::vector<int> places = Channels();
    if (places.size() < 2) {
        places.clear();
        for (int channel = 1; channel <= gAll.ChannelCount; ++channel)
            places.push_back(channel);
    }
    ReorderChannels(gAll, SortOrder(gAll, places, SortKeyOf(command)));
    Commit(RowOf(command).Step);
}

std::vector<int> TChannelRows::Channels() const
{
    if (Selected.empty())
        return {CurrentChannel()};
    return {Selected.begin(), Selected.end()};
}

void TChannelRows::Select(int first, int last)
{
    Click(first, Qt::NoModifier);
    Click(last, Qt::ShiftModifier);
}

int TChannelRows::CurrentChannel() const
{
    return std::clamp(Table->SelRow - 1, 1, gAll.ChannelCount);
}

bool TChannelRows::eventFilter(QObject* watched, QEvent* event)
{
    // Only keys and clicks matter here. The table is not looked at for any other event: the grid still sends
    // some while the table window around it is being destroyed.
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::MouseButtonPress)
        return false;
    TGrid* grid = Table->gvChs;
    if (watched == grid && (type == QEvent::ShortcutOverride || type == QEvent::KeyPress)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!HandlesKey(key))
            return false;
        // Taking the override keeps the Edit menu's entries for the same keys from taking the key as well.
        event->accept();
        if (type == QEvent::KeyPress)
            for (const TRowCommandRow& row : RowCommands())
                if (!row.Key.isEmpty() && QKeySequence(key->keyCombination()) == row.Key)
                    Run(row.Command);
        return type == QEvent::KeyPress;
    }
    if (watched == grid->verticalHeader()->viewport() && type == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int section = grid->verticalHeader()->logicalIndexAt(mouse->position().toPoint());
        if (section < 0 || mouse->button() != Qt::LeftButton)
            return false;
        grid->SetCurrentCell(std::max(grid->Col(), 2), section + 2);
        Click(section + 1, mouse->modifiers());
        return true;
    }
    return false;
}

// The grid's own switch-off of the clipboard keys still holds in the in-place editor, which gets the keys
// itself; here the grid has the focus.
bool TChannelRows::HandlesKey(const QKeyEvent* key) const
{
    const QKeySequence pressed(key->keyCombination());
    return std::any_of(RowCommands().begin(), RowCommands().end(),
                       [&pressed](const TRowCommandRow& row) { return !row.Key.isEmpty() && pressed == row.Key; });
}

void TChannelRows::Click(int channel, Qt::KeyboardModifiers modifiers)
{
    std::set<int> channels = Selected;
    if (modifiers & Qt::ShiftModifier) {
        const int anchor = Anchor > 0 ? Anchor : CurrentChannel();
        channels.clear();
        for (int c = std::min(anchor, channel); c <= std::max(anchor, channel); ++c)
            channels.insert(c);
    } else if (modifiers & Qt::ControlModifier) {
        if (!channels.erase(channel))
            channels.insert(channel);
        Anchor = channel;
    } else {
        channels = {channel};
        Anchor = channel;
    }
    SetSelection(std::move(channels));
}

void TChannelRows::SetSelection(std::set<int> channels)
{
    TGrid* grid = Table->gvChs;
    grid->BeginUpdate();
    for (const auto& [cell, color] : SavedColors)
        grid->SetColor(cell.first, cell.second, color);
    SavedColors.clear();
    Selected = std::move(channels);
    for (const int channel : Selected)
        PaintSelected(channel);
    grid->EndUpdate();
    if (Selected.empty())
        Anchor = 0;
}

void TChannelRows::PaintSelected(int channel)
{
    TGrid* grid = Table->gvChs;
    const int row = channel + 1;
    const QColor highlight = Table->palette().color(QPalette::Highlight).lighter(170);
    for (int col = 1; col < grid->ColCount(); ++col) {
        SavedColors.push_back({{col, row}, grid->Color(col, row)});
        grid->SetColor(col, row, highlight);
    }
}

void TChannelRows::Copy()
{
    QGuiApplication::clipboard()->setText(ToQt(ExportChirpCsv(gAll, Channels(), '\t')));
}

// At the current row, or the first selected one; rows past the last channel are reported and dropped.
void TChannelRows::Paste()
{
    const std::string text = ToStd(QGuiApplication::clipboard()->text());
    const int first = Selected.empty() ? CurrentChannel() : *Selected.begin();
    const TCsvImport import = ImportChirpCsv(gAll, text, {GuessSeparator(text), true, first});
    if (!import.Error.empty() || !import.Notes.empty())
        ShowMessageBox(ToQt(gAll.AppTitle), Text(kPasteReport) + QStringLiteral("\n\n") + ToQt(CsvReportText(import)),
                       TMessageKind::Warning);
    if (import.Channels.empty())
        return;
    ApplyCsvImport(gAll, import, false);
    std::set<int> pasted;
    for (const TCsvChannel& channel : import.Channels)
        pasted.insert(channel.Location);
    Commit(RowOf(C::Paste).Step);
    SetSelection(std::move(pasted));
}

void TChannelRows::Clear(const char* caption)
{
    for (const int channel : Channels())
        PutChannel(gAll, channel, {});
    Commit(caption);
}

void TChannelRows::InsertRow()
{
    const int at = Channels().front();
    if (IsChannelUsed(gAll, gAll.ChannelCount) &&
        ShowMessageBox(ToQt(gAll.AppTitle), Text(kInsertDrops), TMessageKind::YesNo) != TAnswer::Yes)
        return;
    ReorderChannels(gAll, InsertRowOrder(gAll.ChannelCount, at));
    Commit(RowOf(C::InsertRow).Step);
    SetSelection({});
}

// From the last selected row up, so that each deletion leaves the rows still to delete where they are.
void TChannelRows::DeleteRows()
{
    const std::vector<int> channels = Channels();
    for (auto channel = channels.rbegin(); channel != channels.rend(); ++channel)
        ReorderChannels(gAll, DeleteRowOrder(gAll.ChannelCount, *channel));
    Commit(RowOf(C::DeleteRow).Step);
    SetSelection({});
}

// The selected rows move as one block from the first to the last of them; the selection moves with them.
void TChannelRows::Move(int step, const char* caption)
{
    const std::vector<int> channels = Channels();
    const TChannelOrder order = MoveBlockOrder(gAll.ChannelCount, channels.front(), channels.back(), step);
    if (order.empty())
        return;
    ReorderChannels(gAll, order);
    std::set<int> moved;
    for (int channel = channels.front(); channel <= channels.back(); ++channel)
        moved.insert(channel + step);
    Commit(caption);
    const int anchor = Anchor;
    SetSelection(std::move(moved));
    Anchor = anchor > 0 ? anchor + step : 0;
    TGrid* grid = Table->gvChs;
    grid->SetCurrentCell(std::max(grid->Col(), 2), Table->SelRow + step);
}

void TChannelRows::Commit(const std::string& caption)
{
    Table->LoadAllRows();
    RefreshViews(TRefresh::ChannelEditor);
    CommitEdit(caption);
}

QString TChannelRows::Text(const char* labelName) const
{
    return Table->findChild<QLabel*>(QString::fromLatin1(labelName))->text();
}

void AddChannelRowCommands(QMenu* menu, std::function<TChannelRows*()> rows)
{
    menu->addSeparator();
    for (const TRowCommandRow& row : RowCommands())
        QObject::connect(NewCommandAction(menu, row, row.MenuName), &QAction::triggered, menu,
                         [rows, command = row.Command] {
                             if (TChannelRows* open = rows())
                                 open->Run(command);
                         });
}

TChannelRows* ChannelRowsOf(QObject* table)
{
    return table ? table->findChild<TChannelRows*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}
