#include "ui/StartFolderChoice.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <filesystem>

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

TEST_F(StartFolderChoiceTest, AsksUntilTheChosenFolderHoldsTheFileAndRemembersIt) {
    const std::string empty = Folder("Empty", false);
    const std::string program = Folder("Program", true);
    std::vector<QString> messages;
    const std::vector<std::string> answers = {empty.substr(0, empty.size() - 1), program};
    const auto ask = [&](const QString& message) {
        messages.push_back(message);
        return QString::fromStdString(answers.at(messages.size() - 1));
    };

    EXPECT_EQ(ChooseStartFolder("", fs_, ask), program);
    const QString advice = QStringLiteral(
        "\nChoose the program folder of the Ostrevan installation, the folder that holds "
        "Ostrevan.cfg. The Tool Library remembers it for the next start.");
    const QString start = QString::fromStdString("    " + start_ + "\n");
    EXPECT_EQ(messages,
              (std::vector<QString>{"No Ostrevan.cfg was found in:\n" + start + advice,
                                    "No Ostrevan.cfg was found in:\n" + start +
                                        QString::fromStdString("    " + empty + "\n") + advice}));
    EXPECT_EQ(Remembered(), QString::fromStdString(program));

    // The next start finds it without asking; an option still comes first.
    const auto mustNotAsk = [](const QString& message) {
        ADD_FAILURE() << message.toStdString();
        return QString();
    };
    EXPECT_EQ(ChooseStartFolder("", fs_, mustNotAsk), program);
    const std::string other = Folder("Other", true);
    EXPECT_EQ(ChooseStartFolder(other, fs_, mustNotAsk), other);
    EXPECT_EQ(Remembered(), QString::fromStdString(program));
}

TEST_F(StartFolderChoiceTest, CancelledMessageStartsNothingAndRemembersNothing) {
    QString title;
    QString text;
    QStringList buttons;
    bool cancelButton = false;
    // The message box is modal: look at it once it shows, then press Cancel.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        poll.stop();
        title = box->windowTitle();
        text = box->text();
        for (QAbstractButton* button : box->buttons()) {
            buttons.push_back(button->text());
        }
        QAbstractButton* cancel = box->button(QMessageBox::Cancel);
        cancelButton = cancel != nullptr;
        if (cancel != nullptr) {
            cancel->click();
        } else {
            box->reject();
        }
    });
    poll.start(10);

    EXPECT_EQ(ChooseStartFolder("", fs_), std::nullopt);
    EXPECT_EQ(title, QStringLiteral("Ostrevan"));
    EXPECT_EQ(text, QString::fromStdString("No Ostrevan.cfg was found in:\n    " + start_ +
                                           "\n\nChoose the program folder of the Ostrevan "
                                           "installation, the folder that holds Ostrevan.cfg. "
                                           "The Tool Library remembers it for the next start."));
    // The other button is the toolkit's own Cancel, in the desktop's language.
    EXPECT_EQ(buttons.size(), 2);
    EXPECT_TRUE(buttons.contains(QStringLiteral("Choose Folder...")));
    EXPECT_TRUE(cancelButton);
    EXPECT_EQ(Remembered(), QString());
}

}  // namespace
}  // namespace tooling::ui
