"""Recordings as sentences, and where a run of them shows up again."""


def read_sentences(path):
    """The recording's lines, each with the CR LF (or LF) that ended it."""
    with open(path, "rb") as recording:
        return recording.read().decode("ascii").splitlines(keepends=True)


def find_run(shown, sentences):
    """Index of the first place where `shown` occurs as consecutive sentences, or -1.

    Sentences repeat (an empty GLL in every epoch without a fix), so the position of the
    first shown line alone says nothing."""
    for start in range(len(sentences) - len(shown) + 1):
        if sentences[start:start + len(shown)] == shown:
            return start
    return -1
