// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/kit/EditSteps.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

#include "core/files/StartUp.h"
#include "core/model/Views.h"
#include "gui/kit/FormKit.h"

QString StepFieldName(const QString& caption)
{
    QString name = caption;
    name.remove(u'&');
    name.replace(u'\n', u' ');
    if (const int unit = name.indexOf(u'['); unit > 0)
        name.truncate(unit);
    return name.simplified();
}

QString FieldCaption(const QWidget* control)
{
    if (!control)
        return {};
    for (const QLabel* label : control->window()->findChildren<QLabel*>())
        if (label->buddy() == control)
            return StepFieldName(label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return StepFieldName(button->text());
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return StepFieldName(group->title());
    return {};
}

QString ChannelStepName(int channel)
{
    if (channel == kVfoA || channel == kVfoB)
        return QStringLiteral("VFO ") + QChar(channel == kVfoA ? u'A' : u'B');
    return QStringLiteral("CH-%1").arg(channel, 3, 10, QChar(u'0'));
}

void CommitFieldEdit(const QString& field)
{
    CommitEdit(gLanguage.EditStep + " " + ToStd(field));
}

void CommitControlEdit(const QWidget* control, const QString& subject)
{
    const QString field = FieldCaption(control);
    CommitFieldEdit(subject.isEmpty() ? field : subject + u' ' + field);
}
