#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <cmath>
#include <string>
#include <vector>

#include "platform/qt/QtTextPage.h"
#include "tests/support/PdfText.h"
#include "tests/support/TempDir.h"

namespace tooling::platform {
namespace {

// The 15 mm margin; Qt puts a PDF page's printable area on whole points.
const double kMarginPt = std::round(15 * 72 / 25.4);

// The average character width and the line spacing of a 10 point font on a PDF page, in points.
std::pair<double, double> SizeOf(const QString& family, bool bold) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QFontMetricsF metrics(QFont(family, 10, bold ? QFont::Bold : QFont::Normal), &printer);
    const double toPoints = 72.0 / printer.resolution();
    return {metrics.averageCharWidth() * toPoints, metrics.lineSpacing() * toPoints};
}

test::PdfText Read(const std::string& path) {
    return test::ReadPdf(TOOLING_PDFTOTEXT, path);
}

// How many lines of this spacing (in points) the printable area of a PDF page holds.
int LinesPerPage(double lineSpacing) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    return static_cast<int>(printer.pageRect(QPrinter::Point).height() / lineSpacing);
}

// A tool list as the print builds it: a bold heading in Windows-1252, then lines at columns 5 and
// 30 over a page and a half, one line with a first item that runs past column 30. Column stops,
// line spacing and page breaks follow the metrics of the font the machine gives for the name.
TEST(QtTextPage, PrintsLinesAtColumnStopsAcrossPages) {
    const auto [boldWidth, boldLine] = SizeOf("Times New Roman", true);
    const auto [width, line] = SizeOf("Times New Roman", false);
    const int kLines = LinesPerPage(line) * 3 / 2;
    constexpr int kLong = 10;
    const auto first = [](int i) {
        return i == kLong ? "Overlong-description-that-runs-far-past-column-thirty"
                          : "T" + std::to_string(i);
    };
    test::TempDir dir;
    {
        QtTextPage page(dir.path() + "list.pdf");
        page.SetFontName("Times New Roman");
        page.SetBold(true);
        page.PrintLine({{5, "\xD8"}, {30, "Ma\xDF"}, {50, "\x80"}});  // in Windows-1252
        page.SetBold(false);
        for (int i = 1; i <= kLines; ++i) {
            page.PrintLine({{5, first(i)}, {30, "S" + std::to_string(i)}});
        }
        page.EndDoc();
    }
    // Column n starts n - 1 average character widths of the current font right of the margin.
    const test::PdfText pdf = Read(dir.path() + "list.pdf");
    const auto at = [&](const std::string& word) { return pdf.At(word); };
    EXPECT_NEAR(at("\xC3\x98").left, kMarginPt + 4 * boldWidth, 0.2);
    EXPECT_NEAR(at("Ma\xC3\x9F").left, kMarginPt + 29 * boldWidth, 0.2);
    EXPECT_NEAR(at("\xE2\x82\xAC").left, kMarginPt + 49 * boldWidth, 0.2);
    EXPECT_NEAR(at("T1").top - at("Ma\xC3\x9F").top, boldLine, 0.5);
    ASSERT_EQ(pdf.heights.size(), 2u);
    const double bottom = pdf.heights[0] - kMarginPt;
    int breaks = 0;
    for (int i = 1; i <= kLines; ++i) {
        SCOPED_TRACE("line " + std::to_string(i));
        const test::PdfWord t = at(first(i));
        const test::PdfWord s = at("S" + std::to_string(i));
        const test::PdfWord above = at("S" + std::to_string(std::max(i - 1, 1)));
        EXPECT_NEAR(t.left, kMarginPt + 4 * width, 0.2);
        EXPECT_NEAR(s.left, kMarginPt + 29 * width, 0.2);
        // An item whose column the line has passed goes to that column of the next line.
        EXPECT_NEAR(s.top - t.top, i == kLong ? line : 0, 0.05);
        if (i > 1 && t.page == above.page) {
            EXPECT_NEAR(t.top - above.top, line, 0.05);
        } else if (i > 1) {
            // The page breaks when the next line no longer fits, and goes on at the top margin.
            ++breaks;
            EXPECT_LE(above.bottom, bottom + 0.5);
            EXPECT_GT(above.top + 2 * line, bottom);
            EXPECT_NEAR(t.top, kMarginPt + line / 2, line / 2);
        }
    }
    EXPECT_EQ(breaks, 1);
}

TEST(QtTextPage, EachDocumentReplacesTheFileInTheOrientationSet) {
    test::TempDir dir;
    QtTextPage page(dir.path() + "list.pdf");
    page.EndDoc();  // nothing printed: nothing sent
    EXPECT_FALSE(test::FileExists(dir.path() + "list.pdf"));
    page.SetOrientation(Orientation::Landscape);
    page.PrintLine({{1, "Across"}});
    page.EndDoc();
    EXPECT_EQ(Read(dir.path() + "list.pdf").summary, "[landscape] Across");
    page.SetOrientation(Orientation::Portrait);
    page.PrintLine({{1, "Upright"}});
    page.EndDoc();
    EXPECT_EQ(Read(dir.path() + "list.pdf").summary, "[portrait] Upright");
}

TEST(QtTextPage, APdfThatCannotBeWrittenIsAPrinterError) {
    test::TempDir dir;
    const std::string path = dir.path() + "Missing/list.pdf";
    QtTextPage page(path);
    try {
        page.PrintLine({{1, "x"}});
        ADD_FAILURE() << "printed";
    } catch (const PrinterError& error) {
        EXPECT_EQ(std::string(error.what()), "cannot write the file " + path);
    }
    EXPECT_NO_THROW(page.EndDoc());
    EXPECT_FALSE(test::FileExists(path));
}

}  // namespace
}  // namespace tooling::platform
