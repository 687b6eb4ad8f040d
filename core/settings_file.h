#pragma once

#include <string>
#include <string_view>

#include "show_message.h"

// The three values kept in the settings file.
struct SettingsValues {
    std::string source;
    std::string dest;
    std::string lines;
};

// Applies the settings file at `path` to the three values: a value whose key
// the file does not supply stays as it was. A missing file is created empty.
// Shows nothing; an unreadable file changes nothing.
void ReadSettingsFile(const std::string& path, std::string& source, std::string& dest,
                      std::string& lines);

// Writes the three values to `path`, replacing its content. Shows "Save to
// File" with caption "Error Writing File" once when the file cannot be opened,
// written or closed.
void WriteSettingsFile(const std::string& path, const std::string& source, const std::string& dest,
                       const std::string& lines, const ShowMessage& show_message);

// The reader's rules applied to text already translated by the stream: each
// line ended by LF loses its trailing blanks (0x20, 0x09 to 0x0D) and splits at
// its first "="; SOURCE, DEST and LINES take what follows it, the last
// occurrence winning. A last line without LF is dropped.
void ApplySettingsText(std::string_view text, SettingsValues& values);

// The file's content before write translation: the CREATOR line, the three
// values' lines and an empty line, each ended by LF.
std::string ComposeSettingsText(const SettingsValues& values);
