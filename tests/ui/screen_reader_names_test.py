"""The real window as a screen reader finds it on Linux's accessibility bus: every control
has a name, or a label that names it, and a description that says what it does; the three
lists are named by what they are, not by the item they show.

Starts a virtual display and a session bus of its own; needs Debian's python3-pyatspi, for
the system's python3.
Usage: screen_reader_names_test.py WINDOW_PROGRAM TRACKER_SIM
"""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi

# What a user can press, tick, type into or choose from.
CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_TOGGLE_BUTTON,
    pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_LIST,
    pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_PASSWORD_TEXT,
    pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_PAGE_TAB_LIST,
}

LIST_NAMES = ["Message", "Path", "COM Port"]

# The window shows itself within a second or two; a slow machine gets ten times that.
APPEARANCE_SECONDS = 20


def start_display(started):
    """Xvfb chooses a free display number itself, so that tests side by side never race for
    one. Without -noreset it starts afresh whenever its last client leaves, and refuses the
    window meanwhile: the accessibility bus looks at the display once, as the window opens."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp",
         "-screen", "0", "1280x1024x24"],
        pass_fds=(write_end,),
    )
    started.append(server)
    os.close(write_end)
    with os.fdopen(read_end) as numbers:
        number = numbers.readline().strip()
    if not number:
        sys.exit("the virtual display did not start")
    return f":{number}"


def start_session_bus(started, runtime):
    """The accessibility bus starts on this bus when first asked for, with its socket in the
    runtime folder under the display's number: a runtime folder of this run's own keeps it
    from another run's, or a desktop's, that would otherwise share its name."""
    bus = subprocess.Popen(
        ["dbus-daemon", "--session", "--nofork", "--print-address=1",
         f"--address=unix:dir={runtime}"],
        stdout=subprocess.PIPE,
        text=True,
    )
    started.append(bus)
    address = bus.stdout.readline().strip()
    if not address:
        sys.exit("the session bus did not start")
    return address


def window_of(program):
    """The window's dialog on the bus, once the program has shown it."""
    deadline = time.monotonic() + APPEARANCE_SECONDS
    while time.monotonic() < deadline:
        if program.poll() is not None:
            sys.exit(f"the window program exited with {program.returncode} before it was seen")
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or app.get_process_id() != program.pid:
                continue
            for window in app:
                if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
                    return window
        time.sleep(0.1)
    sys.exit(f"the window did not appear on the accessibility bus within {APPEARANCE_SECONDS} s")


def labelled(accessible):
    return any(
        relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
        and relation.getNTargets() > 0
        for relation in accessible.getRelationSet()
    )


def controls_in(accessible):
    if accessible.getRole() in CONTROL_ROLES:
        yield accessible
    for child in accessible:
        if child is not None:
            yield from controls_in(child)


def faults_in(window):
    controls = list(controls_in(window))
    faults = [
        f"{control.getRoleName()} under {control.parent.getRoleName()} "
        f"'{control.parent.name}' has neither a name nor a label"
        for control in controls
        if not control.name and not labelled(control)
    ]
    # Qt gives a tab bar no description of its own: a screen reader reads the chosen tab's.
    # The bar's scroll buttons are hidden while every tab fits.
    faults += [
        f"{control.getRoleName()} '{control.name}' under {control.parent.getRoleName()} "
        f"'{control.parent.name}' has no description"
        for control in controls
        if not control.description
        and control.getRole() != pyatspi.ROLE_PAGE_TAB_LIST
        and control.getState().contains(pyatspi.STATE_SHOWING)
    ]
    lists = [control.name for control in controls if control.getRole() == pyatspi.ROLE_COMBO_BOX]
    if lists != LIST_NAMES:
        faults.append(f"the lists are named {lists}, not {LIST_NAMES}")
    print(f"{len(controls)} controls")
    return faults


def find(accessible, wanted):
    """The first accessible under accessible, itself included, for which wanted is true."""
    if wanted(accessible):
        return accessible
    for child in accessible:
        if child is not None:
            found = find(child, wanted)
            if found is not None:
                return found
    return None


def tone_alert_fault(window):
    """Send 1200 Hz pressed as a screen reader presses it; the notice must then show as an
    alert, by its words, until Stop Sending."""
    def button(name):
        return find(window, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == name)

    def alert():
        return find(window, lambda a: a.getRole() == pyatspi.ROLE_ALERT
                    and a.getState().contains(pyatspi.STATE_SHOWING))

    button("Send 1200 Hz").queryAction().doAction(0)
    deadline = time.monotonic() + APPEARANCE_SECONDS
    while alert() is None and time.monotonic() < deadline:
        time.sleep(0.1)
    shown = alert()
    if shown is None or not shown.name.startswith("Transmitting 1200 Hz"):
        return "no alert says that the radio is transmitting after Send 1200 Hz"
    button("Stop Sending").queryAction().doAction(0)
    deadline = time.monotonic() + APPEARANCE_SECONDS
    while alert() is not None and time.monotonic() < deadline:
        time.sleep(0.1)
    return "the transmitting alert stays after Stop Sending" if alert() is not None else None


def stop(process):
    """Asked first, so that the display removes its socket, which a later display of the same
    number would otherwise find and fail on."""
    process.terminate()
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def main():
    with tempfile.TemporaryDirectory() as runtime:
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        os.environ.update(
            XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"
        )
        started = []
        try:
            os.environ["DISPLAY"] = start_display(started)
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus(started, runtime)
            tracker = subprocess.Popen([sys.argv[2]], stdout=subprocess.PIPE, text=True)
            started.append(tracker)
            port = tracker.stdout.readline().strip()
            # The names checked are the English ones, whatever this machine's language.
            started.append(subprocess.Popen([sys.argv[1], "--language", "en", "--port", port]))
            window = window_of(started[-1])
            faults = faults_in(window)
            fault = tone_alert_fault(window)
            if fault:
                faults.append(fault)
        finally:
            for process in reversed(started):
                stop(process)
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
