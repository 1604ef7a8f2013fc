#pragma once

#include <QFont>
#include <memory>
#include <optional>
#include <string>

#include "platform/TextPage.h"

class QPainter;
class QPrinter;

namespace tooling::platform {

// The text page on a Qt printer: the system's default printer, a PDF file, or a printer given
// (the one a print preview paints).
//
// Column stops are counted in average character widths of the current font, column 1 being
// the left edge of the printable area (15 mm from the paper's edge, or the printer's own
// margin where that is wider). The font keeps one size, 10 points. A document starts with its
// first line; a document ended without lines sends nothing. With a PDF file each document
// replaces the file. The print system is loaded when a print first needs the printer, not when
// the page is made (the program makes its page at every start).
class QtTextPage : public TextPage {
  public:
    // The system's default printer, looked up when a document starts.
    QtTextPage();
    // A PDF file at this path (bytes as the file system takes them).
    explicit QtTextPage(const std::string& pdfPath);
    // This printer, as it is set up; the page does not own it.
    explicit QtTextPage(QPrinter& printer);
    ~QtTextPage() override;
    QtTextPage(const QtTextPage&) = delete;
    QtTextPage& operator=(const QtTextPage&) = delete;

    void SetFontName(const std::string& name) override;
    void SetBold(bool on) override;
    void SetItalic(bool on) override;
    void SetUnderline(bool on) override;
    void PrintLine(const std::vector<PageItem>& items) override;
    void NewPage() override;
    void DrawFitted(const Drawing& drawing) override;
    void EndDoc() override;

    Orientation GetOrientation() const override;
    void SetOrientation(Orientation orientation) override;
    bool PrinterInstalled() const override;

  private:
    // The printer, made on first use.
    QPrinter& Printer() const;
    void Begin();
    // Starts a new page when a line of this height no longer fits on the current one.
    void BreakPageIfFull(double lineHeight);
    // Gives up the document under way and throws.
    [[noreturn]] void Fail(const std::string& what);

    enum class Target { SystemPrinter, PdfFile, GivenPrinter };

    Target target_ = Target::SystemPrinter;
    mutable std::unique_ptr<QPrinter> ownPrinter_;
    mutable QPrinter* printer_ = nullptr;
    std::unique_ptr<QPainter> painter_;
    QString pdfPath_;
    QFont font_;
    // The orientation set, or else the default printer's own once it has been asked.
    mutable std::optional<Orientation> orientation_;
    double y_ = 0;  // top of the current line, in device pixels from the printable area's top
};

}  // namespace tooling::platform
