// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/LanguageWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/files/LanguageFile.h"
#include "core/files/StartUp.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/DialogButtons.h"

TLanguageWindow::TLanguageWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fSetLanguage"));
    setWindowTitle(tr("Language File Setup"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    cxSels = new QGroupBox(tr("Language"), this);
    cxSels->setObjectName(QStringLiteral("cxSels"));
    cxSels->setMinimumWidth(220);
    auto* choices = new QVBoxLayout(cxSels);
    for (int i = 0; i < static_cast<int>(cxLangs.size()); ++i) {
        cxLangs[i] = new QRadioButton(cxSels);
        cxLangs[i]->setObjectName(QStringLiteral("cxLang%1").arg(i));
        cxLangs[i]->hide();
        choices->addWidget(cxLangs[i]);
    }
    layout->addWidget(cxSels);
    layout->addLayout(NewOkCancelRow(this, btnOk, btnCancel, true));
    cxLang = new QListWidget(this);
    cxLang->setObjectName(QStringLiteral("cxLang"));
    cxLang->setProperty("tag", -2);
    cxLang->hide();
    cxName = new QListWidget(this);
    cxName->setObjectName(QStringLiteral("cxName"));
    cxName->hide();
    connect(btnOk, &QPushButton::clicked, this, &TLanguageWindow::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TLanguageWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TLanguageWindow::FormShow()
{
    cxLang->clear();
    cxName->clear();
    std::vector<std::string> displayNames;
    std::vector<std::string> fileNames;
    ReadLanguageLists(gAll, displayNames, fileNames);
    for (const std::string& name : displayNames)
        cxLang->addItem(QString::fromStdString(name));
    for (const std::string& name : fileNames)
        cxName->addItem(QString::fromStdString(name));
    ApplyLanguage(this, false);
    for (int i = 0; i < static_cast<int>(cxLangs.size()) && i < cxLang->count(); ++i) {
        cxLangs[i]->setVisible(true);
        cxLangs[i]->setText(cxLang->item(i)->text());
    }
    if (gAll.LanguageIndex >= 0 && gAll.LanguageIndex < static_cast<int>(cxLangs.size()))
        cxLangs[gAll.LanguageIndex]->setChecked(true);
    Changed = false;
}

// A language whose file name the settings file does not list cannot be chosen: nothing changes.
void TLanguageWindow::btnOkClick()
{
    const int chosen = cxLangs[2]->isChecked() ? 2 : cxLangs[1]->isChecked() ? 1 : 0;
    if (chosen != gAll.LanguageIndex && chosen < cxName->count()) {
        gAll.LanguageIndex = chosen;
        gAll.LanguageName = cxName->item(chosen)->text().toStdString();
        Changed = true;
    }
    accept();
}
