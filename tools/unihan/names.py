"""The reviewed name set and the other reviewed sources of resources/names.

The name set is the one-by-one review of resources/names/review-*.tsv (see the
README there).  Each row decides one character: kept or not, sex class,
popularity tier, whether the doubled form is a girl's name, the reading used
in names, a gloss and a note.  The sex classes:

  男  clearly masculine                      nan=1 nv=0
  女  clearly feminine                       nan=0 nv=1
  1   fit for both                           nan=1 nv=1
  0   soft and neutral: for girls, and for a boy's single given
      name, not for a boy's double name      nan=0 nv=1
"""

import collections
import os

HERE = os.path.dirname(os.path.abspath(__file__))
NAMES_DIR = os.path.normpath(os.path.join(HERE, "..", "..", "resources", "names"))

REVIEW_FILES = ("review-1.tsv", "review-2.tsv", "review-3.tsv", "review-extra.tsv",
                "review-4.tsv")
REVIEW_HEADER = ["zi", "keep", "xb", "tier", "dbl", "reading", "gloss", "note",
                 "reason"]
SEX_CLASSES = ("男", "女", "1", "0")
# The reason a reviewer gives for keeping one of the hundred commonest surnames.
ALSO_SURNAME = "亦为姓"

Row = collections.namedtuple("Row", "zi keep xb tier dbl reading gloss note reason")

# Within a popularity tier: the commonest given-name characters in the order
# of their use (the earlier hand-made list of the program), most used first.
POPULAR = (
    "伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉萍红玲辉建国文海燕斌峰波宇浩鹏"
    "婷晨欣雪琳鑫飞林俊佳宁龙婧颖倩慧丹凯亮晶莉梅兰云彬楠博昊琪涵轩子怡梓萱诗雨思悦睿"
    "泽宸逸一诺然嘉瑶妍雯瑾琦璐晓春新志永生小金德荣成庆福清东光贵宏安家利民兴祥胜保瑞"
    "坤凤翠珍淑兵健毅鸿晟铭航皓煜锦熙奕烨哲霖霆瀚恒森峻彦翊琛锐楷韬骁辰阳天墨若依汐可"
    "馨心语彤曦冰菲芸茜蓉柔岚晴露珊贝韵绮虹娇媛妮美月惠爱巧琴秋菊莲荷香薇蕾莹瑜璇琼晗"
    "昕钰玥婕嫣姝娅菁蔓筱沫苒伊雅忠仁义礼智信孝良善才禄寿喜吉和中正仲卫武威雄豪贤达通"
    "顺昌隆盛旺富发财宝银铁钢石山川江河湖岩松柏梁栋材树根叶花竹风雷霜星日耀晖旭夏冬学"
    "书歌乐艺聪捷灵婉娴贞洁温笑康泰长久远定坚壮力扬振进跃腾翔鹤麟骏驰骋钧镇锋淼焱垚品"
    "众宙寰润沛澈源渊泉溪"
)


def read_tsv(path, header):
    """Rows of a TAB-separated file whose first line must be `header`."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines[0].rstrip("\r").split("\t") != header:
        raise ValueError("%s: header is not %s" % (path, "\t".join(header)))
    rows = []
    for n, line in enumerate(lines[1:], 2):
        line = line.rstrip("\r")
        if not line:
            continue
        fields = line.split("\t")
        if len(fields) != len(header):
            raise ValueError("%s:%d: %d fields" % (path, n, len(fields)))
        rows.append(fields)
    return rows


def review(directory=NAMES_DIR):
    """{character: Row} of every reviewed character; the later file wins."""
    out = {}
    for name in REVIEW_FILES:
        path = os.path.join(directory, name)
        if not os.path.exists(path):
            continue
        for fields in read_tsv(path, REVIEW_HEADER):
            row = Row(*fields)
            if row.keep not in ("0", "1"):
                raise ValueError("%s: keep %r" % (row.zi, row.keep))
            if row.keep == "1":
                if row.xb not in SEX_CLASSES:
                    raise ValueError("%s: xb %r" % (row.zi, row.xb))
                if row.tier not in ("1", "2", "3", "4"):
                    raise ValueError("%s: tier %r" % (row.zi, row.tier))
                if not row.reading:
                    raise ValueError("%s: no reading" % row.zi)
            out[row.zi] = row
    return out


def kept(rows):
    """{character: Row} of the characters in the name set."""
    return {zi: r for zi, r in rows.items() if r.keep == "1"}


def classes(rows=None):
    """{character: sex class} for the whole name set."""
    rows = review() if rows is None else rows
    return {zi: r.xb for zi, r in kept(rows).items()}


def top_surnames(directory=NAMES_DIR):
    """The hundred commonest surnames, most common first."""
    with open(os.path.join(directory, "top100_surnames.txt"), encoding="utf-8") as f:
        return [ch for ch in f.read() if not ch.isspace()]


SURNAME_HEADER = ["xing", "reading", "reason"]


def surname_readings(directory=NAMES_DIR):
    """[(surname, [tone-marked syllables], reason)] in file order."""
    out = []
    for xing, reading, reason in read_tsv(
            os.path.join(directory, "surname_readings.tsv"), SURNAME_HEADER):
        syllables = reading.split()
        if len(syllables) != len(xing):
            raise ValueError("%s: reading %r" % (xing, reading))
        out.append((xing, syllables, reason))
    return out


HOMOPHONE_HEADER = ["word", "reading", "kind"]


def homophones(directory=NAMES_DIR):
    """[(word, reading, kind)]: readings are tone-marked syllables with blanks."""
    path = os.path.join(directory, "homophones.tsv")
    if not os.path.exists(path):
        return []
    return [tuple(r) for r in read_tsv(path, HOMOPHONE_HEADER)]


ERA_HEADER = ["zi", "era", "lean", "reason"]
ERA_MARKS = {"旧", "新", "-"}
LEAN_MARKS = {"男", "女", "-"}


def era_marks(review_rows, directory=NAMES_DIR):
    """[(zi, era, lean)] from era.tsv, checked against the kept name set.

    era 旧 reads dated in the name of a child born now, 新 fresh and current; lean marks
    a both-sex character (xb 1) that reads masculine (男) in a girl's name or feminine
    (女) in a boy's."""
    path = os.path.join(directory, "era.tsv")
    if not os.path.exists(path):
        return []
    name_set = kept(review_rows)
    out, seen = [], set()
    for zi, era, lean, reason in read_tsv(path, ERA_HEADER):
        if zi in seen:
            raise ValueError("era.tsv: %s twice" % zi)
        seen.add(zi)
        if zi not in name_set:
            raise ValueError("era.tsv: %s is not in the name set" % zi)
        if era not in ERA_MARKS or lean not in LEAN_MARKS or (era, lean) == ("-", "-"):
            raise ValueError("era.tsv: %s has no valid mark" % zi)
        if lean != "-" and name_set[zi].xb != "1":
            raise ValueError("era.tsv: %s has a lean but is not a both-sex character" % zi)
        if not reason:
            raise ValueError("era.tsv: %s has no reason" % zi)
        out.append((zi, "" if era == "-" else era, "" if lean == "-" else lean))
    return sorted(out, key=lambda r: r[0].encode("gbk"))


STROKE_HEADER = ["zi", "ft", "kangxi", "glyph", "bh", "reason"]


def stroke_exceptions(directory=NAMES_DIR):
    """{character: (ft, kangxi count, glyph count, decided count, reason)}."""
    path = os.path.join(directory, "stroke_exceptions.tsv")
    if not os.path.exists(path):
        return {}
    out = {}
    for zi, ft, kangxi, glyph, bh, reason in read_tsv(path, STROKE_HEADER):
        out[zi] = (ft, int(kangxi), int(glyph), int(bh), reason)
    return out
