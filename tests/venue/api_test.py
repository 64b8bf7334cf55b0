#!/usr/bin/env python3
"""The venue's JSON interface as a phone or a script meets it, against kmtx-venue over a copy
of a full meeting: every status, retries, corrections, cards for one party at once, the codes
and cards kept over a restart, and the bounds of a request."""
import json, shutil, socket, subprocess, sys, tempfile, threading, os, http.client

program, meeting = sys.argv[1], sys.argv[2]
folder = tempfile.mkdtemp()
path = os.path.join(folder, "meeting.txt")
shutil.copy(meeting, path)
os.chmod(path, 0o600)
failures = []


def start():
    p = subprocess.Popen([program, path, "--port", "0", "--bind", "127.0.0.1", "--holes", "8"],
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    address = p.stdout.readline().strip()
    codes = {}
    for line in iter(p.stdout.readline, "\n"):
        g, k, code = line.split()
        codes[(g, int(k))] = code
    return p, int(address.rsplit(":", 1)[1].strip("/")), codes


def stop(p):
    p.terminate()
    err = p.communicate(timeout=10)[1]
    check("ends cleanly", p.returncode, 0)
    return err


def call(method, target, body=None, headers=None):
    c = http.client.HTTPConnection("127.0.0.1", port, timeout=10)
    data = body if isinstance(body, (bytes, type(None))) else json.dumps(body).encode()
    c.request(method, target, data, headers or {})
    r = c.getresponse()
    raw = r.read()
    c.close()
    try:
        return r.status, json.loads(raw)
    except ValueError:
        return r.status, raw


def check(what, got, expected):
    if got != expected:
        failures.append(f"{what}: got {got!r}, expected {expected!r}")


def card(code, cid, rnd, figures, players=8, **extra):
    rows = [{"slot": s, "one": figures[0], "two": figures[1], "total": figures[2]} for s in range(1, players + 1)]
    return dict(code=code, id=cid, round=rnd, players=rows, **extra)


proc, port, codes = start()
check("every filled party has a code", len(codes), 48)
A3 = codes[("A", 3)]
party = lambda: call("GET", f"/api/party/A/3?code={A3}")[1]["players"]
first = party()[0]
status, meeting_json = call("GET", "/api/meeting")
check("meeting", (status, [g["parties"] for g in meeting_json["groups"]]), (200, [12, 12, 12, 12]))

# One request after another, as a phone or a script sends them: (what, method, target, body, status).
steps = [
    ("a card", "POST", "/api/party/A/3/card", card(A3, "c1", 1, (1, 2, 20)), 200),
    ("the same card again", "POST", "/api/party/A/3/card", card(A3, "c1", 1, (1, 2, 20)), 200),
    ("a corrected card", "POST", "/api/party/A/3/card", card(A3, "c2", 1, (2, 2, 19)), 200),
    ("a row refused", "POST", "/api/party/A/3/card", card(A3, "c3", 2, (9, 0, 9)), 400),
    ("a player left out", "POST", "/api/party/A/3/card", card(A3, "c4", 2, (1, 1, 20), players=7), 400),
    ("the party changed", "POST", "/api/party/A/3/card", card(A3, "c5", 2, (1, 1, 20), version="old"), 409),
    ("not JSON", "POST", "/api/party/A/3/card", b"{", 403),
    ("group E", "GET", f"/api/party/E/3?code={A3}", None, 404),
    ("party 13", "GET", f"/api/party/A/13?code={A3}", None, 404),
    ("no such route", "GET", "/api/members", None, 404),
    ("a card by GET", "GET", "/api/party/A/3/card", None, 404),
    ("the results", "GET", "/api/results", None, 200),
    ("the phone page", "GET", "/", None, 200),
    ("the board", "GET", "/board", None, 200),
]
for what, method, target, body, expected in steps:
    status, answer = call(method, target, body)
    check(what, status, expected)
    if expected == 400:
        check(what + " names its row", "slot" in answer and bool(answer.get("error")), True)
now = party()[0]
check("one card and its correction counted once", (now["entries"], now["one"], now["total"], now["phone"]),
      (first["entries"] + 1, first["one"] + 2, first["total"] + 19, True))

# Cards of nine rounds for one party at once, each sent twice.
threads = [threading.Thread(target=call, args=("POST", "/api/party/B/5/card",
                                              card(codes[("B", 5)], f"r{r}", r, (0, 1, 24))))
           for r in range(1, 10) for _ in range(2)]
before = call("GET", f"/api/party/B/5?code={codes[('B', 5)]}")[1]["players"][0]["entries"]
[t.start() for t in threads]
[t.join() for t in threads]
after = call("GET", f"/api/party/B/5?code={codes[('B', 5)]}")[1]
check("nine rounds at once, each recorded once", (after["players"][0]["entries"] - before, after["rounds"]),
      (9, list(range(1, 10))))

# Wrong codes: the fifth within a minute closes the party for a minute, even to the right code.
for i in range(5):
    check(f"wrong code {i + 1}", call("GET", "/api/party/C/2?code=0000")[0], 403 if codes[("C", 2)] != "0000" else 200)
check("after five wrong codes", call("GET", f"/api/party/C/2?code={codes[('C', 2)]}")[0], 429)

# The bounds of a request: its body, its head, and a body of unknown length.
check("a body over 16 KB", call("POST", "/api/party/A/3/card", b"x" * 17000)[0], 413)
check("a head over 8 KB", call("GET", "/api/meeting", headers={"X-Filler": "y" * 9000})[0], 431)
s = socket.create_connection(("127.0.0.1", port))
s.sendall(b"POST /api/party/A/3/card HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n")
check("a chunked body", s.recv(100).split(b" ")[1], b"411")
s.close()

stop(proc)
proc, port, again = start()
check("the codes kept over a restart", again, codes)
check("the cards saved in the meeting file", party()[0], now)
check("a card sent before the restart is still recorded once",
      call("POST", "/api/party/A/3/card", card(A3, "c1", 1, (1, 2, 20)))[1].get("duplicate"), True)
stderr = stop(proc)
check("the pause figure at the end", "longest main-thread pause" in stderr, True)
shutil.rmtree(folder)
for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
