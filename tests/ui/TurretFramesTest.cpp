#include "ui/TurretFrames.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "tests/turrets/TurretFixture.h"
#include "tests/ui/Screen.h"
#include "ui/TrtTolDialog.h"

namespace tooling::ui {
namespace {

class TurretFramesTest : public ::testing::Test, public test::TurretFixture {
  protected:
    void SetUp() override {
        WriteTools('B', {Tool('B', "Square", {10, 10, 0, 0}, {{2, 11}, {3, 20}}, {0, 45})});
        frames = new TurretFrames(session, &window);
        window.setCentralWidget(frames);
        QObject::connect(frames, &TurretFrames::menusEnabledChanged,
                         [this](bool on) { seen << (on ? "menus on" : "menus off"); });
        window.resize(900, 700);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    template <typename Widget>
    Widget* Find(const char* name) {
        return test::Find<Widget>(window, name);
    }
    // The frames the user sees, each as it shows, and the control with the focus.
    std::string Shown() const { return test::Shown(window); }

    QMainWindow window;
    TurretFrames* frames = nullptr;
    test::Transcript seen{dir.path()};
};

TEST_F(TurretFramesTest, CreateFillSaveAndEditATurret) {
    frames->TurretItem_Click(1);
    seen << Shown();
    QTest::keyClicks(Find<QLineEdit>("NameBox"), "Front, Row");
    seen << ui.events;
    QTest::keyClick(Find<QLineEdit>("NameBox"), Qt::Key_Return);
    seen << Shown();

    auto* table = Find<QTableWidget>("TurretList");
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(1, 2)).center());
    test::WithModal(
        [&](QWidget& dialog) {
            seen << test::Shown(dialog);
            test::Find<QComboBox>(dialog, "ShapeList")->setCurrentIndex(1);
            test::Find<QComboBox>(dialog, "SizeList")->setCurrentIndex(0);
            test::Find<QComboBox>(dialog, "AngList")->setCurrentIndex(1);
            seen << test::Shown(dialog);
            EXPECT_TRUE(test::Find<QPushButton>(dialog, "InptOk")->isDefault());
            test::Find<QPushButton>(dialog, "InptOk")->click();
        },
        [&] { Find<QPushButton>("Selectool")->click(); });
    test::WithModal([](QWidget& dialog) { test::Find<QPushButton>(dialog, "InptCncl")->click(); },
                    [&] { emit table->cellDoubleClicked(2, 0); });

    // Back from the dialog, the window is active again.
    QApplication::setActiveWindow(&window);
    seen << Shown();
    QTest::keyClick(table, Qt::Key_Return);
    seen << Shown() << ReadTurret("lkp") << ReadTurret("1");

    frames->TurretItem_Click(3);
    seen << Shown();
    QTest::keyClick(Find<QListWidget>("ListSngl"), Qt::Key_Enter);
    seen << Shown();
    QTest::keyClick(table, Qt::Key_Escape);
    seen << Shown();
}

TEST_F(TurretFramesTest, PrintAndPreviewTheChosenTurretThenDeleteBoth) {
    WriteTurret("lkp", "Aft, 2\r\nFront, 1\r\n******\r\n");
    WriteTurret("1", ReadTurret("0"));
    WriteTurret("2",
                "1,B,Square,10,10,0,0,45,1\r\n2,,,0,0,0,0,,2\r\n3,,,0,0,0,0,,3\r\n"
                "4,,,0,0,0,0,,1\r\n5,,,0,0,0,0,,4\r\n******\r\n");
    frames->TurretItem_Click(5);
    seen << Shown();
    // Preview shows the chosen turret's sheet without printing it, and the list stays up.
    test::WithModal(
        [&](QWidget& preview) {
            seen << "preview pages: " +
                        std::to_string(preview.findChild<QPrintPreviewWidget*>()->pageCount());
        },
        [&] { Find<QPushButton>("PreviewBttn")->click(); });
    EXPECT_TRUE(services.printer.ops.empty());
    seen << Shown();
    Find<QPushButton>("ListOk")->click();
    seen << Shown() << services.printer.ops << ui.events;

    frames->TurretItem_Click(4);
    seen << Shown();
    auto* list = Find<QListWidget>("ListMult");
    test::ClickRow(*list, 0);
    test::ClickRow(*list, 1);
    ui.answers = {true};
    Find<QPushButton>("ListOk")->click();
    seen << ui.events << Shown() << ReadTurret("lkp");
}

}  // namespace
}  // namespace tooling::ui
