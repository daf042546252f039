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
        <translation>Écrire l&apos;appareil</translation>
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
        <translation>Lire l&apos;appareil</translation>
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
