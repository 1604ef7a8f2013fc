#include "platform/qt/Cp1252.h"

#include "platform/Cp1252Text.h"

namespace tooling::platform {

QString FromCp1252(std::string_view bytes) {
    return QString::fromStdU16String(Utf16FromCp1252(bytes));
}

std::string ToCp1252(const QString& text) {
    return Cp1252FromUtf16(text.toStdU16String());
}

}  // namespace tooling::platform
