// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/ModelWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/files/StartUp.h"
#include "core/model/Encodings.h"
#include "core/model/Numbers.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/DialogButtons.h"
#include "gui/kit/MessageBox.h"

namespace
{

// Rounding code of the 2.5 kHz grid that band edges are kept on.
constexpr int kBandEdgeGrid = 4;
constexpr std::array<uint8_t, 4> kBandBits = {0x01, 0x04, 0x10, 0x40};
// The design values the edits hold before a model is selected.
constexpr std::array<TBand, 4> kDesignEdges = {{{400.0, 520.0}, {134.0, 174.0}, {200.0, 260.0}, {320.0, 400.0}}};

bool BandPresent(uint8_t mask, int band)
{
    return ((mask >> (2 * band)) & 0x03) != 0;
}

QString FreqText(double mhz)
{
    return QString::fromStdString(FormatFixed(mhz, 5));
}

double NumberOf(const QString& text)
{
    return TryParseDouble(text.toStdString()).value_or(0.0);
}

double EditValue(const QLineEdit* edit)
{
    return NumberOf(edit->text());
}

void SetEditValue(QLineEdit* edit, double mhz)
{
    edit->setText(FreqText(mhz));
    edit->setModified(false);
}

// The limit an edit may not pass is kept in its hint.
double HintValue(const QWidget* edit)
{
    return NumberOf(edit->toolTip());
}

double RoundToBandGrid(double mhz)
{
    int code = kBandEdgeGrid;
    RoundToStep(gAll, mhz, code);
    return mhz;
}

// A band edge in the image: 32 bits of 10 Hz units whose top bit the radio does not use.
double ImageEdge(int offset)
{
    const auto& image = gAll.Image;
    const uint32_t units = ReadLe32(image[offset], image[offset + 1], image[offset + 2], image[offset + 3]);
    return (units & 0x7FFFFFFFu) / 100000.0;
}

} // namespace

TModelWindow::TModelWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fModel"));
    setWindowTitle(tr("Model Information"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* modelLine = new QHBoxLayout;
    Label1 = new QLabel(tr("Model Type"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    cxModel = new QComboBox(this);
    cxModel->setObjectName(QStringLiteral("cxModel"));
    cxModel->setProperty("tag", -2);
    cxModel->setMinimumWidth(160);
    modelLine->addWidget(Label1);
    modelLine->addWidget(cxModel, 1);
    layout->addLayout(modelLine);
    RadioGroup = new QButtonGroup(this);
    for (int band = 0; band < 4; ++band) {
        BuildRow(band);
        layout->addWidget(Rows[band].pRang);
    }
    lRang = new QLabel(tr("Freq. Range"), this);
    lRang->setObjectName(QStringLiteral("lRang"));
    lRang->hide();
    layout->addLayout(NewOkCancelRow(this, btnOk, btnCancel, true));
    connect(cxModel, &QComboBox::currentIndexChanged, this, [this] { cxModelChange(); });
    connect(btnOk, &QPushButton::clicked, this, &TModelWindow::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TModelWindow::BuildRow(int band)
{
    const QString n = QString::number(band + 1);
    TBandRow& row = Rows[band];
    row.pRang = new QWidget(this);
    row.pRang->setObjectName(QStringLiteral("pRang") + n);
    auto* line = new QGridLayout(row.pRang);
    line->setContentsMargins(0, 2, 0, 2);
    row.lFreq = new QLabel(tr("Freq. Range-") + n, row.pRang);
    row.lFreq->setObjectName(QStringLiteral("lFreq_") + n);
    row.lFreq->setMinimumWidth(90);
    const auto validator =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}(\\.\\d{0,5})?")), this);
    row.cxFreqL = new QLineEdit(FreqText(kDesignEdges[band].Low), row.pRang);
    row.cxFreqL->setObjectName(QStringLiteral("cxFreq_%1L").arg(n));
    row.cxFreqH = new QLineEdit(FreqText(kDesignEdges[band].High), row.pRang);
    row.cxFreqH->setObjectName(QStringLiteral("cxFreq_%1H").arg(n));
    for (QLineEdit* edit : {row.cxFreqL, row.cxFreqH}) {
        edit->setValidator(validator);
        edit->setAlignment(Qt::AlignRight);
        edit->setFixedWidth(90);
    }
    auto* separator = new QLabel(QStringLiteral("---"), row.pRang);
    row.cxUse = new QCheckBox(row.pRang);
    row.cxUse->setObjectName(QStringLiteral("cxUse_") + n);
    row.cxUse->setProperty("tag", band);
    row.cxSel = new QRadioButton(row.pRang);
    row.cxSel->setObjectName(QStringLiteral("cxSel_") + n);
    row.cxSel->setProperty("tag", band + 1);
    RadioGroup->addButton(row.cxSel);
    line->addWidget(row.lFreq, 0, 0);
    line->addWidget(row.cxFreqL, 0, 1);
    line->addWidget(separator, 0, 2);
    line->addWidget(row.cxFreqH, 0, 3);
    // The radio button takes the place of the use box when the model lets only one band be chosen.
    line->addWidget(row.cxUse, 0, 4);
    line->addWidget(row.cxSel, 0, 4);
    connect(row.cxUse, &QCheckBox::toggled, this, [this, band] { cxUseClick(band); });
    connect(row.cxSel, &QRadioButton::clicked, this, [this, band] { cxSelClick(band + 1); });
    connect(row.cxFreqL, &QLineEdit::editingFinished, this, [this, band] { LowEdited(band); });
    connect(row.cxFreqH, &QLineEdit::editingFinished, this, [this, band] { HighEdited(band); });
}

void TModelWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TModelWindow::FormShow()
{
    ApplyLanguage(this, false);
    std::vector<std::string> names;
    gMacList.FillNames(names);
    {
        const QSignalBlocker blocker(cxModel);
        cxModel->clear();
        for (const std::string& name : names)
            cxModel->addItem(QString::fromStdString(name));
        const int current = cxModel->findText(QString::fromStdString(gAll.ModelName));
        cxModel->setCurrentIndex(current < 0 ? 0 : current);
    }
    cxModelChange();
    Loading = true;
    LoadBandsFromImage();
    if (Rows[0].cxUse->isHidden()) {
        std::array<bool, 4> used{};
        for (int band = 0; band < 4; ++band)
            used[band] = Rows[band].cxUse->isChecked();
        CheckRadioOfFirstBand(used);
    }
    EnableEdits();
    OkResult = false;
    Loading = false;
}

void TModelWindow::LoadBandsFromImage()
{
    const uint8_t mask = gAll.Image[kModelIdent + 6];
    for (int band = 0; band < 4; ++band) {
        TBandRow& row = Rows[band];
        row.cxUse->setChecked(BandPresent(mask, band));
        if (!row.cxUse->isChecked())
            continue;
        SetEditValue(row.cxFreqL, ImageEdge(kBandBlock + 8 * band));
        SetEditValue(row.cxFreqH, ImageEdge(kBandBlock + 8 * band + 4));
    }
}

// One radio button at most can be on: the lowest band asked for wins, as if bands 4 to 1 were checked in turn.
void TModelWindow::CheckRadioOfFirstBand(const std::array<bool, 4>& wanted)
{
    RadioGroup->setExclusive(false);
    bool taken = false;
    for (int band = 0; band < 4; ++band) {
        Rows[band].cxSel->setChecked(wanted[band] && !taken);
        taken = taken || wanted[band];
    }
    RadioGroup->setExclusive(true);
}

void TModelWindow::cxModelChange()
{
    if (cxModel->currentText().isEmpty())
        return;
    Loading = true;
    Selected = gMacList.FindByName(cxModel->currentText().toStdString());
    if (!Selected) {
        Loading = false;
        return;
    }
    const uint8_t supported = Selected->SupportedBands;
    const uint8_t defaults = Selected->DefaultBands;
    const bool choice = Selected->BandChoice != 0;
    std::array<bool, 4> defaultRadio{};
    for (int band = 0; band < 4; ++band) {
        TBandRow& row = Rows[band];
        row.lFreq->setText(lRang->text() + QString::number(band + 1));
        row.cxSel->setEnabled(BandPresent(supported, band));
        row.cxUse->setChecked(BandPresent(defaults & supported, band));
        row.cxUse->setVisible(choice);
        row.cxSel->setVisible(!choice);
        defaultRadio[band] = BandPresent(defaults, band);
    }
    if (!choice)
        CheckRadioOfFirstBand(defaultRadio);
    for (int band = 0; band < 4; ++band) {
        TBandRow& row = Rows[band];
        const TBand limit = Selected->GetBandLimit(band);
        const auto [lowEditable, highEditable] = Selected->GetBandEditable(band);
        row.cxFreqL->setToolTip(FreqText(limit.Low));
        row.cxFreqH->setToolTip(FreqText(limit.High));
        row.cxFreqL->setReadOnly(!lowEditable);
        row.cxFreqH->setReadOnly(!highEditable);
        row.cxUse->setEnabled(lowEditable && highEditable);
        const TBand edges = Selected->GetBandRange(band, defaults == supported);
        row.lFreq->setToolTip(FreqText(edges.Low) + QLatin1Char('-') + FreqText(edges.High));
        SetEditValue(row.cxFreqL, edges.Low);
        SetEditValue(row.cxFreqH, edges.High);
    }
    EnableEdits();
    Loading = false;
}

void TModelWindow::EnableEdits()
{
    for (TBandRow& row : Rows) {
        row.cxFreqL->setEnabled(row.cxUse->isChecked());
        row.cxFreqH->setEnabled(row.cxUse->isChecked());
    }
}

void TModelWindow::cxUseClick(int band)
{
    if (Loading)
        return;
    TBandRow& row = Rows[band];
    EnableEdits();
    if (row.cxUse->isChecked())
        return;
    const QStringList defaults = row.lFreq->toolTip().split(QLatin1Char('-'));
    if (defaults.size() != 2)
        return;
    SetEditValue(row.cxFreqL, NumberOf(defaults[0]));
    SetEditValue(row.cxFreqH, NumberOf(defaults[1]));
}

void TModelWindow::cxSelClick(int tag)
{
    for (int band = 0; band < 4; ++band)
        Rows[band].cxUse->setChecked(band == tag - 1);
}

void TModelWindow::LowEdited(int band)
{
    TBandRow& row = Rows[band];
    if (!row.cxFreqL->isModified())
        return;
    const double lowest = HintValue(row.cxFreqL);
    const double highest = HintValue(row.cxFreqH);
    double value = EditValue(row.cxFreqL);
    if (value == 0)
        value = lowest;
    if (value > highest)
        value = highest;
    if (value != 0 && value < lowest)
        value = lowest;
    if (EditValue(row.cxFreqH) == 0)
        SetEditValue(row.cxFreqH, value);
    if (!(EditValue(row.cxFreqH) > value))
        value = EditValue(row.cxFreqH);
    SetEditValue(row.cxFreqL, RoundToBandGrid(value));
}

void TModelWindow::HighEdited(int band)
{
    TBandRow& row = Rows[band];
    if (!row.cxFreqH->isModified())
        return;
    const double lowest = HintValue(row.cxFreqL);
    const double highest = HintValue(row.cxFreqH);
    double value = EditValue(row.cxFreqH);
    if (value == 0)
        value = highest;
    if (EditValue(row.cxFreqL) > value)
        value = EditValue(row.cxFreqL);
    if (value > highest)
        value = highest;
    if (value != 0 && value < lowest)
        value = lowest;
    if (EditValue(row.cxFreqL) == 0)
        SetEditValue(row.cxFreqL, value);
    SetEditValue(row.cxFreqH, RoundToBandGrid(value));
}

void TModelWindow::btnOkClick()
{
    OkResult = false;
    std::array<TBand, 4> bands{};
    uint8_t mask = 0;
    for (int band = 0; band < 4; ++band) {
        if (!Rows[band].cxUse->isChecked())
            continue;
        bands[band] = {EditValue(Rows[band].cxFreqL), EditValue(Rows[band].cxFreqH)};
        mask |= kBandBits[band];
    }
    if (!Selected || (mask & Selected->SupportedBands) == 0) {
        ShowMessageBox(QString::fromStdString(gLanguage.Caution), QString::fromStdString(gLanguage.ErrRange),
                       TMessageKind::Warning);
        return;
    }
    gAll.BandMask = mask & Selected->SupportedBands;
    gAll.Bands = bands;
    gAll.ModelId = Selected->Identifier;
    OkResult = true;
    accept();
}
