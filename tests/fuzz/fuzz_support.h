#pragma once

// Helpers shared by the fuzz targets: a scratch file per process, raw file
// I/O that bypasses TextFileStream, and a check that stops the run.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <fcntl.h>
#include <unistd.h>

namespace fuzz {

// Prints what went wrong and aborts, so that libFuzzer records the input.
[[noreturn]] inline void Fail(const char* what, std::string_view detail = {}) {
    std::fprintf(stderr, "PROPERTY FAILED: %s\n", what);
    if (!detail.empty()) {
        std::fprintf(stderr, "  detail (%zu bytes): ", detail.size());
        for (unsigned char c : detail) {
            std::fprintf(stderr, c >= 0x20 && c < 0x7F && c != '\\' ? "%c" : "\\x%02X", c);
        }
        std::fprintf(stderr, "\n");
    }
    std::abort();
}

inline void Check(bool ok, const char* what, std::string_view detail = {}) {
    if (!ok) {
        Fail(what, detail);
    }
}

// A file name in a folder of this process's own, removed at exit; in memory
// (/dev/shm) where there is one, since every run writes the file.
inline const std::string& ScratchFile() {
    static std::string dir = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    static const std::string path = [] {
        dir += "/zentrim-fuzz-XXXXXX";
        Check(::mkdtemp(&dir[0]) != nullptr, "cannot make a scratch folder");
        std::atexit([] {
            ::unlink((dir + "/f").c_str());
            ::rmdir(dir.c_str());
        });
        return dir + "/f";
    }();
    return path;
}

inline void WriteBytes(const std::string& path, std::string_view bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    Check(fd >= 0, "cannot open the scratch file for writing");
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        Check(put > 0, "cannot write the scratch file");
        done += static_cast<std::size_t>(put);
    }
    ::close(fd);
}

inline std::string ReadBytes(const std::string& path) {
    std::string bytes;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    Check(fd >= 0, "cannot open the scratch file for reading");
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        Check(got >= 0, "cannot read the scratch file");
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

// What reading a file's bytes in text mode should deliver: each CR LF as LF,
// any other byte as it is, nothing from the first Ctrl-Z on.
inline std::string ReferenceReadTranslation(std::string_view bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\x1A') {
            break;
        }
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;  // the LF that follows stands for the pair
        }
        text += c;
    }
    return text;
}

// What writing text in text mode should put in the file: each LF as CR LF.
inline std::string ReferenceWriteTranslation(std::string_view text) {
    std::string bytes;
    for (char c : text) {
        if (c == '\n') {
            bytes += '\r';
        }
        bytes += c;
    }
    return bytes;
}

inline bool IsTrailingBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

inline std::string WithoutTrailingBlanks(std::string s) {
    while (!s.empty() && IsTrailingBlank(s.back())) {
        s.pop_back();
    }
    return s;
}

}  // namespace fuzz
