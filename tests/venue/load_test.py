#!/usr/bin/env python3
"""The venue under load: party leaders sending their cards in the same second while boards poll.

load_test.py KMTX_VENUE [--leaders N] [--boards M] [--seconds D]
N leaders (default 48, every party of write-full-300) each send one card, released together,
then send it again with the same id; M boards (default 100) poll /api/results every 2 s for
D seconds (default 10). Holds when every card is recorded exactly once, the 99th percentile of
all responses is at most 100 ms and kmtx-venue's main thread never paused more than 50 ms.
"""

import argparse
import math
import os
import random
import re
import sys
import tempfile
import threading
import time
import uuid

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from venueserver import Failure, Venue, added, card, check, meeting_copy, sums  # noqa: E402

P99_MS = 100
PAUSE_MS = 50


def percentile(values, p):
    """The nearest-rank percentile."""
    ordered = sorted(values)
    return ordered[max(0, math.ceil(p / 100 * len(ordered)) - 1)]


def report(what, times):
    check(times, "no %s were timed" % what)
    print(
        "%-8s %5d responses  p50 %6.1f  p90 %6.1f  p99 %6.1f  max %6.1f ms"
        % (what, len(times), percentile(times, 50), percentile(times, 90), percentile(times, 99), max(times))
    )


def timed(venue, times, errors, method, path, body=None):
    start = time.perf_counter()
    try:
        status, data = venue.request(method, path, body)
    except OSError as error:
        errors.append("%s %s: %s" % (method, path, error))
        return None, None
    times.append((time.perf_counter() - start) * 1000)
    return status, data


def run(args):
    folder = tempfile.TemporaryDirectory(prefix="kmtx-venue-load-")
    venue = Venue(args.program, meeting_copy(folder.name))
    try:
        parties = sorted(venue.codes)
        check(len(parties) >= args.leaders, "only %d filled parties for %d leaders" % (len(parties), args.leaders))
        parties = parties[: args.leaders]
        before = {key: venue.party(*key) for key in parties}
        cards = {
            key: card(before[key], 1, lambda slot: (1, 2, 30 + slot), venue.codes[key], uuid.uuid4().hex)
            for key in parties
        }

        card_times, result_times, errors, answers = [], [], [], {}
        stop = threading.Event()
        barrier = threading.Barrier(args.leaders)

        def leader(key):
            path = "/api/party/%s/%d/card" % key
            try:
                barrier.wait(30)
            except threading.BrokenBarrierError:
                errors.append("leaders were not released together")
                return
            answers[key] = [timed(venue, card_times, errors, "POST", path, cards[key]) for _ in range(2)]

        def board():
            stop.wait(random.uniform(0, 2))
            while not stop.is_set():
                started = time.monotonic()
                status, data = timed(venue, result_times, errors, "GET", "/api/results")
                if status is not None and (status != 200 or not data or not data.get("rows")):
                    errors.append("GET /api/results: %s" % status)
                stop.wait(max(0, 2 - (time.monotonic() - started)))

        boards = [threading.Thread(target=board, daemon=True) for _ in range(args.boards)]
        leaders = [threading.Thread(target=leader, args=(key,), daemon=True) for key in parties]
        for thread in boards:
            thread.start()
        time.sleep(min(2, args.seconds / 2))  # the boards are polling when the cards come
        for thread in leaders:
            thread.start()
        for thread in leaders:
            thread.join(60)
        time.sleep(max(0, args.seconds - min(2, args.seconds / 2)))
        stop.set()
        for thread in boards:
            thread.join(30)

        check(not errors, "failed requests: %s" % errors[:5])
        for key in parties:
            first, again = answers.get(key, [(None, None), (None, None)])
            check(first[0] == 200 and first[1].get("duplicate") is False, "card %s-%d: %s %s" % (key + first))
            check(again[0] == 200 and again[1].get("duplicate") is True, "resent card %s-%d: %s %s" % (key + again))
            now = sums(venue.party(*key))
            check(now == added(sums(before[key]), cards[key]), "party %s-%d not recorded exactly once" % key)

        report("cards", card_times)
        report("results", result_times)
        everything = card_times + result_times
        p99 = percentile(everything, 99)
        print("all      %5d responses  p99 %6.1f ms" % (len(everything), p99))
        stderr = venue.stop()
        match = re.search(r"longest main-thread pause: ([0-9]+) ms", stderr)
        check(match, "kmtx-venue did not print its longest pause: %r" % stderr)
        print("longest main-thread pause: %s ms" % match.group(1))
        check(p99 <= P99_MS, "the 99th percentile %.1f ms is over %d ms" % (p99, P99_MS))
        check(int(match.group(1)) <= PAUSE_MS, "the main thread paused %s ms" % match.group(1))
    finally:
        venue.kill()
        folder.cleanup()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program", help="the kmtx-venue program")
    parser.add_argument("--leaders", type=int, default=48)
    parser.add_argument("--boards", type=int, default=100)
    parser.add_argument("--seconds", type=float, default=10)
    args = parser.parse_args()
    if args.leaders < 1 or args.boards < 0 or args.seconds <= 0:
        parser.error("leaders ≥ 1, boards ≥ 0, seconds > 0")
    try:
        run(args)
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    print("OK: %d cards recorded once each under %d boards" % (args.leaders, args.boards))
    return 0


if __name__ == "__main__":
    sys.exit(main())
