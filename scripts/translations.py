#!/usr/bin/env python3
"""Fills the ten catalogues in lang/ from the table below.

Run scripts/update-translations.sh first (it brings the source texts of the
screens into every catalogue), then this script. Each source text is looked
up in TABLE; a text the table does not know is left unfinished and named on
stderr, and the script ends with status 1, so a new screen text is never
shipped half-translated by accident.

TABLE maps an English source text (or "context|source" where one context
needs its own wording) to its translations in LANGS order. ENGLISH holds the
English catalogue's display corrections; any other English text is shown as
written in the screens.

Terms, one per language, used throughout:
  port      Port / 連接埠 / 端口 / ポート / Port / порт / 포트 / port / puerto / porta
  monitor   顯示器 / 显示器 / モニター / Monitor / монитор / 모니터 / moniteur / monitor / monitor
  layout    佈局 / 布局 / レイアウト / Layout / схема / 레이아웃 / disposition / disposición / layout
  switch    切換器 / 切换器 / 切替器 / Umschalter / переключатель / 스위치 / commutateur / conmutador / comutador
"""
import os
import sys
import xml.etree.ElementTree as ET

# Catalogue file, TS language code.
LANGS = [
    ("cn_t", "zh_TW"), ("cn", "zh_CN"), ("jp", "ja_JP"), ("de", "de_DE"), ("py", "ru_RU"),
    ("ko", "ko_KR"), ("fr", "fr_FR"), ("es", "es_ES"), ("po", "pt_BR"),
]

# English display corrections of plain misspellings and grammar slips.
ENGLISH = {
    "Save Profle": "Save Profile",
    "No data to be upload.": "No data to upload.",
    "Screens that configured to @ are not set in the same resolution. Please adjust it and save again.":
        "Screens that are configured to @ are not set to the same resolution. Please adjust them and save again.",
    "The extended desktop driver ap is running. Please close it and upload again.":
        "The extended desktop driver app is running. Please close it and upload again.",
    "Device connection is not ready, Please try again.":
        "Device connection is not ready. Please try again.",
    "The system will apply the settings to all PC port.":
        "The system will apply the settings to all PC ports.",
    "Reminder: The configuration of particular port is required to set in a rectangular shape.":
        "Reminder: The configuration of a particular port is required to be set in a rectangular shape.",
    "Current configuration contains blank area among the blocks. Please adjust it and save again.":
        "Current configuration contains blank areas among the blocks. Please adjust it and save again.",
    "We recommend video resolution should not be less than 1440 x 900.":
        "We recommend that the video resolution should not be less than 1440 x 900.",
    "Only one OrrinKM is connected. Please set port number between P1 to P4.":
        "Only one OrrinKM is connected. Please set port numbers between P1 and P4.",
    "Save successfully.": "Saved successfully.",
    "Save to device successfully.": "Saved to device successfully.",
}

# Source text: (zh_TW, zh_CN, ja, de, ru, ko, fr, es, pt)
TABLE = {
    # A label and its value ("Language setting: Deutsch").
    "%1: %2": ["%1：%2", "%1：%2", "%1：%2", "%1: %2", "%1: %2", "%1: %2", "%1\u00a0: %2", "%1: %2", "%1: %2"],
    # A list and one more item ("P1, P2").
    "%1, %2": ["%1、%2", "%1、%2", "%1、%2", "%1, %2", "%1, %2", "%1, %2", "%1, %2", "%1, %2", "%1, %2"],
    # Frame: title bar, footer, About.
    "Seamrun Switching Configuration Utility": (
        "Seamrun 切換組態工具", "Seamrun 切换配置工具", "Seamrun 切替設定ユーティリティ",
        "Seamrun-Umschaltung – Konfigurationsprogramm", "Программа настройки переключения Seamrun",
        "Seamrun 전환 구성 유틸리티", "Utilitaire de configuration de la commutation Seamrun",
        "Utilidad de configuración de conmutación Seamrun", "Utilitário de configuração da comutação Seamrun"),
    "Copyright \u00A9 2026 %1 Peripheral Systems Co., Ltd. All rights reserved.": (
        "Copyright \u00A9 2026 %1 Peripheral Systems Co., Ltd. 版權所有。",
        "Copyright \u00A9 2026 %1 Peripheral Systems Co., Ltd. 保留所有权利。",
        "Copyright \u00A9 2026 %1 Peripheral Systems Co., Ltd. 無断転載を禁じます。",
        "Copyright \u00A9 2026 %1 Peripheral Systems Co., Ltd. Alle Rechte vorbehalten.",
        "Copyright \u00A9 2026 %1 Peripheral Systems Co., Ltd. Все права защищены.",
        "Copyright \u00A9 2026 %1 Peripheral Systems Co., Ltd. 모든 권리 보유.",
        "Copyright \u00A9 2026 %1 Peripheral Systems Co., Ltd. Tous droits réservés.",
        "Copyright \u00A9 2026 %1 Peripheral Systems Co., Ltd. Todos los derechos reservados.",
        "Copyright \u00A9 2026 %1 Peripheral Systems Co., Ltd. Todos os direitos reservados."),
    "Version": ("版本", "版本", "バージョン", "Version", "Версия", "버전", "Version", "Versión", "Versão"),
    # The maker's address and name are the same in every language.
    "www.vesko-peripherals.com": ("www.vesko-peripherals.com",) * 9,
    "Vesko Peripheral Systems Co., Ltd.": ("Vesko Peripheral Systems Co., Ltd.",) * 9,
    "OrrinKM": ("OrrinKM",) * 9,
    # The screens' font families (Theme.fontFamily): a CJK font of the
    # language's own region first, then its usual Windows fonts.
    "Arial": (
        "Noto Sans CJK TC,Microsoft JhengHei UI,Microsoft JhengHei,Arial",
        "Noto Sans CJK SC,Microsoft YaHei UI,Microsoft YaHei,Arial",
        "Noto Sans CJK JP,Yu Gothic UI,Meiryo UI,Meiryo,Arial",
        "Arial", "Arial",
        "Noto Sans CJK KR,Malgun Gothic,Arial",
        "Arial", "Arial", "Arial"),
    "OK": ("確定", "确定", "OK", "OK", "ОК", "확인", "OK", "Aceptar", "OK"),
    "Cancel": ("取消", "取消", "キャンセル", "Abbrechen", "Отмена", "취소", "Annuler", "Cancelar", "Cancelar"),

    # Home page.
    "KM Switch Device": ("KM 切換器", "KM 切换器", "KM 切替器", "KM-Umschalter", "KM-переключатель",
                         "KM 스위치", "Commutateur KM", "Conmutador KM", "Comutador KM"),
    "Load from file": ("從檔案載入", "从文件加载", "ファイルから読み込む", "Aus Datei laden", "Загрузка из файла",
                       "파일에서 불러오기", "Charger depuis un fichier", "Cargar desde archivo", "Carregar de arquivo"),
    "Open": ("開啟", "打开", "開く", "Öffnen", "Открыть", "열기", "Ouvrir", "Abrir", "Abrir"),
    "Open recent file": ("最近開啟的檔案", "最近打开的文件", "最近使ったファイル", "Zuletzt verwendete Dateien",
                         "Недавние файлы", "최근 파일", "Fichiers récents", "Archivos recientes", "Arquivos recentes"),
    # A recent file that is gone, and taking a file off the list.
    "not found": ("找不到", "未找到", "見つかりません", "nicht gefunden", "не найден", "찾을 수 없음",
                  "introuvable", "no encontrado", "não encontrado"),
    "Remove from the list": ("從清單中移除", "从列表中移除", "一覧から削除", "Aus der Liste entfernen",
                             "Удалить из списка", "목록에서 제거", "Retirer de la liste", "Quitar de la lista",
                             "Remover da lista"),
    "Enter opens the chosen file, Delete removes it from the list.": (
        "Enter 開啟選取的檔案，Delete 將其從清單中移除。", "Enter 打开所选文件，Delete 将其从列表中移除。",
        "Enter で選択したファイルを開き、Delete で一覧から削除します。",
        "Eingabe öffnet die gewählte Datei, Entf entfernt sie aus der Liste.",
        "Enter открывает выбранный файл, Delete удаляет его из списка.",
        "Enter 키는 선택한 파일을 열고 Delete 키는 목록에서 제거합니다.",
        "Entrée ouvre le fichier choisi, Suppr le retire de la liste.",
        "Intro abre el archivo elegido; Supr lo quita de la lista.",
        "Enter abre o arquivo escolhido; Delete o remove da lista."),
    "The file no longer exists. It has been removed from the recent files.": (
        "檔案已不存在，已從最近開啟的檔案中移除。", "文件已不存在，已从最近打开的文件中移除。",
        "ファイルはもう存在しません。最近使ったファイルから削除しました。",
        "Die Datei existiert nicht mehr. Sie wurde aus den zuletzt verwendeten Dateien entfernt.",
        "Файл больше не существует. Он удалён из списка недавних файлов.",
        "파일이 더 이상 존재하지 않습니다. 최근 파일 목록에서 제거했습니다.",
        "Le fichier n'existe plus. Il a été retiré des fichiers récents.",
        "El archivo ya no existe. Se ha quitado de los archivos recientes.",
        "O arquivo não existe mais. Ele foi removido dos arquivos recentes."),
    "Language setting": ("語言設定", "语言设置", "言語設定", "Sprache", "Язык", "언어 설정", "Langue", "Idioma", "Idioma"),
    "Select Template": ("選擇範本", "选择模板", "テンプレートの選択", "Vorlage auswählen", "Выбор шаблона",
                        "템플릿 선택", "Choisir un modèle", "Seleccionar plantilla", "Selecionar modelo"),
    "Add blank canvas": ("新增空白畫布", "添加空白画布", "空白のキャンバスを追加", "Leere Arbeitsfläche hinzufügen",
                         "Добавить пустой холст", "빈 캔버스 추가", "Ajouter un canevas vierge",
                         "Añadir lienzo en blanco", "Adicionar tela em branco"),
    "Select a file": ("選擇檔案", "选择文件", "ファイルの選択", "Datei auswählen", "Выбор файла", "파일 선택",
                      "Sélectionner un fichier", "Seleccionar un archivo", "Selecionar um arquivo"),
    "Input the file name": ("輸入檔案名稱", "输入文件名", "ファイル名を入力", "Dateinamen eingeben",
                            "Введите имя файла", "파일 이름 입력", "Saisir le nom du fichier",
                            "Introducir el nombre del archivo", "Digite o nome do arquivo"),
    "List Files (*.km)": ("佈局檔案 (*.km)", "布局文件 (*.km)", "レイアウト ファイル (*.km)", "Layoutdateien (*.km)",
                          "Файлы схем (*.km)", "레이아웃 파일 (*.km)", "Fichiers de disposition (*.km)",
                          "Archivos de disposición (*.km)", "Arquivos de layout (*.km)"),
    "The file is invalid.": ("檔案無效。", "文件无效。", "無効なファイルです。", "Die Datei ist ungültig.",
                             "Недопустимый файл.", "잘못된 파일입니다.", "Le fichier n'est pas valide.",
                             "El archivo no es válido.", "O arquivo é inválido."),
    "Do you want to quit?": ("確定要結束嗎？", "确定要退出吗？", "終了しますか？", "Möchten Sie das Programm beenden?",
                             "Выйти из программы?", "종료하시겠습니까?", "Voulez-vous quitter ?", "¿Desea salir?",
                             "Deseja sair?"),
    "Do you want to save the change? If yes, please save the configuration before leaving.": (
        "是否要儲存變更？如需儲存，請在離開前儲存組態。",
        "是否要保存更改？如需保存，请在离开前保存配置。",
        "変更を保存しますか？保存する場合は、終了する前に構成を保存してください。",
        "Möchten Sie die Änderungen speichern? Speichern Sie dann die Konfiguration, bevor Sie die Seite verlassen.",
        "Сохранить изменения? Если да, сохраните конфигурацию перед выходом.",
        "변경 내용을 저장하시겠습니까? 저장하려면 나가기 전에 구성을 저장하십시오.",
        "Voulez-vous enregistrer les modifications ? Si oui, enregistrez la configuration avant de quitter.",
        "¿Desea guardar los cambios? Si es así, guarde la configuración antes de salir.",
        "Deseja salvar as alterações? Se sim, salve a configuração antes de sair."),
    "main|Do you want to save the change? If yes, please save the configuration before leaving.": (
        "是否要儲存變更？如需儲存，請在離開前儲存組態。",
        "是否要保存更改？如需保存，请在离开前保存配置。",
        "変更を保存しますか？保存する場合は、終了する前に構成を保存してください。",
        "Möchten Sie die Änderungen speichern? Speichern Sie dann die Konfiguration, bevor Sie das Programm beenden.",
        "Сохранить изменения? Если да, сохраните конфигурацию перед выходом.",
        "변경 내용을 저장하시겠습니까? 저장하려면 나가기 전에 구성을 저장하십시오.",
        "Voulez-vous enregistrer les modifications ? Si oui, enregistrez la configuration avant de quitter.",
        "¿Desea guardar los cambios? Si es así, guarde la configuración antes de salir.",
        "Deseja salvar as alterações? Se sim, salve a configuração antes de sair."),
    "Quit": ("結束", "退出", "終了", "Beenden", "Выход", "종료", "Quitter", "Salir", "Sair"),
    "Before using Seamrun Switching, please turn off mouse acceleration in the operating system.": (
        "使用 Seamrun 切換前，請先在作業系統中關閉滑鼠加速。",
        "使用 Seamrun 切换前，请先在操作系统中关闭鼠标加速。",
        "Seamrun 切替を使用する前に、オペレーティング システムでマウスの加速をオフにしてください。",
        "Deaktivieren Sie vor der Verwendung der Seamrun-Umschaltung die Mausbeschleunigung im Betriebssystem.",
        "Перед использованием переключения Seamrun отключите ускорение мыши в операционной системе.",
        "Seamrun 전환을 사용하기 전에 운영 체제에서 마우스 가속을 끄십시오.",
        "Avant d'utiliser la commutation Seamrun, désactivez l'accélération de la souris dans le système d'exploitation.",
        "Antes de usar la conmutación Seamrun, desactive la aceleración del ratón en el sistema operativo.",
        "Antes de usar a comutação Seamrun, desative a aceleração do mouse no sistema operacional."),

    # Template configurations.
    "Template": ("範本", "模板", "テンプレート", "Vorlage", "Шаблон", "템플릿", "Modèle", "Plantilla", "Modelo"),
    "Select Configuration": ("選擇組態", "选择配置", "構成の選択", "Konfiguration auswählen", "Выбор конфигурации",
                             "구성 선택", "Choisir une configuration", "Seleccionar configuración",
                             "Selecionar configuração"),
    "The system will apply the settings to all PC port.": (
        "系統會將設定套用到所有電腦連接埠。", "系统会将设置应用到所有电脑端口。",
        "設定はすべての PC ポートに適用されます。",
        "Das System wendet die Einstellungen auf alle PC-Ports an.",
        "Настройки будут применены ко всем портам ПК.",
        "설정이 모든 PC 포트에 적용됩니다.",
        "Les paramètres seront appliqués à tous les ports PC.",
        "La configuración se aplicará a todos los puertos de PC.",
        "Os ajustes serão aplicados a todas as portas de PC."),
    "View other layout": ("檢視其他佈局", "查看其他布局", "他のレイアウトを見る", "Andere Layouts ansehen",
                          "Другие схемы", "다른 레이아웃 보기", "Voir d'autres dispositions",
                          "Ver otras disposiciones", "Ver outros layouts"),
    "Build": ("建立", "生成", "作成", "Erstellen", "Создать", "만들기", "Créer", "Crear", "Criar"),

    # Editor page.
    "Home Page": ("首頁", "主页", "ホーム", "Startseite", "Главная", "홈", "Accueil", "Inicio", "Início"),
    "File": ("檔案", "文件", "ファイル", "Datei", "Файл", "파일", "Fichier", "Archivo", "Arquivo"),
    "Settings": ("設定", "设置", "設定", "Einstellungen", "Настройки", "설정", "Paramètres", "Ajustes", "Ajustes"),
    "New Object": ("新佈局", "新建布局", "新しいレイアウト", "Neues Layout", "Новая схема", "새 레이아웃",
                   "Nouvelle disposition", "Nueva disposición", "Novo layout"),
    "Are you sure you want to create a new list without saving?": (
        "確定不儲存就建立新佈局嗎？", "确定不保存就新建布局吗？", "保存せずに新しいレイアウトを作成しますか？",
        "Möchten Sie wirklich ein neues Layout erstellen, ohne zu speichern?",
        "Создать новую схему без сохранения?",
        "저장하지 않고 새 레이아웃을 만드시겠습니까?",
        "Voulez-vous vraiment créer une nouvelle disposition sans enregistrer ?",
        "¿Seguro que desea crear una nueva disposición sin guardar?",
        "Tem certeza de que deseja criar um novo layout sem salvar?"),
    "Create": ("建立", "新建", "作成", "Erstellen", "Создать", "만들기", "Créer", "Crear", "Criar"),
    "Are you sure you want to load a file without saving?": (
        "確定不儲存就載入檔案嗎？", "确定不保存就加载文件吗？", "保存せずにファイルを読み込みますか？",
        "Möchten Sie wirklich eine Datei laden, ohne zu speichern?",
        "Загрузить файл без сохранения?",
        "저장하지 않고 파일을 불러오시겠습니까?",
        "Voulez-vous vraiment charger un fichier sans enregistrer ?",
        "¿Seguro que desea cargar un archivo sin guardar?",
        "Tem certeza de que deseja carregar um arquivo sem salvar?"),
    "Load": ("載入", "加载", "読み込む", "Laden", "Загрузить", "불러오기", "Charger", "Cargar", "Carregar"),
    "Save Profle": ("儲存設定檔", "保存配置文件", "プロファイルの保存", "Profil speichern", "Сохранение профиля",
                    "프로필 저장", "Enregistrer le profil", "Guardar perfil", "Salvar perfil"),
    "Save as": ("另存新檔", "另存为", "名前を付けて保存", "Speichern unter", "Сохранить как",
                "다른 이름으로 저장", "Enregistrer sous", "Guardar como", "Salvar como"),
    "Save": ("儲存", "保存", "保存", "Speichern", "Сохранить", "저장", "Enregistrer", "Guardar", "Salvar"),
    "Select Resolution": ("選擇解析度", "选择分辨率", "解像度を選択", "Auflösung wählen", "Выберите разрешение",
                          "해상도 선택", "Choisir la résolution", "Seleccionar resolución", "Selecionar resolução"),
    "No data to be saved.": ("沒有要儲存的資料。", "没有要保存的数据。", "保存するデータがありません。",
                             "Keine Daten zum Speichern.", "Нет данных для сохранения.", "저장할 데이터가 없습니다.",
                             "Aucune donnée à enregistrer.", "No hay datos para guardar.", "Não há dados para salvar."),
    "No data to be upload.": ("沒有要上傳的資料。", "没有要上传的数据。", "アップロードするデータがありません。",
                              "Keine Daten zum Übertragen.", "Нет данных для передачи.", "업로드할 데이터가 없습니다.",
                              "Aucune donnée à envoyer.", "No hay datos para enviar.", "Não há dados para enviar."),
    "Save successfully.": ("儲存成功。", "保存成功。", "保存しました。", "Erfolgreich gespeichert.",
                           "Сохранено.", "저장했습니다.", "Enregistrement réussi.", "Guardado correctamente.",
                           "Salvo com sucesso."),
    "%1 already exists. Do you want to replace it?": (
        "%1 已存在。要取代它嗎？", "%1 已存在。要替换它吗？", "%1 は既に存在します。置き換えますか？",
        "%1 ist bereits vorhanden. Möchten Sie die Datei ersetzen?", "Файл %1 уже существует. Заменить его?",
        "%1이(가) 이미 있습니다. 바꾸시겠습니까?", "%1 existe déjà. Voulez-vous le remplacer ?",
        "%1 ya existe. ¿Desea reemplazarlo?", "%1 já existe. Deseja substituí-lo?"),
    "Replace": ("取代", "替换", "置き換え", "Ersetzen", "Заменить", "바꾸기", "Remplacer", "Reemplazar", "Substituir"),
    "Failed to save data.": ("資料儲存失敗。", "数据保存失败。", "データの保存に失敗しました。",
                             "Die Daten konnten nicht gespeichert werden.", "Не удалось сохранить данные.",
                             "데이터를 저장하지 못했습니다.", "Échec de l'enregistrement des données.",
                             "No se pudieron guardar los datos.", "Falha ao salvar os dados."),
    "Delete this setting.": ("刪除此顯示器？", "删除此显示器？", "このモニターを削除しますか？",
                             "Diesen Monitor löschen?", "Удалить этот монитор?", "이 모니터를 삭제하시겠습니까?",
                             "Supprimer ce moniteur ?", "¿Eliminar este monitor?", "Excluir este monitor?"),
    "Ratio": ("縮放比例", "缩放比例", "表示倍率", "Zoom", "Масштаб", "배율", "Zoom", "Zoom", "Zoom"),
    "Screen Orientation": ("顯示器方向", "显示器方向", "モニターの向き", "Ausrichtung", "Ориентация",
                           "모니터 방향", "Orientation", "Orientación", "Orientação"),
    "Horizontal": ("橫向", "横向", "横向き", "Querformat", "Альбомная", "가로", "Paysage", "Horizontal", "Horizontal"),
    "Vertical": ("直向", "纵向", "縦向き", "Hochformat", "Книжная", "세로", "Portrait", "Vertical", "Vertical"),
    "Resolution": ("解析度", "分辨率", "解像度", "Auflösung", "Разрешение", "해상도", "Résolution", "Resolución",
                   "Resolução"),
    "No resolution": ("未設定解析度", "未设置分辨率", "解像度未設定", "Keine Auflösung", "Разрешение не задано",
                      "해상도 없음", "Aucune résolution", "Sin resolución", "Sem resolução"),
    "Status List": ("連接埠狀態", "端口状态", "ポートの状態", "Portstatus", "Состояние портов", "포트 상태",
                    "État des ports", "Estado de los puertos", "Status das portas"),
    "Primary": ("主切換器", "主切换器", "プライマリ", "Primär", "Основной", "기본", "Principal", "Principal",
                "Principal"),
    "Secondary": ("副切換器", "副切换器", "セカンダリ", "Sekundär", "Дополнительный", "보조", "Secondaire",
                  "Secundario", "Secundário"),
    "Save to local": ("儲存到本機", "保存到本地", "ローカルに保存", "Lokal speichern", "Сохранить локально",
                      "로컬에 저장", "Enregistrer en local", "Guardar en local", "Salvar localmente"),
    "Save to device": ("儲存到裝置", "保存到设备", "デバイスに保存", "Auf Gerät speichern", "Записать в устройство",
                       "장치에 저장", "Enregistrer sur l'appareil", "Guardar en el dispositivo",
                       "Salvar no dispositivo"),
    "New": ("新增", "新建", "新規", "Neu", "Создать", "새로 만들기", "Nouveau", "Nuevo", "Novo"),
    "Load File": ("載入檔案", "加载文件", "ファイルを開く", "Datei laden", "Загрузить файл", "파일 불러오기",
                  "Charger un fichier", "Cargar archivo", "Carregar arquivo"),

    # Save to device.
    "Please check connection before saving to device.": (
        "儲存到裝置前，請檢查連線。", "保存到设备前，请检查连接。", "デバイスに保存する前に接続を確認してください。",
        "Bitte prüfen Sie die Verbindung, bevor Sie auf dem Gerät speichern.",
        "Перед записью в устройство проверьте подключение.",
        "장치에 저장하기 전에 연결을 확인하십시오.",
        "Vérifiez la connexion avant l'envoi à l'appareil.",
        "Compruebe la conexión antes de guardar en el dispositivo.",
        "Verifique a conexão antes de salvar no dispositivo."),
    "Device connection is not ready, Please try again.": (
        "裝置連線尚未就緒，請再試一次。", "设备连接未就绪，请重试。",
        "デバイスの接続の準備ができていません。もう一度お試しください。",
        "Die Verbindung zum Gerät ist nicht bereit. Bitte versuchen Sie es erneut.",
        "Устройство не готово к подключению. Повторите попытку.",
        "장치 연결이 준비되지 않았습니다. 다시 시도하십시오.",
        "La connexion à l'appareil n'est pas prête. Veuillez réessayer.",
        "La conexión con el dispositivo no está lista. Inténtelo de nuevo.",
        "A conexão com o dispositivo não está pronta. Tente novamente."),
    "This user may not open the switch: install its udev rule (see Troubleshooting in the README), then unplug the switch and plug it in again.": (
        "此使用者無權開啟切換器：請安裝其 udev 規則（參閱 README 的「Troubleshooting」），然後拔下切換器再重新插入。",
        "此用户无权打开切换器：请安装其 udev 规则（参见 README 中的“Troubleshooting”），然后拔下切换器并重新插入。",
        "このユーザーには切替器を開く権限がありません。udev ルールをインストールし（README の「Troubleshooting」を参照）、"
        "切替器を抜いてから再び差し込んでください。",
        "Dieser Benutzer darf den Umschalter nicht öffnen: Installieren Sie seine udev-Regel (siehe „Troubleshooting“ "
        "in der README), ziehen Sie dann den Umschalter ab und stecken Sie ihn wieder ein.",
        "У этого пользователя нет права открывать переключатель: установите его правило udev (см. раздел "
        "«Troubleshooting» в README), затем отключите переключатель и подключите его снова.",
        "이 사용자는 스위치를 열 수 없습니다. 스위치의 udev 규칙을 설치한 다음(README의 Troubleshooting 참조) "
        "스위치를 뽑았다가 다시 꽂으십시오.",
        "Cet utilisateur ne peut pas ouvrir le commutateur : installez sa règle udev (voir «\u00a0Troubleshooting\u00a0» "
        "dans le README), puis débranchez le commutateur et rebranchez-le.",
        "Este usuario no puede abrir el conmutador: instale su regla udev (consulte «Troubleshooting» en el README) y "
        "después desconecte el conmutador y vuelva a conectarlo.",
        "Este usuário não pode abrir o comutador: instale a regra udev dele (veja “Troubleshooting” no README) e "
        "depois desconecte o comutador e conecte-o novamente."),
    "The extended desktop driver ap is running. Please close it and upload again.": (
        "延伸桌面驅動程式正在執行。請將其關閉後重新上傳。",
        "扩展桌面驱动程序正在运行。请将其关闭后重新上传。",
        "拡張デスクトップ ドライバーが実行中です。終了してから、もう一度アップロードしてください。",
        "Der Treiber für den erweiterten Desktop wird ausgeführt. Beenden Sie ihn und übertragen Sie erneut.",
        "Запущен драйвер расширенного рабочего стола. Закройте его и повторите передачу.",
        "확장 데스크톱 드라이버가 실행 중입니다. 종료한 후 다시 업로드하십시오.",
        "Le pilote du bureau étendu est en cours d'exécution. Fermez-le et relancez l'envoi.",
        "El controlador de escritorio extendido se está ejecutando. Ciérrelo y vuelva a enviar.",
        "O driver de área de trabalho estendida está em execução. Feche-o e envie novamente."),
    "Failed to upload data.": ("資料上傳失敗。", "数据上传失败。", "データのアップロードに失敗しました。",
                               "Die Daten konnten nicht übertragen werden.", "Не удалось передать данные.",
                               "데이터를 업로드하지 못했습니다.", "Échec de l'envoi des données.",
                               "No se pudieron enviar los datos.", "Falha ao enviar os dados."),
    "To save and apply the layout configuration to OrrinKM, please connect your computer to the Primary OrrinKM device.": (
        "若要將佈局組態儲存並套用到 OrrinKM，請將電腦連接到主 OrrinKM 切換器。",
        "要将布局配置保存并应用到 OrrinKM，请将计算机连接到主 OrrinKM 切换器。",
        "レイアウト構成を OrrinKM に保存して適用するには、コンピューターをプライマリ OrrinKM 切替器に接続してください。",
        "Um das Layout im OrrinKM zu speichern und anzuwenden, schließen Sie Ihren Computer an den primären OrrinKM-Umschalter an.",
        "Чтобы сохранить и применить схему в OrrinKM, подключите компьютер к основному переключателю OrrinKM.",
        "레이아웃 구성을 OrrinKM에 저장하고 적용하려면 컴퓨터를 기본 OrrinKM 스위치에 연결하십시오.",
        "Pour enregistrer et appliquer la disposition sur l'OrrinKM, connectez votre ordinateur au commutateur OrrinKM principal.",
        "Para guardar y aplicar la disposición en el OrrinKM, conecte el equipo al conmutador OrrinKM principal.",
        "Para salvar e aplicar o layout no OrrinKM, conecte o computador ao comutador OrrinKM principal."),
    "Save failed!": ("儲存失敗！", "保存失败！", "保存に失敗しました", "Speichern fehlgeschlagen",
                     "Ошибка сохранения", "저장 실패", "Échec de l'enregistrement", "Error al guardar",
                     "Falha ao salvar"),
    "Only one OrrinKM is connected. We save port 1-4 monitor layout only. Do you want to continue?": (
        "僅連接了一台 OrrinKM。將只儲存連接埠 1-4 的顯示器佈局。是否繼續？",
        "仅连接了一台 OrrinKM。将只保存端口 1-4 的显示器布局。是否继续？",
        "接続されている OrrinKM は 1 台だけです。ポート 1-4 のモニター レイアウトのみ保存します。続行しますか？",
        "Es ist nur ein OrrinKM angeschlossen. Nur das Monitorlayout der Ports 1-4 wird gespeichert. Möchten Sie fortfahren?",
        "Подключён только один OrrinKM. Будет сохранена только схема мониторов портов 1-4. Продолжить?",
        "OrrinKM이 한 대만 연결되어 있습니다. 포트 1-4의 모니터 레이아웃만 저장됩니다. 계속하시겠습니까?",
        "Un seul OrrinKM est connecté. Seule la disposition des moniteurs des ports 1-4 sera enregistrée. Voulez-vous continuer ?",
        "Solo hay un OrrinKM conectado. Solo se guardará la disposición de los monitores de los puertos 1-4. ¿Desea continuar?",
        "Apenas um OrrinKM está conectado. Somente o layout dos monitores das portas 1-4 será salvo. Deseja continuar?"),
    "Continue": ("繼續", "继续", "続行", "Fortfahren", "Продолжить", "계속", "Continuer", "Continuar", "Continuar"),
    "Only one OrrinKM is connected. Please set port number between P1 to P4.": (
        "僅連接了一台 OrrinKM。請將連接埠設定在 P1 到 P4 之間。",
        "仅连接了一台 OrrinKM。请将端口设置在 P1 到 P4 之间。",
        "接続されている OrrinKM は 1 台だけです。ポートは P1 から P4 の範囲で設定してください。",
        "Es ist nur ein OrrinKM angeschlossen. Bitte verwenden Sie nur die Ports P1 bis P4.",
        "Подключён только один OrrinKM. Используйте только порты с P1 по P4.",
        "OrrinKM이 한 대만 연결되어 있습니다. 포트를 P1에서 P4 사이로 설정하십시오.",
        "Un seul OrrinKM est connecté. Utilisez uniquement les ports P1 à P4.",
        "Solo hay un OrrinKM conectado. Use solo los puertos P1 a P4.",
        "Apenas um OrrinKM está conectado. Use apenas as portas P1 a P4."),
    "Save to device successfully.": ("已成功儲存到裝置。", "已成功保存到设备。", "デバイスに保存しました。",
                                     "Erfolgreich auf dem Gerät gespeichert.", "Записано в устройство.",
                                     "장치에 저장했습니다.", "Enregistré sur l'appareil.",
                                     "Guardado en el dispositivo correctamente.", "Salvo no dispositivo com sucesso."),

    # Checks, their pages and the tutorial.
    "Please select a resolution.": ("請選擇解析度。", "请选择分辨率。", "解像度を選択してください。",
                                    "Bitte wählen Sie eine Auflösung.", "Выберите разрешение.",
                                    "해상도를 선택하십시오.", "Veuillez choisir une résolution.",
                                    "Seleccione una resolución.", "Selecione uma resolução."),
    "Please select a number.": ("請選擇連接埠編號。", "请选择端口号。", "ポート番号を選択してください。",
                                "Bitte wählen Sie eine Portnummer.", "Выберите номер порта.",
                                "포트 번호를 선택하십시오.", "Veuillez choisir un numéro de port.",
                                "Seleccione un número de puerto.", "Selecione um número de porta."),
    "File can not be saved": ("無法儲存檔案", "无法保存文件", "ファイルを保存できません",
                              "Datei kann nicht gespeichert werden", "Не удаётся сохранить файл",
                              "파일을 저장할 수 없습니다", "Impossible d'enregistrer le fichier",
                              "No se puede guardar el archivo", "Não é possível salvar o arquivo"),
    "Current configuration of @ is not set in a rectangular shape. Please adjust it and save again.": (
        "@ 的目前組態不是矩形。請調整後重新儲存。",
        "@ 的当前配置不是矩形。请调整后重新保存。",
        "@ の現在の構成が長方形になっていません。調整してから、もう一度保存してください。",
        "Die aktuelle Konfiguration von @ ist nicht rechteckig. Bitte passen Sie sie an und speichern Sie erneut.",
        "Текущая конфигурация @ не образует прямоугольник. Исправьте её и сохраните снова.",
        "@의 현재 구성이 직사각형 모양이 아닙니다. 조정한 후 다시 저장하십시오.",
        "La configuration actuelle de @ ne forme pas un rectangle. Corrigez-la et enregistrez à nouveau.",
        "La configuración actual de @ no forma un rectángulo. Ajústela y vuelva a guardar.",
        "A configuração atual de @ não forma um retângulo. Ajuste-a e salve novamente."),
    "Current configuration contains blank area among the blocks. Please adjust it and save again.": (
        "目前組態的顯示器之間有空白區域。請調整後重新儲存。",
        "当前配置的显示器之间有空白区域。请调整后重新保存。",
        "現在の構成では、モニターの間に空白があります。調整してから、もう一度保存してください。",
        "Die aktuelle Konfiguration enthält Lücken zwischen den Monitoren. Bitte passen Sie sie an und speichern Sie erneut.",
        "В текущей конфигурации между мониторами есть пустые места. Исправьте её и сохраните снова.",
        "현재 구성에서 모니터 사이에 빈 공간이 있습니다. 조정한 후 다시 저장하십시오.",
        "La configuration actuelle contient des espaces vides entre les moniteurs. Corrigez-la et enregistrez à nouveau.",
        "La configuración actual contiene espacios vacíos entre los monitores. Ajústela y vuelva a guardar.",
        "A configuração atual contém espaços vazios entre os monitores. Ajuste-a e salve novamente."),
    "Screens that configured to @ are not set in the same resolution. Please adjust it and save again.": (
        "設定到 @ 的顯示器解析度不一致。請調整後重新儲存。",
        "配置到 @ 的显示器分辨率不一致。请调整后重新保存。",
        "@ に設定されたモニターの解像度が一致していません。調整してから、もう一度保存してください。",
        "Die Monitore an @ haben nicht dieselbe Auflösung. Bitte passen Sie sie an und speichern Sie erneut.",
        "Мониторы, назначенные на @, имеют разное разрешение. Исправьте это и сохраните снова.",
        "@에 설정된 모니터의 해상도가 서로 다릅니다. 조정한 후 다시 저장하십시오.",
        "Les moniteurs configurés sur @ n'ont pas la même résolution. Corrigez-les et enregistrez à nouveau.",
        "Los monitores configurados en @ no tienen la misma resolución. Ajústelos y vuelva a guardar.",
        "Os monitores configurados em @ não têm a mesma resolução. Ajuste-os e salve novamente."),
    "Tutorial": ("教學", "教程", "チュートリアル", "Anleitung", "Инструкция", "튜토리얼", "Tutoriel", "Tutorial",
                 "Tutorial"),
    "Reminder: The configuration of particular port is required to set in a rectangular shape.": (
        "提醒：每個連接埠的組態都必須設定為矩形。",
        "提示：每个端口的配置都必须设置为矩形。",
        "注意: 各ポートの構成は長方形になるように設定する必要があります。",
        "Hinweis: Die Monitore eines Ports müssen ein Rechteck bilden.",
        "Напоминание: мониторы одного порта должны образовывать прямоугольник.",
        "알림: 각 포트의 구성은 직사각형 모양으로 설정해야 합니다.",
        "Rappel : les moniteurs d'un même port doivent former un rectangle.",
        "Recordatorio: los monitores de cada puerto deben formar un rectángulo.",
        "Lembrete: os monitores de cada porta devem formar um retângulo."),
    "The layout of P1 is not in a rectangular shape.": (
        "P1 的佈局不是矩形。", "P1 的布局不是矩形。", "P1 のレイアウトが長方形ではありません。",
        "Das Layout von P1 ist nicht rechteckig.", "Схема P1 не образует прямоугольник.",
        "P1의 레이아웃이 직사각형이 아닙니다.", "La disposition de P1 ne forme pas un rectangle.",
        "La disposición de P1 no forma un rectángulo.", "O layout de P1 não forma um retângulo."),
    "The layout of P1 is divided into two separate rectangles.": (
        "P1 的佈局被分成兩個獨立的矩形。", "P1 的布局被分成了两个独立的矩形。",
        "P1 のレイアウトが 2 つの長方形に分かれています。",
        "Das Layout von P1 ist in zwei getrennte Rechtecke aufgeteilt.",
        "Схема P1 разделена на два отдельных прямоугольника.",
        "P1의 레이아웃이 두 개의 직사각형으로 나뉘어 있습니다.",
        "La disposition de P1 est divisée en deux rectangles distincts.",
        "La disposición de P1 está dividida en dos rectángulos separados.",
        "O layout de P1 está dividido em dois retângulos separados."),
    "Don't show this again.": ("不再顯示", "不再显示", "今後表示しない", "Nicht mehr anzeigen",
                               "Больше не показывать", "다시 표시하지 않음", "Ne plus afficher",
                               "No volver a mostrar", "Não mostrar novamente"),

    # Settings menu and dialogs.
    "Mouse Acceleration": ("滑鼠加速", "鼠标加速", "マウスの加速", "Mausbeschleunigung", "Ускорение мыши",
                           "마우스 가속", "Accélération de la souris", "Aceleración del ratón",
                           "Aceleração do mouse"),
    "Mouse Position": ("滑鼠位置", "鼠标位置", "マウスの位置", "Mausposition", "Положение мыши", "마우스 위치",
                       "Position de la souris", "Posición del ratón", "Posição do mouse"),
    "Mouse position": ("滑鼠位置", "鼠标位置", "マウスの位置", "Mausposition", "Положение мыши", "마우스 위치",
                       "Position de la souris", "Posición del ratón", "Posição do mouse"),
    "Seamrun Switching Focus": ("Seamrun 切換焦點", "Seamrun 切换焦点", "Seamrun 切替フォーカス",
                                "Seamrun-Umschaltfokus", "Фокус переключения Seamrun", "Seamrun 전환 포커스",
                                "Focus de commutation Seamrun", "Foco de conmutación Seamrun",
                                "Foco de comutação Seamrun"),
    "Keep Awake Option": ("保持喚醒", "保持唤醒", "スリープ防止", "Wachhalten", "Запрет спящего режима",
                          "절전 방지", "Maintien en éveil", "Mantener activo", "Manter ativo"),
    "Slow": ("慢", "慢", "遅い", "Langsam", "Медленно", "느리게", "Lent", "Lento", "Lento"),
    "Fast": ("快", "快", "速い", "Schnell", "Быстро", "빠르게", "Rapide", "Rápido", "Rápido"),
    "Upper left": ("左上", "左上", "左上", "Oben links", "Вверху слева", "왼쪽 위", "En haut à gauche",
                   "Superior izquierda", "Superior esquerdo"),
    "Upper right": ("右上", "右上", "右上", "Oben rechts", "Вверху справа", "오른쪽 위", "En haut à droite",
                    "Superior derecha", "Superior direito"),
    "Lower left": ("左下", "左下", "左下", "Unten links", "Внизу слева", "왼쪽 아래", "En bas à gauche",
                   "Inferior izquierda", "Inferior esquerdo"),
    "Lower right": ("右下", "右下", "右下", "Unten rechts", "Внизу справа", "오른쪽 아래", "En bas à droite",
                    "Inferior derecha", "Inferior direito"),
    "Middle": ("中間", "中间", "中央", "Mitte", "В центре", "가운데", "Au centre", "Centro", "Centro"),
    "Duration": ("持續時間", "持续时间", "表示時間", "Dauer", "Длительность", "지속 시간", "Durée", "Duración",
                 "Duração"),
    "3 Seconds": ("3 秒", "3 秒", "3 秒", "3 Sekunden", "3 секунды", "3초", "3 secondes", "3 segundos", "3 segundos"),
    "5 Seconds": ("5 秒", "5 秒", "5 秒", "5 Sekunden", "5 секунд", "5초", "5 secondes", "5 segundos", "5 segundos"),
    "10 Seconds": ("10 秒", "10 秒", "10 秒", "10 Sekunden", "10 секунд", "10초", "10 secondes", "10 segundos",
                   "10 segundos"),
    "Always": ("始終", "始终", "常に", "Immer", "Всегда", "항상", "Toujours", "Siempre", "Sempre"),
    "Off": ("關閉", "关闭", "オフ", "Aus", "Выкл.", "끔", "Désactivé", "Desactivado", "Desativado"),
    "When Working": ("工作時", "工作时", "作業中", "Bei Aktivität", "Во время работы", "작업 중",
                     "Pendant l'activité", "Durante el uso", "Durante o uso"),

    # Editing history and the switch's status.
    "Undo": ("復原", "撤销", "元に戻す", "Rückgängig", "Отменить", "실행 취소", "Annuler", "Deshacer", "Desfazer"),
    "Redo": ("重做", "重做", "やり直し", "Wiederholen", "Повторить", "다시 실행", "Rétablir", "Rehacer", "Refazer"),
    "Connected": ("已連線", "已连接", "接続済み", "Verbunden", "Подключено", "연결됨", "Connecté", "Conectado",
                  "Conectado"),
    "Not connected": ("未連線", "未连接", "未接続", "Nicht verbunden", "Не подключено", "연결 안 됨",
                      "Non connecté", "No conectado", "Não conectado"),
    "No access: udev rule missing": ("無存取權限：缺少 udev 規則", "无访问权限：缺少 udev 规则",
                                     "アクセス権なし：udev ルールがありません", "Kein Zugriff: udev-Regel fehlt",
                                     "Нет доступа: нет правила udev", "접근 권한 없음: udev 규칙 없음",
                                     "Pas d'accès : règle udev absente", "Sin acceso: falta la regla udev",
                                     "Sem acesso: falta a regra udev"),
    "Firmware %1": ("韌體 %1", "固件 %1", "ファームウェア %1", "Firmware %1", "Прошивка %1", "펌웨어 %1",
                    "Micrologiciel %1", "Firmware %1", "Firmware %1"),
    "1 switch": ("1 台切換器", "1 台切换器", "切替器 1 台", "1 Umschalter", "1 переключатель", "스위치 1대",
                 "1 commutateur", "1 conmutador", "1 comutador"),
    "2 switches chained": ("2 台切換器串接", "2 台切换器级联", "切替器 2 台を連結", "2 Umschalter verkettet",
                           "2 переключателя в цепочке", "스위치 2대 직렬 연결", "2 commutateurs chaînés",
                           "2 conmutadores encadenados", "2 comutadores encadeados"),

    # Spoken by screen readers: the grid's keyboard cursor and the next button.
    "Row %1, column %2": ("第 %1 列，第 %2 欄", "第 %1 行，第 %2 列", "%1 行目、%2 列目", "Zeile %1, Spalte %2",
                          "Строка %1, столбец %2", "%1행, %2열", "Ligne %1, colonne %2", "Fila %1, columna %2",
                          "Linha %1, coluna %2"),
    "empty": ("空白", "空", "空き", "leer", "пусто", "비어 있음", "vide", "vacía", "vazia"),
    # "This computer's screens": the desktop's screens placed on this
    # computer's port, read from the switch or asked.
    "This computer's screens": ("這台電腦的螢幕", "这台电脑的屏幕", "このコンピューターの画面",
                                "Bildschirme dieses Computers", "Экраны этого компьютера", "이 컴퓨터의 화면",
                                "Écrans de cet ordinateur", "Pantallas de este equipo", "Telas deste computador"),
    "No switch answered. Which port is this computer on?": (
        "沒有切換器回應。這台電腦接在哪個連接埠？", "没有切换器响应。这台电脑接在哪个端口？",
        "切替器から応答がありません。このコンピューターはどのポートに接続されていますか？",
        "Kein Umschalter hat geantwortet. An welchem Port hängt dieser Computer?",
        "Переключатель не ответил. К какому порту подключён этот компьютер?",
        "응답한 스위치가 없습니다. 이 컴퓨터는 어느 포트에 연결되어 있습니까?",
        "Aucun commutateur n'a répondu. Sur quel port cet ordinateur est-il branché ?",
        "Ningún conmutador respondió. ¿A qué puerto está conectado este equipo?",
        "Nenhum comutador respondeu. Em qual porta este computador está conectado?"),
    "Reading this computer's port from the switch…": (
        "正在從切換器讀取這台電腦的連接埠…", "正在从切换器读取这台电脑的端口…",
        "切替器からこのコンピューターのポートを読み取っています…",
        "Der Port dieses Computers wird vom Umschalter gelesen …",
        "Порт этого компьютера считывается с переключателя…",
        "스위치에서 이 컴퓨터의 포트를 읽는 중…",
        "Lecture du port de cet ordinateur sur le commutateur…",
        "Leyendo del conmutador el puerto de este equipo…",
        "Lendo do comutador a porta deste computador…"),
    "%1 has monitors on the desk already. Replace them with this computer's screens?": (
        "%1 在桌面上已有顯示器。要以這台電腦的螢幕取代嗎？", "%1 在桌面上已有显示器。要用这台电脑的屏幕替换吗？",
        "%1 にはすでにモニターがあります。このコンピューターの画面に置き換えますか？",
        "%1 hat schon Monitore. Durch die Bildschirme dieses Computers ersetzen?",
        "На %1 уже есть мониторы. Заменить их экранами этого компьютера?",
        "%1에 이미 모니터가 있습니다. 이 컴퓨터의 화면으로 바꾸시겠습니까?",
        "%1 a déjà des moniteurs. Les remplacer par les écrans de cet ordinateur ?",
        "%1 ya tiene monitores. ¿Reemplazarlos por las pantallas de este equipo?",
        "%1 já tem monitores. Substituí-los pelas telas deste computador?"),
    "Replace": ("取代", "替换", "置き換える", "Ersetzen", "Заменить", "바꾸기", "Remplacer", "Reemplazar", "Substituir"),
    "This computer's screens do not fit: a desk holds at most 16 monitors.": (
        "這台電腦的螢幕放不下：一個桌面最多 16 台顯示器。", "这台电脑的屏幕放不下：一个桌面最多 16 台显示器。",
        "このコンピューターの画面は入りません。モニターは最大 16 台です。",
        "Die Bildschirme dieses Computers passen nicht: höchstens 16 Monitore.",
        "Экраны этого компьютера не помещаются: не более 16 мониторов.",
        "이 컴퓨터의 화면이 들어가지 않습니다. 모니터는 최대 16대입니다.",
        "Les écrans de cet ordinateur ne tiennent pas : 16 moniteurs au plus.",
        "Las pantallas de este equipo no caben: 16 monitores como máximo.",
        "As telas deste computador não cabem: no máximo 16 monitores."),
    "There is no free area on the grid for this computer's screens.": (
        "格線上沒有可放這台電腦螢幕的空位。", "网格上没有可放这台电脑屏幕的空位。",
        "グリッドにこのコンピューターの画面を置く空きがありません。",
        "Im Raster ist kein freier Bereich für die Bildschirme dieses Computers.",
        "На сетке нет свободного места для экранов этого компьютера.",
        "그리드에 이 컴퓨터의 화면을 놓을 빈 곳이 없습니다.",
        "La grille n'a pas de zone libre pour les écrans de cet ordinateur.",
        "No hay una zona libre en la cuadrícula para las pantallas de este equipo.",
        "Não há área livre na grade para as telas deste computador."),
    "Choose the port and resolution of every monitor first.": (
        "請先為每台顯示器選擇連接埠和解析度。", "请先为每台显示器选择端口和分辨率。",
        "先にすべてのモニターのポートと解像度を選んでください。",
        "Wählen Sie zuerst Port und Auflösung jedes Monitors.",
        "Сначала выберите порт и разрешение каждого монитора.",
        "먼저 모든 모니터의 포트와 해상도를 선택하십시오.",
        "Choisissez d'abord le port et la résolution de chaque moniteur.",
        "Elija primero el puerto y la resolución de cada monitor.",
        "Escolha primeiro a porta e a resolução de cada monitor."),
    "The desktop reports no screens.": ("桌面未回報任何螢幕。", "桌面未报告任何屏幕。", "デスクトップが画面を報告していません。",
                                        "Der Desktop meldet keine Bildschirme.", "Рабочий стол не сообщает ни одного экрана.",
                                        "데스크톱이 화면을 보고하지 않습니다.", "Le bureau ne signale aucun écran.",
                                        "El escritorio no informa de ninguna pantalla.", "A área de trabalho não informa nenhuma tela."),
    "This computer's screens could not be placed.": (
        "無法放置這台電腦的螢幕。", "无法放置这台电脑的屏幕。", "このコンピューターの画面を配置できませんでした。",
        "Die Bildschirme dieses Computers konnten nicht platziert werden.",
        "Не удалось разместить экраны этого компьютера.", "이 컴퓨터의 화면을 배치할 수 없습니다.",
        "Les écrans de cet ordinateur n'ont pas pu être placés.",
        "No se pudieron colocar las pantallas de este equipo.",
        "Não foi possível posicionar as telas deste computador."),
    "Place this computer's screens on its port (in the editor).": (
        "將這台電腦的螢幕放在它的連接埠上（在編輯器中）。", "将这台电脑的屏幕放到它的端口上（在编辑器中）。",
        "このコンピューターの画面をそのポートに配置します（エディター内）。",
        "Platziert die Bildschirme dieses Computers an seinem Port (im Editor).",
        "Размещает экраны этого компьютера на его порту (в редакторе).",
        "이 컴퓨터의 화면을 해당 포트에 배치합니다(편집기에서).",
        "Place les écrans de cet ordinateur sur son port (dans l'éditeur).",
        "Coloca las pantallas de este equipo en su puerto (en el editor).",
        "Posiciona as telas deste computador na sua porta (no editor)."),
    # A failed check names the monitors it points at under its message, and
    # the grid's cursor says so of a marked monitor.
    "%1 %2 at row %3, column %4": ("%1 %2（第 %3 列，第 %4 欄）", "%1 %2（第 %3 行，第 %4 列）", "%1 %2（%3 行目、%4 列目）",
                                   "%1 %2 in Zeile %3, Spalte %4", "%1 %2 в строке %3, столбце %4",
                                   "%1 %2(%3행, %4열)", "%1 %2 à la ligne %3, colonne %4",
                                   "%1 %2 en la fila %3, columna %4", "%1 %2 na linha %3, coluna %4"),
    "%1; %2": ("%1；%2", "%1；%2", "%1、%2", "%1; %2", "%1; %2", "%1; %2", "%1 ; %2", "%1; %2", "%1; %2"),
    "marked by the check": ("已由檢查標示", "已由检查标出", "チェックで指摘", "von der Prüfung markiert",
                            "отмечен проверкой", "검사에서 표시됨", "signalé par la vérification",
                            "señalado por la comprobación", "apontado pela verificação"),
    "monitor %1": ("顯示器 %1", "显示器 %1", "モニター %1", "Monitor %1", "монитор %1", "모니터 %1",
                   "moniteur %1", "monitor %1", "monitor %1"),
    "Next": ("下一步", "下一步", "次へ", "Weiter", "Далее", "다음", "Suivant", "Siguiente", "Avançar"),

    # The list of keys (F1, or "?" on the grid). Keys are named as their caps
    # say in each language; Ctrl, Shift and the combinations are named by
    # the platform in the language (lang.keyText), as the menus name them.
    "Keyboard": ("鍵盤", "键盘", "キーボード", "Tastatur", "Клавиатура", "키보드", "Clavier", "Teclado", "Teclado"),
    "On the grid": ("格線上", "网格上", "グリッド上", "Im Raster", "На сетке", "그리드에서", "Sur la grille",
                    "En la cuadrícula", "Na grade"),
    "Everywhere": ("任何畫面", "任何界面", "どこでも", "Überall", "Везде", "어디서나", "Partout", "En todas partes",
                   "Em qualquer lugar"),
    "Files": ("檔案", "文件", "ファイル", "Dateien", "Файлы", "파일", "Fichiers", "Archivos", "Arquivos"),
    "Arrow keys": ("方向鍵", "方向键", "矢印キー", "Pfeiltasten", "Стрелки", "화살표 키", "Touches fléchées",
                   "Teclas de flecha", "Teclas de seta"),
    "Move the cursor over the grid.": ("在格線上移動游標。", "在网格上移动光标。", "グリッド上でカーソルを移動します。",
                                       "Bewegt den Cursor über das Raster.", "Перемещает курсор по сетке.",
                                       "그리드에서 커서를 이동합니다.", "Déplace le curseur sur la grille.",
                                       "Mueve el cursor por la cuadrícula.", "Move o cursor pela grade."),
    "Enter, Space": ("Enter、空白鍵", "Enter、空格键", "Enter、スペース", "Eingabe, Leertaste", "Enter, Пробел",
                     "Enter, 스페이스", "Entrée, Espace", "Intro, Espacio", "Enter, Espaço"),
    "Press the cell: place a monitor there, or select the monitor on it.": (
        "按下儲存格：在此放置顯示器，或選取其上的顯示器。", "按下单元格：在此放置显示器，或选中其上的显示器。",
        "セルを押します：モニターを配置するか、そこにあるモニターを選択します。",
        "Drückt die Zelle: setzt dort einen Monitor oder wählt den Monitor darauf aus.",
        "Нажимает ячейку: ставит в неё монитор или выбирает стоящий в ней монитор.",
        "셀을 누릅니다: 모니터를 배치하거나 그 위의 모니터를 선택합니다.",
        "Appuie sur la case : y place un moniteur, ou sélectionne le moniteur qui s'y trouve.",
        "Pulsa la celda: coloca un monitor en ella o selecciona el monitor que hay en ella.",
        "Pressiona a célula: coloca um monitor nela ou seleciona o monitor que está nela."),
    "Delete": ("Delete 鍵", "Delete 键", "Delete", "Entf", "Delete", "Delete", "Suppr", "Supr", "Delete"),
    "Ask to delete the monitor under the cursor.": (
        "詢問是否刪除游標下的顯示器。", "询问是否删除光标下的显示器。", "カーソル位置のモニターを削除するか確認します。",
        "Fragt, ob der Monitor unter dem Cursor gelöscht werden soll.",
        "Спрашивает, удалить ли монитор под курсором.", "커서 아래 모니터를 삭제할지 묻습니다.",
        "Demande s'il faut supprimer le moniteur sous le curseur.",
        "Pregunta si se elimina el monitor bajo el cursor.",
        "Pergunta se o monitor sob o cursor deve ser excluído."),
    "Set the port of the monitor under the cursor.": (
        "設定游標下顯示器的連接埠。", "设置光标下显示器的端口。", "カーソル位置のモニターのポートを設定します。",
        "Setzt den Port des Monitors unter dem Cursor.", "Задаёт порт монитора под курсором.",
        "커서 아래 모니터의 포트를 설정합니다.", "Définit le port du moniteur sous le curseur.",
        "Asigna el puerto del monitor bajo el cursor.", "Define a porta do monitor sob o cursor."),
    "Open the port list of the monitor under the cursor.": (
        "開啟游標下顯示器的連接埠清單。", "打开光标下显示器的端口列表。", "カーソル位置のモニターのポート一覧を開きます。",
        "Öffnet die Portliste des Monitors unter dem Cursor.", "Открывает список портов монитора под курсором.",
        "커서 아래 모니터의 포트 목록을 엽니다.", "Ouvre la liste des ports du moniteur sous le curseur.",
        "Abre la lista de puertos del monitor bajo el cursor.", "Abre a lista de portas do monitor sob o cursor."),
    "Open the number list of the monitor under the cursor, when its port has more than one monitor.": (
        "開啟游標下顯示器的編號清單（當其連接埠有多台顯示器時）。",
        "打开光标下显示器的编号列表（当其端口有多台显示器时）。",
        "カーソル位置のモニターの番号一覧を開きます（そのポートに複数のモニターがある場合）。",
        "Öffnet die Nummernliste des Monitors unter dem Cursor, wenn sein Port mehr als einen Monitor hat.",
        "Открывает список номеров монитора под курсором, если у его порта больше одного монитора.",
        "커서 아래 모니터의 번호 목록을 엽니다(해당 포트에 모니터가 둘 이상일 때).",
        "Ouvre la liste des numéros du moniteur sous le curseur, quand son port a plusieurs moniteurs.",
        "Abre la lista de números del monitor bajo el cursor, cuando su puerto tiene más de un monitor.",
        "Abre a lista de números do monitor sob o cursor, quando sua porta tem mais de um monitor."),
    "Up, Down, Enter": ("上、下、Enter", "上、下、Enter", "↑、↓、Enter", "Pfeil hoch, Pfeil runter, Eingabe", "Вверх, Вниз, Enter",
                        "위, 아래, Enter", "Haut, Bas, Entrée", "Arriba, Abajo, Intro",
                        "Para cima, Para baixo, Enter"),
    "In an open list: choose an entry and take it.": (
        "在開啟的清單中：選擇項目並套用。", "在打开的列表中：选择条目并确认。", "開いている一覧で：項目を選んで確定します。",
        "In einer offenen Liste: einen Eintrag wählen und übernehmen.",
        "В открытом списке: выбрать пункт и применить его.", "열린 목록에서: 항목을 선택하고 적용합니다.",
        "Dans une liste ouverte : choisir une entrée et la valider.",
        "En una lista abierta: elegir una entrada y aceptarla.",
        "Em uma lista aberta: escolher uma entrada e confirmá-la."),
    "Go to the resolution list.": ("前往解析度清單。", "转到分辨率列表。", "解像度一覧へ移動します。",
                                   "Springt zur Auflösungsliste.", "Переходит к списку разрешений.",
                                   "해상도 목록으로 이동합니다.", "Va à la liste des résolutions.",
                                   "Va a la lista de resoluciones.", "Vai para a lista de resoluções."),
    "%1+arrow keys": ("%1+方向鍵", "%1+方向键", "%1+矢印キー", "%1+Pfeiltasten", "%1+стрелки",
                      "%1+화살표 키", "%1+touches fléchées", "%1+teclas de flecha", "%1+teclas de seta"),
    "Move the monitor under the cursor to the next cell.": (
        "將游標下的顯示器移到相鄰的儲存格。", "将光标下的显示器移到相邻的单元格。", "カーソル位置のモニターを隣のセルへ移動します。",
        "Verschiebt den Monitor unter dem Cursor in die nächste Zelle.",
        "Перемещает монитор под курсором в соседнюю ячейку.", "커서 아래 모니터를 옆 셀로 이동합니다.",
        "Déplace le moniteur sous le curseur vers la case voisine.",
        "Mueve el monitor bajo el cursor a la celda contigua.",
        "Move o monitor sob o cursor para a célula vizinha."),
    "Undo the last change.": ("復原上一個變更。", "撤销上一次更改。", "直前の変更を元に戻します。",
                              "Macht die letzte Änderung rückgängig.", "Отменяет последнее изменение.",
                              "마지막 변경을 실행 취소합니다.", "Annule la dernière modification.",
                              "Deshace el último cambio.", "Desfaz a última alteração."),
    "Redo the change undone last.": ("重做上一個復原的變更。", "重做上一次撤销的更改。", "元に戻した変更をやり直します。",
                                     "Stellt die zuletzt rückgängig gemachte Änderung wieder her.",
                                     "Повторяет последнее отменённое изменение.",
                                     "마지막으로 취소한 변경을 다시 실행합니다.",
                                     "Rétablit la dernière modification annulée.",
                                     "Rehace el último cambio deshecho.", "Refaz a última alteração desfeita."),
    "Show this list of keys.": ("顯示此按鍵清單。", "显示此按键列表。", "このキー一覧を表示します。",
                                "Zeigt diese Tastenliste.", "Показывает этот список клавиш.",
                                "이 키 목록을 표시합니다.", "Affiche cette liste de touches.",
                                "Muestra esta lista de teclas.", "Mostra esta lista de teclas."),
    "Move between the grid, the side panel and the top bar; in a dialog, between its controls.": (
        "在格線、側邊面板與頂端列之間移動；在對話方塊中，於其控制項之間移動。",
        "在网格、侧边面板和顶部栏之间移动；在对话框中，在其控件之间移动。",
        "グリッド、サイドパネル、上部バーの間を移動します。ダイアログでは、その操作部品の間を移動します。",
        "Wechselt zwischen Raster, Seitenleiste und oberer Leiste; in einem Dialog zwischen seinen Bedienelementen.",
        "Переход между сеткой, боковой панелью и верхней панелью; в диалоге — между его элементами.",
        "그리드, 사이드 패널, 상단 바 사이를 이동합니다. 대화 상자에서는 그 컨트롤 사이를 이동합니다.",
        "Passe de la grille au panneau latéral et à la barre du haut ; dans une boîte de dialogue, d'un contrôle à l'autre.",
        "Pasa entre la cuadrícula, el panel lateral y la barra superior; en un diálogo, entre sus controles.",
        "Alterna entre a grade, o painel lateral e a barra superior; em uma caixa de diálogo, entre seus controles."),
    "Escape": ("Esc", "Esc", "Esc", "Esc", "Esc", "Esc", "Échap", "Esc", "Esc"),
    "Close an open list or dialog; from the resolution list, go back to the grid.": (
        "關閉開啟的清單或對話方塊；從解析度清單返回格線。", "关闭打开的列表或对话框；从分辨率列表返回网格。",
        "開いている一覧やダイアログを閉じます。解像度一覧からはグリッドに戻ります。",
        "Schließt eine offene Liste oder einen Dialog; aus der Auflösungsliste zurück zum Raster.",
        "Закрывает открытый список или диалог; из списка разрешений возвращает к сетке.",
        "열린 목록이나 대화 상자를 닫습니다. 해상도 목록에서는 그리드로 돌아갑니다.",
        "Ferme une liste ou une boîte de dialogue ouverte ; depuis la liste des résolutions, revient à la grille.",
        "Cierra una lista o un diálogo abiertos; desde la lista de resoluciones, vuelve a la cuadrícula.",
        "Fecha uma lista ou caixa de diálogo aberta; na lista de resoluções, volta para a grade."),
    "Start a new layout.": ("建立新佈局。", "新建布局。", "新しいレイアウトを作成します。", "Beginnt ein neues Layout.",
                            "Создаёт новую схему.", "새 레이아웃을 시작합니다.", "Commence une nouvelle disposition.",
                            "Empieza una disposición nueva.", "Inicia um novo layout."),
    "Open a layout file.": ("開啟佈局檔案。", "打开布局文件。", "レイアウトファイルを開きます。", "Öffnet eine Layoutdatei.",
                            "Открывает файл схемы.", "레이아웃 파일을 엽니다.", "Ouvre un fichier de disposition.",
                            "Abre un archivo de disposición.", "Abre um arquivo de layout."),
    "Save the layout to a file (in the editor).": (
        "將佈局儲存到檔案（在編輯器中）。", "将布局保存到文件（在编辑器中）。", "レイアウトをファイルに保存します（エディター内）。",
        "Speichert das Layout in einer Datei (im Editor).", "Сохраняет схему в файл (в редакторе).",
        "레이아웃을 파일로 저장합니다(편집기에서).", "Enregistre la disposition dans un fichier (dans l'éditeur).",
        "Guarda la disposición en un archivo (en el editor).", "Salva o layout em um arquivo (no editor)."),
    "Save the layout under a new name (in the editor).": (
        "以新名稱儲存佈局（在編輯器中）。", "以新名称保存布局（在编辑器中）。", "レイアウトを別名で保存します（エディター内）。",
        "Speichert das Layout unter einem neuen Namen (im Editor).", "Сохраняет схему под новым именем (в редакторе).",
        "레이아웃을 새 이름으로 저장합니다(편집기에서).", "Enregistre la disposition sous un nouveau nom (dans l'éditeur).",
        "Guarda la disposición con un nombre nuevo (en el editor).", "Salva o layout com um novo nome (no editor)."),
    "Quit the program.": ("結束程式。", "退出程序。", "プログラムを終了します。", "Beendet das Programm.",
                          "Завершает работу программы.", "프로그램을 종료합니다.", "Quitte le programme.",
                          "Cierra el programa.", "Fecha o programa."),

    # Second start.
    "AP is running.": ("程式已在執行中。", "程序已在运行。", "アプリケーションは既に実行中です。",
                       "Das Programm wird bereits ausgeführt.", "Программа уже запущена.",
                       "프로그램이 이미 실행 중입니다.", "L'application est déjà en cours d'exécution.",
                       "La aplicación ya se está ejecutando.", "O aplicativo já está em execução."),
    "We recommend video resolution should not be less than 1440 x 900.": (
        "建議螢幕解析度不低於 1440 x 900。", "建议屏幕分辨率不低于 1440 x 900。",
        "1440 x 900 以上の画面解像度をお勧めします。",
        "Wir empfehlen eine Bildschirmauflösung von mindestens 1440 x 900.",
        "Рекомендуется разрешение экрана не ниже 1440 x 900.",
        "1440 x 900 이상의 화면 해상도를 권장합니다.",
        "Nous recommandons une résolution d'écran d'au moins 1440 x 900.",
        "Se recomienda una resolución de pantalla de al menos 1440 x 900.",
        "Recomendamos uma resolução de tela de pelo menos 1440 x 900."),
}


def escape(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
                .replace('"', "&quot;").replace("'", "&apos;").replace("\r", "&#xd;"))


FRENCH = [f for f, _ in LANGS].index("fr")


def lookup(context, source, column):
    """The translation of source in one column (None: unknown text)."""
    for key in (context + "|" + source, source):
        if column == "en":
            if key in TABLE or key in ENGLISH:
                return ENGLISH.get(key, source)
        elif key in TABLE:
            text = TABLE[key][column]
            if column == FRENCH:
                # French sets a space before "?", "!" and ":"; it must never
                # start a line of its own.
                for mark in "?!:":
                    text = text.replace(" " + mark, "\u00a0" + mark)
            return text
    return None


def write_catalogue(path, language, contexts):
    out = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
           '<TS version="2.1" language="%s" sourcelanguage="en_US">' % language]
    for name, messages in contexts:
        out.append("<context>")
        out.append("    <name>%s</name>" % escape(name))
        for source, notes, translation in messages:
            out.append("    <message>")
            out.append("        <source>%s</source>" % escape(source))
            for tag, text in notes:
                out.append("        <%s>%s</%s>" % (tag, escape(text), tag))
            if translation is None:
                out.append('        <translation type="unfinished"></translation>')
            else:
                out.append("        <translation>%s</translation>" % escape(translation))
            out.append("    </message>")
        out.append("</context>")
    out.append("</TS>")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "lang")
    columns = [("en", "en_US", "en")] + [(f, lang, i) for i, (f, lang) in enumerate(LANGS)]
    unknown = set()
    for name, language, column in columns:
        path = os.path.join(root, name + ".ts")
        tree = ET.parse(path)
        contexts = []
        for context in tree.getroot().iter("context"):
            cname = context.findtext("name")
            messages = []
            for message in context.iter("message"):
                if message.get("numerus") == "yes":
                    sys.exit("%s: plural forms are not handled here" % path)
                source = message.findtext("source")
                # The disambiguation and the developer's note stay with the text.
                notes = [(tag, message.findtext(tag)) for tag in ("comment", "extracomment")
                         if message.find(tag) is not None]
                translation = lookup(cname, source, column)
                if translation is None:
                    unknown.add((cname, source))
                messages.append((source, notes, translation))
            contexts.append((cname, messages))
        write_catalogue(path, language, contexts)
    for cname, source in sorted(unknown):
        print("not in the table: %s: %r" % (cname, source), file=sys.stderr)
    return 1 if unknown else 0


if __name__ == "__main__":
    sys.exit(main())
