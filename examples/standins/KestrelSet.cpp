// Stand-in for the tool-settings program of the Kestrel TP-20, installed by scripts/run as
// KestrelSet.exe in the sample's program folder. It reads "Settings.cfg" from the folder it is
// started in, lets the user pick the tool's settings number and writes it back; Cancel leaves
// the file as it is. With KESTRELSET_PICK set to a number it shows no window and writes that
// number at once.
//
// Exit statuses: 0 done (or cancelled), 1 "Settings.cfg" cannot be read or written, 2 a bad
// KESTRELSET_PICK.

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QSpinBox>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>

#include "examples/standins/SettingsRequest.h"
#include "platform/qt/Cp1252.h"

namespace {

using tooling::examples::SettingsRequest;

constexpr const char* kSettingsFile = "Settings.cfg";

std::string ReadSettingsFile() {
    std::ifstream in(kSettingsFile, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in) {
        throw std::runtime_error("Settings.cfg cannot be read");
    }
    return bytes.str();
}

void WriteSettingsFile(const std::string& bytes) {
    std::ofstream out(kSettingsFile, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("Settings.cfg cannot be written");
    }
}

std::optional<std::int32_t> Pick(const char* text) {
    std::int32_t number = 0;
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, number);
    if (error != std::errc() || stop != end || number < 1 ||
        number > tooling::examples::kHighestSettingsNo) {
        return std::nullopt;
    }
    return number;
}

// The window: the tool's settings number in a spin box with Ok and Cancel, or, without a tool,
// only a note. Returns the number picked, or nothing.
std::optional<std::int32_t> AskNumber(const SettingsRequest& request) {
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("KestrelSet - Kestrel TP-20 Tool Settings"));
    auto* layout = new QFormLayout(&dialog);
    QSpinBox* spin = nullptr;
    auto* buttons = new QDialogButtonBox(&dialog);
    if (request.forTool) {
        layout->addRow(QStringLiteral("Material :"),
                       new QLabel(tooling::platform::FromCp1252(request.material), &dialog));
        spin = new QSpinBox(&dialog);
        spin->setRange(1, tooling::examples::kHighestSettingsNo);
        spin->setValue(request.number);
        layout->addRow(QStringLiteral("Settings Number :"), spin);
        buttons->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    } else {
        layout->addRow(new QLabel(
            QStringLiteral("No tool chosen: a tool's Settings button picks its number."), &dialog));
        buttons->setStandardButtons(QDialogButtonBox::Close);
    }
    layout->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted || !request.forTool) {
        return std::nullopt;
    }
    return spin->value();
}

}  // namespace

int main(int argc, char* argv[]) {
    const char* pickText = std::getenv("KESTRELSET_PICK");
    std::optional<std::int32_t> pick;
    if (pickText != nullptr) {
        pick = Pick(pickText);
        if (!pick) {
            std::cerr << "KestrelSet.exe: KESTRELSET_PICK must be a whole number from 1 to "
                      << tooling::examples::kHighestSettingsNo << "\n";
            return 2;
        }
    }

    try {
        const SettingsRequest request = tooling::examples::ReadSettingsRequest(ReadSettingsFile());
        if (!pick) {
            QApplication app(argc, argv);
            pick = AskNumber(request);
        }
        if (pick && request.forTool) {
            WriteSettingsFile(tooling::examples::SettingsAnswer(request, *pick));
        }
    } catch (const std::runtime_error& error) {
        std::cerr << "KestrelSet.exe: " << error.what() << "\n";
        if (pickText == nullptr) {
            QApplication app(argc, argv);
            QMessageBox::warning(nullptr, QStringLiteral("KestrelSet"),
                                 QString::fromLocal8Bit(error.what()));
        }
        return 1;
    }
    return 0;
}
