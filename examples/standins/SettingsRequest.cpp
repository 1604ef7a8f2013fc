#include "examples/standins/SettingsRequest.h"

#include <cmath>
#include <vector>

#include "core/Text.h"
#include "core/TextFile.h"
#include "numeric/LeadingNumber.h"
#include "numeric/NumText.h"

namespace tooling::examples {

SettingsRequest ReadSettingsRequest(std::string_view bytes) {
    std::vector<std::string> lines;
    for (std::string& line : core::SplitLines(bytes)) {
        if (core::Trim(line) == core::kEndMark) {
            break;
        }
        lines.push_back(std::move(line));
    }
    SettingsRequest request;
    if (lines.size() < 3) {
        return request;
    }
    request.forTool = true;
    request.code = lines[0];
    request.material = lines[1];
    const double number = numeric::LeadingNumber(lines[2]);
    request.number = number >= 1 && number <= kHighestSettingsNo
                         ? static_cast<std::int32_t>(std::trunc(number))
                         : 1;
    return request;
}

std::string SettingsAnswer(const SettingsRequest& request, std::int32_t number) {
    return core::TextFileBytes({request.code, request.material, numeric::PrintedNumber(number)});
}

}  // namespace tooling::examples
