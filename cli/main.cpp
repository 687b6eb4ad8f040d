// zentrim-copy: appends the first lines of one text file to the end of
// another, exactly as the dialog's "Go" does, for scripts and scheduled tasks.

#include <cstdio>
#include <string>
#include <vector>

#include "settings_file.h"
#include "top_lines_copy.h"

namespace {

constexpr const char* kUsage =
    "usage: zentrim-copy [--] SOURCE DEST LINES | zentrim-copy --settings FILE";

void PrintHelp() {
    std::printf(
        "%s\n"
        "Appends the first LINES lines of SOURCE to the end of DEST, each ending\n"
        "in CR LF. A count of 0 or less, or one that is not a number, copies every\n"
        "complete line. Messages go to standard error as \"Caption: text\".\n"
        "\n"
        "With --settings, SOURCE, DEST and LINES come from FILE, a settings file\n"
        "such as the dialog's zentrim.ini, read by the dialog's rules: the values\n"
        "of its SOURCE=, DEST= and LINES= lines less trailing blanks, the last of\n"
        "each winning; a value FILE does not give stays empty. A missing FILE is\n"
        "created empty, as the dialog does, and the run then fails for want of a\n"
        "source. Relative paths in FILE are taken from the current directory.\n"
        "\n"
        "Exit status: 0 when the count was reached or the source ended,\n"
        "1 when the copy failed or an input was empty, 2 for a usage error.\n"
        "\n"
        "Options:\n"
        "  --settings FILE  run the copy that the settings file FILE describes\n"
        "  --help           show this help and exit\n"
        "  --version        show the version and exit\n"
        "  --               end of options: what follows are operands\n",
        kUsage);
}

// One line on standard error: the usage, then what was wrong.
int UsageError(const std::string& why) {
    std::fprintf(stderr, "%s (%s)\n", kUsage, why.c_str());
    return 2;
}

void PrintMessage(const std::string& text, const std::string& caption) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
}

int ExitStatus(CopyOutcome outcome) {
    switch (outcome) {
        case CopyOutcome::CountReached:
        case CopyOutcome::SourceEnded:
            return 0;
        case CopyOutcome::Rejected:
        case CopyOutcome::SourceNotOpened:
        case CopyOutcome::DestinationFailed:
        case CopyOutcome::LineTooLong:
            break;
    }
    return 1;
}

// Runs the copy with the values that the settings file gives, each starting
// empty, as the dialog's "Go" would after loading it.
CopyOutcome RunFromSettings(const std::string& settings_file) {
    std::string source, dest, lines;
    ReadSettingsFile(settings_file, source, dest, lines);
    return CopyTopLines(source, dest, lines, PrintMessage);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> operands;
    bool options_ended = false;
    bool from_settings = false;
    std::string settings_file;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (options_ended || arg.size() < 2 || arg[0] != '-') {
            operands.push_back(arg);
        } else if (arg == "--") {
            options_ended = true;
        } else if (arg == "--settings") {
            if (from_settings) {
                return UsageError("--settings given twice");
            }
            if (i + 1 == argc) {
                return UsageError("--settings needs a FILE");
            }
            from_settings = true;
            settings_file = argv[++i];
        } else if (arg == "--help") {
            PrintHelp();
            return 0;
        } else if (arg == "--version") {
            std::printf("zentrim-copy %s\n", ZENTRIM_VERSION);
            return 0;
        } else {
            return UsageError("unknown option " + arg);
        }
    }
    if (from_settings) {
        if (!operands.empty()) {
            return UsageError("--settings FILE takes no other operands");
        }
        return ExitStatus(RunFromSettings(settings_file));
    }
    if (operands.size() != 3) {
        return UsageError("expected SOURCE, DEST and LINES");
    }
    return ExitStatus(CopyTopLines(operands[0], operands[1], operands[2], PrintMessage));
}
