#include "ui/OutlinePainting.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include "platform/qt/Cp1252.h"
#include "platform/qt/DrawingPainter.h"

namespace tooling::ui {

namespace {

constexpr double kChordPixels = 0.3;

}  // namespace

QTransform OutlineTransform(const QRectF& area, const tools::OutlineBox& box) {
    return platform::FitTransform(area, {box.minX, box.minY}, {box.maxX, box.maxY});
}

void PaintOutline(QPainter& painter, const QRectF& area, const tools::ToolOutline& outline,
                  const QPalette& palette, bool withLabel) {
    const tools::OutlineBox& box = outline.extents;
    if (area.isEmpty() || !(box.Width() > 0) || !(box.Height() > 0)) {
        return;
    }
    const QTransform place = OutlineTransform(area, box);
    QPainterPath shape;
    for (const tools::OutlinePath& path : outline.paths) {
        const std::vector<tools::OutlinePoint> points =
            tools::Flattened(path, kChordPixels / place.m11());
        QPolygonF polygon;
        polygon.reserve(static_cast<qsizetype>(points.size()));
        for (const tools::OutlinePoint& p : points) {
            polygon << place.map(QPointF(p.x, p.y));
        }
        shape.addPolygon(polygon);
        shape.closeSubpath();
    }
    const bool special = !outline.label.empty();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = palette.color(QPalette::Highlight);
    fill.setAlpha(special ? 30 : 70);
    QPen pen(palette.color(QPalette::WindowText), 0);
    pen.setStyle(special ? Qt::DashLine : Qt::SolidLine);
    painter.setPen(pen);
    painter.setBrush(fill);
    painter.drawPath(shape);
    if (special && withLabel) {
        const QRectF inside = shape.boundingRect().adjusted(3, 3, -3, -3);
        const QString name = platform::FromCp1252(outline.label);
        if (painter.fontMetrics().boundingRect(inside.toRect(), Qt::TextWordWrap, name).height() <=
            inside.height()) {
            painter.drawText(inside, Qt::AlignCenter | Qt::TextWordWrap, name);
        }
    }
    painter.restore();
}

QPixmap OutlineIcon(const std::optional<tools::ToolOutline>& outline, int side,
                    const QPalette& palette) {
    QPixmap icon(side, side);
    icon.fill(Qt::transparent);
    if (outline) {
        QPainter painter(&icon);
        PaintOutline(painter, QRectF(1, 1, side - 2, side - 2), *outline, palette, false);
    }
    return icon;
}

}  // namespace tooling::ui
