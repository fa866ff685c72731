#!/usr/bin/env python3
"""Benchmark: the whole installation against a plain copy of the same files into the same
layout, on a realistic payload (programs of megabytes, manuals of 1 to 3 MB, pictures of 100 to
500 KB, small texts). Runs alternate, medians of --runs; it prints ratios, never asserts.

  host: setup_host_run (the host backend, Release build) against cp
  wine: Setup.exe with a saved language, its message dismissed by the UI driver, against
        Wine's xcopy, one cmd.exe process running one xcopy per file
Also prints Setup.exe's size and the host run's peak memory (/usr/bin/time -v)."""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from collections import defaultdict
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "wine"))
from wine_session import TITLE, WineSession, wait_exit, windows_path  # noqa: E402

RELEASE = ROOT / "build" / "release"
WINDOWS = ROOT / "build" / "windows"
DESKTOP = "C:\\users\\Setup\\Desktop"
# The desktop items of an English installation of the Orvalis edition: (source, item).
DESKTOP_COPIES = [("Tobrenix.lnk", "Tobrenix.lnk"), ("Orvalis.lnk", "Orvalis.lnk"),
                  ("Orvalis DATA.lnk", "Orvalis DATA.lnk"),
                  ("Orvalis DATA.lnk", "Tobrenix DATA.lnk"), ("Orvalis EN.pdf", "Orvalis EN.pdf"),
                  ("Tobrenix EN.pdf", "Tobrenix EN.pdf"), ("Bravonel EN.pdf", "Bravonel EN.pdf")]


def host_path(root, windows):
    return Path(root).joinpath(*windows[3:].split("\\"))


def copies(make_media, media):
    """(media source, Windows target) of a fresh English installation, as the installer makes
    them, for the files the media holds."""
    out = subprocess.run([str(make_media), "--list-copies"], capture_output=True, text=True,
                         check=True).stdout
    pairs = [(src, tgt) for _, _, src, tgt in (l.split("\t") for l in out.splitlines() if l)]
    pairs += [(src, DESKTOP + "\\" + item) for src, item in DESKTOP_COPIES]
    return [(s, t) for s, t in pairs if (media / Path(*s.split("\\"))).exists()]


def timed(command, **kwargs):
    start = time.perf_counter()
    subprocess.run(command, check=True, **kwargs)
    return time.perf_counter() - start


def cp_script(pairs, media, drive_c):
    """One cp per target folder (plus one per renamed file), after the folders are made."""
    by_folder = defaultdict(list)
    lines = ["set -e"]
    folders = sorted({str(host_path(drive_c, t).parent) for _, t in pairs})
    folders.append(str(host_path(drive_c, r"C:\Pranvik")))
    folders.append(str(host_path(drive_c, r"C:\RoxPelMu4\PrepSwich")))
    lines.append("mkdir -p " + " ".join(f"'{f}'" for f in folders))
    for source, target in pairs:
        src = media / Path(*source.split("\\"))
        dst = host_path(drive_c, target)
        if src.name == dst.name:
            by_folder[dst.parent].append(src)
        else:
            lines.append(f"cp '{src}' '{dst}'")
    for folder, sources in by_folder.items():
        lines.append("cp " + " ".join(f"'{s}'" for s in sources) + f" '{folder}/'")
    return "\n".join(lines) + "\n"


def bench_host(media, runs, work):
    make_media = RELEASE / "make_media"
    setup = RELEASE / "platform" / "host" / "setup_host_run"
    pairs = copies(make_media, media)
    drive_c = work / "drive_c"
    script = work / "copy.sh"
    script.write_text(cp_script(pairs, media, drive_c))

    def fresh():
        shutil.rmtree(drive_c, ignore_errors=True)
        host_path(drive_c, DESKTOP).mkdir(parents=True)

    ours, plain = [], []
    for _ in range(runs):
        fresh()
        ours.append(timed([str(setup), str(drive_c), str(media), "1"], stdout=subprocess.DEVNULL))
        fresh()
        plain.append(timed(["bash", str(script)]))
    fresh()
    peak = subprocess.run(["/usr/bin/time", "-v", str(setup), str(drive_c), str(media), "1"],
                          capture_output=True, text=True, check=True).stderr
    peak_kb = next(int(l.split(":")[1]) for l in peak.splitlines() if "Maximum resident" in l)
    return statistics.median(ours), statistics.median(plain), peak_kb, len(pairs)


def bench_wine(media, runs, session):
    pairs = copies(RELEASE / "make_media", media)
    (media / "dLangv.dat").write_bytes(b"\x01\0\0\0")
    folders = sorted({t.rsplit("\\", 1)[0] for _, t in pairs} | {r"C:\Pranvik",
                                                                  r"C:\RoxPelMu4\PrepSwich"})

    def batch(name, copy_line):
        lines = ["@echo off"] + [f'mkdir "{f}" 2>nul' for f in folders]
        for source, target in pairs:
            lines.append(copy_line(windows_path(media / Path(*source.split("\\"))), source,
                                   target))
        path = session.root / name
        path.write_text("\r\n".join(lines) + "\r\n")
        return path

    def xcopy_line(src, source, target):
        folder, name = target.rsplit("\\", 1)
        if name == source.rsplit("\\", 1)[-1]:
            return f'xcopy /Y /Q "{src}" "{folder}\\" >nul'
        return f'copy /Y "{src}" "{target}" >nul'  # xcopy would ask: file or folder?

    baselines = {"xcopy": batch("xcopy.bat", xcopy_line),
                 "copy": batch("copy.bat", lambda src, _, target: f'copy /Y "{src}" "{target}" >nul')}

    def fresh():
        session.reset()
        shutil.rmtree(session.drive_c / "users" / "Setup", ignore_errors=True)

    def run_setup():
        # The driver waits for the message before Setup.exe starts, so it dismisses it at once.
        driver = subprocess.Popen(["wine", str(session.uidriver_exe), "message", TITLE, "120",
                                   "ok"], env=session.env, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        start = time.perf_counter()
        process = session.start_setup(media)
        if wait_exit(process, 120) is None:
            process.kill()
            driver.kill()
            raise RuntimeError("Setup.exe did not end")
        elapsed = time.perf_counter() - start
        driver.wait(timeout=60)
        return elapsed

    ours, plain = [], defaultdict(list)
    for _ in range(runs):
        fresh()
        ours.append(run_setup())
        for name, script in baselines.items():
            fresh()
            plain[name].append(timed(["wine", "cmd", "/c", windows_path(script)], env=session.env,
                                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL, timeout=300))
    return statistics.median(ours), {k: statistics.median(v) for k, v in plain.items()}


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--skip-wine", action="store_true")
    args = parser.parse_args()

    work = Path(tempfile.mkdtemp(prefix="setup-bench-"))
    try:
        media = work / "media"
        totals = subprocess.run([str(RELEASE / "make_media"), str(media), "--realistic"],
                                capture_output=True, text=True, check=True).stdout.strip()
        print(f"payload: {totals}")
        ours, plain, peak_kb, count = bench_host(media, args.runs, work)
        print(f"host: installation {ours:.3f} s, cp {plain:.3f} s, ratio {ours / plain:.2f} "
              f"({count} copies, median of {args.runs})")
        print(f"host: peak memory {peak_kb / 1024:.1f} MB")
        size = (WINDOWS / "platform" / "win32" / "Setup.exe").stat().st_size
        print(f"Setup.exe: {size} bytes ({size / 1024:.0f} KB)")
        if not args.skip_wine:
            session = WineSession(WINDOWS / "platform/win32/Setup.exe",
                                  WINDOWS / "platform/win32/uidriver.exe",
                                  WINDOWS / "make_media.exe", work / "shots")
            try:
                wine_media = session.root / "media"
                shutil.copytree(media, wine_media)
                shutil.copy2(session.setup_exe, wine_media / "Setup.exe")
                ours, plain = bench_wine(wine_media, args.runs, session)
                print(f"wine: Setup.exe {ours:.3f} s, xcopy {plain['xcopy']:.3f} s, ratio "
                      f"{ours / plain['xcopy']:.2f} (one xcopy process per file; median of "
                      f"{args.runs})")
                print(f"wine: Setup.exe {ours:.3f} s, cmd copy {plain['copy']:.3f} s, ratio "
                      f"{ours / plain['copy']:.2f} (one cmd process for all files)")
            finally:
                session.close()
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
