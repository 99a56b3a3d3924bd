"""An Xvfb display of a scenario's own; Xvfb picks a free display number itself."""

import os
import select
import subprocess
import time


class DisplayError(AssertionError):
    pass


class XvfbDisplay:
    def __init__(self, log_path, width=1280, height=1024):
        read_end, write_end = os.pipe()
        with open(log_path, "wb") as log:
            self.process = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdout=log, stderr=log, stdin=subprocess.DEVNULL)
        os.close(write_end)
        try:
            self.number = self._read_display_number(read_end)
        finally:
            os.close(read_end)
        self.name = f":{self.number}"

    def _read_display_number(self, read_end, timeout=30.0):
        deadline = time.monotonic() + timeout
        text = b""
        while not text.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            ready, _, _ = select.select([read_end], [], [], max(remaining, 0))
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                self.stop()
                raise DisplayError("Xvfb did not report its display number")
            text += chunk
        return int(text)

    def screenshot(self, path):
        """The whole screen as a PNG (ImageMagick's import); False when it failed."""
        result = subprocess.run(["import", "-display", self.name, "-window", "root", path],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
        return result.returncode == 0

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(10)
