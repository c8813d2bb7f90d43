"""Runs every tests/e2e/test_*.py in one session and ends with "N passed, N failed"."""

import sys
import unittest
from pathlib import Path

import harness


def main():
    here = Path(__file__).resolve().parent
    pattern = sys.argv[1] if len(sys.argv) > 1 else "test_*.py"
    suite = unittest.defaultTestLoader.discover(str(here), pattern=pattern, top_level_dir=str(here))
    try:
        result = unittest.TextTestRunner(verbosity=2, stream=sys.stderr).run(suite)
    finally:
        if harness._session:
            harness._session.stop()
    failed = len(result.failures) + len(result.errors) + len(result.unexpectedSuccesses)
    passed = result.testsRun - failed - len(result.skipped) - len(result.expectedFailures)
    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 and result.testsRun > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
