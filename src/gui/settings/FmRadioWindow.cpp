// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/settings/FmRadioWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>

#include "core/files/StartUp.h"
#include "core/model/FmCodec.h"
#include "core/model/Numbers.h"
#include "core/model/SettingTexts.h"
#include "gui/kit/FormKit.h"
#include "gui/kit/Grid.h"
#include "gui/kit/MessageBox.h"

namespace
{
constexpr int kMemoryCount = 25;
constexpr int kGridCols = 7;
constexpr int kGridRows = 12;
constexpr int kFirstDataRow = 2;
constexpr int kRowsPerPair = 10;
constexpr int kMaxFreqLength = 9;
constexpr int kNumberWidth = 50;
constexpr int kFreqWidth = 100;
constexpr int kTitleHeight = 23;

// The FM channel a frequency cell holds (column 2, 4 or 6; rows 2 to 11): 0 for a cell with no channel.
int ChannelOf(int col, int row)
{
    const int channel = (col / 2 - 1) * kRowsPerPair + row - 1;
    return channel <= kMemoryCount ? channel : 0;
}

// What a frequency shows: the decoded value, or nothing for an empty memory.
QString FmText(int channel)
{
    const double mhz = DecodeFmChannel(gAll, channel);
    return mhz > 0 ? QString::fromStdString(FormatFreq(mhz)) : QString();
}

// Stores a typed frequency and returns the text to show. A text that is no number is refused with a message
// before anything is written, so the channel keeps its value and its empty mark.
std::optional<QString> StoreFmText(int channel, const QString& typed)
{
    const std::string text = typed.trimmed().toStdString();
    if (!text.empty() && !TryParseDouble(text)) {
        ShowMessageBox(QString::fromStdString(gAll.AppTitle), QString::fromUtf8(ConversionError(text).what()),
                       TMessageKind::Warning);
        return std::nullopt;
    }
    return QString::fromStdString(SetFmChannel(gAll, channel, text));
}

QLineEdit* BoundBox(QWidget* parent, const char* name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(70);
    return box;
}
} // namespace

TFmRadioWindow::TFmRadioWindow(QWidget* parent) : TSettingsWindow(parent)
{
    setObjectName(QStringLiteral("fFmFun"));
    setWindowTitle(ToQt(SettingsWindowTitle(objectName().toStdString())));
    auto* layout = new QGridLayout(this);
    pcFm = new QTabWidget(this);
    pcFm->setObjectName(QStringLiteral("pcFm"));
    pcFm->addTab(BuildInformationPage(), QStringLiteral("Information"));
    pcFm->addTab(BuildChannelPage(), QStringLiteral("Memory Channel"));
    layout->addWidget(pcFm, 0, 0, 1, 2);
    layout->addWidget(AddCloseButton(), 1, 1, Qt::AlignRight);
}

QWidget* TFmRadioWindow::BuildInformationPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("cxtbBase"));
    auto* grid = new QGridLayout(page);
    QLabel* rxLabel = AddLabel(grid, 0, 0, "L0", QStringLiteral("Freq. Channel[MHz]"));
    cxRx = new QLineEdit(page);
    rxLabel->setBuddy(cxRx);
    cxRx->setObjectName(QStringLiteral("cxRx"));
    cxRx->setAlignment(Qt::AlignRight);
    cxRx->setMaxLength(kMaxFreqLength);
    TKeyFilter::Install(cxRx, TKeyFilter::Frequency);
    grid->addWidget(cxRx, 0, 1, 1, 3);
    cxStep = AddSetting(grid, 1, 0, TSetting::FmStep);
    grid->removeWidget(cxStep);
    grid->addWidget(cxStep, 1, 1, 1, 3);
    cxFmDw = NewSettingCheck(page, TSetting::FmReceiverOn);
    grid->addWidget(cxFmDw, 2, 0, 1, 4);
    AddLabel(grid, 3, 0, "L6", QStringLiteral("FM Scan Range[MHz]"));
    cxFM_Min = BoundBox(page, "cxFM_Min");
    grid->addWidget(cxFM_Min, 3, 1);
    cxLine = new QLineEdit(QStringLiteral("-------"), page);
    cxLine->setObjectName(QStringLiteral("cxLine"));
    cxLine->setReadOnly(true);
    cxLine->setEnabled(false);
    cxLine->setAlignment(Qt::AlignCenter);
    cxLine->setFrame(false);
    cxLine->setStyleSheet(QStringLiteral("color: red; background: transparent"));
    cxLine->setMaximumWidth(50);
    grid->addWidget(cxLine, 3, 2);
    cxFM_Max = BoundBox(page, "cxFM_Max");
    grid->addWidget(cxFM_Max, 3, 3);

    connect(cxRx, &QLineEdit::textEdited, this, [this] { RxTyped = true; });
    // Only a typed frequency is stored: leaving the box untouched must not store the text it shows.
    connect(cxRx, &QLineEdit::editingFinished, this, [this] {
        if (RxTyped)
            cxRxChange();
    });
    connect(cxStep, &QComboBox::currentIndexChanged, this, [this] { SettingChanged(cxStep); });
    connect(cxFmDw, &QCheckBox::toggled, this, [this] { SettingChanged(cxFmDw); });
    return page;
}

QWidget* TFmRadioWindow::BuildChannelPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("cxChannel"));
    auto* layout = new QVBoxLayout(page);
    // The grid's titles come from these two labels, so that the language file reaches them.
    LNo = new QLabel(QStringLiteral("No."), page);
    LNo->setObjectName(QStringLiteral("LNo"));
    LNo->hide();
    const TSettingRow& frequencies = SettingRow(TSetting::FmFrequencies);
    LFreq = new QLabel(ToQt(frequencies.Caption), page);
    LFreq->setObjectName(ToQt(frequencies.LabelName));
    LFreq->hide();
    gvData = new TGrid(page);
    gvData->setObjectName(ToQt(frequencies.ControlName));
    layout->addWidget(gvData);
    // Sized for all three column pairs and ten rows before the window takes its size in the document area.
    const int frame = 2 * gvData->frameWidth();
    gvData->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gvData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gvData->setMinimumSize(3 * (kNumberWidth + kFreqWidth) + frame,
                           kTitleHeight + kRowsPerPair * gvData->verticalHeader()->defaultSectionSize() + frame);
    gvData->SetEditorSetup([](int, int, QLineEdit* editor) {
        editor->setMaxLength(kMaxFreqLength);
        TKeyFilter::Install(editor, TKeyFilter::Frequency);
    });
    connect(gvData, &TGrid::CellPressed, this, &TFmRadioWindow::gvDataPressed);
    connect(gvData, &TGrid::EditEnded, this, &TFmRadioWindow::gvDataEditEnded);
    return page;
}

void TFmRadioWindow::Fill()
{
    BuildFmGrid();
    LoadFmSettings();
}

void TFmRadioWindow::Load()
{
    LoadFmSettings();
}

void TFmRadioWindow::BuildFmGrid()
{
    const QColor face = palette().color(QPalette::Button);
    gvData->BeginUpdate();
    gvData->SetSize(kGridCols, kGridRows);
    gvData->SetTitleHeight(kTitleHeight);
    for (int c = 1; c < kGridCols; ++c) {
        const bool number = c % 2 == 1;
        gvData->SetColWidth(c, number ? kNumberWidth : kFreqWidth);
        gvData->SetText(c, 1, number ? LNo->text() : LFreq->text());
        for (int r = kFirstDataRow; r < kGridRows; ++r) {
            const int channel = ChannelOf(c + (number ? 1 : 0), r);
            gvData->SetAlignment(c, r, number ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            gvData->SetLines(c, r, TGrid::kLineRight);
            if (number) {
                gvData->SetColor(c, r, face);
                gvData->SetText(c, r, channel ? QString::number(channel) : QString());
            }
            gvData->SetReadOnly(c, r, number || channel == 0);
        }
    }
    gvData->EndUpdate();
}

void TFmRadioWindow::LoadFmChannels()
{
    RxGuard = true;
    cxRx->setText(QString::fromStdString(FormatFreq(DecodeFmChannel(gAll, kFmCurrent))));
    RxTyped = false;
    RxGuard = false;
    gvData->BeginUpdate();
    for (int c = 2; c < kGridCols; c += 2)
        for (int r = kFirstDataRow; r < kGridRows; ++r)
            if (const int channel = ChannelOf(c, r))
                gvData->SetText(c, r, FmText(channel));
    gvData->EndUpdate();
}

void TFmRadioWindow::LoadFmSettings()
{
    LoadFmChannels();
    LoadLists();
    LoadCheck(cxFmDw, TSetting::FmReceiverOn);
    cxFM_Min->setText(QString::fromStdString(FormatFixed(gAll.FmMinLimit, 3)));
    cxFM_Max->setText(QString::fromStdString(FormatFixed(gAll.FmMaxLimit, 3)));
}

void TFmRadioWindow::StoreFmSettings()
{
    StoreLists();
    StoreCheck(cxFmDw, TSetting::FmReceiverOn);
}

void TFmRadioWindow::SettingChanged(const QWidget* changed)
{
    if (Loading)
        return;
    StoreFmSettings();
    CommitControlEdit(changed);
}

void TFmRadioWindow::cxRxChange()
{
    if (Loading || RxGuard)
        return;
    RxGuard = true;
    const std::optional<QString> shown = StoreFmText(kFmCurrent, cxRx->text());
    cxRx->setText(shown ? *shown : QString::fromStdString(FormatFreq(DecodeFmChannel(gAll, kFmCurrent))));
    RxTyped = false;
    RxGuard = false;
    CommitControlEdit(cxRx);
}

void TFmRadioWindow::FormDeactivate()
{
    gvData->EndEdit();
    if (RxTyped)
        cxRxChange();
}

// A press on a channel's number or frequency cell edits its frequency; cells of channels 26 onward have
// neither a number nor an editor.
void TFmRadioWindow::gvDataPressed(int col, int row)
{
    const int numberCol = col % 2 == 1 ? col : col - 1;
    if (numberCol < 1 || gvData->Text(numberCol, row).isEmpty())
        return;
    if (col != numberCol + 1)
        gvData->SetCurrentCell(numberCol + 1, row);
    gvData->EditCell(numberCol + 1, row);
}

void TFmRadioWindow::gvDataEditEnded(int col, int row, const QString& text)
{
    const int channel = ChannelOf(col, row);
    if (channel == 0)
        return;
    const std::optional<QString> shown = StoreFmText(channel, text);
    gvData->SetText(col, row, shown ? *shown : FmText(channel));
    CommitFieldEdit(QStringLiteral("FM ") + ChannelStepName(channel) + u' ' + StepFieldName(LFreq->text()));
}
