"""Fixtures for driving the staged Windows program under Wine on the test display.

Run inside scripts/wine-session, which provides WINEPREFIX, DISPLAY and CLAVIRA_WINE.
Every test runs its own copy of the program folder under an application name of its own, so
mutexes, window properties, registry keys and data folders never meet between tests.
"""

import os
import re
import shutil
import subprocess
import time
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
BUILD = ROOT / "build" / "win64"
PROGRAM = BUILD / "program"
PROBE = BUILD / "tests" / "winprobe.exe"
ARTIFACTS = BUILD / "e2e-artifacts"


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

    def set_name(self, name):
        config = self.folder / "config.xml"
        text = config.read_text(encoding="utf-8")
        text = re.sub(r'<software name="[^"]*"', f'<software name="{name}"', text)
        config.write_text(text, encoding="utf-8")
        self.name = name

    def start(self):
        process = subprocess.Popen([wine_command(), "Clavira.exe"], cwd=self.folder,
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


def screenshot(name):
    ARTIFACTS.mkdir(parents=True, exist_ok=True)
    path = ARTIFACTS / f"{name}.png"
    subprocess.run(["import", "-window", "root", str(path)], check=True, timeout=30)
    return path
