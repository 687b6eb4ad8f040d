#include "file_handle.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int FlagsFor(FileHandle::Access access) {
    switch (access) {
        case FileHandle::Access::AppendCreate:
            return O_WRONLY | O_CREAT | O_APPEND;
        case FileHandle::Access::ReplaceCreate:
            return O_WRONLY | O_CREAT | O_TRUNC;
        case FileHandle::Access::ReadCreate:
            break;
    }
    return O_RDONLY | O_CREAT;
}

}  // namespace

bool FileHandle::Open(const std::string& path, Access access) {
    Close();
    int fd;
    do {
        fd = ::open(path.c_str(), FlagsFor(access) | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    // Every mode carries O_CREAT, with which the system refuses a folder.
    if (fd < 0) {
        return false;
    }
    handle_ = fd;
    return true;
}

std::ptrdiff_t FileHandle::ReadSome(void* buffer, std::size_t size) {
    if (!IsOpen()) {
        return -1;
    }
    ssize_t got;
    do {
        got = ::read(static_cast<int>(handle_), buffer, size);
    } while (got < 0 && errno == EINTR);
    return got;
}

bool FileHandle::WriteAll(const void* data, std::size_t size) {
    if (!IsOpen()) {
        return false;
    }
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t put = ::write(static_cast<int>(handle_), next, size);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        next += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

bool FileHandle::Size(std::uint64_t* size) const {
    struct stat st;
    if (!IsOpen() || ::fstat(static_cast<int>(handle_), &st) != 0) {
        return false;
    }
    *size = static_cast<std::uint64_t>(st.st_size);
    return true;
}

bool FileHandle::IsSameFileAs(const std::string& path) const {
    struct stat mine, theirs;
    if (!IsOpen() || ::fstat(static_cast<int>(handle_), &mine) != 0 ||
        ::stat(path.c_str(), &theirs) != 0) {
        return false;
    }
    return mine.st_dev == theirs.st_dev && mine.st_ino == theirs.st_ino;
}

bool FileHandle::Close() {
    if (!IsOpen()) {
        return true;
    }
    int fd = static_cast<int>(handle_);
    handle_ = kInvalid;
    // After EINTR the descriptor is gone on Linux: never close it twice.
    return ::close(fd) == 0 || errno == EINTR;
}
