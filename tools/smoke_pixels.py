#!/usr/bin/env python3
"""Helpers of tools/smoke-test.sh: writes its puzzle library and reads the game's screenshots.

  library FILE              a library of 4 equal records: a full 12 x 12 grid with two empty cells
                            that miss the same symbol
  empty SHOT TOP            the empty cells of the board as "c r" lines (TOP: the menu bar's height)
  missing SHOT TOP          the symbol whose count differs from all others (the one missing)
  isempty SHOT TOP C R      exit 0 if cell (c, r) is empty (its interior all white)
  red SHOT TOP C R          exit 0 if cell (c, r) holds a pure red (0xFF0000) pixel
  crop SHOT TOP OUT         writes the board area as a PPM
  bar SHOT TOP              a digest of the menu bar's pixels (it is greyed while a command runs)
  blue SHOT TOP C R         exit 0 if cell (c, r) holds a pixel of the entries' blue (0x0000BC)
"""
import hashlib
import subprocess
import sys

RECORD = 3735
SIDE = 13


def value(c, r):
    return (4 * ((r - 1) % 3) + (r - 1) // 3 + (c - 1)) % 12 + 1


def library(path):
    grid = bytearray(169)
    for r in range(1, 13):
        for c in range(1, 13):
            grid[c + SIDE * r] = value(c, r)
    # Two cells in other rows, columns and boxes that hold the same symbol: (1,1) and the cell of row 5
    # that holds value(1,1).
    grid[1 + SIDE * 1] = 0
    c5 = next(c for c in range(1, 13) if value(c, 5) == value(1, 1))
    assert c5 > 4
    grid[c5 + SIDE * 5] = 0
    record = bytes(grid) + bytes(grid) + bytes(2197) + bytes((i % 12) + 1 for i in range(1200))
    assert len(record) == RECORD
    with open(path, "wb") as f:
        f.write(record * 4)


def load(shot):
    data = subprocess.run(["convert", shot, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    fields = []
    pos = 0
    while len(fields) < 4:  # magic, width, height, maxval; no comments from convert
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    pos += 1
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos:]


class Shot:
    def __init__(self, path, top):
        self.width, self.height, self.pixels = load(path)
        self.top = top

    def rgb(self, x, y):  # client coordinates
        i = 3 * ((y + self.top) * self.width + x)
        return tuple(self.pixels[i:i + 3])

    def block(self, x, y, w, h):
        return [self.rgb(x + i, y + j) for j in range(h) for i in range(w)]


def cell_interior(shot, c, r):
    return shot.block(29 + 60 * (c - 1) + 8, 45 + 60 * (r - 1) + 8, 44, 44)


def empty(shot):
    for r in range(1, 13):
        for c in range(1, 13):
            if all(p == (255, 255, 255) for p in cell_interior(shot, c, r)):
                print(c, r)


def missing(shot):
    # The last two characters of each count: "10" against "12" (8 pixels a character).
    fields = {}
    for k in range(1, 13):
        x = 844 if k == 1 else 813 + 24 * k + 8
        fields[k] = tuple(shot.block(x, 384, 16, 16))
    odd = [k for k in fields if sum(fields[j] == fields[k] for j in fields) == 1]
    if len(odd) != 1:
        sys.exit("no single odd count among the 12 symbols")
    print(odd[0])


def main():
    command = sys.argv[1]
    if command == "library":
        library(sys.argv[2])
        return
    shot = Shot(sys.argv[2], int(sys.argv[3]))
    if command == "empty":
        empty(shot)
    elif command == "missing":
        missing(shot)
    elif command == "isempty":
        c, r = int(sys.argv[4]), int(sys.argv[5])
        sys.exit(0 if all(p == (255, 255, 255) for p in cell_interior(shot, c, r)) else 1)
    elif command == "red":
        c, r = int(sys.argv[4]), int(sys.argv[5])
        sys.exit(0 if (255, 0, 0) in cell_interior(shot, c, r) else 1)
    elif command == "blue":
        c, r = int(sys.argv[4]), int(sys.argv[5])
        sys.exit(0 if (0, 0, 0xBC) in cell_interior(shot, c, r) else 1)
    elif command == "bar":
        top = shot.pixels[:3 * shot.width * shot.top]
        print(hashlib.sha1(top).hexdigest())
    elif command == "crop":
        board = shot.block(29, 45, 721, 721)
        with open(sys.argv[4], "wb") as f:
            f.write(b"P6\n721 721\n255\n" + bytes(v for p in board for v in p))
    else:
        sys.exit("unknown command " + command)


if __name__ == "__main__":
    main()
