<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>MainWindow</name>
    <message>
        <source>A software for hygrothermal evaluation of building envelope systems</source>
        <translation>Program do oceny cieplno-wilgotnościowej przegród zewnętrznych budynku</translation>
    </message>
</context>
</TS>
