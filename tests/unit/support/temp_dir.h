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

private:
    std::filesystem::path dir_;
};

} // namespace wg::test
