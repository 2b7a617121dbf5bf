# Finds the main menu's buttons by name, presses "Style" through its accessibility action and finds
# the style menu's buttons, the focus among them, as a screen reader or an automation tool would; hears the window's
# children change as the menu changes, and the opacity slider's value change as it is set; reads
# the information's fields as text.
import sys
import time

import pyatspi
from gi.repository import GLib


def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        # The listeners hear the application's events through the main loop.
        while GLib.MainContext.default().iteration(False):
            pass
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} (heard: {heard})")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "TavrinPlus":
            return app
    return None


def controls(app, role):
    # Read afresh: what the window shows changes under the client's cache.
    pyatspi.Atspi.Accessible.clear_cache(app)
    found = {}

    def walk(node):
        if node.getRoleName() == role:
            found[node.name] = node
        for i in range(node.childCount):
            walk(node.getChildAtIndex(i))

    walk(app)
    return found


def buttons(app):
    return controls(app, "push button")


def press(button):
    action = button.queryAction()
    names = [i for i in range(action.nActions) if action.getName(i).lower() == "press"]
    if not names:
        sys.exit(f"FAIL: {button.name} has no press action")
    action.doAction(names[0])


def back_to_menu():
    shown = buttons(app)
    if "Back" in shown and "Information" not in shown:
        press(shown["Back"])
    return shown.get("Information")


heard = []


def hear(event):
    heard.append((event.type, event.source.getRoleName() if event.source else ""))


def heard_from(kind, role):
    return any(str(t).startswith(kind) and r == role for t, r in heard)


app = wait_for("the window never reached the accessibility bus", application)
menu = {"Information", "Style", "Photo", "Phone", "Lock Screen", "Web Page", "Save Wallpaper", "Hide"}
shown = wait_for("the main menu's buttons: " + ", ".join(sorted(menu)),
                 lambda: (b := buttons(app)) and menu <= set(b) and b)

pyatspi.Registry.registerEventListener(hear, "object:children-changed", "object:property-change:accessible-value")
press(shown["Style"])
style = {"Style Library", "New Style", "Back"}
shown = wait_for("the style menu's buttons after pressing Style: " + ", ".join(sorted(style)),
                 lambda: (b := buttons(app)) and style <= set(b) and "Information" not in b and b)
wait_for("the window's children changing as the style menu came", lambda: heard_from("object:children-changed", "frame"))
# The press was keyboard use: the focus went into what it opened, where a reader follows it.
wait_for("the focus on one of the style menu's buttons",
         lambda: any(shown[name].getState().contains(pyatspi.STATE_FOCUSED) for name in style))

for way in ("New Style", "Strip", "Opacity"):
    press(wait_for(f"a button {way}", lambda: buttons(app).get(way)))
slider = wait_for("the opacity slider", lambda: next(iter(controls(app, "slider").values()), None))
value = slider.queryValue()
before = value.currentValue
value.currentValue = 0.5 if before < 0.4 else 0.25
wait_for("the slider's value heard changing", lambda: heard_from("object:property-change:accessible-value", "slider"))
if abs(value.currentValue - before) < 0.1:
    sys.exit(f"FAIL: the slider stayed at {value.currentValue}")

# Back to the main menu, and the information's fields read as text.
press(wait_for("the main menu after going back", back_to_menu))
fields = wait_for("the information's fields", lambda: controls(app, "text"))
texts = {name: field.queryText().getText(0, -1) for name, field in fields.items()}
if texts.get("Phone number") != "911":
    sys.exit(f"FAIL: the fields read {texts}")
print("the menus read and pressed through AT-SPI, the focus followed, their changes and the slider's value heard, the fields read")
