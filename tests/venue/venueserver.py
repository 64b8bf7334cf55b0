"""kmtx-venue run over a copy of a meeting for the venue tests, and its JSON interface."""

import http.client
import json
import os
import queue
import re
import shutil
import signal
import subprocess
import tempfile
import threading

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def meeting_copy(folder, name="write-full-300.txt"):
    path = os.path.join(folder, name)
    shutil.copyfile(os.path.join(DATA, name), path)
    return path


class Venue:
    """One run of kmtx-venue: its address, the party codes it printed, its requests."""

    running = []

    def __init__(self, program, meeting):
        self.program = program
        Venue.running.append(self)
        self.stderr_file = tempfile.TemporaryFile()
        self.proc = subprocess.Popen(
            [program, meeting, "--port", "0", "--bind", "127.0.0.1"],
            stdout=subprocess.PIPE,
            stderr=self.stderr_file,
        )
        lines = queue.Queue()
        threading.Thread(target=self._read, args=(lines,), daemon=True).start()
        first = self._line(lines)
        match = re.fullmatch(r"http://([0-9.]+):([0-9]+)/", first)
        check(match, "kmtx-venue's first line is not the address: %r" % first)
        self.url = first
        self.host, self.port = match.group(1), int(match.group(2))
        self.codes = {}
        while True:
            line = self._line(lines)
            if line == "":
                break
            fields = line.split(" ")
            check(len(fields) == 3 and re.fullmatch(r"[0-9]{4}", fields[2]), "a bad party line: %r" % line)
            self.codes[(fields[0], int(fields[1]))] = fields[2]

    def _read(self, lines):
        for raw in self.proc.stdout:
            lines.put(raw.decode("utf-8").rstrip("\r\n"))
        lines.put(None)

    def _line(self, lines):
        try:
            line = lines.get(timeout=30)
        except queue.Empty:
            raise Failure("kmtx-venue printed nothing for 30 s")
        if line is None:
            self.proc.wait(10)
            raise Failure("kmtx-venue ended (exit %s): %s" % (self.proc.returncode, self.stderr_text()))
        return line

    def stderr_text(self):
        self.stderr_file.seek(0)
        return self.stderr_file.read().decode("utf-8", "replace")

    def request(self, method, path, body=None, timeout=10):
        """(status, decoded JSON or None) of one request on a connection of its own."""
        connection = http.client.HTTPConnection(self.host, self.port, timeout=timeout)
        try:
            data = None if body is None else json.dumps(body, ensure_ascii=False).encode("utf-8")
            headers = {} if data is None else {"Content-Type": "application/json"}
            connection.request(method, path, body=data, headers=headers)
            response = connection.getresponse()
            raw = response.read()
            try:
                return response.status, json.loads(raw.decode("utf-8"))
            except ValueError:
                return response.status, None
        finally:
            connection.close()

    def party(self, group, party, code=None):
        status, data = self.request("GET", "/api/party/%s/%d?code=%s" % (group, party, code or self.codes[(group, party)]))
        check(status == 200, "GET party %s-%d: %s %s" % (group, party, status, data))
        return data

    def stop(self):
        """Ends it with SIGTERM as the organiser's system would; its standard error."""
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(30)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
                raise Failure("kmtx-venue did not end within 30 s of SIGTERM")
        text = self.stderr_text()
        check(self.proc.returncode == 0, "kmtx-venue ended with %s: %s" % (self.proc.returncode, text))
        return text

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()


def card(venue_party, round_no, figures, code, card_id):
    """The card of a party (as GET gives it) with figures(slot) -> (one, two, total)."""
    players = []
    for player in venue_party["players"]:
        one, two, total = figures(player["slot"])
        players.append({"slot": player["slot"], "one": one, "two": two, "total": total})
    body = {"code": code, "id": card_id, "round": round_no, "players": players}
    if "version" in venue_party:
        body["version"] = venue_party["version"]
    return body


def sums(venue_party):
    return {p["slot"]: (p["entries"], p["one"], p["two"], p["total"]) for p in venue_party["players"]}


def added(before, body):
    """The sums a party should hold after `body` was recorded over `before`."""
    expected = {}
    for row in body["players"]:
        entries, one, two, total = before[row["slot"]]
        expected[row["slot"]] = (entries + 1, one + row["one"], two + row["two"], total + row["total"])
    return expected
