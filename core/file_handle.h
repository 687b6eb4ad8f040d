#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// An owned operating-system file handle, opened shared for reading and
// writing. The platform's calls sit in file_handle_posix.cpp and
// file_handle_win.cpp; no platform header leaks out of this one.
class FileHandle {
public:
    enum class Access {
        ReadCreate,     // read only, created when missing
        AppendCreate,   // write only at the end, created when missing
        ReplaceCreate,  // write only, created when missing, emptied when present
    };

    FileHandle() = default;
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    // Returns false, leaving the handle closed, when the file can be neither
    // opened nor created (a missing folder, a folder, refused access, a file
    // held open without sharing).
    bool Open(const std::string& path, Access access);
    bool IsOpen() const { return handle_ != kInvalid; }

    // Bytes read into `buffer`: 0 at the end of the file, -1 on an error.
    std::ptrdiff_t ReadSome(void* buffer, std::size_t size);

    // Writes all of `size` bytes, in one system call where the system allows.
    bool WriteAll(const void* data, std::size_t size);

    // The file's present length; false when it cannot be told.
    bool Size(std::uint64_t* size) const;

    // True when `path` names an existing file with this file's identity.
    bool IsSameFileAs(const std::string& path) const;

    // Releases the handle. Returns false when the system reports a failure;
    // true when nothing was open.
    bool Close();

private:
    static constexpr std::intptr_t kInvalid = -1;
    std::intptr_t handle_ = kInvalid;
};
