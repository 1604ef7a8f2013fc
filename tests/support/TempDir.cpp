#include "tests/support/TempDir.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/Cp1252Text.h"
#include "platform/FileSystem.h"

namespace tooling::test {

namespace fs = std::filesystem;

TempDir::TempDir(std::string path) : path_(std::move(path)) {
    if (!path_.empty() && !fs::create_directory(PathOf(path_))) {
        throw std::runtime_error("the folder " + path_ + " is there already");
    }
    std::mt19937_64 random(std::random_device{}());
    for (int attempt = 0; path_.empty(); ++attempt) {
        const fs::path candidate =
            fs::temp_directory_path() / ("tooling-test-" + std::to_string(random() % 1000000000));
        if (fs::create_directory(candidate)) {
            path_ = BytesOf(candidate);
        } else if (attempt > 100) {
            throw std::runtime_error("cannot create a temporary folder");
        }
    }
    if (!platform::IsSeparator(path_.back())) {
        path_ += platform::kSeparator;
    }
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(PathOf(path_), ignored);
}

std::string Native(std::string_view path) {
    std::string native(path);
    std::replace(native.begin(), native.end(), '/', platform::kSeparator);
    return native;
}

fs::path PathOf(const std::string& bytes) {
    // A folder's final separator goes: MinGW's std::filesystem copies nothing into "dir\".
    std::string_view path = bytes;
    while (path.size() > 1 && platform::IsSeparator(path.back()) && path[path.size() - 2] != ':') {
        path.remove_suffix(1);
    }
#ifdef _WIN32
    return fs::path(platform::Utf16FromCp1252(path));
#else
    return fs::path(path);
#endif
}

std::string BytesOf(const fs::path& path) {
#ifdef _WIN32
    return platform::Cp1252FromUtf16(path.u16string());
#else
    return path.string();
#endif
}

void WriteFile(const std::string& path, std::string_view bytes) {
    fs::create_directories(PathOf(path).parent_path());
    std::ofstream out(PathOf(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(PathOf(path), std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool FileExists(const std::string& path) {
    return fs::is_regular_file(PathOf(path));
}

std::map<std::string, std::string> Snapshot(const std::string& root) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(PathOf(root))) {
        const std::string path = BytesOf(entry.path());
        std::string relative = path.substr(root.size());
        std::replace(relative.begin(), relative.end(), platform::kSeparator, '/');
        entries[relative + (entry.is_directory() ? "/" : "")] =
            entry.is_directory() ? "" : ReadFile(path);
    }
    return entries;
}

}  // namespace tooling::test
