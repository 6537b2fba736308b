<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>brxw::AdminText</name>
    <message>
        <source>Message properties</source>
        <translation>Propriétés du message</translation>
    </message>
    <message>
        <source>User properties</source>
        <translation>Propriétés de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Add user</source>
        <translation>Ajouter un utilisateur</translation>
    </message>
    <message>
        <source>Pending forward</source>
        <translation>Forward en attente</translation>
    </message>
    <message>
        <source>Remote files</source>
        <translation>Fichiers de la BBS</translation>
    </message>
    <message>
        <source>Callsign %s already exists</source>
        <translation>L&apos;indicatif %s existe déjà</translation>
    </message>
    <message>
        <source>No user is selected.</source>
        <translation>Aucun utilisateur sélectionné.</translation>
    </message>
    <message>
        <source>No message is selected.</source>
        <translation>Aucun message sélectionné.</translation>
    </message>
    <message>
        <source>Invalid callsign</source>
        <translation>Indicatif non valide</translation>
    </message>
    <message>
        <source>No forwards are pending.</source>
        <translation>Aucun forward en attente.</translation>
    </message>
    <message>
        <source>This directory is empty.</source>
        <translation>Ce répertoire est vide.</translation>
    </message>
    <message>
        <source>Not connected to the BBS: &quot;%s&quot; was not sent.</source>
        <translation>Pas de connexion à la BBS&#xa0;: «&#xa0;%s&#xa0;» n&apos;a pas été envoyé.</translation>
    </message>
    <message>
        <source>The key &quot;%s&quot; is longer than %zu characters and cannot be requested.</source>
        <translation>La clé «&#xa0;%s&#xa0;» dépasse %zu caractères et ne peut pas être demandée.</translation>
    </message>
    <message>
        <source>The record would take %zu bytes, more than the %zu that one request can carry.
Shorten its texts; nothing was sent.</source>
        <translation>L&apos;enregistrement occuperait %zu octets, plus que les %zu qu&apos;une requête peut contenir.
Raccourcissez ses textes&#xa0;; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Field %d holds a line break, which would split the record.
Nothing was sent.</source>
        <translation>Le champ %d contient un saut de ligne, qui couperait l&apos;enregistrement.
Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The %s box does not hold a date (day-month-year hour:minute): &quot;%s&quot;.
Nothing was sent.</source>
        <translation>Le champ %s ne contient pas de date (jour-mois-année heure:minute)&#xa0;: «&#xa0;%s&#xa0;».
Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Reçu</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>The path %s is longer than %zu characters and cannot be requested.</source>
        <translation>Le chemin %s dépasse %zu caractères et ne peut pas être demandé.</translation>
    </message>
    <message>
        <source>Asking the BBS for the listing of %s ...</source>
        <translation>Demande de la liste de %s à la BBS ...</translation>
    </message>
    <message>
        <source>The BBS sent no listing of %s: it may not exist, or the BBS refused it.</source>
        <translation>La BBS n&apos;a envoyé aucune liste de %s&#xa0;: le répertoire n&apos;existe peut-être pas, ou la BBS a refusé la demande.</translation>
    </message>
    <message>
        <source>The link to the BBS was lost before the listing of %s came. Nothing can be opened until brxW has logged in again.</source>
        <translation>La liaison avec la BBS a été perdue avant l&apos;arrivée de la liste de %s. Rien ne peut être ouvert avant que brxW ait de nouveau ouvert la session.</translation>
    </message>
    <message>
        <source>The link to the BBS was lost. Nothing can be opened until brxW has logged in again.</source>
        <translation>La liaison avec la BBS a été perdue. Rien ne peut être ouvert avant que brxW ait de nouveau ouvert la session.</translation>
    </message>
    <message>
        <source>Fetching %s from the BBS ...</source>
        <translation>Récupération de %s depuis la BBS ...</translation>
    </message>
    <message>
        <source>The BBS sent no file %s: it may not exist, or the BBS refused it.</source>
        <translation>La BBS n&apos;a pas envoyé le fichier %s&#xa0;: il n&apos;existe peut-être pas, ou la BBS a refusé la demande.</translation>
    </message>
    <message>
        <source>The link to the BBS was lost before %s came. Nothing can be opened until brxW has logged in again.</source>
        <translation>La liaison avec la BBS a été perdue avant l&apos;arrivée de %s. Rien ne peut être ouvert avant que brxW ait de nouveau ouvert la session.</translation>
    </message>
    <message>
        <source>Logged in again: the list starts again from the root.</source>
        <translation>Session de nouveau ouverte&#xa0;: la liste repart de la racine.</translation>
    </message>
    <message>
        <source>The record was sent, but it could not be kept in the log of records written:
%s</source>
        <translation>L&apos;enregistrement a été envoyé, mais il n&apos;a pas pu être conservé dans le journal des enregistrements écrits&#xa0;:
%s</translation>
    </message>
</context>
<context>
    <name>brxw::Alerts</name>
    <message>
        <source>The regular expression is empty.</source>
        <translation>L&apos;expression régulière est vide.</translation>
    </message>
    <message>
        <source>There is no word to look for.</source>
        <translation>Aucun mot à rechercher.</translation>
    </message>
    <message>
        <source>Not a valid regular expression: %1 (at character %2).</source>
        <translation>Expression régulière non valide&#xa0;: %1 (au caractère %2).</translation>
    </message>
    <message>
        <source>The regular expression matches an empty text, so every line would raise an alert.</source>
        <translation>L&apos;expression régulière correspond à un texte vide&#xa0;: chaque ligne déclencherait une alerte.</translation>
    </message>
    <message>
        <source>Alert: %1</source>
        <translation>Alerte&#xa0;: %1</translation>
    </message>
    <message>
        <source>Alert: %1 more, the last: %2</source>
        <translation>Alerte&#xa0;: %1 de plus, la dernière&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 connected on channel %2</source>
        <translation>%1 connecté sur le canal %2</translation>
    </message>
    <message>
        <source>monitoring</source>
        <translation>moniteur</translation>
    </message>
    <message>
        <source>console</source>
        <translation>console</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>canal %1</translation>
    </message>
    <message>
        <source>a test of the alerts</source>
        <translation>un test des alertes</translation>
    </message>
</context>
<context>
    <name>brxw::AppConfig</name>
    <message>
        <source>%1 Every profile shows its defaults, none connects by itself, and no setting can be saved.</source>
        <translation>%1 Chaque profil affiche ses valeurs par défaut, aucun ne se connecte de lui-même et aucun réglage ne peut être enregistré.</translation>
    </message>
</context>
<context>
    <name>brxw::CAboutDlg</name>
    <message>
        <source>About brxW</source>
        <translation>À propos de brxW</translation>
    </message>
    <message>
        <source>&lt;b&gt;brxW&lt;/b&gt; version %1</source>
        <translation>&lt;b&gt;brxW&lt;/b&gt; version %1</translation>
    </message>
    <message>
        <source>Remote console for a packet-radio BBS</source>
        <translation>Console à distance pour une BBS packet-radio</translation>
    </message>
    <message>
        <source>Copyright © 2026 the brxW authors</source>
        <translation>Copyright © 2026 les auteurs de brxW</translation>
    </message>
</context>
<context>
    <name>brxw::CAlertsNotifier</name>
    <message>
        <source>no desktop session bus</source>
        <translation>pas de bus de session du bureau</translation>
    </message>
    <message>
        <source>no notification service and no system tray</source>
        <translation>ni service de notification ni zone de notification</translation>
    </message>
    <message>
        <source>(no desktop notification: %1)</source>
        <translation>(pas de notification sur le bureau&#xa0;: %1)</translation>
    </message>
</context>
<context>
    <name>brxw::CAlertsPage</name>
    <message>
        <source>&amp;Any station connects</source>
        <translation>&amp;Une station quelconque se connecte</translation>
    </message>
    <message>
        <source>One of these &amp;stations connects:</source>
        <translation>L&apos;une de ces &amp;stations se connecte&#xa0;:</translation>
    </message>
    <message>
        <source>Ring the &amp;bell</source>
        <translation>&amp;Bip sonore</translation>
    </message>
    <message>
        <source>Desktop &amp;notification</source>
        <translation>&amp;Notification sur le bureau</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Tester</translation>
    </message>
    <message>
        <source>&amp;Monitoring or channel traffic contains:</source>
        <translation>&amp;Le trafic du moniteur ou d&apos;un canal contient&#xa0;:</translation>
    </message>
    <message>
        <source>Stations whose connection raises an alert</source>
        <translation>Stations dont la connexion déclenche une alerte</translation>
    </message>
    <message>
        <source>Text in monitoring or channel traffic that raises an alert</source>
        <translation>Texte du trafic du moniteur ou d&apos;un canal qui déclenche une alerte</translation>
    </message>
    <message>
        <source>Text in a console line that raises an alert</source>
        <translation>Texte d&apos;une ligne de console qui déclenche une alerte</translation>
    </message>
    <message>
        <source>Calls separated by blanks or commas; Q1ABC stands for all its SSIDs, Q1ABC-7 for that one only.</source>
        <translation>Indicatifs séparés par des espaces ou des virgules&#xa0;; Q1ABC vaut pour tous ses SSID, Q1ABC-7 pour celui-ci seulement.</translation>
    </message>
    <message>
        <source>Alert when</source>
        <translation>Alerter quand</translation>
    </message>
    <message>
        <source>Besides a line in the status bar</source>
        <translation>En plus d&apos;une ligne dans la barre d&apos;état</translation>
    </message>
    <message>
        <source>Of each kind at most one alert in %1 seconds; what matches meanwhile is summed up when they are over. Stations listed at login raise none.</source>
        <translation>Au plus une alerte de chaque type en %1 secondes&#xa0;; ce qui correspond entre-temps est résumé ensuite. Les stations listées à l&apos;ouverture de la session n&apos;en déclenchent aucune.</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Expression régulière</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>It holds characters that the Windows code page lacks.</source>
        <translation>Il contient des caractères absents de la page de code Windows.</translation>
    </message>
    <message>
        <source>A regular expression.</source>
        <translation>Une expression régulière.</translation>
    </message>
    <message>
        <source>Words separated by commas: any of them.</source>
        <translation>Mots séparés par des virgules&#xa0;: n&apos;importe lequel.</translation>
    </message>
    <message>
        <source>A valid regular expression.</source>
        <translation>Une expression régulière valide.</translation>
    </message>
    <message>
        <source>Any of these words (separated by commas) raises it.</source>
        <translation>N&apos;importe lequel de ces mots (séparés par des virgules) la déclenche.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Enter the callsigns of the stations to watch for.</source>
        <translation>Saisissez les indicatifs des stations à surveiller.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a callsign: letters and digits, optionally followed by - and an SSID of 0 to 15.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un indicatif&#xa0;: lettres et chiffres, suivis éventuellement de - et d&apos;un SSID de 0 à 15.</translation>
    </message>
    <message>
        <source>The pattern holds characters that the Windows code page lacks.</source>
        <translation>Le motif contient des caractères absents de la page de code Windows.</translation>
    </message>
    <message>
        <source>A console &amp;line contains:</source>
        <translation>Une ligne de &amp;console contient&#xa0;:</translation>
    </message>
</context>
<context>
    <name>brxw::CBrxWeditDoc</name>
    <message>
        <source>Editor</source>
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>Send message</source>
        <translation>Envoyer le message</translation>
    </message>
    <message>
        <source>Upload document</source>
        <translation>Envoyer le document à la BBS</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is too large to edit.</source>
        <translation>%1 est trop volumineux pour être modifié.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Unexpected end of file while reading %1.</source>
        <translation>Fin de fichier inattendue à la lecture de %1.</translation>
    </message>
    <message>
        <source>%1 No diagnostic dump is written.</source>
        <translation>%1 Aucun vidage de diagnostic n&apos;est écrit.</translation>
    </message>
    <message>
        <source>%1 The text you were editing stays in the editor; %2, which arrived, was not opened.</source>
        <translation>%1 Le texte en cours de modification reste dans l&apos;éditeur&#xa0;; %2, qui vient d&apos;arriver, n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source> The message was not sent.</source>
        <translation> Le message n&apos;a pas été envoyé.</translation>
    </message>
    <message>
        <source>The message was not sent: not connected, or the connection that asked for it was lost.</source>
        <translation>Le message n&apos;a pas été envoyé&#xa0;: pas de connexion, ou la connexion qui l&apos;a demandé a été perdue.</translation>
    </message>
    <message>
        <source> The document was not uploaded.</source>
        <translation> Le document n&apos;a pas été envoyé à la BBS.</translation>
    </message>
    <message>
        <source>This document was not fetched from the BBS, so there is no file there to replace: nothing was uploaded. The text is kept in %1.</source>
        <translation>Ce document ne provient pas de la BBS, il n&apos;y a donc aucun fichier à y remplacer&#xa0;: rien n&apos;a été envoyé. Le texte est conservé dans %1.</translation>
    </message>
    <message>
        <source>Not connected to the session that %1 was fetched from: nothing was uploaded. The text is kept in %2.</source>
        <translation>Pas de connexion à la session d&apos;où provient %1&#xa0;: rien n&apos;a été envoyé. Le texte est conservé dans %2.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>Impossible de créer %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 It was sent, but no copy of it is kept.</source>
        <translation>%1 Le texte a été envoyé, mais aucune copie n&apos;en est conservée.</translation>
    </message>
</context>
<context>
    <name>brxw::CCharsetPage</name>
    <message>
        <source>United States</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>Western Europe</source>
        <translation>Europe occidentale</translation>
    </message>
    <message>
        <source>Central Europe</source>
        <translation>Europe centrale</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrillique</translation>
    </message>
    <message>
        <source>With &quot;DOS charset&quot; chosen in Settings, the server&apos;s text is read in the DOS code page and shown in the Windows code page. With &quot;ANSI charset&quot; it is read and shown in the Windows code page.</source>
        <translation>Avec «&#xa0;Jeu de caractères DOS&#xa0;» choisi dans les Paramètres, le texte du serveur est lu dans la page de code DOS et affiché dans la page de code Windows. Avec «&#xa0;Jeu de caractères ANSI&#xa0;», il est lu et affiché dans la page de code Windows.</translation>
    </message>
    <message>
        <source>Connection &amp;profile:</source>
        <translation>&amp;Profil de connexion&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;DOS code page:</source>
        <translation>Page de code &amp;DOS&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Windows code page:</source>
        <translation>Page de code &amp;Windows&#xa0;:</translation>
    </message>
    <message>
        <source>Server&apos;s text:</source>
        <translation>Texte du serveur&#xa0;:</translation>
    </message>
    <message>
        <source>Its letters:</source>
        <translation>Ses lettres&#xa0;:</translation>
    </message>
    <message>
        <source>code page %1 (%2 charset chosen in Settings)</source>
        <translation>page de code %1 (jeu de caractères %2 choisi dans les Paramètres)</translation>
    </message>
    <message>
        <source>(%1 of them the Windows code page lacks: shown as look-alikes)</source>
        <translation>(%1 d&apos;entre elles absentes de la page de code Windows&#xa0;: affichées par des caractères ressemblants)</translation>
    </message>
</context>
<context>
    <name>brxw::CColoursPage</name>
    <message>
        <source>Colour code 0 (navy): console text</source>
        <translation>Code couleur 0 (bleu marine)&#xa0;: texte de la console</translation>
    </message>
    <message>
        <source>Colour code 1 (maroon)</source>
        <translation>Code couleur 1 (bordeaux)</translation>
    </message>
    <message>
        <source>Colour code 2 and 3 (green): [ -- Channel changed to 3 -- ]</source>
        <translation>Codes couleur 2 et 3 (vert)&#xa0;: [ -- Passage au canal 3 -- ]</translation>
    </message>
    <message>
        <source>Colour code 4 (blue)</source>
        <translation>Code couleur 4 (bleu)</translation>
    </message>
    <message>
        <source>Colour code 5 (teal)</source>
        <translation>Code couleur 5 (bleu canard)</translation>
    </message>
    <message>
        <source>Colour code 6 (yellow)</source>
        <translation>Code couleur 6 (jaune)</translation>
    </message>
    <message>
        <source>Colour code 7 (black)</source>
        <translation>Code couleur 7 (noir)</translation>
    </message>
    <message>
        <source>Colour code 9 (olive)</source>
        <translation>Code couleur 9 (olive)</translation>
    </message>
    <message>
        <source>Any other code (white)</source>
        <translation>Tout autre code (blanc)</translation>
    </message>
    <message>
        <source>A command you typed, echoed</source>
        <translation>Une commande saisie, en écho</translation>
    </message>
    <message>
        <source>Why the link went down</source>
        <translation>Pourquoi la liaison a été coupée</translation>
    </message>
    <message>
        <source>Sample of the colours</source>
        <translation>Aperçu des couleurs</translation>
    </message>
    <message>
        <source>Selected text</source>
        <translation>Texte sélectionné</translation>
    </message>
    <message>
        <source>Colour scheme</source>
        <translation>Jeu de couleurs</translation>
    </message>
    <message>
        <source>&amp;High contrast (light)</source>
        <translation>&amp;Fort contraste (clair)</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Sombre</translation>
    </message>
    <message>
        <source>Classic shows the traffic in the server&apos;s own colours on white. The other two give every colour at least 4.5:1 contrast against its background, and colour the station list, the counters and the program&apos;s windows to match.</source>
        <translation>Classique affiche le trafic dans les couleurs du serveur sur fond blanc. Les deux autres donnent à chaque couleur un contraste d&apos;au moins 4,5:1 avec son fond, et colorent en accord la liste des stations, les compteurs et les fenêtres du programme.</translation>
    </message>
    <message>
        <source>Text windows</source>
        <translation>Fenêtres de texte</translation>
    </message>
    <message>
        <source>C&amp;lassic</source>
        <translation>&amp;Classique</translation>
    </message>
</context>
<context>
    <name>brxw::CConnectionLogDlg</name>
    <message>
        <source>Connection log</source>
        <translation>Journal des connexions</translation>
    </message>
    <message>
        <source>Connection log entries</source>
        <translation>Entrées du journal des connexions</translation>
    </message>
</context>
<context>
    <name>brxw::CConsoleDlg</name>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>Console input</source>
        <translation>Saisie de la console</translation>
    </message>
</context>
<context>
    <name>brxw::CControlPanel</name>
    <message>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>The configuration could not be written. %1</source>
        <translation>La configuration n&apos;a pas pu être enregistrée. %1</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>The user guide was not found. It was looked for in:
%1</source>
        <translation>Le guide de l&apos;utilisateur est introuvable. Il a été cherché dans&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The user guide %1 could not be opened: the desktop has no browser or viewer for it. Open it in a browser yourself.</source>
        <translation>Le guide de l&apos;utilisateur %1 n&apos;a pas pu être ouvert&#xa0;: le bureau n&apos;a ni navigateur ni visionneuse pour ce fichier. Ouvrez-le vous-même dans un navigateur.</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Console	F2</source>
        <translation>&amp;Console	F2</translation>
    </message>
    <message>
        <source>&amp;Monitoring	F5</source>
        <translation>&amp;Moniteur	F5</translation>
    </message>
    <message>
        <source>&amp;All channels	F6</source>
        <translation>&amp;Tous les canaux	F6</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connexion</translation>
    </message>
    <message>
        <source>Remote &amp;%1</source>
        <translation>Remote &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Déconnecter</translation>
    </message>
    <message>
        <source>Connection &amp;log</source>
        <translation>&amp;Journal des connexions</translation>
    </message>
    <message>
        <source>C&amp;onfig</source>
        <translation>C&amp;onfiguration</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Op&amp;tions</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Copyright</source>
        <translation>&amp;Copyright</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>%1, key %2</source>
        <translation>%1, touche %2</translation>
    </message>
    <message>
        <source>Character set</source>
        <translation>Jeu de caractères</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alertes</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Journalisation</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>&amp;One channel</source>
        <translation>Canal &amp;unique</translation>
    </message>
    <message>
        <source>&amp;Immediate disconnect</source>
        <translation>Déconnexion &amp;immédiate</translation>
    </message>
    <message>
        <source>Disconnect %1 ?</source>
        <translation>Déconnecter %1&#xa0;?</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnexion</translation>
    </message>
    <message>
        <source>&amp;Exit	Alt+F4</source>
        <translation>&amp;Quitter	Alt+F4</translation>
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
        <translation>brxW © 2026 les auteurs de brxW.</translation>
    </message>
    <message>
        <source>brxW is free software: you may use it for any purpose, study and change it, and pass it on, changed or not, under the terms of the GNU General Public License as published by the Free Software Foundation, version 3 of the License or (at your choice) any later version. Whoever passes it on must pass on its source code under the same terms.</source>
        <translation>brxW est un logiciel libre&#xa0;: vous pouvez l&apos;utiliser à toutes fins, l&apos;étudier, le modifier et le redistribuer, modifié ou non, selon les termes de la licence publique générale GNU (GNU General Public License) publiée par la Free Software Foundation, version 3 de la licence ou (à votre choix) toute version ultérieure. Quiconque le redistribue doit redistribuer son code source selon les mêmes termes.</translation>
    </message>
    <message>
        <source>brxW comes with no warranty at all, not even that it is fit for sale or for a particular purpose. The full licence is in /usr/share/common-licenses/GPL-3 on Debian, and at https://www.gnu.org/licenses/.</source>
        <translation>brxW est fourni sans aucune garantie, pas même de qualité marchande ou d&apos;adéquation à un usage particulier. Le texte complet de la licence se trouve dans /usr/share/common-licenses/GPL-3 sous Debian, et à l&apos;adresse https://www.gnu.org/licenses/.</translation>
    </message>
</context>
<context>
    <name>brxw::CFindBar</name>
    <message>
        <source>Match case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Highlight all</source>
        <translation>Tout surligner</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Texte à rechercher</translation>
    </message>
    <message>
        <source>Next match (Enter, F3)</source>
        <translation>Occurrence suivante (Entrée, F3)</translation>
    </message>
    <message>
        <source>Previous match (Shift+Enter, Shift+F3)</source>
        <translation>Occurrence précédente (Maj+Entrée, Maj+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Fermer (Échap)</translation>
    </message>
    <message>
        <source>Close find bar</source>
        <translation>Fermer la barre de recherche</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Wrapped</source>
        <extracomment>The search passed the newest line and went on from the oldest, or the other way round (Previous): the same text for both.</extracomment>
        <translation>Reprise à l&apos;autre bout</translation>
    </message>
</context>
<context>
    <name>brxw::CLoggingPage</name>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>The &amp;window&apos;s character set</source>
        <translation>Jeu de caractères de la &amp;fenêtre</translation>
    </message>
    <message>
        <source>&amp;UTF-8</source>
        <translation>UTF-&amp;8</translation>
    </message>
    <message>
        <source>Log to file</source>
        <translation>Journaliser dans un fichier</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>One file per window and day, named after the profile, the window and the date, such as %1.
Each line begins with the time it arrived.</source>
        <translation>Un fichier par fenêtre et par jour, nommé d&apos;après le profil, la fenêtre et la date, par exemple %1.
Chaque ligne commence par l&apos;heure de son arrivée.</translation>
    </message>
    <message>
        <source>Character set of the files:</source>
        <translation>Jeu de caractères des fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>Log folder</source>
        <translation>Dossier des journaux</translation>
    </message>
    <message>
        <source>Please give the folder&apos;s whole path, such as %1.</source>
        <translation>Veuillez indiquer le chemin complet du dossier, par exemple %1.</translation>
    </message>
    <message>
        <source>The folder&apos;s name has characters that BrxW.ini cannot keep. Please choose another folder.</source>
        <translation>Le nom du dossier contient des caractères que BrxW.ini ne peut pas conserver. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>The folder&apos;s name is too long: BrxW.ini keeps at most %1 characters.</source>
        <translation>Le nom du dossier est trop long&#xa0;: BrxW.ini en conserve au plus %1 caractères.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Files cannot be written in the folder %1: %2.</source>
        <translation>Impossible d&apos;écrire des fichiers dans le dossier %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
</context>
<context>
    <name>brxw::CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>MAJ</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>DEF</source>
        <translation>DEF</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>Saves the document</source>
        <translation>Enregistre le document</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Prints the document</source>
        <translation>Imprime le document</translation>
    </message>
    <message>
        <source>Print pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>Shows the document as it will be printed</source>
        <translation>Affiche le document tel qu&apos;il sera imprimé</translation>
    </message>
    <message>
        <source>Print se&amp;tup...</source>
        <translation>&amp;Configuration de l&apos;impression...</translation>
    </message>
    <message>
        <source>Changes the printer and the page</source>
        <translation>Change l&apos;imprimante et la page</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Hands the document back and closes the editor</source>
        <translation>Rend le document et ferme l&apos;éditeur</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Creates a new document</source>
        <translation>Crée un nouveau document</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Opens an existing document</source>
        <translation>Ouvre un document existant</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undoes the last action</source>
        <translation>Annule la dernière action</translation>
    </message>
    <message>
        <source>&amp;Cut	Ctrl+X</source>
        <translation>Co&amp;uper	Ctrl+X</translation>
    </message>
    <message>
        <source>Cuts the selection and puts it on the clipboard</source>
        <translation>Coupe la sélection et la place dans le presse-papiers</translation>
    </message>
    <message>
        <source>C&amp;opy	Ctrl+C</source>
        <translation>&amp;Copier	Ctrl+C</translation>
    </message>
    <message>
        <source>Copies the selection to the clipboard</source>
        <translation>Copie la sélection dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>C&amp;oller	Ctrl+V</translation>
    </message>
    <message>
        <source>Inserts the clipboard&apos;s contents</source>
        <translation>Insère le contenu du presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Shows or hides the toolbar</source>
        <translation>Affiche ou masque la barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Shows or hides the status bar</source>
        <translation>Affiche ou masque la barre d&apos;état</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>A new file arrived while you were editing. The text you were editing is kept in
%1</source>
        <translation>Un nouveau fichier est arrivé pendant la modification. Le texte en cours de modification est conservé dans
%1</translation>
    </message>
    <message>
        <source>When brxW last ended, the text you were editing could not be kept.</source>
        <translation>À la dernière fermeture de brxW, le texte en cours de modification n&apos;a pas pu être conservé.</translation>
    </message>
    <message>
        <source>When brxW last ended, the text you were editing was kept in
%1</source>
        <translation>À la dernière fermeture de brxW, le texte en cours de modification a été conservé dans
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
        <translation>Balayage</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Émission</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Réception</translation>
    </message>
</context>
<context>
    <name>brxw::CPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Preference pages</source>
        <translation>Pages des préférences</translation>
    </message>
</context>
<context>
    <name>brxw::CScrolledBackBar</name>
    <message>
        <source>Scrolled back</source>
        <translation>Défilement arrière</translation>
    </message>
    <message>
        <source>End returns to the newest line</source>
        <translation>Fin revient à la ligne la plus récente</translation>
    </message>
    <message>
        <source>Back to the newest line</source>
        <translation>Retour à la ligne la plus récente</translation>
    </message>
    <message>
        <source>1 new line</source>
        <translation>1 nouvelle ligne</translation>
    </message>
    <message>
        <source>%1 new lines</source>
        <translation>%1 nouvelles lignes</translation>
    </message>
    <message>
        <source>End to return</source>
        <translation>Fin pour revenir</translation>
    </message>
</context>
<context>
    <name>brxw::CSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>ANSI charset</source>
        <translation>Jeu de caractères ANSI</translation>
    </message>
    <message>
        <source>DOS charset</source>
        <translation>Jeu de caractères DOS</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Message text editor</source>
        <translation>Éditeur de messages</translation>
    </message>
    <message>
        <source>Break long lines</source>
        <translation>Renvoyer à la ligne les lignes longues</translation>
    </message>
    <message>
        <source>Prefix replies with &gt;</source>
        <translation>Préfixer les réponses par &gt;</translation>
    </message>
    <message>
        <source>Justify lines</source>
        <translation>Justifier les lignes</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>Signature text</source>
        <translation>Texte de la signature</translation>
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
        <source>The signature cannot be stored as typed: BrxW.ini holds only the Windows character set, without %1.</source>
        <translation>La signature ne peut pas être enregistrée telle quelle&#xa0;: BrxW.ini ne contient que le jeu de caractères Windows, sans %1.</translation>
    </message>
    <message>
        <source>The signature cannot be stored as typed: BrxW.ini stores each line break as \r, so the \r in the signature would come back as a line break. Write it another way, for example with a blank between \ and r.</source>
        <translation>La signature ne peut pas être enregistrée telle quelle&#xa0;: BrxW.ini enregistre chaque saut de ligne sous la forme \r, donc le \r de la signature reviendrait en saut de ligne. Écrivez-le autrement, par exemple avec un espace entre \ et r.</translation>
    </message>
    <message>
        <source>The signature is too long: BrxW.ini gives back 79 characters of it, each line break counting as two. Shorten it by %1 characters.</source>
        <translation>La signature est trop longue&#xa0;: BrxW.ini en rend 79 caractères, chaque saut de ligne comptant pour deux. Raccourcissez-la de %1 caractères.</translation>
    </message>
</context>
<context>
    <name>brxw::CSetupDlg</name>
    <message>
        <source>This text cannot be stored: it holds a line break or a NUL character.</source>
        <translation>Ce texte ne peut pas être enregistré&#xa0;: il contient un saut de ligne ou un caractère NUL.</translation>
    </message>
    <message>
        <source>A password that begins or ends with a blank or a quote can have no more than %d characters.</source>
        <translation>Un mot de passe qui commence ou finit par un espace ou un guillemet ne peut pas dépasser %d caractères.</translation>
    </message>
    <message>
        <source>Please enter no more than %zu characters.</source>
        <translation>Veuillez saisir au plus %zu caractères.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between %d and %d.</source>
        <translation>Veuillez saisir un nombre entier entre %d et %d.</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Configuration name</source>
        <translation>Nom de la configuration</translation>
    </message>
    <message>
        <source>Host name or address</source>
        <translation>Nom d&apos;hôte ou adresse</translation>
    </message>
    <message>
        <source>Port (default 3286)</source>
        <translation>Port (par défaut 3286)</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Indicatif</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>none: direct connection</source>
        <translation>aucun&#xa0;: connexion directe</translation>
    </message>
    <message>
        <source>SSH tunnel via [user@]host[:port]</source>
        <translation>Tunnel SSH via [user@]host[:port]</translation>
    </message>
    <message>
        <source>Autorun connection</source>
        <translation>Connexion automatique</translation>
    </message>
    <message>
        <source>Keep the password in the desktop&apos;s keyring</source>
        <translation>Garder le mot de passe dans le trousseau du bureau</translation>
    </message>
    <message>
        <source>kept in the keyring; type to change</source>
        <translation>dans le trousseau&#xa0;; saisir pour le changer</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>This brxW was built without the desktop&apos;s keyring.</source>
        <translation>Ce brxW a été compilé sans le trousseau du bureau.</translation>
    </message>
    <message>
        <source>A host name or address cannot hold a blank.</source>
        <translation>Un nom d&apos;hôte ou une adresse ne peut pas contenir d&apos;espace.</translation>
    </message>
</context>
<context>
    <name>brxw::CStationListView</name>
    <message>
        <source>Connected stations</source>
        <translation>Stations connectées</translation>
    </message>
</context>
<context>
    <name>brxw::CTextWnd</name>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Scroll through the lines</source>
        <translation>Faire défiler les lignes</translation>
    </message>
    <message>
        <source>Scroll sideways</source>
        <translation>Défiler latéralement</translation>
    </message>
    <message>
        <source>Copy selection	Ctrl+C</source>
        <translation>Copier la sélection	Ctrl+C</translation>
    </message>
    <message>
        <source>Copies selected text to the clipboard</source>
        <translation>Copie le texte sélectionné dans le presse-papiers</translation>
    </message>
    <message>
        <source>Print selection	Ctrl+P</source>
        <translation>Imprimer la sélection	Ctrl+P</translation>
    </message>
    <message>
        <source>Sends the selected text to the default printer</source>
        <translation>Envoie le texte sélectionné à l&apos;imprimante par défaut</translation>
    </message>
    <message>
        <source>Select All	Ctrl+A</source>
        <translation>Tout sélectionner	Ctrl+A</translation>
    </message>
    <message>
        <source>Selects the whole buffer</source>
        <translation>Sélectionne tout le tampon</translation>
    </message>
    <message>
        <source>Log to file</source>
        <translation>Journaliser dans un fichier</translation>
    </message>
    <message>
        <source>Writes every line of this window to a daily file</source>
        <translation>Écrit chaque ligne de cette fenêtre dans un fichier journalier</translation>
    </message>
    <message>
        <source>Received text. F9 reviews it line by line.</source>
        <translation>Texte reçu. F9 le parcourt ligne par ligne.</translation>
    </message>
</context>
<context>
    <name>brxw::CTrafficDlg</name>
    <message>
        <source>All channels</source>
        <translation>Tous les canaux</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>Moniteur</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
</context>
<context>
    <name>brxw::ChannelRouter</name>
    <message>
        <source>[ -- Channel changed to %d -- ]
</source>
        <translation>[ -- Passage au canal %d -- ]
</translation>
    </message>
</context>
<context>
    <name>brxw::CommandPrompt</name>
    <message>
        <source>Terminate brxW</source>
        <translation>Quitter brxW</translation>
    </message>
    <message>
        <source>Console connection
Console connection</source>
        <translation>Connexion console
Connexion console</translation>
    </message>
    <message>
        <source>Ports monitoring
Ports monitoring</source>
        <translation>Moniteur des ports
Moniteur des ports</translation>
    </message>
    <message>
        <source>All channels monitoring
All channels monitoring</source>
        <translation>Moniteur de tous les canaux
Moniteur de tous les canaux</translation>
    </message>
    <message>
        <source>One channel monitoring
Channel monitoring</source>
        <translation>Moniteur d&apos;un canal unique
Moniteur du canal</translation>
    </message>
    <message>
        <source>Disconnect channel
Disconnect</source>
        <translation>Déconnecter le canal
Déconnecter</translation>
    </message>
    <message>
        <source>Immediate disconnect
Immediate disconnect</source>
        <translation>Déconnexion immédiate
Déconnexion immédiate</translation>
    </message>
    <message>
        <source>Edit message properties
Message properties</source>
        <translation>Modifier les propriétés du message
Propriétés du message</translation>
    </message>
    <message>
        <source>Edit user properties
User properties</source>
        <translation>Modifier les propriétés de l&apos;utilisateur
Propriétés de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Pending forward
Pending forward</source>
        <translation>Forward en attente
Forward en attente</translation>
    </message>
    <message>
        <source>Open configuration file
Open file</source>
        <translation>Ouvrir un fichier de configuration
Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Pactor scan
Pactor scan</source>
        <translation>Balayage Pactor
Balayage Pactor</translation>
    </message>
    <message>
        <source>Pactor receive
Pactor receive</source>
        <translation>Réception Pactor
Réception Pactor</translation>
    </message>
    <message>
        <source>Pactor send
Pactor send</source>
        <translation>Émission Pactor
Émission Pactor</translation>
    </message>
    <message>
        <source>Connect &quot;Remote 0&quot;</source>
        <translation>Se connecter à «&#xa0;Remote 0&#xa0;»</translation>
    </message>
    <message>
        <source>Connect &quot;Remote 1&quot;</source>
        <translation>Se connecter à «&#xa0;Remote 1&#xa0;»</translation>
    </message>
    <message>
        <source>Connect &quot;Remote 2&quot;</source>
        <translation>Se connecter à «&#xa0;Remote 2&#xa0;»</translation>
    </message>
    <message>
        <source>Connect &quot;Remote 3&quot;</source>
        <translation>Se connecter à «&#xa0;Remote 3&#xa0;»</translation>
    </message>
    <message>
        <source>Close the connection</source>
        <translation>Fermer la connexion</translation>
    </message>
    <message>
        <source>Show when the link came up and why it went down</source>
        <translation>Indique quand la liaison s&apos;est établie et pourquoi elle a été perdue</translation>
    </message>
    <message>
        <source>Character sets, logging to files, alerts and colours</source>
        <translation>Jeux de caractères, journalisation dans des fichiers, alertes et couleurs</translation>
    </message>
    <message>
        <source>Open the sysop&apos;s guide in the browser</source>
        <translation>Ouvrir le guide du sysop dans le navigateur</translation>
    </message>
    <message>
        <source>Configure &quot;Remote 0&quot;</source>
        <translation>Configurer «&#xa0;Remote 0&#xa0;»</translation>
    </message>
    <message>
        <source>Configure &quot;Remote 1&quot;</source>
        <translation>Configurer «&#xa0;Remote 1&#xa0;»</translation>
    </message>
    <message>
        <source>Configure &quot;Remote 2&quot;</source>
        <translation>Configurer «&#xa0;Remote 2&#xa0;»</translation>
    </message>
    <message>
        <source>Configure &quot;Remote 3&quot;</source>
        <translation>Configurer «&#xa0;Remote 3&#xa0;»</translation>
    </message>
</context>
<context>
    <name>brxw::ConnectionLog</name>
    <message>
        <source>Logged in</source>
        <translation>Session ouverte</translation>
    </message>
    <message>
        <source>Cannot connect</source>
        <translation>Connexion impossible</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Link down</source>
        <translation>Liaison perdue</translation>
    </message>
    <message>
        <source>logged in</source>
        <translation>session ouverte</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>le serveur a fermé la connexion</translation>
    </message>
    <message>
        <source>the connection failed: %s</source>
        <translation>la connexion a échoué&#xa0;: %s</translation>
    </message>
    <message>
        <source>no data could be sent: the send timed out</source>
        <translation>aucune donnée n&apos;a pu être envoyée&#xa0;: délai d&apos;envoi dépassé</translation>
    </message>
    <message>
        <source>sending failed: %s</source>
        <translation>l&apos;envoi a échoué&#xa0;: %s</translation>
    </message>
    <message>
        <source>the server announced a frame of %d bytes (at most 1020): the stream cannot be followed</source>
        <translation>le serveur a annoncé une trame de %d octets (1020 au plus)&#xa0;: le flux ne peut pas être suivi</translation>
    </message>
    <message>
        <source>the connection was refused</source>
        <translation>la connexion a été refusée</translation>
    </message>
    <message>
        <source>the connection could not be made: %s</source>
        <translation>la connexion n&apos;a pas pu être établie&#xa0;: %s</translation>
    </message>
    <message>
        <source>the host was not found</source>
        <translation>l&apos;hôte est introuvable</translation>
    </message>
    <message>
        <source>the host could not be looked up: %s</source>
        <translation>l&apos;hôte n&apos;a pas pu être résolu&#xa0;: %s</translation>
    </message>
    <message>
        <source>the server refused the login (it closed the connection before sending anything)</source>
        <translation>le serveur a refusé l&apos;identification (il a fermé la connexion avant d&apos;envoyer quoi que ce soit)</translation>
    </message>
    <message>
        <source>disconnected by the operator</source>
        <translation>déconnecté manuellement</translation>
    </message>
    <message>
        <source>the SSH tunnel could not be opened: %s</source>
        <translation>le tunnel SSH n&apos;a pas pu être ouvert&#xa0;: %s</translation>
    </message>
    <message>
        <source>Disconnected by the operator</source>
        <translation>Déconnecté manuellement</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <translation>%s&#xa0;: %s</translation>
    </message>
    <message>
        <source>the SSH server could not reach the BBS: %s</source>
        <translation>le serveur SSH n&apos;atteint pas le BBS&#xa0;: %s</translation>
    </message>
    <message>
        <source>the SSH tunnel ended: %s</source>
        <translation>le tunnel SSH s&apos;est fermé&#xa0;: %s</translation>
    </message>
</context>
<context>
    <name>brxw::ConnectionLogModel</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
</context>
<context>
    <name>brxw::Counters</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Used mem :	%s</source>
        <translation>Mém. utilisée&#xa0;:	%s</translation>
    </message>
    <message>
        <source>Data mem :	%s</source>
        <translation>Mém. données&#xa0;:	%s</translation>
    </message>
    <message>
        <source>Disk free :	%s</source>
        <translation>Disque libre&#xa0;:	%s</translation>
    </message>
    <message>
        <source>Total msgs :	%d</source>
        <translation>Total&#xa0;:	%d</translation>
    </message>
    <message>
        <source>Held msgs :	%d</source>
        <translation>Retenus&#xa0;:	%d</translation>
    </message>
    <message>
        <source>Priv msgs :	%d</source>
        <translation>Privés&#xa0;:	%d</translation>
    </message>
    <message>
        <source>Used mem :</source>
        <translation>Mém. utilisée&#xa0;:</translation>
    </message>
    <message>
        <source>Data mem :</source>
        <translation>Mém. données&#xa0;:</translation>
    </message>
    <message>
        <source>Disk free :</source>
        <translation>Disque libre&#xa0;:</translation>
    </message>
    <message>
        <source>Total msgs :</source>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>Held msgs :</source>
        <translation>Retenus&#xa0;:</translation>
    </message>
    <message>
        <source>Priv msgs :</source>
        <translation>Privés&#xa0;:</translation>
    </message>
</context>
<context>
    <name>brxw::Dispatcher</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Remote console is already connected</source>
        <translation>La console à distance est déjà connectée</translation>
    </message>
</context>
<context>
    <name>brxw::IniStore</name>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>le fichier est illisible (%1)</translation>
    </message>
    <message>
        <source>the value of %1 cannot be stored in one line</source>
        <translation>la valeur de %1 ne tient pas sur une ligne</translation>
    </message>
</context>
<context>
    <name>brxw::KeyringSetup</name>
    <message>
        <source>The changes could not be written to %1.</source>
        <translation>Les modifications n&apos;ont pas pu être écrites dans %1.</translation>
    </message>
    <message>
        <source>The password stays in %1: the keyring did not take it (%2).</source>
        <translation>Le mot de passe reste dans %1&#xa0;: le trousseau ne l&apos;a pas accepté (%2).</translation>
    </message>
    <message>
        <source>The password is back in BrxW.ini, but the keyring kept its copy (%1).</source>
        <translation>Le mot de passe est de retour dans BrxW.ini, mais le trousseau a gardé sa copie (%1).</translation>
    </message>
    <message>
        <source>The password stays in the keyring: it could not be read (%1).</source>
        <translation>Le mot de passe reste dans le trousseau&#xa0;: il n&apos;a pas pu être lu (%1).</translation>
    </message>
</context>
<context>
    <name>brxw::KeyringStore</name>
    <message>
        <source>No desktop session bus: no keyring can be reached.</source>
        <translation>Pas de bus de session du bureau&#xa0;: aucun trousseau n&apos;est joignable.</translation>
    </message>
    <message>
        <source>The session bus does not answer.</source>
        <translation>Le bus de session ne répond pas.</translation>
    </message>
    <message>
        <source>No keyring service (Secret Service) runs on the session bus.</source>
        <translation>Aucun service de trousseau (Secret Service) ne tourne sur le bus de session.</translation>
    </message>
    <message>
        <source>The keyring is locked, and it was not unlocked.</source>
        <translation>Le trousseau est verrouillé et n&apos;a pas été déverrouillé.</translation>
    </message>
    <message>
        <source>The keyring holds no password for this profile.</source>
        <translation>Le trousseau ne contient aucun mot de passe pour ce profil.</translation>
    </message>
</context>
<context>
    <name>brxw::Main</name>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>L&apos;initialisation de Windows Sockets a échoué.</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>processus %1</translation>
    </message>
    <message>
        <source>another process</source>
        <translation>un autre processus</translation>
    </message>
    <message>
        <source>brxW already runs with %1 (%2); its window is brought forward.
</source>
        <translation>brxW tourne déjà avec %1 (%2)&#xa0;; sa fenêtre est mise au premier plan.
</translation>
    </message>
    <message>
        <source>brxW already runs with %1 (%2), and two programs on one BrxW.ini would overwrite each other&apos;s settings. Use that program, or start this one with --ini and another file.

If no brxW runs, remove %3.</source>
        <translation>brxW tourne déjà avec %1 (%2), et deux programmes sur un même BrxW.ini écraseraient mutuellement leurs paramètres. Utilisez le brxW qui tourne déjà, ou lancez celui-ci avec --ini et un autre fichier.

Si aucun brxW ne tourne, supprimez %3.</translation>
    </message>
    <message>
        <source>brxW already runs with %1 (%2); its window is brought forward and connects %3.
</source>
        <translation>brxW tourne déjà avec %1 (%2)&#xa0;; sa fenêtre est mise au premier plan et se connecte à %3.
</translation>
    </message>
    <message>
        <source>brxW already runs with %1 (%2); its window is brought forward, but it does not connect %3 while one of its dialogs is open. Close the dialog and choose %3 in its Connect menu.
</source>
        <translation>brxW tourne déjà avec %1 (%2)&#xa0;; sa fenêtre est mise au premier plan, mais il ne se connecte pas à %3 tant qu&apos;une de ses boîtes de dialogue est ouverte. Fermez-la et choisissez %3 dans son menu Connexion.
</translation>
    </message>
    <message>
        <source>BrxW.ini copied from %1 to %2; the original is unchanged.</source>
        <translation>BrxW.ini copié de %1 vers %2&#xa0;; l&apos;original n&apos;est pas modifié.</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3.</source>
        <translation>Impossible de copier %1 vers %2&#xa0;: %3.</translation>
    </message>
</context>
<context>
    <name>brxw::Screenshots</name>
    <message>
        <source>Hello Anna,

yes, I will be there on Saturday, and I will bring the antenna for the club station.

73, Q0QQQ
</source>
        <translation>Bonjour Anna,

oui, je serai là samedi, et j&apos;apporterai l&apos;antenne pour la station du club.

73, Q0QQQ
</translation>
    </message>
</context>
<context>
    <name>brxw::SocketErrors</name>
    <message>
        <source>Interrupted system call</source>
        <translation>Appel système interrompu</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>Numéro de fichier incorrect</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Adresse incorrecte</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argument non valide</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>Operation would block</source>
        <translation>L&apos;opération bloquerait</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>Opération en cours</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>Opération déjà en cours</translation>
    </message>
    <message>
        <source>Socket operation on non-socket</source>
        <translation>Opération de socket sur un objet qui n&apos;est pas un socket</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>Adresse de destination requise</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>Message trop long</translation>
    </message>
    <message>
        <source>Protocol is wrong type for socket</source>
        <translation>Type de protocole incorrect pour le socket</translation>
    </message>
    <message>
        <source>Bad protocol option</source>
        <translation>Option de protocole incorrecte</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>Protocole non pris en charge</translation>
    </message>
    <message>
        <source>Socket type not supported</source>
        <translation>Type de socket non pris en charge</translation>
    </message>
    <message>
        <source>Operation not supported on socket</source>
        <translation>Opération non prise en charge sur le socket</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>Famille de protocoles non prise en charge</translation>
    </message>
    <message>
        <source>Address family not supported by protocol family</source>
        <translation>Famille d&apos;adresses non prise en charge par la famille de protocoles</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>Adresse déjà utilisée</translation>
    </message>
    <message>
        <source>Can&apos;t assign requested address</source>
        <translation>Impossible d&apos;attribuer l&apos;adresse demandée</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>Le réseau est hors service</translation>
    </message>
    <message>
        <source>ICMP network unreachable</source>
        <translation>ICMP&#xa0;: réseau inaccessible</translation>
    </message>
    <message>
        <source>Network was reset</source>
        <translation>Le réseau a été réinitialisé</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Abandon de la connexion causé par le logiciel</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Connexion réinitialisée par le correspondant</translation>
    </message>
    <message>
        <source>No buffer space is supported</source>
        <translation>Aucun espace de tampon disponible</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>Le socket est déjà connecté</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>Le socket n&apos;est pas connecté</translation>
    </message>
    <message>
        <source>Can&apos;t send after socket shutdown</source>
        <translation>Impossible d&apos;envoyer après la fermeture du socket</translation>
    </message>
    <message>
        <source>Too many references</source>
        <translation>Trop de références</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Délai de connexion dépassé</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Connexion refusée</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Nom trop long</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>L&apos;hôte est hors service</translation>
    </message>
    <message>
        <source>Host is unreachable</source>
        <translation>L&apos;hôte est inaccessible</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Répertoire non vide</translation>
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
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>ESTALE lpszError =ed</source>
        <translation>ESTALE lpszError =ed</translation>
    </message>
    <message>
        <source>The object is remote</source>
        <translation>L&apos;objet est distant</translation>
    </message>
    <message>
        <source>System not ready</source>
        <translation>Système non prêt</translation>
    </message>
    <message>
        <source>Version is not supported</source>
        <translation>Version non prise en charge</translation>
    </message>
    <message>
        <source>Not initialized</source>
        <translation>Non initialisé</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Hôte introuvable</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Réessayez</translation>
    </message>
    <message>
        <source>Non-recoverable error</source>
        <translation>Erreur irrécupérable</translation>
    </message>
    <message>
        <source>No data record available</source>
        <translation>Aucun enregistrement de données disponible</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>brxw::SshHost</name>
    <message>
        <source>Please enter the SSH host as [user@]host[:port]: letters, digits, &apos;.&apos;, &apos;_&apos; and &apos;-&apos; only, not beginning with &apos;-&apos;, and a port between 1 and 65535.</source>
        <translation>Veuillez saisir l&apos;hôte SSH sous la forme [user@]host[:port]&#xa0;: lettres, chiffres, &apos;.&apos;, &apos;_&apos; et &apos;-&apos; seulement, sans &apos;-&apos; au début, et un port entre 1 et 65535.</translation>
    </message>
    <message>
        <source>The SSH host begins or ends with a blank: please remove it.</source>
        <translation>L&apos;hôte SSH commence ou finit par une espace&#xa0;: veuillez la supprimer.</translation>
    </message>
</context>
<context>
    <name>brxw::SshTunnel</name>
    <message>
        <source>no free local port for the forward</source>
        <translation>aucun port local libre pour la redirection</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>impossible d&apos;exécuter %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>ssh ended before the forward was open</source>
        <translation>ssh s&apos;est arrêté avant que la redirection soit ouverte</translation>
    </message>
    <message>
        <source>ssh did not open the forward within %1 seconds</source>
        <translation>ssh n&apos;a pas ouvert la redirection dans les %1 secondes</translation>
    </message>
    <message>
        <source>ssh was killed</source>
        <translation>ssh a été tué</translation>
    </message>
    <message>
        <source>ssh ended with exit code %1</source>
        <translation>ssh s&apos;est arrêté avec le code %1</translation>
    </message>
</context>
<context>
    <name>brxw::StationList</name>
    <message>
        <source>needs attention</source>
        <translation>demande attention</translation>
    </message>
    <message>
        <source>outgoing</source>
        <translation>sortant</translation>
    </message>
    <message>
        <source>Ch Callsign          Start   Time    Rt Buf C/Fwd</source>
        <translation>Ca Indicatif         Début   Temps   Rt Buf C/Fwd</translation>
    </message>
    <message>
        <source>Channel %d : %s</source>
        <translation>Canal %d&#xa0;: %s</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>brxw::TextPrint</name>
    <message>
        <source>brxW selection - %1</source>
        <translation>Sélection brxW - %1</translation>
    </message>
    <message>
        <source>dddd, MMMM dd, yyyy - HH:mm</source>
        <extracomment>The date and time in each page&apos;s footer, in Qt&apos;s date format (dddd: the day&apos;s name, MMMM: the month&apos;s, dd: day, yyyy: year, HH:mm: time).</extracomment>
        <translation>dddd dd MMMM yyyy - HH:mm</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>brxW selection</source>
        <translation>Sélection brxW</translation>
    </message>
</context>
<context>
    <name>brxw::UserFlags</name>
    <message>
        <source>Read all</source>
        <translation>Tout lire</translation>
    </message>
    <message>
        <source>Paging</source>
        <translation>Pagination</translation>
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
        <translation>Expert</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Invité</translation>
    </message>
    <message>
        <source>Excluded</source>
        <translation>Exclu</translation>
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
        <translation>Messages privés</translation>
    </message>
</context>
<context>
    <name>brxw::WindowLogs</name>
    <message>
        <source>Logging stopped: %1</source>
        <translation>Journalisation arrêtée&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Monitoring</source>
        <translation>&amp;Moniteur</translation>
    </message>
    <message>
        <source>&amp;All channels</source>
        <translation>&amp;Tous les canaux</translation>
    </message>
    <message>
        <source>Con&amp;sole</source>
        <translation>&amp;Console</translation>
    </message>
    <message>
        <source>One c&amp;hannel</source>
        <translation>Canal &amp;unique</translation>
    </message>
</context>
<context>
    <name>brxw::admin::CInputDlg</name>
    <message>
        <source>&amp;Callsign :</source>
        <translation>&amp;Indicatif&#xa0;:</translation>
    </message>
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
    <name>brxw::admin::CMessagePropertiesDlg</name>
    <message>
        <source>&amp;Msg</source>
        <translation>&amp;Message</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Données</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>D&amp;e</translation>
    </message>
    <message>
        <source>S&amp;ent</source>
        <translation>E&amp;nvoyé</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Pour</translation>
    </message>
    <message>
        <source>&amp;Received</source>
        <translation>&amp;Reçu</translation>
    </message>
    <message>
        <source>&amp;BID</source>
        <translation>&amp;BID</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>&amp;VIA</source>
        <translation>&amp;VIA</translation>
    </message>
    <message>
        <source>T&amp;itle</source>
        <translation>T&amp;itre</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>brxw::admin::CPendingForwardDlg</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>brxw::admin::CRemoteFilesDlg</name>
    <message>
        <source>Up</source>
        <translation>Remonter</translation>
    </message>
    <message>
        <source>Directory :</source>
        <translation>Répertoire&#xa0;:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>brxw::admin::CUserPropertiesDlg</name>
    <message>
        <source>Users</source>
        <translation>Utilisateurs</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Mot de passe</translation>
    </message>
    <message>
        <source>&amp;ZIP code</source>
        <translation>&amp;Code postal</translation>
    </message>
    <message>
        <source>Pri&amp;vate DIR</source>
        <translation>&amp;Répertoire privé</translation>
    </message>
    <message>
        <source>&amp;Home BBS</source>
        <translation>&amp;BBS de rattachement</translation>
    </message>
    <message>
        <source>Add &amp;user</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Del user</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>brxw::str</name>
    <message>
        <source>Resolving %s</source>
        <translation>Résolution de %s</translation>
    </message>
    <message>
        <source>Connecting %s ...</source>
        <translation>Connexion à %s ...</translation>
    </message>
    <message>
        <source>Reading the password of %s from the keyring ...</source>
        <translation>Lecture du mot de passe de %s dans le trousseau ...</translation>
    </message>
    <message>
        <source>Cannot read the password of %s from the keyring: %s</source>
        <translation>Impossible de lire le mot de passe de %s dans le trousseau&#xa0;: %s</translation>
    </message>
    <message>
        <source>no keyring service is available</source>
        <translation>aucun service de trousseau n&apos;est disponible</translation>
    </message>
    <message>
        <source>Opening SSH tunnel to %s ...</source>
        <translation>Ouverture du tunnel SSH vers %s ...</translation>
    </message>
    <message>
        <source>Cannot connect %s !</source>
        <translation>Connexion impossible à %s&#xa0;!</translation>
    </message>
    <message>
        <source>Sending options...</source>
        <translation>Envoi des options...</translation>
    </message>
    <message>
        <source>Authentication in progress ...</source>
        <translation>Authentification en cours ...</translation>
    </message>
    <message>
        <source>Initializing ...</source>
        <translation>Initialisation ...</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Will reconnect %s</source>
        <translation>Nouvelle connexion à %s</translation>
    </message>
    <message>
        <source>%s Connected station(s)</source>
        <translation>%s station(s) connectée(s)</translation>
    </message>
    <message>
        <source>Running                                </source>
        <translation>En service                             </translation>
    </message>
    <message>
        <source>brxW - not connected</source>
        <translation>brxW - non connecté</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Error establishing connection</source>
        <translation>Erreur lors de l&apos;établissement de la connexion</translation>
    </message>
    <message>
        <source>Error retrieving host information</source>
        <translation>Erreur lors de l&apos;obtention des informations sur l&apos;hôte</translation>
    </message>
    <message>
        <source>Connection closed</source>
        <translation>Connexion fermée</translation>
    </message>
    <message>
        <source>Cannot find %s in configuration</source>
        <translation>%s est introuvable dans la configuration</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>Cannot write the received file %s:
%s</source>
        <translation>Impossible d&apos;écrire le fichier reçu %s&#xa0;:
%s</translation>
    </message>
    <message>
        <source>%s in %d s</source>
        <translation>%s dans %d s</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <translation>%s&#xa0;: %s</translation>
    </message>
</context>
</TS>
