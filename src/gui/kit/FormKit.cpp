// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/kit/FormKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>

TKeyFilter::TKeyFilter(TMode mode, QObject* parent) : QObject(parent), Mode(mode) {}

void TKeyFilter::Install(QLineEdit* box, TMode mode)
{
    box->installEventFilter(new TKeyFilter(mode, box));
}

bool TKeyFilter::Accepts(QChar c) const
{
    switch (Mode) {
    case Frequency:
        return c.isDigit() || c == u'.';
    case Tone:
        return c.isDigit() || c == u'.' || QStringLiteral("DINdin").contains(c);
    case Name:
        return c.unicode() >= 32 && c.unicode() <= 122;
    case Digits:
        return c.isDigit();
    }
    return false;
}

bool TKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return false;
    default:
        break;
    }
    const QString text = key->text();
    if (text.isEmpty())
        return false;
    if (Mode == Frequency && text == QStringLiteral(",")) {
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            box->insert(QStringLiteral("."));
        return true;
    }
    // Only plain digits in the ASCII range count; a full-width digit would not survive the number parser.
    return text.size() != 1 || text[0].unicode() > 127 || !Accepts(text[0]);
}

std::string ToStd(const QString& text)
{
    return text.toStdString();
}

std::string BoxText(const QLineEdit* box)
{
    return ToStd(box->text().trimmed());
}

QString ToQt(const std::string& text)
{
    return QString::fromStdString(text);
}

QStringList ToQtList(const std::vector<std::string>& texts)
{
    QStringList items;
    for (const std::string& text : texts)
        items << ToQt(text);
    return items;
}

QLabel* NewLabel(QWidget* parent, const char* name, const char* caption)
{
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QComboBox* NewList(QWidget* parent, const char* name, const QStringList& items)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(items);
    return list;
}

QLineEdit* NewBox(QWidget* parent, const char* name, TKeyFilter::TMode mode, int maxLength)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(maxLength);
    if (mode == TKeyFilter::Frequency)
        box->setAlignment(Qt::AlignRight);
    TKeyFilter::Install(box, mode);
    return box;
}

QCheckBox* NewCheck(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QRadioButton* NewRadio(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// Each editor opens down and to the right of the ones already open, so that none hides another's caption; the
// borderless channel table behind them does not count. After eight the row starts again at the top.
void MoveEditor(QWidget* editor)
{
    constexpr int kCascadeStep = 24;
    constexpr int kCascadeDepth = 8;
    auto* frame = qobject_cast<QMdiSubWindow*>(editor->parentWidget());
    int open = 0;
    if (QMdiArea* area = frame ? frame->mdiArea() : nullptr)
        for (const QMdiSubWindow* other : area->subWindowList())
            open += other != frame && other->isVisible() && !other->windowFlags().testFlag(Qt::FramelessWindowHint);
    const int offset = 20 + kCascadeStep * (open % kCascadeDepth);
    (frame ? static_cast<QWidget*>(frame) : editor)->move(offset, offset);
}

void CloseEditor(QWidget* editor)
{
    auto* frame = qobject_cast<QMdiSubWindow*>(editor->parentWidget());
    (frame ? static_cast<QWidget*>(frame) : editor)->close();
}
