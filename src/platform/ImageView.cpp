#include "platform/ImageView.h"

namespace platform {

ImageView::ImageView(Rect frame) : View(frame) { setUserInteractionEnabled(false); }

void ImageView::setImage(ImageRef image)
{
    image_ = std::move(image);
    setNeedsDisplay();
}

void ImageView::setFit(ImageFit fit)
{
    fit_ = fit;
    setNeedsDisplay();
}

void ImageView::draw(Painter& painter) const
{
    View::draw(painter);
    if (image_ && !image_->isNull())
        painter.drawImage({0, 0, frame().width(), frame().height()}, *image_, fit_);
}

} // namespace platform
