// SPDX-License-Identifier: GPL-3.0-or-later
// Memory channels in and out as CSV in the column layout of CHIRP, the programmer most radio amateurs share
// their repeater lists in. Export writes one row per channel in use; import reads such rows back through the
// same encoders as the channel table, so that every value is rounded and normalised as if typed, and reports
// each row it skipped whole or changed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/AppState.h"
#include "core/model/ChannelOrder.h"

// The columns, in CHIRP's order.
const std::vector<std::string>& ChirpColumns();

// The header and one row per channel in use among channels (every memory channel when empty), in channel
// order, fields separated by separator (',' for a file, '\t' for the clipboard), lines ended by CRLF.
std::string ExportChirpCsv(const TAppState& all, const std::vector<int>& channels = {}, char separator = ',');

// What import did with one row.
struct TCsvNote {
    int Line;
    // The Location as the row has it (the channel it went to, for a paste).
    std::string Location;
    // Skipped whole, or imported with a change.
    bool Skipped;
    std::string Reason;
};

// One imported channel and where it goes.
struct TCsvChannel {
    int Location;
    TChannelSlot Channel;
};

struct TCsvImport {
    // Empty, or why nothing could be read at all (no header, a quoted field left open, not a text file).
    std::string Error;
    // In channel order; a later row for the same Location has replaced the earlier one.
    std::vector<TCsvChannel> Channels;
    std::vector<TCsvNote> Notes;
    int Rows = 0;
};

struct TCsvSource {
    char Separator = ',';
    // Where rows without a header are allowed (a paste), they hold the columns in CHIRP's order.
    bool HeaderOptional = false;
    // Set for a paste: the rows go to this channel and the ones after it, whatever their Location.
    std::optional<int> FirstChannel;
};

// Reads the rows of text as channels of all's model and bands; all stays as it is.
TCsvImport ImportChirpCsv(const TAppState& all, std::string_view text, const TCsvSource& source = {});

// Stores the imported channels into all. replace clears every memory channel the import does not hold.
void ApplyCsvImport(TAppState& all, const TCsvImport& import, bool replace);

// The report: a summary line, then one line per note ("line 7, Location 12: skipped: Mode AM ...").
std::string CsvReportText(const TCsvImport& import);
