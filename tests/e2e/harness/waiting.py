"""Waiting for a condition by polling, with a generous deadline and a clear failure."""

import time


class WaitTimeout(AssertionError):
    """A condition did not come true in time; a test failure, not an error of the bench."""


def poll_until(condition, timeout=20.0, interval=0.05):
    """Calls condition() until it returns a true value or `timeout` seconds have passed;
    returns its last value, true or not."""
    deadline = time.monotonic() + timeout
    while True:
        last = condition()
        if last or time.monotonic() >= deadline:
            return last
        time.sleep(interval)


def wait_until(condition, timeout=20.0, interval=0.05, what="the condition"):
    """Calls condition() until it returns a true value, and returns that value.

    Fails with WaitTimeout after `timeout` seconds, naming `what` and the last value seen,
    so that a failing scenario says what it was waiting for.
    """
    last = poll_until(condition, timeout, interval)
    if not last:
        raise WaitTimeout(f"timed out after {timeout:g} s waiting for {what}; last: {last!r}")
    return last
