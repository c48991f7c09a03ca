"""Extract the lines of 诗经 and 楚辞 for the naming database.

Input: the npm package chinese-poetry (its dist/shijing/shijing.json and
dist/chuci/chuci.json), unpacked or as the packed .tgz, and Unihan for the
simplified forms.  Output: resources/db/Voduzid/jingdian.tsv, the source of
table `jingdian`, one row a line:

  id    running number, the order of the books, poems and lines
  shu   the book: 诗经 or 楚辞
  shou  number of the poem within its book, from 1
  pian  the part as citations write it: 周南 卫风 (the airs of 国风 by their
        state), 小雅 大雅 周颂 鲁颂 商颂; in 楚辞 the cycle (九歌 九章 ...),
        empty for a piece that stands alone (离骚 天问 ...)
  ti    the title of the poem
  ju    the line: one sentence of the text, as a reader would quote it

Rules:

Lines.  Each stanza (or paragraph) of the package is cut after every 。！？；
The end mark of a line is dropped, except ？ and ！ which carry its sense.
Quotation marks are dropped (a cut can part a pair); 、，： and the title
marks 《》 stay.  The package's ASCII ? and <> become ？ and 《》, and the
iteration mark 々 repeats the character before it.  A sentence holding a
character the package writes as its parts in brackets ([糹習]) is left out.

Simplified forms.  The package's text is mostly simplified already; every
remaining traditional character is replaced by its kSimplifiedVariant when
  - the character is not listed as its own simplified form (覆 著 藉 乾 keep
    themselves: they are standard characters with their own uses), and
  - the simplified form is a GBK character (the program stores text in GBK;
    rare characters whose simplified form exists only in the supplementary
    planes, such as 駉 玁 蹻, keep the form every simplified edition prints).
  Of several simplified forms the GB2312 one is taken, else the first GBK one.
  KEEP and TO below are the reviewed exceptions.

Usage: extract_classics.py --package PATH [--unihan DIR] [--out ROOT] [--check]
PATH is the unpacked package folder or the .tgz.  --check compares with the
committed file instead of writing it and prints the counts and every
character replaced.  Same input gives byte-identical output.
"""

import argparse
import collections
import io
import json
import os
import re
import sys
import tarfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tools", "unihan"))

import unihan  # noqa: E402

PACKAGE = "chinese-poetry"
VERSION = "2.0.1"
OUTPUT = os.path.join("resources", "db", "Voduzid", "jingdian.tsv")
COLUMNS = ["id", "shu", "shou", "pian", "ti", "ju"]
BOOKS = [("诗经", "dist/shijing/shijing.json"), ("楚辞", "dist/chuci/chuci.json")]

# Characters that stay although Unihan gives a simplified form: 阪 is again a
# standard character of its own (阪田, 阪有漆).
KEEP = set("阪")
# Simplified forms where Unihan's is wrong for these texts or outside GBK:
# 綵 merged into 彩.
TO = {"綵": "彩"}

SENTENCE_END = "。！？；"
DROPPED_END = "。；，：、"
QUOTES = "“”‘’「」『』\""
ASCII_MARKS = {"?": "？", "!": "！", "<": "《", ">": "》", ",": "，", ":": "："}
COMPOSED = re.compile(r"\[[^\]]*\]")


def is_gbk(ch):
    try:
        return len(ch.encode("gbk")) == 2
    except UnicodeEncodeError:
        return False


def is_gb2312(ch):
    try:
        ch.encode("gb2312")
        return True
    except UnicodeEncodeError:
        return False


def simplified_table(variants):
    """{traditional: simplified} from {character: [simplified variants]}."""
    table = {}
    for ch, forms in variants.items():
        if ch in KEEP or ch in forms:
            continue
        candidates = [f for f in forms if is_gbk(f)]
        if not candidates:
            continue
        table[ch] = next((f for f in candidates if is_gb2312(f)), candidates[0])
    table.update(TO)
    return table


def load_variants(unihan_dir):
    data = unihan.load(unihan_dir)
    out = {}
    for ch, entry in data.items():
        forms = unihan.code_points(entry.get("kSimplifiedVariant"))
        if forms and forms != [ch]:
            out[ch] = forms
    return out


def simplify(text, table, used=None):
    out = []
    for ch in text:
        to = table.get(ch, ch)
        if used is not None and to != ch:
            used[ch + to] += 1
        out.append(to)
    return "".join(out)


def clean(text):
    """The package's marks made regular; 々 repeats the character before it."""
    out = []
    for ch in text:
        ch = ASCII_MARKS.get(ch, ch)
        if ch == "々" and out:
            ch = out[-1]
        if ch not in QUOTES:
            out.append(ch)
    return "".join(out).strip()


def sentences(stanza):
    """The lines of one stanza: cut after each sentence end, end marks dropped
    except ？ and ！."""
    lines, current = [], ""
    for ch in clean(stanza):
        current += ch
        if ch in SENTENCE_END:
            lines.append(current)
            current = ""
    lines.append(current)
    out = []
    for line in lines:
        line = line.strip().rstrip(DROPPED_END).strip()
        if line and not COMPOSED.search(line):
            out.append(line)
    return out


def part_of(book, poem, table):
    title, section = simplify(poem["title"], table), simplify(poem["section"], table)
    if book == "诗经":
        chapter = simplify(poem["chapter"], table)
        return section if chapter == "国风" else chapter
    return "" if section == title else section


def extract(books, table, used=None):
    """Rows [id, shu, shou, pian, ti, ju] of {book: [poem]} in BOOKS order."""
    rows = []
    for book, _ in BOOKS:
        for number, poem in enumerate(books[book], 1):
            part = part_of(book, poem, table)
            title = simplify(poem["title"], table, used)
            for stanza in poem["content"]:
                for line in sentences(stanza):
                    rows.append([str(len(rows) + 1), book, str(number), part, title,
                                 simplify(line, table, used)])
    return rows


def to_tsv(rows):
    out = io.StringIO(newline="")
    out.write("\t".join(COLUMNS) + "\n")
    for row in rows:
        for field in row:
            if "\t" in field or "\n" in field or "\\" in field:
                raise ValueError("unexpected control character in %r" % field)
        out.write("\t".join(row) + "\n")
    return out.getvalue().encode("utf-8")


def read_package(path):
    """{book: [poem]} and the package version, from a folder or a .tgz."""
    def member(name):
        if os.path.isdir(path):
            with open(os.path.join(path, name), "rb") as f:
                return f.read()
        with tarfile.open(path) as tar:
            return tar.extractfile("package/" + name).read()

    version = json.loads(member("package.json"))["version"]
    books = {book: json.loads(member(name)) for book, name in BOOKS}
    return books, version


def problems(rows):
    """Rule breaks of the extracted rows; empty when all is well."""
    found = []
    for row in rows:
        line = row[5]
        if not line:
            found.append("empty line %s" % row[0])
        for ch in "".join(row[1:]):
            if not is_gbk(ch) and ch not in "0123456789":
                found.append("line %s: %s is not a GBK character" % (row[0], ch))
        if any(ch in QUOTES or ch in "[]<>?!々" for ch in line):
            found.append("line %s: stray mark in %s" % (row[0], line))
    return found


def report(rows, used):
    poems = collections.Counter((r[1], r[2]) for r in rows)
    for book, _ in BOOKS:
        count = sum(1 for key in poems if key[0] == book)
        lines = sum(1 for r in rows if r[1] == book)
        print("%s: %d poems, %d lines" % (book, count, lines))
    print("replaced: " + " ".join("%s>%s %d" % (k[0], k[1], n) for k, n in sorted(used.items())))


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--package", required=True, help="unpacked package folder or its .tgz")
    ap.add_argument("--unihan", help="folder of Unihan (default: the unicode-data package)")
    ap.add_argument("--out", default=ROOT, help="project root to write into")
    ap.add_argument("--check", action="store_true", help="compare with the committed file")
    args = ap.parse_args(argv)

    books, version = read_package(args.package)
    if version != VERSION:
        print("expected %s %s, found %s" % (PACKAGE, VERSION, version), file=sys.stderr)
        return 1
    table = simplified_table(load_variants(unihan.find_dir(args.unihan)))
    used = collections.Counter()
    rows = extract(books, table, used)
    found = problems(rows)
    for problem in found:
        print(problem, file=sys.stderr)
    data = to_tsv(rows)
    target = os.path.join(args.out, OUTPUT)
    if args.check:
        report(rows, used)
        with open(target, "rb") as f:
            same = f.read() == data
        print("committed file " + ("matches" if same else "DIFFERS"))
        return 0 if same and not found else 1
    if found:
        return 1
    with open(target, "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
