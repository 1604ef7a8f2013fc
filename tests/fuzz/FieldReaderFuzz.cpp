// Reading the fields of any text ends, each read consumes at least one byte, every field is made
// of bytes of the text, and a record only reports the end of the file once the text is used up.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/FieldReader.h"
#include "platform/FileError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    tooling::core::FieldReader reader(text, "Machine.lst");
    std::size_t reads = 0;
    std::size_t fieldBytes = 0;
    while (!reader.AtEnd()) {
        if (++reads > size) {
            std::abort();  // a read that consumed nothing
        }
        const std::string field = reads % 2 == 0 ? reader.Next() : reader.NextInRecord();
        if (field.find_first_not_of(text) != std::string::npos) {
            std::abort();
        }
        fieldBytes += field.size();
        if (fieldBytes > size) {
            std::abort();
        }
    }
    if (!reader.Next().empty()) {
        std::abort();
    }
    try {
        (void)reader.NextInRecord();
        std::abort();
    } catch (const tooling::platform::FileError&) {
    }
    return 0;
}
