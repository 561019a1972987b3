#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real window as the real screen reader speaks it, Tab stop by Tab stop.

A desktop of its own (Xvfb, openbox, a private D-Bus session with the accessibility bus)
runs Orca with its debug log, whose SPEECH OUTPUT lines are what a user would hear. The
window runs in a network namespace of its own: loopback only for the empty list, the
lab's pc namespace (one emulated device) for the values. Keys go in through xdotool.

    ScreenReaderLabTest.py TELVORIN_BINARY   (root; exits 77 = skipped otherwise)
"""
import json
import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import tty
import unittest

TELVORIN = pathlib.Path(sys.argv.pop(1) if len(sys.argv) > 1 else "build/src/app/telvorin").resolve()
SOURCE_DIR = pathlib.Path(os.environ.get("TELVORIN_SOURCE_DIR", pathlib.Path(__file__).resolve().parents[2]))
LAB_SH = SOURCE_DIR / "lab" / "lab.sh"
TOOLS = ["Xvfb", "openbox", "orca", "xdotool", "dbus-daemon", "unshare", "ip"]

# One device, so the window has a row to load: its DHCP is off, its netmask starts
# with a three-digit octet.
ONE_DEVICE = {"segments": [{"reply": "multicast", "devices": [
    {"name": "NAS-1", "ip": "10.64.0.10", "netmask": "255.255.0.0", "gateway": "10.64.0.1",
     "volumes": ["HDD_a"]}]}]}

# The main window's Tab stops from the device list on, and a pattern of what each must
# say; the group titles are said on entering their group.
TAB_STOPS = [
    ("Refresh", r"^Refresh push button\.$"),
    ("Configuration", r"^Configuration push button\.$"),
    ("Language", r"^Language push button\.$"),
    ("BitTorrent", r"^BitTorrent push button\.$"),
    ("IP address", r"^I P :\nIP address, octet 1 of 4 text\.$"),
    ("Netmask", r"^Netmask :\nNetmask, octet 1 of 4 text\.$"),
    ("Gateway", r"^Gateway :\nGateway, octet 1 of 4 text\.$"),
    ("DHCP", r"^Receive DHCP : combo box\.$"),
    ("Apply", r"^Apply push button\.$"),
    ("Volumes", r"^Volumes tree\.$"),
    ("Drive letters", r"^Available Drive Letters : combo box\.\nZ:$"),
    ("Connect", r"^Connect push button\.$"),
    ("Disconnect", r"^Disconnect push button\.$"),
    ("About", r"^About push button\.$"),
    ("Exit", r"^Exit push button\.$"),
]
# Where focus enters a group: the stop and the group's title.
GROUP_ENTRIES = [("Devices, again", "Network Storage Device"), ("IP address", "LAN"), ("Volumes", "Drive Mapping")]

# An utterance, then its voice: "{...}", or "[{...}]" for a message.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?\s*\[?\{")
NO_NETWORK = "No device found: this computer is not connected to a network."


def missing_prerequisite():
    if os.geteuid() != 0:
        return "needs root (network namespaces for the window)"
    for tool in TOOLS:
        if not shutil.which(tool):
            return f"{tool} is not installed (scripts/install-deps.sh)"
    if not pathlib.Path("/usr/libexec/at-spi-bus-launcher").exists():
        return "at-spi2-core is not installed"
    if not TELVORIN.exists():
        return f"{TELVORIN} is not built"
    return None


def wait_for(predicate, seconds, step=0.05):
    """Polls until predicate() is true or the bound passes; returns its last value."""
    deadline = time.monotonic() + seconds
    while True:
        value = predicate()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(step)


class Desktop:
    """Xvfb, openbox, a private session bus and Orca, with their own home and runtime
    folders; every process it starts is stopped again by stop()."""

    def __init__(self):
        self.dir = pathlib.Path(tempfile.mkdtemp(prefix="telvorin-orca."))
        self.processes = []
        home = self.dir / "home"
        runtime = self.dir / "runtime"
        home.mkdir()
        runtime.mkdir(mode=0o700)
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/sbin:/usr/bin:/sbin:/bin"),
            "HOME": str(home),
            "XDG_RUNTIME_DIR": str(runtime),
            "XDG_CONFIG_HOME": str(home / ".config"),
            "XDG_DATA_HOME": str(home / ".local/share"),
            "XDG_CACHE_HOME": str(home / ".cache"),
            "LANG": "C.UTF-8",
            "GSETTINGS_BACKEND": "memory",
        }
        self.log = self.dir / "orca.log"
        self.lines = []
        self.terminal = None
        self.lock = threading.Lock()

    def start(self, name, argv, env=None, **kwargs):
        out = open(self.dir / f"{name}.out", "wb")
        process = subprocess.Popen(argv, env=env or self.env, stdout=out, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, start_new_session=True, **kwargs)
        out.close()
        self.processes.append(process)
        return process

    def up(self):
        # Xvfb picks a free display and writes its number to the pipe.
        read_end, write_end = os.pipe()
        self.start("xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                            "-nolisten", "tcp"], pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            display = pipe.readline().strip()
        if not display:
            raise RuntimeError("Xvfb gave no display")
        self.env["DISPLAY"] = ":" + display

        # A socket path, not an abstract socket: the window in its own network namespace
        # reaches it too.
        bus = self.dir / "runtime" / "bus"
        self.start("dbus", ["dbus-daemon", "--session", "--nofork", f"--address=unix:path={bus}"])
        if not wait_for(bus.exists, 10):
            raise RuntimeError("the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = f"unix:path={bus}"

        self.start("openbox", ["openbox", "--sm-disable"])
        # Orca buffers its debug file in blocks unless it is a terminal: give it one, and
        # read each line as it comes.
        # The terminal lives while this end of it stays open (until stop()).
        master, self.terminal = os.openpty()
        tty.setraw(self.terminal)
        threading.Thread(target=self.read_log, args=(master,), daemon=True).start()
        self.start("orca", ["orca", "--debug-file", os.ttyname(self.terminal)])
        if not wait_for(lambda: "Screen reader on." in self.spoken(), 60, 0.2):
            raise RuntimeError("Orca did not start; see " + str(self.log))

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for process in reversed(self.processes):
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
        self.processes.clear()
        if self.terminal is not None:
            os.close(self.terminal)
            self.terminal = None

    def read_log(self, master):
        with open(master, "rb", buffering=0) as terminal, open(self.log, "wb") as copy:
            pending = b""
            while True:
                try:
                    chunk = terminal.read(65536)
                except OSError:  # the last writer is gone
                    break
                if not chunk:
                    break
                copy.write(chunk)
                pending += chunk
                *complete, pending = pending.split(b"\n")
                utterances = [m.group(1) for m in (SPEECH.search(line.decode("utf-8", "replace"))
                                                   for line in complete) if m]
                with self.lock:
                    self.lines.extend(utterances)

    def spoken(self):
        """Every utterance so far, in order."""
        with self.lock:
            return list(self.lines)

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "50", *keys], env=self.env, check=True)

    def say_after(self, keys, expect, seconds=15):
        """Presses keys and returns what Orca said for them."""
        mark = len(self.spoken())
        self.key(*keys)
        return self.said_since(mark, expect, seconds)

    def said_since(self, mark, expect, seconds=15):
        """What Orca said after utterance number `mark` (its key echo left out), once
        `expect` is found in it and it has been quiet for a moment."""

        def heard():
            return "\n".join(u for u in self.spoken()[mark:]
                             if u.strip() not in ("tab", "down", "up", "left shift"))

        wait_for(lambda: re.search(expect, heard(), re.M), seconds)
        # Orca may add a line just after (a description, a value): take it in too.
        said = None
        while said != heard():
            said = heard()
            time.sleep(0.5)
        return said


class Lab:
    def __init__(self, config):
        self.dir = None
        path = pathlib.Path(tempfile.mkstemp(prefix="telvorin-orca-lab.", suffix=".json")[1])
        path.write_text(json.dumps(config))
        try:
            result = subprocess.run([str(LAB_SH), "up", str(path), "", str(os.getpid())],
                                    capture_output=True, text=True, timeout=120)
        finally:
            path.unlink()
        if result.returncode != 0:
            raise RuntimeError("lab.sh up failed: " + result.stderr)
        self.dir = result.stdout.strip().splitlines()[-1]

    def command(self, argv):
        return [str(LAB_SH), "exec", self.dir, *argv]

    def down(self):
        if self.dir:
            subprocess.run([str(LAB_SH), "down", self.dir], capture_output=True, timeout=120)
            self.dir = None


class ScreenReaderLab(unittest.TestCase):
    # What each Tab stop said, from the walk through every stop (the tests run in name order).
    tab_stops = {}

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop()
        try:
            cls.desktop.up()
        except Exception:
            cls.desktop.stop()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.desktop.stop()
        if os.environ.get("TELVORIN_KEEP_ORCA_LOG"):
            print("Orca's log:", cls.desktop.log, file=sys.stderr)
        else:
            shutil.rmtree(cls.desktop.dir, ignore_errors=True)

    def open_window(self, prefix, expect):
        """Starts the window under prefix (a namespace runner) and returns what Orca
        says when it takes the focus, once `expect` is among it."""
        env = dict(self.desktop.env, QT_QPA_PLATFORM="xcb")
        mark = len(self.desktop.spoken())
        window = self.desktop.start("telvorin", [*prefix, str(TELVORIN)], env=env)
        self.addCleanup(self.close_window, window)
        said = self.desktop.said_since(mark, expect, 30)
        self.assertRegex(said, re.compile(expect, re.M), "the window never took the focus")
        return said

    def close_window(self, window):
        if window.poll() is None:
            os.killpg(window.pid, signal.SIGTERM)
            try:
                window.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(window.pid, signal.SIGKILL)
                window.wait()

    def test_every_tab_stop_says_its_name_and_the_empty_list_why(self):
        # Loopback only: no network to search.
        empty_list = r"^Devices tree\.\n" + re.escape(NO_NETWORK) + "$"
        first = self.open_window(["unshare", "--net", "--", "sh", "-c", 'ip link set lo up && exec "$0"'],
                                 empty_list)
        transcript = [("Devices", first)]
        for stop, pattern in TAB_STOPS:
            transcript.append((stop, self.desktop.say_after(["Tab"], pattern)))
        transcript.append(("Devices, again", self.desktop.say_after(["Tab"], empty_list)))
        print("\n".join(f"{stop}: {said!r}" for stop, said in transcript), file=sys.stderr)

        patterns = [("Devices", empty_list), *TAB_STOPS, ("Devices, again", empty_list)]
        for (stop, pattern), (_, said) in zip(patterns, transcript):
            with self.subTest(stop):
                self.assertRegex(said, re.compile(pattern, re.M))
        ScreenReaderLab.tab_stops = dict(transcript)

    # The group boxes are the parents of their controls in the accessible tree, so a
    # reader names the group it enters.
    def test_group_titles_are_said_where_focus_enters_each_group(self):
        if not self.tab_stops:
            self.skipTest("needs the Tab stops' transcript")
        for stop, title in GROUP_ENTRIES:
            with self.subTest(f"group {title}"):
                self.assertRegex(self.tab_stops[stop], re.compile("^" + re.escape(title) + r"\b", re.M))

    def test_a_loaded_device_reads_its_octets_whole_and_its_drop_downs_their_values(self):
        lab = Lab(ONE_DEVICE)
        self.addCleanup(lab.down)
        self.open_window(lab.command([]), r"^Devices tree\.")
        # (what, keys, what must be said last)
        steps = [
            ("the device's row", ["Down"], r"^NAS-1\.\n10\.64\.0\.10\.\n255\.255\.0\.0\.\n10\.64\.0\.1\.$"),
            ("the address field", ["Tab"] * 5, r"IP address, octet 1 of 4 text\.\n10 selected\.$"),
            ("a three-digit octet, whole", ["Tab"], r"Netmask, octet 1 of 4 text\.\n255 selected\.$"),
            ("the next field", ["Tab"], r"Gateway, octet 1 of 4 text\.\n10 selected\.$"),
            ("the octet again on return", ["shift+Tab"], r"Netmask, octet 1 of 4 text\.\n255 selected\.$"),
            ("DHCP with its value", ["Tab", "Tab"], r"Receive DHCP : combo box\.\nDisable\.$"),
            ("DHCP's new value", ["Down"], r"^Enable$"),
            ("the drive letters with theirs", ["Tab", "Tab", "Tab"],
             r"Available Drive Letters : combo box\.\nZ:$"),
            ("the next letter", ["Down"], r"^[A-Y]:$"),
            ("DHCP's value when it is reached again", ["shift+Tab"] * 3, r"Receive DHCP : combo box\.\nEnable\.$"),
        ]
        transcript = []
        for what, keys, pattern in steps:
            said = self.desktop.say_after(keys, pattern)
            transcript.append((what, said))
            with self.subTest(what):
                self.assertRegex(said, re.compile(pattern, re.M))
        print("\n".join(f"{what}: {said!r}" for what, said in transcript), file=sys.stderr)


if __name__ == "__main__":
    why = missing_prerequisite()
    if why:
        print("skipped:", why, file=sys.stderr)
        sys.exit(77)
    sys.exit(0 if unittest.main(exit=False, verbosity=2).result.wasSuccessful() else 1)
