#pragma once

#include "platform/Geometry.h"

namespace platform {

// Where a photograph lies on the screen while the user moves and scales it: it always covers the
// whole screen, from just covering it up to a few times closer.
class PhotoFraming {
public:
    static constexpr float maxZoom = 5;

    // The framed picture is made at `pixelsPerPoint` at most: the phone's own density, and at least
    // twice the points, so that a close-up stays sharp on a small screen.
    PhotoFraming(Size photoPixels, Size screen, float pixelsPerPoint = 2);

    // The part of a photograph to frame for another screen after `crop` was framed for one: as tall
    // (as much zoomed) and centred where it was, as wide as the new screen's shape asks, within the
    // photograph.
    static Rect reframedCrop(Size photoPixels, Rect crop, Size screen);

    // The photograph's frame on the screen, in points.
    Rect frame() const;
    void pan(float dx, float dy);
    // Scales by `factor` keeping the photograph's point under `anchor` where it is.
    void zoom(float factor, Point anchor);

    // Pixels per point of the framed picture: twice the screen's or the photograph's own density.
    float outputScale() const;
    Size screen() const { return screen_; }
    // The part of the photograph that is framed, in its pixels.
    Rect cropRect() const;

private:
    void clamp();

    Size photo_;
    Size screen_;
    float maxOutputScale_;
    float coverScale_; // points per photograph pixel when it just covers the screen
    float scale_;
    Point origin_;
};

} // namespace platform
