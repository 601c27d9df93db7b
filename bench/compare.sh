#!/usr/bin/env bash
# Whole-process timings beside yardsticks run on the same machine in the same
# run, so that both meet the same load:
#
# 1. `tallyra-cli search الله` against `grep -c الله` over the verse text, output
#    discarded: the CPU time (user + system) of each with hyperfine, in rounds
#    that take every command in turn, the median over the rounds of each one's
#    mean and of their ratio, and the command line's peak resident memory.
# 2. When DISPLAY names an X server (Xvfb with a window manager will do): the
#    window program from launch to its first painted table against a bare Qt
#    window showing the same rows (bench/bare_table.cpp), launched in turn:
#    the median wall-clock and CPU time of each, their ratios, and the peak
#    resident memory at that point.
#
#   bench/compare.sh [BUILD] [BEFORE]
#
# BUILD is a build folder configured with -DTALLYRA_BENCHMARKS=ON (default:
# build-test). BEFORE, another build of the program (say, of an older commit),
# is timed beside it in the same run. ROUNDS (default 30) and RUNS (runs of
# each command in a round, after one that warms up, default 1) set the
# command-line runs, LAUNCHES the number of window launches of each program
# (default 15).
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
ensure_packages "${BENCH_PACKAGES[@]}"

BUILD="$(cd "${1:-$TOP/build-test}" && pwd)"
BEFORE="${2:+$(cd "$2" && pwd)}"
ROUNDS="${ROUNDS:-30}"
RUNS="${RUNS:-1}"
LAUNCHES="${LAUNCHES:-15}"
TEXT="$TOP/data/separated-waw.txt"
WORD="الله"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The builds to time, by name.
names=(after)
dirs=("$BUILD")
if [ -n "$BEFORE" ]; then
    names+=(before)
    dirs+=("$BEFORE")
fi

ms() { awk -v us="$1" 'BEGIN { printf "%.2f", us / 1000 }'; }
mb() { awk -v kb="$1" 'BEGIN { printf "%.1f", kb / 1024 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f\n", a / b }'; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "== tallyra-cli search $WORD against grep -c $WORD (CPU time, median of $ROUNDS rounds of $RUNS runs each, in turn)"
# Columns of hyperfine's table: command, mean, stddev, median, user, system,
# min, max (seconds); the CPU time is user + system.
cpu_of() { awk -F, -v n="$1" '$1 == n { printf "%.0f", ($5 + $6) * 1e6 }' "$2"; }
for ((round = 0; round < ROUNDS; round++)); do
    args=(-N --warmup 1 --runs "$RUNS" --export-csv "$work/cli.csv" -n grep "grep -c $WORD $TEXT")
    for i in "${!names[@]}"; do
        args+=(-n "${names[$i]}" "${dirs[$i]}/src/tallyra-cli search $WORD")
    done
    if ! hyperfine "${args[@]}" >"$work/hyperfine.out" 2>&1; then
        cat "$work/hyperfine.out"
        exit 1
    fi
    grep_cpu="$(cpu_of grep "$work/cli.csv")"
    echo "$grep_cpu" >>"$work/grep.cpu"
    for name in "${names[@]}"; do
        cpu="$(cpu_of "$name" "$work/cli.csv")"
        echo "$cpu" >>"$work/$name.cpu"
        ratio "$cpu" "$grep_cpu" >>"$work/$name.ratio"
    done
done
echo "grep -c: $(ms "$(median <"$work/grep.cpu")") ms"
for i in "${!names[@]}"; do
    cpu="$(median <"$work/${names[$i]}.cpu")"
    rss="$(/usr/bin/time -f %M "${dirs[$i]}/src/tallyra-cli" search "$WORD" 2>&1 >/dev/null | tail -1)"
    echo "${names[$i]}: $(ms "$cpu") ms, $(ratio "$(median <"$work/${names[$i]}.ratio")" 1) x grep; peak RSS $(mb "$rss") MiB"
done

if [ -z "${DISPLAY:-}" ]; then
    echo "== no DISPLAY: the window comparison is skipped"
    exit 0
fi

echo "== launch to the first painted table (median of $LAUNCHES launches each, in turn)"
# One launch: wall-clock microseconds from launch to the first paint, CPU
# microseconds and peak resident kilobytes by then.
launch() {
    local start="${EPOCHREALTIME/[.,]/}" line
    line="$(timeout 60 "$@" --time-first-paint)"
    read -r now cpu rss <<<"$line"
    echo "$((now - start)) $cpu $rss"
}
programs=(bare)
commands=("$BUILD/bench/tallyra_bare_table")
for i in "${!names[@]}"; do
    programs+=("${names[$i]}")
    commands+=("${dirs[$i]}/src/tallyra")
done
for _ in 1 2; do # warm the caches
    for c in "${commands[@]}"; do launch "$c" >/dev/null; done
done
for ((n = 0; n < LAUNCHES; n++)); do
    for i in "${!programs[@]}"; do
        launch "${commands[$i]}" >>"$work/${programs[$i]}.launch"
    done
done
for i in "${!programs[@]}"; do
    f="$work/${programs[$i]}.launch"
    eval "wall_${programs[$i]}=$(cut -d' ' -f1 "$f" | median)"
    eval "cpu_${programs[$i]}=$(cut -d' ' -f2 "$f" | median)"
    eval "rss_${programs[$i]}=$(cut -d' ' -f3 "$f" | median)"
done
echo "bare Qt window: $(ms "$wall_bare") ms wall, $(ms "$cpu_bare") ms CPU; peak RSS $(mb "$rss_bare") MiB"
for name in "${names[@]}"; do
    wall="wall_$name" cpu="cpu_$name" rss="rss_$name"
    echo "$name: $(ms "${!wall}") ms wall ($(ratio "${!wall}" "$wall_bare") x bare)," \
        "$(ms "${!cpu}") ms CPU ($(ratio "${!cpu}" "$cpu_bare") x bare); peak RSS $(mb "${!rss}") MiB"
done
