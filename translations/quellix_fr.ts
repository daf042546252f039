<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>SerialLink</name>
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
        <translation>Le périphérique %1 n&apos;existe pas. Vérifiez que le module est branché et allumé, puis choisissez son port.
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
        <translation>%1 est utilisé par un autre programme. Fermez ce programme, ou sa connexion au module, puis connectez-vous à nouveau.</translation>
    </message>
    <message>
        <source>Check that the unit is plugged in and that %1 is its port.</source>
        <translation>Vérifiez que le module est branché et que %1 est bien son port.</translation>
    </message>
    <message>
        <source>No such serial port.</source>
        <translation>Ce port série n&apos;existe pas.</translation>
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
        <source>cannot open: %1</source>
        <translation>ouverture impossible : %1</translation>
    </message>
    <message>
        <source>%1: phone numbers 17-32 are not in %2; keeping the unit&apos;s</source>
        <translation>%1 : les numéros 17-32 ne sont pas dans %2 ; ceux du module sont conservés</translation>
    </message>
    <message>
        <source>reading phones 17-32</source>
        <translation>lecture des numéros 17-32</translation>
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
        <source>reading back</source>
        <translation>relecture</translation>
    </message>
    <message>
        <source>no unit answered</source>
        <translation>aucun module n&apos;a répondu</translation>
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
        <source>stopped</source>
        <translation>interrompu</translation>
    </message>
    <message>
        <source> during the write; the unit may hold part of it</source>
        <translation> pendant l&apos;écriture ; le module n&apos;en a peut-être reçu qu&apos;une partie</translation>
    </message>
    <message>
        <source>%1 of the unit&apos;s replies could not be read</source>
        <translation>%1 réponses du module étaient illisibles</translation>
    </message>
    <message>
        <source>written</source>
        <translation>écrit</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>écrit et vérifié</translation>
    </message>
    <message>
        <source>written, but %1 differ on reading back</source>
        <translation>écrit, mais %1 diffèrent à la relecture</translation>
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
        <source>cannot save %1: %2</source>
        <translation>impossible d&apos;enregistrer %1 : %2</translation>
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
        <translation>échec</translation>
    </message>
    <message>
        <source>Serial port of a unit (/dev/ttyUSB0, COM3); repeat for several.</source>
        <translation>Port série d&apos;un module (/dev/ttyUSB0, COM3) ; à répéter pour plusieurs.</translation>
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
        <source>FILE is a configuration file (145 or 161 records) or its JSON form (see show --json).
In -o, {port} stands for the port&apos;s base name; it is required with several ports.
An -o name ending in .json writes JSON. Several ports run at the same time.
COM 3 or COM3 names the port the window lists as COM 3.
Exit status: 0 done or equal, 1 differences, 2 usage, 3 a port could not be opened,
4 no unit answered or the line was lost, 5 a file could not be read or written.</source>
        <translation>FILE est un fichier de configuration (145 ou 161 enregistrements) ou sa forme JSON (voir show --json).
Dans -o, {port} remplace le nom de base du port ; il est obligatoire avec plusieurs ports.
Un nom -o finissant par .json écrit du JSON. Plusieurs ports travaillent en même temps.
COM 3 ou COM3 désigne le port que la fenêtre affiche comme COM 3.
Code de sortie : 0 terminé ou identique, 1 différences, 2 usage, 3 un port n&apos;a pas pu être ouvert,
4 aucun module n&apos;a répondu ou la liaison a été perdue, 5 un fichier n&apos;a pas pu être lu ou écrit.</translation>
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
        <source>--interval needs a positive whole number of milliseconds, not &apos;%1&apos;</source>
        <translation>--interval exige un nombre entier positif de millisecondes, pas &apos;%1&apos;</translation>
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
</context>
<context>
    <name>frmEditNo</name>
    <message>
        <source>Edit Phone Number</source>
        <translation>Modifier le numéro</translation>
    </message>
    <message>
        <source>ISD Code</source>
        <translation>Indicatif</translation>
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
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
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
        <translation>Lit, modifie et écrit la configuration d&apos;un module modem d&apos;alarme.</translation>
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
</context>
</TS>
