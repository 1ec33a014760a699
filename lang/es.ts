<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>DeletePrompt</name>
    <message>
        <source>Delete this setting.</source>
        <translation>¿Eliminar este monitor?</translation>
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
<context>
    <name>DeskChecks</name>
    <message>
        <source>No data to be saved.</source>
        <translation>No hay datos para guardar.</translation>
    </message>
    <message>
        <source>No data to be upload.</source>
        <translation>No hay datos para enviar.</translation>
    </message>
</context>
<context>
    <name>EditorTopBar</name>
    <message>
        <source>Home Page</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>¿Desea guardar los cambios? Si es así, guarde la configuración antes de salir.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Are you sure you want to create a new list without saving?</source>
        <translation>¿Seguro que desea crear una nueva disposición sin guardar?</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Are you sure you want to load a file without saving?</source>
        <translation>¿Seguro que desea cargar un archivo sin guardar?</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save Profle</source>
        <translation>Guardar perfil</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Save successfully.</source>
        <translation>Guardado correctamente.</translation>
    </message>
    <message>
        <source>Failed to save data.</source>
        <translation>No se pudieron guardar los datos.</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Seleccionar un archivo</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>Archivos de disposición (*.km)</translation>
    </message>
    <message>
        <source>Input the file name</source>
        <translation>Introducir el nombre del archivo</translation>
    </message>
</context>
<context>
    <name>FootControl</name>
    <message>
        <source>Copyright © 2026 %1 Peripheral Systems Co., Ltd. All rights reserved.</source>
        <translation>Copyright © 2026 %1 Peripheral Systems Co., Ltd. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>GridCell</name>
    <message>
        <source>No resolution</source>
        <translation>Sin resolución</translation>
    </message>
</context>
<context>
    <name>GridCursor</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Fila %1, columna %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>monitor %1</source>
        <translation>monitor %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>marked by the check</source>
        <translation>señalado por la comprobación</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Utilidad de configuración de conmutación Seamrun</translation>
    </message>
</context>
<context>
    <name>LayoutPage</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>OpenFileDialog</name>
    <message>
        <source>Select a file</source>
        <translation>Seleccionar un archivo</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>Archivos de disposición (*.km)</translation>
    </message>
</context>
<context>
    <name>ResolutionChoices</name>
    <message>
        <source>Select Resolution</source>
        <translation>Seleccionar resolución</translation>
    </message>
</context>
<context>
    <name>ScreensCommand</name>
    <message>
        <source>Reading this computer&apos;s port from the switch…</source>
        <translation>Leyendo del conmutador el puerto de este equipo…</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>Pantallas de este equipo</translation>
    </message>
    <message>
        <source>%1 has monitors on the desk already. Replace them with this computer&apos;s screens?</source>
        <translation>%1 ya tiene monitores. ¿Reemplazarlos por las pantallas de este equipo?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This computer&apos;s screens do not fit: a desk holds at most 16 monitors.</source>
        <translation>Las pantallas de este equipo no caben: 16 monitores como máximo.</translation>
    </message>
    <message>
        <source>There is no free area on the grid for this computer&apos;s screens.</source>
        <translation>No hay una zona libre en la cuadrícula para las pantallas de este equipo.</translation>
    </message>
    <message>
        <source>Choose the port and resolution of every monitor first.</source>
        <translation>Elija primero el puerto y la resolución de cada monitor.</translation>
    </message>
    <message>
        <source>The desktop reports no screens.</source>
        <translation>El escritorio no informa de ninguna pantalla.</translation>
    </message>
    <message>
        <source>This computer&apos;s screens could not be placed.</source>
        <translation>No se pudieron colocar las pantallas de este equipo.</translation>
    </message>
</context>
<context>
    <name>SettingsFrame</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>Ratio</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Screen Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Status List</source>
        <translation>Estado de los puertos</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secundario</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Save to local</source>
        <translation>Guardar en local</translation>
    </message>
    <message>
        <source>Save to device</source>
        <translation>Guardar en el dispositivo</translation>
    </message>
</context>
<context>
    <name>SwitchStatusLine</name>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>No conectado</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>1 switch</source>
        <translation>1 conmutador</translation>
    </message>
    <message>
        <source>2 switches chained</source>
        <translation>2 conmutadores encadenados</translation>
    </message>
    <message>
        <source>No access: udev rule missing</source>
        <translation>Sin acceso: falta la regla udev</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>TemplatePage</name>
    <message>
        <source>Add blank canvas</source>
        <translation>Añadir lienzo en blanco</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Seleccionar plantilla</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>Arial</source>
        <comment>font families of this language, first installed wins</comment>
        <translation>Arial</translation>
    </message>
</context>
<context>
    <name>UploadFlow</name>
    <message>
        <source>Failed to upload data.</source>
        <translation>No se pudieron enviar los datos.</translation>
    </message>
    <message>
        <source>To save and apply the layout configuration to OrrinKM, please connect your computer to the Primary OrrinKM device.</source>
        <translation>Para guardar y aplicar la disposición en el OrrinKM, conecte el equipo al conmutador OrrinKM principal.</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. We save port 1-4 monitor layout only. Do you want to continue?</source>
        <translation>Solo hay un OrrinKM conectado. Solo se guardará la disposición de los monitores de los puertos 1-4. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. Please set port number between P1 to P4.</source>
        <translation>Solo hay un OrrinKM conectado. Use solo los puertos P1 a P4.</translation>
    </message>
    <message>
        <source>Save to device successfully.</source>
        <translation>Guardado en el dispositivo correctamente.</translation>
    </message>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>El controlador de escritorio extendido se está ejecutando. Ciérrelo y vuelva a enviar.</translation>
    </message>
</context>
<context>
    <name>about_control</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Utilidad de configuración de conmutación Seamrun</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>www.vesko-peripherals.com</source>
        <translation>www.vesko-peripherals.com</translation>
    </message>
    <message>
        <source>Vesko Peripheral Systems Co., Ltd.</source>
        <translation>Vesko Peripheral Systems Co., Ltd.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>alert_dialog_control</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>aprunned</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Utilidad de configuración de conmutación Seamrun</translation>
    </message>
    <message>
        <source>AP is running.</source>
        <translation>La aplicación ya se está ejecutando.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>edit_page_error1</name>
    <message>
        <source>File can not be saved</source>
        <translation>No se puede guardar el archivo</translation>
    </message>
    <message>
        <source>Current configuration of @ is not set in a rectangular shape. Please adjust it and save again.</source>
        <translation>La configuración actual de @ no forma un rectángulo. Ajústela y vuelva a guardar.</translation>
    </message>
</context>
<context>
    <name>edit_page_error2</name>
    <message>
        <source>File can not be saved</source>
        <translation>No se puede guardar el archivo</translation>
    </message>
    <message>
        <source>Current configuration contains blank area among the blocks. Please adjust it and save again.</source>
        <translation>La configuración actual contiene espacios vacíos entre los monitores. Ajústela y vuelva a guardar.</translation>
    </message>
</context>
<context>
    <name>edit_page_error3</name>
    <message>
        <source>File can not be saved</source>
        <translation>No se puede guardar el archivo</translation>
    </message>
    <message>
        <source>Screens that configured to @ are not set in the same resolution. Please adjust it and save again.</source>
        <translation>Los monitores configurados en @ no tienen la misma resolución. Ajústelos y vuelva a guardar.</translation>
    </message>
</context>
<context>
    <name>edit_page_tutorial</name>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Reminder: The configuration of particular port is required to set in a rectangular shape.</source>
        <translation>Recordatorio: los monitores de cada puerto deben formar un rectángulo.</translation>
    </message>
    <message>
        <source>The layout of P1 is not in a rectangular shape.</source>
        <translation>La disposición de P1 no forma un rectángulo.</translation>
    </message>
    <message>
        <source>The layout of P1 is divided into two separate rectangles.</source>
        <translation>La disposición de P1 está dividida en dos rectángulos separados.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again.</source>
        <translation>No volver a mostrar</translation>
    </message>
</context>
<context>
    <name>foreword</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Utilidad de configuración de conmutación Seamrun</translation>
    </message>
    <message>
        <source>We recommend video resolution should not be less than 1440 x 900.</source>
        <translation>Se recomienda una resolución de pantalla de al menos 1440 x 900.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frame_setting</name>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation>Foco de conmutación Seamrun</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>3 Seconds</source>
        <translation>3 segundos</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 segundos</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 segundos</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Siempre</translation>
    </message>
</context>
<context>
    <name>keep_awake_option</name>
    <message>
        <source>Keep Awake Option</source>
        <translation>Mantener activo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>When Working</source>
        <translation>Durante el uso</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Siempre</translation>
    </message>
</context>
<context>
    <name>key_help</name>
    <message>
        <source>On the grid</source>
        <translation>En la cuadrícula</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Teclas de flecha</translation>
    </message>
    <message>
        <source>Move the cursor over the grid.</source>
        <translation>Mueve el cursor por la cuadrícula.</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Intro, Espacio</translation>
    </message>
    <message>
        <source>Press the cell: place a monitor there, or select the monitor on it.</source>
        <translation>Pulsa la celda: coloca un monitor en ella o selecciona el monitor que hay en ella.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Ask to delete the monitor under the cursor.</source>
        <translation>Pregunta si se elimina el monitor bajo el cursor.</translation>
    </message>
    <message>
        <source>Set the port of the monitor under the cursor.</source>
        <translation>Asigna el puerto del monitor bajo el cursor.</translation>
    </message>
    <message>
        <source>Open the port list of the monitor under the cursor.</source>
        <translation>Abre la lista de puertos del monitor bajo el cursor.</translation>
    </message>
    <message>
        <source>Open the number list of the monitor under the cursor, when its port has more than one monitor.</source>
        <translation>Abre la lista de números del monitor bajo el cursor, cuando su puerto tiene más de un monitor.</translation>
    </message>
    <message>
        <source>Up, Down, Enter</source>
        <translation>Arriba, Abajo, Intro</translation>
    </message>
    <message>
        <source>In an open list: choose an entry and take it.</source>
        <translation>En una lista abierta: elegir una entrada y aceptarla.</translation>
    </message>
    <message>
        <source>Go to the resolution list.</source>
        <translation>Va a la lista de resoluciones.</translation>
    </message>
    <message>
        <source>Move the monitor under the cursor to the next cell.</source>
        <translation>Mueve el monitor bajo el cursor a la celda contigua.</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>Deshace el último cambio.</translation>
    </message>
    <message>
        <source>Redo the change undone last.</source>
        <translation>Rehace el último cambio deshecho.</translation>
    </message>
    <message>
        <source>Show this list of keys.</source>
        <translation>Muestra esta lista de teclas.</translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation>En todas partes</translation>
    </message>
    <message>
        <source>Move between the grid, the side panel and the top bar; in a dialog, between its controls.</source>
        <translation>Pasa entre la cuadrícula, el panel lateral y la barra superior; en un diálogo, entre sus controles.</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Close an open list or dialog; from the resolution list, go back to the grid.</source>
        <translation>Cierra una lista o un diálogo abiertos; desde la lista de resoluciones, vuelve a la cuadrícula.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Start a new layout.</source>
        <translation>Empieza una disposición nueva.</translation>
    </message>
    <message>
        <source>Open a layout file.</source>
        <translation>Abre un archivo de disposición.</translation>
    </message>
    <message>
        <source>Save the layout to a file (in the editor).</source>
        <translation>Guarda la disposición en un archivo (en el editor).</translation>
    </message>
    <message>
        <source>Save the layout under a new name (in the editor).</source>
        <translation>Guarda la disposición con un nombre nuevo (en el editor).</translation>
    </message>
    <message>
        <source>Quit the program.</source>
        <translation>Cierra el programa.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>%1+arrow keys</source>
        <extracomment>%1 is the Ctrl key as the language names it (Strg in German)</extracomment>
        <translation>%1+teclas de flecha</translation>
    </message>
    <message>
        <source>Place this computer&apos;s screens on its port (in the editor).</source>
        <translation>Coloca las pantallas de este equipo en su puerto (en el editor).</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Utilidad de configuración de conmutación Seamrun</translation>
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
        <source>The file is invalid.</source>
        <translation>El archivo no es válido.</translation>
    </message>
    <message>
        <source>Do you want to quit?</source>
        <translation>¿Desea salir?</translation>
    </message>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>¿Desea guardar los cambios? Si es así, guarde la configuración antes de salir.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Before using Seamrun Switching, please turn off mouse acceleration in the operating system.</source>
        <translation>Antes de usar la conmutación Seamrun, desactive la aceleración del ratón en el sistema operativo.</translation>
    </message>
    <message>
        <source>KM Switch Device</source>
        <translation>Conmutador KM</translation>
    </message>
    <message>
        <source>OrrinKM</source>
        <translation>OrrinKM</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Cargar desde archivo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open recent file</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>Language setting</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Seleccionar plantilla</translation>
    </message>
    <message>
        <source>The file no longer exists. It has been removed from the recent files.</source>
        <translation>El archivo ya no existe. Se ha quitado de los archivos recientes.</translation>
    </message>
    <message>
        <source>Enter opens the chosen file, Delete removes it from the list.</source>
        <translation>Intro abre el archivo elegido; Supr lo quita de la lista.</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A list and one more item, as in &quot;P1, P2&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A label and its value, as in &quot;Language setting: Deutsch&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2 at row %3, column %4</source>
        <extracomment>A monitor a failed check points at: port, monitor number, row, column</extracomment>
        <translation>%1 %2 en la fila %3, columna %4</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>A list of monitors and one more, as in &quot;P1 01 at row 2, column 3; P1 02 at row 2, column 5&quot;</extracomment>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>mainWidget</name>
    <message>
        <source>Template</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>New Object</source>
        <translation>Nueva disposición</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Cargar archivo</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>Pantallas de este equipo</translation>
    </message>
</context>
<context>
    <name>mouse_menu</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>Aceleración del ratón</translation>
    </message>
    <message>
        <source>Mouse Position</source>
        <translation>Posición del ratón</translation>
    </message>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation>Foco de conmutación Seamrun</translation>
    </message>
    <message>
        <source>Keep Awake Option</source>
        <translation>Mantener activo</translation>
    </message>
</context>
<context>
    <name>mouse_position_setting</name>
    <message>
        <source>Mouse position</source>
        <translation>Posición del ratón</translation>
    </message>
    <message>
        <source>Upper left</source>
        <translation>Superior izquierda</translation>
    </message>
    <message>
        <source>Upper right</source>
        <translation>Superior derecha</translation>
    </message>
    <message>
        <source>Lower left</source>
        <translation>Inferior izquierda</translation>
    </message>
    <message>
        <source>Lower right</source>
        <translation>Inferior derecha</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Centro</translation>
    </message>
</context>
<context>
    <name>mouse_speed_setting</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>Aceleración del ratón</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápido</translation>
    </message>
</context>
<context>
    <name>port_question</name>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>Pantallas de este equipo</translation>
    </message>
    <message>
        <source>No switch answered. Which port is this computer on?</source>
        <translation>Ningún conmutador respondió. ¿A qué puerto está conectado este equipo?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>selectDialog</name>
    <message>
        <source>Please select a resolution.</source>
        <translation>Seleccione una resolución.</translation>
    </message>
    <message>
        <source>Please select a number.</source>
        <translation>Seleccione un número de puerto.</translation>
    </message>
    <message>
        <source>Select Resolution</source>
        <translation>Seleccionar resolución</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>template_config</name>
    <message>
        <source>Template</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>Seleccionar configuración</translation>
    </message>
    <message>
        <source>The system will apply the settings to all PC port.</source>
        <translation>La configuración se aplicará a todos los puertos de PC.</translation>
    </message>
    <message>
        <source>View other layout</source>
        <translation>Ver otras disposiciones</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Crear</translation>
    </message>
</context>
<context>
    <name>uploadKvm</name>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>El controlador de escritorio extendido se está ejecutando. Ciérrelo y vuelva a enviar.</translation>
    </message>
    <message>
        <source>Device connection is not ready, Please try again.</source>
        <translation>La conexión con el dispositivo no está lista. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Please check connection before saving to device.</source>
        <translation>Compruebe la conexión antes de guardar en el dispositivo.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>This user may not open the switch: install its udev rule (see Troubleshooting in the README), then unplug the switch and plug it in again.</source>
        <translation>Este usuario no puede abrir el conmutador: instale su regla udev (consulte «Troubleshooting» en el README) y después desconecte el conmutador y vuelva a conectarlo.</translation>
    </message>
</context>
</TS>
