#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the notices of the third-party code that a static Qt for Windows
links into kurswaage.exe, from the attribution files and licence texts in
Qt's own source tree:

    qt_third_party_notices.py QT_SOURCE_DIR OUTPUT_FILE
"""
import json
import pathlib
import sys

# The parts of qtbase/src/3rdparty that the Windows build compiles into Qt
# Core and Qt Gui with the configure line of scripts/build-windows-qt
# (bundled zlib, libpng, libjpeg, PCRE2, HarfBuzz and FreeType; the rest is
# always built in).
LINKED = ["double-conversion", "easing", "freebsd", "freetype", "harfbuzz-ng",
          "libjpeg", "libpng", "md4c", "md5", "pcre2", "rfc6234", "sha1", "sha3",
          "tinycbor", "zlib"]


def entries(folder):
    # Qt's attribution files carry raw line breaks inside strings.
    data = json.loads((folder / "qt_attribution.json").read_text(encoding="utf-8"), strict=False)
    return data if isinstance(data, list) else [data]


def main(source, output):
    third_party = pathlib.Path(source) / "src" / "3rdparty"
    parts = ["Third-party code in kurswaage.exe, linked in with Qt\n"
             "=====================================================\n"]
    for name in LINKED:
        folder = third_party / name
        for entry in entries(folder):
            title = entry["Name"]
            if entry.get("Version"):
                title += " " + entry["Version"]
            parts.append("\n" + title + "\n" + "-" * len(title) + "\n")
            parts.append("Licence: " + entry.get("License", entry.get("LicenseId", "")) + "\n")
            if entry.get("Copyright"):
                parts.append(entry["Copyright"].strip() + "\n")
            licence_files = entry.get("LicenseFile") or []
            if isinstance(licence_files, str):
                licence_files = [licence_files]
            for licence_file in licence_files:
                parts.append("\n" + (folder / licence_file).read_text(encoding="utf-8", errors="replace").strip() + "\n")
    pathlib.Path(output).write_text("".join(parts), encoding="utf-8", newline="\r\n")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
