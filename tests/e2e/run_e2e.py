#!/usr/bin/python3
"""End-to-end tests of DQ_configure.exe under Wine on the X display of the test run.

Usage: run_e2e.py --build-dir DIR --exe DQ_configure.exe --wininfo wininfo.exe [--source-dir DIR] [unittest options]
(for instance -k clock to run the matching tests only). scripts/test provides the display and the wineserver.
"""
import sys
import unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

from harness import case, config  # noqa: E402


def main():
    rest = config.parse(sys.argv[1:])
    case.prepare_session()
    unittest.main(module=None, argv=[sys.argv[0], "discover", "-s", str(HERE), "-t", str(HERE), "-p", "test_*.py",
                                     "-v", *rest])


if __name__ == "__main__":
    main()
