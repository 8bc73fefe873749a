#!/usr/bin/env python3
"""Writes the walk index page of this folder as the owner's HTML editor saves it: UTF-8 without
byte-order mark, CR LF, one table row per walk report (number, linked title, centred mark,
date). Run it from anywhere; it rewrites the file beside itself."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))

# (walk number, title, date text). The dates sit around 15 March and 29 February of the years
# before 2024; some are partial, empty or written in the ROC era.
WALKS = [
    (30, "北插天山", "2023/1/1"),
    (101, "雪山主東", "2023/3/15"),
    (102, "合歡北峰", "2023/3/16"),
    (103, "玉山主峰", "2022/3/16"),
    (104, "南湖大山", "2022/3/15"),
    (105, "奇萊主北", "2021/3/16"),
    (106, "大霸尖山", "2021/3/15"),
    (107, "加里山", ""),
    (109, "志佳陽", "2023/3"),
    (110, "白姑大山", "2022/3"),
    (111, "郡大山", "112/3/16"),
    (120, "閂山", "2023/2/29"),
    (121, "鈴鳴山", "2023/3/1"),
    (122, "八通關山", "2022/3/1"),
    (123, "達芬尖山", "2022/2/28"),
    # A report numbered 2000 or more ends the reading.
    (2100, "向陽山", "2023/3/1"),
]


def row(number, title, date):
    return ('<tr><td align=center>%d</td><td><a href="w%d.htm">%s</a></td>'
            '<td align=center>x</td><td>%s</td></tr>' % (number, number, title, date))


def page():
    lines = ['<html><head><meta charset="utf-8"><title>行程表</title></head><body>',
             '<table border=1>',
             '<tr><th>編號</th><th>行程</th><th>記錄</th><th>日期</th></tr>']
    lines += [row(*w) for w in WALKS]
    lines += ['</table>', '</body></html>', '']
    return "\r\n".join(lines).encode("utf-8")


with open(os.path.join(HERE, "walk_index.htm"), "wb") as f:
    f.write(page())
