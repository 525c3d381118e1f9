#!/usr/bin/env python3
"""What the compiler's name check cannot say, for the files named on the command line:
- a file of a project puts what it defines in its folder's namespace (runtime/ in rt,
  platform/ in plat, shell/ in shell); another layer's namespace holds only declarations ahead;
- a field is named in a whole word: a single letter only for a coordinate, or for a symbol of
  the equation its record mirrors (listed below, with the equation).
Prints FILE:LINE and the name for each fault."""
import re
import sys

PROJECTS = "levers pendulum wheel lander weather circuits robotics trajectories rocketry probability".split()
OWN = {"runtime": "rt", "platform": "plat", "shell": "shell", **{p: p for p in PROJECTS}}
COORDINATES = {"x", "y", "z", "X", "Y", "Z"}
# Fields that are one symbol of an equation, as the equation writes it.
SYMBOLS = {
    ("weather/weathersummary.h", "a"),  # a temperature's trend at ordinal x is a + b x
    ("weather/weathersummary.h", "b"),
    ("wheel/wheelmodel.h", "N"),  # the number of cans on the wheel, as the wheel's equations count them
}

def blank(text):
    """The text with comments, strings and character literals turned into spaces, lines kept."""
    out, i, n = [], 0, len(text)
    pattern = re.compile(r'//[^\n]*|/\*.*?\*/|R"([^(]*)\(.*?\)\1"|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)
    def keep_lines(m):
        return re.sub(r'[^\n]', ' ', m.group(0))
    return pattern.sub(keep_lines, text)

def line_of(text, pos):
    return text.count("\n", 0, pos) + 1

def match_brace(text, open_pos):
    depth = 0
    for i in range(open_pos, len(text)):
        if text[i] == "{": depth += 1
        elif text[i] == "}":
            depth -= 1
            if depth == 0: return i
    return len(text) - 1

FORWARD = re.compile(r'^\s*((class|struct|union)\s+\w+|enum\s+(class\s+|struct\s+)?\w+\s*:\s*[\w:]+)\s*;\s*')

def only_forward(body):
    body = body.strip()
    while body:
        m = FORWARD.match(body)
        if not m: return False
        body = body[m.end():].strip()
    return True

def namespaces(path, text, own, problems):
    """Top-level namespaces: the folder's own, anonymous, or another layer's forward declarations."""
    pos = 0
    while True:
        m = re.compile(r'\bnamespace\s+([\w:]*)\s*\{|[{}]').search(text, pos)
        if not m: return
        if m.group(0) in "{}":  # a block at file level that is no namespace: skip it whole
            pos = match_brace(text, m.start()) + 1 if m.group(0) == "{" else m.end()
            continue
        open_pos = m.end() - 1
        close = match_brace(text, open_pos)
        name = m.group(1)
        if name and name.split("::")[0] != own and not only_forward(text[open_pos + 1:close]):
            problems.append(f"{path}:{line_of(text, m.start())}: namespace {name} (this folder's is {own})")
        pos = close + 1

CLASS = re.compile(r'\b(class|struct|union)\s+(?:\[\[[^\]]*\]\]\s*)?(\w+)?[^;{()]*\{')

def strip_nested(s, opener, closer):
    out, depth = [], 0
    for ch in s:
        if ch == opener: depth += 1
        elif ch == closer and depth: depth -= 1; continue
        if depth == 0: out.append(ch)
    return "".join(out)

def fields_of(path, text, problems):
    """Every data member of every class, struct or union, with its line."""
    for m in CLASS.finditer(text):
        open_pos = m.end() - 1
        close = match_brace(text, open_pos)
        i, start = open_pos + 1, open_pos + 1
        while i < close:
            ch = text[i]
            if ch == "{":
                end = match_brace(text, i)
                head = text[start:i]
                if re.search(r'\b(class|struct|union|enum)\b', head) or ")" in strip_nested(head, "<", ">"):
                    # a nested type or a function's body: the statement ends after it, unless a ';' follows a type
                    i = end + 1
                    rest = re.match(r'\s*;', text[i:close])
                    if re.search(r'\b(class|struct|union|enum)\b', head) and not rest:
                        # a nested type with declarators after it: "struct {...} a, b;"
                        j = text.find(";", i, close)
                        declare(path, text, head + " T " + text[i:j], start, problems) if j > 0 and text[i:j].strip() else None
                        i = j + 1 if j > 0 else i
                    elif rest:
                        i += rest.end()
                    start = i
                    continue
                i = end + 1  # a brace initialiser: part of the statement
                continue
            if ch == "(":  # parentheses may hold ';' in no declaration, skip them whole
                depth = 0
                while i < close:
                    if text[i] == "(": depth += 1
                    elif text[i] == ")":
                        depth -= 1
                        if depth == 0: break
                    i += 1
            elif ch == ";":
                declare(path, text, text[start:i], start, problems)
                start = i + 1
            elif ch == ":" and re.fullmatch(r'\s*(public|private|protected)\s*', text[start:i]) and text[i + 1] != ":":
                start = i + 1
            i += 1

def declare(path, text, stmt, where, problems):
    s = " ".join(stmt.split())
    if not s or re.match(r'(using|typedef|friend|static_assert|template|enum|class|struct|union|public|private|protected|Q_OBJECT)\b', s):
        return
    s = strip_nested(s, "<", ">")
    if "(" in re.sub(r'\{.*|=.*', "", s):  # a function, or a function's pointer: no field of ours
        return
    for part in re.split(r',', re.sub(r'\{[^}]*\}', "", s)):
        part = re.sub(r'=.*|\[.*|:\s*\d+\s*$', "", part).strip()
        m = re.search(r'(\w+)$', part)
        if not m: continue
        name = m.group(1)
        letter = name[2:] if name.startswith("m_") else name
        if len(letter) == 1 and letter not in COORDINATES and (path, name) not in SYMBOLS:
            offset = where + len(stmt) - len(stmt.lstrip())
            problems.append(f"{path}:{line_of(text, offset)}: one-letter field {name}")

def main(files):
    problems = {"ns": [], "field": []}
    for path in files:
        folder = path.split("/")[0]
        text = blank(open(path, encoding="utf-8").read())
        if folder in OWN:
            namespaces(path, text, OWN[folder], problems["ns"])
        fields_of(path, text, problems["field"])
    return problems["ns"] + problems["field"]


if __name__ == "__main__":
    found = main(sys.argv[1:])
    print("\n".join(found), end="\n" if found else "")
    sys.exit(1 if found else 0)
