#include "core/FieldReader.h"

#include <utility>

#include "platform/FileError.h"

namespace tooling::core {

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}
}  // namespace

FieldReader::FieldReader(std::string bytes, std::string path)
    : bytes_(std::move(bytes)), path_(std::move(path)) {}

std::string FieldReader::Next() {
    while (pos_ < bytes_.size() && IsBlank(bytes_[pos_])) {
        ++pos_;
    }
    std::string field;
    if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
        const std::size_t close = bytes_.find('"', pos_ + 1);
        const std::size_t end = close == std::string::npos ? bytes_.size() : close;
        field = bytes_.substr(pos_ + 1, end - pos_ - 1);
        pos_ = close == std::string::npos ? bytes_.size() : close + 1;
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !IsLineEnd(bytes_[pos_])) {
            ++pos_;
        }
    } else {
        const std::size_t start = pos_;
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !IsLineEnd(bytes_[pos_])) {
            ++pos_;
        }
        std::size_t end = pos_;
        while (end > start && IsBlank(bytes_[end - 1])) {
            --end;
        }
        field = bytes_.substr(start, end - start);
    }
    SkipDelimiter();
    return field;
}

std::string FieldReader::NextInRecord() {
    if (AtEnd()) {
        throw platform::FileError(path_, "the file ends inside a record");
    }
    return Next();
}

void FieldReader::SkipDelimiter() {
    if (pos_ >= bytes_.size()) {
        return;
    }
    if (bytes_[pos_] == ',') {
        ++pos_;
        return;
    }
    // One line end: CR LF, CR or LF.
    if (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n') {
        ++pos_;
    }
    ++pos_;
}

}  // namespace tooling::core
