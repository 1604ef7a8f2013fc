#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <regex>
#include <string>
#include <vector>

namespace tooling::test {

// What poppler's pdftotext finds in a printed PDF; for the tests of the Qt printer.

// A word: its text (UTF-8), its page (counted from 1) and its box in points from the page's top
// left.
struct PdfWord {
    std::string text;
    int page;
    double left, top, bottom;
};

struct PdfText {
    std::vector<double> heights;  // of each page
    std::vector<PdfWord> words;   // in poppler's reading order
    std::string summary;          // each page's orientation, and its words

    // The first word of this text; a failed check and an empty word when there is none.
    PdfWord At(const std::string& text) const {
        for (const PdfWord& word : words) {
            if (word.text == text) {
                return word;
            }
        }
        ADD_FAILURE() << "no word \"" << text << "\" in the PDF";
        return {};
    }
};

// Reads the PDF at `path` with the pdftotext program at `pdftotext` (poppler-utils, which
// scripts/setup installs).
inline PdfText ReadPdf(const char* pdftotext, const std::string& path) {
    QProcess process;
    process.start(QString::fromUtf8(pdftotext), {"-bbox", QString::fromStdString(path), "-"});
    EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0)
        << "pdftotext failed (scripts/setup installs poppler-utils)";
    const std::string html = process.readAllStandardOutput().toStdString();
    const std::regex element(
        R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re"
        R"re(|<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">)re"
        R"re(([^<]*)</word>)re");
    PdfText pdf;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), element);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        if (m[1].matched) {
            pdf.heights.push_back(std::stod(m[2]));
            pdf.summary += std::stod(m[1]) > std::stod(m[2]) ? "[landscape]" : "[portrait]";
        } else {
            pdf.words.push_back({m[7], static_cast<int>(pdf.heights.size()), std::stod(m[3]),
                                 std::stod(m[4]), std::stod(m[6])});
            pdf.summary += " " + m[7].str();
        }
    }
    return pdf;
}

}  // namespace tooling::test
