"""What the program wrote to the simulated receiver, taken write by write: the bytes
each command must send, in order, and when each of them arrived."""

from waiting import wait_until

# Write times may stray this far from the command's table, after its first write.
TOLERANCE_MS = 30


def nmea(body):
    """'$' + body + '*' + checksum + CR LF, as a checksummed sentence goes on the wire."""
    checksum = 0
    for byte in body.encode("ascii"):
        checksum ^= byte
    return f"${body}*{checksum:02X}\r\n".encode("ascii")


def line(text):
    """A sentence sent as it stands, with CR LF."""
    return text.encode("ascii") + b"\r\n"


MON_VER_POLL = bytes.fromhex("B5620A0400000E34")
CFG_RST = bytes.fromhex("B56206040400FFB90200C88F")
RESET_A0A2 = bytes.fromhex("A0A2001980" + "00" * 22 + "0C3900C5B0B3")


class Wire:
    """A cursor over everything the receiver got from the program."""

    def __init__(self, receiver):
        self.receiver = receiver
        self.cursor = 0

    def _records(self):
        """(ms, offset of the record's first byte, bytes) of every read so far."""
        records, offset = [], 0
        for ms, data in self.receiver.received_records():
            records.append((ms, offset, data))
            offset += len(data)
        return records

    def total(self):
        return sum(len(data) for _, data in self.receiver.received_records())

    def take(self, writes, timeout=20):
        """Waits for the writes (a list of bytes) to arrive after everything taken so far,
        checks them byte for byte, and returns the arrival time (ms) of each."""
        needed = self.cursor + sum(len(write) for write in writes)
        wait_until(lambda: self.total() >= needed, timeout=timeout,
                   what=f"{needed - self.cursor} bytes from the program")
        records = self._records()
        got = b"".join(data for _, _, data in records)[self.cursor:needed]
        if got != b"".join(writes):
            raise AssertionError(f"the program wrote {got!r}, expected {b''.join(writes)!r}")
        times, start = [], self.cursor
        for write in writes:
            times.append(next(ms for ms, offset, data in records
                              if offset <= start < offset + len(data)))
            start += len(write)
        self.cursor = needed
        return times

    def rest(self):
        """Everything written after what was taken."""
        return b"".join(data for _, data in self.receiver.received_records())[self.cursor:]


def timing_errors(times, offsets):
    """Where the arrival times stray from the table's offsets (ms after the first write)
    by more than the tolerance, as readable lines."""
    errors = []
    for index, (ms, offset) in enumerate(zip(times, offsets)):
        late = (ms - times[0]) - offset
        if abs(late) > TOLERANCE_MS:
            errors.append(f"write {index} at +{ms - times[0]} ms, expected +{offset} ms")
    return errors
