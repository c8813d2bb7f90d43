"""Continuous clicking at the pointer: a start key chosen in the window, pressed with real key
presses, starts and stops clicks that a click-target program receives, at the chosen interval
and of the chosen kind."""

import sys
import unittest

import clicking_support as support
from harness import ProgramTestCase

# Wine's timers slip on a loaded 2-core machine; a clicker at the wrong interval (10 ms, or a
# tick lost per click) still falls outside these bounds.
INTERVAL_MS = 50
RATE_BOUNDS = (13.0, 22.0)
MEASURED_SPAN = 3.0

# Long enough apart that the system does not pair two ticks' clicks into a double click.
KIND_INTERVAL_MS = 1000
KIND_CASES = [
    (0, "left_single", ["WM_LBUTTONDOWN", "WM_LBUTTONUP"]),
    (1, "left_double", ["WM_LBUTTONDOWN", "WM_LBUTTONUP", "WM_LBUTTONDBLCLK", "WM_LBUTTONUP"]),
    (2, "right_single", ["WM_RBUTTONDOWN", "WM_RBUTTONUP"]),
    (3, "right_double", ["WM_RBUTTONDOWN", "WM_RBUTTONUP", "WM_RBUTTONDBLCLK", "WM_RBUTTONUP"]),
]


class ContinuousClickingTestCase(ProgramTestCase):
    def setUp(self):
        super().setUp()
        # The click target also holds the keyboard focus: Wine turns key presses into
        # hotkeys only while one of its windows has it.
        self.target, self.clicks = support.start_click_target(self)

    def start_clicking(self, key, interval_ms, kind=0):
        support.set_text(self, "IntervalEdit", str(interval_ms))
        support.select_item(self, "ClickTypeCombo", kind)
        support.choose_start_key(self, key)
        support.move_pointer(self, *support.TARGET_POINT)
        # An idle clicker starts at the first press after the choice.
        support.press_start_key(self, key, self.target.x11)

    def assert_at_pointer(self, events):
        away = [e for e in events if (e["x"], e["y"]) != support.TARGET_POINT]
        self.assertEqual(away, [], f"clicks away from the pointer at {support.TARGET_POINT}")


class ClickRateTest(ContinuousClickingTestCase):
    def test_interval_50_gives_about_20_clicks_a_second_until_the_key_is_pressed_again(self):
        self.start_clicking("K", INTERVAL_MS)
        self.clicks.wait_for_downs(1, timeout=10)
        self.clicks.read_for(MEASURED_SPAN)
        events = list(self.clicks.events)
        rate = support.press_rate(events)
        print(f"\n[e2e] continuous clicking at {INTERVAL_MS} ms: {rate:.2f} clicks/s over "
              f"{len(support.presses(events))} clicks", file=sys.stderr)
        self.assertTrue(RATE_BOUNDS[0] <= rate <= RATE_BOUNDS[1],
                        f"{rate:.2f} clicks/s, expected about {1000 / INTERVAL_MS:.0f}")
        self.assert_at_pointer(events)
        ups = sum(e["event"] == "WM_LBUTTONUP" for e in events)
        self.assertLessEqual(abs(ups - len(support.presses(events))), 1, "presses without release")
        support.press_start_key(self, "K", self.target.x11)
        self.clicks.assert_quiet_after_stop(self)


class ClickKindTest(ContinuousClickingTestCase):
    def check_kind(self, kind, expected):
        self.start_clicking("F8", KIND_INTERVAL_MS, kind)
        # Three ticks: the last one only tells that the second is complete.
        self.clicks.wait_for_downs(sum(name in support.BUTTON_DOWNS for name in expected) * 2 + 1, timeout=15)
        ticks = support.group_by_tick(self.clicks.events)[:2]
        for number, tick in enumerate(ticks):
            self.assertEqual([e["event"] for e in tick], expected, f"tick {number}: {tick}")
        self.assert_at_pointer(self.clicks.events)
        support.press_start_key(self, "F8", self.target.x11)
        self.clicks.assert_quiet_after_stop(self)


def _kind_test(kind, expected):
    return lambda self: self.check_kind(kind, expected)


for _kind, _name, _expected in KIND_CASES:
    setattr(ClickKindTest, f"test_kind_{_kind}_{_name}_arrives_as_its_button_messages",
            _kind_test(_kind, _expected))


if __name__ == "__main__":
    unittest.main()
