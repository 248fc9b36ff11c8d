// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/HelpWindow.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace
{
constexpr int kManualWidth = 760;
constexpr int kManualHeight = 620;
} // namespace

QString ManualPageUrl()
{
    return QStringLiteral("qrc:/help/manual.html");
}

THelpWindow::THelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fHelp"));
    setWindowTitle(tr("QB-H52 Programmer Help"));
    auto* layout = new QVBoxLayout(this);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("tbManual"));
    Browser->setAccessibleName(windowTitle());
    // Links to the web (the licence) open in the desktop's browser; the manual's own anchors stay here.
    Browser->setOpenExternalLinks(true);
    Browser->setSource(QUrl(ManualPageUrl()));
    layout->addWidget(Browser, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("bbHelp"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    resize(kManualWidth, kManualHeight);
}
