#pragma once

#include <string>
#include <vector>

#include "platform/TextPage.h"

namespace tooling::test {

// A printer that records what was printed, one text per operation: "font:<name>", "bold:1",
// "italic:0", "underline:1", "line:" followed by "<column>|<text>" items joined by "; ",
// "newpage", "drawing:…" (see Summary), "enddoc", "orientation:<1|2>". `failAfter` makes the n-th
// printing operation throw.
class RecordingPage : public platform::TextPage {
  public:
    void SetFontName(const std::string& name) override { Record("font:" + name); }
    void SetBold(bool on) override { Record(std::string("bold:") + (on ? "1" : "0")); }
    void SetItalic(bool on) override { Record(std::string("italic:") + (on ? "1" : "0")); }
    void SetUnderline(bool on) override { Record(std::string("underline:") + (on ? "1" : "0")); }
    void PrintLine(const std::vector<platform::PageItem>& items) override {
        std::string line = "line:";
        for (std::size_t i = 0; i < items.size(); ++i) {
            line += (i == 0 ? "" : "; ") + std::to_string(items[i].column) + "|" + items[i].text;
        }
        Record(line);
    }
    void NewPage() override { Record("newpage"); }
    void DrawFitted(const platform::Drawing& drawing) override { Record(Summary(drawing)); }
    void EndDoc() override { Record("enddoc"); }
    platform::Orientation GetOrientation() const override { return orientation; }
    void SetOrientation(platform::Orientation o) override {
        Record("orientation:" + std::to_string(static_cast<int>(o)));
        orientation = o;
    }

    bool PrinterInstalled() const override { return printerInstalled; }

    std::vector<std::string> ops;
    bool printerInstalled = true;
    platform::Orientation orientation = platform::Orientation::Portrait;
    int failAfter = -1;  // number of operations that succeed before one throws; -1 never

    // "drawing:" with the number of circles, paths and texts, then the texts in order.
    static std::string Summary(const platform::Drawing& drawing) {
        std::size_t counts[3] = {};
        std::string texts;
        for (const platform::DrawingItem& item : drawing.items) {
            ++counts[item.index()];
            if (const auto* text = std::get_if<platform::DrawingText>(&item)) {
                texts += " " + text->text;
            }
        }
        return "drawing:" + std::to_string(counts[0]) + " circles, " + std::to_string(counts[1]) +
               " paths, " + std::to_string(counts[2]) + " texts:" + texts;
    }

  private:
    void Record(std::string op) {
        if (failAfter == 0) {
            throw platform::PrinterError("printer off line");
        }
        if (failAfter > 0) {
            --failAfter;
        }
        ops.push_back(std::move(op));
    }
};

}  // namespace tooling::test
