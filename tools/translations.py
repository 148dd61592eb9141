#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The translation files, translations/kelvane_<language>.ts.

  translations.py update --lupdate PATH   brings every file up to date with the sources
  translations.py check --lupdate PATH    fails when a file is behind the sources, keeps texts
                                          no source has, or a translation's placeholders differ
                                          from its source; for each language listed in
                                          translations/complete.txt, also when a text has no
                                          finished translation
  translations.py web --out FOLDER        writes each language's finished translations for the
                                          web page, FOLDER/<language>.json, and FOLDER/index.json
                                          listing the languages

lupdate reads the shell's sources, and a list made here of the texts it cannot find itself: the
core marks its texts with PLAYER_TEXT and PLAYER_COUNTED, and the menu's texts with MENU_TEXT; the
web page's scripts word theirs with translated(context, source), and its index.html names the
context of a fixed text, title or aria-label in the element's data-words attribute.
"""
import argparse
import html.parser
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORE = ["model", "analysis", "creation", "storage", "render"]
MARKED = re.compile(r'\b(PLAYER_TEXT|PLAYER_COUNTED|MENU_TEXT)\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\)')
PLACEHOLDER = re.compile(r"%L?(\d|n)")
PAGE = ROOT / "src" / "web" / "page"
# A script's context is a quoted name or a constant of the same file holding one; its text, quoted
# strings joined by "+".
JS_STRING = r"'(?:[^'\\]|\\.)*'"
JS_JOINED = JS_STRING + r"(?:\s*\+\s*" + JS_STRING + r")*"
PAGE_WORDED = re.compile(r"\btranslated\(\s*(" + JS_STRING + r"|\w+)\s*,\s*(" + JS_JOINED + r")\s*\)")
JS_ESCAPE = re.compile(r"\\(u\{[0-9a-fA-F]+\}|u[0-9a-fA-F]{4}|x[0-9a-fA-F]{2}|.)")
PAGE_CONSTANT = re.compile(r"\bconst (\w+) = (" + JS_STRING + r");")


def js_text(joined):
    """The text of a script's single-quoted strings joined by "+"."""
    def unescaped(escape):
        code = escape[1]
        return chr(int(code[1:].strip("{}"), 16)) if len(code) > 1 else {"n": "\n", "t": "\t"}.get(code, code)
    return "".join(JS_ESCAPE.sub(unescaped, part[1:-1]) for part in re.findall(JS_STRING, joined))


def cpp_literal(text):
    return json.dumps(text, ensure_ascii=False)


class FixedTexts(html.parser.HTMLParser):
    """(context, text) of index.html's elements that name a context in data-words: their text,
    title and aria-label."""

    def __init__(self):
        super().__init__()
        self.found = []
        self.open = None

    def handle_starttag(self, tag, attrs):
        named = dict(attrs)
        if "data-words" in named:
            context = named["data-words"]
            self.found += [(context, named[key]) for key in ("title", "aria-label") if named.get(key)]
            self.open = [tag, context, ""]

    def handle_data(self, data):
        if self.open:
            self.open[2] += data

    def handle_endtag(self, tag):
        if self.open and self.open[0] == tag:
            if self.open[2]:
                self.found.append((self.open[1], self.open[2]))
            self.open = None


def page_texts():
    """(context, text) of each of the web page's texts."""
    found = []
    for path in sorted(PAGE.glob("*.js")):
        script = path.read_text(encoding="utf-8")
        constants = dict(PAGE_CONSTANT.findall(script))
        for context, literal in PAGE_WORDED.findall(script):
            found.append((js_text(constants.get(context, context)), js_text(literal)))
    fixed = FixedTexts()
    fixed.feed((PAGE / "index.html").read_text(encoding="utf-8"))
    return found + fixed.found


def text_list():
    """A C++ file of the texts lupdate cannot find, each once: the core's in the context "Kelvane"
    (the menu's in "Menu", where the shells look them up), and the page's in those it names."""
    lines = ["// The core's and the web page's texts, listed for lupdate by tools/translations.py."]
    seen = set()

    def add(macro, context, literal):
        if (context, literal) not in seen:
            seen.add((context, literal))
            lines.append(f'{macro}("{context}", {literal});')

    for folder in CORE:
        for path in sorted((ROOT / "src" / folder).glob("*.[ch]*")):
            for kind, literal in MARKED.findall(path.read_text(encoding="utf-8")):
                add("QT_TRANSLATE_N_NOOP" if kind == "PLAYER_COUNTED" else "QT_TRANSLATE_NOOP",
                    "Menu" if kind == "MENU_TEXT" else "Kelvane", literal)
    for context, text in page_texts():
        add("QT_TRANSLATE_NOOP", context, cpp_literal(text))
    return "\n".join(lines) + "\n"


def ts_files():
    return sorted((ROOT / "translations").glob("kelvane_*.ts"))


def run_lupdate(lupdate, targets, scratch, keep_obsolete):
    listed = scratch / "listed_texts.cpp"
    listed.write_text(text_list(), encoding="utf-8")
    command = [lupdate, "-silent", "-locations", "none", "-source-language", "en", "-I", str(ROOT / "src"),
               str(ROOT / "src" / "shell"), str(listed)]
    if not keep_obsolete:
        command.append("-no-obsolete")
    subprocess.run(command + ["-ts"] + [str(t) for t in targets], check=True)


def messages(path):
    """(context, source) → the message element, for each message of a .ts file."""
    found = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, message.findtext("source"))] = message
    return found


def forms(message):
    translation = message.find("translation")
    numerus = translation.findall("numerusform")
    return [f.text or "" for f in numerus] if message.get("numerus") == "yes" else [
        translation.text or ""]


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def problems(committed, fresh, complete):
    said = []
    have = messages(committed)
    want = {key for key, message in messages(fresh).items()
            if message.find("translation").get("type") not in ("obsolete", "vanished")}
    for key in sorted(set(want) - set(have)):
        said.append(f"not yet in the file (run update): {key[0]}: {key[1]!r}")
    for key, message in sorted(have.items()):
        context, source = key
        kind = message.find("translation").get("type")
        if key not in want or kind in ("obsolete", "vanished"):
            said.append(f"no source has it any more (run update): {context}: {source!r}")
            continue
        texts = forms(message)
        if complete and (kind == "unfinished" or not all(texts)):
            said.append(f"no finished translation: {context}: {source!r}")
        for text in filter(None, texts):
            if placeholders(text) != placeholders(source):
                said.append(f"placeholders differ from the source: {context}: {text!r}")
            if "\t" in source and text.partition("\t")[2] != source.partition("\t")[2]:
                said.append(f"the shortcut after the tab is not the source's: {text!r}")
    return said


def write_web(out):
    """Per language {context: {source: [form, ...]}}, the forms in the file's order, the page
    choosing one by the language's plural rules."""
    out.mkdir(parents=True, exist_ok=True)
    languages = []
    for target in ts_files():
        language = target.stem.removeprefix("kelvane_")
        table = {}
        for (context, source), message in messages(target).items():
            kind = message.find("translation").get("type")
            texts = forms(message)
            if kind not in ("unfinished", "obsolete", "vanished") and all(texts):
                table.setdefault(context, {})[source] = texts
        (out / f"{language}.json").write_text(json.dumps(table, ensure_ascii=False), encoding="utf-8")
        languages.append(language)
    (out / "index.json").write_text(json.dumps(languages), encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("command", choices=["update", "check", "web"])
    parser.add_argument("--lupdate", default="lupdate")
    parser.add_argument("--out", type=pathlib.Path)
    parser.add_argument("--language", action="append",
                        help="only this language's file (update); repeat for more")
    arguments = parser.parse_args()
    if arguments.command == "web":
        write_web(arguments.out)
        return 0
    targets = ts_files()
    if arguments.language:
        targets = [ROOT / "translations" / f"kelvane_{code}.ts" for code in arguments.language]
    with tempfile.TemporaryDirectory() as folder:
        scratch = pathlib.Path(folder)
        if arguments.command == "update":
            run_lupdate(arguments.lupdate, targets, scratch, keep_obsolete=False)
            return 0
        complete_file = ROOT / "translations" / "complete.txt"
        complete = {line.split("#")[0].strip() for line in complete_file.read_text().splitlines()}
        copies = []
        for target in targets:
            copies.append(scratch / target.name)
            shutil.copy(target, copies[-1])
        run_lupdate(arguments.lupdate, copies, scratch, keep_obsolete=True)
        failed = False
        for target, copy in zip(targets, copies):
            language = target.stem.removeprefix("kelvane_")
            for problem in problems(target, copy, language in complete):
                print(f"{target.name}: {problem}")
                failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
