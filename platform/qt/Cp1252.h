#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tooling::platform {

// The system's texts are single-byte Windows-1252; these convert them for the toolkit.
QString FromCp1252(std::string_view bytes);
// Characters without a Windows-1252 byte become "?".
std::string ToCp1252(const QString& text);

}  // namespace tooling::platform
