#include "settings_file.h"

#include "byte_buffer.h"
#include "text_file_stream.h"

namespace {

constexpr const char* kSaveFailedText = "Save to File";
constexpr const char* kSaveFailedCaption = "Error Writing File";

bool IsTrailingBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Applies one line, its line end included, to the three values: trailing
// blanks go, the key is what precedes the first "=" and the value all that
// follows it. Unknown keys change nothing.
void ApplyLine(std::string_view line, std::string& source, std::string& dest, std::string& lines) {
    while (!line.empty() && IsTrailingBlank(line.back())) {
        line.remove_suffix(1);
    }
    std::string_view key = line;
    std::string_view value;
    std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) {
        key = line.substr(0, equals);
        value = line.substr(equals + 1);
    }
    if (key == "SOURCE") {
        source.assign(value);
    } else if (key == "DEST") {
        dest.assign(value);
    } else if (key == "LINES") {
        lines.assign(value);
    }
}

}  // namespace

void ApplySettingsText(std::string_view text, SettingsValues& values) {
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos;
         end = text.find('\n', start)) {
        ApplyLine(text.substr(start, end + 1 - start), values.source, values.dest, values.lines);
        start = end + 1;
    }
}

std::string ComposeSettingsText(const SettingsValues& values) {
    std::string text = "CREATOR=ZENTRIM 1.0\nSOURCE=";
    text += values.source;
    text += "\nDEST=";
    text += values.dest;
    text += "\nLINES=";
    text += values.lines;
    text += "\n\n";
    return text;
}

void ReadSettingsFile(const std::string& path, std::string& source, std::string& dest,
                      std::string& lines) {
    TextFileStream in(path, TextFileStream::Read);
    if (!in.IsOpen()) {
        return;
    }
    // A line too long for memory is skipped to its end; the others still apply.
    ByteBuffer line;
    bool too_long = false;
    for (int c = in.Get(); c != TextFileStream::kEnd; c = in.Get()) {
        too_long = !line.Add(static_cast<char>(c)) || too_long;
        if (c == '\n') {
            if (!too_long) {
                ApplyLine(line.View(), source, dest, lines);
            }
            line.Clear();
            too_long = false;
        }
    }
    in.Close();
}

void WriteSettingsFile(const std::string& path, const std::string& source, const std::string& dest,
                       const std::string& lines, const ShowMessage& show_message) {
    TextFileStream out(path, TextFileStream::WriteReplace);
    bool written = out.IsOpen();
    if (written) {
        out.Put(ComposeSettingsText({source, dest, lines}));
        written = out.Close();
    }
    if (!written) {
        show_message(kSaveFailedText, kSaveFailedCaption);
    }
}
