// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/ChannelTableWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/ChannelFields.h"
#include "core/model/Encodings.h"
#include "core/model/Numbers.h"
#include "core/model/Views.h"
#include "gui/channels/ChannelControls.h"
#include "gui/channels/ChannelRows.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/CellList.h"
#include "gui/kit/EditSteps.h"
#include "gui/kit/Grid.h"

namespace
{

using F = TChannelField;

// The column definitions are ColShow rows 1 to 20, row n for channel field n, built from ChannelFieldTable.
// Key "F-A-K": F show flag (S shown, N not), A alignment (L, M, R), K kind (N number, R typed in every row,
// T and E typed in rows in use, S chosen from a list, O read-only, M "more"). Value "width@title", "|"
// breaking the title. Language files may change the values, never the keys.
constexpr int kTitleHeight = 35;
constexpr int kRowHeight = 20;

QString BuiltInColumnValue(const TChannelFieldRow& row)
{
    return QStringLiteral("%1@%2").arg(row.ColumnWidth, 3, 10, QChar(u'0')).arg(QString::fromLatin1(row.ColumnTitle));
}

// Splits "width@title"; a width that is not a number keeps the built-in width of the column.
std::pair<int, QString> ParseColumnValue(const QString& value, TChannelField field)
{
    const int at = value.indexOf(u'@');
    const auto width = TryParseInt(value.left(std::max(at, 0)).toStdString());
    QString title = value.mid(at + 1);
    title.replace(u'|', u'\n');
    return {width && *width >= 0 && *width <= 2000 ? static_cast<int>(*width) : FieldRow(field).ColumnWidth, title};
}

TKeyFilter::TMode KeyFilterOf(TFieldKind kind)
{
    switch (kind) {
    case TFieldKind::NameText:
        return TKeyFilter::Name;
    case TFieldKind::DtmfCode:
        return TKeyFilter::Digits;
    default:
        return TKeyFilter::Frequency;
    }
}

Qt::Alignment AlignmentOf(QChar letter)
{
    if (letter == u'M')
        return Qt::AlignCenter;
    return (letter == u'R' ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

QString TrimRight(QString text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

} // namespace

TChannelTableWindow::TChannelTableWindow(QWidget* parent) : TEditorWindow(parent)
{
    setObjectName(QStringLiteral("fChsInfo"));
    setWindowTitle(QStringLiteral("Memory Channel"));
    setWindowFlags(Qt::FramelessWindowHint);
    BuildColShow();
    gvChs = new TGrid(this);
    gvChs->setObjectName(QStringLiteral("gvChs"));
    gvChs->SetFixedColumn(true);
    gvChs->SetRowHeight(kRowHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gvChs);
    lNone = NewLabel(this, "lNone", "None");
    lNone->hide();
    BuildLists();
    connect(gvChs, &TGrid::CellPressed, this, &TChannelTableWindow::gvChsMouseDown);
    connect(gvChs, &TGrid::CellSelected, this, &TChannelTableWindow::gvChsSelectCell);
    connect(gvChs, &TGrid::EditEnded, this, &TChannelTableWindow::gvChsSetForeText);
    gvChs->SetEditorSetup([this](int col, int row, QLineEdit* editor) { gvChsKeyPress(col, row, editor); });
    // Row selection, the clipboard and the row commands watch the grid themselves.
    new TChannelRows(this);
    resize(1035, 600);
}

void TChannelTableWindow::BuildColShow()
{
    ColShow = new QTableWidget(kChannelFieldCount, 2, this);
    ColShow->setObjectName(QStringLiteral("ColShow"));
    ColShow->setProperty("keyValueList", true);
    for (const TChannelFieldRow& row : ChannelFieldTable()) {
        const int r = FieldNumber(row.Field) - 1;
        ColShow->setItem(r, 0, new QTableWidgetItem(QString::fromLatin1(row.ColumnKey)));
        ColShow->setItem(r, 1, new QTableWidgetItem(BuiltInColumnValue(row)));
    }
    ColShow->hide();
}

TCellList* TChannelTableWindow::NewCellList(TChannelField field)
{
    const TChannelFieldRow& row = FieldRow(field);
    auto* list = new TCellList(QString::fromLatin1(row.ListName), ToQtList(row.Items), false, this);
    connect(list, &QComboBox::currentIndexChanged, this, [this, list] { ComBoxSetData(list); });
    connect(list, &TCellList::Finished, this, &TChannelTableWindow::ComBoxExit);
    return list;
}

void TChannelTableWindow::BuildLists()
{
    cxYnSw = NewCellList(F::Vox);
    cxBand = NewCellList(F::Bandwidth);
    cxTail = NewCellList(F::Tail);
    cxScan = NewCellList(F::ScanAdd);
    cxDcts = new TCellList(QString::fromLatin1(FieldRow(F::RxTone).ListName), ToQtList(ToneList()), true, this);
    cxDcts->setProperty("tag", -3);
    // Typed keys reach the list itself, which hands them to its line edit past that edit's own filters.
    cxDcts->installEventFilter(new TKeyFilter(TKeyFilter::Tone, cxDcts));
    connect(cxDcts, &QComboBox::editTextChanged, this, [this] { ComBoxSetData(cxDcts); });
    // A tone is stored as it is typed and becomes one undo step when the typing ends (Enter or leaving the
    // list); a tone picked from the list is a step at once.
    connect(cxDcts, &QComboBox::activated, this, &TChannelTableWindow::CommitToneEdit);
    connect(cxDcts->lineEdit(), &QLineEdit::editingFinished, this, &TChannelTableWindow::CommitToneEdit);
    connect(cxDcts, &TCellList::Finished, this, &TChannelTableWindow::ComBoxExit);
    cxPwrv = NewCellList(F::Power);
    cxBclo = NewCellList(F::BusyLock);
    cxAnis = NewCellList(F::Ani);
    cxApro = NewCellList(F::VoiceMode);
    cxDups = NewCellList(F::Duplex);
    cxPtts = NewCellList(F::PttId);
    // On the form with the other lists but used by no column.
    cxNySw = new TCellList(QStringLiteral("cxNySw"), {QStringLiteral("No"), QStringLiteral("Yes")}, false, this);
    // Fields may share a list (reverse and VOX, the two tones): each finds its own by name.
    for (const TChannelFieldRow& row : ChannelFieldTable())
        if (row.ListName)
            FieldLists[static_cast<size_t>(FieldNumber(row.Field))] =
                findChild<TCellList*>(QString::fromLatin1(row.ListName), Qt::FindDirectChildrenOnly);
}

void TChannelTableWindow::showEvent(QShowEvent* event)
{
    TEditorWindow::showEvent(event);
    if (!event->spontaneous() && !Shown) {
        Shown = true;
        FormShow();
    }
}

void TChannelTableWindow::FormShow()
{
    Loading = true;
    ApplyLanguage(this, false);
    lNone->setText(cxDcts->itemText(0));
    BuildGrid();
    MoveEditor(this);
    if (qobject_cast<QMdiSubWindow*>(parentWidget()) && parentWidget()->parentWidget())
        parentWidget()->parentWidget()->installEventFilter(this);
    LoadAllRows();
    gvChs->SetCurrentCell(2, 2);
    SelCol = 2;
    SelRow = 2;
    Loading = false;
}

void TChannelTableWindow::BuildGrid()
{
    ShownCount = 0;
    for (int r = 0; r < kChannelFieldCount; ++r)
        ShownCount += ColShow->item(r, 0)->text().startsWith(u'S') ? 1 : 0;
    const int rows = gAll.ChannelCount + 2;
    gvChs->BeginUpdate();
    gvChs->SetSize(ShownCount + 1, rows);
    gvChs->SetTitleHeight(kTitleHeight);
    for (int c = 0; c <= ShownCount; ++c)
        for (int r = 0; r < rows; ++r)
            gvChs->SetReadOnly(c, r, true);
    const QColor tip = palette().color(QPalette::ToolTipBase);
    for (int n = 16; n <= gAll.ChannelCount; n += 16)
        for (int c = 1; c <= ShownCount; ++c)
            gvChs->SetColor(c, n + 1, tip);
    int col = 0;
    GridWidth = 50;
    for (const TChannelFieldRow& row : ChannelFieldTable()) {
        const int r = FieldNumber(row.Field) - 1;
        const QString key = ColShow->item(r, 0)->text();
        if (!key.startsWith(u'S'))
            continue;
        SetColumn(++col, row.Field, key, ColShow->item(r, 1)->text());
        GridWidth += gvChs->ColWidth(col);
    }
    FitWindow();
    gvChs->EndUpdate();
}

void TChannelTableWindow::SetColumn(int col, TChannelField field, const QString& key, const QString& value)
{
    const auto [width, title] = ParseColumnValue(value, field);
    gvChs->SetColWidth(col, width);
    gvChs->SetText(col, 1, title);
    gvChs->SetText(col, 0, key);
    gvChs->SetValue(col, 0, QString::number(FieldNumber(field)));
    const Qt::Alignment alignment = AlignmentOf(key.size() > 2 ? key[2] : QChar(u'L'));
    for (int r = 2; r < gvChs->RowCount(); ++r)
        gvChs->SetAlignment(col, r, alignment);
    FillColumnCells(col, KindOf(col));
}

void TChannelTableWindow::FillColumnCells(int col, QChar kind)
{
    const QColor face = palette().color(QPalette::Button);
    for (int r = 2; r < gvChs->RowCount(); ++r) {
        if (kind == u'M' || kind == u'N')
            gvChs->SetColor(col, r, face);
        if (kind == u'N') {
            gvChs->SetLines(col, r, TGrid::kLineLeft | TGrid::kLineRight);
            gvChs->SetValue(col, r, QStringLiteral("0"));
            gvChs->SetText(col, r, QString::number(r - 1));
        } else if (kind == u'M') {
            gvChs->SetText(col, r, QStringLiteral(">>"));
        } else if (kind == u'R') {
            gvChs->SetReadOnly(col, r, false);
        }
    }
}

// The window is as wide as its columns and, in the document area, as high as there is room for below (20, 20),
// but never higher than its rows need. Having no border, it cannot be resized by hand, so it follows the
// document area's height.
void TChannelTableWindow::FitWindow()
{
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    int height = this->height();
    if (frame && frame->parentWidget())
        height = std::max(200, frame->parentWidget()->height() - 40);
    height = std::min(height, 15 + 25 * gAll.ChannelCount);
    if (frame)
        frame->resize(frame->size() - size() + QSize(GridWidth, height));
    resize(GridWidth, height);
}

bool TChannelTableWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && parentWidget() && watched == parentWidget()->parentWidget())
        FitWindow();
    return TEditorWindow::eventFilter(watched, event);
}

void TChannelTableWindow::LoadAllRows()
{
    gvChs->BeginUpdate();
    for (int channel = 1; channel <= gAll.ChannelCount; ++channel)
        LoadRow(channel);
    gvChs->EndUpdate();
}

void TChannelTableWindow::LoadRow(int channel)
{
    if (channel < 1 || channel > gAll.ChannelCount || channel + 1 >= gvChs->RowCount())
        return;
    gvChs->BeginUpdate();
    const bool inUse = DecodeChannel(gAll, channel, gChannel);
    for (int c = 1; c <= ShownCount; ++c)
        LoadCell(c, channel + 1, inUse);
    gvChs->EndUpdate();
}

void TChannelTableWindow::LoadCell(int col, int row, bool inUse)
{
    const QChar kind = KindOf(col);
    const bool typed = kind == u'T' || kind == u'E';
    if (typed)
        gvChs->SetReadOnly(col, row, !inUse);
    if (kind == u'N') {
        gvChs->SetValue(col, row, inUse ? QStringLiteral("1") : QStringLiteral("0"));
        return;
    }
    if (kind == u'M')
        return;
    QString text;
    QString value;
    if (inUse) {
        const TChannelField field = FieldOf(col);
        const TChannelFieldRow& fieldRow = FieldRow(field);
        switch (fieldRow.Kind) {
        case TFieldKind::Frequency: {
            // A negative frequency is a channel without a TX frequency.
            const double frequency = gChannel.*fieldRow.Frequency;
            text = frequency < 0 ? QString() : ToQt(FormatFreq(frequency));
            break;
        }
        case TFieldKind::Tone: {
            const std::string& tone = gChannel.*fieldRow.Text;
            text = tone.empty() ? lNone->text() : ToQt(tone);
            break;
        }
        case TFieldKind::NameText:
        case TFieldKind::DtmfCode:
            text = ToQt(gChannel.*fieldRow.Text);
            break;
        case TFieldKind::List:
            if (TCellList* list = ListOfField(field)) {
                const int index = ChannelListValue(gChannel, field);
                value = QString::number(index);
                text = list->itemText(index);
            }
            break;
        default:
            break;
        }
    }
    gvChs->SetText(col, row, text);
    gvChs->SetValue(col, row, value);
}

void TChannelTableWindow::Reload()
{
    LoadAllRows();
}

void TChannelTableWindow::ReloadChannel(int channel)
{
    LoadRow(channel);
}

// The field number in the hidden title row is read back here only; a cell outside the columns (the hidden title
// column) reads as the number column, which edits nothing.
std::pair<TChannelField, QString> TChannelTableWindow::ColumnField(int col) const
{
    return {FieldFromNumber(gvChs->Value(col, 0).toInt()).value_or(F::Number), gvChs->Text(col, 0)};
}

TChannelField TChannelTableWindow::FieldOf(int col) const
{
    return ColumnField(col).first;
}

QChar TChannelTableWindow::KindOf(int col) const
{
    const QString key = ColumnField(col).second;
    return key.size() > 4 ? key[4] : QChar(u'O');
}

int TChannelTableWindow::ChannelOf(int row) const
{
    return gvChs->Text(1, row).toInt();
}

bool TChannelTableWindow::InUse(int row) const
{
    return gvChs->Value(1, row) == QStringLiteral("1");
}

TCellList* TChannelTableWindow::ListOfField(TChannelField field) const
{
    return FieldLists[static_cast<size_t>(FieldNumber(field))];
}

void TChannelTableWindow::StoreCell(int row, int col)
{
    const TChannelField field = FieldOf(col);
    const QString display = gvChs->Text(col, row);
    std::string text;
    switch (FieldRow(field).Kind) {
    case TFieldKind::Frequency:
    case TFieldKind::NameText:
    case TFieldKind::DtmfCode:
        text = ToStd(display);
        break;
    case TFieldKind::Tone:
        text = display == lNone->text() ? std::string() : ToStd(display);
        break;
    case TFieldKind::List:
        text = ToStd(gvChs->Value(col, row));
        break;
    default:
        return;
    }
    const std::string shown = StoreChannelText(ChannelOf(row), field, text);
    if (field == F::IdCode)
        gvChs->SetText(col, row, ToQt(shown));
    RefreshViews(TRefresh::ChannelEditor);
}

void TChannelTableWindow::CreateChannel(int channel, const QString& text)
{
    ResetChannel(gAll, channel, ToStd(text));
    LoadRow(channel);
}

void TChannelTableWindow::DeleteChannel(int channel)
{
    StoreChannelText(channel, F::RxFrequency, std::string());
    LoadRow(channel);
}

void TChannelTableWindow::ShowCellList()
{
    if (!InUse(SelRow))
        return;
    if (TCellList* list = ListOfField(FieldOf(SelCol)))
        PlaceCellList(list, list == cxDcts);
}

void TChannelTableWindow::PlaceCellList(TCellList* list, bool presetByText)
{
    Placing = true;
    if (presetByText) {
        const QString text = gvChs->Text(SelCol, SelRow);
        list->setCurrentIndex(list->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
        list->setEditText(text);
    } else {
        const QString value = gvChs->Value(SelCol, SelRow);
        list->setCurrentIndex(value.isEmpty() ? 0 : value.toInt());
    }
    Placing = false;
    gvChs->PlaceOverCell(list, SelCol, SelRow);
    // What is typed replaces the tone shown, as it does in a text cell.
    if (list->isEditable())
        list->lineEdit()->selectAll();
}

void TChannelTableWindow::ComBoxSetData(TCellList* list)
{
    if (Loading || Placing || !list->isVisible())
        return;
    QString text = list->currentText();
    if (list == cxDcts) {
        if (text.isEmpty() || text == lNone->text())
            text = lNone->text();
        else
            text = ToQt(NormalizeToneText(ToStd(text)));
    } else {
        gvChs->SetValue(SelCol, SelRow, QString::number(list->currentIndex()));
    }
    gvChs->SetText(SelCol, SelRow, text);
    StoreCell(SelRow, SelCol);
    if (list == cxDcts)
        ToneCell = {SelCol, SelRow};
    else
        CommitCellEdit(SelCol, SelRow);
}

void TChannelTableWindow::CommitToneEdit()
{
    if (const auto cell = std::exchange(ToneCell, std::nullopt))
        CommitCellEdit(cell->first, cell->second);
}

void TChannelTableWindow::CommitCellEdit(int col, int row)
{
    CommitFieldEdit(ChannelStepName(ChannelOf(row)) + u' ' + StepFieldName(gvChs->Text(col, 1)));
}

void TChannelTableWindow::ComBoxExit()
{
    gvChs->setFocus();
}

void TChannelTableWindow::FormDeactivate()
{
    for (TCellList* list : findChildren<TCellList*>()) {
        if (list->isVisible()) {
            gvChs->setFocus();
            list->hide();
        }
    }
    gvChs->EndEdit();
}

void TChannelTableWindow::gvChsSelectCell(int col, int row)
{
    SelCol = col;
    SelRow = row;
    if (Loading)
        return;
    ShowCellList();
    FollowChannel(row);
}

void TChannelTableWindow::gvChsMouseDown(int col, int row)
{
    switch (FieldOf(col)) {
    case F::RxFrequency:
        gvChs->EditCell(col, row);
        break;
    case F::TxFrequency:
    case F::Name:
    case F::IdCode:
        if (InUse(row))
            gvChs->EditCell(col, row);
        break;
    case F::More:
        OpenChannelEdit(row);
        return;
    default:
        ShowCellList();
        break;
    }
    FollowChannel(row);
}

void TChannelTableWindow::FollowChannel(int row)
{
    const int channel = ChannelOf(row);
    if (channel == gAll.CurrentChannel)
        return;
    gAll.CurrentChannel = channel;
    RefreshViews(TRefresh::ChannelEditor);
}

// The "More..." column is hidden by its definition; were it shown, a click opens the channel edit window
// on the row's channel.
void TChannelTableWindow::OpenChannelEdit(int row)
{
    gAll.CurrentChannel = ChannelOf(row);
    RefreshViews(TRefresh::ChannelEditor);
    ExecuteCommand(TCommand::ChannelEdit);
}

void TChannelTableWindow::gvChsKeyPress(int col, int, QLineEdit* editor)
{
    const TChannelFieldRow& row = FieldRow(FieldOf(col));
    if (row.TypedLength == 0)
        return;
    editor->setMaxLength(row.TypedLength);
    TKeyFilter::Install(editor, KeyFilterOf(row.Kind));
}

void TChannelTableWindow::gvChsSetForeText(int col, int row, const QString& text)
{
    switch (const TChannelField field = FieldOf(col)) {
    case F::RxFrequency:
        EndRxEdit(row, text);
        break;
    case F::TxFrequency:
        EndTxEdit(row, text);
        break;
    case F::Name:
    case F::IdCode:
        EndTextEdit(col, row, field, text);
        break;
    default:
        return;
    }
    CommitCellEdit(col, row);
}

void TChannelTableWindow::EndRxEdit(int row, const QString& text)
{
    const int channel = ChannelOf(row);
    if (text.isEmpty()) {
        DeleteChannel(channel);
        RefreshViews(TRefresh::ChannelEditor);
        return;
    }
    const auto checked = CheckedFreqText(ToStd(text));
    if (!checked) {
        LoadRow(channel);
        return;
    }
    const std::string shown = StoreChannelText(channel, F::RxFrequency, *checked);
    if (!InUse(row))
        CreateChannel(channel, ToQt(shown));
    else
        LoadRow(channel);
    RefreshViews(TRefresh::ChannelEditor);
}

void TChannelTableWindow::EndTxEdit(int row, const QString& text)
{
    const int channel = ChannelOf(row);
    std::string frequency;
    if (!text.trimmed().isEmpty()) {
        const auto checked = CheckedFreqText(ToStd(text.trimmed()));
        if (!checked) {
            LoadRow(channel);
            return;
        }
        frequency = *checked;
    }
    StoreChannelText(channel, F::TxFrequency, frequency);
    LoadRow(channel);
    RefreshViews(TRefresh::ChannelEditor);
}

void TChannelTableWindow::EndTextEdit(int col, int row, TChannelField field, const QString& text)
{
    gvChs->SetText(col, row, ToQt(StoreChannelText(ChannelOf(row), field, ToStd(TrimRight(text)))));
    RefreshViews(TRefresh::ChannelEditor);
}
