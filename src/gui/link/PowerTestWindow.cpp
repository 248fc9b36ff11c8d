// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/link/PowerTestWindow.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/files/StartUp.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/MessageBox.h"

namespace
{
constexpr int kBarTags[2] = {kLowPowerTag, kHighPowerTag};
constexpr int kMaxPower = 255;
constexpr int kPanelWidths[3] = {150, 280, 250};

QLabel* Caption(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel* Circle(const QString& name, QWidget* parent)
{
    auto* circle = new QLabel(parent);
    circle->setObjectName(name);
    circle->setFixedSize(12, 12);
    circle->setStyleSheet(QStringLiteral("background-color: #1e50dc; border-radius: 6px;"));
    QSizePolicy policy = circle->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    circle->setSizePolicy(policy);
    return circle;
}
} // namespace

TPowerTestWindow::TPowerTestWindow(QWidget* parent) : TLinkWindow(parent)
{
    setObjectName(QStringLiteral("fTestFrm"));
    setWindowTitle(QStringLiteral("Power Test"));
    cxAll = new QWidget(this);
    cxAll->setObjectName(QStringLiteral("cxAll"));
    auto* sides = new QHBoxLayout(cxAll);
    sides->addWidget(BuildLeftSide());
    sides->addWidget(BuildRightSide());
    BuildStatusBar();
    // The circle marks the bar moved last; the low-power one at first.
    shTx1->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cxAll);
    layout->addWidget(MainBar);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto engine = std::make_unique<TPowerTestEngine>(gAll, gLanguage, Link, *this);
    Engine = engine.get();
    Attach(std::move(engine));
    connect(cxDebug, &QPushButton::clicked, this, &TPowerTestWindow::GoOnline);
    connect(cxClose, &QPushButton::clicked, this, [this] { Engine->CloseCommand(); });
    connect(cxFreq_Rang, &QTreeWidget::currentItemChanged, this, &TPowerTestWindow::SelectSegment);
}

// Every bar moved while online is stored in the radio at once, so the user says yes to that first.
void TPowerTestWindow::GoOnline()
{
    const QString question = QString::fromStdString(gLanguage.PowerTestQuestion);
    if (ShowMessageBox(windowTitle(), question, TMessageKind::YesNo) == TAnswer::Yes)
        Engine->Start();
}

QWidget* TPowerTestWindow::BuildLeftSide()
{
    auto* side = new QWidget(cxAll);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(Caption(QStringLiteral("laFreq_Rang"), QStringLiteral("Select a frequency range"), side));
    cxFreq_Rang = new QTreeWidget(side);
    cxFreq_Rang->setObjectName(QStringLiteral("cxFreq_Rang"));
    cxFreq_Rang->setHeaderHidden(true);
    cxFreq_Rang->setRootIsDecorated(false);
    cxFreq_Rang->setFixedSize(220, 260);
    column->addWidget(cxFreq_Rang);
    return side;
}

QWidget* TPowerTestWindow::BuildRightSide()
{
    auto* side = new QWidget(cxAll);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(Caption(QStringLiteral("laFreq_Selv"), QStringLiteral("Test Frequency"), side));
    cxFreq_Selv = new QLineEdit(side);
    cxFreq_Selv->setObjectName(QStringLiteral("cxFreq_Selv"));
    cxFreq_Selv->setReadOnly(true);
    column->addWidget(cxFreq_Selv);
    column->addWidget(BuildPowerRow(0, QStringLiteral("Low Power")));
    column->addWidget(BuildPowerRow(1, QStringLiteral("High Power")));
    auto* buttons = new QHBoxLayout;
    fSTx = new QFrame(side);
    fSTx->setObjectName(QStringLiteral("fSTx"));
    fSTx->setFixedSize(14, 14);
    fSTx->setFrameShape(QFrame::Box);
    fSTx->setAutoFillBackground(true);
    buttons->addWidget(fSTx);
    buttons->addStretch();
    cxDebug = new QPushButton(QStringLiteral("Online"), side);
    cxDebug->setObjectName(QStringLiteral("cxDebug"));
    cxClose = new QPushButton(QStringLiteral("Close"), side);
    cxClose->setObjectName(QStringLiteral("cxClose"));
    buttons->addWidget(cxDebug);
    buttons->addWidget(cxClose);
    column->addStretch();
    column->addLayout(buttons);
    return side;
}

// One power setting: its circle, caption, track bar and numeric edit.
QWidget* TPowerTestWindow::BuildPowerRow(int bar, const QString& caption)
{
    const QString number = bar == 0 ? QStringLiteral("0") : QStringLiteral("1");
    auto* row = new QWidget(cxAll);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 6, 0, 0);
    QLabel* circle = Circle(QStringLiteral("shTx") + number, row);
    (bar == 0 ? shTx0 : shTx1) = circle;
    grid->addWidget(circle, 0, 0);
    grid->addWidget(Caption(QStringLiteral("laTx") + number, caption, row), 0, 1);
    auto* slider = new QSlider(Qt::Horizontal, row);
    slider->setObjectName(QStringLiteral("tbTx") + number);
    slider->setProperty("tag", kBarTags[bar]);
    slider->setRange(0, kMaxPower);
    slider->setMinimumWidth(260);
    slider->installEventFilter(this);
    auto* edit = new QSpinBox(row);
    edit->setObjectName(QStringLiteral("ceTx") + number);
    edit->setRange(0, kMaxPower);
    // The value counts once typing is finished (Enter or leaving the edit), not at every key.
    edit->setKeyboardTracking(false);
    grid->addWidget(slider, 1, 1);
    grid->addWidget(edit, 1, 2);
    (bar == 0 ? tbTx0 : tbTx1) = slider;
    (bar == 0 ? ceTx0 : ceTx1) = edit;
    connect(slider, &QSlider::valueChanged, this, [this, bar] { BarChange(bar); });
    connect(edit, &QSpinBox::valueChanged, this, [this, bar] { EditChange(bar); });
    return row;
}

void TPowerTestWindow::BuildStatusBar()
{
    MainBar = new QStatusBar(this);
    MainBar->setObjectName(QStringLiteral("MainBar"));
    MainBar->setSizeGripEnabled(false);
    PortPanel = new QLabel(MainBar);
    PortPanel->setFixedWidth(kPanelWidths[0]);
    MainBar->addWidget(PortPanel);
    auto* progressPanel = new QWidget(MainBar);
    progressPanel->setFixedWidth(kPanelWidths[1]);
    auto* progressLayout = new QHBoxLayout(progressPanel);
    progressLayout->setContentsMargins(0, 0, 0, 0);
    cxBar = new QProgressBar(progressPanel);
    cxBar->setObjectName(QStringLiteral("cxBar"));
    cxBar->setTextVisible(false);
    cxBar->hide();
    progressLayout->addWidget(cxBar);
    MainBar->addWidget(progressPanel);
    auto* lastPanel = new QWidget(MainBar);
    lastPanel->setFixedWidth(kPanelWidths[2]);
    MainBar->addWidget(lastPanel);
}

void TPowerTestWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!std::exchange(Shown, true))
        FormShow();
}

void TPowerTestWindow::FormShow()
{
    SetControlsEnabled(false);
    ApplyLanguage(this, false);
    EventsOn = true;
    Loading = false;
    ShowPortState();
    FillSegments();
    Changed();
}

void TPowerTestWindow::FillSegments()
{
    Segments = BuildSegments(gAll.Bands);
    QTreeWidgetItem* first = nullptr;
    for (const TSegment& segment : Segments) {
        auto* item = new QTreeWidgetItem(cxFreq_Rang, {QString::fromStdString(segment.Text)});
        // A segment beyond the 65-row table has no settings to show or send.
        item->setDisabled(!segment.Enabled);
        if (!first && segment.Enabled)
            first = item;
    }
    if (first)
        cxFreq_Rang->setCurrentItem(first);
}

void TPowerTestWindow::SetControlsEnabled(bool on)
{
    for (QWidget* control :
         {static_cast<QWidget*>(cxFreq_Rang), static_cast<QWidget*>(cxFreq_Selv), static_cast<QWidget*>(tbTx0),
          static_cast<QWidget*>(tbTx1), static_cast<QWidget*>(ceTx0), static_cast<QWidget*>(ceTx1)})
        control->setEnabled(on);
}

void TPowerTestWindow::ShowPortState()
{
    const bool open = Engine->PortOpen();
    PortEverOpened = PortEverOpened || open;
    const std::string state = open ? gLanguage.Open : gLanguage.Close;
    PortPanel->setText(QString::fromStdString((PortEverOpened ? " COM: " : " COM:  ") + state));
}

void TPowerTestWindow::Progress(int position, int maximum)
{
    cxBar->setRange(0, maximum);
    cxBar->setValue(position);
}

void TPowerTestWindow::Changed()
{
    ShowPortState();
    cxBar->setVisible(Engine->Running());
    cxAll->setEnabled(Engine->PanelEnabled());
    SetControlsEnabled(Engine->ControlsEnabled());
    QPalette lamp = fSTx->palette();
    lamp.setColor(QPalette::Window, Engine->TableRead() ? Qt::red : palette().color(QPalette::Window));
    fSTx->setPalette(lamp);
    if (Engine->TakeTableLoaded())
        LoadBars();
}

void TPowerTestWindow::SelectSegment()
{
    const int index = cxFreq_Rang->indexOfTopLevelItem(cxFreq_Rang->currentItem());
    if (index < 0 || !Segments[static_cast<size_t>(index)].Enabled)
        return;
    const TSegment& segment = Segments[static_cast<size_t>(index)];
    cxFreq_Selv->setText(QString::fromStdString(segment.Text));
    Row = segment.Row;
    LoadBars();
}

// The bars show the selected row's settings; setting them here sends nothing.
void TPowerTestWindow::LoadBars()
{
    EventsOn = false;
    Loading = true;
    for (int bar = 0; bar < 2; ++bar)
        Bar(bar)->setValue(Engine->PowerValue(Row, kBarTags[bar]));
    Loading = false;
    EventsOn = true;
}

void TPowerTestWindow::BarChange(int bar)
{
    BarChanged = true;
    if (EventsOn) {
        (bar == 0 ? shTx0 : shTx1)->show();
        (bar == 0 ? shTx1 : shTx0)->hide();
    }
    SettingEdit = true;
    Edit(bar)->setValue(Bar(bar)->value());
    SettingEdit = false;
}

void TPowerTestWindow::EditChange(int bar)
{
    if (SettingEdit)
        return;
    Bar(bar)->setValue(Edit(bar)->value());
    SendBar(bar);
    BarChanged = false;
}

void TPowerTestWindow::SendBar(int bar)
{
    if (Loading || Row < 0)
        return;
    Engine->SetPower(Row, kBarTags[bar], static_cast<uint8_t>(Bar(bar)->value()));
}

// The bars move by the mouse only; a value is sent when the mouse lets go of a bar that moved.
bool TPowerTestWindow::eventFilter(QObject* watched, QEvent* event)
{
    const int bar = watched == tbTx0 ? 0 : watched == tbTx1 ? 1 : -1;
    if (bar < 0)
        return TLinkWindow::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::Wheel)
        return true;
    if (event->type() == QEvent::MouseButtonRelease && BarChanged) {
        BarChanged = false;
        QMetaObject::invokeMethod(
            this, [this, bar] { SendBar(bar); }, Qt::QueuedConnection);
    }
    return false;
}
