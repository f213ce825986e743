#!/usr/bin/python3
"""Differential check: velura-dump against an independent reader (fontTools) on installed fonts.

For every face of every .ttf/.otf/.ttc under the font folders, the facts velura-dump prints are recomputed
from fontTools' view of the raw tables, applying the naming rules independently. Any difference fails.
A file fontTools itself cannot read (it is stricter than Windows about some tables) has nothing to be
compared with: it is reported and skipped, and never fails the run.

The mapped code points (velura-dump --codepoints) must equal fontTools' getBestCmap(), glyph 0 left out on
both sides. Where they differ, fontTools has chosen another subtable than Windows does (it prefers the
Unicode platform's (0,4) and (0,6) to (3,1), and has no choice for a symbol font's (3,0)); such a face must
then equal the subtable Windows chooses, and is counted as an explained difference.
Usage: compare_with_fonttools.py VELURA_DUMP [FOLDER...]
"""
import json
import os
import struct
import subprocess
import sys

from fontTools.ttLib import TTCollection, TTFont

FOLDERS = ["/usr/share/fonts", "/usr/share/wine/fonts"]
JAPANESE, US_ENGLISH = 0x0411, 0x0409
FACE_FIELDS = {0: "LegalNotice", 1: "FamilyName", 2: "SubfamilyName", 3: "UniqueId", 4: "FullName",
               5: "VersionString", 6: "PostScriptName", 7: "Trademark"}
ENCODINGS = {0: "ID:0 (Symbol)", 1: "ID:1 (Unicode)", 2: "ID:2 (ShiftJIS)", 3: "ID:3 (PRC)", 4: "ID:4 (Big5)",
             5: "ID:5 (Wansung)", 6: "ID:6 (Johab)", 10: "ID:10 (UCS-4)"}
CMAP_FORMATS = {0: "Format 0: Byte encoding table", 2: "Format 2: High-byte mapping through table",
                4: "Format 4: Segment mapping to delta values", 6: "Format 6: Trimmed table mapping",
                8: "Format 8: mixed 16-bit and 32-bit coverage", 10: "Format 10: Trimmed array ",
                12: "Format 12: Segmented coverage"}
POST_CODES = {0x00010000: 1, 0x00020000: 2, 0x00025000: 25, 0x00030000: 3}


def encoding_name(encoding):
    if encoding in ENCODINGS:
        return ENCODINGS[encoding]
    return f"ID:{encoding} (Reserved)" if encoding in (7, 8, 9) else f"ID:{encoding}"


def decode(raw):
    units = [raw[i] << 8 | raw[i + 1] for i in range(0, len(raw) - 1, 2)]
    if 0 in units:
        units = units[:units.index(0)]
    return b"".join(u.to_bytes(2, "big") for u in units).decode("utf-16-be", errors="surrogatepass")


def expected_names(font):
    """The naming rules applied to fontTools' name records (Microsoft platform only)."""
    records = []
    if "name" in font:
        for r in font["name"].names:
            if r.platformID != 3 or len(r.string) > 2048:
                continue
            text = decode(r.string)
            if text:
                records.append((r.platEncID, r.langID, r.nameID, text))
    preferred = 0
    for _, lang, name_id, _ in records:
        if name_id in (1, 4) and lang != 0:
            if lang == JAPANESE:
                preferred = JAPANESE
                break
            if lang == US_ENGLISH:
                preferred = US_ENGLISH
            elif preferred == 0:
                preferred = lang
    fields = {name: "" for name in FACE_FIELDS.values()}
    languages, last_entry, listed, previous = [], {1: None, 4: None}, [], 0
    for encoding, lang, name_id, text in records:
        unsupported = False
        if name_id in (1, 4):
            entry = next((e for e in languages if e["LanguageId"] == lang), None)
            if entry is None:
                entry = {"LanguageId": lang, "FamilyName": "", "FullName": ""}
                languages.append(entry)
            if entry is last_entry[name_id]:
                continue
            last_entry[name_id] = entry
            if encoding in (0, 1, 2, 10):  # 2 goes through the identity codec off Windows
                value = text
            else:
                value, unsupported = "未対応のエンコード " + encoding_name(encoding), True
            entry["FamilyName" if name_id == 1 else "FullName"] = value
        for applies in (lang == US_ENGLISH, preferred != US_ENGLISH and lang == preferred):
            if applies and name_id in FACE_FIELDS and not (unsupported and name_id in (1, 4)):
                fields[FACE_FIELDS[name_id]] = text
        if lang != previous:
            listed.append(lang)
            previous = lang
    sub = fields["SubfamilyName"].lower()
    slant = max(sub.find("italic") + 1, sub.find("oblique") + 1)
    return fields, languages, listed, min(slant, 255)


def expected_face(font, tags):
    fields, languages, listed, slant = expected_names(font)
    e = dict(fields)
    e["Languages"] = languages
    e["LanguageCount"] = len(listed)
    e["SlantPosition"] = slant
    e["Tags"] = tags
    lower = [t.lower() for t in tags]
    e["HasCff"] = "cff " in lower
    e["IsOpenType"] = e["HasCff"] or "dsig" in lower
    e["CmapEncodingId"], e["CmapFormatText"] = 0, ""
    if "cmap" in font:
        for t in font["cmap"].tables:
            if t.platformID == 3:
                e["CmapEncodingId"] = t.platEncID
                e["CmapFormatText"] = CMAP_FORMATS.get(t.format, f"UnKnown(Format{t.format})")
    if "OS/2" in font:
        os2 = font["OS/2"]
        e["WeightClass"] = os2.usWeightClass
        for i in range(1, 5):
            e[f"UnicodeRange{i}"] = getattr(os2, f"ulUnicodeRange{i}")
        vendor = os2.achVendID.encode("latin-1") if isinstance(os2.achVendID, str) else os2.achVendID
        e["VendorId"] = vendor[:4].split(b"\0")[0].decode("latin-1")
        if os2.version >= 1:  # a version-0 table has no code-page words; ours reads the bytes after it
            e["CodePageRange1"], e["CodePageRange2"] = os2.ulCodePageRange1, os2.ulCodePageRange2
    if "head" in font:
        e["HeadFlags"] = font["head"].flags
    if "post" in font:
        e["PostVersionCode"] = POST_CODES.get(int(round(font["post"].formatType * 0x10000)), 111)
    return e


WINDOWS_ENCODINGS = (10, 1, 0)  # (3,10), then (3,1), then a symbol font's (3,0)
MAPPING_FORMATS = (0, 4, 6, 12, 13)


def mapped(font, subtable_map):
    """The code points of a fontTools mapping whose glyph is not glyph 0."""
    return {code for code, glyph in (subtable_map or {}).items() if font.getGlyphID(glyph) != 0}


def windows_subtable(font):
    if "cmap" not in font:
        return None
    for encoding in WINDOWS_ENCODINGS:
        for table in font["cmap"].tables:
            if table.platformID == 3 and table.platEncID == encoding and table.format in MAPPING_FORMATS:
                return table
    return None


def expected_code_points(font):
    """(code points of getBestCmap, code points of the subtable Windows chooses, that subtable's name)."""
    best = mapped(font, font["cmap"].getBestCmap()) if "cmap" in font else set()
    chosen = windows_subtable(font)
    if chosen is None:
        return best, set(), "none"
    return best, mapped(font, chosen.cmap), f"({chosen.platformID},{chosen.platEncID}) format {chosen.format}"


def code_points_of(ranges):
    points = set()
    for text in ranges:
        first, _, last = text.partition("-")
        points.update(range(int(first[2:], 16), int((last or first)[2:], 16) + 1))
    return points


def describe(points):
    shown = ", ".join(f"U+{p:04X}" for p in sorted(points)[:8])
    return f"{len(points)} ({shown}{', ...' if len(points) > 8 else ''})"


def directory_tags(data, offset):
    """Table tags in directory order (fontTools keeps its own order), read straight from the bytes."""
    count = struct.unpack_from(">H", data, offset + 4)[0]
    return [data[offset + 12 + 16 * i:offset + 16 + 16 * i].split(b"\0")[0].decode("latin-1") for i in range(count)]


def faces_of(path):
    data = open(path, "rb").read()
    if data[:4] == b"ttcf":
        count = struct.unpack_from(">I", data, 8)[0]
        offsets = struct.unpack_from(f">{count}I", data, 12)
        return list(zip(TTCollection(path, lazy=True).fonts, (directory_tags(data, o) for o in offsets)))
    return [(TTFont(path, lazy=True), directory_tags(data, 0))]


class Unreadable(Exception):
    """fontTools failed on a file: there is no independent view to compare with."""


def independent_view(path):
    """Every face's expected facts, or Unreadable when fontTools cannot read the file."""
    try:
        faces = []
        for font, tags in faces_of(path):
            face = expected_face(font, tags)
            face["code points"] = expected_code_points(font)
            faces.append(face)
        return faces
    except Exception as error:  # fontTools raises many kinds on tables it finds malformed
        raise Unreadable(f"{type(error).__name__}: {error}") from error


def compare_code_points(where, mine, expected, explained):
    best, windows, chosen = expected
    ours = code_points_of(mine.get("codepoints", []))
    if ours == best:
        return []
    if ours == windows:
        explained.append(f"{where}: getBestCmap chose another subtable; equals Windows' {chosen}")
        return []
    return [f"{where} code points: ours minus fontTools {describe(ours - windows)}, "
            f"fontTools minus ours {describe(windows - ours)} (Windows' subtable {chosen})"]


def compare(dump, path, explained):
    lines = subprocess.run([dump, "--codepoints", path], capture_output=True, text=True,
                           check=False).stdout.splitlines()
    ours = [json.loads(line) for line in lines]
    problems = []
    theirs = independent_view(path)
    if len(ours) != len(theirs):
        return [f"{path}: {len(ours)} faces, fontTools has {len(theirs)}"]
    for index, (mine, expected) in enumerate(zip(ours, theirs)):
        actual = dict(mine)
        actual["LanguageCount"] = len(mine["LanguageList"].split(" , ")) if mine["LanguageList"] else 0
        actual["Languages"] = [{k: v for k, v in e.items() if k != "LanguageName"} for e in mine["Languages"]]
        actual["Tags"] = mine["Tags"]
        problems += compare_code_points(f"{path}#{index}", mine, expected.pop("code points"), explained)
        for key, value in expected.items():
            if actual.get(key) != value:
                problems.append(f"{path}#{index} {key}: ours {actual.get(key)!r}, expected {value!r}")
    return problems


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    dump, folders = sys.argv[1], sys.argv[2:] or FOLDERS
    files = sorted(os.path.join(d, f) for folder in folders if os.path.isdir(folder)
                   for d, _, names in os.walk(folder) for f in names
                   if f.lower().endswith((".ttf", ".otf", ".ttc")))
    problems, skipped, explained = [], [], []
    for path in files:
        try:
            problems += compare(dump, path, explained)
        except Unreadable as error:
            skipped.append(f"{path}: skipped, fontTools cannot read it ({error})")
    for line in skipped + explained + problems[:50]:
        print(line)
    compared = len(files) - len(skipped)
    print(f"compared {compared} font files with fontTools: {len(problems)} differences, {len(skipped)} skipped; "
          f"{len(explained)} faces where getBestCmap differs from the subtable Windows chooses")
    return 1 if problems or not compared else 0


if __name__ == "__main__":
    sys.exit(main())
