#pragma once

#include <initializer_list>

// Signed distances of flat shapes: negative inside, positive outside, in the units of the
// coordinates passed in. The icons are drawn from these so that any size can be sampled.

struct Point {
    float x, y;
};

float circle(Point p, Point centre, float radius);

// An approximation that is exact on the axes; good enough to decide coverage and edge bands.
float ellipse(Point p, Point centre, float radiusX, float radiusY);

// Axis-aligned box from (left, top) to (right, bottom) with corners rounded by radius.
float roundedBox(Point p, Point topLeft, Point bottomRight, float radius);

// Any simple polygon given by its corners in order.
float polygon(Point p, std::initializer_list<Point> corners);
