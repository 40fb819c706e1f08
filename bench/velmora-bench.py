#!/usr/bin/python3
"""Measures Velmora against an empty Qt window of its size.

  startup   start-up to first frame and peak RSS, both programs alternately
  phases    where the start-up time goes, step by step
  handlers  a band selection, Calculate and ClearAll in process, with repaint,
            one keystroke in the value dialog and one colour toggled in the
            identify window
  dialog    the value dialog's first opening, construction to first paint
  idle      CPU time and wake-ups of the shown window doing nothing
  terminal  a command answered in the terminal against --version, with no
            display, exec to exit
  identify  the identification's worst case a person can enter, in process
  combine   the combination finder's worst cases, in process: four parts and a
            divider over E192, three parts over E24, and the baseline
  labels    a hundred labels on four A4 pages, from the command line to the
            PDF, exec to exit with no display
  instructions  the handlers counted in instructions under callgrind (not
            part of "all": slow, and needs valgrind)

With no command it runs them all and exits 1 when a target is missed.
--quick runs each once, briefly, to prove it works: it fails only when a
program crashes or cannot run, never on a time.
"""

import argparse
import json
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

TARGETS = {"identify_ms": 50.0, "terminal": 1.2, "startup": 1.65, "rss": 1.25, "handler_us": 50.0,
           "keystroke_us": 1000.0, "identify_window_us": 50000.0, "dialog_ms": 25.0,
           "combina: 4 parts, E192": 50.0, "partitore: 4 parts, E192": 50.0, "combina: 3 parts, E24": 1.0,
           "labels_ms": 1000.0}
HANDLERS = ["select band 3, live recompute", "select band 3, 5 bands", "select band 3, 6 bands", "Calculate",
            "ClearAll", "value dialog: one keystroke", "identify window: one colour toggled, worst case",
            "Qt floor: list row change", "Qt floor: four lists cleared", "Qt floor: label text change"]


class BenchError(Exception):
    pass


def start_reporting(cmd, what):
    """Starts a server that writes where to find it on a pipe; returns the
    process and that first line."""
    if not shutil.which(cmd[0]):
        raise BenchError(f"{cmd[0]} is not installed")
    r, w = os.pipe()
    proc = subprocess.Popen([c.replace("FD", str(w)) for c in cmd], pass_fds=[w],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(w)
    with os.fdopen(r) as f:
        line = f.readline().strip()
    if not line:
        proc.kill()
        proc.wait()
        raise BenchError(f"{what} did not start")
    return proc, line


class Session:
    """A private Xvfb and session bus, started and stopped here, so that
    nothing else draws on the display and no program has to launch a bus of
    its own (as it would without one, through dbus-launch)."""

    def __init__(self, runtime_dir):
        self.runtime_dir = runtime_dir
        self.procs = []
        self.name = None
        self.bus = None

    def __enter__(self):
        try:
            xvfb, number = start_reporting(
                ["Xvfb", "-displayfd", "FD", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"], "Xvfb")
            self.procs.append(xvfb)
            self.name = ":" + number
            bus, self.bus = start_reporting(
                ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=FD",
                 f"--address=unix:dir={self.runtime_dir}"], "dbus-daemon")
            self.procs.append(bus)
        except BaseException:
            self.__exit__()
            raise
        return self

    def env(self, **extra):
        return clean_env(self.runtime_dir, DISPLAY=self.name, DBUS_SESSION_BUS_ADDRESS=self.bus,
                         QT_QPA_PLATFORM="xcb", **extra)

    def __exit__(self, *exc):
        for proc in reversed(self.procs):
            proc.terminate()
            proc.wait(timeout=10)


def clean_env(runtime_dir, **extra):
    """The same environment for every program measured: no desktop session,
    no accessibility bus, nothing from the caller's Qt settings."""
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("QT_", "DBUS_", "AT_SPI", "WAYLAND_", "XDG_")) and k != "DISPLAY"}
    env["XDG_RUNTIME_DIR"] = runtime_dir
    env.update(extra)
    return env


def spawn_measured(exe, args, env):
    """Runs one program to its end: marks (ms after exec) and peak RSS (KiB)
    from wait4, which reports that process alone."""
    r, w = os.pipe()
    with tempfile.TemporaryFile() as err:
        actions = [(os.POSIX_SPAWN_DUP2, w, 1), (os.POSIX_SPAWN_DUP2, err.fileno(), 2), (os.POSIX_SPAWN_CLOSE, r)]
        t0 = time.monotonic_ns()
        pid = os.posix_spawn(exe, [exe] + args, env, file_actions=actions)
        os.close(w)
        with os.fdopen(r, "rb") as out:
            text = out.read().decode()
        _, status, usage = os.wait4(pid, 0)
        t_end = time.monotonic_ns()
        if status != 0:
            err.seek(0)
            raise BenchError(f"{os.path.basename(exe)} ended with status {status:#x}:\n{err.read().decode()}")
    marks = {}
    for line in text.splitlines():
        name, ns = line.split()
        marks[name] = (int(ns) - t0) / 1e6
    if "frame" not in marks:
        raise BenchError(f"{os.path.basename(exe)} never painted a frame")
    marks["exit"] = (t_end - t0) / 1e6
    marks["cpu"] = (usage.ru_utime + usage.ru_stime) * 1e3
    return marks, usage.ru_maxrss


def alternate(programs, runs, env):
    """Runs the programs in turn, swapping the order every round so neither
    always follows the other; two untimed rounds first warm the caches."""
    results = {name: [] for name, _ in programs}
    for round_ in range(runs + 2):
        order = programs if round_ % 2 == 0 else programs[::-1]
        for name, cmd in order:
            result = spawn_measured(cmd[0], cmd[1:], env)
            if round_ >= 2:
                results[name].append(result)
    return results


def median(values):
    return statistics.median(values)


def startup(bindir, runs, quick):
    vel = os.path.join(bindir, "velmora_startup")
    base = os.path.join(bindir, "empty_window")
    with tempfile.TemporaryDirectory() as rt, Session(rt) as display:
        res = alternate([("empty", [base]), ("velmora", [vel])], runs, display.env())

    rows = {}
    for name, samples in res.items():
        rows[name] = (median([m["frame"] for m, _ in samples]), median([m["exit"] for m, _ in samples]),
                      median([m["cpu"] for m, _ in samples]), median([rss for _, rss in samples]) / 1024)
    ratio_t = rows["velmora"][0] / rows["empty"][0]
    ratio_c = rows["velmora"][2] / rows["empty"][2]
    ratio_m = rows["velmora"][3] / rows["empty"][3]
    print(f"Start-up: exec to first frame on the X server, and peak RSS; {runs} runs each, alternately,")
    print(f"on a private Xvfb ({display.name}) and session bus; medians. Whole process: until its exit,")
    print("with its CPU time (user + system) beside it.")
    print(f"  {'':26}{'first frame':>12}{'whole process':>16}{'CPU':>10}{'peak RSS':>12}")
    for label, name in (("empty Qt window 433x421", "empty"), ("Velmora", "velmora")):
        t, e, c, m = rows[name]
        print(f"  {label:26}{t:9.1f} ms{e:13.1f} ms{c:7.1f} ms{m:8.1f} MiB")
    ok_t = ratio_t <= TARGETS["startup"]
    ok_m = ratio_m <= TARGETS["rss"]
    print(f"  {'Velmora / empty':26}{ratio_t:10.2f} x{'':16}{ratio_c:7.2f} x{ratio_m:8.2f} x")
    print(f"  targets: start-up <= {TARGETS['startup']} x {verdict(ok_t, quick)}, "
          f"peak RSS <= {TARGETS['rss']} x {verdict(ok_m, quick)}")
    return ok_t and ok_m


PHASES = [
    ("main", "exec to main(): loading and linking the libraries"),
    ("platform", "QApplication: platform set-up (X connection, screens, theme)"),
    ("fonts", "fonts: the font configuration and list, read"),
    ("widgets", "widget creation"),
    ("shown", "show(): native window, polish"),
    ("exposed", "waiting for the server to map the window"),
    ("paint", "from expose to the first paint"),
    ("frame", "first paint, glyphs and flush, server round trip"),
]


def phases(bindir, runs):
    exe = os.path.join(bindir, "startup_phases")
    with tempfile.TemporaryDirectory() as rt, Session(rt) as display:
        res = alternate([("empty", [exe, "empty"]), ("velmora", [exe])], runs, display.env())

    print(f"Where start-up time goes: the steps of main() apart, {runs} runs each, medians in ms")
    print(f"  {'':62}{'empty':>8}{'Velmora':>9}")
    for i, (mark, label) in enumerate(PHASES):
        cells = []
        for name in ("empty", "velmora"):
            values = []
            for marks, _ in res[name]:
                if mark not in marks:
                    continue
                previous = max((marks[m] for m, _ in PHASES[:i] if m in marks), default=0.0)
                values.append(marks[mark] - previous)
            cells.append(f"{median(values):8.2f}" if values else f"{'-':>8}")
        print(f"  {label:62}{cells[0]}{cells[1]:>9}")
    totals = [median([m["frame"] for m, _ in res[name]]) for name in ("empty", "velmora")]
    print(f"  {'total, exec to first frame':62}{totals[0]:8.2f}{totals[1]:9.2f}")
    return True


def handlers(bindir, quick):
    exe = os.path.join(bindir, "velmora_handlers")
    with tempfile.TemporaryDirectory() as rt, tempfile.NamedTemporaryFile(suffix=".json") as out:
        env = clean_env(rt, QT_QPA_PLATFORM="offscreen")
        args = [f"--benchmark_out={out.name}", "--benchmark_out_format=json"]
        if quick:
            args += ["--benchmark_min_time=0", "--benchmark_repetitions=1"]
        else:
            # Repetitions of all benchmarks interleaved at random: a busy spell of
            # a shared machine then falls on all of them alike.
            args += ["--benchmark_min_time=0.1", "--benchmark_repetitions=15",
                     "--benchmark_enable_random_interleaving=true",
                     "--benchmark_report_aggregates_only=true"]
        run = subprocess.run([exe] + args, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        if run.returncode != 0:
            raise BenchError(f"velmora_handlers ended with {run.returncode}:\n{run.stderr}")
        report = json.load(open(out.name))

    medians = {}
    for b in report["benchmarks"]:
        if b.get("error_occurred"):
            raise BenchError(f"{b['run_name']}: {b['error_message']}")
        if quick or b.get("aggregate_name") == "median":
            medians[b["run_name"].removesuffix("/manual_time")] = (b["real_time"], b["cpu_us"])
    print("Handlers in process (offscreen), each with the repaint it causes; wall time, and the")
    print("thread's CPU time, which does not count waiting for a core on a shared machine;")
    print("medians of 15 repetitions, interleaved at random, of the mean over each one's iterations" if not quick
          else "one short run each")
    print(f"  {'':50}{'wall':>8}{'CPU':>11}")
    ok = True
    for name, (wall, cpu) in sorted(medians.items(), key=lambda item: HANDLERS.index(item[0])):
        cells = f"  {name:50}{wall:8.1f} us{cpu:8.1f} us"
        if name.startswith("Qt floor"):
            print(f"{cells}   bare Qt widgets of the same size and font, for reference")
            continue
        if name.endswith(" bands"):
            # A wider form's band change costs what the four-band one does.
            four = medians["select band 3, live recompute"][1]
            good = cpu <= four * 1.10
            ok &= good
            print(f"{cells}   {cpu / four:.2f} x four bands, target <= 1.10 x {verdict(good, quick)}")
            continue
        target = TARGETS["keystroke_us" if name.startswith("value dialog")
                          else "identify_window_us" if name.startswith("identify window") else "handler_us"]
        good = cpu <= target
        ok &= good
        print(f"{cells}   target: CPU <= {target:.0f} us {verdict(good, quick)}")
    return ok


def dialog(bindir, runs, quick):
    """The value dialog's first opening, one per process, on a private Xvfb."""
    exe = os.path.join(bindir, "value_dialog_open")
    walls, cpus = [], []
    with tempfile.TemporaryDirectory() as rt, Session(rt) as display:
        for _ in range(runs):
            run = subprocess.run([exe], env=display.env(), capture_output=True, text=True)
            if run.returncode != 0:
                raise BenchError(f"value_dialog_open ended with {run.returncode}:\n{run.stderr}")
            marks = dict(line.split() for line in run.stdout.splitlines())
            walls.append(int(marks["open"]) / 1e6)
            cpus.append(int(marks["cpu"]) / 1e6)
    wall, cpu = median(walls), median(cpus)
    good = wall <= TARGETS["dialog_ms"]
    print(f"Value dialog, first opening: construction and show() to the end of its first paint, the")
    print(f"window already up; {runs} processes on a private Xvfb, medians")
    print(f"  {'':34}{'wall':>8}{'CPU':>11}")
    print(f"  {'first construction and show':34}{wall:8.1f} ms{cpu:8.1f} ms   "
          f"target: wall <= {TARGETS['dialog_ms']:.0f} ms {verdict(good, quick)}")
    return good


def instructions(bindir):
    """The handlers' timed steps counted in instructions under callgrind:
    slow, but free of the noise of a shared machine."""
    if not shutil.which("valgrind"):
        raise BenchError("valgrind is not installed (Debian package valgrind)")
    exe = os.path.join(bindir, "velmora_handlers")
    print("Handlers in instructions per step (valgrind --tool=callgrind, offscreen), repaint included")
    with tempfile.TemporaryDirectory() as rt:
        env = clean_env(rt, QT_QPA_PLATFORM="offscreen")
        for name in HANDLERS:
            out = os.path.join(rt, "callgrind.out")
            subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}",
                            "--toggle-collect=*timedStep*", exe, f"--benchmark_filter=^{name}/",
                            "--benchmark_min_time=0.5"],
                           env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
            tree = subprocess.run(["callgrind_annotate", "--inclusive=yes", "--tree=calling", out],
                                  capture_output=True, text=True, check=True).stdout
            total = calls = None
            for line in tree.splitlines():
                if "PROGRAM TOTALS" in line and total is None:
                    total = int(line.split()[0].replace(",", ""))
                elif "> " in line and "timedStep" in line and calls is None:
                    calls = int(line[line.rindex("(") + 1:line.rindex("x)")].replace(",", ""))
            if not total or not calls:
                raise BenchError(f"no count for {name}")
            print(f"  {name:34}{total // calls:10,} instructions")
    return True


def proc_threads(pid):
    """Per thread: name, CPU clock ticks (utime + stime), context switches."""
    threads = {}
    for tid in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{tid}/stat") as f:
                stat = f.read()
            with open(f"/proc/{pid}/task/{tid}/status") as f:
                status = dict(line.split(":", 1) for line in f if ":" in line)
        except FileNotFoundError:
            continue
        name = stat[stat.index("(") + 1:stat.rindex(")")]
        fields = stat[stat.rindex(")") + 2:].split()
        ticks = int(fields[11]) + int(fields[12])  # utime, stime
        switches = int(status["voluntary_ctxt_switches"]) + int(status["nonvoluntary_ctxt_switches"])
        threads[tid] = (name, ticks, switches)
    return threads


def wait_for_window(display, env, title, proc, timeout=20.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if proc.poll() is not None:
            raise BenchError(f"the program ended with {proc.returncode} before showing its window")
        info = subprocess.run(["xwininfo", "-display", display, "-name", title],
                              env=env, capture_output=True, text=True)
        if "IsViewable" in info.stdout:
            return
        time.sleep(0.1)
    raise BenchError("the window did not appear")


def idle(bindir, seconds, quick):
    exe = os.path.join(bindir, "velmora")
    with tempfile.TemporaryDirectory() as rt, Session(rt) as display:
        env = display.env()
        proc = subprocess.Popen([exe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            wait_for_window(display.name, env, "Velmora", proc)
            time.sleep(1.0)  # let start-up finish
            before = proc_threads(proc.pid)
            time.sleep(seconds)
            after = proc_threads(proc.pid)
            if proc.poll() is not None:
                raise BenchError(f"velmora ended with {proc.returncode} while idle")
        finally:
            if proc.poll() is None:
                proc.send_signal(signal.SIGTERM)
                proc.wait(timeout=10)

    main_tid = str(proc.pid)
    cpu = sum(a[1] for a in after.values()) - sum(before[t][1] for t in after if t in before)
    hz = os.sysconf("SC_CLK_TCK")
    print(f"Idle: the shown window left alone for {seconds:g} s on a private Xvfb, from /proc/PID/task/*")
    print(f"  CPU time used: {cpu} ticks ({cpu * 1000 / hz:.0f} ms)")
    wakeups = {}
    for tid, (name, _, switches) in after.items():
        woke = switches - before[tid][2] if tid in before else switches
        wakeups[tid] = woke
        role = "main (GUI) thread" if tid == main_tid else "Qt's own thread"
        print(f"  {name:16} {role:18} woke {woke} times")
    ok = cpu == 0 and wakeups.get(main_tid, 0) == 0
    print(f"  target: no CPU, no wake-up of the GUI thread, where any timer of ours would run "
          f"{verdict(ok, quick)}")
    return ok


def run_to_exit(cmd, env):
    """Wall time in ms from exec to exit, the output thrown away."""
    t0 = time.monotonic_ns()
    status = subprocess.run(cmd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
    if status != 0:
        raise BenchError(f"{' '.join(cmd)} ended with status {status}")
    return (time.monotonic_ns() - t0) / 1e6


def terminal(bindir, runs, quick):
    exe = os.path.join(bindir, "velmora")
    programs = [("command", [exe, "bande", "giallo", "viola", "rosso", "oro"]), ("version", [exe, "--version"])]
    times = {name: [] for name, _ in programs}
    with tempfile.TemporaryDirectory() as rt:
        env = clean_env(rt)  # no display, as over ssh or in a script
        for round_ in range(runs + 2):
            for name, cmd in (programs if round_ % 2 == 0 else programs[::-1]):
                t = run_to_exit(cmd, env)
                if round_ >= 2:
                    times[name].append(t)
    command, version = median(times["command"]), median(times["version"])
    ratio = command / version
    ok = ratio <= TARGETS["terminal"]
    print(f"Terminal: exec to exit with no display, {runs} runs each, alternately; medians")
    print(f"  velmora bande giallo viola rosso oro {command:8.1f} ms")
    print(f"  velmora --version                    {version:8.1f} ms")
    print(f"  command / --version {ratio:.2f} x; target <= {TARGETS['terminal']} x {verdict(ok, quick)}")
    return ok


def identify(bindir, quick):
    exe = os.path.join(bindir, "identify_worst")
    args = [exe, "--benchmark_format=json"] + (["--benchmark_min_time=0.01"] if quick else
                                               ["--benchmark_repetitions=15", "--benchmark_min_time=0.2"])
    run = subprocess.run(args, capture_output=True, text=True)
    if run.returncode != 0:
        raise BenchError(f"identify_worst ended with status {run.returncode}:\n{run.stderr}")
    first_line = run.stderr.strip().splitlines()[0]
    rows = [b for b in json.loads(run.stdout)["benchmarks"] if b.get("run_type") == "iteration"]
    wall = median([b["real_time"] for b in rows])
    cpu = median([b["cpu_time"] for b in rows])
    ok = wall <= TARGETS["identify_ms"]
    print(f"Identification, in process: six bands, two unknown, four red or orange, both ends, measured;")
    print(f"  {first_line}; median of {len(rows)} repetitions")
    print(f"  {wall:.2f} ms wall, {cpu:.2f} ms CPU; target <= {TARGETS['identify_ms']:g} ms {verdict(ok, quick)}")
    return ok


def combine(bindir, quick):
    exe = os.path.join(bindir, "combine_worst")
    args = [exe, "--benchmark_format=json"] + (["--benchmark_min_time=0.01"] if quick else
                                               ["--benchmark_repetitions=10", "--benchmark_min_time=0.5"])
    run = subprocess.run(args, capture_output=True, text=True)
    if run.returncode != 0:
        raise BenchError(f"combine_worst ended with status {run.returncode}:\n{run.stderr}")
    rows = [b for b in json.loads(run.stdout)["benchmarks"] if b.get("run_type") == "iteration"]
    times = {}
    for b in rows:
        times.setdefault(b["name"].split("/")[0], []).append(b["real_time"])
    print("Combinations, in process, parts from 1 Ohm to 10 MOhm; the slowest of a list of targets; medians")
    for line in run.stderr.strip().splitlines():
        print(f"  {line}")
    ok = True
    for name, values in times.items():
        wall = median(values)
        target = TARGETS.get(name)
        if target is None:
            print(f"  {name:28s} {wall:9.2f} ms")
            continue
        met = wall <= target
        ok &= met
        print(f"  {name:28s} {wall:9.2f} ms; target <= {target:g} ms {verdict(met, quick)}")
    return ok


# A hundred values, as many labels, on Avery J8157 (33 a sheet): four pages.
HUNDRED_VALUES = [f"{v}k" for v in range(1, 101)]


def labels(bindir, runs, quick):
    exe = os.path.join(bindir, "velmora")
    times = []
    with tempfile.TemporaryDirectory() as folder:
        env = clean_env(folder)
        env["XDG_CONFIG_HOME"] = folder  # no calibration of the user's
        pdf = os.path.join(folder, "e.pdf")
        cmd = [exe, "etichette", *HUNDRED_VALUES, "--foglio", "Avery J8157", "-o", pdf]
        for round_ in range(runs + 2):
            t = run_to_exit(cmd, env)
            if round_ >= 2:
                times.append(t)
        answer = json.loads(subprocess.run(cmd + ["--json"], env=env, capture_output=True, text=True).stdout)
    if (answer["etichette"], answer["pagine"]) != (100, 4):
        raise BenchError(f"etichette wrote {answer}, not 100 labels on 4 pages")
    wall = median(times)
    ok = wall <= TARGETS["labels_ms"]
    print(f"Labels: velmora etichette, 100 values on Avery J8157 (4 pages), exec to exit, no display; "
          f"median of {runs}")
    print(f"  {wall:.1f} ms for the PDF; target <= {TARGETS['labels_ms']:g} ms {verdict(ok, quick)}")
    return ok


def verdict(ok, quick):
    if quick:
        return "(not judged in a quick run)"
    return "ok" if ok else "MISSED"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("command", nargs="?", default="all",
                        choices=["all", "startup", "phases", "handlers", "dialog", "idle", "terminal", "identify",
                                 "combine", "labels", "instructions"])
    parser.add_argument("--bin", default=os.path.join(here, "..", "build", "bench", "bin"),
                        help="where the bench preset put the programs (default: build/bench/bin)")
    parser.add_argument("--runs", type=int, default=30, help="start-up runs of each program (default 30)")
    parser.add_argument("--idle-seconds", type=float, default=10.0)
    parser.add_argument("--quick", action="store_true", help="run once, briefly; judge nothing")
    args = parser.parse_args()
    if args.quick:
        args.runs, args.idle_seconds = 2, 1.0
    elif args.runs < 20:
        parser.error("at least 20 runs")

    steps = {
        "startup": lambda: startup(args.bin, args.runs, args.quick),
        "phases": lambda: phases(args.bin, args.runs),
        "handlers": lambda: handlers(args.bin, args.quick),
        "dialog": lambda: dialog(args.bin, args.runs, args.quick),
        "idle": lambda: idle(args.bin, args.idle_seconds, args.quick),
        "terminal": lambda: terminal(args.bin, args.runs, args.quick),
        "identify": lambda: identify(args.bin, args.quick),
        "combine": lambda: combine(args.bin, args.quick),
        "labels": lambda: labels(args.bin, args.runs, args.quick),
        "instructions": lambda: instructions(args.bin),
    }
    # Counting instructions takes minutes and valgrind; it runs when asked.
    chosen = [s for s in steps if s != "instructions"] if args.command == "all" else [args.command]
    ok = True
    try:
        for i, name in enumerate(chosen):
            if i:
                print()
            ok &= steps[name]()
            sys.stdout.flush()
    except BenchError as e:
        print(f"velmora-bench: {e}", file=sys.stderr)
        return 2
    if args.quick:
        return 0
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
