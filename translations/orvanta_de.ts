<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>Über Orvanta</translation>
    </message>
    <message>
        <source>Companion program for the Orvanta magnetic susceptibility meter.</source>
        <translation>Begleitprogramm für das Orvanta-Messgerät für magnetische Suszeptibilität.</translation>
    </message>
    <message>
        <source>Made by the Orvanta instrument team for geologists and surveyors.</source>
        <translation>Vom Orvanta-Geräteteam für Geologen und Vermesser entwickelt.</translation>
    </message>
    <message>
        <source>Ask your Orvanta distributor for support and calibration.</source>
        <translation>Für Unterstützung und Kalibrierung wenden Sie sich an Ihren Orvanta-Händler.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Orvanta developers.
This program is free software under the GNU General Public License, version 3
or (at your option) any later version. It comes with no warranty.</source>
        <translation>Copyright © 2026 die Orvanta-Entwickler.
Dieses Programm ist freie Software unter der GNU General Public License, Version 3
oder (nach Ihrer Wahl) jeder späteren Version. Es wird ohne jede Gewährleistung bereitgestellt.</translation>
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
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Übertragung läuft</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Übertragung abgeschlossen</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Übertragung abgebrochen</translation>
    </message>
    <message>
        <source>Download cut short: the connection to the meter was lost</source>
        <translation>Übertragung unterbrochen: Die Verbindung zum Messgerät ging verloren</translation>
    </message>
    <message>
        <source>Download cut short: the port was opened again</source>
        <translation>Übertragung unterbrochen: Der Anschluss wurde neu geöffnet</translation>
    </message>
    <message>
        <source>Download stopped: readings could not be stored</source>
        <translation>Übertragung angehalten: Messwerte konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Download ended: the meter did not answer</source>
        <translation>Übertragung beendet: Das Messgerät hat nicht geantwortet</translation>
    </message>
    <message>
        <source>Download cut short by a new request</source>
        <translation>Übertragung durch eine neue Anforderung unterbrochen</translation>
    </message>
    <message>
        <source>%1 reading stored</source>
        <translation>%1 Messwert gespeichert</translation>
    </message>
    <message>
        <source>%1 readings stored</source>
        <translation>%1 Messwerte gespeichert</translation>
    </message>
    <message>
        <source>set %1, %2</source>
        <translation>Messreihe %1, %2</translation>
    </message>
    <message>
        <source>sets %1, %2</source>
        <translation>Messreihen %1, %2</translation>
    </message>
    <message>
        <source>The meter did not answer on %1.</source>
        <translation>Das Messgerät hat an %1 nicht geantwortet.</translation>
    </message>
    <message>
        <source>The connection to the meter on %1 was lost.</source>
        <translation>Die Verbindung zum Messgerät an %1 ging verloren.</translation>
    </message>
    <message>
        <source>Readings could not be stored: %1.</source>
        <translation>Messwerte konnten nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>Set %1 is incomplete: the download ended after position %2, and the positions after it still hold what they held before (the readings database could not be written).</source>
        <translation>Messreihe %1 ist unvollständig: Die Übertragung endete nach Position %2, und die Positionen danach enthalten noch, was sie vorher enthielten (die Messwertdatenbank konnte nicht geschrieben werden).</translation>
    </message>
    <message>
        <source>; all its positions were cleared</source>
        <translation>; alle ihre Positionen wurden geleert</translation>
    </message>
    <message>
        <source>; positions %1 to %2 were cleared</source>
        <translation>; die Positionen %1 bis %2 wurden geleert</translation>
    </message>
    <message>
        <source>Set %1 is incomplete: the download ended after position %2%3, and the set is marked incomplete.</source>
        <translation>Messreihe %1 ist unvollständig: Die Übertragung endete nach Position %2%3, und die Messreihe ist als unvollständig markiert.</translation>
    </message>
    <message>
        <source>set %1 position %2</source>
        <translation>Messreihe %1 Position %2</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>%1 value was not readable and left cleared at their positions: %2.</source>
        <translation>%1 Wert war nicht lesbar und wurde an seiner Position leer gelassen: %2.</translation>
    </message>
    <message>
        <source>%1 values were not readable and left cleared at their positions: %2.</source>
        <translation>%1 Werte waren nicht lesbar und wurden an ihren Positionen leer gelassen: %2.</translation>
    </message>
    <message>
        <source>The first set arrived with a set number that could not be read; its values were not stored, and the set keeps what it held.</source>
        <translation>Die erste Messreihe kam mit einer unlesbaren Nummer an; ihre Werte wurden nicht gespeichert, und die Messreihe behält ihren bisherigen Inhalt.</translation>
    </message>
    <message>
        <source>The set after set %1 arrived with a set number that could not be read; its values were not stored, and the set keeps what it held.</source>
        <translation>Die Messreihe nach Messreihe %1 kam mit einer unlesbaren Nummer an; ihre Werte wurden nicht gespeichert, und die Messreihe behält ihren bisherigen Inhalt.</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>Port %1 (%2)</translation>
    </message>
    <message>
        <source>Download ended: the meter sent no set</source>
        <translation>Übertragung beendet: Das Messgerät hat keine Messreihe gesendet</translation>
    </message>
    <message>
        <source>The meter also sent set %1, which was not asked for: it was not stored.</source>
        <translation>Das Messgerät hat auch Messreihe %1 gesendet, die nicht angefordert war: Sie wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The meter also sent sets %1, which were not asked for: they were not stored.</source>
        <translation>Das Messgerät hat auch die Messreihen %1 gesendet, die nicht angefordert waren: Sie wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Set %1 came with %2 value more than its %3 positions: it was not stored.</source>
        <translation>Messreihe %1 kam mit %2 Wert mehr als ihren %3 Positionen: Er wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Set %1 came with %2 values more than its %3 positions: they were not stored.</source>
        <translation>Messreihe %1 kam mit %2 Werten mehr als ihren %3 Positionen: Sie wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Set %1 was being received when it happened: it holds readings of this download and of an earlier one, and is marked incomplete.</source>
        <translation>Messreihe %1 wurde gerade empfangen, als es geschah: Sie enthält Messwerte dieser und einer früheren Übertragung und ist als unvollständig markiert.</translation>
    </message>
    <message>
        <source>%1 flag went with its reading, which this download replaced: %2.</source>
        <translation>%1 Markierung ging mit ihrem Messwert, den diese Übertragung ersetzt hat: %2.</translation>
    </message>
    <message>
        <source>%1 flags went with their readings, which this download replaced: %2.</source>
        <translation>%1 Markierungen gingen mit ihren Messwerten, die diese Übertragung ersetzt hat: %2.</translation>
    </message>
    <message>
        <source>Set %1 was being received when it happened: what this download had stored in it was taken back, and it holds what it held before.</source>
        <translation>Messreihe %1 wurde gerade empfangen, als es geschah: Was diese Übertragung darin gespeichert hatte, wurde zurückgenommen, und sie enthält, was sie vorher enthielt.</translation>
    </message>
    <message>
        <source>%1 value was not in the form the meter sends (a line fault?): it is stored flagged, left out of the statistics until you unflag it: %2.</source>
        <translation>%1 Wert hatte nicht die Form, die das Messgerät sendet (ein Leitungsfehler?): Er ist markiert gespeichert und bleibt aus der Statistik, bis Sie die Markierung entfernen: %2.</translation>
    </message>
    <message>
        <source>%1 values were not in the form the meter sends (line faults?): they are stored flagged, left out of the statistics until you unflag them: %2.</source>
        <translation>%1 Werte hatten nicht die Form, die das Messgerät sendet (Leitungsfehler?): Sie sind markiert gespeichert und bleiben aus der Statistik, bis Sie die Markierungen entfernen: %2.</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>&amp;Export Data</source>
        <translation>Daten &amp;exportieren</translation>
    </message>
    <message>
        <source>Export Data to Text file</source>
        <translation>Daten in Textdatei exportieren</translation>
    </message>
    <message>
        <source>CSV, decimal point (*.csv)</source>
        <translation>CSV, Dezimalpunkt (*.csv)</translation>
    </message>
    <message>
        <source>CSV, decimal comma (*.csv)</source>
        <translation>CSV, Dezimalkomma (*.csv)</translation>
    </message>
    <message>
        <source>Expor&amp;t CSV...</source>
        <translation>&amp;CSV exportieren...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV, one row per reading (*.csv)</source>
        <translation>CSV, eine Zeile je Messwert (*.csv)</translation>
    </message>
    <message>
        <source>Export &amp;Long Table...</source>
        <translation>Messwert&amp;liste exportieren...</translation>
    </message>
    <message>
        <source>Export Long Table</source>
        <translation>Messwertliste exportieren</translation>
    </message>
    <message>
        <source>GeoJSON (*.geojson)</source>
        <translation>GeoJSON (*.geojson)</translation>
    </message>
    <message>
        <source>Export &amp;GeoJSON...</source>
        <translation>&amp;GeoJSON exportieren...</translation>
    </message>
    <message>
        <source>Export GeoJSON</source>
        <translation>GeoJSON exportieren</translation>
    </message>
    <message>
        <source>LAS 2.0 logs (*.las)</source>
        <translation>LAS-2.0-Logs (*.las)</translation>
    </message>
    <message>
        <source>Export LAS Log of the C&amp;hosen Set...</source>
        <translation>LAS-Log der gewä&amp;hlten Messreihe exportieren...</translation>
    </message>
    <message>
        <source>Export LAS Log of Set %1</source>
        <translation>LAS-Log der Messreihe %1 exportieren</translation>
    </message>
    <message>
        <source>Set %1 cannot be written as a LAS log: %2.</source>
        <translation>Messreihe %1 kann nicht als LAS-Log geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>GPX waypoints (*.gpx)</source>
        <translation>GPX-Wegpunkte (*.gpx)</translation>
    </message>
    <message>
        <source>Export Sites as GPX</source>
        <translation>Messpunkte als GPX exportieren</translation>
    </message>
    <message>
        <source>Export S&amp;ites as GPX...</source>
        <translation>Messpun&amp;kte als GPX exportieren...</translation>
    </message>
    <message>
        <source>CSV, one row per reading, decimal comma (*.csv)</source>
        <translation>CSV, eine Zeile je Messwert, Dezimalkomma (*.csv)</translation>
    </message>
</context>
<context>
    <name>FileMenuCommands</name>
    <message>
        <source>Open Data File</source>
        <translation>Datendatei öffnen</translation>
    </message>
    <message>
        <source>Save Data File</source>
        <translation>Datendatei speichern</translation>
    </message>
    <message>
        <source>Data Files (*.dat)</source>
        <translation>Datendateien (*.dat)</translation>
    </message>
    <message>
        <source>Orvanta survey (*.orvanta)</source>
        <translation>Orvanta-Messkampagne (*.orvanta)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Survey and Data Files (*.orvanta *.dat)</source>
        <translation>Messkampagnen- und Datendateien (*.orvanta *.dat)</translation>
    </message>
    <message>
        <source>Save as &amp;Survey File</source>
        <translation>Als Messkampagn&amp;e speichern</translation>
    </message>
    <message>
        <source>Save &amp;Data File Only</source>
        <translation>Nur &amp;Datendatei speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Long tables the program exported (*.csv)</source>
        <translation>Vom Programm exportierte Langtabellen (*.csv)</translation>
    </message>
    <message>
        <source>the details typed for sets %1</source>
        <translation>die für die Messreihen %1 eingegebenen Angaben</translation>
    </message>
    <message>
        <source>the units of sets %1</source>
        <translation>die Einheiten der Messreihen %1</translation>
    </message>
    <message>
        <source>the flags of %1 readings, with their reasons</source>
        <translation>die Markierungen von %1 Messwerten samt ihren Gründen</translation>
    </message>
    <message>
        <source>Data File, &amp;Never Ask for Units</source>
        <translation>Datendatei, &amp;nie wegen Einheiten fragen</translation>
    </message>
    <message>
        <source>A data file keeps the readings only. Saving one drops %1. Save a survey file (*.orvanta), which keeps them, or the data file without them?</source>
        <translation>Eine Datendatei enthält nur die Messwerte. Beim Speichern gehen %1 verloren. Eine Messkampagnendatei (*.orvanta) speichern, die sie behält, oder die Datendatei ohne sie?</translation>
    </message>
    <message>
        <source>Drop one file at a time: %1 files were dropped, none was opened.</source>
        <translation>Bitte eine Datei nach der anderen ablegen: %1 Dateien wurden abgelegt, keine wurde geöffnet.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Aufzeichnung öffnen</translation>
    </message>
    <message>
        <source>%1 is a recording of live readings. The set it goes into (its readings there are replaced):</source>
        <translation>%1 ist eine Aufzeichnung von Live-Messwerten. Die Messreihe, in die sie kommt (deren Messwerte ersetzt werden):</translation>
    </message>
    <message>
        <source>Set %1 now holds the %2 readings of %3</source>
        <translation>Messreihe %1 enthält jetzt die %2 Messwerte von %3</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>%1 wird gespeichert...</translation>
    </message>
    <message>
        <source>%1 was not saved.</source>
        <translation>%1 wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>the places of %1 readings, taken by GPS</source>
        <translation>die per GPS erfassten Orte von %1 Messwerten</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Print Survey S&amp;ummary...</source>
        <translation>Zusam&amp;menfassung der Messkampagne drucken...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Daten</translation>
    </message>
    <message>
        <source>&amp;Meter</source>
        <translation>&amp;Messgerät</translation>
    </message>
    <message>
        <source>&amp;Plot</source>
        <translation>Dia&amp;gramm</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>Ü&amp;bertragen</translation>
    </message>
    <message>
        <source>Download &amp;Current Set</source>
        <translation>&amp;Aktuelle Messreihe übertragen</translation>
    </message>
    <message>
        <source>Download &amp;Selected Set</source>
        <translation>&amp;Gewählte Messreihe übertragen</translation>
    </message>
    <message>
        <source>Download &amp;All Sets</source>
        <translation>A&amp;lle Messreihen übertragen</translation>
    </message>
    <message>
        <source>Download S&amp;et...</source>
        <translation>&amp;Messreihe übertragen...</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Messen</translation>
    </message>
    <message>
        <source>&amp;Capture Current Reading</source>
        <translation>Aktuellen Messwert &amp;erfassen</translation>
    </message>
    <message>
        <source>&amp;Show Continuous Readings</source>
        <translation>&amp;Fortlaufende Messwerte anzeigen</translation>
    </message>
    <message>
        <source>St&amp;op Readings</source>
        <translation>Messung &amp;stoppen</translation>
    </message>
    <message>
        <source>&amp;Record Readings...</source>
        <translation>Messwerte &amp;aufzeichnen...</translation>
    </message>
    <message>
        <source>&amp;Mark Reading...</source>
        <translation>&amp;Nächsten Messwert notieren...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Store Function</source>
        <translation>&amp;Speicherfunktion</translation>
    </message>
    <message>
        <source>&amp;Comm Port...</source>
        <translation>Seriell&amp;er Anschluss...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Orvanta</source>
        <translation>Ü&amp;ber Orvanta</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Download the Current Set</source>
        <translation>Aktuelle Messreihe übertragen</translation>
    </message>
    <message>
        <source>Download Set 1</source>
        <translation>Messreihe 1 übertragen</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Messreihe %1</translation>
    </message>
    <message>
        <source>Download All Sets</source>
        <translation>Alle Messreihen übertragen</translation>
    </message>
    <message>
        <source>Capture Current Reading</source>
        <translation>Aktuellen Messwert erfassen</translation>
    </message>
    <message>
        <source>Show Continuous Readings</source>
        <translation>Fortlaufende Messwerte anzeigen</translation>
    </message>
    <message>
        <source>Record Readings</source>
        <translation>Messwerte aufzeichnen</translation>
    </message>
    <message>
        <source>Plot the Sets</source>
        <translation>Messreihen als Diagramm</translation>
    </message>
    <message>
        <source>Download Set %1 (%2)</source>
        <translation>Messreihe %1 übertragen (%2)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>&amp;Next Window</source>
        <translation>Nä&amp;chstes Fenster</translation>
    </message>
    <message>
        <source>&amp;Previous Window</source>
        <translation>&amp;Vorheriges Fenster</translation>
    </message>
    <message>
        <source>&amp;Side by Side</source>
        <translation>Daten &amp;und Messgerät</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>&amp;Place Recording by GPX Track...</source>
        <translation>Aufzeichnung nach GPX-Track &amp;verorten...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Set number (1 to 30):</source>
        <translation>Nummer der Messreihe (1 bis 30):</translation>
    </message>
    <message>
        <source>Readings (not saved in a file)</source>
        <translation>Messwerte (nicht in einer Datei gespeichert)</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Quit Without Saving</source>
        <translation>&amp;Beenden ohne Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 is not a set from 1 to 30.</source>
        <translation>%1 ist keine Messreihe von 1 bis 30.</translation>
    </message>
    <message>
        <source>Units and tool bar</source>
        <translation>Einheiten und Werkzeugleiste</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>%1 is the meter&apos;s port; the GPS receiver needs a device of its own.</source>
        <translation>%1 ist der Anschluss des Messgeräts; der GPS-Empfänger braucht ein eigenes Gerät.</translation>
    </message>
    <message>
        <source>The reading at position %1 of set %2 is stored, but its place could not be kept with it: %3.</source>
        <translation>Der Messwert an Position %1 der Messreihe %2 ist gespeichert, sein Ort konnte aber nicht mit ihm gespeichert werden: %3.</translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>Orvanta Manual</source>
        <translation>Orvanta-Handbuch</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
</context>
<context>
    <name>MeterWords</name>
    <message>
        <source>Units ?</source>
        <comment>not reported yet</comment>
        <translation>Einheiten ?</translation>
    </message>
    <message>
        <source>Units %1</source>
        <translation>Einheiten %1</translation>
    </message>
</context>
<context>
    <name>Msg</name>
    <message>
        <source>          Could not connect to the Orvanta Magnetic Susceptibility Meter.<byte value="xd"/>
<byte value="xd"/>
Please ensure that the Meter is plugged into a USB port before you start this program.<byte value="xd"/>
   If this problem persists, the USB driver for the Meter may need to be re-installed.</source>
        <translation>          Keine Verbindung zum Orvanta-Messgerät für magnetische Suszeptibilität.<byte value="xd"/>
<byte value="xd"/>
Bitte stellen Sie sicher, dass das Messgerät an einen USB-Anschluss angeschlossen ist, bevor Sie dieses Programm starten.<byte value="xd"/>
   Wenn das Problem bestehen bleibt, muss der USB-Treiber des Messgeräts eventuell neu installiert werden.</translation>
    </message>
    <message>
        <source>Meter not connected or invalid Comm Port Number selected</source>
        <translation>Messgerät nicht angeschlossen oder ungültige Anschlussnummer gewählt</translation>
    </message>
    <message>
        <source>Warning: Comm Port is in use by another application</source>
        <translation>Warnung: Der serielle Anschluss wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>Warning: Invalid Comm Port Number</source>
        <translation>Warnung: Ungültige Anschlussnummer</translation>
    </message>
    <message>
        <source>Several serial devices are plugged in: choose the meter&apos;s port (Options &gt; Comm Port...).</source>
        <translation>Mehrere serielle Geräte sind angeschlossen: Wählen Sie den Anschluss des Messgeräts (Optionen &gt; Serieller Anschluss...).</translation>
    </message>
    <message>
        <source>There is no device on port %1 (%2): nothing was changed. Plug the meter in, or choose a port from the list.</source>
        <translation>An Anschluss %1 (%2) ist kein Gerät: Nichts wurde geändert. Schließen Sie das Messgerät an oder wählen Sie einen Anschluss aus der Liste.</translation>
    </message>
    <message>
        <source>You are not allowed to open the Comm Port. Add your user to the dialout group, then log in again.</source>
        <translation>Sie dürfen den seriellen Anschluss nicht öffnen. Fügen Sie Ihren Benutzer der Gruppe dialout hinzu und melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>You are not allowed to open the Comm Port (%1). Add your user to the %2 group, then log in again.</source>
        <translation>Sie dürfen den seriellen Anschluss (%1) nicht öffnen. Fügen Sie Ihren Benutzer der Gruppe %2 hinzu und melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>You are not allowed to open the Comm Port (%1): it is no device your user may read and write.</source>
        <translation>Sie dürfen den seriellen Anschluss (%1) nicht öffnen: Es ist kein Gerät, das Ihr Benutzer lesen und schreiben darf.</translation>
    </message>
    <message>
        <source>The Comm Port (%1) is locked by a program that has ended: its lock file %2 was left behind. Remove it (as root: rm %2), then try again.</source>
        <translation>Der serielle Anschluss (%1) ist von einem beendeten Programm gesperrt: Seine Sperrdatei %2 ist zurückgeblieben. Entfernen Sie sie (als root: rm %2) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The Comm Port (%1) cannot be used for the meter: %2.</source>
        <translation>Der serielle Anschluss (%1) kann nicht für das Messgerät verwendet werden: %2.</translation>
    </message>
    <message>
        <source>The connection to the meter was lost.</source>
        <translation>Die Verbindung zum Messgerät ging verloren.</translation>
    </message>
    <message>
        <source>This file is set for Read Only and cannot be modified.</source>
        <translation>Diese Datei ist schreibgeschützt und kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>The file is not a readings database of this program. Set it aside (renamed with the date and time) and start a fresh one?</source>
        <translation>Die Datei ist keine Messwertdatenbank dieses Programms. Zur Seite legen (mit Datum und Uhrzeit umbenannt) und eine neue beginnen?</translation>
    </message>
    <message>
        <source>The readings database is in use by another program: waiting for it to be free.</source>
        <translation>Die Messwertdatenbank wird von einem anderen Programm verwendet: Es wird gewartet, bis sie frei ist.</translation>
    </message>
    <message>
        <source>the readings database is in use by another program, for example orvanta-cli; download again once it has ended</source>
        <translation>die Messwertdatenbank wird von einem anderen Programm verwendet, zum Beispiel orvanta-cli; übertragen Sie erneut, sobald es beendet ist</translation>
    </message>
    <message>
        <source>The readings database is open.</source>
        <translation>Die Messwertdatenbank ist geöffnet.</translation>
    </message>
    <message>
        <source>The readings table could not be written: %1</source>
        <translation>Die Messwerttabelle konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Readings could not be stored: %1. %2 readings of this download were stored.</source>
        <translation>Messwerte konnten nicht gespeichert werden: %1. %2 Messwerte dieser Übertragung wurden gespeichert.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 is too large to be a data file.</source>
        <translation>%1 ist zu groß für eine Datendatei.</translation>
    </message>
    <message>
        <source>%1 is not a data file.</source>
        <translation>%1 ist keine Datendatei.</translation>
    </message>
    <message>
        <source>%1 is not a whole data file: record %2 is cut short. Nothing was changed.</source>
        <translation>%1 ist keine vollständige Datendatei: Datensatz %2 ist abgeschnitten. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The readings table could not be written: %1. Nothing was changed: the table holds what it held before.</source>
        <translation>Die Messwerttabelle konnte nicht geschrieben werden: %1. Nichts wurde geändert: Die Tabelle enthält, was sie vorher enthielt.</translation>
    </message>
    <message>
        <source>%1 is not an Orvanta survey file that can be read: %2. Nothing was changed.</source>
        <translation>%1 ist keine lesbare Orvanta-Messkampagnendatei: %2. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2. Nothing was changed.</source>
        <translation>%1 kann nicht geöffnet werden: %2. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>%1 set(s) holding readings have no latitude and longitude and were left out of %2.</source>
        <translation>%1 Messreihe(n) mit Messwerten haben keine Breite und Länge und wurden in %2 ausgelassen.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The report could not be printed: %1</source>
        <translation>Der Bericht konnte nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>The survey summary could not be printed: %1</source>
        <translation>Die Zusammenfassung der Messkampagne konnte nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>The plot could not be printed: %1</source>
        <translation>Das Diagramm konnte nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file: the program starts with its default settings and keeps none.</source>
        <translation>Die Einstellungsdatei %1 ist keine gewöhnliche Datei: Das Programm startet mit den Standardeinstellungen und speichert keine.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>the settings file or its folder cannot be written</source>
        <translation>die Einstellungsdatei oder ihr Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Stored: set %1, reading %2</source>
        <translation>Gespeichert: Messreihe %1, Messwert %2</translation>
    </message>
    <message>
        <source>There is no reading to store yet.</source>
        <translation>Es gibt noch keinen Messwert zum Speichern.</translation>
    </message>
    <message>
        <source>Set %1 holds readings in %2 and the meter now reads in %3: the reading was not stored. Choose a set in %3, or an empty one, on the meter.</source>
        <translation>Messreihe %1 enthält Messwerte in %2, und das Messgerät misst jetzt in %3: Der Messwert wurde nicht gespeichert. Wählen Sie am Messgerät eine Messreihe in %3 oder eine leere.</translation>
    </message>
    <message>
        <source>The meter sent set data that was not asked for; nothing was stored.</source>
        <translation>Das Messgerät hat nicht angeforderte Messreihendaten gesendet; nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>A mark goes with a recorded reading: start Read &gt; Record Readings... first.</source>
        <translation>Eine Markierung gehört zu einem aufgezeichneten Messwert: Starten Sie zuerst Messen &gt; Messwerte aufzeichnen....</translation>
    </message>
    <message>
        <source>The recording stopped; the %1 readings recorded before stay in the file.</source>
        <translation>Die Aufzeichnung wurde beendet; die %1 zuvor aufgezeichneten Messwerte bleiben in der Datei.</translation>
    </message>
    <message>
        <source>Set %1 is full: the reading was not stored.</source>
        <translation>Messreihe %1 ist voll: Der Messwert wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Wait until the download has ended.</source>
        <translation>Warten Sie, bis die Übertragung beendet ist.</translation>
    </message>
    <message>
        <source>no such port</source>
        <translation>kein solcher Port</translation>
    </message>
    <message>
        <source>it is larger than any survey file</source>
        <translation>sie ist größer als jede Messkampagnendatei</translation>
    </message>
    <message>
        <source>it is no SQLite database</source>
        <translation>sie ist keine SQLite-Datenbank</translation>
    </message>
    <message>
        <source>set %1 holds &quot;%2&quot; at position %3, which is no reading</source>
        <translation>Messreihe %1 enthält an Position %3 „%2“, das ist kein Messwert</translation>
    </message>
    <message>
        <source>row %1 has no row number</source>
        <translation>Zeile %1 hat keine Zeilennummer</translation>
    </message>
    <message>
        <source>a reading in row %1 is longer than a data file can hold</source>
        <translation>ein Messwert in Zeile %1 ist länger, als eine Datendatei fassen kann</translation>
    </message>
    <message>
        <source>set %1: %2</source>
        <translation>Messreihe %1: %2</translation>
    </message>
    <message>
        <source>Clear all readings? Readings and set details that have not been saved to a file will be lost.</source>
        <translation>Alle Messwerte leeren? Messwerte und Angaben zu Messreihen, die nicht in einer Datei gespeichert wurden, gehen verloren.</translation>
    </message>
    <message>
        <source>Open %1 in place of the readings? Readings and set details that have not been saved to a file will be lost.</source>
        <translation>%1 anstelle der Messwerte öffnen? Messwerte und Angaben zu Messreihen, die nicht in einer Datei gespeichert wurden, gehen verloren.</translation>
    </message>
    <message>
        <source>The readings or set details changed since they were last saved to a file. Save them before quitting? They stay in the readings database either way and are shown again at the next start.</source>
        <translation>Die Messwerte oder Angaben zu Messreihen haben sich seit dem letzten Speichern in einer Datei geändert. Vor dem Beenden speichern? Sie bleiben in jedem Fall in der Messwertdatenbank und werden beim nächsten Start wieder angezeigt.</translation>
    </message>
    <message>
        <source>%1 was not opened: %2. Nothing was changed.</source>
        <translation>%1 wurde nicht geöffnet: %2. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>%1 holds %2 of the %3 records of a whole data file: it may have been cut short while it was copied. Positions 1 to %2 of every set were opened from it; positions %4 to %3 were cleared.</source>
        <translation>%1 enthält %2 der %3 Datensätze einer vollständigen Datendatei: Sie wurde beim Kopieren vielleicht abgeschnitten. Die Positionen 1 bis %2 jeder Messreihe wurden daraus geöffnet; die Positionen %4 bis %3 wurden geleert.</translation>
    </message>
    <message>
        <source>The readings database %1 could be read by other users of this computer. It is now yours alone.</source>
        <translation>Die Messwertdatenbank %1 konnte von anderen Benutzern dieses Computers gelesen werden. Jetzt gehört sie nur Ihnen.</translation>
    </message>
    <message>
        <source>The readings database %1 could not be opened: %2.</source>
        <translation>Die Messwertdatenbank %1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>it is not this program&apos;s, and it could not be renamed</source>
        <translation>sie gehört nicht zu diesem Programm und konnte nicht umbenannt werden</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Orvanta Options</source>
        <translation>Orvanta-Optionen</translation>
    </message>
    <message>
        <source>Store Function</source>
        <translation>Speicherfunktion</translation>
    </message>
    <message>
        <source>Stores New Readings to Meter Memory</source>
        <translation>Speichert neue Messwerte im Speicher des Messgeräts</translation>
    </message>
    <message>
        <source>Stores New Readings to PC Database</source>
        <translation>Speichert neue Messwerte in der PC-Datenbank</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>GPS Receiver</source>
        <translation>GPS-Empfänger</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>GPS receiver&apos;s device</source>
        <translation>Gerät des GPS-Empfängers</translation>
    </message>
    <message>
        <source>The serial device of a GPS receiver speaking NMEA (USB or Bluetooth, 4800 or 9600 baud), for example /dev/ttyUSB1 or /dev/rfcomm0; empty for none. Recorded readings then carry its position.</source>
        <translation>Das serielle Gerät eines GPS-Empfängers, der NMEA sendet (USB oder Bluetooth, 4800 oder 9600 Baud), zum Beispiel /dev/ttyUSB1 oder /dev/rfcomm0; leer für keinen. Aufgezeichnete Messwerte tragen dann seine Position.</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Gerät:</translation>
    </message>
</context>
<context>
    <name>PlotModel</name>
    <message>
        <source>units not known</source>
        <translation>Einheiten unbekannt</translation>
    </message>
    <message>
        <source>, log scale</source>
        <translation>, logarithmisch</translation>
    </message>
    <message>
        <source>; sets %1 in units not known, as stored</source>
        <translation>; Messreihen %1 in unbekannten Einheiten, wie gespeichert</translation>
    </message>
    <message>
        <source>; set %1 in units not known, as stored</source>
        <translation>; Messreihe %1 in unbekannten Einheiten, wie gespeichert</translation>
    </message>
    <message>
        <source>Susceptibility (%1)</source>
        <translation>Suszeptibilität (%1)</translation>
    </message>
</context>
<context>
    <name>PlotWindow</name>
    <message>
        <source>Plot</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Messreihe %1</translation>
    </message>
    <message>
        <source>&amp;Log scale</source>
        <translation>&amp;Logarithmische Skala</translation>
    </message>
    <message>
        <source>The units the profiles are drawn in; sets measured in the other units are converted (k in SI = 4 pi times k in CGS)</source>
        <translation>Die Einheiten, in denen die Profile gezeichnet werden; Messreihen in den anderen Einheiten werden umgerechnet (k in SI = 4 pi mal k in CGS)</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Einheiten:</translation>
    </message>
    <message>
        <source>&amp;Depth downwards</source>
        <translation>&amp;Tiefe nach unten</translation>
    </message>
    <message>
        <source>Sets with a depth and a spacing (Set Details) are drawn against depth; this turns the plot so depth runs down the page, as a log is read</source>
        <translation>Messreihen mit Tiefe und Messpunktabstand (Angaben zur Messreihe) werden über der Tiefe gezeichnet; dies dreht das Diagramm, sodass die Tiefe wie bei einem Bohrprofil nach unten verläuft</translation>
    </message>
    <message>
        <source>&amp;Save Image...</source>
        <translation>Bild &amp;speichern...</translation>
    </message>
    <message>
        <source>Save &amp;Trend...</source>
        <translation>&amp;Verlauf speichern...</translation>
    </message>
    <message>
        <source>The live trend as CSV (time, value) or as an image (PNG, SVG, PDF)</source>
        <translation>Der Live-Verlauf als CSV (Zeit, Wert) oder als Bild (PNG, SVG, PDF)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>Zoom &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Show all the readings again (Esc on the plot). Drag a rectangle on the plot, or press + and -, to zoom; the arrow keys move the view</source>
        <translation>Wieder alle Messwerte zeigen (Esc im Diagramm). Ziehen Sie ein Rechteck im Diagramm oder drücken Sie + und -, um zu zoomen; die Pfeiltasten verschieben die Ansicht</translation>
    </message>
    <message>
        <source>Depth (m)</source>
        <translation>Tiefe (m)</translation>
    </message>
    <message>
        <source>the plot could not be drawn</source>
        <translation>das Diagramm konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>Save Live Trend</source>
        <translation>Live-Verlauf speichern</translation>
    </message>
    <message>
        <source>Print Plot</source>
        <translation>Diagramm drucken</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>der Drucker konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>der Drucker hat das Dokument nicht angenommen</translation>
    </message>
    <message>
        <source>Reading position</source>
        <translation>Position des Messwerts</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawings (*.svg)</source>
        <translation>SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>Show every set that holds readings</source>
        <translation>Jede Messreihe mit Messwerten zeigen</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>Show no set; double-click a set to show only that one</source>
        <translation>Keine Messreihe zeigen; Doppelklick auf eine Messreihe zeigt nur diese</translation>
    </message>
    <message>
        <source>Only Set %1</source>
        <translation>Nur Messreihe %1</translation>
    </message>
    <message>
        <source>All Sets</source>
        <translation>Alle Messreihen</translation>
    </message>
    <message>
        <source>No Set</source>
        <translation>Keine Messreihe</translation>
    </message>
    <message>
        <source>Sets drawn on the plot</source>
        <translation>Im Diagramm gezeichnete Messreihen</translation>
    </message>
    <message>
        <source>Profiles of the chosen sets</source>
        <translation>Profile der gewählten Messreihen</translation>
    </message>
    <message>
        <source>Live trend of the last readings</source>
        <translation>Verlauf der letzten Messwerte</translation>
    </message>
    <message>
        <source>Reading under the mouse</source>
        <translation>Messwert unter der Maus</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>Select Comm Port</source>
        <translation>Seriellen Anschluss wählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>(no such port)</source>
        <translation>(kein solcher Anschluss)</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>no printer could be started</source>
        <translation>kein Drucker konnte gestartet werden</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>der Drucker hat das Dokument nicht angenommen</translation>
    </message>
    <message>
        <source>%1 could not be written whole (the disk may be full)</source>
        <translation>%1 konnte nicht vollständig geschrieben werden (der Datenträger ist vielleicht voll)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Print Schedule</source>
        <translation>Liste drucken</translation>
    </message>
    <message>
        <source>Print Survey Summary</source>
        <translation>Zusammenfassung der Messkampagne drucken</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
</context>
<context>
    <name>ProfileChart</name>
    <message>
        <source>No readings to plot</source>
        <translation>Keine Messwerte für ein Diagramm</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Messreihe %1</translation>
    </message>
    <message>
        <source>Set %1, position %2: %3</source>
        <translation>Messreihe %1, Position %2: %3</translation>
    </message>
    <message>
        <source>Set %1, flagged</source>
        <translation>Messreihe %1, markiert</translation>
    </message>
    <message>
        <source>Set %1, position %2: %3, flagged: %4</source>
        <translation>Messreihe %1, Position %2: %3, markiert: %4</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Downloading Data.....</source>
        <translation>Daten werden übertragen.....</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Set %1 (%2 of %3 sets done): %4 readings stored</source>
        <translation>Messreihe %1 (%2 von %3 Messreihen fertig): %4 Messwerte gespeichert</translation>
    </message>
    <message>
        <source>Set %1: %2 readings stored</source>
        <translation>Messreihe %1: %2 Messwerte gespeichert</translation>
    </message>
</context>
<context>
    <name>ReadingPanel</name>
    <message>
        <source>(to PC memory)</source>
        <translation>(in den PC)</translation>
    </message>
    <message>
        <source>(to Meter memory)</source>
        <translation>(ins Messgerät)</translation>
    </message>
    <message>
        <source>Over range: the reading is above %1 on this scale.</source>
        <translation>Bereichsüberschreitung: Der Messwert liegt über %1 auf dieser Skala.</translation>
    </message>
    <message>
        <source>Click the panel to press its keys with letters.</source>
        <translation>Klicken Sie auf das Bedienfeld, um seine Tasten mit Buchstaben zu drücken.</translation>
    </message>
    <message>
        <source>Letters press the panel&apos;s keys. Click elsewhere to stop.</source>
        <translation>Buchstaben drücken die Tasten des Bedienfelds. Zum Beenden woanders klicken.</translation>
    </message>
    <message>
        <source>Listening: letters press the keys</source>
        <translation>Hört zu: Buchstaben drücken die Tasten</translation>
    </message>
    <message>
        <source>The meter&apos;s “%1” key.</source>
        <translation>Die Taste „%1“ des Messgeräts.</translation>
    </message>
    <message>
        <source>Never pressed by a letter.</source>
        <translation>Wird nie durch einen Buchstaben gedrückt.</translation>
    </message>
    <message>
        <source>Keyboard: %1, once the panel listens.</source>
        <translation>Tastatur: %1, sobald das Bedienfeld zuhört.</translation>
    </message>
    <message>
        <source>Reading %1, %2</source>
        <translation>Messwert %1, %2</translation>
    </message>
</context>
<context>
    <name>RecordingCommands</name>
    <message>
        <source>Recorded %1 readings to %2</source>
        <translation>%1 Messwerte in %2 aufgezeichnet</translation>
    </message>
    <message>
        <source>Record Readings</source>
        <translation>Messwerte aufzeichnen</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Mark Reading</source>
        <translation>Messwert markieren</translation>
    </message>
    <message>
        <source>Label for the next reading (a station, say):</source>
        <translation>Bezeichnung für den nächsten Messwert (z. B. eine Station):</translation>
    </message>
    <message>
        <source>Recording to %1: %2 readings</source>
        <translation>Aufzeichnung in %1: %2 Messwerte</translation>
    </message>
    <message>
        <source> (the next marked &quot;%1&quot;)</source>
        <translation> (der nächste markiert als „%1“)</translation>
    </message>
    <message>
        <source>Recording to Place</source>
        <translation>Zu verortende Aufzeichnung</translation>
    </message>
    <message>
        <source>GPS Track</source>
        <translation>GPS-Track</translation>
    </message>
    <message>
        <source>GPX Files (*.gpx)</source>
        <translation>GPX-Dateien (*.gpx)</translation>
    </message>
    <message>
        <source>Save Placed Recording</source>
        <translation>Verortete Aufzeichnung speichern</translation>
    </message>
    <message>
        <source>%1 of %2 readings placed from the track; written to %3</source>
        <translation>%1 von %2 Messwerten nach dem Track verortet; geschrieben nach %3</translation>
    </message>
</context>
<context>
    <name>SessionStatusBar</name>
    <message>
        <source>Port %1 (%2)</source>
        <translation>Anschluss %1 (%2)</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>Kein Anschluss</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Port open, the meter has not answered yet</source>
        <translation>Anschluss offen, das Messgerät hat noch nicht geantwortet</translation>
    </message>
    <message>
        <source>Connection lost, reconnecting</source>
        <translation>Verbindung verloren, neue Verbindung wird aufgebaut</translation>
    </message>
    <message>
        <source>Connection lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Set %1, reading %2 of %3</source>
        <translation>Messreihe %1, Messwert %2 von %3</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop waiting for the meter&apos;s reading</source>
        <translation>Nicht länger auf den Messwert des Messgeräts warten</translation>
    </message>
    <message>
        <source>The meter did not answer: is it switched on and showing its reading page?</source>
        <translation>Das Messgerät hat nicht geantwortet: Ist es eingeschaltet und zeigt es seine Messanzeige?</translation>
    </message>
    <message>
        <source>Waiting for the meter to answer...</source>
        <translation>Warten auf die Antwort des Messgeräts...</translation>
    </message>
    <message>
        <source>GPS receiver %1 not found; looking for it</source>
        <translation>GPS-Empfänger %1 nicht gefunden; wird gesucht</translation>
    </message>
    <message>
        <source>GPS receiver silent</source>
        <translation>GPS-Empfänger schweigt</translation>
    </message>
    <message>
        <source>GPS: no fix</source>
        <translation>GPS: keine Position</translation>
    </message>
    <message>
        <source>GPS: fix %1 s old, not used</source>
        <translation>GPS: Position %1 s alt, nicht verwendet</translation>
    </message>
    <message>
        <source>GPS %1D, %2 satellites, %3 s</source>
        <translation>GPS %1D, %2 Satelliten, %3 s</translation>
    </message>
</context>
<context>
    <name>SetDetails</name>
    <message>
        <source>Site</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Depth of position 1 (m)</source>
        <translation>Tiefe von Position 1 (m)</translation>
    </message>
    <message>
        <source>Spacing (m)</source>
        <translation>Messpunktabstand (m)</translation>
    </message>
    <message>
        <source>Latitude (°, WGS 84)</source>
        <translation>Breite (°, WGS 84)</translation>
    </message>
    <message>
        <source>Longitude (°, WGS 84)</source>
        <translation>Länge (°, WGS 84)</translation>
    </message>
    <message>
        <source>Elevation (m)</source>
        <translation>Höhe (m)</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Bearbeiter</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>The flag&apos;s reason</source>
        <translation>Markierungsgrund</translation>
    </message>
</context>
<context>
    <name>SetDetailsPane</name>
    <message>
        <source>Set %1</source>
        <translation>Messreihe %1</translation>
    </message>
    <message>
        <source>Take Position from &amp;GPS</source>
        <translation>Position vom &amp;GPS übernehmen</translation>
    </message>
    <message>
        <source>The GPS receiver&apos;s current fix (not older than %1 s) as this set&apos;s latitude, longitude and elevation</source>
        <translation>Die aktuelle Position des GPS-Empfängers (nicht älter als %1 s) als Breite, Länge und Höhe dieser Messreihe</translation>
    </message>
    <message>
        <source>The GPS receiver has no current fix; nothing was stored.</source>
        <translation>Der GPS-Empfänger hat keine aktuelle Position; nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>%1. Nothing was stored.</source>
        <translation>%1. Nichts wurde gespeichert.</translation>
    </message>
</context>
<context>
    <name>SetsTableModel</name>
    <message>
        <source>incomplete</source>
        <translation>unvollständig</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Messreihe %1</translation>
    </message>
    <message>
        <source>Units not known.</source>
        <translation>Einheiten unbekannt.</translation>
    </message>
    <message>
        <source>Readings in %1 units.</source>
        <translation>Messwerte in %1-Einheiten.</translation>
    </message>
    <message>
        <source> Its last download ended before the set&apos;s end of data: the positions after its last reading were cleared.</source>
        <translation> Ihre letzte Übertragung endete vor dem Datenende der Messreihe: Die Positionen nach ihrem letzten Messwert wurden geleert.</translation>
    </message>
    <message>
        <source>Unreadable: what the meter sent here was no reading.</source>
        <translation>Unlesbar: Was das Messgerät hier sandte, war kein Messwert.</translation>
    </message>
    <message>
        <source>Flagged: %1. Left out of the statistics and the plot&apos;s lines.</source>
        <translation>Markiert: %1. Aus der Statistik und den Linien des Diagramms herausgenommen.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, flagged: %2</source>
        <translation>%1, markiert: %2</translation>
    </message>
</context>
<context>
    <name>SetsWindow</name>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Readin&amp;gs</source>
        <translation>Mess&amp;werte</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Messreihe</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>Std.-Abw.</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Geometric mean</source>
        <translation>Geometrisches Mittel</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>&amp;Flag Reading...</source>
        <translation>Messwert &amp;markieren...</translation>
    </message>
    <message>
        <source>U&amp;nflag Reading</source>
        <translation>Markierung &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Unflag position %1 of set %2</source>
        <translation>Markierung von Position %1 der Messreihe %2 entfernen</translation>
    </message>
    <message>
        <source>Flag position %1 of set %2</source>
        <translation>Position %1 der Messreihe %2 markieren</translation>
    </message>
    <message>
        <source>The chosen cell holds no reading to flag. Choose a reading in a set&apos;s column first.</source>
        <translation>Die gewählte Zelle enthält keinen Messwert zum Markieren. Wählen Sie zuerst einen Messwert in der Spalte einer Messreihe.</translation>
    </message>
    <message>
        <source>Why is the reading %1 at position %2 of set %3 flagged (&quot;broken core&quot;, &quot;box end&quot;)? It keeps its text and is left out of the statistics, the plot&apos;s lines and the logs. An empty reason unflags it.</source>
        <translation>Warum wird der Messwert %1 an Position %2 der Messreihe %3 markiert („Kernverlust“, „Kistenende“)? Er behält seinen Text und wird aus der Statistik, den Linien des Diagramms und den Logs herausgenommen. Ein leerer Grund entfernt die Markierung.</translation>
    </message>
    <message>
        <source>Details of set %1</source>
        <translation>Angaben der Messreihe %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>The step cannot be taken back: the table changed since (%1). Undo starts again from here.</source>
        <translation>Der Schritt kann nicht zurückgenommen werden: Die Tabelle hat sich seitdem geändert (%1). Rückgängig beginnt wieder von hier.</translation>
    </message>
    <message>
        <source>Readings: one column a set, one row a position</source>
        <translation>Messwerte: eine Spalte je Messreihe, eine Zeile je Position</translation>
    </message>
    <message>
        <source>Statistics: one row a set</source>
        <translation>Statistik: eine Zeile je Messreihe</translation>
    </message>
    <message>
        <source>Details of the chosen set</source>
        <translation>Angaben zur gewählten Messreihe</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positionen</translation>
    </message>
</context>
<context>
    <name>SurveyExport</name>
    <message>
        <source>Units: </source>
        <translation>Einheiten: </translation>
    </message>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Downloaded: </source>
        <translation>Übertragen: </translation>
    </message>
    <message>
        <source> from </source>
        <translation> von </translation>
    </message>
    <message>
        <source>, %1 unreadable</source>
        <translation>, %1 unlesbar</translation>
    </message>
    <message>
        <source> (incomplete)</source>
        <translation> (unvollständig)</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Gedruckt %1</translation>
    </message>
    <message>
        <source>No set holds readings or details.</source>
        <translation>Keine Messreihe enthält Messwerte oder Angaben.</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Messreihe %1</translation>
    </message>
    <message>
        <source>Statistics: %1</source>
        <translation>Statistik: %1</translation>
    </message>
    <message>
        <source>No readings</source>
        <translation>Keine Messwerte</translation>
    </message>
    <message>
        <source> (units not known)</source>
        <translation> (Einheiten unbekannt)</translation>
    </message>
    <message>
        <source>n %1, mean %2, median %3, sd %4, min %5, max %6</source>
        <translation>n %1, Mittelwert %2, Median %3, Std.-Abw. %4, Min. %5, Max. %6</translation>
    </message>
    <message>
        <source>, geometric mean </source>
        <translation>, geometrisches Mittel </translation>
    </message>
    <message>
        <source>Readings: %1%2%3%4</source>
        <translation>Messwerte: %1%2%3%4</translation>
    </message>
    <message>
        <source>, %1 flagged</source>
        <translation>, %1 markiert</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>No continuous readings yet</source>
        <translation>Noch keine fortlaufenden Messwerte</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Time of continuous reading</source>
        <translation>Zeit des fortlaufenden Messwerts</translation>
    </message>
    <message>
        <source>Live, %1: %2</source>
        <translation>Live, %1: %2</translation>
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
        <translation>Zeile %1, Spalte %2 (%3): %4</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file or its disk is read-only</source>
        <translation>die Datei oder ihr Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the system does not allow it</source>
        <translation>das System erlaubt es nicht</translation>
    </message>
    <message>
        <source>the file is damaged, or is no database</source>
        <translation>die Datei ist beschädigt oder keine Datenbank</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>der Datenträger konnte nicht gelesen oder beschrieben werden</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>another program is using the file</source>
        <translation>ein anderes Programm verwendet die Datei</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>es ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <source>the database refused it (&quot;%1&quot;)</source>
        <translation>die Datenbank hat es abgelehnt („%1“)</translation>
    </message>
    <message>
        <source>reading it took longer than %1 s and was stopped: the file is made to keep a program busy</source>
        <translation>das Lesen dauerte länger als %1 s und wurde abgebrochen: Die Datei ist darauf angelegt, ein Programm zu blockieren</translation>
    </message>
    <message>
        <source>the readings database is not open</source>
        <translation>die Messwertdatenbank ist nicht geöffnet</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>die Datei ist nicht geöffnet</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>die Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>its folder %1 does not exist</source>
        <translation>ihr Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>its folder %1 cannot be written by your user</source>
        <translation>in ihren Ordner %1 darf Ihr Benutzer nicht schreiben</translation>
    </message>
    <message>
        <source>its folder %1 cannot be written by your user, and the database keeps its journal beside the file</source>
        <translation>in ihren Ordner %1 darf Ihr Benutzer nicht schreiben, und die Datenbank legt ihr Journal neben der Datei ab</translation>
    </message>
    <message>
        <source>your user may not read and write it</source>
        <translation>Ihr Benutzer darf sie nicht lesen und schreiben</translation>
    </message>
    <message>
        <source>the file belongs to another program</source>
        <translation>die Datei gehört zu einem anderen Programm</translation>
    </message>
    <message>
        <source>the file is not an Orvanta survey file</source>
        <translation>die Datei ist keine Orvanta-Messkampagnendatei</translation>
    </message>
    <message>
        <source>the file is damaged (&quot;%1&quot;)</source>
        <translation>die Datei ist beschädigt („%1“)</translation>
    </message>
    <message>
        <source>it was written by a newer version of Orvanta (layout %1; this version knows layouts up to %2). Open it with that version, or install it</source>
        <translation>sie wurde von einer neueren Orvanta-Version geschrieben (Aufbau %1; diese Version kennt Aufbauten bis %2). Öffnen Sie sie mit jener Version, oder installieren Sie sie</translation>
    </message>
    <message>
        <source>the file holds no table Sets</source>
        <translation>die Datei enthält keine Tabelle Sets</translation>
    </message>
    <message>
        <source>the table %1 has the columns %2, not %3</source>
        <translation>die Tabelle %1 hat die Spalten %2, nicht %3</translation>
    </message>
    <message>
        <source>the table Sets has the columns %1, not Number and Set 1 to Set 30</source>
        <translation>die Tabelle Sets hat die Spalten %1, nicht Number und Set 1 bis Set 30</translation>
    </message>
    <message>
        <source>the table Sets has columns of other types (%1), not TEXT</source>
        <translation>die Tabelle Sets hat Spalten anderer Typen (%1), nicht TEXT</translation>
    </message>
    <message>
        <source>the table Sets has %1 rows, not %2</source>
        <translation>die Tabelle Sets hat %1 Zeilen, nicht %2</translation>
    </message>
    <message>
        <source>the file has a trigger (%1) on the table %2: it could rewrite what the program stores</source>
        <translation>die Datei hat einen Trigger (%1) auf der Tabelle %2: Er könnte umschreiben, was das Programm speichert</translation>
    </message>
    <message>
        <source>the file holds a view (%1), which the program never writes</source>
        <translation>die Datei enthält eine Sicht (%1), die das Programm nie schreibt</translation>
    </message>
    <message>
        <source>the file holds an index (%1), which the program never writes</source>
        <translation>die Datei enthält einen Index (%1), den das Programm nie schreibt</translation>
    </message>
    <message>
        <source>the file holds a table (%1), which the program never writes</source>
        <translation>die Datei enthält eine Tabelle (%1), die das Programm nie schreibt</translation>
    </message>
    <message>
        <source>the copy could not be made to keep no journal beside it</source>
        <translation>die Kopie konnte nicht ohne Journal daneben angelegt werden</translation>
    </message>
    <message>
        <source>position %1 of set %2 holds no reading</source>
        <translation>Position %1 der Messreihe %2 enthält keinen Messwert</translation>
    </message>
    <message>
        <source>set %1 has no position %2</source>
        <translation>Messreihe %1 hat keine Position %2</translation>
    </message>
    <message>
        <source>there is no set %1</source>
        <translation>es gibt keine Messreihe %1</translation>
    </message>
    <message>
        <source>the place %1, %2 is not on the earth</source>
        <translation>der Ort %1, %2 liegt nicht auf der Erde</translation>
    </message>
    <message>
        <source>position %1 of set %2 no longer holds the reading %3 as it was</source>
        <translation>Position %1 der Messreihe %2 enthält den Messwert %3 nicht mehr so, wie er war</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters</source>
        <translation>%1: länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>%1: holds a control character (U+%2)</source>
        <translation>%1: enthält ein Steuerzeichen (U+%2)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number</source>
        <translation>%1: „%2“ ist keine Zahl</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has both a point and a comma; type one of them as the decimal separator and no thousands separator</source>
        <translation>%1: „%2“ enthält Punkt und Komma; geben Sie eines davon als Dezimaltrennzeichen ein und kein Tausendertrennzeichen</translation>
    </message>
    <message>
        <source>%1: %2 is not between %3 and %4</source>
        <translation>%1: %2 liegt nicht zwischen %3 und %4</translation>
    </message>
    <message>
        <source>%1: %2 is below zero</source>
        <translation>%1: %2 ist kleiner als null</translation>
    </message>
    <message>
        <source>%1: %2 is beyond %3 m</source>
        <translation>%1: %2 liegt jenseits von %3 m</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>der Text ist nicht UTF-8</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>the row is too long</source>
        <translation>die Zeile ist zu lang</translation>
    </message>
    <message>
        <source>the header&apos;s column %1 is &quot;%2&quot;, not &quot;%3&quot;</source>
        <translation>Spalte %1 der Kopfzeile ist „%2“, nicht „%3“</translation>
    </message>
    <message>
        <source>the header is not the one of a list of readings</source>
        <translation>die Kopfzeile ist nicht die einer Messwertliste</translation>
    </message>
    <message>
        <source>more rows than %1 sets of %2 readings</source>
        <translation>mehr Zeilen als %1 Messreihen zu %2 Messwerten</translation>
    </message>
    <message>
        <source>%1 fields, not %2</source>
        <translation>%1 Felder, nicht %2</translation>
    </message>
    <message>
        <source>not a set from 1 to %1</source>
        <translation>keine Messreihe von 1 bis %1</translation>
    </message>
    <message>
        <source>not a position from 1 to %1</source>
        <translation>keine Position von 1 bis %1</translation>
    </message>
    <message>
        <source>the position comes twice</source>
        <translation>die Position kommt zweimal vor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no reading</source>
        <translation>„%1“ ist kein Messwert</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>%1 is beyond %2 m</source>
        <translation>%1 liegt jenseits von %2 m</translation>
    </message>
    <message>
        <source>not a latitude</source>
        <translation>keine Breite</translation>
    </message>
    <message>
        <source>not a longitude</source>
        <translation>keine Länge</translation>
    </message>
    <message>
        <source>not an elevation</source>
        <translation>keine Höhe</translation>
    </message>
    <message>
        <source>not an ISO 8601 time</source>
        <translation>keine Zeit nach ISO 8601</translation>
    </message>
    <message>
        <source>differs from the set&apos;s first row (line %1)</source>
        <translation>weicht von der ersten Zeile der Messreihe ab (Zeile %1)</translation>
    </message>
    <message>
        <source>not SI, CGS or empty</source>
        <translation>nicht SI, CGS oder leer</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>nicht true oder false</translation>
    </message>
    <message>
        <source>the table has no rows</source>
        <translation>die Tabelle hat keine Zeilen</translation>
    </message>
    <message>
        <source>the depths of set %1 do not follow one depth and spacing</source>
        <translation>die Tiefen der Messreihe %1 folgen nicht einer Tiefe und einem Messpunktabstand</translation>
    </message>
    <message>
        <source>the depths of set %1 go up</source>
        <translation>die Tiefen der Messreihe %1 steigen nach oben</translation>
    </message>
    <message>
        <source>not a recording&apos;s header (%1)</source>
        <translation>nicht die Kopfzeile einer Aufzeichnung (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time</source>
        <translation>„%1“ ist keine Zeit</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no reading the meter sends</source>
        <translation>„%1“ ist kein Messwert, wie ihn das Messgerät sendet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no units</source>
        <translation>„%1“ ist keine Einheit</translation>
    </message>
    <message>
        <source>%1, where line %2 has %3; a set has one units</source>
        <translation>%1, wo Zeile %2 %3 hat; eine Messreihe hat eine Einheit</translation>
    </message>
    <message>
        <source>it holds no reading</source>
        <translation>sie enthält keinen Messwert</translation>
    </message>
    <message>
        <source>it holds %1 readings; a set holds %2</source>
        <translation>sie enthält %1 Messwerte; eine Messreihe fasst %2</translation>
    </message>
    <message>
        <source>a %1 without a latitude and longitude</source>
        <translation>ein %1 ohne Breite und Länge</translation>
    </message>
    <message>
        <source>it is no GPX file</source>
        <translation>es ist keine GPX-Datei</translation>
    </message>
    <message>
        <source>it holds no point with a time</source>
        <translation>sie enthält keinen Punkt mit Zeit</translation>
    </message>
    <message>
        <source>set %1 has no depth and spacing: a log needs both</source>
        <translation>Messreihe %1 hat keine Tiefe und keinen Messpunktabstand: Ein Log braucht beides</translation>
    </message>
    <message>
        <source>set %1 holds no reading</source>
        <translation>Messreihe %1 enthält keinen Messwert</translation>
    </message>
    <message>
        <source>it is a link another user made</source>
        <translation>es ist ein Verweis, den ein anderer Benutzer angelegt hat</translation>
    </message>
    <message>
        <source>it is a FIFO another user made</source>
        <translation>es ist ein FIFO, den ein anderer Benutzer angelegt hat</translation>
    </message>
    <message>
        <source>there is no device %1</source>
        <translation>es gibt kein Gerät %1</translation>
    </message>
    <message>
        <source>your user may not read and write %1</source>
        <translation>Ihr Benutzer darf %1 nicht lesen und schreiben</translation>
    </message>
    <message>
        <source>there is no such port number</source>
        <translation>diese Portnummer gibt es nicht</translation>
    </message>
    <message>
        <source>its lock file %1 was left behind by a program that has ended</source>
        <translation>ihre Sperrdatei %1 hat ein beendetes Programm zurückgelassen</translation>
    </message>
    <message>
        <source>%1 decimals: not the meter&apos;s form, a line fault?</source>
        <translation>%1 Dezimalstellen: nicht die Form des Messgeräts, ein Leitungsfehler?</translation>
    </message>
    <message>
        <source>a doubled leading zero: not the meter&apos;s form, a line fault?</source>
        <translation>eine doppelte führende Null: nicht die Form des Messgeräts, ein Leitungsfehler?</translation>
    </message>
    <message>
        <source>no digit before the point: not the meter&apos;s form, a line fault?</source>
        <translation>keine Ziffer vor dem Punkt: nicht die Form des Messgeräts, ein Leitungsfehler?</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>your user may not read it</source>
        <translation>Ihr Benutzer darf sie nicht lesen</translation>
    </message>
</context>
<context>
    <name>WorkArea</name>
    <message>
        <source>Work area</source>
        <translation>Arbeitsbereich</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
</context>
</TS>
