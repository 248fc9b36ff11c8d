// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/ChannelTableWindow.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/files/StartUp.h"
#include "core/files/TypedValues.h"
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
    connect(gvChs, &TGrid::CellOpened, this, &TChannelTableWindow::gvChsOpenCell);
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
    ColTip = new QTableWidget(kChannelFieldCount, 2, this);
    ColTip->setObjectName(QStringLiteral("ColTip"));
    ColTip->setProperty("keyValueList", true);
    for (const TChannelFieldRow& row : ChannelFieldTable()) {
        const int r = FieldNumber(row.Field) - 1;
        ColTip->setItem(r, 0, new QTableWidgetItem(QStringLiteral("ColTip")));
        ColTip->setItem(r, 1, new QTableWidgetItem(QString::fromUtf8(row.ColumnTip)));
    }
    ColTip->hide();
}

TCellList* TChannelTableWindow::NewCellList(TChannelField field)
{
    const TChannelFieldRow& row = FieldRow(field);
    auto* list = new TCellList(QString::fromLatin1(row.ListName), ToQtList(row.Items), false, this);
    connect(list, &QComboBox::currentIndexChanged, this, [this, list] { ComBoxSetData(list); });
    ConnectCellList(list);
    return list;
}

void TChannelTableWindow::ConnectCellList(TCellList* list)
{
    connect(list, &TCellList::Finished, this, &TChannelTableWindow::ComBoxExit);
    connect(list, &TCellList::Cancelled, this, &TChannelTableWindow::ComBoxExit);
    connect(list, &TCellList::Navigate, this, &TChannelTableWindow::ComBoxNavigate);
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
    // A typed tone is stored once, when it stands (Enter, a pick, leaving the list); Escape drops it.
    connect(cxDcts, &TCellList::Committed, this, &TChannelTableWindow::StoreTypedTone);
    ConnectCellList(cxDcts);
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
    const QColor tint = RowTint(palette());
    for (int n = 16; n <= gAll.ChannelCount; n += 16)
        for (int c = 1; c <= ShownCount; ++c)
            gvChs->SetColor(c, n + 1, tint);
    int col = 0;
    GridWidth = 50;
    for (const TChannelFieldRow& row : ChannelFieldTable()) {
        const int r = FieldNumber(row.Field) - 1;
        const QString key = ColShow->item(r, 0)->text();
        if (!key.startsWith(u'S'))
            continue;
        SetColumn(++col, row.Field, key, ColShow->item(r, 1)->text());
        gvChs->SetTip(col, 1, ColTip->item(r, 1)->text());
        GridWidth += gvChs->ColWidth(col);
    }
    FitWindow();
    gvChs->EndUpdate();
}

void TChannelTableWindow::SetColumn(int col, TChannelField field, const QString& key, const QString& value)
{
    const auto [width, title] = ParseColumnValue(value, field);
    gvChs->SetText(col, 1, title);
    gvChs->SetText(col, 0, key);
    gvChs->SetValue(col, 0, QString::number(FieldNumber(field)));
    const Qt::Alignment alignment = AlignmentOf(key.size() > 2 ? key[2] : QChar(u'L'));
    for (int r = 2; r < gvChs->RowCount(); ++r)
        gvChs->SetAlignment(col, r, alignment);
    FillColumnCells(col, KindOf(col));
    gvChs->SetColWidth(col, std::max(width, ContentWidth(col, field)));
}

// Wide enough for the title's longest line and the widest text the column can show: a full frequency, seven
// wide upper-case letters of a name, the longest item of its list.
int TChannelTableWindow::ContentWidth(int col, TChannelField field) const
{
    constexpr int kCellMargins = 12;
    const QFontMetrics metrics = gvChs->fontMetrics();
    QStringList texts = gvChs->Text(col, 1).split(u'\n');
    const TChannelFieldRow& row = FieldRow(field);
    if (row.Kind == TFieldKind::Frequency)
        texts << QStringLiteral("888.88888");
    else if (row.Kind == TFieldKind::NameText || row.Kind == TFieldKind::DtmfCode)
        texts << QString(row.TypedLength, row.Kind == TFieldKind::NameText ? u'W' : u'8');
    if (const TCellList* list = ListOfField(field))
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
    int width = 0;
    for (const QString& text : texts)
        width = std::max(width, metrics.horizontalAdvance(text));
    return width + kCellMargins;
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

// In the document area the table is the backdrop the editors open over: it fills the area and follows its size
// for as long as it is the only window there. With editors open it keeps its place, so that Cascade and Tile
// arrange it with them. (Not a maximised child: Qt maximises every window activated after a maximised one, and
// the editors would open covering the table.) Outside the document area it is as wide as its columns and never
// higher than its rows need.
void TChannelTableWindow::FitWindow()
{
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    QMdiArea* area = frame ? frame->mdiArea() : nullptr;
    if (!area) {
        resize(GridWidth, std::min(height(), 15 + 25 * gAll.ChannelCount));
        return;
    }
    if (area->subWindowList().size() <= 1)
        frame->setGeometry(area->viewport()->rect());
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

void TChannelTableWindow::ShowCellList(const QString& typed)
{
    if (!InUse(SelRow))
        return;
    TCellList* list = ListOfField(FieldOf(SelCol));
    if (!list)
        return;
    PlaceCellList(list, list == cxDcts);
    if (!list->isEditable()) {
        list->showPopup();
    } else if (!typed.isEmpty()) {
        // Through the list's own key filter, as if typed there.
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        QCoreApplication::sendEvent(list, &key);
    }
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
    gvChs->SetValue(SelCol, SelRow, QString::number(list->currentIndex()));
    gvChs->SetText(SelCol, SelRow, list->currentText());
    StoreCell(SelRow, SelCol);
    CommitCellEdit(SelCol, SelRow);
}

void TChannelTableWindow::StoreTypedTone()
{
    const QString typed = cxDcts->currentText().trimmed();
    const bool none = typed.isEmpty() || typed == lNone->text();
    const std::string tone = none ? std::string() : NormalizeToneText(ToStd(typed));
    if (Loading || !InUse(SelRow) || (tone.empty() ? lNone->text() : ToQt(tone)) == gvChs->Text(SelCol, SelRow))
        return;
    gvChs->SetText(SelCol, SelRow, tone.empty() ? lNone->text() : ToQt(tone));
    StoreCell(SelRow, SelCol);
    CommitCellEdit(SelCol, SelRow);
    if (const std::string note = ToneNote(gLanguage, none ? std::string() : ToStd(typed), tone); !note.empty())
        ShowNote(note);
}

void TChannelTableWindow::CommitCellEdit(int col, int row)
{
    CommitFieldEdit(ChannelStepName(ChannelOf(row)) + u' ' + StepFieldName(gvChs->Text(col, 1)));
}

void TChannelTableWindow::ComBoxExit()
{
    gvChs->setFocus();
}

// An arrow key, Tab or Page key on a closed list moves the cell cursor, as on any other cell.
void TChannelTableWindow::ComBoxNavigate(int key, Qt::KeyboardModifiers modifiers)
{
    gvChs->setFocus();
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(gvChs, &press);
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
    // Only moving: a list opens when asked to (Enter, F2, typing, a click), so that the cursor keys never
    // change a value on their way across the columns.
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

void TChannelTableWindow::gvChsOpenCell(int col, int row, const QString& typed)
{
    if (FieldOf(col) == F::More)
        return OpenChannelEdit(row);
    SelCol = col;
    SelRow = row;
    ShowCellList(typed);
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
    std::string note;
    switch (const TChannelField field = FieldOf(col)) {
    case F::RxFrequency:
        note = EndRxEdit(row, text);
        break;
    case F::TxFrequency:
        note = EndTxEdit(row, text);
        break;
    case F::Name:
    case F::IdCode:
        note = EndTextEdit(col, row, field, text);
        break;
    default:
        return;
    }
    CommitCellEdit(col, row);
    if (!note.empty())
        ShowNote(note);
}

std::string TChannelTableWindow::EndRxEdit(int row, const QString& text)
{
    const int channel = ChannelOf(row);
    if (text.isEmpty()) {
        DeleteChannel(channel);
        RefreshViews(TRefresh::ChannelEditor);
        return {};
    }
    // A refused frequency leaves the row as it was: no channel appears.
    const auto checked = CheckedFreqText(ToStd(text));
    if (!checked) {
        LoadRow(channel);
        return {};
    }
    std::string note;
    if (!InUse(row))
        CreateChannel(channel, ToQt(*checked));
    else
        note = StoreRxMovingTx(channel, *checked);
    LoadRow(channel);
    RefreshViews(TRefresh::ChannelEditor);
    return JoinNotes(FrequencyNote(gLanguage, gAll, ParseDouble(*checked)), note);
}

std::string TChannelTableWindow::EndTxEdit(int row, const QString& text)
{
    const int channel = ChannelOf(row);
    std::string frequency;
    if (!text.trimmed().isEmpty()) {
        const auto checked = CheckedFreqText(ToStd(text.trimmed()));
        if (!checked) {
            LoadRow(channel);
            return {};
        }
        frequency = *checked;
    }
    StoreChannelText(channel, F::TxFrequency, frequency);
    LoadRow(channel);
    RefreshViews(TRefresh::ChannelEditor);
    return frequency.empty() ? std::string() : FrequencyNote(gLanguage, gAll, ParseDouble(frequency));
}

std::string TChannelTableWindow::EndTextEdit(int col, int row, TChannelField field, const QString& text)
{
    const std::string typed = ToStd(TrimRight(text));
    const std::string stored = StoreChannelText(ChannelOf(row), field, typed);
    gvChs->SetText(col, row, ToQt(stored));
    RefreshViews(TRefresh::ChannelEditor);
    return field == F::Name ? NameNote(gLanguage, typed, stored) : std::string();
}
