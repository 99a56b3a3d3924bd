import os
import subprocess
import sys
import tempfile
import textwrap
import time
import unittest

HARNESS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

SCENARIOS = textwrap.dedent("""
    import time
    import unittest

    class Scenarios(unittest.TestCase):
        def test_1_fails(self):
            self.assertEqual("shown", "sent", "the first failure")

        def test_2_hangs(self):
            try:
                time.sleep(600)  # the hang
            finally:
                print("teardown ran", flush=True)

        def test_3_never_starts(self):
            pass
""")


def run_scenarios(source, deadline_seconds):
    """Runs a scenario file through run_scenario; (exit code, output, seconds)."""
    with tempfile.TemporaryDirectory() as folder:
        with open(os.path.join(folder, "test_sample.py"), "w", encoding="ascii") as module:
            module.write(source)
        env = dict(os.environ, PYTHONPATH=HARNESS, PYTHONDONTWRITEBYTECODE="1")
        started = time.monotonic()
        result = subprocess.run([sys.executable, "-m", "run_scenario", "test_sample",
                                 str(deadline_seconds)], cwd=folder, env=env, timeout=120,
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        return result.returncode, result.stdout, time.monotonic() - started


class RunScenario(unittest.TestCase):
    def test_a_failure_is_reported_at_once_and_a_hang_fails_at_the_deadline(self):
        code, output, seconds = run_scenarios(SCENARIOS, deadline_seconds=3)
        self.assertEqual(code, 1, output)
        self.assertLess(seconds, 30, output)
        # The first failure's traceback comes before the second scenario starts.
        first = output.index("AssertionError: 'shown' != 'sent'")
        self.assertLess(first, output.index("test_2_hangs (test_sample.Scenarios"), output)
        self.assertIn("the first failure", output)
        # The hang fails where it stands, its cleanup runs, and nothing starts after it.
        self.assertIn("ScenarioDeadline: still running 3 s after the start", output)
        self.assertIn("time.sleep(600)  # the hang", output)
        self.assertIn("teardown ran", output)
        self.assertNotIn("test_3_never_starts", output)
        self.assertIn("FAIL: test_1_fails (test_sample.Scenarios", output[first:])

    def test_passing_and_skipped_scenarios_end_with_exit_code_0(self):
        source = textwrap.dedent("""
            import unittest

            def setUpModule():
                raise unittest.SkipTest("skyvane.exe is not built (here)")

            class Scenarios(unittest.TestCase):
                def test_skipped(self):
                    pass
        """)
        code, output, _ = run_scenarios(source, deadline_seconds=60)
        self.assertEqual(code, 0, output)
        self.assertIn("skipped 'skyvane.exe is not built", output)  # CTest's skip pattern


if __name__ == "__main__":
    unittest.main()
