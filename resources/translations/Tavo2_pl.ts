<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AssessmentConditions</name>
    <message>
        <source>Custom conditions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German Standard DIN 4108-3 from 2001</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German Standard DIN 4108-3 from 2014, 2018 and 2024</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown condition</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchItem</name>
    <message>
        <source>No such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a directory, not a project file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <source>Option &apos;%1&apos; needs a value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option &apos;%1&apos; takes no value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown format &apos;%1&apos;: use text, json or csv.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option &apos;%1&apos; needs a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid language identifier &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid DIN 4108-3 edition &apos;%1&apos;: use 0 (2001), 1 (2014), 2 (2018 and 2024) or 3 (user defined).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid water uptake limit &apos;%1&apos;: a number &gt;= 0 in kg/(m²·h^0.5) is needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid drying reserve &apos;%1&apos;: a number &gt;= 0 in g/(m²·a) is needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid DIN 4108-2 edition &apos;%1&apos;: use 0 (2004) or 1 (2013).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid building element &apos;%1&apos;: a number is needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--materials lists the material database and takes no project files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--materials takes only --format, --lang and --output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No project file given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--non-capillary-aw is used only with --edition 3 (user defined).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Building element %1 is not in %2. Elements: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: tavo2-calc [options] FILE...
       tavo2-calc --materials [--format text|json|csv] [--lang ID] [-o FILE]

Calculates and assesses Tavo project files (.t2p, .tpj) without a window.

Options:
  --format text|json|csv  output format (default text)
  -o, --output FILE       write to FILE instead of standard output
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
  --materials             list the material database instead
  --help, --version

Exit codes: 0 done, 1 usage error, 2 a file could not be read or the output
not written (the other files are still processed), 3 a requirement is not
fulfilled (only with --strict).
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>No translation for language &apos;%1&apos; in &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output file &apos;%1&apos; is one of the project files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The built-in material database in &apos;%1&apos; could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error writing to standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos; for writing: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error writing &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error saving &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Unknown error in calculation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid width %1 of &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in Glaser-Calculation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculation gave a value of %1 that is not a finite number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some problem in calculation! Algorithm error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid moisture storage values for &lt;a href=&quot;layer-%1&quot;&gt;layer #%1&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current moisture content at 80%RH leads to an moisture content at 95%RH higher than saturation moisture content.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many layers for the condensation calculation (at most 24).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in calculation m_results.sk_Tavo[%1], denominator == 0!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in calculation m_results.sk_Tavo[%1], Value &lt; 0!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layers without capillary water uptake (water uptake coefficient 0) on both sides of the condensation region prevent this calculation: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result %1 of the Glaser-Calculation is not a finite number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid mu %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid thermal conductivity %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid surface resistance outside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid surface resistance inside)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moisture content at 80%RH less or equal 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation moisture content less or equal 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moisture content at 80%RH greater or equal saturation moisture content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moisture content at 80%RH leads to a moisture content at 95%RH greater or equal saturation moisture content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moisture content at 80%RH greater or equal to 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moisture content at saturation greater or equal to 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pv_e not correctly calculated! Algorithm error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Solution found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find valid combination of k-planes! Algorithm error!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClimatePresetTable</name>
    <message>
        <source>Custom climate conditions, indoor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom climate conditions, outdoor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Indoor climate, heat flow direction horizontal and upwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Indoor climate, heat flow direction downwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction downwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction upwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN EN ISO 13788 Indoor climate, all other surfaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN EN ISO 13788 Indoor climate, on glazings and window frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-8 Indoor climate, in built in cupboards, mould protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-8 Indoor climate, behaind normal cupboards, mould protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-3_2024 Indoor climate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to outside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to ventilated air space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-3_2024 Outdoor climate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-3 2024 Outdoor, boundary to ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Outdoor climate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DINCriteriaResult</name>
    <message>
        <source>kg/m%1h%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current calculation don&apos;t use the same water uptake value as check for non-capillar material </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as the standard DIN 4108-3 from 2014, 2018 or 2024.&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used value: %1 %2.&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is admissible because TAVO is a advanced software as per appendix D DIN 4108-3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagramScene</name>
    <message>
        <source>Temperature %1 in [%2C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vapor pressure p in [Pa]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moisture content w in [%1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer widths in [mm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat. vapour pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vapour pressure (real)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vapour pressure (calc.)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagramView</name>
    <message>
        <source>Vapour pressure diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water content diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Construction Sketch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>File is not a Tavo 2.0 project file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Document::readOld]  Keyword &apos;FileVersion&apos; missing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for climatelist!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for wall data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for remarks!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading parameter &apos;%1&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid keyword &apos;%1&apos; in project file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading project file.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Document::readOld]  Error reading project file &apos;%1&apos;
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HatchedItemDelegate</name>
    <message>
        <source>warm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cold</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputData</name>
    <message>
        <source>[InputData::readClimateOld]  Four climate conditions are required!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Illegal keyword &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Invalid keyword &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Error reading parameter &apos;%1&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[InputData::readConstructionOld]  Invalid keyword &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[InputData::readConstructionOld]  Block start &apos;{&apos; missing!</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagram toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat flow direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New project...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates a new project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open project...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the current project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save project as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the current project under a new name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the program help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the About dialog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Qt...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the Qt About dialog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the configuration dialog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows list of recently used projects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show moisture content profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show moisture content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggles display of vapor pressure profile or moisture content profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use hatching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggles display of hatched material layers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt User Interface Configuration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the Qt User Interface Configuration tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Material...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>= Mat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the material database dialog to select a material for this layer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Material Database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the Database Dialog for viewing and editing material or construction data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add layer to the left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a new layer or construction to the left of the currently selected layer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add layer to the right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a new layer or construction to the right of the currently selected layer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove current layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the currently selected layer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves current layer to the left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves current layer to the right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report setup / Print preview ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the print preview and setup dialog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit project information...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy sketch image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy chart image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export sketch image to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export chart image to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Construction Database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the current construction to the construction database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat flow up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal construction with heat flow upwards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>horizontal heat flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical construction with horizontal heat flow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat flow down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal construction with heat flow downwards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help heat flow directions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Material to User Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Logfile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the logfile of TAVO2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/hide main toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows/hides the main toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/hide diagram toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows/hides the diagram toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save project before closing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to save the project before closing it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error loading project file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error #3: Saving failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while saving project file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify %1 project file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%2 project (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Projects (*.%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>;;%1 Projects (*.%2);;All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select %1 project file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error #4: File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be found or does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error #5: File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be found or does not exist.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove this file from list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer %1: %2, %L3 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inside climate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outside climate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help file error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file cannot be found on location:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Languange changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please restart the software to activate the new language!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Material</name>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading material name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Material::readOld]  Invalid keyword &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;%1&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Material::readOld]  Material &apos;%1&apos;: missing data (%2)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading material data!
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid encoding &apos;%1&apos; of material color.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MaterialCategory</name>
    <message>
        <source>Coating</source>
        <comment>MaterialCategory</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plaster and mortar</source>
        <comment>MaterialCategory</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Building brick</source>
        <comment>MaterialCategory</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Natural stones</source>
        <comment>MaterialCategory</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete containing building materials</source>
        <comment>MaterialCategory</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insulation materials</source>
        <comment>MaterialCategory</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Building boards</source>
        <comment>MaterialCategory</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timber</source>
        <comment>MaterialCategory</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Natural materials</source>
        <comment>MaterialCategory</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soil</source>
        <comment>MaterialCategory</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cladding panels and ceramic tiles</source>
        <comment>MaterialCategory</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foils and waterproofing products</source>
        <comment>MaterialCategory</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <comment>MaterialCategory</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>MaterialCategory</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MaterialLayer</name>
    <message>
        <source>[MaterialLayer::readOld]  Error reading parameter &apos;Width&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Block start &apos;{&apos; of material definition missing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Invalid keyword!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MaterialList</name>
    <message>
        <source>Cannot read file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyword &apos;FileVersion&apos; missing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyword &apos;MATERIAL_LIST&apos; missing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing block start!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected end of file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid keyword!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; of material definition missing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading material name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid keyword &apos;%1&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading parameter &apos;%1&apos;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading material data!
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air space (not ventilated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermal conductivity will be calculated from construction and heat flow according DIN EN ISO 6946 5.3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor will be calculated from construction according DIN EN ISO 13788 4.1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MaterialTransfer</name>
    <message>
        <source>Data source: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air
</source>
        <comment>Material flag</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wood
</source>
        <comment>Material flag</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wood based
</source>
        <comment>Material flag</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measuring date: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Production date: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sampling date: %1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MinimumHeatResistance</name>
    <message>
        <source>Outer wall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partition wall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall to stair case with temperature &lt;10°C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall to stair case with temperature &gt;10°C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common separating ceiling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separating ceiling for officebuilding with central heating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floor plate over ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floor plate to non ventilated cavity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ceiling below attic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ceiling for cellar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floor over garage or passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roof</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall of heated room to outside, ground, underground garage or similar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roof pitch to outside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat roof or ceiling to outside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ceiling to ventilated roof space or to non heated room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ceiling between insulated roof pitch and jamb wall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floor over outside, underground garage, garage (heated or not), ventilated crawl space etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floor over cellar, to ground, non ventilated crawl space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall between heated room and directly heated stair case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall between heated room and indirectly heated stair case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partition walls between heated rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ceiling between rooms of different use and apartment separating ceiling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Construction with mass per area lower than 100kg/m2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap 5.1.2.2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opaque part of transparent constructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap 5.1.4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-2 2004 Tab. 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-2 2013 Tab. 3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Cannot open file &apos;%1&apos; for reading (maybe missing permissions).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading file as TAVO 1 version.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project doesn&apos;t contain any layers. Please create a new project!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportFrameConclusions</name>
    <message>
        <source>Requirement fulfilled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requirement not fulfilled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check according DIN 4108-3 2001</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check according DIN 4108-3 2014</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check according DIN 4108-3 2018 and 2024</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check accordinguser defined data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 row %2, thermal resistance  R &gt;= %L3 m&lt;sup&gt;2&lt;/sup&gt;K/W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-2 Check for minmal &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; &amp;gt;= %L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = %L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = &lt;font color=&quot;#FF0000&quot;&gt;&lt;b&gt;%L1&lt;/b&gt;&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-3 (with capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 1.0kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-3 (no capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 0.5kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with A&lt;sub&gt;w&lt;/sub&gt; &amp;le; %2 kg/m&lt;sup&gt;2&lt;/sup&gt;h&lt;sup&gt;0.5&lt;/sup&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-3 (Wood based material) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIN 4108-3 (Wood) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drying time in summer t&lt;sub&gt;ev&lt;/sub&gt; &amp;lt; 90d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for drying reserve of %1 g/m&lt;sup&gt;2&lt;/sup&gt;a according DIN 68800-2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>T2_ResultsWidget</name>
    <message>
        <source>Invalid input!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No input!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condensation on the surface (warm side). No calculation possible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condensation on the surface (cold side). No calculation possible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one layer. No condensate possible!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No condensate emerges!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condensation between layer %1 and %2!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condensation between layer </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown result!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Construction thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the construction (dry)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the construction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U-value (ISO 6946)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U-value (moisture dependend)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condensation mass after condensation period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drying time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WinterTemperatureValidator</name>
    <message>
        <source>Cannot retrieve input data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature at warm side must be bigger than tempareature at cold side</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XMLHelpers</name>
    <message>
        <source>Invalid value for attribute &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid value for element &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
