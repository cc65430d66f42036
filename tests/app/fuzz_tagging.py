#!/usr/bin/env python3
"""Random argument vectors against the tagging mode.

Usage: fuzz_tagging.py ENCODER [COUNT] [SEED]

Every run must end by itself with status 0, 1 or 2; a file may only change
in its last 125 bytes (a replaced tag) or grow by exactly 128 bytes (an
appended one), and only the file the request names may change at all.
Folders and WAV files (plain, quoted, ".") open the window there: with no
display that is status 1 and a message naming the folder, and no change.
"""
import os
import random
import subprocess
import sys
import tempfile

NAMES = [b"song.mp3", b"t\xff.mp3", b"t\xef\xbf\xbd.mp3", b"tagged.mp3", b"in.wav",
         b"b.wav", b"a b.mp3", b"short.mp3"]
PIECES = ["\ufeff", "\u00e9", "e\u0301", "\U0001f600", '"', "'", " ", "\t", "\n", "$(id)",
          "--help", "TAG", "\u200b", "\u00a0", "17", "-1", "x" * 40]


def random_text(rng):
    return "".join(rng.choice(PIECES + [chr(rng.randrange(32, 0x3000))])
                   for _ in range(rng.randrange(0, 60)))


def random_block(rng):
    if rng.random() < 0.5:  # near the real format: 126 characters
        text = "".join(random_text(rng)[:30].ljust(30) for _ in range(3))
        text += rng.choice(["1999", "", "20011", "ab"]).ljust(4)[:4]
        text += str(rng.randrange(-9, 300)).ljust(2)[:2] + random_text(rng)[:30].ljust(30)
    else:
        text = random_text(rng)
    data = text.encode("utf-8", "surrogatepass")
    if rng.random() < 0.1:
        data += bytes([rng.randrange(128, 256)])  # not UTF-8
    return data


# Paths a file manager's "Open With" passes; a double quote inside a name
# makes a single argument a tagging request instead.
OPENED = [b"dir", b"in.wav", b"b.wav", b'"dir"', b".", b"dir/", b"B.WAV"]
QUOTED_NAMES = [b'My "live" takes', b'say "hi".wav']


def random_arguments(rng):
    path = rng.choice(NAMES + [b"missing.mp3", b"", b"dir"])
    form = rng.randrange(5)
    if form == 4:
        return [rng.choice(OPENED + QUOTED_NAMES) for _ in range(rng.randrange(1, 4))]
    if form == 0:
        return [path, random_block(rng)]
    if form == 1:
        opening = rng.choice([b'"', b"X", "\u00e9".encode()])
        return [opening + path + b'"' + rng.choice([b" ", b"", b"\xc3\xa9"]) + random_block(rng)]
    if form == 2:
        return [path, rng.choice(NAMES)]
    return [random_block(rng) for _ in range(rng.randrange(1, 4))]


def named_path(arguments):
    """The file a request names, as bytes, or None."""
    if len(arguments) == 2:
        return arguments[0]
    if len(arguments) == 1:
        text = arguments[0]
        first = 1
        if text and text[0] >= 0xC2:
            first = 2 if text[0] < 0xE0 else 3 if text[0] < 0xF0 else 4
        end = text.find(b'"', first)
        return text[first:end] if end >= 0 else None
    return None


def snapshot(directory):
    files = {}
    for name in os.listdir(directory):
        full = os.path.join(directory, name)
        if os.path.isfile(full):
            with open(full, "rb") as f:
                files[name] = f.read()
    return files


def allowed_change(before, after):
    if len(after) == len(before) + 128:
        return after.startswith(before) and after[len(before):].startswith(b"TAG")
    return (len(after) == len(before) and after[:-125] == before[:-125]
            and after[-128:].startswith(b"TAG"))


def main():
    encoder = os.path.abspath(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 300
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else random.randrange(1 << 30)
    rng = random.Random(seed)
    environment = {k: v for k, v in os.environ.items()
                   if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    changed = 0
    with tempfile.TemporaryDirectory() as directory:
        dir_bytes = os.fsencode(directory)
        for folder in (b"dir", b'My "live" takes'):
            os.mkdir(os.path.join(dir_bytes, folder))
        for name in NAMES + [b"B.WAV", b'say "hi".wav']:
            content = b"\xff" * rng.randrange(100, 2000)
            if name == b"tagged.mp3":
                content += b"TAG" + b"x" * 125
            if name.endswith(b".wav"):
                content = b"RIFF\0\0\0\0WAVE" + content
            with open(os.path.join(dir_bytes, name), "wb") as f:
                f.write(content)
        for i in range(count):
            arguments = random_arguments(rng)
            before = snapshot(dir_bytes)
            try:
                run = subprocess.run([encoder.encode()] + arguments, cwd=directory,
                                     env=environment, capture_output=True, timeout=10)
            except subprocess.TimeoutExpired:
                sys.exit(f"seed {seed}, vector {i}: hung: {arguments!r}")
            if run.returncode not in (0, 1, 2):
                sys.exit(f"seed {seed}, vector {i}: status {run.returncode}: {arguments!r}")
            if all(a in OPENED for a in arguments) and (
                    run.returncode != 1 or b"a display is needed to show" not in run.stderr):
                sys.exit(f"seed {seed}, vector {i}: no window for {arguments!r}: {run.stderr!r}")
            after = snapshot(dir_bytes)
            if set(before) != set(after):
                sys.exit(f"seed {seed}, vector {i}: files appeared or vanished: {arguments!r}")
            for name in before:
                if before[name] == after[name]:
                    continue
                changed += 1
                if name != named_path(arguments):
                    sys.exit(f"seed {seed}, vector {i}: {name!r} changed but "
                             f"{named_path(arguments)!r} was named: {arguments!r}")
                if not allowed_change(before[name], after[name]):
                    sys.exit(f"seed {seed}, vector {i}: {name!r} changed beyond its tag")
    print(f"{count} vectors (seed {seed}): {changed} tags written, no other change")


if __name__ == "__main__":
    main()
