"""Reads and drives the running program through the AT-SPI bus, as a screen
reader user would: the title's action, the settings window's button, the card
read as five texts, the menu from the Menu key and Shift+F10, the card's
action, and a typeface entry's action.

    /usr/bin/python3 read_card.py PROGRAM_PID

Keys go to the program through xdotool and the clipboard is read with xclip,
so DISPLAY must be the program's. Prints what it read; exits non-zero with a
message on the first check that fails.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

pid = int(sys.argv[1])
TITLE = "戯詠帖"


def fail(message):
    print(f"accessibility: {message}", file=sys.stderr)
    sys.exit(1)


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(condition, seconds, what):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        pump()
        try:
            value = condition()
        except Exception:  # an object that went away while it was read
            value = None
        if value:
            return value
        time.sleep(0.05)
    fail(f"{what} within {seconds} s; windows {[(w.getRoleName(), w.name) for w in windows()]}")


def program():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.get_process_id() == pid:
            return application
    return None


def windows():
    application = program()
    return [w for w in application if w is not None] if application else []


def window(name, role=None, exclude=None):
    for w in windows():
        if w.name == name and (role is None or w.getRole() == role) and w != exclude:
            if w.getState().contains(pyatspi.STATE_SHOWING):
                return w
    return None


def find(root, predicate):
    if predicate(root):
        return root
    for child in root:
        if child is not None:
            found = find(child, predicate)
            if found is not None:
                return found
    return None


def actions(accessible):
    try:
        action = accessible.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def press(accessible):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail(f"{accessible.getRoleName()} '{accessible.name}' offers no Press action, only {names}")
    action.doAction(names.index("Press"))


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def activate(frame):
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$", "windowactivate", "--sync"],
                   check=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for(lambda: frame.getState().contains(pyatspi.STATE_ACTIVE), 5, "the card window did not become active")


def clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, check=True).stdout.decode()


# What a screen reader following the card hears: events on the card window and
# its columns, counted from here on.
heard = []
renamed = []
# A pop-up menu is no child of the program's windows: a screen reader learns
# of it when it is shown.
menus = []


def on_description(event):
    heard.append((event.source, event.source.description))


def on_name(event):
    renamed.append(event.source)


def on_showing(event):
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_POPUP_MENU:
        menus.append(event.source)


pyatspi.Registry.registerEventListener(on_description, "object:property-change:accessible-description")
pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")

# --- The title screen: its picture's action continues start-up.
title = wait_for(lambda: window(TITLE), 20, "the title screen did not appear on the AT-SPI bus")
picture = find(title, lambda a: a.getRole() == pyatspi.ROLE_IMAGE)
if picture is None:
    fail(f"the title screen holds no picture: {[c.getRoleName() for c in title]}")
print(f"title: {picture.getRoleName()} '{picture.name}', actions {actions(picture)}")
press(picture)
settings = wait_for(lambda: window("戯詠帖／歌種指定"), 10, "the title's action did not lead to the settings window")
ok = find(settings, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == "よろし")
if ok is None:
    fail("the settings window has no button よろし")
press(ok)

# --- The card: five texts that equal the copy.
card = wait_for(lambda: window(TITLE, pyatspi.ROLE_FRAME, exclude=title) if not window("戯詠帖／歌種指定") else None,
                10, "the card window did not appear")
print(f"card: {card.getRoleName()} '{card.name}'")
wait_for(lambda: any(source == card for source, _ in heard), 60, "the card window never told its finished poem")


def card_parts():
    picture = [c for c in card if c.getRole() == pyatspi.ROLE_IMAGE]
    labels = [c for c in card if c.getRole() == pyatspi.ROLE_LABEL]
    if len(picture) != 1 or len(labels) != 5:
        fail(f"the card holds {[(c.getRoleName(), c.name) for c in card]}, not one picture and five labels")
    return picture[0], labels


def read_card():
    picture, labels = card_parts()
    texts = []
    for label in labels:
        text = label.queryText()
        content = text.getText(0, -1)
        if content != label.name:
            fail(f"a column's text '{content}' is not its name '{label.name}'")
        texts.append(content)
    return picture, labels, texts


def copy_through_menu():
    activate(card)
    key("Menu")
    menu = wait_for(open_menu, 5, "the Menu key did not open the menu")
    key("c")
    wait_for(lambda: open_menu() is None, 5, "the menu did not close on its access key C")


def open_menu():
    for menu in reversed(menus):
        if menu.getState().contains(pyatspi.STATE_SHOWING):
            return menu
    return None


def expect_reads_as_copy(when):
    picture, labels, texts = read_card()
    copy_through_menu()
    copied = wait_for(lambda: clipboard() or None, 5, "nothing was copied")
    read = "".join(t + "\r\n" for t in texts)
    if read != copied:
        fail(f"{when}: the card reads {read!r}, the copy is {copied!r}")
    print(f"{when}: card picture '{picture.name}', actions {actions(picture)}")
    for n, label in enumerate(labels):
        print(f"  {label.getRoleName()} {n + 1}: '{label.name}', actions {actions(label)}")
    return texts


first = expect_reads_as_copy("first poem")
heard_before = len([1 for source, _ in heard if source == card])
if heard_before != 1:
    fail(f"the first poem was told {heard_before} times")

# --- The menu from the keyboard: six captions and the check mark.
for keys in (["Menu"], ["shift+F10"]):
    activate(card)
    key(*keys)
    menu = wait_for(open_menu, 5, f"{'+'.join(keys)} did not open the menu")
    items = [c for c in menu if c.getRole() != pyatspi.ROLE_SEPARATOR]
    captions = [c.name for c in items]
    checked = [c.name for c in items if c.getState().contains(pyatspi.STATE_CHECKED)]
    x, y, w, h = menu.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    cx, cy, cw, ch = card.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    print(f"{'+'.join(keys)}: menu at {x},{y} over the card {cx},{cy} {cw}x{ch}: {captions}, checked {checked}")
    if len(captions) != 6:
        fail(f"the menu shows {captions}, not six captions")
    if checked != [captions[-1]] or not captions[-1].startswith("BGM ON/OFF"):
        fail(f"the check mark stands on {checked}, not on BGM ON/OFF alone")
    card_centre = (cx + cw // 2, cy + ch // 2)
    if abs(x - card_centre[0]) > 3 or abs(y - card_centre[1]) > 3:
        fail(f"the menu opened at {x},{y}, not at the card's centre {card_centre}")
    key("Escape")
    wait_for(lambda: open_menu() is None, 5, "Escape did not close the menu")

# --- The card's action composes the next poem, told once.
picture, labels = card_parts()
renamed.clear()
heard.clear()
press(picture)
wait_for(lambda: any(source == card for source, _ in heard), 60, "the card's action brought no finished poem")
pump()
told = [text for source, text in heard if source == card]
second = expect_reads_as_copy("after the card's action")
if len(told) != 1 or told[0] != "\n".join(second):
    fail(f"the next poem was told as {told}, not once as {second}")
for label in labels:
    times = renamed.count(label)
    if times != 1:
        fail(f"the column '{label.name}' told its name {times} times for one poem, not once")
print(f"told once: {told[0]!r}")

# --- A typeface entry's action changes the columns' face, not the poet name's.
def face(label):
    attributes, _, _ = label.queryText().getAttributes(0)
    for pair in attributes.split(";"):
        name, _, value = pair.strip().partition(":")
        if name in ("family-name", "font-family"):
            return value.strip().strip('"')
    return None


faces_before = [face(label) for label in labels]
activate(card)
key("Menu")
wait_for(open_menu, 5, "the Menu key did not open the menu")
key("f")
dialog = wait_for(lambda: window("戯詠帖／書体選択"), 10, "書体変更 did not open the typeface window")
entries = wait_for(lambda: [e for e in (find(dialog, lambda a: a.getRole() == pyatspi.ROLE_LIST) or []) if e],
                   5, "the typeface window holds no list entries")
choice = next((e for e in entries if e.name != faces_before[0]), None)
if choice is None:
    fail(f"no typeface other than {faces_before[0]} is listed")
print(f"typeface list: {len(entries)} entries, actions {actions(choice)}; choosing '{choice.name}'")
chosen = choice.name
press(choice)
wait_for(lambda: window("戯詠帖／書体選択") is None, 5, "the entry's action did not close the typeface window")
faces_after = wait_for(lambda: [face(label) for label in labels] if face(labels[0]) == chosen else None, 5,
                       f"the columns did not take the face {chosen}: {labels[0].queryText().getAttributes(0)}")
if faces_after[:4] != [chosen] * 4 or faces_after[4] != faces_before[4]:
    fail(f"faces before {faces_before}, after {faces_after}")
print(f"faces: {faces_before} -> {faces_after}")
