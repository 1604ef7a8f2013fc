// Pictures of what a user sees, for reviews and notes: run by scripts/screenshots on a copy of
// the sample installation. Each picture is a PNG in the folder given.
//
//   tooling_screenshots <program folder> <picture folder>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <cstdio>
#include <string>

#include "core/Session.h"
#include "library/LibrarySetUp.h"
#include "platform/NativeFileSystem.h"
#include "platform/Services.h"
#include "platform/qt/QtProcess.h"
#include "platform/qt/QtTextPage.h"
#include "platform/qt/QtUi.h"
#include "turrets/TurretEditor.h"
#include "ui/ToolDialogForm.h"
#include "ui/ToolLibrary.h"
#include "ui/TurretEditorPanel.h"

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

// The window and what stands over it (a tooltip), as the screen shows them.
void SaveScreen(QWidget& window, const char* name) {
    QTest::qWait(300);
    const QString path = out + "/" + name + ".png";
    const QRect area = window.frameGeometry().adjusted(0, 0, 200, 60);
    if (!QGuiApplication::primaryScreen()
             ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
             .save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }
}

// Shows the cell's tooltip, as resting the mouse on it does.
void ShowTip(QAbstractItemView& view, const QModelIndex& cell) {
    const QPoint at = view.viewport()->mapToGlobal(view.visualRect(cell).center());
    QTest::mouseMove(view.viewport(), view.visualRect(cell).center());
    QToolTip::showText(at, cell.data(Qt::ToolTipRole).toString(), view.viewport());
}

// Once the next question is up: opens its details, saves its picture and answers No.
void AnswerNo(const char* name) {
    QTimer::singleShot(0, [name] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            std::fprintf(stderr, "no question for %s\n", name);
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            if (box->buttonRole(button) == QMessageBox::ActionRole) {
                button->click();  // Show Details...
            }
        }
        Save(*box, name);
        box->button(QMessageBox::No)->click();
    });
}

// The editor of a 64-station turret of four station sizes, half the stations holding a tool:
// the machine is made up in memory, so nothing is written.
void SixtyFourStations(core::Session& session) {
    core::Machine& machine = session.machine;
    machine.MachineFolder = "Sixty-Four";
    machine.StationCount = 64;
    machine.TurretStations.assign(1, {});
    std::vector<library::StationRow> rows;
    const std::int16_t types[] = {1, 1, 2, 1, 1, 2, 3, 1, 2, 1, 1, 4};
    for (std::int16_t n = 1; n <= 64; ++n) {
        const std::int16_t type = types[n % 12];
        machine.TurretStations.push_back({n, 0, type,
                                          machine.StationTable[static_cast<std::size_t>(type)].kind,
                                          "T" + std::to_string(n), "", true});
        library::StationRow row{n, " ", "", {}, "", type};
        if (n % 2 == 1) {
            const double size = machine.StationTable[static_cast<std::size_t>(type)].size1 * 0.6;
            row = n % 4 == 1 ? library::StationRow{n, "A", "Diameter", {size, 0, 0, 0}, "0", type}
                             : library::StationRow{n,
                                                   "C",
                                                   "Rectangle",
                                                   {size, size / 3, 0, 0},
                                                   std::to_string(n * 15 % 180),
                                                   type};
        }
        rows.push_back(row);
    }
    turrets::TurretEditor editor(session, [] {});
    ui::TurretEditorPanel panel(session, editor);
    editor.Open(rows, "SIXTY-FOUR STATIONS", 3);
    // The made-up tools are not in the sample's library; the picture shows their outlines.
    editor.notInLibrary.assign(rows.size(), false);
    panel.ShowState();
    panel.resize(1100, 620);
    panel.show();
    Save(panel, "turret-editor-64-stations");
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
    window.findChild<QPushButton*>(QStringLiteral("ListCncl"))->click();

    // The standard turrets beside the tools: the Turrets column with its tooltip, Delete Tool's
    // question naming them, Edit Tool's update question (answered No, so the turret keeps the
    // old size) and the turret editor marking that row.
    window.ToolShape_Click(1);  // Diameter
    window.EditTool_Click();
    auto* list = window.findChild<QTableView*>(QStringLiteral("ToolList"));
    ShowTip(*list, list->model()->index(6, 3));  // 12.7
    SaveScreen(window, "turrets-column-tooltip");
    window.findChild<QPushButton*>(QStringLiteral("ToolCncl"))->click();

    window.DeleteTool_Click();
    for (const int row : {2, 6}) {  // 5 and 12.7, besides the first line (3)
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    AnswerNo("delete-question-turrets");
    window.findChild<QPushButton*>(QStringLiteral("ToolOk"))->click();

    session.cmd.EditRecNo = 7;  // Diameter 12.7
    {
        ui::ToolDialogForm form(session);
        form.show();
        auto* size = form.findChild<QLineEdit*>(QStringLiteral("DimBox1"));
        size->selectAll();
        QTest::keyClicks(size, QStringLiteral("13.7"));
        AnswerNo("update-question");
        form.findChild<QPushButton*>(QStringLiteral("InptOk"))->click();
    }
    session.cmd.EditRecNo = 0;

    window.findChild<QAction*>(QStringLiteral("TurretItem3"))->trigger();  // Edit Turret
    window.findChild<QPushButton*>(QStringLiteral("ListOk"))->click();     // PRODUCTION
    auto* turret = window.findChild<QTableWidget*>(QStringLiteral("TurretList"));
    ShowTip(*turret, turret->model()->index(1, 2));
    SaveScreen(window, "turret-editor-not-in-library");

    // The picture beside the lists: a click on a station selects its row; Layout lets the
    // stations be dragged.
    auto* picture = window.findChild<QWidget*>(QStringLiteral("TurretPicture"));
    const QPoint t6(picture->width() * 83 / 100, picture->height() / 2);  // the large T6
    QTest::mouseClick(picture, Qt::LeftButton, {}, t6);
    Save(window, "turret-editor-picture");
    window.findChild<QPushButton*>(QStringLiteral("LayoutBttn"))->click();
    QTest::mousePress(picture, Qt::LeftButton, {}, t6);
    QPoint at = t6;
    for (int step = 1; step <= 10; ++step) {
        at += QPoint(-3, 5);
        QMouseEvent move(QEvent::MouseMove, QPointF(at), picture->mapToGlobal(QPointF(at)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &move);
    }
    Save(window, "turret-layout-moving");
    QTest::mouseRelease(picture, Qt::LeftButton, {}, at);
    window.findChild<QPushButton*>(QStringLiteral("LayoutCncl"))->click();
    window.findChild<QPushButton*>(QStringLiteral("TurretCncl"))->click();

    // Print Turret with the illustration ticked: the preview's last page.
    window.findChild<QAction*>(QStringLiteral("TurretItem5"))->trigger();
    window.findChild<QCheckBox*>(QStringLiteral("IllustrationCheck"))->setChecked(true);
    QTimer::singleShot(0, [] {
        QWidget* preview = QApplication::activeModalWidget();
        preview->resize(900, 900);
        if (auto* pages = preview->findChild<QPrintPreviewWidget*>()) {
            pages->setCurrentPage(pages->pageCount());
            pages->fitInView();
        }
        Save(*preview, "print-preview-turret-illustration");
        preview->close();
    });
    window.findChild<QPushButton*>(QStringLiteral("PreviewBttn"))->click();
    window.findChild<QPushButton*>(QStringLiteral("ListCncl"))->click();

    SixtyFourStations(session);
    return 0;
}
