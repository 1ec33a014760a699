<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>DeletePrompt</name>
    <message>
        <source>Delete this setting.</source>
        <translation>이 모니터를 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DeskChecks</name>
    <message>
        <source>No data to be saved.</source>
        <translation>저장할 데이터가 없습니다.</translation>
    </message>
    <message>
        <source>No data to be upload.</source>
        <translation>업로드할 데이터가 없습니다.</translation>
    </message>
</context>
<context>
    <name>EditorTopBar</name>
    <message>
        <source>Home Page</source>
        <translation>홈</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>변경 내용을 저장하시겠습니까? 저장하려면 나가기 전에 구성을 저장하십시오.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>홈</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Are you sure you want to create a new list without saving?</source>
        <translation>저장하지 않고 새 레이아웃을 만드시겠습니까?</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>만들기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Are you sure you want to load a file without saving?</source>
        <translation>저장하지 않고 파일을 불러오시겠습니까?</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>불러오기</translation>
    </message>
    <message>
        <source>Save Profle</source>
        <translation>프로필 저장</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1이(가) 이미 있습니다. 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>바꾸기</translation>
    </message>
    <message>
        <source>Save successfully.</source>
        <translation>저장했습니다.</translation>
    </message>
    <message>
        <source>Failed to save data.</source>
        <translation>데이터를 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>파일 선택</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>레이아웃 파일 (*.km)</translation>
    </message>
    <message>
        <source>Input the file name</source>
        <translation>파일 이름 입력</translation>
    </message>
</context>
<context>
    <name>FootControl</name>
    <message>
        <source>Copyright © 2026 %1 Peripheral Systems Co., Ltd. All rights reserved.</source>
        <translation>Copyright © 2026 %1 Peripheral Systems Co., Ltd. 모든 권리 보유.</translation>
    </message>
</context>
<context>
    <name>GridCell</name>
    <message>
        <source>No resolution</source>
        <translation>해상도 없음</translation>
    </message>
</context>
<context>
    <name>GridCursor</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>%1행, %2열</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>비어 있음</translation>
    </message>
    <message>
        <source>monitor %1</source>
        <translation>모니터 %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>marked by the check</source>
        <translation>검사에서 표시됨</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 전환 구성 유틸리티</translation>
    </message>
</context>
<context>
    <name>LayoutPage</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>OpenFileDialog</name>
    <message>
        <source>Select a file</source>
        <translation>파일 선택</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>레이아웃 파일 (*.km)</translation>
    </message>
</context>
<context>
    <name>ResolutionChoices</name>
    <message>
        <source>Select Resolution</source>
        <translation>해상도 선택</translation>
    </message>
</context>
<context>
    <name>ScreensCommand</name>
    <message>
        <source>Reading this computer&apos;s port from the switch…</source>
        <translation>스위치에서 이 컴퓨터의 포트를 읽는 중…</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>이 컴퓨터의 화면</translation>
    </message>
    <message>
        <source>%1 has monitors on the desk already. Replace them with this computer&apos;s screens?</source>
        <translation>%1에 이미 모니터가 있습니다. 이 컴퓨터의 화면으로 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>바꾸기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>This computer&apos;s screens do not fit: a desk holds at most 16 monitors.</source>
        <translation>이 컴퓨터의 화면이 들어가지 않습니다. 모니터는 최대 16대입니다.</translation>
    </message>
    <message>
        <source>There is no free area on the grid for this computer&apos;s screens.</source>
        <translation>그리드에 이 컴퓨터의 화면을 놓을 빈 곳이 없습니다.</translation>
    </message>
    <message>
        <source>Choose the port and resolution of every monitor first.</source>
        <translation>먼저 모든 모니터의 포트와 해상도를 선택하십시오.</translation>
    </message>
    <message>
        <source>The desktop reports no screens.</source>
        <translation>데스크톱이 화면을 보고하지 않습니다.</translation>
    </message>
    <message>
        <source>This computer&apos;s screens could not be placed.</source>
        <translation>이 컴퓨터의 화면을 배치할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>SettingsFrame</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>Ratio</source>
        <translation>배율</translation>
    </message>
    <message>
        <source>Screen Orientation</source>
        <translation>모니터 방향</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>가로</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>세로</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>해상도</translation>
    </message>
    <message>
        <source>Status List</source>
        <translation>포트 상태</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>기본</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>보조</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Save to local</source>
        <translation>로컬에 저장</translation>
    </message>
    <message>
        <source>Save to device</source>
        <translation>장치에 저장</translation>
    </message>
</context>
<context>
    <name>SwitchStatusLine</name>
    <message>
        <source>Connected</source>
        <translation>연결됨</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>연결 안 됨</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>펌웨어 %1</translation>
    </message>
    <message>
        <source>1 switch</source>
        <translation>스위치 1대</translation>
    </message>
    <message>
        <source>2 switches chained</source>
        <translation>스위치 2대 직렬 연결</translation>
    </message>
    <message>
        <source>No access: udev rule missing</source>
        <translation>접근 권한 없음: udev 규칙 없음</translation>
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
        <translation>빈 캔버스 추가</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>템플릿 선택</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>Arial</source>
        <comment>font families of this language, first installed wins</comment>
        <translation>Noto Sans CJK KR,Malgun Gothic,Arial</translation>
    </message>
</context>
<context>
    <name>UploadFlow</name>
    <message>
        <source>Failed to upload data.</source>
        <translation>데이터를 업로드하지 못했습니다.</translation>
    </message>
    <message>
        <source>To save and apply the layout configuration to OrrinKM, please connect your computer to the Primary OrrinKM device.</source>
        <translation>레이아웃 구성을 OrrinKM에 저장하고 적용하려면 컴퓨터를 기본 OrrinKM 스위치에 연결하십시오.</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>저장 실패</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. We save port 1-4 monitor layout only. Do you want to continue?</source>
        <translation>OrrinKM이 한 대만 연결되어 있습니다. 포트 1-4의 모니터 레이아웃만 저장됩니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. Please set port number between P1 to P4.</source>
        <translation>OrrinKM이 한 대만 연결되어 있습니다. 포트를 P1에서 P4 사이로 설정하십시오.</translation>
    </message>
    <message>
        <source>Save to device successfully.</source>
        <translation>장치에 저장했습니다.</translation>
    </message>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>확장 데스크톱 드라이버가 실행 중입니다. 종료한 후 다시 업로드하십시오.</translation>
    </message>
</context>
<context>
    <name>about_control</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 전환 구성 유틸리티</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
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
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>alert_dialog_control</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>aprunned</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 전환 구성 유틸리티</translation>
    </message>
    <message>
        <source>AP is running.</source>
        <translation>프로그램이 이미 실행 중입니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>edit_page_error1</name>
    <message>
        <source>File can not be saved</source>
        <translation>파일을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>Current configuration of @ is not set in a rectangular shape. Please adjust it and save again.</source>
        <translation>@의 현재 구성이 직사각형 모양이 아닙니다. 조정한 후 다시 저장하십시오.</translation>
    </message>
</context>
<context>
    <name>edit_page_error2</name>
    <message>
        <source>File can not be saved</source>
        <translation>파일을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>Current configuration contains blank area among the blocks. Please adjust it and save again.</source>
        <translation>현재 구성에서 모니터 사이에 빈 공간이 있습니다. 조정한 후 다시 저장하십시오.</translation>
    </message>
</context>
<context>
    <name>edit_page_error3</name>
    <message>
        <source>File can not be saved</source>
        <translation>파일을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>Screens that configured to @ are not set in the same resolution. Please adjust it and save again.</source>
        <translation>@에 설정된 모니터의 해상도가 서로 다릅니다. 조정한 후 다시 저장하십시오.</translation>
    </message>
</context>
<context>
    <name>edit_page_tutorial</name>
    <message>
        <source>Tutorial</source>
        <translation>튜토리얼</translation>
    </message>
    <message>
        <source>Reminder: The configuration of particular port is required to set in a rectangular shape.</source>
        <translation>알림: 각 포트의 구성은 직사각형 모양으로 설정해야 합니다.</translation>
    </message>
    <message>
        <source>The layout of P1 is not in a rectangular shape.</source>
        <translation>P1의 레이아웃이 직사각형이 아닙니다.</translation>
    </message>
    <message>
        <source>The layout of P1 is divided into two separate rectangles.</source>
        <translation>P1의 레이아웃이 두 개의 직사각형으로 나뉘어 있습니다.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again.</source>
        <translation>다시 표시하지 않음</translation>
    </message>
</context>
<context>
    <name>foreword</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 전환 구성 유틸리티</translation>
    </message>
    <message>
        <source>We recommend video resolution should not be less than 1440 x 900.</source>
        <translation>1440 x 900 이상의 화면 해상도를 권장합니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>frame_setting</name>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation>Seamrun 전환 포커스</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>지속 시간</translation>
    </message>
    <message>
        <source>3 Seconds</source>
        <translation>3초</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5초</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10초</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>항상</translation>
    </message>
</context>
<context>
    <name>keep_awake_option</name>
    <message>
        <source>Keep Awake Option</source>
        <translation>절전 방지</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끔</translation>
    </message>
    <message>
        <source>When Working</source>
        <translation>작업 중</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>항상</translation>
    </message>
</context>
<context>
    <name>key_help</name>
    <message>
        <source>On the grid</source>
        <translation>그리드에서</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>화살표 키</translation>
    </message>
    <message>
        <source>Move the cursor over the grid.</source>
        <translation>그리드에서 커서를 이동합니다.</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Enter, 스페이스</translation>
    </message>
    <message>
        <source>Press the cell: place a monitor there, or select the monitor on it.</source>
        <translation>셀을 누릅니다: 모니터를 배치하거나 그 위의 모니터를 선택합니다.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Ask to delete the monitor under the cursor.</source>
        <translation>커서 아래 모니터를 삭제할지 묻습니다.</translation>
    </message>
    <message>
        <source>Set the port of the monitor under the cursor.</source>
        <translation>커서 아래 모니터의 포트를 설정합니다.</translation>
    </message>
    <message>
        <source>Open the port list of the monitor under the cursor.</source>
        <translation>커서 아래 모니터의 포트 목록을 엽니다.</translation>
    </message>
    <message>
        <source>Open the number list of the monitor under the cursor, when its port has more than one monitor.</source>
        <translation>커서 아래 모니터의 번호 목록을 엽니다(해당 포트에 모니터가 둘 이상일 때).</translation>
    </message>
    <message>
        <source>Up, Down, Enter</source>
        <translation>위, 아래, Enter</translation>
    </message>
    <message>
        <source>In an open list: choose an entry and take it.</source>
        <translation>열린 목록에서: 항목을 선택하고 적용합니다.</translation>
    </message>
    <message>
        <source>Go to the resolution list.</source>
        <translation>해상도 목록으로 이동합니다.</translation>
    </message>
    <message>
        <source>Move the monitor under the cursor to the next cell.</source>
        <translation>커서 아래 모니터를 옆 셀로 이동합니다.</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>마지막 변경을 실행 취소합니다.</translation>
    </message>
    <message>
        <source>Redo the change undone last.</source>
        <translation>마지막으로 취소한 변경을 다시 실행합니다.</translation>
    </message>
    <message>
        <source>Show this list of keys.</source>
        <translation>이 키 목록을 표시합니다.</translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation>어디서나</translation>
    </message>
    <message>
        <source>Move between the grid, the side panel and the top bar; in a dialog, between its controls.</source>
        <translation>그리드, 사이드 패널, 상단 바 사이를 이동합니다. 대화 상자에서는 그 컨트롤 사이를 이동합니다.</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Close an open list or dialog; from the resolution list, go back to the grid.</source>
        <translation>열린 목록이나 대화 상자를 닫습니다. 해상도 목록에서는 그리드로 돌아갑니다.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Start a new layout.</source>
        <translation>새 레이아웃을 시작합니다.</translation>
    </message>
    <message>
        <source>Open a layout file.</source>
        <translation>레이아웃 파일을 엽니다.</translation>
    </message>
    <message>
        <source>Save the layout to a file (in the editor).</source>
        <translation>레이아웃을 파일로 저장합니다(편집기에서).</translation>
    </message>
    <message>
        <source>Save the layout under a new name (in the editor).</source>
        <translation>레이아웃을 새 이름으로 저장합니다(편집기에서).</translation>
    </message>
    <message>
        <source>Quit the program.</source>
        <translation>프로그램을 종료합니다.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>%1+arrow keys</source>
        <extracomment>%1 is the Ctrl key as the language names it (Strg in German)</extracomment>
        <translation>%1+화살표 키</translation>
    </message>
    <message>
        <source>Place this computer&apos;s screens on its port (in the editor).</source>
        <translation>이 컴퓨터의 화면을 해당 포트에 배치합니다(편집기에서).</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Seamrun 전환 구성 유틸리티</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>The file is invalid.</source>
        <translation>잘못된 파일입니다.</translation>
    </message>
    <message>
        <source>Do you want to quit?</source>
        <translation>종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>변경 내용을 저장하시겠습니까? 저장하려면 나가기 전에 구성을 저장하십시오.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Before using Seamrun Switching, please turn off mouse acceleration in the operating system.</source>
        <translation>Seamrun 전환을 사용하기 전에 운영 체제에서 마우스 가속을 끄십시오.</translation>
    </message>
    <message>
        <source>KM Switch Device</source>
        <translation>KM 스위치</translation>
    </message>
    <message>
        <source>OrrinKM</source>
        <translation>OrrinKM</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>파일에서 불러오기</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Open recent file</source>
        <translation>최근 파일</translation>
    </message>
    <message>
        <source>Language setting</source>
        <translation>언어 설정</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>템플릿 선택</translation>
    </message>
    <message>
        <source>The file no longer exists. It has been removed from the recent files.</source>
        <translation>파일이 더 이상 존재하지 않습니다. 최근 파일 목록에서 제거했습니다.</translation>
    </message>
    <message>
        <source>Enter opens the chosen file, Delete removes it from the list.</source>
        <translation>Enter 키는 선택한 파일을 열고 Delete 키는 목록에서 제거합니다.</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>찾을 수 없음</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>목록에서 제거</translation>
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
        <translation>%1 %2(%3행, %4열)</translation>
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
        <translation>템플릿</translation>
    </message>
    <message>
        <source>New Object</source>
        <translation>새 레이아웃</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>파일 불러오기</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>이 컴퓨터의 화면</translation>
    </message>
</context>
<context>
    <name>mouse_menu</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>마우스 가속</translation>
    </message>
    <message>
        <source>Mouse Position</source>
        <translation>마우스 위치</translation>
    </message>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation>Seamrun 전환 포커스</translation>
    </message>
    <message>
        <source>Keep Awake Option</source>
        <translation>절전 방지</translation>
    </message>
</context>
<context>
    <name>mouse_position_setting</name>
    <message>
        <source>Mouse position</source>
        <translation>마우스 위치</translation>
    </message>
    <message>
        <source>Upper left</source>
        <translation>왼쪽 위</translation>
    </message>
    <message>
        <source>Upper right</source>
        <translation>오른쪽 위</translation>
    </message>
    <message>
        <source>Lower left</source>
        <translation>왼쪽 아래</translation>
    </message>
    <message>
        <source>Lower right</source>
        <translation>오른쪽 아래</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>가운데</translation>
    </message>
</context>
<context>
    <name>mouse_speed_setting</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>마우스 가속</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>느리게</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>빠르게</translation>
    </message>
</context>
<context>
    <name>port_question</name>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>이 컴퓨터의 화면</translation>
    </message>
    <message>
        <source>No switch answered. Which port is this computer on?</source>
        <translation>응답한 스위치가 없습니다. 이 컴퓨터는 어느 포트에 연결되어 있습니까?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>selectDialog</name>
    <message>
        <source>Please select a resolution.</source>
        <translation>해상도를 선택하십시오.</translation>
    </message>
    <message>
        <source>Please select a number.</source>
        <translation>포트 번호를 선택하십시오.</translation>
    </message>
    <message>
        <source>Select Resolution</source>
        <translation>해상도 선택</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>template_config</name>
    <message>
        <source>Template</source>
        <translation>템플릿</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>구성 선택</translation>
    </message>
    <message>
        <source>The system will apply the settings to all PC port.</source>
        <translation>설정이 모든 PC 포트에 적용됩니다.</translation>
    </message>
    <message>
        <source>View other layout</source>
        <translation>다른 레이아웃 보기</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>만들기</translation>
    </message>
</context>
<context>
    <name>uploadKvm</name>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>확장 데스크톱 드라이버가 실행 중입니다. 종료한 후 다시 업로드하십시오.</translation>
    </message>
    <message>
        <source>Device connection is not ready, Please try again.</source>
        <translation>장치 연결이 준비되지 않았습니다. 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Please check connection before saving to device.</source>
        <translation>장치에 저장하기 전에 연결을 확인하십시오.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>This user may not open the switch: install its udev rule (see Troubleshooting in the README), then unplug the switch and plug it in again.</source>
        <translation>이 사용자는 스위치를 열 수 없습니다. 스위치의 udev 규칙을 설치한 다음(README의 Troubleshooting 참조) 스위치를 뽑았다가 다시 꽂으십시오.</translation>
    </message>
</context>
</TS>
