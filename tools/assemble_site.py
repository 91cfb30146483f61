#!/usr/bin/env python3
"""Puts the web build's site together: the page, the program, its icons and
licences, a service worker that knows every file by name and the digest of
them all, and gzip and brotli copies for servers that send those.

  assemble_site.py --program kurswaage --built DIR --resources DIR --out DIR
"""
import argparse
import gzip
import hashlib
import json
import shutil
import subprocess
from pathlib import Path

# What servers may send compressed: everything but the pictures, which are.
COMPRESSED = {".html", ".js", ".wasm", ".css", ".webmanifest", ".txt"}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--built", type=Path, required=True, help="folder with PROGRAM.js and PROGRAM.wasm")
    parser.add_argument("--resources", type=Path, required=True)
    parser.add_argument("--licence", type=Path, action="append", default=[], help="NAME=FILE, copied as NAME")
    parser.add_argument("--out", type=Path, required=True)
    parser.add_argument("--style-digest", required=True,
                        help="CSP digest of the style sheet Qt's platform adds to the page")
    args = parser.parse_args()

    web = args.resources / "web"
    if args.out.exists():
        shutil.rmtree(args.out)
    args.out.mkdir(parents=True)

    wasm = args.built / f"{args.program}.wasm"
    page = (web / "index.html").read_text(encoding="utf-8")
    page = page.replace("@PROGRAM@", args.program).replace("@WASM_BYTES@", str(wasm.stat().st_size))
    page = page.replace("@QT_STYLE_DIGEST@", args.style_digest)
    (args.out / "index.html").write_text(page, encoding="utf-8")
    for name in ("kurswaage-loader.js", "kurswaage.css", "manifest.webmanifest", "kurswaage-192.png", "kurswaage-512.png"):
        shutil.copy(web / name, args.out / name)
    for size in (64, 128, 256):
        shutil.copy(args.resources / "desktop" / f"kurswaage-{size}.png", args.out)
    shutil.copy(wasm, args.out)
    shutil.copy(args.built / f"{args.program}.js", args.out)
    for entry in args.licence:
        name, _, source = str(entry).partition("=")
        shutil.copy(source, args.out / name)

    # The worker caches every file of the site, the page also under "./",
    # and changes its cache's name whenever any file changes.
    files = sorted(p.name for p in args.out.iterdir())
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + (args.out / name).read_bytes())
    worker = (web / "service-worker.js").read_text(encoding="utf-8")
    worker = worker.replace("@SITE_DIGEST@", digest.hexdigest()[:16])
    worker = worker.replace("@SITE_FILES@", ", ".join(json.dumps(n) for n in ["./"] + files))
    (args.out / "service-worker.js").write_text(worker, encoding="utf-8")

    for path in sorted(args.out.iterdir()):
        if path.suffix not in COMPRESSED:
            continue
        data = path.read_bytes()
        # mtime 0: the same files give the same copies.
        (path.parent / (path.name + ".gz")).write_bytes(gzip.compress(data, 9, mtime=0))
        subprocess.run(["brotli", "--force", "--best", "--keep", str(path)], check=True)


if __name__ == "__main__":
    main()
