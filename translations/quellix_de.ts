<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CloseQuestion</name>
    <message>
        <source>Close Anyway</source>
        <translation>Trotzdem schließen</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Warten</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>read</source>
        <translation>gelesen</translation>
    </message>
    <message>
        <source>write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>verify</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>differences (%1)</source>
        <translation>Unterschiede (%1)</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>Operator: %1</source>
        <translation>Bediener: %1</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>compare</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>The unit&apos;s state before record %1: restore this to undo it.</source>
        <translation>Der Stand des Geräts vor Eintrag %1: diesen wiederherstellen, um ihn rückgängig zu machen.</translation>
    </message>
    <message>
        <source>%1 (before %2)</source>
        <translation>%1 (vor %2)</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Port, model, outcome or file</source>
        <translation>Port, Modell, Ergebnis oder Datei</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>&amp;Open in Window</source>
        <translation>Im Fenster ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The journal is off, so there is no history to show. Start Quellix without --no-journal, or give it one with --journal FILE or --journal postgresql://USER@HOST/DATABASE, or set QUELLIX_JOURNAL.</source>
        <translation>Das Journal ist ausgeschaltet, daher gibt es keinen Verlauf. Starten Sie Quellix ohne --no-journal, oder geben Sie eines mit --journal DATEI oder --journal postgresql://BENUTZER@HOST/DATENBANK an, oder setzen Sie QUELLIX_JOURNAL.</translation>
    </message>
    <message>
        <source>The journal %1 cannot be read: %2
Check that it is there (for a server, that it is reachable), then press Refresh; --journal or QUELLIX_JOURNAL chooses another.</source>
        <translation>Das Journal %1 kann nicht gelesen werden: %2
Prüfen Sie, ob es vorhanden ist (bei einem Server, ob er erreichbar ist), und drücken Sie dann Aktualisieren; --journal oder QUELLIX_JOURNAL wählt ein anderes.</translation>
    </message>
    <message>
        <source>All ports</source>
        <translation>Alle Ports</translation>
    </message>
    <message>
        <source>%1 of %2 records</source>
        <translation>%1 von %2 Einträgen</translation>
    </message>
    <message>
        <source>it is no longer in the journal</source>
        <translation>er ist nicht mehr im Journal</translation>
    </message>
    <message>
        <source>Journal record %1 cannot be used: %2</source>
        <translation>Journaleintrag %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>journal record %1 (%2 of %3, %4)</source>
        <translation>Journaleintrag %1 (%2 von %3, %4)</translation>
    </message>
    <message>
        <source>Open in Window</source>
        <translation>Im Fenster öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Saved %1 to %2</source>
        <translation>%1 in %2 gespeichert</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>C&amp;hanges:</source>
        <translation>Ä&amp;nderungen:</translation>
    </message>
    <message>
        <source>Record %1 is no longer in the journal.</source>
        <translation>Eintrag %1 ist nicht mehr im Journal.</translation>
    </message>
    <message>
        <source>Against record %1, the unit&apos;s state just before:</source>
        <translation>Gegenüber Eintrag %1, dem Stand des Geräts direkt davor:</translation>
    </message>
    <message>
        <source>Nothing changed.</source>
        <translation>Nichts geändert.</translation>
    </message>
    <message>
        <source>Nothing differed.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Restore &amp;This...</source>
        <translation>Dies &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>Writes the record&apos;s configuration to the unit connected in the main window, backing the unit up first.</source>
        <translation>Schreibt die Konfiguration des Eintrags in das im Hauptfenster verbundene Gerät und sichert das Gerät vorher.</translation>
    </message>
    <message>
        <source>Loading ...</source>
        <translation>Wird geladen ...</translation>
    </message>
    <message>
        <source>The journal %1 is slow to answer. The list below is what it held when it last answered; it follows once the journal answers.</source>
        <translation>Das Journal %1 antwortet langsam. Die Liste unten zeigt seinen Stand bei der letzten Antwort; sie wird nachgeführt, sobald das Journal antwortet.</translation>
    </message>
    <message>
        <source>Reading record %1 ...</source>
        <translation>Eintrag %1 wird gelesen ...</translation>
    </message>
    <message>
        <source>Restore This</source>
        <translation>Dies wiederherstellen</translation>
    </message>
    <message>
        <source>%1 (serial number %2)</source>
        <translation>%1 (Seriennummer %2)</translation>
    </message>
    <message>
        <source>Port: the record was kept from %1; the unit is on %2.</source>
        <translation>Port: Der Eintrag stammt von %1; das Gerät hängt an %2.</translation>
    </message>
    <message>
        <source>Model: the record was kept from a %1; this unit is a %2.</source>
        <translation>Modell: Der Eintrag stammt von einem Gerät %1; dieses Gerät ist ein %2.</translation>
    </message>
    <message>
        <source>%1 may belong to another unit. Write it to this unit all the same?</source>
        <translation>%1 gehört vielleicht zu einem anderen Gerät. Trotzdem in dieses Gerät schreiben?</translation>
    </message>
</context>
<context>
    <name>WindowContents</name>
    <message>
        <source>cut short after %1 of %2 exchanges; the rest is as it was before</source>
        <translation>nach %1 von %2 Austauschen abgebrochen; der Rest ist wie zuvor</translation>
    </message>
    <message>
        <source>the file holds phone numbers 1-16 only; 17-32 were kept from before</source>
        <translation>die Datei enthält nur die Rufnummern 1-16; 17-32 blieben wie zuvor</translation>
    </message>
    <message>
        <source>Start values</source>
        <translation>Startwerte</translation>
    </message>
    <message>
        <source>Read from %1 at %2</source>
        <translation>Aus %1 gelesen um %2</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>%1 geladen</translation>
    </message>
    <message>
        <source>Written to %1 at %2</source>
        <translation>In %1 geschrieben um %2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>In %1 gespeichert</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1; edited since</source>
        <translation>%1; seitdem bearbeitet</translation>
    </message>
    <message>
        <source>it holds phone numbers 1-16 only; 17-32 were kept from before</source>
        <translation>er enthält nur die Telefonnummern 1-16; 17-32 blieben wie zuvor</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <source>some replies came late or could not be read; read again</source>
        <translation>einige Antworten kamen zu spät oder waren nicht lesbar; lesen Sie erneut</translation>
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
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>Serial port of a unit (/dev/ttyUSB0, COM3); repeat for several.</source>
        <translation>Serieller Port eines Geräts (/dev/ttyUSB0, COM3); für mehrere wiederholen.</translation>
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
    <message>
        <source>One value over FILE for every unit of a write; repeat for several.</source>
        <translation>Ein Wert über FILE für jedes Gerät eines Schreibens; für mehrere wiederholen.</translation>
    </message>
    <message>
        <source>Values over FILE per unit of a write: a CSV row per port.</source>
        <translation>Werte über FILE je Gerät eines Schreibens: eine CSV-Zeile je Port.</translation>
    </message>
    <message>
        <source>quellix-cli: %1
</source>
        <translation>quellix-cli: %1
</translation>
    </message>
    <message>
        <source>--sheet is given more than once</source>
        <translation>--sheet ist mehrfach angegeben</translation>
    </message>
    <message>
        <source>quellix-cli: journal: %1
</source>
        <translation>quellix-cli: journal: %1
</translation>
    </message>
    <message>
        <source>%1; this run is not recorded</source>
        <translation>%1; dieser Lauf wird nicht festgehalten</translation>
    </message>
    <message>
        <source>Journal file, or postgresql://USER@HOST[:PORT]/DATABASE.</source>
        <translation>Journaldatei oder postgresql://USER@HOST[:PORT]/DATABASE.</translation>
    </message>
    <message>
        <source>Record nothing in the journal.</source>
        <translation>Nichts im Journal festhalten.</translation>
    </message>
    <message>
        <source>journal: only from TIME on (2026-12-07T14:00:00Z).</source>
        <translation>journal: erst ab TIME (2026-12-07T14:00:00Z).</translation>
    </message>
    <message>
        <source>journal: only the newest N.</source>
        <translation>journal: nur die neuesten N.</translation>
    </message>
    <message>
        <source>journal: print CSV.</source>
        <translation>journal: CSV ausgeben.</translation>
    </message>
    <message>
        <source>journal: the configuration of record ID.</source>
        <translation>journal: die Konfiguration des Eintrags ID.</translation>
    </message>
    <message>
        <source>journal: send the records kept locally to the server.</source>
        <translation>journal: die lokal gehaltenen Einträge an den Server senden.</translation>
    </message>
    <message>
        <source>journal --sync takes no other journal option</source>
        <translation>journal --sync nimmt keine weitere journal-Option</translation>
    </message>
    <message>
        <source>journal --show takes only -o FILE</source>
        <translation>journal --show nimmt nur -o FILE</translation>
    </message>
    <message>
        <source>-o goes with journal --show ID</source>
        <translation>-o gehört zu journal --show ID</translation>
    </message>
    <message>
        <source>--json and --csv exclude each other</source>
        <translation>--json und --csv schließen einander aus</translation>
    </message>
    <message>
        <source>journal takes one -p PORT at most</source>
        <translation>journal nimmt höchstens ein -p PORT</translation>
    </message>
    <message>
        <source>--since takes a time such as 2026-12-07T14:00:00Z or a date, not &apos;%1&apos;</source>
        <translation>--since nimmt eine Zeit wie 2026-12-07T14:00:00Z oder ein Datum, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--limit takes a positive whole number, not &apos;%1&apos;</source>
        <translation>--limit nimmt eine positive ganze Zahl, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>ID	TIME	ACTION	PORT	OUTCOME	OPERATOR	FILE
</source>
        <translation>ID	ZEIT	AKTION	PORT	ERGEBNIS	BEDIENER	DATEI
</translation>
    </message>
    <message>
        <source>journal record %1</source>
        <translation>Journaleintrag %1</translation>
    </message>
    <message>
        <source>no such record</source>
        <translation>diesen Eintrag gibt es nicht</translation>
    </message>
    <message>
        <source>journal --sync sends to a server: give --journal postgresql://USER@HOST[:PORT]/DATABASE or set QUELLIX_JOURNAL</source>
        <translation>journal --sync sendet an einen Server: geben Sie --journal postgresql://USER@HOST[:PORT]/DATABASE an oder setzen Sie QUELLIX_JOURNAL</translation>
    </message>
    <message>
        <source>quellix-cli: journal: %1 sent to %2, %3 still waiting
</source>
        <translation>quellix-cli: journal: %1 an %2 gesendet, %3 warten noch
</translation>
    </message>
    <message>
        <source>Read each unit in full before writing it; kept in the journal.</source>
        <translation>Jedes Gerät vor dem Schreiben vollständig lesen; im Journal festgehalten.</translation>
    </message>
    <message>
        <source>Also save each backup as DIR/PORT-TIME.json (implies --backup).</source>
        <translation>Jede Sicherung auch als DIR/PORT-TIME.json speichern (schließt --backup ein).</translation>
    </message>
    <message>
        <source>Send only the settings that differ from the backup.</source>
        <translation>Nur die Einstellungen senden, die von der Sicherung abweichen.</translation>
    </message>
    <message>
        <source>restore: the journal record whose configuration is written.</source>
        <translation>restore: der Journaleintrag, dessen Konfiguration geschrieben wird.</translation>
    </message>
    <message>
        <source>station: only devices whose path matches; repeat for several.</source>
        <translation>station: nur Geräte, deren Pfad passt; für mehrere wiederholen.</translation>
    </message>
    <message>
        <source>station: end after N units are done.</source>
        <translation>station: nach N fertigen Geräten enden.</translation>
    </message>
    <message>
        <source>station: no bell on each result.</source>
        <translation>station: kein Signalton bei jedem Ergebnis.</translation>
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
        <translation>FILE ist eine Konfigurationsdatei (145 oder 161 Datensätze) oder ihre JSON-Form (siehe show --json).
In -o steht {port} für den Grundnamen des Ports; bei mehreren Ports ist es Pflicht.
Ein -o-Name auf .json schreibt JSON. Mehrere Ports laufen gleichzeitig.
COM 3 oder COM3 bezeichnet den Port, den das Fenster als COM 3 führt.
NAME ist slave-id, phone.N, channel.N.enabled (yes, no) oder channel.N.message. Ein --sheet
hat eine Kopfzeile, zuerst port, dann NAMEn; port ist ein Gerätepfad, dessen letzter Teil oder
eine USB-Seriennummer; eine leere Zelle behält den Wert aus FILE, und --set hat das letzte Wort.
restore schreibt die Konfiguration, die ein Journaleintrag enthält (siehe journal); --changed-only
braucht --backup.
Jedes Lesen, Schreiben, Prüfen, jede Sicherung und jedes Wiederherstellen wird im Journal festgehalten:
quellix/journal.sqlite im Datenordner des Benutzers, oder --journal (oder QUELLIX_JOURNAL); das
Passwort eines Servers kommt aus PGPASSWORD oder ~/.pgpass. Ein Journal, das sich nicht
schreiben lässt, führt nur zu einer Warnung.
Exit-Status: 0 fertig oder gleich, 1 Unterschiede, 2 Aufruf, 3 ein Port ließ sich nicht öffnen,
4 kein Gerät hat geantwortet oder die Verbindung ist abgerissen, 5 eine Datei (oder das Journal)
ließ sich nicht lesen oder schreiben.
station schreibt FILE in jedes Gerät, das während des Laufs angeschlossen wird, in jedes einmal,
bis --count Geräte fertig sind oder Strg-C (ein zweites Strg-C beendet sofort); Exit-Status 0,
wenn jedes Gerät fertig wurde, 1, wenn eines beim Zurücklesen abwich, 4, wenn eines fehlschlug.</translation>
    </message>
    <message>
        <source>--count needs a positive whole number, not &apos;%1&apos;</source>
        <translation>--count braucht eine positive ganze Zahl, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>restore takes one -p PORT</source>
        <translation>restore nimmt genau ein -p PORT</translation>
    </message>
    <message>
        <source>restore needs --from ID</source>
        <translation>restore braucht --from ID</translation>
    </message>
    <message>
        <source>%1 takes a record number, not &apos;%2&apos;</source>
        <translation>%1 nimmt eine Eintragsnummer, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>interrupted: taking no new unit; the running ones finish (interrupt again to end at once)</source>
        <translation>unterbrochen: kein neues Gerät mehr; die laufenden werden fertig (erneut unterbrechen, um sofort zu enden)</translation>
    </message>
    <message>
        <source>stopped by a second interruption</source>
        <translation>durch eine zweite Unterbrechung beendet</translation>
    </message>
    <message>
        <source>running</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>%1: plugged in, running</source>
        <translation>%1: angeschlossen, läuft</translation>
    </message>
    <message>
        <source>%1: unplugged</source>
        <translation>%1: getrennt</translation>
    </message>
    <message>
        <source>done %1 of %2, failed %3</source>
        <translation>fertig %1 von %2, fehlgeschlagen %3</translation>
    </message>
    <message>
        <source>done %1, failed %2</source>
        <translation>fertig %1, fehlgeschlagen %2</translation>
    </message>
    <message>
        <source>, %1 differ</source>
        <translation>, %1 abweichend</translation>
    </message>
    <message>
        <source>; taking no more units</source>
        <translation>; keine weiteren Geräte</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>%1: running again; the run before: %2</source>
        <translation>%1: läuft erneut; der Lauf davor: %2</translation>
    </message>
    <message>
        <source>%1: plugged in, waiting: as many units as --count asks for are done or running</source>
        <translation>%1: angeschlossen, wartet: so viele Geräte, wie --count verlangt, sind fertig oder laufen</translation>
    </message>
    <message>
        <source>%1: unplugged; it stays listed until it is plugged in again</source>
        <translation>%1: getrennt; bleibt aufgeführt, bis sie wieder angeschlossen wird</translation>
    </message>
    <message>
        <source>, %1 waiting</source>
        <translation>, %1 wartend</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>getrennt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the run before: %1</source>
        <translation>der Lauf davor: %1</translation>
    </message>
    <message>
        <source>; Enter dismisses the unplugged failed units</source>
        <translation>; Eingabetaste blendet die getrennten fehlgeschlagenen Geräte aus</translation>
    </message>
    <message>
        <source>fixed: one interval per exchange (default); auto: the unit&apos;s own pace.</source>
        <translation>fixed: ein Intervall je Austausch (Standard); auto: der eigene Takt des Geräts.</translation>
    </message>
    <message>
        <source>interrupted: each unit stops after the exchange in flight (interrupt again to end at once)</source>
        <translation>unterbrochen: jedes Gerät hält nach dem laufenden Austausch an (erneut unterbrechen, um sofort zu beenden)</translation>
    </message>
    <message>
        <source>quellix-cli: journal: %1 waiting for %2 (sync with --journal set to it)
</source>
        <translation>quellix-cli: journal: %1 warten auf %2 (mit --journal auf diesen Server abgleichen)
</translation>
    </message>
    <message>
        <source>quellix-cli: journal: set aside, the server refused it: %1
</source>
        <translation>quellix-cli: journal: zurückgestellt, der Server hat ihn abgelehnt: %1
</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <source>restore: do not read the unit into the journal first.</source>
        <translation>restore: das Gerät nicht zuerst ins Journal lesen.</translation>
    </message>
    <message>
        <source>restore: write a record kept from another port or model.</source>
        <translation>restore: einen Eintrag schreiben, der von einem anderen Port oder Modell stammt.</translation>
    </message>
    <message>
        <source>journal record %1 was kept from %2, not %3; nothing was written (--force writes it all the same)</source>
        <translation>Journaleintrag %1 stammt von %2, nicht von %3; nichts wurde geschrieben (--force schreibt ihn trotzdem)</translation>
    </message>
    <message>
        <source>journal: only read, write, verify, compare, backup or restore.</source>
        <translation>journal: nur read, write, verify, compare, backup oder restore.</translation>
    </message>
    <message>
        <source>journal --show: what the record changed or found, not its configuration.</source>
        <translation>journal --show: was der Eintrag geändert oder gefunden hat, nicht seine Konfiguration.</translation>
    </message>
    <message>
        <source>--changes goes with journal --show ID, without -o</source>
        <translation>--changes gehört zu journal --show ID, ohne -o</translation>
    </message>
    <message>
        <source>--action takes read, write, verify, compare, backup or restore, not &apos;%1&apos;</source>
        <translation>--action nimmt read, write, verify, compare, backup oder restore, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>before: record %1</source>
        <translation>vorher: Eintrag %1</translation>
    </message>
    <message>
        <source>%1: to read this unit at its own pace, use --pace auto (or a longer interval, such as --interval %2), and check its cable and settings</source>
        <translation>%1: um dieses Gerät in seinem eigenen Takt zu lesen, verwenden Sie --pace auto (oder ein längeres Intervall, etwa --interval %2), und prüfen Sie sein Kabel und seine Einstellungen</translation>
    </message>
    <message>
        <source>%1: --force writes it all the same</source>
        <translation>%1: --force schreibt ihn trotzdem</translation>
    </message>
</context>
<context>
    <name>configfile</name>
    <message>
        <source>%1 holds a double quote (&quot;), which a record file cannot hold; save as JSON instead</source>
        <translation>%1 enthält ein doppeltes Anführungszeichen (&quot;), das eine Datensatzdatei nicht fassen kann; speichern Sie stattdessen als JSON</translation>
    </message>
    <message>
        <source>%1 exists and is not a regular file; give a new name or a regular file</source>
        <translation>%1 existiert und ist keine gewöhnliche Datei; geben Sie einen neuen Namen oder eine gewöhnliche Datei an</translation>
    </message>
    <message>
        <source>%1: %2 characters; the window&apos;s editor cuts it to %3 when edited</source>
        <translation>%1: %2 Zeichen; der Editor des Fensters kürzt beim Bearbeiten auf %3</translation>
    </message>
    <message>
        <source>phone %1</source>
        <translation>Rufnummer %1</translation>
    </message>
    <message>
        <source>channel %1 message</source>
        <translation>Meldung von Kanal %1</translation>
    </message>
    <message>
        <source>record %1 (%2): %3</source>
        <translation>Datensatz %1 (%2): %3</translation>
    </message>
    <message>
        <source>holds NUL followed by CR, where the unit&apos;s line ends a text; remove them</source>
        <translation>enthält NUL gefolgt von CR, womit das Gerät auf der Leitung einen Text beendet; entfernen Sie beide</translation>
    </message>
    <message>
        <source>record 1 (the slave ID): outside 0..%1</source>
        <translation>Datensatz 1 (die Slave-ID): außerhalb von 0..%1</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>größer als %1 Byte</translation>
    </message>
    <message>
        <source>the slave ID</source>
        <translation>die Slave-ID</translation>
    </message>
    <message>
        <source>phone number %1</source>
        <translation>Rufnummer %1</translation>
    </message>
    <message>
        <source>the flag of channel %1</source>
        <translation>das Freigabe-Flag von Kanal %1</translation>
    </message>
    <message>
        <source>the message of channel %1</source>
        <translation>die Meldung von Kanal %1</translation>
    </message>
    <message>
        <source>Loading stopped at record %1 (%2): %3.</source>
        <translation>Laden bei Datensatz %1 (%2) abgebrochen: %3.</translation>
    </message>
    <message>
        <source>The file could not be opened: %1.</source>
        <translation>Die Datei konnte nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>not a string</source>
        <translation>keine Zeichenkette</translation>
    </message>
    <message>
        <source>holds a character Windows-1252 lacks</source>
        <translation>enthält ein Zeichen, das Windows-1252 nicht kennt</translation>
    </message>
    <message>
        <source>holds NUL followed by CR, where the unit&apos;s line ends a text</source>
        <translation>enthält NUL gefolgt von CR, womit das Gerät auf der Leitung einen Text beendet</translation>
    </message>
    <message>
        <source>%1 characters, at most %2</source>
        <translation>%1 Zeichen, höchstens %2</translation>
    </message>
    <message>
        <source>not valid JSON at offset %1 (%2)</source>
        <translation>kein gültiges JSON an Position %1 (%2)</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>unknown key</source>
        <translation>unbekannter Schlüssel</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 is outside 0..%2</source>
        <translation>%1 liegt außerhalb von 0..%2</translation>
    </message>
    <message>
        <source>not an array</source>
        <translation>kein Array</translation>
    </message>
    <message>
        <source>%1 entries, 16 or 32 expected</source>
        <translation>%1 Einträge, 16 oder 32 erwartet</translation>
    </message>
    <message>
        <source>phones[%1] (phone %2)</source>
        <translation>phones[%1] (Rufnummer %2)</translation>
    </message>
    <message>
        <source> (channel %1)</source>
        <translation> (Kanal %1)</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>kein Objekt</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>weder true noch false</translation>
    </message>
    <message>
        <source>%1 entries, 64 expected</source>
        <translation>%1 Einträge, 64 erwartet</translation>
    </message>
    <message>
        <source>no error</source>
        <translation>kein Fehler</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>die Datei endet zu früh</translation>
    </message>
    <message>
        <source>a number was expected</source>
        <translation>eine Zahl wurde erwartet</translation>
    </message>
    <message>
        <source>the number is outside -32768 to 32767</source>
        <translation>die Zahl liegt außerhalb von -32768 bis 32767</translation>
    </message>
    <message>
        <source>the record is longer than 64 KiB</source>
        <translation>der Datensatz ist länger als 64 KiB</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>die Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>device</name>
    <message>
        <source>%1 holds %2 characters, but the unit&apos;s reply to %3 could not be read back beyond %4</source>
        <translation>%1 hat %2 Zeichen, aber die Antwort des Geräts auf %3 ließe sich über %4 hinaus nicht zurücklesen</translation>
    </message>
    <message>
        <source>phone %1</source>
        <translation>Rufnummer %1</translation>
    </message>
    <message>
        <source>the message of channel %1</source>
        <translation>die Meldung von Kanal %1</translation>
    </message>
    <message>
        <source>reply to %1 was &quot;%2&quot;, which is no slave ID: A and a hex pair 00 to 1F</source>
        <translation>Antwort auf %1 war „%2“, keine Slave-ID: A und ein Hex-Paar 00 bis 1F</translation>
    </message>
    <message>
        <source>reply to %1 was &quot;%2&quot;, which are no enable flags: E, 16 hex digits and an end character</source>
        <translation>Antwort auf %1 war „%2“, keine Freigabe-Flags: E, 16 Hex-Ziffern und ein Endzeichen</translation>
    </message>
    <message>
        <source>reply to %1 holds NUL followed by CR, which phone %2 cannot hold</source>
        <translation>Antwort auf %1 enthält NUL gefolgt von CR, was Rufnummer %2 nicht enthalten kann</translation>
    </message>
    <message>
        <source>reply to %1 holds NUL followed by CR, which the message of channel %2 cannot hold</source>
        <translation>Antwort auf %1 enthält NUL gefolgt von CR, was die Meldung von Kanal %2 nicht enthalten kann</translation>
    </message>
    <message>
        <source>the unit&apos;s text replies carry no field; their order alone places them</source>
        <translation>die Textantworten des Geräts nennen kein Feld; allein ihre Reihenfolge ordnet sie zu</translation>
    </message>
    <message>
        <source>the unit&apos;s text replies carry their field</source>
        <translation>die Textantworten des Geräts nennen ihr Feld</translation>
    </message>
    <message>
        <source>no reply to %1: the unit answered late or not at all</source>
        <translation>keine Antwort auf %1: das Gerät hat zu spät oder gar nicht geantwortet</translation>
    </message>
    <message>
        <source>reply to %1 was for %2: the unit answered late</source>
        <translation>die Antwort auf %1 galt %2: das Gerät hat zu spät geantwortet</translation>
    </message>
    <message>
        <source>reply to %1 began with &quot;%2&quot; instead of %3: the unit answered late or the line is noisy</source>
        <translation>die Antwort auf %1 begann mit &quot;%2&quot; statt %3: das Gerät hat zu spät geantwortet, oder die Leitung ist gestört</translation>
    </message>
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
        <translation>Das Gerät %1 gibt es nicht. Prüfen Sie, ob das Gerät angeschlossen und eingeschaltet ist, und wählen Sie dann seinen Port.
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
        <translation>%1 wird von einem anderen Programm benutzt. Schließen Sie dieses Programm oder seine Verbindung zum Gerät, und verbinden Sie erneut.</translation>
    </message>
    <message>
        <source>Check that the unit is plugged in and that %1 is its port.</source>
        <translation>Prüfen Sie, ob das Gerät angeschlossen ist und %1 sein Port ist.</translation>
    </message>
    <message>
        <source>No such serial port.</source>
        <translation>Diesen seriellen Port gibt es nicht.</translation>
    </message>
    <message numerus="yes">
        <source>%n stray byte(s) lay on the line before %1</source>
        <translation>
            <numerusform>%n verirrtes Byte lag vor %1 auf der Leitung</numerusform>
            <numerusform>%n verirrte Bytes lagen vor %1 auf der Leitung</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) came after the reply to %1 was taken</source>
        <translation>
            <numerusform>%n Byte kam, nachdem die Antwort auf %1 genommen war</numerusform>
            <numerusform>%n Bytes kamen, nachdem die Antwort auf %1 genommen war</numerusform>
        </translation>
    </message>
    <message>
        <source>reply to %1 came late, %2 ms after the command</source>
        <translation>Antwort auf %1 kam spät, %2 ms nach dem Befehl</translation>
    </message>
    <message>
        <source>reply to %1 began with bytes from before</source>
        <translation>Antwort auf %1 begann mit Bytes von vorher</translation>
    </message>
    <message>
        <source>reply to %1 began with bytes from before: the reply to %2 was cut short or came late</source>
        <translation>Antwort auf %1 begann mit Bytes von vorher: die Antwort auf %2 wurde zu früh abgeschnitten oder kam spät</translation>
    </message>
    <message>
        <source>%1; asking again at a slower pace</source>
        <translation>%1; erneute Anfrage in langsamerem Takt</translation>
    </message>
    <message>
        <source>%1; doing both exchanges again at a slower pace</source>
        <translation>%1; beide Austausche werden in langsamerem Takt wiederholt</translation>
    </message>
    <message>
        <source>the unit&apos;s replies keep coming out of step; the rest of this procedure goes at the fixed pace of %1 ms per exchange</source>
        <translation>die Antworten des Geräts kommen immer wieder aus dem Takt; der Rest dieses Vorgangs läuft im festen Takt von %1 ms je Austausch</translation>
    </message>
    <message>
        <source>reply to %1 went on after its exchange (%2 more bytes): it was cut short or followed by noise</source>
        <translation>Antwort auf %1 ging nach ihrem Austausch weiter (%2 Bytes mehr): sie wurde abgeschnitten oder von Störungen gefolgt</translation>
    </message>
    <message>
        <source>the reply to ? came %1 ms after the command, later than the %2 ms the link waits: %3</source>
        <translation>die Antwort auf ? kam %1 ms nach dem Befehl, später als die %2 ms, die die Verbindung wartet: %3</translation>
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
    <message>
        <source>Edit Message - Channel %1</source>
        <translation>Meldung bearbeiten - Kanal %1</translation>
    </message>
    <message>
        <source>A double quote cannot be stored in a message.</source>
        <translation>Ein doppeltes Anführungszeichen kann in einer Meldung nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 cannot be stored: the unit&apos;s character set lacks it.</source>
        <translation>%1 kann nicht gespeichert werden: der Zeichensatz des Geräts kennt es nicht.</translation>
    </message>
    <message>
        <source>Message of channel %1</source>
        <translation>Meldung von Kanal %1</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Keep this message (Ctrl+Enter from the text)</source>
        <translation>Diese Meldung übernehmen (Strg+Eingabetaste aus dem Text)</translation>
    </message>
    <message>
        <source>The message holds %1 characters; the editor takes the first %2.</source>
        <translation>Die Meldung enthält %1 Zeichen; der Editor übernimmt die ersten %2.</translation>
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
        <translation>Landesvorwahl</translation>
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
    <message>
        <source>The ISD code box needs the country code in digits (up to %1), without &quot;+&quot;.</source>
        <translation>Das Feld für die Landesvorwahl braucht die Landesvorwahl in Ziffern (bis zu %1), ohne &quot;+&quot;.</translation>
    </message>
    <message>
        <source>The phone number box needs exactly %1 digits; it holds %2.</source>
        <translation>Das Rufnummernfeld braucht genau %1 Ziffern; es enthält %2.</translation>
    </message>
    <message>
        <source>The phone number box may hold the digits 0 to 9 only.</source>
        <translation>Das Rufnummernfeld darf nur die Ziffern 0 bis 9 enthalten.</translation>
    </message>
    <message>
        <source>Edit Phone Number %1</source>
        <translation>Rufnummer %1 bearbeiten</translation>
    </message>
    <message>
        <source>The ISD code box holds %1 digits; a country code has at most %2. Shorten it, or press Cancel to keep the number as it is.</source>
        <translation>Das Feld für die Landesvorwahl enthält %1 Ziffern; eine Landesvorwahl hat höchstens %2. Kürzen Sie sie, oder drücken Sie Abbrechen, um die Nummer zu behalten, wie sie ist.</translation>
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
        <source>Save to File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Select a slave ID from the list before saving.</source>
        <translation>Wählen Sie vor dem Speichern eine Slave-ID aus der Liste.</translation>
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
        <translation>Liest, bearbeitet und schreibt die Konfiguration eines Alarm-Modem-Geräts.</translation>
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
    <message>
        <source>The traffic log could not be written, so the transfer stopped. Check the disk or start without --log.</source>
        <translation>Das Verkehrsprotokoll ließ sich nicht schreiben, daher wurde die Übertragung beendet. Prüfen Sie den Datenträger, oder starten Sie ohne --log.</translation>
    </message>
    <message>
        <source>Phone %1</source>
        <translation>Rufnummer %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Not connected: the last attempt failed or the line was lost</source>
        <translation>Nicht verbunden: der letzte Versuch schlug fehl, oder die Verbindung ist abgerissen</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>The window holds only the start values: nothing was read, loaded or edited. Writing them would clear the phone numbers and messages of the unit on %1.</source>
        <translation>Das Fenster enthält nur die Startwerte: nichts wurde gelesen, geladen oder bearbeitet. Sie zu schreiben, würde die Rufnummern und Meldungen des Geräts an %1 löschen.</translation>
    </message>
    <message>
        <source>Write the empty configuration anyway?</source>
        <translation>Die leere Konfiguration trotzdem schreiben?</translation>
    </message>
    <message>
        <source>Check that the unit is powered and its cable firmly plugged in, or try another port.</source>
        <translation>Prüfen Sie, ob das Gerät Strom hat und sein Kabel fest steckt, oder versuchen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>No unit answered on %1. %2</source>
        <translation>An %1 hat kein Gerät geantwortet. %2</translation>
    </message>
    <message>
        <source>The line to %1 was lost at %2 (%3). %4</source>
        <translation>Die Verbindung zu %1 ist bei %2 abgerissen (%3). %4</translation>
    </message>
    <message>
        <source>Read complete.</source>
        <translation>Lesen abgeschlossen.</translation>
    </message>
    <message>
        <source>Read stopped after %1 of %2 exchanges.</source>
        <translation>Lesen nach %1 von %2 Austauschen abgebrochen.</translation>
    </message>
    <message>
        <source>Write stopped after %1 of %2 exchanges: the unit is half-written; write again.</source>
        <translation>Schreiben nach %1 von %2 Austauschen abgebrochen: das Gerät ist halb beschrieben; schreiben Sie erneut.</translation>
    </message>
    <message>
        <source>Transfer Running</source>
        <translation>Übertragung läuft</translation>
    </message>
    <message>
        <source>A write is running. A write cut short leaves the unit half-written: part old, part new configuration.</source>
        <translation>Ein Schreiben läuft. Ein abgebrochenes Schreiben lässt das Gerät halb beschrieben: teils alte, teils neue Konfiguration.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load from File...</source>
        <translation>Aus Datei &amp;laden...</translation>
    </message>
    <message>
        <source>&amp;Save to File...</source>
        <translation>In Datei &amp;speichern...</translation>
    </message>
    <message>
        <source>Save as &amp;JSON...</source>
        <translation>Als &amp;JSON speichern...</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>&amp;Zuletzt verwendet</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Ask Before Discarding Edits</source>
        <translation>&amp;Vor dem Verwerfen von Änderungen fragen</translation>
    </message>
    <message>
        <source>&amp;Unit</source>
        <translation>&amp;Gerät</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Read from Device</source>
        <translation>Aus Gerät &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Write to Device</source>
        <translation>Ins Gerät &amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>&amp;About Quellix</source>
        <translation>Ü&amp;ber Quellix</translation>
    </message>
    <message>
        <source>&amp;Undo Read</source>
        <translation>Lesen &amp;rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo Load</source>
        <translation>Laden &amp;rückgängig</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>The window holds edits that were neither saved nor written.</source>
        <translation>Das Fenster enthält Änderungen, die weder gespeichert noch geschrieben wurden.</translation>
    </message>
    <message>
        <source>Discard them?</source>
        <translation>Verwerfen?</translation>
    </message>
    <message>
        <source>(none yet)</source>
        <translation>(noch keine)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>About Quellix</source>
        <translation>Über Quellix</translation>
    </message>
    <message>
        <source>%1
Built with Qt %2, running on Qt %3.</source>
        <translation>%1
Gebaut mit Qt %2, läuft unter Qt %3.</translation>
    </message>
    <message>
        <source>%1; nothing done in this window is recorded.</source>
        <translation>%1; nichts, was in diesem Fenster geschieht, wird festgehalten.</translation>
    </message>
    <message>
        <source>Record every unit operation in WHERE: a file path or postgresql://USER@HOST[:PORT]/DB.</source>
        <translation>Jeden Vorgang an einem Gerät in ORT festhalten: ein Dateipfad oder postgresql://USER@HOST[:PORT]/DB.</translation>
    </message>
    <message>
        <source>WHERE</source>
        <translation>ORT</translation>
    </message>
    <message>
        <source>Record nothing in the journal.</source>
        <translation>Nichts im Journal festhalten.</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>Provisioning &amp;Station...</source>
        <translation>Bereitstellungs&amp;station...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Traffic Monitor</source>
        <translation>&amp;Verkehrsmonitor</translation>
    </message>
    <message>
        <source>Open in Window</source>
        <translation>Im Fenster öffnen</translation>
    </message>
    <message>
        <source>A transfer is running. Open the record once it has ended.</source>
        <translation>Eine Übertragung läuft. Öffnen Sie den Eintrag, wenn sie beendet ist.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>Back Up Be&amp;fore Writing</source>
        <translation>Vor dem Schreiben si&amp;chern</translation>
    </message>
    <message>
        <source>Verify &amp;After Writing</source>
        <translation>Nach dem Schreiben prü&amp;fen</translation>
    </message>
    <message>
        <source>&amp;Undo Take Values</source>
        <translation>Übernahme &amp;rückgängig</translation>
    </message>
    <message>
        <source>&amp;Verify Unit against Window</source>
        <translation>Gerät gegen Fenster &amp;prüfen</translation>
    </message>
    <message>
        <source>Com&amp;pare with Unit...</source>
        <translation>Mit Gerät ver&amp;gleichen...</translation>
    </message>
    <message>
        <source>&amp;Back Up Unit Now</source>
        <translation>Gerät jetzt sic&amp;hern</translation>
    </message>
    <message>
        <source>&amp;Compare with File...</source>
        <translation>Mit Datei &amp;vergleichen...</translation>
    </message>
    <message>
        <source>The journal is off, so a backup would be kept nowhere.</source>
        <translation>Das Journal ist abgeschaltet, eine Sicherung würde also nirgends aufbewahrt.</translation>
    </message>
    <message>
        <source>Journal: not recorded</source>
        <translation>Journal: nichts wird festgehalten</translation>
    </message>
    <message>
        <source>Started with --no-journal, or the journal could not be chosen: nothing done in this window is recorded, and there are no backups.</source>
        <translation>Mit --no-journal gestartet, oder das Journal ließ sich nicht wählen: nichts, was in diesem Fenster geschieht, wird festgehalten, und es gibt keine Sicherungen.</translation>
    </message>
    <message>
        <source>Journal: %1</source>
        <translation>Journal: %1</translation>
    </message>
    <message>
        <source>Unit operations and backups are recorded in %1.</source>
        <translation>Vorgänge an Geräten und Sicherungen werden in %1 festgehalten.</translation>
    </message>
    <message>
        <source>Journal: %1 - not working</source>
        <translation>Journal: %1 - funktioniert nicht</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>The journal does not work: %1</source>
        <translation>Das Journal funktioniert nicht: %1</translation>
    </message>
    <message>
        <source>the window</source>
        <translation>das Fenster</translation>
    </message>
    <message>
        <source>Backing up the unit ...</source>
        <translation>Sicherung des Geräts ...</translation>
    </message>
    <message>
        <source>Reading back what was written ...</source>
        <translation>Geschriebenes wird zurückgelesen ...</translation>
    </message>
    <message>
        <source>Reading the unit to compare ...</source>
        <translation>Gerät wird zum Vergleich gelesen ...</translation>
    </message>
    <message>
        <source>The unit&apos;s configuration is kept in the journal.</source>
        <translation>Die Konfiguration des Geräts ist im Journal gesichert.</translation>
    </message>
    <message>
        <source>The backup failed: %1</source>
        <translation>Die Sicherung ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Written and verified.</source>
        <translation>Geschrieben und geprüft.</translation>
    </message>
    <message>
        <source>The unit holds what the window shows.</source>
        <translation>Das Gerät enthält, was das Fenster zeigt.</translation>
    </message>
    <message numerus="yes">
        <source>Written, but values differ on reading back: %n.</source>
        <translation>
            <numerusform>Geschrieben, aber beim Zurücklesen abweichende Werte: %n.</numerusform>
            <numerusform>Geschrieben, aber beim Zurücklesen abweichende Werte: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The unit could not be read: %1</source>
        <translation>Das Gerät konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The unit could not be backed up, so nothing was written.</source>
        <translation>Das Gerät konnte nicht gesichert werden, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Unit on %1</source>
        <translation>Gerät an %1</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>The window and %1 hold the same values.</source>
        <translation>Das Fenster und %1 enthalten dieselben Werte.</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>%1 cannot be compared: %2</source>
        <translation>%1 kann nicht verglichen werden: %2</translation>
    </message>
    <message>
        <source>The file holds phone numbers 1-16 only; 17-32 are not compared.</source>
        <translation>Die Datei enthält nur die Rufnummern 1-16; 17-32 werden nicht verglichen.</translation>
    </message>
    <message>
        <source>The journal is not working (see the status bar): the unit&apos;s previous configuration may not be kept.</source>
        <translation>Das Journal funktioniert nicht (siehe Statusleiste): die vorige Konfiguration des Geräts ist womöglich nicht aufbewahrt.</translation>
    </message>
    <message>
        <source>The unit&apos;s previous configuration is in the journal.</source>
        <translation>Die vorige Konfiguration des Geräts steht im Journal.</translation>
    </message>
    <message>
        <source>No backup was kept, as the journal is off.</source>
        <translation>Keine Sicherung aufbewahrt, da das Journal abgeschaltet ist.</translation>
    </message>
    <message>
        <source>Nothing was written: %1. Shorten it, then write again.</source>
        <translation>Nichts wurde geschrieben: %1. Kürzen Sie den Text und schreiben Sie dann erneut.</translation>
    </message>
    <message>
        <source>The read from %1 failed: %2.</source>
        <translation>Das Lesen von %1 ist fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>The window keeps what it showed before. Read again; should it fail again, check the unit and its cable.</source>
        <translation>Das Fenster behält, was es vorher zeigte. Lesen Sie erneut; schlägt es wieder fehl, prüfen Sie das Gerät und sein Kabel.</translation>
    </message>
    <message>
        <source>Write failed: %1</source>
        <translation>Schreiben fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Written, but reading back failed: %1. Use Verify Unit against Window to know what the unit holds.</source>
        <translation>Geschrieben, aber das Zurücklesen ist fehlgeschlagen: %1. Verwenden Sie „Gerät gegen Fenster prüfen“, um zu wissen, was das Gerät enthält.</translation>
    </message>
    <message>
        <source>Fast &amp;Link</source>
        <translation>Schnelle &amp;Verbindung</translation>
    </message>
    <message>
        <source>Go from one command to the next as soon as the unit has answered, at its own pace. Writes go fast only when verified.</source>
        <translation>Den nächsten Befehl senden, sobald das Gerät geantwortet hat, in seinem eigenen Takt. Schreiben geht nur mit Prüfung schnell.</translation>
    </message>
    <message>
        <source>Read the unit back after a write and compare. With Fast Link on this costs about one second.</source>
        <translation>Das Gerät nach dem Schreiben zurücklesen und vergleichen. Mit Schneller Verbindung kostet das etwa eine Sekunde.</translation>
    </message>
    <message>
        <source>The unit on %1 answers late (about %2 ms after each command), after the %3 ms this window waits for a reply. With Unit &gt; Fast Link on, the window learns the unit&apos;s pace and reads it right; check the unit and its cable too.</source>
        <translation>Das Gerät an %1 antwortet spät (etwa %2 ms nach jedem Befehl), nach den %3 ms, die dieses Fenster auf eine Antwort wartet. Mit Gerät &gt; Schnelle Verbindung lernt das Fenster den Takt des Geräts und liest es richtig; prüfen Sie auch das Gerät und sein Kabel.</translation>
    </message>
    <message>
        <source>Read at Its Pace</source>
        <translation>In ihrem Takt lesen</translation>
    </message>
    <message>
        <source>Channel %1 enabled</source>
        <translation>Kanal %1 freigegeben</translation>
    </message>
    <message>
        <source>Edit message of channel %1</source>
        <translation>Meldung von Kanal %1 bearbeiten</translation>
    </message>
    <message>
        <source>Edit the message the unit sends for this channel (Space)</source>
        <translation>Die Meldung bearbeiten, die das Gerät für diesen Kanal sendet (Leertaste)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Edit this phone number (Space)</source>
        <translation>Diese Rufnummer bearbeiten (Leertaste)</translation>
    </message>
    <message>
        <source>Phone number %1</source>
        <translation>Rufnummer %1</translation>
    </message>
    <message>
        <source>Edit phone number %1</source>
        <translation>Rufnummer %1 bearbeiten</translation>
    </message>
    <message>
        <source>A transfer is running. Restore the record once it has ended.</source>
        <translation>Eine Übertragung läuft. Stellen Sie den Eintrag wieder her, wenn sie beendet ist.</translation>
    </message>
    <message>
        <source>Connect to the unit first, then restore the record.</source>
        <translation>Verbinden Sie zuerst das Gerät, dann stellen Sie den Eintrag wieder her.</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>Verbunden mit %1.</translation>
    </message>
    <message>
        <source>The unit is being read. Closing stops the read; the unit stays as it is.</source>
        <translation>Das Gerät wird gelesen. Schließen bricht das Lesen ab; das Gerät bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>Nothing was written: the unit could not be backed up (%1).</source>
        <translation>Nichts wurde geschrieben: das Gerät konnte nicht gesichert werden (%1).</translation>
    </message>
    <message>
        <source>Written, not read back.</source>
        <translation>Geschrieben, nicht zurückgelesen.</translation>
    </message>
    <message>
        <source>Written, not read back: Verify After Writing is off.</source>
        <translation>Geschrieben, nicht zurückgelesen: „Nach dem Schreiben prüfen“ ist aus.</translation>
    </message>
    <message>
        <source>No backup was kept, as Back Up Before Writing is off.</source>
        <translation>Keine Sicherung aufbewahrt, da „Vor dem Schreiben sichern“ aus ist.</translation>
    </message>
    <message>
        <source>The unit&apos;s previous configuration is in the journal, from the read since Connect.</source>
        <translation>Die vorige Konfiguration des Geräts steht im Journal, aus dem Lesen seit dem Verbinden.</translation>
    </message>
    <message>
        <source>Read the unit&apos;s configuration into the window</source>
        <translation>Liest die Konfiguration des Geräts ins Fenster</translation>
    </message>
    <message>
        <source>Write the window&apos;s configuration to the unit</source>
        <translation>Schreibt die Konfiguration des Fensters ins Gerät</translation>
    </message>
    <message>
        <source>Load a configuration file into the window</source>
        <translation>Lädt eine Konfigurationsdatei ins Fenster</translation>
    </message>
    <message>
        <source>Save the window&apos;s configuration to a file</source>
        <translation>Speichert die Konfiguration des Fensters in eine Datei</translation>
    </message>
    <message>
        <source>The manual was not found or no program opened it. It is installed as
%1
Open it with any text viewer.</source>
        <translation>Das Handbuch wurde nicht gefunden, oder kein Programm hat es geöffnet. Es ist installiert als
%1
Öffnen Sie es mit einem beliebigen Textbetrachter.</translation>
    </message>
    <message>
        <source>holds %1 characters; the editor takes the first %2</source>
        <translation>enthält %1 Zeichen; der Editor übernimmt die ersten %2</translation>
    </message>
    <message>
        <source>Values longer than their boxes: %1, kept whole (marked %2).</source>
        <translation>Werte länger als ihre Felder: %1, vollständig behalten (mit %2 markiert).</translation>
    </message>
    <message>
        <source>holds %1 characters; the box shows the first %2</source>
        <translation>enthält %1 Zeichen; das Feld zeigt die ersten %2</translation>
    </message>
    <message numerus="yes">
        <source>Values that differ between %1 and the window: %n.</source>
        <translation>
            <numerusform>Werte, die sich zwischen %1 und dem Fenster unterscheiden: %n.</numerusform>
            <numerusform>Werte, die sich zwischen %1 und dem Fenster unterscheiden: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>To write it to this unit all the same, press Restore This... in History again: the window then asks first.</source>
        <translation>Um ihn trotzdem auf dieses Gerät zu schreiben, drücken Sie im Verlauf erneut „Dies wiederherstellen...“: das Fenster fragt dann zuerst nach.</translation>
    </message>
    <message>
        <source>the unit on %1</source>
        <extracomment>Inside &quot;Values that differ between %1 and the window&quot;, where a file&apos;s name may stand.</extracomment>
        <translation>dem Gerät an %1</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>journal</name>
    <message>
        <source>holds no configuration (a verify keeps only its fingerprint)</source>
        <translation>enthält keine Konfiguration (ein Prüfen behält nur ihren Fingerabdruck)</translation>
    </message>
    <message>
        <source>its configuration does not match its fingerprint; the journal was altered</source>
        <translation>seine Konfiguration passt nicht zu ihrem Fingerabdruck; das Journal wurde verändert</translation>
    </message>
    <message>
        <source>the journal holds no read of this unit before it, so what it changed cannot be told</source>
        <translation>das Journal enthält kein Lesen dieses Geräts davor, daher lässt sich nicht sagen, was geändert wurde</translation>
    </message>
    <message>
        <source>record %1: %2</source>
        <translation>Eintrag %1: %2</translation>
    </message>
    <message>
        <source>it failed, so it found nothing to compare</source>
        <translation>es ist fehlgeschlagen und hat daher nichts verglichen</translation>
    </message>
    <message>
        <source>the record keeps only how many values differed (%1), not which</source>
        <translation>der Eintrag hält nur fest, wie viele Werte abwichen (%1), nicht welche</translation>
    </message>
    <message>
        <source>a read changes nothing on the unit</source>
        <translation>ein Lesen ändert nichts am Gerät</translation>
    </message>
    <message>
        <source>the journal %1 cannot be written (%2); this operation is not recorded</source>
        <translation>das Journal %1 lässt sich nicht schreiben (%2); dieser Vorgang wird nicht festgehalten</translation>
    </message>
    <message>
        <source>the journal server %1 did not answer in time (%2)</source>
        <translation>der Journal-Server %1 hat nicht rechtzeitig geantwortet (%2)</translation>
    </message>
    <message>
        <source>the journal server %1 refused the record (%2)</source>
        <translation>der Journal-Server %1 hat den Eintrag abgelehnt (%2)</translation>
    </message>
    <message>
        <source>the journal server %1 cannot be reached (%2)</source>
        <translation>der Journal-Server %1 ist nicht erreichbar (%2)</translation>
    </message>
    <message>
        <source>%1; records are kept in %2 and sent on the next run that reaches it</source>
        <translation>%1; die Einträge bleiben in %2 und werden beim nächsten Lauf gesendet, der ihn erreicht</translation>
    </message>
    <message>
        <source>no local journal</source>
        <translation>kein lokales Journal</translation>
    </message>
    <message>
        <source>%1 and the local journal %2 cannot be written (%3); this operation is not recorded</source>
        <translation>%1, und das lokale Journal %2 lässt sich nicht schreiben (%3); dieser Vorgang wird nicht festgehalten</translation>
    </message>
    <message>
        <source>the journal server %1 refused a record for what it holds (%2); it is kept in %3 as journal record %4 and not sent again</source>
        <translation>der Journal-Server %1 hat einen Eintrag wegen seines Inhalts abgelehnt (%2); er bleibt in %3 als Journaleintrag %4 und wird nicht erneut gesendet</translation>
    </message>
    <message>
        <source>the journal server %1 refused a record for what it holds (%2) and the local journal %3 cannot be written (%4); this operation is not recorded</source>
        <translation>der Journal-Server %1 hat einen Eintrag wegen seines Inhalts abgelehnt (%2), und das lokale Journal %3 lässt sich nicht schreiben (%4); dieser Vorgang wird nicht festgehalten</translation>
    </message>
    <message>
        <source>the local journal %1 cannot be read (%2)</source>
        <translation>das lokale Journal %1 lässt sich nicht lesen (%2)</translation>
    </message>
    <message>
        <source>%1 is not of the form postgresql://USER@HOST[:PORT]/DATABASE</source>
        <translation>%1 hat nicht die Form postgresql://USER@HOST[:PORT]/DATABASE</translation>
    </message>
    <message>
        <source>the journal URL must not hold a password; put it in PGPASSWORD or ~/.pgpass instead</source>
        <translation>die Journal-URL darf kein Passwort enthalten; legen Sie es stattdessen in PGPASSWORD oder ~/.pgpass ab</translation>
    </message>
    <message>
        <source>the journal URL takes no options after the database name</source>
        <translation>die Journal-URL nimmt nach dem Datenbanknamen keine Optionen</translation>
    </message>
    <message>
        <source>%1: only postgresql:// URLs or file names are journals (write ./%2 for a file of that name)</source>
        <translation>%1: nur postgresql://-URLs oder Dateinamen sind Journale (schreiben Sie ./%2 für eine Datei dieses Namens)</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>the line is not open or is busy</source>
        <translation>die Leitung ist nicht offen oder belegt</translation>
    </message>
    <message>
        <source>no unit answered</source>
        <translation>kein Gerät hat geantwortet</translation>
    </message>
    <message>
        <source>no unit answered the probe</source>
        <translation>kein Gerät hat auf die Abfrage geantwortet</translation>
    </message>
    <message>
        <source>the unit answers late: about %1 ms after each command, where the link waits %2 ms</source>
        <translation>das Gerät antwortet spät: etwa %1 ms nach jedem Befehl, wo die Verbindung %2 ms wartet</translation>
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
        <source>the log could not be written (%1); nothing more was sent</source>
        <translation>das Protokoll ließ sich nicht schreiben (%1); es wurde nichts mehr gesendet</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source> during the write; the unit may hold part of it</source>
        <translation> während des Schreibens; das Gerät hat es womöglich nur zum Teil</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <source>interrupted; the unit may hold part of it</source>
        <translation>unterbrochen; das Gerät hat es womöglich nur zum Teil</translation>
    </message>
    <message>
        <source>interrupted; nothing was written</source>
        <translation>unterbrochen; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>cannot save the backup %1: %2; nothing was written</source>
        <translation>die Sicherung %1 lässt sich nicht speichern: %2; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>the backup read failed: </source>
        <translation>das Lesen für die Sicherung schlug fehl: </translation>
    </message>
    <message>
        <source>; nothing was written</source>
        <translation>; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>written, but the verify failed: </source>
        <translation>geschrieben, aber die Prüfung ist fehlgeschlagen: </translation>
    </message>
    <message>
        <source>. The write itself went through; verify the unit again to know what it holds</source>
        <translation>. Das Schreiben selbst ist durchgegangen; prüfen Sie das Gerät erneut, um zu wissen, was es enthält</translation>
    </message>
    <message>
        <source>the unit says it is %1, the record was kept from %2; nothing was written</source>
        <translation>das Gerät meldet sich als %1, der Eintrag stammt von %2; nichts wurde geschrieben</translation>
    </message>
</context>
<context>
    <name>journal::Store</name>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>the journal is turned off</source>
        <translation>das Journal ist abgeschaltet</translation>
    </message>
    <message>
        <source>the Qt SQL driver for %1 is not installed</source>
        <translation>der Qt-SQL-Treiber für %1 ist nicht installiert</translation>
    </message>
    <message>
        <source>the journal has schema version %1, newer than this version of the tool knows (%2); update the tool</source>
        <translation>das Journal hat die Schemaversion %1, neuer als diese Version des Werkzeugs kennt (%2); aktualisieren Sie das Werkzeug</translation>
    </message>
    <message>
        <source>a record without a time</source>
        <translation>ein Eintrag ohne Zeit</translation>
    </message>
    <message>
        <source>unknown database error</source>
        <translation>unbekannter Datenbankfehler</translation>
    </message>
    <message>
        <source>no journal has been kept there yet</source>
        <translation>dort wurde noch kein Journal geführt</translation>
    </message>
    <message>
        <source>the journal has schema version %1 and cannot be upgraded to %2 where it is; run a write or read with it once where it can be written</source>
        <translation>das Journal hat die Schemaversion %1 und lässt sich dort nicht auf %2 aktualisieren; führen Sie einmal ein Schreiben oder Lesen damit aus, wo es sich schreiben lässt</translation>
    </message>
    <message>
        <source>opened for reading only</source>
        <translation>nur zum Lesen geöffnet</translation>
    </message>
</context>
<context>
    <name>journal::Worker</name>
    <message>
        <source>the journal %1 can only be read here (%2): History lists it, but nothing done in this window is recorded</source>
        <translation>das Journal %1 kann hier nur gelesen werden (%2): Der Verlauf zeigt es, aber nichts, was in diesem Fenster geschieht, wird aufgezeichnet</translation>
    </message>
</context>
<context>
    <name>provision</name>
    <message>
        <source>%1 line %2, column %3</source>
        <translation>%1 Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>%1 line %2: not UTF-8 text; save the sheet as CSV UTF-8</source>
        <translation>%1 Zeile %2: kein UTF-8-Text; speichern Sie die Tabelle als CSV UTF-8</translation>
    </message>
    <message>
        <source>holds a double quote (character %1), which a configuration file cannot carry</source>
        <translation>enthält ein doppeltes Anführungszeichen (Zeichen %1), das eine Konfigurationsdatei nicht fassen kann</translation>
    </message>
    <message>
        <source>holds NUL followed by CR (character %1), which ends a setting on the line</source>
        <translation>enthält NUL gefolgt von CR (Zeichen %1), was auf der Leitung eine Einstellung beendet</translation>
    </message>
    <message>
        <source>holds a character Windows-1252 lacks (%1)</source>
        <translation>enthält ein Zeichen, das Windows-1252 fehlt (%1)</translation>
    </message>
    <message>
        <source>%1 characters, a configuration file holds at most %2 in one value</source>
        <translation>%1 Zeichen, eine Konfigurationsdatei fasst höchstens %2 in einem Wert</translation>
    </message>
    <message>
        <source>%1 characters; the window&apos;s editor cuts it to %2 when edited</source>
        <translation>%1 Zeichen; der Editor des Fensters kürzt auf %2, wenn man ihn bearbeitet</translation>
    </message>
    <message>
        <source>%1 is not a slave ID; give a whole number 0 to %2</source>
        <translation>%1 ist keine Slave-ID; geben Sie eine ganze Zahl von 0 bis %2 an</translation>
    </message>
    <message>
        <source>%1: give yes or no</source>
        <translation>%1: yes oder no angeben</translation>
    </message>
    <message>
        <source>cannot be set</source>
        <translation>kann nicht gesetzt werden</translation>
    </message>
    <message>
        <source>unknown name %1; the names are slave-id, phone.1 to phone.%2, channel.1.enabled to channel.%3.enabled and channel.1.message to channel.%3.message</source>
        <translation>unbekannter Name %1; die Namen sind slave-id, phone.1 bis phone.%2, channel.1.enabled bis channel.%3.enabled und channel.1.message bis channel.%3.message</translation>
    </message>
    <message>
        <source>%1 characters, but the unit&apos;s reply could not be read back beyond %2</source>
        <translation>%1 Zeichen, aber die Antwort des Geräts ließe sich über %2 hinaus nicht zurücklesen</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>%1 needs NAME=VALUE, not %2</source>
        <translation>%1 braucht NAME=VALUE, nicht %2</translation>
    </message>
    <message>
        <source>the file and the sheet cannot both be standard input</source>
        <translation>die Datei und die Tabelle können nicht beide die Standardeingabe sein</translation>
    </message>
    <message>
        <source>needs a backup: it sends what differs from it</source>
        <translation>braucht eine Sicherung: es sendet, was davon abweicht</translation>
    </message>
    <message>
        <source>a backup is kept in the journal or a backup folder, and there is neither</source>
        <translation>eine Sicherung wird im Journal oder in einem Sicherungsordner aufbewahrt, und es gibt keins von beiden</translation>
    </message>
    <message>
        <source>no file is given</source>
        <translation>keine Datei angegeben</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>ist keine Datei</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>ist kein Ordner</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>lässt sich nicht beschreiben</translation>
    </message>
    <message>
        <source>needs a positive whole number of milliseconds, not &apos;%1&apos;</source>
        <translation>braucht eine positive ganze Zahl Millisekunden, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>is auto or fixed, not &apos;%1&apos;</source>
        <translation>ist auto oder fixed, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the quote that opens this cell is never closed</source>
        <translation>das Anführungszeichen, das diese Zelle öffnet, wird nie geschlossen</translation>
    </message>
    <message>
        <source>a double quote inside a cell that does not start with one; quote the whole cell and double the quote</source>
        <translation>ein doppeltes Anführungszeichen in einer Zelle, die nicht mit einem beginnt; setzen Sie die ganze Zelle in Anführungszeichen und verdoppeln Sie es</translation>
    </message>
    <message>
        <source>a CR without LF after it; lines end in CR LF or LF</source>
        <translation>ein CR ohne folgendes LF; Zeilen enden auf CR LF oder LF</translation>
    </message>
    <message>
        <source>text after the closing quote</source>
        <translation>Text nach dem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>%1, but the first column must be port</source>
        <translation>%1, aber die erste Spalte muss port sein</translation>
    </message>
    <message>
        <source>%1 is column %2 already</source>
        <translation>%1 ist bereits Spalte %2</translation>
    </message>
    <message>
        <source>%1 line %2: %3 cells, but the header has %4</source>
        <translation>%1 Zeile %2: %3 Zellen, aber die Kopfzeile hat %4</translation>
    </message>
    <message>
        <source>no port</source>
        <translation>kein Port</translation>
    </message>
    <message>
        <source>port %1 has a row on line %2 already</source>
        <translation>Port %1 hat bereits eine Zeile in Zeile %2</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes</source>
        <translation>%1: größer als %2 Bytes</translation>
    </message>
    <message>
        <source>%1: empty; its first line names the columns, port first</source>
        <translation>%1: leer; seine erste Zeile benennt die Spalten, zuerst port</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: %2 more values like these</source>
        <translation>%1: %2 weitere solche Werte</translation>
    </message>
    <message>
        <source>%1: no row in %2 (its port column holds a device path, its last part or a USB serial number)</source>
        <translation>%1: keine Zeile in %2 (ihre Spalte port enthält einen Gerätepfad, dessen letzten Teil oder eine USB-Seriennummer)</translation>
    </message>
    <message>
        <source>%1: rows on lines %2 of %3 all match it</source>
        <translation>%1: die Zeilen %2 von %3 passen alle darauf</translation>
    </message>
    <message>
        <source>%1: %2 rows (lines %3, %4, ... %5) are for ports not given; left out</source>
        <translation>%1: %2 Zeilen (Zeilen %3, %4, ... %5) gelten für nicht angegebene Ports; ausgelassen</translation>
    </message>
    <message>
        <source>%1 line %2: port %3 is not among the ports given; row left out</source>
        <translation>%1 Zeile %2: Port %3 ist nicht unter den angegebenen Ports; Zeile ausgelassen</translation>
    </message>
    <message>
        <source>%1: the row on line %2 of %3 matches %4 too</source>
        <translation>%1: die Zeile %2 von %3 passt auch auf %4</translation>
    </message>
    <message>
        <source>%1 (%2): %3 holds phone numbers 1-%4 only and each unit keeps its own others; use a file with all 32</source>
        <translation>%1 (%2): %3 enthält nur die Rufnummern 1-%4, und jedes Gerät behält seine übrigen; verwenden Sie eine Datei mit allen 32</translation>
    </message>
    <message>
        <source>the first question</source>
        <translation>die erste Frage</translation>
    </message>
    <message>
        <source>the slave ID</source>
        <translation>die Slave-ID</translation>
    </message>
    <message>
        <source>the channel switches</source>
        <translation>die Kanalschalter</translation>
    </message>
    <message>
        <source>phone %1</source>
        <translation>Rufnummer %1</translation>
    </message>
    <message>
        <source>the message of channel %1</source>
        <translation>die Meldung von Kanal %1</translation>
    </message>
    <message>
        <source>while it was backed up; nothing was written</source>
        <translation>während der Sicherung; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>while its phones 17-32 were read; nothing was written</source>
        <translation>während die Rufnummern 17-32 gelesen wurden; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>while it was written; it may hold part of the new configuration</source>
        <translation>während des Schreibens; sie kann einen Teil der neuen Konfiguration enthalten</translation>
    </message>
    <message>
        <source>while it was read back after the write</source>
        <translation>beim Zurücklesen nach dem Schreiben</translation>
    </message>
    <message>
        <source>no proper answer about %1 %2</source>
        <translation>keine ordentliche Antwort zu %1 %2</translation>
    </message>
    <message>
        <source>%1 line %2, slave ID %3</source>
        <translation>%1 Zeile %2, Slave-ID %3</translation>
    </message>
    <message>
        <source>slave ID %1</source>
        <translation>Slave-ID %1</translation>
    </message>
    <message>
        <source>the unit stopped answering at %1 %2</source>
        <translation>das Gerät antwortete nicht mehr bei %1 %2</translation>
    </message>
    <message>
        <source>%1; the command in flight: %2 (exchange %3 of %4)</source>
        <translation>%1; laufender Befehl: %2 (Austausch %3 von %4)</translation>
    </message>
    <message>
        <source>%1; nothing was sent</source>
        <translation>%1; nichts wurde gesendet</translation>
    </message>
    <message>
        <source>%1: phone numbers 17-32 are not in %2; keeping the unit&apos;s</source>
        <translation>%1: Rufnummern 17-32 fehlen in %2; die des Geräts bleiben</translation>
    </message>
    <message>
        <source>backing up</source>
        <translation>erstelle Sicherung</translation>
    </message>
    <message>
        <source>reading phones 17-32</source>
        <translation>lese Rufnummern 17-32</translation>
    </message>
    <message>
        <source>writing changes</source>
        <translation>schreibe Änderungen</translation>
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
        <source>sending again</source>
        <translation>erneut senden</translation>
    </message>
    <message>
        <source>reading back</source>
        <translation>lese zurück</translation>
    </message>
    <message>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>%1, %2 of %3 settings sent (the others were as wanted)</source>
        <translation>%1, %2 von %3 Einstellungen gesendet (die übrigen stimmten schon)</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>geschrieben und geprüft</translation>
    </message>
    <message>
        <source>%1: %2 settings did not take at the fast pace; sending them again at the fixed pace</source>
        <translation>%1: %2 Einstellungen wurden im schnellen Takt nicht übernommen; sie werden im festen Takt erneut gesendet</translation>
    </message>
    <message>
        <source>written, but %1 differ on reading back</source>
        <translation>geschrieben, aber %1 weichen beim Zurücklesen ab</translation>
    </message>
    <message>
        <source>backed up</source>
        <translation>gesichert</translation>
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
        <source>read</source>
        <translation>gelesen</translation>
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
</context>
<context>
    <name>safety::CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Take these values into the window</source>
        <translation>Diese Werte ins Fenster ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Slave ID</source>
        <translation>Slave-ID</translation>
    </message>
    <message>
        <source>Phone %1</source>
        <translation>Rufnummer %1</translation>
    </message>
    <message>
        <source>Channel %1 enabled</source>
        <translation>Kanal %1 freigegeben</translation>
    </message>
    <message>
        <source>Channel %1 message</source>
        <translation>Meldung von Kanal %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
</context>
<context>
    <name>station</name>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Seen: remove this unit&apos;s tile (it still counts)</source>
        <translation>Gesehen: die Kachel dieses Geräts entfernen (es zählt weiter)</translation>
    </message>
    <message>
        <source>starting</source>
        <translation>startet</translation>
    </message>
    <message>
        <source>again</source>
        <translation>erneut</translation>
    </message>
    <message>
        <source>The run before: %1</source>
        <translation>Der Lauf davor: %1</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>getrennt</translation>
    </message>
    <message>
        <source>%1; unplugged</source>
        <translation>%1; getrennt</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>abgeschlossen</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <source>Provisioning Station</source>
        <translation>Bereitstellungsstation</translation>
    </message>
    <message>
        <source>Set-up</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Configuration file:</source>
        <translation>Konfigurationsdatei:</translation>
    </message>
    <message>
        <source>optional: a CSV sheet with a row of values per unit</source>
        <translation>optional: eine CSV-Tabelle mit einer Zeile Werte je Gerät</translation>
    </message>
    <message>
        <source>Sheet:</source>
        <translation>Tabelle:</translation>
    </message>
    <message>
        <source>Back Up Before Writing</source>
        <translation>Vor dem Schreiben sichern</translation>
    </message>
    <message>
        <source>Verify After Writing</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Read each unit back after writing and compare. With Fast Link on this costs about one second per unit.</source>
        <translation>Jedes Gerät nach dem Schreiben zurücklesen und vergleichen. Mit Schneller Verbindung kostet das etwa eine Sekunde je Gerät.</translation>
    </message>
    <message>
        <source>Fast Link</source>
        <translation>Schnelle Verbindung</translation>
    </message>
    <message>
        <source>Go from one command to the next as soon as the unit has answered, at its own pace. Writes go fast only when verified.</source>
        <translation>Den nächsten Befehl senden, sobald das Gerät geantwortet hat, in seinem eigenen Takt. Schreiben geht nur mit Prüfung schnell.</translation>
    </message>
    <message>
        <source>USB serial devices; or paths with wildcards, such as /dev/ttyUSB*, separated by spaces</source>
        <translation>USB-Seriell-Geräte; oder Pfade mit Platzhaltern wie /dev/ttyUSB*, durch Leerzeichen getrennt</translation>
    </message>
    <message>
        <source>Ports:</source>
        <translation>Ports:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Fehlgeschlagene wiederholen</translation>
    </message>
    <message>
        <source>Configuration File</source>
        <translation>Konfigurationsdatei</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>CSV sheets (*.csv);;All files (*)</source>
        <translation>CSV-Tabellen (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Back Up Before Writing keeps what each unit held in the journal, which is off. Start Quellix with a journal, or clear Back Up Before Writing.</source>
        <translation>„Vor dem Schreiben sichern“ legt den bisherigen Inhalt jedes Geräts im Journal ab, das ausgeschaltet ist. Starten Sie Quellix mit einem Journal oder schalten Sie „Vor dem Schreiben sichern“ aus.</translation>
    </message>
    <message>
        <source>Choose the configuration file to write.</source>
        <translation>Wählen Sie die zu schreibende Konfigurationsdatei.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>stopped: the station window was closed</source>
        <translation>abgebrochen: das Stationsfenster wurde geschlossen</translation>
    </message>
    <message>
        <source>Taking no new unit; the ones running finish.</source>
        <translation>Kein neues Gerät mehr; die laufenden werden fertig.</translation>
    </message>
    <message>
        <source>No failed unit is plugged in.</source>
        <translation>Kein fehlgeschlagenes Gerät ist angeschlossen.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <source>done %1, failed %2</source>
        <translation>fertig %1, fehlgeschlagen %2</translation>
    </message>
    <message>
        <source>, %1 differ</source>
        <translation>, %1 abweichend</translation>
    </message>
    <message>
        <source>Units Running</source>
        <translation>Geräte in Arbeit</translation>
    </message>
    <message>
        <source>Units are being written. A write cut short leaves its unit half-written: part old, part new configuration.</source>
        <translation>Geräte werden beschrieben. Ein abgebrochener Schreibvorgang hinterlässt das Gerät halb beschrieben: teils alte, teils neue Konfiguration.</translation>
    </message>
    <message>
        <source>Progress on %1</source>
        <translation>Fortschritt an %1</translation>
    </message>
    <message>
        <source>Dismiss the tile of %1</source>
        <translation>Kachel von %1 ausblenden</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>Konfigurationsdatei</translation>
    </message>
    <message>
        <source>Browse for the configuration file</source>
        <translation>Konfigurationsdatei suchen</translation>
    </message>
    <message>
        <source>Browse for the sheet</source>
        <translation>Tabelle suchen</translation>
    </message>
</context>
<context>
    <name>traffic::TrafficModel</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Reply (ms)</source>
        <translation>Antwort (ms)</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>before the command</source>
        <translation>vor dem Befehl</translation>
    </message>
    <message numerus="yes">
        <source>... %1 (%n pieces)</source>
        <translation>
            <numerusform>... %1 (%n Stück)</numerusform>
            <numerusform>... %1 (%n Stücke)</numerusform>
        </translation>
    </message>
    <message>
        <source>Bytes came (ms)</source>
        <translation>Bytes kamen (ms)</translation>
    </message>
</context>
<context>
    <name>traffic::TrafficMonitor</name>
    <message>
        <source>Traffic Monitor</source>
        <translation>Verkehrsmonitor</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>%1 lines shown, the newest %2 kept</source>
        <translation>%1 Zeilen angezeigt, die neuesten %2 bleiben</translation>
    </message>
    <message>
        <source>Paused: %1 new lines held, %2 shown</source>
        <translation>Angehalten: %1 neue Zeilen zurückgehalten, %2 angezeigt</translation>
    </message>
    <message>
        <source>Save Traffic</source>
        <translation>Verkehr speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>Verkehr</translation>
    </message>
    <message>
        <source># Traffic Monitor: no lines</source>
        <translation># Verkehrsmonitor: keine Zeilen</translation>
    </message>
    <message>
        <source># Traffic Monitor: %1, from %2 to %3 (local time)</source>
        <translation># Verkehrsmonitor: %1, von %2 bis %3 (Ortszeit)</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>The traffic could not be saved to
%1

%2

An existing file of that name is unchanged.</source>
        <translation>Der Verkehr konnte nicht gespeichert werden in
%1

%2

Eine vorhandene Datei dieses Namens ist unverändert.</translation>
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
        <source>Configuration files (*.cfg *.txt)</source>
        <translation>Konfigurationsdateien (*.cfg *.txt)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
</TS>
