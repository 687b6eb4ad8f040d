#include "file_handle.h"

#include <windows.h>

namespace {

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

bool FileHandle::Open(const std::string& path, Access access) {
    Close();
    DWORD desired = access == Access::ReadCreate ? GENERIC_READ : GENERIC_WRITE;
    HANDLE h = ::CreateFileA(path.c_str(), desired, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool placed = true;
    if (access == Access::ReplaceCreate) {
        placed = ::SetEndOfFile(h) != 0;
    } else if (access == Access::AppendCreate) {
        LARGE_INTEGER zero{};
        placed = ::SetFilePointerEx(h, zero, nullptr, FILE_END) != 0;
    }
    if (!placed) {
        ::CloseHandle(h);
        return false;
    }
    handle_ = reinterpret_cast<std::intptr_t>(h);
    return true;
}

std::ptrdiff_t FileHandle::ReadSome(void* buffer, std::size_t size) {
    if (!IsOpen()) {
        return -1;
    }
    DWORD want = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    DWORD got = 0;
    if (!::ReadFile(AsHandle(handle_), buffer, want, &got, nullptr)) {
        return -1;
    }
    return static_cast<std::ptrdiff_t>(got);
}

bool FileHandle::WriteAll(const void* data, std::size_t size) {
    if (!IsOpen()) {
        return false;
    }
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD put = 0;
        if (!::WriteFile(AsHandle(handle_), next, chunk, &put, nullptr) || put == 0) {
            return false;
        }
        next += put;
        size -= put;
    }
    return true;
}

bool FileHandle::Size(std::uint64_t* size) const {
    LARGE_INTEGER length;
    if (!IsOpen() || !::GetFileSizeEx(AsHandle(handle_), &length)) {
        return false;
    }
    *size = static_cast<std::uint64_t>(length.QuadPart);
    return true;
}

namespace {

// Volume serial number and file index: a file's identity, whatever its name.
bool IdentityOf(HANDLE h, BY_HANDLE_FILE_INFORMATION* info) {
    return ::GetFileInformationByHandle(h, info) != 0;
}

}  // namespace

bool FileHandle::IsSameFileAs(const std::string& path) const {
    BY_HANDLE_FILE_INFORMATION mine, theirs;
    if (!IsOpen() || !IdentityOf(AsHandle(handle_), &mine)) {
        return false;
    }
    // No access asked: this opens even a file others hold without sharing.
    HANDLE other =
        ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (other == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool known = IdentityOf(other, &theirs);
    ::CloseHandle(other);
    return known && mine.dwVolumeSerialNumber == theirs.dwVolumeSerialNumber &&
           mine.nFileIndexHigh == theirs.nFileIndexHigh &&
           mine.nFileIndexLow == theirs.nFileIndexLow;
}

bool FileHandle::Close() {
    if (!IsOpen()) {
        return true;
    }
    HANDLE h = AsHandle(handle_);
    handle_ = kInvalid;
    return ::CloseHandle(h) != 0;
}
