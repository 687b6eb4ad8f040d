#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#endif

#include "settings_file.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

using Messages = std::vector<std::pair<std::string, std::string>>;

const std::pair<std::string, std::string> kSaveFailed{"Save to File", "Error Writing File"};

// A fresh folder per test, removed afterwards.
class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        dir_ = fs::temp_directory_path() /
               ("zentrim-settings-" + std::string(info->name()) + "-" + std::to_string(stamp));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    static void WriteBytes(const std::string& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    static std::string ReadBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    ShowMessage Recorder() {
        return [this](const std::string& text, const std::string& caption) {
            messages_.emplace_back(text, caption);
        };
    }

    fs::path dir_;
    Messages messages_;
};

// What the stream delivers for the given bytes: CR LF as LF, nothing from a
// Ctrl-Z on.
std::string Translated(const std::string& bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size() && bytes[i] != '\x1A'; ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;
        }
        text += bytes[i];
    }
    return text;
}

// ---------------------------------------------------------------- writer bytes

TEST_F(SettingsFileTest, WritesTheSixtyEightByteExample) {
    std::string path = PathOf("zentrim.ini");
    WriteSettingsFile(path, "C:\\in.txt", "C:\\out.txt", "10", Recorder());
    const std::string expected =
        "CREATOR=ZENTRIM 1.0\r\nSOURCE=C:\\in.txt\r\nDEST=C:\\out.txt\r\nLINES=10\r\n\r\n";
    ASSERT_EQ(expected.size(), 68u);
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(SettingsFileTest, WritesTheFortySevenByteFileForEmptyValues) {
    std::string path = PathOf("zentrim.ini");
    WriteSettingsFile(path, "", "", "", Recorder());
    const std::string expected = "CREATOR=ZENTRIM 1.0\r\nSOURCE=\r\nDEST=\r\nLINES=\r\n\r\n";
    ASSERT_EQ(expected.size(), 47u);
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(SettingsFileTest, WritesValuesAsTheyAreAndReplacesALongerFile) {
    std::string path = PathOf("zentrim.ini");
    WriteBytes(path, std::string(500, 'x') + "\r\nSOURCE=old\r\n");
    WriteSettingsFile(path, " a=b\\x.txt ", "x\ry", "\xE9\x80"s + "\0"s + "7", Recorder());
    EXPECT_EQ(ReadBytes(path),
              "CREATOR=ZENTRIM 1.0\r\nSOURCE= a=b\\x.txt \r\nDEST=x\ry\r\nLINES=\xE9\x80"s + "\0"s +
                  "7\r\n\r\n");
    EXPECT_TRUE(messages_.empty());
}

TEST(ComposeSettingsText, GivesTheContentBeforeTranslation) {
    EXPECT_EQ(ComposeSettingsText({"C:\\in.txt", "C:\\out.txt", "10"}),
              "CREATOR=ZENTRIM 1.0\nSOURCE=C:\\in.txt\nDEST=C:\\out.txt\nLINES=10\n\n");
    EXPECT_EQ(ComposeSettingsText({}), "CREATOR=ZENTRIM 1.0\nSOURCE=\nDEST=\nLINES=\n\n");
}

// ------------------------------------------------------------------ round trip

struct RoundTripCase {
    const char* name;
    std::string source, dest, lines;                 // written
    std::string back_source, back_dest, back_lines;  // read back
};

TEST_F(SettingsFileTest, ReadsBackWhatItWrote) {
    const RoundTripCase cases[] = {
        {"typical", "C:\\in.txt", "C:\\out.txt", "10", "C:\\in.txt", "C:\\out.txt", "10"},
        {"leading blanks kept", " C:\\a.txt", "\tC:\\b.txt", " 5", " C:\\a.txt", "\tC:\\b.txt",
         " 5"},
        {"trailing blanks lost", "C:\\a.txt ", "C:\\b.txt\t", "5 \t\v\f", "C:\\a.txt", "C:\\b.txt",
         "5"},
        {"value of blanks only comes back empty", "   ", "\t", " \r", "", "", ""},
        {"equals signs kept", "a=b\\x.txt", "==", "=5=", "a=b\\x.txt", "==", "=5="},
        {"value that looks like a line", "DEST=x", "LINES=9", "SOURCE=y", "DEST=x", "LINES=9",
         "SOURCE=y"},
        {"empty values", "", "", "", "", "", ""},
        {"bytes above 0x7F", "C:\\Caf\xE9\\r\xE9sum\xE9.txt", "\x80\xFF", "5\xA0",
         "C:\\Caf\xE9\\r\xE9sum\xE9.txt", "\x80\xFF", "5\xA0"},
        {"inner blanks and a lone CR", "C:\\My Files\\a b.txt", "x\ry", "1 0",
         "C:\\My Files\\a b.txt", "x\ry", "1 0"},
        {"NUL byte", "a\0b"s, "\0"s, "1"s, "a\0b"s, "\0"s, "1"},
    };
    for (const RoundTripCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = PathOf("zentrim.ini");
        WriteSettingsFile(path, c.source, c.dest, c.lines, Recorder());
        std::string source = "old source", dest = "old dest", lines = "old lines";
        ReadSettingsFile(path, source, dest, lines);
        EXPECT_EQ(source, c.back_source);
        EXPECT_EQ(dest, c.back_dest);
        EXPECT_EQ(lines, c.back_lines);
    }
    EXPECT_TRUE(messages_.empty());
}

// --------------------------------------------------------------- reader rules

struct ReaderCase {
    const char* name;
    std::string bytes;
    std::string source, dest, lines;  // after reading, from "s0", "d0", "l0"
};

TEST_F(SettingsFileTest, ReaderFollowsItsRules) {
    const ReaderCase cases[] = {
        {"empty file", "", "s0", "d0", "l0"},
        {"CREATOR line only", "CREATOR=ZENTRIM 1.0\r\n", "s0", "d0", "l0"},
        {"written file", "CREATOR=ZENTRIM 1.0\r\nSOURCE=s\r\nDEST=d\r\nLINES=3\r\n\r\n", "s", "d",
         "3"},
        {"bare LF line ends", "SOURCE=s\nDEST=d\nLINES=3\n", "s", "d", "3"},
        {"last line without line end dropped", "SOURCE=a\r\nSOURCE=x", "a", "d0", "l0"},
        {"single line without line end", "SOURCE=x", "s0", "d0", "l0"},
        {"bare CR line ends load nothing", "SOURCE=a\rDEST=b\rLINES=1\r", "s0", "d0", "l0"},
        {"Ctrl-Z ends the input", "SOURCE=a\r\nDEST=b\x1A\r\nLINES=3\r\n", "a", "d0", "l0"},
        {"Ctrl-Z at a line start", "SOURCE=a\r\n\x1ALINES=3\r\n", "a", "d0", "l0"},
        {"trailing blanks and tabs trimmed", "SOURCE=C:\\a.txt  \t\r\n", "C:\\a.txt", "d0", "l0"},
        {"trailing VT, FF, CR trimmed", "LINES=5\v\f\r\r\n", "s0", "d0", "5"},
        {"0xA0 and 0x85 are no blanks", "LINES=5\xA0\r\nDEST=d\x85\r\n", "s0", "d\x85", "5\xA0"},
        {"leading blank kept", "SOURCE= C:\\a.txt\r\n", " C:\\a.txt", "d0", "l0"},
        {"inner blanks and CR kept", "SOURCE=a \t\rb\r\n", "a \t\rb", "d0", "l0"},
        {"lower-case key ignored", "source=C:\\a.txt\r\nSource=x\r\n", "s0", "d0", "l0"},
        {"blank before = ignored", "SOURCE =C:\\a.txt\r\n", "s0", "d0", "l0"},
        {"blank before key ignored", " SOURCE=x\r\n", "s0", "d0", "l0"},
        {"= after the first kept", "DEST=C:\\x=y.txt\r\n", "s0", "C:\\x=y.txt", "l0"},
        {"value starting with =", "SOURCE==x=\r\n", "=x=", "d0", "l0"},
        {"key without = sets empty", "LINES\r\n", "s0", "d0", ""},
        {"key without = and trailing blanks", "DEST  \t\r\n", "s0", "", "l0"},
        {"empty value replaces", "SOURCE=\r\n", "", "d0", "l0"},
        {"value of blanks only", "LINES= \t\r\n", "s0", "d0", ""},
        {"last occurrence wins", "LINES=5\r\nDEST=d\r\nLINES=50\r\n", "s0", "d", "50"},
        {"any order", "LINES=3\r\nDEST=d\r\nSOURCE=s\r\n", "s", "d", "3"},
        {"CREATOR, unknown and empty keys ignored",
         "CREATOR=OTHER 9\r\nFOO=1\r\n=x\r\n=SOURCE\r\nSOURCEX=1\r\nSOURCE=s\r\n", "s", "d0", "l0"},
        {"CREATOR value not examined", "CREATOR=SOURCE=x\r\n", "s0", "d0", "l0"},
        {"NUL bytes are ordinary", "SOURCE=a\0b\r\n\0DEST=x\r\n"s, "a\0b"s, "d0", "l0"},
        {"blank lines ignored", "\r\n\n   \r\nLINES=1\r\n", "s0", "d0", "1"},
    };
    for (const ReaderCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = PathOf("zentrim.ini");
        WriteBytes(path, c.bytes);
        std::string source = "s0", dest = "d0", lines = "l0";
        ReadSettingsFile(path, source, dest, lines);
        EXPECT_EQ(source, c.source);
        EXPECT_EQ(dest, c.dest);
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(ReadBytes(path), c.bytes) << "the reader changed the file";

        SettingsValues values{"s0", "d0", "l0"};
        ApplySettingsText(Translated(c.bytes), values);
        EXPECT_EQ(values.source, c.source) << "ApplySettingsText";
        EXPECT_EQ(values.dest, c.dest) << "ApplySettingsText";
        EXPECT_EQ(values.lines, c.lines) << "ApplySettingsText";
    }
}

TEST_F(SettingsFileTest, ReaderTakesLinesLongerThanAReadBlock) {
    std::string path = PathOf("zentrim.ini");
    std::string value(200000, 'v');
    value[65535] = '=';
    WriteBytes(path, "DEST=" + value + "\r\n" + std::string(70000, ' ') + "\r\nLINES=4\r\n");
    std::string source = "s0", dest = "d0", lines = "l0";
    ReadSettingsFile(path, source, dest, lines);
    EXPECT_EQ(dest, value);
    EXPECT_EQ(lines, "4");
}

TEST_F(SettingsFileTest, ReaderCreatesAMissingFileEmpty) {
    std::string path = PathOf("zentrim.ini");
    std::string source = "s0", dest = "d0", lines = "l0";
    ReadSettingsFile(path, source, dest, lines);
    EXPECT_EQ(source, "s0");
    EXPECT_EQ(dest, "d0");
    EXPECT_EQ(lines, "l0");
    ASSERT_TRUE(fs::is_regular_file(path));
    EXPECT_EQ(fs::file_size(path), 0u);
}

TEST_F(SettingsFileTest, ReaderIsSilentWhenTheFileCannotBeOpened) {
    for (const std::string& path : {dir_.string(), PathOf("missing/zentrim.ini")}) {
        SCOPED_TRACE(path);
        std::string source = "s0", dest = "d0", lines = "l0";
        ReadSettingsFile(path, source, dest, lines);
        EXPECT_EQ(source, "s0");
        EXPECT_EQ(dest, "d0");
        EXPECT_EQ(lines, "l0");
    }
    EXPECT_FALSE(fs::exists(PathOf("missing")));
}

// --------------------------------------------------------------- writer failure

TEST_F(SettingsFileTest, WriterReportsAPathThatNamesAFolderOnce) {
    std::string folder = PathOf("zentrim.ini");
    fs::create_directory(folder);
    WriteSettingsFile(folder, "a", "b", "1", Recorder());
    EXPECT_EQ(messages_, Messages{kSaveFailed});
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(SettingsFileTest, WriterReportsAMissingFolderOnce) {
    WriteSettingsFile(PathOf("missing/zentrim.ini"), "a", "b", "1", Recorder());
    EXPECT_EQ(messages_, Messages{kSaveFailed});
    EXPECT_FALSE(fs::exists(PathOf("missing")));
}

#ifndef _WIN32
// A tmpfs of four pages, filled up, so that the open succeeds and the write
// fails as on a full disk.
TEST_F(SettingsFileTest, WriterReportsAFullDiskOnce) {
    std::string mount_point = PathOf("full");
    fs::create_directory(mount_point);
    if (::mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs on " << mount_point << " (" << std::strerror(errno)
                     << "): the full-disk case needs root and mount rights";
    }
    struct Unmount {
        std::string at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{mount_point};

    {
        std::ofstream filler(mount_point + "/filler", std::ios::binary);
        filler << std::string(64 * 1024, 'f');
    }
    ASSERT_LT(fs::file_size(mount_point + "/filler"), 64u * 1024) << "the tmpfs is not full";

    std::string path = mount_point + "/zentrim.ini";
    WriteSettingsFile(path, "C:\\in.txt", "C:\\out.txt", "10", Recorder());
    EXPECT_EQ(messages_, Messages{kSaveFailed});
    ASSERT_TRUE(fs::exists(path)) << "the open should have succeeded";
    EXPECT_LT(fs::file_size(path), 68u);
}
#endif

}  // namespace
