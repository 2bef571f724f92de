"""A real PHD2 (from the kit, under Xvfb, loopback only), the bridge, and JSON-RPC clients,
for the bridge's integration tests and its benchmark. Python 3 standard library only."""
import json
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import time

SKIP = 77  # ctest's SKIP_RETURN_CODE


class Phd2Error(Exception):
    pass


def find_phd2(kit, prefix):
    """The kit's run script and the PHD2 prefix, or the reason there are none."""
    named = os.environ.get("QUIVERSTEP_PHD2")
    run = os.path.join(kit, "run-phd2.sh")
    if not os.path.exists(run):
        return None, None, "no PHD2 kit at %s" % kit
    if named:
        if not (os.path.basename(named).startswith("phd2") and os.access(named, os.X_OK)):
            return None, None, "QUIVERSTEP_PHD2=%s is not a phd2 binary" % named
        prefix = os.path.dirname(os.path.dirname(os.path.abspath(named)))
    if not os.access(os.path.join(prefix, "bin", "phd2.bin"), os.X_OK):
        return None, None, "PHD2 is not built at %s (./dev test builds it from the kit)" % prefix
    return run, prefix, None


class Phd2:
    """PHD2 instance `instance` with the simulator, in a home of its own."""

    def __init__(self, run, prefix, instance):
        self.run, self.prefix, self.instance = run, prefix, instance
        self.home = tempfile.mkdtemp(prefix="quiverstep-phd2-")
        self.port = 4400 + instance - 1

    def start(self):
        out = subprocess.run([self.run, self.prefix, self.home, str(self.instance)], check=True,
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout
        self.pid = int(re.search(r"PHD2_PID=(\d+)", out).group(1))

    def stop(self):
        subprocess.run([self.run, "stop", self.home, str(self.instance)],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def remove(self):
        self.stop()
        shutil.rmtree(self.home, ignore_errors=True)


class Bridge:
    """`quiverstep phd2` on a free loopback port, its output collected."""

    def __init__(self, quiverstep, store, phd2_port, seed=None):
        args = [quiverstep, "--store", store, "phd2", "--listen", "127.0.0.1:0",
                "--phd2", "127.0.0.1:%d" % phd2_port]
        if seed is not None:
            args += ["--seed", str(seed)]
        self.process = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        first = self.process.stdout.readline()
        match = re.search(r"listening on 127\.0\.0\.1:(\d+)", first)
        if not match:
            raise Phd2Error("the bridge did not start: %r" % first)
        self.port = int(match.group(1))

    def stop(self):
        self.process.terminate()
        out = self.process.communicate(timeout=10)[0]
        return out


class Client:
    """A JSON-RPC client of PHD2's event server (or the bridge)."""

    def __init__(self, port, string_ids=False, timeout=10.0):
        self.sock = socket.create_connection(("127.0.0.1", port), timeout=timeout)
        self.buf = b""
        self.next_id = 1
        self.string_ids = string_ids
        self.events = []   # (monotonic time, event)
        self.replies = {}  # id -> reply

    def send_line(self, text):
        self.sock.sendall(text.encode() + b"\r\n")

    def read(self, deadline):
        """The next message, or None when the connection closed."""
        while b"\n" not in self.buf:
            left = deadline - time.monotonic()
            if left <= 0:
                raise TimeoutError("timed out")
            self.sock.settimeout(left)
            chunk = self.sock.recv(65536)
            if not chunk:
                return None
            self.buf += chunk
        line, self.buf = self.buf.split(b"\n", 1)
        message = json.loads(line)
        if isinstance(message, dict) and "Event" in message:
            self.events.append((time.monotonic(), message))
        return message

    def request(self, method, params=None):
        rid = "req-%d" % self.next_id if self.string_ids else self.next_id
        self.next_id += 1
        message = {"method": method, "id": rid}
        if params is not None:
            message["params"] = params
        self.send_line(json.dumps(message))
        return rid

    def reply(self, rid, timeout=20.0):
        deadline = time.monotonic() + timeout
        while rid not in self.replies:
            message = self.read(deadline)
            if message is None:
                raise Phd2Error("connection closed")
            if isinstance(message, dict) and "id" in message and "Event" not in message:
                self.replies[message["id"]] = message
        return self.replies.pop(rid)

    def call(self, method, params=None, timeout=20.0):
        reply = self.reply(self.request(method, params), timeout)
        if "error" in reply:
            raise Phd2Error("%s: %s" % (method, reply["error"]["message"]))
        return reply["result"]

    def wait_for(self, name, timeout=30.0, since=0):
        """The first event `name` from index `since` of the events on."""
        deadline = time.monotonic() + timeout
        while True:
            for _, event in self.events[since:]:
                if event["Event"] == name:
                    return event
            since = len(self.events)
            if self.read(deadline) is None:
                raise Phd2Error("connection closed waiting for %s" % name)

    def closed(self, timeout=10.0):
        """Whether the other end closes the connection within the timeout."""
        deadline = time.monotonic() + timeout
        try:
            while self.read(deadline) is not None:
                pass
            return True
        except (TimeoutError, OSError):
            return False

    def close(self):
        self.sock.close()


def start_guiding(client, settle=None):
    """Connects the simulator, loops, selects the star and guides until settled."""
    if not client.call("get_connected"):
        client.call("set_profile", [1])
        client.call("set_connected", [True], timeout=30)
    client.call("loop")
    deadline = time.monotonic() + 20
    while True:
        try:
            client.call("find_star")
            break
        except Phd2Error:
            if time.monotonic() > deadline:
                raise
            time.sleep(0.2)
    since = len(client.events)
    client.call("guide", {"settle": settle or {"pixels": 1.5, "time": 0, "timeout": 60}, "recalibrate": False})
    done = client.wait_for("SettleDone", 60, since)
    if done["Status"] != 0:
        raise Phd2Error("guiding did not settle: %s" % done.get("Error"))


def quiverstep(binary, store, *args):
    return subprocess.run([binary, "--store", store] + list(args), check=True,
                          stdout=subprocess.PIPE, text=True).stdout
