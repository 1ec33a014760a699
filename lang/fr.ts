<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>DeletePrompt</name>
    <message>
        <source>Delete this setting.</source>
        <translation>Supprimer ce moniteur ?</translation>
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
<context>
    <name>DeskChecks</name>
    <message>
        <source>No data to be saved.</source>
        <translation>Aucune donnée à enregistrer.</translation>
    </message>
    <message>
        <source>No data to be upload.</source>
        <translation>Aucune donnée à envoyer.</translation>
    </message>
</context>
<context>
    <name>EditorTopBar</name>
    <message>
        <source>Home Page</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>Voulez-vous enregistrer les modifications ? Si oui, enregistrez la configuration avant de quitter.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure you want to create a new list without saving?</source>
        <translation>Voulez-vous vraiment créer une nouvelle disposition sans enregistrer ?</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Are you sure you want to load a file without saving?</source>
        <translation>Voulez-vous vraiment charger un fichier sans enregistrer ?</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save Profle</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Save successfully.</source>
        <translation>Enregistrement réussi.</translation>
    </message>
    <message>
        <source>Failed to save data.</source>
        <translation>Échec de l&apos;enregistrement des données.</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Sélectionner un fichier</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>Fichiers de disposition (*.km)</translation>
    </message>
    <message>
        <source>Input the file name</source>
        <translation>Saisir le nom du fichier</translation>
    </message>
</context>
<context>
    <name>FootControl</name>
    <message>
        <source>Copyright © 2026 %1 Peripheral Systems Co., Ltd. All rights reserved.</source>
        <translation>Copyright © 2026 %1 Peripheral Systems Co., Ltd. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>GridCell</name>
    <message>
        <source>No resolution</source>
        <translation>Aucune résolution</translation>
    </message>
</context>
<context>
    <name>GridCursor</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>monitor %1</source>
        <translation>moniteur %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>marked by the check</source>
        <translation>signalé par la vérification</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Utilitaire de configuration de la commutation Seamrun</translation>
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
        <translation>Sélectionner un fichier</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>Fichiers de disposition (*.km)</translation>
    </message>
</context>
<context>
    <name>ResolutionChoices</name>
    <message>
        <source>Select Resolution</source>
        <translation>Choisir la résolution</translation>
    </message>
</context>
<context>
    <name>ScreensCommand</name>
    <message>
        <source>Reading this computer&apos;s port from the switch…</source>
        <translation>Lecture du port de cet ordinateur sur le commutateur…</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>Écrans de cet ordinateur</translation>
    </message>
    <message>
        <source>%1 has monitors on the desk already. Replace them with this computer&apos;s screens?</source>
        <translation>%1 a déjà des moniteurs. Les remplacer par les écrans de cet ordinateur ?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This computer&apos;s screens do not fit: a desk holds at most 16 monitors.</source>
        <translation>Les écrans de cet ordinateur ne tiennent pas : 16 moniteurs au plus.</translation>
    </message>
    <message>
        <source>There is no free area on the grid for this computer&apos;s screens.</source>
        <translation>La grille n&apos;a pas de zone libre pour les écrans de cet ordinateur.</translation>
    </message>
    <message>
        <source>Choose the port and resolution of every monitor first.</source>
        <translation>Choisissez d&apos;abord le port et la résolution de chaque moniteur.</translation>
    </message>
    <message>
        <source>The desktop reports no screens.</source>
        <translation>Le bureau ne signale aucun écran.</translation>
    </message>
    <message>
        <source>This computer&apos;s screens could not be placed.</source>
        <translation>Les écrans de cet ordinateur n&apos;ont pas pu être placés.</translation>
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
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Status List</source>
        <translation>État des ports</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secondaire</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Save to local</source>
        <translation>Enregistrer en local</translation>
    </message>
    <message>
        <source>Save to device</source>
        <translation>Enregistrer sur l&apos;appareil</translation>
    </message>
</context>
<context>
    <name>SwitchStatusLine</name>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Micrologiciel %1</translation>
    </message>
    <message>
        <source>1 switch</source>
        <translation>1 commutateur</translation>
    </message>
    <message>
        <source>2 switches chained</source>
        <translation>2 commutateurs chaînés</translation>
    </message>
    <message>
        <source>No access: udev rule missing</source>
        <translation>Pas d&apos;accès : règle udev absente</translation>
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
        <translation>Ajouter un canevas vierge</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Choisir un modèle</translation>
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
        <translation>Échec de l&apos;envoi des données.</translation>
    </message>
    <message>
        <source>To save and apply the layout configuration to OrrinKM, please connect your computer to the Primary OrrinKM device.</source>
        <translation>Pour enregistrer et appliquer la disposition sur l&apos;OrrinKM, connectez votre ordinateur au commutateur OrrinKM principal.</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. We save port 1-4 monitor layout only. Do you want to continue?</source>
        <translation>Un seul OrrinKM est connecté. Seule la disposition des moniteurs des ports 1-4 sera enregistrée. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. Please set port number between P1 to P4.</source>
        <translation>Un seul OrrinKM est connecté. Utilisez uniquement les ports P1 à P4.</translation>
    </message>
    <message>
        <source>Save to device successfully.</source>
        <translation>Enregistré sur l&apos;appareil.</translation>
    </message>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>Le pilote du bureau étendu est en cours d&apos;exécution. Fermez-le et relancez l&apos;envoi.</translation>
    </message>
</context>
<context>
    <name>about_control</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Utilitaire de configuration de la commutation Seamrun</translation>
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
        <translation>Utilitaire de configuration de la commutation Seamrun</translation>
    </message>
    <message>
        <source>AP is running.</source>
        <translation>L&apos;application est déjà en cours d&apos;exécution.</translation>
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
        <translation>Impossible d&apos;enregistrer le fichier</translation>
    </message>
    <message>
        <source>Current configuration of @ is not set in a rectangular shape. Please adjust it and save again.</source>
        <translation>La configuration actuelle de @ ne forme pas un rectangle. Corrigez-la et enregistrez à nouveau.</translation>
    </message>
</context>
<context>
    <name>edit_page_error2</name>
    <message>
        <source>File can not be saved</source>
        <translation>Impossible d&apos;enregistrer le fichier</translation>
    </message>
    <message>
        <source>Current configuration contains blank area among the blocks. Please adjust it and save again.</source>
        <translation>La configuration actuelle contient des espaces vides entre les moniteurs. Corrigez-la et enregistrez à nouveau.</translation>
    </message>
</context>
<context>
    <name>edit_page_error3</name>
    <message>
        <source>File can not be saved</source>
        <translation>Impossible d&apos;enregistrer le fichier</translation>
    </message>
    <message>
        <source>Screens that configured to @ are not set in the same resolution. Please adjust it and save again.</source>
        <translation>Les moniteurs configurés sur @ n&apos;ont pas la même résolution. Corrigez-les et enregistrez à nouveau.</translation>
    </message>
</context>
<context>
    <name>edit_page_tutorial</name>
    <message>
        <source>Tutorial</source>
        <translation>Tutoriel</translation>
    </message>
    <message>
        <source>Reminder: The configuration of particular port is required to set in a rectangular shape.</source>
        <translation>Rappel : les moniteurs d&apos;un même port doivent former un rectangle.</translation>
    </message>
    <message>
        <source>The layout of P1 is not in a rectangular shape.</source>
        <translation>La disposition de P1 ne forme pas un rectangle.</translation>
    </message>
    <message>
        <source>The layout of P1 is divided into two separate rectangles.</source>
        <translation>La disposition de P1 est divisée en deux rectangles distincts.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again.</source>
        <translation>Ne plus afficher</translation>
    </message>
</context>
<context>
    <name>foreword</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Utilitaire de configuration de la commutation Seamrun</translation>
    </message>
    <message>
        <source>We recommend video resolution should not be less than 1440 x 900.</source>
        <translation>Nous recommandons une résolution d&apos;écran d&apos;au moins 1440 x 900.</translation>
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
        <translation>Focus de commutation Seamrun</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>3 Seconds</source>
        <translation>3 secondes</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 secondes</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 secondes</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Toujours</translation>
    </message>
</context>
<context>
    <name>keep_awake_option</name>
    <message>
        <source>Keep Awake Option</source>
        <translation>Maintien en éveil</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>When Working</source>
        <translation>Pendant l&apos;activité</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Toujours</translation>
    </message>
</context>
<context>
    <name>key_help</name>
    <message>
        <source>On the grid</source>
        <translation>Sur la grille</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Touches fléchées</translation>
    </message>
    <message>
        <source>Move the cursor over the grid.</source>
        <translation>Déplace le curseur sur la grille.</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Entrée, Espace</translation>
    </message>
    <message>
        <source>Press the cell: place a monitor there, or select the monitor on it.</source>
        <translation>Appuie sur la case : y place un moniteur, ou sélectionne le moniteur qui s&apos;y trouve.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Ask to delete the monitor under the cursor.</source>
        <translation>Demande s&apos;il faut supprimer le moniteur sous le curseur.</translation>
    </message>
    <message>
        <source>Set the port of the monitor under the cursor.</source>
        <translation>Définit le port du moniteur sous le curseur.</translation>
    </message>
    <message>
        <source>Open the port list of the monitor under the cursor.</source>
        <translation>Ouvre la liste des ports du moniteur sous le curseur.</translation>
    </message>
    <message>
        <source>Open the number list of the monitor under the cursor, when its port has more than one monitor.</source>
        <translation>Ouvre la liste des numéros du moniteur sous le curseur, quand son port a plusieurs moniteurs.</translation>
    </message>
    <message>
        <source>Up, Down, Enter</source>
        <translation>Haut, Bas, Entrée</translation>
    </message>
    <message>
        <source>In an open list: choose an entry and take it.</source>
        <translation>Dans une liste ouverte : choisir une entrée et la valider.</translation>
    </message>
    <message>
        <source>Go to the resolution list.</source>
        <translation>Va à la liste des résolutions.</translation>
    </message>
    <message>
        <source>Move the monitor under the cursor to the next cell.</source>
        <translation>Déplace le moniteur sous le curseur vers la case voisine.</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>Annule la dernière modification.</translation>
    </message>
    <message>
        <source>Redo the change undone last.</source>
        <translation>Rétablit la dernière modification annulée.</translation>
    </message>
    <message>
        <source>Show this list of keys.</source>
        <translation>Affiche cette liste de touches.</translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation>Partout</translation>
    </message>
    <message>
        <source>Move between the grid, the side panel and the top bar; in a dialog, between its controls.</source>
        <translation>Passe de la grille au panneau latéral et à la barre du haut ; dans une boîte de dialogue, d&apos;un contrôle à l&apos;autre.</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Close an open list or dialog; from the resolution list, go back to the grid.</source>
        <translation>Ferme une liste ou une boîte de dialogue ouverte ; depuis la liste des résolutions, revient à la grille.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Start a new layout.</source>
        <translation>Commence une nouvelle disposition.</translation>
    </message>
    <message>
        <source>Open a layout file.</source>
        <translation>Ouvre un fichier de disposition.</translation>
    </message>
    <message>
        <source>Save the layout to a file (in the editor).</source>
        <translation>Enregistre la disposition dans un fichier (dans l&apos;éditeur).</translation>
    </message>
    <message>
        <source>Save the layout under a new name (in the editor).</source>
        <translation>Enregistre la disposition sous un nouveau nom (dans l&apos;éditeur).</translation>
    </message>
    <message>
        <source>Quit the program.</source>
        <translation>Quitte le programme.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1+arrow keys</source>
        <extracomment>%1 is the Ctrl key as the language names it (Strg in German)</extracomment>
        <translation>%1+touches fléchées</translation>
    </message>
    <message>
        <source>Place this computer&apos;s screens on its port (in the editor).</source>
        <translation>Place les écrans de cet ordinateur sur son port (dans l&apos;éditeur).</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Utilitaire de configuration de la commutation Seamrun</translation>
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
        <source>The file is invalid.</source>
        <translation>Le fichier n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Do you want to quit?</source>
        <translation>Voulez-vous quitter ?</translation>
    </message>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>Voulez-vous enregistrer les modifications ? Si oui, enregistrez la configuration avant de quitter.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Before using Seamrun Switching, please turn off mouse acceleration in the operating system.</source>
        <translation>Avant d&apos;utiliser la commutation Seamrun, désactivez l&apos;accélération de la souris dans le système d&apos;exploitation.</translation>
    </message>
    <message>
        <source>KM Switch Device</source>
        <translation>Commutateur KM</translation>
    </message>
    <message>
        <source>OrrinKM</source>
        <translation>OrrinKM</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Charger depuis un fichier</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open recent file</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>Language setting</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Choisir un modèle</translation>
    </message>
    <message>
        <source>The file no longer exists. It has been removed from the recent files.</source>
        <translation>Le fichier n&apos;existe plus. Il a été retiré des fichiers récents.</translation>
    </message>
    <message>
        <source>Enter opens the chosen file, Delete removes it from the list.</source>
        <translation>Entrée ouvre le fichier choisi, Suppr le retire de la liste.</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Retirer de la liste</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A list and one more item, as in &quot;P1, P2&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A label and its value, as in &quot;Language setting: Deutsch&quot;</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 %2 at row %3, column %4</source>
        <extracomment>A monitor a failed check points at: port, monitor number, row, column</extracomment>
        <translation>%1 %2 à la ligne %3, colonne %4</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>A list of monitors and one more, as in &quot;P1 01 at row 2, column 3; P1 02 at row 2, column 5&quot;</extracomment>
        <translation>%1 ; %2</translation>
    </message>
</context>
<context>
    <name>mainWidget</name>
    <message>
        <source>Template</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>New Object</source>
        <translation>Nouvelle disposition</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Charger un fichier</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>Écrans de cet ordinateur</translation>
    </message>
</context>
<context>
    <name>mouse_menu</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>Accélération de la souris</translation>
    </message>
    <message>
        <source>Mouse Position</source>
        <translation>Position de la souris</translation>
    </message>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation>Focus de commutation Seamrun</translation>
    </message>
    <message>
        <source>Keep Awake Option</source>
        <translation>Maintien en éveil</translation>
    </message>
</context>
<context>
    <name>mouse_position_setting</name>
    <message>
        <source>Mouse position</source>
        <translation>Position de la souris</translation>
    </message>
    <message>
        <source>Upper left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Upper right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Lower left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Lower right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Au centre</translation>
    </message>
</context>
<context>
    <name>mouse_speed_setting</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>Accélération de la souris</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
</context>
<context>
    <name>port_question</name>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>Écrans de cet ordinateur</translation>
    </message>
    <message>
        <source>No switch answered. Which port is this computer on?</source>
        <translation>Aucun commutateur n&apos;a répondu. Sur quel port cet ordinateur est-il branché ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Veuillez choisir une résolution.</translation>
    </message>
    <message>
        <source>Please select a number.</source>
        <translation>Veuillez choisir un numéro de port.</translation>
    </message>
    <message>
        <source>Select Resolution</source>
        <translation>Choisir la résolution</translation>
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
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>Choisir une configuration</translation>
    </message>
    <message>
        <source>The system will apply the settings to all PC port.</source>
        <translation>Les paramètres seront appliqués à tous les ports PC.</translation>
    </message>
    <message>
        <source>View other layout</source>
        <translation>Voir d&apos;autres dispositions</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Créer</translation>
    </message>
</context>
<context>
    <name>uploadKvm</name>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>Le pilote du bureau étendu est en cours d&apos;exécution. Fermez-le et relancez l&apos;envoi.</translation>
    </message>
    <message>
        <source>Device connection is not ready, Please try again.</source>
        <translation>La connexion à l&apos;appareil n&apos;est pas prête. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Please check connection before saving to device.</source>
        <translation>Vérifiez la connexion avant l&apos;envoi à l&apos;appareil.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>This user may not open the switch: install its udev rule (see Troubleshooting in the README), then unplug the switch and plug it in again.</source>
        <translation>Cet utilisateur ne peut pas ouvrir le commutateur : installez sa règle udev (voir « Troubleshooting » dans le README), puis débranchez le commutateur et rebranchez-le.</translation>
    </message>
</context>
</TS>
