#include "top_lines_copy.h"

#include <limits>

#include "byte_buffer.h"
#include "text_file_stream.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

std::int32_t LineCountFromText(const std::string& text) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulates the magnitude, held just past the limit once it gets there.
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kMax + 1) {
            magnitude = kMax + 1;
        }
    }
    if (negative) {
        return static_cast<std::int32_t>(-magnitude < kMin ? kMin : -magnitude);
    }
    return static_cast<std::int32_t>(magnitude > kMax ? kMax : magnitude);
}

bool AppendLine(const std::string& destination, std::string_view line,
                const ShowMessage& show_message) {
    TextFileStream out(destination, TextFileStream::WriteAtEnd);
    bool written = out.IsOpen();
    if (written) {
        out.Put(line);
        written = out.Close();
    }
    if (!written) {
        show_message("Could not write to log file", "Error Log");
    }
    return written;
}

CopyOutcome CopyTopLines(const std::string& source, const std::string& destination,
                         const std::string& lines, const ShowMessage& show_message) {
    return CopyTopLines(source, destination, lines, show_message,
                        std::numeric_limits<std::ptrdiff_t>::max());
}

CopyOutcome CopyTopLines(const std::string& source, const std::string& destination,
                         const std::string& lines, const ShowMessage& show_message,
                         std::size_t max_line_length) {
    const std::int32_t count = LineCountFromText(lines);
    if (source.empty()) {
        show_message("Please enter a source file", "Error");
        return CopyOutcome::Rejected;
    }
    if (destination.empty()) {
        show_message("Please enter a destination file", "Error");
        return CopyOutcome::Rejected;
    }
    if (lines.empty()) {
        show_message("Please enter or select a number of lines", "Error");
        return CopyOutcome::Rejected;
    }

    TextFileStream in(source, TextFileStream::Read);
    if (!in.IsOpen()) {
        return CopyOutcome::SourceNotOpened;
    }
    // Without a count, a source that is also the destination would feed on
    // its own appended lines until the disk is full.
    if (count <= 0 && in.IsSameFileAs(destination)) {
        in.StopAtCurrentSize();
    }

    ByteBuffer line(max_line_length);
    std::int64_t copied = 0;
    for (;;) {
        int c = in.Get();
        if (c == TextFileStream::kEnd) {
            in.Close();
            return CopyOutcome::SourceEnded;
        }
        if (!line.Add(static_cast<char>(c))) {
            show_message("The source has a line too long to copy", "Error");
            in.Close();
            return CopyOutcome::LineTooLong;
        }
        if (c != '\n') {
            continue;
        }
        if (!AppendLine(destination, line.View(), show_message)) {
            in.Close();
            return CopyOutcome::DestinationFailed;
        }
        line.Clear();
        if (++copied == count) {
            show_message("Done.", "Done");
            in.Close();
            return CopyOutcome::CountReached;
        }
    }
}
