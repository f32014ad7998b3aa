#!/usr/bin/env python3
"""Rewrites 8-bit RGB or RGBA PNG files, pixels unchanged, as unfiltered
rows in stored (uncompressed) deflate blocks.

The pictures the program decodes while it starts (the tile sheets and the
background patterns) are kept this way: decoding them is then little more
than a copy, and the resource compiler's own compression keeps the program
no larger than with ordinary PNG files.

    tools/png_stored.py FILE.png...
"""
import struct
import sys
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"


def chunks(data):
    at = len(SIGNATURE)
    while at < len(data):
        (size,) = struct.unpack(">I", data[at:at + 4])
        yield data[at + 4:at + 8], data[at + 8:at + 8 + size]
        at += 12 + size


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def decode_rows(data):
    """The IHDR chunk and the unfiltered rows of a non-interlaced 8-bit RGB(A) PNG."""
    if not data.startswith(SIGNATURE):
        raise ValueError("not a PNG file")
    header, compressed = None, b""
    for kind, body in chunks(data):
        if kind == b"IHDR":
            header = body
        elif kind == b"IDAT":
            compressed += body
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", header)
    if depth != 8 or colour not in (2, 6) or interlace != 0:
        raise ValueError("only 8-bit RGB or RGBA, not interlaced")
    pixel = 3 if colour == 2 else 4
    stride = width * pixel
    raw = zlib.decompress(compressed)
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for x in range(stride):
            a = line[x - pixel] if x >= pixel else 0
            b = previous[x]
            c = previous[x - pixel] if x >= pixel else 0
            if kind == 1:
                line[x] = (line[x] + a) & 255
            elif kind == 2:
                line[x] = (line[x] + b) & 255
            elif kind == 3:
                line[x] = (line[x] + ((a + b) >> 1)) & 255
            elif kind == 4:
                line[x] = (line[x] + paeth(a, b, c)) & 255
            elif kind != 0:
                raise ValueError("unknown row filter %d" % kind)
        rows.append(bytes(line))
        previous = line
    return header, rows


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def stored_png(original, rows):
    """The file with its image data replaced; every other chunk kept in place."""
    data = b"".join(b"\x00" + row for row in rows)
    out, written = [SIGNATURE], False
    for kind, body in chunks(original):
        if kind != b"IDAT":
            out.append(chunk(kind, body))
        elif not written:
            out.append(chunk(b"IDAT", zlib.compress(data, 0)))
            written = True
    return b"".join(out)


def main(paths):
    for path in paths:
        with open(path, "rb") as f:
            original = f.read()
        rows = decode_rows(original)[1]
        rewritten = stored_png(original, rows)
        if decode_rows(rewritten)[1] != rows:
            raise SystemExit("%s: the pixels changed" % path)
        if rewritten != original:
            with open(path, "wb") as f:
                f.write(rewritten)
        print("%s: %d -> %d bytes" % (path, len(original), len(rewritten)))


if __name__ == "__main__":
    main(sys.argv[1:])
