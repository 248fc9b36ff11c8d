// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/AboutWindow.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

#include "core/files/StartUp.h"
#include "core/model/Version.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/Pictures.h"

namespace
{

constexpr std::array<int, 9> kLineTops = {15, 40, 66, 92, 118, 143, 169, 195, 221};
// The least height of a line; a font with taller glyphs (Chinese) gets what it needs.
constexpr int kLineHeight = 13;
constexpr int kTextLeft = 64;
// The Close button sits under the last filled line, right-aligned.
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonMargin = 10;
// Lines 1 to 5 always count; lines 6 to 9 only when they hold text.
constexpr int kAlwaysShownLines = 5;

} // namespace

TAboutWindow::TAboutWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fFrmAbout"));
    ImApp = new QLabel(this);
    ImApp->setObjectName(QStringLiteral("ImApp"));
    ImApp->setGeometry(16, 15, 32, 32);
    QFont lineFont = font();
    lineFont.setPixelSize(11);
    for (int i = 0; i < static_cast<int>(Lines.size()); ++i) {
        Lines[i] = new QLabel(QString::number(i + 1), this);
        Lines[i]->setObjectName(QStringLiteral("lStr%1").arg(i + 1));
        Lines[i]->setFont(lineFont);
        Lines[i]->move(kTextLeft, kLineTops[i]);
    }
    btClose = new QPushButton(QStringLiteral("Close"), this);
    btClose->setObjectName(QStringLiteral("btClose"));
    btClose->setDefault(true);
    connect(btClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TAboutWindow::FormShow()
{
    ImApp->setPixmap(AppPixmap(32));
    ApplyLanguage(this, true);
    Lines[1]->setText(Lines[1]->text().replace(QStringLiteral("%1"), QString::fromStdString(ProgramVersion())));
    setWindowTitle(QString::fromStdString(gAll.AppTitle));
    FitToLines();
}

void TAboutWindow::FitToLines()
{
    int width = 280;
    for (QLabel* line : Lines) {
        line->resize(line->sizeHint().width(), std::max(kLineHeight, line->sizeHint().height()));
        width = std::max(width, kTextLeft + line->width() + 24);
    }
    int lastBottom = Lines[kAlwaysShownLines - 1]->geometry().bottom() + 1;
    for (int i = kAlwaysShownLines; i < static_cast<int>(Lines.size()); ++i)
        if (!Lines[i]->text().trimmed().isEmpty())
            lastBottom = Lines[i]->geometry().bottom() + 1;
    const int height = lastBottom + kButtonMargin + kButtonHeight + kButtonMargin;
    btClose->setGeometry(width - kButtonWidth - kButtonMargin, height - kButtonHeight - kButtonMargin, kButtonWidth,
                         kButtonHeight);
    setFixedSize(width, height);
}

void TAboutWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    accept();
}
