#include "platform/PhotoFraming.h"

#include <algorithm>

namespace platform {

PhotoFraming::PhotoFraming(Size photoPixels, Size screen, float pixelsPerPoint)
    : photo_(photoPixels), screen_(screen), maxOutputScale_(std::max(2.0f, pixelsPerPoint)),
      coverScale_(std::max(screen.width / photoPixels.width, screen.height / photoPixels.height)), scale_(coverScale_)
{
    // Centred, as the picker first shows it.
    origin_ = {(screen_.width - photo_.width * scale_) / 2, (screen_.height - photo_.height * scale_) / 2};
}

Rect PhotoFraming::frame() const { return {origin_, {photo_.width * scale_, photo_.height * scale_}}; }

void PhotoFraming::pan(float dx, float dy)
{
    origin_.x += dx;
    origin_.y += dy;
    clamp();
}

void PhotoFraming::zoom(float factor, Point anchor)
{
    float scale = std::clamp(scale_ * factor, coverScale_, coverScale_ * maxZoom);
    float applied = scale / scale_;
    origin_ = {anchor.x - (anchor.x - origin_.x) * applied, anchor.y - (anchor.y - origin_.y) * applied};
    scale_ = scale;
    clamp();
}

void PhotoFraming::clamp()
{
    // No edge of the photograph may come inside the screen.
    // (The min guards against a covering edge that rounds to a hair inside.)
    origin_.x = std::clamp(origin_.x, std::min(0.0f, screen_.width - photo_.width * scale_), 0.0f);
    origin_.y = std::clamp(origin_.y, std::min(0.0f, screen_.height - photo_.height * scale_), 0.0f);
}

float PhotoFraming::outputScale() const { return std::min(maxOutputScale_, 1 / scale_); }

Rect PhotoFraming::reframedCrop(Size photo, Rect crop, Size screen)
{
    const float aspect = screen.width / screen.height;
    float height = std::min(crop.height(), photo.height);
    float width = height * aspect;
    if (width > photo.width) {
        width = photo.width;
        height = width / aspect;
    }
    const float centreX = crop.x() + crop.width() / 2, centreY = crop.y() + crop.height() / 2;
    return {std::clamp(centreX - width / 2, 0.0f, photo.width - width), std::clamp(centreY - height / 2, 0.0f, photo.height - height),
            width, height};
}

Rect PhotoFraming::cropRect() const
{
    return {-origin_.x / scale_, -origin_.y / scale_, screen_.width / scale_, screen_.height / scale_};
}

} // namespace platform
