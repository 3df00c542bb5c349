#pragma once
#include <filesystem>
#include <string>

namespace wg::test {

// A fresh directory per test; paths into it are given in the program's
// Windows form, as the program uses them.
class TempDir {
public:
    TempDir();
    ~TempDir();
    // "<dir>\" in the program's form.
    std::string programDir() const;
    std::string programPath(const std::string& name) const { return programDir() + name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;
    // Regular files anywhere below the directory.
    std::size_t fileCount() const {
        std::size_t n = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_)) n += entry.is_regular_file();
        return n;
    }
    // A subdirectory, e.g. to stand where a file is to be written.
    void makeDirectory(const std::string& name) const { std::filesystem::create_directories(dir_ / name); }

private:
    std::filesystem::path dir_;
};

} // namespace wg::test
