// Pictures of what a user sees, for reviews and notes: run by scripts/screenshots on a copy of
// the sample installation. Each picture is a PNG in the folder given.
//
//   tooling_screenshots <program folder> <picture folder>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <string>

#include "core/Session.h"
#include "library/LibrarySetUp.h"
#include "platform/NativeFileSystem.h"
#include "platform/Services.h"
#include "platform/qt/QtProcess.h"
#include "platform/qt/QtTextPage.h"
#include "platform/qt/QtUi.h"
#include "ui/ToolDialogForm.h"
#include "ui/ToolLibrary.h"

namespace {

using namespace tooling;

QString out;

void Save(QWidget& widget, const char* name) {
    QTest::qWait(200);  // the first paint
    const QString path = out + "/" + name + ".png";
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }
}

// The add dialog of a shape with the boxes typed in and the first station chosen.
void ToolDialog(core::Session& session, std::int16_t shapeNo, const QStringList& boxes,
                const char* name) {
    session.win.CurShapeNo = shapeNo;
    ui::ToolDialogForm form(session);
    form.show();
    for (int i = 0; i < boxes.size(); ++i) {
        QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("DimBox%1").arg(i + 1)),
                         boxes[i]);
    }
    auto* stations = form.findChild<QListWidget*>(QStringLiteral("StnList"));
    QTest::mouseClick(stations->viewport(), Qt::LeftButton, {},
                      stations->visualItemRect(stations->item(0)).center());
    Save(form, name);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: tooling_screenshots <program folder> <picture folder>\n");
        return 2;
    }
    out = QString::fromLocal8Bit(argv[2]);
    platform::NativeFileSystem fs;
    platform::QtUi ui;
    platform::QtTextPage printer;
    platform::QtProcess process;
    platform::Services services{fs, ui, printer, process};
    core::Session session(services);
    session.inst.StartDir = argv[1];
    if (library::StartSession(session) != core::StartOutcome::Ready) {
        return 1;
    }

    ToolDialog(session, 5, {"30", "15", "4"}, "dialog-radrect");
    ToolDialog(session, 11, {"20", "22", "5"}, "dialog-keyway");
    ToolDialog(session, 13, {"30", "6", "2"}, "dialog-cruciform");

    ui::ToolLibrary window(session);
    window.SetUpWindow();
    window.show();
    window.ToolShape_Click(4);  // Rectangle
    window.EditTool_Click();
    Save(window, "edit-list-rectangle");

    const auto savePreview = [](const char* name) {
        QTimer::singleShot(0, [name] {
            QWidget* preview = QApplication::activeModalWidget();
            preview->resize(900, 700);
            Save(*preview, name);
            preview->close();
        });
    };
    savePreview("print-preview-rectangle");
    window.PrintPreviewItem_Click();
    window.findChild<QPushButton*>(QStringLiteral("ToolCncl"))->click();

    // Print Turret's list with its Preview button, and the preview of the first turret.
    window.findChild<QAction*>(QStringLiteral("TurretItem5"))->trigger();
    Save(window, "print-turret-list");
    savePreview("print-preview-turret");
    window.findChild<QPushButton*>(QStringLiteral("PreviewBttn"))->click();
    return 0;
}
