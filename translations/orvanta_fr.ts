<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>À propos d&apos;Orvanta</translation>
    </message>
    <message>
        <source>Companion program for the Orvanta magnetic susceptibility meter.</source>
        <translation>Logiciel compagnon du susceptibilimètre magnétique Orvanta.</translation>
    </message>
    <message>
        <source>Made by the Orvanta instrument team for geologists and surveyors.</source>
        <translation>Conçu par l&apos;équipe des instruments Orvanta pour les géologues et les prospecteurs.</translation>
    </message>
    <message>
        <source>Ask your Orvanta distributor for support and calibration.</source>
        <translation>Pour l&apos;assistance et l&apos;étalonnage, adressez-vous à votre distributeur Orvanta.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Orvanta developers.
This program is free software under the GNU General Public License, version 3
or (at your option) any later version. It comes with no warranty.</source>
        <translation>Copyright © 2026 les développeurs d&apos;Orvanta.
Ce programme est un logiciel libre sous la licence publique générale GNU, version 3
ou (à votre choix) toute version ultérieure. Il est fourni sans aucune garantie.</translation>
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
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement en cours</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Téléchargement annulé</translation>
    </message>
    <message>
        <source>Download cut short: the connection to the meter was lost</source>
        <translation>Téléchargement interrompu : la connexion à l&apos;appareil a été perdue</translation>
    </message>
    <message>
        <source>Download cut short: the port was opened again</source>
        <translation>Téléchargement interrompu : le port a été rouvert</translation>
    </message>
    <message>
        <source>Download stopped: readings could not be stored</source>
        <translation>Téléchargement arrêté : les mesures n&apos;ont pas pu être enregistrées</translation>
    </message>
    <message>
        <source>Download ended: the meter did not answer</source>
        <translation>Téléchargement terminé : l&apos;appareil n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>Download cut short by a new request</source>
        <translation>Téléchargement interrompu par une nouvelle demande</translation>
    </message>
    <message>
        <source>%1 reading stored</source>
        <translation>%1 mesure enregistrée</translation>
    </message>
    <message>
        <source>%1 readings stored</source>
        <translation>%1 mesures enregistrées</translation>
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
        <translation>L&apos;appareil n&apos;a pas répondu sur %1.</translation>
    </message>
    <message>
        <source>The connection to the meter on %1 was lost.</source>
        <translation>La connexion à l&apos;appareil sur %1 a été perdue.</translation>
    </message>
    <message>
        <source>Readings could not be stored: %1.</source>
        <translation>Les mesures n&apos;ont pas pu être enregistrées : %1.</translation>
    </message>
    <message>
        <source>Set %1 is incomplete: the download ended after position %2, and the positions after it still hold what they held before (the readings database could not be written).</source>
        <translation>La série %1 est incomplète : le téléchargement s&apos;est arrêté après la position %2, et les positions suivantes contiennent encore ce qu&apos;elles contenaient auparavant (la base de mesures n&apos;a pas pu être écrite).</translation>
    </message>
    <message>
        <source>; all its positions were cleared</source>
        <translation> ; toutes ses positions ont été effacées</translation>
    </message>
    <message>
        <source>; positions %1 to %2 were cleared</source>
        <translation> ; les positions %1 à %2 ont été effacées</translation>
    </message>
    <message>
        <source>Set %1 is incomplete: the download ended after position %2%3, and the set is marked incomplete.</source>
        <translation>La série %1 est incomplète : le téléchargement s&apos;est arrêté après la position %2%3, et la série est marquée incomplète.</translation>
    </message>
    <message>
        <source>set %1 position %2</source>
        <translation>série %1 position %2</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> et %1 de plus</translation>
    </message>
    <message>
        <source>%1 value was not readable and left cleared at their positions: %2.</source>
        <translation>%1 valeur était illisible et a été laissée vide à sa position : %2.</translation>
    </message>
    <message>
        <source>%1 values were not readable and left cleared at their positions: %2.</source>
        <translation>%1 valeurs étaient illisibles et ont été laissées vides à leurs positions : %2.</translation>
    </message>
    <message>
        <source>The first set arrived with a set number that could not be read; its values were not stored, and the set keeps what it held.</source>
        <translation>La première série est arrivée avec un numéro illisible ; ses valeurs n&apos;ont pas été enregistrées, et la série garde son contenu.</translation>
    </message>
    <message>
        <source>The set after set %1 arrived with a set number that could not be read; its values were not stored, and the set keeps what it held.</source>
        <translation>La série après la série %1 est arrivée avec un numéro illisible ; ses valeurs n&apos;ont pas été enregistrées, et la série garde son contenu.</translation>
    </message>
    <message>
        <source>port %1 (%2)</source>
        <translation>port %1 (%2)</translation>
    </message>
    <message>
        <source>Download ended: the meter sent no set</source>
        <translation>Téléchargement terminé : l&apos;appareil n&apos;a envoyé aucune série</translation>
    </message>
    <message>
        <source>The meter also sent set %1, which was not asked for: it was not stored.</source>
        <translation>L&apos;appareil a aussi envoyé la série %1, qui n&apos;était pas demandée : elle n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>The meter also sent sets %1, which were not asked for: they were not stored.</source>
        <translation>L&apos;appareil a aussi envoyé les séries %1, qui n&apos;étaient pas demandées : elles n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Set %1 came with %2 value more than its %3 positions: it was not stored.</source>
        <translation>La série %1 est arrivée avec %2 valeur de plus que ses %3 positions : elle n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Set %1 came with %2 values more than its %3 positions: they were not stored.</source>
        <translation>La série %1 est arrivée avec %2 valeurs de plus que ses %3 positions : elles n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Set %1 was being received when it happened: it holds readings of this download and of an earlier one, and is marked incomplete.</source>
        <translation>La série %1 était en cours de réception à ce moment : elle contient des mesures de ce téléchargement et d&apos;un précédent, et elle est marquée incomplète.</translation>
    </message>
    <message>
        <source>%1 flag went with its reading, which this download replaced: %2.</source>
        <translation>%1 signalement est parti avec sa mesure, remplacée par ce téléchargement : %2.</translation>
    </message>
    <message>
        <source>%1 flags went with their readings, which this download replaced: %2.</source>
        <translation>%1 signalements sont partis avec leurs mesures, remplacées par ce téléchargement : %2.</translation>
    </message>
    <message>
        <source>Set %1 was being received when it happened: what this download had stored in it was taken back, and it holds what it held before.</source>
        <translation>La série %1 était en cours de réception à ce moment : ce que ce téléchargement y avait enregistré a été annulé, et elle contient ce qu&apos;elle contenait avant.</translation>
    </message>
    <message>
        <source>%1 value was not in the form the meter sends (a line fault?): it is stored flagged, left out of the statistics until you unflag it: %2.</source>
        <translation>%1 valeur n&apos;avait pas la forme que l&apos;appareil envoie (un défaut de ligne ?) : elle est enregistrée signalée, hors des statistiques jusqu&apos;à ce que vous retiriez le signalement : %2.</translation>
    </message>
    <message>
        <source>%1 values were not in the form the meter sends (line faults?): they are stored flagged, left out of the statistics until you unflag them: %2.</source>
        <translation>%1 valeurs n&apos;avaient pas la forme que l&apos;appareil envoie (des défauts de ligne ?) : elles sont enregistrées signalées, hors des statistiques jusqu&apos;à ce que vous retiriez les signalements : %2.</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>&amp;Export Data</source>
        <translation>E&amp;xporter les données</translation>
    </message>
    <message>
        <source>Export Data to Text file</source>
        <translation>Exporter les données vers un fichier texte</translation>
    </message>
    <message>
        <source>CSV, decimal point (*.csv)</source>
        <translation>CSV, point décimal (*.csv)</translation>
    </message>
    <message>
        <source>CSV, decimal comma (*.csv)</source>
        <translation>CSV, virgule décimale (*.csv)</translation>
    </message>
    <message>
        <source>Expor&amp;t CSV...</source>
        <translation>Exporter en &amp;CSV...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV, one row per reading (*.csv)</source>
        <translation>CSV, une ligne par mesure (*.csv)</translation>
    </message>
    <message>
        <source>Export &amp;Long Table...</source>
        <translation>Exporter la &amp;liste des mesures...</translation>
    </message>
    <message>
        <source>Export Long Table</source>
        <translation>Exporter la liste des mesures</translation>
    </message>
    <message>
        <source>GeoJSON (*.geojson)</source>
        <translation>GeoJSON (*.geojson)</translation>
    </message>
    <message>
        <source>Export &amp;GeoJSON...</source>
        <translation>Exporter en &amp;GeoJSON...</translation>
    </message>
    <message>
        <source>Export GeoJSON</source>
        <translation>Exporter en GeoJSON</translation>
    </message>
    <message>
        <source>LAS 2.0 logs (*.las)</source>
        <translation>Diagraphies LAS 2.0 (*.las)</translation>
    </message>
    <message>
        <source>Export LAS Log of the C&amp;hosen Set...</source>
        <translation>Exporter la diagraphie LAS de la série c&amp;hoisie...</translation>
    </message>
    <message>
        <source>Export LAS Log of Set %1</source>
        <translation>Exporter la diagraphie LAS de la série %1</translation>
    </message>
    <message>
        <source>Set %1 cannot be written as a LAS log: %2.</source>
        <translation>La série %1 ne peut pas être écrite en diagraphie LAS : %2.</translation>
    </message>
    <message>
        <source>GPX waypoints (*.gpx)</source>
        <translation>Points de cheminement GPX (*.gpx)</translation>
    </message>
    <message>
        <source>Export Sites as GPX</source>
        <translation>Exporter les sites en GPX</translation>
    </message>
    <message>
        <source>Export S&amp;ites as GPX...</source>
        <translation>Exporter les sites en GPX (&amp;waypoints)...</translation>
    </message>
    <message>
        <source>CSV, one row per reading, decimal comma (*.csv)</source>
        <translation>CSV, une ligne par mesure, virgule décimale (*.csv)</translation>
    </message>
</context>
<context>
    <name>FileMenuCommands</name>
    <message>
        <source>Open Data File</source>
        <translation>Ouvrir un fichier de données</translation>
    </message>
    <message>
        <source>Save Data File</source>
        <translation>Enregistrer le fichier de données</translation>
    </message>
    <message>
        <source>Data Files (*.dat)</source>
        <translation>Fichiers de données (*.dat)</translation>
    </message>
    <message>
        <source>Orvanta survey (*.orvanta)</source>
        <translation>Campagne Orvanta (*.orvanta)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Survey and Data Files (*.orvanta *.dat)</source>
        <translation>Campagnes et fichiers de données (*.orvanta *.dat)</translation>
    </message>
    <message>
        <source>Save as &amp;Survey File</source>
        <translation>Enregistrer en fichier de &amp;campagne</translation>
    </message>
    <message>
        <source>Save &amp;Data File Only</source>
        <translation>Enregistrer le fichier de &amp;données seul</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Long tables the program exported (*.csv)</source>
        <translation>Tables longues exportées par le programme (*.csv)</translation>
    </message>
    <message>
        <source>the details typed for sets %1</source>
        <translation>les détails saisis pour les séries %1</translation>
    </message>
    <message>
        <source>the units of sets %1</source>
        <translation>les unités des séries %1</translation>
    </message>
    <message>
        <source>the flags of %1 readings, with their reasons</source>
        <translation>les signalements de %1 mesures, avec leurs motifs</translation>
    </message>
    <message>
        <source>Data File, &amp;Never Ask for Units</source>
        <translation>Fichier de données, ne &amp;jamais demander pour les unités</translation>
    </message>
    <message>
        <source>A data file keeps the readings only. Saving one drops %1. Save a survey file (*.orvanta), which keeps them, or the data file without them?</source>
        <translation>Un fichier de données ne garde que les mesures. L&apos;enregistrer perd %1. Enregistrer un fichier de campagne (*.orvanta), qui les garde, ou le fichier de données sans eux ?</translation>
    </message>
    <message>
        <source>Drop one file at a time: %1 files were dropped, none was opened.</source>
        <translation>Déposez un fichier à la fois : %1 fichiers ont été déposés, aucun n&apos;a été ouvert.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Ouvrir un enregistrement</translation>
    </message>
    <message>
        <source>%1 is a recording of live readings. The set it goes into (its readings there are replaced):</source>
        <translation>%1 est un enregistrement de mesures en direct. La série où il va (ses mesures y sont remplacées) :</translation>
    </message>
    <message>
        <source>Set %1 now holds the %2 readings of %3</source>
        <translation>La série %1 contient maintenant les %2 mesures de %3</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>Enregistrement de %1...</translation>
    </message>
    <message>
        <source>%1 was not saved.</source>
        <translation>%1 n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 enregistré.</translation>
    </message>
    <message>
        <source>the places of %1 readings, taken by GPS</source>
        <translation>les positions GPS de %1 mesures</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>A&amp;perçu avant impression</translation>
    </message>
    <message>
        <source>Print Survey S&amp;ummary...</source>
        <translation>Imprimer le résu&amp;mé de campagne...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Données</translation>
    </message>
    <message>
        <source>&amp;Meter</source>
        <translation>&amp;Appareil</translation>
    </message>
    <message>
        <source>&amp;Plot</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Télécharger</translation>
    </message>
    <message>
        <source>Download &amp;Current Set</source>
        <translation>Télécharger la série &amp;courante</translation>
    </message>
    <message>
        <source>Download &amp;Selected Set</source>
        <translation>Télécharger la série &amp;sélectionnée</translation>
    </message>
    <message>
        <source>Download &amp;All Sets</source>
        <translation>Télécharger &amp;toutes les séries</translation>
    </message>
    <message>
        <source>Download S&amp;et...</source>
        <translation>Télécharger une s&amp;érie...</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>&amp;Capture Current Reading</source>
        <translation>&amp;Capturer la mesure actuelle</translation>
    </message>
    <message>
        <source>&amp;Show Continuous Readings</source>
        <translation>&amp;Afficher les mesures continues</translation>
    </message>
    <message>
        <source>St&amp;op Readings</source>
        <translation>A&amp;rrêter les mesures</translation>
    </message>
    <message>
        <source>&amp;Record Readings...</source>
        <translation>&amp;Enregistrer les mesures...</translation>
    </message>
    <message>
        <source>&amp;Mark Reading...</source>
        <translation>&amp;Noter la mesure suivante...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Store Function</source>
        <translation>Fonction de &amp;stockage</translation>
    </message>
    <message>
        <source>&amp;Comm Port...</source>
        <translation>&amp;Port série...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;About Orvanta</source>
        <translation>&amp;À propos d&apos;Orvanta</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Download the Current Set</source>
        <translation>Télécharger la série courante</translation>
    </message>
    <message>
        <source>Download Set 1</source>
        <translation>Télécharger la série 1</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Série %1</translation>
    </message>
    <message>
        <source>Download All Sets</source>
        <translation>Télécharger toutes les séries</translation>
    </message>
    <message>
        <source>Capture Current Reading</source>
        <translation>Capturer la mesure actuelle</translation>
    </message>
    <message>
        <source>Show Continuous Readings</source>
        <translation>Afficher les mesures continues</translation>
    </message>
    <message>
        <source>Record Readings</source>
        <translation>Enregistrer les mesures</translation>
    </message>
    <message>
        <source>Plot the Sets</source>
        <translation>Tracer les séries</translation>
    </message>
    <message>
        <source>Download Set %1 (%2)</source>
        <translation>Télécharger la série %1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>&amp;Next Window</source>
        <translation>Fenêtre &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Previous Window</source>
        <translation>Fenêtre &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Side by Side</source>
        <translation>Données et &amp;appareil</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;Place Recording by GPX Track...</source>
        <translation>&amp;Placer un enregistrement d&apos;après une trace GPX...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Set number (1 to 30):</source>
        <translation>Numéro de série (1 à 30) :</translation>
    </message>
    <message>
        <source>Readings (not saved in a file)</source>
        <translation>Mesures (non enregistrées dans un fichier)</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Quit Without Saving</source>
        <translation>&amp;Quitter sans enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 is not a set from 1 to 30.</source>
        <translation>%1 n&apos;est pas une série de 1 à 30.</translation>
    </message>
    <message>
        <source>Units and tool bar</source>
        <translation>Unités et barre d&apos;outils</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>%1 is the meter&apos;s port; the GPS receiver needs a device of its own.</source>
        <translation>%1 est le port de l&apos;appareil de mesure ; le récepteur GPS doit avoir son propre périphérique.</translation>
    </message>
    <message>
        <source>The reading at position %1 of set %2 is stored, but its place could not be kept with it: %3.</source>
        <translation>La mesure à la position %1 de la série %2 est enregistrée, mais sa position GPS n&apos;a pas pu être gardée avec elle : %3.</translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>Orvanta Manual</source>
        <translation>Manuel d&apos;Orvanta</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
</context>
<context>
    <name>MeterWords</name>
    <message>
        <source>Units ?</source>
        <comment>not reported yet</comment>
        <translation>Unités ?</translation>
    </message>
    <message>
        <source>Units %1</source>
        <translation>Unités %1</translation>
    </message>
</context>
<context>
    <name>Msg</name>
    <message>
        <source>          Could not connect to the Orvanta Magnetic Susceptibility Meter.<byte value="xd"/>
<byte value="xd"/>
Please ensure that the Meter is plugged into a USB port before you start this program.<byte value="xd"/>
   If this problem persists, the USB driver for the Meter may need to be re-installed.</source>
        <translation>          Impossible de se connecter au susceptibilimètre magnétique Orvanta.<byte value="xd"/>
<byte value="xd"/>
Vérifiez que l&apos;appareil est branché sur un port USB avant de lancer ce programme.<byte value="xd"/>
   Si le problème persiste, il faudra peut-être réinstaller le pilote USB de l&apos;appareil.</translation>
    </message>
    <message>
        <source>Meter not connected or invalid Comm Port Number selected</source>
        <translation>Appareil non connecté ou numéro de port série non valide</translation>
    </message>
    <message>
        <source>Warning: Comm Port is in use by another application</source>
        <translation>Attention : le port série est utilisé par une autre application</translation>
    </message>
    <message>
        <source>Warning: Invalid Comm Port Number</source>
        <translation>Attention : numéro de port série non valide</translation>
    </message>
    <message>
        <source>Several serial devices are plugged in: choose the meter&apos;s port (Options &gt; Comm Port...).</source>
        <translation>Plusieurs appareils série sont branchés : choisissez le port de l&apos;appareil (Options &gt; Port série...).</translation>
    </message>
    <message>
        <source>There is no device on port %1 (%2): nothing was changed. Plug the meter in, or choose a port from the list.</source>
        <translation>Aucun appareil sur le port %1 (%2) : rien n&apos;a été modifié. Branchez l&apos;appareil ou choisissez un port dans la liste.</translation>
    </message>
    <message>
        <source>You are not allowed to open the Comm Port. Add your user to the dialout group, then log in again.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;ouvrir le port série. Ajoutez votre utilisateur au groupe dialout, puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>You are not allowed to open the Comm Port (%1). Add your user to the %2 group, then log in again.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;ouvrir le port série (%1). Ajoutez votre utilisateur au groupe %2, puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>You are not allowed to open the Comm Port (%1): it is no device your user may read and write.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;ouvrir le port série (%1) : ce n&apos;est pas un appareil que votre utilisateur peut lire et écrire.</translation>
    </message>
    <message>
        <source>The Comm Port (%1) is locked by a program that has ended: its lock file %2 was left behind. Remove it (as root: rm %2), then try again.</source>
        <translation>Le port série (%1) est verrouillé par un programme terminé : son fichier de verrou %2 est resté. Supprimez-le (en root : rm %2), puis réessayez.</translation>
    </message>
    <message>
        <source>The Comm Port (%1) cannot be used for the meter: %2.</source>
        <translation>Le port série (%1) ne peut pas être utilisé pour l&apos;appareil : %2.</translation>
    </message>
    <message>
        <source>The connection to the meter was lost.</source>
        <translation>La connexion à l&apos;appareil a été perdue.</translation>
    </message>
    <message>
        <source>This file is set for Read Only and cannot be modified.</source>
        <translation>Ce fichier est en lecture seule et ne peut pas être modifié.</translation>
    </message>
    <message>
        <source>The file is not a readings database of this program. Set it aside (renamed with the date and time) and start a fresh one?</source>
        <translation>Le fichier n&apos;est pas une base de mesures de ce programme. Le mettre de côté (renommé avec la date et l&apos;heure) et en créer une nouvelle ?</translation>
    </message>
    <message>
        <source>The readings database is in use by another program: waiting for it to be free.</source>
        <translation>La base de mesures est utilisée par un autre programme : attente de sa libération.</translation>
    </message>
    <message>
        <source>the readings database is in use by another program, for example orvanta-cli; download again once it has ended</source>
        <translation>la base de mesures est utilisée par un autre programme, par exemple orvanta-cli ; relancez le téléchargement une fois celui-ci terminé</translation>
    </message>
    <message>
        <source>The readings database is open.</source>
        <translation>La base de mesures est ouverte.</translation>
    </message>
    <message>
        <source>The readings table could not be written: %1</source>
        <translation>La table des mesures n&apos;a pas pu être écrite : %1</translation>
    </message>
    <message>
        <source>Readings could not be stored: %1. %2 readings of this download were stored.</source>
        <translation>Les mesures n&apos;ont pas pu être enregistrées : %1. %2 mesures de ce téléchargement ont été enregistrées.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is too large to be a data file.</source>
        <translation>%1 est trop volumineux pour être un fichier de données.</translation>
    </message>
    <message>
        <source>%1 is not a data file.</source>
        <translation>%1 n&apos;est pas un fichier de données.</translation>
    </message>
    <message>
        <source>%1 is not a whole data file: record %2 is cut short. Nothing was changed.</source>
        <translation>%1 n&apos;est pas un fichier de données complet : l&apos;enregistrement %2 est tronqué. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The readings table could not be written: %1. Nothing was changed: the table holds what it held before.</source>
        <translation>La table des mesures n&apos;a pas pu être écrite : %1. Rien n&apos;a été modifié : la table contient ce qu&apos;elle contenait avant.</translation>
    </message>
    <message>
        <source>%1 is not an Orvanta survey file that can be read: %2. Nothing was changed.</source>
        <translation>%1 n&apos;est pas un fichier de campagne Orvanta lisible : %2. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2. Nothing was changed.</source>
        <translation>%1 ne peut pas être ouvert : %2. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 set(s) holding readings have no latitude and longitude and were left out of %2.</source>
        <translation>%1 série(s) contenant des mesures n&apos;ont ni latitude ni longitude et ont été omises de %2.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>The report could not be printed: %1</source>
        <translation>Le rapport n&apos;a pas pu être imprimé : %1</translation>
    </message>
    <message>
        <source>The survey summary could not be printed: %1</source>
        <translation>Le résumé de campagne n&apos;a pas pu être imprimé : %1</translation>
    </message>
    <message>
        <source>The plot could not be printed: %1</source>
        <translation>Le graphique n&apos;a pas pu être imprimé : %1</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file: the program starts with its default settings and keeps none.</source>
        <translation>Le fichier de réglages %1 n&apos;est pas un fichier ordinaire : le programme démarre avec ses réglages par défaut et n&apos;en conserve aucun.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés : %1</translation>
    </message>
    <message>
        <source>the settings file or its folder cannot be written</source>
        <translation>le fichier de réglages ou son dossier ne peut pas être écrit</translation>
    </message>
    <message>
        <source>Stored: set %1, reading %2</source>
        <translation>Enregistrée : série %1, mesure %2</translation>
    </message>
    <message>
        <source>There is no reading to store yet.</source>
        <translation>Il n&apos;y a pas encore de mesure à enregistrer.</translation>
    </message>
    <message>
        <source>Set %1 holds readings in %2 and the meter now reads in %3: the reading was not stored. Choose a set in %3, or an empty one, on the meter.</source>
        <translation>La série %1 contient des mesures en %2 et l&apos;appareil mesure maintenant en %3 : la mesure n&apos;a pas été enregistrée. Choisissez sur l&apos;appareil une série en %3, ou une série vide.</translation>
    </message>
    <message>
        <source>The meter sent set data that was not asked for; nothing was stored.</source>
        <translation>L&apos;appareil a envoyé des données de série non demandées ; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>A mark goes with a recorded reading: start Read &gt; Record Readings... first.</source>
        <translation>Une marque accompagne une mesure enregistrée : lancez d&apos;abord Lecture &gt; Enregistrer les mesures....</translation>
    </message>
    <message>
        <source>The recording stopped; the %1 readings recorded before stay in the file.</source>
        <translation>L&apos;enregistrement s&apos;est arrêté ; les %1 mesures enregistrées auparavant restent dans le fichier.</translation>
    </message>
    <message>
        <source>Set %1 is full: the reading was not stored.</source>
        <translation>La série %1 est pleine : la mesure n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Wait until the download has ended.</source>
        <translation>Attendez la fin du téléchargement.</translation>
    </message>
    <message>
        <source>no such port</source>
        <translation>port inexistant</translation>
    </message>
    <message>
        <source>it is larger than any survey file</source>
        <translation>il est plus grand que tout fichier de campagne</translation>
    </message>
    <message>
        <source>it is no SQLite database</source>
        <translation>ce n&apos;est pas une base de données SQLite</translation>
    </message>
    <message>
        <source>set %1 holds &quot;%2&quot; at position %3, which is no reading</source>
        <translation>la série %1 contient « %2 » à la position %3, qui n&apos;est pas une mesure</translation>
    </message>
    <message>
        <source>row %1 has no row number</source>
        <translation>la ligne %1 n&apos;a pas de numéro de ligne</translation>
    </message>
    <message>
        <source>a reading in row %1 is longer than a data file can hold</source>
        <translation>une mesure de la ligne %1 est plus longue que ce qu&apos;un fichier de données peut contenir</translation>
    </message>
    <message>
        <source>set %1: %2</source>
        <translation>série %1 : %2</translation>
    </message>
    <message>
        <source>Clear all readings? Readings and set details that have not been saved to a file will be lost.</source>
        <translation>Effacer toutes les mesures ? Les mesures et les détails des séries qui n&apos;ont pas été enregistrés dans un fichier seront perdus.</translation>
    </message>
    <message>
        <source>Open %1 in place of the readings? Readings and set details that have not been saved to a file will be lost.</source>
        <translation>Ouvrir %1 à la place des mesures ? Les mesures et les détails des séries qui n&apos;ont pas été enregistrés dans un fichier seront perdus.</translation>
    </message>
    <message>
        <source>The readings or set details changed since they were last saved to a file. Save them before quitting? They stay in the readings database either way and are shown again at the next start.</source>
        <translation>Les mesures ou les détails des séries ont changé depuis leur dernier enregistrement dans un fichier. Les enregistrer avant de quitter ? Ils restent dans la base des mesures dans tous les cas et sont affichés à nouveau au prochain démarrage.</translation>
    </message>
    <message>
        <source>%1 was not opened: %2. Nothing was changed.</source>
        <translation>%1 n’a pas été ouvert : %2. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>%1 holds %2 of the %3 records of a whole data file: it may have been cut short while it was copied. Positions 1 to %2 of every set were opened from it; positions %4 to %3 were cleared.</source>
        <translation>%1 contient %2 des %3 enregistrements d&apos;un fichier de données complet : il a peut-être été tronqué lors d&apos;une copie. Les positions 1 à %2 de chaque série en ont été ouvertes ; les positions %4 à %3 ont été effacées.</translation>
    </message>
    <message>
        <source>The readings database %1 could be read by other users of this computer. It is now yours alone.</source>
        <translation>La base de mesures %1 pouvait être lue par d&apos;autres utilisateurs de cet ordinateur. Elle n&apos;est plus qu&apos;à vous.</translation>
    </message>
    <message>
        <source>The readings database %1 could not be opened: %2.</source>
        <translation>La base de mesures %1 n&apos;a pas pu être ouverte : %2.</translation>
    </message>
    <message>
        <source>it is not this program&apos;s, and it could not be renamed</source>
        <translation>elle n&apos;appartient pas à ce programme et n&apos;a pas pu être renommée</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Orvanta Options</source>
        <translation>Options d&apos;Orvanta</translation>
    </message>
    <message>
        <source>Store Function</source>
        <translation>Fonction de stockage</translation>
    </message>
    <message>
        <source>Stores New Readings to Meter Memory</source>
        <translation>Enregistre les nouvelles mesures dans la mémoire de l&apos;appareil</translation>
    </message>
    <message>
        <source>Stores New Readings to PC Database</source>
        <translation>Enregistre les nouvelles mesures dans la base du PC</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>GPS Receiver</source>
        <translation>Récepteur GPS</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>GPS receiver&apos;s device</source>
        <translation>Périphérique du récepteur GPS</translation>
    </message>
    <message>
        <source>The serial device of a GPS receiver speaking NMEA (USB or Bluetooth, 4800 or 9600 baud), for example /dev/ttyUSB1 or /dev/rfcomm0; empty for none. Recorded readings then carry its position.</source>
        <translation>Le périphérique série d&apos;un récepteur GPS parlant NMEA (USB ou Bluetooth, 4800 ou 9600 bauds), par exemple /dev/ttyUSB1 ou /dev/rfcomm0 ; vide pour aucun. Les mesures enregistrées portent alors sa position.</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Périphérique :</translation>
    </message>
</context>
<context>
    <name>PlotModel</name>
    <message>
        <source>units not known</source>
        <translation>unités inconnues</translation>
    </message>
    <message>
        <source>, log scale</source>
        <translation>, échelle logarithmique</translation>
    </message>
    <message>
        <source>; sets %1 in units not known, as stored</source>
        <translation> ; séries %1 en unités inconnues, telles qu&apos;enregistrées</translation>
    </message>
    <message>
        <source>; set %1 in units not known, as stored</source>
        <translation> ; série %1 en unités inconnues, telle qu&apos;enregistrée</translation>
    </message>
    <message>
        <source>Susceptibility (%1)</source>
        <translation>Susceptibilité (%1)</translation>
    </message>
</context>
<context>
    <name>PlotWindow</name>
    <message>
        <source>Plot</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Série %1</translation>
    </message>
    <message>
        <source>&amp;Log scale</source>
        <translation>Échelle &amp;logarithmique</translation>
    </message>
    <message>
        <source>The units the profiles are drawn in; sets measured in the other units are converted (k in SI = 4 pi times k in CGS)</source>
        <translation>Les unités dans lesquelles les profils sont tracés ; les séries mesurées dans les autres unités sont converties (k en SI = 4 pi fois k en CGS)</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Unités :</translation>
    </message>
    <message>
        <source>&amp;Depth downwards</source>
        <translation>&amp;Profondeur vers le bas</translation>
    </message>
    <message>
        <source>Sets with a depth and a spacing (Set Details) are drawn against depth; this turns the plot so depth runs down the page, as a log is read</source>
        <translation>Les séries ayant une profondeur et un pas (détails de la série) sont tracées en fonction de la profondeur ; ceci tourne le graphique pour que la profondeur descende le long de la page, comme on lit une diagraphie</translation>
    </message>
    <message>
        <source>&amp;Save Image...</source>
        <translation>&amp;Enregistrer l&apos;image...</translation>
    </message>
    <message>
        <source>Save &amp;Trend...</source>
        <translation>Enregistrer la &amp;tendance...</translation>
    </message>
    <message>
        <source>The live trend as CSV (time, value) or as an image (PNG, SVG, PDF)</source>
        <translation>La tendance en direct en CSV (heure, valeur) ou en image (PNG, SVG, PDF)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Réinitialiser le zoom</translation>
    </message>
    <message>
        <source>Show all the readings again (Esc on the plot). Drag a rectangle on the plot, or press + and -, to zoom; the arrow keys move the view</source>
        <translation>Afficher de nouveau toutes les mesures (Échap sur le graphique). Tracez un rectangle sur le graphique, ou appuyez sur + et -, pour zoomer ; les flèches déplacent la vue</translation>
    </message>
    <message>
        <source>Depth (m)</source>
        <translation>Profondeur (m)</translation>
    </message>
    <message>
        <source>the plot could not be drawn</source>
        <translation>le graphique n&apos;a pas pu être dessiné</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>Save Live Trend</source>
        <translation>Enregistrer la tendance en direct</translation>
    </message>
    <message>
        <source>Print Plot</source>
        <translation>Imprimer le graphique</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>l&apos;imprimante n&apos;a pas pu être démarrée</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>l&apos;imprimante n&apos;a pas accepté le document</translation>
    </message>
    <message>
        <source>Reading position</source>
        <translation>Position de la mesure</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawings (*.svg)</source>
        <translation>Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>Tou&amp;s</translation>
    </message>
    <message>
        <source>Show every set that holds readings</source>
        <translation>Afficher chaque série qui contient des mesures</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>&amp;Aucun</translation>
    </message>
    <message>
        <source>Show no set; double-click a set to show only that one</source>
        <translation>N&apos;afficher aucune série ; double-cliquez sur une série pour n&apos;afficher qu&apos;elle</translation>
    </message>
    <message>
        <source>Only Set %1</source>
        <translation>Seulement la série %1</translation>
    </message>
    <message>
        <source>All Sets</source>
        <translation>Toutes les séries</translation>
    </message>
    <message>
        <source>No Set</source>
        <translation>Aucune série</translation>
    </message>
    <message>
        <source>Sets drawn on the plot</source>
        <translation>Séries tracées sur le graphique</translation>
    </message>
    <message>
        <source>Profiles of the chosen sets</source>
        <translation>Profils des séries choisies</translation>
    </message>
    <message>
        <source>Live trend of the last readings</source>
        <translation>Tendance des dernières mesures</translation>
    </message>
    <message>
        <source>Reading under the mouse</source>
        <translation>Mesure sous la souris</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>Select Comm Port</source>
        <translation>Choisir le port série</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>(no such port)</source>
        <translation>(port inexistant)</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>no printer could be started</source>
        <translation>aucune imprimante n&apos;a pu être démarrée</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 n&apos;a pas pu être démarrée</translation>
    </message>
    <message>
        <source>the printer did not take the document</source>
        <translation>l&apos;imprimante n&apos;a pas accepté le document</translation>
    </message>
    <message>
        <source>%1 could not be written whole (the disk may be full)</source>
        <translation>%1 n&apos;a pas pu être écrit en entier (le disque est peut-être plein)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>Print Schedule</source>
        <translation>Imprimer la liste</translation>
    </message>
    <message>
        <source>Print Survey Summary</source>
        <translation>Imprimer le résumé de campagne</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
</context>
<context>
    <name>ProfileChart</name>
    <message>
        <source>No readings to plot</source>
        <translation>Aucune mesure à tracer</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Série %1</translation>
    </message>
    <message>
        <source>Set %1, position %2: %3</source>
        <translation>Série %1, position %2 : %3</translation>
    </message>
    <message>
        <source>Set %1, flagged</source>
        <translation>Série %1, marquées</translation>
    </message>
    <message>
        <source>Set %1, position %2: %3, flagged: %4</source>
        <translation>Série %1, position %2 : %3, marquée : %4</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Downloading Data.....</source>
        <translation>Téléchargement des données.....</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Set %1 (%2 of %3 sets done): %4 readings stored</source>
        <translation>Série %1 (%2 sur %3 séries terminées) : %4 mesures enregistrées</translation>
    </message>
    <message>
        <source>Set %1: %2 readings stored</source>
        <translation>Série %1 : %2 mesures enregistrées</translation>
    </message>
</context>
<context>
    <name>ReadingPanel</name>
    <message>
        <source>(to PC memory)</source>
        <translation>(dans le PC)</translation>
    </message>
    <message>
        <source>(to Meter memory)</source>
        <translation>(dans l&apos;appareil)</translation>
    </message>
    <message>
        <source>Over range: the reading is above %1 on this scale.</source>
        <translation>Hors plage : la mesure dépasse %1 sur cette échelle.</translation>
    </message>
    <message>
        <source>Click the panel to press its keys with letters.</source>
        <translation>Cliquez sur le panneau pour appuyer sur ses touches avec des lettres.</translation>
    </message>
    <message>
        <source>Letters press the panel&apos;s keys. Click elsewhere to stop.</source>
        <translation>Les lettres appuient sur les touches du panneau. Cliquez ailleurs pour arrêter.</translation>
    </message>
    <message>
        <source>Listening: letters press the keys</source>
        <translation>À l&apos;écoute : les lettres appuient sur les touches</translation>
    </message>
    <message>
        <source>The meter&apos;s “%1” key.</source>
        <translation>La touche « %1 » de l&apos;appareil.</translation>
    </message>
    <message>
        <source>Never pressed by a letter.</source>
        <translation>Jamais appuyée par une lettre.</translation>
    </message>
    <message>
        <source>Keyboard: %1, once the panel listens.</source>
        <translation>Clavier : %1, dès que le panneau écoute.</translation>
    </message>
    <message>
        <source>Reading %1, %2</source>
        <translation>Mesure %1, %2</translation>
    </message>
</context>
<context>
    <name>RecordingCommands</name>
    <message>
        <source>Recorded %1 readings to %2</source>
        <translation>%1 mesures enregistrées dans %2</translation>
    </message>
    <message>
        <source>Record Readings</source>
        <translation>Enregistrer les mesures</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Mark Reading</source>
        <translation>Marquer une mesure</translation>
    </message>
    <message>
        <source>Label for the next reading (a station, say):</source>
        <translation>Étiquette de la prochaine mesure (une station, par exemple) :</translation>
    </message>
    <message>
        <source>Recording to %1: %2 readings</source>
        <translation>Enregistrement dans %1 : %2 mesures</translation>
    </message>
    <message>
        <source> (the next marked &quot;%1&quot;)</source>
        <translation> (la prochaine marquée « %1 »)</translation>
    </message>
    <message>
        <source>Recording to Place</source>
        <translation>Enregistrement à placer</translation>
    </message>
    <message>
        <source>GPS Track</source>
        <translation>Trace GPS</translation>
    </message>
    <message>
        <source>GPX Files (*.gpx)</source>
        <translation>Fichiers GPX (*.gpx)</translation>
    </message>
    <message>
        <source>Save Placed Recording</source>
        <translation>Enregistrer l&apos;enregistrement placé</translation>
    </message>
    <message>
        <source>%1 of %2 readings placed from the track; written to %3</source>
        <translation>%1 mesures sur %2 placées d&apos;après la trace ; écrit dans %3</translation>
    </message>
</context>
<context>
    <name>SessionStatusBar</name>
    <message>
        <source>Port %1 (%2)</source>
        <translation>Port %1 (%2)</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>Aucun port</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Port open, the meter has not answered yet</source>
        <translation>Port ouvert, l&apos;appareil n&apos;a pas encore répondu</translation>
    </message>
    <message>
        <source>Connection lost, reconnecting</source>
        <translation>Connexion perdue, reconnexion en cours</translation>
    </message>
    <message>
        <source>Connection lost</source>
        <translation>Connexion perdue</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Set %1, reading %2 of %3</source>
        <translation>Série %1, mesure %2 sur %3</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop waiting for the meter&apos;s reading</source>
        <translation>Ne plus attendre la mesure de l&apos;appareil</translation>
    </message>
    <message>
        <source>The meter did not answer: is it switched on and showing its reading page?</source>
        <translation>L&apos;appareil n&apos;a pas répondu : est-il allumé et affiche-t-il sa page de mesure ?</translation>
    </message>
    <message>
        <source>Waiting for the meter to answer...</source>
        <translation>En attente de la réponse de l&apos;appareil...</translation>
    </message>
    <message>
        <source>GPS receiver %1 not found; looking for it</source>
        <translation>Récepteur GPS %1 introuvable ; recherche en cours</translation>
    </message>
    <message>
        <source>GPS receiver silent</source>
        <translation>Récepteur GPS muet</translation>
    </message>
    <message>
        <source>GPS: no fix</source>
        <translation>GPS : pas de position</translation>
    </message>
    <message>
        <source>GPS: fix %1 s old, not used</source>
        <translation>GPS : position vieille de %1 s, non utilisée</translation>
    </message>
    <message>
        <source>GPS %1D, %2 satellites, %3 s</source>
        <translation>GPS %1D, %2 satellites, %3 s</translation>
    </message>
</context>
<context>
    <name>SetDetails</name>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Depth of position 1 (m)</source>
        <translation>Profondeur de la position 1 (m)</translation>
    </message>
    <message>
        <source>Spacing (m)</source>
        <translation>Pas de mesure (m)</translation>
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
        <translation>Altitude (m)</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>The flag&apos;s reason</source>
        <translation>Motif du marquage</translation>
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
        <translation>Prendre la position du &amp;GPS</translation>
    </message>
    <message>
        <source>The GPS receiver&apos;s current fix (not older than %1 s) as this set&apos;s latitude, longitude and elevation</source>
        <translation>La position actuelle du récepteur GPS (pas plus vieille que %1 s) comme latitude, longitude et altitude de cette série</translation>
    </message>
    <message>
        <source>The GPS receiver has no current fix; nothing was stored.</source>
        <translation>Le récepteur GPS n&apos;a pas de position actuelle ; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>%1. Nothing was stored.</source>
        <translation>%1. Rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>SetsTableModel</name>
    <message>
        <source>incomplete</source>
        <translation>incomplète</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Série %1</translation>
    </message>
    <message>
        <source>Units not known.</source>
        <translation>Unités inconnues.</translation>
    </message>
    <message>
        <source>Readings in %1 units.</source>
        <translation>Mesures en unités %1.</translation>
    </message>
    <message>
        <source> Its last download ended before the set&apos;s end of data: the positions after its last reading were cleared.</source>
        <translation> Son dernier téléchargement s&apos;est arrêté avant la fin des données de la série : les positions après sa dernière mesure ont été effacées.</translation>
    </message>
    <message>
        <source>Unreadable: what the meter sent here was no reading.</source>
        <translation>Illisible : ce que l’appareil a envoyé ici n’était pas une mesure.</translation>
    </message>
    <message>
        <source>Flagged: %1. Left out of the statistics and the plot&apos;s lines.</source>
        <translation>Marquée : %1. Exclue des statistiques et des lignes du graphique.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1, flagged: %2</source>
        <translation>%1, marquée : %2</translation>
    </message>
</context>
<context>
    <name>SetsWindow</name>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Readin&amp;gs</source>
        <translation>&amp;Mesures</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Médiane</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>Écart type</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Geometric mean</source>
        <translation>Moyenne géométrique</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>inconnues</translation>
    </message>
    <message>
        <source>&amp;Flag Reading...</source>
        <translation>&amp;Marquer la mesure...</translation>
    </message>
    <message>
        <source>U&amp;nflag Reading</source>
        <translation>&amp;Démarquer la mesure</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Unflag position %1 of set %2</source>
        <translation>Démarquer la position %1 de la série %2</translation>
    </message>
    <message>
        <source>Flag position %1 of set %2</source>
        <translation>Marquer la position %1 de la série %2</translation>
    </message>
    <message>
        <source>The chosen cell holds no reading to flag. Choose a reading in a set&apos;s column first.</source>
        <translation>La cellule choisie ne contient aucune mesure à marquer. Choisissez d’abord une mesure dans la colonne d’une série.</translation>
    </message>
    <message>
        <source>Why is the reading %1 at position %2 of set %3 flagged (&quot;broken core&quot;, &quot;box end&quot;)? It keeps its text and is left out of the statistics, the plot&apos;s lines and the logs. An empty reason unflags it.</source>
        <translation>Pourquoi la mesure %1 à la position %2 de la série %3 est-elle marquée (« carotte cassée », « fin de caisse ») ? Elle garde son texte et est exclue des statistiques, des lignes du graphique et des diagraphies. Un motif vide la démarque.</translation>
    </message>
    <message>
        <source>Details of set %1</source>
        <translation>Détails de la série %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>The step cannot be taken back: the table changed since (%1). Undo starts again from here.</source>
        <translation>L&apos;étape ne peut pas être annulée : le tableau a changé depuis (%1). L&apos;annulation repart d&apos;ici.</translation>
    </message>
    <message>
        <source>Readings: one column a set, one row a position</source>
        <translation>Mesures : une colonne par série, une ligne par position</translation>
    </message>
    <message>
        <source>Statistics: one row a set</source>
        <translation>Statistiques : une ligne par série</translation>
    </message>
    <message>
        <source>Details of the chosen set</source>
        <translation>Détails de la série choisie</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positions</translation>
    </message>
</context>
<context>
    <name>SurveyExport</name>
    <message>
        <source>Units: </source>
        <translation>Unités : </translation>
    </message>
    <message>
        <source>not known</source>
        <translation>inconnues</translation>
    </message>
    <message>
        <source>Downloaded: </source>
        <translation>Téléchargée : </translation>
    </message>
    <message>
        <source> from </source>
        <translation> depuis </translation>
    </message>
    <message>
        <source>, %1 unreadable</source>
        <translation>, %1 illisibles</translation>
    </message>
    <message>
        <source> (incomplete)</source>
        <translation> (incomplète)</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Imprimé le %1</translation>
    </message>
    <message>
        <source>No set holds readings or details.</source>
        <translation>Aucune série ne contient de mesures ni de détails.</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Série %1</translation>
    </message>
    <message>
        <source>Statistics: %1</source>
        <translation>Statistiques : %1</translation>
    </message>
    <message>
        <source>No readings</source>
        <translation>Aucune mesure</translation>
    </message>
    <message>
        <source> (units not known)</source>
        <translation> (unités inconnues)</translation>
    </message>
    <message>
        <source>n %1, mean %2, median %3, sd %4, min %5, max %6</source>
        <translation>n %1, moyenne %2, médiane %3, écart type %4, min %5, max %6</translation>
    </message>
    <message>
        <source>, geometric mean </source>
        <translation>, moyenne géométrique </translation>
    </message>
    <message>
        <source>Readings: %1%2%3%4</source>
        <translation>Mesures : %1%2%3%4</translation>
    </message>
    <message>
        <source>, %1 flagged</source>
        <translation>, %1 signalées</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>No continuous readings yet</source>
        <translation>Pas encore de mesures continues</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En direct</translation>
    </message>
    <message>
        <source>Time of continuous reading</source>
        <translation>Heure de la mesure continue</translation>
    </message>
    <message>
        <source>Live, %1: %2</source>
        <translation>En direct, %1 : %2</translation>
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
        <translation>ligne %1, colonne %2 (%3) : %4</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the file or its disk is read-only</source>
        <translation>le fichier ou son disque est en lecture seule</translation>
    </message>
    <message>
        <source>the system does not allow it</source>
        <translation>le système ne le permet pas</translation>
    </message>
    <message>
        <source>the file is damaged, or is no database</source>
        <translation>le fichier est endommagé ou n&apos;est pas une base de données</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>le disque n&apos;a pas pu être lu ou écrit</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>another program is using the file</source>
        <translation>un autre programme utilise le fichier</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>la mémoire ne suffit pas</translation>
    </message>
    <message>
        <source>the database refused it (&quot;%1&quot;)</source>
        <translation>la base de données l&apos;a refusé (« %1 »)</translation>
    </message>
    <message>
        <source>reading it took longer than %1 s and was stopped: the file is made to keep a program busy</source>
        <translation>sa lecture a duré plus de %1 s et a été arrêtée : le fichier est fait pour occuper un programme</translation>
    </message>
    <message>
        <source>the readings database is not open</source>
        <translation>la base de mesures n&apos;est pas ouverte</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>le fichier n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>le fichier ne peut pas être écrit</translation>
    </message>
    <message>
        <source>its folder %1 does not exist</source>
        <translation>son dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>its folder %1 cannot be written by your user</source>
        <translation>votre utilisateur ne peut pas écrire dans son dossier %1</translation>
    </message>
    <message>
        <source>its folder %1 cannot be written by your user, and the database keeps its journal beside the file</source>
        <translation>votre utilisateur ne peut pas écrire dans son dossier %1, et la base de données garde son journal à côté du fichier</translation>
    </message>
    <message>
        <source>your user may not read and write it</source>
        <translation>votre utilisateur ne peut pas le lire et l&apos;écrire</translation>
    </message>
    <message>
        <source>the file belongs to another program</source>
        <translation>le fichier appartient à un autre programme</translation>
    </message>
    <message>
        <source>the file is not an Orvanta survey file</source>
        <translation>le fichier n&apos;est pas un fichier de campagne Orvanta</translation>
    </message>
    <message>
        <source>the file is damaged (&quot;%1&quot;)</source>
        <translation>le fichier est endommagé (« %1 »)</translation>
    </message>
    <message>
        <source>it was written by a newer version of Orvanta (layout %1; this version knows layouts up to %2). Open it with that version, or install it</source>
        <translation>il a été écrit par une version plus récente d&apos;Orvanta (structure %1 ; cette version connaît les structures jusqu&apos;à %2). Ouvrez-le avec cette version, ou installez-la</translation>
    </message>
    <message>
        <source>the file holds no table Sets</source>
        <translation>le fichier ne contient pas de table Sets</translation>
    </message>
    <message>
        <source>the table %1 has the columns %2, not %3</source>
        <translation>la table %1 a les colonnes %2, et non %3</translation>
    </message>
    <message>
        <source>the table Sets has the columns %1, not Number and Set 1 to Set 30</source>
        <translation>la table Sets a les colonnes %1, et non Number et Set 1 à Set 30</translation>
    </message>
    <message>
        <source>the table Sets has columns of other types (%1), not TEXT</source>
        <translation>la table Sets a des colonnes d&apos;autres types (%1), et non TEXT</translation>
    </message>
    <message>
        <source>the table Sets has %1 rows, not %2</source>
        <translation>la table Sets a %1 lignes, et non %2</translation>
    </message>
    <message>
        <source>the file has a trigger (%1) on the table %2: it could rewrite what the program stores</source>
        <translation>le fichier a un déclencheur (%1) sur la table %2 : il pourrait réécrire ce que le programme enregistre</translation>
    </message>
    <message>
        <source>the file holds a view (%1), which the program never writes</source>
        <translation>le fichier contient une vue (%1), que le programme n&apos;écrit jamais</translation>
    </message>
    <message>
        <source>the file holds an index (%1), which the program never writes</source>
        <translation>le fichier contient un index (%1), que le programme n&apos;écrit jamais</translation>
    </message>
    <message>
        <source>the file holds a table (%1), which the program never writes</source>
        <translation>le fichier contient une table (%1), que le programme n&apos;écrit jamais</translation>
    </message>
    <message>
        <source>the copy could not be made to keep no journal beside it</source>
        <translation>la copie n&apos;a pas pu être faite sans journal à côté</translation>
    </message>
    <message>
        <source>position %1 of set %2 holds no reading</source>
        <translation>la position %1 de la série %2 ne contient aucune mesure</translation>
    </message>
    <message>
        <source>set %1 has no position %2</source>
        <translation>la série %1 n&apos;a pas de position %2</translation>
    </message>
    <message>
        <source>there is no set %1</source>
        <translation>il n&apos;y a pas de série %1</translation>
    </message>
    <message>
        <source>the place %1, %2 is not on the earth</source>
        <translation>le lieu %1, %2 n&apos;est pas sur la Terre</translation>
    </message>
    <message>
        <source>position %1 of set %2 no longer holds the reading %3 as it was</source>
        <translation>la position %1 de la série %2 ne contient plus la mesure %3 telle qu&apos;elle était</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters</source>
        <translation>%1 : plus de %2 caractères</translation>
    </message>
    <message>
        <source>%1: holds a control character (U+%2)</source>
        <translation>%1 : contient un caractère de contrôle (U+%2)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number</source>
        <translation>%1 : « %2 » n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has both a point and a comma; type one of them as the decimal separator and no thousands separator</source>
        <translation>%1 : « %2 » contient un point et une virgule ; tapez l&apos;un des deux comme séparateur décimal, sans séparateur de milliers</translation>
    </message>
    <message>
        <source>%1: %2 is not between %3 and %4</source>
        <translation>%1 : %2 n&apos;est pas entre %3 et %4</translation>
    </message>
    <message>
        <source>%1: %2 is below zero</source>
        <translation>%1 : %2 est inférieur à zéro</translation>
    </message>
    <message>
        <source>%1: %2 is beyond %3 m</source>
        <translation>%1 : %2 dépasse %3 m</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop grand</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>le texte n&apos;est pas en UTF-8</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un champ entre guillemets n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>the row is too long</source>
        <translation>la ligne est trop longue</translation>
    </message>
    <message>
        <source>the header&apos;s column %1 is &quot;%2&quot;, not &quot;%3&quot;</source>
        <translation>la colonne %1 de l&apos;en-tête est « %2 », et non « %3 »</translation>
    </message>
    <message>
        <source>the header is not the one of a list of readings</source>
        <translation>l&apos;en-tête n&apos;est pas celui d&apos;une liste des mesures</translation>
    </message>
    <message>
        <source>more rows than %1 sets of %2 readings</source>
        <translation>plus de lignes que %1 séries de %2 mesures</translation>
    </message>
    <message>
        <source>%1 fields, not %2</source>
        <translation>%1 champs, et non %2</translation>
    </message>
    <message>
        <source>not a set from 1 to %1</source>
        <translation>pas une série de 1 à %1</translation>
    </message>
    <message>
        <source>not a position from 1 to %1</source>
        <translation>pas une position de 1 à %1</translation>
    </message>
    <message>
        <source>the position comes twice</source>
        <translation>la position figure deux fois</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no reading</source>
        <translation>« %1 » n&apos;est pas une mesure</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>pas un nombre</translation>
    </message>
    <message>
        <source>%1 is beyond %2 m</source>
        <translation>%1 dépasse %2 m</translation>
    </message>
    <message>
        <source>not a latitude</source>
        <translation>pas une latitude</translation>
    </message>
    <message>
        <source>not a longitude</source>
        <translation>pas une longitude</translation>
    </message>
    <message>
        <source>not an elevation</source>
        <translation>pas une altitude</translation>
    </message>
    <message>
        <source>not an ISO 8601 time</source>
        <translation>pas une heure ISO 8601</translation>
    </message>
    <message>
        <source>differs from the set&apos;s first row (line %1)</source>
        <translation>diffère de la première ligne de la série (ligne %1)</translation>
    </message>
    <message>
        <source>not SI, CGS or empty</source>
        <translation>ni SI, ni CGS, ni vide</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>ni true ni false</translation>
    </message>
    <message>
        <source>the table has no rows</source>
        <translation>la table n&apos;a aucune ligne</translation>
    </message>
    <message>
        <source>the depths of set %1 do not follow one depth and spacing</source>
        <translation>les profondeurs de la série %1 ne suivent pas une profondeur et un pas de mesure</translation>
    </message>
    <message>
        <source>the depths of set %1 go up</source>
        <translation>les profondeurs de la série %1 remontent</translation>
    </message>
    <message>
        <source>not a recording&apos;s header (%1)</source>
        <translation>pas l&apos;en-tête d&apos;un enregistrement (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time</source>
        <translation>« %1 » n&apos;est pas une heure</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no reading the meter sends</source>
        <translation>« %1 » n&apos;est pas une mesure que l&apos;appareil envoie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no units</source>
        <translation>« %1 » n&apos;est pas une unité</translation>
    </message>
    <message>
        <source>%1, where line %2 has %3; a set has one units</source>
        <translation>%1, alors que la ligne %2 a %3 ; une série a une seule unité</translation>
    </message>
    <message>
        <source>it holds no reading</source>
        <translation>il ne contient aucune mesure</translation>
    </message>
    <message>
        <source>it holds %1 readings; a set holds %2</source>
        <translation>il contient %1 mesures ; une série en contient %2</translation>
    </message>
    <message>
        <source>a %1 without a latitude and longitude</source>
        <translation>un %1 sans latitude ni longitude</translation>
    </message>
    <message>
        <source>it is no GPX file</source>
        <translation>ce n&apos;est pas un fichier GPX</translation>
    </message>
    <message>
        <source>it holds no point with a time</source>
        <translation>il ne contient aucun point horodaté</translation>
    </message>
    <message>
        <source>set %1 has no depth and spacing: a log needs both</source>
        <translation>la série %1 n&apos;a ni profondeur ni pas de mesure : une diagraphie a besoin des deux</translation>
    </message>
    <message>
        <source>set %1 holds no reading</source>
        <translation>la série %1 ne contient aucune mesure</translation>
    </message>
    <message>
        <source>it is a link another user made</source>
        <translation>c&apos;est un lien créé par un autre utilisateur</translation>
    </message>
    <message>
        <source>it is a FIFO another user made</source>
        <translation>c&apos;est une FIFO créée par un autre utilisateur</translation>
    </message>
    <message>
        <source>there is no device %1</source>
        <translation>il n&apos;y a pas de périphérique %1</translation>
    </message>
    <message>
        <source>your user may not read and write %1</source>
        <translation>votre utilisateur ne peut pas lire et écrire %1</translation>
    </message>
    <message>
        <source>there is no such port number</source>
        <translation>ce numéro de port n&apos;existe pas</translation>
    </message>
    <message>
        <source>its lock file %1 was left behind by a program that has ended</source>
        <translation>son fichier de verrou %1 a été laissé par un programme terminé</translation>
    </message>
    <message>
        <source>%1 decimals: not the meter&apos;s form, a line fault?</source>
        <translation>%1 décimales : pas la forme de l&apos;appareil, un défaut de ligne ?</translation>
    </message>
    <message>
        <source>a doubled leading zero: not the meter&apos;s form, a line fault?</source>
        <translation>un zéro de tête doublé : pas la forme de l&apos;appareil, un défaut de ligne ?</translation>
    </message>
    <message>
        <source>no digit before the point: not the meter&apos;s form, a line fault?</source>
        <translation>aucun chiffre avant le point : pas la forme de l&apos;appareil, un défaut de ligne ?</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>your user may not read it</source>
        <translation>votre utilisateur ne peut pas le lire</translation>
    </message>
</context>
<context>
    <name>WorkArea</name>
    <message>
        <source>Work area</source>
        <translation>Zone de travail</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
</context>
</TS>
