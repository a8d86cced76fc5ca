<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Quorvale Editor</source>
        <translation>Om Quorvale Editor</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Freeware. Get the latest version:</source>
        <translation>Freeware. Hämta senaste versionen här:</translation>
    </message>
    <message>
        <source>More information and help is found in</source>
        <translation>För mer information (hjälp och liknande) läs i </translation>
    </message>
    <message>
        <source>25,63,120,8</source>
        <comment>place of the help text: x,y,width,height in dialog units</comment>
        <translation>7,63,142,8</translation>
    </message>
    <message>
        <source>ReadMe</source>
        <translation>ReadMe-filen.</translation>
    </message>
    <message>
        <source>149,63,30,8</source>
        <comment>place of the ReadMe link: x,y,width,height in dialog units</comment>
        <translation>149,63,50,8</translation>
    </message>
</context>
<context>
    <name>CArchive</name>
    <message>
        <source>unexpected end of file</source>
        <translation>filen tar slut för tidigt</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>filen kunde inte läsas</translation>
    </message>
    <message>
        <source>malformed string length</source>
        <translation>felaktig stränglängd</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>filen kunde inte skrivas</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Inte en vanlig fil</translation>
    </message>
    <message>
        <source>Larger than 64 MiB, the most a level file may hold</source>
        <translation>Större än 64 MiB, det mesta en banfil får rymma</translation>
    </message>
</context>
<context>
    <name>CDocManager</name>
    <message>
        <source>Level file</source>
        <translation>Banfil</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alla filer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Cannot open %1.
%2</source>
        <translation>Det går inte att öppna %1.
%2</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Spara som</translation>
    </message>
    <message>
        <source>Cannot save %1.
%2</source>
        <translation>Det går inte att spara %1.
%2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Vill du spara ändringarna i %1?</translation>
    </message>
    <message>
        <source>Saved, but no earlier version of %1 was kept: %2</source>
        <translation>Sparad, men ingen tidigare version av %1 kunde behållas: %2</translation>
    </message>
    <message>
        <source>%1 has changed on disk since you opened it. Overwrite it?</source>
        <translation>%1 har ändrats på disken sedan du öppnade den. Vill du skriva över den?</translation>
    </message>
    <message>
        <source>%1 is no longer on disk.</source>
        <translation>%1 finns inte längre på disken.</translation>
    </message>
    <message>
        <source>%1 has changed on disk. Reload it and lose your changes?</source>
        <translation>%1 har ändrats på disken. Vill du läsa in den igen och förlora dina ändringar?</translation>
    </message>
    <message>
        <source>%1 changed on disk and was reloaded.</source>
        <translation>%1 ändrades på disken och har lästs in igen.</translation>
    </message>
    <message>
        <source>No earlier versions of %1 are kept.</source>
        <translation>Inga tidigare versioner av %1 finns kvar.</translation>
    </message>
    <message>
        <source>Earlier Versions of %1</source>
        <translation>Tidigare versioner av %1</translation>
    </message>
</context>
<context>
    <name>CEditorDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Namnlös</translation>
    </message>
</context>
<context>
    <name>CEditorView</name>
    <message>
        <source>The level is %1 x %2 blocks; the window shows at most %3 x %4 blocks at this size</source>
        <translation>Banan är %1 x %2 block; fönstret visar högst %3 x %4 block i den här storleken</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Operativsystemet har slut på
minne eller resurser.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Den angivna filen hittades inte.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Den angivna sökvägen hittades inte.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Operativsystemet nekade
åtkomst till den angivna filen.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Det fanns inte tillräckligt med minne för att slutföra åtgärden.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Programfilen är ogiltig
(inget program för det här systemet, eller skadad).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Filen används av ett annat program. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Filtypens koppling till ett program
är ofullständig eller ogiltig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Programmet som skulle öppna länken
svarade inte i tid.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Programmet som skulle öppna länken
kunde inte ta emot den.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Programmet som skulle öppna länken
var upptaget med andra förfrågningar.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Det finns inget program som kan
öppna den här typen av fil.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Ett programbibliotek som behövs hittades inte.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Okänt fel (%1) inträffade.</translation>
    </message>
    <message>
        <source>Can&apos;t open link:

</source>
        <translation>Det går inte att öppna länken:

</translation>
    </message>
</context>
<context>
    <name>CLevelPropertiesDlg</name>
    <message>
        <source>Level Properties</source>
        <translation>Banegenskaper</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Bredd:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höjd:</translation>
    </message>
    <message>
        <source>&amp;Creator:</source>
        <translation>&amp;Skapare:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Namn:</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Ange ett heltal mellan %1 och %2.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Redigera</translation>
    </message>
    <message>
        <source>&amp;Block</source>
        <translation>&amp;Block</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Verktyg</translation>
    </message>
    <message>
        <source>&amp;Ball</source>
        <translation>&amp;Boll</translation>
    </message>
    <message>
        <source>S&amp;peed</source>
        <translation>&amp;Hastighet</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Vi&amp;sa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Verktygsfält</translation>
    </message>
    <message>
        <source>Quorvale editor</source>
        <translation>Quorvale editor</translation>
    </message>
    <message>
        <source>Sound is not available</source>
        <translation>Ljud är inte tillgängligt</translation>
    </message>
</context>
<context>
    <name>CPaletteTips</name>
    <message>
        <source>Solid</source>
        <translation>Hel</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangel</translation>
    </message>
    <message>
        <source>Quarter disc</source>
        <translation>Kvartscirkel</translation>
    </message>
    <message>
        <source>Half disc</source>
        <translation>Halvcirkel</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>Gräs</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Vägg</translation>
    </message>
    <message>
        <source>Ice</source>
        <translation>Is</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Hål</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>Sand</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Vatten</translation>
    </message>
    <message>
        <source>Background material of the current block
Left click: turn its slope
Right click: no slope</source>
        <translation>Det aktuella blockets bakgrundsmaterial
Vänsterklick: vrid lutningen
Högerklick: ingen lutning</translation>
    </message>
    <message>
        <source>Front material of the current block
Left click: turn its slope
Right click: no slope</source>
        <translation>Det aktuella blockets förgrundsmaterial
Vänsterklick: vrid lutningen
Högerklick: ingen lutning</translation>
    </message>
    <message>
        <source>Current block
Left click: a quarter turn (with Shift its slopes turn too)</source>
        <translation>Aktuellt block
Vänsterklick: ett kvarts varv (med Skift vrids även lutningarna)</translation>
    </message>
    <message>
        <source>Shape: %1
Left click: the current block takes this shape</source>
        <translation>Form: %1
Vänsterklick: det aktuella blocket får denna form</translation>
    </message>
    <message>
        <source>Material: %1
Left click: background material
Right click: front material</source>
        <translation>Material: %1
Vänsterklick: bakgrundsmaterial
Högerklick: förgrundsmaterial</translation>
    </message>
</context>
<context>
    <name>CParSearch</name>
    <message>
        <source>1 shot</source>
        <translation>1 slag</translation>
    </message>
    <message>
        <source>%1 shots</source>
        <translation>%1 slag</translation>
    </message>
    <message>
        <source>Par search stopped by an edit</source>
        <translation>Sökningen efter par avbröts av en ändring</translation>
    </message>
    <message>
        <source>Par at most %1, proving… %2 s</source>
        <translation>Par högst %1, bevisar… %2 s</translation>
    </message>
    <message>
        <source>Finding par within %1: none of %2 or fewer… %3 s</source>
        <translation>Söker par inom %1: inget på %2 eller färre… %3 s</translation>
    </message>
    <message>
        <source>Finding par within %1… %2 s</source>
        <translation>Söker par inom %1… %2 s</translation>
    </message>
    <message>
        <source>Par %1, found in %2 s</source>
        <translation>Par %1, hittat på %2 s</translation>
    </message>
    <message>
        <source>Par at most %1, none of %2 or fewer (stopped after %3 s)</source>
        <translation>Par högst %1, inget på %2 eller färre (avbröts efter %3 s)</translation>
    </message>
    <message>
        <source>Par at most %1 (stopped after %2 s)</source>
        <translation>Par högst %1 (avbröts efter %2 s)</translation>
    </message>
    <message>
        <source>This level has no cup</source>
        <translation>Banan har inget hål</translation>
    </message>
    <message>
        <source>The cup cannot be reached</source>
        <translation>Hålet går inte att nå</translation>
    </message>
    <message>
        <source>No par found, none of %1 or fewer (stopped after %2 s)</source>
        <translation>Inget par hittat, inget på %1 eller färre (avbröts efter %2 s)</translation>
    </message>
    <message>
        <source>No par found (stopped after %1 s)</source>
        <translation>Inget par hittat (avbröts efter %1 s)</translation>
    </message>
    <message>
        <source>No par within %1</source>
        <translation>Inget par inom %1</translation>
    </message>
</context>
<context>
    <name>CRecoveryKeeper</name>
    <message>
        <source>Recover the unsaved changes to %1 from %2?</source>
        <translation>Vill du återställa de osparade ändringarna i %1 från %2?</translation>
    </message>
</context>
<context>
    <name>CShotMapOverlay</name>
    <message>
        <source>Mapping every first shot</source>
        <translation>Kartlägger alla första slag</translation>
    </message>
    <message>
        <source>Shot map: %1 of %2 first shots end in the cup</source>
        <translation>Slagkarta: %1 av %2 första slag hamnar i hålet</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>stilla</translation>
    </message>
    <message>
        <source>water</source>
        <translation>vatten</translation>
    </message>
    <message>
        <source>cup</source>
        <translation>hål</translation>
    </message>
</context>
<context>
    <name>CSolveTools</name>
    <message>
        <source>Playing the solution: shot %1 of %2, forgiveness %3%</source>
        <translation>Spelar lösningen: slag %1 av %2, tolerans %3%</translation>
    </message>
    <message>
        <source>%1, through a wall</source>
        <translation>%1, genom en vägg</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nytt	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Skapar ett nytt dokument.
Nytt</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Öppna...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Öppnar ett befintligt dokument.
Öppna</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Spara	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Sparar det aktiva dokumentet.
Spara</translation>
    </message>
    <message>
        <source>Save &amp;As...	Ctrl+Shift+S</source>
        <translation>Spara so&amp;m...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Sparar det aktiva dokumentet med ett nytt namn.
Spara som</translation>
    </message>
    <message>
        <source>Earlier &amp;Versions...</source>
        <translation>Tidigare &amp;versioner...</translation>
    </message>
    <message>
        <source>Open a version that this file had before one of its saves
Earlier Versions</source>
        <translation>Öppnar en version som filen hade före en av sina sparningar.
Tidigare versioner</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Recent File</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Öppnar det här dokumentet.</translation>
    </message>
    <message>
        <source>E&amp;xit	Ctrl+Q</source>
        <translation>&amp;Avsluta	Ctrl+Q</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Avslutar programmet och frågar om dokument ska sparas.
Avsluta</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Ångra	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Ångrar senast utförda åtgärd.
Ångra</translation>
    </message>
    <message>
        <source>Rotate &amp;back material	W</source>
        <translation>Rotera bakgrundsmaterial	W</translation>
    </message>
    <message>
        <source>Rotate background material
Rotate background</source>
        <translation>Rotera bakgrundsmaterial.
Rotera bakgrundsmaterial</translation>
    </message>
    <message>
        <source>Reset b&amp;ack rotation	Ctrl+W</source>
        <translation>Återställ bakgrundsmaterial	Ctrl+W</translation>
    </message>
    <message>
        <source>Reset background rotation
Reset background rotation</source>
        <translation>Återställ bakgrundsmaterial.
Återställ bakgrundsmaterial</translation>
    </message>
    <message>
        <source>Rotate &amp;front material	E</source>
        <translation>Rotera förgrundsmaterial	E</translation>
    </message>
    <message>
        <source>Rotate front material
Rotate front</source>
        <translation>Rotera förgrundsmaterial.
Rotera förgrundsmaterial</translation>
    </message>
    <message>
        <source>Reset f&amp;ront rotation	Ctrl+E</source>
        <translation>Återställ förgrundsmaterial	Ctrl+E</translation>
    </message>
    <message>
        <source>Reset front rotation
Reset front rotation</source>
        <translation>Återställ förgrundsmaterial.
Återställ förgrundsmaterial</translation>
    </message>
    <message>
        <source>Rese&amp;t front and back rotation	A</source>
        <translation>Återställ material	A</translation>
    </message>
    <message>
        <source>Reset front and back rotation
Reset rotation</source>
        <translation>Återställ för- och bakrundsmaterial.
Återställ material</translation>
    </message>
    <message>
        <source>R&amp;otate block	R</source>
        <translation>&amp;Rotera block	R</translation>
    </message>
    <message>
        <source>Rotate block
Rotate block</source>
        <translation>Rotera block.
Rotera block</translation>
    </message>
    <message>
        <source>&amp;Swap materials	S</source>
        <translation>&amp;Skifta material	S</translation>
    </message>
    <message>
        <source>Swap background and front material</source>
        <translation>Skifta för- och bakgrundsmaterial.
Skifta material</translation>
    </message>
    <message>
        <source>R&amp;otate level	Q</source>
        <translation>&amp;Rotera bana	Q</translation>
    </message>
    <message>
        <source>Rotate the level 90 degrees</source>
        <translation>Roterar hela banan.</translation>
    </message>
    <message>
        <source>Flip &amp;Horizontal</source>
        <translation>&amp;Spegelvänd</translation>
    </message>
    <message>
        <source>Flips the level horizontally</source>
        <translation>Spegelvänder banan.</translation>
    </message>
    <message>
        <source>Flip &amp;Vertical</source>
        <translation>&amp;Vänd vertikalt</translation>
    </message>
    <message>
        <source>Flips the level vertically</source>
        <translation>Vänder banan vertikalt.</translation>
    </message>
    <message>
        <source>Create &amp;Random Level	Ctrl+R</source>
        <translation>S&amp;kapa slumpmässig bana	Ctrl+R</translation>
    </message>
    <message>
        <source>Create a random level
Random level</source>
        <translation>Skapar en ny slumpmässig bana.
Slumpmässig bana</translation>
    </message>
    <message>
        <source>&amp;Make fit	Ctrl+F</source>
        <translation>&amp;Optimera	Ctrl+F</translation>
    </message>
    <message>
        <source>Remove unused area</source>
        <translation>Tar bort område som inte används.</translation>
    </message>
    <message>
        <source>&amp;Properties...	Alt+Enter</source>
        <translation>&amp;Egenskaper...	Alt+Enter</translation>
    </message>
    <message>
        <source>Change level properties
Level properties</source>
        <translation>Visar egenskaper
Egenskaper</translation>
    </message>
    <message>
        <source>&amp;Plot	P</source>
        <translation>&amp;Plotta	P</translation>
    </message>
    <message>
        <source>Draws single blocks
Plot</source>
        <translation>Ritar ett block i tagen
Plotta</translation>
    </message>
    <message>
        <source>&amp;Line	L</source>
        <translation>&amp;Linje	L</translation>
    </message>
    <message>
        <source>Draws line
Line</source>
        <translation>Ritar en linje.
Linje</translation>
    </message>
    <message>
        <source>&amp;Rectangle	C</source>
        <translation>&amp;Rektangel	C</translation>
    </message>
    <message>
        <source>Draws a rectangle
Rectangle</source>
        <translation>Ritar en rektangel.
Rektangel</translation>
    </message>
    <message>
        <source>&amp;Frame	F</source>
        <translation>Ra&amp;m	F</translation>
    </message>
    <message>
        <source>Draws a frame
Frame</source>
        <translation>Ritar en ram.
Ram</translation>
    </message>
    <message>
        <source>F&amp;ill	I</source>
        <translation>F&amp;yll	I</translation>
    </message>
    <message>
        <source>Fills an area with current block
Fill</source>
        <translation>Fyller ett område med aktuellt block.
Fyll</translation>
    </message>
    <message>
        <source>&amp;Set Ball	B</source>
        <translation>Placera &amp;boll	B</translation>
    </message>
    <message>
        <source>Set start position
Set ball</source>
        <translation>Sätter startpositionen.
Placera boll</translation>
    </message>
    <message>
        <source>Test &amp;mode	Ctrl+T</source>
        <translation>&amp;Testa banan	Ctrl+T</translation>
    </message>
    <message>
        <source>Test level
Test</source>
        <translation>Testar banan.
Testa</translation>
    </message>
    <message>
        <source>Find p&amp;ar	F5</source>
        <translation>Hitta p&amp;ar	F5</translation>
    </message>
    <message>
        <source>Find the fewest shots that sink the ball
Find par</source>
        <translation>Söker det minsta antalet slag som sänker bollen i hålet.
Hitta par</translation>
    </message>
    <message>
        <source>Pla&amp;y solution	F7</source>
        <translation>Spela l&amp;ösning	F7</translation>
    </message>
    <message>
        <source>Play the shots found for par in test mode
Play solution</source>
        <translation>Spelar slagen som hittades för par i testläge.
Spela lösning</translation>
    </message>
    <message>
        <source>Sh&amp;ot map	F8</source>
        <translation>Slag&amp;karta	F8</translation>
    </message>
    <message>
        <source>Show or hide where every first shot ends
Shot map</source>
        <translation>Visar eller döljer var varje första slag hamnar.
Slagkarta</translation>
    </message>
    <message>
        <source>Stop s&amp;earch	Esc</source>
        <translation>A&amp;vbryt sökning	Esc</translation>
    </message>
    <message>
        <source>Stop finding par or mapping the shots
Stop search</source>
        <translation>Avbryter sökningen efter par eller kartläggningen av slagen.
Avbryt sökning</translation>
    </message>
    <message>
        <source>&amp;Stop	Space</source>
        <translation>&amp;Stoppa	Mellanslag</translation>
    </message>
    <message>
        <source>Stop ball on current position
Stop ball</source>
        <translation>Stoppar bollen där den är.
Stoppa bollen</translation>
    </message>
    <message>
        <source>&amp;Paus	Ctrl+0</source>
        <translation>&amp;Paus	Ctrl+0</translation>
    </message>
    <message>
        <source>Stop ball</source>
        <translation>Stoppar bollen.</translation>
    </message>
    <message>
        <source>&amp;Half	Ctrl+1</source>
        <translation>&amp;Halv	Ctrl+1</translation>
    </message>
    <message>
        <source>Half speed</source>
        <translation>Halv hastighet.</translation>
    </message>
    <message>
        <source>&amp;Normal	Ctrl+2</source>
        <translation>&amp;Normal	Ctrl+2</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>Normal hastighet.</translation>
    </message>
    <message>
        <source>X&amp;2	Ctrl+3</source>
        <translation>&amp;Dubbel	Ctrl+3</translation>
    </message>
    <message>
        <source>Double speed</source>
        <translation>Dubbel hastighet.</translation>
    </message>
    <message>
        <source>X&amp;3	Ctrl+4</source>
        <translation>&amp;Trippel	Ctrl+4</translation>
    </message>
    <message>
        <source>Triple speed</source>
        <translation>Trippel hastighet.</translation>
    </message>
    <message>
        <source>X&amp;4	Ctrl+5</source>
        <translation>&amp;Fyrdubbel	Ctrl+5</translation>
    </message>
    <message>
        <source>Four times normal speed</source>
        <translation>Fyra gånger normal hastighet.</translation>
    </message>
    <message>
        <source>Super	Ctrl+6</source>
        <translation>&amp;Supersnabb	Ctrl+6</translation>
    </message>
    <message>
        <source>Move the ball as fast as possible</source>
        <translation>Flyttar bollen så snabbt som möjligt.</translation>
    </message>
    <message>
        <source>Ultra	Ctrl+7</source>
        <translation>&amp;Ultrasnabb	Ctrl+7</translation>
    </message>
    <message>
        <source>Move ball to next position</source>
        <translation>Flyttar bollen direkt till nästa viloläge.</translation>
    </message>
    <message>
        <source>Pl&amp;ay sound</source>
        <translation>&amp;Ljud	F3</translation>
    </message>
    <message>
        <source>Toggle sound</source>
        <translation>Slår på eller stänger av ljudet.</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Verktygsfält</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Visar eller döljer verktygsfältet.
Verktygsfält</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusfält</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Visar eller döljer statusfältet.
Statusfält</translation>
    </message>
    <message>
        <source>Show &amp;grid	Ctrl+G</source>
        <translation>V&amp;isa stödlinjer	Ctrl+G</translation>
    </message>
    <message>
        <source>Show or hide grid
Grid</source>
        <translation>Visar eller döljer stödlinjer.</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>&amp;Index	F1</translation>
    </message>
    <message>
        <source>Start the help</source>
        <translation>Starta hjälpfilen</translation>
    </message>
    <message>
        <source>&amp;About Editor...</source>
        <translation>&amp;Om Quorvale...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Visar programinformation, versionsnummer och copyright.
Om</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Quorvale Editor</source>
        <translation>Quorvale Editor</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Manual/index.html</source>
        <translation>Manual/index-se.html</translation>
    </message>
</context>
</TS>
