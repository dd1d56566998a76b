#!/usr/bin/env python3
"""Makes a pseudo-translation of the program: every text that a .ts file holds, translated as
itself in brackets, "[Camera Setup]", its placeholders (%1) and mnemonics (&) kept. A window or
message of the program in this language shows at once any text that slipped past translation:
it is the one without brackets.

    tools/pseudo-translation.py SOURCE.ts PSEUDO.ts
"""
import sys
import xml.etree.ElementTree as ElementTree


def main(source_path, pseudo_path):
    tree = ElementTree.parse(source_path)
    root = tree.getroot()
    root.set("language", "eo")
    for message in root.iter("message"):
        translation = message.find("translation")
        if translation is None:
            translation = ElementTree.SubElement(message, "translation")
        translation.attrib.clear()
        translation.text = "[" + message.findtext("source", "") + "]"
    tree.write(pseudo_path, encoding="utf-8", xml_declaration=True)
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
