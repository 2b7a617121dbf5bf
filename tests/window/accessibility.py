# Finds the main menu's buttons by name, presses "Style" through its accessibility action and finds
# the style menu's buttons, as a screen reader or an automation tool would.
import sys
import time

import pyatspi


def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what}")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "TavrinPlus":
            return app
    return None


def buttons(app):
    # Read afresh: what the window shows changes under the client's cache.
    pyatspi.Atspi.Accessible.clear_cache(app)
    found = {}

    def walk(node):
        if node.getRoleName() == "push button":
            found[node.name] = node
        for i in range(node.childCount):
            walk(node.getChildAtIndex(i))

    walk(app)
    return found


app = wait_for("the window never reached the accessibility bus", application)
menu = {"Information", "Style", "Photo", "Phone", "Lock Screen", "Web Page", "Save Wallpaper", "Hide"}
shown = wait_for("the main menu's buttons: " + ", ".join(sorted(menu)),
                 lambda: (b := buttons(app)) and menu <= set(b) and b)

action = shown["Style"].queryAction()
press = [i for i in range(action.nActions) if action.getName(i).lower() == "press"]
if not press:
    sys.exit("FAIL: Style has no press action")
action.doAction(press[0])

style = {"Style Library", "New Style", "Back"}
wait_for("the style menu's buttons after pressing Style: " + ", ".join(sorted(style)),
         lambda: (b := buttons(app)) and style <= set(b) and "Information" not in b)
print("the main menu and the style menu read and pressed through AT-SPI")
