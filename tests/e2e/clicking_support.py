"""Verbs of the clicking tests, built on the harness: choosing controls' values as a user would,
capturing a point with F1, answering message boxes, reading the clock label, and recording the
clicks that a click target receives with the wall-clock time each was read.

Standard library only.
"""

import datetime
import json
import re
import subprocess
import sys
import time

from harness import ARTIFACTS, ClickTarget, HarnessError, controls_by_id, wait_for
from window_description import START_KEYS, by_name, control_id

# Where the helper windows go: the program's window sits in the middle of the 1280x1024 screen,
# the click target in the top-left quarter, and "elsewhere" is bare root window on the right.
TARGET_RECT = (100, 100, 300, 300)  # x, y, width, height
TARGET_POINT = (250, 250)
ELSEWHERE = (1100, 900)

SHOWN_HEIGHT, EXPANDED_HEIGHT = 185, 347
WS_EX_TOPMOST = 0x8
IDOK, IDYES, IDNO = 1, 6, 7

LOCK_NOTICE = " 上键 关闭锁定，按确定钮每次点击锁定按钮不出现此信息框"
SCHEDULE_NOTICE = "时间到了自动点击的时候，想关闭的话请按下F4就行了。"
CAPTURE_ON, CAPTURE_OFF = "已开启！", "已关闭！"

BUTTON_DOWNS = {"WM_LBUTTONDOWN", "WM_LBUTTONDBLCLK", "WM_RBUTTONDOWN", "WM_RBUTTONDBLCLK"}


def cid(name):
    """The control id of a control of the window description."""
    return control_id(by_name(name).row)


# -- clicks received -------------------------------------------------------------------------

class ClickRecorder:
    """A click target's events, each with `received`: the wall-clock time its line was read.
    The target stamps events with Wine's tick count; `wall_time` maps that onto the wall clock
    by the smallest delay seen between an event and its reading."""

    def __init__(self, target):
        self.target = target
        self.events = []

    def read_until(self, deadline, enough=lambda events: False):
        while not enough(self.events):
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                return
            try:
                line = self.target.reader.next(remaining)
            except TimeoutError:
                return
            event = json.loads(line)
            event["received"] = time.time()
            self.events.append(event)

    def read_for(self, seconds):
        self.read_until(time.monotonic() + seconds)

    def wait_for_downs(self, count, timeout):
        """The events up to the count-th button press; TimeoutError if fewer come in time."""
        def enough(events):
            return len(presses(events)) >= count
        self.read_until(time.monotonic() + timeout, enough)
        if not enough(self.events):
            raise TimeoutError(f"{len(presses(self.events))} of {count} button presses arrived "
                               f"within {timeout:.1f} s; events: {self.events[-8:]}")
        return self.events

    def assert_quiet_after_stop(self, test, settle=0.5, watch=1.5):
        """After a stop: events still in flight arrive during `settle`; none may come later."""
        self.read_for(settle)
        before = len(self.events)
        self.read_for(watch)
        late = self.events[before:]
        test.assertEqual(late, [], f"clicks went on {settle:.1f} s after the stop")

    def wall_time(self, event):
        offset = min(e["received"] - e["ms"] / 1000.0 for e in self.events)
        return event["ms"] / 1000.0 + offset


def presses(events):
    return [e for e in events if e["event"] in BUTTON_DOWNS]


def group_by_tick(events, gap_ms=200):
    """The events split where more than gap_ms passes between two of them."""
    groups = []
    for event in events:
        if groups and event["ms"] - groups[-1][-1]["ms"] <= gap_ms:
            groups[-1].append(event)
        else:
            groups.append([event])
    return groups


def press_rate(events):
    """Button presses per second between the first and the last press."""
    downs = presses(events)
    span = (downs[-1]["ms"] - downs[0]["ms"]) / 1000.0
    return (len(downs) - 1) / span if span > 0 else 0.0


def start_click_target(test):
    target = ClickTarget(test.desktop, *TARGET_RECT)
    test.addCleanup(target.close)
    return target, ClickRecorder(target)


# -- the program's window ----------------------------------------------------------------------

def control(tree, name):
    return controls_by_id(tree)[cid(name)]


def text_of(test, name):
    return control(test.current_tree(), name)["text"]


def wait_for_text(test, name, text, timeout=10):
    return test.wait_for_tree(lambda t: control(t, name)["text"] == text,
                              f"{name} to read {text!r}", timeout)


def set_text(test, name, text):
    answer = test.inspector.command("set-text", cid(name), text.encode("utf-8").hex())
    test.assertTrue(answer["ok"], f"set-text {name}: {answer}")
    wait_for_text(test, name, text)


def select_item(test, name, index):
    answer = test.inspector.command("select", cid(name), index)
    test.assertTrue(answer["ok"], f"select {index} in {name}: {answer}")


def choose_start_key(test, key):
    """Picks the key from StartKeyCombo's list; the handler moves the focus to IntervalEdit."""
    select_item(test, "StartKeyCombo", START_KEYS.index(key))
    interval = cid("IntervalEdit")
    test.wait_for_tree(lambda t: t["focus"] and t["focus"]["id"] == interval
                       and control(t, "StartKeyCombo")["text"] == key,
                       f"the choice of {key} to move the focus to IntervalEdit")


def key_name(key):
    """xdotool's name of a start key: a capital would be typed with Shift, which is not the
    hotkey."""
    return key.lower() if len(key) == 1 else key


def press_start_key(test, key, key_window):
    test.press_key(key_name(key), key_window)


def user_click(test, name):
    """A real left click in the middle of the control."""
    answer = test.inspector.command("mouse-click", cid(name))
    test.assertTrue(answer["ok"], f"mouse-click {name}: {answer}")


def window_height(tree):
    top, bottom = tree["window"]["screen"][1], tree["window"]["screen"][3]
    return bottom - top


# How long a check box may take to show a click before the click counts as lost.
CLICK_LANDING_TIMEOUT = 3
CLICK_ATTEMPTS = 3


def toggle_check(test, name):
    """A real click that flips the check box. Wine now and then loses a click that comes while
    it is still activating a newly shown window of another process; only a click that left the
    box as it was is sent again, so a slow click is never taken back by a second one."""
    was = control(test.current_tree(), name)["checked"]
    for attempt in range(1, CLICK_ATTEMPTS + 1):
        user_click(test, name)
        try:
            return test.wait_for_tree(lambda t: control(t, name)["checked"] != was,
                                      f"{name} to change from {was}", CLICK_LANDING_TIMEOUT)
        except TimeoutError:
            if attempt == CLICK_ATTEMPTS:
                raise
            print(f"\n[e2e] click on {name} lost (attempt {attempt}); clicking again",
                  file=sys.stderr)


def expand_schedule_area(test):
    toggle_check(test, "ScheduleAreaCheck")
    return test.wait_for_tree(lambda t: window_height(t) == EXPANDED_HEIGHT,
                              f"the window to grow to {EXPANDED_HEIGHT} pixels")


def pointer_location(test):
    answer = test.desktop.xdotool("getmouselocation", "--shell")
    values = dict(line.split("=", 1) for line in answer.split() if "=" in line)
    return int(values["X"]), int(values["Y"])


def move_pointer(test, x, y):
    # xdotool's --sync waits for a motion, which never comes if the pointer is there already.
    if pointer_location(test) != (x, y):
        test.desktop.xdotool("mousemove", "--sync", x, y)


def capture_point(test, key_window, x, y):
    """F1 on, pointer to (x, y) until XEdit and YEdit show it, F1 off."""
    test.press_key("F1", key_window)
    wait_for_text(test, "CaptureStateLabel", CAPTURE_ON)
    move_pointer(test, x, y)
    test.wait_for_tree(lambda t: (control(t, "XEdit")["text"], control(t, "YEdit")["text"])
                       == (str(x), str(y)), f"XEdit and YEdit to show {x}, {y}")
    test.press_key("F1", key_window)
    wait_for_text(test, "CaptureStateLabel", CAPTURE_OFF)


# -- message boxes -----------------------------------------------------------------------------

def answer_box(test, text, button_id, timeout=15):
    """Waits for the program's box with the text and presses its button; then the box is gone."""
    def find():
        return next((b for b in test.inspector.message_boxes() if b["text"] == text), None)
    box = wait_for(find, timeout, what=f"the box {text!r}; boxes: {test.inspector.message_boxes()}")
    test.assertIn(button_id, [b["id"] for b in box["buttons"]], f"buttons of the box: {box}")
    test.assertTrue(test.inspector.command("press-box", box["hwnd"], button_id)["ok"])
    wait_for(lambda: all(b["hwnd"] != box["hwnd"] for b in test.inspector.message_boxes()),
             timeout, what=f"the box {text!r} to close")
    return box


# -- the clock ---------------------------------------------------------------------------------

CLOCK_TEXT = re.compile(r"^(\d+)年(\d+)月(\d+)日(?:(\d+)时)?(?:(\d+)分)?(?:(\d+)秒)?$")


def parse_clock_text(text):
    """The date-time of a ClockLabel text such as 2024年3月5日14时7分9秒 (trailing zero parts
    are left out); None if the text has another form."""
    match = CLOCK_TEXT.match(text)
    if not match:
        return None
    parts = [int(p) if p else 0 for p in match.groups()]
    return datetime.datetime(*parts)


def fresh_clock_reading(test, timeout=10):
    """ClockLabel's text just after a tick has changed it, and the host's local time then."""
    first = text_of(test, "ClockLabel")
    tree = test.wait_for_tree(lambda t: control(t, "ClockLabel")["text"] not in ("", first),
                              "ClockLabel to change at a tick", timeout)
    return control(tree, "ClockLabel")["text"], datetime.datetime.now()


# -- screenshots -------------------------------------------------------------------------------

def window_screenshot(test, name):
    """A PNG of the program's window only, in the artifacts folder."""
    left, top, right, bottom = test.current_tree()["window"]["screen"]
    whole = test.desktop.screenshot(ARTIFACTS / f"{name}-screen.png")
    path = ARTIFACTS / f"{name}.png"
    subprocess.run(["convert", str(whole), "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
                    "+repage", str(path)], check=True, timeout=60)
    return path, (left, top)


def pixel(path, x, y):
    """The (r, g, b) of one pixel of an image file."""
    out = subprocess.run(["convert", str(path), "-format", f"%[pixel:p{{{x},{y}}}]", "info:"],
                         check=True, capture_output=True, text=True, timeout=60).stdout
    numbers = re.findall(r"[\d.]+%?", out)
    if len(numbers) < 3:
        raise HarnessError(f"cannot read pixel {x},{y} of {path}: {out!r}")

    def channel(value):
        return round(float(value[:-1]) * 2.55) if value.endswith("%") else int(float(value))
    return tuple(channel(v) for v in numbers[:3])
