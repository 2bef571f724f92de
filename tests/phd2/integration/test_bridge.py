#!/usr/bin/env python3
"""`quiverstep phd2` between clients and a real PHD2 (the kit's simulator, loopback only).

usage: test_bridge.py --quiverstep BIN --kit DIR --prefix DIR
Exits 77 (skipped) with one line saying why when there is no PHD2 to run.
"""
import argparse
import math
import os
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from phd2rig import SKIP, Bridge, Client, Phd2, Phd2Error, find_phd2, quiverstep, start_guiding  # noqa: E402

INSTANCE = 7  # port 4406: clear of a PHD2 the user may run
SETTLE = {"pixels": 1.5, "time": 0, "timeout": 30}


class Rig:
    def __init__(self, args, phd2):
        self.args, self.phd2 = args, phd2
        self.store = os.path.join(tempfile.mkdtemp(prefix="quiverstep-bridge-"), "store.db")
        self.bridge = None

    def qs(self, *args):
        return quiverstep(self.args.quiverstep, self.store, *args)

    def start_bridge(self, seed=None):
        self.bridge = Bridge(self.args.quiverstep, self.store, self.phd2.port, seed)

    def restart_bridge(self, seed=None):
        output = self.bridge.stop()
        self.start_bridge(seed)
        return output

    def client(self, **kw):
        c = Client(self.bridge.port, **kw)
        c.wait_for("AppState", 10)
        return c

    def origin(self):
        return (float(self.qs("store", "get", "PHD2 Origin X")), float(self.qs("store", "get", "PHD2 Origin Y")))

    def next_targets(self, n, seed=None):
        args = ["path", "--steps", str(n)] + (["--seed", str(seed)] if seed is not None else [])
        return [tuple(float(v) for v in line.split()) for line in self.qs(*args).splitlines()]


def check(condition, what):
    if not condition:
        raise AssertionError(what)


def dither(client, settle=SETTLE, ra_only=False, named=True):
    """One dither through the bridge: the reply and the events up to its SettleDone."""
    since = len(client.events)
    params = {"amount": 3, "raOnly": ra_only, "settle": settle} if named else [3, ra_only, settle]
    result = client.call("dither", params)
    check(result == 0, "dither replied %r" % result)
    done = client.wait_for("SettleDone", settle["timeout"] + 10, since)
    names = [e["Event"] for _, e in client.events[since:] if e["Event"] not in ("GuideStep", "StarLost")]
    return done, names


def lock_at_target(rig, client, target):
    lock = client.call("get_lock_position")
    ox, oy = rig.origin()
    expected = (ox + target[0] - 16, oy + target[1] - 16)
    check(math.dist(lock, expected) < 0.011, "lock %r, expected %r for target %r" % (lock, expected, target))


def test_nina_like_client(rig):
    """String ids, named parameters, get_app_state first, waits for SettleDone."""
    nina = rig.client(string_ids=True)
    check(nina.call("get_app_state") == "Guiding", "not guiding")
    targets = rig.next_targets(2)
    for target in targets:
        done, names = dither(nina, {"pixels": 1.5, "time": 1, "timeout": 30})
        check(done["Status"] == 0, "settle failed: %r" % done)
        check(names[:3] == ["LockPositionSet", "GuidingDithered", "SettleBegin"], "events %r" % names)
        check(names[-1] == "SettleDone" and "Settling" in names, "events %r" % names)
        lock_at_target(rig, nina, target)
    nina.close()


def test_ekos_like_client_beside_another(rig):
    """Integer ids, positional parameters, one request at a time; a second client sees the
    same dither events, and get_settling is true while it settles."""
    ekos, other = rig.client(), rig.client(string_ids=True)
    since = len(other.events)
    rid = ekos.request("dither", [3, False, {"pixels": 1.5, "time": 1, "timeout": 30}])
    check(ekos.reply(rid).get("result") == 0, "dither refused")
    check(ekos.call("get_settling") is True, "get_settling is not true while settling")
    error = ekos.reply(ekos.request("dither", [3, False, SETTLE]))["error"]
    check(error == {"code": 1, "message": "Cannot initiate dither while dither is in progress"}, repr(error))
    ekos.wait_for("SettleDone", 40)
    other.wait_for("SettleDone", 40, since)
    seen = [e["Event"] for _, e in other.events[since:] if e["Event"] in ("GuidingDithered", "SettleBegin", "SettleDone")]
    check(seen == ["GuidingDithered", "SettleBegin", "SettleDone"], "other client saw %r" % seen)
    check(ekos.call("get_settling") is False, "still settling")
    ekos.close()
    other.close()


def test_dither_types_follow_path(rig):
    """A few dithers per dither type move PHD2's lock to the targets of `quiverstep path`;
    the random type with a fixed seed, in a bridge restarted with it."""
    client = rig.client()
    for kind in ("0", "2", "1"):
        rig.qs("settings", "save", "--type", kind, "--step", "1", "--max", "4")
        seed = 5 if kind == "1" else None
        targets = rig.next_targets(3, seed)
        if seed is not None:
            client.close()
            rig.restart_bridge(seed)
            client = rig.client()
        for target in targets:
            done, _ = dither(client, named=False)
            check(done["Status"] == 0, "type %s: %r" % (kind, done))
            lock_at_target(rig, client, target)
    client.close()


def test_settle_timeout_and_guiding_stopped(rig):
    client = rig.client()
    done, _ = dither(client, {"pixels": 0.0, "time": 1, "timeout": 1})
    check(done["Status"] == 1 and done["Error"] == "timed-out waiting for guider to settle", repr(done))
    since = len(client.events)
    client.call("dither", {"amount": 3, "raOnly": False, "settle": {"pixels": 0.0, "time": 5, "timeout": 30}})
    client.wait_for("Settling", 10, since)
    client.call("stop_capture")
    done = client.wait_for("SettleDone", 10, since)
    check(done["Status"] == 1 and done["Error"] == "Guiding stopped", repr(done))
    error = client.reply(client.request("dither", [3, False, SETTLE]))["error"]
    check(error["message"] == "Dither error", repr(error))
    start_guiding(client)
    client.close()


def test_malformed_and_overlong_lines(rig):
    client = rig.client()
    client.send_line("this is no JSON")
    reply = client.reply(None)
    check(reply["error"]["code"] == -32700, repr(reply))
    client.send_line('{"method":"get_app_state","params":["%s"],"id":1}' % ("x" * 1100))
    reply = client.reply(None)
    check(reply["error"] == {"code": -32603, "message": "too big"}, repr(reply))
    check(client.call("get_app_state") == "Guiding", "the connection did not go on")
    client.close()


def test_bridge_restart_continues_the_walk(rig):
    rig.qs("settings", "save", "--type", "0", "--step", "1", "--max", "4")
    client = rig.client()
    dither(client)
    target = rig.next_targets(1)[0]
    client.close()
    rig.restart_bridge()
    client = rig.client()
    dither(client)
    lock_at_target(rig, client, target)
    client.close()


def test_phd2_killed_and_started_again(rig):
    client = rig.client()
    rig.phd2.stop()
    check(client.closed(), "the client's connection stayed open without PHD2")
    rig.phd2.start()
    deadline = time.monotonic() + 20
    while True:
        try:
            client = rig.client()
            break
        except (OSError, Phd2Error, TimeoutError):
            if time.monotonic() > deadline:
                raise
            time.sleep(0.3)
    start_guiding(client)
    time.sleep(0.5)  # the bridge's own connection sees the guiding start
    target = rig.next_targets(1)[0]
    done, _ = dither(client)
    check(done["Status"] == 0, repr(done))
    lock_at_target(rig, client, target)
    client.close()


TESTS = [test_nina_like_client, test_ekos_like_client_beside_another, test_dither_types_follow_path,
         test_settle_timeout_and_guiding_stopped, test_malformed_and_overlong_lines,
         test_bridge_restart_continues_the_walk, test_phd2_killed_and_started_again]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--quiverstep", required=True)
    parser.add_argument("--kit", required=True)
    parser.add_argument("--prefix", required=True)
    args = parser.parse_args()
    run, prefix, missing = find_phd2(args.kit, args.prefix)
    if missing:
        print("Phd2.Integration skipped: %s" % missing)
        return SKIP

    phd2 = Phd2(run, prefix, INSTANCE)
    rig = Rig(args, phd2)
    failed = 0
    try:
        phd2.start()
        rig.start_bridge()
        start_guiding(rig.client())
        for test in TESTS:
            started = time.monotonic()
            try:
                test(rig)
                print("ok   %s (%.1f s)" % (test.__name__, time.monotonic() - started), flush=True)
            except Exception as error:  # noqa: BLE001 - every failure is reported, the rest run
                failed += 1
                print("FAIL %s: %s: %s" % (test.__name__, type(error).__name__, error), flush=True)
    finally:
        if rig.bridge:
            output = rig.bridge.stop()
            if failed:
                print("bridge output:\n" + output)
        phd2.remove()
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
