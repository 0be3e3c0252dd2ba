<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FileCommands</name>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of last files can not be stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The database has %n error. Write into the receiver anyway?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The database has %n errors. Write into the receiver anyway?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Orvane</name>
    <message>
        <source>File is being opened now. Please wait......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File is being save now. Please wait......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting not saved, exit anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting not saved, open another file anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has existed, are you sure to cover it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open The File Name:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FileName:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifiable [FDD] Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups of replaced database files in %1, newest first. The chosen one goes back into the file it was taken from; save it to keep it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the backup into...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a database file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove duplicate programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all empty transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order like another file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs are matched to the programs of the other file by kind (TV or radio), service id and the frequency of their transponder (within 2 MHz for satellites), then by name. Matched programs take the other file&apos;s order; the others follow in their own order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also take the names of the matched programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also take the favourite groups of the matched programs, and the groups&apos; names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export program list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import program list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program list was not imported:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAV:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Channels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Channels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponders of the fullest satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terrestrial transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponders of the fullest terrestrial group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite programs on the fullest transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Named favourite groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find an error, when opening this file,<byte value="xd"/><byte value="xd"/>Maybe it inexistent!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File wrong!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File CRC wrong!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decompress Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data too large, can not be saved!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find an error, when saving this file,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find an error, when opening this file,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find an error, when writing the working copy into this folder,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find an error, when backing up the old file into this folder,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The old file was not replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Program is free!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illegal Data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connectting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer Success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify Success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase flash...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase flash failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase flash Success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program flash...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program flash failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program flash Success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase eeprom Success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not open Upload file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not open Download file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Port you selected is used by other application!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfering:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfering Data:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfering CRC:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Port you selected (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>) can not be opened: permission denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask for membership of the &quot;dialout&quot; group (sudo usermod -a -G dialout $USER), then log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not read the file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not write the file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Settings  (Upgrade Data)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Settings  (Upgrade Default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings  COM:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrates:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nonce State:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port of this system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show ALL Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sym</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV.Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio.Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        Transponder    List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【SAT】:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【TP】:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【Program Name】:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【Vid】:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【Aud】:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【PCR】:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【Free】</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【Encrypt】</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【Lock_Yes】</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【Lock_Not】</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【Skip_Yes】</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【Skip_Not】</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show active satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Sat data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View sorted by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names(Alphabetic)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Tp data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites Tp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terrestrial Tp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Tp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Satellites Tp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Terrestrial Tp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change TV data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Tv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Radio data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to number...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by service id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order like another file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The max number of Transponder is 2,000,<byte value="xd"/><byte value="xd"/>The Transponder can not be added!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The max number of Transponder every Satellite is 150,<byte value="xd"/><byte value="xd"/>So Transponder can not be added on this Satellite!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The max number of Transponder is 1,000,<byte value="xd"/><byte value="xd"/>The Transponder can not be added!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The max number of Transponder every group is 255,<byte value="xd"/><byte value="xd"/>The Transponder can not be added!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The max number of Program is 4,000,<byte value="xd"/><byte value="xd"/>The Program can not be added!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The max number of Program every Transponder is 120,<byte value="xd"/><byte value="xd"/>So Program can not be added on this Transponder!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data can not be restored after be deleted,<byte value="xd"/><byte value="xd"/>Are you sure to delete this transponder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data can not be restored after be deleted,<byte value="xd"/><byte value="xd"/>Are you sure to delete these transponder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data can not be restored after be deleted,<byte value="xd"/><byte value="xd"/>Are you sure to delete this program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data can not be restored after be deleted,<byte value="xd"/><byte value="xd"/>Are you sure to delete these programs?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrapped to the first match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrapped to the last match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot; is not a program number on show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a number from 1 to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings Files (*.bin);;All File (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::AboutBox</name>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Licence: %2

Settings file: %3
Working copy: %4
Backups: %5

Qt %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::AccessibleNames</name>
    <message>
        <source>Satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terrestrial transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information on the current entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open, save, restore and exchange the database; read it from the receiver or write it into the receiver (Alt+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo, redo, find and check the database (Alt+E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The manual and the program&apos;s version (Alt+H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the program (Alt+X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponders of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::BackupRestoreCommand</name>
    <message>
        <source>Restore a backup...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::CheckFindingsModel</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terrestrial transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n error</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n information</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Severity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::CheckWindow</name>
    <message numerus="yes">
        <source>Remove %n duplicate program</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n duplicate programs</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n empty transponder</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n empty transponders</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n duplicate program? The first program of each group stays.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n duplicate programs? The first program of each group stays.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n empty transponder?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n empty transponders of every satellite and terrestrial group?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orvane::DesktopShortcuts</name>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::FindBar</name>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name, service id, PID or frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::GridModel</name>
    <message>
        <source>The entry&apos;s number in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$ marks a scrambled program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::HistoryCommands</name>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::OrderCommands</name>
    <message>
        <source>Number (1 to %1):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::ProgramListCommands</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export program list...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import program list...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::TFormEditFAV</name>
    <message>
        <source>Change favor name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAV.Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::TFormEditLnb</name>
    <message>
        <source>Change data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Freq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Freq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22kHZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information (Min --&gt; Max)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude: (0..360)         Low and High: (0..30000) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency: (2000..12750)Symbolrate: (2000..45000)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::TFormEditProg</name>
    <message>
        <source>All PID         : (area:0 --&gt; 8191)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pcr PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pvt PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vid PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aud PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pmt PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CA System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BandWidth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition channel data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change channel data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::TFormMain</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save To Channel Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save To Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write into receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::TForm_Edit_S_TP</name>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency:[Min -&gt; Max](2000 - -&gt; 12750)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbolrate[Min -&gt; Max](2000 - -&gt; 45000)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::TForm_Edit_T_TP</name>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BandWidth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency:(area: 50000 -&gt; 1000000)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::TpDialogFrame</name>
    <message>
        <source>Addition transponder data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change transponder data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
