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
Try 'quillbox --help' for more information.
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
        <source>the platform "%1" cannot start</source>
        <translation>die Plattform »%1« startet nicht</translation>
    </message>
    <message>
        <source>there is none (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>es gibt keine (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)</translation>
    </message>
    <message>
        <source>the display "%1" cannot be opened</source>
        <translation>die Anzeige »%1« lässt sich nicht öffnen</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
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
        <source>Unknown option '%1'.</source>
        <translation>Unbekannte Option »%1«.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after '%1'.</source>
        <translation>Nach »%1« fehlt ein Wert.</translation>
    </message>
    <message>
        <source>Unexpected value after '%1'.</source>
        <translation>Unerwarteter Wert nach »%1«.</translation>
    </message>
</context>
</TS>
