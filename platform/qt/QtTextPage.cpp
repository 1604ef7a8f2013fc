#include "platform/qt/QtTextPage.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "platform/qt/Cp1252.h"
#include "platform/qt/DrawingPainter.h"

namespace tooling::platform {

namespace {

constexpr double kPointSize = 10;
constexpr double kMarginMm = 15;
// Positions within this many device pixels count as the same column.
constexpr double kSlack = 0.01;

QPageLayout::Orientation ToQt(Orientation orientation) {
    return orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace

QtTextPage::QtTextPage() {
    font_.setPointSizeF(kPointSize);
}

QtTextPage::QtTextPage(const std::string& pdfPath) : QtTextPage() {
    target_ = Target::PdfFile;
    pdfPath_ =
        QFile::decodeName(QByteArray(pdfPath.data(), static_cast<qsizetype>(pdfPath.size())));
    orientation_ = Orientation::Portrait;
}

QtTextPage::QtTextPage(QPrinter& printer) : QtTextPage() {
    target_ = Target::GivenPrinter;
    printer_ = &printer;
}

QPrinter& QtTextPage::Printer() const {
    if (printer_ == nullptr) {
        ownPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (target_ == Target::PdfFile) {
            ownPrinter_->setOutputFormat(QPrinter::PdfFormat);
        }
        printer_ = ownPrinter_.get();
    }
    return *printer_;
}

bool QtTextPage::PrinterInstalled() const {
    return target_ != Target::SystemPrinter || !QPrinterInfo::defaultPrinterName().isEmpty();
}

QtTextPage::~QtTextPage() {
    if (painter_ && painter_->isActive()) {
        painter_->end();
    }
}

void QtTextPage::SetFontName(const std::string& name) {
    font_.setFamily(FromCp1252(name));
}

void QtTextPage::SetBold(bool on) {
    font_.setBold(on);
}

void QtTextPage::SetItalic(bool on) {
    font_.setItalic(on);
}

void QtTextPage::SetUnderline(bool on) {
    font_.setUnderline(on);
}

Orientation QtTextPage::GetOrientation() const {
    if (!orientation_) {
        orientation_ = Printer().pageLayout().orientation() == QPageLayout::Landscape
                           ? Orientation::Landscape
                           : Orientation::Portrait;
    }
    return *orientation_;
}

void QtTextPage::SetOrientation(Orientation orientation) {
    orientation_ = orientation;
    // Within a document the change holds from the next page on.
    if (printer_ != nullptr) {
        printer_->setPageOrientation(ToQt(orientation));
    }
}

void QtTextPage::Begin() {
    if (painter_ && painter_->isActive()) {
        return;
    }
    QPrinter& printer = Printer();
    if (target_ == Target::PdfFile) {
        printer.setOutputFileName(pdfPath_);
    } else if (target_ == Target::SystemPrinter) {
        const QString name = QPrinterInfo::defaultPrinterName();
        if (name.isEmpty()) {
            throw PrinterError("no printer installed");
        }
        if (printer.printerName() != name) {
            printer.setPrinterName(name);
        }
        if (!printer.isValid()) {
            throw PrinterError("the printer cannot be used");
        }
    }
    printer.setFullPage(false);
    printer.setPageOrientation(ToQt(GetOrientation()));
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                           QPageLayout::Millimeter);
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
    }
    if (!painter_->begin(&printer)) {
        throw PrinterError(target_ == Target::PdfFile
                               ? "cannot write the file " + pdfPath_.toStdString()
                               : std::string("the printer is not ready"));
    }
    y_ = 0;
}

void QtTextPage::BreakPageIfFull(double lineHeight) {
    const double pageHeight = printer_->pageRect(QPrinter::DevicePixel).height();
    if (y_ > 0 && y_ + lineHeight > pageHeight) {
        if (!printer_->newPage()) {
            Fail("cannot start a new page");
        }
        y_ = 0;
    }
}

void QtTextPage::PrintLine(const std::vector<PageItem>& items) {
    Begin();
    painter_->setFont(font_);
    const QFontMetricsF metrics(font_, printer_);
    const double lineHeight = metrics.lineSpacing();
    const double columnWidth = metrics.averageCharWidth();
    BreakPageIfFull(lineHeight);
    double x = 0;  // where the line's text has got to
    for (const PageItem& item : items) {
        const double stop = (std::max(item.column, 1) - 1) * columnWidth;
        if (x > stop + kSlack) {
            y_ += lineHeight;
            BreakPageIfFull(lineHeight);
        }
        const QString text = FromCp1252(item.text);
        painter_->drawText(QPointF(stop, y_ + metrics.ascent()), text);
        x = stop + metrics.horizontalAdvance(text);
    }
    if (!painter_->isActive()) {
        Fail("the printer stopped");
    }
    y_ += lineHeight;
}

void QtTextPage::NewPage() {
    Begin();
    if (y_ > 0) {
        if (!printer_->newPage()) {
            Fail("cannot start a new page");
        }
        y_ = 0;
    }
}

void QtTextPage::DrawFitted(const Drawing& drawing) {
    Begin();
    const QRectF page = printer_->pageRect(QPrinter::DevicePixel);
    // A drawing squeezed under a full page of lines would be too small to read.
    if (y_ > page.height() * 2 / 3) {
        NewPage();
    }
    const QRectF area(0, y_, page.width(), page.height() - y_);
    PaintDrawing(*painter_, area, drawing, PaperInks(printer_->resolution()));
    if (!painter_->isActive()) {
        Fail("the printer stopped");
    }
    y_ = page.height();
}

void QtTextPage::EndDoc() {
    if (!painter_ || !painter_->isActive()) {
        return;  // nothing printed, nothing to send
    }
    if (!painter_->end()) {
        throw PrinterError("the document could not be finished");
    }
    if (target_ == Target::PdfFile && QFileInfo(pdfPath_).size() <= 0) {
        throw PrinterError("cannot write the file " + pdfPath_.toStdString());
    }
}

void QtTextPage::Fail(const std::string& what) {
    if (painter_ && painter_->isActive()) {
        printer_->abort();
        painter_->end();
    }
    throw PrinterError(what);
}

}  // namespace tooling::platform
