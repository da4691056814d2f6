<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>A card file for names and addresses.
Keeps quillbox.db (the cards) and quillbox.ini (the settings) in the current directory.</source>
        <translation>Eine Kartei für Namen und Adressen.
Hält quillbox.db (die Karten) und quillbox.ini (die Einstellungen) im aktuellen Verzeichnis.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>
Exit status: 0 on success, 1 when the command failed, 2 for a usage error.
See quillbox(1) for the files, the environment and examples.
</source>
        <translation>
Rückgabewert: 0 bei Erfolg, 1 wenn der Befehl fehlschlug, 2 bei falschem Aufruf.
Dateien, Umgebung und Beispiele beschreibt quillbox(1).
</translation>
    </message>
    <message>
        <source>quillbox: %1
Try &apos;quillbox --help&apos; for more information.
</source>
        <translation>quillbox: %1
»quillbox --help« gibt weitere Informationen.
</translation>
    </message>
    <message>
        <source>quillbox: the card window needs a graphical session, and %1; --export and --import work without one
</source>
        <translation>quillbox: Das Kartenfenster braucht eine grafische Sitzung, und %1; --export und --import gehen auch ohne
</translation>
    </message>
    <message>
        <source>the platform &quot;%1&quot; cannot start</source>
        <translation>die Plattform »%1« startet nicht</translation>
    </message>
    <message>
        <source>there is none (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>es gibt keine (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)</translation>
    </message>
    <message>
        <source>the display &quot;%1&quot; cannot be opened</source>
        <translation>die Anzeige »%1« lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>quillbox: %1</source>
        <translation>quillbox: %1</translation>
    </message>
    <message>
        <source>nothing was exported: %1</source>
        <translation>nichts wurde exportiert: %1</translation>
    </message>
    <message>
        <source>Exported %1 cards from %2 to %3.
</source>
        <translation>%1 Karten aus %2 nach %3 exportiert.
</translation>
    </message>
    <message>
        <source>warning: %1 was written, but this could not be confirmed: %2</source>
        <translation>Warnung: %1 wurde geschrieben, aber das ließ sich nicht bestätigen: %2</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>Saved %1.
</source>
        <translation>%1 gespeichert.
</translation>
    </message>
    <message>
        <source>warning: the cards were saved, but this could not be confirmed: %1</source>
        <translation>Warnung: die Karten wurden gespeichert, aber das ließ sich nicht bestätigen: %1</translation>
    </message>
    <message>
        <source>nothing was imported: %1</source>
        <translation>nichts wurde importiert: %1</translation>
    </message>
    <message>
        <source>nothing was imported: the card file %1 is open in a Quillbox window; close the window and import again</source>
        <translation>nichts wurde importiert: Die Kartei %1 ist in einem Quillbox-Fenster offen; schließen Sie das Fenster und importieren Sie erneut</translation>
    </message>
    <message>
        <source>nothing was imported from %1: %2</source>
        <translation>aus %1 wurde nichts importiert: %2</translation>
    </message>
    <message>
        <source>nothing was synced: the card file %1 is open in a Quillbox window; close the window and sync again</source>
        <translation>nichts wurde abgeglichen: Die Kartei %1 ist in einem Quillbox-Fenster offen; schließen Sie das Fenster und gleichen Sie erneut ab</translation>
    </message>
    <message>
        <source>Synced %1 with %2.
</source>
        <translation>%1 mit %2 abgeglichen.
</translation>
    </message>
    <message>
        <source>--vdir takes no FILE and goes with neither --export nor --import</source>
        <translation>--vdir nimmt keine DATEI und geht weder mit --export noch mit --import</translation>
    </message>
    <message>
        <source>Sync the card file both ways with the vdir DIR (a directory of .vcf files, one per contact, as vdirsyncer and khard keep it; created when missing) and print what was done. Refused while a window has the card file open. Opens no window.</source>
        <translation>Die Kartei in beide Richtungen mit dem vdir DIR abgleichen (einem Ordner mit einer .vcf-Datei je Kontakt, wie vdirsyncer und khard ihn führen; fehlt er, wird er angelegt) und ausgeben, was getan wurde. Abgelehnt, solange ein Fenster die Kartei offen hat. Öffnet kein Fenster.</translation>
    </message>
    <message>
        <source>Saved %1; the previous file is kept as %2.
</source>
        <translation>%1 gespeichert; die vorige Datei bleibt als %2 erhalten.
</translation>
    </message>
    <message>
        <source>Saved the new card file %1.
</source>
        <translation>Die neue Kartei %1 wurde gespeichert.
</translation>
    </message>
    <message>
        <source>Use the card file in DIR instead of the current directory (the window opens there too).</source>
        <translation>Die Kartei in DIR statt im aktuellen Verzeichnis benutzen (auch das Fenster öffnet sie dort).</translation>
    </message>
    <message>
        <source>Write every card to FILE (&quot;-&quot; for standard output) in FORMAT: vcard (vCard 4.0), csv (a Title and a Card column) or text (cards separated by a line of ten hyphens). Opens no window.</source>
        <translation>Alle Karten im FORMAT nach FILE („-“ für die Standardausgabe) schreiben: vcard (vCard 4.0), csv (eine Spalte Title und eine Spalte Card) oder text (Karten getrennt durch eine Zeile aus zehn Bindestrichen). Öffnet kein Fenster.</translation>
    </message>
    <message>
        <source>Add the cards of FILE (&quot;-&quot; for standard input) in FORMAT, vcard (2.1, 3.0 or 4.0) or csv, to the card file and save it with its backup; &quot;--import FILE&quot; alone tells the format by the content. Refused while a window has the card file open. Opens no window.</source>
        <translation>Die Karten aus FILE („-“ für die Standardeingabe) im FORMAT vcard (2.1, 3.0 oder 4.0) oder csv der Kartei hinzufügen und sie mit ihrer Sicherung speichern; „--import FILE“ allein erkennt das Format am Inhalt. Abgelehnt, solange ein Fenster die Kartei offen hat. Öffnet kein Fenster.</translation>
    </message>
    <message>
        <source>The file that --export writes or --import reads.</source>
        <translation>Die Datei, die --export schreibt oder --import liest.</translation>
    </message>
    <message>
        <source>no such directory: %1</source>
        <translation>Verzeichnis gibt es nicht: %1</translation>
    </message>
    <message>
        <source>use one of --export and --import</source>
        <translation>entweder --export oder --import verwenden</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; use vcard, csv or text</source>
        <translation>unbekanntes Format „%1“; vcard, csv oder text verwenden</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; use vcard or csv</source>
        <translation>unbekanntes Format „%1“; vcard oder csv verwenden</translation>
    </message>
    <message>
        <source>--export needs exactly one FILE (&quot;-&quot; for standard output)</source>
        <translation>--export braucht genau eine DATEI („-“ für die Standardausgabe)</translation>
    </message>
    <message>
        <source>--import needs exactly one FILE (&quot;-&quot; for standard input)</source>
        <translation>--import braucht genau eine DATEI („-“ für die Standardeingabe)</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Cannot back up to %1: %2</source>
        <translation>Sicherung nach %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>%1 lässt sich nicht löschen: %2</translation>
    </message>
    <message>
        <source>Cannot move aside the unread %1: %2</source>
        <translation>Die ungelesene Datei %1 lässt sich nicht beiseitelegen: %2</translation>
    </message>
    <message>
        <source>Cannot sync directory %1: %2</source>
        <translation>Verzeichnis %1 lässt sich nicht auf die Platte bringen: %2</translation>
    </message>
    <message>
        <source>Cannot create a new card file in %1: %2</source>
        <translation>In %1 lässt sich keine neue Kartei anlegen: %2</translation>
    </message>
    <message>
        <source>Cannot replace %1: %2</source>
        <translation>%1 lässt sich nicht ersetzen: %2</translation>
    </message>
    <message>
        <source>The card file that could not be read at start was kept as %1.</source>
        <translation>Die Kartei, die beim Start nicht zu lesen war, wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben nicht möglich: %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>there is no card file %1</source>
        <translation>es gibt keine Kartei %1</translation>
    </message>
    <message>
        <source>the card file %1 cannot be read: %2</source>
        <translation>die Kartei %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>the end of the card file %1 is damaged; open it in Quillbox and check its last card first</source>
        <translation>das Ende der Kartei %1 ist beschädigt; öffnen Sie sie in Quillbox und prüfen Sie zuerst ihre letzte Karte</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Cards added: %1</source>
        <translation>Hinzugefügte Karten: %1</translation>
    </message>
    <message>
        <source>Cards cut to %1 characters: %2</source>
        <translation>Auf %1 Zeichen gekürzte Karten: %2</translation>
    </message>
    <message>
        <source>Characters replaced by &quot;?&quot;: %1</source>
        <translation>Durch „?“ ersetzte Zeichen: %1</translation>
    </message>
    <message>
        <source>Cards not added, the card file being full (%1 cards): %2</source>
        <translation>Nicht hinzugefügt, weil die Kartei voll ist (%1 Karten): %2</translation>
    </message>
    <message>
        <source>Already in the card file: %1</source>
        <translation>Schon in der Kartei: %1</translation>
    </message>
    <message>
        <source>Rows with an empty Card field, not added: %1</source>
        <translation>Zeilen mit leerem Card-Feld, nicht hinzugefügt: %1</translation>
    </message>
    <message>
        <source>Not carried: %1</source>
        <translation>Nicht übernommen: %1</translation>
    </message>
    <message>
        <source>The card file that could not be read at start was kept as %1. The cards were saved, but this could not be confirmed: %2.</source>
        <translation>Die Kartei, die beim Start nicht zu lesen war, wurde als %1 aufbewahrt. Die Karten wurden gespeichert, aber das ließ sich nicht bestätigen: %2.</translation>
    </message>
    <message>
        <source>The cards were saved, but this could not be confirmed: %1.</source>
        <translation>Die Karten wurden gespeichert, aber das ließ sich nicht bestätigen: %1.</translation>
    </message>
    <message>
        <source>Cannot save to %1: it now leads to %2, not to %3, the card file that was read and locked</source>
        <translation>Speichern nach %1 nicht möglich: der Link führt jetzt zu %2, nicht zu %3, der Kartei, die gelesen und gesperrt wurde</translation>
    </message>
    <message>
        <source>Cannot save to %1: %2</source>
        <translation>Speichern nach %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>the symbolic link %1 belongs to %2 in a directory everyone may write, and such a link is followed only when it is yours or the directory owner&apos;s</source>
        <translation>der symbolische Link %1 gehört %2 und liegt in einem Verzeichnis, in das alle schreiben dürfen; einem solchen Link wird nur gefolgt, wenn er Ihnen oder dem Besitzer des Verzeichnisses gehört</translation>
    </message>
    <message>
        <source>%1; the card file is used without a lock, so another Quillbox could change it meanwhile.</source>
        <translation>%1; die Kartei wird ohne Sperre benutzt, ein anderes Quillbox könnte sie also währenddessen ändern.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be used (%2)</source>
        <translation>Die Sperrdatei %1 ist nicht verwendbar (%2)</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>sie ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>The lock file %1 belongs to %2, not to you; it is not honoured</source>
        <translation>Die Sperrdatei %1 gehört %2, nicht Ihnen; sie wird nicht beachtet</translation>
    </message>
    <message>
        <source>The card file cannot be locked (%1: %2)</source>
        <translation>Die Kartei lässt sich nicht sperren (%1: %2)</translation>
    </message>
    <message>
        <source>plain text cannot be imported; use vcard or csv</source>
        <translation>reiner Text lässt sich nicht importieren; vcard oder csv verwenden</translation>
    </message>
    <message>
        <source>this is a vCard file, not CSV; use --import vcard</source>
        <translation>dies ist eine vCard-Datei, kein CSV; --import vcard verwenden</translation>
    </message>
    <message>
        <source>this is not a vCard file (it does not begin with BEGIN:VCARD); if it is CSV, use --import csv</source>
        <translation>dies ist keine vCard-Datei (sie beginnt nicht mit BEGIN:VCARD); für CSV --import csv verwenden</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the text is neither UTF-8 nor UTF-16 with its byte-order mark</source>
        <translation>der Text ist weder UTF-8 noch UTF-16 mit Byte-Order-Mark</translation>
    </message>
    <message>
        <source>a record of more than %1 fields</source>
        <translation>ein Datensatz mit mehr als %1 Feldern</translation>
    </message>
    <message>
        <source>a quoted field goes on after its closing quote</source>
        <translation>ein Feld in Anführungszeichen geht nach dem schließenden Anführungszeichen weiter</translation>
    </message>
    <message>
        <source>a quoted field is never closed</source>
        <translation>ein Feld in Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>a NUL byte: this is not a text file</source>
        <translation>ein NUL-Byte: dies ist keine Textdatei</translation>
    </message>
    <message>
        <source>a NUL character: this is not a text file</source>
        <translation>ein NUL-Zeichen: dies ist keine Textdatei</translation>
    </message>
    <message>
        <source>a line of more than %1 MB without a colon</source>
        <translation>eine Zeile von mehr als %1 MB ohne Doppelpunkt</translation>
    </message>
    <message>
        <source>the vCard that begins here has no END:VCARD</source>
        <translation>der hier beginnenden vCard fehlt END:VCARD</translation>
    </message>
    <message>
        <source>no vCard found (no BEGIN:VCARD)</source>
        <translation>keine vCard gefunden (kein BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>the character set %1 is not known</source>
        <translation>der Zeichensatz %1 ist unbekannt</translation>
    </message>
    <message>
        <source>a line without a colon</source>
        <translation>eine Zeile ohne Doppelpunkt</translation>
    </message>
    <message>
        <source>a vCard begins inside another</source>
        <translation>eine vCard beginnt innerhalb einer anderen</translation>
    </message>
    <message>
        <source>text outside a vCard</source>
        <translation>Text außerhalb einer vCard</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht erlaubt</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Plattenkontingent überschritten</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Dateisystem nur lesbar</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>Bad file descriptor</source>
        <translation>Ungültiger Dateideskriptor</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Pipe unterbrochen</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Links</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Verzeichnis nicht leer</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>Datei ist belegt</translation>
    </message>
    <message>
        <source>photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>logos</source>
        <translation>Logos</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>Tonaufnahme</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>Tonaufnahmen</translation>
    </message>
    <message>
        <source>key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>keys</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>other</source>
        <translation>weitere</translation>
    </message>
    <message>
        <source>The vdir %1 is not a directory.</source>
        <translation>Das vdir %1 ist kein Verzeichnis.</translation>
    </message>
    <message>
        <source>Cannot create the vdir %1: %2</source>
        <translation>Das vdir %1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>Cannot open the vdir %1: %2</source>
        <translation>Das vdir %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>The sync state file %1 is not for this vdir (%2). Nothing was synced. Sync with that vdir, or move the state file away to sync with %3 as for the first time.</source>
        <translation>Die Statusdatei des Abgleichs %1 gehört nicht zu diesem vdir (%2). Nichts wurde abgeglichen. Gleichen Sie mit jenem vdir ab, oder legen Sie die Statusdatei beiseite, um mit %3 wie beim ersten Mal abzugleichen.</translation>
    </message>
    <message>
        <source>The sync state file %1 is damaged (%2). Nothing was synced. Move it away to sync as for the first time: contacts are then matched to cards by their text.</source>
        <translation>Die Statusdatei des Abgleichs %1 ist beschädigt (%2). Nichts wurde abgeglichen. Legen Sie sie beiseite, um wie beim ersten Mal abzugleichen: Kontakte werden dann den Karten nach ihrem Text zugeordnet.</translation>
    </message>
    <message>
        <source>it cannot be used: %1</source>
        <translation>sie ist nicht verwendbar: %1</translation>
    </message>
    <message>
        <source>it belongs to the vdir %1</source>
        <translation>sie gehört zum vdir %1</translation>
    </message>
    <message>
        <source>it is not a Quillbox sync state file</source>
        <translation>sie ist keine Statusdatei eines Quillbox-Abgleichs</translation>
    </message>
    <message>
        <source>its checksum does not match (the file is damaged or was cut short)</source>
        <translation>ihre Prüfsumme stimmt nicht (die Datei ist beschädigt oder wurde abgeschnitten)</translation>
    </message>
    <message>
        <source>its contents are not in the expected form</source>
        <translation>ihr Inhalt hat nicht die erwartete Form</translation>
    </message>
    <message>
        <source>Cannot read the sync state file %1: %2</source>
        <translation>Die Statusdatei des Abgleichs %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>The card file %1 is damaged at its end; open it in the window first. Nothing was synced.</source>
        <translation>Die Kartei %1 ist an ihrem Ende beschädigt; öffnen Sie sie zuerst im Fenster. Nichts wurde abgeglichen.</translation>
    </message>
    <message>
        <source>%1. Nothing was synced.</source>
        <translation>%1. Nichts wurde abgeglichen.</translation>
    </message>
    <message>
        <source>%1. The sync stopped; run it again.</source>
        <translation>%1. Der Abgleich wurde abgebrochen; starten Sie ihn erneut.</translation>
    </message>
    <message>
        <source>%1. The cards were not saved; the sync stopped. Run it again.</source>
        <translation>%1. Die Karten wurden nicht gespeichert; der Abgleich wurde abgebrochen. Starten Sie ihn erneut.</translation>
    </message>
    <message>
        <source>%1. The cards and the vdir are synced; the next sync will match them by their text.</source>
        <translation>%1. Karten und vdir sind abgeglichen; der nächste Abgleich ordnet sie einander nach ihrem Text zu.</translation>
    </message>
    <message>
        <source>Cannot flush the files of %1: %2</source>
        <translation>Die Dateien in %1 lassen sich nicht auf die Platte bringen: %2</translation>
    </message>
    <message>
        <source>Cannot sync the directory %1: %2</source>
        <translation>Verzeichnis %1 lässt sich nicht auf die Platte bringen: %2</translation>
    </message>
    <message>
        <source>Cannot write the sync state file %1: %2</source>
        <translation>Die Statusdatei des Abgleichs %1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Sent to the vdir: %1 new, %2 changed, %3 deleted.</source>
        <translation>An das vdir gesendet: %1 neu, %2 geändert, %3 gelöscht.</translation>
    </message>
    <message>
        <source>Taken from the vdir: %1 new, %2 changed, %3 deleted.</source>
        <translation>Aus dem vdir übernommen: %1 neu, %2 geändert, %3 gelöscht.</translation>
    </message>
    <message>
        <source>Conflicts kept as copies: %1.</source>
        <translation>Als Kopien aufbewahrte Konflikte: %1.</translation>
    </message>
    <message>
        <source>Not added (card file full or text too long): %1.</source>
        <translation>Nicht hinzugefügt (Kartei voll oder Text zu lang): %1.</translation>
    </message>
    <message>
        <source>Left alone: %1</source>
        <translation>Nicht angerührt: %1</translation>
    </message>
    <message>
        <source>the contact has no text</source>
        <translation>der Kontakt hat keinen Text</translation>
    </message>
    <message>
        <source>%1: not a contact (.vcf) file</source>
        <translation>%1: keine Kontaktdatei (.vcf)</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1: not a readable vCard (%2)</source>
        <translation>%1: keine lesbare vCard (%2)</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>OpenFiles</name>
    <message>
        <source>1 card</source>
        <translation>1 Karte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>No cards were added: the card file is open in another Quillbox window, and this one is read-only (nothing it holds is saved).</source>
        <translation>Es wurden keine Karten hinzugefügt: Die Kartei ist in einem anderen Quillbox-Fenster offen, und dieses ist schreibgeschützt (nichts darin wird gespeichert).</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>No cards were added: %1 cannot be imported (%2%3).</source>
        <translation>Es wurden keine Karten hinzugefügt: %1 lässt sich nicht importieren (%2%3).</translation>
    </message>
    <message>
        <source>Add the %1 of %2 to the card file?</source>
        <translation>Die %1 aus %2 der Kartei hinzufügen?</translation>
    </message>
    <message>
        <source>Add the cards of these files to the card file?</source>
        <translation>Die Karten dieser Dateien der Kartei hinzufügen?</translation>
    </message>
</context>
<context>
    <name>PrinterTexts</name>
    <message>
        <source>No free file name for %1 in %2</source>
        <translation>Kein freier Dateiname für %1 in %2</translation>
    </message>
    <message>
        <source>The printer %1 is not available: %2</source>
        <translation>Der Drucker %1 ist nicht verfügbar: %2</translation>
    </message>
    <message>
        <source>The printer %1 does not accept jobs: %2</source>
        <translation>Der Drucker %1 nimmt keine Aufträge an: %2</translation>
    </message>
    <message>
        <source>rejecting jobs</source>
        <translation>lehnt Aufträge ab</translation>
    </message>
    <message>
        <source>The printer %1 is stopped. The job waits in its queue until the printer is started again</source>
        <translation>Der Drucker %1 ist angehalten. Der Auftrag wartet in seiner Warteschlange, bis der Drucker wieder läuft</translation>
    </message>
    <message>
        <source>A print job is already open</source>
        <translation>Es ist schon ein Druckauftrag offen</translation>
    </message>
    <message>
        <source>The printer %1 is not available</source>
        <translation>Der Drucker %1 ist nicht verfügbar</translation>
    </message>
    <message>
        <source>Cannot begin a PDF file</source>
        <translation>Eine PDF-Datei lässt sich nicht beginnen</translation>
    </message>
    <message>
        <source>The printer %1 refused the job</source>
        <translation>Der Drucker %1 hat den Auftrag abgelehnt</translation>
    </message>
    <message>
        <source>The printer %1 refused a new page</source>
        <translation>Der Drucker %1 hat eine neue Seite abgelehnt</translation>
    </message>
    <message>
        <source>No print job is open</source>
        <translation>Es ist kein Druckauftrag offen</translation>
    </message>
    <message>
        <source>The printer %1 refused the job: %2</source>
        <translation>Der Drucker %1 hat den Auftrag abgelehnt: %2</translation>
    </message>
    <message>
        <source>The printer %1 could not complete the job</source>
        <translation>Der Drucker %1 konnte den Auftrag nicht abschließen</translation>
    </message>
</context>
<context>
    <name>PrintingTexts</name>
    <message>
        <source>Bad page parameters in the print dialog.</source>
        <translation>Ungültige Seitenangaben im Druckdialog.</translation>
    </message>
    <message>
        <source>The print job could not be completed: %1</source>
        <translation>Der Druckauftrag ließ sich nicht abschließen: %1</translation>
    </message>
    <message>
        <source>No printer is installed. The job was saved as %1</source>
        <translation>Es ist kein Drucker eingerichtet. Der Auftrag wurde als %1 gespeichert</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option »%1«.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach »%1« fehlt ein Wert.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach »%1«.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Suchen in:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Dateien des Typs:</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Übergeordneter Ordner</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Neuen Ordner anlegen</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurückgehen</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Vorwärtsgehen</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Zum übergeordneten Ordner gehen</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Einen neuen Ordner anlegen</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Zur Listenansicht wechseln</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Zur Detailansicht wechseln</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Liste der Orte und Lesezeichen</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Zuletzt besucht</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Neuer Ordner</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>&amp;Versteckte Dateien zeigen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Soll „%1“ wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Der Ordner ließ sich nicht löschen.</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Ordner nicht gefunden.
Bitte prüfen Sie den Namen des Ordners.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
</context>
<context>
    <name>QFontDialog</name>
    <message>
        <source>&amp;Font</source>
        <translation>Schrift&amp;art</translation>
    </message>
    <message>
        <source>Font st&amp;yle</source>
        <translation>Schrift&amp;schnitt</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Wr&amp;iting System</source>
        <translation>Schrift&amp;system</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>StartTexts</name>
    <message>
        <source> (read-only)</source>
        <translation> (schreibgeschützt)</translation>
    </message>
    <message>
        <source>The card file %1 is already open in another Quillbox window.<byte value="xd"/>
Open it read-only (nothing you change is saved), or quit?</source>
        <translation>Die Kartei %1 ist schon in einem anderen Quillbox-Fenster offen.<byte value="xd"/>
Schreibgeschützt öffnen (Änderungen werden nicht gespeichert) oder beenden?</translation>
    </message>
    <message>
        <source>Open &amp;Read-Only</source>
        <translation>&amp;Schreibgeschützt öffnen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>quillbox</name>
    <message>
        <source>You must complete editing the new card before taking this action.<byte value="xd"/>
Either complete the entry (Book Button) or abort (Menu Cards\Abort).</source>
        <translation>Schließen Sie erst die Eingabe der neuen Karte ab.<byte value="xd"/>
Schließen Sie die Eingabe ab (Buch-Schaltfläche) oder brechen Sie ab (Menü Karten\Abbrechen).</translation>
    </message>
    <message>
        <source>Move back</source>
        <translation>Karte zurück</translation>
    </message>
    <message>
        <source>Move forward</source>
        <translation>Karte vor</translation>
    </message>
    <message>
        <source>Page back</source>
        <translation>Seite zurück</translation>
    </message>
    <message>
        <source>Page forward</source>
        <translation>Seite vor</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Print envelope/label</source>
        <translation>Umschlag/Etikett drucken</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Print card</source>
        <translation>Karte drucken</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>End new card entry</source>
        <translation>Eingabe abschließen</translation>
    </message>
    <message>
        <source>New card</source>
        <translation>Neue Karte</translation>
    </message>
    <message>
        <source>Delete card</source>
        <translation>Karte löschen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>quillbox::FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
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
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
</context>
<context>
    <name>quillbox::HelpWindow</name>
    <message>
        <source>Quillbox Help</source>
        <translation>Quillbox-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Hilfethema</translation>
    </message>
    <message>
        <source>Quillbox Help - %1</source>
        <translation>Quillbox-Hilfe - %1</translation>
    </message>
</context>
<context>
    <name>quillbox::PrintDialog</name>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>No printer installed: PDF files in %1</source>
        <translation>Kein Drucker eingerichtet: PDF-Dateien in %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Drucker:</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Druckbereich</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>All cards</source>
        <translation>Alle Karten</translation>
    </message>
    <message>
        <source>Pa&amp;ges</source>
        <translation>&amp;Karten</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>From card</source>
        <translation>Von Karte</translation>
    </message>
    <message>
        <source>To card</source>
        <translation>Bis Karte</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Exemplare</translation>
    </message>
    <message>
        <source>&amp;Copies:</source>
        <translation>&amp;Exemplare:</translation>
    </message>
    <message>
        <source>C&amp;ollate</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Sortieren</translation>
    </message>
</context>
<context>
    <name>quillbox::PrintPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>The pages of the job as they will print</source>
        <translation>Die Seiten des Auftrags, wie sie gedruckt werden</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Größer</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>&amp;Whole Page</source>
        <translation>&amp;Ganze Seite</translation>
    </message>
    <message>
        <source>The whole page in view</source>
        <translation>Die ganze Seite im Blick</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print these pages as shown</source>
        <translation>Diese Seiten so drucken, wie sie gezeigt werden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close without printing</source>
        <translation>Schließen, ohne zu drucken</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>The page in view and the job&apos;s pages</source>
        <translation>Die gezeigte Seite und die Seiten des Auftrags</translation>
    </message>
</context>
<context>
    <name>quillbox::PrinterSetupDialog</name>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Drucker:</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <source>Paper si&amp;ze:</source>
        <translation>Papier&amp;format:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation>&amp;Hochformat</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Querformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Every job shows its pages first; nothing prints until Print is chosen there</source>
        <translation>Jeder Auftrag zeigt erst seine Seiten; gedruckt wird erst, wenn dort Drucken gewählt wird</translation>
    </message>
    <message>
        <source>Preview before printing</source>
        <translation>Vorschau vor dem Drucken</translation>
    </message>
    <message>
        <source>Pre&amp;view before printing</source>
        <translation>&amp;Vorschau vor dem Drucken</translation>
    </message>
</context>
<context>
    <name>quillbox::TAboutBox1</name>
    <message>
        <source>About Quillbox</source>
        <translation>Über Quillbox</translation>
    </message>
    <message>
        <source>Quillbox icon</source>
        <translation>Quillbox-Symbol</translation>
    </message>
    <message>
        <source>Quillbox %1</source>
        <translation>Quillbox %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>for Windows</source>
        <translation>für Windows</translation>
    </message>
</context>
<context>
    <name>quillbox::TForm1</name>
    <message>
        <source>Card notebook</source>
        <translation>Kartenregister</translation>
    </message>
    <message>
        <source>Four consecutive cards; the selected tab is the card shown</source>
        <translation>Vier aufeinanderfolgende Karten; der gewählte Reiter ist die gezeigte Karte</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>The text of the card shown; its first line is its title</source>
        <translation>Der Text der gezeigten Karte; seine erste Zeile ist ihr Titel</translation>
    </message>
    <message>
        <source>Alphabet tabs</source>
        <translation>Buchstabenreiter</translation>
    </message>
    <message>
        <source>Shows the first card filed under a letter</source>
        <translation>Zeigt die erste Karte unter einem Buchstaben</translation>
    </message>
    <message>
        <source>Tool buttons</source>
        <translation>Symbolschaltflächen</translation>
    </message>
    <message>
        <source>Card counter</source>
        <translation>Kartenzähler</translation>
    </message>
    <message>
        <source>Number of cards</source>
        <translation>Zahl der Karten</translation>
    </message>
    <message>
        <source>Number of the card shown</source>
        <translation>Nummer der gezeigten Karte</translation>
    </message>
    <message>
        <source>&amp;Main</source>
        <translation>&amp;Programm</translation>
    </message>
    <message>
        <source>Set &amp;Font</source>
        <translation>&amp;Schrift...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print &amp;Setup</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>&amp;Always on Top</source>
        <translation>&amp;Immer im Vordergrund</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>&amp;Karten</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Complete Entry</source>
        <translation>Eingabe &amp;abschließen</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>&amp;Search </source>
        <translation>&amp;Suchen </translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>L&amp;iste</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Print Envelope</source>
        <translation>&amp;Umschlag drucken</translation>
    </message>
    <message>
        <source>Do printer setup for envelope</source>
        <translation>Drucker für den Umschlag einrichten</translation>
    </message>
    <message>
        <source>Print &amp;Label</source>
        <translation>E&amp;tikett drucken</translation>
    </message>
    <message>
        <source>Print &amp;Address  Book</source>
        <translation>&amp;Adressbuch drucken</translation>
    </message>
    <message>
        <source>Print &amp;Card</source>
        <translation>&amp;Karte drucken</translation>
    </message>
    <message>
        <source>Print a La&amp;bel</source>
        <translation>&amp;Leeres Etikett drucken</translation>
    </message>
    <message>
        <source>Print an &amp;Envelope</source>
        <translation>Leeren U&amp;mschlag drucken</translation>
    </message>
    <message>
        <source>&amp;Return Address</source>
        <translation>Ab&amp;senderadresse</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Quillbox file not present. Program will run without a current file</source>
        <translation>Keine Quillbox-Kartei vorhanden. Das Programm läuft ohne aktuelle Kartei</translation>
    </message>
    <message>
        <source>The card file %1 could not be read: %2<byte value="xd"/>
Program will run without a current file</source>
        <translation>Die Kartei %1 ließ sich nicht lesen: %2<byte value="xd"/>
Das Programm läuft ohne aktuelle Kartei</translation>
    </message>
    <message>
        <source>The card file holds %1 more cards than the %2 this program can show.<byte value="xd"/>
They stay in the file and are saved back unchanged.</source>
        <translation>Die Kartei enthält %1 Karten mehr als die %2, die dieses Programm zeigen kann.<byte value="xd"/>
Sie bleiben in der Datei und werden unverändert zurückgeschrieben.</translation>
    </message>
    <message>
        <source>The end of the card file is damaged: its last card may be incomplete.<byte value="xd"/>
Please check that card.</source>
        <translation>Das Ende der Kartei ist beschädigt: Ihre letzte Karte ist vielleicht unvollständig.<byte value="xd"/>
Bitte prüfen Sie diese Karte.</translation>
    </message>
    <message>
        <source>The cards were saved to %1.<byte value="xd"/>
%2</source>
        <translation>Die Karten wurden nach %1 gespeichert.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The cards could not be saved to %1.<byte value="xd"/>
%2<byte value="xd"/>
%3<byte value="xd"/>
Try again, save them in another folder, or discard the changes made since the program started?</source>
        <translation>Die Karten ließen sich nicht nach %1 speichern.<byte value="xd"/>
%2<byte value="xd"/>
%3<byte value="xd"/>
Erneut versuchen, in einem anderen Ordner speichern oder die Änderungen seit dem Programmstart verwerfen?</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
    <message>
        <source>&amp;Save Elsewhere...</source>
        <translation>&amp;Anderswo speichern...</translation>
    </message>
    <message>
        <source>&amp;Discard Changes</source>
        <translation>Änderungen &amp;verwerfen</translation>
    </message>
    <message>
        <source>Save the Cards in Folder</source>
        <translation>Karten in Ordner speichern</translation>
    </message>
    <message>
        <source>The cards were saved to %1.<byte value="xd"/>
Copy that file into %2 to use it at the next start.</source>
        <translation>Die Karten wurden nach %1 gespeichert.<byte value="xd"/>
Kopieren Sie diese Datei nach %2, um sie beim nächsten Start zu verwenden.</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>The maximum number of records for this file has been reached.</source>
        <translation>Die höchste Kartenzahl für diese Kartei ist erreicht.</translation>
    </message>
    <message>
        <source>New card</source>
        <translation>Neue Karte</translation>
    </message>
    <message>
        <source>There is no data in the card to add. Continue edit?</source>
        <translation>Die Karte enthält nichts zum Hinzufügen. Weiter bearbeiten?</translation>
    </message>
    <message>
        <source>You are not currently entering a card.</source>
        <translation>Sie geben gerade keine neue Karte ein.</translation>
    </message>
    <message>
        <source>You either have no cards to delete or you are currently entering a card. If you are entering a card that you do not want to enter select abort from the Cards menu.</source>
        <translation>Es gibt keine Karte zum Löschen, oder Sie geben gerade eine Karte ein. Wenn Sie eine Karte eingeben, die Sie nicht wollen, wählen Sie Abbrechen im Menü Karten.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this card:<byte value="xd"/>
</source>
        <translation>Wollen Sie diese Karte wirklich löschen:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Resume &amp;Normal Pos.</source>
        <translation>&amp;Normale Position</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <comment>menu</comment>
        <translation>&amp;Drucken</translation>
    </message>
</context>
<context>
    <name>quillbox::TForm2</name>
    <message>
        <source>Card List</source>
        <translation>Kartenliste</translation>
    </message>
    <message>
        <source>List of All Cards</source>
        <translation>Liste aller Karten</translation>
    </message>
</context>
<context>
    <name>quillbox::TForm3</name>
    <message>
        <source>Print Label or Envelope</source>
        <translation>Etikett oder Umschlag drucken</translation>
    </message>
    <message>
        <source>Text to print</source>
        <translation>Zu druckender Text</translation>
    </message>
    <message>
        <source>Label or Envelope</source>
        <translation>Etikett oder Umschlag</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Umschlag</translation>
    </message>
    <message>
        <source>Return Address</source>
        <translation>Absender</translation>
    </message>
    <message>
        <source>1&quot; x 2.63&quot; (Avery 5260)</source>
        <translation>1&quot; x 2,63&quot; (Avery 5260)</translation>
    </message>
    <message>
        <source>1 by 2.63 inch labels, Avery 5260</source>
        <translation>Etiketten 1 mal 2,63 Zoll, Avery 5260</translation>
    </message>
    <message>
        <source>1.33&quot; x 4&quot; (Avery 5262)</source>
        <translation>1,33&quot; x 4&quot; (Avery 5262)</translation>
    </message>
    <message>
        <source>1.33 by 4 inch labels, Avery 5262</source>
        <translation>Etiketten 1,33 mal 4 Zoll, Avery 5262</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etikett</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Row scroll bar</source>
        <translation>Bildlaufleiste der Zeile</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Column scroll bar</source>
        <translation>Bildlaufleiste der Spalte</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schrift</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Drucker</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbruch</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Illegal row and/or column selections.</source>
        <translation>Ungültige Zeile und/oder Spalte.</translation>
    </message>
</context>
<context>
    <name>quillbox::TForm4</name>
    <message>
        <source>Search for:</source>
        <translation>Suchen nach:</translation>
    </message>
    <message>
        <source>Data to search for:</source>
        <translation>Gesuchter Text:</translation>
    </message>
    <message>
        <source>Data to search for</source>
        <translation>Gesuchter Text</translation>
    </message>
    <message>
        <source>&amp;Find First</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Find First</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The specified string was not found.</source>
        <translation>Der gesuchte Text wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quillbox::TForm5</name>
    <message>
        <source>Enter Return Address</source>
        <translation>Absenderadresse eingeben</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Return address</source>
        <translation>Absenderadresse</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
</TS>
