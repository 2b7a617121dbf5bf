#pragma once

// Points, sizes and rectangles in screen points, origin at the top left.
namespace platform {

struct Point {
    float x = 0;
    float y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    float width = 0;
    float height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    Point origin;
    Size size;

    constexpr Rect() = default;
    constexpr Rect(float x, float y, float w, float h) : origin{x, y}, size{w, h} {}
    constexpr Rect(Point o, Size s) : origin(o), size(s) {}

    float x() const { return origin.x; }
    float y() const { return origin.y; }
    float width() const { return size.width; }
    float height() const { return size.height; }
    float maxX() const { return origin.x + size.width; }
    float maxY() const { return origin.y + size.height; }

    // Half-open, like the platform's rectangle test: the far edges are outside.
    bool contains(Point p) const { return p.x >= x() && p.y >= y() && p.x < maxX() && p.y < maxY(); }
    Rect offsetBy(float dx, float dy) const { return {x() + dx, y() + dy, width(), height()}; }
    Rect insetBy(float dx, float dy) const { return {x() + dx, y() + dy, width() - 2 * dx, height() - 2 * dy}; }
    Rect intersection(const Rect& o) const;
    // The smallest rectangle holding both; an empty one adds nothing.
    Rect united(const Rect& o) const;
    bool isEmpty() const { return size.width <= 0 || size.height <= 0; }

    friend bool operator==(const Rect&, const Rect&) = default;
};

inline Rect Rect::intersection(const Rect& o) const
{
    float l = x() > o.x() ? x() : o.x();
    float t = y() > o.y() ? y() : o.y();
    float r = maxX() < o.maxX() ? maxX() : o.maxX();
    float b = maxY() < o.maxY() ? maxY() : o.maxY();
    if (r <= l || b <= t)
        return {l, t, 0, 0};
    return {l, t, r - l, b - t};
}

inline Rect Rect::united(const Rect& o) const
{
    if (o.isEmpty())
        return *this;
    if (isEmpty())
        return o;
    float l = x() < o.x() ? x() : o.x();
    float t = y() < o.y() ? y() : o.y();
    float r = maxX() > o.maxX() ? maxX() : o.maxX();
    float b = maxY() > o.maxY() ? maxY() : o.maxY();
    return {l, t, r - l, b - t};
}

} // namespace platform
