#include "temp_dir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (;;) {
        std::ostringstream name;
        name << "zentrim-test-" << stamp << "-" << counter++;
        root_ = fs::temp_directory_path() / name.str();
        std::error_code ec;
        if (fs::create_directory(root_, ec)) {
            return;
        }
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(root_, ec);
}

std::string TempDir::Path(const std::string& name) const {
    return (root_ / name).string();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}
