import os
import tempfile
import unittest

from log_file import BOM, LogFormatError, expected_log_bytes, read_log_lines, read_log_text


class LogFileReading(unittest.TestCase):
    def write(self, data):
        handle, path = tempfile.mkstemp()
        os.write(handle, data)
        os.close(handle)
        self.addCleanup(os.remove, path)
        return path

    def test_reads_sentences_with_their_line_ends(self):
        text = "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\r\n$GPRMC,x*00\r\n"
        path = self.write(BOM + text.encode("utf-16-le"))
        self.assertEqual(read_log_text(path), text)
        self.assertEqual(read_log_lines(path),
                         ["$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\r\n", "$GPRMC,x*00\r\n"])

    def test_an_empty_log_is_just_the_mark(self):
        self.assertEqual(read_log_lines(self.write(BOM)), [])

    def test_refuses_a_log_without_the_mark_or_with_an_odd_length(self):
        with self.assertRaises(LogFormatError):
            read_log_text(self.write("$GP".encode("utf-16-le")))
        with self.assertRaises(LogFormatError):
            read_log_text(self.write(BOM + b"$\x00G"))

    def test_expected_bytes_are_two_per_unit_after_the_mark(self):
        sentence = "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\r\n"
        expected = expected_log_bytes([sentence])
        self.assertEqual(len(expected), 2 + 98)  # 49 units
        self.assertEqual(expected[:6], b"\xff\xfe$\x00G\x00")


if __name__ == "__main__":
    unittest.main()
