"""The program's log file: UTF-16 little-endian with a byte-order mark, one received
sentence per CR LF-terminated line."""

BOM = b"\xff\xfe"


class LogFormatError(AssertionError):
    pass


def read_log_text(path):
    """The whole log as text, after checking its mark and its even length."""
    with open(path, "rb") as log:
        data = log.read()
    if not data.startswith(BOM):
        raise LogFormatError(f"{path} does not start with the UTF-16LE mark FF FE: {data[:4]!r}")
    if len(data) % 2 != 0:
        raise LogFormatError(f"{path} has an odd length ({len(data)} bytes)")
    return data[2:].decode("utf-16-le")


def read_log_lines(path):
    """The logged sentences, each with the CR LF that ended it."""
    return read_log_text(path).splitlines(keepends=True)


def expected_log_bytes(sentences):
    """What a log holding these sentences (each ending in CR LF) must contain, byte for byte."""
    return BOM + "".join(sentences).encode("utf-16-le")
