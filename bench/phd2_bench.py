#!/usr/bin/env python3
"""What the PHD2 bridge costs, against a real PHD2 (the kit's simulator, loopback only).

  1. added latency per forwarded message: a request's round trip through the bridge against
     straight to PHD2, and the delay of each PHD2 event seen through the bridge against a
     direct connection;
  2. the star's approach (from `dither` to the first guide frame within `pixels`) and the time
     to SettleDone, through the bridge with the stored dither setting, against PHD2's own
     random dither with an `amount` that gives about the same mean distance.

usage: phd2_bench.py --quiverstep BIN --kit DIR --prefix DIR [--dithers N] [--requests N]
"""
import argparse
import math
import os
import select
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "phd2", "integration"))
from phd2rig import Bridge, Client, Phd2, find_phd2, quiverstep, start_guiding  # noqa: E402

INSTANCE = 8
# Tighter than the moves, so that the approach is measured: PHD2's usual 1.5 px would count a
# 1 px dither as arrived at its first frame.
SETTLE = {"pixels": 0.5, "time": 1, "timeout": 30}
# The mean distance of a point uniform in the square [-1, 1]^2 from its centre: PHD2's random
# dither moves each axis by up to `amount`.
UNIFORM_SQUARE_MEAN = 0.7652


def ms(seconds):
    return "%.3f ms" % (seconds * 1000)


def round_trips(client, n):
    times = []
    for _ in range(n):
        start = time.perf_counter()
        client.call("get_app_state")
        times.append(time.perf_counter() - start)
    return times


def event_delays(direct, bridged, seconds):
    """Arrival time through the bridge minus straight from PHD2, per GuideStep frame."""
    d0, b0 = len(direct.events), len(bridged.events)
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        ready, _, _ = select.select([direct.sock, bridged.sock], [], [], 0.1)
        for client in (direct, bridged):
            if client.sock in ready:
                client.buf += client.sock.recv(65536)
                while b"\n" in client.buf:
                    client.read(end + 1)
    seen = {e["Frame"]: t for t, e in direct.events[d0:] if e["Event"] == "GuideStep"}
    return [t - seen[e["Frame"]] for t, e in bridged.events[b0:] if e["Event"] == "GuideStep" and e["Frame"] in seen]


def timed_dither(client, params):
    """Distance moved, approach time and time to SettleDone of one dither."""
    since = len(client.events)
    start = time.monotonic()
    client.call("dither", params)
    done = client.wait_for("SettleDone", 60, since)
    finished = time.monotonic()
    moved = client.wait_for("GuidingDithered", 1, since)
    # Guide frames measured against the new lock: those after the dither's events.
    events = client.events[since:]
    begun = next(i for i, (_, e) in enumerate(events) if e["Event"] == "GuidingDithered")
    approach = None
    for t, e in events[begun:]:
        if e["Event"] == "GuideStep" and math.hypot(e["dx"], e["dy"]) <= params["settle"]["pixels"]:
            approach = t - start
            break
    return math.hypot(moved["dx"], moved["dy"]), approach, finished - start, done["Status"]


def dithers(client, n, params):
    rows = [timed_dither(client, params) for _ in range(n)]
    time.sleep(0.2)
    return rows


def summary(rows):
    distance = statistics.mean(r[0] for r in rows)
    approach = statistics.median(r[1] for r in rows if r[1] is not None)
    settle = statistics.median(r[2] for r in rows)
    failed = sum(1 for r in rows if r[3] != 0)
    return distance, approach, settle, failed


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--quiverstep", required=True)
    parser.add_argument("--kit", required=True)
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--dithers", type=int, default=10)
    parser.add_argument("--requests", type=int, default=500)
    args = parser.parse_args()
    run, prefix, missing = find_phd2(args.kit, args.prefix)
    if missing:
        print("phd2-bench: %s" % missing, file=sys.stderr)
        return 2

    store = os.path.join(tempfile.mkdtemp(prefix="quiverstep-bench-"), "store.db")
    phd2 = Phd2(run, prefix, INSTANCE)
    bridge = None
    try:
        phd2.start()
        bridge = Bridge(args.quiverstep, store, phd2.port)
        direct = Client(phd2.port)
        direct.wait_for("AppState")
        start_guiding(direct)
        bridged = Client(bridge.port)
        bridged.wait_for("AppState")
        time.sleep(0.5)

        straight = statistics.median(round_trips(direct, args.requests))
        through = statistics.median(round_trips(bridged, args.requests))
        delays = sorted(event_delays(direct, bridged, 5.0))
        print("Added latency per forwarded message (%d requests, %d events):" % (args.requests, len(delays)))
        print("  request round trip, median: %s straight, %s through the bridge: %s added"
              % (ms(straight), ms(through), ms(through - straight)))
        print("  PHD2 event through the bridge, added delay: median %s, 95th percentile %s"
              % (ms(delays[len(delays) // 2]), ms(delays[int(len(delays) * 0.95)])))

        shown = dict(line.split(": ", 1) for line in quiverstep(args.quiverstep, store, "settings", "show").splitlines()[:3])
        setting = "%s, step %s, max %s" % (shown["Dither Type"], shown["Step Size"], shown["Max Dither"])
        ours = summary(dithers(bridged, args.dithers, {"amount": 3, "raOnly": False, "settle": SETTLE}))
        amount = ours[0] / UNIFORM_SQUARE_MEAN
        theirs = summary(dithers(direct, args.dithers, {"amount": amount, "raOnly": False, "settle": SETTLE}))
        print()
        print("Dither and settle (%d dithers each; settle %s px, %s s):" % (args.dithers, SETTLE["pixels"], SETTLE["time"]))
        print("  %-44s %13s %13s %13s %6s" % ("", "mean distance", "approach", "SettleDone", "failed"))
        print("  %-44s %10.2f px %11.2f s %11.2f s %6d" % (("bridge, " + setting)[:44], *ours))
        print("  %-44s %10.2f px %11.2f s %11.2f s %6d" % ("PHD2 random dither, amount %.2f" % amount, *theirs))
        print("  approach through the bridge / PHD2's own: %.2f" % (ours[1] / theirs[1]))
    finally:
        if bridge:
            bridge.stop()
        phd2.remove()
    return 0


if __name__ == "__main__":
    sys.exit(main())
