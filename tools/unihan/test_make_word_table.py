"""Tests of the word-table generator and of its committed outputs.

Run from the project root:  python3 -m unittest discover tools/unihan
The rule tests use small hand-made Unihan entries; the output tests read the
committed files, so neither needs the Unihan database.
"""

import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, HERE)

import checks              # noqa: E402
import make_word_table as m  # noqa: E402
import names               # noqa: E402
import radicals            # noqa: E402
import unihan              # noqa: E402


def entry(rs=None, total=None, **fields):
    e = dict(fields)
    if rs:
        e["kRSKangXi"] = rs
    if total:
        e["kTotalStrokes"] = total
    return e


class ParsingTest(unittest.TestCase):
    def test_toneless(self):
        self.assertEqual(unihan.toneless("lǘ"), "lv")
        self.assertEqual(unihan.toneless("nüè"), "nve")
        self.assertEqual(unihan.toneless("Zhāng"), "zhang")
        self.assertEqual(unihan.toneless("ḿ"), "m")

    def test_radical_stroke_takes_first_value_and_drops_the_mark(self):
        self.assertEqual(unihan.radical_stroke({"kRSUnicode": "201.0 201'.0"}),
                         (201, 0))
        self.assertEqual(unihan.radical_stroke({"kRSUnicode": "120'.3"}), (120, 3))
        self.assertEqual(unihan.radical_stroke({"kRSKangXi": "96.-1",
                                                "kRSUnicode": "1.0"}), (96, -1))
        self.assertIsNone(unihan.radical_stroke({}))

    def test_total_strokes_prefers_the_traditional_count(self):
        self.assertEqual(unihan.total_strokes({"kTotalStrokes": "9 10"}), 10)
        self.assertEqual(unihan.total_strokes({"kTotalStrokes": "4"}), 4)

    def test_readings_order_and_dedup(self):
        e = {"kMandarin": "hé", "kHanyuPinlu": "hé(9513) huo(38)",
             "kXHC1983": "0437.010:hé 0446.030:huó"}
        self.assertEqual(unihan.readings(e), ["he", "huo"])

    def test_code_points(self):
        self.assertEqual(unihan.code_points("U+5218 U+5289<kMatthews"), ["刘", "劉"])
        self.assertEqual(unihan.code_points(None), [])

    def test_tsv_field_escapes(self):
        self.assertEqual(m.tsv_field(None), "\\N")
        self.assertEqual(m.tsv_field("a\tb\nc\\"), "a\\tb\\nc\\\\")
        self.assertEqual(m.tsv_field(12), "12")


class StrokeRuleTest(unittest.TestCase):
    def test_full_form_counts_at_every_boundary(self):
        bounds = {1: 1, 6: 1, 7: 2, 29: 2, 30: 3, 60: 3, 61: 4, 94: 4, 95: 5,
                  117: 5, 118: 6, 146: 6, 147: 7, 166: 7, 167: 8, 175: 8,
                  176: 9, 186: 9, 187: 10, 194: 10, 195: 11, 200: 11, 201: 12,
                  204: 12, 205: 13, 208: 13, 209: 14, 210: 14, 211: 15,
                  212: 16, 213: 16, 214: 17}
        for number, strokes in bounds.items():
            self.assertEqual(radicals.full_strokes(number), strokes, number)
        self.assertRaises(ValueError, radicals.full_strokes, 215)
        self.assertEqual(len(radicals.RADICALS), 214)

    def test_reduced_radicals_count_full(self):
        data = {"江": entry("85.3", "6"),      # 氵 = 水 4
                "胡": entry("130.5", "9"),     # 月 for flesh = 肉 6
                "明": entry("72.4", "8"),
                "期": entry("74.8", "12"),     # moon radical stays 4
                "郭": entry("163.8", "10"),    # right 阝 = 邑 7
                "陳": entry("170.8", "11")}    # left 阝 = 阜 8
        got = {ch: m.strokes(ch, ch, data) for ch in data}
        self.assertEqual(got, {"江": 7, "胡": 11, "明": 8, "期": 12,
                               "郭": 15, "陳": 16})

    def test_radical_characters_count_their_own_strokes(self):
        data = {"王": entry("96.-1", "4"), "龍": entry("212.0", "16"),
                "骨": entry("188.0", "9 10")}
        self.assertEqual(m.strokes("王", "王", data), 4)
        self.assertEqual(m.strokes("龙", "龍", data), 16)
        self.assertEqual(m.strokes("骨", "骨", data), 10)

    def test_counted_on_the_traditional_form(self):
        data = {"刘": entry("18.4", "6"), "劉": entry("18.13", "15")}
        self.assertEqual(m.strokes("刘", "劉", data), 15)

    def test_numerals_count_by_value(self):
        data = {"四": entry("31.2", "5"), "九": entry("5.1", "2"),
                "十": entry("24.0", "2")}
        self.assertEqual([m.strokes(c, c, data) for c in "四九十"], [4, 9, 10])


class TraditionalTest(unittest.TestCase):
    def test_self_listed_form_gives_way_to_the_other(self):
        data = {"刘": {"kTraditionalVariant": "U+5218 U+5289"}, "劉": {}}
        self.assertEqual(m.traditional("刘", data), "劉")

    def test_keep_self_and_override(self):
        data = {"胡": {"kTraditionalVariant": "U+80E1 U+9B0D"},
                "钟": {"kTraditionalVariant": "U+937E U+9418"}}
        self.assertEqual(m.traditional("胡", data), "胡")
        self.assertEqual(m.traditional("钟", data), "鍾")

    def test_no_variant_is_itself(self):
        self.assertEqual(m.traditional("乾", {"乾": {}}), "乾")

    def test_several_candidates(self):
        # 發 points back and is more frequent; 髮 is the rarer merge partner.
        data = {"发": {"kTraditionalVariant": "U+767C U+9AEE"},
                "發": {"kSimplifiedVariant": "U+53D1", "kBigFive": "B56F",
                       "kFrequency": "1"},
                "髮": {"kSimplifiedVariant": "U+53D1", "kBigFive": "BE76",
                       "kFrequency": "4"}}
        self.assertEqual(m.traditional("发", data), "發")
        # A form that does not point back loses even when more frequent.
        data["發"]["kSimplifiedVariant"] = "U+767C"
        self.assertEqual(m.traditional("发", data), "髮")


class ElementTest(unittest.TestCase):
    def test_radical_first_then_sound(self):
        data = {"江": entry("85.3"), "張": entry("57.8"), "安": entry("40.3"),
                "輝": entry("159.8"), "德": entry("60.12"), "白": entry("106.0")}
        self.assertEqual(m.element("江", "jiang", data), "水")
        self.assertEqual(m.element("白", "bai", data), "金")
        self.assertEqual(m.element("張", "zhang", data), "金")
        self.assertEqual(m.element("安", "an", data), "土")      # zero initial
        self.assertEqual(m.element("德", "de", data), "火")
        self.assertEqual(m.element("輝", "hui", data), "火")     # light
        self.assertEqual(m.element("德", None, data), "土")

    def test_every_initial_has_an_element(self):
        for syllable in ("ba", "pa", "ma", "fa", "da", "ta", "na", "la", "ga",
                         "ka", "ha", "ji", "qi", "xi", "zhi", "chi", "shi",
                         "ri", "zi", "ci", "si", "ya", "wa", "e"):
            self.assertIn(m.element("", syllable, {}), checks.ELEMENTS)


class SyllableTest(unittest.TestCase):
    def setUp(self):
        self.saved = m.SYLLABLE_COUNT

    def tearDown(self):
        m.SYLLABLE_COUNT = self.saved

    def test_drops_odd_syllables_and_remaps_their_characters(self):
        data = {"啊": {"kMandarin": "a"}, "八": {"kMandarin": "bā"},
                "哦": {"kMandarin": "ó", "kXHC1983": "0282.090:é"},
                "鹅": {"kMandarin": "é"}, "很": {"kMandarin": "hěn"},
                "噷": {"kMandarin": "hm", "kHanyuPinyin": "10461.020:hm,hēn"},
                "奥": {"kMandarin": "ào"}, "玉": {"kMandarin": "yù"},
                "噢": {"kMandarin": "ō", "kTGHZ2013": "272.010:ō 999.010:yù"}}
        m.SYLLABLE_COUNT = 6
        syllables, reading, dropped = m.build_syllables(list(data), data)
        self.assertEqual(syllables, ["a", "ao", "ba", "e", "hen", "yu"])
        self.assertEqual(dropped, ["hm", "o"])
        self.assertEqual(reading["哦"], "e")      # next attested reading
        self.assertEqual(reading["噷"], "hen")
        self.assertEqual(reading["噢"], "ao")     # REMAP beats a literary one
        self.assertEqual(reading["八"], "ba")

    def test_fills_up_to_the_count(self):
        data = {"啊": {"kMandarin": "a"}}
        m.SYLLABLE_COUNT = 3
        syllables, _, _ = m.build_syllables(list(data), data)
        self.assertEqual(syllables, ["a", "dia", "lo"])

    def test_unmapped_character_is_an_error(self):
        data = {"啊": {"kMandarin": "a"}, "嘸": {"kMandarin": "m"}}
        m.SYLLABLE_COUNT = 1
        self.assertRaises(SystemExit, m.build_syllables, list(data), data)


class GlyphStrokeTest(unittest.TestCase):
    """The second stroke source: the glyph count of the traditional form."""

    def test_reduced_radical_counts_full(self):
        data = {"江": entry("85.3", "6", kRSUnicode="85.3"),
                "璐": entry("96.12", "17", kRSUnicode="96.12",
                           kRSAdobe_Japan1_6="C+1+96.4.13"),
                "露": entry("173.12", "21", kRSUnicode="173.12"),
                "興": entry("134.9", "16", kRSUnicode="134.9",
                           kRSAdobe_Japan1_6="C+1+134.7.9")}
        self.assertEqual(m.glyph_strokes("江", data), 7)
        self.assertEqual(m.glyph_strokes("璐", data), 18)
        self.assertEqual(m.glyph_strokes("露", data), 21)
        # Adobe's radical count is used only for radicals with a reduced form.
        self.assertEqual(m.glyph_strokes("興", data), 16)
        self.assertEqual(m.kangxi_strokes("興", data), 15)
        self.assertIsNone(m.glyph_strokes("无", {}))

    def test_full_form_written_in_full(self):
        # 泰: 水 written in full below, the Unicode residual shows it.
        data = {"泰": entry("85.5", "10", kRSUnicode="85.5")}
        self.assertEqual(m.glyph_strokes("泰", data), 10)

    def test_exception_decides(self):
        data = {"露": entry("173.12", "21")}
        self.assertEqual(m.strokes("露", "露", data), 20)
        decided = {"露": ("露", 20, 21, 21, "雨8加路13")}
        self.assertEqual(m.strokes("露", "露", data, decided), 21)
        self.assertEqual(m.strokes("九", "九", data, {"九": ("九", 2, 2, 5, "")}), 9)


def review_row(zi, keep="1", xb="1", tier="2", dbl="0", reading="míng",
               gloss="光明", note="", reason="常见名字用字"):
    return names.Row(zi, keep, xb, tier, dbl, reading, gloss, note, reason)


class ReviewTest(unittest.TestCase):
    def write(self, directory, name, lines):
        with open(os.path.join(directory, name), "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")

    def test_reader_checks_fields_and_later_files_win(self):
        import tempfile
        header = "\t".join(names.REVIEW_HEADER)
        with tempfile.TemporaryDirectory() as d:
            self.write(d, "review-1.tsv", [header,
                       "明\t1\t1\t1\t0\tmíng\t光明\t\t常见",
                       "刀\t0\t\t\t\t\t\t\t凶器"])
            self.write(d, "review-extra.tsv", [header,
                       "刀\t1\t男\t4\t0\tdāo\t刀\t\t试"])
            rows = names.review(d)
            self.assertEqual(sorted(names.kept(rows)), ["刀", "明"])
            self.assertEqual(names.classes(rows), {"明": "1", "刀": "男"})
            self.write(d, "review-2.tsv", [header, "雨\t1\t2\t1\t0\tyǔ\t雨\t\t"])
            self.assertRaises(ValueError, names.review, d)
            self.write(d, "review-2.tsv", [header, "雨\t1\t女\t1\t0"])
            self.assertRaises(ValueError, names.review, d)

    def test_popular_characters_need_a_note_of_fitting_length(self):
        note = "明是日月同辉的光亮。常见词有“光明”，用在名字里寓意孩子心地敞亮、前程光明。"
        kept = {"明": review_row("明", note=note), "伟": review_row("伟"),
                "璨": review_row("璨", note="璀璨"), "瑷": review_row("瑷")}
        word = [(1, "明", "明", 8, 1), (2, "伟", "偉", 11, 2), (3, "瑷", "璦", 18, 10),
                (4, "刀", "刀", 2, 0), (5, "璨", "璨", 17, 9)]
        old = checks.NOTED
        checks.NOTED = 2
        try:
            problems = checks.note_problems(word, kept)
        finally:
            checks.NOTED = old
        # 伟 is among the first two kept by px (刀 is not kept); 瑷 is not and may
        # go without; a note that is there must have the length of one.
        self.assertEqual(sorted(problems), ["伟: popular character without a note",
                                            "璨: note of 2 characters"])

    def test_era_marks_are_checked_against_the_name_set(self):
        import tempfile
        header = "\t".join(names.REVIEW_HEADER)
        era_header = "\t".join(names.ERA_HEADER)
        with tempfile.TemporaryDirectory() as d:
            self.write(d, "review-1.tsv", [header,
                       "明\t1\t1\t1\t0\tmíng\t光明\t\t常见",
                       "军\t1\t男\t1\t0\tjūn\t军队\t\t常见",
                       "刀\t0\t\t\t\t\t\t\t凶器"])
            rows = names.review(d)
            self.write(d, "era.tsv", [era_header, "军\t旧\t-\t时代名", "明\t-\t男\t偏男气"])
            self.assertEqual(names.era_marks(rows, d), [("军", "旧", ""), ("明", "", "男")])
            bad = {"unknown mark": "明\t老\t-\t理由",
                   "no mark at all": "明\t-\t-\t理由",
                   "lean of a one-sex character": "军\t-\t女\t理由",
                   "not in the name set": "刀\t旧\t-\t理由",
                   "no reason": "明\t新\t-\t",
                   "twice": "明\t新\t-\t理由\n明\t旧\t-\t理由"}
            for why, line in bad.items():
                self.write(d, "era.tsv", [era_header, line])
                with self.assertRaises(ValueError, msg=why):
                    names.era_marks(rows, d)

    def test_committed_era_marks_match_the_table(self):
        rows = names.era_marks(names.review())
        path = os.path.join(ROOT, "resources", "db", "Voduzid", "shidai.tsv")
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")[1:-1]
        self.assertEqual(lines, ["\t".join(r) for r in rows])

    def test_rank_follows_tier_then_popular_list_then_level(self):
        data = {"伟": {"kTGH": "2013:400"}, "敏": {"kTGH": "2013:900"},
                "琪": {"kTGH": "2013:4000", "kFrequency": "3"},
                "瑷": {"kTGH": "2013:7000"}, "璨": {"kTGH": "2013:5000", "kFrequency": "5"}}
        rows = {"伟": review_row("伟", tier="2"), "敏": review_row("敏", tier="1"),
                "琪": review_row("琪", tier="2"), "璨": review_row("璨", tier="2"),
                "瑷": review_row("瑷", tier="4")}
        order = sorted(rows, key=lambda z: m.name_rank_key(z, 0xB0A1, rows[z], data))
        self.assertEqual(order, ["敏", "伟", "琪", "璨", "瑷"])
        self.assertEqual([m.tgh_level(z, data) for z in "伟琪瑷"], [1, 2, 3])
        self.assertEqual(m.tgh_level("丂", data), 4)

    def test_dated_rare_characters_rank_after_the_other_rare_ones_only(self):
        # 有 is far more frequent than 璨, yet as a dated tier-4 character it goes
        # last; a dated character of a higher tier keeps its place.
        data = {"有": {"kTGH": "2013:50", "kFrequency": "1"},
                "璨": {"kTGH": "2013:5000", "kFrequency": "5"},
                "军": {"kTGH": "2013:300", "kFrequency": "1"},
                "琪": {"kTGH": "2013:4000", "kFrequency": "3"}}
        rows = {"有": review_row("有", tier="4"), "璨": review_row("璨", tier="4"),
                "军": review_row("军", tier="3"), "琪": review_row("琪", tier="3")}
        dated = {"有", "军"}
        order = sorted(rows, key=lambda z: m.name_rank_key(z, 0xB0A1, rows[z], data, dated))
        self.assertEqual(order, ["军", "琪", "璨", "有"])
        plain = sorted(rows, key=lambda z: m.name_rank_key(z, 0xB0A1, rows[z], data))
        self.assertEqual(plain, ["军", "琪", "有", "璨"])

    def test_tone_marked_reading_matches_the_syllable(self):
        e = {"kMandarin": "cháng", "kXHC1983": "0121.040:cháng 1456.020:zhǎng"}
        self.assertEqual(m.tone_marked(e, "zhang"), "zhǎng")
        self.assertEqual(m.tone_marked(e, "chang"), "cháng")
        self.assertIsNone(m.tone_marked(e, "zang"))


class SurnameTableTest(unittest.TestCase):
    def test_element_follows_the_surname_reading(self):
        # 区 qū (齿音 金) as a word, ōu (喉音 土) as a surname; 曾 keeps 金.
        data = {"區": entry("23.9"), "曾": entry("73.8")}
        word = [(1, "区", "區"), (2, "曾", "曾"), (3, "覃", "覃")]
        saved = names.surname_readings, names.top_surnames
        names.surname_readings = lambda: [("区", ["ōu"], ""), ("曾", ["zēng"], ""),
                                          ("覃", ["qín"], "")]
        names.top_surnames = lambda: ["曾"]
        try:
            rows = m.surname_rows(data, word)
        finally:
            names.surname_readings, names.top_surnames = saved
        self.assertEqual(rows, [("区", "ou", "ōu", "土", 0), ("曾", "zeng", "zēng", "金", 1),
                                ("覃", "qin", "qín", "金", 0)])


def read_tsv(*parts):
    with open(os.path.join(ROOT, *parts), encoding="utf-8") as f:
        lines = f.read().split("\n")
    assert lines[-1] == ""
    return [line.split("\t") for line in lines[:-1]]


class OutputTest(unittest.TestCase):
    """The committed files, as the database builder will load them."""

    @classmethod
    def setUpClass(cls):
        cls.word = read_tsv("resources", "db", "Voduzid", "word.tsv")
        cls.rows = {r[1]: r for r in cls.word[1:]}
        with open(os.path.join(ROOT, "resources", "texts",
                               "pinyin_syllables.txt"), encoding="utf-8") as f:
            cls.syllables = f.read().split("\n")[:-1]
        cls.gbk = read_tsv("resources", "texts", "gbk_pinyin.tsv")

    def test_word_shape(self):
        self.assertEqual(self.word[0], m.WORD_HEADER)
        body = self.word[1:]
        self.assertTrue(all(len(r) == 12 for r in body))
        self.assertEqual([int(r[0]) for r in body], list(range(1, len(body) + 1)))
        self.assertEqual(len(self.rows), len(body))
        self.assertGreater(len(body), 20000)
        self.assertEqual(body[0][1], "啊")                     # GBK B0A1
        self.assertEqual(body[6762][1], "齄")                  # last GB2312

    def test_readings_of_names_and_surnames(self):
        duyin = {zi: r[11] for zi, r in self.rows.items()}
        for zi, want in {"晟": "shèng", "朝": "zhāo", "乐": "lè", "长": "cháng"}.items():
            if self.rows[zi][9] == "\\N":
                self.assertEqual(duyin[zi], want, zi)
        xing = {r[0]: r[2] for r in read_tsv("resources", "db", "Voduzid", "xingdu.tsv")[1:]}
        want = {"曾": "zēng", "单": "shàn", "解": "xiè", "查": "zhā", "仇": "qiú", "区": "ōu",
                "朴": "piáo", "盖": "gě", "翟": "zhái", "缪": "miào", "阚": "kàn",
                "召": "shào", "覃": "qín", "尉迟": "yù chí", "万俟": "mò qí"}
        self.assertEqual({x: xing[x] for x in want}, want)

    def test_glyph_stroke_cases(self):
        for zi, bh in checks.GLYPH_FIXED.items():
            self.assertEqual(int(self.rows[zi][3]), bh, zi)

    def test_expected_strokes(self):
        for zi, bh in checks.EXPECTED.items():
            if zi == "强":             # 強 counts 11 by the rule
                bh = 11
            self.assertEqual(int(self.rows[zi][3]), bh, zi)

    def test_flags(self):
        named = 0
        for r in self.word[1:]:
            px, nan, nv, xb, aflag = int(r[4]), r[5], r[6], r[7], r[9]
            self.assertIn(r[8], checks.ELEMENTS)
            self.assertEqual(len(r[2]), 1)
            if aflag == "\\N":
                named += 1
                self.assertLess(px, 10000)
                self.assertEqual((nan, nv), {"男": ("1", "0"), "女": ("0", "1"),
                                             "1": ("1", "1"), "0": ("0", "1")}[xb])
            else:
                self.assertEqual((nan, nv, xb, aflag), ("0", "0", "0", "1"))
        self.assertGreaterEqual(named, 800)

    def test_pinyin_tables_agree(self):
        self.assertEqual(len(self.syllables), 393)
        self.assertEqual((self.syllables[0], self.syllables[-1]), ("a", "zuo"))
        self.assertEqual(self.syllables, sorted(set(self.syllables)))
        self.assertEqual(self.gbk[0], ["code", "syllable"])
        codes = {}
        for code, idx in self.gbk[1:]:
            self.assertRegex(code, "^[89A-F][0-9A-F][4-9A-F][0-9A-F]$")
            ch = bytes.fromhex(code).decode("gbk")
            codes[ch] = self.syllables[int(idx) - 1]
        self.assertEqual(codes["啊"], "a")
        self.assertEqual(codes["绿"], "lv")
        for zi, row in self.rows.items():
            if row[10] != "\\N":
                self.assertEqual(codes[zi], row[10], zi)
                if row[11] != "\\N":
                    self.assertEqual(unihan.toneless(row[11]), row[10], zi)


if __name__ == "__main__":
    unittest.main()
