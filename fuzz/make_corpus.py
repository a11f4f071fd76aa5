#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<reader>/.

Each reader gets small valid files, laid out as the program writes them, and the hostile
inputs it must refuse or survive. Running it again rewrites these files and leaves every other
file alone, so the crash inputs kept beside them (named crash-*) stay.
"""

import math
import os
import random
import struct
from pathlib import Path

CORPUS = Path(__file__).resolve().parent / "corpus"


def write(reader, name, data):
    folder = CORPUS / reader
    folder.mkdir(parents=True, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("latin-1")
    (folder / name).write_bytes(data)


def u16(v):
    return struct.pack("<H", v & 0xFFFF)


def i16(v):
    return struct.pack("<h", v)


def u32(v):
    return struct.pack("<I", v & 0xFFFFFFFF)


def i32(v):
    return struct.pack("<i", v)


def f32(v):
    return struct.pack("<f", v)


def f64(v):
    return struct.pack("<d", v)


# ---- Project files ----------------------------------------------------------------------


def archive_text(text):
    """A length prefix of one byte, 0xFF and 16 bits, or 0xFF 0xFFFF and 32 bits."""
    data = text.encode("latin-1") if isinstance(text, str) else text
    n = len(data)
    if n < 255:
        return bytes([n]) + data
    if n <= 65533:
        return b"\xff" + u16(n) + data
    return b"\xff\xff\xff" + u32(n) + data


def format_record(version, code=-1, asm=None, c_options=("", "float")):
    asm = asm or dict(name="", final="", graph=1, initial="   .text", length=1, ratio=0,
                      ratio_text="", data_format=0, show_float=1, show_other=1)
    out = i16(0) + i16(0) + i16(code)
    if version >= 4:
        out += archive_text(asm["name"]) + archive_text(asm["final"]) + i32(asm["graph"])
        out += archive_text(asm["initial"]) + i32(asm["length"]) + i32(asm["ratio"])
        out += archive_text(asm["ratio_text"]) + i32(asm["data_format"])
        out += i32(asm["show_float"]) + i32(asm["show_other"])
    if version >= 5:
        out += archive_text(c_options[0]) + archive_text(c_options[1])
    return out


def project(version=5, name="", columns=((), ()), column_count=None, filter_code=-1,
            asm=None, c_options=("", "float"), is_real=1, units="Hz,sec", window=-1,
            capacity=32, bands=(), band_count=None, taps=0, range_last=0, points=0,
            name_bytes=None, grid=16):
    out = u16(version)
    out += name_bytes if name_bytes is not None else archive_text(name)
    out += u32(len(columns) if column_count is None else column_count)
    for column in columns:
        out += u32(len(column)) + b"".join(f64(v) for v in column)
    out += format_record(version, filter_code, asm, c_options)
    out += archive_text("") + i32(0)  # base path, open-error message flag
    out += i32(1) + i32(is_real) + f64(1.0) + f64(0.5) + f64(1.0) + i16(window)
    out += i32(0) + i32(range_last) + i32(points) + i32(points // 2)
    out += archive_text(units)
    out += i32(1) + i32(grid) + i32(taps) + i32(capacity)
    out += i32(len(bands) if band_count is None else band_count)
    for band in bands:
        out += b"".join(f64(v) for v in band)
    out += i32(0) + i32(1) + f64(-110.0) + i32(1 if taps else 0)
    out += i32(256) + f32(4.0)  # sine
    out += i32(0) + f32(0.0) + f32(0.0) + f32(0.0) + i32(0) + f32(0.0)  # mix
    out += f64(0.0) + i32(0) + f64(0.0) + i32(1)  # scale
    out += i32(0) + f64(0.0) + i32(1)  # fill
    if version >= 4:
        out += archive_text("/data/in.txt") + archive_text("")
        out += format_record(version) + format_record(version)
    out += i16(0) + f32(4.0) + i32(1) + f64(10.0) + i32(16)
    if version == 3:
        out += f32(0.0)
    return out


def window(kind, hint, frame=(0, 0, 0, 0), state=0, fmt=""):
    # One window of the version 7 windows record: kind, hint, frame, no zoom, state, format.
    out = i32(kind) + u32(hint) + b"".join(i32(v) for v in frame) + i32(0) + f64(0.0) * 4
    return out + i32(state) + archive_text(fmt)


def lowpass_taps(n):
    middle = (n - 1) / 2
    taps = []
    for i in range(n):
        x = i - middle
        sinc = 0.5 if x == 0 else math.sin(0.5 * math.pi * x) / (math.pi * x)
        taps.append(sinc * (0.54 - 0.46 * math.cos(2 * math.pi * i / (n - 1))))
    return taps


def project_corpus():
    r = "project"
    new = project()
    designed = project(name="FIR Frequency Response", columns=(lowpass_taps(31), [0.0] * 31),
                       filter_code=4, taps=31, range_last=30, points=31,
                       bands=((0.0, 0.2, 1.0, 1.0), (0.3, 0.5, 0.0, 10.0)))
    write(r, "valid-new-v5", new)
    write(r, "valid-designed-v5", designed)
    write(r, "valid-v3", project(version=3, bands=((0.0, 0.25, 1.0, 1.0),)))
    write(r, "valid-v4", project(version=4, columns=([0.5, -0.5], [0.25, 0.0])))
    write(r, "valid-complex-ti-asm", project(
        columns=([0.5, -0.25, 0.125], [0.1, 0.2, -0.3]), is_real=0, filter_code=11,
        asm=dict(name="lp", final="  .end", graph=1, initial="  .data", length=1, ratio=1,
                 ratio_text="2", data_format=1, show_float=1, show_other=1),
        points=3, range_last=2))
    write(r, "valid-c-source", project(columns=([0.5, -0.25], [0.0, 0.0]), filter_code=7,
                                       c_options=("coeffs", "double"), points=2, range_last=1))
    write(r, "valid-name-254", project(name="n" * 254))
    write(r, "valid-name-255", project(name="n" * 255))
    write(r, "valid-unknown-units", project(units="furlongs"))
    write(r, "valid-nan-and-infinity-samples",
          project(columns=([math.nan, math.inf, -math.inf, -0.0], [5e-324, 0.0, 1e308, 0.0])))
    write(r, "valid-trailing-bytes", new + b"\x00" * 7)
    write(r, "valid-window-applied", project(window=3))
    # 99 stays a newer version whatever this program writes; 256 and above cannot exist.
    for version in (6, 99, 256, 65535):
        write(r, f"hostile-version-{version}", project(version=version))
    # The editor maximised, a minimised coefficient editor, and one in a format no one knows.
    with_windows = project(version=7, columns=([0.5, -0.5], [0.0, 0.0]), points=2,
                           range_last=1) + u32(3) + window(0, 4, (10, 10, 400, 300), 1)
    with_windows += window(4, 0x311, (20, 20, 300, 200), 2, "Text:Hex")
    with_windows += window(4, 0x311, (0, 0, 100, 100), 0, "Text:Nonesuch")
    write(r, "valid-v7-windows", with_windows)
    write(r, "valid-v7-windows-cut-in-format-name", with_windows[:-3])
    write(r, "valid-v7-window-count-beyond-end", project(version=7) + u32(0xFFFFFFFF))
    write(r, "hostile-random-bytes", random.Random(1234).randbytes(600))
    write(r, "hostile-random-bytes-after-version-7",
          u16(7) + random.Random(4321).randbytes(600))
    write(r, "valid-taps-20000", project(taps=20000))
    lowpass = ((0.0, 0.2, 1.0, 1.0), (0.3, 0.5, 0.0, 10.0))
    for grid in (0, -5, 1025, 0x7FFFFFFF):
        write(r, f"hostile-grid-{grid}", project(grid=grid, bands=lowpass))
    write(r, "hostile-band-edge-nan", project(bands=((0.0, math.nan, 1.0, 1.0), lowpass[1])))
    write(r, "hostile-band-weight-0", project(bands=(lowpass[0], (0.3, 0.5, 0.0, 0.0))))
    write(r, "hostile-band-weight-negative", project(bands=((0.0, 0.2, 1.0, -1.0), lowpass[1])))
    write(r, "hostile-band-edges-out-of-order",
          project(bands=(lowpass[0], (0.5, 0.3, 0.0, 10.0))))
    write(r, "hostile-bands-out-of-order", project(bands=(lowpass[1], lowpass[0])))
    for version in (0, 2):
        write(r, f"hostile-version-{version}", project(version=version))
    for count in (0, 1):
        write(r, f"hostile-columns-{count}", project(columns=((),) * count))
    write(r, "hostile-columns-3", project(columns=((0.5,), (0.25,), (0.125,))))
    write(r, "hostile-columns-4294967295", project(column_count=0xFFFFFFFF))
    samples_beyond = project()[:3] + u32(2) + u32(0x7FFFFFFF) + f64(0.5) * 2
    write(r, "hostile-samples-beyond-end", samples_beyond)
    write(r, "hostile-samples-4294967295", project()[:3] + u32(2) + u32(0xFFFFFFFF) + f64(0.5))
    write(r, "hostile-name-32bit-length-beyond-end",
          project(name_bytes=b"\xff\xff\xff" + u32(0xFFFFFFF0) + b"abc"))
    write(r, "hostile-name-16bit-length-beyond-end",
          project(name_bytes=b"\xff" + u16(0x1000) + b"abc"))
    write(r, "hostile-name-wide-text", project(name_bytes=b"\xff\xfe\xff\x03abc"))
    write(r, "hostile-band-count-above-capacity",
          project(capacity=2, bands=((0, 0.1, 1, 1), (0.2, 0.3, 0, 1), (0.4, 0.5, 1, 1))))
    write(r, "hostile-band-capacity-2147483647", project(capacity=0x7FFFFFFF))
    write(r, "hostile-band-capacity-negative", project(capacity=-1))
    write(r, "hostile-band-count-negative", project(band_count=-5))
    write(r, "hostile-band-count-beyond-end", project(band_count=1000))
    write(r, "hostile-empty", b"")
    for cut in (1, 2, 3, 7, len(new) // 2, len(new) - 1):
        write(r, f"hostile-cut-at-{cut}", new[:cut])
    write(r, "hostile-designed-cut-inside-samples", designed[:60])


# ---- WAVE files -------------------------------------------------------------------------


def wave(channels=1, rate=22050, bits=8, samples=b"", fmt_length=18, tag=1, extra=0,
         block_align=None, data_length=None, before_data=b"", riff_length=None,
         fmt_chunk=None):
    width = max(bits // 8, 0)
    align = channels * width if block_align is None else block_align
    fields = u16(tag) + u16(channels) + u32(rate) + u32(rate * channels * width) + u16(align)
    fields += u16(bits) + u16(extra)
    fmt = fmt_chunk if fmt_chunk is not None else fields[:fmt_length].ljust(fmt_length, b"\0")
    data_len = len(samples) if data_length is None else data_length
    body = b"WAVEfmt " + u32(fmt_length) + fmt + before_data + b"data" + u32(data_len) + samples
    riff = len(body) if riff_length is None else riff_length
    return b"RIFF" + u32(riff) + body


def wave_corpus():
    r = "wave"
    write(r, "valid-8bit-mono-three-points", wave(samples=bytes([0x80, 0xC0, 0x40])))
    write(r, "valid-16bit-mono", wave(bits=16, samples=u16(0) + u16(0x4000) + u16(0xC001)))
    write(r, "valid-16bit-stereo", wave(channels=2, bits=16, rate=44100,
                                        samples=u16(0x4000) + u16(0xC000) + u16(1) + u16(0xFFFF)))
    write(r, "valid-8bit-three-channels", wave(channels=3, samples=bytes(range(0x70, 0x79))))
    write(r, "valid-8000hz", wave(rate=8000, samples=bytes([0x90, 0x70])))
    write(r, "valid-list-chunk-before-data",
          wave(bits=16, before_data=b"LIST" + u32(4) + b"INFO", samples=u16(0x1234)))
    write(r, "valid-fact-chunk-odd-length",
          wave(before_data=b"fact" + u32(3) + b"\x01\x02\x03", samples=b"\x81"))
    write(r, "valid-format-chunk-of-16", wave(fmt_length=16, bits=16, samples=u16(0x7FFF)))
    write(r, "valid-declared-shorter-than-data", wave(samples=b"\x80" * 8, data_length=3))
    write(r, "valid-frame-cut-at-end", wave(channels=2, bits=16, samples=u16(1) * 3))
    write(r, "hostile-channels-0", wave(channels=0, samples=b"\x80" * 4))
    write(r, "hostile-block-align-0", wave(block_align=0, samples=b"\x80" * 4))
    for bits in (0, 12, 24, 32):
        write(r, f"hostile-bits-{bits}", wave(bits=bits, samples=b"\x80" * 12))
    four_gib = wave(samples=b"\x80" * 54, data_length=0xFFFFFFFF)
    assert len(four_gib) == 100
    write(r, "hostile-data-claims-4gib-in-100-bytes", four_gib)
    write(r, "hostile-chunk-length-ffffffff",
          wave(before_data=b"LIST" + u32(0xFFFFFFFF) + b"junk", samples=b"\x80"))
    write(r, "hostile-chunk-length-ffffffff-at-end", wave()[:38] + b"LIST" + u32(0xFFFFFFFF))
    write(r, "hostile-format-chunk-length-0", wave(fmt_length=0, samples=b"\x80"))
    write(r, "hostile-format-chunk-length-20", wave(fmt_length=20, samples=b"\x80"))
    write(r, "hostile-format-chunk-longer-than-file", wave()[:20] + b"\x01\x00")
    second_fmt = b"fmt " + u32(18) + u16(1) + u16(2) + u32(8000) + u32(32000) + u16(4) + u16(16)
    write(r, "hostile-two-format-chunks", wave(before_data=second_fmt + u16(0), samples=b"\x80"))
    write(r, "hostile-no-data-chunk", wave()[:38])
    write(r, "hostile-no-data-chunk-other-chunk", wave()[:38] + b"LIST" + u32(2) + b"ab")
    full = wave(samples=b"\x80\x90")
    for cut in (4, 12, 19, 30, 43):
        write(r, f"hostile-cut-inside-header-at-{cut}", full[:cut])
    write(r, "hostile-float-sub-format", wave(tag=3, bits=32, samples=f32(0.5)))
    write(r, "hostile-extra-size", wave(extra=22, samples=b"\x80"))
    write(r, "hostile-not-wave", b"RIFF" + u32(4) + b"AVI " + b"fmt " + u32(0))
    write(r, "hostile-empty", b"")


# ---- Raw binary files -------------------------------------------------------------------


def binary_corpus():
    specials = [0.5, -0.25, math.nan, math.inf, -math.inf, -0.0, 1e-45, 3.4e38]
    for reader, pack, size in (("float", f32, 4), ("double", f64, 8)):
        values = b"".join(pack(v) for v in specials)
        write(reader, "valid-one-value", pack(0.5))
        write(reader, "valid-special-values", values)
        write(reader, "valid-complete-and-cut-record", values[: 3 * size + size // 2])
        write(reader, "hostile-empty", b"")
        write(reader, "hostile-shorter-than-a-record", b"\x01" * (size - 1))
        write(reader, "hostile-signalling-nan", b"\x01\x00\x80\x7f" if size == 4
              else b"\x01\x00\x00\x00\x00\x00\xf0\x7f")
    write("double", "valid-subnormal", f64(5e-324) + f64(-2.2e-308))


# ---- Text files -------------------------------------------------------------------------

CRLF = "\r\n"

# What every text reader must survive, whatever its layout.
COMMON_TEXT = {
    "hostile-empty": "",
    "hostile-only-line-ends": "\r\n\n\r\r\n",
    "hostile-nan-and-infinity": "nan\nNaN 1\ninf -inf\ninfinity -nan\n1e999 -1e-999\n",
    "hostile-hex-words-too-long": "123456789ABCDEF0123 FFFFFFFFFFFFFFFFFFFF\n0x123456789 -0x1\n",
    "hostile-binary-300-digits": "1" * 300 + "\n" + "01" * 150 + " " + "1" * 300 + "\n",
    "hostile-signs-and-fragments": "+-1\n--1\n0x\n0x1p3\n1e\n.\n-\n+\n0x.8p1 1e+\n",
    "hostile-nul-bytes": "0.5\x00 0.25\n\x00\x00\n1 2\n",
    "hostile-commas-and-tabs": "0.5,-0.25\n\t1\t,\t2\n,,,\n",
    "hostile-bom": "\ufeff".encode("utf-8").decode("latin-1") + "0.5 0.25\n1 2\n",
    "hostile-long-line-100000": "0." + "1" * 99998 + "\n0.5 0.5\n",
    "hostile-long-line-of-digits": "1" * 5000 + "\n1 1\n",
    "hostile-long-line-of-words": "1 " * 2500 + "\n",
}


def decimal_lines(rows, index=False):
    lines = []
    for i, row in enumerate(rows):
        values = " ".join("% 15.12f" % v for v in row)
        lines.append(f"{i} {values}" if index else values)
    return "".join(line + CRLF for line in lines)


def word(x):
    q = int(math.trunc(32768 * x + 0.5)) & 0xFFFF
    return q - 0x10000 if q & 0x8000 else q


def word_lines(rows, text_of):
    return "".join(" ".join(text_of(word(v)) for v in row) + CRLF for row in rows)


ROWS = [(0.5, -0.25), (-0.3, 0.125), (0.0, 0.999969482421875), (-1.0, 0.0)]


def line_end_variants(reader, text):
    write(reader, "valid-crlf", text)
    write(reader, "valid-lf", text.replace(CRLF, "\n"))
    write(reader, "valid-cr-only", text.replace(CRLF, "\r"))
    write(reader, "valid-no-final-line-end", text.rstrip(CRLF))


def text_corpus():
    readers = {
        "text-decimal": decimal_lines(ROWS),
        "text-plot": "Response" + CRLF + "Gain" + CRLF + "Time" + CRLF + decimal_lines(ROWS, True),
        "text-fir": f"{len(ROWS)}" + CRLF + decimal_lines(ROWS),
        "text-fract": word_lines(ROWS, lambda w: "%6i" % w),
        "text-hex": word_lines(ROWS, lambda w: "%04X" % (w & 0xFFFF)),
        "text-binary": word_lines(ROWS, lambda w: format(w & 0xFFFF, "016b")),
        "text-analyzer": "".join(f"header {i}" + CRLF for i in range(7))
        + decimal_lines(ROWS, True),
        "asm-adi-pm": word_lines(ROWS, lambda w: "%04X00" % (w & 0xFFFF)),
    }
    for reader, text in readers.items():
        line_end_variants(reader, text)
        for name, hostile in COMMON_TEXT.items():
            write(reader, name, hostile)
    write("text-decimal", "valid-one-column", "0.5\n-0.25\n\n7\n")
    write("text-plot", "valid-without-titles", decimal_lines(ROWS, True))
    write("text-plot", "valid-two-lines-without-titles", decimal_lines(ROWS[:2], True))
    write("text-plot", "valid-titles-only", "a\nb\nc\n")
    write("text-fir", "hostile-count-only", "4294967295\n")
    write("text-fract", "valid-octal-and-hex", "010 0x10\n-0 -0x8000\n077777 32768\n")
    write("text-hex", "valid-minus-three-tenths", "D99B\n0x8000 7fff\n")
    write("text-binary", "valid-blank-line-is-zero", "0100000000000000\n\n1x0y1\n")
    write("text-analyzer", "hostile-header-cut", "1\n2\n3\n")
    write("asm-adi-pm", "valid-lower-case", "4000ff c00000\n")


def main():
    project_corpus()
    wave_corpus()
    binary_corpus()
    text_corpus()


if __name__ == "__main__":
    os.umask(0o022)
    main()
