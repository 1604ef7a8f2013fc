#include "cli/PdfPage.h"

#include "platform/qt/QtTextPage.h"

namespace tooling::cli {

std::unique_ptr<platform::TextPage> PdfPage(const std::string& path) {
    return std::make_unique<platform::QtTextPage>(path);
}

}  // namespace tooling::cli
