#!/usr/bin/env python3
"""Measures the whole output of `lumo-cli generate` against the rules of the name set.

For each surname and sex (双字名, 电脑全自动) it runs the program, or reads a saved
output, and counts the names that hold

  L3    a character of level 3 of the general-use list (Unihan kTGH serial > 6500);
  姓    another of the hundred commonest surnames;
  凶    a character of bad meaning (see bad_characters);
  重姓  a character of the surname;
  叠    a doubled character in a boy's name;

and the listed stroke schemes that yield no name at all.  From the project root:

    python3 tools/unihan/measure_runs.py [--cli build/bin/lumo-cli] [--saved DIR]

--saved DIR reads DIR/<surname><sex>.txt instead of running the program (a missing
file is written there from a run, so a second measure of the same build is quick).
"""

import argparse
import collections
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import names  # noqa: E402

ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
SURNAMES = ("王", "李", "张", "刘", "陈", "杨", "黄", "赵", "周", "吴", "欧阳")
SEXES = ("男", "女")
LEVEL_2_END = 6500  # kTGH serials 1-3500 are level 1, up to 6500 level 2

# Kept characters whose meaning in a name is doubtful (a weapon); they are counted with
# the rejected characters of bad meaning so that the measure shows how often they come.
DOUBTFUL = "剑"
# Words in a review reason that mark a rejection for meaning rather than for use.
BAD_REASONS = ("死", "丧", "亡", "病", "疾", "伤", "罪", "刑", "凶", "兵器", "毒", "哀",
               "悲", "葬", "墓", "灾", "祸", "盗", "贼", "淫", "秽", "污", "奴", "诱")

NAME = re.compile(r"(\S+?)\((\d+)分\)")
SCHEME = re.compile(r"^([\d-]+)\|(\d+)-(\d+)\(\d+分\)$")
COLUMNS = ("名数", "L3", "姓", "凶", "重姓", "叠", "空格局")


def bad_characters(review_rows):
    """The characters counted as bad meaning: rejected ones whose reason speaks of
    death, illness, crime and the like, and the doubtful kept ones."""
    bad = {zi for zi, r in review_rows.items()
           if r.keep == "0" and any(w in r.reason for w in BAD_REASONS)}
    return bad | set(DOUBTFUL)


def parse_output(text):
    """([(first strokes, second strokes)] of the listed schemes, [given names]).

    The output is the scheme list, a blank line, the generated names, a blank line
    and the high scorers; only the generated names are measured."""
    blocks = text.split("\n\n")
    schemes = []
    for line in blocks[0].splitlines():
        m = SCHEME.match(line.strip())
        if m:
            schemes.append((int(m.group(2)), int(m.group(3))))
    found = NAME.findall(blocks[1]) if len(blocks) > 1 else []
    return schemes, [name for name, _ in found]


def measure(surname, sex, schemes, full_names, facts):
    """Counter of the columns for one run.  facts: level3, surnames, bad (sets of
    characters) and strokes ({character: numerology strokes})."""
    out = collections.Counter()
    yielded = set()
    others = facts["surnames"] - set(surname)
    for full in full_names:
        given = full[len(surname):]
        chars = set(given)
        out["名数"] += 1
        out["L3"] += bool(chars & facts["level3"])
        out["姓"] += bool(chars & others)
        out["凶"] += bool(chars & facts["bad"])
        out["重姓"] += bool(chars & set(surname))
        out["叠"] += sex == "男" and len(given) == 2 and given[0] == given[1]
        if len(given) == 2:
            yielded.add((facts["strokes"].get(given[0]), facts["strokes"].get(given[1])))
    out["空格局"] = sum(1 for s in set(schemes) if s not in yielded)
    return out


def load_facts():
    """The facts of measure() from Unihan and the tables of the tree."""
    import unihan
    level3 = set()
    for key, entry in unihan.load(unihan.find_dir()).items():
        value = entry.get("kTGH")
        if value and int(value.split(":")[1].split()[0]) > LEVEL_2_END:
            level3.add(chr(key) if isinstance(key, int) else key)
    strokes = {}
    with open(os.path.join(ROOT, "resources", "db", "Voduzid", "word.tsv"),
              encoding="utf-8") as f:
        header = f.readline().rstrip("\n").split("\t")
        zi, bh = header.index("zi"), header.index("bh")
        for line in f:
            fields = line.rstrip("\n").split("\t")
            strokes.setdefault(fields[zi], int(fields[bh]))
    return {"level3": level3, "surnames": set(names.top_surnames()),
            "bad": bad_characters(names.review()), "strokes": strokes}


def run_output(cli, saved, surname, sex):
    path = os.path.join(saved, surname + sex + ".txt") if saved else None
    if path and os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            return f.read()
    text = subprocess.run([cli, "generate", surname, "--sex", sex, "--form", "双字名"],
                          check=True, capture_output=True, text=True).stdout
    if path:
        os.makedirs(saved, exist_ok=True)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
    return text


def share(part, whole):
    return "%d %.2f%%" % (part, 100.0 * part / whole) if whole else "0"


def table(results):
    """The report lines: one per run, then the whole."""
    lines = ["\t".join(("run",) + COLUMNS)]
    total = collections.Counter()
    for run, counts in results:
        total.update(counts)
        lines.append("\t".join([run, str(counts["名数"])] +
                               [share(counts[c], counts["名数"]) for c in COLUMNS[1:-1]] +
                               [str(counts["空格局"])]))
    lines.append("\t".join(["all", str(total["名数"])] +
                           [share(total[c], total["名数"]) for c in COLUMNS[1:-1]] +
                           [str(total["空格局"])]))
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--cli", default=os.path.join(ROOT, "build", "bin", "lumo-cli"))
    parser.add_argument("--saved", help="folder of saved outputs <surname><sex>.txt")
    args = parser.parse_args()
    facts = load_facts()
    results = []
    for surname in SURNAMES:
        for sex in SEXES:
            schemes, full = parse_output(run_output(args.cli, args.saved, surname, sex))
            results.append((surname + sex, measure(surname, sex, schemes, full, facts)))
    print("\n".join(table(results)))


if __name__ == "__main__":
    main()
