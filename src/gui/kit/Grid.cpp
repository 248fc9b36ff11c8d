// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/kit/Grid.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

// ---- The cells ----

class TGridModel : public QAbstractTableModel
{
  public:
    struct TCell {
        QString Text;
        QString Value;
        QString Tip;
        QColor Color;
        Qt::Alignment Align = Qt::AlignLeft | Qt::AlignVCenter;
        bool ReadOnly = false;
        int Lines = 0;
    };

    int Cols = 1;
    int Rows = 2;
    // The first grid column shown as a scrolling column: 2 when column 1 is frozen, else 1.
    int FirstCol = 1;
    int Batch = 0;
    bool Dirty = false;

    bool Valid(int col, int row) const { return col >= 0 && col < Cols && row >= 0 && row < Rows; }
    const TCell& At(int col, int row) const
    {
        static const TCell none;
        return Valid(col, row) ? Cells[static_cast<size_t>(row * Cols + col)] : none;
    }
    TCell* Edit(int col, int row) { return Valid(col, row) ? &Cells[static_cast<size_t>(row * Cols + col)] : nullptr; }

    void Reset(int cols, int rows, int firstCol)
    {
        beginResetModel();
        Cols = std::max(cols, firstCol);
        Rows = std::max(rows, 2);
        FirstCol = firstCol;
        Cells.assign(static_cast<size_t>(Cols * Rows), TCell());
        for (int c = 0; c < Cols; ++c)
            Cells[static_cast<size_t>(Cols + c)].Align = Qt::AlignCenter;
        endResetModel();
    }

    void Changed(int col, int row)
    {
        if (Batch > 0) {
            Dirty = true;
            return;
        }
        if (row >= 2 && col >= FirstCol) {
            const QModelIndex i = index(row - 2, col - FirstCol);
            emit dataChanged(i, i);
        } else if (row == 1 && col >= FirstCol) {
            emit headerDataChanged(Qt::Horizontal, col - FirstCol, col - FirstCol);
        } else if (row >= 2 && col == 1 && FirstCol == 2) {
            emit headerDataChanged(Qt::Vertical, row - 2, row - 2);
        }
    }

    void EndBatch()
    {
        if (--Batch > 0 || !Dirty)
            return;
        Dirty = false;
        if (rowCount() > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        if (columnCount() > 0)
            emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        if (rowCount() > 0)
            emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : Rows - 2; }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : Cols - FirstCol;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        return CellData(At(index.column() + FirstCol, index.row() + 2), role);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal)
            return role == Qt::BackgroundRole ? QVariant() : CellData(At(section + FirstCol, 1), role);
        if (FirstCol == 2)
            return CellData(At(1, section + 2), role);
        return QVariant();
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        return At(index.column() + FirstCol, index.row() + 2).ReadOnly ? flags : flags | Qt::ItemIsEditable;
    }

  private:
    static QVariant CellData(const TCell& cell, int role)
    {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return cell.Text;
        case Qt::TextAlignmentRole:
            return static_cast<int>(cell.Align);
        case Qt::ToolTipRole:
            return cell.Tip.isEmpty() ? QVariant() : QVariant(cell.Tip);
        case Qt::BackgroundRole:
            return cell.Color.isValid() ? QVariant(QBrush(cell.Color)) : QVariant();
        default:
            return QVariant();
        }
    }

    std::vector<TCell> Cells;
};

// ---- Frozen title row and fixed column ----

namespace
{

// A title cell: a header section with its text wrapped at word breaks, so that a two-line title fits a
// narrow column.
void PaintTitle(QPainter* painter, const QWidget* widget, const QRect& rect, const QString& text,
                Qt::Alignment alignment, const QVariant& background)
{
    QStyleOptionHeader option;
    option.initFrom(widget);
    option.state = QStyle::State_Enabled | QStyle::State_Raised;
    option.palette.setCurrentColorGroup(QPalette::Active);
    option.rect = rect;
    option.position = QStyleOptionHeader::Middle;
    if (background.canConvert<QBrush>()) {
        option.palette.setBrush(QPalette::Button, background.value<QBrush>());
        option.palette.setBrush(QPalette::Window, background.value<QBrush>());
    }
    widget->style()->drawControl(QStyle::CE_HeaderSection, &option, painter, widget);
    painter->save();
    painter->setPen(option.palette.color(QPalette::Active, QPalette::ButtonText));
    painter->drawText(rect.adjusted(2, 1, -2, -1), static_cast<int>(alignment) | Qt::TextWordWrap, text);
    painter->restore();
}

// A header whose depth (height of the title row, width of the fixed column) is set by the grid.
class TGridHeader : public QHeaderView
{
  public:
    TGridHeader(Qt::Orientation orientation, QWidget* parent) : QHeaderView(orientation, parent)
    {
        setSectionsClickable(false);
        setHighlightSections(false);
        setDefaultAlignment(Qt::AlignCenter);
    }
    void SetDepth(int depth)
    {
        Depth = depth;
        updateGeometry();
    }
    QSize sizeHint() const override
    {
        const QSize hint = QHeaderView::sizeHint();
        return orientation() == Qt::Horizontal ? QSize(hint.width(), Depth) : QSize(Depth, hint.height());
    }

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override
    {
        const auto alignment = model()->headerData(section, orientation(), Qt::TextAlignmentRole).toInt();
        PaintTitle(painter, this, rect, model()->headerData(section, orientation(), Qt::DisplayRole).toString(),
                   Qt::Alignment(alignment), model()->headerData(section, orientation(), Qt::BackgroundRole));
    }

  private:
    int Depth = 20;
};

TGridHeader* HeaderOf(QHeaderView* header)
{
    return static_cast<TGridHeader*>(header);
}

} // namespace

// ---- In-place text editor and side lines ----

class TGridDelegate : public QStyledItemDelegate
{
  public:
    explicit TGridDelegate(TGrid* grid) : QStyledItemDelegate(grid), Grid(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        const int col = Grid->ColOf(index);
        const int row = Grid->RowOf(index);
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setAlignment(Grid->Alignment(col, row));
        editor->setContextMenuPolicy(Qt::NoContextMenu);
        editor->setAcceptDrops(false);
        editor->installEventFilter(Grid);
        editor->setProperty("gridCol", col);
        editor->setProperty("gridRow", row);
        if (Grid->Setup)
            Grid->Setup(col, row, editor);
        Grid->Editor = editor;
        return editor;
    }

    // The grid takes the typed text itself when the editor closes (TGrid::commitData).
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const int lines = Grid->Lines(Grid->ColOf(index), Grid->RowOf(index));
        if (lines == 0)
            return;
        painter->save();
        painter->setPen(Qt::black);
        if (lines & TGrid::kLineLeft)
            painter->drawLine(option.rect.topLeft(), option.rect.bottomLeft());
        if (lines & TGrid::kLineRight)
            painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->restore();
    }

  private:
    TGrid* Grid;
};

// ---- The grid ----

namespace
{

// The keys that open the current cell as a spreadsheet does: Enter, F2 and a typed character (which the opened
// editor or list then receives). Keys with Ctrl or Alt belong to the menus.
bool OpensCell(const QKeyEvent* key)
{
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_F2)
        return true;
    return !key->text().isEmpty() && key->text()[0].isPrint();
}

bool IsClipboardKey(const QKeyEvent* key)
{
    return key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Paste);
}

// Keys and the middle button (which pastes the X11 selection) that would reach the clipboard.
bool IsClipboardEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return IsClipboardKey(static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
    default:
        return false;
    }
}

} // namespace

TGrid::TGrid(QWidget* parent) : QTableView(parent), Model(std::make_unique<TGridModel>())
{
    setHorizontalHeader(new TGridHeader(Qt::Horizontal, this));
    setVerticalHeader(new TGridHeader(Qt::Vertical, this));
    setModel(Model.get());
    setItemDelegate(new TGridDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::DoubleClicked);
    setTabKeyNavigation(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
    setSortingEnabled(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setMinimumSectionSize(8);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(8);
    verticalHeader()->hide();
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] { HideOverlay(); });
    Corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (Corner)
        Corner->installEventFilter(this);
    SetTitleHeight(20);
    SetRowHeight(20);
    SetSize(1, 2);
}

TGrid::~TGrid()
{
    // The view must let go of the model before the model is destroyed.
    setModel(nullptr);
}

void TGrid::SetSize(int colCount, int rowCount)
{
    if (IsEditing())
        EndEdit();
    HideOverlay();
    Model->Reset(colCount, rowCount, Model->FirstCol);
    Widths.assign(static_cast<size_t>(Model->Cols), 64);
    Widths[0] = 0;
    ApplyColWidths();
}

int TGrid::ColCount() const
{
    return Model->Cols;
}

int TGrid::RowCount() const
{
    return Model->Rows;
}

void TGrid::SetFixedColumn(bool fixed)
{
    const int firstCol = fixed ? 2 : 1;
    if (firstCol == Model->FirstCol)
        return;
    Model->FirstCol = firstCol;
    SetSize(Model->Cols, Model->Rows);
    verticalHeader()->setVisible(fixed);
}

void TGrid::SetTitleHeight(int height)
{
    HeaderOf(horizontalHeader())->SetDepth(height);
}

void TGrid::SetRowHeight(int height)
{
    verticalHeader()->setDefaultSectionSize(height);
}

void TGrid::SetColWidth(int col, int width)
{
    if (col <= 0 || col >= Model->Cols)
        return;
    Widths[static_cast<size_t>(col)] = width;
    if (col >= Model->FirstCol)
        setColumnWidth(col - Model->FirstCol, width);
    else
        HeaderOf(verticalHeader())->SetDepth(width);
}

int TGrid::ColWidth(int col) const
{
    if (col >= Model->FirstCol && col < Model->Cols)
        return columnWidth(col - Model->FirstCol);
    return col > 0 && col < Model->Cols ? Widths[static_cast<size_t>(col)] : 0;
}

void TGrid::ApplyColWidths()
{
    for (int col = 1; col < Model->Cols; ++col)
        SetColWidth(col, Widths[static_cast<size_t>(col)]);
}

QString TGrid::Text(int col, int row) const
{
    return Model->At(col, row).Text;
}

void TGrid::SetText(int col, int row, const QString& text)
{
    if (auto* cell = Model->Edit(col, row); cell && cell->Text != text) {
        cell->Text = text;
        Model->Changed(col, row);
        if (col == 1 && row == 1 && Corner)
            Corner->update();
    }
}

QString TGrid::Value(int col, int row) const
{
    return Model->At(col, row).Value;
}

QString TGrid::Tip(int col, int row) const
{
    return Model->At(col, row).Tip;
}

void TGrid::SetTip(int col, int row, const QString& tip)
{
    if (auto* cell = Model->Edit(col, row))
        cell->Tip = tip;
}

void TGrid::SetValue(int col, int row, const QString& value)
{
    if (auto* cell = Model->Edit(col, row))
        cell->Value = value;
}

bool TGrid::ReadOnly(int col, int row) const
{
    return Model->At(col, row).ReadOnly;
}

void TGrid::SetReadOnly(int col, int row, bool readOnly)
{
    if (auto* cell = Model->Edit(col, row))
        cell->ReadOnly = readOnly;
}

Qt::Alignment TGrid::Alignment(int col, int row) const
{
    return Model->At(col, row).Align;
}

void TGrid::SetAlignment(int col, int row, Qt::Alignment alignment)
{
    if (auto* cell = Model->Edit(col, row); cell && cell->Align != alignment) {
        cell->Align = alignment;
        Model->Changed(col, row);
    }
}

QColor RowTint(const QPalette& palette)
{
    constexpr float kHighlightShare = 0.2F;
    const QColor base = palette.color(QPalette::Base);
    const QColor highlight = palette.color(QPalette::Highlight);
    const auto mix = [&](float a, float b) { return a + (b - a) * kHighlightShare; };
    return QColor::fromRgbF(mix(base.redF(), highlight.redF()), mix(base.greenF(), highlight.greenF()),
                            mix(base.blueF(), highlight.blueF()));
}

QColor TGrid::Color(int col, int row) const
{
    return Model->At(col, row).Color;
}

void TGrid::SetColor(int col, int row, const QColor& color)
{
    if (auto* cell = Model->Edit(col, row); cell && cell->Color != color) {
        cell->Color = color;
        Model->Changed(col, row);
    }
}

int TGrid::Lines(int col, int row) const
{
    return Model->At(col, row).Lines;
}

void TGrid::SetLines(int col, int row, int lines)
{
    if (auto* cell = Model->Edit(col, row); cell && cell->Lines != lines) {
        cell->Lines = lines;
        Model->Changed(col, row);
    }
}

void TGrid::BeginUpdate()
{
    ++Model->Batch;
}

void TGrid::EndUpdate()
{
    if (Model->Batch > 0)
        Model->EndBatch();
}

QModelIndex TGrid::IndexOf(int col, int row) const
{
    return Model->index(row - 2, col - Model->FirstCol);
}

int TGrid::ColOf(const QModelIndex& index) const
{
    return index.isValid() ? index.column() + Model->FirstCol : 0;
}

int TGrid::RowOf(const QModelIndex& index) const
{
    return index.isValid() ? index.row() + 2 : 0;
}

int TGrid::Col() const
{
    return ColOf(currentIndex());
}

int TGrid::Row() const
{
    return RowOf(currentIndex());
}

void TGrid::SetCurrentCell(int col, int row)
{
    const QModelIndex index = IndexOf(col, row);
    if (index.isValid())
        setCurrentIndex(index);
}

QRect TGrid::CellRect(int col, int row) const
{
    const QModelIndex index = IndexOf(col, row);
    if (!index.isValid())
        return QRect();
    const QRect rect = visualRect(index);
    return QRect(viewport()->mapTo(this, rect.topLeft()), rect.size());
}

bool TGrid::EditCell(int col, int row)
{
    const QModelIndex index = IndexOf(col, row);
    if (!index.isValid())
        return false;
    if (IsEditing())
        EndEdit();
    setCurrentIndex(index);
    return edit(index, QAbstractItemView::AllEditTriggers, nullptr);
}

void TGrid::EndEdit()
{
    if (IsEditing() && Editor) {
        QWidget* editor = Editor;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

bool TGrid::IsEditing() const
{
    return state() == QAbstractItemView::EditingState;
}

void TGrid::SetEditorSetup(std::function<void(int col, int row, QLineEdit* editor)> setup)
{
    Setup = std::move(setup);
}

void TGrid::keyboardSearch(const QString&) {}

void TGrid::PlaceOverCell(QWidget* widget, int col, int row)
{
    HideOverlay();
    scrollTo(IndexOf(col, row));
    const QRect cell = CellRect(col, row);
    if (cell.isEmpty())
        return;
    QWidget* parent = widget->parentWidget();
    const QPoint topLeft = parent ? parent->mapFromGlobal(mapToGlobal(cell.topLeft())) : cell.topLeft();
    widget->setGeometry(QRect(topLeft, QSize(ColWidth(col), cell.height())));
    widget->show();
    widget->raise();
    widget->setFocus();
    Overlay = widget;
}

void TGrid::HideOverlay()
{
    if (!Overlay || !Overlay->isVisible())
        return;
    QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == Overlay || Overlay->isAncestorOf(focus)))
        setFocus();
    Overlay->hide();
}

void TGrid::keyPressEvent(QKeyEvent* event)
{
    // The grid has no clipboard commands.
    if (IsClipboardKey(event)) {
        event->accept();
        return;
    }
    const QModelIndex current = currentIndex();
    if (current.isValid() && !IsEditing() && OpensCell(event)) {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (!ReadOnly(ColOf(current), RowOf(current))) {
            // F2 and typed characters open the text editor the usual way; Enter opens it with the text selected.
            if (enter)
                EditCell(ColOf(current), RowOf(current));
            else
                QTableView::keyPressEvent(event);
            return;
        }
        const bool typed = !enter && event->key() != Qt::Key_F2;
        emit CellOpened(ColOf(current), RowOf(current), typed ? event->text() : QString());
        return;
    }
    QTableView::keyPressEvent(event);
}

void TGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (pressed.isValid() && ReadOnly(ColOf(pressed), RowOf(pressed))) {
        emit CellOpened(ColOf(pressed), RowOf(pressed), QString());
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void TGrid::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex pressed = indexAt(event->position().toPoint());
    QTableView::mousePressEvent(event);
    if (pressed.isValid() && pressed == currentIndex())
        emit CellPressed(ColOf(pressed), RowOf(pressed));
}

void TGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        emit CellSelected(ColOf(current), RowOf(current));
}

void TGrid::commitData(QWidget* editor)
{
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line)
        return;
    HasPending = true;
    PendingText = line->text();
    PendingCol = line->property("gridCol").toInt();
    PendingRow = line->property("gridRow").toInt();
}

// Enter, Tab and Shift+Tab end the edit and move the cell cursor as a spreadsheet does (down, right, left) without
// opening the next cell, so that a column of frequencies can be typed one after the other.
void TGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor,
                            hint == QAbstractItemDelegate::RevertModelCache ? hint : QAbstractItemDelegate::NoHint);
    if (!HasPending)
        return;
    // Told only now, with the editor gone, so that a message box shown by the receiver cannot end the
    // same edit a second time.
    HasPending = false;
    if (PendingText != Text(PendingCol, PendingRow)) {
        SetText(PendingCol, PendingRow, PendingText);
        emit EditEnded(PendingCol, PendingRow, PendingText);
    }
    MoveAfterEdit(hint);
}

void TGrid::MoveAfterEdit(QAbstractItemDelegate::EndEditHint hint)
{
    CursorAction move = MoveDown;
    if (hint == QAbstractItemDelegate::EditNextItem)
        move = MoveNext;
    else if (hint == QAbstractItemDelegate::EditPreviousItem)
        move = MovePrevious;
    else if (hint != QAbstractItemDelegate::SubmitModelCache)
        return;
    const QModelIndex next = moveCursor(move, Qt::NoModifier);
    if (next.isValid())
        setCurrentIndex(next);
}

void TGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    HideOverlay();
}

bool TGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Corner && event->type() == QEvent::Paint) {
        PaintCorner();
        return true;
    }
    if (watched == Editor && IsClipboardEvent(event))
        return true;
    return QTableView::eventFilter(watched, event);
}

// The corner above the fixed column shows that column's title.
void TGrid::PaintCorner()
{
    QPainter painter(Corner);
    PaintTitle(&painter, Corner, Corner->rect(), Text(1, 1), Alignment(1, 1), QVariant());
}
