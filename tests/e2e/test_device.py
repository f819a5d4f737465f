"""The program with the emulated keyboard: connecting at start, following it as it is
plugged and unplugged, the window during a device task, and letting it go at the end."""

import subprocess
import time

from conftest import PROBE, screenshot, settled, wait_until, wine_command


def test_connects_to_the_keyboard_at_start(install):
    program = install()
    emulator = program.attach_emulator(plugged="0")
    emulator.command("firmware 0105")
    program.start()
    program.wait_for_status("Connected (cable)")
    wait_until(lambda: program.texts()[1] == "Firmware version: 105", 10, what="firmware line")

    # The first connection opens the command interface; the firmware check asks the keyboard
    # once, through a feature report answered by a feature read.
    reads = emulator.firmware_reads()
    assert len(reads) == 1 and reads[0]["interface"] == "cable/command"
    gets = emulator.reports("feature-get")
    assert gets and gets[0]["bytes"].startswith("07") and gets[0]["time"] >= reads[0]["time"]
    assert emulator.state()["open_handles"] == 2, "command and per-key interfaces"
    screenshot("connected")


def test_plugging_and_unplugging_changes_the_state_and_sends_the_tasks_again(install):
    program = install()
    emulator = program.attach_emulator(plugged="")
    program.start()
    program.wait_for_status("Not connected")
    assert emulator.firmware_reads() == []

    # Windows announces each of a mode's interfaces, and every announcement that matches the
    # keyboard refreshes the device list once more: a connection re-sends the firmware check
    # one or more times, a disconnection sends nothing.
    steps = [
        ("plug 0", "Connected (cable)", "cable"),
        ("unplug 0", "Not connected", None),
        ("plug 0", "Connected (cable)", "cable"),
        ("plug 1", "Connected (cable)", "cable"),  # the cable keeps the commands
        ("unplug 0", "Connected (wireless)", "wireless1"),
        ("unplug 1", "Not connected", None),
    ]
    for command, status, reader in steps:
        before = len(emulator.firmware_reads())
        emulator.command(command)
        program.wait_for_status(status)
        reads = settled(lambda: len(emulator.firmware_reads()))
        if reader:
            assert reads > before, command
            assert emulator.firmware_reads()[-1]["interface"] == f"{reader}/command", command
            assert program.texts()[1] == "Firmware version: 100", command
        else:
            assert reads == before, command
            assert program.texts()[1] == "", command


def test_window_takes_no_input_while_a_device_task_runs(install, update_server):
    program = install()
    program.attach_emulator(plugged="0")
    update_server.offer("firmware", "100")
    # The firmware check waits for the service's answer, so its task lasts a few seconds.
    update_server.delays["/firmware/version"] = 3
    program.set_update_services(update_server.url("clavira"), update_server.url("firmware"))
    program.start()
    program.wait_for_window()
    wait_until(lambda: "/firmware/version" in update_server.requests, 30, 0.05,
               what="the firmware check")
    assert program.window_state()["enabled"] == 0
    wait_until(lambda: program.window_state()["enabled"] == 1, 10, what="enabled again")


def test_closing_stops_the_worker_and_closes_the_keyboard(install):
    program = install()
    emulator = program.attach_emulator(plugged="0")
    process = program.start()
    program.wait_for_status("Connected")
    assert emulator.state()["open_handles"] > 0
    program.probe("close")
    # A thread left running would keep the process from ending normally.
    assert process.wait(timeout=20) == 1
    assert emulator.state()["open_handles"] == 0


def test_exit_request_from_another_process(install):
    program = install()
    emulator = program.attach_emulator(plugged="0")
    process = program.start()
    program.wait_for_status("Connected")
    program.post(1691, 609)
    time.sleep(1)
    assert process.poll() is None, "only 610 asks the program to end"
    program.post(1691, 610)
    assert process.wait(timeout=20) == 0
    assert emulator.state()["open_handles"] == 0


def test_refresh_leaves_other_programs_windows_alone(install):
    # Another program's window of the toolkit's class, titled like a dialog the refresh closes.
    decoy = subprocess.Popen([wine_command(), str(PROBE), "decoy", "MessageBox"])
    try:
        program = install()
        emulator = program.attach_emulator(plugged="")
        program.start()
        program.wait_for_status("Not connected")
        emulator.command("plug 0")
        program.wait_for_status("Connected")
        time.sleep(1)
        assert decoy.poll() is None
    finally:
        decoy.kill()
        decoy.wait()
