<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Kelvane</name>
    <message>
        <source>%1 version %2</source>
        <translation>%1 versión %2</translation>
    </message>
    <message>
        <source>Seven pieces, twenty-seven cubes.</source>
        <translation>Siete piezas, veintisiete cubos.</translation>
    </message>
    <message>
        <source>Searching for a completion…</source>
        <translation>Buscando una solución…</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>contando…</translation>
    </message>
    <message numerus="yes">
        <source>%1 completion(s) · %2 distinct · %3</source>
        <translation>
            <numerusform>%1 solución · %2 distintas · %3</numerusform>
            <numerusform>%1 soluciones · %2 distintas · %3</numerusform>
        </translation>
    </message>
    <message>
        <source>No web browser could be started. The home page is at %1</source>
        <translation>No se pudo abrir ningún navegador web. La página web está en %1</translation>
    </message>
    <message>
        <source>can still be completed</source>
        <translation>aún tiene solución</translation>
    </message>
    <message>
        <source>no completion from here</source>
        <translation>sin solución desde aquí</translation>
    </message>
    <message>
        <source>checking…</source>
        <translation>comprobando…</translation>
    </message>
    <message>
        <source>The game cannot save its files in the folder &quot;%1&quot;: it may be read-only, full or gone.

The game in progress and the options of this session will be lost when it ends.</source>
        <translation>El juego no puede guardar sus archivos en la carpeta «%1»: puede ser de solo lectura, estar llena o no existir.

La partida en curso y las opciones de esta sesión se perderán al salir.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No solution to show for this figure.</source>
        <translation>No hay ninguna solución que mostrar para esta figura.</translation>
    </message>
    <message>
        <source>Finding solutions…</source>
        <translation>Buscando soluciones…</translation>
    </message>
    <message>
        <source>Solutions: %1</source>
        <translation>Soluciones: %1</translation>
    </message>
    <message>
        <source>Solutions: …</source>
        <translation>Soluciones: …</translation>
    </message>
    <message>
        <source>no completion</source>
        <translation>sin solución</translation>
    </message>
    <message>
        <source>with your pieces where they lie</source>
        <translation>con sus piezas donde están</translation>
    </message>
    <message>
        <source>your pieces allow no completion: the figure&apos;s own solutions</source>
        <translation>sus piezas no permiten ninguna solución: soluciones de la figura</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Choose a piece in the panel: click it, or use the arrow keys.</source>
        <translation>Elija una pieza en el panel: haga clic en ella o use las flechas.</translation>
    </message>
    <message>
        <source>Turn it: right-click for its turns, or press X, Y or Z.</source>
        <translation>Gírela: clic derecho para ver sus giros, o pulse X, Y o Z.</translation>
    </message>
    <message>
        <source>Move over the field: the piece shows in colour where it fits, plain grey where not.</source>
        <translation>Muévala por el tablero: la pieza se ve en color donde cabe y en gris donde no.</translation>
    </message>
    <message>
        <source>Click to lay it where it shows in colour.</source>
        <translation>Haga clic para colocarla donde se ve en color.</translation>
    </message>
    <message>
        <source>Click a laid piece to pick it up again.</source>
        <translation>Haga clic en una pieza colocada para retirarla.</translation>
    </message>
    <message>
        <source>Change the layer with the wheel, or Ctrl+Up and Ctrl+Down.</source>
        <translation>Cambie de capa con la rueda o con Ctrl+Arriba y Ctrl+Abajo.</translation>
    </message>
    <message>
        <source>Turn the view with Ctrl+Left and Ctrl+Right.</source>
        <translation>Gire la vista con Ctrl+Izquierda y Ctrl+Derecha.</translation>
    </message>
    <message>
        <source>Stuck? The Analyse menu tests the puzzle or shows a hint.</source>
        <translation>¿Atascado? El menú Análisis prueba el puzle o muestra una pista.</translation>
    </message>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation>
            <numerusform>%n movimiento</numerusform>
            <numerusform>%n movimientos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pieces laid</source>
        <translation>
            <numerusform>%1 de %n pieza colocada</numerusform>
            <numerusform>%1 de %n piezas colocadas</numerusform>
        </translation>
    </message>
    <message>
        <source>New figure</source>
        <translation>Nueva figura</translation>
    </message>
    <message>
        <source>Creating by cubes</source>
        <translation>Creación por cubos</translation>
    </message>
    <message numerus="yes">
        <source>%n cube(s)</source>
        <translation>
            <numerusform>%n cubo</numerusform>
            <numerusform>%n cubos</numerusform>
        </translation>
    </message>
    <message>
        <source>Creating by pieces</source>
        <translation>Creación por piezas</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Resuelto</translation>
    </message>
    <message>
        <source>Solved in %1</source>
        <translation>Resuelto en %1</translation>
    </message>
    <message>
        <source>best %1</source>
        <translation>récord %1</translation>
    </message>
    <message>
        <source>new best</source>
        <translation>nuevo récord</translation>
    </message>
    <message>
        <source>Every library puzzle solved</source>
        <translation>Todos los puzles de la biblioteca resueltos</translation>
    </message>
    <message>
        <source>Next: %1 (%2)</source>
        <translation>Siguiente: %1 (%2)</translation>
    </message>
    <message>
        <source>Default figure</source>
        <translation>Figura predeterminada</translation>
    </message>
    <message numerus="yes">
        <source>%n hint(s)</source>
        <translation>
            <numerusform>%n pista</numerusform>
            <numerusform>%n pistas</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawn at scale %1 to fit the screen</source>
        <translation>Dibujado a escala %1 para caber en la pantalla</translation>
    </message>
    <message>
        <source>Best %1, %2</source>
        <translation>Récord %1, %2</translation>
    </message>
    <message>
        <source>Congratulations! The game is won.</source>
        <translation>¡Enhorabuena! Ha ganado la partida.</translation>
    </message>
    <message>
        <source>Test is not passed.</source>
        <translation>Prueba no superada.</translation>
    </message>
    <message>
        <source>Test is passed successfully</source>
        <translation>Prueba superada con éxito</translation>
    </message>
    <message>
        <source>Are you shure?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>too many to count</source>
        <translation>demasiadas para contarlas</translation>
    </message>
    <message>
        <source>Solution %1 of %2</source>
        <translation>Solución %1 de %2</translation>
    </message>
    <message>
        <source>Solution %1 of at least %2</source>
        <translation>Solución %1 de al menos %2</translation>
    </message>
    <message>
        <source>Number of cubes must be 27 (now is %1).</source>
        <translation>El número de cubos debe ser 27 (ahora es %1).</translation>
    </message>
    <message>
        <source>Please put all pieces on game field.</source>
        <translation>Coloque todas las piezas en el tablero.</translation>
    </message>
    <message>
        <source>Invalid format!</source>
        <translation>¡Formato no válido!</translation>
    </message>
    <message>
        <source>Please copy text of figure to clipboard for import.</source>
        <translation>Copie el texto de la figura al portapapeles para importarla.</translation>
    </message>
    <message>
        <source>%1 %2/%3</source>
        <translation>%1 %2/%3</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n solved</source>
        <translation>
            <numerusform>%1 de %n resuelto</numerusform>
            <numerusform>%1 de %n resueltos</numerusform>
        </translation>
    </message>
    <message>
        <source>Puzzle is not selected.</source>
        <translation>No hay ningún puzle seleccionado.</translation>
    </message>
    <message>
        <source>Invalid format.</source>
        <translation>Formato no válido.</translation>
    </message>
    <message>
        <source>Every puzzle of the library is solved. Well done!</source>
        <translation>Ha resuelto todos los puzles de la biblioteca. ¡Bien hecho!</translation>
    </message>
    <message>
        <source>Error create file for save.</source>
        <translation>Error al crear el archivo para guardar.</translation>
    </message>
    <message>
        <source>Error save file.</source>
        <translation>Error al guardar el archivo.</translation>
    </message>
    <message>
        <source>Please enter a file name.</source>
        <translation>Escriba un nombre de archivo.</translation>
    </message>
    <message>
        <source>File exist. Overwrite?</source>
        <translation>El archivo ya existe. ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>Amount: %1</source>
        <translation>Cantidad: %1</translation>
    </message>
    <message>
        <source>1. Simple</source>
        <translation>1. Sencillo</translation>
    </message>
    <message>
        <source>2. Rounded</source>
        <translation>2. Redondeado</translation>
    </message>
    <message>
        <source>3. Smoothed</source>
        <translation>3. Suavizado</translation>
    </message>
    <message>
        <source>4. Oak</source>
        <translation>4. Roble</translation>
    </message>
    <message>
        <source>5. Polished</source>
        <translation>5. Pulido</translation>
    </message>
    <message>
        <source>6. Ashen</source>
        <translation>6. Ceniza</translation>
    </message>
    <message>
        <source>7. Sharpen</source>
        <translation>7. Afilado</translation>
    </message>
    <message>
        <source>%1 was not added: a puzzle file&apos;s name ends in .kvp and holds none of &lt; &gt; &quot; \ / * ? : |</source>
        <translation>%1 no se ha añadido: el nombre de un archivo de puzle termina en .kvp y no contiene ninguno de &lt; &gt; &quot; \ / * ? : |</translation>
    </message>
    <message>
        <source>%1 was not added: it is not a puzzle file, or it is damaged.</source>
        <translation>%1 no se ha añadido: no es un archivo de puzle o está dañado.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;New...	CTRL+N</source>
        <translation>&amp;Nueva partida...	CTRL+N</translation>
    </message>
    <message>
        <source>&amp;Create puzzle</source>
        <translation>&amp;Crear puzle</translation>
    </message>
    <message>
        <source>By cubes	CTRL+C</source>
        <translation>Por cu&amp;bos	CTRL+C</translation>
    </message>
    <message>
        <source>By pieces</source>
        <translation>Por pie&amp;zas</translation>
    </message>
    <message>
        <source>Import from HTM file	CTRL+I</source>
        <translation>&amp;Importar de archivo HTM	CTRL+I</translation>
    </message>
    <message>
        <source>&amp;Save puzzle...	CTRL+S</source>
        <translation>&amp;Guardar puzle...	CTRL+S</translation>
    </message>
    <message>
        <source>E&amp;xit	ALT+F4</source>
        <translation>&amp;Salir	ALT+F4</translation>
    </message>
    <message>
        <source>Next &amp;puzzle	CTRL+SHIFT+N</source>
        <translation>&amp;Puzle siguiente	CTRL+SHIFT+N</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <translation>&amp;Tablero</translation>
    </message>
    <message>
        <source>Layer &amp;up	CTRL+Up</source>
        <translation>&amp;Subir capa	CTRL+Up</translation>
    </message>
    <message>
        <source>Layer &amp;down	CTRL+Down</source>
        <translation>&amp;Bajar capa	CTRL+Down</translation>
    </message>
    <message>
        <source>Rotate +90 degrees	CTRL+LEFT</source>
        <translation>&amp;Girar +90 grados	CTRL+LEFT</translation>
    </message>
    <message>
        <source>Rotate -90 degrees	CTRL+RIGHT</source>
        <translation>G&amp;irar -90 grados	CTRL+RIGHT</translation>
    </message>
    <message>
        <source>Hide piece</source>
        <translation>&amp;Ocultar pieza</translation>
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
        <translation>&amp;Retirar pieza	CTRL+Delete</translation>
    </message>
    <message>
        <source>U&amp;ndo	CTRL+Z</source>
        <translation>&amp;Deshacer	CTRL+Z</translation>
    </message>
    <message>
        <source>Red&amp;o	CTRL+Y</source>
        <translation>Re&amp;hacer	CTRL+Y</translation>
    </message>
    <message>
        <source>Res&amp;tart puzzle	CTRL+R</source>
        <translation>Reiniciar &amp;puzle	CTRL+R</translation>
    </message>
    <message>
        <source>&amp;Full screen	F11</source>
        <translation>Pantalla &amp;completa	F11</translation>
    </message>
    <message>
        <source>&amp;Puzzle</source>
        <translation>P&amp;uzle</translation>
    </message>
    <message>
        <source>&amp;Show up layer	CTRL+Home</source>
        <translation>&amp;Mostrar capa superior	CTRL+Home</translation>
    </message>
    <message>
        <source>&amp;Hide down layer	CTRL+End</source>
        <translation>Ocultar capa &amp;inferior	CTRL+End</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>&amp;Analyse</source>
        <translation>&amp;Análisis</translation>
    </message>
    <message>
        <source>&amp;Test puzzle	CTRL+T</source>
        <translation>&amp;Probar puzle	CTRL+T</translation>
    </message>
    <message>
        <source>&amp;Hint by show one piece</source>
        <translation>P&amp;ista: mostrar una pieza</translation>
    </message>
    <message>
        <source>&amp;Show all pieces</source>
        <translation>&amp;Mostrar todas las piezas</translation>
    </message>
    <message>
        <source>&amp;Next solution	F3</source>
        <translation>&amp;Siguiente solución	F3</translation>
    </message>
    <message>
        <source>&amp;Previous solution	Shift+F3</source>
        <translation>Solución &amp;anterior	Shift+F3</translation>
    </message>
    <message>
        <source>&amp;Back to my pieces</source>
        <translation>&amp;Volver a mis piezas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;User manual	F1</source>
        <translation>&amp;Manual del usuario	F1</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Tutorial</translation>
    </message>
    <message>
        <source>&amp;Guided first puzzle</source>
        <translation>Primer puzle &amp;guiado</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Acerca de ...</translation>
    </message>
    <message>
        <source>&amp;Home page</source>
        <translation>Página &amp;web</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>The search could not run in this browser.</source>
        <translation>La búsqueda no ha podido ejecutarse en este navegador.</translation>
    </message>
    <message>
        <source>Custom colors</source>
        <translation>Colores personalizados</translation>
    </message>
    <message>
        <source>Other color…</source>
        <translation>Otro color…</translation>
    </message>
    <message>
        <source>The picture of that skin could not be loaded: the skin stays as it was.</source>
        <translation>No se ha podido cargar la imagen de ese aspecto: el aspecto no cambia.</translation>
    </message>
    <message>
        <source>The game stopped: %1</source>
        <translation>El juego se ha detenido por un error: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The game could not keep its files in this browser: the game in progress and the options of this visit may be lost when the page closes.</source>
        <translation>El juego no ha podido guardar sus archivos en este navegador: la partida en curso y las opciones de esta visita pueden perderse al cerrar la página.</translation>
    </message>
    <message>
        <source>Kelvane is open in another tab or window of this browser. This tab takes over the game when that one closes.</source>
        <translation>Kelvane está abierto en otra pestaña o ventana de este navegador. Esta pestaña continuará la partida cuando se cierre la otra.</translation>
    </message>
    <message>
        <source>The game cannot read its files in this browser: it starts afresh.</source>
        <translation>El juego no puede leer sus archivos en este navegador: empieza de cero.</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Puzles</translation>
    </message>
    <message>
        <source>Keeps a copy of the selected puzzle as a .kvp file</source>
        <translation>Guarda una copia del puzle seleccionado como archivo .kvp</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Adds .kvp puzzle files to your puzzles</source>
        <translation>Añade archivos de puzle .kvp a sus puzles</translation>
    </message>
    <message>
        <source>Add files…</source>
        <translation>Añadir archivos…</translation>
    </message>
</context>
<context>
    <name>kelvane::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>kelvane::GuideBubble</name>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>kelvane::HelpWindow</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ Atrás</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Atrás (Alt+Izquierda)</translation>
    </message>
    <message>
        <source>Forward ›</source>
        <translation>Adelante ›</translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation>Adelante (Alt+Derecha)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>The manual&apos;s start page</source>
        <translation>Página inicial del manual</translation>
    </message>
    <message>
        <source>Open in browser</source>
        <translation>Abrir en el navegador</translation>
    </message>
    <message>
        <source>Show this page in the web browser</source>
        <translation>Mostrar esta página en el navegador web</translation>
    </message>
</context>
<context>
    <name>kelvane::NewGameDialog</name>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Order:</source>
        <translation>Orden:</translation>
    </message>
    <message>
        <source>by name</source>
        <translation>por nombre</translation>
    </message>
    <message>
        <source>by difficulty</source>
        <translation>por dificultad</translation>
    </message>
    <message>
        <source>Grading the library…</source>
        <translation>Clasificando la biblioteca…</translation>
    </message>
</context>
<context>
    <name>kelvane::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Ayudas</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Ink:</source>
        <translation>Tinta:</translation>
    </message>
    <message>
        <source>Color checkers</source>
        <translation>Cubos en damero</translation>
    </message>
    <message>
        <source>Helpers</source>
        <translation>Guías</translation>
    </message>
    <message>
        <source>Can it still be done?</source>
        <translation>¿Aún tiene solución?</translation>
    </message>
    <message>
        <source>Piece numbers</source>
        <translation>Números de pieza</translation>
    </message>
    <message>
        <source>Clock and moves</source>
        <translation>Reloj y movimientos</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>El idioma cambia en el próximo inicio.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Set to default</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kelvane::SavePuzzleDialog</name>
    <message>
        <source>Save puzzle</source>
        <translation>Guardar puzle</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
