<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>A software for hygrothermal evaluation of building envelope systems</source>
        <translation>Program do oceny cieplno-wilgotnościowej przegród zewnętrznych budynku</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Contact:</source>
        <translation>Kontakt:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Strona internetowa:</translation>
    </message>
    <message>
        <source>Feedback:</source>
        <translation>Opinie:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Licences and third-party notices</source>
        <translation>Licencje i informacje o oprogramowaniu zewnętrznym</translation>
    </message>
</context>
<context>
    <name>AssessmentConditions</name>
    <message>
        <source>Custom conditions</source>
        <translation>Warunki zdefiniowane przez użytkownika</translation>
    </message>
    <message>
        <source>German Standard DIN 4108-3 from 2001</source>
        <translation>DIN 4108-3 z 2001 r.</translation>
    </message>
    <message>
        <source>German Standard DIN 4108-3 from 2014, 2018 and 2024</source>
        <translation>DIN 4108-3 z 2014, 2018 i 2024 r.</translation>
    </message>
    <message>
        <source>Unknown condition</source>
        <translation>Nieznane warunki</translation>
    </message>
</context>
<context>
    <name>AssessmentTypeWidget</name>
    <message>
        <source>Assessment Type</source>
        <translation>Rodzaj oceny</translation>
    </message>
    <message>
        <source>Select assessment type</source>
        <translation>Wybierz rodzaj oceny</translation>
    </message>
    <message>
        <source>Condensation time in d</source>
        <translation>Okres kondensacji w d</translation>
    </message>
    <message>
        <source>Drying time in d</source>
        <translation>Okres wysychania w d</translation>
    </message>
    <message>
        <source>The condensation time must be &gt; 0d and &lt; 300d.</source>
        <translation>Okres kondensacji musi wynosić &gt; 0 d i &lt; 300 d.</translation>
    </message>
    <message>
        <source>The drying time must be &gt; 0d and &lt; 300d.</source>
        <translation>Okres wysychania musi wynosić &gt; 0 d i &lt; 300 d.</translation>
    </message>
    <message>
        <source>Undo change of assessment type.</source>
        <translation>Zmiana rodzaju oceny</translation>
    </message>
    <message>
        <source>Undo change of evaporation time</source>
        <translation>Zmiana okresu wysychania</translation>
    </message>
    <message>
        <source>Undo change of condensation time.</source>
        <translation>Zmiana okresu kondensacji</translation>
    </message>
</context>
<context>
    <name>BatchItem</name>
    <message>
        <source>No such file.</source>
        <translation>Plik nie istnieje.</translation>
    </message>
    <message>
        <source>This is a directory, not a project file.</source>
        <translation>To jest katalog, a nie plik projektu.</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <source>Option &apos;%1&apos; needs a value.</source>
        <translation>Opcja &apos;%1&apos; wymaga wartości.</translation>
    </message>
    <message>
        <source>Option &apos;%1&apos; takes no value.</source>
        <translation>Opcja &apos;%1&apos; nie przyjmuje wartości.</translation>
    </message>
    <message>
        <source>Unknown format &apos;%1&apos;: use text, json or csv.</source>
        <translation>Nieznany format &apos;%1&apos;: użyj text, json lub csv.</translation>
    </message>
    <message>
        <source>Option &apos;%1&apos; needs a file name.</source>
        <translation>Opcja &apos;%1&apos; wymaga nazwy pliku.</translation>
    </message>
    <message>
        <source>Invalid language identifier &apos;%1&apos;.</source>
        <translation>Nieprawidłowy identyfikator języka &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Invalid DIN 4108-3 edition &apos;%1&apos;: use 0 (2001), 1 (2014), 2 (2018 and 2024) or 3 (user defined).</source>
        <translation>Nieprawidłowe wydanie DIN 4108-3 &apos;%1&apos;: użyj 0 (2001), 1 (2014), 2 (2018 i 2024) lub 3 (zdefiniowane przez użytkownika).</translation>
    </message>
    <message>
        <source>Invalid water uptake limit &apos;%1&apos;: a number &gt;= 0 in kg/(m²·h^0.5) is needed.</source>
        <translation>Nieprawidłowa granica współczynnika absorpcji wody &apos;%1&apos;: wymagana liczba &gt;= 0 w kg/(m²·h^0.5).</translation>
    </message>
    <message>
        <source>Invalid drying reserve &apos;%1&apos;: a number &gt;= 0 in g/(m²·a) is needed.</source>
        <translation>Nieprawidłowa rezerwa wysychania &apos;%1&apos;: wymagana liczba &gt;= 0 w g/(m²·a).</translation>
    </message>
    <message>
        <source>Invalid DIN 4108-2 edition &apos;%1&apos;: use 0 (2004) or 1 (2013).</source>
        <translation>Nieprawidłowe wydanie DIN 4108-2 &apos;%1&apos;: użyj 0 (2004) lub 1 (2013).</translation>
    </message>
    <message>
        <source>Invalid building element &apos;%1&apos;: a number is needed.</source>
        <translation>Nieprawidłowy element budowlany &apos;%1&apos;: wymagana liczba.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nieznana opcja &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--materials lists the material database and takes no project files.</source>
        <translation>--materials wyświetla bazę materiałów i nie przyjmuje plików projektu.</translation>
    </message>
    <message>
        <source>--materials takes only --format, --lang and --output.</source>
        <translation>--materials przyjmuje tylko --format, --lang i --output.</translation>
    </message>
    <message>
        <source>No project file given.</source>
        <translation>Nie podano pliku projektu.</translation>
    </message>
    <message>
        <source>--non-capillary-aw is used only with --edition 3 (user defined).</source>
        <translation>--non-capillary-aw działa tylko z --edition 3 (zdefiniowane przez użytkownika).</translation>
    </message>
    <message>
        <source>Building element %1 is not in %2. Elements: %3.</source>
        <translation>Elementu budowlanego %1 nie ma w %2. Elementy: %3.</translation>
    </message>
    <message>
        <source>Invalid frame list &apos;%1&apos;: use report frame numbers 0 to %2 and ranges, separated by commas (&quot;0,1,2,4-8&quot;), or all.</source>
        <translation>Nieprawidłowa lista części raportu &apos;%1&apos;: użyj numerów od 0 do %2 i zakresów rozdzielonych przecinkami (&quot;0,1,2,4-8&quot;) lub all.</translation>
    </message>
    <message>
        <source>Use either --report or --report-dir.</source>
        <translation>Użyj albo --report, albo --report-dir.</translation>
    </message>
    <message>
        <source>--report writes the report of one project file; use --report-dir for several.</source>
        <translation>--report zapisuje raport jednego pliku projektu; dla kilku użyj --report-dir.</translation>
    </message>
    <message>
        <source>--frames is used only with --report or --report-dir.</source>
        <translation>--frames działa tylko z --report lub --report-dir.</translation>
    </message>
    <message>
        <source>Invalid time limit &apos;%1&apos;: a number of seconds &gt; 0 is needed.</source>
        <translation>Nieprawidłowy limit czasu &apos;%1&apos;: wymagana jest liczba sekund &gt; 0.</translation>
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
        <translation>Użycie: tavo2-calc [opcje] PLIK...
        tavo2-calc --materials [--format text|json|csv] [--lang ID] [-o PLIK]

Oblicza i ocenia pliki projektów Tavo (.t2p, .tpj) bez otwierania okna.

Opcje:
  --format text|json|csv  format wyjścia (domyślnie text)
  -o, --output PLIK       zapisz do PLIKU (- lub brak: standardowe wyjście)
  --lang ID               język tekstów, ocen i liczb
                          (domyślnie: angielski bez tłumaczenia)
  --edition N             kryteria DIN 4108-3: 0 2001, 1 2014,
                          2 2018 i 2024 (domyślnie),
                          3 zdefiniowane przez użytkownika
  --non-capillary-aw V    granica dla materiałów bez podciągania kapilarnego
                          przy --edition 3, kg/(m²·h^0.5) (domyślnie 0.2)
  --drying-reserve G      rezerwa wysychania w g/(m²·a) (domyślnie 0: brak)
  --min-r-edition N       DIN 4108-2 tabela 3: 0 2004, 1 2013 (domyślnie)
  --min-r-element ID      element budowlany z tej tabeli (domyślnie 12)
  --frsi                  uwzględnij sprawdzenie czynnika temperaturowego fRsi
  --strict                zakończ z kodem 3, gdy wymaganie nie jest spełnione
  --time-limit S          przerwij obliczenia pliku po S sekundach;
                          plik zostaje wtedy pominięty (kod wyjścia 2)
  --exhaustive            znajdź płaszczyzny kondensacji, sprawdzając kolejno
                          wszystkie kombinacje, do kontroli (maksymalnie 24 warstwy)
  --report PLIK           zapisz też raport PDF jedynego pliku projektu
  --report-dir KATALOG    zapisz też raport PDF każdego pliku projektu
                          w KATALOGU, nazwany jak plik projektu
                          (PLIK.t2p -&gt; PLIK.pdf)
  --frames LISTA          drukowane części raportu, np. 0,1,2,4-8 lub all
                          (domyślnie 0-5,9,11,12): 0 nagłówek strony, 1 stopka,
                          2 informacje o projekcie, 3 szkic przegrody,
                          4 właściwości materiałów, 5 klimat, 6 opory
                          przejmowania ciepła, 7 opory, 8 temperatury,
                          ciśnienia pary i wilgotności, 9 rozkład wilgotności,
                          10 rozkład ciśnienia pary, 11 podsumowanie wyników
                          i wymagań, 12 schemat Glasera, 13 uwagi końcowe
  --materials             zamiast tego wyświetl bazę materiałów
  --help, --version

Kody wyjścia: 0 wykonano, 1 błąd wywołania, 2 nie można odczytać pliku lub
zapisać wyjścia (pozostałe pliki są mimo to przetwarzane), 3 wymaganie nie jest
spełnione (tylko z --strict).

Raport jest zapisywany w całości albo wcale; nie potrzebuje ekranu.
</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>No translation for language &apos;%1&apos; in &apos;%2&apos;.</source>
        <translation>Brak tłumaczenia dla języka &apos;%1&apos; w &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>The output file &apos;%1&apos; is one of the project files.</source>
        <translation>Plik wyjściowy &apos;%1&apos; jest jednym z plików projektu.</translation>
    </message>
    <message>
        <source>The built-in material database in &apos;%1&apos; could not be read.</source>
        <translation>Nie można odczytać wbudowanej bazy materiałów w &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Error writing to standard output.</source>
        <translation>Błąd zapisu na standardowe wyjście.</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos; for writing: %2</source>
        <translation>Nie można otworzyć &apos;%1&apos; do zapisu: %2</translation>
    </message>
    <message>
        <source>Error writing &apos;%1&apos;: %2</source>
        <translation>Błąd zapisu &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Error saving &apos;%1&apos;: %2</source>
        <translation>Błąd zapisywania &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>The report file &apos;%1&apos; is one of the project files.</source>
        <translation>Plik raportu &apos;%1&apos; jest jednym z plików projektu.</translation>
    </message>
    <message>
        <source>The report and the output cannot be written to the same file.</source>
        <translation>Raportu i wyjścia nie można zapisać do tego samego pliku.</translation>
    </message>
    <message>
        <source>Cannot create the report folder &apos;%1&apos;.</source>
        <translation>Nie można utworzyć katalogu raportów &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1: the report &apos;%2&apos; would replace a project file; it is not written.</source>
        <translation>%1: raport &apos;%2&apos; zastąpiłby plik projektu; nie zostaje zapisany.</translation>
    </message>
    <message>
        <source>Not enough memory to read this file.</source>
        <translation>Za mało pamięci, aby odczytać ten plik.</translation>
    </message>
    <message>
        <source>No project file could be read: &apos;%1&apos; is not written.</source>
        <translation>Nie udało się odczytać żadnego pliku projektu: &apos;%1&apos; nie zostanie zapisany.</translation>
    </message>
    <message>
        <source>The material file &apos;%1&apos; could not be read completely; materials read from it: %2.</source>
        <translation>Nie udało się odczytać całego pliku materiałów &apos;%1&apos;; odczytane z niego materiały: %2.</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: the output of %2 bytes exceeds the file size limit of %3 bytes.</source>
        <translation>Nie można zapisać &apos;%1&apos;: dane wyjściowe o rozmiarze %2 bajtów przekraczają limit rozmiaru pliku wynoszący %3 bajtów.</translation>
    </message>
    <message>
        <source>%1: the report &apos;%2&apos; was already written for another project file; it is not replaced.</source>
        <translation>%1: raport &apos;%2&apos; został już zapisany dla innego pliku projektu; nie zostaje zastąpiony.</translation>
    </message>
    <message>
        <source>The calculation was stopped after the time limit of %1 s.</source>
        <translation>Obliczenia zostały przerwane po upływie limitu czasu %1 s.</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Unknown error in calculation.</source>
        <translation>Nieznany błąd obliczeń.</translation>
    </message>
    <message>
        <source>Invalid width %1 of &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Nieprawidłowa grubość %1 &lt;a href=&quot;layer-%2&quot;&gt;warstwy nr %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Error in Glaser-Calculation.</source>
        <translation>Błąd w obliczeniach metodą Glasera.</translation>
    </message>
    <message>
        <source>The calculation gave a value of %1 that is not a finite number.</source>
        <translation>Obliczenia dały dla %1 wartość, która nie jest liczbą skończoną.</translation>
    </message>
    <message>
        <source>Some problem in calculation! Algorithm error!</source>
        <translation>Problem w obliczeniach! Błąd algorytmu!</translation>
    </message>
    <message>
        <source>Invalid moisture storage values for &lt;a href=&quot;layer-%1&quot;&gt;layer #%1&lt;/a&gt;.</source>
        <translation>Nieprawidłowe parametry magazynowania wilgoci dla &lt;a href=&quot;layer-%1&quot;&gt;warstwy nr %1&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Current moisture content at 80%RH leads to an moisture content at 95%RH higher than saturation moisture content.</source>
        <translation>Bieżąca wilgotność przy φ = 80% prowadzi do wilgotności przy φ = 95% większej niż wilgotność w stanie nasycenia.</translation>
    </message>
    <message>
        <source>Error in calculation m_results.sk_Tavo[%1], denominator == 0!</source>
        <translation>Błąd obliczania m_results.sk_Tavo[%1], mianownik == 0!</translation>
    </message>
    <message>
        <source>Error in calculation m_results.sk_Tavo[%1], Value &lt; 0!</source>
        <translation>Błąd obliczania m_results.sk_Tavo[%1], wartość &lt; 0!</translation>
    </message>
    <message>
        <source>Layers without capillary water uptake (water uptake coefficient 0) on both sides of the condensation region prevent this calculation: %1.</source>
        <translation>Warstwy bez podciągania kapilarnego (współczynnik absorpcji wody 0) po obu stronach strefy kondensacji uniemożliwiają te obliczenia: %1.</translation>
    </message>
    <message>
        <source>Result %1 of the Glaser-Calculation is not a finite number.</source>
        <translation>Wynik %1 obliczeń metodą Glasera nie jest liczbą skończoną.</translation>
    </message>
    <message>
        <source>Invalid mu %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Nieprawidłowy współczynnik oporu dyfuzyjnego μ %1 materiału w &lt;a href=&quot;layer-%2&quot;&gt;warstwie nr %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Invalid thermal conductivity %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Nieprawidłowy współczynnik przewodzenia ciepła %1 materiału w &lt;a href=&quot;layer-%2&quot;&gt;warstwie nr %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Invalid surface resistance outside</source>
        <translation>Nieprawidłowy opór przejmowania ciepła po stronie zewnętrznej</translation>
    </message>
    <message>
        <source>Invalid surface resistance inside)</source>
        <translation>Nieprawidłowy opór przejmowania ciepła po stronie wewnętrznej</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH less or equal 0</source>
        <translation>Wilgotność przy φ = 80% mniejsza lub równa 0</translation>
    </message>
    <message>
        <source>Saturation moisture content less or equal 0</source>
        <translation>Wilgotność w stanie nasycenia mniejsza lub równa 0</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH greater or equal saturation moisture content</source>
        <translation>Wilgotność przy φ = 80% większa lub równa wilgotności w stanie nasycenia</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH leads to a moisture content at 95%RH greater or equal saturation moisture content</source>
        <translation>Wilgotność przy φ = 80% prowadzi do wilgotności przy φ = 95% większej lub równej wilgotności w stanie nasycenia</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH greater or equal to 1.0</source>
        <translation>Wilgotność przy φ = 80% większa lub równa 1,0</translation>
    </message>
    <message>
        <source>Moisture content at saturation greater or equal to 1.0</source>
        <translation>Wilgotność w stanie nasycenia większa lub równa 1,0</translation>
    </message>
    <message>
        <source>pv_e not correctly calculated! Algorithm error!</source>
        <translation>pv_e obliczone niepoprawnie! Błąd algorytmu!</translation>
    </message>
    <message>
        <source>No Solution found!</source>
        <translation>Nie znaleziono rozwiązania!</translation>
    </message>
    <message>
        <source>Could not find valid combination of k-planes! Algorithm error!</source>
        <translation>Nie znaleziono prawidłowej kombinacji płaszczyzn kondensacji! Błąd algorytmu!</translation>
    </message>
    <message>
        <source>Invalid material data in &lt;a href=&quot;layer-%1&quot;&gt;layer #%1&lt;/a&gt;.</source>
        <translation>Nieprawidłowe dane materiałowe w &lt;a href=&quot;layer-%1&quot;&gt;warstwie nr %1&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Invalid climate data or period lengths.</source>
        <translation>Nieprawidłowe dane klimatyczne lub długości okresów.</translation>
    </message>
    <message>
        <source>Too many layers for the condensation calculation (at most %1).</source>
        <translation>Zbyt wiele warstw do obliczeń kondensacji (maksymalnie %1).</translation>
    </message>
    <message>
        <source>The calculation was cancelled.</source>
        <translation>Obliczenia zostały anulowane.</translation>
    </message>
</context>
<context>
    <name>CalculationProgressDialog</name>
    <message>
        <source>Searching the condensation planes. This construction takes longer than usual.</source>
        <translation>Wyszukiwanie płaszczyzn kondensacji. Obliczenia tej konstrukcji trwają dłużej niż zwykle.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Obliczenia</translation>
    </message>
</context>
<context>
    <name>ClimateEditWidget</name>
    <message>
        <source>Climatic Data</source>
        <translation>Dane klimatyczne</translation>
    </message>
    <message>
        <source>Select climate data preset:</source>
        <translation>Wybierz zestaw danych klimatycznych:</translation>
    </message>
    <message>
        <source>Winter:</source>
        <translation>Zima:</translation>
    </message>
    <message>
        <source>Summer:</source>
        <translation>Lato:</translation>
    </message>
    <message>
        <source>Temperature in [°C]:</source>
        <translation>Temperatura [°C]:</translation>
    </message>
    <message>
        <source>Relative Humidity in [%]:</source>
        <translation>Wilgotność względna [%]:</translation>
    </message>
    <message>
        <source>Surface transfer resistance in [m²K/W]:</source>
        <translation>Opór przejmowania ciepła [m²K/W]:</translation>
    </message>
    <message>
        <source>The temperature must be &gt; -40%1C and &lt; 80%1C.</source>
        <translation>Temperatura musi wynosić &gt; -40%1C i &lt; 80%1C.</translation>
    </message>
    <message>
        <source>The relative humidity must be &gt; 0% and &lt; 100%.</source>
        <translation>Wilgotność względna musi wynosić &gt; 0% i &lt; 100%.</translation>
    </message>
    <message>
        <source>The surface resistance must be &gt;= 0.</source>
        <translation>Opór przejmowania ciepła musi wynosić &gt;= 0.</translation>
    </message>
    <message>
        <source>warm side</source>
        <translation>stronie ciepłej</translation>
    </message>
    <message>
        <source>cold side</source>
        <translation>stronie zimnej</translation>
    </message>
    <message>
        <source>Inside climate (warm side)</source>
        <translation>Klimat wewnętrzny (strona ciepła)</translation>
    </message>
    <message>
        <source>Outside climate (cold side)</source>
        <translation>Klimat zewnętrzny (strona zimna)</translation>
    </message>
    <message>
        <source>Undo change of temperature (condensation) at %1</source>
        <translation>Zmiana temperatury (okres kondensacji) po %1</translation>
    </message>
    <message>
        <source>Undo change of relative humidity (condensation) at %1</source>
        <translation>Zmiana wilgotności względnej (okres kondensacji) po %1</translation>
    </message>
    <message>
        <source>Undo change of surface resistance at %1</source>
        <translation>Zmiana oporu przejmowania ciepła po %1</translation>
    </message>
    <message>
        <source>Undo change climate data set at %1</source>
        <translation>Zmiana zestawu danych klimatycznych po %1</translation>
    </message>
</context>
<context>
    <name>ClimateFrame</name>
    <message>
        <source>Climate at warm side</source>
        <translation>Klimat po stronie ciepłej</translation>
    </message>
    <message>
        <source>Climate at cold side</source>
        <translation>Klimat po stronie zimnej</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Relative Humidity</source>
        <translation>Wilgotność względna</translation>
    </message>
    <message>
        <source>Climate Data</source>
        <translation>Dane klimatyczne</translation>
    </message>
    <message>
        <source>Winter Climate</source>
        <translation>Klimat zimowy</translation>
    </message>
    <message>
        <source>Duration of Condensation Periode (winter)</source>
        <translation>Czas trwania okresu kondensacji (zima)</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>dni</translation>
    </message>
    <message>
        <source>Summer Climate</source>
        <translation>Klimat letni</translation>
    </message>
    <message>
        <source>Duration of Drying Periode (summer)</source>
        <translation>Czas trwania okresu odparowania (lato)</translation>
    </message>
</context>
<context>
    <name>ClimatePresetTable</name>
    <message>
        <source>Custom climate conditions, indoor</source>
        <translation>Klimat wewnętrzny zdefiniowany przez użytkownika</translation>
    </message>
    <message>
        <source>Custom climate conditions, outdoor</source>
        <translation>Klimat zewnętrzny zdefiniowany przez użytkownika</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Indoor climate, heat flow direction horizontal and upwards</source>
        <translation>DIN 4108-3 2001 Klimat wewnętrzny, strumień ciepła poziomy i w górę</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Indoor climate, heat flow direction downwards</source>
        <translation>DIN 4108-3 2001 Klimat wewnętrzny, strumień ciepła w dół</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction horizontal</source>
        <translation>DIN EN ISO 6946 Klimat wewnętrzny, strumień ciepła poziomy</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction downwards</source>
        <translation>DIN EN ISO 6946 Klimat wewnętrzny, strumień ciepła w dół</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction upwards</source>
        <translation>DIN EN ISO 6946 Klimat wewnętrzny, strumień ciepła w górę</translation>
    </message>
    <message>
        <source>DIN EN ISO 13788 Indoor climate, all other surfaces</source>
        <translation>DIN EN ISO 13788 Klimat wewnętrzny, wszystkie pozostałe powierzchnie</translation>
    </message>
    <message>
        <source>DIN EN ISO 13788 Indoor climate, on glazings and window frames</source>
        <translation>DIN EN ISO 13788 Klimat wewnętrzny, na przeszkleniach i ramach okiennych</translation>
    </message>
    <message>
        <source>DIN 4108-8 Indoor climate, in built in cupboards, mould protection</source>
        <translation>DIN 4108-8 Klimat wewnętrzny, w szafach wnękowych, ochrona przed pleśnią</translation>
    </message>
    <message>
        <source>DIN 4108-8 Indoor climate, behaind normal cupboards, mould protection</source>
        <translation>DIN 4108-8 Klimat wewnętrzny, za wolnostojącymi szafami, ochrona przed pleśnią</translation>
    </message>
    <message>
        <source>DIN 4108-3_2024 Indoor climate</source>
        <translation>DIN 4108-3 2024 Klimat wewnętrzny</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to outside</source>
        <translation>DIN 4108-3 2001 Zewnątrz, styk z powietrzem zewnętrznym</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to ventilated air space</source>
        <translation>DIN 4108-3 2001 Zewnątrz, styk z wentylowaną warstwą powietrza</translation>
    </message>
    <message>
        <source>DIN 4108-3_2024 Outdoor climate</source>
        <translation>DIN 4108-3 2024 Klimat zewnętrzny</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to ground</source>
        <translation>DIN 4108-3 2001 Zewnątrz, styk z gruntem</translation>
    </message>
    <message>
        <source>DIN 4108-3 2024 Outdoor, boundary to ground</source>
        <translation>DIN 4108-3 2024 Zewnątrz, styk z gruntem</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Outdoor climate</source>
        <translation>DIN EN ISO 6946 Klimat zewnętrzny</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Default Project Info</source>
        <translation>Domyślne dane projektu</translation>
    </message>
    <message>
        <source>Default Print Config</source>
        <translation>Domyślny wydruk</translation>
    </message>
</context>
<context>
    <name>ConfigPageGeneral</name>
    <message>
        <source>Use kg/m%1s%2 as unit for Aw</source>
        <translation>Używaj kg/m%1s%2 jako jednostki Aw</translation>
    </message>
    <message>
        <source>Use kg/m%1h%2 as unit for Aw</source>
        <translation>Używaj kg/m%1h%2 jako jednostki Aw</translation>
    </message>
    <message>
        <source>Start Program without project</source>
        <translation>Uruchamiaj program bez projektu</translation>
    </message>
    <message>
        <source>Start Program with last recent project</source>
        <translation>Uruchamiaj program z ostatnio otwartym projektem</translation>
    </message>
    <message>
        <source>Construction layer width in [mm]</source>
        <translation>Grubość warstw przegrody w [mm]</translation>
    </message>
    <message>
        <source>Construction layer width in [cm]</source>
        <translation>Grubość warstw przegrody w [cm]</translation>
    </message>
    <message>
        <source>Construction layer width in [dm]</source>
        <translation>Grubość warstw przegrody w [dm]</translation>
    </message>
    <message>
        <source>Construction layer width in [m]</source>
        <translation>Grubość warstw przegrody w [m]</translation>
    </message>
    <message>
        <source>A new directory is used from the next start of the program.</source>
        <translation>Nowy katalog zostanie użyty od następnego uruchomienia programu.</translation>
    </message>
    <message>
        <source>Directory for user material database and construction database:</source>
        <translation>Katalog bazy materiałów użytkownika i bazy przegród:</translation>
    </message>
    <message>
        <source>Directory not valid.</source>
        <translation>Nieprawidłowy katalog.</translation>
    </message>
    <message>
        <source>There exist a file with the same name.</source>
        <translation>Istnieje już plik o tej nazwie.</translation>
    </message>
    <message>
        <source>The given text cannot be used as directory.</source>
        <translation>Podanego tekstu nie można użyć jako katalogu.</translation>
    </message>
    <message>
        <source>Directory not writebale.</source>
        <translation>Brak możliwości zapisu w katalogu.</translation>
    </message>
    <message>
        <source>The material database cannot be stored here.</source>
        <translation>Nie można tutaj zapisać bazy materiałów.</translation>
    </message>
    <message>
        <source>User material directory</source>
        <translation>Katalog materiałów użytkownika</translation>
    </message>
</context>
<context>
    <name>ConfigPageProjectInformation</name>
    <message>
        <source>The settings below are transfered into newly created projects. To edit the project information of the current project, use the project information editor available from the edit menu.</source>
        <translation>Poniższe ustawienia są przenoszone do nowo tworzonych projektów. Aby edytować informacje o bieżącym projekcie, użyj edytora informacji o projekcie z menu Edycja.</translation>
    </message>
</context>
<context>
    <name>ConfigPrintDefaults</name>
    <message>
        <source>General Appearance</source>
        <translation>Wygląd ogólny</translation>
    </message>
    <message>
        <source>Construction sketch</source>
        <translation>Szkic przegrody</translation>
    </message>
    <message>
        <source>Material data</source>
        <translation>Dane materiałowe</translation>
    </message>
    <message>
        <source>Climate data</source>
        <translation>Dane klimatyczne</translation>
    </message>
    <message>
        <source>Surface Resistance</source>
        <translation>Opory przejmowania ciepła</translation>
    </message>
    <message>
        <source>Input Data</source>
        <translation>Dane wejściowe</translation>
    </message>
    <message>
        <source>Temperature and moisture profiles</source>
        <translation>Rozkłady temperatury i wilgotności</translation>
    </message>
    <message>
        <source>Vapor pressure profiles</source>
        <translation>Rozkłady ciśnienia pary</translation>
    </message>
    <message>
        <source>Diagrams</source>
        <translation>Wykresy</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Uwagi końcowe</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Nagłówek</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Stopka</translation>
    </message>
    <message>
        <source>Page numbers in footer</source>
        <translation>Numery stron w stopce</translation>
    </message>
    <message>
        <source>Project information</source>
        <translation>Informacje o projekcie</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser) - Summary</source>
        <translation>DIN 4108-3 (Glaser) - podsumowanie</translation>
    </message>
    <message>
        <source>TAVO Results - Summary</source>
        <translation>Wyniki TAVO - podsumowanie</translation>
    </message>
    <message>
        <source>TAVO Results - Detailed Table</source>
        <translation>Wyniki TAVO - tabela szczegółowa</translation>
    </message>
    <message>
        <source>Resistances and µ values</source>
        <translation>Opory i wartości µ</translation>
    </message>
    <message>
        <source>Construction kind for test of minimum thermal resistance
according german standard DIN 4108-2 table 3</source>
        <translation>Rodzaj przegrody do sprawdzenia minimalnego oporu cieplnego
według normy DIN 4108-2 tabela 3</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Nagłówek 1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Nagłówek 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Nagłówek 3</translation>
    </message>
    <message>
        <source>Normal text</source>
        <translation>Zwykły tekst</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Podkreślenie</translation>
    </message>
    <message>
        <source>Final remarks printed at the end of the report of new projects:</source>
        <translation>Uwagi końcowe drukowane na końcu raportu nowych projektów:</translation>
    </message>
    <message>
        <source>User Logo</source>
        <translation>Logo użytkownika</translation>
    </message>
</context>
<context>
    <name>ConstructionDatabaseTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Warm side
Layer 1</source>
        <translation>Strona ciepła
Warstwa 1</translation>
    </message>
    <message>
        <source>Cold side
Layer %1</source>
        <translation>Strona zimna
Warstwa %1</translation>
    </message>
    <message>
        <source>
Layer %1</source>
        <translation>
Warstwa %1</translation>
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
        <translation>Dodaj konstrukcję</translation>
    </message>
    <message>
        <source>Add a new construction to the list.</source>
        <translation>Dodaje nową konstrukcję do listy.</translation>
    </message>
    <message>
        <source>Delete Construction</source>
        <translation>Usuń konstrukcję</translation>
    </message>
    <message>
        <source>Delete selected construction from list.</source>
        <translation>Usuwa wybraną konstrukcję z listy.</translation>
    </message>
    <message>
        <source>Edit construction</source>
        <translation>Edytuj konstrukcję</translation>
    </message>
    <message>
        <source>Edit selected constrcution.</source>
        <translation>Edytuje wybraną konstrukcję.</translation>
    </message>
    <message>
        <source>Copy construction</source>
        <translation>Kopiuj konstrukcję</translation>
    </message>
    <message>
        <source>Copy selected construction to a new one.</source>
        <translation>Kopiuje wybraną konstrukcję do nowej.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Add the constructions of another construction file to the list.</source>
        <translation>Dodaje do listy konstrukcje z innego pliku konstrukcji.</translation>
    </message>
    <message>
        <source>Construction list</source>
        <translation>Lista konstrukcji</translation>
    </message>
    <message>
        <source>Selected Construction:</source>
        <translation>Wybrana konstrukcja:</translation>
    </message>
    <message>
        <source>View and Notes</source>
        <translation>Widok i uwagi</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Wewnątrz</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Zewnątrz</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nic</translation>
    </message>
    <message>
        <source>Open a project with layers: its construction is added.</source>
        <translation>Otwórz projekt z warstwami: zostanie dodana jego konstrukcja.</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (kopia)</translation>
    </message>
    <message>
        <source>Select file with construction database.</source>
        <translation>Wybierz plik z bazą konstrukcji.</translation>
    </message>
    <message>
        <source>Database for Tavo 2 (*.constr)</source>
        <translation>Baza dla Tavo 2 (*.constr)</translation>
    </message>
    <message>
        <source>Constructions added.</source>
        <translation>Dodano konstrukcje.</translation>
    </message>
    <message>
        <source>Construction read error.</source>
        <translation>Błąd odczytu konstrukcji.</translation>
    </message>
</context>
<context>
    <name>ConstructionLayerFrame</name>
    <message>
        <source>Material Properties</source>
        <translation>Właściwości materiałów</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Materiał</translation>
    </message>
    <message>
        <source>d - layer thickness, </source>
        <translation>d - grubość warstwy, </translation>
    </message>
    <message>
        <source>&amp;lambda; - design value of thermal conductivity, </source>
        <translation>&amp;lambda; - obliczeniowy współczynnik przewodzenia ciepła, </translation>
    </message>
    <message>
        <source>&amp;mu; - vapour diffusion resistance factor, </source>
        <translation>&amp;mu; - współczynnik oporu dyfuzyjnego pary wodnej, </translation>
    </message>
    <message>
        <source>w&lt;sub&gt;80&lt;/sub&gt;/w&lt;sub&gt;sat&lt;/sub&gt; - %1, </source>
        <translation>w&lt;sub&gt;80&lt;/sub&gt;/w&lt;sub&gt;sat&lt;/sub&gt; - %1, </translation>
    </message>
    <message>
        <source>moisture content for 80% RH. resp. saturation</source>
        <translation>wilgotność przy 80% wilgotności względnej lub przy nasyceniu</translation>
    </message>
    <message>
        <source>A&lt;sub&gt;w&lt;/sub&gt; - %1, </source>
        <translation>A&lt;sub&gt;w&lt;/sub&gt; - %1, </translation>
    </message>
    <message>
        <source>water uptake coefficient</source>
        <translation>współczynnik absorpcji wody</translation>
    </message>
    <message>
        <source>layers from left to right</source>
        <translation>warstwy od lewej (ciepłej) do prawej (zimnej) strony</translation>
    </message>
</context>
<context>
    <name>ConstructionList</name>
    <message>
        <source>test construction 1</source>
        <translation>Konstrukcja testowa 1</translation>
    </message>
    <message>
        <source>Cannot read file &apos;%1&apos;.</source>
        <translation>Nie można odczytać pliku &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; was written by another version of the program and cannot be read.</source>
        <translation>Plik &apos;%1&apos; został zapisany przez inną wersję programu i nie może zostać odczytany.</translation>
    </message>
    <message>
        <source>%1 constructions found in file &apos;%2&apos;</source>
        <translation>Liczba konstrukcji znalezionych w pliku &apos;%2&apos;: %1</translation>
    </message>
    <message>
        <source>No constructions found in file &apos;%1&apos;</source>
        <translation>Nie znaleziono konstrukcji w pliku &apos;%1&apos;</translation>
    </message>
    <message>
        <source>The file could not be read to its end; the constructions after the damaged entry are missing.</source>
        <translation>Nie udało się odczytać pliku do końca; brakuje konstrukcji zapisanych po uszkodzonym wpisie.</translation>
    </message>
    <message>
        <source>The construction database &apos;%1&apos; could not be read completely. The %2 constructions read before the damage are used; the file itself is not overwritten but kept under a name ending in &quot;.corrupt&quot; when the construction database is saved.</source>
        <translation>Nie udało się w pełni odczytać bazy konstrukcji &apos;%1&apos;. Używane są konstrukcje odczytane przed uszkodzeniem (%2); sam plik nie zostanie nadpisany, lecz przy zapisie bazy konstrukcji zostanie zachowany pod nazwą z końcówką &quot;.corrupt&quot;.</translation>
    </message>
    <message>
        <source>The construction database &apos;%1&apos; was written by another version of the program and cannot be read. It is not overwritten but kept under a name ending in &quot;.corrupt&quot; when the construction database is saved.</source>
        <translation>Baza konstrukcji &apos;%1&apos; została zapisana przez inną wersję programu i nie może zostać odczytana. Nie zostanie nadpisana, lecz przy zapisie bazy konstrukcji zostanie zachowana pod nazwą z końcówką &quot;.corrupt&quot;.</translation>
    </message>
    <message>
        <source>The construction database &apos;%1&apos; cannot be opened. The program starts without its constructions and does not overwrite the file.</source>
        <translation>Nie można otworzyć bazy konstrukcji &apos;%1&apos;. Program uruchamia się bez jej konstrukcji i nie nadpisuje pliku.</translation>
    </message>
</context>
<context>
    <name>ConstructionNameInputDialog</name>
    <message>
        <source>Construction Name</source>
        <translation>Nazwa konstrukcji</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
</context>
<context>
    <name>ConstructionSketchDock</name>
    <message>
        <source>Inside</source>
        <translation>Wewnątrz</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Na zewnątrz</translation>
    </message>
    <message>
        <source>Construction to scale</source>
        <translation>Przegroda w skali</translation>
    </message>
    <message>
        <source>Show/hide construction to scale</source>
        <translation>Pokaż/ukryj przegrodę w skali</translation>
    </message>
    <message>
        <source>Shows/hides the construction drawn to scale</source>
        <translation>Pokazuje/ukrywa przegrodę narysowaną w skali</translation>
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
        <translation>Bieżące obliczenia nie przyjmują jako granicy dla materiałów bez podciągania kapilarnego tej samej wartości współczynnika absorpcji wody </translation>
    </message>
    <message>
        <source>as the standard DIN 4108-3 from 2014, 2018 or 2024.&lt;br/&gt;</source>
        <translation>co norma DIN 4108-3 z 2014, 2018 lub 2024 r.&lt;br/&gt;</translation>
    </message>
    <message>
        <source>Used value: %1 %2.&lt;br/&gt;</source>
        <translation>Zastosowana wartość: %1 %2.&lt;br/&gt;</translation>
    </message>
    <message>
        <source>This is admissible because TAVO is a advanced software as per appendix D DIN 4108-3.</source>
        <translation>Jest to dopuszczalne, ponieważ TAVO jest zaawansowaną metodą obliczeniową w rozumieniu załącznika D normy DIN 4108-3.</translation>
    </message>
</context>
<context>
    <name>DINCriteriaSettings</name>
    <message>
        <source>Settings for validity check according DIN 4108-3</source>
        <translation>Ustawienia weryfikacji wg DIN 4108-3</translation>
    </message>
    <message>
        <source>User defined</source>
        <translation>Zdefiniowane przez użytkownika</translation>
    </message>
    <message>
        <source>DIN 4108-3 2018 und 2024</source>
        <translation>DIN 4108-3 2018 i 2024</translation>
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
        <translation>Wartość Aw dla materiału niekapilarnego</translation>
    </message>
    <message>
        <source>Aw value for capillar active material</source>
        <translation>Wartość Aw dla materiału kapilarnie aktywnego</translation>
    </message>
    <message>
        <source>Check one or both sides of a condensation plane</source>
        <translation>Sprawdzenie jednej lub obu stron płaszczyzny kondensacji</translation>
    </message>
    <message>
        <source>One side check</source>
        <translation>Sprawdzenie jednostronne</translation>
    </message>
    <message>
        <source>Two side check</source>
        <translation>Sprawdzenie dwustronne</translation>
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
        <translation>Wartość Aw musi być liczbą.</translation>
    </message>
    <message>
        <source>The Aw value cannot be &lt; 0.</source>
        <translation>Wartość Aw nie może być &lt; 0.</translation>
    </message>
</context>
<context>
    <name>DiagramFrame</name>
    <message>
        <source>Temperature and Moisture Profile</source>
        <translation>Rozkład temperatury i wilgotności</translation>
    </message>
    <message>
        <source>Temperature and Vapour Pressure Profile</source>
        <translation>Rozkład temperatury i ciśnienia pary wodnej</translation>
    </message>
    <message>
        <source>Other Diagram</source>
        <translation>Inny wykres</translation>
    </message>
    <message>
        <source>Condensate (overhygroscopic moisture content) dark blue.</source>
        <translation>Kondensat (wilgotność ponadhigroskopijna) kolorem ciemnoniebieskim.</translation>
    </message>
    <message>
        <source>No drawing: the input data are invalid.</source>
        <translation>Brak rysunku: dane wejściowe są nieprawidłowe.</translation>
    </message>
</context>
<context>
    <name>DiagramScene</name>
    <message>
        <source>Temperature %1 in [%2C]</source>
        <translation>Temperatura %1 [%2C]</translation>
    </message>
    <message>
        <source>Vapor pressure p in [Pa]</source>
        <translation>Ciśnienie cząstkowe pary wodnej p [Pa]</translation>
    </message>
    <message>
        <source>Moisture content w in [%1]</source>
        <translation>Wilgotność w [%1]</translation>
    </message>
    <message>
        <source>Layer widths in [mm]</source>
        <translation>Grubości warstw [mm]</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Sat. vapour pressure</source>
        <translation>Ciśnienie nasycenia</translation>
    </message>
    <message>
        <source>Vapour pressure (real)</source>
        <translation>Ciśnienie pary (rzeczywiste)</translation>
    </message>
    <message>
        <source>Vapour pressure (calc.)</source>
        <translation>Ciśnienie pary (obliczone)</translation>
    </message>
</context>
<context>
    <name>DiagramView</name>
    <message>
        <source>Vapour pressure diagram</source>
        <translation>Wykres ciśnienia pary wodnej</translation>
    </message>
    <message>
        <source>Water content diagram</source>
        <translation>Wykres wilgotności</translation>
    </message>
    <message>
        <source>Construction Sketch</source>
        <translation>Szkic przegrody</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>File is not a Tavo 2.0 project file.</source>
        <translation>Plik nie jest plikiem projektu Tavo 2.0.</translation>
    </message>
    <message>
        <source>[Document::readOld]  Keyword &apos;FileVersion&apos; missing!</source>
        <translation>[Document::readOld]  Brak słowa kluczowego &apos;FileVersion&apos;!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing!</source>
        <translation>Brak początku bloku &apos;{&apos;!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for climatelist!</source>
        <translation>Brak początku bloku &apos;{&apos; listy klimatów!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for wall data!</source>
        <translation>Brak początku bloku &apos;{&apos; danych przegrody!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for remarks!</source>
        <translation>Brak początku bloku &apos;{&apos; uwag!</translation>
    </message>
    <message>
        <source>Error reading parameter &apos;%1&apos;!</source>
        <translation>Błąd odczytu parametru &apos;%1&apos;!</translation>
    </message>
    <message>
        <source>Invalid keyword &apos;%1&apos; in project file!</source>
        <translation>Nieprawidłowe słowo kluczowe &apos;%1&apos; w pliku projektu!</translation>
    </message>
    <message>
        <source>Error reading project file.
</source>
        <translation>Błąd odczytu pliku projektu.
</translation>
    </message>
    <message>
        <source>[Document::readOld]  Error reading project file &apos;%1&apos;
</source>
        <translation>[Document::readOld]  Błąd odczytu pliku projektu &apos;%1&apos;
</translation>
    </message>
</context>
<context>
    <name>DryingReserveSettings</name>
    <message>
        <source>Drying potential according DIN 68800-2</source>
        <translation>Potencjał wysychania wg DIN 68800-2</translation>
    </message>
    <message>
        <source>No drying reserve</source>
        <translation>Brak rezerwy wysychania</translation>
    </message>
    <message>
        <source>Drying reserve for ceilings and walls</source>
        <translation>Rezerwa wysychania dla stropów i ścian</translation>
    </message>
    <message>
        <source>Drying reserve for roofs</source>
        <translation>Rezerwa wysychania dla dachów</translation>
    </message>
    <message>
        <source>Custom drying reserve</source>
        <translation>Własna rezerwa wysychania</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Zastosuj</translation>
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
        <translation>Bez kondensacji nie można zastosować rezerwy wysychania.</translation>
    </message>
    <message>
        <source>The drying reserve must be a number.</source>
        <translation>Rezerwa wysychania musi być liczbą.</translation>
    </message>
    <message>
        <source>The drying reserve cannot be &lt; 0.</source>
        <translation>Rezerwa wysychania nie może być &lt; 0.</translation>
    </message>
</context>
<context>
    <name>FooterFrame</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
</context>
<context>
    <name>GlaserFrame</name>
    <message>
        <source>Results according DIN 4108-3 (Glaser Scheme)</source>
        <translation>Wyniki wg DIN 4108-3 (metoda Glasera)</translation>
    </message>
    <message>
        <source>Condensation Period (Winter)</source>
        <translation>Okres kondensacji (zima)</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dni</translation>
    </message>
    <message>
        <source>Condensation mass (according to Glaser)</source>
        <translation>Masa kondensatu (wg Glasera)</translation>
    </message>
    <message>
        <source>Interior climate (left)</source>
        <translation>Klimat wewnętrzny (z lewej)</translation>
    </message>
    <message>
        <source>Outdoor climate (right)</source>
        <translation>Klimat zewnętrzny (z prawej)</translation>
    </message>
    <message>
        <source>Drying Period (Summer)</source>
        <translation>Okres odparowania (lato)</translation>
    </message>
    <message>
        <source>Potential drying mass</source>
        <translation>Możliwa masa odparowania</translation>
    </message>
    <message>
        <source>Duration of drying (according to Glaser)</source>
        <translation>Czas wysychania (wg Glasera)</translation>
    </message>
    <message>
        <source>Condensation zone</source>
        <translation>Strefa kondensacji</translation>
    </message>
</context>
<context>
    <name>HTMLTextFormatWidget</name>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>H1</source>
        <translation>N1</translation>
    </message>
    <message>
        <source>H2</source>
        <translation>N2</translation>
    </message>
    <message>
        <source>H3</source>
        <translation>N3</translation>
    </message>
    <message>
        <source>H4</source>
        <translation>N4</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Mały</translation>
    </message>
    <message>
        <source>Normal text</source>
        <translation>Zwykły tekst</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Nagłówek 1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Nagłówek 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Nagłówek 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Nagłówek 4</translation>
    </message>
    <message>
        <source>Small text</source>
        <translation>Mała czcionka</translation>
    </message>
</context>
<context>
    <name>HatchedItemDelegate</name>
    <message>
        <source>warm</source>
        <translation>strona ciepła</translation>
    </message>
    <message>
        <source>cold</source>
        <translation>strona zimna</translation>
    </message>
</context>
<context>
    <name>InputData</name>
    <message>
        <source>[InputData::readClimateOld]  Four climate conditions are required!</source>
        <translation>[InputData::readClimateOld]  Wymagane są cztery warunki klimatyczne!</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Illegal keyword &apos;%1&apos;</source>
        <translation>[InputData::readClimateOld]  Niedozwolone słowo kluczowe &apos;%1&apos;</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Invalid keyword &apos;%1&apos;</source>
        <translation>[InputData::readClimateOld]  Nieprawidłowe słowo kluczowe &apos;%1&apos;</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Error reading parameter &apos;%1&apos;!</source>
        <translation>[InputData::readClimateOld]  Błąd odczytu parametru &apos;%1&apos;!</translation>
    </message>
    <message>
        <source>[InputData::readConstructionOld]  Invalid keyword &apos;%1&apos;</source>
        <translation>[InputData::readConstructionOld]  Nieprawidłowe słowo kluczowe &apos;%1&apos;</translation>
    </message>
    <message>
        <source>[InputData::readConstructionOld]  Block start &apos;{&apos; missing!</source>
        <translation>[InputData::readConstructionOld]  Brak początku bloku &apos;{&apos;!</translation>
    </message>
</context>
<context>
    <name>LicenceDialog</name>
    <message>
        <source>Licences</source>
        <translation>Licencje</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencja</translation>
    </message>
    <message>
        <source>%1 is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version (GPL-3.0-or-later). It comes with NO WARRANTY.</source>
        <translation>%1 jest wolnym oprogramowaniem: możesz je rozpowszechniać i/lub modyfikować na warunkach Powszechnej Licencji Publicznej GNU (GNU General Public License) opublikowanej przez Free Software Foundation, w wersji 3 tej licencji lub (według twojego wyboru) dowolnej późniejszej wersji (GPL-3.0-or-later). Jest dostarczane BEZ JAKIEJKOLWIEK GWARANCJI.</translation>
    </message>
    <message>
        <source>Copyright © The Qt Company Ltd. and other contributors. Used under the GNU Lesser General Public License version 3 (LGPL-3.0). %1 links Qt dynamically: you may replace the Qt libraries with a modified version of your own.</source>
        <translation>Copyright © The Qt Company Ltd. i inni współtwórcy. Używane na licencji GNU Lesser General Public License w wersji 3 (LGPL-3.0). %1 łączy Qt dynamicznie: możesz zastąpić biblioteki Qt własną, zmodyfikowaną wersją.</translation>
    </message>
    <message>
        <source>Copyright © The OpenSSL Project Authors. Used under the Apache License 2.0 (Apache-2.0) to read and write the enciphered material database.</source>
        <translation>Copyright © The OpenSSL Project Authors. Używane na licencji Apache License 2.0 (Apache-2.0) do odczytu i zapisu zaszyfrowanej bazy materiałów.</translation>
    </message>
    <message>
        <source>Sources of the material values</source>
        <translation>Źródła wartości materiałowych</translation>
    </message>
    <message>
        <source>DIN 4108-4:2020, DIN EN ISO 10456:2010, the MASEA material database, IEA Annex 24, the USDA Wood Handbook, hygrothermal data sets from the literature and typical product declarations. Many moisture storage values are estimates; the declared values of a real product take precedence.</source>
        <translation>DIN 4108-4:2020, DIN EN ISO 10456:2010, baza materiałowa MASEA, IEA Annex 24, USDA Wood Handbook, cieplno-wilgotnościowe zbiory danych z literatury i typowe deklaracje produktów. Wiele wartości magazynowania wilgoci jest szacunkowych; deklarowane wartości rzeczywistego produktu mają pierwszeństwo.</translation>
    </message>
    <message>
        <source>The full texts are installed with the documentation (LICENSE, THIRD-PARTY-NOTICES.md).</source>
        <translation>Pełne teksty są instalowane wraz z dokumentacją (LICENSE, THIRD-PARTY-NOTICES.md).</translation>
    </message>
</context>
<context>
    <name>LogFileDialog</name>
    <message>
        <source>Log file</source>
        <translation>Plik dziennika</translation>
    </message>
    <message>
        <source>[Only the end of the log file is shown.]</source>
        <translation>[Wyświetlany jest tylko koniec pliku dziennika.]</translation>
    </message>
    <message>
        <source>No logfile found at position
 %1</source>
        <translation>Nie znaleziono pliku dziennika w lokalizacji
 %1</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Kopiuj do schowka</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>A software for hygrothermal evaluation of building envelope systems</source>
        <translation>Program do oceny cieplno-wilgotnościowej przegród zewnętrznych budynku</translation>
    </message>
    <message>
        <source>Tavo 2</source>
        <translation>Tavo 2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Application Language</source>
        <translation>Język programu</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Główny pasek narzędzi</translation>
    </message>
    <message>
        <source>Diagram toolbar</source>
        <translation>Pasek narzędzi wykresu</translation>
    </message>
    <message>
        <source>Heat flow direction</source>
        <translation>Kierunek strumienia ciepła</translation>
    </message>
    <message>
        <source>New project...</source>
        <translation>Nowy projekt...</translation>
    </message>
    <message>
        <source>Creates a new project.</source>
        <translation>Tworzy nowy projekt.</translation>
    </message>
    <message>
        <source>Open project...</source>
        <translation>Otwórz projekt...</translation>
    </message>
    <message>
        <source>Opens a project.</source>
        <translation>Otwiera projekt.</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Zapisz projekt</translation>
    </message>
    <message>
        <source>Saves the current project.</source>
        <translation>Zapisuje bieżący projekt.</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save project as...</source>
        <translation>Zapisz projekt jako...</translation>
    </message>
    <message>
        <source>Saves the current project under a new name.</source>
        <translation>Zapisuje bieżący projekt pod nową nazwą.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Closes the program.</source>
        <translation>Zamyka program.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <source>Prints the report.</source>
        <translation>Drukuje raport.</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Pomoc...</translation>
    </message>
    <message>
        <source>Opens the program help.</source>
        <translation>Otwiera pomoc programu.</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About %1 ...</source>
        <translation>O programie %1 ...</translation>
    </message>
    <message>
        <source>Opens the About dialog.</source>
        <translation>Otwiera okno informacji o programie.</translation>
    </message>
    <message>
        <source>About Qt...</source>
        <translation>O Qt...</translation>
    </message>
    <message>
        <source>Opens the Qt About dialog.</source>
        <translation>Otwiera okno informacji o Qt.</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Ustawienia...</translation>
    </message>
    <message>
        <source>Opens the configuration dialog.</source>
        <translation>Otwiera okno ustawień.</translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation>Ostatnie projekty</translation>
    </message>
    <message>
        <source>Shows list of recently used projects.</source>
        <translation>Pokazuje listę ostatnio używanych projektów.</translation>
    </message>
    <message>
        <source>Show moisture content profile</source>
        <translation>Pokaż rozkład wilgotności</translation>
    </message>
    <message>
        <source>Show moisture content</source>
        <translation>Pokaż wilgotność</translation>
    </message>
    <message>
        <source>Toggles display of vapor pressure profile or moisture content profile</source>
        <translation>Przełącza między rozkładem ciśnienia cząstkowego pary wodnej a rozkładem wilgotności</translation>
    </message>
    <message>
        <source>Use hatching</source>
        <translation>Użyj kreskowania</translation>
    </message>
    <message>
        <source>Toggles display of hatched material layers.</source>
        <translation>Włącza lub wyłącza kreskowanie warstw materiałowych.</translation>
    </message>
    <message>
        <source>Qt User Interface Configuration...</source>
        <translation>Konfiguracja interfejsu Qt...</translation>
    </message>
    <message>
        <source>Opens the Qt User Interface Configuration tool</source>
        <translation>Otwiera narzędzie konfiguracji interfejsu Qt</translation>
    </message>
    <message>
        <source>Select Material...</source>
        <translation>Wybierz materiał...</translation>
    </message>
    <message>
        <source>= Mat</source>
        <translation>= Mat</translation>
    </message>
    <message>
        <source>Opens the material database dialog to select a material for this layer.</source>
        <translation>Otwiera bazę materiałów, aby wybrać materiał dla tej warstwy.</translation>
    </message>
    <message>
        <source>Edit Material Database...</source>
        <translation>Edytuj bazę materiałów...</translation>
    </message>
    <message>
        <source>Open the Database Dialog for viewing and editing material or construction data</source>
        <translation>Otwiera bazę danych do przeglądania i edycji danych materiałów lub konstrukcji</translation>
    </message>
    <message>
        <source>Add layer to the left</source>
        <translation>Dodaj warstwę z lewej</translation>
    </message>
    <message>
        <source>+ Left</source>
        <translation>+ Z lewej</translation>
    </message>
    <message>
        <source>Adds a new layer or construction to the left of the currently selected layer.</source>
        <translation>Dodaje nową warstwę lub konstrukcję z lewej strony zaznaczonej warstwy.</translation>
    </message>
    <message>
        <source>Add layer to the right</source>
        <translation>Dodaj warstwę z prawej</translation>
    </message>
    <message>
        <source>+ Right</source>
        <translation>+ Z prawej</translation>
    </message>
    <message>
        <source>Adds a new layer or construction to the right of the currently selected layer.</source>
        <translation>Dodaje nową warstwę lub konstrukcję z prawej strony zaznaczonej warstwy.</translation>
    </message>
    <message>
        <source>Remove current layer</source>
        <translation>Usuń bieżącą warstwę</translation>
    </message>
    <message>
        <source>- Layer</source>
        <translation>- Warstwa</translation>
    </message>
    <message>
        <source>Removes the currently selected layer.</source>
        <translation>Usuwa zaznaczoną warstwę.</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Przesuń w lewo</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;</source>
        <translation>&lt;&lt;&lt;</translation>
    </message>
    <message>
        <source>Moves current layer to the left.</source>
        <translation>Przesuwa bieżącą warstwę w lewo.</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Przesuń w prawo</translation>
    </message>
    <message>
        <source>&gt;&gt;&gt;</source>
        <translation>&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Moves current layer to the right.</source>
        <translation>Przesuwa bieżącą warstwę w prawo.</translation>
    </message>
    <message>
        <source>Report setup / Print preview ...</source>
        <translation>Ustawienia raportu / Podgląd wydruku ...</translation>
    </message>
    <message>
        <source>Opens the print preview and setup dialog.</source>
        <translation>Otwiera podgląd wydruku z ustawieniami raportu.</translation>
    </message>
    <message>
        <source>Edit project information...</source>
        <translation>Edytuj informacje o projekcie...</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Szkic</translation>
    </message>
    <message>
        <source>Copy sketch image</source>
        <translation>Kopiuj obraz szkicu</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>Copy chart image</source>
        <translation>Kopiuj obraz wykresu</translation>
    </message>
    <message>
        <source>Export sketch image to file</source>
        <translation>Eksportuj obraz szkicu do pliku</translation>
    </message>
    <message>
        <source>Export chart image to file</source>
        <translation>Eksportuj obraz wykresu do pliku</translation>
    </message>
    <message>
        <source>Add to Construction Database...</source>
        <translation>Dodaj do bazy konstrukcji...</translation>
    </message>
    <message>
        <source>Adds the current construction to the construction database.</source>
        <translation>Dodaje bieżącą konstrukcję do bazy konstrukcji.</translation>
    </message>
    <message>
        <source>Heat flow up</source>
        <translation>Strumień ciepła w górę</translation>
    </message>
    <message>
        <source>Horizontal construction with heat flow upwards.</source>
        <translation>Przegroda pozioma ze strumieniem ciepła skierowanym w górę.</translation>
    </message>
    <message>
        <source>horizontal heat flow</source>
        <translation>poziomy strumień ciepła</translation>
    </message>
    <message>
        <source>Vertical construction with horizontal heat flow.</source>
        <translation>Przegroda pionowa z poziomym strumieniem ciepła.</translation>
    </message>
    <message>
        <source>Heat flow down</source>
        <translation>Strumień ciepła w dół</translation>
    </message>
    <message>
        <source>Horizontal construction with heat flow downwards.</source>
        <translation>Przegroda pozioma ze strumieniem ciepła skierowanym w dół.</translation>
    </message>
    <message>
        <source>Help heat flow directions</source>
        <translation>Pomoc: kierunki strumienia ciepła</translation>
    </message>
    <message>
        <source>Add Material to User Database</source>
        <translation>Dodaj materiał do bazy użytkownika</translation>
    </message>
    <message>
        <source>Show Logfile</source>
        <translation>Pokaż plik dziennika</translation>
    </message>
    <message>
        <source>Show the logfile of TAVO2.</source>
        <translation>Pokazuje plik dziennika programu TAVO2.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Show/hide main toolbar</source>
        <translation>Pokaż/ukryj główny pasek narzędzi</translation>
    </message>
    <message>
        <source>Shows/hides the main toolbar</source>
        <translation>Pokazuje lub ukrywa główny pasek narzędzi</translation>
    </message>
    <message>
        <source>Show/hide diagram toolbar</source>
        <translation>Pokaż/ukryj pasek narzędzi wykresu</translation>
    </message>
    <message>
        <source>Shows/hides the diagram toolbar</source>
        <translation>Pokazuje lub ukrywa pasek narzędzi wykresu</translation>
    </message>
    <message>
        <source>Save project before closing</source>
        <translation>Zapisz projekt przed zamknięciem</translation>
    </message>
    <message>
        <source>Would you like to save the project before closing it?</source>
        <translation>Czy zapisać projekt przed jego zamknięciem?</translation>
    </message>
    <message>
        <source>Error loading project file</source>
        <translation>Błąd wczytywania pliku projektu</translation>
    </message>
    <message>
        <source>Error #3: Saving failed</source>
        <translation>Błąd #3: zapis nie powiódł się</translation>
    </message>
    <message>
        <source>Error while saving project file!</source>
        <translation>Błąd podczas zapisywania pliku projektu!</translation>
    </message>
    <message>
        <source>Specify %1 project file</source>
        <translation>Podaj plik projektu %1</translation>
    </message>
    <message>
        <source>%2 project (*.%1)</source>
        <translation>Projekt %2 (*.%1)</translation>
    </message>
    <message>
        <source>%1 Projects (*.%2)</source>
        <translation>Projekty %1 (*.%2)</translation>
    </message>
    <message>
        <source>;;%1 Projects (*.%2);;All files (*.*)</source>
        <translation>;;Projekty %1 (*.%2);;Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Select %1 project file</source>
        <translation>Wybierz plik projektu %1</translation>
    </message>
    <message>
        <source>Error #4: File not found</source>
        <translation>Błąd #4: nie znaleziono pliku</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be found or does not exist.</source>
        <translation>Nie można znaleźć pliku &apos;%1&apos; lub plik nie istnieje.</translation>
    </message>
    <message>
        <source>Error #5: File not found</source>
        <translation>Błąd #5: nie znaleziono pliku</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be found or does not exist.
%2</source>
        <translation>Nie można znaleźć pliku &apos;%1&apos; lub plik nie istnieje.
%2</translation>
    </message>
    <message>
        <source>Remove this file from list?</source>
        <translation>Usunąć ten plik z listy?</translation>
    </message>
    <message>
        <source>Help file error</source>
        <translation>Błąd pliku pomocy</translation>
    </message>
    <message>
        <source>The help file cannot be found on location:
%1</source>
        <translation>Nie znaleziono pliku pomocy w lokalizacji:
%1</translation>
    </message>
    <message>
        <source>Languange changed</source>
        <translation>Zmiana języka</translation>
    </message>
    <message>
        <source>Please restart the software to activate the new language!</source>
        <translation>Uruchom program ponownie, aby włączyć nowy język!</translation>
    </message>
    <message>
        <source>%1 (not available in this version yet)</source>
        <translation>%1 (jeszcze niedostępne w tej wersji)</translation>
    </message>
    <message>
        <source>User material database</source>
        <translation>Baza materiałów użytkownika</translation>
    </message>
    <message>
        <source>Visit the web site...</source>
        <translation>Odwiedź stronę internetową...</translation>
    </message>
    <message>
        <source>Opens the program&apos;s web site in the browser.</source>
        <translation>Otwiera stronę internetową programu w przeglądarce.</translation>
    </message>
    <message>
        <source>Png file (*.png)</source>
        <translation>Plik PNG (*.png)</translation>
    </message>
    <message>
        <source>Pdf file (*.pdf)</source>
        <translation>Plik PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Svg file (*.svg)</source>
        <translation>Plik SVG (*.svg)</translation>
    </message>
    <message>
        <source>Jpg image (*.jpg)</source>
        <translation>Obraz JPG (*.jpg)</translation>
    </message>
    <message>
        <source>The PDF document could not be created.</source>
        <translation>Nie można utworzyć dokumentu PDF.</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>Nie można zakodować obrazu.</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Strona internetowa</translation>
    </message>
    <message>
        <source>The web site %1 could not be opened.</source>
        <translation>Nie można otworzyć strony internetowej %1.</translation>
    </message>
    <message>
        <source>Change material on layer no. %L1</source>
        <translation>Zmiana materiału warstwy nr %L1</translation>
    </message>
    <message>
        <source>Add layer left to no. %L1</source>
        <translation>Dodanie warstwy z lewej strony nr %L1</translation>
    </message>
    <message>
        <source>Add layer right to no. %L1</source>
        <translation>Dodanie warstwy z prawej strony nr %L1</translation>
    </message>
    <message>
        <source>Remove layer no. %L1</source>
        <translation>Usunięcie warstwy nr %L1</translation>
    </message>
    <message>
        <source>Move layer no. %L1 to left</source>
        <translation>Przesunięcie warstwy nr %L1 w lewo</translation>
    </message>
    <message>
        <source>Move layer no. %L1 to right</source>
        <translation>Przesunięcie warstwy nr %L1 w prawo</translation>
    </message>
    <message>
        <source>Change heat flow direction to %1</source>
        <translation>Zmiana kierunku strumienia ciepła na %1</translation>
    </message>
    <message>
        <source>The material &apos;%1&apos; of layer no. %L2 is not valid and cannot be added to the user database.</source>
        <translation>Materiał &apos;%1&apos; warstwy nr %L2 jest nieprawidłowy i nie może zostać dodany do bazy użytkownika.</translation>
    </message>
    <message>
        <source>The material &apos;%1&apos; is already in the user database.</source>
        <translation>Materiał &apos;%1&apos; jest już w bazie użytkownika.</translation>
    </message>
    <message>
        <source>The material &apos;%1&apos; was added to the user database.</source>
        <translation>Materiał &apos;%1&apos; został dodany do bazy użytkownika.</translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Eksport pliku</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists.
Do you want to replace it?</source>
        <translation>Plik &apos;%1&apos; już istnieje.
Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Eksport nie powiódł się</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be written.
%2</source>
        <translation>Nie można zapisać pliku &apos;%1&apos;.
%2</translation>
    </message>
    <message>
        <source>Exported to &apos;%1&apos;.</source>
        <translation>Wyeksportowano do &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Add construction left to no. %L1</source>
        <translation>Dodaj konstrukcję na lewo od nr %L1</translation>
    </message>
    <message>
        <source>Add construction right to no. %L1</source>
        <translation>Dodaj konstrukcję na prawo od nr %L1</translation>
    </message>
    <message>
        <source>Add to Construction Database</source>
        <translation>Dodaj do bazy konstrukcji</translation>
    </message>
    <message>
        <source>Construction database</source>
        <translation>Baza konstrukcji</translation>
    </message>
    <message>
        <source>The construction &apos;%1&apos; was added, but the construction database could not be saved in &apos;%2&apos;. It is saved again when the program closes.</source>
        <translation>Konstrukcja &apos;%1&apos; została dodana, ale nie można zapisać bazy konstrukcji w &apos;%2&apos;. Zostanie zapisana ponownie przy zamknięciu programu.</translation>
    </message>
    <message>
        <source>The construction &apos;%1&apos; was added to the construction database.</source>
        <translation>Konstrukcja &apos;%1&apos; została dodana do bazy konstrukcji.</translation>
    </message>
</context>
<context>
    <name>Material</name>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading material name!</source>
        <translation>[Material::readOld]  Błąd odczytu nazwy materiału!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Invalid keyword &apos;%1&apos;</source>
        <translation>[Material::readOld]  Nieprawidłowe słowo kluczowe &apos;%1&apos;</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;%1&apos;!</source>
        <translation>[Material::readOld]  Błąd odczytu parametru &apos;%1&apos;!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Material &apos;%1&apos;: missing data (%2)!</source>
        <translation>[Material::readOld]  Materiał &apos;%1&apos;: brak danych (%2)!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading material data!
</source>
        <translation>[Material::readOld]  Błąd odczytu danych materiału!
</translation>
    </message>
    <message>
        <source>Invalid encoding &apos;%1&apos; of material color.</source>
        <translation>Nieprawidłowy zapis &apos;%1&apos; koloru materiału.</translation>
    </message>
</context>
<context>
    <name>MaterialCategory</name>
    <message>
        <source>Coating</source>
        <comment>MaterialCategory</comment>
        <translation>Powłoki</translation>
    </message>
    <message>
        <source>Plaster and mortar</source>
        <comment>MaterialCategory</comment>
        <translation>Tynki i zaprawy</translation>
    </message>
    <message>
        <source>Building brick</source>
        <comment>MaterialCategory</comment>
        <translation>Elementy murowe</translation>
    </message>
    <message>
        <source>Natural stones</source>
        <comment>MaterialCategory</comment>
        <translation>Kamienie naturalne</translation>
    </message>
    <message>
        <source>Concrete containing building materials</source>
        <comment>MaterialCategory</comment>
        <translation>Materiały budowlane na bazie betonu</translation>
    </message>
    <message>
        <source>Insulation materials</source>
        <comment>MaterialCategory</comment>
        <translation>Materiały termoizolacyjne</translation>
    </message>
    <message>
        <source>Building boards</source>
        <comment>MaterialCategory</comment>
        <translation>Płyty budowlane</translation>
    </message>
    <message>
        <source>Timber</source>
        <comment>MaterialCategory</comment>
        <translation>Drewno</translation>
    </message>
    <message>
        <source>Natural materials</source>
        <comment>MaterialCategory</comment>
        <translation>Materiały naturalne</translation>
    </message>
    <message>
        <source>Soil</source>
        <comment>MaterialCategory</comment>
        <translation>Grunt</translation>
    </message>
    <message>
        <source>Cladding panels and ceramic tiles</source>
        <comment>MaterialCategory</comment>
        <translation>Okładziny i płytki ceramiczne</translation>
    </message>
    <message>
        <source>Foils and waterproofing products</source>
        <comment>MaterialCategory</comment>
        <translation>Folie i materiały hydroizolacyjne</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <comment>MaterialCategory</comment>
        <translation>Różne</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>MaterialCategory</comment>
        <translation>Nieznana</translation>
    </message>
</context>
<context>
    <name>MaterialConstructionTabWidget</name>
    <message>
        <source>Materials</source>
        <translation>Materiały</translation>
    </message>
    <message>
        <source>Constructions</source>
        <translation>Konstrukcje</translation>
    </message>
</context>
<context>
    <name>MaterialDatabaseDialog</name>
    <message>
        <source>Material/Construction Database</source>
        <translation>Baza materiałów i konstrukcji</translation>
    </message>
    <message>
        <source>Information about material properties</source>
        <translation>Informacje o właściwościach materiałów</translation>
    </message>
    <message>
        <source>User material database</source>
        <translation>Baza materiałów użytkownika</translation>
    </message>
    <message>
        <source>The user materials could not be saved in &apos;%1&apos;. They are kept while the program runs and saved again when it closes.</source>
        <translation>Nie można zapisać materiałów użytkownika w &apos;%1&apos;. Pozostają dostępne, dopóki program działa, i zostaną ponownie zapisane przy jego zamknięciu.</translation>
    </message>
    <message>
        <source>Construction database</source>
        <translation>Baza konstrukcji</translation>
    </message>
    <message>
        <source>The constructions could not be saved in &apos;%1&apos;. They are kept while the program runs and saved again when it closes.</source>
        <translation>Nie można zapisać konstrukcji w &apos;%1&apos;. Pozostają dostępne, dopóki program działa, i zostaną ponownie zapisane przy jego zamknięciu.</translation>
    </message>
</context>
<context>
    <name>MaterialDatabaseWidget</name>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Add a new user defined material</source>
        <translation>Dodaje nowy materiał użytkownika</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Removes user defined material</source>
        <translation>Usuwa materiał użytkownika</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copy the selected material into the user materials</source>
        <translation>Kopiuje wybrany materiał do materiałów użytkownika</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Edit user defined material</source>
        <translation>Edytuje materiał użytkownika</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Add the materials of a material file to the user materials</source>
        <translation>Dodaje materiały z pliku materiałów do materiałów użytkownika</translation>
    </message>
    <message>
        <source>Copy material</source>
        <translation>Kopiuj materiał</translation>
    </message>
    <message>
        <source>Select file with user material database.</source>
        <translation>Wybierz plik z bazą materiałów użytkownika.</translation>
    </message>
    <message>
        <source>Database for Tavo 1.9 (*.txt)</source>
        <translation>Baza dla Tavo 1.9 (*.txt)</translation>
    </message>
    <message>
        <source>;;Database for Tavo 2.0 (*.tmat)</source>
        <translation>;;Baza dla Tavo 2.0 (*.tmat)</translation>
    </message>
    <message>
        <source>Materials added.</source>
        <translation>Dodano materiały.</translation>
    </message>
    <message>
        <source>Material read error.</source>
        <translation>Błąd odczytu materiałów.</translation>
    </message>
</context>
<context>
    <name>MaterialEditDialog</name>
    <message>
        <source>Edit Material</source>
        <translation>Edycja materiału</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Name of the material</source>
        <translation>Nazwa materiału</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
    <message>
        <source>Product Id / Origin</source>
        <translation>Identyfikator produktu / pochodzenie</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Producent</translation>
    </message>
    <message>
        <source>Data source</source>
        <translation>Źródło danych</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Gęstość</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Thermal conductivity</source>
        <translation>Współczynnik przewodzenia ciepła</translation>
    </message>
    <message>
        <source>µ - value</source>
        <translation>Wartość µ</translation>
    </message>
    <message>
        <source>Moisture content for 80 %RH.</source>
        <translation>Wilgotność przy φ = 80%</translation>
    </message>
    <message>
        <source>Saturation moisture content</source>
        <translation>Wilgotność w stanie nasycenia</translation>
    </message>
    <message>
        <source>Water uptake coefficient</source>
        <translation>Współczynnik absorpcji wody</translation>
    </message>
    <message>
        <source>sd-value</source>
        <translation>Wartość sd</translation>
    </message>
    <message>
        <source>Information about material properties</source>
        <translation>Informacje o właściwościach materiałów</translation>
    </message>
    <message>
        <source>The density must be &gt; 0.</source>
        <translation>Gęstość musi być &gt; 0.</translation>
    </message>
    <message>
        <source>The thermal conductivity must be &gt; 0.</source>
        <translation>Współczynnik przewodzenia ciepła musi być &gt; 0.</translation>
    </message>
    <message>
        <source>The vapor resistance factor must be &gt; 0.</source>
        <translation>Współczynnik oporu dyfuzyjnego musi być &gt; 0.</translation>
    </message>
    <message>
        <source>The water uptake coefficient must be &gt; 0.</source>
        <translation>Współczynnik absorpcji wody musi być &gt; 0.</translation>
    </message>
    <message>
        <source>The moisture content at 80% humidity must be &gt; 0 and lower than the saturation moisture content.</source>
        <translation>Wilgotność przy φ = 80% musi być &gt; 0 i mniejsza niż wilgotność w stanie nasycenia.</translation>
    </message>
    <message>
        <source>The moisture content at saturation must be larger than the moisture content at 80% humidity and lower equal than 1.0.</source>
        <translation>Wilgotność w stanie nasycenia musi być większa niż wilgotność przy φ = 80% i mniejsza lub równa 1,0.</translation>
    </message>
    <message>
        <source>The sd-value must be &gt; 0.</source>
        <translation>Wartość sd musi być &gt; 0.</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Drewno</translation>
    </message>
    <message>
        <source>Wood based</source>
        <translation>Materiał drewnopochodny</translation>
    </message>
    <message>
        <source>Foil</source>
        <translation>Folia</translation>
    </message>
    <message>
        <source>Air layer is not editable!</source>
        <translation>Warstwy powietrza nie można edytować!</translation>
    </message>
    <message>
        <source>Select Material Color</source>
        <translation>Wybierz kolor materiału</translation>
    </message>
</context>
<context>
    <name>MaterialEditWidget</name>
    <message>
        <source>Layer</source>
        <translation>Warstwa</translation>
    </message>
    <message>
        <source>Layer color:</source>
        <translation>Kolor warstwy:</translation>
    </message>
    <message>
        <source>Select Layer Color</source>
        <translation>Wybierz kolor warstwy</translation>
    </message>
    <message>
        <source>Material properties</source>
        <translation>Właściwości materiału</translation>
    </message>
    <message>
        <source>Material name:</source>
        <translation>Nazwa materiału:</translation>
    </message>
    <message>
        <source>Thermal conductivity [W/mK]:</source>
        <translation>Współczynnik przewodzenia ciepła [W/mK]:</translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor µ [-]:</source>
        <translation>Współczynnik oporu dyfuzyjnego µ [-]:</translation>
    </message>
    <message>
        <source>sd-value [m]:</source>
        <translation>Wartość sd [m]:</translation>
    </message>
    <message>
        <source>The layer width must be &gt; 0.</source>
        <translation>Grubość warstwy musi być &gt; 0.</translation>
    </message>
    <message>
        <source>The thermal conductivity must be &gt; 0.</source>
        <translation>Współczynnik przewodzenia ciepła musi być &gt; 0.</translation>
    </message>
    <message>
        <source>The vapor resistance factor must be at least 0.1.</source>
        <translation>Współczynnik oporu dyfuzyjnego musi wynosić co najmniej 0,1.</translation>
    </message>
    <message>
        <source>The water uptake coefficient must be &gt; 0.</source>
        <translation>Współczynnik absorpcji wody musi być &gt; 0.</translation>
    </message>
    <message>
        <source>The moisture content at 80% humidity must be &gt; 0 and lower than the saturation moisture content.</source>
        <translation>Wilgotność przy φ = 80% musi być &gt; 0 i mniejsza niż wilgotność w stanie nasycenia.</translation>
    </message>
    <message>
        <source>The moisture content at saturation must be larger than the moisture content at 80% humidity and lower equal than 1.0.</source>
        <translation>Wilgotność w stanie nasycenia musi być większa niż wilgotność przy φ = 80% i mniejsza lub równa 1,0.</translation>
    </message>
    <message>
        <source>The sd-value must be &gt; 0.</source>
        <translation>Wartość sd musi być &gt; 0.</translation>
    </message>
    <message>
        <source>Layer width/height [%1]:</source>
        <translation>Grubość warstwy [%1]:</translation>
    </message>
    <message>
        <source>Moisture content at 80% RH [m%1/m%1]:</source>
        <translation>Wilgotność przy φ = 80% [m%1/m%1]:</translation>
    </message>
    <message>
        <source>Moisture content at saturation [m%1/m%1]:</source>
        <translation>Wilgotność w stanie nasycenia [m%1/m%1]:</translation>
    </message>
    <message>
        <source>Water absorption coefficient [kg/m%1s%2]:</source>
        <translation>Współczynnik absorpcji wody [kg/m%1s%2]:</translation>
    </message>
    <message>
        <source>Water absorption coefficient [kg/m%1h%2]:</source>
        <translation>Współczynnik absorpcji wody [kg/m%1h%2]:</translation>
    </message>
    <message>
        <source>Layer No. %1</source>
        <translation>Warstwa nr %1</translation>
    </message>
    <message>
        <source>Undo layer width change at layer No. %1</source>
        <translation>Zmiana grubości warstwy nr %1</translation>
    </message>
    <message>
        <source>Undo lambda change at layer No. %1</source>
        <translation>Zmiana lambda warstwy nr %1</translation>
    </message>
    <message>
        <source>Undo %L1-value change at layer No. %2</source>
        <translation>Zmiana wartości %L1 warstwy nr %2</translation>
    </message>
    <message>
        <source>Undo w_80 change at layer No. %1</source>
        <translation>Zmiana w_80 warstwy nr %1</translation>
    </message>
    <message>
        <source>Undo w_sat change at layer No. %1</source>
        <translation>Zmiana w_sat warstwy nr %1</translation>
    </message>
    <message>
        <source>Undo Aw change at layer No. %1</source>
        <translation>Zmiana Aw warstwy nr %1</translation>
    </message>
    <message>
        <source>The material name must not be empty.</source>
        <translation>Nazwa materiału nie może być pusta.</translation>
    </message>
    <message>
        <source>Undo change of material name at layer No. %1</source>
        <translation>Zmiana nazwy materiału warstwy nr %1</translation>
    </message>
    <message>
        <source>Undo change of color at layer No. %1</source>
        <translation>Zmiana koloru warstwy nr %1</translation>
    </message>
</context>
<context>
    <name>MaterialLayer</name>
    <message>
        <source>[MaterialLayer::readOld]  Error reading parameter &apos;Width&apos;!</source>
        <translation>[MaterialLayer::readOld]  Błąd odczytu parametru &apos;Width&apos;!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Block start &apos;{&apos; of material definition missing!</source>
        <translation>[MaterialLayer::readOld]  Brak początku bloku &apos;{&apos; definicji materiału!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Invalid keyword!</source>
        <translation>[MaterialLayer::readOld]  Nieprawidłowe słowo kluczowe!</translation>
    </message>
</context>
<context>
    <name>MaterialList</name>
    <message>
        <source>Cannot read file &apos;%1&apos;.</source>
        <translation>Nie można odczytać pliku &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Keyword &apos;FileVersion&apos; missing!</source>
        <translation>Brak słowa kluczowego &apos;FileVersion&apos;!</translation>
    </message>
    <message>
        <source>Keyword &apos;MATERIAL_LIST&apos; missing!</source>
        <translation>Brak słowa kluczowego &apos;MATERIAL_LIST&apos;!</translation>
    </message>
    <message>
        <source>Missing block start!</source>
        <translation>Brak początku bloku!</translation>
    </message>
    <message>
        <source>Unexpected end of file!</source>
        <translation>Nieoczekiwany koniec pliku!</translation>
    </message>
    <message>
        <source>Invalid keyword!</source>
        <translation>Nieprawidłowe słowo kluczowe!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; of material definition missing!</source>
        <translation>Brak początku bloku &apos;{&apos; definicji materiału!</translation>
    </message>
    <message>
        <source>Error reading material name!</source>
        <translation>Błąd odczytu nazwy materiału!</translation>
    </message>
    <message>
        <source>Invalid keyword &apos;%1&apos;!</source>
        <translation>Nieprawidłowe słowo kluczowe &apos;%1&apos;!</translation>
    </message>
    <message>
        <source>Error reading parameter &apos;%1&apos;!</source>
        <translation>Błąd odczytu parametru &apos;%1&apos;!</translation>
    </message>
    <message>
        <source>Missing data!</source>
        <translation>Brak danych!</translation>
    </message>
    <message>
        <source>Error reading material data!
</source>
        <translation>Błąd odczytu danych materiału!
</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>Air space (not ventilated)</source>
        <translation>Warstwa powietrza (niewentylowana)</translation>
    </message>
    <message>
        <source>Thermal conductivity will be calculated from construction and heat flow according DIN EN ISO 6946 5.3.</source>
        <translation>Współczynnik przewodzenia ciepła zostanie obliczony na podstawie konstrukcji i kierunku strumienia ciepła wg DIN EN ISO 6946 5.3.</translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor will be calculated from construction according DIN EN ISO 13788 4.1.</source>
        <translation>Współczynnik oporu dyfuzyjnego zostanie obliczony na podstawie konstrukcji wg DIN EN ISO 13788 4.1.</translation>
    </message>
    <message>
        <source>No valid material file &apos;%1&apos;
 Extension sould be &apos;txt&apos; or &apos;tmat&apos;</source>
        <translation>Nieprawidłowy plik materiałów &apos;%1&apos;
 Rozszerzenie powinno brzmieć &apos;txt&apos; lub &apos;tmat&apos;</translation>
    </message>
    <message>
        <source>%1 materials found in file &apos;%2&apos;</source>
        <translation>Liczba materiałów znalezionych w pliku &apos;%2&apos;: %1</translation>
    </message>
    <message>
        <source>No materials found in file &apos;%1&apos;</source>
        <translation>Nie znaleziono materiałów w pliku &apos;%1&apos;</translation>
    </message>
    <message>
        <source>The file could not be read to its end; the materials after the damaged entry are missing.</source>
        <translation>Nie udało się odczytać pliku do końca; brakuje materiałów zapisanych po uszkodzonym wpisie.</translation>
    </message>
    <message>
        <source>The user material file &apos;%1&apos; cannot be read: it is damaged or was written by another version of the program. It is not overwritten but kept under a name ending in &quot;.corrupt&quot; when the user materials are saved.</source>
        <translation>Nie można odczytać pliku materiałów użytkownika &apos;%1&apos;: jest uszkodzony lub został zapisany przez inną wersję programu. Nie zostanie nadpisany, lecz przy zapisie materiałów użytkownika zostanie zachowany pod nazwą z końcówką &quot;.corrupt&quot;.</translation>
    </message>
    <message>
        <source>The user material file &apos;%1&apos; could not be read completely. The %2 materials read before the damage are used; the file itself is not overwritten but kept under a name ending in &quot;.corrupt&quot; when the user materials are saved.</source>
        <translation>Nie udało się w pełni odczytać pliku materiałów użytkownika &apos;%1&apos;. Używane są materiały odczytane przed uszkodzeniem (%2); sam plik nie zostanie nadpisany, lecz przy zapisie materiałów użytkownika zostanie zachowany pod nazwą z końcówką &quot;.corrupt&quot;.</translation>
    </message>
</context>
<context>
    <name>MaterialTransfer</name>
    <message>
        <source>Data source: %1
</source>
        <translation>Źródło danych: %1
</translation>
    </message>
    <message>
        <source>Notes: %1
</source>
        <translation>Uwagi: %1
</translation>
    </message>
    <message>
        <source>Air
</source>
        <comment>Material flag</comment>
        <translation>Powietrze
</translation>
    </message>
    <message>
        <source>Wood
</source>
        <comment>Material flag</comment>
        <translation>Drewno
</translation>
    </message>
    <message>
        <source>Wood based
</source>
        <comment>Material flag</comment>
        <translation>Materiał drewnopochodny
</translation>
    </message>
    <message>
        <source>Measuring date: %1
</source>
        <translation>Data pomiaru: %1
</translation>
    </message>
    <message>
        <source>Production date: %1
</source>
        <translation>Data produkcji: %1
</translation>
    </message>
    <message>
        <source>Sampling date: %1
</source>
        <translation>Data pobrania próbki: %1
</translation>
    </message>
</context>
<context>
    <name>MinimumHeatResistance</name>
    <message>
        <source>Outer wall</source>
        <translation>Ściana zewnętrzna</translation>
    </message>
    <message>
        <source>Partition wall</source>
        <translation>Ściana międzymieszkaniowa lub oddzielająca budynki</translation>
    </message>
    <message>
        <source>Wall to stair case with temperature &lt;10°C</source>
        <translation>Ściana przy klatce schodowej o temperaturze &lt;10°C</translation>
    </message>
    <message>
        <source>Wall to stair case with temperature &gt;10°C</source>
        <translation>Ściana przy klatce schodowej o temperaturze &gt;10°C</translation>
    </message>
    <message>
        <source>Common separating ceiling</source>
        <translation>Strop międzymieszkaniowy (ogólnie)</translation>
    </message>
    <message>
        <source>Separating ceiling for officebuilding with central heating</source>
        <translation>Strop oddzielający w budynkach biurowych z centralnym ogrzewaniem</translation>
    </message>
    <message>
        <source>Floor plate over ground</source>
        <translation>Podłoga na gruncie</translation>
    </message>
    <message>
        <source>Floor plate to non ventilated cavity</source>
        <translation>Podłoga nad niewentylowaną pustą przestrzenią</translation>
    </message>
    <message>
        <source>Ceiling below attic</source>
        <translation>Strop pod nieużytkowym poddaszem</translation>
    </message>
    <message>
        <source>Ceiling for cellar</source>
        <translation>Strop nad piwnicą</translation>
    </message>
    <message>
        <source>Floor over garage or passage</source>
        <translation>Strop nad garażem lub przejazdem</translation>
    </message>
    <message>
        <source>Roof</source>
        <translation>Dach</translation>
    </message>
    <message>
        <source>Wall of heated room to outside, ground, underground garage or similar</source>
        <translation>Ściana pomieszczenia ogrzewanego przy powietrzu zewnętrznym, gruncie, garażu podziemnym itp.</translation>
    </message>
    <message>
        <source>Roof pitch to outside</source>
        <translation>Połać dachu przy powietrzu zewnętrznym</translation>
    </message>
    <message>
        <source>Flat roof or ceiling to outside</source>
        <translation>Stropodach lub strop przy powietrzu zewnętrznym</translation>
    </message>
    <message>
        <source>Ceiling to ventilated roof space or to non heated room</source>
        <translation>Strop pod wentylowaną przestrzenią dachową lub przy pomieszczeniu nieogrzewanym</translation>
    </message>
    <message>
        <source>Ceiling between insulated roof pitch and jamb wall</source>
        <translation>Strop między ocieploną połacią dachu a ścianką kolankową</translation>
    </message>
    <message>
        <source>Floor over outside, underground garage, garage (heated or not), ventilated crawl space etc.</source>
        <translation>Strop nad powietrzem zewnętrznym, garażem podziemnym, garażem (ogrzewanym lub nie), wentylowaną przestrzenią podpodłogową itp.</translation>
    </message>
    <message>
        <source>Floor over cellar, to ground, non ventilated crawl space</source>
        <translation>Strop nad piwnicą, podłoga na gruncie lub nad niewentylowaną przestrzenią podpodłogową</translation>
    </message>
    <message>
        <source>Wall between heated room and directly heated stair case</source>
        <translation>Ściana między pomieszczeniem ogrzewanym a bezpośrednio ogrzewaną klatką schodową</translation>
    </message>
    <message>
        <source>Wall between heated room and indirectly heated stair case</source>
        <translation>Ściana między pomieszczeniem ogrzewanym a pośrednio ogrzewaną klatką schodową</translation>
    </message>
    <message>
        <source>Partition walls between heated rooms</source>
        <translation>Ściany międzymieszkaniowe i oddzielające budynki między pomieszczeniami ogrzewanymi</translation>
    </message>
    <message>
        <source>Ceiling between rooms of different use and apartment separating ceiling</source>
        <translation>Strop między pomieszczeniami różnych użytkowników i strop międzymieszkaniowy</translation>
    </message>
    <message>
        <source>Construction with mass per area lower than 100kg/m2</source>
        <translation>Przegroda o masie powierzchniowej poniżej 100 kg/m2</translation>
    </message>
    <message>
        <source>Cap 5.1.2.2</source>
        <translation>pkt 5.1.2.2</translation>
    </message>
    <message>
        <source>Opaque part of transparent constructions</source>
        <translation>Nieprzezroczyste wypełnienie przegród przezroczystych</translation>
    </message>
    <message>
        <source>Cap 5.1.4</source>
        <translation>pkt 5.1.4</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>DIN 4108-2 2004 Tab. 3</source>
        <translation>DIN 4108-2 2004 tab. 3</translation>
    </message>
    <message>
        <source>DIN 4108-2 2013 Tab. 3</source>
        <translation>DIN 4108-2 2013 tab. 3</translation>
    </message>
</context>
<context>
    <name>NewProjectWizard</name>
    <message>
        <source>New Project Wizard</source>
        <translation>Kreator nowego projektu</translation>
    </message>
    <message>
        <source>Project Information</source>
        <translation>Informacje o projekcie</translation>
    </message>
    <message>
        <source>Please enter the information for this new project. You can change the default project information in the preferences dialog.</source>
        <translation>Wprowadź informacje o nowym projekcie. Domyślne informacje o projekcie można zmienić w oknie preferencji.</translation>
    </message>
    <message>
        <source>Project template</source>
        <translation>Szablon projektu</translation>
    </message>
    <message>
        <source>The project template &apos;%1&apos; cannot be read.
%2</source>
        <translation>Nie można odczytać szablonu projektu &apos;%1&apos;.
%2</translation>
    </message>
</context>
<context>
    <name>NewProjectWizardMaterialPage</name>
    <message>
        <source>Select material for first layer</source>
        <translation>Wybierz materiał pierwszej warstwy</translation>
    </message>
    <message>
        <source>You can add your own projects as templates by copying the project files into the Templates subdirectory.</source>
        <translation>Własne projekty można dodać jako szablony, kopiując pliki projektów do podkatalogu Templates.</translation>
    </message>
    <message>
        <source>Please select a material below. This material will be the first material layer of your construction. You can choose any material now and add/move/delete layers later as required.</source>
        <translation>Wybierz poniżej materiał. Będzie on pierwszą warstwą przegrody. Możesz teraz wybrać dowolny materiał, a później w razie potrzeby dodawać, przesuwać i usuwać warstwy.</translation>
    </message>
    <message>
        <source>Project template:</source>
        <translation>Szablon projektu:</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nowy projekt</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Cannot open file &apos;%1&apos; for reading (maybe missing permissions).</source>
        <translation>Nie można otworzyć pliku &apos;%1&apos; do odczytu (możliwy brak uprawnień).</translation>
    </message>
    <message>
        <source>Error reading file as TAVO 1 version.
</source>
        <translation>Błąd odczytu pliku jako wersji TAVO 1.
</translation>
    </message>
    <message>
        <source>Project doesn&apos;t contain any layers. Please create a new project!</source>
        <translation>Projekt nie zawiera żadnych warstw. Utwórz nowy projekt!</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB; project files are far smaller.</source>
        <translation>Plik jest większy niż %1 MiB; pliki projektów są znacznie mniejsze.</translation>
    </message>
    <message>
        <source>Error reading file &apos;%1&apos;: %2</source>
        <translation>Błąd odczytu pliku &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>ProjectInformationEditDialog</name>
    <message>
        <source>Edit Project Information</source>
        <translation>Edytuj informacje o projekcie</translation>
    </message>
    <message>
        <source>Here you can edit the project information for the currently loaded project. The information entered here appear on the printing calculation report.

New projects will initially get default project information, that can be edited in the preferences dialog.</source>
        <translation>Tutaj można edytować informacje o aktualnie wczytanym projekcie. Wprowadzone informacje pojawiają się w drukowanym raporcie z obliczeń.

Nowe projekty otrzymują na początku domyślne informacje o projekcie, które można edytować w oknie preferencji.</translation>
    </message>
    <message>
        <source>Undo change of project informations.</source>
        <translation>Zmiana informacji o projekcie.</translation>
    </message>
</context>
<context>
    <name>ProjectInformationEditWidget</name>
    <message>
        <source>Project name:</source>
        <translation>Nazwa projektu:</translation>
    </message>
    <message>
        <source>Construction ID:</source>
        <translation>Identyfikator przegrody:</translation>
    </message>
    <message>
        <source>Editor/User:</source>
        <translation>Opracował/użytkownik:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Opis:</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Cannot print report.</source>
        <translation>Nie można wydrukować raportu.</translation>
    </message>
    <message>
        <source>Creating paint device failed.</source>
        <translation>Nie udało się otworzyć urządzenia wyjściowego.</translation>
    </message>
</context>
<context>
    <name>ReportFrameConclusions</name>
    <message>
        <source>Requirement fulfilled</source>
        <translation>Wymaganie spełnione</translation>
    </message>
    <message>
        <source>Requirement not fulfilled</source>
        <translation>Wymaganie niespełnione</translation>
    </message>
    <message>
        <source>Check according DIN 4108-3 2001</source>
        <translation>Weryfikacja wg DIN 4108-3 2001</translation>
    </message>
    <message>
        <source>Check according DIN 4108-3 2014</source>
        <translation>Weryfikacja wg DIN 4108-3 2014</translation>
    </message>
    <message>
        <source>Check according DIN 4108-3 2018 and 2024</source>
        <translation>Weryfikacja wg DIN 4108-3 2018 i 2024</translation>
    </message>
    <message>
        <source>Check accordinguser defined data</source>
        <translation>Weryfikacja wg danych użytkownika</translation>
    </message>
    <message>
        <source>%1 row %2, thermal resistance  R &gt;= %L3 m&lt;sup&gt;2&lt;/sup&gt;K/W</source>
        <translation>%1 wiersz %2, minimalny opór cieplny R &gt;= %L3 m&lt;sup&gt;2&lt;/sup&gt;K/W</translation>
    </message>
    <message>
        <source>DIN 4108-2 Check for minmal &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; &amp;gt;= %L1</source>
        <translation>DIN 4108-2 Weryfikacja minimalnego czynnika temperaturowego &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; &amp;gt;= %L1</translation>
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
        <translation>DIN 4108-3 masa kondensatu (z podciąganiem kapilarnym) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 1,0 kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 (no capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 0.5kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>DIN 4108-3 masa kondensatu (bez podciągania kapilarnego) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 0,5 kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>%1 with A&lt;sub&gt;w&lt;/sub&gt; &amp;le; %2 kg/m&lt;sup&gt;2&lt;/sup&gt;h&lt;sup&gt;0.5&lt;/sup&gt;</source>
        <translation>%1 przy A&lt;sub&gt;w&lt;/sub&gt; &amp;le; %2 kg/m&lt;sup&gt;2&lt;/sup&gt;h&lt;sup&gt;0,5&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Wood based material) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</source>
        <translation>DIN 4108-3 (materiał drewnopochodny) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Wood) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</source>
        <translation>DIN 4108-3 (drewno) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</translation>
    </message>
    <message>
        <source>Drying time in summer t&lt;sub&gt;ev&lt;/sub&gt; &amp;lt; 90d</source>
        <translation>Czas wysychania w okresie odparowania t&lt;sub&gt;ev&lt;/sub&gt; &amp;lt; 90 d</translation>
    </message>
    <message>
        <source>Check for drying reserve of %1 g/m&lt;sup&gt;2&lt;/sup&gt;a according DIN 68800-2</source>
        <translation>Weryfikacja rezerwy wysychania %1 g/m&lt;sup&gt;2&lt;/sup&gt;a wg DIN 68800-2</translation>
    </message>
    <message>
        <source>Surface condensation left side. No calculation possible.</source>
        <translation>Kondensacja na powierzchni po lewej stronie. Obliczenia niemożliwe.</translation>
    </message>
    <message>
        <source>Surface condensation right side. No calculation possible.</source>
        <translation>Kondensacja na powierzchni po prawej stronie. Obliczenia niemożliwe.</translation>
    </message>
    <message>
        <source>Only one layer. No condensation possible.</source>
        <translation>Tylko jedna warstwa. Kondensacja niemożliwa.</translation>
    </message>
    <message>
        <source>No condensation.</source>
        <translation>Brak kondensacji.</translation>
    </message>
    <message>
        <source>Unspecific error.</source>
        <translation>Nieokreślony błąd.</translation>
    </message>
    <message>
        <source>Not applicable</source>
        <translation>Nie dotyczy</translation>
    </message>
    <message>
        <source>No drying</source>
        <translation>Brak wysychania</translation>
    </message>
    <message>
        <source>Print Summary of Results</source>
        <translation>Podsumowanie wyników</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the construction (moisture dependent)</source>
        <translation>Współczynnik przenikania ciepła przegrody (zależny od wilgotności)</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the construction according ISO 6946 (dry)</source>
        <translation>Współczynnik przenikania ciepła przegrody wg ISO 6946 (w stanie suchym)</translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the construction (dry)</source>
        <translation>Opór cieplny przegrody (w stanie suchym)</translation>
    </message>
    <message>
        <source>Condensation mass after condensation period (based on TAVO)</source>
        <translation>Masa kondensatu po okresie kondensacji (wg TAVO)</translation>
    </message>
    <message>
        <source>Drying time</source>
        <translation>Czas wysychania</translation>
    </message>
    <message>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser period balance) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 1.0kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>DIN 4108-3 masa kondensatu (bilans okresowy Glasera) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 1,0 kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser period balance) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 0.5kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>DIN 4108-3 masa kondensatu (bilans okresowy Glasera) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 0,5 kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser period balance) (wood based material) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</source>
        <translation>DIN 4108-3 (bilans okresowy Glasera) (materiał drewnopochodny) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser period balance) (wood) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</source>
        <translation>DIN 4108-3 (bilans okresowy Glasera) (drewno) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser period balance) M&lt;sub&gt;ev&lt;/sub&gt; &amp;gt;= M&lt;sub&gt;c&lt;/sub&gt;</source>
        <translation>DIN 4108-3 (bilans okresowy Glasera) masa odparowania M&lt;sub&gt;ev&lt;/sub&gt; &amp;gt;= masa kondensatu M&lt;sub&gt;c&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 by the condensation zone calculation</source>
        <translation>DIN 4108-3 według obliczenia stref kondensacji</translation>
    </message>
    <message>
        <source>DIN 4108-3 by the standard procedure (Glaser period balance)</source>
        <translation>DIN 4108-3 według procedury standardowej (bilans okresowy Glasera)</translation>
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
        <translation>Przegroda:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Użytkownik:</translation>
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
        <translation>Nie można otworzyć &apos;%1&apos; do zapisu: %2</translation>
    </message>
    <message>
        <source>Error saving &apos;%1&apos;: %2</source>
        <translation>Błąd zapisywania &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Report Preview Dialog</source>
        <translation>Podgląd raportu</translation>
    </message>
    <message>
        <source>General Appearance</source>
        <translation>Wygląd ogólny</translation>
    </message>
    <message>
        <source>Input Data</source>
        <translation>Dane wejściowe</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Diagrams</source>
        <translation>Wykresy</translation>
    </message>
    <message>
        <source>Final Remarks</source>
        <translation>Uwagi końcowe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Nagłówek</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Stopka</translation>
    </message>
    <message>
        <source>Page numbers in footer</source>
        <translation>Numery stron w stopce</translation>
    </message>
    <message>
        <source>Project information</source>
        <translation>Informacje o projekcie</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Global font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>Construction sketch</source>
        <translation>Szkic przegrody</translation>
    </message>
    <message>
        <source>Material data</source>
        <translation>Dane materiałowe</translation>
    </message>
    <message>
        <source>Climate data</source>
        <translation>Dane klimatyczne</translation>
    </message>
    <message>
        <source>Surface Resistance</source>
        <translation>Opory przejmowania ciepła</translation>
    </message>
    <message>
        <source>Resistances and µ values</source>
        <translation>Opory i wartości µ</translation>
    </message>
    <message>
        <source>%1 Results - Detailed Table</source>
        <translation>%1 Wyniki - tabela szczegółowa</translation>
    </message>
    <message>
        <source>%1 Results - Summary</source>
        <translation>%1 Wyniki - podsumowanie</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser) - Summary</source>
        <translation>DIN 4108-3 (Glaser) - podsumowanie</translation>
    </message>
    <message>
        <source>Minimum thermal protection DIN 4108-2</source>
        <translation>Minimalna ochrona cieplna DIN 4108-2</translation>
    </message>
    <message>
        <source>Construction kind for test of minimum thermal resistance
according german standard DIN 4108-2 table 3</source>
        <translation>Rodzaj przegrody do sprawdzenia minimalnego oporu cieplnego
wg normy niemieckiej DIN 4108-2 tabela 3</translation>
    </message>
    <message>
        <source>Frsi check with inner surface resistance of %L1 m2K/W</source>
        <translation>Sprawdzenie fRsi przy wewnętrznym oporze przejmowania %L1 m2K/W</translation>
    </message>
    <message>
        <source>Temperature and moisture profiles</source>
        <translation>Profile temperatury i wilgotności</translation>
    </message>
    <message>
        <source>Vapor pressure profiles</source>
        <translation>Profile ciśnienia pary</translation>
    </message>
    <message>
        <source>Print Final Remarks</source>
        <translation>Drukuj uwagi końcowe</translation>
    </message>
    <message>
        <source>Update view of text in report.</source>
        <translation>Odśwież tekst w raporcie.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <source>Write pdf</source>
        <translation>Zapisz PDF</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>Ustawienia strony...</translation>
    </message>
    <message>
        <source>Fit Page in View</source>
        <translation>Cała strona</translation>
    </message>
    <message>
        <source>Fit to Page Width</source>
        <translation>Szerokość strony</translation>
    </message>
    <message>
        <source>Custom Zoom</source>
        <translation>Własne powiększenie</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Export current page to file</source>
        <translation>Eksportuj bieżącą stronę do pliku</translation>
    </message>
    <message>
        <source>Undo change final remarks.</source>
        <translation>Cofnij zmianę uwag końcowych.</translation>
    </message>
    <message>
        <source>Error while printing report.</source>
        <translation>Błąd podczas drukowania raportu.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Eksportuj PDF</translation>
    </message>
    <message>
        <source>Export current page</source>
        <translation>Eksportuj bieżącą stronę</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Raport</translation>
    </message>
</context>
<context>
    <name>ResistanceFrame</name>
    <message>
        <source>Thermal, Vapour Diffusion and Liquid Transport Resistances</source>
        <translation>Opory cieplne, dyfuzyjne i transportu cieczy</translation>
    </message>
    <message>
        <source>Layer / Material</source>
        <translation>Warstwa / materiał</translation>
    </message>
    <message>
        <source>Sum of resistances (moisture dependend)</source>
        <translation>Suma oporów (zależna od wilgotności)</translation>
    </message>
    <message>
        <source>Thermal transmission resistance (moisture dependend):</source>
        <translation>Całkowity opór cieplny (zależny od wilgotności):</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient (moisture dependend):</source>
        <translation>Współczynnik przenikania ciepła (zależny od wilgotności):</translation>
    </message>
</context>
<context>
    <name>ResultsTableFrame</name>
    <message>
        <source>Temperatures, Vapoure Pressures and Moisture Contents</source>
        <translation>Temperatury, ciśnienia pary wodnej i wilgotności</translation>
    </message>
    <message>
        <source>Layer / Material</source>
        <translation>Warstwa / materiał</translation>
    </message>
    <message>
        <source>Air layer (warm side)</source>
        <translation>Warstwa powietrza (strona ciepła)</translation>
    </message>
    <message>
        <source>Air layer (cold side)</source>
        <translation>Warstwa powietrza (strona zimna)</translation>
    </message>
    <message>
        <source>%1 - temperature, </source>
        <translation>%1 - temperatura, </translation>
    </message>
    <message>
        <source>%1 - saturation vapour pressure, </source>
        <translation>%1 - ciśnienie pary nasyconej, </translation>
    </message>
    <message>
        <source>p - vapour pressure, </source>
        <translation>p - ciśnienie cząstkowe pary wodnej, </translation>
    </message>
    <message>
        <source>w - moisture content, </source>
        <translation>w - wilgotność, </translation>
    </message>
    <message>
        <source>d&lt;sub&gt;c&lt;/sub&gt; - thickness of condensation layer,&lt;br/&gt;</source>
        <translation>d&lt;sub&gt;c&lt;/sub&gt; - grubość strefy kondensacji,&lt;br/&gt;</translation>
    </message>
    <message>
        <source>M&lt;sub&gt;c&lt;/sub&gt; - %1</source>
        <translation>M&lt;sub&gt;c&lt;/sub&gt; - %1</translation>
    </message>
    <message>
        <source>condensation mass</source>
        <translation>masa kondensatu</translation>
    </message>
</context>
<context>
    <name>SketchFrame</name>
    <message>
        <source>Construction Sketch</source>
        <translation>Szkic przegrody</translation>
    </message>
</context>
<context>
    <name>SurfaceResistanceFrame</name>
    <message>
        <source>Surface Resistances</source>
        <translation>Opory przejmowania ciepła</translation>
    </message>
    <message>
        <source>Warm side:</source>
        <translation>Strona ciepła:</translation>
    </message>
    <message>
        <source>Cold side:</source>
        <translation>Strona zimna:</translation>
    </message>
</context>
<context>
    <name>T2_ResultsWidget</name>
    <message>
        <source>Invalid input!</source>
        <translation>Nieprawidłowe dane wejściowe!</translation>
    </message>
    <message>
        <source>No input!</source>
        <translation>Brak danych wejściowych!</translation>
    </message>
    <message>
        <source>Condensation on the surface (warm side). No calculation possible.</source>
        <translation>Kondensacja na powierzchni (strona ciepła). Obliczenia niemożliwe.</translation>
    </message>
    <message>
        <source>Condensation on the surface (cold side). No calculation possible.</source>
        <translation>Kondensacja na powierzchni (strona zimna). Obliczenia niemożliwe.</translation>
    </message>
    <message>
        <source>Only one layer. No condensate possible!</source>
        <translation>Tylko jedna warstwa. Kondensacja niemożliwa!</translation>
    </message>
    <message>
        <source>No condensate emerges!</source>
        <translation>Nie występuje kondensacja!</translation>
    </message>
    <message>
        <source>Condensation between layer %1 and %2!</source>
        <translation>Kondensacja między warstwami %1 i %2!</translation>
    </message>
    <message>
        <source>Condensation between layer </source>
        <translation>Kondensacja między warstwami </translation>
    </message>
    <message>
        <source>%1 and %2, </source>
        <translation>%1 i %2, </translation>
    </message>
    <message>
        <source>%1 and %2.</source>
        <translation>%1 i %2.</translation>
    </message>
    <message>
        <source>Unknown result!</source>
        <translation>Nieznany wynik!</translation>
    </message>
    <message>
        <source>Construction thickness</source>
        <translation>Grubość przegrody</translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the construction (dry)</source>
        <translation>Opór cieplny przegrody (w stanie suchym)</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the construction</source>
        <translation>Współczynnik przenikania ciepła przegrody</translation>
    </message>
    <message>
        <source>U-value (ISO 6946)</source>
        <translation>Współczynnik U (ISO 6946)</translation>
    </message>
    <message>
        <source>U-value (moisture dependend)</source>
        <translation>Współczynnik U (zależny od wilgotności)</translation>
    </message>
    <message>
        <source>Condensation mass after condensation period</source>
        <translation>Masa kondensatu po okresie kondensacji</translation>
    </message>
    <message>
        <source>Drying time</source>
        <translation>Czas wysychania</translation>
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
        <translation>Krój czcionki</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Rozmiar czcionki</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Pogrubienie</translation>
    </message>
    <message>
        <source>I</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursywa</translation>
    </message>
    <message>
        <source>U</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Podkreślenie</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Kolor tekstu</translation>
    </message>
</context>
<context>
    <name>UserLogoSettingsWidget</name>
    <message>
        <source>User logo</source>
        <translation>Logo użytkownika</translation>
    </message>
    <message>
        <source>Choose the image file of the logo</source>
        <translation>Wybierz plik obrazu logo</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>natural size</source>
        <translation>rozmiar naturalny</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Położenie</translation>
    </message>
    <message>
        <source>Logo in page header</source>
        <translation>Logo w nagłówku strony</translation>
    </message>
    <message>
        <source>Logo right from project informations</source>
        <translation>Logo po prawej stronie informacji o projekcie</translation>
    </message>
    <message>
        <source>No user logo</source>
        <translation>Bez logo użytkownika</translation>
    </message>
    <message>
        <source>Select the logo image</source>
        <translation>Wybierz obraz logo</translation>
    </message>
    <message>
        <source>Images (*.png *.xpm *.jpg)</source>
        <translation>Obrazy (*.png *.xpm *.jpg)</translation>
    </message>
    <message>
        <source>No image chosen</source>
        <translation>Nie wybrano obrazu</translation>
    </message>
</context>
<context>
    <name>VaDar::ConstructionGraphicsSceneBase</name>
    <message>
        <source>Layer widths in [%1]</source>
        <translation>Grubości warstw [%1]</translation>
    </message>
</context>
<context>
    <name>VaDar::ConstructionViewWidget</name>
    <message>
        <source>Assign material</source>
        <translation>Przypisz materiał</translation>
    </message>
    <message>
        <source>Assign material to the selected layer</source>
        <translation>Przypisz materiał do zaznaczonej warstwy</translation>
    </message>
    <message>
        <source>Insert layer left</source>
        <translation>Wstaw warstwę z lewej</translation>
    </message>
    <message>
        <source>Insert a new layer left from selected one</source>
        <translation>Wstaw nową warstwę na lewo od zaznaczonej</translation>
    </message>
    <message>
        <source>Insert layer right</source>
        <translation>Wstaw warstwę z prawej</translation>
    </message>
    <message>
        <source>Insert a new layer right from selected one</source>
        <translation>Wstaw nową warstwę na prawo od zaznaczonej</translation>
    </message>
    <message>
        <source>Remove layer</source>
        <translation>Usuń warstwę</translation>
    </message>
    <message>
        <source>Remove selected layer</source>
        <translation>Usuń zaznaczoną warstwę</translation>
    </message>
    <message>
        <source>Move layer left</source>
        <translation>Przesuń warstwę w lewo</translation>
    </message>
    <message>
        <source>Move selected layer to left</source>
        <translation>Przesuń zaznaczoną warstwę w lewo</translation>
    </message>
    <message>
        <source>Move layer right</source>
        <translation>Przesuń warstwę w prawo</translation>
    </message>
    <message>
        <source>Move selected layer to right</source>
        <translation>Przesuń zaznaczoną warstwę w prawo</translation>
    </message>
</context>
<context>
    <name>VaDar::MaterialDatabaseSelectionWidget</name>
    <message>
        <source>All categories</source>
        <translation>Wszystkie kategorie</translation>
    </message>
    <message>
        <source>Words separated by blanks; a material is shown when one of them is found. * stands for any text, ? for one character.</source>
        <translation>Słowa oddzielone spacjami; materiał jest wyświetlany, gdy zostanie znalezione jedno z nich. * oznacza dowolny tekst, ? jeden znak.</translation>
    </message>
    <message>
        <source>Category Filter</source>
        <translation>Filtr kategorii</translation>
    </message>
    <message>
        <source>Material Name Filter</source>
        <translation>Filtr nazwy materiału</translation>
    </message>
    <message>
        <source>Producer Filter</source>
        <translation>Filtr producenta</translation>
    </message>
    <message>
        <source>Data source filter</source>
        <translation>Filtr źródła danych</translation>
    </message>
    <message>
        <source>Comment filter</source>
        <translation>Filtr komentarza</translation>
    </message>
    <message>
        <source>Selected Material:</source>
        <translation>Wybrany materiał:</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nic</translation>
    </message>
</context>
<context>
    <name>VaDar::MaterialTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
    <message>
        <source>ProductName</source>
        <translation>Nazwa produktu</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Producent</translation>
    </message>
    <message>
        <source>DataSource</source>
        <translation>Źródło danych</translation>
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
        <translation>Wartość jest poza dopuszczalnym zakresem.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Wprowadź liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Wprowadź liczbę.</translation>
    </message>
</context>
<context>
    <name>WinterTemperatureValidator</name>
    <message>
        <source>Cannot retrieve input data.</source>
        <translation>Nie można pobrać danych wejściowych.</translation>
    </message>
    <message>
        <source>Temperature at warm side must be bigger than tempareature at cold side</source>
        <translation>Temperatura po stronie ciepłej musi być wyższa niż po stronie zimnej</translation>
    </message>
</context>
<context>
    <name>XMLHelpers</name>
    <message>
        <source>Invalid value for attribute &apos;%1&apos;.</source>
        <translation>Nieprawidłowa wartość atrybutu &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Invalid value for element &apos;%1&apos;.</source>
        <translation>Nieprawidłowa wartość elementu &apos;%1&apos;.</translation>
    </message>
</context>
</TS>
