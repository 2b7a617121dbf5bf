#include "DialogStack.h"

#include "Dialogs/DialogBase.h"

#include "platform/Application.h"
#include "platform/View.h"

#include <algorithm>
#include <cmath>

using platform::Application;

namespace {

constexpr float slidUpTop = 20;
constexpr double pushPopDuration = 0.5;
constexpr double minimiseDuration = 0.25;

// How far a covered dialog's contents slide out of its own frame: past its width by what a view may
// draw beyond its edges, so that no smoothed edge shows along the frame at a window's fractional zoom.
float coveredShift(float width) { return width + platform::View::drawingOverhang; }

} // namespace

DialogStack::Places DialogStack::Places::forScreen(const Screen& screen, float hostTop)
{
    const Screen::Band band = screen.freeBand();
    Places places;
    places.centreX = screen.points.width / 2;
    places.bandTop = band.top - hostTop;
    places.bandBottom = band.bottom - hostTop;
    // The top regions' upper edges, lowest first; the status bar (and any cut-out in it) is never covered.
    float statusEnd = hostTop;
    for (const CoveredRegion& region : screen.regions) {
        const platform::Rect& r = region.rect;
        if (region.kind == RegionKind::Status || region.kind == RegionKind::Cutout)
            statusEnd = std::max(statusEnd, r.maxY());
        else if (r.maxY() <= band.top)
            places.coverFrom.push_back(r.y() - hostTop);
    }
    std::erase_if(places.coverFrom, [&](float edge) { return edge < statusEnd - hostTop; });
    places.coverFrom.push_back(statusEnd - hostTop);
    std::ranges::sort(places.coverFrom, std::greater<>());
    return places;
}

float DialogStack::Places::topFor(float height) const
{
    if (height <= bandBottom - bandTop)
        return std::round(bandTop + (bandBottom - bandTop - height) / 2);
    for (float edge : coverFrom)
        if (edge + height <= bandBottom)
            return edge;
    // Too tall even from under the status bar: it reaches into the bottom regions instead.
    return coverFrom.empty() ? bandTop : coverFrom.back();
}

DialogStack::DialogStack(std::shared_ptr<platform::View> host, std::shared_ptr<platform::View> launcher, Places places,
                         std::function<bool()> isClassicLayout)
    : host_(std::move(host))
    , launcher_(std::move(launcher))
    , places_(places)
    , isClassicLayout_(std::move(isClassicLayout))
{
    dialogs_.reserve(5);
}

void DialogStack::position(DialogBase* dialog)
{
    if (!dialog)
        return;
    auto& v = *dialog->view();
    if (!(v.alpha() > 0))
        return;
    platform::Size size = v.frame().size;
    v.setFrame({places_.centreX - 0.5f * size.width, places_.topFor(size.height), size.width, size.height});
}

void DialogStack::push(DialogBase& dialog)
{
    const auto& d = dialog.view();
    host_->addSubview(d);
    position(&dialog);
    platform::Size size = d->frame().size;
    d->setBounds({-size.width, 0, size.width, size.height});
    DialogBase* below = top();
    if (below) {
        platform::Size s = below->view()->frame().size;
        below->view()->setBounds({0, 0, s.width, s.height});
        // Slid out of sight, its view still spans its frame: it must not catch what is meant for the
        // views under it (the capture's instructions).
        below->view()->setUserInteractionEnabled(false);
    }
    d->setUserInteractionEnabled(true);
    dialogs_.push_back(&dialog);
    openers_.push_back(Application::shared().focusedViewRef());
    dialog.viewWillAppear(false);
    slide(
        [&] {
            d->setBounds({0, 0, size.width, size.height});
            if (below) {
                platform::Size s = below->view()->frame().size;
                below->view()->setBounds({coveredShift(s.width), 0, s.width, s.height});
            }
        },
        [shown = std::weak_ptr<platform::View>(d)] {
            if (auto view = shown.lock())
                Application::shared().focusShown(*view);
        });
}

void DialogStack::pop()
{
    if (dialogs_.empty())
        return;
    DialogBase* leaving = dialogs_.back();
    auto& t = *leaving->view();
    platform::Size ts = t.frame().size;
    t.setBounds({0, 0, ts.width, ts.height});
    t.setUserInteractionEnabled(false);
    dialogs_.pop_back();
    std::weak_ptr<platform::View> opener = openers_.back();
    openers_.pop_back();
    DialogBase* below = top();
    if (below) {
        auto& b = *below->view();
        b.setUserInteractionEnabled(true);
        platform::Size bs = b.frame().size;
        b.setBounds({coveredShift(bs.width), 0, bs.width, bs.height});
        below->viewWillAppear(false);
        position(below);
    }
    slide(
        [&] {
            t.setBounds({-ts.width, 0, ts.width, ts.height});
            if (below) {
                auto& b = *below->view();
                b.setBounds({0, 0, b.frame().width(), b.frame().height()});
            }
        },
        [this, leaving, opener] {
            popFinished(leaving);
            Application::shared().focusReturned(opener);
        });
}

void DialogStack::slide(const std::function<void()>& moves, std::function<void()> finished)
{
    // What is under a finger during a slide is not what is on screen: touches wait for the dialogs
    // to settle, as they would on a phone, rather than press a control still sliding in.
    host_->setUserInteractionEnabled(false);
    Application::shared().holdKeys();
    ++slidesUnderway_;
    platform::Animation slide(Application::shared().animator(), pushPopDuration);
    slide.onStop([this, finished = std::move(finished)] {
        if (--slidesUnderway_ == 0)
            host_->setUserInteractionEnabled(true);
        if (finished)
            finished();
        // Once what came took the focus, so that keys typed ahead start from it.
        Application::shared().releaseKeys();
    });
    moves();
}

void DialogStack::popFinished(DialogBase* dialog)
{
    // Pushed again before the slide ended: its view belongs to the stack again.
    if (!dialog || std::find(dialogs_.begin(), dialogs_.end(), dialog) != dialogs_.end())
        return;
    dialog->view()->removeFromSuperview();
}

void DialogStack::hideTop()
{
    if (dialogs_.empty() || minimized_)
        return;
    auto& shown = *top()->view();
    platform::Point point = isClassicLayout_() ? places_.launcherClassic : places_.launcher;
    launcher_->setFrame({point, launcher_->frame().size});
    dialogFrame_ = shown.frame();
    minimisedFrom_ = Application::shared().focusedViewRef();
    {
        platform::Animation shrink(Application::shared().animator(), minimiseDuration);
        shrink.onStop([launcher = std::weak_ptr<platform::View>(launcher_)] {
            if (auto pill = launcher.lock())
                Application::shared().focusShown(*pill);
        });
        shown.setAlpha(0);
        shown.setFrame(launcher_->frame());
        launcher_->setAlpha(1);
    }
    host_->bringSubviewToFront(*launcher_);
    minimized_ = true;
}

void DialogStack::showTop()
{
    if (dialogs_.empty() || !minimized_)
        return;
    DialogBase* restored = top();
    {
        platform::Animation grow(Application::shared().animator(), minimiseDuration);
        grow.onStop([from = minimisedFrom_] { Application::shared().focusReturned(from); });
        restored->view()->setAlpha(1);
        restored->view()->setFrame(dialogFrame_);
        launcher_->setAlpha(0);
        position(restored);
    }
    minimized_ = false;
}

void DialogStack::slideUp(DialogBase& dialog)
{
    auto& v = *dialog.view();
    platform::Rect f = v.frame();
    // A second slide-up while already up (focus moving to another field) keeps the place to return to.
    if (f.y() != slidUpTop)
        originalY_ = f.y();
    platform::Animation slide(Application::shared().animator(), minimiseDuration);
    v.setFrame({f.x(), slidUpTop, f.width(), f.height()});
}

void DialogStack::slideDown(DialogBase& dialog)
{
    auto& v = *dialog.view();
    platform::Rect f = v.frame();
    platform::Animation slide(Application::shared().animator(), minimiseDuration);
    v.setFrame({f.x(), originalY_, f.width(), f.height()});
}

