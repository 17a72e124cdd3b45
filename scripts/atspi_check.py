#!/usr/bin/env python3
"""Plays one whole match of a running Tarolás with the keyboard alone, reading only what the
accessibility bus (AT-SPI) exposes, and prints every announcement (notification), change of the
table's state, focus change and message box it hears. A manual check of the screen-reader support,
not part of `make test`.

Needs python3-gi, gir1.2-atspi-2.0 and xdotool (and, under Xvfb, a window manager such as openbox,
so that the keyboard focus goes back to the game when a message box closes). Run it inside the
game's session bus, for example:

  xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- sh -c '
    openbox & /usr/libexec/at-spi-bus-launcher --launch-immediately & sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ./build/tarolas & sleep 3
    python3 scripts/atspi_check.py'

The player it plays is simple: F2 for a new match; on its turn Home, a few Right, then Enter; a
refused card's box is closed and another card tried; "Kész", "40" and "20" are taken with Alt+K,
Alt+4, Alt+2 when the bus shows them; at the match-over question it answers "Nem" and stops.
"""

import random
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

random.seed(11)
heard = []


def say(kind, text):
    line = f"{time.strftime('%H:%M:%S')} {kind}: {text}"
    heard.append(line)
    print(line, flush=True)


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=False)


def on_event(ev):
    src = ev.source
    try:
        name = src.get_name()
        # Read back when the event is handled: after a burst of keys that is the newest text.
        if ev.type.startswith("object:state-changed:showing") and ev.detail1:
            # What happens is raised as a notification holding its sentence in a label.
            if src.get_role() == Atspi.Role.NOTIFICATION and src.get_child_count():
                say("announcement", src.get_child_at_index(0).get_name())
        elif ev.type.startswith("object:property-change:accessible-description"):
            say("state", src.get_description())
        elif ev.type.startswith("object:property-change:accessible-name"):
            if src.get_role() == Atspi.Role.LABEL and name and src.get_parent().get_role() != Atspi.Role.NOTIFICATION:
                say("label", name)
        elif ev.type.startswith("object:state-changed:focused") and ev.detail1:
            say("focus", f"{name} ({src.get_role_name()})")
    except GLib.Error:
        pass


def descendants(node, depth=0):
    if node is None or depth > 8:
        return
    yield node
    for i in range(node.get_child_count()):
        yield from descendants(node.get_child_at_index(i), depth + 1)


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def find_app():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app and app.get_name() in ("Tarolás", "tarolas"):
            return app
    return None


class Player:
    def __init__(self, app):
        self.app = app
        self.steps = 0
        self.started = False
        self.done = False
        self.last_box = None

    def windows(self):
        return [self.app.get_child_at_index(i) for i in range(self.app.get_child_count())]

    def box(self):
        for w in self.windows():
            if w and w.get_role() in (Atspi.Role.ALERT, Atspi.Role.DIALOG) and showing(w):
                texts = [n.get_name() for n in descendants(w) if n.get_role() == Atspi.Role.LABEL and n.get_name()]
                return w, " | ".join(texts)
        return None, None

    def table(self):
        for n in descendants(self.app):
            if n.get_name() == "Kártyaasztal":
                return n
        return None

    def step(self):
        self.steps += 1
        if self.done or self.steps > 4000:
            Atspi.event_quit()
            return False
        if not self.started:
            say("tree", "table found" if self.table() else "no table")
            subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Tarolás$", "windowactivate"], check=False)
            key("F2")
            self.started = True
            return True
        w, text = self.box()
        if w is not None:
            if text != self.last_box:
                say("box", text.replace("\r", " / ").replace("\n", " / "))
                self.last_box = text
            if "Akarsz még egyet játszani?" in text:
                key("n")
                self.done = True
            else:
                key("Return")
            return True
        self.last_box = None
        table = self.table()
        if table is None:
            return True
        names = [table.get_child_at_index(i) for i in range(table.get_child_count())]
        buttons = {n.get_name(): n for n in names if n.get_role() == Atspi.Role.PUSH_BUTTON and showing(n)}
        for caption, keys in (("Kész", "alt+k"), ("40", "alt+4"), ("20", "alt+2")):
            if caption in buttons:
                say("press", caption)
                key(keys)
                return True
        lists = [n for n in names if n.get_role() == Atspi.Role.LIST]
        hand = [lists[0].get_child_at_index(i).get_name() for i in range(lists[0].get_child_count())] if lists else []
        if self.steps % 25 == 0:
            say("table", "; ".join(n.get_name() for n in names if n.get_role() != Atspi.Role.PUSH_BUTTON))
        if hand:
            key("Home", *(["Right"] * random.randrange(len(hand))), "Return")
        return True


def main():
    app = None
    for _ in range(50):
        app = find_app()
        if app:
            break
        time.sleep(0.2)
    if not app:
        print("Tarolás is not on the accessibility bus", file=sys.stderr)
        return 1
    listener = Atspi.EventListener.new(on_event)
    for kind in ("object:state-changed:showing", "object:property-change:accessible-description",
                 "object:property-change:accessible-name", "object:state-changed:focused"):
        listener.register(kind)
    player = Player(app)
    GLib.timeout_add(400, player.step)
    Atspi.event_main()
    announcements = sum(" announcement: " in h for h in heard)
    print(f"heard {announcements} announcements, {len(heard)} lines; match over: {player.done}")
    return 0 if player.done and announcements else 1


if __name__ == "__main__":
    sys.exit(main())
