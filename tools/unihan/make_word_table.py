"""Build the character dictionary (table `word`) and the GBK pinyin table
from the Unihan database.

Outputs (all UTF-8, committed, so a normal build does not need Unihan):
  resources/db/Voduzid/word.tsv       one row per hanzi that GBK encodes
  resources/texts/pinyin_syllables.txt 393 toneless syllables, a..zuo
  resources/texts/gbk_pinyin.tsv       GBK code -> line in the syllable list

Rules (they hold for every row):

Rows.  Every double-byte GBK code whose character is a CJK ideograph.
  Compatibility ideographs that normalise to another character (the second
  郎 凉 秊 裏 隣 兀 嗀 礼 蘒) are left out, their unified twins have rows.
  id runs 1..N: GB2312 hanzi (B0A1-F7FE) first in GBK code order, then the
  rest of GBK in code order.  zi is the character as GBK has it.

ft (traditional form, one character).  From kTraditionalVariant:
  - no variant listed: the character itself (traditional-only characters
    and characters written alike in both scripts);
  - otherwise the listed forms other than the character itself; if several,
    the one whose kSimplifiedVariant points back to zi, then one that Big5
    encodes, then the more frequent (kFrequency), then the lower code point;
  - KEEP_SELF below: characters that Unihan also lists as their own
    traditional form and that keep that form in names and surnames
    (胡 于 余 范 朱 沈 姜 向 志 干 后 ...); FT_OVERRIDE fixes the one merged
    character whose name form is not the more frequent one (钟 -> 鍾).

bh (stroke count of name numerology, Kangxi convention).  Taken from the
  traditional form ft: radical number R and residual strokes r from
  kRSKangXi (kRSUnicode where missing); bh = strokes of radical R in its
  full form + r (氵=水 4, 扌=手 4, 忄=心 4, 犭=犬 4, 王=玉 5, 礻=示 5,
  衤=衣 6, 月 for flesh = 肉 6 (radical 130; the moon radical 74 stays 4),
  艹=艸 6, 罒=网 6, 纟=糸 6, 讠=言 7, 辶=辵 7, left 阝=阜 8, right 阝=邑 7,
  钅=金 8 ...).  Where r <= 0 the character is a radical or a radical's
  variant itself and counts its own strokes (kTotalStrokes of ft, the
  traditional count where two are given): 王 4, 龍 16.  The numerals count
  by value: 一1 二2 三3 四4 五5 六6 七7 八8 九9 十10.
  Every name character is checked against a second source, the glyph count
  (kTotalStrokes of ft with the radical counted in full); where the two
  disagree, resources/names/stroke_exceptions.tsv holds the reviewed count
  and its reason (露 21: the Kangxi residual of Unihan is one short).

pinyin.  One toneless reading per character: the first kMandarin reading,
  else kHanyuPinlu, kXHC1983, kHanyuPinyin.  ü is written v.  The syllables
  that occur make the list of pinyin_syllables.txt; it must have exactly 393
  entries, so the rarest odd syllables (interjections such as hm m n ê, and
  syllables that occur only in a few rare characters) are dropped, their
  characters taking their next attested reading, or the one REMAP gives.
  gbk_pinyin.tsv and the word column use the same reading.

wuhang (element).  First the meaning of the radical of ft (radicals.py:
  水 冫 雨 巛 魚 ... 水; 木 艸 禾 竹 米 糸 ... 木; 火 日 赤 火; 土 山 石 田 阜
  邑 ... 土; 金 玉 刀 戈 貝 ... 金; plus the characters of light 光 輝 耀 火).
  Where the radical names no element, the initial of the reading by the
  five sounds: 牙音 g k h 木, 舌音 d t n l 火, 喉音 (zero initial, y w) 土,
  齿音 z c s zh ch sh r j q x 金, 唇音 b p m f 水.  A character with neither
  falls to 土.

duyin.  The same reading with its tone mark: for a name character the
  reviewed name reading, else the first reading of Unihan (kMandarin first)
  whose toneless form is the pinyin; NULL where none is (a handful of
  characters with a remapped syllable).

Name set (px nan nv xb Aflag) and the reviewed tables.  The review of
  resources/names (names.py reads it) keeps or drops each character.  A kept
  one gets Aflag NULL, its sex class xb (男: nan=1 nv=0; 女: nan=0 nv=1;
  1: both; 0: nan=0 nv=1), pinyin and duyin from its name reading, and px
  1..M in the order of name_rank_key (tier, dated rare characters last, the
  list of the commonest name characters, level of the general-use list, corpus
  frequency).  Every other
  row: nan=0 nv=0 xb='0' Aflag='1' px=10000+id.  Also written:
    ziyi.tsv   gloss and note of each kept character;
    xingdu.tsv the reviewed surname readings, with the element of each
               surname character by that reading and the common-surname flag;
    xieyin.tsv the reviewed list of unlucky homophones;
    diezi.tsv  kept characters whose doubled form is a girl's name.
    shidai.tsv the reviewed marks of era.tsv: dated or fresh, and the lean of
               a both-sex character in a name of the other sex.

Usage:  make_word_table.py [--unihan DIR] [--out ROOT] [--check]
Same input gives byte-identical output.
"""

import argparse
import collections
import os
import sys
import unicodedata

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import names      # noqa: E402
import radicals   # noqa: E402
import unihan     # noqa: E402

SYLLABLE_COUNT = 393

KEEP_SELF = set(
    "胡于余范朱沈姜向志干后"      # surnames and name characters of their own
    "卜谷涂郁朴曲咸蒙秋冬千松芸"
    "才采表板辟丑出斗刮合回家借卷克困累里栗了面蔑舍同挽系旋吁御折征症"
    "致制注准肴")

FT_OVERRIDE = {"钟": "鍾"}

NUMERALS = {"一": 1, "二": 2, "三": 3, "四": 4, "五": 5,
            "六": 6, "七": 7, "八": 8, "九": 9, "十": 10}

# Syllables dropped to keep the list at 393, most odd first.
ODD_SYLLABLES = ["hm", "hng", "m", "n", "ng", "ê", "eng", "fiao", "kei", "lo",
                 "nun", "rua", "shei", "chua", "den", "ei", "o", "yo", "fo",
                 "lia", "zhuai", "me"]

# Readings for characters of a dropped syllable: characters with no other
# attested reading, and three whose attested alternative is a rare literary
# one (噢 唷 嚜).  All other characters take their next attested reading.
REMAP = {"仏": "fu", "坲": "fu", "梻": "fu", "哟": "yao", "喲": "yao",
         "唷": "yao", "噢": "ao", "囖": "luo", "扥": "dun", "扽": "dun",
         "嚒": "mo", "嚜": "mo", "濹": "mo", "癦": "mo", "诶": "xi",
         "麼": "mo", "覅": "fei", "鞥": "en", "黁": "nen", "嗯": "en"}

# Standard syllables used to complete the list should a future Unihan
# yield fewer than 393.
STANDARD_FILL = ["dia", "lo", "o", "yo", "me", "ei", "fo", "lia", "zhuai"]

# Characters of light, a fire element that no radical carries.
FIRE_CHARS = set("光晃辉輝耀烨曜晖暉熠炜煒")

INITIAL_ELEMENT = [("zh", "金"), ("ch", "金"), ("sh", "金"),
                   ("b", "水"), ("p", "水"), ("m", "水"), ("f", "水"),
                   ("d", "火"), ("t", "火"), ("n", "火"), ("l", "火"),
                   ("g", "木"), ("k", "木"), ("h", "木"),
                   ("j", "金"), ("q", "金"), ("x", "金"),
                   ("z", "金"), ("c", "金"), ("s", "金"), ("r", "金"),
                   ("y", "土"), ("w", "土")]


# ----------------------------------------------------------------- GBK

def is_gb2312_hanzi(code):
    lead, trail = code >> 8, code & 0xFF
    return 0xB0 <= lead <= 0xF7 and trail >= 0xA1


def gbk_codes():
    """[(code, character)] of every double-byte GBK code, in code order."""
    out = []
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            if trail == 0x7F:
                continue
            try:
                ch = bytes([lead, trail]).decode("gbk")
            except UnicodeDecodeError:
                continue
            if len(ch) == 1:
                out.append(((lead << 8) | trail, ch))
    return out


def is_hanzi(ch):
    name = unicodedata.name(ch, "")
    return ("CJK" in name and "IDEOGRAPH" in name
            and unicodedata.normalize("NFC", ch) == ch)


def word_chars(codes):
    gb = [(c, ch) for c, ch in codes if is_hanzi(ch) and is_gb2312_hanzi(c)]
    rest = [(c, ch) for c, ch in codes if is_hanzi(ch) and not is_gb2312_hanzi(c)]
    return gb + rest


# ----------------------------------------------------------------- ft

def traditional(zi, data):
    if zi in FT_OVERRIDE:
        return FT_OVERRIDE[zi]
    forms = unihan.code_points(data.get(zi, {}).get("kTraditionalVariant"))
    others = [f for f in forms if f != zi]
    if not others or (zi in forms and zi in KEEP_SELF):
        return zi

    def key(f):
        e = data.get(f, {})
        back = zi in unihan.code_points(e.get("kSimplifiedVariant"))
        return (not back, "kBigFive" not in e,
                int(e.get("kFrequency", "9")), ord(f))
    return min(others, key=key)


# ----------------------------------------------------------------- bh

def strokes(zi, ft, data, exceptions=None):
    if zi in NUMERALS:
        return NUMERALS[zi]
    if exceptions and zi in exceptions:
        return exceptions[zi][3]
    return kangxi_strokes(ft, data)


def kangxi_strokes(ft, data):
    """Full-form radical + Kangxi residual of the traditional form."""
    entry = data.get(ft, {})
    rs = unihan.radical_stroke(entry)
    if rs is None:
        return unihan.total_strokes(entry)
    radical, residual = rs
    if residual <= 0:
        return unihan.total_strokes(entry)
    return radicals.full_strokes(radical) + residual


# Strokes of a radical written in its reduced form inside a character, where
# the glyph count of the traditional form differs from the full form.
REDUCED_RADICAL = {85: 3, 64: 3, 61: 3, 94: 3, 96: 4, 113: 4, 145: 5, 130: 4,
                   140: 3, 122: 5, 163: 2, 170: 2, 162: 3, 125: 4}


def written_radical(entry, radical, total):
    """Strokes of the radical as the glyph writes it: from the Adobe-Japan1
    radical data where it has the character, else the reduced form where
    the total less the Unicode residual shows it, else the full form.  Radicals without a reduced
    form are written in full."""
    full = radicals.full_strokes(radical)
    if radical not in REDUCED_RADICAL:
        return full
    for token in entry.get("kRSAdobe_Japan1_6", "").split():
        r, written, _ = token.split("+")[2].split(".")
        if int(r) == radical:
            return int(written)
    unicode_rs = entry.get("kRSUnicode", "").split()
    if unicode_rs:
        residual = int(unicode_rs[0].split(".")[1])
        if total - residual == REDUCED_RADICAL[radical]:
            return REDUCED_RADICAL[radical]
    return full


def glyph_strokes(ft, data):
    """The second source: kTotalStrokes of the traditional form with its
    radical counted in full (江 6 - 3 + 4 = 7).  None where Unihan lacks it."""
    entry = data.get(ft, {})
    total = unihan.total_strokes(entry)
    rs = unihan.radical_stroke(entry)
    if total is None or rs is None:
        return None
    radical, residual = rs
    if residual <= 0:
        return total
    return total - written_radical(entry, radical, total) + radicals.full_strokes(radical)


# ----------------------------------------------------------------- pinyin

def first_reading(entry):
    for field in ("kMandarin", "kHanyuPinlu", "kXHC1983", "kHanyuPinyin"):
        value = entry.get(field)
        if not value:
            continue
        tok = value.split()[0]
        if field == "kHanyuPinlu":
            tok = tok.split("(")[0]
        elif ":" in tok:
            tok = tok.split(":", 1)[1].split(",")[0]
        return unihan.toneless(tok)
    return None


def reading_entry(ch, data):
    entry = data.get(ch)
    if not entry or first_reading(entry) is None:
        entry = data.get(unicodedata.normalize("NFC", ch), {})
    return entry


def build_syllables(chars, data):
    """Return (syllable list, {char: syllable}) for the given characters."""
    first = {}
    for ch in chars:
        r = first_reading(reading_entry(ch, data))
        if r:
            first[ch] = r
    used = collections.Counter(first.values())
    keep = set(used)
    excess = len(keep) - SYLLABLE_COUNT
    dropped = []
    for s in ODD_SYLLABLES:
        if excess <= 0:
            break
        if s in keep:
            keep.discard(s)
            dropped.append(s)
            excess -= 1
    if excess > 0:
        raise SystemExit("too many syllables left: %d" % excess)
    for s in STANDARD_FILL:
        if len(keep) >= SYLLABLE_COUNT:
            break
        keep.add(s)
    if len(keep) != SYLLABLE_COUNT:
        raise SystemExit("syllable list has %d entries" % len(keep))
    reading = {}
    for ch, r in first.items():
        if r not in keep:
            alt = [a for a in unihan.readings(reading_entry(ch, data))
                   if a in keep]
            if ch in REMAP:
                r = REMAP[ch]
            elif alt:
                r = alt[0]
            else:
                raise SystemExit("no reading for %s: extend REMAP" % ch)
            assert r in keep, (ch, r)
        reading[ch] = r
    return sorted(keep), reading, dropped


# ----------------------------------------------------------------- wuhang

def element(ft, syllable, data):
    if ft in FIRE_CHARS:
        return "火"
    rs = unihan.radical_stroke(data.get(ft, {}))
    if rs and radicals.ELEMENT.get(rs[0]):
        return radicals.ELEMENT[rs[0]]
    if syllable:
        for initial, el in INITIAL_ELEMENT:
            if syllable.startswith(initial):
                return el
        return "土"              # zero initial: a e o ...
    return "土"


# ----------------------------------------------------------------- output

def tsv_field(value):
    if value is None:
        return "\\N"
    s = str(value)
    return (s.replace("\\", "\\\\").replace("\t", "\\t")
             .replace("\n", "\\n"))


def frequency_key(zi, code, data):
    e = data.get(zi, {})
    pinlu = 0
    for tok in e.get("kHanyuPinlu", "").split():
        pinlu += int(tok.split("(")[1].rstrip(")"))
    return (int(e.get("kFrequency", "9")), not is_gb2312_hanzi(code),
            -pinlu, code)


def tgh_level(zi, data):
    """Level 1, 2 or 3 of the general-use list (kTGH serial), 4 outside it."""
    value = data.get(zi, {}).get("kTGH", "")
    if not value.startswith("2013:"):
        return 4
    serial = int(value.split(":")[1])
    return 1 if serial <= 3500 else 2 if serial <= 6500 else 3


def name_rank_key(zi, code, row, data, dated=frozenset()):
    """Order of the name set: the reviewers' popularity tier, then the list of
    the commonest name characters, then the general-use level, then corpus
    frequency (Unihan kFrequency and kHanyuPinlu).  Among the rare ones (tier 4)
    the dated characters (`dated`, era 旧) come last: corpus frequency would
    otherwise put everyday words such as 传 逢 ahead of the rare name characters."""
    popular = names.POPULAR.find(zi)
    last = row.tier == "4" and zi in dated
    return (int(row.tier), last, popular if popular >= 0 else len(names.POPULAR),
            tgh_level(zi, data)) + frequency_key(zi, code, data)


def tone_marked(entry, syllable):
    """The first tone-marked reading of `entry` whose toneless form is
    `syllable` (kMandarin first, then the dictionaries)."""
    candidates = entry.get("kMandarin", "").split()
    candidates += [t.split("(")[0] for t in entry.get("kHanyuPinlu", "").split()]
    for field in ("kXHC1983", "kTGHZ2013", "kHanyuPinyin"):
        for tok in entry.get(field, "").split():
            candidates += tok.split(":", 1)[-1].split(",")
    for c in candidates:
        if c and unihan.toneless(c) == syllable:
            return c
    return None


def build(data, review=None, exceptions=None, dated=frozenset()):
    codes = gbk_codes()
    rows = word_chars(codes)
    syllables, reading, dropped = build_syllables(
        [ch for _, ch in codes], data)
    index = {s: i + 1 for i, s in enumerate(syllables)}

    review = names.review() if review is None else review
    exceptions = names.stroke_exceptions() if exceptions is None else exceptions
    chosen_rows = names.kept(review)
    for zi, row in chosen_rows.items():      # the reading used in names
        syllable = unihan.toneless(row.reading)
        if syllable not in index:
            raise SystemExit("%s: name reading %s is not a syllable" % (zi, row.reading))
        reading[zi] = syllable
    chosen = [(code, zi) for code, zi in rows if zi in chosen_rows]
    chosen.sort(key=lambda cz: name_rank_key(cz[1], cz[0], chosen_rows[cz[1]], data, dated))
    px = {zi: i + 1 for i, (_, zi) in enumerate(chosen)}

    word = []
    for n, (code, zi) in enumerate(rows, 1):
        ft = traditional(zi, data)
        py = reading.get(zi)
        row = chosen_rows.get(zi)
        if row is None:
            flags = (10000 + n, 0, 0, "0", "1")
            tone = tone_marked(reading_entry(zi, data), py) if py else None
        else:
            nan = 1 if row.xb in ("男", "1") else 0
            nv = 1 if row.xb in ("女", "1", "0") else 0
            flags = (px[zi], nan, nv, row.xb, None)
            tone = row.reading
        word.append((n, zi, ft, strokes(zi, ft, data, exceptions)) + flags[:4] +
                    (element(ft, py, data), flags[4], py, tone))

    gbk = [(code, index[reading[ch]]) for code, ch in codes if ch in reading]
    return word, syllables, gbk, dropped, reading


def ziyi_rows(review):
    """Glosses of the name set (yi) and the notes of the popular ones."""
    out = []
    for zi, row in sorted(names.kept(review).items(),
                          key=lambda kv: kv[0].encode("gbk")):
        out.append((zi, row.gloss, row.note or None))
    return out


def surname_rows(data, word):
    """Table xingdu: each surname with its reading as a surname, toneless and
    tone-marked, the element of each character by that reading, and whether
    it is one of the hundred commonest."""
    by_zi = {r[1]: r for r in word}
    top = set(names.top_surnames())
    out = []
    for xing, syllables, _ in names.surname_readings():
        toneless = [unihan.toneless(s) for s in syllables]
        elements = "".join(element(by_zi[ch][2], t, data)
                           for ch, t in zip(xing, toneless))
        out.append((xing, " ".join(toneless), " ".join(syllables), elements,
                    1 if xing in top else 0))
    return out


def homophone_rows():
    """Table xieyin: the unlucky words a name must not sound like."""
    return [(word, reading, kind) for word, reading, kind in names.homophones()]


def doubled_rows(review):
    """Table diezi: characters whose doubled form is a usual girl's name."""
    return [(zi,) for zi, row in sorted(names.kept(review).items(),
                                        key=lambda kv: kv[0].encode("gbk"))
            if row.dbl == "1"]


WORD_HEADER = ["id", "zi", "ft", "bh", "px", "nan", "nv", "xb", "wuhang",
               "Aflag", "pinyin", "duyin"]
TABLES = {"ziyi": ["zi", "yi", "shuoming"],
          "xingdu": ["xing", "pinyin", "duyin", "wuhang", "changjian"],
          "xieyin": ["ci", "duyin", "lei"],
          "diezi": ["zi"],
          "shidai": ["zi", "era", "lean"]}


def write_table(path, header, rows):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\t".join(header) + "\n")
        for row in rows:
            f.write("\t".join(tsv_field(v) for v in row) + "\n")


def write_outputs(root, word, syllables, gbk, tables):
    def path(*parts):
        p = os.path.join(root, *parts)
        os.makedirs(os.path.dirname(p), exist_ok=True)
        return p

    write_table(path("resources", "db", "Voduzid", "word.tsv"), WORD_HEADER, word)
    for name, rows in tables.items():
        write_table(path("resources", "db", "Voduzid", name + ".tsv"),
                    TABLES[name], rows)
    with open(path("resources", "texts", "pinyin_syllables.txt"), "w",
              encoding="utf-8", newline="\n") as f:
        f.write("".join(s + "\n" for s in syllables))
    with open(path("resources", "texts", "gbk_pinyin.tsv"), "w",
              encoding="utf-8", newline="\n") as f:
        f.write("code\tsyllable\n")
        for code, idx in gbk:
            f.write("%04X\t%d\n" % (code, idx))


# ----------------------------------------------------------------- checks

def run_checks(word, syllables, gbk, dropped, data, review, tables):
    import checks
    return checks.run(word, syllables, gbk, dropped, data, review, tables)


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--unihan", help="directory with Unihan.zip or Unihan_*.txt[.bz2]")
    ap.add_argument("--out", default=os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", ".."),
        help="project root to write into (default: this checkout)")
    ap.add_argument("--check", action="store_true",
                    help="print the checks (surnames, name characters, "
                         "expected strokes, flags) after writing")
    args = ap.parse_args(argv)

    data = unihan.load(unihan.find_dir(args.unihan))
    review = names.review()
    era = names.era_marks(review)
    dated = {zi for zi, mark, _ in era if mark == "旧"}
    word, syllables, gbk, dropped, _ = build(data, review, dated=dated)
    tables = {"ziyi": ziyi_rows(review), "xingdu": surname_rows(data, word),
              "xieyin": homophone_rows(), "diezi": doubled_rows(review),
              "shidai": era}
    write_outputs(os.path.normpath(args.out), word, syllables, gbk, tables)
    print("word rows %d, syllables %d, gbk codes %d" %
          (len(word), len(syllables), len(gbk)))
    if args.check:
        return run_checks(word, syllables, gbk, dropped, data, review, tables)
    return 0


if __name__ == "__main__":
    sys.exit(main())
