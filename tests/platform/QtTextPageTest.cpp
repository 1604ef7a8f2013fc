#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <cctype>
#include <cmath>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "platform/qt/QtTextPage.h"
#include "tests/support/TempDir.h"

namespace tooling::platform {
namespace {

using test::FileExists;

// The 15 mm margin; Qt puts a PDF page's printable area on whole points.
const double kMarginPt = std::round(15 * 72 / 25.4);

// Runs one of poppler's tools and returns what it wrote.
std::string RunTool(const char* tool, const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromUtf8(tool), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool << " failed (scripts/setup installs poppler-utils): "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput().toStdString();
}

std::string LayoutText(const std::string& pdf) {
    return RunTool(TOOLING_PDFTOTEXT, {"-layout", QString::fromStdString(pdf), "-"});
}

// One word of a PDF as poppler finds it, in points from the page's top left corner.
struct Word {
    int page;
    double xMin;
    double yMin;
    double xMax;
    double yMax;
    std::string text;
};

struct PdfWords {
    std::vector<std::pair<double, double>> pages;  // width, height
    std::vector<Word> words;

    const Word& Find(const std::string& text) const {
        for (const Word& word : words) {
            if (word.text == text) {
                return word;
            }
        }
        static const Word none{-1, NAN, NAN, NAN, NAN, ""};
        ADD_FAILURE() << "no word \"" << text << "\"";
        return none;
    }
};

PdfWords Words(const std::string& pdf) {
    const std::string html =
        RunTool(TOOLING_PDFTOTEXT, {"-bbox", QString::fromStdString(pdf), "-"});
    PdfWords result;
    const std::regex element(
        R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re"
        R"re(|<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">)re"
        R"re(([^<]*)</word>)re");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), element);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        if (m[1].matched) {
            result.pages.emplace_back(std::stod(m[1]), std::stod(m[2]));
        } else {
            result.words.push_back({static_cast<int>(result.pages.size()), std::stod(m[3]),
                                    std::stod(m[4]), std::stod(m[5]), std::stod(m[6]), m[7]});
        }
    }
    return result;
}

// The average character width and the line spacing of a font on a PDF page, in points.
struct FontSize {
    double average;
    double line;
};

FontSize SizeOf(const QString& family, bool bold) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QFont font(family);
    font.setPointSizeF(10);
    font.setBold(bold);
    const QFontMetricsF metrics(font, &printer);
    const double toPoints = 72.0 / printer.resolution();
    return {metrics.averageCharWidth() * toPoints, metrics.lineSpacing() * toPoints};
}

std::vector<std::string> PagesOf(const std::string& text) {
    std::vector<std::string> pages;
    std::size_t start = 0;
    for (std::size_t feed = text.find('\f'); feed != std::string::npos;
         feed = text.find('\f', start)) {
        pages.push_back(text.substr(start, feed - start));
        start = feed + 1;
    }
    if (text.find_first_not_of(" \n", start) != std::string::npos) {
        pages.push_back(text.substr(start));
    }
    return pages;
}

class QtTextPageTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    const std::string pdf = dir.path() + "list.pdf";
};

// A tool list as the print builds it: a heading block, then many lines at columns 5, 30 and
// 50, one of them too long for its first column.
TEST_F(QtTextPageTest, PrintsLinesAtColumnStopsAcrossPages) {
    constexpr int kLines = 120;
    constexpr int kLongLine = 10;
    {
        QtTextPage page(pdf);
        page.SetFontName("Times New Roman");
        page.SetBold(true);
        page.PrintLine({});
        page.SetItalic(false);
        page.SetUnderline(true);
        page.PrintLine({{5, "SQUARE TOOLS"}});
        page.SetUnderline(false);
        page.PrintLine({});
        page.PrintLine({{5, "Size"}, {30, "Station"}, {50, "Angles"}});
        page.PrintLine({});
        page.SetBold(false);
        for (int i = 1; i <= kLines; ++i) {
            const std::string n = std::to_string(i);
            const std::string first =
                i == kLongLine ? "Overlong-description-that-runs-far-past-column-thirty" : "T" + n;
            page.PrintLine({{5, first}, {30, "S" + n}, {50, "A" + n}});
        }
        page.EndDoc();
    }

    // The texts, in order, on two pages; the heading is not repeated.
    const std::vector<std::string> pages = PagesOf(LayoutText(pdf));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].find("SQUARE"), std::string::npos);
    const std::string all = pages[0] + pages[1];
    std::size_t at = all.find("SQUARE TOOLS");
    ASSERT_NE(at, std::string::npos);
    for (const std::string text : {"Size", "Station", "Angles"}) {
        const std::size_t next = all.find(text, at);
        ASSERT_NE(next, std::string::npos) << text;
        at = next;
    }
    // A word ends where no letter or digit follows.
    const auto findWord = [&all](const std::string& word, std::size_t from) {
        for (std::size_t found = all.find(word, from); found != std::string::npos;
             found = all.find(word, found + 1)) {
            const std::size_t end = found + word.size();
            if (end == all.size() || !std::isalnum(static_cast<unsigned char>(all[end]))) {
                return found;
            }
        }
        return std::string::npos;
    };
    for (int i = 1; i <= kLines; ++i) {
        const std::string n = std::to_string(i);
        const std::string first = i == kLongLine ? std::string("Overlong-description") : "T" + n;
        for (const std::string& text : {first, "S" + n, "A" + n}) {
            const std::size_t next = findWord(text, at);
            ASSERT_NE(next, std::string::npos) << text << " missing or out of order";
            at = next;
        }
    }

    // Column n starts n - 1 average character widths of the current font right of the margin.
    const PdfWords words = Words(pdf);
    const FontSize bold = SizeOf("Times New Roman", true);
    const FontSize plain = SizeOf("Times New Roman", false);
    ASSERT_GT(plain.average, 2.0);
    const auto column = [](int n, const FontSize& font) {
        return kMarginPt + (n - 1) * font.average;
    };
    EXPECT_NEAR(words.Find("SQUARE").xMin, column(5, bold), 0.2);
    EXPECT_NEAR(words.Find("Size").xMin, column(5, bold), 0.2);
    EXPECT_NEAR(words.Find("Station").xMin, column(30, bold), 0.2);
    EXPECT_NEAR(words.Find("Angles").xMin, column(50, bold), 0.2);
    for (int i = 1; i <= kLines; ++i) {
        const std::string n = std::to_string(i);
        SCOPED_TRACE("line " + n);
        if (i != kLongLine) {
            EXPECT_NEAR(words.Find("T" + n).xMin, column(5, plain), 0.2);
        }
        EXPECT_NEAR(words.Find("S" + n).xMin, column(30, plain), 0.2);
        EXPECT_NEAR(words.Find("A" + n).xMin, column(50, plain), 0.2);
        EXPECT_NEAR(words.Find("S" + n).yMin, words.Find("A" + n).yMin, 0.01);
    }

    // The long text pushes its column-30 item to column 30 of the next line, and the lines
    // after it move down by one.
    const Word& overlong = words.Find("Overlong-description-that-runs-far-past-column-thirty");
    EXPECT_NEAR(overlong.xMin, column(5, plain), 0.2);
    EXPECT_GT(overlong.xMax, column(30, plain));
    const Word& s9 = words.Find("S9");
    const Word& s10 = words.Find("S10");
    const Word& s11 = words.Find("S11");
    EXPECT_NEAR(overlong.yMin - s9.yMin, plain.line, 0.05);
    EXPECT_NEAR(s10.yMin - overlong.yMin, plain.line, 0.05);
    EXPECT_NEAR(s11.yMin - s10.yMin, plain.line, 0.05);

    // Lines follow at the line spacing until the next no longer fits; the page then breaks.
    ASSERT_EQ(words.pages.size(), 2u);
    const double pageHeight = words.pages[0].second;
    int lastOnFirst = 0;
    for (int i = 1; i <= kLines; ++i) {
        if (words.Find("S" + std::to_string(i)).page == 1) {
            lastOnFirst = i;
        }
    }
    ASSERT_GT(lastOnFirst, 20);
    ASSERT_LT(lastOnFirst, kLines);
    const Word& last = words.Find("S" + std::to_string(lastOnFirst));
    const Word& first = words.Find("S" + std::to_string(lastOnFirst + 1));
    EXPECT_EQ(first.page, 2);
    EXPECT_LE(last.yMax, pageHeight - kMarginPt + 0.5);
    EXPECT_GT(last.yMin + 2 * plain.line, pageHeight - kMarginPt) << "room for another line";
    // The new page starts at its top margin.
    EXPECT_LT(first.yMin, kMarginPt + plain.line);
    EXPECT_GE(first.yMin, kMarginPt - 0.5);
}

TEST_F(QtTextPageTest, BoldItalicAndTheFontNameReachThePage) {
    {
        QtTextPage page(pdf);
        page.SetFontName("DejaVu Sans Mono");
        page.PrintLine({{1, "plain"}});
        page.SetBold(true);
        page.PrintLine({{1, "bold"}});
        page.SetBold(false);
        page.SetItalic(true);
        page.PrintLine({{1, "italic"}});
        page.EndDoc();
    }
    const std::string fonts = RunTool(TOOLING_PDFFONTS, {QString::fromStdString(pdf)});
    EXPECT_NE(fonts.find("DejaVuSansMono "), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("DejaVuSansMono-Bold "), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("DejaVuSansMono-Oblique "), std::string::npos) << fonts;
}

// Dark pixels in each row of a box of a page drawn at 144 dots per inch.
std::vector<double> DarkShareOfRows(const std::string& pdf, const Word& box) {
    const double scale = 2;
    const std::string image = RunTool(TOOLING_PDFTOPPM, {"-gray", "-r", "144", "-f", "1", "-l", "1",
                                                         QString::fromStdString(pdf)});
    // A binary PGM: "P5\n<width> <height>\n255\n" and one byte per pixel.
    std::size_t pos = 2;  // after "P5"
    std::vector<int> header;
    while (header.size() < 3) {
        pos = image.find_first_of("0123456789", pos);
        const std::size_t end = image.find_first_not_of("0123456789", pos);
        header.push_back(std::stoi(image.substr(pos, end - pos)));
        pos = end;
    }
    const int width = header[0];
    const int height = header[1];
    const char* pixels = image.data() + pos + 1;
    std::vector<double> shares;
    const int left = static_cast<int>(box.xMin * scale) + 2;
    const int right = static_cast<int>(box.xMax * scale) - 2;
    for (int row = static_cast<int>(box.yMin * scale);
         row <= static_cast<int>(box.yMax * scale) + 6 && row < height; ++row) {
        int dark = 0;
        for (int x = left; x < right && x < width; ++x) {
            dark += static_cast<unsigned char>(pixels[row * width + x]) < 160;
        }
        shares.push_back(static_cast<double>(dark) / (right - left));
    }
    return shares;
}

TEST_F(QtTextPageTest, UnderlineDrawsALineUnderTheText) {
    {
        QtTextPage page(pdf);
        page.SetUnderline(true);
        page.PrintLine({{5, "UNDERLINED"}});
        page.SetUnderline(false);
        page.PrintLine({{5, "PLAINTEXTS"}});
        page.EndDoc();
    }
    const PdfWords words = Words(pdf);
    const auto hasFullRow = [&](const std::string& text) {
        for (const double share : DarkShareOfRows(pdf, words.Find(text))) {
            if (share > 0.95) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(hasFullRow("UNDERLINED"));
    EXPECT_FALSE(hasFullRow("PLAINTEXTS"));
}

TEST_F(QtTextPageTest, PrintsWindows1252Text) {
    {
        QtTextPage page(pdf);
        page.PrintLine({{1,
                         "\xD8 12.7 \x80 \x96 Stra\xDF"
                         "e"}});
        page.EndDoc();
    }
    EXPECT_NE(LayoutText(pdf).find("\xC3\x98 12.7 \xE2\x82\xAC \xE2\x80\x93 Stra\xC3\x9F"
                                   "e"),
              std::string::npos);
}

TEST_F(QtTextPageTest, OrientationHoldsForTheNextDocument) {
    QtTextPage page(pdf);
    EXPECT_EQ(page.GetOrientation(), Orientation::Portrait);
    page.SetOrientation(Orientation::Landscape);
    EXPECT_EQ(page.GetOrientation(), Orientation::Landscape);
    page.PrintLine({{1, "Across"}});
    page.EndDoc();
    PdfWords words = Words(pdf);
    ASSERT_EQ(words.pages.size(), 1u);
    EXPECT_GT(words.pages[0].first, words.pages[0].second);

    page.SetOrientation(Orientation::Portrait);
    EXPECT_EQ(page.GetOrientation(), Orientation::Portrait);
    page.PrintLine({{1, "Upright"}});
    page.EndDoc();
    words = Words(pdf);
    ASSERT_EQ(words.pages.size(), 1u);
    EXPECT_LT(words.pages[0].first, words.pages[0].second);
}

TEST_F(QtTextPageTest, EachDocumentStartsAfresh) {
    QtTextPage page(pdf);
    page.EndDoc();  // nothing printed: nothing sent
    EXPECT_FALSE(FileExists(pdf));

    page.PrintLine({{1, "First"}});
    page.EndDoc();
    page.EndDoc();
    EXPECT_NE(LayoutText(pdf).find("First"), std::string::npos);

    page.PrintLine({{1, "Second"}});
    page.EndDoc();
    const std::string text = LayoutText(pdf);
    EXPECT_NE(text.find("Second"), std::string::npos);
    EXPECT_EQ(text.find("First"), std::string::npos);
    EXPECT_EQ(PagesOf(text).size(), 1u);
}

TEST_F(QtTextPageTest, APdfThatCannotBeWrittenIsAPrinterError) {
    QtTextPage page(dir.path() + "Missing/list.pdf");
    EXPECT_THROW(page.PrintLine({{1, "x"}}), PrinterError);
    EXPECT_NO_THROW(page.EndDoc());
    EXPECT_THROW(page.PrintLine({{1, "x"}}), PrinterError);
    EXPECT_FALSE(FileExists(dir.path() + "Missing/list.pdf"));
}

TEST_F(QtTextPageTest, NoPrinterInstalledIsAPrinterError) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "this machine has a printer; the test would print on it";
    }
    QtTextPage page;
    EXPECT_EQ(page.GetOrientation(), Orientation::Portrait);
    try {
        page.PrintLine({{1, "x"}});
        FAIL() << "printed without a printer";
    } catch (const PrinterError& error) {
        EXPECT_EQ(std::string(error.what()), "no printer installed");
    }
    EXPECT_NO_THROW(page.EndDoc());
}

}  // namespace
}  // namespace tooling::platform
