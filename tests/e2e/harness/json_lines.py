"""A child process that answers each command line with one JSON line (the probe and the
simulated receiver). Answers are read on a thread, so a silent child makes a command
fail after its timeout instead of hanging the scenario."""

import json
import queue
import subprocess
import threading


class ProtocolError(AssertionError):
    """The child did not answer, answered garbage, or ended."""


class JsonLineProcess:
    def __init__(self, argv, name, env=None, cwd=None, stderr_path=None):
        self.name = name
        stderr = open(stderr_path, "wb") if stderr_path else subprocess.DEVNULL
        self.process = subprocess.Popen(
            argv, stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=stderr, env=env, cwd=cwd
        )
        if stderr_path:
            stderr.close()
        self._answers = queue.Queue()
        self._reader = threading.Thread(target=self._read_answers, daemon=True)
        self._reader.start()

    def _read_answers(self):
        for raw in self.process.stdout:
            self._answers.put(raw.decode("utf-8", "replace").rstrip("\r\n"))
        self._answers.put(None)

    def next_answer(self, timeout=30.0):
        try:
            line = self._answers.get(timeout=timeout)
        except queue.Empty:
            raise ProtocolError(f"{self.name} gave no answer within {timeout:g} s") from None
        if line is None:
            raise ProtocolError(f"{self.name} ended (exit code {self.process.poll()})")
        try:
            return json.loads(line)
        except json.JSONDecodeError:
            raise ProtocolError(f"{self.name} answered something that is not JSON: {line!r}") from None

    def ask(self, command, timeout=30.0):
        """Sends one command line and returns its answer as a dict (ok true or false)."""
        if self.process.poll() is not None:
            raise ProtocolError(f"{self.name} has ended (exit code {self.process.returncode})")
        try:
            self.process.stdin.write((command + "\n").encode("utf-8"))
            self.process.stdin.flush()
        except BrokenPipeError:
            raise ProtocolError(f"{self.name} stopped reading commands") from None
        return self.next_answer(timeout)

    def must(self, command, timeout=30.0):
        """Like ask, but a refused command fails the scenario with the child's reason."""
        answer = self.ask(command, timeout)
        if not answer.get("ok"):
            raise ProtocolError(f"{self.name} refused {command!r}: {answer.get('error')}")
        return answer

    def stop(self, quit_command="quit", timeout=10.0):
        """Asks the child to quit; kills it (by its own process id) if it does not."""
        if self.process.poll() is None:
            try:
                self.ask(quit_command, timeout)
            except ProtocolError:
                pass
        try:
            self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait(timeout)
        for stream in (self.process.stdin, self.process.stdout):
            try:
                stream.close()
            except OSError:
                pass
