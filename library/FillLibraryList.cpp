#include "library/FillLibraryList.h"

#include <algorithm>

#include "core/Session.h"
#include "core/Text.h"
#include "library/LibrarySetUp.h"
#include "platform/FileError.h"

namespace tooling::library {

LibraryList FillLibraryList(const core::Session& session, std::string_view machineFolder,
                            std::string_view currentLibrary, bool includeCurrent, ListSelect select,
                            std::optional<std::string_view> header) {
    LibraryList list;
    int current = -1;
    try {
        const std::vector<std::string> files =
            session.os.fs.List(session.inst.DataDir + "Tools" + platform::kSeparator +
                                   std::string(machineFolder) + platform::kSeparator + "*.lkp",
                               platform::ListFilter::Files);
        if (files.empty() && !header) {
            return list;
        }
        if (header) {
            list.entries.push_back(core::Trim(*header));
        }
        for (const std::string& file : files) {
            std::string name = StripExt(file);
            const bool listed =
                std::any_of(list.entries.begin(), list.entries.end(),
                            [&](const std::string& entry) { return core::SameText(entry, name); });
            if (listed) {
                continue;
            }
            if (!core::SameText(name, currentLibrary)) {
                list.entries.push_back(std::move(name));
            } else if (includeCurrent) {
                list.entries.push_back(std::move(name));
                current = static_cast<int>(list.entries.size()) - 1;
            }
        }
    } catch (const platform::FileError&) {
    }
    switch (select) {
        case ListSelect::None:
            break;
        case ListSelect::First:
            list.selected = list.entries.empty() ? -1 : 0;
            break;
        case ListSelect::Current:
            list.selected = current;
            break;
    }
    return list;
}

}  // namespace tooling::library
