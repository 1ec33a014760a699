<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>DeletePrompt</name>
    <message>
        <source>Delete this setting.</source>
        <translation>このモニターを削除しますか？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DeskChecks</name>
    <message>
        <source>No data to be saved.</source>
        <translation>保存するデータがありません。</translation>
    </message>
    <message>
        <source>No data to be upload.</source>
        <translation>アップロードするデータがありません。</translation>
    </message>
</context>
<context>
    <name>EditorTopBar</name>
    <message>
        <source>Home Page</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
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
        <translation>変更を保存しますか？保存する場合は、終了する前に構成を保存してください。</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure you want to create a new list without saving?</source>
        <translation>保存せずに新しいレイアウトを作成しますか？</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Are you sure you want to load a file without saving?</source>
        <translation>保存せずにファイルを読み込みますか？</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>読み込む</translation>
    </message>
    <message>
        <source>Save Profle</source>
        <translation>プロファイルの保存</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 は既に存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換える</translation>
    </message>
    <message>
        <source>Save successfully.</source>
        <translation>保存しました。</translation>
    </message>
    <message>
        <source>Failed to save data.</source>
        <translation>データの保存に失敗しました。</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>レイアウト ファイル (*.km)</translation>
    </message>
    <message>
        <source>Input the file name</source>
        <translation>ファイル名を入力</translation>
    </message>
</context>
<context>
    <name>FootControl</name>
    <message>
        <source>Copyright © 2026 %1 Peripheral Systems Co., Ltd. All rights reserved.</source>
        <translation>Copyright © 2026 %1 Peripheral Systems Co., Ltd. 無断転載を禁じます。</translation>
    </message>
</context>
<context>
    <name>GridCell</name>
    <message>
        <source>No resolution</source>
        <translation>解像度未設定</translation>
    </message>
</context>
<context>
    <name>GridCursor</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>%1 行目、%2 列目</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>monitor %1</source>
        <translation>モニター %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>marked by the check</source>
        <translation>チェックで指摘</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 切替設定ユーティリティ</translation>
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
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>レイアウト ファイル (*.km)</translation>
    </message>
</context>
<context>
    <name>ResolutionChoices</name>
    <message>
        <source>Select Resolution</source>
        <translation>解像度を選択</translation>
    </message>
</context>
<context>
    <name>ScreensCommand</name>
    <message>
        <source>Reading this computer&apos;s port from the switch…</source>
        <translation>切替器からこのコンピューターのポートを読み取っています…</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>このコンピューターの画面</translation>
    </message>
    <message>
        <source>%1 has monitors on the desk already. Replace them with this computer&apos;s screens?</source>
        <translation>%1 にはすでにモニターがあります。このコンピューターの画面に置き換えますか？</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換える</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>This computer&apos;s screens do not fit: a desk holds at most 16 monitors.</source>
        <translation>このコンピューターの画面は入りません。モニターは最大 16 台です。</translation>
    </message>
    <message>
        <source>There is no free area on the grid for this computer&apos;s screens.</source>
        <translation>グリッドにこのコンピューターの画面を置く空きがありません。</translation>
    </message>
    <message>
        <source>Choose the port and resolution of every monitor first.</source>
        <translation>先にすべてのモニターのポートと解像度を選んでください。</translation>
    </message>
    <message>
        <source>The desktop reports no screens.</source>
        <translation>デスクトップが画面を報告していません。</translation>
    </message>
    <message>
        <source>This computer&apos;s screens could not be placed.</source>
        <translation>このコンピューターの画面を配置できませんでした。</translation>
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
        <translation>表示倍率</translation>
    </message>
    <message>
        <source>Screen Orientation</source>
        <translation>モニターの向き</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>横向き</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>縦向き</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>Status List</source>
        <translation>ポートの状態</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>プライマリ</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>セカンダリ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Save to local</source>
        <translation>ローカルに保存</translation>
    </message>
    <message>
        <source>Save to device</source>
        <translation>デバイスに保存</translation>
    </message>
</context>
<context>
    <name>SwitchStatusLine</name>
    <message>
        <source>Connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>ファームウェア %1</translation>
    </message>
    <message>
        <source>1 switch</source>
        <translation>切替器 1 台</translation>
    </message>
    <message>
        <source>2 switches chained</source>
        <translation>切替器 2 台を連結</translation>
    </message>
    <message>
        <source>No access: udev rule missing</source>
        <translation>アクセス権なし：udev ルールがありません</translation>
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
        <translation>空白のキャンバスを追加</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>テンプレートの選択</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>Arial</source>
        <comment>font families of this language, first installed wins</comment>
        <translation>Noto Sans CJK JP,Yu Gothic UI,Meiryo UI,Meiryo,Arial</translation>
    </message>
</context>
<context>
    <name>UploadFlow</name>
    <message>
        <source>Failed to upload data.</source>
        <translation>データのアップロードに失敗しました。</translation>
    </message>
    <message>
        <source>To save and apply the layout configuration to OrrinKM, please connect your computer to the Primary OrrinKM device.</source>
        <translation>レイアウト構成を OrrinKM に保存して適用するには、コンピューターをプライマリ OrrinKM 切替器に接続してください。</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>保存に失敗しました</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. We save port 1-4 monitor layout only. Do you want to continue?</source>
        <translation>接続されている OrrinKM は 1 台だけです。ポート 1-4 のモニター レイアウトのみ保存します。続行しますか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. Please set port number between P1 to P4.</source>
        <translation>接続されている OrrinKM は 1 台だけです。ポートは P1 から P4 の範囲で設定してください。</translation>
    </message>
    <message>
        <source>Save to device successfully.</source>
        <translation>デバイスに保存しました。</translation>
    </message>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>拡張デスクトップ ドライバーが実行中です。終了してから、もう一度アップロードしてください。</translation>
    </message>
</context>
<context>
    <name>about_control</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 切替設定ユーティリティ</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
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
        <translation>Seamrun 切替設定ユーティリティ</translation>
    </message>
    <message>
        <source>AP is running.</source>
        <translation>アプリケーションは既に実行中です。</translation>
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
        <translation>ファイルを保存できません</translation>
    </message>
    <message>
        <source>Current configuration of @ is not set in a rectangular shape. Please adjust it and save again.</source>
        <translation>@ の現在の構成が長方形になっていません。調整してから、もう一度保存してください。</translation>
    </message>
</context>
<context>
    <name>edit_page_error2</name>
    <message>
        <source>File can not be saved</source>
        <translation>ファイルを保存できません</translation>
    </message>
    <message>
        <source>Current configuration contains blank area among the blocks. Please adjust it and save again.</source>
        <translation>現在の構成では、モニターの間に空白があります。調整してから、もう一度保存してください。</translation>
    </message>
</context>
<context>
    <name>edit_page_error3</name>
    <message>
        <source>File can not be saved</source>
        <translation>ファイルを保存できません</translation>
    </message>
    <message>
        <source>Screens that configured to @ are not set in the same resolution. Please adjust it and save again.</source>
        <translation>@ に設定されたモニターの解像度が一致していません。調整してから、もう一度保存してください。</translation>
    </message>
</context>
<context>
    <name>edit_page_tutorial</name>
    <message>
        <source>Tutorial</source>
        <translation>チュートリアル</translation>
    </message>
    <message>
        <source>Reminder: The configuration of particular port is required to set in a rectangular shape.</source>
        <translation>注意: 各ポートの構成は長方形になるように設定する必要があります。</translation>
    </message>
    <message>
        <source>The layout of P1 is not in a rectangular shape.</source>
        <translation>P1 のレイアウトが長方形ではありません。</translation>
    </message>
    <message>
        <source>The layout of P1 is divided into two separate rectangles.</source>
        <translation>P1 のレイアウトが 2 つの長方形に分かれています。</translation>
    </message>
    <message>
        <source>Don&apos;t show this again.</source>
        <translation>今後表示しない</translation>
    </message>
</context>
<context>
    <name>foreword</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 切替設定ユーティリティ</translation>
    </message>
    <message>
        <source>We recommend video resolution should not be less than 1440 x 900.</source>
        <translation>1440 x 900 以上の画面解像度をお勧めします。</translation>
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
        <translation>Seamrun 切替フォーカス</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>表示時間</translation>
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
        <translation>常に</translation>
    </message>
</context>
<context>
    <name>keep_awake_option</name>
    <message>
        <source>Keep Awake Option</source>
        <translation>スリープ防止</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>When Working</source>
        <translation>作業中</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>常に</translation>
    </message>
</context>
<context>
    <name>key_help</name>
    <message>
        <source>On the grid</source>
        <translation>グリッド上</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>矢印キー</translation>
    </message>
    <message>
        <source>Move the cursor over the grid.</source>
        <translation>グリッド上でカーソルを移動します。</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Enter、スペース</translation>
    </message>
    <message>
        <source>Press the cell: place a monitor there, or select the monitor on it.</source>
        <translation>セルを押します：モニターを配置するか、そこにあるモニターを選択します。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Ask to delete the monitor under the cursor.</source>
        <translation>カーソル位置のモニターを削除するか確認します。</translation>
    </message>
    <message>
        <source>Set the port of the monitor under the cursor.</source>
        <translation>カーソル位置のモニターのポートを設定します。</translation>
    </message>
    <message>
        <source>Open the port list of the monitor under the cursor.</source>
        <translation>カーソル位置のモニターのポート一覧を開きます。</translation>
    </message>
    <message>
        <source>Open the number list of the monitor under the cursor, when its port has more than one monitor.</source>
        <translation>カーソル位置のモニターの番号一覧を開きます（そのポートに複数のモニターがある場合）。</translation>
    </message>
    <message>
        <source>Up, Down, Enter</source>
        <translation>↑、↓、Enter</translation>
    </message>
    <message>
        <source>In an open list: choose an entry and take it.</source>
        <translation>開いている一覧で：項目を選んで確定します。</translation>
    </message>
    <message>
        <source>Go to the resolution list.</source>
        <translation>解像度一覧へ移動します。</translation>
    </message>
    <message>
        <source>Move the monitor under the cursor to the next cell.</source>
        <translation>カーソル位置のモニターを隣のセルへ移動します。</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>直前の変更を元に戻します。</translation>
    </message>
    <message>
        <source>Redo the change undone last.</source>
        <translation>元に戻した変更をやり直します。</translation>
    </message>
    <message>
        <source>Show this list of keys.</source>
        <translation>このキー一覧を表示します。</translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation>どこでも</translation>
    </message>
    <message>
        <source>Move between the grid, the side panel and the top bar; in a dialog, between its controls.</source>
        <translation>グリッド、サイドパネル、上部バーの間を移動します。ダイアログでは、その操作部品の間を移動します。</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Close an open list or dialog; from the resolution list, go back to the grid.</source>
        <translation>開いている一覧やダイアログを閉じます。解像度一覧からはグリッドに戻ります。</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Start a new layout.</source>
        <translation>新しいレイアウトを作成します。</translation>
    </message>
    <message>
        <source>Open a layout file.</source>
        <translation>レイアウトファイルを開きます。</translation>
    </message>
    <message>
        <source>Save the layout to a file (in the editor).</source>
        <translation>レイアウトをファイルに保存します（エディター内）。</translation>
    </message>
    <message>
        <source>Save the layout under a new name (in the editor).</source>
        <translation>レイアウトを別名で保存します（エディター内）。</translation>
    </message>
    <message>
        <source>Quit the program.</source>
        <translation>プログラムを終了します。</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1+arrow keys</source>
        <extracomment>%1 is the Ctrl key as the language names it (Strg in German)</extracomment>
        <translation>%1+矢印キー</translation>
    </message>
    <message>
        <source>Place this computer&apos;s screens on its port (in the editor).</source>
        <translation>このコンピューターの画面をそのポートに配置します（エディター内）。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 切替設定ユーティリティ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The file is invalid.</source>
        <translation>無効なファイルです。</translation>
    </message>
    <message>
        <source>Do you want to quit?</source>
        <translation>終了しますか？</translation>
    </message>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>変更を保存しますか？保存する場合は、終了する前に構成を保存してください。</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Before using Seamrun Switching, please turn off mouse acceleration in the operating system.</source>
        <translation>Seamrun 切替を使用する前に、オペレーティング システムでマウスの加速をオフにしてください。</translation>
    </message>
    <message>
        <source>KM Switch Device</source>
        <translation>KM 切替器</translation>
    </message>
    <message>
        <source>OrrinKM</source>
        <translation>OrrinKM</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>ファイルから読み込む</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open recent file</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>Language setting</source>
        <translation>言語設定</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>テンプレートの選択</translation>
    </message>
    <message>
        <source>The file no longer exists. It has been removed from the recent files.</source>
        <translation>ファイルはもう存在しません。最近使ったファイルから削除しました。</translation>
    </message>
    <message>
        <source>Enter opens the chosen file, Delete removes it from the list.</source>
        <translation>Enter で選択したファイルを開き、Delete で一覧から削除します。</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>一覧から削除</translation>
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
        <translation>%1 %2（%3 行目、%4 列目）</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>A list of monitors and one more, as in &quot;P1 01 at row 2, column 3; P1 02 at row 2, column 5&quot;</extracomment>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>mainWidget</name>
    <message>
        <source>Template</source>
        <translation>テンプレート</translation>
    </message>
    <message>
        <source>New Object</source>
        <translation>新しいレイアウト</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>このコンピューターの画面</translation>
    </message>
</context>
<context>
    <name>mouse_menu</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>マウスの加速</translation>
    </message>
    <message>
        <source>Mouse Position</source>
        <translation>マウスの位置</translation>
    </message>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation>Seamrun 切替フォーカス</translation>
    </message>
    <message>
        <source>Keep Awake Option</source>
        <translation>スリープ防止</translation>
    </message>
</context>
<context>
    <name>mouse_position_setting</name>
    <message>
        <source>Mouse position</source>
        <translation>マウスの位置</translation>
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
        <translation>中央</translation>
    </message>
</context>
<context>
    <name>mouse_speed_setting</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>マウスの加速</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>遅い</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>速い</translation>
    </message>
</context>
<context>
    <name>port_question</name>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>このコンピューターの画面</translation>
    </message>
    <message>
        <source>No switch answered. Which port is this computer on?</source>
        <translation>切替器から応答がありません。このコンピューターはどのポートに接続されていますか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>解像度を選択してください。</translation>
    </message>
    <message>
        <source>Please select a number.</source>
        <translation>ポート番号を選択してください。</translation>
    </message>
    <message>
        <source>Select Resolution</source>
        <translation>解像度を選択</translation>
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
        <translation>テンプレート</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>構成の選択</translation>
    </message>
    <message>
        <source>The system will apply the settings to all PC port.</source>
        <translation>設定はすべての PC ポートに適用されます。</translation>
    </message>
    <message>
        <source>View other layout</source>
        <translation>他のレイアウトを見る</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>作成</translation>
    </message>
</context>
<context>
    <name>uploadKvm</name>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>拡張デスクトップ ドライバーが実行中です。終了してから、もう一度アップロードしてください。</translation>
    </message>
    <message>
        <source>Device connection is not ready, Please try again.</source>
        <translation>デバイスの接続の準備ができていません。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Please check connection before saving to device.</source>
        <translation>デバイスに保存する前に接続を確認してください。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>This user may not open the switch: install its udev rule (see Troubleshooting in the README), then unplug the switch and plug it in again.</source>
        <translation>このユーザーには切替器を開く権限がありません。udev ルールをインストールし（README の「Troubleshooting」を参照）、切替器を抜いてから再び差し込んでください。</translation>
    </message>
</context>
</TS>
