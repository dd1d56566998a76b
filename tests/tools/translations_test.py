#!/usr/bin/env python3
"""Holds every language of the program to every text the sources mark: each language file
translates each text once and completely, keeps its placeholders (%1, %2 ...) and gives a
command of a menu its one mnemonic (&), and holds no text the sources no longer have.

    tests/tools/translations_test.py SOURCE.ts LANGUAGE.ts...

SOURCE.ts is what lupdate finds in the sources at build time.
"""
import re
import sys
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%[1-9]")
MNEMONIC = re.compile(r"&(?!&)\S")


def messages(path):
    found = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, message.findtext("source", ""))] = message.find("translation")
    return found


def problems_of(source_texts, path):
    translated = messages(path)
    problems = []
    for key in sorted(source_texts):
        context, source = key
        where = f"{context}: {source!r}"
        translation = translated.get(key)
        if translation is None:
            problems.append(f"missing: {where}")
            continue
        text = translation.text or ""
        if translation.get("type") in ("unfinished", "vanished", "obsolete") or not text.strip():
            problems.append(f"not translated: {where}")
            continue
        if sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(source)):
            problems.append(f"placeholders differ: {where} -> {text!r}")
        if len(MNEMONIC.findall(source)) != len(MNEMONIC.findall(text)):
            problems.append(f"mnemonic differs: {where} -> {text!r}")
    for key in sorted(set(translated) - set(source_texts)):
        problems.append(f"no longer in the sources: {key[0]}: {key[1]!r}")
    return problems


def main(source_path, language_paths):
    source_texts = set(messages(source_path))
    failed = False
    for path in language_paths:
        problems = problems_of(source_texts, path)
        print(f"{path}: {len(source_texts) - len([p for p in problems if not p.startswith('no longer')])}"
              f" of {len(source_texts)} texts translated")
        for problem in problems:
            print(f"  {problem}")
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2:]))
