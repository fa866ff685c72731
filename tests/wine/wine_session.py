"""A Wine session for end-to-end tests of Setup.exe: its own Xvfb display, a fresh Wine prefix,
the UI driver, the media generator, and views of drive C and the desktop."""
import getpass
import os
import shutil
import subprocess
import tempfile
from pathlib import Path

CAPTION = "Setup Orvalis 5.23"
TITLE = "Setup"
SUITE_FOLDERS = ("Pranvik", "Nolvarin", "RoxPelMu4")


def windows_path(path):
    """The Wine path of a host path (Wine's drive Z: is the host's root)."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


class WineSession:
    def __init__(self, setup_exe, uidriver_exe, make_media_exe, artifacts, dpi=96, display=None):
        self.setup_exe = Path(setup_exe)
        self.uidriver_exe = Path(uidriver_exe)
        self.make_media_exe = Path(make_media_exe)
        self.artifacts = Path(artifacts)
        self.artifacts.mkdir(parents=True, exist_ok=True)
        self.root = Path(tempfile.mkdtemp(prefix="setup-wine-"))
        self.prefix = self.root / "prefix"
        (self.root / "home").mkdir()
        self.env = dict(os.environ)
        self.env.update(
            WINEPREFIX=str(self.prefix),
            WINEDEBUG="-all",
            WINEDLLOVERRIDES="mscoree,mshtml=",
            HOME=str(self.root / "home"),
            LANG="C.UTF-8",
            LC_ALL="C.UTF-8",
        )
        self.xvfb = None
        if display:
            self.env["DISPLAY"] = display
        else:
            self._start_display()
        self.wine("wineboot", "-i", timeout=180)
        self.set_dpi(dpi, restart=False)
        # Without a window manager Wine draws the caption and frame itself.
        for value in ("Decorated", "Managed"):
            self.wine("reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", value, "/d", "N", "/f")
        self.wait_server()
        self.start_server()
        # Wine links the desktop to the host's home; the tests want a folder of the prefix.
        desktop = self.drive_c / "users" / getpass.getuser() / "Desktop"
        if desktop.is_symlink() or not desktop.is_dir():
            desktop.unlink(missing_ok=True)
            desktop.mkdir(parents=True)
        self.desktop = desktop

    # --- processes -------------------------------------------------------------------------
    def _start_display(self):
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as f:
            number = f.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number

    def wine(self, program, *args, timeout=60, check=True):
        # Output goes through a file, not a pipe: Wine's service processes started by this
        # call inherit its output handles and outlive it, and a pipe would wait for them.
        with tempfile.TemporaryFile() as output:
            result = subprocess.run(["wine", str(program), *map(str, args)], env=self.env,
                                    stdin=subprocess.DEVNULL, stdout=output,
                                    stderr=subprocess.DEVNULL, timeout=timeout)
            output.seek(0)
            out = output.read().decode("utf-8", "replace").replace("\r\n", "\n")
        if check and result.returncode != 0:
            raise RuntimeError(f"{program} {args}: exit {result.returncode}: {out}")
        return result.returncode, out

    def wait_server(self):
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=120)

    def start_server(self):
        """One persistent server for the session: a server that starts anew re-runs Wine's
        start-up, which rewrites registry keys the tests remove on purpose."""
        subprocess.run(["wineserver", "-p"], env=self.env, timeout=60, check=True,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        self.wine("reg", "query", r"HKCU\Software\Wine", check=False)

    def close(self):
        subprocess.run(["wineserver", "-k"], env=self.env, timeout=60)
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=60)
        if self.xvfb:
            self.xvfb.kill()
            self.xvfb.wait()
        self.release_locks(self.root)
        shutil.rmtree(self.root, ignore_errors=True)

    # --- the installer ---------------------------------------------------------------------
    def make_media(self, name, *options):
        folder = self.root / name
        shutil.rmtree(folder, ignore_errors=True)
        self.wine(self.make_media_exe, windows_path(folder), *options)
        shutil.copy2(self.setup_exe, folder / "Setup.exe")
        return folder

    def fixed_copies(self):
        _, out = self.wine(self.make_media_exe, "--list-copies")
        rows = [line.split("\t") for line in out.splitlines() if line]
        return [(t, fresh == "1", source, target) for t, fresh, source, target in rows]

    def start_setup(self, media, cwd=None):
        return subprocess.Popen(["wine", str(Path(media) / "Setup.exe")], env=self.env,
                                cwd=str(cwd or media), stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def driver(self, *args, timeout=60):
        return self.wine(self.uidriver_exe, *args, timeout=timeout, check=False)

    def wait_window(self, seconds=30):
        return self.driver("wait", CAPTION, seconds)[0] == 0

    def dump(self):
        rc, out = self.driver("dump", CAPTION)
        if rc != 0:
            raise AssertionError("no window to dump: " + out)
        return out.splitlines()

    def message(self, seconds=60, press_ok=True):
        """The text of the next message box, or None when none came."""
        args = ["message", TITLE, seconds] + (["ok"] if press_ok else [])
        rc, out = self.driver(*args, timeout=seconds + 30)
        return out[:-1] if rc == 0 else None

    def screenshot(self, name, window_title=None):
        """A PNG of the screen, or of the window with exactly that title when it is found."""
        path = self.artifacts / f"{name}.png"
        window = "root"
        if window_title:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                    f"^{window_title}$"], env=self.env, capture_output=True,
                                   text=True, timeout=30).stdout.split()
            if found:
                window = found[-1]
        subprocess.run(["import", "-window", window, "-display", self.env["DISPLAY"], str(path)],
                       env=self.env, check=False, timeout=30)
        return path

    def set_dpi(self, dpi, restart=True):
        for key in (r"HKCU\Control Panel\Desktop",
                    r"HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts"):
            self.wine("reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", dpi, "/f")
        if restart:
            subprocess.run(["wineserver", "-k"], env=self.env, timeout=60)
            self.wait_server()
            self.start_server()

    # --- drive C and the desktop -----------------------------------------------------------
    @property
    def drive_c(self):
        return self.prefix / "drive_c"

    def c(self, windows):
        """The host path of a path on drive C ("C:\\Nolvarin\\Orvalis.exe")."""
        assert windows[:3].upper() == "C:\\", windows
        return self.drive_c.joinpath(*windows[3:].split("\\"))

    def reset(self):
        """Drive C and the desktop as before any installation."""
        self.release_locks(self.drive_c)
        for name in SUITE_FOLDERS:
            path = self.drive_c / name
            if path.is_dir() and not path.is_symlink():
                shutil.rmtree(path)
            elif path.exists() or path.is_symlink():
                path.unlink()
        for item in self.desktop.iterdir():
            if item.is_dir():
                shutil.rmtree(item)
            else:
                item.unlink()

    def suite_files(self):
        """Every file of the suite's folders, as Windows paths."""
        found = set()
        for name in SUITE_FOLDERS:
            for path in (self.drive_c / name).rglob("*"):
                if path.is_file():
                    found.add("C:\\" + str(path.relative_to(self.drive_c)).replace("/", "\\"))
        return found

    def desktop_items(self):
        return {p.name for p in self.desktop.iterdir()}

    @staticmethod
    def lock(path):
        """Makes a file unwritable even for root, as a read-only or locked file is to a user."""
        subprocess.run(["chattr", "+i", str(path)], check=True, capture_output=True)

    @staticmethod
    def release_locks(folder):
        if Path(folder).exists():
            subprocess.run(["chattr", "-R", "-i", str(folder)], capture_output=True)


def session_from_environment():
    """The session for a test module, with the programs that ctest names in the environment."""
    build = Path(os.environ["SETUP_EXE"]).parents[2]
    args = (os.environ["SETUP_EXE"], os.environ["UIDRIVER_EXE"], os.environ["MAKE_MEDIA_EXE"],
            os.environ.get("WINE_ARTIFACTS", build / "wine-artifacts"))
    try:
        return WineSession(*args)
    except (RuntimeError, subprocess.TimeoutExpired) as error:
        # A new prefix's first start now and then fails in Wine's own start-up; once more.
        print(f"Wine session set-up failed ({error}); trying once more", flush=True)
        return WineSession(*args)


def module_fixture(namespace):
    """setUpModule and tearDownModule for a test module whose tests share namespace["SESSION"]."""
    def set_up():
        namespace["SESSION"] = session_from_environment()

    def tear_down():
        if namespace.get("SESSION"):
            namespace["SESSION"].close()

    return set_up, tear_down


def wait_exit(process, seconds=30):
    """The process's exit code once it has ended, or None if it is still running."""
    try:
        return process.wait(timeout=seconds)
    except subprocess.TimeoutExpired:
        return None
