<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AlertView</name>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>AppRuntime</name>
    <message>
        <source>cannot encode the picture</source>
        <translation>تعذّر ترميز الصورة</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>تعذّر إنشاء %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>cannot find a free name in %1</source>
        <translation>لا يوجد اسم متاح في %1</translation>
    </message>
    <message>
        <source>the scan code in the picture does not read back as &apos;%1&apos; (it reads &apos;%2&apos;): nothing was saved</source>
        <translation>رمز المسح في الصورة لا يُقرأ &apos;%1&apos; (يُقرأ &apos;%2&apos;): لم يُحفظ شيء</translation>
    </message>
    <message>
        <source>the scan code in the picture does not read back as &apos;%1&apos; (it cannot be read): nothing was saved</source>
        <translation>رمز المسح في الصورة لا يُقرأ &apos;%1&apos; (تتعذّر قراءته): لم يُحفظ شيء</translation>
    </message>
</context>
<context>
    <name>BGOptionsDialog</name>
    <message>
        <source>Background</source>
        <translation>الخلفية</translation>
    </message>
    <message>
        <source>TOUCH A COLOUR</source>
        <translation>المس لونًا</translation>
    </message>
</context>
<context>
    <name>CaptureMode</name>
    <message>
        <source>Setting %1 as the lock screen picture…</source>
        <translation>جارٍ تعيين %1 صورةً لشاشة القفل…</translation>
    </message>
    <message>
        <source>Lock screen not set: %1</source>
        <translation>لم تُعيَّن شاشة القفل: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>حُفظت %1</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>لم تُحفظ: %1</translation>
    </message>
</context>
<context>
    <name>CaptureNotice</name>
    <message>
        <source>Show in Folder</source>
        <translation>عرض في المجلد</translation>
    </message>
</context>
<context>
    <name>ChangeInformationDialog</name>
    <message>
        <source>Information</source>
        <translation>المعلومات</translation>
    </message>
    <message>
        <source>Contact, shown after TAVRIN:</source>
        <translation>جهة الاتصال، تظهر بعد TAVRIN:</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>رقم الهاتف</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>جهات الاتصال</translation>
    </message>
    <message>
        <source>Other information</source>
        <translation>معلومات أخرى</translation>
    </message>
    <message>
        <source>Reward, e-mail address, note</source>
        <translation>مكافأة، بريد إلكتروني، ملاحظة</translation>
    </message>
    <message>
        <source>Scan code below the strips</source>
        <translation>رمز المسح أسفل الشرائط</translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>اتصال</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>عنوان</translation>
    </message>
    <message>
        <source>https:// address for Address</source>
        <translation>عنوان https:// لخيار «عنوان»</translation>
    </message>
</context>
<context>
    <name>ChangeInformationDialogViewController</name>
    <message>
        <source>No number: whoever finds the phone cannot call you. </source>
        <translation>لا يوجد رقم: من يجد الهاتف لن يستطيع الاتصال بك. </translation>
    </message>
    <message>
        <source>The number is too long: the wallpaper shortens it. </source>
        <translation>الرقم طويل جدًا: ستختصره الخلفية. </translation>
    </message>
    <message>
        <source>The information is too long: the wallpaper shortens it. </source>
        <translation>المعلومات طويلة جدًا: ستختصرها الخلفية. </translation>
    </message>
    <message>
        <source>Scan code: %1.</source>
        <translation>رمز المسح: %1.</translation>
    </message>
</context>
<context>
    <name>ChangeStyleDialog</name>
    <message>
        <source>Style Library</source>
        <translation>مكتبة الأنماط</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>نمط جديد</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>النمط</translation>
    </message>
    <message>
        <source>Current style</source>
        <translation>النمط الحالي</translation>
    </message>
</context>
<context>
    <name>ChangeStyleDialogViewController</name>
    <message>
        <source>%1 (modified)</source>
        <translation>%1 (معدَّل)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 holds %2, not a colour; the default is used</source>
        <translation>قيمة %1 هي %2 وليست لونًا؛ تُستخدم القيمة الافتراضية</translation>
    </message>
    <message>
        <source>%1 holds %2, not classic, split or none; no strip is shown</source>
        <translation>قيمة %1 هي %2 وليست classic أو split أو none؛ لا يظهر أي شريط</translation>
    </message>
    <message>
        <source>%1 holds %2, not none, tel or url; no scan code is shown</source>
        <translation>قيمة %1 هي %2 وليست none أو tel أو url؛ لا يظهر أي رمز مسح</translation>
    </message>
    <message>
        <source>%1 holds %2, not a list of styles; none are offered</source>
        <translation>قيمة %1 هي %2 وليست قائمة أنماط؛ لا تُعرض أي أنماط</translation>
    </message>
    <message>
        <source>%1 holds %2, not text; it reads as empty</source>
        <translation>قيمة %1 هي %2 وليست نصًا؛ تُقرأ فارغة</translation>
    </message>
    <message>
        <source>get takes one KEY or --json</source>
        <translation>يأخذ get مفتاح KEY واحدًا أو --json</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>ملاحظة: %1</translation>
    </message>
    <message>
        <source>no setting named &apos;%1&apos;</source>
        <translation>لا يوجد إعداد باسم &apos;%1&apos;</translation>
    </message>
    <message>
        <source>set takes KEY and VALUE</source>
        <translation>يأخذ set المفتاح KEY والقيمة VALUE</translation>
    </message>
    <message>
        <source>strip_layout is classic, split or none</source>
        <translation>قيمة strip_layout هي classic أو split أو none</translation>
    </message>
    <message>
        <source>device is a screen that &apos;tavrin-plus devices&apos; lists, or WIDTHxHEIGHT@SCALE in points, for example 390x844@3</source>
        <translation>قيمة device شاشة يسردها &apos;tavrin-plus devices&apos;، أو WIDTHxHEIGHT@SCALE بالنقاط، مثل 390x844@3</translation>
    </message>
    <message>
        <source>qr_code is none, tel or url</source>
        <translation>قيمة qr_code هي none أو tel أو url</translation>
    </message>
    <message>
        <source>qr_url is an https address, for example https://example.com/found</source>
        <translation>قيمة qr_url عنوان https، مثل https://example.com/found</translation>
    </message>
    <message>
        <source>a colour is written 0xRRGGBBAA, for example 0x1B1C1CFF</source>
        <translation>يُكتب اللون بالشكل 0xRRGGBBAA، مثل 0x1B1C1CFF</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be set; settable are phone_preference, other_preference, strip_layout, strip_color, bg_color, font_face, font_highlight, device, qr_code and qr_url</source>
        <translation>لا يمكن تعيين &apos;%1&apos;؛ الإعدادات القابلة للتعيين هي phone_preference وother_preference وstrip_layout وstrip_color وbg_color وfont_face وfont_highlight وdevice وqr_code وqr_url</translation>
    </message>
    <message>
        <source>--scale is a whole number from 1 to 4</source>
        <translation>قيمة --scale عدد صحيح من 1 إلى 4</translation>
    </message>
    <message>
        <source>export takes [-o FILE] [--device ID] [--scale N], not &apos;%1&apos;</source>
        <translation>يأخذ export الخيارات [-o FILE] [--device ID] [--scale N]، وليس &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the output file ends in .png, .jpg or .jpeg</source>
        <translation>ينتهي ملف الإخراج بـ .png أو .jpg أو .jpeg</translation>
    </message>
    <message>
        <source>--scale is for the classic screen; %1&apos;s picture is made at its own pixels</source>
        <translation>الخيار --scale للشاشة الكلاسيكية؛ صورة %1 تُصنع بوحدات البكسل الخاصة بها</translation>
    </message>
    <message>
        <source>cannot encode the picture</source>
        <translation>تعذّر ترميز الصورة</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>photo takes FILE or --remove</source>
        <translation>يأخذ photo ملفًا FILE أو --remove</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be read</source>
        <translation>%1 ليست صورة يمكن قراءتها</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: لا يوجد ملف بهذا الاسم</translation>
    </message>
    <message>
        <source>%1 takes one NAME (quote a name with spaces)</source>
        <translation>يأخذ %1 اسمًا NAME واحدًا (ضع الاسم الذي فيه مسافات بين علامتي اقتباس)</translation>
    </message>
    <message>
        <source>styles takes no arguments</source>
        <translation>لا يأخذ styles أي وسائط</translation>
    </message>
    <message>
        <source>there is no style named &apos;%1&apos;; &apos;tavrin-plus styles&apos; lists them</source>
        <translation>لا يوجد نمط باسم &apos;%1&apos;؛ يسرد &apos;tavrin-plus styles&apos; الأنماط</translation>
    </message>
    <message>
        <source>a style needs a name</source>
        <translation>يحتاج النمط إلى اسم</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a built-in style; only saved styles can be deleted</source>
        <translation>&apos;%1&apos; نمط مدمج؛ لا يمكن حذف سوى الأنماط المحفوظة</translation>
    </message>
    <message>
        <source>there is no saved style named &apos;%1&apos;</source>
        <translation>لا يوجد نمط محفوظ باسم &apos;%1&apos;</translation>
    </message>
    <message>
        <source>devices takes no arguments</source>
        <translation>لا يأخذ devices أي وسائط</translation>
    </message>
    <message>
        <source>check takes [--device ID] [--verbose]</source>
        <translation>يأخذ check الخيارين [--device ID] [--verbose]</translation>
    </message>
    <message>
        <source>Usage: tavrin-plus [--zoom N]        open the window (N from 1 to 4)
       tavrin-plus export [-o FILE] [--device ID] [--scale N]
                                     write the wallpaper as PNG or JPEG (into the photo
                                     album folder without -o) at the phone&apos;s pixels, or the
                                     classic screen&apos;s times N; prints the path
       tavrin-plus get [KEY]         print the settings in effect, colours as 0xRRGGBBAA;
                                     with backslash, tab, newline and control characters
                                     escaped (\\, \t, \n, \xNN): one record a line
       tavrin-plus get --json        print the settings as stored, as one JSON object
       tavrin-plus set KEY VALUE     set phone_preference, other_preference, strip_layout
                                     (classic, split, none) or a colour: strip_color,
                                     bg_color, font_face, font_highlight; or device: an id
                                     that &apos;devices&apos; lists or WIDTHxHEIGHT@SCALE in points;
                                     or qr_code (none, tel, url) and qr_url (https://...):
                                     a scan code below the strips that calls the number or
                                     opens the address
       tavrin-plus styles            list the styles: &apos;*&apos; when current, the name, the strip,
                                     background, font face and highlight colours, user or
                                     built-in
       tavrin-plus apply NAME        apply the first style of that name
       tavrin-plus save-style NAME   save the current colours as a style
       tavrin-plus delete-style NAME delete the saved styles of that name
       tavrin-plus devices           list the phone screens: id, name, pixels, pixels per inch
       tavrin-plus check [--device ID] [--verbose]
                                     print each part of the wallpaper its lock screen would
                                     cover and each text whose contrast is too low to read
                                     (below 3:1 and Lc 45 for the number, 4.5:1 and Lc 60
                                     for the information line), one a line, and exit 1;
                                     nothing and 0 when none. --verbose prints every
                                     figure measured, passing or not
       tavrin-plus photo FILE        set the photograph behind the strip, framed to fill the
                                     phone&apos;s screen as the framing editor first shows it
       tavrin-plus photo --remove    remove the photograph: the background colour shows
       tavrin-plus send [--device ID] [--timeout S] [--bind ADDRESS]
                                     offer the wallpaper for one download over the local
                                     network: prints its address as a QR code for the
                                     phone&apos;s camera; exits once downloaded, or 1 after S
                                     seconds (120 unless given)
       tavrin-plus set-lockscreen [--device ID]
                                     save the wallpaper into the photo album and set it as
                                     this desktop&apos;s lock screen picture: through the desktop
                                     portal, else KDE Plasma&apos;s or GNOME&apos;s own settings; exit 1
                                     with the reason when the desktop has no way to take it
       tavrin-plus --help | --version
</source>
        <translation>الاستخدام:
       tavrin-plus [--zoom N]
                                     فتح النافذة (N من 1 إلى 4)
       tavrin-plus export [-o FILE] [--device ID] [--scale N]
                                     كتابة الخلفية بصيغة PNG أو JPEG (في مجلد ألبوم الصور
                                     دون -o) بوحدات بكسل الهاتف، أو N ضعف الشاشة الكلاسيكية؛
                                     يطبع المسار
       tavrin-plus get [KEY]
                                     طباعة الإعدادات السارية، والألوان بالشكل 0xRRGGBBAA؛
                                     مع تهريب الشرطة المائلة العكسية والجدولة والسطر الجديد
                                     ومحارف التحكم (\\, \t, \n, \xNN): سجل واحد في كل سطر
       tavrin-plus get --json
                                     طباعة الإعدادات كما حُفظت، ككائن JSON واحد
       tavrin-plus set KEY VALUE
                                     تعيين phone_preference أو other_preference أو strip_layout
                                     (classic، split، none) أو لون: strip_color، bg_color،
                                     font_face، font_highlight؛ أو device: معرّف يسرده &apos;devices&apos;
                                     أو WIDTHxHEIGHT@SCALE بالنقاط؛ أو qr_code (none، tel، url)
                                     وqr_url (https://...): رمز مسح أسفل الشرائط يتصل بالرقم
                                     أو يفتح العنوان
       tavrin-plus styles
                                     سرد الأنماط: &apos;*&apos; للحالي، والاسم، وألوان الشريط والخلفية
                                     والكتابة والإبراز، وuser أو built-in
       tavrin-plus apply NAME
                                     تطبيق أول نمط بهذا الاسم
       tavrin-plus save-style NAME
                                     حفظ الألوان الحالية نمطًا
       tavrin-plus delete-style NAME
                                     حذف الأنماط المحفوظة بهذا الاسم
       tavrin-plus devices
                                     سرد شاشات الهواتف: المعرّف، الاسم، البكسلات، البكسلات لكل بوصة
       tavrin-plus check [--device ID] [--verbose]
                                     طباعة كل جزء من الخلفية ستغطيه شاشة القفل وكل نص تباينه
                                     أضعف من أن يُقرأ (أقل من 3:1 وLc 45 للرقم، و4.5:1 وLc 60
                                     لسطر المعلومات)، واحدًا في كل سطر، والخروج بـ 1؛ لا شيء
                                     و0 إن لم يوجد. يطبع --verbose كل قياس، ناجحًا أو لا
       tavrin-plus photo FILE
                                     وضع الصورة خلف الشريط، مؤطّرة لتملأ الشاشة كما يعرضها
                                     محرر التأطير أولًا
       tavrin-plus photo --remove
                                     إزالة الصورة: يظهر لون الخلفية
       tavrin-plus send [--device ID] [--timeout S] [--bind ADDRESS]
                                     عرض الخلفية لتنزيل واحد عبر الشبكة المحلية: يطبع عنوانها
                                     رمز QR لكاميرا الهاتف؛ يخرج بعد التنزيل، أو بـ 1 بعد S
                                     ثانية (120 ما لم تُحدَّد)
       tavrin-plus set-lockscreen [--device ID]
                                     حفظ الخلفية في ألبوم الصور وتعيينها صورةً لشاشة قفل سطح
                                     المكتب هذا: عبر بوابة سطح المكتب، وإلا إعدادات KDE Plasma
                                     أو GNOME؛ الخروج بـ 1 مع السبب إن لم يستطع سطح المكتب قبولها
       tavrin-plus --help | --version
</translation>
    </message>
    <message>
        <source>%1: contrast %2 (%3) meets %4 (%5) against %6</source>
        <translation>%1: التباين %2 (%3) يبلغ %4 (%5) مقابل %6</translation>
    </message>
    <message>
        <source>%1: contrast %2 (%3) is below %4 (%5) against %6</source>
        <translation>%1: التباين %2 (%3) أقل من %4 (%5) مقابل %6</translation>
    </message>
    <message>
        <source>the scan code: %1 modules a side, each %2 mm (%3 pixels)</source>
        <translation>رمز المسح: %1 وحدة في كل ضلع، كل منها %2 مم (%3 بكسل)</translation>
    </message>
</context>
<context>
    <name>CommandSession</name>
    <message>
        <source>the capture mode did not reach the wallpaper alone</source>
        <translation>لم يصل وضع الالتقاط إلى عرض الخلفية وحدها</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 text</source>
        <translation>%1 ليس نص UTF-8 صالحًا</translation>
    </message>
    <message>
        <source>there is no screen &apos;%1&apos;; &apos;tavrin-plus devices&apos; lists them, or give WIDTHxHEIGHT@SCALE in points</source>
        <translation>لا توجد شاشة &apos;%1&apos;؛ يسرد &apos;tavrin-plus devices&apos; الشاشات، أو أعطِ WIDTHxHEIGHT@SCALE بالنقاط</translation>
    </message>
    <message>
        <source>note: device holds &apos;%1&apos;, no screen known; the classic one is used</source>
        <translation>ملاحظة: قيمة device هي &apos;%1&apos; وليست شاشة معروفة؛ تُستخدم الشاشة الكلاسيكية</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>&quot;TAVRIN:&quot;</source>
        <translation>«TAVRIN:»</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>the information line</source>
        <translation>سطر المعلومات</translation>
    </message>
    <message>
        <source>the strip</source>
        <translation>الشريط</translation>
    </message>
    <message>
        <source>the photograph</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>the strip over the photograph</source>
        <translation>الشريط فوق الصورة</translation>
    </message>
    <message>
        <source>the background</source>
        <translation>الخلفية</translation>
    </message>
    <message>
        <source>the strip over the background</source>
        <translation>الشريط فوق الخلفية</translation>
    </message>
</context>
<context>
    <name>DesktopLockScreen</name>
    <message>
        <source>no desktop portal is running</source>
        <translation>لا توجد بوابة سطح مكتب قيد التشغيل</translation>
    </message>
    <message>
        <source>Set as the lock screen picture</source>
        <translation>عُيّنت صورةً لشاشة القفل</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>أُلغي</translation>
    </message>
    <message>
        <source>the desktop portal did not take it</source>
        <translation>لم تقبلها بوابة سطح المكتب</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>تعذّر فتح %1: %2</translation>
    </message>
    <message>
        <source>the desktop portal refused it</source>
        <translation>رفضتها بوابة سطح المكتب</translation>
    </message>
    <message>
        <source>the desktop portal did not answer</source>
        <translation>لم تستجب بوابة سطح المكتب</translation>
    </message>
    <message>
        <source>Set as KDE Plasma&apos;s lock screen picture</source>
        <translation>عُيّنت صورةً لشاشة قفل KDE Plasma</translation>
    </message>
    <message>
        <source>Set as GNOME&apos;s screen-saver picture. GNOME&apos;s lock screen shows the desktop picture, blurred: set it as the desktop picture too to see it there</source>
        <translation>عُيّنت صورةً لشاشة توقف GNOME. تعرض شاشة قفل GNOME خلفية سطح المكتب مموّهة: عيّنها خلفيةً لسطح المكتب أيضًا لتراها هناك</translation>
    </message>
    <message>
        <source>%1, and no KDE Plasma or GNOME settings tool to fall back on</source>
        <translation>%1، ولا توجد أداة إعدادات لـ KDE Plasma أو GNOME كبديل</translation>
    </message>
    <message>
        <source>%1; %2 failed</source>
        <translation>%1؛ فشل %2</translation>
    </message>
    <message>
        <source>%1; %2 failed: %3</source>
        <translation>%1؛ فشل %2: %3</translation>
    </message>
    <message>
        <source>%1; %2 could not be started</source>
        <translation>%1؛ تعذّر تشغيل %2</translation>
    </message>
</context>
<context>
    <name>DialogChrome</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ رجوع</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>إخفاء</translation>
    </message>
    <message>
        <source>Save Wallpaper</source>
        <translation>حفظ الخلفية</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
</context>
<context>
    <name>FlipsideView</name>
    <message>
        <source>Web page</source>
        <translation>صفحة الويب</translation>
    </message>
</context>
<context>
    <name>FlipsideViewController</name>
    <message>
        <source>An error occurred:</source>
        <translation>حدث خطأ:</translation>
    </message>
</context>
<context>
    <name>ImagePickerController</name>
    <message>
        <source>Starting the camera…</source>
        <translation>جارٍ تشغيل الكاميرا…</translation>
    </message>
    <message>
        <source>Choose a photograph in the file window.</source>
        <translation>اختر صورة في نافذة الملفات.</translation>
    </message>
    <message>
        <source>Move and Scale</source>
        <translation>تحريك وتحجيم</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>اختيار</translation>
    </message>
    <message>
        <source>Photographs</source>
        <translation>الصور</translation>
    </message>
    <message>
        <source>There is no camera.</source>
        <translation>لا توجد كاميرا.</translation>
    </message>
</context>
<context>
    <name>LockScreenCommand</name>
    <message>
        <source>set-lockscreen takes [--device ID], not &apos;%1&apos;</source>
        <translation>يأخذ set-lockscreen الخيار [--device ID]، وليس &apos;%1&apos;</translation>
    </message>
    <message>
        <source>not set as the lock screen picture: %1; the picture is %2</source>
        <translation>لم تُعيَّن صورةً لشاشة القفل: %1؛ الصورة هي %2</translation>
    </message>
</context>
<context>
    <name>LockScreenGuide</name>
    <message>
        <source>now</source>
        <translation>الآن</translation>
    </message>
    <message>
        <source>dddd, MMMM d</source>
        <extracomment>The classic lock screen&apos;s date: dddd the day&apos;s name, MMMM the month&apos;s, d its day.</extracomment>
        <translation>dddd، d MMMM</translation>
    </message>
    <message>
        <source>slide to unlock</source>
        <translation>مرّر لفتح القفل</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>المشغّل</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <extracomment>The lock screen&apos;s date over or under its clock: dddd the day&apos;s name, MMMM the month&apos;s, d its day.</extracomment>
        <translation>dddd، d MMMM</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>الرسائل</translation>
    </message>
    <message>
        <source>Are you the owner of this phone?</source>
        <translation>هل أنت صاحب هذا الهاتف؟</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>التقويم</translation>
    </message>
    <message>
        <source>Dentist at 10:00</source>
        <translation>طبيب الأسنان الساعة 10:00</translation>
    </message>
    <message>
        <source>Press home to open</source>
        <translation>اضغط زر الشاشة الرئيسية للفتح</translation>
    </message>
    <message>
        <source>Swipe up to unlock</source>
        <translation>اسحب لأعلى لفتح القفل</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Information</source>
        <translation>المعلومات</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>النمط</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>Web Page</source>
        <translation>صفحة الويب</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>الهاتف</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>شاشة القفل</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Save Your Wallpaper</source>
        <translation>احفظ خلفيتك</translation>
    </message>
    <message>
        <source>1.  Tap Continue. The wallpaper is shown alone on the screen.</source>
        <translation>1.  اضغط «متابعة» فتظهر الخلفية وحدها.</translation>
    </message>
    <message>
        <source>2.  The screen is captured into your photo album, %1.</source>
        <translation>2.  تُحفظ الشاشة في ألبوم صورك، %1.</translation>
    </message>
    <message>
        <source>3.  Tap anywhere to come back.</source>
        <translation>3.  اضغط في أي مكان للعودة.</translation>
    </message>
    <message>
        <source>4.  Set the captured picture as your lock screen picture.</source>
        <translation>4.  عيّن الصورة الملتقطة لشاشة القفل.</translation>
    </message>
    <message>
        <source>Set as Lock Screen</source>
        <translation>تعيين لشاشة القفل</translation>
    </message>
    <message>
        <source>Send to Phone</source>
        <translation>إرسال إلى الهاتف</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>On %1:</source>
        <translation>على %1:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>this screen cannot draw it</source>
        <translation>لا تستطيع هذه الشاشة رسمها</translation>
    </message>
</context>
<context>
    <name>NewStyleDialog</name>
    <message>
        <source>Strip</source>
        <translation>الشريط</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>الخلفية</translation>
    </message>
    <message>
        <source>Save Style As</source>
        <translation>حفظ النمط باسم</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>نمط جديد</translation>
    </message>
</context>
<context>
    <name>PalettePanel</name>
    <message>
        <source>Previous palette</source>
        <translation>اللوحة السابقة</translation>
    </message>
    <message>
        <source>Next palette</source>
        <translation>اللوحة التالية</translation>
    </message>
</context>
<context>
    <name>PeoplePicker</name>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>جهات الاتصال</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>No contacts yet.

Import a .vcf file exported from your address book or mail program.</source>
        <translation>لا توجد جهات اتصال بعد.

استورد ملف ‎.vcf‎ مُصدَّرًا من دفتر عناوينك أو برنامج بريدك.</translation>
    </message>
    <message>
        <source>‹ Contacts</source>
        <translation>‹ جهات الاتصال</translation>
    </message>
</context>
<context>
    <name>PeoplePickerNavigationController</name>
    <message>
        <source>This build cannot open files.</source>
        <translation>لا يستطيع هذا الإصدار فتح الملفات.</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>استيراد جهات الاتصال</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be a contacts file.</source>
        <translation>«%1» أكبر من أن يكون ملف جهات اتصال.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>تعذّرت قراءة «%1».</translation>
    </message>
    <message>
        <source>No contacts were found in &quot;%1&quot;.</source>
        <translation>لم يُعثر على جهات اتصال في «%1».</translation>
    </message>
    <message>
        <source>The contacts are shown, but could not be kept for next time: %1</source>
        <translation>جهات الاتصال معروضة، لكن تعذّر حفظها للمرة القادمة: %1</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>فشل الاستيراد</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
</context>
<context>
    <name>PhoneDialog</name>
    <message>
        <source>Phone</source>
        <translation>الهاتف</translation>
    </message>
    <message>
        <source>Search, or 390x844@3</source>
        <translation>ابحث، أو 390x844@3</translation>
    </message>
    <message>
        <source>Sample Notifications</source>
        <translation>إشعارات نموذجية</translation>
    </message>
</context>
<context>
    <name>PhotoSourceDialog</name>
    <message>
        <source>Photo</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>لا صورة</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>الكاميرا</translation>
    </message>
    <message>
        <source>Photo Library</source>
        <translation>مكتبة الصور</translation>
    </message>
    <message>
        <source>Remove Photo</source>
        <translation>إزالة الصورة</translation>
    </message>
</context>
<context>
    <name>RootViewController</name>
    <message>
        <source>Reload</source>
        <translation>إعادة تحميل</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
</context>
<context>
    <name>SaveStyleAsDialog</name>
    <message>
        <source>Save Style As</source>
        <translation>حفظ النمط باسم</translation>
    </message>
    <message>
        <source>Style name</source>
        <translation>اسم النمط</translation>
    </message>
    <message>
        <source>Name of the new style</source>
        <translation>اسم النمط الجديد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Save Style</source>
        <translation>حفظ النمط</translation>
    </message>
</context>
<context>
    <name>Screen</name>
    <message>
        <source>under the status bar</source>
        <translation>تحت شريط الحالة</translation>
    </message>
    <message>
        <source>under the camera cut-out</source>
        <translation>تحت فتحة الكاميرا</translation>
    </message>
    <message>
        <source>under the clock</source>
        <translation>تحت الساعة</translation>
    </message>
    <message>
        <source>under the widgets</source>
        <translation>تحت الأدوات</translation>
    </message>
    <message>
        <source>under the notifications</source>
        <translation>تحت الإشعارات</translation>
    </message>
    <message>
        <source>under the shortcut buttons</source>
        <translation>تحت أزرار الاختصارات</translation>
    </message>
    <message>
        <source>under the home indicator</source>
        <translation>تحت مؤشر الشاشة الرئيسية</translation>
    </message>
    <message>
        <source>under the unlock controls</source>
        <translation>تحت أزرار فتح القفل</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>Custom %1</source>
        <translation>مخصص %1</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>--timeout is a whole number of seconds from 1 to 3600</source>
        <translation>--timeout عدد صحيح من الثواني بين 1 و3600</translation>
    </message>
    <message>
        <source>--bind is an IP address, not &apos;%1&apos;</source>
        <translation>--bind عنوان IP، وليس «%1»</translation>
    </message>
    <message>
        <source>--bind is this computer&apos;s address on the network, not %1</source>
        <translation>--bind هو عنوان هذا الحاسوب على الشبكة، وليس %1</translation>
    </message>
    <message>
        <source>cannot encode the picture</source>
        <translation>تعذّر ترميز الصورة</translation>
    </message>
    <message>
        <source>send takes [--device ID] [--timeout S] [--bind ADDRESS], not &apos;%1&apos;</source>
        <translation>يأخذ send الوسائط [--device ID] [--timeout S] [--bind ADDRESS]، وليس «%1»</translation>
    </message>
    <message>
        <source>Scan the code with your phone&apos;s camera; the phone must be on the same network as this computer.</source>
        <translation>امسح الرمز بكاميرا هاتفك؛ يجب أن يكون الهاتف على الشبكة نفسها التي عليها هذا الحاسوب.</translation>
    </message>
    <message>
        <source>nobody downloaded it in %1 s</source>
        <translation>لم يُنزّله أحد خلال %1 ث</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>أُرسلت</translation>
    </message>
</context>
<context>
    <name>SendToPhonePanel</name>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>أعد المحاولة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Send to Phone</source>
        <translation>إرسال إلى الهاتف</translation>
    </message>
    <message>
        <source>The picture cannot be sent: %1.</source>
        <translation>تعذّر إرسال الصورة: %1.</translation>
    </message>
    <message>
        <source>this computer cannot send it</source>
        <translation>لا يستطيع هذا الحاسوب إرسالها</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>أُرسلت</translation>
    </message>
    <message>
        <source>Your phone has the wallpaper. Save it to your photos and set it as your lock screen picture.</source>
        <translation>وصلت الخلفية إلى هاتفك. احفظها في صورك وعيّنها صورةً لشاشة القفل.</translation>
    </message>
    <message>
        <source>The address has expired.</source>
        <translation>انتهت صلاحية العنوان.</translation>
    </message>
    <message>
        <source>Scan with your phone&apos;s camera. Your phone must be on the same network as this computer.</source>
        <translation>امسح بكاميرا هاتفك. يجب أن يكون هاتفك على الشبكة نفسها التي عليها هذا الحاسوب.</translation>
    </message>
    <message>
        <source>Expires in %1</source>
        <translation>تنتهي الصلاحية بعد %1</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Couldn&apos;t save your settings: %1</source>
        <translation>تعذّر حفظ إعداداتك: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your settings: %1; changes are not saved</source>
        <translation>تعذّرت قراءة إعداداتك: %1؛ لن تُحفظ التغييرات</translation>
    </message>
    <message>
        <source>another program holds them</source>
        <translation>برنامج آخر يستخدمها</translation>
    </message>
</context>
<context>
    <name>StripOptionsDialog</name>
    <message>
        <source>LETTERING</source>
        <translation>الكتابة</translation>
    </message>
    <message>
        <source>White</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>CONTRAST</source>
        <translation>التباين</translation>
    </message>
    <message>
        <source>STRIP LAYOUT</source>
        <translation>تخطيط الشريط</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>كلاسيكي</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>مقسوم</translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Classic: one strip across the middle. Split: contact above, information below. None: the background alone, no strip and no lettering.</source>
        <translation>كلاسيكي: شريط واحد في المنتصف. مقسوم: جهة الاتصال أعلى والمعلومات أسفل. لا شيء: الخلفية وحدها بلا شريط ولا كتابة.</translation>
    </message>
    <message>
        <source>STRIP OPACITY</source>
        <translation>عتامة الشريط</translation>
    </message>
    <message>
        <source>Drag to see the strip fade; the opacity is kept when you let go.</source>
        <translation>اسحب لترى الشريط يبهت؛ تبقى العتامة عند الإفلات.</translation>
    </message>
    <message>
        <source>Strip Options</source>
        <translation>خيارات الشريط</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>التخطيط</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>العتامة</translation>
    </message>
    <message>
        <source>Less opaque</source>
        <translation>تقليل العتامة</translation>
    </message>
    <message>
        <source>More opaque</source>
        <translation>زيادة العتامة</translation>
    </message>
</context>
<context>
    <name>StripOptionsDialogViewController</name>
    <message>
        <source>White</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>استخدم %1</translation>
    </message>
    <message>
        <source>Opacity %1</source>
        <translation>العتامة %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>no lettering</source>
        <translation>بلا كتابة</translation>
    </message>
</context>
<context>
    <name>StyleLibraryDialog</name>
    <message>
        <source>Style Library</source>
        <translation>مكتبة الأنماط</translation>
    </message>
</context>
<context>
    <name>SwatchPalette</name>
    <message>
        <source>spectrum</source>
        <translation>الطيف</translation>
    </message>
    <message>
        <source>earth tones</source>
        <translation>ألوان ترابية</translation>
    </message>
    <message>
        <source>earth tones dark</source>
        <translation>ألوان ترابية داكنة</translation>
    </message>
    <message>
        <source>earth tones light</source>
        <translation>ألوان ترابية فاتحة</translation>
    </message>
    <message>
        <source>grays</source>
        <translation>رماديات</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>قياسي</translation>
    </message>
    <message>
        <source>standard dark</source>
        <translation>قياسي داكن</translation>
    </message>
    <message>
        <source>standard light</source>
        <translation>قياسي فاتح</translation>
    </message>
</context>
<context>
    <name>ThemeCell</name>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
</context>
<context>
    <name>ThemeCellViewController</name>
    <message>
        <source>Delete Style</source>
        <translation>حذف النمط</translation>
    </message>
    <message>
        <source>Are you sure you want to delete theme %1 ?</source>
        <translation>هل تريد بالتأكيد حذف النمط %1؟</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>home</source>
        <translation>المنزل</translation>
    </message>
    <message>
        <source>work</source>
        <translation>العمل</translation>
    </message>
    <message>
        <source>other</source>
        <translation>آخر</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%2 (%1)</translation>
    </message>
    <message>
        <source>fax</source>
        <translation>فاكس</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>جهاز النداء</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>الجوال</translation>
    </message>
    <message>
        <source>main</source>
        <translation>الرئيسي</translation>
    </message>
    <message>
        <source>car</source>
        <translation>السيارة</translation>
    </message>
    <message>
        <source>callback</source>
        <translation>معاودة الاتصال</translation>
    </message>
    <message>
        <source>textphone</source>
        <translation>هاتف نصي</translation>
    </message>
    <message>
        <source>video</source>
        <translation>فيديو</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>هاتف</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>المؤسسة</translation>
    </message>
    <message>
        <source>email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>website</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>title</source>
        <translation>المسمى الوظيفي</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>اللقب</translation>
    </message>
    <message>
        <source>note</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>تاريخ الميلاد</translation>
    </message>
</context>
<context>
    <name>ViewAccessibility</name>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>رمادي داكن</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>رمادي</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>رمادي فاتح</translation>
    </message>
    <message>
        <source>White</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>أحمر داكن</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>وردي</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>بني</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>زيتوني</translation>
    </message>
    <message>
        <source>Light green</source>
        <translation>أخضر فاتح</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>أخضر داكن</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>أزرق مخضر</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>سماوي</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>أزرق فاتح</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>كحلي</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>بنفسجي</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>بنفسجي فاتح</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>أرجواني</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>بيج</translation>
    </message>
    <message>
        <source>Colour palette</source>
        <translation>لوحة الألوان</translation>
    </message>
    <message>
        <source>Colour spectrum</source>
        <translation>طيف الألوان</translation>
    </message>
    <message>
        <source>Colour spectrum, %1</source>
        <translation>طيف الألوان، %1</translation>
    </message>
</context>
<context>
    <name>WallpaperCode</name>
    <message>
        <source>Scan to call</source>
        <translation>امسح للاتصال</translation>
    </message>
    <message>
        <source>no code to call: the contact text holds no number to dial</source>
        <translation>لا رمز للاتصال: نص جهة الاتصال لا يحوي رقمًا للاتصال</translation>
    </message>
    <message>
        <source>Scan me</source>
        <translation>امسحني</translation>
    </message>
    <message>
        <source>no code: its address must start with https://</source>
        <translation>لا رمز: يجب أن يبدأ عنوانه بـ https://</translation>
    </message>
    <message>
        <source>the scan code does not fit below the strips (fewer strips or a shorter address leave room)</source>
        <translation>رمز المسح لا يتسع تحت الشرائط (شرائط أقل أو عنوان أقصر يفسحان المجال)</translation>
    </message>
</context>
<context>
    <name>WallpaperLayout</name>
    <message>
        <source>the strip</source>
        <translation>الشريط</translation>
    </message>
    <message>
        <source>&quot;TAVRIN:&quot;</source>
        <translation>«TAVRIN:»</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>the information line</source>
        <translation>سطر المعلومات</translation>
    </message>
    <message>
        <source>the upper strip</source>
        <translation>الشريط العلوي</translation>
    </message>
    <message>
        <source>the lower strip</source>
        <translation>الشريط السفلي</translation>
    </message>
    <message>
        <source>%1 reaches beyond the screen&apos;s edge</source>
        <translation>%1 يتجاوز حافة الشاشة</translation>
    </message>
    <message>
        <source>%1 lies %2 (points %3 to %4 from the top)</source>
        <translation>%1 يقع %2 (النقاط %3 إلى %4 من الأعلى)</translation>
    </message>
</context>
<context>
    <name>WebView</name>
    <message>
        <source>This device has no network access.</source>
        <translation>لا يتصل هذا الجهاز بالشبكة.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>جارٍ التحميل…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>unknown or malformed argument &apos;%1&apos;</source>
        <translation>وسيط غير معروف أو غير صحيح &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); try &apos;tavrin-plus export&apos; or &apos;xvfb-run tavrin-plus&apos;</source>
        <translation>لا توجد شاشة لفتح النافذة عليها (لم يُعيَّن DISPLAY ولا WAYLAND_DISPLAY)؛ جرّب &apos;tavrin-plus export&apos; أو &apos;xvfb-run tavrin-plus&apos;</translation>
    </message>
</context>
</TS>
