// The radio-link dialogs, each shown modally for one use and freed right after.
#pragma once

class QWidget;

// Read from radio (command 20); true when a read completed and the image was replaced.
bool ShowReadRadio(QWidget* parent);
// Write to radio (command 21).
void ShowWriteRadio(QWidget* parent);
// Power test (command 22).
void ShowTestFrm(QWidget* parent);
// Communication port (command 31).
void ShowSetPort(QWidget* parent);
