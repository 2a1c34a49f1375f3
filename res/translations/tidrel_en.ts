<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About Tidrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tidrel developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tidrel version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAudioEpisodes</name>
    <message>
        <source>%1 is outside the media folder %2: its address names the file alone, and publishing does not upload it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cover of %1 could not be saved as %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cover of %1, saved as %2, is %3 x %4 pixels%5; Apple Podcasts takes square RGB artwork from 1400 x 1400 to 3000 x 3000, so the episode shows the show&apos;s artwork.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and not in RGB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAudioTags</name>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not an audio file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It cannot be read as audio.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBarCaption</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the pane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBarPostDetails</name>
    <message>
        <source>Not a play time like 1:02:03, 62:03 or 3723</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;GUID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GUID is a &amp;permalink:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source &amp;URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enclosures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose &amp;File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the length and type (and a podcast&apos;s duration) from a media file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill from U&amp;RL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask the server for the length and type of the file at the URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Domain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other elements (kept as they are)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podcast episode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;uration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Episode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seaso&amp;n:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Episode &amp;type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xplicit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Image:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Block:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index season:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index season name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index episode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index episode display:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License and chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the Media File of the Enclosure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the enclosure&apos;s URL first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finding the length and type of %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Chapters…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBarPreview</name>
    <message>
        <source>HTML code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The description of the post as HTML code; edits here change the post</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBarProblems</name>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (line %2) [%3]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The problems the last check found; Enter shows where one is</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBarRssItems</name>
    <message>
        <source>Feed Properties…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the feed&apos;s title, description, image and the other channel elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSS Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> [%1 of %2]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The posts of the feed; the selected one is shown in the editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter posts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists only the posts whose title holds this text; Escape empties the box, then closes it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CChaptersDlg</name>
    <message>
        <source>The post&apos;s chapters are at %1, on the web. Save writes them to the file above: upload it there, or set a media base address in the publish settings to publish it with the feed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The post&apos;s chapters are at %1, on the web. Save writes them to the file above, and the post&apos;s chapters address becomes the one it is published at.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start times in seconds (94, 94.5) or as m:ss and h:mm:ss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be edited here, and is left as it is.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new chapters file: Save writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a time like 94, 1:34 or 1:01:34</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start of chapter %1 is not a time like 94, 1:34 or 1:01:34.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the file to save the chapters to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the Chapters As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapters (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes to the chapters?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The post does not name this file yet: a listener&apos;s app needs its web address. Set a media base address in the publish settings to publish the file with the feed, and save again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The post does not name this file: publishing uploads the media folder, %1, and the file is outside it. Save it there to publish it with the feed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists, and its chapters are not the ones shown here. Replace it with these chapters?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: %1 is left as it is. Open it to edit its chapters, or name another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a Chapters File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CChildFrame</name>
    <message>
        <source>%1, %2, %3</source>
        <comment>errors, warnings, notes</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s)</source>
        <translation>
            <numerusform>%n note</numerusform>
            <numerusform>%n notes</numerusform>
        </translation>
    </message>
    <message>
        <source>RSS Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Tidrel, an editor of RSS 2.0 feed files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check each feed file without opening a window; print one problem a line as FILE:LINE:COLUMN: error|warning|info: message [rule-id]. Exit status 0 when there are no errors, 1 when there are, 2 when a file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed files to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --check: apply the podcast directories&apos; rules too, whether or not the feed declares the iTunes or podcast namespace: every podcast namespace tag&apos;s place, attributes and values, Apple Podcasts&apos; requirements (artwork, language, category, explicit, episode enclosures) and the Podcast Standards Project&apos;s PSP-1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 --check [--podcast] FEED...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish the feed file without opening a window, with the checks and in the order of the Publish command: the feed check first, then the media files under the media address of the feed&apos;s publish settings, the feed last. Progress goes to standard error. Exit status 0 when everything was sent, 1 when the server refused or the feed has errors, 2 for wrong arguments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --publish: where to. file:///path/, sftp://USER@HOST[:PORT]/path/, ftp://, ftps://, dav://USER@HOST[:PORT]/path/ (WebDAV; davs:// over HTTPS) or s3://ACCESS_KEY_ID@HOST[:PORT]/BUCKET/PREFIX/?region=REGION (path-style; &amp;scheme=http for a server without TLS). The password or secret key comes from the environment variable TIDREL_PUBLISH_SECRET when set, else from the keyring.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TARGET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 --publish FEED --to TARGET</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCurlEasy</name>
    <message>
        <source>The server did not answer in time (%1 s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many redirects (more than %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server answered with error %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s name is not known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address&apos;s protocol is not supported here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the login: check the user name and the password or key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused access to the folder or file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the upload.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection broke off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server does not offer TLS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The secure connection (TLS) could not be set up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDavFolder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the user name or the password: check both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server does not let this user write %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server does not take files at %1: is WebDAV turned on there?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server has no room left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server answered with error %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDesktopServices</name>
    <message>
        <source>RSS feeds (*.xml *.rss)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 is not among the known hosts of this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its key&apos;s fingerprint is
%1

Trust it only when it is the fingerprint your server&apos;s administrator gave you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trust and &amp;Remember</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trust &amp;Once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio files (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Episode from Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Web address of the feed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDiskChangeBar</name>
    <message>
        <source>&amp;Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the file again; the changes made here are lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the feed as it is here; the next save asks before it overwrites the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed on disk. Reload it to drop the changes made here, or keep them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed on disk and cannot be read: %2 The feed here stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file on disk holds what a save would write.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--- %1 on disk
+++ %1 as a save would write it
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differences — %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDocManager</name>
    <message>
        <source>Cannot create a new feed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1.

%2

The feed keeps its changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1.

The download could not be written to a temporary file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file changed on disk since it was opened. Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CElementForm</name>
    <message>
        <source>Only the address belongs here, without the name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an e-mail address like jo@example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not one of: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also holds values no box stands for: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept in the feed as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the date to the present time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CElementTable</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One element %1 a row; Add and Remove below change the rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a row: a new element %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the selected row: its element %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CEnclosureProbe</name>
    <message>
        <source>This is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network library could not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server did not tell the length.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFeedChecker</name>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cloud has no %1 attribute; it needs domain, port, path, registerProcedure and protocol.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The enclosure has no %1 attribute; it needs url, length and type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post %1 has the same guid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of Apple Podcasts&apos; categories.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a subcategory of &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the namespace&apos;s address; did you mean &quot;%2&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The description is %1 bytes long; Apple Podcasts takes at most 4000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The artwork file %1 cannot be read, so its size and colours are not checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The artwork is %1 x %2 pixels; Apple Podcasts takes square artwork from 1400 x 1400 to 3000 x 3000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The podcast namespace has no tag %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not belong in %2; it belongs in %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs the %2 attribute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value; it is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Podcast apps show %n character(s) of this at most; they may cut the rest.</source>
        <translation>
            <numerusform>Podcast apps show %n character of this at most; they may cut the rest.</numerusform>
            <numerusform>Podcast apps show %n characters of this at most; they may cut the rest.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not a whole number such as &quot;3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a number such as &quot;3&quot; or &quot;315.5&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a media type such as &quot;audio/mpeg&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an e-mail address such as &quot;jo@example.org&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Few podcast apps know &quot;%1&quot;; the usual values are %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel&apos;s description is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a percentage from 0 to 100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a place in geo notation such as &quot;geo:30.2672,97.7431&quot;, latitude from -90 to 90 and longitude from -180 to 180.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an OpenStreetMap object such as &quot;R113314&quot;: N, W or R, its number and an optional revision such as &quot;#2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a country code of ISO 3166-1, two letters such as &quot;US&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an aspect ratio such as &quot;16/9&quot; or &quot;1.9&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already a %1 with %2=&quot;%3&quot; here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The podcast namespace has no tag %1. Did you mean %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The namespace has retired %1; use %2 instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a %2 inside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The namespace recommends the %2 attribute on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds an element %2; write HTML inside it escaped (&amp;lt;b&amp;gt;) or in a CDATA section.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no attribute %2; attribute names are case-sensitive: did you mean %3?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSS gives %1 no attribute %2; readers ignore it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no element %2; element names are case-sensitive: did you mean %3?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFeedDownload</name>
    <message>
        <source>The download could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, too large for a feed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFeedPropertiesWnd</name>
    <message>
        <source>Not one of Apple&apos;s podcast categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not one of Apple&apos;s subcategories of “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Declares the iTunes and podcast namespaces and shows the podcast tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories and Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud and Text Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Link:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Public &amp;address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where readers subscribe (atom:link rel=&quot;self&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copyright:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Managing editor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Webmaster:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Publication date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last &amp;build date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Generator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;ocs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TT&amp;L (minutes):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rating:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Domain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud (notification of updates)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Domain:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ath:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Register procedure:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pro&amp;tocol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;escription:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip hours (GMT): readers do not fetch the feed in these hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip days: readers do not fetch the feed on these days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People and Places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Social</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Related Feeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show (iTunes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner &amp;e-mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Image:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xplicit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ype:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;feed URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Block:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Complete:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subcategory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iTunes categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podcast index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Locked:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock o&amp;wner:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;GUID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Medium:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses &amp;Podping:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elements of the channel that these pages do not edit. They stay in the file as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is not on this computer: no preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed Properties — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make from Feed &amp;Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed names no address of its own yet: fill in its Public address on the Channel page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The podcast&apos;s identity as PSP-1 makes it from %1; it never changes after.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFeedPublisher</name>
    <message>
        <source>%1 The published feed is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At %1: %2 The published feed is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed has no file yet: save it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Published %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> with %n media file(s)</source>
        <translation>
            <numerusform> with %n media file</numerusform>
            <numerusform> with %n media files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n already there)</source>
        <translation>
            <numerusform> (%n already there)</numerusform>
            <numerusform> (%n already there)</numerusform>
        </translation>
    </message>
    <message>
        <source>The destination must be an sftp://, ftp://, ftps://, dav://, davs://, s3:// or file:// address with a host and a path, such as sftp://example.org/var/www/feed.xml.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFeedPublishing</name>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The feed check found %n error(s) in %1:

%2

Publish anyway?</source>
        <translation>
            <numerusform>The feed check found an error in %1:

%2

Publish anyway?</numerusform>
            <numerusform>The feed check found %n errors in %1:

%2

Publish anyway?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Publish Anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring: %1

Tidrel remembers it until it ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not published: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFeedRules</name>
    <message>
        <source>The file is not well-formed XML; no reader can read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s bytes do not fit the encoding it declares.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file uses an entity XML does not define, such as &amp;nbsp;; write the character or a numeric reference.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file defines entities of its own, which many readers do not expand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds a control character that XML does not allow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s top element is not rss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rss element needs version=&quot;2.0&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed has no channel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This element may appear only once here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSS has no such element here; elements of other vocabularies need a namespace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The element&apos;s prefix is not declared with xmlns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An element without a namespace inside another vocabulary&apos;s element; readers cannot tell what it means.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This element holds other elements, not text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items should follow all of the channel&apos;s other elements.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel has no title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel has no link to its web site.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel has no description.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time to live must be a whole number of minutes above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel does not give its own address (atom:link rel=&quot;self&quot;), which readers use to follow a moved feed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a full address; write it with its scheme and host, as &quot;https://example.org/page&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Few readers can follow an address of this scheme; use http: or https:.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is plain text, but it holds HTML markup or an HTML entity that readers will show as written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a date in the form &quot;Wed, 02 Oct 2002 13:00:00 GMT&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date has a form that many readers get wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date is in the future or before 1990.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an e-mail address; write one as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSS writes an e-mail address as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the person&apos;s name after the address: &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image has no url.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image has no title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image has no link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image width must be a whole number from 1 to 144.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image height must be a whole number from 1 to 400.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image link differs from the channel&apos;s link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image title differs from the channel&apos;s title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel image should be a GIF, JPEG or PNG file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text input has no title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text input has no description.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text input has no name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text input has no link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text input&apos;s name must be a form field name: a letter, then letters, digits, &apos;-&apos;, &apos;_&apos;, &apos;:&apos; or &apos;.&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cloud needs all of domain, port, path, registerProcedure and protocol.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cloud port must be a whole number from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cloud protocol must be xml-rpc, soap or http-post.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipHours lists no hour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An hour must be a whole number from 0 to 23.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write midnight as 0, not 24.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This hour is already listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipHours lists more than 24 hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipDays lists no day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A day must be an English day name: Monday to Sunday.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This day is already listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipDays lists more than seven days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A post needs a title or a description.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The post has no guid, so readers may show it again as new after an edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The guid is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A guid that is a permalink must be a full URL; if it is not a link, add isPermaLink=&quot;false&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A permalink guid must be a web address (http or https); if it is not, add isPermaLink=&quot;false&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>isPermaLink must be exactly &quot;true&quot; or &quot;false&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another post of the feed has the same guid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A guid of a few digits is not unique beyond this feed; readers may confuse it with another feed&apos;s post.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An enclosure needs url, length and type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The enclosure length must be a whole number of bytes, 0 when unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The enclosure type must be a media type such as &quot;audio/mpeg&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The post has more than one enclosure; most readers take only the first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A source needs the url of the feed it comes from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the post a description before its content:encoded; some readers take only the description, or only the first of the two.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The description holds a script, which readers remove or refuse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The description holds a frame, which many readers remove.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The description holds an event attribute (on...), which readers remove.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A relative link in the description; readers do not know what it is relative to. Write the full address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>itunes:explicit must be &quot;true&quot; or &quot;false&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Podcasts now asks for &quot;true&quot; or &quot;false&quot; here, not yes, no or clean.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not one of Apple Podcasts&apos; categories.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a subcategory of this Apple Podcasts category.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The duration must be seconds, or minutes and seconds as mm:ss, or hh:mm:ss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The episode number must be a whole number above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The season number must be a whole number above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The episode type must be full, trailer or bonus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The show type must be episodic or serial.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>itunes:block and itunes:complete take &quot;Yes&quot;, or &quot;No&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>podcast:guid must be a UUID such as &quot;ead4c236-bf58-58c6-a2c6-a6b28d128cb6&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>podcast:locked must be &quot;yes&quot; or &quot;no&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podcast tags should link with https addresses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The namespace address is close to the podcast or iTunes namespace but not it; readers will not know the tags.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The podcast namespace has no such tag.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This podcast tag does not belong in this element.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The podcast tag lacks an attribute it requires.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The podcast tag lacks an element it requires inside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The podcast tag needs a value; it is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value is longer than podcast apps show; they may cut it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value is not one this podcast tag takes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Few podcast apps know this value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a podcast GUID, a UUID such as &quot;917393e3-1b1e-5cef-ace4-edaa54e1f810&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an ISO 8601 date and time such as &quot;2021-09-26T07:30:00-06:00&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a number of the form this podcast tag asks for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A time must be seconds, such as &quot;73&quot; or &quot;1234.5&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A podcast gives its own address (atom:link rel=&quot;self&quot;); PSP-1 requires it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The podcast has no artwork: podcast directories require an itunes:image with an href.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The podcast has no language; podcast directories require one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The podcast has no itunes:category; podcast directories require one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The podcast has no itunes:explicit; podcast directories require &quot;true&quot; or &quot;false&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Podcasts takes a show description of at most 4000 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The episode has no title; podcast directories require one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The episode has no enclosure, the media file podcast apps play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The episode has no guid; PSP-1 requires one so that apps do not download it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSP-1 recommends podcast:locked, which tells other platforms whether they may import the feed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSP-1 recommends podcast:guid, the podcast&apos;s identity that stays when its address moves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Podcasts takes artwork as a JPEG or PNG file (.jpg or .png).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Podcasts takes square artwork from 1400 x 1400 to 3000 x 3000 pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Podcasts takes artwork in the RGB colour space, not greyscale or CMYK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The artwork file cannot be read, so its size and colours are not checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed&apos;s own address (atom:link rel=&quot;self&quot;) is its web site&apos;s; it should be the address of the feed file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An attribute from another vocabulary on an element of RSS; readers ignore it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSS gives this element no such attribute; readers ignore it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address holds characters outside ASCII; write them percent-encoded, as %C3%A9, and a host in its &quot;xn--&quot; form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This plain text holds a &quot;&lt;&quot; that a reader showing it as HTML takes for the start of a tag, hiding what follows; write it as &amp;#x3C;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Few readers show a text input; most ignore it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of comments (slash:comments) must be a whole number, 0 or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The description holds a tag that readers remove as a risk (embed, object, meta, style and the like).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The podcast namespace recommends this attribute; apps use it to show the tag well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The podcast namespace has retired this tag in favour of another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Podcasts asks for &quot;true&quot; or &quot;false&quot; here, not yes, no or clean.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFetchTitleFromURL</name>
    <message>
        <source>The page has no title.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More tools</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHyperlinkDlg</name>
    <message>
        <source>Insert Hyperlink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking up the page&apos;s title…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No title: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CImageDlg</name>
    <message>
        <source>Insert Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the image&apos;s address here (required)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the text shown in its place here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width in pixels (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height in pixels (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text on left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text on right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See image sample here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.gif *.webp *.svg);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLiveItemFields</name>
    <message>
        <source>Live stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St&amp;atus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sta&amp;rt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the time zone, e.g. %1Z or %1+01:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a date and time like 2026-12-24T18:00:00+01:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLocalFolder</name>
    <message>
        <source>The disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLocationOpener</name>
    <message>
        <source>&quot;%1&quot; is not the web address of a feed. It starts with https:// or http://.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading %1…
%2 kB received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The owner of this podcast has locked it against moving to another host (podcast:locked is &quot;yes&quot;). Directories will not take it from a new address until the owner unlocks it.

You can still edit it and keep a copy.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLockKeyIndicators</name>
    <message>
        <source>Caps Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not known on this display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preferences could not be written to
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser could be started to show
%1

Open this address in a browser yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publishing sends the saved file. Save %1 and publish it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and &amp;Publish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Posts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fee&amp;d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;as opened or saved&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMoveFeedDialog</name>
    <message>
        <source>Move Feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not known: the feed names no address of its own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed will name its new address in its atom:link rel=&quot;self&quot; and, for a podcast, in itunes:new-feed-url; a podcast&apos;s podcast:guid stays, so directories know it is the same podcast.

Publish the moved feed to both hosts, then have the old host answer the old address with a permanent redirect (HTTP 301) to the new one. Keep the redirect and itunes:new-feed-url for at least four weeks, better for good: some apps look at a feed seldom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COtherElementsList</name>
    <message>
        <source>Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elements these fields do not edit; they are kept as they are</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPodcastFields</name>
    <message>
        <source>Not a role of the Podcast Taxonomy Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a group of the Podcast Taxonomy Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A recurrence rule names its frequency, like FREQ=WEEKLY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Persons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OSM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An SPDX identifier like cc-by-4.0, or the name of your own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value (payments while listening)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipients of the selected value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote start (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote feed GUID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote item GUID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time splits of the selected value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipients of the selected time split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Social interaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Root post URI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text records (txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat protocol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat space:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (podcast:image)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update frequency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In words, like Every other Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurrence rule:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule starts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher feed GUID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher feed URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher medium:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podroll (recommended podcasts)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trailers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blocked platforms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Platform (empty: all)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapters type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transcripts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soundbites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate enclosures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codecs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Integrity type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Integrity value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sources of the selected alternate enclosure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source URI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed GUID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item GUID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPodcastValues</name>
    <message>
        <source>Not a time in seconds like 73.0 or 1234.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a number like 3 or 315.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an ISO 8601 date like 2023-08-28T00:00:00.000Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a UUID like 917393e3-1b1e-5cef-ace4-edaa54e1f810</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a place like geo:30.2672,97.7431</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an OpenStreetMap object like R113314 or W43678282</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a percentage from 0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not one of: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a two-letter country code like US or DE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an aspect ratio like 16/9 or 1.9</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPostCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this post?

&quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard the changes to %1 and reload it from the disk?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard and Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot reload %1.

%2

The feed stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program could be started to show folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open directory %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Add %n Episode(s)</source>
        <translation>
            <numerusform>Add %n Episode</numerusform>
            <numerusform>Add %n Episodes</numerusform>
        </translation>
    </message>
    <message>
        <source>This feed&apos;s publish settings give no media address, so the episodes&apos; enclosures cannot get their web addresses.

Add them with addresses relative to the feed, to be completed later? To set the media address first, cancel and choose File &gt; Publish Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Anyway</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPostRowDelegate</name>
    <message>
        <source>Post title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter keeps the new title, Escape drops it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPostsListCtrl</name>
    <message>
        <source>No items</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPostsModel</name>
    <message>
        <source>Posts - Press Ctrl+F for filtering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stream starts %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live now, since %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stream ended, began %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stream (%1) at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live item, %1: %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unreadable date: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>&amp;Add a footer under the description of every post I edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The footer is added when a post&apos;s description is stored, unless the description ends with one already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footer &amp;text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post footer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPublishCommand</name>
    <message>
        <source>%1: file %2 of %3, %4% sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed check found errors in %1; nothing was sent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPublishProgress</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop publishing; the feed on the server stays as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publishing to %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 of %2, %3 of %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPublishSettingsDialog</name>
    <message>
        <source>&amp;Browse…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch plain FTP to &amp;TLS (STARTTLS) before logging in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;rowse…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish Settings — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSH agent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the feed&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upload to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U&amp;ser:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SFTP si&amp;gns in with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSH &amp;key file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Media address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media &amp;folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional. Enclosures whose address starts with the media address are uploaded beside the feed from the same place under the media folder, unless the server has them at the same size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the address the feed is uploaded to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address has no server name after %1://.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address needs a path after the server name, such as /feed.xml.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The media address must be a web address starting with http:// or https://.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key &amp;passphrase:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSH Key File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name the bucket in the path (path-style), not in the host name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let everyone read the uploaded files (public-read &amp;ACL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where subscribers read the feed: the address it was opened from or moved to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed&apos;s &amp;web address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S3 regi&amp;on:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address is the feed&apos;s on the server: sftp://, ftp://, ftps://, dav:// or davs:// for WebDAV over HTTP or HTTPS, s3://ENDPOINT/BUCKET/PREFIX/ for S3-compatible storage, or file:// for a folder on this computer. An address ending with / names a folder; the feed keeps its file name there. Media files go first and the feed last, so it never lists a file that is not there yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwords, passphrases and secret keys are kept in the desktop&apos;s keyring, never in a settings file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address must start with sftp://, ftp://, ftps://, dav://, davs://, s3:// or file://.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address needs the bucket after the server name, such as /bucket/feed.xml.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access key &amp;ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Secret access key:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRSSEditDoc</name>
    <message>
        <source>Edit Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Channel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Podcast On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Post to Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Date to Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Live Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Feed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRSSEditView</name>
    <message>
        <source>Format Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tidrel editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type RSS Item here (this area is editable and selectable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type RSS item title here…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type description of RSS item here…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Enter link to article here...&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strong emphasis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emphasis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strikethrough text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block of plain text, &lt;pre&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert or edit hyperlink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert or change properties image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List item, unordered list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List item, ordered list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease level of list item or un-quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase level of list item or quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/hide rulers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot init HTML face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Spans and Styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Non-Breaking Spaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Object Tag: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Hyperlink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links of other posts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authors of other posts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRemoteFolder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s host key is not known: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused: the server&apos;s host key has changed (now %1). Someone may be listening in, or the server was set up anew.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server did not let the uploaded file take the old one&apos;s place.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRssFeed</name>
    <message>
        <source>New Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Live Item</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CS3Folder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The storage does not know the access key ID %1: check it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The secret access key does not belong to the access key ID %1: check the secret.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no bucket %1 at %2: check the bucket&apos;s name and the endpoint.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer&apos;s clock is too far from the storage&apos;s: set the clock right, for instance with automatic date and time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The storage refused the region %1: check the bucket&apos;s region.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The storage refused the key %1 access to bucket %2: check the key&apos;s permissions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The storage refused the request: %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The storage answered with error %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSecretStore</name>
    <message>
        <source>There is no keyring on this desktop: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no keyring: the desktop&apos;s session bus is not running.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>Welcome To Tidrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a feed…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Feeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tidrel user guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WWW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSS 2.0 at the RSS Advisory Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W3C Feed Validation Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt WebEngine, the HTML engine of Tidrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web links open in your web browser.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the active feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active feed with a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ublish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload the saved feed to its server or folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish Se&amp;ttings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose where the feed is published and how to sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the current post as the editor shows it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the printout of the current post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint Setup…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the paper, orientation and margins of printouts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application; prompts to save feeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the last undone change again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the entire description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the selected text bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the selected text italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underline the selected text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strike through the selected text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UL &amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the paragraph an item of a bulleted list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove SPAN and styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the span tags and inline styles of the description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;emove &amp;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the non-breaking spaces of the description into plain spaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert &amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the tag of the element at the caret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hyperlink…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a hyperlink on the selection, or change the one at the caret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert an image, or change the one at the caret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Post…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add new post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;name Post…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename selected post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Duplicate Post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate selected post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate + Dele&amp;te</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate selected post + delete origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set Date to Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date the selected post with the present time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete Post…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort By &amp;Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the posts by their position in the feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort By T&amp;itle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the posts by title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort By Date Cr&amp;eated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the posts by date created, newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back to the post shown before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go forward to the post shown before going back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reload…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload the current feed from disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the title of the selected post to the Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filterin&amp;g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter posts by title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed &amp;Properties…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the channel of the feed: title, description, image, podcast tags and the other elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy RSS Feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy entire RSS feed code in clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;W3C RSS Validator…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the W3C feed validation service to check a pasted feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Backup Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open backup folder for RSS-feeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose whether edited posts get a footer, and its text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check Feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the feed for problems and list them in the Problems pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSS P&amp;osts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the RSS posts bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle Posts Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the HTML-code preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle Items Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post &amp;Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the pane with the date, guid, categories, enclosures and podcast tags of the post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo &amp;History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the list of changes to the active feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;roblems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the list of the problems the last check found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrange the feed windows so they overlap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrange the feed windows side by side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate the next feed window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate the previous feed window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tidrel &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the user guide of Tidrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Qt &amp;WebEngine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the home page of Qt WebEngine, the HTML engine of Tidrel, in the web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Tidrel…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Episode from Audio…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a podcast episode for each audio file chosen, from its tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Li&amp;ve Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a live stream, pending, at the top of the posts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Location…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a feed from its web address, to edit and keep a copy of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move Feed…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the feed a new address and tell subscribers&apos; apps to follow it there</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CreateFeedPage</name>
    <message>
        <source>Create RSS Feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type category of feed here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed&apos;s name (required)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web site:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>https://… of the site the feed is for (required)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>https://… the feed file is published at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the feed is about (required)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSS requires a title, a web site and a description. The feed address, where readers find the feed when it moves, may wait until you know it. Empty fields are left out of the file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FeedFileKind</name>
    <message>
        <source>This is %1; Tidrel edits RSS 2.0 feeds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an HTML page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an Atom feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an RSS 1.0 feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a gzip archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is %1, not a text file; Tidrel edits RSS 2.0 feeds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a text file; Tidrel edits RSS 2.0 feeds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not an RSS feed: its root element is &lt;%1&gt;, where an RSS 2.0 feed has &lt;rss&gt;. Tidrel edits RSS 2.0 feeds.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FeedParser</name>
    <message>
        <source>(line %1, column %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file defines the entity &amp;%1; in its DOCTYPE. Tidrel reads only the five predefined entities and character references, so that a save writes back what it read and never fetches an external entity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file uses the entity &amp;%1;, which it does not define</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s encoding &quot;%1&quot; is not one Tidrel can read %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not well-formed XML, or uses a four-byte GB18030 character, which Tidrel cannot edit in place %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not well-formed XML: %1 %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FeedReader</name>
    <message>
        <source>This is a folder, not a feed file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large to edit (2 GiB or more).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a device or a pipe, not a feed file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FeedWriter</name>
    <message>
        <source>Cannot write the file: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PostFooter</name>
    <message>
        <source>This post created by Tidrel v%1…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rfc822Date</name>
    <message>
        <source>The date&apos;s parentheses do not pair up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date holds a comment in parentheses, which many readers cannot read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a date in the form %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date has missing or extra spaces; write one space between its parts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write &quot;%1&quot; as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A comma must follow the day name (&quot;%1,&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The year has %1 digits; write all four.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the hour with two digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date has no time zone; end it with GMT or an offset such as +0000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time zone; use GMT or an offset such as +0000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zone &quot;%1&quot; is a military letter that readers take differently; use GMT or an offset such as +0000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zone offset %1 has more than 59 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zone offset %1%2 is not one any place uses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no day %1 in %2 %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time of day is out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3 is a %4, not a %5.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TitleFetchSteps</name>
    <message>
        <source>The network library could not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No temporary file could be made for the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ValueCheck</name>
    <message>
        <source>The date is in the future.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date is before 1990, older than any feed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the person&apos;s name after the address: &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSS writes an e-mail address as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an e-mail address; write one as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Few readers can follow an address that starts &quot;%1&quot;; use http: or https:.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address holds a space; write a space in an address as %20.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a full address; write it with its scheme and host, as &quot;https://example.org/page&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a whole number of %1 or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a whole number from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a media type; write one such as &quot;audio/mpeg&quot; or &quot;video/mp4&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language is empty; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a language code; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a known language; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
