<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>A card file for names and addresses.
Keeps quillbox.db (the cards) and quillbox.ini (the settings) in the current directory.</source>
        <translation>Un fichier de fiches pour noms et adresses.
Garde quillbox.db (les fiches) et quillbox.ini (les réglages) dans le répertoire courant.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>
Exit status: 0 on success, 1 when the command failed, 2 for a usage error.
See quillbox(1) for the files, the environment and examples.
</source>
        <translation>
Code de retour : 0 en cas de succès, 1 si la commande a échoué, 2 pour une erreur d’utilisation.
Voir quillbox(1) pour les fichiers, l’environnement et des exemples.
</translation>
    </message>
    <message>
        <source>quillbox: %1
Try 'quillbox --help' for more information.
</source>
        <translation>quillbox : %1
Essayez « quillbox --help » pour plus d’informations.
</translation>
    </message>
    <message>
        <source>quillbox: the card window needs a graphical session, and %1; --export and --import work without one
</source>
        <translation>quillbox : la fenêtre des fiches a besoin d’une session graphique, et %1 ; --export et --import fonctionnent sans
</translation>
    </message>
    <message>
        <source>the platform "%1" cannot start</source>
        <translation>la plateforme « %1 » ne peut pas démarrer</translation>
    </message>
    <message>
        <source>there is none (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>il n’y en a aucune (ni DISPLAY ni WAYLAND_DISPLAY n’est défini)</translation>
    </message>
    <message>
        <source>the display "%1" cannot be opened</source>
        <translation>l’affichage « %1 » ne peut pas être ouvert</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quillbox Help</source>
        <translation>Aide de Quillbox</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Sujet d’aide</translation>
    </message>
    <message>
        <source>Quillbox Help - %1</source>
        <translation>Aide de Quillbox - %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation : %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments :</translation>
    </message>
    <message>
        <source>Unknown option '%1'.</source>
        <translation>Option inconnue « %1 ».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues : %1.</translation>
    </message>
    <message>
        <source>Missing value after '%1'.</source>
        <translation>Valeur manquante après « %1 ».</translation>
    </message>
    <message>
        <source>Unexpected value after '%1'.</source>
        <translation>Valeur inattendue après « %1 ».</translation>
    </message>
</context>
</TS>
