import os
import shutil
import subprocess
import tempfile
import unittest

import wine_prefix
from waiting import wait_until


class ServerPids(unittest.TestCase):
    def test_finds_the_wineserver_of_a_prefix_by_its_environment(self):
        with tempfile.TemporaryDirectory() as folder:
            # A stand-in process whose command name is that of Debian's wineserver.
            server = os.path.join(folder, "wineserver64")
            shutil.copy(shutil.which("sleep"), server)
            ours, theirs = os.path.join(folder, "prefix"), os.path.join(folder, "prefix2")
            env = dict(os.environ, WINEPREFIX=ours)
            other_program = subprocess.Popen([shutil.which("sleep"), "30"], env=env)
            process = subprocess.Popen([server, "30"], env=env)
            try:
                # Popen may return before the kernel shows the new program's name.
                found = wait_until(lambda: wine_prefix.server_pids(ours), timeout=10,
                                   what="the stand-in wineserver")
                self.assertEqual(found, [process.pid])
                self.assertEqual(wine_prefix.server_pids(theirs), [])
                self.assertEqual(wine_prefix.server_pids(ours[:-1]), [])  # not a prefix of it
            finally:
                for child in (process, other_program):
                    child.kill()
                    child.wait()
            self.assertEqual(wine_prefix.server_pids(ours), [])


if __name__ == "__main__":
    unittest.main()
