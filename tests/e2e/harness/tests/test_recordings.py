import os
import tempfile
import unittest

from recordings import find_run, read_sentences


class Recordings(unittest.TestCase):
    def test_reads_sentences_with_their_line_ends(self):
        handle, path = tempfile.mkstemp()
        os.write(handle, b"$A*00\r\n$B*00\n$C")
        os.close(handle)
        self.addCleanup(os.remove, path)
        self.assertEqual(read_sentences(path), ["$A*00\r\n", "$B*00\n", "$C"])

    def test_finds_a_run_also_when_its_first_line_repeats_earlier(self):
        sentences = ["GLL", "TXT", "RMC", "GLL", "RMC", "GSA"]
        self.assertEqual(find_run(["GLL", "RMC"], sentences), 3)
        self.assertEqual(find_run(["GLL", "TXT"], sentences), 0)
        self.assertEqual(find_run(sentences, sentences), 0)

    def test_a_broken_run_is_not_found(self):
        sentences = ["GLL", "TXT", "RMC", "GLL", "RMC", "GSA"]
        self.assertEqual(find_run(["GLL", "GSA"], sentences), -1)  # a line missing
        self.assertEqual(find_run(["RMC", "RMC"], sentences), -1)  # a line twice
        self.assertEqual(find_run(["", "RMC"], sentences), -1)     # a line emptied
        self.assertEqual(find_run(sentences + ["X"], sentences), -1)


if __name__ == "__main__":
    unittest.main()
