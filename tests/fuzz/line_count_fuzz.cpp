// LineCountFromText against two references: a digit-string one written from
// the rules, and strtoll clamped to 32 bits.

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "fuzz_support.h"
#include "top_lines_copy.h"

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();

// Leading blanks, one sign, digits; the digits' value saturated to 32 bits.
std::int64_t Reference(const std::string& text) {
    std::size_t i = text.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string::npos) {
        return 0;
    }
    bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+') {
        ++i;
    }
    std::string digits;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (!(digits.empty() && text[i] == '0')) {
            digits += text[i];
        }
    }
    if (digits.size() > 10) {
        return negative ? kMin : kMax;
    }
    std::int64_t value = digits.empty() ? 0 : std::stoll(digits);
    value = negative ? -value : value;
    return value > kMax ? kMax : value < kMin ? kMin : value;
}

// The C library's conversion, up to the first NUL, clamped.
std::int64_t ByStrtoll(const std::string& text) {
    errno = 0;
    long long value = std::strtoll(text.c_str(), nullptr, 10);
    return value > kMax ? kMax : value < kMin ? kMin : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::int64_t got = LineCountFromText(text);
    std::int64_t want = Reference(text);
    if (got != want) {
        fuzz::Fail("LineCountFromText differs from the reference",
                   text + " -> got " + std::to_string(got) + ", want " + std::to_string(want));
    }
    // strtoll stops at a NUL, where the conversion stops as well: a NUL is no
    // blank, sign or digit.
    fuzz::Check(got == ByStrtoll(text), "LineCountFromText differs from strtoll", text);
    return 0;
}
