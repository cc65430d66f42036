"""What a screen reader (Orca) finds through AT-SPI in the running program.

Walks the main window and the Setup, Output Destination and About windows
(opened through their menu entries), lists every control's role and name,
and fails on a control without a name, or a drop-down list named only by a
value it holds. Then toggles "Automatic delete" with the accessibility
toggle action and expects the warning. Run by atspi_session.sh.
"""
import subprocess
import sys
import time

import pyatspi

NAMED_ROLES = {
    "push button", "check box", "radio button", "text", "combo box", "list",
    "list item", "label", "image", "menu item", "page tab", "dialog", "frame",
}
faults = []


def wait_for(find, what, seconds=10.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} did not appear")


def children(node):
    try:
        return [child for child in node if child is not None]
    except Exception:  # a node that went away while we looked
        return []


def program():
    for app in children(pyatspi.Registry.getDesktop(0)):
        if any(w.name == "Trelvin Sondrake 1.41" for w in children(app)):
            return app
    return None


def window(app, title):
    return next((w for w in children(app) if w.name == title
                 and w.getState().contains(pyatspi.STATE_VISIBLE)), None)


def find(node, role, name):
    if node.getRoleName() == role and node.name == name:
        return node
    for child in children(node):
        hit = find(child, role, name)
        if hit is not None:
            return hit
    return None


def act(node, action):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i).lower() == action:
            actions.doAction(i)
            return
    sys.exit(f"FAIL: {node.getRoleName()} {node.name!r} has no {action} action")


def walk(node, title, depth=0):
    role = node.getRoleName()
    print("  " * depth + f"{role} {node.name!r}")
    if role in NAMED_ROLES:
        if not node.name.strip():
            faults.append(f"{title}: {role} without a name")
        elif node.name != node.name.lstrip():
            faults.append(f"{title}: {role} {node.name!r} starts with blanks")
    if role == "combo box":
        held = {item.name for list_ in children(node) for item in children(list_)}
        if node.name in held:
            faults.append(f"{title}: combo box named only by its value {node.name!r}")
    for child in children(node):
        walk(child, title, depth + 1)


def act_apart(role, name, action):
    """Acts on a control of the main window from a process of its own: the
    program answers an action only once the modal window it opens closes."""
    return subprocess.Popen([sys.executable, __file__, "--act", role, name, action])


if sys.argv[1:2] == ["--act"]:
    role, name, action = sys.argv[2:5]
    main = window(wait_for(program, "the main window"), "Trelvin Sondrake 1.41")
    try:
        act(find(main, role, name), action)
    except Exception:
        pass  # no reply in time: the modal window was left open
    sys.exit(0)

app = wait_for(program, "the main window")
main = window(app, "Trelvin Sondrake 1.41")
walk(main, main.name)
for entry, title, close in (("Setup", "Setup", "Cancel"),
                            ("Destination", "Output Destination", "Cancel"),
                            ("About", "About Sondrake", "Cool!")):
    opener = act_apart("menu item", entry, "press")
    dialog = wait_for(lambda: window(app, title), f'the "{title}" window')
    walk(dialog, title)
    act(find(dialog, "push button", close), "press")
    wait_for(lambda: None if window(app, title) else True, f'"{title}" closing')
    opener.wait(timeout=30)

toggler = act_apart("check box", "Automatic delete", "toggle")
warning = wait_for(lambda: window(app, "Warning"), "the Automatic delete warning")
walk(warning, "Warning")
act(find(warning, "push button", "OK"), "press")
toggler.wait(timeout=30)
if not find(main, "check box", "Automatic delete").getState().contains(pyatspi.STATE_CHECKED):
    faults.append("Automatic delete is not checked after its toggle action")

if faults:
    print("\n".join("FAIL: " + fault for fault in faults))
    sys.exit(1)
print("every control has a name; the toggle action warns")
