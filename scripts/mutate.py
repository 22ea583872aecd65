#!/usr/bin/env python3
"""Mutation testing of the window-free cores against their native tests.

For each core source (cmake/CoreSources.cmake, QUILLON_CORE_SOURCES, afxlite's
own files left out) it lists every place one of a fixed set of operators can
change, draws a seeded sample, and for each mutant: writes it over the
source, rebuilds the native build incrementally, runs the native tests with a
timeout, and puts the original back. A mutant is killed when the build's
tests fail (or time out), survives when they pass, and is left out of the
score when it does not compile.

Usage: mutate.py [--build-dir DIR] [--per-file N] [--seed S] [--timeout SEC]
                 [--files F ...] [--list]
Prints the score per file, "mutation score: N%" overall, and every survivor
(file, line, before, after).
"""

import argparse
import os
import random
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Operators: (name, pattern, replacement). Each match of a pattern on a code
# line is one candidate mutant.
COMPARISONS = [
    ("flip", r"==", "!="),
    ("flip", r"!=", "=="),
    ("boundary", r"(?<![<>=!])<(?![<=])", "<="),
    ("boundary", r"(?<![<>=!])<=", "<"),
    ("boundary", r"(?<![<>=!-])>(?![>=])", ">="),
    ("boundary", r"(?<![<>=!])>=", ">"),
    ("flip", r"(?<![<>=!])<(?![<=])", ">="),
    ("flip", r"(?<![<>=!-])>(?![>=])", "<="),
]
ARITHMETIC = [
    ("arith", r"(?<=[\w)\]] )\+(?= [\w(])", "-"),
    ("arith", r"(?<=[\w)\]] )-(?= [\w(])", "+"),
    ("arith", r"(?<=[\w)\]] )\*(?= [\w(])", "/"),
    ("arith", r"(?<=[\w)\]] )/(?= [\w(])", "*"),
    ("arith", r"\+\+", "--"),
    ("arith", r"(?<![-])--(?![-])", "++"),
    ("arith", r"\+=", "-="),
    ("arith", r"-=", "+="),
]
LOGICAL = [
    ("logic", r"&&", "||"),
    ("logic", r"\|\|", "&&"),
    ("logic", r"!(?=[\w(])(?!=)", ""),
    ("logic", r"\btrue\b", "false"),
    ("logic", r"\bfalse\b", "true"),
]
CONSTANT = re.compile(r"(?<![\w.])(\d+)(?![\w.])")

STRING_OR_CHAR = re.compile(r'"(?:\\.|[^"\\])*"|\'(?:\\.|[^\'\\])*\'')


def code_part(line):
    """The line with strings, characters and // comments blanked out, so no
    operator matches inside them (same length, so columns still agree)."""
    blanked = STRING_OR_CHAR.sub(lambda m: " " * len(m.group(0)), line)
    cut = blanked.find("//")
    if cut >= 0:
        blanked = blanked[:cut] + " " * (len(blanked) - cut)
    return blanked


def candidates(lines):
    """Every mutant of a file: (line index, before, after, operator)."""
    out = []
    in_block_comment = False
    for i, line in enumerate(lines):
        stripped = line.strip()
        if in_block_comment:
            if "*/" in stripped:
                in_block_comment = False
            continue
        if stripped.startswith("/*"):
            in_block_comment = "*/" not in stripped
            continue
        if not stripped or stripped.startswith("#") or stripped.startswith("//"):
            continue
        if "ASSERT" in stripped or "static_assert" in stripped:
            continue  # assertions are not behaviour the tests should pin
        code = code_part(line)
        # Template argument lists (static_cast<size_t>, std::vector<int>) are not comparisons.
        templates = [m.span() for m in re.finditer(r"<[\w:\s*,]*>", code) if re.match(r"\w", code[m.start() - 1:m.start()] or " ")]
        for name, pat, rep in COMPARISONS + ARITHMETIC + LOGICAL:
            for m in re.finditer(pat, code):
                if name in ("flip", "boundary") and ("template" in code or "<<" in code or ">>" in code):
                    continue
                if any(a <= m.start() < b for a, b in templates):
                    continue
                mutated = line[:m.start()] + rep + line[m.end():]
                out.append((i, line, mutated, name))
        for m in CONSTANT.finditer(code):
            value = int(m.group(1))
            for new in (value + 1, value - 1):
                if new < 0:
                    continue
                mutated = line[:m.start()] + str(new) + line[m.end():]
                out.append((i, line, mutated, "constant"))
        # Removed statements: an expression statement or an early return.
        if stripped.endswith(";") and not stripped.startswith(("return", "case", "default", "break", "}")):
            if re.match(r"^[\w\->.\[\]()*&]+\s*(=|\+=|-=|\(|\+\+|--)", stripped) and not re.match(
                    r"^(const\s+)?[A-Za-z_][\w:<>]*[\s*&]+[A-Za-z_]\w*\s*(=|\(|;)", stripped):
                indent = line[:len(line) - len(line.lstrip())]
                out.append((i, line, indent + ";\n", "remove"))
        if re.match(r"^if\s*\(.*\)\s*return\b.*;$", stripped):
            indent = line[:len(line) - len(line.lstrip())]
            out.append((i, line, indent + ";\n", "no-early-return"))
    return out


def core_sources():
    text = open(os.path.join(ROOT, "cmake", "CoreSources.cmake")).read()
    m = re.search(r"set\(QUILLON_CORE_SOURCES(.*?)\)", text, re.S)
    return [f for f in m.group(1).split() if f.endswith(".cpp")] if m else []


def run(cmd, timeout, cwd):
    try:
        p = subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout,
                           start_new_session=True)
        return p.returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build-dir", default=os.path.join(ROOT, "build", "native"))
    ap.add_argument("--per-file", type=int, default=40, help="mutants sampled per file (default 40)")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--timeout", type=int, default=120, help="seconds for one test run")
    ap.add_argument("--files", nargs="*", help="sources to mutate (default: the window-free cores)")
    ap.add_argument("--list", action="store_true", help="only count the candidates")
    args = ap.parse_args()

    files = args.files or core_sources()
    if not files:
        sys.exit("mutate: no core sources found in cmake/CoreSources.cmake")
    build = args.build_dir
    if not os.path.exists(os.path.join(build, "build.ninja")):
        sys.exit("mutate: %s is not configured (run `make native` first)" % build)

    # The unmutated tree must build and pass, or no result means anything.
    if run(["ninja", "-C", build], 1800, ROOT) != 0:
        sys.exit("mutate: the native build fails before any mutation")
    t0 = time.time()
    if run(["ctest", "--test-dir", build, "-j2"], args.timeout * 4, ROOT) != 0:
        sys.exit("mutate: the native tests fail before any mutation")
    test_timeout = max(args.timeout, int((time.time() - t0) * 5) + 10)

    current = {"path": None, "text": None}

    def restore(*_):
        if current["path"]:
            with open(current["path"], "w") as f:
                f.write(current["text"])
            current["path"] = None
        if _:
            sys.exit(130)

    signal.signal(signal.SIGINT, restore)
    signal.signal(signal.SIGTERM, restore)

    rng = random.Random(args.seed)
    totals = {"killed": 0, "survived": 0, "uncompilable": 0}
    survivors = []
    per_file = []
    for rel in files:
        path = os.path.join(ROOT, rel)
        text = open(path).read()
        lines = text.splitlines(keepends=True)
        cands = candidates(lines)
        sample = cands if len(cands) <= args.per_file else rng.sample(cands, args.per_file)
        sample.sort(key=lambda c: c[0])
        if args.list:
            print("%s: %d candidates" % (rel, len(cands)))
            continue
        killed = survived = broken = 0
        for (i, before, after, op) in sample:
            mutated = lines[:i] + [after] + lines[i + 1:]
            current["path"], current["text"] = path, text
            try:
                with open(path, "w") as f:
                    f.write("".join(mutated))
                if run(["ninja", "-C", build], 600, ROOT) != 0:
                    broken += 1
                    continue
                # The mutated subsystem's own tests first: most mutants die
                # there, and the rest of the suite runs only for survivors.
                sub = rel.split("/")[1] if rel.startswith("src/") else ""
                rc = run(["ctest", "--test-dir", build, "-j2", "--stop-on-failure", "-R", sub],
                         test_timeout, ROOT) if sub else 0
                if rc == 0:
                    rc = run(["ctest", "--test-dir", build, "-j2", "--stop-on-failure"] +
                             (["-E", "^native_" + sub + "$"] if sub else []), test_timeout, ROOT)
                if rc == 0:
                    survived += 1
                    survivors.append((rel, i + 1, before.strip(), after.strip(), op))
                else:
                    killed += 1
            finally:
                restore()
        scored = killed + survived
        score = 100.0 * killed / scored if scored else 100.0
        per_file.append((rel, killed, scored, broken, score))
        print("%s: %d of %d killed (%.0f%%), %d did not compile" % (rel, killed, scored, score, broken), flush=True)
        totals["killed"] += killed
        totals["survived"] += survived
        totals["uncompilable"] += broken
    if args.list:
        return 0

    # Leave the build matching the restored sources.
    run(["ninja", "-C", build], 1800, ROOT)
    scored = totals["killed"] + totals["survived"]
    overall = 100.0 * totals["killed"] / scored if scored else 100.0
    print("mutants: %d killed, %d survived, %d did not compile (seed %d, %d per file)" %
          (totals["killed"], totals["survived"], totals["uncompilable"], args.seed, args.per_file))
    print("mutation score: %.0f%%" % overall)
    if survivors:
        print("surviving mutants:")
        for rel, line, before, after, op in survivors:
            print("  %s:%d [%s]\n    before: %s\n    after:  %s" % (rel, line, op, before, after))
    return 0


if __name__ == "__main__":
    sys.exit(main())
