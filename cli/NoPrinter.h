#pragma once

#include <string>
#include <vector>

#include "platform/TextPage.h"

namespace tooling::cli {

// The printer of the commands that print nothing: any line is an error.
class NoPrinter : public platform::TextPage {
  public:
    void SetFontName(const std::string&) override {}
    void SetBold(bool) override {}
    void SetItalic(bool) override {}
    void SetUnderline(bool) override {}
    void PrintLine(const std::vector<platform::PageItem>&) override { Fail(); }
    void NewPage() override { Fail(); }
    void DrawFitted(const platform::Drawing&) override { Fail(); }
    void EndDoc() override { Fail(); }
    platform::Orientation GetOrientation() const override { return orientation_; }
    void SetOrientation(platform::Orientation orientation) override { orientation_ = orientation; }

  private:
    [[noreturn]] static void Fail() { throw platform::PrinterError("no printer"); }
    platform::Orientation orientation_ = platform::Orientation::Portrait;
};

}  // namespace tooling::cli
