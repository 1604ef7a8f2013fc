#include "platform/qt/DrawingPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "platform/qt/Cp1252.h"

namespace tooling::platform {

namespace {

constexpr double kPaperLineMm = 0.25;
constexpr int kShadeAlpha = 60;

QColor InkColour(const InkColours& inks, Ink ink) {
    switch (ink) {
        case Ink::Faint:
            return inks.faint;
        case Ink::Selected:
            return inks.selected;
        case Ink::Warning:
            return inks.warning;
        case Ink::Line:
            break;
    }
    return inks.line;
}

QColor Shade(QColor colour) {
    colour.setAlpha(kShadeAlpha);
    return colour;
}

void SetInk(QPainter& painter, const InkColours& inks, Ink ink, bool filled, bool dashed) {
    QPen pen(ink == Ink::Warning ? inks.line : InkColour(inks, ink),
             ink == Ink::Selected ? 2 * inks.lineWidth : inks.lineWidth);
    pen.setStyle(dashed ? Qt::DashLine : Qt::SolidLine);
    painter.setPen(pen);
    if (!filled) {
        painter.setBrush(Qt::NoBrush);
    } else {
        painter.setBrush(ink == Ink::Warning ? InkColour(inks, ink) : Shade(InkColour(inks, ink)));
    }
}

}  // namespace

InkColours ScreenInks(const QPalette& palette) {
    return {palette.color(QPalette::WindowText), palette.color(QPalette::Mid),
            palette.color(QPalette::Highlight), QColor(0xf5, 0xc2, 0x11), 1};
}

InkColours PaperInks(double dotsPerInch) {
    return {Qt::black, Qt::gray, Qt::black, QColor(0xd0, 0xd0, 0xd0),
            std::max(1.0, kPaperLineMm * dotsPerInch / 25.4)};
}

QTransform FitTransform(const QRectF& area, const Drawing& drawing) {
    const double width = drawing.max.x - drawing.min.x;
    const double height = drawing.max.y - drawing.min.y;
    if (area.isEmpty() || !(width > 0) || !(height > 0)) {
        return {};
    }
    const double scale = std::min(area.width() / width, area.height() / height);
    const QPointF middle = area.center();
    return {scale,
            0,
            0,
            -scale,
            middle.x() - (drawing.min.x + drawing.max.x) / 2 * scale,
            middle.y() + (drawing.min.y + drawing.max.y) / 2 * scale};
}

void PaintDrawing(QPainter& painter, const QRectF& area, const Drawing& drawing,
                  const InkColours& inks) {
    const QTransform place = FitTransform(area, drawing);
    const double scale = place.m11();
    if (!(scale > 0)) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const DrawingItem& item : drawing.items) {
        if (const auto* circle = std::get_if<DrawingCircle>(&item)) {
            SetInk(painter, inks, circle->ink, circle->filled, false);
            painter.drawEllipse(place.map(QPointF(circle->centre.x, circle->centre.y)),
                                circle->radius * scale, circle->radius * scale);
        } else if (const auto* path = std::get_if<DrawingPath>(&item)) {
            QPolygonF polygon;
            polygon.reserve(static_cast<qsizetype>(path->points.size()));
            for (const DrawingPoint& p : path->points) {
                polygon << place.map(QPointF(p.x, p.y));
            }
            SetInk(painter, inks, path->ink, path->filled, path->dashed);
            if (path->closed) {
                painter.drawPolygon(polygon);
            } else {
                painter.drawPolyline(polygon);
            }
        } else if (const auto* text = std::get_if<DrawingText>(&item)) {
            QFont font = painter.font();
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(text->height * scale))));
            font.setBold(text->bold);
            painter.setFont(font);
            painter.setPen(InkColour(inks, text->ink));
            const QString shown = FromCp1252(text->text);
            const QFontMetricsF metrics(font, painter.device());
            const QPointF at = place.map(QPointF(text->centre.x, text->centre.y));
            painter.drawText(QPointF(at.x() - metrics.horizontalAdvance(shown) / 2,
                                     at.y() + (metrics.ascent() - metrics.descent()) / 2),
                             shown);
        }
    }
    painter.restore();
}

}  // namespace tooling::platform
