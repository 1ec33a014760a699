<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>DeletePrompt</name>
    <message>
        <source>Delete this setting.</source>
        <translation>Diesen Monitor löschen?</translation>
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
<context>
    <name>DeskChecks</name>
    <message>
        <source>No data to be saved.</source>
        <translation>Keine Daten zum Speichern.</translation>
    </message>
    <message>
        <source>No data to be upload.</source>
        <translation>Keine Daten zum Übertragen.</translation>
    </message>
</context>
<context>
    <name>EditorTopBar</name>
    <message>
        <source>Home Page</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>Möchten Sie die Änderungen speichern? Speichern Sie dann die Konfiguration, bevor Sie die Seite verlassen.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure you want to create a new list without saving?</source>
        <translation>Möchten Sie wirklich ein neues Layout erstellen, ohne zu speichern?</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Are you sure you want to load a file without saving?</source>
        <translation>Möchten Sie wirklich eine Datei laden, ohne zu speichern?</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save Profle</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Save successfully.</source>
        <translation>Erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>Failed to save data.</source>
        <translation>Die Daten konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>Layoutdateien (*.km)</translation>
    </message>
    <message>
        <source>Input the file name</source>
        <translation>Dateinamen eingeben</translation>
    </message>
</context>
<context>
    <name>FootControl</name>
    <message>
        <source>Copyright © 2026 %1 Peripheral Systems Co., Ltd. All rights reserved.</source>
        <translation>Copyright © 2026 %1 Peripheral Systems Co., Ltd. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>GridCell</name>
    <message>
        <source>No resolution</source>
        <translation>Keine Auflösung</translation>
    </message>
</context>
<context>
    <name>GridCursor</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>monitor %1</source>
        <translation>Monitor %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>marked by the check</source>
        <translation>von der Prüfung markiert</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun-Umschaltung – Konfigurationsprogramm</translation>
    </message>
</context>
<context>
    <name>LayoutPage</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>OpenFileDialog</name>
    <message>
        <source>Select a file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>Layoutdateien (*.km)</translation>
    </message>
</context>
<context>
    <name>ResolutionChoices</name>
    <message>
        <source>Select Resolution</source>
        <translation>Auflösung wählen</translation>
    </message>
</context>
<context>
    <name>ScreensCommand</name>
    <message>
        <source>Reading this computer&apos;s port from the switch…</source>
        <translation>Der Port dieses Computers wird vom Umschalter gelesen …</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>Bildschirme dieses Computers</translation>
    </message>
    <message>
        <source>%1 has monitors on the desk already. Replace them with this computer&apos;s screens?</source>
        <translation>%1 hat schon Monitore. Durch die Bildschirme dieses Computers ersetzen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This computer&apos;s screens do not fit: a desk holds at most 16 monitors.</source>
        <translation>Die Bildschirme dieses Computers passen nicht: höchstens 16 Monitore.</translation>
    </message>
    <message>
        <source>There is no free area on the grid for this computer&apos;s screens.</source>
        <translation>Im Raster ist kein freier Bereich für die Bildschirme dieses Computers.</translation>
    </message>
    <message>
        <source>Choose the port and resolution of every monitor first.</source>
        <translation>Wählen Sie zuerst Port und Auflösung jedes Monitors.</translation>
    </message>
    <message>
        <source>The desktop reports no screens.</source>
        <translation>Der Desktop meldet keine Bildschirme.</translation>
    </message>
    <message>
        <source>This computer&apos;s screens could not be placed.</source>
        <translation>Die Bildschirme dieses Computers konnten nicht platziert werden.</translation>
    </message>
</context>
<context>
    <name>SettingsFrame</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Status List</source>
        <translation>Portstatus</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primär</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Sekundär</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Save to local</source>
        <translation>Lokal speichern</translation>
    </message>
    <message>
        <source>Save to device</source>
        <translation>Auf Gerät speichern</translation>
    </message>
</context>
<context>
    <name>SwitchStatusLine</name>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>1 switch</source>
        <translation>1 Umschalter</translation>
    </message>
    <message>
        <source>2 switches chained</source>
        <translation>2 Umschalter verkettet</translation>
    </message>
    <message>
        <source>No access: udev rule missing</source>
        <translation>Kein Zugriff: udev-Regel fehlt</translation>
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
        <translation>Leere Arbeitsfläche hinzufügen</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Vorlage auswählen</translation>
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
        <translation>Die Daten konnten nicht übertragen werden.</translation>
    </message>
    <message>
        <source>To save and apply the layout configuration to OrrinKM, please connect your computer to the Primary OrrinKM device.</source>
        <translation>Um das Layout im OrrinKM zu speichern und anzuwenden, schließen Sie Ihren Computer an den primären OrrinKM-Umschalter an.</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. We save port 1-4 monitor layout only. Do you want to continue?</source>
        <translation>Es ist nur ein OrrinKM angeschlossen. Nur das Monitorlayout der Ports 1-4 wird gespeichert. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. Please set port number between P1 to P4.</source>
        <translation>Es ist nur ein OrrinKM angeschlossen. Bitte verwenden Sie nur die Ports P1 bis P4.</translation>
    </message>
    <message>
        <source>Save to device successfully.</source>
        <translation>Erfolgreich auf dem Gerät gespeichert.</translation>
    </message>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>Der Treiber für den erweiterten Desktop wird ausgeführt. Beenden Sie ihn und übertragen Sie erneut.</translation>
    </message>
</context>
<context>
    <name>about_control</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun-Umschaltung – Konfigurationsprogramm</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
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
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>alert_dialog_control</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>aprunned</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun-Umschaltung – Konfigurationsprogramm</translation>
    </message>
    <message>
        <source>AP is running.</source>
        <translation>Das Programm wird bereits ausgeführt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>edit_page_error1</name>
    <message>
        <source>File can not be saved</source>
        <translation>Datei kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Current configuration of @ is not set in a rectangular shape. Please adjust it and save again.</source>
        <translation>Die aktuelle Konfiguration von @ ist nicht rechteckig. Bitte passen Sie sie an und speichern Sie erneut.</translation>
    </message>
</context>
<context>
    <name>edit_page_error2</name>
    <message>
        <source>File can not be saved</source>
        <translation>Datei kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Current configuration contains blank area among the blocks. Please adjust it and save again.</source>
        <translation>Die aktuelle Konfiguration enthält Lücken zwischen den Monitoren. Bitte passen Sie sie an und speichern Sie erneut.</translation>
    </message>
</context>
<context>
    <name>edit_page_error3</name>
    <message>
        <source>File can not be saved</source>
        <translation>Datei kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Screens that configured to @ are not set in the same resolution. Please adjust it and save again.</source>
        <translation>Die Monitore an @ haben nicht dieselbe Auflösung. Bitte passen Sie sie an und speichern Sie erneut.</translation>
    </message>
</context>
<context>
    <name>edit_page_tutorial</name>
    <message>
        <source>Tutorial</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Reminder: The configuration of particular port is required to set in a rectangular shape.</source>
        <translation>Hinweis: Die Monitore eines Ports müssen ein Rechteck bilden.</translation>
    </message>
    <message>
        <source>The layout of P1 is not in a rectangular shape.</source>
        <translation>Das Layout von P1 ist nicht rechteckig.</translation>
    </message>
    <message>
        <source>The layout of P1 is divided into two separate rectangles.</source>
        <translation>Das Layout von P1 ist in zwei getrennte Rechtecke aufgeteilt.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again.</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
</context>
<context>
    <name>foreword</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun-Umschaltung – Konfigurationsprogramm</translation>
    </message>
    <message>
        <source>We recommend video resolution should not be less than 1440 x 900.</source>
        <translation>Wir empfehlen eine Bildschirmauflösung von mindestens 1440 x 900.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frame_setting</name>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation>Seamrun-Umschaltfokus</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>3 Seconds</source>
        <translation>3 Sekunden</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 Sekunden</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 Sekunden</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Immer</translation>
    </message>
</context>
<context>
    <name>keep_awake_option</name>
    <message>
        <source>Keep Awake Option</source>
        <translation>Wachhalten</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>When Working</source>
        <translation>Bei Aktivität</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Immer</translation>
    </message>
</context>
<context>
    <name>key_help</name>
    <message>
        <source>On the grid</source>
        <translation>Im Raster</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>Move the cursor over the grid.</source>
        <translation>Bewegt den Cursor über das Raster.</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Eingabe, Leertaste</translation>
    </message>
    <message>
        <source>Press the cell: place a monitor there, or select the monitor on it.</source>
        <translation>Drückt die Zelle: setzt dort einen Monitor oder wählt den Monitor darauf aus.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Ask to delete the monitor under the cursor.</source>
        <translation>Fragt, ob der Monitor unter dem Cursor gelöscht werden soll.</translation>
    </message>
    <message>
        <source>Set the port of the monitor under the cursor.</source>
        <translation>Setzt den Port des Monitors unter dem Cursor.</translation>
    </message>
    <message>
        <source>Open the port list of the monitor under the cursor.</source>
        <translation>Öffnet die Portliste des Monitors unter dem Cursor.</translation>
    </message>
    <message>
        <source>Open the number list of the monitor under the cursor, when its port has more than one monitor.</source>
        <translation>Öffnet die Nummernliste des Monitors unter dem Cursor, wenn sein Port mehr als einen Monitor hat.</translation>
    </message>
    <message>
        <source>Up, Down, Enter</source>
        <translation>Pfeil hoch, Pfeil runter, Eingabe</translation>
    </message>
    <message>
        <source>In an open list: choose an entry and take it.</source>
        <translation>In einer offenen Liste: einen Eintrag wählen und übernehmen.</translation>
    </message>
    <message>
        <source>Go to the resolution list.</source>
        <translation>Springt zur Auflösungsliste.</translation>
    </message>
    <message>
        <source>Move the monitor under the cursor to the next cell.</source>
        <translation>Verschiebt den Monitor unter dem Cursor in die nächste Zelle.</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>Macht die letzte Änderung rückgängig.</translation>
    </message>
    <message>
        <source>Redo the change undone last.</source>
        <translation>Stellt die zuletzt rückgängig gemachte Änderung wieder her.</translation>
    </message>
    <message>
        <source>Show this list of keys.</source>
        <translation>Zeigt diese Tastenliste.</translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation>Überall</translation>
    </message>
    <message>
        <source>Move between the grid, the side panel and the top bar; in a dialog, between its controls.</source>
        <translation>Wechselt zwischen Raster, Seitenleiste und oberer Leiste; in einem Dialog zwischen seinen Bedienelementen.</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Close an open list or dialog; from the resolution list, go back to the grid.</source>
        <translation>Schließt eine offene Liste oder einen Dialog; aus der Auflösungsliste zurück zum Raster.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Start a new layout.</source>
        <translation>Beginnt ein neues Layout.</translation>
    </message>
    <message>
        <source>Open a layout file.</source>
        <translation>Öffnet eine Layoutdatei.</translation>
    </message>
    <message>
        <source>Save the layout to a file (in the editor).</source>
        <translation>Speichert das Layout in einer Datei (im Editor).</translation>
    </message>
    <message>
        <source>Save the layout under a new name (in the editor).</source>
        <translation>Speichert das Layout unter einem neuen Namen (im Editor).</translation>
    </message>
    <message>
        <source>Quit the program.</source>
        <translation>Beendet das Programm.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1+arrow keys</source>
        <extracomment>%1 is the Ctrl key as the language names it (Strg in German)</extracomment>
        <translation>%1+Pfeiltasten</translation>
    </message>
    <message>
        <source>Place this computer&apos;s screens on its port (in the editor).</source>
        <translation>Platziert die Bildschirme dieses Computers an seinem Port (im Editor).</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun-Umschaltung – Konfigurationsprogramm</translation>
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
        <source>The file is invalid.</source>
        <translation>Die Datei ist ungültig.</translation>
    </message>
    <message>
        <source>Do you want to quit?</source>
        <translation>Möchten Sie das Programm beenden?</translation>
    </message>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>Möchten Sie die Änderungen speichern? Speichern Sie dann die Konfiguration, bevor Sie das Programm beenden.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Before using Seamrun Switching, please turn off mouse acceleration in the operating system.</source>
        <translation>Deaktivieren Sie vor der Verwendung der Seamrun-Umschaltung die Mausbeschleunigung im Betriebssystem.</translation>
    </message>
    <message>
        <source>KM Switch Device</source>
        <translation>KM-Umschalter</translation>
    </message>
    <message>
        <source>OrrinKM</source>
        <translation>OrrinKM</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Aus Datei laden</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open recent file</source>
        <translation>Zuletzt verwendete Dateien</translation>
    </message>
    <message>
        <source>Language setting</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Vorlage auswählen</translation>
    </message>
    <message>
        <source>The file no longer exists. It has been removed from the recent files.</source>
        <translation>Die Datei existiert nicht mehr. Sie wurde aus den zuletzt verwendeten Dateien entfernt.</translation>
    </message>
    <message>
        <source>Enter opens the chosen file, Delete removes it from the list.</source>
        <translation>Eingabe öffnet die gewählte Datei, Entf entfernt sie aus der Liste.</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Aus der Liste entfernen</translation>
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
        <translation>%1 %2 in Zeile %3, Spalte %4</translation>
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
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>New Object</source>
        <translation>Neues Layout</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Datei laden</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>Bildschirme dieses Computers</translation>
    </message>
</context>
<context>
    <name>mouse_menu</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>Mausbeschleunigung</translation>
    </message>
    <message>
        <source>Mouse Position</source>
        <translation>Mausposition</translation>
    </message>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation>Seamrun-Umschaltfokus</translation>
    </message>
    <message>
        <source>Keep Awake Option</source>
        <translation>Wachhalten</translation>
    </message>
</context>
<context>
    <name>mouse_position_setting</name>
    <message>
        <source>Mouse position</source>
        <translation>Mausposition</translation>
    </message>
    <message>
        <source>Upper left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Upper right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Lower left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Lower right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
</context>
<context>
    <name>mouse_speed_setting</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>Mausbeschleunigung</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
</context>
<context>
    <name>port_question</name>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>Bildschirme dieses Computers</translation>
    </message>
    <message>
        <source>No switch answered. Which port is this computer on?</source>
        <translation>Kein Umschalter hat geantwortet. An welchem Port hängt dieser Computer?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>selectDialog</name>
    <message>
        <source>Please select a resolution.</source>
        <translation>Bitte wählen Sie eine Auflösung.</translation>
    </message>
    <message>
        <source>Please select a number.</source>
        <translation>Bitte wählen Sie eine Portnummer.</translation>
    </message>
    <message>
        <source>Select Resolution</source>
        <translation>Auflösung wählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>template_config</name>
    <message>
        <source>Template</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>Konfiguration auswählen</translation>
    </message>
    <message>
        <source>The system will apply the settings to all PC port.</source>
        <translation>Das System wendet die Einstellungen auf alle PC-Ports an.</translation>
    </message>
    <message>
        <source>View other layout</source>
        <translation>Andere Layouts ansehen</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Erstellen</translation>
    </message>
</context>
<context>
    <name>uploadKvm</name>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>Der Treiber für den erweiterten Desktop wird ausgeführt. Beenden Sie ihn und übertragen Sie erneut.</translation>
    </message>
    <message>
        <source>Device connection is not ready, Please try again.</source>
        <translation>Die Verbindung zum Gerät ist nicht bereit. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Please check connection before saving to device.</source>
        <translation>Bitte prüfen Sie die Verbindung, bevor Sie auf dem Gerät speichern.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>This user may not open the switch: install its udev rule (see Troubleshooting in the README), then unplug the switch and plug it in again.</source>
        <translation>Dieser Benutzer darf den Umschalter nicht öffnen: Installieren Sie seine udev-Regel (siehe „Troubleshooting“ in der README), ziehen Sie dann den Umschalter ab und stecken Sie ihn wieder ein.</translation>
    </message>
</context>
</TS>
