#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tooling::cli {

// A CSV text that cannot be read: the line it starts on and what is wrong.
class CsvError : public std::runtime_error {
  public:
    CsvError(int line, const std::string& what)
        : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}
    int line() const { return line_; }

  private:
    int line_;
};

// One record of a CSV text and the line it starts on (1 for the first).
struct CsvRow {
    int line = 0;
    std::vector<std::string> fields;
};

// One record in the RFC 4180 dialect: fields joined by commas, quoted when they hold a comma,
// a quote, CR or LF (quotes doubled), ended by CR LF. The bytes are kept as they are.
std::string CsvLine(const std::vector<std::string>& fields);

// The records of a CSV text; line ends may be CR LF or LF, the last one may be missing, and
// empty lines are skipped. Throws CsvError for a quote that is not closed or text after one.
std::vector<CsvRow> ParseCsv(std::string_view text);

}  // namespace tooling::cli
