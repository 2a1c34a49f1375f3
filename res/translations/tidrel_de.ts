<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About Tidrel</source>
        <translation>Über Tidrel</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tidrel developers</source>
        <translation>Copyright © 2026 Die Tidrel-Entwickler</translation>
    </message>
    <message>
        <source>Tidrel version %1</source>
        <translation>Tidrel Version %1</translation>
    </message>
    <message>
        <source>Release: %1 %2</source>
        <translation>Erstellt: %1 %2</translation>
    </message>
</context>
<context>
    <name>CAudioEpisodes</name>
    <message>
        <source>%1 is outside the media folder %2: its address names the file alone, and publishing does not upload it.</source>
        <translation>%1 liegt außerhalb des Medienordners %2: Seine Adresse nennt nur die Datei, und beim Veröffentlichen wird sie nicht hochgeladen.</translation>
    </message>
    <message>
        <source>The cover of %1 could not be saved as %2: %3</source>
        <translation>Das Cover von %1 konnte nicht als %2 gespeichert werden: %3</translation>
    </message>
    <message>
        <source>The cover of %1, saved as %2, is %3 x %4 pixels%5; Apple Podcasts takes square RGB artwork from 1400 x 1400 to 3000 x 3000, so the episode shows the show&apos;s artwork.</source>
        <translation>Das Cover von %1, gespeichert als %2, hat %3 x %4 Pixel%5; Apple Podcasts nimmt quadratisches RGB-Artwork von 1400 x 1400 bis 3000 x 3000, daher zeigt die Episode das Artwork der Sendung.</translation>
    </message>
    <message>
        <source> and not in RGB</source>
        <translation> und ist nicht in RGB</translation>
    </message>
</context>
<context>
    <name>CAudioTags</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>It is not an audio file.</source>
        <translation>Das ist keine Audiodatei.</translation>
    </message>
    <message>
        <source>It cannot be read as audio.</source>
        <translation>Sie lässt sich nicht als Audio lesen.</translation>
    </message>
</context>
<context>
    <name>CBarCaption</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the pane</source>
        <translation>Bereich schließen</translation>
    </message>
</context>
<context>
    <name>CBarPostDetails</name>
    <message>
        <source>Not a play time like 1:02:03, 62:03 or 3723</source>
        <translation>Keine Spieldauer wie 1:02:03, 62:03 oder 3723</translation>
    </message>
    <message>
        <source>Post</source>
        <translation>Beitrag</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;GUID:</source>
        <translation>&amp;GUID:</translation>
    </message>
    <message>
        <source>GUID is a &amp;permalink:</source>
        <translation>GUID ist ein &amp;Permalink:</translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation>&amp;Kommentare:</translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation>&amp;Quelle:</translation>
    </message>
    <message>
        <source>Source &amp;URL:</source>
        <translation>Quell-&amp;URL:</translation>
    </message>
    <message>
        <source>Enclosures</source>
        <translation>Anhänge</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Choose &amp;File…</source>
        <translation>Datei &amp;wählen…</translation>
    </message>
    <message>
        <source>Fill the length and type (and a podcast&apos;s duration) from a media file</source>
        <translation>Länge und Typ (und die Dauer eines Podcasts) aus einer Mediendatei füllen</translation>
    </message>
    <message>
        <source>Fill from U&amp;RL</source>
        <translation>Von U&amp;RL füllen</translation>
    </message>
    <message>
        <source>Ask the server for the length and type of the file at the URL</source>
        <translation>Den Server nach Länge und Typ der Datei unter der URL fragen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domain</translation>
    </message>
    <message>
        <source>Other elements (kept as they are)</source>
        <translation>Weitere Elemente (bleiben, wie sie sind)</translation>
    </message>
    <message>
        <source>Podcast episode</source>
        <translation>Podcast-Episode</translation>
    </message>
    <message>
        <source>D&amp;uration:</source>
        <translation>D&amp;auer:</translation>
    </message>
    <message>
        <source>&amp;Episode:</source>
        <translation>&amp;Episode:</translation>
    </message>
    <message>
        <source>Seaso&amp;n:</source>
        <translation>Staf&amp;fel:</translation>
    </message>
    <message>
        <source>Episode &amp;type:</source>
        <translation>Episoden&amp;typ:</translation>
    </message>
    <message>
        <source>E&amp;xplicit:</source>
        <translation>E&amp;xplicit:</translation>
    </message>
    <message>
        <source>&amp;Image:</source>
        <translation>&amp;Bild:</translation>
    </message>
    <message>
        <source>&amp;Block:</source>
        <translation>&amp;Block:</translation>
    </message>
    <message>
        <source>Index season:</source>
        <translation>Index-Staffel:</translation>
    </message>
    <message>
        <source>Index season name:</source>
        <translation>Name der Index-Staffel:</translation>
    </message>
    <message>
        <source>Index episode:</source>
        <translation>Index-Episode:</translation>
    </message>
    <message>
        <source>Index episode display:</source>
        <translation>Anzeige der Index-Episode:</translation>
    </message>
    <message>
        <source>License and chat</source>
        <translation>Lizenz und Chat</translation>
    </message>
    <message>
        <source>Choose the Media File of the Enclosure</source>
        <translation>Mediendatei des Anhangs wählen</translation>
    </message>
    <message>
        <source>Type the enclosure&apos;s URL first</source>
        <translation>Zuerst die URL des Anhangs eingeben</translation>
    </message>
    <message>
        <source>Finding the length and type of %1…</source>
        <translation>Länge und Typ von %1 werden ermittelt…</translation>
    </message>
    <message>
        <source>Edit Chapters…</source>
        <translation>Kapitel bearbeiten…</translation>
    </message>
</context>
<context>
    <name>CBarPreview</name>
    <message>
        <source>HTML code</source>
        <translation>HTML-Code</translation>
    </message>
    <message>
        <source>The description of the post as HTML code; edits here change the post</source>
        <translation>Die Beschreibung des Beitrags als HTML-Code; Bearbeitungen hier ändern den Beitrag</translation>
    </message>
</context>
<context>
    <name>CBarProblems</name>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Post</source>
        <translation>Beitrag</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>%1 (line %2) [%3]</source>
        <translation>%1 (Zeile %2) [%3]</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>The problems the last check found; Enter shows where one is</source>
        <translation>Die Probleme, die die letzte Prüfung gefunden hat; Enter zeigt, wo das ausgewählte liegt</translation>
    </message>
</context>
<context>
    <name>CBarRssItems</name>
    <message>
        <source>Feed Properties…</source>
        <translation>Feed-Eigenschaften…</translation>
    </message>
    <message>
        <source>Edit the feed&apos;s title, description, image and the other channel elements</source>
        <translation>Titel, Beschreibung, Bild und die übrigen Kanal-Elemente des Feeds bearbeiten</translation>
    </message>
    <message>
        <source>RSS Items</source>
        <translation>RSS-Beiträge</translation>
    </message>
    <message>
        <source> [%1 of %2]</source>
        <translation> [%1 von %2]</translation>
    </message>
    <message>
        <source>&amp;Copy Title</source>
        <translation>Titel &amp;kopieren</translation>
    </message>
    <message>
        <source>Posts</source>
        <translation>Beiträge</translation>
    </message>
    <message>
        <source>The posts of the feed; the selected one is shown in the editor</source>
        <translation>Die Beiträge des Feeds; der ausgewählte wird im Editor angezeigt</translation>
    </message>
    <message>
        <source>Filter posts</source>
        <translation>Beiträge filtern</translation>
    </message>
    <message>
        <source>Lists only the posts whose title holds this text; Escape empties the box, then closes it</source>
        <translation>Zeigt nur die Beiträge, deren Titel diesen Text enthält; Escape leert das Feld und schließt es beim nächsten Mal</translation>
    </message>
</context>
<context>
    <name>CChaptersDlg</name>
    <message>
        <source>The post&apos;s chapters are at %1, on the web. Save writes them to the file above: upload it there, or set a media base address in the publish settings to publish it with the feed.</source>
        <translation>Die Kapitel des Beitrags liegen im Web unter %1. „Speichern“ schreibt sie in die Datei oben: Laden Sie sie dorthin hoch, oder legen Sie in den Veröffentlichungseinstellungen eine Medienadresse fest, um sie mit dem Feed zu veröffentlichen.</translation>
    </message>
    <message>
        <source>The post&apos;s chapters are at %1, on the web. Save writes them to the file above, and the post&apos;s chapters address becomes the one it is published at.</source>
        <translation>Die Kapitel des Beitrags liegen im Web unter %1. „Speichern“ schreibt sie in die Datei oben, und die Kapitel-Adresse des Beitrags wird die, unter der sie veröffentlicht wird.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Add Chapter</source>
        <translation>Kapitel &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Chapter</source>
        <translation>Kapitel &amp;entfernen</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Start times in seconds (94, 94.5) or as m:ss and h:mm:ss</source>
        <translation>Beginnzeiten in Sekunden (94, 94.5) oder als m:ss und h:mm:ss</translation>
    </message>
    <message>
        <source>%1 cannot be edited here, and is left as it is.
%2</source>
        <translation>%1 kann hier nicht bearbeitet werden und bleibt unverändert.
%2</translation>
    </message>
    <message>
        <source>A new chapters file: Save writes it.</source>
        <translation>Eine neue Kapiteldatei: „Speichern“ schreibt sie.</translation>
    </message>
    <message>
        <source>Not a time like 94, 1:34 or 1:01:34</source>
        <translation>Keine Zeit wie 94, 1:34 oder 1:01:34</translation>
    </message>
    <message>
        <source>The start of chapter %1 is not a time like 94, 1:34 or 1:01:34.</source>
        <translation>Der Beginn von Kapitel %1 ist keine Zeit wie 94, 1:34 oder 1:01:34.</translation>
    </message>
    <message>
        <source>Choose the file to save the chapters to.</source>
        <translation>Wählen Sie die Datei, in die die Kapitel gespeichert werden.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>In %1 gespeichert.</translation>
    </message>
    <message>
        <source>Save the Chapters As</source>
        <translation>Kapitel speichern unter</translation>
    </message>
    <message>
        <source>Chapters (*.json);;All files (*)</source>
        <translation>Kapitel (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save the changes to the chapters?</source>
        <translation>Änderungen an den Kapiteln speichern?</translation>
    </message>
    <message>
        <source>The post does not name this file yet: a listener&apos;s app needs its web address. Set a media base address in the publish settings to publish the file with the feed, and save again.</source>
        <translation>Der Beitrag nennt diese Datei noch nicht: Die App eines Hörers braucht ihre Webadresse. Legen Sie in den Veröffentlichungseinstellungen eine Medienadresse fest, um die Datei mit dem Feed zu veröffentlichen, und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>The post does not name this file: publishing uploads the media folder, %1, and the file is outside it. Save it there to publish it with the feed.</source>
        <translation>Der Beitrag nennt diese Datei nicht: Beim Veröffentlichen wird der Medienordner %1 hochgeladen, und die Datei liegt außerhalb davon. Speichern Sie sie dort, um sie mit dem Feed zu veröffentlichen.</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Sa&amp;ve As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>%1 already exists, and its chapters are not the ones shown here. Replace it with these chapters?</source>
        <translation>%1 existiert bereits, und die Kapitel darin sind nicht die hier gezeigten. Durch diese Kapitel ersetzen?</translation>
    </message>
    <message>
        <source>Not saved: %1 is left as it is. Open it to edit its chapters, or name another file.</source>
        <translation>Nicht gespeichert: %1 bleibt unverändert. Öffnen Sie die Datei, um ihre Kapitel zu bearbeiten, oder wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Open a Chapters File</source>
        <translation>Kapiteldatei öffnen</translation>
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
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n Warnung</numerusform>
            <numerusform>%n Warnungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s)</source>
        <translation>
            <numerusform>%n Hinweis</numerusform>
            <numerusform>%n Hinweise</numerusform>
        </translation>
    </message>
    <message>
        <source>RSS Items</source>
        <translation>RSS-Beiträge</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Post Details</source>
        <translation>Beitragsdetails</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Tidrel, an editor of RSS 2.0 feed files.</source>
        <translation>Tidrel, ein Editor für RSS-2.0-Feed-Dateien.</translation>
    </message>
    <message>
        <source>Check each feed file without opening a window; print one problem a line as FILE:LINE:COLUMN: error|warning|info: message [rule-id]. Exit status 0 when there are no errors, 1 when there are, 2 when a file cannot be read.</source>
        <translation>Jede Feed-Datei prüfen, ohne ein Fenster zu öffnen; ein Problem pro Zeile ausgeben als DATEI:ZEILE:SPALTE: error|warning|info: Meldung [Regel-ID]. Exit-Status 0 ohne Fehler, 1 mit Fehlern, 2 wenn eine Datei nicht gelesen werden kann.</translation>
    </message>
    <message>
        <source>Feed files to open.</source>
        <translation>Zu öffnende Feed-Dateien.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[DATEI...]</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>With --check: apply the podcast directories&apos; rules too, whether or not the feed declares the iTunes or podcast namespace: every podcast namespace tag&apos;s place, attributes and values, Apple Podcasts&apos; requirements (artwork, language, category, explicit, episode enclosures) and the Podcast Standards Project&apos;s PSP-1.</source>
        <translation>Mit --check: auch die Regeln der Podcast-Verzeichnisse anwenden, ob der Feed den iTunes- oder Podcast-Namensraum deklariert oder nicht: Ort, Attribute und Werte jedes Tags des Podcast-Namensraums, die Anforderungen von Apple Podcasts (Artwork, Sprache, Kategorie, Explicit, Anhänge der Episoden) und PSP-1 des Podcast Standards Project.</translation>
    </message>
    <message>
        <source>Usage: %1 --check [--podcast] FEED...</source>
        <translation>Aufruf: %1 --check [--podcast] FEED...</translation>
    </message>
    <message>
        <source>Publish the feed file without opening a window, with the checks and in the order of the Publish command: the feed check first, then the media files under the media address of the feed&apos;s publish settings, the feed last. Progress goes to standard error. Exit status 0 when everything was sent, 1 when the server refused or the feed has errors, 2 for wrong arguments.</source>
        <translation>Die Feed-Datei veröffentlichen, ohne ein Fenster zu öffnen, mit den Prüfungen und in der Reihenfolge des Befehls „Veröffentlichen“: zuerst die Feed-Prüfung, dann die Mediendateien unter der Medienadresse aus den Veröffentlichungseinstellungen des Feeds, zuletzt der Feed. Der Fortschritt geht auf die Standardfehlerausgabe. Exit-Status 0, wenn alles gesendet wurde, 1, wenn der Server abgelehnt hat oder der Feed Fehler hat, 2 bei falschen Argumenten.</translation>
    </message>
    <message>
        <source>FEED</source>
        <translation>FEED</translation>
    </message>
    <message>
        <source>With --publish: where to. file:///path/, sftp://USER@HOST[:PORT]/path/, ftp://, ftps://, dav://USER@HOST[:PORT]/path/ (WebDAV; davs:// over HTTPS) or s3://ACCESS_KEY_ID@HOST[:PORT]/BUCKET/PREFIX/?region=REGION (path-style; &amp;scheme=http for a server without TLS). The password or secret key comes from the environment variable TIDREL_PUBLISH_SECRET when set, else from the keyring.</source>
        <translation>Mit --publish: wohin. file:///pfad/, sftp://BENUTZER@HOST[:PORT]/pfad/, ftp://, ftps://, dav://BENUTZER@HOST[:PORT]/pfad/ (WebDAV; davs:// über HTTPS) oder s3://ACCESS_KEY_ID@HOST[:PORT]/BUCKET/PREFIX/?region=REGION (Path-Style; &amp;scheme=http für einen Server ohne TLS). Das Passwort oder der geheime Schlüssel kommt aus der Umgebungsvariablen TIDREL_PUBLISH_SECRET, wenn sie gesetzt ist, sonst aus dem Schlüsselbund.</translation>
    </message>
    <message>
        <source>TARGET</source>
        <translation>ZIEL</translation>
    </message>
    <message>
        <source>Usage: %1 --publish FEED --to TARGET</source>
        <translation>Aufruf: %1 --publish FEED --to ZIEL</translation>
    </message>
</context>
<context>
    <name>CCurlEasy</name>
    <message>
        <source>The server did not answer in time (%1 s).</source>
        <translation>Der Server hat nicht rechtzeitig geantwortet (%1 s).</translation>
    </message>
    <message>
        <source>Too many redirects (more than %1).</source>
        <translation>Zu viele Weiterleitungen (mehr als %1).</translation>
    </message>
    <message>
        <source>The server answered with error %1.</source>
        <translation>Der Server antwortete mit Fehler %1.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>Der Server hat die Verbindung abgelehnt.</translation>
    </message>
    <message>
        <source>The server&apos;s name is not known.</source>
        <translation>Der Servername ist unbekannt.</translation>
    </message>
    <message>
        <source>The address&apos;s protocol is not supported here.</source>
        <translation>Das Protokoll der Adresse wird hier nicht unterstützt.</translation>
    </message>
    <message>
        <source>The address is not valid.</source>
        <translation>Die Adresse ist ungültig.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>The server refused the login: check the user name and the password or key.</source>
        <translation>Der Server hat die Anmeldung abgelehnt: Benutzername und Passwort oder Schlüssel prüfen.</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full.</source>
        <translation>Der Datenträger des Servers ist voll.</translation>
    </message>
    <message>
        <source>The server refused access to the folder or file.</source>
        <translation>Der Server verweigert den Zugriff auf den Ordner oder die Datei.</translation>
    </message>
    <message>
        <source>The server refused the upload.</source>
        <translation>Der Server hat das Hochladen abgelehnt.</translation>
    </message>
    <message>
        <source>The connection broke off.</source>
        <translation>Die Verbindung ist abgebrochen.</translation>
    </message>
    <message>
        <source>The server does not offer TLS.</source>
        <translation>Der Server bietet kein TLS an.</translation>
    </message>
    <message>
        <source>The secure connection (TLS) could not be set up.</source>
        <translation>Die sichere Verbindung (TLS) konnte nicht aufgebaut werden.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified.</source>
        <translation>Das Zertifikat des Servers konnte nicht überprüft werden.</translation>
    </message>
</context>
<context>
    <name>CDavFolder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>The server refused the user name or the password: check both.</source>
        <translation>Der Server hat den Benutzernamen oder das Passwort abgelehnt: beides prüfen.</translation>
    </message>
    <message>
        <source>The server does not let this user write %1.</source>
        <translation>Der Server lässt diesen Benutzer %1 nicht schreiben.</translation>
    </message>
    <message>
        <source>The server does not take files at %1: is WebDAV turned on there?</source>
        <translation>Der Server nimmt unter %1 keine Dateien an: Ist WebDAV dort eingeschaltet?</translation>
    </message>
    <message>
        <source>The server has no room left.</source>
        <translation>Auf dem Server ist kein Platz mehr frei.</translation>
    </message>
    <message>
        <source>The server answered with error %1.</source>
        <translation>Der Server antwortete mit Fehler %1.</translation>
    </message>
</context>
<context>
    <name>CDesktopServices</name>
    <message>
        <source>RSS feeds (*.xml *.rss)</source>
        <translation>RSS-Feeds (*.xml *.rss)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>The server %1 is not among the known hosts of this computer.</source>
        <translation>Der Server %1 gehört nicht zu den bekannten Hosts dieses Computers.</translation>
    </message>
    <message>
        <source>Its key&apos;s fingerprint is
%1

Trust it only when it is the fingerprint your server&apos;s administrator gave you.</source>
        <translation>Der Fingerabdruck seines Schlüssels ist
%1

Vertrauen Sie ihm nur, wenn es der Fingerabdruck ist, den Ihnen die Administration Ihres Servers genannt hat.</translation>
    </message>
    <message>
        <source>Trust and &amp;Remember</source>
        <translation>Vertrauen und &amp;merken</translation>
    </message>
    <message>
        <source>Trust &amp;Once</source>
        <translation>&amp;Einmal vertrauen</translation>
    </message>
    <message>
        <source>Audio files (%1)</source>
        <translation>Audiodateien (%1)</translation>
    </message>
    <message>
        <source>New Episode from Audio</source>
        <translation>Neue Episode aus Audio</translation>
    </message>
    <message>
        <source>Open Location</source>
        <translation>Adresse öffnen</translation>
    </message>
    <message>
        <source>&amp;Web address of the feed:</source>
        <translation>&amp;Webadresse des Feeds:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
</context>
<context>
    <name>CDiskChangeBar</name>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation>&amp;Meine behalten</translation>
    </message>
    <message>
        <source>&amp;Show differences</source>
        <translation>&amp;Unterschiede zeigen</translation>
    </message>
    <message>
        <source>Read the file again; the changes made here are lost</source>
        <translation>Datei neu lesen; die hier gemachten Änderungen gehen verloren</translation>
    </message>
    <message>
        <source>Keep the feed as it is here; the next save asks before it overwrites the file</source>
        <translation>Feed so behalten, wie er hier ist; das nächste Speichern fragt, bevor es die Datei überschreibt</translation>
    </message>
    <message>
        <source>%1 changed on disk. Reload it to drop the changes made here, or keep them.</source>
        <translation>%1 wurde auf der Festplatte geändert. Neu laden verwirft die hier gemachten Änderungen, oder behalten Sie sie.</translation>
    </message>
    <message>
        <source>%1 changed on disk and cannot be read: %2 The feed here stays as it was.</source>
        <translation>%1 wurde auf der Festplatte geändert und kann nicht gelesen werden: %2 Der Feed hier bleibt, wie er war.</translation>
    </message>
    <message>
        <source>The file on disk holds what a save would write.
</source>
        <translation>Die Datei auf der Festplatte enthält, was ein Speichern schreiben würde.
</translation>
    </message>
    <message>
        <source>--- %1 on disk
+++ %1 as a save would write it
</source>
        <translation>--- %1 auf der Festplatte
+++ %1, wie ein Speichern es schreiben würde
</translation>
    </message>
    <message>
        <source>Differences — %1</source>
        <translation>Unterschiede — %1</translation>
    </message>
</context>
<context>
    <name>CDocManager</name>
    <message>
        <source>Cannot create a new feed.</source>
        <translation>Es kann kein neuer Feed angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot open %1.

%2</source>
        <translation>%1 kann nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <source>Cannot save %1.

%2

The feed keeps its changes.</source>
        <translation>%1 kann nicht gespeichert werden.

%2

Der Feed behält seine Änderungen.</translation>
    </message>
    <message>
        <source>Cannot open %1.

The download could not be written to a temporary file.</source>
        <translation>%1 kann nicht geöffnet werden.

Der Download konnte nicht in eine temporäre Datei geschrieben werden.</translation>
    </message>
    <message>
        <source>The file changed on disk since it was opened. Save anyway?</source>
        <translation>Die Datei wurde seit dem Öffnen auf der Festplatte geändert. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>Ü&amp;berschreiben</translation>
    </message>
</context>
<context>
    <name>CElementForm</name>
    <message>
        <source>Only the address belongs here, without the name</source>
        <translation>Hierher gehört nur die Adresse, ohne den Namen</translation>
    </message>
    <message>
        <source>Not an e-mail address like jo@example.org</source>
        <translation>Keine E-Mail-Adresse wie jo@example.org</translation>
    </message>
    <message>
        <source>Not one of: %1</source>
        <translation>Keiner von: %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Also holds values no box stands for: %1</source>
        <translation>Enthält auch Werte ohne eigenes Kästchen: %1</translation>
    </message>
    <message>
        <source>Kept in the feed as %1</source>
        <translation>Steht im Feed als %1</translation>
    </message>
    <message>
        <source>Sets the date to the present time</source>
        <translation>Setzt das Datum auf die aktuelle Zeit</translation>
    </message>
</context>
<context>
    <name>CElementTable</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Zeile %1, %2: %3</translation>
    </message>
    <message>
        <source>One element %1 a row; Add and Remove below change the rows</source>
        <translation>Ein Element %1 pro Zeile; „Hinzufügen“ und „Entfernen“ darunter ändern die Zeilen</translation>
    </message>
    <message>
        <source>Adds a row: a new element %1</source>
        <translation>Fügt eine Zeile hinzu: ein neues Element %1</translation>
    </message>
    <message>
        <source>Removes the selected row: its element %1</source>
        <translation>Entfernt die ausgewählte Zeile: ihr Element %1</translation>
    </message>
</context>
<context>
    <name>CEnclosureProbe</name>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The network library could not start.</source>
        <translation>Die Netzwerkbibliothek konnte nicht starten.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Der Server antwortete %1.</translation>
    </message>
    <message>
        <source>The server did not tell the length.</source>
        <translation>Der Server hat die Länge nicht mitgeteilt.</translation>
    </message>
</context>
<context>
    <name>CFeedChecker</name>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>The cloud has no %1 attribute; it needs domain, port, path, registerProcedure and protocol.</source>
        <translation>Die Cloud hat kein Attribut %1; sie braucht domain, port, path, registerProcedure und protocol.</translation>
    </message>
    <message>
        <source>The enclosure has no %1 attribute; it needs url, length and type.</source>
        <translation>Der Anhang hat kein Attribut %1; er braucht url, length und type.</translation>
    </message>
    <message>
        <source>Post %1 has the same guid.</source>
        <translation>Beitrag %1 hat dieselbe GUID.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of Apple Podcasts&apos; categories.</source>
        <translation>„%1“ ist keine Kategorie von Apple Podcasts.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a subcategory of &quot;%2&quot;.</source>
        <translation>„%1“ ist keine Unterkategorie von „%2“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the namespace&apos;s address; did you mean &quot;%2&quot;?</source>
        <translation>„%1“ ist nicht die Adresse des Namensraums; war „%2“ gemeint?</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; Apple Podcasts takes at most 4000.</source>
        <translation>Die Beschreibung ist %1 Bytes lang; Apple Podcasts nimmt höchstens 4000.</translation>
    </message>
    <message>
        <source>The artwork file %1 cannot be read, so its size and colours are not checked.</source>
        <translation>Die Artwork-Datei %1 kann nicht gelesen werden, daher werden Größe und Farben nicht geprüft.</translation>
    </message>
    <message>
        <source>The artwork is %1 x %2 pixels; Apple Podcasts takes square artwork from 1400 x 1400 to 3000 x 3000.</source>
        <translation>Das Artwork hat %1 x %2 Pixel; Apple Podcasts nimmt quadratisches Artwork von 1400 x 1400 bis 3000 x 3000.</translation>
    </message>
    <message>
        <source>The podcast namespace has no tag %1.</source>
        <translation>Der Podcast-Namensraum hat kein Tag %1.</translation>
    </message>
    <message>
        <source>%1 does not belong in %2; it belongs in %3.</source>
        <translation>%1 gehört nicht in %2, sondern in %3.</translation>
    </message>
    <message>
        <source>%1 needs the %2 attribute.</source>
        <translation>%1 braucht das Attribut %2.</translation>
    </message>
    <message>
        <source>%1 needs a value; it is empty.</source>
        <translation>%1 braucht einen Wert; es ist leer.</translation>
    </message>
    <message numerus="yes">
        <source>Podcast apps show %n character(s) of this at most; they may cut the rest.</source>
        <translation>
            <numerusform>Podcast-Apps zeigen davon höchstens %n Zeichen; den Rest schneiden sie womöglich ab.</numerusform>
            <numerusform>Podcast-Apps zeigen davon höchstens %n Zeichen; den Rest schneiden sie womöglich ab.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not a whole number such as &quot;3&quot;.</source>
        <translation>Keine ganze Zahl wie „3“.</translation>
    </message>
    <message>
        <source>Not a number such as &quot;3&quot; or &quot;315.5&quot;.</source>
        <translation>Keine Zahl wie „3“ oder „315.5“.</translation>
    </message>
    <message>
        <source>Not a media type such as &quot;audio/mpeg&quot;.</source>
        <translation>Kein Medientyp wie „audio/mpeg“.</translation>
    </message>
    <message>
        <source>Not an e-mail address such as &quot;jo@example.org&quot;.</source>
        <translation>Keine E-Mail-Adresse wie „jo@example.org“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2.</source>
        <translation>„%1“ ist keiner von %2.</translation>
    </message>
    <message>
        <source>Few podcast apps know &quot;%1&quot;; the usual values are %2.</source>
        <translation>Wenige Podcast-Apps kennen „%1“; üblich sind %2.</translation>
    </message>
    <message>
        <source>The channel&apos;s description is empty.</source>
        <translation>Die Beschreibung des Kanals ist leer.</translation>
    </message>
    <message>
        <source>Not a percentage from 0 to 100.</source>
        <translation>Kein Prozentwert von 0 bis 100.</translation>
    </message>
    <message>
        <source>Not a place in geo notation such as &quot;geo:30.2672,97.7431&quot;, latitude from -90 to 90 and longitude from -180 to 180.</source>
        <translation>Kein Ort in geo-Notation wie „geo:30.2672,97.7431“, Breite von -90 bis 90 und Länge von -180 bis 180.</translation>
    </message>
    <message>
        <source>Not an OpenStreetMap object such as &quot;R113314&quot;: N, W or R, its number and an optional revision such as &quot;#2&quot;.</source>
        <translation>Kein OpenStreetMap-Objekt wie „R113314“: N, W oder R, seine Nummer und optional eine Revision wie „#2“.</translation>
    </message>
    <message>
        <source>Not a country code of ISO 3166-1, two letters such as &quot;US&quot;.</source>
        <translation>Kein Ländercode nach ISO 3166-1, zwei Buchstaben wie „US“.</translation>
    </message>
    <message>
        <source>Not an aspect ratio such as &quot;16/9&quot; or &quot;1.9&quot;.</source>
        <translation>Kein Seitenverhältnis wie „16/9“ oder „1.9“.</translation>
    </message>
    <message>
        <source>There is already a %1 with %2=&quot;%3&quot; here.</source>
        <translation>Hier gibt es schon ein %1 mit %2=&quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The podcast namespace has no tag %1. Did you mean %2?</source>
        <translation>Der Podcast-Namensraum hat kein Tag %1. War %2 gemeint?</translation>
    </message>
    <message>
        <source>The namespace has retired %1; use %2 instead.</source>
        <translation>Der Namensraum hat %1 ausgemustert; stattdessen %2 verwenden.</translation>
    </message>
    <message>
        <source>%1 needs a %2 inside it.</source>
        <translation>%1 braucht darin ein %2.</translation>
    </message>
    <message>
        <source>The namespace recommends the %2 attribute on %1.</source>
        <translation>Der Namensraum empfiehlt das Attribut %2 an %1.</translation>
    </message>
    <message>
        <source>%1 holds an element %2; write HTML inside it escaped (&amp;lt;b&amp;gt;) or in a CDATA section.</source>
        <translation>%1 enthält ein Element %2; HTML darin maskiert (&amp;lt;b&amp;gt;) oder in einem CDATA-Abschnitt schreiben.</translation>
    </message>
    <message>
        <source>%1 has no attribute %2; attribute names are case-sensitive: did you mean %3?</source>
        <translation>%1 hat kein Attribut %2; Attributnamen unterscheiden Groß- und Kleinschreibung: War %3 gemeint?</translation>
    </message>
    <message>
        <source>RSS gives %1 no attribute %2; readers ignore it.</source>
        <translation>RSS sieht für %1 kein Attribut %2 vor; Feed-Reader ignorieren es.</translation>
    </message>
    <message>
        <source>%1 has no element %2; element names are case-sensitive: did you mean %3?</source>
        <translation>%1 hat kein Element %2; Elementnamen unterscheiden Groß- und Kleinschreibung: War %3 gemeint?</translation>
    </message>
</context>
<context>
    <name>CFeedDownload</name>
    <message>
        <source>The download could not be started.</source>
        <translation>Der Download konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, too large for a feed.</source>
        <translation>Die Datei ist größer als %1 MB, zu groß für einen Feed.</translation>
    </message>
</context>
<context>
    <name>CFeedPropertiesWnd</name>
    <message>
        <source>Not one of Apple&apos;s podcast categories</source>
        <translation>Keine der Podcast-Kategorien von Apple</translation>
    </message>
    <message>
        <source>Not one of Apple&apos;s subcategories of “%1”</source>
        <translation>Keine der Unterkategorien von Apple zu „%1“</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>Podcast</translation>
    </message>
    <message>
        <source>Declares the iTunes and podcast namespaces and shows the podcast tags</source>
        <translation>Deklariert die Namensräume von iTunes und Podcast und zeigt die Podcast-Tags</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Categories and Image</source>
        <translation>Kategorien und Bild</translation>
    </message>
    <message>
        <source>Cloud and Text Input</source>
        <translation>Cloud und Texteingabe</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Auslassen</translation>
    </message>
    <message>
        <source>Other Elements</source>
        <translation>Weitere Elemente</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Link:</source>
        <translation>&amp;Link:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>Public &amp;address:</source>
        <translation>Öffentliche &amp;Adresse:</translation>
    </message>
    <message>
        <source>Where readers subscribe (atom:link rel=&quot;self&quot;)</source>
        <translation>Wo Feed-Reader abonnieren (atom:link rel=&quot;self&quot;)</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>&amp;Copyright:</source>
        <translation>&amp;Copyright:</translation>
    </message>
    <message>
        <source>&amp;Managing editor:</source>
        <translation>&amp;Redaktion:</translation>
    </message>
    <message>
        <source>&amp;Webmaster:</source>
        <translation>&amp;Webmaster:</translation>
    </message>
    <message>
        <source>&amp;Publication date:</source>
        <translation>&amp;Veröffentlichungsdatum:</translation>
    </message>
    <message>
        <source>Last &amp;build date:</source>
        <translation>Letztes &amp;Erstellungsdatum:</translation>
    </message>
    <message>
        <source>&amp;Generator:</source>
        <translation>&amp;Generator:</translation>
    </message>
    <message>
        <source>D&amp;ocs:</source>
        <translation>D&amp;okumentation:</translation>
    </message>
    <message>
        <source>TT&amp;L (minutes):</source>
        <translation>TT&amp;L (Minuten):</translation>
    </message>
    <message>
        <source>&amp;Rating:</source>
        <translation>&amp;Einstufung:</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domain</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>&amp;URL:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>Cloud (notification of updates)</source>
        <translation>Cloud (Benachrichtigung über Aktualisierungen)</translation>
    </message>
    <message>
        <source>&amp;Domain:</source>
        <translation>&amp;Domain:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>P&amp;ath:</source>
        <translation>P&amp;fad:</translation>
    </message>
    <message>
        <source>&amp;Register procedure:</source>
        <translation>&amp;Registrierungsprozedur:</translation>
    </message>
    <message>
        <source>Pro&amp;tocol:</source>
        <translation>Pro&amp;tokoll:</translation>
    </message>
    <message>
        <source>Text input</source>
        <translation>Texteingabe</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>T&amp;itel:</translation>
    </message>
    <message>
        <source>D&amp;escription:</source>
        <translation>B&amp;eschreibung:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Skip hours (GMT): readers do not fetch the feed in these hours</source>
        <translation>Stunden auslassen (GMT): In diesen Stunden rufen Feed-Reader den Feed nicht ab</translation>
    </message>
    <message>
        <source>Skip days: readers do not fetch the feed on these days</source>
        <translation>Tage auslassen: An diesen Tagen rufen Feed-Reader den Feed nicht ab</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Sendung</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>People and Places</source>
        <translation>Personen und Orte</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Unterstützung</translation>
    </message>
    <message>
        <source>Social</source>
        <translation>Social</translation>
    </message>
    <message>
        <source>Related Feeds</source>
        <translation>Verwandte Feeds</translation>
    </message>
    <message>
        <source>Show (iTunes)</source>
        <translation>Sendung (iTunes)</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Autor:</translation>
    </message>
    <message>
        <source>Owner &amp;name:</source>
        <translation>&amp;Name des Eigentümers:</translation>
    </message>
    <message>
        <source>Owner &amp;e-mail:</source>
        <translation>&amp;E-Mail des Eigentümers:</translation>
    </message>
    <message>
        <source>&amp;Image:</source>
        <translation>&amp;Bild:</translation>
    </message>
    <message>
        <source>E&amp;xplicit:</source>
        <translation>E&amp;xplicit:</translation>
    </message>
    <message>
        <source>T&amp;ype:</source>
        <translation>T&amp;yp:</translation>
    </message>
    <message>
        <source>New &amp;feed URL:</source>
        <translation>Neue &amp;Feed-URL:</translation>
    </message>
    <message>
        <source>&amp;Block:</source>
        <translation>&amp;Block:</translation>
    </message>
    <message>
        <source>&amp;Complete:</source>
        <translation>Abges&amp;chlossen:</translation>
    </message>
    <message>
        <source>Subcategory</source>
        <translation>Unterkategorie</translation>
    </message>
    <message>
        <source>iTunes categories</source>
        <translation>iTunes-Kategorien</translation>
    </message>
    <message>
        <source>Podcast index</source>
        <translation>Podcast-Index</translation>
    </message>
    <message>
        <source>&amp;Locked:</source>
        <translation>&amp;Gesperrt:</translation>
    </message>
    <message>
        <source>Lock o&amp;wner:</source>
        <translation>Eigen&amp;tümer der Sperre:</translation>
    </message>
    <message>
        <source>&amp;GUID:</source>
        <translation>&amp;GUID:</translation>
    </message>
    <message>
        <source>&amp;Medium:</source>
        <translation>&amp;Medium:</translation>
    </message>
    <message>
        <source>Uses &amp;Podping:</source>
        <translation>Nutzt &amp;Podping:</translation>
    </message>
    <message>
        <source>Release schedule</source>
        <translation>Erscheinungsplan</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Herausgeber</translation>
    </message>
    <message>
        <source>Elements of the channel that these pages do not edit. They stay in the file as they are.</source>
        <translation>Elemente des Kanals, die diese Seiten nicht bearbeiten. Sie bleiben unverändert in der Datei.</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>The image is not on this computer: no preview</source>
        <translation>Das Bild ist nicht auf diesem Computer: keine Vorschau</translation>
    </message>
    <message>
        <source>Feed Properties — %1</source>
        <translation>Feed-Eigenschaften — %1</translation>
    </message>
    <message>
        <source>Make from Feed &amp;Address</source>
        <translation>Aus Feed-&amp;Adresse erzeugen</translation>
    </message>
    <message>
        <source>The feed names no address of its own yet: fill in its Public address on the Channel page.</source>
        <translation>Der Feed nennt noch keine eigene Adresse: Füllen Sie auf der Seite „Kanal“ das Feld „Öffentliche Adresse“ aus.</translation>
    </message>
    <message>
        <source>The podcast&apos;s identity as PSP-1 makes it from %1; it never changes after.</source>
        <translation>Die Identität des Podcasts, die PSP-1 aus %1 erzeugt; sie ändert sich danach nie mehr.</translation>
    </message>
</context>
<context>
    <name>CFeedPublisher</name>
    <message>
        <source>%1 The published feed is as it was.</source>
        <translation>%1 Der veröffentlichte Feed ist unverändert.</translation>
    </message>
    <message>
        <source>At %1: %2 The published feed is as it was.</source>
        <translation>Bei %1: %2 Der veröffentlichte Feed ist unverändert.</translation>
    </message>
    <message>
        <source>The feed has no file yet: save it first.</source>
        <translation>Der Feed hat noch keine Datei: zuerst speichern.</translation>
    </message>
    <message>
        <source>Published %1 to %2</source>
        <translation>%1 veröffentlicht nach %2</translation>
    </message>
    <message numerus="yes">
        <source> with %n media file(s)</source>
        <translation>
            <numerusform> mit %n Mediendatei</numerusform>
            <numerusform> mit %n Mediendateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n already there)</source>
        <translation>
            <numerusform> (%n schon vorhanden)</numerusform>
            <numerusform> (%n schon vorhanden)</numerusform>
        </translation>
    </message>
    <message>
        <source>The destination must be an sftp://, ftp://, ftps://, dav://, davs://, s3:// or file:// address with a host and a path, such as sftp://example.org/var/www/feed.xml.</source>
        <translation>Das Ziel muss eine sftp://-, ftp://-, ftps://-, dav://-, davs://-, s3://- oder file://-Adresse mit Host und Pfad sein, etwa sftp://example.org/var/www/feed.xml.</translation>
    </message>
</context>
<context>
    <name>CFeedPublishing</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The feed check found %n error(s) in %1:

%2

Publish anyway?</source>
        <translation>
            <numerusform>Die Feed-Prüfung hat %n Fehler in %1 gefunden:

%2

Trotzdem veröffentlichen?</numerusform>
            <numerusform>Die Feed-Prüfung hat %n Fehler in %1 gefunden:

%2

Trotzdem veröffentlichen?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Publish Anyway</source>
        <translation>Trotzdem &amp;veröffentlichen</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring: %1

Tidrel remembers it until it ends.</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund der Arbeitsumgebung abgelegt werden: %1

Tidrel merkt es sich bis zum Beenden.</translation>
    </message>
    <message>
        <source>%1 was not published: %2</source>
        <translation>%1 wurde nicht veröffentlicht: %2</translation>
    </message>
</context>
<context>
    <name>CFeedRules</name>
    <message>
        <source>The file is not well-formed XML; no reader can read it.</source>
        <translation>Die Datei ist kein wohlgeformtes XML; kein Feed-Reader kann sie lesen.</translation>
    </message>
    <message>
        <source>The file&apos;s bytes do not fit the encoding it declares.</source>
        <translation>Die Bytes der Datei passen nicht zu der Kodierung, die sie angibt.</translation>
    </message>
    <message>
        <source>The file uses an entity XML does not define, such as &amp;nbsp;; write the character or a numeric reference.</source>
        <translation>Die Datei verwendet eine Entität, die XML nicht definiert, etwa &amp;nbsp;; schreiben Sie das Zeichen oder eine numerische Referenz.</translation>
    </message>
    <message>
        <source>The file defines entities of its own, which many readers do not expand.</source>
        <translation>Die Datei definiert eigene Entitäten, die viele Feed-Reader nicht auflösen.</translation>
    </message>
    <message>
        <source>The file holds a control character that XML does not allow.</source>
        <translation>Die Datei enthält ein Steuerzeichen, das XML nicht erlaubt.</translation>
    </message>
    <message>
        <source>The file&apos;s top element is not rss.</source>
        <translation>Das oberste Element der Datei ist nicht rss.</translation>
    </message>
    <message>
        <source>The rss element needs version=&quot;2.0&quot;.</source>
        <translation>Das Element rss braucht version=&quot;2.0&quot;.</translation>
    </message>
    <message>
        <source>The feed has no channel.</source>
        <translation>Der Feed hat keinen Kanal.</translation>
    </message>
    <message>
        <source>This element may appear only once here.</source>
        <translation>Dieses Element darf hier nur einmal vorkommen.</translation>
    </message>
    <message>
        <source>RSS has no such element here; elements of other vocabularies need a namespace.</source>
        <translation>RSS hat hier kein solches Element; Elemente anderer Vokabulare brauchen einen Namensraum.</translation>
    </message>
    <message>
        <source>The element&apos;s prefix is not declared with xmlns.</source>
        <translation>Das Präfix des Elements ist nicht mit xmlns deklariert.</translation>
    </message>
    <message>
        <source>An element without a namespace inside another vocabulary&apos;s element; readers cannot tell what it means.</source>
        <translation>Ein Element ohne Namensraum im Element eines anderen Vokabulars; Feed-Reader können nicht erkennen, was es bedeutet.</translation>
    </message>
    <message>
        <source>This element holds other elements, not text.</source>
        <translation>Dieses Element enthält andere Elemente, keinen Text.</translation>
    </message>
    <message>
        <source>Items should follow all of the channel&apos;s other elements.</source>
        <translation>Items sollten nach allen anderen Elementen des Kanals stehen.</translation>
    </message>
    <message>
        <source>The channel has no title.</source>
        <translation>Der Kanal hat keinen Titel.</translation>
    </message>
    <message>
        <source>The channel has no link to its web site.</source>
        <translation>Der Kanal hat keinen Link zu seiner Website.</translation>
    </message>
    <message>
        <source>The channel has no description.</source>
        <translation>Der Kanal hat keine Beschreibung.</translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation>Der Titel ist leer.</translation>
    </message>
    <message>
        <source>Not a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>Kein Sprachcode wie „en“ oder „en-us“.</translation>
    </message>
    <message>
        <source>The time to live must be a whole number of minutes above 0.</source>
        <translation>Die Lebensdauer muss eine ganze Zahl von Minuten über 0 sein.</translation>
    </message>
    <message>
        <source>The channel does not give its own address (atom:link rel=&quot;self&quot;), which readers use to follow a moved feed.</source>
        <translation>Der Kanal nennt seine eigene Adresse nicht (atom:link rel=&quot;self&quot;), mit der Feed-Reader einem umgezogenen Feed folgen.</translation>
    </message>
    <message>
        <source>Not a full address; write it with its scheme and host, as &quot;https://example.org/page&quot;.</source>
        <translation>Keine vollständige Adresse; mit Schema und Host schreiben, etwa „https://example.org/page“.</translation>
    </message>
    <message>
        <source>Few readers can follow an address of this scheme; use http: or https:.</source>
        <translation>Wenige Feed-Reader können einer Adresse mit diesem Schema folgen; http: oder https: verwenden.</translation>
    </message>
    <message>
        <source>This is plain text, but it holds HTML markup or an HTML entity that readers will show as written.</source>
        <translation>Dies ist reiner Text, enthält aber HTML-Markup oder eine HTML-Entität, die Feed-Reader so anzeigen, wie sie dasteht.</translation>
    </message>
    <message>
        <source>Not a date in the form &quot;Wed, 02 Oct 2002 13:00:00 GMT&quot;.</source>
        <translation>Kein Datum in der Form „Wed, 02 Oct 2002 13:00:00 GMT“.</translation>
    </message>
    <message>
        <source>The date has a form that many readers get wrong.</source>
        <translation>Das Datum hat eine Form, die viele Feed-Reader falsch lesen.</translation>
    </message>
    <message>
        <source>The date is in the future or before 1990.</source>
        <translation>Das Datum liegt in der Zukunft oder vor 1990.</translation>
    </message>
    <message>
        <source>Not an e-mail address; write one as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>Keine E-Mail-Adresse; eine schreibt man als „jo@example.org (Jo Smith)“.</translation>
    </message>
    <message>
        <source>RSS writes an e-mail address as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>RSS schreibt eine E-Mail-Adresse als „jo@example.org (Jo Smith)“.</translation>
    </message>
    <message>
        <source>Add the person&apos;s name after the address: &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>Den Namen der Person nach der Adresse anfügen: „jo@example.org (Jo Smith)“.</translation>
    </message>
    <message>
        <source>The image has no url.</source>
        <translation>Das Bild hat keine url.</translation>
    </message>
    <message>
        <source>The image has no title.</source>
        <translation>Das Bild hat keinen Titel.</translation>
    </message>
    <message>
        <source>The image has no link.</source>
        <translation>Das Bild hat keinen Link.</translation>
    </message>
    <message>
        <source>The image width must be a whole number from 1 to 144.</source>
        <translation>Die Bildbreite muss eine ganze Zahl von 1 bis 144 sein.</translation>
    </message>
    <message>
        <source>The image height must be a whole number from 1 to 400.</source>
        <translation>Die Bildhöhe muss eine ganze Zahl von 1 bis 400 sein.</translation>
    </message>
    <message>
        <source>The image link differs from the channel&apos;s link.</source>
        <translation>Der Link des Bildes weicht vom Link des Kanals ab.</translation>
    </message>
    <message>
        <source>The image title differs from the channel&apos;s title.</source>
        <translation>Der Titel des Bildes weicht vom Titel des Kanals ab.</translation>
    </message>
    <message>
        <source>The channel image should be a GIF, JPEG or PNG file.</source>
        <translation>Das Bild des Kanals sollte eine GIF-, JPEG- oder PNG-Datei sein.</translation>
    </message>
    <message>
        <source>The text input has no title.</source>
        <translation>Die Texteingabe hat keinen Titel.</translation>
    </message>
    <message>
        <source>The text input has no description.</source>
        <translation>Die Texteingabe hat keine Beschreibung.</translation>
    </message>
    <message>
        <source>The text input has no name.</source>
        <translation>Die Texteingabe hat keinen Namen.</translation>
    </message>
    <message>
        <source>The text input has no link.</source>
        <translation>Die Texteingabe hat keinen Link.</translation>
    </message>
    <message>
        <source>The text input&apos;s name must be a form field name: a letter, then letters, digits, &apos;-&apos;, &apos;_&apos;, &apos;:&apos; or &apos;.&apos;.</source>
        <translation>Der Name der Texteingabe muss ein Formularfeldname sein: ein Buchstabe, dann Buchstaben, Ziffern, &apos;-&apos;, &apos;_&apos;, &apos;:&apos; oder &apos;.&apos;.</translation>
    </message>
    <message>
        <source>The cloud needs all of domain, port, path, registerProcedure and protocol.</source>
        <translation>Die Cloud braucht domain, port, path, registerProcedure und protocol.</translation>
    </message>
    <message>
        <source>The cloud port must be a whole number from 1 to 65535.</source>
        <translation>Der Port der Cloud muss eine ganze Zahl von 1 bis 65535 sein.</translation>
    </message>
    <message>
        <source>The cloud protocol must be xml-rpc, soap or http-post.</source>
        <translation>Das Protokoll der Cloud muss xml-rpc, soap oder http-post sein.</translation>
    </message>
    <message>
        <source>skipHours lists no hour.</source>
        <translation>skipHours nennt keine Stunde.</translation>
    </message>
    <message>
        <source>An hour must be a whole number from 0 to 23.</source>
        <translation>Eine Stunde muss eine ganze Zahl von 0 bis 23 sein.</translation>
    </message>
    <message>
        <source>Write midnight as 0, not 24.</source>
        <translation>Mitternacht als 0 schreiben, nicht als 24.</translation>
    </message>
    <message>
        <source>This hour is already listed.</source>
        <translation>Diese Stunde steht schon in der Liste.</translation>
    </message>
    <message>
        <source>skipHours lists more than 24 hours.</source>
        <translation>skipHours nennt mehr als 24 Stunden.</translation>
    </message>
    <message>
        <source>skipDays lists no day.</source>
        <translation>skipDays nennt keinen Tag.</translation>
    </message>
    <message>
        <source>A day must be an English day name: Monday to Sunday.</source>
        <translation>Ein Tag muss ein englischer Tagesname sein: Monday bis Sunday.</translation>
    </message>
    <message>
        <source>This day is already listed.</source>
        <translation>Dieser Tag steht schon in der Liste.</translation>
    </message>
    <message>
        <source>skipDays lists more than seven days.</source>
        <translation>skipDays nennt mehr als sieben Tage.</translation>
    </message>
    <message>
        <source>A post needs a title or a description.</source>
        <translation>Ein Beitrag braucht einen Titel oder eine Beschreibung.</translation>
    </message>
    <message>
        <source>The post has no guid, so readers may show it again as new after an edit.</source>
        <translation>Der Beitrag hat keine GUID, daher zeigen Feed-Reader ihn nach einer Änderung womöglich erneut als neu.</translation>
    </message>
    <message>
        <source>The guid is empty.</source>
        <translation>Die GUID ist leer.</translation>
    </message>
    <message>
        <source>A guid that is a permalink must be a full URL; if it is not a link, add isPermaLink=&quot;false&quot;.</source>
        <translation>Eine GUID, die ein Permalink ist, muss eine vollständige URL sein; ist sie kein Link, isPermaLink=&quot;false&quot; ergänzen.</translation>
    </message>
    <message>
        <source>A permalink guid must be a web address (http or https); if it is not, add isPermaLink=&quot;false&quot;.</source>
        <translation>Eine Permalink-GUID muss eine Webadresse sein (http oder https); ist sie keine, isPermaLink=&quot;false&quot; ergänzen.</translation>
    </message>
    <message>
        <source>isPermaLink must be exactly &quot;true&quot; or &quot;false&quot;.</source>
        <translation>isPermaLink muss genau „true“ oder „false“ sein.</translation>
    </message>
    <message>
        <source>Another post of the feed has the same guid.</source>
        <translation>Ein anderer Beitrag des Feeds hat dieselbe GUID.</translation>
    </message>
    <message>
        <source>A guid of a few digits is not unique beyond this feed; readers may confuse it with another feed&apos;s post.</source>
        <translation>Eine GUID aus wenigen Ziffern ist über diesen Feed hinaus nicht eindeutig; Feed-Reader verwechseln sie womöglich mit dem Beitrag eines anderen Feeds.</translation>
    </message>
    <message>
        <source>An enclosure needs url, length and type.</source>
        <translation>Ein Anhang braucht url, length und type.</translation>
    </message>
    <message>
        <source>The enclosure length must be a whole number of bytes, 0 when unknown.</source>
        <translation>Die Länge des Anhangs muss eine ganze Zahl von Bytes sein, 0, wenn unbekannt.</translation>
    </message>
    <message>
        <source>The enclosure type must be a media type such as &quot;audio/mpeg&quot;.</source>
        <translation>Der Typ des Anhangs muss ein Medientyp wie „audio/mpeg“ sein.</translation>
    </message>
    <message>
        <source>The post has more than one enclosure; most readers take only the first.</source>
        <translation>Der Beitrag hat mehr als einen Anhang; die meisten Feed-Reader nehmen nur den ersten.</translation>
    </message>
    <message>
        <source>A source needs the url of the feed it comes from.</source>
        <translation>Eine Quelle braucht die url des Feeds, aus dem sie stammt.</translation>
    </message>
    <message>
        <source>Give the post a description before its content:encoded; some readers take only the description, or only the first of the two.</source>
        <translation>Geben Sie dem Beitrag vor seinem content:encoded eine Beschreibung; manche Feed-Reader nehmen nur die Beschreibung oder nur das erste der beiden.</translation>
    </message>
    <message>
        <source>The description holds a script, which readers remove or refuse.</source>
        <translation>Die Beschreibung enthält ein Skript, das Feed-Reader entfernen oder ablehnen.</translation>
    </message>
    <message>
        <source>The description holds a frame, which many readers remove.</source>
        <translation>Die Beschreibung enthält einen Frame, den viele Feed-Reader entfernen.</translation>
    </message>
    <message>
        <source>The description holds an event attribute (on...), which readers remove.</source>
        <translation>Die Beschreibung enthält ein Ereignisattribut (on...), das Feed-Reader entfernen.</translation>
    </message>
    <message>
        <source>A relative link in the description; readers do not know what it is relative to. Write the full address.</source>
        <translation>Ein relativer Link in der Beschreibung; Feed-Reader wissen nicht, worauf er sich bezieht. Schreiben Sie die vollständige Adresse.</translation>
    </message>
    <message>
        <source>itunes:explicit must be &quot;true&quot; or &quot;false&quot;.</source>
        <translation>itunes:explicit muss „true“ oder „false“ sein.</translation>
    </message>
    <message>
        <source>Apple Podcasts now asks for &quot;true&quot; or &quot;false&quot; here, not yes, no or clean.</source>
        <translation>Apple Podcasts verlangt hier inzwischen „true“ oder „false“, nicht yes, no oder clean.</translation>
    </message>
    <message>
        <source>Not one of Apple Podcasts&apos; categories.</source>
        <translation>Keine Kategorie von Apple Podcasts.</translation>
    </message>
    <message>
        <source>Not a subcategory of this Apple Podcasts category.</source>
        <translation>Keine Unterkategorie dieser Kategorie von Apple Podcasts.</translation>
    </message>
    <message>
        <source>The duration must be seconds, or minutes and seconds as mm:ss, or hh:mm:ss.</source>
        <translation>Die Dauer muss in Sekunden angegeben sein, oder als Minuten und Sekunden mm:ss, oder hh:mm:ss.</translation>
    </message>
    <message>
        <source>The episode number must be a whole number above 0.</source>
        <translation>Die Episodennummer muss eine ganze Zahl über 0 sein.</translation>
    </message>
    <message>
        <source>The season number must be a whole number above 0.</source>
        <translation>Die Staffelnummer muss eine ganze Zahl über 0 sein.</translation>
    </message>
    <message>
        <source>The episode type must be full, trailer or bonus.</source>
        <translation>Der Episodentyp muss full, trailer oder bonus sein.</translation>
    </message>
    <message>
        <source>The show type must be episodic or serial.</source>
        <translation>Der Typ der Sendung muss episodic oder serial sein.</translation>
    </message>
    <message>
        <source>itunes:block and itunes:complete take &quot;Yes&quot;, or &quot;No&quot;.</source>
        <translation>itunes:block und itunes:complete nehmen „Yes“ oder „No“.</translation>
    </message>
    <message>
        <source>podcast:guid must be a UUID such as &quot;ead4c236-bf58-58c6-a2c6-a6b28d128cb6&quot;.</source>
        <translation>podcast:guid muss eine UUID wie „ead4c236-bf58-58c6-a2c6-a6b28d128cb6“ sein.</translation>
    </message>
    <message>
        <source>podcast:locked must be &quot;yes&quot; or &quot;no&quot;.</source>
        <translation>podcast:locked muss „yes“ oder „no“ sein.</translation>
    </message>
    <message>
        <source>Podcast tags should link with https addresses.</source>
        <translation>Podcast-Tags sollten mit https-Adressen verlinken.</translation>
    </message>
    <message>
        <source>The namespace address is close to the podcast or iTunes namespace but not it; readers will not know the tags.</source>
        <translation>Die Adresse des Namensraums ähnelt dem Podcast- oder iTunes-Namensraum, ist es aber nicht; Feed-Reader kennen die Tags dann nicht.</translation>
    </message>
    <message>
        <source>The podcast namespace has no such tag.</source>
        <translation>Der Podcast-Namensraum hat kein solches Tag.</translation>
    </message>
    <message>
        <source>This podcast tag does not belong in this element.</source>
        <translation>Dieses Podcast-Tag gehört nicht in dieses Element.</translation>
    </message>
    <message>
        <source>The podcast tag lacks an attribute it requires.</source>
        <translation>Dem Podcast-Tag fehlt ein Attribut, das es braucht.</translation>
    </message>
    <message>
        <source>The podcast tag lacks an element it requires inside it.</source>
        <translation>Dem Podcast-Tag fehlt ein Element, das es in sich braucht.</translation>
    </message>
    <message>
        <source>The podcast tag needs a value; it is empty.</source>
        <translation>Das Podcast-Tag braucht einen Wert; es ist leer.</translation>
    </message>
    <message>
        <source>The value is longer than podcast apps show; they may cut it.</source>
        <translation>Der Wert ist länger, als Podcast-Apps zeigen; sie schneiden ihn womöglich ab.</translation>
    </message>
    <message>
        <source>The value is not one this podcast tag takes.</source>
        <translation>Diesen Wert nimmt dieses Podcast-Tag nicht.</translation>
    </message>
    <message>
        <source>Few podcast apps know this value.</source>
        <translation>Wenige Podcast-Apps kennen diesen Wert.</translation>
    </message>
    <message>
        <source>Not a podcast GUID, a UUID such as &quot;917393e3-1b1e-5cef-ace4-edaa54e1f810&quot;.</source>
        <translation>Keine Podcast-GUID, also keine UUID wie „917393e3-1b1e-5cef-ace4-edaa54e1f810“.</translation>
    </message>
    <message>
        <source>Not an ISO 8601 date and time such as &quot;2021-09-26T07:30:00-06:00&quot;.</source>
        <translation>Keine Datums- und Zeitangabe nach ISO 8601 wie „2021-09-26T07:30:00-06:00“.</translation>
    </message>
    <message>
        <source>Not a number of the form this podcast tag asks for.</source>
        <translation>Keine Zahl in der Form, die dieses Podcast-Tag verlangt.</translation>
    </message>
    <message>
        <source>A time must be seconds, such as &quot;73&quot; or &quot;1234.5&quot;.</source>
        <translation>Eine Zeit muss in Sekunden angegeben sein, etwa „73“ oder „1234.5“.</translation>
    </message>
    <message>
        <source>A podcast gives its own address (atom:link rel=&quot;self&quot;); PSP-1 requires it.</source>
        <translation>Ein Podcast nennt seine eigene Adresse (atom:link rel=&quot;self&quot;); PSP-1 verlangt es.</translation>
    </message>
    <message>
        <source>The podcast has no artwork: podcast directories require an itunes:image with an href.</source>
        <translation>Der Podcast hat kein Artwork: Podcast-Verzeichnisse verlangen ein itunes:image mit href.</translation>
    </message>
    <message>
        <source>The podcast has no language; podcast directories require one.</source>
        <translation>Der Podcast hat keine Sprache; Podcast-Verzeichnisse verlangen eine.</translation>
    </message>
    <message>
        <source>The podcast has no itunes:category; podcast directories require one.</source>
        <translation>Der Podcast hat keine itunes:category; Podcast-Verzeichnisse verlangen eine.</translation>
    </message>
    <message>
        <source>The podcast has no itunes:explicit; podcast directories require &quot;true&quot; or &quot;false&quot;.</source>
        <translation>Der Podcast hat kein itunes:explicit; Podcast-Verzeichnisse verlangen „true“ oder „false“.</translation>
    </message>
    <message>
        <source>Apple Podcasts takes a show description of at most 4000 bytes.</source>
        <translation>Apple Podcasts nimmt eine Beschreibung der Sendung von höchstens 4000 Bytes.</translation>
    </message>
    <message>
        <source>The episode has no title; podcast directories require one.</source>
        <translation>Die Episode hat keinen Titel; Podcast-Verzeichnisse verlangen einen.</translation>
    </message>
    <message>
        <source>The episode has no enclosure, the media file podcast apps play.</source>
        <translation>Die Episode hat keinen Anhang, die Mediendatei, die Podcast-Apps abspielen.</translation>
    </message>
    <message>
        <source>The episode has no guid; PSP-1 requires one so that apps do not download it again.</source>
        <translation>Die Episode hat keine GUID; PSP-1 verlangt eine, damit Apps sie nicht erneut herunterladen.</translation>
    </message>
    <message>
        <source>PSP-1 recommends podcast:locked, which tells other platforms whether they may import the feed.</source>
        <translation>PSP-1 empfiehlt podcast:locked, das anderen Plattformen sagt, ob sie den Feed importieren dürfen.</translation>
    </message>
    <message>
        <source>PSP-1 recommends podcast:guid, the podcast&apos;s identity that stays when its address moves.</source>
        <translation>PSP-1 empfiehlt podcast:guid, die Identität des Podcasts, die bleibt, wenn seine Adresse umzieht.</translation>
    </message>
    <message>
        <source>Apple Podcasts takes artwork as a JPEG or PNG file (.jpg or .png).</source>
        <translation>Apple Podcasts nimmt Artwork als JPEG- oder PNG-Datei (.jpg oder .png).</translation>
    </message>
    <message>
        <source>Apple Podcasts takes square artwork from 1400 x 1400 to 3000 x 3000 pixels.</source>
        <translation>Apple Podcasts nimmt quadratisches Artwork von 1400 x 1400 bis 3000 x 3000 Pixel.</translation>
    </message>
    <message>
        <source>Apple Podcasts takes artwork in the RGB colour space, not greyscale or CMYK.</source>
        <translation>Apple Podcasts nimmt Artwork im RGB-Farbraum, nicht in Graustufen oder CMYK.</translation>
    </message>
    <message>
        <source>The artwork file cannot be read, so its size and colours are not checked.</source>
        <translation>Die Artwork-Datei kann nicht gelesen werden, daher werden Größe und Farben nicht geprüft.</translation>
    </message>
    <message>
        <source>The feed&apos;s own address (atom:link rel=&quot;self&quot;) is its web site&apos;s; it should be the address of the feed file.</source>
        <translation>Die eigene Adresse des Feeds (atom:link rel=&quot;self&quot;) ist die seiner Website; sie sollte die Adresse der Feed-Datei sein.</translation>
    </message>
    <message>
        <source>An attribute from another vocabulary on an element of RSS; readers ignore it.</source>
        <translation>Ein Attribut aus einem anderen Vokabular an einem RSS-Element; Feed-Reader ignorieren es.</translation>
    </message>
    <message>
        <source>RSS gives this element no such attribute; readers ignore it.</source>
        <translation>RSS sieht für dieses Element kein solches Attribut vor; Feed-Reader ignorieren es.</translation>
    </message>
    <message>
        <source>The address holds characters outside ASCII; write them percent-encoded, as %C3%A9, and a host in its &quot;xn--&quot; form.</source>
        <translation>Die Adresse enthält Zeichen außerhalb von ASCII; diese prozentkodiert schreiben, etwa %C3%A9, und einen Host in seiner „xn--“-Form.</translation>
    </message>
    <message>
        <source>This plain text holds a &quot;&lt;&quot; that a reader showing it as HTML takes for the start of a tag, hiding what follows; write it as &amp;#x3C;.</source>
        <translation>Dieser reine Text enthält ein „&lt;“, das ein Feed-Reader, der ihn als HTML anzeigt, für den Anfang eines Tags hält, sodass das Folgende verborgen bleibt; es als &amp;#x3C; schreiben.</translation>
    </message>
    <message>
        <source>Few readers show a text input; most ignore it.</source>
        <translation>Wenige Feed-Reader zeigen eine Texteingabe; die meisten ignorieren sie.</translation>
    </message>
    <message>
        <source>The number of comments (slash:comments) must be a whole number, 0 or more.</source>
        <translation>Die Anzahl der Kommentare (slash:comments) muss eine ganze Zahl sein, 0 oder mehr.</translation>
    </message>
    <message>
        <source>The description holds a tag that readers remove as a risk (embed, object, meta, style and the like).</source>
        <translation>Die Beschreibung enthält ein Tag, das Feed-Reader als Risiko entfernen (embed, object, meta, style und ähnliche).</translation>
    </message>
    <message>
        <source>The podcast namespace recommends this attribute; apps use it to show the tag well.</source>
        <translation>Der Podcast-Namensraum empfiehlt dieses Attribut; Apps nutzen es, um das Tag gut darzustellen.</translation>
    </message>
    <message>
        <source>The podcast namespace has retired this tag in favour of another.</source>
        <translation>Der Podcast-Namensraum hat dieses Tag zugunsten eines anderen ausgemustert.</translation>
    </message>
    <message>
        <source>Apple Podcasts asks for &quot;true&quot; or &quot;false&quot; here, not yes, no or clean.</source>
        <translation>Apple Podcasts verlangt hier „true“ oder „false“, nicht yes, no oder clean.</translation>
    </message>
</context>
<context>
    <name>CFetchTitleFromURL</name>
    <message>
        <source>The page has no title.</source>
        <translation>Die Seite hat keinen Titel.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Weitere Werkzeuge</translation>
    </message>
</context>
<context>
    <name>CHyperlinkDlg</name>
    <message>
        <source>Insert Hyperlink</source>
        <translation>Hyperlink einfügen</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Looking up the page&apos;s title…</source>
        <translation>Titel der Seite wird gesucht…</translation>
    </message>
    <message>
        <source>No title: %1</source>
        <translation>Kein Titel: %1</translation>
    </message>
</context>
<context>
    <name>CImageDlg</name>
    <message>
        <source>Insert Image</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Type the image&apos;s address here (required)</source>
        <translation>Adresse des Bildes hier eingeben (Pflicht)</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>Type the text shown in its place here</source>
        <translation>Text, der an seiner Stelle erscheint, hier eingeben</translation>
    </message>
    <message>
        <source>Width in pixels (optional)</source>
        <translation>Breite in Pixeln (optional)</translation>
    </message>
    <message>
        <source>Height in pixels (optional)</source>
        <translation>Höhe in Pixeln (optional)</translation>
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
        <source>text on left</source>
        <translation>Text links</translation>
    </message>
    <message>
        <source>text on right</source>
        <translation>Text rechts</translation>
    </message>
    <message>
        <source>See image sample here</source>
        <translation>Hier erscheint eine Vorschau des Bildes</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Bild wählen</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.gif *.webp *.svg);;All files (*)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.gif *.webp *.svg);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>CLiveItemFields</name>
    <message>
        <source>Live stream</source>
        <translation>Livestream</translation>
    </message>
    <message>
        <source>St&amp;atus:</source>
        <translation>&amp;Status:</translation>
    </message>
    <message>
        <source>Sta&amp;rt:</source>
        <translation>Begi&amp;nn:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <source>Add the time zone, e.g. %1Z or %1+01:00</source>
        <translation>Zeitzone ergänzen, z. B. %1Z oder %1+01:00</translation>
    </message>
    <message>
        <source>Not a date and time like 2026-12-24T18:00:00+01:00</source>
        <translation>Keine Datums- und Zeitangabe wie 2026-12-24T18:00:00+01:00</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>z. B. %1</translation>
    </message>
</context>
<context>
    <name>CLocalFolder</name>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The file could not be written: %1.</source>
        <translation>Die Datei konnte nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
</context>
<context>
    <name>CLocationOpener</name>
    <message>
        <source>&quot;%1&quot; is not the web address of a feed. It starts with https:// or http://.</source>
        <translation>„%1“ ist nicht die Webadresse eines Feeds. Sie beginnt mit https:// oder http://.</translation>
    </message>
    <message>
        <source>Downloading %1…</source>
        <translation>%1 wird heruntergeladen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open Location</source>
        <translation>Adresse öffnen</translation>
    </message>
    <message>
        <source>Downloading %1…
%2 kB received</source>
        <translation>%1 wird heruntergeladen…
%2 kB empfangen</translation>
    </message>
    <message>
        <source>Cannot open %1.

%2</source>
        <translation>%1 kann nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <source>The owner of this podcast has locked it against moving to another host (podcast:locked is &quot;yes&quot;). Directories will not take it from a new address until the owner unlocks it.

You can still edit it and keep a copy.</source>
        <translation>Der Eigentümer dieses Podcasts hat ihn gegen den Umzug zu einem anderen Host gesperrt (podcast:locked ist „yes“). Verzeichnisse übernehmen ihn von einer neuen Adresse erst, wenn der Eigentümer ihn entsperrt.

Sie können ihn trotzdem bearbeiten und eine Kopie behalten.</translation>
    </message>
</context>
<context>
    <name>CLockKeyIndicators</name>
    <message>
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num-Taste</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Rollen-Taste</translation>
    </message>
    <message>
        <source>%1: not known on this display</source>
        <translation>%1: auf dieser Anzeige unbekannt</translation>
    </message>
    <message>
        <source>%1 is on</source>
        <translation>%1 ist an</translation>
    </message>
    <message>
        <source>%1 is off</source>
        <translation>%1 ist aus</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>The preferences could not be written to
%1</source>
        <translation>Die Einstellungen konnten nicht geschrieben werden nach
%1</translation>
    </message>
    <message>
        <source>No web browser could be started to show
%1

Open this address in a browser yourself.</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um
%1
anzuzeigen.

Öffnen Sie diese Adresse selbst in einem Browser.</translation>
    </message>
    <message>
        <source>Publishing sends the saved file. Save %1 and publish it?</source>
        <translation>Veröffentlicht wird die gespeicherte Datei. %1 speichern und veröffentlichen?</translation>
    </message>
    <message>
        <source>Save and &amp;Publish</source>
        <translation>Speichern und &amp;veröffentlichen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Posts</source>
        <translation>Bei&amp;träge</translation>
    </message>
    <message>
        <source>Fee&amp;d</source>
        <translation>Fee&amp;d</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&lt;as opened or saved&gt;</source>
        <translation>&lt;wie geöffnet oder gespeichert&gt;</translation>
    </message>
    <message>
        <source>Undo History</source>
        <translation>Änderungsverlauf</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Weitere Werkzeuge</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
</context>
<context>
    <name>CMoveFeedDialog</name>
    <message>
        <source>Move Feed</source>
        <translation>Feed umziehen</translation>
    </message>
    <message>
        <source>not known: the feed names no address of its own</source>
        <translation>unbekannt: Der Feed nennt keine eigene Adresse</translation>
    </message>
    <message>
        <source>Current address:</source>
        <translation>Aktuelle Adresse:</translation>
    </message>
    <message>
        <source>&amp;New address:</source>
        <translation>&amp;Neue Adresse:</translation>
    </message>
    <message>
        <source>The feed will name its new address in its atom:link rel=&quot;self&quot; and, for a podcast, in itunes:new-feed-url; a podcast&apos;s podcast:guid stays, so directories know it is the same podcast.

Publish the moved feed to both hosts, then have the old host answer the old address with a permanent redirect (HTTP 301) to the new one. Keep the redirect and itunes:new-feed-url for at least four weeks, better for good: some apps look at a feed seldom.</source>
        <translation>Der Feed nennt seine neue Adresse in seinem atom:link rel=&quot;self&quot; und, bei einem Podcast, in itunes:new-feed-url; die podcast:guid eines Podcasts bleibt, damit Verzeichnisse erkennen, dass es derselbe Podcast ist.

Veröffentlichen Sie den umgezogenen Feed auf beiden Hosts und lassen Sie dann den alten Host unter der alten Adresse mit einer dauerhaften Weiterleitung (HTTP 301) auf die neue antworten. Behalten Sie die Weiterleitung und itunes:new-feed-url mindestens vier Wochen bei, besser für immer: Manche Apps sehen nur selten in einen Feed.</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Umziehen</translation>
    </message>
</context>
<context>
    <name>COtherElementsList</name>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Other elements</source>
        <translation>Weitere Elemente</translation>
    </message>
    <message>
        <source>Elements these fields do not edit; they are kept as they are</source>
        <translation>Elemente, die diese Felder nicht bearbeiten; sie bleiben, wie sie sind</translation>
    </message>
</context>
<context>
    <name>CPodcastFields</name>
    <message>
        <source>Not a role of the Podcast Taxonomy Project</source>
        <translation>Keine Rolle des Podcast Taxonomy Project</translation>
    </message>
    <message>
        <source>Not a group of the Podcast Taxonomy Project</source>
        <translation>Keine Gruppe des Podcast Taxonomy Project</translation>
    </message>
    <message>
        <source>A recurrence rule names its frequency, like FREQ=WEEKLY</source>
        <translation>Eine Wiederholungsregel nennt ihre Häufigkeit, etwa FREQ=WEEKLY</translation>
    </message>
    <message>
        <source>Persons</source>
        <translation>Personen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Orte</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Ort</translation>
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
        <translation>Land</translation>
    </message>
    <message>
        <source>Funding</source>
        <translation>Finanzierung</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>License:</source>
        <translation>Lizenz:</translation>
    </message>
    <message>
        <source>An SPDX identifier like cc-by-4.0, or the name of your own</source>
        <translation>Eine SPDX-Kennung wie cc-by-4.0 oder der Name Ihrer eigenen</translation>
    </message>
    <message>
        <source>License URL:</source>
        <translation>Lizenz-URL:</translation>
    </message>
    <message>
        <source>Value (payments while listening)</source>
        <translation>Value (Zahlungen beim Hören)</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Vorgeschlagen</translation>
    </message>
    <message>
        <source>Recipients of the selected value</source>
        <translation>Empfänger des ausgewählten Value</translation>
    </message>
    <message>
        <source>Start (s)</source>
        <translation>Beginn (s)</translation>
    </message>
    <message>
        <source>Duration (s)</source>
        <translation>Dauer (s)</translation>
    </message>
    <message>
        <source>Remote start (s)</source>
        <translation>Entfernter Beginn (s)</translation>
    </message>
    <message>
        <source>Remote %</source>
        <translation>Entfernte %</translation>
    </message>
    <message>
        <source>Remote feed GUID</source>
        <translation>GUID des entfernten Feeds</translation>
    </message>
    <message>
        <source>Remote item GUID</source>
        <translation>GUID des entfernten Items</translation>
    </message>
    <message>
        <source>Remote medium</source>
        <translation>Entferntes Medium</translation>
    </message>
    <message>
        <source>Time splits of the selected value</source>
        <translation>Zeitabschnitte des ausgewählten Value</translation>
    </message>
    <message>
        <source>Recipients of the selected time split</source>
        <translation>Empfänger des ausgewählten Zeitabschnitts</translation>
    </message>
    <message>
        <source>Social interaction</source>
        <translation>Soziale Interaktion</translation>
    </message>
    <message>
        <source>Root post URI</source>
        <translation>URI des Ausgangsbeitrags</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Account URL</source>
        <translation>Konto-URL</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Text records (txt)</source>
        <translation>Texteinträge (txt)</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Zweck</translation>
    </message>
    <message>
        <source>Chat server:</source>
        <translation>Chat-Server:</translation>
    </message>
    <message>
        <source>Chat protocol:</source>
        <translation>Chat-Protokoll:</translation>
    </message>
    <message>
        <source>Chat account:</source>
        <translation>Chat-Konto:</translation>
    </message>
    <message>
        <source>Chat space:</source>
        <translation>Chat-Raum:</translation>
    </message>
    <message>
        <source>Images (podcast:image)</source>
        <translation>Bilder (podcast:image)</translation>
    </message>
    <message>
        <source>Alt text</source>
        <translation>Alternativtext</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Update frequency:</source>
        <translation>Erscheinungsrhythmus:</translation>
    </message>
    <message>
        <source>In words, like Every other Monday</source>
        <translation>In Worten, etwa Jeden zweiten Montag</translation>
    </message>
    <message>
        <source>Recurrence rule:</source>
        <translation>Wiederholungsregel:</translation>
    </message>
    <message>
        <source>Rule starts:</source>
        <translation>Regel beginnt:</translation>
    </message>
    <message>
        <source>Complete:</source>
        <translation>Abgeschlossen:</translation>
    </message>
    <message>
        <source>Publisher feed GUID:</source>
        <translation>GUID des Herausgeber-Feeds:</translation>
    </message>
    <message>
        <source>Publisher feed URL:</source>
        <translation>URL des Herausgeber-Feeds:</translation>
    </message>
    <message>
        <source>Publisher medium:</source>
        <translation>Medium des Herausgebers:</translation>
    </message>
    <message>
        <source>Podroll (recommended podcasts)</source>
        <translation>Podroll (empfohlene Podcasts)</translation>
    </message>
    <message>
        <source>Remote items</source>
        <translation>Entfernte Items</translation>
    </message>
    <message>
        <source>Trailers</source>
        <translation>Trailer</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Staffel</translation>
    </message>
    <message>
        <source>Blocked platforms</source>
        <translation>Gesperrte Plattformen</translation>
    </message>
    <message>
        <source>Platform (empty: all)</source>
        <translation>Plattform (leer: alle)</translation>
    </message>
    <message>
        <source>Blocked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Kapitel:</translation>
    </message>
    <message>
        <source>Chapters type:</source>
        <translation>Typ der Kapitel:</translation>
    </message>
    <message>
        <source>Transcripts</source>
        <translation>Transkripte</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Soundbites</source>
        <translation>Soundbites</translation>
    </message>
    <message>
        <source>Alternate enclosures</source>
        <translation>Alternative Anhänge</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Codecs</source>
        <translation>Codecs</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Integrity type</source>
        <translation>Art der Integrität</translation>
    </message>
    <message>
        <source>Integrity value</source>
        <translation>Wert der Integrität</translation>
    </message>
    <message>
        <source>Sources of the selected alternate enclosure</source>
        <translation>Quellen des ausgewählten alternativen Anhangs</translation>
    </message>
    <message>
        <source>Source URI</source>
        <translation>Quell-URI</translation>
    </message>
    <message>
        <source>Content type</source>
        <translation>Inhaltstyp</translation>
    </message>
    <message>
        <source>Content links</source>
        <translation>Inhaltslinks</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Gebühr</translation>
    </message>
    <message>
        <source>Custom key</source>
        <translation>Eigener Schlüssel</translation>
    </message>
    <message>
        <source>Custom value</source>
        <translation>Eigener Wert</translation>
    </message>
    <message>
        <source>Feed GUID</source>
        <translation>Feed-GUID</translation>
    </message>
    <message>
        <source>Feed URL</source>
        <translation>Feed-URL</translation>
    </message>
    <message>
        <source>Item GUID</source>
        <translation>Item-GUID</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
</context>
<context>
    <name>CPodcastValues</name>
    <message>
        <source>Not a time in seconds like 73.0 or 1234.5</source>
        <translation>Keine Zeit in Sekunden wie 73.0 oder 1234.5</translation>
    </message>
    <message>
        <source>Not a number like 3 or 315.5</source>
        <translation>Keine Zahl wie 3 oder 315.5</translation>
    </message>
    <message>
        <source>Not an ISO 8601 date like 2023-08-28T00:00:00.000Z</source>
        <translation>Kein ISO-8601-Datum wie 2023-08-28T00:00:00.000Z</translation>
    </message>
    <message>
        <source>Not a UUID like 917393e3-1b1e-5cef-ace4-edaa54e1f810</source>
        <translation>Keine UUID wie 917393e3-1b1e-5cef-ace4-edaa54e1f810</translation>
    </message>
    <message>
        <source>Not a place like geo:30.2672,97.7431</source>
        <translation>Kein Ort wie geo:30.2672,97.7431</translation>
    </message>
    <message>
        <source>Not an OpenStreetMap object like R113314 or W43678282</source>
        <translation>Kein OpenStreetMap-Objekt wie R113314 oder W43678282</translation>
    </message>
    <message>
        <source>Not a percentage from 0 to 100</source>
        <translation>Kein Prozentwert von 0 bis 100</translation>
    </message>
    <message>
        <source>Not one of: %1</source>
        <translation>Keiner von: %1</translation>
    </message>
    <message>
        <source>Not a two-letter country code like US or DE</source>
        <translation>Kein Ländercode aus zwei Buchstaben wie US oder DE</translation>
    </message>
    <message>
        <source>Not an aspect ratio like 16/9 or 1.9</source>
        <translation>Kein Seitenverhältnis wie 16/9 oder 1.9</translation>
    </message>
</context>
<context>
    <name>CPostCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1 &amp;rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>%1 &amp;wiederholen</translation>
    </message>
    <message>
        <source>Delete this post?

&quot;%1&quot;</source>
        <translation>Diesen Beitrag löschen?

„%1“</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Discard the changes to %1 and reload it from the disk?</source>
        <translation>Änderungen an %1 verwerfen und neu von der Festplatte laden?</translation>
    </message>
    <message>
        <source>&amp;Discard and Reload</source>
        <translation>&amp;Verwerfen und neu laden</translation>
    </message>
    <message>
        <source>Cannot reload %1.

%2

The feed stays as it was.</source>
        <translation>%1 kann nicht neu geladen werden.

%2

Der Feed bleibt, wie er war.</translation>
    </message>
    <message>
        <source>No program could be started to show folders.</source>
        <translation>Es konnte kein Programm zum Anzeigen von Ordnern gestartet werden.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Der Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot open directory %1 %2</source>
        <translation>Ordner %1 kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Skipped %1. %2</source>
        <translation>%1 übersprungen. %2</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Episode(s)</source>
        <translation>
            <numerusform>%n Episode hinzufügen</numerusform>
            <numerusform>%n Episoden hinzufügen</numerusform>
        </translation>
    </message>
    <message>
        <source>This feed&apos;s publish settings give no media address, so the episodes&apos; enclosures cannot get their web addresses.

Add them with addresses relative to the feed, to be completed later? To set the media address first, cancel and choose File &gt; Publish Settings.</source>
        <translation>Die Veröffentlichungseinstellungen dieses Feeds nennen keine Medienadresse, daher können die Anhänge der Episoden keine Webadressen bekommen.

Mit Adressen relativ zum Feed hinzufügen, um sie später zu vervollständigen? Um zuerst die Medienadresse festzulegen, brechen Sie ab und wählen Datei &gt; Veröffentlichungseinstellungen.</translation>
    </message>
    <message>
        <source>&amp;Add Anyway</source>
        <translation>Trotzdem &amp;hinzufügen</translation>
    </message>
</context>
<context>
    <name>CPostRowDelegate</name>
    <message>
        <source>Post title</source>
        <translation>Beitragstitel</translation>
    </message>
    <message>
        <source>Enter keeps the new title, Escape drops it</source>
        <translation>Enter übernimmt den neuen Titel, Escape verwirft ihn</translation>
    </message>
</context>
<context>
    <name>CPostsListCtrl</name>
    <message>
        <source>No items</source>
        <translation>Keine Beiträge</translation>
    </message>
</context>
<context>
    <name>CPostsModel</name>
    <message>
        <source>Posts - Press Ctrl+F for filtering</source>
        <translation>Beiträge – Strg+F zum Filtern</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Rename Post</source>
        <translation>Beitrag umbenennen</translation>
    </message>
    <message>
        <source>Stream starts %1</source>
        <translation>Livestream ab %1</translation>
    </message>
    <message>
        <source>Live now, since %1</source>
        <translation>Jetzt live, seit %1</translation>
    </message>
    <message>
        <source>Stream ended, began %1</source>
        <translation>Livestream beendet, Beginn %1</translation>
    </message>
    <message>
        <source>Stream (%1) at %2</source>
        <translation>Livestream (%1), %2</translation>
    </message>
    <message>
        <source>Live item, %1: %2 to %3</source>
        <translation>Live-Beitrag, %1: %2 bis %3</translation>
    </message>
    <message>
        <source>No title</source>
        <translation>Kein Titel</translation>
    </message>
    <message>
        <source>No date</source>
        <translation>Kein Datum</translation>
    </message>
    <message>
        <source>Unreadable date: %1</source>
        <translation>Unlesbares Datum: %1</translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>&amp;Add a footer under the description of every post I edit</source>
        <translation>&amp;Fußzeile unter die Beschreibung jedes bearbeiteten Beitrags setzen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Default Text</source>
        <translation>&amp;Standardtext</translation>
    </message>
    <message>
        <source>The footer is added when a post&apos;s description is stored, unless the description ends with one already.</source>
        <translation>Die Fußzeile wird beim Speichern der Beschreibung eines Beitrags angefügt, außer die Beschreibung endet schon mit einer.</translation>
    </message>
    <message>
        <source>Footer &amp;text:</source>
        <translation>Fußzeilen&amp;text:</translation>
    </message>
    <message>
        <source>Post footer</source>
        <translation>Beitrags-Fußzeile</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Wie die Arbeitsumgebung</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation>&amp;Farben:</translation>
    </message>
</context>
<context>
    <name>CPublishCommand</name>
    <message>
        <source>%1: file %2 of %3, %4% sent</source>
        <translation>%1: Datei %2 von %3, %4 % gesendet</translation>
    </message>
    <message>
        <source>--to %1: %2</source>
        <translation>--to %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>The feed check found errors in %1; nothing was sent:</source>
        <translation>Die Feed-Prüfung hat in %1 Fehler gefunden; nichts wurde gesendet:</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>CPublishProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop publishing; the feed on the server stays as it was</source>
        <translation>Veröffentlichen abbrechen; der Feed auf dem Server bleibt, wie er war</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
    <message>
        <source>Publishing to %1…</source>
        <translation>Veröffentlichen nach %1…</translation>
    </message>
    <message>
        <source>File %1 of %2, %3 of %4</source>
        <translation>Datei %1 von %2, %3 von %4</translation>
    </message>
</context>
<context>
    <name>CPublishSettingsDialog</name>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Durchsuchen…</translation>
    </message>
    <message>
        <source>Switch plain FTP to &amp;TLS (STARTTLS) before logging in</source>
        <translation>Einfaches FTP vor der Anmeldung auf &amp;TLS (STARTTLS) umstellen</translation>
    </message>
    <message>
        <source>B&amp;rowse…</source>
        <translation>Durch&amp;suchen…</translation>
    </message>
    <message>
        <source>Publish Settings — %1</source>
        <translation>Veröffentlichungseinstellungen — %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Key file</source>
        <translation>Schlüsseldatei</translation>
    </message>
    <message>
        <source>SSH agent</source>
        <translation>SSH-Agent</translation>
    </message>
    <message>
        <source>the feed&apos;s folder</source>
        <translation>der Ordner des Feeds</translation>
    </message>
    <message>
        <source>&amp;Upload to:</source>
        <translation>&amp;Hochladen nach:</translation>
    </message>
    <message>
        <source>U&amp;ser:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>SFTP si&amp;gns in with:</source>
        <translation>SFTP &amp;meldet sich an mit:</translation>
    </message>
    <message>
        <source>SSH &amp;key file:</source>
        <translation>SSH-&amp;Schlüsseldatei:</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>&amp;Media address:</source>
        <translation>&amp;Medienadresse:</translation>
    </message>
    <message>
        <source>Media &amp;folder:</source>
        <translation>Medien&amp;ordner:</translation>
    </message>
    <message>
        <source>Optional. Enclosures whose address starts with the media address are uploaded beside the feed from the same place under the media folder, unless the server has them at the same size.</source>
        <translation>Optional. Anhänge, deren Adresse mit der Medienadresse beginnt, werden neben dem Feed aus derselben Stelle unter dem Medienordner hochgeladen, außer der Server hat sie schon in derselben Größe.</translation>
    </message>
    <message>
        <source>Media files</source>
        <translation>Mediendateien</translation>
    </message>
    <message>
        <source>Type the address the feed is uploaded to.</source>
        <translation>Adresse eingeben, unter die der Feed hochgeladen wird.</translation>
    </message>
    <message>
        <source>The address has no server name after %1://.</source>
        <translation>Die Adresse hat nach %1:// keinen Servernamen.</translation>
    </message>
    <message>
        <source>The address needs a path after the server name, such as /feed.xml.</source>
        <translation>Die Adresse braucht nach dem Servernamen einen Pfad, etwa /feed.xml.</translation>
    </message>
    <message>
        <source>The media address must be a web address starting with http:// or https://.</source>
        <translation>Die Medienadresse muss eine Webadresse sein, die mit http:// oder https:// beginnt.</translation>
    </message>
    <message>
        <source>Key &amp;passphrase:</source>
        <translation>Schlüssel-&amp;Passphrase:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>Media Folder</source>
        <translation>Medienordner</translation>
    </message>
    <message>
        <source>SSH Key File</source>
        <translation>SSH-Schlüsseldatei</translation>
    </message>
    <message>
        <source>&amp;Name the bucket in the path (path-style), not in the host name</source>
        <translation>Bucket im Pfad &amp;nennen (path-style), nicht im Hostnamen</translation>
    </message>
    <message>
        <source>Let everyone read the uploaded files (public-read &amp;ACL)</source>
        <translation>Hochgeladene Dateien für alle lesbar machen (public-read-&amp;ACL)</translation>
    </message>
    <message>
        <source>Where subscribers read the feed: the address it was opened from or moved to</source>
        <translation>Wo Abonnenten den Feed lesen: die Adresse, von der er geöffnet wurde oder zu der er umgezogen ist</translation>
    </message>
    <message>
        <source>Feed&apos;s &amp;web address:</source>
        <translation>&amp;Webadresse des Feeds:</translation>
    </message>
    <message>
        <source>S3 regi&amp;on:</source>
        <translation>S3-&amp;Region:</translation>
    </message>
    <message>
        <source>The address is the feed&apos;s on the server: sftp://, ftp://, ftps://, dav:// or davs:// for WebDAV over HTTP or HTTPS, s3://ENDPOINT/BUCKET/PREFIX/ for S3-compatible storage, or file:// for a folder on this computer. An address ending with / names a folder; the feed keeps its file name there. Media files go first and the feed last, so it never lists a file that is not there yet.</source>
        <translation>Die Adresse ist die des Feeds auf dem Server: sftp://, ftp://, ftps://, dav:// oder davs:// für WebDAV über HTTP oder HTTPS, s3://ENDPUNKT/BUCKET/PRÄFIX/ für S3-kompatiblen Speicher oder file:// für einen Ordner auf diesem Computer. Eine Adresse, die mit / endet, nennt einen Ordner; der Feed behält dort seinen Dateinamen. Mediendateien gehen zuerst und der Feed zuletzt, damit er nie eine Datei aufführt, die noch nicht da ist.</translation>
    </message>
    <message>
        <source>Passwords, passphrases and secret keys are kept in the desktop&apos;s keyring, never in a settings file.</source>
        <translation>Passwörter, Passphrasen und geheime Schlüssel werden im Schlüsselbund der Arbeitsumgebung aufbewahrt, nie in einer Einstellungsdatei.</translation>
    </message>
    <message>
        <source>The address must start with sftp://, ftp://, ftps://, dav://, davs://, s3:// or file://.</source>
        <translation>Die Adresse muss mit sftp://, ftp://, ftps://, dav://, davs://, s3:// oder file:// beginnen.</translation>
    </message>
    <message>
        <source>The address needs the bucket after the server name, such as /bucket/feed.xml.</source>
        <translation>Die Adresse braucht nach dem Servernamen den Bucket, etwa /bucket/feed.xml.</translation>
    </message>
    <message>
        <source>Access key &amp;ID:</source>
        <translation>Zugriffsschlüssel-&amp;ID:</translation>
    </message>
    <message>
        <source>&amp;Secret access key:</source>
        <translation>&amp;Geheimer Zugriffsschlüssel:</translation>
    </message>
</context>
<context>
    <name>CRSSEditDoc</name>
    <message>
        <source>Edit Title</source>
        <translation>Titel bearbeiten</translation>
    </message>
    <message>
        <source>Edit Link</source>
        <translation>Link bearbeiten</translation>
    </message>
    <message>
        <source>Edit Author</source>
        <translation>Autor bearbeiten</translation>
    </message>
    <message>
        <source>Edit Description</source>
        <translation>Beschreibung bearbeiten</translation>
    </message>
    <message>
        <source>Feed%1</source>
        <translation>Feed%1</translation>
    </message>
    <message>
        <source>Add Post</source>
        <translation>Beitrag hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate Post</source>
        <translation>Beitrag duplizieren</translation>
    </message>
    <message>
        <source>Delete Post</source>
        <translation>Beitrag löschen</translation>
    </message>
    <message>
        <source>Edit Channel %1</source>
        <translation>Kanal %1 bearbeiten</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Turn Podcast On</source>
        <translation>Podcast einschalten</translation>
    </message>
    <message>
        <source>Move Post to Top</source>
        <translation>Beitrag nach oben verschieben</translation>
    </message>
    <message>
        <source>Set Date to Now</source>
        <translation>Datum auf jetzt setzen</translation>
    </message>
    <message>
        <source>Add Live Item</source>
        <translation>Live-Beitrag hinzufügen</translation>
    </message>
    <message>
        <source>Listen live</source>
        <translation>Live hören</translation>
    </message>
    <message>
        <source>Move Feed</source>
        <translation>Feed umziehen</translation>
    </message>
</context>
<context>
    <name>CRSSEditView</name>
    <message>
        <source>Format Description</source>
        <translation>Beschreibung formatieren</translation>
    </message>
    <message>
        <source>Tidrel editor</source>
        <translation>Tidrel-Editor</translation>
    </message>
    <message>
        <source>Type RSS Item here (this area is editable and selectable)</source>
        <translation>RSS-Beitrag hier eingeben (dieser Bereich ist bearbeitbar und auswählbar)</translation>
    </message>
    <message>
        <source>Type RSS item title here…</source>
        <translation>Titel des RSS-Beitrags hier eingeben…</translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation>Formatierung</translation>
    </message>
    <message>
        <source>Type description of RSS item here…</source>
        <translation>Beschreibung des RSS-Beitrags hier eingeben…</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Link:</translation>
    </message>
    <message>
        <source>&lt;Enter link to article here...&gt;</source>
        <translation>&lt;Link zum Artikel hier eingeben...&gt;</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Strong emphasis</source>
        <translation>Starke Betonung</translation>
    </message>
    <message>
        <source>Emphasis</source>
        <translation>Betonung</translation>
    </message>
    <message>
        <source>Strikethrough text</source>
        <translation>Durchgestrichener Text</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Absatz</translation>
    </message>
    <message>
        <source>Header 1</source>
        <translation>Überschrift 1</translation>
    </message>
    <message>
        <source>Header 2</source>
        <translation>Überschrift 2</translation>
    </message>
    <message>
        <source>Header 3</source>
        <translation>Überschrift 3</translation>
    </message>
    <message>
        <source>Header 4</source>
        <translation>Überschrift 4</translation>
    </message>
    <message>
        <source>Block of plain text, &lt;pre&gt;</source>
        <translation>Block aus reinem Text, &lt;pre&gt;</translation>
    </message>
    <message>
        <source>Insert or edit hyperlink</source>
        <translation>Hyperlink einfügen oder bearbeiten</translation>
    </message>
    <message>
        <source>Insert or change properties image</source>
        <translation>Bild einfügen oder seine Eigenschaften ändern</translation>
    </message>
    <message>
        <source>List item, unordered list</source>
        <translation>Listeneintrag, ungeordnete Liste</translation>
    </message>
    <message>
        <source>List item, ordered list</source>
        <translation>Listeneintrag, nummerierte Liste</translation>
    </message>
    <message>
        <source>Decrease level of list item or un-quote</source>
        <translation>Listenebene verringern oder Zitat aufheben</translation>
    </message>
    <message>
        <source>Increase level of list item or quote</source>
        <translation>Listenebene erhöhen oder zitieren</translation>
    </message>
    <message>
        <source>Show/hide rulers</source>
        <translation>Lineale ein-/ausblenden</translation>
    </message>
    <message>
        <source>Cannot init HTML face</source>
        <translation>Die HTML-Oberfläche kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>Remove Spans and Styles</source>
        <translation>SPANs und Stile entfernen</translation>
    </message>
    <message>
        <source>Remove Non-Breaking Spaces</source>
        <translation>Geschützte Leerzeichen entfernen</translation>
    </message>
    <message>
        <source>Current Object Tag: %1</source>
        <translation>Tag des aktuellen Objekts: %1</translation>
    </message>
    <message>
        <source>Insert Hyperlink</source>
        <translation>Hyperlink einfügen</translation>
    </message>
    <message>
        <source>Insert Image</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Post title</source>
        <translation>Beitragstitel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Links of other posts</source>
        <translation>Links anderer Beiträge</translation>
    </message>
    <message>
        <source>Authors of other posts</source>
        <translation>Autoren anderer Beiträge</translation>
    </message>
</context>
<context>
    <name>CRemoteFolder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The server&apos;s host key is not known: %1.</source>
        <translation>Der Host-Schlüssel des Servers ist unbekannt: %1.</translation>
    </message>
    <message>
        <source>Refused: the server&apos;s host key has changed (now %1). Someone may be listening in, or the server was set up anew.</source>
        <translation>Abgelehnt: Der Host-Schlüssel des Servers hat sich geändert (jetzt %1). Jemand hört vielleicht mit, oder der Server wurde neu eingerichtet.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>The server did not let the uploaded file take the old one&apos;s place.</source>
        <translation>Der Server ließ die hochgeladene Datei nicht an die Stelle der alten treten.</translation>
    </message>
</context>
<context>
    <name>CRssFeed</name>
    <message>
        <source>New Item</source>
        <translation>Neuer Beitrag</translation>
    </message>
    <message>
        <source>New Live Item</source>
        <translation>Neuer Live-Beitrag</translation>
    </message>
</context>
<context>
    <name>CS3Folder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>The storage does not know the access key ID %1: check it.</source>
        <translation>Der Speicher kennt die Zugriffsschlüssel-ID %1 nicht: bitte prüfen.</translation>
    </message>
    <message>
        <source>The secret access key does not belong to the access key ID %1: check the secret.</source>
        <translation>Der geheime Zugriffsschlüssel gehört nicht zur Zugriffsschlüssel-ID %1: den geheimen Schlüssel prüfen.</translation>
    </message>
    <message>
        <source>There is no bucket %1 at %2: check the bucket&apos;s name and the endpoint.</source>
        <translation>Unter %2 gibt es keinen Bucket %1: Namen des Buckets und Endpunkt prüfen.</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is too far from the storage&apos;s: set the clock right, for instance with automatic date and time.</source>
        <translation>Die Uhr dieses Computers weicht zu weit von der des Speichers ab: die Uhr richtig stellen, etwa mit automatischem Datum und automatischer Uhrzeit.</translation>
    </message>
    <message>
        <source>The storage refused the region %1: check the bucket&apos;s region.</source>
        <translation>Der Speicher hat die Region %1 abgelehnt: die Region des Buckets prüfen.</translation>
    </message>
    <message>
        <source>The storage refused the key %1 access to bucket %2: check the key&apos;s permissions.</source>
        <translation>Der Speicher verweigert dem Schlüssel %1 den Zugriff auf den Bucket %2: die Berechtigungen des Schlüssels prüfen.</translation>
    </message>
    <message>
        <source>The storage refused the request: %1 (%2).</source>
        <translation>Der Speicher hat die Anfrage abgelehnt: %1 (%2).</translation>
    </message>
    <message>
        <source>The storage answered with error %1.</source>
        <translation>Der Speicher antwortete mit Fehler %1.</translation>
    </message>
</context>
<context>
    <name>CSecretStore</name>
    <message>
        <source>There is no keyring on this desktop: %1</source>
        <translation>Diese Arbeitsumgebung hat keinen Schlüsselbund: %1</translation>
    </message>
    <message>
        <source>There is no keyring: the desktop&apos;s session bus is not running.</source>
        <translation>Kein Schlüsselbund: Der Sitzungsbus der Arbeitsumgebung läuft nicht.</translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>Welcome To Tidrel</source>
        <translation>Willkommen bei Tidrel</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Create new feed</source>
        <translation>Neuen Feed anlegen</translation>
    </message>
    <message>
        <source>Open a feed…</source>
        <translation>Feed öffnen…</translation>
    </message>
    <message>
        <source>Recent Feeds</source>
        <translation>Zuletzt benutzte Feeds</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Tidrel user guide</source>
        <translation>Tidrel-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>WWW</source>
        <translation>WWW</translation>
    </message>
    <message>
        <source>RSS 2.0 at the RSS Advisory Board</source>
        <translation>RSS 2.0 beim RSS Advisory Board</translation>
    </message>
    <message>
        <source>W3C Feed Validation Service</source>
        <translation>W3C-Dienst zur Feed-Prüfung</translation>
    </message>
    <message>
        <source>Qt WebEngine, the HTML engine of Tidrel</source>
        <translation>Qt WebEngine, die HTML-Engine von Tidrel</translation>
    </message>
    <message>
        <source>Web links open in your web browser.</source>
        <translation>Weblinks öffnen sich in Ihrem Webbrowser.</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new feed</source>
        <translation>Einen neuen Feed anlegen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open an existing feed</source>
        <translation>Einen vorhandenen Feed öffnen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close the active feed</source>
        <translation>Den aktiven Feed schließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Save the active feed</source>
        <translation>Den aktiven Feed speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Save the active feed with a new name</source>
        <translation>Den aktiven Feed unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>P&amp;ublish</source>
        <translation>&amp;Veröffentlichen</translation>
    </message>
    <message>
        <source>Upload the saved feed to its server or folder</source>
        <translation>Den gespeicherten Feed auf seinen Server oder in seinen Ordner hochladen</translation>
    </message>
    <message>
        <source>Publish Se&amp;ttings…</source>
        <translation>Veröffentlichungs&amp;einstellungen…</translation>
    </message>
    <message>
        <source>Choose where the feed is published and how to sign in</source>
        <translation>Festlegen, wo der Feed veröffentlicht wird und wie die Anmeldung erfolgt</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Print the current post as the editor shows it</source>
        <translation>Den aktuellen Beitrag so drucken, wie der Editor ihn zeigt</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Show the printout of the current post</source>
        <translation>Den Ausdruck des aktuellen Beitrags zeigen</translation>
    </message>
    <message>
        <source>P&amp;rint Setup…</source>
        <translation>Drucker&amp;einrichtung…</translation>
    </message>
    <message>
        <source>Change the paper, orientation and margins of printouts</source>
        <translation>Papier, Ausrichtung und Ränder der Ausdrucke ändern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save feeds</source>
        <translation>Das Programm beenden; fragt, ob Feeds gespeichert werden sollen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Die letzte Aktion rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Make the last undone change again</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Die Auswahl kopieren und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Inhalt der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Select the entire description</source>
        <translation>Die gesamte Beschreibung auswählen</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>Make the selected text bold</source>
        <translation>Den ausgewählten Text fett setzen</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>Make the selected text italic</source>
        <translation>Den ausgewählten Text kursiv setzen</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Underline the selected text</source>
        <translation>Den ausgewählten Text unterstreichen</translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>Strike through the selected text</source>
        <translation>Den ausgewählten Text durchstreichen</translation>
    </message>
    <message>
        <source>UL &amp;List</source>
        <translation>UL-&amp;Liste</translation>
    </message>
    <message>
        <source>Make the paragraph an item of a bulleted list</source>
        <translation>Den Absatz zu einem Eintrag einer Aufzählung machen</translation>
    </message>
    <message>
        <source>&amp;Remove SPAN and styles</source>
        <translation>SPAN und Stile &amp;entfernen</translation>
    </message>
    <message>
        <source>Remove the span tags and inline styles of the description</source>
        <translation>Die span-Tags und Inline-Stile der Beschreibung entfernen</translation>
    </message>
    <message>
        <source>R&amp;emove &amp;&amp;nbsp;</source>
        <translation>&amp;&amp;nbsp; e&amp;ntfernen</translation>
    </message>
    <message>
        <source>Turn the non-breaking spaces of the description into plain spaces</source>
        <translation>Die geschützten Leerzeichen der Beschreibung in normale Leerzeichen umwandeln</translation>
    </message>
    <message>
        <source>Insert &amp;Test</source>
        <translation>&amp;Test einfügen</translation>
    </message>
    <message>
        <source>Show the tag of the element at the caret</source>
        <translation>Das Tag des Elements an der Einfügemarke zeigen</translation>
    </message>
    <message>
        <source>&amp;Hyperlink…</source>
        <translation>&amp;Hyperlink…</translation>
    </message>
    <message>
        <source>Insert a hyperlink on the selection, or change the one at the caret</source>
        <translation>Einen Hyperlink auf die Auswahl setzen oder den an der Einfügemarke ändern</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Bild</translation>
    </message>
    <message>
        <source>Insert an image, or change the one at the caret</source>
        <translation>Ein Bild einfügen oder das an der Einfügemarke ändern</translation>
    </message>
    <message>
        <source>&amp;Add Post…</source>
        <translation>Beitrag &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>Add new post</source>
        <translation>Neuen Beitrag hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;name Post…</source>
        <translation>Beitrag &amp;umbenennen…</translation>
    </message>
    <message>
        <source>Rename selected post</source>
        <translation>Den ausgewählten Beitrag umbenennen</translation>
    </message>
    <message>
        <source>&amp;Duplicate Post</source>
        <translation>Beitrag &amp;duplizieren</translation>
    </message>
    <message>
        <source>Duplicate selected post</source>
        <translation>Den ausgewählten Beitrag duplizieren</translation>
    </message>
    <message>
        <source>Duplicate + Dele&amp;te</source>
        <translation>Duplizieren + &amp;löschen</translation>
    </message>
    <message>
        <source>Duplicate selected post + delete origin</source>
        <translation>Den ausgewählten Beitrag duplizieren und das Original löschen</translation>
    </message>
    <message>
        <source>&amp;Set Date to Now</source>
        <translation>Datum auf &amp;jetzt setzen</translation>
    </message>
    <message>
        <source>Date the selected post with the present time</source>
        <translation>Den ausgewählten Beitrag mit der aktuellen Zeit datieren</translation>
    </message>
    <message>
        <source>De&amp;lete Post…</source>
        <translation>Beitrag l&amp;öschen…</translation>
    </message>
    <message>
        <source>Delete selected post</source>
        <translation>Den ausgewählten Beitrag löschen</translation>
    </message>
    <message>
        <source>Sort By &amp;Position</source>
        <translation>Nach &amp;Position sortieren</translation>
    </message>
    <message>
        <source>Sort the posts by their position in the feed</source>
        <translation>Die Beiträge nach ihrer Position im Feed sortieren</translation>
    </message>
    <message>
        <source>Sort By T&amp;itle</source>
        <translation>Nach T&amp;itel sortieren</translation>
    </message>
    <message>
        <source>Sort the posts by title</source>
        <translation>Die Beiträge nach Titel sortieren</translation>
    </message>
    <message>
        <source>Sort By Date Cr&amp;eated</source>
        <translation>Nach &amp;Erstelldatum sortieren</translation>
    </message>
    <message>
        <source>Sort the posts by date created, newest first</source>
        <translation>Die Beiträge nach Erstelldatum sortieren, neueste zuerst</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Go back to the post shown before</source>
        <translation>Zum zuvor gezeigten Beitrag zurückgehen</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>Go forward to the post shown before going back</source>
        <translation>Zum Beitrag vor dem Zurückgehen vorwärtsgehen</translation>
    </message>
    <message>
        <source>&amp;Reload…</source>
        <translation>&amp;Neu laden…</translation>
    </message>
    <message>
        <source>Reload the current feed from disk</source>
        <translation>Den aktuellen Feed neu von der Festplatte laden</translation>
    </message>
    <message>
        <source>&amp;Copy Title</source>
        <translation>Titel &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy the title of the selected post to the Clipboard</source>
        <translation>Den Titel des ausgewählten Beitrags in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Filterin&amp;g</source>
        <translation>&amp;Filtern</translation>
    </message>
    <message>
        <source>Filter posts by title</source>
        <translation>Beiträge nach Titel filtern</translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation>Filtern</translation>
    </message>
    <message>
        <source>Feed &amp;Properties…</source>
        <translation>Feed-&amp;Eigenschaften…</translation>
    </message>
    <message>
        <source>Edit the channel of the feed: title, description, image, podcast tags and the other elements</source>
        <translation>Den Kanal des Feeds bearbeiten: Titel, Beschreibung, Bild, Podcast-Tags und die übrigen Elemente</translation>
    </message>
    <message>
        <source>&amp;Copy RSS Feed</source>
        <translation>RSS-Feed &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy entire RSS feed code in clipboard</source>
        <translation>Den gesamten Code des RSS-Feeds in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;W3C RSS Validator…</source>
        <translation>&amp;W3C-RSS-Validator…</translation>
    </message>
    <message>
        <source>Open the W3C feed validation service to check a pasted feed</source>
        <translation>Den W3C-Dienst zur Feed-Prüfung öffnen, um einen eingefügten Feed zu prüfen</translation>
    </message>
    <message>
        <source>Open &amp;Backup Folder</source>
        <translation>&amp;Sicherungsordner öffnen</translation>
    </message>
    <message>
        <source>Open backup folder for RSS-feeds</source>
        <translation>Den Sicherungsordner der RSS-Feeds öffnen</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>Choose whether edited posts get a footer, and its text</source>
        <translation>Festlegen, ob bearbeitete Beiträge eine Fußzeile bekommen, und ihren Text</translation>
    </message>
    <message>
        <source>&amp;Check Feed</source>
        <translation>Feed &amp;prüfen</translation>
    </message>
    <message>
        <source>Check the feed for problems and list them in the Problems pane</source>
        <translation>Den Feed auf Probleme prüfen und sie im Bereich „Probleme“ auflisten</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Die Werkzeugleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>RSS P&amp;osts</source>
        <translation>RSS-&amp;Beiträge</translation>
    </message>
    <message>
        <source>Show or hide the RSS posts bar</source>
        <translation>Die Leiste der RSS-Beiträge ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle Posts Bar</source>
        <translation>Beitragsleiste umschalten</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Show or hide the HTML-code preview</source>
        <translation>Die Vorschau des HTML-Codes ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle Items Bar</source>
        <translation>Vorschauleiste umschalten</translation>
    </message>
    <message>
        <source>Post &amp;Details</source>
        <translation>Beitrags&amp;details</translation>
    </message>
    <message>
        <source>Show or hide the pane with the date, guid, categories, enclosures and podcast tags of the post</source>
        <translation>Den Bereich mit Datum, GUID, Kategorien, Anhängen und Podcast-Tags des Beitrags ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Undo &amp;History</source>
        <translation>Änderungs&amp;verlauf</translation>
    </message>
    <message>
        <source>Show or hide the list of changes to the active feed</source>
        <translation>Die Liste der Änderungen am aktiven Feed ein- oder ausblenden</translation>
    </message>
    <message>
        <source>P&amp;roblems</source>
        <translation>P&amp;robleme</translation>
    </message>
    <message>
        <source>Show or hide the list of the problems the last check found</source>
        <translation>Die Liste der Probleme aus der letzten Prüfung ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>Arrange the feed windows so they overlap</source>
        <translation>Die Feed-Fenster überlappend anordnen</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>Arrange the feed windows side by side</source>
        <translation>Die Feed-Fenster nebeneinander anordnen</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>N&amp;ächstes</translation>
    </message>
    <message>
        <source>Activate the next feed window</source>
        <translation>Das nächste Feed-Fenster aktivieren</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Vorheriges</translation>
    </message>
    <message>
        <source>Activate the previous feed window</source>
        <translation>Das vorherige Feed-Fenster aktivieren</translation>
    </message>
    <message>
        <source>Tidrel &amp;Help</source>
        <translation>Tidrel-&amp;Hilfe</translation>
    </message>
    <message>
        <source>Show the user guide of Tidrel</source>
        <translation>Das Benutzerhandbuch von Tidrel zeigen</translation>
    </message>
    <message>
        <source>About Qt &amp;WebEngine</source>
        <translation>Über Qt &amp;WebEngine</translation>
    </message>
    <message>
        <source>Open the home page of Qt WebEngine, the HTML engine of Tidrel, in the web browser</source>
        <translation>Die Startseite von Qt WebEngine, der HTML-Engine von Tidrel, im Webbrowser öffnen</translation>
    </message>
    <message>
        <source>&amp;About Tidrel…</source>
        <translation>Ü&amp;ber Tidrel…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>New &amp;Episode from Audio…</source>
        <translation>Neue &amp;Episode aus Audio…</translation>
    </message>
    <message>
        <source>Add a podcast episode for each audio file chosen, from its tags</source>
        <translation>Für jede gewählte Audiodatei eine Podcast-Episode aus ihren Tags hinzufügen</translation>
    </message>
    <message>
        <source>New Li&amp;ve Item</source>
        <translation>Neuer Live-&amp;Beitrag</translation>
    </message>
    <message>
        <source>Add a live stream, pending, at the top of the posts</source>
        <translation>Einen geplanten Livestream (pending) oben in die Beiträge einfügen</translation>
    </message>
    <message>
        <source>Open &amp;Location…</source>
        <translation>&amp;Adresse öffnen…</translation>
    </message>
    <message>
        <source>Open a feed from its web address, to edit and keep a copy of</source>
        <translation>Einen Feed über seine Webadresse öffnen, um ihn zu bearbeiten und eine Kopie zu behalten</translation>
    </message>
    <message>
        <source>&amp;Move Feed…</source>
        <translation>Feed &amp;umziehen…</translation>
    </message>
    <message>
        <source>Give the feed a new address and tell subscribers&apos; apps to follow it there</source>
        <translation>Dem Feed eine neue Adresse geben und den Apps der Abonnenten sagen, dass sie ihm dorthin folgen sollen</translation>
    </message>
</context>
<context>
    <name>CreateFeedPage</name>
    <message>
        <source>Create RSS Feed</source>
        <translation>RSS-Feed anlegen</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Type category of feed here</source>
        <translation>Kategorie des Feeds hier eingeben</translation>
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
        <source>The feed&apos;s name (required)</source>
        <translation>Der Name des Feeds (Pflicht)</translation>
    </message>
    <message>
        <source>Web site:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>https://… of the site the feed is for (required)</source>
        <translation>https://… der Website des Feeds (Pflicht)</translation>
    </message>
    <message>
        <source>Feed address:</source>
        <translation>Feed-Adresse:</translation>
    </message>
    <message>
        <source>https://… the feed file is published at</source>
        <translation>https://…, unter der die Feed-Datei veröffentlicht wird</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>What the feed is about (required)</source>
        <translation>Worum es im Feed geht (Pflicht)</translation>
    </message>
    <message>
        <source>RSS requires a title, a web site and a description. The feed address, where readers find the feed when it moves, may wait until you know it. Empty fields are left out of the file.</source>
        <translation>RSS verlangt einen Titel, eine Website und eine Beschreibung. Die Feed-Adresse, unter der Feed-Reader den Feed nach einem Umzug finden, kann warten, bis Sie sie kennen. Leere Felder werden nicht in die Datei geschrieben.</translation>
    </message>
</context>
<context>
    <name>FeedFileKind</name>
    <message>
        <source>This is %1; Tidrel edits RSS 2.0 feeds.</source>
        <translation>Das ist %1; Tidrel bearbeitet RSS-2.0-Feeds.</translation>
    </message>
    <message>
        <source>an HTML page</source>
        <translation>eine HTML-Seite</translation>
    </message>
    <message>
        <source>an Atom feed</source>
        <translation>ein Atom-Feed</translation>
    </message>
    <message>
        <source>an RSS 1.0 feed</source>
        <translation>ein RSS-1.0-Feed</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>ein PNG-Bild</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>ein GIF-Bild</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>ein JPEG-Bild</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>ein PDF-Dokument</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>ein ZIP-Archiv</translation>
    </message>
    <message>
        <source>a gzip archive</source>
        <translation>ein gzip-Archiv</translation>
    </message>
    <message>
        <source>This is %1, not a text file; Tidrel edits RSS 2.0 feeds.</source>
        <translation>Das ist %1, keine Textdatei; Tidrel bearbeitet RSS-2.0-Feeds.</translation>
    </message>
    <message>
        <source>This is not a text file; Tidrel edits RSS 2.0 feeds.</source>
        <translation>Das ist keine Textdatei; Tidrel bearbeitet RSS-2.0-Feeds.</translation>
    </message>
    <message>
        <source>This is not an RSS feed: its root element is &lt;%1&gt;, where an RSS 2.0 feed has &lt;rss&gt;. Tidrel edits RSS 2.0 feeds.</source>
        <translation>Das ist kein RSS-Feed: Sein Wurzelelement ist &lt;%1&gt;, wo ein RSS-2.0-Feed &lt;rss&gt; hat. Tidrel bearbeitet RSS-2.0-Feeds.</translation>
    </message>
</context>
<context>
    <name>FeedParser</name>
    <message>
        <source>(line %1, column %2)</source>
        <translation>(Zeile %1, Spalte %2)</translation>
    </message>
    <message>
        <source>The file defines the entity &amp;%1; in its DOCTYPE. Tidrel reads only the five predefined entities and character references, so that a save writes back what it read and never fetches an external entity</source>
        <translation>Die Datei definiert die Entität &amp;%1; in ihrem DOCTYPE. Tidrel liest nur die fünf vordefinierten Entitäten und Zeichenreferenzen, damit ein Speichern zurückschreibt, was es gelesen hat, und nie eine externe Entität abruft</translation>
    </message>
    <message>
        <source>The file uses the entity &amp;%1;, which it does not define</source>
        <translation>Die Datei verwendet die Entität &amp;%1;, die sie nicht definiert</translation>
    </message>
    <message>
        <source>The file&apos;s encoding &quot;%1&quot; is not one Tidrel can read %2.</source>
        <translation>Die Kodierung „%1“ der Datei kann Tidrel nicht lesen %2.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML, or uses a four-byte GB18030 character, which Tidrel cannot edit in place %1.</source>
        <translation>Die Datei ist kein wohlgeformtes XML oder verwendet ein GB18030-Zeichen aus vier Bytes, das Tidrel nicht an Ort und Stelle bearbeiten kann %1.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML: %1 %2.</source>
        <translation>Die Datei ist kein wohlgeformtes XML: %1 %2.</translation>
    </message>
</context>
<context>
    <name>FeedReader</name>
    <message>
        <source>This is a folder, not a feed file.</source>
        <translation>Das ist ein Ordner, keine Feed-Datei.</translation>
    </message>
    <message>
        <source>Cannot open the file: %1</source>
        <translation>Die Datei kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Cannot read the file: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The file is too large to edit (2 GiB or more).</source>
        <translation>Die Datei ist zu groß zum Bearbeiten (2 GiB oder mehr).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>This is a device or a pipe, not a feed file.</source>
        <translation>Das ist ein Gerät oder eine Pipe, keine Feed-Datei.</translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation>Die Datei hat sich beim Lesen geändert.</translation>
    </message>
</context>
<context>
    <name>FeedWriter</name>
    <message>
        <source>Cannot write the file: %1</source>
        <translation>Die Datei kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>PostFooter</name>
    <message>
        <source>This post created by Tidrel v%1…</source>
        <translation>Dieser Beitrag wurde mit Tidrel v%1 erstellt…</translation>
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
        <translation>Die Klammern des Datums passen nicht zusammen.</translation>
    </message>
    <message>
        <source>The date holds a comment in parentheses, which many readers cannot read.</source>
        <translation>Das Datum enthält einen Kommentar in Klammern, den viele Feed-Reader nicht lesen können.</translation>
    </message>
    <message>
        <source>Not a date in the form %1.</source>
        <translation>Kein Datum in der Form %1.</translation>
    </message>
    <message>
        <source>The date has missing or extra spaces; write one space between its parts.</source>
        <translation>Dem Datum fehlen Leerzeichen oder es hat zu viele; zwischen seine Teile gehört je ein Leerzeichen.</translation>
    </message>
    <message>
        <source>Write &quot;%1&quot; as &quot;%2&quot;.</source>
        <translation>„%1“ als „%2“ schreiben.</translation>
    </message>
    <message>
        <source>A comma must follow the day name (&quot;%1,&quot;).</source>
        <translation>Auf den Tagesnamen muss ein Komma folgen („%1,“).</translation>
    </message>
    <message>
        <source>The year has %1 digits; write all four.</source>
        <translation>Die Jahreszahl hat %1 Ziffern; alle vier schreiben.</translation>
    </message>
    <message>
        <source>Write the hour with two digits.</source>
        <translation>Die Stunde zweistellig schreiben.</translation>
    </message>
    <message>
        <source>The date has no time zone; end it with GMT or an offset such as +0000.</source>
        <translation>Das Datum hat keine Zeitzone; mit GMT oder einem Versatz wie +0000 abschließen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time zone; use GMT or an offset such as +0000.</source>
        <translation>„%1“ ist keine Zeitzone; GMT oder einen Versatz wie +0000 verwenden.</translation>
    </message>
    <message>
        <source>The zone &quot;%1&quot; is a military letter that readers take differently; use GMT or an offset such as +0000.</source>
        <translation>Die Zone „%1“ ist ein militärischer Buchstabe, den Feed-Reader unterschiedlich deuten; GMT oder einen Versatz wie +0000 verwenden.</translation>
    </message>
    <message>
        <source>The zone offset %1 has more than 59 minutes.</source>
        <translation>Der Zonenversatz %1 hat mehr als 59 Minuten.</translation>
    </message>
    <message>
        <source>The zone offset %1%2 is not one any place uses.</source>
        <translation>Den Zonenversatz %1%2 verwendet kein Ort.</translation>
    </message>
    <message>
        <source>There is no day %1 in %2 %3.</source>
        <translation>Einen Tag %1 gibt es im %2 %3 nicht.</translation>
    </message>
    <message>
        <source>The time of day is out of range.</source>
        <translation>Die Uhrzeit liegt außerhalb des gültigen Bereichs.</translation>
    </message>
    <message>
        <source>%1 %2 %3 is a %4, not a %5.</source>
        <translation>Der %1. %2 %3 ist ein %4, kein %5.</translation>
    </message>
</context>
<context>
    <name>TitleFetchSteps</name>
    <message>
        <source>The network library could not start.</source>
        <translation>Die Netzwerkbibliothek konnte nicht starten.</translation>
    </message>
    <message>
        <source>The address is not valid.</source>
        <translation>Die Adresse ist ungültig.</translation>
    </message>
    <message>
        <source>No temporary file could be made for the page.</source>
        <translation>Für die Seite konnte keine temporäre Datei angelegt werden.</translation>
    </message>
    <message>
        <source>The page could not be saved: %1</source>
        <translation>Die Seite konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>ValueCheck</name>
    <message>
        <source>The date is in the future.</source>
        <translation>Das Datum liegt in der Zukunft.</translation>
    </message>
    <message>
        <source>The date is before 1990, older than any feed.</source>
        <translation>Das Datum liegt vor 1990, ist älter als jeder Feed.</translation>
    </message>
    <message>
        <source>Add the person&apos;s name after the address: &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>Den Namen der Person nach der Adresse anfügen: „jo@example.org (Jo Smith)“.</translation>
    </message>
    <message>
        <source>RSS writes an e-mail address as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>RSS schreibt eine E-Mail-Adresse als „jo@example.org (Jo Smith)“.</translation>
    </message>
    <message>
        <source>Not an e-mail address; write one as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>Keine E-Mail-Adresse; eine schreibt man als „jo@example.org (Jo Smith)“.</translation>
    </message>
    <message>
        <source>Few readers can follow an address that starts &quot;%1&quot;; use http: or https:.</source>
        <translation>Wenige Feed-Reader können einer Adresse folgen, die mit „%1“ beginnt; http: oder https: verwenden.</translation>
    </message>
    <message>
        <source>The address holds a space; write a space in an address as %20.</source>
        <translation>Die Adresse enthält ein Leerzeichen; ein Leerzeichen schreibt man in einer Adresse als %20.</translation>
    </message>
    <message>
        <source>Not a full address; write it with its scheme and host, as &quot;https://example.org/page&quot;.</source>
        <translation>Keine vollständige Adresse; mit Schema und Host schreiben, etwa „https://example.org/page“.</translation>
    </message>
    <message>
        <source>Write a whole number of %1 or more.</source>
        <translation>Eine ganze Zahl ab %1 eingeben.</translation>
    </message>
    <message>
        <source>Write a whole number from %1 to %2.</source>
        <translation>Eine ganze Zahl von %1 bis %2 eingeben.</translation>
    </message>
    <message>
        <source>Not a media type; write one such as &quot;audio/mpeg&quot; or &quot;video/mp4&quot;.</source>
        <translation>Kein Medientyp; einen wie „audio/mpeg“ oder „video/mp4“ eingeben.</translation>
    </message>
    <message>
        <source>The language is empty; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>Die Sprache ist leer; einen Sprachcode wie „en“ oder „en-us“ eingeben.</translation>
    </message>
    <message>
        <source>Not a language code; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>Kein Sprachcode; einen Sprachcode wie „en“ oder „en-us“ eingeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a known language; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>„%1“ ist keine bekannte Sprache; einen Sprachcode wie „en“ oder „en-us“ eingeben.</translation>
    </message>
</context>
</TS>
