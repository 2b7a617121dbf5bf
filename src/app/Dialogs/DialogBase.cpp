#include "Dialogs/DialogBase.h"

#include "DialogHost.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/ReadingDirection.h"

DialogBase::DialogBase(std::string nibName, DialogHost& preview)
    : ViewController(std::move(nibName)), preview_(&preview)
{
}

DialogBase::~DialogBase()
{
    // Its view outlives it for a moment and leaves the window then: a field still being edited must
    // not tell a dialog that is gone, nor the dialog stack being torn down around it.
    if (!isViewLoaded())
        return;
    auto& app = platform::Application::shared();
    if (platform::TextField* field = app.firstResponder(); field && field->isDescendantOf(*view()))
        app.setFirstResponder(nullptr);
}

void DialogBase::setDialogFrame(const DialogFrame& frame)
{
    platform::layOutForReadingDirection(*frame.root);
    setView(frame.root);
    backButton = frame.backButton;
    hideButton = frame.hideButton;
    saveButton = frame.saveButton;
}

void DialogBase::hideButtonClick() { preview().hideTopDialog(); }

void DialogBase::saveButtonClick() { preview().saveCurrentWallpaperClick(); }

void DialogBase::backButtonClick() { preview().popDialog(); }

void DialogBase::textFieldDidBeginEditing(platform::TextField&)
{
    preview().slideDialogUp(*this);
    setFrameButtonsHidden(true);
}

bool DialogBase::textFieldShouldReturn(platform::TextField& field)
{
    field.resignFirstResponder();
    textEntered(field);
    return true;
}

void DialogBase::textFieldDidEndEditing(platform::TextField&)
{
    // Focus moving on to another field ends here and begins again at once: nothing moves on screen.
    preview().slideDialogDown(*this);
    setFrameButtonsHidden(false);
}

void DialogBase::setFrameButtonsHidden(bool hidden)
{
    for (platform::Button* b : {backButton.get(), saveButton.get(), hideButton.get()})
        if (b)
            b->setHidden(hidden);
}

namespace {
constexpr double peekDuration = 0.15;
}

void DialogBase::peekAround(platform::View& kept)
{
    if (!faded_.empty())
        return;
    platform::Animation fade(platform::Application::shared().animator(), peekDuration);
    for (platform::View* v = &kept; v != view().get() && v->superview(); v = v->superview())
        for (const auto& sibling : v->superview()->subviews())
            if (sibling.get() != v) {
                faded_.emplace_back(sibling, sibling->alpha());
                sibling->setAlpha(0);
            }
}

void DialogBase::endPeek()
{
    platform::Animation fade(platform::Application::shared().animator(), peekDuration);
    for (const auto& [weak, alpha] : faded_)
        if (auto v = weak.lock())
            v->setAlpha(alpha);
    faded_.clear();
}
