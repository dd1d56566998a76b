<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutBox</name>
    <message>
        <source>Palvenor 2.1 版</source>
        <translation>Palvenor, wersja 2.1</translation>
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
        <translation>O programie Palvenor</translation>
    </message>
</context>
<context>
    <name>CCameraDlg</name>
    <message>
        <source>Timer %1 set error !
Star time need &lt; End time .</source>
        <translation>Błąd w przedziale czasu pracy %1!
Godzina „Od” musi być wcześniejsza niż „Do”.</translation>
    </message>
</context>
<context>
    <name>CSettingsForm</name>
    <message>
        <source>This folder holds settings already. Load them into the form?</source>
        <translation>Ten folder zawiera już ustawienia. Wczytać je do formularza?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a line break, a tab or a character outside plain ASCII, which the camera cannot read.
Nothing was written.</source>
        <translation>„%1” zawiera znak końca wiersza, tabulator lub znak spoza zwykłego ASCII, którego kamera nie odczyta.
Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>Nie ma takiego folderu: czy karta jest w gnieździe? A może chodziło o inny folder?</translation>
    </message>
    <message>
        <source>This folder holds no such file: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>W tym folderze nie ma takiego pliku: najpierw wybierz folder karty przyciskiem „Wybierz”.</translation>
    </message>
    <message>
        <source>This folder holds no such file: is it the card&apos;s folder?</source>
        <translation>W tym folderze nie ma takiego pliku: czy to na pewno folder karty?</translation>
    </message>
    <message>
        <source>Nothing in the form was changed.</source>
        <translation>W formularzu nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Settings loaded from %1.</source>
        <translation>Wczytano ustawienia z %1.</translation>
    </message>
    <message>
        <source>Select :</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>&amp;Load from card</source>
        <translation>&amp;Wczytaj z karty</translation>
    </message>
</context>
<context>
    <name>CameraSetup</name>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Photo Resolution</source>
        <translation>Rozdz. zdjęć</translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation>Rozdz. wideo</translation>
    </message>
    <message>
        <source>Series Photos</source>
        <translation>Seria zdjęć</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Długość wideo</translation>
    </message>
    <message>
        <source>Beep Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Czułość</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Znacznik czasu</translation>
    </message>
    <message>
        <source>IR Led</source>
        <translation>Moc diod IR</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>Kolejność daty</translation>
    </message>
    <message>
        <source>Get Time</source>
        <translation>Pobierz czas</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>Interwał PIR</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Sek</translation>
    </message>
    <message>
        <source>Time Interval</source>
        <translation>Poklatkowy</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Godz.</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Nr seryjny</translation>
    </message>
    <message>
        <source>Serial number character 1</source>
        <translation>Numer seryjny, znak 1</translation>
    </message>
    <message>
        <source>Serial number character 2</source>
        <translation>Numer seryjny, znak 2</translation>
    </message>
    <message>
        <source>Serial number character 3</source>
        <translation>Numer seryjny, znak 3</translation>
    </message>
    <message>
        <source>Serial number character 4</source>
        <translation>Numer seryjny, znak 4</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fixed Time</source>
        <translation>Czas pracy</translation>
    </message>
    <message>
        <source>Window 1 start hour</source>
        <translation>Przedział 1, godzina od</translation>
    </message>
    <message>
        <source>Window 1 start minute</source>
        <translation>Przedział 1, minuta od</translation>
    </message>
    <message>
        <source>Window 1 end hour</source>
        <translation>Przedział 1, godzina do</translation>
    </message>
    <message>
        <source>Window 1 end minute</source>
        <translation>Przedział 1, minuta do</translation>
    </message>
    <message>
        <source>Window 2 start hour</source>
        <translation>Przedział 2, godzina od</translation>
    </message>
    <message>
        <source>Window 2 start minute</source>
        <translation>Przedział 2, minuta od</translation>
    </message>
    <message>
        <source>Window 2 end hour</source>
        <translation>Przedział 2, godzina do</translation>
    </message>
    <message>
        <source>Window 2 end minute</source>
        <translation>Przedział 2, minuta do</translation>
    </message>
    <message>
        <source>Window 3 start hour</source>
        <translation>Przedział 3, godzina od</translation>
    </message>
    <message>
        <source>Window 3 start minute</source>
        <translation>Przedział 3, minuta od</translation>
    </message>
    <message>
        <source>Window 3 end hour</source>
        <translation>Przedział 3, godzina do</translation>
    </message>
    <message>
        <source>Window 3 end minute</source>
        <translation>Przedział 3, minuta do</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Folder docelowy</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Ustawienia kamery</translation>
    </message>
</context>
<context>
    <name>FormWords</name>
    <message>
        <source>The card was removed before the file was complete: put it back and press Generate again.</source>
        <translation>Kartę wyjęto, zanim plik został zapisany w całości: włóż ją z powrotem i ponownie naciśnij „Zapisz”.</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>Nie ma takiego folderu: czy karta jest w gnieździe? A może chodziło o inny folder?</translation>
    </message>
    <message>
        <source>It is not a folder: choose the card&apos;s folder with &quot;Select&quot;.</source>
        <translation>To nie jest folder: wybierz folder karty przyciskiem „Wybierz”.</translation>
    </message>
    <message>
        <source>The card is read-only: is its lock switch set?</source>
        <translation>Karta jest tylko do odczytu: czy nie jest przesunięty jej przełącznik blokady zapisu (Lock)?</translation>
    </message>
    <message>
        <source>The card is full.</source>
        <translation>Karta jest pełna.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Przeszkadza folder o tej samej nazwie.</translation>
    </message>
    <message>
        <source>Something that is no file is in the way.</source>
        <translation>Przeszkadza coś o tej samej nazwie, co nie jest plikiem.</translation>
    </message>
    <message>
        <source>This folder may not be written to: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>Do tego folderu nie można zapisywać: najpierw wybierz folder karty przyciskiem „Wybierz”.</translation>
    </message>
    <message>
        <source>The file there is read-only, or this folder may not be written to.</source>
        <translation>Plik w tym folderze jest tylko do odczytu albo do tego folderu nie można zapisywać.</translation>
    </message>
    <message>
        <source>The file could not be created.</source>
        <translation>Nie udało się utworzyć pliku.</translation>
    </message>
    <message>
        <source>the card is full. Make room on it, or use another card.</source>
        <translation>karta jest pełna. Zwolnij na niej miejsce albo użyj innej karty.</translation>
    </message>
    <message>
        <source>the system lets this program write no file that large.</source>
        <translation>system nie pozwala temu programowi zapisać tak dużego pliku.</translation>
    </message>
    <message>
        <source>the card did not take it, as a loose or failing card does. Put it back firmly and press Generate again, or use another card.</source>
        <translation>karta go nie przyjęła, jak to bywa z luźno włożoną lub uszkodzoną kartą. Włóż ją mocno z powrotem i ponownie naciśnij „Zapisz” albo użyj innej karty.</translation>
    </message>
    <message>
        <source>the card turned read-only while it was written, as a failing card does. Use another card, or check this one on a computer.</source>
        <translation>podczas zapisu karta przeszła w tryb tylko do odczytu, jak to bywa z uszkodzoną kartą. Użyj innej karty albo sprawdź tę na komputerze.</translation>
    </message>
    <message>
        <source>the folder&apos;s path is too long. Choose a folder nearer the top of the card.</source>
        <translation>ścieżka folderu jest za długa. Wybierz folder bliżej katalogu głównego karty.</translation>
    </message>
    <message>
        <source>the file there belongs to another user and may not be replaced.</source>
        <translation>plik w tym folderze należy do innego użytkownika i nie można go zastąpić.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Nie udało się zapisać pliku: %1</translation>
    </message>
    <message>
        <source>The file was written but reads back differently, as a failing card does: press Generate again, or use another card.</source>
        <translation>Plik zapisano, ale po odczytaniu różni się od zapisanego, jak to bywa z uszkodzoną kartą: ponownie naciśnij „Zapisz” albo użyj innej karty.</translation>
    </message>
    <message>
        <source>this program may not read it back from that folder.</source>
        <translation>ten program nie ma prawa odczytać go z tego folderu.</translation>
    </message>
    <message>
        <source>the card did not answer, as a loose or failing card does. Put it back firmly and press Generate again.</source>
        <translation>karta nie odpowiedziała, jak to bywa z luźno włożoną lub uszkodzoną kartą. Włóż ją mocno z powrotem i ponownie naciśnij „Zapisz”.</translation>
    </message>
    <message>
        <source>The file was written but could not be checked: %1</source>
        <translation>Plik zapisano, ale nie udało się go sprawdzić: %1</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>Plik ustawień został utworzony.</translation>
    </message>
    <message>
        <source>The settings are too long for the camera: %1 bytes, at most %2 fit.
Nothing was written.</source>
        <translation>Ustawienia są za długie dla kamery: %1 B, a mieści się najwyżej %2 B.
Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>No card is mounted at %1: nothing was written.</source>
        <translation>W %1 nie jest zamontowana żadna karta: nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>The selected card is no longer there: nothing was written.</source>
        <translation>Wybranej karty już nie ma: nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>The file was written, but another program has replaced it since: the folder now holds that program&apos;s file.</source>
        <translation>Plik zapisano, ale od tego czasu zastąpił go inny program: w folderze jest teraz plik tamtego programu.</translation>
    </message>
    <message>
        <source>it holds a value that the form does not offer: the list &quot;%1&quot; has no item %2</source>
        <translation>zawiera wartość, której formularz nie oferuje: lista „%1” nie ma pozycji %2</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Camera</source>
        <translation>Zdjęcia</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Wideo</translation>
    </message>
    <message>
        <source>Camera+Video</source>
        <translation>Zdjęcia+Wideo</translation>
    </message>
    <message>
        <source>1 Photo</source>
        <translation>1 zdjęcie</translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation>2 zdjęcia</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 zdjęcia</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niska</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średnia</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoka</translation>
    </message>
    <message>
        <source>Y/M/D</source>
        <translation>R/M/D</translation>
    </message>
    <message>
        <source>D/M/Y</source>
        <translation>D/M/R</translation>
    </message>
    <message>
        <source>M/D/Y</source>
        <translation>M/D/R</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ręcznie</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>关于 Kestrivo(&amp;A)...</source>
        <translation>&amp;O programie Kestrivo...</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>Model kamery</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Ustawienia kamery</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>Ustawienia MMS</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>Ustawienia SMTP</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Setup  V2.1</source>
        <translation>Konfiguracja  V2.1</translation>
    </message>
</context>
<context>
    <name>MmsSetup</name>
    <message>
        <source>MMS Mode</source>
        <translation>Tryb MMS</translation>
    </message>
    <message>
        <source>MMS Status</source>
        <translation>Wysyłka MMS</translation>
    </message>
    <message>
        <source>MMS Number/Day</source>
        <translation>MMS na dzień</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>Uwaga: 0 = bez limitu</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Raport dzienny</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Kraj</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
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
        <translation>Brama</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Mobile 1</source>
        <translation>Telefon 1</translation>
    </message>
    <message>
        <source>Mobile 2</source>
        <translation>Telefon 2</translation>
    </message>
    <message>
        <source>Mobile 3</source>
        <translation>Telefon 3</translation>
    </message>
    <message>
        <source>Mobile 4</source>
        <translation>Telefon 4</translation>
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
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Folder docelowy</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>Ustawienia MMS</translation>
    </message>
</context>
<context>
    <name>ReadWords</name>
    <message>
        <source>it is empty</source>
        <translation>plik jest pusty</translation>
    </message>
    <message>
        <source>the settings are %1 bytes long; a settings file holds at most %2</source>
        <translation>ustawienia mają %1 B, a plik ustawień mieści najwyżej %2 B</translation>
    </message>
    <message>
        <source>expected key %1, found %2</source>
        <translation>oczekiwano klucza %1, znaleziono %2</translation>
    </message>
    <message>
        <source>expected key %1, found the end of the text</source>
        <translation>oczekiwano klucza %1, a tekst się skończył</translation>
    </message>
    <message>
        <source>%1 has no line end: the text is cut short</source>
        <translation>po %1 brak końca wiersza: tekst jest ucięty</translation>
    </message>
    <message>
        <source>the value of %1 holds a byte outside printable ASCII: %2</source>
        <translation>wartość %1 zawiera bajt spoza drukowalnych znaków ASCII: %2</translation>
    </message>
    <message>
        <source>expected a number for %1, found %2</source>
        <translation>oczekiwano liczby dla %1, znaleziono %2</translation>
    </message>
    <message>
        <source>the number for %1 is out of range, found %2</source>
        <translation>liczba dla %1 jest poza zakresem: %2</translation>
    </message>
    <message>
        <source>expected %1 characters for %2, found %3</source>
        <translation>oczekiwano dla %2 liczby znaków: %1, znaleziono %3</translation>
    </message>
    <message>
        <source>expected %1 for %2, found %3</source>
        <translation>oczekiwano %1 dla %2, znaleziono %3</translation>
    </message>
    <message>
        <source>expected the end of the text, found %1</source>
        <translation>oczekiwano końca tekstu, znaleziono %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>nie można go odczytać: %1</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a settings file holds</source>
        <translation>plik jest dłuższy niż %1 bajtów – tyle najwyżej mieści plik ustawień</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>to nie jest poprawny plik %1: %2</translation>
    </message>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>To potok nazwany, a nie plik</translation>
    </message>
    <message>
        <source>Is a device, not a file</source>
        <translation>To urządzenie, a nie plik</translation>
    </message>
    <message>
        <source>Is a socket, not a file</source>
        <translation>To gniazdo, a nie plik</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>The file is not on the selected card</source>
        <translation>Plik nie leży na wybranej karcie</translation>
    </message>
    <message>
        <source>No card is mounted at the folder</source>
        <translation>W tym folderze nie jest zamontowana żadna karta</translation>
    </message>
    <message>
        <source>No such folder</source>
        <translation>Nie ma takiego folderu</translation>
    </message>
    <message>
        <source>Not a folder</source>
        <translation>To nie jest folder</translation>
    </message>
    <message>
        <source>The card was removed</source>
        <translation>Kartę wyjęto</translation>
    </message>
    <message>
        <source>The file reads back differently</source>
        <translation>Plik po odczytaniu różni się od zapisanego</translation>
    </message>
    <message>
        <source>The settings text is too long</source>
        <translation>Tekst ustawień jest za długi</translation>
    </message>
</context>
<context>
    <name>ReportForm</name>
    <message>
        <source>Its network values are those of no operator in the lists, so the form shows them in &quot;Manual&quot; mode.</source>
        <translation>Jego parametry sieci nie pasują do żadnego operatora z list, więc formularz pokazuje je w trybie „Ręcznie”.</translation>
    </message>
    <message>
        <source>Its network values are those of %1 operators (%2): the form shows the first, %3.</source>
        <translation>Jego parametry sieci pasują do kilku operatorów (razem %1: %2): formularz pokazuje pierwszego, %3.</translation>
    </message>
    <message>
        <source>There are no MMS network settings for %1 in %2. Choose &quot;Manual&quot; as MMS Mode and type the operator&apos;s settings.</source>
        <translation>Brak ustawień sieci MMS dla operatora %1 (%2). Wybierz „Ręcznie” w polu „Tryb MMS” i wpisz ustawienia operatora.</translation>
    </message>
    <message>
        <source>There is no GPRS access point for %1 in %2. Choose &quot;Manual&quot; as SMTP Mode and type the operator&apos;s settings.</source>
        <translation>Brak punktu dostępu GPRS dla operatora %1 (%2). Wybierz „Ręcznie” w polu „Tryb SMTP” i wpisz ustawienia operatora.</translation>
    </message>
</context>
<context>
    <name>SmtpSetup</name>
    <message>
        <source>SMTP Mode</source>
        <translation>Tryb SMTP</translation>
    </message>
    <message>
        <source>GPRS Status</source>
        <translation>Wysyłka GPRS</translation>
    </message>
    <message>
        <source>Email Number/Day</source>
        <translation>E-maili na dzień</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>Uwaga: 0 = bez limitu</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Raport dzienny</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Kraj</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Smtp Server</source>
        <translation>Serwer SMTP</translation>
    </message>
    <message>
        <source>Sender Email</source>
        <translation>Nadawca</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
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
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Folder docelowy</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>Ustawienia SMTP</translation>
    </message>
</context>
<context>
    <name>TrailcamCard</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>%1 takes no %2: the KIND comes right after write</source>
        <translation>%1 nie przyjmuje %2: rodzaj pliku (KIND) podaje się zaraz po write</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 nie przyjmuje %2</translation>
    </message>
    <message>
        <source>--raw and --json cannot be given together</source>
        <translation>nie można podać jednocześnie --raw i --json</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;: camera, mms or smtp</source>
        <translation>nieznany rodzaj pliku „%1”: dozwolone są camera, mms i smtp</translation>
    </message>
    <message>
        <source>--kind may be given once</source>
        <translation>--kind można podać tylko raz</translation>
    </message>
    <message>
        <source>--from may be given once</source>
        <translation>--from można podać tylko raz</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE, not &apos;%1&apos;</source>
        <translation>--set wymaga KEY=VALUE, a nie „%1”</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nie podano polecenia</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>nieznane polecenie „%1”</translation>
    </message>
    <message>
        <source>write needs the kind of file first: camera, mms or smtp</source>
        <translation>po write najpierw podaj rodzaj pliku: camera, mms lub smtp</translation>
    </message>
    <message>
        <source>no FOLDER given</source>
        <translation>nie podano folderu (FOLDER)</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>nie podano pliku (FILE)</translation>
    </message>
    <message>
        <source>an empty FOLDER or FILE name was given</source>
        <translation>podano pustą nazwę folderu (FOLDER) lub pliku (FILE)</translation>
    </message>
    <message>
        <source>an empty FILE name was given</source>
        <translation>podano pustą nazwę pliku (FILE)</translation>
    </message>
    <message>
        <source>standard input (-) may be given once</source>
        <translation>standardowe wejście (-) można podać tylko raz</translation>
    </message>
    <message>
        <source>%1 (see trailcam-card --help)</source>
        <translation>%1 (zobacz trailcam-card --help)</translation>
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
        <translation>Użycie: trailcam-card show [--kind KIND] [--raw | --json] FILE|FOLDER...
        trailcam-card check [--kind KIND] [--json] FILE|FOLDER...
        trailcam-card write KIND [--from FILE] [--set KEY=VALUE]... FOLDER...
Czyta i zapisuje pliki ustawień fotopułapki tak, jak tworzą je formularze
trailcam-setup: CameraSet.dat (KIND camera), MmsSet.dat (mms) i SmtpSet.dat
(smtp). Folder (FOLDER) podany dla show lub check oznacza wszystkie pliki
ustawień w nim; - zamiast FILE czyta standardowe wejście.

  show     wypisz ustawienia każdego pliku FILE słowami jego formularza
  check    sprawdź, czy każdy plik FILE zawiera ustawienia, które może
           utworzyć jego formularz
  write    zapisz do każdego folderu FOLDER domyślne ustawienia formularza
           albo ustawienia z --from FILE, przy czym każde --set KEY=VALUE
           zmienia wiersz KEY; zegar kamery dostaje czas z chwili zapisu,
           chyba że inny poda --set CLK=...
           Wartość VALUE listy to numer pozycji albo jej tekst, np. MRES=0
           lub MRES=1080P

  --kind KIND     który to plik ustawień, gdy nie wynika to z jego nazwy
  --raw           pokaż własne wiersze pliku
  --json          wynik show lub check w formacie JSON
  -h, --help      pokaż tę pomoc i zakończ
      --version   pokaż wersję i zakończ

Kod wyjścia: 0, gdy wszystko się udało; 1, gdy plik lub wartość są błędne
albo nie udało się zapisać do folderu; 2, gdy wiersz poleceń jest błędny.
</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>plik jest pusty</translation>
    </message>
    <message>
        <source>neither its name nor --kind says which settings file it is, and it reads as none of them</source>
        <translation>ani jego nazwa, ani --kind nie mówią, który to plik ustawień, a nie da się go odczytać jako żadnego z nich</translation>
    </message>
    <message>
        <source>%1: OK, %2 (%3)</source>
        <translation>%1: OK, %2 (%3)</translation>
    </message>
    <message>
        <source>--set %1: a value must be printable ASCII, without line breaks, tabs or other characters the camera cannot read</source>
        <translation>--set %1: wartość musi składać się z drukowalnych znaków ASCII, bez znaków końca wiersza, tabulatorów i innych znaków, których kamera nie odczyta</translation>
    </message>
    <message>
        <source>%1; put it back and write it again</source>
        <translation>%1; włóż ją z powrotem i zapisz ponownie</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>Plik ustawień został utworzony.</translation>
    </message>
    <message>
        <source>not written: the settings are %1 bytes long, at most %2 fit</source>
        <translation>nie zapisano: ustawienia mają %1 B, a mieści się najwyżej %2 B</translation>
    </message>
    <message>
        <source>not written: the form would refuse these settings</source>
        <translation>nie zapisano: formularz odrzuciłby te ustawienia</translation>
    </message>
    <message>
        <source>not written: no card is mounted at %1</source>
        <translation>nie zapisano: w %1 nie jest zamontowana żadna karta</translation>
    </message>
    <message>
        <source>not written: the card is no longer there</source>
        <translation>nie zapisano: karty już nie ma</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>nie można utworzyć pliku: %1</translation>
    </message>
    <message>
        <source>%1; give the card&apos;s folder</source>
        <translation>%1; podaj folder karty</translation>
    </message>
    <message>
        <source>%1; is the card&apos;s lock switch set?</source>
        <translation>%1; czy nie jest przesunięty przełącznik blokady zapisu karty (Lock)?</translation>
    </message>
    <message>
        <source>not written: %1</source>
        <translation>nie zapisano: %1</translation>
    </message>
    <message>
        <source>written but not checked: %1</source>
        <translation>zapisano, ale nie sprawdzono: %1</translation>
    </message>
    <message>
        <source>%1, as a failing card does; write it again, or use another card</source>
        <translation>%1, jak to bywa z uszkodzoną kartą; zapisz ponownie albo użyj innej karty</translation>
    </message>
    <message>
        <source>written, but another program has replaced it since</source>
        <translation>zapisano, ale od tego czasu zastąpił go inny program</translation>
    </message>
    <message>
        <source>%1 has no key &apos;%2&apos;; its keys are %3</source>
        <translation>%1 nie ma klucza „%2”; jego klucze to %3</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1; nic nie zostało zapisane</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>a date and time as %1, the layout of %2=%3</source>
        <translation>data i czas w postaci %1, układ dla %2=%3</translation>
    </message>
    <message>
        <source>%1=%2: allowed values are %3</source>
        <translation>%1=%2: dozwolone wartości to %3</translation>
    </message>
    <message>
        <source>the text of the edit, in printable ASCII</source>
        <translation>tekst pola, w drukowalnych znakach ASCII</translation>
    </message>
    <message>
        <source>%1 for %2=%3</source>
        <translation>%1 dla %2=%3</translation>
    </message>
    <message>
        <source>a date and time as %1; taken when the file is written unless given</source>
        <translation>data i czas w postaci %1; jeśli nie podano, brane w chwili zapisu pliku</translation>
    </message>
    <message>
        <source>as %1</source>
        <translation>w postaci %1</translation>
    </message>
    <message>
        <source>%1 characters, each one of %2</source>
        <translation>liczba znaków: %1, każdy spośród %2</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>błąd zapisu</translation>
    </message>
    <message>
        <source>%1, %2 (the values of %3 operators: %4)</source>
        <translation>%1, %2 (te same wartości ma kilku operatorów, razem %3: %4)</translation>
    </message>
    <message>
        <source>%1: the working time %2 must start before it ends on the same day (00:00 00:00 for none)</source>
        <translation>%1: przedział czasu pracy %2 musi się zaczynać, zanim się skończy, w obrębie jednej doby (00:00 00:00 oznacza brak przedziału)</translation>
    </message>
    <message>
        <source>the folder cannot be read: %1</source>
        <translation>nie można odczytać folderu: %1</translation>
    </message>
    <message>
        <source>it is a folder without %1</source>
        <translation>to folder bez pliku %1</translation>
    </message>
    <message>
        <source>it is a folder without %1, %2 or %3</source>
        <translation>to folder bez plików %1, %2 ani %3</translation>
    </message>
    <message>
        <source>%1 (- reads standard input)</source>
        <translation>%1 (- czyta standardowe wejście)</translation>
    </message>
    <message>
        <source>it is not a valid %1 (it reads as %2): %3</source>
        <translation>to nie jest poprawny plik %1 (odczytuje się jako %2): %3</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>to nie jest poprawny plik %1: %2</translation>
    </message>
    <message>
        <source>Report bugs at &lt;%1&gt;.</source>
        <translation>Błędy prosimy zgłaszać pod adresem &lt;%1&gt;.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimalizuj</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ksymalizuj</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menu okna</translation>
    </message>
</context>
</TS>
