<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About Tidrel</source>
        <translation>حول Tidrel</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tidrel developers</source>
        <translation>حقوق النشر © 2026 مطوّرو Tidrel</translation>
    </message>
    <message>
        <source>Tidrel version %1</source>
        <translation>Tidrel الإصدار %1</translation>
    </message>
    <message>
        <source>Release: %1 %2</source>
        <translation>البناء: %1 %2</translation>
    </message>
</context>
<context>
    <name>CAudioEpisodes</name>
    <message>
        <source>%1 is outside the media folder %2: its address names the file alone, and publishing does not upload it.</source>
        <translation>%1 خارج مجلد الوسائط %2: عنوانه يذكر اسم الملف وحده، ولا يرفعه النشر.</translation>
    </message>
    <message>
        <source>The cover of %1 could not be saved as %2: %3</source>
        <translation>تعذّر حفظ غلاف %1 باسم %2: %3</translation>
    </message>
    <message>
        <source>The cover of %1, saved as %2, is %3 x %4 pixels%5; Apple Podcasts takes square RGB artwork from 1400 x 1400 to 3000 x 3000, so the episode shows the show&apos;s artwork.</source>
        <translation>غلاف %1، المحفوظ باسم %2، أبعاده %3 x %4 بكسل%5؛ ويقبل Apple Podcasts غلافًا مربعًا بألوان RGB من 1400 x 1400 إلى 3000 x 3000، لذا تعرض الحلقة غلاف البرنامج.</translation>
    </message>
    <message>
        <source> and not in RGB</source>
        <translation> وليس بألوان RGB</translation>
    </message>
</context>
<context>
    <name>CAudioTags</name>
    <message>
        <source>The file does not exist.</source>
        <translation>الملف غير موجود.</translation>
    </message>
    <message>
        <source>It is not an audio file.</source>
        <translation>ليس ملفًا صوتيًا.</translation>
    </message>
    <message>
        <source>It cannot be read as audio.</source>
        <translation>تتعذّر قراءته صوتًا.</translation>
    </message>
</context>
<context>
    <name>CBarCaption</name>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Close the pane</source>
        <translation>إغلاق اللوحة</translation>
    </message>
</context>
<context>
    <name>CBarPostDetails</name>
    <message>
        <source>Not a play time like 1:02:03, 62:03 or 3723</source>
        <translation>ليست مدة تشغيل مثل 1:02:03 أو 62:03 أو 3723</translation>
    </message>
    <message>
        <source>Post</source>
        <translation>المنشور</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>التاريخ (&amp;D):</translation>
    </message>
    <message>
        <source>&amp;GUID:</source>
        <translation>المعرّف (&amp;G):</translation>
    </message>
    <message>
        <source>GUID is a &amp;permalink:</source>
        <translation>المعرّف رابط دائم (&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation>التعليقات (&amp;C):</translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation>المصدر (&amp;S):</translation>
    </message>
    <message>
        <source>Source &amp;URL:</source>
        <translation>عنوان المصدر (&amp;U):</translation>
    </message>
    <message>
        <source>Enclosures</source>
        <translation>المرفقات</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>الطول</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Choose &amp;File…</source>
        <translation>اختيار ملف (&amp;F)…</translation>
    </message>
    <message>
        <source>Fill the length and type (and a podcast&apos;s duration) from a media file</source>
        <translation>ملء الطول والنوع (ومدة البودكاست) من ملف وسائط</translation>
    </message>
    <message>
        <source>Fill from U&amp;RL</source>
        <translation>الملء من URL (&amp;R)</translation>
    </message>
    <message>
        <source>Ask the server for the length and type of the file at the URL</source>
        <translation>سؤال الخادم عن طول الملف ونوعه في هذا العنوان</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>التصنيفات</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>التصنيف</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>النطاق</translation>
    </message>
    <message>
        <source>Other elements (kept as they are)</source>
        <translation>عناصر أخرى (تبقى كما هي)</translation>
    </message>
    <message>
        <source>Podcast episode</source>
        <translation>حلقة البودكاست</translation>
    </message>
    <message>
        <source>D&amp;uration:</source>
        <translation>المدة (&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Episode:</source>
        <translation>الحلقة (&amp;E):</translation>
    </message>
    <message>
        <source>Seaso&amp;n:</source>
        <translation>الموسم (&amp;N):</translation>
    </message>
    <message>
        <source>Episode &amp;type:</source>
        <translation>نوع الحلقة (&amp;T):</translation>
    </message>
    <message>
        <source>E&amp;xplicit:</source>
        <translation>محتوى صريح (&amp;X):</translation>
    </message>
    <message>
        <source>&amp;Image:</source>
        <translation>الصورة (&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Block:</source>
        <translation>حجب (&amp;B):</translation>
    </message>
    <message>
        <source>Index season:</source>
        <translation>الموسم (Index):</translation>
    </message>
    <message>
        <source>Index season name:</source>
        <translation>اسم الموسم (Index):</translation>
    </message>
    <message>
        <source>Index episode:</source>
        <translation>الحلقة (Index):</translation>
    </message>
    <message>
        <source>Index episode display:</source>
        <translation>عرض الحلقة (Index):</translation>
    </message>
    <message>
        <source>License and chat</source>
        <translation>الترخيص والدردشة</translation>
    </message>
    <message>
        <source>Choose the Media File of the Enclosure</source>
        <translation>اختيار ملف الوسائط للمرفق</translation>
    </message>
    <message>
        <source>Type the enclosure&apos;s URL first</source>
        <translation>اكتب عنوان المرفق أولًا</translation>
    </message>
    <message>
        <source>Finding the length and type of %1…</source>
        <translation>جارٍ تحديد طول %1 ونوعه…</translation>
    </message>
    <message>
        <source>Edit Chapters…</source>
        <translation>تحرير الفصول…</translation>
    </message>
</context>
<context>
    <name>CBarPreview</name>
    <message>
        <source>HTML code</source>
        <translation>شيفرة HTML</translation>
    </message>
    <message>
        <source>The description of the post as HTML code; edits here change the post</source>
        <translation>وصف المنشور بشيفرة HTML؛ والتعديلات هنا تغيّر المنشور</translation>
    </message>
</context>
<context>
    <name>CBarProblems</name>
    <message>
        <source>Message</source>
        <translation>الرسالة</translation>
    </message>
    <message>
        <source>Post</source>
        <translation>المنشور</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>الحقل</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>المستوى</translation>
    </message>
    <message>
        <source>%1 (line %2) [%3]</source>
        <translation>%1 (السطر %2) [%3]</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>المشكلات</translation>
    </message>
    <message>
        <source>The problems the last check found; Enter shows where one is</source>
        <translation>المشكلات التي وجدها آخر فحص؛ يُظهر Enter مكان المشكلة المحددة</translation>
    </message>
</context>
<context>
    <name>CBarRssItems</name>
    <message>
        <source>Feed Properties…</source>
        <translation>خصائص الخلاصة…</translation>
    </message>
    <message>
        <source>Edit the feed&apos;s title, description, image and the other channel elements</source>
        <translation>تحرير عنوان الخلاصة ووصفها وصورتها وعناصر القناة الأخرى</translation>
    </message>
    <message>
        <source>RSS Items</source>
        <translation>منشورات RSS</translation>
    </message>
    <message>
        <source> [%1 of %2]</source>
        <translation> [%1 من %2]</translation>
    </message>
    <message>
        <source>&amp;Copy Title</source>
        <translation>نسخ العنوان (&amp;C)</translation>
    </message>
    <message>
        <source>Posts</source>
        <translation>المنشورات</translation>
    </message>
    <message>
        <source>The posts of the feed; the selected one is shown in the editor</source>
        <translation>منشورات الخلاصة؛ ويُعرض المنشور المحدد في المحرر</translation>
    </message>
    <message>
        <source>Filter posts</source>
        <translation>تصفية المنشورات</translation>
    </message>
    <message>
        <source>Lists only the posts whose title holds this text; Escape empties the box, then closes it</source>
        <translation>يعرض فقط المنشورات التي يحوي عنوانها هذا النص؛ يفرغ Escape المربع ثم يغلقه</translation>
    </message>
</context>
<context>
    <name>CChaptersDlg</name>
    <message>
        <source>The post&apos;s chapters are at %1, on the web. Save writes them to the file above: upload it there, or set a media base address in the publish settings to publish it with the feed.</source>
        <translation>فصول المنشور على الويب في %1. يكتبها «حفظ» في الملف أعلاه: ارفعه إلى هناك، أو اضبط عنوان الوسائط في إعدادات النشر لنشره مع الخلاصة.</translation>
    </message>
    <message>
        <source>The post&apos;s chapters are at %1, on the web. Save writes them to the file above, and the post&apos;s chapters address becomes the one it is published at.</source>
        <translation>فصول المنشور على الويب في %1. يكتبها «حفظ» في الملف أعلاه، ويصبح عنوان فصول المنشور هو العنوان الذي يُنشر فيه هذا الملف.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>حفظ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Add Chapter</source>
        <translation>إضافة فصل (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Remove Chapter</source>
        <translation>إزالة الفصل (&amp;R)</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>الفصول</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>الملف (&amp;F):</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>البداية</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>عنوان URL</translation>
    </message>
    <message>
        <source>Start times in seconds (94, 94.5) or as m:ss and h:mm:ss</source>
        <translation>أوقات البداية بالثواني (94 أو 94.5) أو بالشكل m:ss وh:mm:ss</translation>
    </message>
    <message>
        <source>%1 cannot be edited here, and is left as it is.
%2</source>
        <translation>لا يمكن تحرير %1 هنا، ويبقى كما هو.
%2</translation>
    </message>
    <message>
        <source>A new chapters file: Save writes it.</source>
        <translation>ملف فصول جديد: يكتبه «حفظ».</translation>
    </message>
    <message>
        <source>Not a time like 94, 1:34 or 1:01:34</source>
        <translation>ليس وقتًا مثل 94 أو 1:34 أو 1:01:34</translation>
    </message>
    <message>
        <source>The start of chapter %1 is not a time like 94, 1:34 or 1:01:34.</source>
        <translation>بداية الفصل %1 ليست وقتًا مثل 94 أو 1:34 أو 1:01:34.</translation>
    </message>
    <message>
        <source>Choose the file to save the chapters to.</source>
        <translation>اختر الملف الذي تُحفظ فيه الفصول.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>حُفظت في %1.</translation>
    </message>
    <message>
        <source>Save the Chapters As</source>
        <translation>حفظ الفصول باسم</translation>
    </message>
    <message>
        <source>Chapters (*.json);;All files (*)</source>
        <translation>الفصول (*.json);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Save the changes to the chapters?</source>
        <translation>هل تريد حفظ التغييرات في الفصول؟</translation>
    </message>
    <message>
        <source>The post does not name this file yet: a listener&apos;s app needs its web address. Set a media base address in the publish settings to publish the file with the feed, and save again.</source>
        <translation>لا يذكر المنشور هذا الملف بعد: يحتاج تطبيق المستمع إلى عنوانه على الويب. اضبط عنوان الوسائط في إعدادات النشر لنشر الملف مع الخلاصة، ثم احفظ مرة أخرى.</translation>
    </message>
    <message>
        <source>The post does not name this file: publishing uploads the media folder, %1, and the file is outside it. Save it there to publish it with the feed.</source>
        <translation>لا يذكر المنشور هذا الملف: يرفع النشر مجلد الوسائط، %1، والملف خارجه. احفظه هناك لنشره مع الخلاصة.</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>فتح (&amp;O)…</translation>
    </message>
    <message>
        <source>Sa&amp;ve As…</source>
        <translation>حفظ باسم (&amp;V)…</translation>
    </message>
    <message>
        <source>%1 already exists, and its chapters are not the ones shown here. Replace it with these chapters?</source>
        <translation>%1 موجود من قبل، وفصوله ليست المعروضة هنا. هل تريد استبداله بهذه الفصول؟</translation>
    </message>
    <message>
        <source>Not saved: %1 is left as it is. Open it to edit its chapters, or name another file.</source>
        <translation>لم يُحفظ: يبقى %1 كما هو. افتحه لتحرير فصوله، أو اختر ملفًا آخر.</translation>
    </message>
    <message>
        <source>Open a Chapters File</source>
        <translation>فتح ملف فصول</translation>
    </message>
</context>
<context>
    <name>CChildFrame</name>
    <message>
        <source>%1, %2, %3</source>
        <comment>errors, warnings, notes</comment>
        <translation>%1، %2، %3</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n خطأ</numerusform>
            <numerusform>خطأ واحد</numerusform>
            <numerusform>خطآن</numerusform>
            <numerusform>%n أخطاء</numerusform>
            <numerusform>%n خطأً</numerusform>
            <numerusform>%n خطأ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n تحذير</numerusform>
            <numerusform>تحذير واحد</numerusform>
            <numerusform>تحذيران</numerusform>
            <numerusform>%n تحذيرات</numerusform>
            <numerusform>%n تحذيرًا</numerusform>
            <numerusform>%n تحذير</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s)</source>
        <translation>
            <numerusform>%n ملاحظة</numerusform>
            <numerusform>ملاحظة واحدة</numerusform>
            <numerusform>ملاحظتان</numerusform>
            <numerusform>%n ملاحظات</numerusform>
            <numerusform>%n ملاحظةً</numerusform>
            <numerusform>%n ملاحظة</numerusform>
        </translation>
    </message>
    <message>
        <source>RSS Items</source>
        <translation>منشورات RSS</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>المعاينة</translation>
    </message>
    <message>
        <source>Post Details</source>
        <translation>تفاصيل المنشور</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>المشكلات</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Tidrel, an editor of RSS 2.0 feed files.</source>
        <translation>Tidrel، محرر لملفات خلاصات RSS 2.0.</translation>
    </message>
    <message>
        <source>Check each feed file without opening a window; print one problem a line as FILE:LINE:COLUMN: error|warning|info: message [rule-id]. Exit status 0 when there are no errors, 1 when there are, 2 when a file cannot be read.</source>
        <translation>فحص كل ملف خلاصة دون فتح نافذة؛ وطباعة مشكلة في كل سطر بالشكل FILE:LINE:COLUMN: error|warning|info: message [rule-id]. حالة الخروج 0 عند عدم وجود أخطاء، و1 عند وجودها، و2 عند تعذّر قراءة ملف.</translation>
    </message>
    <message>
        <source>Feed files to open.</source>
        <translation>ملفات الخلاصات المراد فتحها.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[ملف...]</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>تتعذّر قراءة الملف: %1</translation>
    </message>
    <message>
        <source>With --check: apply the podcast directories&apos; rules too, whether or not the feed declares the iTunes or podcast namespace: every podcast namespace tag&apos;s place, attributes and values, Apple Podcasts&apos; requirements (artwork, language, category, explicit, episode enclosures) and the Podcast Standards Project&apos;s PSP-1.</source>
        <translation>مع --check: تطبيق قواعد أدلة البودكاست أيضًا، سواء أعلنت الخلاصة فضاء أسماء iTunes أو podcast أم لا: موضع كل وسم من فضاء أسماء podcast وسماته وقيمه، ومتطلبات Apple Podcasts (الغلاف واللغة والتصنيف وexplicit ومرفقات الحلقات)، وPSP-1 من Podcast Standards Project.</translation>
    </message>
    <message>
        <source>Usage: %1 --check [--podcast] FEED...</source>
        <translation>الاستخدام: %1 --check [--podcast] خلاصة...</translation>
    </message>
    <message>
        <source>Publish the feed file without opening a window, with the checks and in the order of the Publish command: the feed check first, then the media files under the media address of the feed&apos;s publish settings, the feed last. Progress goes to standard error. Exit status 0 when everything was sent, 1 when the server refused or the feed has errors, 2 for wrong arguments.</source>
        <translation>نشر ملف الخلاصة دون فتح نافذة، بالفحوص نفسها وبترتيب أمر «نشر»: فحص الخلاصة أولًا، ثم ملفات الوسائط الواقعة تحت عنوان الوسائط في إعدادات نشر الخلاصة، والخلاصة أخيرًا. يُكتب التقدّم في الخطأ القياسي. حالة الخروج 0 عند إرسال كل شيء، و1 حين يرفض الخادم أو تكون في الخلاصة أخطاء، و2 للوسيطات الخاطئة.</translation>
    </message>
    <message>
        <source>FEED</source>
        <translation>خلاصة</translation>
    </message>
    <message>
        <source>With --publish: where to. file:///path/, sftp://USER@HOST[:PORT]/path/, ftp://, ftps://, dav://USER@HOST[:PORT]/path/ (WebDAV; davs:// over HTTPS) or s3://ACCESS_KEY_ID@HOST[:PORT]/BUCKET/PREFIX/?region=REGION (path-style; &amp;scheme=http for a server without TLS). The password or secret key comes from the environment variable TIDREL_PUBLISH_SECRET when set, else from the keyring.</source>
        <translation>مع --publish: وجهة النشر. file:///path/ أو sftp://USER@HOST[:PORT]/path/ أو ftp:// أو ftps:// أو dav://USER@HOST[:PORT]/path/ (WebDAV؛ وdavs:// عبر HTTPS) أو s3://ACCESS_KEY_ID@HOST[:PORT]/BUCKET/PREFIX/?region=REGION (بنمط المسار path-style؛ و&amp;scheme=http لخادم بلا TLS). تأتي كلمة المرور أو المفتاح السري من متغير البيئة TIDREL_PUBLISH_SECRET إن كان مضبوطًا، وإلا من حلقة المفاتيح.</translation>
    </message>
    <message>
        <source>TARGET</source>
        <translation>وجهة</translation>
    </message>
    <message>
        <source>Usage: %1 --publish FEED --to TARGET</source>
        <translation>الاستخدام: %1 --publish خلاصة --to وجهة</translation>
    </message>
</context>
<context>
    <name>CCurlEasy</name>
    <message>
        <source>The server did not answer in time (%1 s).</source>
        <translation>لم يستجب الخادم في الوقت المحدد (%1 ث).</translation>
    </message>
    <message>
        <source>Too many redirects (more than %1).</source>
        <translation>عمليات إعادة توجيه كثيرة جدًا (أكثر من %1).</translation>
    </message>
    <message>
        <source>The server answered with error %1.</source>
        <translation>ردّ الخادم بالخطأ %1.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>رفض الخادم الاتصال.</translation>
    </message>
    <message>
        <source>The server&apos;s name is not known.</source>
        <translation>اسم الخادم غير معروف.</translation>
    </message>
    <message>
        <source>The address&apos;s protocol is not supported here.</source>
        <translation>بروتوكول العنوان غير مدعوم هنا.</translation>
    </message>
    <message>
        <source>The address is not valid.</source>
        <translation>العنوان غير صالح.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>أُلغي.</translation>
    </message>
    <message>
        <source>The server refused the login: check the user name and the password or key.</source>
        <translation>رفض الخادم تسجيل الدخول: تحقق من اسم المستخدم وكلمة المرور أو المفتاح.</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full.</source>
        <translation>قرص الخادم ممتلئ.</translation>
    </message>
    <message>
        <source>The server refused access to the folder or file.</source>
        <translation>رفض الخادم الوصول إلى المجلد أو الملف.</translation>
    </message>
    <message>
        <source>The server refused the upload.</source>
        <translation>رفض الخادم الرفع.</translation>
    </message>
    <message>
        <source>The connection broke off.</source>
        <translation>انقطع الاتصال.</translation>
    </message>
    <message>
        <source>The server does not offer TLS.</source>
        <translation>لا يوفّر الخادم TLS.</translation>
    </message>
    <message>
        <source>The secure connection (TLS) could not be set up.</source>
        <translation>تعذّر إنشاء الاتصال الآمن (TLS).</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified.</source>
        <translation>تعذّر التحقق من شهادة الخادم.</translation>
    </message>
</context>
<context>
    <name>CDavFolder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>تتعذّر قراءة %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>أُلغي.</translation>
    </message>
    <message>
        <source>The server refused the user name or the password: check both.</source>
        <translation>رفض الخادم اسم المستخدم أو كلمة المرور: تحقق من كليهما.</translation>
    </message>
    <message>
        <source>The server does not let this user write %1.</source>
        <translation>لا يسمح الخادم لهذا المستخدم بالكتابة في %1.</translation>
    </message>
    <message>
        <source>The server does not take files at %1: is WebDAV turned on there?</source>
        <translation>لا يقبل الخادم ملفات في %1: هل WebDAV مفعّل هناك؟</translation>
    </message>
    <message>
        <source>The server has no room left.</source>
        <translation>لم تبقَ على الخادم مساحة.</translation>
    </message>
    <message>
        <source>The server answered with error %1.</source>
        <translation>ردّ الخادم بالخطأ %1.</translation>
    </message>
</context>
<context>
    <name>CDesktopServices</name>
    <message>
        <source>RSS feeds (*.xml *.rss)</source>
        <translation>خلاصات RSS (*.xml *.rss)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>هل تريد حفظ التغييرات في %1؟</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>The server %1 is not among the known hosts of this computer.</source>
        <translation>الخادم %1 ليس من المضيفات المعروفة لهذا الحاسوب.</translation>
    </message>
    <message>
        <source>Its key&apos;s fingerprint is
%1

Trust it only when it is the fingerprint your server&apos;s administrator gave you.</source>
        <translation>بصمة مفتاحه هي
%1

لا تثق به إلا إذا كانت هذه البصمة التي أعطاك إياها مدير خادمك.</translation>
    </message>
    <message>
        <source>Trust and &amp;Remember</source>
        <translation>الثقة والتذكّر (&amp;R)</translation>
    </message>
    <message>
        <source>Trust &amp;Once</source>
        <translation>الثقة مرة واحدة (&amp;O)</translation>
    </message>
    <message>
        <source>Audio files (%1)</source>
        <translation>ملفات صوتية (%1)</translation>
    </message>
    <message>
        <source>New Episode from Audio</source>
        <translation>حلقة جديدة من ملف صوتي</translation>
    </message>
    <message>
        <source>Open Location</source>
        <translation>فتح عنوان ويب</translation>
    </message>
    <message>
        <source>&amp;Web address of the feed:</source>
        <translation>عنوان الخلاصة على الويب (&amp;W):</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>فتح (&amp;O)</translation>
    </message>
</context>
<context>
    <name>CDiskChangeBar</name>
    <message>
        <source>&amp;Reload</source>
        <translation>إعادة التحميل (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation>الإبقاء على تغييراتي (&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Show differences</source>
        <translation>عرض الفروق (&amp;S)</translation>
    </message>
    <message>
        <source>Read the file again; the changes made here are lost</source>
        <translation>قراءة الملف من جديد؛ تضيع التغييرات التي أُجريت هنا</translation>
    </message>
    <message>
        <source>Keep the feed as it is here; the next save asks before it overwrites the file</source>
        <translation>إبقاء الخلاصة كما هي هنا؛ سيسأل الحفظ التالي قبل الكتابة فوق الملف</translation>
    </message>
    <message>
        <source>%1 changed on disk. Reload it to drop the changes made here, or keep them.</source>
        <translation>تغيّر %1 على القرص. أعد تحميله لتتخلّى عن التغييرات التي أُجريت هنا، أو أبقِ عليها.</translation>
    </message>
    <message>
        <source>%1 changed on disk and cannot be read: %2 The feed here stays as it was.</source>
        <translation>تغيّر %1 على القرص وتتعذّر قراءته: %2 تبقى الخلاصة هنا كما كانت.</translation>
    </message>
    <message>
        <source>The file on disk holds what a save would write.
</source>
        <translation>الملف على القرص يحوي ما سيكتبه الحفظ.
</translation>
    </message>
    <message>
        <source>--- %1 on disk
+++ %1 as a save would write it
</source>
        <translation>--- %1 على القرص
+++ %1 كما سيكتبه الحفظ
</translation>
    </message>
    <message>
        <source>Differences — %1</source>
        <translation>الفروق — %1</translation>
    </message>
</context>
<context>
    <name>CDocManager</name>
    <message>
        <source>Cannot create a new feed.</source>
        <translation>يتعذّر إنشاء خلاصة جديدة.</translation>
    </message>
    <message>
        <source>Cannot open %1.

%2</source>
        <translation>يتعذّر فتح %1.

%2</translation>
    </message>
    <message>
        <source>Cannot save %1.

%2

The feed keeps its changes.</source>
        <translation>يتعذّر حفظ %1.

%2

تحتفظ الخلاصة بتغييراتها.</translation>
    </message>
    <message>
        <source>Cannot open %1.

The download could not be written to a temporary file.</source>
        <translation>يتعذّر فتح %1.

تعذّرت كتابة التنزيل في ملف مؤقت.</translation>
    </message>
    <message>
        <source>The file changed on disk since it was opened. Save anyway?</source>
        <translation>تغيّر الملف على القرص منذ فتحه. هل تريد الحفظ على أي حال؟</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>الكتابة فوق الملف (&amp;O)</translation>
    </message>
</context>
<context>
    <name>CElementForm</name>
    <message>
        <source>Only the address belongs here, without the name</source>
        <translation>يُكتب هنا العنوان وحده، دون الاسم</translation>
    </message>
    <message>
        <source>Not an e-mail address like jo@example.org</source>
        <translation>ليس عنوان بريد إلكتروني مثل jo@example.org</translation>
    </message>
    <message>
        <source>Not one of: %1</source>
        <translation>ليس واحدًا من: %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>الآن</translation>
    </message>
    <message>
        <source>Also holds values no box stands for: %1</source>
        <translation>يحوي أيضًا قيمًا ليس لها مربع: %1</translation>
    </message>
    <message>
        <source>Kept in the feed as %1</source>
        <translation>يُحفظ في الخلاصة بوصفه %1</translation>
    </message>
    <message>
        <source>Sets the date to the present time</source>
        <translation>يضبط التاريخ على الوقت الحالي</translation>
    </message>
</context>
<context>
    <name>CElementTable</name>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>الصف %1، %2: %3</translation>
    </message>
    <message>
        <source>One element %1 a row; Add and Remove below change the rows</source>
        <translation>عنصر %1 واحد في كل صف؛ ويغيّر زرّا «إضافة» و«إزالة» أدناه الصفوف</translation>
    </message>
    <message>
        <source>Adds a row: a new element %1</source>
        <translation>يضيف صفًا: عنصر %1 جديدًا</translation>
    </message>
    <message>
        <source>Removes the selected row: its element %1</source>
        <translation>يزيل الصف المحدد: عنصر %1 الذي فيه</translation>
    </message>
</context>
<context>
    <name>CEnclosureProbe</name>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>هذا مجلد وليس ملفًا.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>الملف غير موجود.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>تتعذّر قراءة الملف.</translation>
    </message>
    <message>
        <source>The network library could not start.</source>
        <translation>تعذّر تشغيل مكتبة الشبكة.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>ردّ الخادم: %1.</translation>
    </message>
    <message>
        <source>The server did not tell the length.</source>
        <translation>لم يذكر الخادم الحجم.</translation>
    </message>
</context>
<context>
    <name>CFeedChecker</name>
    <message>
        <source> or </source>
        <translation> أو </translation>
    </message>
    <message>
        <source>The cloud has no %1 attribute; it needs domain, port, path, registerProcedure and protocol.</source>
        <translation>ليس للسحابة السمة %1؛ تحتاج إلى domain وport وpath وregisterProcedure وprotocol.</translation>
    </message>
    <message>
        <source>The enclosure has no %1 attribute; it needs url, length and type.</source>
        <translation>ليس للمرفق السمة %1؛ يحتاج إلى url وlength وtype.</translation>
    </message>
    <message>
        <source>Post %1 has the same guid.</source>
        <translation>للمنشور %1 المعرّف نفسه.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of Apple Podcasts&apos; categories.</source>
        <translation>«%1» ليس من تصنيفات Apple Podcasts.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a subcategory of &quot;%2&quot;.</source>
        <translation>«%1» ليس تصنيفًا فرعيًا لـ «%2».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the namespace&apos;s address; did you mean &quot;%2&quot;?</source>
        <translation>«%1» ليس عنوان فضاء الأسماء؛ هل تقصد «%2»؟</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; Apple Podcasts takes at most 4000.</source>
        <translation>طول الوصف %1 بايت؛ ويقبل Apple Podcasts حتى 4000 على الأكثر.</translation>
    </message>
    <message>
        <source>The artwork file %1 cannot be read, so its size and colours are not checked.</source>
        <translation>تتعذّر قراءة ملف الغلاف %1، فلا يُفحص حجمه وألوانه.</translation>
    </message>
    <message>
        <source>The artwork is %1 x %2 pixels; Apple Podcasts takes square artwork from 1400 x 1400 to 3000 x 3000.</source>
        <translation>الغلاف %1 x %2 بكسل؛ ويقبل Apple Podcasts غلافًا مربعًا من 1400 x 1400 إلى 3000 x 3000.</translation>
    </message>
    <message>
        <source>The podcast namespace has no tag %1.</source>
        <translation>ليس في فضاء أسماء podcast الوسم %1.</translation>
    </message>
    <message>
        <source>%1 does not belong in %2; it belongs in %3.</source>
        <translation>لا مكان لـ %1 في %2؛ مكانه في %3.</translation>
    </message>
    <message>
        <source>%1 needs the %2 attribute.</source>
        <translation>يحتاج %1 إلى السمة %2.</translation>
    </message>
    <message>
        <source>%1 needs a value; it is empty.</source>
        <translation>يحتاج %1 إلى قيمة؛ إنه فارغ.</translation>
    </message>
    <message numerus="yes">
        <source>Podcast apps show %n character(s) of this at most; they may cut the rest.</source>
        <translation>
            <numerusform>تعرض تطبيقات البودكاست %n محرف من هذا على الأكثر؛ وقد تقطع الباقي.</numerusform>
            <numerusform>تعرض تطبيقات البودكاست محرفًا واحدًا من هذا على الأكثر؛ وقد تقطع الباقي.</numerusform>
            <numerusform>تعرض تطبيقات البودكاست محرفين من هذا على الأكثر؛ وقد تقطع الباقي.</numerusform>
            <numerusform>تعرض تطبيقات البودكاست %n محارف من هذا على الأكثر؛ وقد تقطع الباقي.</numerusform>
            <numerusform>تعرض تطبيقات البودكاست %n محرفًا من هذا على الأكثر؛ وقد تقطع الباقي.</numerusform>
            <numerusform>تعرض تطبيقات البودكاست %n محرف من هذا على الأكثر؛ وقد تقطع الباقي.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not a whole number such as &quot;3&quot;.</source>
        <translation>ليس عددًا صحيحًا مثل «3».</translation>
    </message>
    <message>
        <source>Not a number such as &quot;3&quot; or &quot;315.5&quot;.</source>
        <translation>ليس عددًا مثل «3» أو «315.5».</translation>
    </message>
    <message>
        <source>Not a media type such as &quot;audio/mpeg&quot;.</source>
        <translation>ليس نوع وسائط مثل «audio/mpeg».</translation>
    </message>
    <message>
        <source>Not an e-mail address such as &quot;jo@example.org&quot;.</source>
        <translation>ليس عنوان بريد إلكتروني مثل «jo@example.org».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2.</source>
        <translation>«%1» ليس واحدًا من %2.</translation>
    </message>
    <message>
        <source>Few podcast apps know &quot;%1&quot;; the usual values are %2.</source>
        <translation>قليل من تطبيقات البودكاست يعرف «%1»؛ والقيم المعتادة هي %2.</translation>
    </message>
    <message>
        <source>The channel&apos;s description is empty.</source>
        <translation>وصف القناة فارغ.</translation>
    </message>
    <message>
        <source>Not a percentage from 0 to 100.</source>
        <translation>ليس نسبة مئوية من 0 إلى 100.</translation>
    </message>
    <message>
        <source>Not a place in geo notation such as &quot;geo:30.2672,97.7431&quot;, latitude from -90 to 90 and longitude from -180 to 180.</source>
        <translation>ليس مكانًا بترميز geo مثل «geo:30.2672,97.7431»، بخط عرض من -90 إلى 90 وخط طول من -180 إلى 180.</translation>
    </message>
    <message>
        <source>Not an OpenStreetMap object such as &quot;R113314&quot;: N, W or R, its number and an optional revision such as &quot;#2&quot;.</source>
        <translation>ليس كائن OpenStreetMap مثل «R113314»: الحرف N أو W أو R، ثم رقمه ومراجعة اختيارية مثل «#2».</translation>
    </message>
    <message>
        <source>Not a country code of ISO 3166-1, two letters such as &quot;US&quot;.</source>
        <translation>ليس رمز بلد وفق ISO 3166-1، من حرفين مثل «US».</translation>
    </message>
    <message>
        <source>Not an aspect ratio such as &quot;16/9&quot; or &quot;1.9&quot;.</source>
        <translation>ليس نسبة أبعاد مثل «16/9» أو «1.9».</translation>
    </message>
    <message>
        <source>There is already a %1 with %2=&quot;%3&quot; here.</source>
        <translation>يوجد هنا من قبل %1 له %2=&quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The podcast namespace has no tag %1. Did you mean %2?</source>
        <translation>ليس في فضاء أسماء podcast الوسم %1. هل تقصد %2؟</translation>
    </message>
    <message>
        <source>The namespace has retired %1; use %2 instead.</source>
        <translation>أوقف فضاء الأسماء العمل بـ %1؛ استخدم %2 بدلًا منه.</translation>
    </message>
    <message>
        <source>%1 needs a %2 inside it.</source>
        <translation>يحتاج %1 إلى %2 داخله.</translation>
    </message>
    <message>
        <source>The namespace recommends the %2 attribute on %1.</source>
        <translation>يوصي فضاء الأسماء بالسمة %2 على %1.</translation>
    </message>
    <message>
        <source>%1 holds an element %2; write HTML inside it escaped (&amp;lt;b&amp;gt;) or in a CDATA section.</source>
        <translation>يحوي %1 العنصر %2؛ اكتب HTML داخله مهرَّبًا (&amp;lt;b&amp;gt;) أو في قسم CDATA.</translation>
    </message>
    <message>
        <source>%1 has no attribute %2; attribute names are case-sensitive: did you mean %3?</source>
        <translation>ليس لـ %1 السمة %2؛ أسماء السمات تميّز بين الأحرف الكبيرة والصغيرة: هل تقصد %3؟</translation>
    </message>
    <message>
        <source>RSS gives %1 no attribute %2; readers ignore it.</source>
        <translation>لا يعطي RSS العنصر %1 السمة %2؛ ويتجاهلها القرّاء.</translation>
    </message>
    <message>
        <source>%1 has no element %2; element names are case-sensitive: did you mean %3?</source>
        <translation>ليس لـ %1 العنصر %2؛ أسماء العناصر تميّز بين الأحرف الكبيرة والصغيرة: هل تقصد %3؟</translation>
    </message>
</context>
<context>
    <name>CFeedDownload</name>
    <message>
        <source>The download could not be started.</source>
        <translation>تعذّر بدء التنزيل.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>أُلغي.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, too large for a feed.</source>
        <translation>الملف أكبر من %1 ميغابايت، وهذا كبير جدًا على خلاصة.</translation>
    </message>
</context>
<context>
    <name>CFeedPropertiesWnd</name>
    <message>
        <source>Not one of Apple&apos;s podcast categories</source>
        <translation>ليس من تصنيفات البودكاست لدى Apple</translation>
    </message>
    <message>
        <source>Not one of Apple&apos;s subcategories of “%1”</source>
        <translation>ليس من تصنيفات Apple الفرعية لـ «%1»</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>البودكاست</translation>
    </message>
    <message>
        <source>Declares the iTunes and podcast namespaces and shows the podcast tags</source>
        <translation>يعلن فضاءي أسماء iTunes وpodcast ويُظهر وسوم البودكاست</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Categories and Image</source>
        <translation>التصنيفات والصورة</translation>
    </message>
    <message>
        <source>Cloud and Text Input</source>
        <translation>السحابة وإدخال النص</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>التخطي</translation>
    </message>
    <message>
        <source>Other Elements</source>
        <translation>عناصر أخرى</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>العنوان (&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Link:</source>
        <translation>الرابط (&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>الوصف (&amp;D):</translation>
    </message>
    <message>
        <source>Public &amp;address:</source>
        <translation>العنوان العام (&amp;A):</translation>
    </message>
    <message>
        <source>Where readers subscribe (atom:link rel=&quot;self&quot;)</source>
        <translation>حيث يشترك القرّاء (atom:link rel=&quot;self&quot;)</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>اللغة (&amp;G):</translation>
    </message>
    <message>
        <source>&amp;Copyright:</source>
        <translation>حقوق النشر (&amp;C):</translation>
    </message>
    <message>
        <source>&amp;Managing editor:</source>
        <translation>المحرر المسؤول (&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Webmaster:</source>
        <translation>مدير الموقع (&amp;W):</translation>
    </message>
    <message>
        <source>&amp;Publication date:</source>
        <translation>تاريخ النشر (&amp;P):</translation>
    </message>
    <message>
        <source>Last &amp;build date:</source>
        <translation>تاريخ آخر بناء (&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Generator:</source>
        <translation>المولّد (&amp;G):</translation>
    </message>
    <message>
        <source>D&amp;ocs:</source>
        <translation>التوثيق (&amp;O):</translation>
    </message>
    <message>
        <source>TT&amp;L (minutes):</source>
        <translation>TTL (بالدقائق) (&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Rating:</source>
        <translation>التصنيف العمري (&amp;R):</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>التصنيفات</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>التصنيف</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>النطاق</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>العنوان (&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>العرض (&amp;W):</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>الارتفاع (&amp;H):</translation>
    </message>
    <message>
        <source>Cloud (notification of updates)</source>
        <translation>السحابة (الإشعار بالتحديثات)</translation>
    </message>
    <message>
        <source>&amp;Domain:</source>
        <translation>النطاق (&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>المنفذ (&amp;P):</translation>
    </message>
    <message>
        <source>P&amp;ath:</source>
        <translation>المسار (&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Register procedure:</source>
        <translation>إجراء التسجيل (&amp;R):</translation>
    </message>
    <message>
        <source>Pro&amp;tocol:</source>
        <translation>البروتوكول (&amp;T):</translation>
    </message>
    <message>
        <source>Text input</source>
        <translation>إدخال النص</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>العنوان (&amp;I):</translation>
    </message>
    <message>
        <source>D&amp;escription:</source>
        <translation>الوصف (&amp;E):</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>الاسم (&amp;N):</translation>
    </message>
    <message>
        <source>Skip hours (GMT): readers do not fetch the feed in these hours</source>
        <translation>ساعات التخطي (GMT): لا يجلب القرّاء الخلاصة في هذه الساعات</translation>
    </message>
    <message>
        <source>Skip days: readers do not fetch the feed on these days</source>
        <translation>أيام التخطي: لا يجلب القرّاء الخلاصة في هذه الأيام</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>البرنامج</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>People and Places</source>
        <translation>الأشخاص والأماكن</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>الدعم</translation>
    </message>
    <message>
        <source>Social</source>
        <translation>التواصل</translation>
    </message>
    <message>
        <source>Related Feeds</source>
        <translation>خلاصات ذات صلة</translation>
    </message>
    <message>
        <source>Show (iTunes)</source>
        <translation>البرنامج (iTunes)</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>الكاتب (&amp;A):</translation>
    </message>
    <message>
        <source>Owner &amp;name:</source>
        <translation>اسم المالك (&amp;N):</translation>
    </message>
    <message>
        <source>Owner &amp;e-mail:</source>
        <translation>بريد المالك (&amp;E):</translation>
    </message>
    <message>
        <source>&amp;Image:</source>
        <translation>الصورة (&amp;I):</translation>
    </message>
    <message>
        <source>E&amp;xplicit:</source>
        <translation>محتوى صريح (&amp;X):</translation>
    </message>
    <message>
        <source>T&amp;ype:</source>
        <translation>النوع (&amp;Y):</translation>
    </message>
    <message>
        <source>New &amp;feed URL:</source>
        <translation>عنوان الخلاصة الجديد (&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Block:</source>
        <translation>حجب (&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Complete:</source>
        <translation>مكتمل (&amp;C):</translation>
    </message>
    <message>
        <source>Subcategory</source>
        <translation>التصنيف الفرعي</translation>
    </message>
    <message>
        <source>iTunes categories</source>
        <translation>تصنيفات iTunes</translation>
    </message>
    <message>
        <source>Podcast index</source>
        <translation>Podcast Index</translation>
    </message>
    <message>
        <source>&amp;Locked:</source>
        <translation>مقفل (&amp;L):</translation>
    </message>
    <message>
        <source>Lock o&amp;wner:</source>
        <translation>مالك القفل (&amp;W):</translation>
    </message>
    <message>
        <source>&amp;GUID:</source>
        <translation>المعرّف (&amp;G):</translation>
    </message>
    <message>
        <source>&amp;Medium:</source>
        <translation>الوسط (&amp;M):</translation>
    </message>
    <message>
        <source>Uses &amp;Podping:</source>
        <translation>يستخدم Podping (&amp;P):</translation>
    </message>
    <message>
        <source>Release schedule</source>
        <translation>جدول الإصدار</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>الدردشة</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>الناشر</translation>
    </message>
    <message>
        <source>Elements of the channel that these pages do not edit. They stay in the file as they are.</source>
        <translation>عناصر القناة التي لا تحرّرها هذه الصفحات. تبقى في الملف كما هي.</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>لا صورة</translation>
    </message>
    <message>
        <source>The image is not on this computer: no preview</source>
        <translation>الصورة ليست على هذا الحاسوب: لا معاينة</translation>
    </message>
    <message>
        <source>Feed Properties — %1</source>
        <translation>خصائص الخلاصة — %1</translation>
    </message>
    <message>
        <source>Make from Feed &amp;Address</source>
        <translation>إنشاء من عنوان الخلاصة (&amp;A)</translation>
    </message>
    <message>
        <source>The feed names no address of its own yet: fill in its Public address on the Channel page.</source>
        <translation>لا تذكر الخلاصة عنوانها الخاص بعد: املأ «العنوان العام» في صفحة «القناة».</translation>
    </message>
    <message>
        <source>The podcast&apos;s identity as PSP-1 makes it from %1; it never changes after.</source>
        <translation>هوية البودكاست كما تصنعها PSP-1 من %1؛ ولا تتغيّر بعد ذلك أبدًا.</translation>
    </message>
</context>
<context>
    <name>CFeedPublisher</name>
    <message>
        <source>%1 The published feed is as it was.</source>
        <translation>%1 الخلاصة المنشورة باقية كما كانت.</translation>
    </message>
    <message>
        <source>At %1: %2 The published feed is as it was.</source>
        <translation>عند %1: %2 الخلاصة المنشورة باقية كما كانت.</translation>
    </message>
    <message>
        <source>The feed has no file yet: save it first.</source>
        <translation>ليس للخلاصة ملف بعد: احفظها أولًا.</translation>
    </message>
    <message>
        <source>Published %1 to %2</source>
        <translation>نُشرت %1 إلى %2</translation>
    </message>
    <message numerus="yes">
        <source> with %n media file(s)</source>
        <translation>
            <numerusform> مع %n ملف وسائط</numerusform>
            <numerusform> مع ملف وسائط واحد</numerusform>
            <numerusform> مع ملفَّي وسائط</numerusform>
            <numerusform> مع %n ملفات وسائط</numerusform>
            <numerusform> مع %n ملف وسائط</numerusform>
            <numerusform> مع %n ملف وسائط</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n already there)</source>
        <translation>
            <numerusform> (%n موجود من قبل)</numerusform>
            <numerusform> (واحد موجود من قبل)</numerusform>
            <numerusform> (اثنان موجودان من قبل)</numerusform>
            <numerusform> (%n موجودة من قبل)</numerusform>
            <numerusform> (%n موجودًا من قبل)</numerusform>
            <numerusform> (%n موجود من قبل)</numerusform>
        </translation>
    </message>
    <message>
        <source>The destination must be an sftp://, ftp://, ftps://, dav://, davs://, s3:// or file:// address with a host and a path, such as sftp://example.org/var/www/feed.xml.</source>
        <translation>يجب أن تكون الوجهة عنوان sftp:// أو ftp:// أو ftps:// أو dav:// أو davs:// أو s3:// أو file:// فيه مضيف ومسار، مثل sftp://example.org/var/www/feed.xml.</translation>
    </message>
</context>
<context>
    <name>CFeedPublishing</name>
    <message>
        <source>Line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The feed check found %n error(s) in %1:

%2

Publish anyway?</source>
        <translation>
            <numerusform>وجد فحص الخلاصة %n خطأ في %1:

%2

هل تريد النشر على أي حال؟</numerusform>
            <numerusform>وجد فحص الخلاصة خطأً واحدًا في %1:

%2

هل تريد النشر على أي حال؟</numerusform>
            <numerusform>وجد فحص الخلاصة خطأين في %1:

%2

هل تريد النشر على أي حال؟</numerusform>
            <numerusform>وجد فحص الخلاصة %n أخطاء في %1:

%2

هل تريد النشر على أي حال؟</numerusform>
            <numerusform>وجد فحص الخلاصة %n خطأً في %1:

%2

هل تريد النشر على أي حال؟</numerusform>
            <numerusform>وجد فحص الخلاصة %n خطأ في %1:

%2

هل تريد النشر على أي حال؟</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Publish Anyway</source>
        <translation>النشر على أي حال (&amp;P)</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring: %1

Tidrel remembers it until it ends.</source>
        <translation>تعذّر حفظ كلمة المرور في حلقة مفاتيح سطح المكتب: %1

سيتذكّرها Tidrel حتى ينتهي.</translation>
    </message>
    <message>
        <source>%1 was not published: %2</source>
        <translation>لم تُنشر %1: %2</translation>
    </message>
</context>
<context>
    <name>CFeedRules</name>
    <message>
        <source>The file is not well-formed XML; no reader can read it.</source>
        <translation>الملف ليس XML سليم البنية؛ ولا يستطيع أي قارئ قراءته.</translation>
    </message>
    <message>
        <source>The file&apos;s bytes do not fit the encoding it declares.</source>
        <translation>بايتات الملف لا توافق الترميز الذي يعلنه.</translation>
    </message>
    <message>
        <source>The file uses an entity XML does not define, such as &amp;nbsp;; write the character or a numeric reference.</source>
        <translation>يستخدم الملف كيانًا لا يعرّفه XML، مثل &amp;nbsp;؛ اكتب المحرف نفسه أو مرجعًا رقميًا.</translation>
    </message>
    <message>
        <source>The file defines entities of its own, which many readers do not expand.</source>
        <translation>يعرّف الملف كيانات خاصة به لا يوسّعها كثير من القرّاء.</translation>
    </message>
    <message>
        <source>The file holds a control character that XML does not allow.</source>
        <translation>يحوي الملف محرف تحكم لا يسمح به XML.</translation>
    </message>
    <message>
        <source>The file&apos;s top element is not rss.</source>
        <translation>العنصر الأعلى في الملف ليس rss.</translation>
    </message>
    <message>
        <source>The rss element needs version=&quot;2.0&quot;.</source>
        <translation>يحتاج العنصر rss إلى version=&quot;2.0&quot;.</translation>
    </message>
    <message>
        <source>The feed has no channel.</source>
        <translation>ليس للخلاصة قناة.</translation>
    </message>
    <message>
        <source>This element may appear only once here.</source>
        <translation>لا يجوز أن يظهر هذا العنصر هنا إلا مرة واحدة.</translation>
    </message>
    <message>
        <source>RSS has no such element here; elements of other vocabularies need a namespace.</source>
        <translation>ليس في RSS عنصر كهذا هنا؛ وعناصر المفردات الأخرى تحتاج إلى فضاء أسماء.</translation>
    </message>
    <message>
        <source>The element&apos;s prefix is not declared with xmlns.</source>
        <translation>بادئة العنصر غير معلنة بـ xmlns.</translation>
    </message>
    <message>
        <source>An element without a namespace inside another vocabulary&apos;s element; readers cannot tell what it means.</source>
        <translation>عنصر بلا فضاء أسماء داخل عنصر من مفردات أخرى؛ ولا يعرف القرّاء معناه.</translation>
    </message>
    <message>
        <source>This element holds other elements, not text.</source>
        <translation>هذا العنصر يحوي عناصر أخرى لا نصًا.</translation>
    </message>
    <message>
        <source>Items should follow all of the channel&apos;s other elements.</source>
        <translation>ينبغي أن تأتي العناصر item بعد كل عناصر القناة الأخرى.</translation>
    </message>
    <message>
        <source>The channel has no title.</source>
        <translation>ليس للقناة عنوان.</translation>
    </message>
    <message>
        <source>The channel has no link to its web site.</source>
        <translation>ليس للقناة رابط إلى موقعها.</translation>
    </message>
    <message>
        <source>The channel has no description.</source>
        <translation>ليس للقناة وصف.</translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation>العنوان فارغ.</translation>
    </message>
    <message>
        <source>Not a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>ليس رمز لغة مثل «en» أو «en-us».</translation>
    </message>
    <message>
        <source>The time to live must be a whole number of minutes above 0.</source>
        <translation>يجب أن تكون مدة الصلاحية عددًا صحيحًا من الدقائق أكبر من 0.</translation>
    </message>
    <message>
        <source>The channel does not give its own address (atom:link rel=&quot;self&quot;), which readers use to follow a moved feed.</source>
        <translation>لا تذكر القناة عنوانها (atom:link rel=&quot;self&quot;)، الذي يستخدمه القرّاء لتتبّع خلاصة انتقلت.</translation>
    </message>
    <message>
        <source>Not a full address; write it with its scheme and host, as &quot;https://example.org/page&quot;.</source>
        <translation>ليس عنوانًا كاملًا؛ اكتبه مع مخططه ومضيفه، مثل «https://example.org/page».</translation>
    </message>
    <message>
        <source>Few readers can follow an address of this scheme; use http: or https:.</source>
        <translation>قليل من القرّاء يتبع عنوانًا بهذا المخطط؛ استخدم http: أو https:.</translation>
    </message>
    <message>
        <source>This is plain text, but it holds HTML markup or an HTML entity that readers will show as written.</source>
        <translation>هذا نص عادي، لكنه يحوي ترميز HTML أو كيان HTML سيعرضه القرّاء كما كُتب.</translation>
    </message>
    <message>
        <source>Not a date in the form &quot;Wed, 02 Oct 2002 13:00:00 GMT&quot;.</source>
        <translation>ليس تاريخًا بالشكل «Wed, 02 Oct 2002 13:00:00 GMT».</translation>
    </message>
    <message>
        <source>The date has a form that many readers get wrong.</source>
        <translation>للتاريخ شكل يخطئ كثير من القرّاء في فهمه.</translation>
    </message>
    <message>
        <source>The date is in the future or before 1990.</source>
        <translation>التاريخ في المستقبل أو قبل 1990.</translation>
    </message>
    <message>
        <source>Not an e-mail address; write one as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>ليس عنوان بريد إلكتروني؛ اكتبه بالشكل «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>RSS writes an e-mail address as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>يكتب RSS عنوان البريد الإلكتروني بالشكل «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>Add the person&apos;s name after the address: &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>أضف اسم الشخص بعد العنوان: «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>The image has no url.</source>
        <translation>ليس للصورة url.</translation>
    </message>
    <message>
        <source>The image has no title.</source>
        <translation>ليس للصورة عنوان.</translation>
    </message>
    <message>
        <source>The image has no link.</source>
        <translation>ليس للصورة رابط.</translation>
    </message>
    <message>
        <source>The image width must be a whole number from 1 to 144.</source>
        <translation>يجب أن يكون عرض الصورة عددًا صحيحًا من 1 إلى 144.</translation>
    </message>
    <message>
        <source>The image height must be a whole number from 1 to 400.</source>
        <translation>يجب أن يكون ارتفاع الصورة عددًا صحيحًا من 1 إلى 400.</translation>
    </message>
    <message>
        <source>The image link differs from the channel&apos;s link.</source>
        <translation>رابط الصورة يختلف عن رابط القناة.</translation>
    </message>
    <message>
        <source>The image title differs from the channel&apos;s title.</source>
        <translation>عنوان الصورة يختلف عن عنوان القناة.</translation>
    </message>
    <message>
        <source>The channel image should be a GIF, JPEG or PNG file.</source>
        <translation>ينبغي أن تكون صورة القناة ملف GIF أو JPEG أو PNG.</translation>
    </message>
    <message>
        <source>The text input has no title.</source>
        <translation>ليس لإدخال النص عنوان.</translation>
    </message>
    <message>
        <source>The text input has no description.</source>
        <translation>ليس لإدخال النص وصف.</translation>
    </message>
    <message>
        <source>The text input has no name.</source>
        <translation>ليس لإدخال النص اسم.</translation>
    </message>
    <message>
        <source>The text input has no link.</source>
        <translation>ليس لإدخال النص رابط.</translation>
    </message>
    <message>
        <source>The text input&apos;s name must be a form field name: a letter, then letters, digits, &apos;-&apos;, &apos;_&apos;, &apos;:&apos; or &apos;.&apos;.</source>
        <translation>يجب أن يكون اسم إدخال النص اسم حقل نموذج: حرف، ثم حروف أو أرقام أو &apos;-&apos; أو &apos;_&apos; أو &apos;:&apos; أو &apos;.&apos;.</translation>
    </message>
    <message>
        <source>The cloud needs all of domain, port, path, registerProcedure and protocol.</source>
        <translation>تحتاج السحابة إلى كل من domain وport وpath وregisterProcedure وprotocol.</translation>
    </message>
    <message>
        <source>The cloud port must be a whole number from 1 to 65535.</source>
        <translation>يجب أن يكون منفذ السحابة عددًا صحيحًا من 1 إلى 65535.</translation>
    </message>
    <message>
        <source>The cloud protocol must be xml-rpc, soap or http-post.</source>
        <translation>يجب أن يكون بروتوكول السحابة xml-rpc أو soap أو http-post.</translation>
    </message>
    <message>
        <source>skipHours lists no hour.</source>
        <translation>لا يسرد skipHours أي ساعة.</translation>
    </message>
    <message>
        <source>An hour must be a whole number from 0 to 23.</source>
        <translation>يجب أن تكون الساعة عددًا صحيحًا من 0 إلى 23.</translation>
    </message>
    <message>
        <source>Write midnight as 0, not 24.</source>
        <translation>اكتب منتصف الليل 0 لا 24.</translation>
    </message>
    <message>
        <source>This hour is already listed.</source>
        <translation>هذه الساعة مسرودة من قبل.</translation>
    </message>
    <message>
        <source>skipHours lists more than 24 hours.</source>
        <translation>يسرد skipHours أكثر من 24 ساعة.</translation>
    </message>
    <message>
        <source>skipDays lists no day.</source>
        <translation>لا يسرد skipDays أي يوم.</translation>
    </message>
    <message>
        <source>A day must be an English day name: Monday to Sunday.</source>
        <translation>يجب أن يكون اليوم اسم يوم بالإنجليزية: من Monday إلى Sunday.</translation>
    </message>
    <message>
        <source>This day is already listed.</source>
        <translation>هذا اليوم مسرود من قبل.</translation>
    </message>
    <message>
        <source>skipDays lists more than seven days.</source>
        <translation>يسرد skipDays أكثر من سبعة أيام.</translation>
    </message>
    <message>
        <source>A post needs a title or a description.</source>
        <translation>يحتاج المنشور إلى عنوان أو وصف.</translation>
    </message>
    <message>
        <source>The post has no guid, so readers may show it again as new after an edit.</source>
        <translation>ليس للمنشور معرّف guid، فقد يعرضه القرّاء جديدًا مرة أخرى بعد تعديله.</translation>
    </message>
    <message>
        <source>The guid is empty.</source>
        <translation>المعرّف guid فارغ.</translation>
    </message>
    <message>
        <source>A guid that is a permalink must be a full URL; if it is not a link, add isPermaLink=&quot;false&quot;.</source>
        <translation>المعرّف الذي هو رابط دائم يجب أن يكون URL كاملًا؛ وإن لم يكن رابطًا فأضف isPermaLink=&quot;false&quot;.</translation>
    </message>
    <message>
        <source>A permalink guid must be a web address (http or https); if it is not, add isPermaLink=&quot;false&quot;.</source>
        <translation>المعرّف الدائم يجب أن يكون عنوان ويب (http أو https)؛ وإن لم يكن فأضف isPermaLink=&quot;false&quot;.</translation>
    </message>
    <message>
        <source>isPermaLink must be exactly &quot;true&quot; or &quot;false&quot;.</source>
        <translation>يجب أن تكون isPermaLink بالضبط «true» أو «false».</translation>
    </message>
    <message>
        <source>Another post of the feed has the same guid.</source>
        <translation>لمنشور آخر في الخلاصة المعرّف نفسه.</translation>
    </message>
    <message>
        <source>A guid of a few digits is not unique beyond this feed; readers may confuse it with another feed&apos;s post.</source>
        <translation>المعرّف المكوّن من أرقام قليلة ليس فريدًا خارج هذه الخلاصة؛ وقد يخلطه القرّاء بمنشور خلاصة أخرى.</translation>
    </message>
    <message>
        <source>An enclosure needs url, length and type.</source>
        <translation>يحتاج المرفق إلى url وlength وtype.</translation>
    </message>
    <message>
        <source>The enclosure length must be a whole number of bytes, 0 when unknown.</source>
        <translation>يجب أن يكون طول المرفق عددًا صحيحًا من البايتات، و0 إن كان مجهولًا.</translation>
    </message>
    <message>
        <source>The enclosure type must be a media type such as &quot;audio/mpeg&quot;.</source>
        <translation>يجب أن يكون نوع المرفق نوع وسائط مثل «audio/mpeg».</translation>
    </message>
    <message>
        <source>The post has more than one enclosure; most readers take only the first.</source>
        <translation>للمنشور أكثر من مرفق؛ ولا يأخذ معظم القرّاء إلا الأول.</translation>
    </message>
    <message>
        <source>A source needs the url of the feed it comes from.</source>
        <translation>يحتاج المصدر إلى url الخلاصة التي جاء منها.</translation>
    </message>
    <message>
        <source>Give the post a description before its content:encoded; some readers take only the description, or only the first of the two.</source>
        <translation>أعطِ المنشور وصفًا قبل content:encoded؛ فبعض القرّاء لا يأخذ إلا الوصف، أو إلا أول الاثنين.</translation>
    </message>
    <message>
        <source>The description holds a script, which readers remove or refuse.</source>
        <translation>يحوي الوصف برنامجًا نصيًا يزيله القرّاء أو يرفضونه.</translation>
    </message>
    <message>
        <source>The description holds a frame, which many readers remove.</source>
        <translation>يحوي الوصف إطارًا يزيله كثير من القرّاء.</translation>
    </message>
    <message>
        <source>The description holds an event attribute (on...), which readers remove.</source>
        <translation>يحوي الوصف سمة حدث (on...) يزيلها القرّاء.</translation>
    </message>
    <message>
        <source>A relative link in the description; readers do not know what it is relative to. Write the full address.</source>
        <translation>رابط نسبي في الوصف؛ ولا يعرف القرّاء نسبةً إلى ماذا. اكتب العنوان كاملًا.</translation>
    </message>
    <message>
        <source>itunes:explicit must be &quot;true&quot; or &quot;false&quot;.</source>
        <translation>يجب أن يكون itunes:explicit «true» أو «false».</translation>
    </message>
    <message>
        <source>Apple Podcasts now asks for &quot;true&quot; or &quot;false&quot; here, not yes, no or clean.</source>
        <translation>يطلب Apple Podcasts الآن هنا «true» أو «false»، لا yes أو no أو clean.</translation>
    </message>
    <message>
        <source>Not one of Apple Podcasts&apos; categories.</source>
        <translation>ليس من تصنيفات Apple Podcasts.</translation>
    </message>
    <message>
        <source>Not a subcategory of this Apple Podcasts category.</source>
        <translation>ليس تصنيفًا فرعيًا لهذا التصنيف في Apple Podcasts.</translation>
    </message>
    <message>
        <source>The duration must be seconds, or minutes and seconds as mm:ss, or hh:mm:ss.</source>
        <translation>يجب أن تكون المدة بالثواني، أو دقائق وثوانيَ بالشكل mm:ss، أو hh:mm:ss.</translation>
    </message>
    <message>
        <source>The episode number must be a whole number above 0.</source>
        <translation>يجب أن يكون رقم الحلقة عددًا صحيحًا أكبر من 0.</translation>
    </message>
    <message>
        <source>The season number must be a whole number above 0.</source>
        <translation>يجب أن يكون رقم الموسم عددًا صحيحًا أكبر من 0.</translation>
    </message>
    <message>
        <source>The episode type must be full, trailer or bonus.</source>
        <translation>يجب أن يكون نوع الحلقة full أو trailer أو bonus.</translation>
    </message>
    <message>
        <source>The show type must be episodic or serial.</source>
        <translation>يجب أن يكون نوع البرنامج episodic أو serial.</translation>
    </message>
    <message>
        <source>itunes:block and itunes:complete take &quot;Yes&quot;, or &quot;No&quot;.</source>
        <translation>يأخذ itunes:block وitunes:complete القيمة «Yes» أو «No».</translation>
    </message>
    <message>
        <source>podcast:guid must be a UUID such as &quot;ead4c236-bf58-58c6-a2c6-a6b28d128cb6&quot;.</source>
        <translation>يجب أن يكون podcast:guid معرّف UUID مثل «ead4c236-bf58-58c6-a2c6-a6b28d128cb6».</translation>
    </message>
    <message>
        <source>podcast:locked must be &quot;yes&quot; or &quot;no&quot;.</source>
        <translation>يجب أن يكون podcast:locked «yes» أو «no».</translation>
    </message>
    <message>
        <source>Podcast tags should link with https addresses.</source>
        <translation>ينبغي أن تربط وسوم البودكاست بعناوين https.</translation>
    </message>
    <message>
        <source>The namespace address is close to the podcast or iTunes namespace but not it; readers will not know the tags.</source>
        <translation>عنوان فضاء الأسماء قريب من فضاء podcast أو iTunes لكنه ليس هو؛ فلن يعرف القرّاء الوسوم.</translation>
    </message>
    <message>
        <source>The podcast namespace has no such tag.</source>
        <translation>ليس في فضاء أسماء podcast وسم كهذا.</translation>
    </message>
    <message>
        <source>This podcast tag does not belong in this element.</source>
        <translation>لا مكان لوسم البودكاست هذا في هذا العنصر.</translation>
    </message>
    <message>
        <source>The podcast tag lacks an attribute it requires.</source>
        <translation>ينقص وسم البودكاست سمة يحتاج إليها.</translation>
    </message>
    <message>
        <source>The podcast tag lacks an element it requires inside it.</source>
        <translation>ينقص وسم البودكاست عنصر يحتاج إليه داخله.</translation>
    </message>
    <message>
        <source>The podcast tag needs a value; it is empty.</source>
        <translation>يحتاج وسم البودكاست إلى قيمة؛ إنه فارغ.</translation>
    </message>
    <message>
        <source>The value is longer than podcast apps show; they may cut it.</source>
        <translation>القيمة أطول مما تعرضه تطبيقات البودكاست؛ وقد تقطعها.</translation>
    </message>
    <message>
        <source>The value is not one this podcast tag takes.</source>
        <translation>هذه القيمة ليست مما يقبله وسم البودكاست هذا.</translation>
    </message>
    <message>
        <source>Few podcast apps know this value.</source>
        <translation>قليل من تطبيقات البودكاست يعرف هذه القيمة.</translation>
    </message>
    <message>
        <source>Not a podcast GUID, a UUID such as &quot;917393e3-1b1e-5cef-ace4-edaa54e1f810&quot;.</source>
        <translation>ليس معرّف بودكاست، أي UUID مثل «917393e3-1b1e-5cef-ace4-edaa54e1f810».</translation>
    </message>
    <message>
        <source>Not an ISO 8601 date and time such as &quot;2021-09-26T07:30:00-06:00&quot;.</source>
        <translation>ليس تاريخًا ووقتًا بصيغة ISO 8601 مثل «2021-09-26T07:30:00-06:00».</translation>
    </message>
    <message>
        <source>Not a number of the form this podcast tag asks for.</source>
        <translation>ليس عددًا بالشكل الذي يطلبه وسم البودكاست هذا.</translation>
    </message>
    <message>
        <source>A time must be seconds, such as &quot;73&quot; or &quot;1234.5&quot;.</source>
        <translation>يجب أن يكون الوقت بالثواني، مثل «73» أو «1234.5».</translation>
    </message>
    <message>
        <source>A podcast gives its own address (atom:link rel=&quot;self&quot;); PSP-1 requires it.</source>
        <translation>يذكر البودكاست عنوانه (atom:link rel=&quot;self&quot;)؛ وتشترط ذلك PSP-1.</translation>
    </message>
    <message>
        <source>The podcast has no artwork: podcast directories require an itunes:image with an href.</source>
        <translation>ليس للبودكاست غلاف: تشترط أدلة البودكاست itunes:image مع href.</translation>
    </message>
    <message>
        <source>The podcast has no language; podcast directories require one.</source>
        <translation>ليس للبودكاست لغة؛ وتشترطها أدلة البودكاست.</translation>
    </message>
    <message>
        <source>The podcast has no itunes:category; podcast directories require one.</source>
        <translation>ليس للبودكاست itunes:category؛ وتشترطه أدلة البودكاست.</translation>
    </message>
    <message>
        <source>The podcast has no itunes:explicit; podcast directories require &quot;true&quot; or &quot;false&quot;.</source>
        <translation>ليس للبودكاست itunes:explicit؛ وتشترط أدلة البودكاست «true» أو «false».</translation>
    </message>
    <message>
        <source>Apple Podcasts takes a show description of at most 4000 bytes.</source>
        <translation>يقبل Apple Podcasts وصفًا للبرنامج لا يزيد على 4000 بايت.</translation>
    </message>
    <message>
        <source>The episode has no title; podcast directories require one.</source>
        <translation>ليس للحلقة عنوان؛ وتشترطه أدلة البودكاست.</translation>
    </message>
    <message>
        <source>The episode has no enclosure, the media file podcast apps play.</source>
        <translation>ليس للحلقة مرفق، وهو ملف الوسائط الذي تشغّله تطبيقات البودكاست.</translation>
    </message>
    <message>
        <source>The episode has no guid; PSP-1 requires one so that apps do not download it again.</source>
        <translation>ليس للحلقة معرّف guid؛ وتشترطه PSP-1 كي لا تنزّلها التطبيقات مرة أخرى.</translation>
    </message>
    <message>
        <source>PSP-1 recommends podcast:locked, which tells other platforms whether they may import the feed.</source>
        <translation>توصي PSP-1 بـ podcast:locked، الذي يخبر المنصات الأخرى هل يجوز لها استيراد الخلاصة.</translation>
    </message>
    <message>
        <source>PSP-1 recommends podcast:guid, the podcast&apos;s identity that stays when its address moves.</source>
        <translation>توصي PSP-1 بـ podcast:guid، هوية البودكاست التي تبقى حين ينتقل عنوانه.</translation>
    </message>
    <message>
        <source>Apple Podcasts takes artwork as a JPEG or PNG file (.jpg or .png).</source>
        <translation>يقبل Apple Podcasts الغلاف ملف JPEG أو PNG (.jpg أو .png).</translation>
    </message>
    <message>
        <source>Apple Podcasts takes square artwork from 1400 x 1400 to 3000 x 3000 pixels.</source>
        <translation>يقبل Apple Podcasts غلافًا مربعًا من 1400 x 1400 إلى 3000 x 3000 بكسل.</translation>
    </message>
    <message>
        <source>Apple Podcasts takes artwork in the RGB colour space, not greyscale or CMYK.</source>
        <translation>يقبل Apple Podcasts الغلاف في فضاء ألوان RGB، لا بتدرّج الرمادي ولا CMYK.</translation>
    </message>
    <message>
        <source>The artwork file cannot be read, so its size and colours are not checked.</source>
        <translation>تتعذّر قراءة ملف الغلاف، فلا يُفحص حجمه وألوانه.</translation>
    </message>
    <message>
        <source>The feed&apos;s own address (atom:link rel=&quot;self&quot;) is its web site&apos;s; it should be the address of the feed file.</source>
        <translation>عنوان الخلاصة الخاص (atom:link rel=&quot;self&quot;) هو عنوان موقعها؛ وينبغي أن يكون عنوان ملف الخلاصة.</translation>
    </message>
    <message>
        <source>An attribute from another vocabulary on an element of RSS; readers ignore it.</source>
        <translation>سمة من مفردات أخرى على عنصر من RSS؛ ويتجاهلها القرّاء.</translation>
    </message>
    <message>
        <source>RSS gives this element no such attribute; readers ignore it.</source>
        <translation>لا يعطي RSS هذا العنصر سمة كهذه؛ ويتجاهلها القرّاء.</translation>
    </message>
    <message>
        <source>The address holds characters outside ASCII; write them percent-encoded, as %C3%A9, and a host in its &quot;xn--&quot; form.</source>
        <translation>يحوي العنوان محارف خارج ASCII؛ اكتبها بترميز النسبة المئوية، مثل %C3%A9، واكتب المضيف بشكله «xn--».</translation>
    </message>
    <message>
        <source>This plain text holds a &quot;&lt;&quot; that a reader showing it as HTML takes for the start of a tag, hiding what follows; write it as &amp;#x3C;.</source>
        <translation>يحوي هذا النص العادي «&lt;» يظنه القارئ الذي يعرضه بوصفه HTML بداية وسم، فيخفي ما بعده؛ اكتبه &amp;#x3C;.</translation>
    </message>
    <message>
        <source>Few readers show a text input; most ignore it.</source>
        <translation>قليل من القرّاء يعرض إدخال النص؛ ويتجاهله معظمهم.</translation>
    </message>
    <message>
        <source>The number of comments (slash:comments) must be a whole number, 0 or more.</source>
        <translation>يجب أن يكون عدد التعليقات (slash:comments) عددًا صحيحًا، 0 فأكثر.</translation>
    </message>
    <message>
        <source>The description holds a tag that readers remove as a risk (embed, object, meta, style and the like).</source>
        <translation>يحوي الوصف وسمًا يزيله القرّاء لخطورته (embed وobject وmeta وstyle وما شابهها).</translation>
    </message>
    <message>
        <source>The podcast namespace recommends this attribute; apps use it to show the tag well.</source>
        <translation>يوصي فضاء أسماء podcast بهذه السمة؛ وتستخدمها التطبيقات لعرض الوسم جيدًا.</translation>
    </message>
    <message>
        <source>The podcast namespace has retired this tag in favour of another.</source>
        <translation>أوقف فضاء أسماء podcast العمل بهذا الوسم لصالح وسم آخر.</translation>
    </message>
    <message>
        <source>Apple Podcasts asks for &quot;true&quot; or &quot;false&quot; here, not yes, no or clean.</source>
        <translation>يطلب Apple Podcasts هنا «true» أو «false»، لا yes ولا no ولا clean.</translation>
    </message>
</context>
<context>
    <name>CFetchTitleFromURL</name>
    <message>
        <source>The page has no title.</source>
        <translation>ليس للصفحة عنوان.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Navigation</source>
        <translation>التنقل</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>المحتويات</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>تقدّم</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>مزيد من الأدوات</translation>
    </message>
</context>
<context>
    <name>CHyperlinkDlg</name>
    <message>
        <source>Insert Hyperlink</source>
        <translation>إدراج رابط</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>العنوان:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>النص:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>العنوان:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>الهدف:</translation>
    </message>
    <message>
        <source>Looking up the page&apos;s title…</source>
        <translation>جارٍ البحث عن عنوان الصفحة…</translation>
    </message>
    <message>
        <source>No title: %1</source>
        <translation>لا عنوان: %1</translation>
    </message>
</context>
<context>
    <name>CImageDlg</name>
    <message>
        <source>Insert Image</source>
        <translation>إدراج صورة</translation>
    </message>
    <message>
        <source>Type the image&apos;s address here (required)</source>
        <translation>اكتب عنوان الصورة هنا (مطلوب)</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>استعراض…</translation>
    </message>
    <message>
        <source>Type the text shown in its place here</source>
        <translation>اكتب هنا النص الذي يظهر مكانها</translation>
    </message>
    <message>
        <source>Width in pixels (optional)</source>
        <translation>العرض بالبكسل (اختياري)</translation>
    </message>
    <message>
        <source>Height in pixels (optional)</source>
        <translation>الارتفاع بالبكسل (اختياري)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>text on left</source>
        <translation>نص على اليسار</translation>
    </message>
    <message>
        <source>text on right</source>
        <translation>نص على اليمين</translation>
    </message>
    <message>
        <source>See image sample here</source>
        <translation>تظهر هنا عينة من الصورة</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>اختيار صورة</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.gif *.webp *.svg);;All files (*)</source>
        <translation>الصور (*.png *.jpg *.jpeg *.gif *.webp *.svg);;كل الملفات (*)</translation>
    </message>
</context>
<context>
    <name>CLiveItemFields</name>
    <message>
        <source>Live stream</source>
        <translation>البث المباشر</translation>
    </message>
    <message>
        <source>St&amp;atus:</source>
        <translation>الحالة (&amp;A):</translation>
    </message>
    <message>
        <source>Sta&amp;rt:</source>
        <translation>البداية (&amp;R):</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>النهاية:</translation>
    </message>
    <message>
        <source>Add the time zone, e.g. %1Z or %1+01:00</source>
        <translation>أضف المنطقة الزمنية، مثل %1Z أو %1+01:00</translation>
    </message>
    <message>
        <source>Not a date and time like 2026-12-24T18:00:00+01:00</source>
        <translation>ليس تاريخًا ووقتًا مثل 2026-12-24T18:00:00+01:00</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>مثلًا %1</translation>
    </message>
</context>
<context>
    <name>CLocalFolder</name>
    <message>
        <source>The disk is full.</source>
        <translation>القرص ممتلئ.</translation>
    </message>
    <message>
        <source>The file could not be written: %1.</source>
        <translation>تعذّرت كتابة الملف: %1.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>تتعذّر قراءة %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>يتعذّر إنشاء المجلد %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>أُلغي.</translation>
    </message>
</context>
<context>
    <name>CLocationOpener</name>
    <message>
        <source>&quot;%1&quot; is not the web address of a feed. It starts with https:// or http://.</source>
        <translation>«%1» ليس عنوان خلاصة على الويب. يبدأ عنوانها بـ https:// أو http://.</translation>
    </message>
    <message>
        <source>Downloading %1…</source>
        <translation>جارٍ تنزيل %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Open Location</source>
        <translation>فتح عنوان ويب</translation>
    </message>
    <message>
        <source>Downloading %1…
%2 kB received</source>
        <translation>جارٍ تنزيل %1…
وصل %2 كيلوبايت</translation>
    </message>
    <message>
        <source>Cannot open %1.

%2</source>
        <translation>يتعذّر فتح %1.

%2</translation>
    </message>
    <message>
        <source>The owner of this podcast has locked it against moving to another host (podcast:locked is &quot;yes&quot;). Directories will not take it from a new address until the owner unlocks it.

You can still edit it and keep a copy.</source>
        <translation>أقفل مالك هذا البودكاست نقله إلى مضيف آخر (قيمة podcast:locked هي «yes»). لن تقبله الأدلة من عنوان جديد حتى يفتح المالك القفل.

ما زال بإمكانك تحريره والاحتفاظ بنسخة منه.</translation>
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
        <translation>%1: غير معروف على هذه الشاشة</translation>
    </message>
    <message>
        <source>%1 is on</source>
        <translation>%1 مفعّل</translation>
    </message>
    <message>
        <source>%1 is off</source>
        <translation>%1 معطّل</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>The preferences could not be written to
%1</source>
        <translation>تعذّرت كتابة التفضيلات في
%1</translation>
    </message>
    <message>
        <source>No web browser could be started to show
%1

Open this address in a browser yourself.</source>
        <translation>تعذّر تشغيل متصفح ويب لعرض
%1

افتح هذا العنوان في متصفح بنفسك.</translation>
    </message>
    <message>
        <source>Publishing sends the saved file. Save %1 and publish it?</source>
        <translation>النشر يرسل الملف المحفوظ. هل تريد حفظ %1 ونشره؟</translation>
    </message>
    <message>
        <source>Save and &amp;Publish</source>
        <translation>الحفظ والنشر (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ملف (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>تحرير (&amp;E)</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>تنسيق (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>إدراج (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Posts</source>
        <translation>منشورات (&amp;P)</translation>
    </message>
    <message>
        <source>Fee&amp;d</source>
        <translation>خلاصة (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>أدوات (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>عرض (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>نافذة (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعدة (&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>شريط الأدوات</translation>
    </message>
    <message>
        <source>&lt;as opened or saved&gt;</source>
        <translation>&lt;كما فُتحت أو حُفظت&gt;</translation>
    </message>
    <message>
        <source>Undo History</source>
        <translation>سجل التغييرات</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>فتح %1</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>مزيد من الأدوات</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>التغييرات</translation>
    </message>
</context>
<context>
    <name>CMoveFeedDialog</name>
    <message>
        <source>Move Feed</source>
        <translation>نقل الخلاصة</translation>
    </message>
    <message>
        <source>not known: the feed names no address of its own</source>
        <translation>غير معروف: لا تذكر الخلاصة عنوانها الخاص</translation>
    </message>
    <message>
        <source>Current address:</source>
        <translation>العنوان الحالي:</translation>
    </message>
    <message>
        <source>&amp;New address:</source>
        <translation>العنوان الجديد (&amp;N):</translation>
    </message>
    <message>
        <source>The feed will name its new address in its atom:link rel=&quot;self&quot; and, for a podcast, in itunes:new-feed-url; a podcast&apos;s podcast:guid stays, so directories know it is the same podcast.

Publish the moved feed to both hosts, then have the old host answer the old address with a permanent redirect (HTTP 301) to the new one. Keep the redirect and itunes:new-feed-url for at least four weeks, better for good: some apps look at a feed seldom.</source>
        <translation>ستذكر الخلاصة عنوانها الجديد في atom:link rel=&quot;self&quot; الخاص بها، وفي itunes:new-feed-url إن كانت بودكاست؛ ويبقى podcast:guid الخاص بالبودكاست، فتعرف الأدلة أنه البودكاست نفسه.

انشر الخلاصة المنقولة إلى المضيفين كليهما، ثم اجعل المضيف القديم يجيب عن العنوان القديم بإعادة توجيه دائمة (HTTP 301) إلى العنوان الجديد. أبقِ على إعادة التوجيه وعلى itunes:new-feed-url أربعة أسابيع على الأقل، والأفضل إلى الأبد: فبعض التطبيقات لا تطّلع على الخلاصة إلا نادرًا.</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>نقل (&amp;M)</translation>
    </message>
</context>
<context>
    <name>COtherElementsList</name>
    <message>
        <source>Element</source>
        <translation>العنصر</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>المحتوى</translation>
    </message>
    <message>
        <source>Other elements</source>
        <translation>عناصر أخرى</translation>
    </message>
    <message>
        <source>Elements these fields do not edit; they are kept as they are</source>
        <translation>عناصر لا تحرّرها هذه الحقول؛ وتبقى كما هي</translation>
    </message>
</context>
<context>
    <name>CPodcastFields</name>
    <message>
        <source>Not a role of the Podcast Taxonomy Project</source>
        <translation>ليس دورًا من Podcast Taxonomy Project</translation>
    </message>
    <message>
        <source>Not a group of the Podcast Taxonomy Project</source>
        <translation>ليست مجموعة من Podcast Taxonomy Project</translation>
    </message>
    <message>
        <source>A recurrence rule names its frequency, like FREQ=WEEKLY</source>
        <translation>قاعدة التكرار تذكر تواترها، مثل FREQ=WEEKLY</translation>
    </message>
    <message>
        <source>Persons</source>
        <translation>الأشخاص</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>الدور</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>المجموعة</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>الرابط</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>الأماكن</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>المكان</translation>
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
        <translation>البلد</translation>
    </message>
    <message>
        <source>Funding</source>
        <translation>التمويل</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>النص</translation>
    </message>
    <message>
        <source>License:</source>
        <translation>الترخيص:</translation>
    </message>
    <message>
        <source>An SPDX identifier like cc-by-4.0, or the name of your own</source>
        <translation>معرّف SPDX مثل cc-by-4.0، أو اسم ترخيصك الخاص</translation>
    </message>
    <message>
        <source>License URL:</source>
        <translation>عنوان الترخيص:</translation>
    </message>
    <message>
        <source>Value (payments while listening)</source>
        <translation>Value (مدفوعات أثناء الاستماع)</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>الطريقة</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>المقترح</translation>
    </message>
    <message>
        <source>Recipients of the selected value</source>
        <translation>مستلمو value المحدد</translation>
    </message>
    <message>
        <source>Start (s)</source>
        <translation>البداية (ث)</translation>
    </message>
    <message>
        <source>Duration (s)</source>
        <translation>المدة (ث)</translation>
    </message>
    <message>
        <source>Remote start (s)</source>
        <translation>البداية البعيدة (ث)</translation>
    </message>
    <message>
        <source>Remote %</source>
        <translation>النسبة البعيدة %</translation>
    </message>
    <message>
        <source>Remote feed GUID</source>
        <translation>معرّف الخلاصة البعيدة</translation>
    </message>
    <message>
        <source>Remote item GUID</source>
        <translation>معرّف العنصر البعيد</translation>
    </message>
    <message>
        <source>Remote medium</source>
        <translation>الوسط البعيد</translation>
    </message>
    <message>
        <source>Time splits of the selected value</source>
        <translation>الفترات الزمنية لـ value المحدد</translation>
    </message>
    <message>
        <source>Recipients of the selected time split</source>
        <translation>مستلمو الفترة المحددة</translation>
    </message>
    <message>
        <source>Social interaction</source>
        <translation>التفاعل الاجتماعي</translation>
    </message>
    <message>
        <source>Root post URI</source>
        <translation>URI المنشور الأصل</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>البروتوكول</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>الحساب</translation>
    </message>
    <message>
        <source>Account URL</source>
        <translation>عنوان الحساب</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>الأولوية</translation>
    </message>
    <message>
        <source>Text records (txt)</source>
        <translation>سجلات النص (txt)</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>الغرض</translation>
    </message>
    <message>
        <source>Chat server:</source>
        <translation>خادم الدردشة:</translation>
    </message>
    <message>
        <source>Chat protocol:</source>
        <translation>بروتوكول الدردشة:</translation>
    </message>
    <message>
        <source>Chat account:</source>
        <translation>حساب الدردشة:</translation>
    </message>
    <message>
        <source>Chat space:</source>
        <translation>مساحة الدردشة:</translation>
    </message>
    <message>
        <source>Images (podcast:image)</source>
        <translation>الصور (podcast:image)</translation>
    </message>
    <message>
        <source>Alt text</source>
        <translation>النص البديل</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>نسبة الأبعاد</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>Update frequency:</source>
        <translation>تواتر التحديث:</translation>
    </message>
    <message>
        <source>In words, like Every other Monday</source>
        <translation>بالكلمات، مثل كل يوم اثنين بعد آخر</translation>
    </message>
    <message>
        <source>Recurrence rule:</source>
        <translation>قاعدة التكرار:</translation>
    </message>
    <message>
        <source>Rule starts:</source>
        <translation>بداية القاعدة:</translation>
    </message>
    <message>
        <source>Complete:</source>
        <translation>مكتمل:</translation>
    </message>
    <message>
        <source>Publisher feed GUID:</source>
        <translation>معرّف خلاصة الناشر:</translation>
    </message>
    <message>
        <source>Publisher feed URL:</source>
        <translation>عنوان خلاصة الناشر:</translation>
    </message>
    <message>
        <source>Publisher medium:</source>
        <translation>وسط الناشر:</translation>
    </message>
    <message>
        <source>Podroll (recommended podcasts)</source>
        <translation>Podroll (بودكاست موصى بها)</translation>
    </message>
    <message>
        <source>Remote items</source>
        <translation>العناصر البعيدة</translation>
    </message>
    <message>
        <source>Trailers</source>
        <translation>المقاطع الدعائية</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>الطول</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>الموسم</translation>
    </message>
    <message>
        <source>Blocked platforms</source>
        <translation>المنصات المحظورة</translation>
    </message>
    <message>
        <source>Platform (empty: all)</source>
        <translation>المنصة (فارغ: الكل)</translation>
    </message>
    <message>
        <source>Blocked</source>
        <translation>محظور</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>الفصول:</translation>
    </message>
    <message>
        <source>Chapters type:</source>
        <translation>نوع الفصول:</translation>
    </message>
    <message>
        <source>Transcripts</source>
        <translation>النصوص المكتوبة</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Soundbites</source>
        <translation>المقتطفات الصوتية</translation>
    </message>
    <message>
        <source>Alternate enclosures</source>
        <translation>المرفقات البديلة</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>معدل البت</translation>
    </message>
    <message>
        <source>Codecs</source>
        <translation>المرمّزات</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>الافتراضي</translation>
    </message>
    <message>
        <source>Integrity type</source>
        <translation>نوع السلامة</translation>
    </message>
    <message>
        <source>Integrity value</source>
        <translation>قيمة السلامة</translation>
    </message>
    <message>
        <source>Sources of the selected alternate enclosure</source>
        <translation>مصادر المرفق البديل المحدد</translation>
    </message>
    <message>
        <source>Source URI</source>
        <translation>URI المصدر</translation>
    </message>
    <message>
        <source>Content type</source>
        <translation>نوع المحتوى</translation>
    </message>
    <message>
        <source>Content links</source>
        <translation>روابط المحتوى</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>الحصة</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>الرسم</translation>
    </message>
    <message>
        <source>Custom key</source>
        <translation>مفتاح مخصص</translation>
    </message>
    <message>
        <source>Custom value</source>
        <translation>قيمة مخصصة</translation>
    </message>
    <message>
        <source>Feed GUID</source>
        <translation>معرّف الخلاصة</translation>
    </message>
    <message>
        <source>Feed URL</source>
        <translation>عنوان الخلاصة</translation>
    </message>
    <message>
        <source>Item GUID</source>
        <translation>معرّف العنصر</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>الوسط</translation>
    </message>
</context>
<context>
    <name>CPodcastValues</name>
    <message>
        <source>Not a time in seconds like 73.0 or 1234.5</source>
        <translation>ليس وقتًا بالثواني مثل 73.0 أو 1234.5</translation>
    </message>
    <message>
        <source>Not a number like 3 or 315.5</source>
        <translation>ليس عددًا مثل 3 أو 315.5</translation>
    </message>
    <message>
        <source>Not an ISO 8601 date like 2023-08-28T00:00:00.000Z</source>
        <translation>ليس تاريخًا بصيغة ISO 8601 مثل 2023-08-28T00:00:00.000Z</translation>
    </message>
    <message>
        <source>Not a UUID like 917393e3-1b1e-5cef-ace4-edaa54e1f810</source>
        <translation>ليس UUID مثل 917393e3-1b1e-5cef-ace4-edaa54e1f810</translation>
    </message>
    <message>
        <source>Not a place like geo:30.2672,97.7431</source>
        <translation>ليس مكانًا مثل geo:30.2672,97.7431</translation>
    </message>
    <message>
        <source>Not an OpenStreetMap object like R113314 or W43678282</source>
        <translation>ليس كائن OpenStreetMap مثل R113314 أو W43678282</translation>
    </message>
    <message>
        <source>Not a percentage from 0 to 100</source>
        <translation>ليس نسبة مئوية من 0 إلى 100</translation>
    </message>
    <message>
        <source>Not one of: %1</source>
        <translation>ليس واحدًا من: %1</translation>
    </message>
    <message>
        <source>Not a two-letter country code like US or DE</source>
        <translation>ليس رمز بلد من حرفين مثل US أو DE</translation>
    </message>
    <message>
        <source>Not an aspect ratio like 16/9 or 1.9</source>
        <translation>ليس نسبة أبعاد مثل 16/9 أو 1.9</translation>
    </message>
</context>
<context>
    <name>CPostCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>تراجع عن %1 (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>إعادة %1 (&amp;R)</translation>
    </message>
    <message>
        <source>Delete this post?

&quot;%1&quot;</source>
        <translation>هل تريد حذف هذا المنشور؟

«%1»</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>حذف (&amp;D)</translation>
    </message>
    <message>
        <source>Discard the changes to %1 and reload it from the disk?</source>
        <translation>هل تريد تجاهل التغييرات في %1 وإعادة تحميله من القرص؟</translation>
    </message>
    <message>
        <source>&amp;Discard and Reload</source>
        <translation>التجاهل وإعادة التحميل (&amp;D)</translation>
    </message>
    <message>
        <source>Cannot reload %1.

%2

The feed stays as it was.</source>
        <translation>تتعذّر إعادة تحميل %1.

%2

تبقى الخلاصة كما كانت.</translation>
    </message>
    <message>
        <source>No program could be started to show folders.</source>
        <translation>تعذّر تشغيل برنامج لعرض المجلدات.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>المجلد غير موجود.</translation>
    </message>
    <message>
        <source>Cannot open directory %1 %2</source>
        <translation>يتعذّر فتح المجلد %1. %2</translation>
    </message>
    <message>
        <source>Skipped %1. %2</source>
        <translation>تُخطّي %1. %2</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Episode(s)</source>
        <translation>
            <numerusform>إضافة %n حلقة</numerusform>
            <numerusform>إضافة حلقة واحدة</numerusform>
            <numerusform>إضافة حلقتين</numerusform>
            <numerusform>إضافة %n حلقات</numerusform>
            <numerusform>إضافة %n حلقة</numerusform>
            <numerusform>إضافة %n حلقة</numerusform>
        </translation>
    </message>
    <message>
        <source>This feed&apos;s publish settings give no media address, so the episodes&apos; enclosures cannot get their web addresses.

Add them with addresses relative to the feed, to be completed later? To set the media address first, cancel and choose File &gt; Publish Settings.</source>
        <translation>لا تذكر إعدادات نشر هذه الخلاصة عنوانًا للوسائط، فلا يمكن أن تحصل مرفقات الحلقات على عناوين ويب.

هل تريد إضافتها بعناوين نسبية إلى الخلاصة تُكمَل لاحقًا؟ لضبط عنوان الوسائط أولًا، ألغِ واختر ملف &gt; إعدادات النشر.</translation>
    </message>
    <message>
        <source>&amp;Add Anyway</source>
        <translation>الإضافة على أي حال (&amp;A)</translation>
    </message>
</context>
<context>
    <name>CPostRowDelegate</name>
    <message>
        <source>Post title</source>
        <translation>عنوان المنشور</translation>
    </message>
    <message>
        <source>Enter keeps the new title, Escape drops it</source>
        <translation>يُبقي Enter العنوان الجديد، ويتخلّى عنه Escape</translation>
    </message>
</context>
<context>
    <name>CPostsListCtrl</name>
    <message>
        <source>No items</source>
        <translation>لا منشورات</translation>
    </message>
</context>
<context>
    <name>CPostsModel</name>
    <message>
        <source>Posts - Press Ctrl+F for filtering</source>
        <translation>المنشورات – Ctrl+F للتصفية</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Rename Post</source>
        <translation>إعادة تسمية المنشور</translation>
    </message>
    <message>
        <source>Stream starts %1</source>
        <translation>يبدأ البث %1</translation>
    </message>
    <message>
        <source>Live now, since %1</source>
        <translation>مباشر الآن، منذ %1</translation>
    </message>
    <message>
        <source>Stream ended, began %1</source>
        <translation>انتهى البث، وكان قد بدأ %1</translation>
    </message>
    <message>
        <source>Stream (%1) at %2</source>
        <translation>بث (%1): %2</translation>
    </message>
    <message>
        <source>Live item, %1: %2 to %3</source>
        <translation>بث مباشر، %1: من %2 إلى %3</translation>
    </message>
    <message>
        <source>No title</source>
        <translation>لا عنوان</translation>
    </message>
    <message>
        <source>No date</source>
        <translation>لا تاريخ</translation>
    </message>
    <message>
        <source>Unreadable date: %1</source>
        <translation>تاريخ غير مقروء: %1</translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>&amp;Add a footer under the description of every post I edit</source>
        <translation>إضافة تذييل أسفل وصف كل منشور أحرّره (&amp;A)</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>&amp;Default Text</source>
        <translation>النص الافتراضي (&amp;D)</translation>
    </message>
    <message>
        <source>The footer is added when a post&apos;s description is stored, unless the description ends with one already.</source>
        <translation>يُضاف التذييل عند حفظ وصف المنشور، إلا إذا كان الوصف ينتهي بتذييل من قبل.</translation>
    </message>
    <message>
        <source>Footer &amp;text:</source>
        <translation>نص التذييل (&amp;T):</translation>
    </message>
    <message>
        <source>Post footer</source>
        <translation>تذييل المنشور</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>اتباع سطح المكتب</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation>الألوان (&amp;C):</translation>
    </message>
</context>
<context>
    <name>CPublishCommand</name>
    <message>
        <source>%1: file %2 of %3, %4% sent</source>
        <translation>%1: الملف %2 من %3، أُرسل %4%</translation>
    </message>
    <message>
        <source>--to %1: %2</source>
        <translation>--to %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ليس ملفًا.</translation>
    </message>
    <message>
        <source>The feed check found errors in %1; nothing was sent:</source>
        <translation>وجد فحص الخلاصة أخطاء في %1؛ لم يُرسل شيء:</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>تتعذّر قراءة %1: %2</translation>
    </message>
</context>
<context>
    <name>CPublishProgress</name>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Stop publishing; the feed on the server stays as it was</source>
        <translation>إيقاف النشر؛ تبقى الخلاصة على الخادم كما كانت</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>جارٍ الإلغاء…</translation>
    </message>
    <message>
        <source>Publishing to %1…</source>
        <translation>جارٍ النشر إلى %1…</translation>
    </message>
    <message>
        <source>File %1 of %2, %3 of %4</source>
        <translation>الملف %1 من %2، %3 من %4</translation>
    </message>
</context>
<context>
    <name>CPublishSettingsDialog</name>
    <message>
        <source>&amp;Browse…</source>
        <translation>استعراض (&amp;B)…</translation>
    </message>
    <message>
        <source>Switch plain FTP to &amp;TLS (STARTTLS) before logging in</source>
        <translation>تحويل FTP العادي إلى TLS (STARTTLS) قبل تسجيل الدخول (&amp;T)</translation>
    </message>
    <message>
        <source>B&amp;rowse…</source>
        <translation>استعراض (&amp;R)…</translation>
    </message>
    <message>
        <source>Publish Settings — %1</source>
        <translation>إعدادات النشر — %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>Key file</source>
        <translation>ملف المفتاح</translation>
    </message>
    <message>
        <source>SSH agent</source>
        <translation>وكيل SSH</translation>
    </message>
    <message>
        <source>the feed&apos;s folder</source>
        <translation>مجلد الخلاصة</translation>
    </message>
    <message>
        <source>&amp;Upload to:</source>
        <translation>الرفع إلى (&amp;U):</translation>
    </message>
    <message>
        <source>U&amp;ser:</source>
        <translation>المستخدم (&amp;S):</translation>
    </message>
    <message>
        <source>SFTP si&amp;gns in with:</source>
        <translation>يسجّل SFTP الدخول بـ (&amp;G):</translation>
    </message>
    <message>
        <source>SSH &amp;key file:</source>
        <translation>ملف مفتاح SSH (&amp;K):</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>الخادم</translation>
    </message>
    <message>
        <source>&amp;Media address:</source>
        <translation>عنوان الوسائط (&amp;M):</translation>
    </message>
    <message>
        <source>Media &amp;folder:</source>
        <translation>مجلد الوسائط (&amp;F):</translation>
    </message>
    <message>
        <source>Optional. Enclosures whose address starts with the media address are uploaded beside the feed from the same place under the media folder, unless the server has them at the same size.</source>
        <translation>اختياري. المرفقات التي يبدأ عنوانها بعنوان الوسائط تُرفع بجانب الخلاصة من المكان نفسه تحت مجلد الوسائط، إلا إذا كانت على الخادم بالحجم نفسه.</translation>
    </message>
    <message>
        <source>Media files</source>
        <translation>ملفات الوسائط</translation>
    </message>
    <message>
        <source>Type the address the feed is uploaded to.</source>
        <translation>اكتب العنوان الذي تُرفع إليه الخلاصة.</translation>
    </message>
    <message>
        <source>The address has no server name after %1://.</source>
        <translation>ليس في العنوان اسم خادم بعد %1://.</translation>
    </message>
    <message>
        <source>The address needs a path after the server name, such as /feed.xml.</source>
        <translation>يحتاج العنوان إلى مسار بعد اسم الخادم، مثل /feed.xml.</translation>
    </message>
    <message>
        <source>The media address must be a web address starting with http:// or https://.</source>
        <translation>يجب أن يكون عنوان الوسائط عنوان ويب يبدأ بـ http:// أو https://.</translation>
    </message>
    <message>
        <source>Key &amp;passphrase:</source>
        <translation>عبارة مرور المفتاح (&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>كلمة المرور (&amp;P):</translation>
    </message>
    <message>
        <source>Media Folder</source>
        <translation>مجلد الوسائط</translation>
    </message>
    <message>
        <source>SSH Key File</source>
        <translation>ملف مفتاح SSH</translation>
    </message>
    <message>
        <source>&amp;Name the bucket in the path (path-style), not in the host name</source>
        <translation>ذكر الحاوية في المسار (path-style) لا في اسم المضيف (&amp;N)</translation>
    </message>
    <message>
        <source>Let everyone read the uploaded files (public-read &amp;ACL)</source>
        <translation>السماح للجميع بقراءة الملفات المرفوعة (ACL بقيمة public-read) (&amp;A)</translation>
    </message>
    <message>
        <source>Where subscribers read the feed: the address it was opened from or moved to</source>
        <translation>حيث يقرأ المشتركون الخلاصة: العنوان الذي فُتحت منه أو نُقلت إليه</translation>
    </message>
    <message>
        <source>Feed&apos;s &amp;web address:</source>
        <translation>عنوان الخلاصة على الويب (&amp;W):</translation>
    </message>
    <message>
        <source>S3 regi&amp;on:</source>
        <translation>منطقة S3 (&amp;O):</translation>
    </message>
    <message>
        <source>The address is the feed&apos;s on the server: sftp://, ftp://, ftps://, dav:// or davs:// for WebDAV over HTTP or HTTPS, s3://ENDPOINT/BUCKET/PREFIX/ for S3-compatible storage, or file:// for a folder on this computer. An address ending with / names a folder; the feed keeps its file name there. Media files go first and the feed last, so it never lists a file that is not there yet.</source>
        <translation>العنوان هو عنوان الخلاصة على الخادم: sftp:// أو ftp:// أو ftps://، أو dav:// أو davs:// لـ WebDAV عبر HTTP أو HTTPS، أو s3://ENDPOINT/BUCKET/PREFIX/ لتخزين متوافق مع S3، أو file:// لمجلد على هذا الحاسوب. والعنوان المنتهي بـ / يدل على مجلد، وتحتفظ الخلاصة فيه باسم ملفها. تُرفع ملفات الوسائط أولًا والخلاصة أخيرًا، فلا تذكر الخلاصة أبدًا ملفًا لم يصل بعد.</translation>
    </message>
    <message>
        <source>Passwords, passphrases and secret keys are kept in the desktop&apos;s keyring, never in a settings file.</source>
        <translation>تُحفظ كلمات المرور وعبارات المرور والمفاتيح السرية في حلقة مفاتيح سطح المكتب، ولا تُحفظ أبدًا في ملف إعدادات.</translation>
    </message>
    <message>
        <source>The address must start with sftp://, ftp://, ftps://, dav://, davs://, s3:// or file://.</source>
        <translation>يجب أن يبدأ العنوان بـ sftp:// أو ftp:// أو ftps:// أو dav:// أو davs:// أو s3:// أو file://.</translation>
    </message>
    <message>
        <source>The address needs the bucket after the server name, such as /bucket/feed.xml.</source>
        <translation>يحتاج العنوان إلى الحاوية بعد اسم الخادم، مثل /bucket/feed.xml.</translation>
    </message>
    <message>
        <source>Access key &amp;ID:</source>
        <translation>معرّف مفتاح الوصول (&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Secret access key:</source>
        <translation>مفتاح الوصول السري (&amp;S):</translation>
    </message>
</context>
<context>
    <name>CRSSEditDoc</name>
    <message>
        <source>Edit Title</source>
        <translation>تحرير العنوان</translation>
    </message>
    <message>
        <source>Edit Link</source>
        <translation>تحرير الرابط</translation>
    </message>
    <message>
        <source>Edit Author</source>
        <translation>تحرير الكاتب</translation>
    </message>
    <message>
        <source>Edit Description</source>
        <translation>تحرير الوصف</translation>
    </message>
    <message>
        <source>Feed%1</source>
        <translation>خلاصة%1</translation>
    </message>
    <message>
        <source>Add Post</source>
        <translation>إضافة منشور</translation>
    </message>
    <message>
        <source>Duplicate Post</source>
        <translation>تكرار المنشور</translation>
    </message>
    <message>
        <source>Delete Post</source>
        <translation>حذف المنشور</translation>
    </message>
    <message>
        <source>Edit Channel %1</source>
        <translation>تحرير %1 في القناة</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>تحرير %1</translation>
    </message>
    <message>
        <source>Turn Podcast On</source>
        <translation>تفعيل البودكاست</translation>
    </message>
    <message>
        <source>Move Post to Top</source>
        <translation>نقل المنشور إلى الأعلى</translation>
    </message>
    <message>
        <source>Set Date to Now</source>
        <translation>ضبط التاريخ على الآن</translation>
    </message>
    <message>
        <source>Add Live Item</source>
        <translation>إضافة بث مباشر</translation>
    </message>
    <message>
        <source>Listen live</source>
        <translation>استمع مباشرة</translation>
    </message>
    <message>
        <source>Move Feed</source>
        <translation>نقل الخلاصة</translation>
    </message>
</context>
<context>
    <name>CRSSEditView</name>
    <message>
        <source>Format Description</source>
        <translation>تنسيق الوصف</translation>
    </message>
    <message>
        <source>Tidrel editor</source>
        <translation>محرر Tidrel</translation>
    </message>
    <message>
        <source>Type RSS Item here (this area is editable and selectable)</source>
        <translation>اكتب منشور RSS هنا (هذه المنطقة قابلة للتحرير والتحديد)</translation>
    </message>
    <message>
        <source>Type RSS item title here…</source>
        <translation>اكتب عنوان منشور RSS هنا…</translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation>التنسيق</translation>
    </message>
    <message>
        <source>Type description of RSS item here…</source>
        <translation>اكتب وصف منشور RSS هنا…</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>الرابط:</translation>
    </message>
    <message>
        <source>&lt;Enter link to article here...&gt;</source>
        <translation>&lt;أدخل رابط المقالة هنا...&gt;</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>الكاتب:</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Strong emphasis</source>
        <translation>تأكيد قوي</translation>
    </message>
    <message>
        <source>Emphasis</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Strikethrough text</source>
        <translation>نص يتوسطه خط</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>شيفرة</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>فقرة</translation>
    </message>
    <message>
        <source>Header 1</source>
        <translation>عنوان 1</translation>
    </message>
    <message>
        <source>Header 2</source>
        <translation>عنوان 2</translation>
    </message>
    <message>
        <source>Header 3</source>
        <translation>عنوان 3</translation>
    </message>
    <message>
        <source>Header 4</source>
        <translation>عنوان 4</translation>
    </message>
    <message>
        <source>Block of plain text, &lt;pre&gt;</source>
        <translation>كتلة نص عادي، &lt;pre&gt;</translation>
    </message>
    <message>
        <source>Insert or edit hyperlink</source>
        <translation>إدراج رابط أو تحريره</translation>
    </message>
    <message>
        <source>Insert or change properties image</source>
        <translation>إدراج صورة أو تغيير خصائصها</translation>
    </message>
    <message>
        <source>List item, unordered list</source>
        <translation>عنصر قائمة نقطية</translation>
    </message>
    <message>
        <source>List item, ordered list</source>
        <translation>عنصر قائمة مرقّمة</translation>
    </message>
    <message>
        <source>Decrease level of list item or un-quote</source>
        <translation>خفض مستوى عنصر القائمة أو إلغاء الاقتباس</translation>
    </message>
    <message>
        <source>Increase level of list item or quote</source>
        <translation>رفع مستوى عنصر القائمة أو الاقتباس</translation>
    </message>
    <message>
        <source>Show/hide rulers</source>
        <translation>إظهار/إخفاء المساطر</translation>
    </message>
    <message>
        <source>Cannot init HTML face</source>
        <translation>تتعذّر تهيئة واجهة HTML</translation>
    </message>
    <message>
        <source>Remove Spans and Styles</source>
        <translation>إزالة SPAN والأنماط</translation>
    </message>
    <message>
        <source>Remove Non-Breaking Spaces</source>
        <translation>إزالة المسافات غير الفاصلة</translation>
    </message>
    <message>
        <source>Current Object Tag: %1</source>
        <translation>وسم الكائن الحالي: %1</translation>
    </message>
    <message>
        <source>Insert Hyperlink</source>
        <translation>إدراج رابط</translation>
    </message>
    <message>
        <source>Insert Image</source>
        <translation>إدراج صورة</translation>
    </message>
    <message>
        <source>Post title</source>
        <translation>عنوان المنشور</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Links of other posts</source>
        <translation>روابط المنشورات الأخرى</translation>
    </message>
    <message>
        <source>Authors of other posts</source>
        <translation>كتّاب المنشورات الأخرى</translation>
    </message>
</context>
<context>
    <name>CRemoteFolder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>تتعذّر قراءة %1.</translation>
    </message>
    <message>
        <source>The server&apos;s host key is not known: %1.</source>
        <translation>مفتاح مضيف الخادم غير معروف: %1.</translation>
    </message>
    <message>
        <source>Refused: the server&apos;s host key has changed (now %1). Someone may be listening in, or the server was set up anew.</source>
        <translation>مرفوض: تغيّر مفتاح مضيف الخادم (الآن %1). ربما يتنصّت أحدهم، أو أُعيد إعداد الخادم.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>أُلغي.</translation>
    </message>
    <message>
        <source>The server did not let the uploaded file take the old one&apos;s place.</source>
        <translation>لم يسمح الخادم للملف المرفوع بأن يحل محل الملف القديم.</translation>
    </message>
</context>
<context>
    <name>CRssFeed</name>
    <message>
        <source>New Item</source>
        <translation>منشور جديد</translation>
    </message>
    <message>
        <source>New Live Item</source>
        <translation>بث مباشر جديد</translation>
    </message>
</context>
<context>
    <name>CS3Folder</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>تتعذّر قراءة %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>أُلغي.</translation>
    </message>
    <message>
        <source>The storage does not know the access key ID %1: check it.</source>
        <translation>لا تعرف خدمة التخزين معرّف مفتاح الوصول %1: تحقق منه.</translation>
    </message>
    <message>
        <source>The secret access key does not belong to the access key ID %1: check the secret.</source>
        <translation>مفتاح الوصول السري لا يخص معرّف مفتاح الوصول %1: تحقق من المفتاح السري.</translation>
    </message>
    <message>
        <source>There is no bucket %1 at %2: check the bucket&apos;s name and the endpoint.</source>
        <translation>لا توجد حاوية %1 في %2: تحقق من اسم الحاوية ومن نقطة النهاية.</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is too far from the storage&apos;s: set the clock right, for instance with automatic date and time.</source>
        <translation>ساعة هذا الحاسوب بعيدة جدًا عن ساعة خدمة التخزين: اضبط الساعة، مثلًا بتفعيل التاريخ والوقت التلقائيين.</translation>
    </message>
    <message>
        <source>The storage refused the region %1: check the bucket&apos;s region.</source>
        <translation>رفضت خدمة التخزين المنطقة %1: تحقق من منطقة الحاوية.</translation>
    </message>
    <message>
        <source>The storage refused the key %1 access to bucket %2: check the key&apos;s permissions.</source>
        <translation>رفضت خدمة التخزين وصول المفتاح %1 إلى الحاوية %2: تحقق من صلاحيات المفتاح.</translation>
    </message>
    <message>
        <source>The storage refused the request: %1 (%2).</source>
        <translation>رفضت خدمة التخزين الطلب: %1 (%2).</translation>
    </message>
    <message>
        <source>The storage answered with error %1.</source>
        <translation>ردّت خدمة التخزين بالخطأ %1.</translation>
    </message>
</context>
<context>
    <name>CSecretStore</name>
    <message>
        <source>There is no keyring on this desktop: %1</source>
        <translation>لا توجد حلقة مفاتيح على سطح المكتب هذا: %1</translation>
    </message>
    <message>
        <source>There is no keyring: the desktop&apos;s session bus is not running.</source>
        <translation>لا توجد حلقة مفاتيح: ناقل جلسة سطح المكتب لا يعمل.</translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>Welcome To Tidrel</source>
        <translation>مرحبًا بك في Tidrel</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>البدء</translation>
    </message>
    <message>
        <source>Create new feed</source>
        <translation>إنشاء خلاصة جديدة</translation>
    </message>
    <message>
        <source>Open a feed…</source>
        <translation>فتح خلاصة…</translation>
    </message>
    <message>
        <source>Recent Feeds</source>
        <translation>الخلاصات الأخيرة</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>المساعدة</translation>
    </message>
    <message>
        <source>Tidrel user guide</source>
        <translation>دليل مستخدم Tidrel</translation>
    </message>
    <message>
        <source>WWW</source>
        <translation>الويب</translation>
    </message>
    <message>
        <source>RSS 2.0 at the RSS Advisory Board</source>
        <translation>RSS 2.0 لدى RSS Advisory Board</translation>
    </message>
    <message>
        <source>W3C Feed Validation Service</source>
        <translation>خدمة W3C للتحقق من الخلاصات</translation>
    </message>
    <message>
        <source>Qt WebEngine, the HTML engine of Tidrel</source>
        <translation>Qt WebEngine، محرك HTML في Tidrel</translation>
    </message>
    <message>
        <source>Web links open in your web browser.</source>
        <translation>تُفتح روابط الويب في متصفحك.</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New</source>
        <translation>جديد (&amp;N)</translation>
    </message>
    <message>
        <source>Create a new feed</source>
        <translation>إنشاء خلاصة جديدة</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>فتح (&amp;O)…</translation>
    </message>
    <message>
        <source>Open an existing feed</source>
        <translation>فتح خلاصة موجودة</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إغلاق (&amp;C)</translation>
    </message>
    <message>
        <source>Close the active feed</source>
        <translation>إغلاق الخلاصة النشطة</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>حفظ (&amp;S)</translation>
    </message>
    <message>
        <source>Save the active feed</source>
        <translation>حفظ الخلاصة النشطة</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>حفظ باسم (&amp;A)…</translation>
    </message>
    <message>
        <source>Save the active feed with a new name</source>
        <translation>حفظ الخلاصة النشطة باسم جديد</translation>
    </message>
    <message>
        <source>P&amp;ublish</source>
        <translation>نشر (&amp;U)</translation>
    </message>
    <message>
        <source>Upload the saved feed to its server or folder</source>
        <translation>رفع الخلاصة المحفوظة إلى خادمها أو مجلدها</translation>
    </message>
    <message>
        <source>Publish Se&amp;ttings…</source>
        <translation>إعدادات النشر (&amp;T)…</translation>
    </message>
    <message>
        <source>Choose where the feed is published and how to sign in</source>
        <translation>اختيار مكان نشر الخلاصة وطريقة تسجيل الدخول</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>طباعة (&amp;P)…</translation>
    </message>
    <message>
        <source>Print the current post as the editor shows it</source>
        <translation>طباعة المنشور الحالي كما يعرضه المحرر</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>معاينة الطباعة (&amp;V)</translation>
    </message>
    <message>
        <source>Show the printout of the current post</source>
        <translation>عرض المنشور الحالي كما سيُطبع</translation>
    </message>
    <message>
        <source>P&amp;rint Setup…</source>
        <translation>إعداد الطباعة (&amp;R)…</translation>
    </message>
    <message>
        <source>Change the paper, orientation and margins of printouts</source>
        <translation>تغيير ورق المطبوعات واتجاهها وهوامشها</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج (&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save feeds</source>
        <translation>إنهاء التطبيق؛ يسأل عن حفظ الخلاصات</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>تراجع (&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>التراجع عن آخر إجراء</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>إعادة (&amp;R)</translation>
    </message>
    <message>
        <source>Make the last undone change again</source>
        <translation>إعادة آخر تغيير تم التراجع عنه</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>قص (&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>قص التحديد ووضعه في الحافظة</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>نسخ (&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>نسخ التحديد إلى الحافظة</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>لصق (&amp;P)</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>إدراج محتوى الحافظة</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>تحديد الكل (&amp;A)</translation>
    </message>
    <message>
        <source>Select the entire description</source>
        <translation>تحديد الوصف كله</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>عريض (&amp;B)</translation>
    </message>
    <message>
        <source>Make the selected text bold</source>
        <translation>جعل النص المحدد عريضًا</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>مائل (&amp;I)</translation>
    </message>
    <message>
        <source>Make the selected text italic</source>
        <translation>جعل النص المحدد مائلًا</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>تسطير (&amp;U)</translation>
    </message>
    <message>
        <source>Underline the selected text</source>
        <translation>وضع خط تحت النص المحدد</translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation>يتوسطه خط (&amp;S)</translation>
    </message>
    <message>
        <source>Strike through the selected text</source>
        <translation>وضع خط وسط النص المحدد</translation>
    </message>
    <message>
        <source>UL &amp;List</source>
        <translation>قائمة UL (&amp;L)</translation>
    </message>
    <message>
        <source>Make the paragraph an item of a bulleted list</source>
        <translation>جعل الفقرة عنصرًا في قائمة نقطية</translation>
    </message>
    <message>
        <source>&amp;Remove SPAN and styles</source>
        <translation>إزالة SPAN والأنماط (&amp;R)</translation>
    </message>
    <message>
        <source>Remove the span tags and inline styles of the description</source>
        <translation>إزالة وسوم span والأنماط المضمّنة من الوصف</translation>
    </message>
    <message>
        <source>R&amp;emove &amp;&amp;nbsp;</source>
        <translation>إزالة &amp;&amp;nbsp; (&amp;E)</translation>
    </message>
    <message>
        <source>Turn the non-breaking spaces of the description into plain spaces</source>
        <translation>تحويل المسافات غير الفاصلة في الوصف إلى مسافات عادية</translation>
    </message>
    <message>
        <source>Insert &amp;Test</source>
        <translation>إدراج اختبار (&amp;T)</translation>
    </message>
    <message>
        <source>Show the tag of the element at the caret</source>
        <translation>عرض وسم العنصر عند المؤشر</translation>
    </message>
    <message>
        <source>&amp;Hyperlink…</source>
        <translation>رابط (&amp;H)…</translation>
    </message>
    <message>
        <source>Insert a hyperlink on the selection, or change the one at the caret</source>
        <translation>إدراج رابط على التحديد، أو تغيير الرابط عند المؤشر</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>صورة (&amp;I)</translation>
    </message>
    <message>
        <source>Insert an image, or change the one at the caret</source>
        <translation>إدراج صورة، أو تغيير الصورة عند المؤشر</translation>
    </message>
    <message>
        <source>&amp;Add Post…</source>
        <translation>إضافة منشور (&amp;A)…</translation>
    </message>
    <message>
        <source>Add new post</source>
        <translation>إضافة منشور جديد</translation>
    </message>
    <message>
        <source>Re&amp;name Post…</source>
        <translation>إعادة تسمية المنشور (&amp;N)…</translation>
    </message>
    <message>
        <source>Rename selected post</source>
        <translation>إعادة تسمية المنشور المحدد</translation>
    </message>
    <message>
        <source>&amp;Duplicate Post</source>
        <translation>تكرار المنشور (&amp;D)</translation>
    </message>
    <message>
        <source>Duplicate selected post</source>
        <translation>تكرار المنشور المحدد</translation>
    </message>
    <message>
        <source>Duplicate + Dele&amp;te</source>
        <translation>تكرار + حذف (&amp;T)</translation>
    </message>
    <message>
        <source>Duplicate selected post + delete origin</source>
        <translation>تكرار المنشور المحدد وحذف الأصل</translation>
    </message>
    <message>
        <source>&amp;Set Date to Now</source>
        <translation>ضبط التاريخ على الآن (&amp;S)</translation>
    </message>
    <message>
        <source>Date the selected post with the present time</source>
        <translation>تأريخ المنشور المحدد بالوقت الحالي</translation>
    </message>
    <message>
        <source>De&amp;lete Post…</source>
        <translation>حذف المنشور (&amp;L)…</translation>
    </message>
    <message>
        <source>Delete selected post</source>
        <translation>حذف المنشور المحدد</translation>
    </message>
    <message>
        <source>Sort By &amp;Position</source>
        <translation>فرز حسب الموضع (&amp;P)</translation>
    </message>
    <message>
        <source>Sort the posts by their position in the feed</source>
        <translation>فرز المنشورات حسب موضعها في الخلاصة</translation>
    </message>
    <message>
        <source>Sort By T&amp;itle</source>
        <translation>فرز حسب العنوان (&amp;I)</translation>
    </message>
    <message>
        <source>Sort the posts by title</source>
        <translation>فرز المنشورات حسب العنوان</translation>
    </message>
    <message>
        <source>Sort By Date Cr&amp;eated</source>
        <translation>فرز حسب تاريخ الإنشاء (&amp;E)</translation>
    </message>
    <message>
        <source>Sort the posts by date created, newest first</source>
        <translation>فرز المنشورات حسب تاريخ الإنشاء، الأحدث أولًا</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>رجوع (&amp;B)</translation>
    </message>
    <message>
        <source>Go back to the post shown before</source>
        <translation>الرجوع إلى المنشور المعروض من قبل</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>تقدّم (&amp;F)</translation>
    </message>
    <message>
        <source>Go forward to the post shown before going back</source>
        <translation>التقدّم إلى المنشور المعروض قبل الرجوع</translation>
    </message>
    <message>
        <source>&amp;Reload…</source>
        <translation>إعادة التحميل (&amp;R)…</translation>
    </message>
    <message>
        <source>Reload the current feed from disk</source>
        <translation>إعادة تحميل الخلاصة الحالية من القرص</translation>
    </message>
    <message>
        <source>&amp;Copy Title</source>
        <translation>نسخ العنوان (&amp;C)</translation>
    </message>
    <message>
        <source>Copy the title of the selected post to the Clipboard</source>
        <translation>نسخ عنوان المنشور المحدد إلى الحافظة</translation>
    </message>
    <message>
        <source>Filterin&amp;g</source>
        <translation>تصفية (&amp;G)</translation>
    </message>
    <message>
        <source>Filter posts by title</source>
        <translation>تصفية المنشورات حسب العنوان</translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation>تصفية</translation>
    </message>
    <message>
        <source>Feed &amp;Properties…</source>
        <translation>خصائص الخلاصة (&amp;P)…</translation>
    </message>
    <message>
        <source>Edit the channel of the feed: title, description, image, podcast tags and the other elements</source>
        <translation>تحرير قناة الخلاصة: العنوان والوصف والصورة ووسوم البودكاست والعناصر الأخرى</translation>
    </message>
    <message>
        <source>&amp;Copy RSS Feed</source>
        <translation>نسخ خلاصة RSS (&amp;C)</translation>
    </message>
    <message>
        <source>Copy entire RSS feed code in clipboard</source>
        <translation>نسخ شيفرة خلاصة RSS كاملة إلى الحافظة</translation>
    </message>
    <message>
        <source>&amp;W3C RSS Validator…</source>
        <translation>مدقق RSS من W3C (&amp;W)…</translation>
    </message>
    <message>
        <source>Open the W3C feed validation service to check a pasted feed</source>
        <translation>فتح خدمة W3C للتحقق من الخلاصات لفحص خلاصة ملصقة</translation>
    </message>
    <message>
        <source>Open &amp;Backup Folder</source>
        <translation>فتح مجلد النسخ الاحتياطية (&amp;B)</translation>
    </message>
    <message>
        <source>Open backup folder for RSS-feeds</source>
        <translation>فتح مجلد النسخ الاحتياطية لخلاصات RSS</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>تفضيلات (&amp;P)…</translation>
    </message>
    <message>
        <source>Choose whether edited posts get a footer, and its text</source>
        <translation>اختيار إضافة تذييل إلى المنشورات المحررة، ونصه</translation>
    </message>
    <message>
        <source>&amp;Check Feed</source>
        <translation>فحص الخلاصة (&amp;C)</translation>
    </message>
    <message>
        <source>Check the feed for problems and list them in the Problems pane</source>
        <translation>فحص الخلاصة بحثًا عن مشكلات وسردها في لوحة المشكلات</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>شريط الأدوات (&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>إظهار شريط الأدوات أو إخفاؤه</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>شريط الحالة (&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>إظهار شريط الحالة أو إخفاؤه</translation>
    </message>
    <message>
        <source>RSS P&amp;osts</source>
        <translation>منشورات RSS (&amp;O)</translation>
    </message>
    <message>
        <source>Show or hide the RSS posts bar</source>
        <translation>إظهار لوحة منشورات RSS أو إخفاؤها</translation>
    </message>
    <message>
        <source>Toggle Posts Bar</source>
        <translation>تبديل لوحة المنشورات</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>معاينة (&amp;V)</translation>
    </message>
    <message>
        <source>Show or hide the HTML-code preview</source>
        <translation>إظهار معاينة شيفرة HTML أو إخفاؤها</translation>
    </message>
    <message>
        <source>Toggle Items Bar</source>
        <translation>تبديل لوحة المعاينة</translation>
    </message>
    <message>
        <source>Post &amp;Details</source>
        <translation>تفاصيل المنشور (&amp;D)</translation>
    </message>
    <message>
        <source>Show or hide the pane with the date, guid, categories, enclosures and podcast tags of the post</source>
        <translation>إظهار اللوحة التي فيها تاريخ المنشور ومعرّفه وتصنيفاته ومرفقاته ووسوم البودكاست أو إخفاؤها</translation>
    </message>
    <message>
        <source>Undo &amp;History</source>
        <translation>سجل التغييرات (&amp;H)</translation>
    </message>
    <message>
        <source>Show or hide the list of changes to the active feed</source>
        <translation>إظهار قائمة تغييرات الخلاصة النشطة أو إخفاؤها</translation>
    </message>
    <message>
        <source>P&amp;roblems</source>
        <translation>المشكلات (&amp;R)</translation>
    </message>
    <message>
        <source>Show or hide the list of the problems the last check found</source>
        <translation>إظهار قائمة المشكلات التي وجدها آخر فحص أو إخفاؤها</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>تتالٍ (&amp;C)</translation>
    </message>
    <message>
        <source>Arrange the feed windows so they overlap</source>
        <translation>ترتيب نوافذ الخلاصات متداخلة</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>تجانب (&amp;T)</translation>
    </message>
    <message>
        <source>Arrange the feed windows side by side</source>
        <translation>ترتيب نوافذ الخلاصات جنبًا إلى جنب</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>التالية (&amp;X)</translation>
    </message>
    <message>
        <source>Activate the next feed window</source>
        <translation>تنشيط نافذة الخلاصة التالية</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>السابقة (&amp;V)</translation>
    </message>
    <message>
        <source>Activate the previous feed window</source>
        <translation>تنشيط نافذة الخلاصة السابقة</translation>
    </message>
    <message>
        <source>Tidrel &amp;Help</source>
        <translation>مساعدة Tidrel (&amp;H)</translation>
    </message>
    <message>
        <source>Show the user guide of Tidrel</source>
        <translation>عرض دليل مستخدم Tidrel</translation>
    </message>
    <message>
        <source>About Qt &amp;WebEngine</source>
        <translation>حول Qt WebEngine (&amp;W)</translation>
    </message>
    <message>
        <source>Open the home page of Qt WebEngine, the HTML engine of Tidrel, in the web browser</source>
        <translation>فتح الصفحة الرئيسية لـ Qt WebEngine، محرك HTML في Tidrel، في متصفح الويب</translation>
    </message>
    <message>
        <source>&amp;About Tidrel…</source>
        <translation>حول Tidrel (&amp;A)…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>عرض معلومات البرنامج ورقم الإصدار وحقوق النشر</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>New &amp;Episode from Audio…</source>
        <translation>حلقة جديدة من ملف صوتي (&amp;E)…</translation>
    </message>
    <message>
        <source>Add a podcast episode for each audio file chosen, from its tags</source>
        <translation>إضافة حلقة بودكاست لكل ملف صوتي مختار، من وسومه</translation>
    </message>
    <message>
        <source>New Li&amp;ve Item</source>
        <translation>بث مباشر جديد (&amp;V)</translation>
    </message>
    <message>
        <source>Add a live stream, pending, at the top of the posts</source>
        <translation>إضافة بث مباشر منتظر (pending) في أعلى المنشورات</translation>
    </message>
    <message>
        <source>Open &amp;Location…</source>
        <translation>فتح عنوان ويب (&amp;L)…</translation>
    </message>
    <message>
        <source>Open a feed from its web address, to edit and keep a copy of</source>
        <translation>فتح خلاصة من عنوانها على الويب، لتحريرها والاحتفاظ بنسخة منها</translation>
    </message>
    <message>
        <source>&amp;Move Feed…</source>
        <translation>نقل الخلاصة (&amp;M)…</translation>
    </message>
    <message>
        <source>Give the feed a new address and tell subscribers&apos; apps to follow it there</source>
        <translation>إعطاء الخلاصة عنوانًا جديدًا وإخبار تطبيقات المشتركين بأن تتبعها إليه</translation>
    </message>
</context>
<context>
    <name>CreateFeedPage</name>
    <message>
        <source>Create RSS Feed</source>
        <translation>إنشاء خلاصة RSS</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>العنوان:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>التصنيف:</translation>
    </message>
    <message>
        <source>Type category of feed here</source>
        <translation>اكتب تصنيف الخلاصة هنا</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>The feed&apos;s name (required)</source>
        <translation>اسم الخلاصة (مطلوب)</translation>
    </message>
    <message>
        <source>Web site:</source>
        <translation>الموقع:</translation>
    </message>
    <message>
        <source>https://… of the site the feed is for (required)</source>
        <translation>https://… لموقع الخلاصة (مطلوب)</translation>
    </message>
    <message>
        <source>Feed address:</source>
        <translation>عنوان الخلاصة:</translation>
    </message>
    <message>
        <source>https://… the feed file is published at</source>
        <translation>https://… الذي يُنشر فيه ملف الخلاصة</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>الوصف:</translation>
    </message>
    <message>
        <source>What the feed is about (required)</source>
        <translation>موضوع الخلاصة (مطلوب)</translation>
    </message>
    <message>
        <source>RSS requires a title, a web site and a description. The feed address, where readers find the feed when it moves, may wait until you know it. Empty fields are left out of the file.</source>
        <translation>يشترط RSS عنوانًا وموقعًا ووصفًا. أما عنوان الخلاصة، الذي يجد فيه القرّاء الخلاصة عند نقلها، فيمكن أن ينتظر حتى تعرفه. تُترك الحقول الفارغة خارج الملف.</translation>
    </message>
</context>
<context>
    <name>FeedFileKind</name>
    <message>
        <source>This is %1; Tidrel edits RSS 2.0 feeds.</source>
        <translation>هذا %1؛ يحرّر Tidrel خلاصات RSS 2.0.</translation>
    </message>
    <message>
        <source>an HTML page</source>
        <translation>صفحة HTML</translation>
    </message>
    <message>
        <source>an Atom feed</source>
        <translation>خلاصة Atom</translation>
    </message>
    <message>
        <source>an RSS 1.0 feed</source>
        <translation>خلاصة RSS 1.0</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>صورة PNG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>صورة GIF</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>صورة JPEG</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>مستند PDF</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>أرشيف ZIP</translation>
    </message>
    <message>
        <source>a gzip archive</source>
        <translation>أرشيف gzip</translation>
    </message>
    <message>
        <source>This is %1, not a text file; Tidrel edits RSS 2.0 feeds.</source>
        <translation>هذا %1 وليس ملفًا نصيًا؛ يحرّر Tidrel خلاصات RSS 2.0.</translation>
    </message>
    <message>
        <source>This is not a text file; Tidrel edits RSS 2.0 feeds.</source>
        <translation>هذا ليس ملفًا نصيًا؛ يحرّر Tidrel خلاصات RSS 2.0.</translation>
    </message>
    <message>
        <source>This is not an RSS feed: its root element is &lt;%1&gt;, where an RSS 2.0 feed has &lt;rss&gt;. Tidrel edits RSS 2.0 feeds.</source>
        <translation>هذه ليست خلاصة RSS: عنصرها الجذر هو &lt;%1&gt;، في حين أن لخلاصة RSS 2.0 العنصر &lt;rss&gt;. يحرّر Tidrel خلاصات RSS 2.0.</translation>
    </message>
</context>
<context>
    <name>FeedParser</name>
    <message>
        <source>(line %1, column %2)</source>
        <translation>(السطر %1، العمود %2)</translation>
    </message>
    <message>
        <source>The file defines the entity &amp;%1; in its DOCTYPE. Tidrel reads only the five predefined entities and character references, so that a save writes back what it read and never fetches an external entity</source>
        <translation>يعرّف الملف الكيان &amp;%1; في DOCTYPE. لا يقرأ Tidrel إلا الكيانات الخمسة المعرّفة مسبقًا ومراجع المحارف، كي يكتب الحفظ ما قرأه ولا يجلب أبدًا كيانًا خارجيًا</translation>
    </message>
    <message>
        <source>The file uses the entity &amp;%1;, which it does not define</source>
        <translation>يستخدم الملف الكيان &amp;%1; الذي لا يعرّفه</translation>
    </message>
    <message>
        <source>The file&apos;s encoding &quot;%1&quot; is not one Tidrel can read %2.</source>
        <translation>لا يستطيع Tidrel قراءة ترميز الملف «%1» %2.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML, or uses a four-byte GB18030 character, which Tidrel cannot edit in place %1.</source>
        <translation>الملف ليس XML سليم البنية، أو يستخدم محرفًا من GB18030 بأربعة بايتات لا يستطيع Tidrel تحريره في مكانه %1.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML: %1 %2.</source>
        <translation>الملف ليس XML سليم البنية: %1 %2.</translation>
    </message>
</context>
<context>
    <name>FeedReader</name>
    <message>
        <source>This is a folder, not a feed file.</source>
        <translation>هذا مجلد وليس ملف خلاصة.</translation>
    </message>
    <message>
        <source>Cannot open the file: %1</source>
        <translation>يتعذّر فتح الملف: %1</translation>
    </message>
    <message>
        <source>Cannot read the file: %1</source>
        <translation>تتعذّر قراءة الملف: %1</translation>
    </message>
    <message>
        <source>The file is too large to edit (2 GiB or more).</source>
        <translation>الملف أكبر من أن يُحرَّر (2 غيبيبايت أو أكثر).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>الملف فارغ.</translation>
    </message>
    <message>
        <source>This is a device or a pipe, not a feed file.</source>
        <translation>هذا جهاز أو أنبوب وليس ملف خلاصة.</translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation>تغيّر الملف أثناء قراءته.</translation>
    </message>
</context>
<context>
    <name>FeedWriter</name>
    <message>
        <source>Cannot write the file: %1</source>
        <translation>تتعذّر كتابة الملف: %1</translation>
    </message>
</context>
<context>
    <name>PostFooter</name>
    <message>
        <source>This post created by Tidrel v%1…</source>
        <translation>أُنشئ هذا المنشور بـ Tidrel v%1…</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Rfc822Date</name>
    <message>
        <source>The date&apos;s parentheses do not pair up.</source>
        <translation>أقواس التاريخ غير متوازنة.</translation>
    </message>
    <message>
        <source>The date holds a comment in parentheses, which many readers cannot read.</source>
        <translation>يحوي التاريخ تعليقًا بين قوسين لا تستطيع قراءته برامج قراءة كثيرة.</translation>
    </message>
    <message>
        <source>Not a date in the form %1.</source>
        <translation>ليس تاريخًا بالشكل %1.</translation>
    </message>
    <message>
        <source>The date has missing or extra spaces; write one space between its parts.</source>
        <translation>في التاريخ مسافات ناقصة أو زائدة؛ اكتب مسافة واحدة بين أجزائه.</translation>
    </message>
    <message>
        <source>Write &quot;%1&quot; as &quot;%2&quot;.</source>
        <translation>اكتب «%1» بالشكل «%2».</translation>
    </message>
    <message>
        <source>A comma must follow the day name (&quot;%1,&quot;).</source>
        <translation>يجب أن تلي اسمَ اليوم فاصلة («%1,»).</translation>
    </message>
    <message>
        <source>The year has %1 digits; write all four.</source>
        <translation>عدد أرقام السنة %1؛ اكتب الأرقام الأربعة.</translation>
    </message>
    <message>
        <source>Write the hour with two digits.</source>
        <translation>اكتب الساعة برقمين.</translation>
    </message>
    <message>
        <source>The date has no time zone; end it with GMT or an offset such as +0000.</source>
        <translation>ليس في التاريخ منطقة زمنية؛ اختمه بـ GMT أو بفرق مثل +0000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time zone; use GMT or an offset such as +0000.</source>
        <translation>«%1» ليست منطقة زمنية؛ استخدم GMT أو فرقًا مثل +0000.</translation>
    </message>
    <message>
        <source>The zone &quot;%1&quot; is a military letter that readers take differently; use GMT or an offset such as +0000.</source>
        <translation>المنطقة «%1» حرف عسكري تفهمه برامج القراءة بطرق مختلفة؛ استخدم GMT أو فرقًا مثل +0000.</translation>
    </message>
    <message>
        <source>The zone offset %1 has more than 59 minutes.</source>
        <translation>فرق المنطقة %1 فيه أكثر من 59 دقيقة.</translation>
    </message>
    <message>
        <source>The zone offset %1%2 is not one any place uses.</source>
        <translation>فرق المنطقة %1%2 لا يستخدمه أي مكان.</translation>
    </message>
    <message>
        <source>There is no day %1 in %2 %3.</source>
        <translation>لا يوجد يوم %1 في %2 %3.</translation>
    </message>
    <message>
        <source>The time of day is out of range.</source>
        <translation>الوقت خارج النطاق.</translation>
    </message>
    <message>
        <source>%1 %2 %3 is a %4, not a %5.</source>
        <translation>%1 %2 %3 يوافق %4 وليس %5.</translation>
    </message>
</context>
<context>
    <name>TitleFetchSteps</name>
    <message>
        <source>The network library could not start.</source>
        <translation>تعذّر تشغيل مكتبة الشبكة.</translation>
    </message>
    <message>
        <source>The address is not valid.</source>
        <translation>العنوان غير صالح.</translation>
    </message>
    <message>
        <source>No temporary file could be made for the page.</source>
        <translation>تعذّر إنشاء ملف مؤقت للصفحة.</translation>
    </message>
    <message>
        <source>The page could not be saved: %1</source>
        <translation>تعذّر حفظ الصفحة: %1</translation>
    </message>
</context>
<context>
    <name>ValueCheck</name>
    <message>
        <source>The date is in the future.</source>
        <translation>التاريخ في المستقبل.</translation>
    </message>
    <message>
        <source>The date is before 1990, older than any feed.</source>
        <translation>التاريخ قبل 1990، أقدم من أي خلاصة.</translation>
    </message>
    <message>
        <source>Add the person&apos;s name after the address: &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>أضف اسم الشخص بعد العنوان: «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>RSS writes an e-mail address as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>يكتب RSS عنوان البريد الإلكتروني بالشكل «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>Not an e-mail address; write one as &quot;jo@example.org (Jo Smith)&quot;.</source>
        <translation>ليس عنوان بريد إلكتروني؛ اكتبه بالشكل «jo@example.org (Jo Smith)».</translation>
    </message>
    <message>
        <source>Few readers can follow an address that starts &quot;%1&quot;; use http: or https:.</source>
        <translation>قليل من برامج القراءة يتبع عنوانًا يبدأ بـ «%1»؛ استخدم http: أو https:.</translation>
    </message>
    <message>
        <source>The address holds a space; write a space in an address as %20.</source>
        <translation>في العنوان مسافة؛ تُكتب المسافة في العنوان بالشكل %20.</translation>
    </message>
    <message>
        <source>Not a full address; write it with its scheme and host, as &quot;https://example.org/page&quot;.</source>
        <translation>ليس عنوانًا كاملًا؛ اكتبه مع مخططه ومضيفه، مثل «https://example.org/page».</translation>
    </message>
    <message>
        <source>Write a whole number of %1 or more.</source>
        <translation>اكتب عددًا صحيحًا من %1 فأكثر.</translation>
    </message>
    <message>
        <source>Write a whole number from %1 to %2.</source>
        <translation>اكتب عددًا صحيحًا من %1 إلى %2.</translation>
    </message>
    <message>
        <source>Not a media type; write one such as &quot;audio/mpeg&quot; or &quot;video/mp4&quot;.</source>
        <translation>ليس نوع وسائط؛ اكتب نوعًا مثل «audio/mpeg» أو «video/mp4».</translation>
    </message>
    <message>
        <source>The language is empty; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>اللغة فارغة؛ اكتب رمز لغة مثل «en» أو «en-us».</translation>
    </message>
    <message>
        <source>Not a language code; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>ليس رمز لغة؛ اكتب رمز لغة مثل «en» أو «en-us».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a known language; write a language code such as &quot;en&quot; or &quot;en-us&quot;.</source>
        <translation>«%1» ليست لغة معروفة؛ اكتب رمز لغة مثل «en» أو «en-us».</translation>
    </message>
</context>
</TS>
