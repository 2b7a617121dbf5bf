#include "desktop/ViewAccessibility.h"

#include "desktop/PhoneWindow.h"

#include "SwatchPaletteView.h"

#include "platform/AlertView.h"
#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/Slider.h"
#include "platform/TableView.h"
#include "platform/TextField.h"
#include "platform/Translate.h"
#include "platform/WebView.h"
#include "platform/Window.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QTextDocumentFragment>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace desktop {

namespace {

using platform::View;

platform::Application* application = nullptr;

// Named colours a listener can picture; a colour far from all of them is read as its hex.
struct NamedColour {
    const char* name;
    int r, g, b;
};
constexpr NamedColour namedColours[] = {
    {QT_TRANSLATE_NOOP("ViewAccessibility", "Black"), 0, 0, 0},          {QT_TRANSLATE_NOOP("ViewAccessibility", "Dark grey"), 64, 64, 64},   {QT_TRANSLATE_NOOP("ViewAccessibility", "Grey"), 128, 128, 128},
    {QT_TRANSLATE_NOOP("ViewAccessibility", "Light grey"), 192, 192, 192}, {QT_TRANSLATE_NOOP("ViewAccessibility", "White"), 255, 255, 255},  {QT_TRANSLATE_NOOP("ViewAccessibility", "Red"), 220, 30, 30},
    {QT_TRANSLATE_NOOP("ViewAccessibility", "Dark red"), 128, 0, 0},     {QT_TRANSLATE_NOOP("ViewAccessibility", "Pink"), 255, 150, 190},     {QT_TRANSLATE_NOOP("ViewAccessibility", "Orange"), 255, 140, 0},
    {QT_TRANSLATE_NOOP("ViewAccessibility", "Brown"), 130, 80, 30},      {QT_TRANSLATE_NOOP("ViewAccessibility", "Yellow"), 255, 230, 0},     {QT_TRANSLATE_NOOP("ViewAccessibility", "Olive"), 128, 128, 0},
    {QT_TRANSLATE_NOOP("ViewAccessibility", "Light green"), 140, 230, 120}, {QT_TRANSLATE_NOOP("ViewAccessibility", "Green"), 30, 170, 50},   {QT_TRANSLATE_NOOP("ViewAccessibility", "Dark green"), 0, 90, 30},
    {QT_TRANSLATE_NOOP("ViewAccessibility", "Teal"), 0, 128, 128},       {QT_TRANSLATE_NOOP("ViewAccessibility", "Cyan"), 0, 220, 230},       {QT_TRANSLATE_NOOP("ViewAccessibility", "Light blue"), 130, 190, 255},
    {QT_TRANSLATE_NOOP("ViewAccessibility", "Blue"), 30, 60, 220},       {QT_TRANSLATE_NOOP("ViewAccessibility", "Navy"), 0, 0, 110},         {QT_TRANSLATE_NOOP("ViewAccessibility", "Purple"), 120, 40, 170},
    {QT_TRANSLATE_NOOP("ViewAccessibility", "Violet"), 190, 120, 230},   {QT_TRANSLATE_NOOP("ViewAccessibility", "Magenta"), 230, 0, 200},    {QT_TRANSLATE_NOOP("ViewAccessibility", "Beige"), 240, 225, 180},
};

QString colourName(const platform::Color& c)
{
    const int r = int(std::lround(c.red * 255)), g = int(std::lround(c.green * 255)), b = int(std::lround(c.blue * 255));
    const NamedColour* best = nullptr;
    int bestDistance = 0;
    for (const NamedColour& n : namedColours) {
        // Weighted as the eye weighs the channels.
        const int d = 3 * (n.r - r) * (n.r - r) + 4 * (n.g - g) * (n.g - g) + 2 * (n.b - b) * (n.b - b);
        if (!best || d < bestDistance) {
            best = &n;
            bestDistance = d;
        }
    }
    if (bestDistance <= 9 * 40 * 40)
        return QString::fromStdString(platform::translate("ViewAccessibility", best->name));
    return QStringLiteral("#%1%2%3").arg(r, 2, 16, QChar('0')).arg(g, 2, 16, QChar('0')).arg(b, 2, 16, QChar('0')).toUpper();
}

bool isExposedKind(const View& v)
{
    if (auto* label = dynamic_cast<const platform::Label*>(&v))
        return !label->text().empty();
    return dynamic_cast<const platform::Button*>(&v) || dynamic_cast<const platform::TextField*>(&v) ||
           dynamic_cast<const platform::Slider*>(&v) || dynamic_cast<const platform::TableView*>(&v) ||
           dynamic_cast<const platform::TableViewCell*>(&v) || dynamic_cast<const platform::AlertView*>(&v) ||
           dynamic_cast<const SwatchPaletteView*>(&v) || dynamic_cast<const platform::WebView*>(&v);
}

// Where a view stands in drawing order: the indices of its branch from the window down. An earlier
// path is drawn first, an ancestor's path is a prefix of its descendants'.
std::vector<std::size_t> drawingPath(const View& v)
{
    std::vector<std::size_t> path;
    for (const View* at = &v; at->superview(); at = at->superview()) {
        const auto& siblings = at->superview()->subviews();
        path.push_back(std::size_t(std::find_if(siblings.begin(), siblings.end(),
                                                [&](const auto& s) { return s.get() == at; }) - siblings.begin()));
    }
    std::reverse(path.begin(), path.end());
    return path;
}

// Seen by a person: visible as far as the model goes, and not under something drawn over it (what a
// tap at its middle would reach lies inside it, or was drawn before it).
bool isSeen(View& v)
{
    if (!v.isEffectivelyVisible())
        return false;
    const platform::Rect b = v.bounds();
    View* hit = application->window().hitTest(v.convertToWindow({b.x() + b.width() / 2, b.y() + b.height() / 2}));
    return !hit || hit->isDescendantOf(v) || drawingPath(*hit) < drawingPath(v);
}

// The exposed views under `v`, the ones in between left out.
void exposedUnder(View& v, std::vector<View*>& out)
{
    // A button draws its own title: what is inside it is the button.
    if (dynamic_cast<platform::Button*>(&v))
        return;
    for (const auto& sub : v.subviews()) {
        if (sub->isHidden())
            continue;
        if (isExposedKind(*sub) && isSeen(*sub))
            out.push_back(sub.get());
        else
            exposedUnder(*sub, out);
    }
}

// What assistive technology sees inside an exposed view, or the window.
std::vector<View*> exposedChildren(View& v)
{
    std::vector<View*> out;
    if (dynamic_cast<SwatchPaletteView*>(&v))
        return out;
    if (dynamic_cast<platform::TableViewCell*>(&v)) {
        // A row is read as its texts; only its buttons stand apart.
        std::vector<View*> inside;
        exposedUnder(v, inside);
        std::copy_if(inside.begin(), inside.end(), std::back_inserter(out),
                     [](View* in) { return dynamic_cast<platform::Button*>(in) != nullptr; });
        return out;
    }
    exposedUnder(v, out);
    return out;
}

// Whether assistive technology sees this view now: exposed and seen, and not inside what is read
// whole (a button's title, a row's texts, a palette).
bool isInTree(View& v)
{
    if (!isExposedKind(v) || !isSeen(v))
        return false;
    for (View* up = v.superview(); up; up = up->superview())
        if (dynamic_cast<platform::Button*>(up) || dynamic_cast<SwatchPaletteView*>(up) ||
            (dynamic_cast<platform::TableViewCell*>(up) && !dynamic_cast<platform::Button*>(&v)))
            return false;
    return true;
}

std::string textsIn(const View& v)
{
    std::string text;
    if (auto* label = dynamic_cast<const platform::Label*>(&v); label && !label->text().empty())
        text = label->text();
    for (const auto& sub : v.subviews()) {
        if (sub->isHidden())
            continue;
        std::string inner = textsIn(*sub);
        if (!inner.empty())
            text += (text.empty() ? "" : ", ") + inner;
    }
    return text;
}

QAccessibleInterface* interfaceFor(View* view);

// One swatch of a round palette.
class SwatchAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    SwatchAccessible(std::weak_ptr<View> palette, int index) : palette_(std::move(palette)), index_(index) {}

    bool isValid() const override { return swatch() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return interfaceFor(palette_.lock().get()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        const Swatch* s = swatch();
        return s && t == QAccessible::Name ? colourName(s->color) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = true;
        auto palette = std::static_pointer_cast<SwatchPaletteView>(palette_.lock());
        s.selected = palette && palette->mark() && swatch() && *palette->mark() == *swatch();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    const Swatch* swatch() const
    {
        auto palette = std::static_pointer_cast<SwatchPaletteView>(palette_.lock());
        return palette && index_ < int(palette->swatches().size()) ? &palette->swatches()[size_t(index_)] : nullptr;
    }

    std::weak_ptr<View> palette_;
    int index_;
};

// The window rectangle of a view part, on the desktop's screen.
QRect onScreen(const View& v, platform::Rect local)
{
    const platform::Point origin = v.convertToWindow(local.origin);
    const auto* widget = PhoneWindow::instance();
    if (!widget)
        return {};
    return widget->screenRect({origin, local.size});
}

QRect SwatchAccessible::rect() const
{
    auto palette = palette_.lock();
    const Swatch* s = swatch();
    return palette && s ? onScreen(*palette, {s->pixel.x - 3, s->pixel.y - 3, 7, 7}) : QRect();
}

void SwatchAccessible::doAction(const QString& name)
{
    auto palette = std::static_pointer_cast<SwatchPaletteView>(palette_.lock());
    const Swatch* s = swatch();
    if (name != pressAction() || !palette || !s || !palette->onKeyPick)
        return;
    platform::Application::shared().setFocusedView(palette.get());
    palette->onKeyPick(palette->convertToWindow({s->pixel.x + 0.5f, s->pixel.y + 0.5f}));
    PhoneWindow::instance()->acted();
}

// A position in UTF-8 bytes of `text` as Qt counts it, in UTF-16 units.
int qtOffset(const std::string& text, std::size_t byte)
{
    return int(QString::fromUtf8(text.data(), qsizetype(std::min(byte, text.size()))).size());
}

class ViewAccessible final : public QAccessibleInterface,
                             public QAccessibleActionInterface,
                             public QAccessibleValueInterface,
                             public QAccessibleTextInterface {
public:
    explicit ViewAccessible(View& view) : view_(view.weak_from_this()) {}

    bool isValid() const override { return !view_.expired(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return PhoneWindow::instance() ? PhoneWindow::instance()->windowHandle() : nullptr; }

    QAccessibleInterface* parent() const override
    {
        auto v = view_.lock();
        for (View* up = v ? v->superview() : nullptr; up; up = up->superview())
            if (isExposedKind(*up))
                return interfaceFor(up);
        return PhoneWindow::instance() ? QAccessible::queryAccessibleInterface(PhoneWindow::instance()) : nullptr;
    }
    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override
    {
        auto v = view_.lock();
        if (auto* palette = dynamic_cast<SwatchPaletteView*>(v.get())) {
            if (index < 0 || index >= int(palette->swatches().size()))
                return nullptr;
            return swatchInterface(index);
        }
        const auto all = children();
        return index >= 0 && index < int(all.size()) ? interfaceFor(all[size_t(index)]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0, n = childCount(); i < n; ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0, n = childCount(); i < n; ++i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y))
                return c;
        return nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        auto v = view_.lock();
        if (!v)
            return {};
        if (t == QAccessible::Name)
            return QString::fromStdString(name(*v));
        if (t == QAccessible::Value) {
            if (auto* field = dynamic_cast<platform::TextField*>(v.get()))
                return QString::fromStdString(field->text());
            if (auto* slider = dynamic_cast<platform::Slider*>(v.get()))
                return QStringLiteral("%1 %").arg(std::lround(slider->value() * 100));
        }
        if (t == QAccessible::Description)
            if (auto* alert = dynamic_cast<platform::AlertView*>(v.get()))
                return QString::fromStdString(alert->message());
        return {};
    }
    void setText(QAccessible::Text t, const QString& text) override
    {
        auto field = std::dynamic_pointer_cast<platform::TextField>(view_.lock());
        if (field && t == QAccessible::Value)
            field->setText(text.toStdString());
    }
    QRect rect() const override
    {
        auto v = view_.lock();
        return v ? onScreen(*v, v->bounds()) : QRect();
    }
    QAccessible::Role role() const override
    {
        View* v = view_.lock().get();
        if (dynamic_cast<platform::Button*>(v))
            return QAccessible::Button;
        if (dynamic_cast<platform::TextField*>(v))
            return QAccessible::EditableText;
        if (dynamic_cast<platform::Slider*>(v))
            return QAccessible::Slider;
        if (dynamic_cast<platform::TableView*>(v) || dynamic_cast<SwatchPaletteView*>(v))
            return QAccessible::List;
        if (dynamic_cast<platform::TableViewCell*>(v))
            return QAccessible::ListItem;
        if (dynamic_cast<platform::AlertView*>(v))
            return QAccessible::AlertMessage;
        if (dynamic_cast<platform::WebView*>(v))
            return QAccessible::Document;
        return QAccessible::StaticText;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        auto v = view_.lock();
        if (!v)
            return s;
        s.focusable = v->canBecomeFocused();
        s.focused = application->focusedView() == v.get();
        if (auto* button = dynamic_cast<platform::Button*>(v.get())) {
            s.disabled = !button->isEnabled();
            // A selected button is a chosen tab, layout or toggle.
            s.checkable = s.checked = button->isSelected();
        }
        if (auto* cell = dynamic_cast<platform::TableViewCell*>(v.get())) {
            s.selectable = true;
            s.selected = cell->isSelected();
        }
        if (dynamic_cast<platform::TextField*>(v.get()))
            s.editable = true;
        if (dynamic_cast<platform::AlertView*>(v.get()))
            s.modal = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        View* v = view_.lock().get();
        if (type == QAccessible::ActionInterface && (dynamic_cast<platform::Button*>(v) || dynamic_cast<platform::TableViewCell*>(v) ||
                                                     dynamic_cast<platform::TextField*>(v)))
            return static_cast<QAccessibleActionInterface*>(this);
        if (type == QAccessible::ValueInterface && dynamic_cast<platform::Slider*>(v))
            return static_cast<QAccessibleValueInterface*>(this);
        if (type == QAccessible::TextInterface && (dynamic_cast<platform::TextField*>(v) || dynamic_cast<platform::WebView*>(v)))
            return static_cast<QAccessibleTextInterface*>(this);
        return nullptr;
    }

    // Actions: press a button, choose a row, begin editing a field; focus any.
    QStringList actionNames() const override
    {
        auto v = view_.lock();
        if (!v)
            return {};
        return dynamic_cast<platform::TextField*>(v.get()) ? QStringList{setFocusAction()} : QStringList{pressAction()};
    }
    void doAction(const QString& action) override
    {
        auto v = view_.lock();
        if (!v)
            return;
        // A reader's press is keyboard use: the focus goes to what was pressed, so that what it
        // opens takes the focus and the reader follows there.
        auto* button = dynamic_cast<platform::Button*>(v.get());
        auto* cell = dynamic_cast<platform::TableViewCell*>(v.get());
        if ((button || cell) && action == pressAction()) {
            platform::Application::shared().setFocusedView(v.get());
            if (cell)
                chooseRow(*cell);
            else if (button->isEnabled())
                button->sendAction();
        } else if (auto* field = dynamic_cast<platform::TextField*>(v.get()); field && action == setFocusAction())
            field->keyDown(platform::Key::Return);
        PhoneWindow::instance()->acted();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // The slider, 0 to 100 per cent.
    QVariant currentValue() const override
    {
        auto slider = std::dynamic_pointer_cast<platform::Slider>(view_.lock());
        return slider ? QVariant(double(slider->value())) : QVariant();
    }
    void setCurrentValue(const QVariant& value) override
    {
        auto slider = std::dynamic_pointer_cast<platform::Slider>(view_.lock());
        if (!slider)
            return;
        // Moved by the arrows' steps, so the dialog hears it as the keyboard's change.
        const float to = std::clamp(value.toFloat(), 0.0f, 1.0f);
        for (int i = 0; i < 40 && std::abs(slider->value() - to) > 0.026f; ++i)
            slider->keyDown(slider->value() < to ? platform::Key::Right : platform::Key::Left);
    }
    QVariant maximumValue() const override { return 1.0; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.05; }

    // A field's text or a web page's, read; a field's is changed by typing or by setting the value text.
    void selection(int index, int* start, int* end) const override
    {
        auto f = field();
        const platform::TextRange range = f && index == 0 ? f->selection() : platform::TextRange{};
        *start = f ? qtOffset(f->text(), range.location) : 0;
        *end = f ? qtOffset(f->text(), range.location + range.length) : 0;
    }
    int selectionCount() const override
    {
        auto f = field();
        return f && f->selection().length > 0 ? 1 : 0;
    }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override
    {
        auto f = field();
        return f ? qtOffset(f->text(), f->cursor()) : 0;
    }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return readableText().mid(start, end - start); }
    int characterCount() const override { return int(readableText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    static std::string name(View& v)
    {
        if (!v.accessibilityLabel().empty())
            return v.accessibilityLabel();
        if (auto* button = dynamic_cast<platform::Button*>(&v))
            return button->title();
        if (auto* label = dynamic_cast<platform::Label*>(&v))
            return label->text();
        if (auto* field = dynamic_cast<platform::TextField*>(&v))
            return field->placeholder();
        if (auto* alert = dynamic_cast<platform::AlertView*>(&v))
            return alert->title();
        if (auto* palette = dynamic_cast<SwatchPaletteView*>(&v))
        {
            if (!palette->swatches().empty())
                return platform::translate("ViewAccessibility", "Colour palette");
            if (!palette->mark())
                return platform::translate("ViewAccessibility", "Colour spectrum");
            return platform::fillIn(platform::translate("ViewAccessibility", "Colour spectrum, %1"),
                                    {colourName(palette->mark()->color).toStdString()});
        }
        if (dynamic_cast<platform::TableViewCell*>(&v))
            return textsIn(v);
        return {};
    }

    std::vector<View*> children() const
    {
        auto v = view_.lock();
        return v ? exposedChildren(*v) : std::vector<View*>{};
    }

    std::shared_ptr<platform::TextField> field() const { return std::dynamic_pointer_cast<platform::TextField>(view_.lock()); }
    QString readableText() const
    {
        auto v = view_.lock();
        if (auto* f = dynamic_cast<platform::TextField*>(v.get()))
            return QString::fromStdString(f->text());
        auto* page = dynamic_cast<platform::WebView*>(v.get());
        if (!page)
            return {};
        // Read in pieces, the page is made plain once for each page shown.
        if (page->html() != pageHtml_) {
            pageHtml_ = page->html();
            pageText_ = QTextDocumentFragment::fromHtml(QString::fromStdString(pageHtml_)).toPlainText();
        }
        return pageText_;
    }

    static void chooseRow(platform::TableViewCell& cell)
    {
        for (View* up = cell.superview(); up; up = up->superview())
            if (auto* table = dynamic_cast<platform::TableView*>(up)) {
                for (int row = 0; row < table->numberOfRows(); ++row)
                    if (table->cellForRow(row) == &cell)
                        table->selectRow(row);
                return;
            }
    }

    QAccessibleInterface* swatchInterface(int index) const;

    std::weak_ptr<View> view_;
    mutable std::string pageHtml_;
    mutable QString pageText_;
};

// Interfaces live as long as their views: the registry keeps one for each view and swatch it was
// asked about, and lets go of those whose view is gone.
struct Registry {
    std::map<const View*, std::pair<std::weak_ptr<View>, QAccessible::Id>> views;
    std::map<std::pair<const View*, int>, std::pair<std::weak_ptr<View>, QAccessible::Id>> swatches;

    void forgetTheGone()
    {
        auto forget = [](auto& known) {
            std::erase_if(known, [](const auto& entry) {
                if (!entry.second.first.expired())
                    return false;
                QAccessible::deleteAccessibleInterface(entry.second.second);
                return true;
            });
        };
        forget(views);
        forget(swatches);
    }
};

Registry& registry()
{
    static Registry r;
    return r;
}

QAccessibleInterface* interfaceFor(View* view)
{
    if (!view)
        return nullptr;
    auto& known = registry().views;
    if (auto it = known.find(view); it != known.end() && !it->second.first.expired())
        return QAccessible::accessibleInterface(it->second.second);
    registry().forgetTheGone();
    auto* made = new ViewAccessible(*view);
    known[view] = {view->weak_from_this(), QAccessible::registerAccessibleInterface(made)};
    return made;
}

// The interface made for a view still there, if any was: a view gone may only be looked up.
QAccessibleInterface* knownInterface(const View* view)
{
    auto& known = registry().views;
    auto it = known.find(view);
    return it != known.end() && !it->second.first.expired() ? QAccessible::accessibleInterface(it->second.second) : nullptr;
}

QAccessibleInterface* ViewAccessible::swatchInterface(int index) const
{
    auto v = view_.lock();
    auto& known = registry().swatches;
    const auto key = std::make_pair(static_cast<const View*>(v.get()), index);
    if (auto it = known.find(key); it != known.end() && !it->second.first.expired())
        return QAccessible::accessibleInterface(it->second.second);
    auto* made = new SwatchAccessible(v, index);
    known[key] = {v, QAccessible::registerAccessibleInterface(made)};
    return made;
}

// The window: its children are the exposed views of the phone screen.
class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Window, "TavrinPlus") {}

    int childCount() const override { return int(exposed().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const auto all = exposed();
        return index >= 0 && index < int(all.size()) ? interfaceFor(all[size_t(index)]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto all = exposed();
        for (size_t i = 0; i < all.size(); ++i)
            if (interfaceFor(all[i]) == child)
                return int(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (View* v : exposed())
            if (QAccessibleInterface* c = interfaceFor(v); c->rect().contains(x, y))
                return c;
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override { return interfaceFor(application->focusedView()); }

private:
    static std::vector<View*> exposed() { return exposedChildren(application->window()); }
};

QAccessibleInterface* factory(const QString&, QObject* object)
{
    if (auto* window = dynamic_cast<PhoneWindow*>(object))
        return new WindowAccessible(window);
    return nullptr;
}

std::function<void(QAccessibleEvent&)> testListener;

// Whether anything hears what is told: nothing is worked out for it otherwise.
bool listening() { return QAccessible::isActive() || testListener; }

void send(QAccessibleEvent& event)
{
    if (testListener)
        testListener(event);
    else
        QAccessible::updateAccessibility(&event);
}

void tell(QAccessibleInterface* told, QAccessible::Event type)
{
    QAccessibleEvent event(told, type);
    send(event);
}

void tellChange(View& view, const platform::Application::ViewChange& change)
{
    if (!listening() || !isInTree(view))
        return;
    QAccessibleInterface* changed = interfaceFor(&view);
    using Change = platform::Application::ViewChange;
    switch (change.kind) {
    case Change::Name: tell(changed, QAccessible::NameChanged); break;
    case Change::Value:
        if (QAccessibleValueInterface* value = changed->valueInterface()) {
            QAccessibleValueChangeEvent event(changed, value->currentValue());
            send(event);
        }
        break;
    case Change::Text:
        if (auto* field = dynamic_cast<platform::TextField*>(&view)) {
            QAccessibleTextUpdateEvent event(changed, qtOffset(field->text(), change.at), QString::fromStdString(change.removed),
                                             QString::fromStdString(change.inserted));
            send(event);
        }
        break;
    case Change::Selection:
        if (auto* palette = dynamic_cast<SwatchPaletteView*>(&view)) {
            // The spectrum is named with the colour marked on it; a palette's swatch is chosen.
            const auto& swatches = palette->swatches();
            auto marked = std::find_if(swatches.begin(), swatches.end(), [&](const Swatch& s) { return palette->mark() == s; });
            if (swatches.empty())
                tell(changed, QAccessible::NameChanged);
            else if (marked != swatches.end())
                tell(changed->child(int(marked - swatches.begin())), QAccessible::SelectionAdd);
        } else if (dynamic_cast<platform::TableViewCell*>(&view)) {
            tell(changed, changed->state().selected ? QAccessible::SelectionAdd : QAccessible::SelectionRemove);
        } else {
            QAccessible::State checked;
            checked.checked = true;
            QAccessibleStateChangeEvent event(changed, checked);
            send(event);
        }
        break;
    }
}

// The children of every view assistive technology saw when it was last told, the window's among them.
std::map<View*, std::vector<View*>> toldChildren;

void collectTree(View& parent, std::map<View*, std::vector<View*>>& tree)
{
    const auto& children = tree[&parent] = exposedChildren(parent);
    for (View* child : children)
        collectTree(*child, tree);
}

// Whoever starts listening reads the tree as it stands then; what changes after is told.
class TreeTaker final : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override
    {
        toldChildren.clear();
        if (active && application)
            collectTree(application->window(), toldChildren);
    }
};

} // namespace

void installViewAccessibility(platform::Application& app)
{
    application = &app;
    toldChildren.clear();
    static std::once_flag observing;
    std::call_once(observing, [] {
        static TreeTaker treeTaker;
        QAccessible::installActivationObserver(&treeTaker);
    });
    QAccessible::installFactory(factory);
    app.onFocusChanged = [](View* view) {
        if (view && listening())
            tell(interfaceFor(view), QAccessible::Focus);
    };
    app.onViewChanged = tellChange;
}

void announceTreeChanges()
{
    if (!application || !listening())
        return;
    std::map<View*, std::vector<View*>> seen;
    collectTree(application->window(), seen);
    const auto before = std::exchange(toldChildren, std::move(seen));
    if (before.empty())
        return; // the tree as it first stands is read, not told
    // Told as views created and destroyed under their parents: the bridge turns those into the
    // children-changed events clients read (its reorder event carries what they cannot). Only the
    // parents seen both times are told of: what comes or goes inside a view that came or went is read
    // with it.
    for (const auto& [parent, children] : toldChildren) {
        auto was = before.find(parent);
        if (was == before.end() || was->second == children)
            continue;
        for (View* child : was->second)
            if (std::find(children.begin(), children.end(), child) == children.end())
                if (QAccessibleInterface* gone = knownInterface(child))
                    tell(gone, QAccessible::ObjectDestroyed);
        for (View* child : children)
            if (std::find(was->second.begin(), was->second.end(), child) == was->second.end())
                tell(interfaceFor(child), QAccessible::ObjectCreated);
    }
}

void listenForTesting(std::function<void(QAccessibleEvent&)> hear) { testListener = std::move(hear); }

} // namespace desktop
