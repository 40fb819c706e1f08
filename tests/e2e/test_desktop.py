"""The test desktops, X and Wayland, leave nothing behind: not when a test
fails, not when the test process is terminated or killed outright (a CTest
timeout)."""

import json
import os
import signal
import subprocess
import sys
import time
import unittest

from velmoradesktop import TOOLS, WAYLAND_TOOLS, main, missing_tools, sweep_runtime_dirs

HERE = os.path.dirname(os.path.abspath(__file__))

# Starts a desktop and the program on it, reports every process involved,
# then ends as told: by an error, or by waiting to be signalled.
CHILD = r"""
import json, os, sys
sys.path.insert(0, %(here)r)
import velmoradesktop as vd


def group_of(pid):
    try:
        with open("/proc/%%d/stat" %% pid) as f:
            return int(f.read().rsplit(")", 1)[1].split()[2])
    except (FileNotFoundError, ProcessLookupError):
        return None


desktop = vd.shared_desktop(getattr(vd, %(kind)r))
app = vd.Velmora(desktop, %(program)r, desktop.bind_atspi())
app.wait_for(lambda: app.showing(app.window), "the window shown")
groups = (desktop.bus.pid, desktop.server.pid)
pids = [app.process.pid] + [int(p) for p in os.listdir("/proc") if p.isdigit() and group_of(int(p)) in groups]
print(json.dumps({"display": desktop.display, "runtime": desktop.runtime_dir, "pids": pids}), flush=True)
if sys.argv[1] == "fail":
    raise AssertionError("a failing test")
sys.stdin.read()
"""


def alive(pid):
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except FileNotFoundError:
        return False


class Cleanup(unittest.TestCase):
    def setUp(self):
        self.program = os.environ.get("VELMORA_PROGRAM")
        if not self.program:
            raise RuntimeError("VELMORA_PROGRAM is not set")
        missing = missing_tools(TOOLS + WAYLAND_TOOLS)
        if missing:
            raise RuntimeError("end-to-end tools missing: %s" % " ".join(missing))

    def test_nothing_survives_the_test_process(self):
        endings = [(kind, ending) for kind in ("Desktop", "WaylandDesktop") for ending in ("fail", "SIGTERM", "SIGKILL")]
        for kind, ending in endings:
            with self.subTest(desktop=kind, ending=ending):
                script = CHILD % {"here": HERE, "program": self.program, "kind": kind}
                child = subprocess.Popen(
                    [sys.executable, "-c", script, ending],
                    stdin=subprocess.PIPE,
                    stdout=subprocess.PIPE,
                    stderr=subprocess.DEVNULL,
                    text=True,
                )
                try:
                    report = json.loads(child.stdout.readline())
                    if ending != "fail":
                        child.send_signal(getattr(signal, ending))
                    child.wait(10)
                finally:
                    if child.poll() is None:
                        child.kill()
                        child.wait()
                    child.stdin.close()
                    child.stdout.close()
                # The display server, velmora, the session bus and the a11y bus at least.
                self.assertGreaterEqual(len(report["pids"]), 5, report)
                deadline = time.monotonic() + 5
                while any(map(alive, report["pids"])) and time.monotonic() < deadline:
                    time.sleep(0.05)
                self.assertEqual([p for p in report["pids"] if alive(p)], [])
                if kind == "Desktop":  # weston's socket is in the runtime directory
                    socket = "/tmp/.X11-unix/X%s" % report["display"].lstrip(":")
                    self.assertFalse(os.path.exists(socket), socket)
                if ending == "SIGKILL":
                    # Only the next desktop can remove a killed one's directory.
                    sweep_runtime_dirs()
                self.assertFalse(os.path.exists(report["runtime"]), report["runtime"])


if __name__ == "__main__":
    main()
