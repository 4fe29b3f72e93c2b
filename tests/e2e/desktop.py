"""A desktop of its own for each scenario: a virtual X server on a free
display, a small window manager, and the keyboard, mouse, clipboard and
screen of a person sitting at it (xdotool, xclip, ImageMagick's import).

Every wait polls for what it waits for, up to a deadline that grows with
E2E_TIMEOUT_SCALE on slow machines; every process started here is ended by
`close()`.
"""

import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import time

TOOLS = ["Xvfb", "openbox", "xdotool", "xclip", "import"]

SCALE = float(os.environ.get("E2E_TIMEOUT_SCALE", "1"))


class DesktopError(AssertionError):
    pass


def _end_with_parent():
    """In a started process: asks the kernel for SIGTERM when the test that
    started it dies, so that nothing outlives a killed test run."""
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def missing_tools():
    return [t for t in TOOLS if shutil.which(t) is None]


def wait_until(what, probe, timeout=20.0, interval=0.1):
    """Calls `probe` until it gives something true; gives that, or fails
    saying what was awaited."""
    deadline = time.monotonic() + timeout * SCALE
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise DesktopError("timed out waiting for %s" % what)
        time.sleep(interval)


class Desktop:
    def __init__(self, root, width=1280, height=1024):
        """`root` is the scenario's folder; the user's home is made in it."""
        self.root = root
        self.home = os.path.join(root, "home")
        self.processes = []
        self.log_dir = os.path.join(root, "logs")
        os.makedirs(self.log_dir, exist_ok=True)
        for sub in (".config", ".cache", ".local/share/fonts", "runtime"):
            os.makedirs(os.path.join(self.home, sub), exist_ok=True)
        os.chmod(os.path.join(self.home, "runtime"), 0o700)
        self.display = None
        try:
            self._start_server(width, height)
            self._start_window_manager()
        except BaseException:
            self.close()
            raise

    # --- processes ---------------------------------------------------------

    def env(self):
        """The environment of a program on this desktop: its own display,
        home, settings and fonts, and nothing of the machine's session."""
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("XDG_", "QT_", "DBUS_", "WAYLAND", "SESSION_MANAGER",
                                    "GTK_", "DESKTOP_SESSION", "XAUTHORITY"))}
        env.update({
            "DISPLAY": self.display,
            "HOME": self.home,
            "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
            "XDG_CACHE_HOME": os.path.join(self.home, ".cache"),
            "XDG_DATA_HOME": os.path.join(self.home, ".local/share"),
            "XDG_RUNTIME_DIR": os.path.join(self.home, "runtime"),
            "QT_QPA_PLATFORM": "xcb",
            "NO_AT_BRIDGE": "1",
            "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8",
        })
        return env

    def start(self, argv, name, cwd=None):
        """Starts a program on the desktop, its output kept in the logs."""
        log = open(os.path.join(self.log_dir, name + ".log"), "ab")
        proc = subprocess.Popen(argv, cwd=cwd or self.root, env=self.env(), stdin=subprocess.DEVNULL,
                                stdout=log, stderr=subprocess.STDOUT, start_new_session=True,
                                preexec_fn=_end_with_parent)
        log.close()
        self.processes.append(proc)
        return proc

    def stop(self, proc, timeout=10.0):
        """Ends one process (and what it started in its session) by id."""
        if proc.poll() is None:
            try:
                os.killpg(proc.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                proc.wait(timeout=timeout)
            except subprocess.TimeoutExpired:
                try:
                    os.killpg(proc.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                proc.wait(timeout=timeout)
        if proc in self.processes:
            self.processes.remove(proc)

    def close(self):
        for proc in reversed(list(self.processes)):
            self.stop(proc)

    def _start_server(self, width, height):
        read_end, write_end = os.pipe()
        try:
            log = open(os.path.join(self.log_dir, "Xvfb.log"), "ab")
            proc = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                 "%dx%dx24" % (width, height), "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=log,
                stderr=subprocess.STDOUT, start_new_session=True, preexec_fn=_end_with_parent)
            log.close()
            self.processes.append(proc)
            os.close(write_end)
            write_end = None
            number = b""
            deadline = time.monotonic() + 30 * SCALE
            while not number.endswith(b"\n"):
                left = deadline - time.monotonic()
                if left <= 0 or proc.poll() is not None:
                    raise DesktopError("Xvfb did not start (see %s)" % self.log_dir)
                ready, _, _ = select.select([read_end], [], [], left)
                if ready:
                    chunk = os.read(read_end, 16)
                    if not chunk:
                        raise DesktopError("Xvfb did not say its display")
                    number += chunk
            self.display = ":" + number.decode().strip()
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)

    def _start_window_manager(self):
        ready = os.path.join(self.root, "wm-ready")
        self.start(["openbox", "--sm-disable", "--startup", "touch " + ready], "openbox")
        wait_until("the window manager", lambda: os.path.exists(ready), timeout=30)

    # --- xdotool ---------------------------------------------------------

    def xdotool(self, *args, check=True, timeout=20.0):
        done = subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env(),
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                              timeout=timeout * SCALE, check=False)
        if check and done.returncode != 0:
            raise DesktopError("xdotool %s: %s" % (" ".join(map(str, args)),
                                                     done.stderr.decode().strip()))
        return done.stdout.decode()

    def windows(self, name_pattern, pid=None):
        """The visible windows whose title matches the regular expression."""
        args = ["search", "--onlyvisible"]
        if pid is not None:
            args += ["--pid", pid]
        args += ["--name", name_pattern]
        out = self.xdotool(*args, check=False)
        return [int(w) for w in out.split()]

    def window_name(self, window):
        return self.xdotool("getwindowname", window, check=False).strip()

    def wait_window(self, name_pattern, timeout=30.0, exclude=()):
        """The first visible window titled to match, waited for."""
        def probe():
            found = [w for w in self.windows(name_pattern) if w not in exclude]
            return found[0] if found else None
        return wait_until("a window titled /%s/" % name_pattern, probe, timeout)

    def visible(self, window):
        out = self.xdotool("search", "--onlyvisible", "--name", ".", check=False)
        return str(window) in out.split()

    def wait_gone(self, window, timeout=20.0):
        wait_until("window %d to close" % window, lambda: not self.visible(window), timeout)

    def active_window(self):
        out = self.xdotool("getactivewindow", check=False).strip()
        return int(out) if out.isdigit() else None

    def activate(self, window, timeout=20.0):
        """Brings a window to the front with the keyboard focus, as a click
        on it would."""
        def probe():
            self.xdotool("windowactivate", window, check=False)
            return self.active_window() == window
        wait_until("window %d to become active" % window, probe, timeout, interval=0.2)

    def wait_title(self, window, pattern, timeout=20.0):
        return wait_until("the title of window %d to match /%s/" % (window, pattern),
                          lambda: re.search(pattern, self.window_name(window)), timeout)

    def key(self, *keys):
        """Presses and releases keys or chords (xdotool names: ctrl+j)."""
        self.xdotool("key", "--delay", 60, *keys)

    def type(self, text):
        """Types text a key at a time."""
        self.xdotool("type", "--delay", 60, text)

    def click(self, x, y, button=1):
        self.xdotool("mousemove", "--sync", x, y)
        self.xdotool("click", button)

    def drag(self, start, end):
        """Presses the left button at `start`, moves to `end` and releases."""
        self.xdotool("mousemove", "--sync", *start)
        self.xdotool("mousedown", 1)
        self.xdotool("mousemove", "--sync", (start[0] + end[0]) // 2, (start[1] + end[1]) // 2)
        self.xdotool("mousemove", "--sync", *end)
        self.xdotool("mouseup", 1)

    def drag_in(self, window, start, end):
        """The same as drag(), with points relative to the window's inside.
        Window-relative moves put the pointer where the window really is;
        getwindowgeometry's position is off by the title bar under some
        window managers."""
        def move(point):
            self.xdotool("mousemove", "--window", window, "--sync", *point)
        move(start)
        self.xdotool("mousedown", 1)
        move(((start[0] + end[0]) // 2, (start[1] + end[1]) // 2))
        move(end)
        self.xdotool("mouseup", 1)

    def move_mouse(self, x, y):
        self.xdotool("mousemove", "--sync", x, y)

    def geometry(self, window):
        """(x, y, width, height) of a window on the screen."""
        out = self.xdotool("getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return (int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"]))

    # --- clipboard and screen --------------------------------------------

    def clipboard(self, target="UTF8_STRING", timeout=10.0, selection="clipboard"):
        """What the clipboard's (or another selection's) owner gives for a
        target, as bytes."""
        done = subprocess.run(["xclip", "-selection", selection, "-o", "-t", target],
                              env=self.env(), stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                              timeout=timeout * SCALE, check=False)
        if done.returncode != 0:
            return None
        return done.stdout

    def wait_clipboard(self, what, probe_text, target="UTF8_STRING", timeout=20.0,
                       selection="clipboard"):
        """Polls the clipboard until `probe_text(bytes)` holds; gives the bytes."""
        def probe():
            data = self.clipboard(target, selection=selection)
            return data if data is not None and probe_text(data) else None
        return wait_until(what, probe, timeout, interval=0.2)

    def set_clipboard(self, data, target="UTF8_STRING"):
        """Puts bytes on the clipboard, owned by an xclip that serves them in
        the foreground until another program takes the clipboard."""
        proc = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i", "-t", target],
                                env=self.env(), stdin=subprocess.PIPE,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                start_new_session=True, preexec_fn=_end_with_parent)
        self.processes.append(proc)
        proc.stdin.write(data)
        proc.stdin.close()
        wait_until("the clipboard to hold the text",
                   lambda: self.clipboard(target) == data, timeout=10)
        return proc

    def screenshot(self, path):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        subprocess.run(["import", "-window", "root", path], env=self.env(),
                       stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                       timeout=60 * SCALE, check=True)
        return path
