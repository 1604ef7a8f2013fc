#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "library/ToolRec.h"

namespace tooling::core {
struct Session;
}

namespace tooling::library {

// A tool file that cannot take the change asked for; the text is a message for the user.
class ToolFileRefusal : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kToolFileFull = "The Tool File Is Full !";
inline constexpr const char* kToolChangedElsewhere = "Tool Has Been Changed By Another User !";

// The tool file of a shape in the current library: ToolLibPrefix followed by the shape code.
std::string ToolFilePath(const core::Session& session, char shapeCode);

// Every whole record of the shape's file, record n at index n - 1; a missing file holds none.
// A last record cut short is not read. Throws platform::FileError when the file cannot be read.
std::vector<ToolRec> ReadToolFile(const core::Session& session, char shapeCode);

// Record `number` of the shape's file, or nothing when the file does not hold it.
std::optional<ToolRec> ReadTool(const core::Session& session, char shapeCode, std::int16_t number);

// Adds the record to the shape's file in its sorted place, or replaces record `old` (when
// above 0) by it, and keeps the defaults pointing at their tools. Returns the record number
// the new record received. The whole file is rewritten atomically under its lock: whatever
// fails, it holds all of its old records or all of its new ones. Throws platform::FileError on a
// file error and ToolFileRefusal (kToolFileFull) when the file would exceed 32,767 records.
std::int16_t InsertTool(core::Session& session, char shapeCode, const ToolRec& rec,
                        std::int16_t old);

// As InsertTool replacing record `old`, but only when that record still holds `loaded` (the
// record the editing dialog read); otherwise throws ToolFileRefusal (kToolChangedElsewhere)
// and changes nothing. The check and the rewrite happen under the same lock.
std::int16_t ReplaceTool(core::Session& session, char shapeCode, const ToolRec& rec,
                         std::int16_t old, const ToolRec& loaded);

// Removes the records of the ascending numbers from the shape's file in one rewrite and keeps
// the defaults pointing at their tools; deleting special tools also removes their entries from
// the drawing index and their drawing files. Throws platform::FileError on a file error.
void DeleteTools(core::Session& session, char shapeCode,
                 const std::vector<std::int16_t>& ascendingNumbers);

// Rewrites the default mark of record `number` of the shape's file under the file's lock: `mark`
// is given the mark the record holds and returns its new one. Returns the record as it was, or
// nothing when the file does not hold that record or the record is not a tool of that shape; the
// file is then left alone. Throws platform::FileError on a file error.
std::optional<ToolRec> RewriteDefMark(core::Session& session, char shapeCode, std::int16_t number,
                                      const std::function<std::int16_t(std::int16_t)>& mark);

}  // namespace tooling::library
