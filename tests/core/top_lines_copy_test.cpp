#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "temp_dir.h"
#include "top_lines_copy.h"

namespace {

using Messages = std::vector<std::pair<std::string, std::string>>;  // text, caption

// Records every message the copy shows, in order.
struct Recorder {
    Messages shown;
    ShowMessage show() {
        return [this](const std::string& text, const std::string& caption) {
            shown.emplace_back(text, caption);
        };
    }
};

const std::pair<std::string, std::string> kDone{"Done.", "Done"};
const std::pair<std::string, std::string> kWriteFailed{"Could not write to log file", "Error Log"};

struct CopyCase {
    const char* name;
    std::string source;
    const char* count;
    std::string destination_before;  // "" leaves the destination missing
    std::string destination_after;
    CopyOutcome outcome;
    Messages messages;
};

TEST(CopyTopLines, CopiesLinesAsTable) {
    using namespace std::string_literals;
    const std::string abc = "a\nb\nc\n";
    const CopyCase cases[] = {
        {"count reached", abc, "2", "", "a\r\nb\r\n", CopyOutcome::CountReached, {kDone}},
        {"count equals the lines",
         abc,
         "3",
         "",
         "a\r\nb\r\nc\r\n",
         CopyOutcome::CountReached,
         {kDone}},
        {"source ends first", abc, "5", "", "a\r\nb\r\nc\r\n", CopyOutcome::SourceEnded, {}},
        {"zero copies all", abc, "0", "", "a\r\nb\r\nc\r\n", CopyOutcome::SourceEnded, {}},
        {"negative copies all", abc, "-3", "", "a\r\nb\r\nc\r\n", CopyOutcome::SourceEnded, {}},
        {"letters copy all", abc, "abc", "", "a\r\nb\r\nc\r\n", CopyOutcome::SourceEnded, {}},
        {"blank count copies all", abc, " ", "", "a\r\nb\r\nc\r\n", CopyOutcome::SourceEnded, {}},
        {"number then words", abc, " 1abc", "", "a\r\n", CopyOutcome::CountReached, {kDone}},
        {"last line without LF dropped", "a\nb", "5", "", "a\r\n", CopyOutcome::SourceEnded, {}},
        {"one line without LF copies nothing", "abc", "1", "", "", CopyOutcome::SourceEnded, {}},
        {"CR-only line ends hold no line", "a\rb\rc\r", "1", "", "", CopyOutcome::SourceEnded, {}},
        {"CR LF source", "a\r\nb\r\n", "2", "", "a\r\nb\r\n", CopyOutcome::CountReached, {kDone}},
        {"empty line counts", "\nx\n", "1", "", "\r\n", CopyOutcome::CountReached, {kDone}},
        {"inner CR kept", "x\ry\n", "1", "", "x\ry\r\n", CopyOutcome::CountReached, {kDone}},
        {"Ctrl-Z ends the source",
         "a\nb\x1A"
         "c\n",
         "5",
         "",
         "a\r\n",
         CopyOutcome::SourceEnded,
         {}},
        {"NUL and high bytes copied",
         "\0\x80\xFF\n"s,
         "1",
         "",
         "\0\x80\xFF\r\n"s,
         CopyOutcome::CountReached,
         {kDone}},
        {"existing destination kept",
         "a\n",
         "1",
         "old\r\n",
         "old\r\na\r\n",
         CopyOutcome::CountReached,
         {kDone}},
        {"unfinished last line continued",
         "a\n",
         "1",
         "old",
         "olda\r\n",
         CopyOutcome::CountReached,
         {kDone}},
        {"empty source", "", "3", "", "", CopyOutcome::SourceEnded, {}},
    };
    for (const CopyCase& c : cases) {
        TempDir dir;
        std::string source = dir.Path("source.txt");
        std::string destination = dir.Path("destination.txt");
        WriteBytes(source, c.source);
        if (!c.destination_before.empty()) {
            WriteBytes(destination, c.destination_before);
        }
        Recorder recorder;
        EXPECT_EQ(CopyTopLines(source, destination, c.count, recorder.show()), c.outcome) << c.name;
        EXPECT_EQ(ReadBytes(destination), c.destination_after) << c.name;
        EXPECT_EQ(recorder.shown, c.messages) << c.name;
    }
}

TEST(CopyTopLines, RejectsEmptyInputsInOrderWithoutTouchingFiles) {
    const std::pair<std::string, std::string> no_source{"Please enter a source file", "Error"};
    const std::pair<std::string, std::string> no_dest{"Please enter a destination file", "Error"};
    const std::pair<std::string, std::string> no_count{"Please enter or select a number of lines",
                                                       "Error"};
    TempDir dir;
    const std::string s = dir.Path("s.txt");
    const std::string d = dir.Path("d.txt");
    struct Case {
        const char* name;
        std::string source, destination, count;
        std::pair<std::string, std::string> message;
    };
    const Case cases[] = {
        {"all empty", "", "", "", no_source},
        {"no source", "", d, "1", no_source},
        {"no destination", s, "", "", no_dest},
        {"no count", s, d, "", no_count},
    };
    for (const Case& c : cases) {
        Recorder recorder;
        EXPECT_EQ(CopyTopLines(c.source, c.destination, c.count, recorder.show()),
                  CopyOutcome::Rejected)
            << c.name;
        EXPECT_EQ(recorder.shown, Messages{c.message}) << c.name;
        EXPECT_FALSE(Exists(s) || Exists(d)) << c.name << ": no file opened";
    }
}

TEST(CopyTopLines, SourceOpening) {
    TempDir dir;
    Recorder recorder;
    const std::string missing = dir.Path("missing.txt");
    EXPECT_EQ(CopyTopLines(missing, dir.Path("d.txt"), "1", recorder.show()),
              CopyOutcome::SourceEnded);
    EXPECT_TRUE(Exists(missing)) << "a missing source is created empty";
    EXPECT_FALSE(Exists(dir.Path("d.txt")));

    const std::string in_missing_folder = dir.Path("no/such.txt");
    EXPECT_EQ(CopyTopLines(in_missing_folder, dir.Path("d.txt"), "1", recorder.show()),
              CopyOutcome::SourceNotOpened);
    EXPECT_EQ(CopyTopLines(dir.Path(""), dir.Path("d.txt"), "1", recorder.show()),
              CopyOutcome::SourceNotOpened);
    EXPECT_TRUE(recorder.shown.empty());
}

TEST(CopyTopLines, DestinationThatCannotBeOpenedEndsTheRunWithOneMessage) {
    TempDir dir;
    std::string source = dir.Path("source.txt");
    WriteBytes(source, "1\n2\n3\n4\n5\n");
    Recorder recorder;
    EXPECT_EQ(CopyTopLines(source, dir.Path(""), "3", recorder.show()),
              CopyOutcome::DestinationFailed);
    EXPECT_EQ(recorder.shown, Messages{kWriteFailed});

    EXPECT_EQ(CopyTopLines(source, dir.Path("no/d.txt"), "0", recorder.show()),
              CopyOutcome::DestinationFailed);
    EXPECT_EQ(recorder.shown, (Messages{kWriteFailed, kWriteFailed}));
}

TEST(CopyTopLines, SameFileAsSourceAndDestination) {
    struct Case {
        const char* name;
        std::string before;
        const char* count;
        std::string after;
        CopyOutcome outcome;
    };
    const Case cases[] = {
        {"count repeats the lines as they are read", "a\nb\n", "5",
         "a\nb\na\r\nb\r\na\r\nb\r\na\r\n", CopyOutcome::CountReached},
        {"no count copies what was there at the start", "a\nb\n", "0", "a\nb\na\r\nb\r\n",
         CopyOutcome::SourceEnded},
        {"negative count too", "a\r\nb\r\n", "-1", "a\r\nb\r\na\r\nb\r\n",
         CopyOutcome::SourceEnded},
        {"empty file stays empty", "", "3", "", CopyOutcome::SourceEnded},
    };
    for (const Case& c : cases) {
        TempDir dir;
        std::string path = dir.Path("same.txt");
        WriteBytes(path, c.before);
        Recorder recorder;
        // A second spelling of the same file: identity, not text, decides.
        std::string other_spelling = dir.Path(".") + "/same.txt";
        EXPECT_EQ(CopyTopLines(path, other_spelling, c.count, recorder.show()), c.outcome)
            << c.name;
        EXPECT_EQ(ReadBytes(path), c.after) << c.name;
    }
}

TEST(CopyTopLines, LineTooLongStopsBeforeWritingIt) {
    TempDir dir;
    std::string source = dir.Path("source.txt");
    std::string destination = dir.Path("destination.txt");
    WriteBytes(source, "short\n" + std::string(100, 'x') + "\nafter\n");
    Recorder recorder;
    EXPECT_EQ(CopyTopLines(source, destination, "0", recorder.show(), 64),
              CopyOutcome::LineTooLong);
    EXPECT_EQ(ReadBytes(destination), "short\r\n");
    EXPECT_EQ(recorder.shown, (Messages{{"The source has a line too long to copy", "Error"}}));
}

}  // namespace
