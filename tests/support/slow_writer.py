#!/usr/bin/env python3
"""Writes a WAV the way real programs do while another program reads it.

  slow_writer.py record PATH SECONDS   a recorder: 16-bit stereo at 44.1 kHz
      in real time, its size fields placeholders (0xFFFFFFFF, as ffmpeg
      leaves them) until it finishes and fills them in
  slow_writer.py move SOURCE PATH      a move from another disk: a slow copy
      of SOURCE to PATH (its header whole from the start), then SOURCE removed
  slow_writer.py touch PATH SECONDS    a program that opens PATH for writing
      and closes it again, over and over, writing nothing

It prints "started" once a second of audio is on disk (touch: at once), so a
test can start reading mid-write.
"""
import math
import os
import struct
import sys
import time

RATE, CHANNELS, WIDTH = 44100, 2, 2
BLOCK = RATE // 10  # frames written per tenth of a second


def header(data_size, riff_size):
    fmt = struct.pack('<HHIIHH', 1, CHANNELS, RATE, RATE * CHANNELS * WIDTH, CHANNELS * WIDTH, 16)
    return (b'RIFF' + struct.pack('<I', riff_size) + b'WAVE' + b'fmt ' + struct.pack('<I', 16) + fmt
            + b'data' + struct.pack('<I', data_size))


def announce():
    print('started', flush=True)


def record(path, seconds):
    frames = int(seconds * RATE)
    with open(path, 'wb') as out:
        out.write(header(0xFFFFFFFF, 0xFFFFFFFF))
        for start in range(0, frames, BLOCK):
            block = b''.join(struct.pack('<hh', *(int(8000 * math.sin(i / 7.0)),) * 2)
                             for i in range(start, min(frames, start + BLOCK)))
            out.write(block)
            out.flush()
            if start == RATE:
                announce()
            time.sleep(0.1)
        data = frames * CHANNELS * WIDTH
        out.seek(0)
        out.write(header(data, data + 36))


def move(source, path):
    with open(source, 'rb') as src, open(path, 'wb') as out:
        announced = False
        while chunk := src.read(64 * 1024):
            out.write(chunk)
            out.flush()
            if not announced and out.tell() > RATE * CHANNELS * WIDTH:
                announce()
                announced = True
            time.sleep(0.05)
    os.remove(source)


def touch(path, seconds):
    end = time.monotonic() + seconds
    announce()
    while time.monotonic() < end:
        os.close(os.open(path, os.O_WRONLY))


if __name__ == '__main__':
    if sys.argv[1] == 'record':
        record(sys.argv[2], float(sys.argv[3]))
    elif sys.argv[1] == 'touch':
        touch(sys.argv[2], float(sys.argv[3]))
    else:
        move(sys.argv[2], sys.argv[3])
