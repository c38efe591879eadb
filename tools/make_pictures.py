#!/usr/bin/python3
"""Draws Vantoril's pictures: the banner (grass seed heads before a blurred
background, 1005 x 260, JPEG) and the window icon (128, 96, 64, 48 and 32
pixels square at 32 bits per pixel). Deterministic: the same files each run.

    /usr/bin/python3 tools/make_pictures.py [output-dir]   (default: res/)
"""
import io
import math
import random
import struct
import sys
from pathlib import Path

from PIL import Image, ImageDraw, ImageFilter


def banner(width=1005, height=260):
    rnd = random.Random(20261211)
    # Background: a warm evening field, far out of focus.
    bg = Image.new("RGB", (width, height))
    px = bg.load()
    for y in range(height):
        t = y / (height - 1)
        top, bottom = (176, 196, 150), (74, 104, 52)
        row = tuple(int(a + (b - a) * t) for a, b in zip(top, bottom))
        for x in range(width):
            px[x, y] = row
    blobs = ImageDraw.Draw(bg, "RGBA")
    for _ in range(70):
        r = rnd.randint(25, 90)
        x, y = rnd.randint(-40, width + 40), rnd.randint(-40, height + 40)
        tone = rnd.choice([(226, 214, 140), (120, 150, 70), (90, 120, 60), (200, 220, 170), (240, 230, 190)])
        blobs.ellipse((x - r, y - r, x + r, y + r), fill=tone + (rnd.randint(40, 110),))
    bg = bg.filter(ImageFilter.GaussianBlur(28))

    # Foreground: stems that bend a little, each with a head of seeds and awns.
    fg = Image.new("RGBA", (width * 2, height * 2), (0, 0, 0, 0))
    d = ImageDraw.Draw(fg)
    s = 2  # drawn at twice the size, then reduced for smooth edges
    for i in range(26):
        base_x = (i + rnd.random()) * width / 26
        top_y = rnd.uniform(25, 120)
        lean = rnd.uniform(-60, 60)
        points = []
        for k in range(21):
            t = k / 20
            x = base_x + lean * t * t
            y = height + 10 - (height + 10 - top_y) * t
            points.append((x * s, y * s))
        stem = (rnd.randint(150, 190), rnd.randint(150, 175), rnd.randint(90, 120), 255)
        d.line(points, fill=stem, width=int(2.2 * s))
        # The head: seeds along the last quarter of the stem.
        hx, hy = points[-1]
        angle = math.atan2(points[-1][1] - points[-4][1], points[-1][0] - points[-4][0])
        for j in range(18):
            t = j / 17
            cx = hx - math.cos(angle) * t * 46 * s
            cy = hy - math.sin(angle) * t * 46 * s
            side = 1 if j % 2 else -1
            spread = (1 - t) * 5 + 3
            sx = cx + math.cos(angle + side * 1.2) * spread * s
            sy = cy + math.sin(angle + side * 1.2) * spread * s
            seed = (rnd.randint(200, 235), rnd.randint(185, 210), rnd.randint(120, 150), 255)
            d.ellipse((sx - 2.6 * s, sy - 4.2 * s, sx + 2.6 * s, sy + 4.2 * s), fill=seed)
            ax = sx + math.cos(angle + side * 0.5) * 16 * s
            ay = sy + math.sin(angle + side * 0.5) * 16 * s
            d.line([(sx, sy), (ax, ay)], fill=(236, 226, 180, 170), width=1)
    fg = fg.resize((width, height), Image.LANCZOS).filter(ImageFilter.GaussianBlur(0.4))
    bg.paste(fg, (0, 0), fg)
    return bg


def icon_master(size=256):
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    m = size // 16
    d.rounded_rectangle((m, m, size - m, size - m), radius=size // 6, fill=(52, 110, 180, 255),
                        outline=(123, 158, 189, 255), width=max(2, size // 40))
    # A tray with an arrow dropping into it: files going in.
    w = size // 14
    d.line([(size * 0.3, size * 0.62), (size * 0.3, size * 0.76), (size * 0.7, size * 0.76),
            (size * 0.7, size * 0.62)], fill=(255, 255, 255, 255), width=w, joint="curve")
    d.line([(size * 0.5, size * 0.2), (size * 0.5, size * 0.56)], fill=(255, 255, 255, 255), width=w)
    d.polygon([(size * 0.33, size * 0.46), (size * 0.67, size * 0.46), (size * 0.5, size * 0.66)],
              fill=(255, 255, 255, 255))
    return img


def ico_bytes(master, sizes=(128, 96, 64, 48, 32)):
    """An .ico with one 32-bit DIB image per size (BGRA rows bottom-up, then
    the AND mask), which every Windows version reads."""
    images = []
    for n in sizes:
        img = master.resize((n, n), Image.LANCZOS)
        header = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        rows = bytearray()
        for y in range(n - 1, -1, -1):
            for x in range(n):
                r, g, b, a = img.getpixel((x, y))
                rows += bytes((b, g, r, a))
        mask_stride = ((n + 31) // 32) * 4
        mask = bytearray()
        for y in range(n - 1, -1, -1):
            line = bytearray(mask_stride)
            for x in range(n):
                if img.getpixel((x, y))[3] == 0:
                    line[x // 8] |= 0x80 >> (x % 8)
            mask += line
        images.append((n, header + bytes(rows) + bytes(mask)))
    out = io.BytesIO()
    out.write(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for n, data in images:
        out.write(struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(data), offset))
        offset += len(data)
    for _, data in images:
        out.write(data)
    return out.getvalue()


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "res")
    out.mkdir(parents=True, exist_ok=True)
    banner().save(out / "banner.jpg", "JPEG", quality=88, optimize=True)
    (out / "vantoril.ico").write_bytes(ico_bytes(icon_master()))


if __name__ == "__main__":
    main()
