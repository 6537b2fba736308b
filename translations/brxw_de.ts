<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>brxw::AdminText</name>
    <message>
        <source>Message properties</source>
        <translation>Nachrichteneigenschaften</translation>
    </message>
    <message>
        <source>User properties</source>
        <translation>Benutzereigenschaften</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Add user</source>
        <translation>Benutzer anlegen</translation>
    </message>
    <message>
        <source>Pending forward</source>
        <translation>Ausstehender Forward</translation>
    </message>
    <message>
        <source>Remote files</source>
        <translation>Dateien der BBS</translation>
    </message>
    <message>
        <source>Callsign %s already exists</source>
        <translation>Das Rufzeichen %s existiert bereits</translation>
    </message>
    <message>
        <source>No user is selected.</source>
        <translation>Kein Benutzer ausgewählt.</translation>
    </message>
    <message>
        <source>No message is selected.</source>
        <translation>Keine Nachricht ausgewählt.</translation>
    </message>
    <message>
        <source>Invalid callsign</source>
        <translation>Ungültiges Rufzeichen</translation>
    </message>
    <message>
        <source>No forwards are pending.</source>
        <translation>Es steht kein Forward aus.</translation>
    </message>
    <message>
        <source>This directory is empty.</source>
        <translation>Dieses Verzeichnis ist leer.</translation>
    </message>
    <message>
        <source>Not connected to the BBS: &quot;%s&quot; was not sent.</source>
        <translation>Keine Verbindung zur BBS: „%s“ wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>The key &quot;%s&quot; is longer than %zu characters and cannot be requested.</source>
        <translation>Der Schlüssel „%s“ ist länger als %zu Zeichen und kann nicht angefordert werden.</translation>
    </message>
    <message>
        <source>The record would take %zu bytes, more than the %zu that one request can carry.
Shorten its texts; nothing was sent.</source>
        <translation>Der Datensatz bräuchte %zu Bytes, mehr als die %zu, die eine Anfrage fassen kann.
Kürzen Sie seine Texte; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Field %d holds a line break, which would split the record.
Nothing was sent.</source>
        <translation>Feld %d enthält einen Zeilenumbruch, der den Datensatz teilen würde.
Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The %s box does not hold a date (day-month-year hour:minute): &quot;%s&quot;.
Nothing was sent.</source>
        <translation>Das Feld %s enthält kein Datum (Tag-Monat-Jahr Stunde:Minute): „%s“.
Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>The path %s is longer than %zu characters and cannot be requested.</source>
        <translation>Der Pfad %s ist länger als %zu Zeichen und kann nicht angefordert werden.</translation>
    </message>
    <message>
        <source>Asking the BBS for the listing of %s ...</source>
        <translation>Die Liste von %s wird bei der BBS angefragt ...</translation>
    </message>
    <message>
        <source>The BBS sent no listing of %s: it may not exist, or the BBS refused it.</source>
        <translation>Die BBS hat keine Liste von %s gesendet: Es gibt das Verzeichnis vielleicht nicht, oder die BBS hat die Anfrage abgelehnt.</translation>
    </message>
    <message>
        <source>The link to the BBS was lost before the listing of %s came. Nothing can be opened until brxW has logged in again.</source>
        <translation>Die Verbindung zur BBS ist abgebrochen, bevor die Liste von %s kam. Geöffnet werden kann erst wieder, wenn brxW erneut angemeldet ist.</translation>
    </message>
    <message>
        <source>The link to the BBS was lost. Nothing can be opened until brxW has logged in again.</source>
        <translation>Die Verbindung zur BBS ist abgebrochen. Geöffnet werden kann erst wieder, wenn brxW erneut angemeldet ist.</translation>
    </message>
    <message>
        <source>Fetching %s from the BBS ...</source>
        <translation>%s wird von der BBS geholt ...</translation>
    </message>
    <message>
        <source>The BBS sent no file %s: it may not exist, or the BBS refused it.</source>
        <translation>Die BBS hat die Datei %s nicht gesendet: Es gibt sie vielleicht nicht, oder die BBS hat die Anfrage abgelehnt.</translation>
    </message>
    <message>
        <source>The link to the BBS was lost before %s came. Nothing can be opened until brxW has logged in again.</source>
        <translation>Die Verbindung zur BBS ist abgebrochen, bevor %s kam. Geöffnet werden kann erst wieder, wenn brxW erneut angemeldet ist.</translation>
    </message>
    <message>
        <source>Logged in again: the list starts again from the root.</source>
        <translation>Wieder angemeldet: Die Liste beginnt wieder beim Hauptverzeichnis.</translation>
    </message>
    <message>
        <source>The record was sent, but it could not be kept in the log of records written:
%s</source>
        <translation>Der Datensatz wurde gesendet, konnte aber nicht im Protokoll der geschriebenen Datensätze festgehalten werden:
%s</translation>
    </message>
</context>
<context>
    <name>brxw::Alerts</name>
    <message>
        <source>The regular expression is empty.</source>
        <translation>Der reguläre Ausdruck ist leer.</translation>
    </message>
    <message>
        <source>There is no word to look for.</source>
        <translation>Es ist kein Suchwort angegeben.</translation>
    </message>
    <message>
        <source>Not a valid regular expression: %1 (at character %2).</source>
        <translation>Kein gültiger regulärer Ausdruck: %1 (bei Zeichen %2).</translation>
    </message>
    <message>
        <source>The regular expression matches an empty text, so every line would raise an alert.</source>
        <translation>Der reguläre Ausdruck passt auf einen leeren Text, also würde jede Zeile einen Alarm auslösen.</translation>
    </message>
    <message>
        <source>Alert: %1</source>
        <translation>Alarm: %1</translation>
    </message>
    <message>
        <source>Alert: %1 more, the last: %2</source>
        <translation>Alarm: %1 weitere, zuletzt: %2</translation>
    </message>
    <message>
        <source>%1 connected on channel %2</source>
        <translation>%1 auf Kanal %2 verbunden</translation>
    </message>
    <message>
        <source>monitoring</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>console</source>
        <translation>Konsole</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>a test of the alerts</source>
        <translation>ein Test der Alarme</translation>
    </message>
</context>
<context>
    <name>brxw::AppConfig</name>
    <message>
        <source>%1 Every profile shows its defaults, none connects by itself, and no setting can be saved.</source>
        <translation>%1 Alle Profile zeigen ihre Vorgaben, keines verbindet sich von selbst, und keine Einstellung kann gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>brxw::CAboutDlg</name>
    <message>
        <source>About brxW</source>
        <translation>Über brxW</translation>
    </message>
    <message>
        <source>&lt;b&gt;brxW&lt;/b&gt; version %1</source>
        <translation>&lt;b&gt;brxW&lt;/b&gt; Version %1</translation>
    </message>
    <message>
        <source>Remote console for a packet-radio BBS</source>
        <translation>Fernkonsole für eine Packet-Radio-BBS</translation>
    </message>
    <message>
        <source>Copyright © 2026 the brxW authors</source>
        <translation>Copyright © 2026 die Autoren von brxW</translation>
    </message>
</context>
<context>
    <name>brxw::CAlertsNotifier</name>
    <message>
        <source>no desktop session bus</source>
        <translation>kein Sitzungsbus des Desktops</translation>
    </message>
    <message>
        <source>no notification service and no system tray</source>
        <translation>kein Benachrichtigungsdienst und kein Infobereich</translation>
    </message>
    <message>
        <source>(no desktop notification: %1)</source>
        <translation>(keine Desktop-Benachrichtigung: %1)</translation>
    </message>
</context>
<context>
    <name>brxw::CAlertsPage</name>
    <message>
        <source>&amp;Any station connects</source>
        <translation>&amp;Verbindung einer beliebigen Station</translation>
    </message>
    <message>
        <source>One of these &amp;stations connects:</source>
        <translation>Verbindung einer dieser &amp;Stationen:</translation>
    </message>
    <message>
        <source>Ring the &amp;bell</source>
        <translation>Si&amp;gnalton</translation>
    </message>
    <message>
        <source>Desktop &amp;notification</source>
        <translation>Desktop-&amp;Benachrichtigung</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>&amp;Monitoring or channel traffic contains:</source>
        <translation>&amp;Monitor- oder Kanalverkehr mit diesem Text:</translation>
    </message>
    <message>
        <source>Stations whose connection raises an alert</source>
        <translation>Stationen, deren Verbindung einen Alarm auslöst</translation>
    </message>
    <message>
        <source>Text in monitoring or channel traffic that raises an alert</source>
        <translation>Text im Monitor- oder Kanalverkehr, der einen Alarm auslöst</translation>
    </message>
    <message>
        <source>Text in a console line that raises an alert</source>
        <translation>Text in einer Konsolenzeile, der einen Alarm auslöst</translation>
    </message>
    <message>
        <source>Calls separated by blanks or commas; Q1ABC stands for all its SSIDs, Q1ABC-7 for that one only.</source>
        <translation>Rufzeichen durch Leerzeichen oder Kommas getrennt; Q1ABC steht für alle seine SSIDs, Q1ABC-7 nur für diese eine.</translation>
    </message>
    <message>
        <source>Alert when</source>
        <translation>Alarm bei</translation>
    </message>
    <message>
        <source>Besides a line in the status bar</source>
        <translation>Zusätzlich zu einer Zeile in der Statusleiste</translation>
    </message>
    <message>
        <source>Of each kind at most one alert in %1 seconds; what matches meanwhile is summed up when they are over. Stations listed at login raise none.</source>
        <translation>Von jeder Art höchstens ein Alarm in %1 Sekunden; was in der Zwischenzeit passt, wird danach zusammengefasst. Beim Anmelden gelistete Stationen lösen keinen aus.</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>It holds characters that the Windows code page lacks.</source>
        <translation>Er enthält Zeichen, die der Windows-Codepage fehlen.</translation>
    </message>
    <message>
        <source>A regular expression.</source>
        <translation>Ein regulärer Ausdruck.</translation>
    </message>
    <message>
        <source>Words separated by commas: any of them.</source>
        <translation>Wörter, durch Kommas getrennt: jedes davon.</translation>
    </message>
    <message>
        <source>A valid regular expression.</source>
        <translation>Ein gültiger regulärer Ausdruck.</translation>
    </message>
    <message>
        <source>Any of these words (separated by commas) raises it.</source>
        <translation>Jedes dieser Wörter (durch Kommas getrennt) löst ihn aus.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Enter the callsigns of the stations to watch for.</source>
        <translation>Geben Sie die Rufzeichen der zu beobachtenden Stationen ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a callsign: letters and digits, optionally followed by - and an SSID of 0 to 15.</source>
        <translation>„%1“ ist kein Rufzeichen: Buchstaben und Ziffern, wahlweise gefolgt von - und einer SSID von 0 bis 15.</translation>
    </message>
    <message>
        <source>The pattern holds characters that the Windows code page lacks.</source>
        <translation>Das Muster enthält Zeichen, die der Windows-Codepage fehlen.</translation>
    </message>
    <message>
        <source>A console &amp;line contains:</source>
        <translation>&amp;Konsolenzeile mit diesem Text:</translation>
    </message>
</context>
<context>
    <name>brxw::CBrxWeditDoc</name>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Send message</source>
        <translation>Nachricht senden</translation>
    </message>
    <message>
        <source>Upload document</source>
        <translation>Dokument hochladen</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 is too large to edit.</source>
        <translation>%1 ist zu groß zum Bearbeiten.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Unexpected end of file while reading %1.</source>
        <translation>Unerwartetes Dateiende beim Lesen von %1.</translation>
    </message>
    <message>
        <source>%1 No diagnostic dump is written.</source>
        <translation>%1 Es wird kein Diagnose-Dump geschrieben.</translation>
    </message>
    <message>
        <source>%1 The text you were editing stays in the editor; %2, which arrived, was not opened.</source>
        <translation>%1 Der bearbeitete Text bleibt im Editor; das eingetroffene %2 wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source> The message was not sent.</source>
        <translation> Die Nachricht wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>The message was not sent: not connected, or the connection that asked for it was lost.</source>
        <translation>Die Nachricht wurde nicht gesendet: keine Verbindung, oder die Verbindung, die sie angefordert hat, ist abgebrochen.</translation>
    </message>
    <message>
        <source> The document was not uploaded.</source>
        <translation> Das Dokument wurde nicht hochgeladen.</translation>
    </message>
    <message>
        <source>This document was not fetched from the BBS, so there is no file there to replace: nothing was uploaded. The text is kept in %1.</source>
        <translation>Dieses Dokument stammt nicht von der BBS, dort gibt es also keine Datei zu ersetzen: es wurde nichts hochgeladen. Der Text bleibt in %1 erhalten.</translation>
    </message>
    <message>
        <source>Not connected to the session that %1 was fetched from: nothing was uploaded. The text is kept in %2.</source>
        <translation>Keine Verbindung zu der Sitzung, aus der %1 stammt: es wurde nichts hochgeladen. Der Text bleibt in %2 erhalten.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>%1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>%1 It was sent, but no copy of it is kept.</source>
        <translation>%1 Der Text wurde gesendet, aber keine Kopie davon aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>brxw::CCharsetPage</name>
    <message>
        <source>United States</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>Western Europe</source>
        <translation>Westeuropa</translation>
    </message>
    <message>
        <source>Central Europe</source>
        <translation>Mitteleuropa</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <source>With &quot;DOS charset&quot; chosen in Settings, the server&apos;s text is read in the DOS code page and shown in the Windows code page. With &quot;ANSI charset&quot; it is read and shown in the Windows code page.</source>
        <translation>Mit „DOS-Zeichensatz“ in den Einstellungen wird der Text des Servers in der DOS-Codepage gelesen und in der Windows-Codepage angezeigt. Mit „ANSI-Zeichensatz“ wird er in der Windows-Codepage gelesen und angezeigt.</translation>
    </message>
    <message>
        <source>Connection &amp;profile:</source>
        <translation>Verbindungs&amp;profil:</translation>
    </message>
    <message>
        <source>&amp;DOS code page:</source>
        <translation>&amp;DOS-Codepage:</translation>
    </message>
    <message>
        <source>&amp;Windows code page:</source>
        <translation>&amp;Windows-Codepage:</translation>
    </message>
    <message>
        <source>Server&apos;s text:</source>
        <translation>Text des Servers:</translation>
    </message>
    <message>
        <source>Its letters:</source>
        <translation>Seine Buchstaben:</translation>
    </message>
    <message>
        <source>code page %1 (%2 charset chosen in Settings)</source>
        <translation>Codepage %1 (%2-Zeichensatz in den Einstellungen gewählt)</translation>
    </message>
    <message>
        <source>(%1 of them the Windows code page lacks: shown as look-alikes)</source>
        <translation>(%1 davon fehlen der Windows-Codepage: als ähnliche Zeichen gezeigt)</translation>
    </message>
</context>
<context>
    <name>brxw::CColoursPage</name>
    <message>
        <source>Colour code 0 (navy): console text</source>
        <translation>Farbcode 0 (marineblau): Konsolentext</translation>
    </message>
    <message>
        <source>Colour code 1 (maroon)</source>
        <translation>Farbcode 1 (kastanienbraun)</translation>
    </message>
    <message>
        <source>Colour code 2 and 3 (green): [ -- Channel changed to 3 -- ]</source>
        <translation>Farbcode 2 und 3 (grün): [ -- Wechsel auf Kanal 3 -- ]</translation>
    </message>
    <message>
        <source>Colour code 4 (blue)</source>
        <translation>Farbcode 4 (blau)</translation>
    </message>
    <message>
        <source>Colour code 5 (teal)</source>
        <translation>Farbcode 5 (blaugrün)</translation>
    </message>
    <message>
        <source>Colour code 6 (yellow)</source>
        <translation>Farbcode 6 (gelb)</translation>
    </message>
    <message>
        <source>Colour code 7 (black)</source>
        <translation>Farbcode 7 (schwarz)</translation>
    </message>
    <message>
        <source>Colour code 9 (olive)</source>
        <translation>Farbcode 9 (oliv)</translation>
    </message>
    <message>
        <source>Any other code (white)</source>
        <translation>Jeder andere Code (weiß)</translation>
    </message>
    <message>
        <source>A command you typed, echoed</source>
        <translation>Ein eingegebener Befehl, als Echo</translation>
    </message>
    <message>
        <source>Why the link went down</source>
        <translation>Warum die Verbindung abbrach</translation>
    </message>
    <message>
        <source>Sample of the colours</source>
        <translation>Farbmuster</translation>
    </message>
    <message>
        <source>Selected text</source>
        <translation>Markierter Text</translation>
    </message>
    <message>
        <source>Colour scheme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>&amp;High contrast (light)</source>
        <translation>&amp;Hoher Kontrast (hell)</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dunkel</translation>
    </message>
    <message>
        <source>Classic shows the traffic in the server&apos;s own colours on white. The other two give every colour at least 4.5:1 contrast against its background, and colour the station list, the counters and the program&apos;s windows to match.</source>
        <translation>Klassisch zeigt den Verkehr in den eigenen Farben des Servers auf Weiß. Die beiden anderen geben jeder Farbe mindestens 4,5:1 Kontrast zu ihrem Hintergrund und färben die Stationsliste, die Zähler und die Fenster des Programms passend ein.</translation>
    </message>
    <message>
        <source>Text windows</source>
        <translation>Textfenster</translation>
    </message>
    <message>
        <source>C&amp;lassic</source>
        <translation>&amp;Klassisch</translation>
    </message>
</context>
<context>
    <name>brxw::CConnectionLogDlg</name>
    <message>
        <source>Connection log</source>
        <translation>Verbindungsprotokoll</translation>
    </message>
    <message>
        <source>Connection log entries</source>
        <translation>Einträge des Verbindungsprotokolls</translation>
    </message>
</context>
<context>
    <name>brxw::CConsoleDlg</name>
    <message>
        <source>Console</source>
        <translation>Konsole</translation>
    </message>
    <message>
        <source>Console input</source>
        <translation>Konsoleneingabe</translation>
    </message>
</context>
<context>
    <name>brxw::CControlPanel</name>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>The configuration could not be written. %1</source>
        <translation>Die Konfiguration konnte nicht geschrieben werden. %1</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The user guide was not found. It was looked for in:
%1</source>
        <translation>Das Handbuch wurde nicht gefunden. Gesucht wurde in:
%1</translation>
    </message>
    <message>
        <source>The user guide %1 could not be opened: the desktop has no browser or viewer for it. Open it in a browser yourself.</source>
        <translation>Das Handbuch %1 konnte nicht geöffnet werden: Die Arbeitsumgebung hat keinen Browser oder Betrachter dafür. Öffnen Sie es selbst in einem Browser.</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Console	F2</source>
        <translation>&amp;Konsole	F2</translation>
    </message>
    <message>
        <source>&amp;Monitoring	F5</source>
        <translation>&amp;Monitor	F5</translation>
    </message>
    <message>
        <source>&amp;All channels	F6</source>
        <translation>&amp;Alle Kanäle	F6</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>Remote &amp;%1</source>
        <translation>Remote &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>Connection &amp;log</source>
        <translation>Verbindungs&amp;protokoll</translation>
    </message>
    <message>
        <source>C&amp;onfig</source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Voreinstellungen...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Copyright</source>
        <translation>&amp;Copyright</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>%1, key %2</source>
        <translation>%1, Taste %2</translation>
    </message>
    <message>
        <source>Character set</source>
        <translation>Zeichensatz</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Protokollierung</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>&amp;One channel</source>
        <translation>&amp;Einzelkanal</translation>
    </message>
    <message>
        <source>&amp;Immediate disconnect</source>
        <translation>&amp;Sofort trennen</translation>
    </message>
    <message>
        <source>Disconnect %1 ?</source>
        <translation>%1 trennen?</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>&amp;Exit	Alt+F4</source>
        <translation>&amp;Beenden	Alt+F4</translation>
    </message>
</context>
<context>
    <name>brxw::CCopyrightDlg</name>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>brxW © 2026 the brxW authors.</source>
        <translation>brxW © 2026 die Autoren von brxW.</translation>
    </message>
    <message>
        <source>brxW is free software: you may use it for any purpose, study and change it, and pass it on, changed or not, under the terms of the GNU General Public License as published by the Free Software Foundation, version 3 of the License or (at your choice) any later version. Whoever passes it on must pass on its source code under the same terms.</source>
        <translation>brxW ist freie Software: Sie dürfen sie für jeden Zweck nutzen, untersuchen und ändern und sie verändert oder unverändert weitergeben, unter den Bedingungen der GNU General Public License, wie von der Free Software Foundation veröffentlicht, Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren Version. Wer sie weitergibt, muss ihren Quelltext unter denselben Bedingungen weitergeben.</translation>
    </message>
    <message>
        <source>brxW comes with no warranty at all, not even that it is fit for sale or for a particular purpose. The full licence is in /usr/share/common-licenses/GPL-3 on Debian, and at https://www.gnu.org/licenses/.</source>
        <translation>brxW wird ohne jede Gewährleistung geliefert, nicht einmal der Marktreife oder der Eignung für einen bestimmten Zweck. Der vollständige Lizenztext steht unter Debian in /usr/share/common-licenses/GPL-3 und unter https://www.gnu.org/licenses/.</translation>
    </message>
</context>
<context>
    <name>brxw::CFindBar</name>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Highlight all</source>
        <translation>Alle hervorheben</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Gesuchter Text</translation>
    </message>
    <message>
        <source>Next match (Enter, F3)</source>
        <translation>Nächster Treffer (Enter, F3)</translation>
    </message>
    <message>
        <source>Previous match (Shift+Enter, Shift+F3)</source>
        <translation>Vorheriger Treffer (Umschalt+Enter, Umschalt+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>Close find bar</source>
        <translation>Suchleiste schließen</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Wrapped</source>
        <extracomment>The search passed the newest line and went on from the oldest, or the other way round (Previous): the same text for both.</extracomment>
        <translation>Am anderen Ende fortgesetzt</translation>
    </message>
</context>
<context>
    <name>brxw::CLoggingPage</name>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>The &amp;window&apos;s character set</source>
        <translation>&amp;Zeichensatz des Fensters</translation>
    </message>
    <message>
        <source>&amp;UTF-8</source>
        <translation>&amp;UTF-8</translation>
    </message>
    <message>
        <source>Log to file</source>
        <translation>In Datei protokollieren</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>O&amp;rdner:</translation>
    </message>
    <message>
        <source>One file per window and day, named after the profile, the window and the date, such as %1.
Each line begins with the time it arrived.</source>
        <translation>Eine Datei je Fenster und Tag, benannt nach Profil, Fenster und Datum, etwa %1.
Jede Zeile beginnt mit der Uhrzeit ihres Eintreffens.</translation>
    </message>
    <message>
        <source>Character set of the files:</source>
        <translation>Zeichensatz der Dateien:</translation>
    </message>
    <message>
        <source>Log folder</source>
        <translation>Protokollordner</translation>
    </message>
    <message>
        <source>Please give the folder&apos;s whole path, such as %1.</source>
        <translation>Bitte geben Sie den vollständigen Pfad des Ordners an, etwa %1.</translation>
    </message>
    <message>
        <source>The folder&apos;s name has characters that BrxW.ini cannot keep. Please choose another folder.</source>
        <translation>Der Name des Ordners enthält Zeichen, die BrxW.ini nicht speichern kann. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>The folder&apos;s name is too long: BrxW.ini keeps at most %1 characters.</source>
        <translation>Der Name des Ordners ist zu lang: BrxW.ini speichert höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Files cannot be written in the folder %1: %2.</source>
        <translation>Im Ordner %1 können keine Dateien geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Voreinstellungen</translation>
    </message>
</context>
<context>
    <name>brxw::CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>MAJ</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>DEF</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Strg+S</translation>
    </message>
    <message>
        <source>Saves the document</source>
        <translation>Speichert das Dokument</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message>
        <source>Prints the document</source>
        <translation>Druckt das Dokument</translation>
    </message>
    <message>
        <source>Print pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Shows the document as it will be printed</source>
        <translation>Zeigt das Dokument so, wie es gedruckt wird</translation>
    </message>
    <message>
        <source>Print se&amp;tup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Changes the printer and the page</source>
        <translation>Ändert den Drucker und die Seite</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Hands the document back and closes the editor</source>
        <translation>Gibt das Dokument zurück und schließt den Editor</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Creates a new document</source>
        <translation>Legt ein neues Dokument an</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Opens an existing document</source>
        <translation>Öffnet ein vorhandenes Dokument</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Strg+Z</translation>
    </message>
    <message>
        <source>Undoes the last action</source>
        <translation>Macht die letzte Aktion rückgängig</translation>
    </message>
    <message>
        <source>&amp;Cut	Ctrl+X</source>
        <translation>&amp;Ausschneiden	Strg+X</translation>
    </message>
    <message>
        <source>Cuts the selection and puts it on the clipboard</source>
        <translation>Schneidet die Auswahl aus und legt sie in die Zwischenablage</translation>
    </message>
    <message>
        <source>C&amp;opy	Ctrl+C</source>
        <translation>&amp;Kopieren	Strg+C</translation>
    </message>
    <message>
        <source>Copies the selection to the clipboard</source>
        <translation>Kopiert die Auswahl in die Zwischenablage</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Einfügen	Strg+V</translation>
    </message>
    <message>
        <source>Inserts the clipboard&apos;s contents</source>
        <translation>Fügt den Inhalt der Zwischenablage ein</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Shows or hides the toolbar</source>
        <translation>Zeigt oder verbirgt die Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Shows or hides the status bar</source>
        <translation>Zeigt oder verbirgt die Statusleiste</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>A new file arrived while you were editing. The text you were editing is kept in
%1</source>
        <translation>Während der Bearbeitung ist eine neue Datei eingetroffen. Der bearbeitete Text bleibt erhalten in
%1</translation>
    </message>
    <message>
        <source>When brxW last ended, the text you were editing could not be kept.</source>
        <translation>Beim letzten Beenden von brxW konnte der bearbeitete Text nicht aufbewahrt werden.</translation>
    </message>
    <message>
        <source>When brxW last ended, the text you were editing was kept in
%1</source>
        <translation>Beim letzten Beenden von brxW blieb der bearbeitete Text erhalten in
%1</translation>
    </message>
</context>
<context>
    <name>brxw::CPactorMenu</name>
    <message>
        <source>&amp;Pactor</source>
        <translation>&amp;Pactor</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Empfangen</translation>
    </message>
</context>
<context>
    <name>brxw::CPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Preference pages</source>
        <translation>Seiten der Voreinstellungen</translation>
    </message>
</context>
<context>
    <name>brxw::CScrolledBackBar</name>
    <message>
        <source>Scrolled back</source>
        <translation>Zurückgeblättert</translation>
    </message>
    <message>
        <source>End returns to the newest line</source>
        <translation>Ende kehrt zur neuesten Zeile zurück</translation>
    </message>
    <message>
        <source>Back to the newest line</source>
        <translation>Zurück zur neuesten Zeile</translation>
    </message>
    <message>
        <source>1 new line</source>
        <translation>1 neue Zeile</translation>
    </message>
    <message>
        <source>%1 new lines</source>
        <translation>%1 neue Zeilen</translation>
    </message>
    <message>
        <source>End to return</source>
        <translation>mit Ende zurück</translation>
    </message>
</context>
<context>
    <name>brxw::CSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>ANSI charset</source>
        <translation>ANSI-Zeichensatz</translation>
    </message>
    <message>
        <source>DOS charset</source>
        <translation>DOS-Zeichensatz</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Message text editor</source>
        <translation>Nachrichteneditor</translation>
    </message>
    <message>
        <source>Break long lines</source>
        <translation>Lange Zeilen umbrechen</translation>
    </message>
    <message>
        <source>Prefix replies with &gt;</source>
        <translation>Antworten mit &gt; einleiten</translation>
    </message>
    <message>
        <source>Justify lines</source>
        <translation>Zeilen im Blocksatz</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signatur</translation>
    </message>
    <message>
        <source>Signature text</source>
        <translation>Text der Signatur</translation>
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
        <source>The signature cannot be stored as typed: BrxW.ini holds only the Windows character set, without %1.</source>
        <translation>Die Signatur kann nicht wie eingegeben gespeichert werden: BrxW.ini fasst nur den Windows-Zeichensatz, ohne %1.</translation>
    </message>
    <message>
        <source>The signature cannot be stored as typed: BrxW.ini stores each line break as \r, so the \r in the signature would come back as a line break. Write it another way, for example with a blank between \ and r.</source>
        <translation>Die Signatur kann nicht wie eingegeben gespeichert werden: BrxW.ini speichert jeden Zeilenumbruch als \r, also käme das \r der Signatur als Zeilenumbruch zurück. Schreiben Sie es anders, etwa mit einem Leerzeichen zwischen \ und r.</translation>
    </message>
    <message>
        <source>The signature is too long: BrxW.ini gives back 79 characters of it, each line break counting as two. Shorten it by %1 characters.</source>
        <translation>Die Signatur ist zu lang: BrxW.ini gibt 79 Zeichen davon zurück, jeder Zeilenumbruch zählt doppelt. Kürzen Sie sie um %1 Zeichen.</translation>
    </message>
</context>
<context>
    <name>brxw::CSetupDlg</name>
    <message>
        <source>This text cannot be stored: it holds a line break or a NUL character.</source>
        <translation>Dieser Text kann nicht gespeichert werden: Er enthält einen Zeilenumbruch oder ein NUL-Zeichen.</translation>
    </message>
    <message>
        <source>A password that begins or ends with a blank or a quote can have no more than %d characters.</source>
        <translation>Ein Passwort, das mit einem Leerzeichen oder Anführungszeichen beginnt oder endet, darf höchstens %d Zeichen haben.</translation>
    </message>
    <message>
        <source>Please enter no more than %zu characters.</source>
        <translation>Bitte geben Sie höchstens %zu Zeichen ein.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %d and %d.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %d und %d ein.</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Configuration name</source>
        <translation>Name der Konfiguration</translation>
    </message>
    <message>
        <source>Host name or address</source>
        <translation>Hostname oder Adresse</translation>
    </message>
    <message>
        <source>Port (default 3286)</source>
        <translation>Port (Vorgabe 3286)</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>none: direct connection</source>
        <translation>keiner: direkte Verbindung</translation>
    </message>
    <message>
        <source>SSH tunnel via [user@]host[:port]</source>
        <translation>SSH-Tunnel über [user@]host[:port]</translation>
    </message>
    <message>
        <source>Autorun connection</source>
        <translation>Automatisch verbinden</translation>
    </message>
    <message>
        <source>Keep the password in the desktop&apos;s keyring</source>
        <translation>Passwort im Schlüsselbund des Desktops aufbewahren</translation>
    </message>
    <message>
        <source>kept in the keyring; type to change</source>
        <translation>im Schlüsselbund; zum Ändern eintippen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>This brxW was built without the desktop&apos;s keyring.</source>
        <translation>Dieses brxW wurde ohne Unterstützung für den Schlüsselbund des Desktops erstellt.</translation>
    </message>
    <message>
        <source>A host name or address cannot hold a blank.</source>
        <translation>Ein Hostname oder eine Adresse darf kein Leerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>brxw::CStationListView</name>
    <message>
        <source>Connected stations</source>
        <translation>Verbundene Stationen</translation>
    </message>
</context>
<context>
    <name>brxw::CTextWnd</name>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Scroll through the lines</source>
        <translation>Durch die Zeilen blättern</translation>
    </message>
    <message>
        <source>Scroll sideways</source>
        <translation>Seitlich blättern</translation>
    </message>
    <message>
        <source>Copy selection	Ctrl+C</source>
        <translation>Auswahl kopieren	Strg+C</translation>
    </message>
    <message>
        <source>Copies selected text to the clipboard</source>
        <translation>Kopiert den markierten Text in die Zwischenablage</translation>
    </message>
    <message>
        <source>Print selection	Ctrl+P</source>
        <translation>Auswahl drucken	Strg+P</translation>
    </message>
    <message>
        <source>Sends the selected text to the default printer</source>
        <translation>Sendet den markierten Text an den Standarddrucker</translation>
    </message>
    <message>
        <source>Select All	Ctrl+A</source>
        <translation>Alles markieren	Strg+A</translation>
    </message>
    <message>
        <source>Selects the whole buffer</source>
        <translation>Markiert den ganzen Puffer</translation>
    </message>
    <message>
        <source>Log to file</source>
        <translation>In Datei protokollieren</translation>
    </message>
    <message>
        <source>Writes every line of this window to a daily file</source>
        <translation>Schreibt jede Zeile dieses Fensters in eine Tagesdatei</translation>
    </message>
    <message>
        <source>Received text. F9 reviews it line by line.</source>
        <translation>Empfangener Text. F9 geht ihn Zeile für Zeile durch.</translation>
    </message>
</context>
<context>
    <name>brxw::CTrafficDlg</name>
    <message>
        <source>All channels</source>
        <translation>Alle Kanäle</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
</context>
<context>
    <name>brxw::ChannelRouter</name>
    <message>
        <source>[ -- Channel changed to %d -- ]
</source>
        <translation>[ -- Wechsel auf Kanal %d -- ]
</translation>
    </message>
</context>
<context>
    <name>brxw::CommandPrompt</name>
    <message>
        <source>Terminate brxW</source>
        <translation>brxW beenden</translation>
    </message>
    <message>
        <source>Console connection
Console connection</source>
        <translation>Konsolenverbindung
Konsolenverbindung</translation>
    </message>
    <message>
        <source>Ports monitoring
Ports monitoring</source>
        <translation>Port-Monitor
Port-Monitor</translation>
    </message>
    <message>
        <source>All channels monitoring
All channels monitoring</source>
        <translation>Monitor aller Kanäle
Monitor aller Kanäle</translation>
    </message>
    <message>
        <source>One channel monitoring
Channel monitoring</source>
        <translation>Einzelkanal-Monitor
Kanalmonitor</translation>
    </message>
    <message>
        <source>Disconnect channel
Disconnect</source>
        <translation>Kanal trennen
Trennen</translation>
    </message>
    <message>
        <source>Immediate disconnect
Immediate disconnect</source>
        <translation>Sofort trennen
Sofort trennen</translation>
    </message>
    <message>
        <source>Edit message properties
Message properties</source>
        <translation>Nachrichteneigenschaften bearbeiten
Nachrichteneigenschaften</translation>
    </message>
    <message>
        <source>Edit user properties
User properties</source>
        <translation>Benutzereigenschaften bearbeiten
Benutzereigenschaften</translation>
    </message>
    <message>
        <source>Pending forward
Pending forward</source>
        <translation>Ausstehender Forward
Ausstehender Forward</translation>
    </message>
    <message>
        <source>Open configuration file
Open file</source>
        <translation>Konfigurationsdatei öffnen
Datei öffnen</translation>
    </message>
    <message>
        <source>Pactor scan
Pactor scan</source>
        <translation>Pactor-Scan
Pactor-Scan</translation>
    </message>
    <message>
        <source>Pactor receive
Pactor receive</source>
        <translation>Pactor-Empfang
Pactor-Empfang</translation>
    </message>
    <message>
        <source>Pactor send
Pactor send</source>
        <translation>Pactor-Senden
Pactor-Senden</translation>
    </message>
    <message>
        <source>Connect &quot;Remote 0&quot;</source>
        <translation>Mit „Remote 0“ verbinden</translation>
    </message>
    <message>
        <source>Connect &quot;Remote 1&quot;</source>
        <translation>Mit „Remote 1“ verbinden</translation>
    </message>
    <message>
        <source>Connect &quot;Remote 2&quot;</source>
        <translation>Mit „Remote 2“ verbinden</translation>
    </message>
    <message>
        <source>Connect &quot;Remote 3&quot;</source>
        <translation>Mit „Remote 3“ verbinden</translation>
    </message>
    <message>
        <source>Close the connection</source>
        <translation>Verbindung schließen</translation>
    </message>
    <message>
        <source>Show when the link came up and why it went down</source>
        <translation>Zeigt, wann die Verbindung zustande kam und warum sie endete</translation>
    </message>
    <message>
        <source>Character sets, logging to files, alerts and colours</source>
        <translation>Zeichensätze, Protokolldateien, Alarme und Farben</translation>
    </message>
    <message>
        <source>Open the sysop&apos;s guide in the browser</source>
        <translation>Sysop-Handbuch im Browser öffnen</translation>
    </message>
    <message>
        <source>Configure &quot;Remote 0&quot;</source>
        <translation>„Remote 0“ einrichten</translation>
    </message>
    <message>
        <source>Configure &quot;Remote 1&quot;</source>
        <translation>„Remote 1“ einrichten</translation>
    </message>
    <message>
        <source>Configure &quot;Remote 2&quot;</source>
        <translation>„Remote 2“ einrichten</translation>
    </message>
    <message>
        <source>Configure &quot;Remote 3&quot;</source>
        <translation>„Remote 3“ einrichten</translation>
    </message>
</context>
<context>
    <name>brxw::ConnectionLog</name>
    <message>
        <source>Logged in</source>
        <translation>Angemeldet</translation>
    </message>
    <message>
        <source>Cannot connect</source>
        <translation>Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Link down</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>logged in</source>
        <translation>angemeldet</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>der Server hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>the connection failed: %s</source>
        <translation>die Verbindung ist abgebrochen: %s</translation>
    </message>
    <message>
        <source>no data could be sent: the send timed out</source>
        <translation>es konnten keine Daten gesendet werden: Zeitüberschreitung beim Senden</translation>
    </message>
    <message>
        <source>sending failed: %s</source>
        <translation>das Senden ist fehlgeschlagen: %s</translation>
    </message>
    <message>
        <source>the server announced a frame of %d bytes (at most 1020): the stream cannot be followed</source>
        <translation>der Server hat einen Rahmen von %d Bytes angekündigt (höchstens 1020): dem Datenstrom kann nicht gefolgt werden</translation>
    </message>
    <message>
        <source>the connection was refused</source>
        <translation>die Verbindung wurde abgelehnt</translation>
    </message>
    <message>
        <source>the connection could not be made: %s</source>
        <translation>die Verbindung konnte nicht hergestellt werden: %s</translation>
    </message>
    <message>
        <source>the host was not found</source>
        <translation>der Host wurde nicht gefunden</translation>
    </message>
    <message>
        <source>the host could not be looked up: %s</source>
        <translation>der Host konnte nicht aufgelöst werden: %s</translation>
    </message>
    <message>
        <source>the server refused the login (it closed the connection before sending anything)</source>
        <translation>der Server hat die Anmeldung abgelehnt (er schloss die Verbindung, bevor er etwas sendete)</translation>
    </message>
    <message>
        <source>disconnected by the operator</source>
        <translation>manuell getrennt</translation>
    </message>
    <message>
        <source>the SSH tunnel could not be opened: %s</source>
        <translation>der SSH-Tunnel konnte nicht geöffnet werden: %s</translation>
    </message>
    <message>
        <source>Disconnected by the operator</source>
        <translation>Manuell getrennt</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message>
        <source>the SSH server could not reach the BBS: %s</source>
        <translation>der SSH-Server erreicht die Box nicht: %s</translation>
    </message>
    <message>
        <source>the SSH tunnel ended: %s</source>
        <translation>der SSH-Tunnel wurde beendet: %s</translation>
    </message>
</context>
<context>
    <name>brxw::ConnectionLogModel</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
</context>
<context>
    <name>brxw::Counters</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Used mem :	%s</source>
        <translation>Speicher belegt:	%s</translation>
    </message>
    <message>
        <source>Data mem :	%s</source>
        <translation>Datenspeicher:	%s</translation>
    </message>
    <message>
        <source>Disk free :	%s</source>
        <translation>Platte frei:	%s</translation>
    </message>
    <message>
        <source>Total msgs :	%d</source>
        <translation>Gesamt:	%d</translation>
    </message>
    <message>
        <source>Held msgs :	%d</source>
        <translation>Zurückgehalten:	%d</translation>
    </message>
    <message>
        <source>Priv msgs :	%d</source>
        <translation>Privat:	%d</translation>
    </message>
    <message>
        <source>Used mem :</source>
        <translation>Speicher belegt:</translation>
    </message>
    <message>
        <source>Data mem :</source>
        <translation>Datenspeicher:</translation>
    </message>
    <message>
        <source>Disk free :</source>
        <translation>Platte frei:</translation>
    </message>
    <message>
        <source>Total msgs :</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Held msgs :</source>
        <translation>Zurückgehalten:</translation>
    </message>
    <message>
        <source>Priv msgs :</source>
        <translation>Privat:</translation>
    </message>
</context>
<context>
    <name>brxw::Dispatcher</name>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Remote console is already connected</source>
        <translation>Die Fernkonsole ist bereits verbunden</translation>
    </message>
</context>
<context>
    <name>brxw::IniStore</name>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>die Datei ist nicht lesbar (%1)</translation>
    </message>
    <message>
        <source>the value of %1 cannot be stored in one line</source>
        <translation>der Wert von %1 passt nicht in eine Zeile</translation>
    </message>
</context>
<context>
    <name>brxw::KeyringSetup</name>
    <message>
        <source>The changes could not be written to %1.</source>
        <translation>Die Änderungen konnten nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>The password stays in %1: the keyring did not take it (%2).</source>
        <translation>Das Passwort bleibt in %1: Der Schlüsselbund hat es nicht angenommen (%2).</translation>
    </message>
    <message>
        <source>The password is back in BrxW.ini, but the keyring kept its copy (%1).</source>
        <translation>Das Passwort steht wieder in BrxW.ini, aber der Schlüsselbund hat seine Kopie behalten (%1).</translation>
    </message>
    <message>
        <source>The password stays in the keyring: it could not be read (%1).</source>
        <translation>Das Passwort bleibt im Schlüsselbund: Es konnte nicht gelesen werden (%1).</translation>
    </message>
</context>
<context>
    <name>brxw::KeyringStore</name>
    <message>
        <source>No desktop session bus: no keyring can be reached.</source>
        <translation>Kein Sitzungsbus des Desktops: Kein Schlüsselbund erreichbar.</translation>
    </message>
    <message>
        <source>The session bus does not answer.</source>
        <translation>Der Sitzungsbus antwortet nicht.</translation>
    </message>
    <message>
        <source>No keyring service (Secret Service) runs on the session bus.</source>
        <translation>Auf dem Sitzungsbus läuft kein Schlüsselbunddienst (Secret Service).</translation>
    </message>
    <message>
        <source>The keyring is locked, and it was not unlocked.</source>
        <translation>Der Schlüsselbund ist gesperrt und wurde nicht entsperrt.</translation>
    </message>
    <message>
        <source>The keyring holds no password for this profile.</source>
        <translation>Der Schlüsselbund enthält kein Passwort für dieses Profil.</translation>
    </message>
</context>
<context>
    <name>brxw::Main</name>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Die Initialisierung von Windows Sockets ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>Prozess %1</translation>
    </message>
    <message>
        <source>another process</source>
        <translation>einem anderen Prozess</translation>
    </message>
    <message>
        <source>brxW already runs with %1 (%2); its window is brought forward.
</source>
        <translation>brxW läuft bereits mit %1 (%2); sein Fenster wird nach vorn geholt.
</translation>
    </message>
    <message>
        <source>brxW already runs with %1 (%2), and two programs on one BrxW.ini would overwrite each other&apos;s settings. Use that program, or start this one with --ini and another file.

If no brxW runs, remove %3.</source>
        <translation>brxW läuft bereits mit %1 (%2), und zwei Programme mit derselben BrxW.ini würden sich gegenseitig die Einstellungen überschreiben. Verwenden Sie das laufende brxW, oder starten Sie dieses hier mit --ini und einer anderen Datei.

Falls kein brxW läuft, löschen Sie %3.</translation>
    </message>
    <message>
        <source>brxW already runs with %1 (%2); its window is brought forward and connects %3.
</source>
        <translation>brxW läuft bereits mit %1 (%2); sein Fenster wird nach vorn geholt und verbindet %3.
</translation>
    </message>
    <message>
        <source>brxW already runs with %1 (%2); its window is brought forward, but it does not connect %3 while one of its dialogs is open. Close the dialog and choose %3 in its Connect menu.
</source>
        <translation>brxW läuft bereits mit %1 (%2); sein Fenster wird nach vorn geholt, verbindet %3 aber nicht, solange einer seiner Dialoge offen ist. Schließen Sie den Dialog und wählen Sie %3 in seinem Menü Verbinden.
</translation>
    </message>
    <message>
        <source>BrxW.ini copied from %1 to %2; the original is unchanged.</source>
        <translation>BrxW.ini wurde von %1 nach %2 kopiert; das Original bleibt unverändert.</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3.</source>
        <translation>%1 kann nicht nach %2 kopiert werden: %3.</translation>
    </message>
</context>
<context>
    <name>brxw::Screenshots</name>
    <message>
        <source>Hello Anna,

yes, I will be there on Saturday, and I will bring the antenna for the club station.

73, Q0QQQ
</source>
        <translation>Hallo Anna,

ja, ich komme am Samstag und bringe die Antenne für die Clubstation mit.

73, Q0QQQ
</translation>
    </message>
</context>
<context>
    <name>brxw::SocketErrors</name>
    <message>
        <source>Interrupted system call</source>
        <translation>Unterbrochener Systemaufruf</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>Ungültige Dateinummer</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Ungültige Adresse</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>Operation would block</source>
        <translation>Die Operation würde blockieren</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>Die Operation ist jetzt im Gange</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>Die Operation ist bereits im Gange</translation>
    </message>
    <message>
        <source>Socket operation on non-socket</source>
        <translation>Socket-Operation auf einem Nicht-Socket</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>Zieladresse erforderlich</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>Nachricht zu lang</translation>
    </message>
    <message>
        <source>Protocol is wrong type for socket</source>
        <translation>Falscher Protokolltyp für den Socket</translation>
    </message>
    <message>
        <source>Bad protocol option</source>
        <translation>Ungültige Protokolloption</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>Protokoll nicht unterstützt</translation>
    </message>
    <message>
        <source>Socket type not supported</source>
        <translation>Socket-Typ nicht unterstützt</translation>
    </message>
    <message>
        <source>Operation not supported on socket</source>
        <translation>Operation auf dem Socket nicht unterstützt</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>Protokollfamilie nicht unterstützt</translation>
    </message>
    <message>
        <source>Address family not supported by protocol family</source>
        <translation>Adressfamilie von der Protokollfamilie nicht unterstützt</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>Adresse wird bereits verwendet</translation>
    </message>
    <message>
        <source>Can&apos;t assign requested address</source>
        <translation>Die angeforderte Adresse kann nicht zugewiesen werden</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>Das Netzwerk ist nicht verfügbar</translation>
    </message>
    <message>
        <source>ICMP network unreachable</source>
        <translation>ICMP: Netzwerk nicht erreichbar</translation>
    </message>
    <message>
        <source>Network was reset</source>
        <translation>Das Netzwerk wurde zurückgesetzt</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Verbindungsabbruch durch Software</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Verbindung von der Gegenstelle zurückgesetzt</translation>
    </message>
    <message>
        <source>No buffer space is supported</source>
        <translation>Kein Pufferspeicher verfügbar</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>Der Socket ist bereits verbunden</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>Der Socket ist nicht verbunden</translation>
    </message>
    <message>
        <source>Can&apos;t send after socket shutdown</source>
        <translation>Senden nach dem Schließen des Sockets nicht möglich</translation>
    </message>
    <message>
        <source>Too many references</source>
        <translation>Zu viele Verweise</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Links</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Name zu lang</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>Der Host ist nicht in Betrieb</translation>
    </message>
    <message>
        <source>Host is unreachable</source>
        <translation>Der Host ist nicht erreichbar</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Verzeichnis nicht leer</translation>
    </message>
    <message>
        <source>EPROCLIM lpszError =ed</source>
        <translation>EPROCLIM lpszError =ed</translation>
    </message>
    <message>
        <source>EUSERS lpszError =ed</source>
        <translation>EUSERS lpszError =ed</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Festplattenkontingent überschritten</translation>
    </message>
    <message>
        <source>ESTALE lpszError =ed</source>
        <translation>ESTALE lpszError =ed</translation>
    </message>
    <message>
        <source>The object is remote</source>
        <translation>Das Objekt ist nicht lokal</translation>
    </message>
    <message>
        <source>System not ready</source>
        <translation>System nicht bereit</translation>
    </message>
    <message>
        <source>Version is not supported</source>
        <translation>Version nicht unterstützt</translation>
    </message>
    <message>
        <source>Not initialized</source>
        <translation>Nicht initialisiert</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Non-recoverable error</source>
        <translation>Nicht behebbarer Fehler</translation>
    </message>
    <message>
        <source>No data record available</source>
        <translation>Kein Datensatz verfügbar</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>brxw::SshHost</name>
    <message>
        <source>Please enter the SSH host as [user@]host[:port]: letters, digits, &apos;.&apos;, &apos;_&apos; and &apos;-&apos; only, not beginning with &apos;-&apos;, and a port between 1 and 65535.</source>
        <translation>Bitte geben Sie den SSH-Host als [user@]host[:port] ein: nur Buchstaben, Ziffern, &apos;.&apos;, &apos;_&apos; und &apos;-&apos;, nicht mit &apos;-&apos; beginnend, und ein Port zwischen 1 und 65535.</translation>
    </message>
    <message>
        <source>The SSH host begins or ends with a blank: please remove it.</source>
        <translation>Der SSH-Host beginnt oder endet mit einem Leerzeichen: Bitte entfernen Sie es.</translation>
    </message>
</context>
<context>
    <name>brxw::SshTunnel</name>
    <message>
        <source>no free local port for the forward</source>
        <translation>kein freier lokaler Port für die Weiterleitung</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>%1 kann nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <source>ssh ended before the forward was open</source>
        <translation>ssh hat sich beendet, bevor die Weiterleitung offen war</translation>
    </message>
    <message>
        <source>ssh did not open the forward within %1 seconds</source>
        <translation>ssh hat die Weiterleitung nicht innerhalb von %1 Sekunden geöffnet</translation>
    </message>
    <message>
        <source>ssh was killed</source>
        <translation>ssh wurde abgebrochen</translation>
    </message>
    <message>
        <source>ssh ended with exit code %1</source>
        <translation>ssh hat sich mit dem Code %1 beendet</translation>
    </message>
</context>
<context>
    <name>brxw::StationList</name>
    <message>
        <source>needs attention</source>
        <translation>braucht Aufmerksamkeit</translation>
    </message>
    <message>
        <source>outgoing</source>
        <translation>ausgehend</translation>
    </message>
    <message>
        <source>Ch Callsign          Start   Time    Rt Buf C/Fwd</source>
        <translation>Ka Rufzeichen        Beginn  Zeit    Rt Buf C/Fwd</translation>
    </message>
    <message>
        <source>Channel %d : %s</source>
        <translation>Kanal %d: %s</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
</context>
<context>
    <name>brxw::TextPrint</name>
    <message>
        <source>brxW selection - %1</source>
        <translation>brxW-Auswahl - %1</translation>
    </message>
    <message>
        <source>dddd, MMMM dd, yyyy - HH:mm</source>
        <extracomment>The date and time in each page&apos;s footer, in Qt&apos;s date format (dddd: the day&apos;s name, MMMM: the month&apos;s, dd: day, yyyy: year, HH:mm: time).</extracomment>
        <translation>dddd, dd. MMMM yyyy - HH:mm</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>brxW selection</source>
        <translation>brxW-Auswahl</translation>
    </message>
</context>
<context>
    <name>brxw::UserFlags</name>
    <message>
        <source>Read all</source>
        <translation>Alles lesen</translation>
    </message>
    <message>
        <source>Paging</source>
        <translation>Seitenweise</translation>
    </message>
    <message>
        <source>BBS</source>
        <translation>BBS</translation>
    </message>
    <message>
        <source>PMS</source>
        <translation>PMS</translation>
    </message>
    <message>
        <source>Sysop</source>
        <translation>Sysop</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Excluded</source>
        <translation>Ausgeschlossen</translation>
    </message>
    <message>
        <source>Modem/Telnet</source>
        <translation>Modem/Telnet</translation>
    </message>
    <message>
        <source>Unprotoes</source>
        <translation>Unproto</translation>
    </message>
    <message>
        <source>Private Msgs</source>
        <translation>Privatnachrichten</translation>
    </message>
</context>
<context>
    <name>brxw::WindowLogs</name>
    <message>
        <source>Logging stopped: %1</source>
        <translation>Protokollierung beendet: %1</translation>
    </message>
    <message>
        <source>&amp;Monitoring</source>
        <translation>&amp;Monitor</translation>
    </message>
    <message>
        <source>&amp;All channels</source>
        <translation>A&amp;lle Kanäle</translation>
    </message>
    <message>
        <source>Con&amp;sole</source>
        <translation>&amp;Konsole</translation>
    </message>
    <message>
        <source>One c&amp;hannel</source>
        <translation>&amp;Einzelkanal</translation>
    </message>
</context>
<context>
    <name>brxw::admin::CInputDlg</name>
    <message>
        <source>&amp;Callsign :</source>
        <translation>&amp;Rufzeichen:</translation>
    </message>
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
    <name>brxw::admin::CMessagePropertiesDlg</name>
    <message>
        <source>&amp;Msg</source>
        <translation>&amp;Nachricht</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Daten</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>V&amp;on</translation>
    </message>
    <message>
        <source>S&amp;ent</source>
        <translation>&amp;Gesendet</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;An</translation>
    </message>
    <message>
        <source>&amp;Received</source>
        <translation>&amp;Empfangen</translation>
    </message>
    <message>
        <source>&amp;BID</source>
        <translation>&amp;BID</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>G&amp;röße</translation>
    </message>
    <message>
        <source>&amp;VIA</source>
        <translation>&amp;VIA</translation>
    </message>
    <message>
        <source>T&amp;itle</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>An&amp;wenden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>brxw::admin::CPendingForwardDlg</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>brxw::admin::CRemoteFilesDlg</name>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Directory :</source>
        <translation>Verzeichnis:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>brxw::admin::CUserPropertiesDlg</name>
    <message>
        <source>Users</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <source>&amp;ZIP code</source>
        <translation>Postleit&amp;zahl</translation>
    </message>
    <message>
        <source>Pri&amp;vate DIR</source>
        <translation>Privates &amp;Verzeichnis</translation>
    </message>
    <message>
        <source>&amp;Home BBS</source>
        <translation>&amp;Heimat-BBS</translation>
    </message>
    <message>
        <source>Add &amp;user</source>
        <translation>Benutzer &amp;anlegen</translation>
    </message>
    <message>
        <source>&amp;Del user</source>
        <translation>Benutzer &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>An&amp;wenden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>brxw::str</name>
    <message>
        <source>Resolving %s</source>
        <translation>%s wird aufgelöst</translation>
    </message>
    <message>
        <source>Connecting %s ...</source>
        <translation>Verbindung mit %s ...</translation>
    </message>
    <message>
        <source>Reading the password of %s from the keyring ...</source>
        <translation>Das Passwort von %s wird aus dem Schlüsselbund gelesen ...</translation>
    </message>
    <message>
        <source>Cannot read the password of %s from the keyring: %s</source>
        <translation>Das Passwort von %s kann nicht aus dem Schlüsselbund gelesen werden: %s</translation>
    </message>
    <message>
        <source>no keyring service is available</source>
        <translation>kein Schlüsselbunddienst verfügbar</translation>
    </message>
    <message>
        <source>Opening SSH tunnel to %s ...</source>
        <translation>SSH-Tunnel zu %s wird geöffnet ...</translation>
    </message>
    <message>
        <source>Cannot connect %s !</source>
        <translation>Keine Verbindung zu %s!</translation>
    </message>
    <message>
        <source>Sending options...</source>
        <translation>Optionen werden gesendet...</translation>
    </message>
    <message>
        <source>Authentication in progress ...</source>
        <translation>Authentifizierung läuft ...</translation>
    </message>
    <message>
        <source>Initializing ...</source>
        <translation>Initialisierung ...</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Will reconnect %s</source>
        <translation>Neue Verbindung mit %s</translation>
    </message>
    <message>
        <source>%s Connected station(s)</source>
        <translation>%s verbundene Station(en)</translation>
    </message>
    <message>
        <source>Running                                </source>
        <translation>Läuft                                  </translation>
    </message>
    <message>
        <source>brxW - not connected</source>
        <translation>brxW - nicht verbunden</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Error establishing connection</source>
        <translation>Fehler beim Aufbau der Verbindung</translation>
    </message>
    <message>
        <source>Error retrieving host information</source>
        <translation>Fehler beim Abrufen der Host-Informationen</translation>
    </message>
    <message>
        <source>Connection closed</source>
        <translation>Verbindung geschlossen</translation>
    </message>
    <message>
        <source>Cannot find %s in configuration</source>
        <translation>%s ist in der Konfiguration nicht zu finden</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Empfang</translation>
    </message>
    <message>
        <source>Cannot write the received file %s:
%s</source>
        <translation>Die empfangene Datei %s kann nicht geschrieben werden:
%s</translation>
    </message>
    <message>
        <source>%s in %d s</source>
        <translation>%s in %d s</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
</context>
</TS>
