"""The base of the scenarios' test cases: equality checks of long sequences and texts fail
at once, naming the first difference. unittest's own report of a long list is a diff
whose time grows with the square of its length: minutes for a few thousand console or
log lines, long enough for CTest to kill the run before it says anything."""

import unittest

# Up to this many items (or lines) on each side, unittest's own diff is quick and clearer.
DIFF_LIMIT = 200
# Items shown on either side of the first difference, each cut to this many characters.
CONTEXT = 3
ITEM_CHARACTERS = 200


def first_difference(first, second):
    """The index of the first item that differs, or the shorter length."""
    for index, (left, right) in enumerate(zip(first, second)):
        if left != right:
            return index
    return min(len(first), len(second))


def describe_difference(first, second, kind="items"):
    index = first_difference(first, second)
    start, end = max(0, index - CONTEXT), index + CONTEXT + 1
    lines = [f"{len(first)} {kind} != {len(second)} {kind}; the first difference at {index}"]
    for name, items in (("first", first), ("second", second)):
        lines.append(f"{name}[{start}:{end}]:")
        lines += [f"  {position}: {item!r:.{ITEM_CHARACTERS}}"
                  for position, item in enumerate(items[start:end], start)]
    return "\n".join(lines)


class ScenarioCase(unittest.TestCase):
    def assertSequenceEqual(self, first, second, msg=None, seq_type=None):
        try:
            short = len(first) <= DIFF_LIMIT and len(second) <= DIFF_LIMIT
        except TypeError:
            short = True  # unittest says what is wrong with them
        if short or (seq_type is not None and not (isinstance(first, seq_type)
                                                   and isinstance(second, seq_type))):
            super().assertSequenceEqual(first, second, msg, seq_type)
        elif list(first) != list(second):
            self.fail(self._formatMessage(msg, describe_difference(first, second)))

    def assertMultiLineEqual(self, first, second, msg=None):
        if isinstance(first, str) and isinstance(second, str) and first != second:
            first_lines, second_lines = first.splitlines(True), second.splitlines(True)
            if len(first_lines) > DIFF_LIMIT or len(second_lines) > DIFF_LIMIT:
                self.fail(self._formatMessage(
                    msg, describe_difference(first_lines, second_lines, "lines")))
        super().assertMultiLineEqual(first, second, msg)
