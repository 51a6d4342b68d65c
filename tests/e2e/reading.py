"""Reading the bar's texts off a screenshot, as a user would, with OCR.

Tesseract reads the 13-pixel bold digits reliably once they are scaled up and
turned into black and white; a few scales are tried, and a reading counts only
when it equals what the caller expects, so a misreading can fail a test but
never pass one.
"""
import subprocess
from pathlib import Path

SCALES = (500, 400, 600, 300, 800, 700, 900)


def read_text(shot_path: str, rect, allowed: str, tmp: str, psm: int = 7, stop_at: str = None) -> list:
    """Every distinct reading of the rectangle (x, y, w, h) of a screenshot.

    `allowed` limits the characters tesseract may read (empty: any); psm 7 reads
    one line, 6 a block of lines."""
    x, y, w, h = rect
    readings = []
    for scale in SCALES:
        png = Path(tmp) / f"ocr-{x}-{y}-{scale}.png"
        subprocess.run(["convert", shot_path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-scale", f"{scale}%",
                        "-colorspace", "gray", "-threshold", "50%", "-bordercolor", "white", "-border", "30",
                        str(png)], check=True)
        options = ["-c", f"tessedit_char_whitelist={allowed}"] if allowed else []
        out = subprocess.run(["tesseract", str(png), "-", "--psm", str(psm), *options],
                             capture_output=True, text=True).stdout.strip()
        if out and out not in readings:
            readings.append(out)
        if stop_at is not None and out == stop_at:
            break
    return readings


def shows(shot_path: str, rect, expected: str, tmp: str) -> bool:
    allowed = "".join(sorted(set(expected)))
    return expected in read_text(shot_path, rect, allowed, tmp, stop_at=expected)
