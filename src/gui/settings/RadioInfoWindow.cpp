// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/settings/RadioInfoWindow.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "core/files/StartUp.h"
#include "core/model/RadioInfo.h"

namespace
{
constexpr int kSerialLength = 16;
}

TRadioInfoWindow::TRadioInfoWindow(QWidget* parent) : TSettingsWindow(parent)
{
    setObjectName(QStringLiteral("fInfoMsg"));
    setWindowTitle(QStringLiteral("Radio Information"));
    auto* grid = new QGridLayout(this);
    cxModel = AddBox(grid, 0, "clModel", QStringLiteral("Model Type"), "cxModel");
    cxFreq = AddBox(grid, 1, "clFreq", QStringLiteral("Frequency[MHz]"), "cxFreq");
    cxSerial = AddBox(grid, 2, "clSerial", QStringLiteral("Serial Number"), "cxSerial");
    cxSerial->setMaxLength(kSerialLength);
    cxRadioTime = AddBox(grid, 3, "clRadioTime", QStringLiteral("Write Time"), "cxRadioTime");
    grid->addWidget(AddCloseButton(), 4, 1, Qt::AlignRight);
}

QLineEdit* TRadioInfoWindow::AddBox(QGridLayout* grid, int row, const char* labelName, const QString& caption,
                                    const char* boxName)
{
    AddLabel(grid, row, 0, labelName, caption);
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(boxName));
    box->setReadOnly(true);
    box->setMinimumWidth(340);
    grid->addWidget(box, row, 1);
    return box;
}

void TRadioInfoWindow::Fill()
{
    cxModel->setText(QString::fromStdString(gAll.ModelName));
    cxFreq->setText(QString::fromStdString(gAll.BandText));
    cxSerial->setText(QString::fromStdString(SerialNumberText(gAll)).toUpper());
    cxRadioTime->setText(QString::fromStdString(WriteTimeText(gAll)));
}
