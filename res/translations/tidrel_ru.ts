<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About Tidrel</source>
        <translation>О программе Tidrel</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tidrel developers</source>
        <translation>Copyright © 2026 Разработчики Tidrel</translation>
    </message>
    <message>
        <source>Tidrel version %1</source>
        <translation>Tidrel, версия %1</translation>
    </message>
    <message>
        <source>Release: %1 %2</source>
        <translation>Сборка: %1 %2</translation>
    </message>
</context>
<context>
    <name>CAudioEpisodes</name>
    <message>
        <source>%1 is outside the media folder %2: its address names the file alone, and publishing does not upload it.</source>
        <translation>%1 находится вне папки медиафайлов %2: его адрес содержит только имя файла, и при публикации он не загружается.</translation>
    </message>
    <message>
        <source>The cover of %1 could not be saved as %2: %3</source>
        <translation>Не удалось сохранить обложку %1 как %2: %3</translation>
    </message>
    <message>
        <source>The cover of %1, saved as %2, is %3 x %4 pixels%5; Apple Podcasts takes square RGB artwork from 1400 x 1400 to 3000 x 3000, so the episode shows the show&apos;s artwork.</source>
        <translation>Обложка %1, сохранённая как %2, имеет размер %3 x %4 пикселей%5; Apple Podcasts принимает квадратные обложки RGB от 1400 x 1400 до 3000 x 3000, поэтому эпизод показывает обложку передачи.</translation>
    </message>
    <message>
        <source> and not in RGB</source>
        <translation> и не в RGB</translation>
    </message>
</context>
<context>
    <name>CAudioTags</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Файл не существует.</translation>
    </message>
    <message>
        <source>It is not an audio file.</source>
        <translation>Это не аудиофайл.</translation>
    </message>
    <message>
        <source>It cannot be read as audio.</source>
        <translation>Его не удаётся прочитать как аудио.</translation>
    </message>
</context>
<context>
    <name>CBarCaption</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Close the pane</source>
        <translation>Закрыть панель</translation>
    </message>
</context>
<context>
    <name>CBarPostDetails</name>
    <message>
        <source>Not a play time like 1:02:03, 62:03 or 3723</source>
        <translation>Это не длительность вида 1:02:03, 62:03 или 3723</translation>
    </message>
    <message>
        <source>Post</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Дата:</translation>
    </message>
    <message>
        <source>&amp;GUID:</source>
        <translation>&amp;GUID:</translation>
    </message>
    <message>
        <source>GUID is a &amp;permalink:</source>
        <translation>GUID — &amp;постоянная ссылка:</translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation>&amp;Комментарии:</translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation>&amp;Источник:</translation>
    </message>
    <message>
        <source>Source &amp;URL:</source>
        <translation>&amp;URL источника:</translation>
    </message>
    <message>
        <source>Enclosures</source>
        <translation>Вложения</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Choose &amp;File…</source>
        <translation>Выбрать &amp;файл…</translation>
    </message>
    <message>
        <source>Fill the length and type (and a podcast&apos;s duration) from a media file</source>
        <translation>Заполнить размер и тип (и длительность подкаста) по медиафайлу</translation>
    </message>
    <message>
        <source>Fill from U&amp;RL</source>
        <translation>Заполнить по U&amp;RL</translation>
    </message>
    <message>
        <source>Ask the server for the length and type of the file at the URL</source>
        <translation>Запросить у сервера размер и тип файла по этому URL</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Домен</translation>
    </message>
    <message>
        <source>Other elements (kept as they are)</source>
        <translation>Другие элементы (сохраняются как есть)</translation>
    </message>
    <message>
        <source>Podcast episode</source>
        <translation>Эпизод подкаста</translation>
    </message>
    <message>
        <source>D&amp;uration:</source>
        <translation>Д&amp;лительность:</translation>
    </message>
    <message>
        <source>&amp;Episode:</source>
        <translation>&amp;Эпизод:</translation>
    </message>
    <message>
        <source>Seaso&amp;n:</source>
        <translation>Се&amp;зон:</translation>
    </message>
    <message>
        <source>Episode &amp;type:</source>
        <translation>&amp;Тип эпизода:</translation>
    </message>
    <message>
        <source>E&amp;xplicit:</source>
        <translation>Откровенное &amp;содержание:</translation>
    </message>
    <message>
        <source>&amp;Image:</source>
        <translation>&amp;Изображение:</translation>
    </message>
    <message>
        <source>&amp;Block:</source>
        <translation>&amp;Блокировка:</translation>
    </message>
    <message>
        <source>Index season:</source>
        <translation>Сезон (Index):</translation>
    </message>
    <message>
        <source>Index season name:</source>
        <translation>Название сезона (Index):</translation>
    </message>
    <message>
        <source>Index episode:</source>
        <translation>Эпизод (Index):</translation>
    </message>
    <message>
        <source>Index episode display:</source>
        <translation>Показ эпизода (Index):</translation>
    </message>
    <message>
        <source>License and chat</source>
        <translation>Лицензия и чат</translation>
    </message>
    <message>
        <source>Choose the Media File of the Enclosure</source>
        <translation>Выбор медиафайла вложения</translation>
    </message>
    <message>
        <source>Type the enclosure&apos;s URL first</source>
        <translation>Сначала введите URL вложения</translation>
    </message>
    <message>
        <source>Finding the length and type of %1…</source>
        <translation>Определение размера и типа %1…</translation>
    </message>
    <message>
        <source>Edit Chapters…</source>
        <translation>Изменить главы…</translation>
    </message>
</context>
<context>
    <name>CBarPreview</name>
    <message>
        <source>HTML code</source>
        <translation>HTML-код</translation>
    </message>
    <message>
        <source>The description of the post as HTML code; edits here change the post</source>
        <translation>Описание записи в виде HTML-кода; правки здесь меняют запись</translation>
    </message>
</context>
<context>
    <name>CBarProblems</name>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Post</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>%1 (line %2) [%3]</source>
        <translation>%1 (строка %2) [%3]</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Проблемы</translation>
    </message>
    <message>
        <source>The problems the last check found; Enter shows where one is</source>
        <translation>Проблемы, найденные последней проверкой; Enter показывает, где находится выбранная</translation>
    </message>
</context>
<context>
    <name>CBarRssItems</name>
    <message>
        <source>Feed Properties…</source>
        <translation>Свойства ленты…</translation>
    </message>
    <message>
        <source>Edit the feed&apos;s title, description, image and the other channel elements</source>
        <translation>Изменить заголовок, описание, изображение и другие элементы канала ленты</translation>
    </message>
    <message>
        <source>RSS Items</source>
        <translation>Записи RSS</translation>
    </message>
    <message>
        <source> [%1 of %2]</source>
        <translation> [%1 из %2]</translation>
    </message>
    <message>
        <source>&amp;Copy Title</source>
        <translation>&amp;Копировать заголовок</translation>
    </message>
    <message>
        <source>Posts</source>
        <translation>Записи</translation>
    </message>
    <message>
        <source>The posts of the feed; the selected one is shown in the editor</source>
        <translation>Записи ленты; выбранная показывается в редакторе</translation>
    </message>
    <message>
        <source>Filter posts</source>
        <translation>Фильтр записей</translation>
    </message>
    <message>
        <source>Lists only the posts whose title holds this text; Escape empties the box, then closes it</source>
        <translation>Показывает только записи, в заголовке которых есть этот текст; Escape очищает поле, а затем закрывает его</translation>
    </message>
</context>
<context>
    <name>CChaptersDlg</name>
    <message>
        <source>The post&apos;s chapters are at %1, on the web. Save writes them to the file above: upload it there, or set a media base address in the publish settings to publish it with the feed.</source>
        <translation>Главы записи находятся в сети по адресу %1. «Сохранить» записывает их в файл, указанный выше: загрузите его туда или задайте адрес медиафайлов в параметрах публикации, чтобы публиковать его вместе с лентой.</translation>
    </message>
    <message>
        <source>The post&apos;s chapters are at %1, on the web. Save writes them to the file above, and the post&apos;s chapters address becomes the one it is published at.</source>
        <translation>Главы записи находятся в сети по адресу %1. «Сохранить» записывает их в файл, указанный выше, а адресом глав записи становится адрес, по которому этот файл публикуется.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>&amp;Add Chapter</source>
        <translation>&amp;Добавить главу</translation>
    </message>
    <message>
        <source>&amp;Remove Chapter</source>
        <translation>&amp;Удалить главу</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Главы</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Файл:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Start times in seconds (94, 94.5) or as m:ss and h:mm:ss</source>
        <translation>Время начала в секундах (94, 94.5) или в виде m:ss и h:mm:ss</translation>
    </message>
    <message>
        <source>%1 cannot be edited here, and is left as it is.
%2</source>
        <translation>%1 нельзя изменить здесь, файл остаётся как есть.
%2</translation>
    </message>
    <message>
        <source>A new chapters file: Save writes it.</source>
        <translation>Новый файл глав: «Сохранить» запишет его.</translation>
    </message>
    <message>
        <source>Not a time like 94, 1:34 or 1:01:34</source>
        <translation>Это не время вида 94, 1:34 или 1:01:34</translation>
    </message>
    <message>
        <source>The start of chapter %1 is not a time like 94, 1:34 or 1:01:34.</source>
        <translation>Начало главы %1 — не время вида 94, 1:34 или 1:01:34.</translation>
    </message>
    <message>
        <source>Choose the file to save the chapters to.</source>
        <translation>Выберите файл, в который сохранить главы.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Сохранено в %1.</translation>
    </message>
    <message>
        <source>Save the Chapters As</source>
        <translation>Сохранить главы как</translation>
    </message>
    <message>
        <source>Chapters (*.json);;All files (*)</source>
        <translation>Главы (*.json);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Save the changes to the chapters?</source>
        <translation>Сохранить изменения глав?</translation>
    </message>
    <message>
        <source>The post does not name this file yet: a listener&apos;s app needs its web address. Set a media base address in the publish settings to publish the file with the feed, and save again.</source>
        <translation>Запись ещё не указывает этот файл: приложению слушателя нужен его веб-адрес. Задайте адрес медиафайлов в параметрах публикации, чтобы публиковать файл вместе с лентой, и сохраните снова.</translation>
    </message>
    <message>
        <source>The post does not name this file: publishing uploads the media folder, %1, and the file is outside it. Save it there to publish it with the feed.</source>
        <translation>Запись не указывает этот файл: при публикации загружается папка медиафайлов %1, а файл находится вне её. Сохраните его туда, чтобы публиковать его вместе с лентой.</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Открыть…</translation>
    </message>
    <message>
        <source>Sa&amp;ve As…</source>
        <translation>Сохранить &amp;как…</translation>
    </message>
    <message>
        <source>%1 already exists, and its chapters are not the ones shown here. Replace it with these chapters?</source>
        <translation>%1 уже существует, и главы в нём не те, что показаны здесь. Заменить его этими главами?</translation>
    </message>
    <message>
        <source>Not saved: %1 is left as it is. Open it to edit its chapters, or name another file.</source>
        <translation>Не сохранено: %1 остаётся как есть. Откройте его, чтобы изменить его главы, или укажите другой файл.</translation>
    </message>
    <message>
        <source>Open a Chapters File</source>
        <translation>Открыть файл глав</translation>
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
            <numerusform>%n ошибка</numerusform>
            <numerusform>%n ошибки</numerusform>
            <numerusform>%n ошибок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n предупреждение</numerusform>
            <numerusform>%n предупреждения</numerusform>
            <numerusform>%n предупреждений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s)</source>
        <translation>
            <numerusform>%n замечание</numerusform>
            <numerusform>%n замечания</numerusform>
            <numerusform>%n замечаний</numerusform>
        </translation>
    </message>
    <message>
        <source>RSS Items</source>
        <translation>Записи RSS</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Post Details</source>
        <translation>Сведения о записи</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Проблемы</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Tidrel, an editor of RSS 2.0 feed files.</source>
        <translation>Tidrel — редактор файлов лент RSS 2.0.</translation>
    </message>
    <message>
        <source>Check each feed file without opening a window; print one problem a line as FILE:LINE:COLUMN: error|warning|info: message [rule-id]. Exit status 0 when there are no errors, 1 when there are, 2 when a file cannot be read.</source>
        <translation>Проверить каждый файл ленты, не открывая окна; выводить по одной проблеме в строке в виде ФАЙЛ:СТРОКА:СТОЛБЕЦ: error|warning|info: сообщение [id-правила]. Код возврата 0, если ошибок нет, 1, если есть, 2, если файл не удаётся прочитать.</translation>
    </message>
    <message>
        <source>Feed files to open.</source>
        <translation>Открываемые файлы лент.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[ФАЙЛ...]</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>не удаётся прочитать файл: %1</translation>
    </message>
    <message>
        <source>With --check: apply the podcast directories&apos; rules too, whether or not the feed declares the iTunes or podcast namespace: every podcast namespace tag&apos;s place, attributes and values, Apple Podcasts&apos; requirements (artwork, language, category, explicit, episode enclosures) and the Podcast Standards Project&apos;s PSP-1.</source>
        <translation>С --check: применять и правила каталогов подкастов, объявляет ли лента пространство имён iTunes или podcast или нет: место, атрибуты и значения каждого тега пространства имён podcast, требования Apple Podcasts (обложка, язык, категория, explicit, вложения эпизодов) и PSP-1 проекта Podcast Standards Project.</translation>
    </message>
    <message>
        <source>Usage: %1 --check [--podcast] FEED...</source>
        <translation>Использование: %1 --check [--podcast] ЛЕНТА...</translation>
    </message>
    <message>
        <source>Publish the feed file without opening a window, with the checks and in the order of the Publish command: the feed check first, then the media files under the media address of the feed&apos;s publish settings, the feed last. Progress goes to standard error. Exit status 0 when everything was sent, 1 when the server refused or the feed has errors, 2 for wrong arguments.</source>
        <translation>Опубликовать файл ленты, не открывая окна, с проверками и в порядке команды «Опубликовать»: сначала проверка ленты, затем медиафайлы по адресу медиафайлов из параметров публикации ленты, лента последней. Ход выполнения выводится в стандартный поток ошибок. Код выхода 0, если всё отправлено, 1, если сервер отказал или в ленте есть ошибки, 2 при неверных аргументах.</translation>
    </message>
    <message>
        <source>FEED</source>
        <translation>ЛЕНТА</translation>
    </message>
    <message>
        <source>With --publish: where to. file:///path/, sftp://USER@HOST[:PORT]/path/, ftp://, ftps://, dav://USER@HOST[:PORT]/path/ (WebDAV; davs:// over HTTPS) or s3://ACCESS_KEY_ID@HOST[:PORT]/BUCKET/PREFIX/?region=REGION (path-style; &amp;scheme=http for a server without TLS). The password or secret key comes from the environment variable TIDREL_PUBLISH_SECRET when set, else from the keyring.</source>
        <translation>С --publish: куда публиковать. file:///путь/, sftp://ПОЛЬЗОВАТЕЛЬ@УЗЕЛ[:ПОРТ]/путь/, ftp://, ftps://, dav://ПОЛЬЗОВАТЕЛЬ@УЗЕЛ[:ПОРТ]/путь/ (WebDAV; davs:// через HTTPS) или s3://ИД_КЛЮЧА_ДОСТУПА@УЗЕЛ[:ПОРТ]/БАКЕТ/ПРЕФИКС/?region=РЕГИОН (path-style; &amp;scheme=http для сервера без TLS). Пароль или секретный ключ берётся из переменной окружения TIDREL_PUBLISH_SECRET, если она задана, иначе из связки ключей.</translation>
    </message>
    <message>
        <source>TARGET</source>
        <translation>НАЗНАЧЕНИЕ</translation>
    </message>
    <message>
        <source>Usage: %1 --publish FEED --to TARGET</source>
        <translation>Использование: %1 --publish ЛЕНТА --to НАЗНАЧЕНИЕ</translation>
    </message>
</context>
<context>
    <name>CCurlEasy</name>
    <message>
        <source>The server did not answer in time (%1 s).</source>
        <translation>Сервер не ответил вовремя (%1 с).</translation>
    </message>
    <message>
        <source>Too many redirects (more than %1).</source>
        <translation>Слишком много перенаправлений (больше %1).</translation>
    </message>
    <message>
        <source>The server answered with error %1.</source>
        <translation>Сервер ответил ошибкой %1.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>Сервер отклонил соединение.</translation>
    </message>
    <message>
        <source>The server&apos;s name is not known.</source>
        <translation>Имя сервера неизвестно.</translation>
    </message>
    <message>
        <source>The address&apos;s protocol is not supported here.</source>
        <translation>Протокол адреса здесь не поддерживается.</translation>
    </message>
    <message>
        <source>The address is not valid.</source>
        <translation>Недопустимый адрес.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Отменено.</translation>
    </message>
    <message>
        <source>The server refused the login: check the user name and the password or key.</source>
        <translation>Сервер отказал во входе: проверьте имя пользователя и пароль или ключ.</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full.</source>
        <translation>Диск сервера заполнен.</translation>
    </message>
    <message>
        <source>The server refused access to the folder or file.</source>
        <translation>Сервер отказал в доступе к папке или файлу.</translation>
    </message>
    <message>
        <source>The server refused the upload.</source>
        <translation>Сервер отказал в загрузке.</translation>
    </message>
    <message>
        <source>The connection broke off.</source>
        <translation>Соединение прервалось.</translation>
    </message>
    <message>
        <source>The server does not offer TLS.</source>
        <translation>Сервер не поддерживает TLS.</translation>
    </message>
    <message>
        <source>The secure connection (TLS) could not be set up.</source>
        <translation>Не удалось установить защищённое соединение (TLS).</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified.</source>
        <translation>Не удалось проверить сертификат сервера.</translation>
    </message>
</context>
<context>
    <name>CDavFolder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Не удаётся прочитать %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Отменено.</translation>
    </message>
    <message>
        <source>The server refused the user name or the password: check both.</source>
        <translation>Сервер не принял имя пользователя или пароль: проверьте и то, и другое.</translation>
    </message>
    <message>
        <source>The server does not let this user write %1.</source>
        <translation>Сервер не разрешает этому пользователю запись в %1.</translation>
    </message>
    <message>
        <source>The server does not take files at %1: is WebDAV turned on there?</source>
        <translation>Сервер не принимает файлы по адресу %1: включён ли там WebDAV?</translation>
    </message>
    <message>
        <source>The server has no room left.</source>
        <translation>На сервере не осталось места.</translation>
    </message>
    <message>
        <source>The server answered with error %1.</source>
        <translation>Сервер ответил ошибкой %1.</translation>
    </message>
</context>
<context>
    <name>CDesktopServices</name>
    <message>
        <source>RSS feeds (*.xml *.rss)</source>
        <translation>Ленты RSS (*.xml *.rss)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Сохранить изменения в %1?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>The server %1 is not among the known hosts of this computer.</source>
        <translation>Сервера %1 нет среди известных узлов этого компьютера.</translation>
    </message>
    <message>
        <source>Its key&apos;s fingerprint is
%1

Trust it only when it is the fingerprint your server&apos;s administrator gave you.</source>
        <translation>Отпечаток его ключа:
%1

Доверяйте ему, только если это отпечаток, который вам сообщил администратор сервера.</translation>
    </message>
    <message>
        <source>Trust and &amp;Remember</source>
        <translation>Доверять и &amp;запомнить</translation>
    </message>
    <message>
        <source>Trust &amp;Once</source>
        <translation>Доверять &amp;один раз</translation>
    </message>
    <message>
        <source>Audio files (%1)</source>
        <translation>Аудиофайлы (%1)</translation>
    </message>
    <message>
        <source>New Episode from Audio</source>
        <translation>Новый эпизод из аудио</translation>
    </message>
    <message>
        <source>Open Location</source>
        <translation>Открыть по адресу</translation>
    </message>
    <message>
        <source>&amp;Web address of the feed:</source>
        <translation>&amp;Веб-адрес ленты:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
</context>
<context>
    <name>CDiskChangeBar</name>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Перезагрузить</translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation>&amp;Оставить мои</translation>
    </message>
    <message>
        <source>&amp;Show differences</source>
        <translation>Показать &amp;различия</translation>
    </message>
    <message>
        <source>Read the file again; the changes made here are lost</source>
        <translation>Прочитать файл заново; сделанные здесь изменения будут потеряны</translation>
    </message>
    <message>
        <source>Keep the feed as it is here; the next save asks before it overwrites the file</source>
        <translation>Оставить ленту как здесь; при следующем сохранении будет задан вопрос перед перезаписью файла</translation>
    </message>
    <message>
        <source>%1 changed on disk. Reload it to drop the changes made here, or keep them.</source>
        <translation>Файл %1 изменён на диске. Перезагрузите его, чтобы отбросить сделанные здесь изменения, или оставьте их.</translation>
    </message>
    <message>
        <source>%1 changed on disk and cannot be read: %2 The feed here stays as it was.</source>
        <translation>Файл %1 изменён на диске и не читается: %2 Лента здесь осталась прежней.</translation>
    </message>
    <message>
        <source>The file on disk holds what a save would write.
</source>
        <translation>Файл на диске содержит то, что записало бы сохранение.
</translation>
    </message>
    <message>
        <source>--- %1 on disk
+++ %1 as a save would write it
</source>
        <translation>--- %1 на диске
+++ %1 так, как записало бы сохранение
</translation>
    </message>
    <message>
        <source>Differences — %1</source>
        <translation>Различия — %1</translation>
    </message>
</context>
<context>
    <name>CDocManager</name>
    <message>
        <source>Cannot create a new feed.</source>
        <translation>Не удаётся создать новую ленту.</translation>
    </message>
    <message>
        <source>Cannot open %1.

%2</source>
        <translation>Не удаётся открыть %1.

%2</translation>
    </message>
    <message>
        <source>Cannot save %1.

%2

The feed keeps its changes.</source>
        <translation>Не удаётся сохранить %1.

%2

Изменения ленты сохраняются в программе.</translation>
    </message>
    <message>
        <source>Cannot open %1.

The download could not be written to a temporary file.</source>
        <translation>Не удаётся открыть %1.

Скачанные данные не удалось записать во временный файл.</translation>
    </message>
    <message>
        <source>The file changed on disk since it was opened. Save anyway?</source>
        <translation>Файл изменился на диске после открытия. Всё равно сохранить?</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Перезаписать</translation>
    </message>
</context>
<context>
    <name>CElementForm</name>
    <message>
        <source>Only the address belongs here, without the name</source>
        <translation>Здесь нужен только адрес, без имени</translation>
    </message>
    <message>
        <source>Not an e-mail address like jo@example.org</source>
        <translation>Это не адрес эл. почты вида jo@example.org</translation>
    </message>
    <message>
        <source>Not one of: %1</source>
        <translation>Не одно из: %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>Also holds values no box stands for: %1</source>
        <translation>Содержит также значения без флажка: %1</translation>
    </message>
    <message>
        <source>Kept in the feed as %1</source>
        <translation>Хранится в ленте как %1</translation>
    </message>
    <message>
        <source>Sets the date to the present time</source>
        <translation>Устанавливает текущие дату и время</translation>
    </message>
</context>
<context>
    <name>CElementTable</name>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Строка %1, %2: %3</translation>
    </message>
    <message>
        <source>One element %1 a row; Add and Remove below change the rows</source>
        <translation>По одному элементу %1 в строке; кнопки «Добавить» и «Удалить» ниже меняют строки</translation>
    </message>
    <message>
        <source>Adds a row: a new element %1</source>
        <translation>Добавляет строку — новый элемент %1</translation>
    </message>
    <message>
        <source>Removes the selected row: its element %1</source>
        <translation>Удаляет выбранную строку — её элемент %1</translation>
    </message>
</context>
<context>
    <name>CEnclosureProbe</name>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Это папка, а не файл.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Файл не существует.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Файл не читается.</translation>
    </message>
    <message>
        <source>The network library could not start.</source>
        <translation>Не удалось запустить сетевую библиотеку.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Сервер ответил: %1.</translation>
    </message>
    <message>
        <source>The server did not tell the length.</source>
        <translation>Сервер не сообщил размер.</translation>
    </message>
</context>
<context>
    <name>CFeedChecker</name>
    <message>
        <source> or </source>
        <translation> или </translation>
    </message>
    <message>
        <source>The cloud has no %1 attribute; it needs domain, port, path, registerProcedure and protocol.</source>
        <translation>У cloud нет атрибута %1; нужны domain, port, path, registerProcedure и protocol.</translation>
    </message>
    <message>
        <source>The enclosure has no %1 attribute; it needs url, length and type.</source>
        <translation>У вложения нет атрибута %1; нужны url, length и type.</translation>
    </message>
    <message>
        <source>Post %1 has the same guid.</source>
        <translation>У записи %1 такой же guid.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of Apple Podcasts&apos; categories.</source>
        <translation>«%1» — не категория Apple Podcasts.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a subcategory of &quot;%2&quot;.</source>
        <translation>«%1» — не подкатегория «%2».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the namespace&apos;s address; did you mean &quot;%2&quot;?</source>
        <translation>«%1» — не адрес пространства имён; может быть, «%2»?</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; Apple Podcasts takes at most 4000.</source>
        <translation>Длина описания — %1 байт; Apple Podcasts принимает не более 4000.</translation>
    </message>
    <message>
        <source>The artwork file %1 cannot be read, so its size and colours are not checked.</source>
        <translation>Файл обложки %1 не читается, поэтому его размер и цвета не проверены.</translation>
    </message>
    <message>
        <source>The artwork is %1 x %2 pixels; Apple Podcasts takes square artwork from 1400 x 1400 to 3000 x 3000.</source>
        <translation>Обложка имеет размер %1 x %2 пикселей; Apple Podcasts принимает квадратные обложки от 1400 x 1400 до 3000 x 3000.</translation>
    </message>
    <message>
        <source>The podcast namespace has no tag %1.</source>
        <translation>В пространстве имён podcast нет тега %1.</translation>
    </message>
    <message>
        <source>%1 does not belong in %2; it belongs in %3.</source>
        <translation>%1 не должен быть в %2; его место в %3.</translation>
    </message>
    <message>
        <source>%1 needs the %2 attribute.</source>
        <translation>%1 требует атрибута %2.</translation>
    </message>
    <message>
        <source>%1 needs a value; it is empty.</source>
        <translation>%1 требует значения; он пуст.</translation>
    </message>
    <message numerus="yes">
        <source>Podcast apps show %n character(s) of this at most; they may cut the rest.</source>
        <translation>
            <numerusform>Приложения подкастов показывают отсюда не больше %n символа; остальное может быть обрезано.</numerusform>
            <numerusform>Приложения подкастов показывают отсюда не больше %n символов; остальное может быть обрезано.</numerusform>
            <numerusform>Приложения подкастов показывают отсюда не больше %n символов; остальное может быть обрезано.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not a whole number such as &quot;3&quot;.</source>
        <translation>Это не целое число вида «3».</translation>
    </message>
    <message>
        <source>Not a number such as &quot;3&quot; or &quot;315.5&quot;.</source>
        <translation>Это не число вида «3» или «315.5».</translation>
    </message>
    <message>
        <source>Not a media type such as &quot;audio/mpeg&quot;.</source>
        <translation>Это не тип медиа вида «audio/mpeg».</translation>
    </message>
    <message>
        <source>Not an e-mail address such as &quot;jo@example.org&quot;.</source>
        <translation>Это не адрес эл. почты вида «jo@example.org».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2.</source>
        <translation>«%1» — не одно из %2.</translation>
    </message>
    <message>
        <source>Few podcast apps know &quot;%1&quot;; the usual values are %2.</source>
        <translation>Немногие приложения подкастов знают «%1»; обычные значения: %2.</translation>
    </message>
    <message>
        <source>The channel&apos;s description is empty.</source>
        <translation>Описание канала пусто.</translation>
    </message>
    <message>
        <source>Not a percentage from 0 to 100.</source>
        <translation>Это не процент от 0 до 100.</translation>
    </message>
    <message>
        <source>Not a place in geo notation such as &quot;geo:30.2672,97.7431&quot;, latitude from -90 to 90 and longitude from -180 to 180.</source>
        <translation>Это не место в нотации geo вида «geo:30.2672,97.7431»: широта от -90 до 90 и долгота от -180 до 180.</translation>
    </message>
    <message>
        <source>Not an OpenStreetMap object such as &quot;R113314&quot;: N, W or R, its number and an optional revision such as &quot;#2&quot;.</source>
        <translation>Это не объект OpenStreetMap вида «R113314»: N, W или R, его номер и необязательная ревизия вида «#2».</translation>
    </message>
    <message>
        <source>Not a country code of ISO 3166-1, two letters such as &quot;US&quot;.</source>
        <translation>Это не код страны по ISO 3166-1 — две буквы, например «US».</translation>
    </message>
    <message>
        <source>Not an aspect ratio such as &quot;16/9&quot; or &quot;1.9&quot;.</source>
        <translation>Это не соотношение сторон вида «16/9» или «1.9».</translation>
    </message>
    <message>
        <source>There is already a %1 with %2=&quot;%3&quot; here.</source>
        <translation>Здесь уже есть %1 с %2=&quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The podcast namespace has no tag %1. Did you mean %2?</source>
        <translation>В пространстве имён podcast нет тега %1. Может быть, %2?</translation>
    </message>
    <message>
        <source>The namespace has retired %1; use %2 instead.</source>
        <translation>Пространство имён упразднило %1; используйте вместо него %2.</translation>
    </message>
    <message>
        <source>%1 needs a %2 inside it.</source>
        <translation>Внутри %1 нужен %2.</translation>
    </message>
    <message>
        <source>The namespace recommends the %2 attribute on %1.</source>
        <translation>Пространство имён рекомендует атрибут %2 у %1.</translation>
    </message>
    <message>
        <source>%1 holds an element %2; write HTML inside it escaped (&amp;lt;b&amp;gt;) or in a CDATA section.</source>
        <translation>%1 содержит элемент %2; пишите HTML внутри него экранированным (&amp;lt;b&amp;gt;) или в разделе CDATA.</translation>
    </message>
    <message>
        <source>%1 has no attribute %2; attribute names are case-sensitive: did you mean %3?</source>
        <translation>У %1 нет атрибута %2; имена атрибутов чувствительны к регистру: может быть, %3?</translation>
    </message>
    <message>
        <source>RSS gives %1 no attribute %2; readers ignore it.</source>
        <translation>RSS не предусматривает у %1 атрибута %2; программы чтения его игнорируют.</translation>
    </message>
    <message>
        <source>%1 has no element %2; element names are case-sensitive: did you mean %3?</source>
        <translation>У %1 нет элемента %2; имена элементов чувствительны к регистру: может быть, %3?</translation>
    </message>
</context>
<context>
    <name>CFeedDownload</name>
    <message>
        <source>The download could not be started.</source>
        <translation>Не удалось начать скачивание.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Отменено.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, too large for a feed.</source>
        <translation>Файл больше %1 МБ — слишком велик для ленты.</translation>
    </message>
</context>
<context>
    <name>CFeedPropertiesWnd</name>
    <message>
        <source>Not one of Apple&apos;s podcast categories</source>
        <translation>Не категория подкастов Apple</translation>
    </message>
    <message>
        <source>Not one of Apple&apos;s subcategories of “%1”</source>
        <translation>Не подкатегория Apple для «%1»</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>Подкаст</translation>
    </message>
    <message>
        <source>Declares the iTunes and podcast namespaces and shows the podcast tags</source>
        <translation>Объявляет пространства имён iTunes и podcast и показывает теги подкаста</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Categories and Image</source>
        <translation>Категории и изображение</translation>
    </message>
    <message>
        <source>Cloud and Text Input</source>
        <translation>Cloud и текстовый ввод</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропуск</translation>
    </message>
    <message>
        <source>Other Elements</source>
        <translation>Другие элементы</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Заголовок:</translation>
    </message>
    <message>
        <source>&amp;Link:</source>
        <translation>&amp;Ссылка:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Описание:</translation>
    </message>
    <message>
        <source>Public &amp;address:</source>
        <translation>Публичный &amp;адрес:</translation>
    </message>
    <message>
        <source>Where readers subscribe (atom:link rel=&quot;self&quot;)</source>
        <translation>Адрес для подписки (atom:link rel=&quot;self&quot;)</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>&amp;Язык:</translation>
    </message>
    <message>
        <source>&amp;Copyright:</source>
        <translation>Авторские &amp;права:</translation>
    </message>
    <message>
        <source>&amp;Managing editor:</source>
        <translation>&amp;Ответственный редактор:</translation>
    </message>
    <message>
        <source>&amp;Webmaster:</source>
        <translation>&amp;Веб-мастер:</translation>
    </message>
    <message>
        <source>&amp;Publication date:</source>
        <translation>Дата &amp;публикации:</translation>
    </message>
    <message>
        <source>Last &amp;build date:</source>
        <translation>Дата последней с&amp;борки:</translation>
    </message>
    <message>
        <source>&amp;Generator:</source>
        <translation>&amp;Генератор:</translation>
    </message>
    <message>
        <source>D&amp;ocs:</source>
        <translation>Д&amp;окументация:</translation>
    </message>
    <message>
        <source>TT&amp;L (minutes):</source>
        <translation>TT&amp;L (минуты):</translation>
    </message>
    <message>
        <source>&amp;Rating:</source>
        <translation>&amp;Рейтинг:</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Домен</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>&amp;URL:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ширина:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Высота:</translation>
    </message>
    <message>
        <source>Cloud (notification of updates)</source>
        <translation>Cloud (уведомление об обновлениях)</translation>
    </message>
    <message>
        <source>&amp;Domain:</source>
        <translation>&amp;Домен:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Порт:</translation>
    </message>
    <message>
        <source>P&amp;ath:</source>
        <translation>П&amp;уть:</translation>
    </message>
    <message>
        <source>&amp;Register procedure:</source>
        <translation>Процедура &amp;регистрации:</translation>
    </message>
    <message>
        <source>Pro&amp;tocol:</source>
        <translation>Про&amp;токол:</translation>
    </message>
    <message>
        <source>Text input</source>
        <translation>Текстовый ввод</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>За&amp;головок:</translation>
    </message>
    <message>
        <source>D&amp;escription:</source>
        <translation>О&amp;писание:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Имя:</translation>
    </message>
    <message>
        <source>Skip hours (GMT): readers do not fetch the feed in these hours</source>
        <translation>Пропускаемые часы (GMT): в эти часы программы чтения не загружают ленту</translation>
    </message>
    <message>
        <source>Skip days: readers do not fetch the feed on these days</source>
        <translation>Пропускаемые дни: в эти дни программы чтения не загружают ленту</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Передача</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>People and Places</source>
        <translation>Люди и места</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>Social</source>
        <translation>Соцсети</translation>
    </message>
    <message>
        <source>Related Feeds</source>
        <translation>Связанные ленты</translation>
    </message>
    <message>
        <source>Show (iTunes)</source>
        <translation>Передача (iTunes)</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Автор:</translation>
    </message>
    <message>
        <source>Owner &amp;name:</source>
        <translation>&amp;Имя владельца:</translation>
    </message>
    <message>
        <source>Owner &amp;e-mail:</source>
        <translation>&amp;Эл. почта владельца:</translation>
    </message>
    <message>
        <source>&amp;Image:</source>
        <translation>&amp;Изображение:</translation>
    </message>
    <message>
        <source>E&amp;xplicit:</source>
        <translation>Откровенное &amp;содержание:</translation>
    </message>
    <message>
        <source>T&amp;ype:</source>
        <translation>Т&amp;ип:</translation>
    </message>
    <message>
        <source>New &amp;feed URL:</source>
        <translation>Новый URL &amp;ленты:</translation>
    </message>
    <message>
        <source>&amp;Block:</source>
        <translation>&amp;Блокировка:</translation>
    </message>
    <message>
        <source>&amp;Complete:</source>
        <translation>&amp;Завершена:</translation>
    </message>
    <message>
        <source>Subcategory</source>
        <translation>Подкатегория</translation>
    </message>
    <message>
        <source>iTunes categories</source>
        <translation>Категории iTunes</translation>
    </message>
    <message>
        <source>Podcast index</source>
        <translation>Podcast Index</translation>
    </message>
    <message>
        <source>&amp;Locked:</source>
        <translation>&amp;Заблокирован:</translation>
    </message>
    <message>
        <source>Lock o&amp;wner:</source>
        <translation>&amp;Владелец блокировки:</translation>
    </message>
    <message>
        <source>&amp;GUID:</source>
        <translation>&amp;GUID:</translation>
    </message>
    <message>
        <source>&amp;Medium:</source>
        <translation>&amp;Носитель:</translation>
    </message>
    <message>
        <source>Uses &amp;Podping:</source>
        <translation>Использует &amp;Podping:</translation>
    </message>
    <message>
        <source>Release schedule</source>
        <translation>Расписание выпусков</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Чат</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Издатель</translation>
    </message>
    <message>
        <source>Elements of the channel that these pages do not edit. They stay in the file as they are.</source>
        <translation>Элементы канала, которые эти страницы не редактируют. Они остаются в файле как есть.</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>Нет изображения</translation>
    </message>
    <message>
        <source>The image is not on this computer: no preview</source>
        <translation>Изображение не на этом компьютере: просмотра нет</translation>
    </message>
    <message>
        <source>Feed Properties — %1</source>
        <translation>Свойства ленты — %1</translation>
    </message>
    <message>
        <source>Make from Feed &amp;Address</source>
        <translation>Создать из &amp;адреса ленты</translation>
    </message>
    <message>
        <source>The feed names no address of its own yet: fill in its Public address on the Channel page.</source>
        <translation>У ленты ещё не указан собственный адрес: заполните поле «Публичный адрес» на странице «Канал».</translation>
    </message>
    <message>
        <source>The podcast&apos;s identity as PSP-1 makes it from %1; it never changes after.</source>
        <translation>Идентификатор подкаста, который PSP-1 строит из %1; после этого он никогда не меняется.</translation>
    </message>
</context>
<context>
    <name>CFeedPublisher</name>
    <message>
        <source>%1 The published feed is as it was.</source>
        <translation>%1 Опубликованная лента осталась прежней.</translation>
    </message>
    <message>
        <source>At %1: %2 The published feed is as it was.</source>
        <translation>%1: %2 Опубликованная лента осталась прежней.</translation>
    </message>
    <message>
        <source>The feed has no file yet: save it first.</source>
        <translation>У ленты ещё нет файла: сначала сохраните её.</translation>
    </message>
    <message>
        <source>Published %1 to %2</source>
        <translation>%1 опубликована в %2</translation>
    </message>
    <message numerus="yes">
        <source> with %n media file(s)</source>
        <translation>
            <numerusform> с %n медиафайлом</numerusform>
            <numerusform> с %n медиафайлами</numerusform>
            <numerusform> с %n медиафайлами</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n already there)</source>
        <translation>
            <numerusform> (%n уже был там)</numerusform>
            <numerusform> (%n уже были там)</numerusform>
            <numerusform> (%n уже были там)</numerusform>
        </translation>
    </message>
    <message>
        <source>The destination must be an sftp://, ftp://, ftps://, dav://, davs://, s3:// or file:// address with a host and a path, such as sftp://example.org/var/www/feed.xml.</source>
        <translation>Назначение должно быть адресом sftp://, ftp://, ftps://, dav://, davs://, s3:// или file:// с узлом и путём, например sftp://example.org/var/www/feed.xml.</translation>
    </message>
</context>
<context>
    <name>CFeedPublishing</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The feed check found %n error(s) in %1:

%2

Publish anyway?</source>
        <translation>
            <numerusform>Проверка ленты нашла %n ошибку в %1:

%2

Всё равно опубликовать?</numerusform>
            <numerusform>Проверка ленты нашла %n ошибки в %1:

%2

Всё равно опубликовать?</numerusform>
            <numerusform>Проверка ленты нашла %n ошибок в %1:

%2

Всё равно опубликовать?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Publish Anyway</source>
        <translation>Всё равно &amp;опубликовать</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring: %1

Tidrel remembers it until it ends.</source>
        <translation>Не удалось сохранить пароль в связке ключей рабочего стола: %1

Tidrel запомнит его до завершения работы.</translation>
    </message>
    <message>
        <source>%1 was not published: %2</source>
        <translation>%1 не опубликована: %2</translation>
    </message>
</context>
<context>
    <name>CFeedRules</name>
    <message>
        <source>The file is not well-formed XML; no reader can read it.</source>
        <translation>Файл не является правильно построенным XML; ни одна программа чтения его не прочтёт.</translation>
    </message>
    <message>
        <source>The file&apos;s bytes do not fit the encoding it declares.</source>
        <translation>Байты файла не соответствуют объявленной в нём кодировке.</translation>
    </message>
    <message>
        <source>The file uses an entity XML does not define, such as &amp;nbsp;; write the character or a numeric reference.</source>
        <translation>Файл использует сущность, которой нет в XML, например &amp;nbsp;; пишите сам символ или числовую ссылку.</translation>
    </message>
    <message>
        <source>The file defines entities of its own, which many readers do not expand.</source>
        <translation>Файл определяет собственные сущности, которые многие программы чтения не раскрывают.</translation>
    </message>
    <message>
        <source>The file holds a control character that XML does not allow.</source>
        <translation>Файл содержит управляющий символ, недопустимый в XML.</translation>
    </message>
    <message>
        <source>The file&apos;s top element is not rss.</source>
        <translation>Корневой элемент файла — не rss.</translation>
    </message>
    <message>
        <source>The rss element needs version=&quot;2.0&quot;.</source>
        <translation>Элементу rss нужен version=&quot;2.0&quot;.</translation>
    </message>
    <message>
        <source>The feed has no channel.</source>
        <translation>У ленты нет канала.</translation>
    </message>
    <message>
        <source>This element may appear only once here.</source>
        <translation>Этот элемент может встречаться здесь только один раз.</translation>
    </message>
    <message>
        <source>RSS has no such element here; elements of other vocabularies need a namespace.</source>
        <translation>В RSS здесь нет такого элемента; элементам других словарей нужно пространство имён.</translation>
    </message>
    <message>
        <source>The element&apos;s prefix is not declared with xmlns.</source>
        <translation>Префикс элемента не объявлен через xmlns.</translation>
    </message>
    <message>
        <source>An element without a namespace inside another vocabulary&apos;s element; readers cannot tell what it means.</source>
        <translation>Элемент без пространства имён внутри элемента другого словаря; программы чтения не поймут, что он значит.</translation>
    </message>
    <message>
        <source>This element holds other elements, not text.</source>
        <translation>Этот элемент содержит другие элементы, а не текст.</translation>
    </message>
    <message>
        <source>Items should follow all of the channel&apos;s other elements.</source>
        <translation>Элементы item должны идти после всех остальных элементов канала.</translation>
    </message>
    <message>
        <source>The channel has no title.</source>
        <translation>У канала нет заголовка.</translation>
    </message>
    <message>
        <source>The channel has no link to its web site.</source>
        <translation>У канала нет ссылки на его сайт.</translation>
    </message>
    <message>
        <source>The channel has no description.</source>
        <translation>У канала нет описания.</translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation>Заголовок пуст.</translation>
    </message>
    <message>
        <source>Not a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>Это не код языка вида «en» или «en-us».</translation>
    </message>
    <message>
        <source>The time to live must be a whole number of minutes above 0.</source>
        <translation>Время жизни должно быть целым числом минут больше 0.</translation>
    </message>
    <message>
        <source>The channel does not give its own address (atom:link rel=&quot;self&quot;), which readers use to follow a moved feed.</source>
        <translation>Канал не указывает свой адрес (atom:link rel=&quot;self&quot;), по которому программы чтения следуют за переехавшей лентой.</translation>
    </message>
    <message>
        <source>Not a full address; write it with its scheme and host, as &quot;https://example.org/page&quot;.</source>
        <translation>Это не полный адрес; пишите его со схемой и узлом, например «https://example.org/page».</translation>
    </message>
    <message>
        <source>Few readers can follow an address of this scheme; use http: or https:.</source>
        <translation>Немногие программы чтения откроют адрес с такой схемой; используйте http: или https:.</translation>
    </message>
    <message>
        <source>This is plain text, but it holds HTML markup or an HTML entity that readers will show as written.</source>
        <translation>Это простой текст, но в нём есть HTML-разметка или HTML-сущность, которую программы чтения покажут как есть.</translation>
    </message>
    <message>
        <source>Not a date in the form &quot;Wed, 02 Oct 2002 13:00:00 GMT&quot;.</source>
        <translation>Это не дата в форме «Wed, 02 Oct 2002 13:00:00 GMT».</translation>
    </message>
    <message>
        <source>The date has a form that many readers get wrong.</source>
        <translation>Дата записана в форме, которую многие программы чтения понимают неверно.</translation>
    </message>
    <message>
        <source>The date is in the future or before 1990.</source>
        <translation>Дата в будущем или раньше 1990 года.</translation>
    </message>
    <message>
        <source>Not an e-mail address; write one as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>Это не адрес эл. почты; пишите его как «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>RSS writes an e-mail address as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>В RSS адрес эл. почты пишется как «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>Add the person&apos;s name after the address: &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>Добавьте имя человека после адреса: «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>The image has no url.</source>
        <translation>У изображения нет url.</translation>
    </message>
    <message>
        <source>The image has no title.</source>
        <translation>У изображения нет заголовка.</translation>
    </message>
    <message>
        <source>The image has no link.</source>
        <translation>У изображения нет ссылки.</translation>
    </message>
    <message>
        <source>The image width must be a whole number from 1 to 144.</source>
        <translation>Ширина изображения должна быть целым числом от 1 до 144.</translation>
    </message>
    <message>
        <source>The image height must be a whole number from 1 to 400.</source>
        <translation>Высота изображения должна быть целым числом от 1 до 400.</translation>
    </message>
    <message>
        <source>The image link differs from the channel&apos;s link.</source>
        <translation>Ссылка изображения отличается от ссылки канала.</translation>
    </message>
    <message>
        <source>The image title differs from the channel&apos;s title.</source>
        <translation>Заголовок изображения отличается от заголовка канала.</translation>
    </message>
    <message>
        <source>The channel image should be a GIF, JPEG or PNG file.</source>
        <translation>Изображение канала должно быть файлом GIF, JPEG или PNG.</translation>
    </message>
    <message>
        <source>The text input has no title.</source>
        <translation>У текстового ввода нет заголовка.</translation>
    </message>
    <message>
        <source>The text input has no description.</source>
        <translation>У текстового ввода нет описания.</translation>
    </message>
    <message>
        <source>The text input has no name.</source>
        <translation>У текстового ввода нет имени.</translation>
    </message>
    <message>
        <source>The text input has no link.</source>
        <translation>У текстового ввода нет ссылки.</translation>
    </message>
    <message>
        <source>The text input&apos;s name must be a form field name: a letter, then letters, digits, &apos;-&apos;, &apos;_&apos;, &apos;:&apos; or &apos;.&apos;.</source>
        <translation>Имя текстового ввода должно быть именем поля формы: буква, затем буквы, цифры, &apos;-&apos;, &apos;_&apos;, &apos;:&apos; или &apos;.&apos;.</translation>
    </message>
    <message>
        <source>The cloud needs all of domain, port, path, registerProcedure and protocol.</source>
        <translation>Для cloud нужны все атрибуты: domain, port, path, registerProcedure и protocol.</translation>
    </message>
    <message>
        <source>The cloud port must be a whole number from 1 to 65535.</source>
        <translation>Порт cloud должен быть целым числом от 1 до 65535.</translation>
    </message>
    <message>
        <source>The cloud protocol must be xml-rpc, soap or http-post.</source>
        <translation>Протокол cloud должен быть xml-rpc, soap или http-post.</translation>
    </message>
    <message>
        <source>skipHours lists no hour.</source>
        <translation>В skipHours нет ни одного часа.</translation>
    </message>
    <message>
        <source>An hour must be a whole number from 0 to 23.</source>
        <translation>Час должен быть целым числом от 0 до 23.</translation>
    </message>
    <message>
        <source>Write midnight as 0, not 24.</source>
        <translation>Пишите полночь как 0, а не 24.</translation>
    </message>
    <message>
        <source>This hour is already listed.</source>
        <translation>Этот час уже указан.</translation>
    </message>
    <message>
        <source>skipHours lists more than 24 hours.</source>
        <translation>В skipHours больше 24 часов.</translation>
    </message>
    <message>
        <source>skipDays lists no day.</source>
        <translation>В skipDays нет ни одного дня.</translation>
    </message>
    <message>
        <source>A day must be an English day name: Monday to Sunday.</source>
        <translation>День должен быть английским названием дня: от Monday до Sunday.</translation>
    </message>
    <message>
        <source>This day is already listed.</source>
        <translation>Этот день уже указан.</translation>
    </message>
    <message>
        <source>skipDays lists more than seven days.</source>
        <translation>В skipDays больше семи дней.</translation>
    </message>
    <message>
        <source>A post needs a title or a description.</source>
        <translation>У записи должен быть заголовок или описание.</translation>
    </message>
    <message>
        <source>The post has no guid, so readers may show it again as new after an edit.</source>
        <translation>У записи нет guid, поэтому после правки программы чтения могут снова показать её как новую.</translation>
    </message>
    <message>
        <source>The guid is empty.</source>
        <translation>guid пуст.</translation>
    </message>
    <message>
        <source>A guid that is a permalink must be a full URL; if it is not a link, add isPermaLink=&quot;false&quot;.</source>
        <translation>guid, являющийся постоянной ссылкой, должен быть полным URL; если это не ссылка, добавьте isPermaLink=&quot;false&quot;.</translation>
    </message>
    <message>
        <source>A permalink guid must be a web address (http or https); if it is not, add isPermaLink=&quot;false&quot;.</source>
        <translation>guid-ссылка должна быть веб-адресом (http или https); если это не так, добавьте isPermaLink=&quot;false&quot;.</translation>
    </message>
    <message>
        <source>isPermaLink must be exactly &quot;true&quot; or &quot;false&quot;.</source>
        <translation>isPermaLink должен быть ровно «true» или «false».</translation>
    </message>
    <message>
        <source>Another post of the feed has the same guid.</source>
        <translation>У другой записи ленты такой же guid.</translation>
    </message>
    <message>
        <source>A guid of a few digits is not unique beyond this feed; readers may confuse it with another feed&apos;s post.</source>
        <translation>guid из нескольких цифр не уникален за пределами этой ленты; программы чтения могут спутать его с записью другой ленты.</translation>
    </message>
    <message>
        <source>An enclosure needs url, length and type.</source>
        <translation>Вложению нужны url, length и type.</translation>
    </message>
    <message>
        <source>The enclosure length must be a whole number of bytes, 0 when unknown.</source>
        <translation>Размер вложения должен быть целым числом байт, 0, если он неизвестен.</translation>
    </message>
    <message>
        <source>The enclosure type must be a media type such as &quot;audio/mpeg&quot;.</source>
        <translation>Тип вложения должен быть типом медиа вида «audio/mpeg».</translation>
    </message>
    <message>
        <source>The post has more than one enclosure; most readers take only the first.</source>
        <translation>У записи больше одного вложения; большинство программ чтения берут только первое.</translation>
    </message>
    <message>
        <source>A source needs the url of the feed it comes from.</source>
        <translation>Источнику нужен url ленты, из которой он взят.</translation>
    </message>
    <message>
        <source>Give the post a description before its content:encoded; some readers take only the description, or only the first of the two.</source>
        <translation>Дайте записи описание перед content:encoded; некоторые программы чтения берут только описание или только первое из двух.</translation>
    </message>
    <message>
        <source>The description holds a script, which readers remove or refuse.</source>
        <translation>В описании есть скрипт, который программы чтения удаляют или отвергают.</translation>
    </message>
    <message>
        <source>The description holds a frame, which many readers remove.</source>
        <translation>В описании есть фрейм, который многие программы чтения удаляют.</translation>
    </message>
    <message>
        <source>The description holds an event attribute (on...), which readers remove.</source>
        <translation>В описании есть атрибут события (on...), который программы чтения удаляют.</translation>
    </message>
    <message>
        <source>A relative link in the description; readers do not know what it is relative to. Write the full address.</source>
        <translation>Относительная ссылка в описании; программы чтения не знают, относительно чего она. Пишите полный адрес.</translation>
    </message>
    <message>
        <source>itunes:explicit must be &quot;true&quot; or &quot;false&quot;.</source>
        <translation>itunes:explicit должен быть «true» или «false».</translation>
    </message>
    <message>
        <source>Apple Podcasts now asks for &quot;true&quot; or &quot;false&quot; here, not yes, no or clean.</source>
        <translation>Apple Podcasts теперь требует здесь «true» или «false», а не yes, no или clean.</translation>
    </message>
    <message>
        <source>Not one of Apple Podcasts&apos; categories.</source>
        <translation>Не категория Apple Podcasts.</translation>
    </message>
    <message>
        <source>Not a subcategory of this Apple Podcasts category.</source>
        <translation>Не подкатегория этой категории Apple Podcasts.</translation>
    </message>
    <message>
        <source>The duration must be seconds, or minutes and seconds as mm:ss, or hh:mm:ss.</source>
        <translation>Длительность должна быть в секундах, либо в минутах и секундах как mm:ss, либо hh:mm:ss.</translation>
    </message>
    <message>
        <source>The episode number must be a whole number above 0.</source>
        <translation>Номер эпизода должен быть целым числом больше 0.</translation>
    </message>
    <message>
        <source>The season number must be a whole number above 0.</source>
        <translation>Номер сезона должен быть целым числом больше 0.</translation>
    </message>
    <message>
        <source>The episode type must be full, trailer or bonus.</source>
        <translation>Тип эпизода должен быть full, trailer или bonus.</translation>
    </message>
    <message>
        <source>The show type must be episodic or serial.</source>
        <translation>Тип передачи должен быть episodic или serial.</translation>
    </message>
    <message>
        <source>itunes:block and itunes:complete take &quot;Yes&quot;, or &quot;No&quot;.</source>
        <translation>itunes:block и itunes:complete принимают «Yes» или «No».</translation>
    </message>
    <message>
        <source>podcast:guid must be a UUID such as &quot;ead4c236-bf58-58c6-a2c6-a6b28d128cb6&quot;.</source>
        <translation>podcast:guid должен быть UUID вида «ead4c236-bf58-58c6-a2c6-a6b28d128cb6».</translation>
    </message>
    <message>
        <source>podcast:locked must be &quot;yes&quot; or &quot;no&quot;.</source>
        <translation>podcast:locked должен быть «yes» или «no».</translation>
    </message>
    <message>
        <source>Podcast tags should link with https addresses.</source>
        <translation>Теги подкаста должны ссылаться на адреса https.</translation>
    </message>
    <message>
        <source>The namespace address is close to the podcast or iTunes namespace but not it; readers will not know the tags.</source>
        <translation>Адрес пространства имён похож на podcast или iTunes, но не совпадает; программы чтения не узнают теги.</translation>
    </message>
    <message>
        <source>The podcast namespace has no such tag.</source>
        <translation>В пространстве имён podcast нет такого тега.</translation>
    </message>
    <message>
        <source>This podcast tag does not belong in this element.</source>
        <translation>Этот тег подкаста не должен быть в этом элементе.</translation>
    </message>
    <message>
        <source>The podcast tag lacks an attribute it requires.</source>
        <translation>У тега подкаста нет обязательного атрибута.</translation>
    </message>
    <message>
        <source>The podcast tag lacks an element it requires inside it.</source>
        <translation>В теге подкаста нет обязательного вложенного элемента.</translation>
    </message>
    <message>
        <source>The podcast tag needs a value; it is empty.</source>
        <translation>Тегу подкаста нужно значение; он пуст.</translation>
    </message>
    <message>
        <source>The value is longer than podcast apps show; they may cut it.</source>
        <translation>Значение длиннее, чем показывают приложения подкастов; они могут его обрезать.</translation>
    </message>
    <message>
        <source>The value is not one this podcast tag takes.</source>
        <translation>Этот тег подкаста не принимает такое значение.</translation>
    </message>
    <message>
        <source>Few podcast apps know this value.</source>
        <translation>Немногие приложения подкастов знают это значение.</translation>
    </message>
    <message>
        <source>Not a podcast GUID, a UUID such as &quot;917393e3-1b1e-5cef-ace4-edaa54e1f810&quot;.</source>
        <translation>Это не GUID подкаста — UUID вида «917393e3-1b1e-5cef-ace4-edaa54e1f810».</translation>
    </message>
    <message>
        <source>Not an ISO 8601 date and time such as &quot;2021-09-26T07:30:00-06:00&quot;.</source>
        <translation>Это не дата и время ISO 8601 вида «2021-09-26T07:30:00-06:00».</translation>
    </message>
    <message>
        <source>Not a number of the form this podcast tag asks for.</source>
        <translation>Это не число в форме, которую требует этот тег подкаста.</translation>
    </message>
    <message>
        <source>A time must be seconds, such as &quot;73&quot; or &quot;1234.5&quot;.</source>
        <translation>Время должно быть в секундах, например «73» или «1234.5».</translation>
    </message>
    <message>
        <source>A podcast gives its own address (atom:link rel=&quot;self&quot;); PSP-1 requires it.</source>
        <translation>Подкаст указывает свой адрес (atom:link rel=&quot;self&quot;); этого требует PSP-1.</translation>
    </message>
    <message>
        <source>The podcast has no artwork: podcast directories require an itunes:image with an href.</source>
        <translation>У подкаста нет обложки: каталоги подкастов требуют itunes:image с href.</translation>
    </message>
    <message>
        <source>The podcast has no language; podcast directories require one.</source>
        <translation>У подкаста не указан язык; каталоги подкастов его требуют.</translation>
    </message>
    <message>
        <source>The podcast has no itunes:category; podcast directories require one.</source>
        <translation>У подкаста нет itunes:category; каталоги подкастов её требуют.</translation>
    </message>
    <message>
        <source>The podcast has no itunes:explicit; podcast directories require &quot;true&quot; or &quot;false&quot;.</source>
        <translation>У подкаста нет itunes:explicit; каталоги подкастов требуют «true» или «false».</translation>
    </message>
    <message>
        <source>Apple Podcasts takes a show description of at most 4000 bytes.</source>
        <translation>Apple Podcasts принимает описание передачи не длиннее 4000 байт.</translation>
    </message>
    <message>
        <source>The episode has no title; podcast directories require one.</source>
        <translation>У эпизода нет заголовка; каталоги подкастов его требуют.</translation>
    </message>
    <message>
        <source>The episode has no enclosure, the media file podcast apps play.</source>
        <translation>У эпизода нет вложения — медиафайла, который воспроизводят приложения подкастов.</translation>
    </message>
    <message>
        <source>The episode has no guid; PSP-1 requires one so that apps do not download it again.</source>
        <translation>У эпизода нет guid; PSP-1 требует его, чтобы приложения не загружали эпизод повторно.</translation>
    </message>
    <message>
        <source>PSP-1 recommends podcast:locked, which tells other platforms whether they may import the feed.</source>
        <translation>PSP-1 рекомендует podcast:locked, который сообщает другим платформам, можно ли импортировать ленту.</translation>
    </message>
    <message>
        <source>PSP-1 recommends podcast:guid, the podcast&apos;s identity that stays when its address moves.</source>
        <translation>PSP-1 рекомендует podcast:guid — идентификатор подкаста, который сохраняется при смене адреса.</translation>
    </message>
    <message>
        <source>Apple Podcasts takes artwork as a JPEG or PNG file (.jpg or .png).</source>
        <translation>Apple Podcasts принимает обложку в файле JPEG или PNG (.jpg или .png).</translation>
    </message>
    <message>
        <source>Apple Podcasts takes square artwork from 1400 x 1400 to 3000 x 3000 pixels.</source>
        <translation>Apple Podcasts принимает квадратные обложки от 1400 x 1400 до 3000 x 3000 пикселей.</translation>
    </message>
    <message>
        <source>Apple Podcasts takes artwork in the RGB colour space, not greyscale or CMYK.</source>
        <translation>Apple Podcasts принимает обложки в цветовом пространстве RGB, а не в оттенках серого или CMYK.</translation>
    </message>
    <message>
        <source>The artwork file cannot be read, so its size and colours are not checked.</source>
        <translation>Файл обложки не читается, поэтому его размер и цвета не проверены.</translation>
    </message>
    <message>
        <source>The feed&apos;s own address (atom:link rel=&quot;self&quot;) is its web site&apos;s; it should be the address of the feed file.</source>
        <translation>Собственный адрес ленты (atom:link rel=&quot;self&quot;) совпадает с адресом её сайта; это должен быть адрес файла ленты.</translation>
    </message>
    <message>
        <source>An attribute from another vocabulary on an element of RSS; readers ignore it.</source>
        <translation>Атрибут из другого словаря на элементе RSS; программы чтения его игнорируют.</translation>
    </message>
    <message>
        <source>RSS gives this element no such attribute; readers ignore it.</source>
        <translation>RSS не предусматривает у этого элемента такого атрибута; программы чтения его игнорируют.</translation>
    </message>
    <message>
        <source>The address holds characters outside ASCII; write them percent-encoded, as %C3%A9, and a host in its &quot;xn--&quot; form.</source>
        <translation>Адрес содержит символы вне ASCII; пишите их в процентной кодировке, как %C3%A9, а имя узла — в форме «xn--».</translation>
    </message>
    <message>
        <source>This plain text holds a &quot;&lt;&quot; that a reader showing it as HTML takes for the start of a tag, hiding what follows; write it as &amp;#x3C;.</source>
        <translation>Этот простой текст содержит «&lt;», который программа чтения, показывающая текст как HTML, примет за начало тега и скроет то, что идёт следом; пишите его как &amp;#x3C;.</translation>
    </message>
    <message>
        <source>Few readers show a text input; most ignore it.</source>
        <translation>Немногие программы чтения показывают текстовый ввод; большинство его игнорирует.</translation>
    </message>
    <message>
        <source>The number of comments (slash:comments) must be a whole number, 0 or more.</source>
        <translation>Число комментариев (slash:comments) должно быть целым числом, 0 или больше.</translation>
    </message>
    <message>
        <source>The description holds a tag that readers remove as a risk (embed, object, meta, style and the like).</source>
        <translation>Описание содержит тег, который программы чтения удаляют как опасный (embed, object, meta, style и подобные).</translation>
    </message>
    <message>
        <source>The podcast namespace recommends this attribute; apps use it to show the tag well.</source>
        <translation>Пространство имён podcast рекомендует этот атрибут; приложения используют его, чтобы правильно показать тег.</translation>
    </message>
    <message>
        <source>The podcast namespace has retired this tag in favour of another.</source>
        <translation>Пространство имён podcast упразднило этот тег в пользу другого.</translation>
    </message>
    <message>
        <source>Apple Podcasts asks for &quot;true&quot; or &quot;false&quot; here, not yes, no or clean.</source>
        <translation>Apple Podcasts требует здесь «true» или «false», а не yes, no или clean.</translation>
    </message>
</context>
<context>
    <name>CFetchTitleFromURL</name>
    <message>
        <source>The page has no title.</source>
        <translation>У страницы нет заголовка.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Navigation</source>
        <translation>Навигация</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Другие инструменты</translation>
    </message>
</context>
<context>
    <name>CHyperlinkDlg</name>
    <message>
        <source>Insert Hyperlink</source>
        <translation>Вставка гиперссылки</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Заголовок:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Цель:</translation>
    </message>
    <message>
        <source>Looking up the page&apos;s title…</source>
        <translation>Поиск заголовка страницы…</translation>
    </message>
    <message>
        <source>No title: %1</source>
        <translation>Нет заголовка: %1</translation>
    </message>
</context>
<context>
    <name>CImageDlg</name>
    <message>
        <source>Insert Image</source>
        <translation>Вставка изображения</translation>
    </message>
    <message>
        <source>Type the image&apos;s address here (required)</source>
        <translation>Введите адрес изображения (обязательно)</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Обзор…</translation>
    </message>
    <message>
        <source>Type the text shown in its place here</source>
        <translation>Введите текст, показываемый вместо него</translation>
    </message>
    <message>
        <source>Width in pixels (optional)</source>
        <translation>Ширина в пикселях (необязательно)</translation>
    </message>
    <message>
        <source>Height in pixels (optional)</source>
        <translation>Высота в пикселях (необязательно)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>text on left</source>
        <translation>текст слева</translation>
    </message>
    <message>
        <source>text on right</source>
        <translation>текст справа</translation>
    </message>
    <message>
        <source>See image sample here</source>
        <translation>Здесь виден образец изображения</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Выбор изображения</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.gif *.webp *.svg);;All files (*)</source>
        <translation>Изображения (*.png *.jpg *.jpeg *.gif *.webp *.svg);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>CLiveItemFields</name>
    <message>
        <source>Live stream</source>
        <translation>Прямой эфир</translation>
    </message>
    <message>
        <source>St&amp;atus:</source>
        <translation>Ст&amp;атус:</translation>
    </message>
    <message>
        <source>Sta&amp;rt:</source>
        <translation>&amp;Начало:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Конец:</translation>
    </message>
    <message>
        <source>Add the time zone, e.g. %1Z or %1+01:00</source>
        <translation>Добавьте часовой пояс, например %1Z или %1+01:00</translation>
    </message>
    <message>
        <source>Not a date and time like 2026-12-24T18:00:00+01:00</source>
        <translation>Это не дата и время вида 2026-12-24T18:00:00+01:00</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>например, %1</translation>
    </message>
</context>
<context>
    <name>CLocalFolder</name>
    <message>
        <source>The disk is full.</source>
        <translation>Диск заполнен.</translation>
    </message>
    <message>
        <source>The file could not be written: %1.</source>
        <translation>Не удалось записать файл: %1.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 не читается.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Отменено.</translation>
    </message>
</context>
<context>
    <name>CLocationOpener</name>
    <message>
        <source>&quot;%1&quot; is not the web address of a feed. It starts with https:// or http://.</source>
        <translation>«%1» — не веб-адрес ленты. Такой адрес начинается с https:// или http://.</translation>
    </message>
    <message>
        <source>Downloading %1…</source>
        <translation>Скачивание %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Open Location</source>
        <translation>Открыть по адресу</translation>
    </message>
    <message>
        <source>Downloading %1…
%2 kB received</source>
        <translation>Скачивание %1…
Получено %2 КБ</translation>
    </message>
    <message>
        <source>Cannot open %1.

%2</source>
        <translation>Не удаётся открыть %1.

%2</translation>
    </message>
    <message>
        <source>The owner of this podcast has locked it against moving to another host (podcast:locked is &quot;yes&quot;). Directories will not take it from a new address until the owner unlocks it.

You can still edit it and keep a copy.</source>
        <translation>Владелец этого подкаста запретил его перенос на другой хостинг (podcast:locked имеет значение «yes»). Каталоги не примут его с нового адреса, пока владелец не снимет запрет.

Вы по-прежнему можете изменять его и сохранить копию.</translation>
    </message>
</context>
<context>
    <name>CLockKeyIndicators</name>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>%1: not known on this display</source>
        <translation>%1: неизвестно на этом дисплее</translation>
    </message>
    <message>
        <source>%1 is on</source>
        <translation>%1 включён</translation>
    </message>
    <message>
        <source>%1 is off</source>
        <translation>%1 выключен</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>The preferences could not be written to
%1</source>
        <translation>Не удалось записать настройки в
%1</translation>
    </message>
    <message>
        <source>No web browser could be started to show
%1

Open this address in a browser yourself.</source>
        <translation>Не удалось запустить веб-браузер, чтобы показать
%1

Откройте этот адрес в браузере сами.</translation>
    </message>
    <message>
        <source>Publishing sends the saved file. Save %1 and publish it?</source>
        <translation>Публикуется сохранённый файл. Сохранить %1 и опубликовать?</translation>
    </message>
    <message>
        <source>Save and &amp;Publish</source>
        <translation>Сохранить и &amp;опубликовать</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>Фор&amp;мат</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Вставка</translation>
    </message>
    <message>
        <source>&amp;Posts</source>
        <translation>&amp;Записи</translation>
    </message>
    <message>
        <source>Fee&amp;d</source>
        <translation>&amp;Лента</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Сервис</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>В&amp;ид</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Окно</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Сп&amp;равка</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>&lt;as opened or saved&gt;</source>
        <translation>&lt;как при открытии или сохранении&gt;</translation>
    </message>
    <message>
        <source>Undo History</source>
        <translation>История изменений</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Открыть %1</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Другие инструменты</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Изменения</translation>
    </message>
</context>
<context>
    <name>CMoveFeedDialog</name>
    <message>
        <source>Move Feed</source>
        <translation>Перенос ленты</translation>
    </message>
    <message>
        <source>not known: the feed names no address of its own</source>
        <translation>неизвестен: лента не указывает собственный адрес</translation>
    </message>
    <message>
        <source>Current address:</source>
        <translation>Текущий адрес:</translation>
    </message>
    <message>
        <source>&amp;New address:</source>
        <translation>&amp;Новый адрес:</translation>
    </message>
    <message>
        <source>The feed will name its new address in its atom:link rel=&quot;self&quot; and, for a podcast, in itunes:new-feed-url; a podcast&apos;s podcast:guid stays, so directories know it is the same podcast.

Publish the moved feed to both hosts, then have the old host answer the old address with a permanent redirect (HTTP 301) to the new one. Keep the redirect and itunes:new-feed-url for at least four weeks, better for good: some apps look at a feed seldom.</source>
        <translation>Лента укажет свой новый адрес в atom:link rel=&quot;self&quot; и, если это подкаст, в itunes:new-feed-url; podcast:guid подкаста сохраняется, поэтому каталоги узнают в нём тот же подкаст.

Опубликуйте перенесённую ленту на обоих хостингах, затем настройте старый хостинг так, чтобы он отвечал на старый адрес постоянным перенаправлением (HTTP 301) на новый. Сохраняйте перенаправление и itunes:new-feed-url не менее четырёх недель, а лучше навсегда: некоторые приложения проверяют ленту редко.</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Перенести</translation>
    </message>
</context>
<context>
    <name>COtherElementsList</name>
    <message>
        <source>Element</source>
        <translation>Элемент</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Содержимое</translation>
    </message>
    <message>
        <source>Other elements</source>
        <translation>Другие элементы</translation>
    </message>
    <message>
        <source>Elements these fields do not edit; they are kept as they are</source>
        <translation>Элементы, которые эти поля не редактируют; они сохраняются как есть</translation>
    </message>
</context>
<context>
    <name>CPodcastFields</name>
    <message>
        <source>Not a role of the Podcast Taxonomy Project</source>
        <translation>Не роль из Podcast Taxonomy Project</translation>
    </message>
    <message>
        <source>Not a group of the Podcast Taxonomy Project</source>
        <translation>Не группа из Podcast Taxonomy Project</translation>
    </message>
    <message>
        <source>A recurrence rule names its frequency, like FREQ=WEEKLY</source>
        <translation>Правило повторения указывает частоту, например FREQ=WEEKLY</translation>
    </message>
    <message>
        <source>Persons</source>
        <translation>Участники</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Роль</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Ссылка</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Места</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Место</translation>
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
        <translation>Страна</translation>
    </message>
    <message>
        <source>Funding</source>
        <translation>Финансирование</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>License:</source>
        <translation>Лицензия:</translation>
    </message>
    <message>
        <source>An SPDX identifier like cc-by-4.0, or the name of your own</source>
        <translation>Идентификатор SPDX вроде cc-by-4.0 или название вашей лицензии</translation>
    </message>
    <message>
        <source>License URL:</source>
        <translation>URL лицензии:</translation>
    </message>
    <message>
        <source>Value (payments while listening)</source>
        <translation>Value (платежи во время прослушивания)</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Метод</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Предлагаемая сумма</translation>
    </message>
    <message>
        <source>Recipients of the selected value</source>
        <translation>Получатели выбранного value</translation>
    </message>
    <message>
        <source>Start (s)</source>
        <translation>Начало (с)</translation>
    </message>
    <message>
        <source>Duration (s)</source>
        <translation>Длительность (с)</translation>
    </message>
    <message>
        <source>Remote start (s)</source>
        <translation>Удалённое начало (с)</translation>
    </message>
    <message>
        <source>Remote %</source>
        <translation>Удалённый %</translation>
    </message>
    <message>
        <source>Remote feed GUID</source>
        <translation>GUID удалённой ленты</translation>
    </message>
    <message>
        <source>Remote item GUID</source>
        <translation>GUID удалённого элемента</translation>
    </message>
    <message>
        <source>Remote medium</source>
        <translation>Удалённый носитель</translation>
    </message>
    <message>
        <source>Time splits of the selected value</source>
        <translation>Отрезки времени выбранного value</translation>
    </message>
    <message>
        <source>Recipients of the selected time split</source>
        <translation>Получатели выбранного отрезка</translation>
    </message>
    <message>
        <source>Social interaction</source>
        <translation>Социальное взаимодействие</translation>
    </message>
    <message>
        <source>Root post URI</source>
        <translation>URI исходного поста</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учётная запись</translation>
    </message>
    <message>
        <source>Account URL</source>
        <translation>URL учётной записи</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Приоритет</translation>
    </message>
    <message>
        <source>Text records (txt)</source>
        <translation>Текстовые записи (txt)</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Назначение</translation>
    </message>
    <message>
        <source>Chat server:</source>
        <translation>Сервер чата:</translation>
    </message>
    <message>
        <source>Chat protocol:</source>
        <translation>Протокол чата:</translation>
    </message>
    <message>
        <source>Chat account:</source>
        <translation>Учётная запись чата:</translation>
    </message>
    <message>
        <source>Chat space:</source>
        <translation>Пространство чата:</translation>
    </message>
    <message>
        <source>Images (podcast:image)</source>
        <translation>Изображения (podcast:image)</translation>
    </message>
    <message>
        <source>Alt text</source>
        <translation>Альтернативный текст</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Соотношение сторон</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Update frequency:</source>
        <translation>Частота обновления:</translation>
    </message>
    <message>
        <source>In words, like Every other Monday</source>
        <translation>Словами, например Каждый второй понедельник</translation>
    </message>
    <message>
        <source>Recurrence rule:</source>
        <translation>Правило повторения:</translation>
    </message>
    <message>
        <source>Rule starts:</source>
        <translation>Начало правила:</translation>
    </message>
    <message>
        <source>Complete:</source>
        <translation>Завершена:</translation>
    </message>
    <message>
        <source>Publisher feed GUID:</source>
        <translation>GUID ленты издателя:</translation>
    </message>
    <message>
        <source>Publisher feed URL:</source>
        <translation>URL ленты издателя:</translation>
    </message>
    <message>
        <source>Publisher medium:</source>
        <translation>Носитель издателя:</translation>
    </message>
    <message>
        <source>Podroll (recommended podcasts)</source>
        <translation>Podroll (рекомендуемые подкасты)</translation>
    </message>
    <message>
        <source>Remote items</source>
        <translation>Удалённые элементы</translation>
    </message>
    <message>
        <source>Trailers</source>
        <translation>Трейлеры</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Сезон</translation>
    </message>
    <message>
        <source>Blocked platforms</source>
        <translation>Заблокированные платформы</translation>
    </message>
    <message>
        <source>Platform (empty: all)</source>
        <translation>Платформа (пусто: все)</translation>
    </message>
    <message>
        <source>Blocked</source>
        <translation>Заблокирована</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Главы:</translation>
    </message>
    <message>
        <source>Chapters type:</source>
        <translation>Тип глав:</translation>
    </message>
    <message>
        <source>Transcripts</source>
        <translation>Расшифровки</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Soundbites</source>
        <translation>Фрагменты</translation>
    </message>
    <message>
        <source>Alternate enclosures</source>
        <translation>Альтернативные вложения</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Битрейт</translation>
    </message>
    <message>
        <source>Codecs</source>
        <translation>Кодеки</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Integrity type</source>
        <translation>Тип контроля целостности</translation>
    </message>
    <message>
        <source>Integrity value</source>
        <translation>Значение целостности</translation>
    </message>
    <message>
        <source>Sources of the selected alternate enclosure</source>
        <translation>Источники выбранного альтернативного вложения</translation>
    </message>
    <message>
        <source>Source URI</source>
        <translation>URI источника</translation>
    </message>
    <message>
        <source>Content type</source>
        <translation>Тип содержимого</translation>
    </message>
    <message>
        <source>Content links</source>
        <translation>Ссылки на содержимое</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Доля</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Комиссия</translation>
    </message>
    <message>
        <source>Custom key</source>
        <translation>Свой ключ</translation>
    </message>
    <message>
        <source>Custom value</source>
        <translation>Своё значение</translation>
    </message>
    <message>
        <source>Feed GUID</source>
        <translation>GUID ленты</translation>
    </message>
    <message>
        <source>Feed URL</source>
        <translation>URL ленты</translation>
    </message>
    <message>
        <source>Item GUID</source>
        <translation>GUID элемента</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Носитель</translation>
    </message>
</context>
<context>
    <name>CPodcastValues</name>
    <message>
        <source>Not a time in seconds like 73.0 or 1234.5</source>
        <translation>Это не время в секундах вида 73.0 или 1234.5</translation>
    </message>
    <message>
        <source>Not a number like 3 or 315.5</source>
        <translation>Это не число вида 3 или 315.5</translation>
    </message>
    <message>
        <source>Not an ISO 8601 date like 2023-08-28T00:00:00.000Z</source>
        <translation>Это не дата ISO 8601 вида 2023-08-28T00:00:00.000Z</translation>
    </message>
    <message>
        <source>Not a UUID like 917393e3-1b1e-5cef-ace4-edaa54e1f810</source>
        <translation>Это не UUID вида 917393e3-1b1e-5cef-ace4-edaa54e1f810</translation>
    </message>
    <message>
        <source>Not a place like geo:30.2672,97.7431</source>
        <translation>Это не место вида geo:30.2672,97.7431</translation>
    </message>
    <message>
        <source>Not an OpenStreetMap object like R113314 or W43678282</source>
        <translation>Это не объект OpenStreetMap вида R113314 или W43678282</translation>
    </message>
    <message>
        <source>Not a percentage from 0 to 100</source>
        <translation>Это не процент от 0 до 100</translation>
    </message>
    <message>
        <source>Not one of: %1</source>
        <translation>Это не одно из значений: %1</translation>
    </message>
    <message>
        <source>Not a two-letter country code like US or DE</source>
        <translation>Это не двухбуквенный код страны вида US или DE</translation>
    </message>
    <message>
        <source>Not an aspect ratio like 16/9 or 1.9</source>
        <translation>Это не соотношение сторон вида 16/9 или 1.9</translation>
    </message>
</context>
<context>
    <name>CPostCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Отменить: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Повторить: %1</translation>
    </message>
    <message>
        <source>Delete this post?

&quot;%1&quot;</source>
        <translation>Удалить эту запись?

«%1»</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Discard the changes to %1 and reload it from the disk?</source>
        <translation>Отбросить изменения в %1 и перезагрузить файл с диска?</translation>
    </message>
    <message>
        <source>&amp;Discard and Reload</source>
        <translation>&amp;Отбросить и перезагрузить</translation>
    </message>
    <message>
        <source>Cannot reload %1.

%2

The feed stays as it was.</source>
        <translation>Не удаётся перезагрузить %1.

%2

Лента осталась прежней.</translation>
    </message>
    <message>
        <source>No program could be started to show folders.</source>
        <translation>Не удалось запустить программу для показа папок.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Папка не существует.</translation>
    </message>
    <message>
        <source>Cannot open directory %1 %2</source>
        <translation>Не удаётся открыть папку %1. %2</translation>
    </message>
    <message>
        <source>Skipped %1. %2</source>
        <translation>Пропущен %1. %2</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Episode(s)</source>
        <translation>
            <numerusform>Добавить %n эпизод</numerusform>
            <numerusform>Добавить %n эпизода</numerusform>
            <numerusform>Добавить %n эпизодов</numerusform>
        </translation>
    </message>
    <message>
        <source>This feed&apos;s publish settings give no media address, so the episodes&apos; enclosures cannot get their web addresses.

Add them with addresses relative to the feed, to be completed later? To set the media address first, cancel and choose File &gt; Publish Settings.</source>
        <translation>В параметрах публикации этой ленты нет адреса медиафайлов, поэтому вложения эпизодов не могут получить веб-адреса.

Добавить их с адресами относительно ленты, чтобы дополнить позже? Чтобы сначала задать адрес медиафайлов, отмените и выберите Файл &gt; Параметры публикации.</translation>
    </message>
    <message>
        <source>&amp;Add Anyway</source>
        <translation>Всё равно &amp;добавить</translation>
    </message>
</context>
<context>
    <name>CPostRowDelegate</name>
    <message>
        <source>Post title</source>
        <translation>Заголовок записи</translation>
    </message>
    <message>
        <source>Enter keeps the new title, Escape drops it</source>
        <translation>Enter сохраняет новый заголовок, Escape отменяет его</translation>
    </message>
</context>
<context>
    <name>CPostsListCtrl</name>
    <message>
        <source>No items</source>
        <translation>Нет записей</translation>
    </message>
</context>
<context>
    <name>CPostsModel</name>
    <message>
        <source>Posts - Press Ctrl+F for filtering</source>
        <translation>Записи — Ctrl+F для фильтра</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Rename Post</source>
        <translation>Переименование записи</translation>
    </message>
    <message>
        <source>Stream starts %1</source>
        <translation>Эфир начнётся %1</translation>
    </message>
    <message>
        <source>Live now, since %1</source>
        <translation>Сейчас в эфире, с %1</translation>
    </message>
    <message>
        <source>Stream ended, began %1</source>
        <translation>Эфир завершён, начался %1</translation>
    </message>
    <message>
        <source>Stream (%1) at %2</source>
        <translation>Эфир (%1): %2</translation>
    </message>
    <message>
        <source>Live item, %1: %2 to %3</source>
        <translation>Прямой эфир, %1: с %2 до %3</translation>
    </message>
    <message>
        <source>No title</source>
        <translation>Нет заголовка</translation>
    </message>
    <message>
        <source>No date</source>
        <translation>Нет даты</translation>
    </message>
    <message>
        <source>Unreadable date: %1</source>
        <translation>Нечитаемая дата: %1</translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>&amp;Add a footer under the description of every post I edit</source>
        <translation>&amp;Добавлять подпись под описанием каждой изменённой записи</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>&amp;Default Text</source>
        <translation>&amp;Текст по умолчанию</translation>
    </message>
    <message>
        <source>The footer is added when a post&apos;s description is stored, unless the description ends with one already.</source>
        <translation>Подпись добавляется при сохранении описания записи, если описание ещё не заканчивается ею.</translation>
    </message>
    <message>
        <source>Footer &amp;text:</source>
        <translation>Т&amp;екст подписи:</translation>
    </message>
    <message>
        <source>Post footer</source>
        <translation>Подпись записи</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Как на рабочем столе</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation>&amp;Цвета:</translation>
    </message>
</context>
<context>
    <name>CPublishCommand</name>
    <message>
        <source>%1: file %2 of %3, %4% sent</source>
        <translation>%1: файл %2 из %3, отправлено %4%</translation>
    </message>
    <message>
        <source>--to %1: %2</source>
        <translation>--to %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 не является файлом.</translation>
    </message>
    <message>
        <source>The feed check found errors in %1; nothing was sent:</source>
        <translation>Проверка ленты нашла ошибки в %1; ничего не отправлено:</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
</context>
<context>
    <name>CPublishProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Stop publishing; the feed on the server stays as it was</source>
        <translation>Остановить публикацию; лента на сервере останется прежней</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Отмена…</translation>
    </message>
    <message>
        <source>Publishing to %1…</source>
        <translation>Публикация в %1…</translation>
    </message>
    <message>
        <source>File %1 of %2, %3 of %4</source>
        <translation>Файл %1 из %2, %3 из %4</translation>
    </message>
</context>
<context>
    <name>CPublishSettingsDialog</name>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Обзор…</translation>
    </message>
    <message>
        <source>Switch plain FTP to &amp;TLS (STARTTLS) before logging in</source>
        <translation>Переключать обычный FTP на &amp;TLS (STARTTLS) перед входом</translation>
    </message>
    <message>
        <source>B&amp;rowse…</source>
        <translation>О&amp;бзор…</translation>
    </message>
    <message>
        <source>Publish Settings — %1</source>
        <translation>Параметры публикации — %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Key file</source>
        <translation>Файл ключа</translation>
    </message>
    <message>
        <source>SSH agent</source>
        <translation>Агент SSH</translation>
    </message>
    <message>
        <source>the feed&apos;s folder</source>
        <translation>папка ленты</translation>
    </message>
    <message>
        <source>&amp;Upload to:</source>
        <translation>&amp;Загружать в:</translation>
    </message>
    <message>
        <source>U&amp;ser:</source>
        <translation>&amp;Пользователь:</translation>
    </message>
    <message>
        <source>SFTP si&amp;gns in with:</source>
        <translation>Вход &amp;SFTP через:</translation>
    </message>
    <message>
        <source>SSH &amp;key file:</source>
        <translation>Файл &amp;ключа SSH:</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>&amp;Media address:</source>
        <translation>&amp;Адрес медиафайлов:</translation>
    </message>
    <message>
        <source>Media &amp;folder:</source>
        <translation>Папка &amp;медиафайлов:</translation>
    </message>
    <message>
        <source>Optional. Enclosures whose address starts with the media address are uploaded beside the feed from the same place under the media folder, unless the server has them at the same size.</source>
        <translation>Необязательно. Вложения, адрес которых начинается с адреса медиафайлов, загружаются рядом с лентой из того же места в папке медиафайлов, если на сервере их нет в том же размере.</translation>
    </message>
    <message>
        <source>Media files</source>
        <translation>Медиафайлы</translation>
    </message>
    <message>
        <source>Type the address the feed is uploaded to.</source>
        <translation>Введите адрес, по которому загружается лента.</translation>
    </message>
    <message>
        <source>The address has no server name after %1://.</source>
        <translation>В адресе нет имени сервера после %1://.</translation>
    </message>
    <message>
        <source>The address needs a path after the server name, such as /feed.xml.</source>
        <translation>После имени сервера в адресе нужен путь, например /feed.xml.</translation>
    </message>
    <message>
        <source>The media address must be a web address starting with http:// or https://.</source>
        <translation>Адрес медиафайлов должен быть веб-адресом, начинающимся с http:// или https://.</translation>
    </message>
    <message>
        <source>Key &amp;passphrase:</source>
        <translation>&amp;Парольная фраза ключа:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Пароль:</translation>
    </message>
    <message>
        <source>Media Folder</source>
        <translation>Папка медиафайлов</translation>
    </message>
    <message>
        <source>SSH Key File</source>
        <translation>Файл ключа SSH</translation>
    </message>
    <message>
        <source>&amp;Name the bucket in the path (path-style), not in the host name</source>
        <translation>&amp;Указывать бакет в пути (path-style), а не в имени узла</translation>
    </message>
    <message>
        <source>Let everyone read the uploaded files (public-read &amp;ACL)</source>
        <translation>Разрешить всем читать загруженные файлы (public-read &amp;ACL)</translation>
    </message>
    <message>
        <source>Where subscribers read the feed: the address it was opened from or moved to</source>
        <translation>Где подписчики читают ленту: адрес, с которого она была открыта или на который перенесена</translation>
    </message>
    <message>
        <source>Feed&apos;s &amp;web address:</source>
        <translation>&amp;Веб-адрес ленты:</translation>
    </message>
    <message>
        <source>S3 regi&amp;on:</source>
        <translation>&amp;Регион S3:</translation>
    </message>
    <message>
        <source>The address is the feed&apos;s on the server: sftp://, ftp://, ftps://, dav:// or davs:// for WebDAV over HTTP or HTTPS, s3://ENDPOINT/BUCKET/PREFIX/ for S3-compatible storage, or file:// for a folder on this computer. An address ending with / names a folder; the feed keeps its file name there. Media files go first and the feed last, so it never lists a file that is not there yet.</source>
        <translation>Адрес — это адрес ленты на сервере: sftp://, ftp://, ftps://, dav:// или davs:// для WebDAV через HTTP или HTTPS, s3://ЭНДПОИНТ/БАКЕТ/ПРЕФИКС/ для хранилища, совместимого с S3, или file:// для папки на этом компьютере. Адрес, оканчивающийся на /, указывает папку; лента сохраняет в ней своё имя файла. Медиафайлы отправляются первыми, а лента последней, поэтому в ней никогда не окажется файла, которого ещё нет на сервере.</translation>
    </message>
    <message>
        <source>Passwords, passphrases and secret keys are kept in the desktop&apos;s keyring, never in a settings file.</source>
        <translation>Пароли, парольные фразы и секретные ключи хранятся в связке ключей рабочего стола, а не в файле настроек.</translation>
    </message>
    <message>
        <source>The address must start with sftp://, ftp://, ftps://, dav://, davs://, s3:// or file://.</source>
        <translation>Адрес должен начинаться с sftp://, ftp://, ftps://, dav://, davs://, s3:// или file://.</translation>
    </message>
    <message>
        <source>The address needs the bucket after the server name, such as /bucket/feed.xml.</source>
        <translation>После имени сервера в адресе нужен бакет, например /bucket/feed.xml.</translation>
    </message>
    <message>
        <source>Access key &amp;ID:</source>
        <translation>&amp;Идентификатор ключа доступа:</translation>
    </message>
    <message>
        <source>&amp;Secret access key:</source>
        <translation>&amp;Секретный ключ доступа:</translation>
    </message>
</context>
<context>
    <name>CRSSEditDoc</name>
    <message>
        <source>Edit Title</source>
        <translation>Изменение заголовка</translation>
    </message>
    <message>
        <source>Edit Link</source>
        <translation>Изменение ссылки</translation>
    </message>
    <message>
        <source>Edit Author</source>
        <translation>Изменение автора</translation>
    </message>
    <message>
        <source>Edit Description</source>
        <translation>Изменение описания</translation>
    </message>
    <message>
        <source>Feed%1</source>
        <translation>Лента%1</translation>
    </message>
    <message>
        <source>Add Post</source>
        <translation>Добавление записи</translation>
    </message>
    <message>
        <source>Duplicate Post</source>
        <translation>Дублирование записи</translation>
    </message>
    <message>
        <source>Delete Post</source>
        <translation>Удаление записи</translation>
    </message>
    <message>
        <source>Edit Channel %1</source>
        <translation>Изменение %1 канала</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Изменение %1</translation>
    </message>
    <message>
        <source>Turn Podcast On</source>
        <translation>Включение подкаста</translation>
    </message>
    <message>
        <source>Move Post to Top</source>
        <translation>Перемещение записи в начало</translation>
    </message>
    <message>
        <source>Set Date to Now</source>
        <translation>Установка текущей даты</translation>
    </message>
    <message>
        <source>Add Live Item</source>
        <translation>Добавление прямого эфира</translation>
    </message>
    <message>
        <source>Listen live</source>
        <translation>Слушать в прямом эфире</translation>
    </message>
    <message>
        <source>Move Feed</source>
        <translation>Перенос ленты</translation>
    </message>
</context>
<context>
    <name>CRSSEditView</name>
    <message>
        <source>Format Description</source>
        <translation>Форматирование описания</translation>
    </message>
    <message>
        <source>Tidrel editor</source>
        <translation>Редактор Tidrel</translation>
    </message>
    <message>
        <source>Type RSS Item here (this area is editable and selectable)</source>
        <translation>Введите запись RSS здесь (эту область можно изменять и выделять)</translation>
    </message>
    <message>
        <source>Type RSS item title here…</source>
        <translation>Введите заголовок записи RSS…</translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation>Форматирование</translation>
    </message>
    <message>
        <source>Type description of RSS item here…</source>
        <translation>Введите описание записи RSS…</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Ссылка:</translation>
    </message>
    <message>
        <source>&lt;Enter link to article here...&gt;</source>
        <translation>&lt;Введите ссылку на статью...&gt;</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Автор:</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Strong emphasis</source>
        <translation>Сильное выделение</translation>
    </message>
    <message>
        <source>Emphasis</source>
        <translation>Выделение</translation>
    </message>
    <message>
        <source>Strikethrough text</source>
        <translation>Зачёркнутый текст</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Абзац</translation>
    </message>
    <message>
        <source>Header 1</source>
        <translation>Заголовок 1</translation>
    </message>
    <message>
        <source>Header 2</source>
        <translation>Заголовок 2</translation>
    </message>
    <message>
        <source>Header 3</source>
        <translation>Заголовок 3</translation>
    </message>
    <message>
        <source>Header 4</source>
        <translation>Заголовок 4</translation>
    </message>
    <message>
        <source>Block of plain text, &lt;pre&gt;</source>
        <translation>Блок простого текста, &lt;pre&gt;</translation>
    </message>
    <message>
        <source>Insert or edit hyperlink</source>
        <translation>Вставить или изменить гиперссылку</translation>
    </message>
    <message>
        <source>Insert or change properties image</source>
        <translation>Вставить изображение или изменить его свойства</translation>
    </message>
    <message>
        <source>List item, unordered list</source>
        <translation>Элемент маркированного списка</translation>
    </message>
    <message>
        <source>List item, ordered list</source>
        <translation>Элемент нумерованного списка</translation>
    </message>
    <message>
        <source>Decrease level of list item or un-quote</source>
        <translation>Понизить уровень списка или убрать цитату</translation>
    </message>
    <message>
        <source>Increase level of list item or quote</source>
        <translation>Повысить уровень списка или процитировать</translation>
    </message>
    <message>
        <source>Show/hide rulers</source>
        <translation>Показать/скрыть линейки</translation>
    </message>
    <message>
        <source>Cannot init HTML face</source>
        <translation>Не удаётся запустить HTML-интерфейс</translation>
    </message>
    <message>
        <source>Remove Spans and Styles</source>
        <translation>Удаление SPAN и стилей</translation>
    </message>
    <message>
        <source>Remove Non-Breaking Spaces</source>
        <translation>Удаление неразрывных пробелов</translation>
    </message>
    <message>
        <source>Current Object Tag: %1</source>
        <translation>Тег текущего объекта: %1</translation>
    </message>
    <message>
        <source>Insert Hyperlink</source>
        <translation>Вставка гиперссылки</translation>
    </message>
    <message>
        <source>Insert Image</source>
        <translation>Вставка изображения</translation>
    </message>
    <message>
        <source>Post title</source>
        <translation>Заголовок записи</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Links of other posts</source>
        <translation>Ссылки других записей</translation>
    </message>
    <message>
        <source>Authors of other posts</source>
        <translation>Авторы других записей</translation>
    </message>
</context>
<context>
    <name>CRemoteFolder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 не читается.</translation>
    </message>
    <message>
        <source>The server&apos;s host key is not known: %1.</source>
        <translation>Ключ узла сервера неизвестен: %1.</translation>
    </message>
    <message>
        <source>Refused: the server&apos;s host key has changed (now %1). Someone may be listening in, or the server was set up anew.</source>
        <translation>Отказано: ключ узла сервера изменился (теперь %1). Возможно, соединение прослушивается, или сервер был настроен заново.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Отменено.</translation>
    </message>
    <message>
        <source>The server did not let the uploaded file take the old one&apos;s place.</source>
        <translation>Сервер не позволил загруженному файлу заменить старый.</translation>
    </message>
</context>
<context>
    <name>CRssFeed</name>
    <message>
        <source>New Item</source>
        <translation>Новая запись</translation>
    </message>
    <message>
        <source>New Live Item</source>
        <translation>Новый прямой эфир</translation>
    </message>
</context>
<context>
    <name>CS3Folder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Не удаётся прочитать %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Отменено.</translation>
    </message>
    <message>
        <source>The storage does not know the access key ID %1: check it.</source>
        <translation>Хранилищу не известен идентификатор ключа доступа %1: проверьте его.</translation>
    </message>
    <message>
        <source>The secret access key does not belong to the access key ID %1: check the secret.</source>
        <translation>Секретный ключ доступа не соответствует идентификатору ключа доступа %1: проверьте секретный ключ.</translation>
    </message>
    <message>
        <source>There is no bucket %1 at %2: check the bucket&apos;s name and the endpoint.</source>
        <translation>На %2 нет бакета %1: проверьте имя бакета и эндпоинт.</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is too far from the storage&apos;s: set the clock right, for instance with automatic date and time.</source>
        <translation>Часы этого компьютера слишком расходятся с часами хранилища: выставьте точное время, например включив автоматическую установку даты и времени.</translation>
    </message>
    <message>
        <source>The storage refused the region %1: check the bucket&apos;s region.</source>
        <translation>Хранилище отклонило регион %1: проверьте регион бакета.</translation>
    </message>
    <message>
        <source>The storage refused the key %1 access to bucket %2: check the key&apos;s permissions.</source>
        <translation>Хранилище отказало ключу %1 в доступе к бакету %2: проверьте права ключа.</translation>
    </message>
    <message>
        <source>The storage refused the request: %1 (%2).</source>
        <translation>Хранилище отклонило запрос: %1 (%2).</translation>
    </message>
    <message>
        <source>The storage answered with error %1.</source>
        <translation>Хранилище ответило ошибкой %1.</translation>
    </message>
</context>
<context>
    <name>CSecretStore</name>
    <message>
        <source>There is no keyring on this desktop: %1</source>
        <translation>На этом рабочем столе нет связки ключей: %1</translation>
    </message>
    <message>
        <source>There is no keyring: the desktop&apos;s session bus is not running.</source>
        <translation>Нет связки ключей: сеансовая шина рабочего стола не запущена.</translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>Welcome To Tidrel</source>
        <translation>Добро пожаловать в Tidrel</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Create new feed</source>
        <translation>Создать новую ленту</translation>
    </message>
    <message>
        <source>Open a feed…</source>
        <translation>Открыть ленту…</translation>
    </message>
    <message>
        <source>Recent Feeds</source>
        <translation>Недавние ленты</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Tidrel user guide</source>
        <translation>Руководство пользователя Tidrel</translation>
    </message>
    <message>
        <source>WWW</source>
        <translation>WWW</translation>
    </message>
    <message>
        <source>RSS 2.0 at the RSS Advisory Board</source>
        <translation>RSS 2.0 на сайте RSS Advisory Board</translation>
    </message>
    <message>
        <source>W3C Feed Validation Service</source>
        <translation>Служба проверки лент W3C</translation>
    </message>
    <message>
        <source>Qt WebEngine, the HTML engine of Tidrel</source>
        <translation>Qt WebEngine — HTML-движок Tidrel</translation>
    </message>
    <message>
        <source>Web links open in your web browser.</source>
        <translation>Веб-ссылки открываются в вашем браузере.</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>Create a new feed</source>
        <translation>Создать новую ленту</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Открыть…</translation>
    </message>
    <message>
        <source>Open an existing feed</source>
        <translation>Открыть существующую ленту</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Close the active feed</source>
        <translation>Закрыть активную ленту</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Save the active feed</source>
        <translation>Сохранить активную ленту</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Сохранить &amp;как…</translation>
    </message>
    <message>
        <source>Save the active feed with a new name</source>
        <translation>Сохранить активную ленту под новым именем</translation>
    </message>
    <message>
        <source>P&amp;ublish</source>
        <translation>О&amp;публиковать</translation>
    </message>
    <message>
        <source>Upload the saved feed to its server or folder</source>
        <translation>Загрузить сохранённую ленту на её сервер или в её папку</translation>
    </message>
    <message>
        <source>Publish Se&amp;ttings…</source>
        <translation>Параметры пу&amp;бликации…</translation>
    </message>
    <message>
        <source>Choose where the feed is published and how to sign in</source>
        <translation>Выбрать, где публикуется лента и как выполнять вход</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Печать…</translation>
    </message>
    <message>
        <source>Print the current post as the editor shows it</source>
        <translation>Напечатать текущую запись так, как её показывает редактор</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Предварительный про&amp;смотр</translation>
    </message>
    <message>
        <source>Show the printout of the current post</source>
        <translation>Показать, как будет напечатана текущая запись</translation>
    </message>
    <message>
        <source>P&amp;rint Setup…</source>
        <translation>Параметры печа&amp;ти…</translation>
    </message>
    <message>
        <source>Change the paper, orientation and margins of printouts</source>
        <translation>Изменить бумагу, ориентацию и поля при печати</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save feeds</source>
        <translation>Завершить программу; предлагает сохранить ленты</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Отменить последнее действие</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Make the last undone change again</source>
        <translation>Повторить последнее отменённое изменение</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Вырезать выделенное и поместить в буфер обмена</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Скопировать выделенное в буфер обмена</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Вставить содержимое буфера обмена</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Выделить в&amp;сё</translation>
    </message>
    <message>
        <source>Select the entire description</source>
        <translation>Выделить всё описание</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Полужирный</translation>
    </message>
    <message>
        <source>Make the selected text bold</source>
        <translation>Сделать выделенный текст полужирным</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Курсив</translation>
    </message>
    <message>
        <source>Make the selected text italic</source>
        <translation>Сделать выделенный текст курсивом</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>П&amp;одчёркнутый</translation>
    </message>
    <message>
        <source>Underline the selected text</source>
        <translation>Подчеркнуть выделенный текст</translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation>&amp;Зачёркнутый</translation>
    </message>
    <message>
        <source>Strike through the selected text</source>
        <translation>Зачеркнуть выделенный текст</translation>
    </message>
    <message>
        <source>UL &amp;List</source>
        <translation>&amp;Список UL</translation>
    </message>
    <message>
        <source>Make the paragraph an item of a bulleted list</source>
        <translation>Сделать абзац элементом маркированного списка</translation>
    </message>
    <message>
        <source>&amp;Remove SPAN and styles</source>
        <translation>&amp;Удалить SPAN и стили</translation>
    </message>
    <message>
        <source>Remove the span tags and inline styles of the description</source>
        <translation>Удалить теги span и встроенные стили описания</translation>
    </message>
    <message>
        <source>R&amp;emove &amp;&amp;nbsp;</source>
        <translation>Уд&amp;алить &amp;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Turn the non-breaking spaces of the description into plain spaces</source>
        <translation>Заменить неразрывные пробелы описания обычными</translation>
    </message>
    <message>
        <source>Insert &amp;Test</source>
        <translation>Вставить &amp;тест</translation>
    </message>
    <message>
        <source>Show the tag of the element at the caret</source>
        <translation>Показать тег элемента под курсором</translation>
    </message>
    <message>
        <source>&amp;Hyperlink…</source>
        <translation>&amp;Гиперссылка…</translation>
    </message>
    <message>
        <source>Insert a hyperlink on the selection, or change the one at the caret</source>
        <translation>Вставить гиперссылку на выделенное или изменить ссылку под курсором</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Изображение</translation>
    </message>
    <message>
        <source>Insert an image, or change the one at the caret</source>
        <translation>Вставить изображение или изменить изображение под курсором</translation>
    </message>
    <message>
        <source>&amp;Add Post…</source>
        <translation>&amp;Добавить запись…</translation>
    </message>
    <message>
        <source>Add new post</source>
        <translation>Добавить новую запись</translation>
    </message>
    <message>
        <source>Re&amp;name Post…</source>
        <translation>&amp;Переименовать запись…</translation>
    </message>
    <message>
        <source>Rename selected post</source>
        <translation>Переименовать выбранную запись</translation>
    </message>
    <message>
        <source>&amp;Duplicate Post</source>
        <translation>Д&amp;ублировать запись</translation>
    </message>
    <message>
        <source>Duplicate selected post</source>
        <translation>Дублировать выбранную запись</translation>
    </message>
    <message>
        <source>Duplicate + Dele&amp;te</source>
        <translation>Дублировать + у&amp;далить</translation>
    </message>
    <message>
        <source>Duplicate selected post + delete origin</source>
        <translation>Дублировать выбранную запись и удалить исходную</translation>
    </message>
    <message>
        <source>&amp;Set Date to Now</source>
        <translation>&amp;Текущая дата</translation>
    </message>
    <message>
        <source>Date the selected post with the present time</source>
        <translation>Поставить выбранной записи текущие дату и время</translation>
    </message>
    <message>
        <source>De&amp;lete Post…</source>
        <translation>&amp;Удалить запись…</translation>
    </message>
    <message>
        <source>Delete selected post</source>
        <translation>Удалить выбранную запись</translation>
    </message>
    <message>
        <source>Sort By &amp;Position</source>
        <translation>Сортировать по &amp;положению</translation>
    </message>
    <message>
        <source>Sort the posts by their position in the feed</source>
        <translation>Сортировать записи по их положению в ленте</translation>
    </message>
    <message>
        <source>Sort By T&amp;itle</source>
        <translation>Сортировать по &amp;заголовку</translation>
    </message>
    <message>
        <source>Sort the posts by title</source>
        <translation>Сортировать записи по заголовку</translation>
    </message>
    <message>
        <source>Sort By Date Cr&amp;eated</source>
        <translation>Сортировать по дате &amp;создания</translation>
    </message>
    <message>
        <source>Sort the posts by date created, newest first</source>
        <translation>Сортировать записи по дате создания, сначала новые</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>Go back to the post shown before</source>
        <translation>Вернуться к ранее показанной записи</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Вп&amp;еред</translation>
    </message>
    <message>
        <source>Go forward to the post shown before going back</source>
        <translation>Перейти вперёд к записи, показанной до возврата</translation>
    </message>
    <message>
        <source>&amp;Reload…</source>
        <translation>&amp;Перезагрузить…</translation>
    </message>
    <message>
        <source>Reload the current feed from disk</source>
        <translation>Перезагрузить текущую ленту с диска</translation>
    </message>
    <message>
        <source>&amp;Copy Title</source>
        <translation>&amp;Копировать заголовок</translation>
    </message>
    <message>
        <source>Copy the title of the selected post to the Clipboard</source>
        <translation>Скопировать заголовок выбранной записи в буфер обмена</translation>
    </message>
    <message>
        <source>Filterin&amp;g</source>
        <translation>&amp;Фильтр</translation>
    </message>
    <message>
        <source>Filter posts by title</source>
        <translation>Фильтровать записи по заголовку</translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Feed &amp;Properties…</source>
        <translation>&amp;Свойства ленты…</translation>
    </message>
    <message>
        <source>Edit the channel of the feed: title, description, image, podcast tags and the other elements</source>
        <translation>Изменить канал ленты: заголовок, описание, изображение, теги подкаста и другие элементы</translation>
    </message>
    <message>
        <source>&amp;Copy RSS Feed</source>
        <translation>&amp;Копировать ленту RSS</translation>
    </message>
    <message>
        <source>Copy entire RSS feed code in clipboard</source>
        <translation>Скопировать весь код ленты RSS в буфер обмена</translation>
    </message>
    <message>
        <source>&amp;W3C RSS Validator…</source>
        <translation>Валидатор RSS &amp;W3C…</translation>
    </message>
    <message>
        <source>Open the W3C feed validation service to check a pasted feed</source>
        <translation>Открыть службу проверки лент W3C, чтобы проверить вставленную ленту</translation>
    </message>
    <message>
        <source>Open &amp;Backup Folder</source>
        <translation>Открыть папку &amp;резервных копий</translation>
    </message>
    <message>
        <source>Open backup folder for RSS-feeds</source>
        <translation>Открыть папку резервных копий лент RSS</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Настройки…</translation>
    </message>
    <message>
        <source>Choose whether edited posts get a footer, and its text</source>
        <translation>Выбрать, добавлять ли подпись к изменённым записям, и её текст</translation>
    </message>
    <message>
        <source>&amp;Check Feed</source>
        <translation>&amp;Проверить ленту</translation>
    </message>
    <message>
        <source>Check the feed for problems and list them in the Problems pane</source>
        <translation>Проверить ленту и перечислить проблемы на панели «Проблемы»</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Панель инструментов</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Показать или скрыть панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Показать или скрыть строку состояния</translation>
    </message>
    <message>
        <source>RSS P&amp;osts</source>
        <translation>&amp;Записи RSS</translation>
    </message>
    <message>
        <source>Show or hide the RSS posts bar</source>
        <translation>Показать или скрыть панель записей RSS</translation>
    </message>
    <message>
        <source>Toggle Posts Bar</source>
        <translation>Панель записей</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>Про&amp;смотр</translation>
    </message>
    <message>
        <source>Show or hide the HTML-code preview</source>
        <translation>Показать или скрыть просмотр HTML-кода</translation>
    </message>
    <message>
        <source>Toggle Items Bar</source>
        <translation>Панель просмотра</translation>
    </message>
    <message>
        <source>Post &amp;Details</source>
        <translation>&amp;Сведения о записи</translation>
    </message>
    <message>
        <source>Show or hide the pane with the date, guid, categories, enclosures and podcast tags of the post</source>
        <translation>Показать или скрыть панель с датой, guid, категориями, вложениями и тегами подкаста записи</translation>
    </message>
    <message>
        <source>Undo &amp;History</source>
        <translation>&amp;История изменений</translation>
    </message>
    <message>
        <source>Show or hide the list of changes to the active feed</source>
        <translation>Показать или скрыть список изменений активной ленты</translation>
    </message>
    <message>
        <source>P&amp;roblems</source>
        <translation>П&amp;роблемы</translation>
    </message>
    <message>
        <source>Show or hide the list of the problems the last check found</source>
        <translation>Показать или скрыть список проблем, найденных последней проверкой</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Каскадом</translation>
    </message>
    <message>
        <source>Arrange the feed windows so they overlap</source>
        <translation>Расположить окна лент внахлёст</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Рядом</translation>
    </message>
    <message>
        <source>Arrange the feed windows side by side</source>
        <translation>Расположить окна лент рядом</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>&amp;Следующее</translation>
    </message>
    <message>
        <source>Activate the next feed window</source>
        <translation>Активировать следующее окно ленты</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Предыдущее</translation>
    </message>
    <message>
        <source>Activate the previous feed window</source>
        <translation>Активировать предыдущее окно ленты</translation>
    </message>
    <message>
        <source>Tidrel &amp;Help</source>
        <translation>&amp;Справка Tidrel</translation>
    </message>
    <message>
        <source>Show the user guide of Tidrel</source>
        <translation>Показать руководство пользователя Tidrel</translation>
    </message>
    <message>
        <source>About Qt &amp;WebEngine</source>
        <translation>О Qt &amp;WebEngine</translation>
    </message>
    <message>
        <source>Open the home page of Qt WebEngine, the HTML engine of Tidrel, in the web browser</source>
        <translation>Открыть в браузере домашнюю страницу Qt WebEngine, HTML-движка Tidrel</translation>
    </message>
    <message>
        <source>&amp;About Tidrel…</source>
        <translation>&amp;О программе Tidrel…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Показать сведения о программе, номер версии и авторские права</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>New &amp;Episode from Audio…</source>
        <translation>Новый &amp;эпизод из аудио…</translation>
    </message>
    <message>
        <source>Add a podcast episode for each audio file chosen, from its tags</source>
        <translation>Добавить эпизод подкаста для каждого выбранного аудиофайла по его тегам</translation>
    </message>
    <message>
        <source>New Li&amp;ve Item</source>
        <translation>Новый прямой &amp;эфир</translation>
    </message>
    <message>
        <source>Add a live stream, pending, at the top of the posts</source>
        <translation>Добавить ожидаемый прямой эфир (pending) в начало списка записей</translation>
    </message>
    <message>
        <source>Open &amp;Location…</source>
        <translation>Открыть по &amp;адресу…</translation>
    </message>
    <message>
        <source>Open a feed from its web address, to edit and keep a copy of</source>
        <translation>Открыть ленту по её веб-адресу, чтобы изменить её и сохранить копию</translation>
    </message>
    <message>
        <source>&amp;Move Feed…</source>
        <translation>Пере&amp;нести ленту…</translation>
    </message>
    <message>
        <source>Give the feed a new address and tell subscribers&apos; apps to follow it there</source>
        <translation>Дать ленте новый адрес и сообщить приложениям подписчиков, что пора перейти туда</translation>
    </message>
</context>
<context>
    <name>CreateFeedPage</name>
    <message>
        <source>Create RSS Feed</source>
        <translation>Создание ленты RSS</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Заголовок:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Категория:</translation>
    </message>
    <message>
        <source>Type category of feed here</source>
        <translation>Введите категорию ленты</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The feed&apos;s name (required)</source>
        <translation>Название ленты (обязательно)</translation>
    </message>
    <message>
        <source>Web site:</source>
        <translation>Сайт:</translation>
    </message>
    <message>
        <source>https://… of the site the feed is for (required)</source>
        <translation>https://… сайта ленты (обязательно)</translation>
    </message>
    <message>
        <source>Feed address:</source>
        <translation>Адрес ленты:</translation>
    </message>
    <message>
        <source>https://… the feed file is published at</source>
        <translation>https://…, по которому публикуется файл ленты</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Описание:</translation>
    </message>
    <message>
        <source>What the feed is about (required)</source>
        <translation>О чём эта лента (обязательно)</translation>
    </message>
    <message>
        <source>RSS requires a title, a web site and a description. The feed address, where readers find the feed when it moves, may wait until you know it. Empty fields are left out of the file.</source>
        <translation>RSS требует заголовок, сайт и описание. Адрес ленты, по которому программы чтения находят ленту после переезда, можно указать, когда он станет известен. Пустые поля в файл не записываются.</translation>
    </message>
</context>
<context>
    <name>FeedFileKind</name>
    <message>
        <source>This is %1; Tidrel edits RSS 2.0 feeds.</source>
        <translation>Это %1; Tidrel редактирует ленты RSS 2.0.</translation>
    </message>
    <message>
        <source>an HTML page</source>
        <translation>HTML-страница</translation>
    </message>
    <message>
        <source>an Atom feed</source>
        <translation>лента Atom</translation>
    </message>
    <message>
        <source>an RSS 1.0 feed</source>
        <translation>лента RSS 1.0</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>изображение PNG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>изображение GIF</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>изображение JPEG</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>документ PDF</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>архив ZIP</translation>
    </message>
    <message>
        <source>a gzip archive</source>
        <translation>архив gzip</translation>
    </message>
    <message>
        <source>This is %1, not a text file; Tidrel edits RSS 2.0 feeds.</source>
        <translation>Это %1, а не текстовый файл; Tidrel редактирует ленты RSS 2.0.</translation>
    </message>
    <message>
        <source>This is not a text file; Tidrel edits RSS 2.0 feeds.</source>
        <translation>Это не текстовый файл; Tidrel редактирует ленты RSS 2.0.</translation>
    </message>
    <message>
        <source>This is not an RSS feed: its root element is &lt;%1&gt;, where an RSS 2.0 feed has &lt;rss&gt;. Tidrel edits RSS 2.0 feeds.</source>
        <translation>Это не лента RSS: её корневой элемент — &lt;%1&gt;, а у ленты RSS 2.0 это &lt;rss&gt;. Tidrel редактирует ленты RSS 2.0.</translation>
    </message>
</context>
<context>
    <name>FeedParser</name>
    <message>
        <source>(line %1, column %2)</source>
        <translation>(строка %1, столбец %2)</translation>
    </message>
    <message>
        <source>The file defines the entity &amp;%1; in its DOCTYPE. Tidrel reads only the five predefined entities and character references, so that a save writes back what it read and never fetches an external entity</source>
        <translation>Файл определяет сущность &amp;%1; в своём DOCTYPE. Tidrel читает только пять предопределённых сущностей и ссылки на символы, чтобы сохранение записывало то, что было прочитано, и никогда не загружало внешнюю сущность</translation>
    </message>
    <message>
        <source>The file uses the entity &amp;%1;, which it does not define</source>
        <translation>Файл использует сущность &amp;%1;, которую не определяет</translation>
    </message>
    <message>
        <source>The file&apos;s encoding &quot;%1&quot; is not one Tidrel can read %2.</source>
        <translation>Tidrel не умеет читать кодировку файла «%1» %2.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML, or uses a four-byte GB18030 character, which Tidrel cannot edit in place %1.</source>
        <translation>Файл не является правильно построенным XML или содержит четырёхбайтовый символ GB18030, который Tidrel не может редактировать на месте %1.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML: %1 %2.</source>
        <translation>Файл не является правильно построенным XML: %1 %2.</translation>
    </message>
</context>
<context>
    <name>FeedReader</name>
    <message>
        <source>This is a folder, not a feed file.</source>
        <translation>Это папка, а не файл ленты.</translation>
    </message>
    <message>
        <source>Cannot open the file: %1</source>
        <translation>Не удаётся открыть файл: %1</translation>
    </message>
    <message>
        <source>Cannot read the file: %1</source>
        <translation>Не удаётся прочитать файл: %1</translation>
    </message>
    <message>
        <source>The file is too large to edit (2 GiB or more).</source>
        <translation>Файл слишком велик для редактирования (2 ГиБ или больше).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Файл пуст.</translation>
    </message>
    <message>
        <source>This is a device or a pipe, not a feed file.</source>
        <translation>Это устройство или канал, а не файл ленты.</translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation>Файл изменился во время чтения.</translation>
    </message>
</context>
<context>
    <name>FeedWriter</name>
    <message>
        <source>Cannot write the file: %1</source>
        <translation>Не удаётся записать файл: %1</translation>
    </message>
</context>
<context>
    <name>PostFooter</name>
    <message>
        <source>This post created by Tidrel v%1…</source>
        <translation>Эта запись создана в Tidrel v%1…</translation>
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
        <translation>Скобки в дате не парные.</translation>
    </message>
    <message>
        <source>The date holds a comment in parentheses, which many readers cannot read.</source>
        <translation>Дата содержит комментарий в скобках, который многие программы чтения не понимают.</translation>
    </message>
    <message>
        <source>Not a date in the form %1.</source>
        <translation>Это не дата в форме %1.</translation>
    </message>
    <message>
        <source>The date has missing or extra spaces; write one space between its parts.</source>
        <translation>В дате не хватает пробелов или есть лишние; между частями даты нужен один пробел.</translation>
    </message>
    <message>
        <source>Write &quot;%1&quot; as &quot;%2&quot;.</source>
        <translation>Пишите «%1» как «%2».</translation>
    </message>
    <message>
        <source>A comma must follow the day name (&quot;%1,&quot;).</source>
        <translation>После названия дня нужна запятая («%1,»).</translation>
    </message>
    <message>
        <source>The year has %1 digits; write all four.</source>
        <translation>Цифр в годе: %1; пишите все четыре.</translation>
    </message>
    <message>
        <source>Write the hour with two digits.</source>
        <translation>Пишите час двумя цифрами.</translation>
    </message>
    <message>
        <source>The date has no time zone; end it with GMT or an offset such as +0000.</source>
        <translation>У даты нет часового пояса; завершите её GMT или смещением вроде +0000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time zone; use GMT or an offset such as +0000.</source>
        <translation>«%1» — не часовой пояс; используйте GMT или смещение вроде +0000.</translation>
    </message>
    <message>
        <source>The zone &quot;%1&quot; is a military letter that readers take differently; use GMT or an offset such as +0000.</source>
        <translation>Пояс «%1» — военная буква, которую программы чтения понимают по-разному; используйте GMT или смещение вроде +0000.</translation>
    </message>
    <message>
        <source>The zone offset %1 has more than 59 minutes.</source>
        <translation>Смещение пояса %1 содержит больше 59 минут.</translation>
    </message>
    <message>
        <source>The zone offset %1%2 is not one any place uses.</source>
        <translation>Смещение пояса %1%2 нигде не используется.</translation>
    </message>
    <message>
        <source>There is no day %1 in %2 %3.</source>
        <translation>Дня %1 нет в %2 %3.</translation>
    </message>
    <message>
        <source>The time of day is out of range.</source>
        <translation>Время суток вне допустимого диапазона.</translation>
    </message>
    <message>
        <source>%1 %2 %3 is a %4, not a %5.</source>
        <translation>%1 %2 %3 — это %4, а не %5.</translation>
    </message>
</context>
<context>
    <name>TitleFetchSteps</name>
    <message>
        <source>The network library could not start.</source>
        <translation>Не удалось запустить сетевую библиотеку.</translation>
    </message>
    <message>
        <source>The address is not valid.</source>
        <translation>Недопустимый адрес.</translation>
    </message>
    <message>
        <source>No temporary file could be made for the page.</source>
        <translation>Не удалось создать временный файл для страницы.</translation>
    </message>
    <message>
        <source>The page could not be saved: %1</source>
        <translation>Не удалось сохранить страницу: %1</translation>
    </message>
</context>
<context>
    <name>ValueCheck</name>
    <message>
        <source>The date is in the future.</source>
        <translation>Дата в будущем.</translation>
    </message>
    <message>
        <source>The date is before 1990, older than any feed.</source>
        <translation>Дата раньше 1990 года — старше любой ленты.</translation>
    </message>
    <message>
        <source>Add the person&apos;s name after the address: &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>Добавьте имя человека после адреса: «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>RSS writes an e-mail address as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>В RSS адрес эл. почты пишется как «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>Not an e-mail address; write one as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>Это не адрес эл. почты; пишите его как «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>Few readers can follow an address that starts &quot;%1&quot;; use http: or https:.</source>
        <translation>Немногие программы чтения откроют адрес, начинающийся с «%1»; используйте http: или https:.</translation>
    </message>
    <message>
        <source>The address holds a space; write a space in an address as %20.</source>
        <translation>В адресе есть пробел; в адресе пробел пишется как %20.</translation>
    </message>
    <message>
        <source>Not a full address; write it with its scheme and host, as &quot;https://example.org/page&quot;.</source>
        <translation>Это не полный адрес; пишите его со схемой и узлом, например «https://example.org/page».</translation>
    </message>
    <message>
        <source>Write a whole number of %1 or more.</source>
        <translation>Введите целое число не меньше %1.</translation>
    </message>
    <message>
        <source>Write a whole number from %1 to %2.</source>
        <translation>Введите целое число от %1 до %2.</translation>
    </message>
    <message>
        <source>Not a media type; write one such as &quot;audio/mpeg&quot; or &quot;video/mp4&quot;.</source>
        <translation>Это не тип медиа; введите тип вроде «audio/mpeg» или «video/mp4».</translation>
    </message>
    <message>
        <source>The language is empty; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>Язык не указан; введите код языка, например «en» или «en-us».</translation>
    </message>
    <message>
        <source>Not a language code; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>Это не код языка; введите код языка, например «en» или «en-us».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a known language; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>«%1» — неизвестный язык; введите код языка, например «en» или «en-us».</translation>
    </message>
</context>
</TS>
