#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tooling::core {
struct Session;
}

namespace tooling::platform {
class TextPage;
}

namespace tooling::ui {

// Builds the pages of one print on the page it is given.
using PageBuilder = std::function<void(platform::TextPage& page)>;

// The tool list of the current shape, and the name its PDF file is offered under.
PageBuilder ToolListPages(core::Session& session);
inline const QString kToolListPdfName = QStringLiteral("Tool List");

// Prints on the session's printer. With no printer installed, offers to save the pages as a PDF
// file instead (named `pdfName` to begin with); declined, nothing is printed.
void PrintPages(QWidget* parent, core::Session& session, const QString& pdfName,
                const PageBuilder& build);

// A preview window of exactly the pages the printer would get, with its own print and, with no
// printer, save as PDF.
void PreviewPages(QWidget* parent, const QString& title, const PageBuilder& build);

}  // namespace tooling::ui
