<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>Acerca de Orvanta</translation>
    </message>
    <message>
        <source>Companion program for the Orvanta magnetic susceptibility meter.</source>
        <translation>Programa complementario del medidor de susceptibilidad magnética Orvanta.</translation>
    </message>
    <message>
        <source>Made by the Orvanta instrument team for geologists and surveyors.</source>
        <translation>Hecho por el equipo de instrumentos Orvanta para geólogos y topógrafos.</translation>
    </message>
    <message>
        <source>Ask your Orvanta distributor for support and calibration.</source>
        <translation>Consulte a su distribuidor de Orvanta para soporte y calibración.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Orvanta developers.
This program is free software under the GNU General Public License, version 3
or (at your option) any later version. It comes with no warranty.</source>
        <translation>Copyright © 2026 los desarrolladores de Orvanta.
Este programa es software libre bajo la Licencia Pública General de GNU, versión 3
o (a su elección) cualquier versión posterior. Se proporciona sin ninguna garantía.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation> y </translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Descarga completa</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Descarga cancelada</translation>
    </message>
    <message>
        <source>Download cut short: the connection to the meter was lost</source>
        <translation>Descarga interrumpida: se perdió la conexión con el medidor</translation>
    </message>
    <message>
        <source>Download cut short: the port was opened again</source>
        <translation>Descarga interrumpida: el puerto se abrió de nuevo</translation>
    </message>
    <message>
        <source>Download stopped: readings could not be stored</source>
        <translation>Descarga detenida: no se pudieron guardar las lecturas</translation>
    </message>
    <message>
        <source>Download ended: the meter did not answer</source>
        <translation>Descarga finalizada: el medidor no respondió</translation>
    </message>
    <message>
        <source>Download cut short by a new request</source>
        <translation>Descarga interrumpida por una nueva solicitud</translation>
    </message>
    <message>
        <source>%1 reading stored</source>
        <translation>%1 lectura guardada</translation>
    </message>
    <message>
        <source>%1 readings stored</source>
        <translation>%1 lecturas guardadas</translation>
    </message>
    <message>
        <source>set %1, %2</source>
        <translation>serie %1, %2</translation>
    </message>
    <message>
        <source>sets %1, %2</source>
        <translation>series %1, %2</translation>
    </message>
    <message>
        <source>The meter did not answer on %1.</source>
        <translation>El medidor no respondió en %1.</translation>
    </message>
    <message>
        <source>The connection to the meter on %1 was lost.</source>
        <translation>Se perdió la conexión con el medidor en %1.</translation>
    </message>
    <message>
        <source>Readings could not be stored: %1.</source>
        <translation>No se pudieron guardar las lecturas: %1.</translation>
    </message>
    <message>
        <source>Set %1 is incomplete: the download ended after position %2, and the positions after it still hold what they held before (the readings database could not be written).</source>
        <translation>La serie %1 está incompleta: la descarga terminó tras la posición %2, y las posiciones siguientes conservan lo que tenían antes (no se pudo escribir la base de datos de lecturas).</translation>
    </message>
    <message>
        <source>; all its positions were cleared</source>
        <translation>; se borraron todas sus posiciones</translation>
    </message>
    <message>
        <source>; positions %1 to %2 were cleared</source>
        <translation>; se borraron las posiciones %1 a %2</translation>
    </message>
    <message>
        <source>Set %1 is incomplete: the download ended after position %2%3, and the set is marked incomplete.</source>
        <translation>La serie %1 está incompleta: la descarga terminó tras la posición %2%3, y la serie está marcada como incompleta.</translation>
    </message>
    <message>
        <source>set %1 position %2</source>
        <translation>serie %1 posición %2</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>%1 value was not readable and left cleared at their positions: %2.</source>
        <translation>%1 valor no era legible y se dejó vacío en su posición: %2.</translation>
    </message>
    <message>
        <source>%1 values were not readable and left cleared at their positions: %2.</source>
        <translation>%1 valores no eran legibles y se dejaron vacíos en sus posiciones: %2.</translation>
    </message>
    <message>
        <source>The first set arrived with a set number that could not be read; its values were not stored, and the set keeps what it held.</source>
        <translation>La primera serie llegó con un número de serie ilegible; sus valores no se guardaron y la serie conserva lo que tenía.</translation>
    </message>
    <message>
        <source>The set after set %1 arrived with a set number that could not be read; its values were not stored, and the set keeps what it held.</source>
        <translation>La serie posterior a la serie %1 llegó con un número de serie ilegible; sus valores no se guardaron y la serie conserva lo que tenía.</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>puerto %1 (%2)</translation>
    </message>
    <message>
        <source>Download ended: the meter sent no set</source>
        <translation>Descarga terminada: el medidor no envió ninguna serie</translation>
    </message>
    <message>
        <source>The meter also sent set %1, which was not asked for: it was not stored.</source>
        <translation>El medidor también envió la serie %1, que no se pidió: no se guardó.</translation>
    </message>
    <message>
        <source>The meter also sent sets %1, which were not asked for: they were not stored.</source>
        <translation>El medidor también envió las series %1, que no se pidieron: no se guardaron.</translation>
    </message>
    <message>
        <source>Set %1 came with %2 value more than its %3 positions: it was not stored.</source>
        <translation>La serie %1 llegó con %2 valor más que sus %3 posiciones: no se guardó.</translation>
    </message>
    <message>
        <source>Set %1 came with %2 values more than its %3 positions: they were not stored.</source>
        <translation>La serie %1 llegó con %2 valores más que sus %3 posiciones: no se guardaron.</translation>
    </message>
    <message>
        <source>Set %1 was being received when it happened: it holds readings of this download and of an earlier one, and is marked incomplete.</source>
        <translation>La serie %1 se estaba recibiendo cuando ocurrió: contiene lecturas de esta descarga y de una anterior, y está marcada como incompleta.</translation>
    </message>
    <message>
        <source>%1 flag went with its reading, which this download replaced: %2.</source>
        <translation>%1 marca se fue con su lectura, que esta descarga reemplazó: %2.</translation>
    </message>
    <message>
        <source>%1 flags went with their readings, which this download replaced: %2.</source>
        <translation>%1 marcas se fueron con sus lecturas, que esta descarga reemplazó: %2.</translation>
    </message>
    <message>
        <source>Set %1 was being received when it happened: what this download had stored in it was taken back, and it holds what it held before.</source>
        <translation>La serie %1 se estaba recibiendo cuando ocurrió: lo que esta descarga había guardado en ella se deshizo, y contiene lo que tenía antes.</translation>
    </message>
    <message>
        <source>%1 value was not in the form the meter sends (a line fault?): it is stored flagged, left out of the statistics until you unflag it: %2.</source>
        <translation>%1 valor no tenía la forma que envía el medidor (¿un fallo de línea?): se guardó marcado, fuera de las estadísticas hasta que quite la marca: %2.</translation>
    </message>
    <message>
        <source>%1 values were not in the form the meter sends (line faults?): they are stored flagged, left out of the statistics until you unflag them: %2.</source>
        <translation>%1 valores no tenían la forma que envía el medidor (¿fallos de línea?): se guardaron marcados, fuera de las estadísticas hasta que quite las marcas: %2.</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>&amp;Export Data</source>
        <translation>&amp;Exportar datos</translation>
    </message>
    <message>
        <source>Export Data to Text file</source>
        <translation>Exportar datos a archivo de texto</translation>
    </message>
    <message>
        <source>CSV, decimal point (*.csv)</source>
        <translation>CSV, punto decimal (*.csv)</translation>
    </message>
    <message>
        <source>CSV, decimal comma (*.csv)</source>
        <translation>CSV, coma decimal (*.csv)</translation>
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
        <translation>CSV, una fila por lectura (*.csv)</translation>
    </message>
    <message>
        <source>Export &amp;Long Table...</source>
        <translation>Exportar &amp;lista de lecturas...</translation>
    </message>
    <message>
        <source>Export Long Table</source>
        <translation>Exportar lista de lecturas</translation>
    </message>
    <message>
        <source>GeoJSON (*.geojson)</source>
        <translation>GeoJSON (*.geojson)</translation>
    </message>
    <message>
        <source>Export &amp;GeoJSON...</source>
        <translation>Exportar Geo&amp;JSON...</translation>
    </message>
    <message>
        <source>Export GeoJSON</source>
        <translation>Exportar GeoJSON</translation>
    </message>
    <message>
        <source>LAS 2.0 logs (*.las)</source>
        <translation>Registros LAS 2.0 (*.las)</translation>
    </message>
    <message>
        <source>Export LAS Log of the C&amp;hosen Set...</source>
        <translation>Exportar el registro LAS de la serie elegi&amp;da...</translation>
    </message>
    <message>
        <source>Export LAS Log of Set %1</source>
        <translation>Exportar el registro LAS de la serie %1</translation>
    </message>
    <message>
        <source>Set %1 cannot be written as a LAS log: %2.</source>
        <translation>La serie %1 no se puede escribir como registro LAS: %2.</translation>
    </message>
    <message>
        <source>GPX waypoints (*.gpx)</source>
        <translation>Puntos de ruta GPX (*.gpx)</translation>
    </message>
    <message>
        <source>Export Sites as GPX</source>
        <translation>Exportar sitios como GPX</translation>
    </message>
    <message>
        <source>Export S&amp;ites as GPX...</source>
        <translation>Exportar sitios como GP&amp;X...</translation>
    </message>
    <message>
        <source>CSV, one row per reading, decimal comma (*.csv)</source>
        <translation>CSV, una fila por lectura, coma decimal (*.csv)</translation>
    </message>
</context>
<context>
    <name>FileMenuCommands</name>
    <message>
        <source>Open Data File</source>
        <translation>Abrir archivo de datos</translation>
    </message>
    <message>
        <source>Save Data File</source>
        <translation>Guardar archivo de datos</translation>
    </message>
    <message>
        <source>Data Files (*.dat)</source>
        <translation>Archivos de datos (*.dat)</translation>
    </message>
    <message>
        <source>Orvanta survey (*.orvanta)</source>
        <translation>Campaña Orvanta (*.orvanta)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Survey and Data Files (*.orvanta *.dat)</source>
        <translation>Campañas y archivos de datos (*.orvanta *.dat)</translation>
    </message>
    <message>
        <source>Save as &amp;Survey File</source>
        <translation>Guardar como archivo de &amp;campaña</translation>
    </message>
    <message>
        <source>Save &amp;Data File Only</source>
        <translation>Guardar solo el archivo de &amp;datos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Long tables the program exported (*.csv)</source>
        <translation>Tablas largas exportadas por el programa (*.csv)</translation>
    </message>
    <message>
        <source>the details typed for sets %1</source>
        <translation>los detalles escritos para las series %1</translation>
    </message>
    <message>
        <source>the units of sets %1</source>
        <translation>las unidades de las series %1</translation>
    </message>
    <message>
        <source>the flags of %1 readings, with their reasons</source>
        <translation>las marcas de %1 lecturas, con sus motivos</translation>
    </message>
    <message>
        <source>Data File, &amp;Never Ask for Units</source>
        <translation>Archivo de datos, no preguntar &amp;nunca por las unidades</translation>
    </message>
    <message>
        <source>A data file keeps the readings only. Saving one drops %1. Save a survey file (*.orvanta), which keeps them, or the data file without them?</source>
        <translation>Un archivo de datos guarda solo las lecturas. Guardarlo pierde %1. ¿Guardar un archivo de campaña (*.orvanta), que los conserva, o el archivo de datos sin ellos?</translation>
    </message>
    <message>
        <source>Drop one file at a time: %1 files were dropped, none was opened.</source>
        <translation>Suelte un archivo cada vez: se soltaron %1 archivos y no se abrió ninguno.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Abrir grabación</translation>
    </message>
    <message>
        <source>%1 is a recording of live readings. The set it goes into (its readings there are replaced):</source>
        <translation>%1 es una grabación de lecturas en vivo. El conjunto al que va (sus lecturas se reemplazan):</translation>
    </message>
    <message>
        <source>Set %1 now holds the %2 readings of %3</source>
        <translation>El conjunto %1 contiene ahora las %2 lecturas de %3</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>Guardando %1...</translation>
    </message>
    <message>
        <source>%1 was not saved.</source>
        <translation>%1 no se guardó.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 guardado.</translation>
    </message>
    <message>
        <source>the places of %1 readings, taken by GPS</source>
        <translation>las posiciones GPS de %1 lecturas</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Guardar c&amp;omo</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>Print Survey S&amp;ummary...</source>
        <translation>Imprimir resu&amp;men de campaña...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Datos</translation>
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
        <translation>&amp;Descargar</translation>
    </message>
    <message>
        <source>Download &amp;Current Set</source>
        <translation>Descargar la serie &amp;actual</translation>
    </message>
    <message>
        <source>Download &amp;Selected Set</source>
        <translation>Descargar la serie &amp;seleccionada</translation>
    </message>
    <message>
        <source>Download &amp;All Sets</source>
        <translation>Descargar &amp;todas las series</translation>
    </message>
    <message>
        <source>Download S&amp;et...</source>
        <translation>Descargar una s&amp;erie...</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lectura</translation>
    </message>
    <message>
        <source>&amp;Capture Current Reading</source>
        <translation>&amp;Capturar la lectura actual</translation>
    </message>
    <message>
        <source>&amp;Show Continuous Readings</source>
        <translation>Mostrar lecturas con&amp;tinuas</translation>
    </message>
    <message>
        <source>St&amp;op Readings</source>
        <translation>&amp;Detener lecturas</translation>
    </message>
    <message>
        <source>&amp;Record Readings...</source>
        <translation>&amp;Grabar lecturas...</translation>
    </message>
    <message>
        <source>&amp;Mark Reading...</source>
        <translation>&amp;Anotar la lectura siguiente...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Store Function</source>
        <translation>Función de &amp;almacenamiento</translation>
    </message>
    <message>
        <source>&amp;Comm Port...</source>
        <translation>&amp;Puerto serie...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Orvanta</source>
        <translation>&amp;Acerca de Orvanta</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Download the Current Set</source>
        <translation>Descargar la serie actual</translation>
    </message>
    <message>
        <source>Download Set 1</source>
        <translation>Descargar la serie 1</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Serie %1</translation>
    </message>
    <message>
        <source>Download All Sets</source>
        <translation>Descargar todas las series</translation>
    </message>
    <message>
        <source>Capture Current Reading</source>
        <translation>Capturar la lectura actual</translation>
    </message>
    <message>
        <source>Show Continuous Readings</source>
        <translation>Mostrar lecturas continuas</translation>
    </message>
    <message>
        <source>Record Readings</source>
        <translation>Grabar lecturas</translation>
    </message>
    <message>
        <source>Plot the Sets</source>
        <translation>Graficar las series</translation>
    </message>
    <message>
        <source>Download Set %1 (%2)</source>
        <translation>Descargar la serie %1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>&amp;Next Window</source>
        <translation>Ventana &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Previous Window</source>
        <translation>Ventana &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Side by Side</source>
        <translation>Datos &amp;junto al medidor</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Place Recording by GPX Track...</source>
        <translation>&amp;Ubicar grabación según traza GPX...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Set number (1 to 30):</source>
        <translation>Número de serie (1 a 30):</translation>
    </message>
    <message>
        <source>Readings (not saved in a file)</source>
        <translation>Lecturas (no guardadas en un archivo)</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Quit Without Saving</source>
        <translation>&amp;Salir sin guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 is not a set from 1 to 30.</source>
        <translation>%1 no es una serie del 1 al 30.</translation>
    </message>
    <message>
        <source>Units and tool bar</source>
        <translation>Unidades y barra de herramientas</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>%1 is the meter&apos;s port; the GPS receiver needs a device of its own.</source>
        <translation>%1 es el puerto del medidor; el receptor GPS necesita un dispositivo propio.</translation>
    </message>
    <message>
        <source>The reading at position %1 of set %2 is stored, but its place could not be kept with it: %3.</source>
        <translation>La lectura en la posición %1 de la serie %2 está guardada, pero su ubicación no pudo guardarse con ella: %3.</translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>Orvanta Manual</source>
        <translation>Manual de Orvanta</translation>
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
        <translation>          No se pudo conectar con el medidor de susceptibilidad magnética Orvanta.<byte value="xd"/>
<byte value="xd"/>
Asegúrese de que el medidor esté conectado a un puerto USB antes de iniciar este programa.<byte value="xd"/>
   Si el problema persiste, puede que haya que reinstalar el controlador USB del medidor.</translation>
    </message>
    <message>
        <source>Meter not connected or invalid Comm Port Number selected</source>
        <translation>Medidor no conectado o número de puerto serie no válido</translation>
    </message>
    <message>
        <source>Warning: Comm Port is in use by another application</source>
        <translation>Advertencia: otra aplicación está usando el puerto serie</translation>
    </message>
    <message>
        <source>Warning: Invalid Comm Port Number</source>
        <translation>Advertencia: número de puerto serie no válido</translation>
    </message>
    <message>
        <source>Several serial devices are plugged in: choose the meter&apos;s port (Options &gt; Comm Port...).</source>
        <translation>Hay varios dispositivos serie conectados: elija el puerto del medidor (Opciones &gt; Puerto serie...).</translation>
    </message>
    <message>
        <source>There is no device on port %1 (%2): nothing was changed. Plug the meter in, or choose a port from the list.</source>
        <translation>No hay ningún dispositivo en el puerto %1 (%2): no se cambió nada. Conecte el medidor o elija un puerto de la lista.</translation>
    </message>
    <message>
        <source>You are not allowed to open the Comm Port. Add your user to the dialout group, then log in again.</source>
        <translation>No tiene permiso para abrir el puerto serie. Añada su usuario al grupo dialout y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>You are not allowed to open the Comm Port (%1). Add your user to the %2 group, then log in again.</source>
        <translation>No tiene permiso para abrir el puerto serie (%1). Añada su usuario al grupo %2 y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>You are not allowed to open the Comm Port (%1): it is no device your user may read and write.</source>
        <translation>No tiene permiso para abrir el puerto serie (%1): no es un dispositivo que su usuario pueda leer y escribir.</translation>
    </message>
    <message>
        <source>The Comm Port (%1) is locked by a program that has ended: its lock file %2 was left behind. Remove it (as root: rm %2), then try again.</source>
        <translation>El puerto serie (%1) está bloqueado por un programa que ya terminó: quedó su archivo de bloqueo %2. Elimínelo (como root: rm %2) e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The Comm Port (%1) cannot be used for the meter: %2.</source>
        <translation>El puerto serie (%1) no se puede usar para el medidor: %2.</translation>
    </message>
    <message>
        <source>The connection to the meter was lost.</source>
        <translation>Se perdió la conexión con el medidor.</translation>
    </message>
    <message>
        <source>This file is set for Read Only and cannot be modified.</source>
        <translation>Este archivo es de solo lectura y no se puede modificar.</translation>
    </message>
    <message>
        <source>The file is not a readings database of this program. Set it aside (renamed with the date and time) and start a fresh one?</source>
        <translation>El archivo no es una base de datos de lecturas de este programa. ¿Apartarlo (renombrado con la fecha y la hora) y empezar una nueva?</translation>
    </message>
    <message>
        <source>The readings database is in use by another program: waiting for it to be free.</source>
        <translation>Otro programa está usando la base de datos de lecturas: esperando a que quede libre.</translation>
    </message>
    <message>
        <source>the readings database is in use by another program, for example orvanta-cli; download again once it has ended</source>
        <translation>otro programa está usando la base de datos de lecturas, por ejemplo orvanta-cli; vuelva a descargar cuando haya terminado</translation>
    </message>
    <message>
        <source>The readings database is open.</source>
        <translation>La base de datos de lecturas está abierta.</translation>
    </message>
    <message>
        <source>The readings table could not be written: %1</source>
        <translation>No se pudo escribir la tabla de lecturas: %1</translation>
    </message>
    <message>
        <source>Readings could not be stored: %1. %2 readings of this download were stored.</source>
        <translation>No se pudieron guardar las lecturas: %1. Se guardaron %2 lecturas de esta descarga.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 is too large to be a data file.</source>
        <translation>%1 es demasiado grande para ser un archivo de datos.</translation>
    </message>
    <message>
        <source>%1 is not a data file.</source>
        <translation>%1 no es un archivo de datos.</translation>
    </message>
    <message>
        <source>%1 is not a whole data file: record %2 is cut short. Nothing was changed.</source>
        <translation>%1 no es un archivo de datos completo: el registro %2 está cortado. No se cambió nada.</translation>
    </message>
    <message>
        <source>The readings table could not be written: %1. Nothing was changed: the table holds what it held before.</source>
        <translation>No se pudo escribir la tabla de lecturas: %1. No se cambió nada: la tabla conserva lo que tenía antes.</translation>
    </message>
    <message>
        <source>%1 is not an Orvanta survey file that can be read: %2. Nothing was changed.</source>
        <translation>%1 no es un archivo de campaña Orvanta legible: %2. No se cambió nada.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2. Nothing was changed.</source>
        <translation>No se puede abrir %1: %2. No se cambió nada.</translation>
    </message>
    <message>
        <source>%1 set(s) holding readings have no latitude and longitude and were left out of %2.</source>
        <translation>%1 serie(s) con lecturas no tienen latitud ni longitud y se omitieron de %2.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>The report could not be printed: %1</source>
        <translation>No se pudo imprimir el informe: %1</translation>
    </message>
    <message>
        <source>The survey summary could not be printed: %1</source>
        <translation>No se pudo imprimir el resumen de campaña: %1</translation>
    </message>
    <message>
        <source>The plot could not be printed: %1</source>
        <translation>No se pudo imprimir el gráfico: %1</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file: the program starts with its default settings and keeps none.</source>
        <translation>El archivo de configuración %1 no es un archivo normal: el programa se inicia con su configuración predeterminada y no guarda ninguna.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>No se pudo guardar la configuración: %1</translation>
    </message>
    <message>
        <source>the settings file or its folder cannot be written</source>
        <translation>no se puede escribir el archivo de configuración o su carpeta</translation>
    </message>
    <message>
        <source>Stored: set %1, reading %2</source>
        <translation>Guardada: serie %1, lectura %2</translation>
    </message>
    <message>
        <source>There is no reading to store yet.</source>
        <translation>Todavía no hay ninguna lectura para guardar.</translation>
    </message>
    <message>
        <source>Set %1 holds readings in %2 and the meter now reads in %3: the reading was not stored. Choose a set in %3, or an empty one, on the meter.</source>
        <translation>La serie %1 tiene lecturas en %2 y el medidor ahora mide en %3: la lectura no se guardó. Elija en el medidor una serie en %3 o una vacía.</translation>
    </message>
    <message>
        <source>The meter sent set data that was not asked for; nothing was stored.</source>
        <translation>El medidor envió datos de serie que no se pidieron; no se guardó nada.</translation>
    </message>
    <message>
        <source>A mark goes with a recorded reading: start Read &gt; Record Readings... first.</source>
        <translation>Una marca acompaña a una lectura grabada: inicie primero Lectura &gt; Grabar lecturas....</translation>
    </message>
    <message>
        <source>The recording stopped; the %1 readings recorded before stay in the file.</source>
        <translation>La grabación se detuvo; las %1 lecturas grabadas antes permanecen en el archivo.</translation>
    </message>
    <message>
        <source>Set %1 is full: the reading was not stored.</source>
        <translation>La serie %1 está llena: la lectura no se guardó.</translation>
    </message>
    <message>
        <source>Wait until the download has ended.</source>
        <translation>Espere a que termine la descarga.</translation>
    </message>
    <message>
        <source>no such port</source>
        <translation>no existe ese puerto</translation>
    </message>
    <message>
        <source>it is larger than any survey file</source>
        <translation>es más grande que cualquier archivo de campaña</translation>
    </message>
    <message>
        <source>it is no SQLite database</source>
        <translation>no es una base de datos SQLite</translation>
    </message>
    <message>
        <source>set %1 holds &quot;%2&quot; at position %3, which is no reading</source>
        <translation>la serie %1 contiene «%2» en la posición %3, que no es una lectura</translation>
    </message>
    <message>
        <source>row %1 has no row number</source>
        <translation>la fila %1 no tiene número de fila</translation>
    </message>
    <message>
        <source>a reading in row %1 is longer than a data file can hold</source>
        <translation>una lectura de la fila %1 es más larga de lo que admite un archivo de datos</translation>
    </message>
    <message>
        <source>set %1: %2</source>
        <translation>serie %1: %2</translation>
    </message>
    <message>
        <source>Clear all readings? Readings and set details that have not been saved to a file will be lost.</source>
        <translation>¿Borrar todas las lecturas? Se perderán las lecturas y los detalles de series que no se hayan guardado en un archivo.</translation>
    </message>
    <message>
        <source>Open %1 in place of the readings? Readings and set details that have not been saved to a file will be lost.</source>
        <translation>¿Abrir %1 en lugar de las lecturas? Se perderán las lecturas y los detalles de series que no se hayan guardado en un archivo.</translation>
    </message>
    <message>
        <source>The readings or set details changed since they were last saved to a file. Save them before quitting? They stay in the readings database either way and are shown again at the next start.</source>
        <translation>Las lecturas o los detalles de series cambiaron desde que se guardaron por última vez en un archivo. ¿Guardarlos antes de salir? Permanecen en la base de datos de lecturas en cualquier caso y se muestran de nuevo en el próximo inicio.</translation>
    </message>
    <message>
        <source>%1 was not opened: %2. Nothing was changed.</source>
        <translation>%1 no se abrió: %2. No se cambió nada.</translation>
    </message>
    <message>
        <source>%1 holds %2 of the %3 records of a whole data file: it may have been cut short while it was copied. Positions 1 to %2 of every set were opened from it; positions %4 to %3 were cleared.</source>
        <translation>%1 contiene %2 de los %3 registros de un archivo de datos completo: puede haberse cortado al copiarlo. Se abrieron de él las posiciones 1 a %2 de cada serie; las posiciones %4 a %3 se vaciaron.</translation>
    </message>
    <message>
        <source>The readings database %1 could be read by other users of this computer. It is now yours alone.</source>
        <translation>Otros usuarios de este equipo podían leer la base de datos de lecturas %1. Ahora es solo suya.</translation>
    </message>
    <message>
        <source>The readings database %1 could not be opened: %2.</source>
        <translation>No se pudo abrir la base de datos de lecturas %1: %2.</translation>
    </message>
    <message>
        <source>it is not this program&apos;s, and it could not be renamed</source>
        <translation>no pertenece a este programa y no se pudo cambiar su nombre</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Orvanta Options</source>
        <translation>Opciones de Orvanta</translation>
    </message>
    <message>
        <source>Store Function</source>
        <translation>Función de almacenamiento</translation>
    </message>
    <message>
        <source>Stores New Readings to Meter Memory</source>
        <translation>Guarda las lecturas nuevas en la memoria del medidor</translation>
    </message>
    <message>
        <source>Stores New Readings to PC Database</source>
        <translation>Guarda las lecturas nuevas en la base de datos del PC</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>ninguno</translation>
    </message>
    <message>
        <source>GPS receiver&apos;s device</source>
        <translation>Dispositivo del receptor GPS</translation>
    </message>
    <message>
        <source>The serial device of a GPS receiver speaking NMEA (USB or Bluetooth, 4800 or 9600 baud), for example /dev/ttyUSB1 or /dev/rfcomm0; empty for none. Recorded readings then carry its position.</source>
        <translation>El dispositivo serie de un receptor GPS que habla NMEA (USB o Bluetooth, 4800 o 9600 baudios), por ejemplo /dev/ttyUSB1 o /dev/rfcomm0; vacío para ninguno. Las lecturas grabadas llevan entonces su posición.</translation>
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
        <translation>unidades desconocidas</translation>
    </message>
    <message>
        <source>, log scale</source>
        <translation>, escala logarítmica</translation>
    </message>
    <message>
        <source>; sets %1 in units not known, as stored</source>
        <translation>; series %1 en unidades desconocidas, tal como se guardaron</translation>
    </message>
    <message>
        <source>; set %1 in units not known, as stored</source>
        <translation>; serie %1 en unidades desconocidas, tal como se guardó</translation>
    </message>
    <message>
        <source>Susceptibility (%1)</source>
        <translation>Susceptibilidad (%1)</translation>
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
        <translation>Serie %1</translation>
    </message>
    <message>
        <source>&amp;Log scale</source>
        <translation>Escala &amp;logarítmica</translation>
    </message>
    <message>
        <source>The units the profiles are drawn in; sets measured in the other units are converted (k in SI = 4 pi times k in CGS)</source>
        <translation>Las unidades en que se dibujan los perfiles; las series medidas en las otras unidades se convierten (k en SI = 4 pi por k en CGS)</translation>
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
        <translation>&amp;Profundidad hacia abajo</translation>
    </message>
    <message>
        <source>Sets with a depth and a spacing (Set Details) are drawn against depth; this turns the plot so depth runs down the page, as a log is read</source>
        <translation>Las series con profundidad y espaciado (detalles de la serie) se dibujan frente a la profundidad; esto gira el gráfico para que la profundidad baje por la página, como se lee un registro</translation>
    </message>
    <message>
        <source>&amp;Save Image...</source>
        <translation>&amp;Guardar imagen...</translation>
    </message>
    <message>
        <source>Save &amp;Trend...</source>
        <translation>Guardar &amp;tendencia...</translation>
    </message>
    <message>
        <source>The live trend as CSV (time, value) or as an image (PNG, SVG, PDF)</source>
        <translation>La tendencia en vivo como CSV (hora, valor) o como imagen (PNG, SVG, PDF)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Restablecer zoom</translation>
    </message>
    <message>
        <source>Show all the readings again (Esc on the plot). Drag a rectangle on the plot, or press + and -, to zoom; the arrow keys move the view</source>
        <translation>Mostrar de nuevo todas las lecturas (Esc en el gráfico). Arrastre un rectángulo en el gráfico, o pulse + y -, para hacer zoom; las flechas mueven la vista</translation>
    </message>
    <message>
        <source>Depth (m)</source>
        <translation>Profundidad (m)</translation>
    </message>
    <message>
        <source>the plot could not be drawn</source>
        <translation>no se pudo dibujar el gráfico</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Guardar gráfico</translation>
    </message>
    <message>
        <source>Save Live Trend</source>
        <translation>Guardar tendencia en vivo</translation>
    </message>
    <message>
        <source>Print Plot</source>
        <translation>Imprimir gráfico</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>no se pudo iniciar la impresora</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>la impresora no aceptó el documento</translation>
    </message>
    <message>
        <source>Reading position</source>
        <translation>Posición de la lectura</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawings (*.svg)</source>
        <translation>Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>To&amp;dos</translation>
    </message>
    <message>
        <source>Show every set that holds readings</source>
        <translation>Mostrar cada serie que contiene lecturas</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>&amp;Ninguno</translation>
    </message>
    <message>
        <source>Show no set; double-click a set to show only that one</source>
        <translation>No mostrar ninguna serie; doble clic en una serie para mostrar solo esa</translation>
    </message>
    <message>
        <source>Only Set %1</source>
        <translation>Solo la serie %1</translation>
    </message>
    <message>
        <source>All Sets</source>
        <translation>Todas las series</translation>
    </message>
    <message>
        <source>No Set</source>
        <translation>Ninguna serie</translation>
    </message>
    <message>
        <source>Sets drawn on the plot</source>
        <translation>Series dibujadas en el gráfico</translation>
    </message>
    <message>
        <source>Profiles of the chosen sets</source>
        <translation>Perfiles de las series elegidas</translation>
    </message>
    <message>
        <source>Live trend of the last readings</source>
        <translation>Tendencia de las últimas lecturas</translation>
    </message>
    <message>
        <source>Reading under the mouse</source>
        <translation>Lectura bajo el ratón</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>Select Comm Port</source>
        <translation>Seleccionar puerto serie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>(no such port)</source>
        <translation>(no existe ese puerto)</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>no printer could be started</source>
        <translation>no se pudo iniciar ninguna impresora</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>no se pudo iniciar %1</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>la impresora no aceptó el documento</translation>
    </message>
    <message>
        <source>%1 could not be written whole (the disk may be full)</source>
        <translation>no se pudo escribir %1 completo (puede que el disco esté lleno)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>Print Schedule</source>
        <translation>Imprimir la lista</translation>
    </message>
    <message>
        <source>Print Survey Summary</source>
        <translation>Imprimir resumen de campaña</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
</context>
<context>
    <name>ProfileChart</name>
    <message>
        <source>No readings to plot</source>
        <translation>No hay lecturas para graficar</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Serie %1</translation>
    </message>
    <message>
        <source>Set %1, position %2: %3</source>
        <translation>Serie %1, posición %2: %3</translation>
    </message>
    <message>
        <source>Set %1, flagged</source>
        <translation>Serie %1, marcadas</translation>
    </message>
    <message>
        <source>Set %1, position %2: %3, flagged: %4</source>
        <translation>Serie %1, posición %2: %3, marcada: %4</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Downloading Data.....</source>
        <translation>Descargando datos.....</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Set %1 (%2 of %3 sets done): %4 readings stored</source>
        <translation>Serie %1 (%2 de %3 series terminadas): %4 lecturas guardadas</translation>
    </message>
    <message>
        <source>Set %1: %2 readings stored</source>
        <translation>Serie %1: %2 lecturas guardadas</translation>
    </message>
</context>
<context>
    <name>ReadingPanel</name>
    <message>
        <source>(to PC memory)</source>
        <translation>(en el PC)</translation>
    </message>
    <message>
        <source>(to Meter memory)</source>
        <translation>(en el medidor)</translation>
    </message>
    <message>
        <source>Over range: the reading is above %1 on this scale.</source>
        <translation>Fuera de rango: la lectura supera %1 en esta escala.</translation>
    </message>
    <message>
        <source>Click the panel to press its keys with letters.</source>
        <translation>Haga clic en el panel para pulsar sus teclas con letras.</translation>
    </message>
    <message>
        <source>Letters press the panel&apos;s keys. Click elsewhere to stop.</source>
        <translation>Las letras pulsan las teclas del panel. Haga clic en otro lugar para terminar.</translation>
    </message>
    <message>
        <source>Listening: letters press the keys</source>
        <translation>Escuchando: las letras pulsan las teclas</translation>
    </message>
    <message>
        <source>The meter&apos;s “%1” key.</source>
        <translation>La tecla «%1» del medidor.</translation>
    </message>
    <message>
        <source>Never pressed by a letter.</source>
        <translation>Nunca se pulsa con una letra.</translation>
    </message>
    <message>
        <source>Keyboard: %1, once the panel listens.</source>
        <translation>Teclado: %1, cuando el panel escucha.</translation>
    </message>
    <message>
        <source>Reading %1, %2</source>
        <translation>Lectura %1, %2</translation>
    </message>
</context>
<context>
    <name>RecordingCommands</name>
    <message>
        <source>Recorded %1 readings to %2</source>
        <translation>%1 lecturas grabadas en %2</translation>
    </message>
    <message>
        <source>Record Readings</source>
        <translation>Grabar lecturas</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Mark Reading</source>
        <translation>Marcar lectura</translation>
    </message>
    <message>
        <source>Label for the next reading (a station, say):</source>
        <translation>Etiqueta para la próxima lectura (una estación, por ejemplo):</translation>
    </message>
    <message>
        <source>Recording to %1: %2 readings</source>
        <translation>Grabando en %1: %2 lecturas</translation>
    </message>
    <message>
        <source> (the next marked &quot;%1&quot;)</source>
        <translation> (la próxima marcada «%1»)</translation>
    </message>
    <message>
        <source>Recording to Place</source>
        <translation>Grabación a ubicar</translation>
    </message>
    <message>
        <source>GPS Track</source>
        <translation>Traza GPS</translation>
    </message>
    <message>
        <source>GPX Files (*.gpx)</source>
        <translation>Archivos GPX (*.gpx)</translation>
    </message>
    <message>
        <source>Save Placed Recording</source>
        <translation>Guardar grabación ubicada</translation>
    </message>
    <message>
        <source>%1 of %2 readings placed from the track; written to %3</source>
        <translation>%1 de %2 lecturas ubicadas según la traza; escrito en %3</translation>
    </message>
</context>
<context>
    <name>SessionStatusBar</name>
    <message>
        <source>Port %1 (%2)</source>
        <translation>Puerto %1 (%2)</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>Sin puerto</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Port open, the meter has not answered yet</source>
        <translation>Puerto abierto, el medidor aún no ha respondido</translation>
    </message>
    <message>
        <source>Connection lost, reconnecting</source>
        <translation>Conexión perdida, reconectando</translation>
    </message>
    <message>
        <source>Connection lost</source>
        <translation>Conexión perdida</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>No conectado</translation>
    </message>
    <message>
        <source>Set %1, reading %2 of %3</source>
        <translation>Serie %1, lectura %2 de %3</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop waiting for the meter&apos;s reading</source>
        <translation>Dejar de esperar la lectura del medidor</translation>
    </message>
    <message>
        <source>The meter did not answer: is it switched on and showing its reading page?</source>
        <translation>El medidor no respondió: ¿está encendido y muestra su página de lectura?</translation>
    </message>
    <message>
        <source>Waiting for the meter to answer...</source>
        <translation>Esperando la respuesta del medidor...</translation>
    </message>
    <message>
        <source>GPS receiver %1 not found; looking for it</source>
        <translation>Receptor GPS %1 no encontrado; se busca</translation>
    </message>
    <message>
        <source>GPS receiver silent</source>
        <translation>Receptor GPS en silencio</translation>
    </message>
    <message>
        <source>GPS: no fix</source>
        <translation>GPS: sin posición</translation>
    </message>
    <message>
        <source>GPS: fix %1 s old, not used</source>
        <translation>GPS: posición de hace %1 s, no usada</translation>
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
        <translation>Sitio</translation>
    </message>
    <message>
        <source>Depth of position 1 (m)</source>
        <translation>Profundidad de la posición 1 (m)</translation>
    </message>
    <message>
        <source>Spacing (m)</source>
        <translation>Intervalo de medición (m)</translation>
    </message>
    <message>
        <source>Latitude (°, WGS 84)</source>
        <translation>Latitud (°, WGS 84)</translation>
    </message>
    <message>
        <source>Longitude (°, WGS 84)</source>
        <translation>Longitud (°, WGS 84)</translation>
    </message>
    <message>
        <source>Elevation (m)</source>
        <translation>Elevación (m)</translation>
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
        <translation>Motivo de la marca</translation>
    </message>
</context>
<context>
    <name>SetDetailsPane</name>
    <message>
        <source>Set %1</source>
        <translation>Serie %1</translation>
    </message>
    <message>
        <source>Take Position from &amp;GPS</source>
        <translation>Tomar la posición del &amp;GPS</translation>
    </message>
    <message>
        <source>The GPS receiver&apos;s current fix (not older than %1 s) as this set&apos;s latitude, longitude and elevation</source>
        <translation>La posición actual del receptor GPS (no más antigua que %1 s) como latitud, longitud y elevación de este conjunto</translation>
    </message>
    <message>
        <source>The GPS receiver has no current fix; nothing was stored.</source>
        <translation>El receptor GPS no tiene posición actual; no se guardó nada.</translation>
    </message>
    <message>
        <source>%1. Nothing was stored.</source>
        <translation>%1. No se guardó nada.</translation>
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
        <translation>Serie %1</translation>
    </message>
    <message>
        <source>Units not known.</source>
        <translation>Unidades desconocidas.</translation>
    </message>
    <message>
        <source>Readings in %1 units.</source>
        <translation>Lecturas en unidades %1.</translation>
    </message>
    <message>
        <source> Its last download ended before the set&apos;s end of data: the positions after its last reading were cleared.</source>
        <translation> Su última descarga terminó antes del final de los datos de la serie: se borraron las posiciones posteriores a su última lectura.</translation>
    </message>
    <message>
        <source>Unreadable: what the meter sent here was no reading.</source>
        <translation>Ilegible: lo que el medidor envió aquí no era una lectura.</translation>
    </message>
    <message>
        <source>Flagged: %1. Left out of the statistics and the plot&apos;s lines.</source>
        <translation>Marcada: %1. Excluida de las estadísticas y de las líneas del gráfico.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
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
        <translation>Datos</translation>
    </message>
    <message>
        <source>Readin&amp;gs</source>
        <translation>Lect&amp;uras</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>Desv. est.</translation>
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
        <translation>Media geométrica</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>desconocidas</translation>
    </message>
    <message>
        <source>&amp;Flag Reading...</source>
        <translation>&amp;Marcar lectura...</translation>
    </message>
    <message>
        <source>U&amp;nflag Reading</source>
        <translation>&amp;Desmarcar lectura</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Unflag position %1 of set %2</source>
        <translation>Desmarcar la posición %1 de la serie %2</translation>
    </message>
    <message>
        <source>Flag position %1 of set %2</source>
        <translation>Marcar la posición %1 de la serie %2</translation>
    </message>
    <message>
        <source>The chosen cell holds no reading to flag. Choose a reading in a set&apos;s column first.</source>
        <translation>La celda elegida no contiene ninguna lectura que marcar. Elija primero una lectura en la columna de una serie.</translation>
    </message>
    <message>
        <source>Why is the reading %1 at position %2 of set %3 flagged (&quot;broken core&quot;, &quot;box end&quot;)? It keeps its text and is left out of the statistics, the plot&apos;s lines and the logs. An empty reason unflags it.</source>
        <translation>¿Por qué se marca la lectura %1 en la posición %2 de la serie %3 («testigo roto», «fin de caja»)? Conserva su texto y queda excluida de las estadísticas, de las líneas del gráfico y de los registros. Un motivo vacío la desmarca.</translation>
    </message>
    <message>
        <source>Details of set %1</source>
        <translation>Detalles de la serie %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <source>The step cannot be taken back: the table changed since (%1). Undo starts again from here.</source>
        <translation>El paso no se puede deshacer: la tabla cambió desde entonces (%1). Deshacer empieza de nuevo desde aquí.</translation>
    </message>
    <message>
        <source>Readings: one column a set, one row a position</source>
        <translation>Lecturas: una columna por serie, una fila por posición</translation>
    </message>
    <message>
        <source>Statistics: one row a set</source>
        <translation>Estadísticas: una fila por serie</translation>
    </message>
    <message>
        <source>Details of the chosen set</source>
        <translation>Detalles de la serie elegida</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posiciones</translation>
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
        <translation>desconocidas</translation>
    </message>
    <message>
        <source>Downloaded: </source>
        <translation>Descargada: </translation>
    </message>
    <message>
        <source> from </source>
        <translation> desde </translation>
    </message>
    <message>
        <source>, %1 unreadable</source>
        <translation>, %1 ilegibles</translation>
    </message>
    <message>
        <source> (incomplete)</source>
        <translation> (incompleta)</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Impreso el %1</translation>
    </message>
    <message>
        <source>No set holds readings or details.</source>
        <translation>Ninguna serie tiene lecturas ni detalles.</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Serie %1</translation>
    </message>
    <message>
        <source>Statistics: %1</source>
        <translation>Estadísticas: %1</translation>
    </message>
    <message>
        <source>No readings</source>
        <translation>Sin lecturas</translation>
    </message>
    <message>
        <source> (units not known)</source>
        <translation> (unidades desconocidas)</translation>
    </message>
    <message>
        <source>n %1, mean %2, median %3, sd %4, min %5, max %6</source>
        <translation>n %1, media %2, mediana %3, desv. est. %4, mín. %5, máx. %6</translation>
    </message>
    <message>
        <source>, geometric mean </source>
        <translation>, media geométrica </translation>
    </message>
    <message>
        <source>Readings: %1%2%3%4</source>
        <translation>Lecturas: %1%2%3%4</translation>
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
        <translation>Aún no hay lecturas continuas</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En vivo</translation>
    </message>
    <message>
        <source>Time of continuous reading</source>
        <translation>Hora de la lectura continua</translation>
    </message>
    <message>
        <source>Live, %1: %2</source>
        <translation>En vivo, %1: %2</translation>
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
        <translation>línea %1, columna %2 (%3): %4</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the file or its disk is read-only</source>
        <translation>el archivo o su disco es de solo lectura</translation>
    </message>
    <message>
        <source>the system does not allow it</source>
        <translation>el sistema no lo permite</translation>
    </message>
    <message>
        <source>the file is damaged, or is no database</source>
        <translation>el archivo está dañado o no es una base de datos</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>no se pudo leer ni escribir el disco</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>el archivo no se puede abrir</translation>
    </message>
    <message>
        <source>another program is using the file</source>
        <translation>otro programa está usando el archivo</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>the database refused it (&quot;%1&quot;)</source>
        <translation>la base de datos lo rechazó («%1»)</translation>
    </message>
    <message>
        <source>reading it took longer than %1 s and was stopped: the file is made to keep a program busy</source>
        <translation>su lectura tardó más de %1 s y se detuvo: el archivo está hecho para tener ocupado a un programa</translation>
    </message>
    <message>
        <source>the readings database is not open</source>
        <translation>la base de datos de lecturas no está abierta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>el archivo no está abierto</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>no se puede escribir el archivo</translation>
    </message>
    <message>
        <source>its folder %1 does not exist</source>
        <translation>su carpeta %1 no existe</translation>
    </message>
    <message>
        <source>its folder %1 cannot be written by your user</source>
        <translation>su usuario no puede escribir en su carpeta %1</translation>
    </message>
    <message>
        <source>its folder %1 cannot be written by your user, and the database keeps its journal beside the file</source>
        <translation>su usuario no puede escribir en su carpeta %1, y la base de datos guarda su diario junto al archivo</translation>
    </message>
    <message>
        <source>your user may not read and write it</source>
        <translation>su usuario no puede leerlo ni escribirlo</translation>
    </message>
    <message>
        <source>the file belongs to another program</source>
        <translation>el archivo pertenece a otro programa</translation>
    </message>
    <message>
        <source>the file is not an Orvanta survey file</source>
        <translation>el archivo no es un archivo de campaña Orvanta</translation>
    </message>
    <message>
        <source>the file is damaged (&quot;%1&quot;)</source>
        <translation>el archivo está dañado («%1»)</translation>
    </message>
    <message>
        <source>it was written by a newer version of Orvanta (layout %1; this version knows layouts up to %2). Open it with that version, or install it</source>
        <translation>lo escribió una versión más reciente de Orvanta (estructura %1; esta versión conoce las estructuras hasta la %2). Ábralo con esa versión, o instálela</translation>
    </message>
    <message>
        <source>the file holds no table Sets</source>
        <translation>el archivo no contiene ninguna tabla Sets</translation>
    </message>
    <message>
        <source>the table %1 has the columns %2, not %3</source>
        <translation>la tabla %1 tiene las columnas %2, no %3</translation>
    </message>
    <message>
        <source>the table Sets has the columns %1, not Number and Set 1 to Set 30</source>
        <translation>la tabla Sets tiene las columnas %1, no Number y Set 1 a Set 30</translation>
    </message>
    <message>
        <source>the table Sets has columns of other types (%1), not TEXT</source>
        <translation>la tabla Sets tiene columnas de otros tipos (%1), no TEXT</translation>
    </message>
    <message>
        <source>the table Sets has %1 rows, not %2</source>
        <translation>la tabla Sets tiene %1 filas, no %2</translation>
    </message>
    <message>
        <source>the file has a trigger (%1) on the table %2: it could rewrite what the program stores</source>
        <translation>el archivo tiene un disparador (%1) en la tabla %2: podría reescribir lo que guarda el programa</translation>
    </message>
    <message>
        <source>the file holds a view (%1), which the program never writes</source>
        <translation>el archivo contiene una vista (%1), que el programa nunca escribe</translation>
    </message>
    <message>
        <source>the file holds an index (%1), which the program never writes</source>
        <translation>el archivo contiene un índice (%1), que el programa nunca escribe</translation>
    </message>
    <message>
        <source>the file holds a table (%1), which the program never writes</source>
        <translation>el archivo contiene una tabla (%1), que el programa nunca escribe</translation>
    </message>
    <message>
        <source>the copy could not be made to keep no journal beside it</source>
        <translation>no se pudo hacer la copia sin un diario a su lado</translation>
    </message>
    <message>
        <source>position %1 of set %2 holds no reading</source>
        <translation>la posición %1 de la serie %2 no contiene ninguna lectura</translation>
    </message>
    <message>
        <source>set %1 has no position %2</source>
        <translation>la serie %1 no tiene posición %2</translation>
    </message>
    <message>
        <source>there is no set %1</source>
        <translation>no existe la serie %1</translation>
    </message>
    <message>
        <source>the place %1, %2 is not on the earth</source>
        <translation>el lugar %1, %2 no está en la Tierra</translation>
    </message>
    <message>
        <source>position %1 of set %2 no longer holds the reading %3 as it was</source>
        <translation>la posición %1 de la serie %2 ya no contiene la lectura %3 tal como era</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters</source>
        <translation>%1: más de %2 caracteres</translation>
    </message>
    <message>
        <source>%1: holds a control character (U+%2)</source>
        <translation>%1: contiene un carácter de control (U+%2)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number</source>
        <translation>%1: «%2» no es un número</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has both a point and a comma; type one of them as the decimal separator and no thousands separator</source>
        <translation>%1: «%2» tiene un punto y una coma; escriba uno de ellos como separador decimal y ningún separador de miles</translation>
    </message>
    <message>
        <source>%1: %2 is not between %3 and %4</source>
        <translation>%1: %2 no está entre %3 y %4</translation>
    </message>
    <message>
        <source>%1: %2 is below zero</source>
        <translation>%1: %2 es menor que cero</translation>
    </message>
    <message>
        <source>%1: %2 is beyond %3 m</source>
        <translation>%1: %2 supera los %3 m</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>el texto no está en UTF-8</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un campo entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>the row is too long</source>
        <translation>la fila es demasiado larga</translation>
    </message>
    <message>
        <source>the header&apos;s column %1 is &quot;%2&quot;, not &quot;%3&quot;</source>
        <translation>la columna %1 del encabezado es «%2», no «%3»</translation>
    </message>
    <message>
        <source>the header is not the one of a list of readings</source>
        <translation>el encabezado no es el de una lista de lecturas</translation>
    </message>
    <message>
        <source>more rows than %1 sets of %2 readings</source>
        <translation>más filas que %1 series de %2 lecturas</translation>
    </message>
    <message>
        <source>%1 fields, not %2</source>
        <translation>%1 campos, no %2</translation>
    </message>
    <message>
        <source>not a set from 1 to %1</source>
        <translation>no es una serie de 1 a %1</translation>
    </message>
    <message>
        <source>not a position from 1 to %1</source>
        <translation>no es una posición de 1 a %1</translation>
    </message>
    <message>
        <source>the position comes twice</source>
        <translation>la posición aparece dos veces</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no reading</source>
        <translation>«%1» no es una lectura</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>%1 is beyond %2 m</source>
        <translation>%1 supera los %2 m</translation>
    </message>
    <message>
        <source>not a latitude</source>
        <translation>no es una latitud</translation>
    </message>
    <message>
        <source>not a longitude</source>
        <translation>no es una longitud</translation>
    </message>
    <message>
        <source>not an elevation</source>
        <translation>no es una altitud</translation>
    </message>
    <message>
        <source>not an ISO 8601 time</source>
        <translation>no es una hora ISO 8601</translation>
    </message>
    <message>
        <source>differs from the set&apos;s first row (line %1)</source>
        <translation>difiere de la primera fila de la serie (línea %1)</translation>
    </message>
    <message>
        <source>not SI, CGS or empty</source>
        <translation>no es SI, CGS ni vacío</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>no es true ni false</translation>
    </message>
    <message>
        <source>the table has no rows</source>
        <translation>la tabla no tiene filas</translation>
    </message>
    <message>
        <source>the depths of set %1 do not follow one depth and spacing</source>
        <translation>las profundidades de la serie %1 no siguen una profundidad y un intervalo de medición</translation>
    </message>
    <message>
        <source>the depths of set %1 go up</source>
        <translation>las profundidades de la serie %1 van hacia arriba</translation>
    </message>
    <message>
        <source>not a recording&apos;s header (%1)</source>
        <translation>no es el encabezado de una grabación (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time</source>
        <translation>«%1» no es una hora</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no reading the meter sends</source>
        <translation>«%1» no es una lectura que envíe el medidor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no units</source>
        <translation>«%1» no es una unidad</translation>
    </message>
    <message>
        <source>%1, where line %2 has %3; a set has one units</source>
        <translation>%1, cuando la línea %2 tiene %3; una serie tiene una sola unidad</translation>
    </message>
    <message>
        <source>it holds no reading</source>
        <translation>no contiene ninguna lectura</translation>
    </message>
    <message>
        <source>it holds %1 readings; a set holds %2</source>
        <translation>contiene %1 lecturas; una serie contiene %2</translation>
    </message>
    <message>
        <source>a %1 without a latitude and longitude</source>
        <translation>un %1 sin latitud ni longitud</translation>
    </message>
    <message>
        <source>it is no GPX file</source>
        <translation>no es un archivo GPX</translation>
    </message>
    <message>
        <source>it holds no point with a time</source>
        <translation>no contiene ningún punto con hora</translation>
    </message>
    <message>
        <source>set %1 has no depth and spacing: a log needs both</source>
        <translation>la serie %1 no tiene profundidad ni intervalo de medición: un registro necesita ambos</translation>
    </message>
    <message>
        <source>set %1 holds no reading</source>
        <translation>la serie %1 no contiene ninguna lectura</translation>
    </message>
    <message>
        <source>it is a link another user made</source>
        <translation>es un enlace que creó otro usuario</translation>
    </message>
    <message>
        <source>it is a FIFO another user made</source>
        <translation>es un FIFO que creó otro usuario</translation>
    </message>
    <message>
        <source>there is no device %1</source>
        <translation>no existe el dispositivo %1</translation>
    </message>
    <message>
        <source>your user may not read and write %1</source>
        <translation>su usuario no puede leer ni escribir %1</translation>
    </message>
    <message>
        <source>there is no such port number</source>
        <translation>no existe ese número de puerto</translation>
    </message>
    <message>
        <source>its lock file %1 was left behind by a program that has ended</source>
        <translation>su archivo de bloqueo %1 lo dejó un programa que ya terminó</translation>
    </message>
    <message>
        <source>%1 decimals: not the meter&apos;s form, a line fault?</source>
        <translation>%1 decimales: no es la forma del medidor, ¿un fallo de línea?</translation>
    </message>
    <message>
        <source>a doubled leading zero: not the meter&apos;s form, a line fault?</source>
        <translation>un cero inicial duplicado: no es la forma del medidor, ¿un fallo de línea?</translation>
    </message>
    <message>
        <source>no digit before the point: not the meter&apos;s form, a line fault?</source>
        <translation>ningún dígito antes del punto: no es la forma del medidor, ¿un fallo de línea?</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ese archivo no existe</translation>
    </message>
    <message>
        <source>your user may not read it</source>
        <translation>su usuario no puede leerlo</translation>
    </message>
</context>
<context>
    <name>WorkArea</name>
    <message>
        <source>Work area</source>
        <translation>Área de trabajo</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
</context>
</TS>
