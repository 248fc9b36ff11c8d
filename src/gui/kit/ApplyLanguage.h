// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the current language file's captions, hints and list items into a window.
#pragma once

class QWidget;

// Visits the form and every child in creation order, finding texts by object name in the section named
// after the form's object name. Does nothing (false) when force is false and the first language is current.
bool ApplyLanguage(QWidget* form, bool force);
