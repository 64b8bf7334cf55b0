"""kmtx-venue run over a copy of a meeting for the venue tests, and its JSON interface."""

import http.client
import json
import os
import re
import signal
import subprocess
import tempfile

MEETING = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "write-full-300.txt")


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


class Venue:
    """One run of kmtx-venue: its address, the party codes it printed, its requests."""

    running = []

    def __init__(self, program, meeting):
        self.program, self.errors = program, tempfile.TemporaryFile()
        self.proc = subprocess.Popen([program, meeting, "--port", "0", "--bind", "127.0.0.1"],
                                     stdout=subprocess.PIPE, stderr=self.errors)
        Venue.running.append(self)
        match = re.fullmatch(r"http://([0-9.]+):([0-9]+)/", self._line())
        check(match, "kmtx-venue's first line is not its address")
        self.url, self.host, self.port = match.group(0), match.group(1), int(match.group(2))
        self.codes = {}
        for line in iter(self._line, ""):
            fields = line.split(" ")
            check(len(fields) == 3 and re.fullmatch(r"[0-9]{4}", fields[2]), "a bad party line: %r" % line)
            self.codes[(fields[0], int(fields[1]))] = fields[2]

    def _line(self):
        line = self.proc.stdout.readline()  # a silent kmtx-venue is ended by the suite's timeout
        check(line, "kmtx-venue ended: %s" % self.stderr())
        return line.decode().rstrip("\r\n")

    def stderr(self):
        self.errors.seek(0)
        return self.errors.read().decode("utf-8", "replace")

    def request(self, method, path, body=None):
        """(status, decoded JSON or None) of one request on a connection of its own."""
        connection = http.client.HTTPConnection(self.host, self.port, timeout=10)
        try:
            data = None if body is None else json.dumps(body).encode()
            connection.request(method, path, data, {"Content-Type": "application/json"} if data else {})
            response = connection.getresponse()
            raw = response.read()
            return response.status, json.loads(raw) if raw else None
        finally:
            connection.close()

    def party(self, group, party, code=None):
        status, data = self.request("GET", "/api/party/%s/%d?code=%s" % (group, party, code or self.codes[(group, party)]))
        check(status == 200, "GET party %s-%d: %s %s" % (group, party, status, data))
        return data

    def post(self, body, group, party):
        return self.request("POST", "/api/party/%s/%d/card" % (group, party), body)

    def stop(self):
        """Ends it with SIGTERM; its standard error."""
        self.proc.send_signal(signal.SIGTERM)
        try:
            self.proc.wait(30)
        except subprocess.TimeoutExpired:
            raise Failure("kmtx-venue did not end within 30 s of SIGTERM")
        check(self.proc.returncode == 0, "kmtx-venue ended with %s: %s" % (self.proc.returncode, self.stderr()))
        return self.stderr()

    @staticmethod
    def kill_all():
        for venue in Venue.running:
            if venue.proc.poll() is None:
                venue.proc.kill()
                venue.proc.wait()


def card(party, round_no, figures, code, card_id):
    """The card of a party (as GET gives it) with figures(slot) -> (one, two, total)."""
    rows = [dict(zip(("slot", "one", "two", "total"), (p["slot"],) + figures(p["slot"]))) for p in party["players"]]
    return {"code": code, "id": card_id, "round": round_no, "version": party["version"], "players": rows}


def sums(party):
    return {p["slot"]: (p["entries"], p["one"], p["two"], p["total"]) for p in party["players"]}


def added(party, body):
    """The sums a party as GET gave it should hold once `body` was recorded."""
    before = sums(party)
    return {r["slot"]: tuple(a + b for a, b in zip(before[r["slot"]], (1, r["one"], r["two"], r["total"])))
            for r in body["players"]}
