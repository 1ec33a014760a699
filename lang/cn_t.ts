<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>FootControl</name>
    <message>
        <source>Copyright © 2026 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Peripheral Systems Co., Ltd. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsFrame</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemplatePage</name>
    <message>
        <source>Add blank canvas</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>about_control</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>www.vesko-peripherals.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vesko Peripheral Systems Co., Ltd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>alert_dialog_control</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aprunned</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AP is running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>foreword</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We recommend video resolution should not be less than 1440 x 900.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frame_setting</name>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>keep_awake_option</name>
    <message>
        <source>Keep Awake Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When Working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
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
        <source>The file is invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before using Seamrun Switching, please turn off mouse acceleration in the operating system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KM Switch Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OrrinKM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open recent file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mainWidget</name>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to create a new list without saving?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to load a file without saving?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data to be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data to be upload.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mouse_menu</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Awake Option</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mouse_position_setting</name>
    <message>
        <source>Mouse position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mouse_speed_setting</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selectDialog</name>
    <message>
        <source>Please select a resolution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>template_config</name>
    <message>
        <source>Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system will apply the settings to all PC port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View other layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
