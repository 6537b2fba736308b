<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>brxw::AdminText</name>
    <message>
        <source>Message properties</source>
        <translation>Propiedades del mensaje</translation>
    </message>
    <message>
        <source>User properties</source>
        <translation>Propiedades del usuario</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Add user</source>
        <translation>Añadir usuario</translation>
    </message>
    <message>
        <source>Pending forward</source>
        <translation>Reenvío pendiente</translation>
    </message>
    <message>
        <source>Remote files</source>
        <translation>Archivos de la BBS</translation>
    </message>
    <message>
        <source>Callsign %s already exists</source>
        <translation>El indicativo %s ya existe</translation>
    </message>
    <message>
        <source>No user is selected.</source>
        <translation>No hay ningún usuario seleccionado.</translation>
    </message>
    <message>
        <source>No message is selected.</source>
        <translation>No hay ningún mensaje seleccionado.</translation>
    </message>
    <message>
        <source>Invalid callsign</source>
        <translation>Indicativo no válido</translation>
    </message>
    <message>
        <source>No forwards are pending.</source>
        <translation>No hay ningún reenvío pendiente.</translation>
    </message>
    <message>
        <source>This directory is empty.</source>
        <translation>Este directorio está vacío.</translation>
    </message>
    <message>
        <source>Not connected to the BBS: &quot;%s&quot; was not sent.</source>
        <translation>Sin conexión con la BBS: &quot;%s&quot; no se ha enviado.</translation>
    </message>
    <message>
        <source>The key &quot;%s&quot; is longer than %zu characters and cannot be requested.</source>
        <translation>La clave &quot;%s&quot; tiene más de %zu caracteres y no se puede solicitar.</translation>
    </message>
    <message>
        <source>The record would take %zu bytes, more than the %zu that one request can carry.
Shorten its texts; nothing was sent.</source>
        <translation>El registro ocuparía %zu bytes, más que los %zu que admite una petición.
Acorte sus textos; no se ha enviado nada.</translation>
    </message>
    <message>
        <source>Field %d holds a line break, which would split the record.
Nothing was sent.</source>
        <translation>El campo %d contiene un salto de línea, que partiría el registro.
No se ha enviado nada.</translation>
    </message>
    <message>
        <source>The %s box does not hold a date (day-month-year hour:minute): &quot;%s&quot;.
Nothing was sent.</source>
        <translation>El campo %s no contiene una fecha (día-mes-año hora:minuto): &quot;%s&quot;.
No se ha enviado nada.</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Recibido</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>The path %s is longer than %zu characters and cannot be requested.</source>
        <translation>La ruta %s tiene más de %zu caracteres y no se puede solicitar.</translation>
    </message>
    <message>
        <source>Asking the BBS for the listing of %s ...</source>
        <translation>Pidiendo a la BBS la lista de %s ...</translation>
    </message>
    <message>
        <source>The BBS sent no listing of %s: it may not exist, or the BBS refused it.</source>
        <translation>La BBS no ha enviado ninguna lista de %s: puede que el directorio no exista o que la BBS haya rechazado la petición.</translation>
    </message>
    <message>
        <source>The link to the BBS was lost before the listing of %s came. Nothing can be opened until brxW has logged in again.</source>
        <translation>Se ha perdido el enlace con la BBS antes de que llegara la lista de %s. No se puede abrir nada hasta que brxW haya vuelto a iniciar sesión.</translation>
    </message>
    <message>
        <source>The link to the BBS was lost. Nothing can be opened until brxW has logged in again.</source>
        <translation>Se ha perdido el enlace con la BBS. No se puede abrir nada hasta que brxW haya vuelto a iniciar sesión.</translation>
    </message>
    <message>
        <source>Fetching %s from the BBS ...</source>
        <translation>Obteniendo %s de la BBS ...</translation>
    </message>
    <message>
        <source>The BBS sent no file %s: it may not exist, or the BBS refused it.</source>
        <translation>La BBS no ha enviado el archivo %s: puede que no exista o que la BBS haya rechazado la petición.</translation>
    </message>
    <message>
        <source>The link to the BBS was lost before %s came. Nothing can be opened until brxW has logged in again.</source>
        <translation>Se ha perdido el enlace con la BBS antes de que llegara %s. No se puede abrir nada hasta que brxW haya vuelto a iniciar sesión.</translation>
    </message>
    <message>
        <source>Logged in again: the list starts again from the root.</source>
        <translation>Sesión iniciada de nuevo: la lista vuelve a empezar por la raíz.</translation>
    </message>
    <message>
        <source>The record was sent, but it could not be kept in the log of records written:
%s</source>
        <translation>El registro se ha enviado, pero no se ha podido guardar en el historial de registros escritos:
%s</translation>
    </message>
</context>
<context>
    <name>brxw::Alerts</name>
    <message>
        <source>The regular expression is empty.</source>
        <translation>La expresión regular está vacía.</translation>
    </message>
    <message>
        <source>There is no word to look for.</source>
        <translation>No hay ninguna palabra que buscar.</translation>
    </message>
    <message>
        <source>Not a valid regular expression: %1 (at character %2).</source>
        <translation>Expresión regular no válida: %1 (en el carácter %2).</translation>
    </message>
    <message>
        <source>The regular expression matches an empty text, so every line would raise an alert.</source>
        <translation>La expresión regular coincide con un texto vacío, así que cada línea generaría una alerta.</translation>
    </message>
    <message>
        <source>Alert: %1</source>
        <translation>Alerta: %1</translation>
    </message>
    <message>
        <source>Alert: %1 more, the last: %2</source>
        <translation>Alerta: %1 más, la última: %2</translation>
    </message>
    <message>
        <source>%1 connected on channel %2</source>
        <translation>%1 conectado en el canal %2</translation>
    </message>
    <message>
        <source>monitoring</source>
        <translation>monitor</translation>
    </message>
    <message>
        <source>console</source>
        <translation>consola</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>canal %1</translation>
    </message>
    <message>
        <source>a test of the alerts</source>
        <translation>una prueba de las alertas</translation>
    </message>
</context>
<context>
    <name>brxw::AppConfig</name>
    <message>
        <source>%1 Every profile shows its defaults, none connects by itself, and no setting can be saved.</source>
        <translation>%1 Todos los perfiles muestran sus valores predeterminados, ninguno se conecta solo y no se puede guardar ningún ajuste.</translation>
    </message>
</context>
<context>
    <name>brxw::CAboutDlg</name>
    <message>
        <source>About brxW</source>
        <translation>Acerca de brxW</translation>
    </message>
    <message>
        <source>&lt;b&gt;brxW&lt;/b&gt; version %1</source>
        <translation>&lt;b&gt;brxW&lt;/b&gt; versión %1</translation>
    </message>
    <message>
        <source>Remote console for a packet-radio BBS</source>
        <translation>Consola remota para una BBS de packet radio</translation>
    </message>
    <message>
        <source>Copyright © 2026 the brxW authors</source>
        <translation>Copyright © 2026 los autores de brxW</translation>
    </message>
</context>
<context>
    <name>brxw::CAlertsNotifier</name>
    <message>
        <source>no desktop session bus</source>
        <translation>no hay bus de sesión del escritorio</translation>
    </message>
    <message>
        <source>no notification service and no system tray</source>
        <translation>ni servicio de notificaciones ni bandeja del sistema</translation>
    </message>
    <message>
        <source>(no desktop notification: %1)</source>
        <translation>(sin notificación en el escritorio: %1)</translation>
    </message>
</context>
<context>
    <name>brxw::CAlertsPage</name>
    <message>
        <source>&amp;Any station connects</source>
        <translation>C&amp;ualquier estación se conecta</translation>
    </message>
    <message>
        <source>One of these &amp;stations connects:</source>
        <translation>Se conecta una de estas &amp;estaciones:</translation>
    </message>
    <message>
        <source>Ring the &amp;bell</source>
        <translation>Emitir un &amp;pitido</translation>
    </message>
    <message>
        <source>Desktop &amp;notification</source>
        <translation>&amp;Notificación en el escritorio</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>P&amp;robar</translation>
    </message>
    <message>
        <source>&amp;Monitoring or channel traffic contains:</source>
        <translation>El tráfico del &amp;monitor o de canal contiene:</translation>
    </message>
    <message>
        <source>Stations whose connection raises an alert</source>
        <translation>Estaciones cuya conexión genera una alerta</translation>
    </message>
    <message>
        <source>Text in monitoring or channel traffic that raises an alert</source>
        <translation>Texto del tráfico del monitor o de canal que genera una alerta</translation>
    </message>
    <message>
        <source>Text in a console line that raises an alert</source>
        <translation>Texto de una línea de consola que genera una alerta</translation>
    </message>
    <message>
        <source>Calls separated by blanks or commas; Q1ABC stands for all its SSIDs, Q1ABC-7 for that one only.</source>
        <translation>Indicativos separados por espacios o comas; Q1ABC vale para todos sus SSID, Q1ABC-7 solo para ese.</translation>
    </message>
    <message>
        <source>Alert when</source>
        <translation>Alertar cuando</translation>
    </message>
    <message>
        <source>Besides a line in the status bar</source>
        <translation>Además de una línea en la barra de estado</translation>
    </message>
    <message>
        <source>Of each kind at most one alert in %1 seconds; what matches meanwhile is summed up when they are over. Stations listed at login raise none.</source>
        <translation>Como mucho una alerta de cada tipo en %1 segundos; lo que coincida mientras tanto se resume al terminar. Las estaciones listadas al iniciar sesión no generan ninguna.</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Expresión regular</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Distinguir mayúsculas</translation>
    </message>
    <message>
        <source>It holds characters that the Windows code page lacks.</source>
        <translation>Contiene caracteres que no tiene la página de códigos de Windows.</translation>
    </message>
    <message>
        <source>A regular expression.</source>
        <translation>Una expresión regular.</translation>
    </message>
    <message>
        <source>Words separated by commas: any of them.</source>
        <translation>Palabras separadas por comas: cualquiera de ellas.</translation>
    </message>
    <message>
        <source>A valid regular expression.</source>
        <translation>Una expresión regular válida.</translation>
    </message>
    <message>
        <source>Any of these words (separated by commas) raises it.</source>
        <translation>Cualquiera de estas palabras (separadas por comas) la genera.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Enter the callsigns of the stations to watch for.</source>
        <translation>Introduzca los indicativos de las estaciones que vigilar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a callsign: letters and digits, optionally followed by - and an SSID of 0 to 15.</source>
        <translation>&quot;%1&quot; no es un indicativo: letras y cifras, seguidas opcionalmente de - y un SSID de 0 a 15.</translation>
    </message>
    <message>
        <source>The pattern holds characters that the Windows code page lacks.</source>
        <translation>El patrón contiene caracteres que no tiene la página de códigos de Windows.</translation>
    </message>
    <message>
        <source>A console &amp;line contains:</source>
        <translation>Una línea de c&amp;onsola contiene:</translation>
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
        <translation>Enviar mensaje</translation>
    </message>
    <message>
        <source>Upload document</source>
        <translation>Subir documento</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 is too large to edit.</source>
        <translation>%1 es demasiado grande para editarlo.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>Unexpected end of file while reading %1.</source>
        <translation>Fin de archivo inesperado al leer %1.</translation>
    </message>
    <message>
        <source>%1 No diagnostic dump is written.</source>
        <translation>%1 No se escribe ningún volcado de diagnóstico.</translation>
    </message>
    <message>
        <source>%1 The text you were editing stays in the editor; %2, which arrived, was not opened.</source>
        <translation>%1 El texto que estaba editando sigue en el editor; %2, que ha llegado, no se ha abierto.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source> The message was not sent.</source>
        <translation> El mensaje no se ha enviado.</translation>
    </message>
    <message>
        <source>The message was not sent: not connected, or the connection that asked for it was lost.</source>
        <translation>El mensaje no se ha enviado: no hay conexión, o se ha perdido la conexión que lo pidió.</translation>
    </message>
    <message>
        <source> The document was not uploaded.</source>
        <translation> El documento no se ha subido.</translation>
    </message>
    <message>
        <source>This document was not fetched from the BBS, so there is no file there to replace: nothing was uploaded. The text is kept in %1.</source>
        <translation>Este documento no se obtuvo de la BBS, así que allí no hay ningún archivo que sustituir: no se ha subido nada. El texto se conserva en %1.</translation>
    </message>
    <message>
        <source>Not connected to the session that %1 was fetched from: nothing was uploaded. The text is kept in %2.</source>
        <translation>Sin conexión con la sesión de la que se obtuvo %1: no se ha subido nada. El texto se conserva en %2.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>No se puede crear %1: %2.</translation>
    </message>
    <message>
        <source>%1 It was sent, but no copy of it is kept.</source>
        <translation>%1 El texto se ha enviado, pero no se conserva ninguna copia.</translation>
    </message>
</context>
<context>
    <name>brxw::CCharsetPage</name>
    <message>
        <source>United States</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>Western Europe</source>
        <translation>Europa occidental</translation>
    </message>
    <message>
        <source>Central Europe</source>
        <translation>Europa central</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirílico</translation>
    </message>
    <message>
        <source>With &quot;DOS charset&quot; chosen in Settings, the server&apos;s text is read in the DOS code page and shown in the Windows code page. With &quot;ANSI charset&quot; it is read and shown in the Windows code page.</source>
        <translation>Con &quot;Juego de caracteres DOS&quot; elegido en Ajustes, el texto del servidor se lee en la página de códigos DOS y se muestra en la página de códigos de Windows. Con &quot;Juego de caracteres ANSI&quot; se lee y se muestra en la página de códigos de Windows.</translation>
    </message>
    <message>
        <source>Connection &amp;profile:</source>
        <translation>&amp;Perfil de conexión:</translation>
    </message>
    <message>
        <source>&amp;DOS code page:</source>
        <translation>Página de códigos &amp;DOS:</translation>
    </message>
    <message>
        <source>&amp;Windows code page:</source>
        <translation>Página de códigos &amp;Windows:</translation>
    </message>
    <message>
        <source>Server&apos;s text:</source>
        <translation>Texto del servidor:</translation>
    </message>
    <message>
        <source>Its letters:</source>
        <translation>Sus letras:</translation>
    </message>
    <message>
        <source>code page %1 (%2 charset chosen in Settings)</source>
        <translation>página de códigos %1 (juego de caracteres %2 elegido en Ajustes)</translation>
    </message>
    <message>
        <source>(%1 of them the Windows code page lacks: shown as look-alikes)</source>
        <translation>(a la página de códigos de Windows le faltan %1: se muestran con caracteres parecidos)</translation>
    </message>
</context>
<context>
    <name>brxw::CColoursPage</name>
    <message>
        <source>Colour code 0 (navy): console text</source>
        <translation>Código de color 0 (azul marino): texto de la consola</translation>
    </message>
    <message>
        <source>Colour code 1 (maroon)</source>
        <translation>Código de color 1 (granate)</translation>
    </message>
    <message>
        <source>Colour code 2 and 3 (green): [ -- Channel changed to 3 -- ]</source>
        <translation>Códigos de color 2 y 3 (verde): [ -- Cambio al canal 3 -- ]</translation>
    </message>
    <message>
        <source>Colour code 4 (blue)</source>
        <translation>Código de color 4 (azul)</translation>
    </message>
    <message>
        <source>Colour code 5 (teal)</source>
        <translation>Código de color 5 (verde azulado)</translation>
    </message>
    <message>
        <source>Colour code 6 (yellow)</source>
        <translation>Código de color 6 (amarillo)</translation>
    </message>
    <message>
        <source>Colour code 7 (black)</source>
        <translation>Código de color 7 (negro)</translation>
    </message>
    <message>
        <source>Colour code 9 (olive)</source>
        <translation>Código de color 9 (oliva)</translation>
    </message>
    <message>
        <source>Any other code (white)</source>
        <translation>Cualquier otro código (blanco)</translation>
    </message>
    <message>
        <source>A command you typed, echoed</source>
        <translation>Una orden escrita, en eco</translation>
    </message>
    <message>
        <source>Why the link went down</source>
        <translation>Por qué se cortó el enlace</translation>
    </message>
    <message>
        <source>Sample of the colours</source>
        <translation>Muestra de los colores</translation>
    </message>
    <message>
        <source>Selected text</source>
        <translation>Texto seleccionado</translation>
    </message>
    <message>
        <source>Colour scheme</source>
        <translation>Esquema de colores</translation>
    </message>
    <message>
        <source>&amp;High contrast (light)</source>
        <translation>Al&amp;to contraste (claro)</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Oscuro</translation>
    </message>
    <message>
        <source>Classic shows the traffic in the server&apos;s own colours on white. The other two give every colour at least 4.5:1 contrast against its background, and colour the station list, the counters and the program&apos;s windows to match.</source>
        <translation>Clásico muestra el tráfico con los colores propios del servidor sobre blanco. Los otros dos dan a cada color un contraste de al menos 4,5:1 con su fondo y colorean a juego la lista de estaciones, los contadores y las ventanas del programa.</translation>
    </message>
    <message>
        <source>Text windows</source>
        <translation>Ventanas de texto</translation>
    </message>
    <message>
        <source>C&amp;lassic</source>
        <translation>C&amp;lásico</translation>
    </message>
</context>
<context>
    <name>brxw::CConnectionLogDlg</name>
    <message>
        <source>Connection log</source>
        <translation>Registro de conexiones</translation>
    </message>
    <message>
        <source>Connection log entries</source>
        <translation>Entradas del registro de conexiones</translation>
    </message>
</context>
<context>
    <name>brxw::CConsoleDlg</name>
    <message>
        <source>Console</source>
        <translation>Consola</translation>
    </message>
    <message>
        <source>Console input</source>
        <translation>Entrada de la consola</translation>
    </message>
</context>
<context>
    <name>brxw::CControlPanel</name>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>The configuration could not be written. %1</source>
        <translation>No se pudo guardar la configuración. %1</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
    <message>
        <source>The user guide was not found. It was looked for in:
%1</source>
        <translation>No se encontró la guía del usuario. Se buscó en:
%1</translation>
    </message>
    <message>
        <source>The user guide %1 could not be opened: the desktop has no browser or viewer for it. Open it in a browser yourself.</source>
        <translation>No se pudo abrir la guía del usuario %1: el escritorio no tiene navegador ni visor para ella. Ábrala usted mismo en un navegador.</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>&amp;Console	F2</source>
        <translation>&amp;Consola	F2</translation>
    </message>
    <message>
        <source>&amp;Monitoring	F5</source>
        <translation>&amp;Monitor	F5</translation>
    </message>
    <message>
        <source>&amp;All channels	F6</source>
        <translation>&amp;Todos los canales	F6</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Conectar</translation>
    </message>
    <message>
        <source>Remote &amp;%1</source>
        <translation>Remote &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Desconectar</translation>
    </message>
    <message>
        <source>Connection &amp;log</source>
        <translation>&amp;Registro de conexiones</translation>
    </message>
    <message>
        <source>C&amp;onfig</source>
        <translation>C&amp;onfiguración</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Opc&amp;iones</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Copyright</source>
        <translation>&amp;Copyright</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>%1, key %2</source>
        <translation>%1, tecla %2</translation>
    </message>
    <message>
        <source>Character set</source>
        <translation>Juego de caracteres</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alertas</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>&amp;One channel</source>
        <translation>Canal ú&amp;nico</translation>
    </message>
    <message>
        <source>&amp;Immediate disconnect</source>
        <translation>Desconexión &amp;inmediata</translation>
    </message>
    <message>
        <source>Disconnect %1 ?</source>
        <translation>¿Desconectar %1?</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconexión</translation>
    </message>
    <message>
        <source>&amp;Exit	Alt+F4</source>
        <translation>&amp;Salir	Alt+F4</translation>
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
        <translation>brxW © 2026 los autores de brxW.</translation>
    </message>
    <message>
        <source>brxW is free software: you may use it for any purpose, study and change it, and pass it on, changed or not, under the terms of the GNU General Public License as published by the Free Software Foundation, version 3 of the License or (at your choice) any later version. Whoever passes it on must pass on its source code under the same terms.</source>
        <translation>brxW es software libre: puede usarlo con cualquier fin, estudiarlo y modificarlo, y redistribuirlo, modificado o no, según los términos de la Licencia Pública General de GNU (GNU General Public License) publicada por la Free Software Foundation, versión 3 de la Licencia o (a su elección) cualquier versión posterior. Quien lo redistribuya debe redistribuir su código fuente en los mismos términos.</translation>
    </message>
    <message>
        <source>brxW comes with no warranty at all, not even that it is fit for sale or for a particular purpose. The full licence is in /usr/share/common-licenses/GPL-3 on Debian, and at https://www.gnu.org/licenses/.</source>
        <translation>brxW se distribuye sin ninguna garantía, ni siquiera la de comerciabilidad o idoneidad para un fin determinado. El texto completo de la licencia está en /usr/share/common-licenses/GPL-3 en Debian y en https://www.gnu.org/licenses/.</translation>
    </message>
</context>
<context>
    <name>brxw::CFindBar</name>
    <message>
        <source>Match case</source>
        <translation>Distinguir mayúsculas</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Highlight all</source>
        <translation>Resaltar todo</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Texto que buscar</translation>
    </message>
    <message>
        <source>Next match (Enter, F3)</source>
        <translation>Siguiente coincidencia (Intro, F3)</translation>
    </message>
    <message>
        <source>Previous match (Shift+Enter, Shift+F3)</source>
        <translation>Coincidencia anterior (Mayús+Intro, Mayús+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Cerrar (Esc)</translation>
    </message>
    <message>
        <source>Close find bar</source>
        <translation>Cerrar la barra de búsqueda</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>Wrapped</source>
        <extracomment>The search passed the newest line and went on from the oldest, or the other way round (Previous): the same text for both.</extracomment>
        <translation>Sigue por el otro extremo</translation>
    </message>
</context>
<context>
    <name>brxw::CLoggingPage</name>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>The &amp;window&apos;s character set</source>
        <translation>Juego de caracteres de la &amp;ventana</translation>
    </message>
    <message>
        <source>&amp;UTF-8</source>
        <translation>UTF-&amp;8</translation>
    </message>
    <message>
        <source>Log to file</source>
        <translation>Registrar en archivo</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>Ca&amp;rpeta:</translation>
    </message>
    <message>
        <source>One file per window and day, named after the profile, the window and the date, such as %1.
Each line begins with the time it arrived.</source>
        <translation>Un archivo por ventana y día, con el nombre del perfil, la ventana y la fecha, por ejemplo %1.
Cada línea empieza con la hora en que llegó.</translation>
    </message>
    <message>
        <source>Character set of the files:</source>
        <translation>Juego de caracteres de los archivos:</translation>
    </message>
    <message>
        <source>Log folder</source>
        <translation>Carpeta de registros</translation>
    </message>
    <message>
        <source>Please give the folder&apos;s whole path, such as %1.</source>
        <translation>Indique la ruta completa de la carpeta, por ejemplo %1.</translation>
    </message>
    <message>
        <source>The folder&apos;s name has characters that BrxW.ini cannot keep. Please choose another folder.</source>
        <translation>El nombre de la carpeta tiene caracteres que BrxW.ini no puede guardar. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>The folder&apos;s name is too long: BrxW.ini keeps at most %1 characters.</source>
        <translation>El nombre de la carpeta es demasiado largo: BrxW.ini guarda como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>Files cannot be written in the folder %1: %2.</source>
        <translation>No se pueden escribir archivos en la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
</context>
<context>
    <name>brxw::CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>MAJ</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>DEF</source>
        <translation>DESPL</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Guardar	Ctrl+S</translation>
    </message>
    <message>
        <source>Saves the document</source>
        <translation>Guarda el documento</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
    <message>
        <source>Prints the document</source>
        <translation>Imprime el documento</translation>
    </message>
    <message>
        <source>Print pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Shows the document as it will be printed</source>
        <translation>Muestra el documento tal como se imprimirá</translation>
    </message>
    <message>
        <source>Print se&amp;tup...</source>
        <translation>&amp;Configurar impresión...</translation>
    </message>
    <message>
        <source>Changes the printer and the page</source>
        <translation>Cambia la impresora y la página</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Hands the document back and closes the editor</source>
        <translation>Devuelve el documento y cierra el editor</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Creates a new document</source>
        <translation>Crea un documento nuevo</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Opens an existing document</source>
        <translation>Abre un documento existente</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Deshacer	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undoes the last action</source>
        <translation>Deshace la última acción</translation>
    </message>
    <message>
        <source>&amp;Cut	Ctrl+X</source>
        <translation>Cor&amp;tar	Ctrl+X</translation>
    </message>
    <message>
        <source>Cuts the selection and puts it on the clipboard</source>
        <translation>Corta la selección y la pone en el portapapeles</translation>
    </message>
    <message>
        <source>C&amp;opy	Ctrl+C</source>
        <translation>&amp;Copiar	Ctrl+C</translation>
    </message>
    <message>
        <source>Copies the selection to the clipboard</source>
        <translation>Copia la selección en el portapapeles</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Pegar	Ctrl+V</translation>
    </message>
    <message>
        <source>Inserts the clipboard&apos;s contents</source>
        <translation>Inserta el contenido del portapapeles</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>Shows or hides the toolbar</source>
        <translation>Muestra u oculta la barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Shows or hides the status bar</source>
        <translation>Muestra u oculta la barra de estado</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>A new file arrived while you were editing. The text you were editing is kept in
%1</source>
        <translation>Ha llegado un archivo nuevo mientras editaba. El texto que estaba editando se conserva en
%1</translation>
    </message>
    <message>
        <source>When brxW last ended, the text you were editing could not be kept.</source>
        <translation>Al cerrarse brxW la última vez, no se pudo conservar el texto que estaba editando.</translation>
    </message>
    <message>
        <source>When brxW last ended, the text you were editing was kept in
%1</source>
        <translation>Al cerrarse brxW la última vez, el texto que estaba editando se conservó en
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
        <translation>Exploración</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Transmisión</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Recepción</translation>
    </message>
</context>
<context>
    <name>brxw::CPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Preference pages</source>
        <translation>Páginas de preferencias</translation>
    </message>
</context>
<context>
    <name>brxw::CScrolledBackBar</name>
    <message>
        <source>Scrolled back</source>
        <translation>Desplazado hacia atrás</translation>
    </message>
    <message>
        <source>End returns to the newest line</source>
        <translation>Fin vuelve a la línea más reciente</translation>
    </message>
    <message>
        <source>Back to the newest line</source>
        <translation>Volver a la línea más reciente</translation>
    </message>
    <message>
        <source>1 new line</source>
        <translation>1 línea nueva</translation>
    </message>
    <message>
        <source>%1 new lines</source>
        <translation>%1 líneas nuevas</translation>
    </message>
    <message>
        <source>End to return</source>
        <translation>Fin para volver</translation>
    </message>
</context>
<context>
    <name>brxw::CSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>ANSI charset</source>
        <translation>Juego de caracteres ANSI</translation>
    </message>
    <message>
        <source>DOS charset</source>
        <translation>Juego de caracteres DOS</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Message text editor</source>
        <translation>Editor de mensajes</translation>
    </message>
    <message>
        <source>Break long lines</source>
        <translation>Partir las líneas largas</translation>
    </message>
    <message>
        <source>Prefix replies with &gt;</source>
        <translation>Anteponer &gt; a las respuestas</translation>
    </message>
    <message>
        <source>Justify lines</source>
        <translation>Justificar las líneas</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Signature text</source>
        <translation>Texto de la firma</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The signature cannot be stored as typed: BrxW.ini holds only the Windows character set, without %1.</source>
        <translation>La firma no se puede guardar tal como está: BrxW.ini solo admite el juego de caracteres de Windows, sin %1.</translation>
    </message>
    <message>
        <source>The signature cannot be stored as typed: BrxW.ini stores each line break as \r, so the \r in the signature would come back as a line break. Write it another way, for example with a blank between \ and r.</source>
        <translation>La firma no se puede guardar tal como está: BrxW.ini guarda cada salto de línea como \r, así que el \r de la firma volvería como salto de línea. Escríbalo de otro modo, por ejemplo con un espacio entre \ y r.</translation>
    </message>
    <message>
        <source>The signature is too long: BrxW.ini gives back 79 characters of it, each line break counting as two. Shorten it by %1 characters.</source>
        <translation>La firma es demasiado larga: BrxW.ini devuelve 79 caracteres de ella, y cada salto de línea cuenta por dos. Acórtela en %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>brxw::CSetupDlg</name>
    <message>
        <source>This text cannot be stored: it holds a line break or a NUL character.</source>
        <translation>Este texto no se puede guardar: contiene un salto de línea o un carácter NUL.</translation>
    </message>
    <message>
        <source>A password that begins or ends with a blank or a quote can have no more than %d characters.</source>
        <translation>Una contraseña que empieza o termina con un espacio o unas comillas no puede tener más de %d caracteres.</translation>
    </message>
    <message>
        <source>Please enter no more than %zu characters.</source>
        <translation>Introduzca como máximo %zu caracteres.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %d and %d.</source>
        <translation>Introduzca un número entero entre %d y %d.</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Configuration name</source>
        <translation>Nombre de la configuración</translation>
    </message>
    <message>
        <source>Host name or address</source>
        <translation>Nombre de host o dirección</translation>
    </message>
    <message>
        <source>Port (default 3286)</source>
        <translation>Puerto (predeterminado 3286)</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Indicativo</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>none: direct connection</source>
        <translation>ninguno: conexión directa</translation>
    </message>
    <message>
        <source>SSH tunnel via [user@]host[:port]</source>
        <translation>Túnel SSH por [user@]host[:port]</translation>
    </message>
    <message>
        <source>Autorun connection</source>
        <translation>Conexión automática</translation>
    </message>
    <message>
        <source>Keep the password in the desktop&apos;s keyring</source>
        <translation>Guardar la contraseña en el llavero del escritorio</translation>
    </message>
    <message>
        <source>kept in the keyring; type to change</source>
        <translation>en el llavero; escriba para cambiarla</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>This brxW was built without the desktop&apos;s keyring.</source>
        <translation>Este brxW se compiló sin el llavero del escritorio.</translation>
    </message>
    <message>
        <source>A host name or address cannot hold a blank.</source>
        <translation>Un nombre de host o una dirección no puede contener espacios.</translation>
    </message>
</context>
<context>
    <name>brxw::CStationListView</name>
    <message>
        <source>Connected stations</source>
        <translation>Estaciones conectadas</translation>
    </message>
</context>
<context>
    <name>brxw::CTextWnd</name>
    <message>
        <source>Display</source>
        <translation>Área de texto</translation>
    </message>
    <message>
        <source>Scroll through the lines</source>
        <translation>Desplazarse por las líneas</translation>
    </message>
    <message>
        <source>Scroll sideways</source>
        <translation>Desplazarse de lado</translation>
    </message>
    <message>
        <source>Copy selection	Ctrl+C</source>
        <translation>Copiar la selección	Ctrl+C</translation>
    </message>
    <message>
        <source>Copies selected text to the clipboard</source>
        <translation>Copia el texto seleccionado al portapapeles</translation>
    </message>
    <message>
        <source>Print selection	Ctrl+P</source>
        <translation>Imprimir la selección	Ctrl+P</translation>
    </message>
    <message>
        <source>Sends the selected text to the default printer</source>
        <translation>Envía el texto seleccionado a la impresora predeterminada</translation>
    </message>
    <message>
        <source>Select All	Ctrl+A</source>
        <translation>Seleccionar todo	Ctrl+A</translation>
    </message>
    <message>
        <source>Selects the whole buffer</source>
        <translation>Selecciona todo el búfer</translation>
    </message>
    <message>
        <source>Log to file</source>
        <translation>Registrar en archivo</translation>
    </message>
    <message>
        <source>Writes every line of this window to a daily file</source>
        <translation>Escribe cada línea de esta ventana en un archivo diario</translation>
    </message>
    <message>
        <source>Received text. F9 reviews it line by line.</source>
        <translation>Texto recibido. F9 lo recorre línea a línea.</translation>
    </message>
</context>
<context>
    <name>brxw::CTrafficDlg</name>
    <message>
        <source>All channels</source>
        <translation>Todos los canales</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>Monitor</translation>
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
        <translation>[ -- Cambio al canal %d -- ]
</translation>
    </message>
</context>
<context>
    <name>brxw::CommandPrompt</name>
    <message>
        <source>Terminate brxW</source>
        <translation>Salir de brxW</translation>
    </message>
    <message>
        <source>Console connection
Console connection</source>
        <translation>Conexión de consola
Conexión de consola</translation>
    </message>
    <message>
        <source>Ports monitoring
Ports monitoring</source>
        <translation>Monitor de puertos
Monitor de puertos</translation>
    </message>
    <message>
        <source>All channels monitoring
All channels monitoring</source>
        <translation>Monitor de todos los canales
Monitor de todos los canales</translation>
    </message>
    <message>
        <source>One channel monitoring
Channel monitoring</source>
        <translation>Monitor de canal único
Monitor del canal</translation>
    </message>
    <message>
        <source>Disconnect channel
Disconnect</source>
        <translation>Desconectar el canal
Desconectar</translation>
    </message>
    <message>
        <source>Immediate disconnect
Immediate disconnect</source>
        <translation>Desconexión inmediata
Desconexión inmediata</translation>
    </message>
    <message>
        <source>Edit message properties
Message properties</source>
        <translation>Editar las propiedades del mensaje
Propiedades del mensaje</translation>
    </message>
    <message>
        <source>Edit user properties
User properties</source>
        <translation>Editar las propiedades del usuario
Propiedades del usuario</translation>
    </message>
    <message>
        <source>Pending forward
Pending forward</source>
        <translation>Reenvío pendiente
Reenvío pendiente</translation>
    </message>
    <message>
        <source>Open configuration file
Open file</source>
        <translation>Abrir un archivo de configuración
Abrir archivo</translation>
    </message>
    <message>
        <source>Pactor scan
Pactor scan</source>
        <translation>Exploración Pactor
Exploración Pactor</translation>
    </message>
    <message>
        <source>Pactor receive
Pactor receive</source>
        <translation>Recepción Pactor
Recepción Pactor</translation>
    </message>
    <message>
        <source>Pactor send
Pactor send</source>
        <translation>Transmisión Pactor
Transmisión Pactor</translation>
    </message>
    <message>
        <source>Connect &quot;Remote 0&quot;</source>
        <translation>Conectar con &quot;Remote 0&quot;</translation>
    </message>
    <message>
        <source>Connect &quot;Remote 1&quot;</source>
        <translation>Conectar con &quot;Remote 1&quot;</translation>
    </message>
    <message>
        <source>Connect &quot;Remote 2&quot;</source>
        <translation>Conectar con &quot;Remote 2&quot;</translation>
    </message>
    <message>
        <source>Connect &quot;Remote 3&quot;</source>
        <translation>Conectar con &quot;Remote 3&quot;</translation>
    </message>
    <message>
        <source>Close the connection</source>
        <translation>Cerrar la conexión</translation>
    </message>
    <message>
        <source>Show when the link came up and why it went down</source>
        <translation>Muestra cuándo se estableció el enlace y por qué se perdió</translation>
    </message>
    <message>
        <source>Character sets, logging to files, alerts and colours</source>
        <translation>Juegos de caracteres, registro en archivos, alertas y colores</translation>
    </message>
    <message>
        <source>Open the sysop&apos;s guide in the browser</source>
        <translation>Abrir la guía del sysop en el navegador</translation>
    </message>
    <message>
        <source>Configure &quot;Remote 0&quot;</source>
        <translation>Configurar &quot;Remote 0&quot;</translation>
    </message>
    <message>
        <source>Configure &quot;Remote 1&quot;</source>
        <translation>Configurar &quot;Remote 1&quot;</translation>
    </message>
    <message>
        <source>Configure &quot;Remote 2&quot;</source>
        <translation>Configurar &quot;Remote 2&quot;</translation>
    </message>
    <message>
        <source>Configure &quot;Remote 3&quot;</source>
        <translation>Configurar &quot;Remote 3&quot;</translation>
    </message>
</context>
<context>
    <name>brxw::ConnectionLog</name>
    <message>
        <source>Logged in</source>
        <translation>Sesión iniciada</translation>
    </message>
    <message>
        <source>Cannot connect</source>
        <translation>No se puede conectar</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Link down</source>
        <translation>Enlace perdido</translation>
    </message>
    <message>
        <source>logged in</source>
        <translation>sesión iniciada</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>el servidor cerró la conexión</translation>
    </message>
    <message>
        <source>the connection failed: %s</source>
        <translation>la conexión falló: %s</translation>
    </message>
    <message>
        <source>no data could be sent: the send timed out</source>
        <translation>no se pudieron enviar datos: se agotó el tiempo de envío</translation>
    </message>
    <message>
        <source>sending failed: %s</source>
        <translation>el envío falló: %s</translation>
    </message>
    <message>
        <source>the server announced a frame of %d bytes (at most 1020): the stream cannot be followed</source>
        <translation>el servidor anunció una trama de %d bytes (1020 como máximo): no se puede seguir el flujo</translation>
    </message>
    <message>
        <source>the connection was refused</source>
        <translation>la conexión fue rechazada</translation>
    </message>
    <message>
        <source>the connection could not be made: %s</source>
        <translation>no se pudo establecer la conexión: %s</translation>
    </message>
    <message>
        <source>the host was not found</source>
        <translation>no se encontró el host</translation>
    </message>
    <message>
        <source>the host could not be looked up: %s</source>
        <translation>no se pudo resolver el host: %s</translation>
    </message>
    <message>
        <source>the server refused the login (it closed the connection before sending anything)</source>
        <translation>el servidor rechazó el inicio de sesión (cerró la conexión antes de enviar nada)</translation>
    </message>
    <message>
        <source>disconnected by the operator</source>
        <translation>desconectado manualmente</translation>
    </message>
    <message>
        <source>the SSH tunnel could not be opened: %s</source>
        <translation>no se pudo abrir el túnel SSH: %s</translation>
    </message>
    <message>
        <source>Disconnected by the operator</source>
        <translation>Desconectado manualmente</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message>
        <source>the SSH server could not reach the BBS: %s</source>
        <translation>el servidor SSH no alcanza el BBS: %s</translation>
    </message>
    <message>
        <source>the SSH tunnel ended: %s</source>
        <translation>el túnel SSH terminó: %s</translation>
    </message>
</context>
<context>
    <name>brxw::ConnectionLogModel</name>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
</context>
<context>
    <name>brxw::Counters</name>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Used mem :	%s</source>
        <translation>Mem. usada:	%s</translation>
    </message>
    <message>
        <source>Data mem :	%s</source>
        <translation>Mem. datos:	%s</translation>
    </message>
    <message>
        <source>Disk free :	%s</source>
        <translation>Disco libre:	%s</translation>
    </message>
    <message>
        <source>Total msgs :	%d</source>
        <translation>Total:	%d</translation>
    </message>
    <message>
        <source>Held msgs :	%d</source>
        <translation>Retenidos:	%d</translation>
    </message>
    <message>
        <source>Priv msgs :	%d</source>
        <translation>Privados:	%d</translation>
    </message>
    <message>
        <source>Used mem :</source>
        <translation>Mem. usada:</translation>
    </message>
    <message>
        <source>Data mem :</source>
        <translation>Mem. datos:</translation>
    </message>
    <message>
        <source>Disk free :</source>
        <translation>Disco libre:</translation>
    </message>
    <message>
        <source>Total msgs :</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Held msgs :</source>
        <translation>Retenidos:</translation>
    </message>
    <message>
        <source>Priv msgs :</source>
        <translation>Privados:</translation>
    </message>
</context>
<context>
    <name>brxw::Dispatcher</name>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Remote console is already connected</source>
        <translation>La consola remota ya está conectada</translation>
    </message>
</context>
<context>
    <name>brxw::IniStore</name>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>el archivo no se puede leer (%1)</translation>
    </message>
    <message>
        <source>the value of %1 cannot be stored in one line</source>
        <translation>el valor de %1 no cabe en una línea</translation>
    </message>
</context>
<context>
    <name>brxw::KeyringSetup</name>
    <message>
        <source>The changes could not be written to %1.</source>
        <translation>No se pudieron escribir los cambios en %1.</translation>
    </message>
    <message>
        <source>The password stays in %1: the keyring did not take it (%2).</source>
        <translation>La contraseña sigue en %1: el llavero no la aceptó (%2).</translation>
    </message>
    <message>
        <source>The password is back in BrxW.ini, but the keyring kept its copy (%1).</source>
        <translation>La contraseña vuelve a estar en BrxW.ini, pero el llavero conservó su copia (%1).</translation>
    </message>
    <message>
        <source>The password stays in the keyring: it could not be read (%1).</source>
        <translation>La contraseña sigue en el llavero: no se pudo leer (%1).</translation>
    </message>
</context>
<context>
    <name>brxw::KeyringStore</name>
    <message>
        <source>No desktop session bus: no keyring can be reached.</source>
        <translation>No hay bus de sesión del escritorio: no se puede llegar a ningún llavero.</translation>
    </message>
    <message>
        <source>The session bus does not answer.</source>
        <translation>El bus de sesión no responde.</translation>
    </message>
    <message>
        <source>No keyring service (Secret Service) runs on the session bus.</source>
        <translation>No hay ningún servicio de llavero (Secret Service) en el bus de sesión.</translation>
    </message>
    <message>
        <source>The keyring is locked, and it was not unlocked.</source>
        <translation>El llavero está bloqueado y no se ha desbloqueado.</translation>
    </message>
    <message>
        <source>The keyring holds no password for this profile.</source>
        <translation>El llavero no contiene ninguna contraseña para este perfil.</translation>
    </message>
</context>
<context>
    <name>brxw::Main</name>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Falló la inicialización de Windows Sockets.</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>proceso %1</translation>
    </message>
    <message>
        <source>another process</source>
        <translation>otro proceso</translation>
    </message>
    <message>
        <source>brxW already runs with %1 (%2); its window is brought forward.
</source>
        <translation>brxW ya se está ejecutando con %1 (%2); su ventana pasa al primer plano.
</translation>
    </message>
    <message>
        <source>brxW already runs with %1 (%2), and two programs on one BrxW.ini would overwrite each other&apos;s settings. Use that program, or start this one with --ini and another file.

If no brxW runs, remove %3.</source>
        <translation>brxW ya se está ejecutando con %1 (%2), y dos programas con el mismo BrxW.ini sobrescribirían cada uno los ajustes del otro. Use el brxW que ya se está ejecutando o inicie este con --ini y otro archivo.

Si no hay ningún brxW en ejecución, elimine %3.</translation>
    </message>
    <message>
        <source>brxW already runs with %1 (%2); its window is brought forward and connects %3.
</source>
        <translation>brxW ya se está ejecutando con %1 (%2); su ventana pasa al primer plano y conecta %3.
</translation>
    </message>
    <message>
        <source>brxW already runs with %1 (%2); its window is brought forward, but it does not connect %3 while one of its dialogs is open. Close the dialog and choose %3 in its Connect menu.
</source>
        <translation>brxW ya se está ejecutando con %1 (%2); su ventana pasa al primer plano, pero no conecta %3 mientras uno de sus diálogos esté abierto. Cierre el diálogo y elija %3 en su menú Conectar.
</translation>
    </message>
    <message>
        <source>BrxW.ini copied from %1 to %2; the original is unchanged.</source>
        <translation>BrxW.ini copiado de %1 a %2; el original no se modifica.</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2: %3.</source>
        <translation>No se puede copiar %1 a %2: %3.</translation>
    </message>
</context>
<context>
    <name>brxw::Screenshots</name>
    <message>
        <source>Hello Anna,

yes, I will be there on Saturday, and I will bring the antenna for the club station.

73, Q0QQQ
</source>
        <translation>Hola, Anna:

sí, estaré allí el sábado y llevaré la antena para la estación del club.

73, Q0QQQ
</translation>
    </message>
</context>
<context>
    <name>brxw::SocketErrors</name>
    <message>
        <source>Interrupted system call</source>
        <translation>Llamada al sistema interrumpida</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>Número de archivo incorrecto</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Acceso denegado</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Dirección incorrecta</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento no válido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>Operation would block</source>
        <translation>La operación se bloquearía</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>Operación en curso</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>Operación ya en curso</translation>
    </message>
    <message>
        <source>Socket operation on non-socket</source>
        <translation>Operación de socket sobre algo que no es un socket</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>Se requiere una dirección de destino</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>Mensaje demasiado largo</translation>
    </message>
    <message>
        <source>Protocol is wrong type for socket</source>
        <translation>Tipo de protocolo incorrecto para el socket</translation>
    </message>
    <message>
        <source>Bad protocol option</source>
        <translation>Opción de protocolo incorrecta</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>Protocolo no admitido</translation>
    </message>
    <message>
        <source>Socket type not supported</source>
        <translation>Tipo de socket no admitido</translation>
    </message>
    <message>
        <source>Operation not supported on socket</source>
        <translation>Operación no admitida en el socket</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>Familia de protocolos no admitida</translation>
    </message>
    <message>
        <source>Address family not supported by protocol family</source>
        <translation>Familia de direcciones no admitida por la familia de protocolos</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>La dirección ya está en uso</translation>
    </message>
    <message>
        <source>Can&apos;t assign requested address</source>
        <translation>No se puede asignar la dirección solicitada</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>La red no está disponible</translation>
    </message>
    <message>
        <source>ICMP network unreachable</source>
        <translation>ICMP: red inaccesible</translation>
    </message>
    <message>
        <source>Network was reset</source>
        <translation>La red se reinició</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Conexión interrumpida por el software</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Conexión reiniciada por el otro extremo</translation>
    </message>
    <message>
        <source>No buffer space is supported</source>
        <translation>No hay espacio de búfer disponible</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>El socket ya está conectado</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>El socket no está conectado</translation>
    </message>
    <message>
        <source>Can&apos;t send after socket shutdown</source>
        <translation>No se puede enviar después de cerrar el socket</translation>
    </message>
    <message>
        <source>Too many references</source>
        <translation>Demasiadas referencias</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Se agotó el tiempo de conexión</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Conexión rechazada</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Nombre demasiado largo</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>El host no está activo</translation>
    </message>
    <message>
        <source>Host is unreachable</source>
        <translation>El host es inaccesible</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>El directorio no está vacío</translation>
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
        <translation>Cuota de disco superada</translation>
    </message>
    <message>
        <source>ESTALE lpszError =ed</source>
        <translation>ESTALE lpszError =ed</translation>
    </message>
    <message>
        <source>The object is remote</source>
        <translation>El objeto es remoto</translation>
    </message>
    <message>
        <source>System not ready</source>
        <translation>El sistema no está listo</translation>
    </message>
    <message>
        <source>Version is not supported</source>
        <translation>Versión no admitida</translation>
    </message>
    <message>
        <source>Not initialized</source>
        <translation>No inicializado</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Host no encontrado</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Vuelva a intentarlo</translation>
    </message>
    <message>
        <source>Non-recoverable error</source>
        <translation>Error irrecuperable</translation>
    </message>
    <message>
        <source>No data record available</source>
        <translation>No hay ningún registro de datos disponible</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>brxw::SshHost</name>
    <message>
        <source>Please enter the SSH host as [user@]host[:port]: letters, digits, &apos;.&apos;, &apos;_&apos; and &apos;-&apos; only, not beginning with &apos;-&apos;, and a port between 1 and 65535.</source>
        <translation>Introduzca el host SSH como [user@]host[:port]: solo letras, cifras, &apos;.&apos;, &apos;_&apos; y &apos;-&apos;, sin empezar por &apos;-&apos;, y un puerto entre 1 y 65535.</translation>
    </message>
    <message>
        <source>The SSH host begins or ends with a blank: please remove it.</source>
        <translation>El host SSH empieza o termina con un espacio: quítelo.</translation>
    </message>
</context>
<context>
    <name>brxw::SshTunnel</name>
    <message>
        <source>no free local port for the forward</source>
        <translation>no hay ningún puerto local libre para la redirección</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>no se puede ejecutar %1: %2</translation>
    </message>
    <message>
        <source>ssh ended before the forward was open</source>
        <translation>ssh terminó antes de que la redirección estuviera abierta</translation>
    </message>
    <message>
        <source>ssh did not open the forward within %1 seconds</source>
        <translation>ssh no abrió la redirección en %1 segundos</translation>
    </message>
    <message>
        <source>ssh was killed</source>
        <translation>ssh fue terminado a la fuerza</translation>
    </message>
    <message>
        <source>ssh ended with exit code %1</source>
        <translation>ssh terminó con el código %1</translation>
    </message>
</context>
<context>
    <name>brxw::StationList</name>
    <message>
        <source>needs attention</source>
        <translation>requiere atención</translation>
    </message>
    <message>
        <source>outgoing</source>
        <translation>saliente</translation>
    </message>
    <message>
        <source>Ch Callsign          Start   Time    Rt Buf C/Fwd</source>
        <translation>Ca Indicativo        Inicio  Tiempo  Rt Buf C/Fwd</translation>
    </message>
    <message>
        <source>Channel %d : %s</source>
        <translation>Canal %d: %s</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>brxw::TextPrint</name>
    <message>
        <source>brxW selection - %1</source>
        <translation>Selección de brxW - %1</translation>
    </message>
    <message>
        <source>dddd, MMMM dd, yyyy - HH:mm</source>
        <extracomment>The date and time in each page&apos;s footer, in Qt&apos;s date format (dddd: the day&apos;s name, MMMM: the month&apos;s, dd: day, yyyy: year, HH:mm: time).</extracomment>
        <translation>dddd, dd &apos;de&apos; MMMM &apos;de&apos; yyyy - HH:mm</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>brxW selection</source>
        <translation>Selección de brxW</translation>
    </message>
</context>
<context>
    <name>brxw::UserFlags</name>
    <message>
        <source>Read all</source>
        <translation>Leer todo</translation>
    </message>
    <message>
        <source>Paging</source>
        <translation>Paginación</translation>
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
        <translation>Experto</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Invitado</translation>
    </message>
    <message>
        <source>Excluded</source>
        <translation>Excluido</translation>
    </message>
    <message>
        <source>Modem/Telnet</source>
        <translation>Módem/Telnet</translation>
    </message>
    <message>
        <source>Unprotoes</source>
        <translation>Unproto</translation>
    </message>
    <message>
        <source>Private Msgs</source>
        <translation>Mensajes privados</translation>
    </message>
</context>
<context>
    <name>brxw::WindowLogs</name>
    <message>
        <source>Logging stopped: %1</source>
        <translation>Registro detenido: %1</translation>
    </message>
    <message>
        <source>&amp;Monitoring</source>
        <translation>&amp;Monitor</translation>
    </message>
    <message>
        <source>&amp;All channels</source>
        <translation>&amp;Todos los canales</translation>
    </message>
    <message>
        <source>Con&amp;sole</source>
        <translation>C&amp;onsola</translation>
    </message>
    <message>
        <source>One c&amp;hannel</source>
        <translation>Canal ú&amp;nico</translation>
    </message>
</context>
<context>
    <name>brxw::admin::CInputDlg</name>
    <message>
        <source>&amp;Callsign :</source>
        <translation>&amp;Indicativo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>brxw::admin::CMessagePropertiesDlg</name>
    <message>
        <source>&amp;Msg</source>
        <translation>&amp;Mensaje</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Datos</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>D&amp;e</translation>
    </message>
    <message>
        <source>S&amp;ent</source>
        <translation>E&amp;nviado</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Para</translation>
    </message>
    <message>
        <source>&amp;Received</source>
        <translation>&amp;Recibido</translation>
    </message>
    <message>
        <source>&amp;BID</source>
        <translation>&amp;BID</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>&amp;VIA</source>
        <translation>&amp;VIA</translation>
    </message>
    <message>
        <source>T&amp;itle</source>
        <translation>Tít&amp;ulo</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>brxw::admin::CPendingForwardDlg</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>brxw::admin::CRemoteFilesDlg</name>
    <message>
        <source>Up</source>
        <translation>Directorio superior</translation>
    </message>
    <message>
        <source>Directory :</source>
        <translation>Directorio:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>brxw::admin::CUserPropertiesDlg</name>
    <message>
        <source>Users</source>
        <translation>Usuarios</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Contraseña</translation>
    </message>
    <message>
        <source>&amp;ZIP code</source>
        <translation>Código &amp;postal</translation>
    </message>
    <message>
        <source>Pri&amp;vate DIR</source>
        <translation>&amp;Directorio privado</translation>
    </message>
    <message>
        <source>&amp;Home BBS</source>
        <translation>BBS &amp;habitual</translation>
    </message>
    <message>
        <source>Add &amp;user</source>
        <translation>Añadir &amp;usuario</translation>
    </message>
    <message>
        <source>&amp;Del user</source>
        <translation>&amp;Borrar usuario</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Ce&amp;rrar</translation>
    </message>
</context>
<context>
    <name>brxw::str</name>
    <message>
        <source>Resolving %s</source>
        <translation>Resolviendo %s</translation>
    </message>
    <message>
        <source>Connecting %s ...</source>
        <translation>Conectando con %s ...</translation>
    </message>
    <message>
        <source>Reading the password of %s from the keyring ...</source>
        <translation>Leyendo la contraseña de %s del llavero ...</translation>
    </message>
    <message>
        <source>Cannot read the password of %s from the keyring: %s</source>
        <translation>No se puede leer la contraseña de %s del llavero: %s</translation>
    </message>
    <message>
        <source>no keyring service is available</source>
        <translation>no hay ningún servicio de llavero disponible</translation>
    </message>
    <message>
        <source>Opening SSH tunnel to %s ...</source>
        <translation>Abriendo el túnel SSH a %s ...</translation>
    </message>
    <message>
        <source>Cannot connect %s !</source>
        <translation>¡No se puede conectar con %s!</translation>
    </message>
    <message>
        <source>Sending options...</source>
        <translation>Enviando opciones...</translation>
    </message>
    <message>
        <source>Authentication in progress ...</source>
        <translation>Autenticación en curso ...</translation>
    </message>
    <message>
        <source>Initializing ...</source>
        <translation>Inicializando ...</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Will reconnect %s</source>
        <translation>Reconexión con %s</translation>
    </message>
    <message>
        <source>%s Connected station(s)</source>
        <translation>%s estación(es) conectada(s)</translation>
    </message>
    <message>
        <source>Running                                </source>
        <translation>En marcha                              </translation>
    </message>
    <message>
        <source>brxW - not connected</source>
        <translation>brxW - sin conexión</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Error establishing connection</source>
        <translation>Error al establecer la conexión</translation>
    </message>
    <message>
        <source>Error retrieving host information</source>
        <translation>Error al obtener la información del host</translation>
    </message>
    <message>
        <source>Connection closed</source>
        <translation>Conexión cerrada</translation>
    </message>
    <message>
        <source>Cannot find %s in configuration</source>
        <translation>No se encuentra %s en la configuración</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Recepción</translation>
    </message>
    <message>
        <source>Cannot write the received file %s:
%s</source>
        <translation>No se puede escribir el archivo recibido %s:
%s</translation>
    </message>
    <message>
        <source>%s in %d s</source>
        <translation>%s en %d s</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
</context>
</TS>
