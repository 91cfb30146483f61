#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Windows build's weight and start, under Wine: the size of the
program against an empty QDialog program built and linked the same way
(static Qt, static runtime, stripped), and the time from starting each
under Wine to its first frame on Qt's windows platform.

    wine_startup.py --runs N --strip STRIP PROGRAM.exe BARE_DIALOG.exe

Both probes print "frame PLATFORM VERSION" at their first frame and quit.
The two alternate, round after round, and the median of the ratios
within each round is reported, so that drift of the machine cancels out.
WINEPREFIX names the Wine prefix; DISPLAY an X server.
"""
import argparse
import os
import platform
import shutil
import statistics
import subprocess
import tempfile
import time


def stripped_size(strip, exe, folder):
    copy = os.path.join(folder, os.path.basename(exe))
    shutil.copy(exe, copy)
    subprocess.run([strip, copy], check=True)
    return os.path.getsize(copy)


def start_to_first_frame(wine, exe):
    # Output into a file, not a pipe: the helper processes Wine starts
    # would inherit a pipe and keep it open.
    with tempfile.TemporaryFile(mode="w+") as output:
        started = time.perf_counter()
        result = subprocess.run([wine, exe], env=dict(os.environ, QT_QPA_PLATFORM="windows"),
                                stdout=output, stderr=subprocess.STDOUT, timeout=120)
        elapsed = time.perf_counter() - started
        output.seek(0)
        printed = output.read()
    if result.returncode != 0 or "frame windows" not in printed:
        raise SystemExit(f"{exe} did not show its first frame on the windows platform: {printed}")
    return elapsed * 1000


def main():
    arguments = argparse.ArgumentParser()
    arguments.add_argument("--runs", type=int, default=20)
    arguments.add_argument("--strip", required=True)
    arguments.add_argument("program")
    arguments.add_argument("bare")
    options = arguments.parse_args()
    wine = shutil.which("wine64") or shutil.which("wine")

    with tempfile.TemporaryDirectory() as folder:
        program_size = stripped_size(options.strip, options.program, folder)
        bare_size = stripped_size(options.strip, options.bare, folder)

    subprocess.run(["wineserver", "--persistent"])  # a server already running serves as well
    try:
        start_to_first_frame(wine, options.program)  # Wine and the files warm
        program_ms, bare_ms, ratios = [], [], []
        for round_number in range(options.runs):
            order = [options.program, options.bare] if round_number % 2 == 0 else [options.bare, options.program]
            times = {exe: start_to_first_frame(wine, exe) for exe in order}
            program_ms.append(times[options.program])
            bare_ms.append(times[options.bare])
            ratios.append(times[options.program] / times[options.bare])
    finally:
        subprocess.run(["wineserver", "--kill"])

    wine_version = subprocess.run([wine, "--version"], capture_output=True, text=True).stdout.strip()
    cpu = next((line.split(":", 1)[1].strip() for line in open("/proc/cpuinfo") if line.startswith("model name")), "?")
    print(f"Windows build under {wine_version}, {platform.system()} {platform.release()}, "
          f"{os.cpu_count()} x {cpu}, {options.runs} rounds")
    print(f"  size, stripped:  Kurswaage {program_size / 2**20:.2f} MiB, empty QDialog {bare_size / 2**20:.2f} MiB, "
          f"ratio {program_size / bare_size:.3f}")
    print(f"  first frame:     Kurswaage median {statistics.median(program_ms):.0f} ms, "
          f"empty QDialog median {statistics.median(bare_ms):.0f} ms, ratio (median of rounds) "
          f"{statistics.median(ratios):.3f}")


if __name__ == "__main__":
    main()
