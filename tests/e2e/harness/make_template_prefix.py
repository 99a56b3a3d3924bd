"""Makes the template Wine prefix that every scenario copies (a CTest fixture).

    python3 make_template_prefix.py PATH
"""

import sys
import time

import wine_prefix


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    started = time.monotonic()
    wine_prefix.make_template(sys.argv[1])
    print(f"template prefix made in {time.monotonic() - started:.1f} s: {sys.argv[1]}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
