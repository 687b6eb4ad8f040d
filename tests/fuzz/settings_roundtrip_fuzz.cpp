// Three values written and read back: the file holds exactly the composed
// content with CR LF line ends, and each value comes back less its trailing
// blanks, "=" included. Values hold no LF and no Ctrl-Z, which the format
// cannot carry.

#include <cstddef>
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_support.h"
#include "settings_file.h"

namespace {

std::string Value(FuzzedDataProvider& input) {
    std::string value;
    for (char c : input.ConsumeRandomLengthString(4096)) {
        if (c != '\n' && c != '\x1A') {
            value += c;
        }
    }
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    SettingsValues written;
    written.source = Value(input);
    written.dest = Value(input);
    written.lines = Value(input);

    const std::string& path = fuzz::ScratchFile();
    int messages = 0;
    WriteSettingsFile(path, written.source, written.dest, written.lines,
                      [&messages](const std::string&, const std::string&) { ++messages; });
    fuzz::Check(messages == 0, "the writer reported a failure");

    std::string expected = "CREATOR=ZENTRIM 1.0\r\nSOURCE=" + written.source +
                           "\r\nDEST=" + written.dest + "\r\nLINES=" + written.lines + "\r\n\r\n";
    std::string composed = ComposeSettingsText(written);
    fuzz::Check(fuzz::ReferenceWriteTranslation(composed) == expected,
                "ComposeSettingsText differs from the format", composed);
    std::string file = fuzz::ReadBytes(path);
    fuzz::Check(file == expected, "the written bytes differ from the format", file);

    SettingsValues read{"s0", "d0", "l0"};
    ReadSettingsFile(path, read.source, read.dest, read.lines);
    fuzz::Check(read.source == fuzz::WithoutTrailingBlanks(written.source),
                "source did not come back", read.source);
    fuzz::Check(read.dest == fuzz::WithoutTrailingBlanks(written.dest), "dest did not come back",
                read.dest);
    fuzz::Check(read.lines == fuzz::WithoutTrailingBlanks(written.lines), "lines did not come back",
                read.lines);
    return 0;
}
