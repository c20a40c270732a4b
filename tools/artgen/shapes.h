// Shapes in continuous picture coordinates (x right, y down; a pixel's
// centre is at +0.5). A shape answers whether a point lies inside it and
// gives a bounding box, so that painting visits only the pixels it may cover.
#pragma once

#include <functional>
#include <vector>

namespace artgen {

struct Point {
  double x = 0, y = 0;
};

struct Shape {
  double left = 0, top = 0, right = 0, bottom = 0;
  std::function<bool(double x, double y)> contains;
};

Shape Rectangle(double left, double top, double right, double bottom);
Shape RoundedRectangle(double left, double top, double right, double bottom, double radius);
Shape Disc(double centreX, double centreY, double radius);
Shape Polygon(std::vector<Point> corners);
// A line from `from` to `to`, `width` thick, with round ends.
Shape Stroke(Point from, Point to, double width);

Shape Union(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Translate(Shape shape, double dx, double dy);

}  // namespace artgen
