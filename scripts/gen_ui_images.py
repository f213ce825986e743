#!/usr/bin/python3
"""Draws the picture strips of the windows and writes them as 32-bit BMP files with alpha under app/images/:
the file trees' state images (12 x 12 cells, indexes 0-16) and the launcher's seven 42 x 42 buttons, each at
1x and 2x. Pictures are drawn at 4x with ImageMagick (/usr/bin/convert) and scaled down."""
import os
import struct
import subprocess
import sys

CONVERT = "/usr/bin/convert"
BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
KANA = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "images")


def render(size, draw_args, scale):
    """Draws on a transparent canvas of 4 * size and returns RGBA bytes at size * scale."""
    big = size * 4
    target = size * scale
    cmd = [CONVERT, "-size", f"{big}x{big}", "xc:none", *draw_args,
           "-filter", "Box" if scale * 4 == 4 else "Triangle", "-resize", f"{target}x{target}!",
           "-depth", "8", "rgba:-"]
    data = subprocess.run(cmd, check=True, capture_output=True).stdout
    assert len(data) == target * target * 4, (len(data), target)
    return data


def write_strip(path, cells, cell):
    """Cells side by side, bottom-up BGRA rows, BITMAPINFOHEADER with BI_RGB (straight alpha)."""
    width, height = cell * len(cells), cell
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for rgba in cells:
            for x in range(cell):
                r, g, b, a = rgba[(y * cell + x) * 4:(y * cell + x) * 4 + 4]
                row += bytes((b, g, r, a))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 32, 0, len(pixels), 3780, 3780, 0, 0)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 14 + len(header) + len(pixels), 0, 0, 14 + len(header)))
        f.write(header + pixels)


# State images, drawn on a 48 x 48 canvas: a box framed in the colour of its kind; the even index ticks it.
def check_box(frame, fill, ticked):
    args = ["-fill", fill, "-stroke", frame, "-strokewidth", "5", "-draw", "roundrectangle 5,5 42,42 6,6"]
    if ticked:
        args += ["-fill", "none", "-stroke", "#1B1B1B", "-strokewidth", "7",
                 "-draw", "polyline 12,24 20,33 36,13"]
    return args


def warning():
    return ["-fill", "#F9A825", "-stroke", "#8D6E00", "-strokewidth", "3", "-draw", "polygon 24,3 45,43 3,43",
            "-fill", "#1B1B1B", "-stroke", "none", "-draw", "rectangle 21,15 27,31", "-draw", "rectangle 21,35 27,40"]


KINDS = {  # first (unticked) index: frame, fill
    1: ("#2E7D32", "#DCEFDC"),   # installed
    3: ("#1565C0", "#FFFFFF"),   # other character sets
    5: ("#C62828", "#FFF1F1"),   # Japanese (Shift-JIS)
    7: ("#6A1B9A", "#F6EEFA"),   # symbol
    9: ("#E65100", "#FFF0DD"),   # another version installed
}


def state_cells(scale):
    cells = []
    for index in range(17):
        base = index if index % 2 else index - 1
        if base in KINDS:
            frame, fill = KINDS[base]
            args = check_box(frame, fill, index % 2 == 0)
        elif index == 15:   # registered, file unusable
            args = check_box("#616161", "#D6D6D6", False) + [
                "-stroke", "#616161", "-strokewidth", "5", "-draw", "line 14,14 34,34"]
        elif index in (11, 16):  # the file cannot be displayed; a tree view reaches it at 11 (4-bit states)
            args = warning()
        else:               # 0 is never shown; 12-14 are unused
            args = []
        cells.append(render(12, args, scale))
    return cells


# Launcher pictures on a 168 x 168 canvas: a rounded tile in the tool's colour with a white sign.
def tile(colour):
    return ["-fill", colour, "-stroke", "none", "-draw", "roundrectangle 6,6 161,161 30,30",
            "-fill", "#FFFFFF30", "-draw", "roundrectangle 6,6 161,84 30,30"]


def letter(text, font, size, dx=0, dy=0, colour="#FFFFFF"):
    return ["-font", font, "-pointsize", str(size), "-fill", colour, "-stroke", "none",
            "-gravity", "center", "-annotate", f"{dx:+d}{dy:+d}", text, "-gravity", "northwest"]


def badge(colour, sign):
    args = ["-fill", "#FFFFFF", "-stroke", "none", "-draw", "circle 124,124 124,84",
            "-fill", colour, "-draw", "circle 124,124 124,92"]
    ink = ["-fill", "none", "-stroke", "#FFFFFF", "-strokewidth", "11"]
    if sign == "plus":
        args += ink + ["-draw", "line 124,106 124,142", "-draw", "line 106,124 142,124"]
    elif sign == "check":
        args += ink + ["-draw", "polyline 108,124 120,137 141,111"]
    elif sign == "clock":
        args += ink + ["-strokewidth", "8", "-draw", "polyline 124,104 124,126 139,134"]
    return args


def launcher_cells(scale):
    font_sign = letter("A", BOLD, 96, -16, -14)
    pictures = [
        tile("#1E88E5") + font_sign + badge("#1E88E5", "plus"),          # 0 not-installed browser
        tile("#43A047") + font_sign + badge("#2E7D32", "check"),         # 1 installed browser
        tile("#546E7A") + ["-fill", "#FFFFFF", "-stroke", "none",        # 2 registry viewer: a table
                           "-draw", "roundrectangle 34,38 134,130 8,8",
                           "-fill", "#546E7A", "-draw", "rectangle 42,62 126,64",
                           "-draw", "rectangle 42,84 126,86", "-draw", "rectangle 42,106 126,108",
                           "-draw", "rectangle 72,46 74,122",
                           "-fill", "#90A4AE", "-draw", "rectangle 42,46 126,58"],
        tile("#8E24AA") + letter("Ω", BOLD, 104, 0, 4),                  # 3 symbol viewer
        tile("#00897B") + letter("あ", KANA, 100, 0, 2) +                 # 4 Unicode viewer
        ["-fill", "#FFFFFFC0", "-stroke", "none", "-draw", "rectangle 30,136 138,142"],
        tile("#757575") + ["-fill", "#FFFFFF", "-stroke", "none",        # 5 other: a menu
                           "-draw", "circle 46,76 46,64", "-draw", "circle 84,76 84,64",
                           "-draw", "circle 122,76 122,64", "-draw", "polygon 62,106 106,106 84,130"],
        tile("#FB8C00") + font_sign + badge("#EF6C00", "clock"),         # 6 one-time install
    ]
    return [render(42, args, scale) for args in pictures]


def main():
    os.makedirs(OUT, exist_ok=True)
    for scale in (1, 2):
        write_strip(os.path.join(OUT, f"state_images_{12 * scale}.bmp"), state_cells(scale), 12 * scale)
        write_strip(os.path.join(OUT, f"launcher_{42 * scale}.bmp"), launcher_cells(scale), 42 * scale)
    return 0


if __name__ == "__main__":
    sys.exit(main())
