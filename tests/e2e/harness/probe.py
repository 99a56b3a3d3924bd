"""Client of skyvane-probe.exe, the Win32 program that looks into the program's windows
from inside the same Wine prefix. Every method sends one command and returns its answer;
a refused command fails the scenario with the probe's reason."""

from json_lines import JsonLineProcess


def _rgb(text):
    return (int(text[1:3], 16), int(text[3:5], 16), int(text[5:7], 16))


class Probe:
    def __init__(self, argv, env, cwd, stderr_path):
        self._child = JsonLineProcess(argv, "the probe", env=env, cwd=cwd, stderr_path=stderr_path)

    def ask(self, command, timeout=30.0):
        """The raw answer, refused or not, for scenarios that expect a refusal."""
        return self._child.ask(command, timeout)

    def _must(self, command, timeout=30.0):
        return self._child.must(command, timeout)

    # The serial device map of the prefix.
    def ports(self):
        return self._must("ports")["ports"]

    def ports_only(self, number):
        return self._must(f"ports_only {number}")["ports"]

    # The probe as another program that holds a COM port.
    def hold_port(self, port_name):
        """Opens the port (COM20) without sharing and keeps it open until release_port."""
        self._must(f"hold_port {port_name}")

    def release_port(self):
        self._must("release_port")

    # The main window and the control panel's controls.
    def wait_window(self, timeout_ms=30000):
        return self._must(f"wait_window {timeout_ms}", timeout=timeout_ms / 1000 + 10)

    def window(self):
        return self._must("window")

    def title(self):
        return self._must("title")["text"]

    def text(self, control_id):
        return self._must(f"text {control_id}")["text"]

    def set_text(self, control_id, text):
        self._must(f"set_text {control_id} {text}")

    def state(self, control_id):
        return self._must(f"state {control_id}")

    def idle(self, timeout_ms=20000):
        """Until the program has handled everything posted to it so far."""
        self._must(f"idle {timeout_ms}", timeout=timeout_ms / 1000 + 10)

    def click(self, control_id, wait=True):
        self._must(f"click {control_id}")
        if wait:
            self.idle()

    def combo(self, control_id):
        return self._must(f"combo {control_id}")

    def select(self, control_id, index, wait=True):
        self._must(f"select {control_id} {index}")
        if wait:
            self.idle()

    def menu(self, command_id):
        self._must(f"menu {command_id}")

    def send_message(self, message, wparam=0, lparam=0):
        """Sends a message to the main window as another program could; its result."""
        return self._must(f"send_message {message} {wparam} {lparam}")["result"]

    # The console.
    def console(self):
        return self._must("console")["text"]

    def console_lines(self, last=None):
        """[{'index', 'text', 'color'}], the colour as '#RRGGBB' or None when mixed."""
        return self._must("console_lines" + (f" {last}" if last else ""), timeout=120)["lines"]

    # Dialogs and keys.
    def about_open(self):
        return self._must("about")["open"]

    def file_dialog_open(self):
        return self._must("file_dialog")["open"]

    def open_file(self, windows_path):
        self._must(f"open_file {windows_path}", timeout=30)

    def cancel_file(self):
        self._must("cancel_file", timeout=30)

    def keys(self, combo, window=None):
        return self._must(f"keys {combo}" + (f" {window}" if window else ""))

    # The graphics panel's pixels as the screen shows them, as (r, g, b).
    def panel_size(self):
        answer = self._must("panel_size")
        return answer["width"], answer["height"]

    def pixels(self, x, y, width, height):
        """Rows of (r, g, b) tuples."""
        text = self._must(f"pixels {x} {y} {width} {height}")["rgb"]
        colors = [_rgb("#" + text[i:i + 6]) for i in range(0, len(text), 6)]
        return [colors[row * width:(row + 1) * width] for row in range(height)]

    # The end of the program.
    def close(self, timeout_ms=20000):
        """Sends WM_CLOSE and returns the program's exit code."""
        return self._must(f"close {timeout_ms}", timeout=timeout_ms / 1000 + 10)["exit_code"]

    def exit_code(self, timeout_ms=20000):
        return self._must(f"exit_code {timeout_ms}", timeout=timeout_ms / 1000 + 10)["exit_code"]

    def stop(self):
        self._child.stop()
