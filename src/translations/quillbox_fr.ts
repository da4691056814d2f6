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
Try &apos;quillbox --help&apos; for more information.
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
        <source>the platform &quot;%1&quot; cannot start</source>
        <translation>la plateforme « %1 » ne peut pas démarrer</translation>
    </message>
    <message>
        <source>there is none (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>il n’y en a aucune (ni DISPLAY ni WAYLAND_DISPLAY n’est défini)</translation>
    </message>
    <message>
        <source>the display &quot;%1&quot; cannot be opened</source>
        <translation>l’affichage « %1 » ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>quillbox: %1</source>
        <translation>quillbox : %1</translation>
    </message>
    <message>
        <source>nothing was exported: %1</source>
        <translation>rien n’a été exporté : %1</translation>
    </message>
    <message>
        <source>Exported %1 cards from %2 to %3.
</source>
        <translation>%1 fiches exportées de %2 vers %3.
</translation>
    </message>
    <message>
        <source>warning: %1 was written, but this could not be confirmed: %2</source>
        <translation>avertissement : %1 a été écrit, mais cela n’a pas pu être confirmé : %2</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement : %1</translation>
    </message>
    <message>
        <source>Saved %1.
</source>
        <translation>%1 enregistré.
</translation>
    </message>
    <message>
        <source>warning: the cards were saved, but this could not be confirmed: %1</source>
        <translation>avertissement : les fiches ont été enregistrées, mais cela n’a pas pu être confirmé : %1</translation>
    </message>
    <message>
        <source>nothing was imported: %1</source>
        <translation>rien n’a été importé : %1</translation>
    </message>
    <message>
        <source>nothing was imported: the card file %1 is open in a Quillbox window; close the window and import again</source>
        <translation>rien n’a été importé : le fichier de fiches %1 est ouvert dans une fenêtre de Quillbox ; fermez la fenêtre et importez de nouveau</translation>
    </message>
    <message>
        <source>nothing was imported from %1: %2</source>
        <translation>rien n’a été importé de %1 : %2</translation>
    </message>
    <message>
        <source>nothing was synced: the card file %1 is open in a Quillbox window; close the window and sync again</source>
        <translation>rien n’a été synchronisé : le fichier de fiches %1 est ouvert dans une fenêtre de Quillbox ; fermez la fenêtre et synchronisez à nouveau</translation>
    </message>
    <message>
        <source>Synced %1 with %2.
</source>
        <translation>%1 synchronisé avec %2.
</translation>
    </message>
    <message>
        <source>--vdir takes no FILE and goes with neither --export nor --import</source>
        <translation>--vdir ne prend pas de FICHIER et ne va ni avec --export ni avec --import</translation>
    </message>
    <message>
        <source>Sync the card file both ways with the vdir DIR (a directory of .vcf files, one per contact, as vdirsyncer and khard keep it; created when missing) and print what was done. Refused while a window has the card file open. Opens no window.</source>
        <translation>Synchroniser le fichier de fiches dans les deux sens avec le vdir DIR (un dossier contenant un fichier .vcf par contact, tel que vdirsyncer et khard le tiennent ; créé s’il manque) et afficher ce qui a été fait. Refusé tant qu’une fenêtre a le fichier ouvert. N’ouvre aucune fenêtre.</translation>
    </message>
    <message>
        <source>Saved %1; the previous file is kept as %2.
</source>
        <translation>%1 enregistré ; le fichier précédent est gardé sous le nom %2.
</translation>
    </message>
    <message>
        <source>Saved the new card file %1.
</source>
        <translation>Le nouveau fichier de fiches %1 a été enregistré.
</translation>
    </message>
    <message>
        <source>Use the card file in DIR instead of the current directory (the window opens there too).</source>
        <translation>Utiliser le fichier de fiches de DIR au lieu du répertoire courant (la fenêtre s’y ouvre aussi).</translation>
    </message>
    <message>
        <source>Write every card to FILE (&quot;-&quot; for standard output) in FORMAT: vcard (vCard 4.0), csv (a Title and a Card column) or text (cards separated by a line of ten hyphens). Opens no window.</source>
        <translation>Écrire toutes les fiches dans FILE (« - » pour la sortie standard) au FORMAT : vcard (vCard 4.0), csv (une colonne Title et une colonne Card) ou text (fiches séparées par une ligne de dix tirets). N’ouvre aucune fenêtre.</translation>
    </message>
    <message>
        <source>Add the cards of FILE (&quot;-&quot; for standard input) in FORMAT, vcard (2.1, 3.0 or 4.0) or csv, to the card file and save it with its backup; &quot;--import FILE&quot; alone tells the format by the content. Refused while a window has the card file open. Opens no window.</source>
        <translation>Ajouter les fiches de FILE (« - » pour l’entrée standard) au FORMAT vcard (2.1, 3.0 ou 4.0) ou csv au fichier de fiches et l’enregistrer avec sa sauvegarde ; « --import FILE » seul reconnaît le format au contenu. Refusé tant qu’une fenêtre a le fichier ouvert. N’ouvre aucune fenêtre.</translation>
    </message>
    <message>
        <source>The file that --export writes or --import reads.</source>
        <translation>Le fichier qu’écrit --export ou que lit --import.</translation>
    </message>
    <message>
        <source>no such directory: %1</source>
        <translation>répertoire inexistant : %1</translation>
    </message>
    <message>
        <source>use one of --export and --import</source>
        <translation>utilisez soit --export, soit --import</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; use vcard, csv or text</source>
        <translation>format « %1 » inconnu ; utilisez vcard, csv ou text</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; use vcard or csv</source>
        <translation>format « %1 » inconnu ; utilisez vcard ou csv</translation>
    </message>
    <message>
        <source>--export needs exactly one FILE (&quot;-&quot; for standard output)</source>
        <translation>--export demande exactement un FICHIER (« - » pour la sortie standard)</translation>
    </message>
    <message>
        <source>--import needs exactly one FILE (&quot;-&quot; for standard input)</source>
        <translation>--import demande exactement un FICHIER (« - » pour l’entrée standard)</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Cannot back up to %1: %2</source>
        <translation>Impossible de sauvegarder vers %1 : %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>Impossible de supprimer %1 : %2</translation>
    </message>
    <message>
        <source>Cannot move aside the unread %1: %2</source>
        <translation>Impossible de mettre de côté le fichier non lu %1 : %2</translation>
    </message>
    <message>
        <source>Cannot sync directory %1: %2</source>
        <translation>Impossible de synchroniser le répertoire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot create a new card file in %1: %2</source>
        <translation>Impossible de créer un nouveau fichier de fiches dans %1 : %2</translation>
    </message>
    <message>
        <source>Cannot replace %1: %2</source>
        <translation>Impossible de remplacer %1 : %2</translation>
    </message>
    <message>
        <source>The card file that could not be read at start was kept as %1.</source>
        <translation>Le fichier de fiches illisible au démarrage a été conservé sous le nom %1.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d’ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>there is no card file %1</source>
        <translation>il n’y a pas de fichier de fiches %1</translation>
    </message>
    <message>
        <source>the card file %1 cannot be read: %2</source>
        <translation>le fichier de fiches %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>the end of the card file %1 is damaged; open it in Quillbox and check its last card first</source>
        <translation>la fin du fichier de fiches %1 est endommagée ; ouvrez-le dans Quillbox et vérifiez d’abord sa dernière fiche</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>Cards added: %1</source>
        <translation>Fiches ajoutées : %1</translation>
    </message>
    <message>
        <source>Cards cut to %1 characters: %2</source>
        <translation>Fiches coupées à %1 caractères : %2</translation>
    </message>
    <message>
        <source>Characters replaced by &quot;?&quot;: %1</source>
        <translation>Caractères remplacés par « ? » : %1</translation>
    </message>
    <message>
        <source>Cards not added, the card file being full (%1 cards): %2</source>
        <translation>Fiches non ajoutées, le fichier étant plein (%1 fiches) : %2</translation>
    </message>
    <message>
        <source>Already in the card file: %1</source>
        <translation>Déjà dans le fichier : %1</translation>
    </message>
    <message>
        <source>Rows with an empty Card field, not added: %1</source>
        <translation>Lignes au champ Card vide, non ajoutées : %1</translation>
    </message>
    <message>
        <source>Not carried: %1</source>
        <translation>Non repris : %1</translation>
    </message>
    <message>
        <source>The card file that could not be read at start was kept as %1. The cards were saved, but this could not be confirmed: %2.</source>
        <translation>Le fichier de fiches illisible au démarrage a été conservé sous le nom %1. Les fiches ont été enregistrées, mais cela n’a pas pu être confirmé : %2.</translation>
    </message>
    <message>
        <source>The cards were saved, but this could not be confirmed: %1.</source>
        <translation>Les fiches ont été enregistrées, mais cela n’a pas pu être confirmé : %1.</translation>
    </message>
    <message>
        <source>Cannot save to %1: it now leads to %2, not to %3, the card file that was read and locked</source>
        <translation>Impossible d’enregistrer dans %1 : le lien mène maintenant à %2, et non à %3, le fichier de fiches qui a été lu et verrouillé</translation>
    </message>
    <message>
        <source>Cannot save to %1: %2</source>
        <translation>Impossible d’enregistrer dans %1 : %2</translation>
    </message>
    <message>
        <source>the symbolic link %1 belongs to %2 in a directory everyone may write, and such a link is followed only when it is yours or the directory owner&apos;s</source>
        <translation>le lien symbolique %1 appartient à %2 dans un répertoire où tout le monde peut écrire, et un tel lien n’est suivi que s’il est à vous ou au propriétaire du répertoire</translation>
    </message>
    <message>
        <source>%1; the card file is used without a lock, so another Quillbox could change it meanwhile.</source>
        <translation>%1 ; le fichier de fiches est utilisé sans verrou, un autre Quillbox pourrait donc le modifier entre-temps.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be used (%2)</source>
        <translation>Le fichier de verrou %1 est inutilisable (%2)</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>c’est un lien symbolique</translation>
    </message>
    <message>
        <source>The lock file %1 belongs to %2, not to you; it is not honoured</source>
        <translation>Le fichier de verrou %1 appartient à %2, pas à vous ; il n’est pas respecté</translation>
    </message>
    <message>
        <source>The card file cannot be locked (%1: %2)</source>
        <translation>Impossible de verrouiller le fichier de fiches (%1 : %2)</translation>
    </message>
    <message>
        <source>plain text cannot be imported; use vcard or csv</source>
        <translation>le texte brut ne peut pas être importé ; utilisez vcard ou csv</translation>
    </message>
    <message>
        <source>this is a vCard file, not CSV; use --import vcard</source>
        <translation>c’est un fichier vCard, pas du CSV ; utilisez --import vcard</translation>
    </message>
    <message>
        <source>this is not a vCard file (it does not begin with BEGIN:VCARD); if it is CSV, use --import csv</source>
        <translation>ce n’est pas un fichier vCard (il ne commence pas par BEGIN:VCARD) ; si c’est du CSV, utilisez --import csv</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the text is neither UTF-8 nor UTF-16 with its byte-order mark</source>
        <translation>le texte n’est ni de l’UTF-8 ni de l’UTF-16 avec son indicateur d’ordre des octets</translation>
    </message>
    <message>
        <source>a record of more than %1 fields</source>
        <translation>un enregistrement de plus de %1 champs</translation>
    </message>
    <message>
        <source>a quoted field goes on after its closing quote</source>
        <translation>un champ entre guillemets continue après son guillemet fermant</translation>
    </message>
    <message>
        <source>a quoted field is never closed</source>
        <translation>un champ entre guillemets n’est jamais fermé</translation>
    </message>
    <message>
        <source>a NUL byte: this is not a text file</source>
        <translation>un octet NUL : ce n’est pas un fichier texte</translation>
    </message>
    <message>
        <source>a NUL character: this is not a text file</source>
        <translation>un caractère NUL : ce n’est pas un fichier texte</translation>
    </message>
    <message>
        <source>a line of more than %1 MB without a colon</source>
        <translation>une ligne de plus de %1 Mo sans deux-points</translation>
    </message>
    <message>
        <source>the vCard that begins here has no END:VCARD</source>
        <translation>la vCard qui commence ici n’a pas de END:VCARD</translation>
    </message>
    <message>
        <source>no vCard found (no BEGIN:VCARD)</source>
        <translation>aucune vCard trouvée (pas de BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>the character set %1 is not known</source>
        <translation>le jeu de caractères %1 est inconnu</translation>
    </message>
    <message>
        <source>a line without a colon</source>
        <translation>une ligne sans deux-points</translation>
    </message>
    <message>
        <source>a vCard begins inside another</source>
        <translation>une vCard commence à l’intérieur d’une autre</translation>
    </message>
    <message>
        <source>text outside a vCard</source>
        <translation>du texte hors d’une vCard</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Est un répertoire</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>N’est pas un répertoire</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou répertoire de ce nom</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Opération non permise</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus d’espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d’entrée/sortie</translation>
    </message>
    <message>
        <source>Bad file descriptor</source>
        <translation>Mauvais descripteur de fichier</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Tube brisé</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Répertoire non vide</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>Fichier occupé</translation>
    </message>
    <message>
        <source>photo</source>
        <translation>photo</translation>
    </message>
    <message>
        <source>photos</source>
        <translation>photos</translation>
    </message>
    <message>
        <source>logo</source>
        <translation>logo</translation>
    </message>
    <message>
        <source>logos</source>
        <translation>logos</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>son</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>sons</translation>
    </message>
    <message>
        <source>key</source>
        <translation>clé</translation>
    </message>
    <message>
        <source>keys</source>
        <translation>clés</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autres</translation>
    </message>
    <message>
        <source>The vdir %1 is not a directory.</source>
        <translation>Le vdir %1 n’est pas un répertoire.</translation>
    </message>
    <message>
        <source>Cannot create the vdir %1: %2</source>
        <translation>Impossible de créer le vdir %1 : %2</translation>
    </message>
    <message>
        <source>Cannot open the vdir %1: %2</source>
        <translation>Impossible d’ouvrir le vdir %1 : %2</translation>
    </message>
    <message>
        <source>The sync state file %1 is not for this vdir (%2). Nothing was synced. Sync with that vdir, or move the state file away to sync with %3 as for the first time.</source>
        <translation>Le fichier d’état de synchronisation %1 n’est pas celui de ce vdir (%2). Rien n’a été synchronisé. Synchronisez avec ce vdir-là, ou déplacez le fichier d’état pour synchroniser avec %3 comme la première fois.</translation>
    </message>
    <message>
        <source>The sync state file %1 is damaged (%2). Nothing was synced. Move it away to sync as for the first time: contacts are then matched to cards by their text.</source>
        <translation>Le fichier d’état de synchronisation %1 est endommagé (%2). Rien n’a été synchronisé. Déplacez-le pour synchroniser comme la première fois : les contacts sont alors associés aux fiches par leur texte.</translation>
    </message>
    <message>
        <source>it cannot be used: %1</source>
        <translation>il est inutilisable : %1</translation>
    </message>
    <message>
        <source>it belongs to the vdir %1</source>
        <translation>il appartient au vdir %1</translation>
    </message>
    <message>
        <source>it is not a Quillbox sync state file</source>
        <translation>ce n’est pas un fichier d’état de synchronisation de Quillbox</translation>
    </message>
    <message>
        <source>its checksum does not match (the file is damaged or was cut short)</source>
        <translation>sa somme de contrôle ne correspond pas (le fichier est endommagé ou a été tronqué)</translation>
    </message>
    <message>
        <source>its contents are not in the expected form</source>
        <translation>son contenu n’a pas la forme attendue</translation>
    </message>
    <message>
        <source>Cannot read the sync state file %1: %2</source>
        <translation>Impossible de lire le fichier d’état de synchronisation %1 : %2</translation>
    </message>
    <message>
        <source>The card file %1 is damaged at its end; open it in the window first. Nothing was synced.</source>
        <translation>Le fichier de fiches %1 est endommagé à sa fin ; ouvrez-le d’abord dans la fenêtre. Rien n’a été synchronisé.</translation>
    </message>
    <message>
        <source>%1. Nothing was synced.</source>
        <translation>%1. Rien n’a été synchronisé.</translation>
    </message>
    <message>
        <source>%1. The sync stopped; run it again.</source>
        <translation>%1. La synchronisation s’est arrêtée ; relancez-la.</translation>
    </message>
    <message>
        <source>%1. The cards were not saved; the sync stopped. Run it again.</source>
        <translation>%1. Les fiches n’ont pas été enregistrées ; la synchronisation s’est arrêtée. Relancez-la.</translation>
    </message>
    <message>
        <source>%1. The cards and the vdir are synced; the next sync will match them by their text.</source>
        <translation>%1. Les fiches et le vdir sont synchronisés ; la prochaine synchronisation les associera par leur texte.</translation>
    </message>
    <message>
        <source>Cannot flush the files of %1: %2</source>
        <translation>Impossible d’écrire sur le disque les fichiers de %1 : %2</translation>
    </message>
    <message>
        <source>Cannot sync the directory %1: %2</source>
        <translation>Impossible de synchroniser le répertoire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write the sync state file %1: %2</source>
        <translation>Impossible d’écrire le fichier d’état de synchronisation %1 : %2</translation>
    </message>
    <message>
        <source>Sent to the vdir: %1 new, %2 changed, %3 deleted.</source>
        <translation>Envoyés au vdir : %1 nouveaux, %2 modifiés, %3 supprimés.</translation>
    </message>
    <message>
        <source>Taken from the vdir: %1 new, %2 changed, %3 deleted.</source>
        <translation>Repris du vdir : %1 nouveaux, %2 modifiés, %3 supprimés.</translation>
    </message>
    <message>
        <source>Conflicts kept as copies: %1.</source>
        <translation>Conflits gardés en copie : %1.</translation>
    </message>
    <message>
        <source>Not added (card file full or text too long): %1.</source>
        <translation>Non ajoutés (fichier de fiches plein ou texte trop long) : %1.</translation>
    </message>
    <message>
        <source>Left alone: %1</source>
        <translation>Laissé tel quel : %1</translation>
    </message>
    <message>
        <source>the contact has no text</source>
        <translation>le contact n’a pas de texte</translation>
    </message>
    <message>
        <source>%1: not a contact (.vcf) file</source>
        <translation>%1 : pas un fichier de contact (.vcf)</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1 : pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1: not a readable vCard (%2)</source>
        <translation>%1 : pas une vCard lisible (%2)</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>A&amp;bandonner</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>OpenFiles</name>
    <message>
        <source>1 card</source>
        <translation>1 fiche</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 fiches</translation>
    </message>
    <message>
        <source>No cards were added: the card file is open in another Quillbox window, and this one is read-only (nothing it holds is saved).</source>
        <translation>Aucune fiche n’a été ajoutée : le fichier de fiches est ouvert dans une autre fenêtre de Quillbox, et celle-ci est en lecture seule (rien de ce qu’elle contient n’est enregistré).</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>ligne %1 : </translation>
    </message>
    <message>
        <source>No cards were added: %1 cannot be imported (%2%3).</source>
        <translation>Aucune fiche n’a été ajoutée : %1 ne peut pas être importé (%2%3).</translation>
    </message>
    <message>
        <source>Add the %1 of %2 to the card file?</source>
        <translation>Ajouter les %1 de %2 au fichier de fiches ?</translation>
    </message>
    <message>
        <source>Add the cards of these files to the card file?</source>
        <translation>Ajouter les fiches de ces fichiers au fichier de fiches ?</translation>
    </message>
</context>
<context>
    <name>PrinterTexts</name>
    <message>
        <source>No free file name for %1 in %2</source>
        <translation>Aucun nom de fichier libre pour %1 dans %2</translation>
    </message>
    <message>
        <source>The printer %1 is not available: %2</source>
        <translation>L’imprimante %1 n’est pas disponible : %2</translation>
    </message>
    <message>
        <source>The printer %1 does not accept jobs: %2</source>
        <translation>L’imprimante %1 n’accepte pas de travaux : %2</translation>
    </message>
    <message>
        <source>rejecting jobs</source>
        <translation>refuse les travaux</translation>
    </message>
    <message>
        <source>The printer %1 is stopped. The job waits in its queue until the printer is started again</source>
        <translation>L’imprimante %1 est arrêtée. Le travail attend dans sa file jusqu’à ce que l’imprimante redémarre</translation>
    </message>
    <message>
        <source>A print job is already open</source>
        <translation>Un travail d’impression est déjà ouvert</translation>
    </message>
    <message>
        <source>The printer %1 is not available</source>
        <translation>L’imprimante %1 n’est pas disponible</translation>
    </message>
    <message>
        <source>Cannot begin a PDF file</source>
        <translation>Impossible de commencer un fichier PDF</translation>
    </message>
    <message>
        <source>The printer %1 refused the job</source>
        <translation>L’imprimante %1 a refusé le travail</translation>
    </message>
    <message>
        <source>The printer %1 refused a new page</source>
        <translation>L’imprimante %1 a refusé une nouvelle page</translation>
    </message>
    <message>
        <source>No print job is open</source>
        <translation>Aucun travail d’impression n’est ouvert</translation>
    </message>
    <message>
        <source>The printer %1 refused the job: %2</source>
        <translation>L’imprimante %1 a refusé le travail : %2</translation>
    </message>
    <message>
        <source>The printer %1 could not complete the job</source>
        <translation>L’imprimante %1 n’a pas pu terminer le travail</translation>
    </message>
</context>
<context>
    <name>PrintingTexts</name>
    <message>
        <source>Bad page parameters in the print dialog.</source>
        <translation>Paramètres de page incorrects dans la boîte d’impression.</translation>
    </message>
    <message>
        <source>The print job could not be completed: %1</source>
        <translation>Le travail d’impression n’a pas pu être terminé : %1</translation>
    </message>
    <message>
        <source>No printer is installed. The job was saved as %1</source>
        <translation>Aucune imprimante n’est installée. Le travail a été enregistré sous %1</translation>
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
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue « %1 ».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues : %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après « %1 ».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après « %1 ».</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Voir dans :</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fichiers de type :</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Dossiers</translation>
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
        <source>Parent Directory</source>
        <translation>Dossier parent</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Créer un nouveau dossier</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Vue en liste</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Vue détaillée</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Revenir en arrière</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Aller en avant</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Aller au dossier parent</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Créer un nouveau dossier</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Passer à la vue en liste</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Passer à la vue détaillée</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barre latérale</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Liste des emplacements et des favoris</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Emplacements récents</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Nouveau dossier</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Afficher les fic&amp;hiers cachés</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Voulez-vous vraiment supprimer « %1 » ?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Impossible de supprimer le dossier.</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Dossier introuvable.
Veuillez vérifier le nom du dossier.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Modifié le</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Poste de travail</translation>
    </message>
</context>
<context>
    <name>QFontDialog</name>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Police</translation>
    </message>
    <message>
        <source>Font st&amp;yle</source>
        <translation>St&amp;yle</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Wr&amp;iting System</source>
        <translation>Système d’é&amp;criture</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>StartTexts</name>
    <message>
        <source> (read-only)</source>
        <translation> (lecture seule)</translation>
    </message>
    <message>
        <source>The card file %1 is already open in another Quillbox window.<byte value="xd"/>
Open it read-only (nothing you change is saved), or quit?</source>
        <translation>Le fichier de fiches %1 est déjà ouvert dans une autre fenêtre de Quillbox.<byte value="xd"/>
L’ouvrir en lecture seule (rien de ce que vous changez n’est enregistré), ou quitter ?</translation>
    </message>
    <message>
        <source>Open &amp;Read-Only</source>
        <translation>Ouvrir en &amp;lecture seule</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>quillbox</name>
    <message>
        <source>You must complete editing the new card before taking this action.<byte value="xd"/>
Either complete the entry (Book Button) or abort (Menu Cards\Abort).</source>
        <translation>Vous devez terminer la saisie de la nouvelle fiche avant cette action.<byte value="xd"/>
Terminez la saisie (bouton Livre) ou abandonnez (menu Fiches\Abandonner).</translation>
    </message>
    <message>
        <source>Move back</source>
        <translation>Fiche précédente</translation>
    </message>
    <message>
        <source>Move forward</source>
        <translation>Fiche suivante</translation>
    </message>
    <message>
        <source>Page back</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Page forward</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Print envelope/label</source>
        <translation>Imprimer enveloppe/étiquette</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Print card</source>
        <translation>Imprimer la fiche</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>End new card entry</source>
        <translation>Terminer la saisie</translation>
    </message>
    <message>
        <source>New card</source>
        <translation>Nouvelle fiche</translation>
    </message>
    <message>
        <source>Delete card</source>
        <translation>Supprimer la fiche</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>quillbox::FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Couleur :</translation>
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
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
</context>
<context>
    <name>quillbox::HelpWindow</name>
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
    <name>quillbox::PrintDialog</name>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>No printer installed: PDF files in %1</source>
        <translation>Aucune imprimante : fichiers PDF dans %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Imprimante :</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Étendue</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Toutes</translation>
    </message>
    <message>
        <source>All cards</source>
        <translation>Toutes les fiches</translation>
    </message>
    <message>
        <source>Pa&amp;ges</source>
        <translation>&amp;Fiches</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Fiches</translation>
    </message>
    <message>
        <source>From card</source>
        <translation>De la fiche</translation>
    </message>
    <message>
        <source>To card</source>
        <translation>À la fiche</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;À :</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>&amp;Copies:</source>
        <translation>&amp;Copies :</translation>
    </message>
    <message>
        <source>C&amp;ollate</source>
        <translation>&amp;Assembler</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Assembler</translation>
    </message>
</context>
<context>
    <name>quillbox::PrintPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>The pages of the job as they will print</source>
        <translation>Les pages du travail telles qu’elles seront imprimées</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Première page</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Dernière page</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>A&amp;grandir</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Plus grand</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Plus petit</translation>
    </message>
    <message>
        <source>&amp;Whole Page</source>
        <translation>Page &amp;entière</translation>
    </message>
    <message>
        <source>The whole page in view</source>
        <translation>La page entière en vue</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print these pages as shown</source>
        <translation>Imprimer ces pages telles qu’elles sont montrées</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close without printing</source>
        <translation>Fermer sans imprimer</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>The page in view and the job&apos;s pages</source>
        <translation>La page affichée et les pages du travail</translation>
    </message>
</context>
<context>
    <name>quillbox::PrinterSetupDialog</name>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l’impression</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Imprimante :</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Format du papier</translation>
    </message>
    <message>
        <source>Paper si&amp;ze:</source>
        <translation>&amp;Format du papier :</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation>P&amp;ortrait</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Paysage</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Every job shows its pages first; nothing prints until Print is chosen there</source>
        <translation>Chaque travail montre d’abord ses pages ; rien n’est imprimé avant d’y choisir Imprimer</translation>
    </message>
    <message>
        <source>Preview before printing</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Pre&amp;view before printing</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
</context>
<context>
    <name>quillbox::TAboutBox1</name>
    <message>
        <source>About Quillbox</source>
        <translation>À propos de Quillbox</translation>
    </message>
    <message>
        <source>Quillbox icon</source>
        <translation>Icône de Quillbox</translation>
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
        <translation>pour Windows</translation>
    </message>
</context>
<context>
    <name>quillbox::TForm1</name>
    <message>
        <source>Card notebook</source>
        <translation>Classeur de fiches</translation>
    </message>
    <message>
        <source>Four consecutive cards; the selected tab is the card shown</source>
        <translation>Quatre fiches qui se suivent ; l’onglet sélectionné est la fiche affichée</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Fiche</translation>
    </message>
    <message>
        <source>The text of the card shown; its first line is its title</source>
        <translation>Le texte de la fiche affichée ; sa première ligne est son titre</translation>
    </message>
    <message>
        <source>Alphabet tabs</source>
        <translation>Onglets alphabétiques</translation>
    </message>
    <message>
        <source>Shows the first card filed under a letter</source>
        <translation>Affiche la première fiche classée sous une lettre</translation>
    </message>
    <message>
        <source>Tool buttons</source>
        <translation>Boutons d’outils</translation>
    </message>
    <message>
        <source>Card counter</source>
        <translation>Compteur de fiches</translation>
    </message>
    <message>
        <source>Number of cards</source>
        <translation>Nombre de fiches</translation>
    </message>
    <message>
        <source>Number of the card shown</source>
        <translation>Numéro de la fiche affichée</translation>
    </message>
    <message>
        <source>&amp;Main</source>
        <translation>&amp;Principal</translation>
    </message>
    <message>
        <source>Set &amp;Font</source>
        <translation>Choisir la &amp;police</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print &amp;Setup</source>
        <translation>&amp;Configuration de l’impression</translation>
    </message>
    <message>
        <source>&amp;Always on Top</source>
        <translation>&amp;Toujours au premier plan</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>&amp;Fiches</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Complete Entry</source>
        <translation>&amp;Terminer la saisie</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>A&amp;bandonner</translation>
    </message>
    <message>
        <source>&amp;Search </source>
        <translation>&amp;Rechercher </translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Print Envelope</source>
        <translation>Imprimer l’&amp;enveloppe</translation>
    </message>
    <message>
        <source>Do printer setup for envelope</source>
        <translation>Configurer l’imprimante pour l’enveloppe</translation>
    </message>
    <message>
        <source>Print &amp;Label</source>
        <translation>Imprimer l’é&amp;tiquette</translation>
    </message>
    <message>
        <source>Print &amp;Address  Book</source>
        <translation>Imprimer le c&amp;arnet d’adresses</translation>
    </message>
    <message>
        <source>Print &amp;Card</source>
        <translation>Imprimer la &amp;fiche</translation>
    </message>
    <message>
        <source>Print a La&amp;bel</source>
        <translation>Imprimer une étiquette &amp;vierge</translation>
    </message>
    <message>
        <source>Print an &amp;Envelope</source>
        <translation>Imprimer une e&amp;nveloppe vierge</translation>
    </message>
    <message>
        <source>&amp;Return Address</source>
        <translation>Adresse de l’e&amp;xpéditeur</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Quillbox file not present. Program will run without a current file</source>
        <translation>Aucun fichier Quillbox présent. Le programme fonctionnera sans fichier courant</translation>
    </message>
    <message>
        <source>The card file %1 could not be read: %2<byte value="xd"/>
Program will run without a current file</source>
        <translation>Le fichier de fiches %1 n’a pas pu être lu : %2<byte value="xd"/>
Le programme fonctionnera sans fichier courant</translation>
    </message>
    <message>
        <source>The card file holds %1 more cards than the %2 this program can show.<byte value="xd"/>
They stay in the file and are saved back unchanged.</source>
        <translation>Le fichier contient %1 fiches de plus que les %2 que ce programme peut afficher.<byte value="xd"/>
Elles restent dans le fichier et y sont réécrites telles quelles.</translation>
    </message>
    <message>
        <source>The end of the card file is damaged: its last card may be incomplete.<byte value="xd"/>
Please check that card.</source>
        <translation>La fin du fichier de fiches est endommagée : sa dernière fiche est peut-être incomplète.<byte value="xd"/>
Veuillez vérifier cette fiche.</translation>
    </message>
    <message>
        <source>The cards were saved to %1.<byte value="xd"/>
%2</source>
        <translation>Les fiches ont été enregistrées dans %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The cards could not be saved to %1.<byte value="xd"/>
%2<byte value="xd"/>
%3<byte value="xd"/>
Try again, save them in another folder, or discard the changes made since the program started?</source>
        <translation>Les fiches n’ont pas pu être enregistrées dans %1.<byte value="xd"/>
%2<byte value="xd"/>
%3<byte value="xd"/>
Réessayer, les enregistrer dans un autre dossier, ou abandonner les modifications faites depuis le démarrage du programme ?</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>&amp;Save Elsewhere...</source>
        <translation>&amp;Enregistrer ailleurs...</translation>
    </message>
    <message>
        <source>&amp;Discard Changes</source>
        <translation>&amp;Abandonner les modifications</translation>
    </message>
    <message>
        <source>Save the Cards in Folder</source>
        <translation>Enregistrer les fiches dans le dossier</translation>
    </message>
    <message>
        <source>The cards were saved to %1.<byte value="xd"/>
Copy that file into %2 to use it at the next start.</source>
        <translation>Les fiches ont été enregistrées dans %1.<byte value="xd"/>
Copiez ce fichier dans %2 pour l’utiliser au prochain démarrage.</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 fiches</translation>
    </message>
    <message>
        <source>The maximum number of records for this file has been reached.</source>
        <translation>Le nombre maximal de fiches de ce fichier est atteint.</translation>
    </message>
    <message>
        <source>New card</source>
        <translation>Nouvelle fiche</translation>
    </message>
    <message>
        <source>There is no data in the card to add. Continue edit?</source>
        <translation>La fiche ne contient rien à ajouter. Continuer la saisie ?</translation>
    </message>
    <message>
        <source>You are not currently entering a card.</source>
        <translation>Vous n’êtes pas en train de saisir une fiche.</translation>
    </message>
    <message>
        <source>You either have no cards to delete or you are currently entering a card. If you are entering a card that you do not want to enter select abort from the Cards menu.</source>
        <translation>Vous n’avez aucune fiche à supprimer, ou vous êtes en train de saisir une fiche. Si vous saisissez une fiche dont vous ne voulez pas, choisissez Abandonner dans le menu Fiches.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this card:<byte value="xd"/>
</source>
        <translation>Voulez-vous vraiment supprimer cette fiche :<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Resume &amp;Normal Pos.</source>
        <translation>Position &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <comment>menu</comment>
        <translation>&amp;Impression</translation>
    </message>
</context>
<context>
    <name>quillbox::TForm2</name>
    <message>
        <source>Card List</source>
        <translation>Liste des fiches</translation>
    </message>
    <message>
        <source>List of All Cards</source>
        <translation>Liste de toutes les fiches</translation>
    </message>
</context>
<context>
    <name>quillbox::TForm3</name>
    <message>
        <source>Print Label or Envelope</source>
        <translation>Imprimer une étiquette ou une enveloppe</translation>
    </message>
    <message>
        <source>Text to print</source>
        <translation>Texte à imprimer</translation>
    </message>
    <message>
        <source>Label or Envelope</source>
        <translation>Étiquette ou enveloppe</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Envel.</translation>
    </message>
    <message>
        <source>Return Address</source>
        <translation>Expéditeur</translation>
    </message>
    <message>
        <source>1&quot; x 2.63&quot; (Avery 5260)</source>
        <translation>1&quot; x 2,63&quot; (Avery 5260)</translation>
    </message>
    <message>
        <source>1 by 2.63 inch labels, Avery 5260</source>
        <translation>Étiquettes de 1 sur 2,63 pouces, Avery 5260</translation>
    </message>
    <message>
        <source>1.33&quot; x 4&quot; (Avery 5262)</source>
        <translation>1,33&quot; x 4&quot; (Avery 5262)</translation>
    </message>
    <message>
        <source>1.33 by 4 inch labels, Avery 5262</source>
        <translation>Étiquettes de 1,33 sur 4 pouces, Avery 5262</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Lig.</translation>
    </message>
    <message>
        <source>Row scroll bar</source>
        <translation>Barre de défilement de la ligne</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Col.</translation>
    </message>
    <message>
        <source>Column scroll bar</source>
        <translation>Barre de défilement de la colonne</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Police</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Illegal row and/or column selections.</source>
        <translation>Choix de ligne et/ou de colonne incorrect.</translation>
    </message>
</context>
<context>
    <name>quillbox::TForm4</name>
    <message>
        <source>Search for:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Data to search for:</source>
        <translation>Texte à rechercher :</translation>
    </message>
    <message>
        <source>Data to search for</source>
        <translation>Texte à rechercher</translation>
    </message>
    <message>
        <source>&amp;Find First</source>
        <translation>&amp;Premier</translation>
    </message>
    <message>
        <source>Find First</source>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>The specified string was not found.</source>
        <translation>Le texte recherché est introuvable.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>quillbox::TForm5</name>
    <message>
        <source>Enter Return Address</source>
        <translation>Saisir l’adresse de l’expéditeur</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Return address</source>
        <translation>Adresse de l’expéditeur</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
</TS>
