"""Starting the program: its window, the single-instance rule and the data folder."""

import shutil
import time

from PIL import Image

from conftest import local_app_data, screenshot

BACKGROUND = (24, 26, 31)


def test_main_window_is_centred_titled_and_drawn(install):
    program = install()
    program.start()
    state = program.wait_for_window()
    assert (state["width"], state["height"]) == (1280, 720)
    # Centred on the 1920 x 1080 virtual screen.
    assert (state["left"], state["top"]) == (320, 180)

    time.sleep(0.5)
    shot = Image.open(screenshot("main-window")).convert("RGB")
    assert shot.getpixel((330, 190)) == BACKGROUND
    assert shot.getpixel((1590, 890)) == BACKGROUND
    assert shot.getpixel((100, 100)) != BACKGROUND, "nothing drawn outside the window"
    title = shot.crop((860, 500, 1060, 580))
    assert any(sum(p) > 600 for p in title.getdata()), "the application name is drawn"


def test_closing_the_window_ends_the_program(install):
    program = install()
    process = program.start()
    program.wait_for_window()
    program.probe("close")
    assert process.wait(timeout=20) == 1


def test_second_copy_exits_and_brings_the_first_forward(install):
    program = install()
    first = program.start()
    program.wait_for_window()
    program.probe("minimize")
    assert program.window_state()["iconic"] == 1

    # The second copy must create no folder of its own.
    shutil.rmtree(program.data_folder())
    assert program.run_to_end() == 0
    state = program.window_state()
    assert state["iconic"] == 0 and state["visible"] == 1
    assert state["foreground"] == 1
    assert not program.data_folder().exists()
    assert first.poll() is None, "the first copy keeps running"


def test_copies_with_different_names_run_side_by_side(install):
    first = install("A")
    second = install("B")
    processes = [first.start(), second.start()]
    first.wait_for_window()
    second.wait_for_window()
    assert all(p.poll() is None for p in processes)
    assert (first.data_folder() / "db").is_dir()
    assert (second.data_folder() / "db").is_dir()


def test_data_folder_is_created_with_its_missing_parents(install):
    program = install()
    local = local_app_data()
    kept = local.with_name("Local.kept")
    local.rename(kept)
    try:
        program.start()
        program.wait_for_window()
        assert (program.data_folder() / "db").is_dir()
    finally:
        program.stop()
        shutil.rmtree(local)
        kept.rename(local)


def test_without_a_readable_config_the_default_name_holds(install):
    cases = {
        "missing": None,
        "malformed": "<config><software name='Broken'></config>",
        "no software element": "<config><device.info/></config>",
    }
    for what, text in cases.items():
        program = install(what.replace(" ", ""))
        config = program.folder / "config.xml"
        if text is None:
            config.unlink()
        else:
            config.write_text(text, encoding="utf-8")
        process = program.start()
        state = program.wait_for_window(name="Clavira")
        assert state["visible"] == 1, what
        program.probe("close", "Clavira")
        assert process.wait(timeout=20) == 1, what
    shutil.rmtree(local_app_data() / "Clavira Files", ignore_errors=True)
