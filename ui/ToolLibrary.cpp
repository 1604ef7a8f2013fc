#include "ui/ToolLibrary.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/Session.h"
#include "core/Version.h"
#include "library/DefaultTools.h"
#include "library/LibrarySetUp.h"
#include "platform/qt/Cp1252.h"
#include "tools/ShapeChoice.h"
#include "tools/StatusTexts.h"
#include "tools/ToolSettings.h"
#include "tools/ToolShapes.h"
#include "ui/ExternalFormDialog.h"
#include "ui/LibraryFormDialog.h"
#include "ui/PrintChoice.h"
#include "ui/SetDeftDialog.h"
#include "ui/StatusLine.h"
#include "ui/ToolDialogForm.h"
#include "ui/ToolListPanel.h"
#include "ui/TurretFrames.h"

namespace tooling::ui {

namespace {

// A control array of menu items, named `name` followed by the index, counted from 1.
template <std::size_t N>
std::array<QAction*, N> AddItems(QObject* owner, QMenu* menu, const QString& name,
                                 const std::array<QString, N>& captions) {
    std::array<QAction*, N> items{};
    for (std::size_t i = 0; i < N; ++i) {
        items[i] = new QAction(captions[i], owner);
        items[i]->setObjectName(name + QString::number(i + 1));
        menu->addAction(items[i]);
    }
    return items;
}

}  // namespace

ToolLibrary::ToolLibrary(core::Session& session, QWidget* parent)
    : QMainWindow(parent), session_(session), toolListLogic_(session) {
    setObjectName(QStringLiteral("ToolLibrary"));
    setWindowTitle(QStringLiteral("Tool Library"));
    BuildMenus();
    BuildClientArea();
    resize(800, 560);
}

QAction* ToolLibrary::AddItem(QMenu* menu, const QString& name, const QString& caption) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    if (menu != nullptr) {
        menu->addAction(action);
    } else {
        menuBar()->addAction(action);
    }
    return action;
}

void ToolLibrary::AddSeparator(QMenu* menu, const QString& name) {
    menu->addSeparator()->setObjectName(name);
}

void ToolLibrary::BuildMenus() {
    // Entries whose commands are not part of the program yet stay disabled; MenusOn leaves them
    // so.
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_->setObjectName(QStringLiteral("FileMenu"));
    libraryItem_ = AddItems<3>(
        this, fileMenu_, QStringLiteral("LibraryItem"),
        {QStringLiteral("Select Tool &Library"), QStringLiteral("Create New Tool Library"),
         QStringLiteral("Delete Tool Libray")});
    for (int i = 0; i < 3; ++i) {
        connect(libraryItem_[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { LibraryItem_Click(i + 1); });
    }
    AddSeparator(fileMenu_, QStringLiteral("sep11"));

    QMenu* defToolMenu = fileMenu_->addMenu(QStringLiteral("Default Tools"));
    defToolMenu->setObjectName(QStringLiteral("DefToolMenu"));
    defaultTool_ =
        AddItems<4>(this, defToolMenu, QStringLiteral("DefaultTool"),
                    {QStringLiteral("X Shearing Tool"), QStringLiteral("Y Shearing Tool"),
                     QStringLiteral("Clearing Tool"), QStringLiteral("Nibbling Tool")});
    for (int i = 0; i < 4; ++i) {
        QAction* item = defaultTool_[static_cast<std::size_t>(i)];
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { DefaultTool_Click(i + 1); });
    }
    AddSeparator(fileMenu_, QStringLiteral("sep12"));

    QMenu* turretMenu = fileMenu_->addMenu(QStringLiteral("Standard Turrets"));
    turretMenu->setObjectName(QStringLiteral("TurretMenu"));
    const std::array<QAction*, 5> turretItems =
        AddItems<5>(this, turretMenu, QStringLiteral("TurretItem"),
                    {QStringLiteral("Create Turret"), QStringLiteral("Duplicate Turret"),
                     QStringLiteral("Edit Turret"), QStringLiteral("Delete Turret"),
                     QStringLiteral("Print Turret")});
    for (int i = 0; i < 5; ++i) {
        connect(turretItems[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { Turrets().TurretItem_Click(i + 1); });
    }
    AddSeparator(fileMenu_, QStringLiteral("sep13"));
    connect(AddItem(fileMenu_, QStringLiteral("PrintToolsItem"), QStringLiteral("Print Tool List")),
            &QAction::triggered, this, &ToolLibrary::PrintToolsItem_Click);
    connect(AddItem(fileMenu_, QStringLiteral("PrintPreviewItem"), QStringLiteral("Print Preview")),
            &QAction::triggered, this, &ToolLibrary::PrintPreviewItem_Click);
    AddSeparator(fileMenu_, QStringLiteral("sep14"));
    connect(
        AddItem(fileMenu_, QStringLiteral("ExportItem"), QStringLiteral("Export Special Tools")),
        &QAction::triggered, this, &ToolLibrary::ExportItem_Click);
    AddSeparator(fileMenu_, QStringLiteral("sep15"));
    exitLibrary_ = AddItem(fileMenu_, QStringLiteral("ExitLibrary"), QStringLiteral("E&xit"));
    connect(exitLibrary_, &QAction::triggered, this, &ToolLibrary::ExitLibrary_Click);

    toolShapeMenu_ = menuBar()->addMenu(QStringLiteral("Tool &Shape"));
    toolShapeMenu_->setObjectName(QStringLiteral("ToolShapeMenu"));
    for (int i = 0; i < tools::kShapeCount; ++i) {
        QAction* item =
            AddItem(toolShapeMenu_, QStringLiteral("ToolShape%1").arg(i + 1),
                    platform::FromCp1252(tools::kShapes[static_cast<std::size_t>(i)].caption));
        item->setCheckable(true);
        item->setChecked(i == 0);
        connect(item, &QAction::triggered, this, [this, i] { ToolShape_Click(i + 1); });
        toolShape_[static_cast<std::size_t>(i)] = item;
    }

    addTool_ = AddItem(nullptr, QStringLiteral("AddTool"), QStringLiteral("&Add Tool"));
    connect(addTool_, &QAction::triggered, this, &ToolLibrary::AddTool_Click);
    editTool_ = AddItem(nullptr, QStringLiteral("EditTool"), QStringLiteral("Edit Tool"));
    connect(editTool_, &QAction::triggered, this, &ToolLibrary::EditTool_Click);
    deleteTool_ = AddItem(nullptr, QStringLiteral("DeleteTool"), QStringLiteral("Delete Tool"));
    connect(deleteTool_, &QAction::triggered, this, &ToolLibrary::DeleteTool_Click);

    measureMenu_ = menuBar()->addMenu(QStringLiteral("Measurement"));
    measureMenu_->setObjectName(QStringLiteral("MeasureMenu"));
    measurement_ = AddItems<2>(this, measureMenu_, QStringLiteral("Measurement"),
                               {QStringLiteral("Metric (mm)"), QStringLiteral("Imperial ( \" )")});
    for (int i = 0; i < 2; ++i) {
        QAction* item = measurement_[static_cast<std::size_t>(i)];
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { Measurement_Click(i + 1); });
    }

    toolSettings_ =
        AddItem(nullptr, QStringLiteral("ToolSettings"), QStringLiteral("Tool Settings"));
    connect(toolSettings_, &QAction::triggered, this, &ToolLibrary::ToolSettings_Click);

    helpMenu_ = menuBar()->addMenu(QStringLiteral("&Help"));
    helpMenu_->setObjectName(QStringLiteral("HelpMenu"));
    connect(AddItem(helpMenu_, QStringLiteral("AboutItem"), QStringLiteral("About Tool Library")),
            &QAction::triggered, this, &ToolLibrary::AboutItem_Click);
    SetMenusEnabled(true);

    // F10 opens the first menu that can be used, as on the common desktops; the arrow keys then
    // move along the menu bar. The access keys open their menus directly.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        for (QAction* entry : menuBar()->actions()) {
            if (entry->menu() != nullptr && entry->isEnabled() && entry->isVisible()) {
                menuBar()->setActiveAction(entry);
                return;
            }
        }
    });
}

void ToolLibrary::BuildClientArea() {
    auto* client = new QWidget(this);
    clientLayout_ = new QVBoxLayout(client);
    clientLayout_->setContentsMargins(0, 0, 0, 0);
    clientLayout_->setSpacing(0);

    auto* menuLine = new QFrame(client);
    menuLine->setObjectName(QStringLiteral("MenuLine"));
    menuLine->setFrameShape(QFrame::HLine);
    menuLine->setFrameShadow(QFrame::Sunken);
    clientLayout_->addWidget(menuLine);
    // The frames of the tool list and of the Standard Turrets commands come in here.
    clientLayout_->addStretch(1);

    statusBar_ = new StatusLine(client);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    clientLayout_->addWidget(statusBar_);
    setCentralWidget(client);
}

ToolListPanel& ToolLibrary::ToolList() {
    if (toolList_ == nullptr) {
        toolList_ = new ToolListPanel(session_, toolListLogic_, centralWidget());
        connect(toolList_, &ToolListPanel::closed, this, &ToolLibrary::ToolListClosed);
        clientLayout_->insertWidget(1, toolList_);
    }
    return *toolList_;
}

TurretFrames& ToolLibrary::Turrets() {
    if (turretFrames_ == nullptr) {
        turretFrames_ = new TurretFrames(session_, centralWidget());
        connect(turretFrames_, &TurretFrames::menusEnabledChanged, this,
                [this](bool on) { on ? MenusOn() : MenusOff(); });
        // Above the stretch and the status line.
        clientLayout_->insertWidget(clientLayout_->count() - 2, turretFrames_);
        turretFrames_->show();
    }
    return *turretFrames_;
}

void ToolLibrary::ShowToolList() {
    if (toolList_ != nullptr || toolListLogic_.visible) {
        ToolList().ShowState();
    }
}

core::StartOutcome ToolLibrary::Form_Load() {
    const core::StartOutcome outcome = library::StartSession(session_);
    if (outcome == core::StartOutcome::Ready) {
        SetUpWindow();
    }
    return outcome;
}

void ToolLibrary::SetUpWindow() {
    tools::ResetToolCommands(session_);
    ClearStnLidx();
    tools::SetStartShape(session_);
    toolShapeMenu_->menuAction()->setEnabled(!session_.machine.RouterMachine);
    toolListLogic_.ShowShapeHeader();
    ShowToolList();
    toolSettings_->setVisible(session_.machine.ToolSettingsOn);
    ShowMeasurementMarks();
    ShowDefaultToolMarks();
    ToolStatus();
}

void ToolLibrary::ToolStatus() {
    for (QAction* item : toolShape_) {
        item->setChecked(false);
    }
    toolShape_[static_cast<std::size_t>(tools::CheckedShapeItem(session_) - 1)]->setChecked(true);
    const tools::StatusTexts texts = tools::MakeStatusTexts(session_);
    statusBar_->SetTexts(platform::FromCp1252(texts.left), platform::FromCp1252(texts.middle),
                         platform::FromCp1252(texts.right));
}

void ToolLibrary::ClearStnLidx() {
    tools::ClearStnLidx(session_);
}

void ToolLibrary::MenusOff() {
    SetMenusEnabled(false);
}

void ToolLibrary::MenusOn() {
    SetMenusEnabled(true);
}

void ToolLibrary::SetMenusEnabled(bool on) {
    fileMenu_->menuAction()->setEnabled(on);
    toolShapeMenu_->menuAction()->setEnabled(on && !session_.machine.RouterMachine);
    measureMenu_->menuAction()->setEnabled(on);
    helpMenu_->menuAction()->setEnabled(on);
    exitLibrary_->setEnabled(on);
    for (QAction* command : {addTool_, editTool_, deleteTool_, toolSettings_}) {
        command->setEnabled(on);
    }
}

void ToolLibrary::AboutItem_Click() {
    MenusOff();
    QMessageBox::about(this, QStringLiteral("About Tool Library"),
                       QStringLiteral("Ostrevan Tool Library\nVersion %1\n\n"
                                      "The punch tools of a CNC turret punch press in tool "
                                      "libraries, with standard turrets, default tools, tool "
                                      "lists and turret sheets. One program of the Ostrevan "
                                      "suite.")
                           .arg(QString::fromUtf8(core::kVersion)));
    MenusOn();
}

void ToolLibrary::LibraryItem_Click(int index) {
    if (index < 1 || index > 3) {
        return;
    }
    MenusOff();
    session_.cmd.LibraryMode = static_cast<std::int16_t>(index);
    ShowLibraryForm(session_, this);
    ToolStatus();
    // Another library brings its own default tools.
    ShowDefaultToolMarks();
    MenusOn();
}

void ToolLibrary::DefaultTool_Click(int index) {
    if (index < 1 || index > 4) {
        return;
    }
    MenusOff();
    RunSetDeft(session_, index, this);
    ShowDefaultToolMarks();
    MenusOn();
}

void ToolLibrary::ExportItem_Click() {
    MenusOff();
    RunExternalForm(session_, this);
    MenusOn();
}

void ToolLibrary::ToolShape_Click(int index) {
    if (tools::ChooseShape(session_, index)) {
        toolListLogic_.ShowShapeHeader();
        ShowToolList();
    }
    ToolStatus();
}

void ToolLibrary::AddTool_Click() {
    MenusOff();
    switch (toolListLogic_.AddTool_Click()) {
        case tools::AddStart::PickList:
            // Ok or Cancel of the pick list carries the command on.
            ToolList().ShowState();
            ToolList().FocusList();
            return;
        case tools::AddStart::ToolDialogs:
            // Cancel ends the loop; so does a dialog that could not open.
            while (session_.cmd.AddAgain && ShowToolDialog(session_, this) == QDialog::Accepted) {
                ShowDefaultToolMarks();
            }
            break;
        case tools::AddStart::Nothing:
            break;
    }
    EndToolCommand();
}

void ToolLibrary::EditTool_Click() {
    ListTools(&tools::ToolListPanel::EditTool_Click);
}

void ToolLibrary::DeleteTool_Click() {
    ListTools(&tools::ToolListPanel::DeleteTool_Click);
}

void ToolLibrary::ListTools(bool (tools::ToolListPanel::*command)()) {
    MenusOff();
    const bool listed = (toolListLogic_.*command)();
    ShowToolList();
    if (listed) {
        ToolList().FocusList();
    } else {
        EndToolCommand();
    }
}

void ToolLibrary::ToolListClosed(tools::PanelAction action) {
    if (action == tools::PanelAction::OpenToolDialog) {
        ShowToolDialog(session_, this);
    }
    EndToolCommand();
}

void ToolLibrary::EndToolCommand() {
    toolListLogic_.EndCommand();
    ShowDefaultToolMarks();
    MenusOn();
    ToolStatus();
}

void ToolLibrary::ToolSettings_Click() {
    MenusOff();
    tools::RunMainToolSettings(session_);
    MenusOn();
    ToolStatus();
}

void ToolLibrary::Measurement_Click(int index) {
    if (index != 1 && index != 2) {
        return;
    }
    session_.machine.ImperialDisplay = index == 2;
    ShowMeasurementMarks();
    ToolStatus();
}

void ToolLibrary::PrintToolsItem_Click() {
    PrintPages(this, session_, kToolListPdfName, ToolListPages(session_));
}

void ToolLibrary::PrintPreviewItem_Click() {
    PreviewPages(this, QStringLiteral("Print Preview"), ToolListPages(session_));
}

void ToolLibrary::ExitLibrary_Click() {
    close();
}

void ToolLibrary::closeEvent(QCloseEvent* event) {
    // Every command has written its files when it completed: nothing to save, nothing to ask.
    event->accept();
    QCoreApplication::exit(0);
}

QString ToolLibrary::listHeader() const {
    return platform::FromCp1252(toolListLogic_.header);
}

void ToolLibrary::ShowMeasurementMarks() {
    measurement_[0]->setChecked(!session_.machine.ImperialDisplay);
    measurement_[1]->setChecked(session_.machine.ImperialDisplay);
}

void ToolLibrary::ShowDefaultToolMarks() {
    for (int k = 1; k <= 4; ++k) {
        defaultTool_[static_cast<std::size_t>(k - 1)]->setChecked(
            library::DefaultDefined(session_, k));
    }
}

}  // namespace tooling::ui
