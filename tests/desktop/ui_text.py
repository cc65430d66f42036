#!/usr/bin/env python3
"""The program's text in the language LANGUAGE (or LANG) asks for.

Usage: ui_text.py TRANSLATIONS-DIR CONTEXT SOURCE [--key]

Prints the translation of SOURCE in CONTEXT from the catalogue the program
would choose (the language itself, else one of the same language), or SOURCE
itself where none is chosen or the text is not translated. With --key, prints
instead the letter of its accelerator (after "&"), lower-case, as a key name.
"""
import os
import re
import sys
import xml.etree.ElementTree as tree


def catalogue(directory):
    messages = (os.environ.get("LC_ALL") or os.environ.get("LC_MESSAGES")
                or os.environ.get("LANG") or "C")
    if messages in ("C", "POSIX"):  # as gettext: the source texts
        return None
    wanted = os.environ.get("LANGUAGE") or messages
    for name in wanted.split(":"):
        name = name.split(".")[0].replace("-", "_")
        if not name or name == "C" or name.startswith("en"):
            return None
        files = sorted(os.listdir(directory))
        for candidate in (f"trelvin-sondrake_{name}.ts",):
            if candidate in files:
                return os.path.join(directory, candidate)
        for file in files:
            if file.startswith(f"trelvin-sondrake_{name.split('_')[0]}"):
                return os.path.join(directory, file)
    return None


def main():
    directory, context, source = sys.argv[1:4]
    text = source
    path = catalogue(directory)
    if path:
        for ctx in tree.parse(path).iter("context"):
            if ctx.findtext("name") != context:
                continue
            for message in ctx.iter("message"):
                translation = message.find("translation")
                if message.findtext("source") == source and translation.get("type") is None:
                    text = translation.text or source
    if "--key" in sys.argv[4:]:
        text = re.search(r"&([^&])", text).group(1).lower()
    print(text)


if __name__ == "__main__":
    main()
