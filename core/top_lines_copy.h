#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "show_message.h"

// How a run of CopyTopLines ended.
enum class CopyOutcome {
    Rejected,           // an input was empty; its message was shown
    SourceNotOpened,    // the source could be neither opened nor created
    SourceEnded,        // the source ran out before the count was reached
    CountReached,       // the last line was appended and "Done." shown
    DestinationFailed,  // a line could not be written; its message was shown
    LineTooLong,        // a line did not fit in memory; its message was shown
};

// The number a line-count text stands for: leading white space, one optional
// sign, then decimal digits up to the first non-digit; no digits give 0.
// Values beyond the 32-bit signed range saturate to its nearest limit.
std::int32_t LineCountFromText(const std::string& text);

// Appends `line` to the end of `destination`, each LF written as CR LF, in one
// write. Returns false after showing "Could not write to log file" when the
// file cannot be opened, written or closed.
bool AppendLine(const std::string& destination, std::string_view line,
                const ShowMessage& show_message);

// Appends the first `lines` lines of `source` to `destination`, one line at a
// time. A count of 0 or less copies every complete line.
CopyOutcome CopyTopLines(const std::string& source, const std::string& destination,
                         const std::string& lines, const ShowMessage& show_message);

// As above, with the longest line that may be held in memory; for tests.
CopyOutcome CopyTopLines(const std::string& source, const std::string& destination,
                         const std::string& lines, const ShowMessage& show_message,
                         std::size_t max_line_length);
