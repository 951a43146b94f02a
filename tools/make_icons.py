#!/usr/bin/python3
"""Build the program's .ico files from the sources in res/icons/src and the designs.

Each pixel-art source is a text file named <picture>_<size>.txt: one character per
pixel, one line per row, using the legend in res/icons/src/README.md. Those images
are written first, as 16 colours (4 bits per pixel) with a 1-bit AND mask. The
larger sizes follow, drawn from the shapes in tools/icon_designs.py and stored as
32-bit PNG.

Needs Debian's python3-pil, hence /usr/bin/python3 rather than any python3 on PATH.

    /usr/bin/python3 tools/make_icons.py                   # write res/icons/*.ico
    /usr/bin/python3 tools/make_icons.py --preview /tmp/p  # also write PNG previews there
"""

import argparse
import io
import os
import struct
import sys
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ICON_DIR = os.path.join(ROOT, "res", "icons")
SRC_DIR = os.path.join(ICON_DIR, "src")

# The classic 16-colour Windows palette, in its usual index order.
PALETTE = [
    ("K", (0x00, 0x00, 0x00)),  # black
    ("r", (0x80, 0x00, 0x00)),  # dark red
    ("g", (0x00, 0x80, 0x00)),  # dark green
    ("y", (0x80, 0x80, 0x00)),  # olive
    ("b", (0x00, 0x00, 0x80)),  # navy
    ("m", (0x80, 0x00, 0x80)),  # purple
    ("c", (0x00, 0x80, 0x80)),  # teal
    ("L", (0xC0, 0xC0, 0xC0)),  # silver
    ("D", (0x80, 0x80, 0x80)),  # grey
    ("R", (0xFF, 0x00, 0x00)),  # red
    ("G", (0x00, 0xFF, 0x00)),  # green
    ("Y", (0xFF, 0xFF, 0x00)),  # yellow
    ("B", (0x00, 0x00, 0xFF)),  # blue
    ("M", (0xFF, 0x00, 0xFF)),  # fuchsia
    ("C", (0x00, 0xFF, 0xFF)),  # aqua
    ("W", (0xFF, 0xFF, 0xFF)),  # white
]
TRANSPARENT = "."
INDEX = {ch: i for i, (ch, _) in enumerate(PALETTE)}

# Output file -> (picture, pixel-art sizes in file order, drawn sizes after them).
# The first image is the one a program gets when it loads an icon at size 0. cd.ico
# deliberately reuses the application picture; as the drive's icon it also needs 256.
ICONS = [
    ("application.ico", "application", [32], [48, 64, 256]),
    ("logo.ico", "logo", [32, 16], [48, 64]),
    ("help_over.ico", "help_over", [24, 32], [48, 64]),
    ("help_normal.ico", "help_normal", [24, 32], [48, 64]),
    ("guidance_bulb.ico", "guidance_bulb", [32], [48, 64]),
    ("dots.ico", "dots", [32], [48, 64]),
    ("cd.ico", "application", [32], [48, 64, 256]),
]
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


class SourceError(Exception):
    pass


def read_source(picture, size):
    """Return rows of palette indices (None = transparent), top row first."""
    path = os.path.join(SRC_DIR, "%s_%d.txt" % (picture, size))
    with open(path, encoding="ascii") as f:
        lines = f.read().splitlines()
    while lines and not lines[-1].strip():
        lines.pop()
    rel = os.path.relpath(path, ROOT)
    if len(lines) != size:
        raise SourceError("%s: %d rows, expected %d" % (rel, len(lines), size))
    rows = []
    for y, line in enumerate(lines, 1):
        if len(line) != size:
            raise SourceError("%s:%d: %d columns, expected %d" % (rel, y, len(line), size))
        row = []
        for x, ch in enumerate(line, 1):
            if ch == TRANSPARENT:
                row.append(None)
            elif ch in INDEX:
                row.append(INDEX[ch])
            else:
                raise SourceError("%s:%d:%d: unknown pixel %r" % (rel, y, x, ch))
        rows.append(row)
    return rows


def pad4(data):
    return data + b"\0" * (-len(data) % 4)


def encode_image(rows):
    """One icon image: BITMAPINFOHEADER, palette, XOR bitmap, AND mask."""
    size = len(rows)
    xor = b""
    mask = b""
    for row in reversed(rows):  # DIBs are stored bottom-up
        # Transparent pixels are black in the XOR bitmap so the mask alone decides.
        idx = [0 if p is None else p for p in row]
        xor += pad4(bytes((idx[i] << 4) | idx[i + 1] for i in range(0, size, 2)))
        bits = bytearray((size + 7) // 8)
        for x, p in enumerate(row):
            if p is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += pad4(bytes(bits))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for _, (r, g, b) in PALETTE)
    return header + palette + xor + mask


def drawn_png(picture, size):
    """The design drawn at `size`, as PNG bytes (32-bit colour with alpha)."""
    import icon_designs  # Pillow is needed only here
    out = io.BytesIO()
    icon_designs.render(picture, size).save(out, "PNG", optimize=True)
    return out.getvalue()


def encode_ico(images, pngs=()):
    """16-colour images from rows of indices, then (size, PNG bytes) pairs."""
    entries = [(len(rows), 16, 4, encode_image(rows)) for rows in images]
    entries += [(size, 0, 32, png) for size, png in pngs]
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, colours, bpp, blob in entries:
        # A side of 256 is written as 0.
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bpp,
                           len(blob), offset)
        offset += len(blob)
    return out + b"".join(blob for _, _, _, blob in entries)


def decode_ico(data):
    """Read an icon back into rows of indices and (size, PNG bytes) pairs, to prove
    the writer's output."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1:
        raise ValueError("not an icon file")
    images = []
    pngs = []
    for n in range(count):
        w, h, colours, _, planes, bpp, length, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * n)
        if data[offset:offset + 8] == PNG_SIGNATURE:
            pw, ph = struct.unpack_from(">II", data, offset + 16)
            if (pw % 256, ph % 256, bpp) != (w, h, 32):
                raise ValueError("entry %d does not match its PNG" % n)
            pngs.append((pw, data[offset:offset + length]))
            continue
        if pngs or (colours, planes, bpp) != (16, 1, 4):
            raise ValueError("entry %d is not a 16-colour image" % n)
        (hsize, bw, bh, bplanes, bbpp) = struct.unpack_from("<IiiHH", data, offset)
        if (hsize, bw, bh, bplanes, bbpp) != (40, w, 2 * h, 1, 4):
            raise ValueError("entry %d has a mismatched bitmap header" % n)
        pos = offset + 40 + 16 * 4
        xor_stride = (w // 2 + 3) // 4 * 4
        and_stride = ((w + 7) // 8 + 3) // 4 * 4
        if pos + h * (xor_stride + and_stride) != offset + length:
            raise ValueError("entry %d has the wrong length" % n)
        rows = []
        for y in range(h):
            xrow = data[pos + y * xor_stride:]
            arow = data[pos + h * xor_stride + y * and_stride:]
            row = []
            for x in range(w):
                if arow[x // 8] & (0x80 >> (x % 8)):
                    row.append(None)
                else:
                    row.append((xrow[x // 2] >> (4 if x % 2 == 0 else 0)) & 15)
            rows.append(row)
        images.append(list(reversed(rows)))
    return images, pngs


def png_bytes(rows, scale):
    def chunk(tag, body):
        return (struct.pack(">I", len(body)) + tag + body
                + struct.pack(">I", zlib.crc32(tag + body) & 0xFFFFFFFF))

    size = len(rows) * scale
    raw = b""
    for row in rows:
        line = b"\0"  # filter type: none
        for p in row:
            rgba = (0, 0, 0, 0) if p is None else PALETTE[p][1] + (255,)
            line += bytes(rgba) * scale
        raw += line * scale
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def write_contact_sheet(drawn, path):
    """Every drawn image at its own size on light and dark ground, then at 4x."""
    from PIL import Image
    pictures = sorted({p for p, _ in drawn})
    sizes = sorted({s for _, s in drawn})
    col = [0]
    for s in sizes:  # each size: light, dark, then 4x light
        col.append(col[-1] + 2 * (s + 8) + 4 * min(s, 64) + 8)
    rows = [max(4 * 64, max(s for p2, s in drawn if p2 == p)) + 8 for p in pictures]
    sheet = Image.new("RGBA", (col[-1], sum(rows)), (255, 255, 255, 255))
    y = 0
    for p, h in zip(pictures, rows):
        for i, s in enumerate(sizes):
            if (p, s) not in drawn:
                continue
            image = Image.open(io.BytesIO(drawn[(p, s)])).convert("RGBA")
            x = col[i]
            sheet.paste((48, 48, 64, 255), (x + s + 8, y, x + 2 * s + 16, y + s + 8))
            sheet.alpha_composite(image, (x + 4, y + 4))
            sheet.alpha_composite(image, (x + s + 12, y + 4))
            if s <= 64:
                sheet.alpha_composite(image.resize((4 * s, 4 * s), Image.NEAREST),
                                      (x + 2 * s + 16, y + 4))
        y += h
    sheet.save(path)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", metavar="DIR",
                        help="also write PNG previews (1x and enlarged) into DIR")
    parser.add_argument("--scale", type=int, default=8,
                        help="enlargement of the previews (default 8)")
    args = parser.parse_args(argv)

    try:
        drawn = {}
        for filename, picture, sizes, drawn_sizes in ICONS:
            images = [read_source(picture, s) for s in sizes]
            pngs = [(s, drawn.get((picture, s)) or drawn_png(picture, s)) for s in drawn_sizes]
            drawn.update(((picture, s), png) for s, png in pngs)
            data = encode_ico(images, pngs)
            path = os.path.join(ICON_DIR, filename)
            with open(path, "wb") as f:
                f.write(data)
            if decode_ico(data) != (images, pngs):
                raise SourceError("%s does not read back as written" % filename)
            print("wrote %s (%s; drawn %s)" % (
                os.path.relpath(path, ROOT), ", ".join("%dx%d" % (s, s) for s in sizes),
                ", ".join("%dx%d %.1f KB" % (s, s, len(p) / 1024) for s, p in pngs)))
            if args.preview:
                os.makedirs(args.preview, exist_ok=True)
                for s, rows in zip(sizes, images):
                    base = os.path.join(args.preview, "%s_%d" % (picture, s))
                    with open(base + ".png", "wb") as f:
                        f.write(png_bytes(rows, 1))
                    with open(base + "_x%d.png" % args.scale, "wb") as f:
                        f.write(png_bytes(rows, args.scale))
                for s, png in pngs:
                    with open(os.path.join(args.preview, "%s_%d.png" % (picture, s)), "wb") as f:
                        f.write(png)
        if args.preview:
            write_contact_sheet(drawn, os.path.join(args.preview, "drawn.png"))
    except (OSError, SourceError) as e:
        print("make_icons: %s" % e, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
