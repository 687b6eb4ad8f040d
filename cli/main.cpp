// zentrim-copy: appends the first lines of one text file to the end of
// another, exactly as the dialog's "Go" does, for scripts and scheduled tasks.

#include <cstdio>
#include <string>
#include <vector>

#include "top_lines_copy.h"

namespace {

constexpr const char* kUsage = "usage: zentrim-copy [--] SOURCE DEST LINES";

void PrintHelp() {
    std::printf(
        "%s\n"
        "Appends the first LINES lines of SOURCE to the end of DEST, each ending\n"
        "in CR LF. A count of 0 or less, or one that is not a number, copies every\n"
        "complete line. Messages go to standard error as \"Caption: text\".\n"
        "\n"
        "Exit status: 0 when the count was reached or the source ended,\n"
        "1 when the copy failed or an input was empty, 2 for a usage error.\n"
        "\n"
        "Options:\n"
        "  --help      show this help and exit\n"
        "  --version   show the version and exit\n"
        "  --          end of options: what follows are operands\n",
        kUsage);
}

int UsageError(const std::string& why) {
    std::fprintf(stderr, "zentrim-copy: %s\n%s\n", why.c_str(), kUsage);
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

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> operands;
    bool options_ended = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (options_ended || arg.size() < 2 || arg[0] != '-') {
            operands.push_back(arg);
        } else if (arg == "--") {
            options_ended = true;
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
    if (operands.size() != 3) {
        return UsageError("expected SOURCE, DEST and LINES");
    }
    return ExitStatus(CopyTopLines(operands[0], operands[1], operands[2], PrintMessage));
}
