// SPDX-License-Identifier: GPL-3.0-or-later
// The radio-link dialogs, each shown modally for one use and freed right after.
#pragma once

class QWidget;

// Read from radio (TCommand::ReadFromRadio); true when a read completed and the image was replaced.
bool ShowReadWindow(QWidget* parent);
// Write to radio (TCommand::WriteToRadio).
void ShowWriteWindow(QWidget* parent);
// Power test (TCommand::PowerTest).
void ShowPowerTestWindow(QWidget* parent);
// Communication port (TCommand::Port).
void ShowPortWindow(QWidget* parent);
