#include "ui/StartFolderChoice.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include "core/ProgramFolder.h"
#include "platform/StartFolder.h"
#include "platform/qt/Cp1252.h"

namespace tooling::ui {

namespace {

// Paths as the file system takes them: Windows-1252 bytes there, the system's own bytes here.
std::string PathBytes(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
#ifdef _WIN32
    return platform::ToCp1252(native);
#else
    return QFile::encodeName(native).toStdString();
#endif
}

QString PathText(const std::string& path) {
#ifdef _WIN32
    return platform::FromCp1252(path);
#else
    return QFile::decodeName(QByteArray::fromStdString(path));
#endif
}

}  // namespace

QString AskForProgramFolder(const QString& message) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Ostrevan"), message);
    QPushButton* choose =
        box.addButton(QStringLiteral("Choose Folder..."), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(choose);
    box.exec();
    if (box.clickedButton() != choose) {
        return {};
    }
    return QFileDialog::getExistingDirectory(
        nullptr, QStringLiteral("Choose the folder that holds Ostrevan.cfg"), QDir::homePath());
}

std::optional<std::string> ChooseStartFolder(const std::string& option,
                                             const platform::FileSystem& fs,
                                             const FolderQuestion& ask) {
    QSettings settings;
    const core::ProgramFolderPlaces places{
        option, platform::StartFolder(),
        PathBytes(settings.value(QLatin1String(kRememberedFolderKey)).toString())};
    core::ProgramFolderSearch search = core::FindProgramFolder(places, fs);
    while (search.found.empty()) {
        const QString chosen = ask(PathText(core::NoSuiteConfigMessage(search.looked)));
        if (chosen.isEmpty()) {
            return std::nullopt;
        }
        if (core::LookIn(search, PathBytes(chosen), fs)) {
            settings.setValue(QLatin1String(kRememberedFolderKey), PathText(search.found));
        }
    }
    return search.found;
}

}  // namespace tooling::ui
