// TextFileStream's read translation: the file's bytes read back through Get
// equal a plain reference translation; nothing after a Ctrl-Z is delivered;
// each CR LF before it becomes one LF. The first input byte may shift the
// rest to start just before the end of a 64 KiB read block, so that a CR LF or a CR Ctrl-Z
// pair is split between two reads.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "text_file_stream.h"

namespace {

constexpr std::size_t kBlock = 64 * 1024;

// The file's bytes: the input, after an optional run of 'p' that puts the
// input's first bytes around the block boundary.
std::string FileBytes(std::string_view input) {
    if (input.empty()) {
        return {};
    }
    unsigned char mode = static_cast<unsigned char>(input[0]);
    input.remove_prefix(1);
    if ((mode & 0xC0) != 0xC0) {
        return std::string(input);
    }
    std::size_t before = mode & 0x0F;  // input bytes placed before the boundary
    std::size_t pad = kBlock - (before < kBlock ? before : 0);
    return std::string(pad, 'p') + std::string(input);
}

std::size_t CrLfPairsBeforeCtrlZ(std::string_view bytes) {
    std::size_t end = bytes.find('\x1A');
    std::string_view live = bytes.substr(0, end);
    std::size_t pairs = 0;
    for (std::size_t i = 0; i + 1 < live.size(); ++i) {
        if (live[i] == '\r' && live[i + 1] == '\n') {
            ++pairs;
        }
    }
    return pairs;
}

// Everything Get delivers until the end of input.
std::string ReadThroughStream(const std::string& path, std::size_t size) {
    std::string got;
    got.reserve(size);
    TextFileStream in(path, TextFileStream::Read);
    fuzz::Check(in.IsOpen(), "the stream did not open");
    for (int c = in.Get(); c != TextFileStream::kEnd; c = in.Get()) {
        fuzz::Check(c >= 0 && c <= 0xFF, "Get returned no byte");
        got += static_cast<char>(c);
    }
    fuzz::Check(in.Get() == TextFileStream::kEnd, "input resumed after its end");
    fuzz::Check(in.Close(), "closing the read stream failed");
    return got;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes = FileBytes({reinterpret_cast<const char*>(data), size});
    const std::string& path = fuzz::ScratchFile();
    fuzz::WriteBytes(path, bytes);

    std::string got = ReadThroughStream(path, bytes.size());

    std::size_t ctrl_z = bytes.find('\x1A');
    std::size_t live = ctrl_z == std::string::npos ? bytes.size() : ctrl_z;
    fuzz::Check(got.find('\x1A') == std::string::npos, "a Ctrl-Z was delivered");
    fuzz::Check(got.size() <= live, "more was delivered than precedes the Ctrl-Z");
    fuzz::Check(got.size() == live - CrLfPairsBeforeCtrlZ(bytes),
                "a CR LF did not become exactly one LF");
    fuzz::Check(got == fuzz::ReferenceReadTranslation(bytes),
                "the delivered text differs from the reference translation");
    return 0;
}
