#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPrinter>
#include <QProcess>
#include <cmath>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "platform/qt/QtTextPage.h"
#include "tests/support/TempDir.h"

namespace tooling::platform {
namespace {

// The 15 mm margin; Qt puts a PDF page's printable area on whole points.
const double kMarginPt = std::round(15 * 72 / 25.4);

// A word of a PDF as poppler finds it: its page, and its box in points from the page's top left.
struct Word {
    int page;
    double left, top, bottom;
};

struct Pdf {
    std::vector<double> heights;  // of each page
    std::map<std::string, Word> words;
    std::string summary;  // each page's orientation, and its words
};

Pdf Read(const std::string& path) {
    QProcess process;
    process.start(TOOLING_PDFTOTEXT, {"-bbox", QString::fromStdString(path), "-"});
    EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0)
        << "pdftotext failed (scripts/setup installs poppler-utils)";
    const std::string html = process.readAllStandardOutput().toStdString();
    const std::regex element(
        R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re"
        R"re(|<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">)re"
        R"re(([^<]*)</word>)re");
    Pdf pdf;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), element);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        if (m[1].matched) {
            pdf.heights.push_back(std::stod(m[2]));
            pdf.summary += std::stod(m[1]) > std::stod(m[2]) ? "[landscape]" : "[portrait]";
        } else {
            pdf.words[m[7]] = {static_cast<int>(pdf.heights.size()), std::stod(m[3]),
                               std::stod(m[4]), std::stod(m[6])};
            pdf.summary += " " + m[7].str();
        }
    }
    return pdf;
}

// The average character width and the line spacing of a 10 point font on a PDF page, in points.
std::pair<double, double> SizeOf(const QString& family, bool bold) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QFontMetricsF metrics(QFont(family, 10, bold ? QFont::Bold : QFont::Normal), &printer);
    const double toPoints = 72.0 / printer.resolution();
    return {metrics.averageCharWidth() * toPoints, metrics.lineSpacing() * toPoints};
}

// A tool list as the print builds it: a bold heading in Windows-1252, then lines at columns 5 and
// 30 over two pages, one line with a first item that runs past column 30.
TEST(QtTextPage, PrintsLinesAtColumnStopsAcrossPages) {
    constexpr int kLines = 120;
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
    const auto [boldWidth, boldLine] = SizeOf("Times New Roman", true);
    const auto [width, line] = SizeOf("Times New Roman", false);
    const Pdf pdf = Read(dir.path() + "list.pdf");
    const auto at = [&](const std::string& word) { return pdf.words.at(word); };
    EXPECT_NEAR(at("\xC3\x98").left, kMarginPt + 4 * boldWidth, 0.2);
    EXPECT_NEAR(at("Ma\xC3\x9F").left, kMarginPt + 29 * boldWidth, 0.2);
    EXPECT_NEAR(at("\xE2\x82\xAC").left, kMarginPt + 49 * boldWidth, 0.2);
    EXPECT_NEAR(at("T1").top - at("Ma\xC3\x9F").top, boldLine, 0.5);
    ASSERT_EQ(pdf.heights.size(), 2u);
    const double bottom = pdf.heights[0] - kMarginPt;
    int breaks = 0;
    for (int i = 1; i <= kLines; ++i) {
        SCOPED_TRACE("line " + std::to_string(i));
        const Word t = at(first(i));
        const Word s = at("S" + std::to_string(i));
        const Word above = at("S" + std::to_string(std::max(i - 1, 1)));
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
