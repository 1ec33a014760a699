<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name>DeletePrompt</name>
    <message>
        <source>Delete this setting.</source>
        <translation>Excluir este monitor?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Não há dados para salvar.</translation>
    </message>
    <message>
        <source>No data to be upload.</source>
        <translation>Não há dados para enviar.</translation>
    </message>
</context>
<context>
    <name>EditorTopBar</name>
    <message>
        <source>Home Page</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
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
        <translation>Deseja salvar as alterações? Se sim, salve a configuração antes de sair.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure you want to create a new list without saving?</source>
        <translation>Tem certeza de que deseja criar um novo layout sem salvar?</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Are you sure you want to load a file without saving?</source>
        <translation>Tem certeza de que deseja carregar um arquivo sem salvar?</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Save Profle</source>
        <translation>Salvar perfil</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Save successfully.</source>
        <translation>Salvo com sucesso.</translation>
    </message>
    <message>
        <source>Failed to save data.</source>
        <translation>Falha ao salvar os dados.</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Selecionar um arquivo</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>Arquivos de layout (*.km)</translation>
    </message>
    <message>
        <source>Input the file name</source>
        <translation>Digite o nome do arquivo</translation>
    </message>
</context>
<context>
    <name>FootControl</name>
    <message>
        <source>Copyright © 2026 %1 Peripheral Systems Co., Ltd. All rights reserved.</source>
        <translation>Copyright © 2026 %1 Peripheral Systems Co., Ltd. Todos os direitos reservados.</translation>
    </message>
</context>
<context>
    <name>GridCell</name>
    <message>
        <source>No resolution</source>
        <translation>Sem resolução</translation>
    </message>
</context>
<context>
    <name>GridCursor</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Linha %1, coluna %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
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
        <translation>apontado pela verificação</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Utilitário de configuração da comutação Seamrun</translation>
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
        <translation>Selecionar um arquivo</translation>
    </message>
    <message>
        <source>List Files (*.km)</source>
        <translation>Arquivos de layout (*.km)</translation>
    </message>
</context>
<context>
    <name>ResolutionChoices</name>
    <message>
        <source>Select Resolution</source>
        <translation>Selecionar resolução</translation>
    </message>
</context>
<context>
    <name>ScreensCommand</name>
    <message>
        <source>Reading this computer&apos;s port from the switch…</source>
        <translation>Lendo do comutador a porta deste computador…</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>Telas deste computador</translation>
    </message>
    <message>
        <source>%1 has monitors on the desk already. Replace them with this computer&apos;s screens?</source>
        <translation>%1 já tem monitores. Substituí-los pelas telas deste computador?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This computer&apos;s screens do not fit: a desk holds at most 16 monitors.</source>
        <translation>As telas deste computador não cabem: no máximo 16 monitores.</translation>
    </message>
    <message>
        <source>There is no free area on the grid for this computer&apos;s screens.</source>
        <translation>Não há área livre na grade para as telas deste computador.</translation>
    </message>
    <message>
        <source>Choose the port and resolution of every monitor first.</source>
        <translation>Escolha primeiro a porta e a resolução de cada monitor.</translation>
    </message>
    <message>
        <source>The desktop reports no screens.</source>
        <translation>A área de trabalho não informa nenhuma tela.</translation>
    </message>
    <message>
        <source>This computer&apos;s screens could not be placed.</source>
        <translation>Não foi possível posicionar as telas deste computador.</translation>
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
        <translation>Orientação</translation>
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
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Status List</source>
        <translation>Status das portas</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secundário</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Save to local</source>
        <translation>Salvar localmente</translation>
    </message>
    <message>
        <source>Save to device</source>
        <translation>Salvar no dispositivo</translation>
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
        <translation>Não conectado</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>1 switch</source>
        <translation>1 comutador</translation>
    </message>
    <message>
        <source>2 switches chained</source>
        <translation>2 comutadores encadeados</translation>
    </message>
    <message>
        <source>No access: udev rule missing</source>
        <translation>Sem acesso: falta a regra udev</translation>
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
        <translation>Adicionar tela em branco</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Selecionar modelo</translation>
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
        <translation>Falha ao enviar os dados.</translation>
    </message>
    <message>
        <source>To save and apply the layout configuration to OrrinKM, please connect your computer to the Primary OrrinKM device.</source>
        <translation>Para salvar e aplicar o layout no OrrinKM, conecte o computador ao comutador OrrinKM principal.</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Falha ao salvar</translation>
    </message>
    <message>
        <source>Only one OrrinKM is connected. We save port 1-4 monitor layout only. Do you want to continue?</source>
        <translation>Apenas um OrrinKM está conectado. Somente o layout dos monitores das portas 1-4 será salvo. Deseja continuar?</translation>
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
        <translation>Apenas um OrrinKM está conectado. Use apenas as portas P1 a P4.</translation>
    </message>
    <message>
        <source>Save to device successfully.</source>
        <translation>Salvo no dispositivo com sucesso.</translation>
    </message>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>O driver de área de trabalho estendida está em execução. Feche-o e envie novamente.</translation>
    </message>
</context>
<context>
    <name>about_control</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Utilitário de configuração da comutação Seamrun</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
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
        <translation>Utilitário de configuração da comutação Seamrun</translation>
    </message>
    <message>
        <source>AP is running.</source>
        <translation>O aplicativo já está em execução.</translation>
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
        <translation>Não é possível salvar o arquivo</translation>
    </message>
    <message>
        <source>Current configuration of @ is not set in a rectangular shape. Please adjust it and save again.</source>
        <translation>A configuração atual de @ não forma um retângulo. Ajuste-a e salve novamente.</translation>
    </message>
</context>
<context>
    <name>edit_page_error2</name>
    <message>
        <source>File can not be saved</source>
        <translation>Não é possível salvar o arquivo</translation>
    </message>
    <message>
        <source>Current configuration contains blank area among the blocks. Please adjust it and save again.</source>
        <translation>A configuração atual contém espaços vazios entre os monitores. Ajuste-a e salve novamente.</translation>
    </message>
</context>
<context>
    <name>edit_page_error3</name>
    <message>
        <source>File can not be saved</source>
        <translation>Não é possível salvar o arquivo</translation>
    </message>
    <message>
        <source>Screens that configured to @ are not set in the same resolution. Please adjust it and save again.</source>
        <translation>Os monitores configurados em @ não têm a mesma resolução. Ajuste-os e salve novamente.</translation>
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
        <translation>Lembrete: os monitores de cada porta devem formar um retângulo.</translation>
    </message>
    <message>
        <source>The layout of P1 is not in a rectangular shape.</source>
        <translation>O layout de P1 não forma um retângulo.</translation>
    </message>
    <message>
        <source>The layout of P1 is divided into two separate rectangles.</source>
        <translation>O layout de P1 está dividido em dois retângulos separados.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again.</source>
        <translation>Não mostrar novamente</translation>
    </message>
</context>
<context>
    <name>foreword</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Utilitário de configuração da comutação Seamrun</translation>
    </message>
    <message>
        <source>We recommend video resolution should not be less than 1440 x 900.</source>
        <translation>Recomendamos uma resolução de tela de pelo menos 1440 x 900.</translation>
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
        <translation>Foco de comutação Seamrun</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
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
        <translation>Sempre</translation>
    </message>
</context>
<context>
    <name>keep_awake_option</name>
    <message>
        <source>Keep Awake Option</source>
        <translation>Manter ativo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>When Working</source>
        <translation>Durante o uso</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Sempre</translation>
    </message>
</context>
<context>
    <name>key_help</name>
    <message>
        <source>On the grid</source>
        <translation>Na grade</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Teclas de seta</translation>
    </message>
    <message>
        <source>Move the cursor over the grid.</source>
        <translation>Move o cursor pela grade.</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Enter, Espaço</translation>
    </message>
    <message>
        <source>Press the cell: place a monitor there, or select the monitor on it.</source>
        <translation>Pressiona a célula: coloca um monitor nela ou seleciona o monitor que está nela.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Ask to delete the monitor under the cursor.</source>
        <translation>Pergunta se o monitor sob o cursor deve ser excluído.</translation>
    </message>
    <message>
        <source>Set the port of the monitor under the cursor.</source>
        <translation>Define a porta do monitor sob o cursor.</translation>
    </message>
    <message>
        <source>Open the port list of the monitor under the cursor.</source>
        <translation>Abre a lista de portas do monitor sob o cursor.</translation>
    </message>
    <message>
        <source>Open the number list of the monitor under the cursor, when its port has more than one monitor.</source>
        <translation>Abre a lista de números do monitor sob o cursor, quando sua porta tem mais de um monitor.</translation>
    </message>
    <message>
        <source>Up, Down, Enter</source>
        <translation>Para cima, Para baixo, Enter</translation>
    </message>
    <message>
        <source>In an open list: choose an entry and take it.</source>
        <translation>Em uma lista aberta: escolher uma entrada e confirmá-la.</translation>
    </message>
    <message>
        <source>Go to the resolution list.</source>
        <translation>Vai para a lista de resoluções.</translation>
    </message>
    <message>
        <source>Move the monitor under the cursor to the next cell.</source>
        <translation>Move o monitor sob o cursor para a célula vizinha.</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>Desfaz a última alteração.</translation>
    </message>
    <message>
        <source>Redo the change undone last.</source>
        <translation>Refaz a última alteração desfeita.</translation>
    </message>
    <message>
        <source>Show this list of keys.</source>
        <translation>Mostra esta lista de teclas.</translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation>Em qualquer lugar</translation>
    </message>
    <message>
        <source>Move between the grid, the side panel and the top bar; in a dialog, between its controls.</source>
        <translation>Alterna entre a grade, o painel lateral e a barra superior; em uma caixa de diálogo, entre seus controles.</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Close an open list or dialog; from the resolution list, go back to the grid.</source>
        <translation>Fecha uma lista ou caixa de diálogo aberta; na lista de resoluções, volta para a grade.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Start a new layout.</source>
        <translation>Inicia um novo layout.</translation>
    </message>
    <message>
        <source>Open a layout file.</source>
        <translation>Abre um arquivo de layout.</translation>
    </message>
    <message>
        <source>Save the layout to a file (in the editor).</source>
        <translation>Salva o layout em um arquivo (no editor).</translation>
    </message>
    <message>
        <source>Save the layout under a new name (in the editor).</source>
        <translation>Salva o layout com um novo nome (no editor).</translation>
    </message>
    <message>
        <source>Quit the program.</source>
        <translation>Fecha o programa.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1+arrow keys</source>
        <extracomment>%1 is the Ctrl key as the language names it (Strg in German)</extracomment>
        <translation>%1+teclas de seta</translation>
    </message>
    <message>
        <source>Place this computer&apos;s screens on its port (in the editor).</source>
        <translation>Posiciona as telas deste computador na sua porta (no editor).</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Seamrun Switching Configuration Utility</source>
        <translation>Utilitário de configuração da comutação Seamrun</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The file is invalid.</source>
        <translation>O arquivo é inválido.</translation>
    </message>
    <message>
        <source>Do you want to quit?</source>
        <translation>Deseja sair?</translation>
    </message>
    <message>
        <source>Do you want to save the change? If yes, please save the configuration before leaving.</source>
        <translation>Deseja salvar as alterações? Se sim, salve a configuração antes de sair.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Before using Seamrun Switching, please turn off mouse acceleration in the operating system.</source>
        <translation>Antes de usar a comutação Seamrun, desative a aceleração do mouse no sistema operacional.</translation>
    </message>
    <message>
        <source>KM Switch Device</source>
        <translation>Comutador KM</translation>
    </message>
    <message>
        <source>OrrinKM</source>
        <translation>OrrinKM</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Carregar de arquivo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open recent file</source>
        <translation>Arquivos recentes</translation>
    </message>
    <message>
        <source>Language setting</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Selecionar modelo</translation>
    </message>
    <message>
        <source>The file no longer exists. It has been removed from the recent files.</source>
        <translation>O arquivo não existe mais. Ele foi removido dos arquivos recentes.</translation>
    </message>
    <message>
        <source>Enter opens the chosen file, Delete removes it from the list.</source>
        <translation>Enter abre o arquivo escolhido; Delete o remove da lista.</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>não encontrado</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Remover da lista</translation>
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
        <translation>%1 %2 na linha %3, coluna %4</translation>
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
        <translation>Modelo</translation>
    </message>
    <message>
        <source>New Object</source>
        <translation>Novo layout</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Carregar arquivo</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>This computer&apos;s screens</source>
        <translation>Telas deste computador</translation>
    </message>
</context>
<context>
    <name>mouse_menu</name>
    <message>
        <source>Mouse Acceleration</source>
        <translation>Aceleração do mouse</translation>
    </message>
    <message>
        <source>Mouse Position</source>
        <translation>Posição do mouse</translation>
    </message>
    <message>
        <source>Seamrun Switching Focus</source>
        <translation>Foco de comutação Seamrun</translation>
    </message>
    <message>
        <source>Keep Awake Option</source>
        <translation>Manter ativo</translation>
    </message>
</context>
<context>
    <name>mouse_position_setting</name>
    <message>
        <source>Mouse position</source>
        <translation>Posição do mouse</translation>
    </message>
    <message>
        <source>Upper left</source>
        <translation>Superior esquerdo</translation>
    </message>
    <message>
        <source>Upper right</source>
        <translation>Superior direito</translation>
    </message>
    <message>
        <source>Lower left</source>
        <translation>Inferior esquerdo</translation>
    </message>
    <message>
        <source>Lower right</source>
        <translation>Inferior direito</translation>
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
        <translation>Aceleração do mouse</translation>
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
        <translation>Telas deste computador</translation>
    </message>
    <message>
        <source>No switch answered. Which port is this computer on?</source>
        <translation>Nenhum comutador respondeu. Em qual porta este computador está conectado?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Selecione uma resolução.</translation>
    </message>
    <message>
        <source>Please select a number.</source>
        <translation>Selecione um número de porta.</translation>
    </message>
    <message>
        <source>Select Resolution</source>
        <translation>Selecionar resolução</translation>
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
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>Selecionar configuração</translation>
    </message>
    <message>
        <source>The system will apply the settings to all PC port.</source>
        <translation>Os ajustes serão aplicados a todas as portas de PC.</translation>
    </message>
    <message>
        <source>View other layout</source>
        <translation>Ver outros layouts</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Criar</translation>
    </message>
</context>
<context>
    <name>uploadKvm</name>
    <message>
        <source>The extended desktop driver ap is running. Please close it and upload again.</source>
        <translation>O driver de área de trabalho estendida está em execução. Feche-o e envie novamente.</translation>
    </message>
    <message>
        <source>Device connection is not ready, Please try again.</source>
        <translation>A conexão com o dispositivo não está pronta. Tente novamente.</translation>
    </message>
    <message>
        <source>Please check connection before saving to device.</source>
        <translation>Verifique a conexão antes de salvar no dispositivo.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>This user may not open the switch: install its udev rule (see Troubleshooting in the README), then unplug the switch and plug it in again.</source>
        <translation>Este usuário não pode abrir o comutador: instale a regra udev dele (veja “Troubleshooting” no README) e depois desconecte o comutador e conecte-o novamente.</translation>
    </message>
</context>
</TS>
