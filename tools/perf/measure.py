#!/usr/bin/env python3
"""Measures Vidorra beside its yardsticks, side by side in one run, and prints the table
of docs/performance.md. Called by scripts/perf.sh with the build folder, and optionally the names of the steps
to run; runs under Xvfb.

  start-up      Vidorra with the maximal catalogue against an empty Qt window, both to the
                first painted window
  benchmarks    reading the catalogue, showing each view, RunVideo to the first frame against
                bare libmpv (the Google Benchmark programs, medians), and to the first frame
                drawn against mpv with its own video output
  playing       CPU time and memory (PSS of every process) while a 720p clip with sound plays
                for 20 s, against mpv showing it in a window of the same size
"""
import json
import os
import pathlib
import shutil
import signal
import socket
import statistics
import subprocess
import sys
import tempfile
import time

build = pathlib.Path(sys.argv[1]).resolve()
top = pathlib.Path(__file__).resolve().parent.parent.parent
work = pathlib.Path(tempfile.mkdtemp(prefix="vidorra-perf-"))
env = dict(os.environ, QTWEBENGINE_DISABLE_SANDBOX="1", VIDORRA_SERVER="http://127.0.0.1:9/")
# The sound outputs the program's engine tries (MpvPlayer.cpp); mpv is given the same, so
# that both pay alike where no sound device answers.
SOUND_OUTPUTS = "--ao=pipewire,pulse,alsa,jack"
rows = []
profiles = []  # where the time or memory of a figure goes, printed under the table


def row(what, ours, yardstick, ratio, goal, met):
    rows.append((what, ours, yardstick, ratio, goal, "met" if met else "not met"))


def program_folder():
    home = work / "home"
    if home.exists():
        shutil.rmtree(home)
    shutil.copytree(top / "data", home)
    settings = (home / "inf").read_bytes().replace(b"updatechannel=1", b"updatechannel=0")
    (home / "inf").write_bytes(settings.replace(b"tellnewversion=1", b"tellnewversion=0"))
    return home


def seconds_to_window(command, extra_env):
    """From the start of the process to the file it writes once its window is first drawn."""
    shot = work / "shown.png"
    if shot.exists():
        shot.unlink()
    run_env = dict(env, VIDORRA_SCREENSHOT=str(shot), VIDORRA_SCREENSHOT_DELAY_MS="0", **extra_env)
    start = time.perf_counter()
    process = subprocess.Popen(command, env=run_env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while not shot.exists() and time.perf_counter() - start < 60:
        time.sleep(0.002)
    elapsed = time.perf_counter() - start
    process.wait(timeout=60)
    return elapsed


def start_up():
    home = program_folder()
    ours, empty, furnished = [], [], []
    for _ in range(21):  # interleaved, so all see the same machine
        ours.append(seconds_to_window([str(build / "bin" / "vidorra")], {"VIDORRA_HOME": str(home)}))
        empty.append(seconds_to_window([str(build / "bench" / "empty_window")], {}))
        furnished.append(seconds_to_window([str(build / "bench" / "empty_window"), "--menus-and-tree"], {}))
    a, b, c = statistics.median(ours), statistics.median(empty), statistics.median(furnished)
    # The same window with menus and a tree shows, for scale, what Qt itself takes for them.
    row("Start to the main window shown (shipped catalogue)", f"{a * 1000:.0f} ms",
        f"{b * 1000:.0f} ms (empty Qt window); with three menus and a 20-row tree {c * 1000:.0f} ms, "
        f"{c / b:.2f}x, Vidorra {a / c:.2f}x that", f"{a / b:.2f}x", "<= 1.5x", a / b <= 1.5)
    start_up_marks(home)


def marks_of(command, extra_env):
    """The start-up marks of one start: {name: (ms from the start of the process, page faults)}."""
    shot = work / "marked.png"
    run_env = dict(env, QT_LOGGING_RULES="vidorra.startup.debug=true", VIDORRA_SCREENSHOT=str(shot),
                   VIDORRA_SCREENSHOT_DELAY_MS="0", **extra_env)
    start = time.clock_gettime_ns(time.CLOCK_MONOTONIC)
    out = subprocess.run(command, env=run_env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
                         timeout=60).stderr
    marks = {}
    for line in out.splitlines():
        if line.startswith("vidorra.startup: "):
            name, at, faults = line[len("vidorra.startup: "):].rsplit("|", 2)
            marks[name] = ((int(at) - start) / 1e6, int(faults))
    return marks


def start_up_marks(home):
    """Where start-up goes: each program's marks, medians of 21 starts taken apart from the
    timed ones, so writing them weighs on no figure of the table."""
    programs = {"Vidorra": ([str(build / "bin" / "vidorra")], {"VIDORRA_HOME": str(home)}),
                "Empty window": ([str(build / "bench" / "empty_window")], {}),
                "With menus and a tree": ([str(build / "bench" / "empty_window"), "--menus-and-tree"], {})}
    starts = {name: [] for name in programs}
    for _ in range(21):
        for name, (command, extra_env) in programs.items():
            starts[name].append(marks_of(command, extra_env))
    names = list(starts["Vidorra"][0])

    def cell(program, mark):
        seen = [marks[mark] for marks in starts[program] if mark in marks]
        if not seen:
            return ""
        return f"{statistics.median(m[0] for m in seen):.1f} ({statistics.median(m[1] for m in seen):.0f})"

    lines = ["Where start-up goes: ms from the start of the process (page faults so far), medians of 21 starts",
             "", "| Mark | " + " | ".join(programs) + " |", "|---" * (len(programs) + 1) + "|"]
    lines += ["| " + " | ".join([mark] + [cell(program, mark) for program in programs]) + " |" for mark in names]
    profiles.append("\n".join(lines))


def benchmark_aggregates(name, flt):
    """Each benchmark's aggregates as Google Benchmark reports them, times and counters:
    {"median": {run name: run}, "cv": {...}, ...}."""
    out = subprocess.run([str(build / "bench" / name), f"--benchmark_filter={flt}", "--benchmark_format=json"],
                         env=env, capture_output=True, text=True, timeout=600)
    found = {}
    for run in json.loads(out.stdout)["benchmarks"]:
        if "aggregate_name" in run:
            found.setdefault(run["aggregate_name"], {})[run["run_name"]] = run
    return found


def benchmark_medians(name, flt):
    return benchmark_aggregates(name, flt)["median"]


def ms(run):
    return run["real_time"] * {"ms": 1, "us": 1e-3, "ns": 1e-6}[run["time_unit"]]


def benchmark(name, flt):
    return {run_name: ms(run) for run_name, run in benchmark_medians(name, flt).items()}


def benchmarks():
    read = benchmark_medians("catalogue_bench", "parseThreeLists")
    warm = next(ms(r) for k, r in read.items() if k.startswith("parseThreeLists/"))
    fresh_run = next(r for k, r in read.items() if k.startswith("parseThreeListsFresh/"))
    fresh = ms(fresh_run)
    row("Reading the maximal catalogue", f"{warm:.1f} ms", "", "", "<= 10 ms", warm <= 10)
    row("The same in a fresh process, as at start-up", f"{fresh:.1f} ms", "", "", "<= 10 ms", fresh <= 10)
    faults, alone = fresh_run["pageFaults"], fresh_run["faultsAloneMs"]
    large_run = next(r for k, r in read.items() if k.startswith("parseThreeListsFreshLargePages/"))
    profiles.append(f"Where the fresh read goes: {faults:.0f} page faults, counting the pages a large list takes "
                    f"at once; as many new pages touched one at a time take {alone:.1f} ms alone here "
                    f"({alone * 1000 / faults:.1f} us each). The read took {fresh:.1f} ms against {warm:.1f} ms in "
                    f"a process that has its pages already. "
                    f"The same fresh read with glibc's heap on 2 MiB pages (GLIBC_TUNABLES=glibc.malloc.hugetlb=1, "
                    f"which only the environment can set, before a process starts): {ms(large_run):.1f} ms, "
                    f"{large_run['pageFaults']:.0f} page faults.")
    views = benchmark("tree_bench", "filterBy")
    worst = max(views.values())
    row("Showing a view (slowest of four)", f"{worst:.1f} ms",
        ", ".join(f"{k.split('/')[1]}: {v:.1f}" for k, v in sorted(views.items())), "", "<= 16 ms", worst <= 16)
    # Each in a process of its own: a process's first loads take longer whichever side makes
    # them (its heap grows), so no side runs in a process the other one has warmed.
    aggregates = {}
    for name in ("runVideoToFirstFrame/720p/file", "bareLibmpvToFirstFrame/720p/file",
                 "runVideoToFirstFrame/720p/http", "bareLibmpvToFirstFrame/720p/http",
                 "runVideoToFirstFrameDrawn/720p/file"):
        for aggregate, runs in benchmark_aggregates("playback_bench", f"^{name}/").items():
            aggregates.setdefault(aggregate, {}).update(runs)
    frames = {run_name: ms(run) for run_name, run in aggregates["median"].items()}
    for place in ("file", "http"):
        ours = next(v for k, v in frames.items() if k.startswith(f"runVideoToFirstFrame/720p/{place}"))
        bare = next(v for k, v in frames.items() if k.startswith(f"bareLibmpvToFirstFrame/720p/{place}"))
        row(f"RunVideo to the first frame, 720p, {place}", f"{ours:.1f} ms", f"{bare:.1f} ms (bare libmpv)",
            f"{ours / bare:.2f}x", "<= 1.2x", ours / bare <= 1.2)
    drawn = next(v for k, v in frames.items() if k.startswith("runVideoToFirstFrameDrawn/720p/file"))
    mpv_first_load, mpv_loads = mpv_to_first_frame([SOUND_OUTPUTS])
    mpv = statistics.median(mpv_loads)
    _, mpv_default_loads = mpv_to_first_frame([])
    row("RunVideo to the first frame drawn, 720p, file", f"{drawn:.1f} ms", f"{mpv:.1f} ms (mpv)",
        f"{drawn / mpv:.2f}x", "<= 1.2x", drawn / mpv <= 1.2)
    spreads = ", ".join(f"{run_name.split('/iterations')[0]} {run['real_time'] * 100:.0f} %"
                        for run_name, run in sorted(aggregates["cv"].items()))
    quartiles = statistics.quantiles(mpv_loads, n=4)
    first_loads = ", ".join(f"{run_name.split('/iterations')[0]} {run['firstLoadMs']:.1f} ms"
                            for run_name, run in sorted(aggregates["median"].items()))
    profiles.append(f"How steady the first frame is: the spread of each median's repetitions (coefficient of "
                    f"variation): {spreads}; mpv's {len(mpv_loads)} loads from {quartiles[0]:.1f} to "
                    f"{quartiles[2]:.1f} ms (first to third quartile). Each side's first load into a new engine, "
                    f"timed apart from the rows (medians): {first_loads}; mpv {mpv_first_load[0]:.1f} ms.")
    default_quartiles = statistics.quantiles(mpv_default_loads, n=4)
    profiles.append(f"mpv with the program's sound outputs ({SOUND_OUTPUTS}), as in the table; with its own default "
                    f"list, which ends with SDL's output: median {statistics.median(mpv_default_loads):.1f} ms, "
                    f"{default_quartiles[0]:.1f} to {default_quartiles[2]:.1f} ms (first to third quartile). Where "
                    f"no sound device answers, SDL's output takes 0 or 100 ms to fail, by chance.")


def mpv_to_first_frame(options):
    """mpv with its own video output and the given options, kept running and idle between
    loads as the program's engine is: loadfile to its playback-restart event, the times of
    the first load of the clip playback_bench plays and of 25 loads after it (timed apart,
    as the benchmark does)."""
    clip = work / "hd.mp4"
    subprocess.run(["ffmpeg", "-loglevel", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=1280x720:rate=25:duration=4",
                    "-f", "lavfi", "-i", "sine=frequency=440:duration=4", "-shortest", "-pix_fmt", "yuv420p",
                    "-movflags", "+faststart", str(clip)], check=True)
    ipc = work / "mpv.socket"
    ipc.unlink(missing_ok=True)
    process = subprocess.Popen(["mpv", "--idle=yes", "--force-window=yes", "--geometry=900x620", "--vo=gpu",
                                "--gpu-context=x11egl", "--hwdec=no", "--keep-open=no", "--no-terminal",
                                f"--input-ipc-server={ipc}", *options], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        deadline = time.perf_counter() + 30
        while not ipc.exists() and time.perf_counter() < deadline:
            time.sleep(0.01)
        with socket.socket(socket.AF_UNIX) as connection:
            connection.connect(str(ipc))
            connection.settimeout(30)
            stream = connection.makefile("rwb")

            def send(*command):
                stream.write((json.dumps({"command": list(command)}) + "\n").encode())
                stream.flush()

            def until(event):
                while json.loads(stream.readline()).get("event") != event:
                    pass

            times = []
            for _ in range(26):
                start = time.perf_counter()
                send("loadfile", str(clip), "replace")
                until("playback-restart")
                times.append((time.perf_counter() - start) * 1000)
                send("stop")
                until("idle")
            send("quit")
        return times[:1], times[1:]
    finally:
        try:
            process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            process.kill()


def tree_of(pid):
    found = [pid]
    for child in pathlib.Path("/proc").glob("[0-9]*/stat"):
        try:
            fields = child.read_text().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[1]) in found and int(child.parent.name) not in found:
            found.append(int(child.parent.name))
    return found


def cpu_seconds(pids):
    total = 0
    for pid in pids:
        try:
            fields = pathlib.Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except OSError:
            pass
    return total / os.sysconf("SC_CLK_TCK")


def pss_bytes(pids):
    total = 0
    for pid in pids:
        try:
            for line in pathlib.Path(f"/proc/{pid}/smaps_rollup").read_text().splitlines():
                if line.startswith("Pss:"):
                    total += int(line.split()[1]) * 1024
        except OSError:
            pass
    return total


def process_label(pid):
    """The program's name, and a web engine helper's role (renderer, zygote)."""
    try:
        arguments = pathlib.Path(f"/proc/{pid}/cmdline").read_bytes().decode(errors="replace").split("\0")
    except OSError:
        return "gone"
    words = " ".join(arguments).split()  # a web engine helper rewrites its arguments into one
    roles = [w[len("--type="):] for w in words if w.startswith("--type=")]
    return " ".join([pathlib.Path(words[0]).name] + roles)


def memory_parts(pids):
    """Each process's PSS in kB, by what is mapped: a file by its name, else [anon], [heap]..."""
    parts = []
    for pid in pids:
        mapped, current = {}, "[anon]"
        try:
            for line in pathlib.Path(f"/proc/{pid}/smaps").read_text().splitlines():
                fields = line.split()
                if not fields[0].endswith(":"):  # a mapping's header: range, rights, offset, device, inode, path
                    current = pathlib.Path(fields[5]).name if len(fields) > 5 else "[anon]"
                elif fields[0] == "Pss:":
                    mapped[current] = mapped.get(current, 0) + int(fields[1])
        except (OSError, IndexError):
            continue
        parts.append((process_label(pid), mapped))
    return parts


# What the banner's web engine brings into the program's own process.
WEB_ENGINE_FILES = ("libQt6WebEngine", "libQt6Quick", "libQt6Qml", "libQt6WebChannel", "libQt6Positioning",
                    "vidorra-web", "qtwebengine", "icudtl.dat", "libnss3", "libnssutil3", "libsmime3", "libnspr4")


def memory_profile(title, parts):
    mb = 1024
    lines = [title, "", "| Process | PSS | Largest parts |", "|---|---|---|"]
    for label, mapped in parts:
        largest = sorted(mapped.items(), key=lambda item: -item[1])[:5]
        lines.append(f"| {label} | {sum(mapped.values()) / mb:.0f} MB | "
                     + ", ".join(f"{name} {size / mb:.1f}" for name, size in largest) + " |")
    return lines


def web_engine_share(parts):
    """kB of PSS that the web engine accounts for: its helper processes whole, and its
    libraries and files in the program's own process (not its share of the heap)."""
    total = 0
    for label, mapped in parts:
        if label.startswith("QtWebEngineProcess"):
            total += sum(mapped.values())
        else:
            total += sum(size for name, size in mapped.items() if name.startswith(WEB_ENGINE_FILES))
    return total


def while_playing(command, extra_env):
    process = subprocess.Popen(command, env=dict(env, **extra_env), stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    time.sleep(5)  # started and playing: what follows is playing alone
    pids = tree_of(process.pid)
    before = cpu_seconds(pids)
    time.sleep(20)
    pids = tree_of(process.pid)
    used, memory, parts = cpu_seconds(pids) - before, pss_bytes(pids), memory_parts(pids)
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(timeout=20)
    except subprocess.TimeoutExpired:
        process.kill()
    return used, memory, parts


def playing():
    clip = work / "clip720.mp4"
    subprocess.run(["ffmpeg", "-loglevel", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=1280x720:rate=25:duration=60",
                    "-f", "lavfi", "-i", "sine=frequency=440:duration=60", "-shortest", "-c:v", "libx264", "-preset",
                    "veryfast", "-c:a", "aac", str(clip)], check=True)
    home = program_folder()
    ours_cpu, ours_pss, ours_parts = while_playing([str(build / "bin" / "vidorra"), str(clip)], {"VIDORRA_HOME": str(home)})
    # mpv draws with OpenGL through EGL, as Vidorra's engine does; Xvfb offers no GLX context to it.
    mpv_cpu, mpv_pss, mpv_parts = while_playing(["mpv", "--geometry=900x620", "--vo=gpu", "--gpu-context=x11egl", "--hwdec=no",
                                      "--keep-open=yes", "--no-terminal", SOUND_OUTPUTS, str(clip)], {})
    if mpv_cpu <= 0 or mpv_pss <= 0:
        raise RuntimeError("mpv did not play")
    row("CPU while playing 720p for 20 s", f"{ours_cpu:.1f} s", f"{mpv_cpu:.1f} s (mpv)",
        f"{ours_cpu / mpv_cpu:.2f}x", "<= 1.15x", ours_cpu / mpv_cpu <= 1.15)
    row("Memory while playing 720p (PSS, all processes)", f"{ours_pss / 2**20:.0f} MB", f"{mpv_pss / 2**20:.0f} MB (mpv)",
        f"{ours_pss / mpv_pss:.2f}x", "<= 1.15x, <= 200 MB", ours_pss / mpv_pss <= 1.15 and ours_pss <= 200 * 2**20)
    web = web_engine_share(ours_parts) * 1024
    lines = memory_profile("Where the memory goes while playing: PSS of each process, its largest parts in MB",
                           ours_parts + mpv_parts)
    lines += ["", f"The banner's web engine (its helper processes, its libraries in the program's process): "
              f"{web / 2**20:.0f} MB. The rest: {(ours_pss - web) / 2**20:.0f} MB, "
              f"{(ours_pss - web) / mpv_pss:.2f}x mpv."]
    profiles.append("\n".join(lines))


def main():
    steps = (start_up, benchmarks, playing)
    chosen = sys.argv[2:]  # names of steps to run alone, for a quicker look at one figure
    for step in steps:
        if chosen and step.__name__ not in chosen:
            continue
        try:
            step()
        except Exception as failure:  # a failed measurement is reported, never taken as a result
            row(step.__name__, "failed", str(failure)[:60], "", "", False)
    print("| What | Vidorra | Yardstick | Ratio | Goal | |")
    print("|---|---|---|---|---|---|")
    for r in rows:
        print("| " + " | ".join(r) + " |")
    for profile in profiles:
        print("\n" + profile)
    shutil.rmtree(work, ignore_errors=True)


main()
