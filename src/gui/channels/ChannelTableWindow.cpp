#include "gui/channels/ChannelTableWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/ChannelFields.h"
#include "core/model/Encodings.h"
#include "core/model/Numbers.h"
#include "core/model/Views.h"
#include "gui/channels/ChannelControls.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/CellList.h"
#include "gui/kit/Grid.h"

namespace
{

// The column definitions: row n is channel field n. Key "F-A-K": F show flag (S shown, N not), A alignment
// (L, M, R), K kind (N number, R typed in every row, T and E typed in rows in use, S chosen from a list,
// O read-only, M "more"). Value "width@title", "|" breaking the title. Language files may change the values,
// never the keys.
struct TColumnDef {
    const char* Key;
    const char* Value;
};
constexpr TColumnDef kColShow[] = {
    {"S-M-N", "045@No."},           {"S-R-R", "080@RX Frequency"}, {"S-R-T", "080@TX Frequency"},
    {"N-R-O", "080@Dup Frequency"}, {"N-M-S", "070@Dup Way"},      {"S-R-S", "065@QT/DQT Dec"},
    {"S-R-S", "065@QT/DQT Enc"},    {"N-M-S", "060@Revs"},         {"S-M-S", "065@TX Power"},
    {"S-M-S", "065@W/N"},           {"S-M-S", "065@Scan Add"},     {"S-M-S", "065@Busy Lock"},
    {"S-M-S", "065@Vox"},           {"N-M-S", "065@Voice Mode"},   {"S-M-S", "065@Epilogue"},
    {"S-M-S", "065@PTT ID"},        {"S-M-S", "065@DTMF"},         {"S-M-E", "065@NAME"},
    {"S-M-E", "065@ID Code"},       {"N-M-M", "065@More..."},
};
constexpr int kFieldCount = static_cast<int>(std::size(kColShow));
constexpr int kTitleHeight = 35;
constexpr int kRowHeight = 20;

// Splits "width@title"; a width that is not a number keeps the built-in width of the column.
std::pair<int, QString> ParseColumnValue(const QString& value, int field)
{
    const QString builtIn = QString::fromLatin1(kColShow[field - 1].Value);
    const int builtInWidth = static_cast<int>(ParseInt(builtIn.left(builtIn.indexOf(u'@')).toStdString()));
    const int at = value.indexOf(u'@');
    const auto width = TryParseInt(value.left(std::max(at, 0)).toStdString());
    QString title = value.mid(at + 1);
    title.replace(u'|', u'\n');
    return {width && *width >= 0 && *width <= 2000 ? static_cast<int>(*width) : builtInWidth, title};
}

Qt::Alignment AlignmentOf(QChar letter)
{
    if (letter == u'M')
        return Qt::AlignCenter;
    return (letter == u'R' ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

QStringList ToQtList(const std::vector<std::string>& items)
{
    QStringList list;
    for (const std::string& item : items)
        list << ToQt(item);
    return list;
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
    resize(1035, 600);
}

void TChannelTableWindow::BuildColShow()
{
    ColShow = new QTableWidget(kFieldCount, 2, this);
    ColShow->setObjectName(QStringLiteral("ColShow"));
    ColShow->setProperty("keyValueList", true);
    for (int r = 0; r < kFieldCount; ++r) {
        ColShow->setItem(r, 0, new QTableWidgetItem(QString::fromLatin1(kColShow[r].Key)));
        ColShow->setItem(r, 1, new QTableWidgetItem(QString::fromLatin1(kColShow[r].Value)));
    }
    ColShow->hide();
}

TCellList* TChannelTableWindow::NewCellList(const char* name, int field)
{
    auto* list = new TCellList(QString::fromLatin1(name), ToQtList(BuiltInListItems(field)), false, this);
    connect(list, &QComboBox::currentIndexChanged, this, [this, list] { ComBoxSetData(list); });
    connect(list, &TCellList::Finished, this, &TChannelTableWindow::ComBoxExit);
    return list;
}

void TChannelTableWindow::BuildLists()
{
    cxYnSw = NewCellList("cxYnSw", 13);
    cxBand = NewCellList("cxBand", 10);
    cxTail = NewCellList("cxTail", 15);
    cxScan = NewCellList("cxScan", 11);
    cxDcts = new TCellList(QStringLiteral("cxDcts"), ToQtList(ToneList()), true, this);
    cxDcts->setProperty("tag", -3);
    // Typed keys reach the list itself, which hands them to its line edit past that edit's own filters.
    cxDcts->installEventFilter(new TKeyFilter(TKeyFilter::Tone, cxDcts));
    connect(cxDcts, &QComboBox::editTextChanged, this, [this] { ComBoxSetData(cxDcts); });
    connect(cxDcts, &TCellList::Finished, this, &TChannelTableWindow::ComBoxExit);
    cxPwrv = NewCellList("cxPwrv", 9);
    cxBclo = NewCellList("cxBclo", 12);
    cxAnis = NewCellList("cxAnis", 17);
    cxApro = NewCellList("cxApro", 14);
    cxDups = NewCellList("cxDups", 5);
    cxPtts = NewCellList("cxPtts", 16);
    // On the form with the other lists but used by no column.
    cxNySw = new TCellList(QStringLiteral("cxNySw"), {QStringLiteral("No"), QStringLiteral("Yes")}, false, this);
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
    for (int r = 0; r < kFieldCount; ++r)
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
    for (int r = 0; r < kFieldCount; ++r) {
        const QString key = ColShow->item(r, 0)->text();
        if (!key.startsWith(u'S'))
            continue;
        SetColumn(++col, r + 1, key, ColShow->item(r, 1)->text());
        GridWidth += gvChs->ColWidth(col);
    }
    FitWindow();
    gvChs->EndUpdate();
}

void TChannelTableWindow::SetColumn(int col, int field, const QString& key, const QString& value)
{
    const auto [width, title] = ParseColumnValue(value, field);
    gvChs->SetColWidth(col, width);
    gvChs->SetText(col, 1, title);
    gvChs->SetText(col, 0, key);
    gvChs->SetValue(col, 0, QString::number(field));
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
        const TChannel& channel = gChannel;
        switch (const int field = FieldOf(col)) {
        case 2:
            text = ToQt(FormatFreq(channel.RxFreq));
            break;
        case 3:
            text = channel.TxFreq < 0 ? QString() : ToQt(FormatFreq(channel.TxFreq));
            break;
        case 4:
            text = ToQt(FormatFreq(channel.Offset));
            break;
        case 6:
            text = channel.RxTone.empty() ? lNone->text() : ToQt(channel.RxTone);
            break;
        case 7:
            text = channel.TxTone.empty() ? lNone->text() : ToQt(channel.TxTone);
            break;
        case 18:
            text = ToQt(channel.Name);
            break;
        case 19:
            text = ToQt(channel.IdCode);
            break;
        default:
            if (TCellList* list = ListOfField(field)) {
                const int index = ChannelListValue(channel, field);
                value = QString::number(index);
                text = list->itemText(index);
            }
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

std::pair<int, QString> TChannelTableWindow::ColumnField(int col) const
{
    return {gvChs->Value(col, 0).toInt(), gvChs->Text(col, 0)};
}

int TChannelTableWindow::FieldOf(int col) const
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

TCellList* TChannelTableWindow::ListOfField(int field) const
{
    switch (field) {
    case 5:
        return cxDups;
    case 6:
    case 7:
        return cxDcts;
    case 8:
    case 13:
        return cxYnSw;
    case 9:
        return cxPwrv;
    case 10:
        return cxBand;
    case 11:
        return cxScan;
    case 12:
        return cxBclo;
    case 14:
        return cxApro;
    case 15:
        return cxTail;
    case 16:
        return cxPtts;
    case 17:
        return cxAnis;
    default:
        return nullptr;
    }
}

void TChannelTableWindow::StoreCell(int row, int col)
{
    const int field = FieldOf(col);
    const QString display = gvChs->Text(col, row);
    std::string text;
    switch (field) {
    case 2:
    case 3:
    case 4:
    case 18:
    case 19:
        text = ToStd(display);
        break;
    case 6:
    case 7:
        text = display == lNone->text() ? std::string() : ToStd(display);
        break;
    case 5:
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
    case 16:
    case 17:
        text = ToStd(gvChs->Value(col, row));
        break;
    default:
        return;
    }
    const std::string shown = StoreChannelText(ChannelOf(row), field, text);
    if (field == 19)
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
    StoreChannelText(channel, 2, std::string());
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
    gAll.Modified = true;
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
    case 2:
        gvChs->EditCell(col, row);
        break;
    case 3:
    case 18:
    case 19:
        if (InUse(row))
            gvChs->EditCell(col, row);
        break;
    case 20:
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
    switch (FieldOf(col)) {
    case 2:
    case 3:
        editor->setMaxLength(9);
        TKeyFilter::Install(editor, TKeyFilter::Frequency);
        break;
    case 18:
        editor->setMaxLength(7);
        TKeyFilter::Install(editor, TKeyFilter::Name);
        break;
    case 19:
        editor->setMaxLength(6);
        TKeyFilter::Install(editor, TKeyFilter::Digits);
        break;
    default:
        break;
    }
}

void TChannelTableWindow::gvChsSetForeText(int col, int row, const QString& text)
{
    gAll.Modified = true;
    switch (const int field = FieldOf(col)) {
    case 2:
        EndRxEdit(row, text);
        break;
    case 3:
        EndTxEdit(row, text);
        break;
    case 18:
    case 19:
        EndTextEdit(col, row, field, text);
        break;
    default:
        break;
    }
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
    const std::string shown = StoreChannelText(channel, 2, *checked);
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
    StoreChannelText(channel, 3, frequency);
    LoadRow(channel);
    RefreshViews(TRefresh::ChannelEditor);
}

void TChannelTableWindow::EndTextEdit(int col, int row, int field, const QString& text)
{
    gvChs->SetText(col, row, ToQt(StoreChannelText(ChannelOf(row), field, ToStd(TrimRight(text)))));
    RefreshViews(TRefresh::ChannelEditor);
}
