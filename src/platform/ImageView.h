#pragma once

#include "platform/Image.h"
#include "platform/Painter.h"
#include "platform/View.h"

namespace platform {

class ImageView : public View {
public:
    explicit ImageView(Rect frame = {});

    const ImageRef& image() const { return image_; }
    void setImage(ImageRef image);
    ImageFit fit() const { return fit_; }
    void setFit(ImageFit fit);

    void draw(Painter& painter) const override;

private:
    ImageRef image_;
    ImageFit fit_ = ImageFit::Fill;
};

} // namespace platform
