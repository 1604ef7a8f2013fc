#include "ui/SetDeftDialog.h"

namespace tooling::ui {

SetDeftDialog::SetDeftDialog(core::Session& session, int kind, QWidget* parent)
    : CascadeDialog(
          session, "SetDeft",
          {{{"ShapeList", &turrets::SetDeft::shapeList, &turrets::SetDeft::ShapeList_Click},
            {"SizeList", &turrets::SetDeft::sizeList, &turrets::SetDeft::SizeList_Click},
            {"StnList", &turrets::SetDeft::stnList, nullptr}}},
          parent) {
    logic_.Form_Load(kind);
    ShowState();
}

void RunSetDeft(core::Session& session, int kind, QWidget* parent) {
    SetDeftDialog dialog(session, kind, parent);
    if (!dialog.logic().closed) {
        dialog.exec();
    }
}

}  // namespace tooling::ui
