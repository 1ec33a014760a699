<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>DeletePrompt</name>
    <message>
        <source>Delete this setting.</source>
        <translation>删除此显示器？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DeskChecks</name>
    <message>
        <source>No data to be saved.</source>
        <translation>没有要保存的数据。</translation>
    </message>
    <message>
        <source>No data to be upload.</source>
        <translation>没有要上传的数据。</translation>
    </message>
</context>
<context>
    <name>EditorTopBar</name>
    <message>
        <source>Home Page</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>是否要保存更改？如需保存，请在离开前保存配置。</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Are you sure you want to create a new list without saving?</source>
        <translation>确定不保存就新建布局吗？</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Are you sure you want to load a file without saving?</source>
        <translation>确定不保存就加载文件吗？</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Save Profle</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 已存在。要替换它吗？</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Save successfully.</source>
        <translation>保存成功。</translation>
    </message>
    <message>
        <source>Failed to save data.</source>
        <translation>数据保存失败。</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>布局文件 (*.km)</translation>
    </message>
    <message>
        <source>Input the file name</source>
        <translation>输入文件名</translation>
    </message>
</context>
<context>
    <name>FootControl</name>
    <message>
        <source>Copyright © 2026 %1 Peripheral Systems Co., Ltd. All rights reserved.</source>
        <translation>Copyright © 2026 %1 Peripheral Systems Co., Ltd. 保留所有权利。</translation>
    </message>
</context>
<context>
    <name>GridCell</name>
    <message>
        <source>No resolution</source>
        <translation>未设置分辨率</translation>
    </message>
</context>
<context>
    <name>GridCursor</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>第 %1 行，第 %2 列</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>monitor %1</source>
        <translation>显示器 %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>marked by the check</source>
        <translation>已由检查标出</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 切换配置工具</translation>
    </message>
</context>
<context>
    <name>LayoutPage</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>OpenFileDialog</name>
    <message>
        <source>Select a file</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>布局文件 (*.km)</translation>
    </message>
</context>
<context>
    <name>ResolutionChoices</name>
    <message>
        <source>Select Resolution</source>
        <translation>选择分辨率</translation>
    </message>
</context>
<context>
    <name>ScreensCommand</name>
    <message>
        <source>Reading this computer&apos;s port from the switch…</source>
        <translation>正在从切换器读取这台电脑的端口…</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>这台电脑的屏幕</translation>
    </message>
    <message>
        <source>%1 has monitors on the desk already. Replace them with this computer&apos;s screens?</source>
        <translation>%1 在桌面上已有显示器。要用这台电脑的屏幕替换吗？</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>This computer&apos;s screens do not fit: a desk holds at most 16 monitors.</source>
        <translation>这台电脑的屏幕放不下：一个桌面最多 16 台显示器。</translation>
    </message>
    <message>
        <source>There is no free area on the grid for this computer&apos;s screens.</source>
        <translation>网格上没有可放这台电脑屏幕的空位。</translation>
    </message>
    <message>
        <source>Choose the port and resolution of every monitor first.</source>
        <translation>请先为每台显示器选择端口和分辨率。</translation>
    </message>
    <message>
        <source>The desktop reports no screens.</source>
        <translation>桌面未报告任何屏幕。</translation>
    </message>
    <message>
        <source>This computer&apos;s screens could not be placed.</source>
        <translation>无法放置这台电脑的屏幕。</translation>
    </message>
</context>
<context>
    <name>SettingsFrame</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>Ratio</source>
        <translation>缩放比例</translation>
    </message>
    <message>
        <source>Screen Orientation</source>
        <translation>显示器方向</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>横向</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>纵向</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Status List</source>
        <translation>端口状态</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>主切换器</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>副切换器</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Save to local</source>
        <translation>保存到本地</translation>
    </message>
    <message>
        <source>Save to device</source>
        <translation>保存到设备</translation>
    </message>
</context>
<context>
    <name>SwitchStatusLine</name>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>固件 %1</translation>
    </message>
    <message>
        <source>1 switch</source>
        <translation>1 台切换器</translation>
    </message>
    <message>
        <source>2 switches chained</source>
        <translation>2 台切换器级联</translation>
    </message>
    <message>
        <source>No access: udev rule missing</source>
        <translation>无访问权限：缺少 udev 规则</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>TemplatePage</name>
    <message>
        <source>Add blank canvas</source>
        <translation>添加空白画布</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>选择模板</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>Arial</source>
        <comment>font families of this language, first installed wins</comment>
        <translation>Noto Sans CJK SC,Microsoft YaHei UI,Microsoft YaHei,Arial</translation>
    </message>
</context>
<context>
    <name>UploadFlow</name>
    <message>
        <source>Failed to upload data.</source>
        <translation>数据上传失败。</translation>
    </message>
    <message>
        <source>To save and apply the layout configuration to OrrinKM, please connect your computer to the Primary OrrinKM device.</source>
        <translation>要将布局配置保存并应用到 OrrinKM，请将计算机连接到主 OrrinKM 切换器。</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>保存失败！</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. We save port 1-4 monitor layout only. Do you want to continue?</source>
        <translation>仅连接了一台 OrrinKM。将只保存端口 1-4 的显示器布局。是否继续？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. Please set port number between P1 to P4.</source>
        <translation>仅连接了一台 OrrinKM。请将端口设置在 P1 到 P4 之间。</translation>
    </message>
    <message>
        <source>Save to device successfully.</source>
        <translation>已成功保存到设备。</translation>
    </message>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>扩展桌面驱动程序正在运行。请将其关闭后重新上传。</translation>
    </message>
</context>
<context>
    <name>about_control</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 切换配置工具</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
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
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>alert_dialog_control</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>aprunned</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 切换配置工具</translation>
    </message>
    <message>
        <source>AP is running.</source>
        <translation>程序已在运行。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>edit_page_error1</name>
    <message>
        <source>File can not be saved</source>
        <translation>无法保存文件</translation>
    </message>
    <message>
        <source>Current configuration of @ is not set in a rectangular shape. Please adjust it and save again.</source>
        <translation>@ 的当前配置不是矩形。请调整后重新保存。</translation>
    </message>
</context>
<context>
    <name>edit_page_error2</name>
    <message>
        <source>File can not be saved</source>
        <translation>无法保存文件</translation>
    </message>
    <message>
        <source>Current configuration contains blank area among the blocks. Please adjust it and save again.</source>
        <translation>当前配置的显示器之间有空白区域。请调整后重新保存。</translation>
    </message>
</context>
<context>
    <name>edit_page_error3</name>
    <message>
        <source>File can not be saved</source>
        <translation>无法保存文件</translation>
    </message>
    <message>
        <source>Screens that configured to @ are not set in the same resolution. Please adjust it and save again.</source>
        <translation>配置到 @ 的显示器分辨率不一致。请调整后重新保存。</translation>
    </message>
</context>
<context>
    <name>edit_page_tutorial</name>
    <message>
        <source>Tutorial</source>
        <translation>教程</translation>
    </message>
    <message>
        <source>Reminder: The configuration of particular port is required to set in a rectangular shape.</source>
        <translation>提示：每个端口的配置都必须设置为矩形。</translation>
    </message>
    <message>
        <source>The layout of P1 is not in a rectangular shape.</source>
        <translation>P1 的布局不是矩形。</translation>
    </message>
    <message>
        <source>The layout of P1 is divided into two separate rectangles.</source>
        <translation>P1 的布局被分成了两个独立的矩形。</translation>
    </message>
    <message>
        <source>Don&apos;t show this again.</source>
        <translation>不再显示</translation>
    </message>
</context>
<context>
    <name>foreword</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 切换配置工具</translation>
    </message>
    <message>
        <source>We recommend video resolution should not be less than 1440 x 900.</source>
        <translation>建议屏幕分辨率不低于 1440 x 900。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>frame_setting</name>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation>Seamrun 切换焦点</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>持续时间</translation>
    </message>
    <message>
        <source>3 Seconds</source>
        <translation>3 秒</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 秒</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 秒</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>始终</translation>
    </message>
</context>
<context>
    <name>keep_awake_option</name>
    <message>
        <source>Keep Awake Option</source>
        <translation>保持唤醒</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>When Working</source>
        <translation>工作时</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>始终</translation>
    </message>
</context>
<context>
    <name>key_help</name>
    <message>
        <source>On the grid</source>
        <translation>网格上</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>方向键</translation>
    </message>
    <message>
        <source>Move the cursor over the grid.</source>
        <translation>在网格上移动光标。</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Enter、空格键</translation>
    </message>
    <message>
        <source>Press the cell: place a monitor there, or select the monitor on it.</source>
        <translation>按下单元格：在此放置显示器，或选中其上的显示器。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete 键</translation>
    </message>
    <message>
        <source>Ask to delete the monitor under the cursor.</source>
        <translation>询问是否删除光标下的显示器。</translation>
    </message>
    <message>
        <source>Set the port of the monitor under the cursor.</source>
        <translation>设置光标下显示器的端口。</translation>
    </message>
    <message>
        <source>Open the port list of the monitor under the cursor.</source>
        <translation>打开光标下显示器的端口列表。</translation>
    </message>
    <message>
        <source>Open the number list of the monitor under the cursor, when its port has more than one monitor.</source>
        <translation>打开光标下显示器的编号列表（当其端口有多台显示器时）。</translation>
    </message>
    <message>
        <source>Up, Down, Enter</source>
        <translation>上、下、Enter</translation>
    </message>
    <message>
        <source>In an open list: choose an entry and take it.</source>
        <translation>在打开的列表中：选择条目并确认。</translation>
    </message>
    <message>
        <source>Go to the resolution list.</source>
        <translation>转到分辨率列表。</translation>
    </message>
    <message>
        <source>Move the monitor under the cursor to the next cell.</source>
        <translation>将光标下的显示器移到相邻的单元格。</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>撤销上一次更改。</translation>
    </message>
    <message>
        <source>Redo the change undone last.</source>
        <translation>重做上一次撤销的更改。</translation>
    </message>
    <message>
        <source>Show this list of keys.</source>
        <translation>显示此按键列表。</translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation>任何界面</translation>
    </message>
    <message>
        <source>Move between the grid, the side panel and the top bar; in a dialog, between its controls.</source>
        <translation>在网格、侧边面板和顶部栏之间移动；在对话框中，在其控件之间移动。</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Close an open list or dialog; from the resolution list, go back to the grid.</source>
        <translation>关闭打开的列表或对话框；从分辨率列表返回网格。</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Start a new layout.</source>
        <translation>新建布局。</translation>
    </message>
    <message>
        <source>Open a layout file.</source>
        <translation>打开布局文件。</translation>
    </message>
    <message>
        <source>Save the layout to a file (in the editor).</source>
        <translation>将布局保存到文件（在编辑器中）。</translation>
    </message>
    <message>
        <source>Save the layout under a new name (in the editor).</source>
        <translation>以新名称保存布局（在编辑器中）。</translation>
    </message>
    <message>
        <source>Quit the program.</source>
        <translation>退出程序。</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>%1+arrow keys</source>
        <extracomment>%1 is the Ctrl key as the language names it (Strg in German)</extracomment>
        <translation>%1+方向键</translation>
    </message>
    <message>
        <source>Place this computer&apos;s screens on its port (in the editor).</source>
        <translation>将这台电脑的屏幕放到它的端口上（在编辑器中）。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 切换配置工具</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The file is invalid.</source>
        <translation>文件无效。</translation>
    </message>
    <message>
        <source>Do you want to quit?</source>
        <translation>确定要退出吗？</translation>
    </message>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>是否要保存更改？如需保存，请在离开前保存配置。</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Before using Seamrun Switching, please turn off mouse acceleration in the operating system.</source>
        <translation>使用 Seamrun 切换前，请先在操作系统中关闭鼠标加速。</translation>
    </message>
    <message>
        <source>KM Switch Device</source>
        <translation>KM 切换器</translation>
    </message>
    <message>
        <source>OrrinKM</source>
        <translation>OrrinKM</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>从文件加载</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open recent file</source>
        <translation>最近打开的文件</translation>
    </message>
    <message>
        <source>Language setting</source>
        <translation>语言设置</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>选择模板</translation>
    </message>
    <message>
        <source>The file no longer exists. It has been removed from the recent files.</source>
        <translation>文件已不存在，已从最近打开的文件中移除。</translation>
    </message>
    <message>
        <source>Enter opens the chosen file, Delete removes it from the list.</source>
        <translation>Enter 打开所选文件，Delete 将其从列表中移除。</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>从列表中移除</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A list and one more item, as in &quot;P1, P2&quot;</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A label and its value, as in &quot;Language setting: Deutsch&quot;</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 %2 at row %3, column %4</source>
        <extracomment>A monitor a failed check points at: port, monitor number, row, column</extracomment>
        <translation>%1 %2（第 %3 行，第 %4 列）</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>A list of monitors and one more, as in &quot;P1 01 at row 2, column 3; P1 02 at row 2, column 5&quot;</extracomment>
        <translation>%1；%2</translation>
    </message>
</context>
<context>
    <name>mainWidget</name>
    <message>
        <source>Template</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>New Object</source>
        <translation>新建布局</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>加载文件</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>这台电脑的屏幕</translation>
    </message>
</context>
<context>
    <name>mouse_menu</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>鼠标加速</translation>
    </message>
    <message>
        <source>Mouse Position</source>
        <translation>鼠标位置</translation>
    </message>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation>Seamrun 切换焦点</translation>
    </message>
    <message>
        <source>Keep Awake Option</source>
        <translation>保持唤醒</translation>
    </message>
</context>
<context>
    <name>mouse_position_setting</name>
    <message>
        <source>Mouse position</source>
        <translation>鼠标位置</translation>
    </message>
    <message>
        <source>Upper left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Upper right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Lower left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Lower right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中间</translation>
    </message>
</context>
<context>
    <name>mouse_speed_setting</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>鼠标加速</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>慢</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快</translation>
    </message>
</context>
<context>
    <name>port_question</name>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>这台电脑的屏幕</translation>
    </message>
    <message>
        <source>No switch answered. Which port is this computer on?</source>
        <translation>没有切换器响应。这台电脑接在哪个端口？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>selectDialog</name>
    <message>
        <source>Please select a resolution.</source>
        <translation>请选择分辨率。</translation>
    </message>
    <message>
        <source>Please select a number.</source>
        <translation>请选择端口号。</translation>
    </message>
    <message>
        <source>Select Resolution</source>
        <translation>选择分辨率</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>template_config</name>
    <message>
        <source>Template</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>选择配置</translation>
    </message>
    <message>
        <source>The system will apply the settings to all PC port.</source>
        <translation>系统会将设置应用到所有电脑端口。</translation>
    </message>
    <message>
        <source>View other layout</source>
        <translation>查看其他布局</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>生成</translation>
    </message>
</context>
<context>
    <name>uploadKvm</name>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>扩展桌面驱动程序正在运行。请将其关闭后重新上传。</translation>
    </message>
    <message>
        <source>Device connection is not ready, Please try again.</source>
        <translation>设备连接未就绪，请重试。</translation>
    </message>
    <message>
        <source>Please check connection before saving to device.</source>
        <translation>保存到设备前，请检查连接。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>This user may not open the switch: install its udev rule (see Troubleshooting in the README), then unplug the switch and plug it in again.</source>
        <translation>此用户无权打开切换器：请安装其 udev 规则（参见 README 中的“Troubleshooting”），然后拔下切换器并重新插入。</translation>
    </message>
</context>
</TS>
