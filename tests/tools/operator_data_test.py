#!/usr/bin/env python3
"""The operator-data report's judgement of a row, on entries made here, and its reading of the
real tables and their notes."""
import importlib.util
import subprocess
import sys
import unittest
from pathlib import Path

SCRIPT = Path(__file__).resolve().parents[2] / "tools" / "operator-data.py"
spec = importlib.util.spec_from_file_location("operator_data", SCRIPT)
report = importlib.util.module_from_spec(spec)
spec.loader.exec_module(report)
MMS, GPRS = report.TABLES

OPTUS = ("http://mmsc.optus.com.au:8002/", "mms", "61.88.190.10", "8070", "", "")


def entry(**attributes):
    attributes.setdefault("type", "mms")
    defaults = {"carrier": "Optus MMS", "mcc": "505", "mnc": "02"}
    return report.Entry("list.xml", {**defaults, **attributes})


def optus(**changes):
    values = dict(mmsc=OPTUS[0], apn=OPTUS[1], mmsproxy=OPTUS[2], mmsport=OPTUS[3])
    return entry(**{**values, **changes})


class Judgement(unittest.TestCase):
    def test_the_same_setting_written_another_way_holds(self):
        written_otherwise = optus(
            mmsc="HTTP://MMSC.Optus.com.au:8002", apn="MMS", mmsproxy="061.88.190.010", user="*"
        )
        self.assertEqual(report.judge(MMS, OPTUS, [written_otherwise], None)[0], "holds")

    def test_a_difference_fails_unless_a_note_names_its_value(self):
        other_proxy = optus(mmsproxy="mms-proxy.example")
        outcome, text = report.judge(MMS, OPTUS, [other_proxy], None)
        self.assertEqual(outcome, "fails")
        self.assertIn("differs in gateway", text)
        self.assertEqual(report.judge(MMS, OPTUS, [other_proxy], ({"gateway"}, "r"))[0], "noted")
        self.assertEqual(report.judge(MMS, OPTUS, [other_proxy], ({"port"}, "r"))[0], "fails")

    def test_a_note_covers_only_values_that_one_entry_agrees_with_otherwise(self):
        apart = [optus(apn="other"), optus(mmsproxy="10.0.0.1")]
        self.assertEqual(report.judge(MMS, OPTUS, apart, ({"apn"}, "r"))[0], "noted")
        both = [optus(apn="other", mmsproxy="10.0.0.1")]
        self.assertEqual(report.judge(MMS, OPTUS, both, ({"apn"}, "r"))[0], "fails")

    def test_a_note_of_a_row_that_holds_or_of_a_network_the_lists_have_fails(self):
        self.assertEqual(report.judge(MMS, OPTUS, [optus()], ({"apn"}, "r"))[0], "fails")
        self.assertEqual(report.judge(MMS, OPTUS, [optus()], ({"network"}, "r"))[0], "fails")
        self.assertEqual(report.judge(MMS, OPTUS, [], ({"network"}, "r"))[0], "noted")
        self.assertEqual(report.judge(MMS, OPTUS, [], None)[0], "fails")

    def test_only_entries_of_the_tables_type_and_brand_count(self):
        network = ([("505", "02")], None)
        entries = {
            "505": [optus(type="default,supl"), optus(carrier="Virgin", mvno_type="spn"), optus()]
        }
        self.assertEqual(report.entries_of(MMS, network, entries), [entries["505"][2]])
        virgin = ([("505", "*")], report.re.compile("virgin", report.re.I))
        self.assertEqual(report.entries_of(MMS, virgin, entries), [entries["505"][1]])


class Sources(unittest.TestCase):
    def test_the_tables_and_their_notes_are_read_from_the_source(self):
        mms_rows, mms_notes = report.read_table(MMS)
        gprs_rows, gprs_notes = report.read_table(GPRS)
        self.assertEqual((len(mms_rows), len(gprs_rows)), (114, 102))
        self.assertEqual(mms_rows[0], ("Australia", "Optus", OPTUS))
        self.assertEqual(gprs_rows[-1], ("United States", "AT&T", ("phone", "", "")))
        fields, reason = mms_notes[("Canada", "Fido")]
        self.assertEqual(fields, {"gateway"})
        self.assertTrue(reason.endswith("earlier published settings."), reason)
        self.assertEqual(gprs_notes[("India", "BPL")][0], {"account", "password"})
        for table, rows in ((MMS, mms_rows), (GPRS, gprs_rows)):
            self.assertEqual(set(report.read_networks(table)), {row[:2] for row in rows})

    def test_a_missing_list_skips_saying_so(self):
        run = subprocess.run(
            [sys.executable, SCRIPT, "--skip-missing", "no-such-list.xml"],
            capture_output=True,
            text=True,
        )
        self.assertEqual(run.returncode, report.SKIPPED)
        self.assertIn("Skipped\nno public list of access points at no-such-list.xml", run.stdout)


if __name__ == "__main__":
    unittest.main()
