#!/usr/bin/env python3
"""Holds every row of the two built-in operator tables against public access-point lists.

   tools/operator-data.py APN-LIST.xml...
   tools/operator-data.py --skip-missing APN-LIST.xml...   exits 77 if a list is not there

The lists are Android's access-point lists (apns-conf.xml), such as LineageOS's and AOSP's. The
tables are read from their source, src/mms/mms_operator_table.cpp and
src/smtp/gprs_operator_table.cpp; the network of each row (country and network codes, and where
brands share a network code, the carrier name) from the file beside each table,
mms_operator_networks.txt and gprs_operator_networks.txt. An MMS row is held against its
network's entries that carry MMS (centre, access point, MMS proxy and port, user, password), a
GPRS row against those of the data connection (access point, user, password).

A row holds if one entry holds all its values. A row that none holds, or whose network has no
entry in the lists, must have a note in its table's data notes: a line
"- Country / Operator: FIELDS: reason" in the comment above the table, FIELDS naming the values
that the row keeps by judgement ("network" where the lists have no entry of its network). Such a
row must still agree with one entry of its network in every value its note does not name.

Prints one line a row and, last, one line a table with the counts. Exits 1 if a row differs
without a note, a note explains nothing or names no row, or a row has no network given; 2 if a
list or a table cannot be read; 0 otherwise.
"""
import argparse
import re
import sys
import urllib.parse
import xml.etree.ElementTree as ElementTree
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SKIPPED = 77


class Table:
    def __init__(self, kind, source, networks, fields, attributes, types):
        self.kind = kind
        self.source = ROOT / source
        self.networks = self.source.parent / networks
        self.fields = fields
        # The list entry's attribute for each field, in the same order.
        self.attributes = attributes
        # The entry types that carry this table's values; an entry without a type carries all.
        self.types = types


TABLES = [
    Table(
        "mms",
        "src/mms/mms_operator_table.cpp",
        "mms_operator_networks.txt",
        ["url", "apn", "gateway", "port", "account", "password"],
        ["mmsc", "apn", "mmsproxy", "mmsport", "user", "password"],
        {"mms", "*"},
    ),
    Table(
        "gprs",
        "src/smtp/gprs_operator_table.cpp",
        "gprs_operator_networks.txt",
        ["apn", "account", "password"],
        ["apn", "user", "password"],
        {"default", "*"},
    ),
]


class DataError(Exception):
    pass


# The table's source.

TOKEN = re.compile(
    r'\s+|//[^\n]*|/\*.*?\*/|"((?:[^"\\\n]|\\.)*)"|(-?\d+)|([{},])', re.DOTALL
)
ESCAPES = {"n": "\n", "t": "\t", "\\": "\\", '"': '"', "'": "'", "0": "\0", "?": "?"}


def unescape(literal):
    return re.sub(r"\\(.)", lambda m: ESCAPES.get(m.group(1), m.group(1)), literal)


def parse_aggregate(text, at):
    """The brace initialiser that starts at text[at] as nested lists of strings and numbers."""
    stack = [[]]
    pending_string = None
    while at < len(text):
        match = TOKEN.match(text, at)
        if match is None:
            raise DataError(f"cannot read the initialiser at: {text[at:at + 40]!r}")
        at = match.end()
        literal, number, punctuation = match.groups()
        if literal is not None:
            # Adjacent literals are one string.
            pending_string = (pending_string or "") + unescape(literal)
            continue
        if pending_string is not None and (number is not None or punctuation is not None):
            stack[-1].append(pending_string)
            pending_string = None
        if number is not None:
            stack[-1].append(int(number))
        elif punctuation == "{":
            stack.append([])
        elif punctuation == "}":
            done = stack.pop()
            stack[-1].append(done)
            if len(stack) == 1:
                return stack[0][0]
    raise DataError("the initialiser does not end")


def read_table(table):
    """The rows in use as (country, operator, values), and the notes, from the table's source."""
    text = table.source.read_text(encoding="utf-8")
    start = re.search(r"OperatorTable\[\w+\]\s*=\s*\{", text)
    if start is None:
        raise DataError(f"{table.source}: no table found")
    rows = []
    for block in parse_aggregate(text, start.end() - 1):
        if len(block) != 3 or not isinstance(block[1], int):
            raise DataError(f"{table.source}: a country is not name, count, rows: {block!r}")
        country, count, operators = block
        for row in operators[:count]:
            if len(row) != len(table.fields) + 1:
                raise DataError(f"{table.source}: {country}: a row has not its fields: {row!r}")
            rows.append((country, row[0], tuple(row[1:])))
    return rows, read_notes(table, text[: start.start()])


NOTE = re.compile(r"- (.+?) / (.+?): ([a-z ,]+): (.+)")


def read_notes(table, comment):
    """The data notes' known differences: {(country, operator): (fields, reason)}."""
    notes = {}
    lines = [line.strip()[2:] for line in comment.splitlines() if line.strip().startswith("//")]
    for i, line in enumerate(lines):
        body = line.strip()
        if not body.startswith("- "):
            continue
        match = NOTE.fullmatch(body)
        if match is None:
            raise DataError(f"{table.source}: not '- Country / Operator: FIELDS: reason': {body}")
        country, operator, fields, reason = match.groups()
        # The reason goes on in the lines indented under it.
        for more in lines[i + 1 :]:
            if not more.startswith("     ") or more.strip().startswith("- "):
                break
            reason += " " + more.strip()
        fields = [field for field in re.split(r"[ ,]+", fields) if field]
        unknown = [f for f in fields if f not in table.fields and f != "network"]
        if unknown:
            raise DataError(f"{table.source}: {country} / {operator}: no field {unknown[0]}")
        if (country, operator) in notes:
            raise DataError(f"{table.source}: {country} / {operator}: noted twice")
        notes[(country, operator)] = (set(fields), reason)
    return notes


# The rows' networks.

CODE = r"\d{3}-(?:\d{2,3}|\*)"
NETWORK = re.compile(rf"(.+?) / (.+?): (none|{CODE}(?: {CODE})*)(?: \[(.+)\])?")


def read_networks(table):
    """{(country, operator): (codes, carrier pattern or None)}; codes empty for no network."""
    networks = {}
    for number, line in enumerate(table.networks.read_text(encoding="utf-8").splitlines(), 1):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        match = NETWORK.fullmatch(line)
        if match is None:
            raise DataError(f"{table.networks}:{number}: not 'Country / Operator: MCC-MNC...'")
        country, operator, codes, carrier = match.groups()
        if (country, operator) in networks:
            raise DataError(f"{table.networks}:{number}: {country} / {operator} given twice")
        codes = [] if codes == "none" else [tuple(code.split("-")) for code in codes.split()]
        networks[(country, operator)] = (codes, re.compile(carrier, re.I) if carrier else None)
    return networks


# The public lists.


class Entry:
    def __init__(self, source, attributes):
        self.source = source
        self.carrier = attributes.get("carrier", "")
        self.code = (attributes.get("mcc", ""), attributes.get("mnc", ""))
        self.types = {t.strip() for t in attributes.get("type", "*").split(",")}
        self.mvno = "mvno_type" in attributes
        self.attributes = attributes


def read_lists(paths):
    entries = {}
    for path in paths:
        name = Path(path).name
        for element in ElementTree.parse(path).getroot().iter("apn"):
            entry = Entry(name, element.attrib)
            entries.setdefault(entry.code[0], []).append(entry)
    return entries


def entries_of(table, network, entries):
    codes, carrier = network
    found = []
    for mcc, mnc in codes:
        for entry in entries.get(mcc, []):
            if mnc not in ("*", entry.code[1]) or not entry.types & table.types:
                continue
            # Without a carrier name the network is its own operator's: a brand on it counts
            # only where the row names it.
            if carrier.search(entry.carrier) if carrier else not entry.mvno:
                found.append(entry)
    return found


# Comparing values.


def dotted_quad(text):
    """The numbers of a dotted-decimal address, leading zeros or not; None for anything else."""
    if not re.fullmatch(r"\d{1,3}(?:\.\d{1,3}){3}", text):
        return None
    numbers = [int(part) for part in text.split(".")]
    return numbers if max(numbers) <= 255 else None


def same_url(ours, theirs):
    a, b = urllib.parse.urlsplit(ours), urllib.parse.urlsplit(theirs)
    if not a.netloc or not b.netloc:
        return ours == theirs
    return (a.scheme.lower(), a.netloc.lower(), a.path or "/", a.query) == (
        b.scheme.lower(),
        b.netloc.lower(),
        b.path or "/",
        b.query,
    )


def same(field, ours, theirs):
    """Whether a table value and a list value are the same setting."""
    if field in ("account", "password"):
        # The lists give "*" for a user or password the network does not check.
        return ours == ("" if theirs == "*" else theirs)
    if field == "url":
        return same_url(ours, theirs)
    if field == "apn":
        return ours.lower() == theirs.lower()
    if field == "gateway":
        if dotted_quad(ours) and dotted_quad(theirs):
            return dotted_quad(ours) == dotted_quad(theirs)
        return ours.lower() == theirs.lower()
    if field == "port" and ours.isdigit() and theirs.isdigit():
        return int(ours) == int(theirs)
    return ours == theirs


def values_of(table, entry):
    return tuple(entry.attributes.get(attribute, "") or "" for attribute in table.attributes)


def differing(table, values, entry):
    theirs = values_of(table, entry)
    return {f for f, a, b in zip(table.fields, values, theirs) if not same(f, a, b)}


def shown(values):
    return " | ".join(values)


def judge(table, values, public, note):
    """What the lists say of one row: (outcome, text), the outcome "holds", "noted" or "fails"."""
    fields, reason = note or (set(), "")
    if not public:
        if "network" in fields:
            return "noted", f"no network in the lists, noted: {reason}"
        return "fails", "no entry of its network in the lists, and no note says so"
    if "network" in fields:
        return "fails", "noted as without network, but the lists have entries of it"
    ranked = sorted(public, key=lambda entry: len(differing(table, values, entry)))
    best = differing(table, values, ranked[0])
    if not best:
        if note:
            return "fails", f"holds, so its note explains nothing: {reason}"
        entry = ranked[0]
        return "holds", f'holds ({entry.source}: "{entry.carrier}" {"-".join(entry.code)})'
    nearest = " ; ".join(list(dict.fromkeys(shown(values_of(table, e)) for e in ranked))[:3])
    difference = f"{shown(values)}  (public: {nearest})"
    if note and any(differing(table, values, entry) <= fields for entry in public):
        return "noted", f"differs, noted ({', '.join(sorted(fields))}): {difference}"
    return "fails", f"differs in {', '.join(f for f in table.fields if f in best)}: {difference}"


def check(table, entries):
    """Prints a line for every row and one with the counts; gives the number of failures."""
    rows, notes = read_table(table)
    networks = read_networks(table)
    counts = {"holds": 0, "noted": 0, "fails": 0}
    without_network = 0
    for country, operator, values in rows:
        note = notes.pop((country, operator), None)
        network = networks.pop((country, operator), None)
        if network is None:
            outcome, text = "fails", f"no network given in {table.networks.name}"
        else:
            public = entries_of(table, network, entries)
            without_network += not public
            outcome, text = judge(table, values, public, note)
        counts[outcome] += 1
        mark = "FAILS: " if outcome == "fails" else ""
        print(f"{table.kind}: {country} / {operator}: {mark}{text}")
    for country, operator in list(notes) + list(networks):
        print(f"{table.kind}: {country} / {operator}: FAILS: noted or given a network, but no row")
        counts["fails"] += 1
    print(
        f"{table.kind}: {len(rows)} rows: {counts['holds']} hold a public entry's values, "
        f"{counts['noted']} differ as their notes say, {counts['fails']} fail; "
        f"{without_network} have no entry of their network in the lists"
    )
    return counts["fails"]


def main():
    parser = argparse.ArgumentParser(
        description="Holds the built-in operator tables against public access-point lists."
    )
    parser.add_argument("lists", nargs="+", metavar="APN-LIST.xml")
    parser.add_argument(
        "--skip-missing",
        action="store_true",
        help=f"exit {SKIPPED}, saying so, if a list is not there",
    )
    arguments = parser.parse_args()
    missing = [path for path in arguments.lists if not Path(path).is_file()]
    if missing:
        # As GoogleTest says it, so that tools/test.sh counts it with the others.
        print(f"operator-data: Skipped\nno public list of access points at {', '.join(missing)}")
        return SKIPPED if arguments.skip_missing else 2
    try:
        entries = read_lists(arguments.lists)
        failures = sum(check(table, entries) for table in TABLES)
    except (DataError, OSError, ElementTree.ParseError, re.error) as error:
        print(f"operator-data: {error}", file=sys.stderr)
        return 2
    print(f"operator-data: {failures} rows or notes fail" if failures else "operator-data: ok")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
