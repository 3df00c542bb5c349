#include "support/temp_dir.h"

#include <fstream>
#include <random>
#include <sstream>

namespace wg::test {

TempDir::TempDir() {
    std::random_device random;
    dir_ = std::filesystem::temp_directory_path() / ("wg-test-" + std::to_string(random()));
    std::filesystem::create_directories(dir_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::string TempDir::programDir() const {
    std::string dir = dir_.string();
    for (char& c : dir)
        if (c == '/') c = '\\';
    return dir + "\\";
}

void TempDir::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
}

std::string TempDir::read(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool TempDir::exists(const std::string& name) const { return std::filesystem::exists(dir_ / name); }

} // namespace wg::test
