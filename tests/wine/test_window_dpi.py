"""The window's layout under Wine at 96, 120 and 144 pixels per inch (the prefix's LogPixels).
Its own module: changing the DPI restarts the Wine server."""
import unittest

import test_window
from test_window import CAPTION, ITEMS, LAYOUT, parse_controls, scaled
from wine_session import wait_exit  # noqa: F401

setUpModule = test_window.setUpModule
tearDownModule = test_window.tearDownModule


class WindowDpi(test_window.WindowFixture):
    def test_layout_scales_with_the_dpi(self):
        for dpi in (96, 120, 144):
            with self.subTest(dpi=dpi):
                if dpi != 96:
                    self.process.kill()
                    self.process.wait()
                    test_window.SESSION.set_dpi(dpi)
                    self.process = test_window.SESSION.start_setup(self.media)
                    if not test_window.SESSION.wait_window(60):
                        # The first window after a server restart now and then never comes.
                        self.process.kill()
                        self.process.wait()
                        self.process = test_window.SESSION.start_setup(self.media)
                    self.assertTrue(test_window.SESSION.wait_window(60))
                lines = test_window.SESSION.dump()
                self.assertIn(f"dpi {dpi}", lines)
                self.assertIn(f"client {scaled(344, dpi)} {scaled(404, dpi)}", lines)
                controls = parse_controls(lines)
                for name, rect in LAYOUT.items():
                    self.assertEqual(controls[name][1], tuple(scaled(v, dpi) for v in rect), name)
                gl, gt, gw, gh = controls["SetupRadioGroup"][1]
                for item in ITEMS:
                    visible, (left, top, width, height) = controls[item]
                    self.assertTrue(visible, item)
                    # Each item lies inside the group and has room for a line of text.
                    self.assertTrue(gl <= left and left + width <= gl + gw, item)
                    self.assertTrue(gt <= top and top + height <= gt + gh, item)
                    self.assertGreaterEqual(height, scaled(16, dpi), item)
                test_window.SESSION.screenshot(f"chooser-{dpi}dpi", CAPTION)
        test_window.SESSION.set_dpi(96)



if __name__ == "__main__":
    unittest.main()
