#!/usr/bin/env python3
"""Setup.exe imports only DLLs that Windows always takes from the system folder (known DLLs): no
C++ run-time DLL, nothing that could be planted beside it."""
import subprocess
import sys

ALLOWED = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "msvcrt.dll"}

objdump, exe = sys.argv[1], sys.argv[2]
dump = subprocess.run([objdump, "-p", exe], capture_output=True, text=True, check=True).stdout
imports = {line.split(":", 1)[1].strip().lower() for line in dump.splitlines()
           if "DLL Name:" in line}
print("imports:", ", ".join(sorted(imports)))
unexpected = imports - ALLOWED
if unexpected or "kernel32.dll" not in imports:
    print("unexpected imports:", ", ".join(sorted(unexpected)))
    sys.exit(1)
