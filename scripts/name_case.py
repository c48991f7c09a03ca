#!/usr/bin/env python3
"""Checks that the free functions declared in one header share one case convention.

A header either names its free functions in camelCase (our own helpers) or in PascalCase
(the names the system's documents give to its routines, such as SolarToLunar); a header
that mixes the two fails, so a reader knows from the header which kind of name to expect.
Only namespace-level declarations count: members, constructors and macros do not.
"""

import re
import sys

DECLARATION = re.compile(
    r"^(?:(?:inline|static|constexpr|extern|\[\[nodiscard\]\])\s+)*"
    r"(?:const\s+)?[\w:<>,*&\s]+?[\s*&]+([A-Za-z_]\w*)\s*\(")
NOT_A_FUNCTION = ("return", "using", "typedef", "class", "struct", "enum", "union",
                  "namespace", "template", "friend", "operator", "if", "for", "while",
                  "switch", "case", "else", "do", "public", "private", "protected")


def strip_comments(text):
    text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
    text = re.sub(r"//[^\n]*", "", text)
    return re.sub(r'"(?:\\.|[^"\\])*"', '""', text)


def free_functions(text):
    """The names of the functions declared at namespace level, in order."""
    names = []
    scopes = []  # True for a namespace (or extern "C") brace, False for anything else
    statement = ""
    for char in strip_comments(text):
        if char == "{":
            head = statement.strip()
            scopes.append(bool(re.match(r'(namespace\b|extern\s*"")', head)))
            if all(scopes[:-1]) and not scopes[-1]:
                collect(head, names)  # an inline definition at namespace level
            statement = ""
        elif char == "}":
            if scopes:
                scopes.pop()
            statement = ""
        elif char == ";":
            if all(scopes):
                collect(statement.strip(), names)
            statement = ""
        elif char == "#" and not statement.strip():
            statement = "#"
        elif char == "\n" and statement.startswith("#"):
            statement = ""
        else:
            statement += char
    return names


def collect(head, names):
    head = " ".join(head.split())
    if not head or head.startswith("#") or head.split(" ")[0] in NOT_A_FUNCTION:
        return
    if "=" in head.split("(")[0]:
        return  # a variable with an initialiser
    match = DECLARATION.match(head)
    if match and match.group(1) not in NOT_A_FUNCTION:
        names.append(match.group(1))


def main(paths):
    failed = 0
    for path in paths:
        if not path.endswith(".h") or path.startswith("tests/"):
            continue
        with open(path, encoding="utf-8") as stream:
            names = free_functions(stream.read())
        upper = sorted({n for n in names if n[0].isupper()})
        lower = sorted({n for n in names if n[0].islower()})
        if upper and lower:
            print(f"{path}: mixes PascalCase {' '.join(upper)} with camelCase {' '.join(lower)}")
            failed += 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
