#include "platform/ReadingDirection.h"

#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/Slider.h"
#include "platform/Translate.h"
#include "platform/View.h"

#include <algorithm>

namespace platform {

namespace {

// "‹ Back" becomes "› …", and the palette's "‹" and "›" change places.
std::string turnedArrows(std::string title)
{
    static const std::string back = "\u2039", forward = "\u203A";
    for (size_t at = 0; at + back.size() <= title.size();) {
        if (title.compare(at, back.size(), back) == 0) {
            title.replace(at, back.size(), forward);
            at += forward.size();
        } else if (title.compare(at, forward.size(), forward) == 0) {
            title.replace(at, forward.size(), back);
            at += back.size();
        } else {
            ++at;
        }
    }
    return title;
}

void mirror(View& view)
{
    const auto& subviews = view.subviews();
    const bool keepsOrder = std::any_of(subviews.begin(), subviews.end(),
                                        [](const auto& v) { return dynamic_cast<const Slider*>(v.get()) != nullptr; });
    const float width = view.bounds().width();
    for (const auto& sub : subviews) {
        if (!keepsOrder) {
            const Rect f = sub->frame();
            sub->setFrame({width - f.x() - f.width(), f.y(), f.width(), f.height()});
        }
        if (auto* label = dynamic_cast<Label*>(sub.get())) {
            const TextAlignment a = label->textStyle().alignment;
            label->setAlignment(a == TextAlignment::Left    ? TextAlignment::Right
                                : a == TextAlignment::Right ? TextAlignment::Left
                                                            : a);
        } else if (auto* button = dynamic_cast<Button*>(sub.get())) {
            button->setTitle(turnedArrows(button->title()));
        }
        mirror(*sub);
    }
}

} // namespace

void layOutForReadingDirection(View& root)
{
    if (isRightToLeft())
        mirror(root);
}

} // namespace platform
