<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Kelvane</name>
    <message>
        <source>Searching for a completion…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>counting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 completion(s) · %2 distinct · %3</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No web browser could be started. The home page is at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can still be completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no completion from here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checking…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game cannot save its files in the folder &quot;%1&quot;: it may be read-only, full or gone.

The game in progress and the options of this session will be lost when it ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No solution to show for this figure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finding solutions…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solutions: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solutions: …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no completion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with your pieces where they lie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your pieces allow no completion: the figure&apos;s own solutions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a piece in the panel: click it, or use the arrow keys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn it: right-click for its turns, or press X, Y or Z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move over the field: the piece shows in colour where it fits, plain grey where not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to lay it where it shows in colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a laid piece to pick it up again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the layer with the wheel, or Ctrl+Up and Ctrl+Down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the view with Ctrl+Left and Ctrl+Right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stuck? The Analyse menu tests the puzzle or shows a hint.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pieces laid</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>New figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating by cubes</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n cube(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Creating by pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solved in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>best %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every library puzzle solved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n hint(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Drawn at scale %1 to fit the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations! The game is won.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test is not passed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test is passed successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you shure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many to count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution %1 of at least %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of cubes must be 27 (now is %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please put all pieces on game field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid format!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please copy text of figure to clipboard for import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2/%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n solved</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Puzzle is not selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every puzzle of the library is solved. Well done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error create file for save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error save file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File exist. Overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New...	CTRL+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By cubes	CTRL+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from HTM file	CTRL+I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save puzzle...	CTRL+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit	ALT+F4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &amp;puzzle	CTRL+SHIFT+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer &amp;up	CTRL+Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer &amp;down	CTRL+Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate +90 degrees	CTRL+LEFT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate -90 degrees	CTRL+RIGHT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;1	CTRL+1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2	CTRL+2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;3	CTRL+3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;4	CTRL+4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;5	CTRL+5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;6	CTRL+6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;7	CTRL+7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove piece	CTRL+Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U&amp;ndo	CTRL+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red&amp;o	CTRL+Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Res&amp;tart puzzle	CTRL+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full screen	F11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show up layer	CTRL+Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hide down layer	CTRL+End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Analyse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test puzzle	CTRL+T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint by show one piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show all pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next solution	F3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous solution	Shift+F3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back to my pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User manual	F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Guided first puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Home page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::AboutDialog</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven pieces, twenty-seven cubes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::GuideBubble</name>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::HelpWindow</name>
    <message>
        <source>‹ Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward ›</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The manual&apos;s start page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this page in the web browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::NewGameDialog</name>
    <message>
        <source>New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by difficulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grading the library…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::OptionsDialog</name>
    <message>
        <source>1. Simple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Rounded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Smoothed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. Oak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. Polished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6. Ashen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7. Sharpen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ink:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color checkers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helpers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can it still be done?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piece numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock and moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set to default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::SavePuzzleDialog</name>
    <message>
        <source>Save puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
