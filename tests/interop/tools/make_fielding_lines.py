#!/usr/bin/env python3
"""Writes fielding-lines.csv beside the 2019 event files of the tests: every
player's put-outs, assists and errors in every game (summed over the
positions he played), as the open-source reference reader of Retrosheet
files counts them.  The importer's season test holds our counts against
these.

Usage: make_fielding_lines.py CWDAILY DATA_FOLDER

CWDAILY is the reference game-by-game tool (built from the peers' source,
see the README of the data folder); it is only run here, never by the
program or its tests."""
import csv
import glob
import os
import subprocess
import sys

POSITIONS = ["P", "C", "1B", "2B", "3B", "SS", "LF", "CF", "RF"]


def main():
    tool, folder = sys.argv[1], sys.argv[2]
    names = {}
    for roster in glob.glob(os.path.join(folder, "*.ROS")):
        with open(roster, encoding="latin-1") as f:
            for row in csv.reader(f):
                if len(row) >= 3:
                    names[row[0]] = row[2] + " " + row[1]
    events = sorted(glob.glob(os.path.join(folder, "2019*.EV?")))
    out = subprocess.run([tool, "-y", "2019", "-n"] + [os.path.basename(e) for e in events],
                         cwd=folder, capture_output=True, text=True, check=True).stdout
    lines = []
    for row in csv.DictReader(out.splitlines()):
        po = sum(int(row["F_%s_PO" % p] or 0) for p in POSITIONS)
        a = sum(int(row["F_%s_A" % p] or 0) for p in POSITIONS)
        e = sum(int(row["F_%s_E" % p] or 0) for p in POSITIONS)
        if po + a + e == 0:
            continue
        side = "home" if row["HOME_FL"] == "1" else "visitor"
        lines.append((row["GAME_ID"], side, names.get(row["PLAYER_ID"], row["PLAYER_ID"]), po, a, e))
    with open(os.path.join(folder, "fielding-lines.csv"), "w", newline="") as f:
        f.write("game,side,player,PO,A,E\n")
        for line in sorted(lines):
            f.write("%s,%s,%s,%d,%d,%d\n" % line)


if __name__ == "__main__":
    main()
