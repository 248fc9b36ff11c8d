// SPDX-License-Identifier: GPL-3.0-or-later
// The captions of undo steps, built from the texts the user sees, and the one call that records a field's change.
#pragma once

#include <QString>

class QWidget;

// A caption cleaned for a step's name: no shortcut mark, line breaks or unit ("RX Frequency[MHz]" gives
// "RX Frequency").
QString StepFieldName(const QString& caption);
// What the user calls a control: the text of the label that stands for it (its buddy) or its own text.
QString FieldCaption(const QWidget* control);
// How a step names a channel: "CH-005"; the two VFO channels are "VFO A" and "VFO B".
QString ChannelStepName(int channel);
// Records the change of one field as one undo step: "Edit CH-005 RX Frequency", "Edit Squelch Level".
void CommitFieldEdit(const QString& field);
// The same for a control, named by FieldCaption, after an optional subject ("CH-005").
void CommitControlEdit(const QWidget* control, const QString& subject = {});
