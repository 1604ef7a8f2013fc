#pragma once

#include <string>
#include <variant>
#include <vector>

namespace tooling::platform {

// A picture in millimetres, x to the right and y up, that a window or a printer scales to fit.

struct DrawingPoint {
    double x = 0;
    double y = 0;
};

// What a mark is drawn with; the window and the paper each give it a colour.
enum class Ink {
    Line,      // the ordinary drawing line
    Faint,     // what sits behind the drawing (the turret's rim)
    Selected,  // the station the user has chosen
    Warning,   // something the user should look at
};

struct DrawingCircle {
    DrawingPoint centre;
    double radius = 0;
    Ink ink = Ink::Line;
    bool filled = false;  // filled with a light shade of the ink, then outlined
};

// An open polyline, or a closed polygon.
struct DrawingPath {
    std::vector<DrawingPoint> points;
    Ink ink = Ink::Line;
    bool closed = false;
    bool filled = false;
    bool dashed = false;
};

// A text centred on `centre`, `height` millimetres high.
struct DrawingText {
    DrawingPoint centre;
    std::string text;  // Windows-1252
    double height = 0;
    Ink ink = Ink::Line;
    bool bold = false;
};

using DrawingItem = std::variant<DrawingCircle, DrawingPath, DrawingText>;

// The items in the order they are drawn, and the box the picture is fitted by.
struct Drawing {
    std::vector<DrawingItem> items;
    DrawingPoint min;
    DrawingPoint max;
};

}  // namespace tooling::platform
