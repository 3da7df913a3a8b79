<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Form1</name>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>الفئات</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Shortcuts To Applications, Folders, URLs or E-mail Addresses</source>
        <translation>اختصارات إلى التطبيقات أو المجلدات أو عناوين الويب أو عناوين البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Launch Selected (Ctrl+L)</source>
        <translation>تشغيل المحدد (Ctrl+L)</translation>
    </message>
    <message>
        <source>Add Shortcut By EXE</source>
        <translation>إضافة برنامج</translation>
    </message>
    <message>
        <source>Add Shortcut By .lnk</source>
        <translation>إضافة من مُشغِّل</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>حذف المحدد</translation>
    </message>
    <message>
        <source>Edit Selected</source>
        <translation>تحرير المحدد</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Add Group</source>
        <translation>إضافة مجموعة</translation>
    </message>
    <message>
        <source>Group Name:</source>
        <translation>اسم المجموعة:</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>اسم المجموعة</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>الوصف:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Background Image:</source>
        <translation>صورة الخلفية:</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>صورة الخلفية</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Select Background Image</source>
        <translation>اختيار صورة الخلفية</translation>
    </message>
    <message>
        <source>Group Text Color:</source>
        <translation>لون نص المجموعة:</translation>
    </message>
    <message>
        <source>Group Text Color</source>
        <translation>لون نص المجموعة</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>اختيار اللون</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Add Shortcut</source>
        <translation>إضافة اختصار</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>Shortcut type</source>
        <translation>نوع الاختصار</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>رابط</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>بريد</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>العنوان:</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>الوصف:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Folder Path:</source>
        <translation>مسار المجلد:</translation>
    </message>
    <message>
        <source>Folder Path</source>
        <translation>مسار المجلد</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>استعراض</translation>
    </message>
    <message>
        <source>Application Parameters:</source>
        <translation>معاملات التطبيق:</translation>
    </message>
    <message>
        <source>Application Parameters</source>
        <translation>معاملات التطبيق</translation>
    </message>
    <message>
        <source>Open As:</source>
        <translation>الفتح كـ:</translation>
    </message>
    <message>
        <source>Open As</source>
        <translation>الفتح كـ</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>لون الخط</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>اختيار اللون</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Add Shortcut</source>
        <translation>إضافة اختصار</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>العنوان:</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>الوصف:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Folder Path:</source>
        <translation>مسار المجلد:</translation>
    </message>
    <message>
        <source>Folder Path</source>
        <translation>مسار المجلد</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>استعراض</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>لون الخط</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>اختيار اللون</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>Vantory</name>
    <message>
        <source>Select Application Shortcut File</source>
        <translation>اختيار مُشغِّل سطح المكتب</translation>
    </message>
    <message>
        <source>Application Shortcut Files (*.lnk)|*.lnk|</source>
        <translation>مُشغِّلات سطح المكتب (*.lnk)|*.lnk|</translation>
    </message>
    <message>
        <source>Please select Categories</source>
        <translation>يُرجى اختيار فئة.</translation>
    </message>
    <message>
        <source>You must select a group first to add.</source>
        <translation>يجب اختيار مجموعة أولًا للإضافة إليها.</translation>
    </message>
    <message>
        <source>Cannot add in the root group.</source>
        <translation>لا يمكن الإضافة إلى المجموعة الجذر.</translation>
    </message>
    <message>
        <source>You must select a group first to delete item.</source>
        <translation>يجب اختيار مجموعة أولًا لحذف عنصر منها.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>هل تريد بالتأكيد حذف «%1»؟</translation>
    </message>
    <message>
        <source>Delete Application</source>
        <translation>حذف الاختصار</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>Minimized</source>
        <translation>مُصغَّر</translation>
    </message>
    <message>
        <source>Maximized</source>
        <translation>مُكبَّر</translation>
    </message>
    <message>
        <source>Folder Path:</source>
        <translation>مسار المجلد:</translation>
    </message>
    <message>
        <source>File Path:</source>
        <translation>مسار الملف:</translation>
    </message>
    <message>
        <source>URL Address:</source>
        <translation>عنوان الويب:</translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation>عنوان البريد الإلكتروني:</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>اختيار مجلد</translation>
    </message>
    <message>
        <source>Select Application File</source>
        <translation>اختيار ملف التطبيق</translation>
    </message>
    <message>
        <source>Application Files (*.exe)|*.exe|</source>
        <translation>التطبيقات (*.exe)|*.exe|</translation>
    </message>
    <message>
        <source>Field input too long.</source>
        <translation>النص المُدخَل طويل جدًا.</translation>
    </message>
    <message>
        <source>Please enter Caption</source>
        <translation>يُرجى إدخال العنوان.</translation>
    </message>
    <message>
        <source>Please enter Folder Path</source>
        <translation>يُرجى إدخال مسار المجلد.</translation>
    </message>
    <message>
        <source>Please do not use quote marks.</source>
        <translation>يُرجى عدم استخدام علامات الاقتباس.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>تحرير الاختصار</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>اختيار اللون</translation>
    </message>
    <message>
        <source>Caption already exists in [%1] group.</source>
        <translation>العنوان موجود مسبقًا في المجموعة [%1].</translation>
    </message>
    <message>
        <source>Caption already exists.</source>
        <translation>العنوان موجود مسبقًا.</translation>
    </message>
    <message>
        <source>Always launch this entry</source>
        <translation>تشغيل هذا المُشغِّل دائمًا</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>تعذّر إنشاء المجلد %1.</translation>
    </message>
    <message>
        <source>The file %1 already exists.</source>
        <translation>الملف %1 موجود مسبقًا.</translation>
    </message>
    <message>
        <source>The file %1 could not be copied to %2: %3</source>
        <translation>تعذّر نسخ الملف %1 إلى %2: %3</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>تعذّرت قراءة الملف %1: %2</translation>
    </message>
    <message>
        <source>The file or folder &quot;%1&quot; could not be found.</source>
        <translation>تعذّر العثور على الملف أو المجلد «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid address.</source>
        <translation>«%1» ليس عنوانًا صالحًا.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a file nor a folder, so Vantory does not open it.</source>
        <translation>«%1» ليس ملفًا ولا مجلدًا، لذا لا يفتحه Vantory.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a program.</source>
        <translation>«%1» مجلد وليس برنامجًا.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a program, not a web address, so Vantory does not start it.</source>
        <translation>«%1» برنامج وليس عنوان ويب، لذا لا يشغّله Vantory.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a file on another computer, so Vantory does not open it.</source>
        <translation>«%1» يشير إلى ملف على حاسوب آخر، لذا لا يفتحه Vantory.</translation>
    </message>
    <message>
        <source>Vantory does not start &quot;%1&quot; because its parameters cannot be split into arguments: %2</source>
        <translation>لا يشغّل Vantory «%1» لأنه تعذّر تقسيم معاملاته إلى وسائط: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address. Vantory opens addresses that start with http, https or ftp.</source>
        <translation>«%1» ليس عنوان ويب. يفتح Vantory العناوين التي تبدأ بـ http أو https أو ftp.</translation>
    </message>
    <message>
        <source>There is nothing to open: no file, folder or address was given.</source>
        <translation>لا شيء لفتحه: لم يُحدَّد ملف أو مجلد أو عنوان.</translation>
    </message>
    <message>
        <source>Find a shortcut</source>
        <translation>البحث عن اختصار</translation>
    </message>
    <message>
        <source>Shortcuts found</source>
        <translation>الاختصارات التي عُثر عليها</translation>
    </message>
    <message>
        <source>No shortcut matches.</source>
        <translation>لا يوجد اختصار مطابق.</translation>
    </message>
    <message>
        <source>1 shortcut found</source>
        <translation>عُثر على اختصار واحد</translation>
    </message>
    <message>
        <source>%1 shortcuts found</source>
        <translation>عدد الاختصارات التي عُثر عليها: %1</translation>
    </message>
    <message>
        <source>Database file does not exist. Please contact author for more info.</source>
        <translation>ملف قاعدة البيانات غير موجود. يُرجى التواصل مع المؤلف لمزيد من المعلومات.</translation>
    </message>
    <message>
        <source>The catalogue %1 is not a regular file, so Vantory cannot open it. Move it out of the way and start Vantory again.</source>
        <translation>الفهرس %1 ليس ملفًا عاديًا، لذا لا يستطيع Vantory فتحه. انقله إلى مكان آخر ثم شغّل Vantory من جديد.</translation>
    </message>
    <message>
        <source>Vantory could not back up the catalogue into %1.

%2

The catalogue itself is unchanged.</source>
        <translation>تعذّر على Vantory نسخ الفهرس احتياطيًا إلى %1.

%2

لم يتغيّر الفهرس نفسه.</translation>
    </message>
    <message>
        <source>

Vantory shows what can still be read.

</source>
        <translation>

يعرض Vantory ما زال قابلًا للقراءة.

</translation>
    </message>
    <message>
        <source>There is no sound backup of the catalogue in %1.</source>
        <translation>لا توجد نسخة احتياطية سليمة من الفهرس في %1.</translation>
    </message>
    <message>
        <source>The newest sound backup is %1.

Restore it now? The damaged catalogue is kept beside the backups.</source>
        <translation>أحدث نسخة احتياطية سليمة هي %1.

هل تريد استعادتها الآن؟ سيُحفَظ الفهرس التالف بجانب النسخ الاحتياطية.</translation>
    </message>
    <message>
        <source>The backup %1 has been restored.</source>
        <translation>استُعيدت النسخة الاحتياطية %1.</translation>
    </message>
    <message>
        <source> The catalogue as it was is kept as %1.</source>
        <translation> حُفِظ الفهرس كما كان باسم %1.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot;</source>
        <translation>الفئة «%1»</translation>
    </message>
    <message>
        <source>The shortcut &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>الاختصار «%1» في «%2»</translation>
    </message>
    <message>
        <source>%1, which was not readable text, is now &quot;%2&quot;.</source>
        <translation>%1، ولم يكن نصًا مقروءًا، أصبح الآن «%2».</translation>
    </message>
    <message>
        <source>%1 is now &quot;%2&quot;.</source>
        <translation>%1 أصبح الآن «%2».</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… و%1 غيرها.</translation>
    </message>
    <message>
        <source>Some names in the catalogue could not be told apart, or were not readable text, so Vantory renamed them. The catalogue as it was is backed up as %1.

%2</source>
        <translation>تعذّر التمييز بين بعض الأسماء في الفهرس، أو لم تكن نصًا مقروءًا، لذا أعاد Vantory تسميتها. نُسخ الفهرس كما كان احتياطيًا باسم %1.

%2</translation>
    </message>
    <message>
        <source>Vantory could not rename the names in the catalogue that cannot be told apart.

%1

The catalogue is unchanged.</source>
        <translation>تعذّر على Vantory إعادة تسمية الأسماء التي لا يمكن التمييز بينها في الفهرس.

%1

لم يتغيّر الفهرس.</translation>
    </message>
    <message>
        <source>in %1 at line %2</source>
        <translation>في %1 عند السطر %2</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>يُرجى إرسال لقطة شاشة لهذه الرسالة بالبريد الإلكتروني إلى %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>خطأ غير متوقع</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>خطأ في التطبيق</translation>
    </message>
    <message>
        <source>Red %1, green %2, blue %3</source>
        <translation>أحمر %1، أخضر %2، أزرق %3</translation>
    </message>
    <message>
        <source>Group Name already exists.</source>
        <translation>اسم المجموعة موجود مسبقًا.</translation>
    </message>
    <message>
        <source>Please input Group Name</source>
        <translation>يُرجى إدخال اسم المجموعة.</translation>
    </message>
    <message>
        <source>You must select a group to edit.</source>
        <translation>يجب اختيار مجموعة لتحريرها.</translation>
    </message>
    <message>
        <source>Cannot edit the selected root group</source>
        <translation>لا يمكن تحرير المجموعة الجذر المحددة.</translation>
    </message>
    <message>
        <source>You must select a group to delete.</source>
        <translation>يجب اختيار مجموعة لحذفها.</translation>
    </message>
    <message>
        <source>You cannot delete the selected root group.</source>
        <translation>لا يمكنك حذف المجموعة الجذر المحددة.</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>تحرير المجموعة</translation>
    </message>
    <message>
        <source>Select Background Image</source>
        <translation>اختيار صورة الخلفية</translation>
    </message>
    <message>
        <source>Picture Files (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|</source>
        <translation>ملفات الصور (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|</translation>
    </message>
    <message>
        <source>Path does not exists.<byte value="xd"/>
Please check the path.</source>
        <translation>المسار غير موجود.<byte value="xd"/>
يُرجى التحقق من المسار.</translation>
    </message>
    <message>
        <source>File does not exists.<byte value="xd"/>
Please check the file path.</source>
        <translation>الملف غير موجود.<byte value="xd"/>
يُرجى التحقق من مسار الملف.</translation>
    </message>
    <message>
        <source>Vantory cannot read the catalogue %1.

The newest sound backup is %2.

Restore it now? The catalogue as it is now is kept beside the backups.</source>
        <translation>لا يستطيع Vantory قراءة الفهرس %1.

أحدث نسخة احتياطية سليمة هي %2.

هل تريد استعادتها الآن؟ سيُحفَظ الفهرس بحالته الحالية بجانب النسخ الاحتياطية.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a desktop entry that is not installed on this computer. It starts this program:</source>
        <translation>«%1» مُشغِّل سطح مكتب غير مُثبَّت على هذا الحاسوب. وهو يشغّل هذا البرنامج:</translation>
    </message>
    <message>
        <source>Launch it only if you trust where it came from.</source>
        <translation>لا تشغّله إلا إذا كنت تثق بمصدره.</translation>
    </message>
    <message>
        <source>the program %1 that the entry needs (TryExec) is not installed</source>
        <translation>البرنامج %1 الذي يحتاجه المُشغِّل (TryExec) غير مُثبَّت</translation>
    </message>
    <message>
        <source>the entry names no command (Exec)</source>
        <translation>لا يذكر المُشغِّل أي أمر (Exec)</translation>
    </message>
    <message>
        <source>its command (Exec) cannot be split into words with the parameters in it: %1</source>
        <translation>لا يمكن تقسيم أمره (Exec) إلى كلمات مع المعاملات: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; asks the mail program to attach a file, so Vantory does not open it.</source>
        <translation>«%1» يطلب من برنامج البريد إرفاق ملف، لذلك لا يفتحه Vantory.</translation>
    </message>
    <message>
        <source>Keep in Step with a Folder…</source>
        <translation>المزامنة عبر مجلد…</translation>
    </message>
    <message>
        <source>Keep in Step with a Folder</source>
        <translation>المزامنة عبر مجلد</translation>
    </message>
    <message>
        <source>Stop Keeping in Step</source>
        <translation>إيقاف المزامنة</translation>
    </message>
    <message>
        <source>The settings cannot be saved.</source>
        <translation>تعذّر حفظ الإعدادات.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>Kept in step through %1; not merged yet.</source>
        <translation>تتم المزامنة عبر %1؛ لم يتم الدمج بعد.</translation>
    </message>
    <message>
        <source>Kept in step through %1. Last merged %2; no other computer has written there yet.</source>
        <translation>تتم المزامنة عبر %1. آخر دمج %2؛ لم يكتب أي حاسوب آخر هناك بعد.</translation>
    </message>
    <message>
        <source>Kept in step through %1. Last merged %2 with %3.</source>
        <translation>تتم المزامنة عبر %1. آخر دمج %2 مع %3.</translation>
    </message>
    <message>
        <source>The folder %1, through which Vantory keeps the catalogue in step, is not there. Nothing was merged.</source>
        <translation>المجلد %1 الذي يزامن Vantory الفهرس عبره غير موجود. لم يُدمج شيء.</translation>
    </message>
    <message>
        <source>Vantory could not merge the catalogue with %1.

%2</source>
        <translation>تعذّر على Vantory دمج الفهرس مع %1.

%2</translation>
    </message>
    <message>
        <source>%1 comes from a newer Vantory and was not read. Update Vantory on this computer to merge it.</source>
        <translation>%1 من إصدار أحدث من Vantory ولم تتم قراءته. حدّث Vantory على هذا الحاسوب لدمجه.</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged and was not read; nothing was taken from it.</source>
        <translation>%1 مقطوع أو تالف ولم تتم قراءته؛ لم يؤخذ منه شيء.</translation>
    </message>
    <message>
        <source>%1 cannot be read and was skipped.</source>
        <translation>تعذّرت قراءة %1 فتم تخطيه.</translation>
    </message>
    <message>
        <source>Vantory could not start &quot;%1&quot;.</source>
        <translation>تعذّر على Vantory تشغيل «%1».</translation>
    </message>
    <message>
        <source>Vantory could not start &quot;%1&quot;: %2</source>
        <translation>تعذّر على Vantory تشغيل «%1»: %2</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1&quot;.</source>
        <translation>لا يوجد تطبيق مُعدّ لفتح «%1».</translation>
    </message>
    <message>
        <source>Vantory could not read the desktop entry &quot;%1&quot;.</source>
        <translation>تعذّر على Vantory قراءة مدخل سطح المكتب «%1».</translation>
    </message>
    <message>
        <source>it is not a desktop entry that describes an application</source>
        <translation>ليس مدخل سطح مكتب يصف تطبيقًا</translation>
    </message>
    <message>
        <source>the application could not be started</source>
        <translation>تعذّر تشغيل التطبيق</translation>
    </message>
    <message>
        <source>the desktop&apos;s application launcher could not be loaded: %1</source>
        <translation>تعذّر تحميل مشغّل التطبيقات في سطح المكتب: %1</translation>
    </message>
    <message>
        <source>the desktop&apos;s application launcher lacks %1</source>
        <translation>ينقص مشغّل التطبيقات في سطح المكتب %1</translation>
    </message>
    <message>
        <source>One more value in this category is not a number either.</source>
        <translation>قيمة أخرى في هذه الفئة ليست رقمًا أيضًا.</translation>
    </message>
    <message>
        <source>%1 more values in this category are not numbers either.</source>
        <translation>%1 قيم أخرى في هذه الفئة ليست أرقامًا أيضًا.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is shown in the default colour. %2</source>
        <translation>تُعرض الفئة &quot;%1&quot; باللون الافتراضي. %2</translation>
    </message>
    <message>
        <source>One more category is shown in the default colour too.</source>
        <translation>تُعرض فئة أخرى باللون الافتراضي أيضًا.</translation>
    </message>
    <message>
        <source>%1 more categories are shown in the default colour too.</source>
        <translation>تُعرض %1 فئات أخرى باللون الافتراضي أيضًا.</translation>
    </message>
    <message>
        <source>The picture %1 could not be loaded: %2</source>
        <translation>تعذّر تحميل الصورة %1: %2</translation>
    </message>
    <message>
        <source>The pointer file %1 could not be loaded.</source>
        <translation>تعذّر تحميل ملف المؤشر %1.</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Vantory could not add the installed applications.

%1

The catalogue is unchanged.</source>
        <translation>تعذّر على Vantory إضافة التطبيقات المثبتة.

%1

لم يتغير الفهرس.</translation>
    </message>
    <message>
        <source>Vantory could not back up the catalogue into %1.

%2</source>
        <translation>تعذّر على Vantory نسخ الفهرس احتياطيًا إلى %1.

%2</translation>
    </message>
    <message>
        <source>Sound &amp; Video</source>
        <translation>الصوت والفيديو</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>البرمجة</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>التعليم</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>الألعاب</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>الرسوميات</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>الإنترنت</translation>
    </message>
    <message>
        <source>Office</source>
        <translation>المكتب</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>العلوم</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>System Tools</source>
        <translation>أدوات النظام</translation>
    </message>
    <message>
        <source>Accessories</source>
        <translation>الملحقات</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>أخرى</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be changed now.</source>
        <translation>لا يمكن تغيير الفهرس %1 الآن.</translation>
    </message>
    <message>
        <source>Nothing was added: every application of the desktop&apos;s menu is already in the catalogue.</source>
        <translation>لم تتم إضافة شيء، فكل تطبيقات قائمة سطح المكتب موجودة في الفهرس بالفعل.</translation>
    </message>
    <message>
        <source>%1 applications were added to the catalogue %2.</source>
        <translation>أُضيف %1 تطبيقًا إلى الفهرس %2.</translation>
    </message>
    <message>
        <source>Vantory is running. Add the installed applications from the menu of the computer&apos;s name in its tree, or close it and try again. Nothing was changed.</source>
        <translation>Vantory قيد التشغيل. أضف التطبيقات المثبتة من قائمة اسم الحاسوب في شجرته، أو أغلقه وحاول مرة أخرى. لم يتغير شيء.</translation>
    </message>
    <message>
        <source>Add Installed Applications…</source>
        <translation>إضافة التطبيقات المثبتة…</translation>
    </message>
    <message>
        <source>Add Installed Applications</source>
        <translation>إضافة التطبيقات المثبتة</translation>
    </message>
    <message>
        <source>Reading the installed applications…</source>
        <translation>جارٍ قراءة التطبيقات المثبتة…</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>الفئة</translation>
    </message>
    <message>
        <source>New applications</source>
        <translation>تطبيقات جديدة</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>The desktop&apos;s menu lists no applications.</source>
        <translation>لا تحتوي قائمة سطح المكتب على أي تطبيق.</translation>
    </message>
    <message>
        <source>Every application of the desktop&apos;s menu is already in the catalogue.</source>
        <translation>كل تطبيقات قائمة سطح المكتب موجودة في الفهرس بالفعل.</translation>
    </message>
    <message>
        <source>Choose the menu categories to add. Each becomes a category of the catalogue, with a shortcut to each application it does not hold yet.</source>
        <translation>اختر فئات القائمة التي تريد إضافتها. تصبح كل منها فئة في الفهرس، مع اختصار لكل تطبيق غير موجود فيه بعد.</translation>
    </message>
    <message>
        <source>Find a Shortcut</source>
        <translation>البحث عن اختصار</translation>
    </message>
    <message>
        <source>Vantory gave up waiting for &quot;%1&quot;: the disk or network folder that holds it did not answer in time. Nothing was opened.</source>
        <translation>توقف Vantory عن انتظار &quot;%1&quot;: لم يستجب القرص أو مجلد الشبكة الذي يحتويه في الوقت المناسب. لم يُفتح شيء.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a symbolic link. Vantory does not write through links, so it leaves the file alone and keeps what belongs there only until it closes.</source>
        <translation>&quot;%1&quot; رابط رمزي. لا يكتب Vantory عبر الروابط، لذا يترك الملف كما هو ويحتفظ بما يخصه حتى يُغلق فقط.</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>إنه كبير جدًا</translation>
    </message>
    <message>
        <source>The catalogue file %1 is read-only. Vantory shows it, but cannot save changes.</source>
        <translation>ملف الفهرس %1 للقراءة فقط. يعرضه Vantory لكنه لا يستطيع حفظ التغييرات.</translation>
    </message>
    <message>
        <source>The folder %1 that holds the catalogue is read-only. Vantory shows the catalogue, but cannot save changes.</source>
        <translation>المجلد %1 الذي يحوي الفهرس للقراءة فقط. يعرض Vantory الفهرس لكنه لا يستطيع حفظ التغييرات.</translation>
    </message>
    <message>
        <source>The shortcuts cannot be read: %1.</source>
        <translation>تعذّرت قراءة الاختصارات: %1.</translation>
    </message>
    <message>
        <source>The catalogue could not be backed up to %1: %2.</source>
        <translation>تعذّر نسخ الفهرس احتياطيًا إلى %1: %2.</translation>
    </message>
    <message>
        <source>The catalogue is damaged, so it was not backed up.</source>
        <translation>الفهرس تالف، لذلك لم يُنسخ احتياطيًا.</translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be made: %2.</source>
        <translation>تعذّر إنشاء مجلد النسخ الاحتياطية %1: %2.</translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be made: a file of that name is in the way.</source>
        <translation>تعذّر إنشاء مجلد النسخ الاحتياطية %1: يوجد ملف بالاسم نفسه.</translation>
    </message>
    <message>
        <source>The catalogue file %1 cannot be opened: %2.</source>
        <translation>تعذّر فتح ملف الفهرس %1: %2.</translation>
    </message>
    <message>
        <source>The catalogue %1 is in use by another running Vantory. Close the other Vantory and start this one again.</source>
        <translation>الفهرس %1 قيد الاستخدام في نسخة أخرى من Vantory. أغلق النسخة الأخرى ثم شغّل هذه من جديد.</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be locked: %2.</source>
        <translation>تعذّر قفل الفهرس %1: %2.</translation>
    </message>
    <message>
        <source>The folder of the catalogue is read-only, so the change was not saved.</source>
        <translation>مجلد الفهرس للقراءة فقط، لذلك لم يُحفظ التغيير.</translation>
    </message>
    <message>
        <source>The catalogue file is read-only, so the change was not saved.</source>
        <translation>ملف الفهرس للقراءة فقط، لذلك لم يُحفظ التغيير.</translation>
    </message>
    <message>
        <source>The catalogue is busy in another program. Please try again.</source>
        <translation>الفهرس مشغول في برنامج آخر. حاول مرة أخرى.</translation>
    </message>
    <message>
        <source>The disk is full, so the change was not saved.</source>
        <translation>القرص ممتلئ، لذلك لم يُحفظ التغيير.</translation>
    </message>
    <message>
        <source>Catalogue error: %1</source>
        <translation>خطأ في الفهرس: %1</translation>
    </message>
    <message>
        <source>The file %1 is not a Vantory catalogue: it is not a database file.</source>
        <translation>الملف %1 ليس فهرس Vantory: ليس ملف قاعدة بيانات.</translation>
    </message>
    <message>
        <source>The file %1 is not a Vantory catalogue: %2</source>
        <translation>الملف %1 ليس فهرس Vantory: %2</translation>
    </message>
    <message>
        <source>The catalogue %1 is busy in another program. Please try again.</source>
        <translation>الفهرس %1 مشغول في برنامج آخر. حاول مرة أخرى.</translation>
    </message>
    <message>
        <source>The catalogue file %1 cannot be read: %2</source>
        <translation>تعذّرت قراءة ملف الفهرس %1: %2</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged. It is open read-only, so nothing can be changed and nothing makes the damage worse.</source>
        <translation>الفهرس %1 تالف. فُتح للقراءة فقط، فلا يمكن تغيير شيء ولا يزداد التلف سوءًا.</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged. It is open read-only, so nothing can be changed and nothing makes the damage worse. The first problem found: %2</source>
        <translation>الفهرس %1 تالف. فُتح للقراءة فقط، فلا يمكن تغيير شيء ولا يزداد التلف سوءًا. أول مشكلة وُجدت: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 does not exist.</source>
        <translation>ملف الفهرس %1 غير موجود.</translation>
    </message>
    <message>
        <source>The file %1 is not a Vantory catalogue: it is a folder.</source>
        <translation>الملف %1 ليس فهرس Vantory: إنه مجلد.</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged and cannot be opened: %2</source>
        <translation>الفهرس %1 تالف ولا يمكن فتحه: %2</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged and cannot be read: %2</source>
        <translation>الفهرس %1 تالف ولا يمكن قراءته: %2</translation>
    </message>
    <message>
        <source>The catalogue is damaged, so the change was not saved.</source>
        <translation>الفهرس تالف، لذلك لم يُحفظ التغيير.</translation>
    </message>
    <message>
        <source>The catalogue could not be kept as %1: %2. Nothing was restored.</source>
        <translation>تعذّر الاحتفاظ بالفهرس باسم %1: %2. لم يُستعَد شيء.</translation>
    </message>
    <message>
        <source>The catalogue could not be kept in %1: too many copies of the same name are there. Nothing was restored.</source>
        <translation>تعذّر الاحتفاظ بالفهرس في %1: توجد نسخ كثيرة جدًا بالاسم نفسه. لم يُستعَد شيء.</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be read: %2.</source>
        <translation>تعذّرت قراءة الفهرس %1: %2.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be restored: it is damaged or not a Vantory catalogue (%2). The catalogue is unchanged.</source>
        <translation>تعذّرت استعادة النسخة %1: إنها تالفة أو ليست فهرس Vantory ‏(%2). لم يتغيّر الفهرس.</translation>
    </message>
    <message>
        <source>The backup %1 is the catalogue itself.</source>
        <translation>النسخة %1 هي الفهرس نفسه.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be restored: %2. The catalogue is unchanged.</source>
        <translation>تعذّرت استعادة النسخة %1: %2. لم يتغيّر الفهرس.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written into %2: %3.</source>
        <translation>تعذّرت كتابة النسخة %1 في %2: %3.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written into %2: %3. The catalogue as it was is kept as %4.</source>
        <translation>تعذّرت كتابة النسخة %1 في %2: %3. الفهرس كما كان محفوظ باسم %4.</translation>
    </message>
    <message>
        <source>The backup %1 was not written into %2 whole (%3).</source>
        <translation>لم تُكتب النسخة %1 كاملة في %2 ‏(%3).</translation>
    </message>
    <message>
        <source>The backup %1 was not written into %2 whole (%3). The catalogue as it was is back in place, and also kept as %4.</source>
        <translation>لم تُكتب النسخة %1 كاملة في %2 ‏(%3). أُعيد الفهرس كما كان إلى مكانه، وهو محفوظ أيضًا باسم %4.</translation>
    </message>
    <message>
        <source>The backup %1 was not written into %2 whole (%3). The catalogue as it was could not be put back (%4): it is kept as %5.</source>
        <translation>لم تُكتب النسخة %1 كاملة في %2 ‏(%3). تعذّرت إعادة الفهرس كما كان (%4): إنه محفوظ باسم %5.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; in column %2 is not a number.</source>
        <translation>القيمة &quot;%1&quot; في العمود %2 ليست رقمًا.</translation>
    </message>
    <message>
        <source>The value %1 in column %2 is too large.</source>
        <translation>القيمة %1 في العمود %2 كبيرة جدًا.</translation>
    </message>
    <message>
        <source>Column %1 holds no value.</source>
        <translation>العمود %1 لا يحتوي على قيمة.</translation>
    </message>
    <message>
        <source>The value in column %1 is not a number.</source>
        <translation>القيمة في العمود %1 ليست رقمًا.</translation>
    </message>
    <message>
        <source>The catalogue is not open.</source>
        <translation>الفهرس غير مفتوح.</translation>
    </message>
</context>
</TS>
