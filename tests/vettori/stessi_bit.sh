#!/usr/bin/env bash
# Runs the block routines built for each vector width this processor has and
# fails unless every width prints the baseline's checksum.
#   stessi_bit.sh BASE AVX2 AVX512F   (the three programs)
set -u
flags=$(grep -m1 '^flags' /proc/cpuinfo 2>/dev/null || true)
rif=$("$1") || { echo "baseline build failed to run"; exit 1; }
echo "baseline: $rif"
status=0
for pair in "avx2:$2" "avx512f:$3"; do
    isa=${pair%%:*} prog=${pair#*:}
    if [[ " $flags " != *" $isa "* ]]; then echo "$isa: not on this processor, skipped"; continue; fi
    out=$("$prog") || { echo "$isa: failed to run"; status=1; continue; }
    echo "$isa: $out"
    [ "$out" = "$rif" ] || { echo "$isa differs from the baseline"; status=1; }
done
exit $status
