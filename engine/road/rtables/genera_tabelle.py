#!/usr/bin/env python3
"""Writes ../TabelleRDati.cpp from the six r-table CSVs of this folder.
Run from engine/road: python3 rtables/genera_tabelle.py"""
import csv

NOMI = ['C1', 'C2', 'R1', 'R2', 'R3', 'R4']  # ClassePav 0..5

righe = ['// Generated from rtables/*.csv by rtables/genera_tabelle.py: r x 10^4 of the',
         '// standard road surfaces. Row 0: beta angles; column 0: tan gamma.',
         '#include "engine/road/TabelleR.h"', '', 'namespace nottaro {', '',
         'const std::array<TabellaR, 6> TabelleR = {{']
for nome in NOMI:
    with open(f'rtables/{nome}.csv', newline='') as f:
        tab = list(csv.reader(f))
    assert len(tab) == 30 and all(len(r) == 21 for r in tab), nome
    righe += [f'    // {nome}', '    {{']
    righe += ['        {' + ', '.join(r) + '},' for r in tab]
    righe += ['    }},']
righe += ['}};', '', '}  // namespace nottaro']
with open('TabelleRDati.cpp', 'w') as f:
    f.write('\n'.join(righe) + '\n')
