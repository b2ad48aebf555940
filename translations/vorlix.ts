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
        <source>%1 into<byte value="xd"/>
%2:<byte value="xd"/>
%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="105"/>
        <source>The library file cannot store these: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="112"/>
        <source>Part of the old file could not be read (line %1: %2); it is kept as<byte value="xd"/>
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/library_words.cpp" line="116"/>
        <source>The library as it was before is kept as<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlix::ControlTips</name>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="17"/>
        <source>The character being drawn, 5 columns of 8 dots: click a dot or drag across dots to light or darken them, or use the arrow keys and Space; right-click for the grid&apos;s tools and Undo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="21"/>
        <source>The glyph of the line chosen in the fonts list, as the library holds it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="28"/>
        <source>Each column&apos;s eight bits, the most significant first: the top row&apos;s leads, or the bottom row&apos;s with Swap MSB/ LSB ticked, whatever the caption says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="31"/>
        <source>Each column&apos;s value in hex, the form the library stores.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="32"/>
        <source>Each column&apos;s value in decimal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="34"/>
        <source>The column as eight binary digits, the most significant first, written anew at every change of the grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="37"/>
        <source>The column&apos;s value in hex, which Append to file stores, written anew at every change of the grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="40"/>
        <source>The column&apos;s value in decimal, written anew at every change of the grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="43"/>
        <source>Invert Bits: a lit dot is a 1 bit instead of a 0 bit, so the column shown as &amp;H81 becomes &amp;H7E.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="46"/>
        <source>Invert Columns in file: a character appended to the library is written with its five columns last first, mirrored left to right; one that replaces a stored character is written as shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="50"/>
        <source>Swap MSB/ LSB: the bottom row becomes the most significant bit, so with only the top dot lit the column shown as &amp;H7F becomes &amp;HFE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="53"/>
        <source>Append to file: saves the drawing under the character in the CHAR box, appended to the library, or in place of the stored one after asking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="57"/>
        <source>Clear Font Data: darkens every dot and empties the column boxes and the character box; the library is not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="60"/>
        <source>Shows the fonts list over the editor, or hides it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="62"/>
        <source>The message to write as a table, at most 42 characters; F5 shows it on the spinning stick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="65"/>
        <source>The table that Convert Text writes, which you may edit before you copy it; right-click for the spin preview.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="68"/>
        <source>Adds a sixth value to each line of the table, the prefix and FF: a dark column between characters with the bits as they are by default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="72"/>
        <source>Written before every value of the table, at most two characters, such as 0x, $ or nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="75"/>
        <source>Convert Text: writes the message&apos;s table into the box, two comment lines and then a dt line of each character&apos;s five columns from the library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="79"/>
        <source>Copies the text of the table box, as it is now, to the system clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/control_tips.cpp" line="82"/>
        <source>The library&apos;s glyphs in file order: click one to see it under Font Preview, double-click to edit it, or right-click to delete, import or export.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlix::FirmwareDialog</name>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="132"/>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="134"/>
        <source>Chooses the file in a file dialog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="169"/>
        <source>Preview:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="183"/>
        <source>The first lines of what the choices give.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="184"/>
        <source>What is wrong with the choices, or what they leave out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="187"/>
        <source>Closes the dialog without writing anything.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlix::FontExportDialog</name>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="198"/>
        <location filename="../src/ui/firmware_dialogs.cpp" line="216"/>
        <source>Export font table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="201"/>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="202"/>
        <source>Characters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="203"/>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="204"/>
        <source>A blank column after each glyph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="205"/>
        <source>Invert Bits: a lit dot is a 1 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="206"/>
        <source>Swap MSB/ LSB: the bottom row is the most significant bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="208"/>
        <source>A table of glyph widths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="209"/>
        <source>Lit columns only, with offsets (c and arduino)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="212"/>
        <source>For a stick that spins the other way (mirrored)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="215"/>
        <source>Save to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="219"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="219"/>
        <source>Writes the table to the file, after asking before it replaces one, and says what was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="222"/>
        <source>The form of the table: dt or retlw lines for a PIC, .db lines for an AVR, .byte lines for GNU as, a C or Arduino array, or the bare bytes (bin).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="224"/>
        <source>The characters to write, as code points and ranges such as 32-126: the table runs from the lowest to the highest, and those the library lacks are dark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="227"/>
        <source>The table&apos;s name in your source: a letter or _, then letters, digits or _.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="229"/>
        <source>Adds a blank column after each glyph&apos;s five.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="230"/>
        <source>A lit dot is a 1 bit, as with Invert Bits in the main window; unticked, it is a 0 bit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="232"/>
        <source>The bottom row is the most significant bit, as with Swap MSB/ LSB in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="234"/>
        <source>Also writes a table of each glyph&apos;s width, from its first lit column to its last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="236"/>
        <source>Keeps only each glyph&apos;s lit columns, with a table of where each glyph starts (c and arduino only).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="238"/>
        <source>For a stick that spins the other way: each glyph&apos;s columns in the opposite order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="240"/>
        <source>The file the table is written to; a bare name lies in the folder last used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="267"/>
        <source>Characters are code points and ranges such as 32-126,160-255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="278"/>
        <source>The name must be an identifier: a letter or _, then letters, digits or _.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="280"/>
        <source>&quot;%1&quot; is a reserved word of %2; choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="281"/>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="282"/>
        <source>Arduino&apos;s C++</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="283"/>
        <source>the AVR assembler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="284"/>
        <source>the PIC assembler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="287"/>
        <source>Lit columns only go with c or arduino, without a blank column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="289"/>
        <source>A bin file holds one table: no widths.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="323"/>
        <source>Not in the library, so dark: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="339"/>
        <source>That is the library itself; choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="344"/>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="352"/>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="357"/>
        <source>The font table, %1 characters in %2 bytes, was written to<byte value="xd"/>
%3</source>
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
        <location filename="../src/ui/fonts_list_menu.cpp" line="109"/>
        <source>Update firmware file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="140"/>
        <source>The glyph for &quot;%1&quot; cannot be loaded into the editor: its columns are not all bytes (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="156"/>
        <source>Delete Font Data?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="157"/>
        <source>Delete the glyph for &quot;%1&quot; from the library?<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="179"/>
        <location filename="../src/ui/fonts_list_menu.cpp" line="228"/>
        <source>Import Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="181"/>
        <source>Import its glyphs all the same, cut at the cell&apos;s edges?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="198"/>
        <source>%1 into<byte value="xd"/>
%2:<byte value="xd"/>
<byte value="xd"/>
%3 new characters would be added; %4 stored ones differ from the font; %5 are the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="206"/>
        <source>%1 lose dots to the 5x8 cell: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="212"/>
        <source>Not in the font: %1; the library file cannot store: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="218"/>
        <source>There is nothing to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="223"/>
        <source>Yes replaces the stored glyphs that differ (the library is kept as a backup), No keeps them and adds only the new ones, Cancel imports nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/fonts_list_menu.cpp" line="226"/>
        <source>OK adds them, Cancel imports nothing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlix::Form1</name>
    <message>
        <location filename="../src/ui/form1.cpp" line="85"/>
        <source>Propeller Vorlix Generator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="106"/>
        <source>5x8 Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="117"/>
        <source>lsb  Binary  msb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="120"/>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="122"/>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="130"/>
        <source>Invert &amp;Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="131"/>
        <source>Invert Columns in &amp;file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="133"/>
        <source>&amp;Swap MSB/ LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="137"/>
        <source>CHAR:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="141"/>
        <source>Enter Char here that represents the font data created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="142"/>
        <source>&amp;Append to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="143"/>
        <source>&amp;Clear Font Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="155"/>
        <source>Message Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="156"/>
        <source>View Font &amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="168"/>
        <source>Add blank Column after each Char.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="170"/>
        <source>Hex Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="176"/>
        <source>Convert &amp;Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="178"/>
        <source>Copy Data to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="185"/>
        <source>Fonts List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="201"/>
        <source>Font Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="264"/>
        <source>msb  Binary   lsb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="264"/>
        <source>lsb  Binary   msb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="282"/>
        <source>You must enter a char representing the data you entered!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="298"/>
        <source>The font data is already in the list. <byte value="xd"/>
Would you like to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="301"/>
        <source>Replace Font Data?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="389"/>
        <source>You must convert the typed text first,<byte value="xd"/>
Before you can copy it to the system clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="404"/>
        <source>The system clipboard could not be written; another program may be holding it.<byte value="xd"/>
Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="409"/>
        <source>The data has been copied to the system clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="414"/>
        <source>Hide fonts list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1.cpp" line="414"/>
        <source>View fonts list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="50"/>
        <source>Shift Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="51"/>
        <source>Shift Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="52"/>
        <source>Shift Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="53"/>
        <source>Shift Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="54"/>
        <source>Mirror Left to Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="56"/>
        <source>Mirror Top to Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="58"/>
        <source>Invert Dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="60"/>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_grid_tools.cpp" line="61"/>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_spin.cpp" line="22"/>
        <source>Spin preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/form1_spin.cpp" line="27"/>
        <source>Send to stick...</source>
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
    <name>vorlix::SendDialog</name>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="67"/>
        <source>Send to stick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="75"/>
        <source>Choose or type a serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="90"/>
        <source>&amp;Invert Bits: a 1 bit lights its LED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="92"/>
        <source>S&amp;wap MSB/ LSB: the bottom LED is the most significant bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="93"/>
        <source>&amp;Reverse: the stick spins the other way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="94"/>
        <source>The stick&apos;s wiring, as its firmware was built</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="113"/>
        <source>&amp;Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="118"/>
        <source>&amp;Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="119"/>
        <source>&amp;Baud rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="121"/>
        <source>Message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="126"/>
        <source>The serial port the stick is on: a USB-serial adapter, or a Bluetooth module&apos;s port. One the list lacks (a pseudo-terminal, /dev/rfcomm0) can be typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="129"/>
        <source>The stick&apos;s baud rate, as its firmware was built (the AVR example: 9600 unless built otherwise).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="131"/>
        <source>How the stick lights a bit, as its firmware was built. The main window&apos;s Invert Bits and Swap MSB/ LSB describe the library, not the stick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="133"/>
        <source>A 1 bit lights the stick&apos;s LED (the AVR example&apos;s way); unticked, a 0 bit does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="135"/>
        <source>The stick&apos;s bottom LED is the most significant bit; unticked, the top one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="137"/>
        <source>The stick spins the other way: the columns go in the opposite order, each glyph mirrored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="139"/>
        <source>What is sent: the main window&apos;s message, with its blank columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="140"/>
        <source>How much of the message has gone out on the line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="141"/>
        <source>The stick&apos;s answer to the last send, or why there was none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="142"/>
        <source>Asks the stick what it holds, then sends the message&apos;s columns and waits for the stick to store them. The window stays free meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="193"/>
        <source>The message box is empty: there is nothing to send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/send_dialog.cpp" line="194"/>
        <source>&quot;%1&quot;, %n columns</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="217"/>
        <source>Sending the message...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="218"/>
        <source>Sent; waiting for the stick to store it...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="224"/>
        <source>Asking the stick at %1 what it holds...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="250"/>
        <source>Invert Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="250"/>
        <source>Swap MSB/ LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="251"/>
        <source>Reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="256"/>
        <source>none of the options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="256"/>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/send_dialog.cpp" line="260"/>
        <source>The stick stored the message (%n columns); it draws it from its next turn.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="266"/>
        <source>it arrived damaged (bad CRC) at every try; check the wiring, the ground and the baud rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="270"/>
        <source>it is too long for the stick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="273"/>
        <source>the stick takes no message columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="276"/>
        <source>the stick speaks another version of the protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="279"/>
        <source>it is not in the form the protocol gives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="282"/>
        <source>reason %1, which this program does not know</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="284"/>
        <source>The stick refused the message: %1. It still shows what it showed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/send_dialog.cpp" line="287"/>
        <source>No answer from %1 to %n queries. Is the stick powered, and running firmware that speaks the protocol at %2 baud? Nothing was sent.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/send_dialog.cpp" line="293"/>
        <source>The stick answered, but did not acknowledge the message after %n tries; it may still show the old one.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="297"/>
        <source>The serial port %1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="299"/>
        <source>You may not open the serial port %1; members of the group &quot;%2&quot; may. On Debian: sudo adduser $USER %2, then log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="303"/>
        <source>Writing to the serial port %1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/send_dialog.cpp" line="305"/>
        <source>The message is %n columns, but the stick holds at most %1. Nothing was sent.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="310"/>
        <source>The stick takes no message columns. Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/send_dialog.cpp" line="313"/>
        <source>The stick is wired for %1, but the message was encoded for %2. Its options are ticked now: press Send again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlix::SpinPreview</name>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="39"/>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="40"/>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="41"/>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="42"/>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="43"/>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="47"/>
        <location filename="../src/ui/spin_preview.cpp" line="161"/>
        <source>Save picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="48"/>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="106"/>
        <source>Spin preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="112"/>
        <source>Spinning stick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="113"/>
        <source>The message as the eye sees it on the stick, turning at the speed and the way chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="116"/>
        <location filename="../src/ui/spin_preview.cpp" line="157"/>
        <source>Strip view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="117"/>
        <source>The message&apos;s columns side by side, in the order the stick lights them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="126"/>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="127"/>
        <source>How fast the stick turns, in revolutions per minute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="131"/>
        <source> rpm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="133"/>
        <source>Text covers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="134"/>
        <source>How much of each turn the message takes up; the rest of the circle stays dark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="137"/>
        <source> % of the circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="138"/>
        <source>Time per column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="139"/>
        <source>How long each column is lit, from the speed and the share: the time your firmware gives each column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="141"/>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="142"/>
        <source>Which way the stick turns, as seen from the front.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="143"/>
        <source>Clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="143"/>
        <source>Counter-clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="145"/>
        <source>LED colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="146"/>
        <source>The colour of the stick&apos;s LEDs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="153"/>
        <source>&amp;Blank column after each character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="154"/>
        <source>Blank column after each character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="155"/>
        <source>A dark column after each character, the same choice as the main window&apos;s Add blank Column after each Char.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="157"/>
        <source>S&amp;trip view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="158"/>
        <source>Shows the message&apos;s columns side by side under the ring.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="161"/>
        <source>Save &amp;picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="162"/>
        <source>Saves the ring as it is shown now as a PNG picture, asking before it replaces a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="165"/>
        <source>Se&amp;nd to stick...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="165"/>
        <source>Send to stick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="166"/>
        <source>Sends the message to a stick&apos;s firmware over a serial port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="168"/>
        <source>Picture saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="169"/>
        <source>What the last Save picture... wrote, and where.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="174"/>
        <source>&amp;Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="175"/>
        <source>Text &amp;covers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="176"/>
        <source>Each column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="177"/>
        <source>&amp;Direction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="178"/>
        <source>LED c&amp;olour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="234"/>
        <source>%1 µs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="322"/>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="334"/>
        <source>The picture could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/spin_preview.cpp" line="339"/>
        <source>Saved %1 x %2 pixels, %3 bytes, as %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlix::TableImportDialog</name>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="366"/>
        <location filename="../src/ui/firmware_dialogs.cpp" line="372"/>
        <source>Import firmware table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="366"/>
        <source>Update firmware file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="370"/>
        <source>Firmware file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="373"/>
        <source>Firmware sources (*.asm *.inc *.s *.S *.c *.h *.ino);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="375"/>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="375"/>
        <source>from the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="377"/>
        <source>Table label:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="378"/>
        <source>Characters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="379"/>
        <source>or the characters of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="380"/>
        <source>A blank column after each glyph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="381"/>
        <source>Invert Bits: a lit dot is a 1 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="382"/>
        <source>Swap MSB/ LSB: the bottom row is the most significant bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="385"/>
        <source>For a stick that spins the other way (mirrored)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="387"/>
        <source>Replace characters the library holds already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="389"/>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="389"/>
        <source>Writes the library&apos;s glyphs into the table shown, and nowhere else in the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="393"/>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="393"/>
        <source>Adds the glyphs shown to the library, and says what changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="396"/>
        <source>The firmware source that holds the table; a bare name lies in the folder last used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="398"/>
        <source>The form of the table, when the file alone does not say; bin takes the file&apos;s bytes as the table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="400"/>
        <source>The label the table follows in the file, needed when the file holds more than the table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="402"/>
        <source>The characters of the table&apos;s glyphs in order, as code points and ranges such as 32-126; empty when comments name them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="404"/>
        <source>Or the characters of the table&apos;s glyphs typed out in order, such as 0123456789; used when not empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="406"/>
        <source>The table has a blank column after each glyph&apos;s five, which is dropped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="408"/>
        <source>The table was written with a lit dot as a 1 bit, as with Invert Bits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="410"/>
        <source>The table was written with the bottom row as the most significant bit, as with Swap MSB/ LSB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="412"/>
        <source>The table was written for a stick that spins the other way, each glyph&apos;s columns in the opposite order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="414"/>
        <source>Replaces the glyphs of characters the library holds already; unticked, only new characters are added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="457"/>
        <source>There is no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="459"/>
        <source>That is no regular file (a folder, a pipe or a device); choose the firmware&apos;s source file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="464"/>
        <location filename="../src/ui/firmware_dialogs.cpp" line="556"/>
        <source>Line %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="469"/>
        <source>If the file holds more than the table, name the table&apos;s label.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="481"/>
        <source>Choose the firmware file that holds the table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="502"/>
        <source>Characters are code points and ranges such as 32-126.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="530"/>
        <source>... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="532"/>
        <source>%1 glyphs to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="569"/>
        <source>The table holds the library&apos;s glyphs already: nothing to change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="570"/>
        <source>Glyphs that change: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="592"/>
        <source>%1 was updated; the glyphs that changed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="574"/>
        <source>Not in the library, so kept as they are: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/firmware_dialogs.cpp" line="606"/>
        <source>%1 could not be updated: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
