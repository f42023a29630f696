#!/usr/bin/env python3
"""Runs clang-tidy over every source of src/ a build compiles, several
sources to a run, for scripts/check_function_size.sh.

    function_size_runs.py DATABASE SRC_PREFIX WORK JOBS CLANG_TIDY CONFIG HEADER_FILTER

Most of clang-tidy's time on one source goes to reading the headers it
includes (Qt's, CLI11's, the standard library's), not to the two checks.
So sources that are compiled alike (one target's, one folder's) are checked
together: a file in WORK includes a dozen of them, and the headers are read
once for all.  Functions are measured where they stand, so a source reports
the same findings alone or with others.

Sources checked together may clash: two files of a folder each keep a
`Request` or a `Quoted` of their own out of sight of the others, which one
translation unit cannot hold.  A run that fails is checked again in parts:
without the sources its errors name (those come later in the run and clash
with one before them), which are checked in a run of their own, or else in
halves.  A source that fails alone fails the check: its errors are kept.

Writes clang-tidy's output of every run that read its sources to
WORK/out and of every source that failed alone to WORK/out too (its errors
are what the caller looks for); says how many runs it took on stdout.
"""

import collections
import concurrent.futures
import json
import os
import re
import shlex
import subprocess
import sys
import threading

SOURCES_PER_RUN = 12

database, src, work, jobs, tidy, config, header_filter = sys.argv[1:]
jobs = max(1, int(jobs))


def compile_flags(entry):
    """The entry's compiler arguments for clang, without the source, the
    object, the compiler's dependency flags and the build's precompiled
    headers (the compiler's own, which clang cannot read; each file includes
    what it uses)."""
    source = entry["file"]
    args = entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])
    kept, i = [], 1
    while i < len(args):
        a = args[i]
        if a in ("-MD", "-MMD", "-Winvalid-pch", "-c") or a == source:
            i += 1
        elif a in ("-MT", "-MF", "-MQ", "-o"):
            i += 2
        elif a == "-include" and i + 1 < len(args) and args[i + 1].endswith("cmake_pch.hxx"):
            i += 2
        else:
            kept.append(a)
            i += 1
    return kept


groups = collections.OrderedDict()
for entry in json.load(open(database)):
    source = entry["file"]
    if source.startswith(src) and source.endswith(".cpp"):
        key = (entry["directory"], tuple(compile_flags(entry)))
        groups.setdefault(key, set()).add(source)

lock = threading.Lock()
counter = [0]
out = open(os.path.join(work, "out"), "w")
error_line = re.compile(r"^(/[^:]+):\d+:\d+: error:", re.M)


def tidy_run(directory, flags, sources):
    """clang-tidy over sources read as one: (its output, whether it read them)."""
    if len(sources) == 1:
        target = sources[0]
    else:
        with lock:
            counter[0] += 1
            target = os.path.join(work, "together_%04d.cpp" % counter[0])
        with open(target, "w") as f:
            f.writelines('#include "%s"\n' % s for s in sources)
    done = subprocess.run(
        [tidy, "--quiet", "--config=" + config, "--header-filter=" + header_filter,
         "--extra-arg=-ferror-limit=0", target, "--"] + list(flags),
        cwd=directory, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    text = done.stdout
    return text, "error:" not in text


def parts_of(sources, text):
    """The parts to check again of sources read together that failed."""
    named = [s for s in dict.fromkeys(error_line.findall(text)) if s in sources]
    clashing = [s for s in named if s != sources[0]]
    if clashing and len(clashing) < len(sources):
        rest = [s for s in sources if s not in clashing]
        return [rest, clashing]
    half = len(sources) // 2
    return [sources[:half], sources[half:]]


def check(pool, directory, flags, sources):
    text, read = tidy_run(directory, flags, sources)
    if read or len(sources) == 1:
        with lock:
            out.write(text)
        return []
    return [pool.submit(check, pool, directory, flags, part) for part in parts_of(sources, text)]


with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
    pending = []
    for (directory, flags), sources in groups.items():
        ordered = sorted(sources)
        for k in range(0, len(ordered), SOURCES_PER_RUN):
            pending.append(pool.submit(check, pool, directory, flags, ordered[k:k + SOURCES_PER_RUN]))
    while pending:
        pending = [f for done in pending for f in done.result()]
out.close()
print(sum(len(s) for s in groups.values()))
