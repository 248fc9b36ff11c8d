// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/kit/DialogButtons.h"

QHBoxLayout* NewOkCancelRow(QWidget* dialog, QPushButton*& btnOk, QPushButton*& btnCancel, bool okIsDefault)
{
    btnOk = new QPushButton(QStringLiteral("&Ok"), dialog);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(okIsDefault);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), dialog);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    return buttons;
}
