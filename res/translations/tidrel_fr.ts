<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About Tidrel</source>
        <translation>À propos de Tidrel</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tidrel developers</source>
        <translation>Copyright © 2026 Les développeurs de Tidrel</translation>
    </message>
    <message>
        <source>Tidrel version %1</source>
        <translation>Tidrel version %1</translation>
    </message>
    <message>
        <source>Release: %1 %2</source>
        <translation>Compilation : %1 %2</translation>
    </message>
</context>
<context>
    <name>CAudioEpisodes</name>
    <message>
        <source>%1 is outside the media folder %2: its address names the file alone, and publishing does not upload it.</source>
        <translation>%1 est hors du dossier des médias %2 : son adresse ne nomme que le fichier, et la publication ne l’envoie pas.</translation>
    </message>
    <message>
        <source>The cover of %1 could not be saved as %2: %3</source>
        <translation>La pochette de %1 n’a pas pu être enregistrée sous %2 : %3</translation>
    </message>
    <message>
        <source>The cover of %1, saved as %2, is %3 x %4 pixels%5; Apple Podcasts takes square RGB artwork from 1400 x 1400 to 3000 x 3000, so the episode shows the show&apos;s artwork.</source>
        <translation>La pochette de %1, enregistrée sous %2, fait %3 x %4 pixels%5 ; Apple Podcasts accepte des illustrations carrées en RVB de 1400 x 1400 à 3000 x 3000 : l’épisode affiche donc l’illustration de l’émission.</translation>
    </message>
    <message>
        <source> and not in RGB</source>
        <translation> et n’est pas en RVB</translation>
    </message>
</context>
<context>
    <name>CAudioTags</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>It is not an audio file.</source>
        <translation>Ce n’est pas un fichier audio.</translation>
    </message>
    <message>
        <source>It cannot be read as audio.</source>
        <translation>Il ne peut pas être lu comme audio.</translation>
    </message>
</context>
<context>
    <name>CBarCaption</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the pane</source>
        <translation>Fermer le panneau</translation>
    </message>
</context>
<context>
    <name>CBarPostDetails</name>
    <message>
        <source>Not a play time like 1:02:03, 62:03 or 3723</source>
        <translation>Pas une durée comme 1:02:03, 62:03 ou 3723</translation>
    </message>
    <message>
        <source>Post</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>&amp;GUID:</source>
        <translation>&amp;GUID :</translation>
    </message>
    <message>
        <source>GUID is a &amp;permalink:</source>
        <translation>Le GUID est un &amp;permalien :</translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation>&amp;Commentaires :</translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation>&amp;Source :</translation>
    </message>
    <message>
        <source>Source &amp;URL:</source>
        <translation>&amp;URL de la source :</translation>
    </message>
    <message>
        <source>Enclosures</source>
        <translation>Pièces jointes</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Choose &amp;File…</source>
        <translation>Choisir un &amp;fichier…</translation>
    </message>
    <message>
        <source>Fill the length and type (and a podcast&apos;s duration) from a media file</source>
        <translation>Remplir la taille et le type (et la durée d’un podcast) à partir d’un fichier média</translation>
    </message>
    <message>
        <source>Fill from U&amp;RL</source>
        <translation>Remplir depuis l’U&amp;RL</translation>
    </message>
    <message>
        <source>Ask the server for the length and type of the file at the URL</source>
        <translation>Demander au serveur la taille et le type du fichier à cette URL</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domaine</translation>
    </message>
    <message>
        <source>Other elements (kept as they are)</source>
        <translation>Autres éléments (gardés tels quels)</translation>
    </message>
    <message>
        <source>Podcast episode</source>
        <translation>Épisode de podcast</translation>
    </message>
    <message>
        <source>D&amp;uration:</source>
        <translation>D&amp;urée :</translation>
    </message>
    <message>
        <source>&amp;Episode:</source>
        <translation>É&amp;pisode :</translation>
    </message>
    <message>
        <source>Seaso&amp;n:</source>
        <translation>Saiso&amp;n :</translation>
    </message>
    <message>
        <source>Episode &amp;type:</source>
        <translation>&amp;Type d’épisode :</translation>
    </message>
    <message>
        <source>E&amp;xplicit:</source>
        <translation>E&amp;xplicite :</translation>
    </message>
    <message>
        <source>&amp;Image:</source>
        <translation>&amp;Image :</translation>
    </message>
    <message>
        <source>&amp;Block:</source>
        <translation>&amp;Bloqué :</translation>
    </message>
    <message>
        <source>Index season:</source>
        <translation>Saison (Index) :</translation>
    </message>
    <message>
        <source>Index season name:</source>
        <translation>Nom de la saison (Index) :</translation>
    </message>
    <message>
        <source>Index episode:</source>
        <translation>Épisode (Index) :</translation>
    </message>
    <message>
        <source>Index episode display:</source>
        <translation>Affichage de l’épisode (Index) :</translation>
    </message>
    <message>
        <source>License and chat</source>
        <translation>Licence et chat</translation>
    </message>
    <message>
        <source>Choose the Media File of the Enclosure</source>
        <translation>Choisir le fichier média de la pièce jointe</translation>
    </message>
    <message>
        <source>Type the enclosure&apos;s URL first</source>
        <translation>Saisissez d’abord l’URL de la pièce jointe</translation>
    </message>
    <message>
        <source>Finding the length and type of %1…</source>
        <translation>Recherche de la taille et du type de %1…</translation>
    </message>
    <message>
        <source>Edit Chapters…</source>
        <translation>Modifier les chapitres…</translation>
    </message>
</context>
<context>
    <name>CBarPreview</name>
    <message>
        <source>HTML code</source>
        <translation>Code HTML</translation>
    </message>
    <message>
        <source>The description of the post as HTML code; edits here change the post</source>
        <translation>La description de l’article en code HTML ; les modifications faites ici changent l’article</translation>
    </message>
</context>
<context>
    <name>CBarProblems</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Post</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>%1 (line %2) [%3]</source>
        <translation>%1 (ligne %2) [%3]</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>The problems the last check found; Enter shows where one is</source>
        <translation>Les problèmes trouvés par la dernière vérification ; Enter montre où se trouve le problème sélectionné</translation>
    </message>
</context>
<context>
    <name>CBarRssItems</name>
    <message>
        <source>Feed Properties…</source>
        <translation>Propriétés du flux…</translation>
    </message>
    <message>
        <source>Edit the feed&apos;s title, description, image and the other channel elements</source>
        <translation>Modifier le titre, la description, l’image et les autres éléments du canal du flux</translation>
    </message>
    <message>
        <source>RSS Items</source>
        <translation>Articles RSS</translation>
    </message>
    <message>
        <source> [%1 of %2]</source>
        <translation> [%1 sur %2]</translation>
    </message>
    <message>
        <source>&amp;Copy Title</source>
        <translation>&amp;Copier le titre</translation>
    </message>
    <message>
        <source>Posts</source>
        <translation>Articles</translation>
    </message>
    <message>
        <source>The posts of the feed; the selected one is shown in the editor</source>
        <translation>Les articles du flux ; l’article sélectionné est affiché dans l’éditeur</translation>
    </message>
    <message>
        <source>Filter posts</source>
        <translation>Filtrer les articles</translation>
    </message>
    <message>
        <source>Lists only the posts whose title holds this text; Escape empties the box, then closes it</source>
        <translation>N’affiche que les articles dont le titre contient ce texte ; Escape vide la zone, puis la ferme</translation>
    </message>
</context>
<context>
    <name>CChaptersDlg</name>
    <message>
        <source>The post&apos;s chapters are at %1, on the web. Save writes them to the file above: upload it there, or set a media base address in the publish settings to publish it with the feed.</source>
        <translation>Les chapitres de l’article sont sur le web, à %1. « Enregistrer » les écrit dans le fichier ci-dessus : envoyez-le à cet endroit, ou indiquez une adresse des médias dans les paramètres de publication pour le publier avec le flux.</translation>
    </message>
    <message>
        <source>The post&apos;s chapters are at %1, on the web. Save writes them to the file above, and the post&apos;s chapters address becomes the one it is published at.</source>
        <translation>Les chapitres de l’article sont sur le web, à %1. « Enregistrer » les écrit dans le fichier ci-dessus, et l’adresse des chapitres de l’article devient celle où ce fichier est publié.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Add Chapter</source>
        <translation>&amp;Ajouter un chapitre</translation>
    </message>
    <message>
        <source>&amp;Remove Chapter</source>
        <translation>&amp;Supprimer le chapitre</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Chapitres</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier :</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Start times in seconds (94, 94.5) or as m:ss and h:mm:ss</source>
        <translation>Débuts en secondes (94, 94.5) ou sous la forme m:ss et h:mm:ss</translation>
    </message>
    <message>
        <source>%1 cannot be edited here, and is left as it is.
%2</source>
        <translation>%1 ne peut pas être modifié ici et reste tel quel.
%2</translation>
    </message>
    <message>
        <source>A new chapters file: Save writes it.</source>
        <translation>Un nouveau fichier de chapitres : « Enregistrer » l’écrit.</translation>
    </message>
    <message>
        <source>Not a time like 94, 1:34 or 1:01:34</source>
        <translation>Pas un temps comme 94, 1:34 ou 1:01:34</translation>
    </message>
    <message>
        <source>The start of chapter %1 is not a time like 94, 1:34 or 1:01:34.</source>
        <translation>Le début du chapitre %1 n’est pas un temps comme 94, 1:34 ou 1:01:34.</translation>
    </message>
    <message>
        <source>Choose the file to save the chapters to.</source>
        <translation>Choisissez le fichier où enregistrer les chapitres.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Enregistré dans %1.</translation>
    </message>
    <message>
        <source>Save the Chapters As</source>
        <translation>Enregistrer les chapitres sous</translation>
    </message>
    <message>
        <source>Chapters (*.json);;All files (*)</source>
        <translation>Chapitres (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save the changes to the chapters?</source>
        <translation>Enregistrer les modifications des chapitres ?</translation>
    </message>
    <message>
        <source>The post does not name this file yet: a listener&apos;s app needs its web address. Set a media base address in the publish settings to publish the file with the feed, and save again.</source>
        <translation>L’article ne nomme pas encore ce fichier : l’application d’un auditeur a besoin de son adresse web. Indiquez une adresse des médias dans les paramètres de publication pour publier le fichier avec le flux, puis enregistrez de nouveau.</translation>
    </message>
    <message>
        <source>The post does not name this file: publishing uploads the media folder, %1, and the file is outside it. Save it there to publish it with the feed.</source>
        <translation>L’article ne nomme pas ce fichier : la publication envoie le dossier des médias, %1, et le fichier est en dehors. Enregistrez-le dans ce dossier pour le publier avec le flux.</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Sa&amp;ve As…</source>
        <translation>Enregistrer so&amp;us…</translation>
    </message>
    <message>
        <source>%1 already exists, and its chapters are not the ones shown here. Replace it with these chapters?</source>
        <translation>%1 existe déjà, et ses chapitres ne sont pas ceux affichés ici. Le remplacer par ces chapitres ?</translation>
    </message>
    <message>
        <source>Not saved: %1 is left as it is. Open it to edit its chapters, or name another file.</source>
        <translation>Non enregistré : %1 reste tel quel. Ouvrez-le pour modifier ses chapitres, ou choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>Open a Chapters File</source>
        <translation>Ouvrir un fichier de chapitres</translation>
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
            <numerusform>%n erreur</numerusform>
            <numerusform>%n erreurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n avertissement</numerusform>
            <numerusform>%n avertissements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s)</source>
        <translation>
            <numerusform>%n remarque</numerusform>
            <numerusform>%n remarques</numerusform>
        </translation>
    </message>
    <message>
        <source>RSS Items</source>
        <translation>Articles RSS</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Post Details</source>
        <translation>Détails de l’article</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Tidrel, an editor of RSS 2.0 feed files.</source>
        <translation>Tidrel, un éditeur de fichiers de flux RSS 2.0.</translation>
    </message>
    <message>
        <source>Check each feed file without opening a window; print one problem a line as FILE:LINE:COLUMN: error|warning|info: message [rule-id]. Exit status 0 when there are no errors, 1 when there are, 2 when a file cannot be read.</source>
        <translation>Vérifier chaque fichier de flux sans ouvrir de fenêtre ; afficher un problème par ligne sous la forme FICHIER:LIGNE:COLONNE: error|warning|info: message [id-règle]. Code de sortie 0 sans erreur, 1 avec des erreurs, 2 si un fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Feed files to open.</source>
        <translation>Fichiers de flux à ouvrir.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[FICHIER...]</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>impossible de lire le fichier : %1</translation>
    </message>
    <message>
        <source>With --check: apply the podcast directories&apos; rules too, whether or not the feed declares the iTunes or podcast namespace: every podcast namespace tag&apos;s place, attributes and values, Apple Podcasts&apos; requirements (artwork, language, category, explicit, episode enclosures) and the Podcast Standards Project&apos;s PSP-1.</source>
        <translation>Avec --check : appliquer aussi les règles des annuaires de podcasts, que le flux déclare ou non l’espace de noms iTunes ou podcast : la place, les attributs et les valeurs de chaque balise de l’espace de noms podcast, les exigences d’Apple Podcasts (illustration, langue, catégorie, explicit, pièces jointes des épisodes) et la PSP-1 du Podcast Standards Project.</translation>
    </message>
    <message>
        <source>Usage: %1 --check [--podcast] FEED...</source>
        <translation>Usage : %1 --check [--podcast] FLUX...</translation>
    </message>
    <message>
        <source>Publish the feed file without opening a window, with the checks and in the order of the Publish command: the feed check first, then the media files under the media address of the feed&apos;s publish settings, the feed last. Progress goes to standard error. Exit status 0 when everything was sent, 1 when the server refused or the feed has errors, 2 for wrong arguments.</source>
        <translation>Publier le fichier de flux sans ouvrir de fenêtre, avec les vérifications et dans l’ordre de la commande Publier : d’abord la vérification du flux, puis les fichiers médias sous l’adresse des médias des paramètres de publication du flux, le flux en dernier. La progression est écrite sur la sortie d’erreur standard. Code de sortie 0 quand tout a été envoyé, 1 quand le serveur a refusé ou que le flux a des erreurs, 2 pour des arguments incorrects.</translation>
    </message>
    <message>
        <source>FEED</source>
        <translation>FLUX</translation>
    </message>
    <message>
        <source>With --publish: where to. file:///path/, sftp://USER@HOST[:PORT]/path/, ftp://, ftps://, dav://USER@HOST[:PORT]/path/ (WebDAV; davs:// over HTTPS) or s3://ACCESS_KEY_ID@HOST[:PORT]/BUCKET/PREFIX/?region=REGION (path-style; &amp;scheme=http for a server without TLS). The password or secret key comes from the environment variable TIDREL_PUBLISH_SECRET when set, else from the keyring.</source>
        <translation>Avec --publish : la destination. file:///chemin/, sftp://UTILISATEUR@HÔTE[:PORT]/chemin/, ftp://, ftps://, dav://UTILISATEUR@HÔTE[:PORT]/chemin/ (WebDAV ; davs:// sur HTTPS) ou s3://ID_CLÉ_ACCÈS@HÔTE[:PORT]/BUCKET/PRÉFIXE/?region=RÉGION (path-style ; &amp;scheme=http pour un serveur sans TLS). Le mot de passe ou la clé secrète vient de la variable d’environnement TIDREL_PUBLISH_SECRET si elle est définie, sinon du trousseau de clés.</translation>
    </message>
    <message>
        <source>TARGET</source>
        <translation>DESTINATION</translation>
    </message>
    <message>
        <source>Usage: %1 --publish FEED --to TARGET</source>
        <translation>Usage : %1 --publish FLUX --to DESTINATION</translation>
    </message>
</context>
<context>
    <name>CCurlEasy</name>
    <message>
        <source>The server did not answer in time (%1 s).</source>
        <translation>Le serveur n’a pas répondu à temps (%1 s).</translation>
    </message>
    <message>
        <source>Too many redirects (more than %1).</source>
        <translation>Trop de redirections (plus de %1).</translation>
    </message>
    <message>
        <source>The server answered with error %1.</source>
        <translation>Le serveur a répondu par l’erreur %1.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>Le serveur a refusé la connexion.</translation>
    </message>
    <message>
        <source>The server&apos;s name is not known.</source>
        <translation>Le nom du serveur est inconnu.</translation>
    </message>
    <message>
        <source>The address&apos;s protocol is not supported here.</source>
        <translation>Le protocole de l’adresse n’est pas pris en charge ici.</translation>
    </message>
    <message>
        <source>The address is not valid.</source>
        <translation>L’adresse n’est pas valide.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>The server refused the login: check the user name and the password or key.</source>
        <translation>Le serveur a refusé la connexion : vérifiez le nom d’utilisateur et le mot de passe ou la clé.</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full.</source>
        <translation>Le disque du serveur est plein.</translation>
    </message>
    <message>
        <source>The server refused access to the folder or file.</source>
        <translation>Le serveur a refusé l’accès au dossier ou au fichier.</translation>
    </message>
    <message>
        <source>The server refused the upload.</source>
        <translation>Le serveur a refusé l’envoi.</translation>
    </message>
    <message>
        <source>The connection broke off.</source>
        <translation>La connexion a été interrompue.</translation>
    </message>
    <message>
        <source>The server does not offer TLS.</source>
        <translation>Le serveur ne propose pas TLS.</translation>
    </message>
    <message>
        <source>The secure connection (TLS) could not be set up.</source>
        <translation>La connexion sécurisée (TLS) n’a pas pu être établie.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified.</source>
        <translation>Le certificat du serveur n’a pas pu être vérifié.</translation>
    </message>
</context>
<context>
    <name>CDavFolder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>The server refused the user name or the password: check both.</source>
        <translation>Le serveur a refusé le nom d’utilisateur ou le mot de passe : vérifiez les deux.</translation>
    </message>
    <message>
        <source>The server does not let this user write %1.</source>
        <translation>Le serveur ne permet pas à cet utilisateur d’écrire %1.</translation>
    </message>
    <message>
        <source>The server does not take files at %1: is WebDAV turned on there?</source>
        <translation>Le serveur n’accepte pas de fichiers à %1 : WebDAV y est-il activé ?</translation>
    </message>
    <message>
        <source>The server has no room left.</source>
        <translation>Le disque du serveur est plein.</translation>
    </message>
    <message>
        <source>The server answered with error %1.</source>
        <translation>Le serveur a répondu par l’erreur %1.</translation>
    </message>
</context>
<context>
    <name>CDesktopServices</name>
    <message>
        <source>RSS feeds (*.xml *.rss)</source>
        <translation>Flux RSS (*.xml *.rss)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>The server %1 is not among the known hosts of this computer.</source>
        <translation>Le serveur %1 ne fait pas partie des hôtes connus de cet ordinateur.</translation>
    </message>
    <message>
        <source>Its key&apos;s fingerprint is
%1

Trust it only when it is the fingerprint your server&apos;s administrator gave you.</source>
        <translation>L’empreinte de sa clé est
%1

Ne lui faites confiance que si c’est l’empreinte que l’administrateur de votre serveur vous a donnée.</translation>
    </message>
    <message>
        <source>Trust and &amp;Remember</source>
        <translation>Faire confiance et &amp;mémoriser</translation>
    </message>
    <message>
        <source>Trust &amp;Once</source>
        <translation>Faire confiance &amp;une fois</translation>
    </message>
    <message>
        <source>Audio files (%1)</source>
        <translation>Fichiers audio (%1)</translation>
    </message>
    <message>
        <source>New Episode from Audio</source>
        <translation>Nouvel épisode depuis un fichier audio</translation>
    </message>
    <message>
        <source>Open Location</source>
        <translation>Ouvrir une adresse</translation>
    </message>
    <message>
        <source>&amp;Web address of the feed:</source>
        <translation>Adresse &amp;web du flux :</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
</context>
<context>
    <name>CDiskChangeBar</name>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation>&amp;Garder les miennes</translation>
    </message>
    <message>
        <source>&amp;Show differences</source>
        <translation>&amp;Voir les différences</translation>
    </message>
    <message>
        <source>Read the file again; the changes made here are lost</source>
        <translation>Relire le fichier ; les modifications faites ici sont perdues</translation>
    </message>
    <message>
        <source>Keep the feed as it is here; the next save asks before it overwrites the file</source>
        <translation>Garder le flux tel qu’il est ici ; le prochain enregistrement demandera avant d’écraser le fichier</translation>
    </message>
    <message>
        <source>%1 changed on disk. Reload it to drop the changes made here, or keep them.</source>
        <translation>%1 a changé sur le disque. Rechargez-le pour abandonner les modifications faites ici, ou gardez-les.</translation>
    </message>
    <message>
        <source>%1 changed on disk and cannot be read: %2 The feed here stays as it was.</source>
        <translation>%1 a changé sur le disque et ne peut pas être lu : %2 Le flux reste ici tel qu’il était.</translation>
    </message>
    <message>
        <source>The file on disk holds what a save would write.
</source>
        <translation>Le fichier sur le disque contient ce qu’un enregistrement écrirait.
</translation>
    </message>
    <message>
        <source>--- %1 on disk
+++ %1 as a save would write it
</source>
        <translation>--- %1 sur le disque
+++ %1 tel qu’un enregistrement l’écrirait
</translation>
    </message>
    <message>
        <source>Differences — %1</source>
        <translation>Différences — %1</translation>
    </message>
</context>
<context>
    <name>CDocManager</name>
    <message>
        <source>Cannot create a new feed.</source>
        <translation>Impossible de créer un nouveau flux.</translation>
    </message>
    <message>
        <source>Cannot open %1.

%2</source>
        <translation>Impossible d’ouvrir %1.

%2</translation>
    </message>
    <message>
        <source>Cannot save %1.

%2

The feed keeps its changes.</source>
        <translation>Impossible d’enregistrer %1.

%2

Le flux garde ses modifications.</translation>
    </message>
    <message>
        <source>Cannot open %1.

The download could not be written to a temporary file.</source>
        <translation>Impossible d’ouvrir %1.

Le téléchargement n’a pas pu être écrit dans un fichier temporaire.</translation>
    </message>
    <message>
        <source>The file changed on disk since it was opened. Save anyway?</source>
        <translation>Le fichier a changé sur le disque depuis son ouverture. Enregistrer quand même ?</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>É&amp;craser</translation>
    </message>
</context>
<context>
    <name>CElementForm</name>
    <message>
        <source>Only the address belongs here, without the name</source>
        <translation>Seule l’adresse va ici, sans le nom</translation>
    </message>
    <message>
        <source>Not an e-mail address like jo@example.org</source>
        <translation>Pas une adresse e-mail comme jo@example.org</translation>
    </message>
    <message>
        <source>Not one of: %1</source>
        <translation>Aucune de ces valeurs : %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Also holds values no box stands for: %1</source>
        <translation>Contient aussi des valeurs sans case : %1</translation>
    </message>
    <message>
        <source>Kept in the feed as %1</source>
        <translation>Figure dans le flux en tant que %1</translation>
    </message>
    <message>
        <source>Sets the date to the present time</source>
        <translation>Règle la date sur l’heure actuelle</translation>
    </message>
</context>
<context>
    <name>CElementTable</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Ligne %1, %2 : %3</translation>
    </message>
    <message>
        <source>One element %1 a row; Add and Remove below change the rows</source>
        <translation>Un élément %1 par ligne ; Ajouter et Supprimer, en dessous, changent les lignes</translation>
    </message>
    <message>
        <source>Adds a row: a new element %1</source>
        <translation>Ajoute une ligne : un nouvel élément %1</translation>
    </message>
    <message>
        <source>Removes the selected row: its element %1</source>
        <translation>Supprime la ligne sélectionnée : son élément %1</translation>
    </message>
</context>
<context>
    <name>CEnclosureProbe</name>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The network library could not start.</source>
        <translation>La bibliothèque réseau n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Le serveur a répondu %1.</translation>
    </message>
    <message>
        <source>The server did not tell the length.</source>
        <translation>Le serveur n’a pas indiqué la taille.</translation>
    </message>
</context>
<context>
    <name>CFeedChecker</name>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>The cloud has no %1 attribute; it needs domain, port, path, registerProcedure and protocol.</source>
        <translation>Le cloud n’a pas d’attribut %1 ; il lui faut domain, port, path, registerProcedure et protocol.</translation>
    </message>
    <message>
        <source>The enclosure has no %1 attribute; it needs url, length and type.</source>
        <translation>La pièce jointe n’a pas d’attribut %1 ; il lui faut url, length et type.</translation>
    </message>
    <message>
        <source>Post %1 has the same guid.</source>
        <translation>L’article %1 a le même guid.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of Apple Podcasts&apos; categories.</source>
        <translation>« %1 » n’est pas une catégorie d’Apple Podcasts.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a subcategory of &quot;%2&quot;.</source>
        <translation>« %1 » n’est pas une sous-catégorie de « %2 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the namespace&apos;s address; did you mean &quot;%2&quot;?</source>
        <translation>« %1 » n’est pas l’adresse de l’espace de noms ; vouliez-vous dire « %2 » ?</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; Apple Podcasts takes at most 4000.</source>
        <translation>La description fait %1 octets ; Apple Podcasts en accepte au plus 4000.</translation>
    </message>
    <message>
        <source>The artwork file %1 cannot be read, so its size and colours are not checked.</source>
        <translation>Le fichier d’illustration %1 ne peut pas être lu ; sa taille et ses couleurs ne sont donc pas vérifiées.</translation>
    </message>
    <message>
        <source>The artwork is %1 x %2 pixels; Apple Podcasts takes square artwork from 1400 x 1400 to 3000 x 3000.</source>
        <translation>L’illustration fait %1 x %2 pixels ; Apple Podcasts accepte des illustrations carrées de 1400 x 1400 à 3000 x 3000.</translation>
    </message>
    <message>
        <source>The podcast namespace has no tag %1.</source>
        <translation>L’espace de noms podcast n’a pas de balise %1.</translation>
    </message>
    <message>
        <source>%1 does not belong in %2; it belongs in %3.</source>
        <translation>%1 n’a pas sa place dans %2 ; il va dans %3.</translation>
    </message>
    <message>
        <source>%1 needs the %2 attribute.</source>
        <translation>%1 doit avoir l’attribut %2.</translation>
    </message>
    <message>
        <source>%1 needs a value; it is empty.</source>
        <translation>%1 doit avoir une valeur ; il est vide.</translation>
    </message>
    <message numerus="yes">
        <source>Podcast apps show %n character(s) of this at most; they may cut the rest.</source>
        <translation>
            <numerusform>Les applications de podcast en affichent au plus %n caractère ; elles peuvent couper le reste.</numerusform>
            <numerusform>Les applications de podcast en affichent au plus %n caractères ; elles peuvent couper le reste.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not a whole number such as &quot;3&quot;.</source>
        <translation>Pas un nombre entier comme « 3 ».</translation>
    </message>
    <message>
        <source>Not a number such as &quot;3&quot; or &quot;315.5&quot;.</source>
        <translation>Pas un nombre comme « 3 » ou « 315.5 ».</translation>
    </message>
    <message>
        <source>Not a media type such as &quot;audio/mpeg&quot;.</source>
        <translation>Pas un type de média comme « audio/mpeg ».</translation>
    </message>
    <message>
        <source>Not an e-mail address such as &quot;jo@example.org&quot;.</source>
        <translation>Pas une adresse e-mail comme « jo@example.org ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2.</source>
        <translation>« %1 » ne fait pas partie de %2.</translation>
    </message>
    <message>
        <source>Few podcast apps know &quot;%1&quot;; the usual values are %2.</source>
        <translation>Peu d’applications de podcast connaissent « %1 » ; les valeurs habituelles sont %2.</translation>
    </message>
    <message>
        <source>The channel&apos;s description is empty.</source>
        <translation>La description du canal est vide.</translation>
    </message>
    <message>
        <source>Not a percentage from 0 to 100.</source>
        <translation>Pas un pourcentage de 0 à 100.</translation>
    </message>
    <message>
        <source>Not a place in geo notation such as &quot;geo:30.2672,97.7431&quot;, latitude from -90 to 90 and longitude from -180 to 180.</source>
        <translation>Pas un lieu en notation geo comme « geo:30.2672,97.7431 », avec une latitude de -90 à 90 et une longitude de -180 à 180.</translation>
    </message>
    <message>
        <source>Not an OpenStreetMap object such as &quot;R113314&quot;: N, W or R, its number and an optional revision such as &quot;#2&quot;.</source>
        <translation>Pas un objet OpenStreetMap comme « R113314 » : N, W ou R, son numéro et une révision facultative comme « #2 ».</translation>
    </message>
    <message>
        <source>Not a country code of ISO 3166-1, two letters such as &quot;US&quot;.</source>
        <translation>Pas un code de pays ISO 3166-1, de deux lettres comme « US ».</translation>
    </message>
    <message>
        <source>Not an aspect ratio such as &quot;16/9&quot; or &quot;1.9&quot;.</source>
        <translation>Pas un rapport d’aspect comme « 16/9 » ou « 1.9 ».</translation>
    </message>
    <message>
        <source>There is already a %1 with %2=&quot;%3&quot; here.</source>
        <translation>Il y a déjà ici un %1 avec %2=&quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The podcast namespace has no tag %1. Did you mean %2?</source>
        <translation>L’espace de noms podcast n’a pas de balise %1. Vouliez-vous dire %2 ?</translation>
    </message>
    <message>
        <source>The namespace has retired %1; use %2 instead.</source>
        <translation>L’espace de noms a retiré %1 ; utilisez %2 à la place.</translation>
    </message>
    <message>
        <source>%1 needs a %2 inside it.</source>
        <translation>%1 doit contenir un %2.</translation>
    </message>
    <message>
        <source>The namespace recommends the %2 attribute on %1.</source>
        <translation>L’espace de noms recommande l’attribut %2 sur %1.</translation>
    </message>
    <message>
        <source>%1 holds an element %2; write HTML inside it escaped (&amp;lt;b&amp;gt;) or in a CDATA section.</source>
        <translation>%1 contient un élément %2 ; écrivez-y le HTML échappé (&amp;lt;b&amp;gt;) ou dans une section CDATA.</translation>
    </message>
    <message>
        <source>%1 has no attribute %2; attribute names are case-sensitive: did you mean %3?</source>
        <translation>%1 n’a pas d’attribut %2 ; les noms d’attributs distinguent majuscules et minuscules : vouliez-vous dire %3 ?</translation>
    </message>
    <message>
        <source>RSS gives %1 no attribute %2; readers ignore it.</source>
        <translation>RSS ne donne pas d’attribut %2 à %1 ; les lecteurs l’ignorent.</translation>
    </message>
    <message>
        <source>%1 has no element %2; element names are case-sensitive: did you mean %3?</source>
        <translation>%1 n’a pas d’élément %2 ; les noms d’éléments distinguent majuscules et minuscules : vouliez-vous dire %3 ?</translation>
    </message>
</context>
<context>
    <name>CFeedDownload</name>
    <message>
        <source>The download could not be started.</source>
        <translation>Le téléchargement n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, too large for a feed.</source>
        <translation>Le fichier dépasse %1 Mo, c’est trop pour un flux.</translation>
    </message>
</context>
<context>
    <name>CFeedPropertiesWnd</name>
    <message>
        <source>Not one of Apple&apos;s podcast categories</source>
        <translation>Pas une catégorie de podcast d’Apple</translation>
    </message>
    <message>
        <source>Not one of Apple&apos;s subcategories of “%1”</source>
        <translation>Pas une sous-catégorie Apple de « %1 »</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>Podcast</translation>
    </message>
    <message>
        <source>Declares the iTunes and podcast namespaces and shows the podcast tags</source>
        <translation>Déclare les espaces de noms iTunes et podcast et affiche les balises de podcast</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Categories and Image</source>
        <translation>Catégories et image</translation>
    </message>
    <message>
        <source>Cloud and Text Input</source>
        <translation>Cloud et saisie de texte</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Other Elements</source>
        <translation>Autres éléments</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>&amp;Link:</source>
        <translation>&amp;Lien :</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Description :</translation>
    </message>
    <message>
        <source>Public &amp;address:</source>
        <translation>&amp;Adresse publique :</translation>
    </message>
    <message>
        <source>Where readers subscribe (atom:link rel=&quot;self&quot;)</source>
        <translation>Où les lecteurs s’abonnent (atom:link rel=&quot;self&quot;)</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>Lan&amp;gue :</translation>
    </message>
    <message>
        <source>&amp;Copyright:</source>
        <translation>&amp;Copyright :</translation>
    </message>
    <message>
        <source>&amp;Managing editor:</source>
        <translation>&amp;Rédacteur en chef :</translation>
    </message>
    <message>
        <source>&amp;Webmaster:</source>
        <translation>&amp;Webmestre :</translation>
    </message>
    <message>
        <source>&amp;Publication date:</source>
        <translation>Date de &amp;publication :</translation>
    </message>
    <message>
        <source>Last &amp;build date:</source>
        <translation>Date de dernière &amp;génération :</translation>
    </message>
    <message>
        <source>&amp;Generator:</source>
        <translation>Gé&amp;nérateur :</translation>
    </message>
    <message>
        <source>D&amp;ocs:</source>
        <translation>D&amp;ocumentation :</translation>
    </message>
    <message>
        <source>TT&amp;L (minutes):</source>
        <translation>TT&amp;L (minutes) :</translation>
    </message>
    <message>
        <source>&amp;Rating:</source>
        <translation>&amp;Classification :</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domaine</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>&amp;URL :</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur :</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur :</translation>
    </message>
    <message>
        <source>Cloud (notification of updates)</source>
        <translation>Cloud (notification des mises à jour)</translation>
    </message>
    <message>
        <source>&amp;Domain:</source>
        <translation>&amp;Domaine :</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <source>P&amp;ath:</source>
        <translation>&amp;Chemin :</translation>
    </message>
    <message>
        <source>&amp;Register procedure:</source>
        <translation>Procédure d’&amp;inscription :</translation>
    </message>
    <message>
        <source>Pro&amp;tocol:</source>
        <translation>Pro&amp;tocole :</translation>
    </message>
    <message>
        <source>Text input</source>
        <translation>Saisie de texte</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>T&amp;itre :</translation>
    </message>
    <message>
        <source>D&amp;escription:</source>
        <translation>D&amp;escription :</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>Skip hours (GMT): readers do not fetch the feed in these hours</source>
        <translation>Heures ignorées (GMT) : les lecteurs ne récupèrent pas le flux pendant ces heures</translation>
    </message>
    <message>
        <source>Skip days: readers do not fetch the feed on these days</source>
        <translation>Jours ignorés : les lecteurs ne récupèrent pas le flux ces jours-là</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Émission</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>People and Places</source>
        <translation>Personnes et lieux</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soutien</translation>
    </message>
    <message>
        <source>Social</source>
        <translation>Social</translation>
    </message>
    <message>
        <source>Related Feeds</source>
        <translation>Flux liés</translation>
    </message>
    <message>
        <source>Show (iTunes)</source>
        <translation>Émission (iTunes)</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Auteur :</translation>
    </message>
    <message>
        <source>Owner &amp;name:</source>
        <translation>&amp;Nom du propriétaire :</translation>
    </message>
    <message>
        <source>Owner &amp;e-mail:</source>
        <translation>&amp;E-mail du propriétaire :</translation>
    </message>
    <message>
        <source>&amp;Image:</source>
        <translation>&amp;Image :</translation>
    </message>
    <message>
        <source>E&amp;xplicit:</source>
        <translation>E&amp;xplicite :</translation>
    </message>
    <message>
        <source>T&amp;ype:</source>
        <translation>T&amp;ype :</translation>
    </message>
    <message>
        <source>New &amp;feed URL:</source>
        <translation>Nouvelle URL du &amp;flux :</translation>
    </message>
    <message>
        <source>&amp;Block:</source>
        <translation>&amp;Bloqué :</translation>
    </message>
    <message>
        <source>&amp;Complete:</source>
        <translation>Ter&amp;miné :</translation>
    </message>
    <message>
        <source>Subcategory</source>
        <translation>Sous-catégorie</translation>
    </message>
    <message>
        <source>iTunes categories</source>
        <translation>Catégories iTunes</translation>
    </message>
    <message>
        <source>Podcast index</source>
        <translation>Podcast Index</translation>
    </message>
    <message>
        <source>&amp;Locked:</source>
        <translation>&amp;Verrouillé :</translation>
    </message>
    <message>
        <source>Lock o&amp;wner:</source>
        <translation>&amp;Propriétaire du verrou :</translation>
    </message>
    <message>
        <source>&amp;GUID:</source>
        <translation>&amp;GUID :</translation>
    </message>
    <message>
        <source>&amp;Medium:</source>
        <translation>&amp;Médium :</translation>
    </message>
    <message>
        <source>Uses &amp;Podping:</source>
        <translation>Utilise &amp;Podping :</translation>
    </message>
    <message>
        <source>Release schedule</source>
        <translation>Calendrier de publication</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>Elements of the channel that these pages do not edit. They stay in the file as they are.</source>
        <translation>Éléments du canal que ces pages ne modifient pas. Ils restent tels quels dans le fichier.</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>Pas d’image</translation>
    </message>
    <message>
        <source>The image is not on this computer: no preview</source>
        <translation>L’image n’est pas sur cet ordinateur : pas d’aperçu</translation>
    </message>
    <message>
        <source>Feed Properties — %1</source>
        <translation>Propriétés du flux — %1</translation>
    </message>
    <message>
        <source>Make from Feed &amp;Address</source>
        <translation>Déduire de l’&amp;adresse du flux</translation>
    </message>
    <message>
        <source>The feed names no address of its own yet: fill in its Public address on the Channel page.</source>
        <translation>Le flux n’indique pas encore sa propre adresse : remplissez son Adresse publique sur la page Canal.</translation>
    </message>
    <message>
        <source>The podcast&apos;s identity as PSP-1 makes it from %1; it never changes after.</source>
        <translation>L’identité du podcast, calculée selon la PSP-1 à partir de %1 ; elle ne change plus ensuite.</translation>
    </message>
</context>
<context>
    <name>CFeedPublisher</name>
    <message>
        <source>%1 The published feed is as it was.</source>
        <translation>%1 Le flux publié est resté tel qu’il était.</translation>
    </message>
    <message>
        <source>At %1: %2 The published feed is as it was.</source>
        <translation>Pour %1 : %2 Le flux publié est resté tel qu’il était.</translation>
    </message>
    <message>
        <source>The feed has no file yet: save it first.</source>
        <translation>Le flux n’a pas encore de fichier : enregistrez-le d’abord.</translation>
    </message>
    <message>
        <source>Published %1 to %2</source>
        <translation>%1 publié sur %2</translation>
    </message>
    <message numerus="yes">
        <source> with %n media file(s)</source>
        <translation>
            <numerusform> avec %n fichier média</numerusform>
            <numerusform> avec %n fichiers média</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n already there)</source>
        <translation>
            <numerusform> (%n déjà présent)</numerusform>
            <numerusform> (%n déjà présents)</numerusform>
        </translation>
    </message>
    <message>
        <source>The destination must be an sftp://, ftp://, ftps://, dav://, davs://, s3:// or file:// address with a host and a path, such as sftp://example.org/var/www/feed.xml.</source>
        <translation>La destination doit être une adresse sftp://, ftp://, ftps://, dav://, davs://, s3:// ou file:// avec un hôte et un chemin, comme sftp://example.org/var/www/feed.xml.</translation>
    </message>
</context>
<context>
    <name>CFeedPublishing</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>The feed check found %n error(s) in %1:

%2

Publish anyway?</source>
        <translation>
            <numerusform>La vérification du flux a trouvé %n erreur dans %1 :

%2

Publier quand même ?</numerusform>
            <numerusform>La vérification du flux a trouvé %n erreurs dans %1 :

%2

Publier quand même ?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Publish Anyway</source>
        <translation>&amp;Publier quand même</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring: %1

Tidrel remembers it until it ends.</source>
        <translation>Le mot de passe n’a pas pu être rangé dans le trousseau du bureau : %1

Tidrel s’en souvient jusqu’à sa fermeture.</translation>
    </message>
    <message>
        <source>%1 was not published: %2</source>
        <translation>%1 n’a pas été publié : %2</translation>
    </message>
</context>
<context>
    <name>CFeedRules</name>
    <message>
        <source>The file is not well-formed XML; no reader can read it.</source>
        <translation>Le fichier n’est pas du XML bien formé ; aucun lecteur ne peut le lire.</translation>
    </message>
    <message>
        <source>The file&apos;s bytes do not fit the encoding it declares.</source>
        <translation>Les octets du fichier ne correspondent pas à l’encodage qu’il déclare.</translation>
    </message>
    <message>
        <source>The file uses an entity XML does not define, such as &amp;nbsp;; write the character or a numeric reference.</source>
        <translation>Le fichier utilise une entité que XML ne définit pas, comme &amp;nbsp; ; écrivez le caractère ou une référence numérique.</translation>
    </message>
    <message>
        <source>The file defines entities of its own, which many readers do not expand.</source>
        <translation>Le fichier définit ses propres entités, que beaucoup de lecteurs ne développent pas.</translation>
    </message>
    <message>
        <source>The file holds a control character that XML does not allow.</source>
        <translation>Le fichier contient un caractère de contrôle que XML n’autorise pas.</translation>
    </message>
    <message>
        <source>The file&apos;s top element is not rss.</source>
        <translation>L’élément racine du fichier n’est pas rss.</translation>
    </message>
    <message>
        <source>The rss element needs version=&quot;2.0&quot;.</source>
        <translation>L’élément rss doit avoir version=&quot;2.0&quot;.</translation>
    </message>
    <message>
        <source>The feed has no channel.</source>
        <translation>Le flux n’a pas de canal.</translation>
    </message>
    <message>
        <source>This element may appear only once here.</source>
        <translation>Cet élément ne peut apparaître qu’une fois ici.</translation>
    </message>
    <message>
        <source>RSS has no such element here; elements of other vocabularies need a namespace.</source>
        <translation>RSS n’a pas cet élément ici ; les éléments d’autres vocabulaires ont besoin d’un espace de noms.</translation>
    </message>
    <message>
        <source>The element&apos;s prefix is not declared with xmlns.</source>
        <translation>Le préfixe de l’élément n’est pas déclaré avec xmlns.</translation>
    </message>
    <message>
        <source>An element without a namespace inside another vocabulary&apos;s element; readers cannot tell what it means.</source>
        <translation>Un élément sans espace de noms dans l’élément d’un autre vocabulaire ; les lecteurs ne savent pas ce qu’il signifie.</translation>
    </message>
    <message>
        <source>This element holds other elements, not text.</source>
        <translation>Cet élément contient d’autres éléments, pas du texte.</translation>
    </message>
    <message>
        <source>Items should follow all of the channel&apos;s other elements.</source>
        <translation>Les items devraient suivre tous les autres éléments du canal.</translation>
    </message>
    <message>
        <source>The channel has no title.</source>
        <translation>Le canal n’a pas de titre.</translation>
    </message>
    <message>
        <source>The channel has no link to its web site.</source>
        <translation>Le canal n’a pas de lien vers son site web.</translation>
    </message>
    <message>
        <source>The channel has no description.</source>
        <translation>Le canal n’a pas de description.</translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation>Le titre est vide.</translation>
    </message>
    <message>
        <source>Not a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>Pas un code de langue comme « en » ou « en-us ».</translation>
    </message>
    <message>
        <source>The time to live must be a whole number of minutes above 0.</source>
        <translation>La durée de vie doit être un nombre entier de minutes supérieur à 0.</translation>
    </message>
    <message>
        <source>The channel does not give its own address (atom:link rel=&quot;self&quot;), which readers use to follow a moved feed.</source>
        <translation>Le canal ne donne pas sa propre adresse (atom:link rel=&quot;self&quot;), dont les lecteurs se servent pour suivre un flux déplacé.</translation>
    </message>
    <message>
        <source>Not a full address; write it with its scheme and host, as &quot;https://example.org/page&quot;.</source>
        <translation>Pas une adresse complète ; écrivez-la avec son schéma et son hôte, comme « https://example.org/page ».</translation>
    </message>
    <message>
        <source>Few readers can follow an address of this scheme; use http: or https:.</source>
        <translation>Peu de lecteurs savent suivre une adresse de ce schéma ; utilisez http: ou https:.</translation>
    </message>
    <message>
        <source>This is plain text, but it holds HTML markup or an HTML entity that readers will show as written.</source>
        <translation>C’est du texte brut, mais il contient du balisage HTML ou une entité HTML que les lecteurs afficheront tels quels.</translation>
    </message>
    <message>
        <source>Not a date in the form &quot;Wed, 02 Oct 2002 13:00:00 GMT&quot;.</source>
        <translation>Pas une date de la forme « Wed, 02 Oct 2002 13:00:00 GMT ».</translation>
    </message>
    <message>
        <source>The date has a form that many readers get wrong.</source>
        <translation>La date a une forme que beaucoup de lecteurs interprètent mal.</translation>
    </message>
    <message>
        <source>The date is in the future or before 1990.</source>
        <translation>La date est dans le futur ou antérieure à 1990.</translation>
    </message>
    <message>
        <source>Not an e-mail address; write one as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>Pas une adresse e-mail ; écrivez-en une sous la forme « jo@example.org (Jo Smith) ».</translation>
    </message>
    <message>
        <source>RSS writes an e-mail address as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>RSS écrit une adresse e-mail sous la forme « jo@example.org (Jo Smith) ».</translation>
    </message>
    <message>
        <source>Add the person&apos;s name after the address: &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>Ajoutez le nom de la personne après l’adresse : « jo@example.org (Jo Smith) ».</translation>
    </message>
    <message>
        <source>The image has no url.</source>
        <translation>L’image n’a pas d’url.</translation>
    </message>
    <message>
        <source>The image has no title.</source>
        <translation>L’image n’a pas de titre.</translation>
    </message>
    <message>
        <source>The image has no link.</source>
        <translation>L’image n’a pas de lien.</translation>
    </message>
    <message>
        <source>The image width must be a whole number from 1 to 144.</source>
        <translation>La largeur de l’image doit être un nombre entier de 1 à 144.</translation>
    </message>
    <message>
        <source>The image height must be a whole number from 1 to 400.</source>
        <translation>La hauteur de l’image doit être un nombre entier de 1 à 400.</translation>
    </message>
    <message>
        <source>The image link differs from the channel&apos;s link.</source>
        <translation>Le lien de l’image diffère du lien du canal.</translation>
    </message>
    <message>
        <source>The image title differs from the channel&apos;s title.</source>
        <translation>Le titre de l’image diffère du titre du canal.</translation>
    </message>
    <message>
        <source>The channel image should be a GIF, JPEG or PNG file.</source>
        <translation>L’image du canal devrait être un fichier GIF, JPEG ou PNG.</translation>
    </message>
    <message>
        <source>The text input has no title.</source>
        <translation>La saisie de texte n’a pas de titre.</translation>
    </message>
    <message>
        <source>The text input has no description.</source>
        <translation>La saisie de texte n’a pas de description.</translation>
    </message>
    <message>
        <source>The text input has no name.</source>
        <translation>La saisie de texte n’a pas de nom.</translation>
    </message>
    <message>
        <source>The text input has no link.</source>
        <translation>La saisie de texte n’a pas de lien.</translation>
    </message>
    <message>
        <source>The text input&apos;s name must be a form field name: a letter, then letters, digits, &apos;-&apos;, &apos;_&apos;, &apos;:&apos; or &apos;.&apos;.</source>
        <translation>Le nom de la saisie de texte doit être un nom de champ de formulaire : une lettre, puis des lettres, chiffres, &apos;-&apos;, &apos;_&apos;, &apos;:&apos; ou &apos;.&apos;.</translation>
    </message>
    <message>
        <source>The cloud needs all of domain, port, path, registerProcedure and protocol.</source>
        <translation>Le cloud doit avoir domain, port, path, registerProcedure et protocol.</translation>
    </message>
    <message>
        <source>The cloud port must be a whole number from 1 to 65535.</source>
        <translation>Le port du cloud doit être un nombre entier de 1 à 65535.</translation>
    </message>
    <message>
        <source>The cloud protocol must be xml-rpc, soap or http-post.</source>
        <translation>Le protocole du cloud doit être xml-rpc, soap ou http-post.</translation>
    </message>
    <message>
        <source>skipHours lists no hour.</source>
        <translation>skipHours ne liste aucune heure.</translation>
    </message>
    <message>
        <source>An hour must be a whole number from 0 to 23.</source>
        <translation>Une heure doit être un nombre entier de 0 à 23.</translation>
    </message>
    <message>
        <source>Write midnight as 0, not 24.</source>
        <translation>Écrivez minuit 0, pas 24.</translation>
    </message>
    <message>
        <source>This hour is already listed.</source>
        <translation>Cette heure est déjà listée.</translation>
    </message>
    <message>
        <source>skipHours lists more than 24 hours.</source>
        <translation>skipHours liste plus de 24 heures.</translation>
    </message>
    <message>
        <source>skipDays lists no day.</source>
        <translation>skipDays ne liste aucun jour.</translation>
    </message>
    <message>
        <source>A day must be an English day name: Monday to Sunday.</source>
        <translation>Un jour doit être un nom de jour anglais : Monday à Sunday.</translation>
    </message>
    <message>
        <source>This day is already listed.</source>
        <translation>Ce jour est déjà listé.</translation>
    </message>
    <message>
        <source>skipDays lists more than seven days.</source>
        <translation>skipDays liste plus de sept jours.</translation>
    </message>
    <message>
        <source>A post needs a title or a description.</source>
        <translation>Un article doit avoir un titre ou une description.</translation>
    </message>
    <message>
        <source>The post has no guid, so readers may show it again as new after an edit.</source>
        <translation>L’article n’a pas de guid ; les lecteurs peuvent donc le montrer de nouveau comme nouveau après une modification.</translation>
    </message>
    <message>
        <source>The guid is empty.</source>
        <translation>Le guid est vide.</translation>
    </message>
    <message>
        <source>A guid that is a permalink must be a full URL; if it is not a link, add isPermaLink=&quot;false&quot;.</source>
        <translation>Un guid qui est un permalien doit être une URL complète ; si ce n’est pas un lien, ajoutez isPermaLink=&quot;false&quot;.</translation>
    </message>
    <message>
        <source>A permalink guid must be a web address (http or https); if it is not, add isPermaLink=&quot;false&quot;.</source>
        <translation>Un guid permalien doit être une adresse web (http ou https) ; sinon, ajoutez isPermaLink=&quot;false&quot;.</translation>
    </message>
    <message>
        <source>isPermaLink must be exactly &quot;true&quot; or &quot;false&quot;.</source>
        <translation>isPermaLink doit valoir exactement « true » ou « false ».</translation>
    </message>
    <message>
        <source>Another post of the feed has the same guid.</source>
        <translation>Un autre article du flux a le même guid.</translation>
    </message>
    <message>
        <source>A guid of a few digits is not unique beyond this feed; readers may confuse it with another feed&apos;s post.</source>
        <translation>Un guid de quelques chiffres n’est pas unique au-delà de ce flux ; les lecteurs peuvent le confondre avec l’article d’un autre flux.</translation>
    </message>
    <message>
        <source>An enclosure needs url, length and type.</source>
        <translation>Une pièce jointe doit avoir url, length et type.</translation>
    </message>
    <message>
        <source>The enclosure length must be a whole number of bytes, 0 when unknown.</source>
        <translation>La taille de la pièce jointe doit être un nombre entier d’octets, 0 si elle est inconnue.</translation>
    </message>
    <message>
        <source>The enclosure type must be a media type such as &quot;audio/mpeg&quot;.</source>
        <translation>Le type de la pièce jointe doit être un type de média comme « audio/mpeg ».</translation>
    </message>
    <message>
        <source>The post has more than one enclosure; most readers take only the first.</source>
        <translation>L’article a plus d’une pièce jointe ; la plupart des lecteurs ne prennent que la première.</translation>
    </message>
    <message>
        <source>A source needs the url of the feed it comes from.</source>
        <translation>Une source doit avoir l’url du flux dont elle vient.</translation>
    </message>
    <message>
        <source>Give the post a description before its content:encoded; some readers take only the description, or only the first of the two.</source>
        <translation>Donnez à l’article une description avant son content:encoded ; certains lecteurs ne prennent que la description, ou seulement le premier des deux.</translation>
    </message>
    <message>
        <source>The description holds a script, which readers remove or refuse.</source>
        <translation>La description contient un script, que les lecteurs retirent ou refusent.</translation>
    </message>
    <message>
        <source>The description holds a frame, which many readers remove.</source>
        <translation>La description contient un cadre, que beaucoup de lecteurs retirent.</translation>
    </message>
    <message>
        <source>The description holds an event attribute (on...), which readers remove.</source>
        <translation>La description contient un attribut d’événement (on...), que les lecteurs retirent.</translation>
    </message>
    <message>
        <source>A relative link in the description; readers do not know what it is relative to. Write the full address.</source>
        <translation>Un lien relatif dans la description ; les lecteurs ne savent pas à quoi il se rapporte. Écrivez l’adresse complète.</translation>
    </message>
    <message>
        <source>itunes:explicit must be &quot;true&quot; or &quot;false&quot;.</source>
        <translation>itunes:explicit doit valoir « true » ou « false ».</translation>
    </message>
    <message>
        <source>Apple Podcasts now asks for &quot;true&quot; or &quot;false&quot; here, not yes, no or clean.</source>
        <translation>Apple Podcasts demande désormais « true » ou « false » ici, pas yes, no ou clean.</translation>
    </message>
    <message>
        <source>Not one of Apple Podcasts&apos; categories.</source>
        <translation>Pas une catégorie d’Apple Podcasts.</translation>
    </message>
    <message>
        <source>Not a subcategory of this Apple Podcasts category.</source>
        <translation>Pas une sous-catégorie de cette catégorie d’Apple Podcasts.</translation>
    </message>
    <message>
        <source>The duration must be seconds, or minutes and seconds as mm:ss, or hh:mm:ss.</source>
        <translation>La durée doit être en secondes, ou en minutes et secondes mm:ss, ou hh:mm:ss.</translation>
    </message>
    <message>
        <source>The episode number must be a whole number above 0.</source>
        <translation>Le numéro d’épisode doit être un nombre entier supérieur à 0.</translation>
    </message>
    <message>
        <source>The season number must be a whole number above 0.</source>
        <translation>Le numéro de saison doit être un nombre entier supérieur à 0.</translation>
    </message>
    <message>
        <source>The episode type must be full, trailer or bonus.</source>
        <translation>Le type d’épisode doit être full, trailer ou bonus.</translation>
    </message>
    <message>
        <source>The show type must be episodic or serial.</source>
        <translation>Le type d’émission doit être episodic ou serial.</translation>
    </message>
    <message>
        <source>itunes:block and itunes:complete take &quot;Yes&quot;, or &quot;No&quot;.</source>
        <translation>itunes:block et itunes:complete prennent « Yes » ou « No ».</translation>
    </message>
    <message>
        <source>podcast:guid must be a UUID such as &quot;ead4c236-bf58-58c6-a2c6-a6b28d128cb6&quot;.</source>
        <translation>podcast:guid doit être un UUID comme « ead4c236-bf58-58c6-a2c6-a6b28d128cb6 ».</translation>
    </message>
    <message>
        <source>podcast:locked must be &quot;yes&quot; or &quot;no&quot;.</source>
        <translation>podcast:locked doit valoir « yes » ou « no ».</translation>
    </message>
    <message>
        <source>Podcast tags should link with https addresses.</source>
        <translation>Les balises de podcast devraient lier des adresses https.</translation>
    </message>
    <message>
        <source>The namespace address is close to the podcast or iTunes namespace but not it; readers will not know the tags.</source>
        <translation>L’adresse de l’espace de noms ressemble à celle de podcast ou d’iTunes sans l’être ; les lecteurs ne connaîtront pas les balises.</translation>
    </message>
    <message>
        <source>The podcast namespace has no such tag.</source>
        <translation>L’espace de noms podcast n’a pas cette balise.</translation>
    </message>
    <message>
        <source>This podcast tag does not belong in this element.</source>
        <translation>Cette balise de podcast n’a pas sa place dans cet élément.</translation>
    </message>
    <message>
        <source>The podcast tag lacks an attribute it requires.</source>
        <translation>Il manque à la balise de podcast un attribut obligatoire.</translation>
    </message>
    <message>
        <source>The podcast tag lacks an element it requires inside it.</source>
        <translation>Il manque à la balise de podcast un élément obligatoire à l’intérieur.</translation>
    </message>
    <message>
        <source>The podcast tag needs a value; it is empty.</source>
        <translation>La balise de podcast doit avoir une valeur ; elle est vide.</translation>
    </message>
    <message>
        <source>The value is longer than podcast apps show; they may cut it.</source>
        <translation>La valeur est plus longue que ce qu’affichent les applications de podcast ; elles peuvent la couper.</translation>
    </message>
    <message>
        <source>The value is not one this podcast tag takes.</source>
        <translation>Cette balise de podcast n’accepte pas cette valeur.</translation>
    </message>
    <message>
        <source>Few podcast apps know this value.</source>
        <translation>Peu d’applications de podcast connaissent cette valeur.</translation>
    </message>
    <message>
        <source>Not a podcast GUID, a UUID such as &quot;917393e3-1b1e-5cef-ace4-edaa54e1f810&quot;.</source>
        <translation>Pas un GUID de podcast, un UUID comme « 917393e3-1b1e-5cef-ace4-edaa54e1f810 ».</translation>
    </message>
    <message>
        <source>Not an ISO 8601 date and time such as &quot;2021-09-26T07:30:00-06:00&quot;.</source>
        <translation>Pas une date et heure ISO 8601 comme « 2021-09-26T07:30:00-06:00 ».</translation>
    </message>
    <message>
        <source>Not a number of the form this podcast tag asks for.</source>
        <translation>Pas un nombre de la forme que demande cette balise de podcast.</translation>
    </message>
    <message>
        <source>A time must be seconds, such as &quot;73&quot; or &quot;1234.5&quot;.</source>
        <translation>Une durée doit être en secondes, comme « 73 » ou « 1234.5 ».</translation>
    </message>
    <message>
        <source>A podcast gives its own address (atom:link rel=&quot;self&quot;); PSP-1 requires it.</source>
        <translation>Un podcast donne sa propre adresse (atom:link rel=&quot;self&quot;) ; PSP-1 l’exige.</translation>
    </message>
    <message>
        <source>The podcast has no artwork: podcast directories require an itunes:image with an href.</source>
        <translation>Le podcast n’a pas d’illustration : les annuaires de podcasts exigent un itunes:image avec un href.</translation>
    </message>
    <message>
        <source>The podcast has no language; podcast directories require one.</source>
        <translation>Le podcast n’a pas de langue ; les annuaires de podcasts en exigent une.</translation>
    </message>
    <message>
        <source>The podcast has no itunes:category; podcast directories require one.</source>
        <translation>Le podcast n’a pas d’itunes:category ; les annuaires de podcasts en exigent une.</translation>
    </message>
    <message>
        <source>The podcast has no itunes:explicit; podcast directories require &quot;true&quot; or &quot;false&quot;.</source>
        <translation>Le podcast n’a pas d’itunes:explicit ; les annuaires de podcasts exigent « true » ou « false ».</translation>
    </message>
    <message>
        <source>Apple Podcasts takes a show description of at most 4000 bytes.</source>
        <translation>Apple Podcasts accepte une description d’émission d’au plus 4000 octets.</translation>
    </message>
    <message>
        <source>The episode has no title; podcast directories require one.</source>
        <translation>L’épisode n’a pas de titre ; les annuaires de podcasts en exigent un.</translation>
    </message>
    <message>
        <source>The episode has no enclosure, the media file podcast apps play.</source>
        <translation>L’épisode n’a pas de pièce jointe, le fichier média que lisent les applications de podcast.</translation>
    </message>
    <message>
        <source>The episode has no guid; PSP-1 requires one so that apps do not download it again.</source>
        <translation>L’épisode n’a pas de guid ; PSP-1 en exige un pour que les applications ne le téléchargent pas de nouveau.</translation>
    </message>
    <message>
        <source>PSP-1 recommends podcast:locked, which tells other platforms whether they may import the feed.</source>
        <translation>PSP-1 recommande podcast:locked, qui indique aux autres plateformes si elles peuvent importer le flux.</translation>
    </message>
    <message>
        <source>PSP-1 recommends podcast:guid, the podcast&apos;s identity that stays when its address moves.</source>
        <translation>PSP-1 recommande podcast:guid, l’identité du podcast qui reste quand son adresse change.</translation>
    </message>
    <message>
        <source>Apple Podcasts takes artwork as a JPEG or PNG file (.jpg or .png).</source>
        <translation>Apple Podcasts accepte les illustrations au format JPEG ou PNG (.jpg ou .png).</translation>
    </message>
    <message>
        <source>Apple Podcasts takes square artwork from 1400 x 1400 to 3000 x 3000 pixels.</source>
        <translation>Apple Podcasts accepte des illustrations carrées de 1400 x 1400 à 3000 x 3000 pixels.</translation>
    </message>
    <message>
        <source>Apple Podcasts takes artwork in the RGB colour space, not greyscale or CMYK.</source>
        <translation>Apple Podcasts accepte les illustrations dans l’espace colorimétrique RVB, pas en niveaux de gris ni en CMJN.</translation>
    </message>
    <message>
        <source>The artwork file cannot be read, so its size and colours are not checked.</source>
        <translation>Le fichier d’illustration ne peut pas être lu ; sa taille et ses couleurs ne sont donc pas vérifiées.</translation>
    </message>
    <message>
        <source>The feed&apos;s own address (atom:link rel=&quot;self&quot;) is its web site&apos;s; it should be the address of the feed file.</source>
        <translation>L’adresse propre du flux (atom:link rel=&quot;self&quot;) est celle de son site web ; ce devrait être l’adresse du fichier du flux.</translation>
    </message>
    <message>
        <source>An attribute from another vocabulary on an element of RSS; readers ignore it.</source>
        <translation>Un attribut d’un autre vocabulaire sur un élément RSS ; les lecteurs l’ignorent.</translation>
    </message>
    <message>
        <source>RSS gives this element no such attribute; readers ignore it.</source>
        <translation>RSS ne donne pas cet attribut à cet élément ; les lecteurs l’ignorent.</translation>
    </message>
    <message>
        <source>The address holds characters outside ASCII; write them percent-encoded, as %C3%A9, and a host in its &quot;xn--&quot; form.</source>
        <translation>L’adresse contient des caractères hors ASCII ; écrivez-les encodés en pourcent, comme %C3%A9, et l’hôte sous sa forme « xn-- ».</translation>
    </message>
    <message>
        <source>This plain text holds a &quot;&lt;&quot; that a reader showing it as HTML takes for the start of a tag, hiding what follows; write it as &amp;#x3C;.</source>
        <translation>Ce texte brut contient un « &lt; » qu’un lecteur qui l’affiche en HTML prend pour le début d’une balise, ce qui cache la suite ; écrivez-le &amp;#x3C;.</translation>
    </message>
    <message>
        <source>Few readers show a text input; most ignore it.</source>
        <translation>Peu de lecteurs affichent une saisie de texte ; la plupart l’ignorent.</translation>
    </message>
    <message>
        <source>The number of comments (slash:comments) must be a whole number, 0 or more.</source>
        <translation>Le nombre de commentaires (slash:comments) doit être un nombre entier, 0 ou plus.</translation>
    </message>
    <message>
        <source>The description holds a tag that readers remove as a risk (embed, object, meta, style and the like).</source>
        <translation>La description contient une balise que les lecteurs suppriment par sécurité (embed, object, meta, style et autres).</translation>
    </message>
    <message>
        <source>The podcast namespace recommends this attribute; apps use it to show the tag well.</source>
        <translation>L’espace de noms podcast recommande cet attribut ; les applications s’en servent pour bien afficher la balise.</translation>
    </message>
    <message>
        <source>The podcast namespace has retired this tag in favour of another.</source>
        <translation>L’espace de noms podcast a retiré cette balise au profit d’une autre.</translation>
    </message>
    <message>
        <source>Apple Podcasts asks for &quot;true&quot; or &quot;false&quot; here, not yes, no or clean.</source>
        <translation>Apple Podcasts demande ici « true » ou « false », pas yes, no ou clean.</translation>
    </message>
</context>
<context>
    <name>CFetchTitleFromURL</name>
    <message>
        <source>The page has no title.</source>
        <translation>La page n’a pas de titre.</translation>
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
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Plus d’outils</translation>
    </message>
</context>
<context>
    <name>CHyperlinkDlg</name>
    <message>
        <source>Insert Hyperlink</source>
        <translation>Insérer un lien</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL :</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Cible :</translation>
    </message>
    <message>
        <source>Looking up the page&apos;s title…</source>
        <translation>Recherche du titre de la page…</translation>
    </message>
    <message>
        <source>No title: %1</source>
        <translation>Pas de titre : %1</translation>
    </message>
</context>
<context>
    <name>CImageDlg</name>
    <message>
        <source>Insert Image</source>
        <translation>Insérer une image</translation>
    </message>
    <message>
        <source>Type the image&apos;s address here (required)</source>
        <translation>Saisissez ici l’adresse de l’image (obligatoire)</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Type the text shown in its place here</source>
        <translation>Saisissez ici le texte affiché à sa place</translation>
    </message>
    <message>
        <source>Width in pixels (optional)</source>
        <translation>Largeur en pixels (facultatif)</translation>
    </message>
    <message>
        <source>Height in pixels (optional)</source>
        <translation>Hauteur en pixels (facultatif)</translation>
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
        <source>text on left</source>
        <translation>texte à gauche</translation>
    </message>
    <message>
        <source>text on right</source>
        <translation>texte à droite</translation>
    </message>
    <message>
        <source>See image sample here</source>
        <translation>Aperçu de l’image ici</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.gif *.webp *.svg);;All files (*)</source>
        <translation>Images (*.png *.jpg *.jpeg *.gif *.webp *.svg);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>CLiveItemFields</name>
    <message>
        <source>Live stream</source>
        <translation>Diffusion en direct</translation>
    </message>
    <message>
        <source>St&amp;atus:</source>
        <translation>St&amp;atut :</translation>
    </message>
    <message>
        <source>Sta&amp;rt:</source>
        <translation>&amp;Heure de début :</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Heure de fin :</translation>
    </message>
    <message>
        <source>Add the time zone, e.g. %1Z or %1+01:00</source>
        <translation>Ajoutez le fuseau horaire, par exemple %1Z ou %1+01:00</translation>
    </message>
    <message>
        <source>Not a date and time like 2026-12-24T18:00:00+01:00</source>
        <translation>Pas une date et heure comme 2026-12-24T18:00:00+01:00</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>p. ex. %1</translation>
    </message>
</context>
<context>
    <name>CLocalFolder</name>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>The file could not be written: %1.</source>
        <translation>Le fichier n’a pas pu être écrit : %1.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
</context>
<context>
    <name>CLocationOpener</name>
    <message>
        <source>&quot;%1&quot; is not the web address of a feed. It starts with https:// or http://.</source>
        <translation>« %1 » n’est pas l’adresse web d’un flux. Elle commence par https:// ou http://.</translation>
    </message>
    <message>
        <source>Downloading %1…</source>
        <translation>Téléchargement de %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open Location</source>
        <translation>Ouvrir une adresse</translation>
    </message>
    <message>
        <source>Downloading %1…
%2 kB received</source>
        <translation>Téléchargement de %1…
%2 ko reçus</translation>
    </message>
    <message>
        <source>Cannot open %1.

%2</source>
        <translation>Impossible d’ouvrir %1.

%2</translation>
    </message>
    <message>
        <source>The owner of this podcast has locked it against moving to another host (podcast:locked is &quot;yes&quot;). Directories will not take it from a new address until the owner unlocks it.

You can still edit it and keep a copy.</source>
        <translation>Le propriétaire de ce podcast l’a verrouillé contre un déplacement vers un autre hébergeur (podcast:locked vaut « yes »). Les annuaires ne l’accepteront pas depuis une nouvelle adresse tant que le propriétaire ne l’aura pas déverrouillé.

Vous pouvez quand même le modifier et en garder une copie.</translation>
    </message>
</context>
<context>
    <name>CLockKeyIndicators</name>
    <message>
        <source>Caps Lock</source>
        <translation>Verr. Maj</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Verr. Num</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Arrêt défil</translation>
    </message>
    <message>
        <source>%1: not known on this display</source>
        <translation>%1 : inconnu sur cet affichage</translation>
    </message>
    <message>
        <source>%1 is on</source>
        <translation>%1 est activé</translation>
    </message>
    <message>
        <source>%1 is off</source>
        <translation>%1 est désactivé</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>The preferences could not be written to
%1</source>
        <translation>Les préférences n’ont pas pu être écrites dans
%1</translation>
    </message>
    <message>
        <source>No web browser could be started to show
%1

Open this address in a browser yourself.</source>
        <translation>Aucun navigateur web n’a pu être lancé pour afficher
%1

Ouvrez vous-même cette adresse dans un navigateur.</translation>
    </message>
    <message>
        <source>Publishing sends the saved file. Save %1 and publish it?</source>
        <translation>La publication envoie le fichier enregistré. Enregistrer %1 et le publier ?</translation>
    </message>
    <message>
        <source>Save and &amp;Publish</source>
        <translation>Enregistrer et &amp;publier</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertion</translation>
    </message>
    <message>
        <source>&amp;Posts</source>
        <translation>&amp;Articles</translation>
    </message>
    <message>
        <source>Fee&amp;d</source>
        <translation>F&amp;lux</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>O&amp;utils</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>&lt;as opened or saved&gt;</source>
        <translation>&lt;tel qu’ouvert ou enregistré&gt;</translation>
    </message>
    <message>
        <source>Undo History</source>
        <translation>Historique des modifications</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Ouvrir %1</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Plus d’outils</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
</context>
<context>
    <name>CMoveFeedDialog</name>
    <message>
        <source>Move Feed</source>
        <translation>Déplacer le flux</translation>
    </message>
    <message>
        <source>not known: the feed names no address of its own</source>
        <translation>inconnue : le flux n’indique pas sa propre adresse</translation>
    </message>
    <message>
        <source>Current address:</source>
        <translation>Adresse actuelle :</translation>
    </message>
    <message>
        <source>&amp;New address:</source>
        <translation>&amp;Nouvelle adresse :</translation>
    </message>
    <message>
        <source>The feed will name its new address in its atom:link rel=&quot;self&quot; and, for a podcast, in itunes:new-feed-url; a podcast&apos;s podcast:guid stays, so directories know it is the same podcast.

Publish the moved feed to both hosts, then have the old host answer the old address with a permanent redirect (HTTP 301) to the new one. Keep the redirect and itunes:new-feed-url for at least four weeks, better for good: some apps look at a feed seldom.</source>
        <translation>Le flux indiquera sa nouvelle adresse dans son atom:link rel=&quot;self&quot; et, pour un podcast, dans itunes:new-feed-url ; le podcast:guid d’un podcast reste le même, pour que les annuaires sachent qu’il s’agit du même podcast.

Publiez le flux déplacé sur les deux hébergeurs, puis faites répondre l’ancien hébergeur à l’ancienne adresse par une redirection permanente (HTTP 301) vers la nouvelle. Gardez la redirection et itunes:new-feed-url au moins quatre semaines, mieux encore pour toujours : certaines applications consultent rarement un flux.</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Déplacer</translation>
    </message>
</context>
<context>
    <name>COtherElementsList</name>
    <message>
        <source>Element</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>Other elements</source>
        <translation>Autres éléments</translation>
    </message>
    <message>
        <source>Elements these fields do not edit; they are kept as they are</source>
        <translation>Éléments que ces champs ne modifient pas ; ils sont gardés tels quels</translation>
    </message>
</context>
<context>
    <name>CPodcastFields</name>
    <message>
        <source>Not a role of the Podcast Taxonomy Project</source>
        <translation>Pas un rôle du Podcast Taxonomy Project</translation>
    </message>
    <message>
        <source>Not a group of the Podcast Taxonomy Project</source>
        <translation>Pas un groupe du Podcast Taxonomy Project</translation>
    </message>
    <message>
        <source>A recurrence rule names its frequency, like FREQ=WEEKLY</source>
        <translation>Une règle de récurrence indique sa fréquence, comme FREQ=WEEKLY</translation>
    </message>
    <message>
        <source>Persons</source>
        <translation>Personnes</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rôle</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Lieux</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lieu</translation>
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
        <translation>Pays</translation>
    </message>
    <message>
        <source>Funding</source>
        <translation>Financement</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>License:</source>
        <translation>Licence :</translation>
    </message>
    <message>
        <source>An SPDX identifier like cc-by-4.0, or the name of your own</source>
        <translation>Un identifiant SPDX comme cc-by-4.0, ou le nom de la vôtre</translation>
    </message>
    <message>
        <source>License URL:</source>
        <translation>URL de la licence :</translation>
    </message>
    <message>
        <source>Value (payments while listening)</source>
        <translation>Value (paiements pendant l’écoute)</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Suggéré</translation>
    </message>
    <message>
        <source>Recipients of the selected value</source>
        <translation>Destinataires de la value sélectionnée</translation>
    </message>
    <message>
        <source>Start (s)</source>
        <translation>Début (s)</translation>
    </message>
    <message>
        <source>Duration (s)</source>
        <translation>Durée (s)</translation>
    </message>
    <message>
        <source>Remote start (s)</source>
        <translation>Début distant (s)</translation>
    </message>
    <message>
        <source>Remote %</source>
        <translation>% distant</translation>
    </message>
    <message>
        <source>Remote feed GUID</source>
        <translation>GUID du flux distant</translation>
    </message>
    <message>
        <source>Remote item GUID</source>
        <translation>GUID de l’item distant</translation>
    </message>
    <message>
        <source>Remote medium</source>
        <translation>Médium distant</translation>
    </message>
    <message>
        <source>Time splits of the selected value</source>
        <translation>Tranches de temps de la value sélectionnée</translation>
    </message>
    <message>
        <source>Recipients of the selected time split</source>
        <translation>Destinataires de la tranche sélectionnée</translation>
    </message>
    <message>
        <source>Social interaction</source>
        <translation>Interaction sociale</translation>
    </message>
    <message>
        <source>Root post URI</source>
        <translation>URI de la publication d’origine</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocole</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Account URL</source>
        <translation>URL du compte</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorité</translation>
    </message>
    <message>
        <source>Text records (txt)</source>
        <translation>Enregistrements de texte (txt)</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>Chat server:</source>
        <translation>Serveur de chat :</translation>
    </message>
    <message>
        <source>Chat protocol:</source>
        <translation>Protocole de chat :</translation>
    </message>
    <message>
        <source>Chat account:</source>
        <translation>Compte de chat :</translation>
    </message>
    <message>
        <source>Chat space:</source>
        <translation>Espace de chat :</translation>
    </message>
    <message>
        <source>Images (podcast:image)</source>
        <translation>Images (podcast:image)</translation>
    </message>
    <message>
        <source>Alt text</source>
        <translation>Texte alternatif</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Rapport largeur/hauteur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Update frequency:</source>
        <translation>Fréquence de mise à jour :</translation>
    </message>
    <message>
        <source>In words, like Every other Monday</source>
        <translation>En mots, comme Un lundi sur deux</translation>
    </message>
    <message>
        <source>Recurrence rule:</source>
        <translation>Règle de récurrence :</translation>
    </message>
    <message>
        <source>Rule starts:</source>
        <translation>Début de la règle :</translation>
    </message>
    <message>
        <source>Complete:</source>
        <translation>Terminé :</translation>
    </message>
    <message>
        <source>Publisher feed GUID:</source>
        <translation>GUID du flux de l’éditeur :</translation>
    </message>
    <message>
        <source>Publisher feed URL:</source>
        <translation>URL du flux de l’éditeur :</translation>
    </message>
    <message>
        <source>Publisher medium:</source>
        <translation>Médium de l’éditeur :</translation>
    </message>
    <message>
        <source>Podroll (recommended podcasts)</source>
        <translation>Podroll (podcasts recommandés)</translation>
    </message>
    <message>
        <source>Remote items</source>
        <translation>Items distants</translation>
    </message>
    <message>
        <source>Trailers</source>
        <translation>Bandes-annonces</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Saison</translation>
    </message>
    <message>
        <source>Blocked platforms</source>
        <translation>Plateformes bloquées</translation>
    </message>
    <message>
        <source>Platform (empty: all)</source>
        <translation>Plateforme (vide : toutes)</translation>
    </message>
    <message>
        <source>Blocked</source>
        <translation>Bloqué</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Chapitres :</translation>
    </message>
    <message>
        <source>Chapters type:</source>
        <translation>Type des chapitres :</translation>
    </message>
    <message>
        <source>Transcripts</source>
        <translation>Transcriptions</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Soundbites</source>
        <translation>Extraits</translation>
    </message>
    <message>
        <source>Alternate enclosures</source>
        <translation>Pièces jointes alternatives</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Codecs</source>
        <translation>Codecs</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Integrity type</source>
        <translation>Type d’intégrité</translation>
    </message>
    <message>
        <source>Integrity value</source>
        <translation>Valeur d’intégrité</translation>
    </message>
    <message>
        <source>Sources of the selected alternate enclosure</source>
        <translation>Sources de la pièce jointe alternative sélectionnée</translation>
    </message>
    <message>
        <source>Source URI</source>
        <translation>URI de la source</translation>
    </message>
    <message>
        <source>Content type</source>
        <translation>Type de contenu</translation>
    </message>
    <message>
        <source>Content links</source>
        <translation>Liens de contenu</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Frais</translation>
    </message>
    <message>
        <source>Custom key</source>
        <translation>Clé personnalisée</translation>
    </message>
    <message>
        <source>Custom value</source>
        <translation>Valeur personnalisée</translation>
    </message>
    <message>
        <source>Feed GUID</source>
        <translation>GUID du flux</translation>
    </message>
    <message>
        <source>Feed URL</source>
        <translation>URL du flux</translation>
    </message>
    <message>
        <source>Item GUID</source>
        <translation>GUID de l’item</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médium</translation>
    </message>
</context>
<context>
    <name>CPodcastValues</name>
    <message>
        <source>Not a time in seconds like 73.0 or 1234.5</source>
        <translation>Pas une durée en secondes comme 73.0 ou 1234.5</translation>
    </message>
    <message>
        <source>Not a number like 3 or 315.5</source>
        <translation>Pas un nombre comme 3 ou 315.5</translation>
    </message>
    <message>
        <source>Not an ISO 8601 date like 2023-08-28T00:00:00.000Z</source>
        <translation>Pas une date ISO 8601 comme 2023-08-28T00:00:00.000Z</translation>
    </message>
    <message>
        <source>Not a UUID like 917393e3-1b1e-5cef-ace4-edaa54e1f810</source>
        <translation>Pas un UUID comme 917393e3-1b1e-5cef-ace4-edaa54e1f810</translation>
    </message>
    <message>
        <source>Not a place like geo:30.2672,97.7431</source>
        <translation>Pas un lieu comme geo:30.2672,97.7431</translation>
    </message>
    <message>
        <source>Not an OpenStreetMap object like R113314 or W43678282</source>
        <translation>Pas un objet OpenStreetMap comme R113314 ou W43678282</translation>
    </message>
    <message>
        <source>Not a percentage from 0 to 100</source>
        <translation>Pas un pourcentage de 0 à 100</translation>
    </message>
    <message>
        <source>Not one of: %1</source>
        <translation>Pas l’une des valeurs : %1</translation>
    </message>
    <message>
        <source>Not a two-letter country code like US or DE</source>
        <translation>Pas un code de pays à deux lettres comme US ou DE</translation>
    </message>
    <message>
        <source>Not an aspect ratio like 16/9 or 1.9</source>
        <translation>Pas un rapport d’aspect comme 16/9 ou 1.9</translation>
    </message>
</context>
<context>
    <name>CPostCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>Delete this post?

&quot;%1&quot;</source>
        <translation>Supprimer cet article ?

« %1 »</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Discard the changes to %1 and reload it from the disk?</source>
        <translation>Abandonner les modifications de %1 et le recharger depuis le disque ?</translation>
    </message>
    <message>
        <source>&amp;Discard and Reload</source>
        <translation>&amp;Abandonner et recharger</translation>
    </message>
    <message>
        <source>Cannot reload %1.

%2

The feed stays as it was.</source>
        <translation>Impossible de recharger %1.

%2

Le flux reste tel qu’il était.</translation>
    </message>
    <message>
        <source>No program could be started to show folders.</source>
        <translation>Aucun programme n’a pu être lancé pour afficher les dossiers.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Le dossier n’existe pas.</translation>
    </message>
    <message>
        <source>Cannot open directory %1 %2</source>
        <translation>Impossible d’ouvrir le dossier %1. %2</translation>
    </message>
    <message>
        <source>Skipped %1. %2</source>
        <translation>%1 ignoré. %2</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Episode(s)</source>
        <translation>
            <numerusform>Ajouter %n épisode</numerusform>
            <numerusform>Ajouter %n épisodes</numerusform>
        </translation>
    </message>
    <message>
        <source>This feed&apos;s publish settings give no media address, so the episodes&apos; enclosures cannot get their web addresses.

Add them with addresses relative to the feed, to be completed later? To set the media address first, cancel and choose File &gt; Publish Settings.</source>
        <translation>Les paramètres de publication de ce flux ne donnent pas d’adresse des médias : les pièces jointes des épisodes ne peuvent donc pas recevoir leur adresse web.

Les ajouter avec des adresses relatives au flux, à compléter plus tard ? Pour régler d’abord l’adresse des médias, annulez et choisissez Fichier &gt; Paramètres de publication.</translation>
    </message>
    <message>
        <source>&amp;Add Anyway</source>
        <translation>&amp;Ajouter quand même</translation>
    </message>
</context>
<context>
    <name>CPostRowDelegate</name>
    <message>
        <source>Post title</source>
        <translation>Titre de l’article</translation>
    </message>
    <message>
        <source>Enter keeps the new title, Escape drops it</source>
        <translation>Enter garde le nouveau titre, Escape l’abandonne</translation>
    </message>
</context>
<context>
    <name>CPostsListCtrl</name>
    <message>
        <source>No items</source>
        <translation>Aucun article</translation>
    </message>
</context>
<context>
    <name>CPostsModel</name>
    <message>
        <source>Posts - Press Ctrl+F for filtering</source>
        <translation>Articles – Ctrl+F pour filtrer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Rename Post</source>
        <translation>Renommer l’article</translation>
    </message>
    <message>
        <source>Stream starts %1</source>
        <translation>Direct prévu : %1</translation>
    </message>
    <message>
        <source>Live now, since %1</source>
        <translation>En direct depuis %1</translation>
    </message>
    <message>
        <source>Stream ended, began %1</source>
        <translation>Direct terminé, début : %1</translation>
    </message>
    <message>
        <source>Stream (%1) at %2</source>
        <translation>Direct (%1) : %2</translation>
    </message>
    <message>
        <source>Live item, %1: %2 to %3</source>
        <translation>Article en direct, %1 : de %2 à %3</translation>
    </message>
    <message>
        <source>No title</source>
        <translation>Pas de titre</translation>
    </message>
    <message>
        <source>No date</source>
        <translation>Pas de date</translation>
    </message>
    <message>
        <source>Unreadable date: %1</source>
        <translation>Date illisible : %1</translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>&amp;Add a footer under the description of every post I edit</source>
        <translation>&amp;Ajouter un pied de page sous la description de chaque article que je modifie</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>&amp;Default Text</source>
        <translation>Texte par &amp;défaut</translation>
    </message>
    <message>
        <source>The footer is added when a post&apos;s description is stored, unless the description ends with one already.</source>
        <translation>Le pied de page est ajouté quand la description d’un article est enregistrée, sauf si elle se termine déjà par un pied de page.</translation>
    </message>
    <message>
        <source>Footer &amp;text:</source>
        <translation>&amp;Texte du pied de page :</translation>
    </message>
    <message>
        <source>Post footer</source>
        <translation>Pied de page des articles</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Suivre le bureau</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation>&amp;Couleurs :</translation>
    </message>
</context>
<context>
    <name>CPublishCommand</name>
    <message>
        <source>%1: file %2 of %3, %4% sent</source>
        <translation>%1 : fichier %2 sur %3, %4 % envoyé</translation>
    </message>
    <message>
        <source>--to %1: %2</source>
        <translation>--to %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n’est pas un fichier.</translation>
    </message>
    <message>
        <source>The feed check found errors in %1; nothing was sent:</source>
        <translation>La vérification du flux a trouvé des erreurs dans %1 ; rien n’a été envoyé :</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
</context>
<context>
    <name>CPublishProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop publishing; the feed on the server stays as it was</source>
        <translation>Arrêter la publication ; le flux sur le serveur reste tel qu’il était</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>Publishing to %1…</source>
        <translation>Publication sur %1…</translation>
    </message>
    <message>
        <source>File %1 of %2, %3 of %4</source>
        <translation>Fichier %1 sur %2, %3 sur %4</translation>
    </message>
</context>
<context>
    <name>CPublishSettingsDialog</name>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <source>Switch plain FTP to &amp;TLS (STARTTLS) before logging in</source>
        <translation>Passer le FTP simple en &amp;TLS (STARTTLS) avant la connexion</translation>
    </message>
    <message>
        <source>B&amp;rowse…</source>
        <translation>Pa&amp;rcourir…</translation>
    </message>
    <message>
        <source>Publish Settings — %1</source>
        <translation>Paramètres de publication — %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Key file</source>
        <translation>Fichier de clé</translation>
    </message>
    <message>
        <source>SSH agent</source>
        <translation>Agent SSH</translation>
    </message>
    <message>
        <source>the feed&apos;s folder</source>
        <translation>le dossier du flux</translation>
    </message>
    <message>
        <source>&amp;Upload to:</source>
        <translation>&amp;Envoyer vers :</translation>
    </message>
    <message>
        <source>U&amp;ser:</source>
        <translation>&amp;Utilisateur :</translation>
    </message>
    <message>
        <source>SFTP si&amp;gns in with:</source>
        <translation>Connexion &amp;SFTP par :</translation>
    </message>
    <message>
        <source>SSH &amp;key file:</source>
        <translation>Fichier de &amp;clé SSH :</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>&amp;Media address:</source>
        <translation>Adresse des &amp;médias :</translation>
    </message>
    <message>
        <source>Media &amp;folder:</source>
        <translation>&amp;Dossier des médias :</translation>
    </message>
    <message>
        <source>Optional. Enclosures whose address starts with the media address are uploaded beside the feed from the same place under the media folder, unless the server has them at the same size.</source>
        <translation>Facultatif. Les pièces jointes dont l’adresse commence par l’adresse des médias sont envoyées à côté du flux depuis le même emplacement sous le dossier des médias, sauf si le serveur les a déjà à la même taille.</translation>
    </message>
    <message>
        <source>Media files</source>
        <translation>Fichiers médias</translation>
    </message>
    <message>
        <source>Type the address the feed is uploaded to.</source>
        <translation>Saisissez l’adresse où le flux est envoyé.</translation>
    </message>
    <message>
        <source>The address has no server name after %1://.</source>
        <translation>L’adresse n’a pas de nom de serveur après %1://.</translation>
    </message>
    <message>
        <source>The address needs a path after the server name, such as /feed.xml.</source>
        <translation>L’adresse doit avoir un chemin après le nom du serveur, comme /feed.xml.</translation>
    </message>
    <message>
        <source>The media address must be a web address starting with http:// or https://.</source>
        <translation>L’adresse des médias doit être une adresse web commençant par http:// ou https://.</translation>
    </message>
    <message>
        <source>Key &amp;passphrase:</source>
        <translation>&amp;Phrase de passe de la clé :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>Media Folder</source>
        <translation>Dossier des médias</translation>
    </message>
    <message>
        <source>SSH Key File</source>
        <translation>Fichier de clé SSH</translation>
    </message>
    <message>
        <source>&amp;Name the bucket in the path (path-style), not in the host name</source>
        <translation>&amp;Nommer le bucket dans le chemin (path-style), pas dans le nom d’hôte</translation>
    </message>
    <message>
        <source>Let everyone read the uploaded files (public-read &amp;ACL)</source>
        <translation>Permettre à tous de lire les fichiers envoyés (&amp;ACL public-read)</translation>
    </message>
    <message>
        <source>Where subscribers read the feed: the address it was opened from or moved to</source>
        <translation>Où les abonnés lisent le flux : l’adresse d’où il a été ouvert ou vers laquelle il a été déplacé</translation>
    </message>
    <message>
        <source>Feed&apos;s &amp;web address:</source>
        <translation>Adresse &amp;web du flux :</translation>
    </message>
    <message>
        <source>S3 regi&amp;on:</source>
        <translation>Régi&amp;on S3 :</translation>
    </message>
    <message>
        <source>The address is the feed&apos;s on the server: sftp://, ftp://, ftps://, dav:// or davs:// for WebDAV over HTTP or HTTPS, s3://ENDPOINT/BUCKET/PREFIX/ for S3-compatible storage, or file:// for a folder on this computer. An address ending with / names a folder; the feed keeps its file name there. Media files go first and the feed last, so it never lists a file that is not there yet.</source>
        <translation>L’adresse est celle du flux sur le serveur : sftp://, ftp://, ftps://, dav:// ou davs:// pour WebDAV sur HTTP ou HTTPS, s3://POINT_DE_TERMINAISON/BUCKET/PRÉFIXE/ pour un stockage compatible S3, ou file:// pour un dossier de cet ordinateur. Une adresse finissant par / désigne un dossier ; le flux y garde son nom de fichier. Les fichiers médias partent d’abord et le flux en dernier, pour qu’il ne cite jamais un fichier qui n’est pas encore là.</translation>
    </message>
    <message>
        <source>Passwords, passphrases and secret keys are kept in the desktop&apos;s keyring, never in a settings file.</source>
        <translation>Les mots de passe, phrases de passe et clés secrètes sont gardés dans le trousseau de clés du bureau, jamais dans un fichier de paramètres.</translation>
    </message>
    <message>
        <source>The address must start with sftp://, ftp://, ftps://, dav://, davs://, s3:// or file://.</source>
        <translation>L’adresse doit commencer par sftp://, ftp://, ftps://, dav://, davs://, s3:// ou file://.</translation>
    </message>
    <message>
        <source>The address needs the bucket after the server name, such as /bucket/feed.xml.</source>
        <translation>L’adresse doit avoir le bucket après le nom du serveur, comme /bucket/feed.xml.</translation>
    </message>
    <message>
        <source>Access key &amp;ID:</source>
        <translation>&amp;ID de clé d’accès :</translation>
    </message>
    <message>
        <source>&amp;Secret access key:</source>
        <translation>C&amp;lé d’accès secrète :</translation>
    </message>
</context>
<context>
    <name>CRSSEditDoc</name>
    <message>
        <source>Edit Title</source>
        <translation>Modifier le titre</translation>
    </message>
    <message>
        <source>Edit Link</source>
        <translation>Modifier le lien</translation>
    </message>
    <message>
        <source>Edit Author</source>
        <translation>Modifier l’auteur</translation>
    </message>
    <message>
        <source>Edit Description</source>
        <translation>Modifier la description</translation>
    </message>
    <message>
        <source>Feed%1</source>
        <translation>Flux%1</translation>
    </message>
    <message>
        <source>Add Post</source>
        <translation>Ajouter un article</translation>
    </message>
    <message>
        <source>Duplicate Post</source>
        <translation>Dupliquer l’article</translation>
    </message>
    <message>
        <source>Delete Post</source>
        <translation>Supprimer l’article</translation>
    </message>
    <message>
        <source>Edit Channel %1</source>
        <translation>Modifier %1 du canal</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Turn Podcast On</source>
        <translation>Activer le podcast</translation>
    </message>
    <message>
        <source>Move Post to Top</source>
        <translation>Placer l’article en tête</translation>
    </message>
    <message>
        <source>Set Date to Now</source>
        <translation>Dater de maintenant</translation>
    </message>
    <message>
        <source>Add Live Item</source>
        <translation>Ajouter un article en direct</translation>
    </message>
    <message>
        <source>Listen live</source>
        <translation>Écouter en direct</translation>
    </message>
    <message>
        <source>Move Feed</source>
        <translation>Déplacer le flux</translation>
    </message>
</context>
<context>
    <name>CRSSEditView</name>
    <message>
        <source>Format Description</source>
        <translation>Mettre en forme la description</translation>
    </message>
    <message>
        <source>Tidrel editor</source>
        <translation>Éditeur Tidrel</translation>
    </message>
    <message>
        <source>Type RSS Item here (this area is editable and selectable)</source>
        <translation>Saisissez l’article RSS ici (cette zone est modifiable et sélectionnable)</translation>
    </message>
    <message>
        <source>Type RSS item title here…</source>
        <translation>Saisissez ici le titre de l’article RSS…</translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation>Mise en forme</translation>
    </message>
    <message>
        <source>Type description of RSS item here…</source>
        <translation>Saisissez ici la description de l’article RSS…</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Lien :</translation>
    </message>
    <message>
        <source>&lt;Enter link to article here...&gt;</source>
        <translation>&lt;Saisissez ici le lien vers l’article...&gt;</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Auteur :</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Strong emphasis</source>
        <translation>Forte emphase</translation>
    </message>
    <message>
        <source>Emphasis</source>
        <translation>Emphase</translation>
    </message>
    <message>
        <source>Strikethrough text</source>
        <translation>Texte barré</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Paragraphe</translation>
    </message>
    <message>
        <source>Header 1</source>
        <translation>Titre 1</translation>
    </message>
    <message>
        <source>Header 2</source>
        <translation>Titre 2</translation>
    </message>
    <message>
        <source>Header 3</source>
        <translation>Titre 3</translation>
    </message>
    <message>
        <source>Header 4</source>
        <translation>Titre 4</translation>
    </message>
    <message>
        <source>Block of plain text, &lt;pre&gt;</source>
        <translation>Bloc de texte brut, &lt;pre&gt;</translation>
    </message>
    <message>
        <source>Insert or edit hyperlink</source>
        <translation>Insérer ou modifier un lien</translation>
    </message>
    <message>
        <source>Insert or change properties image</source>
        <translation>Insérer une image ou modifier ses propriétés</translation>
    </message>
    <message>
        <source>List item, unordered list</source>
        <translation>Élément de liste à puces</translation>
    </message>
    <message>
        <source>List item, ordered list</source>
        <translation>Élément de liste numérotée</translation>
    </message>
    <message>
        <source>Decrease level of list item or un-quote</source>
        <translation>Diminuer le niveau de liste ou retirer la citation</translation>
    </message>
    <message>
        <source>Increase level of list item or quote</source>
        <translation>Augmenter le niveau de liste ou citer</translation>
    </message>
    <message>
        <source>Show/hide rulers</source>
        <translation>Afficher/masquer les règles</translation>
    </message>
    <message>
        <source>Cannot init HTML face</source>
        <translation>Impossible d’initialiser l’interface HTML</translation>
    </message>
    <message>
        <source>Remove Spans and Styles</source>
        <translation>Supprimer les SPAN et les styles</translation>
    </message>
    <message>
        <source>Remove Non-Breaking Spaces</source>
        <translation>Supprimer les espaces insécables</translation>
    </message>
    <message>
        <source>Current Object Tag: %1</source>
        <translation>Balise de l’objet courant : %1</translation>
    </message>
    <message>
        <source>Insert Hyperlink</source>
        <translation>Insérer un lien</translation>
    </message>
    <message>
        <source>Insert Image</source>
        <translation>Insérer une image</translation>
    </message>
    <message>
        <source>Post title</source>
        <translation>Titre de l’article</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Links of other posts</source>
        <translation>Liens des autres articles</translation>
    </message>
    <message>
        <source>Authors of other posts</source>
        <translation>Auteurs des autres articles</translation>
    </message>
</context>
<context>
    <name>CRemoteFolder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The server&apos;s host key is not known: %1.</source>
        <translation>La clé d’hôte du serveur est inconnue : %1.</translation>
    </message>
    <message>
        <source>Refused: the server&apos;s host key has changed (now %1). Someone may be listening in, or the server was set up anew.</source>
        <translation>Refusé : la clé d’hôte du serveur a changé (maintenant %1). Quelqu’un écoute peut-être, ou le serveur a été réinstallé.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>The server did not let the uploaded file take the old one&apos;s place.</source>
        <translation>Le serveur n’a pas laissé le fichier envoyé remplacer l’ancien.</translation>
    </message>
</context>
<context>
    <name>CRssFeed</name>
    <message>
        <source>New Item</source>
        <translation>Nouvel article</translation>
    </message>
    <message>
        <source>New Live Item</source>
        <translation>Nouvel article en direct</translation>
    </message>
</context>
<context>
    <name>CS3Folder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>The storage does not know the access key ID %1: check it.</source>
        <translation>Le stockage ne connaît pas l’ID de clé d’accès %1 : vérifiez-le.</translation>
    </message>
    <message>
        <source>The secret access key does not belong to the access key ID %1: check the secret.</source>
        <translation>La clé d’accès secrète ne correspond pas à l’ID de clé d’accès %1 : vérifiez la clé secrète.</translation>
    </message>
    <message>
        <source>There is no bucket %1 at %2: check the bucket&apos;s name and the endpoint.</source>
        <translation>Il n’y a pas de bucket %1 à %2 : vérifiez le nom du bucket et le point de terminaison.</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is too far from the storage&apos;s: set the clock right, for instance with automatic date and time.</source>
        <translation>L’horloge de cet ordinateur est trop éloignée de celle du stockage : remettez l’horloge à l’heure, par exemple avec la date et l’heure automatiques.</translation>
    </message>
    <message>
        <source>The storage refused the region %1: check the bucket&apos;s region.</source>
        <translation>Le stockage a refusé la région %1 : vérifiez la région du bucket.</translation>
    </message>
    <message>
        <source>The storage refused the key %1 access to bucket %2: check the key&apos;s permissions.</source>
        <translation>Le stockage a refusé à la clé %1 l’accès au bucket %2 : vérifiez les permissions de la clé.</translation>
    </message>
    <message>
        <source>The storage refused the request: %1 (%2).</source>
        <translation>Le stockage a refusé la requête : %1 (%2).</translation>
    </message>
    <message>
        <source>The storage answered with error %1.</source>
        <translation>Le stockage a répondu par l’erreur %1.</translation>
    </message>
</context>
<context>
    <name>CSecretStore</name>
    <message>
        <source>There is no keyring on this desktop: %1</source>
        <translation>Ce bureau n’a pas de trousseau : %1</translation>
    </message>
    <message>
        <source>There is no keyring: the desktop&apos;s session bus is not running.</source>
        <translation>Pas de trousseau : le bus de session du bureau ne fonctionne pas.</translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>Welcome To Tidrel</source>
        <translation>Bienvenue dans Tidrel</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Create new feed</source>
        <translation>Créer un nouveau flux</translation>
    </message>
    <message>
        <source>Open a feed…</source>
        <translation>Ouvrir un flux…</translation>
    </message>
    <message>
        <source>Recent Feeds</source>
        <translation>Flux récents</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Tidrel user guide</source>
        <translation>Guide de l’utilisateur de Tidrel</translation>
    </message>
    <message>
        <source>WWW</source>
        <translation>WWW</translation>
    </message>
    <message>
        <source>RSS 2.0 at the RSS Advisory Board</source>
        <translation>RSS 2.0 sur le site du RSS Advisory Board</translation>
    </message>
    <message>
        <source>W3C Feed Validation Service</source>
        <translation>Service de validation de flux du W3C</translation>
    </message>
    <message>
        <source>Qt WebEngine, the HTML engine of Tidrel</source>
        <translation>Qt WebEngine, le moteur HTML de Tidrel</translation>
    </message>
    <message>
        <source>Web links open in your web browser.</source>
        <translation>Les liens web s’ouvrent dans votre navigateur.</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new feed</source>
        <translation>Créer un nouveau flux</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open an existing feed</source>
        <translation>Ouvrir un flux existant</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the active feed</source>
        <translation>Fermer le flux actif</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the active feed</source>
        <translation>Enregistrer le flux actif</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Save the active feed with a new name</source>
        <translation>Enregistrer le flux actif sous un nouveau nom</translation>
    </message>
    <message>
        <source>P&amp;ublish</source>
        <translation>&amp;Publier</translation>
    </message>
    <message>
        <source>Upload the saved feed to its server or folder</source>
        <translation>Envoyer le flux enregistré sur son serveur ou dans son dossier</translation>
    </message>
    <message>
        <source>Publish Se&amp;ttings…</source>
        <translation>Paramètres de pu&amp;blication…</translation>
    </message>
    <message>
        <source>Choose where the feed is published and how to sign in</source>
        <translation>Choisir où le flux est publié et comment se connecter</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print the current post as the editor shows it</source>
        <translation>Imprimer l’article courant tel que l’éditeur l’affiche</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>Show the printout of the current post</source>
        <translation>Afficher l’impression de l’article courant</translation>
    </message>
    <message>
        <source>P&amp;rint Setup…</source>
        <translation>&amp;Mise en page…</translation>
    </message>
    <message>
        <source>Change the paper, orientation and margins of printouts</source>
        <translation>Changer le papier, l’orientation et les marges des impressions</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save feeds</source>
        <translation>Quitter l’application ; propose d’enregistrer les flux</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annuler la dernière action</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Make the last undone change again</source>
        <translation>Refaire la dernière modification annulée</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Couper la sélection et la placer dans le presse-papiers</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copier la sélection dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Insérer le contenu du presse-papiers</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select the entire description</source>
        <translation>Sélectionner toute la description</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>Make the selected text bold</source>
        <translation>Mettre le texte sélectionné en gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>Make the selected text italic</source>
        <translation>Mettre le texte sélectionné en italique</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>Underline the selected text</source>
        <translation>Souligner le texte sélectionné</translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>Strike through the selected text</source>
        <translation>Barrer le texte sélectionné</translation>
    </message>
    <message>
        <source>UL &amp;List</source>
        <translation>&amp;Liste UL</translation>
    </message>
    <message>
        <source>Make the paragraph an item of a bulleted list</source>
        <translation>Faire du paragraphe un élément de liste à puces</translation>
    </message>
    <message>
        <source>&amp;Remove SPAN and styles</source>
        <translation>&amp;Supprimer les SPAN et styles</translation>
    </message>
    <message>
        <source>Remove the span tags and inline styles of the description</source>
        <translation>Supprimer les balises span et les styles en ligne de la description</translation>
    </message>
    <message>
        <source>R&amp;emove &amp;&amp;nbsp;</source>
        <translation>Re&amp;tirer les &amp;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Turn the non-breaking spaces of the description into plain spaces</source>
        <translation>Remplacer les espaces insécables de la description par des espaces simples</translation>
    </message>
    <message>
        <source>Insert &amp;Test</source>
        <translation>Insérer un &amp;test</translation>
    </message>
    <message>
        <source>Show the tag of the element at the caret</source>
        <translation>Afficher la balise de l’élément au curseur</translation>
    </message>
    <message>
        <source>&amp;Hyperlink…</source>
        <translation>&amp;Lien…</translation>
    </message>
    <message>
        <source>Insert a hyperlink on the selection, or change the one at the caret</source>
        <translation>Insérer un lien sur la sélection, ou modifier celui au curseur</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>Insert an image, or change the one at the caret</source>
        <translation>Insérer une image, ou modifier celle au curseur</translation>
    </message>
    <message>
        <source>&amp;Add Post…</source>
        <translation>&amp;Ajouter un article…</translation>
    </message>
    <message>
        <source>Add new post</source>
        <translation>Ajouter un nouvel article</translation>
    </message>
    <message>
        <source>Re&amp;name Post…</source>
        <translation>Re&amp;nommer l’article…</translation>
    </message>
    <message>
        <source>Rename selected post</source>
        <translation>Renommer l’article sélectionné</translation>
    </message>
    <message>
        <source>&amp;Duplicate Post</source>
        <translation>&amp;Dupliquer l’article</translation>
    </message>
    <message>
        <source>Duplicate selected post</source>
        <translation>Dupliquer l’article sélectionné</translation>
    </message>
    <message>
        <source>Duplicate + Dele&amp;te</source>
        <translation>Dupliquer + &amp;supprimer</translation>
    </message>
    <message>
        <source>Duplicate selected post + delete origin</source>
        <translation>Dupliquer l’article sélectionné et supprimer l’original</translation>
    </message>
    <message>
        <source>&amp;Set Date to Now</source>
        <translation>&amp;Dater de maintenant</translation>
    </message>
    <message>
        <source>Date the selected post with the present time</source>
        <translation>Dater l’article sélectionné de l’heure actuelle</translation>
    </message>
    <message>
        <source>De&amp;lete Post…</source>
        <translation>Su&amp;pprimer l’article…</translation>
    </message>
    <message>
        <source>Delete selected post</source>
        <translation>Supprimer l’article sélectionné</translation>
    </message>
    <message>
        <source>Sort By &amp;Position</source>
        <translation>Trier par &amp;position</translation>
    </message>
    <message>
        <source>Sort the posts by their position in the feed</source>
        <translation>Trier les articles selon leur position dans le flux</translation>
    </message>
    <message>
        <source>Sort By T&amp;itle</source>
        <translation>Trier par t&amp;itre</translation>
    </message>
    <message>
        <source>Sort the posts by title</source>
        <translation>Trier les articles par titre</translation>
    </message>
    <message>
        <source>Sort By Date Cr&amp;eated</source>
        <translation>Trier par date de cr&amp;éation</translation>
    </message>
    <message>
        <source>Sort the posts by date created, newest first</source>
        <translation>Trier les articles par date de création, les plus récents d’abord</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>P&amp;récédent</translation>
    </message>
    <message>
        <source>Go back to the post shown before</source>
        <translation>Revenir à l’article affiché avant</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Go forward to the post shown before going back</source>
        <translation>Aller à l’article affiché avant le retour</translation>
    </message>
    <message>
        <source>&amp;Reload…</source>
        <translation>&amp;Recharger…</translation>
    </message>
    <message>
        <source>Reload the current feed from disk</source>
        <translation>Recharger le flux courant depuis le disque</translation>
    </message>
    <message>
        <source>&amp;Copy Title</source>
        <translation>&amp;Copier le titre</translation>
    </message>
    <message>
        <source>Copy the title of the selected post to the Clipboard</source>
        <translation>Copier le titre de l’article sélectionné dans le presse-papiers</translation>
    </message>
    <message>
        <source>Filterin&amp;g</source>
        <translation>&amp;Filtrer</translation>
    </message>
    <message>
        <source>Filter posts by title</source>
        <translation>Filtrer les articles par titre</translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Feed &amp;Properties…</source>
        <translation>&amp;Propriétés du flux…</translation>
    </message>
    <message>
        <source>Edit the channel of the feed: title, description, image, podcast tags and the other elements</source>
        <translation>Modifier le canal du flux : titre, description, image, balises de podcast et autres éléments</translation>
    </message>
    <message>
        <source>&amp;Copy RSS Feed</source>
        <translation>&amp;Copier le flux RSS</translation>
    </message>
    <message>
        <source>Copy entire RSS feed code in clipboard</source>
        <translation>Copier tout le code du flux RSS dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;W3C RSS Validator…</source>
        <translation>Validateur RSS du &amp;W3C…</translation>
    </message>
    <message>
        <source>Open the W3C feed validation service to check a pasted feed</source>
        <translation>Ouvrir le service de validation de flux du W3C pour vérifier un flux collé</translation>
    </message>
    <message>
        <source>Open &amp;Backup Folder</source>
        <translation>Ouvrir le dossier des &amp;sauvegardes</translation>
    </message>
    <message>
        <source>Open backup folder for RSS-feeds</source>
        <translation>Ouvrir le dossier des sauvegardes des flux RSS</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>Pré&amp;férences…</translation>
    </message>
    <message>
        <source>Choose whether edited posts get a footer, and its text</source>
        <translation>Choisir si les articles modifiés reçoivent un pied de page, et son texte</translation>
    </message>
    <message>
        <source>&amp;Check Feed</source>
        <translation>&amp;Vérifier le flux</translation>
    </message>
    <message>
        <source>Check the feed for problems and list them in the Problems pane</source>
        <translation>Vérifier le flux et lister les problèmes dans le panneau Problèmes</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d’outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Afficher ou masquer la barre d’outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d’état</translation>
    </message>
    <message>
        <source>RSS P&amp;osts</source>
        <translation>&amp;Articles RSS</translation>
    </message>
    <message>
        <source>Show or hide the RSS posts bar</source>
        <translation>Afficher ou masquer le panneau des articles RSS</translation>
    </message>
    <message>
        <source>Toggle Posts Bar</source>
        <translation>Afficher/masquer les articles</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>Aperç&amp;u</translation>
    </message>
    <message>
        <source>Show or hide the HTML-code preview</source>
        <translation>Afficher ou masquer l’aperçu du code HTML</translation>
    </message>
    <message>
        <source>Toggle Items Bar</source>
        <translation>Afficher/masquer l’aperçu</translation>
    </message>
    <message>
        <source>Post &amp;Details</source>
        <translation>&amp;Détails de l’article</translation>
    </message>
    <message>
        <source>Show or hide the pane with the date, guid, categories, enclosures and podcast tags of the post</source>
        <translation>Afficher ou masquer le panneau avec la date, le guid, les catégories, les pièces jointes et les balises de podcast de l’article</translation>
    </message>
    <message>
        <source>Undo &amp;History</source>
        <translation>&amp;Historique des modifications</translation>
    </message>
    <message>
        <source>Show or hide the list of changes to the active feed</source>
        <translation>Afficher ou masquer la liste des modifications du flux actif</translation>
    </message>
    <message>
        <source>P&amp;roblems</source>
        <translation>P&amp;roblèmes</translation>
    </message>
    <message>
        <source>Show or hide the list of the problems the last check found</source>
        <translation>Afficher ou masquer la liste des problèmes trouvés par la dernière vérification</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Arrange the feed windows so they overlap</source>
        <translation>Disposer les fenêtres de flux en cascade</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>Arrange the feed windows side by side</source>
        <translation>Disposer les fenêtres de flux côte à côte</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>S&amp;uivante</translation>
    </message>
    <message>
        <source>Activate the next feed window</source>
        <translation>Activer la fenêtre de flux suivante</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>Pré&amp;cédente</translation>
    </message>
    <message>
        <source>Activate the previous feed window</source>
        <translation>Activer la fenêtre de flux précédente</translation>
    </message>
    <message>
        <source>Tidrel &amp;Help</source>
        <translation>&amp;Aide de Tidrel</translation>
    </message>
    <message>
        <source>Show the user guide of Tidrel</source>
        <translation>Afficher le guide de l’utilisateur de Tidrel</translation>
    </message>
    <message>
        <source>About Qt &amp;WebEngine</source>
        <translation>À propos de Qt &amp;WebEngine</translation>
    </message>
    <message>
        <source>Open the home page of Qt WebEngine, the HTML engine of Tidrel, in the web browser</source>
        <translation>Ouvrir dans le navigateur la page d’accueil de Qt WebEngine, le moteur HTML de Tidrel</translation>
    </message>
    <message>
        <source>&amp;About Tidrel…</source>
        <translation>&amp;À propos de Tidrel…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations du programme, son numéro de version et son copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>New &amp;Episode from Audio…</source>
        <translation>Nouvel &amp;épisode depuis un fichier audio…</translation>
    </message>
    <message>
        <source>Add a podcast episode for each audio file chosen, from its tags</source>
        <translation>Ajouter un épisode de podcast pour chaque fichier audio choisi, à partir de ses balises</translation>
    </message>
    <message>
        <source>New Li&amp;ve Item</source>
        <translation>Nou&amp;vel article en direct</translation>
    </message>
    <message>
        <source>Add a live stream, pending, at the top of the posts</source>
        <translation>Ajouter un direct à venir (pending) en tête des articles</translation>
    </message>
    <message>
        <source>Open &amp;Location…</source>
        <translation>Ouvrir une a&amp;dresse…</translation>
    </message>
    <message>
        <source>Open a feed from its web address, to edit and keep a copy of</source>
        <translation>Ouvrir un flux depuis son adresse web, pour le modifier et en garder une copie</translation>
    </message>
    <message>
        <source>&amp;Move Feed…</source>
        <translation>&amp;Déplacer le flux…</translation>
    </message>
    <message>
        <source>Give the feed a new address and tell subscribers&apos; apps to follow it there</source>
        <translation>Donner au flux une nouvelle adresse et dire aux applications des abonnés de l’y suivre</translation>
    </message>
</context>
<context>
    <name>CreateFeedPage</name>
    <message>
        <source>Create RSS Feed</source>
        <translation>Créer un flux RSS</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Type category of feed here</source>
        <translation>Saisissez ici la catégorie du flux</translation>
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
        <source>The feed&apos;s name (required)</source>
        <translation>Le nom du flux (obligatoire)</translation>
    </message>
    <message>
        <source>Web site:</source>
        <translation>Site web :</translation>
    </message>
    <message>
        <source>https://… of the site the feed is for (required)</source>
        <translation>https://… du site web du flux (obligatoire)</translation>
    </message>
    <message>
        <source>Feed address:</source>
        <translation>Adresse du flux :</translation>
    </message>
    <message>
        <source>https://… the feed file is published at</source>
        <translation>https://… où le fichier du flux est publié</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>What the feed is about (required)</source>
        <translation>Le sujet du flux (obligatoire)</translation>
    </message>
    <message>
        <source>RSS requires a title, a web site and a description. The feed address, where readers find the feed when it moves, may wait until you know it. Empty fields are left out of the file.</source>
        <translation>RSS exige un titre, un site web et une description. L’adresse du flux, où les lecteurs retrouvent le flux quand il est déplacé, peut attendre que vous la connaissiez. Les champs vides ne sont pas écrits dans le fichier.</translation>
    </message>
</context>
<context>
    <name>FeedFileKind</name>
    <message>
        <source>This is %1; Tidrel edits RSS 2.0 feeds.</source>
        <translation>C’est %1 ; Tidrel modifie des flux RSS 2.0.</translation>
    </message>
    <message>
        <source>an HTML page</source>
        <translation>une page HTML</translation>
    </message>
    <message>
        <source>an Atom feed</source>
        <translation>un flux Atom</translation>
    </message>
    <message>
        <source>an RSS 1.0 feed</source>
        <translation>un flux RSS 1.0</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>une image PNG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>une image GIF</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>une image JPEG</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un document PDF</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>une archive ZIP</translation>
    </message>
    <message>
        <source>a gzip archive</source>
        <translation>une archive gzip</translation>
    </message>
    <message>
        <source>This is %1, not a text file; Tidrel edits RSS 2.0 feeds.</source>
        <translation>C’est %1, pas un fichier texte ; Tidrel modifie des flux RSS 2.0.</translation>
    </message>
    <message>
        <source>This is not a text file; Tidrel edits RSS 2.0 feeds.</source>
        <translation>Ce n’est pas un fichier texte ; Tidrel modifie des flux RSS 2.0.</translation>
    </message>
    <message>
        <source>This is not an RSS feed: its root element is &lt;%1&gt;, where an RSS 2.0 feed has &lt;rss&gt;. Tidrel edits RSS 2.0 feeds.</source>
        <translation>Ce n’est pas un flux RSS : son élément racine est &lt;%1&gt;, là où un flux RSS 2.0 a &lt;rss&gt;. Tidrel modifie des flux RSS 2.0.</translation>
    </message>
</context>
<context>
    <name>FeedParser</name>
    <message>
        <source>(line %1, column %2)</source>
        <translation>(ligne %1, colonne %2)</translation>
    </message>
    <message>
        <source>The file defines the entity &amp;%1; in its DOCTYPE. Tidrel reads only the five predefined entities and character references, so that a save writes back what it read and never fetches an external entity</source>
        <translation>Le fichier définit l’entité &amp;%1; dans son DOCTYPE. Tidrel ne lit que les cinq entités prédéfinies et les références de caractères, pour qu’un enregistrement réécrive ce qu’il a lu et ne récupère jamais d’entité externe</translation>
    </message>
    <message>
        <source>The file uses the entity &amp;%1;, which it does not define</source>
        <translation>Le fichier utilise l’entité &amp;%1;, qu’il ne définit pas</translation>
    </message>
    <message>
        <source>The file&apos;s encoding &quot;%1&quot; is not one Tidrel can read %2.</source>
        <translation>Tidrel ne sait pas lire l’encodage « %1 » du fichier %2.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML, or uses a four-byte GB18030 character, which Tidrel cannot edit in place %1.</source>
        <translation>Le fichier n’est pas du XML bien formé, ou utilise un caractère GB18030 sur quatre octets que Tidrel ne peut pas modifier sur place %1.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML: %1 %2.</source>
        <translation>Le fichier n’est pas du XML bien formé : %1 %2.</translation>
    </message>
</context>
<context>
    <name>FeedReader</name>
    <message>
        <source>This is a folder, not a feed file.</source>
        <translation>C’est un dossier, pas un fichier de flux.</translation>
    </message>
    <message>
        <source>Cannot open the file: %1</source>
        <translation>Impossible d’ouvrir le fichier : %1</translation>
    </message>
    <message>
        <source>Cannot read the file: %1</source>
        <translation>Impossible de lire le fichier : %1</translation>
    </message>
    <message>
        <source>The file is too large to edit (2 GiB or more).</source>
        <translation>Le fichier est trop gros pour être modifié (2 Gio ou plus).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>This is a device or a pipe, not a feed file.</source>
        <translation>C’est un périphérique ou un tube, pas un fichier de flux.</translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation>Le fichier a changé pendant sa lecture.</translation>
    </message>
</context>
<context>
    <name>FeedWriter</name>
    <message>
        <source>Cannot write the file: %1</source>
        <translation>Impossible d’écrire le fichier : %1</translation>
    </message>
</context>
<context>
    <name>PostFooter</name>
    <message>
        <source>This post created by Tidrel v%1…</source>
        <translation>Cet article a été créé avec Tidrel v%1…</translation>
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
        <translation>Les parenthèses de la date ne vont pas par paires.</translation>
    </message>
    <message>
        <source>The date holds a comment in parentheses, which many readers cannot read.</source>
        <translation>La date contient un commentaire entre parenthèses, que beaucoup de lecteurs ne savent pas lire.</translation>
    </message>
    <message>
        <source>Not a date in the form %1.</source>
        <translation>Pas une date de la forme %1.</translation>
    </message>
    <message>
        <source>The date has missing or extra spaces; write one space between its parts.</source>
        <translation>La date a des espaces en trop ou en moins ; mettez une espace entre ses parties.</translation>
    </message>
    <message>
        <source>Write &quot;%1&quot; as &quot;%2&quot;.</source>
        <translation>Écrivez « %1 » sous la forme « %2 ».</translation>
    </message>
    <message>
        <source>A comma must follow the day name (&quot;%1,&quot;).</source>
        <translation>Le nom du jour doit être suivi d’une virgule (« %1, »).</translation>
    </message>
    <message>
        <source>The year has %1 digits; write all four.</source>
        <translation>L’année a %1 chiffres ; écrivez les quatre.</translation>
    </message>
    <message>
        <source>Write the hour with two digits.</source>
        <translation>Écrivez l’heure avec deux chiffres.</translation>
    </message>
    <message>
        <source>The date has no time zone; end it with GMT or an offset such as +0000.</source>
        <translation>La date n’a pas de fuseau horaire ; terminez-la par GMT ou un décalage comme +0000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time zone; use GMT or an offset such as +0000.</source>
        <translation>« %1 » n’est pas un fuseau horaire ; utilisez GMT ou un décalage comme +0000.</translation>
    </message>
    <message>
        <source>The zone &quot;%1&quot; is a military letter that readers take differently; use GMT or an offset such as +0000.</source>
        <translation>Le fuseau « %1 » est une lettre militaire que les lecteurs interprètent différemment ; utilisez GMT ou un décalage comme +0000.</translation>
    </message>
    <message>
        <source>The zone offset %1 has more than 59 minutes.</source>
        <translation>Le décalage horaire %1 a plus de 59 minutes.</translation>
    </message>
    <message>
        <source>The zone offset %1%2 is not one any place uses.</source>
        <translation>Aucun lieu n’utilise le décalage horaire %1%2.</translation>
    </message>
    <message>
        <source>There is no day %1 in %2 %3.</source>
        <translation>Il n’y a pas de jour %1 en %2 %3.</translation>
    </message>
    <message>
        <source>The time of day is out of range.</source>
        <translation>L’heure est hors limites.</translation>
    </message>
    <message>
        <source>%1 %2 %3 is a %4, not a %5.</source>
        <translation>Le %1 %2 %3 est un %4, pas un %5.</translation>
    </message>
</context>
<context>
    <name>TitleFetchSteps</name>
    <message>
        <source>The network library could not start.</source>
        <translation>La bibliothèque réseau n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The address is not valid.</source>
        <translation>L’adresse n’est pas valide.</translation>
    </message>
    <message>
        <source>No temporary file could be made for the page.</source>
        <translation>Aucun fichier temporaire n’a pu être créé pour la page.</translation>
    </message>
    <message>
        <source>The page could not be saved: %1</source>
        <translation>La page n’a pas pu être enregistrée : %1</translation>
    </message>
</context>
<context>
    <name>ValueCheck</name>
    <message>
        <source>The date is in the future.</source>
        <translation>La date est dans le futur.</translation>
    </message>
    <message>
        <source>The date is before 1990, older than any feed.</source>
        <translation>La date est antérieure à 1990, plus ancienne que tout flux.</translation>
    </message>
    <message>
        <source>Add the person&apos;s name after the address: &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>Ajoutez le nom de la personne après l’adresse : « jo@example.org (Jo Smith) ».</translation>
    </message>
    <message>
        <source>RSS writes an e-mail address as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>RSS écrit une adresse e-mail sous la forme « jo@example.org (Jo Smith) ».</translation>
    </message>
    <message>
        <source>Not an e-mail address; write one as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>Pas une adresse e-mail ; écrivez-en une sous la forme « jo@example.org (Jo Smith) ».</translation>
    </message>
    <message>
        <source>Few readers can follow an address that starts &quot;%1&quot;; use http: or https:.</source>
        <translation>Peu de lecteurs savent suivre une adresse commençant par « %1 » ; utilisez http: ou https:.</translation>
    </message>
    <message>
        <source>The address holds a space; write a space in an address as %20.</source>
        <translation>L’adresse contient une espace ; dans une adresse, une espace s’écrit %20.</translation>
    </message>
    <message>
        <source>Not a full address; write it with its scheme and host, as &quot;https://example.org/page&quot;.</source>
        <translation>Pas une adresse complète ; écrivez-la avec son schéma et son hôte, comme « https://example.org/page ».</translation>
    </message>
    <message>
        <source>Write a whole number of %1 or more.</source>
        <translation>Saisissez un nombre entier supérieur ou égal à %1.</translation>
    </message>
    <message>
        <source>Write a whole number from %1 to %2.</source>
        <translation>Saisissez un nombre entier de %1 à %2.</translation>
    </message>
    <message>
        <source>Not a media type; write one such as &quot;audio/mpeg&quot; or &quot;video/mp4&quot;.</source>
        <translation>Pas un type de média ; saisissez-en un comme « audio/mpeg » ou « video/mp4 ».</translation>
    </message>
    <message>
        <source>The language is empty; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>La langue est vide ; saisissez un code de langue comme « en » ou « en-us ».</translation>
    </message>
    <message>
        <source>Not a language code; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>Pas un code de langue ; saisissez un code de langue comme « en » ou « en-us ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a known language; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>« %1 » n’est pas une langue connue ; saisissez un code de langue comme « en » ou « en-us ».</translation>
    </message>
</context>
</TS>
