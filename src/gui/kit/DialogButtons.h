// SPDX-License-Identifier: GPL-3.0-or-later
// The "&Ok" and "&Cancel" buttons every modal dialog ends with, right-aligned in one row.
#pragma once

#include <QHBoxLayout>
#include <QPushButton>

// Creates btnOk and btnCancel (object names as the language files know them) as children of dialog.
QHBoxLayout* NewOkCancelRow(QWidget* dialog, QPushButton*& btnOk, QPushButton*& btnCancel, bool okIsDefault);
