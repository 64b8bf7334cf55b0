#!/usr/bin/env python3
"""load_test.py KMTX_VENUE [--leaders N] [--boards M] [--seconds D]: the venue under load.

N leaders (48: every party of write-full-300) each send a card, released together, then the same
card again; M boards (100) poll /api/results every 2 s for D seconds (10). Every card counts once,
the 99th percentile of all responses is ≤ 100 ms, kmtx-venue's main thread never paused > 50 ms."""

import argparse
import math
import os
import random
import re
import shutil
import sys
import tempfile
import threading
import time
import uuid

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from venueserver import MEETING, Failure, Venue, added, card, check, sums  # noqa: E402


def percentile(times, p):
    return sorted(times)[max(0, math.ceil(p / 100 * len(times)) - 1)]


def run(args, folder):
    meeting = shutil.copy(MEETING, folder)
    venue = Venue(args.program, meeting)
    parties = sorted(venue.codes)[: args.leaders]
    check(len(parties) == args.leaders, "only %d filled parties" % len(parties))
    before = {key: venue.party(*key) for key in parties}
    cards = {key: card(before[key], 1, lambda s: (1, 2, 30 + s), venue.codes[key], uuid.uuid4().hex) for key in parties}
    times, answers, errors = {"cards": [], "results": []}, {}, []
    stop, barrier = threading.Event(), threading.Barrier(args.leaders)

    def timed(kind, call):
        start = time.perf_counter()
        try:
            answer = call()
        except OSError as error:
            errors.append("%s: %s" % (kind, error))
            return None, None
        times[kind].append((time.perf_counter() - start) * 1000)
        return answer

    def leader(key):
        barrier.wait(30)
        answers[key] = [timed("cards", lambda: venue.post(cards[key], *key)) for _ in range(2)]

    def board():
        stop.wait(random.uniform(0, 2))
        while not stop.is_set():
            started = time.monotonic()
            status, data = timed("results", lambda: venue.request("GET", "/api/results"))
            if status != 200 or not data["rows"]:
                errors.append("GET /api/results: %s" % status)
            stop.wait(max(0, 2 - (time.monotonic() - started)))

    boards = [threading.Thread(target=board, daemon=True) for _ in range(args.boards)]
    leaders = [threading.Thread(target=leader, args=(key,), daemon=True) for key in parties]
    lead_in = min(2, args.seconds / 2)  # the boards are polling when the cards come
    for thread in boards:
        thread.start()
    time.sleep(lead_in)
    for thread in leaders:
        thread.start()
    time.sleep(args.seconds - lead_in)
    stop.set()
    for thread in boards + leaders:
        thread.join(60)

    check(not errors, "failed requests: %s" % errors[:5])
    for key in parties:
        check(key in answers, "the leaders were not released together")
        (status, first), (again, second) = answers[key]
        check(status == again == 200 and first["duplicate"] is False and second["duplicate"] is True,
              "party %s-%d: %s then %s" % (key + (first, second)))
        check(sums(venue.party(*key)) == added(before[key], cards[key]), "party %s-%d not recorded once" % key)
    for kind, values in times.items():
        check(values, "no %s were timed" % kind)
        print("%-8s %5d  p50 %6.1f  p90 %6.1f  p99 %6.1f  max %6.1f ms"
              % ((kind, len(values)) + tuple(percentile(values, p) for p in (50, 90, 99, 100))))
    p99 = percentile(times["cards"] + times["results"], 99)
    pause = re.search(r"longest main-thread pause: ([0-9]+) ms", venue.stop())
    check(pause, "kmtx-venue did not tell its longest pause")
    print("all responses p99 %.1f ms; longest main-thread pause %s ms; load average %.1f"
          % (p99, pause.group(1), os.getloadavg()[0]))
    check(p99 <= args.p99, "the 99th percentile %.1f ms is over %d ms" % (p99, args.p99))
    check(int(pause.group(1)) <= 50, "the main thread paused %s ms" % pause.group(1))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program", help="the kmtx-venue program")
    parser.add_argument("--leaders", type=int, default=48)
    parser.add_argument("--boards", type=int, default=100)
    parser.add_argument("--seconds", type=float, default=10)
    # The goal holds for the optimised program; the suite's debugging builds run it with a
    # wider bound on the times (every card still counted exactly once).
    parser.add_argument("--p99", type=int, default=100, help="the bound on the 99th percentile, ms")
    args = parser.parse_args()
    if args.leaders < 1 or args.boards < 0 or args.seconds <= 0:
        parser.error("leaders ≥ 1, boards ≥ 0, seconds > 0")
    with tempfile.TemporaryDirectory(prefix="kmtx-venue-load-") as folder:
        try:
            run(args, folder)
        except Failure as failure:
            print("FAIL: %s" % failure)
            return 1
        finally:
            Venue.kill_all()
    print("OK: %d cards recorded once each while %d boards polled" % (args.leaders, args.boards))
    return 0


if __name__ == "__main__":
    sys.exit(main())
