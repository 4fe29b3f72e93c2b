"""What every scenario shares: a desktop, the program started on it in a
folder of its own, and the gestures a person makes with Sorvel's windows."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

from desktop import Desktop, DesktopError, missing_tools, wait_until
import documents

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
try:
    from rename_font import rename_font
except ImportError:  # fontTools is missing; reported by setUp
    rename_font = None

SORVEL = os.environ.get("SORVEL_BINARY", "")
CONVERT = os.environ.get("SORVEL_CONVERT", "")
ARTIFACTS = os.environ.get("SORVEL_E2E_ARTIFACTS", "")


class SorvelScenario(unittest.TestCase):
    """One scenario: its own desktop, home and working folder. The Pali fonts
    are those the program brings; no legacy Pali font is installed for it."""

    # The main window's title with a document active.
    MAIN = r"^Sorvel - %s$"
    # Message boxes are titled with the program's name alone.
    MESSAGE = r"^Sorvel$"

    def setUp(self):
        if not SORVEL or not CONVERT:
            self.skipTest("SORVEL_BINARY and SORVEL_CONVERT name the programs under test")
        missing = missing_tools()
        if documents.olefile is None:
            missing.append("python3-olefile")
        if rename_font is None:
            missing.append("python3-fonttools")
        if shutil.which("fc-match") is None:
            missing.append("fontconfig")
        if missing:
            self.skipTest("not installed: " + ", ".join(missing))
        if ARTIFACTS:
            os.makedirs(ARTIFACTS, exist_ok=True)
            for old in os.listdir(ARTIFACTS):
                if old.startswith(self.artifact_name() + "-"):
                    path = os.path.join(ARTIFACTS, old)
                    if os.path.isdir(path):
                        shutil.rmtree(path, ignore_errors=True)
                    else:
                        os.remove(path)
        self.root = tempfile.mkdtemp(prefix="sorvel-e2e-")
        try:
            self.desktop = Desktop(self.root)
        except BaseException:
            shutil.rmtree(self.root, ignore_errors=True)
            raise
        self.work = os.path.join(self.root, "work")
        os.makedirs(self.work)
        self.sorvel = None

    def tearDown(self):
        failed = self._failed()
        if failed:
            self.screenshot("failure")
        self.desktop.close()
        if failed and ARTIFACTS:
            logs = os.path.join(ARTIFACTS, self.artifact_name() + "-logs")
            shutil.rmtree(logs, ignore_errors=True)
            shutil.copytree(self.desktop.log_dir, logs)
        shutil.rmtree(self.root, ignore_errors=True)

    def _failed(self):
        outcome = getattr(self, "_outcome", None)
        result = getattr(outcome, "result", None)
        if result is None:
            return False
        for test, _ in result.failures + result.errors:
            if test is self:
                return True
        return not getattr(outcome, "success", True)

    def artifact_name(self):
        return type(self).__name__

    def screenshot(self, label):
        """Keeps a picture of the screen as an artifact of the run."""
        if not ARTIFACTS or self.desktop.display is None:
            return None
        path = os.path.join(ARTIFACTS, "%s-%s.png" % (self.artifact_name(), label))
        try:
            return self.desktop.screenshot(path)
        except Exception:  # a failed picture must not hide the real failure
            return None

    # --- the machine -----------------------------------------------------

    def install_font(self, source, family):
        """Installs a copy of the font file `source` named `family` for the
        scenario's user, as a person copies a font into ~/.local/share/fonts."""
        target = os.path.join(self.desktop.home, ".local/share/fonts",
                              family.replace(" ", "") + ".ttf")
        rename_font(source, target, family)

    def installed_family(self, family):
        """The family fontconfig gives the scenario's programs for `family`."""
        done = subprocess.run(["fc-match", "-f", "%{family[0]}", family], env=self.desktop.env(),
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=60,
                              check=False)
        return done.stdout.decode()

    # --- the program -----------------------------------------------------

    def start_sorvel(self, *args, document="RuvoVIR1"):
        """Starts Sorvel in the working folder and waits for its main window
        with `document` active; gives the window."""
        self.sorvel = self.desktop.start([SORVEL] + list(args), "sorvel", cwd=self.work)
        self.main = self.desktop.wait_window(self.MAIN % document, timeout=60)
        self.desktop.activate(self.main)
        return self.main

    def quit_sorvel(self):
        """File > Exit, and the program ends."""
        self.focus_main()
        self.desktop.key("alt+f")
        self.desktop.key("x")
        wait_until("Sorvel to end", lambda: self.sorvel.poll() is not None, timeout=30)
        self.assertEqual(self.sorvel.returncode, 0)

    def focus_main(self):
        self.desktop.activate(self.main)

    def wait_main_title(self, document):
        self.desktop.wait_title(self.main, self.MAIN % document)

    def message(self, expected_start, exclude=(), key="Return"):
        """Waits for a message box, checks how its text begins and closes it
        with `key` (Return: OK, or the default button); gives its window. The
        text is read as a person would quote it: selected with the mouse from
        inside the box back to its top-left corner (which selects from
        the start of the text), and read from the X selection. The drag
        starts a third of the way down, which is on the text also in a box of
        one or two lines above its buttons."""
        box = self.desktop.wait_window(self.MESSAGE, exclude=exclude)
        self.desktop.activate(box)
        _, _, width, height = self.desktop.geometry(box)
        self.desktop.drag_in(box, (width // 2, height // 3), (2, 2))
        marker = expected_start.encode()
        text = self.desktop.wait_clipboard(
            "the message's first words selected", lambda data: data.startswith(marker),
            selection="primary")
        self.assertTrue(text.startswith(marker), text)
        self.desktop.key(key)
        self.desktop.wait_gone(box)
        return box

    def choose_font(self, family):
        """In the Font dialog: picks `family` from the list by typing its
        name, and OK."""
        dialog = self.desktop.wait_window(r"^Font$")
        self.desktop.activate(dialog)
        self.desktop.type(family)
        self.screenshot("font-dialog-" + family.split()[0].replace("+", ""))
        self.desktop.key("Return")
        self.desktop.wait_gone(dialog)

    def file_dialog(self, title_pattern, path):
        """In a file dialog: types the full path as the file name, and Enter.
        The name's completion list may pop up late and take an Enter for
        itself; then Enter is pressed again, as a person would."""
        dialog = self.desktop.wait_window(title_pattern)
        self.desktop.activate(dialog)
        self.desktop.key("ctrl+a")
        self.desktop.type(path)
        for _ in range(3):
            self.desktop.key("Return")
            try:
                self.desktop.wait_gone(dialog, timeout=5)
                return
            except DesktopError:
                if self.desktop.active_window() != dialog:
                    break
        self.desktop.wait_gone(dialog)

    def menu(self, alt_key, row):
        """Opens a menu with its Alt key and runs its `row`-th row (counted
        from 0, separators not counted) with the arrow keys."""
        self.desktop.key("alt+" + alt_key)
        keys = ["Down"] * row
        if keys:
            self.desktop.key(*keys)
        self.desktop.key("Return")

    def save_new(self, name):
        """Ctrl+S on a document never saved: the Save As dialog names the file
        in the working folder, and the title takes its name; gives its path."""
        path = os.path.join(self.work, name)
        self.desktop.key("ctrl+s")
        self.file_dialog(r"^Save As$", path)
        self.wait_file(path)
        self.wait_main_title(name)
        return path

    def wait_file(self, path, timeout=30.0):
        wait_until("the file %s" % path, lambda: os.path.exists(path), timeout)


__all__ = ["SorvelScenario", "DesktopError", "wait_until", "CONVERT", "SORVEL"]
