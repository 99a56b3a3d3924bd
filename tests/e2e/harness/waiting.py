"""Waiting for a condition by polling, with a generous deadline and a clear failure."""

import time


class WaitTimeout(AssertionError):
    """A condition did not come true in time; a test failure, not an error of the bench."""


def wait_until(condition, timeout=20.0, interval=0.05, what="the condition"):
    """Calls condition() until it returns a true value, and returns that value.

    Fails with WaitTimeout after `timeout` seconds, naming `what` and the last value seen,
    so that a failing scenario says what it was waiting for.
    """
    deadline = time.monotonic() + timeout
    last = None
    while True:
        last = condition()
        if last:
            return last
        if time.monotonic() >= deadline:
            raise WaitTimeout(f"timed out after {timeout:g} s waiting for {what}; last: {last!r}")
        time.sleep(interval)
