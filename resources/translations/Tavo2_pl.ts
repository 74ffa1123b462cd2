<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
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
</TS>
