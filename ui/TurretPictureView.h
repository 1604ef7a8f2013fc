#pragma once

#include <QTransform>
#include <QWidget>
#include <functional>
#include <optional>

#include "platform/Drawing.h"

namespace tooling::turrets {
class TurretEditor;
}

namespace tooling::ui {

// The picture of the open turret beside the turret editor's lists (TurretPicture). A click on a
// station selects its row; in layout mode a station is dragged to where it stands in the
// machine, or moved with the arrow keys (a millimetre a press, ten with Shift). Hands each action
// to the editor through `run`, which shows the state again afterwards.
class TurretPictureView : public QWidget {
    Q_OBJECT

  public:
    using Run = std::function<void(const std::function<void()>& event)>;

    TurretPictureView(turrets::TurretEditor& editor, Run run, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // How the picture was last painted: millimetres to the widget's pixels.
    const QTransform& placement() const { return place_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

  private:
    // The millimetres of the picture under a pixel of the widget.
    platform::DrawingPoint PointAt(const QPointF& pixel) const;
    // The row of the station under a pixel, if any.
    std::optional<std::size_t> RowUnder(const QPointF& pixel) const;
    void MoveSelected(platform::DrawingPoint to);

    turrets::TurretEditor& editor_;
    Run run_;
    // How the last picture was placed; kept while a station is dragged, so the picture does not
    // shift under the pointer as the turret grows.
    QTransform place_;
    bool dragging_ = false;
    platform::DrawingPoint grip_;  // from the dragged station's centre to the pointer
};

}  // namespace tooling::ui
