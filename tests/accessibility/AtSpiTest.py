#!/usr/bin/python3
"""AtSpiTest.py <DunmoraDesk> <gallery> <fake clock library> <daytime redirect library> <version>

The program and the ZtButton gallery as a screen reader sees them. Both run on
a virtual X display (Xvfb) with a private session bus, on which the AT-SPI bus
launcher gives them an accessibility bus of their own; this script reads them
through pyatspi, the client library of screen readers: the tree, names, roles
and states, the focus events, and a press of the synchronise button through
the action interface.

The program never sets this machine's clock: it runs without cap_sys_time,
with the clock-intercepting library preloaded, and its daytime server is one
this script starts on 127.0.0.1 (the redirecting library sends port 13 there
and refuses every other host). Its system bus is one where nothing listens.
Every wait polls with a deadline.

Exit status 0: passed; 1: failed; 77: skipped (cap_sys_time cannot be dropped).
"""
import ctypes
import ctypes.util
import os
import select
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

SKIP = 77
WAIT_SECONDS = 30
SCREEN = "1031x769"  # odd, so that the display is known to be this test's own
WHOLE_TEST_SECONDS = 240  # below the ctest time-out, so the processes are always ended here
CAP_SETPCAP = 8
CAP_SYS_TIME = 25


class Failure(Exception):
    pass


failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message, file=sys.stderr)


def wait_for(what, condition, pump=None, seconds=WAIT_SECONDS):
    """Polls condition() until it gives a true value; pump(seconds) waits between tries."""
    end = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what)
        (pump or time.sleep)(0.05)


def read_line(stream, what, seconds=WAIT_SECONDS):
    """The first line a starting process writes to a pipe, within the deadline."""
    data = b""
    end = time.monotonic() + seconds
    while not data.endswith(b"\n"):
        left = end - time.monotonic()
        if left <= 0 or not select.select([stream], [], [], left)[0]:
            raise Failure("no answer from " + what)
        chunk = os.read(stream.fileno() if hasattr(stream, "fileno") else stream, 256)
        if not chunk:
            raise Failure(what + " ended before it answered")
        data += chunk
    return data.decode().strip()


def effective_capabilities():
    with open("/proc/self/status") as status:
        for line in status:
            if line.startswith("CapEff:"):
                return int(line.split()[1], 16)
    return 0


def end_with_parent():
    """In a started process: the kernel ends it when this script ends, however that happens."""
    libc = ctypes.CDLL(None)
    pr_set_pdeathsig = 1
    libc.prctl(pr_set_pdeathsig, signal.SIGKILL)


class Processes:
    """Processes this test started; each is ended by its own id (with the group it leads)."""

    def __init__(self):
        self.started = []

    def start(self, command, **options):
        # preexec_fn is safe only while no other thread runs; programs started
        # later end anyway when the display and the buses end with this script.
        alone = threading.active_count() == 1
        process = subprocess.Popen(command, start_new_session=True, preexec_fn=end_with_parent if alone else None,
                                   **options)
        self.started.append(process)
        return process

    @staticmethod
    def signal(process, signal_number):
        try:
            os.killpg(process.pid, signal_number)
        except ProcessLookupError:
            pass

    def end(self, process):
        if process.poll() is None:
            self.signal(process, signal.SIGTERM)
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.signal(process, signal.SIGKILL)
            process.wait()

    def end_all(self):
        for process in reversed(self.started):
            if process.poll() is None:
                self.signal(process, signal.SIGTERM)
        for process in reversed(self.started):
            self.end(process)


class DaytimeServer:
    """Answers every connection on 127.0.0.1 with one reply and closes it."""

    def __init__(self, reply):
        self.reply = reply
        self.connections = 0
        self.listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self.listener.bind(("127.0.0.1", 0))
        self.listener.listen(8)
        self.port = self.listener.getsockname()[1]
        threading.Thread(target=self.serve, daemon=True).start()

    def serve(self):
        while True:
            try:
                connection, _ = self.listener.accept()
            except OSError:
                return
            with connection:
                connection.sendall(self.reply)
            self.connections += 1


def closed_loopback_port():
    probe = socket.socket()
    probe.bind(("127.0.0.1", 0))
    port = probe.getsockname()[1]
    probe.close()
    return port


class Desktop:
    """A virtual display, a private session bus and the AT-SPI bus launcher on it."""

    def __init__(self, processes, folder):
        self.display = self.start_display(processes)

        # Settings stay in memory: the launcher reads gsettings, and nothing
        # of this machine's user configuration is read or started.
        environment = dict(os.environ, DISPLAY=self.display, GSETTINGS_BACKEND="memory",
                           XDG_RUNTIME_DIR=folder, HOME=folder, XDG_CONFIG_HOME=folder + "/config")
        environment.pop("AT_SPI_BUS_ADDRESS", None)
        bus = processes.start(["dbus-daemon", "--session", "--nofork", "--print-address",
                               "--address=unix:dir=" + folder], stdout=subprocess.PIPE, env=environment)
        self.session_bus = read_line(bus.stdout, "dbus-daemon")
        environment["DBUS_SESSION_BUS_ADDRESS"] = self.session_bus
        self.environment = environment

        launcher = next((path for path in ("/usr/libexec/at-spi-bus-launcher",
                                           "/usr/lib/at-spi2-core/at-spi-bus-launcher") if os.path.exists(path)), None)
        if launcher is None:
            raise Failure("at-spi-bus-launcher not found (scripts/setup installs at-spi2-core)")
        processes.start([launcher, "--launch-immediately"], env=environment)

        from gi.repository import Gio, GLib
        self.Gio, self.GLib = Gio, GLib
        self.bus = Gio.DBusConnection.new_for_address_sync(
            self.session_bus,
            Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
            None, None)
        wait_for("the AT-SPI bus launcher", lambda: self.call("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                              "org.freedesktop.DBus", "NameHasOwner",
                                                              GLib.Variant("(s)", ("org.a11y.Bus",)))[0])
        # What a screen reader does when it starts: toolkits switch their bridges on.
        self.call("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled", GLib.Variant("b", True))))

    @staticmethod
    def start_display(processes):
        """A new Xvfb display, checked by its odd screen size to be the one clients reach."""
        for _ in range(3):
            read_end, write_end = os.pipe()
            # -noreset: a server resets when its last client leaves, and one that
            # connects meanwhile is refused.
            server = processes.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN + "x24",
                                      "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,),
                                     stderr=subprocess.DEVNULL)
            os.close(write_end)
            try:
                display = ":" + read_line(read_end, "Xvfb")
            finally:
                os.close(read_end)
            info = subprocess.run(["xdpyinfo", "-display", display], capture_output=True, text=True, timeout=10)
            if "dimensions:    %s pixels" % SCREEN in info.stdout:
                return display
            processes.end(server)  # another server answers on that number
        raise Failure("no Xvfb display of this test's own could be reached")

    def call(self, name, path, interface, method, arguments):
        reply = self.bus.call_sync(name, path, interface, method, arguments, None,
                                   self.Gio.DBusCallFlags.NO_AUTO_START, 10000, None)
        return reply.unpack()


class Client:
    """pyatspi on the desktop's accessibility bus, with its events pumped while waiting."""

    def __init__(self, desktop):
        os.environ["DISPLAY"] = desktop.display
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = desktop.session_bus
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        import pyatspi
        from gi.repository import Atspi, GLib
        self.display = desktop.display
        self.pyatspi, self.Atspi, self.GLib = pyatspi, Atspi, GLib
        self.focused = []
        pyatspi.Registry.registerEventListener(self.on_focus, "object:state-changed:focused")

    def on_focus(self, event):
        if event.detail1 == 1:
            self.focused.append((event.source.name, event.source.getRoleName()))

    def pump(self, seconds):
        context = self.GLib.MainContext.default()
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if not context.iteration(False):
                time.sleep(0.01)

    def application(self, process, window_name):
        """The application of the process once its window of that name is in the tree (never cached)."""

        def find():
            if process.poll() is not None:
                raise Failure("%s ended with status %d before its window was seen" % (window_name, process.returncode))
            desktop = self.pyatspi.Registry.getDesktop(0)
            for index in range(desktop.childCount):
                app = desktop.getChildAtIndex(index)
                try:
                    if app is None or app.get_process_id() != process.pid:
                        continue
                    app.set_cache_mask(self.Atspi.Cache.NONE)
                    if any(child.name == window_name for child in app):
                        return app
                except self.GLib.Error:
                    continue
            return None

        return wait_for("the window \"%s\" over AT-SPI" % window_name, find, self.pump)


def walk(node):
    yield node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child)


def states(node, pyatspi):
    names = {pyatspi.STATE_FOCUSABLE: "focusable", pyatspi.STATE_FOCUSED: "focused",
             pyatspi.STATE_ENABLED: "enabled", pyatspi.STATE_SENSITIVE: "sensitive",
             pyatspi.STATE_CHECKABLE: "checkable", pyatspi.STATE_CHECKED: "checked",
             pyatspi.STATE_SHOWING: "showing"}
    state_set = node.getState()
    return {name for state, name in names.items() if state_set.contains(state)}


def action_names(node):
    action = node.queryAction()
    return [action.getName(index) for index in range(action.nActions)]


def unnamed_focusable(window, pyatspi):
    """Objects a screen reader could land on with nothing to say."""
    return [node.getRoleName() for node in walk(window)
            if node.getState().contains(pyatspi.STATE_FOCUSABLE) and not node.name]


def activate_window(display, title):
    """Gives the X input focus to the top-level window of that title, as a window manager would."""
    tree = subprocess.run(["xwininfo", "-root", "-children", "-display", display],
                          capture_output=True, text=True, check=True).stdout
    # The window itself has a class; Qt's 1x1 client leader of the same title has none.
    window = next((int(line.split()[0], 16) for line in tree.splitlines() if '"%s": ("' % title in line), None)
    if window is None:
        raise Failure("no X window titled " + title)
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    # Xlib's own handler would end this script at once, leaving its processes behind.
    errors = []
    handler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(
        lambda _display, _event: errors.append(1) or 0)
    x11.XSetErrorHandler(handler)
    connection = x11.XOpenDisplay(display.encode())
    if not connection:
        raise Failure("cannot open the display " + display)
    revert_to_parent, current_time = 2, 0
    x11.XSetInputFocus(connection, window, revert_to_parent, current_time)
    x11.XSync(connection, 0)
    x11.XCloseDisplay(connection)
    if errors:
        raise Failure("the X server refused the focus for " + title)


def start_program(processes, desktop, binary, arguments, folder, preload, daytime_port):
    environment = dict(desktop.environment,
                       QT_QPA_PLATFORM="xcb", TZ="UTC", HOME=folder, XDG_CONFIG_HOME=folder + "/config",
                       DBUS_SYSTEM_BUS_ADDRESS="unix:path=" + folder + "/no-system-bus",
                       LD_PRELOAD=":".join(preload), DUNMORA_DAYTIME_PORT=str(daytime_port),
                       DUNMORA_FAKE_CLOCK_LOG=folder + "/clock.log",
                       ASAN_OPTIONS="detect_leaks=0:verify_asan_link_order=0")
    guard = ('if capsh --has-p=cap_sys_time 2>/dev/null; then echo "cap_sys_time kept" >&2; exit 97; fi; '
             'exec "$0" "$@"')
    if (effective_capabilities() >> CAP_SETPCAP) & 1:
        command = ["capsh", "--drop=cap_sys_time", "--", "-c", guard, binary] + arguments
    else:
        command = ["sh", "-c", guard, binary] + arguments
    return processes.start(command, env=environment, cwd=folder)


def check_program(client, program, version, folder, daytime):
    pyatspi = client.pyatspi
    app = client.application(program, "DunmoraDesk " + version)
    window = next(child for child in app if child.name == "DunmoraDesk " + version)
    check(window.getRoleName() == "frame", "the main window's role is %s, not frame" % window.getRoleName())

    by_name = {}
    for node in walk(window):
        by_name.setdefault(node.name, node)
    expected = [  # name, role, states it must have
        ("结果列表", "list", {"enabled"}),
        ("要测试的服务器地址", "text", {"focusable", "enabled"}),
        ("有效的服务器地址", "text", {"focusable", "enabled"}),
        ("显示时间", "check box", {"focusable", "enabled"}),
        ("获取标准时间", "push button", {"focusable", "enabled", "sensitive", "showing"}),
        ("测试上面的地址，有效的放下面", "push button", {"focusable", "enabled", "sensitive"}),
    ]
    for name, role, wanted in expected:
        node = by_name.get(name)
        if node is None:
            check(False, "no object named %s" % name)
            continue
        check(node.getRoleName() == role, "%s: role %s, not %s" % (name, node.getRoleName(), role))
        check(wanted <= states(node, pyatspi), "%s: states %s lack %s" % (name, states(node, pyatspi), wanted))
    buttons = [node for node in walk(window) if node.getRoleName() == "push button"]
    check(len(buttons) == 3, "%d push buttons, not 3" % len(buttons))
    for button in buttons:
        check(button.childCount == 0, "the button %s has %d children" % (button.name, button.childCount))
    check(unnamed_focusable(window, pyatspi) == [],
          "focusable objects without a name: %s" % unnamed_focusable(window, pyatspi))

    if "获取标准时间" not in by_name or "结果列表" not in by_name:
        raise Failure("without the synchronise button and the result list nothing more can be tried")
    synchronise = by_name["获取标准时间"]
    names = action_names(synchronise)
    check(names[:1] == ["Press"], "the synchronise button's actions are %s" % names)
    synchronise.queryAction().doAction(names.index("Press"))
    result_list = by_name["结果列表"]

    def last_line():
        lines = [result_list.getChildAtIndex(i).name for i in range(result_list.childCount)]
        return lines if any("修正日期和时间" in line for line in lines) else None

    lines = wait_for("the synchronisation's result", last_line, client.pump)
    check(any(line.startswith(" 修正日期和时间成功") for line in lines), "the result list reads %s" % lines)
    check(" 现在时间 2030-06-15 18:20:30" in lines, "no line with the set time in %s" % lines)
    check(daytime.connections == 2, "%d daytime connections, not 2" % daytime.connections)
    with open(folder + "/clock.log") as log:
        calls = [line.split() for line in log if line.startswith("clock_settime ")]
    target = 1907778030  # 2030-06-15 18:20:30 UTC: the server's 10:20:30 plus 8 hours
    check(len(calls) == 2 and int(calls[1][1]) == target, "the preloaded clock took %s" % calls)

    # Focus moved by a screen reader: each button reports it once, as itself.
    # The window is activated first (there is no window manager to do it), and
    # the report of its first focus (the synchronise button, first in the tab
    # order) is taken out of the way.
    activate_window(client.display, "DunmoraDesk " + version)
    wait_for("the window's first focus", lambda: ("获取标准时间", "push button") in client.focused, client.pump)
    home = next(button for button in buttons if button.name not in ("获取标准时间", "测试上面的地址，有效的放下面"))
    client.focused.clear()
    for button in (home, synchronise):
        check(button.queryComponent().grabFocus(), "grab focus of %s refused" % button.name)
    wait_for("focus back on the synchronise button", lambda: ("获取标准时间", "push button") in client.focused,
             client.pump)
    check(client.focused == [(home.name, "push button"), ("获取标准时间", "push button")],
          "moving the focus to two buttons reported %s" % client.focused)


def check_gallery(client, gallery):
    pyatspi = client.pyatspi
    app = client.application(gallery, "ZtButton gallery")
    window = next(child for child in app if child.name == "ZtButton gallery")
    title = "ButtonStyle (rows) and ButtonShape (columns)"
    group = next((node for node in walk(window) if node.name == title), None)
    if group is None:
        raise Failure("no group named " + title)
    grid = [node for node in walk(group) if node.getRoleName() == "push button"]
    expected = sorted(["Style %d" % style for style in range(8)] * 7 + [str(style) for style in range(8)] * 2)
    check(sorted(button.name for button in grid) == expected,
          "the grid's buttons are named %s" % sorted({button.name for button in grid}))
    check(all(button.childCount == 0 for button in grid), "a grid button has children")
    sample = next((node for node in walk(window) if node.name == "Synchronise"), None)
    if sample is None:
        raise Failure("no button named Synchronise")
    check(sample.getRoleName() == "push button" and sample.childCount == 0, "the sample is one push button")
    check({"focusable", "enabled", "sensitive"} <= states(sample, pyatspi), "the sample's states")
    sample.queryAction().doAction(action_names(sample).index("Press"))
    wait_for("the sample's click", lambda: any(node.name.startswith("Clicked 1 times") for node in walk(window)),
             client.pump)


def stop(signal_number, _frame):
    raise Failure("stopped by signal %d" % signal_number)


def main():
    program_binary, gallery_binary, fake_clock, redirect = map(os.path.abspath, sys.argv[1:5])
    version = sys.argv[5]
    capabilities = effective_capabilities()
    if not (capabilities >> CAP_SETPCAP) & 1 and (capabilities >> CAP_SYS_TIME) & 1:
        print("skipped: cap_sys_time cannot be dropped here, so the program is not run")
        return SKIP
    processes = Processes()
    for signal_number in (signal.SIGTERM, signal.SIGINT, signal.SIGALRM):
        signal.signal(signal_number, stop)
    signal.alarm(WHOLE_TEST_SECONDS)
    with tempfile.TemporaryDirectory() as folder:
        try:
            desktop = Desktop(processes, folder)
            client = Client(desktop)
            daytime = DaytimeServer(b"\n60651 30-06-15 10:20:30 00 0 0 512.3 \n")
            # A copy of the program, with the INI file beside it.
            program_folder = folder + "/program"
            os.mkdir(program_folder)
            program_binary = shutil.copy2(program_binary, program_folder)
            with open(program_folder + "/DunmoraDesk.ini", "w") as ini:
                ini.write("[INTERNET]\nTIME=127.0.0.1\nSERVLIEBIAO=http://127.0.0.1:%d/list\nXIUZHENXIAOSHI=8\n"
                          % closed_loopback_port())
            preload = [fake_clock, redirect]

            def program_part():
                program = start_program(processes, desktop, program_binary, [], program_folder, preload,
                                        daytime.port)
                check_program(client, program, version, program_folder, daytime)

            def gallery_part():
                gallery = start_program(processes, desktop, gallery_binary, [], folder, preload, daytime.port)
                check_gallery(client, gallery)

            for part in (program_part, gallery_part):  # each runs even when the other failed
                try:
                    part()
                except Exception as failure:
                    check(False, "%s: %s" % (type(failure).__name__, failure))
        except Failure as failure:
            check(False, str(failure))
        finally:
            processes.end_all()
    if failures:
        return 1
    print("ok: the program and the gallery over AT-SPI")
    return 0


if __name__ == "__main__":
    sys.exit(main())
