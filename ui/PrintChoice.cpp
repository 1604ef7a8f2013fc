#include "ui/PrintChoice.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/Session.h"
#include "output/ToolListPrint.h"
#include "platform/qt/QtTextPage.h"

namespace tooling::ui {

namespace {

constexpr const char* kNoPrinter = "No printer is installed.\n\nSave the pages as a PDF file?";

}  // namespace

PageBuilder ToolListPages(core::Session& session) {
    const std::int16_t shapeNo = session.win.CurShapeNo;
    return [&session, shapeNo](platform::TextPage& page) {
        output::PrintToolList(session, shapeNo, page);
    };
}

void PrintPages(QWidget* parent, core::Session& session, const QString& pdfName,
                const PageBuilder& build) {
    if (session.os.printer.PrinterInstalled()) {
        build(session.os.printer);
        return;
    }
    if (!session.os.ui.Ask(kNoPrinter)) {
        return;
    }
    const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save as PDF"),
                                                      QDir::home().filePath(pdfName + ".pdf"),
                                                      QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    platform::QtTextPage pdf(QFile::encodeName(path).toStdString());
    build(pdf);
}

void PreviewPages(QWidget* parent, const QString& title, const PageBuilder& build) {
    QPrinter printer(QPrinter::HighResolution);
    // With no printer, the preview's print button saves the pages as a PDF file.
    if (QPrinterInfo::defaultPrinterName().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
    }
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.setWindowTitle(title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&build](QPrinter* shown) {
                         platform::QtTextPage page(*shown);
                         build(page);
                     });
    preview.exec();
}

}  // namespace tooling::ui
