<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>A software for hygrothermal evaluation of building envelope systems</source>
        <translation>Eine Software zur hygrothermischen Bewertung von Bauteilen der Gebäudehülle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Contact:</source>
        <translation>Kontakt:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Webseite:</translation>
    </message>
    <message>
        <source>Feedback:</source>
        <translation>Rückmeldungen:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Licences and third-party notices</source>
        <translation>Lizenzen und Hinweise zu Drittsoftware</translation>
    </message>
</context>
<context>
    <name>AssessmentConditions</name>
    <message>
        <source>Custom conditions</source>
        <translation>Benutzerdefinierte Randbedingungen</translation>
    </message>
    <message>
        <source>German Standard DIN 4108-3 from 2001</source>
        <translation>DIN 4108-3 von 2001</translation>
    </message>
    <message>
        <source>German Standard DIN 4108-3 from 2014, 2018 and 2024</source>
        <translation>DIN 4108-3 von 2014, 2018 und 2024</translation>
    </message>
    <message>
        <source>Unknown condition</source>
        <translation>Unbekannte Randbedingungen</translation>
    </message>
</context>
<context>
    <name>AssessmentTypeWidget</name>
    <message>
        <source>Assessment Type</source>
        <translation>Nachweisverfahren</translation>
    </message>
    <message>
        <source>Select assessment type</source>
        <translation>Nachweisverfahren wählen</translation>
    </message>
    <message>
        <source>Condensation time in d</source>
        <translation>Tauperiode in d</translation>
    </message>
    <message>
        <source>Drying time in d</source>
        <translation>Verdunstungsperiode in d</translation>
    </message>
    <message>
        <source>The condensation time must be &gt; 0d and &lt; 300d.</source>
        <translation>Die Tauperiode muss &gt; 0 d und &lt; 300 d sein.</translation>
    </message>
    <message>
        <source>The drying time must be &gt; 0d and &lt; 300d.</source>
        <translation>Die Verdunstungsperiode muss &gt; 0 d und &lt; 300 d sein.</translation>
    </message>
    <message>
        <source>Undo change of assessment type.</source>
        <translation>Änderung des Nachweisverfahrens</translation>
    </message>
    <message>
        <source>Undo change of evaporation time</source>
        <translation>Änderung der Verdunstungsperiode</translation>
    </message>
    <message>
        <source>Undo change of condensation time.</source>
        <translation>Änderung der Tauperiode</translation>
    </message>
</context>
<context>
    <name>BatchItem</name>
    <message>
        <source>No such file.</source>
        <translation>Datei nicht vorhanden.</translation>
    </message>
    <message>
        <source>This is a directory, not a project file.</source>
        <translation>Dies ist ein Verzeichnis, keine Projektdatei.</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <source>Option &apos;%1&apos; needs a value.</source>
        <translation>Die Option &apos;%1&apos; braucht einen Wert.</translation>
    </message>
    <message>
        <source>Option &apos;%1&apos; takes no value.</source>
        <translation>Die Option &apos;%1&apos; nimmt keinen Wert.</translation>
    </message>
    <message>
        <source>Unknown format &apos;%1&apos;: use text, json or csv.</source>
        <translation>Unbekanntes Format &apos;%1&apos;: text, json oder csv verwenden.</translation>
    </message>
    <message>
        <source>Option &apos;%1&apos; needs a file name.</source>
        <translation>Die Option &apos;%1&apos; braucht einen Dateinamen.</translation>
    </message>
    <message>
        <source>Invalid language identifier &apos;%1&apos;.</source>
        <translation>Ungültige Sprachkennung &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Invalid DIN 4108-3 edition &apos;%1&apos;: use 0 (2001), 1 (2014), 2 (2018 and 2024) or 3 (user defined).</source>
        <translation>Ungültige Ausgabe der DIN 4108-3 &apos;%1&apos;: 0 (2001), 1 (2014), 2 (2018 und 2024) oder 3 (benutzerdefiniert) verwenden.</translation>
    </message>
    <message>
        <source>Invalid water uptake limit &apos;%1&apos;: a number &gt;= 0 in kg/(m²·h^0.5) is needed.</source>
        <translation>Ungültige Grenze des Wasseraufnahmekoeffizienten &apos;%1&apos;: eine Zahl &gt;= 0 in kg/(m²·h^0.5) ist nötig.</translation>
    </message>
    <message>
        <source>Invalid drying reserve &apos;%1&apos;: a number &gt;= 0 in g/(m²·a) is needed.</source>
        <translation>Ungültige Trocknungsreserve &apos;%1&apos;: eine Zahl &gt;= 0 in g/(m²·a) ist nötig.</translation>
    </message>
    <message>
        <source>Invalid DIN 4108-2 edition &apos;%1&apos;: use 0 (2004) or 1 (2013).</source>
        <translation>Ungültige Ausgabe der DIN 4108-2 &apos;%1&apos;: 0 (2004) oder 1 (2013) verwenden.</translation>
    </message>
    <message>
        <source>Invalid building element &apos;%1&apos;: a number is needed.</source>
        <translation>Ungültiges Bauteil &apos;%1&apos;: eine Zahl ist nötig.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--materials lists the material database and takes no project files.</source>
        <translation>--materials listet die Materialdatenbank auf und nimmt keine Projektdateien.</translation>
    </message>
    <message>
        <source>--materials takes only --format, --lang and --output.</source>
        <translation>--materials nimmt nur --format, --lang und --output.</translation>
    </message>
    <message>
        <source>No project file given.</source>
        <translation>Keine Projektdatei angegeben.</translation>
    </message>
    <message>
        <source>--non-capillary-aw is used only with --edition 3 (user defined).</source>
        <translation>--non-capillary-aw gilt nur mit --edition 3 (benutzerdefiniert).</translation>
    </message>
    <message>
        <source>Building element %1 is not in %2. Elements: %3.</source>
        <translation>Das Bauteil %1 ist nicht in %2. Bauteile: %3.</translation>
    </message>
    <message>
        <source>Invalid frame list &apos;%1&apos;: use report frame numbers 0 to %2 and ranges, separated by commas (&quot;0,1,2,4-8&quot;), or all.</source>
        <translation>Ungültige Liste der Berichtsteile &apos;%1&apos;: Nummern 0 bis %2 und Bereiche durch Kommas getrennt (&quot;0,1,2,4-8&quot;) oder all verwenden.</translation>
    </message>
    <message>
        <source>Use either --report or --report-dir.</source>
        <translation>Entweder --report oder --report-dir verwenden.</translation>
    </message>
    <message>
        <source>--report writes the report of one project file; use --report-dir for several.</source>
        <translation>--report schreibt den Bericht einer Projektdatei; für mehrere --report-dir verwenden.</translation>
    </message>
    <message>
        <source>--frames is used only with --report or --report-dir.</source>
        <translation>--frames gilt nur mit --report oder --report-dir.</translation>
    </message>
    <message>
        <source>Invalid time limit &apos;%1&apos;: a number of seconds &gt; 0 is needed.</source>
        <translation>Ungültige Zeitgrenze &apos;%1&apos;: eine Anzahl Sekunden &gt; 0 wird benötigt.</translation>
    </message>
    <message>
        <source>Usage: tavo2-calc [options] FILE...
       tavo2-calc --materials [--format text|json|csv] [--lang ID] [-o FILE]

Calculates and assesses Tavo project files (.t2p, .tpj) without a window.

Options:
  --format text|json|csv  output format (default text)
  -o, --output FILE       write to FILE (- or none: standard output)
  --lang ID               language of texts, verdicts and numbers
                          (default: untranslated English)
  --edition N             DIN 4108-3 criteria: 0 2001, 1 2014,
                          2 2018 and 2024 (default), 3 user defined
  --non-capillary-aw V    limit for non-capillary material with --edition 3,
                          kg/(m²·h^0.5) (default 0.2)
  --drying-reserve G      drying reserve in g/(m²·a) (default 0: none)
  --min-r-edition N       DIN 4108-2 table 3: 0 2004, 1 2013 (default)
  --min-r-element ID      building element of that table (default 12)
  --frsi                  include the check of the temperature factor fRsi
  --strict                exit with 3 when a requirement is not fulfilled
  --time-limit S          stop the calculation of a file after S seconds;
                          the file is then left out (exit code 2)
  --exhaustive            find the condensation planes by trying every
                          combination in turn, for checking (at most 24 layers)
  --report FILE           also write the PDF report of the one project file
  --report-dir DIR        also write a PDF report of every project file into
                          DIR, named after the project file (FILE.t2p -&gt; FILE.pdf)
  --frames LIST           report frames to print, e.g. 0,1,2,4-8 or all
                          (default 0-5,9,11,12): 0 page header, 1 page footer,
                          2 project information, 3 construction sketch,
                          4 material properties, 5 climate, 6 surface
                          resistances, 7 resistances, 8 temperatures, vapour
                          pressures and moisture contents, 9 moisture profile,
                          10 vapour pressure profile, 11 summary of results and
                          requirements, 12 Glaser scheme, 13 final remarks
  --materials             list the material database instead
  --help, --version

Exit codes: 0 done, 1 usage error, 2 a file could not be read or the output
not written (the other files are still processed), 3 a requirement is not
fulfilled (only with --strict).

A report is written completely or not at all; it needs no display.
</source>
        <translation>Aufruf: tavo2-calc [Optionen] DATEI...
        tavo2-calc --materials [--format text|json|csv] [--lang ID] [-o DATEI]

Berechnet und bewertet Tavo-Projektdateien (.t2p, .tpj) ohne Fenster.

Optionen:
  --format text|json|csv  Ausgabeformat (Vorgabe text)
  -o, --output DATEI      in DATEI schreiben (- oder keine: Standardausgabe)
  --lang ID               Sprache der Texte, Bewertungen und Zahlen
                          (Vorgabe: unübersetztes Englisch)
  --edition N             Kriterien der DIN 4108-3: 0 2001, 1 2014,
                          2 2018 und 2024 (Vorgabe), 3 benutzerdefiniert
  --non-capillary-aw V    Grenze für nicht kapillar aktive Baustoffe bei --edition 3,
                          kg/(m²·h^0.5) (Vorgabe 0.2)
  --drying-reserve G      Trocknungsreserve in g/(m²·a) (Vorgabe 0: keine)
  --min-r-edition N       DIN 4108-2 Tabelle 3: 0 2004, 1 2013 (Vorgabe)
  --min-r-element ID      Bauteil dieser Tabelle (Vorgabe 12)
  --frsi                  den Temperaturfaktor fRsi mit prüfen
  --strict                mit 3 enden, wenn eine Anforderung nicht erfüllt ist
  --time-limit S          die Berechnung einer Datei nach S Sekunden abbrechen;
                          die Datei fehlt dann in der Ausgabe (Rückgabewert 2)
  --exhaustive            die Tauwasserebenen durch Probieren aller Kombinationen
                          der Reihe nach finden, zur Kontrolle (höchstens 24 Schichten)
  --report DATEI          zusätzlich den PDF-Bericht der einen Projektdatei schreiben
  --report-dir ORDNER     zusätzlich für jede Projektdatei einen PDF-Bericht in
                          ORDNER schreiben, benannt nach der Projektdatei
                          (DATEI.t2p -&gt; DATEI.pdf)
  --frames LISTE          zu druckende Berichtsteile, z. B. 0,1,2,4-8 oder all
                          (Vorgabe 0-5,9,11,12): 0 Kopfzeile, 1 Fußzeile,
                          2 Projektinformationen, 3 Konstruktionsskizze,
                          4 Materialkennwerte, 5 Klima, 6 Wärmeübergangs-
                          widerstände, 7 Widerstände, 8 Temperaturen, Dampf-
                          drücke und Feuchtegehalte, 9 Feuchteverlauf,
                          10 Dampfdruckverlauf, 11 Zusammenfassung der Ergebnisse
                          und Anforderungen, 12 Glaser-Schema, 13 Schlussbemerkungen
  --materials             stattdessen die Materialdatenbank auflisten
  --help, --version

Rückgabewerte: 0 fertig, 1 falscher Aufruf, 2 eine Datei war nicht lesbar oder die
Ausgabe nicht schreibbar (die übrigen Dateien werden trotzdem bearbeitet), 3 eine
Anforderung ist nicht erfüllt (nur mit --strict).

Ein Bericht wird vollständig oder gar nicht geschrieben; er braucht keinen Bildschirm.
</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>No translation for language &apos;%1&apos; in &apos;%2&apos;.</source>
        <translation>Keine Übersetzung für die Sprache &apos;%1&apos; in &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>The output file &apos;%1&apos; is one of the project files.</source>
        <translation>Die Ausgabedatei &apos;%1&apos; ist eine der Projektdateien.</translation>
    </message>
    <message>
        <source>The built-in material database in &apos;%1&apos; could not be read.</source>
        <translation>Die mitgelieferte Materialdatenbank in &apos;%1&apos; konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Error writing to standard output.</source>
        <translation>Fehler beim Schreiben auf die Standardausgabe.</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos; for writing: %2</source>
        <translation>&apos;%1&apos; kann nicht zum Schreiben geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Error writing &apos;%1&apos;: %2</source>
        <translation>Fehler beim Schreiben von &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Error saving &apos;%1&apos;: %2</source>
        <translation>Fehler beim Speichern von &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>The report file &apos;%1&apos; is one of the project files.</source>
        <translation>Die Berichtsdatei &apos;%1&apos; ist eine der Projektdateien.</translation>
    </message>
    <message>
        <source>The report and the output cannot be written to the same file.</source>
        <translation>Bericht und Ausgabe können nicht in dieselbe Datei geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot create the report folder &apos;%1&apos;.</source>
        <translation>Der Berichtsordner &apos;%1&apos; kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1: the report &apos;%2&apos; would replace a project file; it is not written.</source>
        <translation>%1: der Bericht &apos;%2&apos; würde eine Projektdatei ersetzen; er wird nicht geschrieben.</translation>
    </message>
    <message>
        <source>Not enough memory to read this file.</source>
        <translation>Nicht genug Arbeitsspeicher, um diese Datei zu lesen.</translation>
    </message>
    <message>
        <source>No project file could be read: &apos;%1&apos; is not written.</source>
        <translation>Keine Projektdatei konnte gelesen werden: &apos;%1&apos; wird nicht geschrieben.</translation>
    </message>
    <message>
        <source>The material file &apos;%1&apos; could not be read completely; materials read from it: %2.</source>
        <translation>Die Materialdatei &apos;%1&apos; konnte nicht vollständig gelesen werden; daraus gelesene Materialien: %2.</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: the output of %2 bytes exceeds the file size limit of %3 bytes.</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: Die Ausgabe von %2 Byte überschreitet die Dateigrößenbegrenzung von %3 Byte.</translation>
    </message>
    <message>
        <source>%1: the report &apos;%2&apos; was already written for another project file; it is not replaced.</source>
        <translation>%1: der Bericht &apos;%2&apos; wurde schon für eine andere Projektdatei geschrieben; er wird nicht ersetzt.</translation>
    </message>
    <message>
        <source>The calculation was stopped after the time limit of %1 s.</source>
        <translation>Die Berechnung wurde nach der Zeitgrenze von %1 s abgebrochen.</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>pv_e not correctly calculated! Algorithm error!</source>
        <translation>pv_e nicht korrekt berechnet! Algorithmusfehler!</translation>
    </message>
    <message>
        <source>No Solution found!</source>
        <translation>Keine Lösung gefunden!</translation>
    </message>
    <message>
        <source>Could not find valid combination of k-planes! Algorithm error!</source>
        <translation>Keine gültige Kombination von Tauwasserebenen gefunden! Algorithmusfehler!</translation>
    </message>
    <message>
        <source>Invalid moisture storage values for &lt;a href=&quot;layer-%1&quot;&gt;layer #%1&lt;/a&gt;.</source>
        <translation>Ungültige Feuchtespeicherwerte für &lt;a href=&quot;layer-%1&quot;&gt;Schicht Nr. %1&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Current moisture content at 80%RH leads to an moisture content at 95%RH higher than saturation moisture content.</source>
        <translation>Der Feuchtegehalt bei 80 % r.F. führt zu einem Feuchtegehalt bei 95 % r.F., der über dem Sättigungsfeuchtegehalt liegt.</translation>
    </message>
    <message>
        <source>Some problem in calculation! Algorithm error!</source>
        <translation>Problem in der Berechnung! Algorithmusfehler!</translation>
    </message>
    <message>
        <source>Error in calculation m_results.sk_Tavo[%1], denominator == 0!</source>
        <translation>Fehler in der Berechnung von m_results.sk_Tavo[%1], Nenner == 0!</translation>
    </message>
    <message>
        <source>Error in calculation m_results.sk_Tavo[%1], Value &lt; 0!</source>
        <translation>Fehler in der Berechnung von m_results.sk_Tavo[%1], Wert &lt; 0!</translation>
    </message>
    <message>
        <source>Layers without capillary water uptake (water uptake coefficient 0) on both sides of the condensation region prevent this calculation: %1.</source>
        <translation>Schichten ohne kapillare Wasseraufnahme (Wasseraufnahmekoeffizient 0) auf beiden Seiten des Tauwasserbereichs verhindern diese Berechnung: %1.</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH less or equal 0</source>
        <translation>Feuchtegehalt bei 80 % r.F. kleiner oder gleich 0</translation>
    </message>
    <message>
        <source>Saturation moisture content less or equal 0</source>
        <translation>Sättigungsfeuchtegehalt kleiner oder gleich 0</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH greater or equal saturation moisture content</source>
        <translation>Feuchtegehalt bei 80 % r.F. größer oder gleich dem Sättigungsfeuchtegehalt</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH leads to a moisture content at 95%RH greater or equal saturation moisture content</source>
        <translation>Feuchtegehalt bei 80 % r.F. führt zu einem Feuchtegehalt bei 95 % r.F. größer oder gleich dem Sättigungsfeuchtegehalt</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH greater or equal to 1.0</source>
        <translation>Feuchtegehalt bei 80 % r.F. größer oder gleich 1,0</translation>
    </message>
    <message>
        <source>Moisture content at saturation greater or equal to 1.0</source>
        <translation>Sättigungsfeuchtegehalt größer oder gleich 1,0</translation>
    </message>
    <message>
        <source>Unknown error in calculation.</source>
        <translation>Unbekannter Fehler in der Berechnung.</translation>
    </message>
    <message>
        <source>Invalid width %1 of &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Ungültige Dicke %1 der &lt;a href=&quot;layer-%2&quot;&gt;Schicht Nr. %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Error in Glaser-Calculation.</source>
        <translation>Fehler in der Glaser-Berechnung.</translation>
    </message>
    <message>
        <source>The calculation gave a value of %1 that is not a finite number.</source>
        <translation>Die Berechnung ergab für %1 keinen endlichen Zahlenwert.</translation>
    </message>
    <message>
        <source>Result %1 of the Glaser-Calculation is not a finite number.</source>
        <translation>Das Ergebnis %1 der Glaser-Berechnung ist keine endliche Zahl.</translation>
    </message>
    <message>
        <source>Invalid mu %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Ungültige Wasserdampf-Diffusionswiderstandszahl µ %1 des Materials in &lt;a href=&quot;layer-%2&quot;&gt;Schicht Nr. %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Invalid thermal conductivity %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Ungültige Wärmeleitfähigkeit %1 des Materials in &lt;a href=&quot;layer-%2&quot;&gt;Schicht Nr. %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Invalid surface resistance outside</source>
        <translation>Ungültiger Wärmeübergangswiderstand außen</translation>
    </message>
    <message>
        <source>Invalid surface resistance inside)</source>
        <translation>Ungültiger Wärmeübergangswiderstand innen</translation>
    </message>
    <message>
        <source>Invalid material data in &lt;a href=&quot;layer-%1&quot;&gt;layer #%1&lt;/a&gt;.</source>
        <translation>Ungültige Materialdaten in &lt;a href=&quot;layer-%1&quot;&gt;Schicht Nr. %1&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Invalid climate data or period lengths.</source>
        <translation>Ungültige Klimadaten oder Periodenlängen.</translation>
    </message>
    <message>
        <source>Too many layers for the condensation calculation (at most %1).</source>
        <translation>Zu viele Schichten für die Tauwasserberechnung (höchstens %1).</translation>
    </message>
    <message>
        <source>The calculation was cancelled.</source>
        <translation>Die Berechnung wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>CalculationProgressDialog</name>
    <message>
        <source>Searching the condensation planes. This construction takes longer than usual.</source>
        <translation>Die Tauwasserebenen werden gesucht. Diese Konstruktion braucht länger als üblich.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Berechnung</translation>
    </message>
</context>
<context>
    <name>ClimateEditWidget</name>
    <message>
        <source>Climatic Data</source>
        <translation>Klimadaten</translation>
    </message>
    <message>
        <source>Select climate data preset:</source>
        <translation>Klimavorgabe wählen:</translation>
    </message>
    <message>
        <source>Winter:</source>
        <translation>Winter:</translation>
    </message>
    <message>
        <source>Summer:</source>
        <translation>Sommer:</translation>
    </message>
    <message>
        <source>Temperature in [°C]:</source>
        <translation>Temperatur in [°C]:</translation>
    </message>
    <message>
        <source>Relative Humidity in [%]:</source>
        <translation>Relative Luftfeuchte in [%]:</translation>
    </message>
    <message>
        <source>Surface transfer resistance in [m²K/W]:</source>
        <translation>Wärmeübergangswiderstand in [m²K/W]:</translation>
    </message>
    <message>
        <source>The temperature must be &gt; -40%1C and &lt; 80%1C.</source>
        <translation>Die Temperatur muss &gt; -40 %1C und &lt; 80 %1C sein.</translation>
    </message>
    <message>
        <source>The relative humidity must be &gt; 0% and &lt; 100%.</source>
        <translation>Die relative Luftfeuchte muss &gt; 0 % und &lt; 100 % sein.</translation>
    </message>
    <message>
        <source>The surface resistance must be &gt;= 0.</source>
        <translation>Der Wärmeübergangswiderstand muss &gt;= 0 sein.</translation>
    </message>
    <message>
        <source>warm side</source>
        <translation>warmer Seite</translation>
    </message>
    <message>
        <source>cold side</source>
        <translation>kalter Seite</translation>
    </message>
    <message>
        <source>Inside climate (warm side)</source>
        <translation>Innenklima (warme Seite)</translation>
    </message>
    <message>
        <source>Outside climate (cold side)</source>
        <translation>Außenklima (kalte Seite)</translation>
    </message>
    <message>
        <source>Undo change of temperature (condensation) at %1</source>
        <translation>Änderung der Temperatur (Tauperiode) auf %1</translation>
    </message>
    <message>
        <source>Undo change of relative humidity (condensation) at %1</source>
        <translation>Änderung der relativen Luftfeuchte (Tauperiode) auf %1</translation>
    </message>
    <message>
        <source>Undo change of surface resistance at %1</source>
        <translation>Änderung des Wärmeübergangswiderstands auf %1</translation>
    </message>
    <message>
        <source>Undo change climate data set at %1</source>
        <translation>Änderung der Klimavorgabe auf %1</translation>
    </message>
</context>
<context>
    <name>ClimateFrame</name>
    <message>
        <source>Climate at warm side</source>
        <translation>Klima auf der warmen Seite</translation>
    </message>
    <message>
        <source>Climate at cold side</source>
        <translation>Klima auf der kalten Seite</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Relative Humidity</source>
        <translation>Relative Luftfeuchte</translation>
    </message>
    <message>
        <source>Climate Data</source>
        <translation>Klimadaten</translation>
    </message>
    <message>
        <source>Winter Climate</source>
        <translation>Winterklima</translation>
    </message>
    <message>
        <source>Duration of Condensation Periode (winter)</source>
        <translation>Dauer der Tauperiode (Winter)</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Summer Climate</source>
        <translation>Sommerklima</translation>
    </message>
    <message>
        <source>Duration of Drying Periode (summer)</source>
        <translation>Dauer der Verdunstungsperiode (Sommer)</translation>
    </message>
</context>
<context>
    <name>ClimatePresetTable</name>
    <message>
        <source>Custom climate conditions, indoor</source>
        <translation>Benutzerdefiniertes Klima, innen</translation>
    </message>
    <message>
        <source>Custom climate conditions, outdoor</source>
        <translation>Benutzerdefiniertes Klima, außen</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Indoor climate, heat flow direction horizontal and upwards</source>
        <translation>DIN 4108-3 2001 Innenklima, Wärmestrom horizontal und aufwärts</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Indoor climate, heat flow direction downwards</source>
        <translation>DIN 4108-3 2001 Innenklima, Wärmestrom abwärts</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction horizontal</source>
        <translation>DIN EN ISO 6946 Innenklima, Wärmestrom horizontal</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction downwards</source>
        <translation>DIN EN ISO 6946 Innenklima, Wärmestrom abwärts</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction upwards</source>
        <translation>DIN EN ISO 6946 Innenklima, Wärmestrom aufwärts</translation>
    </message>
    <message>
        <source>DIN EN ISO 13788 Indoor climate, all other surfaces</source>
        <translation>DIN EN ISO 13788 Innenklima, alle übrigen Oberflächen</translation>
    </message>
    <message>
        <source>DIN EN ISO 13788 Indoor climate, on glazings and window frames</source>
        <translation>DIN EN ISO 13788 Innenklima, an Verglasungen und Fensterrahmen</translation>
    </message>
    <message>
        <source>DIN 4108-8 Indoor climate, in built in cupboards, mould protection</source>
        <translation>DIN 4108-8 Innenklima, in Einbauschränken, Schimmelschutz</translation>
    </message>
    <message>
        <source>DIN 4108-8 Indoor climate, behaind normal cupboards, mould protection</source>
        <translation>DIN 4108-8 Innenklima, hinter freistehenden Schränken, Schimmelschutz</translation>
    </message>
    <message>
        <source>DIN 4108-3_2024 Indoor climate</source>
        <translation>DIN 4108-3 2024 Innenklima</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to outside</source>
        <translation>DIN 4108-3 2001 Außen, an Außenluft</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to ventilated air space</source>
        <translation>DIN 4108-3 2001 Außen, an belüftete Luftschicht</translation>
    </message>
    <message>
        <source>DIN 4108-3_2024 Outdoor climate</source>
        <translation>DIN 4108-3 2024 Außenklima</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to ground</source>
        <translation>DIN 4108-3 2001 Außen, an Erdreich</translation>
    </message>
    <message>
        <source>DIN 4108-3 2024 Outdoor, boundary to ground</source>
        <translation>DIN 4108-3 2024 Außen, an Erdreich</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Outdoor climate</source>
        <translation>DIN EN ISO 6946 Außenklima</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Default Project Info</source>
        <translation>Vorgaben Projekt</translation>
    </message>
    <message>
        <source>Default Print Config</source>
        <translation>Vorgaben Druck</translation>
    </message>
</context>
<context>
    <name>ConfigPageGeneral</name>
    <message>
        <source>Use kg/m%1s%2 as unit for Aw</source>
        <translation>kg/m%1s%2 als Einheit für Aw verwenden</translation>
    </message>
    <message>
        <source>Use kg/m%1h%2 as unit for Aw</source>
        <translation>kg/m%1h%2 als Einheit für Aw verwenden</translation>
    </message>
    <message>
        <source>Start Program without project</source>
        <translation>Programm ohne Projekt starten</translation>
    </message>
    <message>
        <source>Start Program with last recent project</source>
        <translation>Programm mit dem zuletzt geöffneten Projekt starten</translation>
    </message>
    <message>
        <source>Construction layer width in [mm]</source>
        <translation>Schichtdicken der Konstruktion in [mm]</translation>
    </message>
    <message>
        <source>Construction layer width in [cm]</source>
        <translation>Schichtdicken der Konstruktion in [cm]</translation>
    </message>
    <message>
        <source>Construction layer width in [dm]</source>
        <translation>Schichtdicken der Konstruktion in [dm]</translation>
    </message>
    <message>
        <source>Construction layer width in [m]</source>
        <translation>Schichtdicken der Konstruktion in [m]</translation>
    </message>
    <message>
        <source>A new directory is used from the next start of the program.</source>
        <translation>Ein neues Verzeichnis wird ab dem nächsten Programmstart verwendet.</translation>
    </message>
    <message>
        <source>Directory for user material database and construction database:</source>
        <translation>Verzeichnis für die Benutzer-Materialdatenbank und die Konstruktionsdatenbank:</translation>
    </message>
    <message>
        <source>Directory not valid.</source>
        <translation>Verzeichnis ungültig.</translation>
    </message>
    <message>
        <source>There exist a file with the same name.</source>
        <translation>Es existiert bereits eine Datei mit diesem Namen.</translation>
    </message>
    <message>
        <source>The given text cannot be used as directory.</source>
        <translation>Der eingegebene Text kann nicht als Verzeichnis verwendet werden.</translation>
    </message>
    <message>
        <source>Directory not writebale.</source>
        <translation>Verzeichnis nicht beschreibbar.</translation>
    </message>
    <message>
        <source>The material database cannot be stored here.</source>
        <translation>Die Materialdatenbank kann hier nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>User material directory</source>
        <translation>Verzeichnis der Benutzermaterialien</translation>
    </message>
</context>
<context>
    <name>ConfigPageProjectInformation</name>
    <message>
        <source>The settings below are transfered into newly created projects. To edit the project information of the current project, use the project information editor available from the edit menu.</source>
        <translation>Die folgenden Angaben werden in neu erstellte Projekte übernommen. Die Projektinformationen des aktuellen Projekts bearbeiten Sie im Projektinformations-Editor im Menü Bearbeiten.</translation>
    </message>
</context>
<context>
    <name>ConfigPrintDefaults</name>
    <message>
        <source>General Appearance</source>
        <translation>Allgemeines Erscheinungsbild</translation>
    </message>
    <message>
        <source>Construction sketch</source>
        <translation>Konstruktionsskizze</translation>
    </message>
    <message>
        <source>Material data</source>
        <translation>Materialdaten</translation>
    </message>
    <message>
        <source>Climate data</source>
        <translation>Klimadaten</translation>
    </message>
    <message>
        <source>Surface Resistance</source>
        <translation>Wärmeübergangswiderstände</translation>
    </message>
    <message>
        <source>Input Data</source>
        <translation>Eingabedaten</translation>
    </message>
    <message>
        <source>Temperature and moisture profiles</source>
        <translation>Temperatur- und Feuchteverläufe</translation>
    </message>
    <message>
        <source>Vapor pressure profiles</source>
        <translation>Dampfdruckverläufe</translation>
    </message>
    <message>
        <source>Diagrams</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Schlussbemerkungen</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Fußzeile</translation>
    </message>
    <message>
        <source>Page numbers in footer</source>
        <translation>Seitenzahlen in der Fußzeile</translation>
    </message>
    <message>
        <source>Project information</source>
        <translation>Projektinformationen</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser) - Summary</source>
        <translation>DIN 4108-3 (Glaser) - Zusammenfassung</translation>
    </message>
    <message>
        <source>TAVO Results - Summary</source>
        <translation>TAVO-Ergebnisse - Zusammenfassung</translation>
    </message>
    <message>
        <source>TAVO Results - Detailed Table</source>
        <translation>TAVO-Ergebnisse - Detaillierte Tabelle</translation>
    </message>
    <message>
        <source>Resistances and µ values</source>
        <translation>Widerstände und µ-Werte</translation>
    </message>
    <message>
        <source>Construction kind for test of minimum thermal resistance
according german standard DIN 4108-2 table 3</source>
        <translation>Bauteilart für den Nachweis des Mindestwärmeschutzes
nach DIN 4108-2 Tabelle 3</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Überschrift 1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Überschrift 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Überschrift 3</translation>
    </message>
    <message>
        <source>Normal text</source>
        <translation>Normaler Text</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Final remarks printed at the end of the report of new projects:</source>
        <translation>Schlussbemerkungen am Ende des Berichts neuer Projekte:</translation>
    </message>
    <message>
        <source>User Logo</source>
        <translation>Benutzerlogo</translation>
    </message>
</context>
<context>
    <name>ConstructionDatabaseTableModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Warm side
Layer 1</source>
        <translation>Warme Seite
Schicht 1</translation>
    </message>
    <message>
        <source>Cold side
Layer %1</source>
        <translation>Kalte Seite
Schicht %1</translation>
    </message>
    <message>
        <source>
Layer %1</source>
        <translation>
Schicht %1</translation>
    </message>
    <message>
        <source>%1mm %2</source>
        <translation>%1 mm %2</translation>
    </message>
</context>
<context>
    <name>ConstructionDatabaseWidget</name>
    <message>
        <source>Add construction</source>
        <translation>Konstruktion hinzufügen</translation>
    </message>
    <message>
        <source>Add a new construction to the list.</source>
        <translation>Eine neue Konstruktion zur Liste hinzufügen.</translation>
    </message>
    <message>
        <source>Delete Construction</source>
        <translation>Konstruktion löschen</translation>
    </message>
    <message>
        <source>Delete selected construction from list.</source>
        <translation>Die ausgewählte Konstruktion aus der Liste löschen.</translation>
    </message>
    <message>
        <source>Edit construction</source>
        <translation>Konstruktion bearbeiten</translation>
    </message>
    <message>
        <source>Edit selected constrcution.</source>
        <translation>Die ausgewählte Konstruktion bearbeiten.</translation>
    </message>
    <message>
        <source>Copy construction</source>
        <translation>Konstruktion kopieren</translation>
    </message>
    <message>
        <source>Copy selected construction to a new one.</source>
        <translation>Die ausgewählte Konstruktion in eine neue kopieren.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Add the constructions of another construction file to the list.</source>
        <translation>Die Konstruktionen einer anderen Konstruktionsdatei zur Liste hinzufügen.</translation>
    </message>
    <message>
        <source>Construction list</source>
        <translation>Konstruktionsliste</translation>
    </message>
    <message>
        <source>Selected Construction:</source>
        <translation>Ausgewählte Konstruktion:</translation>
    </message>
    <message>
        <source>View and Notes</source>
        <translation>Ansicht und Notizen</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Innen</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Außen</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>Open a project with layers: its construction is added.</source>
        <translation>Öffnen Sie ein Projekt mit Schichten: seine Konstruktion wird hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (Kopie)</translation>
    </message>
    <message>
        <source>Select file with construction database.</source>
        <translation>Datei mit Konstruktionsdatenbank auswählen.</translation>
    </message>
    <message>
        <source>Database for Tavo 2 (*.constr)</source>
        <translation>Datenbank für Tavo 2 (*.constr)</translation>
    </message>
    <message>
        <source>Constructions added.</source>
        <translation>Konstruktionen hinzugefügt.</translation>
    </message>
    <message>
        <source>Construction read error.</source>
        <translation>Fehler beim Lesen der Konstruktionen.</translation>
    </message>
</context>
<context>
    <name>ConstructionLayerFrame</name>
    <message>
        <source>Material Properties</source>
        <translation>Materialkennwerte</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>d - layer thickness, </source>
        <translation>d - Schichtdicke, </translation>
    </message>
    <message>
        <source>&amp;lambda; - design value of thermal conductivity, </source>
        <translation>&amp;lambda; - Bemessungswert der Wärmeleitfähigkeit, </translation>
    </message>
    <message>
        <source>&amp;mu; - vapour diffusion resistance factor, </source>
        <translation>&amp;mu; - Wasserdampf-Diffusionswiderstandszahl, </translation>
    </message>
    <message>
        <source>w&lt;sub&gt;80&lt;/sub&gt;/w&lt;sub&gt;sat&lt;/sub&gt; - %1, </source>
        <translation>w&lt;sub&gt;80&lt;/sub&gt;/w&lt;sub&gt;sat&lt;/sub&gt; - %1, </translation>
    </message>
    <message>
        <source>moisture content for 80% RH. resp. saturation</source>
        <translation>Feuchtegehalt bei 80 % relativer Luftfeuchte bzw. bei Sättigung</translation>
    </message>
    <message>
        <source>A&lt;sub&gt;w&lt;/sub&gt; - %1, </source>
        <translation>A&lt;sub&gt;w&lt;/sub&gt; - %1, </translation>
    </message>
    <message>
        <source>water uptake coefficient</source>
        <translation>Wasseraufnahmekoeffizient</translation>
    </message>
    <message>
        <source>layers from left to right</source>
        <translation>Schichten von links (warm) nach rechts (kalt)</translation>
    </message>
</context>
<context>
    <name>ConstructionList</name>
    <message>
        <source>test construction 1</source>
        <translation>Testkonstruktion 1</translation>
    </message>
    <message>
        <source>Cannot read file &apos;%1&apos;.</source>
        <translation>Die Datei &apos;%1&apos; kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; was written by another version of the program and cannot be read.</source>
        <translation>Die Datei &apos;%1&apos; wurde von einer anderen Programmversion geschrieben und kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 constructions found in file &apos;%2&apos;</source>
        <translation>%1 Konstruktionen in der Datei &apos;%2&apos; gefunden</translation>
    </message>
    <message>
        <source>No constructions found in file &apos;%1&apos;</source>
        <translation>Keine Konstruktionen in der Datei &apos;%1&apos; gefunden</translation>
    </message>
    <message>
        <source>The file could not be read to its end; the constructions after the damaged entry are missing.</source>
        <translation>Die Datei konnte nicht bis zum Ende gelesen werden; die Konstruktionen nach dem beschädigten Eintrag fehlen.</translation>
    </message>
    <message>
        <source>The construction database &apos;%1&apos; could not be read completely. The %2 constructions read before the damage are used; the file itself is not overwritten but kept under a name ending in &quot;.corrupt&quot; when the construction database is saved.</source>
        <translation>Die Konstruktionsdatenbank &apos;%1&apos; konnte nicht vollständig gelesen werden. Die %2 vor der Beschädigung gelesenen Konstruktionen werden verwendet; die Datei selbst wird nicht überschrieben, sondern beim Speichern der Konstruktionsdatenbank unter einem Namen mit der Endung &quot;.corrupt&quot; aufbewahrt.</translation>
    </message>
    <message>
        <source>The construction database &apos;%1&apos; was written by another version of the program and cannot be read. It is not overwritten but kept under a name ending in &quot;.corrupt&quot; when the construction database is saved.</source>
        <translation>Die Konstruktionsdatenbank &apos;%1&apos; wurde von einer anderen Programmversion geschrieben und kann nicht gelesen werden. Sie wird nicht überschrieben, sondern beim Speichern der Konstruktionsdatenbank unter einem Namen mit der Endung &quot;.corrupt&quot; aufbewahrt.</translation>
    </message>
    <message>
        <source>The construction database &apos;%1&apos; cannot be opened. The program starts without its constructions and does not overwrite the file.</source>
        <translation>Die Konstruktionsdatenbank &apos;%1&apos; kann nicht geöffnet werden. Das Programm startet ohne ihre Konstruktionen und überschreibt die Datei nicht.</translation>
    </message>
</context>
<context>
    <name>ConstructionNameInputDialog</name>
    <message>
        <source>Construction Name</source>
        <translation>Name der Konstruktion</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>ConstructionSketchDock</name>
    <message>
        <source>Inside</source>
        <translation>Innen</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Außen</translation>
    </message>
    <message>
        <source>Construction to scale</source>
        <translation>Bauteil maßstäblich</translation>
    </message>
    <message>
        <source>Show/hide construction to scale</source>
        <translation>Maßstäbliches Bauteil anzeigen/ausblenden</translation>
    </message>
    <message>
        <source>Shows/hides the construction drawn to scale</source>
        <translation>Zeigt das maßstäblich gezeichnete Bauteil an oder blendet es aus</translation>
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
    <name>DINCriteriaSettings</name>
    <message>
        <source>Settings for validity check according DIN 4108-3</source>
        <translation>Einstellungen für den Nachweis nach DIN 4108-3</translation>
    </message>
    <message>
        <source>User defined</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>DIN 4108-3 2018 und 2024</source>
        <translation>DIN 4108-3 2018 und 2024</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001</source>
        <translation>DIN 4108-3 2001</translation>
    </message>
    <message>
        <source>DIN 4108-3 2014</source>
        <translation>DIN 4108-3 2014</translation>
    </message>
    <message>
        <source>Aw value for non capillar material</source>
        <translation>Aw-Wert für nicht kapillaraktives Material</translation>
    </message>
    <message>
        <source>Aw value for capillar active material</source>
        <translation>Aw-Wert für kapillaraktives Material</translation>
    </message>
    <message>
        <source>Check one or both sides of a condensation plane</source>
        <translation>Eine oder beide Seiten einer Tauwasserebene prüfen</translation>
    </message>
    <message>
        <source>One side check</source>
        <translation>Einseitige Prüfung</translation>
    </message>
    <message>
        <source>Two side check</source>
        <translation>Beidseitige Prüfung</translation>
    </message>
    <message>
        <source>kg/m2s0.5</source>
        <translation>kg/m2s0.5</translation>
    </message>
    <message>
        <source>kg/m2h0.5</source>
        <translation>kg/m2h0.5</translation>
    </message>
    <message>
        <source>The Aw value must be a number.</source>
        <translation>Der Aw-Wert muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>The Aw value cannot be &lt; 0.</source>
        <translation>Der Aw-Wert kann nicht &lt; 0 sein.</translation>
    </message>
</context>
<context>
    <name>DiagramFrame</name>
    <message>
        <source>Temperature and Moisture Profile</source>
        <translation>Temperatur- und Feuchteverlauf</translation>
    </message>
    <message>
        <source>Temperature and Vapour Pressure Profile</source>
        <translation>Temperatur- und Dampfdruckverlauf</translation>
    </message>
    <message>
        <source>Other Diagram</source>
        <translation>Weiteres Diagramm</translation>
    </message>
    <message>
        <source>Condensate (overhygroscopic moisture content) dark blue.</source>
        <translation>Tauwasser (überhygroskopischer Feuchtegehalt) dunkelblau.</translation>
    </message>
    <message>
        <source>No drawing: the input data are invalid.</source>
        <translation>Keine Darstellung: die Eingabedaten sind ungültig.</translation>
    </message>
</context>
<context>
    <name>DiagramScene</name>
    <message>
        <source>Temperature %1 in [%2C]</source>
        <translation>Temperatur %1 in [%2C]</translation>
    </message>
    <message>
        <source>Vapor pressure p in [Pa]</source>
        <translation>Dampfdruck p in [Pa]</translation>
    </message>
    <message>
        <source>Moisture content w in [%1]</source>
        <translation>Feuchtegehalt w in [%1]</translation>
    </message>
    <message>
        <source>Layer widths in [mm]</source>
        <translation>Schichtdicken in [mm]</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Sat. vapour pressure</source>
        <translation>Sättigungsdampfdruck</translation>
    </message>
    <message>
        <source>Vapour pressure (real)</source>
        <translation>Dampfdruck (real)</translation>
    </message>
    <message>
        <source>Vapour pressure (calc.)</source>
        <translation>Dampfdruck (berechnet)</translation>
    </message>
</context>
<context>
    <name>DiagramView</name>
    <message>
        <source>Vapour pressure diagram</source>
        <translation>Dampfdruckdiagramm</translation>
    </message>
    <message>
        <source>Water content diagram</source>
        <translation>Feuchtegehaltsdiagramm</translation>
    </message>
    <message>
        <source>Construction Sketch</source>
        <translation>Konstruktionsskizze</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>File is not a Tavo 2.0 project file.</source>
        <translation>Die Datei ist keine Projektdatei von Tavo 2.0.</translation>
    </message>
    <message>
        <source>[Document::readOld]  Keyword &apos;FileVersion&apos; missing!</source>
        <translation>[Document::readOld]  Schlüsselwort &apos;FileVersion&apos; fehlt!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing!</source>
        <translation>Blockbeginn &apos;{&apos; fehlt!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for climatelist!</source>
        <translation>Blockbeginn &apos;{&apos; der Klimaliste fehlt!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for wall data!</source>
        <translation>Blockbeginn &apos;{&apos; der Bauteildaten fehlt!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for remarks!</source>
        <translation>Blockbeginn &apos;{&apos; der Bemerkungen fehlt!</translation>
    </message>
    <message>
        <source>Error reading parameter &apos;%1&apos;!</source>
        <translation>Fehler beim Lesen des Parameters &apos;%1&apos;!</translation>
    </message>
    <message>
        <source>Invalid keyword &apos;%1&apos; in project file!</source>
        <translation>Ungültiges Schlüsselwort &apos;%1&apos; in der Projektdatei!</translation>
    </message>
    <message>
        <source>Error reading project file.
</source>
        <translation>Fehler beim Lesen der Projektdatei.
</translation>
    </message>
    <message>
        <source>[Document::readOld]  Error reading project file &apos;%1&apos;
</source>
        <translation>[Document::readOld]  Fehler beim Lesen der Projektdatei &apos;%1&apos;
</translation>
    </message>
</context>
<context>
    <name>DryingReserveSettings</name>
    <message>
        <source>Drying potential according DIN 68800-2</source>
        <translation>Trocknungsreserve nach DIN 68800-2</translation>
    </message>
    <message>
        <source>No drying reserve</source>
        <translation>Keine Trocknungsreserve</translation>
    </message>
    <message>
        <source>Drying reserve for ceilings and walls</source>
        <translation>Trocknungsreserve für Decken und Wände</translation>
    </message>
    <message>
        <source>Drying reserve for roofs</source>
        <translation>Trocknungsreserve für Dächer</translation>
    </message>
    <message>
        <source>Custom drying reserve</source>
        <translation>Eigene Trocknungsreserve</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>&lt;html&gt;(100g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</source>
        <translation>&lt;html&gt;(100g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;(250g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</source>
        <translation>&lt;html&gt;(250g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</translation>
    </message>
    <message>
        <source>In case of no condensation a drying reserve cannot by applied.</source>
        <translation>Ohne Tauwasser kann keine Trocknungsreserve angesetzt werden.</translation>
    </message>
    <message>
        <source>The drying reserve must be a number.</source>
        <translation>Die Trocknungsreserve muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>The drying reserve cannot be &lt; 0.</source>
        <translation>Die Trocknungsreserve kann nicht &lt; 0 sein.</translation>
    </message>
</context>
<context>
    <name>FooterFrame</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>GlaserFrame</name>
    <message>
        <source>Results according DIN 4108-3 (Glaser Scheme)</source>
        <translation>Ergebnisse nach DIN 4108-3 (Glaser-Verfahren)</translation>
    </message>
    <message>
        <source>Condensation Period (Winter)</source>
        <translation>Tauperiode (Winter)</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Condensation mass (according to Glaser)</source>
        <translation>Tauwassermasse (nach Glaser)</translation>
    </message>
    <message>
        <source>Interior climate (left)</source>
        <translation>Innenklima (links)</translation>
    </message>
    <message>
        <source>Outdoor climate (right)</source>
        <translation>Außenklima (rechts)</translation>
    </message>
    <message>
        <source>Drying Period (Summer)</source>
        <translation>Verdunstungsperiode (Sommer)</translation>
    </message>
    <message>
        <source>Potential drying mass</source>
        <translation>Mögliche Verdunstungsmasse</translation>
    </message>
    <message>
        <source>Duration of drying (according to Glaser)</source>
        <translation>Austrocknungszeit (nach Glaser)</translation>
    </message>
    <message>
        <source>Condensation zone</source>
        <translation>Tauwasserbereich</translation>
    </message>
</context>
<context>
    <name>HTMLTextFormatWidget</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>H1</source>
        <translation>Ü1</translation>
    </message>
    <message>
        <source>H2</source>
        <translation>Ü2</translation>
    </message>
    <message>
        <source>H3</source>
        <translation>Ü3</translation>
    </message>
    <message>
        <source>H4</source>
        <translation>Ü4</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Normal text</source>
        <translation>Normaler Text</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Überschrift 1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Überschrift 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Überschrift 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Überschrift 4</translation>
    </message>
    <message>
        <source>Small text</source>
        <translation>Kleine Schrift</translation>
    </message>
</context>
<context>
    <name>HatchedItemDelegate</name>
    <message>
        <source>warm</source>
        <translation>warm</translation>
    </message>
    <message>
        <source>cold</source>
        <translation>kalt</translation>
    </message>
</context>
<context>
    <name>InputData</name>
    <message>
        <source>[InputData::readClimateOld]  Four climate conditions are required!</source>
        <translation>[InputData::readClimateOld]  Es werden vier Klimabedingungen benötigt!</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Illegal keyword &apos;%1&apos;</source>
        <translation>[InputData::readClimateOld]  Unzulässiges Schlüsselwort &apos;%1&apos;</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Invalid keyword &apos;%1&apos;</source>
        <translation>[InputData::readClimateOld]  Ungültiges Schlüsselwort &apos;%1&apos;</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Error reading parameter &apos;%1&apos;!</source>
        <translation>[InputData::readClimateOld]  Fehler beim Lesen des Parameters &apos;%1&apos;!</translation>
    </message>
    <message>
        <source>[InputData::readConstructionOld]  Invalid keyword &apos;%1&apos;</source>
        <translation>[InputData::readConstructionOld]  Ungültiges Schlüsselwort &apos;%1&apos;</translation>
    </message>
    <message>
        <source>[InputData::readConstructionOld]  Block start &apos;{&apos; missing!</source>
        <translation>[InputData::readConstructionOld]  Blockbeginn &apos;{&apos; fehlt!</translation>
    </message>
</context>
<context>
    <name>LicenceDialog</name>
    <message>
        <source>Licences</source>
        <translation>Lizenzen</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>%1 is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version (GPL-3.0-or-later). It comes with NO WARRANTY.</source>
        <translation>%1 ist freie Software: Sie können sie unter den Bedingungen der GNU General Public License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder verändern, entweder gemäß Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren Version (GPL-3.0-or-later). Sie wird OHNE JEDE GEWÄHRLEISTUNG bereitgestellt.</translation>
    </message>
    <message>
        <source>Copyright © The Qt Company Ltd. and other contributors. Used under the GNU Lesser General Public License version 3 (LGPL-3.0). %1 links Qt dynamically: you may replace the Qt libraries with a modified version of your own.</source>
        <translation>Copyright © The Qt Company Ltd. und weitere Beitragende. Verwendet unter der GNU Lesser General Public License Version 3 (LGPL-3.0). %1 bindet Qt dynamisch ein: Sie dürfen die Qt-Bibliotheken durch eine eigene, veränderte Fassung ersetzen.</translation>
    </message>
    <message>
        <source>Copyright © The OpenSSL Project Authors. Used under the Apache License 2.0 (Apache-2.0) to read and write the enciphered material database.</source>
        <translation>Copyright © The OpenSSL Project Authors. Verwendet unter der Apache License 2.0 (Apache-2.0), um die verschlüsselte Materialdatenbank zu lesen und zu schreiben.</translation>
    </message>
    <message>
        <source>Sources of the material values</source>
        <translation>Quellen der Materialkennwerte</translation>
    </message>
    <message>
        <source>DIN 4108-4:2020, DIN EN ISO 10456:2010, the MASEA material database, IEA Annex 24, the USDA Wood Handbook, hygrothermal data sets from the literature and typical product declarations. Many moisture storage values are estimates; the declared values of a real product take precedence.</source>
        <translation>DIN 4108-4:2020, DIN EN ISO 10456:2010, die Materialdatenbank MASEA, IEA Annex 24, das USDA Wood Handbook, hygrothermische Datensätze aus der Literatur und typische Produktangaben. Viele Feuchtespeicherwerte sind geschätzt; die erklärten Werte eines realen Produkts haben Vorrang.</translation>
    </message>
    <message>
        <source>The full texts are installed with the documentation (LICENSE, THIRD-PARTY-NOTICES.md).</source>
        <translation>Die vollständigen Texte werden mit der Dokumentation installiert (LICENSE, THIRD-PARTY-NOTICES.md).</translation>
    </message>
</context>
<context>
    <name>LogFileDialog</name>
    <message>
        <source>Log file</source>
        <translation>Protokolldatei</translation>
    </message>
    <message>
        <source>[Only the end of the log file is shown.]</source>
        <translation>[Es wird nur das Ende der Protokolldatei angezeigt.]</translation>
    </message>
    <message>
        <source>No logfile found at position
 %1</source>
        <translation>Keine Protokolldatei gefunden an der Position
 %1</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>A software for hygrothermal evaluation of building envelope systems</source>
        <translation>Eine Software zur hygrothermischen Bewertung von Bauteilen der Gebäudehülle</translation>
    </message>
    <message>
        <source>Tavo 2</source>
        <translation>Tavo 2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Application Language</source>
        <translation>Programmsprache</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Hauptwerkzeugleiste</translation>
    </message>
    <message>
        <source>Diagram toolbar</source>
        <translation>Diagrammwerkzeugleiste</translation>
    </message>
    <message>
        <source>Heat flow direction</source>
        <translation>Wärmestromrichtung</translation>
    </message>
    <message>
        <source>New project...</source>
        <translation>Neues Projekt...</translation>
    </message>
    <message>
        <source>Creates a new project.</source>
        <translation>Erstellt ein neues Projekt.</translation>
    </message>
    <message>
        <source>Open project...</source>
        <translation>Projekt öffnen...</translation>
    </message>
    <message>
        <source>Opens a project.</source>
        <translation>Öffnet ein Projekt.</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Saves the current project.</source>
        <translation>Speichert das aktuelle Projekt.</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save project as...</source>
        <translation>Projekt speichern unter...</translation>
    </message>
    <message>
        <source>Saves the current project under a new name.</source>
        <translation>Speichert das aktuelle Projekt unter einem neuen Namen.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Closes the program.</source>
        <translation>Beendet das Programm.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Prints the report.</source>
        <translation>Druckt den Bericht.</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe...</translation>
    </message>
    <message>
        <source>Opens the program help.</source>
        <translation>Öffnet die Programmhilfe.</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About %1 ...</source>
        <translation>Über %1 ...</translation>
    </message>
    <message>
        <source>Opens the About dialog.</source>
        <translation>Öffnet den Info-Dialog.</translation>
    </message>
    <message>
        <source>About Qt...</source>
        <translation>Über Qt...</translation>
    </message>
    <message>
        <source>Opens the Qt About dialog.</source>
        <translation>Öffnet den Info-Dialog von Qt.</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Opens the configuration dialog.</source>
        <translation>Öffnet den Einstellungsdialog.</translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation>Zuletzt verwendete Projekte</translation>
    </message>
    <message>
        <source>Shows list of recently used projects.</source>
        <translation>Zeigt die Liste der zuletzt verwendeten Projekte.</translation>
    </message>
    <message>
        <source>Show moisture content profile</source>
        <translation>Feuchtegehaltsverlauf anzeigen</translation>
    </message>
    <message>
        <source>Show moisture content</source>
        <translation>Feuchtegehalt anzeigen</translation>
    </message>
    <message>
        <source>Toggles display of vapor pressure profile or moisture content profile</source>
        <translation>Schaltet zwischen Dampfdruckverlauf und Feuchtegehaltsverlauf um</translation>
    </message>
    <message>
        <source>Use hatching</source>
        <translation>Schraffur verwenden</translation>
    </message>
    <message>
        <source>Toggles display of hatched material layers.</source>
        <translation>Schaltet die Schraffur der Materialschichten ein oder aus.</translation>
    </message>
    <message>
        <source>Qt User Interface Configuration...</source>
        <translation>Qt-Oberflächenkonfiguration...</translation>
    </message>
    <message>
        <source>Opens the Qt User Interface Configuration tool</source>
        <translation>Öffnet das Konfigurationsprogramm der Qt-Oberfläche</translation>
    </message>
    <message>
        <source>Select Material...</source>
        <translation>Material auswählen...</translation>
    </message>
    <message>
        <source>= Mat</source>
        <translation>= Mat</translation>
    </message>
    <message>
        <source>Opens the material database dialog to select a material for this layer.</source>
        <translation>Öffnet die Materialdatenbank, um ein Material für diese Schicht auszuwählen.</translation>
    </message>
    <message>
        <source>Edit Material Database...</source>
        <translation>Materialdatenbank bearbeiten...</translation>
    </message>
    <message>
        <source>Open the Database Dialog for viewing and editing material or construction data</source>
        <translation>Öffnet die Datenbank zum Ansehen und Bearbeiten von Material- oder Konstruktionsdaten</translation>
    </message>
    <message>
        <source>Add layer to the left</source>
        <translation>Schicht links einfügen</translation>
    </message>
    <message>
        <source>+ Left</source>
        <translation>+ Links</translation>
    </message>
    <message>
        <source>Adds a new layer or construction to the left of the currently selected layer.</source>
        <translation>Fügt links von der ausgewählten Schicht eine neue Schicht oder Konstruktion ein.</translation>
    </message>
    <message>
        <source>Add layer to the right</source>
        <translation>Schicht rechts einfügen</translation>
    </message>
    <message>
        <source>+ Right</source>
        <translation>+ Rechts</translation>
    </message>
    <message>
        <source>Adds a new layer or construction to the right of the currently selected layer.</source>
        <translation>Fügt rechts von der ausgewählten Schicht eine neue Schicht oder Konstruktion ein.</translation>
    </message>
    <message>
        <source>Remove current layer</source>
        <translation>Aktuelle Schicht entfernen</translation>
    </message>
    <message>
        <source>- Layer</source>
        <translation>- Schicht</translation>
    </message>
    <message>
        <source>Removes the currently selected layer.</source>
        <translation>Entfernt die ausgewählte Schicht.</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Nach links verschieben</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;</source>
        <translation>&lt;&lt;&lt;</translation>
    </message>
    <message>
        <source>Moves current layer to the left.</source>
        <translation>Verschiebt die ausgewählte Schicht nach links.</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Nach rechts verschieben</translation>
    </message>
    <message>
        <source>&gt;&gt;&gt;</source>
        <translation>&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Moves current layer to the right.</source>
        <translation>Verschiebt die ausgewählte Schicht nach rechts.</translation>
    </message>
    <message>
        <source>Report setup / Print preview ...</source>
        <translation>Bericht einrichten / Druckvorschau ...</translation>
    </message>
    <message>
        <source>Opens the print preview and setup dialog.</source>
        <translation>Öffnet die Druckvorschau mit den Berichtseinstellungen.</translation>
    </message>
    <message>
        <source>Edit project information...</source>
        <translation>Projektinformationen bearbeiten...</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Skizze</translation>
    </message>
    <message>
        <source>Copy sketch image</source>
        <translation>Skizze kopieren</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Copy chart image</source>
        <translation>Diagramm kopieren</translation>
    </message>
    <message>
        <source>Export sketch image to file</source>
        <translation>Skizze in Datei exportieren</translation>
    </message>
    <message>
        <source>Export chart image to file</source>
        <translation>Diagramm in Datei exportieren</translation>
    </message>
    <message>
        <source>Add to Construction Database...</source>
        <translation>Zur Konstruktionsdatenbank hinzufügen...</translation>
    </message>
    <message>
        <source>Adds the current construction to the construction database.</source>
        <translation>Fügt die aktuelle Konstruktion der Konstruktionsdatenbank hinzu.</translation>
    </message>
    <message>
        <source>Heat flow up</source>
        <translation>Wärmestrom nach oben</translation>
    </message>
    <message>
        <source>Horizontal construction with heat flow upwards.</source>
        <translation>Horizontales Bauteil mit Wärmestrom nach oben.</translation>
    </message>
    <message>
        <source>horizontal heat flow</source>
        <translation>horizontaler Wärmestrom</translation>
    </message>
    <message>
        <source>Vertical construction with horizontal heat flow.</source>
        <translation>Vertikales Bauteil mit horizontalem Wärmestrom.</translation>
    </message>
    <message>
        <source>Heat flow down</source>
        <translation>Wärmestrom nach unten</translation>
    </message>
    <message>
        <source>Horizontal construction with heat flow downwards.</source>
        <translation>Horizontales Bauteil mit Wärmestrom nach unten.</translation>
    </message>
    <message>
        <source>Help heat flow directions</source>
        <translation>Hilfe zu den Wärmestromrichtungen</translation>
    </message>
    <message>
        <source>Add Material to User Database</source>
        <translation>Material zur Benutzerdatenbank hinzufügen</translation>
    </message>
    <message>
        <source>Show Logfile</source>
        <translation>Protokolldatei anzeigen</translation>
    </message>
    <message>
        <source>Show the logfile of TAVO2.</source>
        <translation>Zeigt die Protokolldatei von TAVO2.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Show/hide main toolbar</source>
        <translation>Hauptwerkzeugleiste ein-/ausblenden</translation>
    </message>
    <message>
        <source>Shows/hides the main toolbar</source>
        <translation>Blendet die Hauptwerkzeugleiste ein oder aus</translation>
    </message>
    <message>
        <source>Show/hide diagram toolbar</source>
        <translation>Diagrammwerkzeugleiste ein-/ausblenden</translation>
    </message>
    <message>
        <source>Shows/hides the diagram toolbar</source>
        <translation>Blendet die Diagrammwerkzeugleiste ein oder aus</translation>
    </message>
    <message>
        <source>Save project before closing</source>
        <translation>Projekt vor dem Schließen speichern</translation>
    </message>
    <message>
        <source>Would you like to save the project before closing it?</source>
        <translation>Möchten Sie das Projekt vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Error loading project file</source>
        <translation>Fehler beim Laden der Projektdatei</translation>
    </message>
    <message>
        <source>Error #3: Saving failed</source>
        <translation>Fehler #3: Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Error while saving project file!</source>
        <translation>Fehler beim Speichern der Projektdatei!</translation>
    </message>
    <message>
        <source>Specify %1 project file</source>
        <translation>%1-Projektdatei festlegen</translation>
    </message>
    <message>
        <source>%2 project (*.%1)</source>
        <translation>%2-Projekt (*.%1)</translation>
    </message>
    <message>
        <source>%1 Projects (*.%2)</source>
        <translation>%1-Projekte (*.%2)</translation>
    </message>
    <message>
        <source>;;%1 Projects (*.%2);;All files (*.*)</source>
        <translation>;;%1-Projekte (*.%2);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Select %1 project file</source>
        <translation>%1-Projektdatei auswählen</translation>
    </message>
    <message>
        <source>Error #4: File not found</source>
        <translation>Fehler #4: Datei nicht gefunden</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be found or does not exist.</source>
        <translation>Die Datei &apos;%1&apos; wurde nicht gefunden oder existiert nicht.</translation>
    </message>
    <message>
        <source>Error #5: File not found</source>
        <translation>Fehler #5: Datei nicht gefunden</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be found or does not exist.
%2</source>
        <translation>Die Datei &apos;%1&apos; wurde nicht gefunden oder existiert nicht.
%2</translation>
    </message>
    <message>
        <source>Remove this file from list?</source>
        <translation>Diese Datei aus der Liste entfernen?</translation>
    </message>
    <message>
        <source>Help file error</source>
        <translation>Fehler beim Öffnen der Hilfe</translation>
    </message>
    <message>
        <source>The help file cannot be found on location:
%1</source>
        <translation>Die Hilfedatei wurde an diesem Ort nicht gefunden:
%1</translation>
    </message>
    <message>
        <source>Languange changed</source>
        <translation>Sprache geändert</translation>
    </message>
    <message>
        <source>Please restart the software to activate the new language!</source>
        <translation>Bitte starten Sie das Programm neu, um die neue Sprache zu aktivieren!</translation>
    </message>
    <message>
        <source>%1 (not available in this version yet)</source>
        <translation>%1 (in dieser Version noch nicht verfügbar)</translation>
    </message>
    <message>
        <source>User material database</source>
        <translation>Benutzer-Materialdatenbank</translation>
    </message>
    <message>
        <source>Visit the web site...</source>
        <translation>Webseite besuchen...</translation>
    </message>
    <message>
        <source>Opens the program&apos;s web site in the browser.</source>
        <translation>Öffnet die Webseite des Programms im Browser.</translation>
    </message>
    <message>
        <source>Png file (*.png)</source>
        <translation>PNG-Datei (*.png)</translation>
    </message>
    <message>
        <source>Pdf file (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>Svg file (*.svg)</source>
        <translation>SVG-Datei (*.svg)</translation>
    </message>
    <message>
        <source>Jpg image (*.jpg)</source>
        <translation>JPG-Bild (*.jpg)</translation>
    </message>
    <message>
        <source>The PDF document could not be created.</source>
        <translation>Das PDF-Dokument konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>Das Bild konnte nicht kodiert werden.</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>The web site %1 could not be opened.</source>
        <translation>Die Webseite %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Change material on layer no. %L1</source>
        <translation>Material der Schicht Nr. %L1 ändern</translation>
    </message>
    <message>
        <source>Add layer left to no. %L1</source>
        <translation>Schicht links von Nr. %L1 einfügen</translation>
    </message>
    <message>
        <source>Add layer right to no. %L1</source>
        <translation>Schicht rechts von Nr. %L1 einfügen</translation>
    </message>
    <message>
        <source>Remove layer no. %L1</source>
        <translation>Schicht Nr. %L1 entfernen</translation>
    </message>
    <message>
        <source>Move layer no. %L1 to left</source>
        <translation>Schicht Nr. %L1 nach links verschieben</translation>
    </message>
    <message>
        <source>Move layer no. %L1 to right</source>
        <translation>Schicht Nr. %L1 nach rechts verschieben</translation>
    </message>
    <message>
        <source>Change heat flow direction to %1</source>
        <translation>Wärmestromrichtung auf %1 ändern</translation>
    </message>
    <message>
        <source>The material &apos;%1&apos; of layer no. %L2 is not valid and cannot be added to the user database.</source>
        <translation>Das Material &apos;%1&apos; der Schicht Nr. %L2 ist nicht gültig und kann nicht zur Benutzerdatenbank hinzugefügt werden.</translation>
    </message>
    <message>
        <source>The material &apos;%1&apos; is already in the user database.</source>
        <translation>Das Material &apos;%1&apos; ist bereits in der Benutzerdatenbank.</translation>
    </message>
    <message>
        <source>The material &apos;%1&apos; was added to the user database.</source>
        <translation>Das Material &apos;%1&apos; wurde zur Benutzerdatenbank hinzugefügt.</translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Datei exportieren</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists.
Do you want to replace it?</source>
        <translation>Die Datei &apos;%1&apos; existiert bereits.
Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be written.
%2</source>
        <translation>Die Datei &apos;%1&apos; konnte nicht geschrieben werden.
%2</translation>
    </message>
    <message>
        <source>Exported to &apos;%1&apos;.</source>
        <translation>Nach &apos;%1&apos; exportiert.</translation>
    </message>
    <message>
        <source>Add construction left to no. %L1</source>
        <translation>Konstruktion links von Nr. %L1 hinzufügen</translation>
    </message>
    <message>
        <source>Add construction right to no. %L1</source>
        <translation>Konstruktion rechts von Nr. %L1 hinzufügen</translation>
    </message>
    <message>
        <source>Add to Construction Database</source>
        <translation>Zur Konstruktionsdatenbank hinzufügen</translation>
    </message>
    <message>
        <source>Construction database</source>
        <translation>Konstruktionsdatenbank</translation>
    </message>
    <message>
        <source>The construction &apos;%1&apos; was added, but the construction database could not be saved in &apos;%2&apos;. It is saved again when the program closes.</source>
        <translation>Die Konstruktion &apos;%1&apos; wurde hinzugefügt, aber die Konstruktionsdatenbank konnte nicht in &apos;%2&apos; gespeichert werden. Sie wird beim Beenden des Programms erneut gespeichert.</translation>
    </message>
    <message>
        <source>The construction &apos;%1&apos; was added to the construction database.</source>
        <translation>Die Konstruktion &apos;%1&apos; wurde zur Konstruktionsdatenbank hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>Material</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading material name!</source>
        <translation>[Material::readOld]  Fehler beim Lesen des Materialnamens!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Invalid keyword &apos;%1&apos;</source>
        <translation>[Material::readOld]  Ungültiges Schlüsselwort &apos;%1&apos;</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;%1&apos;!</source>
        <translation>[Material::readOld]  Fehler beim Lesen des Parameters &apos;%1&apos;!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Material &apos;%1&apos;: missing data (%2)!</source>
        <translation>[Material::readOld]  Material &apos;%1&apos;: fehlende Daten (%2)!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading material data!
</source>
        <translation>[Material::readOld]  Fehler beim Lesen der Materialdaten!
</translation>
    </message>
    <message>
        <source>Invalid encoding &apos;%1&apos; of material color.</source>
        <translation>Ungültige Angabe &apos;%1&apos; der Materialfarbe.</translation>
    </message>
</context>
<context>
    <name>MaterialCategory</name>
    <message>
        <source>Coating</source>
        <comment>MaterialCategory</comment>
        <translation>Beschichtungen</translation>
    </message>
    <message>
        <source>Plaster and mortar</source>
        <comment>MaterialCategory</comment>
        <translation>Putze und Mörtel</translation>
    </message>
    <message>
        <source>Building brick</source>
        <comment>MaterialCategory</comment>
        <translation>Mauersteine</translation>
    </message>
    <message>
        <source>Natural stones</source>
        <comment>MaterialCategory</comment>
        <translation>Natursteine</translation>
    </message>
    <message>
        <source>Concrete containing building materials</source>
        <comment>MaterialCategory</comment>
        <translation>Betonhaltige Baustoffe</translation>
    </message>
    <message>
        <source>Insulation materials</source>
        <comment>MaterialCategory</comment>
        <translation>Dämmstoffe</translation>
    </message>
    <message>
        <source>Building boards</source>
        <comment>MaterialCategory</comment>
        <translation>Bauplatten</translation>
    </message>
    <message>
        <source>Timber</source>
        <comment>MaterialCategory</comment>
        <translation>Holz</translation>
    </message>
    <message>
        <source>Natural materials</source>
        <comment>MaterialCategory</comment>
        <translation>Naturbaustoffe</translation>
    </message>
    <message>
        <source>Soil</source>
        <comment>MaterialCategory</comment>
        <translation>Erdreich</translation>
    </message>
    <message>
        <source>Cladding panels and ceramic tiles</source>
        <comment>MaterialCategory</comment>
        <translation>Bekleidungen und keramische Fliesen</translation>
    </message>
    <message>
        <source>Foils and waterproofing products</source>
        <comment>MaterialCategory</comment>
        <translation>Folien und Abdichtungsstoffe</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <comment>MaterialCategory</comment>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>MaterialCategory</comment>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>MaterialConstructionTabWidget</name>
    <message>
        <source>Materials</source>
        <translation>Materialien</translation>
    </message>
    <message>
        <source>Constructions</source>
        <translation>Konstruktionen</translation>
    </message>
</context>
<context>
    <name>MaterialDatabaseDialog</name>
    <message>
        <source>Material/Construction Database</source>
        <translation>Material-/Konstruktionsdatenbank</translation>
    </message>
    <message>
        <source>Information about material properties</source>
        <translation>Informationen zu Materialeigenschaften</translation>
    </message>
    <message>
        <source>User material database</source>
        <translation>Benutzer-Materialdatenbank</translation>
    </message>
    <message>
        <source>The user materials could not be saved in &apos;%1&apos;. They are kept while the program runs and saved again when it closes.</source>
        <translation>Die Benutzermaterialien konnten nicht in &apos;%1&apos; gespeichert werden. Sie bleiben erhalten, solange das Programm läuft, und werden beim Beenden erneut gespeichert.</translation>
    </message>
    <message>
        <source>Construction database</source>
        <translation>Konstruktionsdatenbank</translation>
    </message>
    <message>
        <source>The constructions could not be saved in &apos;%1&apos;. They are kept while the program runs and saved again when it closes.</source>
        <translation>Die Konstruktionen konnten nicht in &apos;%1&apos; gespeichert werden. Sie bleiben erhalten, solange das Programm läuft, und werden beim Beenden erneut gespeichert.</translation>
    </message>
</context>
<context>
    <name>MaterialDatabaseWidget</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add a new user defined material</source>
        <translation>Ein neues benutzerdefiniertes Material hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Removes user defined material</source>
        <translation>Entfernt das benutzerdefinierte Material</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the selected material into the user materials</source>
        <translation>Das ausgewählte Material in die Benutzermaterialien kopieren</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit user defined material</source>
        <translation>Benutzerdefiniertes Material bearbeiten</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Add the materials of a material file to the user materials</source>
        <translation>Die Materialien einer Materialdatei zu den Benutzermaterialien hinzufügen</translation>
    </message>
    <message>
        <source>Copy material</source>
        <translation>Material kopieren</translation>
    </message>
    <message>
        <source>Select file with user material database.</source>
        <translation>Datei mit Benutzer-Materialdatenbank auswählen.</translation>
    </message>
    <message>
        <source>Database for Tavo 1.9 (*.txt)</source>
        <translation>Datenbank für Tavo 1.9 (*.txt)</translation>
    </message>
    <message>
        <source>;;Database for Tavo 2.0 (*.tmat)</source>
        <translation>;;Datenbank für Tavo 2.0 (*.tmat)</translation>
    </message>
    <message>
        <source>Materials added.</source>
        <translation>Materialien hinzugefügt.</translation>
    </message>
    <message>
        <source>Material read error.</source>
        <translation>Fehler beim Lesen der Materialien.</translation>
    </message>
</context>
<context>
    <name>MaterialEditDialog</name>
    <message>
        <source>Edit Material</source>
        <translation>Material bearbeiten</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Name of the material</source>
        <translation>Name des Materials</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Product Id / Origin</source>
        <translation>Produkt-ID / Herkunft</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Data source</source>
        <translation>Datenquelle</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Rohdichte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Thermal conductivity</source>
        <translation>Wärmeleitfähigkeit</translation>
    </message>
    <message>
        <source>µ - value</source>
        <translation>µ-Wert</translation>
    </message>
    <message>
        <source>Moisture content for 80 %RH.</source>
        <translation>Feuchtegehalt bei 80 % r.F.</translation>
    </message>
    <message>
        <source>Saturation moisture content</source>
        <translation>Sättigungsfeuchtegehalt</translation>
    </message>
    <message>
        <source>Water uptake coefficient</source>
        <translation>Wasseraufnahmekoeffizient</translation>
    </message>
    <message>
        <source>sd-value</source>
        <translation>sd-Wert</translation>
    </message>
    <message>
        <source>Information about material properties</source>
        <translation>Informationen zu den Materialeigenschaften</translation>
    </message>
    <message>
        <source>The density must be &gt; 0.</source>
        <translation>Die Rohdichte muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The thermal conductivity must be &gt; 0.</source>
        <translation>Die Wärmeleitfähigkeit muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The vapor resistance factor must be &gt; 0.</source>
        <translation>Die Wasserdampf-Diffusionswiderstandszahl muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The water uptake coefficient must be &gt; 0.</source>
        <translation>Der Wasseraufnahmekoeffizient muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The moisture content at 80% humidity must be &gt; 0 and lower than the saturation moisture content.</source>
        <translation>Der Feuchtegehalt bei 80 % r.F. muss &gt; 0 und kleiner als der Sättigungsfeuchtegehalt sein.</translation>
    </message>
    <message>
        <source>The moisture content at saturation must be larger than the moisture content at 80% humidity and lower equal than 1.0.</source>
        <translation>Der Sättigungsfeuchtegehalt muss größer als der Feuchtegehalt bei 80 % r.F. und kleiner oder gleich 1,0 sein.</translation>
    </message>
    <message>
        <source>The sd-value must be &gt; 0.</source>
        <translation>Der sd-Wert muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Holz</translation>
    </message>
    <message>
        <source>Wood based</source>
        <translation>Holzwerkstoff</translation>
    </message>
    <message>
        <source>Foil</source>
        <translation>Folie</translation>
    </message>
    <message>
        <source>Air layer is not editable!</source>
        <translation>Eine Luftschicht kann nicht bearbeitet werden!</translation>
    </message>
    <message>
        <source>Select Material Color</source>
        <translation>Materialfarbe wählen</translation>
    </message>
</context>
<context>
    <name>MaterialEditWidget</name>
    <message>
        <source>Layer</source>
        <translation>Schicht</translation>
    </message>
    <message>
        <source>Layer color:</source>
        <translation>Schichtfarbe:</translation>
    </message>
    <message>
        <source>Select Layer Color</source>
        <translation>Schichtfarbe wählen</translation>
    </message>
    <message>
        <source>Material properties</source>
        <translation>Materialeigenschaften</translation>
    </message>
    <message>
        <source>Material name:</source>
        <translation>Materialname:</translation>
    </message>
    <message>
        <source>Thermal conductivity [W/mK]:</source>
        <translation>Wärmeleitfähigkeit [W/mK]:</translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor µ [-]:</source>
        <translation>Wasserdampf-Diffusionswiderstandszahl µ [-]:</translation>
    </message>
    <message>
        <source>sd-value [m]:</source>
        <translation>sd-Wert [m]:</translation>
    </message>
    <message>
        <source>The layer width must be &gt; 0.</source>
        <translation>Die Schichtdicke muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The thermal conductivity must be &gt; 0.</source>
        <translation>Die Wärmeleitfähigkeit muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The vapor resistance factor must be at least 0.1.</source>
        <translation>Die Wasserdampf-Diffusionswiderstandszahl muss mindestens 0,1 sein.</translation>
    </message>
    <message>
        <source>The water uptake coefficient must be &gt; 0.</source>
        <translation>Der Wasseraufnahmekoeffizient muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The moisture content at 80% humidity must be &gt; 0 and lower than the saturation moisture content.</source>
        <translation>Der Feuchtegehalt bei 80 % r.F. muss &gt; 0 und kleiner als der Sättigungsfeuchtegehalt sein.</translation>
    </message>
    <message>
        <source>The moisture content at saturation must be larger than the moisture content at 80% humidity and lower equal than 1.0.</source>
        <translation>Der Sättigungsfeuchtegehalt muss größer als der Feuchtegehalt bei 80 % r.F. und kleiner oder gleich 1,0 sein.</translation>
    </message>
    <message>
        <source>The sd-value must be &gt; 0.</source>
        <translation>Der sd-Wert muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>Layer width/height [%1]:</source>
        <translation>Schichtdicke [%1]:</translation>
    </message>
    <message>
        <source>Moisture content at 80% RH [m%1/m%1]:</source>
        <translation>Feuchtegehalt bei 80 % r.F. [m%1/m%1]:</translation>
    </message>
    <message>
        <source>Moisture content at saturation [m%1/m%1]:</source>
        <translation>Sättigungsfeuchtegehalt [m%1/m%1]:</translation>
    </message>
    <message>
        <source>Water absorption coefficient [kg/m%1s%2]:</source>
        <translation>Wasseraufnahmekoeffizient [kg/m%1s%2]:</translation>
    </message>
    <message>
        <source>Water absorption coefficient [kg/m%1h%2]:</source>
        <translation>Wasseraufnahmekoeffizient [kg/m%1h%2]:</translation>
    </message>
    <message>
        <source>Layer No. %1</source>
        <translation>Schicht Nr. %1</translation>
    </message>
    <message>
        <source>Undo layer width change at layer No. %1</source>
        <translation>Änderung der Schichtdicke in Schicht Nr. %1</translation>
    </message>
    <message>
        <source>Undo lambda change at layer No. %1</source>
        <translation>Änderung von Lambda in Schicht Nr. %1</translation>
    </message>
    <message>
        <source>Undo %L1-value change at layer No. %2</source>
        <translation>Änderung des %L1-Werts in Schicht Nr. %2</translation>
    </message>
    <message>
        <source>Undo w_80 change at layer No. %1</source>
        <translation>Änderung von w_80 in Schicht Nr. %1</translation>
    </message>
    <message>
        <source>Undo w_sat change at layer No. %1</source>
        <translation>Änderung von w_sat in Schicht Nr. %1</translation>
    </message>
    <message>
        <source>Undo Aw change at layer No. %1</source>
        <translation>Änderung von Aw in Schicht Nr. %1</translation>
    </message>
    <message>
        <source>The material name must not be empty.</source>
        <translation>Der Materialname darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Undo change of material name at layer No. %1</source>
        <translation>Änderung des Materialnamens in Schicht Nr. %1</translation>
    </message>
    <message>
        <source>Undo change of color at layer No. %1</source>
        <translation>Änderung der Farbe in Schicht Nr. %1</translation>
    </message>
</context>
<context>
    <name>MaterialLayer</name>
    <message>
        <source>[MaterialLayer::readOld]  Error reading parameter &apos;Width&apos;!</source>
        <translation>[MaterialLayer::readOld]  Fehler beim Lesen des Parameters &apos;Width&apos;!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Block start &apos;{&apos; of material definition missing!</source>
        <translation>[MaterialLayer::readOld]  Blockbeginn &apos;{&apos; der Materialdefinition fehlt!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Invalid keyword!</source>
        <translation>[MaterialLayer::readOld]  Ungültiges Schlüsselwort!</translation>
    </message>
</context>
<context>
    <name>MaterialList</name>
    <message>
        <source>Cannot read file &apos;%1&apos;.</source>
        <translation>Die Datei &apos;%1&apos; kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Keyword &apos;FileVersion&apos; missing!</source>
        <translation>Schlüsselwort &apos;FileVersion&apos; fehlt!</translation>
    </message>
    <message>
        <source>Keyword &apos;MATERIAL_LIST&apos; missing!</source>
        <translation>Schlüsselwort &apos;MATERIAL_LIST&apos; fehlt!</translation>
    </message>
    <message>
        <source>Missing block start!</source>
        <translation>Blockbeginn fehlt!</translation>
    </message>
    <message>
        <source>Unexpected end of file!</source>
        <translation>Unerwartetes Dateiende!</translation>
    </message>
    <message>
        <source>Invalid keyword!</source>
        <translation>Ungültiges Schlüsselwort!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; of material definition missing!</source>
        <translation>Blockbeginn &apos;{&apos; der Materialdefinition fehlt!</translation>
    </message>
    <message>
        <source>Error reading material name!</source>
        <translation>Fehler beim Lesen des Materialnamens!</translation>
    </message>
    <message>
        <source>Invalid keyword &apos;%1&apos;!</source>
        <translation>Ungültiges Schlüsselwort &apos;%1&apos;!</translation>
    </message>
    <message>
        <source>Error reading parameter &apos;%1&apos;!</source>
        <translation>Fehler beim Lesen des Parameters &apos;%1&apos;!</translation>
    </message>
    <message>
        <source>Missing data!</source>
        <translation>Fehlende Daten!</translation>
    </message>
    <message>
        <source>Error reading material data!
</source>
        <translation>Fehler beim Lesen der Materialdaten!
</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Air space (not ventilated)</source>
        <translation>Luftschicht (ruhend)</translation>
    </message>
    <message>
        <source>Thermal conductivity will be calculated from construction and heat flow according DIN EN ISO 6946 5.3.</source>
        <translation>Die Wärmeleitfähigkeit wird aus Konstruktion und Wärmestromrichtung nach DIN EN ISO 6946 5.3 berechnet.</translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor will be calculated from construction according DIN EN ISO 13788 4.1.</source>
        <translation>Die Wasserdampf-Diffusionswiderstandszahl wird aus der Konstruktion nach DIN EN ISO 13788 4.1 berechnet.</translation>
    </message>
    <message>
        <source>No valid material file &apos;%1&apos;
 Extension sould be &apos;txt&apos; or &apos;tmat&apos;</source>
        <translation>Keine gültige Materialdatei &apos;%1&apos;
 Die Endung sollte &apos;txt&apos; oder &apos;tmat&apos; sein</translation>
    </message>
    <message>
        <source>%1 materials found in file &apos;%2&apos;</source>
        <translation>%1 Materialien in der Datei &apos;%2&apos; gefunden</translation>
    </message>
    <message>
        <source>No materials found in file &apos;%1&apos;</source>
        <translation>Keine Materialien in der Datei &apos;%1&apos; gefunden</translation>
    </message>
    <message>
        <source>The file could not be read to its end; the materials after the damaged entry are missing.</source>
        <translation>Die Datei konnte nicht bis zum Ende gelesen werden; die Materialien nach dem beschädigten Eintrag fehlen.</translation>
    </message>
    <message>
        <source>The user material file &apos;%1&apos; cannot be read: it is damaged or was written by another version of the program. It is not overwritten but kept under a name ending in &quot;.corrupt&quot; when the user materials are saved.</source>
        <translation>Die Benutzer-Materialdatei &apos;%1&apos; kann nicht gelesen werden: Sie ist beschädigt oder wurde von einer anderen Programmversion geschrieben. Sie wird nicht überschrieben, sondern beim Speichern der Benutzermaterialien unter einem Namen mit der Endung &quot;.corrupt&quot; aufbewahrt.</translation>
    </message>
    <message>
        <source>The user material file &apos;%1&apos; could not be read completely. The %2 materials read before the damage are used; the file itself is not overwritten but kept under a name ending in &quot;.corrupt&quot; when the user materials are saved.</source>
        <translation>Die Benutzer-Materialdatei &apos;%1&apos; konnte nicht vollständig gelesen werden. Die %2 vor der Beschädigung gelesenen Materialien werden verwendet; die Datei selbst wird nicht überschrieben, sondern beim Speichern der Benutzermaterialien unter einem Namen mit der Endung &quot;.corrupt&quot; aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>MaterialTransfer</name>
    <message>
        <source>Data source: %1
</source>
        <translation>Datenquelle: %1
</translation>
    </message>
    <message>
        <source>Notes: %1
</source>
        <translation>Anmerkungen: %1
</translation>
    </message>
    <message>
        <source>Air
</source>
        <comment>Material flag</comment>
        <translation>Luft
</translation>
    </message>
    <message>
        <source>Wood
</source>
        <comment>Material flag</comment>
        <translation>Holz
</translation>
    </message>
    <message>
        <source>Wood based
</source>
        <comment>Material flag</comment>
        <translation>Holzwerkstoff
</translation>
    </message>
    <message>
        <source>Measuring date: %1
</source>
        <translation>Messdatum: %1
</translation>
    </message>
    <message>
        <source>Production date: %1
</source>
        <translation>Herstellungsdatum: %1
</translation>
    </message>
    <message>
        <source>Sampling date: %1
</source>
        <translation>Probenahmedatum: %1
</translation>
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
    <name>NewProjectWizard</name>
    <message>
        <source>New Project Wizard</source>
        <translation>Assistent für neue Projekte</translation>
    </message>
    <message>
        <source>Project Information</source>
        <translation>Projektinformationen</translation>
    </message>
    <message>
        <source>Please enter the information for this new project. You can change the default project information in the preferences dialog.</source>
        <translation>Bitte geben Sie die Informationen zu diesem neuen Projekt ein. Die Standard-Projektinformationen können Sie in den Einstellungen ändern.</translation>
    </message>
    <message>
        <source>Project template</source>
        <translation>Projektvorlage</translation>
    </message>
    <message>
        <source>The project template &apos;%1&apos; cannot be read.
%2</source>
        <translation>Die Projektvorlage &apos;%1&apos; kann nicht gelesen werden.
%2</translation>
    </message>
</context>
<context>
    <name>NewProjectWizardMaterialPage</name>
    <message>
        <source>Select material for first layer</source>
        <translation>Material für die erste Schicht wählen</translation>
    </message>
    <message>
        <source>You can add your own projects as templates by copying the project files into the Templates subdirectory.</source>
        <translation>Eigene Projekte können Sie als Vorlagen hinzufügen, indem Sie die Projektdateien in das Unterverzeichnis Templates kopieren.</translation>
    </message>
    <message>
        <source>Please select a material below. This material will be the first material layer of your construction. You can choose any material now and add/move/delete layers later as required.</source>
        <translation>Bitte wählen Sie unten ein Material. Dieses Material wird die erste Schicht Ihrer Konstruktion. Sie können jetzt ein beliebiges Material wählen und später nach Bedarf Schichten hinzufügen, verschieben oder löschen.</translation>
    </message>
    <message>
        <source>Project template:</source>
        <translation>Projektvorlage:</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Neues Projekt</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Cannot open file &apos;%1&apos; for reading (maybe missing permissions).</source>
        <translation>Die Datei &apos;%1&apos; kann nicht zum Lesen geöffnet werden (eventuell fehlende Rechte).</translation>
    </message>
    <message>
        <source>Error reading file as TAVO 1 version.
</source>
        <translation>Fehler beim Lesen der Datei als TAVO-1-Version.
</translation>
    </message>
    <message>
        <source>Project doesn&apos;t contain any layers. Please create a new project!</source>
        <translation>Das Projekt enthält keine Schichten. Bitte ein neues Projekt anlegen!</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB; project files are far smaller.</source>
        <translation>Die Datei ist größer als %1 MiB; Projektdateien sind weit kleiner.</translation>
    </message>
    <message>
        <source>Error reading file &apos;%1&apos;: %2</source>
        <translation>Fehler beim Lesen der Datei &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>ProjectInformationEditDialog</name>
    <message>
        <source>Edit Project Information</source>
        <translation>Projektinformationen bearbeiten</translation>
    </message>
    <message>
        <source>Here you can edit the project information for the currently loaded project. The information entered here appear on the printing calculation report.

New projects will initially get default project information, that can be edited in the preferences dialog.</source>
        <translation>Hier können Sie die Projektinformationen des aktuell geladenen Projekts bearbeiten. Die hier eingegebenen Informationen erscheinen im gedruckten Berechnungsbericht.

Neue Projekte erhalten zunächst die Standard-Projektinformationen, die in den Einstellungen bearbeitet werden können.</translation>
    </message>
    <message>
        <source>Undo change of project informations.</source>
        <translation>Änderung der Projektinformationen.</translation>
    </message>
</context>
<context>
    <name>ProjectInformationEditWidget</name>
    <message>
        <source>Project name:</source>
        <translation>Projektname:</translation>
    </message>
    <message>
        <source>Construction ID:</source>
        <translation>Konstruktions-ID:</translation>
    </message>
    <message>
        <source>Editor/User:</source>
        <translation>Bearbeiter/Benutzer:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Cannot print report.</source>
        <translation>Der Bericht kann nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Creating paint device failed.</source>
        <translation>Das Ausgabegerät konnte nicht geöffnet werden.</translation>
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
    <message>
        <source>Surface condensation left side. No calculation possible.</source>
        <translation>Tauwasser auf der Oberfläche der linken Seite. Keine Berechnung möglich.</translation>
    </message>
    <message>
        <source>Surface condensation right side. No calculation possible.</source>
        <translation>Tauwasser auf der Oberfläche der rechten Seite. Keine Berechnung möglich.</translation>
    </message>
    <message>
        <source>Only one layer. No condensation possible.</source>
        <translation>Nur eine Schicht. Kein Tauwasser möglich.</translation>
    </message>
    <message>
        <source>No condensation.</source>
        <translation>Kein Tauwasserausfall.</translation>
    </message>
    <message>
        <source>Unspecific error.</source>
        <translation>Unbestimmter Fehler.</translation>
    </message>
    <message>
        <source>Not applicable</source>
        <translation>Entfällt</translation>
    </message>
    <message>
        <source>No drying</source>
        <translation>Keine Austrocknung</translation>
    </message>
    <message>
        <source>Print Summary of Results</source>
        <translation>Zusammenfassung der Ergebnisse</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the construction (moisture dependent)</source>
        <translation>Wärmedurchgangskoeffizient des Bauteils (feuchteabhängig)</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the construction according ISO 6946 (dry)</source>
        <translation>Wärmedurchgangskoeffizient des Bauteils nach ISO 6946 (trocken)</translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the construction (dry)</source>
        <translation>Wärmedurchlasswiderstand des Bauteils (trocken)</translation>
    </message>
    <message>
        <source>Condensation mass after condensation period (based on TAVO)</source>
        <translation>Tauwassermasse nach der Tauperiode (nach TAVO)</translation>
    </message>
    <message>
        <source>Drying time</source>
        <translation>Austrocknungszeit</translation>
    </message>
    <message>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser period balance) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 1.0kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>DIN 4108-3 Tauwassermasse (Periodenbilanz nach Glaser) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 1,0 kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser period balance) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 0.5kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>DIN 4108-3 Tauwassermasse (Periodenbilanz nach Glaser) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 0,5 kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser period balance) (wood based material) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</source>
        <translation>DIN 4108-3 (Periodenbilanz nach Glaser) (Holzwerkstoff) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser period balance) (wood) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</source>
        <translation>DIN 4108-3 (Periodenbilanz nach Glaser) (Holz) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser period balance) M&lt;sub&gt;ev&lt;/sub&gt; &amp;gt;= M&lt;sub&gt;c&lt;/sub&gt;</source>
        <translation>DIN 4108-3 (Periodenbilanz nach Glaser) Verdunstungsmasse M&lt;sub&gt;ev&lt;/sub&gt; &amp;gt;= Tauwassermasse M&lt;sub&gt;c&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 by the condensation zone calculation</source>
        <translation>DIN 4108-3 nach der Berechnung der Tauwasserbereiche</translation>
    </message>
    <message>
        <source>DIN 4108-3 by the standard procedure (Glaser period balance)</source>
        <translation>DIN 4108-3 nach dem Standardverfahren (Periodenbilanz nach Glaser)</translation>
    </message>
</context>
<context>
    <name>ReportFrameProjectInfo</name>
    <message>
        <source>Project:</source>
        <translation>Projekt:</translation>
    </message>
    <message>
        <source>Construction:</source>
        <translation>Bauteil:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Bearbeiter:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
</context>
<context>
    <name>ReportPdfWriter</name>
    <message>
        <source>Cannot open &apos;%1&apos; for writing: %2</source>
        <translation>&apos;%1&apos; kann nicht zum Schreiben geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Error saving &apos;%1&apos;: %2</source>
        <translation>Fehler beim Speichern von &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Report Preview Dialog</source>
        <translation>Berichtsvorschau</translation>
    </message>
    <message>
        <source>General Appearance</source>
        <translation>Allgemeines Erscheinungsbild</translation>
    </message>
    <message>
        <source>Input Data</source>
        <translation>Eingabedaten</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Diagrams</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Final Remarks</source>
        <translation>Schlussbemerkungen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Fußzeile</translation>
    </message>
    <message>
        <source>Page numbers in footer</source>
        <translation>Seitenzahlen in der Fußzeile</translation>
    </message>
    <message>
        <source>Project information</source>
        <translation>Projektinformationen</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Global font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Construction sketch</source>
        <translation>Konstruktionsskizze</translation>
    </message>
    <message>
        <source>Material data</source>
        <translation>Materialdaten</translation>
    </message>
    <message>
        <source>Climate data</source>
        <translation>Klimadaten</translation>
    </message>
    <message>
        <source>Surface Resistance</source>
        <translation>Wärmeübergangswiderstände</translation>
    </message>
    <message>
        <source>Resistances and µ values</source>
        <translation>Widerstände und µ-Werte</translation>
    </message>
    <message>
        <source>%1 Results - Detailed Table</source>
        <translation>%1 Ergebnisse - Ausführliche Tabelle</translation>
    </message>
    <message>
        <source>%1 Results - Summary</source>
        <translation>%1 Ergebnisse - Zusammenfassung</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser) - Summary</source>
        <translation>DIN 4108-3 (Glaser) - Zusammenfassung</translation>
    </message>
    <message>
        <source>Minimum thermal protection DIN 4108-2</source>
        <translation>Mindestwärmeschutz DIN 4108-2</translation>
    </message>
    <message>
        <source>Construction kind for test of minimum thermal resistance
according german standard DIN 4108-2 table 3</source>
        <translation>Bauteilart für den Nachweis des Mindestwärmeschutzes
nach DIN 4108-2 Tabelle 3</translation>
    </message>
    <message>
        <source>Frsi check with inner surface resistance of %L1 m2K/W</source>
        <translation>fRsi-Nachweis mit innerem Wärmeübergangswiderstand von %L1 m2K/W</translation>
    </message>
    <message>
        <source>Temperature and moisture profiles</source>
        <translation>Temperatur- und Feuchteverläufe</translation>
    </message>
    <message>
        <source>Vapor pressure profiles</source>
        <translation>Dampfdruckverläufe</translation>
    </message>
    <message>
        <source>Print Final Remarks</source>
        <translation>Schlussbemerkungen drucken</translation>
    </message>
    <message>
        <source>Update view of text in report.</source>
        <translation>Text im Bericht aktualisieren.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Write pdf</source>
        <translation>PDF schreiben</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>Seite einrichten...</translation>
    </message>
    <message>
        <source>Fit Page in View</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Fit to Page Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Custom Zoom</source>
        <translation>Eigener Zoom</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Export current page to file</source>
        <translation>Aktuelle Seite in Datei exportieren</translation>
    </message>
    <message>
        <source>Undo change final remarks.</source>
        <translation>Änderung der Schlussbemerkungen rückgängig machen.</translation>
    </message>
    <message>
        <source>Error while printing report.</source>
        <translation>Fehler beim Drucken des Berichts.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Export current page</source>
        <translation>Aktuelle Seite exportieren</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
</context>
<context>
    <name>ResistanceFrame</name>
    <message>
        <source>Thermal, Vapour Diffusion and Liquid Transport Resistances</source>
        <translation>Wärme-, Dampfdiffusions- und Flüssigtransportwiderstände</translation>
    </message>
    <message>
        <source>Layer / Material</source>
        <translation>Schicht / Material</translation>
    </message>
    <message>
        <source>Sum of resistances (moisture dependend)</source>
        <translation>Summe der Widerstände (feuchteabhängig)</translation>
    </message>
    <message>
        <source>Thermal transmission resistance (moisture dependend):</source>
        <translation>Wärmedurchgangswiderstand (feuchteabhängig):</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient (moisture dependend):</source>
        <translation>Wärmedurchgangskoeffizient (feuchteabhängig):</translation>
    </message>
</context>
<context>
    <name>ResultsTableFrame</name>
    <message>
        <source>Temperatures, Vapoure Pressures and Moisture Contents</source>
        <translation>Temperaturen, Dampfdrücke und Feuchtegehalte</translation>
    </message>
    <message>
        <source>Layer / Material</source>
        <translation>Schicht / Material</translation>
    </message>
    <message>
        <source>Air layer (warm side)</source>
        <translation>Luftschicht (warme Seite)</translation>
    </message>
    <message>
        <source>Air layer (cold side)</source>
        <translation>Luftschicht (kalte Seite)</translation>
    </message>
    <message>
        <source>%1 - temperature, </source>
        <translation>%1 - Temperatur, </translation>
    </message>
    <message>
        <source>%1 - saturation vapour pressure, </source>
        <translation>%1 - Sättigungsdampfdruck, </translation>
    </message>
    <message>
        <source>p - vapour pressure, </source>
        <translation>p - Dampfdruck, </translation>
    </message>
    <message>
        <source>w - moisture content, </source>
        <translation>w - Feuchtegehalt, </translation>
    </message>
    <message>
        <source>d&lt;sub&gt;c&lt;/sub&gt; - thickness of condensation layer,&lt;br/&gt;</source>
        <translation>d&lt;sub&gt;c&lt;/sub&gt; - Dicke des Tauwasserbereichs,&lt;br/&gt;</translation>
    </message>
    <message>
        <source>M&lt;sub&gt;c&lt;/sub&gt; - %1</source>
        <translation>M&lt;sub&gt;c&lt;/sub&gt; - %1</translation>
    </message>
    <message>
        <source>condensation mass</source>
        <translation>Tauwassermasse</translation>
    </message>
</context>
<context>
    <name>SketchFrame</name>
    <message>
        <source>Construction Sketch</source>
        <translation>Konstruktionsskizze</translation>
    </message>
</context>
<context>
    <name>SurfaceResistanceFrame</name>
    <message>
        <source>Surface Resistances</source>
        <translation>Wärmeübergangswiderstände</translation>
    </message>
    <message>
        <source>Warm side:</source>
        <translation>Warme Seite:</translation>
    </message>
    <message>
        <source>Cold side:</source>
        <translation>Kalte Seite:</translation>
    </message>
</context>
<context>
    <name>T2_ResultsWidget</name>
    <message>
        <source>Invalid input!</source>
        <translation>Ungültige Eingabe!</translation>
    </message>
    <message>
        <source>No input!</source>
        <translation>Keine Eingabe!</translation>
    </message>
    <message>
        <source>Condensation on the surface (warm side). No calculation possible.</source>
        <translation>Tauwasser auf der Oberfläche (warme Seite). Keine Berechnung möglich.</translation>
    </message>
    <message>
        <source>Condensation on the surface (cold side). No calculation possible.</source>
        <translation>Tauwasser auf der Oberfläche (kalte Seite). Keine Berechnung möglich.</translation>
    </message>
    <message>
        <source>Only one layer. No condensate possible!</source>
        <translation>Nur eine Schicht. Kein Tauwasser möglich!</translation>
    </message>
    <message>
        <source>No condensate emerges!</source>
        <translation>Es fällt kein Tauwasser aus!</translation>
    </message>
    <message>
        <source>Condensation between layer %1 and %2!</source>
        <translation>Tauwasser zwischen Schicht %1 und %2!</translation>
    </message>
    <message>
        <source>Condensation between layer </source>
        <translation>Tauwasser zwischen Schicht </translation>
    </message>
    <message>
        <source>%1 and %2, </source>
        <translation>%1 und %2, </translation>
    </message>
    <message>
        <source>%1 and %2.</source>
        <translation>%1 und %2.</translation>
    </message>
    <message>
        <source>Unknown result!</source>
        <translation>Unbekanntes Ergebnis!</translation>
    </message>
    <message>
        <source>Construction thickness</source>
        <translation>Bauteildicke</translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the construction (dry)</source>
        <translation>Wärmedurchlasswiderstand des Bauteils (trocken)</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the construction</source>
        <translation>Wärmedurchgangskoeffizient des Bauteils</translation>
    </message>
    <message>
        <source>U-value (ISO 6946)</source>
        <translation>U-Wert (ISO 6946)</translation>
    </message>
    <message>
        <source>U-value (moisture dependend)</source>
        <translation>U-Wert (feuchteabhängig)</translation>
    </message>
    <message>
        <source>Condensation mass after condensation period</source>
        <translation>Tauwassermasse nach der Tauperiode</translation>
    </message>
    <message>
        <source>Drying time</source>
        <translation>Austrocknungszeit</translation>
    </message>
    <message>
        <source>d</source>
        <translation>d</translation>
    </message>
</context>
<context>
    <name>TextEditWidget</name>
    <message>
        <source>Font family</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>B</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>I</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Textfarbe</translation>
    </message>
</context>
<context>
    <name>UserLogoSettingsWidget</name>
    <message>
        <source>User logo</source>
        <translation>Benutzerlogo</translation>
    </message>
    <message>
        <source>Choose the image file of the logo</source>
        <translation>Bilddatei des Logos wählen</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>natural size</source>
        <translation>natürliche Größe</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Logo in page header</source>
        <translation>Logo in der Kopfzeile</translation>
    </message>
    <message>
        <source>Logo right from project informations</source>
        <translation>Logo rechts neben den Projektinformationen</translation>
    </message>
    <message>
        <source>No user logo</source>
        <translation>Kein Benutzerlogo</translation>
    </message>
    <message>
        <source>Select the logo image</source>
        <translation>Logobild auswählen</translation>
    </message>
    <message>
        <source>Images (*.png *.xpm *.jpg)</source>
        <translation>Bilder (*.png *.xpm *.jpg)</translation>
    </message>
    <message>
        <source>No image chosen</source>
        <translation>Kein Bild gewählt</translation>
    </message>
</context>
<context>
    <name>VaDar::ConstructionGraphicsSceneBase</name>
    <message>
        <source>Layer widths in [%1]</source>
        <translation>Schichtdicken in [%1]</translation>
    </message>
</context>
<context>
    <name>VaDar::ConstructionViewWidget</name>
    <message>
        <source>Assign material</source>
        <translation>Material zuweisen</translation>
    </message>
    <message>
        <source>Assign material to the selected layer</source>
        <translation>Der ausgewählten Schicht ein Material zuweisen</translation>
    </message>
    <message>
        <source>Insert layer left</source>
        <translation>Schicht links einfügen</translation>
    </message>
    <message>
        <source>Insert a new layer left from selected one</source>
        <translation>Eine neue Schicht links der ausgewählten einfügen</translation>
    </message>
    <message>
        <source>Insert layer right</source>
        <translation>Schicht rechts einfügen</translation>
    </message>
    <message>
        <source>Insert a new layer right from selected one</source>
        <translation>Eine neue Schicht rechts der ausgewählten einfügen</translation>
    </message>
    <message>
        <source>Remove layer</source>
        <translation>Schicht entfernen</translation>
    </message>
    <message>
        <source>Remove selected layer</source>
        <translation>Ausgewählte Schicht entfernen</translation>
    </message>
    <message>
        <source>Move layer left</source>
        <translation>Schicht nach links verschieben</translation>
    </message>
    <message>
        <source>Move selected layer to left</source>
        <translation>Ausgewählte Schicht nach links verschieben</translation>
    </message>
    <message>
        <source>Move layer right</source>
        <translation>Schicht nach rechts verschieben</translation>
    </message>
    <message>
        <source>Move selected layer to right</source>
        <translation>Ausgewählte Schicht nach rechts verschieben</translation>
    </message>
</context>
<context>
    <name>VaDar::MaterialDatabaseSelectionWidget</name>
    <message>
        <source>All categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <source>Words separated by blanks; a material is shown when one of them is found. * stands for any text, ? for one character.</source>
        <translation>Durch Leerzeichen getrennte Wörter; ein Material wird angezeigt, wenn eines davon gefunden wird. * steht für beliebigen Text, ? für ein Zeichen.</translation>
    </message>
    <message>
        <source>Category Filter</source>
        <translation>Kategoriefilter</translation>
    </message>
    <message>
        <source>Material Name Filter</source>
        <translation>Filter Materialname</translation>
    </message>
    <message>
        <source>Producer Filter</source>
        <translation>Filter Hersteller</translation>
    </message>
    <message>
        <source>Data source filter</source>
        <translation>Filter Datenquelle</translation>
    </message>
    <message>
        <source>Comment filter</source>
        <translation>Filter Kommentar</translation>
    </message>
    <message>
        <source>Selected Material:</source>
        <translation>Ausgewähltes Material:</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
</context>
<context>
    <name>VaDar::MaterialTableModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>ProductName</source>
        <translation>Produktname</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>DataSource</source>
        <translation>Datenquelle</translation>
    </message>
    <message>
        <source>%1 [kg/m%2]</source>
        <translation>%1 [kg/m%2]</translation>
    </message>
    <message>
        <source>cp [J/kgK]</source>
        <translation>cp [J/kgK]</translation>
    </message>
    <message>
        <source>%1 [-]</source>
        <translation>%1 [-]</translation>
    </message>
    <message>
        <source>%1 [W/mK]</source>
        <translation>%1 [W/mK]</translation>
    </message>
    <message>
        <source>W80 [kg/m%1]</source>
        <translation>W80 [kg/m%1]</translation>
    </message>
    <message>
        <source>WSat [kg/m%1]</source>
        <translation>WSat [kg/m%1]</translation>
    </message>
    <message>
        <source>Aw
[kg/m%1s%2]</source>
        <translation>Aw
[kg/m%1s%2]</translation>
    </message>
    <message>
        <source>sd [m]</source>
        <translation>sd [m]</translation>
    </message>
    <message>
        <source>Kair [s/m]</source>
        <translation>Kair [s/m]</translation>
    </message>
</context>
<context>
    <name>VaDar::ValidatingLineEdit</name>
    <message>
        <source>The value is out of range.</source>
        <translation>Der Wert liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte eine Zahl eingeben.</translation>
    </message>
</context>
<context>
    <name>WinterTemperatureValidator</name>
    <message>
        <source>Cannot retrieve input data.</source>
        <translation>Eingabedaten nicht verfügbar.</translation>
    </message>
    <message>
        <source>Temperature at warm side must be bigger than tempareature at cold side</source>
        <translation>Die Temperatur auf der warmen Seite muss höher sein als auf der kalten Seite</translation>
    </message>
</context>
<context>
    <name>XMLHelpers</name>
    <message>
        <source>Invalid value for attribute &apos;%1&apos;.</source>
        <translation>Ungültiger Wert für das Attribut &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Invalid value for element &apos;%1&apos;.</source>
        <translation>Ungültiger Wert für das Element &apos;%1&apos;.</translation>
    </message>
</context>
</TS>
