"""Reading the Unihan database.

Unihan comes either as the loose files Unihan_*.txt (optionally compressed
with bzip2, as in Debian's unicode-data package) or as the Unihan.zip
distributed by unicode.org.  Both are read the same way: every data line is
"U+XXXX<TAB>field<TAB>value".
"""

import bz2
import glob
import io
import os
import shutil
import subprocess
import sys
import unicodedata
import zipfile

# Fields the generator needs; everything else is skipped while reading.
FIELDS = frozenset("""
    kMandarin kHanyuPinlu kXHC1983 kHanyuPinyin kTGHZ2013
    kTraditionalVariant kSimplifiedVariant
    kRSKangXi kRSUnicode kTotalStrokes
    kFrequency kGradeLevel kBigFive kGB0 kGB1 kTGH kRSAdobe_Japan1_6
""".split())


def default_dirs():
    """Places where a packaged Unihan usually lives (tried in order): the
    directory of $UNIHAN_DIR, the files of Debian's unicode-data package,
    and share/unicode under the Python prefix."""
    dirs = []
    if os.environ.get("UNIHAN_DIR"):
        dirs.append(os.environ["UNIHAN_DIR"])
    if shutil.which("dpkg-query"):
        try:
            listing = subprocess.run(
                ["dpkg-query", "-L", "unicode-data"], capture_output=True,
                text=True, check=False).stdout.split()
        except OSError:
            listing = []
        for path in sorted(listing):
            if os.path.basename(path).startswith("Unihan"):
                if os.path.dirname(path) not in dirs:
                    dirs.append(os.path.dirname(path))
    dirs.append(os.path.join(sys.prefix, "share", "unicode"))
    return dirs


def _open_sources(directory):
    """Yield text streams of all Unihan files found in directory."""
    zips = sorted(glob.glob(os.path.join(directory, "Unihan*.zip")))
    loose = sorted(glob.glob(os.path.join(directory, "Unihan_*.txt")) +
                   glob.glob(os.path.join(directory, "Unihan_*.txt.bz2")))
    if loose:
        for path in loose:
            if path.endswith(".bz2"):
                yield io.TextIOWrapper(bz2.open(path, "rb"), encoding="utf-8")
            else:
                yield open(path, encoding="utf-8")
    elif zips:
        with zipfile.ZipFile(zips[0]) as zf:
            for name in sorted(zf.namelist()):
                if name.endswith(".txt"):
                    yield io.TextIOWrapper(zf.open(name), encoding="utf-8")
    else:
        raise FileNotFoundError("no Unihan files in " + directory)


def find_dir(explicit=None):
    candidates = [explicit] if explicit else default_dirs()
    for directory in candidates:
        if directory and (glob.glob(os.path.join(directory, "Unihan*.zip")) or
                          glob.glob(os.path.join(directory, "Unihan_*.txt*"))):
            return directory
    raise FileNotFoundError(
        "Unihan data not found; install the unicode-data package or pass "
        "--unihan DIR (a directory holding Unihan.zip or Unihan_*.txt)")


def load(directory):
    """Return {character: {field: value}} for the fields in FIELDS."""
    data = {}
    for stream in _open_sources(directory):
        with stream:
            for line in stream:
                if not line.startswith("U+"):
                    continue
                code, field, value = line.rstrip("\n").split("\t", 2)
                if field in FIELDS:
                    data.setdefault(chr(int(code[2:], 16)), {})[field] = value
    return data


def code_points(value):
    """'U+5218 U+5289<kMatthews' -> ['刘', '劉']"""
    out = []
    for token in (value or "").split():
        out.append(chr(int(token[2:].split("<")[0], 16)))
    return out


def toneless(syllable):
    """'lǘ' -> 'lv', 'Zhāng' -> 'zhang'; ü is written v."""
    s = unicodedata.normalize("NFD", syllable.lower())
    s = s.replace("u\u0308", "v").replace("ü", "v")
    return "".join(c for c in s if not unicodedata.combining(c))


def readings(entry):
    """All toneless readings of one character, the most customary first.

    kMandarin comes first, then kHanyuPinlu (frequency order), kXHC1983,
    kTGHZ2013 and kHanyuPinyin; duplicates are removed.
    """
    out = []

    def add(r):
        s = toneless(r)
        if s and s not in out:
            out.append(s)

    for r in entry.get("kMandarin", "").split():
        add(r)
    for tok in entry.get("kHanyuPinlu", "").split():
        add(tok.split("(")[0])
    for field in ("kXHC1983", "kTGHZ2013", "kHanyuPinyin"):
        for tok in entry.get(field, "").split():
            for r in tok.split(":", 1)[-1].split(","):
                add(r)
    return out


def radical_stroke(entry):
    """(radical number, residual strokes) from kRSKangXi, else kRSUnicode."""
    value = entry.get("kRSKangXi") or entry.get("kRSUnicode")
    if not value:
        return None
    first = value.split()[0]
    rad, res = first.split(".")
    return int(rad.rstrip("'")), int(res)


def total_strokes(entry):
    """kTotalStrokes; where two counts are given the second (traditional)."""
    value = entry.get("kTotalStrokes")
    return int(value.split()[-1]) if value else None
