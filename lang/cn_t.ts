<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>DeletePrompt</name>
    <message>
        <source>Delete this setting.</source>
        <translation>刪除此顯示器？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
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
        <translation>沒有要儲存的資料。</translation>
    </message>
    <message>
        <source>No data to be upload.</source>
        <translation>沒有要上傳的資料。</translation>
    </message>
</context>
<context>
    <name>EditorTopBar</name>
    <message>
        <source>Home Page</source>
        <translation>首頁</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>是否要儲存變更？如需儲存，請在離開前儲存組態。</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>首頁</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Are you sure you want to create a new list without saving?</source>
        <translation>確定不儲存就建立新佈局嗎？</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>建立</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Are you sure you want to load a file without saving?</source>
        <translation>確定不儲存就載入檔案嗎？</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>載入</translation>
    </message>
    <message>
        <source>Save Profle</source>
        <translation>儲存設定檔</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>另存新檔</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 已存在。要取代它嗎？</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>取代</translation>
    </message>
    <message>
        <source>Save successfully.</source>
        <translation>儲存成功。</translation>
    </message>
    <message>
        <source>Failed to save data.</source>
        <translation>資料儲存失敗。</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>選擇檔案</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>佈局檔案 (*.km)</translation>
    </message>
    <message>
        <source>Input the file name</source>
        <translation>輸入檔案名稱</translation>
    </message>
</context>
<context>
    <name>FootControl</name>
    <message>
        <source>Copyright © 2026 %1 Peripheral Systems Co., Ltd. All rights reserved.</source>
        <translation>Copyright © 2026 %1 Peripheral Systems Co., Ltd. 版權所有。</translation>
    </message>
</context>
<context>
    <name>GridCell</name>
    <message>
        <source>No resolution</source>
        <translation>未設定解析度</translation>
    </message>
</context>
<context>
    <name>GridCursor</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>第 %1 列，第 %2 欄</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空白</translation>
    </message>
    <message>
        <source>monitor %1</source>
        <translation>顯示器 %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>marked by the check</source>
        <translation>已由檢查標示</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 切換組態工具</translation>
    </message>
</context>
<context>
    <name>LayoutPage</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>OpenFileDialog</name>
    <message>
        <source>Select a file</source>
        <translation>選擇檔案</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>佈局檔案 (*.km)</translation>
    </message>
</context>
<context>
    <name>ResolutionChoices</name>
    <message>
        <source>Select Resolution</source>
        <translation>選擇解析度</translation>
    </message>
</context>
<context>
    <name>ScreensCommand</name>
    <message>
        <source>Reading this computer&apos;s port from the switch…</source>
        <translation>正在從切換器讀取這台電腦的連接埠…</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>這台電腦的螢幕</translation>
    </message>
    <message>
        <source>%1 has monitors on the desk already. Replace them with this computer&apos;s screens?</source>
        <translation>%1 在桌面上已有顯示器。要以這台電腦的螢幕取代嗎？</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>取代</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>This computer&apos;s screens do not fit: a desk holds at most 16 monitors.</source>
        <translation>這台電腦的螢幕放不下：一個桌面最多 16 台顯示器。</translation>
    </message>
    <message>
        <source>There is no free area on the grid for this computer&apos;s screens.</source>
        <translation>格線上沒有可放這台電腦螢幕的空位。</translation>
    </message>
    <message>
        <source>Choose the port and resolution of every monitor first.</source>
        <translation>請先為每台顯示器選擇連接埠和解析度。</translation>
    </message>
    <message>
        <source>The desktop reports no screens.</source>
        <translation>桌面未回報任何螢幕。</translation>
    </message>
    <message>
        <source>This computer&apos;s screens could not be placed.</source>
        <translation>無法放置這台電腦的螢幕。</translation>
    </message>
</context>
<context>
    <name>SettingsFrame</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>Ratio</source>
        <translation>縮放比例</translation>
    </message>
    <message>
        <source>Screen Orientation</source>
        <translation>顯示器方向</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>橫向</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>直向</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解析度</translation>
    </message>
    <message>
        <source>Status List</source>
        <translation>連接埠狀態</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>主切換器</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>副切換器</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Save to local</source>
        <translation>儲存到本機</translation>
    </message>
    <message>
        <source>Save to device</source>
        <translation>儲存到裝置</translation>
    </message>
</context>
<context>
    <name>SwitchStatusLine</name>
    <message>
        <source>Connected</source>
        <translation>已連線</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未連線</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>韌體 %1</translation>
    </message>
    <message>
        <source>1 switch</source>
        <translation>1 台切換器</translation>
    </message>
    <message>
        <source>2 switches chained</source>
        <translation>2 台切換器串接</translation>
    </message>
    <message>
        <source>No access: udev rule missing</source>
        <translation>無存取權限：缺少 udev 規則</translation>
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
        <translation>新增空白畫布</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>選擇範本</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>Arial</source>
        <comment>font families of this language, first installed wins</comment>
        <translation>Noto Sans CJK TC,Microsoft JhengHei UI,Microsoft JhengHei,Arial</translation>
    </message>
</context>
<context>
    <name>UploadFlow</name>
    <message>
        <source>Failed to upload data.</source>
        <translation>資料上傳失敗。</translation>
    </message>
    <message>
        <source>To save and apply the layout configuration to OrrinKM, please connect your computer to the Primary OrrinKM device.</source>
        <translation>若要將佈局組態儲存並套用到 OrrinKM，請將電腦連接到主 OrrinKM 切換器。</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>儲存失敗！</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. We save port 1-4 monitor layout only. Do you want to continue?</source>
        <translation>僅連接了一台 OrrinKM。將只儲存連接埠 1-4 的顯示器佈局。是否繼續？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. Please set port number between P1 to P4.</source>
        <translation>僅連接了一台 OrrinKM。請將連接埠設定在 P1 到 P4 之間。</translation>
    </message>
    <message>
        <source>Save to device successfully.</source>
        <translation>已成功儲存到裝置。</translation>
    </message>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>延伸桌面驅動程式正在執行。請將其關閉後重新上傳。</translation>
    </message>
</context>
<context>
    <name>about_control</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 切換組態工具</translation>
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
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>alert_dialog_control</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>aprunned</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 切換組態工具</translation>
    </message>
    <message>
        <source>AP is running.</source>
        <translation>程式已在執行中。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>edit_page_error1</name>
    <message>
        <source>File can not be saved</source>
        <translation>無法儲存檔案</translation>
    </message>
    <message>
        <source>Current configuration of @ is not set in a rectangular shape. Please adjust it and save again.</source>
        <translation>@ 的目前組態不是矩形。請調整後重新儲存。</translation>
    </message>
</context>
<context>
    <name>edit_page_error2</name>
    <message>
        <source>File can not be saved</source>
        <translation>無法儲存檔案</translation>
    </message>
    <message>
        <source>Current configuration contains blank area among the blocks. Please adjust it and save again.</source>
        <translation>目前組態的顯示器之間有空白區域。請調整後重新儲存。</translation>
    </message>
</context>
<context>
    <name>edit_page_error3</name>
    <message>
        <source>File can not be saved</source>
        <translation>無法儲存檔案</translation>
    </message>
    <message>
        <source>Screens that configured to @ are not set in the same resolution. Please adjust it and save again.</source>
        <translation>設定到 @ 的顯示器解析度不一致。請調整後重新儲存。</translation>
    </message>
</context>
<context>
    <name>edit_page_tutorial</name>
    <message>
        <source>Tutorial</source>
        <translation>教學</translation>
    </message>
    <message>
        <source>Reminder: The configuration of particular port is required to set in a rectangular shape.</source>
        <translation>提醒：每個連接埠的組態都必須設定為矩形。</translation>
    </message>
    <message>
        <source>The layout of P1 is not in a rectangular shape.</source>
        <translation>P1 的佈局不是矩形。</translation>
    </message>
    <message>
        <source>The layout of P1 is divided into two separate rectangles.</source>
        <translation>P1 的佈局被分成兩個獨立的矩形。</translation>
    </message>
    <message>
        <source>Don&apos;t show this again.</source>
        <translation>不再顯示</translation>
    </message>
</context>
<context>
    <name>foreword</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 切換組態工具</translation>
    </message>
    <message>
        <source>We recommend video resolution should not be less than 1440 x 900.</source>
        <translation>建議螢幕解析度不低於 1440 x 900。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>frame_setting</name>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation>Seamrun 切換焦點</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>持續時間</translation>
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
        <translation>始終</translation>
    </message>
</context>
<context>
    <name>keep_awake_option</name>
    <message>
        <source>Keep Awake Option</source>
        <translation>保持喚醒</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>When Working</source>
        <translation>工作時</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>始終</translation>
    </message>
</context>
<context>
    <name>key_help</name>
    <message>
        <source>On the grid</source>
        <translation>格線上</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>方向鍵</translation>
    </message>
    <message>
        <source>Move the cursor over the grid.</source>
        <translation>在格線上移動游標。</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Enter、空白鍵</translation>
    </message>
    <message>
        <source>Press the cell: place a monitor there, or select the monitor on it.</source>
        <translation>按下儲存格：在此放置顯示器，或選取其上的顯示器。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete 鍵</translation>
    </message>
    <message>
        <source>Ask to delete the monitor under the cursor.</source>
        <translation>詢問是否刪除游標下的顯示器。</translation>
    </message>
    <message>
        <source>Set the port of the monitor under the cursor.</source>
        <translation>設定游標下顯示器的連接埠。</translation>
    </message>
    <message>
        <source>Open the port list of the monitor under the cursor.</source>
        <translation>開啟游標下顯示器的連接埠清單。</translation>
    </message>
    <message>
        <source>Open the number list of the monitor under the cursor, when its port has more than one monitor.</source>
        <translation>開啟游標下顯示器的編號清單（當其連接埠有多台顯示器時）。</translation>
    </message>
    <message>
        <source>Up, Down, Enter</source>
        <translation>上、下、Enter</translation>
    </message>
    <message>
        <source>In an open list: choose an entry and take it.</source>
        <translation>在開啟的清單中：選擇項目並套用。</translation>
    </message>
    <message>
        <source>Go to the resolution list.</source>
        <translation>前往解析度清單。</translation>
    </message>
    <message>
        <source>Move the monitor under the cursor to the next cell.</source>
        <translation>將游標下的顯示器移到相鄰的儲存格。</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>復原上一個變更。</translation>
    </message>
    <message>
        <source>Redo the change undone last.</source>
        <translation>重做上一個復原的變更。</translation>
    </message>
    <message>
        <source>Show this list of keys.</source>
        <translation>顯示此按鍵清單。</translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation>任何畫面</translation>
    </message>
    <message>
        <source>Move between the grid, the side panel and the top bar; in a dialog, between its controls.</source>
        <translation>在格線、側邊面板與頂端列之間移動；在對話方塊中，於其控制項之間移動。</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Close an open list or dialog; from the resolution list, go back to the grid.</source>
        <translation>關閉開啟的清單或對話方塊；從解析度清單返回格線。</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Start a new layout.</source>
        <translation>建立新佈局。</translation>
    </message>
    <message>
        <source>Open a layout file.</source>
        <translation>開啟佈局檔案。</translation>
    </message>
    <message>
        <source>Save the layout to a file (in the editor).</source>
        <translation>將佈局儲存到檔案（在編輯器中）。</translation>
    </message>
    <message>
        <source>Save the layout under a new name (in the editor).</source>
        <translation>以新名稱儲存佈局（在編輯器中）。</translation>
    </message>
    <message>
        <source>Quit the program.</source>
        <translation>結束程式。</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>鍵盤</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>%1+arrow keys</source>
        <extracomment>%1 is the Ctrl key as the language names it (Strg in German)</extracomment>
        <translation>%1+方向鍵</translation>
    </message>
    <message>
        <source>Place this computer&apos;s screens on its port (in the editor).</source>
        <translation>將這台電腦的螢幕放在它的連接埠上（在編輯器中）。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 切換組態工具</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The file is invalid.</source>
        <translation>檔案無效。</translation>
    </message>
    <message>
        <source>Do you want to quit?</source>
        <translation>確定要結束嗎？</translation>
    </message>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>是否要儲存變更？如需儲存，請在離開前儲存組態。</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Before using Seamrun Switching, please turn off mouse acceleration in the operating system.</source>
        <translation>使用 Seamrun 切換前，請先在作業系統中關閉滑鼠加速。</translation>
    </message>
    <message>
        <source>KM Switch Device</source>
        <translation>KM 切換器</translation>
    </message>
    <message>
        <source>OrrinKM</source>
        <translation>OrrinKM</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>從檔案載入</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Open recent file</source>
        <translation>最近開啟的檔案</translation>
    </message>
    <message>
        <source>Language setting</source>
        <translation>語言設定</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>選擇範本</translation>
    </message>
    <message>
        <source>The file no longer exists. It has been removed from the recent files.</source>
        <translation>檔案已不存在，已從最近開啟的檔案中移除。</translation>
    </message>
    <message>
        <source>Enter opens the chosen file, Delete removes it from the list.</source>
        <translation>Enter 開啟選取的檔案，Delete 將其從清單中移除。</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>找不到</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>從清單中移除</translation>
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
        <translation>%1 %2（第 %3 列，第 %4 欄）</translation>
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
        <translation>範本</translation>
    </message>
    <message>
        <source>New Object</source>
        <translation>新佈局</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>載入檔案</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>另存新檔</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>這台電腦的螢幕</translation>
    </message>
</context>
<context>
    <name>mouse_menu</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>滑鼠加速</translation>
    </message>
    <message>
        <source>Mouse Position</source>
        <translation>滑鼠位置</translation>
    </message>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation>Seamrun 切換焦點</translation>
    </message>
    <message>
        <source>Keep Awake Option</source>
        <translation>保持喚醒</translation>
    </message>
</context>
<context>
    <name>mouse_position_setting</name>
    <message>
        <source>Mouse position</source>
        <translation>滑鼠位置</translation>
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
        <translation>中間</translation>
    </message>
</context>
<context>
    <name>mouse_speed_setting</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>滑鼠加速</translation>
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
        <translation>這台電腦的螢幕</translation>
    </message>
    <message>
        <source>No switch answered. Which port is this computer on?</source>
        <translation>沒有切換器回應。這台電腦接在哪個連接埠？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>selectDialog</name>
    <message>
        <source>Please select a resolution.</source>
        <translation>請選擇解析度。</translation>
    </message>
    <message>
        <source>Please select a number.</source>
        <translation>請選擇連接埠編號。</translation>
    </message>
    <message>
        <source>Select Resolution</source>
        <translation>選擇解析度</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>template_config</name>
    <message>
        <source>Template</source>
        <translation>範本</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>選擇組態</translation>
    </message>
    <message>
        <source>The system will apply the settings to all PC port.</source>
        <translation>系統會將設定套用到所有電腦連接埠。</translation>
    </message>
    <message>
        <source>View other layout</source>
        <translation>檢視其他佈局</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>建立</translation>
    </message>
</context>
<context>
    <name>uploadKvm</name>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>延伸桌面驅動程式正在執行。請將其關閉後重新上傳。</translation>
    </message>
    <message>
        <source>Device connection is not ready, Please try again.</source>
        <translation>裝置連線尚未就緒，請再試一次。</translation>
    </message>
    <message>
        <source>Please check connection before saving to device.</source>
        <translation>儲存到裝置前，請檢查連線。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>This user may not open the switch: install its udev rule (see Troubleshooting in the README), then unplug the switch and plug it in again.</source>
        <translation>此使用者無權開啟切換器：請安裝其 udev 規則（參閱 README 的「Troubleshooting」），然後拔下切換器再重新插入。</translation>
    </message>
</context>
</TS>
