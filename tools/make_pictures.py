#!/usr/bin/env python3
"""Writes the tool-button pictures of the main window as 16x16 XPM files.

Each picture is drawn below as ASCII art in the 16-colour palette; '.' is
transparent. Every picture but the envelope also gets a disabled look (grey
with a white shadow). Run from anywhere:
    python3 tools/make_pictures.py
The program icon's PNG sizes are drawn from src/resources/quillbox.svg:
    convert -background none -density 300 src/resources/quillbox.svg \
        -resize 48x48 -strip src/resources/pictures/quillbox_48.png   (and 32x32)
"""
import pathlib

PALETTE = {
    '.': 'None',
    'k': '#000000',  # black
    'w': '#FFFFFF',  # white
    'g': '#C0C0C0',  # light grey
    'd': '#808080',  # dark grey
    'r': '#FF0000',  # red
    'b': '#0000FF',  # blue
    'B': '#000080',  # navy
    'y': '#FFFF00',  # yellow
    'n': '#808000',  # olive brown
    'G': '#00FF00',  # green
}

MOVE_BACK = """
................
................
................
.......k........
......kk........
.....kbk........
....kbbkkkkkkk..
...kbbbbbbbbbk..
..kbbbbbbbbbbk..
...kbbbbbbbbbk..
....kbbkkkkkkk..
.....kbk........
......kk........
.......k........
................
................
"""

HAND_RIGHT = """
................
................
................
......kkkk......
BBBk.kwwwwkkkkk.
BBBkkwwwwwwwwwwk
BBBkwwwwwkkkkkk.
BBBkwwwwwwwk....
BBBkwwwwwkkk....
BBBkwwwwwwwk....
BBBkwwwwwkkk....
BBBkkwwwwwk.....
BBBk.kkkkkk.....
................
................
................
"""

CUT = """
........kkkkkk..
.k....k.kwwwwkk.
.k....k.kwwwwwk.
.k....k.kwdddwk.
..k..k..kwwwwwk.
..k..k..kwdddwk.
...kk...kwwwwwk.
...kk...kwdddwk.
..k..k..kwwwwwk.
.rrr.rrrkwdddwk.
r..rr..rkwwwwwk.
r..rr..rkkkkkkk.
r..rr..r........
.rr..rr.........
................
................
"""

ENVELOPE = """
................
................
................
kkkkkkkkkkkkkkkk
kwkwwwwwwwwwwkwk
kwwkwwwwwwwwkwwk
kwwwkwwwwwwkwwwk
kwwwwkwwwwkwwwwk
kwwwwwkwwkwwwwwk
kwwwwwwkkwwwwwwk
kwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwk
kkkkkkkkkkkkkkkk
................
................
................
"""

COPY = """
kkkkkk..........
kwwwwkk.........
kwdddwk..r......
kwwwwwkrrrr.....
kwdddwkrrrrr....
kwwwwwkrrrr.....
kwdddwk..r......
kwwwwwk.kkkkkk..
kkkkkkk.kwwwwkk.
........kwdddwk.
........kwwwwwk.
........kwdddwk.
........kwwwwwk.
........kwdddwk.
........kwwwwwk.
........kkkkkkk.
"""

PRINTER = """
................
....kkkkkkkk....
....kwwwwwwk....
....kwkkkkwk....
....kwwwwwwk....
..kkkkkkkkkkkk..
.kggggggggggggk.
.kggggggggggggk.
.kgggggggggggGk.
.kddddddddddddk.
.kggggggggggggk.
.kkkkkkkkkkkkkk.
..kwwwwwwwwwwk..
..kwkkkkkkkkwk..
..kkkkkkkkkkkk..
................
"""

PASTE = """
...kkkk.........
nnkyyyykn.......
nkkkkkkkkn......
nkwwwwwwkn......
nkwwrrwwkn......
nkwwrrwwkn......
nkwwrrwwkn......
nkrrrrrrkkkkkk..
nkwrrrrkwwwwwkk.
nkwwrrwkwdddwwk.
nkwwwwwkwwwwwwk.
nkkkkkkkwddddwk.
nnnnnnnkwwwwwwk.
.......kwddddwk.
.......kwwwwwwk.
.......kkkkkkkk.
"""

BOOK = """
................
...kkkkkkkkkk...
..kBbbbbbbbbbk..
..kBbbbbbbbbbk..
..kBbbwwwwwwbk..
..kBbbbbbbbbbk..
..kBbbbbbbbbbk..
..kBbbbbbbbbbk..
..kBbbbbbbbbbk..
..kBbbbbbbbbbk..
..kBbbbbbbbbbk..
..kBbbbbbbbbbk..
..kkkkkkkkkkkkk.
..kwwwwwwwwwwwk.
..kkkkkkkkkkkkk.
................
"""

CARD_BOX = """
.kkkkkkkkkkkkkk.
.kwwwwwwwwwwwwk.
kkkkkkkkkkkkkkkk
knnnnnnnnnnnnnnk
knnnnnkkkknnnnnk
knnnnnkwwknnnnnk
knnnnnkkkknnnnnk
knnnnnnnnnnnnnnk
kkkkkkkkkkkkkkkk
"""

ARROW_DOWN = """
......bbbb......
......bbbb......
......bbbb......
...bbbbbbbbbb...
....bbbbbbbb....
.....bbbbbb.....
......bbbb......
.......bb.......
"""

ARROW_UP = """
.......bb.......
......bbbb......
.....bbbbbb.....
....bbbbbbbb....
...bbbbbbbbbb...
......bbbb......
......bbbb......
......bbbb......
"""

DOOR = """
................
...kkkkkkkkk....
...knnnnnnnk....
...knkkkkknk....
...knknnnknk....
...knkkkkknk....
...knnnnnnnk....
...knnnnnyyk....
...knnnnnnnk....
...knkkkkknk....
...knknnnknk....
...knkkkkknk....
...knnnnnnnk....
...knnnnnnnk....
.kkkkkkkkkkkkk..
................
"""


def rows(art):
    lines = [line for line in art.strip('\n').split('\n')]
    for line in lines:
        assert len(line) == 16, (art, line)
    return lines


def mirror(lines):
    return [line[::-1] for line in lines]


def with_arrow(arrow, box):
    arrow, box = rows(arrow), rows(box)
    canvas = ['.' * 16] * (16 - len(box)) + box
    canvas = [list(r) for r in canvas]
    for y, line in enumerate(arrow):
        for x, ch in enumerate(line):
            if ch != '.':
                canvas[y][x] = ch
    return [''.join(r) for r in canvas]


def disabled(lines):
    """The classic disabled look: dark pixels turn grey with a white shadow
    one pixel down and to the right; light pixels vanish."""
    dark = {'k', 'b', 'B', 'r', 'n', 'd', 'G'}
    mask = [[ch in dark for ch in line] for line in lines]
    out = [['.'] * 16 for _ in range(16)]
    for y in range(16):
        for x in range(16):
            if mask[y][x] and y + 1 < 16 and x + 1 < 16 and not mask[y + 1][x + 1]:
                out[y + 1][x + 1] = 'w'
    for y in range(16):
        for x in range(16):
            if mask[y][x]:
                out[y][x] = 'd'
    return [''.join(r) for r in out]


def xpm(name, lines):
    used = sorted({ch for line in lines for ch in line})
    text = ['/* XPM */', 'static const char* const %s_xpm[] = {' % name,
            '"16 16 %d 1",' % len(used)]
    text += ['"%s c %s",' % (ch, PALETTE[ch]) for ch in used]
    text += ['"%s",' % line for line in lines]
    text[-1] = text[-1].rstrip(',')
    text.append('};')
    return '\n'.join(text) + '\n'


def pictures():
    move_back = rows(MOVE_BACK)
    hand_right = rows(HAND_RIGHT)
    return {
        'move_back': (move_back, True),
        'move_forward': (mirror(move_back), True),
        'page_back': (mirror(hand_right), True),
        'page_forward': (hand_right, True),
        'cut': (rows(CUT), True),
        'envelope': (rows(ENVELOPE), False),
        'copy': (rows(COPY), True),
        'print_card': (rows(PRINTER), True),
        'paste': (rows(PASTE), True),
        'end_entry': (rows(BOOK), True),
        'new_card': (with_arrow(ARROW_DOWN, CARD_BOX), True),
        'delete_card': (with_arrow(ARROW_UP, CARD_BOX), True),
        'exit': (rows(DOOR), True),
    }


def main():
    out = pathlib.Path(__file__).resolve().parent.parent / 'src' / 'resources' / 'pictures'
    out.mkdir(parents=True, exist_ok=True)
    for name, (lines, has_disabled) in pictures().items():
        assert len(lines) == 16, name
        (out / (name + '.xpm')).write_text(xpm(name, lines))
        if has_disabled:
            (out / (name + '_disabled.xpm')).write_text(xpm(name + '_disabled', disabled(lines)))


if __name__ == '__main__':
    main()
