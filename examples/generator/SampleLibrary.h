#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tooling::core {
struct Machine;
}

namespace tooling::examples {

// A line of a sample library's source that cannot become a tool of the library.
class SampleSourceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One file of a sample library: its name in the machine's tool folder, and its bytes.
struct SampleFile {
    std::string name;
    std::string bytes;
};

// The files of the tool library `libraryName` that a source text describes (its lines are told
// at the head of examples/source/Kestrel20/Shop Standard.txt): the tool file of each shape that
// has tools, the drawing index, and the drawing files. Station types are looked up by name in
// the machine's station list. Throws SampleSourceError naming the line when a tool dialog would
// refuse the tool or its file would not keep it in that place.
std::vector<SampleFile> SampleLibraryFiles(std::string_view source, const std::string& libraryName,
                                           const core::Machine& machine);

}  // namespace tooling::examples
