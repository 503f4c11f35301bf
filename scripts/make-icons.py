#!/usr/bin/env python3
"""Draws the editor's icons under data/editor/ from SVG written here.

Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert (for the JPEG files).
Run from the repository root:  scripts/make-icons.py [--preview sheet.png]
"""

import argparse
import os
import subprocess
import sys
import tempfile

OUT_DIR = os.path.join("data", "editor")

INK = "#263238"
SHAPE_FILL = "#dcdc78"  # the colour a new shape gets, RGBA(220,220,120,255)
BLUE = "#1e88e5"
GREEN = "#2e9e44"
RED = "#d32f2f"
ANCHOR = "#e53935"
HANDLE = "#f9d423"

# Row backgrounds of the object list: the eye is drawn at (5, 8) of each 25-pixel row, over the left column,
# so the eye picture and both row pictures share that column's colour.
EYE_COLUMN = "#b9bec4"
BUTTON_FACE = "#eceff1"


def svg(width, height, body):
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
        f'viewBox="0 0 {width} {height}">{body}</svg>'
    )


def badge(cx, cy, colour, plus):
    bar = f'<rect x="{cx - 3}" y="{cy - 0.9}" width="6" height="1.8" fill="#fff"/>'
    if plus:
        bar += f'<rect x="{cx - 0.9}" y="{cy - 3}" width="1.8" height="6" fill="#fff"/>'
    return f'<circle cx="{cx}" cy="{cy}" r="4.6" fill="{colour}" stroke="#fff" stroke-width="1"/>{bar}'


def point_path():
    return (
        f'<path d="M2.5 21 C3.5 8 9 4.5 12.5 6.5 C16 8.5 17 13 22.5 11" fill="none" stroke="{INK}" '
        'stroke-width="1.8" stroke-linecap="round"/>'
        f'<rect x="10" y="4" width="5" height="5" fill="{ANCHOR}" stroke="{INK}" stroke-width="0.8"/>'
    )


def move():
    return svg(25, 25, (
        f'<g fill="{INK}">'
        '<rect x="11.5" y="5" width="2" height="15"/><rect x="5" y="11.5" width="15" height="2"/>'
        '<path d="M12.5 1.5 L17 6.8 L8 6.8Z"/><path d="M12.5 23.5 L17 18.2 L8 18.2Z"/>'
        '<path d="M1.5 12.5 L6.8 8 L6.8 17Z"/><path d="M23.5 12.5 L18.2 8 L18.2 17Z"/>'
        '</g>'
        f'<circle cx="12.5" cy="12.5" r="2.4" fill="{BLUE}" stroke="{INK}" stroke-width="0.8"/>'
    ))


def select():
    return svg(25, 25, (
        f'<rect x="2.5" y="2.5" width="14" height="11" fill="{SHAPE_FILL}" stroke="{INK}" stroke-width="1"/>'
        f'<rect x="1.5" y="1.5" width="16" height="13" fill="none" stroke="{BLUE}" stroke-width="1" '
        'stroke-dasharray="2 1.5"/>'
        f'<path d="M9 7 L9 22.5 L12.6 19 L15.3 24 L17.6 22.9 L15 17.8 L20 17.8Z" fill="#fff" stroke="{INK}" '
        'stroke-width="1.2" stroke-linejoin="round"/>'
    ))


def scale():
    return svg(25, 25, (
        f'<rect x="3.5" y="3.5" width="18" height="18" fill="none" stroke="{INK}" stroke-width="1" '
        'stroke-dasharray="2 1.5"/>'
        f'<rect x="3.5" y="13.5" width="8" height="8" fill="{SHAPE_FILL}" stroke="{INK}" stroke-width="1.2"/>'
        f'<path d="M10 15 L18.5 6.5" stroke="{BLUE}" stroke-width="2"/>'
        f'<path d="M21.5 3.5 L20.5 10.5 L14.5 4.5Z" fill="{BLUE}"/>'
    ))


def rotate():
    return svg(25, 25, (
        f'<rect x="9" y="9" width="7" height="7" fill="{SHAPE_FILL}" stroke="{INK}" stroke-width="1" '
        'transform="rotate(25 12.5 12.5)"/>'
        f'<path d="M20.2 15.8 A8.2 8.2 0 1 1 18.3 6.7" fill="none" stroke="{BLUE}" stroke-width="2.2" '
        'stroke-linecap="round"/>'
        f'<path d="M22.8 3.2 L22 11 L15.5 6.2Z" fill="{BLUE}"/>'
    ))


def addpt():
    return svg(25, 25, point_path() + badge(18.5, 18.5, GREEN, True))


def delpt():
    return svg(25, 25, point_path() + badge(18.5, 18.5, RED, False))


def zoom():
    return svg(25, 25, (
        f'<path d="M15.5 15.5 L22 22" stroke="{INK}" stroke-width="4" stroke-linecap="round"/>'
        f'<circle cx="10" cy="10" r="7" fill="#d6ecfb" stroke="{INK}" stroke-width="2.2"/>'
        f'<rect x="6.5" y="9.1" width="7" height="1.8" fill="{INK}"/>'
        f'<rect x="9.1" y="6.5" width="1.8" height="7" fill="{INK}"/>'
    ))


def pan():
    parts = (
        '<rect x="6.5" y="11" width="12" height="11.5" rx="3.5"/>'
        '<rect x="6.6" y="5.5" width="2.8" height="10" rx="1.4"/>'
        '<rect x="9.6" y="2.8" width="2.8" height="12" rx="1.4"/>'
        '<rect x="12.6" y="3.3" width="2.8" height="11.5" rx="1.4"/>'
        '<rect x="15.6" y="5.3" width="2.8" height="10" rx="1.4"/>'
        '<rect x="2" y="13.5" width="9" height="3" rx="1.5" transform="rotate(40 6.5 15)"/>'
    )
    # The parts drawn twice, stroked then plain, give one outline around the whole hand.
    return svg(25, 25, (
        f'<g fill="{INK}" stroke="{INK}" stroke-width="2">{parts}</g>'
        f'<g fill="#f6dcc0">{parts}</g>'
        f'<path d="M9.6 11.5 V14 M12.6 11.5 V14 M15.6 11.5 V14" stroke="{INK}" stroke-width="0.7"/>'
    ))


def shape():
    # The heart that the default shape file holds, with the handles of one anchor.
    return svg(25, 25, (
        f'<path d="M12.5 8 C12.5 5.8 14.7 3.5 17.5 3.5 C20.8 3.5 23 6.3 22.5 9.6 C22 13 17 16.4 12.5 21 '
        f'C8 16.4 3 13 2.5 9.6 C2 6.3 4.2 3.5 7.5 3.5 C10.3 3.5 12.5 5.8 12.5 8Z" fill="{SHAPE_FILL}" '
        f'stroke="{INK}" stroke-width="1.4" stroke-linejoin="round"/>'
        f'<path d="M13.5 3.5 H21.5" stroke="{INK}" stroke-width="0.8"/>'
        f'<circle cx="13.2" cy="3.5" r="1.9" fill="{HANDLE}" stroke="{INK}" stroke-width="0.7"/>'
        f'<circle cx="21.8" cy="3.5" r="1.9" fill="{HANDLE}" stroke="{INK}" stroke-width="0.7"/>'
        f'<rect x="15.3" y="1.3" width="4.4" height="4.4" fill="{ANCHOR}" stroke="{INK}" stroke-width="0.7"/>'
    ))


def box():
    return svg(25, 25, (
        f'<rect x="3.5" y="6.5" width="18" height="12" fill="{SHAPE_FILL}" stroke="{INK}" stroke-width="1.5"/>'
    ))


def boxround():
    return svg(25, 25, (
        f'<rect x="3.5" y="6.5" width="18" height="12" rx="4.5" fill="{SHAPE_FILL}" stroke="{INK}" '
        'stroke-width="1.5"/>'
    ))


def circle():
    return svg(25, 25, (
        f'<circle cx="12.5" cy="12.5" r="9" fill="{SHAPE_FILL}" stroke="{INK}" stroke-width="1.5"/>'
    ))


def line():
    return svg(25, 25, (
        f'<path d="M4.5 20.5 L20.5 4.5" stroke="{INK}" stroke-width="2.2" stroke-linecap="round"/>'
        f'<rect x="2" y="18" width="5" height="5" fill="{ANCHOR}" stroke="{INK}" stroke-width="0.8"/>'
        f'<rect x="18" y="2" width="5" height="5" fill="{ANCHOR}" stroke="{INK}" stroke-width="0.8"/>'
    ))


def curve():
    return svg(25, 25, (
        f'<path d="M3.5 19.5 L9.5 3.5 M21.5 5.5 L15.5 21.5" stroke="{INK}" stroke-width="0.7"/>'
        f'<path d="M3.5 19.5 C9.5 3.5 15.5 21.5 21.5 5.5" fill="none" stroke="{INK}" stroke-width="2.2" '
        'stroke-linecap="round"/>'
        f'<circle cx="9.5" cy="3.5" r="1.9" fill="{HANDLE}" stroke="{INK}" stroke-width="0.7"/>'
        f'<circle cx="15.5" cy="21.5" r="1.9" fill="{HANDLE}" stroke="{INK}" stroke-width="0.7"/>'
        f'<rect x="1.3" y="17.3" width="4.4" height="4.4" fill="{ANCHOR}" stroke="{INK}" stroke-width="0.7"/>'
        f'<rect x="19.3" y="3.3" width="4.4" height="4.4" fill="{ANCHOR}" stroke="{INK}" stroke-width="0.7"/>'
    ))


def image():
    return svg(25, 25, (
        f'<rect x="2.5" y="4.5" width="20" height="16" fill="#bfe3fa" stroke="{INK}" stroke-width="1.4"/>'
        '<circle cx="17" cy="9" r="2.3" fill="#fbc02d"/>'
        '<path d="M3.2 19.8 L9 11.5 L13 16 L15.5 13.5 L21.8 19.8Z" fill="#43a047"/>'
        f'<rect x="2.5" y="4.5" width="20" height="16" fill="none" stroke="{INK}" stroke-width="1.4"/>'
    ))


def text():
    return svg(25, 25, (
        f'<path d="M4 3.5 H21 V9 H19.6 C19.3 6.6 18.4 5.8 16.4 5.8 H14.3 V19 C14.3 20.2 14.8 20.6 16.5 20.8 '
        'V22 H8.5 V20.8 C10.2 20.6 10.7 20.2 10.7 19 V5.8 H8.6 C6.6 5.8 5.7 6.6 5.4 9 H4Z" '
        f'fill="{INK}"/>'
    ))


def layer_row(selected):
    if selected:
        area = '<stop offset="0" stop-color="#d7e9fd"/><stop offset="1" stop-color="#a6ccf4"/>'
        accent = f'<rect x="23" y="0" width="2" height="25" fill="{BLUE}"/>'
    else:
        area = '<stop offset="0" stop-color="#eceef0"/><stop offset="1" stop-color="#d3d7db"/>'
        accent = ""
    return svg(150, 25, (
        f'<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">{area}</linearGradient></defs>'
        '<rect x="23" y="0" width="127" height="25" fill="url(#g)"/>'
        f'<rect x="0" y="0" width="22" height="25" fill="{EYE_COLUMN}"/>'
        '<rect x="22" y="0" width="1" height="25" fill="#8f969d"/>'
        f'{accent}'
        '<rect x="0" y="0" width="150" height="1" fill="#f7f8f9"/>'
        '<rect x="0" y="24" width="150" height="1" fill="#7d848b"/>'
    ))


def layer_stack():
    sheet = 'd="M2 0 L10 -3.5 L18 0 L10 3.5Z"'
    return (
        f'<path transform="translate(0 12.5)" {sheet} fill="#90a4ae" stroke="{INK}" stroke-width="0.8"/>'
        f'<path transform="translate(0 9)" {sheet} fill="#cfd8dc" stroke="{INK}" stroke-width="0.8"/>'
        f'<path transform="translate(0 5.5)" {sheet} fill="{SHAPE_FILL}" stroke="{INK}" stroke-width="0.8"/>'
    )


def layer_button(add):
    return svg(20, 20, (
        f'<rect width="20" height="20" fill="{BUTTON_FACE}"/>'
        + layer_stack()
        + badge(14.8, 14.8, GREEN if add else RED, add)
    ))


def layer_eye():
    return svg(16, 10, (
        f'<rect width="16" height="10" fill="{EYE_COLUMN}"/>'
        f'<path d="M1 5 C4 0.6 12 0.6 15 5 C12 9.4 4 9.4 1 5Z" fill="#fff" stroke="{INK}" stroke-width="1.1"/>'
        f'<circle cx="8" cy="5" r="2.6" fill="{BLUE}"/>'
        f'<circle cx="8" cy="5" r="1.2" fill="{INK}"/>'
    ))


def locked():
    # Kept in the top 17 rows: the object list draws it 6 pixels into a 25-pixel row.
    return svg(20, 20, (
        f'<path d="M6.8 8 V5.6 A3.2 3.2 0 0 1 13.2 5.6 V8" fill="none" stroke="{INK}" stroke-width="1.9"/>'
        f'<rect x="4.5" y="7.5" width="11" height="8.5" rx="1.5" fill="#f2b632" stroke="{INK}" stroke-width="1.2"/>'
        f'<circle cx="10" cy="10.8" r="1.3" fill="{INK}"/><rect x="9.4" y="10.8" width="1.2" height="2.8" fill="{INK}"/>'
    ))


def arrow(up):
    body = (
        f'<path d="M10 2.5 L17.5 10.5 H12.7 V17.5 H7.3 V10.5 H2.5Z" fill="{BLUE}" stroke="{INK}" '
        'stroke-width="1.1" stroke-linejoin="round"/>'
    )
    if not up:
        body = f'<g transform="rotate(180 10 10)">{body}</g>'
    return svg(20, 20, body)


def window_icon():
    # The program's own mark: a drawing sheet with a shape's curve, its anchors and a pen.
    return svg(64, 64, (
        '<defs><linearGradient id="s" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#fdfdfd"/><stop offset="1" stop-color="#dfe4e8"/></linearGradient></defs>'
        f'<rect x="4" y="4" width="56" height="56" rx="9" fill="url(#s)" stroke="{INK}" stroke-width="2.5"/>'
        f'<path d="M13 47 C17 20 31 14 39 22 C45 28 45 40 53 36" fill="none" stroke="{BLUE}" stroke-width="4" '
        'stroke-linecap="round"/>'
        f'<path d="M13 47 L21 19" stroke="{INK}" stroke-width="1.2" stroke-dasharray="2 2"/>'
        f'<rect x="10" y="44" width="6" height="6" fill="{ANCHOR}" stroke="{INK}" stroke-width="1"/>'
        f'<rect x="36" y="19" width="6" height="6" fill="{ANCHOR}" stroke="{INK}" stroke-width="1"/>'
        f'<circle cx="21" cy="19" r="3" fill="{HANDLE}" stroke="{INK}" stroke-width="1"/>'
        f'<g transform="rotate(45 50 14)"><rect x="46" y="2" width="8" height="20" rx="1.5" fill="{SHAPE_FILL}" '
        f'stroke="{INK}" stroke-width="1.4"/><path d="M46 22 L50 29 L54 22Z" fill="{INK}"/></g>'
    ))


# File name, drawing, background for JPEG (None for PNG with transparency).
ICONS = [
    ("move.png", move(), None),
    ("rotate.png", rotate(), None),
    ("scale.png", scale(), None),
    ("addpt.png", addpt(), None),
    ("delpt.png", delpt(), None),
    ("select.png", select(), None),
    ("zoom.png", zoom(), None),
    ("pan.png", pan(), None),
    ("shape.png", shape(), None),
    ("box.png", box(), None),
    ("boxround.png", boxround(), None),
    ("circle.png", circle(), None),
    ("line.png", line(), None),
    ("curve.png", curve(), None),
    ("image.png", image(), None),
    ("text.png", text(), None),
    ("layer.jpg", layer_row(False), "#ffffff"),
    ("layerSel.jpg", layer_row(True), "#ffffff"),
    ("layerbtn1.jpg", layer_button(True), BUTTON_FACE),
    ("layerbtn2.jpg", layer_button(False), BUTTON_FACE),
    ("layerEye.jpg", layer_eye(), EYE_COLUMN),
    ("locked.png", locked(), None),
    ("up.png", arrow(True), None),
    ("down.png", arrow(False), None),
    ("drawlet.png", window_icon(), None),
]


def run(args):
    subprocess.run(args, check=True)


def render(name, drawing, background, work):
    source = os.path.join(work, name + ".svg")
    with open(source, "w", encoding="utf-8") as f:
        f.write(drawing)
    target = os.path.join(OUT_DIR, name)
    if background is None:
        run(["rsvg-convert", "-f", "png", "-o", target, source])
        run(["convert", target, "-strip", "PNG32:" + target])
    else:
        flat = os.path.join(work, name + ".png")
        run(["rsvg-convert", "-f", "png", "-o", flat, source])
        run(["convert", flat, "-background", background, "-flatten", "-strip",
             "-sampling-factor", "1x1", "-quality", "95", target])


def preview(sheet, work):
    tiles = []
    for name, _, background in ICONS:
        tile = os.path.join(work, "tile-" + name + ".png")
        run(["convert", os.path.join(OUT_DIR, name), "-background", "#c8c8c8", "-flatten",
             "-filter", "point", "-resize", "400%", tile])
        tiles.append(tile)
    run(["montage", *tiles, "-tile", "8x", "-geometry", "+6+6", "-background", "#888888", sheet])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", metavar="PNG", help="also write a contact sheet of the icons at 4x")
    options = parser.parse_args()
    if not os.path.isdir(OUT_DIR):
        sys.exit(f"run from the repository root: {OUT_DIR} is missing")
    with tempfile.TemporaryDirectory() as work:
        for name, drawing, background in ICONS:
            render(name, drawing, background, work)
        if options.preview:
            preview(options.preview, work)


if __name__ == "__main__":
    main()
