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
    <name>CBarCaption</name>
    <message>
        <source>Close</source>
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
        <source>Usage: %1 --check FEED...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
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
        <source>The destination must be an sftp://, ftp://, ftps:// or file:// address with a host and a path, such as sftp://example.org/var/www/feed.xml.</source>
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
        <source>The address is the feed&apos;s on the server: sftp://, ftp://, ftps://, or file:// for a folder on this computer. An address ending with / names a folder; the feed keeps its file name there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwords and passphrases are kept in the desktop&apos;s keyring, never in a settings file.</source>
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
        <source>The address must start with sftp://, ftp://, ftps:// or file://.</source>
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
        <source>The file changed on disk since it was opened. Save anyway?</source>
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
        <source>Type title of feed here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type link to feed here</source>
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
