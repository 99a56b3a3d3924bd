import time
import unittest

from waiting import WaitTimeout, poll_until, wait_until


class WaitUntil(unittest.TestCase):
    def test_returns_the_first_true_value_and_stops_asking(self):
        answers = iter([0, "", None, [1, 2], "never asked"])
        self.assertEqual(wait_until(lambda: next(answers), interval=0), [1, 2])
        self.assertEqual(next(answers), "never asked")

    def test_fails_after_the_timeout_naming_what_it_waited_for(self):
        started = time.monotonic()
        with self.assertRaises(WaitTimeout) as caught:
            wait_until(lambda: 0, timeout=0.2, interval=0.01, what="the green square")
        self.assertGreaterEqual(time.monotonic() - started, 0.2)
        self.assertIn("the green square", str(caught.exception))
        self.assertIn("last: 0", str(caught.exception))

    def test_poll_until_returns_the_last_value_when_time_runs_out(self):
        answers = iter([0, "", None, [], [], [], [], []])
        started = time.monotonic()
        self.assertEqual(poll_until(lambda: next(answers, []), timeout=0.2, interval=0.05), [])
        self.assertGreaterEqual(time.monotonic() - started, 0.2)
        self.assertEqual(poll_until(lambda: "at once", timeout=0), "at once")

    def test_a_timeout_is_a_test_failure(self):
        self.assertTrue(issubclass(WaitTimeout, AssertionError))


if __name__ == "__main__":
    unittest.main()
