#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

"""Mutation sampling: how many single-point faults in calc/, ui/ and web/ do the tests catch?

Each mutant changes one operator, comparison, logical connective, constant, string (caption,
box name, message), font role or boolean in a scratch copy of the sources, rebuilds only the
test programs that cover it in a Release build of its own, and runs them with a timeout:
calc_tests and powers_test (the powers against MPFR) for calc/, form1_test and monkey_test for
ui/, and for the page's script and the writer of its window the page's tests in Debian's
Chromium (the page is written anew around the engine that scripts/web.sh built in build/web). A
mutant that fails to build is recorded and replaced by the next one drawn, so the counts asked
for are mutants that built.
The same seed draws the same mutants from the same sources.

    python3 scripts/mutate.py --seed 7 --calc 50 --ui 15 --drawings 5 --web 20
"""

import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

POOLS = {
    "calc": {
        "files": ["calc/*.cpp", "calc/*.h"],
        "targets": ["calc_tests", "powers_test"],
        "tests": [["tests/calc_tests", "--gtest_brief=1"], ["tests/powers_test", "--gtest_brief=1"]],
    },
    # The window's code: its table of controls, its events, fonts and fault messages.
    "ui": {
        "files": ["ui/form1*", "ui/result_box*", "ui/narrowed_font*", "form/form1_layout.h", "form/twips.h",
                  "form/messages.h", "form/result_text*"],
        "targets": ["form1_test", "monkey_test", "result_fit_test"],
        "tests": [["tests/ui/form1_test"], ["tests/ui/monkey_test"], ["tests/ui/result_fit_test"]],
    },
    # The section picture and the icon, drawn pixel by pixel in code.
    "drawings": {
        "files": ["form/section_picture.*", "ui/section_picture.*", "ui/clock_icon.*"],
        "targets": ["form1_test", "monkey_test"],
        "tests": [["tests/ui/form1_test"], ["tests/ui/monkey_test"]],
    },
    # The page's own script and the writer of its window, tested in the browser that runs them.
    "web": {
        "files": ["web/page.js", "web/window_markup.mjs"],
        "targets": [],
        "tests": [["node", "--test", "--test-reporter=dot", "tests/web/page_test.mjs"]],
    },
}

# A timing depends on how busy the machine is, not on the code: a slow run is no kill.
TIMED_FUNCTIONS = {"resultsAppearWithinOneFrameOfTheClick"}


@dataclass(frozen=True)
class Mutant:
    path: str  # relative to the source root
    line: int  # 1-based
    start: int  # column range of the replaced text within the line
    end: int
    replacement: str
    kind: str

    def describe(self, lines):
        original = lines[self.line - 1]
        return (f"{self.path}:{self.line}:{self.start + 1} {self.kind}: "
                f"{original[self.start:self.end]!r} -> {self.replacement!r}")


STRING = re.compile(r'"(?:[^"\\]|\\.)*"')
# JavaScript's strings may be in single quotes or backquotes too.
JS_STRING = re.compile(r'"(?:[^"\\]|\\.)*"|' + r"'(?:[^'\\]|\\.)*'|`(?:[^`\\]|\\.)*`")
NUMBER = re.compile(r"(?<![\w.])(\d+\.\d*|\.\d+|\d+)([eE][+-]?\d+)?(?![\w.])")
OPERATORS = [
    ("operator", re.compile(r"(?<= )[+\-*/](?= )"), ["+", "-", "*", "/"]),
    ("comparison", re.compile(r"(?<= )(===|!==|==|!=|<=|>=|<|>)(?= )"), None),
    ("logical", re.compile(r"(?<= )(&&|\|\|)(?= )"), None),
    ("negation", re.compile(r"(?<=\()!(?=[\w(])"), None),
    ("font", re.compile(r"\bF::(Song|SansSerif|Hei)\b"), None),
    ("boolean", re.compile(r"\b(true|false)\b"), None),
]
# Rectangles in twips: one twip more or less rounds to the same pixel, so they move by a pixel.
TWIP_RECT = re.compile(r"\{\d+, \d+, \d+, \d+\}")
TWIPS_PER_PIXEL = 15
TWIP_FILES = {"form/form1_layout.h"}
COMPARISON_SWAPS = {"===": ["!=="], "!==": ["==="], "==": ["!="], "!=": ["=="], "<": ["<=", ">"], "<=": ["<", ">="], ">": [">=", "<"], ">=": [">", "<="]}


def code_spans(line, js=False):
    """The line without its // comment, and the column ranges of its string literals."""
    strings = [(m.start(), m.end()) for m in (JS_STRING if js else STRING).finditer(line)]
    cut = len(line)
    for m in re.finditer(r"//", line):
        if not any(s <= m.start() < e for s, e in strings):
            cut = m.start()
            break
    return line[:cut], [(s, e) for s, e in strings if e <= cut]


def constant_variants(text, exponent):
    if "." not in text:
        value = int(text)
        variants = [str(value + 1)] + ([str(value - 1)] if value > 0 else [])
    else:
        # The last digit one up and one down: 0.4646 -> 0.4647, 0.4645.
        digits = [i for i, c in enumerate(text) if c.isdigit()]
        last = digits[-1]
        d = int(text[last])
        variants = [text[:last] + str((d + 1) % 10) + text[last + 1 :]]
        if d > 0:
            variants.append(text[:last] + str(d - 1) + text[last + 1 :])
    return [v + (exponent or "") for v in variants]


def string_variant(literal):
    quote, body = literal[0], literal[1:-1]
    if not body:
        return quote + "x" + quote
    # Drop the last character, whole escape or whole UTF-8 character.
    if len(body) >= 2 and body[-2] == "\\":
        return quote + body[:-2] + quote
    if re.search(r"\\x[0-9a-fA-F]{2}$", body):
        return quote + body[:-4] + quote
    return quote + body[:-1] + quote


def sites_in(path, lines):
    found = []
    in_block_comment = False
    for number, line in enumerate(lines, 1):
        stripped = line.strip()
        if in_block_comment:
            in_block_comment = "*/" not in stripped
            continue
        if stripped.startswith("/*"):
            in_block_comment = "*/" not in stripped
            continue
        if stripped.startswith(("#", "//")) or "static_assert" in line:
            continue
        code, strings = code_spans(line, path.endswith(".js"))

        def outside_strings(start):
            return not any(s <= start < e for s, e in strings)

        for s, e in strings:
            found.append(Mutant(path, number, s, e, string_variant(line[s:e]), "string"))
        rects = [(r.start(), r.end()) for r in TWIP_RECT.finditer(code)] if path in TWIP_FILES else []
        for m in NUMBER.finditer(code):
            if any(s <= m.start() < e for s, e in rects):
                value = int(m.group(1))
                variants = [str(value + TWIPS_PER_PIXEL)] + ([str(value - TWIPS_PER_PIXEL)] if value >= 15 else [])
                for v in variants:
                    found.append(Mutant(path, number, m.start(), m.end(), v, "pixel"))
            elif outside_strings(m.start()):
                for v in constant_variants(m.group(1), m.group(2)):
                    found.append(Mutant(path, number, m.start(), m.end(), v, "constant"))
        for kind, pattern, choices in OPERATORS:
            for m in pattern.finditer(code):
                if not outside_strings(m.start()):
                    continue
                token = m.group(0)
                if kind == "operator":
                    variants = [c for c in choices if c != token]
                elif kind == "comparison":
                    variants = COMPARISON_SWAPS[token]
                elif kind == "logical":
                    variants = ["||" if token == "&&" else "&&"]
                elif kind == "negation":
                    variants = [""]
                elif kind == "font":
                    variants = [f"F::{r}" for r in ("Song", "SansSerif", "Hei") if f"F::{r}" != token]
                else:
                    variants = ["false" if token == "true" else "true"]
                for v in variants:
                    found.append(Mutant(path, number, m.start(), m.end(), v, kind))
    return found


def run(command, cwd, timeout, env=None):
    try:
        result = subprocess.run(command, cwd=cwd, env=env, capture_output=True, text=True, errors="replace", timeout=timeout)
        return result.returncode, result.stdout + result.stderr
    except subprocess.TimeoutExpired:
        return None, "timeout"


def sync_sources(scratch):
    """Copies the tracked and new files into the scratch tree, touching only what changed."""
    listed = subprocess.run(
        ["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT, capture_output=True, check=True
    ).stdout.split(b"\0")
    for name in filter(None, (n.decode() for n in listed)):
        source, target = ROOT / name, scratch / name
        if not source.is_file():
            continue
        data = source.read_bytes()
        if not target.exists() or target.read_bytes() != data:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)


def test_commands(pool, build):
    commands = []
    for command in POOLS[pool]["tests"]:
        if command[0].endswith("form1_test"):
            listed = subprocess.run([str(build / command[0]), "-functions"], capture_output=True, text=True,
                                    env=test_env()).stdout.split()
            functions = [f.removesuffix("()") for f in listed if f.removesuffix("()") not in TIMED_FUNCTIONS]
            command = command + functions
        commands.append(command)
    return commands


def test_env():
    # A crashing mutant must not wait for a debugger to print its stack.
    return dict(os.environ, QT_QPA_PLATFORM="offscreen", QTEST_DISABLE_STACK_DUMP="1")


def build_mutant(pool, scratch, build, timeout):
    """Builds what a pool's tests run: its test programs, or for the page the page itself."""
    if pool == "web":
        return run(["node", str(scratch / "web/build_page.mjs"), "--title", "Vandrel设计",
                    "--engine", str(ROOT / "build/web/web/vandrel_engine.js"), "--out", str(build / "page.html")],
                   ROOT, timeout)
    return run(["cmake", "--build", str(build), "-j", "2", "--target", *POOLS[pool]["targets"]], build, timeout)


def run_test(pool, command, build, timeout):
    """The page's tests run from the repository, where their packages are, in Debian's Chromium
    over a sample of the generated cases; the programs in the scratch build."""
    if pool == "web":
        env = dict(test_env(), VANDREL_WEB_PAGE=str(build / "page.html"), VANDREL_ENGINES="chromium",
                   VANDREL_CASES="2000", VANDREL_SAME_DIGITS=str(ROOT / "build/release/same_digits.txt"))
        return run(command, ROOT, timeout, env)
    return run([str(build / command[0]), *command[1:]], build, timeout, test_env())


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--calc", type=int, default=50, help="calculation mutants that build")
    parser.add_argument("--ui", type=int, default=15, help="window mutants that build")
    parser.add_argument("--drawings", type=int, default=0, help="picture and icon mutants that build")
    parser.add_argument("--web", type=int, default=0, help="mutants of the page's script")
    parser.add_argument("--build", default="build/mutate", help="scratch sources and Release build")
    parser.add_argument("--timeout", type=int, default=300, help="seconds for one build or one test program")
    parser.add_argument("--list", action="store_true", help="only count the mutation sites")
    args = parser.parse_args()
    wanted = {"calc": args.calc, "ui": args.ui, "drawings": args.drawings, "web": args.web}

    work = (ROOT / args.build).resolve()
    scratch, build = work / "src", work / "build"
    sync_sources(scratch)

    pools = {}
    for pool, spec in POOLS.items():
        files = sorted({str(p.relative_to(scratch)) for g in spec["files"] for p in scratch.glob(g)})
        pools[pool] = [m for f in files for m in sites_in(f, (scratch / f).read_text().split("\n"))]
        kinds = {}
        for m in pools[pool]:
            kinds[m.kind] = kinds.get(m.kind, 0) + 1
        print(f"{pool}: {len(pools[pool])} sites in {len(files)} files {dict(sorted(kinds.items()))}")
    if args.list:
        return 0

    targets = [t for pool, spec in POOLS.items() if wanted[pool] > 0 for t in spec["targets"]]
    if targets and not (build / "build.ninja").exists():
        subprocess.run(["cmake", "-S", str(scratch), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                        "-DCMAKE_CXX_COMPILER=g++"], check=True, stdout=subprocess.DEVNULL)
    if targets:
        subprocess.run(["cmake", "--build", str(build), "-j", "2", "--target", *targets], check=True,
                       stdout=subprocess.DEVNULL)
    build.mkdir(parents=True, exist_ok=True)
    commands = {pool: test_commands(pool, build) for pool in POOLS if wanted[pool] > 0}
    for pool in [p for p in POOLS if wanted[p] > 0]:
        if pool == "web" and build_mutant(pool, scratch, build, args.timeout)[0] != 0:
            sys.exit("the unmutated page does not build: bash scripts/web.sh first")
        for command in commands[pool]:
            code, output = run_test(pool, command, build, args.timeout)
            if code != 0:
                sys.exit(f"the unmutated sources fail {command[0]}:\n{output[-3000:]}")

    rng = random.Random(args.seed)
    report = work / f"mutants-seed{args.seed}.txt"
    tally = {pool: {"killed": 0, "survived": 0, "build failure": 0} for pool in POOLS if wanted[pool] > 0}
    started = time.monotonic()
    with report.open("w") as out:
        for pool in tally:
            order = list(pools[pool])
            rng.shuffle(order)
            built = 0
            for mutant in order:
                if built == wanted[pool]:
                    break
                path = scratch / mutant.path
                original = path.read_text()
                lines = original.split("\n")
                description = mutant.describe(lines)
                line = lines[mutant.line - 1]
                lines[mutant.line - 1] = line[: mutant.start] + mutant.replacement + line[mutant.end :]
                try:
                    path.write_text("\n".join(lines))
                    code, output = build_mutant(pool, scratch, build, args.timeout)
                    if code != 0:
                        outcome, detail = "build failure", ""
                    else:
                        built += 1
                        outcome, detail = "survived", ""
                        for command in commands[pool]:
                            code, output = run_test(pool, command, build, args.timeout)
                            if code != 0:
                                failing = [ln.strip() for ln in output.splitlines()
                                           if ln.lstrip().startswith(("FAIL!", "[  FAILED  ]", "not ok"))]
                                outcome = "killed"
                                detail = f" by {Path(command[0]).name}" + (
                                    " (timeout)" if code is None else f": {failing[0][:150]}" if failing else "")
                                break
                finally:
                    path.write_text(original)
                tally[pool][outcome] += 1
                entry = f"{pool} {outcome.upper()}: {description}{detail}"
                print(entry, flush=True)
                out.write(entry + "\n")
                out.flush()
        elapsed = time.monotonic() - started
        for pool, counts in tally.items():
            judged = counts["killed"] + counts["survived"]
            rate = 100 * counts["killed"] / judged if judged else 0
            summary = (f"{pool}: {counts['killed']} killed, {counts['survived']} survived, "
                       f"{counts['build failure']} build failures; {rate:.1f}% killed of those that built")
            print(summary)
            out.write(summary + "\n")
        out.write(f"{elapsed / 60:.1f} minutes\n")
    print(f"report: {report}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
