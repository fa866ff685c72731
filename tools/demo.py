#!/usr/bin/env python3
"""Runs Setup.exe on a generated demo media folder under Wine, in a fresh Wine prefix.

With a display (DISPLAY set, or --interactive) the installer's window appears there for you to
choose a language. Without one it runs under Xvfb: the UI driver chooses the language, takes
screenshots of the chooser and of the completion message and presses OK. Either way it then
prints what landed on drive C and on the desktop."""
import argparse
import os
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "wine"))
from wine_session import CAPTION, WineSession, wait_exit  # noqa: E402

BUILD = ROOT / "build" / "windows"
LANGUAGES = ["Česky", "English", "Deutsche", "Svenska", "Русский"]


def human(size):
    for unit in ("B", "KB", "MB"):
        if size < 1024 or unit == "MB":
            return f"{size:.0f} {unit}" if unit == "B" else f"{size:.1f} {unit}"
        size /= 1024


def print_tree(title, folder, base):
    files = sorted(p for p in folder.rglob("*") if p.is_file()) if folder.exists() else []
    print(f"\n{title}: {len(files)} files, {human(sum(p.stat().st_size for p in files))}")
    by_folder = {}
    for path in files:
        by_folder.setdefault(path.parent, []).append(path)
    for parent, paths in sorted(by_folder.items()):
        shown = paths if len(paths) <= 12 else paths[:6]
        names = ", ".join(p.name for p in shown) + (", ..." if len(shown) < len(paths) else "")
        print(f"  {base}{str(parent.relative_to(folder.parent)).replace('/', chr(92))}: "
              f"{len(paths)} ({names})")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--language", default="English", choices=LANGUAGES)
    parser.add_argument("--interactive", action="store_true", default=bool(os.environ.get("DISPLAY")))
    parser.add_argument("--headless", dest="interactive", action="store_false")
    parser.add_argument("media_options", nargs="*",
                        help="options for the media generator, after --: --celvano, --clearset, "
                             "--no-german-manuals, --language N")
    args = parser.parse_args()

    screenshots = ROOT / "docs" / "screenshots"
    session = WineSession(BUILD / "platform/win32/Setup.exe", BUILD / "platform/win32/uidriver.exe",
                          BUILD / "make_media.exe", screenshots,
                          display=os.environ.get("DISPLAY") if args.interactive else None)
    try:
        media = session.make_media("media", *args.media_options)
        print(f"demo media: {media}")
        process = session.start_setup(media)
        if args.interactive:
            print("Setup.exe is running: choose a language in its window, then press OK.")
            process.wait()
        else:
            if session.wait_window(30):
                session.screenshot("chooser", CAPTION)
                session.driver("click", CAPTION, args.language)
            text = session.message(60, press_ok=False)
            if text is None:
                print("no completion message appeared", file=sys.stderr)
                return 1
            session.screenshot("completion", "Setup")
            session.message(10)
            print(f"message: {text!r}")
            if wait_exit(process, 30) is None:
                print("Setup.exe did not end", file=sys.stderr)
                return 1
            print(f"screenshots: {screenshots}/chooser.png, completion.png")
        for name in ("Pranvik", "Nolvarin", "RoxPelMu4"):
            print_tree(f"C:\\{name}", session.drive_c / name, "C:\\")
        print_tree("Desktop", session.desktop, "C:\\users\\...\\")
        return 0
    finally:
        session.close()


if __name__ == "__main__":
    sys.exit(main())
