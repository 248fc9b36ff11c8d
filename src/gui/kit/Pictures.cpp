// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/kit/Pictures.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace
{
// The icon rendered at 48 pixels serves every size up to that; the 256-pixel one the larger ones.
constexpr int kSmallIconSize = 48;

QPixmap Canvas(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QIcon StandardIcon(QStyle::StandardPixmap which)
{
    return QApplication::style()->standardIcon(which);
}

QIcon PrinterIcon()
{
    QPixmap pixmap = Canvas(16);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    return QIcon(pixmap);
}

// A serial plug: the port dialog's button.
QIcon PortIcon()
{
    QPixmap pixmap = Canvas(16);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(70, 110, 170));
    QPainterPath shell;
    shell.moveTo(1.5, 4.5);
    shell.lineTo(14.5, 4.5);
    shell.lineTo(12.5, 11.5);
    shell.lineTo(3.5, 11.5);
    shell.closeSubpath();
    p.drawPath(shell);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(3.8 + 2.1 * i, 6.8), 0.8, 0.8);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(4.9 + 2.1 * i, 9.2), 0.8, 0.8);
    return QIcon(pixmap);
}

QIcon HelpIcon()
{
    QPixmap pixmap = Canvas(16);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 70, 140), 1));
    p.setBrush(QColor(60, 120, 200));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
    return QIcon(pixmap);
}

} // namespace

QPixmap AppPixmap(int size)
{
    const QPixmap icon(size <= kSmallIconSize ? QStringLiteral(":/icons/qbh52-48.png")
                                              : QStringLiteral(":/icons/qbh52-256.png"));
    return icon.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QIcon AppIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/qbh52-48.png"));
    icon.addFile(QStringLiteral(":/icons/qbh52-256.png"));
    return icon;
}

QPixmap BackgroundPixmap()
{
    QPixmap tile(96, 96);
    QPainter p(&tile);
    QLinearGradient shade(0, 0, 96, 96);
    shade.setColorAt(0, QColor(58, 84, 118));
    shade.setColorAt(1, QColor(46, 68, 98));
    p.fillRect(tile.rect(), shade);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 22), 2));
    for (int r = 12; r <= 84; r += 18)
        p.drawArc(QRectF(-r, 96 - r, 2 * r, 2 * r), 0, 90 * 16); // radio waves from the corner
    return tile;
}

QIcon ToolIcon(TToolPicture picture)
{
    switch (picture) {
    case TToolPicture::New:
        return StandardIcon(QStyle::SP_FileIcon);
    case TToolPicture::Open:
        return StandardIcon(QStyle::SP_DialogOpenButton);
    case TToolPicture::Save:
        return StandardIcon(QStyle::SP_DialogSaveButton);
    case TToolPicture::ChannelEdit:
        return StandardIcon(QStyle::SP_FileDialogDetailedView);
    case TToolPicture::Print:
        return PrinterIcon();
    case TToolPicture::Com:
        return PortIcon();
    case TToolPicture::Read:
        return StandardIcon(QStyle::SP_ArrowDown);
    case TToolPicture::Write:
        return StandardIcon(QStyle::SP_ArrowUp);
    case TToolPicture::Help:
        return HelpIcon();
    case TToolPicture::Page:
        return StandardIcon(QStyle::SP_FileDialogInfoView);
    case TToolPicture::PageSelected:
        return StandardIcon(QStyle::SP_FileDialogContentsView);
    case TToolPicture::Undo:
        return QIcon::fromTheme(QStringLiteral("edit-undo"), StandardIcon(QStyle::SP_ArrowBack));
    case TToolPicture::Redo:
        return QIcon::fromTheme(QStringLiteral("edit-redo"), StandardIcon(QStyle::SP_ArrowForward));
    }
    return QIcon();
}
