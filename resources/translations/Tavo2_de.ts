<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainWindow</name>
    <message>
        <source>A software for hygrothermal evaluation of building envelope systems</source>
        <translation>Eine Software zur hygrothermischen Bewertung von Bauteilen der Gebäudehülle</translation>
    </message>
</context>
</TS>
