#pragma once

#include <string>
#include <string_view>

namespace tooling::core {

// Reads the comma-and-line separated fields of the suite's list files ("Machine.lst", station
// files). A field ends at a comma or a line end, which the read consumes. Blanks and tabs before
// a field are skipped; an unquoted field loses its trailing blanks; a quoted field is the text
// between the quotes (commas and line ends included), and anything after the closing quote up to
// the next comma or line end is skipped.
class FieldReader {
  public:
    // `path` names the file in errors.
    FieldReader(std::string bytes, std::string path);

    // The next field; empty once the text is used up.
    std::string Next();
    // The next field of a record already begun: throws platform::FileError when the text ends
    // before it.
    std::string NextInRecord();
    // Every byte has been read. Tested right after a first field, so a record whose first field
    // is the last item of the file is not read.
    bool AtEnd() const { return pos_ >= bytes_.size(); }

    const std::string& path() const { return path_; }

  private:
    void SkipDelimiter();

    std::string bytes_;
    std::string path_;
    std::size_t pos_ = 0;
};

}  // namespace tooling::core
