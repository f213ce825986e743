#!/usr/bin/python3
"""The differential check skips what fontTools cannot read and still fails on a real difference.

Usage: compare_with_fonttools_test.py VELURA_DUMP
"""
import os
import struct
import subprocess
import sys
import tempfile
import unittest

from fontTools.fontBuilder import FontBuilder

HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPT = os.path.join(HERE, "..", "..", "..", "scripts", "compare_with_fonttools.py")
DUMP = sys.argv.pop(1) if len(sys.argv) > 1 else "velura-dump"


def build_font(path):
    builder = FontBuilder(1000, isTTF=True)
    builder.setupGlyphOrder([".notdef", "A"])
    builder.setupCharacterMap({0x41: "A"})
    builder.setupGlyf({name: _empty_glyph() for name in (".notdef", "A")})
    builder.setupHorizontalMetrics({".notdef": (500, 0), "A": (500, 0)})
    builder.setupHorizontalHeader(ascent=800, descent=-200)
    builder.setupNameTable({"familyName": "Probe Sans", "styleName": "Regular"})
    builder.setupOS2(version=4)
    builder.setupPost()
    builder.save(path)


def _empty_glyph():
    from fontTools.pens.ttGlyphPen import TTGlyphPen
    return TTGlyphPen(None).glyph()


def truncate_os2(path):
    """Cuts the OS/2 table to the 78 bytes of version 0 while it still says version 4 (fontTools raises on it;
    Windows and our reader read what is there)."""
    data = bytearray(open(path, "rb").read())
    count = struct.unpack_from(">H", data, 4)[0]
    for i in range(count):
        entry = 12 + 16 * i
        if data[entry:entry + 4] == b"OS/2":
            struct.pack_into(">I", data, entry + 12, 78)
    open(path, "wb").write(data)


def run(dump, folder):
    return subprocess.run([sys.executable, SCRIPT, dump, folder], capture_output=True, text=True, check=False)


class CompareWithFontTools(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.good = os.path.join(self.folder.name, "good.ttf")
        build_font(self.good)

    def tearDown(self):
        self.folder.cleanup()

    def test_a_font_fonttools_cannot_read_is_reported_and_skipped(self):
        strict = os.path.join(self.folder.name, "short_os2.ttf")
        build_font(strict)
        truncate_os2(strict)
        result = run(DUMP, self.folder.name)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertIn("short_os2.ttf: skipped, fontTools cannot read it", result.stdout)
        self.assertIn("compared 1 font files with fontTools: 0 differences, 1 skipped", result.stdout)

    def test_a_real_difference_still_fails(self):
        wrong_dump = os.path.join(self.folder.name, "wrong-dump")
        with open(wrong_dump, "w") as script:
            script.write(f"#!/bin/sh\n'{DUMP}' \"$@\" | sed 's/Probe Sans/Probe Serif/g'\n")
        os.chmod(wrong_dump, 0o755)
        result = run(wrong_dump, self.folder.name)
        self.assertEqual(result.returncode, 1, result.stdout + result.stderr)
        self.assertIn("FamilyName: ours 'Probe Serif', expected 'Probe Sans'", result.stdout)

    def test_a_code_point_difference_fails(self):
        wrong_dump = os.path.join(self.folder.name, "wrong-dump")
        with open(wrong_dump, "w") as script:
            script.write(f"#!/bin/sh\n'{DUMP}' \"$@\" | sed 's/\"U+0041\"/\"U+0042\"/'\n")
        os.chmod(wrong_dump, 0o755)
        result = run(wrong_dump, self.folder.name)
        self.assertEqual(result.returncode, 1, result.stdout + result.stderr)
        self.assertIn("code points: ours minus fontTools 1 (U+0042)", result.stdout)

    def test_a_unicode_platform_subtable_fonttools_prefers_is_explained(self):
        from fontTools.ttLib import TTFont
        from fontTools.ttLib.tables._c_m_a_p import CmapSubtable
        font = TTFont(self.good)
        wider = CmapSubtable.newSubtable(12)
        wider.platformID, wider.platEncID, wider.language = 0, 4, 0
        wider.cmap = {0x41: "A", 0x20000: "A"}
        font["cmap"].tables.append(wider)
        font.save(self.good)
        result = run(DUMP, self.folder.name)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertIn("getBestCmap chose another subtable; equals Windows' (3,1) format 4", result.stdout)

    def test_nothing_compared_fails(self):
        os.remove(self.good)
        self.assertEqual(run(DUMP, self.folder.name).returncode, 1)


if __name__ == "__main__":
    unittest.main()
