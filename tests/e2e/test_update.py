"""Updates from a local update service: a newer program or firmware is downloaded, unpacked
and started and the program ends; a hostile package starts nothing and writes nothing outside
the work folder."""

import zipfile

from conftest import INSTALLER, local_app_data, wait_until


def make_package(path, entries):
    with zipfile.ZipFile(path, "w") as package:
        for name, data in entries.items():
            # ZipInfo keeps the name exactly as given, ".." and all.
            package.writestr(zipfile.ZipInfo(name), data)
    return path


def start_with_service(install, update_server, firmware="0100"):
    program = install()
    emulator = program.attach_emulator(plugged="0")
    emulator.command(f"firmware {firmware}")
    program.set_update_services(update_server.url("clavira"), update_server.url("firmware"))
    return program, emulator, program.start()


def test_newer_program_is_installed_and_the_program_ends(install, update_server, tmp_path):
    installer = INSTALLER.read_bytes()
    update_server.offer("clavira", "1.0.1", make_package(
        tmp_path / "Keyboard-Software-1.0.1.zip",
        {"Keyboard-Software-1.0.1.exe": installer, "notes/readme.txt": b"what is new"}))
    program, emulator, process = start_with_service(install, update_server)

    assert process.wait(timeout=60) == 0
    work = program.data_folder() / "temp"
    marker = wait_until(lambda: (work / "Keyboard-Software-1.0.1.ran").exists() and
                        (work / "Keyboard-Software-1.0.1.ran"), 20, what="the installer's marker")
    assert marker.read_text().endswith("temp\\Keyboard-Software-1.0.1.exe")
    assert (work / "notes" / "readme.txt").read_bytes() == b"what is new"
    assert not (work / "Keyboard-Software-1.0.1.zip").exists(), "the package is removed"
    assert "/clavira/version" in update_server.requests
    # The program check runs before the first connection: the keyboard was never opened.
    assert emulator.state() is None


def test_hostile_package_starts_nothing_and_writes_nothing_outside(install, update_server,
                                                                   tmp_path):
    update_server.offer("clavira", "1.0.1", make_package(
        tmp_path / "Keyboard-Software-1.0.1.zip",
        {"Keyboard-Software-1.0.1.exe": INSTALLER.read_bytes(),
         "../../escaped.txt": b"outside"}))
    program, _, process = start_with_service(install, update_server)

    program.wait_for_window()
    # The program stays, and offers the update on its button instead.
    wait_until(lambda: (program.texts() or ["", "", ""])[2].startswith("Program update: available"),
               30, what="the update mark")
    assert any(r.endswith("Keyboard-Software-1.0.1.zip") for r in update_server.requests)
    assert process.poll() is None
    work = program.data_folder() / "temp"
    assert list(work.iterdir()) == [], "nothing unpacked, and the refused package removed"
    assert not (local_app_data() / "escaped.txt").exists()
    assert not (program.data_folder() / "escaped.txt").exists()


def test_firmware_check_against_the_keyboard(install, update_server, tmp_path):
    update_server.offer("firmware", "106", make_package(
        tmp_path / "FirmwareUpdateTool-106.zip",
        {"FirmwareUpdateTool-106.exe": INSTALLER.read_bytes()}))

    # The keyboard's 0x0106 reads as version 106: current, nothing to do.
    program, _, process = start_with_service(install, update_server, firmware="0106")
    program.wait_for_status("Connected")
    wait_until(lambda: program.texts()[1] == "Firmware version: 106", 20, what="firmware line")
    assert program.texts()[2].endswith("Firmware update: none")
    assert process.poll() is None
    assert not any(r.endswith(".zip") for r in update_server.requests)
    program.stop()

    # 0x0105 is older: the tool is downloaded and started, and the program ends.
    program, emulator, process = start_with_service(install, update_server, firmware="0105")
    assert process.wait(timeout=60) == 0
    assert emulator.state()["open_handles"] == 0, "the keyboard is let go before the end"
    marker = program.data_folder() / "temp" / "FirmwareUpdateTool-106.ran"
    wait_until(marker.exists, 20, what="the firmware tool's marker")
    assert any(r.endswith("FirmwareUpdateTool-106.zip") for r in update_server.requests)
