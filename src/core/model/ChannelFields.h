// The built-in English items of the channel table's list columns.
#pragma once

#include <string>
#include <vector>

// Items by channel field number (the index is the value the channel codec stores); empty for fields that are
// not chosen from a fixed list (the tone fields use ToneList()).
const std::vector<std::string>& BuiltInListItems(int field);
