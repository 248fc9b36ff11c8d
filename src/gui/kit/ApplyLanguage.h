// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the current language file's captions, hints and list items into a window.
#pragma once

#include <string>

class QWidget;

// Visits the form and every child in creation order, finding texts by object name in the section named
// after the form's object name. Does nothing (false) when force is false and the first language is current.
// Either way it names the form's controls for assistive technology (NameControls).
bool ApplyLanguage(QWidget* form, bool force);

// A screen reader says a control's accessible name: a list, box, spin box or slider takes the caption of the
// label before it in its layout (which becomes the label's buddy, so the label's shortcut reaches it too), a
// table or tree the form's title. Run again after a language change, the names follow the captions.
void NameControls(QWidget* form);

// Qt's own texts (the standard buttons, the file dialogs) in the language of the language file, where Qt has
// that language; otherwise they stay English. True when a translation was loaded.
bool UseQtTranslations(const std::string& languageName);
