#include <gtest/gtest.h>

#include <string>

#include "temp_dir.h"
#include "text_file_stream.h"

namespace {

// Everything Get delivers until the end of input.
std::string ReadAll(TextFileStream& in) {
    std::string got;
    for (int c = in.Get(); c != TextFileStream::kEnd; c = in.Get()) {
        got += static_cast<char>(c);
    }
    return got;
}

struct TranslationCase {
    const char* name;
    std::string file;
    std::string delivered;
};

TEST(TextFileStreamRead, TranslatesLineEndsAndStopsAtCtrlZ) {
    using namespace std::string_literals;
    const TranslationCase cases[] = {
        {"empty file", "", ""},
        {"LF lines", "a\nb\n", "a\nb\n"},
        {"CR LF becomes LF", "a\r\nb\r\n", "a\nb\n"},
        {"lone CR passes", "x\ry\n", "x\ry\n"},
        {"CR as last byte", "x\r", "x\r"},
        {"CR CR LF", "x\r\r\n", "x\r\n"},
        {"LF CR", "\n\r", "\n\r"},
        {"Ctrl-Z ends input",
         "a\nb\x1A"
         "c\n",
         "a\nb"},
        {"Ctrl-Z first",
         "\x1A"
         "abc",
         ""},
        {"CR then Ctrl-Z", "a\r\x1A\n", "a\r"},
        {"NUL, tab, FF and high bytes unchanged", "\0\t\f\x80\xFF\n"s, "\0\t\f\x80\xFF\n"s},
    };
    TempDir dir;
    for (const TranslationCase& c : cases) {
        std::string path = dir.Path("in.txt");
        WriteBytes(path, c.file);
        TextFileStream in(path, TextFileStream::Read);
        ASSERT_TRUE(in.IsOpen()) << c.name;
        EXPECT_EQ(ReadAll(in), c.delivered) << c.name;
        EXPECT_EQ(in.Get(), TextFileStream::kEnd) << c.name << ": end stays the end";
    }
}

// Lines around the 64 KiB block boundary, where a CR and its LF arrive in
// different reads.
TEST(TextFileStreamRead, CrLfSplitAcrossBlocksIsOneLineEnd) {
    const std::size_t block = 64 * 1024;
    struct Case {
        const char* name;
        std::size_t filler;
        std::string tail;
        std::string delivered_tail;
    };
    const Case cases[] = {
        {"CR last of block, LF first of next", block - 1, "\r\nz", "\nz"},
        {"CR last of block, other byte next", block - 1, "\rz", "\rz"},
        {"CR last of block and of file", block - 1, "\r", "\r"},
        {"CR LF straddling a later block", 2 * block - 1, "\r\n", "\n"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        std::string path = dir.Path("in.txt");
        WriteBytes(path, std::string(c.filler, 'x') + c.tail);
        TextFileStream in(path, TextFileStream::Read);
        EXPECT_EQ(ReadAll(in), std::string(c.filler, 'x') + c.delivered_tail) << c.name;
    }
}

TEST(TextFileStreamRead, DeliversBytesAppendedAfterTheEndWasSeen) {
    TempDir dir;
    std::string path = dir.Path("grows.txt");
    WriteBytes(path, "a\n");
    TextFileStream in(path, TextFileStream::Read);
    EXPECT_EQ(ReadAll(in), "a\n");

    TextFileStream out(path, TextFileStream::WriteAtEnd);
    ASSERT_TRUE(out.IsOpen()) << "a second open while the reader holds the file";
    out.Put("b\n");
    ASSERT_TRUE(out.Close());
    EXPECT_EQ(ReadAll(in), "b\n");
}

TEST(TextFileStreamRead, StopAtCurrentSizeIgnoresLaterGrowth) {
    TempDir dir;
    std::string path = dir.Path("grows.txt");
    WriteBytes(path, "a\r\n");
    TextFileStream in(path, TextFileStream::Read);
    in.StopAtCurrentSize();
    WriteBytes(path, "a\r\nb\r\n");
    EXPECT_EQ(ReadAll(in), "a\n");
}

TEST(TextFileStreamWrite, WritesEachLfAsCrLfAndNothingElse) {
    TempDir dir;
    std::string path = dir.Path("out.txt");
    TextFileStream out(path, TextFileStream::WriteReplace);
    ASSERT_TRUE(out.IsOpen());
    out.Put("a\nb\r\n\rc");
    out.Put('\n');
    EXPECT_EQ(ReadBytes(path), "") << "nothing reaches the file before the close";
    ASSERT_TRUE(out.Close());
    EXPECT_EQ(ReadBytes(path), "a\r\nb\r\r\n\rc\r\n");
}

// Short of memory for a whole translated line, the stream writes out what it
// has queued and goes on: the file still gets every byte, in order.
TEST(TextFileStreamWrite, ShortOfMemoryWritesEarlyButLosesNothing) {
    TempDir dir;
    std::string path = dir.Path("out.txt");
    std::string line;
    for (int i = 0; i < 40; ++i) {
        line += "line " + std::to_string(i) + "\n";
    }
    std::string expected;
    for (char c : line) {
        expected += c == '\n' ? "\r\n" : std::string(1, c);
    }
    TextFileStream out(path, TextFileStream::WriteReplace, 7);
    ASSERT_TRUE(out.IsOpen());
    out.Put(line);
    EXPECT_TRUE(out.Close());
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST(TextFileStreamOpen, ModesCreateKeepOrEmptyTheFile) {
    struct Case {
        const char* name;
        TextFileStream::Mode mode;
        bool file_exists;
        std::string written;
        std::string expected;
    };
    const Case cases[] = {
        {"Read creates a missing file", TextFileStream::Read, false, "", ""},
        {"Read keeps the content", TextFileStream::Read, true, "", "old\x1A"},
        {"WriteAtEnd creates a missing file", TextFileStream::WriteAtEnd, false, "n\n", "n\r\n"},
        {"WriteAtEnd appends after a Ctrl-Z", TextFileStream::WriteAtEnd, true, "n\n",
         "old\x1An\r\n"},
        {"WriteReplace creates a missing file", TextFileStream::WriteReplace, false, "n\n",
         "n\r\n"},
        {"WriteReplace empties the file", TextFileStream::WriteReplace, true, "", ""},
    };
    for (const Case& c : cases) {
        TempDir dir;
        std::string path = dir.Path("f.txt");
        if (c.file_exists) {
            WriteBytes(path, "old\x1A");
        }
        TextFileStream stream(path, c.mode);
        ASSERT_TRUE(stream.IsOpen()) << c.name;
        stream.Put(c.written);
        EXPECT_TRUE(stream.Close()) << c.name;
        EXPECT_TRUE(Exists(path)) << c.name;
        EXPECT_EQ(ReadBytes(path), c.expected) << c.name;
    }
}

TEST(TextFileStreamOpen, FailsForAMissingFolderOrAFolderInEveryMode) {
    TempDir dir;
    const std::string missing_folder = dir.Path("missing") + "/f.txt";
    const std::string folder = dir.Path("");
    for (auto mode :
         {TextFileStream::Read, TextFileStream::WriteAtEnd, TextFileStream::WriteReplace}) {
        EXPECT_FALSE(TextFileStream(missing_folder, mode).IsOpen()) << "mode " << mode;
        EXPECT_FALSE(TextFileStream(folder, mode).IsOpen()) << "mode " << mode;
        EXPECT_FALSE(Exists(missing_folder));
    }
    TextFileStream closed(folder, TextFileStream::Read);
    EXPECT_EQ(closed.Get(), TextFileStream::kEnd);
    EXPECT_TRUE(closed.Close()) << "closing a stream that never opened is harmless";
}

TEST(TextFileStreamIdentity, SameFileByIdentityNotBySpelling) {
    TempDir dir;
    std::string path = dir.Path("f.txt");
    TextFileStream in(path, TextFileStream::Read);
    EXPECT_TRUE(in.IsSameFileAs(path));
    EXPECT_TRUE(in.IsSameFileAs(dir.Path(".") + "/./f.txt"));
    EXPECT_FALSE(in.IsSameFileAs(dir.Path("other.txt")));
    WriteBytes(dir.Path("other.txt"), "");
    EXPECT_FALSE(in.IsSameFileAs(dir.Path("other.txt")));
}

}  // namespace
