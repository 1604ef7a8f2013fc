#include "core/FileSteps.h"

#include "core/TextFile.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"

namespace tooling::core {

namespace {
// What went wrong, without the quoted path that FileError puts in front of it.
std::string Reason(const platform::FileError& error) {
    const std::string what = error.what();
    const std::string prefix = "\"" + error.path() + "\": ";
    return what.compare(0, prefix.size(), prefix) == 0 ? what.substr(prefix.size()) : what;
}
}  // namespace

std::string WithSeparator(std::string_view path) {
    std::string result(path);
    if (result.empty() || !platform::IsSeparator(result.back())) {
        result += platform::kSeparator;
    }
    return result;
}

void MakeDirIfMissing(platform::FileSystem& fs, std::string_view path) {
    if (fs.Exists(path, platform::ListFilter::FilesAndDirs)) {
        return;
    }
    try {
        fs.MakeDir(path);
    } catch (const platform::FileError& error) {
        throw platform::FileError(std::string(path), "cannot create the folder: " + Reason(error));
    }
}

std::string ReadRequired(const platform::FileSystem& fs, std::string_view path) {
    if (!fs.Exists(path, platform::ListFilter::Files)) {
        throw platform::FileError(std::string(path), "file not found");
    }
    return fs.ReadAll(path);
}

std::vector<std::string> RequiredLines(const platform::FileSystem& fs, std::string_view path) {
    return SplitLines(ReadRequired(fs, path));
}

void CreateWhenMissing(platform::FileSystem& fs, const std::string& path, std::string_view bytes) {
    if (!fs.Exists(path, platform::ListFilter::Files)) {
        fs.Replace(path, bytes);
    }
}

}  // namespace tooling::core
