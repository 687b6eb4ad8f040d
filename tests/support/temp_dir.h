#pragma once

#include <filesystem>
#include <string>

// A fresh folder for one test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The path of `name` inside the folder, as a narrow string.
    std::string Path(const std::string& name) const;
    const std::filesystem::path& root() const { return root_; }

private:
    std::filesystem::path root_;
};

// Whole-file helpers that bypass the code under test.
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool Exists(const std::string& path);
