#!/usr/bin/env python3
"""Writes the Unicode viewer's data tables as C++ from the Unicode Character Database that Debian ships
(package unicode-data): the blocks of Blocks.txt, the assigned code points and the character names of
UnicodeData.txt, and the Hangul jamo short names of Jamo.txt. Run by the build, never by hand.

Usage: gen_unicode_data.py UCD_FOLDER OUTPUT.cpp

Names are stored compressed: every name is cut into words, each word keeping the separator that follows it
(space, hyphen or none); the distinct words form a dictionary, most frequent first, and a name is the list of
its word numbers (one byte below 0xC0, else two), ended by 0, after one byte that counts the leading words it
shares with the name before it (0 for the first name of every group of 32, where decoding may start). Word 1 stands for the code point itself in
hexadecimal, so names such as CJK COMPATIBILITY IDEOGRAPH-F900 need no word of their own. Ranges
(<..., First> ... <..., Last>) are kept as rules: an ideograph prefix followed by the code point, the Hangul
syllable rule, or a label for code points without a name.
"""
import collections
import os
import re
import sys

NAMES_PER_INDEX = 32  # a stream offset is kept for every 32nd name


def read_blocks(path):
    blocks = []
    for line in open(path, encoding="utf-8"):
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        span, name = line.split(";")
        first, last = span.split("..")
        blocks.append((int(first, 16), int(last, 16), name.strip()))
    return blocks


def read_unicode_data(path):
    """(code point, name) for characters named one by one; (first, last, label) for ranges."""
    named, ranges, open_range = [], [], None
    for line in open(path, encoding="utf-8"):
        fields = line.rstrip("\n").split(";")
        code, name = int(fields[0], 16), fields[1]
        if name.endswith(", First>"):
            open_range = (code, name[1:-len(", First>")])
        elif name.endswith(", Last>"):
            ranges.append((open_range[0], code, open_range[1]))
            open_range = None
        else:
            named.append((code, name))
    return named, ranges


def read_jamo(path):
    short = {}
    for line in open(path, encoding="utf-8"):
        line = line.split("#", 1)[0].strip()
        if line:
            code, name = line.split(";")
            short[int(code, 16)] = name.strip()
    lead = [short[c] for c in range(0x1100, 0x1113)]
    vowel = [short[c] for c in range(0x1161, 0x1176)]
    trail = [""] + [short[c] for c in range(0x11A8, 0x11C3)]
    return lead, vowel, trail


def rule_of(label):
    """(kind, text): 0 prefix followed by the code point in hexadecimal, 1 Hangul syllable, 2 a label."""
    if label.startswith("CJK Ideograph"):
        return 0, "CJK UNIFIED IDEOGRAPH-"
    if label.startswith("Tangut Ideograph"):
        return 0, "TANGUT IDEOGRAPH-"
    if label.startswith("Hangul Syllable"):
        return 1, "HANGUL SYLLABLE "
    return 2, "<" + label + ">"


def words_of(code, name):
    own = "-%04X" % code
    tokens = re.findall(r"[^ -]*[ -]?", name)
    tokens = [t for t in tokens if t]
    ends_with_own = name.endswith(own)
    if ends_with_own:
        tokens = re.findall(r"[^ -]*[ -]?", name[: -len(own) + 1])
        tokens = [t for t in tokens if t]
    return tokens, ends_with_own


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def main():
    ucd, output = sys.argv[1], sys.argv[2]
    blocks = read_blocks(os.path.join(ucd, "Blocks.txt"))
    named, ranges = read_unicode_data(os.path.join(ucd, "UnicodeData.txt"))
    lead, vowel, trail = read_jamo(os.path.join(ucd, "Jamo.txt"))

    split = [words_of(code, name) for code, name in named]
    counts = collections.Counter(w for tokens, _ in split for w in tokens)
    words = [w for w, _ in sorted(counts.items(), key=lambda item: (-item[1], item[0]))]
    assert len(words) + 2 < 0xC0 + 0x4000
    number = {w: i + 2 for i, w in enumerate(words)}

    stream, offsets, previous = bytearray(), [], []
    for i, (tokens, own) in enumerate(split):
        if i % NAMES_PER_INDEX == 0:
            offsets.append(len(stream))
            previous = []
        shared = 0
        while shared < min(len(tokens), len(previous), 255) and tokens[shared] == previous[shared]:
            shared += 1
        previous = tokens
        stream.append(shared)
        for n in [number[t] for t in tokens[shared:]] + ([1] if own else []) + [0]:
            if n < 0xC0:
                stream.append(n)
            else:
                stream += bytes([0xC0 | ((n - 0xC0) >> 8), (n - 0xC0) & 0xFF])

    runs = []  # (first code point, count, ordinal of the first)
    for ordinal, (code, _) in enumerate(named):
        if runs and runs[-1][0] + runs[-1][1] == code:
            runs[-1][1] += 1
        else:
            runs.append([code, 1, ordinal])

    assigned = sorted([(c, c) for c, _ in named] + [(f, l) for f, l, _ in ranges])
    merged = []
    for first, last in assigned:
        if merged and merged[-1][1] + 1 >= first:
            merged[-1][1] = max(merged[-1][1], last)
        else:
            merged.append([first, last])

    word_text = "".join(words)
    assert all(0 < len(w) < 256 for w in words)

    out = ["// Generated by scripts/gen_unicode_data.py from the Unicode Character Database; do not edit.",
           '#include "ui/charview/unicode_data.h"', "", "namespace velura::unicode_data {", ""]
    out.append("const BlockRow kBlocks[] = {")
    out += ["    {0x%04X, 0x%04X, u%s}," % (f, l, c_string(n)) for f, l, n in blocks]
    out += ["};", "const std::size_t kBlockCount = %d;" % len(blocks), ""]
    out.append("const CodeRange kAssigned[] = {")
    out += ["    {0x%04X, 0x%04X}," % (f, l) for f, l in merged]
    out += ["};", "const std::size_t kAssignedCount = %d;" % len(merged), ""]
    out.append("const RuleRange kRuleRanges[] = {")
    out += ["    {0x%04X, 0x%04X, %d, %s}," % ((f, l, rule_of(label)[0], c_string(rule_of(label)[1])))
            for f, l, label in ranges]
    out += ["};", "const std::size_t kRuleRangeCount = %d;" % len(ranges), ""]
    out.append("const NamedRun kNamedRuns[] = {")
    out += ["    {0x%04X, %d, %d}," % tuple(r) for r in runs]
    out += ["};", "const std::size_t kNamedRunCount = %d;" % len(runs), ""]
    out.append("const std::uint32_t kNameOffsets[] = {")
    out += ["    " + ", ".join(str(o) for o in offsets[i:i + 12]) + "," for i in range(0, len(offsets), 12)]
    out += ["};", "const std::size_t kNamesPerOffset = %d;" % NAMES_PER_INDEX,
            "const std::size_t kNamedCount = %d;" % len(named), ""]
    out.append("const std::uint8_t kNameStream[] = {")
    out += ["    " + ",".join(str(b) for b in stream[i:i + 40]) + "," for i in range(0, len(stream), 40)]
    out += ["};", "const std::size_t kNameStreamSize = %d;" % len(stream), ""]
    out.append("const char kWordText[] =")
    out += ["    " + c_string(word_text[i:i + 100]) for i in range(0, len(word_text), 100)]
    out += [";", "const std::uint8_t kWordLengths[] = {"]
    out += ["    " + ",".join(str(len(w)) for w in words[i:i + 40]) + "," for i in range(0, len(words), 40)]
    out += ["};", "const std::size_t kWordCount = %d;  // numbers 2 ... kWordCount + 1" % len(words), ""]
    for array, names in (("kJamoLead", lead), ("kJamoVowel", vowel), ("kJamoTrail", trail)):
        out.append("const char* const %s[] = {%s};" % (array, ", ".join(c_string(n) for n in names)))
    out += ["", "}  // namespace velura::unicode_data", ""]

    text = "\n".join(out)
    if not os.path.exists(output) or open(output, encoding="utf-8").read() != text:
        with open(output + ".tmp", "w", encoding="utf-8") as f:
            f.write(text)
        os.replace(output + ".tmp", output)


if __name__ == "__main__":
    main()
