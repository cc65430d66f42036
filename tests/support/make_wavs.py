#!/usr/bin/env python3
"""Test audio for the tests and benchmarks: 44.1 kHz 16-bit stereo WAVs.

  make_wavs.py tone PATH SECONDS     a plain tone (quick to make)
  make_wavs.py music PATH SECONDS    music-like: chords with a little noise
  make_wavs.py album DIR [TIMES]     a 16-track album of music (30 to 240 s),
                                     TIMES times over ("track 01.wav", ...)
  make_wavs.py chunks PATH FRAMES    8-bit mono at 8 kHz (an odd FRAMES gives
                                     an odd, padded data chunk) amid the chunks
                                     field recorders and editors add: fact,
                                     bext, iXML, cue, smpl, JUNK, PAD and LIST
                                     before the data, LIST and an odd-sized
                                     chunk after it
"""
import math
import random
import struct
import sys
import wave

RATE = 44100
LOOP = 30  # seconds of music made once, then repeated
ALBUM = [30, 240, 95, 180, 60, 210, 120, 45, 150, 75, 200, 35, 165, 90, 135, 225]


def tone(seconds):
    return b''.join(struct.pack('<hh', int(8000 * math.sin(i / 20)), int(6000 * math.sin(i / 13)))
                    for i in range(int(RATE * seconds)))


def music_loop():
    random.seed(7)
    frames = bytearray()
    for i in range(RATE * LOOP):
        t = i / RATE
        base = 110 * (1 + int(t / 2) % 4 / 4)
        left = sum(0.15 * math.sin(2 * math.pi * base * k * t) for k in (1, 1.25, 1.5))
        right = sum(0.15 * math.sin(2 * math.pi * base * k * t + 0.3) for k in (1, 1.5, 2))
        frames += struct.pack('<hh', int((left + 0.05 * (random.random() - 0.5)) * 32767),
                              int((right + 0.05 * (random.random() - 0.5)) * 32767))
    return bytes(frames)


def write(path, seconds, loop=None):
    with wave.open(path, 'wb') as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(RATE)
        if loop is None:
            out.writeframes(tone(seconds))
            return
        whole, rest = divmod(int(RATE * seconds), RATE * LOOP)
        for _ in range(whole):
            out.writeframes(loop)
        out.writeframes(loop[:rest * 4])


def chunk(name, body):
    return name + struct.pack('<I', len(body)) + body + (b'\0' if len(body) % 2 else b'')


def with_chunks(path, frames):
    fmt = struct.pack('<HHIIHH', 1, 1, 8000, 8000, 1, 8)
    audio = bytes(128 + int(60 * math.sin(i / 3)) for i in range(frames))
    info = chunk(b'LIST', b'INFO' + chunk(b'INAM', b'Take 1\0'))
    cue = struct.pack('<I', 1) + struct.pack('<II4sIII', 1, 0, b'data', 0, 0, 100)
    smpl = struct.pack('<9I', 0, 0, 125000, 60, 0, 0, 0, 0, 0)
    body = (b'WAVE' + chunk(b'JUNK', bytes(28)) + chunk(b'fmt ', fmt)
            + chunk(b'fact', struct.pack('<I', frames)) + chunk(b'bext', bytes(602) + b'A take')
            + chunk(b'iXML', b'<BWFXML><PROJECT>x</PROJECT></BWFXML>') + chunk(b'cue ', cue)
            + chunk(b'smpl', smpl) + chunk(b'PAD ', bytes(5)) + info + chunk(b'data', audio)
            + info + chunk(b'note', b'odd'))
    with open(path, 'wb') as out:
        out.write(b'RIFF' + struct.pack('<I', len(body)) + body)


def main(kind, target, amount='1'):
    if kind == 'tone':
        write(target, float(amount))
    elif kind == 'music':
        write(target, float(amount), music_loop())
    elif kind == 'chunks':
        with_chunks(target, int(amount))
    elif kind == 'album':
        loop = music_loop()
        for n, seconds in enumerate(ALBUM * int(amount), 1):
            write(f'{target}/track {n:02d}.wav', seconds, loop)
    else:
        sys.exit(__doc__)


if __name__ == '__main__':
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(*sys.argv[1:4])
