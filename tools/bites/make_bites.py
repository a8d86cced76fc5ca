#!/usr/bin/env python3
"""Writes the eight bites of the random level generator into data/RBites/.

Each bite is drawn below as 7 rows of 7 characters, north at the top, in the orientation stored
in its file. Openings: the start and end bites open to the east, the corners to the west and
south, the straight bite to the west and east. Rooms are walled on their border with a
three-block door (rows or columns 2..4) on each open side, so that doors meet whatever way the
generator turns a bite.

Usage: make_bites.py [OUTPUT_FOLDER]   (default: data/RBites beside this script's repository)
"""
import os
import struct
import sys
import time

# Block codes of the level file: "$" empty, shape letter + shape rotation + back material
# [+ front material]. Materials: kind letter (G grass, T wall, I ice, H hole, S sand, W water)
# and slope digit (0 east, 2 north, 4 west, 6 south, odd digits the diagonals, 8 flat).
COMMON = {
    '.': '$',
    '#': 'S0T8',
    's': 'S0S8',
    'i': 'S0I8',
    'o': 'C0G8H8',   # the cup: a round hole on grass
    'O': 'C0G8T8',   # a round post
    'w': 'C0G8W8',   # a round pond
    '>': 'S0G0', '^': 'S0G2', '<': 'S0G4', 'v': 'S0G6',
    '9': 'S0G1', '7': 'S0G3', '1': 'S0G5', '3': 'S0G7',
    # Rounded room corners: a quarter disc of grass with wall outside it.
    'a': 'P3T8G8',   # north-west corner (disc centred on the cell's bottom-right corner)
    'b': 'P0T8G8',   # north-east corner (disc centred bottom-left)
    'c': 'P2T8G8',   # south-west corner (disc centred top-right)
    'd': 'P1T8G8',   # south-east corner (disc centred top-left)
}

BITES = {
    # Tee: a square room with rounded back corners.
    'utslag7.lev': ('Tee', (3.5, 3.5), {}, [
        '#######',
        '#a....#',
        '#......',
        '#......',
        '#......',
        '#c....#',
        '#######',
    ]),
    # Round tee: every corner rounded, a pond behind the ball.
    'runtutslag7.lev': ('Round tee', (3.5, 3.5), {}, [
        '#######',
        '#a...b#',
        '#......',
        '#w.....',
        '#......',
        '#c...d#',
        '#######',
    ]),
    # Square corner with a bunker in the outer corner, its edge cut on the diagonal.
    'horn7.lev': ('Square corner', (3.5, 3.5), {'t': 'T2S8G8'}, [
        '#######',
        '#...ss#',
        '....ts#',
        '......#',
        '......#',
        '#.....#',
        '##...##',
    ]),
    # Cup in a bowl: every block around it slopes towards it.
    'hal27.lev': ('Bowl', (3.5, 3.5), {}, [
        '#######',
        '#a....#',
        '#.3v1..',
        '#.>o<..',
        '#.9^7..',
        '#c....#',
        '#######',
    ]),
    # Round green: the cup guarded by a bunker behind it and a pond on the far side.
    'runthal27.lev': ('Round green', (3.5, 3.5), {}, [
        '#######',
        '#a...b#',
        '#s.....',
        '#s.o...',
        '#s.....',
        '#c.w.d#',
        '#######',
    ]),
    # Diagonal corner: walls cut across the outer corner, a round patch of ice in the bend.
    'snetthorn7.lev': ('Diagonal corner', (3.5, 3.5),
                       {'t': 'T0G8T8', 'u': 'T2G8T8', 'e': 'P3G8I8', 'f': 'P0G8I8', 'g': 'P2G8I8', 'h': 'P1G8I8'}, [
        '#######',
        '#..t###',
        '..ef.##',
        '..gh.t#',
        '......#',
        '#u....#',
        '##...##',
    ]),
    # Straight: a round post in the middle and a bump on each side wall.
    'vetinte7.lev': ('Straight', (3.5, 3.5), {'n': 'M3G8T8', 'm': 'M1G8T8'}, [
        '#######',
        '#..n..#',
        '.......',
        '...O...',
        '.......',
        '#..m..#',
        '#######',
    ]),
    # Round corner: every corner rounded and the outer bend banked towards the middle.
    'runthorn7.lev': ('Round corner', (3.5, 3.5), {}, [
        '#######',
        '#a..vb#',
        '.....<#',
        '......#',
        '......#',
        '#c...d#',
        '##...##',
    ]),
}

KIND_LETTERS = 'GTIHSW'
SHAPE_VALUES = {'S': 0, 'C': 1, 'P': 3, 'T': 2, 'M': 4}


def cell_values(code):
    """Shape, back rotation, front kind, back kind, front rotation of a block code."""
    if code == '$':
        return 0, 8, 0, 0, 8
    shape = SHAPE_VALUES[code[0]]
    back_kind, back_rot = KIND_LETTERS.index(code[2]), int(code[3])
    if shape == 0:
        return 0, back_rot, 0, back_kind, 0  # a solid block reads back with front grass/0
    front_kind, front_rot = KIND_LETTERS.index(code[4]), int(code[5])
    return shape, back_rot, front_kind, back_kind, front_rot


def identity(rows, when):
    """The content hash of the level file's identity, followed by its timestamp."""
    h = 0
    for x in range(len(rows[0])):
        for y in range(len(rows)):
            for value in cell_values(rows[y][x]):
                h = (h * 37 + value) & 0xFFFFFFFF
    if h >= 0x80000000:
        h -= 0x100000000
    return str(h) + time.strftime('%Y%m%j%H%d%S', when)


def level_text(name, ball, legend, drawing, when):
    table = dict(COMMON, **legend)
    rows = [[table[ch] for ch in row] for row in drawing]
    assert len(rows) == 7 and all(len(row) == 7 for row in rows), name
    text = '{Quorvale1}\r\n{%s}\r\n{%s}{%s}\r\n{%d}{%d}\r\n{%f}{%f}\r\n' % (
        identity(rows, when), name, 'Quorvale Editor', 7, 7, ball[0], ball[1])
    for row in rows:
        text += ''.join('{%s}' % code for code in row) + '\r\n'
    return text


def archive_string(text):
    data = text.encode('latin-1')
    if len(data) < 0xFF:
        return bytes([len(data)]) + data
    if len(data) < 0xFFFE:
        return b'\xff' + struct.pack('<H', len(data)) + data
    return b'\xff\xff\xff' + struct.pack('<I', len(data)) + data


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', '..', 'data', 'RBites')
    os.makedirs(folder, exist_ok=True)
    when = time.localtime()
    for file_name, (name, ball, legend, drawing) in BITES.items():
        with open(os.path.join(folder, file_name), 'wb') as out:
            out.write(archive_string(level_text(name, ball, legend, drawing, when)))


if __name__ == '__main__':
    main()
