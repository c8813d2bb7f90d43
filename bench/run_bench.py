"""Benchmark of the real program under Wine: how well the clicks keep the interval the user set
(beside plain SetTimer clicking in the same run), how soon the scheduled click starts after its
second, and what the program costs when idle. Prints the figures and writes them as a Markdown
table to build/win/bench-results.md. Run it with tools/bench.sh."""

import argparse
import datetime
import os
import statistics
import subprocess
import sys
import time
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(REPO / "tests" / "e2e"))

import clicking_support as support  # noqa: E402
from harness import BUILD, PROGRAM_EXE, ClickTarget, ProgramTestCase, session  # noqa: E402

INTERVALS_MS = [1, 2, 5, 10, 16, 20, 50, 100]
START_KEY = "F8"
BASELINE_EXE = BUILD / "settimer-clicker.exe"
TARGET = (100, 100, 300, 300)
POINT = (250, 250)


class Bench(ProgramTestCase):
    """The program started as for a test, kept for the whole benchmark."""

    def runTest(self):
        pass


def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(fraction * (len(ordered) - 1))))]


def summarise(events, interval_ms):
    """Rate and interval spread of the presses, from the first to the last one seen."""
    downs = support.presses(events)
    if len(downs) < 3:
        return {"requested": 1000 / interval_ms, "achieved": 0.0, "ratio": 0.0,
                "median": float("nan"), "p99": float("nan"), "clicks": len(downs)}
    stamps = [e["us"] for e in downs]
    gaps_ms = [(b - a) / 1000 for a, b in zip(stamps, stamps[1:])]
    achieved = (len(stamps) - 1) / ((stamps[-1] - stamps[0]) / 1e6)
    requested = 1000 / interval_ms
    return {"requested": requested, "achieved": achieved, "ratio": achieved / requested,
            "median": statistics.median(gaps_ms), "p99": percentile(gaps_ms, 0.99),
            "clicks": len(downs)}


def program_clicking(bench, target, recorder, interval_ms, span):
    support.set_text(bench, "IntervalEdit", str(interval_ms))
    support.move_pointer(bench, *POINT)
    first = len(recorder.events)
    bench.press_key(support.key_name(START_KEY), target.x11)
    recorder.read_for(span)
    bench.press_key(support.key_name(START_KEY), target.x11)
    recorder.read_for(0.5)
    return summarise(recorder.events[first:], interval_ms)


def settimer_clicking(bench, recorder, interval_ms, span):
    first = len(recorder.events)
    clicker = bench.desktop.spawn(BASELINE_EXE, interval_ms, int(span * 1000), *POINT)
    recorder.read_until(time.monotonic() + span + 5, lambda _: clicker.poll() is not None)
    recorder.read_for(0.5)
    clicker.wait(timeout=30)
    return summarise(recorder.events[first:], interval_ms)


def wine_clock_offset(bench):
    text, now = support.fresh_clock_reading(bench)
    shown = support.parse_clock_text(text)
    return datetime.timedelta(seconds=900 * round((shown - now).total_seconds() / 900))


def scheduled_delays(bench, target, recorder, runs):
    support.expand_schedule_area(bench)
    support.set_text(bench, "XEdit", str(POINT[0]))
    support.set_text(bench, "YEdit", str(POINT[1]))
    offset = wine_clock_offset(bench)
    delays = []
    for _ in range(runs):
        set_at = (datetime.datetime.now() + datetime.timedelta(seconds=5)).replace(microsecond=0)
        wine_set_at = set_at + offset
        for name, value in [("HourEdit", wine_set_at.hour), ("MinuteEdit", wine_set_at.minute),
                            ("SecondEdit", wine_set_at.second)]:
            support.set_text(bench, name, f"{value:02d}")
        first = len(recorder.events)
        support.user_click(bench, "ScheduleButton")
        support.answer_box(bench, support.SCHEDULE_NOTICE, support.IDOK)
        support.wait_for_text(bench, "ScheduleButton", "取消")
        if datetime.datetime.now() >= set_at:
            print("  (a run confirmed too late to time; skipped)", file=sys.stderr)
        else:
            recorder.read_until(time.monotonic() + 10,
                                lambda events: support.presses(events[first:]))
            downs = support.presses(recorder.events[first:])
            if downs:
                delays.append((downs[0]["utc_us"] / 1e6 - set_at.timestamp()) * 1000)
        bench.press_key("F4", target.x11)
        support.wait_for_text(bench, "ScheduleButton", "确定")
        recorder.read_for(0.5)
    return delays


def stats(bench):
    answer = bench.inspector.command("process-stats")
    if not answer.get("ok"):
        raise RuntimeError(f"process-stats: {answer}")
    return answer


def host_cpu_seconds(pid):
    """utime + stime of the Linux process that runs the program (Wine's own share included)."""
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def program_host_pid():
    out = subprocess.run(["pgrep", "-f", PROGRAM_EXE.name], capture_output=True, text=True)
    pids = [int(p) for p in out.stdout.split()]
    for pid in pids:
        try:
            if Path(f"/proc/{pid}/comm").read_text().strip().startswith("spruce-clicker"):
                return pid
        except OSError:
            continue
    return pids[0] if pids else None


def idle_cpu(bench, seconds):
    """CPU use while idle, in per cent of one core: as Windows reports it (None where Wine
    reports no CPU time for another process) and for the Linux process under Wine."""
    pid = program_host_pid()
    before, host_before, started = stats(bench), pid and host_cpu_seconds(pid), time.monotonic()
    time.sleep(seconds)
    after, host_after, elapsed = stats(bench), pid and host_cpu_seconds(pid), \
        time.monotonic() - started
    windows_pct = ((after["cpu100ns"] - before["cpu100ns"]) / 1e7 / elapsed * 100
                   if after["cpu100ns"] else None)
    host_pct = (host_after - host_before) / elapsed * 100 if pid else None
    return windows_pct, host_pct


def percent(value):
    return "n/a" if value is None else f"{value:.3f} %"


def markdown(rows, delays, idle, memory, exe_size, span):
    lines = [f"Clicks at a click-target program under Wine, {span:.0f} s per interval "
             f"(left single clicks; rates from the first to the last click; intervals as the "
             f"target stamps them):", "",
             "| interval | requested/s | program/s | ratio | median ms | p99 ms "
             "| SetTimer/s | ratio | median ms | p99 ms |",
             "|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|"]
    for interval, ours, plain in rows:
        lines.append(
            f"| {interval} ms | {ours['requested']:.0f} | {ours['achieved']:.1f} | "
            f"{ours['ratio']:.3f} | {ours['median']:.2f} | {ours['p99']:.2f} | "
            f"{plain['achieved']:.1f} | {plain['ratio']:.3f} | {plain['median']:.2f} | "
            f"{plain['p99']:.2f} |")
    lines.append("")
    if delays:
        lines.append(f"Scheduled click, first click after the start of the set second over "
                     f"{len(delays)} runs: " + ", ".join(f"{d:.1f}" for d in delays) +
                     f" ms (median {statistics.median(delays):.1f} ms, max {max(delays):.1f} ms).")
    lines.append(f"Idle (window shown, nothing clicking) for {idle[2]:.0f} s: CPU "
                 f"{percent(idle[0])} as Windows reports it, {percent(idle[1])} of the Linux "
                 f"process that runs it under Wine.")
    samples = ", ".join(f"{v / 1024:.0f}" for _, v in memory["samples"])
    lines.append(f"Working set (KiB) after start, after each clicking run, after the schedule "
                 f"runs and after the idle time: {samples}; peak "
                 f"{memory['peak'] / 1024:.0f} KiB.")
    lines.append(f"Program size: {exe_size / 1024:.0f} KiB ({exe_size} bytes).")
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--span", type=float, default=4.0, help="seconds of clicking per run")
    parser.add_argument("--idle", type=float, default=60.0, help="seconds of idle measurement")
    parser.add_argument("--schedule-runs", type=int, default=5)
    parser.add_argument("--intervals", type=lambda s: [int(v) for v in s.split(",")],
                        default=INTERVALS_MS)
    args = parser.parse_args()

    session()
    bench = Bench()
    bench.setUp()
    try:
        target = ClickTarget(bench.desktop, *TARGET)
        bench.addCleanup(target.close)
        recorder = support.ClickRecorder(target)
        time.sleep(2)
        memory = {"samples": [("start", stats(bench)["workingSet"])]}
        support.choose_start_key(bench, START_KEY)
        rows = []
        for interval in args.intervals:
            ours = program_clicking(bench, target, recorder, interval, args.span)
            plain = settimer_clicking(bench, recorder, interval, args.span)
            print(f"{interval:>4} ms: program {ours['achieved']:8.1f}/s ratio {ours['ratio']:.3f} "
                  f"median {ours['median']:.2f} p99 {ours['p99']:.2f} | SetTimer "
                  f"{plain['achieved']:8.1f}/s ratio {plain['ratio']:.3f} median "
                  f"{plain['median']:.2f} p99 {plain['p99']:.2f}", flush=True)
            rows.append((interval, ours, plain))
            memory["samples"].append((f"{interval} ms", stats(bench)["workingSet"]))
        delays = scheduled_delays(bench, target, recorder, args.schedule_runs)
        memory["samples"].append(("schedule", stats(bench)["workingSet"]))
        print(f"scheduled click delays (ms): {[round(d, 1) for d in delays]}", flush=True)
        windows_pct, host_pct = idle_cpu(bench, args.idle)
        idle = (windows_pct, host_pct, args.idle)
        print(f"idle CPU over {args.idle:.0f} s: {percent(windows_pct)} (Windows view), "
              f"{percent(host_pct)} (Linux process)", flush=True)
        end = stats(bench)
        memory["samples"].append(("idle", end["workingSet"]))
        memory["peak"] = end["peakWorkingSet"]
        print(f"working set samples: {memory['samples']}; peak {memory['peak']}; "
              f"CPU time reported by Windows {end['cpu100ns'] / 1e7:.3f} s")
        exe_size = PROGRAM_EXE.stat().st_size
        print(f"exe size: {exe_size} bytes")
        report = markdown(rows, delays, idle, memory, exe_size, args.span)
        out = BUILD / "bench-results.md"
        out.write_text(report)
        print(f"\n{report}\nwritten to {out}")
    finally:
        bench.doCleanups()


if __name__ == "__main__":
    main()
