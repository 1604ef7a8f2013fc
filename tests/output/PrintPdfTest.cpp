#include <gtest/gtest.h>

#include <functional>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "output/ToolListPrint.h"
#include "output/TurretPrint.h"
#include "platform/qt/QtTextPage.h"
#include "tests/output/OutputFixture.h"
#include "tests/support/PdfText.h"

namespace tooling::output {
namespace {

// The words of each line the recording page printed, its column stops left out; empty lines
// left out.
std::vector<std::string> RecordedLines(const std::vector<std::string>& ops) {
    std::vector<std::string> lines;
    for (const std::string& op : ops) {
        std::istringstream in(
            std::regex_replace(op, std::regex("^line:([0-9]+\\|)?|; [0-9]+\\|"), " "));
        std::string line;
        for (std::string word; in >> word;) {
            line += (line.empty() ? "" : " ") + word;
        }
        if (op.starts_with("line:") && !line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

class PrintPdfTest : public ::testing::Test, public test::PrintFixture {
  protected:
    // Runs the print on the recording page and on a PDF printer that starts in `orientation`;
    // expects the PDF to hold the `count` lines recorded. Returns the PDF's summary.
    std::string ExpectRecordedLines(platform::Orientation orientation, std::size_t count,
                                    const std::function<void(core::Session&)>& print) {
        page.ops.clear();
        print(session);
        const std::string path = dir.path() + "print.pdf";
        platform::QtTextPage pdfPage(path);
        pdfPage.SetOrientation(orientation);
        platform::Services pdfServices{fs, ui, pdfPage, process};
        core::Session pdfSession(pdfServices);
        pdfSession.machine = session.machine;
        pdfSession.lib = session.lib;
        print(pdfSession);
        EXPECT_EQ(pdfPage.GetOrientation(), orientation);
        const test::PdfText pdf = test::ReadPdf(TOOLING_PDFTOTEXT, path);
        EXPECT_EQ(RecordedLines(page.ops).size(), count);
        EXPECT_EQ(test::PdfLines(pdf), RecordedLines(page.ops));
        EXPECT_TRUE(ui.events.empty());
        return pdf.summary;
    }
};

TEST_F(PrintPdfTest, AListAndATurretHoldTheLinesOfTheRecording) {
    // A list from a landscape printer, on upright pages: the heading, the column titles and the
    // two tools.
    WriteToolRows("PrintPdfTest");
    const std::string summary = ExpectRecordedLines(platform::Orientation::Landscape, 4,
                                                    [](core::Session& s) { PrintToolList(s, 2); });
    EXPECT_TRUE(summary.starts_with("[portrait]")) << summary;
    session.machine.StationCount = 4;
    test::WriteFile(session.lib.TurretLibPrefix + "2",
                    test::ReadFile(std::string(TOOLING_GOLDEN_DIR) + "/PrintPdfTest/Shop.2"));
    ExpectRecordedLines(platform::Orientation::Portrait, 6,
                        [](core::Session& s) { PrintTurret(s, 2, "Front Set"); });
}

}  // namespace
}  // namespace tooling::output
