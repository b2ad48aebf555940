<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>LibraryWords</name>
    <message>
        <location filename="../src/ui/library_words.cpp" line="24"/>
        <source>The starter font %1, read-only: your first save makes your own library, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="26"/>
        <source>The font library %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="31"/>
        <source>The font library<byte value="xd"/>
%1<byte value="xd"/>
could not be read: %2<byte value="xd"/>
<byte value="xd"/>
The fonts list stays empty until the file can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="38"/>
        <source>Reading the font library<byte value="xd"/>
%1<byte value="xd"/>
stopped at line %2: %3.<byte value="xd"/>
<byte value="xd"/>
The %4 glyphs before that point were loaded. The file is left as it is; mend or remove the damaged part with a text editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="54"/>
        <source>The library file is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="59"/>
        <source>The character &quot;%1&quot; cannot be saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="63"/>
        <source>The glyph could not be saved to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="68"/>
        <source>Part of %1 could not be read (line %2: %3).<byte value="xd"/>
<byte value="xd"/>
The old file was kept as<byte value="xd"/>
%4<byte value="xd"/>
and the library was written anew from the glyphs that could be read, with this one saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="78"/>
        <source>The glyph could not be deleted from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="83"/>
        <source>Part of the library could not be read (line %1: %2), so it was written anew without it; the old file is kept as<byte value="xd"/>
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="90"/>
        <source>%1 could not be imported into<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
The library file is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="98"/>
        <source>%1 could not be imported into</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="101"/>
        <source>%1:<byte value="xd"/>
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="104"/>
        <source>The library file cannot store these: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="111"/>
        <source>Part of the old file could not be read (line %1: %2); it is kept as<byte value="xd"/>
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="115"/>
        <source>The library as it was before is kept as<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlix::FirmwareDialog</name>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="156"/>
        <source>Preview:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlix::FontExportDialog</name>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="180"/>
        <location filename="../src/ui/firmware_dialogs.cpp" line="202"/>
        <source>Export font table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="183"/>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="184"/>
        <source>Characters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="185"/>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="186"/>
        <source>A blank column after each glyph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="187"/>
        <source>Invert Bits: a lit dot is a 1 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="188"/>
        <source>Swap MSB/ LSB: the bottom row is the most significant bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="190"/>
        <source>A table of glyph widths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="191"/>
        <source>Lit columns only, with offsets (c and arduino)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="194"/>
        <source>For a stick that spins the other way (mirrored)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="195"/>
        <source>Save to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="196"/>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="208"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="234"/>
        <source>Characters are code points and ranges such as 32-126,160-255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="245"/>
        <source>The name must be an identifier: a letter or _, then letters, digits or _.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="247"/>
        <source>&quot;%1&quot; is a reserved word of %2; choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="248"/>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="249"/>
        <source>Arduino&apos;s C++</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="250"/>
        <source>the AVR assembler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="251"/>
        <source>the PIC assembler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="254"/>
        <source>Lit columns only go with c or arduino, without a blank column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="256"/>
        <source>A bin file holds one table: no widths.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="289"/>
        <source>Not in the library, so dark: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="305"/>
        <source>That is the library itself; choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="310"/>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="318"/>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlix::FontsListMenu</name>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="75"/>
        <source>Import font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="76"/>
        <source>Fonts (*.bdf *.bdf.gz *.pcf *.pcf.gz *.ttf *.otf *.pfb *.pfa *.t1);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="100"/>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="101"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="102"/>
        <source>Import font...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="103"/>
        <source>Export font table...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="105"/>
        <source>Import firmware table...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="136"/>
        <source>The glyph for &quot;%1&quot; cannot be loaded into the editor: its columns are not all bytes (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="152"/>
        <source>Delete Font Data?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="153"/>
        <source>Delete the glyph for &quot;%1&quot; from the library?<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="175"/>
        <location filename="../src/ui/fonts_list_menu.cpp" line="224"/>
        <source>Import Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="177"/>
        <source>Import its glyphs all the same, cut at the cell&apos;s edges?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="194"/>
        <source>%1 into<byte value="xd"/>
%2:<byte value="xd"/>
<byte value="xd"/>
%3 new characters would be added; %4 stored ones differ from the font; %5 are the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="202"/>
        <source>%1 lose dots to the 5x8 cell: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="208"/>
        <source>Not in the font: %1; the library file cannot store: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="214"/>
        <source>There is nothing to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="219"/>
        <source>Yes replaces the stored glyphs that differ (the library is kept as a backup), No keeps them and adds only the new ones, Cancel imports nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="222"/>
        <source>OK adds them, Cancel imports nothing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlix::Form1</name>
    <message>
        <location filename="../src/ui/form1.cpp" line="84"/>
        <source>Propeller Vorlix Generator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="104"/>
        <source>5x8 Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="115"/>
        <source>lsb  Binary  msb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="118"/>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="120"/>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="128"/>
        <source>Invert &amp;Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="129"/>
        <source>Invert Columns in &amp;file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="131"/>
        <source>&amp;Swap MSB/ LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="135"/>
        <source>CHAR:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="139"/>
        <source>Enter Char here that represents the font data created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="140"/>
        <source>&amp;Append to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="141"/>
        <source>&amp;Clear Font Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="153"/>
        <source>Message Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="154"/>
        <source>View Font &amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="166"/>
        <source>Add blank Column after each Char.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="168"/>
        <source>Hex Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="174"/>
        <source>Convert &amp;Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="176"/>
        <source>Copy Data to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="183"/>
        <source>Fonts List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="199"/>
        <source>Font Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="262"/>
        <source>msb  Binary   lsb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="262"/>
        <source>lsb  Binary   msb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="280"/>
        <source>You must enter a char representing the data you entered!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="296"/>
        <source>The font data is already in the list. <byte value="xd"/>
Would you like to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="299"/>
        <source>Replace Font Data?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="387"/>
        <source>You must convert the typed text first,<byte value="xd"/>
Before you can copy it to the system clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="402"/>
        <source>The system clipboard could not be written; another program may be holding it.<byte value="xd"/>
Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="407"/>
        <source>The data has been copied to the system clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="412"/>
        <source>Hide fonts list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="412"/>
        <source>View fonts list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="48"/>
        <source>Shift Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="49"/>
        <source>Shift Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="50"/>
        <source>Shift Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="51"/>
        <source>Shift Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="52"/>
        <source>Mirror Left to Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="54"/>
        <source>Mirror Top to Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="56"/>
        <source>Invert Dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="58"/>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="59"/>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_spin.cpp" line="35"/>
        <source>Spin preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlix::PixelButton</name>
    <message>
        <location filename="../src/ui/pixel_button.cpp" line="28"/>
        <source>column %1, row %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/pixel_button.cpp" line="28"/>
        <source>lit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/pixel_button.cpp" line="28"/>
        <source>dark</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlix::SpinPreview</name>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="37"/>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="38"/>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="39"/>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="40"/>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="41"/>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="46"/>
        <location filename="../src/ui/spin_preview.cpp" line="123"/>
        <source>Save picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="47"/>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="87"/>
        <source>Spin preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="92"/>
        <source>Spinning stick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="94"/>
        <location filename="../src/ui/spin_preview.cpp" line="121"/>
        <source>Strip view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="103"/>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="107"/>
        <source> rpm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="108"/>
        <source>Text covers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="111"/>
        <source> % of the circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="112"/>
        <source>Time per column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="113"/>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="114"/>
        <source>Clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="114"/>
        <source>Counter-clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="115"/>
        <source>LED colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="119"/>
        <source>&amp;Blank column after each character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="120"/>
        <source>Blank column after each character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="121"/>
        <source>S&amp;trip view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="123"/>
        <source>Save &amp;picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="126"/>
        <source>&amp;Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="127"/>
        <source>Text &amp;covers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="128"/>
        <source>Each column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="129"/>
        <source>&amp;Direction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="130"/>
        <source>LED c&amp;olour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="181"/>
        <source>%1 µs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="258"/>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="269"/>
        <source>The picture could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlix::TableImportDialog</name>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="326"/>
        <location filename="../src/ui/firmware_dialogs.cpp" line="333"/>
        <source>Import firmware table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="328"/>
        <source>Firmware file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="329"/>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="334"/>
        <source>Firmware sources (*.asm *.inc *.s *.S *.c *.h *.ino);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="339"/>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="339"/>
        <source>from the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="341"/>
        <source>Table label:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="342"/>
        <source>Characters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="343"/>
        <source>or the characters of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="344"/>
        <source>A blank column after each glyph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="345"/>
        <source>Invert Bits: a lit dot is a 1 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="346"/>
        <source>Swap MSB/ LSB: the bottom row is the most significant bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="349"/>
        <source>For a stick that spins the other way (mirrored)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="351"/>
        <source>Replace characters the library holds already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="352"/>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="391"/>
        <source>There is no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="393"/>
        <source>That is no regular file (a folder, a pipe or a device); choose the firmware&apos;s source file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="398"/>
        <source>Line %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="403"/>
        <source>If the file holds more than the table, name the table&apos;s label.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="415"/>
        <source>Choose the firmware file that holds the table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="434"/>
        <source>Characters are code points and ranges such as 32-126.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="458"/>
        <source>... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="460"/>
        <source>%1 glyphs to import.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
