#!/usr/bin/env python3
"""Prints this machine's own Debian archives, as apt is configured here, in
apt's deb822 format: every enabled "deb" entry of the machine's release (its
suite is the release's codename, or the codename and a suffix such as
"-updates" or "-security"), with its URIs, components and keyring.

  apt_sources.py                 the entries, as "deb"
  apt_sources.py --type deb-src  the same archives for source packages
  apt_sources.py --mirror        the URI and keyring of the release's main
                                 suite, one a line, for debootstrap
  apt_sources.py --release trixie  the same archives for another release

Both the one-line format (sources.list) and deb822 (*.sources) are read, so
a machine set up with another mirror fetches from that mirror. Entries of
other releases or of third parties (NodeSource's "nodistro", say) are left
out: they have no Debian source packages of this release.
"""
import argparse
import shlex
import subprocess
import sys
from pathlib import Path

# deb822 field names of the one-line format's options where they differ
# from the option's name written with capitals.
OPTION_FIELDS = {"arch": "Architectures", "lang": "Languages", "target": "Targets", "pdiffs": "PDiffs"}


def apt_source_files():
    """The one-line file and the parts folder apt reads, as it is configured."""
    output = subprocess.run(
        ["apt-config", "shell", "LIST", "Dir::Etc::sourcelist/f", "PARTS", "Dir::Etc::sourceparts/d"],
        check=True, capture_output=True, text=True).stdout
    found = dict(shlex.split(line)[0].split("=", 1) for line in output.splitlines() if "=" in line)
    parts = Path(found.get("PARTS", "/etc/apt/sources.list.d"))
    one_line = [Path(found.get("LIST", "/etc/apt/sources.list"))] + sorted(parts.glob("*.list"))
    return one_line, sorted(parts.glob("*.sources"))


def field_name(option):
    return OPTION_FIELDS.get(option) or "-".join(part.capitalize() for part in option.split("-"))


def one_line_entries(path):
    """deb822 stanzas (field -> value) of a sources.list-style file."""
    entries = []
    for line in path.read_text().splitlines():
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        options = {}
        if "[" in line:
            before, rest = line.split("[", 1)
            inside, after = rest.split("]", 1)
            for option in inside.split():
                if "=" in option:
                    name, value = option.split("=", 1)
                    options[field_name(name)] = value.replace(",", " ")
            line = before + after
        words = line.split()
        if len(words) < 3:
            continue
        entry = {"Types": words[0], "URIs": words[1], "Suites": words[2], "Components": " ".join(words[3:])}
        entry.update(options)
        entries.append(entry)
    return entries


def deb822_entries(path):
    """Stanzas of a *.sources file; a folded value (an inline key) keeps its
    continuation lines."""
    entries, entry, name = [], {}, None
    for line in path.read_text().splitlines() + [""]:
        if line.startswith("#"):
            continue
        if not line.strip():
            if entry:
                entries.append(entry)
            entry, name = {}, None
        elif line[0] in " \t" and name:
            entry[name] += "\n" + line
        elif ":" in line:
            name, value = line.split(":", 1)
            entry[name.strip()] = value.strip()
    return entries


def machine_codename():
    for line in Path("/etc/os-release").read_text().splitlines():
        if line.startswith("VERSION_CODENAME="):
            return line.split("=", 1)[1].strip().strip('"')
    sys.exit("apt_sources.py: /etc/os-release names no VERSION_CODENAME")


def release_entries():
    one_line, deb822 = apt_source_files()
    entries = [e for path in one_line if path.is_file() for e in one_line_entries(path)]
    entries += [e for path in deb822 for e in deb822_entries(path)]
    codename = machine_codename()
    kept = []
    for entry in entries:
        if "deb" not in entry.get("Types", "").split() or entry.get("Enabled", "yes").lower() == "no":
            continue
        suites = [s for s in entry.get("Suites", "").split() if s == codename or s.startswith(codename + "-")]
        if suites and entry.get("URIs"):
            kept.append(dict(entry, Suites=" ".join(suites)))
    if not kept:
        sys.exit(f"apt_sources.py: apt has no enabled deb entry for {codename} on this machine")
    return kept, codename


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--type", default="deb", choices=["deb", "deb-src"])
    parser.add_argument("--mirror", action="store_true")
    # The same archives for another Debian release: bookworm-updates
    # becomes trixie-updates, for instance.
    parser.add_argument("--release", metavar="CODENAME")
    args = parser.parse_args()
    entries, codename = release_entries()
    if args.release:
        entries = [dict(e, Suites=" ".join(args.release + s[len(codename):] for s in e["Suites"].split()))
                   for e in entries]
        codename = args.release
    if args.mirror:
        main_suite = next((e for e in entries if codename in e["Suites"].split()), None)
        if main_suite is None:
            sys.exit(f"apt_sources.py: no entry names the suite {codename} itself")
        print(main_suite["URIs"].split()[0])
        keyring = main_suite.get("Signed-By", "")
        # An inline key is no file debootstrap could take: Debian's keyring then.
        print(keyring.split()[0] if keyring.startswith("/") else "/usr/share/keyrings/debian-archive-keyring.gpg")
        return
    stanzas = []
    for entry in entries:
        entry = dict(entry, Types=args.type)
        entry.pop("Enabled", None)
        stanzas.append("\n".join(f"{name}: {value}" for name, value in entry.items()))
    print("\n\n".join(stanzas))


if __name__ == "__main__":
    main()
