// The settings reader on arbitrary file bytes: ReadSettingsFile agrees with a
// plain model of the reader's rules, with ApplySettingsText on the translated
// text, and leaves the file as it was.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "settings_file.h"

namespace {

// The reader's rules on the raw bytes, one pass, written apart from the code
// under test.
SettingsValues ModelRead(std::string_view bytes, SettingsValues values) {
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\x1A') {
            break;
        }
        if (c != '\n') {
            line += c;  // a CR of a CR LF pair is trimmed with the line end
            continue;
        }
        line = fuzz::WithoutTrailingBlanks(line);
        std::size_t equals = line.find('=');
        std::string key = line.substr(0, equals);
        std::string value = equals == std::string::npos ? "" : line.substr(equals + 1);
        if (key == "SOURCE") {
            values.source = value;
        } else if (key == "DEST") {
            values.dest = value;
        } else if (key == "LINES") {
            values.lines = value;
        }
        line.clear();
    }
    return values;
}

void CheckValue(const std::string& got, const std::string& want, const char* what) {
    if (got != want) {
        fuzz::Fail(what, got + "  <- got | want ->  " + want);
    }
    fuzz::Check(got.find('\n') == std::string::npos, "a value holds a line feed", got);
    fuzz::Check(got.empty() || !fuzz::IsTrailingBlank(got.back()), "a value ends in a blank", got);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string& path = fuzz::ScratchFile();
    fuzz::WriteBytes(path, bytes);

    const SettingsValues start{"s0", "d0", "l0"};
    SettingsValues read = start;
    ReadSettingsFile(path, read.source, read.dest, read.lines);
    SettingsValues model = ModelRead(bytes, start);
    CheckValue(read.source, model.source, "ReadSettingsFile: source differs from the model");
    CheckValue(read.dest, model.dest, "ReadSettingsFile: dest differs from the model");
    CheckValue(read.lines, model.lines, "ReadSettingsFile: lines differs from the model");

    SettingsValues applied = start;
    ApplySettingsText(fuzz::ReferenceReadTranslation(bytes), applied);
    CheckValue(applied.source, model.source, "ApplySettingsText: source differs from the model");
    CheckValue(applied.dest, model.dest, "ApplySettingsText: dest differs from the model");
    CheckValue(applied.lines, model.lines, "ApplySettingsText: lines differs from the model");

    fuzz::Check(fuzz::ReadBytes(path) == bytes, "the reader changed the file");
    return 0;
}
