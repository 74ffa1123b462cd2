#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the binary seed files of corpus/material_file, corpus/user_material_file and
corpus/construction_database.

The text seeds (project files, old material lists) come from examples/ and tests/data; the binary
formats are written here field by field in Qt's data stream encoding (big-endian, strings as a
byte length and UTF-16, doubles as 8 bytes, booleans as one byte). Run it again after a format
change: fuzz/make_seeds.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def i32(v):
    return struct.pack('>i', v)


def f64(v):
    return struct.pack('>d', v)


def boolean(v):
    return b'\x01' if v else b'\x00'


def qstring(s):
    if s is None:
        return b'\xff\xff\xff\xff'
    data = s.encode('utf-16-be')
    return struct.pack('>I', len(data)) + data


def t2m_record(mid, names, version, air=False, codes=(1,)):
    out = i32(mid)
    for name in names:
        out += b''.join(qstring(t) for t in (name, 'Quelle ' + name, 'Hersteller', 'Produkt', 'Anmerkung'))
    out += i32(5) + b''.join(f64(v) for v in (30.0, 0.035, 20.0, 0.0005, 0.001, 0.05))
    out += boolean(air) + boolean(False) + boolean(True) + boolean(False)
    out += i32(len(codes)) + b''.join(i32(c) for c in codes)
    out += f64(10.0) + f64(30.0) + f64(0.0) + i32(0)
    if version >= 6:
        out += struct.pack('>I', 2460000) * 3  # dates as Julian day numbers (stream of Qt 4.6)
    return out


def t2m_plain(version, names_per_record):
    """A plain-payload input of the fuzz target: 'P', version bit, language count, payload."""
    languages = len(names_per_record[0])
    payload = qstring('TAVO2')
    for i, names in enumerate(names_per_record):
        payload += t2m_record(100 + i, names, version, air=(i == 2), codes=(1, 5) if i % 2 == 0 else (2, 3))
    return b'P' + bytes([version - 5, languages - 1]) + payload


def tmat_record(name, version):
    out = qstring(name) + i32(6) + b''.join(qstring(t) for t in ('notes', 'product', 'producer', 'source'))
    out += f64(600.0) + f64(0.13) + f64(50.0)
    if version >= 2:
        out += f64(30.0) + f64(70.0) + f64(0.0)
    out += f64(0.02) + f64(0.4) + f64(0.001)
    out += i32(200) + i32(120) + i32(40)
    if version >= 3:
        out += boolean(False) + boolean(True) + boolean(False)
    if version >= 4:
        out += boolean(True)
    return out


def construction(name, notes, layers):
    out = i32(1) + i32(len(layers)) + qstring(name) + qstring(notes)
    for width, material, version in layers:
        out += i32(version) + f64(width) + tmat_record(material, version)
    return out


def write(folder, name, data):
    path = os.path.join(HERE, 'corpus', folder)
    os.makedirs(path, exist_ok=True)
    with open(os.path.join(path, name), 'wb') as f:
        f.write(data)


write('material_file', 'plain-v6-two-languages', t2m_plain(6, [('Dämmung', 'Insulation'), ('', 'Board'), ('Luft', 'Air')]))
write('material_file', 'plain-v5-one-language', t2m_plain(5, [('Ziegel',), ('Putz',)]))
write('user_material_file', 'version-4', i32(-4) + i32(2) + tmat_record('OSB', 4) + tmat_record('', 4))
write('user_material_file', 'version-2', i32(-2) + i32(1) + tmat_record('Holz', 2))
write('user_material_file', 'version-1', i32(2) + tmat_record('Kalkputz', 1) + tmat_record('Lehm', 1))
write('construction_database', 'two-entries', i32(1) + i32(2) +
      construction('Wand', 'Zeile 1\nZeile 2', [(0.015, 'Putz', 4), (0.2, 'Ziegel', 4), (0.1, 'Dämmung', 2)]) +
      construction('', '', [(0.0002, 'Folie', 1)]))
write('construction_database', 'empty', i32(1) + i32(0))
