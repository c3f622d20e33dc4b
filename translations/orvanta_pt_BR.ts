<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>Sobre o Orvanta</translation>
    </message>
    <message>
        <source>Companion program for the Orvanta magnetic susceptibility meter.</source>
        <translation>Programa complementar do medidor de suscetibilidade magnética Orvanta.</translation>
    </message>
    <message>
        <source>Made by the Orvanta instrument team for geologists and surveyors.</source>
        <translation>Feito pela equipe de instrumentos Orvanta para geólogos e topógrafos.</translation>
    </message>
    <message>
        <source>Ask your Orvanta distributor for support and calibration.</source>
        <translation>Procure seu distribuidor Orvanta para suporte e calibração.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Orvanta developers.
This program is free software under the GNU General Public License, version 3
or (at your option) any later version. It comes with no warranty.</source>
        <translation>Copyright © 2026 os desenvolvedores do Orvanta.
Este programa é software livre sob a Licença Pública Geral GNU, versão 3
ou (a seu critério) qualquer versão posterior. Ele é fornecido sem nenhuma garantia.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DownloadSummary</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Baixando</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Download concluído</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Download cancelado</translation>
    </message>
    <message>
        <source>Download cut short: the connection to the meter was lost</source>
        <translation>Download interrompido: a conexão com o medidor foi perdida</translation>
    </message>
    <message>
        <source>Download cut short: the port was opened again</source>
        <translation>Download interrompido: a porta foi aberta novamente</translation>
    </message>
    <message>
        <source>Download stopped: readings could not be stored</source>
        <translation>Download parado: as leituras não puderam ser armazenadas</translation>
    </message>
    <message>
        <source>Download ended: the meter did not answer</source>
        <translation>Download encerrado: o medidor não respondeu</translation>
    </message>
    <message>
        <source>Download cut short by a new request</source>
        <translation>Download interrompido por uma nova solicitação</translation>
    </message>
    <message>
        <source>%1 reading stored</source>
        <translation>%1 leitura armazenada</translation>
    </message>
    <message>
        <source>%1 readings stored</source>
        <translation>%1 leituras armazenadas</translation>
    </message>
    <message>
        <source>set %1, %2</source>
        <translation>série %1, %2</translation>
    </message>
    <message>
        <source>sets %1, %2</source>
        <translation>séries %1, %2</translation>
    </message>
    <message>
        <source>The meter did not answer on %1.</source>
        <translation>O medidor não respondeu em %1.</translation>
    </message>
    <message>
        <source>The connection to the meter on %1 was lost.</source>
        <translation>A conexão com o medidor em %1 foi perdida.</translation>
    </message>
    <message>
        <source>Readings could not be stored: %1.</source>
        <translation>As leituras não puderam ser armazenadas: %1.</translation>
    </message>
    <message>
        <source>Set %1 is incomplete: the download ended after position %2, and the positions after it still hold what they held before (the readings database could not be written).</source>
        <translation>A série %1 está incompleta: o download terminou após a posição %2, e as posições seguintes ainda contêm o que tinham antes (o banco de dados de leituras não pôde ser gravado).</translation>
    </message>
    <message>
        <source>; all its positions were cleared</source>
        <translation>; todas as suas posições foram apagadas</translation>
    </message>
    <message>
        <source>; positions %1 to %2 were cleared</source>
        <translation>; as posições %1 a %2 foram apagadas</translation>
    </message>
    <message>
        <source>Set %1 is incomplete: the download ended after position %2%3, and the set is marked incomplete.</source>
        <translation>A série %1 está incompleta: o download terminou após a posição %2%3, e a série está marcada como incompleta.</translation>
    </message>
    <message>
        <source>set %1 position %2</source>
        <translation>série %1 posição %2</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> e mais %1</translation>
    </message>
    <message>
        <source>%1 value was not readable and left cleared at their positions: %2.</source>
        <translation>%1 valor não era legível e foi deixado vazio em sua posição: %2.</translation>
    </message>
    <message>
        <source>%1 values were not readable and left cleared at their positions: %2.</source>
        <translation>%1 valores não eram legíveis e foram deixados vazios em suas posições: %2.</translation>
    </message>
    <message>
        <source>The first set arrived with a set number that could not be read; its values were not stored, and the set keeps what it held.</source>
        <translation>A primeira série chegou com um número de série ilegível; seus valores não foram armazenados, e a série mantém o que tinha.</translation>
    </message>
    <message>
        <source>The set after set %1 arrived with a set number that could not be read; its values were not stored, and the set keeps what it held.</source>
        <translation>A série após a série %1 chegou com um número de série ilegível; seus valores não foram armazenados, e a série mantém o que tinha.</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>porta %1 (%2)</translation>
    </message>
    <message>
        <source>Download ended: the meter sent no set</source>
        <translation>Download encerrado: o medidor não enviou nenhuma série</translation>
    </message>
    <message>
        <source>The meter also sent set %1, which was not asked for: it was not stored.</source>
        <translation>O medidor também enviou a série %1, que não foi solicitada: ela não foi armazenada.</translation>
    </message>
    <message>
        <source>The meter also sent sets %1, which were not asked for: they were not stored.</source>
        <translation>O medidor também enviou as séries %1, que não foram solicitadas: elas não foram armazenadas.</translation>
    </message>
    <message>
        <source>Set %1 came with %2 value more than its %3 positions: it was not stored.</source>
        <translation>A série %1 chegou com %2 valor a mais que suas %3 posições: ele não foi armazenado.</translation>
    </message>
    <message>
        <source>Set %1 came with %2 values more than its %3 positions: they were not stored.</source>
        <translation>A série %1 chegou com %2 valores a mais que suas %3 posições: eles não foram armazenados.</translation>
    </message>
    <message>
        <source>Set %1 was being received when it happened: it holds readings of this download and of an earlier one, and is marked incomplete.</source>
        <translation>A série %1 estava sendo recebida quando isso aconteceu: ela contém leituras deste download e de um anterior, e está marcada como incompleta.</translation>
    </message>
    <message>
        <source>%1 flag went with its reading, which this download replaced: %2.</source>
        <translation>%1 marcação saiu com sua leitura, que este download substituiu: %2.</translation>
    </message>
    <message>
        <source>%1 flags went with their readings, which this download replaced: %2.</source>
        <translation>%1 marcações saíram com suas leituras, que este download substituiu: %2.</translation>
    </message>
    <message>
        <source>Set %1 was being received when it happened: what this download had stored in it was taken back, and it holds what it held before.</source>
        <translation>A série %1 estava sendo recebida quando isso aconteceu: o que este download tinha gravado nela foi desfeito, e ela contém o que continha antes.</translation>
    </message>
    <message>
        <source>%1 value was not in the form the meter sends (a line fault?): it is stored flagged, left out of the statistics until you unflag it: %2.</source>
        <translation>%1 valor não tinha a forma que o medidor envia (uma falha de linha?): foi gravado marcado, fora das estatísticas até que você tire a marcação: %2.</translation>
    </message>
    <message>
        <source>%1 values were not in the form the meter sends (line faults?): they are stored flagged, left out of the statistics until you unflag them: %2.</source>
        <translation>%1 valores não tinham a forma que o medidor envia (falhas de linha?): foram gravados marcados, fora das estatísticas até que você tire as marcações: %2.</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>&amp;Export Data</source>
        <translation>&amp;Exportar dados</translation>
    </message>
    <message>
        <source>Export Data to Text file</source>
        <translation>Exportar dados para arquivo de texto</translation>
    </message>
    <message>
        <source>CSV, decimal point (*.csv)</source>
        <translation>CSV, ponto decimal (*.csv)</translation>
    </message>
    <message>
        <source>CSV, decimal comma (*.csv)</source>
        <translation>CSV, vírgula decimal (*.csv)</translation>
    </message>
    <message>
        <source>Expor&amp;t CSV...</source>
        <translation>Expor&amp;tar CSV...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV, one row per reading (*.csv)</source>
        <translation>CSV, uma linha por leitura (*.csv)</translation>
    </message>
    <message>
        <source>Export &amp;Long Table...</source>
        <translation>Exportar &amp;lista de leituras...</translation>
    </message>
    <message>
        <source>Export Long Table</source>
        <translation>Exportar lista de leituras</translation>
    </message>
    <message>
        <source>GeoJSON (*.geojson)</source>
        <translation>GeoJSON (*.geojson)</translation>
    </message>
    <message>
        <source>Export &amp;GeoJSON...</source>
        <translation>Exportar &amp;GeoJSON...</translation>
    </message>
    <message>
        <source>Export GeoJSON</source>
        <translation>Exportar GeoJSON</translation>
    </message>
    <message>
        <source>LAS 2.0 logs (*.las)</source>
        <translation>Perfis LAS 2.0 (*.las)</translation>
    </message>
    <message>
        <source>Export LAS Log of the C&amp;hosen Set...</source>
        <translation>Exportar o perfil LAS da série escol&amp;hida...</translation>
    </message>
    <message>
        <source>Export LAS Log of Set %1</source>
        <translation>Exportar o perfil LAS da série %1</translation>
    </message>
    <message>
        <source>Set %1 cannot be written as a LAS log: %2.</source>
        <translation>A série %1 não pode ser gravada como perfil LAS: %2.</translation>
    </message>
    <message>
        <source>GPX waypoints (*.gpx)</source>
        <translation>Pontos de passagem GPX (*.gpx)</translation>
    </message>
    <message>
        <source>Export Sites as GPX</source>
        <translation>Exportar locais como GPX</translation>
    </message>
    <message>
        <source>Export S&amp;ites as GPX...</source>
        <translation>Exportar locais como GP&amp;X...</translation>
    </message>
    <message>
        <source>CSV, one row per reading, decimal comma (*.csv)</source>
        <translation>CSV, uma linha por leitura, vírgula decimal (*.csv)</translation>
    </message>
</context>
<context>
    <name>FileMenuCommands</name>
    <message>
        <source>Open Data File</source>
        <translation>Abrir arquivo de dados</translation>
    </message>
    <message>
        <source>Save Data File</source>
        <translation>Salvar arquivo de dados</translation>
    </message>
    <message>
        <source>Data Files (*.dat)</source>
        <translation>Arquivos de dados (*.dat)</translation>
    </message>
    <message>
        <source>Orvanta survey (*.orvanta)</source>
        <translation>Levantamento Orvanta (*.orvanta)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Survey and Data Files (*.orvanta *.dat)</source>
        <translation>Levantamentos e arquivos de dados (*.orvanta *.dat)</translation>
    </message>
    <message>
        <source>Save as &amp;Survey File</source>
        <translation>Salvar como arquivo de &amp;levantamento</translation>
    </message>
    <message>
        <source>Save &amp;Data File Only</source>
        <translation>Salvar só o arquivo de &amp;dados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Long tables the program exported (*.csv)</source>
        <translation>Tabelas longas exportadas pelo programa (*.csv)</translation>
    </message>
    <message>
        <source>the details typed for sets %1</source>
        <translation>os detalhes digitados para as séries %1</translation>
    </message>
    <message>
        <source>the units of sets %1</source>
        <translation>as unidades das séries %1</translation>
    </message>
    <message>
        <source>the flags of %1 readings, with their reasons</source>
        <translation>as marcações de %1 leituras, com seus motivos</translation>
    </message>
    <message>
        <source>Data File, &amp;Never Ask for Units</source>
        <translation>Arquivo de dados, &amp;nunca perguntar pelas unidades</translation>
    </message>
    <message>
        <source>A data file keeps the readings only. Saving one drops %1. Save a survey file (*.orvanta), which keeps them, or the data file without them?</source>
        <translation>Um arquivo de dados guarda só as leituras. Salvá-lo perde %1. Salvar um arquivo de levantamento (*.orvanta), que os guarda, ou o arquivo de dados sem eles?</translation>
    </message>
    <message>
        <source>Drop one file at a time: %1 files were dropped, none was opened.</source>
        <translation>Solte um arquivo de cada vez: %1 arquivos foram soltos e nenhum foi aberto.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Abrir gravação</translation>
    </message>
    <message>
        <source>%1 is a recording of live readings. The set it goes into (its readings there are replaced):</source>
        <translation>%1 é uma gravação de leituras ao vivo. O conjunto para onde vai (suas leituras são substituídas):</translation>
    </message>
    <message>
        <source>Set %1 now holds the %2 readings of %3</source>
        <translation>O conjunto %1 agora contém as %2 leituras de %3</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>Salvando %1...</translation>
    </message>
    <message>
        <source>%1 was not saved.</source>
        <translation>%1 não foi salvo.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvo.</translation>
    </message>
    <message>
        <source>the places of %1 readings, taken by GPS</source>
        <translation>as localizações GPS de %1 leituras</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Salvar &amp;como</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Visualizar impressão</translation>
    </message>
    <message>
        <source>Print Survey S&amp;ummary...</source>
        <translation>Imprimir resu&amp;mo do levantamento...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Dados</translation>
    </message>
    <message>
        <source>&amp;Meter</source>
        <translation>&amp;Medidor</translation>
    </message>
    <message>
        <source>&amp;Plot</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Baixar</translation>
    </message>
    <message>
        <source>Download &amp;Current Set</source>
        <translation>Baixar a série &amp;atual</translation>
    </message>
    <message>
        <source>Download &amp;Selected Set</source>
        <translation>Baixar a série &amp;selecionada</translation>
    </message>
    <message>
        <source>Download &amp;All Sets</source>
        <translation>Baixar &amp;todas as séries</translation>
    </message>
    <message>
        <source>Download S&amp;et...</source>
        <translation>Baixar uma s&amp;érie...</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leitura</translation>
    </message>
    <message>
        <source>&amp;Capture Current Reading</source>
        <translation>&amp;Capturar a leitura atual</translation>
    </message>
    <message>
        <source>&amp;Show Continuous Readings</source>
        <translation>Mostrar leituras con&amp;tínuas</translation>
    </message>
    <message>
        <source>St&amp;op Readings</source>
        <translation>&amp;Parar leituras</translation>
    </message>
    <message>
        <source>&amp;Record Readings...</source>
        <translation>&amp;Gravar leituras...</translation>
    </message>
    <message>
        <source>&amp;Mark Reading...</source>
        <translation>&amp;Anotar a próxima leitura...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Store Function</source>
        <translation>Função de &amp;armazenamento</translation>
    </message>
    <message>
        <source>&amp;Comm Port...</source>
        <translation>&amp;Porta serial...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Orvanta</source>
        <translation>&amp;Sobre o Orvanta</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Download the Current Set</source>
        <translation>Baixar a série atual</translation>
    </message>
    <message>
        <source>Download Set 1</source>
        <translation>Baixar a série 1</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Série %1</translation>
    </message>
    <message>
        <source>Download All Sets</source>
        <translation>Baixar todas as séries</translation>
    </message>
    <message>
        <source>Capture Current Reading</source>
        <translation>Capturar a leitura atual</translation>
    </message>
    <message>
        <source>Show Continuous Readings</source>
        <translation>Mostrar leituras contínuas</translation>
    </message>
    <message>
        <source>Record Readings</source>
        <translation>Gravar leituras</translation>
    </message>
    <message>
        <source>Plot the Sets</source>
        <translation>Plotar as séries</translation>
    </message>
    <message>
        <source>Download Set %1 (%2)</source>
        <translation>Baixar a série %1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Lado a lado</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascata</translation>
    </message>
    <message>
        <source>&amp;Next Window</source>
        <translation>&amp;Próxima janela</translation>
    </message>
    <message>
        <source>&amp;Previous Window</source>
        <translation>Janela &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Side by Side</source>
        <translation>Dados &amp;e medidor</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Place Recording by GPX Track...</source>
        <translation>&amp;Localizar gravação pela trilha GPX...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Set number (1 to 30):</source>
        <translation>Número da série (1 a 30):</translation>
    </message>
    <message>
        <source>Readings (not saved in a file)</source>
        <translation>Leituras (não salvas em um arquivo)</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salvar...</translation>
    </message>
    <message>
        <source>&amp;Quit Without Saving</source>
        <translation>Sai&amp;r sem salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 is not a set from 1 to 30.</source>
        <translation>%1 não é uma série de 1 a 30.</translation>
    </message>
    <message>
        <source>Units and tool bar</source>
        <translation>Unidades e barra de ferramentas</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>%1 is the meter&apos;s port; the GPS receiver needs a device of its own.</source>
        <translation>%1 é a porta do medidor; o receptor GPS precisa de um dispositivo próprio.</translation>
    </message>
    <message>
        <source>The reading at position %1 of set %2 is stored, but its place could not be kept with it: %3.</source>
        <translation>A leitura na posição %1 da série %2 foi armazenada, mas sua localização não pôde ser guardada com ela: %3.</translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>Orvanta Manual</source>
        <translation>Manual do Orvanta</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
</context>
<context>
    <name>MeterWords</name>
    <message>
        <source>Units ?</source>
        <comment>not reported yet</comment>
        <translation>Unidades ?</translation>
    </message>
    <message>
        <source>Units %1</source>
        <translation>Unidades %1</translation>
    </message>
</context>
<context>
    <name>Msg</name>
    <message>
        <source>          Could not connect to the Orvanta Magnetic Susceptibility Meter.<byte value="xd"/>
<byte value="xd"/>
Please ensure that the Meter is plugged into a USB port before you start this program.<byte value="xd"/>
   If this problem persists, the USB driver for the Meter may need to be re-installed.</source>
        <translation>          Não foi possível conectar ao medidor de suscetibilidade magnética Orvanta.<byte value="xd"/>
<byte value="xd"/>
Verifique se o medidor está conectado a uma porta USB antes de iniciar este programa.<byte value="xd"/>
   Se o problema persistir, talvez seja preciso reinstalar o driver USB do medidor.</translation>
    </message>
    <message>
        <source>Meter not connected or invalid Comm Port Number selected</source>
        <translation>Medidor não conectado ou número de porta serial inválido</translation>
    </message>
    <message>
        <source>Warning: Comm Port is in use by another application</source>
        <translation>Aviso: a porta serial está em uso por outro aplicativo</translation>
    </message>
    <message>
        <source>Warning: Invalid Comm Port Number</source>
        <translation>Aviso: número de porta serial inválido</translation>
    </message>
    <message>
        <source>Several serial devices are plugged in: choose the meter&apos;s port (Options &gt; Comm Port...).</source>
        <translation>Há vários dispositivos seriais conectados: escolha a porta do medidor (Opções &gt; Porta serial...).</translation>
    </message>
    <message>
        <source>There is no device on port %1 (%2): nothing was changed. Plug the meter in, or choose a port from the list.</source>
        <translation>Não há dispositivo na porta %1 (%2): nada foi alterado. Conecte o medidor ou escolha uma porta da lista.</translation>
    </message>
    <message>
        <source>You are not allowed to open the Comm Port. Add your user to the dialout group, then log in again.</source>
        <translation>Você não tem permissão para abrir a porta serial. Adicione seu usuário ao grupo dialout e entre novamente.</translation>
    </message>
    <message>
        <source>You are not allowed to open the Comm Port (%1). Add your user to the %2 group, then log in again.</source>
        <translation>Você não tem permissão para abrir a porta serial (%1). Adicione seu usuário ao grupo %2 e entre novamente.</translation>
    </message>
    <message>
        <source>You are not allowed to open the Comm Port (%1): it is no device your user may read and write.</source>
        <translation>Você não tem permissão para abrir a porta serial (%1): não é um dispositivo que seu usuário possa ler e gravar.</translation>
    </message>
    <message>
        <source>The Comm Port (%1) is locked by a program that has ended: its lock file %2 was left behind. Remove it (as root: rm %2), then try again.</source>
        <translation>A porta serial (%1) está bloqueada por um programa que já terminou: seu arquivo de bloqueio %2 ficou para trás. Remova-o (como root: rm %2) e tente novamente.</translation>
    </message>
    <message>
        <source>The Comm Port (%1) cannot be used for the meter: %2.</source>
        <translation>A porta serial (%1) não pode ser usada para o medidor: %2.</translation>
    </message>
    <message>
        <source>The connection to the meter was lost.</source>
        <translation>A conexão com o medidor foi perdida.</translation>
    </message>
    <message>
        <source>This file is set for Read Only and cannot be modified.</source>
        <translation>Este arquivo é somente leitura e não pode ser modificado.</translation>
    </message>
    <message>
        <source>The file is not a readings database of this program. Set it aside (renamed with the date and time) and start a fresh one?</source>
        <translation>O arquivo não é um banco de dados de leituras deste programa. Deixá-lo de lado (renomeado com a data e a hora) e começar um novo?</translation>
    </message>
    <message>
        <source>The readings database is in use by another program: waiting for it to be free.</source>
        <translation>O banco de dados de leituras está em uso por outro programa: aguardando que fique livre.</translation>
    </message>
    <message>
        <source>the readings database is in use by another program, for example orvanta-cli; download again once it has ended</source>
        <translation>o banco de dados de leituras está em uso por outro programa, por exemplo orvanta-cli; baixe novamente quando ele terminar</translation>
    </message>
    <message>
        <source>The readings database is open.</source>
        <translation>O banco de dados de leituras está aberto.</translation>
    </message>
    <message>
        <source>The readings table could not be written: %1</source>
        <translation>A tabela de leituras não pôde ser gravada: %1</translation>
    </message>
    <message>
        <source>Readings could not be stored: %1. %2 readings of this download were stored.</source>
        <translation>As leituras não puderam ser armazenadas: %1. %2 leituras deste download foram armazenadas.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%1 is too large to be a data file.</source>
        <translation>%1 é grande demais para ser um arquivo de dados.</translation>
    </message>
    <message>
        <source>%1 is not a data file.</source>
        <translation>%1 não é um arquivo de dados.</translation>
    </message>
    <message>
        <source>%1 is not a whole data file: record %2 is cut short. Nothing was changed.</source>
        <translation>%1 não é um arquivo de dados completo: o registro %2 está cortado. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The readings table could not be written: %1. Nothing was changed: the table holds what it held before.</source>
        <translation>A tabela de leituras não pôde ser gravada: %1. Nada foi alterado: a tabela contém o que continha antes.</translation>
    </message>
    <message>
        <source>%1 is not an Orvanta survey file that can be read: %2. Nothing was changed.</source>
        <translation>%1 não é um arquivo de levantamento Orvanta legível: %2. Nada foi alterado.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2. Nothing was changed.</source>
        <translation>%1 não pode ser aberto: %2. Nada foi alterado.</translation>
    </message>
    <message>
        <source>%1 set(s) holding readings have no latitude and longitude and were left out of %2.</source>
        <translation>%1 série(s) com leituras não têm latitude e longitude e foram deixadas de fora de %2.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 não pôde ser gravado: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 não pôde ser lido: %2</translation>
    </message>
    <message>
        <source>The report could not be printed: %1</source>
        <translation>O relatório não pôde ser impresso: %1</translation>
    </message>
    <message>
        <source>The survey summary could not be printed: %1</source>
        <translation>O resumo do levantamento não pôde ser impresso: %1</translation>
    </message>
    <message>
        <source>The plot could not be printed: %1</source>
        <translation>O gráfico não pôde ser impresso: %1</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file: the program starts with its default settings and keeps none.</source>
        <translation>O arquivo de configurações %1 não é um arquivo comum: o programa inicia com as configurações padrão e não guarda nenhuma.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>As configurações não puderam ser salvas: %1</translation>
    </message>
    <message>
        <source>the settings file or its folder cannot be written</source>
        <translation>o arquivo de configurações ou sua pasta não pode ser gravado</translation>
    </message>
    <message>
        <source>Stored: set %1, reading %2</source>
        <translation>Armazenada: série %1, leitura %2</translation>
    </message>
    <message>
        <source>There is no reading to store yet.</source>
        <translation>Ainda não há leitura para armazenar.</translation>
    </message>
    <message>
        <source>Set %1 holds readings in %2 and the meter now reads in %3: the reading was not stored. Choose a set in %3, or an empty one, on the meter.</source>
        <translation>A série %1 contém leituras em %2 e o medidor agora mede em %3: a leitura não foi armazenada. Escolha no medidor uma série em %3 ou uma vazia.</translation>
    </message>
    <message>
        <source>The meter sent set data that was not asked for; nothing was stored.</source>
        <translation>O medidor enviou dados de série que não foram solicitados; nada foi armazenado.</translation>
    </message>
    <message>
        <source>A mark goes with a recorded reading: start Read &gt; Record Readings... first.</source>
        <translation>Uma marca acompanha uma leitura gravada: inicie primeiro Leitura &gt; Gravar leituras....</translation>
    </message>
    <message>
        <source>The recording stopped; the %1 readings recorded before stay in the file.</source>
        <translation>A gravação parou; as %1 leituras gravadas antes permanecem no arquivo.</translation>
    </message>
    <message>
        <source>Set %1 is full: the reading was not stored.</source>
        <translation>A série %1 está cheia: a leitura não foi armazenada.</translation>
    </message>
    <message>
        <source>Wait until the download has ended.</source>
        <translation>Aguarde até que o download termine.</translation>
    </message>
    <message>
        <source>no such port</source>
        <translation>essa porta não existe</translation>
    </message>
    <message>
        <source>it is larger than any survey file</source>
        <translation>é maior que qualquer arquivo de levantamento</translation>
    </message>
    <message>
        <source>it is no SQLite database</source>
        <translation>não é um banco de dados SQLite</translation>
    </message>
    <message>
        <source>set %1 holds &quot;%2&quot; at position %3, which is no reading</source>
        <translation>a série %1 contém &quot;%2&quot; na posição %3, que não é uma leitura</translation>
    </message>
    <message>
        <source>row %1 has no row number</source>
        <translation>a linha %1 não tem número de linha</translation>
    </message>
    <message>
        <source>a reading in row %1 is longer than a data file can hold</source>
        <translation>uma leitura na linha %1 é mais longa do que um arquivo de dados comporta</translation>
    </message>
    <message>
        <source>set %1: %2</source>
        <translation>série %1: %2</translation>
    </message>
    <message>
        <source>Clear all readings? Readings and set details that have not been saved to a file will be lost.</source>
        <translation>Limpar todas as leituras? As leituras e os detalhes das séries que não foram salvos em um arquivo serão perdidos.</translation>
    </message>
    <message>
        <source>Open %1 in place of the readings? Readings and set details that have not been saved to a file will be lost.</source>
        <translation>Abrir %1 no lugar das leituras? As leituras e os detalhes das séries que não foram salvos em um arquivo serão perdidos.</translation>
    </message>
    <message>
        <source>The readings or set details changed since they were last saved to a file. Save them before quitting? They stay in the readings database either way and are shown again at the next start.</source>
        <translation>As leituras ou os detalhes das séries mudaram desde que foram salvos em um arquivo pela última vez. Salvá-los antes de sair? Eles permanecem no banco de dados de leituras de qualquer forma e são mostrados novamente na próxima inicialização.</translation>
    </message>
    <message>
        <source>%1 was not opened: %2. Nothing was changed.</source>
        <translation>%1 não foi aberto: %2. Nada foi alterado.</translation>
    </message>
    <message>
        <source>%1 holds %2 of the %3 records of a whole data file: it may have been cut short while it was copied. Positions 1 to %2 of every set were opened from it; positions %4 to %3 were cleared.</source>
        <translation>%1 contém %2 dos %3 registros de um arquivo de dados completo: ele pode ter sido cortado ao ser copiado. As posições 1 a %2 de cada série foram abertas dele; as posições %4 a %3 foram limpas.</translation>
    </message>
    <message>
        <source>The readings database %1 could be read by other users of this computer. It is now yours alone.</source>
        <translation>Outros usuários deste computador podiam ler o banco de dados de leituras %1. Agora ele é só seu.</translation>
    </message>
    <message>
        <source>The readings database %1 could not be opened: %2.</source>
        <translation>O banco de dados de leituras %1 não pôde ser aberto: %2.</translation>
    </message>
    <message>
        <source>it is not this program&apos;s, and it could not be renamed</source>
        <translation>ele não pertence a este programa e não pôde ser renomeado</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Orvanta Options</source>
        <translation>Opções do Orvanta</translation>
    </message>
    <message>
        <source>Store Function</source>
        <translation>Função de armazenamento</translation>
    </message>
    <message>
        <source>Stores New Readings to Meter Memory</source>
        <translation>Armazena as novas leituras na memória do medidor</translation>
    </message>
    <message>
        <source>Stores New Readings to PC Database</source>
        <translation>Armazena as novas leituras no banco de dados do PC</translation>
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
        <source>GPS Receiver</source>
        <translation>Receptor GPS</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>GPS receiver&apos;s device</source>
        <translation>Dispositivo do receptor GPS</translation>
    </message>
    <message>
        <source>The serial device of a GPS receiver speaking NMEA (USB or Bluetooth, 4800 or 9600 baud), for example /dev/ttyUSB1 or /dev/rfcomm0; empty for none. Recorded readings then carry its position.</source>
        <translation>O dispositivo serial de um receptor GPS que fala NMEA (USB ou Bluetooth, 4800 ou 9600 baud), por exemplo /dev/ttyUSB1 ou /dev/rfcomm0; vazio para nenhum. As leituras gravadas levam então sua posição.</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Dispositivo:</translation>
    </message>
</context>
<context>
    <name>PlotModel</name>
    <message>
        <source>units not known</source>
        <translation>unidades desconhecidas</translation>
    </message>
    <message>
        <source>, log scale</source>
        <translation>, escala logarítmica</translation>
    </message>
    <message>
        <source>; sets %1 in units not known, as stored</source>
        <translation>; séries %1 em unidades desconhecidas, como armazenadas</translation>
    </message>
    <message>
        <source>; set %1 in units not known, as stored</source>
        <translation>; série %1 em unidades desconhecidas, como armazenada</translation>
    </message>
    <message>
        <source>Susceptibility (%1)</source>
        <translation>Suscetibilidade (%1)</translation>
    </message>
</context>
<context>
    <name>PlotWindow</name>
    <message>
        <source>Plot</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Série %1</translation>
    </message>
    <message>
        <source>&amp;Log scale</source>
        <translation>Escala &amp;logarítmica</translation>
    </message>
    <message>
        <source>The units the profiles are drawn in; sets measured in the other units are converted (k in SI = 4 pi times k in CGS)</source>
        <translation>As unidades em que os perfis são desenhados; as séries medidas nas outras unidades são convertidas (k em SI = 4 pi vezes k em CGS)</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Unidades:</translation>
    </message>
    <message>
        <source>&amp;Depth downwards</source>
        <translation>&amp;Profundidade para baixo</translation>
    </message>
    <message>
        <source>Sets with a depth and a spacing (Set Details) are drawn against depth; this turns the plot so depth runs down the page, as a log is read</source>
        <translation>As séries com profundidade e espaçamento (detalhes da série) são desenhadas em função da profundidade; isto gira o gráfico para que a profundidade desça pela página, como se lê um perfil</translation>
    </message>
    <message>
        <source>&amp;Save Image...</source>
        <translation>&amp;Salvar imagem...</translation>
    </message>
    <message>
        <source>Save &amp;Trend...</source>
        <translation>Salvar &amp;tendência...</translation>
    </message>
    <message>
        <source>The live trend as CSV (time, value) or as an image (PNG, SVG, PDF)</source>
        <translation>A tendência ao vivo como CSV (hora, valor) ou como imagem (PNG, SVG, PDF)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Redefinir zoom</translation>
    </message>
    <message>
        <source>Show all the readings again (Esc on the plot). Drag a rectangle on the plot, or press + and -, to zoom; the arrow keys move the view</source>
        <translation>Mostrar de novo todas as leituras (Esc no gráfico). Arraste um retângulo no gráfico, ou pressione + e -, para ampliar; as setas movem a vista</translation>
    </message>
    <message>
        <source>Depth (m)</source>
        <translation>Profundidade (m)</translation>
    </message>
    <message>
        <source>the plot could not be drawn</source>
        <translation>o gráfico não pôde ser desenhado</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Salvar gráfico</translation>
    </message>
    <message>
        <source>Save Live Trend</source>
        <translation>Salvar tendência ao vivo</translation>
    </message>
    <message>
        <source>Print Plot</source>
        <translation>Imprimir gráfico</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>a impressora não pôde ser iniciada</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>a impressora não aceitou o documento</translation>
    </message>
    <message>
        <source>Reading position</source>
        <translation>Posição da leitura</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawings (*.svg)</source>
        <translation>Desenhos SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>T&amp;odos</translation>
    </message>
    <message>
        <source>Show every set that holds readings</source>
        <translation>Mostrar cada série que contém leituras</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>&amp;Nenhum</translation>
    </message>
    <message>
        <source>Show no set; double-click a set to show only that one</source>
        <translation>Não mostrar nenhuma série; clique duas vezes numa série para mostrar só ela</translation>
    </message>
    <message>
        <source>Only Set %1</source>
        <translation>Só a série %1</translation>
    </message>
    <message>
        <source>All Sets</source>
        <translation>Todas as séries</translation>
    </message>
    <message>
        <source>No Set</source>
        <translation>Nenhuma série</translation>
    </message>
    <message>
        <source>Sets drawn on the plot</source>
        <translation>Séries desenhadas no gráfico</translation>
    </message>
    <message>
        <source>Profiles of the chosen sets</source>
        <translation>Perfis das séries escolhidas</translation>
    </message>
    <message>
        <source>Live trend of the last readings</source>
        <translation>Tendência das últimas leituras</translation>
    </message>
    <message>
        <source>Reading under the mouse</source>
        <translation>Leitura sob o mouse</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>Select Comm Port</source>
        <translation>Selecionar porta serial</translation>
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
        <source>(no such port)</source>
        <translation>(porta inexistente)</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>no printer could be started</source>
        <translation>nenhuma impressora pôde ser iniciada</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 não pôde ser iniciada</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>a impressora não aceitou o documento</translation>
    </message>
    <message>
        <source>%1 could not be written whole (the disk may be full)</source>
        <translation>%1 não pôde ser gravado por inteiro (o disco pode estar cheio)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 não pôde ser gravado: %2</translation>
    </message>
    <message>
        <source>Print Schedule</source>
        <translation>Imprimir a lista</translation>
    </message>
    <message>
        <source>Print Survey Summary</source>
        <translation>Imprimir resumo do levantamento</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Visualizar impressão</translation>
    </message>
</context>
<context>
    <name>ProfileChart</name>
    <message>
        <source>No readings to plot</source>
        <translation>Não há leituras para plotar</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Série %1</translation>
    </message>
    <message>
        <source>Set %1, position %2: %3</source>
        <translation>Série %1, posição %2: %3</translation>
    </message>
    <message>
        <source>Set %1, flagged</source>
        <translation>Série %1, marcadas</translation>
    </message>
    <message>
        <source>Set %1, position %2: %3, flagged: %4</source>
        <translation>Série %1, posição %2: %3, marcada: %4</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Downloading Data.....</source>
        <translation>Baixando dados.....</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Set %1 (%2 of %3 sets done): %4 readings stored</source>
        <translation>Série %1 (%2 de %3 séries concluídas): %4 leituras armazenadas</translation>
    </message>
    <message>
        <source>Set %1: %2 readings stored</source>
        <translation>Série %1: %2 leituras armazenadas</translation>
    </message>
</context>
<context>
    <name>ReadingPanel</name>
    <message>
        <source>(to PC memory)</source>
        <translation>(no PC)</translation>
    </message>
    <message>
        <source>(to Meter memory)</source>
        <translation>(no medidor)</translation>
    </message>
    <message>
        <source>Over range: the reading is above %1 on this scale.</source>
        <translation>Fora da faixa: a leitura está acima de %1 nesta escala.</translation>
    </message>
    <message>
        <source>Click the panel to press its keys with letters.</source>
        <translation>Clique no painel para pressionar suas teclas com letras.</translation>
    </message>
    <message>
        <source>Letters press the panel&apos;s keys. Click elsewhere to stop.</source>
        <translation>As letras pressionam as teclas do painel. Clique em outro lugar para parar.</translation>
    </message>
    <message>
        <source>Listening: letters press the keys</source>
        <translation>Ouvindo: as letras pressionam as teclas</translation>
    </message>
    <message>
        <source>The meter&apos;s “%1” key.</source>
        <translation>A tecla “%1” do medidor.</translation>
    </message>
    <message>
        <source>Never pressed by a letter.</source>
        <translation>Nunca é pressionada por uma letra.</translation>
    </message>
    <message>
        <source>Keyboard: %1, once the panel listens.</source>
        <translation>Teclado: %1, quando o painel está ouvindo.</translation>
    </message>
    <message>
        <source>Reading %1, %2</source>
        <translation>Leitura %1, %2</translation>
    </message>
</context>
<context>
    <name>RecordingCommands</name>
    <message>
        <source>Recorded %1 readings to %2</source>
        <translation>%1 leituras gravadas em %2</translation>
    </message>
    <message>
        <source>Record Readings</source>
        <translation>Gravar leituras</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Mark Reading</source>
        <translation>Marcar leitura</translation>
    </message>
    <message>
        <source>Label for the next reading (a station, say):</source>
        <translation>Rótulo para a próxima leitura (uma estação, por exemplo):</translation>
    </message>
    <message>
        <source>Recording to %1: %2 readings</source>
        <translation>Gravando em %1: %2 leituras</translation>
    </message>
    <message>
        <source> (the next marked &quot;%1&quot;)</source>
        <translation> (a próxima marcada &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>Recording to Place</source>
        <translation>Gravação a localizar</translation>
    </message>
    <message>
        <source>GPS Track</source>
        <translation>Trilha GPS</translation>
    </message>
    <message>
        <source>GPX Files (*.gpx)</source>
        <translation>Arquivos GPX (*.gpx)</translation>
    </message>
    <message>
        <source>Save Placed Recording</source>
        <translation>Salvar gravação localizada</translation>
    </message>
    <message>
        <source>%1 of %2 readings placed from the track; written to %3</source>
        <translation>%1 de %2 leituras localizadas pela trilha; gravado em %3</translation>
    </message>
</context>
<context>
    <name>SessionStatusBar</name>
    <message>
        <source>Port %1 (%2)</source>
        <translation>Porta %1 (%2)</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>Sem porta</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Port open, the meter has not answered yet</source>
        <translation>Porta aberta, o medidor ainda não respondeu</translation>
    </message>
    <message>
        <source>Connection lost, reconnecting</source>
        <translation>Conexão perdida, reconectando</translation>
    </message>
    <message>
        <source>Connection lost</source>
        <translation>Conexão perdida</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Não conectado</translation>
    </message>
    <message>
        <source>Set %1, reading %2 of %3</source>
        <translation>Série %1, leitura %2 de %3</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop waiting for the meter&apos;s reading</source>
        <translation>Parar de esperar a leitura do medidor</translation>
    </message>
    <message>
        <source>The meter did not answer: is it switched on and showing its reading page?</source>
        <translation>O medidor não respondeu: está ligado e mostrando sua página de leitura?</translation>
    </message>
    <message>
        <source>Waiting for the meter to answer...</source>
        <translation>Aguardando a resposta do medidor...</translation>
    </message>
    <message>
        <source>GPS receiver %1 not found; looking for it</source>
        <translation>Receptor GPS %1 não encontrado; procurando</translation>
    </message>
    <message>
        <source>GPS receiver silent</source>
        <translation>Receptor GPS em silêncio</translation>
    </message>
    <message>
        <source>GPS: no fix</source>
        <translation>GPS: sem posição</translation>
    </message>
    <message>
        <source>GPS: fix %1 s old, not used</source>
        <translation>GPS: posição de %1 s atrás, não usada</translation>
    </message>
    <message>
        <source>GPS %1D, %2 satellites, %3 s</source>
        <translation>GPS %1D, %2 satélites, %3 s</translation>
    </message>
</context>
<context>
    <name>SetDetails</name>
    <message>
        <source>Site</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Depth of position 1 (m)</source>
        <translation>Profundidade da posição 1 (m)</translation>
    </message>
    <message>
        <source>Spacing (m)</source>
        <translation>Intervalo de medição (m)</translation>
    </message>
    <message>
        <source>Latitude (°, WGS 84)</source>
        <translation>Latitude (°, WGS 84)</translation>
    </message>
    <message>
        <source>Longitude (°, WGS 84)</source>
        <translation>Longitude (°, WGS 84)</translation>
    </message>
    <message>
        <source>Elevation (m)</source>
        <translation>Elevação (m)</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>The flag&apos;s reason</source>
        <translation>Motivo da marcação</translation>
    </message>
</context>
<context>
    <name>SetDetailsPane</name>
    <message>
        <source>Set %1</source>
        <translation>Série %1</translation>
    </message>
    <message>
        <source>Take Position from &amp;GPS</source>
        <translation>Tomar a posição do &amp;GPS</translation>
    </message>
    <message>
        <source>The GPS receiver&apos;s current fix (not older than %1 s) as this set&apos;s latitude, longitude and elevation</source>
        <translation>A posição atual do receptor GPS (não mais antiga que %1 s) como latitude, longitude e elevação deste conjunto</translation>
    </message>
    <message>
        <source>The GPS receiver has no current fix; nothing was stored.</source>
        <translation>O receptor GPS não tem posição atual; nada foi guardado.</translation>
    </message>
    <message>
        <source>%1. Nothing was stored.</source>
        <translation>%1. Nada foi armazenado.</translation>
    </message>
</context>
<context>
    <name>SetsTableModel</name>
    <message>
        <source>incomplete</source>
        <translation>incompleta</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Série %1</translation>
    </message>
    <message>
        <source>Units not known.</source>
        <translation>Unidades desconhecidas.</translation>
    </message>
    <message>
        <source>Readings in %1 units.</source>
        <translation>Leituras em unidades %1.</translation>
    </message>
    <message>
        <source> Its last download ended before the set&apos;s end of data: the positions after its last reading were cleared.</source>
        <translation> Seu último download terminou antes do fim dos dados da série: as posições após sua última leitura foram apagadas.</translation>
    </message>
    <message>
        <source>Unreadable: what the meter sent here was no reading.</source>
        <translation>Ilegível: o que o medidor enviou aqui não era uma leitura.</translation>
    </message>
    <message>
        <source>Flagged: %1. Left out of the statistics and the plot&apos;s lines.</source>
        <translation>Marcada: %1. Excluída das estatísticas e das linhas do gráfico.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegível</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>%1, flagged: %2</source>
        <translation>%1, marcada: %2</translation>
    </message>
</context>
<context>
    <name>SetsWindow</name>
    <message>
        <source>Data</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Readin&amp;gs</source>
        <translation>Le&amp;ituras</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Contagem</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>Desvio padrão</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Mín.</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx.</translation>
    </message>
    <message>
        <source>Geometric mean</source>
        <translation>Média geométrica</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>Es&amp;tatísticas</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>desconhecidas</translation>
    </message>
    <message>
        <source>&amp;Flag Reading...</source>
        <translation>&amp;Marcar leitura...</translation>
    </message>
    <message>
        <source>U&amp;nflag Reading</source>
        <translation>&amp;Desmarcar leitura</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Unflag position %1 of set %2</source>
        <translation>Desmarcar a posição %1 da série %2</translation>
    </message>
    <message>
        <source>Flag position %1 of set %2</source>
        <translation>Marcar a posição %1 da série %2</translation>
    </message>
    <message>
        <source>The chosen cell holds no reading to flag. Choose a reading in a set&apos;s column first.</source>
        <translation>A célula escolhida não contém leitura para marcar. Escolha primeiro uma leitura na coluna de uma série.</translation>
    </message>
    <message>
        <source>Why is the reading %1 at position %2 of set %3 flagged (&quot;broken core&quot;, &quot;box end&quot;)? It keeps its text and is left out of the statistics, the plot&apos;s lines and the logs. An empty reason unflags it.</source>
        <translation>Por que a leitura %1 na posição %2 da série %3 está marcada (&quot;testemunho quebrado&quot;, &quot;fim de caixa&quot;)? Ela mantém seu texto e fica fora das estatísticas, das linhas do gráfico e dos perfis. Um motivo vazio a desmarca.</translation>
    </message>
    <message>
        <source>Details of set %1</source>
        <translation>Detalhes da série %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer: %1</translation>
    </message>
    <message>
        <source>The step cannot be taken back: the table changed since (%1). Undo starts again from here.</source>
        <translation>O passo não pode ser desfeito: a tabela mudou desde então (%1). Desfazer recomeça daqui.</translation>
    </message>
    <message>
        <source>Readings: one column a set, one row a position</source>
        <translation>Leituras: uma coluna por série, uma linha por posição</translation>
    </message>
    <message>
        <source>Statistics: one row a set</source>
        <translation>Estatísticas: uma linha por série</translation>
    </message>
    <message>
        <source>Details of the chosen set</source>
        <translation>Detalhes da série escolhida</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posições</translation>
    </message>
</context>
<context>
    <name>SurveyExport</name>
    <message>
        <source>Units: </source>
        <translation>Unidades: </translation>
    </message>
    <message>
        <source>not known</source>
        <translation>desconhecidas</translation>
    </message>
    <message>
        <source>Downloaded: </source>
        <translation>Baixada: </translation>
    </message>
    <message>
        <source> from </source>
        <translation> de </translation>
    </message>
    <message>
        <source>, %1 unreadable</source>
        <translation>, %1 ilegíveis</translation>
    </message>
    <message>
        <source> (incomplete)</source>
        <translation> (incompleta)</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Impresso em %1</translation>
    </message>
    <message>
        <source>No set holds readings or details.</source>
        <translation>Nenhuma série contém leituras ou detalhes.</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Série %1</translation>
    </message>
    <message>
        <source>Statistics: %1</source>
        <translation>Estatísticas: %1</translation>
    </message>
    <message>
        <source>No readings</source>
        <translation>Sem leituras</translation>
    </message>
    <message>
        <source> (units not known)</source>
        <translation> (unidades desconhecidas)</translation>
    </message>
    <message>
        <source>n %1, mean %2, median %3, sd %4, min %5, max %6</source>
        <translation>n %1, média %2, mediana %3, desvio padrão %4, mín. %5, máx. %6</translation>
    </message>
    <message>
        <source>, geometric mean </source>
        <translation>, média geométrica </translation>
    </message>
    <message>
        <source>Readings: %1%2%3%4</source>
        <translation>Leituras: %1%2%3%4</translation>
    </message>
    <message>
        <source>, %1 flagged</source>
        <translation>, %1 marcadas</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>No continuous readings yet</source>
        <translation>Ainda não há leituras contínuas</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Ao vivo</translation>
    </message>
    <message>
        <source>Time of continuous reading</source>
        <translation>Hora da leitura contínua</translation>
    </message>
    <message>
        <source>Live, %1: %2</source>
        <translation>Ao vivo, %1: %2</translation>
    </message>
</context>
<context>
    <name>Why</name>
    <message>
        <source>%1 (%2)</source>
        <comment>a reason, then what it came of</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>line %1, column %2 (%3): %4</source>
        <translation>linha %1, coluna %2 (%3): %4</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the file or its disk is read-only</source>
        <translation>o arquivo ou o seu disco é somente leitura</translation>
    </message>
    <message>
        <source>the system does not allow it</source>
        <translation>o sistema não permite</translation>
    </message>
    <message>
        <source>the file is damaged, or is no database</source>
        <translation>o arquivo está danificado ou não é um banco de dados</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>o disco não pôde ser lido ou gravado</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>o arquivo não pode ser aberto</translation>
    </message>
    <message>
        <source>another program is using the file</source>
        <translation>outro programa está usando o arquivo</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>não há memória suficiente</translation>
    </message>
    <message>
        <source>the database refused it (&quot;%1&quot;)</source>
        <translation>o banco de dados recusou (&quot;%1&quot;)</translation>
    </message>
    <message>
        <source>reading it took longer than %1 s and was stopped: the file is made to keep a program busy</source>
        <translation>a leitura levou mais de %1 s e foi interrompida: o arquivo foi feito para manter um programa ocupado</translation>
    </message>
    <message>
        <source>the readings database is not open</source>
        <translation>o banco de dados de leituras não está aberto</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>o arquivo não está aberto</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>o arquivo não pode ser gravado</translation>
    </message>
    <message>
        <source>its folder %1 does not exist</source>
        <translation>a pasta %1 não existe</translation>
    </message>
    <message>
        <source>its folder %1 cannot be written by your user</source>
        <translation>o seu usuário não pode gravar na pasta %1</translation>
    </message>
    <message>
        <source>its folder %1 cannot be written by your user, and the database keeps its journal beside the file</source>
        <translation>o seu usuário não pode gravar na pasta %1, e o banco de dados mantém o seu diário ao lado do arquivo</translation>
    </message>
    <message>
        <source>your user may not read and write it</source>
        <translation>o seu usuário não pode lê-lo e gravá-lo</translation>
    </message>
    <message>
        <source>the file belongs to another program</source>
        <translation>o arquivo pertence a outro programa</translation>
    </message>
    <message>
        <source>the file is not an Orvanta survey file</source>
        <translation>o arquivo não é um arquivo de levantamento Orvanta</translation>
    </message>
    <message>
        <source>the file is damaged (&quot;%1&quot;)</source>
        <translation>o arquivo está danificado (&quot;%1&quot;)</translation>
    </message>
    <message>
        <source>it was written by a newer version of Orvanta (layout %1; this version knows layouts up to %2). Open it with that version, or install it</source>
        <translation>foi gravado por uma versão mais recente do Orvanta (estrutura %1; esta versão conhece estruturas até %2). Abra-o com essa versão, ou instale-a</translation>
    </message>
    <message>
        <source>the file holds no table Sets</source>
        <translation>o arquivo não contém a tabela Sets</translation>
    </message>
    <message>
        <source>the table %1 has the columns %2, not %3</source>
        <translation>a tabela %1 tem as colunas %2, não %3</translation>
    </message>
    <message>
        <source>the table Sets has the columns %1, not Number and Set 1 to Set 30</source>
        <translation>a tabela Sets tem as colunas %1, não Number e Set 1 a Set 30</translation>
    </message>
    <message>
        <source>the table Sets has columns of other types (%1), not TEXT</source>
        <translation>a tabela Sets tem colunas de outros tipos (%1), não TEXT</translation>
    </message>
    <message>
        <source>the table Sets has %1 rows, not %2</source>
        <translation>a tabela Sets tem %1 linhas, não %2</translation>
    </message>
    <message>
        <source>the file has a trigger (%1) on the table %2: it could rewrite what the program stores</source>
        <translation>o arquivo tem um gatilho (%1) na tabela %2: ele poderia reescrever o que o programa armazena</translation>
    </message>
    <message>
        <source>the file holds a view (%1), which the program never writes</source>
        <translation>o arquivo contém uma visão (%1), que o programa nunca grava</translation>
    </message>
    <message>
        <source>the file holds an index (%1), which the program never writes</source>
        <translation>o arquivo contém um índice (%1), que o programa nunca grava</translation>
    </message>
    <message>
        <source>the file holds a table (%1), which the program never writes</source>
        <translation>o arquivo contém uma tabela (%1), que o programa nunca grava</translation>
    </message>
    <message>
        <source>the copy could not be made to keep no journal beside it</source>
        <translation>a cópia não pôde ser feita sem um diário ao lado</translation>
    </message>
    <message>
        <source>position %1 of set %2 holds no reading</source>
        <translation>a posição %1 da série %2 não contém leitura</translation>
    </message>
    <message>
        <source>set %1 has no position %2</source>
        <translation>a série %1 não tem posição %2</translation>
    </message>
    <message>
        <source>there is no set %1</source>
        <translation>não existe a série %1</translation>
    </message>
    <message>
        <source>the place %1, %2 is not on the earth</source>
        <translation>o local %1, %2 não está na Terra</translation>
    </message>
    <message>
        <source>position %1 of set %2 no longer holds the reading %3 as it was</source>
        <translation>a posição %1 da série %2 não contém mais a leitura %3 como era</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters</source>
        <translation>%1: mais de %2 caracteres</translation>
    </message>
    <message>
        <source>%1: holds a control character (U+%2)</source>
        <translation>%1: contém um caractere de controle (U+%2)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number</source>
        <translation>%1: &quot;%2&quot; não é um número</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has both a point and a comma; type one of them as the decimal separator and no thousands separator</source>
        <translation>%1: &quot;%2&quot; tem um ponto e uma vírgula; digite um deles como separador decimal e nenhum separador de milhar</translation>
    </message>
    <message>
        <source>%1: %2 is not between %3 and %4</source>
        <translation>%1: %2 não está entre %3 e %4</translation>
    </message>
    <message>
        <source>%1: %2 is below zero</source>
        <translation>%1: %2 é menor que zero</translation>
    </message>
    <message>
        <source>%1: %2 is beyond %3 m</source>
        <translation>%1: %2 ultrapassa %3 m</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>o arquivo é grande demais</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>o texto não está em UTF-8</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>um campo entre aspas não está fechado</translation>
    </message>
    <message>
        <source>the row is too long</source>
        <translation>a linha é longa demais</translation>
    </message>
    <message>
        <source>the header&apos;s column %1 is &quot;%2&quot;, not &quot;%3&quot;</source>
        <translation>a coluna %1 do cabeçalho é &quot;%2&quot;, não &quot;%3&quot;</translation>
    </message>
    <message>
        <source>the header is not the one of a list of readings</source>
        <translation>o cabeçalho não é o de uma lista de leituras</translation>
    </message>
    <message>
        <source>more rows than %1 sets of %2 readings</source>
        <translation>mais linhas que %1 séries de %2 leituras</translation>
    </message>
    <message>
        <source>%1 fields, not %2</source>
        <translation>%1 campos, não %2</translation>
    </message>
    <message>
        <source>not a set from 1 to %1</source>
        <translation>não é uma série de 1 a %1</translation>
    </message>
    <message>
        <source>not a position from 1 to %1</source>
        <translation>não é uma posição de 1 a %1</translation>
    </message>
    <message>
        <source>the position comes twice</source>
        <translation>a posição aparece duas vezes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no reading</source>
        <translation>&quot;%1&quot; não é uma leitura</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>não é um número</translation>
    </message>
    <message>
        <source>%1 is beyond %2 m</source>
        <translation>%1 ultrapassa %2 m</translation>
    </message>
    <message>
        <source>not a latitude</source>
        <translation>não é uma latitude</translation>
    </message>
    <message>
        <source>not a longitude</source>
        <translation>não é uma longitude</translation>
    </message>
    <message>
        <source>not an elevation</source>
        <translation>não é uma altitude</translation>
    </message>
    <message>
        <source>not an ISO 8601 time</source>
        <translation>não é uma hora ISO 8601</translation>
    </message>
    <message>
        <source>differs from the set&apos;s first row (line %1)</source>
        <translation>difere da primeira linha da série (linha %1)</translation>
    </message>
    <message>
        <source>not SI, CGS or empty</source>
        <translation>não é SI, CGS nem vazio</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>não é true nem false</translation>
    </message>
    <message>
        <source>the table has no rows</source>
        <translation>a tabela não tem linhas</translation>
    </message>
    <message>
        <source>the depths of set %1 do not follow one depth and spacing</source>
        <translation>as profundidades da série %1 não seguem uma profundidade e um intervalo de medição</translation>
    </message>
    <message>
        <source>the depths of set %1 go up</source>
        <translation>as profundidades da série %1 sobem</translation>
    </message>
    <message>
        <source>not a recording&apos;s header (%1)</source>
        <translation>não é o cabeçalho de uma gravação (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time</source>
        <translation>&quot;%1&quot; não é uma hora</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no reading the meter sends</source>
        <translation>&quot;%1&quot; não é uma leitura que o medidor envia</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no units</source>
        <translation>&quot;%1&quot; não é uma unidade</translation>
    </message>
    <message>
        <source>%1, where line %2 has %3; a set has one units</source>
        <translation>%1, enquanto a linha %2 tem %3; uma série tem uma só unidade</translation>
    </message>
    <message>
        <source>it holds no reading</source>
        <translation>não contém nenhuma leitura</translation>
    </message>
    <message>
        <source>it holds %1 readings; a set holds %2</source>
        <translation>contém %1 leituras; uma série contém %2</translation>
    </message>
    <message>
        <source>a %1 without a latitude and longitude</source>
        <translation>um %1 sem latitude e longitude</translation>
    </message>
    <message>
        <source>it is no GPX file</source>
        <translation>não é um arquivo GPX</translation>
    </message>
    <message>
        <source>it holds no point with a time</source>
        <translation>não contém nenhum ponto com hora</translation>
    </message>
    <message>
        <source>set %1 has no depth and spacing: a log needs both</source>
        <translation>a série %1 não tem profundidade nem intervalo de medição: um perfil precisa de ambos</translation>
    </message>
    <message>
        <source>set %1 holds no reading</source>
        <translation>a série %1 não contém nenhuma leitura</translation>
    </message>
    <message>
        <source>it is a link another user made</source>
        <translation>é um link criado por outro usuário</translation>
    </message>
    <message>
        <source>it is a FIFO another user made</source>
        <translation>é um FIFO criado por outro usuário</translation>
    </message>
    <message>
        <source>there is no device %1</source>
        <translation>não existe o dispositivo %1</translation>
    </message>
    <message>
        <source>your user may not read and write %1</source>
        <translation>o seu usuário não pode ler e gravar %1</translation>
    </message>
    <message>
        <source>there is no such port number</source>
        <translation>esse número de porta não existe</translation>
    </message>
    <message>
        <source>its lock file %1 was left behind by a program that has ended</source>
        <translation>o seu arquivo de bloqueio %1 foi deixado por um programa que já terminou</translation>
    </message>
    <message>
        <source>%1 decimals: not the meter&apos;s form, a line fault?</source>
        <translation>%1 casas decimais: não é a forma do medidor, uma falha de linha?</translation>
    </message>
    <message>
        <source>a doubled leading zero: not the meter&apos;s form, a line fault?</source>
        <translation>um zero inicial duplicado: não é a forma do medidor, uma falha de linha?</translation>
    </message>
    <message>
        <source>no digit before the point: not the meter&apos;s form, a line fault?</source>
        <translation>nenhum dígito antes do ponto: não é a forma do medidor, uma falha de linha?</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>esse arquivo não existe</translation>
    </message>
    <message>
        <source>your user may not read it</source>
        <translation>o seu usuário não pode lê-lo</translation>
    </message>
</context>
<context>
    <name>WorkArea</name>
    <message>
        <source>Work area</source>
        <translation>Área de trabalho</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Dados</translation>
    </message>
</context>
</TS>
