"""The mutation sampler behind tools/mutants.sh.

Picks places at random (seeded, so a run can be repeated) in the C++ and
resource script lines changed since a base commit, applies one mutation to
each, builds, runs the native tests and, only if they pass, the Wine tests,
and reports every mutant as caught, survived or not built, with its diff.
The working tree is restored after each mutant, whatever happens.
"""

import argparse
import difflib
import os
import random
import re
import subprocess
import sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SOURCES = ("src/", "proxies/")
KINDS = (".cpp", ".h", ".rc")
# Folders of the portable core, which the native build compiles too.
CORE = tuple("src/%s/" % part for part in ("base", "applet", "settings", "locale", "pages", "stack"))
BUILD_SECONDS = 1200
TEST_SECONDS = 1200

RELATIONS = [(" == ", " != "), (" != ", " == "), (" < ", " <= "), (" <= ", " < "), (" > ", " >= "),
             (" >= ", " > "), (" && ", " || "), (" || ", " && ")]
# Constants by family: ids, messages, flags, styles and value names.
FAMILY = re.compile(r"\b((?:IDC|IDS|IDD|IDI|WS_EX|WS|BS|SS|ES|LVNI|LVS|LVIS|WM|DBT|PSN|PSM|PSNRET|MB|NM|CPL|"
                    r"HKEY|KEY|REG|ERROR|SHACF|LOAD_LIBRARY|INSTALLMESSAGE|INSTALLSTATE)_[A-Z0-9_]+)\b")
CALL_STATEMENT = re.compile(r"^(\s*)(?!return\b|if\b|for\b|while\b|else\b|case\b|delete\b)"
                            r"[A-Za-z_][\w:.\->\[\]]*(?:<[^;]*>)?\(.*\);\s*(//.*)?$")
TWO_ARGUMENTS = re.compile(r"\b([A-Za-z_][\w:.\->]*)\(([^(),]+), ([^(),]+)\)")
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")


def git(*arguments):
    return subprocess.run(["git", *arguments], cwd=ROOT, check=True, capture_output=True, text=True).stdout


def default_base():
    tags = git("tag", "--sort=-creatordate").split()
    if tags:
        return tags[0]
    return git("rev-list", "--max-parents=0", "HEAD").split()[0]


def changed_lines(base):
    """{path: set of changed line numbers} of the working tree against base."""
    changes = {}
    for path in git("diff", "--name-only", base, "--", *SOURCES).split():
        if not path.endswith(KINDS) or not os.path.exists(os.path.join(ROOT, path)):
            continue
        lines = set()
        for hunk in re.finditer(r"^@@ -\S+ \+(\d+)(?:,(\d+))? @@", git("diff", "-U0", base, "--", path), re.M):
            start, count = int(hunk.group(1)), int(hunk.group(2) or 1)
            lines.update(range(start, start + count))
        if lines:
            changes[path] = lines
    return changes


def families():
    """Every constant of each family that the sources name, sorted."""
    members = {}
    for path in git("ls-files", *SOURCES).split():
        if path.endswith(KINDS):
            with open(os.path.join(ROOT, path), encoding="utf-8", errors="replace") as source:
                for name in FAMILY.findall(source.read()):
                    members.setdefault(name.split("_")[0], set()).add(name)
    return {family: sorted(names) for family, names in members.items()}


def mutations(line, known):
    """(rule, mutated line) for every mutation the rules allow on one line."""
    code = line.split("//")[0]
    stripped = code.strip()
    if not stripped or stripped.startswith(("#include", "#pragma", "static_assert")):
        return []
    found = []
    for old, new in RELATIONS:
        for match in re.finditer(re.escape(old), code):
            found.append(("operator " + old.strip() + " -> " + new.strip(),
                          line[:match.start()] + new + line[match.end():]))
    if any(mark in code for mark in ("<", ">", "[", "size", "capacity")) and not stripped.startswith("#define"):
        for match in NUMBER.finditer(code):
            value = int(match.group(1))
            for moved in (value + 1, value - 1):
                if moved >= 0:
                    found.append(("bound %d -> %d" % (value, moved),
                                  line[:match.start()] + str(moved) + line[match.end():]))
    if CALL_STATEMENT.match(line) and "=" not in code.split("(")[0]:
        found.append(("call removed", CALL_STATEMENT.match(line).group(1) + ";"))
    for match in TWO_ARGUMENTS.finditer(code):
        first, second = match.group(2).strip(), match.group(3).strip()
        if first != second:
            found.append(("arguments swapped",
                          line[:match.start(2)] + second + ", " + first + line[match.end(3):]))
    for match in FAMILY.finditer(code):
        names = known.get(match.group(1).split("_")[0], [])
        if match.group(1) in names and len(names) > 1:
            neighbour = names[(names.index(match.group(1)) + 1) % len(names)]
            found.append(("constant %s -> %s" % (match.group(1), neighbour),
                          line[:match.start()] + neighbour + line[match.end():]))
    return found


def run(command, seconds):
    """True when the command succeeds within its time."""
    try:
        return subprocess.run(["bash", "-c", command], cwd=ROOT, timeout=seconds, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0
    except subprocess.TimeoutExpired:
        return False


def verdict(path):
    """caught, survived or not built, for the tree as it is now."""
    native = path.startswith(CORE)
    if native:
        if not run("cmake --build --preset native", BUILD_SECONDS):
            return "not built"
        if not run("ctest --preset native", TEST_SECONDS):
            return "caught"
    if not run("cmake --build --preset win64", BUILD_SECONDS):
        return "caught" if native else "not built"
    packaged = path.startswith(("src/win32/setup/", "proxies/"))
    excluded = "soak" if packaged else "soak|package"
    if not run(". tools/lib/common.sh && wine_env $PWD/build/win64 && wine_prefix_ready && "
               "on_virtual_display ctest --preset win64 -E '%s'" % excluded, TEST_SECONDS):
        return "caught"
    return "survived"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("-n", "--count", type=int, default=20, help="mutants to try (20)")
    parser.add_argument("-s", "--seed", type=int, default=1, help="seed of the random choice (1)")
    parser.add_argument("base", nargs="?", help="base commit (the last tag, else the first commit)")
    arguments = parser.parse_args()
    base = arguments.base or default_base()
    known = families()
    # Places are lines that some rule can mutate, in two pools: resource
    # scripts change in many languages at once and would crowd out the C++,
    # so each pool gives every other mutant while it lasts.
    pools = {"C++": [], "resources": []}
    for path, lines in sorted(changed_lines(base).items()):
        with open(os.path.join(ROOT, path), encoding="utf-8") as source:
            text = source.read().split("\n")
        for number in sorted(lines):
            found = mutations(text[number - 1], known) if number <= len(text) else []
            if found:
                pools["resources" if path.endswith(".rc") else "C++"].append((path, number, found))
    chooser = random.Random(arguments.seed)
    for pool in pools.values():
        chooser.shuffle(pool)
    chosen = []
    while len(chosen) < arguments.count and any(pools.values()):
        for pool in pools.values():
            if pool and len(chosen) < arguments.count:
                path, number, found = pool.pop()
                chosen.append((path, number, *chooser.choice(found)))
    print("%d mutants since %s, seed %d" % (len(chosen), base, arguments.seed))
    counts = {}
    for index, (path, number, rule, mutated) in enumerate(chosen, 1):
        full = os.path.join(ROOT, path)
        with open(full, encoding="utf-8") as source:
            original = source.read()
        lines = original.split("\n")
        diff = "".join(difflib.unified_diff([lines[number - 1] + "\n"], [mutated + "\n"],
                                            "%s:%d" % (path, number), "mutant"))
        lines[number - 1] = mutated
        try:
            with open(full, "w", encoding="utf-8") as target:
                target.write("\n".join(lines))
            result = verdict(path)
        finally:
            with open(full, "w", encoding="utf-8") as target:
                target.write(original)
        counts[result] = counts.get(result, 0) + 1
        print("[%d/%d] %s: %s (%s)\n%s" % (index, len(chosen), result, rule, path, diff), flush=True)
    print("caught %d, survived %d, not built %d" % (counts.get("caught", 0), counts.get("survived", 0),
                                                     counts.get("not built", 0)))
    run("cmake --build --preset native && cmake --build --preset win64", BUILD_SECONDS)


if __name__ == "__main__":
    sys.exit(main())
