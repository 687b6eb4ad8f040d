#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// A growable run of bytes that reports a failed allocation instead of
// throwing, so that text too large for memory is a result, not a crash.
class ByteBuffer {
public:
    explicit ByteBuffer(std::size_t max_size = PTRDIFF_MAX) : max_size_(max_size) {}
    ~ByteBuffer() { std::free(data_); }
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;

    // Returns false, adding nothing, when the buffer cannot grow.
    bool Add(char c) {
        if (size_ == capacity_ && !Reserve(size_ + 1)) {
            return false;
        }
        data_[size_++] = c;
        return true;
    }

    // Makes room for `size` bytes in all, growing geometrically. Returns false
    // past the buffer's limit or when memory runs out.
    bool Reserve(std::size_t size) {
        if (size <= capacity_) {
            return true;
        }
        if (size > max_size_) {
            return false;
        }
        std::size_t wanted = capacity_ < 128 ? 256 : capacity_ * 2;
        if (wanted < size || wanted > max_size_) {
            wanted = wanted < size ? size : max_size_;
        }
        void* grown = std::realloc(data_, wanted);
        if (grown == nullptr) {
            return false;
        }
        data_ = static_cast<char*>(grown);
        capacity_ = wanted;
        return true;
    }

    const char* data() const { return data_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::string_view View() const { return {data_, size_}; }
    void Clear() { size_ = 0; }

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    std::size_t max_size_;
};
