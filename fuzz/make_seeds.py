#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the seed corpora of the fuzz targets (fuzz/corpus/<target>/): small hand-made inputs in
each target's input layout, and the INI files of tests/data. Run it again after changing a
target's layout; libFuzzer grows its own working corpus from these."""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def frame(category, kind, payload):
    return struct.pack("<BBH", category, kind, len(payload)) + payload


def traffic(channel, byte, text):
    return bytes([channel & 0xFF, byte, 0]) + text


def piece(b):
    return bytes([len(b)]) + b


def dispatch():
    login = (frame(0, 0, bytes([4, 5, 6, 7, 9])) + frame(4, 0, b"3") +
             frame(8, 0, b"05 Q1ABC 10:00 00:05 3 -2 fwd") + frame(8, 0, b"<07 Q2XYZ a b 1 2 low") +
             frame(8, 0, b"!05") + frame(1, 0, b"2 5 40") + frame(2, 0, b"20000 1500 1999 7"))
    write("dispatch", "login", bytes([0xFF]) + login)
    write("dispatch", "traffic", bytes([0xC3]) + frame(16, 0, traffic(0, 4, b"monitor line\n")) +
          frame(32, 0, traffic(0, 0, b"console text\n")) + frame(64, 0, traffic(3, 1, b"ch3\n")) +
          frame(64, 0, traffic(3, 2, b"all only\n")) + frame(32, 0, traffic(0, 0, b"x" * 27)))
    fetched = (frame(0, 2, b"dir/sub/file.txt\x0012") + frame(0, 2, b"hello ") +
               frame(0, 3, b"world!") + frame(0, 8, b""))
    write("dispatch", "fetched_file", bytes([0]) + fetched)
    write("dispatch", "named_receptions", bytes([0x04]) +
          frame(0, 1, b"x\x005") + frame(0, 1, b"a.txt") + frame(0, 1, b"") +
          frame(0, 4, b"forward.txt\x0020") + frame(0, 4, b"Q1ABC 2 3\n") + frame(0, 4, b"") +
          frame(0, 6, b"LIST\x000") + frame(0, 7, b"m\x004") + frame(0, 7, b"1 2\n") +
          frame(0, 7, b""))
    write("dispatch", "records_open", bytes([0x30]) + frame(0, 6, b"1 Q1ABC\n2 Name\n") +
          frame(0, 7, b"") + frame(0, 9, b"Options\nA 1 Alpha\nB 0 Beta\n") +
          frame(0, 10, b"1 5") + frame(0, 10, b"1 2"))
    write("dispatch", "notices", bytes([0x41]) + frame(128, 0, b"\x01") + frame(128, 0, b"\x04123") +
          frame(128, 0, b"\x03") + frame(128, 0, b"\x02") + frame(128, 0, b"\x00") +
          frame(200, 1, b"ignored"))
    write("dispatch", "size_zero", bytes([0]) + frame(0, 2, b"a\x000") + frame(0, 2, b"b\x00-3") +
          frame(0, 2, b"data") + frame(0, 2, b""))
    write("dispatch", "oversize", bytes([0]) + frame(8, 0, b"01 A") + struct.pack("<BBH", 0, 2, 1021))


def station_lines():
    ops = b""
    for line in [b"05 Q1ABC 10:00 00:05 3 -2 fwd", b"<07 Q2XYZ a b 1 2 low", b">12 Q3 s t 4 5 c",
                 b"12", b"!07", b"99 LAST x y 1 1 z", b"100 OUT", b"-1 NEG", b"#03 ODD"]:
        ops += b"\x00" + piece(line)
    ops += b"\x02\x00" + b"\x03\x01" + b"\x05\x05" + b"\x04\x05\x01" + piece(b"text") + b"\x05\xff"
    write("station_lines", "lines", ops)


def counters():
    for i, payload in enumerate([b"2 5 40", b"0 0 40", b"1", b"", b"-5 99999999999 3"]):
        write("counters", "messages_%d" % i, b"\x00" + payload)
    for i, payload in enumerate([b"20000 1500 1999 7", b"512 10240 2000 0", b"-1 -2 -3",
                                 b"2147483647 2147483647 10239"]):
        write("counters", "status_%d" % i, b"\x01" + payload)
    write("counters", "count", b"\x0212 stations")
    write("counters", "scale", b"\x03" + struct.pack("<qB", 20480, 1))


def pactor():
    ops = b"".join(b"\x01" + piece(r) for r in [b"1 0", b"1 2", b"1 1", b"7 5", b"x 1", b"2"])
    write("pactor", "reports", ops + b"\x00" + b"\x01" + piece(b"9 2"))


def options():
    lst = b"Server options\nA 1 Alpha\nB 0 Beta\r\nz 1 lower\n[ 1 bracket\nC 5\nD x y\n"
    write("options", "lists", b"\x00" + b"\x02" + struct.pack("<H", len(lst)) + lst +
          b"\x01" + b"\x00" + b"\x02" + struct.pack("<H", 14) + b"T\nA 0 Alpha\n\n")


def ini():
    data = os.path.join(ROOT, "tests", "data", "ini")
    for name in sorted(os.listdir(data)):
        with open(os.path.join(data, name), "rb") as f:
            contents = f.read()
        write("ini", name, b"\x00" + piece(b"Remote 0") + piece(b"Name") + piece(b"Home BBS") +
              contents)
        write("ini", "quoted_" + name, b"\x01" + piece(b"Settings") + piece(b"SignatureText") +
              piece(b'  "two\\rlines" ') + contents)


def text_ring():
    ops = (b"\x00\x00\x00" + piece(b"abc\n") + b"\x01\x04\x04" + piece(b"x" * 80 + b"\n") +
           b"\x00\x02" + piece(b"mid\rline") + b"\x00\x07" + piece(b"\x82\x8a\xe9 word_1 end\n") +
           b"\x09\x10\x00\x90\x00\x00" + b"\x0a" + b"\x0b" + b"\x03\x01" + b"\x04\xfb" +
           b"\x06\x20\x00\x30\x00\x00" + b"\x07\x40\x01\x60\x00\x01" + b"\x0b" + b"\x08" +
           b"\x02\x4f\x41\xc8" + b"\x05\x10\x00" + b"\x0d\x0f\x08\x80\x02\x00\x01" + b"\x0c")
    write("text_ring", "session", b"\x08" + ops)


def text_scan():
    for i, text in enumerate([b"  -123abc", b"+5", b"99999999999999999999", b"\t\v\f 7", b"-",
                              b"1 2 3 4 5 6 7 8 9 10 11 12 13", b"5-3+2"]):
        write("text_scan", "scan_%d" % i, bytes([i % 2]) + text)
    write("text_scan", "pair", b"\x02" + struct.pack("<ii", -5, 12))
    write("text_scan", "charset", b"\x03" + bytes(range(256)))


def records():
    message = (b"1 P\n2 N\n3 x\n4 1234\n5 1700000045\n7 DB0AAA\n8 Q1ABC\n9 ALL\n10 123_Q1ABC\n"
               b"11 Caf\x82 meeting\n12 1\n15 1700003600\n99 ignored\n")
    write("records", "message", b"\x00" + piece(b"1234") + message)
    write("records", "message_dos_long", b"\x80" + piece(b"12345678901234567890") + message * 4)
    user = (b"1 Q1ABC-5\n14 4095\n17 3\n22 J\x94rg\n27 DB0AAA\n29 /home/q1abc\n31 secret\n"
            b"32 12345\n")
    write("records", "user", b"\x01" + piece(b"Q1ABC") + user)
    write("records", "keys", b"\x02" + piece(b"") + b"Q1ABC\nq0qqq\n1 ALPHA\n2 beta x\n\n10\n9\n")
    write("records", "callsign", b"\x03" + piece(b"Q1ABC") + b"q1abc-5")
    write("records", "date", b"\x04" + struct.pack("<iB", 26562500, 5) + b"05-03-2001 14:07")


def admin_lists():
    write("admin_lists", "forward", b"\x00" + b"1 DB0AAA 2 3 14K\n0 DB0BBB 0 1 2K\nbad line\n" +
          b"2 " + b"N" * 90 + b" 1 1 1K\n")
    write("admin_lists", "listing", b"\x01" + b"d 0 mail Jan-05-2001\n- 1234 readme.txt Dec-31-1999\n"
          b"- 99 bad\n-  \nd 0 sub feb-29-10:30\n")
    write("admin_lists", "date", b"\x02" + b"Mar-07-14:22")
    write("admin_lists", "browse", b"\x03" + b"\x00d" + piece(b"mail") + b"\x01" + b"\x00d" +
          piece(b"sub") + b"\x01\x03\x00-" + piece(b"file.txt") + b"\x01\x02\x02\x02")


def message_format():
    text = b"Hello,\r\nthis is a message whose first line is long enough to be broken at its last blank.\r\n\r\n73"
    write("message_format", "quote", b"\x30" + piece(b"\r\n73 de Q1ABC\r\n") + text)
    write("message_format", "break", b"\x11" + text + b"\n" + b"x" * 200)
    write("message_format", "justify", b"\x02" + b"  a few words to spread")
    write("message_format", "dump", b"\x03" + bytes(range(40)))
    write("message_format", "signature", b"\x04" + b"73 de Q1ABC\r\n  Home BBS\nback\\slash")


def login():
    head = struct.pack("<I", 140) + piece(b"Q0QQQ") + piece(b"7305")
    write("login", "challenge", head + b"  1234567890 welcome\r\n")
    write("login", "nul", head + b"abc\x00def")
    write("login", "empty", head + b" \t\r\n")


def alerts():
    # Flags: stations, chosen, traffic words, console expression; then the three pieces.
    head = bytes([0x01 | 0x02 | 0x04 | 0x20 | 0x40]) + piece(b"QST, new bulletin") + \
        piece(b"new mail for (SYSOP|Q0QQQ)") + piece(b"Q5MV, Q3CN-2")
    tick = b"\x04\xa8\x61\x05"  # 25 s on, then the tick
    write("alerts", "traffic", head + b"\x01" + piece(b"QST de Q4BBS\r\nQS") + b"\x01" +
          piece(b"T again\n") + b"\x03\x04" + piece(b"new bulletin\n") + tick + tick)
    write("alerts", "stations", head + b"\x06" + b"\x00" + piece(b"05 Q5MV-3 10:00 00:05 3 -2 fwd") +
          b"\x04\xff\x7f" + b"\x00" + piece(b"07 Q3CN-2 10:01 00:01 1 0 in") +
          b"\x00" + piece(b"07 Q9ZZZ 10:01 00:01 1 0 in") + tick)
    write("alerts", "console", head + b"\x02" + piece(b"New mail for SYSOP\n") + b"\x07\x00" +
          b"\x02" + piece(b"new mail for \x8e\n" * 3) + tick)


for make in [dispatch, station_lines, counters, pactor, options, ini, text_ring, text_scan, records,
             admin_lists, message_format, login, alerts]:
    make()
print("seed corpora written under", os.path.join(HERE, "corpus"), file=sys.stderr)
