#include "tools/artgen/shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace artgen {

Shape Rectangle(double left, double top, double right, double bottom) {
  return {left, top, right, bottom,
          [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; }};
}

Shape RoundedRectangle(double left, double top, double right, double bottom, double radius) {
  return {left, top, right, bottom, [=](double x, double y) {
            if (x < left || x >= right || y < top || y >= bottom) return false;
            double cx = std::clamp(x, left + radius, right - radius);
            double cy = std::clamp(y, top + radius, bottom - radius);
            return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
          }};
}

Shape Disc(double centreX, double centreY, double radius) {
  return {centreX - radius, centreY - radius, centreX + radius, centreY + radius,
          [=](double x, double y) {
            return (x - centreX) * (x - centreX) + (y - centreY) * (y - centreY) <= radius * radius;
          }};
}

Shape Polygon(std::vector<Point> corners) {
  Shape shape{corners[0].x, corners[0].y, corners[0].x, corners[0].y, nullptr};
  for (const Point& p : corners) {
    shape.left = std::min(shape.left, p.x);
    shape.top = std::min(shape.top, p.y);
    shape.right = std::max(shape.right, p.x);
    shape.bottom = std::max(shape.bottom, p.y);
  }
  // Even-odd crossing test.
  shape.contains = [corners = std::move(corners)](double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
      const Point& a = corners[i];
      const Point& b = corners[j];
      if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
        inside = !inside;
      }
    }
    return inside;
  };
  return shape;
}

Shape Stroke(Point from, Point to, double width) {
  double half = width / 2;
  return {std::min(from.x, to.x) - half, std::min(from.y, to.y) - half,
          std::max(from.x, to.x) + half, std::max(from.y, to.y) + half,
          [=](double x, double y) {
            double dx = to.x - from.x, dy = to.y - from.y;
            double length2 = dx * dx + dy * dy;
            double t = length2 > 0 ? ((x - from.x) * dx + (y - from.y) * dy) / length2 : 0;
            t = std::clamp(t, 0.0, 1.0);
            double px = from.x + t * dx - x, py = from.y + t * dy - y;
            return px * px + py * py <= half * half;
          }};
}

Shape Union(Shape a, Shape b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom),
          [a = a.contains, b = b.contains](double x, double y) { return a(x, y) || b(x, y); }};
}

Shape Subtract(Shape a, Shape b) {
  return {a.left, a.top, a.right, a.bottom,
          [a = a.contains, b = b.contains](double x, double y) { return a(x, y) && !b(x, y); }};
}

Shape Intersect(Shape a, Shape b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom),
          [a = a.contains, b = b.contains](double x, double y) { return a(x, y) && b(x, y); }};
}

Shape Translate(Shape shape, double dx, double dy) {
  return {shape.left + dx, shape.top + dy, shape.right + dx, shape.bottom + dy,
          [c = std::move(shape.contains), dx, dy](double x, double y) { return c(x - dx, y - dy); }};
}

}  // namespace artgen
