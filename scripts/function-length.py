#!/usr/bin/env python3
"""Lists the product functions longer than the house limit (80 lines).

A function's length counts every line of its definition, from the first
line of its signature to the line of its closing brace. Lambdas and local
classes count towards the function that holds them. The reading is a brace
count that skips strings, character literals, comments and preprocessor
lines; it is enough for this code, not a C++ parser.

Prints one line per offender, "path:line function lines", and exits 1 when
there is one. With --allow FILE, the offenders named there ("path function"
per line, '#' starts a comment) are tolerated; an entry that no longer
exceeds the limit is mentioned so that it can be removed.

Usage: scripts/function-length.py [--limit N] [--allow FILE] [PATH...]
PATHs default to the product directories; run from anywhere.
"""

import argparse
import os
import re
import sys

PRODUCT_DIRS = ["app", "cli", "core", "dialogs", "dst", "link", "res", "sim", "tools", "ui"]
SOURCE_SUFFIXES = (".cpp", ".cc", ".cxx", ".h", ".hpp")
LIMIT = 80

CONTROL_KEYWORDS = {"if", "for", "while", "switch", "catch", "return", "sizeof", "decltype",
                    "alignof", "static_assert", "co_return", "co_await", "noexcept", "requires"}
TRAILING_QUALIFIERS = re.compile(
    r"(?:\s*(?:const|volatile|noexcept\s*(?:\([^()]*\))?|noexcept|override|final|&&|&|try|mutable))*\s*$")


def strip_code(text):
    """Returns text with comments, string and character literals and
    preprocessor lines blanked out (newlines kept, so lines still count)."""
    out = []
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c in " \t":
            out.append(c)
            i += 1
            continue
        if line_start and c == "#":
            # A preprocessor line, with its continuations.
            while i < n and text[i] != "\n":
                if text[i] == "\\" and i + 1 < n and text[i + 1] == "\n":
                    out.append("\n")
                    i += 2
                    continue
                i += 1
            continue
        line_start = False
        if c == "\n":
            line_start = True
            out.append(c)
            i += 1
        elif text.startswith("//", i):
            while i < n and text[i] != "\n":
                i += 1
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append("\n" * text.count("\n", i, end) or " ")
            i = end
        elif c == "R" and text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            m = re.match(r'R"([^(\s]*)\(', text[i:])
            if not m:
                out.append(c)
                i += 1
                continue
            close = ")" + m.group(1) + '"'
            end = text.find(close, i + m.end())
            end = n if end < 0 else end + len(close)
            out.append('""' + "\n" * text.count("\n", i, end))
            i = end
        elif c in "\"'":
            # A digit separator (1'000) is not a character literal.
            if c == "'" and i > 0 and text[i - 1].isalnum() and i + 1 < n and text[i + 1].isalnum() \
                    and re.search(r"[0-9][0-9a-fA-F]*$", text[max(0, i - 20):i]):
                out.append(" ")
                i += 1
                continue
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out.append(c + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def strip_template_prefix(sig):
    sig = sig.lstrip()
    while sig.startswith("template"):
        i = sig.find("<")
        if i < 0:
            break
        depth = 0
        for j in range(i, len(sig)):
            if sig[j] == "<":
                depth += 1
            elif sig[j] == ">":
                depth -= 1
                if depth == 0:
                    sig = sig[j + 1:].lstrip()
                    break
        else:
            break
    return sig


def parameter_list_end(sig):
    """Index just past the closing parenthesis of the first top-level
    parenthesised group, or -1."""
    depth = 0
    start = -1
    for j, ch in enumerate(sig):
        if ch == "(":
            if depth == 0 and start < 0:
                start = j
            depth += 1
        elif ch == ")":
            depth -= 1
            if depth == 0 and start >= 0:
                return j + 1
    return -1


def function_name(sig):
    """The (qualified) name of the function a signature declares, or None
    if the text does not look like a function definition."""
    sig = strip_template_prefix(sig)
    if re.search(r"\]\s*(?:\(|\{|mutable|->)", sig) and "=" in sig:
        return None  # a lambda bound to a name
    m = re.match(r"(.*?)\boperator\s*(\(\)|[^\s(]+)\s*\(", sig, re.S)
    if m:
        head = m.group(1)
        name_m = re.search(r"((?:[A-Za-z_~][\w]*\s*(?:<[^<>]*>)?\s*::\s*)*)$", head)
        return (name_m.group(1) if name_m else "").replace(" ", "") + "operator" + m.group(2)
    paren = sig.find("(")
    if paren < 0:
        return None
    head = sig[:paren].rstrip()
    m = re.search(r"((?:[A-Za-z_]\w*\s*(?:<[^()]*>)?\s*::\s*)*~?[A-Za-z_]\w*)$", head)
    if not m:
        return None
    name = re.sub(r"\s+", "", m.group(1))
    if name in CONTROL_KEYWORDS or "=" in head:
        return None
    return name


def looks_like_body_start(sig):
    """Whether a '{' after this text opens a function's body."""
    s = sig.rstrip()
    # A trailing return type: "auto f(int) -> std::vector<int> {".
    arrow = s.rfind("->")
    if arrow >= 0 and ")" in s[:arrow]:
        s = s[:arrow].rstrip()
    s = TRAILING_QUALIFIERS.sub("", s).rstrip()
    if s.endswith(")"):
        return True
    # A constructor's initialiser list ends with ") {" or "} {".
    return bool(re.search(r"\)\s*(?:noexcept\s*)?:(?!:)", s)) and (s.endswith(")") or s.endswith("}"))


def in_initialiser_list(sig):
    return bool(re.search(r"\)\s*(?:noexcept\s*)?:(?!:)", sig))


def find_functions(text):
    """Yields (first line, name, line count) for each function defined at
    namespace or class scope."""
    code = strip_code(text)
    line_of = []
    line = 1
    for ch in code:
        line_of.append(line)
        if ch == "\n":
            line += 1

    # Each open scope: "function" (a body, everything inside belongs to it)
    # or "scope" (namespace, class, extern "C", initialiser braces...).
    stack = []
    sig_start = 0
    i, n = 0, len(code)
    while i < n:
        ch = code[i]
        in_function = any(kind == "function" for kind, _ in stack)
        if in_function:
            if ch == "{":
                stack.append(("block", None))
            elif ch == "}":
                kind, info = stack.pop()
                if kind == "function":
                    first, name = info
                    yield first, name, line_of[i] - first + 1
                    sig_start = i + 1
            i += 1
            continue
        if ch == ";":
            sig_start = i + 1
        elif ch == "{":
            sig = code[sig_start:i]
            stripped = sig.strip()
            name = function_name(stripped) if stripped else None
            if name and looks_like_body_start(stripped):
                first = line_of[sig_start + len(sig) - len(sig.lstrip())]
                stack.append(("function", (first, name)))
            elif name and in_initialiser_list(stripped):
                # A member's brace initialiser inside a constructor's
                # initialiser list: skip it, the signature goes on.
                depth = 0
                while i < n:
                    if code[i] == "{":
                        depth += 1
                    elif code[i] == "}":
                        depth -= 1
                        if depth == 0:
                            break
                    i += 1
            else:
                stack.append(("scope", None))
                sig_start = i + 1
        elif ch == "}":
            if stack:
                stack.pop()
            sig_start = i + 1
        elif ch == ":" and re.search(
                r"\b(?:public|private|protected|signals|slots|Q_SLOTS|Q_SIGNALS)\s*$", code[sig_start:i]) \
                and code[i + 1:i + 2] != ":":
            sig_start = i + 1  # an access specifier ends nothing but starts the next member
        i += 1


def product_files(root, paths):
    if not paths:
        paths = [os.path.join(root, d) for d in PRODUCT_DIRS]
    for path in paths:
        if os.path.isfile(path):
            yield path
            continue
        for dirpath, dirnames, filenames in os.walk(path):
            dirnames.sort()
            for f in sorted(filenames):
                if f.endswith(SOURCE_SUFFIXES):
                    yield os.path.join(dirpath, f)


def read_allow_list(path):
    allowed = set()
    with open(path, encoding="utf-8") as f:
        for raw in f:
            entry = raw.split("#", 1)[0].split()
            if not entry:
                continue
            if len(entry) != 2:
                sys.exit(f"{path}: expected \"path function\", got: {raw.strip()}")
            allowed.add((entry[0], entry[1]))
    return allowed


def main():
    parser = argparse.ArgumentParser(description="Lists product functions longer than the limit.")
    parser.add_argument("--limit", type=int, default=LIMIT, help=f"longest allowed function in lines ({LIMIT})")
    parser.add_argument("--allow", metavar="FILE", help="offenders to tolerate, \"path function\" per line")
    parser.add_argument("paths", nargs="*", help="files or directories (default: the product directories)")
    args = parser.parse_args()

    root = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    allowed = read_allow_list(args.allow) if args.allow else set()
    seen_allowed = set()
    failed = False
    for path in product_files(root, args.paths):
        rel = os.path.relpath(os.path.abspath(path), root)
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        for first, name, lines in find_functions(text):
            if lines <= args.limit:
                continue
            if (rel, name) in allowed:
                seen_allowed.add((rel, name))
                continue
            print(f"{rel}:{first} {name} {lines}")
            failed = True
    if not args.paths:
        for rel, name in sorted(allowed - seen_allowed):
            print(f"note: {rel} {name} is within the limit now; remove it from {args.allow}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
