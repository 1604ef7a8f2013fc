#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Drawing.h"

namespace tooling::platform {

// The printer failed (none installed, off line, a write error).
class PrinterError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class Orientation { Portrait = 1, Landscape = 2 };

// One item of a printed line: the text starts at a column stop counted in average character
// widths of the current font, column 1 being the left margin.
struct PageItem {
    int column = 1;
    std::string text;  // Windows-1252
};

// The printer, addressed as a page of text lines. Lines that no longer fit start a new page;
// an item whose column the line has already passed goes to that column of the next line.
// Every failure throws PrinterError.
class TextPage {
  public:
    virtual ~TextPage() = default;

    virtual void SetFontName(const std::string& name) = 0;
    virtual void SetBold(bool on) = 0;
    virtual void SetItalic(bool on) = 0;
    virtual void SetUnderline(bool on) = 0;
    // An empty list prints an empty line.
    virtual void PrintLine(const std::vector<PageItem>& items) = 0;
    // The next line or drawing starts a new page (nothing when the page has nothing on it yet).
    virtual void NewPage() = 0;
    // The drawing scaled to fit the rest of the page below its lines, and centred there; the next
    // line starts a new page.
    virtual void DrawFitted(const Drawing& drawing) = 0;
    // Ends the document and sends it to the printer; the next line starts a new document.
    virtual void EndDoc() = 0;

    virtual Orientation GetOrientation() const = 0;
    virtual void SetOrientation(Orientation orientation) = 0;

    // False when the page goes to the system's printer and the system has none installed.
    virtual bool PrinterInstalled() const { return true; }
};

}  // namespace tooling::platform
