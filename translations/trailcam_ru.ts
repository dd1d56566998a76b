<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutBox</name>
    <message>
        <source>Palvenor 2.1 版</source>
        <translation>Palvenor, версия 2.1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026</source>
        <translation>Copyright (C) 2026</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>关于 Palvenor</source>
        <translation>О программе Palvenor</translation>
    </message>
</context>
<context>
    <name>CCameraDlg</name>
    <message>
        <source>Timer %1 set error !
Star time need &lt; End time .</source>
        <translation>Ошибка в периоде %1 таймера!
Время «От» должно быть раньше времени «До».</translation>
    </message>
</context>
<context>
    <name>CSettingsForm</name>
    <message>
        <source>This folder holds settings already. Load them into the form?</source>
        <translation>В этой папке уже есть настройки. Загрузить их в форму?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a line break, a tab or a character outside plain ASCII, which the camera cannot read.
Nothing was written.</source>
        <translation>«%1» содержит перевод строки, табуляцию или символ не из простого ASCII — камера не сможет это прочитать.
Ничего не записано.</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>Такой папки нет: вставлена ли карта в слот? Или имелась в виду другая папка?</translation>
    </message>
    <message>
        <source>This folder holds no such file: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>В этой папке нет такого файла: сначала выберите папку карты кнопкой «Выбрать».</translation>
    </message>
    <message>
        <source>This folder holds no such file: is it the card&apos;s folder?</source>
        <translation>В этой папке нет такого файла: это точно папка карты?</translation>
    </message>
    <message>
        <source>Nothing in the form was changed.</source>
        <translation>В форме ничего не изменено.</translation>
    </message>
    <message>
        <source>Settings loaded from %1.</source>
        <translation>Настройки загружены из %1.</translation>
    </message>
    <message>
        <source>Select :</source>
        <translation>Выберите папку</translation>
    </message>
    <message>
        <source>&amp;Load from card</source>
        <translation>Загрузить с &amp;карты</translation>
    </message>
</context>
<context>
    <name>CameraSetup</name>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Photo Resolution</source>
        <translation>Фото, Мп</translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Series Photos</source>
        <translation>Серия</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Ролик, с</translation>
    </message>
    <message>
        <source>Beep Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Чувств.</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Метка вр.</translation>
    </message>
    <message>
        <source>IR Led</source>
        <translation>ИК-диоды</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>Порядок даты</translation>
    </message>
    <message>
        <source>Get Time</source>
        <translation>Время ПК</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>М</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>С</translation>
    </message>
    <message>
        <source>Time Interval</source>
        <translation>Интерв.</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ч</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Serial number character 1</source>
        <translation>Номер камеры, символ 1</translation>
    </message>
    <message>
        <source>Serial number character 2</source>
        <translation>Номер камеры, символ 2</translation>
    </message>
    <message>
        <source>Serial number character 3</source>
        <translation>Номер камеры, символ 3</translation>
    </message>
    <message>
        <source>Serial number character 4</source>
        <translation>Номер камеры, символ 4</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>От</translation>
    </message>
    <message>
        <source>End</source>
        <translation>До</translation>
    </message>
    <message>
        <source>Fixed Time</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <source>Window 1 start hour</source>
        <translation>Таймер, период 1, час «От»</translation>
    </message>
    <message>
        <source>Window 1 start minute</source>
        <translation>Таймер, период 1, минуты «От»</translation>
    </message>
    <message>
        <source>Window 1 end hour</source>
        <translation>Таймер, период 1, час «До»</translation>
    </message>
    <message>
        <source>Window 1 end minute</source>
        <translation>Таймер, период 1, минуты «До»</translation>
    </message>
    <message>
        <source>Window 2 start hour</source>
        <translation>Таймер, период 2, час «От»</translation>
    </message>
    <message>
        <source>Window 2 start minute</source>
        <translation>Таймер, период 2, минуты «От»</translation>
    </message>
    <message>
        <source>Window 2 end hour</source>
        <translation>Таймер, период 2, час «До»</translation>
    </message>
    <message>
        <source>Window 2 end minute</source>
        <translation>Таймер, период 2, минуты «До»</translation>
    </message>
    <message>
        <source>Window 3 start hour</source>
        <translation>Таймер, период 3, час «От»</translation>
    </message>
    <message>
        <source>Window 3 start minute</source>
        <translation>Таймер, период 3, минуты «От»</translation>
    </message>
    <message>
        <source>Window 3 end hour</source>
        <translation>Таймер, период 3, час «До»</translation>
    </message>
    <message>
        <source>Window 3 end minute</source>
        <translation>Таймер, период 3, минуты «До»</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Папка назначения</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Настройки камеры</translation>
    </message>
</context>
<context>
    <name>FormWords</name>
    <message>
        <source>The card was removed before the file was complete: put it back and press Generate again.</source>
        <translation>Карту извлекли до того, как файл был записан целиком: вставьте её обратно и снова нажмите «Записать».</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>Такой папки нет: вставлена ли карта в слот? Или имелась в виду другая папка?</translation>
    </message>
    <message>
        <source>It is not a folder: choose the card&apos;s folder with &quot;Select&quot;.</source>
        <translation>Это не папка: выберите папку карты кнопкой «Выбрать».</translation>
    </message>
    <message>
        <source>The card is read-only: is its lock switch set?</source>
        <translation>Карта защищена от записи: не сдвинут ли на ней переключатель блокировки (Lock)?</translation>
    </message>
    <message>
        <source>The card is full.</source>
        <translation>Карта заполнена.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Мешает папка с тем же именем.</translation>
    </message>
    <message>
        <source>Something that is no file is in the way.</source>
        <translation>Мешает что-то с тем же именем, но не файл.</translation>
    </message>
    <message>
        <source>This folder may not be written to: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>В эту папку запись запрещена: сначала выберите папку карты кнопкой «Выбрать».</translation>
    </message>
    <message>
        <source>The file there is read-only, or this folder may not be written to.</source>
        <translation>Файл в этой папке защищён от записи, или запись в эту папку запрещена.</translation>
    </message>
    <message>
        <source>The file could not be created.</source>
        <translation>Не удалось создать файл.</translation>
    </message>
    <message>
        <source>the card is full. Make room on it, or use another card.</source>
        <translation>карта заполнена. Освободите на ней место или возьмите другую карту.</translation>
    </message>
    <message>
        <source>the system lets this program write no file that large.</source>
        <translation>система не разрешает этой программе записывать такие большие файлы.</translation>
    </message>
    <message>
        <source>the card did not take it, as a loose or failing card does. Put it back firmly and press Generate again, or use another card.</source>
        <translation>карта его не приняла — так бывает, когда карта плохо вставлена или неисправна. Вставьте её плотно и снова нажмите «Записать» или возьмите другую карту.</translation>
    </message>
    <message>
        <source>the card turned read-only while it was written, as a failing card does. Use another card, or check this one on a computer.</source>
        <translation>во время записи карта перешла в режим только для чтения — так бывает с неисправной картой. Возьмите другую карту или проверьте эту на компьютере.</translation>
    </message>
    <message>
        <source>the folder&apos;s path is too long. Choose a folder nearer the top of the card.</source>
        <translation>слишком длинный путь к папке. Выберите папку ближе к корню карты.</translation>
    </message>
    <message>
        <source>the file there belongs to another user and may not be replaced.</source>
        <translation>файл в этой папке принадлежит другому пользователю, заменить его нельзя.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Не удалось записать файл: %1</translation>
    </message>
    <message>
        <source>The file was written but reads back differently, as a failing card does: press Generate again, or use another card.</source>
        <translation>Файл записан, но при чтении отличается от записанного — так бывает с неисправной картой: снова нажмите «Записать» или возьмите другую карту.</translation>
    </message>
    <message>
        <source>this program may not read it back from that folder.</source>
        <translation>этой программе не разрешено читать его из этой папки.</translation>
    </message>
    <message>
        <source>the card did not answer, as a loose or failing card does. Put it back firmly and press Generate again.</source>
        <translation>карта не ответила — так бывает, когда карта плохо вставлена или неисправна. Вставьте её плотно и снова нажмите «Записать».</translation>
    </message>
    <message>
        <source>The file was written but could not be checked: %1</source>
        <translation>Файл записан, но проверить его не удалось: %1</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>Файл настроек создан.</translation>
    </message>
    <message>
        <source>The settings are too long for the camera: %1 bytes, at most %2 fit.
Nothing was written.</source>
        <translation>Настройки слишком длинные для камеры: %1 Б, а помещается не более %2 Б.
Ничего не записано.</translation>
    </message>
    <message>
        <source>No card is mounted at %1: nothing was written.</source>
        <translation>В %1 не подключена карта: ничего не записано.</translation>
    </message>
    <message>
        <source>The selected card is no longer there: nothing was written.</source>
        <translation>Выбранная карта больше не подключена: ничего не записано.</translation>
    </message>
    <message>
        <source>The file was written, but another program has replaced it since: the folder now holds that program&apos;s file.</source>
        <translation>Файл записан, но с тех пор его заменила другая программа: теперь в папке лежит её файл.</translation>
    </message>
    <message>
        <source>it holds a value that the form does not offer: the list &quot;%1&quot; has no item %2</source>
        <translation>в нём есть значение, которого нет в форме: в списке «%1» нет пункта %2</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Camera</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Camera+Video</source>
        <translation>Ф+Видео</translation>
    </message>
    <message>
        <source>1 Photo</source>
        <translation>1 фото</translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation>2 фото</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 фото</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>On</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Низк.</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средн.</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высок.</translation>
    </message>
    <message>
        <source>Y/M/D</source>
        <translation>Г/М/Д</translation>
    </message>
    <message>
        <source>D/M/Y</source>
        <translation>Д/М/Г</translation>
    </message>
    <message>
        <source>M/D/Y</source>
        <translation>М/Д/Г</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ручн.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>关于 Kestrivo(&amp;A)...</source>
        <translation>&amp;О программе Kestrivo...</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>Модель камеры</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Настройки камеры</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>Настройки MMS</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>Настройки SMTP</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Setup  V2.1</source>
        <translation>Настройка  V2.1</translation>
    </message>
</context>
<context>
    <name>MmsSetup</name>
    <message>
        <source>MMS Mode</source>
        <translation>Режим MMS</translation>
    </message>
    <message>
        <source>MMS Status</source>
        <translation>Отпр. MMS</translation>
    </message>
    <message>
        <source>MMS Number/Day</source>
        <translation>MMS в день</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>0 = безлимит</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Стр.</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Логин</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Mobile 1</source>
        <translation>Тел. 1</translation>
    </message>
    <message>
        <source>Mobile 2</source>
        <translation>Тел. 2</translation>
    </message>
    <message>
        <source>Mobile 3</source>
        <translation>Тел. 3</translation>
    </message>
    <message>
        <source>Mobile 4</source>
        <translation>Тел. 4</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>E-mail 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-mail 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>E-mail 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>E-mail 4</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Папка назначения</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>Настройки MMS</translation>
    </message>
</context>
<context>
    <name>ReadWords</name>
    <message>
        <source>it is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>the settings are %1 bytes long; a settings file holds at most %2</source>
        <translation>настройки занимают %1 Б, а файл настроек вмещает не более %2 Б</translation>
    </message>
    <message>
        <source>expected key %1, found %2</source>
        <translation>ожидался ключ %1, найдено %2</translation>
    </message>
    <message>
        <source>expected key %1, found the end of the text</source>
        <translation>ожидался ключ %1, но текст закончился</translation>
    </message>
    <message>
        <source>%1 has no line end: the text is cut short</source>
        <translation>после %1 нет конца строки: текст обрезан</translation>
    </message>
    <message>
        <source>the value of %1 holds a byte outside printable ASCII: %2</source>
        <translation>значение %1 содержит байт вне печатных символов ASCII: %2</translation>
    </message>
    <message>
        <source>expected a number for %1, found %2</source>
        <translation>для %1 ожидалось число, найдено %2</translation>
    </message>
    <message>
        <source>the number for %1 is out of range, found %2</source>
        <translation>число для %1 вне допустимого диапазона: %2</translation>
    </message>
    <message>
        <source>expected %1 characters for %2, found %3</source>
        <translation>для %2 ожидалось символов: %1, найдено %3</translation>
    </message>
    <message>
        <source>expected %1 for %2, found %3</source>
        <translation>для %2 ожидалось %1, найдено %3</translation>
    </message>
    <message>
        <source>expected the end of the text, found %1</source>
        <translation>ожидался конец текста, найдено %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>файл не удаётся прочитать: %1</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a settings file holds</source>
        <translation>файл длиннее %1 байт — предела для файла настроек</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>это некорректный файл %1: %2</translation>
    </message>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>Это именованный канал, а не файл</translation>
    </message>
    <message>
        <source>Is a device, not a file</source>
        <translation>Это устройство, а не файл</translation>
    </message>
    <message>
        <source>Is a socket, not a file</source>
        <translation>Это сокет, а не файл</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>Это не обычный файл</translation>
    </message>
    <message>
        <source>The file is not on the selected card</source>
        <translation>Файл находится не на выбранной карте</translation>
    </message>
    <message>
        <source>No card is mounted at the folder</source>
        <translation>В этой папке не подключена карта</translation>
    </message>
    <message>
        <source>No such folder</source>
        <translation>Нет такой папки</translation>
    </message>
    <message>
        <source>Not a folder</source>
        <translation>Это не папка</translation>
    </message>
    <message>
        <source>The card was removed</source>
        <translation>Карту извлекли</translation>
    </message>
    <message>
        <source>The file reads back differently</source>
        <translation>Файл при чтении отличается от записанного</translation>
    </message>
    <message>
        <source>The settings text is too long</source>
        <translation>Текст настроек слишком длинный</translation>
    </message>
</context>
<context>
    <name>ReportForm</name>
    <message>
        <source>Its network values are those of no operator in the lists, so the form shows them in &quot;Manual&quot; mode.</source>
        <translation>Его сетевые параметры не совпадают ни с одним оператором из списков, поэтому форма показывает их в режиме «Ручн.».</translation>
    </message>
    <message>
        <source>Its network values are those of %1 operators (%2): the form shows the first, %3.</source>
        <translation>Его сетевые параметры подходят сразу нескольким операторам (всего %1: %2); форма показывает первого — %3.</translation>
    </message>
    <message>
        <source>There are no MMS network settings for %1 in %2. Choose &quot;Manual&quot; as MMS Mode and type the operator&apos;s settings.</source>
        <translation>Для оператора %1 (%2) нет сетевых настроек MMS. Выберите «Ручн.» в поле «Режим MMS» и введите настройки оператора.</translation>
    </message>
    <message>
        <source>There is no GPRS access point for %1 in %2. Choose &quot;Manual&quot; as SMTP Mode and type the operator&apos;s settings.</source>
        <translation>Для оператора %1 (%2) нет точки доступа GPRS. Выберите «Ручн.» в поле «Режим SMTP» и введите настройки оператора.</translation>
    </message>
</context>
<context>
    <name>SmtpSetup</name>
    <message>
        <source>SMTP Mode</source>
        <translation>Режим SMTP</translation>
    </message>
    <message>
        <source>GPRS Status</source>
        <translation>Отпр. GPRS</translation>
    </message>
    <message>
        <source>Email Number/Day</source>
        <translation>Писем/день</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>0 = безлимит</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Стр.</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Smtp Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Sender Email</source>
        <translation>От</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>E-mail 1</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>E-mail 3</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-mail 2</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>E-mail 4</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Логин</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Папка назначения</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>Настройки SMTP</translation>
    </message>
</context>
<context>
    <name>TrailcamCard</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>%1 takes no %2: the KIND comes right after write</source>
        <translation>%1 не принимает %2: вид файла (KIND) указывается сразу после write</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 не принимает %2</translation>
    </message>
    <message>
        <source>--raw and --json cannot be given together</source>
        <translation>--raw и --json нельзя указывать вместе</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>для %1 нужно значение</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;: camera, mms or smtp</source>
        <translation>неизвестный вид файла «%1»: допустимы camera, mms и smtp</translation>
    </message>
    <message>
        <source>--kind may be given once</source>
        <translation>--kind можно указать только один раз</translation>
    </message>
    <message>
        <source>--from may be given once</source>
        <translation>--from можно указать только один раз</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE, not &apos;%1&apos;</source>
        <translation>для --set нужно KEY=VALUE, а не «%1»</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>не указана команда</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>неизвестная команда «%1»</translation>
    </message>
    <message>
        <source>write needs the kind of file first: camera, mms or smtp</source>
        <translation>после write сначала укажите вид файла: camera, mms или smtp</translation>
    </message>
    <message>
        <source>no FOLDER given</source>
        <translation>не указана папка (FOLDER)</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>не указан файл (FILE)</translation>
    </message>
    <message>
        <source>an empty FOLDER or FILE name was given</source>
        <translation>указано пустое имя папки (FOLDER) или файла (FILE)</translation>
    </message>
    <message>
        <source>an empty FILE name was given</source>
        <translation>указано пустое имя файла (FILE)</translation>
    </message>
    <message>
        <source>standard input (-) may be given once</source>
        <translation>стандартный ввод (-) можно указать только один раз</translation>
    </message>
    <message>
        <source>%1 (see trailcam-card --help)</source>
        <translation>%1 (см. trailcam-card --help)</translation>
    </message>
    <message>
        <source>Usage: trailcam-card show [--kind KIND] [--raw | --json] FILE|FOLDER...
       trailcam-card check [--kind KIND] [--json] FILE|FOLDER...
       trailcam-card write KIND [--from FILE] [--set KEY=VALUE]... FOLDER...
Reads and writes the settings files of a trail camera as trailcam-setup&apos;s forms
make them: CameraSet.dat (KIND camera), MmsSet.dat (mms) and SmtpSet.dat (smtp).
A FOLDER given to show or check stands for every settings file in it; - for a
FILE reads standard input.

  show     print the settings of each FILE in the words of its form
  check    tell whether each FILE holds settings that its form can make
  write    write the form&apos;s defaults, or the settings of --from FILE, each
           --set KEY=VALUE changing the line KEY, into every FOLDER; the
           camera&apos;s clock is taken now unless --set CLK=... gives one.
           A list&apos;s VALUE is its position or its text, as MRES=0 or MRES=1080P

  --kind KIND     which settings file each FILE is, where its name does not say
  --raw           show the file&apos;s own lines
  --json          show or check as JSON
  -h, --help      show this help and exit
      --version   show the version and exit

Exit status: 0 when all went well, 1 when a file or value is wrong or a folder
could not be written, 2 when the command line is wrong.
</source>
        <translation>Запуск: trailcam-card show [--kind KIND] [--raw | --json] FILE|FOLDER...
        trailcam-card check [--kind KIND] [--json] FILE|FOLDER...
        trailcam-card write KIND [--from FILE] [--set KEY=VALUE]... FOLDER...
Читает и записывает файлы настроек фотоловушки так же, как их создают формы
trailcam-setup: CameraSet.dat (KIND camera), MmsSet.dat (mms) и SmtpSet.dat
(smtp). Папка (FOLDER), указанная для show или check, означает все файлы
настроек в ней; - вместо FILE читает стандартный ввод.

  show     показать настройки каждого файла FILE словами его формы
  check    проверить, содержит ли каждый файл FILE настройки, которые может
           создать его форма
  write    записать в каждую папку FOLDER значения формы по умолчанию или
           настройки из --from FILE, где каждый --set KEY=VALUE меняет строку
           KEY; часы камеры берутся в момент записи, если не заданы через
           --set CLK=...
           Значение VALUE для списка — номер пункта или его текст, например
           MRES=0 или MRES=1080P

  --kind KIND     какой это файл настроек, если имя файла об этом не говорит
  --raw           показать собственные строки файла
  --json          вывести результат show или check в формате JSON
  -h, --help      показать эту справку и выйти
      --version   показать версию и выйти

Код возврата: 0 — всё прошло успешно; 1 — неверный файл или значение либо
в папку не удалось записать; 2 — неверная командная строка.
</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>neither its name nor --kind says which settings file it is, and it reads as none of them</source>
        <translation>ни его имя, ни --kind не говорят, какой это файл настроек, и он не читается ни как один из них</translation>
    </message>
    <message>
        <source>%1: OK, %2 (%3)</source>
        <translation>%1: OK, %2 (%3)</translation>
    </message>
    <message>
        <source>--set %1: a value must be printable ASCII, without line breaks, tabs or other characters the camera cannot read</source>
        <translation>--set %1: значение должно состоять из печатных символов ASCII, без переводов строки, табуляций и других символов, которые камера не может прочитать</translation>
    </message>
    <message>
        <source>%1; put it back and write it again</source>
        <translation>%1; вставьте её обратно и запишите ещё раз</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>Файл настроек создан.</translation>
    </message>
    <message>
        <source>not written: the settings are %1 bytes long, at most %2 fit</source>
        <translation>не записано: настройки занимают %1 Б, а помещается не более %2 Б</translation>
    </message>
    <message>
        <source>not written: the form would refuse these settings</source>
        <translation>не записано: форма не приняла бы эти настройки</translation>
    </message>
    <message>
        <source>not written: no card is mounted at %1</source>
        <translation>не записано: в %1 не подключена карта</translation>
    </message>
    <message>
        <source>not written: the card is no longer there</source>
        <translation>не записано: карта больше не подключена</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>не удалось создать файл: %1</translation>
    </message>
    <message>
        <source>%1; give the card&apos;s folder</source>
        <translation>%1; укажите папку карты</translation>
    </message>
    <message>
        <source>%1; is the card&apos;s lock switch set?</source>
        <translation>%1; не сдвинут ли на карте переключатель блокировки (Lock)?</translation>
    </message>
    <message>
        <source>not written: %1</source>
        <translation>не записано: %1</translation>
    </message>
    <message>
        <source>written but not checked: %1</source>
        <translation>записано, но не проверено: %1</translation>
    </message>
    <message>
        <source>%1, as a failing card does; write it again, or use another card</source>
        <translation>%1 — так бывает с неисправной картой; запишите ещё раз или возьмите другую карту</translation>
    </message>
    <message>
        <source>written, but another program has replaced it since</source>
        <translation>записано, но с тех пор файл заменила другая программа</translation>
    </message>
    <message>
        <source>%1 has no key &apos;%2&apos;; its keys are %3</source>
        <translation>в %1 нет ключа «%2»; его ключи: %3</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1; ничего не записано</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>от %1 до %2</translation>
    </message>
    <message>
        <source>a date and time as %1, the layout of %2=%3</source>
        <translation>дата и время в виде %1 — формат для %2=%3</translation>
    </message>
    <message>
        <source>%1=%2: allowed values are %3</source>
        <translation>%1=%2: допустимые значения: %3</translation>
    </message>
    <message>
        <source>the text of the edit, in printable ASCII</source>
        <translation>текст поля, печатными символами ASCII</translation>
    </message>
    <message>
        <source>%1 for %2=%3</source>
        <translation>%1 при %2=%3</translation>
    </message>
    <message>
        <source>a date and time as %1; taken when the file is written unless given</source>
        <translation>дата и время в виде %1; если не заданы, берутся в момент записи файла</translation>
    </message>
    <message>
        <source>as %1</source>
        <translation>в виде %1</translation>
    </message>
    <message>
        <source>%1 characters, each one of %2</source>
        <translation>символов: %1, каждый из %2</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>ошибка записи</translation>
    </message>
    <message>
        <source>%1, %2 (the values of %3 operators: %4)</source>
        <translation>%1, %2 (те же значения у нескольких операторов, всего %3: %4)</translation>
    </message>
    <message>
        <source>%1: the working time %2 must start before it ends on the same day (00:00 00:00 for none)</source>
        <translation>%1: период %2 таймера должен начинаться раньше, чем заканчивается, в пределах одних суток (00:00 00:00 — период не задан)</translation>
    </message>
    <message>
        <source>the folder cannot be read: %1</source>
        <translation>не удаётся прочитать папку: %1</translation>
    </message>
    <message>
        <source>it is a folder without %1</source>
        <translation>это папка, в которой нет %1</translation>
    </message>
    <message>
        <source>it is a folder without %1, %2 or %3</source>
        <translation>это папка, в которой нет ни %1, ни %2, ни %3</translation>
    </message>
    <message>
        <source>%1 (- reads standard input)</source>
        <translation>%1 (- читает стандартный ввод)</translation>
    </message>
    <message>
        <source>it is not a valid %1 (it reads as %2): %3</source>
        <translation>это некорректный файл %1 (он читается как %2): %3</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>это некорректный файл %1: %2</translation>
    </message>
    <message>
        <source>Report bugs at &lt;%1&gt;.</source>
        <translation>Об ошибках сообщайте по адресу &lt;%1&gt;.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>&amp;Свернуть</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Р&amp;азвернуть</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Меню окна</translation>
    </message>
</context>
</TS>
