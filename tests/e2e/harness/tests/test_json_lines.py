import sys
import unittest

from json_lines import JsonLineProcess, ProtocolError

# A child that answers each line with its words, says "bad" for "oops" and ends on "bye".
ECHO = r'''
import json, sys
for line in sys.stdin:
    words = line.split()
    if words == ["bye"]:
        break
    if words == ["oops"]:
        print("not json", flush=True)
    elif words == ["hush"]:
        continue
    else:
        print(json.dumps({"ok": words[0] != "no", "words": words, "error": "refused"}), flush=True)
'''


class JsonLineChild(unittest.TestCase):
    def setUp(self):
        self.child = JsonLineProcess([sys.executable, "-c", ECHO], "the echo child")
        self.addCleanup(self.child.stop, "bye", 5)

    def test_one_answer_per_command(self):
        self.assertEqual(self.child.ask("say a  b")["words"], ["say", "a", "b"])
        self.assertEqual(self.child.must("again")["words"], ["again"])

    def test_a_refusal_fails_only_when_the_command_must_succeed(self):
        self.assertFalse(self.child.ask("no way")["ok"])
        with self.assertRaisesRegex(ProtocolError, "refused 'no way': refused"):
            self.child.must("no way")

    def test_silence_garbage_and_an_ended_child_fail_clearly(self):
        with self.assertRaisesRegex(ProtocolError, "no answer within 0.3 s"):
            self.child.ask("hush", timeout=0.3)
        with self.assertRaisesRegex(ProtocolError, "not JSON"):
            self.child.ask("oops")
        self.child.process.stdin.write(b"bye\n")
        self.child.process.stdin.flush()
        self.child.process.wait(5)
        with self.assertRaisesRegex(ProtocolError, "ended"):
            self.child.ask("anyone")


if __name__ == "__main__":
    unittest.main()
