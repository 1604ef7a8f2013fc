#pragma once

#include <memory>
#include <string>

#include "platform/TextPage.h"

namespace tooling::cli {

// A printer page that writes a PDF file at the path.
std::unique_ptr<platform::TextPage> PdfPage(const std::string& path);

}  // namespace tooling::cli
