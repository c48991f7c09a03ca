"""Checks printed by make_word_table.py --check.

Part of them only report (the traditional form, strokes and element of the
common surnames and name characters, for a reader to look over), part of
them are hard rules of the output; a broken rule makes the run fail.
"""

import collections

import names
import unihan

# The 300 most common surnames of the mainland, most common first.
SURNAMES = (
    "王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田"
    "董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白"
    "邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤常温"
    "康施文牛樊葛邢安齐易乔伍庞颜倪庄聂章鲁岳翟殷詹申欧耿关兰焦俞左柳甘祝"
    "包宁尚符舒阮柯纪梅童凌毕单季裴霍涂成苗谷盛曲翁冉骆蓝路游辛靳管柴蒙鲍"
    "华喻祁蒲房滕屈饶解牟艾尤阳时穆农司卓古吉缪简车项连芦麦褚娄窦戚岑景党"
    "宫费卜冷晏席卫米柏宗瞿桂全佟应臧闵苟邬边卞姬师和仇栾隋商刁沙荣巫寇桑"
    "郎甄丛仲虞敖巩明佘池查麻苑迟邝官封谈匡鞠惠荆乐冀郁胥南班储原栗燕楚鄢"
    "劳谌奚皮冼蔺楼盘满闻位厉伊仝区郜海阚花权强帅屠豆朴盖练廉")

# Stroke counts a naming handbook gives for common surnames and name
# characters (traditional form in the comment where it differs).
EXPECTED = {
    "王": 4, "李": 7, "张": 11, "刘": 15, "陈": 16, "江": 7, "郭": 15,
    "黄": 12, "赵": 14, "周": 8, "吴": 7, "徐": 10, "孙": 10, "胡": 11,
    "朱": 6, "高": 10, "林": 8, "何": 7, "马": 10, "罗": 20, "梁": 11,
    "宋": 7, "郑": 19, "谢": 17, "韩": 17, "唐": 10, "冯": 12, "于": 3,
    "董": 15, "萧": 18, "程": 12, "曹": 11, "袁": 10, "邓": 19, "许": 11,
    "傅": 12, "沈": 8, "曾": 12, "彭": 12, "吕": 7, "苏": 22, "卢": 16,
    "蒋": 17, "蔡": 17, "贾": 13, "丁": 2, "魏": 18, "薛": 19, "叶": 15,
    "阎": 16, "余": 7, "潘": 16, "杜": 7, "戴": 18, "夏": 10, "钟": 17,
    "汪": 8, "田": 5, "任": 6, "姜": 9, "范": 11, "方": 4, "石": 5,
    "姚": 9, "谭": 19, "廖": 14, "邹": 17, "熊": 14, "金": 8, "陆": 16,
    "郝": 14, "孔": 4, "白": 5, "崔": 11, "康": 11, "毛": 4, "邱": 12,
    "秦": 10, "史": 5, "顾": 21, "侯": 9, "邵": 12, "孟": 8, "龙": 16,
    "万": 15, "段": 9, "雷": 13, "钱": 16, "汤": 13, "尹": 4, "黎": 15,
    "易": 8, "常": 11, "武": 8, "乔": 12, "贺": 12, "赖": 16, "龚": 22,
    "文": 4,
    "明": 8, "华": 14, "伟": 11, "芳": 10, "娜": 10, "敏": 11, "静": 16,
    "丽": 19, "强": 12, "磊": 15, "洋": 10, "艳": 24, "勇": 9, "军": 9,
    "杰": 12, "娟": 10, "涛": 18, "超": 12, "浩": 11, "鑫": 24, "宇": 6,
    "欣": 8, "怡": 9, "思": 9, "雨": 8, "子": 3, "梓": 11, "轩": 10,
    "涵": 12, "萱": 15, "诗": 13, "琪": 13,
}

ELEMENTS = set("金木水火土")


# Counts the Kangxi residual of Unihan gets wrong (the glyph disagrees); the
# stroke exceptions of resources/names must set them right.
GLYPH_FIXED = {"兴": 16, "露": 21, "璐": 18, "政": 9, "整": 16, "斌": 12}

COLUMNS = ["id", "zi", "ft", "bh", "px", "nan", "nv", "xb", "wuhang",
           "Aflag", "pinyin", "duyin"]


def stroke_disagreements(word, data, chars):
    """[(zi, ft, kangxi, glyph)] of the given characters whose two stroke
    sources disagree."""
    import make_word_table as m
    rows = {r[1]: r for r in word}
    out = []
    for zi in chars:
        if zi in m.NUMERALS or zi not in rows:
            continue
        ft = rows[zi][2]
        kangxi, glyph = m.kangxi_strokes(ft, data), m.glyph_strokes(ft, data)
        if glyph is not None and kangxi != glyph:
            out.append((zi, ft, kangxi, glyph))
    return out


# The characters that come first in a naming run each carry a note of one or two
# sentences; the recommended names quote it, so a missing or runaway note shows.
NOTED = 600
NOTE_LENGTH = (30, 70)


def note_problems(word, kept):
    """Notes missing or out of length among the NOTED kept characters of
    smallest px; other kept characters may have a note, of the same length."""
    popular = {zi for _, zi in sorted((r[4], r[1]) for r in word if r[1] in kept)[:NOTED]}
    low, high = NOTE_LENGTH
    problems = []
    for zi, row in kept.items():
        if not row.note and zi in popular:
            problems.append("%s: popular character without a note" % zi)
        elif row.note and not low <= len(row.note) <= high:
            problems.append("%s: note of %d characters" % (zi, len(row.note)))
    return problems


def check_review(word, data, review, tables, fail):
    """Rules of the reviewed sources: the name set, its surnames, readings,
    stroke decisions, surname readings and the homophone list."""
    import make_word_table as m
    import unihan
    kept = names.kept(review)
    top = set(names.top_surnames())
    for zi, row in kept.items():
        if zi in top and names.ALSO_SURNAME not in row.reason:
            fail("%s: common surname kept without %s" % (zi, names.ALSO_SURNAME))
        level = m.tgh_level(zi, data)
        if level == 4:
            fail("%s: kept outside the general-use list" % zi)
        elif level == 3 and row.tier != "4":
            fail("%s: level-3 character in tier %s" % (zi, row.tier))
        if len(row.gloss) > 24 or not row.gloss:
            fail("%s: gloss of %d characters" % (zi, len(row.gloss)))
        if row.dbl not in ("0", "1"):
            fail("%s: dbl %r" % (zi, row.dbl))
    for problem in note_problems(word, kept):
        fail(problem)
    exceptions = names.stroke_exceptions()
    disagreements = stroke_disagreements(word, data, kept)
    undecided = [d for d in disagreements if d[0] not in exceptions]
    for zi, ft, kangxi, glyph in undecided:
        fail("%s (%s): Kangxi %d, glyph %d, no decision" % (zi, ft, kangxi, glyph))
    for zi, (ft, kangxi, glyph, bh, _) in exceptions.items():
        now = (m.kangxi_strokes(ft, data), m.glyph_strokes(ft, data))
        if now != (kangxi, glyph) or bh not in (kangxi, glyph):
            fail("%s: stroke decision out of date (%d %d, now %d %s)" %
                 ((zi, kangxi, glyph) + now))
    rows = {r[1]: r for r in word}
    for zi, want in GLYPH_FIXED.items():
        if rows[zi][3] != want:
            fail("%s: %d strokes, not %d" % (zi, rows[zi][3], want))
    surnames = {x for x, _, _, _, _ in tables["xingdu"]}
    for x in top:
        if x not in surnames:
            fail("%s: common surname without a reading" % x)
    for x, pinyin, duyin, _, _ in tables["xingdu"]:
        for s in pinyin.split():
            if s not in {r[10] for r in word}:
                fail("%s: surname reading %s is not a syllable" % (x, s))
    for word_, reading, _ in tables["xieyin"]:
        if len(reading.split()) != len(word_):
            fail("%s: homophone reading %r" % (word_, reading))
    print("\nreviewed: %d characters, %d kept; %d stroke decisions, %d "
          "disagreements among the kept; %d surnames; %d homophones" %
          (len(review), len(kept), len(exceptions), len(disagreements),
           len(tables["xingdu"]), len(tables["xieyin"])))


def run(word, syllables, gbk, dropped, data, review, tables):
    failures = []

    def fail(msg):
        failures.append(msg)

    rows = {r[1]: r for r in word}
    by_col = lambda r: dict(zip(COLUMNS, r))

    # --- hard rules of the word table
    if [r[0] for r in word] != list(range(1, len(word) + 1)):
        fail("ids are not 1..N")
    if len(rows) != len(word):
        fail("zi is not unique")
    gb2312 = sum(1 for r in word
                 if 0xB0 <= r[1].encode("gbk")[0] <= 0xF7
                 and r[1].encode("gbk")[1] >= 0xA1)
    if gb2312 < 6763:
        fail("only %d GB2312 hanzi" % gb2312)
    seen_other = False
    syl = set(syllables)
    px_seen = set()
    for r in word:
        c = by_col(r)
        code = c["zi"].encode("gbk")
        is_gb = 0xB0 <= code[0] <= 0xF7 and code[1] >= 0xA1
        if not is_gb:
            seen_other = True
        elif seen_other:
            fail("%s: GB2312 row after the other GBK rows" % c["zi"])
        if not c["ft"] or len(c["ft"]) != 1:
            fail("%s: ft %r" % (c["zi"], c["ft"]))
        if not isinstance(c["bh"], int) or not 1 <= c["bh"] <= 64:
            fail("%s: bh %r" % (c["zi"], c["bh"]))
        if c["wuhang"] not in ELEMENTS:
            fail("%s: wuhang %r" % (c["zi"], c["wuhang"]))
        if c["pinyin"] is not None and c["pinyin"] not in syl:
            fail("%s: pinyin %r not in the syllable list" % (c["zi"], c["pinyin"]))
        if c["duyin"] is not None and unihan.toneless(c["duyin"]) != c["pinyin"]:
            fail("%s: duyin %s is not pinyin %s" % (c["zi"], c["duyin"], c["pinyin"]))
        if c["px"] in px_seen:
            fail("%s: px %d twice" % (c["zi"], c["px"]))
        px_seen.add(c["px"])
        if c["Aflag"] is None:
            want = {"男": (1, 0), "女": (0, 1), "1": (1, 1), "0": (0, 1)}
            if want.get(c["xb"]) != (c["nan"], c["nv"]):
                fail("%s: xb %s with nan=%s nv=%s" %
                     (c["zi"], c["xb"], c["nan"], c["nv"]))
            if "kTGHZ2013" not in data.get(c["zi"], {}):
                fail("%s: name character outside the general-use list" % c["zi"])
            if c["px"] > 10000:
                fail("%s: name character with px %d" % (c["zi"], c["px"]))
        elif (c["nan"], c["nv"], c["xb"]) != (0, 0, "0") or c["px"] <= 10000:
            fail("%s: row outside the name set carries flags" % c["zi"])
    for ch in names.classes(review):
        if ch not in rows:
            fail("name character %s has no row" % ch)
    check_review(word, data, review, tables, fail)

    # --- syllables and the GBK table
    if len(syllables) != 393 or syllables[0] != "a" or syllables[-1] != "zuo":
        fail("syllable list: %d entries, %s..%s" %
             (len(syllables), syllables[0], syllables[-1]))
    if syllables != sorted(syllables) or len(set(syllables)) != len(syllables):
        fail("syllable list not sorted or not unique")
    used = collections.Counter(idx for _, idx in gbk)
    unused = [s for i, s in enumerate(syllables, 1) if i not in used]
    codes = [c for c, _ in gbk]
    if codes != sorted(set(codes)):
        fail("GBK codes not sorted or not unique")
    for code, _ in gbk:
        lead, trail = code >> 8, code & 0xFF
        if not (0x81 <= lead <= 0xFE and 0x40 <= trail <= 0xFE and trail != 0x7F):
            fail("bad GBK code %04X" % code)
    for zi in ("啊", "阿", "张", "刘", "行", "重", "谁"):
        code = int.from_bytes(zi.encode("gbk"), "big")
        got = dict(gbk).get(code)
        print("  %s %04X -> %s" % (zi, code, syllables[got - 1] if got else "-"))

    # --- reports
    print("\nsyllables dropped to keep 393: %s" % " ".join(dropped))
    print("syllables in the list that no GBK character reads: %s" %
          (" ".join(unused) or "none"))

    print("\nsurnames (zi ft bh element pinyin):")
    line = []
    for i, zi in enumerate(SURNAMES, 1):
        c = by_col(rows[zi])
        line.append("%s%s%d%s" % (zi, c["ft"] if c["ft"] != zi else "",
                                  c["bh"], c["wuhang"]))
        if i % 12 == 0:
            print("  " + " ".join(line))
            line = []
    if line:
        print("  " + " ".join(line))

    print("\nname characters (the first 240 by px):")
    line = []
    named_rows = sorted((r for r in word if r[9] is None), key=lambda r: r[4])
    for i, zi in enumerate([r[1] for r in named_rows][:240], 1):
        c = by_col(rows[zi])
        line.append("%s%s%d%s%s" % (zi, c["ft"] if c["ft"] != zi else "",
                                    c["bh"], c["wuhang"], c["xb"]))
        if i % 12 == 0:
            print("  " + " ".join(line))
            line = []
    if line:
        print("  " + " ".join(line))

    print("\nagainst the handbook strokes:")
    diffs = 0
    for zi, bh in EXPECTED.items():
        c = by_col(rows[zi])
        if c["bh"] != bh:
            diffs += 1
            print("  %s (%s): computed %d, handbook %d" %
                  (zi, c["ft"], c["bh"], bh))
    print("  %d of %d differ" % (diffs, len(EXPECTED)))

    named = [by_col(r) for r in word if r[9] is None]
    split = collections.Counter(c["xb"] for c in named)
    print("\nname set: %d characters; xb 男 %d, 女 %d, 1 %d, 0 %d" %
          (len(named), split["男"], split["女"], split["1"], split["0"]))
    print("elements: " + " ".join("%s %d" % (e, n) for e, n in sorted(
        collections.Counter(r[8] for r in word).items())))

    if failures:
        print("\nFAILED (%d):" % len(failures))
        for msg in failures[:50]:
            print("  " + msg)
        return 1
    print("\nall rules hold")
    return 0
