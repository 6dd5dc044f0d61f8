#!/usr/bin/python3
# Writes catalog.xls, the Excel 97-2003 (BIFF8) workbook the spreadsheet
# tests read. Needs Debian's python3-xlwt (not needed to build or test); it
# was run once and its output is committed beside it:
#   /usr/bin/python3 tests/data/xls/ScrieCatalog.py tests/data/xls/catalog.xls
import sys

import xlwt

# The same catalogue the tests write as SQLite, .xlsx and CSV: blanks in a
# column name and after a glass name, text in a number column, one empty cell.
STICLE = [
    ["nume", " nd", "nF", "n1013.98", "TAUI10/400", "TAUI10/420", "densitate", "B1", "C1", "FR"],
    ["N-BK7  ", 1.5168, 1.5224, 1.5075, 0.998, 1.0, 2.51, 1.0396, 0.0060, 2.0],
    ["F2", 1.62, "x", None, 0.9, 0.95, 3.6, 1.3455, 0.0099, 1.0],
]

SELLMEIER = [
    ["nume", "B1", "B2", "B3", "C1", "C2", "C3"],
    ["N-BK7", 1.03961212, 0.231792344, 1.01046945, 0.00600069867, 0.0200179144, 103.560653],
    ["F2", 1.34533359, 0.209073176, 0.937357162, 0.00997743871, 0.0470450767, 111.886764],
]


def scrie(registru, nume, randuri):
    foaie = registru.add_sheet(nume)
    for r, rand in enumerate(randuri):
        for c, valoare in enumerate(rand):
            if valoare is not None:
                foaie.write(r, c, valoare)


registru = xlwt.Workbook()
scrie(registru, "sticle", STICLE)
scrie(registru, "sellmeier", SELLMEIER)
registru.save(sys.argv[1])
