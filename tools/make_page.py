#!/usr/bin/env python3
"""Writes the web page of Kurswaage into a folder any web server can host.

Everything the page says comes from the desktop program's own sources: the
captions, titles, screen-reader names and tab order from its Designer
forms, the help text from the help's form, and from the engine (through
kurswaage-page-data.js, run under node) the object names the steps use,
the names of the repeated fields, the subject catalogues and the state the
form starts in. Each control's id is its object name; in the two dialogs
the dialog's name and a hyphen come first.

Beside the page: the engine's .js and .wasm, the script and style sheet,
the icons, a service worker that knows every file by name and the digest
of them all, and gzip and brotli copies for servers that send those.

  make_page.py --source DIR --node NODE --page-data JS --engine DIR --out DIR
"""
import argparse
import gzip
import hashlib
import html
import json
import re
import shutil
import subprocess
import xml.etree.ElementTree as ET
from pathlib import Path

# What servers may send compressed: everything but the pictures, which are.
COMPRESSED = {".html", ".js", ".wasm", ".css", ".webmanifest", ".txt"}

NOT_CACHED = {"kurswaage-192.png", "kurswaage-512.png", "LICENSE.txt"}

# The captions above the course grid's columns: "Fach", "1. KHJ" .. "4. KHJ".
COLUMN_HEADERS = ("label_12", "label_13", "label_14", "label_15", "label_16")
# The captions of the examination rows, whose texts name their fields.
EXAM_CAPTIONS = ("label_23", "label_24", "label_25", "label_26", "label_27")

CALCULATOR = "muendlicheNachpruefung"
HELP = "Hilfe"


class DesignerForm:
    """A Designer form's widgets by object name, their properties and its tab order."""

    def __init__(self, path):
        root = ET.parse(path).getroot()
        self.widgets = {}
        for widget in root.iter("widget"):
            properties = {}
            for prop in widget.findall("property"):
                value = prop.find("*")
                properties[prop.get("name")] = value.text if value is not None and value.text is not None else ""
            self.widgets[widget.get("name")] = properties
        self.tab_order = [stop.text for stop in root.iter("tabstop")]
        self.top = root.find("widget").get("name")

    def get(self, name, prop):
        return self.widgets[name].get(prop, "")


def esc(text):
    return html.escape(text, quote=True)


def attributes(**pairs):
    # aria_label -> aria-label; None leaves an attribute out, True writes it bare.
    out = []
    for key, value in pairs.items():
        key = key.rstrip("_").replace("_", "-")
        if value is None or value is False:
            continue
        out.append(f" {key}" if value is True else f' {key}="{esc(str(value))}"')
    return "".join(out)


def points_field(id_, name, points, enabled=True):
    # A text field rather than type=number: the phone shows its digits, and
    # nothing but the page decides what is refused (kurswaage.js).
    return (f'<input{attributes(id=id_, type="text", inputmode="numeric", autocomplete="off", role="spinbutton", aria_valuemin=0, aria_valuemax=15, aria_valuenow=points, aria_label=name, value=points, disabled=not enabled)}>')


def choice(id_, name, entries, enabled=True):
    options = "".join(f"<option>{esc(entry)}</option>" for entry in entries)
    return f'<select{attributes(id=id_, aria_label=name, disabled=not enabled)}>{options}</select>'


def button(id_, text, name=None, enabled=True, step=None):
    return (f'<button{attributes(type="button", id=id_, aria_label=name, disabled=not enabled, data_step=step)}>'
            f"{esc(text)}</button>")


def result(id_, shown):
    # An output, named by what it means and what it shows; the one live
    # region (#ansage) speaks it, so the output itself stays quiet.
    mark = f' class="{shown["mark"]}"' if shown["mark"] else ""
    return (f'<output id="{id_}"{mark} aria-live="off"{attributes(aria_label=shown["name"] or None)}>'
            f'{esc(shown["text"])}</output>')


def main_form(ui, data, css):
    start = data["start"]
    enabled = lambda name: start["enabled"].get(name, True)
    text = lambda name: ui.get(name, "text")
    steps = {name: index for index, name in enumerate(data["buttons"])}

    def step_button(name, label=None):
        return button(name, text(name), label, enabled(name), steps[name])

    rows, columns, exams = data["rows"], data["columns"], data["exams"]
    # The course grid, in the form's tab order: the twelve subject choices,
    # then the points row by row, then the checks. The style sheet places
    # each where the window has it (layout_rules).
    grid = [f'<span id="{name}" class="kopf">{esc(text(name))}</span>'
            for name in COLUMN_HEADERS]
    for row in rows:
        caption = row["caption"]
        grid.append(f'<label id="{caption}" for="{row["subject"]}"'
                    f'{" class=gesperrt" if not enabled(caption) else ""}>{esc(text(caption))}</label>')
    for row in rows:
        grid.append(choice(row["subject"], row["subjectName"], data["catalogues"][row["subject"]],
                           enabled(row["subject"])))
    for r in range(len(rows)):
        for column in columns:
            name = column["rows"][r]
            grid.append(points_field(name, column["rowNames"][r], start["values"][name], enabled(name)))
    for column in columns:
        grid.append(step_button(column["check"], column["checkName"]))
    grid.append(step_button("pushButton_13"))
    for column in columns:
        grid.append(f'<ul id="{column["list"]}" class="liste" aria-label="{esc(column["listName"])}"></ul>')
    grid.append(f'<span id="label_31" class="beschriftung">{esc(text("label_31"))}</span>')
    for column in columns:
        grid.append(result(column["average"], start["results"][column["average"]]))

    exam_grid = [f'<label id="{e["caption"]}" for="{e["subject"]}">{esc(text(e["caption"]))}</label>' for e in exams]
    exam_grid += [choice(e["subject"], e["subjectName"], data["catalogues"][e["subject"]]) for e in exams]
    exam_grid += [points_field(e["points"], e["pointsName"], start["values"][e["points"]]) for e in exams]
    exam_grid += [step_button(e["oral"], e["oralName"]) for e in exams if e["oral"]]
    radios = "".join(
        f'<label id="{name}-label"><input type="radio" name="besondereLernleistung" id="{name}"'
        f'{" checked" if ui.get(name, "checked") == "true" else ""}> {esc(text(name))}</label>'
        for name in ("radioButton", "radioButton_2"))

    layout_rules(css, rows, columns, exams)
    result_of = lambda name: result(name, start["results"][name])
    return f"""<main id="{ui.top}">
<h1>{esc(ui.get(ui.top, "windowTitle"))}</h1>
<section id="groupBox" aria-labelledby="groupBox-titel">
<h2 id="groupBox-titel">{esc(ui.get("groupBox", "title"))}</h2>
<div class="kurse">
{chr(10).join(grid)}
</div>
</section>
<p class="zulassung"><span id="label_20">{esc(text("label_20"))}</span> {result_of("label_21")}</p>
<p class="begruendung">{result_of("label_22")}</p>
<div class="knoepfe" id="knoepfe-kurse">{step_button("pushButton_18")}{step_button("pushButton_11")}{step_button("pushButton_12")}</div>
<section id="groupBox_2" aria-labelledby="groupBox_2-titel">
<h2 id="groupBox_2-titel">{esc(ui.get("groupBox_2", "title"))}</h2>
<div class="pruefungen">
{chr(10).join(exam_grid)}
</div>
<fieldset id="groupBox_3"><legend>{esc(ui.get("groupBox_3", "title"))}</legend>{radios}</fieldset>
</section>
<div class="knoepfe" id="knoepfe-schritte">{"".join(step_button(n) for n in ("pushButton_5", "pushButton", "pushButton_9", "pushButton_10", "pushButton_2"))}{button("pushButton_3", text("pushButton_3"))}</div>
<div class="ergebnisse">
<p><span id="label_28">{esc(text("label_28"))}</span> {result_of("label_29")}</p>
<p>{result_of("label_30")}</p>
<p><span id="label_35">{esc(text("label_35"))}</span> {result_of("label_34")}</p>
</div>
<p id="label_17" class="fuss">{esc(text("label_17"))}</p>
</main>"""


def layout_rules(css, rows, columns, exams):
    """Grid places for the course and examination grids: as the window lays
    them out where the width allows, and on a phone each row's caption and
    subject on one line with its four half-years below."""
    wide, narrow = [], []
    place = lambda rules, name, row, column: rules.append(f"#{name}{{grid-row:{row};grid-column:{column}}}")
    for c, name in enumerate(COLUMN_HEADERS):
        place(wide, name, 1, c + 2)
        if c:
            place(narrow, name, 1, c)
    last = len(rows)
    for r, row in enumerate(rows):
        place(wide, row["caption"], r + 2, 1)
        place(wide, row["subject"], r + 2, 2)
        place(narrow, row["caption"], 2 * r + 2, 1)
        place(narrow, row["subject"], 2 * r + 2, "2/span 3")
        for c, column in enumerate(columns):
            place(wide, column["rows"][r], r + 2, c + 3)
            place(narrow, column["rows"][r], 2 * r + 3, c + 1)
    for c, column in enumerate(columns):
        place(wide, column["check"], last + 2, c + 3)
        place(wide, column["list"], last + 3, c + 3)
        place(wide, column["average"], last + 4, c + 3)
        place(narrow, column["check"], 2 * last + 2, c + 1)
        place(narrow, column["list"], 2 * last + 3, c + 1)
        place(narrow, column["average"], 2 * last + 5, c + 1)
    place(wide, "pushButton_13", last + 3, "1/span 2")
    place(wide, "label_31", last + 4, "1/span 2")
    place(narrow, "label_31", 2 * last + 4, "1/span 4")
    place(narrow, "pushButton_13", 2 * last + 6, "1/span 4")
    for r, exam in enumerate(exams):
        for c, key in enumerate(("caption", "subject", "points", "oral")):
            if exam[key]:
                place(wide, exam[key], r + 1, c + 1)
                place(narrow, exam[key], 2 * r + 1 if c == 0 else 2 * r + 2, "1/span 3" if c == 0 else c)
    css.append("/* Where each field of the grids stands (written by make_page.py). */\n"
               + "\n".join(narrow) + "\n@media (min-width: 36rem) {\n" + "\n".join(wide) + "\n}\n")


def calculator(ui, data):
    id_ = lambda name: f"{CALCULATOR}-{name}"
    label = lambda name, for_: f'<label id="{id_(name)}" for="{id_(for_)}">{esc(ui.get(name, "text"))}</label>'
    meaning = ui.get("label_5", "accessibleName")
    return f"""<dialog id="{CALCULATOR}" aria-label="{esc(ui.get(ui.top, "windowTitle"))}">
<div class="rechner">
{label("label", "comboBox")}{choice(id_("comboBox"), ui.get("comboBox", "accessibleName"), data["oralReexaminationCatalogue"])}
{label("label_2", "spinBox")}{points_field(id_("spinBox"), ui.get("spinBox", "accessibleName"), 0)}
{label("label_3", "spinBox_2")}{points_field(id_("spinBox_2"), ui.get("spinBox_2", "accessibleName"), 0)}
{button(id_("pushButton_4"), ui.get("pushButton_4", "text"))}
<span id="{id_("label_4")}">{esc(ui.get("label_4", "text"))}</span><output id="{id_("label_5")}" aria-live="off" data-meaning="{esc(meaning)}"></output>
{button(id_("pushButton_2"), ui.get("pushButton_2", "text"))}{button(id_("pushButton_3"), ui.get("pushButton_3", "text"))}
</div>
</dialog>"""


def help_paragraphs(rich_text, pictures):
    """The help's Qt rich text as plain paragraphs: underlined spans stay
    underlined, pictures come along, empty paragraphs go (the style sheet
    spaces the paragraphs instead)."""
    out = []
    for align, body in re.findall(r'<p(?: align="(\w+)")?[^>]*>(.*?)</p>', rich_text, re.S):
        parts = []
        for style, content in re.findall(r'<span style="([^"]*)">(.*?)</span>', body, re.S):
            if content.strip():
                cls = ' class="unterstrichen"' if "underline" in style else ""
                parts.append(f"<span{cls}>{esc(html.unescape(content))}</span>")
        for source in re.findall(r'<img src="([^"]+)"', body):
            name = Path(source).name
            pictures.append(source.lstrip(":/"))
            parts.append(f'<img src="{esc(name)}" alt="" loading="lazy">')
        if parts:
            cls = ' class="rechts"' if align == "right" else ""
            out.append(f"<p{cls}>{''.join(parts)}</p>")
    return "\n".join(out)


def help_window(ui, pictures):
    id_ = lambda name: f"{HELP}-{name}"
    return f"""<dialog id="{HELP}" aria-label="{esc(ui.get(ui.top, "windowTitle"))}">
<h2 id="{id_("label")}">{esc(ui.get("label", "text"))}</h2>
<section id="{id_("textBrowser")}" tabindex="0" aria-label="{esc(ui.get("textBrowser", "accessibleName"))}">
{help_paragraphs(ui.get("textBrowser", "html"), pictures)}
</section>
{button(id_("pushButton"), ui.get("pushButton", "text"))}
</dialog>"""


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", type=Path, required=True, help="the project's folder")
    parser.add_argument("--node", required=True)
    parser.add_argument("--page-data", type=Path, required=True, help="kurswaage-page-data.js")
    parser.add_argument("--engine", type=Path, required=True, help="folder with kurswaage-engine.js and .wasm")
    parser.add_argument("--out", type=Path, required=True)
    args = parser.parse_args()

    src = args.source / "src"
    main_ui = DesignerForm(src / "app" / "kurswaage.ui")
    calculator_ui = DesignerForm(src / "dialogs" / "muendlichenachpruefung.ui")
    help_ui = DesignerForm(src / "dialogs" / "hilfe.ui")
    captions = [main_ui.get(name, "text") for name in EXAM_CAPTIONS]
    data = json.loads(subprocess.run([args.node, str(args.page_data), *captions], check=True,
                                     capture_output=True, text=True).stdout)
    if tuple(e["caption"] for e in data["exams"]) != EXAM_CAPTIONS:
        raise SystemExit("the examination rows' captions are not label_23 to label_27 any more")

    web = src / "web"
    if args.out.exists():
        shutil.rmtree(args.out)
    args.out.mkdir(parents=True)

    css = [(web / "kurswaage.css").read_text(encoding="utf-8")]
    pictures = []
    body = "\n".join([main_form(main_ui, data, css), calculator(calculator_ui, data), help_window(help_ui, pictures)])
    page = (web / "index.html.in").read_text(encoding="utf-8")
    page = page.replace("@TITLE@", esc(main_ui.get(main_ui.top, "windowTitle"))).replace("@BODY@", body)
    (args.out / "index.html").write_text(page, encoding="utf-8")
    (args.out / "kurswaage.css").write_text("\n".join(css), encoding="utf-8")

    for name in ("kurswaage.js", "manifest.webmanifest"):
        shutil.copy(web / name, args.out / name)
    for name in ("kurswaage-engine.js", "kurswaage-engine.wasm"):
        shutil.copy(args.engine / name, args.out / name)
    for name in ("kurswaage-192.png", "kurswaage-512.png"):
        shutil.copy(args.source / "resources" / "web" / name, args.out / name)
    shutil.copy(args.source / "resources" / "desktop" / "kurswaage-64.png", args.out)
    for picture in pictures:
        shutil.copy(args.source / "resources" / picture, args.out / Path(picture).name)
    shutil.copy(args.source / "LICENSE", args.out / "LICENSE.txt")

    # The worker caches what the page needs to work offline, the page also
    # under "./", and changes its cache's name whenever any file changes.
    # The icons a browser installs the page with, and the licence, stay out
    # of a first visit.
    files = sorted(p.name for p in args.out.iterdir() if p.name not in NOT_CACHED)
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
