#pragma once

#include <QPixmap>
#include <QRectF>
#include <QTransform>

#include "tools/ToolOutline.h"

class QPainter;
class QPalette;

namespace tooling::ui {

// Millimetres about the tool's centre to the pixels of `area`: the box scaled to fit and centred,
// y upwards.
QTransform OutlineTransform(const QRectF& area, const tools::OutlineBox& box);

// How an outline is painted: scaled to fit the area with its box centred, y upwards, arcs as
// chords finer than a third of a pixel. A special tool's box is dashed, with its name inside
// when `withLabel` is set and the name fits.
void PaintOutline(QPainter& painter, const QRectF& area, const tools::ToolOutline& outline,
                  const QPalette& palette, bool withLabel);

// The outline as a small picture `side` pixels square, for a list row; without an outline the
// picture is empty, so every row's text starts at the same place.
QPixmap OutlineIcon(const std::optional<tools::ToolOutline>& outline, int side,
                    const QPalette& palette);

}  // namespace tooling::ui
