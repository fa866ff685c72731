"""The window as a person meets it under Wine: real key events (xdotool) for the keyboard."""
import subprocess
import time
import unittest

from wine_session import CAPTION, module_fixture, wait_exit

SESSION = None
# Left, top, width, height at 96 pixels per inch.
LAYOUT = {"Setup": (18, 24, 75, 25), "Register": (128, 24, 75, 25),
          "SetupRadioGroup": (80, 43, 171, 305)}
ITEMS = ["Česky", "English", "Deutsche", "Svenska", "Русский"]


setUpModule, tearDownModule = module_fixture(globals())


def scaled(value, dpi):
    return (value * dpi + 48) // 96  # MulDiv's rounding for positive values


def parse_controls(lines):
    """name -> (visible, (left, top, width, height)) from the driver's dump."""
    controls = {}
    for line in lines:
        if not line.startswith("control "):
            continue
        cls, text = line.split(" ")[1], line.split('"')[1]
        fields = dict(f.split("=", 1) for f in line.split('"')[2].split() if "=" in f)
        rect = tuple(int(v) for v in fields["rect"].split(","))
        controls[text or cls] = (fields["visible"] == "1", rect)
    return controls


class WindowFixture(unittest.TestCase):
    """Each test starts the installer on fresh media and waits for its chooser."""

    def setUp(self):
        SESSION.reset()
        self.media = SESSION.make_media("media-window")
        self.process = SESSION.start_setup(self.media)
        self.assertTrue(SESSION.wait_window(), "the chooser did not appear")

    def tearDown(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


class Keyboard(WindowFixture):
    def keys(self, *keys):
        # Keys go to the X window that has the input focus: the installer's, once it is active.
        deadline = time.monotonic() + 15
        while not (any(l.endswith("active=1") for l in SESSION.dump()) and self.x_focus() == CAPTION):
            self.assertLess(time.monotonic(), deadline, "the window did not get the focus")
        subprocess.run(["xdotool", "key", "--delay", "100", *keys], env=SESSION.env, check=True,
                       timeout=30)

    @staticmethod
    def x_focus():
        return subprocess.run(["xdotool", "getwindowfocus", "getwindowname"], env=SESSION.env,
                              capture_output=True, text=True, timeout=30).stdout.strip()

    def focus(self):
        line = next(l for l in SESSION.dump() if l.startswith("focus "))
        return line.split('"')[1]

    def test_tab_reaches_the_group_and_space_chooses_the_focused_language(self):
        self.keys("Tab")
        self.assertEqual(self.focus(), "Česky")
        # Reaching the group chooses nothing.
        self.assertIsNone(SESSION.message(1, press_ok=False))
        self.assertTrue(all("checked=0" in l for l in SESSION.dump() if l.startswith("control")))
        self.keys("Down", "Down", "Down")
        self.assertEqual(self.focus(), "Svenska")
        self.assertFalse(SESSION.c(r"C:\RoxPelMu4").exists())
        self.keys("space")
        self.assertEqual(SESSION.message(), "Installation är klar.")
        self.assertEqual(wait_exit(self.process), 0)
        self.assertEqual(SESSION.c(r"C:\RoxPelMu4\dLangv.dat").read_bytes(), b"\x03\0\0\0")

    def test_window_closed_before_choosing_ends_with_nothing_installed(self):
        self.keys("alt+F4")
        self.assertEqual(wait_exit(self.process), 0)
        for folder in ("Pranvik", "Nolvarin", "RoxPelMu4"):
            self.assertFalse(SESSION.c("C:\\" + folder).exists(), folder)
        self.assertEqual(SESSION.desktop_items(), set())


if __name__ == "__main__":
    unittest.main()
