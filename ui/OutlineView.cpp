#include "ui/OutlineView.h"

#include <QPainter>

#include "ui/OutlinePainting.h"

namespace tooling::ui {

namespace {

constexpr int kSide = 170;
constexpr int kSmallest = 110;
constexpr int kMargin = 8;
constexpr double kCross = 4;

}  // namespace

OutlineView::OutlineView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void OutlineView::Show(std::optional<tools::ToolOutline> outline, const QString& caption,
                       const QString& note) {
    outline_ = std::move(outline);
    caption_ = caption;
    note_ = note;
    update();
}

QSize OutlineView::sizeHint() const {
    return {kSide, kSide};
}

QSize OutlineView::minimumSizeHint() const {
    return {kSmallest, kSmallest};
}

void OutlineView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const int line = fontMetrics().height();
    QRectF area = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    painter.setPen(palette().color(QPalette::WindowText));
    if (!caption_.isEmpty()) {
        painter.drawText(area, Qt::AlignTop | Qt::AlignLeft, caption_);
        area.adjust(0, line, 0, 0);
    }
    if (!note_.isEmpty()) {
        const QRectF noteArea = area;
        const QRect used = fontMetrics().boundingRect(noteArea.toRect(),
                                                      Qt::AlignBottom | Qt::TextWordWrap, note_);
        painter.drawText(noteArea, Qt::AlignBottom | Qt::AlignHCenter | Qt::TextWordWrap, note_);
        area.adjust(0, 0, 0, -used.height() - kMargin / 2);
    }
    if (!outline_) {
        return;
    }
    PaintOutline(painter, area, *outline_, palette(), true);

    // The tool's centre, where the outline's coordinates start.
    const QPointF centre = OutlineTransform(area, outline_->extents).map(QPointF(0, 0));
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    painter.drawLine(centre - QPointF(kCross, 0), centre + QPointF(kCross, 0));
    painter.drawLine(centre - QPointF(0, kCross), centre + QPointF(0, kCross));
}

}  // namespace tooling::ui
