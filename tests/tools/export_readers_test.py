#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Exports card files with the real program and reads the results back with
independent readers: the vCard export with vobject (which must parse every
card without error, validating) and with Evolution's EBookContacts, the CSV
export with Python's csv module. Both must give back every card's text (in
X-QUILLBOX-CARD and the Card column), and both vCard readers must find at
least 95 % of the cards' "Tel." numbers as TEL and 95 % of their address
blocks as ADR.

usage: export_readers_test.py QUILLBOX [SAMPLE.db]
"""
import csv
import io
import os
import re
import struct
import subprocess
import sys
import tempfile

import gi
import vobject

gi.require_version("EBookContacts", "1.2")
from gi.repository import EBookContacts  # noqa: E402


def records(data):
    """Card texts of a card file, as the program loads them."""
    texts, i = [], 0
    while i + 2 <= len(data):
        (length,) = struct.unpack_from("<h", data, i)
        i += 2
        if length <= 0:
            continue
        field = data[i:i + length]
        i += length
        texts.append(field.split(b"\0", 1)[0])
    return texts


def exported(text):
    """A card text as the exports give it: UTF-8, LF, no final line break."""
    s = text.decode("cp1252", errors="strict").replace("\r\n", "\n").replace("\r", "\n")
    return s[:-1] if s.endswith("\n") else s


def card_file(texts):
    return b"".join(struct.pack("<h", len(t) + 1) + t + b"\0" for t in texts)


# Texts that trouble writers: separators, escapes, quotes, long lines of
# two-byte characters that must fold between characters.
TRICKY = [
    b"Smith, John\r\n12 High St; Flat 3\r\nSpringfield\r\n",
    b"Back\\slash, \"quoted\"\r\n\r\nblank line above\r\n",
    "M\u00fcller, J\u00fcrgen\r\n".encode("cp1252") + "\u00e4\u00f6\u00fc\u20ac".encode("cp1252") * 60 + b"\r\n",
    b"Doe, Jane\r\njane@example.org\r\n+1 555 0100 22\r\n",
    b"\r\nNo title\r\n",
    b"a,b,\"c\"\r\n" + b"x" * 300 + b"\r\n",
]


TEL_LINE = re.compile(r"^Tel\. [+(0-9][-0-9 ().+/]*$")
POSTCODE = re.compile(r"\b\d{4,9}\b")


def address_block(text):
    """The lines after the name up to the first that holds a postal code,
    as a person would read them off the sample's cards."""
    lines = text.split("\n")[1:6]
    for i, line in enumerate(lines):
        if TEL_LINE.match(line) or "@" in line or ":" in line:
            return []
        if POSTCODE.search(line):
            return lines[:i + 1]
    return []


def run(quillbox, directory, *args):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    result = subprocess.run([quillbox, "--dir", directory, *args], env=env, capture_output=True)
    if result.returncode != 0:
        sys.exit(f"quillbox {' '.join(args)} failed: {result.stderr.decode()}")
    return result.stdout


def check(quillbox, db_bytes, label):
    expected = sorted(exported(t) for t in records(db_bytes))
    with tempfile.TemporaryDirectory() as d:
        with open(os.path.join(d, "quillbox.db"), "wb") as f:
            f.write(db_bytes)
        vcf = run(quillbox, d, "--export", "vcard", "-")
        table = run(quillbox, d, "--export", "csv", "-")

    for line in vcf.split(b"\r\n"):
        assert len(line) <= 75, f"{label}: a vCard line of {len(line)} octets"
    cards = list(vobject.readComponents(vcf.decode("utf-8"), validate=True))
    assert len(cards) == len(expected), f"{label}: {len(cards)} vCards for {len(expected)} cards"
    whole = sorted(c.contents["x-quillbox-card"][0].value for c in cards)
    assert whole == expected, f"{label}: X-QUILLBOX-CARD differs from the cards"
    for c in cards:
        card = c.contents["x-quillbox-card"][0].value
        assert card.split("\n")[0] == c.fn.value, f"{label}: FN {c.fn.value!r} is not the first line"
        assert c.version.value == "4.0"
        for note in c.contents.get("note", []):
            for line in note.value.split("\n"):
                assert not line.startswith("Tel. "), f"{label}: a number in NOTE: {line!r}"

    # What other programs see: numbers and addresses, by two readers.
    texts = [c.contents["x-quillbox-card"][0].value for c in cards]
    numbers = [[ln[5:].strip() for ln in t.split("\n") if TEL_LINE.match(ln)] for t in texts]
    blocks = [address_block(t) for t in texts]
    want_tel = sum(len(n) for n in numbers)
    want_adr = sum(1 for b in blocks if b)
    ebook = [EBookContacts.Contact.new_from_vcard(v + "END:VCARD\r\n")
             for v in vcf.decode("utf-8").split("END:VCARD\r\n") if v.strip()]
    for reader, phones_of, postcodes_of in (
            ("vobject", lambda i: [t.value for t in cards[i].contents.get("tel", [])],
             lambda i: [a.value.code for a in cards[i].contents.get("adr", [])]),
            ("EBookContacts", lambda i: [a.get_value() for a in ebook[i].get_attributes(EBookContacts.ContactField.TEL)],
             lambda i: [a.get_values()[5] for a in ebook[i].get_attributes(EBookContacts.ContactField.ADDRESS)
                        if len(a.get_values()) > 5])):
        tel = sum(sum(1 for n in numbers[i] if n in phones_of(i)) for i in range(len(cards)))
        adr = sum(1 for i, b in enumerate(blocks) if b and POSTCODE.search(b[-1]).group(0) in postcodes_of(i))
        print(f"{label}: {reader}: {tel} of {want_tel} Tel. lines as TEL, {adr} of {want_adr} address blocks as ADR")
        assert tel >= 0.95 * want_tel, f"{label}: {reader} found {tel} of {want_tel} numbers"
        assert adr >= 0.95 * want_adr, f"{label}: {reader} found {adr} of {want_adr} addresses"

    rows = list(csv.reader(io.StringIO(table.decode("utf-8"), newline="")))
    assert rows[0] == ["Title", "Card"], f"{label}: header {rows[0]!r}"
    assert sorted(r[1] for r in rows[1:]) == expected, f"{label}: CSV texts differ from the cards"
    for r in rows[1:]:
        assert len(r) == 2 and r[0] == r[1].split("\n")[0]
    print(f"{label}: {len(cards)} vCards parsed by vobject, {len(rows) - 1} CSV rows read back")


def main():
    quillbox = sys.argv[1]
    check(quillbox, card_file(TRICKY), "tricky cards")
    if len(sys.argv) > 2 and os.path.exists(sys.argv[2]):
        with open(sys.argv[2], "rb") as f:
            check(quillbox, f.read(), os.path.basename(sys.argv[2]))
    else:
        print("sample card file not found; checked the built-in cards only")


if __name__ == "__main__":
    main()
