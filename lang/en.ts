<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>DeletePrompt</name>
    <message>
        <source>Delete this setting.</source>
        <translation>Delete this setting.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DeskChecks</name>
    <message>
        <source>No data to be saved.</source>
        <translation>No data to be saved.</translation>
    </message>
    <message>
        <source>No data to be upload.</source>
        <translation>No data to upload.</translation>
    </message>
</context>
<context>
    <name>EditorTopBar</name>
    <message>
        <source>Home Page</source>
        <translation>Home Page</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>Do you want to save the change? If yes, please save the configuration before leaving.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Home Page</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure you want to create a new list without saving?</source>
        <translation>Are you sure you want to create a new list without saving?</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Are you sure you want to load a file without saving?</source>
        <translation>Are you sure you want to load a file without saving?</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Save Profle</source>
        <translation>Save Profile</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Save successfully.</source>
        <translation>Saved successfully.</translation>
    </message>
    <message>
        <source>Failed to save data.</source>
        <translation>Failed to save data.</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Select a file</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>List Files (*.km)</translation>
    </message>
    <message>
        <source>Input the file name</source>
        <translation>Input the file name</translation>
    </message>
</context>
<context>
    <name>FootControl</name>
    <message>
        <source>Copyright © 2026 %1 Peripheral Systems Co., Ltd. All rights reserved.</source>
        <translation>Copyright © 2026 %1 Peripheral Systems Co., Ltd. All rights reserved.</translation>
    </message>
</context>
<context>
    <name>GridCell</name>
    <message>
        <source>No resolution</source>
        <translation>No resolution</translation>
    </message>
</context>
<context>
    <name>GridCursor</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Row %1, column %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>empty</translation>
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
        <translation>marked by the check</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun Switching Configuration Utility</translation>
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
        <translation>Select a file</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>List Files (*.km)</translation>
    </message>
</context>
<context>
    <name>ResolutionChoices</name>
    <message>
        <source>Select Resolution</source>
        <translation>Select Resolution</translation>
    </message>
</context>
<context>
    <name>ScreensCommand</name>
    <message>
        <source>Reading this computer&apos;s port from the switch…</source>
        <translation>Reading this computer&apos;s port from the switch…</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>This computer&apos;s screens</translation>
    </message>
    <message>
        <source>%1 has monitors on the desk already. Replace them with this computer&apos;s screens?</source>
        <translation>%1 has monitors on the desk already. Replace them with this computer&apos;s screens?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>This computer&apos;s screens do not fit: a desk holds at most 16 monitors.</source>
        <translation>This computer&apos;s screens do not fit: a desk holds at most 16 monitors.</translation>
    </message>
    <message>
        <source>There is no free area on the grid for this computer&apos;s screens.</source>
        <translation>There is no free area on the grid for this computer&apos;s screens.</translation>
    </message>
    <message>
        <source>Choose the port and resolution of every monitor first.</source>
        <translation>Choose the port and resolution of every monitor first.</translation>
    </message>
    <message>
        <source>The desktop reports no screens.</source>
        <translation>The desktop reports no screens.</translation>
    </message>
    <message>
        <source>This computer&apos;s screens could not be placed.</source>
        <translation>This computer&apos;s screens could not be placed.</translation>
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
        <translation>Ratio</translation>
    </message>
    <message>
        <source>Screen Orientation</source>
        <translation>Screen Orientation</translation>
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
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Status List</source>
        <translation>Status List</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secondary</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Save to local</source>
        <translation>Save to local</translation>
    </message>
    <message>
        <source>Save to device</source>
        <translation>Save to device</translation>
    </message>
</context>
<context>
    <name>SwitchStatusLine</name>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>1 switch</source>
        <translation>1 switch</translation>
    </message>
    <message>
        <source>2 switches chained</source>
        <translation>2 switches chained</translation>
    </message>
    <message>
        <source>No access: udev rule missing</source>
        <translation>No access: udev rule missing</translation>
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
        <translation>Add blank canvas</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Select Template</translation>
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
        <translation>Failed to upload data.</translation>
    </message>
    <message>
        <source>To save and apply the layout configuration to OrrinKM, please connect your computer to the Primary OrrinKM device.</source>
        <translation>To save and apply the layout configuration to OrrinKM, please connect your computer to the Primary OrrinKM device.</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Save failed!</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. We save port 1-4 monitor layout only. Do you want to continue?</source>
        <translation>Only one OrrinKM is connected. We save port 1-4 monitor layout only. Do you want to continue?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. Please set port number between P1 to P4.</source>
        <translation>Only one OrrinKM is connected. Please set port numbers between P1 and P4.</translation>
    </message>
    <message>
        <source>Save to device successfully.</source>
        <translation>Saved to device successfully.</translation>
    </message>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>The extended desktop driver app is running. Please close it and upload again.</translation>
    </message>
</context>
<context>
    <name>about_control</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun Switching Configuration Utility</translation>
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
        <translation>Seamrun Switching Configuration Utility</translation>
    </message>
    <message>
        <source>AP is running.</source>
        <translation>AP is running.</translation>
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
        <translation>File can not be saved</translation>
    </message>
    <message>
        <source>Current configuration of @ is not set in a rectangular shape. Please adjust it and save again.</source>
        <translation>Current configuration of @ is not set in a rectangular shape. Please adjust it and save again.</translation>
    </message>
</context>
<context>
    <name>edit_page_error2</name>
    <message>
        <source>File can not be saved</source>
        <translation>File can not be saved</translation>
    </message>
    <message>
        <source>Current configuration contains blank area among the blocks. Please adjust it and save again.</source>
        <translation>Current configuration contains blank areas among the blocks. Please adjust it and save again.</translation>
    </message>
</context>
<context>
    <name>edit_page_error3</name>
    <message>
        <source>File can not be saved</source>
        <translation>File can not be saved</translation>
    </message>
    <message>
        <source>Screens that configured to @ are not set in the same resolution. Please adjust it and save again.</source>
        <translation>Screens that are configured to @ are not set to the same resolution. Please adjust them and save again.</translation>
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
        <translation>Reminder: The configuration of a particular port is required to be set in a rectangular shape.</translation>
    </message>
    <message>
        <source>The layout of P1 is not in a rectangular shape.</source>
        <translation>The layout of P1 is not in a rectangular shape.</translation>
    </message>
    <message>
        <source>The layout of P1 is divided into two separate rectangles.</source>
        <translation>The layout of P1 is divided into two separate rectangles.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again.</source>
        <translation>Don&apos;t show this again.</translation>
    </message>
</context>
<context>
    <name>foreword</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun Switching Configuration Utility</translation>
    </message>
    <message>
        <source>We recommend video resolution should not be less than 1440 x 900.</source>
        <translation>We recommend that the video resolution should not be less than 1440 x 900.</translation>
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
        <translation>Seamrun Switching Focus</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>3 Seconds</source>
        <translation>3 Seconds</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 Seconds</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 Seconds</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Always</translation>
    </message>
</context>
<context>
    <name>keep_awake_option</name>
    <message>
        <source>Keep Awake Option</source>
        <translation>Keep Awake Option</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>When Working</source>
        <translation>When Working</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Always</translation>
    </message>
</context>
<context>
    <name>key_help</name>
    <message>
        <source>On the grid</source>
        <translation>On the grid</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Arrow keys</translation>
    </message>
    <message>
        <source>Move the cursor over the grid.</source>
        <translation>Move the cursor over the grid.</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Enter, Space</translation>
    </message>
    <message>
        <source>Press the cell: place a monitor there, or select the monitor on it.</source>
        <translation>Press the cell: place a monitor there, or select the monitor on it.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Ask to delete the monitor under the cursor.</source>
        <translation>Ask to delete the monitor under the cursor.</translation>
    </message>
    <message>
        <source>Set the port of the monitor under the cursor.</source>
        <translation>Set the port of the monitor under the cursor.</translation>
    </message>
    <message>
        <source>Open the port list of the monitor under the cursor.</source>
        <translation>Open the port list of the monitor under the cursor.</translation>
    </message>
    <message>
        <source>Open the number list of the monitor under the cursor, when its port has more than one monitor.</source>
        <translation>Open the number list of the monitor under the cursor, when its port has more than one monitor.</translation>
    </message>
    <message>
        <source>Up, Down, Enter</source>
        <translation>Up, Down, Enter</translation>
    </message>
    <message>
        <source>In an open list: choose an entry and take it.</source>
        <translation>In an open list: choose an entry and take it.</translation>
    </message>
    <message>
        <source>Go to the resolution list.</source>
        <translation>Go to the resolution list.</translation>
    </message>
    <message>
        <source>Move the monitor under the cursor to the next cell.</source>
        <translation>Move the monitor under the cursor to the next cell.</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>Undo the last change.</translation>
    </message>
    <message>
        <source>Redo the change undone last.</source>
        <translation>Redo the change undone last.</translation>
    </message>
    <message>
        <source>Show this list of keys.</source>
        <translation>Show this list of keys.</translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation>Everywhere</translation>
    </message>
    <message>
        <source>Move between the grid, the side panel and the top bar; in a dialog, between its controls.</source>
        <translation>Move between the grid, the side panel and the top bar; in a dialog, between its controls.</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Close an open list or dialog; from the resolution list, go back to the grid.</source>
        <translation>Close an open list or dialog; from the resolution list, go back to the grid.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Start a new layout.</source>
        <translation>Start a new layout.</translation>
    </message>
    <message>
        <source>Open a layout file.</source>
        <translation>Open a layout file.</translation>
    </message>
    <message>
        <source>Save the layout to a file (in the editor).</source>
        <translation>Save the layout to a file (in the editor).</translation>
    </message>
    <message>
        <source>Save the layout under a new name (in the editor).</source>
        <translation>Save the layout under a new name (in the editor).</translation>
    </message>
    <message>
        <source>Quit the program.</source>
        <translation>Quit the program.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1+arrow keys</source>
        <extracomment>%1 is the Ctrl key as the language names it (Strg in German)</extracomment>
        <translation>%1+arrow keys</translation>
    </message>
    <message>
        <source>Place this computer&apos;s screens on its port (in the editor).</source>
        <translation>Place this computer&apos;s screens on its port (in the editor).</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun Switching Configuration Utility</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The file is invalid.</source>
        <translation>The file is invalid.</translation>
    </message>
    <message>
        <source>Do you want to quit?</source>
        <translation>Do you want to quit?</translation>
    </message>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>Do you want to save the change? If yes, please save the configuration before leaving.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Before using Seamrun Switching, please turn off mouse acceleration in the operating system.</source>
        <translation>Before using Seamrun Switching, please turn off mouse acceleration in the operating system.</translation>
    </message>
    <message>
        <source>KM Switch Device</source>
        <translation>KM Switch Device</translation>
    </message>
    <message>
        <source>OrrinKM</source>
        <translation>OrrinKM</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Load from file</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Open recent file</source>
        <translation>Open recent file</translation>
    </message>
    <message>
        <source>Language setting</source>
        <translation>Language setting</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Select Template</translation>
    </message>
    <message>
        <source>The file no longer exists. It has been removed from the recent files.</source>
        <translation>The file no longer exists. It has been removed from the recent files.</translation>
    </message>
    <message>
        <source>Enter opens the chosen file, Delete removes it from the list.</source>
        <translation>Enter opens the chosen file, Delete removes it from the list.</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Remove from the list</translation>
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
        <translation>%1 %2 at row %3, column %4</translation>
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
        <translation>Template</translation>
    </message>
    <message>
        <source>New Object</source>
        <translation>New Object</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Load File</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>This computer&apos;s screens</translation>
    </message>
</context>
<context>
    <name>mouse_menu</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>Mouse Acceleration</translation>
    </message>
    <message>
        <source>Mouse Position</source>
        <translation>Mouse Position</translation>
    </message>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation>Seamrun Switching Focus</translation>
    </message>
    <message>
        <source>Keep Awake Option</source>
        <translation>Keep Awake Option</translation>
    </message>
</context>
<context>
    <name>mouse_position_setting</name>
    <message>
        <source>Mouse position</source>
        <translation>Mouse position</translation>
    </message>
    <message>
        <source>Upper left</source>
        <translation>Upper left</translation>
    </message>
    <message>
        <source>Upper right</source>
        <translation>Upper right</translation>
    </message>
    <message>
        <source>Lower left</source>
        <translation>Lower left</translation>
    </message>
    <message>
        <source>Lower right</source>
        <translation>Lower right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
</context>
<context>
    <name>mouse_speed_setting</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>Mouse Acceleration</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Fast</translation>
    </message>
</context>
<context>
    <name>port_question</name>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>This computer&apos;s screens</translation>
    </message>
    <message>
        <source>No switch answered. Which port is this computer on?</source>
        <translation>No switch answered. Which port is this computer on?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Please select a resolution.</translation>
    </message>
    <message>
        <source>Please select a number.</source>
        <translation>Please select a number.</translation>
    </message>
    <message>
        <source>Select Resolution</source>
        <translation>Select Resolution</translation>
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
        <translation>Template</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>Select Configuration</translation>
    </message>
    <message>
        <source>The system will apply the settings to all PC port.</source>
        <translation>The system will apply the settings to all PC ports.</translation>
    </message>
    <message>
        <source>View other layout</source>
        <translation>View other layout</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Build</translation>
    </message>
</context>
<context>
    <name>uploadKvm</name>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>The extended desktop driver app is running. Please close it and upload again.</translation>
    </message>
    <message>
        <source>Device connection is not ready, Please try again.</source>
        <translation>Device connection is not ready. Please try again.</translation>
    </message>
    <message>
        <source>Please check connection before saving to device.</source>
        <translation>Please check connection before saving to device.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>This user may not open the switch: install its udev rule (see Troubleshooting in the README), then unplug the switch and plug it in again.</source>
        <translation>This user may not open the switch: install its udev rule (see Troubleshooting in the README), then unplug the switch and plug it in again.</translation>
    </message>
</context>
</TS>
