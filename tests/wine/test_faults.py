"""What fails, what the user is told and what is lost, under Wine: locked and unwritable targets,
a full disk, read-only media, a locked language file, and a desktop that cannot be found.
Nothing the user had may be lost: no media file goes unless its installed copy was written in
this run."""
import os
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

from wine_session import CAPTION, module_fixture, wait_exit, windows_path

SESSION = None
SHELL_FOLDERS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders"
INCOMPLETE = "Installation incomplete. These files could not be written:"
FIVE = ["Orvalis.exe", "Halvexa.exe", "Marvesk.exe", "Zantriel.exe", "Bravonel.exe"]


setUpModule, tearDownModule = module_fixture(globals())


class Faults(unittest.TestCase):
    def setUp(self):
        self.s = SESSION
        self.s.reset()
        self.cleanups = []

    def tearDown(self):
        for cleanup in reversed(self.cleanups):
            cleanup()
        self.s.release_locks(self.s.root)

    # --- helpers ---------------------------------------------------------------------------
    def run_setup(self, media, language="English", before_click=None):
        """Starts Setup.exe, chooses the language whenever the chooser waits, and returns the
        texts of the boxes it shows until it ends or waits with no box and no chooser.
        before_click runs once the chooser is up: Wine's start-up of a process may rewrite
        the shell's registry keys, so a test changes them only then."""
        process = self.s.start_setup(media)
        self.cleanups.append(lambda: process.poll() is None and (process.kill(), process.wait()))
        boxes, clicks = [], 0
        while process.poll() is None:
            text = self.s.message(3)
            if text is not None:
                boxes.append(text)
                continue
            chooser = any('"English" visible=1' in line for line in self.dump_if_shown())
            if not chooser or clicks == 2:
                break
            if before_click and clicks == 0:
                before_click()
            self.s.driver("click", CAPTION, language)
            clicks += 1
        self.exit_code = wait_exit(process, 10)
        return boxes

    def dump_if_shown(self):
        return self.s.dump() if self.s.wait_window(3) else []

    def hold(self, windows):
        """Holds a file open without sharing from another process, for the rest of the test."""
        out = tempfile.NamedTemporaryFile(delete=False)
        holder = subprocess.Popen(["wine", str(self.s.uidriver_exe), "hold", windows, "120"],
                                  env=self.s.env, stdout=out, stderr=subprocess.DEVNULL)
        self.cleanups.append(lambda: (holder.kill(), holder.wait(), os.unlink(out.name)))
        deadline = time.monotonic() + 30
        while b"held" not in Path(out.name).read_bytes():
            self.assertLess(time.monotonic(), deadline, "the file was not held")
            time.sleep(0.1)

    def registry(self, *args):
        _, value = self.s.wine("reg", "query", SHELL_FOLDERS, "/v", "Desktop")
        desktop = value.split("REG_SZ")[1].strip()
        self.cleanups.append(lambda: self.s.wine("reg", "add", SHELL_FOLDERS, "/v", "Desktop",
                                                 "/d", desktop, "/f"))
        self.s.wine("reg", *args)

    def assert_media_programs(self, media, kept):
        for name in FIVE + ["Tobrenix.exe"]:
            self.assertEqual((media / "DWin" / name).exists(), name in kept, name)

    # --- targets ---------------------------------------------------------------------------
    def test_installed_program_held_open_without_sharing(self):
        media = self.s.make_media("media-held", "--clearset")
        program = self.s.c(r"C:\Nolvarin\Halvexa.exe")
        program.parent.mkdir(parents=True)
        program.write_bytes(b"old version")
        self.hold(r"C:\Nolvarin\Halvexa.exe")
        self.assertEqual(self.run_setup(media), [INCOMPLETE + "\n" + r"C:\Nolvarin\Halvexa.exe"])
        self.assertEqual(program.read_bytes(), b"old version")
        self.assert_media_programs(media, kept={"Halvexa.exe"})

    def test_program_folder_is_a_file(self):
        media = self.s.make_media("media-nofolder", "--clearset")
        self.s.c(r"C:\Nolvarin").write_bytes(b"a file of the user's")
        [text] = self.run_setup(media)
        lines = text.split("\n")
        self.assertEqual(lines[:3], [INCOMPLETE, r"C:\Nolvarin", r"C:\Nolvarin\MultiG"])
        self.assertRegex(lines[-1], r"^\(\+\d+\)$")
        self.assertEqual(self.s.c(r"C:\Nolvarin").read_bytes(), b"a file of the user's")
        self.assertTrue(self.s.c(r"C:\RoxPelMu4\Grenmolt\Snimek35.jpg").exists())
        self.assert_media_programs(media, kept=set(FIVE) | {"Tobrenix.exe"})

    def test_full_disk(self):
        media = self.s.make_media("media-full")
        pictures = self.s.c(r"C:\RoxPelMu4\Grenmolt")
        pictures.mkdir(parents=True)
        mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=48k", "tmpfs",
                                  str(pictures)], capture_output=True)
        if mounted.returncode != 0:
            self.skipTest("cannot mount a small file system here")
        self.cleanups.append(lambda: subprocess.run(["umount", "-l", str(pictures)]))
        [text] = self.run_setup(media)
        lines = text.split("\n")
        self.assertEqual(lines[0], INCOMPLETE)
        self.assertTrue(all(l.startswith("C:\\RoxPelMu4\\Grenmolt\\") for l in lines[1:11]), lines)
        self.assertRegex(lines[-1], r"^\(\+\d+\)$")
        # Everything outside the full folder is complete.
        self.assertEqual(self.s.c(r"C:\RoxPelMu4\dLangv.dat").read_bytes(), b"\x01\0\0\0")
        self.assertTrue(self.s.c(r"C:\Nolvarin\Orvalis.exe").exists())
        self.assertIn("Orvalis EN.pdf", self.s.desktop_items())

    # --- media -----------------------------------------------------------------------------
    def test_missing_payload_is_passed_over(self):
        media = self.s.make_media("media-partial")
        for name in ("Orvalis EN.pdf", "Orvalis.lnk"):
            (media / name).unlink()
        self.assertEqual(self.run_setup(media), ["Installation completed."])
        self.assertNotIn("Orvalis.lnk", self.s.desktop_items())
        self.assertFalse(self.s.c(r"C:\Nolvarin\Orvalis.lnk").exists())
        self.assertTrue(self.s.c(r"C:\Nolvarin\Orvalis.exe").exists())

    def test_read_only_media_with_clear_set(self):
        media = self.s.make_media("media-readonly-media", "--clearset")
        for name in FIVE + ["Tobrenix.exe"]:
            self.s.lock(media / "DWin" / name)
        self.assertEqual(self.run_setup(media), ["Installation completed."])
        self.assertEqual(self.exit_code, 0)
        self.assert_media_programs(media, kept=set(FIVE) | {"Tobrenix.exe"})

    def test_saved_language_file_held_open_without_sharing(self):
        media = self.s.make_media("media-lang-held", "--language", "3")
        self.hold(windows_path(media / "dLangv.dat"))
        # The chooser follows the error; the held media copy cannot be copied to drive C either,
        # and the completion message says so.
        self.assertEqual(self.run_setup(media),
                         ["I/O error 32", INCOMPLETE + "\n" + r"C:\RoxPelMu4\dLangv.dat"])
        self.assertEqual(self.exit_code, 0)
        self.assertFalse(self.s.c(r"C:\RoxPelMu4\dLangv.dat").exists())
        self.assertIn("Orvalis EN.pdf", self.s.desktop_items())

    # --- desktop ---------------------------------------------------------------------------
    def test_desktop_value_of_another_type(self):
        media = self.s.make_media("media-dword")
        self.assertEqual(
            self.run_setup(media, before_click=lambda: self.registry(
                "add", SHELL_FOLDERS, "/v", "Desktop", "/t", "REG_DWORD", "/d", "1", "/f")),
            ["Invalid data type for 'Desktop'"])
        self.assertTrue(self.s.wait_window(5), "the window did not stay")
        self.assertFalse(self.s.c(r"C:\Nolvarin\Celvano.ico").exists())
        self.assertEqual(self.s.desktop_items(), set())
        self.s.driver("close", CAPTION)

    def test_desktop_value_absent_uses_the_shells_desktop(self):
        media = self.s.make_media("media-novalue")
        self.assertEqual(
            self.run_setup(media, before_click=lambda: self.registry(
                "delete", SHELL_FOLDERS, "/v", "Desktop", "/f")),
            ["Installation completed."])
        self.assertIn("Orvalis.lnk", self.s.desktop_items())
        self.assertFalse(self.s.c(r"C:\Orvalis.lnk").exists())

    def test_desktop_value_naming_a_missing_folder(self):
        media = self.s.make_media("media-gone")
        [text] = self.run_setup(media, before_click=lambda: self.registry(
            "add", SHELL_FOLDERS, "/v", "Desktop", "/d", r"C:\users\nobody\Desktop", "/f"))
        lines = text.split("\n")
        self.assertEqual(lines[:2], [INCOMPLETE, r"C:\users\nobody\Desktop\Tobrenix.lnk"])
        self.assertIn(r"C:\users\nobody\Desktop\Orvalis EN.pdf", lines)
        self.assertFalse(self.s.c(r"C:\users\nobody").exists())
        self.assertTrue(self.s.c(r"C:\Nolvarin\Orvalis.exe").exists())


if __name__ == "__main__":
    unittest.main()
