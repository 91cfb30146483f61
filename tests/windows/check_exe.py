#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks kurswaage.exe as a file: a GUI program (no console window) that
imports only DLLs every Windows has, with its icon, its version and its
manifest in its resources.

    check_exe.py KURSWAAGE.EXE VERSION WINDOWS_SYSTEM32_FOLDER
"""
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

import pefile

exe, version, system32 = sys.argv[1:4]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


# Imports, as objdump lists them: each must be a DLL of Windows itself, as
# Wine's system folder has them, so nothing of Qt's or the compiler's
# runtime is needed beside the .exe.
dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", exe], check=True,
                      capture_output=True, text=True).stdout
imported = re.findall(r"DLL Name: (\S+)", dump)
system_dlls = {name.lower() for name in os.listdir(system32)}
check(imported, "objdump lists no imported DLL")
for dll in imported:
    check(dll.lower() in system_dlls, f"imports {dll}, which is no Windows system DLL")

pe = pefile.PE(exe)
check(pe.OPTIONAL_HEADER.Subsystem == pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"],
      f"subsystem {pe.OPTIONAL_HEADER.Subsystem}, not the GUI's: a console window would open")


def resources(type_name):
    """The data of every resource of the given type."""
    wanted = pefile.RESOURCE_TYPE[type_name]
    found = []
    directory = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    for kind in directory.entries if directory else []:
        if kind.id != wanted:
            continue
        for name in kind.directory.entries:
            for language in name.directory.entries:
                data = language.data.struct
                found.append(pe.get_data(data.OffsetToData, data.Size))
    return found


# The icon Explorer and the task bar show: a group naming at least one image.
groups = resources("RT_GROUP_ICON")
check(groups and int.from_bytes(groups[0][4:6], "little") >= 1, "no program icon")
check(resources("RT_ICON"), "the icon group names no images")

# The version on the file's Details tab.
strings = {}
for file_info in getattr(pe, "FileInfo", []):
    for entry in file_info:
        for table in getattr(entry, "StringTable", []):
            strings.update({key.decode(): value.decode() for key, value in table.entries.items()})
check(strings.get("ProductName") == "Kurswaage", f"ProductName is {strings.get('ProductName')!r}")
check(strings.get("ProductVersion") == version, f"ProductVersion is {strings.get('ProductVersion')!r}, not {version}")
fixed = pe.VS_FIXEDFILEINFO[0] if hasattr(pe, "VS_FIXEDFILEINFO") else None
numbers = (version.split(".") + ["0"] * 4)[:4]
check(fixed is not None and [fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
                             fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF] == [int(n) for n in numbers],
      "the fixed file version differs from the program's version")

# The manifest: per-monitor DPI awareness (v2), Windows 10 and 11, common
# controls 6.
manifests = resources("RT_MANIFEST")
check(len(manifests) == 1, f"{len(manifests)} manifests, not one")
if manifests:
    root = ElementTree.fromstring(manifests[0])
    texts = {element.tag.split("}")[-1]: (element.text or "") for element in root.iter()}
    check("PerMonitorV2" in texts.get("dpiAwareness", ""), "not declared per-monitor DPI aware (v2)")
    check(any(element.get("Id") == "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"
              for element in root.iter() if element.tag.endswith("supportedOS")),
          "Windows 10/11 not declared as supported")
    check(any(element.get("name") == "Microsoft.Windows.Common-Controls" and element.get("version", "").startswith("6.")
              for element in root.iter() if element.tag.endswith("assemblyIdentity")),
          "common controls 6 not asked for")

for failure in failures:
    print(f"FAIL: {exe}: {failure}")
if not failures:
    print(f"{exe}: GUI program importing {len(imported)} system DLLs, with icon, version {version} and manifest")
sys.exit(1 if failures else 0)
