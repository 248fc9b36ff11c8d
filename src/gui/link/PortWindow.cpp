// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/link/PortWindow.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/files/StartUp.h"
#include "core/link/Frames.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/DialogButtons.h"
#include "gui/kit/MessageBox.h"
#include "qt/PortList.h"
#include "qt/SerialDevices.h"

namespace
{
constexpr int kRowsPerColumn = 5;

QString Number(int n)
{
    return QLocale::c().toString(n);
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// The device behind the chosen port, for the path field: the current port's device when it has one.
QString CurrentDevice()
{
    if (gAll.ComPort.find('/') != std::string::npos)
        return Text(gAll.ComPort);
    return QString();
}
} // namespace

TPortWindow::TPortWindow(QWidget* parent, const QString& devRoot) : QDialog(parent), DevRoot(devRoot)
{
    setObjectName(QStringLiteral("fSetPort"));
    setWindowTitle(QStringLiteral("Communication Port"));
    cxDevices = new QTreeWidget(this);
    cxDevices->setObjectName(QStringLiteral("cxDevices"));
    cxDevices->setRootIsDecorated(false);
    cxDevices->setColumnCount(4);
    cxDevices->setMinimumWidth(640);
    cxDevices->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lbDevice = new QLabel(QStringLiteral("&Device:"), this);
    lbDevice->setObjectName(QStringLiteral("lbDevice"));
    cxDevicePath = new QLineEdit(this);
    cxDevicePath->setObjectName(QStringLiteral("cxDevicePath"));
    lbDevice->setBuddy(cxDevicePath);
    btnRefresh = new QPushButton(QStringLiteral("&Refresh"), this);
    btnRefresh->setObjectName(QStringLiteral("btnRefresh"));
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(lbDevice);
    pathRow->addWidget(cxDevicePath, 1);
    pathRow->addWidget(btnRefresh);

    cxPort = new QGroupBox(QStringLiteral("Port"), this);
    cxPort->setObjectName(QStringLiteral("cxPort"));
    auto* grid = new QGridLayout(cxPort);
    for (int i = 0; i < kButtons; ++i) {
        auto* button = new QRadioButton(QStringLiteral("COM") + Number(i + 1), cxPort);
        button->setObjectName(QStringLiteral("cxPort") + Number(i + 1));
        button->setEnabled(false);
        auto* device = new QLabel(cxPort);
        device->setObjectName(QStringLiteral("clDevice") + Number(i + 1));
        device->setEnabled(false);
        device->setMinimumWidth(90);
        const int column = i / kRowsPerColumn;
        grid->addWidget(button, i % kRowsPerColumn, column * 2);
        grid->addWidget(device, i % kRowsPerColumn, column * 2 + 1);
        cxPortButtons[i] = button;
        clDevices[i] = device;
        // A port picked by its name stands for itself, not for the path typed before.
        connect(button, &QRadioButton::clicked, cxDevicePath, &QLineEdit::clear);
    }
    cxCom = new QComboBox(this);
    cxCom->setObjectName(QStringLiteral("cxCom"));
    cxCom->hide();
    lbName = new QLabel(QStringLiteral("Port:"), this);
    lbName->setObjectName(QStringLiteral("lbName"));
    lbName->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cxDevices);
    layout->addLayout(pathRow);
    layout->addWidget(cxPort);
    layout->addLayout(NewOkCancelRow(this, btnOk, btnCancel, true));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(btnOk, &QPushButton::clicked, this, &TPortWindow::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnRefresh, &QPushButton::clicked, this, &TPortWindow::FillDevices);
    connect(cxDevices, &QTreeWidget::itemClicked, this, &TPortWindow::DeviceChosen);
    connect(cxDevices, &QTreeWidget::itemActivated, this, &TPortWindow::DeviceChosen);
    connect(cxDevicePath, &QLineEdit::textEdited, this, &TPortWindow::UncheckButtons);
}

void TPortWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TPortWindow::FormShow()
{
    ApplyLanguage(this, false);
    if (gAll.LanguageIndex > 0) {
        for (int i = 0; i < kButtons; ++i)
            cxPortButtons[i]->setText(lbName->text() + Number(i + 1));
    }
    cxPort->setTitle(windowTitle());
    cxDevices->setHeaderLabels({Text(gLanguage.PortColumn), Text(gLanguage.DeviceColumn),
                                Text(gLanguage.DescriptionColumn), Text(gLanguage.StableNameColumn)});
    FillDevices();
    cxDevicePath->setText(CurrentDevice());
    const int current = PortNumber(gAll.ComPort.substr(0, 6)).value_or(0);
    if (current >= 1 && current <= kButtons)
        cxPortButtons[current - 1]->setChecked(true);
}

void TPortWindow::FillDevices()
{
    for (int i = 0; i < kButtons; ++i) {
        cxPortButtons[i]->setEnabled(false);
        clDevices[i]->setEnabled(false);
        clDevices[i]->clear();
    }
    cxCom->clear();
    cxCom->addItems(ListPorts(gAll));
    for (int i = 0; i < cxCom->count(); ++i) {
        const int n = PortNumber(cxCom->itemText(i).toStdString()).value_or(0);
        if (n >= 1 && n <= kButtons) {
            cxPortButtons[n - 1]->setEnabled(true);
            clDevices[n - 1]->setEnabled(true);
            clDevices[n - 1]->setText(PortDevice(gAll, cxCom->itemText(i)));
        }
    }
    FillDeviceList();
}

// The devices the system has, then those only the settings file names (a pseudo-terminal, a link).
void TPortWindow::FillDeviceList()
{
    cxDevices->clear();
    QStringList listed;
    for (const TSerialDevice& device : FindSerialDevices(DevRoot)) {
        new QTreeWidgetItem(cxDevices,
                            {PortNameOf(gAll, device.Path), device.Path, device.Description, device.StableName});
        listed << QFileInfo(device.Path).canonicalFilePath();
    }
    for (int i = 0; i < cxCom->count(); ++i) {
        const QString path = PortDevice(gAll, cxCom->itemText(i));
        if (!listed.contains(QFileInfo(path).canonicalFilePath()))
            new QTreeWidgetItem(cxDevices, {cxCom->itemText(i), path});
    }
}

// A listed device goes into the path field, and its port name, when it has one of the twenty, is checked.
void TPortWindow::DeviceChosen()
{
    QTreeWidgetItem* item = cxDevices->currentItem();
    if (!item)
        return;
    cxDevicePath->setText(item->text(kDeviceColumn));
    const int n = PortNumber(item->text(kPortColumn).toStdString()).value_or(0);
    if (n >= 1 && n <= kButtons && !item->text(kPortColumn).isEmpty())
        cxPortButtons[n - 1]->setChecked(true);
    else
        UncheckButtons();
}

// Radio buttons in a group always keep one checked; a typed path stands for no button at all.
void TPortWindow::UncheckButtons()
{
    for (QRadioButton* button : cxPortButtons) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

// A path becomes a port name of section Ports, which the link windows open; a checked button is that name.
void TPortWindow::btnOkClick()
{
    const QString path = cxDevicePath->text().trimmed();
    if (!path.isEmpty()) {
        std::string error;
        const QString name = PinDevice(gAll, QFileInfo(path).absoluteFilePath(), error);
        if (name.isEmpty()) {
            ShowMessageBox(windowTitle(), Text(FormatText(gLanguage.PortNotKept, {error})), TMessageKind::Information);
            return;
        }
        gAll.ComPort = name.toStdString();
        accept();
        return;
    }
    for (int i = 0; i < kButtons; ++i) {
        if (cxPortButtons[i]->isChecked())
            gAll.ComPort = (QStringLiteral("COM") + Number(i + 1)).toStdString();
    }
    accept();
}
