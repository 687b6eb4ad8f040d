#include "text_file_stream.h"

namespace {

FileHandle::Access AccessFor(TextFileStream::Mode mode) {
    switch (mode) {
        case TextFileStream::WriteAtEnd:
            return FileHandle::Access::AppendCreate;
        case TextFileStream::WriteReplace:
            return FileHandle::Access::ReplaceCreate;
        case TextFileStream::Read:
            break;
    }
    return FileHandle::Access::ReadCreate;
}

}  // namespace

TextFileStream::TextFileStream(const std::string& path, Mode mode)
    : TextFileStream(path, mode, PTRDIFF_MAX) {}

TextFileStream::TextFileStream(const std::string& path, Mode mode, std::size_t max_pending)
    : pending_(max_pending) {
    if (file_.Open(path, AccessFor(mode)) && mode == Read) {
        block_.resize(kBlockSize);
    }
}

TextFileStream::~TextFileStream() {
    Close();
}

// Reads the next block, keeping an unread CR at the front so that a CR LF pair
// split across two reads is still seen as one line end.
bool TextFileStream::Refill() {
    if (ended_ || block_.empty()) {
        return false;
    }
    std::size_t kept = len_ - pos_;
    if (kept > 0 && pos_ > 0) {
        block_[0] = block_[pos_];
    }
    pos_ = 0;
    len_ = kept;
    std::size_t want = block_.size() - kept;
    if (limited_ && remaining_ < want) {
        want = static_cast<std::size_t>(remaining_);
    }
    if (want == 0) {
        return false;
    }
    std::ptrdiff_t got = file_.ReadSome(block_.data() + kept, want);
    if (got <= 0) {
        return false;
    }
    len_ += static_cast<std::size_t>(got);
    if (limited_) {
        remaining_ -= static_cast<std::uint64_t>(got);
    }
    return true;
}

int TextFileStream::GetSlow() {
    if (ended_) {
        return kEnd;
    }
    if (pos_ == len_ && !Refill()) {
        return kEnd;
    }
    unsigned char c = block_[pos_];
    if (c == kCtrlZ) {
        ended_ = true;
        return kEnd;
    }
    ++pos_;
    if (c != '\r') {
        return c;
    }
    if (pos_ == len_) {
        // The CR is the last byte read so far: look at the next one first.
        --pos_;
        bool more = Refill();
        ++pos_;
        if (!more) {
            return '\r';
        }
    }
    if (block_[pos_] == '\n') {
        ++pos_;
        return '\n';
    }
    return '\r';
}

void TextFileStream::Queue(char c) {
    if (pending_.Add(c)) {
        return;
    }
    // No memory for more: write out what is queued and reuse its room.
    if (!Flush() || !pending_.Add(c)) {
        write_failed_ = true;
    }
}

void TextFileStream::Put(char c) {
    if (c == '\n') {
        Queue('\r');
    }
    Queue(c);
}

void TextFileStream::Put(std::string_view text) {
    // Room for the whole translated text, where memory allows: one write.
    std::size_t line_ends = 0;
    for (char c : text) {
        line_ends += c == '\n';
    }
    pending_.Reserve(pending_.size() + text.size() + line_ends);
    for (char c : text) {
        Put(c);
    }
}

bool TextFileStream::Flush() {
    bool written = !write_failed_;
    if (!pending_.empty()) {
        written = file_.IsOpen() && file_.WriteAll(pending_.data(), pending_.size()) && written;
        pending_.Clear();
    }
    write_failed_ = false;
    return written;
}

bool TextFileStream::Close() {
    if (!file_.IsOpen()) {
        pending_.Clear();
        write_failed_ = false;
        return true;
    }
    bool flushed = Flush();
    bool closed = file_.Close();
    return flushed && closed;
}

void TextFileStream::StopAtCurrentSize() {
    std::uint64_t size = 0;
    if (!file_.IsOpen() || !file_.Size(&size)) {
        return;
    }
    limited_ = true;
    remaining_ = size;
}

bool TextFileStream::IsSameFileAs(const std::string& path) const {
    return file_.IsSameFileAs(path);
}
