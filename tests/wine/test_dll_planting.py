"""DLL planting: DLLs of ours under the names of system DLLs, beside Setup.exe in the media
folder, with Wine told to prefer such native DLLs. A DLL that is loaded leaves a marker file.

The names are those a full installation loads (WINEDEBUG=+loaddll), and names planted in the
wild. Left out: the DLLs that Setup.exe imports and their dependencies inside Wine (msvcrt,
advapi32, user32, gdi32, imm32, sechost, ucrtbase, win32u, zlib1). Windows takes these known
DLLs from the system folder whatever the search order; this Wine has no known-DLL list and
loads them before the program's first instruction, so no defence of a program can show there.
kernel32 and kernelbase are always Wine's own."""
import os
import shutil
import subprocess
import unittest

from wine_session import CAPTION, module_fixture, wait_exit

PLANTED = ["version", "uxtheme", "msimg32", "rpcrt4", "combase", "ole32", "comctl32",
           "shell32", "dwmapi", "cryptbase", "userenv", "winmm", "propsys", "profapi"]

SESSION = None


setUpModule, tearDownModule = module_fixture(globals())


class DllPlanting(unittest.TestCase):
    def install_with_planted_dlls(self, setup_exe):
        s = SESSION
        s.reset()
        media = s.make_media("media-planted")
        shutil.copy2(setup_exe, media / "Setup.exe")
        for name in PLANTED:
            shutil.copy2(os.environ["PLANTED_DLL"], media / f"{name}.dll")
        overrides = ",".join(PLANTED) + "=n,b;mscoree,mshtml="
        env = dict(s.env, WINEDLLOVERRIDES=overrides)
        process = subprocess.Popen(["wine", str(media / "Setup.exe")], env=env, cwd=media,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            message = None
            if s.wait_window(20):
                s.driver("click", CAPTION, "English")
                message = s.message(30)
            wait_exit(process, 30)
        finally:
            if process.poll() is None:
                process.kill()
                process.wait()
        return message, sorted(p.name for p in media.glob("*.loaded"))

    def test_no_planted_dll_is_loaded(self):
        message, loaded = self.install_with_planted_dlls(os.environ["SETUP_EXE"])
        self.assertEqual(loaded, [])
        self.assertEqual(message, "Installation completed.")
        self.assertTrue(SESSION.c(r"C:\Nolvarin\Orvalis.exe").exists())

    def test_a_build_without_the_defence_is_caught(self):
        _, loaded = self.install_with_planted_dlls(os.environ["UNDEFENDED_SETUP_EXE"])
        self.assertIn("uxtheme.dll.loaded", loaded)


if __name__ == "__main__":
    unittest.main()
