"""The active profile's key assignments and macros carried out by the running program: typing
into another program's text field while the emulated keyboard is connected, when it goes away,
and once the program has ended. Under Wine the program watches keys with its low-level hook
and types with synthesised input."""

import shutil
import sqlite3
import subprocess

import pytest

from conftest import PROGRAM, Program, held_keys, settled, wait_until

# Key codes of the layout (HID keyboard usages) and Windows virtual-key codes.
KEY_A, KEY_B, KEY_C, KEY_D, KEY_E, KEY_F = 4, 5, 6, 7, 8, 9
VK_B, VK_H, VK_I, VK_LSHIFT = 0x42, 0x48, 0x49, 0xA0

# Assignment kinds and macro event types as the program stores them.
DISABLED, KEY, MACRO = 1, 2, 3
PRESS, RELEASE = 2, 3

LONGEST_DELAY = 31000  # ms, the longest wait a macro event keeps
MOST_PLAYS = 99

# (events as (type, virtual key, delay ms), play times)
HI = ([(PRESS, VK_LSHIFT, 10), (PRESS, VK_H, 10), (RELEASE, VK_H, 10), (RELEASE, VK_LSHIFT, 10),
       (PRESS, VK_I, 10), (RELEASE, VK_I, 10)], 2)
# Holds Shift for as long as a macro can.
HOLD_SHIFT = ([(PRESS, VK_LSHIFT, LONGEST_DELAY), (RELEASE, VK_LSHIFT, 0)], MOST_PLAYS)


@pytest.fixture(scope="module")
def empty_database(tmp_path_factory):
    """The profile database as the program itself creates it on its first start: its tables
    and nothing in them."""
    folder = tmp_path_factory.mktemp("first-start") / "program"
    shutil.copytree(PROGRAM, folder)
    program = Program(folder, "KeyMappingFirstStart")
    program.set_name(program.name)
    shutil.rmtree(program.data_folder(), ignore_errors=True)
    try:
        program.start()
        program.wait_for_window()
        program.stop()
        database = next((program.data_folder() / "db").glob("*_data_v1.db"))
        copy = folder.parent / database.name
        shutil.copy(database, copy)
        return copy
    finally:
        program.stop()
        shutil.rmtree(program.data_folder(), ignore_errors=True)


def write_profiles(path):
    """An active profile with a remapped, a disabled and two macro keys, and an inactive one
    that remaps E."""
    with sqlite3.connect(path) as db:
        def profile(name, status):
            return db.execute("INSERT INTO t_profile_data(name, status, app, type) "
                              "VALUES (?, ?, '', 0)", (name, status)).lastrowid

        def macro(name, events, plays):
            macro_id = db.execute("INSERT INTO t_macro_data(play_times, delay_type, delay_time, "
                                  "link_count, name) VALUES (?, 1, 0, 0, ?)",
                                  (plays, name)).lastrowid
            db.executemany("INSERT INTO t_macrorecord(macro_id, type, record_index, desc, value, "
                           "delay_time) VALUES (?, ?, ?, '', ?, ?)",
                           [(macro_id, kind, index, key, delay)
                            for index, (kind, key, delay) in enumerate(events)])
            return macro_id

        def assign(profile_id, key_code, kind, value):
            db.execute("INSERT INTO t_key_macro_data(profile, fn_layer, key_code, layout_value, "
                       "layout_desc, macro_type, macro_value, macro_value2, macro_value3, "
                       "macro_desc) VALUES (?, 0, ?, 0, '', ?, ?, 0, 0, '')",
                       (profile_id, key_code, kind, value))

        inactive = profile("Other", 0)
        active = profile("Mapped", 1)
        assign(inactive, KEY_E, KEY, KEY_B)
        assign(active, KEY_A, KEY, KEY_B)
        assign(active, KEY_C, DISABLED, 0)
        assign(active, KEY_D, MACRO, macro("Hi", *HI))
        assign(active, KEY_F, MACRO, macro("Hold Shift", *HOLD_SHIFT))
    db.close()


@pytest.fixture
def program(install, empty_database):
    """A program copy with the emulated keyboard plugged in and the profiles above."""
    program = install()
    database = program.data_folder() / "db" / empty_database.name
    database.parent.mkdir(parents=True)
    shutil.copy(empty_database, database)
    write_profiles(database)
    program.attach_emulator(plugged="0")
    return program


def typed(field, text):
    field.clear()
    field.type(text)
    return settled(field.text, quiet=0.7)


def start_mapped(program, field):
    """Starts the program and waits until its profile is applied, which a device task does
    once the keyboard is connected; until then every key arrives unchanged."""
    process = program.start()
    program.wait_for_status("Connected")
    wait_until(lambda: typed(field, "a") == "b", 30, 0, what="the mapped key")
    return process


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True, timeout=10)


# Typed on the keyboard, and what arrives in the field.
TYPING = [
    ("xay", "xby"),  # A is remapped to B
    ("xAy", "xBy"),  # Shift held on the keyboard applies to what the mapped key types
    ("xcy", "xy"),  # C is disabled
    ("d", "HiHi"),  # D plays the macro typing "Hi", twice
    ("xey", "xey"),  # E is remapped only in a profile that is not active
]


def test_typing_follows_the_active_profile(program, text_field):
    start_mapped(program, text_field)
    for keys, expected in TYPING:
        assert typed(text_field, keys) == expected, keys
    assert not held_keys() & {VK_B, VK_H, VK_I, VK_LSHIFT}


def test_keyboard_going_away_releases_what_a_held_key_pressed(program, text_field):
    start_mapped(program, text_field)
    text_field.clear()
    text_field.focus()
    xdotool("keydown", "a")
    try:
        wait_until(lambda: VK_B in held_keys(), 10, what="B held")
        program.emulator.command("unplug 0")
        program.wait_for_status("Not connected")
        # The key's own release would never come from a keyboard that is gone.
        assert VK_B not in held_keys()
    finally:
        xdotool("keyup", "a")
    # One B from the press: the key's repeats and its late release type nothing.
    assert settled(text_field.text) == "b"


def test_closing_releases_everything_and_gives_the_keys_back(program, text_field):
    process = start_mapped(program, text_field)
    text_field.clear()
    text_field.type("f")
    wait_until(lambda: VK_LSHIFT in held_keys(), 10, what="Shift held by the macro")
    xdotool("keydown", "a")
    try:
        wait_until(lambda: VK_B in held_keys(), 10, what="B held")
        program.probe("close")
        # The macro would hold Shift for the better part of an hour; closing stops it.
        assert process.wait(timeout=20) == 1
        assert not held_keys() & {VK_B, VK_LSHIFT}
    finally:
        xdotool("keyup", "a")
    assert typed(text_field, "acdf") == "acdf"
