<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Kelvane</name>
    <message>
        <source>%1 version %2</source>
        <translation>%1 Version %2</translation>
    </message>
    <message>
        <source>Seven pieces, twenty-seven cubes.</source>
        <translation>Sieben Teile, siebenundzwanzig Würfel.</translation>
    </message>
    <message>
        <source>Searching for a completion…</source>
        <translation>Lösung wird gesucht…</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>wird gezählt…</translation>
    </message>
    <message numerus="yes">
        <source>%1 completion(s) · %2 distinct · %3</source>
        <translation>
            <numerusform>%1 Lösung · %2 verschieden · %3</numerusform>
            <numerusform>%1 Lösungen · %2 verschieden · %3</numerusform>
        </translation>
    </message>
    <message>
        <source>No web browser could be started. The home page is at %1</source>
        <translation>Es konnte kein Webbrowser gestartet werden. Die Homepage ist unter %1 zu finden.</translation>
    </message>
    <message>
        <source>can still be completed</source>
        <translation>noch lösbar</translation>
    </message>
    <message>
        <source>no completion from here</source>
        <translation>von hier aus nicht lösbar</translation>
    </message>
    <message>
        <source>checking…</source>
        <translation>wird geprüft…</translation>
    </message>
    <message>
        <source>The game cannot save its files in the folder &quot;%1&quot;: it may be read-only, full or gone.

The game in progress and the options of this session will be lost when it ends.</source>
        <translation>Das Spiel kann seine Dateien nicht im Ordner „%1“ speichern: Er ist schreibgeschützt, voll oder existiert nicht mehr.

Das laufende Spiel und die Optionen dieser Sitzung gehen beim Beenden verloren.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No solution to show for this figure.</source>
        <translation>Für diese Figur gibt es keine Lösung zum Anzeigen.</translation>
    </message>
    <message>
        <source>Finding solutions…</source>
        <translation>Lösungen werden gesucht…</translation>
    </message>
    <message>
        <source>Solutions: %1</source>
        <translation>Lösungen: %1</translation>
    </message>
    <message>
        <source>Solutions: …</source>
        <translation>Lösungen: …</translation>
    </message>
    <message>
        <source>no completion</source>
        <translation>keine Lösung</translation>
    </message>
    <message>
        <source>with your pieces where they lie</source>
        <translation>mit Ihren Teilen, wo sie liegen</translation>
    </message>
    <message>
        <source>your pieces allow no completion: the figure&apos;s own solutions</source>
        <translation>Ihre Teile lassen keine Lösung zu: Lösungen der Figur</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Choose a piece in the panel: click it, or use the arrow keys.</source>
        <translation>Ein Teil in der Teileleiste wählen: anklicken oder die Pfeiltasten benutzen.</translation>
    </message>
    <message>
        <source>Turn it: right-click for its turns, or press X, Y or Z.</source>
        <translation>Teil drehen: Rechtsklick zeigt seine Lagen, oder X, Y bzw. Z drücken.</translation>
    </message>
    <message>
        <source>Move over the field: the piece shows in colour where it fits, plain grey where not.</source>
        <translation>Über das Spielfeld fahren: Wo das Teil passt, erscheint es farbig, sonst grau.</translation>
    </message>
    <message>
        <source>Click to lay it where it shows in colour.</source>
        <translation>Klicken, um es dort zu legen, wo es farbig erscheint.</translation>
    </message>
    <message>
        <source>Click a laid piece to pick it up again.</source>
        <translation>Ein gelegtes Teil anklicken, um es wieder aufzunehmen.</translation>
    </message>
    <message>
        <source>Change the layer with the wheel, or Ctrl+Up and Ctrl+Down.</source>
        <translation>Die Ebene mit dem Mausrad oder mit Strg+↑ und Strg+↓ wechseln.</translation>
    </message>
    <message>
        <source>Turn the view with Ctrl+Left and Ctrl+Right.</source>
        <translation>Die Ansicht mit Strg+← und Strg+→ drehen.</translation>
    </message>
    <message>
        <source>Stuck? The Analyse menu tests the puzzle or shows a hint.</source>
        <translation>Festgefahren? Das Menü „Analyse“ prüft das Puzzle oder gibt einen Tipp.</translation>
    </message>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation>
            <numerusform>%n Zug</numerusform>
            <numerusform>%n Züge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pieces laid</source>
        <translation>
            <numerusform>%1 von %n Teil gelegt</numerusform>
            <numerusform>%1 von %n Teilen gelegt</numerusform>
        </translation>
    </message>
    <message>
        <source>New figure</source>
        <translation>Neue Figur</translation>
    </message>
    <message>
        <source>Creating by cubes</source>
        <translation>Erstellen aus Würfeln</translation>
    </message>
    <message numerus="yes">
        <source>%n cube(s)</source>
        <translation>
            <numerusform>%n Würfel</numerusform>
            <numerusform>%n Würfel</numerusform>
        </translation>
    </message>
    <message>
        <source>Creating by pieces</source>
        <translation>Erstellen aus Teilen</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>Solved in %1</source>
        <translation>Gelöst in %1</translation>
    </message>
    <message>
        <source>best %1</source>
        <translation>Bestleistung %1</translation>
    </message>
    <message>
        <source>new best</source>
        <translation>neue Bestleistung</translation>
    </message>
    <message>
        <source>Every library puzzle solved</source>
        <translation>Alle Puzzles der Bibliothek gelöst</translation>
    </message>
    <message>
        <source>Next: %1 (%2)</source>
        <translation>Nächstes: %1 (%2)</translation>
    </message>
    <message>
        <source>Default figure</source>
        <translation>Standardfigur</translation>
    </message>
    <message numerus="yes">
        <source>%n hint(s)</source>
        <translation>
            <numerusform>%n Tipp</numerusform>
            <numerusform>%n Tipps</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawn at scale %1 to fit the screen</source>
        <translation>Im Maßstab %1 gezeichnet, passend zum Bildschirm</translation>
    </message>
    <message>
        <source>Best %1, %2</source>
        <translation>Bestleistung %1, %2</translation>
    </message>
    <message>
        <source>Congratulations! The game is won.</source>
        <translation>Glückwunsch! Das Spiel ist gewonnen.</translation>
    </message>
    <message>
        <source>Test is not passed.</source>
        <translation>Prüfung nicht bestanden.</translation>
    </message>
    <message>
        <source>Test is passed successfully</source>
        <translation>Prüfung erfolgreich bestanden</translation>
    </message>
    <message>
        <source>Are you shure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>too many to count</source>
        <translation>zu viele zum Zählen</translation>
    </message>
    <message>
        <source>Solution %1 of %2</source>
        <translation>Lösung %1 von %2</translation>
    </message>
    <message>
        <source>Solution %1 of at least %2</source>
        <translation>Lösung %1 von mindestens %2</translation>
    </message>
    <message>
        <source>Number of cubes must be 27 (now is %1).</source>
        <translation>Die Anzahl der Würfel muss 27 sein (jetzt %1).</translation>
    </message>
    <message>
        <source>Please put all pieces on game field.</source>
        <translation>Bitte alle Teile auf das Spielfeld legen.</translation>
    </message>
    <message>
        <source>Invalid format!</source>
        <translation>Ungültiges Format!</translation>
    </message>
    <message>
        <source>Please copy text of figure to clipboard for import.</source>
        <translation>Zum Importieren bitte den Text der Figur in die Zwischenablage kopieren.</translation>
    </message>
    <message>
        <source>%1 %2/%3</source>
        <translation>%1 %2/%3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n solved</source>
        <translation>
            <numerusform>%1 von %n gelöst</numerusform>
            <numerusform>%1 von %n gelöst</numerusform>
        </translation>
    </message>
    <message>
        <source>Puzzle is not selected.</source>
        <translation>Kein Puzzle ausgewählt.</translation>
    </message>
    <message>
        <source>Invalid format.</source>
        <translation>Ungültiges Format.</translation>
    </message>
    <message>
        <source>Every puzzle of the library is solved. Well done!</source>
        <translation>Alle Puzzles der Bibliothek sind gelöst. Gut gemacht!</translation>
    </message>
    <message>
        <source>Error create file for save.</source>
        <translation>Die Datei zum Speichern kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Error save file.</source>
        <translation>Fehler beim Speichern der Datei.</translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation>Bitte einen Dateinamen eingeben.</translation>
    </message>
    <message>
        <source>File exist. Overwrite?</source>
        <translation>Die Datei existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>Amount: %1</source>
        <translation>Anzahl: %1</translation>
    </message>
    <message>
        <source>1. Simple</source>
        <translation>1. Schlicht</translation>
    </message>
    <message>
        <source>2. Rounded</source>
        <translation>2. Abgerundet</translation>
    </message>
    <message>
        <source>3. Smoothed</source>
        <translation>3. Geglättet</translation>
    </message>
    <message>
        <source>4. Oak</source>
        <translation>4. Eiche</translation>
    </message>
    <message>
        <source>5. Polished</source>
        <translation>5. Poliert</translation>
    </message>
    <message>
        <source>6. Ashen</source>
        <translation>6. Aschgrau</translation>
    </message>
    <message>
        <source>7. Sharpen</source>
        <translation>7. Scharfkantig</translation>
    </message>
    <message>
        <source>%1 was not added: a puzzle file&apos;s name ends in .kvp and holds none of &lt; &gt; &quot; \ / * ? : |</source>
        <translation>%1 wurde nicht hinzugefügt: Der Name einer Puzzledatei endet auf .kvp und enthält keines der Zeichen &lt; &gt; &quot; \ / * ? : |</translation>
    </message>
    <message>
        <source>%1 was not added: it is not a puzzle file, or it is damaged.</source>
        <translation>%1 wurde nicht hinzugefügt: Es ist keine Puzzledatei, oder sie ist beschädigt.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New...	CTRL+N</source>
        <translation>&amp;Neues Spiel...	CTRL+N</translation>
    </message>
    <message>
        <source>&amp;Create puzzle</source>
        <translation>Puzzle &amp;erstellen</translation>
    </message>
    <message>
        <source>By cubes	CTRL+C</source>
        <translation>Aus &amp;Würfeln	CTRL+C</translation>
    </message>
    <message>
        <source>By pieces</source>
        <translation>Aus &amp;Teilen</translation>
    </message>
    <message>
        <source>Import from HTM file	CTRL+I</source>
        <translation>Aus HTM-Datei &amp;importieren	CTRL+I</translation>
    </message>
    <message>
        <source>&amp;Save puzzle...	CTRL+S</source>
        <translation>Puzzle &amp;speichern...	CTRL+S</translation>
    </message>
    <message>
        <source>E&amp;xit	ALT+F4</source>
        <translation>&amp;Beenden	ALT+F4</translation>
    </message>
    <message>
        <source>Next &amp;puzzle	CTRL+SHIFT+N</source>
        <translation>Nä&amp;chstes Puzzle	CTRL+SHIFT+N</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <translation>Spiel&amp;feld</translation>
    </message>
    <message>
        <source>Layer &amp;up	CTRL+Up</source>
        <translation>Ebene nach &amp;oben	CTRL+Up</translation>
    </message>
    <message>
        <source>Layer &amp;down	CTRL+Down</source>
        <translation>Ebene nach &amp;unten	CTRL+Down</translation>
    </message>
    <message>
        <source>Rotate +90 degrees	CTRL+LEFT</source>
        <translation>Um +90 Grad &amp;drehen	CTRL+LEFT</translation>
    </message>
    <message>
        <source>Rotate -90 degrees	CTRL+RIGHT</source>
        <translation>Um -90 Grad dr&amp;ehen	CTRL+RIGHT</translation>
    </message>
    <message>
        <source>Hide piece</source>
        <translation>Teil &amp;ausblenden</translation>
    </message>
    <message>
        <source>&amp;1	CTRL+1</source>
        <translation>&amp;1	CTRL+1</translation>
    </message>
    <message>
        <source>&amp;2	CTRL+2</source>
        <translation>&amp;2	CTRL+2</translation>
    </message>
    <message>
        <source>&amp;3	CTRL+3</source>
        <translation>&amp;3	CTRL+3</translation>
    </message>
    <message>
        <source>&amp;4	CTRL+4</source>
        <translation>&amp;4	CTRL+4</translation>
    </message>
    <message>
        <source>&amp;5	CTRL+5</source>
        <translation>&amp;5	CTRL+5</translation>
    </message>
    <message>
        <source>&amp;6	CTRL+6</source>
        <translation>&amp;6	CTRL+6</translation>
    </message>
    <message>
        <source>&amp;7	CTRL+7</source>
        <translation>&amp;7	CTRL+7</translation>
    </message>
    <message>
        <source>&amp;Remove piece	CTRL+Delete</source>
        <translation>Teil ent&amp;fernen	CTRL+Delete</translation>
    </message>
    <message>
        <source>U&amp;ndo	CTRL+Z</source>
        <translation>&amp;Rückgängig	CTRL+Z</translation>
    </message>
    <message>
        <source>Red&amp;o	CTRL+Y</source>
        <translation>&amp;Wiederholen	CTRL+Y</translation>
    </message>
    <message>
        <source>Res&amp;tart puzzle	CTRL+R</source>
        <translation>Puzzle neu &amp;beginnen	CTRL+R</translation>
    </message>
    <message>
        <source>&amp;Full screen	F11</source>
        <translation>&amp;Vollbild	F11</translation>
    </message>
    <message>
        <source>&amp;Puzzle</source>
        <translation>&amp;Puzzle</translation>
    </message>
    <message>
        <source>&amp;Show up layer	CTRL+Home</source>
        <translation>&amp;Obere Ebene einblenden	CTRL+Home</translation>
    </message>
    <message>
        <source>&amp;Hide down layer	CTRL+End</source>
        <translation>Obere Ebene &amp;ausblenden	CTRL+End</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Analyse</source>
        <translation>&amp;Analyse</translation>
    </message>
    <message>
        <source>&amp;Test puzzle	CTRL+T</source>
        <translation>Puzzle &amp;prüfen	CTRL+T</translation>
    </message>
    <message>
        <source>&amp;Hint by show one piece</source>
        <translation>&amp;Tipp: ein Teil zeigen</translation>
    </message>
    <message>
        <source>&amp;Show all pieces</source>
        <translation>&amp;Alle Teile zeigen</translation>
    </message>
    <message>
        <source>&amp;Next solution	F3</source>
        <translation>&amp;Nächste Lösung	F3</translation>
    </message>
    <message>
        <source>&amp;Previous solution	Shift+F3</source>
        <translation>&amp;Vorherige Lösung	Shift+F3</translation>
    </message>
    <message>
        <source>&amp;Back to my pieces</source>
        <translation>&amp;Zurück zu meinen Teilen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;User manual	F1</source>
        <translation>&amp;Handbuch	F1</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Einführung</translation>
    </message>
    <message>
        <source>&amp;Guided first puzzle</source>
        <translation>&amp;Geführtes erstes Puzzle</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>Ü&amp;ber ...</translation>
    </message>
    <message>
        <source>&amp;Home page</source>
        <translation>Home&amp;page</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>The search could not run in this browser.</source>
        <translation>Die Suche konnte in diesem Browser nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>Custom colors</source>
        <translation>Eigene Farben</translation>
    </message>
    <message>
        <source>Other color…</source>
        <translation>Andere Farbe…</translation>
    </message>
    <message>
        <source>The picture of that skin could not be loaded: the skin stays as it was.</source>
        <translation>Das Bild dieses Designs konnte nicht geladen werden: Das Design bleibt, wie es war.</translation>
    </message>
    <message>
        <source>The game stopped: %1</source>
        <translation>Das Spiel wurde durch einen Fehler angehalten: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>The game could not keep its files in this browser: the game in progress and the options of this visit may be lost when the page closes.</source>
        <translation>Das Spiel konnte seine Dateien in diesem Browser nicht speichern: Das laufende Spiel und die Optionen dieses Besuchs gehen beim Schließen der Seite möglicherweise verloren.</translation>
    </message>
    <message>
        <source>Kelvane is open in another tab or window of this browser. This tab takes over the game when that one closes.</source>
        <translation>Kelvane ist in einem anderen Tab oder Fenster dieses Browsers geöffnet. Dieser Tab übernimmt das Spiel, sobald der andere geschlossen wird.</translation>
    </message>
    <message>
        <source>The game cannot read its files in this browser: it starts afresh.</source>
        <translation>Das Spiel kann seine Dateien in diesem Browser nicht lesen: Es beginnt von vorn.</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Puzzles</translation>
    </message>
    <message>
        <source>Keeps a copy of the selected puzzle as a .kvp file</source>
        <translation>Speichert eine Kopie des gewählten Puzzles als .kvp-Datei</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Adds .kvp puzzle files to your puzzles</source>
        <translation>Fügt .kvp-Puzzledateien zu Ihren Puzzles hinzu</translation>
    </message>
    <message>
        <source>Add files…</source>
        <translation>Dateien hinzufügen…</translation>
    </message>
</context>
<context>
    <name>kelvane::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kelvane::GuideBubble</name>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>kelvane::HelpWindow</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ Zurück</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Zurück (Alt+Links)</translation>
    </message>
    <message>
        <source>Forward ›</source>
        <translation>Vor ›</translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation>Vor (Alt+Rechts)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>The manual&apos;s start page</source>
        <translation>Die Startseite des Handbuchs</translation>
    </message>
    <message>
        <source>Open in browser</source>
        <translation>Im Browser öffnen</translation>
    </message>
    <message>
        <source>Show this page in the web browser</source>
        <translation>Diese Seite im Webbrowser anzeigen</translation>
    </message>
</context>
<context>
    <name>kelvane::NewGameDialog</name>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Order:</source>
        <translation>Reihenfolge:</translation>
    </message>
    <message>
        <source>by name</source>
        <translation>nach Name</translation>
    </message>
    <message>
        <source>by difficulty</source>
        <translation>nach Schwierigkeit</translation>
    </message>
    <message>
        <source>Grading the library…</source>
        <translation>Bibliothek wird eingestuft…</translation>
    </message>
</context>
<context>
    <name>kelvane::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Maßstab</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Hilfen</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Ink:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>Color checkers</source>
        <translation>Schachbrettmuster</translation>
    </message>
    <message>
        <source>Helpers</source>
        <translation>Hilfslinien</translation>
    </message>
    <message>
        <source>Can it still be done?</source>
        <translation>Noch lösbar?</translation>
    </message>
    <message>
        <source>Piece numbers</source>
        <translation>Teilenummern</translation>
    </message>
    <message>
        <source>Clock and moves</source>
        <translation>Uhr und Züge</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>Die Sprache wechselt beim nächsten Start.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Set to default</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kelvane::SavePuzzleDialog</name>
    <message>
        <source>Save puzzle</source>
        <translation>Puzzle speichern</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
