#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "core/TextFile.h"
#include "output/ToolListPrint.h"
#include "output/TurretPrint.h"
#include "platform/qt/QtTextPage.h"
#include "tests/output/PrintFixture.h"
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
    // Runs the print on a PDF printer that starts in `orientation`; returns what the PDF holds.
    template <typename Print>
    test::PdfText ToPdf(platform::Orientation orientation, Print print) {
        const std::string path = dir.path() + "print.pdf";
        platform::QtTextPage pdfPage(path);
        pdfPage.SetOrientation(orientation);
        platform::Services pdfServices{fs, ui, pdfPage, process};
        core::Session pdfSession(pdfServices);
        pdfSession.machine = session.machine;
        pdfSession.lib = session.lib;
        print(pdfSession);
        EXPECT_EQ(pdfPage.GetOrientation(), orientation);
        return test::ReadPdf(TOOLING_PDFTOTEXT, path);
    }
};

// A list from a landscape printer: the same lines as the recording page, on upright pages.
TEST_F(PrintPdfTest, AToolListHoldsTheLinesOfTheRecordingInPortrait) {
    WriteTools('B', {Tool({30, 10.5F, 2, 3}, {1}, {0, 90}), Tool({40, 15, 2.5F, 4}, {2, 3}, {0})});
    PrintToolList(session, 2);
    const test::PdfText pdf =
        ToPdf(platform::Orientation::Landscape, [](core::Session& s) { PrintToolList(s, 2); });
    // The heading, the column titles and the two tools.
    EXPECT_EQ(RecordedLines(page.ops).size(), 4u);
    EXPECT_EQ(test::PdfLines(pdf), RecordedLines(page.ops));
    EXPECT_TRUE(pdf.summary.starts_with("[portrait]")) << pdf.summary;
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(PrintPdfTest, APrintedTurretHoldsTheLinesOfTheRecording) {
    session.machine.StationCount = 4;
    test::WriteFile(
        session.lib.TurretLibPrefix + "2",
        core::TextFileBytes({"1,A,Diameter,12.7,0,0,0,0,1", "2,D,Rectangle,10,5,0,0,90,2",
                             "3, , , 0, 0, 0, 0, , 0", "4,S,CORNER NOTCH 12,12,12,0,0,idx,3"}));
    PrintTurret(session, 2, "Front Set");
    const test::PdfText pdf = ToPdf(platform::Orientation::Portrait,
                                    [](core::Session& s) { PrintTurret(s, 2, "Front Set"); });
    EXPECT_EQ(test::PdfLines(pdf), RecordedLines(page.ops));
    EXPECT_EQ(RecordedLines(page.ops).size(), 6u);
    EXPECT_TRUE(ui.events.empty());
}

}  // namespace
}  // namespace tooling::output
