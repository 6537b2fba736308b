#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the demo BBS's records: messages.txt, users.txt, choices.txt and forward.txt.

Each record file holds blocks: a "[key]" line, then the record's field lines ("number value")
exactly as the BBS sends them. Texts are bytes in the DOS code page (437), as the BBS keeps
them. Run it from this folder; the output is the same every time (fixed seed).
"""
import random

rng = random.Random(11)

SEED_USERS = [
    ("Q0QQQ", "Sysop", 2 | 8, 2),
    ("Q1ABC", "Anna", 0, 1),
    ("Q2XYZ", "Bert", 8, 1),
    ("Q3DEF", "Carla", 1, 0),
    ("Q4BBS", "Relay BBS", 16 | 2048, 3),
]
FIRST_NAMES = ["Alex", "Berta", "Claus", "Dora", "Emil", "Frieda", "Gustav", "Hanna", "Ida",
               "J\x81rgen", "Karl", "Lena", "Marco", "Nina", "Otto", "Paula", "Ren\x82",
               "Sabine", "Theo", "Ute", "Viktor", "Wanda", "Xaver", "Yvonne", "Zoe",
               "Andr\x82", "Bj\x94rn", "Carmen", "Dieter", "Elke", "Fran\x87ois", "Gabi",
               "Heinz", "Inge", "Jan", "Kathrin", "Lutz", "Maria", "Nils", "Olga", "Peter",
               "Rita", "Stefan", "Tanja", "Uwe"]
FLAG_SETS = [0, 4, 32 | 4, 256, 1024 | 4, 64, 128 | 4, 2048 | 16, 512, 1, 4096 | 256,
             8192 | 4, 2 | 8 | 256, 32 | 1024, 65536 | 128]


def user_blocks():
    users = list(SEED_USERS)
    used = {u[0] for u in users}
    while len(users) < 50:
        call = "Q%d%s" % (rng.randrange(10), "".join(
            rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ") for _ in range(rng.choice((2, 3, 3)))))
        if call in used:
            continue
        used.add(call)
        name = FIRST_NAMES[len(users) - len(SEED_USERS)]
        users.append((call, name, rng.choice(FLAG_SETS), rng.randrange(4)))
    out = []
    for call, name, flags, choice in users:
        home = "Q4BBS" if flags & 16 == 0 else "Q%dBBS" % rng.randrange(5, 9)
        out.append(["[%s]" % call, "1 %s" % call, "14 %d" % flags, "17 %d" % choice,
                    "22 %s" % name, "27 %s" % home, "29 /usr/%s" % call.lower(),
                    "31 %s" % ("" if rng.random() < 0.3 else "pw%04d" % rng.randrange(10000)),
                    "32 %05d" % rng.randrange(1000, 99999)])
    return out


SEED_MESSAGES = [
    (4711, "P", "N", "Q1ABC", "Q0QQQ", "Meeting on Saturday"),
    (4712, "B", "$", "Q2XYZ", "ALL", "Antenna for sale"),
    (4713, "B", "F", "Q3DEF", "PACKET", "Node outage tonight"),
    (4714, "P", "Y", "Q0QQQ", "Q1ABC", "Re: Meeting on Saturday"),
]
TOPICS = ["Antenna", "Node", "Digipeater", "Contest", "Field day", "Net", "Beacon",
          "Software", "Modem", "Pactor", "Satellite", "Repeater", "Caf\x82 meeting",
          "Club evening", "Weather", "Propagation", "QSL cards", "Solar panel"]
WHAT = ["for sale", "wanted", "report", "news", "results", "schedule", "help needed",
        "update", "question", "tonight", "this weekend", "changes"]
BULLETIN_TO = ["ALL", "PACKET", "SALE", "WX", "DX", "AMSAT", "HELP", "CLUB"]
STATUSES = "$NYFXKA"


def message_blocks(calls):
    messages = list(SEED_MESSAGES)
    number = 4715
    while len(messages) < 320:
        kind = rng.choice("PPBBBBTA")
        sender = rng.choice(calls)
        if kind == "P":
            to = rng.choice(calls)
        elif kind == "T":
            to = "%05d@NTS" % rng.randrange(10000, 99999)
        else:
            to = rng.choice(BULLETIN_TO)
        title = "%s %s" % (rng.choice(TOPICS), rng.choice(WHAT))
        if rng.random() < 0.15:
            title = "Re: " + title
        messages.append((number, kind, rng.choice(STATUSES), sender, to, title))
        number += rng.choice((1, 1, 1, 2, 5))
    out = []
    for number, kind, status, sender, to, title in messages:
        sent = 983790000 + (number - 4700) * 3607
        received = sent + rng.randrange(60, 7200)
        if number <= 4714:  # the records the peer always had
            received, sent = 983800000 + number, 983790000 + number
        size = rng.randrange(200, 9000)
        out.append(["[%d]" % number, "1 %s" % kind, "2 %s" % status, "3 0",
                    "4 %d" % size, "5 %d" % received, "6 %d" % rng.choice((30, 60, 90)),
                    "7 Q4BBS", "8 %s" % sender, "9 %s" % to, "10 %d_Q4BBS" % number,
                    "11 %s" % title, "12 %d" % (1 if rng.random() < 0.05 else 0),
                    "15 %d" % sent])
    return out


def write(name, header, blocks):
    with open(name, "wb") as f:
        f.write(header.encode("latin-1"))
        for block in blocks:
            f.write(("\n".join(block) + "\n\n").encode("latin-1"))


users = user_blocks()
write("users.txt", "# User records of the demo BBS: [callsign], then field lines.\n\n", users)
calls = [b[0][1:-1] for b in users]
write("messages.txt", "# Message records of the demo BBS: [number], then field lines.\n\n",
      message_blocks(calls))
with open("choices.txt", "w") as f:
    f.write("# The numbered choices of field 17: value, then its text.\n")
    f.write("0 USER\n1 MEMBER\n2 SYSOP\n3 BBS\n4 GUEST\n5 CLUB\n")
with open("forward.txt", "w") as f:
    f.write("# Pending forwards: partner, first count, second count, kilobytes.\n")
    for name, first, second, kb in [("Q4BBS", 3, 0, 12), ("Q5BBS", 0, 2, 4), ("Q6BBS", 0, 0, 0),
                                    ("Q7BBS", 12, 4, 88), ("Q8BBS", 0, 7, 31), ("Q9BBS", 0, 0, 0),
                                    ("Q2NOD", 1, 0, 2), ("Q3GATE", 0, 1, 1), ("Q5DX", 0, 0, 0),
                                    ("Q6WX", 5, 5, 40), ("Q7AMS", 0, 3, 9), ("Q8CLUB", 0, 0, 0)]:
        f.write("%s %d %d %d\n" % (name, first, second, kb))
