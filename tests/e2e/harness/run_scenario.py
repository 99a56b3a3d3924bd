"""Runs one scenario file as a CTest test, so that a failure always reports itself:

    python3 run_scenario.py MODULE DEADLINE_SECONDS

unittest keeps every traceback for the end of the run, which a run that CTest kills never
reaches; here each one is printed the moment its scenario fails. At the deadline, set
below CTest's timeout, the scenario under way fails where it stands and the rest are left
out: its bench is torn down and the report is whole before CTest would kill the run."""

import faulthandler
import signal
import sys
import unittest

# After the deadline, this long for the teardown; then every thread's stack is printed and
# the run ends, should something hang where no exception can reach it.
TEARDOWN_SECONDS = 45


class ScenarioDeadline(AssertionError):
    """The scenario file ran past its deadline."""


class PromptResult(unittest.TextTestResult):
    """Prints each failure with its traceback at once; the end only names them again."""

    def addError(self, test, err):
        super().addError(test, err)
        self.printErrorList("ERROR", self.errors[-1:])

    def addFailure(self, test, err):
        super().addFailure(test, err)
        self.printErrorList("FAIL", self.failures[-1:])

    def addSubTest(self, test, subtest, err):
        super().addSubTest(test, subtest, err)
        if err is not None:
            failed = issubclass(err[0], test.failureException)
            self.printErrorList("FAIL" if failed else "ERROR",
                                (self.failures if failed else self.errors)[-1:])

    def printErrors(self):
        self.stream.writeln()
        for flavour, entries in (("ERROR", self.errors), ("FAIL", self.failures)):
            for test, _ in entries:
                self.stream.writeln(f"{flavour}: {self.getDescription(test)} (reported above)")
        self.stream.flush()


class PromptRunner(unittest.TextTestRunner):
    resultclass = PromptResult

    def __init__(self, deadline_seconds, **options):
        super().__init__(verbosity=2, **options)
        self.deadline_seconds = deadline_seconds
        self.result = None

    def _makeResult(self):
        self.result = super()._makeResult()
        return self.result

    def _expire(self, signum, frame):
        if self.result is not None:
            self.result.stop()  # the scenarios after this one are left out
        raise ScenarioDeadline(f"still running {self.deadline_seconds} s after the start; "
                               "stopped where it stood, before CTest's timeout")

    def run(self, test):
        signal.signal(signal.SIGALRM, self._expire)
        signal.alarm(self.deadline_seconds)
        faulthandler.dump_traceback_later(self.deadline_seconds + TEARDOWN_SECONDS, exit=True)
        try:
            return super().run(test)
        finally:
            signal.alarm(0)
            faulthandler.cancel_dump_traceback_later()


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    sys.stdout.reconfigure(line_buffering=True)
    suite = unittest.defaultTestLoader.loadTestsFromName(argv[1])
    try:
        result = PromptRunner(int(argv[2])).run(suite)
    except ScenarioDeadline as deadline:  # it came between two scenarios
        print(f"ERROR: {deadline}", file=sys.stderr)
        return 1
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
