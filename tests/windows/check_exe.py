#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks kurswaage.exe as a file: a GUI program (no console window) that
imports only DLLs every Windows has, with its icon, its version and its
manifest in its resources.

    check_exe.py KURSWAAGE.EXE VERSION WINDOWS_SYSTEM32_FOLDER
"""
import os
import sys
import xml.etree.ElementTree as ElementTree

import pefile

exe, version, system32 = sys.argv[1:4]
pe = pefile.PE(exe)
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def resources(type_name):
    """The data of every resource of the given type."""
    return [pe.get_data(language.data.struct.OffsetToData, language.data.struct.Size)
            for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries if kind.id == pefile.RESOURCE_TYPE[type_name]
            for name in kind.directory.entries for language in name.directory.entries]


# Each import a DLL of Windows itself, as Wine's system folder has them:
# nothing of Qt's or the compiler's runtime is needed beside the .exe.
imported = [entry.dll.decode() for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])]
system_dlls = {name.lower() for name in os.listdir(system32)}
check(imported, "no imported DLL")
for dll in imported:
    check(dll.lower() in system_dlls, f"imports {dll}, which is no Windows system DLL")
check(pe.OPTIONAL_HEADER.Subsystem == pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"],
      f"subsystem {pe.OPTIONAL_HEADER.Subsystem}, not the GUI's: a console window would open")

# The icon Explorer and the task bar show: a group naming at least one image.
groups = resources("RT_GROUP_ICON")
check(groups and int.from_bytes(groups[0][4:6], "little") >= 1 and resources("RT_ICON"), "no program icon")

# The version on the file's Details tab, as text and as numbers.
strings = {key.decode(): value.decode() for info in pe.FileInfo for entry in info
           for table in getattr(entry, "StringTable", []) for key, value in table.entries.items()}
check(strings.get("ProductName") == "Kurswaage", f"ProductName is {strings.get('ProductName')!r}")
check(strings.get("ProductVersion") == version, f"ProductVersion is {strings.get('ProductVersion')!r}, not {version}")
fixed = pe.VS_FIXEDFILEINFO[0]
check([fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF, fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF]
      == [int(n) for n in (version.split(".") + ["0"] * 4)[:4]], "the fixed file version differs from the program's")

# The manifest: per-monitor DPI awareness (v2), Windows 10 and 11, common
# controls 6.
manifests = resources("RT_MANIFEST")
check(len(manifests) == 1, f"{len(manifests)} manifests, not one")
elements = list(ElementTree.fromstring(manifests[0]).iter()) if manifests else []
check(any(e.tag.endswith("dpiAwareness") and "PerMonitorV2" in (e.text or "") for e in elements),
      "not declared per-monitor DPI aware (v2)")
check(any(e.tag.endswith("supportedOS") and e.get("Id") == "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}" for e in elements),
      "Windows 10/11 not declared as supported")
check(any(e.tag.endswith("assemblyIdentity") and e.get("name") == "Microsoft.Windows.Common-Controls"
          and e.get("version", "").startswith("6.") for e in elements), "common controls 6 not asked for")

for failure in failures:
    print(f"FAIL: {exe}: {failure}")
if not failures:
    print(f"{exe}: GUI program importing {len(imported)} system DLLs, with icon, version {version} and manifest")
sys.exit(1 if failures else 0)
