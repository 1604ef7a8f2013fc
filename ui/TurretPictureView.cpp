#include "ui/TurretPictureView.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "core/Text.h"
#include "platform/qt/Cp1252.h"
#include "platform/qt/DrawingPainter.h"
#include "turrets/TurretEditor.h"

namespace tooling::ui {

namespace {

// A click this close to a station's circle still picks it.
constexpr double kReachPixels = 4;
constexpr int kSmallestSide = 200;
constexpr double kStepMm = 1;
constexpr double kBigStepMm = 10;

}  // namespace

TurretPictureView::TurretPictureView(turrets::TurretEditor& editor, Run run, QWidget* parent)
    : QWidget(parent), editor_(editor), run_(std::move(run)) {
    setObjectName(QStringLiteral("TurretPicture"));
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(kSmallestSide, kSmallestSide);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMouseTracking(false);
}

QSize TurretPictureView::sizeHint() const {
    return {2 * kSmallestSide, 2 * kSmallestSide};
}

void TurretPictureView::paintEvent(QPaintEvent*) {
    const platform::Drawing drawing = editor_.Picture();
    if (!dragging_) {
        place_ = platform::FitTransform(QRectF(rect()).adjusted(2, 2, -2, -2), drawing);
    }
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    platform::PaintDrawing(painter, place_, drawing, platform::ScreenInks(palette()));
}

platform::DrawingPoint TurretPictureView::PointAt(const QPointF& pixel) const {
    const QPointF mm = place_.inverted().map(pixel);
    return {mm.x(), mm.y()};
}

std::optional<std::size_t> TurretPictureView::RowUnder(const QPointF& pixel) const {
    const double scale = place_.m11();
    if (!(scale > 0)) {
        return std::nullopt;
    }
    return illustration::RowAt(editor_.PictureView(), PointAt(pixel), kReachPixels / scale);
}

void TurretPictureView::mousePressEvent(QMouseEvent* event) {
    const double scale = place_.m11();
    if (event->button() != Qt::LeftButton || !(scale > 0)) {
        return;
    }
    const platform::DrawingPoint at = PointAt(event->position());
    bool picked = false;
    run_([&] { picked = editor_.Picture_Click(at, kReachPixels / scale); });
    if (picked && editor_.picture.layoutMode) {
        const platform::DrawingPoint centre = illustration::StationCentre(
            editor_.PictureView(), static_cast<std::size_t>(editor_.selected));
        grip_ = {at.x - centre.x, at.y - centre.y};
        dragging_ = true;
    }
}

void TurretPictureView::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        const platform::DrawingPoint at = PointAt(event->position());
        MoveSelected({at.x - grip_.x, at.y - grip_.y});
    }
}

void TurretPictureView::mouseReleaseEvent(QMouseEvent*) {
    if (dragging_) {
        dragging_ = false;
        update();
    }
}

void TurretPictureView::MoveSelected(platform::DrawingPoint to) {
    if (editor_.selected < 0) {
        return;
    }
    const auto row = static_cast<std::size_t>(editor_.selected);
    run_([&] { editor_.picture.Station_Move(editor_.rows(), row, to); });
    update();
}

void TurretPictureView::keyPressEvent(QKeyEvent* event) {
    const double step = event->modifiers() & Qt::ShiftModifier ? kBigStepMm : kStepMm;
    platform::DrawingPoint by;
    switch (event->key()) {
        case Qt::Key_Left:
            by.x = -step;
            break;
        case Qt::Key_Right:
            by.x = step;
            break;
        case Qt::Key_Up:
            by.y = step;
            break;
        case Qt::Key_Down:
            by.y = -step;
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    if (!editor_.picture.layoutMode || editor_.selected < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const platform::DrawingPoint centre = illustration::StationCentre(
        editor_.PictureView(), static_cast<std::size_t>(editor_.selected));
    MoveSelected({centre.x + by.x, centre.y + by.y});
}

bool TurretPictureView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const std::optional<std::size_t> row = RowUnder(help->pos());
    if (!row) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    // The row as the lists show it: station, type, shape, size and angle.
    QStringList parts;
    for (const std::vector<std::string>& column : editor_.columns) {
        if (*row < column.size()) {
            const std::string text = core::Trim(column[*row]);
            if (!text.empty()) {
                parts << platform::FromCp1252(text);
            }
        }
    }
    if (*row < editor_.notInLibrary.size() && editor_.notInLibrary[*row]) {
        parts << platform::FromCp1252(turrets::TurretEditor::kNotInLibrary);
    }
    QToolTip::showText(help->globalPos(), parts.join(QStringLiteral(", ")), this);
    return true;
}

}  // namespace tooling::ui
