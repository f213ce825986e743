#!/usr/bin/python3
"""Prepares the font folders of the load benchmark, once: Debian font packages are fetched with
`apt-get download` and unpacked with `dpkg-deb -x` under the work folder (never installed), their distinct
font files collected, and for each N a folder of N distinct copies is made, topped up with copies whose
family, full and PostScript names are rewritten so that no two files are the same font to GDI.
Each N gets two folders (browse, floor): Wine knows a file it has loaded before by its identity.
Usage: bench_load_fonts.py WORK_FOLDER N [N ...]"""
import hashlib
import logging
import os
import shutil
import subprocess
import sys

from fontTools.ttLib import TTFont, TTCollection

PACKAGES = """
fonts-junicode fonts-cantarell fonts-comfortaa fonts-crosextra-caladea fonts-crosextra-carlito fonts-dejavu-core
fonts-dejavu-extra fonts-ebgaramond fonts-ebgaramond-extra fonts-firacode fonts-freefont-otf fonts-freefont-ttf
fonts-go fonts-hack-ttf fonts-inconsolata fonts-ipafont-gothic fonts-ipafont-mincho fonts-ipaexfont-gothic
fonts-ipaexfont-mincho fonts-jetbrains-mono fonts-karla fonts-lato fonts-liberation fonts-liberation2
fonts-linuxlibertine fonts-lobster fonts-lobstertwo fonts-mplus fonts-noto-mono fonts-oldstandard fonts-open-sans
fonts-roboto-unhinted fonts-roboto-slab fonts-sil-charis fonts-sil-doulos fonts-sil-gentium fonts-sil-gentiumplus
fonts-sil-andika fonts-sil-abyssinica fonts-sil-padauk fonts-sil-scheherazade fonts-sil-lateef fonts-sil-harmattan
fonts-stix fonts-texgyre fonts-urw-base35 fonts-vlgothic fonts-wqy-microhei fonts-wqy-zenhei fonts-takao-gothic
fonts-takao-mincho fonts-sawarabi-gothic fonts-sawarabi-mincho fonts-motoya-l-cedar fonts-motoya-l-maruberi
fonts-morisawa-bizud-gothic fonts-morisawa-bizud-mincho fonts-monapo fonts-konatu fonts-komatuna fonts-misaki
fonts-migmix fonts-horai-umefont fonts-kiloji fonts-dejima-mincho fonts-hanazono fonts-adf-accanthis
fonts-adf-baskervald fonts-adf-berenis fonts-adf-gillius fonts-adf-ikarius fonts-adf-irianis fonts-adf-libris
fonts-adf-mekanus fonts-adf-oldania fonts-adf-romande fonts-adf-solothurn fonts-adf-switzera fonts-adf-tribun
fonts-adf-universalis fonts-adf-verana fonts-averia-gwf fonts-averia-sans-gwf fonts-averia-serif-gwf fonts-b612
fonts-cabin fonts-dosis fonts-f500 fonts-fanwood fonts-gfs-artemisia fonts-gfs-baskerville fonts-gfs-didot
fonts-gfs-neohellenic fonts-gfs-porson fonts-gfs-solomos fonts-goudybookletter fonts-inter fonts-jura
fonts-kacst fonts-lindenhill fonts-manrope fonts-mononoki fonts-monoid fonts-oflb-asana-math fonts-paratype
fonts-play fonts-prociono fonts-quattrocento fonts-quicksand fonts-radisnoir fonts-cmu fonts-croscore
fonts-lohit-deva fonts-lohit-taml fonts-nanum fonts-baekmuk fonts-arphic-uming fonts-arphic-ukai
""".split()

FONT_EXTENSIONS = (".ttf", ".otf", ".ttc")


def run(*args, cwd=None):
    return subprocess.run(args, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0


def fetch(work):
    debs = os.path.join(work, "debs")
    unpacked = os.path.join(work, "unpacked")
    os.makedirs(debs, exist_ok=True)
    os.makedirs(unpacked, exist_ok=True)
    have = {name.split("_")[0] for name in os.listdir(debs) if name.endswith(".deb")}
    missing = [p for p in PACKAGES if p not in have]
    if missing:
        print(f"fetching {len(missing)} font packages", flush=True)
        if not run("apt-get", "download", *missing, cwd=debs):  # one package unknown: fetch one by one
            for package in missing:
                if package not in {n.split("_")[0] for n in os.listdir(debs)}:
                    run("apt-get", "download", package, cwd=debs)
    for name in sorted(os.listdir(debs)):
        target = os.path.join(unpacked, name.split("_")[0])
        if name.endswith(".deb") and not os.path.isdir(target):
            run("dpkg-deb", "-x", os.path.join(debs, name), target)
    return unpacked


def face_keys(path):
    """The names that make a font the same font to GDI: full and PostScript names of every face."""
    fonts = TTCollection(path, lazy=True).fonts if path.lower().endswith(".ttc") else [TTFont(path, lazy=True)]
    keys = []
    for font in fonts:
        names = font["name"]
        for name_id in (4, 6):
            record = names.getDebugName(name_id)
            if record:
                keys.append((name_id, record.strip().lower()))
    return keys


def distinct_fonts(unpacked):
    files = []
    for root, _, names in os.walk(unpacked):
        for name in names:
            path = os.path.join(root, name)
            if name.lower().endswith(FONT_EXTENSIONS) and os.path.isfile(path) and not os.path.islink(path):
                files.append(path)
    files.sort()
    seen_hashes, seen_keys, chosen = set(), set(), []
    for path in files:
        with open(path, "rb") as f:
            digest = hashlib.sha1(f.read()).hexdigest()
        if digest in seen_hashes:
            continue
        seen_hashes.add(digest)
        try:
            keys = face_keys(path)
        except Exception:
            continue
        if not keys or any(k in seen_keys for k in keys):
            continue
        seen_keys.update(keys)
        chosen.append(path)
    return chosen


def renamed_copy(source, target, serial):
    """A copy of a one-face font under names no other file has: family 'Bench NNNN <family>' cut to 28."""
    font = TTFont(source, lazy=True)
    names = font["name"]
    family = (names.getDebugName(16) or names.getDebugName(1) or "Font").strip()
    subfamily = (names.getDebugName(17) or names.getDebugName(2) or "Regular").strip()
    new_family = f"B{serial:04d} {family}"[:28].rstrip()
    new_full = new_family if subfamily.lower() == "regular" else f"{new_family} {subfamily}"
    postscript = "".join(c for c in f"B{serial:04d}-{family}-{subfamily}" if c.isalnum() or c == "-")[:60]
    replacements = {1: new_family, 3: f"bench-{serial}", 4: new_full, 6: postscript, 16: new_family, 18: new_full,
                    21: new_family}
    for record in names.names:
        if record.nameID in replacements:
            text = replacements[record.nameID]
            if record.platformID == 1:
                text = text.encode("ascii", "replace").decode("ascii")
            record.string = text
    font.save(target)


def fill_folder(folder, sources, toppers, count):
    os.makedirs(folder, exist_ok=True)
    done = os.path.join(folder, ".complete")
    if os.path.exists(done):
        return
    for name in os.listdir(folder):
        os.remove(os.path.join(folder, name))
    take = sources[:count]
    for n, path in enumerate(take):
        shutil.copyfile(path, os.path.join(folder, f"{n:04d}_{os.path.basename(path)}"))
    serial = 0
    while len(take) + serial < count:
        source = toppers[serial % len(toppers)]
        ext = os.path.splitext(source)[1].lower()
        renamed_copy(source, os.path.join(folder, f"{len(take) + serial:04d}_bench{serial:04d}{ext}"), serial)
        serial += 1
    open(done, "w").close()


def main():
    logging.disable(logging.WARNING)  # fontTools' remarks on odd timestamps and the like
    work = os.path.abspath(sys.argv[1])
    counts = sorted(int(n) for n in sys.argv[2:])
    unpacked = fetch(work)
    listing = os.path.join(work, "distinct.txt")
    if os.path.exists(listing):
        sources = open(listing, encoding="utf-8").read().split("\n")
        sources = [s for s in sources if s]
    else:
        sources = distinct_fonts(unpacked)
        with open(listing, "w", encoding="utf-8") as f:
            f.write("\n".join(sources) + "\n")
    print(f"{len(sources)} distinct font files", flush=True)
    # Renamed copies come from one-face files of ordinary size, so the top-up looks like the rest.
    toppers = [s for s in sources if not s.lower().endswith(".ttc") and os.path.getsize(s) < 2_000_000]
    for count in counts:
        for kind in ("browse", "floor"):
            fill_folder(os.path.join(work, f"n{count}", kind), sources, toppers, count)
        print(f"folder of {count} ready", flush=True)


if __name__ == "__main__":
    main()
