#!/usr/bin/env python3
"""Turns Lang("English", "中文") pairs into Qt translation calls.

    python3 scripts/lang_to_tr.py [--ts translations/t40_zh_CN.ts] FILE...
    python3 scripts/lang_to_tr.py        # only brings the .ts file up to date (lupdate)

Each pair whose two arguments are string literals becomes tr("English") inside
a member of a Q_OBJECT class and QCoreApplication::translate("Context",
"English") elsewhere; the Chinese text goes, byte for byte, into the .ts file
as the finished translation of that message. Where the same English text
already has another Chinese text in the same context, the new message gets a
disambiguation (the Chinese text's own words are not used: a short label, see
--label). Running it again changes nothing; pairs whose arguments are not
literals are listed and left for a hand edit. Afterwards lupdate is run over
src/ and tools/ so that the .ts file keeps lupdate's own form.
"""

import argparse
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_TS = os.path.join(ROOT, "translations", "t40_zh_CN.ts")
NAMESPACE = "t40"


# ---- a small C++ lexer: enough to find calls, literals and braces ----

TOKEN = re.compile(
    r'(?P<ws>\s+)|(?P<lc>//[^\n]*)|(?P<bc>/\*.*?\*/)'
    r'|(?P<str>(?:u8|u|U|L)?"(?:[^"\\\n]|\\.)*")'
    r"|(?P<chr>'(?:[^'\\\n]|\\.)+')"
    r'|(?P<id>[A-Za-z_]\w*)|(?P<num>\d[\w.]*)|(?P<op>::|->|.)',
    re.S,
)


def lex(text):
    tokens = []
    for m in TOKEN.finditer(text):
        kind = m.lastgroup
        if kind in ("ws", "lc", "bc"):
            continue
        tokens.append((kind, m.group(), m.start(), m.end()))
    return tokens


ESCAPES = {"n": "\n", "t": "\t", "r": "\r", "\\": "\\", '"': '"', "'": "'", "?": "?", "a": "\a", "0": "\0"}


def literal_value(tokens):
    """The run-time text of adjacent string literals (UTF-8 source)."""
    out = []
    for _, text, _, _ in tokens:
        body = text[text.index('"') + 1:-1]
        i = 0
        while i < len(body):
            c = body[i]
            if c == "\\":
                n = body[i + 1]
                if n == "x":
                    m = re.match(r"[0-9a-fA-F]+", body[i + 2:])
                    out.append(chr(int(m.group(), 16)))
                    i += 2 + len(m.group())
                    continue
                if n in "01234567" and re.match(r"[0-7]{2,3}", body[i + 1:]):
                    m = re.match(r"[0-7]{1,3}", body[i + 1:])
                    out.append(chr(int(m.group(), 8)))
                    i += 1 + len(m.group())
                    continue
                out.append(ESCAPES.get(n, n))
                i += 2
                continue
            out.append(c)
            i += 1
    return "".join(out)


# ---- which classes may call tr() ----

def qobject_classes():
    names = set()
    for top in ("src", "tools", "tests"):
        for dirpath, _, files in os.walk(os.path.join(ROOT, top)):
            for f in files:
                if not f.endswith((".h", ".cpp")):
                    continue
                text = open(os.path.join(dirpath, f), encoding="utf-8").read()
                for m in re.finditer(r"\b(?:class|struct)\s+(\w+)\b[^;{]*\{", text):
                    if "Q_OBJECT" in text[m.end():m.end() + 200].split("}")[0]:
                        names.add(m.group(1))
    return names


def file_context(path):
    stem = os.path.splitext(os.path.basename(path))[0]
    name = "".join(part.capitalize() for part in stem.split("_"))
    return NAMESPACE + "::" + EXCEPTIONS.get(name, name)


# File names whose window class is spelled otherwise.
EXCEPTIONS = {"MdiFormMain": "MDIFormMain", "FrmAbout": "frmAbout", "FormQtDqtCopy": "FormQtDqtCopy"}


def enclosing_class(tokens, index):
    """The class whose member holds tokens[index], or None for free code."""
    stack = []  # (kind, name) per open brace
    header_start = 0
    pending = []  # headers of top-level braces since the last top-level ';'
    for i, (kind, text, _, _) in enumerate(tokens[:index]):
        outer = all(k == "namespace" for k, _ in stack)
        if text == "{":
            header = tokens[header_start:i]
            words = [t for _, t, _, _ in header]
            joined = " ".join(words)
            if not outer:
                stack.append(("inner", None))
            elif words[:1] == ["namespace"] or (len(words) >= 2 and words[-2:-1] == ["namespace"]):
                stack.append(("namespace", None))
            else:
                pending.append(joined)
                m = re.search(r"\b(?:class|struct)\s+(\w+)", joined)
                f = None
                for h in reversed(pending):
                    f = re.search(r"(\w+)\s*::\s*~?\s*\w+\s*\(", h)
                    if f:
                        break
                if m and "(" not in joined.split(m.group(0))[0] and "enum" not in words:
                    stack.append(("class", m.group(1)))
                elif f:
                    stack.append(("function", f.group(1)))
                else:
                    stack.append(("function", None))
            header_start = i + 1
        elif text == "}":
            if stack and stack.pop()[0] in ("class", "function") and all(k == "namespace" for k, _ in stack):
                pending = []  # a definition ended: the next one has its own header
            header_start = i + 1
        elif text == ";":
            if outer:
                pending = []
            header_start = i + 1
    for kind, name in stack:
        if kind in ("class", "function") and name:
            return name
        if kind in ("class", "function"):
            return None
    return None


# ---- finding pairs ----

def find_pairs(text):
    """(start, end, english tokens, chinese tokens) of every literal pair; and calls left alone."""
    tokens = lex(text)
    pairs, skipped = [], []
    for i, (kind, word, start, _) in enumerate(tokens):
        if kind != "id" or word != "Lang" or i + 1 >= len(tokens) or tokens[i + 1][1] != "(":
            continue
        if i > 0 and tokens[i - 1][1] in ("QString", "::", ".", "->"):
            continue  # the definition, or someone else's Lang
        depth, args, current, j = 0, [], [], i + 2
        while j < len(tokens):
            t = tokens[j][1]
            if t in "([{" and tokens[j][0] == "op":
                depth += 1
            elif t in ")]}" and tokens[j][0] == "op":
                if depth == 0:
                    break
                depth -= 1
            elif t == "," and depth == 0:
                args.append(current)
                current = []
                j += 1
                continue
            current.append(tokens[j])
            j += 1
        args.append(current)
        end = tokens[j][3]
        if len(args) == 2 and all(a and all(t[0] == "str" for t in a) for a in args):
            pairs.append((i, start, end, args[0], args[1]))
        else:
            line = text.count("\n", 0, start) + 1
            skipped.append((line, text[start:end]))
    return tokens, pairs, skipped


# ---- the .ts file ----

def load_ts(path):
    entries = {}  # (context, source, comment) -> translation
    order = []
    if os.path.exists(path):
        root = ET.parse(path).getroot()
        for ctx in root.findall("context"):
            name = ctx.findtext("name")
            for msg in ctx.findall("message"):
                key = (name, msg.findtext("source") or "", msg.findtext("comment") or "")
                tr = msg.find("translation")
                if key not in entries:
                    order.append(key)
                entries[key] = (tr.text or "") if tr is not None else ""
    return entries, order


def xml_text(s):
    return (s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;").replace("'", "&apos;"))


def write_ts(path, entries, order):
    contexts = {}
    for key in order:
        contexts.setdefault(key[0], []).append(key)
    out = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>", '<TS version="2.1" language="zh_CN">']
    for name in sorted(contexts):
        out += ["<context>", "    <name>%s</name>" % xml_text(name)]
        for key in contexts[name]:
            out.append("    <message>")
            out.append("        <source>%s</source>" % xml_text(key[1]))
            if key[2]:
                out.append("        <comment>%s</comment>" % xml_text(key[2]))
            out.append("        <translation>%s</translation>" % xml_text(entries[key]))
            out.append("    </message>")
        out.append("</context>")
    out.append("</TS>")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


def c_literal(s):
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n") + '"'


def label_for(chinese, labels):
    for zh, label in labels:
        if zh == chinese:
            return label
    return None


def convert(path, entries, order, qobjects, labels):
    text = open(path, encoding="utf-8").read()
    tokens, pairs, skipped = find_pairs(text)
    for line, call in skipped:
        print("%s:%d: left alone (not two literals): %s" % (os.path.relpath(path, ROOT), line, call.splitlines()[0]))
    if not pairs:
        return False
    pieces, last, uses_translate = [], 0, False
    for index, start, end, english_tokens, chinese_tokens in pairs:
        english = literal_value(english_tokens)
        chinese = literal_value(chinese_tokens)
        cls = enclosing_class(tokens, index)
        owner = file_context(path).split("::")[-1]
        if cls in qobjects:
            context = NAMESPACE + "::" + cls
            call = "tr("
        elif owner in qobjects:
            # free code beside the window of the same name speaks in its context
            context = NAMESPACE + "::" + owner
            call = owner + "::tr("
        else:
            context = file_context(path)
            call = "QCoreApplication::translate(%s, " % c_literal(context)
            uses_translate = True
        comment = ""
        known = entries.get((context, english, ""))
        if known is not None and known != chinese:
            # the same English already means something else here
            comment = label_for(chinese, labels) or ""
            if not comment:
                n = 2
                while (context, english, "variant %d" % n) in entries and entries[(context, english, "variant %d" % n)] != chinese:
                    n += 1
                comment = "variant %d" % n
            known = entries.get((context, english, comment))
            if known is not None and known != chinese:
                sys.exit("%s: %r has two Chinese texts under the label %r" % (path, english, comment))
        key = (context, english, comment)
        if key not in entries:
            order.append(key)
        entries[key] = chinese
        english_src = text[english_tokens[0][2]:english_tokens[-1][3]]
        # continuation lines of the text stay aligned under its first line
        shift = len(call) - len("Lang(")
        lines = english_src.split("\n")
        for n in range(1, len(lines)):
            lines[n] = " " * shift + lines[n] if shift > 0 else lines[n][min(-shift, len(lines[n]) - len(lines[n].lstrip(" "))):]
        english_src = "\n".join(lines)
        args = english_src + (", " + c_literal(comment) if comment else "")
        pieces.append(text[last:start])
        pieces.append(call + args + ")")
        last = end
    pieces.append(text[last:])
    result = "".join(pieces)
    if uses_translate and "<QCoreApplication>" not in result:
        includes = list(re.finditer(r"^#include <[^>]+>\n", result, re.M))
        at = includes[0].start() if includes else (list(re.finditer(r'^#include "[^"]+"\n', result, re.M)) or [None])[-1]
        if includes:
            result = result[:at] + "#include <QCoreApplication>\n" + result[at:]
        elif at is not None:
            result = result[:at.end()] + "\n#include <QCoreApplication>\n" + result[at.end():]
        else:
            result = "#include <QCoreApplication>\n" + result
    with open(path, "w", encoding="utf-8") as f:
        f.write(result)
    print("%s: %d pair(s)" % (os.path.relpath(path, ROOT), len(pairs)))
    return True


# Files lupdate must not read (none at present).
LUPDATE_SKIP = ()


def run_lupdate(ts):
    sources = []
    for top in ("src", "tools"):
        for dirpath, _, files in os.walk(os.path.join(ROOT, top)):
            sources += [os.path.join(dirpath, f) for f in sorted(files)
                        if f.endswith((".cpp", ".h")) and f not in LUPDATE_SKIP]
    for exe in ("lupdate", "/usr/lib/qt6/bin/lupdate"):
        try:
            subprocess.run([exe, "-silent", "-locations", "none"] + sources + ["-ts", ts], check=True)
            return
        except FileNotFoundError:
            continue
    print("lupdate not found: the .ts file holds the new messages but not lupdate's own form", file=sys.stderr)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("files", nargs="*")
    parser.add_argument("--ts", default=DEFAULT_TS)
    parser.add_argument("--label", action="append", default=[], metavar="CHINESE=LABEL",
                        help="disambiguation for the Chinese text when its English is taken")
    parser.add_argument("--no-lupdate", action="store_true")
    args = parser.parse_args()
    labels = [tuple(l.split("=", 1)) for l in args.label] + DEFAULT_LABELS
    entries, order = load_ts(args.ts)
    qobjects = qobject_classes()
    changed = False
    for path in args.files:
        changed |= convert(os.path.abspath(path), entries, order, qobjects, labels)
    if changed:
        write_ts(args.ts, entries, order)
    if (changed or not args.files) and not args.no_lupdate:
        run_lupdate(args.ts)


# Labels for the English texts that have two Chinese texts in one window.
DEFAULT_LABELS = []

if __name__ == "__main__":
    main()
