"""Prints the ratios of median times from the rounds bench/run.sh took.

Usage: ratios.py WORK_DIR ROUNDS SCENARIO[,SCENARIO]... NAME...
For each round of a scenario, WORK_DIR holds either <scenario>.<round>.json from hyperfine and,
beside it, <scenario>.<round>.order (the indices of NAME in the order that round ran them), or
<scenario>.<round>.times with one line per run: the index of NAME, the wall-clock time and the
CPU time, in seconds. The first name is compared with each of the others.
"""
import json
import statistics
import sys

GOAL = 1.3
SCENARIOS = {
    "launcher": "Launcher mode, both files present, emulator /bin/true",
    "message": "Message path, neither file present, message on stderr",
    "mapped": "Setup dialog mapped (no argument), under Xvfb without a window manager",
}
# The scenarios whose first comparison has a goal to meet.
GOAL_SCENARIOS = {"launcher", "message"}


def quartiles(values):
    low, _, high = statistics.quantiles(values, n=4) if len(values) > 1 else (values * 3)
    return low, high


def load_round(work, scenario, round_number, count):
    """The median wall-clock times and the mean CPU times (user + system) of one round, in
    seconds, each indexed like the names."""
    try:
        with open(f"{work}/{scenario}.{round_number}.times") as file:
            runs = [line.split() for line in file if line.strip()]
    except FileNotFoundError:
        runs = None
    if runs is not None:
        wall = [[float(r[1]) for r in runs if int(r[0]) == index] for index in range(count)]
        used = [[float(r[2]) for r in runs if int(r[0]) == index] for index in range(count)]
        return [statistics.median(w) for w in wall], [statistics.mean(u) for u in used]
    with open(f"{work}/{scenario}.{round_number}.order") as file:
        order = [int(index) for index in file.read().split()]
    with open(f"{work}/{scenario}.{round_number}.json") as file:
        results = json.load(file)["results"]
    medians, cpu = [0.0] * count, [0.0] * count
    for index, result in zip(order, results):
        medians[index] = result["median"]
        cpu[index] = result["user"] + result["system"]
    return medians, cpu


def main():
    work, rounds, scenarios, names = sys.argv[1], int(sys.argv[2]), sys.argv[3].split(","), sys.argv[4:]
    for scenario in scenarios:
        title = SCENARIOS[scenario]
        loaded = [load_round(work, scenario, r, len(names)) for r in range(1, rounds + 1)]
        medians = [wall for wall, _ in loaded]
        cpu = [used for _, used in loaded]
        print(f"\n{title}:")
        for index, name in enumerate(names):
            times = [m[index] * 1000 for m in medians]
            low, high = quartiles(times)
            print(f"  {name:<13} {statistics.median(times):6.3f} ms"
                  f"  (quartiles {low:.3f} .. {high:.3f})")
        for index, name in enumerate(names[1:], start=1):
            ratios = [m[0] / m[index] for m in medians]
            ratio = statistics.median(ratios)
            low, high = quartiles(ratios)
            verdict = ""
            if index == 1 and scenario in GOAL_SCENARIOS:
                verdict = "   goal <= %.1fx: %s" % (GOAL, "met" if ratio <= GOAL else "MISSED")
            print(f"  {names[0]} / {name}: {ratio:.2f}x  (quartiles {low:.2f} .. {high:.2f},"
                  f" range {min(ratios):.2f} .. {max(ratios):.2f}){verdict}")
        # CPU time is less disturbed by other work on the machine than wall-clock time.
        for index, name in enumerate(names[1:], start=1):
            ratios = [c[0] / c[index] for c in cpu if c[index] > 0]
            if ratios:
                low, high = quartiles(ratios)
                print(f"  CPU time (user + system), {names[0]} / {name}: {statistics.median(ratios):.2f}x"
                      f"  (quartiles {low:.2f} .. {high:.2f})")


if __name__ == "__main__":
    main()
