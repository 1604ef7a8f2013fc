#include "ui/TrtTolDialog.h"

namespace tooling::ui {

TrtTolDialog::TrtTolDialog(core::Session& session, std::int16_t stationType, QWidget* parent)
    : CascadeDialog(session, "TrtTol",
                    {{{"ShapeList", &turrets::TrtTol::shapeList, &turrets::TrtTol::ShapeList_Click},
                      {"SizeList", &turrets::TrtTol::sizeList, &turrets::TrtTol::SizeList_Click},
                      {"StnList", &turrets::TrtTol::stnList, &turrets::TrtTol::StnList_Click},
                      {"AngList", &turrets::TrtTol::angList, nullptr}}},
                    parent) {
    logic_.Form_Load(stationType);
    ShowState();
}

turrets::PickedTool RunTrtTol(core::Session& session, std::int16_t stationType, QWidget* parent) {
    TrtTolDialog dialog(session, stationType, parent);
    dialog.exec();
    return dialog.logic().picked;
}

}  // namespace tooling::ui
