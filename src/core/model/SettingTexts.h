// SPDX-License-Identifier: GPL-3.0-or-later
// The radio-wide settings as the settings windows show them: the item a list shows, a check box's state, a DTMF
// code box's text, and from these the listing of every setting as "Window / Field = value" lines (qbh52-cli
// settings, the printout) and the setting of one by its label (qbh52-cli set). The windows load and store their
// mapped lists, check boxes and code boxes through the same functions, so a text here is what a window shows.
#pragma once

#include <string>
#include <vector>

#include "core/model/AppState.h"
#include "core/model/SettingsTable.h"

// The title of the window that a settings table section names ("fOptFun" is "Optional Function").
std::string SettingsWindowTitle(const std::string& section);

// The items of a setting's list as its window shows them: the row's items, and for a channel setting the
// model's channel numbers after them.
std::vector<std::string> ShownItems(const TAppState& all, const TSettingRow& row);
// The index of the item the setting's list shows; -1 where it shows none.
int ShownItem(const TAppState& all, TSetting id);
// Stores the item its list shows at index as the window does; a negative index leaves the setting as it was.
void StoreItem(TAppState& all, TSetting id, int index);

// A check box setting: checked, and the value it stores.
bool SettingChecked(const TAppState& all, TSetting id);
void StoreChecked(TAppState& all, TSetting id, bool checked);

// A DTMF code box (begin, end, ID and stun code): the text it shows, and storing a text of its characters.
std::string DtmfCodeText(const TAppState& all, TSetting id);
void StoreDtmfCode(TAppState& all, TSetting id, std::string text);
// The characters the code box takes and the most it holds.
std::string DtmfCodeCharacters(TSetting id);
int DtmfCodeCapacity(TSetting id);

struct TSettingLine {
    std::string Window;
    std::string Field;
    std::string Value;
};

// Every setting a window shows, in the order of the settings table, then the radio information.
std::vector<TSettingLine> SettingLines(const TAppState& all);
// The lines as "Window / Field = value", each ended by a line feed.
std::string SettingsListing(const TAppState& all);

// Sets the setting that label names (its field, or "Window / Field"; case and surrounding spaces do not count)
// to value as its window would. Returns an empty text, or the error that names the label or the allowed
// values; on an error the image is as it was.
std::string SetSettingByLabel(TAppState& all, const std::string& label, const std::string& value);
