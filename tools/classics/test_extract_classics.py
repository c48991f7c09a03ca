"""Tests of the extraction of the classics and of its committed output.

Run from the project root:  python3 -m unittest discover tools/classics
The rule tests use a small hand-made package and variant table; the output tests
read the committed file, so neither needs the package or Unihan.
"""

import io
import json
import os
import sys
import tarfile
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import extract_classics as ex  # noqa: E402

SHIJING = [
    {"title": "鹿鳴", "chapter": "小雅", "section": "鹿鳴之什",
     "content": ["呦呦鹿鳴，食野之苹。我有嘉賓，鼓瑟吹笙。"]},
    {"title": "關雎", "chapter": "國風", "section": "周南",
     "content": ["關關雎鳩，在河之洲。"]},
]
CHUCI = [
    {"title": "離騷", "section": "離騷", "author": "屈原",
     "content": ["何不改乎此度?", "皇覽揆余初度兮，肇錫余以嘉名："]},
    {"title": "湘夫人", "section": "九歌", "author": "屈原",
     "content": ["帝子降兮北渚，目眇眇兮愁予。"]},
]
# Traditional forms of the fixture, with one that names itself (覆) and one whose
# simplified form GBK lacks (駉, U+2CCF6).
VARIANTS = {"鳴": ["鸣"], "賓": ["宾"], "關": ["关"], "鳩": ["鸠"], "離": ["离"],
            "騷": ["骚"], "覽": ["览"], "錫": ["锡"], "國": ["国"], "風": ["风"],
            "覆": ["复", "覆"], "駉": ["\U0002CCF6"], "阪": ["坂"], "綵": ["䌽"]}


def write_package(folder, shijing=SHIJING, chuci=CHUCI):
    """A packed package as npm writes it; returns the path of the .tgz."""
    path = os.path.join(folder, "chinese-poetry.tgz")
    files = {"package/package.json": {"version": ex.VERSION},
             "package/dist/shijing/shijing.json": shijing,
             "package/dist/chuci/chuci.json": chuci}
    with tarfile.open(path, "w:gz") as tar:
        for name, value in sorted(files.items()):
            data = json.dumps(value, ensure_ascii=False).encode("utf-8")
            info = tarfile.TarInfo(name)
            info.size = len(data)
            tar.addfile(info, io.BytesIO(data))
    return path


class LineTest(unittest.TestCase):
    def test_cut_after_each_sentence_end_keeping_question_and_exclamation(self):
        self.assertEqual(ex.sentences("呦呦鹿鸣，食野之苹。我有嘉宾，鼓瑟吹笙。"),
                         ["呦呦鹿鸣，食野之苹", "我有嘉宾，鼓瑟吹笙"])
        self.assertEqual(ex.sentences("谁适为容！其雨其雨？杲杲出日；"),
                         ["谁适为容！", "其雨其雨？", "杲杲出日"])

    def test_package_marks_made_regular(self):
        self.assertEqual(ex.sentences("何不改乎此度?"), ["何不改乎此度？"])
        self.assertEqual(ex.sentences("宫庭震惊，发<激楚>些。"), ["宫庭震惊，发《激楚》些"])
        self.assertEqual(ex.sentences("霾土忽兮塺々。"), ["霾土忽兮塺塺"])
        self.assertEqual(ex.sentences("皇览揆余初度兮，肇锡余以嘉名："),
                         ["皇览揆余初度兮，肇锡余以嘉名"])

    def test_quotes_dropped_where_a_cut_parts_them(self):
        self.assertEqual(ex.sentences("曰：“余有所疑。”詹尹曰：“君将何以教之？”"),
                         ["曰：余有所疑", "詹尹曰：君将何以教之？"])
        self.assertEqual(ex.sentences("岂惟是其有女？」"), ["岂惟是其有女？"])

    def test_no_empty_line_and_composed_characters_left_out(self):
        self.assertEqual(ex.sentences("。。“”"), [])
        self.assertEqual(ex.sentences("袭英衣兮缇[糹習]，披华裳兮芳芬。"), [])


class SimplifiedTest(unittest.TestCase):
    def setUp(self):
        self.table = ex.simplified_table(VARIANTS)

    def test_one_to_one_forms(self):
        self.assertEqual(ex.simplify("呦呦鹿鳴", self.table), "呦呦鹿鸣")

    def test_exceptions_and_forms_outside_gbk(self):
        self.assertNotIn("覆", self.table)   # its own simplified form
        self.assertNotIn("駉", self.table)   # simplified form outside GBK
        self.assertNotIn("阪", self.table)   # reviewed: a standard character
        self.assertEqual(self.table["綵"], "彩")

    def test_gb2312_form_preferred_of_several(self):
        table = ex.simplified_table({"餱": ["\U0002B5EF", "糇"], "蘋": ["苹", "\U0002C79F"]})
        self.assertEqual(table, {"餱": "糇", "蘋": "苹", "綵": "彩"})


class ExtractTest(unittest.TestCase):
    def extract_bytes(self, folder):
        books, version = ex.read_package(write_package(folder))
        self.assertEqual(version, ex.VERSION)
        return ex.to_tsv(ex.extract(books, ex.simplified_table(VARIANTS)))

    def test_rows_with_book_part_title_and_line(self):
        with tempfile.TemporaryDirectory() as folder:
            text = self.extract_bytes(folder).decode("utf-8")
        self.assertEqual(text.splitlines(), [
            "id\tshu\tshou\tpian\tti\tju",
            "1\t诗经\t1\t小雅\t鹿鸣\t呦呦鹿鸣，食野之苹",
            "2\t诗经\t1\t小雅\t鹿鸣\t我有嘉宾，鼓瑟吹笙",
            "3\t诗经\t2\t周南\t关雎\t关关雎鸠，在河之洲",
            "4\t楚辞\t1\t\t离骚\t何不改乎此度？",
            "5\t楚辞\t1\t\t离骚\t皇览揆余初度兮，肇锡余以嘉名",
            "6\t楚辞\t2\t九歌\t湘夫人\t帝子降兮北渚，目眇眇兮愁予",
        ])

    def test_rerun_is_byte_identical(self):
        with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
            self.assertEqual(self.extract_bytes(a), self.extract_bytes(b))

    def test_problems_found(self):
        rows = [["1", "诗经", "1", "小雅", "鹿鸣", ""],
                ["2", "诗经", "1", "小雅", "鹿鸣", "駉\U0002CCF6"]]
        found = ex.problems(rows)
        self.assertEqual(len(found), 2)
        self.assertIn("empty line 1", found)


class CommittedFileTest(unittest.TestCase):
    """The committed jingdian.tsv keeps the rules of the extraction."""

    @classmethod
    def setUpClass(cls):
        with open(os.path.join(ex.ROOT, ex.OUTPUT), "rb") as f:
            cls.data = f.read()
        lines = cls.data.decode("utf-8").split("\n")
        cls.header, cls.rows = lines[0].split("\t"), [l.split("\t") for l in lines[1:-1]]

    def test_layout(self):
        self.assertEqual(self.header, ex.COLUMNS)
        self.assertTrue(self.data.endswith(b"\n"))
        self.assertEqual([r[0] for r in self.rows], [str(i) for i in range(1, len(self.rows) + 1)])
        self.assertTrue(all(len(r) == 6 for r in self.rows))

    def test_counts_of_poems_and_lines(self):
        poems = {book: {r[2] for r in self.rows if r[1] == book} for book in ("诗经", "楚辞")}
        self.assertEqual(len(poems["诗经"]), 305)
        self.assertEqual(len(poems["楚辞"]), 65)
        self.assertEqual(sum(r[1] == "诗经" for r in self.rows), 3711)
        self.assertEqual(sum(r[1] == "楚辞" for r in self.rows), 2357)

    def test_no_empty_line_no_stray_mark_all_gbk(self):
        self.assertEqual(ex.problems(self.rows), [])

    def test_simplified_forms(self):
        text = set("".join("".join(r[1:]) for r in self.rows))
        self.assertEqual(text & set("後於習穀鳴賓關國離騷詩經風頌鳥魚馬車門見說語"), set())
        self.assertIn("覆", text)
        self.assertIn("阪", text)

    def test_known_lines(self):
        lines = {(r[1], r[3], r[4], r[5]) for r in self.rows}
        self.assertIn(("诗经", "小雅", "鹿鸣", "呦呦鹿鸣，食野之苹"), lines)
        self.assertIn(("诗经", "秦风", "蒹葭", "蒹葭苍苍，白露为霜"), lines)
        self.assertIn(("楚辞", "", "离骚", "路漫漫其修远兮，吾将上下而求索"), lines)
        self.assertIn(("楚辞", "九歌", "湘夫人", "帝子降兮北渚，目眇眇兮愁予"), lines)


if __name__ == "__main__":
    unittest.main()
