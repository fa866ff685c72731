"""Setup.exe under Wine, driven as a person uses it: the chooser, the message boxes, drive C and
the desktop afterwards. One Wine prefix for the whole run; each test starts from a clean drive C."""
import shutil
import unittest
from pathlib import Path

from wine_session import CAPTION, module_fixture, wait_exit

SESSION = None
SHELL_FOLDERS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders"
ORVALIS_DESKTOP = {"Tobrenix.lnk", "Orvalis.lnk", "Orvalis DATA.lnk", "Tobrenix DATA.lnk"}


setUpModule, tearDownModule = module_fixture(globals())


def media_file(media, source):
    return Path(media).joinpath(*source.split("\\"))


class SetupUnderWine(unittest.TestCase):
    def setUp(self):
        self.s = SESSION
        self.s.reset()
        self.process = None

    def tearDown(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    # --- helpers ---------------------------------------------------------------------------
    def start(self, media, cwd=None):
        self.process = self.s.start_setup(media, cwd)

    def choose(self, language="English"):
        self.assertTrue(self.s.wait_window(), "the chooser did not appear")
        rc, out = self.s.driver("click", CAPTION, language)
        self.assertEqual(rc, 0, out)

    def assert_ended(self):
        self.assertEqual(wait_exit(self.process, 30), 0, "Setup.exe did not end")

    def assert_fixed_copies(self, media, fresh=True, kept=()):
        # media: the media folder as it was before the run
        """Every target of the fixed tables is its media file byte for byte, and nothing else
        is in the suite's folders but the language file."""
        expected = set()
        for _, fresh_only, source, target in self.s.fixed_copies():
            if not media_file(media, source).exists() or target in kept:
                continue
            if fresh_only and not fresh:
                continue
            expected.add(target)
            self.assertEqual(self.s.c(target).read_bytes(),
                             media_file(media, source).read_bytes(), target)
        extra = self.s.suite_files() - expected - set(kept) - {r"C:\RoxPelMu4\dLangv.dat"}
        self.assertEqual(extra, set())

    def assert_desktop(self, media, items):
        self.assertEqual(self.s.desktop_items(), items)
        for item in items:
            source = "Orvalis DATA.lnk" if item == "Tobrenix DATA.lnk" else item
            self.assertEqual((self.s.desktop / item).read_bytes(),
                             media_file(media, source).read_bytes(), item)

    # --- scenarios -------------------------------------------------------------------------
    def test_first_installation_by_a_click(self):
        media = self.s.make_media("media-first")
        self.start(media)
        self.assertTrue(self.s.wait_window())
        lines = self.s.dump()
        self.assertIn("client 344 404", lines)
        controls = [l for l in lines if l.startswith("control")]
        self.assertTrue(any('"Setup" visible=0 rect=18,24,75,25' in l for l in controls), controls)
        self.assertTrue(any('"Register" visible=0 rect=128,24,75,25' in l for l in controls))
        self.assertTrue(any("SetupRadioGroup" in l and "visible=1 rect=80,43,171,305" in l
                            for l in controls), controls)
        items = [l.split('"')[1] for l in controls if "visible=1" in l and '""' not in l]
        self.assertEqual(items, ["Česky", "English", "Deutsche", "Svenska", "Русский"])
        self.assertTrue(all("checked=0" in l for l in controls))
        self.s.screenshot("chooser")
        self.choose("English")
        self.assertEqual(self.s.message(press_ok=False), "Installation completed.")
        self.s.screenshot("completion")
        self.assertEqual(self.s.message(), "Installation completed.")
        self.assert_ended()
        self.assert_fixed_copies(media)
        self.assertEqual(self.s.c(r"C:\RoxPelMu4\dLangv.dat").read_bytes(), b"\x01\0\0\0")
        self.assert_desktop(media, ORVALIS_DESKTOP | {"Orvalis EN.pdf", "Tobrenix EN.pdf",
                                                      "Bravonel EN.pdf"})
        for folder in ("Pranvik", r"RoxPelMu4\PrepSwich"):
            self.assertEqual(list(self.s.c("C:\\" + folder).iterdir()), [])

    def test_saved_swedish_language_starts_an_upgrade_without_the_chooser(self):
        media = self.s.make_media("media-swedish")
        data = self.s.c(r"C:\RoxPelMu4")
        data.mkdir()
        (data / "datAut7.dat").write_bytes(b"installed")
        (data / "customer15.dat").write_bytes(b"installed")
        (data / "dLangv.dat").write_bytes(b"\x03\0\0\0")
        (data / "Zeltab01.dat").write_bytes(b"user data")
        self.start(media)
        self.assertEqual(self.s.message(), "Uppgradera är klar.")
        self.assert_ended()
        self.assertEqual((data / "Zeltab01.dat").read_bytes(), b"user data")
        self.assertEqual((data / "dLangv.dat").read_bytes(), b"\x03\0\0\0")
        self.assertFalse((data / "Zelnote1.txt").exists())
        self.assert_desktop(media, ORVALIS_DESKTOP | {"Orvalis EN.pdf", "Tobrenix EN.pdf",
                                                      "Bravonel EN.pdf"})

    def test_czech_upgrade(self):
        media = self.s.make_media("media-czech", "--language", "0")
        data = self.s.c(r"C:\RoxPelMu4")
        data.mkdir()
        (data / "datAut7.dat").write_bytes(b"installed")
        (data / "customer15.dat").write_bytes(b"installed")
        self.start(media)
        self.assertEqual(self.s.message(), "Upgrade dokončeno.")
        self.assert_ended()
        self.assert_fixed_copies(media, fresh=False,
                                 kept=(r"C:\RoxPelMu4\datAut7.dat", r"C:\RoxPelMu4\customer15.dat"))
        self.assertFalse((data / "dLangv.dat").exists())
        self.assert_desktop(media, ORVALIS_DESKTOP | {"Orvalis.pdf", "Tobrenix.pdf", "Bravonel.pdf"})

    def test_short_language_file_gives_one_error_then_the_chooser(self):
        media = self.s.make_media("media-short")
        (media / "dLangv.dat").write_bytes(b"\x02\0")
        self.start(media)
        self.assertEqual(self.s.message(), "Read beyond end of file")
        self.choose("English")
        self.assertEqual(self.s.message(), "Installation completed.")
        self.assert_ended()
        # The media's file is copied in place of writing the chosen language.
        self.assertEqual(self.s.c(r"C:\RoxPelMu4\dLangv.dat").read_bytes(), b"\x02\0")
        self.assertIn("Orvalis EN.pdf", self.s.desktop_items())

    def test_start_from_another_current_directory(self):
        media = self.s.make_media("media-elsewhere", "--clearset")
        before = self.s.root / "media-elsewhere-before"
        shutil.rmtree(before, ignore_errors=True)
        shutil.copytree(media, before)
        elsewhere = self.s.root / "elsewhere"
        decoy = elsewhere / "DWin"
        decoy.mkdir(parents=True, exist_ok=True)
        (decoy / "Orvalis.exe").write_bytes(b"not the media")
        self.start(media, cwd=elsewhere)
        self.choose("English")
        self.assertEqual(self.s.message(), "Installation completed.")
        self.assert_ended()
        self.assert_fixed_copies(before)
        # The clean-up removed the media's programs, not the current directory's files.
        self.assertFalse((media / "DWin" / "Orvalis.exe").exists())
        self.assertFalse((media / "DWin" / "Tobrenix.exe").exists())
        self.assertTrue((media / "DWin" / "Trenvadil.exe").exists())
        self.assertEqual((decoy / "Orvalis.exe").read_bytes(), b"not the media")

    def test_read_only_installed_program_is_reported_and_its_media_copy_kept(self):
        media = self.s.make_media("media-readonly", "--clearset")
        program = self.s.c(r"C:\Nolvarin\Orvalis.exe")
        program.parent.mkdir(parents=True)
        program.write_bytes(b"old version")
        self.s.lock(program)
        self.start(media)
        self.choose("English")
        self.assertEqual(self.s.message(),
                         "Installation incomplete. These files could not be written:\n"
                         r"C:\Nolvarin\Orvalis.exe")
        self.assert_ended()
        self.s.release_locks(program)
        self.assertEqual(program.read_bytes(), b"old version")
        self.assertTrue((media / "DWin" / "Orvalis.exe").exists())
        self.assertFalse((media / "DWin" / "Halvexa.exe").exists())
        self.assertFalse((media / "DWin" / "Tobrenix.exe").exists())

    def test_celvano_edition_in_german_without_the_german_main_manual(self):
        media = self.s.make_media("media-celvano", "--celvano", "--language", "2")
        (media / "Orvalis DE.pdf").unlink()
        self.start(media)
        self.assertEqual(self.s.message(), "Installation ist fertig.")
        self.assert_ended()
        self.assert_fixed_copies(media)
        self.assert_desktop(media, {"Tobrenix.lnk", "Celvano.lnk", "Celvano DATA.lnk",
                                    "Tobrenix DATA.lnk", "Celvano DE.pdf", "Tobrenix DE.pdf",
                                    "Bravonel EN.pdf"})

    def test_missing_desktop_key_gives_one_czech_error_and_the_window_stays(self):
        media = self.s.make_media("media-nokey")
        _, value = self.s.wine("reg", "query", SHELL_FOLDERS, "/v", "Desktop")
        desktop = value.split("REG_SZ")[1].strip()
        try:
            self.start(media)
            self.assertTrue(self.s.wait_window())
            # Removed once the chooser is up: Wine's start-up of a process may rewrite it.
            self.s.wine("reg", "delete", SHELL_FOLDERS, "/f")
            self.assertNotEqual(self.s.wine("reg", "query", SHELL_FOLDERS, check=False)[0], 0)
            self.choose("English")
            self.assertEqual(self.s.message(),
                             "Nemůžu v registrech najít cestu k pracovní ploše.")
            self.assertTrue(self.s.wait_window(5), "the window did not stay")
            self.assertIsNone(wait_exit(self.process, 1))
            # The groups are in place, nothing of the deployment step was done.
            self.assertTrue(self.s.c(r"C:\RoxPelMu4\Grenmolt\Snimek35.jpg").exists())
            self.assertFalse(self.s.c(r"C:\Nolvarin\Celvano.ico").exists())
            self.assertEqual(self.s.desktop_items(), set())
            self.s.driver("close", CAPTION)
            self.assert_ended()
        finally:
            self.s.wine("reg", "add", SHELL_FOLDERS, "/v", "Desktop", "/d", desktop, "/f")


if __name__ == "__main__":
    unittest.main()
