#!/usr/bin/env python3
"""Every text of the program is translated in all eleven languages.

Usage: check_translations.py SOURCE_ROOT LUPDATE

Extracts the program's texts with lupdate (the sources and designer forms of config/, engine/,
ui/ and app/) and checks each language's translation files (res/lang/*/<language>.ts, merged):
every (context, source text) the program uses is there, finished and not empty. Prints what is
missing per language and exits 1 when anything is.
"""
import pathlib
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

LANGUAGES = ["en", "zh_CN", "zh_TW", "fr", "de", "it", "ja", "ko", "ru", "es", "pt"]
SOURCE_FOLDERS = ["config", "engine", "ui", "app"]


def messages(ts_file):
    """(context, source) -> (translation text, finished) of one .ts file."""
    found = {}
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            text = "" if translation is None or translation.text is None else translation.text
            kind = "" if translation is None else translation.get("type", "")
            if translation is not None and message.get("numerus") == "yes":
                text = "".join(form.text or "" for form in translation.iter("numerusform"))
            found[(name, message.findtext("source", ""))] = (text, kind not in ("unfinished", "vanished", "obsolete"))
    return found


def program_texts(root, lupdate):
    with tempfile.TemporaryDirectory() as folder:
        ts_file = pathlib.Path(folder) / "program.ts"
        folders = [str(root / name) for name in SOURCE_FOLDERS]
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", *folders, "-ts", str(ts_file)],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return set(messages(ts_file))


def main():
    root = pathlib.Path(sys.argv[1])
    lupdate = sys.argv[2] if len(sys.argv) > 2 else "lupdate"
    texts = program_texts(root, lupdate)
    if not texts:
        print("lupdate found no texts in the program's sources")
        return 1
    faults = 0
    for language in LANGUAGES:
        translated = {}
        for ts_file in sorted(root.glob(f"res/lang/*/{language}.ts")):
            translated.update(messages(ts_file))
        for context, source in sorted(texts):
            text, finished = translated.get((context, source), ("", False))
            if (context, source) not in translated:
                problem = "missing"
            elif not finished or not text:
                problem = "unfinished"
            else:
                continue
            faults += 1
            print(f"{language}: {problem}: [{context}] {source!r}")
    print(f"{len(texts)} texts of the program, {len(LANGUAGES)} languages, {faults} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
