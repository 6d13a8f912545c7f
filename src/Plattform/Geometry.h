#pragma once
// Page geometry in points, as the drawing layer and stored templates use it.

struct Rect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};
