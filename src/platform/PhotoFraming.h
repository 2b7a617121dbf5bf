#pragma once

#include "platform/Geometry.h"

namespace platform {

// Where a photograph lies on the screen while the user moves and scales it: it always covers the
// whole screen, from just covering it up to a few times closer.
class PhotoFraming {
public:
    static constexpr float maxZoom = 5;
    // The framed picture is made at this many pixels per point at most.
    static constexpr float maxOutputScale = 2;

    PhotoFraming(Size photoPixels, Size screen);

    // The photograph's frame on the screen, in points.
    Rect frame() const;
    void pan(float dx, float dy);
    // Scales by `factor` keeping the photograph's point under `anchor` where it is.
    void zoom(float factor, Point anchor);

    // Pixels per point of the framed picture: twice the screen's or the photograph's own density.
    float outputScale() const;
    // The part of the photograph that is framed, in its pixels.
    Rect cropRect() const;

private:
    void clamp();

    Size photo_;
    Size screen_;
    float coverScale_; // points per photograph pixel when it just covers the screen
    float scale_;
    Point origin_;
};

} // namespace platform
