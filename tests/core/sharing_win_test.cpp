// Windows only: how opens meet another handle on the same file.

#include <gtest/gtest.h>

#include <windows.h>

#include "temp_dir.h"
#include "text_file_stream.h"
#include "top_lines_copy.h"

namespace {

// A handle held by "another program" for the test's duration.
class HeldFile {
public:
    HeldFile(const std::string& path, DWORD share)
        : h_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() {
        if (h_ != INVALID_HANDLE_VALUE) {
            CloseHandle(h_);
        }
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool held() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

TEST(Sharing, OpensSucceedBesideASharingHandleAndFailBesideAnExclusiveOne) {
    TempDir dir;
    const std::string path = dir.Path("held.txt");
    for (auto mode :
         {TextFileStream::Read, TextFileStream::WriteAtEnd, TextFileStream::WriteReplace}) {
        {
            HeldFile shared(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
            ASSERT_TRUE(shared.held());
            EXPECT_TRUE(TextFileStream(path, mode).IsOpen()) << "shared, mode " << mode;
        }
        {
            HeldFile exclusive(path, 0);
            ASSERT_TRUE(exclusive.held());
            EXPECT_FALSE(TextFileStream(path, mode).IsOpen()) << "exclusive, mode " << mode;
        }
    }
}

TEST(Sharing, DestinationHeldWithoutSharingFailsTheCopyOnce) {
    TempDir dir;
    const std::string source = dir.Path("source.txt");
    const std::string destination = dir.Path("destination.txt");
    WriteBytes(source, "1\n2\n3\n4\n5\n");
    HeldFile exclusive(destination, 0);
    int messages = 0;
    auto show = [&](const std::string& text, const std::string& caption) {
        ++messages;
        EXPECT_EQ(text, "Could not write to log file");
        EXPECT_EQ(caption, "Error Log");
    };
    EXPECT_EQ(CopyTopLines(source, destination, "3", show), CopyOutcome::DestinationFailed);
    EXPECT_EQ(messages, 1);
}

}  // namespace
