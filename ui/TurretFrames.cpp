#include "ui/TurretFrames.h"

#include <QVBoxLayout>

#include "core/Text.h"
#include "output/TurretPrint.h"
#include "platform/qt/Cp1252.h"
#include "ui/PrintChoice.h"
#include "ui/TurretEditorPanel.h"
#include "ui/TurretListFrame.h"
#include "ui/TurretNameFrame.h"

namespace tooling::ui {

TurretFrames::TurretFrames(core::Session& session, QWidget* parent)
    : QWidget(parent), commands_(session) {
    setObjectName(QStringLiteral("TurretFrames"));
    const auto sheet = [this, &session](std::int16_t number, std::string name) -> PageBuilder {
        return [&session, number, name,
                withIllustration = commands_.withIllustration](platform::TextPage& page) {
            output::PrintTurret(session, number, name, page, withIllustration);
        };
    };
    commands_.printTurret = [this, &session, sheet](std::int16_t number, const std::string& name) {
        PrintPages(this, session, platform::FromCp1252(core::Trim(name)), sheet(number, name));
    };
    commands_.previewTurret = [this, sheet](std::int16_t number, const std::string& name) {
        PreviewPages(this, QStringLiteral("Print Preview"), sheet(number, name));
    };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    nameFrame_ = new TurretNameFrame(commands_, this);
    listFrame_ = new TurretListFrame(commands_, this);
    editorPanel_ = new TurretEditorPanel(session, commands_.editor, this);
    for (QWidget* frame : std::initializer_list<QWidget*>{nameFrame_, listFrame_, editorPanel_}) {
        layout->addWidget(frame, 0, Qt::AlignLeft);
    }
    layout->addStretch(1);
    connect(nameFrame_, &TurretNameFrame::changed, this, &TurretFrames::ShowState);
    connect(listFrame_, &TurretListFrame::changed, this, &TurretFrames::ShowState);
    connect(editorPanel_, &TurretEditorPanel::changed, this, &TurretFrames::ShowState);
}

void TurretFrames::TurretItem_Click(int index) {
    commands_.TurretItem_Click(index);
    ShowState();
}

void TurretFrames::ShowState() {
    nameFrame_->ShowState();
    listFrame_->ShowState();
    editorPanel_->ShowState();
    switch (commands_.focus) {
        case turrets::TurretFocus::NameBox:
            nameFrame_->FocusBox();
            break;
        case turrets::TurretFocus::ListSngl:
        case turrets::TurretFocus::ListMult:
            listFrame_->FocusList();
            break;
        case turrets::TurretFocus::TurretList:
            editorPanel_->FocusList();
            break;
        case turrets::TurretFocus::None:
            break;
    }
    if (commands_.menusEnabled != menusEnabled_) {
        menusEnabled_ = commands_.menusEnabled;
        emit menusEnabledChanged(menusEnabled_);
    }
}

}  // namespace tooling::ui
