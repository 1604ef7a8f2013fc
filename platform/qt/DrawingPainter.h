#pragma once

#include <QColor>
#include <QRectF>
#include <QTransform>

#include "platform/Drawing.h"

class QPainter;
class QPalette;

namespace tooling::platform {

// The colours each ink is painted in, and the width of a line in the device's pixels.
struct InkColours {
    QColor line, faint, selected, warning;
    double lineWidth = 1;
};

// On the screen, from the window's palette.
InkColours ScreenInks(const QPalette& palette);
// On paper: black lines, grey shades, for a device of `dotsPerInch`.
InkColours PaperInks(double dotsPerInch);

// Millimetres of a box to the device's pixels: the box scaled to fit `area` and centred, y
// upwards. Nothing fits an empty area or box: the identity then.
QTransform FitTransform(const QRectF& area, DrawingPoint min, DrawingPoint max);
// The same for the drawing's box.
QTransform FitTransform(const QRectF& area, const Drawing& drawing);

// Paints the drawing fitted into `area`. Texts keep their height in millimetres, scaled.
void PaintDrawing(QPainter& painter, const QRectF& area, const Drawing& drawing,
                  const InkColours& inks);
// Paints the drawing placed by `place` (a scale and a shift, y upwards).
void PaintDrawing(QPainter& painter, const QTransform& place, const Drawing& drawing,
                  const InkColours& inks);

}  // namespace tooling::platform
