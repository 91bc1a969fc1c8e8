#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Loose matching of 7 to 9 letters, proven: for words of that many letters
(7 to 9 by default) drawn from a dictionary's own .dic file, jumbled and in small letters,
`quorvel-search --loose` (answered by the word index) must print the same
words as `quorvel-search --loose --exhaustive` (every arrangement of every
letter each typed one stands for, asked of the checker). An exhaustive run
that takes longer than --timeout is counted as unfinished, not compared.
One line per input and a summary line per dictionary.

Usage: loose-long-proof.py --search PATH [--lengths 7,8,9] [--seed N] [--timeout S]
                           DICTIONARY..."""
import argparse
import os
import random
import re
import subprocess
import tempfile
import time
import unicodedata


def dic_words(base):
    with open(base + ".aff", "rb") as aff:
        match = re.search(rb"^SET\s+(\S+)", aff.read(), re.M)
    encoding = match.group(1).decode("ascii") if match else "iso-8859-1"
    encoding = {"microsoft-cp1251": "cp1251", "ISCII-DEVANAGARI": "iscii"}.get(encoding, encoding)
    with open(base + ".dic", "rb") as dic:
        lines = dic.read().decode(encoding, errors="replace").splitlines()[1:]
    return [re.split(r"[/\t ]", line, maxsplit=1)[0] for line in lines]


def run(search, dictionary, letters, extra, timeout):
    started = time.monotonic()
    try:
        done = subprocess.run([search, "--dictionary", dictionary, "--loose", *extra, letters],
                              capture_output=True, text=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        return None, timeout
    return done, time.monotonic() - started


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--search", required=True)
    parser.add_argument("--lengths", default="7,8,9",
                        help="one input of each length listed, e.g. 7,7,8,9")
    parser.add_argument("--seed", type=int, default=7)
    parser.add_argument("--timeout", type=float, default=120)
    parser.add_argument("dictionaries", nargs="+")
    args = parser.parse_args()
    cache = tempfile.mkdtemp(prefix="quorvel-loose-proof-")
    os.environ["XDG_CACHE_HOME"] = cache  # one cold build each, then kept
    for base in args.dictionaries:
        name = os.path.basename(base)
        by_length = {}
        for w in dic_words(base):
            if w.isalpha():
                by_length.setdefault(len(unicodedata.normalize("NFC", w)), set()).add(w.lower())
        pick = random.Random(args.seed)
        chosen = [pick.choice(sorted(by_length[int(n)])) for n in args.lengths.split(",")
                  if by_length.get(int(n))]
        # The first run builds the index and keeps it; the runs timed are warm.
        run(args.search, base, chosen[0], [], None)
        same = differ = unfinished = 0
        for word in chosen:
            letters = list(unicodedata.normalize("NFC", word))
            random.Random(word).shuffle(letters)
            typed = "".join(letters)
            indexed, index_time = run(args.search, base, typed, [], args.timeout)
            full, full_time = run(args.search, base, typed, ["--exhaustive"], args.timeout)
            if indexed is None or full is None:
                unfinished += 1
                verdict = "UNFINISHED"
            elif (indexed.stdout == full.stdout
                  and "answered by the word index" in indexed.stderr):
                same += 1
                verdict = "same"
            else:
                differ += 1
                verdict = "DIFFERENT"
            print(f"  {name} {typed} ({word}): {verdict}; index {index_time:.1f} s, "
                  f"exhaustive {full_time:.1f} s; "
                  f"{(indexed.stdout.strip() if indexed else '')[:160]}", flush=True)
            if verdict == "DIFFERENT":
                print(f"    exhaustive: {full.stdout.strip()[:300]}\n    index stderr: "
                      f"{indexed.stderr.strip()[:300]}", flush=True)
        print(f"{name}: {len(chosen)} inputs of {args.lengths} letters, {same} the same, "
              f"{differ} different, {unfinished} unfinished within {args.timeout:.0f} s",
              flush=True)


if __name__ == "__main__":
    main()
