#!/usr/bin/env python3
"""Whole-job benchmark of the console tool against the bare converter.

For a set of generated Photo CD files (ImageMagick's built-in pictures
written as Base-only files, plus the project's shared samples when they are
there: 4Base, 16Base, portrait, truncated), this runs

    marlenta -i <folder> -o <out>           (default converter lookup)

and, in the same run, the bare converter asked once per file for the level
marlenta finally delivered, writing TIFF directly:

    convert pcd:<file>[k] out.tiff

It prints the wall times and their ratio (target: at most 1.25), the peak
memory of the marlenta process itself, children excluded (VmHWM polled from
/proc; target: at most 3 x the largest decoded picture), and, for reference,
the peak including the converter runs (/usr/bin/time). Each measurement is
the median of --runs alternating runs, since the machine is shared.

Usage: bench/console_job.py [--build BUILD_DIR] [--runs N] [--samples DIR]
       (--samples "" leaves the samples out: a set of Base-only files, the
       case where the refused levels 6, 5 and 4 weigh most)
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

BUILT_IN = ["rose:", "logo:", "wizard:", "granite:", "netscape:", "plasma:fractal",
            "gradient:red-blue", "pattern:checkerboard"]
LEVEL_OF_SHORT_SIDE = {128: 1, 256: 2, 512: 3, 1024: 4, 2048: 5, 4096: 6}


def make_inputs(folder, samples):
    os.makedirs(folder)
    for i, picture in enumerate(BUILT_IN):
        subprocess.run(["convert", "-size", "768x512", picture, "-resize", "768x512!",
                        os.path.join(folder, f"generated{i}.pcd")], check=True)
    if samples and os.path.isdir(samples):
        for name in sorted(os.listdir(samples)):
            if name.endswith(".pcd"):
                shutil.copy(os.path.join(samples, name), folder)


def vm_hwm_kib(pid):
    try:
        with open(f"/proc/{pid}/status") as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def run_marlenta(marlenta, inputs, out, env):
    """Wall seconds and the process's own peak RSS in KiB."""
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    start = time.monotonic()
    child = subprocess.Popen([marlenta, "-q", "-i", inputs, "-o", out], env=env,
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    peak = 0
    # VmHWM is a high-water mark, so any sample after the peak sees it.
    while child.poll() is None:
        peak = max(peak, vm_hwm_kib(child.pid))
        time.sleep(0.002)
    seconds = time.monotonic() - start
    output = child.stdout.read().decode()
    if child.returncode not in (0, 2):
        sys.exit(f"marlenta failed ({child.returncode}):\n{output}")
    return seconds, peak


def tree_peak_kib(marlenta, inputs, out, env):
    """Peak RSS including the converter runs, from /usr/bin/time."""
    if not os.path.exists("/usr/bin/time"):
        return None
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    result = subprocess.run(["/usr/bin/time", "-f", "%M", marlenta, "-q", "-i", inputs,
                             "-o", out], env=env, capture_output=True, text=True)
    return int(result.stderr.strip().splitlines()[-1])


def delivered(out):
    """(name, width, height, level) of each output file."""
    result = []
    for name in sorted(os.listdir(out)):
        size = subprocess.run(["identify", "-format", "%w %h", os.path.join(out, name)],
                              capture_output=True, text=True, check=True).stdout.split()
        width, height = int(size[0]), int(size[1])
        result.append((name, width, height, LEVEL_OF_SHORT_SIDE.get(min(width, height))))
    return result


def run_bare(inputs, outputs, scratch):
    """Total wall seconds of one bare converter run per file, and its peak RSS."""
    total, peak = 0.0, 0
    for name, _, _, level in outputs:
        source = os.path.join(inputs, os.path.splitext(name)[0] + ".pcd")
        target = os.path.join(scratch, "bare.tiff")
        start = time.monotonic()
        result = subprocess.run(["/usr/bin/time", "-f", "%M", "convert",
                                 f"pcd:{source}[{level}]", target],
                                capture_output=True, text=True)
        total += time.monotonic() - start
        peak = max(peak, int(result.stderr.strip().splitlines()[-1]))
    return total, peak


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(root, "build"))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--samples", default=os.path.join(root, "..", "shared", "samples"))
    args = parser.parse_args()
    marlenta = os.path.join(os.path.abspath(args.build), "marlenta")

    with tempfile.TemporaryDirectory(prefix="marlenta-bench-") as work:
        inputs = os.path.join(work, "in")
        out = os.path.join(work, "out")
        make_inputs(inputs, args.samples)
        env = {k: v for k, v in os.environ.items() if not k.startswith("MARLENTA")}
        env["XDG_RUNTIME_DIR"] = work  # never meets a running copy's lock
        env["TMPDIR"] = work

        job_times, job_peaks, bare_times = [], [], []
        outputs, bare_peak = [], 0
        for _ in range(args.runs):
            seconds, peak = run_marlenta(marlenta, inputs, out, env)
            job_times.append(seconds)
            job_peaks.append(peak)
            outputs = delivered(out)
            seconds, bare_peak = run_bare(inputs, outputs, work)
            bare_times.append(seconds)
        tree_peak = tree_peak_kib(marlenta, inputs, out, env)

    largest = max(w * h * 3 for _, w, h, _ in outputs)
    job, bare = statistics.median(job_times), statistics.median(bare_times)
    own_peak = max(job_peaks)
    print(f"files: {len(outputs)} converted, load {os.getloadavg()[0]:.2f}, "
          f"median of {args.runs} runs")
    for name, w, h, level in outputs:
        print(f"  {name:32} {w}x{h}  level {level}")
    print(f"marlenta -i <folder>     wall {job:7.3f} s   runs: "
          + " ".join(f"{t:.3f}" for t in job_times))
    print(f"bare convert per file    wall {bare:7.3f} s   runs: "
          + " ".join(f"{t:.3f}" for t in bare_times))
    verdict = "ok" if job <= 1.25 * bare else "OVER"
    print(f"time ratio               {job / bare:7.2f}     (target <= 1.25: {verdict})")
    verdict = "ok" if own_peak * 1024 <= 3 * largest else "OVER"
    print(f"marlenta own peak RSS    {own_peak / 1024:7.1f} MiB (target <= 3 x largest picture "
          f"{largest / 2**20:.1f} MiB = {3 * largest / 2**20:.1f} MiB: {verdict})")
    if tree_peak:
        print(f"peak RSS with children   {tree_peak / 1024:7.1f} MiB (/usr/bin/time)")
    print(f"bare convert peak RSS    {bare_peak / 1024:7.1f} MiB")


if __name__ == "__main__":
    main()
