#pragma once
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace wg::test {

// A fresh directory per test; paths into it are given in the program's Windows form, as the program uses them.
class TempDir {
public:
    TempDir() { std::filesystem::create_directories(dir_); }
    ~TempDir() { std::error_code ignored; std::filesystem::remove_all(dir_, ignored); }
    // "<dir>\" in the program's form.
    std::string programDir() const {
        std::string dir = dir_.string() + "\\";
        std::replace(dir.begin(), dir.end(), '/', '\\');
        return dir;
    }
    std::string programPath(const std::string& name) const { return programDir() + name; }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(dir_ / name); }
    // A subdirectory, e.g. to stand where a file is to be written.
    void makeDirectory(const std::string& name) const { std::filesystem::create_directories(dir_ / name); }
    // Regular files anywhere below the directory.
    std::size_t fileCount() const {
        std::size_t n = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_)) n += entry.is_regular_file();
        return n;
    }

private:
    std::filesystem::path dir_ =
        std::filesystem::temp_directory_path() / ("wg-test-" + std::to_string(std::random_device()()));
};

// Moves the working directory to `programDir` (the program's form) while it lives, as the program runs in bin.
class WorkingDirectory {
public:
    explicit WorkingDirectory(std::string programDir) {
        std::replace(programDir.begin(), programDir.end(), '\\', '/');
        std::filesystem::current_path(programDir);
    }
    ~WorkingDirectory() { std::filesystem::current_path(before_); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path before_ = std::filesystem::current_path();
};

} // namespace wg::test
