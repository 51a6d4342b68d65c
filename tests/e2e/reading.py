"""Reading the bar's texts and gauges off a screenshot, as a user would.

Texts are read with OCR. Tesseract reads the 13-pixel bold digits reliably
once they are scaled up and turned into black and white; a few scales are
tried, and a reading counts only when it equals what the caller expects, so a
misreading can fail a test but never pass one. That holds only while
tesseract may read every digit: told to read only some characters, it turns
any other glyph into the nearest of them.

Text drawn larger on a scaled screen reads best as it is: its crop is read
first untouched (tesseract's own binarisation), then at the scales above
divided by the text's scale, none below 100 %; the largest scales only add
noise there.

Some captions set their glyphs one blank column apart ("2.599"), which makes
tesseract drop or merge the small ones; the spaced readings widen every gap
between glyphs to a few columns first and then read the caption as a single
word. A value whose text the caller cannot know in advance (the clock
frequency) counts only when several such readings agree and none disagrees.

Gauges are read from their pixels: the filled part is silver, the rest white,
and the percentage written over them inverts every pixel it covers.
"""
import collections
import re
import subprocess
from pathlib import Path
from typing import Optional

SCALES = (500, 400, 600, 300, 800, 700, 900)
DIGITS = "0123456789"
# (widened gap in pixels, scale, tesseract page segmentation mode)
SPACED = ((2, "500%", 8), (3, "500%", 8), (2, "600%x400%", 8), (3, "600%x400%", 8), (2, "800%x400%", 8),
          (3, "800%x400%", 8))
INK_BELOW = 128  # grey level: the captions are black or green on a light picture


def _tesseract(png: Path, allowed: str, psm: int) -> str:
    """One reading; `allowed` limits the characters tesseract may read (empty: any)."""
    options = ["-c", f"tessedit_char_whitelist={allowed}"] if allowed else []
    return subprocess.run(["tesseract", str(png), "-", "--psm", str(psm), *options],
                          capture_output=True, text=True).stdout.strip()


def _scaled_readings(shot_path: str, rect, allowed: str, tmp: str, psm: int = 7, text_scale: float = 1):
    x, y, w, h = rect
    crop = ["convert", shot_path, "-crop", f"{w}x{h}+{x}+{y}", "+repage"]
    scales = SCALES
    if text_scale != 1:
        png = Path(tmp) / f"ocr-{x}-{y}-raw.png"
        subprocess.run([*crop, str(png)], check=True)
        yield _tesseract(png, allowed, psm)
        scales = dict.fromkeys(max(100, round(scale / text_scale)) for scale in SCALES)
    for scale in scales:
        png = Path(tmp) / f"ocr-{x}-{y}-{scale}.png"
        subprocess.run([*crop, "-scale", f"{scale}%", "-colorspace", "gray", "-threshold", "50%", "-bordercolor",
                        "white", "-border", "30", str(png)], check=True)
        yield _tesseract(png, allowed, psm)


def _ink(shot_path: str, rect) -> list:
    """Rows of booleans: which pixels of the rectangle are darker than INK_BELOW."""
    x, y, w, h = rect
    pgm = subprocess.run(["convert", shot_path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-colorspace", "gray",
                          "-depth", "8", "pgm:-"], check=True, capture_output=True).stdout
    m = re.match(rb"P5\s+(\d+)\s+(\d+)\s+255\s", pgm)
    if not m or (int(m.group(1)), int(m.group(2))) != (w, h):
        raise ValueError(f"unexpected grey image of {rect} from {shot_path}")
    data = pgm[m.end():]
    return [[data[r * w + c] < INK_BELOW for c in range(w)] for r in range(h)]


def _spaced(ink: list, gap: int) -> Optional[bytes]:
    """A plain PBM of the ink with every blank run between glyphs at least `gap` wide; None without ink."""
    width = len(ink[0])
    columns = []  # source column, or None for an added blank one
    blank = 0
    for c in range(width):
        if any(row[c] for row in ink):
            if columns and blank:
                columns += [None] * max(blank, gap)
            blank = 0
            columns.append(c)
        elif columns:
            blank += 1
    if not columns:
        return None
    rows = [" ".join("1" if c is not None and row[c] else "0" for c in columns) for row in ink]
    return f"P1\n{len(columns)} {len(ink)}\n".encode() + "\n".join(rows).encode() + b"\n"


def _spaced_readings(shot_path: str, rect, allowed: str, tmp: str):
    ink = _ink(shot_path, rect)
    x, y = rect[:2]
    for gap, scale, psm in SPACED:
        pbm = _spaced(ink, gap)
        if pbm is None:
            return
        png = Path(tmp) / f"ocr-{x}-{y}-spaced.png"
        subprocess.run(["convert", "pbm:-", "-scale", scale, "-bordercolor", "white", "-border", "20x20", str(png)],
                       input=pbm, check=True)
        yield _tesseract(png, allowed, psm)


def read_text(shot_path: str, rect, allowed: str, tmp: str, psm: int = 7, text_scale: float = 1) -> list:
    """Every distinct reading of the rectangle (x, y, w, h) of a screenshot;
    psm 7 reads one line, 6 a block of lines. text_scale: how many times the
    bar's 13 pixels the text is drawn."""
    readings = []
    for out in _scaled_readings(shot_path, rect, allowed, tmp, psm, text_scale):
        if out and out not in readings:
            readings.append(out)
    return readings


def shows(shot_path: str, rect, expected: str, tmp: str, spaced: bool = True, text_scale: float = 1) -> bool:
    """True when some reading of the rectangle is exactly `expected`. The
    spaced readings, tried last, take about a second; spaced=False leaves them
    out where a quick answer matters more. Every digit stays allowed: with
    only the expected ones, a 6 on the screen reads as the 5 of "24105 MB"."""
    allowed = "".join(sorted(set(expected) | set(DIGITS)))
    if any(out == expected for out in _scaled_readings(shot_path, rect, allowed, tmp, text_scale=text_scale)):
        return True
    return spaced and any(out == expected for out in _spaced_readings(shot_path, rect, allowed, tmp))


def read_value(shot_path: str, rect, allowed: str, pattern: str, tmp: str, agreeing: int = 3) -> Optional[str]:
    """The caption in the rectangle when at least `agreeing` spaced readings
    give the same text matching `pattern` (a full match) and no reading gives
    another text matching it; else None."""
    found = collections.Counter(out for out in _spaced_readings(shot_path, rect, allowed, tmp)
                                if re.fullmatch(pattern, out))
    if len(found) != 1:
        return None
    text, count = found.most_common(1)[0]
    return text if count >= agreeing else None


SILVER, SILVER_INVERTED = (192, 192, 192), (63, 63, 63)
WHITE, BLACK = (255, 255, 255), (0, 0, 0)


def gauge_filled_columns(shot, rect) -> Optional[int]:
    """How many columns of the gauge at rect (x, y, w, h) are filled, or None
    when the pixels are not a gauge: a black frame around columns that are
    silver (or its inverse, under the text) from the left, then white (or
    black under the text)."""
    x, y, w, h = rect
    data = shot.region(rect)
    px = lambda cx, cy: tuple(data[(cy * w + cx) * 3:(cy * w + cx) * 3 + 3])  # noqa: E731
    frame = [(cx, 0) for cx in range(w)] + [(cx, h - 1) for cx in range(w)]
    frame += [(0, cy) for cy in range(h)] + [(w - 1, cy) for cy in range(h)]
    if any(px(cx, cy) != BLACK for cx, cy in frame):
        return None
    filled = 0
    emptied = False
    for cx in range(1, w - 1):
        column = {px(cx, cy) for cy in range(1, h - 1)}
        if column <= {SILVER, SILVER_INVERTED} and not emptied:
            filled += 1
        elif column <= {WHITE, BLACK}:
            emptied = True
        else:
            return None
    return filled


def gauge_percent(shot, rect) -> Optional[int]:
    """The percentage a gauge shows, from its filled columns: the fill ends
    before column e = (w - 1) x percent / 100, so e - 1 columns are filled.
    0 stands for 0 or 1 %, which look the same. None when no percentage
    gives that many columns."""
    filled = gauge_filled_columns(shot, rect)
    if filled is None:
        return None
    extent = rect[2] - 1
    for percent in range(101):
        if max(extent * percent // 100 - 1, 0) == filled:
            return percent
    return None
