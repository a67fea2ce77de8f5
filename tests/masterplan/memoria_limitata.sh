#!/bin/bash
# Hostile workbooks read within a 512 MB address space: a reader that sizes
# a sheet by its farthest cell or inflates a part without a cap runs out of
# memory here instead of passing on a machine with plenty.
set -e
ulimit -v 524288
exec "$1" --gtest_filter='LeggiCartella.HostileSheets*:LeggiCartella.CellReferences*'
