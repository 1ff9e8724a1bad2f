"""RTC_time.ini as the tool writes it: one line with the PC's local time, CR LF."""
import re
from datetime import datetime

_LINE = re.compile(rb"RTC Time Setting=(\d{14})\r\n")


def parse(data):
    """The local time the file carries, or None when it is not exactly one well-formed line."""
    match = _LINE.fullmatch(data)
    if not match:
        return None
    return datetime.strptime(match.group(1).decode(), "%Y%m%d%H%M%S")
