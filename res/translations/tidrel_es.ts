<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About Tidrel</source>
        <translation>Acerca de Tidrel</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tidrel developers</source>
        <translation>Copyright © 2026 Los desarrolladores de Tidrel</translation>
    </message>
    <message>
        <source>Tidrel version %1</source>
        <translation>Tidrel versión %1</translation>
    </message>
    <message>
        <source>Release: %1 %2</source>
        <translation>Compilación: %1 %2</translation>
    </message>
</context>
<context>
    <name>CAudioEpisodes</name>
    <message>
        <source>%1 is outside the media folder %2: its address names the file alone, and publishing does not upload it.</source>
        <translation>%1 está fuera de la carpeta multimedia %2: su dirección solo nombra el archivo, y al publicar no se sube.</translation>
    </message>
    <message>
        <source>The cover of %1 could not be saved as %2: %3</source>
        <translation>No se pudo guardar la portada de %1 como %2: %3</translation>
    </message>
    <message>
        <source>The cover of %1, saved as %2, is %3 x %4 pixels%5; Apple Podcasts takes square RGB artwork from 1400 x 1400 to 3000 x 3000, so the episode shows the show&apos;s artwork.</source>
        <translation>La portada de %1, guardada como %2, mide %3 x %4 píxeles%5; Apple Podcasts admite ilustraciones cuadradas en RGB de 1400 x 1400 a 3000 x 3000, así que el episodio muestra la ilustración del programa.</translation>
    </message>
    <message>
        <source> and not in RGB</source>
        <translation> y no está en RGB</translation>
    </message>
</context>
<context>
    <name>CAudioTags</name>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>It is not an audio file.</source>
        <translation>No es un archivo de audio.</translation>
    </message>
    <message>
        <source>It cannot be read as audio.</source>
        <translation>No se puede leer como audio.</translation>
    </message>
</context>
<context>
    <name>CBarCaption</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the pane</source>
        <translation>Cerrar el panel</translation>
    </message>
</context>
<context>
    <name>CBarPostDetails</name>
    <message>
        <source>Not a play time like 1:02:03, 62:03 or 3723</source>
        <translation>No es una duración como 1:02:03, 62:03 o 3723</translation>
    </message>
    <message>
        <source>Post</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;GUID:</source>
        <translation>&amp;GUID:</translation>
    </message>
    <message>
        <source>GUID is a &amp;permalink:</source>
        <translation>El GUID es un enlace &amp;permanente:</translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation>&amp;Comentarios:</translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>Source &amp;URL:</source>
        <translation>&amp;URL de la fuente:</translation>
    </message>
    <message>
        <source>Enclosures</source>
        <translation>Adjuntos</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Choose &amp;File…</source>
        <translation>Elegir &amp;archivo…</translation>
    </message>
    <message>
        <source>Fill the length and type (and a podcast&apos;s duration) from a media file</source>
        <translation>Rellenar el tamaño y el tipo (y la duración de un podcast) a partir de un archivo multimedia</translation>
    </message>
    <message>
        <source>Fill from U&amp;RL</source>
        <translation>Rellenar desde U&amp;RL</translation>
    </message>
    <message>
        <source>Ask the server for the length and type of the file at the URL</source>
        <translation>Pedir al servidor el tamaño y el tipo del archivo de la URL</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Dominio</translation>
    </message>
    <message>
        <source>Other elements (kept as they are)</source>
        <translation>Otros elementos (se conservan tal cual)</translation>
    </message>
    <message>
        <source>Podcast episode</source>
        <translation>Episodio de podcast</translation>
    </message>
    <message>
        <source>D&amp;uration:</source>
        <translation>D&amp;uración:</translation>
    </message>
    <message>
        <source>&amp;Episode:</source>
        <translation>&amp;Episodio:</translation>
    </message>
    <message>
        <source>Seaso&amp;n:</source>
        <translation>Tempora&amp;da:</translation>
    </message>
    <message>
        <source>Episode &amp;type:</source>
        <translation>&amp;Tipo de episodio:</translation>
    </message>
    <message>
        <source>E&amp;xplicit:</source>
        <translation>E&amp;xplícito:</translation>
    </message>
    <message>
        <source>&amp;Image:</source>
        <translation>&amp;Imagen:</translation>
    </message>
    <message>
        <source>&amp;Block:</source>
        <translation>&amp;Bloquear:</translation>
    </message>
    <message>
        <source>Index season:</source>
        <translation>Temporada (Index):</translation>
    </message>
    <message>
        <source>Index season name:</source>
        <translation>Nombre de la temporada (Index):</translation>
    </message>
    <message>
        <source>Index episode:</source>
        <translation>Episodio (Index):</translation>
    </message>
    <message>
        <source>Index episode display:</source>
        <translation>Texto del episodio (Index):</translation>
    </message>
    <message>
        <source>License and chat</source>
        <translation>Licencia y chat</translation>
    </message>
    <message>
        <source>Choose the Media File of the Enclosure</source>
        <translation>Elegir el archivo multimedia del adjunto</translation>
    </message>
    <message>
        <source>Type the enclosure&apos;s URL first</source>
        <translation>Escriba primero la URL del adjunto</translation>
    </message>
    <message>
        <source>Finding the length and type of %1…</source>
        <translation>Buscando el tamaño y el tipo de %1…</translation>
    </message>
    <message>
        <source>Edit Chapters…</source>
        <translation>Editar capítulos…</translation>
    </message>
</context>
<context>
    <name>CBarPreview</name>
    <message>
        <source>HTML code</source>
        <translation>Código HTML</translation>
    </message>
    <message>
        <source>The description of the post as HTML code; edits here change the post</source>
        <translation>La descripción de la entrada como código HTML; lo que se edite aquí cambia la entrada</translation>
    </message>
</context>
<context>
    <name>CBarProblems</name>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Post</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>%1 (line %2) [%3]</source>
        <translation>%1 (línea %2) [%3]</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>The problems the last check found; Enter shows where one is</source>
        <translation>Los problemas que encontró la última comprobación; Enter muestra dónde está el seleccionado</translation>
    </message>
</context>
<context>
    <name>CBarRssItems</name>
    <message>
        <source>Feed Properties…</source>
        <translation>Propiedades del feed…</translation>
    </message>
    <message>
        <source>Edit the feed&apos;s title, description, image and the other channel elements</source>
        <translation>Editar el título, la descripción, la imagen y los demás elementos del canal del feed</translation>
    </message>
    <message>
        <source>RSS Items</source>
        <translation>Entradas RSS</translation>
    </message>
    <message>
        <source> [%1 of %2]</source>
        <translation> [%1 de %2]</translation>
    </message>
    <message>
        <source>&amp;Copy Title</source>
        <translation>&amp;Copiar título</translation>
    </message>
    <message>
        <source>Posts</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>The posts of the feed; the selected one is shown in the editor</source>
        <translation>Las entradas del feed; la seleccionada se muestra en el editor</translation>
    </message>
    <message>
        <source>Filter posts</source>
        <translation>Filtrar entradas</translation>
    </message>
    <message>
        <source>Lists only the posts whose title holds this text; Escape empties the box, then closes it</source>
        <translation>Muestra solo las entradas cuyo título contiene este texto; Escape vacía el cuadro y, después, lo cierra</translation>
    </message>
</context>
<context>
    <name>CChaptersDlg</name>
    <message>
        <source>The post&apos;s chapters are at %1, on the web. Save writes them to the file above: upload it there, or set a media base address in the publish settings to publish it with the feed.</source>
        <translation>Los capítulos de la entrada están en la web, en %1. «Guardar» los escribe en el archivo de arriba: súbalo allí, o indique una dirección multimedia en los ajustes de publicación para publicarlo con el feed.</translation>
    </message>
    <message>
        <source>The post&apos;s chapters are at %1, on the web. Save writes them to the file above, and the post&apos;s chapters address becomes the one it is published at.</source>
        <translation>Los capítulos de la entrada están en la web, en %1. «Guardar» los escribe en el archivo de arriba, y la dirección de los capítulos de la entrada pasa a ser aquella en la que se publica ese archivo.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Add Chapter</source>
        <translation>&amp;Añadir capítulo</translation>
    </message>
    <message>
        <source>&amp;Remove Chapter</source>
        <translation>&amp;Quitar capítulo</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Capítulos</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>A&amp;rchivo:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Start times in seconds (94, 94.5) or as m:ss and h:mm:ss</source>
        <translation>Tiempos de inicio en segundos (94, 94.5) o como m:ss y h:mm:ss</translation>
    </message>
    <message>
        <source>%1 cannot be edited here, and is left as it is.
%2</source>
        <translation>%1 no se puede editar aquí y se deja como está.
%2</translation>
    </message>
    <message>
        <source>A new chapters file: Save writes it.</source>
        <translation>Un archivo de capítulos nuevo: «Guardar» lo escribe.</translation>
    </message>
    <message>
        <source>Not a time like 94, 1:34 or 1:01:34</source>
        <translation>No es un tiempo como 94, 1:34 o 1:01:34</translation>
    </message>
    <message>
        <source>The start of chapter %1 is not a time like 94, 1:34 or 1:01:34.</source>
        <translation>El inicio del capítulo %1 no es un tiempo como 94, 1:34 o 1:01:34.</translation>
    </message>
    <message>
        <source>Choose the file to save the chapters to.</source>
        <translation>Elija el archivo en el que guardar los capítulos.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Guardado en %1.</translation>
    </message>
    <message>
        <source>Save the Chapters As</source>
        <translation>Guardar los capítulos como</translation>
    </message>
    <message>
        <source>Chapters (*.json);;All files (*)</source>
        <translation>Capítulos (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save the changes to the chapters?</source>
        <translation>¿Guardar los cambios de los capítulos?</translation>
    </message>
    <message>
        <source>The post does not name this file yet: a listener&apos;s app needs its web address. Set a media base address in the publish settings to publish the file with the feed, and save again.</source>
        <translation>La entrada aún no nombra este archivo: la aplicación de un oyente necesita su dirección web. Indique una dirección multimedia en los ajustes de publicación para publicar el archivo con el feed, y vuelva a guardar.</translation>
    </message>
    <message>
        <source>The post does not name this file: publishing uploads the media folder, %1, and the file is outside it. Save it there to publish it with the feed.</source>
        <translation>La entrada no nombra este archivo: al publicar se sube la carpeta multimedia, %1, y el archivo está fuera de ella. Guárdelo allí para publicarlo con el feed.</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>A&amp;brir…</translation>
    </message>
    <message>
        <source>Sa&amp;ve As…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>%1 already exists, and its chapters are not the ones shown here. Replace it with these chapters?</source>
        <translation>%1 ya existe, y sus capítulos no son los que se muestran aquí. ¿Reemplazarlo por estos capítulos?</translation>
    </message>
    <message>
        <source>Not saved: %1 is left as it is. Open it to edit its chapters, or name another file.</source>
        <translation>No se ha guardado: %1 se deja como está. Ábralo para editar sus capítulos, o elija otro archivo.</translation>
    </message>
    <message>
        <source>Open a Chapters File</source>
        <translation>Abrir un archivo de capítulos</translation>
    </message>
</context>
<context>
    <name>CChildFrame</name>
    <message>
        <source>%1, %2, %3</source>
        <comment>errors, warnings, notes</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n advertencia</numerusform>
            <numerusform>%n advertencias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s)</source>
        <translation>
            <numerusform>%n nota</numerusform>
            <numerusform>%n notas</numerusform>
        </translation>
    </message>
    <message>
        <source>RSS Items</source>
        <translation>Entradas RSS</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Post Details</source>
        <translation>Detalles de la entrada</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Tidrel, an editor of RSS 2.0 feed files.</source>
        <translation>Tidrel, un editor de archivos de feeds RSS 2.0.</translation>
    </message>
    <message>
        <source>Check each feed file without opening a window; print one problem a line as FILE:LINE:COLUMN: error|warning|info: message [rule-id]. Exit status 0 when there are no errors, 1 when there are, 2 when a file cannot be read.</source>
        <translation>Comprobar cada archivo de feed sin abrir una ventana; mostrar un problema por línea como ARCHIVO:LÍNEA:COLUMNA: error|warning|info: mensaje [id-regla]. Estado de salida 0 sin errores, 1 con errores, 2 si no se puede leer un archivo.</translation>
    </message>
    <message>
        <source>Feed files to open.</source>
        <translation>Archivos de feed que abrir.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[ARCHIVO...]</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>no se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>With --check: apply the podcast directories&apos; rules too, whether or not the feed declares the iTunes or podcast namespace: every podcast namespace tag&apos;s place, attributes and values, Apple Podcasts&apos; requirements (artwork, language, category, explicit, episode enclosures) and the Podcast Standards Project&apos;s PSP-1.</source>
        <translation>Con --check: aplicar también las reglas de los directorios de podcasts, declare o no el feed el espacio de nombres de iTunes o de podcast: el lugar, los atributos y los valores de cada etiqueta del espacio de nombres podcast, los requisitos de Apple Podcasts (ilustración, idioma, categoría, explicit, adjuntos de los episodios) y la PSP-1 del Podcast Standards Project.</translation>
    </message>
    <message>
        <source>Usage: %1 --check [--podcast] FEED...</source>
        <translation>Uso: %1 --check [--podcast] FEED...</translation>
    </message>
    <message>
        <source>Publish the feed file without opening a window, with the checks and in the order of the Publish command: the feed check first, then the media files under the media address of the feed&apos;s publish settings, the feed last. Progress goes to standard error. Exit status 0 when everything was sent, 1 when the server refused or the feed has errors, 2 for wrong arguments.</source>
        <translation>Publica el archivo del feed sin abrir ninguna ventana, con las comprobaciones y en el orden del comando Publicar: primero la comprobación del feed, después los archivos multimedia bajo la dirección multimedia de los ajustes de publicación del feed y, por último, el feed. El progreso se escribe en la salida de error estándar. Estado de salida 0 cuando se envió todo, 1 cuando el servidor rechazó el envío o el feed tiene errores, 2 si los argumentos son incorrectos.</translation>
    </message>
    <message>
        <source>FEED</source>
        <translation>FEED</translation>
    </message>
    <message>
        <source>With --publish: where to. file:///path/, sftp://USER@HOST[:PORT]/path/, ftp://, ftps://, dav://USER@HOST[:PORT]/path/ (WebDAV; davs:// over HTTPS) or s3://ACCESS_KEY_ID@HOST[:PORT]/BUCKET/PREFIX/?region=REGION (path-style; &amp;scheme=http for a server without TLS). The password or secret key comes from the environment variable TIDREL_PUBLISH_SECRET when set, else from the keyring.</source>
        <translation>Con --publish: el destino. file:///path/, sftp://USER@HOST[:PORT]/path/, ftp://, ftps://, dav://USER@HOST[:PORT]/path/ (WebDAV; davs:// sobre HTTPS) o s3://ACCESS_KEY_ID@HOST[:PORT]/BUCKET/PREFIX/?region=REGION (path-style; &amp;scheme=http para un servidor sin TLS). La contraseña o la clave secreta se toma de la variable de entorno TIDREL_PUBLISH_SECRET si está definida y, si no, del depósito de claves.</translation>
    </message>
    <message>
        <source>TARGET</source>
        <translation>TARGET</translation>
    </message>
    <message>
        <source>Usage: %1 --publish FEED --to TARGET</source>
        <translation>Uso: %1 --publish FEED --to TARGET</translation>
    </message>
</context>
<context>
    <name>CCurlEasy</name>
    <message>
        <source>The server did not answer in time (%1 s).</source>
        <translation>El servidor no respondió a tiempo (%1 s).</translation>
    </message>
    <message>
        <source>Too many redirects (more than %1).</source>
        <translation>Demasiadas redirecciones (más de %1).</translation>
    </message>
    <message>
        <source>The server answered with error %1.</source>
        <translation>El servidor respondió con el error %1.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>El servidor rechazó la conexión.</translation>
    </message>
    <message>
        <source>The server&apos;s name is not known.</source>
        <translation>No se conoce el nombre del servidor.</translation>
    </message>
    <message>
        <source>The address&apos;s protocol is not supported here.</source>
        <translation>El protocolo de la dirección no se admite aquí.</translation>
    </message>
    <message>
        <source>The address is not valid.</source>
        <translation>La dirección no es válida.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>The server refused the login: check the user name and the password or key.</source>
        <translation>El servidor rechazó el inicio de sesión: compruebe el nombre de usuario y la contraseña o la clave.</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full.</source>
        <translation>El disco del servidor está lleno.</translation>
    </message>
    <message>
        <source>The server refused access to the folder or file.</source>
        <translation>El servidor denegó el acceso a la carpeta o al archivo.</translation>
    </message>
    <message>
        <source>The server refused the upload.</source>
        <translation>El servidor rechazó la subida.</translation>
    </message>
    <message>
        <source>The connection broke off.</source>
        <translation>La conexión se interrumpió.</translation>
    </message>
    <message>
        <source>The server does not offer TLS.</source>
        <translation>El servidor no ofrece TLS.</translation>
    </message>
    <message>
        <source>The secure connection (TLS) could not be set up.</source>
        <translation>No se pudo establecer la conexión segura (TLS).</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified.</source>
        <translation>No se pudo verificar el certificado del servidor.</translation>
    </message>
</context>
<context>
    <name>CDavFolder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>The server refused the user name or the password: check both.</source>
        <translation>El servidor rechazó el nombre de usuario o la contraseña: compruebe ambos.</translation>
    </message>
    <message>
        <source>The server does not let this user write %1.</source>
        <translation>El servidor no permite a este usuario escribir %1.</translation>
    </message>
    <message>
        <source>The server does not take files at %1: is WebDAV turned on there?</source>
        <translation>El servidor no acepta archivos en %1: ¿está activado WebDAV allí?</translation>
    </message>
    <message>
        <source>The server has no room left.</source>
        <translation>Al servidor no le queda espacio.</translation>
    </message>
    <message>
        <source>The server answered with error %1.</source>
        <translation>El servidor respondió con el error %1.</translation>
    </message>
</context>
<context>
    <name>CDesktopServices</name>
    <message>
        <source>RSS feeds (*.xml *.rss)</source>
        <translation>Feeds RSS (*.xml *.rss)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios de %1?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>The server %1 is not among the known hosts of this computer.</source>
        <translation>El servidor %1 no está entre los hosts conocidos de este equipo.</translation>
    </message>
    <message>
        <source>Its key&apos;s fingerprint is
%1

Trust it only when it is the fingerprint your server&apos;s administrator gave you.</source>
        <translation>La huella de su clave es
%1

Confíe en él solo si es la huella que le dio el administrador de su servidor.</translation>
    </message>
    <message>
        <source>Trust and &amp;Remember</source>
        <translation>Confiar y &amp;recordar</translation>
    </message>
    <message>
        <source>Trust &amp;Once</source>
        <translation>Confiar &amp;una vez</translation>
    </message>
    <message>
        <source>Audio files (%1)</source>
        <translation>Archivos de audio (%1)</translation>
    </message>
    <message>
        <source>New Episode from Audio</source>
        <translation>Episodio nuevo desde audio</translation>
    </message>
    <message>
        <source>Open Location</source>
        <translation>Abrir ubicación</translation>
    </message>
    <message>
        <source>&amp;Web address of the feed:</source>
        <translation>Dirección &amp;web del feed:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
</context>
<context>
    <name>CDiskChangeBar</name>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recargar</translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation>&amp;Mantener los míos</translation>
    </message>
    <message>
        <source>&amp;Show differences</source>
        <translation>Mo&amp;strar diferencias</translation>
    </message>
    <message>
        <source>Read the file again; the changes made here are lost</source>
        <translation>Volver a leer el archivo; se pierden los cambios hechos aquí</translation>
    </message>
    <message>
        <source>Keep the feed as it is here; the next save asks before it overwrites the file</source>
        <translation>Mantener el feed como está aquí; el próximo guardado preguntará antes de sobrescribir el archivo</translation>
    </message>
    <message>
        <source>%1 changed on disk. Reload it to drop the changes made here, or keep them.</source>
        <translation>%1 cambió en el disco. Recárguelo para descartar los cambios hechos aquí, o manténgalos.</translation>
    </message>
    <message>
        <source>%1 changed on disk and cannot be read: %2 The feed here stays as it was.</source>
        <translation>%1 cambió en el disco y no se puede leer: %2 El feed sigue aquí como estaba.</translation>
    </message>
    <message>
        <source>The file on disk holds what a save would write.
</source>
        <translation>El archivo del disco contiene lo que escribiría un guardado.
</translation>
    </message>
    <message>
        <source>--- %1 on disk
+++ %1 as a save would write it
</source>
        <translation>--- %1 en el disco
+++ %1 como lo escribiría un guardado
</translation>
    </message>
    <message>
        <source>Differences — %1</source>
        <translation>Diferencias — %1</translation>
    </message>
</context>
<context>
    <name>CDocManager</name>
    <message>
        <source>Cannot create a new feed.</source>
        <translation>No se puede crear un feed nuevo.</translation>
    </message>
    <message>
        <source>Cannot open %1.

%2</source>
        <translation>No se puede abrir %1.

%2</translation>
    </message>
    <message>
        <source>Cannot save %1.

%2

The feed keeps its changes.</source>
        <translation>No se puede guardar %1.

%2

El feed conserva sus cambios.</translation>
    </message>
    <message>
        <source>Cannot open %1.

The download could not be written to a temporary file.</source>
        <translation>No se puede abrir %1.

No se pudo escribir la descarga en un archivo temporal.</translation>
    </message>
    <message>
        <source>The file changed on disk since it was opened. Save anyway?</source>
        <translation>El archivo cambió en el disco desde que se abrió. ¿Guardar de todos modos?</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sobrescribir</translation>
    </message>
</context>
<context>
    <name>CElementForm</name>
    <message>
        <source>Only the address belongs here, without the name</source>
        <translation>Aquí solo va la dirección, sin el nombre</translation>
    </message>
    <message>
        <source>Not an e-mail address like jo@example.org</source>
        <translation>No es una dirección de correo como jo@example.org</translation>
    </message>
    <message>
        <source>Not one of: %1</source>
        <translation>No es ninguno de: %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Also holds values no box stands for: %1</source>
        <translation>También contiene valores sin casilla: %1</translation>
    </message>
    <message>
        <source>Kept in the feed as %1</source>
        <translation>Se guarda en el feed como %1</translation>
    </message>
    <message>
        <source>Sets the date to the present time</source>
        <translation>Fija la fecha en el momento actual</translation>
    </message>
</context>
<context>
    <name>CElementTable</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Fila %1, %2: %3</translation>
    </message>
    <message>
        <source>One element %1 a row; Add and Remove below change the rows</source>
        <translation>Un elemento %1 por fila; Añadir y Quitar, debajo, cambian las filas</translation>
    </message>
    <message>
        <source>Adds a row: a new element %1</source>
        <translation>Añade una fila: un elemento %1 nuevo</translation>
    </message>
    <message>
        <source>Removes the selected row: its element %1</source>
        <translation>Quita la fila seleccionada: su elemento %1</translation>
    </message>
</context>
<context>
    <name>CEnclosureProbe</name>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The network library could not start.</source>
        <translation>No se pudo iniciar la biblioteca de red.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>El servidor respondió %1.</translation>
    </message>
    <message>
        <source>The server did not tell the length.</source>
        <translation>El servidor no indicó el tamaño.</translation>
    </message>
</context>
<context>
    <name>CFeedChecker</name>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>The cloud has no %1 attribute; it needs domain, port, path, registerProcedure and protocol.</source>
        <translation>El cloud no tiene el atributo %1; necesita domain, port, path, registerProcedure y protocol.</translation>
    </message>
    <message>
        <source>The enclosure has no %1 attribute; it needs url, length and type.</source>
        <translation>El adjunto no tiene el atributo %1; necesita url, length y type.</translation>
    </message>
    <message>
        <source>Post %1 has the same guid.</source>
        <translation>La entrada %1 tiene el mismo guid.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of Apple Podcasts&apos; categories.</source>
        <translation>«%1» no es una categoría de Apple Podcasts.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a subcategory of &quot;%2&quot;.</source>
        <translation>«%1» no es una subcategoría de «%2».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the namespace&apos;s address; did you mean &quot;%2&quot;?</source>
        <translation>«%1» no es la dirección del espacio de nombres; ¿quería decir «%2»?</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; Apple Podcasts takes at most 4000.</source>
        <translation>La descripción mide %1 bytes; Apple Podcasts admite como máximo 4000.</translation>
    </message>
    <message>
        <source>The artwork file %1 cannot be read, so its size and colours are not checked.</source>
        <translation>No se puede leer el archivo de ilustración %1, así que no se comprueban su tamaño ni sus colores.</translation>
    </message>
    <message>
        <source>The artwork is %1 x %2 pixels; Apple Podcasts takes square artwork from 1400 x 1400 to 3000 x 3000.</source>
        <translation>La ilustración mide %1 x %2 píxeles; Apple Podcasts admite ilustraciones cuadradas de 1400 x 1400 a 3000 x 3000.</translation>
    </message>
    <message>
        <source>The podcast namespace has no tag %1.</source>
        <translation>El espacio de nombres podcast no tiene la etiqueta %1.</translation>
    </message>
    <message>
        <source>%1 does not belong in %2; it belongs in %3.</source>
        <translation>%1 no va en %2; va en %3.</translation>
    </message>
    <message>
        <source>%1 needs the %2 attribute.</source>
        <translation>%1 necesita el atributo %2.</translation>
    </message>
    <message>
        <source>%1 needs a value; it is empty.</source>
        <translation>%1 necesita un valor; está vacío.</translation>
    </message>
    <message numerus="yes">
        <source>Podcast apps show %n character(s) of this at most; they may cut the rest.</source>
        <translation>
            <numerusform>Las aplicaciones de podcast muestran como máximo %n carácter de esto; pueden cortar el resto.</numerusform>
            <numerusform>Las aplicaciones de podcast muestran como máximo %n caracteres de esto; pueden cortar el resto.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not a whole number such as &quot;3&quot;.</source>
        <translation>No es un número entero como «3».</translation>
    </message>
    <message>
        <source>Not a number such as &quot;3&quot; or &quot;315.5&quot;.</source>
        <translation>No es un número como «3» o «315.5».</translation>
    </message>
    <message>
        <source>Not a media type such as &quot;audio/mpeg&quot;.</source>
        <translation>No es un tipo de medio como «audio/mpeg».</translation>
    </message>
    <message>
        <source>Not an e-mail address such as &quot;jo@example.org&quot;.</source>
        <translation>No es una dirección de correo como «jo@example.org».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2.</source>
        <translation>«%1» no es ninguno de %2.</translation>
    </message>
    <message>
        <source>Few podcast apps know &quot;%1&quot;; the usual values are %2.</source>
        <translation>Pocas aplicaciones de podcast conocen «%1»; los valores habituales son %2.</translation>
    </message>
    <message>
        <source>The channel&apos;s description is empty.</source>
        <translation>La descripción del canal está vacía.</translation>
    </message>
    <message>
        <source>Not a percentage from 0 to 100.</source>
        <translation>No es un porcentaje de 0 a 100.</translation>
    </message>
    <message>
        <source>Not a place in geo notation such as &quot;geo:30.2672,97.7431&quot;, latitude from -90 to 90 and longitude from -180 to 180.</source>
        <translation>No es un lugar en notación geo como «geo:30.2672,97.7431», con latitud de -90 a 90 y longitud de -180 a 180.</translation>
    </message>
    <message>
        <source>Not an OpenStreetMap object such as &quot;R113314&quot;: N, W or R, its number and an optional revision such as &quot;#2&quot;.</source>
        <translation>No es un objeto de OpenStreetMap como «R113314»: N, W o R, su número y una revisión opcional como «#2».</translation>
    </message>
    <message>
        <source>Not a country code of ISO 3166-1, two letters such as &quot;US&quot;.</source>
        <translation>No es un código de país ISO 3166-1, dos letras como «US».</translation>
    </message>
    <message>
        <source>Not an aspect ratio such as &quot;16/9&quot; or &quot;1.9&quot;.</source>
        <translation>No es una relación de aspecto como «16/9» o «1.9».</translation>
    </message>
    <message>
        <source>There is already a %1 with %2=&quot;%3&quot; here.</source>
        <translation>Ya hay aquí un elemento %1 con %2=&quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The podcast namespace has no tag %1. Did you mean %2?</source>
        <translation>El espacio de nombres podcast no tiene la etiqueta %1. ¿Quería decir %2?</translation>
    </message>
    <message>
        <source>The namespace has retired %1; use %2 instead.</source>
        <translation>El espacio de nombres ha retirado %1; use %2 en su lugar.</translation>
    </message>
    <message>
        <source>%1 needs a %2 inside it.</source>
        <translation>%1 necesita dentro un elemento %2.</translation>
    </message>
    <message>
        <source>The namespace recommends the %2 attribute on %1.</source>
        <translation>El espacio de nombres recomienda el atributo %2 en %1.</translation>
    </message>
    <message>
        <source>%1 holds an element %2; write HTML inside it escaped (&amp;lt;b&amp;gt;) or in a CDATA section.</source>
        <translation>%1 contiene un elemento %2; escriba el HTML de su interior escapado (&amp;lt;b&amp;gt;) o en una sección CDATA.</translation>
    </message>
    <message>
        <source>%1 has no attribute %2; attribute names are case-sensitive: did you mean %3?</source>
        <translation>%1 no tiene el atributo %2; los nombres de atributo distinguen mayúsculas y minúsculas: ¿quería decir %3?</translation>
    </message>
    <message>
        <source>RSS gives %1 no attribute %2; readers ignore it.</source>
        <translation>RSS no da a %1 ningún atributo %2; los lectores lo ignoran.</translation>
    </message>
    <message>
        <source>%1 has no element %2; element names are case-sensitive: did you mean %3?</source>
        <translation>%1 no tiene el elemento %2; los nombres de elemento distinguen mayúsculas y minúsculas: ¿quería decir %3?</translation>
    </message>
</context>
<context>
    <name>CFeedDownload</name>
    <message>
        <source>The download could not be started.</source>
        <translation>No se pudo iniciar la descarga.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, too large for a feed.</source>
        <translation>El archivo ocupa más de %1 MB, demasiado para un feed.</translation>
    </message>
</context>
<context>
    <name>CFeedPropertiesWnd</name>
    <message>
        <source>Not one of Apple&apos;s podcast categories</source>
        <translation>No es una categoría de podcast de Apple</translation>
    </message>
    <message>
        <source>Not one of Apple&apos;s subcategories of “%1”</source>
        <translation>No es una subcategoría de Apple de «%1»</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>Podcast</translation>
    </message>
    <message>
        <source>Declares the iTunes and podcast namespaces and shows the podcast tags</source>
        <translation>Declara los espacios de nombres de iTunes y de podcast y muestra las etiquetas de podcast</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Categories and Image</source>
        <translation>Categorías e imagen</translation>
    </message>
    <message>
        <source>Cloud and Text Input</source>
        <translation>Cloud y entrada de texto</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Other Elements</source>
        <translation>Otros elementos</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Link:</source>
        <translation>&amp;Enlace:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descripción:</translation>
    </message>
    <message>
        <source>Public &amp;address:</source>
        <translation>Dirección &amp;pública:</translation>
    </message>
    <message>
        <source>Where readers subscribe (atom:link rel=&quot;self&quot;)</source>
        <translation>Donde se suscriben los lectores (atom:link rel=&quot;self&quot;)</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>Idi&amp;oma:</translation>
    </message>
    <message>
        <source>&amp;Copyright:</source>
        <translation>&amp;Copyright:</translation>
    </message>
    <message>
        <source>&amp;Managing editor:</source>
        <translation>Editor &amp;responsable:</translation>
    </message>
    <message>
        <source>&amp;Webmaster:</source>
        <translation>&amp;Webmaster:</translation>
    </message>
    <message>
        <source>&amp;Publication date:</source>
        <translation>Fecha de &amp;publicación:</translation>
    </message>
    <message>
        <source>Last &amp;build date:</source>
        <translation>Fecha de última &amp;generación:</translation>
    </message>
    <message>
        <source>&amp;Generator:</source>
        <translation>Ge&amp;nerador:</translation>
    </message>
    <message>
        <source>D&amp;ocs:</source>
        <translation>D&amp;ocumentación:</translation>
    </message>
    <message>
        <source>TT&amp;L (minutes):</source>
        <translation>TT&amp;L (minutos):</translation>
    </message>
    <message>
        <source>&amp;Rating:</source>
        <translation>&amp;Clasificación:</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Dominio</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>&amp;URL:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ancho:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>A&amp;lto:</translation>
    </message>
    <message>
        <source>Cloud (notification of updates)</source>
        <translation>Cloud (aviso de actualizaciones)</translation>
    </message>
    <message>
        <source>&amp;Domain:</source>
        <translation>&amp;Dominio:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Puerto:</translation>
    </message>
    <message>
        <source>P&amp;ath:</source>
        <translation>&amp;Ruta:</translation>
    </message>
    <message>
        <source>&amp;Register procedure:</source>
        <translation>Procedimiento de &amp;registro:</translation>
    </message>
    <message>
        <source>Pro&amp;tocol:</source>
        <translation>Pro&amp;tocolo:</translation>
    </message>
    <message>
        <source>Text input</source>
        <translation>Entrada de texto</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>T&amp;ítulo:</translation>
    </message>
    <message>
        <source>D&amp;escription:</source>
        <translation>D&amp;escripción:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Skip hours (GMT): readers do not fetch the feed in these hours</source>
        <translation>Horas omitidas (GMT): los lectores no descargan el feed en estas horas</translation>
    </message>
    <message>
        <source>Skip days: readers do not fetch the feed on these days</source>
        <translation>Días omitidos: los lectores no descargan el feed estos días</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>People and Places</source>
        <translation>Personas y lugares</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Apoyo</translation>
    </message>
    <message>
        <source>Social</source>
        <translation>Social</translation>
    </message>
    <message>
        <source>Related Feeds</source>
        <translation>Feeds relacionados</translation>
    </message>
    <message>
        <source>Show (iTunes)</source>
        <translation>Programa (iTunes)</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Autor:</translation>
    </message>
    <message>
        <source>Owner &amp;name:</source>
        <translation>&amp;Nombre del propietario:</translation>
    </message>
    <message>
        <source>Owner &amp;e-mail:</source>
        <translation>&amp;Correo del propietario:</translation>
    </message>
    <message>
        <source>&amp;Image:</source>
        <translation>&amp;Imagen:</translation>
    </message>
    <message>
        <source>E&amp;xplicit:</source>
        <translation>E&amp;xplícito:</translation>
    </message>
    <message>
        <source>T&amp;ype:</source>
        <translation>T&amp;ipo:</translation>
    </message>
    <message>
        <source>New &amp;feed URL:</source>
        <translation>Nueva URL del &amp;feed:</translation>
    </message>
    <message>
        <source>&amp;Block:</source>
        <translation>&amp;Bloquear:</translation>
    </message>
    <message>
        <source>&amp;Complete:</source>
        <translation>Co&amp;mpleto:</translation>
    </message>
    <message>
        <source>Subcategory</source>
        <translation>Subcategoría</translation>
    </message>
    <message>
        <source>iTunes categories</source>
        <translation>Categorías de iTunes</translation>
    </message>
    <message>
        <source>Podcast index</source>
        <translation>Podcast Index</translation>
    </message>
    <message>
        <source>&amp;Locked:</source>
        <translation>&amp;Bloqueado:</translation>
    </message>
    <message>
        <source>Lock o&amp;wner:</source>
        <translation>Pro&amp;pietario del bloqueo:</translation>
    </message>
    <message>
        <source>&amp;GUID:</source>
        <translation>&amp;GUID:</translation>
    </message>
    <message>
        <source>&amp;Medium:</source>
        <translation>&amp;Medio:</translation>
    </message>
    <message>
        <source>Uses &amp;Podping:</source>
        <translation>Usa &amp;Podping:</translation>
    </message>
    <message>
        <source>Release schedule</source>
        <translation>Calendario de publicación</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Elements of the channel that these pages do not edit. They stay in the file as they are.</source>
        <translation>Elementos del canal que estas páginas no editan. Se quedan en el archivo tal como están.</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>Sin imagen</translation>
    </message>
    <message>
        <source>The image is not on this computer: no preview</source>
        <translation>La imagen no está en este equipo: sin vista previa</translation>
    </message>
    <message>
        <source>Feed Properties — %1</source>
        <translation>Propiedades del feed — %1</translation>
    </message>
    <message>
        <source>Make from Feed &amp;Address</source>
        <translation>Generar a partir de la &amp;dirección del feed</translation>
    </message>
    <message>
        <source>The feed names no address of its own yet: fill in its Public address on the Channel page.</source>
        <translation>El feed aún no indica su propia dirección: rellene su Dirección pública en la página Canal.</translation>
    </message>
    <message>
        <source>The podcast&apos;s identity as PSP-1 makes it from %1; it never changes after.</source>
        <translation>La identidad del podcast, que PSP-1 genera a partir de %1; después no cambia nunca.</translation>
    </message>
</context>
<context>
    <name>CFeedPublisher</name>
    <message>
        <source>%1 The published feed is as it was.</source>
        <translation>%1 El feed publicado sigue como estaba.</translation>
    </message>
    <message>
        <source>At %1: %2 The published feed is as it was.</source>
        <translation>En %1: %2 El feed publicado sigue como estaba.</translation>
    </message>
    <message>
        <source>The feed has no file yet: save it first.</source>
        <translation>El feed aún no tiene archivo: guárdelo primero.</translation>
    </message>
    <message>
        <source>Published %1 to %2</source>
        <translation>%1 publicado en %2</translation>
    </message>
    <message numerus="yes">
        <source> with %n media file(s)</source>
        <translation>
            <numerusform> con %n archivo multimedia</numerusform>
            <numerusform> con %n archivos multimedia</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n already there)</source>
        <translation>
            <numerusform> (%n ya estaba)</numerusform>
            <numerusform> (%n ya estaban)</numerusform>
        </translation>
    </message>
    <message>
        <source>The destination must be an sftp://, ftp://, ftps://, dav://, davs://, s3:// or file:// address with a host and a path, such as sftp://example.org/var/www/feed.xml.</source>
        <translation>El destino debe ser una dirección sftp://, ftp://, ftps://, dav://, davs://, s3:// o file:// con un host y una ruta, como sftp://example.org/var/www/feed.xml.</translation>
    </message>
</context>
<context>
    <name>CFeedPublishing</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The feed check found %n error(s) in %1:

%2

Publish anyway?</source>
        <translation>
            <numerusform>La comprobación del feed encontró %n error en %1:

%2

¿Publicar de todos modos?</numerusform>
            <numerusform>La comprobación del feed encontró %n errores en %1:

%2

¿Publicar de todos modos?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Publish Anyway</source>
        <translation>&amp;Publicar de todos modos</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring: %1

Tidrel remembers it until it ends.</source>
        <translation>No se pudo guardar la contraseña en el depósito de claves del escritorio: %1

Tidrel la recuerda hasta que se cierre.</translation>
    </message>
    <message>
        <source>%1 was not published: %2</source>
        <translation>%1 no se publicó: %2</translation>
    </message>
</context>
<context>
    <name>CFeedRules</name>
    <message>
        <source>The file is not well-formed XML; no reader can read it.</source>
        <translation>El archivo no es XML bien formado; ningún lector puede leerlo.</translation>
    </message>
    <message>
        <source>The file&apos;s bytes do not fit the encoding it declares.</source>
        <translation>Los bytes del archivo no corresponden a la codificación que declara.</translation>
    </message>
    <message>
        <source>The file uses an entity XML does not define, such as &amp;nbsp;; write the character or a numeric reference.</source>
        <translation>El archivo usa una entidad que XML no define, como &amp;nbsp;; escriba el carácter o una referencia numérica.</translation>
    </message>
    <message>
        <source>The file defines entities of its own, which many readers do not expand.</source>
        <translation>El archivo define entidades propias, que muchos lectores no expanden.</translation>
    </message>
    <message>
        <source>The file holds a control character that XML does not allow.</source>
        <translation>El archivo contiene un carácter de control que XML no permite.</translation>
    </message>
    <message>
        <source>The file&apos;s top element is not rss.</source>
        <translation>El elemento raíz del archivo no es rss.</translation>
    </message>
    <message>
        <source>The rss element needs version=&quot;2.0&quot;.</source>
        <translation>El elemento rss necesita version=&quot;2.0&quot;.</translation>
    </message>
    <message>
        <source>The feed has no channel.</source>
        <translation>El feed no tiene canal.</translation>
    </message>
    <message>
        <source>This element may appear only once here.</source>
        <translation>Este elemento solo puede aparecer una vez aquí.</translation>
    </message>
    <message>
        <source>RSS has no such element here; elements of other vocabularies need a namespace.</source>
        <translation>RSS no tiene ese elemento aquí; los elementos de otros vocabularios necesitan un espacio de nombres.</translation>
    </message>
    <message>
        <source>The element&apos;s prefix is not declared with xmlns.</source>
        <translation>El prefijo del elemento no está declarado con xmlns.</translation>
    </message>
    <message>
        <source>An element without a namespace inside another vocabulary&apos;s element; readers cannot tell what it means.</source>
        <translation>Un elemento sin espacio de nombres dentro del elemento de otro vocabulario; los lectores no saben qué significa.</translation>
    </message>
    <message>
        <source>This element holds other elements, not text.</source>
        <translation>Este elemento contiene otros elementos, no texto.</translation>
    </message>
    <message>
        <source>Items should follow all of the channel&apos;s other elements.</source>
        <translation>Los items deberían ir después de todos los demás elementos del canal.</translation>
    </message>
    <message>
        <source>The channel has no title.</source>
        <translation>El canal no tiene título.</translation>
    </message>
    <message>
        <source>The channel has no link to its web site.</source>
        <translation>El canal no tiene enlace a su sitio web.</translation>
    </message>
    <message>
        <source>The channel has no description.</source>
        <translation>El canal no tiene descripción.</translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation>El título está vacío.</translation>
    </message>
    <message>
        <source>Not a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>No es un código de idioma como «en» o «en-us».</translation>
    </message>
    <message>
        <source>The time to live must be a whole number of minutes above 0.</source>
        <translation>El tiempo de vida debe ser un número entero de minutos mayor que 0.</translation>
    </message>
    <message>
        <source>The channel does not give its own address (atom:link rel=&quot;self&quot;), which readers use to follow a moved feed.</source>
        <translation>El canal no da su propia dirección (atom:link rel=&quot;self&quot;), que los lectores usan para seguir un feed que se ha movido.</translation>
    </message>
    <message>
        <source>Not a full address; write it with its scheme and host, as &quot;https://example.org/page&quot;.</source>
        <translation>No es una dirección completa; escríbala con su esquema y su host, como «https://example.org/page».</translation>
    </message>
    <message>
        <source>Few readers can follow an address of this scheme; use http: or https:.</source>
        <translation>Pocos lectores pueden seguir una dirección de este esquema; use http: o https:.</translation>
    </message>
    <message>
        <source>This is plain text, but it holds HTML markup or an HTML entity that readers will show as written.</source>
        <translation>Esto es texto sin formato, pero contiene marcado HTML o una entidad HTML que los lectores mostrarán tal cual.</translation>
    </message>
    <message>
        <source>Not a date in the form &quot;Wed, 02 Oct 2002 13:00:00 GMT&quot;.</source>
        <translation>No es una fecha de la forma «Wed, 02 Oct 2002 13:00:00 GMT».</translation>
    </message>
    <message>
        <source>The date has a form that many readers get wrong.</source>
        <translation>La fecha tiene una forma que muchos lectores interpretan mal.</translation>
    </message>
    <message>
        <source>The date is in the future or before 1990.</source>
        <translation>La fecha está en el futuro o es anterior a 1990.</translation>
    </message>
    <message>
        <source>Not an e-mail address; write one as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>No es una dirección de correo; escríbala como «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>RSS writes an e-mail address as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>RSS escribe una dirección de correo como «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>Add the person&apos;s name after the address: &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>Añada el nombre de la persona tras la dirección: «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>The image has no url.</source>
        <translation>La imagen no tiene url.</translation>
    </message>
    <message>
        <source>The image has no title.</source>
        <translation>La imagen no tiene título.</translation>
    </message>
    <message>
        <source>The image has no link.</source>
        <translation>La imagen no tiene enlace.</translation>
    </message>
    <message>
        <source>The image width must be a whole number from 1 to 144.</source>
        <translation>El ancho de la imagen debe ser un número entero de 1 a 144.</translation>
    </message>
    <message>
        <source>The image height must be a whole number from 1 to 400.</source>
        <translation>El alto de la imagen debe ser un número entero de 1 a 400.</translation>
    </message>
    <message>
        <source>The image link differs from the channel&apos;s link.</source>
        <translation>El enlace de la imagen difiere del enlace del canal.</translation>
    </message>
    <message>
        <source>The image title differs from the channel&apos;s title.</source>
        <translation>El título de la imagen difiere del título del canal.</translation>
    </message>
    <message>
        <source>The channel image should be a GIF, JPEG or PNG file.</source>
        <translation>La imagen del canal debería ser un archivo GIF, JPEG o PNG.</translation>
    </message>
    <message>
        <source>The text input has no title.</source>
        <translation>La entrada de texto no tiene título.</translation>
    </message>
    <message>
        <source>The text input has no description.</source>
        <translation>La entrada de texto no tiene descripción.</translation>
    </message>
    <message>
        <source>The text input has no name.</source>
        <translation>La entrada de texto no tiene nombre.</translation>
    </message>
    <message>
        <source>The text input has no link.</source>
        <translation>La entrada de texto no tiene enlace.</translation>
    </message>
    <message>
        <source>The text input&apos;s name must be a form field name: a letter, then letters, digits, &apos;-&apos;, &apos;_&apos;, &apos;:&apos; or &apos;.&apos;.</source>
        <translation>El nombre de la entrada de texto debe ser un nombre de campo de formulario: una letra y luego letras, cifras, &apos;-&apos;, &apos;_&apos;, &apos;:&apos; o &apos;.&apos;.</translation>
    </message>
    <message>
        <source>The cloud needs all of domain, port, path, registerProcedure and protocol.</source>
        <translation>El cloud necesita domain, port, path, registerProcedure y protocol.</translation>
    </message>
    <message>
        <source>The cloud port must be a whole number from 1 to 65535.</source>
        <translation>El puerto del cloud debe ser un número entero de 1 a 65535.</translation>
    </message>
    <message>
        <source>The cloud protocol must be xml-rpc, soap or http-post.</source>
        <translation>El protocolo del cloud debe ser xml-rpc, soap o http-post.</translation>
    </message>
    <message>
        <source>skipHours lists no hour.</source>
        <translation>skipHours no lista ninguna hora.</translation>
    </message>
    <message>
        <source>An hour must be a whole number from 0 to 23.</source>
        <translation>Una hora debe ser un número entero de 0 a 23.</translation>
    </message>
    <message>
        <source>Write midnight as 0, not 24.</source>
        <translation>Escriba la medianoche como 0, no 24.</translation>
    </message>
    <message>
        <source>This hour is already listed.</source>
        <translation>Esta hora ya está en la lista.</translation>
    </message>
    <message>
        <source>skipHours lists more than 24 hours.</source>
        <translation>skipHours lista más de 24 horas.</translation>
    </message>
    <message>
        <source>skipDays lists no day.</source>
        <translation>skipDays no lista ningún día.</translation>
    </message>
    <message>
        <source>A day must be an English day name: Monday to Sunday.</source>
        <translation>Un día debe ser un nombre de día en inglés: Monday a Sunday.</translation>
    </message>
    <message>
        <source>This day is already listed.</source>
        <translation>Este día ya está en la lista.</translation>
    </message>
    <message>
        <source>skipDays lists more than seven days.</source>
        <translation>skipDays lista más de siete días.</translation>
    </message>
    <message>
        <source>A post needs a title or a description.</source>
        <translation>Una entrada necesita un título o una descripción.</translation>
    </message>
    <message>
        <source>The post has no guid, so readers may show it again as new after an edit.</source>
        <translation>La entrada no tiene guid, así que los lectores pueden volver a mostrarla como nueva tras una edición.</translation>
    </message>
    <message>
        <source>The guid is empty.</source>
        <translation>El guid está vacío.</translation>
    </message>
    <message>
        <source>A guid that is a permalink must be a full URL; if it is not a link, add isPermaLink=&quot;false&quot;.</source>
        <translation>Un guid que es un enlace permanente debe ser una URL completa; si no es un enlace, añada isPermaLink=&quot;false&quot;.</translation>
    </message>
    <message>
        <source>A permalink guid must be a web address (http or https); if it is not, add isPermaLink=&quot;false&quot;.</source>
        <translation>Un guid permanente debe ser una dirección web (http o https); si no lo es, añada isPermaLink=&quot;false&quot;.</translation>
    </message>
    <message>
        <source>isPermaLink must be exactly &quot;true&quot; or &quot;false&quot;.</source>
        <translation>isPermaLink debe ser exactamente «true» o «false».</translation>
    </message>
    <message>
        <source>Another post of the feed has the same guid.</source>
        <translation>Otra entrada del feed tiene el mismo guid.</translation>
    </message>
    <message>
        <source>A guid of a few digits is not unique beyond this feed; readers may confuse it with another feed&apos;s post.</source>
        <translation>Un guid de pocas cifras no es único fuera de este feed; los lectores pueden confundirlo con la entrada de otro feed.</translation>
    </message>
    <message>
        <source>An enclosure needs url, length and type.</source>
        <translation>Un adjunto necesita url, length y type.</translation>
    </message>
    <message>
        <source>The enclosure length must be a whole number of bytes, 0 when unknown.</source>
        <translation>El tamaño del adjunto debe ser un número entero de bytes, 0 si se desconoce.</translation>
    </message>
    <message>
        <source>The enclosure type must be a media type such as &quot;audio/mpeg&quot;.</source>
        <translation>El tipo del adjunto debe ser un tipo de medio como «audio/mpeg».</translation>
    </message>
    <message>
        <source>The post has more than one enclosure; most readers take only the first.</source>
        <translation>La entrada tiene más de un adjunto; la mayoría de los lectores solo toman el primero.</translation>
    </message>
    <message>
        <source>A source needs the url of the feed it comes from.</source>
        <translation>Una fuente necesita la url del feed del que procede.</translation>
    </message>
    <message>
        <source>Give the post a description before its content:encoded; some readers take only the description, or only the first of the two.</source>
        <translation>Dé a la entrada una descripción antes de su content:encoded; algunos lectores solo toman la descripción, o solo el primero de los dos.</translation>
    </message>
    <message>
        <source>The description holds a script, which readers remove or refuse.</source>
        <translation>La descripción contiene un script, que los lectores quitan o rechazan.</translation>
    </message>
    <message>
        <source>The description holds a frame, which many readers remove.</source>
        <translation>La descripción contiene un marco, que muchos lectores quitan.</translation>
    </message>
    <message>
        <source>The description holds an event attribute (on...), which readers remove.</source>
        <translation>La descripción contiene un atributo de evento (on...), que los lectores quitan.</translation>
    </message>
    <message>
        <source>A relative link in the description; readers do not know what it is relative to. Write the full address.</source>
        <translation>Un enlace relativo en la descripción; los lectores no saben respecto a qué es relativo. Escriba la dirección completa.</translation>
    </message>
    <message>
        <source>itunes:explicit must be &quot;true&quot; or &quot;false&quot;.</source>
        <translation>itunes:explicit debe ser «true» o «false».</translation>
    </message>
    <message>
        <source>Apple Podcasts now asks for &quot;true&quot; or &quot;false&quot; here, not yes, no or clean.</source>
        <translation>Apple Podcasts pide ahora «true» o «false» aquí, no yes, no o clean.</translation>
    </message>
    <message>
        <source>Not one of Apple Podcasts&apos; categories.</source>
        <translation>No es una categoría de Apple Podcasts.</translation>
    </message>
    <message>
        <source>Not a subcategory of this Apple Podcasts category.</source>
        <translation>No es una subcategoría de esta categoría de Apple Podcasts.</translation>
    </message>
    <message>
        <source>The duration must be seconds, or minutes and seconds as mm:ss, or hh:mm:ss.</source>
        <translation>La duración debe estar en segundos, o en minutos y segundos como mm:ss, o hh:mm:ss.</translation>
    </message>
    <message>
        <source>The episode number must be a whole number above 0.</source>
        <translation>El número de episodio debe ser un número entero mayor que 0.</translation>
    </message>
    <message>
        <source>The season number must be a whole number above 0.</source>
        <translation>El número de temporada debe ser un número entero mayor que 0.</translation>
    </message>
    <message>
        <source>The episode type must be full, trailer or bonus.</source>
        <translation>El tipo de episodio debe ser full, trailer o bonus.</translation>
    </message>
    <message>
        <source>The show type must be episodic or serial.</source>
        <translation>El tipo de programa debe ser episodic o serial.</translation>
    </message>
    <message>
        <source>itunes:block and itunes:complete take &quot;Yes&quot;, or &quot;No&quot;.</source>
        <translation>itunes:block e itunes:complete admiten «Yes» o «No».</translation>
    </message>
    <message>
        <source>podcast:guid must be a UUID such as &quot;ead4c236-bf58-58c6-a2c6-a6b28d128cb6&quot;.</source>
        <translation>podcast:guid debe ser un UUID como «ead4c236-bf58-58c6-a2c6-a6b28d128cb6».</translation>
    </message>
    <message>
        <source>podcast:locked must be &quot;yes&quot; or &quot;no&quot;.</source>
        <translation>podcast:locked debe ser «yes» o «no».</translation>
    </message>
    <message>
        <source>Podcast tags should link with https addresses.</source>
        <translation>Las etiquetas de podcast deberían enlazar con direcciones https.</translation>
    </message>
    <message>
        <source>The namespace address is close to the podcast or iTunes namespace but not it; readers will not know the tags.</source>
        <translation>La dirección del espacio de nombres se parece a la de podcast o iTunes pero no lo es; los lectores no conocerán las etiquetas.</translation>
    </message>
    <message>
        <source>The podcast namespace has no such tag.</source>
        <translation>El espacio de nombres podcast no tiene esa etiqueta.</translation>
    </message>
    <message>
        <source>This podcast tag does not belong in this element.</source>
        <translation>Esta etiqueta de podcast no va en este elemento.</translation>
    </message>
    <message>
        <source>The podcast tag lacks an attribute it requires.</source>
        <translation>A la etiqueta de podcast le falta un atributo obligatorio.</translation>
    </message>
    <message>
        <source>The podcast tag lacks an element it requires inside it.</source>
        <translation>A la etiqueta de podcast le falta un elemento obligatorio dentro.</translation>
    </message>
    <message>
        <source>The podcast tag needs a value; it is empty.</source>
        <translation>La etiqueta de podcast necesita un valor; está vacía.</translation>
    </message>
    <message>
        <source>The value is longer than podcast apps show; they may cut it.</source>
        <translation>El valor es más largo de lo que muestran las aplicaciones de podcast; pueden cortarlo.</translation>
    </message>
    <message>
        <source>The value is not one this podcast tag takes.</source>
        <translation>Esta etiqueta de podcast no admite este valor.</translation>
    </message>
    <message>
        <source>Few podcast apps know this value.</source>
        <translation>Pocas aplicaciones de podcast conocen este valor.</translation>
    </message>
    <message>
        <source>Not a podcast GUID, a UUID such as &quot;917393e3-1b1e-5cef-ace4-edaa54e1f810&quot;.</source>
        <translation>No es un GUID de podcast, un UUID como «917393e3-1b1e-5cef-ace4-edaa54e1f810».</translation>
    </message>
    <message>
        <source>Not an ISO 8601 date and time such as &quot;2021-09-26T07:30:00-06:00&quot;.</source>
        <translation>No es una fecha y hora ISO 8601 como «2021-09-26T07:30:00-06:00».</translation>
    </message>
    <message>
        <source>Not a number of the form this podcast tag asks for.</source>
        <translation>No es un número de la forma que pide esta etiqueta de podcast.</translation>
    </message>
    <message>
        <source>A time must be seconds, such as &quot;73&quot; or &quot;1234.5&quot;.</source>
        <translation>Un tiempo debe estar en segundos, como «73» o «1234.5».</translation>
    </message>
    <message>
        <source>A podcast gives its own address (atom:link rel=&quot;self&quot;); PSP-1 requires it.</source>
        <translation>Un podcast da su propia dirección (atom:link rel=&quot;self&quot;); PSP-1 lo exige.</translation>
    </message>
    <message>
        <source>The podcast has no artwork: podcast directories require an itunes:image with an href.</source>
        <translation>El podcast no tiene ilustración: los directorios de podcasts exigen un itunes:image con href.</translation>
    </message>
    <message>
        <source>The podcast has no language; podcast directories require one.</source>
        <translation>El podcast no tiene idioma; los directorios de podcasts exigen uno.</translation>
    </message>
    <message>
        <source>The podcast has no itunes:category; podcast directories require one.</source>
        <translation>El podcast no tiene itunes:category; los directorios de podcasts exigen una.</translation>
    </message>
    <message>
        <source>The podcast has no itunes:explicit; podcast directories require &quot;true&quot; or &quot;false&quot;.</source>
        <translation>El podcast no tiene itunes:explicit; los directorios de podcasts exigen «true» o «false».</translation>
    </message>
    <message>
        <source>Apple Podcasts takes a show description of at most 4000 bytes.</source>
        <translation>Apple Podcasts admite una descripción del programa de como máximo 4000 bytes.</translation>
    </message>
    <message>
        <source>The episode has no title; podcast directories require one.</source>
        <translation>El episodio no tiene título; los directorios de podcasts exigen uno.</translation>
    </message>
    <message>
        <source>The episode has no enclosure, the media file podcast apps play.</source>
        <translation>El episodio no tiene adjunto, el archivo multimedia que reproducen las aplicaciones de podcast.</translation>
    </message>
    <message>
        <source>The episode has no guid; PSP-1 requires one so that apps do not download it again.</source>
        <translation>El episodio no tiene guid; PSP-1 exige uno para que las aplicaciones no lo descarguen de nuevo.</translation>
    </message>
    <message>
        <source>PSP-1 recommends podcast:locked, which tells other platforms whether they may import the feed.</source>
        <translation>PSP-1 recomienda podcast:locked, que indica a otras plataformas si pueden importar el feed.</translation>
    </message>
    <message>
        <source>PSP-1 recommends podcast:guid, the podcast&apos;s identity that stays when its address moves.</source>
        <translation>PSP-1 recomienda podcast:guid, la identidad del podcast que se mantiene cuando cambia su dirección.</translation>
    </message>
    <message>
        <source>Apple Podcasts takes artwork as a JPEG or PNG file (.jpg or .png).</source>
        <translation>Apple Podcasts admite ilustraciones como archivo JPEG o PNG (.jpg o .png).</translation>
    </message>
    <message>
        <source>Apple Podcasts takes square artwork from 1400 x 1400 to 3000 x 3000 pixels.</source>
        <translation>Apple Podcasts admite ilustraciones cuadradas de 1400 x 1400 a 3000 x 3000 píxeles.</translation>
    </message>
    <message>
        <source>Apple Podcasts takes artwork in the RGB colour space, not greyscale or CMYK.</source>
        <translation>Apple Podcasts admite ilustraciones en el espacio de color RGB, no en escala de grises ni CMYK.</translation>
    </message>
    <message>
        <source>The artwork file cannot be read, so its size and colours are not checked.</source>
        <translation>No se puede leer el archivo de ilustración, así que no se comprueban su tamaño ni sus colores.</translation>
    </message>
    <message>
        <source>The feed&apos;s own address (atom:link rel=&quot;self&quot;) is its web site&apos;s; it should be the address of the feed file.</source>
        <translation>La dirección propia del feed (atom:link rel=&quot;self&quot;) es la de su sitio web; debería ser la dirección del archivo del feed.</translation>
    </message>
    <message>
        <source>An attribute from another vocabulary on an element of RSS; readers ignore it.</source>
        <translation>Un atributo de otro vocabulario en un elemento de RSS; los lectores lo ignoran.</translation>
    </message>
    <message>
        <source>RSS gives this element no such attribute; readers ignore it.</source>
        <translation>RSS no da a este elemento ese atributo; los lectores lo ignoran.</translation>
    </message>
    <message>
        <source>The address holds characters outside ASCII; write them percent-encoded, as %C3%A9, and a host in its &quot;xn--&quot; form.</source>
        <translation>La dirección contiene caracteres fuera de ASCII; escríbalos con codificación porcentual, como %C3%A9, y el host en su forma «xn--».</translation>
    </message>
    <message>
        <source>This plain text holds a &quot;&lt;&quot; that a reader showing it as HTML takes for the start of a tag, hiding what follows; write it as &amp;#x3C;.</source>
        <translation>Este texto sin formato contiene un «&lt;» que un lector que lo muestre como HTML toma por el comienzo de una etiqueta, con lo que oculta lo que sigue; escríbalo como &amp;#x3C;.</translation>
    </message>
    <message>
        <source>Few readers show a text input; most ignore it.</source>
        <translation>Pocos lectores muestran un campo de entrada de texto; la mayoría lo ignora.</translation>
    </message>
    <message>
        <source>The number of comments (slash:comments) must be a whole number, 0 or more.</source>
        <translation>El número de comentarios (slash:comments) debe ser un número entero, 0 o mayor.</translation>
    </message>
    <message>
        <source>The description holds a tag that readers remove as a risk (embed, object, meta, style and the like).</source>
        <translation>La descripción contiene una etiqueta que los lectores quitan por riesgo (embed, object, meta, style y similares).</translation>
    </message>
    <message>
        <source>The podcast namespace recommends this attribute; apps use it to show the tag well.</source>
        <translation>El espacio de nombres podcast recomienda este atributo; las aplicaciones lo usan para mostrar bien la etiqueta.</translation>
    </message>
    <message>
        <source>The podcast namespace has retired this tag in favour of another.</source>
        <translation>El espacio de nombres podcast ha retirado esta etiqueta en favor de otra.</translation>
    </message>
    <message>
        <source>Apple Podcasts asks for &quot;true&quot; or &quot;false&quot; here, not yes, no or clean.</source>
        <translation>Apple Podcasts pide aquí «true» o «false», no yes, no ni clean.</translation>
    </message>
</context>
<context>
    <name>CFetchTitleFromURL</name>
    <message>
        <source>The page has no title.</source>
        <translation>La página no tiene título.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Más herramientas</translation>
    </message>
</context>
<context>
    <name>CHyperlinkDlg</name>
    <message>
        <source>Insert Hyperlink</source>
        <translation>Insertar hipervínculo</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Looking up the page&apos;s title…</source>
        <translation>Buscando el título de la página…</translation>
    </message>
    <message>
        <source>No title: %1</source>
        <translation>Sin título: %1</translation>
    </message>
</context>
<context>
    <name>CImageDlg</name>
    <message>
        <source>Insert Image</source>
        <translation>Insertar imagen</translation>
    </message>
    <message>
        <source>Type the image&apos;s address here (required)</source>
        <translation>Escriba aquí la dirección de la imagen (obligatoria)</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Type the text shown in its place here</source>
        <translation>Escriba aquí el texto que se muestra en su lugar</translation>
    </message>
    <message>
        <source>Width in pixels (optional)</source>
        <translation>Ancho en píxeles (opcional)</translation>
    </message>
    <message>
        <source>Height in pixels (optional)</source>
        <translation>Alto en píxeles (opcional)</translation>
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
        <source>text on left</source>
        <translation>texto a la izquierda</translation>
    </message>
    <message>
        <source>text on right</source>
        <translation>texto a la derecha</translation>
    </message>
    <message>
        <source>See image sample here</source>
        <translation>Aquí se ve una muestra de la imagen</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Elegir imagen</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.gif *.webp *.svg);;All files (*)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.gif *.webp *.svg);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>CLiveItemFields</name>
    <message>
        <source>Live stream</source>
        <translation>Emisión en directo</translation>
    </message>
    <message>
        <source>St&amp;atus:</source>
        <translation>E&amp;stado:</translation>
    </message>
    <message>
        <source>Sta&amp;rt:</source>
        <translation>I&amp;nicio:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fin:</translation>
    </message>
    <message>
        <source>Add the time zone, e.g. %1Z or %1+01:00</source>
        <translation>Añada la zona horaria, p. ej. %1Z o %1+01:00</translation>
    </message>
    <message>
        <source>Not a date and time like 2026-12-24T18:00:00+01:00</source>
        <translation>No es una fecha y hora como 2026-12-24T18:00:00+01:00</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>p. ej., %1</translation>
    </message>
</context>
<context>
    <name>CLocalFolder</name>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>The file could not be written: %1.</source>
        <translation>No se pudo escribir el archivo: %1.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
</context>
<context>
    <name>CLocationOpener</name>
    <message>
        <source>&quot;%1&quot; is not the web address of a feed. It starts with https:// or http://.</source>
        <translation>«%1» no es la dirección web de un feed, que empieza por https:// o http://.</translation>
    </message>
    <message>
        <source>Downloading %1…</source>
        <translation>Descargando %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open Location</source>
        <translation>Abrir ubicación</translation>
    </message>
    <message>
        <source>Downloading %1…
%2 kB received</source>
        <translation>Descargando %1…
%2 kB recibidos</translation>
    </message>
    <message>
        <source>Cannot open %1.

%2</source>
        <translation>No se puede abrir %1.

%2</translation>
    </message>
    <message>
        <source>The owner of this podcast has locked it against moving to another host (podcast:locked is &quot;yes&quot;). Directories will not take it from a new address until the owner unlocks it.

You can still edit it and keep a copy.</source>
        <translation>El propietario de este podcast lo ha bloqueado para que no se mueva a otro host (podcast:locked es «yes»). Los directorios no lo aceptarán desde una dirección nueva hasta que el propietario lo desbloquee.

Aun así, puede editarlo y guardar una copia.</translation>
    </message>
</context>
<context>
    <name>CLockKeyIndicators</name>
    <message>
        <source>Caps Lock</source>
        <translation>Bloq Mayús</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Bloq Num</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Bloq Despl</translation>
    </message>
    <message>
        <source>%1: not known on this display</source>
        <translation>%1: desconocido en esta pantalla</translation>
    </message>
    <message>
        <source>%1 is on</source>
        <translation>%1 está activado</translation>
    </message>
    <message>
        <source>%1 is off</source>
        <translation>%1 está desactivado</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>The preferences could not be written to
%1</source>
        <translation>No se pudieron escribir las preferencias en
%1</translation>
    </message>
    <message>
        <source>No web browser could be started to show
%1

Open this address in a browser yourself.</source>
        <translation>No se pudo iniciar ningún navegador para mostrar
%1

Abra usted esta dirección en un navegador.</translation>
    </message>
    <message>
        <source>Publishing sends the saved file. Save %1 and publish it?</source>
        <translation>Al publicar se envía el archivo guardado. ¿Guardar %1 y publicarlo?</translation>
    </message>
    <message>
        <source>Save and &amp;Publish</source>
        <translation>Guardar y &amp;publicar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormato</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertar</translation>
    </message>
    <message>
        <source>&amp;Posts</source>
        <translation>E&amp;ntradas</translation>
    </message>
    <message>
        <source>Fee&amp;d</source>
        <translation>Fee&amp;d</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>&lt;as opened or saved&gt;</source>
        <translation>&lt;como se abrió o guardó&gt;</translation>
    </message>
    <message>
        <source>Undo History</source>
        <translation>Historial de cambios</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Más herramientas</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
</context>
<context>
    <name>CMoveFeedDialog</name>
    <message>
        <source>Move Feed</source>
        <translation>Mover el feed</translation>
    </message>
    <message>
        <source>not known: the feed names no address of its own</source>
        <translation>desconocida: el feed no indica su propia dirección</translation>
    </message>
    <message>
        <source>Current address:</source>
        <translation>Dirección actual:</translation>
    </message>
    <message>
        <source>&amp;New address:</source>
        <translation>&amp;Nueva dirección:</translation>
    </message>
    <message>
        <source>The feed will name its new address in its atom:link rel=&quot;self&quot; and, for a podcast, in itunes:new-feed-url; a podcast&apos;s podcast:guid stays, so directories know it is the same podcast.

Publish the moved feed to both hosts, then have the old host answer the old address with a permanent redirect (HTTP 301) to the new one. Keep the redirect and itunes:new-feed-url for at least four weeks, better for good: some apps look at a feed seldom.</source>
        <translation>El feed indicará su nueva dirección en su atom:link rel=&quot;self&quot; y, si es un podcast, en itunes:new-feed-url; el podcast:guid de un podcast se mantiene, para que los directorios sepan que es el mismo podcast.

Publique el feed movido en ambos hosts y, después, haga que el host antiguo responda a la dirección antigua con una redirección permanente (HTTP 301) a la nueva. Mantenga la redirección e itunes:new-feed-url durante al menos cuatro semanas, o mejor para siempre: algunas aplicaciones consultan un feed muy de tarde en tarde.</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mover</translation>
    </message>
</context>
<context>
    <name>COtherElementsList</name>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Other elements</source>
        <translation>Otros elementos</translation>
    </message>
    <message>
        <source>Elements these fields do not edit; they are kept as they are</source>
        <translation>Elementos que estos campos no editan; se conservan tal cual</translation>
    </message>
</context>
<context>
    <name>CPodcastFields</name>
    <message>
        <source>Not a role of the Podcast Taxonomy Project</source>
        <translation>No es un rol del Podcast Taxonomy Project</translation>
    </message>
    <message>
        <source>Not a group of the Podcast Taxonomy Project</source>
        <translation>No es un grupo del Podcast Taxonomy Project</translation>
    </message>
    <message>
        <source>A recurrence rule names its frequency, like FREQ=WEEKLY</source>
        <translation>Una regla de recurrencia indica su frecuencia, como FREQ=WEEKLY</translation>
    </message>
    <message>
        <source>Persons</source>
        <translation>Personas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rol</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Lugares</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Rel</source>
        <translation>Rel</translation>
    </message>
    <message>
        <source>Geo</source>
        <translation>Geo</translation>
    </message>
    <message>
        <source>OSM</source>
        <translation>OSM</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Funding</source>
        <translation>Financiación</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>License:</source>
        <translation>Licencia:</translation>
    </message>
    <message>
        <source>An SPDX identifier like cc-by-4.0, or the name of your own</source>
        <translation>Un identificador SPDX como cc-by-4.0, o el nombre de la suya</translation>
    </message>
    <message>
        <source>License URL:</source>
        <translation>URL de la licencia:</translation>
    </message>
    <message>
        <source>Value (payments while listening)</source>
        <translation>Value (pagos durante la escucha)</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Sugerido</translation>
    </message>
    <message>
        <source>Recipients of the selected value</source>
        <translation>Destinatarios del value seleccionado</translation>
    </message>
    <message>
        <source>Start (s)</source>
        <translation>Inicio (s)</translation>
    </message>
    <message>
        <source>Duration (s)</source>
        <translation>Duración (s)</translation>
    </message>
    <message>
        <source>Remote start (s)</source>
        <translation>Inicio remoto (s)</translation>
    </message>
    <message>
        <source>Remote %</source>
        <translation>% remoto</translation>
    </message>
    <message>
        <source>Remote feed GUID</source>
        <translation>GUID del feed remoto</translation>
    </message>
    <message>
        <source>Remote item GUID</source>
        <translation>GUID del item remoto</translation>
    </message>
    <message>
        <source>Remote medium</source>
        <translation>Medio remoto</translation>
    </message>
    <message>
        <source>Time splits of the selected value</source>
        <translation>Tramos de tiempo del value seleccionado</translation>
    </message>
    <message>
        <source>Recipients of the selected time split</source>
        <translation>Destinatarios del tramo seleccionado</translation>
    </message>
    <message>
        <source>Social interaction</source>
        <translation>Interacción social</translation>
    </message>
    <message>
        <source>Root post URI</source>
        <translation>URI de la publicación raíz</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocolo</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Account URL</source>
        <translation>URL de la cuenta</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>Text records (txt)</source>
        <translation>Registros de texto (txt)</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Propósito</translation>
    </message>
    <message>
        <source>Chat server:</source>
        <translation>Servidor de chat:</translation>
    </message>
    <message>
        <source>Chat protocol:</source>
        <translation>Protocolo de chat:</translation>
    </message>
    <message>
        <source>Chat account:</source>
        <translation>Cuenta de chat:</translation>
    </message>
    <message>
        <source>Chat space:</source>
        <translation>Espacio de chat:</translation>
    </message>
    <message>
        <source>Images (podcast:image)</source>
        <translation>Imágenes (podcast:image)</translation>
    </message>
    <message>
        <source>Alt text</source>
        <translation>Texto alternativo</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Relación de aspecto</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Update frequency:</source>
        <translation>Frecuencia de actualización:</translation>
    </message>
    <message>
        <source>In words, like Every other Monday</source>
        <translation>En palabras, como Un lunes sí y otro no</translation>
    </message>
    <message>
        <source>Recurrence rule:</source>
        <translation>Regla de recurrencia:</translation>
    </message>
    <message>
        <source>Rule starts:</source>
        <translation>La regla empieza:</translation>
    </message>
    <message>
        <source>Complete:</source>
        <translation>Completo:</translation>
    </message>
    <message>
        <source>Publisher feed GUID:</source>
        <translation>GUID del feed del editor:</translation>
    </message>
    <message>
        <source>Publisher feed URL:</source>
        <translation>URL del feed del editor:</translation>
    </message>
    <message>
        <source>Publisher medium:</source>
        <translation>Medio del editor:</translation>
    </message>
    <message>
        <source>Podroll (recommended podcasts)</source>
        <translation>Podroll (podcasts recomendados)</translation>
    </message>
    <message>
        <source>Remote items</source>
        <translation>Items remotos</translation>
    </message>
    <message>
        <source>Trailers</source>
        <translation>Tráileres</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Temporada</translation>
    </message>
    <message>
        <source>Blocked platforms</source>
        <translation>Plataformas bloqueadas</translation>
    </message>
    <message>
        <source>Platform (empty: all)</source>
        <translation>Plataforma (vacío: todas)</translation>
    </message>
    <message>
        <source>Blocked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Capítulos:</translation>
    </message>
    <message>
        <source>Chapters type:</source>
        <translation>Tipo de capítulos:</translation>
    </message>
    <message>
        <source>Transcripts</source>
        <translation>Transcripciones</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Soundbites</source>
        <translation>Fragmentos</translation>
    </message>
    <message>
        <source>Alternate enclosures</source>
        <translation>Adjuntos alternativos</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Codecs</source>
        <translation>Códecs</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Integrity type</source>
        <translation>Tipo de integridad</translation>
    </message>
    <message>
        <source>Integrity value</source>
        <translation>Valor de integridad</translation>
    </message>
    <message>
        <source>Sources of the selected alternate enclosure</source>
        <translation>Fuentes del adjunto alternativo seleccionado</translation>
    </message>
    <message>
        <source>Source URI</source>
        <translation>URI de la fuente</translation>
    </message>
    <message>
        <source>Content type</source>
        <translation>Tipo de contenido</translation>
    </message>
    <message>
        <source>Content links</source>
        <translation>Enlaces de contenido</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Reparto</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Comisión</translation>
    </message>
    <message>
        <source>Custom key</source>
        <translation>Clave propia</translation>
    </message>
    <message>
        <source>Custom value</source>
        <translation>Valor propio</translation>
    </message>
    <message>
        <source>Feed GUID</source>
        <translation>GUID del feed</translation>
    </message>
    <message>
        <source>Feed URL</source>
        <translation>URL del feed</translation>
    </message>
    <message>
        <source>Item GUID</source>
        <translation>GUID del item</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
</context>
<context>
    <name>CPodcastValues</name>
    <message>
        <source>Not a time in seconds like 73.0 or 1234.5</source>
        <translation>No es un tiempo en segundos como 73.0 o 1234.5</translation>
    </message>
    <message>
        <source>Not a number like 3 or 315.5</source>
        <translation>No es un número como 3 o 315.5</translation>
    </message>
    <message>
        <source>Not an ISO 8601 date like 2023-08-28T00:00:00.000Z</source>
        <translation>No es una fecha ISO 8601 como 2023-08-28T00:00:00.000Z</translation>
    </message>
    <message>
        <source>Not a UUID like 917393e3-1b1e-5cef-ace4-edaa54e1f810</source>
        <translation>No es un UUID como 917393e3-1b1e-5cef-ace4-edaa54e1f810</translation>
    </message>
    <message>
        <source>Not a place like geo:30.2672,97.7431</source>
        <translation>No es un lugar como geo:30.2672,97.7431</translation>
    </message>
    <message>
        <source>Not an OpenStreetMap object like R113314 or W43678282</source>
        <translation>No es un objeto de OpenStreetMap como R113314 o W43678282</translation>
    </message>
    <message>
        <source>Not a percentage from 0 to 100</source>
        <translation>No es un porcentaje de 0 a 100</translation>
    </message>
    <message>
        <source>Not one of: %1</source>
        <translation>No es uno de estos: %1</translation>
    </message>
    <message>
        <source>Not a two-letter country code like US or DE</source>
        <translation>No es un código de país de dos letras como US o DE</translation>
    </message>
    <message>
        <source>Not an aspect ratio like 16/9 or 1.9</source>
        <translation>No es una relación de aspecto como 16/9 o 1.9</translation>
    </message>
</context>
<context>
    <name>CPostCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>Delete this post?

&quot;%1&quot;</source>
        <translation>¿Eliminar esta entrada?

«%1»</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Discard the changes to %1 and reload it from the disk?</source>
        <translation>¿Descartar los cambios de %1 y recargarlo desde el disco?</translation>
    </message>
    <message>
        <source>&amp;Discard and Reload</source>
        <translation>&amp;Descartar y recargar</translation>
    </message>
    <message>
        <source>Cannot reload %1.

%2

The feed stays as it was.</source>
        <translation>No se puede recargar %1.

%2

El feed sigue como estaba.</translation>
    </message>
    <message>
        <source>No program could be started to show folders.</source>
        <translation>No se pudo iniciar ningún programa para mostrar carpetas.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>La carpeta no existe.</translation>
    </message>
    <message>
        <source>Cannot open directory %1 %2</source>
        <translation>No se puede abrir la carpeta %1. %2</translation>
    </message>
    <message>
        <source>Skipped %1. %2</source>
        <translation>Se omitió %1. %2</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Episode(s)</source>
        <translation>
            <numerusform>Añadir %n episodio</numerusform>
            <numerusform>Añadir %n episodios</numerusform>
        </translation>
    </message>
    <message>
        <source>This feed&apos;s publish settings give no media address, so the episodes&apos; enclosures cannot get their web addresses.

Add them with addresses relative to the feed, to be completed later? To set the media address first, cancel and choose File &gt; Publish Settings.</source>
        <translation>Los ajustes de publicación de este feed no indican dirección multimedia, así que los adjuntos de los episodios no pueden recibir sus direcciones web.

¿Añadirlos con direcciones relativas al feed, para completarlas después? Para fijar primero la dirección multimedia, cancele y elija Archivo &gt; Ajustes de publicación.</translation>
    </message>
    <message>
        <source>&amp;Add Anyway</source>
        <translation>&amp;Añadir de todos modos</translation>
    </message>
</context>
<context>
    <name>CPostRowDelegate</name>
    <message>
        <source>Post title</source>
        <translation>Título de la entrada</translation>
    </message>
    <message>
        <source>Enter keeps the new title, Escape drops it</source>
        <translation>Enter conserva el título nuevo, Escape lo descarta</translation>
    </message>
</context>
<context>
    <name>CPostsListCtrl</name>
    <message>
        <source>No items</source>
        <translation>No hay entradas</translation>
    </message>
</context>
<context>
    <name>CPostsModel</name>
    <message>
        <source>Posts - Press Ctrl+F for filtering</source>
        <translation>Entradas – Ctrl+F para filtrar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Rename Post</source>
        <translation>Renombrar entrada</translation>
    </message>
    <message>
        <source>Stream starts %1</source>
        <translation>Emisión prevista: %1</translation>
    </message>
    <message>
        <source>Live now, since %1</source>
        <translation>En directo desde %1</translation>
    </message>
    <message>
        <source>Stream ended, began %1</source>
        <translation>Emisión terminada; inicio: %1</translation>
    </message>
    <message>
        <source>Stream (%1) at %2</source>
        <translation>Emisión (%1): %2</translation>
    </message>
    <message>
        <source>Live item, %1: %2 to %3</source>
        <translation>Entrada en directo, %1: de %2 a %3</translation>
    </message>
    <message>
        <source>No title</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>No date</source>
        <translation>Sin fecha</translation>
    </message>
    <message>
        <source>Unreadable date: %1</source>
        <translation>Fecha ilegible: %1</translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>&amp;Add a footer under the description of every post I edit</source>
        <translation>&amp;Añadir un pie bajo la descripción de cada entrada que edite</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>&amp;Default Text</source>
        <translation>Texto &amp;predeterminado</translation>
    </message>
    <message>
        <source>The footer is added when a post&apos;s description is stored, unless the description ends with one already.</source>
        <translation>El pie se añade al guardar la descripción de una entrada, salvo que la descripción ya termine con uno.</translation>
    </message>
    <message>
        <source>Footer &amp;text:</source>
        <translation>&amp;Texto del pie:</translation>
    </message>
    <message>
        <source>Post footer</source>
        <translation>Pie de las entradas</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Seguir al escritorio</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation>&amp;Colores:</translation>
    </message>
</context>
<context>
    <name>CPublishCommand</name>
    <message>
        <source>%1: file %2 of %3, %4% sent</source>
        <translation>%1: archivo %2 de %3, %4% enviado</translation>
    </message>
    <message>
        <source>--to %1: %2</source>
        <translation>--to %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 no es un archivo.</translation>
    </message>
    <message>
        <source>The feed check found errors in %1; nothing was sent:</source>
        <translation>La comprobación del feed encontró errores en %1; no se envió nada:</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>CPublishProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop publishing; the feed on the server stays as it was</source>
        <translation>Detener la publicación; el feed del servidor sigue como estaba</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>Publishing to %1…</source>
        <translation>Publicando en %1…</translation>
    </message>
    <message>
        <source>File %1 of %2, %3 of %4</source>
        <translation>Archivo %1 de %2, %3 de %4</translation>
    </message>
</context>
<context>
    <name>CPublishSettingsDialog</name>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Examinar…</translation>
    </message>
    <message>
        <source>Switch plain FTP to &amp;TLS (STARTTLS) before logging in</source>
        <translation>Pasar el FTP simple a &amp;TLS (STARTTLS) antes de iniciar sesión</translation>
    </message>
    <message>
        <source>B&amp;rowse…</source>
        <translation>Exa&amp;minar…</translation>
    </message>
    <message>
        <source>Publish Settings — %1</source>
        <translation>Ajustes de publicación — %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Key file</source>
        <translation>Archivo de clave</translation>
    </message>
    <message>
        <source>SSH agent</source>
        <translation>Agente SSH</translation>
    </message>
    <message>
        <source>the feed&apos;s folder</source>
        <translation>la carpeta del feed</translation>
    </message>
    <message>
        <source>&amp;Upload to:</source>
        <translation>&amp;Subir a:</translation>
    </message>
    <message>
        <source>U&amp;ser:</source>
        <translation>U&amp;suario:</translation>
    </message>
    <message>
        <source>SFTP si&amp;gns in with:</source>
        <translation>SFTP &amp;inicia sesión con:</translation>
    </message>
    <message>
        <source>SSH &amp;key file:</source>
        <translation>Archivo de &amp;clave SSH:</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>&amp;Media address:</source>
        <translation>Dirección &amp;multimedia:</translation>
    </message>
    <message>
        <source>Media &amp;folder:</source>
        <translation>&amp;Carpeta multimedia:</translation>
    </message>
    <message>
        <source>Optional. Enclosures whose address starts with the media address are uploaded beside the feed from the same place under the media folder, unless the server has them at the same size.</source>
        <translation>Opcional. Los adjuntos cuya dirección empieza por la dirección multimedia se suben junto al feed desde el mismo lugar bajo la carpeta multimedia, salvo que el servidor ya los tenga con el mismo tamaño.</translation>
    </message>
    <message>
        <source>Media files</source>
        <translation>Archivos multimedia</translation>
    </message>
    <message>
        <source>Type the address the feed is uploaded to.</source>
        <translation>Escriba la dirección a la que se sube el feed.</translation>
    </message>
    <message>
        <source>The address has no server name after %1://.</source>
        <translation>La dirección no tiene nombre de servidor después de %1://.</translation>
    </message>
    <message>
        <source>The address needs a path after the server name, such as /feed.xml.</source>
        <translation>La dirección necesita una ruta después del nombre del servidor, como /feed.xml.</translation>
    </message>
    <message>
        <source>The media address must be a web address starting with http:// or https://.</source>
        <translation>La dirección multimedia debe ser una dirección web que empiece por http:// o https://.</translation>
    </message>
    <message>
        <source>Key &amp;passphrase:</source>
        <translation>&amp;Frase de paso de la clave:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>Media Folder</source>
        <translation>Carpeta multimedia</translation>
    </message>
    <message>
        <source>SSH Key File</source>
        <translation>Archivo de clave SSH</translation>
    </message>
    <message>
        <source>&amp;Name the bucket in the path (path-style), not in the host name</source>
        <translation>&amp;Nombrar el bucket en la ruta (path-style), no en el nombre del host</translation>
    </message>
    <message>
        <source>Let everyone read the uploaded files (public-read &amp;ACL)</source>
        <translation>Permitir que todos lean los archivos subidos (&amp;ACL public-read)</translation>
    </message>
    <message>
        <source>Where subscribers read the feed: the address it was opened from or moved to</source>
        <translation>Donde los suscriptores leen el feed: la dirección desde la que se abrió o a la que se movió</translation>
    </message>
    <message>
        <source>Feed&apos;s &amp;web address:</source>
        <translation>Dirección &amp;web del feed:</translation>
    </message>
    <message>
        <source>S3 regi&amp;on:</source>
        <translation>&amp;Región de S3:</translation>
    </message>
    <message>
        <source>The address is the feed&apos;s on the server: sftp://, ftp://, ftps://, dav:// or davs:// for WebDAV over HTTP or HTTPS, s3://ENDPOINT/BUCKET/PREFIX/ for S3-compatible storage, or file:// for a folder on this computer. An address ending with / names a folder; the feed keeps its file name there. Media files go first and the feed last, so it never lists a file that is not there yet.</source>
        <translation>La dirección es la del feed en el servidor: sftp://, ftp://, ftps://, dav:// o davs:// para WebDAV sobre HTTP o HTTPS, s3://ENDPOINT/BUCKET/PREFIX/ para almacenamiento compatible con S3, o file:// para una carpeta de este equipo. Una dirección que termina en / nombra una carpeta; el feed conserva allí su nombre de archivo. Los archivos multimedia se suben primero y el feed al final, para que nunca enumere un archivo que aún no está allí.</translation>
    </message>
    <message>
        <source>Passwords, passphrases and secret keys are kept in the desktop&apos;s keyring, never in a settings file.</source>
        <translation>Las contraseñas, frases de paso y claves secretas se guardan en el depósito de claves del escritorio, nunca en un archivo de ajustes.</translation>
    </message>
    <message>
        <source>The address must start with sftp://, ftp://, ftps://, dav://, davs://, s3:// or file://.</source>
        <translation>La dirección debe empezar por sftp://, ftp://, ftps://, dav://, davs://, s3:// o file://.</translation>
    </message>
    <message>
        <source>The address needs the bucket after the server name, such as /bucket/feed.xml.</source>
        <translation>La dirección necesita el bucket después del nombre del servidor, como /bucket/feed.xml.</translation>
    </message>
    <message>
        <source>Access key &amp;ID:</source>
        <translation>I&amp;D de clave de acceso:</translation>
    </message>
    <message>
        <source>&amp;Secret access key:</source>
        <translation>Cla&amp;ve de acceso secreta:</translation>
    </message>
</context>
<context>
    <name>CRSSEditDoc</name>
    <message>
        <source>Edit Title</source>
        <translation>Editar título</translation>
    </message>
    <message>
        <source>Edit Link</source>
        <translation>Editar enlace</translation>
    </message>
    <message>
        <source>Edit Author</source>
        <translation>Editar autor</translation>
    </message>
    <message>
        <source>Edit Description</source>
        <translation>Editar descripción</translation>
    </message>
    <message>
        <source>Feed%1</source>
        <translation>Feed%1</translation>
    </message>
    <message>
        <source>Add Post</source>
        <translation>Añadir entrada</translation>
    </message>
    <message>
        <source>Duplicate Post</source>
        <translation>Duplicar entrada</translation>
    </message>
    <message>
        <source>Delete Post</source>
        <translation>Eliminar entrada</translation>
    </message>
    <message>
        <source>Edit Channel %1</source>
        <translation>Editar %1 del canal</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
    <message>
        <source>Turn Podcast On</source>
        <translation>Activar podcast</translation>
    </message>
    <message>
        <source>Move Post to Top</source>
        <translation>Mover la entrada al principio</translation>
    </message>
    <message>
        <source>Set Date to Now</source>
        <translation>Fechar ahora</translation>
    </message>
    <message>
        <source>Add Live Item</source>
        <translation>Añadir entrada en directo</translation>
    </message>
    <message>
        <source>Listen live</source>
        <translation>Escuchar en directo</translation>
    </message>
    <message>
        <source>Move Feed</source>
        <translation>Mover el feed</translation>
    </message>
</context>
<context>
    <name>CRSSEditView</name>
    <message>
        <source>Format Description</source>
        <translation>Dar formato a la descripción</translation>
    </message>
    <message>
        <source>Tidrel editor</source>
        <translation>Editor de Tidrel</translation>
    </message>
    <message>
        <source>Type RSS Item here (this area is editable and selectable)</source>
        <translation>Escriba aquí la entrada RSS (esta zona se puede editar y seleccionar)</translation>
    </message>
    <message>
        <source>Type RSS item title here…</source>
        <translation>Escriba aquí el título de la entrada RSS…</translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Type description of RSS item here…</source>
        <translation>Escriba aquí la descripción de la entrada RSS…</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Enlace:</translation>
    </message>
    <message>
        <source>&lt;Enter link to article here...&gt;</source>
        <translation>&lt;Escriba aquí el enlace al artículo...&gt;</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Strong emphasis</source>
        <translation>Énfasis fuerte</translation>
    </message>
    <message>
        <source>Emphasis</source>
        <translation>Énfasis</translation>
    </message>
    <message>
        <source>Strikethrough text</source>
        <translation>Texto tachado</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Párrafo</translation>
    </message>
    <message>
        <source>Header 1</source>
        <translation>Encabezado 1</translation>
    </message>
    <message>
        <source>Header 2</source>
        <translation>Encabezado 2</translation>
    </message>
    <message>
        <source>Header 3</source>
        <translation>Encabezado 3</translation>
    </message>
    <message>
        <source>Header 4</source>
        <translation>Encabezado 4</translation>
    </message>
    <message>
        <source>Block of plain text, &lt;pre&gt;</source>
        <translation>Bloque de texto sin formato, &lt;pre&gt;</translation>
    </message>
    <message>
        <source>Insert or edit hyperlink</source>
        <translation>Insertar o editar hipervínculo</translation>
    </message>
    <message>
        <source>Insert or change properties image</source>
        <translation>Insertar una imagen o cambiar sus propiedades</translation>
    </message>
    <message>
        <source>List item, unordered list</source>
        <translation>Elemento de lista con viñetas</translation>
    </message>
    <message>
        <source>List item, ordered list</source>
        <translation>Elemento de lista numerada</translation>
    </message>
    <message>
        <source>Decrease level of list item or un-quote</source>
        <translation>Reducir el nivel de la lista o quitar la cita</translation>
    </message>
    <message>
        <source>Increase level of list item or quote</source>
        <translation>Aumentar el nivel de la lista o citar</translation>
    </message>
    <message>
        <source>Show/hide rulers</source>
        <translation>Mostrar/ocultar reglas</translation>
    </message>
    <message>
        <source>Cannot init HTML face</source>
        <translation>No se puede iniciar la interfaz HTML</translation>
    </message>
    <message>
        <source>Remove Spans and Styles</source>
        <translation>Quitar SPAN y estilos</translation>
    </message>
    <message>
        <source>Remove Non-Breaking Spaces</source>
        <translation>Quitar espacios de no separación</translation>
    </message>
    <message>
        <source>Current Object Tag: %1</source>
        <translation>Etiqueta del objeto actual: %1</translation>
    </message>
    <message>
        <source>Insert Hyperlink</source>
        <translation>Insertar hipervínculo</translation>
    </message>
    <message>
        <source>Insert Image</source>
        <translation>Insertar imagen</translation>
    </message>
    <message>
        <source>Post title</source>
        <translation>Título de la entrada</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Links of other posts</source>
        <translation>Enlaces de otras entradas</translation>
    </message>
    <message>
        <source>Authors of other posts</source>
        <translation>Autores de otras entradas</translation>
    </message>
</context>
<context>
    <name>CRemoteFolder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>The server&apos;s host key is not known: %1.</source>
        <translation>No se conoce la clave de host del servidor: %1.</translation>
    </message>
    <message>
        <source>Refused: the server&apos;s host key has changed (now %1). Someone may be listening in, or the server was set up anew.</source>
        <translation>Rechazado: la clave de host del servidor ha cambiado (ahora %1). Puede que alguien esté escuchando, o que el servidor se haya reinstalado.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>The server did not let the uploaded file take the old one&apos;s place.</source>
        <translation>El servidor no dejó que el archivo subido sustituyera al anterior.</translation>
    </message>
</context>
<context>
    <name>CRssFeed</name>
    <message>
        <source>New Item</source>
        <translation>Nueva entrada</translation>
    </message>
    <message>
        <source>New Live Item</source>
        <translation>Nueva entrada en directo</translation>
    </message>
</context>
<context>
    <name>CS3Folder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>The storage does not know the access key ID %1: check it.</source>
        <translation>El almacenamiento no conoce el ID de clave de acceso %1: compruébelo.</translation>
    </message>
    <message>
        <source>The secret access key does not belong to the access key ID %1: check the secret.</source>
        <translation>La clave de acceso secreta no corresponde al ID de clave de acceso %1: compruebe la clave secreta.</translation>
    </message>
    <message>
        <source>There is no bucket %1 at %2: check the bucket&apos;s name and the endpoint.</source>
        <translation>No hay ningún bucket %1 en %2: compruebe el nombre del bucket y el endpoint.</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is too far from the storage&apos;s: set the clock right, for instance with automatic date and time.</source>
        <translation>El reloj de este equipo está demasiado desfasado respecto al del almacenamiento: ponga el reloj en hora, por ejemplo con la fecha y hora automáticas.</translation>
    </message>
    <message>
        <source>The storage refused the region %1: check the bucket&apos;s region.</source>
        <translation>El almacenamiento rechazó la región %1: compruebe la región del bucket.</translation>
    </message>
    <message>
        <source>The storage refused the key %1 access to bucket %2: check the key&apos;s permissions.</source>
        <translation>El almacenamiento denegó a la clave %1 el acceso al bucket %2: compruebe los permisos de la clave.</translation>
    </message>
    <message>
        <source>The storage refused the request: %1 (%2).</source>
        <translation>El almacenamiento rechazó la solicitud: %1 (%2).</translation>
    </message>
    <message>
        <source>The storage answered with error %1.</source>
        <translation>El almacenamiento respondió con el error %1.</translation>
    </message>
</context>
<context>
    <name>CSecretStore</name>
    <message>
        <source>There is no keyring on this desktop: %1</source>
        <translation>Este escritorio no tiene depósito de claves: %1</translation>
    </message>
    <message>
        <source>There is no keyring: the desktop&apos;s session bus is not running.</source>
        <translation>No hay depósito de claves: el bus de sesión del escritorio no está en marcha.</translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>Welcome To Tidrel</source>
        <translation>Bienvenido a Tidrel</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Create new feed</source>
        <translation>Crear un feed nuevo</translation>
    </message>
    <message>
        <source>Open a feed…</source>
        <translation>Abrir un feed…</translation>
    </message>
    <message>
        <source>Recent Feeds</source>
        <translation>Feeds recientes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Tidrel user guide</source>
        <translation>Guía de usuario de Tidrel</translation>
    </message>
    <message>
        <source>WWW</source>
        <translation>WWW</translation>
    </message>
    <message>
        <source>RSS 2.0 at the RSS Advisory Board</source>
        <translation>RSS 2.0 en el RSS Advisory Board</translation>
    </message>
    <message>
        <source>W3C Feed Validation Service</source>
        <translation>Servicio de validación de feeds del W3C</translation>
    </message>
    <message>
        <source>Qt WebEngine, the HTML engine of Tidrel</source>
        <translation>Qt WebEngine, el motor HTML de Tidrel</translation>
    </message>
    <message>
        <source>Web links open in your web browser.</source>
        <translation>Los enlaces web se abren en su navegador.</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new feed</source>
        <translation>Crear un feed nuevo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open an existing feed</source>
        <translation>Abrir un feed existente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close the active feed</source>
        <translation>Cerrar el feed activo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the active feed</source>
        <translation>Guardar el feed activo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>Save the active feed with a new name</source>
        <translation>Guardar el feed activo con otro nombre</translation>
    </message>
    <message>
        <source>P&amp;ublish</source>
        <translation>P&amp;ublicar</translation>
    </message>
    <message>
        <source>Upload the saved feed to its server or folder</source>
        <translation>Subir el feed guardado a su servidor o carpeta</translation>
    </message>
    <message>
        <source>Publish Se&amp;ttings…</source>
        <translation>Ajus&amp;tes de publicación…</translation>
    </message>
    <message>
        <source>Choose where the feed is published and how to sign in</source>
        <translation>Elegir dónde se publica el feed y cómo iniciar sesión</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Print the current post as the editor shows it</source>
        <translation>Imprimir la entrada actual tal como la muestra el editor</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>Show the printout of the current post</source>
        <translation>Mostrar la impresión de la entrada actual</translation>
    </message>
    <message>
        <source>P&amp;rint Setup…</source>
        <translation>Configu&amp;rar impresión…</translation>
    </message>
    <message>
        <source>Change the paper, orientation and margins of printouts</source>
        <translation>Cambiar el papel, la orientación y los márgenes de las impresiones</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save feeds</source>
        <translation>Salir de la aplicación; pregunta si guardar los feeds</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Deshacer la última acción</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Make the last undone change again</source>
        <translation>Volver a hacer el último cambio deshecho</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Cortar la selección y ponerla en el portapapeles</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copiar la selección en el portapapeles</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Insertar el contenido del portapapeles</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>Select the entire description</source>
        <translation>Seleccionar toda la descripción</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source>Make the selected text bold</source>
        <translation>Poner en negrita el texto seleccionado</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <source>Make the selected text italic</source>
        <translation>Poner en cursiva el texto seleccionado</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Subrayado</translation>
    </message>
    <message>
        <source>Underline the selected text</source>
        <translation>Subrayar el texto seleccionado</translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation>&amp;Tachado</translation>
    </message>
    <message>
        <source>Strike through the selected text</source>
        <translation>Tachar el texto seleccionado</translation>
    </message>
    <message>
        <source>UL &amp;List</source>
        <translation>&amp;Lista UL</translation>
    </message>
    <message>
        <source>Make the paragraph an item of a bulleted list</source>
        <translation>Convertir el párrafo en un elemento de una lista con viñetas</translation>
    </message>
    <message>
        <source>&amp;Remove SPAN and styles</source>
        <translation>&amp;Quitar SPAN y estilos</translation>
    </message>
    <message>
        <source>Remove the span tags and inline styles of the description</source>
        <translation>Quitar las etiquetas span y los estilos en línea de la descripción</translation>
    </message>
    <message>
        <source>R&amp;emove &amp;&amp;nbsp;</source>
        <translation>Q&amp;uitar &amp;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Turn the non-breaking spaces of the description into plain spaces</source>
        <translation>Convertir los espacios de no separación de la descripción en espacios normales</translation>
    </message>
    <message>
        <source>Insert &amp;Test</source>
        <translation>Insertar &amp;prueba</translation>
    </message>
    <message>
        <source>Show the tag of the element at the caret</source>
        <translation>Mostrar la etiqueta del elemento en el cursor</translation>
    </message>
    <message>
        <source>&amp;Hyperlink…</source>
        <translation>&amp;Hipervínculo…</translation>
    </message>
    <message>
        <source>Insert a hyperlink on the selection, or change the one at the caret</source>
        <translation>Insertar un hipervínculo en la selección, o cambiar el que está en el cursor</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Imagen</translation>
    </message>
    <message>
        <source>Insert an image, or change the one at the caret</source>
        <translation>Insertar una imagen, o cambiar la que está en el cursor</translation>
    </message>
    <message>
        <source>&amp;Add Post…</source>
        <translation>&amp;Añadir entrada…</translation>
    </message>
    <message>
        <source>Add new post</source>
        <translation>Añadir una entrada nueva</translation>
    </message>
    <message>
        <source>Re&amp;name Post…</source>
        <translation>Re&amp;nombrar entrada…</translation>
    </message>
    <message>
        <source>Rename selected post</source>
        <translation>Renombrar la entrada seleccionada</translation>
    </message>
    <message>
        <source>&amp;Duplicate Post</source>
        <translation>&amp;Duplicar entrada</translation>
    </message>
    <message>
        <source>Duplicate selected post</source>
        <translation>Duplicar la entrada seleccionada</translation>
    </message>
    <message>
        <source>Duplicate + Dele&amp;te</source>
        <translation>Duplicar + elimi&amp;nar</translation>
    </message>
    <message>
        <source>Duplicate selected post + delete origin</source>
        <translation>Duplicar la entrada seleccionada y eliminar la original</translation>
    </message>
    <message>
        <source>&amp;Set Date to Now</source>
        <translation>&amp;Fechar ahora</translation>
    </message>
    <message>
        <source>Date the selected post with the present time</source>
        <translation>Fechar la entrada seleccionada con la hora actual</translation>
    </message>
    <message>
        <source>De&amp;lete Post…</source>
        <translation>&amp;Eliminar entrada…</translation>
    </message>
    <message>
        <source>Delete selected post</source>
        <translation>Eliminar la entrada seleccionada</translation>
    </message>
    <message>
        <source>Sort By &amp;Position</source>
        <translation>Ordenar por &amp;posición</translation>
    </message>
    <message>
        <source>Sort the posts by their position in the feed</source>
        <translation>Ordenar las entradas por su posición en el feed</translation>
    </message>
    <message>
        <source>Sort By T&amp;itle</source>
        <translation>Ordenar por t&amp;ítulo</translation>
    </message>
    <message>
        <source>Sort the posts by title</source>
        <translation>Ordenar las entradas por título</translation>
    </message>
    <message>
        <source>Sort By Date Cr&amp;eated</source>
        <translation>Ordenar por fecha de cr&amp;eación</translation>
    </message>
    <message>
        <source>Sort the posts by date created, newest first</source>
        <translation>Ordenar las entradas por fecha de creación, las más recientes primero</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>Go back to the post shown before</source>
        <translation>Volver a la entrada mostrada antes</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Ade&amp;lante</translation>
    </message>
    <message>
        <source>Go forward to the post shown before going back</source>
        <translation>Ir a la entrada mostrada antes de volver atrás</translation>
    </message>
    <message>
        <source>&amp;Reload…</source>
        <translation>&amp;Recargar…</translation>
    </message>
    <message>
        <source>Reload the current feed from disk</source>
        <translation>Recargar el feed actual desde el disco</translation>
    </message>
    <message>
        <source>&amp;Copy Title</source>
        <translation>&amp;Copiar título</translation>
    </message>
    <message>
        <source>Copy the title of the selected post to the Clipboard</source>
        <translation>Copiar el título de la entrada seleccionada en el portapapeles</translation>
    </message>
    <message>
        <source>Filterin&amp;g</source>
        <translation>Filtra&amp;r</translation>
    </message>
    <message>
        <source>Filter posts by title</source>
        <translation>Filtrar las entradas por título</translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Feed &amp;Properties…</source>
        <translation>&amp;Propiedades del feed…</translation>
    </message>
    <message>
        <source>Edit the channel of the feed: title, description, image, podcast tags and the other elements</source>
        <translation>Editar el canal del feed: título, descripción, imagen, etiquetas de podcast y los demás elementos</translation>
    </message>
    <message>
        <source>&amp;Copy RSS Feed</source>
        <translation>&amp;Copiar feed RSS</translation>
    </message>
    <message>
        <source>Copy entire RSS feed code in clipboard</source>
        <translation>Copiar todo el código del feed RSS en el portapapeles</translation>
    </message>
    <message>
        <source>&amp;W3C RSS Validator…</source>
        <translation>Validador RSS del &amp;W3C…</translation>
    </message>
    <message>
        <source>Open the W3C feed validation service to check a pasted feed</source>
        <translation>Abrir el servicio de validación de feeds del W3C para comprobar un feed pegado</translation>
    </message>
    <message>
        <source>Open &amp;Backup Folder</source>
        <translation>Abrir carpeta de &amp;copias</translation>
    </message>
    <message>
        <source>Open backup folder for RSS-feeds</source>
        <translation>Abrir la carpeta de copias de seguridad de los feeds RSS</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Preferencias…</translation>
    </message>
    <message>
        <source>Choose whether edited posts get a footer, and its text</source>
        <translation>Elegir si las entradas editadas llevan pie, y su texto</translation>
    </message>
    <message>
        <source>&amp;Check Feed</source>
        <translation>C&amp;omprobar feed</translation>
    </message>
    <message>
        <source>Check the feed for problems and list them in the Problems pane</source>
        <translation>Buscar problemas en el feed y listarlos en el panel Problemas</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostrar u ocultar la barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de e&amp;stado</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostrar u ocultar la barra de estado</translation>
    </message>
    <message>
        <source>RSS P&amp;osts</source>
        <translation>&amp;Entradas RSS</translation>
    </message>
    <message>
        <source>Show or hide the RSS posts bar</source>
        <translation>Mostrar u ocultar el panel de entradas RSS</translation>
    </message>
    <message>
        <source>Toggle Posts Bar</source>
        <translation>Mostrar/ocultar entradas</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Show or hide the HTML-code preview</source>
        <translation>Mostrar u ocultar la vista previa del código HTML</translation>
    </message>
    <message>
        <source>Toggle Items Bar</source>
        <translation>Mostrar/ocultar vista previa</translation>
    </message>
    <message>
        <source>Post &amp;Details</source>
        <translation>&amp;Detalles de la entrada</translation>
    </message>
    <message>
        <source>Show or hide the pane with the date, guid, categories, enclosures and podcast tags of the post</source>
        <translation>Mostrar u ocultar el panel con la fecha, el guid, las categorías, los adjuntos y las etiquetas de podcast de la entrada</translation>
    </message>
    <message>
        <source>Undo &amp;History</source>
        <translation>&amp;Historial de cambios</translation>
    </message>
    <message>
        <source>Show or hide the list of changes to the active feed</source>
        <translation>Mostrar u ocultar la lista de cambios del feed activo</translation>
    </message>
    <message>
        <source>P&amp;roblems</source>
        <translation>P&amp;roblemas</translation>
    </message>
    <message>
        <source>Show or hide the list of the problems the last check found</source>
        <translation>Mostrar u ocultar la lista de problemas de la última comprobación</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>Arrange the feed windows so they overlap</source>
        <translation>Colocar las ventanas de feeds superpuestas</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>Arrange the feed windows side by side</source>
        <translation>Colocar las ventanas de feeds una junto a otra</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>Si&amp;guiente</translation>
    </message>
    <message>
        <source>Activate the next feed window</source>
        <translation>Activar la siguiente ventana de feed</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Activate the previous feed window</source>
        <translation>Activar la ventana de feed anterior</translation>
    </message>
    <message>
        <source>Tidrel &amp;Help</source>
        <translation>&amp;Ayuda de Tidrel</translation>
    </message>
    <message>
        <source>Show the user guide of Tidrel</source>
        <translation>Mostrar la guía de usuario de Tidrel</translation>
    </message>
    <message>
        <source>About Qt &amp;WebEngine</source>
        <translation>Acerca de Qt &amp;WebEngine</translation>
    </message>
    <message>
        <source>Open the home page of Qt WebEngine, the HTML engine of Tidrel, in the web browser</source>
        <translation>Abrir en el navegador la página de Qt WebEngine, el motor HTML de Tidrel</translation>
    </message>
    <message>
        <source>&amp;About Tidrel…</source>
        <translation>A&amp;cerca de Tidrel…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostrar la información del programa, el número de versión y el copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>New &amp;Episode from Audio…</source>
        <translation>&amp;Episodio nuevo desde audio…</translation>
    </message>
    <message>
        <source>Add a podcast episode for each audio file chosen, from its tags</source>
        <translation>Añadir un episodio de podcast por cada archivo de audio elegido, a partir de sus etiquetas</translation>
    </message>
    <message>
        <source>New Li&amp;ve Item</source>
        <translation>Nue&amp;va entrada en directo</translation>
    </message>
    <message>
        <source>Add a live stream, pending, at the top of the posts</source>
        <translation>Añadir una emisión en directo pendiente (pending) al principio de las entradas</translation>
    </message>
    <message>
        <source>Open &amp;Location…</source>
        <translation>Abrir u&amp;bicación…</translation>
    </message>
    <message>
        <source>Open a feed from its web address, to edit and keep a copy of</source>
        <translation>Abrir un feed desde su dirección web, para editarlo y guardar una copia</translation>
    </message>
    <message>
        <source>&amp;Move Feed…</source>
        <translation>&amp;Mover el feed…</translation>
    </message>
    <message>
        <source>Give the feed a new address and tell subscribers&apos; apps to follow it there</source>
        <translation>Dar al feed una dirección nueva e indicar a las aplicaciones de los suscriptores que lo sigan allí</translation>
    </message>
</context>
<context>
    <name>CreateFeedPage</name>
    <message>
        <source>Create RSS Feed</source>
        <translation>Crear feed RSS</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Type category of feed here</source>
        <translation>Escriba aquí la categoría del feed</translation>
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
        <source>The feed&apos;s name (required)</source>
        <translation>El nombre del feed (obligatorio)</translation>
    </message>
    <message>
        <source>Web site:</source>
        <translation>Sitio web:</translation>
    </message>
    <message>
        <source>https://… of the site the feed is for (required)</source>
        <translation>https://… del sitio web del feed (obligatorio)</translation>
    </message>
    <message>
        <source>Feed address:</source>
        <translation>Dirección del feed:</translation>
    </message>
    <message>
        <source>https://… the feed file is published at</source>
        <translation>https://… donde se publica el archivo del feed</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>What the feed is about (required)</source>
        <translation>De qué trata el feed (obligatorio)</translation>
    </message>
    <message>
        <source>RSS requires a title, a web site and a description. The feed address, where readers find the feed when it moves, may wait until you know it. Empty fields are left out of the file.</source>
        <translation>RSS exige un título, un sitio web y una descripción. La dirección del feed, donde los lectores encuentran el feed cuando se mueve, puede esperar hasta que la conozca. Los campos vacíos no se escriben en el archivo.</translation>
    </message>
</context>
<context>
    <name>FeedFileKind</name>
    <message>
        <source>This is %1; Tidrel edits RSS 2.0 feeds.</source>
        <translation>Esto es %1; Tidrel edita feeds RSS 2.0.</translation>
    </message>
    <message>
        <source>an HTML page</source>
        <translation>una página HTML</translation>
    </message>
    <message>
        <source>an Atom feed</source>
        <translation>un feed Atom</translation>
    </message>
    <message>
        <source>an RSS 1.0 feed</source>
        <translation>un feed RSS 1.0</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>una imagen PNG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>una imagen GIF</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>una imagen JPEG</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un documento PDF</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>un archivo ZIP</translation>
    </message>
    <message>
        <source>a gzip archive</source>
        <translation>un archivo gzip</translation>
    </message>
    <message>
        <source>This is %1, not a text file; Tidrel edits RSS 2.0 feeds.</source>
        <translation>Esto es %1, no un archivo de texto; Tidrel edita feeds RSS 2.0.</translation>
    </message>
    <message>
        <source>This is not a text file; Tidrel edits RSS 2.0 feeds.</source>
        <translation>Esto no es un archivo de texto; Tidrel edita feeds RSS 2.0.</translation>
    </message>
    <message>
        <source>This is not an RSS feed: its root element is &lt;%1&gt;, where an RSS 2.0 feed has &lt;rss&gt;. Tidrel edits RSS 2.0 feeds.</source>
        <translation>Esto no es un feed RSS: su elemento raíz es &lt;%1&gt;, donde un feed RSS 2.0 tiene &lt;rss&gt;. Tidrel edita feeds RSS 2.0.</translation>
    </message>
</context>
<context>
    <name>FeedParser</name>
    <message>
        <source>(line %1, column %2)</source>
        <translation>(línea %1, columna %2)</translation>
    </message>
    <message>
        <source>The file defines the entity &amp;%1; in its DOCTYPE. Tidrel reads only the five predefined entities and character references, so that a save writes back what it read and never fetches an external entity</source>
        <translation>El archivo define la entidad &amp;%1; en su DOCTYPE. Tidrel solo lee las cinco entidades predefinidas y las referencias de caracteres, para que al guardar se escriba lo que se leyó y nunca se descargue una entidad externa</translation>
    </message>
    <message>
        <source>The file uses the entity &amp;%1;, which it does not define</source>
        <translation>El archivo usa la entidad &amp;%1;, que no define</translation>
    </message>
    <message>
        <source>The file&apos;s encoding &quot;%1&quot; is not one Tidrel can read %2.</source>
        <translation>Tidrel no puede leer la codificación «%1» del archivo %2.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML, or uses a four-byte GB18030 character, which Tidrel cannot edit in place %1.</source>
        <translation>El archivo no es XML bien formado, o usa un carácter GB18030 de cuatro bytes que Tidrel no puede editar en su sitio %1.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML: %1 %2.</source>
        <translation>El archivo no es XML bien formado: %1 %2.</translation>
    </message>
</context>
<context>
    <name>FeedReader</name>
    <message>
        <source>This is a folder, not a feed file.</source>
        <translation>Es una carpeta, no un archivo de feed.</translation>
    </message>
    <message>
        <source>Cannot open the file: %1</source>
        <translation>No se puede abrir el archivo: %1</translation>
    </message>
    <message>
        <source>Cannot read the file: %1</source>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>The file is too large to edit (2 GiB or more).</source>
        <translation>El archivo es demasiado grande para editarlo (2 GiB o más).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>This is a device or a pipe, not a feed file.</source>
        <translation>Es un dispositivo o una tubería, no un archivo de feed.</translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation>El archivo cambió mientras se leía.</translation>
    </message>
</context>
<context>
    <name>FeedWriter</name>
    <message>
        <source>Cannot write the file: %1</source>
        <translation>No se puede escribir el archivo: %1</translation>
    </message>
</context>
<context>
    <name>PostFooter</name>
    <message>
        <source>This post created by Tidrel v%1…</source>
        <translation>Esta entrada se creó con Tidrel v%1…</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Rfc822Date</name>
    <message>
        <source>The date&apos;s parentheses do not pair up.</source>
        <translation>Los paréntesis de la fecha no están emparejados.</translation>
    </message>
    <message>
        <source>The date holds a comment in parentheses, which many readers cannot read.</source>
        <translation>La fecha contiene un comentario entre paréntesis, que muchos lectores no saben leer.</translation>
    </message>
    <message>
        <source>Not a date in the form %1.</source>
        <translation>No es una fecha de la forma %1.</translation>
    </message>
    <message>
        <source>The date has missing or extra spaces; write one space between its parts.</source>
        <translation>A la fecha le faltan o le sobran espacios; escriba un espacio entre sus partes.</translation>
    </message>
    <message>
        <source>Write &quot;%1&quot; as &quot;%2&quot;.</source>
        <translation>Escriba «%1» como «%2».</translation>
    </message>
    <message>
        <source>A comma must follow the day name (&quot;%1,&quot;).</source>
        <translation>Tras el nombre del día debe ir una coma («%1,»).</translation>
    </message>
    <message>
        <source>The year has %1 digits; write all four.</source>
        <translation>El año tiene %1 cifras; escriba las cuatro.</translation>
    </message>
    <message>
        <source>Write the hour with two digits.</source>
        <translation>Escriba la hora con dos cifras.</translation>
    </message>
    <message>
        <source>The date has no time zone; end it with GMT or an offset such as +0000.</source>
        <translation>La fecha no tiene zona horaria; termínela con GMT o un desfase como +0000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time zone; use GMT or an offset such as +0000.</source>
        <translation>«%1» no es una zona horaria; use GMT o un desfase como +0000.</translation>
    </message>
    <message>
        <source>The zone &quot;%1&quot; is a military letter that readers take differently; use GMT or an offset such as +0000.</source>
        <translation>La zona «%1» es una letra militar que los lectores interpretan de forma distinta; use GMT o un desfase como +0000.</translation>
    </message>
    <message>
        <source>The zone offset %1 has more than 59 minutes.</source>
        <translation>El desfase horario %1 tiene más de 59 minutos.</translation>
    </message>
    <message>
        <source>The zone offset %1%2 is not one any place uses.</source>
        <translation>Ningún lugar usa el desfase horario %1%2.</translation>
    </message>
    <message>
        <source>There is no day %1 in %2 %3.</source>
        <translation>No existe el día %1 en %2 %3.</translation>
    </message>
    <message>
        <source>The time of day is out of range.</source>
        <translation>La hora está fuera de rango.</translation>
    </message>
    <message>
        <source>%1 %2 %3 is a %4, not a %5.</source>
        <translation>El %1 %2 %3 es %4, no %5.</translation>
    </message>
</context>
<context>
    <name>TitleFetchSteps</name>
    <message>
        <source>The network library could not start.</source>
        <translation>No se pudo iniciar la biblioteca de red.</translation>
    </message>
    <message>
        <source>The address is not valid.</source>
        <translation>La dirección no es válida.</translation>
    </message>
    <message>
        <source>No temporary file could be made for the page.</source>
        <translation>No se pudo crear un archivo temporal para la página.</translation>
    </message>
    <message>
        <source>The page could not be saved: %1</source>
        <translation>No se pudo guardar la página: %1</translation>
    </message>
</context>
<context>
    <name>ValueCheck</name>
    <message>
        <source>The date is in the future.</source>
        <translation>La fecha está en el futuro.</translation>
    </message>
    <message>
        <source>The date is before 1990, older than any feed.</source>
        <translation>La fecha es anterior a 1990, más antigua que cualquier feed.</translation>
    </message>
    <message>
        <source>Add the person&apos;s name after the address: &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>Añada el nombre de la persona tras la dirección: «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>RSS writes an e-mail address as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>RSS escribe una dirección de correo como «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>Not an e-mail address; write one as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>No es una dirección de correo; escríbala como «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>Few readers can follow an address that starts &quot;%1&quot;; use http: or https:.</source>
        <translation>Pocos lectores pueden seguir una dirección que empieza por «%1»; use http: o https:.</translation>
    </message>
    <message>
        <source>The address holds a space; write a space in an address as %20.</source>
        <translation>La dirección contiene un espacio; en una dirección, un espacio se escribe %20.</translation>
    </message>
    <message>
        <source>Not a full address; write it with its scheme and host, as &quot;https://example.org/page&quot;.</source>
        <translation>No es una dirección completa; escríbala con su esquema y su host, como «https://example.org/page».</translation>
    </message>
    <message>
        <source>Write a whole number of %1 or more.</source>
        <translation>Escriba un número entero de %1 o más.</translation>
    </message>
    <message>
        <source>Write a whole number from %1 to %2.</source>
        <translation>Escriba un número entero de %1 a %2.</translation>
    </message>
    <message>
        <source>Not a media type; write one such as &quot;audio/mpeg&quot; or &quot;video/mp4&quot;.</source>
        <translation>No es un tipo de medio; escriba uno como «audio/mpeg» o «video/mp4».</translation>
    </message>
    <message>
        <source>The language is empty; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>El idioma está vacío; escriba un código de idioma como «en» o «en-us».</translation>
    </message>
    <message>
        <source>Not a language code; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>No es un código de idioma; escriba un código de idioma como «en» o «en-us».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a known language; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>«%1» no es un idioma conocido; escriba un código de idioma como «en» o «en-us».</translation>
    </message>
</context>
</TS>
