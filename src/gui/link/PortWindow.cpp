// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/link/PortWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/files/StartUp.h"
#include "core/link/Frames.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/DialogButtons.h"
#include "qt/PortList.h"

namespace
{
constexpr int kRowsPerColumn = 5;

QString Number(int n)
{
    return QLocale::c().toString(n);
}
} // namespace

TPortWindow::TPortWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fSetPort"));
    setWindowTitle(QStringLiteral("Communication Port"));
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
    }
    cxCom = new QComboBox(this);
    cxCom->setObjectName(QStringLiteral("cxCom"));
    cxCom->hide();
    lbName = new QLabel(QStringLiteral("Port:"), this);
    lbName->setObjectName(QStringLiteral("lbName"));
    lbName->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cxPort);
    layout->addLayout(NewOkCancelRow(this, btnOk, btnCancel, true));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(btnOk, &QPushButton::clicked, this, &TPortWindow::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
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
    const int current = PortNumber(gAll.ComPort.substr(0, 6)).value_or(0);
    if (current >= 1 && current <= kButtons)
        cxPortButtons[current - 1]->setChecked(true);
}

void TPortWindow::btnOkClick()
{
    for (int i = 0; i < kButtons; ++i) {
        if (cxPortButtons[i]->isChecked())
            gAll.ComPort = (QStringLiteral("COM") + Number(i + 1)).toStdString();
    }
    accept();
}
