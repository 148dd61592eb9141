<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Kelvane</name>
    <message>
        <source>%1 version %2</source>
        <translation>%1 version %2</translation>
    </message>
    <message>
        <source>Seven pieces, twenty-seven cubes.</source>
        <translation>Sept pièces, vingt-sept cubes.</translation>
    </message>
    <message>
        <source>Searching for a completion…</source>
        <translation>Recherche d&apos;une solution…</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>comptage…</translation>
    </message>
    <message numerus="yes">
        <source>%1 completion(s) · %2 distinct · %3</source>
        <translation>
            <numerusform>%1 solution · %2 distincte · %3</numerusform>
            <numerusform>%1 solutions · %2 distinctes · %3</numerusform>
        </translation>
    </message>
    <message>
        <source>No web browser could be started. The home page is at %1</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé. Le site web se trouve à l&apos;adresse %1</translation>
    </message>
    <message>
        <source>can still be completed</source>
        <translation>encore faisable</translation>
    </message>
    <message>
        <source>no completion from here</source>
        <translation>aucune solution à partir d&apos;ici</translation>
    </message>
    <message>
        <source>checking…</source>
        <translation>vérification…</translation>
    </message>
    <message>
        <source>The game cannot save its files in the folder &quot;%1&quot;: it may be read-only, full or gone.

The game in progress and the options of this session will be lost when it ends.</source>
        <translation>Le jeu ne peut pas enregistrer ses fichiers dans le dossier « %1 »&#xa0;: il est peut-être en lecture seule, plein ou supprimé.

La partie en cours et les options de cette session seront perdues à la fermeture.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No solution to show for this figure.</source>
        <translation>Aucune solution à montrer pour cette figure.</translation>
    </message>
    <message>
        <source>Finding solutions…</source>
        <translation>Recherche des solutions…</translation>
    </message>
    <message>
        <source>Solutions: %1</source>
        <translation>Solutions&#xa0;: %1</translation>
    </message>
    <message>
        <source>Solutions: …</source>
        <translation>Solutions&#xa0;: …</translation>
    </message>
    <message>
        <source>no completion</source>
        <translation>aucune solution</translation>
    </message>
    <message>
        <source>with your pieces where they lie</source>
        <translation>avec vos pièces là où elles sont</translation>
    </message>
    <message>
        <source>your pieces allow no completion: the figure&apos;s own solutions</source>
        <translation>vos pièces ne mènent à aucune solution&#xa0;: solutions de la figure</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Choose a piece in the panel: click it, or use the arrow keys.</source>
        <translation>Choisissez une pièce dans le panneau&#xa0;: cliquez dessus ou utilisez les flèches.</translation>
    </message>
    <message>
        <source>Turn it: right-click for its turns, or press X, Y or Z.</source>
        <translation>Faites-la pivoter&#xa0;: clic droit pour ses orientations, ou touche X, Y ou Z.</translation>
    </message>
    <message>
        <source>Move over the field: the piece shows in colour where it fits, plain grey where not.</source>
        <translation>Survolez le plateau&#xa0;: la pièce apparaît en couleur là où elle tient, en gris sinon.</translation>
    </message>
    <message>
        <source>Click to lay it where it shows in colour.</source>
        <translation>Cliquez pour la poser là où elle apparaît en couleur.</translation>
    </message>
    <message>
        <source>Click a laid piece to pick it up again.</source>
        <translation>Cliquez sur une pièce posée pour la reprendre.</translation>
    </message>
    <message>
        <source>Change the layer with the wheel, or Ctrl+Up and Ctrl+Down.</source>
        <translation>Changez de couche avec la molette, ou Ctrl+Haut et Ctrl+Bas.</translation>
    </message>
    <message>
        <source>Turn the view with Ctrl+Left and Ctrl+Right.</source>
        <translation>Faites pivoter la vue avec Ctrl+Gauche et Ctrl+Droite.</translation>
    </message>
    <message>
        <source>Stuck? The Analyse menu tests the puzzle or shows a hint.</source>
        <translation>Bloqué&#xa0;? Le menu Analyse teste le puzzle ou donne un indice.</translation>
    </message>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation>
            <numerusform>%n coup</numerusform>
            <numerusform>%n coups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pieces laid</source>
        <translation>
            <numerusform>%1 pièce posée sur %n</numerusform>
            <numerusform>%1 pièces posées sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>New figure</source>
        <translation>Nouvelle figure</translation>
    </message>
    <message>
        <source>Creating by cubes</source>
        <translation>Création par cubes</translation>
    </message>
    <message numerus="yes">
        <source>%n cube(s)</source>
        <translation>
            <numerusform>%n cube</numerusform>
            <numerusform>%n cubes</numerusform>
        </translation>
    </message>
    <message>
        <source>Creating by pieces</source>
        <translation>Création par pièces</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Résolu</translation>
    </message>
    <message>
        <source>Solved in %1</source>
        <translation>Résolu en %1</translation>
    </message>
    <message>
        <source>best %1</source>
        <translation>record %1</translation>
    </message>
    <message>
        <source>new best</source>
        <translation>nouveau record</translation>
    </message>
    <message>
        <source>Every library puzzle solved</source>
        <translation>Tous les puzzles de la bibliothèque sont résolus</translation>
    </message>
    <message>
        <source>Next: %1 (%2)</source>
        <translation>Suivant&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Default figure</source>
        <translation>Figure par défaut</translation>
    </message>
    <message numerus="yes">
        <source>%n hint(s)</source>
        <translation>
            <numerusform>%n indice</numerusform>
            <numerusform>%n indices</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawn at scale %1 to fit the screen</source>
        <translation>Affiché à l&apos;échelle %1 pour tenir à l&apos;écran</translation>
    </message>
    <message>
        <source>Best %1, %2</source>
        <translation>Record %1, %2</translation>
    </message>
    <message>
        <source>Congratulations! The game is won.</source>
        <translation>Félicitations&#xa0;! La partie est gagnée.</translation>
    </message>
    <message>
        <source>Test is not passed.</source>
        <translation>Le test a échoué.</translation>
    </message>
    <message>
        <source>Test is passed successfully</source>
        <translation>Le test a réussi</translation>
    </message>
    <message>
        <source>Are you shure?</source>
        <translation>Êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>too many to count</source>
        <translation>trop nombreuses pour être comptées</translation>
    </message>
    <message>
        <source>Solution %1 of %2</source>
        <translation>Solution %1 sur %2</translation>
    </message>
    <message>
        <source>Solution %1 of at least %2</source>
        <translation>Solution %1 sur au moins %2</translation>
    </message>
    <message>
        <source>Number of cubes must be 27 (now is %1).</source>
        <translation>Le nombre de cubes doit être 27 (actuellement %1).</translation>
    </message>
    <message>
        <source>Please put all pieces on game field.</source>
        <translation>Veuillez poser toutes les pièces sur le plateau.</translation>
    </message>
    <message>
        <source>Invalid format!</source>
        <translation>Format non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Please copy text of figure to clipboard for import.</source>
        <translation>Pour l&apos;importer, copiez le texte de la figure dans le presse-papiers.</translation>
    </message>
    <message>
        <source>%1 %2/%3</source>
        <translation>%1 %2/%3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n solved</source>
        <translation>
            <numerusform>%1 résolu sur %n</numerusform>
            <numerusform>%1 résolus sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Puzzle is not selected.</source>
        <translation>Aucun puzzle n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>Invalid format.</source>
        <translation>Format non valide.</translation>
    </message>
    <message>
        <source>Every puzzle of the library is solved. Well done!</source>
        <translation>Tous les puzzles de la bibliothèque sont résolus. Bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Error create file for save.</source>
        <translation>Impossible de créer le fichier d&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Error save file.</source>
        <translation>Erreur lors de l&apos;enregistrement du fichier.</translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation>Veuillez saisir un nom de fichier.</translation>
    </message>
    <message>
        <source>File exist. Overwrite?</source>
        <translation>Le fichier existe. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Amount: %1</source>
        <translation>Nombre&#xa0;: %1</translation>
    </message>
    <message>
        <source>1. Simple</source>
        <translation>1. Simple</translation>
    </message>
    <message>
        <source>2. Rounded</source>
        <translation>2. Arrondi</translation>
    </message>
    <message>
        <source>3. Smoothed</source>
        <translation>3. Adouci</translation>
    </message>
    <message>
        <source>4. Oak</source>
        <translation>4. Chêne</translation>
    </message>
    <message>
        <source>5. Polished</source>
        <translation>5. Poli</translation>
    </message>
    <message>
        <source>6. Ashen</source>
        <translation>6. Cendré</translation>
    </message>
    <message>
        <source>7. Sharpen</source>
        <translation>7. Aiguisé</translation>
    </message>
    <message>
        <source>%1 was not added: a puzzle file&apos;s name ends in .kvp and holds none of &lt; &gt; &quot; \ / * ? : |</source>
        <translation>%1 n&apos;a pas été ajouté : le nom d&apos;un fichier de puzzle se termine par .kvp et ne contient aucun de &lt; &gt; &quot; \ / * ? : |</translation>
    </message>
    <message>
        <source>%1 was not added: it is not a puzzle file, or it is damaged.</source>
        <translation>%1 n&apos;a pas été ajouté : ce n&apos;est pas un fichier de puzzle, ou il est endommagé.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New...	CTRL+N</source>
        <translation>&amp;Nouvelle partie...	CTRL+N</translation>
    </message>
    <message>
        <source>&amp;Create puzzle</source>
        <translation>&amp;Créer un puzzle</translation>
    </message>
    <message>
        <source>By cubes	CTRL+C</source>
        <translation>Par c&amp;ubes	CTRL+C</translation>
    </message>
    <message>
        <source>By pieces</source>
        <translation>Par &amp;pièces</translation>
    </message>
    <message>
        <source>Import from HTM file	CTRL+I</source>
        <translation>&amp;Importer un fichier HTM	CTRL+I</translation>
    </message>
    <message>
        <source>&amp;Save puzzle...	CTRL+S</source>
        <translation>&amp;Enregistrer le puzzle...	CTRL+S</translation>
    </message>
    <message>
        <source>E&amp;xit	ALT+F4</source>
        <translation>&amp;Quitter	ALT+F4</translation>
    </message>
    <message>
        <source>Next &amp;puzzle	CTRL+SHIFT+N</source>
        <translation>Puzzle &amp;suivant	CTRL+SHIFT+N</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <translation>P&amp;lateau</translation>
    </message>
    <message>
        <source>Layer &amp;up	CTRL+Up</source>
        <translation>&amp;Couche supérieure	CTRL+Up</translation>
    </message>
    <message>
        <source>Layer &amp;down	CTRL+Down</source>
        <translation>Couche &amp;inférieure	CTRL+Down</translation>
    </message>
    <message>
        <source>Rotate +90 degrees	CTRL+LEFT</source>
        <translation>&amp;Pivoter de +90 degrés	CTRL+LEFT</translation>
    </message>
    <message>
        <source>Rotate -90 degrees	CTRL+RIGHT</source>
        <translation>Pi&amp;voter de -90 degrés	CTRL+RIGHT</translation>
    </message>
    <message>
        <source>Hide piece</source>
        <translation>&amp;Masquer une pièce</translation>
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
        <translation>&amp;Retirer la pièce	CTRL+Delete</translation>
    </message>
    <message>
        <source>U&amp;ndo	CTRL+Z</source>
        <translation>&amp;Annuler	CTRL+Z</translation>
    </message>
    <message>
        <source>Red&amp;o	CTRL+Y</source>
        <translation>Ré&amp;tablir	CTRL+Y</translation>
    </message>
    <message>
        <source>Res&amp;tart puzzle	CTRL+R</source>
        <translation>R&amp;ecommencer le puzzle	CTRL+R</translation>
    </message>
    <message>
        <source>&amp;Full screen	F11</source>
        <translation>P&amp;lein écran	F11</translation>
    </message>
    <message>
        <source>&amp;Puzzle</source>
        <translation>Pu&amp;zzle</translation>
    </message>
    <message>
        <source>&amp;Show up layer	CTRL+Home</source>
        <translation>&amp;Afficher une couche de plus	CTRL+Home</translation>
    </message>
    <message>
        <source>&amp;Hide down layer	CTRL+End</source>
        <translation>&amp;Masquer une couche	CTRL+End</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Analyse</source>
        <translation>A&amp;nalyse</translation>
    </message>
    <message>
        <source>&amp;Test puzzle	CTRL+T</source>
        <translation>&amp;Tester le puzzle	CTRL+T</translation>
    </message>
    <message>
        <source>&amp;Hint by show one piece</source>
        <translation>&amp;Indice&#xa0;: montrer une pièce</translation>
    </message>
    <message>
        <source>&amp;Show all pieces</source>
        <translation>&amp;Afficher toutes les pièces</translation>
    </message>
    <message>
        <source>&amp;Next solution	F3</source>
        <translation>Solution &amp;suivante	F3</translation>
    </message>
    <message>
        <source>&amp;Previous solution	Shift+F3</source>
        <translation>Solution &amp;précédente	Shift+F3</translation>
    </message>
    <message>
        <source>&amp;Back to my pieces</source>
        <translation>&amp;Retour à mes pièces</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;User manual	F1</source>
        <translation>&amp;Manuel d&apos;utilisation	F1</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Tutoriel</translation>
    </message>
    <message>
        <source>&amp;Guided first puzzle</source>
        <translation>Premier puzzle &amp;guidé</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>À &amp;propos ...</translation>
    </message>
    <message>
        <source>&amp;Home page</source>
        <translation>&amp;Site web</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>The search could not run in this browser.</source>
        <translation>La recherche n&apos;a pas pu s&apos;exécuter dans ce navigateur.</translation>
    </message>
    <message>
        <source>Custom colors</source>
        <translation>Couleurs personnalisées</translation>
    </message>
    <message>
        <source>Other color…</source>
        <translation>Autre couleur…</translation>
    </message>
    <message>
        <source>The picture of that skin could not be loaded: the skin stays as it was.</source>
        <translation>L&apos;image de ce thème n&apos;a pas pu être chargée&#xa0;: le thème reste inchangé.</translation>
    </message>
    <message>
        <source>The game stopped: %1</source>
        <translation>Le jeu s&apos;est arrêté sur une erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>The game could not keep its files in this browser: the game in progress and the options of this visit may be lost when the page closes.</source>
        <translation>Le jeu n&apos;a pas pu conserver ses fichiers dans ce navigateur&#xa0;: la partie en cours et les options de cette visite risquent d&apos;être perdues à la fermeture de la page.</translation>
    </message>
    <message>
        <source>Kelvane is open in another tab or window of this browser. This tab takes over the game when that one closes.</source>
        <translation>Kelvane est ouvert dans un autre onglet ou une autre fenêtre de ce navigateur. Cet onglet reprendra la partie dès que l&apos;autre sera fermé.</translation>
    </message>
    <message>
        <source>The game cannot read its files in this browser: it starts afresh.</source>
        <translation>Le jeu ne peut pas lire ses fichiers dans ce navigateur&#xa0;: il repart de zéro.</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Puzzles</translation>
    </message>
    <message>
        <source>Keeps a copy of the selected puzzle as a .kvp file</source>
        <translation>Enregistre une copie du puzzle sélectionné dans un fichier .kvp</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Adds .kvp puzzle files to your puzzles</source>
        <translation>Ajoute des fichiers de puzzle .kvp à vos puzzles</translation>
    </message>
    <message>
        <source>Add files…</source>
        <translation>Ajouter des fichiers…</translation>
    </message>
</context>
<context>
    <name>kelvane::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Passer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>kelvane::HelpWindow</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ Précédent</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Précédent (Alt+Gauche)</translation>
    </message>
    <message>
        <source>Forward ›</source>
        <translation>Suivant ›</translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation>Suivant (Alt+Droite)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>The manual&apos;s start page</source>
        <translation>La page d&apos;accueil du manuel</translation>
    </message>
    <message>
        <source>Open in browser</source>
        <translation>Ouvrir dans le navigateur</translation>
    </message>
    <message>
        <source>Show this page in the web browser</source>
        <translation>Afficher cette page dans le navigateur web</translation>
    </message>
</context>
<context>
    <name>kelvane::NewGameDialog</name>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Order:</source>
        <translation>Ordre&#xa0;:</translation>
    </message>
    <message>
        <source>by name</source>
        <translation>par nom</translation>
    </message>
    <message>
        <source>by difficulty</source>
        <translation>par difficulté</translation>
    </message>
    <message>
        <source>Grading the library…</source>
        <translation>Classement de la bibliothèque…</translation>
    </message>
</context>
<context>
    <name>kelvane::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Aides</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fond&#xa0;:</translation>
    </message>
    <message>
        <source>Ink:</source>
        <translation>Encre&#xa0;:</translation>
    </message>
    <message>
        <source>Color checkers</source>
        <translation>Damier</translation>
    </message>
    <message>
        <source>Helpers</source>
        <translation>Repères</translation>
    </message>
    <message>
        <source>Can it still be done?</source>
        <translation>Encore faisable&#xa0;?</translation>
    </message>
    <message>
        <source>Piece numbers</source>
        <translation>Numéros des pièces</translation>
    </message>
    <message>
        <source>Clock and moves</source>
        <translation>Chrono et coups</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>La langue change au prochain démarrage.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Set to default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kelvane::SavePuzzleDialog</name>
    <message>
        <source>Save puzzle</source>
        <translation>Enregistrer le puzzle</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
