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
<context>
    <name>DINCriteriaResult</name>
    <message>
        <source>kg/m%1h%2</source>
        <translation>kg/m%1h%2</translation>
    </message>
    <message>
        <source>The current calculation don&apos;t use the same water uptake value as check for non-capillar material </source>
        <translation>Die aktuelle Berechnung verwendet als Grenze für nicht kapillar wasseraufnahmefähige Baustoffe nicht denselben Wasseraufnahmekoeffizienten </translation>
    </message>
    <message>
        <source>as the standard DIN 4108-3 from 2014, 2018 or 2024.&lt;br/&gt;</source>
        <translation>wie die DIN 4108-3 in den Ausgaben 2014, 2018 oder 2024.&lt;br/&gt;</translation>
    </message>
    <message>
        <source>Used value: %1 %2.&lt;br/&gt;</source>
        <translation>Verwendeter Wert: %1 %2.&lt;br/&gt;</translation>
    </message>
    <message>
        <source>This is admissible because TAVO is a advanced software as per appendix D DIN 4108-3.</source>
        <translation>Dies ist zulässig, da TAVO ein weitergehendes Berechnungsverfahren nach Anhang D der DIN 4108-3 ist.</translation>
    </message>
</context>
<context>
    <name>MinimumHeatResistance</name>
    <message>
        <source>Outer wall</source>
        <translation>Außenwand</translation>
    </message>
    <message>
        <source>Partition wall</source>
        <translation>Wohnungs- und Gebäudetrennwand</translation>
    </message>
    <message>
        <source>Wall to stair case with temperature &lt;10°C</source>
        <translation>Treppenraumwand zu Treppenraum mit Temperatur &lt;10°C</translation>
    </message>
    <message>
        <source>Wall to stair case with temperature &gt;10°C</source>
        <translation>Treppenraumwand zu Treppenraum mit Temperatur &gt;10°C</translation>
    </message>
    <message>
        <source>Common separating ceiling</source>
        <translation>Wohnungstrenndecke (allgemein)</translation>
    </message>
    <message>
        <source>Separating ceiling for officebuilding with central heating</source>
        <translation>Trenndecke in zentralbeheizten Bürogebäuden</translation>
    </message>
    <message>
        <source>Floor plate over ground</source>
        <translation>Unterer Abschluss gegen Erdreich</translation>
    </message>
    <message>
        <source>Floor plate to non ventilated cavity</source>
        <translation>Unterer Abschluss über nicht belüftetem Hohlraum</translation>
    </message>
    <message>
        <source>Ceiling below attic</source>
        <translation>Decke unter nicht ausgebautem Dachraum</translation>
    </message>
    <message>
        <source>Ceiling for cellar</source>
        <translation>Kellerdecke</translation>
    </message>
    <message>
        <source>Floor over garage or passage</source>
        <translation>Decke über Garage oder Durchfahrt</translation>
    </message>
    <message>
        <source>Roof</source>
        <translation>Dach</translation>
    </message>
    <message>
        <source>Wall of heated room to outside, ground, underground garage or similar</source>
        <translation>Wand beheizter Räume gegen Außenluft, Erdreich, Tiefgarage o. Ä.</translation>
    </message>
    <message>
        <source>Roof pitch to outside</source>
        <translation>Dachschräge gegen Außenluft</translation>
    </message>
    <message>
        <source>Flat roof or ceiling to outside</source>
        <translation>Flachdach oder Decke gegen Außenluft</translation>
    </message>
    <message>
        <source>Ceiling to ventilated roof space or to non heated room</source>
        <translation>Decke gegen belüfteten Dachraum oder unbeheizten Raum</translation>
    </message>
    <message>
        <source>Ceiling between insulated roof pitch and jamb wall</source>
        <translation>Decke zwischen gedämmter Dachschräge und Abseitenwand</translation>
    </message>
    <message>
        <source>Floor over outside, underground garage, garage (heated or not), ventilated crawl space etc.</source>
        <translation>Decke über Außenluft, Tiefgarage, Garage (beheizt oder unbeheizt), belüftetem Kriechkeller o. Ä.</translation>
    </message>
    <message>
        <source>Floor over cellar, to ground, non ventilated crawl space</source>
        <translation>Decke über Keller, gegen Erdreich oder über nicht belüftetem Kriechkeller</translation>
    </message>
    <message>
        <source>Wall between heated room and directly heated stair case</source>
        <translation>Wand zwischen beheiztem Raum und direkt beheiztem Treppenraum</translation>
    </message>
    <message>
        <source>Wall between heated room and indirectly heated stair case</source>
        <translation>Wand zwischen beheiztem Raum und indirekt beheiztem Treppenraum</translation>
    </message>
    <message>
        <source>Partition walls between heated rooms</source>
        <translation>Wohnungs- und Gebäudetrennwände zwischen beheizten Räumen</translation>
    </message>
    <message>
        <source>Ceiling between rooms of different use and apartment separating ceiling</source>
        <translation>Decke zwischen fremdgenutzten Räumen und Wohnungstrenndecke</translation>
    </message>
    <message>
        <source>Construction with mass per area lower than 100kg/m2</source>
        <translation>Bauteil mit flächenbezogener Masse unter 100 kg/m2</translation>
    </message>
    <message>
        <source>Cap 5.1.2.2</source>
        <translation>Abschn. 5.1.2.2</translation>
    </message>
    <message>
        <source>Opaque part of transparent constructions</source>
        <translation>Opake Ausfachung transparenter Bauteile</translation>
    </message>
    <message>
        <source>Cap 5.1.4</source>
        <translation>Abschn. 5.1.4</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>DIN 4108-2 2004 Tab. 3</source>
        <translation>DIN 4108-2:2004 Tab. 3</translation>
    </message>
    <message>
        <source>DIN 4108-2 2013 Tab. 3</source>
        <translation>DIN 4108-2:2013 Tab. 3</translation>
    </message>
</context>
<context>
    <name>ReportFrameConclusions</name>
    <message>
        <source>Requirement fulfilled</source>
        <translation>Anforderung erfüllt</translation>
    </message>
    <message>
        <source>Requirement not fulfilled</source>
        <translation>Anforderung nicht erfüllt</translation>
    </message>
    <message>
        <source>Check according DIN 4108-3 2001</source>
        <translation>Nachweis nach DIN 4108-3:2001</translation>
    </message>
    <message>
        <source>Check according DIN 4108-3 2014</source>
        <translation>Nachweis nach DIN 4108-3:2014</translation>
    </message>
    <message>
        <source>Check according DIN 4108-3 2018 and 2024</source>
        <translation>Nachweis nach DIN 4108-3:2018 und 2024</translation>
    </message>
    <message>
        <source>Check accordinguser defined data</source>
        <translation>Nachweis nach benutzerdefinierten Vorgaben</translation>
    </message>
    <message>
        <source>%1 row %2, thermal resistance  R &gt;= %L3 m&lt;sup&gt;2&lt;/sup&gt;K/W</source>
        <translation>%1 Zeile %2, Mindestwärmeschutz R &gt;= %L3 m&lt;sup&gt;2&lt;/sup&gt;K/W</translation>
    </message>
    <message>
        <source>DIN 4108-2 Check for minmal &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; &amp;gt;= %L1</source>
        <translation>DIN 4108-2 Nachweis des Mindest-Temperaturfaktors &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; &amp;gt;= %L1</translation>
    </message>
    <message>
        <source>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = %L1</source>
        <translation>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = %L1</translation>
    </message>
    <message>
        <source>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = &lt;font color=&quot;#FF0000&quot;&gt;&lt;b&gt;%L1&lt;/b&gt;&lt;/font&gt;</source>
        <translation>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = &lt;font color=&quot;#FF0000&quot;&gt;&lt;b&gt;%L1&lt;/b&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 (with capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 1.0kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>DIN 4108-3 Tauwassermasse (kapillar wasseraufnahmefähig) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 1,0 kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 (no capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 0.5kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>DIN 4108-3 Tauwassermasse (nicht kapillar wasseraufnahmefähig) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 0,5 kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>%1 with A&lt;sub&gt;w&lt;/sub&gt; &amp;le; %2 kg/m&lt;sup&gt;2&lt;/sup&gt;h&lt;sup&gt;0.5&lt;/sup&gt;</source>
        <translation>%1 mit A&lt;sub&gt;w&lt;/sub&gt; &amp;le; %2 kg/m&lt;sup&gt;2&lt;/sup&gt;h&lt;sup&gt;0,5&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Wood based material) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</source>
        <translation>DIN 4108-3 (Holzwerkstoff) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Wood) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</source>
        <translation>DIN 4108-3 (Holz) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</translation>
    </message>
    <message>
        <source>Drying time in summer t&lt;sub&gt;ev&lt;/sub&gt; &amp;lt; 90d</source>
        <translation>Austrocknungszeit in der Verdunstungsperiode t&lt;sub&gt;ev&lt;/sub&gt; &amp;lt; 90 d</translation>
    </message>
    <message>
        <source>Check for drying reserve of %1 g/m&lt;sup&gt;2&lt;/sup&gt;a according DIN 68800-2</source>
        <translation>Nachweis der Trocknungsreserve von %1 g/m&lt;sup&gt;2&lt;/sup&gt;a nach DIN 68800-2</translation>
    </message>
</context>
</TS>
