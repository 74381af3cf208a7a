#!/usr/bin/env bash
# Installs what is missing, builds like ./test --sanitizers and lets the random user loose on the
# real main window under AddressSanitizer and UBSan for the given time: ./monkey [seconds],
# default 300. Every run takes a fresh seed and its own process, so a crash ends only that run.
# A run that fails keeps its output in build-sanitizers/monkey-findings/seed-<seed>.log, with the
# command that replays it alone; once fixed, its seed joins the replayed rows of tests/app/tst_monkey.cpp.
cd "$(dirname "$0")"
source scripts/prepare.sh
ktv_build_sanitizers
export QT_QPA_PLATFORM=offscreen

seconds=${1:-300}
steps_per_run=3000
findings_dir=build-sanitizers/monkey-findings
mkdir -p "$findings_dir"
end=$((SECONDS + seconds))
runs=0 steps=0 commands=0 findings=0
while [ "$SECONDS" -lt "$end" ]; do
    seed=$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')
    log=$(mktemp)
    if KTV_MONKEY_SEED=$seed KTV_MONKEY_STEPS=$steps_per_run build-sanitizers/tests/app/tst_monkey >"$log" 2>&1; then
        summary=$(sed -n 's/.*monkey seed [0-9]*: \([0-9]*\) steps, \([0-9]*\) commands.*/\1 \2/p' "$log")
        steps=$((steps + ${summary% *}))
        commands=$((commands + ${summary#* }))
        rm -f "$log"
    else
        findings=$((findings + 1))
        mv "$log" "$findings_dir/seed-$seed.log"
        echo "FOUND with seed $seed: $findings_dir/seed-$seed.log"
        grep -m1 -A3 'FAIL!\|ERROR: AddressSanitizer\|runtime error\|Received signal' "$findings_dir/seed-$seed.log"
    fi
    runs=$((runs + 1))
done
echo "$runs runs of up to $steps_per_run steps in ${seconds} s: $steps steps of passed runs, $commands menu commands, $findings findings"
[ "$findings" -eq 0 ]
