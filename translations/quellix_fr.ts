<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CloseQuestion</name>
    <message>
        <source>Close Anyway</source>
        <translation>Fermer quand même</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Attendre</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>read</source>
        <translation>lu</translation>
    </message>
    <message>
        <source>write</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>verify</source>
        <translation>vérification</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>sauvegarde</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restauration</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Vérifié</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>differences (%1)</source>
        <translation>différences (%1)</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échoué</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>échec : %1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Enregistrement %1</translation>
    </message>
    <message>
        <source>Operator: %1</source>
        <translation>Opérateur : %1</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Ordinateur : %1</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>compare</source>
        <translation>comparaison</translation>
    </message>
    <message>
        <source>The unit&apos;s state before record %1: restore this to undo it.</source>
        <translation>L&apos;état de l&apos;appareil avant l&apos;enregistrement %1 : restaurez-le pour l&apos;annuler.</translation>
    </message>
    <message>
        <source>%1 (before %2)</source>
        <translation>%1 (avant %2)</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Port, model, outcome or file</source>
        <translation>Port, modèle, résultat ou fichier</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Chercher :</translation>
    </message>
    <message>
        <source>&amp;Open in Window</source>
        <translation>&amp;Ouvrir dans la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Enregistrer sous...</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The journal is off, so there is no history to show. Start Quellix without --no-journal, or give it one with --journal FILE or --journal postgresql://USER@HOST/DATABASE, or set QUELLIX_JOURNAL.</source>
        <translation>Le journal est désactivé, il n&apos;y a donc aucun historique à afficher. Lancez Quellix sans --no-journal, ou indiquez-en un avec --journal FICHIER ou --journal postgresql://UTILISATEUR@HÔTE/BASE, ou définissez QUELLIX_JOURNAL.</translation>
    </message>
    <message>
        <source>The journal %1 cannot be read: %2
Check that it is there (for a server, that it is reachable), then press Refresh; --journal or QUELLIX_JOURNAL chooses another.</source>
        <translation>Le journal %1 ne peut pas être lu : %2
Vérifiez qu&apos;il existe (pour un serveur, qu&apos;il est joignable), puis appuyez sur Actualiser ; --journal ou QUELLIX_JOURNAL en choisit un autre.</translation>
    </message>
    <message>
        <source>All ports</source>
        <translation>Tous les ports</translation>
    </message>
    <message>
        <source>%1 of %2 records</source>
        <translation>%1 sur %2 enregistrements</translation>
    </message>
    <message>
        <source>it is no longer in the journal</source>
        <translation>il n&apos;est plus dans le journal</translation>
    </message>
    <message>
        <source>Journal record %1 cannot be used: %2</source>
        <translation>L&apos;enregistrement de journal %1 ne peut pas être utilisé : %2</translation>
    </message>
    <message>
        <source>journal record %1 (%2 of %3, %4)</source>
        <translation>enregistrement de journal %1 (%2 de %3, %4)</translation>
    </message>
    <message>
        <source>Open in Window</source>
        <translation>Ouvrir dans la fenêtre</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Saved %1 to %2</source>
        <translation>%1 enregistré dans %2</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>C&amp;hanges:</source>
        <translation>&amp;Modifications :</translation>
    </message>
    <message>
        <source>Record %1 is no longer in the journal.</source>
        <translation>L&apos;enregistrement %1 n&apos;est plus dans le journal.</translation>
    </message>
    <message>
        <source>Against record %1, the unit&apos;s state just before:</source>
        <translation>Par rapport à l&apos;enregistrement %1, l&apos;état de l&apos;appareil juste avant :</translation>
    </message>
    <message>
        <source>Nothing changed.</source>
        <translation>Rien n&apos;a changé.</translation>
    </message>
    <message>
        <source>Nothing differed.</source>
        <translation>Aucune différence.</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Restore &amp;This...</source>
        <translation>&amp;Restaurer celui-ci...</translation>
    </message>
    <message>
        <source>Writes the record&apos;s configuration to the unit connected in the main window, backing the unit up first.</source>
        <translation>Écrit la configuration de l&apos;enregistrement dans l&apos;appareil connecté dans la fenêtre principale, après avoir sauvegardé l&apos;appareil.</translation>
    </message>
    <message>
        <source>Loading ...</source>
        <translation>Chargement ...</translation>
    </message>
    <message>
        <source>The journal %1 is slow to answer. The list below is what it held when it last answered; it follows once the journal answers.</source>
        <translation>Le journal %1 tarde à répondre. La liste ci-dessous est son contenu lors de sa dernière réponse ; elle suivra dès que le journal répondra.</translation>
    </message>
    <message>
        <source>Reading record %1 ...</source>
        <translation>Lecture de l&apos;enregistrement %1 ...</translation>
    </message>
    <message>
        <source>Restore This</source>
        <translation>Restaurer celui-ci</translation>
    </message>
    <message>
        <source>%1 (serial number %2)</source>
        <translation>%1 (numéro de série %2)</translation>
    </message>
    <message>
        <source>Port: the record was kept from %1; the unit is on %2.</source>
        <translation>Port : l&apos;enregistrement provient de %1 ; l&apos;appareil est sur %2.</translation>
    </message>
    <message>
        <source>Model: the record was kept from a %1; this unit is a %2.</source>
        <translation>Modèle : l&apos;enregistrement provient d&apos;un %1 ; cet appareil est un %2.</translation>
    </message>
    <message>
        <source>%1 may belong to another unit. Write it to this unit all the same?</source>
        <translation>%1 appartient peut-être à un autre appareil. L&apos;écrire quand même dans cet appareil ?</translation>
    </message>
</context>
<context>
    <name>WindowContents</name>
    <message>
        <source>cut short after %1 of %2 exchanges; the rest is as it was before</source>
        <translation>interrompu après %1 échanges sur %2 ; le reste est comme avant</translation>
    </message>
    <message>
        <source>the file holds phone numbers 1-16 only; 17-32 were kept from before</source>
        <translation>le fichier ne contient que les numéros 1-16 ; 17-32 sont restés comme avant</translation>
    </message>
    <message>
        <source>Start values</source>
        <translation>Valeurs de départ</translation>
    </message>
    <message>
        <source>Read from %1 at %2</source>
        <translation>Lu depuis %1 à %2</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>%1 chargé</translation>
    </message>
    <message>
        <source>Written to %1 at %2</source>
        <translation>Écrit dans %1 à %2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1; edited since</source>
        <translation>%1 ; modifié depuis</translation>
    </message>
    <message>
        <source>it holds phone numbers 1-16 only; 17-32 were kept from before</source>
        <translation>il ne contient que les numéros 1 à 16 ; 17 à 32 sont restés comme avant</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 ouvert</translation>
    </message>
    <message>
        <source>some replies came late or could not be read; read again</source>
        <translation>certaines réponses sont arrivées en retard ou étaient illisibles ; relisez</translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.</source>
        <translation>Licence GPL-3.0-or-later : GNU GPL version 3 ou ultérieure &lt;https://gnu.org/licenses/gpl.html&gt;.</translation>
    </message>
    <message>
        <source>This is free software: you are free to change and redistribute it.</source>
        <translation>Ceci est un logiciel libre : vous pouvez le modifier et le redistribuer.</translation>
    </message>
    <message>
        <source>There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Il n&apos;y a AUCUNE GARANTIE, dans la mesure permise par la loi.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échoué</translation>
    </message>
    <message>
        <source>Serial port of a unit (/dev/ttyUSB0, COM3); repeat for several.</source>
        <translation>Port série d&apos;un appareil (/dev/ttyUSB0, COM3) ; à répéter pour plusieurs.</translation>
    </message>
    <message>
        <source>File a read is saved to.</source>
        <translation>Fichier où la lecture est enregistrée.</translation>
    </message>
    <message>
        <source>Print JSON (ports, show).</source>
        <translation>Afficher en JSON (ports, show).</translation>
    </message>
    <message>
        <source>Read back after a write and compare.</source>
        <translation>Relire après l&apos;écriture et comparer.</translation>
    </message>
    <message>
        <source>Milliseconds per exchange (default 100).</source>
        <translation>Millisecondes par échange (100 par défaut).</translation>
    </message>
    <message>
        <source>Append every command and reply to FILE.</source>
        <translation>Ajouter chaque commande et chaque réponse à FILE.</translation>
    </message>
    <message>
        <source>No progress or summaries; errors only.</source>
        <translation>Ni progression ni résumé ; seulement les erreurs.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>Usage:
</source>
        <translation>Usage :
</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
Options :
</translation>
    </message>
    <message>
        <source>%1; did you mean &apos;%2&apos;?</source>
        <translation>%1 ; vouliez-vous dire &apos;%2&apos; ?</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--%1 does not apply to %2</source>
        <translation>--%1 ne s&apos;applique pas à %2</translation>
    </message>
    <message>
        <source>%1 takes %2 file argument, %3 given</source>
        <translation>%1 attend %2 fichier en argument, %3 donné(s)</translation>
    </message>
    <message>
        <source>%1 takes %2 file arguments, %3 given</source>
        <translation>%1 attend %2 fichiers en argument, %3 donné(s)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>%1 needs -p PORT</source>
        <translation>%1 exige -p PORT</translation>
    </message>
    <message>
        <source>a port is given twice</source>
        <translation>un port est indiqué deux fois</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>est un dossier</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>le dossier %1 n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>read needs -o FILE</source>
        <translation>read exige -o FILE</translation>
    </message>
    <message>
        <source>with several ports, -o needs {port} in the file name</source>
        <translation>avec plusieurs ports, -o exige {port} dans le nom de fichier</translation>
    </message>
    <message>
        <source>two ports would be saved to the same file</source>
        <translation>deux ports seraient enregistrés dans le même fichier</translation>
    </message>
    <message>
        <source>%1: %2 (exit %3)</source>
        <translation>%1 : %2 (sortie %3)</translation>
    </message>
    <message>
        <source>PORT	DESCRIPTION	MANUFACTURER	SERIAL NUMBER	VENDOR:PRODUCT
</source>
        <translation>PORT	DESCRIPTION	FABRICANT	NUMÉRO DE SÉRIE	VENDEUR:PRODUIT
</translation>
    </message>
    <message>
        <source>quellix-cli: %1
Try &apos;quellix-cli --help&apos;.
</source>
        <translation>quellix-cli : %1
Essayez « quellix-cli --help ».
</translation>
    </message>
    <message>
        <source>quellix-cli: %1: %2
</source>
        <translation>quellix-cli : %1 : %2
</translation>
    </message>
    <message>
        <source>%1  waiting</source>
        <translation>%1  en attente</translation>
    </message>
    <message>
        <source>One value over FILE for every unit of a write; repeat for several.</source>
        <translation>Une valeur par-dessus FILE pour chaque appareil d&apos;une écriture ; à répéter pour plusieurs.</translation>
    </message>
    <message>
        <source>Values over FILE per unit of a write: a CSV row per port.</source>
        <translation>Valeurs par-dessus FILE pour chaque appareil d&apos;une écriture : une ligne CSV par port.</translation>
    </message>
    <message>
        <source>quellix-cli: %1
</source>
        <translation>quellix-cli : %1
</translation>
    </message>
    <message>
        <source>--sheet is given more than once</source>
        <translation>--sheet est indiqué plusieurs fois</translation>
    </message>
    <message>
        <source>quellix-cli: journal: %1
</source>
        <translation>quellix-cli : journal : %1
</translation>
    </message>
    <message>
        <source>%1; this run is not recorded</source>
        <translation>%1 ; cette exécution n&apos;est pas consignée</translation>
    </message>
    <message>
        <source>Journal file, or postgresql://USER@HOST[:PORT]/DATABASE.</source>
        <translation>Fichier journal, ou postgresql://USER@HOST[:PORT]/DATABASE.</translation>
    </message>
    <message>
        <source>Record nothing in the journal.</source>
        <translation>Ne rien consigner dans le journal.</translation>
    </message>
    <message>
        <source>journal: only from TIME on (2026-12-07T14:00:00Z).</source>
        <translation>journal : seulement à partir de TIME (2026-12-07T14:00:00Z).</translation>
    </message>
    <message>
        <source>journal: only the newest N.</source>
        <translation>journal : seulement les N plus récents.</translation>
    </message>
    <message>
        <source>journal: print CSV.</source>
        <translation>journal : afficher en CSV.</translation>
    </message>
    <message>
        <source>journal: the configuration of record ID.</source>
        <translation>journal : la configuration de l&apos;enregistrement ID.</translation>
    </message>
    <message>
        <source>journal: send the records kept locally to the server.</source>
        <translation>journal : envoyer au serveur les enregistrements gardés localement.</translation>
    </message>
    <message>
        <source>journal --sync takes no other journal option</source>
        <translation>journal --sync n&apos;accepte aucune autre option de journal</translation>
    </message>
    <message>
        <source>journal --show takes only -o FILE</source>
        <translation>journal --show n&apos;accepte que -o FILE</translation>
    </message>
    <message>
        <source>-o goes with journal --show ID</source>
        <translation>-o va avec journal --show ID</translation>
    </message>
    <message>
        <source>--json and --csv exclude each other</source>
        <translation>--json et --csv s&apos;excluent</translation>
    </message>
    <message>
        <source>journal takes one -p PORT at most</source>
        <translation>journal accepte au plus un -p PORT</translation>
    </message>
    <message>
        <source>--since takes a time such as 2026-12-07T14:00:00Z or a date, not &apos;%1&apos;</source>
        <translation>--since accepte une heure comme 2026-12-07T14:00:00Z ou une date, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--limit takes a positive whole number, not &apos;%1&apos;</source>
        <translation>--limit accepte un nombre entier positif, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>ID	TIME	ACTION	PORT	OUTCOME	OPERATOR	FILE
</source>
        <translation>ID	HEURE	ACTION	PORT	RÉSULTAT	OPÉRATEUR	FICHIER
</translation>
    </message>
    <message>
        <source>journal record %1</source>
        <translation>enregistrement de journal %1</translation>
    </message>
    <message>
        <source>no such record</source>
        <translation>cet enregistrement n&apos;existe pas</translation>
    </message>
    <message>
        <source>journal --sync sends to a server: give --journal postgresql://USER@HOST[:PORT]/DATABASE or set QUELLIX_JOURNAL</source>
        <translation>journal --sync envoie à un serveur : indiquez --journal postgresql://USER@HOST[:PORT]/DATABASE ou définissez QUELLIX_JOURNAL</translation>
    </message>
    <message>
        <source>quellix-cli: journal: %1 sent to %2, %3 still waiting
</source>
        <translation>quellix-cli : journal : %1 envoyé(s) à %2, %3 encore en attente
</translation>
    </message>
    <message>
        <source>Read each unit in full before writing it; kept in the journal.</source>
        <translation>Lire chaque appareil en entier avant de l&apos;écrire ; consigné dans le journal.</translation>
    </message>
    <message>
        <source>Also save each backup as DIR/PORT-TIME.json (implies --backup).</source>
        <translation>Enregistrer aussi chaque sauvegarde sous DIR/PORT-TIME.json (implique --backup).</translation>
    </message>
    <message>
        <source>Send only the settings that differ from the backup.</source>
        <translation>N&apos;envoyer que les réglages qui diffèrent de la sauvegarde.</translation>
    </message>
    <message>
        <source>restore: the journal record whose configuration is written.</source>
        <translation>restore : l&apos;enregistrement du journal dont la configuration est écrite.</translation>
    </message>
    <message>
        <source>station: only devices whose path matches; repeat for several.</source>
        <translation>station : seulement les périphériques dont le chemin correspond ; à répéter pour plusieurs.</translation>
    </message>
    <message>
        <source>station: end after N units are done.</source>
        <translation>station : terminer après N appareils traités.</translation>
    </message>
    <message>
        <source>station: no bell on each result.</source>
        <translation>station : pas de bip à chaque résultat.</translation>
    </message>
    <message>
        <source>FILE is a configuration file (145 or 161 records) or its JSON form (see show --json).
In -o, {port} stands for the port&apos;s base name; it is required with several ports.
An -o name ending in .json writes JSON. Several ports run at the same time.
COM 3 or COM3 names the port the window lists as COM 3.
NAME is slave-id, phone.N, channel.N.enabled (yes, no) or channel.N.message. A --sheet
has a header row, port first, then NAMEs; port is a device path, its last part or a USB
serial number; an empty cell keeps FILE&apos;s value, and --set has the last word.
restore writes the configuration a journal record holds (see journal); --changed-only
needs --backup.
Every read, write, verify, backup and restore is kept in the journal:
quellix/journal.sqlite in the user&apos;s data folder, or --journal (or QUELLIX_JOURNAL); a
server&apos;s password comes from PGPASSWORD or ~/.pgpass. A journal that cannot be written
only warns.
Exit status: 0 done or equal, 1 differences, 2 usage, 3 a port could not be opened,
4 no unit answered or the line was lost, 5 a file (or the journal) could not be read
or written.
station writes FILE to every unit plugged in while it runs, each once, until --count
units are done or Ctrl-C (a second Ctrl-C ends at once); it exits 0 when every unit
was done, 1 when any differed on reading back, 4 when any failed.</source>
        <translation>FILE est un fichier de configuration (145 ou 161 enregistrements) ou sa forme JSON (voir show --json).
Dans -o, {port} remplace le nom de base du port ; il est obligatoire avec plusieurs ports.
Un nom -o finissant par .json écrit du JSON. Plusieurs ports travaillent en même temps.
COM 3 ou COM3 désigne le port que la fenêtre affiche comme COM 3.
NAME est slave-id, phone.N, channel.N.enabled (yes, no) ou channel.N.message. Une --sheet
a une ligne d&apos;en-tête, port d&apos;abord, puis des NAME ; port est un chemin de périphérique, sa dernière
partie ou un numéro de série USB ; une cellule vide garde la valeur de FILE, et --set a le dernier mot.
restore écrit la configuration que contient un enregistrement du journal (voir journal) ;
--changed-only exige --backup.
Chaque lecture, écriture, vérification, sauvegarde et restauration est consignée dans le journal :
quellix/journal.sqlite dans le dossier de données de l&apos;utilisateur, ou --journal (ou QUELLIX_JOURNAL) ;
le mot de passe d&apos;un serveur vient de PGPASSWORD ou ~/.pgpass. Un journal impossible à écrire ne
donne qu&apos;un avertissement.
Code de sortie : 0 terminé ou identique, 1 différences, 2 usage, 3 un port n&apos;a pas pu être ouvert,
4 aucun appareil n&apos;a répondu ou la liaison a été perdue, 5 un fichier (ou le journal) n&apos;a pas pu
être lu ou écrit.
station écrit FILE dans chaque appareil branché pendant qu&apos;elle tourne, une fois chacun, jusqu&apos;à ce que
--count appareils soient terminés ou Ctrl-C (un second Ctrl-C termine aussitôt) ; elle sort avec 0 si
chaque appareil est terminé, 1 si l&apos;un différait à la relecture, 4 si l&apos;un a échoué.</translation>
    </message>
    <message>
        <source>--count needs a positive whole number, not &apos;%1&apos;</source>
        <translation>--count exige un nombre entier positif, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>restore takes one -p PORT</source>
        <translation>restore accepte un seul -p PORT</translation>
    </message>
    <message>
        <source>restore needs --from ID</source>
        <translation>restore exige --from ID</translation>
    </message>
    <message>
        <source>%1 takes a record number, not &apos;%2&apos;</source>
        <translation>%1 accepte un numéro d&apos;enregistrement, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>interrupted: taking no new unit; the running ones finish (interrupt again to end at once)</source>
        <translation>interrompu : plus de nouvel appareil ; ceux en cours finissent (interrompre à nouveau pour terminer aussitôt)</translation>
    </message>
    <message>
        <source>stopped by a second interruption</source>
        <translation>arrêté par une seconde interruption</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>diffère</translation>
    </message>
    <message>
        <source>%1: plugged in, running</source>
        <translation>%1 : branché, en cours</translation>
    </message>
    <message>
        <source>%1: unplugged</source>
        <translation>%1 : débranché</translation>
    </message>
    <message>
        <source>done %1 of %2, failed %3</source>
        <translation>terminés %1 sur %2, échecs %3</translation>
    </message>
    <message>
        <source>done %1, failed %2</source>
        <translation>terminées %1, échouées %2</translation>
    </message>
    <message>
        <source>, %1 differ</source>
        <translation>, %1 différentes</translation>
    </message>
    <message>
        <source>; taking no more units</source>
        <translation> ; plus aucun nouvel appareil</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>%1: running again; the run before: %2</source>
        <translation>%1 : relancé ; le passage précédent : %2</translation>
    </message>
    <message>
        <source>%1: plugged in, waiting: as many units as --count asks for are done or running</source>
        <translation>%1 : branché, en attente : autant d&apos;appareils que --count en demande sont terminés ou en cours</translation>
    </message>
    <message>
        <source>%1: unplugged; it stays listed until it is plugged in again</source>
        <translation>%1 : débranché ; il reste affiché jusqu&apos;à ce qu&apos;il soit rebranché</translation>
    </message>
    <message>
        <source>, %1 waiting</source>
        <translation>, %1 en attente</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>débranché</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>the run before: %1</source>
        <translation>le passage précédent : %1</translation>
    </message>
    <message>
        <source>; Enter dismisses the unplugged failed units</source>
        <translation>; Entrée écarte les appareils en échec débranchés</translation>
    </message>
    <message>
        <source>fixed: one interval per exchange (default); auto: the unit&apos;s own pace.</source>
        <translation>fixed : un intervalle par échange (par défaut) ; auto : le rythme propre de l&apos;appareil.</translation>
    </message>
    <message>
        <source>interrupted: each unit stops after the exchange in flight (interrupt again to end at once)</source>
        <translation>interrompu : chaque appareil s&apos;arrête après l&apos;échange en cours (interrompez encore pour finir aussitôt)</translation>
    </message>
    <message>
        <source>quellix-cli: journal: %1 waiting for %2 (sync with --journal set to it)
</source>
        <translation>quellix-cli: journal: %1 en attente de %2 (synchronisez avec --journal réglé sur lui)
</translation>
    </message>
    <message>
        <source>quellix-cli: journal: set aside, the server refused it: %1
</source>
        <translation>quellix-cli: journal: mis de côté, le serveur l&apos;a refusé : %1
</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrompu</translation>
    </message>
    <message>
        <source>restore: do not read the unit into the journal first.</source>
        <translation>restore : ne pas lire d&apos;abord l&apos;appareil dans le journal.</translation>
    </message>
    <message>
        <source>restore: write a record kept from another port or model.</source>
        <translation>restore : écrire un enregistrement provenant d&apos;un autre port ou modèle.</translation>
    </message>
    <message>
        <source>journal record %1 was kept from %2, not %3; nothing was written (--force writes it all the same)</source>
        <translation>l&apos;enregistrement %1 provient de %2, pas de %3 ; rien n&apos;a été écrit (--force l&apos;écrit quand même)</translation>
    </message>
    <message>
        <source>journal: only read, write, verify, compare, backup or restore.</source>
        <translation>journal : seulement read, write, verify, compare, backup ou restore.</translation>
    </message>
    <message>
        <source>journal --show: what the record changed or found, not its configuration.</source>
        <translation>journal --show : ce que l&apos;enregistrement a modifié ou trouvé, pas sa configuration.</translation>
    </message>
    <message>
        <source>--changes goes with journal --show ID, without -o</source>
        <translation>--changes va avec journal --show ID, sans -o</translation>
    </message>
    <message>
        <source>--action takes read, write, verify, compare, backup or restore, not &apos;%1&apos;</source>
        <translation>--action prend read, write, verify, compare, backup ou restore, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>before: record %1</source>
        <translation>avant : enregistrement %1</translation>
    </message>
    <message>
        <source>%1: to read this unit at its own pace, use --pace auto (or a longer interval, such as --interval %2), and check its cable and settings</source>
        <translation>%1 : pour lire cet appareil à son propre rythme, utilisez --pace auto (ou un intervalle plus long, par exemple --interval %2), et vérifiez son câble et ses réglages</translation>
    </message>
    <message>
        <source>%1: --force writes it all the same</source>
        <translation>%1 : --force l&apos;écrit quand même</translation>
    </message>
</context>
<context>
    <name>configfile</name>
    <message>
        <source>%1 holds a double quote (&quot;), which a record file cannot hold; save as JSON instead</source>
        <translation>%1 contient un guillemet double (&quot;), qu&apos;un fichier d&apos;enregistrements ne peut pas contenir ; enregistrez plutôt en JSON</translation>
    </message>
    <message>
        <source>%1 exists and is not a regular file; give a new name or a regular file</source>
        <translation>%1 existe et n&apos;est pas un fichier ordinaire ; indiquez un nouveau nom ou un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1: %2 characters; the window&apos;s editor cuts it to %3 when edited</source>
        <translation>%1 : %2 caractères ; l&apos;éditeur de la fenêtre le coupe à %3 lors d&apos;une modification</translation>
    </message>
    <message>
        <source>phone %1</source>
        <translation>numéro %1</translation>
    </message>
    <message>
        <source>channel %1 message</source>
        <translation>message du canal %1</translation>
    </message>
    <message>
        <source>record %1 (%2): %3</source>
        <translation>enregistrement %1 (%2) : %3</translation>
    </message>
    <message>
        <source>holds NUL followed by CR, where the unit&apos;s line ends a text; remove them</source>
        <translation>contient NUL suivi de CR, qui termine un texte sur la ligne de l&apos;appareil ; supprimez-les</translation>
    </message>
    <message>
        <source>record 1 (the slave ID): outside 0..%1</source>
        <translation>enregistrement 1 (l&apos;ID esclave) : hors de 0..%1</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>plus de %1 octets</translation>
    </message>
    <message>
        <source>the slave ID</source>
        <translation>l&apos;ID esclave</translation>
    </message>
    <message>
        <source>phone number %1</source>
        <translation>numéro de téléphone %1</translation>
    </message>
    <message>
        <source>the flag of channel %1</source>
        <translation>l&apos;indicateur d&apos;activation du canal %1</translation>
    </message>
    <message>
        <source>the message of channel %1</source>
        <translation>le message du canal %1</translation>
    </message>
    <message>
        <source>Loading stopped at record %1 (%2): %3.</source>
        <translation>Chargement arrêté à l&apos;enregistrement %1 (%2) : %3.</translation>
    </message>
    <message>
        <source>The file could not be opened: %1.</source>
        <translation>Le fichier n&apos;a pas pu être ouvert : %1.</translation>
    </message>
    <message>
        <source>not a string</source>
        <translation>pas une chaîne</translation>
    </message>
    <message>
        <source>holds a character Windows-1252 lacks</source>
        <translation>contient un caractère absent de Windows-1252</translation>
    </message>
    <message>
        <source>holds NUL followed by CR, where the unit&apos;s line ends a text</source>
        <translation>contient NUL suivi de CR, qui termine un texte sur la ligne de l&apos;appareil</translation>
    </message>
    <message>
        <source>%1 characters, at most %2</source>
        <translation>%1 caractères, %2 au plus</translation>
    </message>
    <message>
        <source>not valid JSON at offset %1 (%2)</source>
        <translation>JSON non valide à la position %1 (%2)</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>pas un objet JSON</translation>
    </message>
    <message>
        <source>unknown key</source>
        <translation>clé inconnue</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>pas un nombre entier</translation>
    </message>
    <message>
        <source>%1 is outside 0..%2</source>
        <translation>%1 est hors de 0..%2</translation>
    </message>
    <message>
        <source>not an array</source>
        <translation>pas un tableau</translation>
    </message>
    <message>
        <source>%1 entries, 16 or 32 expected</source>
        <translation>%1 entrées, 16 ou 32 attendues</translation>
    </message>
    <message>
        <source>phones[%1] (phone %2)</source>
        <translation>phones[%1] (numéro %2)</translation>
    </message>
    <message>
        <source> (channel %1)</source>
        <translation> (canal %1)</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>pas un objet</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>ni true ni false</translation>
    </message>
    <message>
        <source>%1 entries, 64 expected</source>
        <translation>%1 entrées, 64 attendues</translation>
    </message>
    <message>
        <source>no error</source>
        <translation>aucune erreur</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>le fichier se termine trop tôt</translation>
    </message>
    <message>
        <source>a number was expected</source>
        <translation>un nombre était attendu</translation>
    </message>
    <message>
        <source>the number is outside -32768 to 32767</source>
        <translation>le nombre n&apos;est pas entre -32768 et 32767</translation>
    </message>
    <message>
        <source>the record is longer than 64 KiB</source>
        <translation>l&apos;enregistrement dépasse 64 Kio</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>le fichier n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>device</name>
    <message>
        <source>%1 holds %2 characters, but the unit&apos;s reply to %3 could not be read back beyond %4</source>
        <translation>%1 contient %2 caractères, mais la réponse de l&apos;appareil à %3 ne pourrait pas être relue au-delà de %4</translation>
    </message>
    <message>
        <source>phone %1</source>
        <translation>numéro %1</translation>
    </message>
    <message>
        <source>the message of channel %1</source>
        <translation>le message du canal %1</translation>
    </message>
    <message>
        <source>reply to %1 was &quot;%2&quot;, which is no slave ID: A and a hex pair 00 to 1F</source>
        <translation>la réponse à %1 était « %2 », qui n&apos;est pas un ID esclave : A et une paire hexadécimale de 00 à 1F</translation>
    </message>
    <message>
        <source>reply to %1 was &quot;%2&quot;, which are no enable flags: E, 16 hex digits and an end character</source>
        <translation>la réponse à %1 était « %2 », qui ne sont pas des drapeaux d&apos;activation : E, 16 chiffres hexadécimaux et un caractère de fin</translation>
    </message>
    <message>
        <source>reply to %1 holds NUL followed by CR, which phone %2 cannot hold</source>
        <translation>la réponse à %1 contient NUL suivi de CR, ce que le numéro %2 ne peut pas contenir</translation>
    </message>
    <message>
        <source>reply to %1 holds NUL followed by CR, which the message of channel %2 cannot hold</source>
        <translation>la réponse à %1 contient NUL suivi de CR, ce que le message du canal %2 ne peut pas contenir</translation>
    </message>
    <message>
        <source>the unit&apos;s text replies carry no field; their order alone places them</source>
        <translation>les réponses texte de l&apos;appareil ne portent pas de champ ; seul leur ordre les place</translation>
    </message>
    <message>
        <source>the unit&apos;s text replies carry their field</source>
        <translation>les réponses texte de l&apos;appareil portent leur champ</translation>
    </message>
    <message>
        <source>no reply to %1: the unit answered late or not at all</source>
        <translation>pas de réponse à %1 : l&apos;appareil a répondu en retard ou pas du tout</translation>
    </message>
    <message>
        <source>reply to %1 was for %2: the unit answered late</source>
        <translation>la réponse à %1 concernait %2 : l&apos;appareil a répondu en retard</translation>
    </message>
    <message>
        <source>reply to %1 began with &quot;%2&quot; instead of %3: the unit answered late or the line is noisy</source>
        <translation>la réponse à %1 commençait par &quot;%2&quot; au lieu de %3 : l&apos;appareil a répondu en retard ou la liaison est perturbée</translation>
    </message>
    <message>
        <source>No serial devices were found on this computer.</source>
        <translation>Aucun périphérique série n&apos;a été trouvé sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Serial devices found on this computer: %1.</source>
        <translation>Périphériques série trouvés sur cet ordinateur : %1.</translation>
    </message>
    <message>
        <source>Pick an entry from the list or type a device path such as /dev/ttyUSB0.
%1</source>
        <translation>Choisissez une entrée de la liste ou saisissez un chemin de périphérique comme /dev/ttyUSB0.
%1</translation>
    </message>
    <message>
        <source>There is no device %1. Check that the unit is plugged in and switched on, then pick its port.
%2</source>
        <translation>Le périphérique %1 n&apos;existe pas. Vérifiez que l&apos;appareil est branché et allumé, puis choisissez son port.
%2</translation>
    </message>
    <message>
        <source>You are not allowed to use %1. Ask your administrator for access.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;utiliser %1. Demandez l&apos;accès à votre administrateur.</translation>
    </message>
    <message>
        <source>You are not allowed to use %1. Serial ports belong to the dialout group; add yourself to it with
    sudo usermod -aG dialout $USER
then log out and log in again.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;utiliser %1. Les ports série appartiennent au groupe dialout ; ajoutez-vous-y avec
    sudo usermod -aG dialout $USER
puis fermez votre session et rouvrez-la.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or its connection to the unit, and connect again.</source>
        <translation>%1 est utilisé par un autre programme. Fermez ce programme, ou sa connexion à l&apos;appareil, puis connectez-vous à nouveau.</translation>
    </message>
    <message>
        <source>Check that the unit is plugged in and that %1 is its port.</source>
        <translation>Vérifiez que l&apos;appareil est branché et que %1 est bien son port.</translation>
    </message>
    <message>
        <source>No such serial port.</source>
        <translation>Ce port série n&apos;existe pas.</translation>
    </message>
    <message numerus="yes">
        <source>%n stray byte(s) lay on the line before %1</source>
        <translation>
            <numerusform>%n octet égaré attendait sur la ligne avant %1</numerusform>
            <numerusform>%n octets égarés attendaient sur la ligne avant %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) came after the reply to %1 was taken</source>
        <translation>
            <numerusform>%n octet est arrivé après la prise de la réponse à %1</numerusform>
            <numerusform>%n octets sont arrivés après la prise de la réponse à %1</numerusform>
        </translation>
    </message>
    <message>
        <source>reply to %1 came late, %2 ms after the command</source>
        <translation>la réponse à %1 est arrivée tard, %2 ms après la commande</translation>
    </message>
    <message>
        <source>reply to %1 began with bytes from before</source>
        <translation>la réponse à %1 commençait par des octets d&apos;avant</translation>
    </message>
    <message>
        <source>reply to %1 began with bytes from before: the reply to %2 was cut short or came late</source>
        <translation>la réponse à %1 commençait par des octets d&apos;avant : la réponse à %2 a été coupée trop tôt ou est arrivée tard</translation>
    </message>
    <message>
        <source>%1; asking again at a slower pace</source>
        <translation>%1 ; nouvelle demande à un rythme plus lent</translation>
    </message>
    <message>
        <source>%1; doing both exchanges again at a slower pace</source>
        <translation>%1 ; les deux échanges sont refaits à un rythme plus lent</translation>
    </message>
    <message>
        <source>the unit&apos;s replies keep coming out of step; the rest of this procedure goes at the fixed pace of %1 ms per exchange</source>
        <translation>les réponses de l&apos;appareil restent décalées ; la suite de cette opération se fait au rythme fixe de %1 ms par échange</translation>
    </message>
    <message>
        <source>reply to %1 went on after its exchange (%2 more bytes): it was cut short or followed by noise</source>
        <translation>la réponse à %1 a continué après son échange (%2 octets de plus) : elle a été tronquée ou suivie de bruit</translation>
    </message>
    <message>
        <source>the reply to ? came %1 ms after the command, later than the %2 ms the link waits: %3</source>
        <translation>la réponse à ? est arrivée %1 ms après la commande, plus tard que les %2 ms qu&apos;attend la liaison : %3</translation>
    </message>
</context>
<context>
    <name>frmEditMessage</name>
    <message>
        <source>Edit Message</source>
        <translation>Modifier le message</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Edit Message - Channel %1</source>
        <translation>Modifier le message - Canal %1</translation>
    </message>
    <message>
        <source>A double quote cannot be stored in a message.</source>
        <translation>Un guillemet double ne peut pas être enregistré dans un message.</translation>
    </message>
    <message>
        <source>%1 cannot be stored: the unit&apos;s character set lacks it.</source>
        <translation>%1 ne peut pas être enregistré : le jeu de caractères de l&apos;appareil ne le contient pas.</translation>
    </message>
    <message>
        <source>Message of channel %1</source>
        <translation>Message du canal %1</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Keep this message (Ctrl+Enter from the text)</source>
        <translation>Garder ce message (Ctrl+Entrée depuis le texte)</translation>
    </message>
    <message>
        <source>The message holds %1 characters; the editor takes the first %2.</source>
        <translation>Le message contient %1 caractères ; l&apos;éditeur en reprend les %2 premiers.</translation>
    </message>
</context>
<context>
    <name>frmEditNo</name>
    <message>
        <source>Edit Phone Number</source>
        <translation>Modifier le numéro</translation>
    </message>
    <message>
        <source>ISD Code</source>
        <translation>Indicatif pays</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Phone No.</source>
        <translation>N° tél.</translation>
    </message>
    <message>
        <source>Do NOT used &quot;+&quot;</source>
        <translation>Ne PAS utiliser &quot;+&quot;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Phone Number error!</source>
        <translation>Numéro de téléphone erroné !</translation>
    </message>
    <message>
        <source>The ISD code box needs the country code in digits (up to %1), without &quot;+&quot;.</source>
        <translation>La case de l&apos;indicatif pays attend l&apos;indicatif en chiffres (jusqu&apos;à %1), sans &quot;+&quot;.</translation>
    </message>
    <message>
        <source>The phone number box needs exactly %1 digits; it holds %2.</source>
        <translation>La case du numéro attend exactement %1 chiffres ; elle en contient %2.</translation>
    </message>
    <message>
        <source>The phone number box may hold the digits 0 to 9 only.</source>
        <translation>La case du numéro ne peut contenir que les chiffres 0 à 9.</translation>
    </message>
    <message>
        <source>Edit Phone Number %1</source>
        <translation>Modifier le numéro %1</translation>
    </message>
    <message>
        <source>The ISD code box holds %1 digits; a country code has at most %2. Shorten it, or press Cancel to keep the number as it is.</source>
        <translation>La case de l&apos;indicatif pays contient %1 chiffres ; un indicatif pays en a au plus %2. Raccourcissez-le, ou appuyez sur Annuler pour garder le numéro tel quel.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>No serial devices found on this computer.</source>
        <translation>Aucun périphérique série trouvé sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Serial devices on this computer:
%1</source>
        <translation>Périphériques série de cet ordinateur :
%1</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>USB Port Error</source>
        <translation>Erreur de port USB</translation>
    </message>
    <message>
        <source>Write to Device</source>
        <translation>Écriture appareil</translation>
    </message>
    <message>
        <source>Select a slave ID from the list before writing.</source>
        <translation>Choisissez un ID esclave dans la liste avant d&apos;écrire.</translation>
    </message>
    <message>
        <source>Writing to device ...</source>
        <translation>Écriture dans l&apos;appareil ...</translation>
    </message>
    <message>
        <source>Reading from device ...</source>
        <translation>Lecture de l&apos;appareil ...</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Erreur de communication</translation>
    </message>
    <message>
        <source>Cannot communicate with device</source>
        <translation>Impossible de communiquer avec l&apos;appareil</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Select a slave ID from the list before saving.</source>
        <translation>Choisissez un ID esclave dans la liste avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Load from File</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>The configuration could not be loaded completely from
%1

%2</source>
        <translation>La configuration n&apos;a pas pu être chargée entièrement depuis
%1

%2</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>Port No.</source>
        <translation>Port n°</translation>
    </message>
    <message>
        <source>Slave ID</source>
        <translation>ID esclave</translation>
    </message>
    <message>
        <source>MODEM</source>
        <translation>MODEM</translation>
    </message>
    <message>
        <source>Read from Device</source>
        <translation>Lecture appareil</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Phone Numbers</source>
        <translation>Numéros de téléphone</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Designed &amp; Developed by:</source>
        <translation>Conçu et développé par :</translation>
    </message>
    <message>
        <source>CH1-CH16</source>
        <translation>CH1-CH16</translation>
    </message>
    <message>
        <source>CH17-CH32</source>
        <translation>CH17-CH32</translation>
    </message>
    <message>
        <source>CH33-CH48</source>
        <translation>CH33-CH48</translation>
    </message>
    <message>
        <source>CH49-CH64</source>
        <translation>CH49-CH64</translation>
    </message>
    <message>
        <source>Edit Msg.</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit No.</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Reads, edits and writes the configuration of an alarm modem unit.</source>
        <translation>Lit, modifie et écrit la configuration d&apos;un appareil modem d&apos;alarme.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Show DEVICE in the port box (e.g. /dev/ttyUSB0).</source>
        <translation>Afficher PÉRIPHÉRIQUE dans la liste des ports (p. ex. /dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>PÉRIPHÉRIQUE</translation>
    </message>
    <message>
        <source>Append every command sent and every reply received to FILE.</source>
        <translation>Ajouter chaque commande envoyée et chaque réponse reçue à FICHIER.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>The log file %1 cannot be opened: %2</source>
        <translation>Impossible d&apos;ouvrir le journal %1 : %2</translation>
    </message>
    <message>
        <source>The traffic log could not be written, so the transfer stopped. Check the disk or start without --log.</source>
        <translation>Le journal des échanges n&apos;a pas pu être écrit, le transfert s&apos;est donc arrêté. Vérifiez le disque ou démarrez sans --log.</translation>
    </message>
    <message>
        <source>Phone %1</source>
        <translation>Téléphone %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Not connected: the last attempt failed or the line was lost</source>
        <translation>Non connecté : la dernière tentative a échoué ou la liaison a été perdue</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>The window holds only the start values: nothing was read, loaded or edited. Writing them would clear the phone numbers and messages of the unit on %1.</source>
        <translation>La fenêtre ne contient que les valeurs de départ : rien n&apos;a été lu, chargé ni modifié. Les écrire effacerait les numéros et les messages de l&apos;appareil sur %1.</translation>
    </message>
    <message>
        <source>Write the empty configuration anyway?</source>
        <translation>Écrire quand même la configuration vide ?</translation>
    </message>
    <message>
        <source>Check that the unit is powered and its cable firmly plugged in, or try another port.</source>
        <translation>Vérifiez que l&apos;appareil est alimenté et son câble bien branché, ou essayez un autre port.</translation>
    </message>
    <message>
        <source>No unit answered on %1. %2</source>
        <translation>Aucun appareil n&apos;a répondu sur %1. %2</translation>
    </message>
    <message>
        <source>The line to %1 was lost at %2 (%3). %4</source>
        <translation>La liaison avec %1 a été perdue à %2 (%3). %4</translation>
    </message>
    <message>
        <source>Read complete.</source>
        <translation>Lecture terminée.</translation>
    </message>
    <message>
        <source>Read stopped after %1 of %2 exchanges.</source>
        <translation>Lecture arrêtée après %1 échanges sur %2.</translation>
    </message>
    <message>
        <source>Write stopped after %1 of %2 exchanges: the unit is half-written; write again.</source>
        <translation>Écriture arrêtée après %1 échanges sur %2 : l&apos;appareil est à moitié écrit ; écrivez à nouveau.</translation>
    </message>
    <message>
        <source>Transfer Running</source>
        <translation>Transfert en cours</translation>
    </message>
    <message>
        <source>A write is running. A write cut short leaves the unit half-written: part old, part new configuration.</source>
        <translation>Une écriture est en cours. Une écriture interrompue laisse l&apos;appareil à moitié écrit : en partie l&apos;ancienne, en partie la nouvelle configuration.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Load from File...</source>
        <translation>&amp;Charger depuis un fichier...</translation>
    </message>
    <message>
        <source>&amp;Save to File...</source>
        <translation>&amp;Enregistrer dans un fichier...</translation>
    </message>
    <message>
        <source>Save as &amp;JSON...</source>
        <translation>Enregistrer en &amp;JSON...</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Ask Before Discarding Edits</source>
        <translation>&amp;Demander avant d&apos;abandonner les modifications</translation>
    </message>
    <message>
        <source>&amp;Unit</source>
        <translation>A&amp;ppareil</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connecter</translation>
    </message>
    <message>
        <source>&amp;Read from Device</source>
        <translation>&amp;Lecture appareil</translation>
    </message>
    <message>
        <source>&amp;Write to Device</source>
        <translation>&amp;Écriture appareil</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;About Quellix</source>
        <translation>À &amp;propos de Quellix</translation>
    </message>
    <message>
        <source>&amp;Undo Read</source>
        <translation>&amp;Annuler la lecture</translation>
    </message>
    <message>
        <source>&amp;Undo Load</source>
        <translation>&amp;Annuler le chargement</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Déconnecter</translation>
    </message>
    <message>
        <source>The window holds edits that were neither saved nor written.</source>
        <translation>La fenêtre contient des modifications ni enregistrées ni écrites.</translation>
    </message>
    <message>
        <source>Discard them?</source>
        <translation>Les abandonner ?</translation>
    </message>
    <message>
        <source>(none yet)</source>
        <translation>(aucun pour l&apos;instant)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>About Quellix</source>
        <translation>À propos de Quellix</translation>
    </message>
    <message>
        <source>%1
Built with Qt %2, running on Qt %3.</source>
        <translation>%1
Compilé avec Qt %2, exécuté sous Qt %3.</translation>
    </message>
    <message>
        <source>%1; nothing done in this window is recorded.</source>
        <translation>%1 ; rien de ce qui est fait dans cette fenêtre n’est consigné.</translation>
    </message>
    <message>
        <source>Record every unit operation in WHERE: a file path or postgresql://USER@HOST[:PORT]/DB.</source>
        <translation>Consigner chaque opération sur un appareil dans OÙ : un chemin de fichier ou postgresql://USER@HOST[:PORT]/DB.</translation>
    </message>
    <message>
        <source>WHERE</source>
        <translation>OÙ</translation>
    </message>
    <message>
        <source>Record nothing in the journal.</source>
        <translation>Ne rien consigner dans le journal.</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Provisioning &amp;Station...</source>
        <translation>&amp;Station de provisionnement...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Traffic Monitor</source>
        <translation>&amp;Moniteur de trafic</translation>
    </message>
    <message>
        <source>Open in Window</source>
        <translation>Ouvrir dans la fenêtre</translation>
    </message>
    <message>
        <source>A transfer is running. Open the record once it has ended.</source>
        <translation>Un transfert est en cours. Ouvrez l&apos;enregistrement quand il sera terminé.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>Back Up Be&amp;fore Writing</source>
        <translation>Sauvegarder a&amp;vant d&apos;écrire</translation>
    </message>
    <message>
        <source>Verify &amp;After Writing</source>
        <translation>Vérifier après l&apos;écri&amp;ture</translation>
    </message>
    <message>
        <source>&amp;Undo Take Values</source>
        <translation>&amp;Annuler la reprise des valeurs</translation>
    </message>
    <message>
        <source>&amp;Verify Unit against Window</source>
        <translation>Vérifier l&apos;appareil par rapport à la &amp;fenêtre</translation>
    </message>
    <message>
        <source>Com&amp;pare with Unit...</source>
        <translation>Com&amp;parer avec l&apos;appareil...</translation>
    </message>
    <message>
        <source>&amp;Back Up Unit Now</source>
        <translation>&amp;Sauvegarder l&apos;appareil maintenant</translation>
    </message>
    <message>
        <source>&amp;Compare with File...</source>
        <translation>C&amp;omparer avec un fichier...</translation>
    </message>
    <message>
        <source>The journal is off, so a backup would be kept nowhere.</source>
        <translation>Le journal est désactivé : une sauvegarde ne serait conservée nulle part.</translation>
    </message>
    <message>
        <source>Journal: not recorded</source>
        <translation>Journal : rien n&apos;est enregistré</translation>
    </message>
    <message>
        <source>Started with --no-journal, or the journal could not be chosen: nothing done in this window is recorded, and there are no backups.</source>
        <translation>Démarré avec --no-journal, ou le journal n&apos;a pas pu être choisi : rien de ce qui est fait dans cette fenêtre n&apos;est enregistré, et il n&apos;y a pas de sauvegarde.</translation>
    </message>
    <message>
        <source>Journal: %1</source>
        <translation>Journal : %1</translation>
    </message>
    <message>
        <source>Unit operations and backups are recorded in %1.</source>
        <translation>Les opérations sur les appareils et les sauvegardes sont enregistrées dans %1.</translation>
    </message>
    <message>
        <source>Journal: %1 - not working</source>
        <translation>Journal : %1 - ne fonctionne pas</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>The journal does not work: %1</source>
        <translation>Le journal ne fonctionne pas : %1</translation>
    </message>
    <message>
        <source>the window</source>
        <translation>la fenêtre</translation>
    </message>
    <message>
        <source>Backing up the unit ...</source>
        <translation>Sauvegarde de l&apos;appareil ...</translation>
    </message>
    <message>
        <source>Reading back what was written ...</source>
        <translation>Relecture de ce qui a été écrit ...</translation>
    </message>
    <message>
        <source>Reading the unit to compare ...</source>
        <translation>Lecture de l&apos;appareil pour comparer ...</translation>
    </message>
    <message>
        <source>The unit&apos;s configuration is kept in the journal.</source>
        <translation>La configuration de l&apos;appareil est conservée dans le journal.</translation>
    </message>
    <message>
        <source>The backup failed: %1</source>
        <translation>La sauvegarde a échoué : %1</translation>
    </message>
    <message>
        <source>Written and verified.</source>
        <translation>Écrit et vérifié.</translation>
    </message>
    <message>
        <source>The unit holds what the window shows.</source>
        <translation>L&apos;appareil contient ce que montre la fenêtre.</translation>
    </message>
    <message numerus="yes">
        <source>Written, but values differ on reading back: %n.</source>
        <translation>
            <numerusform>Écrit, mais des valeurs diffèrent à la relecture : %n.</numerusform>
            <numerusform>Écrit, mais des valeurs diffèrent à la relecture : %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The unit could not be read: %1</source>
        <translation>L&apos;appareil n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>The unit could not be backed up, so nothing was written.</source>
        <translation>L&apos;appareil n&apos;a pas pu être sauvegardé, donc rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Unit on %1</source>
        <translation>Appareil sur %1</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>The window and %1 hold the same values.</source>
        <translation>La fenêtre et %1 contiennent les mêmes valeurs.</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Comparer avec un fichier</translation>
    </message>
    <message>
        <source>%1 cannot be compared: %2</source>
        <translation>%1 ne peut pas être comparé : %2</translation>
    </message>
    <message>
        <source>The file holds phone numbers 1-16 only; 17-32 are not compared.</source>
        <translation>Le fichier ne contient que les numéros 1 à 16 ; 17 à 32 ne sont pas comparés.</translation>
    </message>
    <message>
        <source>The journal is not working (see the status bar): the unit&apos;s previous configuration may not be kept.</source>
        <translation>Le journal ne fonctionne pas (voir la barre d&apos;état) : la configuration précédente de l&apos;appareil n&apos;est peut-être pas conservée.</translation>
    </message>
    <message>
        <source>The unit&apos;s previous configuration is in the journal.</source>
        <translation>La configuration précédente de l&apos;appareil est dans le journal.</translation>
    </message>
    <message>
        <source>No backup was kept, as the journal is off.</source>
        <translation>Aucune sauvegarde conservée, car le journal est désactivé.</translation>
    </message>
    <message>
        <source>Nothing was written: %1. Shorten it, then write again.</source>
        <translation>Rien n&apos;a été écrit : %1. Raccourcissez-le, puis écrivez de nouveau.</translation>
    </message>
    <message>
        <source>The read from %1 failed: %2.</source>
        <translation>La lecture de %1 a échoué : %2.</translation>
    </message>
    <message>
        <source>The window keeps what it showed before. Read again; should it fail again, check the unit and its cable.</source>
        <translation>La fenêtre garde ce qu&apos;elle affichait avant. Lisez de nouveau ; si cela échoue encore, vérifiez l&apos;appareil et son câble.</translation>
    </message>
    <message>
        <source>Write failed: %1</source>
        <translation>Échec de l&apos;écriture : %1</translation>
    </message>
    <message>
        <source>Written, but reading back failed: %1. Use Verify Unit against Window to know what the unit holds.</source>
        <translation>Écrit, mais la relecture a échoué : %1. Utilisez « Vérifier l&apos;appareil par rapport à la fenêtre » pour savoir ce que contient l&apos;appareil.</translation>
    </message>
    <message>
        <source>Fast &amp;Link</source>
        <translation>&amp;Liaison rapide</translation>
    </message>
    <message>
        <source>Go from one command to the next as soon as the unit has answered, at its own pace. Writes go fast only when verified.</source>
        <translation>Passer d&apos;une commande à la suivante dès que l&apos;appareil a répondu, à son propre rythme. Les écritures ne vont vite que vérifiées.</translation>
    </message>
    <message>
        <source>Read the unit back after a write and compare. With Fast Link on this costs about one second.</source>
        <translation>Relire l&apos;appareil après une écriture et comparer. Avec Liaison rapide, cela coûte environ une seconde.</translation>
    </message>
    <message>
        <source>The unit on %1 answers late (about %2 ms after each command), after the %3 ms this window waits for a reply. With Unit &gt; Fast Link on, the window learns the unit&apos;s pace and reads it right; check the unit and its cable too.</source>
        <translation>L&apos;appareil sur %1 répond en retard (environ %2 ms après chaque commande), après les %3 ms que cette fenêtre attend une réponse. Avec Appareil &gt; Liaison rapide, la fenêtre apprend le rythme de l&apos;appareil et le lit correctement ; vérifiez aussi l&apos;appareil et son câble.</translation>
    </message>
    <message>
        <source>Read at Its Pace</source>
        <translation>Lire à son rythme</translation>
    </message>
    <message>
        <source>Channel %1 enabled</source>
        <translation>Canal %1 activé</translation>
    </message>
    <message>
        <source>Edit message of channel %1</source>
        <translation>Modifier le message du canal %1</translation>
    </message>
    <message>
        <source>Edit the message the unit sends for this channel (Space)</source>
        <translation>Modifier le message que l&apos;appareil envoie pour ce canal (Espace)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Edit this phone number (Space)</source>
        <translation>Modifier ce numéro de téléphone (Espace)</translation>
    </message>
    <message>
        <source>Phone number %1</source>
        <translation>Numéro de téléphone %1</translation>
    </message>
    <message>
        <source>Edit phone number %1</source>
        <translation>Modifier le numéro de téléphone %1</translation>
    </message>
    <message>
        <source>A transfer is running. Restore the record once it has ended.</source>
        <translation>Un transfert est en cours. Restaurez l&apos;enregistrement quand il sera terminé.</translation>
    </message>
    <message>
        <source>Connect to the unit first, then restore the record.</source>
        <translation>Connectez d&apos;abord l&apos;appareil, puis restaurez l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>Connecté à %1.</translation>
    </message>
    <message>
        <source>The unit is being read. Closing stops the read; the unit stays as it is.</source>
        <translation>L&apos;appareil est en cours de lecture. Fermer arrête la lecture ; l&apos;appareil reste tel quel.</translation>
    </message>
    <message>
        <source>Nothing was written: the unit could not be backed up (%1).</source>
        <translation>Rien n&apos;a été écrit : l&apos;appareil n&apos;a pas pu être sauvegardé (%1).</translation>
    </message>
    <message>
        <source>Written, not read back.</source>
        <translation>Écrit, non relu.</translation>
    </message>
    <message>
        <source>Written, not read back: Verify After Writing is off.</source>
        <translation>Écrit, non relu : « Vérifier après l&apos;écriture » est désactivé.</translation>
    </message>
    <message>
        <source>No backup was kept, as Back Up Before Writing is off.</source>
        <translation>Aucune sauvegarde conservée, car « Sauvegarder avant d&apos;écrire » est désactivé.</translation>
    </message>
    <message>
        <source>The unit&apos;s previous configuration is in the journal, from the read since Connect.</source>
        <translation>La configuration précédente de l&apos;appareil est dans le journal, depuis la lecture faite après la connexion.</translation>
    </message>
    <message>
        <source>Read the unit&apos;s configuration into the window</source>
        <translation>Lit la configuration de l&apos;appareil dans la fenêtre</translation>
    </message>
    <message>
        <source>Write the window&apos;s configuration to the unit</source>
        <translation>Écrit la configuration de la fenêtre dans l&apos;appareil</translation>
    </message>
    <message>
        <source>Load a configuration file into the window</source>
        <translation>Charge un fichier de configuration dans la fenêtre</translation>
    </message>
    <message>
        <source>Save the window&apos;s configuration to a file</source>
        <translation>Enregistre la configuration de la fenêtre dans un fichier</translation>
    </message>
    <message>
        <source>The manual was not found or no program opened it. It is installed as
%1
Open it with any text viewer.</source>
        <translation>Le manuel est introuvable ou aucun programme ne l&apos;a ouvert. Il est installé sous
%1
Ouvrez-le avec n&apos;importe quel visualiseur de texte.</translation>
    </message>
    <message>
        <source>holds %1 characters; the editor takes the first %2</source>
        <translation>contient %1 caractères ; l&apos;éditeur en reprend les %2 premiers</translation>
    </message>
    <message>
        <source>Values longer than their boxes: %1, kept whole (marked %2).</source>
        <translation>Valeurs plus longues que leur case : %1, conservées entières (marquées %2).</translation>
    </message>
    <message>
        <source>holds %1 characters; the box shows the first %2</source>
        <translation>contient %1 caractères ; la case en affiche les %2 premiers</translation>
    </message>
    <message numerus="yes">
        <source>Values that differ between %1 and the window: %n.</source>
        <translation>
            <numerusform>Valeurs qui diffèrent entre %1 et la fenêtre : %n.</numerusform>
            <numerusform>Valeurs qui diffèrent entre %1 et la fenêtre : %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>To write it to this unit all the same, press Restore This... in History again: the window then asks first.</source>
        <translation>Pour l&apos;écrire quand même sur cet appareil, appuyez à nouveau sur « Restaurer celui-ci... » dans l&apos;Historique : la fenêtre vous le demandera d&apos;abord.</translation>
    </message>
    <message>
        <source>the unit on %1</source>
        <extracomment>Inside &quot;Values that differ between %1 and the window&quot;, where a file&apos;s name may stand.</extracomment>
        <translation>l&apos;appareil sur %1</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
</context>
<context>
    <name>journal</name>
    <message>
        <source>holds no configuration (a verify keeps only its fingerprint)</source>
        <translation>ne contient pas de configuration (une vérification n&apos;en garde que l&apos;empreinte)</translation>
    </message>
    <message>
        <source>its configuration does not match its fingerprint; the journal was altered</source>
        <translation>sa configuration ne correspond pas à son empreinte ; le journal a été modifié</translation>
    </message>
    <message>
        <source>the journal holds no read of this unit before it, so what it changed cannot be told</source>
        <translation>le journal ne contient aucune lecture de cet appareil avant, on ne peut donc pas dire ce qui a changé</translation>
    </message>
    <message>
        <source>record %1: %2</source>
        <translation>enregistrement %1 : %2</translation>
    </message>
    <message>
        <source>it failed, so it found nothing to compare</source>
        <translation>il a échoué et n&apos;a donc rien comparé</translation>
    </message>
    <message>
        <source>the record keeps only how many values differed (%1), not which</source>
        <translation>l&apos;enregistrement ne garde que le nombre de valeurs différentes (%1), pas lesquelles</translation>
    </message>
    <message>
        <source>a read changes nothing on the unit</source>
        <translation>une lecture ne change rien sur l&apos;appareil</translation>
    </message>
    <message>
        <source>the journal %1 cannot be written (%2); this operation is not recorded</source>
        <translation>le journal %1 ne peut pas être écrit (%2) ; cette opération n&apos;est pas consignée</translation>
    </message>
    <message>
        <source>the journal server %1 did not answer in time (%2)</source>
        <translation>le serveur de journal %1 n&apos;a pas répondu à temps (%2)</translation>
    </message>
    <message>
        <source>the journal server %1 refused the record (%2)</source>
        <translation>le serveur de journal %1 a refusé l&apos;enregistrement (%2)</translation>
    </message>
    <message>
        <source>the journal server %1 cannot be reached (%2)</source>
        <translation>le serveur de journal %1 est injoignable (%2)</translation>
    </message>
    <message>
        <source>%1; records are kept in %2 and sent on the next run that reaches it</source>
        <translation>%1 ; les enregistrements sont gardés dans %2 et envoyés à la prochaine exécution qui l&apos;atteint</translation>
    </message>
    <message>
        <source>no local journal</source>
        <translation>pas de journal local</translation>
    </message>
    <message>
        <source>%1 and the local journal %2 cannot be written (%3); this operation is not recorded</source>
        <translation>%1 et le journal local %2 ne peut pas être écrit (%3) ; cette opération n&apos;est pas consignée</translation>
    </message>
    <message>
        <source>the journal server %1 refused a record for what it holds (%2); it is kept in %3 as journal record %4 and not sent again</source>
        <translation>le serveur de journal %1 a refusé un enregistrement pour son contenu (%2) ; il est gardé dans %3 comme enregistrement %4 et n&apos;est plus envoyé</translation>
    </message>
    <message>
        <source>the journal server %1 refused a record for what it holds (%2) and the local journal %3 cannot be written (%4); this operation is not recorded</source>
        <translation>le serveur de journal %1 a refusé un enregistrement pour son contenu (%2) et le journal local %3 ne peut pas être écrit (%4) ; cette opération n&apos;est pas consignée</translation>
    </message>
    <message>
        <source>the local journal %1 cannot be read (%2)</source>
        <translation>le journal local %1 ne peut pas être lu (%2)</translation>
    </message>
    <message>
        <source>%1 is not of the form postgresql://USER@HOST[:PORT]/DATABASE</source>
        <translation>%1 n&apos;a pas la forme postgresql://USER@HOST[:PORT]/DATABASE</translation>
    </message>
    <message>
        <source>the journal URL must not hold a password; put it in PGPASSWORD or ~/.pgpass instead</source>
        <translation>l&apos;URL du journal ne doit pas contenir de mot de passe ; mettez-le plutôt dans PGPASSWORD ou ~/.pgpass</translation>
    </message>
    <message>
        <source>the journal URL takes no options after the database name</source>
        <translation>l&apos;URL du journal n&apos;accepte pas d&apos;options après le nom de la base</translation>
    </message>
    <message>
        <source>%1: only postgresql:// URLs or file names are journals (write ./%2 for a file of that name)</source>
        <translation>%1 : seules les URL postgresql:// ou les noms de fichier sont des journaux (écrivez ./%2 pour un fichier de ce nom)</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>ouverture impossible : %1</translation>
    </message>
    <message>
        <source>the line is not open or is busy</source>
        <translation>la ligne n&apos;est pas ouverte ou est occupée</translation>
    </message>
    <message>
        <source>no unit answered</source>
        <translation>aucun appareil n&apos;a répondu</translation>
    </message>
    <message>
        <source>no unit answered the probe</source>
        <translation>aucun appareil n&apos;a répondu à la sonde</translation>
    </message>
    <message>
        <source>the unit answers late: about %1 ms after each command, where the link waits %2 ms</source>
        <translation>l&apos;appareil répond en retard : environ %1 ms après chaque commande, alors que la liaison attend %2 ms</translation>
    </message>
    <message>
        <source>the line was lost</source>
        <translation>la liaison a été perdue</translation>
    </message>
    <message>
        <source>the line was lost (%1)</source>
        <translation>la liaison a été perdue (%1)</translation>
    </message>
    <message>
        <source>the log could not be written (%1); nothing more was sent</source>
        <translation>le journal n&apos;a pas pu être écrit (%1) ; plus rien n&apos;a été envoyé</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source> during the write; the unit may hold part of it</source>
        <translation> pendant l&apos;écriture ; l&apos;appareil n&apos;en a peut-être reçu qu&apos;une partie</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrompu</translation>
    </message>
    <message>
        <source>interrupted; the unit may hold part of it</source>
        <translation>interrompu ; l&apos;appareil n&apos;en a peut-être reçu qu&apos;une partie</translation>
    </message>
    <message>
        <source>interrupted; nothing was written</source>
        <translation>interrompu ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>cannot save the backup %1: %2; nothing was written</source>
        <translation>impossible d&apos;enregistrer la sauvegarde %1 : %2 ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>the backup read failed: </source>
        <translation>la lecture de sauvegarde a échoué : </translation>
    </message>
    <message>
        <source>; nothing was written</source>
        <translation> ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>written, but the verify failed: </source>
        <translation>écrit, mais la vérification a échoué : </translation>
    </message>
    <message>
        <source>. The write itself went through; verify the unit again to know what it holds</source>
        <translation>. L&apos;écriture elle-même a abouti ; vérifiez de nouveau l&apos;appareil pour savoir ce qu&apos;il contient</translation>
    </message>
    <message>
        <source>the unit says it is %1, the record was kept from %2; nothing was written</source>
        <translation>l&apos;appareil se dit %1, l&apos;enregistrement provient de %2 ; rien n&apos;a été écrit</translation>
    </message>
</context>
<context>
    <name>journal::Store</name>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>the journal is turned off</source>
        <translation>le journal est désactivé</translation>
    </message>
    <message>
        <source>the Qt SQL driver for %1 is not installed</source>
        <translation>le pilote Qt SQL pour %1 n&apos;est pas installé</translation>
    </message>
    <message>
        <source>the journal has schema version %1, newer than this version of the tool knows (%2); update the tool</source>
        <translation>le journal a la version de schéma %1, plus récente que celle que connaît cette version de l&apos;outil (%2) ; mettez l&apos;outil à jour</translation>
    </message>
    <message>
        <source>a record without a time</source>
        <translation>un enregistrement sans heure</translation>
    </message>
    <message>
        <source>unknown database error</source>
        <translation>erreur de base de données inconnue</translation>
    </message>
    <message>
        <source>no journal has been kept there yet</source>
        <translation>aucun journal n&apos;y a encore été tenu</translation>
    </message>
    <message>
        <source>the journal has schema version %1 and cannot be upgraded to %2 where it is; run a write or read with it once where it can be written</source>
        <translation>le journal a la version de schéma %1 et ne peut pas être mis à jour en %2 là où il est ; lancez-y une écriture ou une lecture une fois là où il peut être écrit</translation>
    </message>
    <message>
        <source>opened for reading only</source>
        <translation>ouvert en lecture seule</translation>
    </message>
</context>
<context>
    <name>journal::Worker</name>
    <message>
        <source>the journal %1 can only be read here (%2): History lists it, but nothing done in this window is recorded</source>
        <translation>le journal %1 ne peut être que lu ici (%2) : l&apos;historique l&apos;affiche, mais rien de ce qui est fait dans cette fenêtre n&apos;est enregistré</translation>
    </message>
</context>
<context>
    <name>provision</name>
    <message>
        <source>%1 line %2, column %3</source>
        <translation>%1 ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>%1 line %2: not UTF-8 text; save the sheet as CSV UTF-8</source>
        <translation>%1 ligne %2 : pas du texte UTF-8 ; enregistrez la feuille en CSV UTF-8</translation>
    </message>
    <message>
        <source>holds a double quote (character %1), which a configuration file cannot carry</source>
        <translation>contient un guillemet double (caractère %1), qu&apos;un fichier de configuration ne peut pas contenir</translation>
    </message>
    <message>
        <source>holds NUL followed by CR (character %1), which ends a setting on the line</source>
        <translation>contient NUL suivi de CR (caractère %1), qui termine un réglage sur la liaison</translation>
    </message>
    <message>
        <source>holds a character Windows-1252 lacks (%1)</source>
        <translation>contient un caractère absent de Windows-1252 (%1)</translation>
    </message>
    <message>
        <source>%1 characters, a configuration file holds at most %2 in one value</source>
        <translation>%1 caractères, un fichier de configuration en contient au plus %2 par valeur</translation>
    </message>
    <message>
        <source>%1 characters; the window&apos;s editor cuts it to %2 when edited</source>
        <translation>%1 caractères ; l&apos;éditeur de la fenêtre le coupe à %2 lors d&apos;une modification</translation>
    </message>
    <message>
        <source>%1 is not a slave ID; give a whole number 0 to %2</source>
        <translation>%1 n&apos;est pas un ID esclave ; indiquez un nombre entier de 0 à %2</translation>
    </message>
    <message>
        <source>%1: give yes or no</source>
        <translation>%1 : indiquez yes ou no</translation>
    </message>
    <message>
        <source>cannot be set</source>
        <translation>ne peut pas être défini</translation>
    </message>
    <message>
        <source>unknown name %1; the names are slave-id, phone.1 to phone.%2, channel.1.enabled to channel.%3.enabled and channel.1.message to channel.%3.message</source>
        <translation>nom inconnu %1 ; les noms sont slave-id, phone.1 à phone.%2, channel.1.enabled à channel.%3.enabled et channel.1.message à channel.%3.message</translation>
    </message>
    <message>
        <source>%1 characters, but the unit&apos;s reply could not be read back beyond %2</source>
        <translation>%1 caractères, mais la réponse de l&apos;appareil ne pourrait pas être relue au-delà de %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>%1 needs NAME=VALUE, not %2</source>
        <translation>%1 exige NAME=VALUE, pas %2</translation>
    </message>
    <message>
        <source>the file and the sheet cannot both be standard input</source>
        <translation>le fichier et la feuille ne peuvent pas être tous deux l&apos;entrée standard</translation>
    </message>
    <message>
        <source>needs a backup: it sends what differs from it</source>
        <translation>exige une sauvegarde : il envoie ce qui en diffère</translation>
    </message>
    <message>
        <source>a backup is kept in the journal or a backup folder, and there is neither</source>
        <translation>une sauvegarde est conservée dans le journal ou dans un dossier de sauvegarde, et il n&apos;y a ni l&apos;un ni l&apos;autre</translation>
    </message>
    <message>
        <source>no file is given</source>
        <translation>aucun fichier n&apos;est indiqué</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>needs a positive whole number of milliseconds, not &apos;%1&apos;</source>
        <translation>exige un nombre entier positif de millisecondes, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>is auto or fixed, not &apos;%1&apos;</source>
        <translation>vaut auto ou fixed, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the quote that opens this cell is never closed</source>
        <translation>le guillemet qui ouvre cette cellule n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>a double quote inside a cell that does not start with one; quote the whole cell and double the quote</source>
        <translation>un guillemet double dans une cellule qui ne commence pas par un guillemet ; mettez toute la cellule entre guillemets et doublez-le</translation>
    </message>
    <message>
        <source>a CR without LF after it; lines end in CR LF or LF</source>
        <translation>un CR sans LF après lui ; les lignes finissent par CR LF ou LF</translation>
    </message>
    <message>
        <source>text after the closing quote</source>
        <translation>du texte après le guillemet fermant</translation>
    </message>
    <message>
        <source>%1, but the first column must be port</source>
        <translation>%1, mais la première colonne doit être port</translation>
    </message>
    <message>
        <source>%1 is column %2 already</source>
        <translation>%1 est déjà la colonne %2</translation>
    </message>
    <message>
        <source>%1 line %2: %3 cells, but the header has %4</source>
        <translation>%1 ligne %2 : %3 cellules, mais l&apos;en-tête en a %4</translation>
    </message>
    <message>
        <source>no port</source>
        <translation>aucun port</translation>
    </message>
    <message>
        <source>port %1 has a row on line %2 already</source>
        <translation>le port %1 a déjà une ligne à la ligne %2</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes</source>
        <translation>%1 : plus de %2 octets</translation>
    </message>
    <message>
        <source>%1: empty; its first line names the columns, port first</source>
        <translation>%1 : vide ; sa première ligne nomme les colonnes, port d&apos;abord</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1 : ouverture impossible : %2</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1 : lecture impossible : %2</translation>
    </message>
    <message>
        <source>%1: %2 more values like these</source>
        <translation>%1 : %2 autres valeurs de ce genre</translation>
    </message>
    <message>
        <source>%1: no row in %2 (its port column holds a device path, its last part or a USB serial number)</source>
        <translation>%1 : aucune ligne dans %2 (sa colonne port contient un chemin de périphérique, sa dernière partie ou un numéro de série USB)</translation>
    </message>
    <message>
        <source>%1: rows on lines %2 of %3 all match it</source>
        <translation>%1 : les lignes %2 de %3 lui correspondent toutes</translation>
    </message>
    <message>
        <source>%1: %2 rows (lines %3, %4, ... %5) are for ports not given; left out</source>
        <translation>%1 : %2 lignes (lignes %3, %4, ... %5) concernent des ports non indiqués ; ignorées</translation>
    </message>
    <message>
        <source>%1 line %2: port %3 is not among the ports given; row left out</source>
        <translation>%1 ligne %2 : le port %3 ne fait pas partie des ports indiqués ; ligne ignorée</translation>
    </message>
    <message>
        <source>%1: the row on line %2 of %3 matches %4 too</source>
        <translation>%1 : la ligne %2 de %3 correspond aussi à %4</translation>
    </message>
    <message>
        <source>%1 (%2): %3 holds phone numbers 1-%4 only and each unit keeps its own others; use a file with all 32</source>
        <translation>%1 (%2) : %3 ne contient que les numéros 1-%4 et chaque appareil garde les siens ; utilisez un fichier avec les 32</translation>
    </message>
    <message>
        <source>the first question</source>
        <translation>la première question</translation>
    </message>
    <message>
        <source>the slave ID</source>
        <translation>l&apos;ID esclave</translation>
    </message>
    <message>
        <source>the channel switches</source>
        <translation>les interrupteurs des canaux</translation>
    </message>
    <message>
        <source>phone %1</source>
        <translation>numéro %1</translation>
    </message>
    <message>
        <source>the message of channel %1</source>
        <translation>le message du canal %1</translation>
    </message>
    <message>
        <source>while it was backed up; nothing was written</source>
        <translation>pendant la sauvegarde ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>while its phones 17-32 were read; nothing was written</source>
        <translation>pendant la lecture des numéros 17-32 ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>while it was written; it may hold part of the new configuration</source>
        <translation>pendant l&apos;écriture ; il peut contenir une partie de la nouvelle configuration</translation>
    </message>
    <message>
        <source>while it was read back after the write</source>
        <translation>à la relecture après l&apos;écriture</translation>
    </message>
    <message>
        <source>no proper answer about %1 %2</source>
        <translation>pas de réponse correcte pour %1 %2</translation>
    </message>
    <message>
        <source>%1 line %2, slave ID %3</source>
        <translation>%1 ligne %2, ID esclave %3</translation>
    </message>
    <message>
        <source>slave ID %1</source>
        <translation>ID esclave %1</translation>
    </message>
    <message>
        <source>the unit stopped answering at %1 %2</source>
        <translation>l&apos;appareil a cessé de répondre à %1 %2</translation>
    </message>
    <message>
        <source>%1; the command in flight: %2 (exchange %3 of %4)</source>
        <translation>%1 ; commande en cours : %2 (échange %3 sur %4)</translation>
    </message>
    <message>
        <source>%1; nothing was sent</source>
        <translation>%1 ; rien n&apos;a été envoyé</translation>
    </message>
    <message>
        <source>%1: phone numbers 17-32 are not in %2; keeping the unit&apos;s</source>
        <translation>%1 : les numéros 17-32 ne sont pas dans %2 ; ceux de l&apos;appareil sont conservés</translation>
    </message>
    <message>
        <source>backing up</source>
        <translation>sauvegarde</translation>
    </message>
    <message>
        <source>reading phones 17-32</source>
        <translation>lecture des numéros 17-32</translation>
    </message>
    <message>
        <source>writing changes</source>
        <translation>écriture des changements</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>vérification</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>lecture</translation>
    </message>
    <message>
        <source>sending again</source>
        <translation>nouvel envoi</translation>
    </message>
    <message>
        <source>reading back</source>
        <translation>relecture</translation>
    </message>
    <message>
        <source>written</source>
        <translation>écrit</translation>
    </message>
    <message>
        <source>%1, %2 of %3 settings sent (the others were as wanted)</source>
        <translation>%1, %2 réglages sur %3 envoyés (les autres étaient déjà bons)</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>écrit et vérifié</translation>
    </message>
    <message>
        <source>%1: %2 settings did not take at the fast pace; sending them again at the fixed pace</source>
        <translation>%1 : %2 réglages n&apos;ont pas été pris au rythme rapide ; ils sont renvoyés au rythme fixe</translation>
    </message>
    <message>
        <source>written, but %1 differ on reading back</source>
        <translation>écrit, mais %1 diffèrent à la relecture</translation>
    </message>
    <message>
        <source>backed up</source>
        <translation>sauvegardé</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>identique</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 différences</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lu</translation>
    </message>
    <message>
        <source>read, saved to %1</source>
        <translation>lu, enregistré dans %1</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échoué</translation>
    </message>
</context>
<context>
    <name>safety::CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Take these values into the window</source>
        <translation>&amp;Reprendre ces valeurs dans la fenêtre</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Slave ID</source>
        <translation>ID esclave</translation>
    </message>
    <message>
        <source>Phone %1</source>
        <translation>Téléphone %1</translation>
    </message>
    <message>
        <source>Channel %1 enabled</source>
        <translation>Canal %1 activé</translation>
    </message>
    <message>
        <source>Channel %1 message</source>
        <translation>Message du canal %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
</context>
<context>
    <name>station</name>
    <message>
        <source>differs</source>
        <translation>diffère</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Écarter</translation>
    </message>
    <message>
        <source>Seen: remove this unit&apos;s tile (it still counts)</source>
        <translation>Vu : retirer la tuile de cet appareil (il compte toujours)</translation>
    </message>
    <message>
        <source>starting</source>
        <translation>démarrage</translation>
    </message>
    <message>
        <source>again</source>
        <translation>à nouveau</translation>
    </message>
    <message>
        <source>The run before: %1</source>
        <translation>Le passage précédent : %1</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>débranché</translation>
    </message>
    <message>
        <source>%1; unplugged</source>
        <translation>%1 ; débranché</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>réussi</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échoué</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrompu</translation>
    </message>
    <message>
        <source>Provisioning Station</source>
        <translation>Station de provisionnement</translation>
    </message>
    <message>
        <source>Set-up</source>
        <translation>Préparation</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Configuration file:</source>
        <translation>Fichier de configuration :</translation>
    </message>
    <message>
        <source>optional: a CSV sheet with a row of values per unit</source>
        <translation>facultatif : une feuille CSV avec une ligne de valeurs par appareil</translation>
    </message>
    <message>
        <source>Sheet:</source>
        <translation>Feuille :</translation>
    </message>
    <message>
        <source>Back Up Before Writing</source>
        <translation>Sauvegarder avant d’écrire</translation>
    </message>
    <message>
        <source>Verify After Writing</source>
        <translation>Vérifier après l’écriture</translation>
    </message>
    <message>
        <source>Read each unit back after writing and compare. With Fast Link on this costs about one second per unit.</source>
        <translation>Relire chaque appareil après l&apos;écriture et comparer. Avec Liaison rapide, cela coûte environ une seconde par appareil.</translation>
    </message>
    <message>
        <source>Fast Link</source>
        <translation>Liaison rapide</translation>
    </message>
    <message>
        <source>Go from one command to the next as soon as the unit has answered, at its own pace. Writes go fast only when verified.</source>
        <translation>Passer d&apos;une commande à la suivante dès que l&apos;appareil a répondu, à son propre rythme. Les écritures ne vont vite que vérifiées.</translation>
    </message>
    <message>
        <source>USB serial devices; or paths with wildcards, such as /dev/ttyUSB*, separated by spaces</source>
        <translation>périphériques série USB ; ou chemins à jokers, ex. /dev/ttyUSB*, séparés par des espaces</translation>
    </message>
    <message>
        <source>Ports:</source>
        <translation>Ports :</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Relancer les échecs</translation>
    </message>
    <message>
        <source>Configuration File</source>
        <translation>Fichier de configuration</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Feuille</translation>
    </message>
    <message>
        <source>CSV sheets (*.csv);;All files (*)</source>
        <translation>Feuilles CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Back Up Before Writing keeps what each unit held in the journal, which is off. Start Quellix with a journal, or clear Back Up Before Writing.</source>
        <translation>« Sauvegarder avant d’écrire » garde le contenu de chaque appareil dans le journal, qui est désactivé. Lancez Quellix avec un journal, ou décochez « Sauvegarder avant d’écrire ».</translation>
    </message>
    <message>
        <source>Choose the configuration file to write.</source>
        <translation>Choisissez le fichier de configuration à écrire.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>stopped: the station window was closed</source>
        <translation>arrêté : la fenêtre de la station a été fermée</translation>
    </message>
    <message>
        <source>Taking no new unit; the ones running finish.</source>
        <translation>Aucun nouvel appareil ; ceux en cours se terminent.</translation>
    </message>
    <message>
        <source>No failed unit is plugged in.</source>
        <translation>Aucun appareil en échec n’est branché.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêtée.</translation>
    </message>
    <message>
        <source>done %1, failed %2</source>
        <translation>terminées %1, échouées %2</translation>
    </message>
    <message>
        <source>, %1 differ</source>
        <translation>, %1 différentes</translation>
    </message>
    <message>
        <source>Units Running</source>
        <translation>Appareils en cours</translation>
    </message>
    <message>
        <source>Units are being written. A write cut short leaves its unit half-written: part old, part new configuration.</source>
        <translation>Des appareils sont en cours d’écriture. Une écriture interrompue laisse son appareil à moitié écrit : en partie l’ancienne, en partie la nouvelle configuration.</translation>
    </message>
    <message>
        <source>Progress on %1</source>
        <translation>Progression sur %1</translation>
    </message>
    <message>
        <source>Dismiss the tile of %1</source>
        <translation>Écarter la tuile de %1</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>Fichier de configuration</translation>
    </message>
    <message>
        <source>Browse for the configuration file</source>
        <translation>Parcourir pour le fichier de configuration</translation>
    </message>
    <message>
        <source>Browse for the sheet</source>
        <translation>Parcourir pour la feuille</translation>
    </message>
</context>
<context>
    <name>traffic::TrafficModel</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Octets</translation>
    </message>
    <message>
        <source>Reply (ms)</source>
        <translation>Réponse (ms)</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>before the command</source>
        <translation>avant la commande</translation>
    </message>
    <message numerus="yes">
        <source>... %1 (%n pieces)</source>
        <translation>
            <numerusform>... %1 (%n morceau)</numerusform>
            <numerusform>... %1 (%n morceaux)</numerusform>
        </translation>
    </message>
    <message>
        <source>Bytes came (ms)</source>
        <translation>Octets reçus (ms)</translation>
    </message>
</context>
<context>
    <name>traffic::TrafficMonitor</name>
    <message>
        <source>Traffic Monitor</source>
        <translation>Moniteur de trafic</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>%1 lines shown, the newest %2 kept</source>
        <translation>%1 lignes affichées, les %2 plus récentes gardées</translation>
    </message>
    <message>
        <source>Paused: %1 new lines held, %2 shown</source>
        <translation>En pause : %1 nouvelles lignes retenues, %2 affichées</translation>
    </message>
    <message>
        <source>Save Traffic</source>
        <translation>Enregistrer le trafic</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>Trafic</translation>
    </message>
    <message>
        <source># Traffic Monitor: no lines</source>
        <translation># Moniteur de trafic : aucune ligne</translation>
    </message>
    <message>
        <source># Traffic Monitor: %1, from %2 to %3 (local time)</source>
        <translation># Moniteur de trafic : %1, de %2 à %3 (heure locale)</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>The traffic could not be saved to
%1

%2

An existing file of that name is unchanged.</source>
        <translation>Le trafic n’a pas pu être enregistré dans
%1

%2

Un fichier existant de ce nom est inchangé.</translation>
    </message>
    <message>
        <source>The configuration could not be saved to
%1

%2

An existing file of that name is unchanged.</source>
        <translation>La configuration n&apos;a pas pu être enregistrée dans
%1

%2

Un fichier existant de ce nom reste inchangé.</translation>
    </message>
    <message>
        <source>Configuration files (*.cfg *.txt)</source>
        <translation>Fichiers de configuration (*.cfg *.txt)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Fichiers JSON (*.json)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
</TS>
