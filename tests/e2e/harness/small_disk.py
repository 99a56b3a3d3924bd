"""A small file system of its own (tmpfs) mounted on a folder, for a scenario that fills
it up. Mounting needs the right to mount, as the test machines' root has."""

import os
import subprocess


class SmallDisk:
    def __init__(self, path, size_kib):
        self.path = path
        os.makedirs(path, exist_ok=True)
        subprocess.run(["mount", "-t", "tmpfs", "-o", f"size={size_kib}k", "skyvane-small-disk",
                        path], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)

    def __enter__(self):
        return self

    def __exit__(self, exc_type, exc, traceback):
        self.unmount()
        return False

    def unmount(self):
        """Lazily, so a file the program still holds open does not keep it mounted."""
        subprocess.run(["umount", "-l", self.path], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
