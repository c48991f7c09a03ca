"""Tests of the counting in measure_runs.py on a hand-made output."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import measure_runs  # noqa: E402
import names  # noqa: E402

OUTPUT = ("电脑全自动\n4|6-10(98分)\n4|1-15(97分)\n4|8-8(95分)\n\n"
          "王宇轩(98分)    王李轩(98分)    王宇王(97分)    \n"
          "王婷婷(95分)    王璟轩(98分)\n\n王宇轩(98分)\n王李轩(98分)\n")
FACTS = {"level3": {"璟"}, "surnames": {"王", "李"}, "bad": {"剑"},
         "strokes": {"宇": 6, "轩": 10, "李": 7, "王": 4, "婷": 12, "璟": 16}}


class MeasureTest(unittest.TestCase):
    def test_parse_keeps_the_schemes_and_only_the_generated_block(self):
        schemes, full = measure_runs.parse_output(OUTPUT)
        self.assertEqual(schemes, [(6, 10), (1, 15), (8, 8)])
        self.assertEqual(full, ["王宇轩", "王李轩", "王宇王", "王婷婷", "王璟轩"])
        self.assertEqual(measure_runs.parse_output("电脑全自动\n"), ([], []))

    def test_counts_per_name_not_per_character(self):
        schemes, full = measure_runs.parse_output(OUTPUT)
        boy = measure_runs.measure("王", "男", schemes, full, FACTS)
        self.assertEqual(boy["名数"], 5)
        self.assertEqual((boy["L3"], boy["姓"], boy["重姓"], boy["叠"]), (1, 1, 1, 1))
        # 6-10 is yielded by 王宇轩; 1-15 and 8-8 by nothing (婷婷 is 12-12).
        self.assertEqual(boy["空格局"], 2)
        girl = measure_runs.measure("王", "女", schemes, full, FACTS)
        self.assertEqual(girl["叠"], 0, "a girl's doubled name is not counted")

    def test_own_surname_is_not_another_surname_and_two_character_surnames(self):
        out = measure_runs.measure("欧阳", "男", [(6, 10)], ["欧阳王宇", "欧阳阳宇"], FACTS)
        self.assertEqual((out["姓"], out["重姓"], out["空格局"]), (1, 1, 1))

    def test_bad_characters_come_from_rejections_of_meaning_only(self):
        row = lambda zi, keep, reason: names.Row(zi, keep, "", "", "", "", "", "", reason)
        rows = {"棺": row("棺", "0", "丧葬器物，入名不宜"), "车": row("车", "0", "日常器物"),
                "安": row("安", "1", "常见名字用字")}
        bad = measure_runs.bad_characters(rows)
        self.assertIn("棺", bad)
        self.assertIn("剑", bad)
        self.assertNotIn("车", bad)

    def test_table_shares_and_the_whole(self):
        a = {"名数": 200, "L3": 6, "姓": 0, "凶": 0, "重姓": 0, "叠": 0, "空格局": 1}
        b = {"名数": 0, "L3": 0, "姓": 0, "凶": 0, "重姓": 0, "叠": 0, "空格局": 0}
        lines = measure_runs.table([("王男", a), ("空男", b)])
        self.assertEqual(lines[1].split("\t")[2], "6 3.00%")
        self.assertEqual(lines[2].split("\t")[2], "0", "an empty run divides by nothing")
        self.assertEqual(lines[3].split("\t")[:3], ["all", "200", "6 3.00%"])


if __name__ == "__main__":
    unittest.main()
