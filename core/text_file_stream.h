#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "byte_buffer.h"
#include "file_handle.h"

// A text-mode file stream over one file, opened shared for reading and writing.
//
// Reading turns CR LF into LF, passes any other CR through (a CR that is the
// file's last byte included) and ends input at a Ctrl-Z byte; every other byte
// is delivered unchanged. Writing turns every LF into CR LF. Bytes are fetched
// in blocks when they are needed, so bytes appended after the open are
// delivered in their turn. Every mode creates a missing file.
class TextFileStream {
public:
    enum Mode { Read, WriteAtEnd, WriteReplace };

    // What Get returns once input has ended.
    static constexpr int kEnd = -1;

    TextFileStream(const std::string& path, Mode mode);
    // As above, with at most `max_pending` bytes queued for writing at a
    // time; for tests of a stream short of memory.
    TextFileStream(const std::string& path, Mode mode, std::size_t max_pending);
    ~TextFileStream();
    TextFileStream(const TextFileStream&) = delete;
    TextFileStream& operator=(const TextFileStream&) = delete;

    bool IsOpen() const { return file_.IsOpen(); }

    // The next byte after read translation, or kEnd. A read error counts as
    // the end of input.
    int Get() {
        if (pos_ < len_) {
            unsigned char c = block_[pos_];
            if (c != '\r' && c != kCtrlZ) {
                ++pos_;
                return c;
            }
        }
        return GetSlow();
    }

    // Queues text for writing, each LF as CR LF. Nothing reaches the file
    // before Flush or Close, unless memory runs short: then what is queued is
    // written out early, and a line may take more than one write.
    void Put(char c);
    void Put(std::string_view text);

    // Writes what is queued in one call. Returns false when this write, or one
    // made early for want of memory, failed; the queued text is dropped.
    bool Flush();

    // Flushes and releases the file. Returns false when the flush or the close
    // failed; true for a stream that was never open.
    bool Close();

    // Reading stops at the length the file has now, however it grows later.
    // Call it before the first Get.
    void StopAtCurrentSize();

    // True when `path` names this open file (same device and file, whatever
    // the spelling). False when it names no existing file.
    bool IsSameFileAs(const std::string& path) const;

private:
    static constexpr unsigned char kCtrlZ = 0x1A;
    static constexpr std::size_t kBlockSize = 64 * 1024;

    int GetSlow();
    bool Refill();
    void Queue(char c);

    FileHandle file_;
    std::vector<unsigned char> block_;
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
    bool ended_ = false;
    bool limited_ = false;
    std::uint64_t remaining_ = 0;  // bytes still to read when limited_
    ByteBuffer pending_;           // translated text waiting for Flush
    bool write_failed_ = false;    // an early write failed
};
