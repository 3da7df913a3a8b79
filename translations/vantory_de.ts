<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Form1</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Shortcuts To Applications, Folders, URLs or E-mail Addresses</source>
        <translation>Verknüpfungen zu Programmen, Ordnern, Webadressen oder E-Mail-Adressen</translation>
    </message>
    <message>
        <source>Launch Selected (Ctrl+L)</source>
        <translation>Auswahl starten (Strg+L)</translation>
    </message>
    <message>
        <source>Add Shortcut By EXE</source>
        <translation>Programm hinzufügen</translation>
    </message>
    <message>
        <source>Add Shortcut By .lnk</source>
        <translation>Aus Starter hinzufügen</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Edit Selected</source>
        <translation>Auswahl bearbeiten</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Add Group</source>
        <translation>Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>Group Name:</source>
        <translation>Gruppenname:</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Background Image:</source>
        <translation>Hintergrundbild:</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Select Background Image</source>
        <translation>Hintergrundbild auswählen</translation>
    </message>
    <message>
        <source>Group Text Color:</source>
        <translation>Textfarbe der Gruppe:</translation>
    </message>
    <message>
        <source>Group Text Color</source>
        <translation>Textfarbe der Gruppe</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Farbe auswählen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Add Shortcut</source>
        <translation>Verknüpfung hinzufügen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Shortcut type</source>
        <translation>Art der Verknüpfung</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Beschriftung:</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Folder Path:</source>
        <translation>Ordnerpfad:</translation>
    </message>
    <message>
        <source>Folder Path</source>
        <translation>Ordnerpfad</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Application Parameters:</source>
        <translation>Programmparameter:</translation>
    </message>
    <message>
        <source>Application Parameters</source>
        <translation>Programmparameter</translation>
    </message>
    <message>
        <source>Open As:</source>
        <translation>Öffnen als:</translation>
    </message>
    <message>
        <source>Open As</source>
        <translation>Öffnen als</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Farbe auswählen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Add Shortcut</source>
        <translation>Verknüpfung hinzufügen</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Beschriftung:</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Folder Path:</source>
        <translation>Ordnerpfad:</translation>
    </message>
    <message>
        <source>Folder Path</source>
        <translation>Ordnerpfad</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Farbe auswählen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Vantory</name>
    <message>
        <source>Select Application Shortcut File</source>
        <translation>Starter auswählen</translation>
    </message>
    <message>
        <source>Application Shortcut Files (*.lnk)|*.lnk|</source>
        <translation>Starter (*.lnk)|*.lnk|</translation>
    </message>
    <message>
        <source>Please select Categories</source>
        <translation>Bitte wählen Sie eine Kategorie aus.</translation>
    </message>
    <message>
        <source>You must select a group first to add.</source>
        <translation>Wählen Sie zuerst eine Gruppe aus, in die hinzugefügt werden soll.</translation>
    </message>
    <message>
        <source>Cannot add in the root group.</source>
        <translation>In die oberste Gruppe kann nichts hinzugefügt werden.</translation>
    </message>
    <message>
        <source>You must select a group first to delete item.</source>
        <translation>Wählen Sie zuerst eine Gruppe aus, um einen Eintrag zu löschen.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete Application</source>
        <translation>Verknüpfung löschen</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Minimized</source>
        <translation>Minimiert</translation>
    </message>
    <message>
        <source>Maximized</source>
        <translation>Maximiert</translation>
    </message>
    <message>
        <source>Folder Path:</source>
        <translation>Ordnerpfad:</translation>
    </message>
    <message>
        <source>File Path:</source>
        <translation>Dateipfad:</translation>
    </message>
    <message>
        <source>URL Address:</source>
        <translation>Webadresse:</translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Select Application File</source>
        <translation>Programmdatei auswählen</translation>
    </message>
    <message>
        <source>Application Files (*.exe)|*.exe|</source>
        <translation>Programme (*.exe)|*.exe|</translation>
    </message>
    <message>
        <source>Field input too long.</source>
        <translation>Die Eingabe ist zu lang.</translation>
    </message>
    <message>
        <source>Please enter Caption</source>
        <translation>Bitte geben Sie eine Beschriftung ein.</translation>
    </message>
    <message>
        <source>Please enter Folder Path</source>
        <translation>Bitte geben Sie einen Ordnerpfad ein.</translation>
    </message>
    <message>
        <source>Please do not use quote marks.</source>
        <translation>Bitte verwenden Sie keine Anführungszeichen.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Verknüpfung bearbeiten</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Farbe auswählen</translation>
    </message>
    <message>
        <source>Caption already exists in [%1] group.</source>
        <translation>Die Beschriftung gibt es in der Gruppe [%1] bereits.</translation>
    </message>
    <message>
        <source>Caption already exists.</source>
        <translation>Die Beschriftung gibt es bereits.</translation>
    </message>
    <message>
        <source>Always launch this entry</source>
        <translation>Diesen Starter immer ausführen</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The file %1 already exists.</source>
        <translation>Die Datei %1 existiert bereits.</translation>
    </message>
    <message>
        <source>The file %1 could not be copied to %2: %3</source>
        <translation>Die Datei %1 konnte nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Die Datei %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file or folder &quot;%1&quot; could not be found.</source>
        <translation>Die Datei oder der Ordner „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid address.</source>
        <translation>„%1“ ist keine gültige Adresse.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a file nor a folder, so Vantory does not open it.</source>
        <translation>„%1“ ist weder eine Datei noch ein Ordner, daher öffnet Vantory es nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a program.</source>
        <translation>„%1“ ist ein Ordner, kein Programm.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a program, not a web address, so Vantory does not start it.</source>
        <translation>„%1“ ist ein Programm, keine Webadresse, daher startet Vantory es nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a file on another computer, so Vantory does not open it.</source>
        <translation>„%1“ bezeichnet eine Datei auf einem anderen Rechner, daher öffnet Vantory sie nicht.</translation>
    </message>
    <message>
        <source>Vantory does not start &quot;%1&quot; because its parameters cannot be split into arguments: %2</source>
        <translation>Vantory startet „%1“ nicht, weil sich seine Parameter nicht in Argumente zerlegen lassen: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address. Vantory opens addresses that start with http, https or ftp.</source>
        <translation>„%1“ ist keine Webadresse. Vantory öffnet Adressen, die mit http, https oder ftp beginnen.</translation>
    </message>
    <message>
        <source>There is nothing to open: no file, folder or address was given.</source>
        <translation>Es gibt nichts zu öffnen: Es wurde keine Datei, kein Ordner und keine Adresse angegeben.</translation>
    </message>
    <message>
        <source>Find a shortcut</source>
        <translation>Verknüpfung suchen</translation>
    </message>
    <message>
        <source>Shortcuts found</source>
        <translation>Gefundene Verknüpfungen</translation>
    </message>
    <message>
        <source>No shortcut matches.</source>
        <translation>Keine Verknüpfung passt.</translation>
    </message>
    <message>
        <source>1 shortcut found</source>
        <translation>1 Verknüpfung gefunden</translation>
    </message>
    <message>
        <source>%1 shortcuts found</source>
        <translation>%1 Verknüpfungen gefunden</translation>
    </message>
    <message>
        <source>Database file does not exist. Please contact author for more info.</source>
        <translation>Die Datenbankdatei existiert nicht. Bitte wenden Sie sich für weitere Informationen an den Autor.</translation>
    </message>
    <message>
        <source>The catalogue %1 is not a regular file, so Vantory cannot open it. Move it out of the way and start Vantory again.</source>
        <translation>Der Katalog %1 ist keine reguläre Datei, daher kann Vantory ihn nicht öffnen. Verschieben Sie ihn an einen anderen Ort und starten Sie Vantory erneut.</translation>
    </message>
    <message>
        <source>Vantory could not back up the catalogue into %1.

%2

The catalogue itself is unchanged.</source>
        <translation>Vantory konnte den Katalog nicht nach %1 sichern.

%2

Der Katalog selbst ist unverändert.</translation>
    </message>
    <message>
        <source>

Vantory shows what can still be read.

</source>
        <translation>

Vantory zeigt an, was sich noch lesen lässt.

</translation>
    </message>
    <message>
        <source>There is no sound backup of the catalogue in %1.</source>
        <translation>In %1 gibt es keine intakte Sicherung des Katalogs.</translation>
    </message>
    <message>
        <source>The newest sound backup is %1.

Restore it now? The damaged catalogue is kept beside the backups.</source>
        <translation>Die neueste intakte Sicherung ist %1.

Jetzt wiederherstellen? Der beschädigte Katalog wird neben den Sicherungen aufbewahrt.</translation>
    </message>
    <message>
        <source>The backup %1 has been restored.</source>
        <translation>Die Sicherung %1 wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source> The catalogue as it was is kept as %1.</source>
        <translation> Der bisherige Katalog wird als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot;</source>
        <translation>Die Kategorie „%1“</translation>
    </message>
    <message>
        <source>The shortcut &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>Die Verknüpfung „%1“ in „%2“</translation>
    </message>
    <message>
        <source>%1, which was not readable text, is now &quot;%2&quot;.</source>
        <translation>%1, kein lesbarer Text, heißt jetzt „%2“.</translation>
    </message>
    <message>
        <source>%1 is now &quot;%2&quot;.</source>
        <translation>%1 heißt jetzt „%2“.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… und %1 weitere.</translation>
    </message>
    <message>
        <source>Some names in the catalogue could not be told apart, or were not readable text, so Vantory renamed them. The catalogue as it was is backed up as %1.

%2</source>
        <translation>Einige Namen im Katalog waren nicht voneinander zu unterscheiden oder kein lesbarer Text, daher hat Vantory sie umbenannt. Der bisherige Katalog ist als %1 gesichert.

%2</translation>
    </message>
    <message>
        <source>Vantory could not rename the names in the catalogue that cannot be told apart.

%1

The catalogue is unchanged.</source>
        <translation>Vantory konnte die nicht unterscheidbaren Namen im Katalog nicht umbenennen.

%1

Der Katalog ist unverändert.</translation>
    </message>
    <message>
        <source>in %1 at line %2</source>
        <translation>in %1 in Zeile %2</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Programmfehler</translation>
    </message>
    <message>
        <source>Red %1, green %2, blue %3</source>
        <translation>Rot %1, Grün %2, Blau %3</translation>
    </message>
    <message>
        <source>Group Name already exists.</source>
        <translation>Den Gruppennamen gibt es bereits.</translation>
    </message>
    <message>
        <source>Please input Group Name</source>
        <translation>Bitte geben Sie einen Gruppennamen ein.</translation>
    </message>
    <message>
        <source>You must select a group to edit.</source>
        <translation>Wählen Sie eine Gruppe aus, die bearbeitet werden soll.</translation>
    </message>
    <message>
        <source>Cannot edit the selected root group</source>
        <translation>Die oberste Gruppe kann nicht bearbeitet werden.</translation>
    </message>
    <message>
        <source>You must select a group to delete.</source>
        <translation>Wählen Sie eine Gruppe aus, die gelöscht werden soll.</translation>
    </message>
    <message>
        <source>You cannot delete the selected root group.</source>
        <translation>Die oberste Gruppe kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Gruppe bearbeiten</translation>
    </message>
    <message>
        <source>Select Background Image</source>
        <translation>Hintergrundbild auswählen</translation>
    </message>
    <message>
        <source>Picture Files (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|</source>
        <translation>Bilddateien (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|</translation>
    </message>
    <message>
        <source>Path does not exists.<byte value="xd"/>
Please check the path.</source>
        <translation>Der Pfad existiert nicht.<byte value="xd"/>
Bitte überprüfen Sie den Pfad.</translation>
    </message>
    <message>
        <source>File does not exists.<byte value="xd"/>
Please check the file path.</source>
        <translation>Die Datei existiert nicht.<byte value="xd"/>
Bitte überprüfen Sie den Dateipfad.</translation>
    </message>
    <message>
        <source>Vantory cannot read the catalogue %1.

The newest sound backup is %2.

Restore it now? The catalogue as it is now is kept beside the backups.</source>
        <translation>Vantory kann den Katalog %1 nicht lesen.

Die neueste intakte Sicherung ist %2.

Jetzt wiederherstellen? Der Katalog, wie er jetzt ist, wird neben den Sicherungen aufbewahrt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a desktop entry that is not installed on this computer. It starts this program:</source>
        <translation>„%1“ ist ein Starter, der auf diesem Rechner nicht installiert ist. Er startet dieses Programm:</translation>
    </message>
    <message>
        <source>Launch it only if you trust where it came from.</source>
        <translation>Starten Sie ihn nur, wenn Sie seiner Herkunft vertrauen.</translation>
    </message>
    <message>
        <source>the program %1 that the entry needs (TryExec) is not installed</source>
        <translation>das Programm %1, das der Starter braucht (TryExec), ist nicht installiert</translation>
    </message>
    <message>
        <source>the entry names no command (Exec)</source>
        <translation>der Starter nennt keinen Befehl (Exec)</translation>
    </message>
    <message>
        <source>its command (Exec) cannot be split into words with the parameters in it: %1</source>
        <translation>sein Befehl (Exec) lässt sich mit den Parametern darin nicht in Wörter zerlegen: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; asks the mail program to attach a file, so Vantory does not open it.</source>
        <translation>„%1“ lässt das E-Mail-Programm eine Datei anhängen, daher öffnet Vantory es nicht.</translation>
    </message>
    <message>
        <source>Keep in Step with a Folder…</source>
        <translation>Über einen Ordner abgleichen…</translation>
    </message>
    <message>
        <source>Keep in Step with a Folder</source>
        <translation>Über einen Ordner abgleichen</translation>
    </message>
    <message>
        <source>Stop Keeping in Step</source>
        <translation>Abgleich beenden</translation>
    </message>
    <message>
        <source>The settings cannot be saved.</source>
        <translation>Die Einstellungen können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Kept in step through %1; not merged yet.</source>
        <translation>Abgeglichen über %1; noch nicht zusammengeführt.</translation>
    </message>
    <message>
        <source>Kept in step through %1. Last merged %2; no other computer has written there yet.</source>
        <translation>Abgeglichen über %1. Zuletzt zusammengeführt %2; noch kein anderer Computer hat dort geschrieben.</translation>
    </message>
    <message>
        <source>Kept in step through %1. Last merged %2 with %3.</source>
        <translation>Abgeglichen über %1. Zuletzt zusammengeführt %2 mit %3.</translation>
    </message>
    <message>
        <source>The folder %1, through which Vantory keeps the catalogue in step, is not there. Nothing was merged.</source>
        <translation>Der Ordner %1, über den Vantory den Katalog abgleicht, ist nicht vorhanden. Nichts wurde zusammengeführt.</translation>
    </message>
    <message>
        <source>Vantory could not merge the catalogue with %1.

%2</source>
        <translation>Vantory konnte den Katalog nicht mit %1 zusammenführen.

%2</translation>
    </message>
    <message>
        <source>%1 comes from a newer Vantory and was not read. Update Vantory on this computer to merge it.</source>
        <translation>%1 stammt von einem neueren Vantory und wurde nicht gelesen. Aktualisieren Sie Vantory auf diesem Computer, um die Datei abzugleichen.</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged and was not read; nothing was taken from it.</source>
        <translation>%1 ist unvollständig oder beschädigt und wurde nicht gelesen; nichts wurde daraus übernommen.</translation>
    </message>
    <message>
        <source>%1 cannot be read and was skipped.</source>
        <translation>%1 kann nicht gelesen werden und wurde übersprungen.</translation>
    </message>
    <message>
        <source>Vantory could not start &quot;%1&quot;.</source>
        <translation>Vantory konnte „%1“ nicht starten.</translation>
    </message>
    <message>
        <source>Vantory could not start &quot;%1&quot;: %2</source>
        <translation>Vantory konnte „%1“ nicht starten: %2</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1&quot;.</source>
        <translation>Keine Anwendung ist zum Öffnen von „%1“ eingerichtet.</translation>
    </message>
    <message>
        <source>Vantory could not read the desktop entry &quot;%1&quot;.</source>
        <translation>Vantory konnte den Desktop-Eintrag „%1“ nicht lesen.</translation>
    </message>
    <message>
        <source>it is not a desktop entry that describes an application</source>
        <translation>es ist kein Desktop-Eintrag, der eine Anwendung beschreibt</translation>
    </message>
    <message>
        <source>the application could not be started</source>
        <translation>die Anwendung konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the desktop&apos;s application launcher could not be loaded: %1</source>
        <translation>der Anwendungsstarter des Desktops konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>the desktop&apos;s application launcher lacks %1</source>
        <translation>dem Anwendungsstarter des Desktops fehlt %1</translation>
    </message>
    <message>
        <source>One more value in this category is not a number either.</source>
        <translation>Ein weiterer Wert dieser Kategorie ist ebenfalls keine Zahl.</translation>
    </message>
    <message>
        <source>%1 more values in this category are not numbers either.</source>
        <translation>%1 weitere Werte dieser Kategorie sind ebenfalls keine Zahlen.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is shown in the default colour. %2</source>
        <translation>Die Kategorie „%1“ wird in der Standardfarbe angezeigt. %2</translation>
    </message>
    <message>
        <source>One more category is shown in the default colour too.</source>
        <translation>Eine weitere Kategorie wird ebenfalls in der Standardfarbe angezeigt.</translation>
    </message>
    <message>
        <source>%1 more categories are shown in the default colour too.</source>
        <translation>%1 weitere Kategorien werden ebenfalls in der Standardfarbe angezeigt.</translation>
    </message>
    <message>
        <source>The picture %1 could not be loaded: %2</source>
        <translation>Das Bild %1 konnte nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>The pointer file %1 could not be loaded.</source>
        <translation>Die Zeigerdatei %1 konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Vantory could not add the installed applications.

%1

The catalogue is unchanged.</source>
        <translation>Vantory konnte die installierten Anwendungen nicht hinzufügen.

%1

Der Katalog ist unverändert.</translation>
    </message>
    <message>
        <source>Vantory could not back up the catalogue into %1.

%2</source>
        <translation>Vantory konnte den Katalog nicht nach %1 sichern.

%2</translation>
    </message>
    <message>
        <source>Sound &amp; Video</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Entwicklung</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Bildung</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Office</source>
        <translation>Büro</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Wissenschaft</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>System Tools</source>
        <translation>Systemwerkzeuge</translation>
    </message>
    <message>
        <source>Accessories</source>
        <translation>Zubehör</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be changed now.</source>
        <translation>Der Katalog %1 kann jetzt nicht geändert werden.</translation>
    </message>
    <message>
        <source>Nothing was added: every application of the desktop&apos;s menu is already in the catalogue.</source>
        <translation>Nichts wurde hinzugefügt, denn jede Anwendung aus dem Menü der Arbeitsumgebung ist schon im Katalog.</translation>
    </message>
    <message>
        <source>%1 applications were added to the catalogue %2.</source>
        <translation>%1 Anwendungen wurden dem Katalog %2 hinzugefügt.</translation>
    </message>
    <message>
        <source>Vantory is running. Add the installed applications from the menu of the computer&apos;s name in its tree, or close it and try again. Nothing was changed.</source>
        <translation>Vantory läuft. Fügen Sie die installierten Anwendungen über das Menü des Computernamens in seinem Baum hinzu, oder schließen Sie es und versuchen Sie es erneut. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Add Installed Applications…</source>
        <translation>Installierte Anwendungen hinzufügen…</translation>
    </message>
    <message>
        <source>Add Installed Applications</source>
        <translation>Installierte Anwendungen hinzufügen</translation>
    </message>
    <message>
        <source>Reading the installed applications…</source>
        <translation>Die installierten Anwendungen werden gelesen…</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>New applications</source>
        <translation>Neue Anwendungen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The desktop&apos;s menu lists no applications.</source>
        <translation>Das Menü der Arbeitsumgebung enthält keine Anwendungen.</translation>
    </message>
    <message>
        <source>Every application of the desktop&apos;s menu is already in the catalogue.</source>
        <translation>Jede Anwendung aus dem Menü der Arbeitsumgebung ist schon im Katalog.</translation>
    </message>
    <message>
        <source>Choose the menu categories to add. Each becomes a category of the catalogue, with a shortcut to each application it does not hold yet.</source>
        <translation>Wählen Sie die Menükategorien, die hinzukommen sollen. Jede wird eine Kategorie des Katalogs, mit einer Verknüpfung zu jeder Anwendung, die er noch nicht enthält.</translation>
    </message>
    <message>
        <source>Find a Shortcut</source>
        <translation>Verknüpfung suchen</translation>
    </message>
    <message>
        <source>Vantory gave up waiting for &quot;%1&quot;: the disk or network folder that holds it did not answer in time. Nothing was opened.</source>
        <translation>Vantory hat das Warten auf „%1“ aufgegeben: Der Datenträger oder Netzwerkordner, auf dem es liegt, hat nicht rechtzeitig geantwortet. Es wurde nichts geöffnet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a symbolic link. Vantory does not write through links, so it leaves the file alone and keeps what belongs there only until it closes.</source>
        <translation>„%1“ ist eine symbolische Verknüpfung. Vantory schreibt nicht durch Verknüpfungen, lässt die Datei daher unverändert und behält, was dort hingehört, nur bis zum Beenden.</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>sie ist zu groß</translation>
    </message>
    <message>
        <source>The catalogue file %1 is read-only. Vantory shows it, but cannot save changes.</source>
        <translation>Die Katalogdatei %1 ist schreibgeschützt. Vantory zeigt sie an, kann aber keine Änderungen speichern.</translation>
    </message>
    <message>
        <source>The folder %1 that holds the catalogue is read-only. Vantory shows the catalogue, but cannot save changes.</source>
        <translation>Der Ordner %1 mit dem Katalog ist schreibgeschützt. Vantory zeigt den Katalog an, kann aber keine Änderungen speichern.</translation>
    </message>
    <message>
        <source>The shortcuts cannot be read: %1.</source>
        <translation>Die Verknüpfungen können nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The catalogue could not be backed up to %1: %2.</source>
        <translation>Der Katalog konnte nicht nach %1 gesichert werden: %2.</translation>
    </message>
    <message>
        <source>The catalogue is damaged, so it was not backed up.</source>
        <translation>Der Katalog ist beschädigt und wurde daher nicht gesichert.</translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be made: %2.</source>
        <translation>Der Sicherungsordner %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be made: a file of that name is in the way.</source>
        <translation>Der Sicherungsordner %1 kann nicht angelegt werden: Eine Datei dieses Namens ist im Weg.</translation>
    </message>
    <message>
        <source>The catalogue file %1 cannot be opened: %2.</source>
        <translation>Die Katalogdatei %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The catalogue %1 is in use by another running Vantory. Close the other Vantory and start this one again.</source>
        <translation>Der Katalog %1 wird von einem anderen laufenden Vantory benutzt. Schließen Sie das andere Vantory und starten Sie dieses erneut.</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be locked: %2.</source>
        <translation>Der Katalog %1 kann nicht gesperrt werden: %2.</translation>
    </message>
    <message>
        <source>The folder of the catalogue is read-only, so the change was not saved.</source>
        <translation>Der Ordner des Katalogs ist schreibgeschützt, die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The catalogue file is read-only, so the change was not saved.</source>
        <translation>Die Katalogdatei ist schreibgeschützt, die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The catalogue is busy in another program. Please try again.</source>
        <translation>Der Katalog ist in einem anderen Programm belegt. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The disk is full, so the change was not saved.</source>
        <translation>Der Datenträger ist voll, die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Catalogue error: %1</source>
        <translation>Katalogfehler: %1</translation>
    </message>
    <message>
        <source>The file %1 is not a Vantory catalogue: it is not a database file.</source>
        <translation>Die Datei %1 ist kein Vantory-Katalog: Sie ist keine Datenbankdatei.</translation>
    </message>
    <message>
        <source>The file %1 is not a Vantory catalogue: %2</source>
        <translation>Die Datei %1 ist kein Vantory-Katalog: %2</translation>
    </message>
    <message>
        <source>The catalogue %1 is busy in another program. Please try again.</source>
        <translation>Der Katalog %1 ist in einem anderen Programm belegt. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The catalogue file %1 cannot be read: %2</source>
        <translation>Die Katalogdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged. It is open read-only, so nothing can be changed and nothing makes the damage worse.</source>
        <translation>Der Katalog %1 ist beschädigt. Er ist schreibgeschützt geöffnet: Nichts kann geändert werden, nichts verschlimmert den Schaden.</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged. It is open read-only, so nothing can be changed and nothing makes the damage worse. The first problem found: %2</source>
        <translation>Der Katalog %1 ist beschädigt. Er ist schreibgeschützt geöffnet: Nichts kann geändert werden, nichts verschlimmert den Schaden. Das erste gefundene Problem: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 does not exist.</source>
        <translation>Die Katalogdatei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The file %1 is not a Vantory catalogue: it is a folder.</source>
        <translation>Die Datei %1 ist kein Vantory-Katalog: Sie ist ein Ordner.</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged and cannot be opened: %2</source>
        <translation>Der Katalog %1 ist beschädigt und kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged and cannot be read: %2</source>
        <translation>Der Katalog %1 ist beschädigt und kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The catalogue is damaged, so the change was not saved.</source>
        <translation>Der Katalog ist beschädigt, die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The catalogue could not be kept as %1: %2. Nothing was restored.</source>
        <translation>Der Katalog konnte nicht als %1 aufbewahrt werden: %2. Nichts wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>The catalogue could not be kept in %1: too many copies of the same name are there. Nothing was restored.</source>
        <translation>Der Katalog konnte nicht in %1 aufbewahrt werden: Dort liegen zu viele Kopien gleichen Namens. Nichts wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be read: %2.</source>
        <translation>Der Katalog %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be restored: it is damaged or not a Vantory catalogue (%2). The catalogue is unchanged.</source>
        <translation>Die Sicherung %1 kann nicht wiederhergestellt werden: Sie ist beschädigt oder kein Vantory-Katalog (%2). Der Katalog ist unverändert.</translation>
    </message>
    <message>
        <source>The backup %1 is the catalogue itself.</source>
        <translation>Die Sicherung %1 ist der Katalog selbst.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be restored: %2. The catalogue is unchanged.</source>
        <translation>Die Sicherung %1 kann nicht wiederhergestellt werden: %2. Der Katalog ist unverändert.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written into %2: %3.</source>
        <translation>Die Sicherung %1 konnte nicht in %2 geschrieben werden: %3.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written into %2: %3. The catalogue as it was is kept as %4.</source>
        <translation>Die Sicherung %1 konnte nicht in %2 geschrieben werden: %3. Der bisherige Katalog ist als %4 aufbewahrt.</translation>
    </message>
    <message>
        <source>The backup %1 was not written into %2 whole (%3).</source>
        <translation>Die Sicherung %1 wurde nicht vollständig in %2 geschrieben (%3).</translation>
    </message>
    <message>
        <source>The backup %1 was not written into %2 whole (%3). The catalogue as it was is back in place, and also kept as %4.</source>
        <translation>Die Sicherung %1 wurde nicht vollständig in %2 geschrieben (%3). Der bisherige Katalog ist wieder an seinem Platz und zudem als %4 aufbewahrt.</translation>
    </message>
    <message>
        <source>The backup %1 was not written into %2 whole (%3). The catalogue as it was could not be put back (%4): it is kept as %5.</source>
        <translation>Die Sicherung %1 wurde nicht vollständig in %2 geschrieben (%3). Der bisherige Katalog konnte nicht zurückgelegt werden (%4): Er ist als %5 aufbewahrt.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; in column %2 is not a number.</source>
        <translation>Der Wert „%1“ in der Spalte %2 ist keine Zahl.</translation>
    </message>
    <message>
        <source>The value %1 in column %2 is too large.</source>
        <translation>Der Wert %1 in der Spalte %2 ist zu groß.</translation>
    </message>
    <message>
        <source>Column %1 holds no value.</source>
        <translation>Die Spalte %1 enthält keinen Wert.</translation>
    </message>
    <message>
        <source>The value in column %1 is not a number.</source>
        <translation>Der Wert in der Spalte %1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>The catalogue is not open.</source>
        <translation>Der Katalog ist nicht geöffnet.</translation>
    </message>
</context>
</TS>
