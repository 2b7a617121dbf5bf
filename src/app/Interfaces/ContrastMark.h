#pragma once

#include "platform/View.h"

// A small round mark that says whether lettering can be read: a tick on green, or an exclamation
// mark on amber. It takes no touches.
class ContrastMark final : public platform::View {
public:
    explicit ContrastMark(platform::Rect frame);

    bool passes() const { return passes_; }
    void setPasses(bool passes);

    void draw(platform::Painter& painter) const override;

private:
    bool passes_ = true;
};
