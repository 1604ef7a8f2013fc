#include "ui/StartFolderChoice.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <filesystem>

#include "core/ProgramFolder.h"
#include "tests/support/NativeFileSystem.h"
#include "tests/support/TempDir.h"

namespace tooling::ui {
namespace {

// Each test starts in an empty folder, with the user's settings in a folder of its own.
class StartFolderChoiceTest : public testing::Test {
  protected:
    StartFolderChoiceTest() : startedIn_(std::filesystem::current_path()) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(settings_.path()));
        std::filesystem::create_directory(root_.path() + "start");
        std::filesystem::current_path(root_.path() + "start");
        // As the system names it, links resolved.
        start_ = std::filesystem::current_path().string() + "/";
    }
    ~StartFolderChoiceTest() override { std::filesystem::current_path(startedIn_); }

    std::string Folder(const std::string& name, bool holdsConfig) const {
        test::WriteFile(root_.path() + name + (holdsConfig ? "/Ostrevan.cfg" : "/Machine.lst"),
                        "******\r\n");
        return root_.path() + name + "/";
    }
    QString Remembered() const {
        return QSettings().value(QLatin1String(kRememberedFolderKey)).toString();
    }

    test::TempDir settings_;
    test::TempDir root_;
    std::filesystem::path startedIn_;
    std::string start_;
    const platform::NativeFileSystem fs_ = test::UnflushedFileSystem();
};

// The message box shows the message with "Choose Folder..." and the toolkit's own Cancel, in
// the desktop's language; Cancel starts nothing and remembers nothing. Then the user chooses a
// folder without the file and then one with it, which the next start takes, unless given an
// option.
TEST_F(StartFolderChoiceTest, AsksUntilTheChosenFolderHoldsTheFileAndRemembersIt) {
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->windowTitle() + "|" + box->text();
        for (QAbstractButton* button : box->buttons()) {
            shown += "|" + (button == box->button(QMessageBox::Cancel) ? "Cancel" : button->text());
        }
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(ChooseStartFolder("", fs_), std::nullopt);
    EXPECT_EQ(shown.toStdString(),
              "Ostrevan|" + core::NoSuiteConfigMessage({start_}) + "|Choose Folder...|Cancel");
    EXPECT_EQ(Remembered(), QString());

    const std::string empty = Folder("Empty", false);
    const std::string program = Folder("Program", true);
    std::vector<QString> asked;
    const auto ask = [&](const QString& message) {
        asked.push_back(message);
        return QString::fromStdString(asked.size() == 1 ? empty.substr(0, empty.size() - 1)
                                                        : program);
    };
    EXPECT_EQ(ChooseStartFolder("", fs_, ask), program);
    const std::string other = Folder("Other", true);
    EXPECT_EQ(ChooseStartFolder(other, fs_, ask), other);
    EXPECT_EQ(ChooseStartFolder("", fs_, ask), program);
    EXPECT_EQ(asked, (std::vector<QString>{
                         QString::fromStdString(core::NoSuiteConfigMessage({start_})),
                         QString::fromStdString(core::NoSuiteConfigMessage({start_, empty}))}));
    EXPECT_EQ(Remembered(), QString::fromStdString(program));
}

}  // namespace
}  // namespace tooling::ui
