#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target into tests/fuzz/corpus/<target>/, and the
inputs that still find an open fault into tests/fuzz/findings/<target>/.

Each seed is a small input of our own making, in the form the target's comment describes:
a sound case or two and a few damaged ones. The ordinary build replays them under ctest
(fuzz.<target>); libFuzzer starts from them. An input a fuzzer found goes into OPEN below
while its fault is open (the replay would fail on it), and into FOUND, which joins the corpus,
once the fault is mended.

    python3 scripts/make-fuzz-corpus.py
"""
import shutil
import struct
import zlib
from pathlib import Path

CORPUS = Path(__file__).resolve().parent.parent / "tests" / "fuzz" / "corpus"
FINDINGS = CORPUS.parent / "findings"
CRLF = b"\r\n"
BOM = b"\xef\xbb\xbf"


def lines(*items, end=CRLF):
    return end.join(x.encode("cp1252") if isinstance(x, str) else x for x in items) + end


def png(width, height):
    rows = b"".join(b"\0" + bytes([x * 40 % 256, 90, 200]) * width for x in range(height))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def bmp(width, height):
    stride = (width * 3 + 3) // 4 * 4
    pixels = b"".join(bytes([0, 120, 250]) * width + b"\0" * (stride - width * 3)
                      for _ in range(height))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(pixels), 0, 0, 54) + header + pixels


def ico(width, height):
    image = png(width, height)
    return (struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", width, height, 0, 0, 1, 32,
                                                         len(image), 22) + image)


# A 2x1 GIF: header, a two-colour table, one image of LZW code size 2.
GIF = (b"GIF89a\x02\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\xff"
       b"\x2c\x00\x00\x00\x00\x02\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b")
XPM = (b'/* XPM */\nstatic char *x[] = {\n"2 2 2 1",\n"a c #ff0000",\n"b c #0000ff",\n'
       b'"ab",\n"ba"};\n')
SVG = b'<svg xmlns="http://www.w3.org/2000/svg" width="8" height="4"><rect width="8" height="4" fill="red"/></svg>'
EDGE = [b"2147483647", b"-2147483648"]

SEEDS = {
    "fuzz_struktur": {
        "tree": lines("Forside", "\tKapitel", "\t\tAfsnit", "Bilag"),
        "tree-data": lines("Forside", "\tKapitel") + b"\0" + lines("forside", "kapitel"),
        "bad-indent": lines("\t\t\tdybt", "top", "\t"),
    },
    "fuzz_textfile": {
        "cp1252": lines("Æble", "Øl og ål", ""),
        "utf8-bom": BOM + "Ærø – ✓\nanden".encode(),
        "utf16le": b"\xff\xfe" + "to\r\nlinjer".encode("utf-16-le"),
        "utf16be-odd": b"\xfe\xff\x00a\x00",
        "mixed-ends": b"a\rb\nc\r\nd",
    },
    "fuzz_settings": {
        "options": lines(*[str(i) for i in range(40)]),
        "types": lines(".txt", "Tekst", ".html", "Hjemmeside"),
        "short": b"1\r\n",
    },
    "fuzz_laststruktur": {
        "history": b"\x01" + lines("C:\\a", "C:\\a\\b", "C:\\Æble\\kerne", "D:\\x"),
        "dots": b"\x02" + lines("C:\\a\\b", "C:\\findes\\ikke", "D:\\x"),
        "junk": b"\x03" + lines("", "::", "C:", "\\\\"),
    },
    "fuzz_rtftekst": {
        "plain": b"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Hej \\'e6\\u248?verden\\par}",
        "unbalanced": b"{\\rtf1{{{\\b fed}\\par",
        "binary": b"{\\rtf1\\bin4 \x00\x01{}x}",
    },
    "fuzz_tekstsoegning": {
        "simple": b"\x02abc" + b"xx abc yy ABC abcabc",
        "words": b"\x07ord" + b"ord ordet ord\nord",
        "utf8": b"\x00" + "æ".encode() + "blåbær æble".encode(),
    },
    "fuzz_trash": {
        "one": b"x.trashinfo\x01[Trash Info]\nPath=@D/x\nDeletionDate=2024-01-01T10:00:00\n",
        "bad-utf8": b"\xff" * 93 + b".trashinfo\x01[Trash Info]\nPath=@D/y\n",
        "two": b"a.trashinfo\x01[Trash Info]\nPath=@C/a\n\0b\x01nonsense",
    },
    "fuzz_hidden": {
        "hide": b"\x01" + b"a.txt\nb.txt\n",
        "show": b"\x00" + b"a.txt\n\nc\r\n",
    },
    "fuzz_dosattrib": {
        "hex": b"0x21",
        "samba4": b"\x00\x00\x04\x00\x04\x00\x00\x00",
        "junk": b"0xzz",
    },
    "fuzz_drives": {
        "two": b"C=/tmp/c;D=/tmp/d|removable\0a\0b",
        "bad": b"=;;C;\xc3\x86=/x\0..",
    },
    "fuzz_urilist": {
        "one": b"file:///tmp/a%20b.txt\r\n",
        "comments": b"# kommentar\r\nfile://localhost/etc/\r\nhttp://x/\r\n",
    },
    "fuzz_stylesheet": {
        "palette": b"/* palette: #202020 #e0e0e0 */\nQWidget { color: @tekst; }\n",
        "shared": b"QLabel { margin: 2px; }\0/* palette: #fff */\n@key: 1;",
    },
    "fuzz_rtflaeser": {
        "formats": b"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                   b"\\f0\\fs24 \\b fed\\b0 \\i kursiv\\i0 \\cf1 r\\'f8d\\par}",
        "broken": b"{\\rtf1\\fs-5\\u-10?{\\*\\ukendt x}",
    },
    "fuzz_htmlkontrol": {
        "page": b"<html><head><title>x</title></head><body><p class=a>t<br><a href=x>y</a>"
                b"</body></html>",
        "unclosed": b"<div><span><ul><li>a</div></html><!-- x",
        "script": b"<script>if (a<b) x='</p>';</script><style>p{}</style>",
    },
    "fuzz_vinduer": {
        "place": lines("300", "200", "40", "30"),
        "offscreen": lines("500", "400", "-9000", "9000"),
        "words": lines("bred", "høj"),
        "edge-size": lines(*EDGE),
    },
    "fuzz_mappestier": {
        "all": lines("C:\\Skrivebord", "C:\\Dokumenter", "C:\\Billeder", "C:\\Musik", "C:\\Film",
                     "C:\\Favoritter", "", "C:\\Kontakter"),
        "short": lines("  D:\\Mine  "),
        "utf16": b"\xff\xfe" + "C:\\Ærø\r\n".encode("utf-16-le"),
    },
    "fuzz_reopen": {
        "files": lines("10", "2", "noter", "C:\\noter.txt", "brev", "C:\\brev.txt"),
        "promises-more": lines("3", "9", "a", "C:\\a", "b"),
        "not-numbers": lines("x", "-4", "a", "C:\\a"),
        "edge": lines(EDGE[0], EDGE[1], "a", "C:\\a"),
    },
    "fuzz_alarm": {
        "daily": b"\x00" + lines("2024", "02", "29", "07", "05", "0", "3", "1", "Vågn op", "t",
                                "d") + b"\0" + lines("Husk kaffen"),
        "yearly": b"\x01" + lines("3016", "12", "24", "18", "00", "2", "0", "16", "Jul", "t", "d")
                  + b"\0" + BOM + "Glædelig jul\nog godt nytår".encode(),
        "date-bad": b"\x00" + lines("2023", "02", "29", "24", "61", "1", "13", "0", "x", "t",
                                   "d") + b"\0",
        "bad-name": b"\x02" + lines("2025", "13", "40", "25", "61", "0", "0", "1", "", "", ""),
        "short": b"\x03" + lines("1", "2") + b"\0\xff\xfe",
    },
    "fuzz_kalender": {
        "place-note": lines("120", "80") + b"\0" + lines("Tandlæge kl. 10", "", "Købe mælk"),
        "bad-place": lines("top") + b"\0" + b"\xfe\xff\x00a\x00\n",
        "edge": lines(*EDGE) + b"\0",
    },
    "fuzz_musik": {
        "list": lines("40", "40") + b"\0" + lines("C:\\Musik\\a.mp3", "", "  ", "C:\\Musik\\b.wav"),
        "empty": b"\0",
        "bad-place": lines("x", "y") + b"\0" + BOM + "C:\\Sange\\Æ.mp3\r".encode(),
        "edge": lines(*EDGE) + b"\0" + lines("C:\\x.mp3"),
    },
    "fuzz_mappestruktur": {
        "folders": lines("C:\\a", "C:\\a\\b", "", "D:\\x"),
        "empty": b"",
        "odd": b"\r\r\n\n C:\\ med blanke \r\n\xff\xfe",
    },
    "fuzz_programlister": {
        "lists": b"\0".join([lines("br", "img"), lines("p", "a", "div"), lines("p", "a", "br"),
                             lines("hidden"), lines("svg"), lines("href", "onclick")]),
        "case-blanks": b"\0".join([lines("  BR  ", "Img", ""), b"", lines("\xc6ble")]),
        "utf16": b"\xff\xfe" + "span\r\nSPAN".encode("utf-16-le"),
    },
    "fuzz_dokument": {
        "txt-crlf": b"\x00" + lines("Første linje", "anden"),
        "html-utf8": b"\x01" + "<p>blåbær</p>\n<p>æble</p>".encode(),
        "css-bom-lf": b"\x02" + BOM + b"p { color: red; }\n",
        "rtf": b"\x03{\\rtf1\\ansi\\b fed\\b0 tekst\\par}",
        "none-cr": b"\x04a\rb\r",
        "utf16be": b"\x00\xfe\xff" + "to\nlinjer".encode("utf-16-be"),
        "bom-bad-bytes": b"\x00" + BOM + b"ok \xff\xfe bad",
    },
    "fuzz_billede": {
        "png": b"\x00" + png(3, 2),
        "jpg-named-png": b"\x01" + png(2, 2),
        "gif": b"\x02" + GIF,
        "bmp": b"\x03" + bmp(3, 2),
        "ico": b"\x04" + ico(4, 4),
        "svg": b"\x05" + SVG,
        "xpm": b"\x06" + XPM,
        "ppm": b"\x07" + b"P6 2 1 255\n" + bytes([255, 0, 0, 0, 0, 255]),
        "png-huge": b"\x00" + png(1, 1).replace(struct.pack(">II", 1, 1), struct.pack(">II", 60000, 60000)),
        "truncated": b"\x00" + png(4, 4)[:40],
    },
}

# Inputs the fuzzers found whose faults are mended; the replay meets each every time.
FOUND = {
    # A ".rtf" file that holds no rich text opens as plain text and saves as plain text.
    "fuzz_dokument": {
        "rtf-plain-saved-as-rtf": b"\x03{\\0tf1\x8dansi\\$ fed\\b0 tekst\\pvr}",
    },
    # A first line of Windows-1252 text that spells a byte-order mark ("ï»¿") is written as
    # marked UTF-8, so that it reads back as it was.
    "fuzz_mappestruktur": {
        "cp1252-spells-bom": b'\r\r\xef\xbb\xbf\n\n\xffne\rk  ke \r\n\xff\xfe',
    },
}

# Inputs that find a fault still open: run one with build/tests/fuzz/<target> FILE.
OPEN = {
    # A UTF-16 file whose lines hold lone surrogates or other code units with no place in the
    # encoding it is written in: saved and read again, the values differ.
    "fuzz_mappestier": {
        "utf16-lone-halves": b'\xff\xfeC\x00\x00\x17- \x00\\\xde\xde\xde\xde\xde\xde\xde\xde\xde\xde\x00ord\r\nCoD:\\kumen\x01\x00\x00\x00\nC:\\Billeder\r\nC:/\x01C:\\Bill:\\FilC:\\S\x00\x00n\nem\r\nC:\\\xc6\x00r',
        "utf16-ffff": b'\xff\xfeC\x00 \xdbq#\x000`\x00\x00\xff\xff`\r\x00\n\x00(',
    },
    "fuzz_reopen": {
        "utf16be-odd-units": b'\xfe\xff\xa9r\t\xff\xff`\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff.\x00\x00\x00\x00\x00\x00\x00\x00\r\x9a\xf2\x00\x00\xdf&\r5\x0ca\x10\x00\r',
    },
}


def write(folder, inputs):
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for name, data in inputs.items():
        (folder / name).write_bytes(data)


def main():
    for target, seeds in SEEDS.items():
        write(CORPUS / target, {**seeds, **FOUND.get(target, {})})
    shutil.rmtree(FINDINGS, ignore_errors=True)
    for target, inputs in OPEN.items():
        write(FINDINGS / target, inputs)


if __name__ == "__main__":
    main()
