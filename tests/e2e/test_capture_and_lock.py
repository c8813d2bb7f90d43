"""F1 capture of the pointer into XEdit and YEdit, clicking at the locked point after the Yes of
the lock notice until the Up arrow, and the window commands around them as Win32 reports them:
always on top, the 347-pixel height and what the expanded window shows."""

import sys
import unittest

import clicking_support as support
from harness import ProgramTestCase

# Left-to-right gradient of ContactLabel: red, then yellow, then green.
GRADIENT_STOPS = [(0.0, (255, 0, 0)), (0.5, (255, 255, 0)), (1.0, (0, 255, 0))]
COLOUR_SLACK = 40


class CaptureAndLockTest(ProgramTestCase):
    def setUp(self):
        super().setUp()
        self.target, self.clicks = support.start_click_target(self)

    def edits(self):
        return support.text_of(self, "XEdit"), support.text_of(self, "YEdit")

    def test_f1_follows_the_pointer_and_a_second_f1_freezes_the_point(self):
        self.assertEqual(support.text_of(self, "CaptureStateLabel"), "已关闭")
        self.press_key("F1", self.target.x11)
        support.wait_for_text(self, "CaptureStateLabel", support.CAPTURE_ON)
        for x, y in [(1000, 900), (37, 811), support.TARGET_POINT]:
            support.move_pointer(self, x, y)
            self.wait_for_tree(lambda t: self.edits_of(t) == (str(x), str(y)),
                               f"XEdit and YEdit to follow the pointer to {x}, {y}")
        self.press_key("F1", self.target.x11)
        support.wait_for_text(self, "CaptureStateLabel", support.CAPTURE_OFF)
        support.move_pointer(self, *support.ELSEWHERE)
        # A capture still running would show the new point within a few ticks of 10 ms.
        self.clicks.read_for(1.0)
        self.assertEqual(self.edits(), tuple(map(str, support.TARGET_POINT)), "not frozen")

    @staticmethod
    def edits_of(tree):
        return (support.control(tree, "XEdit")["text"], support.control(tree, "YEdit")["text"])

    def test_lock_clicks_at_the_captured_point_after_yes_until_up(self):
        support.capture_point(self, self.target.x11, *support.TARGET_POINT)
        support.move_pointer(self, *support.ELSEWHERE)
        support.expand_schedule_area(self)
        # No starts nothing, and the notice comes again at the next press.
        support.user_click(self, "LockButton")
        support.answer_box(self, support.LOCK_NOTICE, support.IDNO)
        self.clicks.read_for(1.0)
        self.assertEqual(self.clicks.events, [], "clicks after answering No")
        support.user_click(self, "LockButton")
        support.answer_box(self, support.LOCK_NOTICE, support.IDYES)
        self.clicks.wait_for_downs(5, timeout=10)
        support.move_pointer(self, *support.ELSEWHERE)
        moved_at = len(self.clicks.events)
        self.clicks.read_for(1.0)
        after_move = self.clicks.events[moved_at:]
        self.assertGreater(len(support.presses(after_move)), 10,
                           "the lock stopped clicking when the pointer moved away")
        away = [e for e in self.clicks.events if (e["x"], e["y"]) != support.TARGET_POINT]
        self.assertEqual(away, [], f"clicks away from the captured point {support.TARGET_POINT}")
        self.press_key("Up", self.target.x11)
        self.clicks.assert_quiet_after_stop(self)


class WindowCommandsTest(ProgramTestCase):
    def test_topmost_check_makes_the_window_topmost_and_back(self):
        for checked in (True, False):
            support.toggle_check(self, "TopmostCheck")
            tree = self.wait_for_tree(
                lambda t: bool(t["window"]["exStyle"] & support.WS_EX_TOPMOST) == checked,
                f"the window's topmost style to be {checked}")
            self.assertEqual(support.control(tree, "TopmostCheck")["checked"], int(checked))

    def test_schedule_area_check_switches_the_height_between_185_and_347(self):
        shown = self.tree["window"]["screen"]
        self.assertEqual(support.window_height(self.tree), support.SHOWN_HEIGHT)
        tree = support.expand_schedule_area(self)
        left, top, right, _ = tree["window"]["screen"]
        self.assertEqual((left, top, right), tuple(shown[:3]), "the window moved or got wider")
        group = support.control(tree, "ScheduleGroup")
        self.assertLessEqual(group["screen"][3], tree["window"]["screen"][3],
                             "ScheduleGroup reaches past the window's bottom")
        self.check_screenshot(tree)
        support.toggle_check(self, "ScheduleAreaCheck")
        tree = self.wait_for_tree(lambda t: support.window_height(t) == support.SHOWN_HEIGHT,
                                  f"the window to shrink to {support.SHOWN_HEIGHT} pixels")
        self.assertEqual(tree["window"]["screen"], shown)

    def check_screenshot(self, tree):
        # The clock shows once a second; wait for it so the picture has every text.
        self.wait_for_tree(lambda t: support.control(t, "ClockLabel")["text"], "the clock")
        path, (left, top) = support.window_screenshot(self, "expanded-window")
        print(f"\n[e2e] expanded window: {path}", file=sys.stderr)
        gl, gt, gr, gb = support.control(tree, "ContactLabel")["screen"]
        for fraction, colour in GRADIENT_STOPS:
            x = gl - left + min(int((gr - gl) * fraction), gr - gl - 1)
            seen = support.pixel(path, x, gt - top + 1)
            with self.subTest(gradient_at=fraction):
                self.assertTrue(all(abs(a - b) <= COLOUR_SLACK for a, b in zip(seen, colour)),
                                f"ContactLabel at {fraction:.0%}: {seen}, expected near {colour}")


if __name__ == "__main__":
    unittest.main()
