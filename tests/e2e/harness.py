"""Driver of the end-to-end tests: the real spruce-clicker.exe under Wine on a headless Xvfb.

One Session per run: an Xvfb on a free display, one booted Wine prefix under the build folder
(reused between runs), one persistent wineserver. Each test case starts the program afresh
(Program) and talks to it only as a user or another program could: through the inspector
helper (window tree, clicks, texts, message boxes, hotkeys held by "another program"), X key
presses with xdotool, and screenshots. Everything waits for conditions with time-outs; nothing
relies on a fixed sleep. Clean-up (wineserver -k, then Xvfb by its pid) runs at the end of the
run, also when a test fails or the run is interrupted.

Standard library only.
"""

import atexit
import fcntl
import json
import os
import queue
import select
import shutil
import signal
import subprocess
import sys
import threading
import time
import unittest
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
BUILD = Path(os.environ.get("E2E_BUILD_DIR", REPO / "build" / "win")).resolve()
PROGRAM_EXE = BUILD / "spruce-clicker.exe"
INSPECTOR_EXE = BUILD / "inspector.exe"
CLICK_TARGET_EXE = BUILD / "click-target.exe"
PREFIX = BUILD / "wine-prefix"
ARTIFACTS = BUILD / "e2e-artifacts"

SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 1024
CAPTION = "云杉鼠标连点器"

# Time-outs are generous: a loaded 2-core machine can be slow, and a condition that holds is
# seen at the next poll anyway.
STARTUP_TIMEOUT = 60.0
WAIT_TIMEOUT = 20.0
POLL_INTERVAL = 0.1

# Bumped whenever the prefix set-up below changes, so an older prefix is set up again.
PREFIX_SETUP_VERSION = "2"
# Faces the program's windows use (the GUI font and the caption font) get a CJK font linked
# in, so the Chinese texts are drawn whatever the locale.
FONT_LINKED_FACES = ["Tahoma", "Tahoma Bold", "MS Shell Dlg", "MS Shell Dlg 2",
                     "Microsoft Sans Serif"]
CJK_FONT_LINK = "wqy-microhei.ttc,WenQuanYi Micro Hei"


class HarnessError(RuntimeError):
    pass


def log(message):
    print(f"[e2e] {message}", file=sys.stderr, flush=True)


def wait_for(condition, timeout=WAIT_TIMEOUT, interval=POLL_INTERVAL, what="condition"):
    """Polls condition() until it returns a true value, which is returned; raises
    TimeoutError naming `what` and the last value seen when the time is up."""
    deadline = time.monotonic() + timeout
    last = None
    while True:
        last = condition()
        if last:
            return last
        if time.monotonic() >= deadline:
            raise TimeoutError(f"timed out after {timeout:.0f} s waiting for {what}; last seen: {last!r}")
        time.sleep(interval)


def require_tools():
    missing = [tool for tool in ("wine", "wineserver", "Xvfb", "xdotool", "import")
               if shutil.which(tool) is None]
    if missing:
        raise HarnessError(f"missing tools: {', '.join(missing)} (run tools/install-deps.sh)")
    for exe in (PROGRAM_EXE, INSPECTOR_EXE, CLICK_TARGET_EXE):
        if not exe.exists():
            raise HarnessError(f"{exe} is missing: build {BUILD} first")


def wine_env(prefix, display):
    env = dict(os.environ)
    env.update({
        "DISPLAY": display,
        "WINEPREFIX": str(prefix),
        "WINEARCH": "win64",
        "WINEDEBUG": "-all",
        # No Mono or Gecko installer at boot; a crash ends the process instead of waiting on
        # a debugger dialog.
        "WINEDLLOVERRIDES": "mscoree,mshtml=;winedbg.exe=d",
    })
    return env


def prepare_prefix(prefix, env, window_manager):
    """Boots the prefix once and sets it up; later calls return at once. window_manager:
    whether the display has one (a user's desktop) or not (the tests' Xvfb)."""
    prefix = Path(prefix)
    version = f"{PREFIX_SETUP_VERSION} {'managed' if window_manager else 'unmanaged'}"
    stamp = prefix / ".e2e-setup"
    if stamp.exists() and stamp.read_text().strip() == version:
        return

    def wine(*args, timeout=STARTUP_TIMEOUT):
        subprocess.run(["wine", *args], env=env, check=True, timeout=timeout,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    started = time.monotonic()
    log(f"setting up the Wine prefix {prefix} (once; takes a while)")
    wine("wineboot", "--init", timeout=300)
    subprocess.run(["wineserver", "-w"], env=env, timeout=300)
    # Without a window manager Wine must draw captions itself, and hiding a window would
    # otherwise stall while Wine waits for a manager's answer.
    wine("reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed",
         "/d", "Y" if window_manager else "N", "/f")
    for face in FONT_LINKED_FACES:
        wine("reg", "add", r"HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink",
             "/v", face, "/t", "REG_MULTI_SZ", "/d", CJK_FONT_LINK, "/f")
    fonts = prefix / "drive_c" / "windows" / "Fonts"
    fonts.mkdir(parents=True, exist_ok=True)
    for font in Path("/usr/share/wine/fonts").glob("*.ttf"):
        shutil.copy(font, fonts / font.name)
    subprocess.run(["wineserver", "-w"], env=env, timeout=300)
    stamp.write_text(version + "\n")
    log(f"prefix ready in {time.monotonic() - started:.1f} s")


class Session:
    """Xvfb + Wine prefix + wineserver for the whole run."""

    def __init__(self, width=SCREEN_WIDTH, height=SCREEN_HEIGHT):
        self.width, self.height = width, height
        self.xvfb = None
        self.display = None
        self.env = None
        self._lock_file = None
        self._stopped = False

    # -- start-up --------------------------------------------------------------------------

    def start(self):
        require_tools()
        BUILD.mkdir(parents=True, exist_ok=True)
        ARTIFACTS.mkdir(parents=True, exist_ok=True)
        atexit.register(self.stop)
        # An interrupted run still cleans up: SystemExit runs the atexit hook.
        for sig in (signal.SIGTERM, signal.SIGHUP):
            signal.signal(sig, lambda number, _frame: sys.exit(128 + number))
        self._lock_prefix()
        self._start_xvfb()
        self.env = wine_env(PREFIX, self.display)
        self._prepare_prefix()
        # One persistent wineserver for the run: later program starts need not boot one.
        subprocess.run(["wineserver", "-p"], env=self.env, timeout=60)
        self._check_screen()
        return self

    def _check_screen(self):
        """Wine must see the Xvfb screen; this also starts Wine's desktop process once."""
        inspector = Inspector(self)
        try:
            size = wait_for(lambda: (lambda s: s if s == (self.width, self.height) else None)(
                inspector.screen_size()), STARTUP_TIMEOUT, interval=0.5,
                what=f"Wine to report the {self.width}x{self.height} screen")
        finally:
            inspector.close()
        log(f"Wine sees the screen as {size[0]}x{size[1]}")

    def _lock_prefix(self):
        """Two runs must not share the prefix's wineserver: the second waits its turn."""
        self._lock_file = open(BUILD / "wine-prefix.lock", "w")
        try:
            fcntl.flock(self._lock_file, fcntl.LOCK_EX | fcntl.LOCK_NB)
        except BlockingIOError:
            log("another run uses the Wine prefix; waiting for it to finish")
            fcntl.flock(self._lock_file, fcntl.LOCK_EX)

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{self.width}x{self.height}x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        # Xvfb writes its display number and a newline once it accepts connections; the pipe
        # must stay open until the newline, or Xvfb fails on writing it.
        answer = b""
        deadline = time.monotonic() + STARTUP_TIMEOUT
        try:
            while not answer.endswith(b"\n") and time.monotonic() < deadline:
                ready, _, _ = select.select([read_end], [], [], deadline - time.monotonic())
                chunk = os.read(read_end, 64) if ready else b""
                if not chunk:
                    break
                answer += chunk
        finally:
            os.close(read_end)
        number = answer.decode().strip() if answer.endswith(b"\n") else ""
        if not number:
            raise HarnessError("Xvfb did not start")
        self.display = f":{number}"
        log(f"Xvfb {self.width}x{self.height} on {self.display} (pid {self.xvfb.pid})")


    def _prepare_prefix(self):
        prepare_prefix(PREFIX, self.env, window_manager=False)

    # -- clean-up --------------------------------------------------------------------------

    def stop(self):
        if self._stopped:
            return
        self._stopped = True
        if self.env:
            subprocess.run(["wineserver", "-k"], env=self.env, timeout=60,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if self.xvfb and self.xvfb.poll() is None:
            self.xvfb.terminate()
            try:
                self.xvfb.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
                self.xvfb.wait()
        if self._lock_file:
            self._lock_file.close()

    # -- tools -----------------------------------------------------------------------------

    def spawn(self, exe, *args, **popen_args):
        return subprocess.Popen(["wine", str(exe), *map(str, args)], env=self.env, **popen_args)

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True,
                              capture_output=True, text=True, timeout=30).stdout

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", str(path)], env=self.env, check=True,
                       timeout=60)
        return Path(path)


_session = None


def session():
    """The run's one Session, started on first use."""
    global _session
    if _session is None:
        _session = Session().start()
    return _session


class LineReader:
    """Lines of a child's output, readable with a time-out."""

    def __init__(self, stream):
        self._lines = queue.Queue()
        thread = threading.Thread(target=self._pump, args=(stream,), daemon=True)
        thread.start()

    def _pump(self, stream):
        for line in iter(stream.readline, b""):
            self._lines.put(line.decode("utf-8", "replace").rstrip("\r\n"))
        self._lines.put(None)

    def next(self, timeout):
        try:
            line = self._lines.get(timeout=timeout)
        except queue.Empty:
            raise TimeoutError("no answer in time") from None
        if line is None:
            raise HarnessError("the helper ended")
        return line


class Inspector:
    """The inspector helper, one command per line, one JSON answer per line."""

    def __init__(self, desktop):
        self.process = desktop.spawn(INSPECTOR_EXE, stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.reader = LineReader(self.process.stdout)

    def command(self, *words, timeout=WAIT_TIMEOUT):
        line = " ".join(str(w) for w in words) + "\n"
        self.process.stdin.write(line.encode())
        self.process.stdin.flush()
        while True:
            answer = self.reader.next(timeout)
            if answer.startswith("{"):
                return json.loads(answer)

    def close(self):
        if self.process.poll() is None:
            try:
                self.command("quit", timeout=5)
            except (HarnessError, TimeoutError, OSError):
                pass
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()

    # Convenience answers.

    def tree(self):
        return self.command("tree")

    def screen_size(self):
        answer = self.command("screen")
        return answer["width"], answer["height"]

    def message_boxes(self):
        answer = self.command("boxes")
        return answer.get("boxes", []) if answer.get("ok") else []


def walk(node):
    """The node and all its descendants, depth first."""
    yield node
    for child in node["children"]:
        yield from walk(child)


def controls_by_id(tree):
    return {node["id"]: node for node in walk(tree["window"]) if node is not tree["window"]}


def describe_tree(tree):
    """One line per window, for failure reports."""
    if not tree or not tree.get("found"):
        return "  (program window not found)"
    lines = [f"  focus: {tree.get('focus')}"]

    def visit(node, depth):
        lines.append(f"  {'  ' * depth}{node['id']:>4} {node['class']:<20} {node['text']!r:<34} "
                     f"rect={node['rect']} visible={node['visible']} z={node['z']}")
        for child in node["children"]:
            visit(child, depth + 1)

    visit(tree["window"], 0)
    return "\n".join(lines)


class ClickTarget:
    """The click-target helper: a Wine window over a screen rectangle that records the mouse
    buttons it gets. Also serves as a Wine window of the tests' own to hold the X keyboard
    focus, since Wine turns key presses into hotkeys only while one of its windows has it."""

    def __init__(self, desktop, x, y, width, height, topmost=False):
        self.rect = (x, y, x + width, y + height)
        args = [x, y, width, height] + (["topmost"] if topmost else [])
        self.process = desktop.spawn(CLICK_TARGET_EXE, *args, stdout=subprocess.PIPE,
                                     stderr=subprocess.DEVNULL)
        self.reader = LineReader(self.process.stdout)
        ready = json.loads(self.reader.next(STARTUP_TIMEOUT))
        self.x11 = ready["x11"]
        self.events = []

    def _drain(self):
        while True:
            try:
                self.events.append(json.loads(self.reader.next(0)))
            except TimeoutError:
                return

    def wait_events(self, count, timeout=WAIT_TIMEOUT):
        """The first `count` events recorded, once that many have arrived."""
        def enough():
            self._drain()
            return len(self.events) >= count
        wait_for(enough, timeout, what=f"{count} mouse events at the click target")
        return self.events[:count]

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=30)


class Program:
    """One run of spruce-clicker.exe."""

    def __init__(self, desktop):
        self.desktop = desktop
        self.process = desktop.spawn(PROGRAM_EXE, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)

    def exit_code(self):
        return self.process.poll()

    def wait_exit(self, timeout=WAIT_TIMEOUT):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise TimeoutError(f"the program did not end within {timeout:.0f} s") from None

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=30)


class ProgramTestCase(unittest.TestCase):
    """A test case with the program started afresh, an inspector beside it, and a report of
    what was seen (window tree, screenshot, exit code) when the case fails."""

    def setUp(self):
        self.desktop = session()
        self.inspector = Inspector(self.desktop)
        self.addCleanup(self.inspector.close)
        self.program = Program(self.desktop)
        self.addCleanup(self.program.stop)
        self.addCleanup(self._report_if_failed)
        self.tree = self.wait_for_tree(lambda t: t["window"]["visible"],
                                       "the program's window to be shown", STARTUP_TIMEOUT)

    def _failed(self):
        outcome = self._outcome
        if hasattr(outcome, "errors"):  # Python 3.10 and older collect them here
            return any(error for _, error in outcome.errors)
        result = outcome.result
        return any(test is self or getattr(test, "test_case", None) is self
                   for test, _ in result.failures + result.errors)

    def _report_if_failed(self):
        # Runs as the first clean-up, after a failed setUp too, while the program still runs.
        if self._failed():
            self.report_failure()

    def start_focus_holder(self):
        """A small Wine window of the tests' own in the screen's top-left corner."""
        holder = ClickTarget(self.desktop, 0, 0, 40, 40)
        self.addCleanup(holder.close)
        return holder

    # -- waiting on the program ------------------------------------------------------------

    def wait_for_tree(self, condition, what, timeout=WAIT_TIMEOUT):
        """The first window tree (with the window found) for which condition(tree) holds."""
        def probe():
            if self.program.exit_code() is not None:
                raise HarnessError(f"the program ended with exit code {self.program.exit_code()} "
                                   f"while waiting for {what}")
            tree = self.inspector.tree()
            return tree if tree.get("found") and condition(tree) else None
        return wait_for(probe, timeout, what=what)

    def current_tree(self):
        return self.inspector.tree()

    def x11_window(self):
        return self.current_tree()["window"]["x11"]

    def press_key(self, key, x11_window=None):
        """A real key press (XTEST) while the given X window, by default the program's own,
        has the keyboard focus."""
        window = x11_window or self.x11_window()
        self.desktop.xdotool("windowfocus", "--sync", window)
        self.desktop.xdotool("key", key)

    # -- failure report --------------------------------------------------------------------

    def report_failure(self):
        name = self.id().rsplit(".", 2)
        stem = ARTIFACTS / "-".join(name[-2:])
        lines = [f"--- what {self.id()} saw ---",
                 f"  exit code: {self.program.exit_code()}"]
        try:
            tree = self.inspector.tree()
            stem.with_suffix(".tree.json").write_text(json.dumps(tree, ensure_ascii=False, indent=1))
            lines.append(describe_tree(tree))
            lines.append(f"  message boxes: {self.inspector.message_boxes()}")
            lines.append(f"  tree: {stem.with_suffix('.tree.json')}")
        except Exception as error:  # the report must not hide the failure itself
            lines.append(f"  (no window tree: {error})")
        try:
            lines.append(f"  screenshot: {self.desktop.screenshot(stem.with_suffix('.png'))}")
        except Exception as error:
            lines.append(f"  (no screenshot: {error})")
        print("\n".join(lines), file=sys.stderr, flush=True)


if __name__ == "__main__":
    # tools/run.sh on a user's display: python3 harness.py prepare-desktop-prefix PREFIX
    if sys.argv[1:2] == ["prepare-desktop-prefix"] and len(sys.argv) == 3:
        prepare_prefix(sys.argv[2], wine_env(sys.argv[2], os.environ.get("DISPLAY", "")),
                       window_manager=True)
    else:
        sys.exit("usage: harness.py prepare-desktop-prefix PREFIX")
