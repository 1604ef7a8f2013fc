#include "output/PrintFrame.h"

#include <optional>

#include "core/Session.h"
#include "platform/FileError.h"

namespace tooling::output {

using platform::Orientation;

void RunPrint(core::Session& session, platform::TextPage& page,
              const std::function<void(platform::TextPage&)>& print) {
    std::optional<Orientation> original;  // set while the page is turned to portrait
    try {
        if (const Orientation now = page.GetOrientation(); now != Orientation::Portrait) {
            original = now;
            page.SetOrientation(Orientation::Portrait);
            page.EndDoc();
        }
        print(page);
        page.EndDoc();
        if (original) {
            page.SetOrientation(*original);
            page.EndDoc();
        }
        return;
    } catch (const platform::PrinterError&) {
    } catch (const platform::FileError&) {
    }
    if (original) {
        try {
            page.SetOrientation(*original);
        } catch (const platform::PrinterError&) {
            // The printer has failed already; the message says so.
        }
    }
    session.os.ui.Refuse(kPrinterError);
}

void PrintHeading(platform::TextPage& page, const std::string& heading,
                  const std::vector<platform::PageItem>& titles) {
    page.SetFontName("Times New Roman");
    page.SetBold(true);
    page.PrintLine({});
    page.SetItalic(false);
    page.SetUnderline(true);
    page.PrintLine({{5, heading}});
    page.SetUnderline(false);
    page.PrintLine({});
    page.PrintLine(titles);
    page.PrintLine({});
    page.SetBold(false);
}

}  // namespace tooling::output
