// A real full file system: a small tmpfs, where the machine lets us mount one.

#include <gtest/gtest.h>

#include <string>
#include <sys/mount.h>
#include <utility>
#include <vector>

#include "temp_dir.h"
#include "text_file_stream.h"
#include "top_lines_copy.h"

namespace {

class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        mount_point_ = dir_.Path("tiny");
        std::filesystem::create_directory(mount_point_);
        if (::mount("tmpfs", mount_point_.c_str(), "tmpfs", 0, "size=16k") != 0) {
            GTEST_SKIP() << "cannot mount a tmpfs here (needs root and mount rights)";
        }
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_) {
            ::umount(mount_point_.c_str());
        }
    }

    TempDir dir_;
    std::string mount_point_;
    bool mounted_ = false;
};

TEST_F(FullDisk, CloseReportsAWriteThatDidNotFit) {
    TextFileStream out(mount_point_ + "/big.txt", TextFileStream::WriteReplace);
    ASSERT_TRUE(out.IsOpen());
    out.Put(std::string(64 * 1024, 'x'));
    EXPECT_FALSE(out.Close());
}

TEST_F(FullDisk, CopyStopsAtTheFirstLineThatDoesNotFit) {
    std::string source = dir_.Path("source.txt");
    std::string line = std::string(99, 'y') + "\n";
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        text += line;
    }
    WriteBytes(source, text);
    std::vector<std::pair<std::string, std::string>> shown;
    auto show = [&](const std::string& t, const std::string& c) { shown.emplace_back(t, c); };

    std::string destination = mount_point_ + "/destination.txt";
    EXPECT_EQ(CopyTopLines(source, destination, "0", show), CopyOutcome::DestinationFailed);
    ASSERT_EQ(shown.size(), 1u) << "one message, not one per remaining line";
    EXPECT_EQ(shown[0].first, "Could not write to log file");
    EXPECT_EQ(shown[0].second, "Error Log");

    std::string written = ReadBytes(destination);
    std::string whole_line = std::string(99, 'y') + "\r\n";
    EXPECT_GE(written.size(), whole_line.size()) << "lines written before the failure stay";
    EXPECT_EQ(written.substr(0, whole_line.size()), whole_line);
}

}  // namespace
