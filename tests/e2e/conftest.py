"""Fixtures for driving the staged Windows program under Wine on the test display.

Run inside scripts/wine-session, which provides WINEPREFIX, DISPLAY and CLAVIRA_WINE.
Every test runs its own copy of the program folder under an application name of its own, so
mutexes, window properties, registry keys and data folders never meet between tests. A copy
with the keyboard emulator attached has the emulator's hidapi.dll in place of the real one.
"""

import functools
import http.server
import json
import os
import re
import select
import shutil
import subprocess
import threading
import time
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
BUILD = ROOT / "build" / "win64"
PROGRAM = BUILD / "program"
PROBE = BUILD / "tests" / "winprobe.exe"
INSTALLER = BUILD / "tests" / "test_installer.exe"
EMULATOR_DLL = BUILD / "emulator" / "hidapi.dll"
ARTIFACTS = BUILD / "e2e-artifacts"


def windows_path(path):
    """The path as a Windows process under Wine names it: the Linux root is drive Z:."""
    return "Z:" + str(path).replace("/", "\\")


def wait_until(condition, timeout=30, interval=0.2, what="condition"):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(interval)
    raise AssertionError(f"{what} not reached within {timeout} s")


def settled(measure, quiet=1.0, timeout=20):
    """The measured value once it has not changed for `quiet` seconds."""
    value = measure()
    stable_since = time.monotonic()
    deadline = stable_since + timeout
    while time.monotonic() < deadline:
        time.sleep(0.1)
        now = measure()
        if now != value:
            value, stable_since = now, time.monotonic()
        elif time.monotonic() - stable_since >= quiet:
            return value
    raise AssertionError("the value never settled")


class Emulator:
    """The emulated keyboard of one program copy: its control, log and state files."""

    def __init__(self, folder):
        self.control = folder / "emulator-control"
        self.log = folder / "emulator.jsonl"
        self.state_file = folder / "emulator-state.json"
        self.control.write_text("")

    def environment(self, plugged):
        return {
            "CLAVIRA_EMULATOR_PLUGGED": plugged,
            "CLAVIRA_EMULATOR_CONTROL": windows_path(self.control),
            "CLAVIRA_EMULATOR_LOG": windows_path(self.log),
            "CLAVIRA_EMULATOR_STATE": windows_path(self.state_file),
        }

    def command(self, line):
        with self.control.open("a") as control:
            control.write(line + "\n")

    def reports(self, kind=None, prefix=""):
        if not self.log.exists():
            return []
        reports = [json.loads(line) for line in self.log.read_text().splitlines() if line]
        return [r for r in reports
                if (kind is None or r["kind"] == kind) and r["bytes"].startswith(prefix)]

    def firmware_reads(self):
        """Firmware version requests that reached the keyboard."""
        return [r for r in self.reports("feature-send", "07fd") if r["result"] == "ok"]

    def state(self):
        try:
            return json.loads(self.state_file.read_text())
        except (FileNotFoundError, json.JSONDecodeError):
            return None


def wine_command():
    wine = os.environ.get("CLAVIRA_WINE")
    if not wine or not os.environ.get("WINEPREFIX"):
        pytest.exit("run the end-to-end tests through scripts/wine-session", returncode=2)
    return wine


def local_app_data():
    users = Path(os.environ["WINEPREFIX"]) / "drive_c" / "users"
    user = next(p for p in users.iterdir() if p.name != "Public")
    return user / "AppData" / "Local"


class Program:
    """One installed copy of Clavira: its folder, its application name and its processes."""

    def __init__(self, folder, name):
        self.folder = folder
        self.name = name
        self.processes = []
        self.environment = {}
        self.emulator = None

    def attach_emulator(self, plugged="0"):
        """Puts the emulated keyboard in place of the real hidapi, with `plugged` modes."""
        shutil.copy(EMULATOR_DLL, self.folder / "hidapi.dll")
        self.emulator = Emulator(self.folder)
        self.environment.update(self.emulator.environment(plugged))
        return self.emulator

    def set_update_services(self, program_url, firmware_url):
        """Points the program check (config.xml) and the firmware check (layout) elsewhere."""
        config = self.folder / "config.xml"
        config.write_text(re.sub(r'<upgrade url="[^"]*"', f'<upgrade url="{program_url}"',
                                 config.read_text(encoding="utf-8")), encoding="utf-8")
        layout = self.folder / "layouts" / "M614-RGB.xml"
        layout.write_text(re.sub(r'(<firmware [^>]*url=")[^"]*"', rf'\g<1>{firmware_url}"',
                                 layout.read_text(encoding="utf-8")), encoding="utf-8")

    def set_name(self, name):
        config = self.folder / "config.xml"
        text = config.read_text(encoding="utf-8")
        text = re.sub(r'<software name="[^"]*"', f'<software name="{name}"', text)
        config.write_text(text, encoding="utf-8")
        self.name = name

    def start(self):
        process = subprocess.Popen([wine_command(), "Clavira.exe"], cwd=self.folder,
                                   env={**os.environ, **self.environment},
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def run_to_end(self, timeout=30):
        process = self.start()
        return process.wait(timeout=timeout)

    def probe(self, command, name=None):
        result = subprocess.run([wine_command(), str(PROBE), command, name or self.name],
                                capture_output=True, text=True, timeout=30)
        return result.returncode, result.stdout.strip()

    def post(self, message, lparam):
        subprocess.run([wine_command(), str(PROBE), "post", self.name, str(message), str(lparam)],
                       check=True, timeout=30)

    def window_state(self, name=None):
        code, out = self.probe("state", name)
        if code != 0:
            return None
        return {k: int(v) for k, v in (pair.split("=") for pair in out.split())}

    def wait_for_window(self, timeout=30, name=None):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            state = self.window_state(name)
            if state and state["visible"]:
                return state
            time.sleep(0.2)
        raise AssertionError(f"no window tagged {name or self.name!r} within {timeout} s")

    def texts(self):
        """The window's text lines: connection state, firmware version, update marks, version."""
        code, out = self.probe("texts")
        return [line.strip() for line in out.splitlines()] if code == 0 else None

    def status(self):
        lines = self.texts()
        return lines[0] if lines else None

    def wait_for_status(self, prefix, timeout=30):
        return wait_until(lambda: (self.status() or "").startswith(prefix) and self.texts(),
                          timeout, what=f"status {prefix!r}")

    def data_folder(self):
        return local_app_data() / f"{self.name} Files"

    def stop(self):
        for process in self.processes:
            if process.poll() is None:
                self.probe("close")
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()


@pytest.fixture
def install(tmp_path, request):
    """Returns a function that installs a fresh copy of the program folder."""
    installed = []

    def make(suffix=""):
        name = re.sub(r"\W", "", request.node.name)[-40:] + suffix
        folder = tmp_path / f"program{len(installed)}"
        shutil.copytree(PROGRAM, folder)
        program = Program(folder, name)
        program.set_name(name)
        shutil.rmtree(program.data_folder(), ignore_errors=True)
        installed.append(program)
        return program

    yield make
    for program in installed:
        program.stop()
        shutil.rmtree(program.data_folder(), ignore_errors=True)


class UpdateServer:
    """A local HTTP update service serving a folder; notes every path asked for and can hold
    chosen answers back for a while."""

    def __init__(self, root):
        self.root = root
        self.requests = []
        self.delays = {}
        server = self

        class Handler(http.server.SimpleHTTPRequestHandler):
            def do_GET(self):
                server.requests.append(self.path)
                time.sleep(server.delays.get(self.path, 0))
                super().do_GET()

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Handler, directory=str(root)))
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def url(self, folder):
        return f"http://127.0.0.1:{self.httpd.server_address[1]}/{folder}/"

    def offer(self, folder, version, package=None):
        """Offers `version` in `folder`, with the zip file `package` under its own name."""
        (self.root / folder).mkdir(parents=True, exist_ok=True)
        (self.root / folder / "version").write_text(version)
        if package:
            shutil.copy(package, self.root / folder / package.name)

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()


@pytest.fixture
def update_server(tmp_path):
    server = UpdateServer(tmp_path / "service")
    server.root.mkdir()
    yield server
    server.close()


class TextField:
    """Another program's window with a focused text field (winprobe edit), typed into with
    xdotool as a user would type on the keyboard."""

    def __init__(self, title):
        self.process = subprocess.Popen([wine_command(), str(PROBE), "edit", title],
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL, text=True)
        self.window = wait_until(lambda: self._find(title), 30, what=f"window {title!r}")

    @staticmethod
    def _find(title):
        found = subprocess.run(["xdotool", "search", "--name", f"^{title}$"],
                               capture_output=True, text=True, timeout=10).stdout.split()
        return found[0] if found else None

    def _ask(self, request):
        self.process.stdin.write(request + "\n")
        self.process.stdin.flush()
        ready, _, _ = select.select([self.process.stdout], [], [], 10)
        assert ready, f"the text field did not answer {request!r}"
        return self.process.stdout.readline().rstrip("\r\n")

    def text(self):
        return self._ask("text")

    def clear(self):
        assert self._ask("clear") == "cleared"

    def focus(self):
        # Without a window manager, X's focus alone does not make the window Wine's foreground
        # window; a click into the field does, as it would for a user.
        subprocess.run(["xdotool", "mousemove", "--window", self.window, "60", "25", "click", "1"],
                       check=True, timeout=10)
        subprocess.run(["xdotool", "windowfocus", "--sync", self.window], check=True, timeout=10)

    def type(self, text):
        self.focus()
        subprocess.run(["xdotool", "type", "--delay", "100", text], check=True, timeout=30)

    def close(self):
        self.process.kill()
        self.process.wait()


@pytest.fixture
def text_field(request):
    field = TextField("field " + re.sub(r"\W", "", request.node.name)[-40:])
    yield field
    field.close()


def held_keys():
    """The virtual-key codes the system holds down."""
    result = subprocess.run([wine_command(), str(PROBE), "keys"], capture_output=True, text=True,
                            check=True, timeout=30)
    return {int(code) for code in result.stdout.split()}


def screenshot(name):
    ARTIFACTS.mkdir(parents=True, exist_ok=True)
    path = ARTIFACTS / f"{name}.png"
    subprocess.run(["import", "-window", "root", str(path)], check=True, timeout=30)
    return path
