// What the Qt layer adds for the standard turrets: the Turrets column and its tooltip, the
// question's detail text and default button, and the mark of a row not in the library.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "platform/qt/QtUi.h"
#include "tests/turrets/TurretFixture.h"
#include "tools/ToolListPanel.h"
#include "turrets/TurretEditor.h"
#include "ui/ToolListPanel.h"
#include "ui/TurretEditorPanel.h"

namespace tooling::ui {
namespace {

class TurretsShown : public ::testing::Test, public test::TurretFixture {
  protected:
    TurretsShown() {
        session.win.CurShapeNo = 1;
        session.win.CurShapeCode = "A";
        WriteTools('A', {Tool('A', "Diameter", {5, 5, 0, 0}, {{1, 10}}, {0}),
                         Tool('A', "Diameter", {12.7F, 12.7F, 0, 0}, {{1, 10}}, {0})});
        WriteTurret("lkp", "PRODUCTION, 1\r\nSpare, 2\r\n******\r\n");
        const std::string held = core::TextFileBytes(
            {"1,,,0,0,0,0,,1", "2,A,Diameter,12.7,12.7,0,0,0,2", "3,,,0,0,0,0,,3", "4,,,0,0,0,0,,1",
             "5,A,Diameter,13.7,13.7,0,0,0,4"});
        WriteTurret("1", held);
        WriteTurret("2", held);
    }
};

TEST_F(TurretsShown, TheEditListHasATurretsColumnWithTheStationsAsItsTooltip) {
    tools::ToolListPanel logic(session);
    ToolListPanel panel(session, logic);
    ASSERT_TRUE(logic.EditTool_Click());
    panel.ShowState();
    auto* list = panel.findChild<QTableView*>(QStringLiteral("ToolList"));
    ASSERT_EQ(list->model()->columnCount(), 4);
    const auto cell = [&](int row, int role) {
        return list->model()->index(row, 3).data(role).toString().toStdString();
    };
    EXPECT_EQ(cell(0, Qt::DisplayRole), "");
    EXPECT_EQ(cell(0, Qt::ToolTipRole), "");
    EXPECT_EQ(cell(1, Qt::DisplayRole), "2");
    EXPECT_EQ(cell(1, Qt::ToolTipRole), "PRODUCTION T2, Spare T2");
    EXPECT_TRUE(
        panel.findChild<QLabel*>(QStringLiteral("ListLabel"))
            ->text()
            .endsWith(QStringLiteral("Station(s)") + QString(74, ' ') + QStringLiteral("Turrets")));
}

TEST(QtQuestion, ShowsItsDetailAndDefaultButton) {
    platform::QtUi ui;
    for (const bool yesByDefault : {true, false}) {
        QString text, detail;
        bool yesIsDefault = !yesByDefault;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->text();
            detail = box->detailedText();
            yesIsDefault = static_cast<QAbstractButton*>(box->defaultButton()) ==
                           box->button(QMessageBox::Yes);
            box->button(QMessageBox::No)->click();
        });
        EXPECT_FALSE(ui.AskWithDetail("Update 2 Turret Station(s) ?", "PRODUCTION T2, Spare T2",
                                      yesByDefault));
        EXPECT_EQ(text.toStdString(), "Update 2 Turret Station(s) ?");
        EXPECT_EQ(detail.toStdString(), "PRODUCTION T2, Spare T2");
        EXPECT_EQ(yesIsDefault, yesByDefault);
    }
}

TEST_F(TurretsShown, TheTurretEditorMarksARowNotInTheLibrary) {
    turrets::TurretEditor editor(session, [] {});
    TurretEditorPanel panel(session, editor);
    session.cmd.CurTurret = 1;
    editor.Open(library::LoadTurret(session, 1), "PRODUCTION", 4);
    panel.ShowState();
    auto* table = panel.findChild<QTableWidget*>(QStringLiteral("TurretList"));
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            EXPECT_EQ(table->item(r, c)->toolTip().toStdString(),
                      r == 4 ? "Not in the library" : "")
                << r << ", " << c;
        }
    }
    const QImage mark = table->item(4, 0)->icon().pixmap(16).toImage();
    EXPECT_EQ(mark, panel.style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16).toImage());
    EXPECT_NE(table->item(1, 0)->icon().pixmap(16).toImage(), mark);
}

}  // namespace
}  // namespace tooling::ui
