#!/usr/bin/python3
"""The console as a desktop sees it.

Under a virtual X server and the accessibility bus (the test runs itself inside dbus-run-session,
with a home and XDG folders of its own), starts morvix-sim and the console, then drives the console
by name only, as a screen reader or a GUI test tool would: logs in through the login view's fields
and button, chooses every navigation item and checks that a page with the item's title appears, and
opens and closes the change-password window from the toolbar. Every wait has a deadline; every
process started here is stopped at the end.
"""

import argparse
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

DEADLINE_S = 30.0

LOGIN_TITLE = "登录到远程管理器"
PASSWORD_FIELD = "密码"
LOGIN_BUTTON = "登录"
NAVIGATION = "导航"
TOOLBAR = "工具栏"
CHANGE_PASSWORD = "修改密码"
CANCEL = "取消"


class Failure(Exception):
    pass


def wait_for(what, probe, deadline_s=DEADLINE_S):
    """Polls probe() until it returns something true; fails with `what` after the deadline."""
    end = time.monotonic() + deadline_s
    while True:
        try:
            result = probe()
        except Exception:  # an object that went away while we looked: look again
            result = None
        if result:
            return result
        if time.monotonic() >= end:
            raise Failure("gave up waiting for " + what)
        time.sleep(0.05)


def read_line(stream, what, deadline_s=DEADLINE_S):
    """Reads one line from a child's pipe within the deadline."""
    end = time.monotonic() + deadline_s
    line = b""
    while not line.endswith(b"\n"):
        left = end - time.monotonic()
        if left <= 0 or not select.select([stream], [], [], left)[0]:
            raise Failure("gave up waiting for " + what)
        chunk = os.read(stream.fileno(), 1)
        if not chunk:
            raise Failure(what + ": the program ended first")
        line += chunk
    return line.decode().strip()


class Processes:
    """Children started by the test, stopped in reverse order whatever happens."""

    def __init__(self):
        self.children = []

    def start(self, name, arguments, **options):
        child = subprocess.Popen(arguments, **options)
        self.children.append((name, child))
        return child

    def stop_all(self):
        for name, child in reversed(self.children):
            if child.poll() is None:
                child.send_signal(signal.SIGTERM)
                try:
                    child.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    child.kill()
                    child.wait()


def start_display(processes):
    """A virtual X server on a display number of its own choosing."""
    reader, writer = os.pipe()
    processes.start("Xvfb", ["Xvfb", "-displayfd", str(writer), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                    pass_fds=(writer,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(writer)
    with os.fdopen(reader, "rb", buffering=0) as stream:
        return ":" + read_line(stream, "the virtual X server's display number")


def start_sim(processes, sim_path):
    """morvix-sim on a free loopback port; returns its port."""
    sim = processes.start("morvix-sim", [sim_path, "--listen", "127.0.0.1:0"], stdout=subprocess.PIPE)
    first = read_line(sim.stdout, "morvix-sim to listen")
    prefix = "morvix-sim listening on 127.0.0.1:"
    if not first.startswith(prefix):
        raise Failure("morvix-sim said: " + first)
    return int(first[len(prefix):])


def install_console(console_path, scratch, port):
    """A copy of the console beside its own Application folder, so that the options file is a
    scratch one: the console reads it beside its executable."""
    directory = os.path.join(scratch, "console")
    os.makedirs(directory)
    console = os.path.join(directory, os.path.basename(console_path))
    shutil.copy2(console_path, console)
    shutil.copytree(os.path.join(os.path.dirname(console_path), "Application"),
                    os.path.join(directory, "Application"))
    with open(os.path.join(directory, "Application", "data", "MorvixAdmin.ini"), "w", encoding="utf-8") as options:
        options.write("[Login]\nhost=127.0.0.1\nport=%d\nuser=0\n\n"
                      "[Gui]\nshow_webadmin=1\nshow_host_monitor=1\nshow_dns_redirect=1\nshow_cache_rule=1\n"
                      "is_oem=0\n" % port)
    return console


def own_user_folders(scratch):
    """HOME and the XDG folders inside the scratch folder, for everything the test starts: the
    session bus and the accessibility bus it launches write there too."""
    environment = dict(os.environ)
    for variable, name in (("HOME", "home"), ("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"),
                           ("XDG_CACHE_HOME", "cache"), ("XDG_STATE_HOME", "state"), ("XDG_RUNTIME_DIR", "runtime")):
        path = os.path.join(scratch, name)
        os.makedirs(path, mode=0o700)
        environment[variable] = path
    return environment


def console_environment(display):
    environment = dict(os.environ)
    environment.update({
        "DISPLAY": display,
        "QT_QPA_PLATFORM": "xcb",
        "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        # The controls are found by their Chinese names, which a desktop in another language translates.
        "LC_ALL": "C.UTF-8",
    })
    return environment


class Desktop:
    """The console's objects on the accessibility bus."""

    def __init__(self, pyatspi, console_pid):
        self.pyatspi = pyatspi
        self.pid = console_pid
        self.application = wait_for("the console on the accessibility bus", self.find_application)

    def find_application(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for application in desktop:
            if application is not None and application.get_process_id() == self.pid:
                return application
        return None

    def window(self, name):
        """A showing top-level window of the console with this title."""
        for window in self.application:
            if window is not None and window.name == name and self.showing(window):
                return window
        return None

    def window_containing(self, text):
        for window in self.application:
            if window is not None and text in window.name and self.showing(window):
                return window
        return None

    def showing(self, accessible):
        return accessible.getState().contains(self.pyatspi.STATE_SHOWING)

    def find(self, root, name, roles):
        return self.pyatspi.findDescendant(root, lambda a: a is not None and a.name == name and a.getRole() in roles,
                                           breadth_first=True)

    def find_showing(self, root, name, roles):
        found = self.pyatspi.findAllDescendants(
            root, lambda a: a is not None and a.name == name and a.getRole() in roles and self.showing(a))
        return found[0] if found else None

    def dump(self, out=sys.stderr):
        """The console's objects as the bus shows them, for a failure's report."""
        def walk(accessible, depth):
            if accessible is None or depth > 12:
                return
            states = accessible.getState()
            marks = [n for n, s in (("showing", self.pyatspi.STATE_SHOWING), ("selected", self.pyatspi.STATE_SELECTED),
                                    ("focused", self.pyatspi.STATE_FOCUSED)) if states.contains(s)]
            print("%s%s %r %s" % ("  " * depth, accessible.getRoleName(), accessible.name, " ".join(marks)), file=out)
            for child in accessible:
                walk(child, depth + 1)
        try:
            walk(self.application, 0)
        except Exception as error:  # the console may be gone: the report says so
            print("(tree unreadable: %s)" % error, file=out)

    def press(self, accessible):
        """Runs the object's press action, found by name."""
        action = accessible.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        for wanted in ("press", "Press", "click"):
            if wanted in names:
                action.doAction(names.index(wanted))
                return
        raise Failure("%r offers no press action (only %s)" % (accessible.name, names))


def log_in(desktop, port):
    p = desktop.pyatspi
    login = wait_for("the login view", lambda: desktop.window(LOGIN_TITLE))
    password = wait_for("the password field named " + PASSWORD_FIELD,
                        lambda: desktop.find(login, PASSWORD_FIELD, (p.ROLE_PASSWORD_TEXT, p.ROLE_TEXT, p.ROLE_ENTRY)))
    password.queryEditableText().setTextContents("admin")
    button = wait_for("the log-in button", lambda: desktop.find(login, LOGIN_BUTTON, (p.ROLE_PUSH_BUTTON,)))
    desktop.press(button)
    return wait_for("the main window to show the server", lambda: desktop.window_containing("127.0.0.1:%d" % port))


def walk_navigation(desktop, main_window):
    p = desktop.pyatspi
    navigation = wait_for("the navigation list", lambda: desktop.find(main_window, NAVIGATION, (p.ROLE_LIST,)))
    titles = [navigation.getChildAtIndex(i).name for i in range(navigation.childCount)]
    if not titles:
        raise Failure("the navigation list has no items")
    page_roles = (p.ROLE_PANEL, p.ROLE_FILLER, p.ROLE_PAGE_TAB, p.ROLE_SCROLL_PANE)
    for index, title in enumerate(titles):
        item = navigation.getChildAtIndex(index)
        if item.getRole() != p.ROLE_LIST_ITEM or not title:
            raise Failure("navigation item %d is not a named list item" % index)
        desktop.press(item)
        wait_for("navigation item %s to be selected" % title,
                 lambda: navigation.getChildAtIndex(index).getState().contains(p.STATE_SELECTED))
        wait_for("the page %s to appear" % title, lambda: desktop.find_showing(main_window, title, page_roles))
        if index > 0:
            wait_for("the page %s to give way" % titles[index - 1],
                     lambda: desktop.find_showing(main_window, titles[index - 1], page_roles) is None)
        print("page shown:", title, flush=True)
    return titles


def open_and_close_change_password(desktop, main_window):
    p = desktop.pyatspi
    toolbar = wait_for("the toolbar", lambda: desktop.find(main_window, TOOLBAR, (p.ROLE_TOOL_BAR,)))
    button = wait_for("the toolbar button " + CHANGE_PASSWORD,
                      lambda: desktop.find(toolbar, CHANGE_PASSWORD, (p.ROLE_PUSH_BUTTON,)))
    desktop.press(button)
    dialog = wait_for("the change-password window", lambda: desktop.window(CHANGE_PASSWORD))
    cancel = wait_for("its cancel button", lambda: desktop.find(dialog, CANCEL, (p.ROLE_PUSH_BUTTON,)))
    desktop.press(cancel)
    wait_for("the change-password window to close", lambda: desktop.window(CHANGE_PASSWORD) is None)


def drive(desktop, port, console):
    main_window = log_in(desktop, port)
    print("logged in:", main_window.name, flush=True)
    walk_navigation(desktop, main_window)
    open_and_close_change_password(desktop, main_window)
    print("change-password window opened and closed", flush=True)
    if console.poll() is not None:
        raise Failure("the console ended with status %d" % console.returncode)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--console", required=True)
    parser.add_argument("--sim", required=True)
    parser.add_argument("--dbus-run-session", default="dbus-run-session")
    parser.add_argument("--scratch", help=argparse.SUPPRESS)  # set when the test runs itself on its own bus
    arguments = parser.parse_args()
    if arguments.scratch is None:
        scratch = tempfile.mkdtemp(prefix="morvix-desktop-")
        try:
            return subprocess.call([arguments.dbus_run_session, "--", sys.executable, os.path.abspath(__file__),
                                    "--console", arguments.console, "--sim", arguments.sim, "--scratch", scratch],
                                   env=own_user_folders(scratch))
        finally:
            shutil.rmtree(scratch, ignore_errors=True)

    processes = Processes()
    try:
        display = start_display(processes)
        port = start_sim(processes, arguments.sim)
        console = processes.start("console", [install_console(arguments.console, arguments.scratch, port)],
                                  env=console_environment(display))

        # The accessibility library finds the bus through the session bus and the display.
        os.environ["DISPLAY"] = display
        import pyatspi

        desktop = Desktop(pyatspi, console.pid)
        try:
            drive(desktop, port, console)
        except Failure:
            desktop.dump()
            raise
        return 0
    except Failure as failure:
        print("FAILED:", failure, file=sys.stderr)
        return 1
    finally:
        processes.stop_all()


if __name__ == "__main__":
    sys.exit(main())
