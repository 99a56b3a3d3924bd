import time
import unittest

from scenario_case import DIFF_LIMIT, ScenarioCase


def failure_of(comparison):
    try:
        comparison()
    except AssertionError as failure:
        return str(failure)
    return None


class LongComparisons(unittest.TestCase):
    def test_long_lists_fail_at_once_naming_the_first_difference(self):
        first = [f"$GPTXT,01,01,02,line {number:05d}*00" for number in range(12000)]
        second = [f"$GNRMC,{number:06d}.00,A,4807.0380,N,01131.0000,E*00"
                  for number in range(11000)]
        second[:5] = first[:5]
        started = time.monotonic()
        message = failure_of(lambda: ScenarioCase().assertEqual(first, second, "the console"))
        self.assertLess(time.monotonic() - started, 2)
        self.assertIn("12000 items != 11000 items; the first difference at 5", message)
        self.assertIn("4: '$GPTXT,01,01,02,line 00004*00'", message)
        self.assertIn("5: '$GNRMC,000005.00", message)
        self.assertIn("the console", message)
        self.assertNotIn("line 00009", message)  # three items of context, no more

    def test_a_longer_list_that_starts_with_the_other_differs_at_its_end(self):
        first = list(range(DIFF_LIMIT + 50))
        message = failure_of(lambda: ScenarioCase().assertEqual(first, first + ["extra"]))
        self.assertIn(f"the first difference at {len(first)}", message)
        self.assertIn("'extra'", message)

    def test_equal_long_sequences_and_texts_pass(self):
        items = [f"line {number}" for number in range(5000)]
        ScenarioCase().assertEqual(items, list(items))
        ScenarioCase().assertEqual(tuple(items), tuple(items))
        ScenarioCase().assertEqual("\r\n".join(items), "\r\n".join(items))

    def test_long_texts_report_the_first_differing_line(self):
        first = "".join(f"line {number}\r\n" for number in range(3000))
        second = first.replace("line 1234\r\n", "line 1234 changed\r\n")
        message = failure_of(lambda: ScenarioCase().assertEqual(first, second))
        self.assertIn("3000 lines != 3000 lines; the first difference at 1234", message)
        self.assertIn("'line 1234 changed\\r\\n'", message)

    def test_short_ones_keep_unittests_diff(self):
        message = failure_of(lambda: ScenarioCase().assertEqual([1, 2, 3], [1, 2, 4]))
        self.assertIn("First differing element 2", message)
        self.assertIn("- [1, 2, 3]", message)
        longer = failure_of(lambda: ScenarioCase().assertEqual([1], [1, 2]))
        self.assertIn("Second list contains 1 additional elements", longer)


if __name__ == "__main__":
    unittest.main()
