<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Charsets</name>
    <message>
        <source>Western</source>
        <translation>Westeuropäisch</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Mitteleuropäisch</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Baltisch</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>The list of last files can not be stored.</source>
        <translation>Die Liste der zuletzt geöffneten Dateien kann nicht gespeichert werden.</translation>
    </message>
    <message numerus="yes">
        <source>The database has %n error. Write into the receiver anyway?</source>
        <translation>
            <numerusform>Die Datenbank hat %n Fehler. Trotzdem in den Receiver schreiben?</numerusform>
            <numerusform>Die Datenbank hat %n Fehler. Trotzdem in den Receiver schreiben?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The database has %n errors. Write into the receiver anyway?</source>
        <translation>
            <numerusform>Die Datenbank hat %n Fehler. Trotzdem in den Receiver schreiben?</numerusform>
            <numerusform>Die Datenbank hat %n Fehler. Trotzdem in den Receiver schreiben?</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare...</source>
        <translation>Vergleichen...</translation>
    </message>
</context>
<context>
    <name>NameField</name>
    <message>
        <source>The name is too long: %1 bytes in %2, at most %3.</source>
        <translation>Der Name ist zu lang: %1 Bytes in %2, höchstens %3.</translation>
    </message>
    <message>
        <source>The name cannot be written in %1: it has no &quot;%2&quot;.</source>
        <translation>Der Name lässt sich nicht in %1 schreiben: Es fehlt „%2“.</translation>
    </message>
</context>
<context>
    <name>Orvane</name>
    <message>
        <source>File is being opened now. Please wait......</source>
        <translation>Die Datei wird geöffnet. Bitte warten......</translation>
    </message>
    <message>
        <source>File is being save now. Please wait......</source>
        <translation>Die Datei wird gespeichert. Bitte warten......</translation>
    </message>
    <message>
        <source>Setting not saved, exit anyway?</source>
        <translation>Die Änderungen sind nicht gespeichert. Trotzdem beenden?</translation>
    </message>
    <message>
        <source>Setting not saved, open another file anyway?</source>
        <translation>Die Änderungen sind nicht gespeichert. Trotzdem eine andere Datei öffnen?</translation>
    </message>
    <message>
        <source>The file has existed, are you sure to cover it?</source>
        <translation>Die Datei existiert bereits. Wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Open The File Name:  </source>
        <translation>Geöffnete Datei:  </translation>
    </message>
    <message>
        <source>FileName:  </source>
        <translation>Dateiname:  </translation>
    </message>
    <message>
        <source>Modifiable [FDD] Version:</source>
        <translation>Änderbare [FDD]-Version:</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Backups of replaced database files in %1, newest first. The chosen one goes back into the file it was taken from; save it to keep it.</source>
        <translation>Sicherungen ersetzter Datenbankdateien in %1, die neueste zuerst. Die gewählte kommt zurück in die Datei, von der sie stammt; speichern Sie sie, um sie zu behalten.</translation>
    </message>
    <message>
        <source>Restore the backup into...</source>
        <translation>Sicherung wiederherstellen in...</translation>
    </message>
    <message>
        <source>not a database file</source>
        <translation>keine Datenbankdatei</translation>
    </message>
    <message>
        <source>Check database</source>
        <translation>Datenbank prüfen</translation>
    </message>
    <message>
        <source>Remove duplicate programs</source>
        <translation>Doppelte Programme entfernen</translation>
    </message>
    <message>
        <source>Delete all empty transponders</source>
        <translation>Alle leeren Transponder löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or later</source>
        <translation>GNU General Public License, Version 3 oder später</translation>
    </message>
    <message>
        <source>Check database...</source>
        <translation>Datenbank prüfen...</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message>
        <source>Order like another file</source>
        <translation>Wie andere Datei ordnen</translation>
    </message>
    <message>
        <source>Move programs</source>
        <translation>Programme verschieben</translation>
    </message>
    <message>
        <source>Programs are matched to the programs of the other file by kind (TV or radio), service id and the frequency of their transponder (within 2 MHz for satellites), then by name. Matched programs take the other file&apos;s order; the others follow in their own order.</source>
        <translation>Programme werden den Programmen der anderen Datei nach Art (TV oder Radio), Service-ID und der Frequenz ihres Transponders (bei Satelliten auf 2 MHz genau) zugeordnet, danach nach dem Namen. Zugeordnete Programme übernehmen die Reihenfolge der anderen Datei; die übrigen folgen in ihrer eigenen Reihenfolge.</translation>
    </message>
    <message>
        <source>Also take the names of the matched programs</source>
        <translation>Auch die Namen der zugeordneten Programme übernehmen</translation>
    </message>
    <message>
        <source>Also take the favourite groups of the matched programs, and the groups&apos; names</source>
        <translation>Auch die Favoritengruppen der zugeordneten Programme und die Namen der Gruppen übernehmen</translation>
    </message>
    <message>
        <source>Export program list</source>
        <translation>Programmliste exportieren</translation>
    </message>
    <message>
        <source>Import program list</source>
        <translation>Programmliste importieren</translation>
    </message>
    <message>
        <source>The program list was not imported:</source>
        <translation>Die Programmliste wurde nicht importiert:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satelliten:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Info:</translation>
    </message>
    <message>
        <source>Transponder:</source>
        <translation>Transponder:</translation>
    </message>
    <message>
        <source>FAV:</source>
        <translation>FAV:</translation>
    </message>
    <message>
        <source>TV Channels:</source>
        <translation>TV-Programme:</translation>
    </message>
    <message>
        <source>Radio Channels:</source>
        <translation>Radioprogramme:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Satellite transponders</source>
        <translation>Satellitentransponder</translation>
    </message>
    <message>
        <source>Transponders of the fullest satellite</source>
        <translation>Transponder des vollsten Satelliten</translation>
    </message>
    <message>
        <source>Terrestrial transponders</source>
        <translation>Terrestrische Transponder</translation>
    </message>
    <message>
        <source>Transponders of the fullest terrestrial group</source>
        <translation>Transponder der vollsten terrestrischen Gruppe</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>TV programs</source>
        <translation>TV-Programme</translation>
    </message>
    <message>
        <source>Radio programs</source>
        <translation>Radioprogramme</translation>
    </message>
    <message>
        <source>Satellite programs on the fullest transponder</source>
        <translation>Satellitenprogramme auf dem vollsten Transponder</translation>
    </message>
    <message>
        <source>Audio tracks</source>
        <translation>Tonspuren</translation>
    </message>
    <message>
        <source>Named favourite groups</source>
        <translation>Benannte Favoritengruppen</translation>
    </message>
    <message>
        <source>Channel Data</source>
        <translation>Kanaldaten</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Find an error, when opening this file,<byte value="xd"/><byte value="xd"/>Maybe it inexistent!</source>
        <translation>Beim Öffnen dieser Datei ist ein Fehler aufgetreten,<byte value="xd"/><byte value="xd"/>vielleicht existiert sie nicht!</translation>
    </message>
    <message>
        <source>File wrong!</source>
        <translation>Datei fehlerhaft!</translation>
    </message>
    <message>
        <source>File CRC wrong!</source>
        <translation>CRC der Datei fehlerhaft!</translation>
    </message>
    <message>
        <source>Decompress Error!</source>
        <translation>Fehler beim Entpacken!</translation>
    </message>
    <message>
        <source>Data too large, can not be saved!</source>
        <translation>Daten zu groß, Speichern nicht möglich!</translation>
    </message>
    <message>
        <source>Find an error, when saving this file,</source>
        <translation>Beim Speichern dieser Datei ist ein Fehler aufgetreten:</translation>
    </message>
    <message>
        <source>Find an error, when opening this file,</source>
        <translation>Beim Öffnen dieser Datei ist ein Fehler aufgetreten:</translation>
    </message>
    <message>
        <source>Find an error, when writing the working copy into this folder,</source>
        <translation>Beim Schreiben der Arbeitskopie in diesen Ordner ist ein Fehler aufgetreten:</translation>
    </message>
    <message>
        <source>Find an error, when backing up the old file into this folder,</source>
        <translation>Beim Sichern der alten Datei in diesen Ordner ist ein Fehler aufgetreten:</translation>
    </message>
    <message>
        <source>The old file was not replaced.</source>
        <translation>Die alte Datei wurde nicht ersetzt.</translation>
    </message>
    <message>
        <source>The Program is free!</source>
        <translation>Frei empfangbar!</translation>
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
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Dezimalzahl</translation>
    </message>
    <message>
        <source>Illegal Data!</source>
        <translation>Ungültige Daten!</translation>
    </message>
    <message>
        <source>Connectting...</source>
        <translation>Verbinden...</translation>
    </message>
    <message>
        <source>Connect failed!</source>
        <translation>Verbindung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Connect Success!</source>
        <translation>Verbindung hergestellt!</translation>
    </message>
    <message>
        <source>Transfer...</source>
        <translation>Übertragung...</translation>
    </message>
    <message>
        <source>Transfer failed!</source>
        <translation>Übertragung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Transfer Success!</source>
        <translation>Übertragung erfolgreich!</translation>
    </message>
    <message>
        <source>Verify...</source>
        <translation>Prüfen...</translation>
    </message>
    <message>
        <source>Verify failed!</source>
        <translation>Prüfung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Verify Success!</source>
        <translation>Prüfung erfolgreich!</translation>
    </message>
    <message>
        <source>Erase flash...</source>
        <translation>Flash löschen...</translation>
    </message>
    <message>
        <source>Erase flash failed!</source>
        <translation>Löschen des Flash fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Erase flash Success!</source>
        <translation>Flash gelöscht!</translation>
    </message>
    <message>
        <source>Program flash...</source>
        <translation>Flash programmieren...</translation>
    </message>
    <message>
        <source>Program flash failed!</source>
        <translation>Programmieren des Flash fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Program flash Success!</source>
        <translation>Flash programmiert!</translation>
    </message>
    <message>
        <source>Erase eeprom Success!</source>
        <translation>EEPROM gelöscht!</translation>
    </message>
    <message>
        <source>Update Success!</source>
        <translation>Aktualisierung erfolgreich!</translation>
    </message>
    <message>
        <source>Update failed!</source>
        <translation>Aktualisierung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Can not open Upload file!</source>
        <translation>Die Datei zum Empfangen kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Can not open Download file!</source>
        <translation>Die Datei zum Senden kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>The Port you selected is used by other application!</source>
        <translation>Der gewählte Anschluss wird von einer anderen Anwendung verwendet!</translation>
    </message>
    <message>
        <source>Transfering:  </source>
        <translation>Übertragung:  </translation>
    </message>
    <message>
        <source>Transfering Data:  </source>
        <translation>Übertragung der Daten:  </translation>
    </message>
    <message>
        <source>Transfering CRC:  </source>
        <translation>Übertragung der CRC:  </translation>
    </message>
    <message>
        <source>The Port you selected (</source>
        <translation>Der gewählte Anschluss (</translation>
    </message>
    <message>
        <source>) can not be opened: permission denied.</source>
        <translation>) kann nicht geöffnet werden: Zugriff verweigert.</translation>
    </message>
    <message>
        <source>Ask for membership of the &quot;dialout&quot; group (sudo usermod -a -G dialout $USER), then log in again.</source>
        <translation>Lassen Sie sich in die Gruppe &quot;dialout&quot; aufnehmen (sudo usermod -a -G dialout $USER) und melden Sie sich dann neu an.</translation>
    </message>
    <message>
        <source>Can not read the file </source>
        <translation>Fehler beim Lesen der Datei </translation>
    </message>
    <message>
        <source>Can not write the file </source>
        <translation>Fehler beim Schreiben der Datei </translation>
    </message>
    <message>
        <source>Communication Settings  (Upgrade Data)</source>
        <translation>Verbindungseinstellungen  (Daten empfangen)</translation>
    </message>
    <message>
        <source>Communication Settings  (Upgrade Default)</source>
        <translation>Verbindungseinstellungen  (Standard empfangen)</translation>
    </message>
    <message>
        <source>Downloading Data</source>
        <translation>Daten senden</translation>
    </message>
    <message>
        <source>Downloading Default</source>
        <translation>Standard senden</translation>
    </message>
    <message>
        <source>Settings  COM:</source>
        <translation>Einstellungen  COM:</translation>
    </message>
    <message>
        <source>Baudrates:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Nonce State:</source>
        <translation>Aktueller Zustand:</translation>
    </message>
    <message>
        <source>No serial port of this system</source>
        <translation>Kein serieller Anschluss dieses Systems</translation>
    </message>
    <message>
        <source>Show ALL Info</source>
        <translation>ALLE Infos zeigen</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Freq</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Pol</translation>
    </message>
    <message>
        <source>Sym</source>
        <translation>SR</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>TV.Name</source>
        <translation>TV-Name</translation>
    </message>
    <message>
        <source>Radio.Name</source>
        <translation>Radio-Name</translation>
    </message>
    <message>
        <source>        Transponder    List</source>
        <translation>        Transponder-Liste</translation>
    </message>
    <message>
        <source>【SAT】:</source>
        <translation>【SAT】:</translation>
    </message>
    <message>
        <source>【TP】:</source>
        <translation>【TP】:</translation>
    </message>
    <message>
        <source>【Program Name】:</source>
        <translation>【Programmname】:</translation>
    </message>
    <message>
        <source>【Vid】:</source>
        <translation>【Video】:</translation>
    </message>
    <message>
        <source>【Aud】:</source>
        <translation>【Audio】:</translation>
    </message>
    <message>
        <source>【PCR】:</source>
        <translation>【PCR】:</translation>
    </message>
    <message>
        <source>【Free】</source>
        <translation>【Frei】</translation>
    </message>
    <message>
        <source>【Encrypt】</source>
        <translation>【Verschl.】</translation>
    </message>
    <message>
        <source>【Lock_Yes】</source>
        <translation>【Gesperrt】</translation>
    </message>
    <message>
        <source>【Lock_Not】</source>
        <translation>【Offen】</translation>
    </message>
    <message>
        <source>【Skip_Yes】</source>
        <translation>【Überspr.】</translation>
    </message>
    <message>
        <source>【Skip_Not】</source>
        <translation>【Sichtbar】</translation>
    </message>
    <message>
        <source>Show active satellites</source>
        <translation>Aktive Satelliten zeigen</translation>
    </message>
    <message>
        <source>Show all satellites</source>
        <translation>Alle Satelliten zeigen</translation>
    </message>
    <message>
        <source>Change Sat data</source>
        <translation>Satellitendaten ändern</translation>
    </message>
    <message>
        <source>View sorted by</source>
        <translation>Sortierung der Ansicht</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>Names(Alphabetic)</source>
        <translation>Namen (alphabetisch)</translation>
    </message>
    <message>
        <source>Change Tp data</source>
        <translation>Transponderdaten ändern</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>TP</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Satellites Tp</source>
        <translation>Satellitentransponder</translation>
    </message>
    <message>
        <source>Terrestrial Tp</source>
        <translation>Terrestrischer Transponder</translation>
    </message>
    <message>
        <source>TV </source>
        <translation>TV </translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Delete Tp</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Delete Satellites Tp</source>
        <translation>Satellitentransponder löschen</translation>
    </message>
    <message>
        <source>Delete Terrestrial Tp</source>
        <translation>Terrestrischen Transponder löschen</translation>
    </message>
    <message>
        <source>Change TV data</source>
        <translation>TV-Daten ändern</translation>
    </message>
    <message>
        <source>New TV</source>
        <translation>Neues TV-Programm</translation>
    </message>
    <message>
        <source>Delete Tv</source>
        <translation>TV-Programm löschen</translation>
    </message>
    <message>
        <source>Change Radio data</source>
        <translation>Radiodaten ändern</translation>
    </message>
    <message>
        <source>New Radio</source>
        <translation>Neues Radioprogramm</translation>
    </message>
    <message>
        <source>Delete Radio</source>
        <translation>Radioprogramm löschen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move to top</source>
        <translation>An den Anfang</translation>
    </message>
    <message>
        <source>Move to bottom</source>
        <translation>An das Ende</translation>
    </message>
    <message>
        <source>Move to number...</source>
        <translation>An Nummer verschieben...</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Nach Namen sortieren</translation>
    </message>
    <message>
        <source>Sort by service id</source>
        <translation>Nach Service-ID sortieren</translation>
    </message>
    <message>
        <source>Delete selected programs</source>
        <translation>Ausgewählte Programme löschen</translation>
    </message>
    <message>
        <source>Order like another file...</source>
        <translation>Wie andere Datei ordnen...</translation>
    </message>
    <message>
        <source>The max number of Transponder is 2,000,<byte value="xd"/><byte value="xd"/>The Transponder can not be added!</source>
        <translation>Es sind höchstens 2.000 Transponder möglich,<byte value="xd"/><byte value="xd"/>der Transponder kann nicht hinzugefügt werden!</translation>
    </message>
    <message>
        <source>The max number of Transponder every Satellite is 150,<byte value="xd"/><byte value="xd"/>So Transponder can not be added on this Satellite!</source>
        <translation>Je Satellit sind höchstens 150 Transponder möglich,<byte value="xd"/><byte value="xd"/>daher kann diesem Satelliten kein Transponder hinzugefügt werden!</translation>
    </message>
    <message>
        <source>The max number of Transponder is 1,000,<byte value="xd"/><byte value="xd"/>The Transponder can not be added!</source>
        <translation>Es sind höchstens 1.000 Transponder möglich,<byte value="xd"/><byte value="xd"/>der Transponder kann nicht hinzugefügt werden!</translation>
    </message>
    <message>
        <source>The max number of Transponder every group is 255,<byte value="xd"/><byte value="xd"/>The Transponder can not be added!</source>
        <translation>Je Gruppe sind höchstens 255 Transponder möglich,<byte value="xd"/><byte value="xd"/>der Transponder kann nicht hinzugefügt werden!</translation>
    </message>
    <message>
        <source>The max number of Program is 4,000,<byte value="xd"/><byte value="xd"/>The Program can not be added!</source>
        <translation>Es sind höchstens 4.000 Programme möglich,<byte value="xd"/><byte value="xd"/>das Programm kann nicht hinzugefügt werden!</translation>
    </message>
    <message>
        <source>The max number of Program every Transponder is 120,<byte value="xd"/><byte value="xd"/>So Program can not be added on this Transponder!</source>
        <translation>Je Transponder sind höchstens 120 Programme möglich,<byte value="xd"/><byte value="xd"/>daher kann diesem Transponder kein Programm hinzugefügt werden!</translation>
    </message>
    <message>
        <source>The data can not be restored after be deleted,<byte value="xd"/><byte value="xd"/>Are you sure to delete this transponder?</source>
        <translation>Gelöschte Daten können nicht wiederhergestellt werden.<byte value="xd"/><byte value="xd"/>Diesen Transponder wirklich löschen?</translation>
    </message>
    <message>
        <source>The data can not be restored after be deleted,<byte value="xd"/><byte value="xd"/>Are you sure to delete these transponder?</source>
        <translation>Gelöschte Daten können nicht wiederhergestellt werden.<byte value="xd"/><byte value="xd"/>Diese Transponder wirklich löschen?</translation>
    </message>
    <message>
        <source>The data can not be restored after be deleted,<byte value="xd"/><byte value="xd"/>Are you sure to delete this program?</source>
        <translation>Gelöschte Daten können nicht wiederhergestellt werden.<byte value="xd"/><byte value="xd"/>Dieses Programm wirklich löschen?</translation>
    </message>
    <message>
        <source>The data can not be restored after be deleted,<byte value="xd"/><byte value="xd"/>Are you sure to delete these programs?</source>
        <translation>Gelöschte Daten können nicht wiederhergestellt werden.<byte value="xd"/><byte value="xd"/>Diese Programme wirklich löschen?</translation>
    </message>
    <message>
        <source>No program matches</source>
        <translation>Kein Programm passt</translation>
    </message>
    <message>
        <source>Wrapped to the first match</source>
        <translation>Wieder beim ersten Treffer</translation>
    </message>
    <message>
        <source>Wrapped to the last match</source>
        <translation>Wieder beim letzten Treffer</translation>
    </message>
    <message>
        <source>&quot; is not a program number on show.</source>
        <translation>&quot; ist keine angezeigte Programmnummer.</translation>
    </message>
    <message>
        <source>Please enter a number from 1 to </source>
        <translation>Erlaubt ist eine Zahl von 1 bis </translation>
    </message>
    <message>
        <source>Settings Files (*.bin);;All File (*)</source>
        <translation>Einstellungsdateien (*.bin);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Terrestrial group </source>
        <translation>Terrestrische Gruppe </translation>
    </message>
    <message>
        <source> TV, </source>
        <translation> TV, </translation>
    </message>
    <message>
        <source> radio</source>
        <translation> Radio</translation>
    </message>
    <message>
        <source>Compare with another file</source>
        <translation>Mit einer anderen Datei vergleichen</translation>
    </message>
</context>
<context>
    <name>orvane::AboutBox</name>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>%1

Licence: %2

Settings file: %3
Working copy: %4
Backups: %5

Qt %6</source>
        <translation>%1

Lizenz: %2

Einstellungsdatei: %3
Arbeitskopie: %4
Sicherungen: %5

Qt %6</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>orvane::AccessibleNames</name>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Terrestrial transponders</source>
        <translation>Terrestrische Transponder</translation>
    </message>
    <message>
        <source>TV programs</source>
        <translation>TV-Programme</translation>
    </message>
    <message>
        <source>Radio programs</source>
        <translation>Radioprogramme</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Favoritengruppen</translation>
    </message>
    <message>
        <source>Information on the current entry</source>
        <translation>Informationen zum aktuellen Eintrag</translation>
    </message>
    <message>
        <source>Open, save, restore and exchange the database; read it from the receiver or write it into the receiver (Alt+F)</source>
        <translation>Datenbank öffnen, speichern, wiederherstellen und austauschen; vom Receiver lesen oder in den Receiver schreiben (Alt+F)</translation>
    </message>
    <message>
        <source>Undo, redo, find and check the database (Alt+E)</source>
        <translation>Rückgängig, Wiederherstellen, Suchen und Datenbank prüfen (Alt+E)</translation>
    </message>
    <message>
        <source>The manual and the program&apos;s version (Alt+H)</source>
        <translation>Das Handbuch und die Version des Programms (Alt+H)</translation>
    </message>
    <message>
        <source>Close the program (Alt+X)</source>
        <translation>Das Programm beenden (Alt+X)</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Transponders of %1</source>
        <translation>Transponder von %1</translation>
    </message>
</context>
<context>
    <name>orvane::BackupRestoreCommand</name>
    <message>
        <source>Restore a backup...</source>
        <translation>Sicherung wiederherstellen...</translation>
    </message>
</context>
<context>
    <name>orvane::CheckFindingsModel</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Satellite transponders</source>
        <translation>Satellitentransponder</translation>
    </message>
    <message>
        <source>Terrestrial transponders</source>
        <translation>Terrestrische Transponder</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Audio tracks</source>
        <translation>Tonspuren</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Favoritengruppen</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>Anzahlen</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%n error</source>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning</source>
        <translation>
            <numerusform>%n Warnung</numerusform>
            <numerusform>%n Warnungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n Warnung</numerusform>
            <numerusform>%n Warnungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n information</source>
        <translation>
            <numerusform>%n Information</numerusform>
            <numerusform>%n Informationen</numerusform>
        </translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Schweregrad</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>orvane::CheckWindow</name>
    <message numerus="yes">
        <source>Remove %n duplicate program</source>
        <translation>
            <numerusform>%n doppeltes Programm entfernen</numerusform>
            <numerusform>%n doppelte Programme entfernen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n duplicate programs</source>
        <translation>
            <numerusform>%n doppeltes Programm entfernen</numerusform>
            <numerusform>%n doppelte Programme entfernen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n empty transponder</source>
        <translation>
            <numerusform>%n leeren Transponder löschen</numerusform>
            <numerusform>%n leere Transponder löschen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n empty transponders</source>
        <translation>
            <numerusform>%n leeren Transponder löschen</numerusform>
            <numerusform>%n leere Transponder löschen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n duplicate program? The first program of each group stays.</source>
        <translation>
            <numerusform>%n doppeltes Programm entfernen? Das erste Programm jeder Gruppe bleibt.</numerusform>
            <numerusform>%n doppelte Programme entfernen? Das erste Programm jeder Gruppe bleibt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n duplicate programs? The first program of each group stays.</source>
        <translation>
            <numerusform>%n doppeltes Programm entfernen? Das erste Programm jeder Gruppe bleibt.</numerusform>
            <numerusform>%n doppelte Programme entfernen? Das erste Programm jeder Gruppe bleibt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n empty transponder?</source>
        <translation>
            <numerusform>%n leeren Transponder löschen?</numerusform>
            <numerusform>%n leere Transponder löschen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n empty transponders of every satellite and terrestrial group?</source>
        <translation>
            <numerusform>%n leeren Transponder aller Satelliten und terrestrischen Gruppen löschen?</numerusform>
            <numerusform>%n leere Transponder aller Satelliten und terrestrischen Gruppen löschen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orvane::CompareCommands</name>
    <message>
        <source>Compare with another file...</source>
        <translation>Mit einer anderen Datei vergleichen...</translation>
    </message>
</context>
<context>
    <name>orvane::CompareWindow</name>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Satellite transponders</source>
        <translation>Satellitentransponder</translation>
    </message>
    <message>
        <source>Terrestrial transponders</source>
        <translation>Terrestrische Transponder</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Favoritengruppen</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Hinzugefügt</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Entfernt</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Verschoben</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 changed, %4 moved</source>
        <translation>%1 hinzugefügt, %2 entfernt, %3 geändert, %4 verschoben</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Alle Änderungen</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Anzeigen:</translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
    <message>
        <source>What the open database changes relative to %1:</source>
        <translation>Was die geöffnete Datenbank gegenüber %1 ändert:</translation>
    </message>
</context>
<context>
    <name>orvane::DesktopShortcuts</name>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
</context>
<context>
    <name>orvane::FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Name, service id, PID or frequency</source>
        <translation>Name, Service-ID, PID oder Frequenz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>orvane::GridModel</name>
    <message>
        <source>The entry&apos;s number in the list</source>
        <translation>Die Nummer des Eintrags in der Liste</translation>
    </message>
    <message>
        <source>$ marks a scrambled program</source>
        <translation>$ kennzeichnet ein verschlüsseltes Programm</translation>
    </message>
</context>
<context>
    <name>orvane::HistoryCommands</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>orvane::NameCharsetCommands</name>
    <message>
        <source>Character set of names</source>
        <translation>Zeichensatz der Namen</translation>
    </message>
    <message>
        <source>Use it</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Keep Latin-1</source>
        <translation>Latin-1 behalten</translation>
    </message>
    <message>
        <source>This system has no converter for the character set %1.</source>
        <translation>Dieses System hat keinen Konverter für den Zeichensatz %1.</translation>
    </message>
    <message>
        <source>Names look like %1 (%2).</source>
        <translation>Die Namen sehen nach %1 (%2) aus.</translation>
    </message>
</context>
<context>
    <name>orvane::OrderCommands</name>
    <message>
        <source>Number (1 to %1):</source>
        <translation>Nummer (1 bis %1):</translation>
    </message>
</context>
<context>
    <name>orvane::ProgramListCommands</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export program list...</source>
        <translation>Programmliste exportieren...</translation>
    </message>
    <message>
        <source>Import program list...</source>
        <translation>Programmliste importieren...</translation>
    </message>
</context>
<context>
    <name>orvane::TFormEditFAV</name>
    <message>
        <source>Change favor name</source>
        <translation>Favoritennamen ändern</translation>
    </message>
    <message>
        <source>FAV.Name</source>
        <translation>FAV-Name</translation>
    </message>
</context>
<context>
    <name>orvane::TFormEditLnb</name>
    <message>
        <source>Change data</source>
        <translation>Daten ändern</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Low Freq</source>
        <translation>Untere Freq.</translation>
    </message>
    <message>
        <source>High Freq</source>
        <translation>Obere Freq.</translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation>LNB-Versorgung</translation>
    </message>
    <message>
        <source>22kHZ</source>
        <translation>22 kHz</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>12V</source>
        <translation>12 V</translation>
    </message>
    <message>
        <source>Information (Min --&gt; Max)</source>
        <translation>Information (Min --&gt; Max)</translation>
    </message>
    <message>
        <source>Longitude: (0..360)         Low and High: (0..30000) </source>
        <translation>Längengrad: (0..360)         Untere und obere: (0..30000) </translation>
    </message>
    <message>
        <source>Frequency: (2000..12750)Symbolrate: (2000..45000)</source>
        <translation>Frequenz: (2000..12750)  Symbolrate: (2000..45000)</translation>
    </message>
</context>
<context>
    <name>orvane::TFormEditProg</name>
    <message>
        <source>All PID         : (area:0 --&gt; 8191)</source>
        <translation>Alle PID         : (Bereich: 0 --&gt; 8191)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Pcr PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>Pvt PID</source>
        <translation>Privat-PID</translation>
    </message>
    <message>
        <source>Vid PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Aud PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>Pmt PID</source>
        <translation>PMT-PID</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>FAV</source>
        <translation>FAV</translation>
    </message>
    <message>
        <source>CA System</source>
        <translation>CA-System</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>BandWidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Addition channel data</source>
        <translation>Kanaldaten hinzufügen</translation>
    </message>
    <message>
        <source>Change channel data</source>
        <translation>Kanaldaten ändern</translation>
    </message>
</context>
<context>
    <name>orvane::TFormMain</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestrisch</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Last Files</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Read from receiver</source>
        <translation>Vom Receiver lesen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Save To Channel Data</source>
        <translation>Als Kanaldaten speichern</translation>
    </message>
    <message>
        <source>Save To Default</source>
        <translation>Als Standard speichern</translation>
    </message>
    <message>
        <source>Write into receiver</source>
        <translation>In den Receiver schreiben</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>orvane::TForm_Edit_S_TP</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Frequency:[Min -&gt; Max](2000 - -&gt; 12750)</source>
        <translation>Frequenz:[Min -&gt; Max](2000 - -&gt; 12750)</translation>
    </message>
    <message>
        <source>Symbolrate[Min -&gt; Max](2000 - -&gt; 45000)</source>
        <translation>Symbolrate[Min -&gt; Max](2000 - -&gt; 45000)</translation>
    </message>
</context>
<context>
    <name>orvane::TForm_Edit_T_TP</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>BandWidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Frequency:(area: 50000 -&gt; 1000000)</source>
        <translation>Frequenz:(Bereich: 50000 -&gt; 1000000)</translation>
    </message>
</context>
<context>
    <name>orvane::TpDialogFrame</name>
    <message>
        <source>Addition transponder data</source>
        <translation>Transponderdaten hinzufügen</translation>
    </message>
    <message>
        <source>Change transponder data</source>
        <translation>Transponderdaten ändern</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
</TS>
