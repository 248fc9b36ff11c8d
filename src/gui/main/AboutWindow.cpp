#include "gui/main/AboutWindow.h"

#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

#include "core/files/StartUp.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/Pictures.h"

namespace
{

constexpr std::array<int, 9> kLineTops = {15, 40, 66, 92, 118, 143, 169, 195, 221};
constexpr int kLineHeight = 13;
constexpr int kTextLeft = 64;
// Room kept under the last filled line, measured on the outer window.
constexpr int kBottomMargin = 55;
// The caption bar and borders that the window manager adds outside the client area.
constexpr int kFrameHeight = 30;
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
    setWindowTitle(QString::fromStdString(gAll.AppTitle));
    FitToLines();
}

void TAboutWindow::FitToLines()
{
    int width = 280;
    for (QLabel* line : Lines) {
        line->resize(line->sizeHint().width(), kLineHeight);
        width = std::max(width, kTextLeft + line->width() + 24);
    }
    int outerHeight = Lines[kAlwaysShownLines - 1]->geometry().bottom() + 1 + kBottomMargin;
    for (int i = kAlwaysShownLines; i < static_cast<int>(Lines.size()); ++i)
        if (!Lines[i]->text().trimmed().isEmpty())
            outerHeight = Lines[i]->geometry().bottom() + 1 + kBottomMargin;
    setFixedSize(width, outerHeight - kFrameHeight);
}

void TAboutWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    accept();
}
