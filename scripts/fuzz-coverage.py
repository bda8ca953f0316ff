#!/usr/bin/env python3
"""Runs every fuzz target of a fuzz build for a few seconds from its seeds and reports the
coverage (edges) it reached. A target that stays under its floor in fuzz/coverage-floors.txt
fails the check: that is what happens when the libraries it tests lose their coverage
counters, and the fuzzer then runs blind.

usage: fuzz-coverage.py [BUILD_DIR] [SECONDS] [--report]
  --report  prints the figures without checking the floors
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
COVERAGE = re.compile(rb"cov: (\d+)")


def floors():
    table = {}
    for line in (ROOT / "fuzz" / "coverage-floors.txt").read_text().splitlines():
        fields = line.split("#", 1)[0].split()
        if fields:
            seeds = ROOT / "fuzz" / fields[2] if len(fields) > 2 else None
            table[fields[0]] = (int(fields[1]), seeds)
    return table


def last_coverage(output):
    found = COVERAGE.findall(output)
    return int(found[-1]) if found else 0


def run(target, seconds, seeds):
    with tempfile.TemporaryDirectory(prefix="stampix-fuzz-") as work:
        corpus = pathlib.Path(work) / "corpus"
        if seeds is not None and seeds.is_dir():
            shutil.copytree(seeds, corpus)
        else:
            corpus.mkdir()
        seeded = subprocess.run([str(target), "-runs=0", str(corpus)], capture_output=True,
                                cwd=work, check=False)
        fuzzed = subprocess.run([str(target), f"-max_total_time={seconds}", "-timeout=10",
                                 str(corpus)], capture_output=True, cwd=work, check=False)
        if fuzzed.returncode != 0:
            sys.stderr.write(fuzzed.stderr.decode(errors="replace")[-4000:])
        return last_coverage(seeded.stderr), last_coverage(fuzzed.stderr), fuzzed.returncode


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    report_only = "--report" in sys.argv
    build = pathlib.Path(args[0] if args else "build-fuzz").resolve()
    seconds = int(args[1]) if len(args) > 1 else 5
    table = floors()
    targets = sorted(p for p in (build / "fuzz").rglob("fuzz_*") if p.is_file() and
                     p.stat().st_mode & 0o100)
    if not targets:
        print(f"no fuzz targets under {build}/fuzz: build them with `make fuzz`")
        return 1
    failed = False
    print(f"{'target':28} {'seeds':>7} {'after ' + str(seconds) + ' s':>10} {'floor':>7}")
    for target in targets:
        floor, seeds = table.get(target.name, (None, None))
        seeded, reached, status = run(target, seconds, seeds)
        verdict = ""
        if status != 0:
            verdict, failed = "crashed", True
        elif floor is None:
            verdict, failed = "no floor in fuzz/coverage-floors.txt", not report_only
        elif reached < floor and not report_only:
            verdict, failed = "under its floor", True
        print(f"{target.name:28} {seeded:>7} {reached:>10} {floor if floor else '-':>7} {verdict}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
