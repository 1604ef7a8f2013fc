#include "ui/TurretFrames.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "tests/support/FixtureInstallation.h"
#include "tests/turrets/TurretFixture.h"
#include "ui/ToolLibrary.h"
#include "ui/TrtTolDialog.h"

namespace tooling::ui {
namespace {

using Events = std::vector<std::string>;

class TurretFramesTest : public ::testing::Test, public test::TurretFixture {
  protected:
    void SetUp() override {
        WriteTools('B', {Tool('B', "Square", {10, 10, 0, 0}, {{2, 11}, {3, 20}}, {0, 45})});
        frames = new TurretFrames(session, &window);
        window.setCentralWidget(frames);
        QObject::connect(frames, &TurretFrames::menusEnabledChanged,
                         [this](bool on) { menus.push_back(on ? "on" : "off"); });
        window.resize(900, 700);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <typename Widget>
    Widget* Find(const char* name) {
        return window.findChild<Widget*>(QString::fromLatin1(name));
    }
    // The frames the user sees, by name.
    std::string Shown() {
        std::string shown;
        for (const char* name : {"NameFrame", "ListFrame", "TurretFrame"}) {
            if (Find<QWidget>(name)->isVisible()) {
                shown += (shown.empty() ? "" : " ") + std::string(name);
            }
        }
        return shown;
    }
    std::vector<std::string> Rows() {
        auto* table = Find<QTableWidget>("TurretList");
        std::vector<std::string> rows;
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c) {
                cells << table->item(r, c)->text();
            }
            rows.push_back(cells.join('|').toStdString());
        }
        return rows;
    }
    // Runs `work` on the Tooling dialog once it is up, while `open` opens it.
    void WithDialog(const std::function<void(TrtTolDialog&)>& work,
                    const std::function<void()>& open) {
        int runs = 0;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<TrtTolDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            ++runs;
            work(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog is still up";
                dialog->reject();
            }
        });
        poll.start();
        open();
        EXPECT_EQ(runs, 1);
    }

    QMainWindow window;
    TurretFrames* frames = nullptr;
    std::vector<std::string> menus;
};

TEST_F(TurretFramesTest, CreateFillSaveAndEditATurret) {
    frames->TurretItem_Click(1);
    EXPECT_EQ(Shown(), "NameFrame");
    EXPECT_EQ(menus, Events{"off"});
    EXPECT_EQ(Find<QGroupBox>("NameFrame")->title(), "Create Turret");
    EXPECT_EQ(Find<QLabel>("Prompt")->text(), "Enter New\nTurret Name");
    auto* box = Find<QLineEdit>("NameBox");
    EXPECT_TRUE(box->hasFocus());
    QTest::keyClicks(box, "Front, Row");
    EXPECT_EQ(box->text(), "Front Row");
    EXPECT_EQ(ui.events, Events{"beep"});
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(Shown(), "TurretFrame");
    EXPECT_EQ(Find<QLabel>("TrtDsc")->text(), "Front Row");
    EXPECT_EQ(Rows(),
              (std::vector<std::string>{"T1|A Station|||", "T2|B Station|||", "T3|B Index|||",
                                        "T4|A Station|||", "T5|C Station|||"}));

    auto* table = Find<QTableWidget>("TurretList");
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(1, 2)).center());
    WithDialog(
        [](TrtTolDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Tooling");
            EXPECT_EQ(dialog.findChild<QLabel*>("Prompt4")->text(), "Angle\u00B0 :");
            dialog.findChild<QComboBox*>("ShapeList")->setCurrentIndex(1);
            dialog.findChild<QComboBox*>("SizeList")->setCurrentIndex(0);
            auto* angles = dialog.findChild<QComboBox*>("AngList");
            EXPECT_EQ(angles->count(), 2);
            angles->setCurrentIndex(1);
            auto* ok = dialog.findChild<QPushButton*>("InptOk");
            EXPECT_TRUE(ok->isDefault());
            ok->click();
        },
        [&] { Find<QPushButton>("Selectool")->click(); });
    WithDialog([](TrtTolDialog& dialog) { dialog.findChild<QPushButton*>("InptCncl")->click(); },
               [&] { emit table->cellDoubleClicked(2, 0); });
    EXPECT_EQ(Rows()[1], "T2|B Station|Square|10|45");
    EXPECT_EQ(Rows()[2], "T3|B Index|||");

    // Back from the dialog, the window is active again.
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(table->hasFocus());
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(menus, (Events{"off", "on"}));
    EXPECT_EQ(ReadTurret("lkp"), "Front Row, 1 \r\n******\r\n");
    EXPECT_EQ(ReadTurret("1"),
              "1,,,0,0,0,0,,1\r\n2,B,Square,10,10,0,0,45,2\r\n3,,,0,0,0,0,,3\r\n"
              "4,,,0,0,0,0,,1\r\n5,,,0,0,0,0,,4\r\n******\r\n");

    frames->TurretItem_Click(3);
    EXPECT_EQ(Shown(), "ListFrame");
    EXPECT_EQ(Find<QGroupBox>("ListFrame")->title(), "Edit Turret");
    auto* list = Find<QListWidget>("ListSngl");
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(list->currentItem()->text(), "Front Row");
    EXPECT_FALSE(Find<QWidget>("ListMult")->isVisible() || Find<QWidget>("MachBttn")->isVisible() ||
                 Find<QWidget>("CheckFrame")->isVisible());
    QTest::keyClick(list, Qt::Key_Enter);
    EXPECT_EQ(Shown(), "TurretFrame");
    EXPECT_EQ(Rows()[1], "T2|B Station|Square|10|45");
    QTest::keyClick(table, Qt::Key_Escape);
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(menus, (Events{"off", "on", "off", "on"}));
}

TEST_F(TurretFramesTest, DeleteChosenTurretsFromTheList) {
    WriteTurret("lkp", "Aft, 2\r\nFront, 1\r\n******\r\n");
    WriteTurret("1", ReadTurret("0"));
    WriteTurret("2", ReadTurret("0"));
    frames->TurretItem_Click(4);
    EXPECT_EQ(Find<QGroupBox>("ListFrame")->title(), "Delete Turret(s)");
    auto* list = Find<QListWidget>("ListMult");
    EXPECT_TRUE(list->isVisible() && list->hasFocus());
    EXPECT_FALSE(Find<QWidget>("ListSngl")->isVisible());
    EXPECT_FALSE(Find<QWidget>("PreviewBttn")->isVisible());
    for (int row : {0, 1}) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    ui.answers = {true};
    Find<QPushButton>("ListOk")->click();
    EXPECT_EQ(ui.events, (Events{"wait:on", "ask:Delete 2 Turrets ?",
                                 "message:2 Turrets Have Been Deleted !", "wait:off"}));
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(ReadTurret("lkp"), "******\r\n");

    ui.events.clear();
    frames->TurretItem_Click(2);
    EXPECT_EQ(ui.events, (Events{"beep", "message:No Saved Turrets !"}));
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(menus, (Events{"off", "on"}));
}

TEST_F(TurretFramesTest, PrintPrintsTheSheetOfTheChosenTurret) {
    WriteTurret("lkp", "Aft, 2\r\nFront, 1\r\n******\r\n");
    WriteTurret("1", ReadTurret("0"));
    WriteTurret("2",
                "1,B,Square,10,10,0,0,45,1\r\n2,,,0,0,0,0,,2\r\n3,,,0,0,0,0,,3\r\n"
                "4,,,0,0,0,0,,1\r\n5,,,0,0,0,0,,4\r\n******\r\n");
    frames->TurretItem_Click(5);
    EXPECT_EQ(Find<QGroupBox>("ListFrame")->title(), "Print Turret");
    EXPECT_EQ(Find<QListWidget>("ListSngl")->currentItem()->text(), "Aft");
    // Preview shows the chosen turret's sheet without printing it, and the list stays up.
    auto* preview = Find<QPushButton>("PreviewBttn");
    EXPECT_TRUE(preview->isVisible());
    int previewPages = 0;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        previewPages = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
        dialog->reject();
    });
    preview->click();
    EXPECT_EQ(previewPages, 1);
    EXPECT_TRUE(services.printer.ops.empty());
    EXPECT_EQ(Shown(), "ListFrame");
    Find<QPushButton>("ListOk")->click();
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(menus, (Events{"off", "on"}));
    const std::vector<std::string>& printed = services.printer.ops;
    ASSERT_EQ(printed.size(), 17u);  // the heading block, five stations, the end
    EXPECT_EQ(printed[5], "line:5|Aft");
    EXPECT_EQ(printed[11], "line:5|1; 16|Square; 37|10; 63|45");
    EXPECT_EQ(printed[12], "line:5|2; 16|; 37|; 63|");
    EXPECT_EQ(printed[16], "enddoc");
    EXPECT_TRUE(ui.events.empty());
}

// The Standard Turrets menu of the main window runs the commands with the menus off meanwhile.
TEST(TurretMenu, TheMainWindowsItemsRunTheTurretCommands) {
    test::FixtureInstallation fixture;
    fixture.Write("Data/Tools/Metric/Shop.lkp", "******\r\n");
    ToolLibrary window(fixture.session());
    ASSERT_EQ(window.Form_Load(), core::StartOutcome::Ready);
    window.show();
    QAction* file = window.findChild<QMenu*>(QStringLiteral("FileMenu"))->menuAction();
    window.findChild<QAction*>(QStringLiteral("TurretItem1"))->trigger();
    auto* nameFrame = window.findChild<QWidget*>(QStringLiteral("NameFrame"));
    EXPECT_TRUE(nameFrame->isVisible());
    EXPECT_FALSE(file->isEnabled());
    window.findChild<QPushButton*>(QStringLiteral("NameCncl"))->click();
    EXPECT_FALSE(nameFrame->isVisible());
    EXPECT_TRUE(file->isEnabled());

    window.findChild<QAction*>(QStringLiteral("TurretItem3"))->trigger();
    EXPECT_EQ(fixture.ui().events, (Events{"beep", "message:No Saved Turrets !"}));
    EXPECT_TRUE(file->isEnabled());
}

}  // namespace
}  // namespace tooling::ui
