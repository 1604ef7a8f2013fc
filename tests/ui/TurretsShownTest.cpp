// What the Qt layer adds for the standard turrets: the Turrets column and its tooltip, the
// question's detail text and default button, and the mark of a row not in the library.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

#include "platform/qt/QtUi.h"
#include "tests/turrets/TurretFixture.h"
#include "tools/ToolListPanel.h"
#include "turrets/TurretEditor.h"
#include "ui/ToolListPanel.h"
#include "ui/TurretEditorPanel.h"

namespace tooling::ui {
namespace {

using test::Tool;

class TurretsShown : public ::testing::Test, public test::TurretFixture {};

TEST_F(TurretsShown, TheTurretsColumnAndTheEditorsMark) {
    session.win.CurShapeNo = 1;
    session.win.CurShapeCode = "A";
    WriteTools('A', {Tool('A', "Diameter", {5, 5, 0, 0}, {{1, 10}}, {0}),
                     Tool('A', "Diameter", {12.7F, 12.7F, 0, 0}, {{1, 10}}, {0})});
    WriteTurret("lkp", "PRODUCTION, 1\r\nSpare, 2\r\n******\r\n");
    for (const char* ext : {"1", "2"}) {
        WriteTurret(ext, core::TextFileBytes({"1,,,0,0,0,0,,1", "2,A,Diameter,12.7,12.7,0,0,0,2",
                                              "3,,,0,0,0,0,,3", "4,,,0,0,0,0,,1",
                                              "5,A,Diameter,13.7,13.7,0,0,0,4"}));
    }
    tools::ToolListPanel logic(session);
    ToolListPanel panel(session, logic);
    ASSERT_TRUE(logic.EditTool_Click());
    panel.ShowState();
    const QAbstractItemModel* list = panel.findChild<QTableView*>("ToolList")->model();
    QString shown;
    for (int row = 0; row < 2; ++row) {
        shown += list->index(row, 3).data().toString() + "|" +
                 list->index(row, 3).data(Qt::ToolTipRole).toString() + "\n";
    }
    EXPECT_EQ(shown, "|\n2|PRODUCTION T2, Spare T2\n");
    EXPECT_TRUE(panel.findChild<QLabel*>("ListLabel")->text().endsWith("Turrets"));

    // The turret editor marks a row not in the library.
    turrets::TurretEditor editor(session, [] {});
    TurretEditorPanel editorPanel(session, editor);
    session.cmd.CurTurret = 1;
    editor.Open(library::LoadTurret(session, 1), "PRODUCTION", 4);
    editorPanel.ShowState();
    auto* table = editorPanel.findChild<QTableWidget*>("TurretList");
    QString tips;
    for (int cell = 0; cell < 25; ++cell) {
        tips += table->item(cell / 5, cell % 5)->toolTip() + "|";
    }
    EXPECT_EQ(tips, QString("|").repeated(20) + QString("Not in the library|").repeated(5));
    const QImage mark = table->item(4, 0)->icon().pixmap(16).toImage();
    EXPECT_EQ(mark,
              editorPanel.style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16).toImage());
    EXPECT_NE(table->item(1, 0)->icon().pixmap(16).toImage(), mark);
}

TEST(QtQuestion, ShowsItsDetailAndDefaultButton) {
    platform::QtUi ui;
    for (const bool yesByDefault : {true, false}) {
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            const bool yes = box->defaultButton() == box->button(QMessageBox::Yes);
            shown = box->text() + "|" + box->detailedText() + (yes ? "|Yes" : "|No");
            box->button(QMessageBox::No)->click();
        });
        EXPECT_FALSE(ui.AskWithDetail("Update 2 Turret Station(s) ?", "PRODUCTION T2, Spare T2",
                                      yesByDefault));
        EXPECT_EQ(shown, QString("Update 2 Turret Station(s) ?|PRODUCTION T2, Spare T2|") +
                             (yesByDefault ? "Yes" : "No"));
    }
}

}  // namespace
}  // namespace tooling::ui
