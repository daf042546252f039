<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>SerialLink</name>
    <message>
        <source>No serial devices were found on this computer.</source>
        <translation>Auf diesem Computer wurden keine seriellen Geräte gefunden.</translation>
    </message>
    <message>
        <source>Serial devices found on this computer: %1.</source>
        <translation>Serielle Geräte auf diesem Computer: %1.</translation>
    </message>
    <message>
        <source>Pick an entry from the list or type a device path such as /dev/ttyUSB0.
%1</source>
        <translation>Wählen Sie einen Eintrag aus der Liste, oder geben Sie einen Gerätepfad wie /dev/ttyUSB0 ein.
%1</translation>
    </message>
    <message>
        <source>There is no device %1. Check that the unit is plugged in and switched on, then pick its port.
%2</source>
        <translation>Das Gerät %1 gibt es nicht. Prüfen Sie, ob die Einheit angeschlossen und eingeschaltet ist, und wählen Sie dann ihren Port.
%2</translation>
    </message>
    <message>
        <source>You are not allowed to use %1. Ask your administrator for access.</source>
        <translation>Sie dürfen %1 nicht benutzen. Bitten Sie Ihren Administrator um Zugriff.</translation>
    </message>
    <message>
        <source>You are not allowed to use %1. Serial ports belong to the dialout group; add yourself to it with
    sudo usermod -aG dialout $USER
then log out and log in again.</source>
        <translation>Sie dürfen %1 nicht benutzen. Serielle Ports gehören der Gruppe dialout; treten Sie ihr bei mit
    sudo usermod -aG dialout $USER
und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or its connection to the unit, and connect again.</source>
        <translation>%1 wird von einem anderen Programm benutzt. Schließen Sie dieses Programm oder seine Verbindung zur Einheit, und verbinden Sie erneut.</translation>
    </message>
    <message>
        <source>Check that the unit is plugged in and that %1 is its port.</source>
        <translation>Prüfen Sie, ob die Einheit angeschlossen ist und %1 ihr Port ist.</translation>
    </message>
    <message>
        <source>No such serial port.</source>
        <translation>Diesen seriellen Port gibt es nicht.</translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.</source>
        <translation>Lizenz GPL-3.0-or-later: GNU GPL Version 3 oder neuer &lt;https://gnu.org/licenses/gpl.html&gt;.</translation>
    </message>
    <message>
        <source>This is free software: you are free to change and redistribute it.</source>
        <translation>Dies ist freie Software: Sie dürfen sie ändern und weitergeben.</translation>
    </message>
    <message>
        <source>There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Es gibt KEINE GARANTIE, soweit das Gesetz es zulässt.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>cannot open: %1</source>
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>%1: phone numbers 17-32 are not in %2; keeping the unit&apos;s</source>
        <translation>%1: Rufnummern 17-32 fehlen in %2; die der Einheit bleiben</translation>
    </message>
    <message>
        <source>reading phones 17-32</source>
        <translation>lese Rufnummern 17-32</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>schreibe</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>prüfe</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>lese</translation>
    </message>
    <message>
        <source>reading back</source>
        <translation>lese zurück</translation>
    </message>
    <message>
        <source>no unit answered</source>
        <translation>keine Einheit hat geantwortet</translation>
    </message>
    <message>
        <source>the line was lost</source>
        <translation>die Verbindung ist abgerissen</translation>
    </message>
    <message>
        <source>the line was lost (%1)</source>
        <translation>die Verbindung ist abgerissen (%1)</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source> during the write; the unit may hold part of it</source>
        <translation> während des Schreibens; die Einheit hat es womöglich nur zum Teil</translation>
    </message>
    <message>
        <source>%1 of the unit&apos;s replies could not be read</source>
        <translation>%1 Antworten der Einheit waren nicht lesbar</translation>
    </message>
    <message>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>geschrieben und geprüft</translation>
    </message>
    <message>
        <source>written, but %1 differ on reading back</source>
        <translation>geschrieben, aber %1 weichen beim Zurücklesen ab</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 Unterschiede</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>read, saved to %1</source>
        <translation>gelesen, gespeichert in %1</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>Serial port of a unit (/dev/ttyUSB0, COM3); repeat for several.</source>
        <translation>Serieller Port einer Einheit (/dev/ttyUSB0, COM3); für mehrere wiederholen.</translation>
    </message>
    <message>
        <source>File a read is saved to.</source>
        <translation>Datei, in die das Gelesene gespeichert wird.</translation>
    </message>
    <message>
        <source>Print JSON (ports, show).</source>
        <translation>JSON ausgeben (ports, show).</translation>
    </message>
    <message>
        <source>Read back after a write and compare.</source>
        <translation>Nach dem Schreiben zurücklesen und vergleichen.</translation>
    </message>
    <message>
        <source>Milliseconds per exchange (default 100).</source>
        <translation>Millisekunden je Austausch (Vorgabe 100).</translation>
    </message>
    <message>
        <source>Append every command and reply to FILE.</source>
        <translation>Jeden Befehl und jede Antwort an FILE anhängen.</translation>
    </message>
    <message>
        <source>No progress or summaries; errors only.</source>
        <translation>Kein Fortschritt und keine Zusammenfassung; nur Fehler.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe zeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version zeigen.</translation>
    </message>
    <message>
        <source>FILE is a configuration file (145 or 161 records) or its JSON form (see show --json).
In -o, {port} stands for the port&apos;s base name; it is required with several ports.
An -o name ending in .json writes JSON. Several ports run at the same time.
COM 3 or COM3 names the port the window lists as COM 3.
Exit status: 0 done or equal, 1 differences, 2 usage, 3 a port could not be opened,
4 no unit answered or the line was lost, 5 a file could not be read or written.</source>
        <translation>FILE ist eine Konfigurationsdatei (145 oder 161 Datensätze) oder ihre JSON-Form (siehe show --json).
In -o steht {port} für den Grundnamen des Ports; bei mehreren Ports ist es Pflicht.
Ein -o-Name auf .json schreibt JSON. Mehrere Ports laufen gleichzeitig.
COM 3 oder COM3 bezeichnet den Port, den das Fenster als COM 3 führt.
Exit-Status: 0 fertig oder gleich, 1 Unterschiede, 2 Aufruf, 3 ein Port ließ sich nicht öffnen,
4 keine Einheit hat geantwortet oder die Verbindung ist abgerissen, 5 eine Datei ließ sich nicht lesen oder schreiben.</translation>
    </message>
    <message>
        <source>Usage:
</source>
        <translation>Aufruf:
</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
Optionen:
</translation>
    </message>
    <message>
        <source>%1; did you mean &apos;%2&apos;?</source>
        <translation>%1; meinten Sie &apos;%2&apos;?</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--%1 does not apply to %2</source>
        <translation>--%1 gilt nicht für %2</translation>
    </message>
    <message>
        <source>%1 takes %2 file argument, %3 given</source>
        <translation>%1 erwartet %2 Datei-Argument, %3 angegeben</translation>
    </message>
    <message>
        <source>%1 takes %2 file arguments, %3 given</source>
        <translation>%1 erwartet %2 Datei-Argumente, %3 angegeben</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>%1 needs -p PORT</source>
        <translation>%1 braucht -p PORT</translation>
    </message>
    <message>
        <source>a port is given twice</source>
        <translation>ein Port ist doppelt angegeben</translation>
    </message>
    <message>
        <source>--interval needs a positive whole number of milliseconds, not &apos;%1&apos;</source>
        <translation>--interval braucht eine positive ganze Zahl Millisekunden, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>den Ordner %1 gibt es nicht</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>read needs -o FILE</source>
        <translation>read braucht -o FILE</translation>
    </message>
    <message>
        <source>with several ports, -o needs {port} in the file name</source>
        <translation>bei mehreren Ports braucht -o {port} im Dateinamen</translation>
    </message>
    <message>
        <source>two ports would be saved to the same file</source>
        <translation>zwei Ports würden in dieselbe Datei gespeichert</translation>
    </message>
    <message>
        <source>%1: %2 (exit %3)</source>
        <translation>%1: %2 (Exit %3)</translation>
    </message>
    <message>
        <source>PORT	DESCRIPTION	MANUFACTURER	SERIAL NUMBER	VENDOR:PRODUCT
</source>
        <translation>PORT	BESCHREIBUNG	HERSTELLER	SERIENNUMMER	VENDOR:PRODUKT
</translation>
    </message>
    <message>
        <source>quellix-cli: %1
Try &apos;quellix-cli --help&apos;.
</source>
        <translation>quellix-cli: %1
»quellix-cli --help« gibt Hilfe.
</translation>
    </message>
    <message>
        <source>quellix-cli: %1: %2
</source>
        <translation>quellix-cli: %1: %2
</translation>
    </message>
    <message>
        <source>%1  waiting</source>
        <translation>%1  wartet</translation>
    </message>
</context>
<context>
    <name>frmEditMessage</name>
    <message>
        <source>Edit Message</source>
        <translation>Meldung bearbeiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Rufnummer bearbeiten</translation>
    </message>
    <message>
        <source>ISD Code</source>
        <translation>Vorwahl</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Rufnummer</translation>
    </message>
    <message>
        <source>Phone No.</source>
        <translation>Tel.-Nr.</translation>
    </message>
    <message>
        <source>Do NOT used &quot;+&quot;</source>
        <translation>KEIN &quot;+&quot; verwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Phone Number error!</source>
        <translation>Fehler in der Rufnummer!</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>No serial devices found on this computer.</source>
        <translation>Auf diesem Computer wurden keine seriellen Geräte gefunden.</translation>
    </message>
    <message>
        <source>Serial devices on this computer:
%1</source>
        <translation>Serielle Geräte auf diesem Computer:
%1</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>USB Port Error</source>
        <translation>USB-Port-Fehler</translation>
    </message>
    <message>
        <source>Write to Device</source>
        <translation>Ins Gerät schreiben</translation>
    </message>
    <message>
        <source>Select a slave ID from the list before writing.</source>
        <translation>Wählen Sie vor dem Schreiben eine Slave-ID aus der Liste.</translation>
    </message>
    <message>
        <source>Writing to device ...</source>
        <translation>Schreibe ins Gerät ...</translation>
    </message>
    <message>
        <source>Reading from device ...</source>
        <translation>Lese aus dem Gerät ...</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>Cannot communicate with device</source>
        <translation>Keine Verbindung mit dem Gerät möglich</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Select a slave ID from the list before saving.</source>
        <translation>Wählen Sie vor dem Speichern eine Slave-ID aus der Liste.</translation>
    </message>
    <message>
        <source>The configuration could not be saved to
%1

%2

An existing file of that name is unchanged.</source>
        <translation>Die Konfiguration konnte nicht gespeichert werden in
%1

%2

Eine vorhandene Datei dieses Namens ist unverändert.</translation>
    </message>
    <message>
        <source>Load from File</source>
        <translation>Aus Datei laden</translation>
    </message>
    <message>
        <source>The configuration could not be loaded completely from
%1

%2</source>
        <translation>Die Konfiguration konnte nicht vollständig geladen werden aus
%1

%2</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Port No.</source>
        <translation>Port-Nr.</translation>
    </message>
    <message>
        <source>Slave ID</source>
        <translation>Slave-ID</translation>
    </message>
    <message>
        <source>MODEM</source>
        <translation>MODEM</translation>
    </message>
    <message>
        <source>Read from Device</source>
        <translation>Aus Gerät lesen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Phone Numbers</source>
        <translation>Rufnummern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Designed &amp; Developed by:</source>
        <translation>Entworfen und entwickelt von:</translation>
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
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Edit No.</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Reads, edits and writes the configuration of an alarm modem unit.</source>
        <translation>Liest, bearbeitet und schreibt die Konfiguration einer Alarm-Modem-Einheit.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformation an.</translation>
    </message>
    <message>
        <source>Show DEVICE in the port box (e.g. /dev/ttyUSB0).</source>
        <translation>GERÄT im Portfeld zeigen (z. B. /dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>GERÄT</translation>
    </message>
    <message>
        <source>Append every command sent and every reply received to FILE.</source>
        <translation>Jeden gesendeten Befehl und jede empfangene Antwort an DATEI anhängen.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>The log file %1 cannot be opened: %2</source>
        <translation>Die Protokolldatei %1 lässt sich nicht öffnen: %2</translation>
    </message>
</context>
</TS>
