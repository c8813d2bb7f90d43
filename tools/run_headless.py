"""Runs the program on a headless Xvfb in the tests' Wine prefix, saves a screenshot of its
window once it is shown, then ends the program and the session."""

import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import harness  # noqa: E402


def main():
    target = Path(sys.argv[1] if len(sys.argv) > 1 else harness.REPO / "build" / "screenshot.png")
    desktop = harness.session()
    inspector = harness.Inspector(desktop)
    program = harness.Program(desktop)
    try:
        harness.wait_for(lambda: (lambda t: t.get("found") and t["window"]["visible"])(
            inspector.tree()), harness.STARTUP_TIMEOUT, what="the window to be shown")
        shot = desktop.screenshot(target.with_suffix(".full.png"))
        left, top, right, bottom = inspector.tree()["window"]["screen"]
        subprocess.run(["convert", str(shot), "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
                        "+repage", str(target)], check=True)
        shot.unlink()
        print(f"screenshot of the window: {target}")
    finally:
        program.stop()
        inspector.close()
        desktop.stop()


if __name__ == "__main__":
    main()
