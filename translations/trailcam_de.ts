<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>Palvenor 2.1 版</source>
        <translation>Palvenor Version 2.1</translation>
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
        <translation>Über Palvenor</translation>
    </message>
</context>
<context>
    <name>CCameraDlg</name>
    <message>
        <source>Timer %1 set error !
Star time need &lt; End time .</source>
        <translation>Arbeitszeit %1 ist falsch eingestellt!
Die Startzeit muss vor der Endzeit liegen.</translation>
    </message>
</context>
<context>
    <name>CSettingsForm</name>
    <message>
        <source>This folder holds settings already. Load them into the form?</source>
        <translation>Dieser Ordner enthält bereits Einstellungen. Sollen sie in das Formular geladen werden?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a line break, a tab or a character outside plain ASCII, which the camera cannot read.
Nothing was written.</source>
        <translation>„%1“ enthält einen Zeilenumbruch, einen Tabulator oder ein Zeichen außerhalb des einfachen ASCII (etwa ä, ö, ü oder ß), das die Kamera nicht lesen kann.
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>Diesen Ordner gibt es nicht: Steckt die Karte in ihrem Steckplatz, oder war ein anderer Ordner gemeint?</translation>
    </message>
    <message>
        <source>This folder holds no such file: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>Diese Datei gibt es in diesem Ordner nicht: Legen Sie zuerst mit „Auswählen“ den Ordner der Karte fest.</translation>
    </message>
    <message>
        <source>This folder holds no such file: is it the card&apos;s folder?</source>
        <translation>Diese Datei gibt es in diesem Ordner nicht: Ist das der Ordner der Karte?</translation>
    </message>
    <message>
        <source>Nothing in the form was changed.</source>
        <translation>Im Formular wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Settings loaded from %1.</source>
        <translation>Einstellungen aus %1 geladen.</translation>
    </message>
    <message>
        <source>Select :</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>&amp;Load from card</source>
        <translation>Von Karte &amp;laden</translation>
    </message>
</context>
<context>
    <name>CameraSetup</name>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Photo Resolution</source>
        <translation>Fotoauflösung</translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation>Videoauflösung</translation>
    </message>
    <message>
        <source>Series Photos</source>
        <translation>Serienbilder</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolänge</translation>
    </message>
    <message>
        <source>Beep Sound</source>
        <translation>Signalton</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Empfindlichkeit</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>IR Led</source>
        <translation>IR-LED</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Datum/Zeit</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>Datumsreihenfolge</translation>
    </message>
    <message>
        <source>Get Time</source>
        <translation>Zeit übernehmen</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-Intervall</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Time Interval</source>
        <translation>Zeitraffer</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Std.</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Serial number character 1</source>
        <translation>Seriennummer, Zeichen 1</translation>
    </message>
    <message>
        <source>Serial number character 2</source>
        <translation>Seriennummer, Zeichen 2</translation>
    </message>
    <message>
        <source>Serial number character 3</source>
        <translation>Seriennummer, Zeichen 3</translation>
    </message>
    <message>
        <source>Serial number character 4</source>
        <translation>Seriennummer, Zeichen 4</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Fixed Time</source>
        <translation>Arbeitszeit</translation>
    </message>
    <message>
        <source>Window 1 start hour</source>
        <translation>Arbeitszeit 1, Start, Stunde</translation>
    </message>
    <message>
        <source>Window 1 start minute</source>
        <translation>Arbeitszeit 1, Start, Minute</translation>
    </message>
    <message>
        <source>Window 1 end hour</source>
        <translation>Arbeitszeit 1, Ende, Stunde</translation>
    </message>
    <message>
        <source>Window 1 end minute</source>
        <translation>Arbeitszeit 1, Ende, Minute</translation>
    </message>
    <message>
        <source>Window 2 start hour</source>
        <translation>Arbeitszeit 2, Start, Stunde</translation>
    </message>
    <message>
        <source>Window 2 start minute</source>
        <translation>Arbeitszeit 2, Start, Minute</translation>
    </message>
    <message>
        <source>Window 2 end hour</source>
        <translation>Arbeitszeit 2, Ende, Stunde</translation>
    </message>
    <message>
        <source>Window 2 end minute</source>
        <translation>Arbeitszeit 2, Ende, Minute</translation>
    </message>
    <message>
        <source>Window 3 start hour</source>
        <translation>Arbeitszeit 3, Start, Stunde</translation>
    </message>
    <message>
        <source>Window 3 start minute</source>
        <translation>Arbeitszeit 3, Start, Minute</translation>
    </message>
    <message>
        <source>Window 3 end hour</source>
        <translation>Arbeitszeit 3, Ende, Stunde</translation>
    </message>
    <message>
        <source>Window 3 end minute</source>
        <translation>Arbeitszeit 3, Ende, Minute</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Kameraeinstellungen</translation>
    </message>
</context>
<context>
    <name>FormWords</name>
    <message>
        <source>The card was removed before the file was complete: put it back and press Generate again.</source>
        <translation>Die Karte wurde entfernt, bevor die Datei vollständig war: Stecken Sie sie wieder ein und klicken Sie erneut auf „Erzeugen“.</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>Diesen Ordner gibt es nicht: Steckt die Karte in ihrem Steckplatz, oder war ein anderer Ordner gemeint?</translation>
    </message>
    <message>
        <source>It is not a folder: choose the card&apos;s folder with &quot;Select&quot;.</source>
        <translation>Das ist kein Ordner: Legen Sie mit „Auswählen“ den Ordner der Karte fest.</translation>
    </message>
    <message>
        <source>The card is read-only: is its lock switch set?</source>
        <translation>Die Karte ist schreibgeschützt: Steht ihr Schreibschutzschalter auf „Lock“?</translation>
    </message>
    <message>
        <source>The card is full.</source>
        <translation>Die Karte ist voll.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Dort gibt es schon einen Ordner mit diesem Namen.</translation>
    </message>
    <message>
        <source>Something that is no file is in the way.</source>
        <translation>Dort gibt es schon etwas mit diesem Namen, das keine Datei ist.</translation>
    </message>
    <message>
        <source>This folder may not be written to: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>In diesen Ordner darf nicht geschrieben werden: Legen Sie zuerst mit „Auswählen“ den Ordner der Karte fest.</translation>
    </message>
    <message>
        <source>The file there is read-only, or this folder may not be written to.</source>
        <translation>Die vorhandene Datei ist schreibgeschützt, oder in diesen Ordner darf nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The file could not be created.</source>
        <translation>Die Datei konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>the card is full. Make room on it, or use another card.</source>
        <translation>Die Karte ist voll. Schaffen Sie Platz darauf, oder nehmen Sie eine andere Karte.</translation>
    </message>
    <message>
        <source>the system lets this program write no file that large.</source>
        <translation>Das System erlaubt diesem Programm keine so große Datei.</translation>
    </message>
    <message>
        <source>the card did not take it, as a loose or failing card does. Put it back firmly and press Generate again, or use another card.</source>
        <translation>Die Karte hat sie nicht angenommen, wie es bei einer lockeren oder defekten Karte vorkommt. Stecken Sie sie fest ein und klicken Sie erneut auf „Erzeugen“, oder nehmen Sie eine andere Karte.</translation>
    </message>
    <message>
        <source>the card turned read-only while it was written, as a failing card does. Use another card, or check this one on a computer.</source>
        <translation>Die Karte wurde beim Schreiben schreibgeschützt, wie es bei einer defekten Karte vorkommt. Nehmen Sie eine andere Karte, oder prüfen Sie diese an einem Computer.</translation>
    </message>
    <message>
        <source>the folder&apos;s path is too long. Choose a folder nearer the top of the card.</source>
        <translation>Der Pfad des Ordners ist zu lang. Wählen Sie einen Ordner weiter oben auf der Karte.</translation>
    </message>
    <message>
        <source>the file there belongs to another user and may not be replaced.</source>
        <translation>Die vorhandene Datei gehört einem anderen Benutzer und darf nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Die Datei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The file was written but reads back differently, as a failing card does: press Generate again, or use another card.</source>
        <translation>Die Datei wurde geschrieben, weicht beim Zurücklesen aber ab, wie es bei einer defekten Karte vorkommt: Klicken Sie erneut auf „Erzeugen“, oder nehmen Sie eine andere Karte.</translation>
    </message>
    <message>
        <source>this program may not read it back from that folder.</source>
        <translation>Dieses Programm darf sie aus diesem Ordner nicht zurücklesen.</translation>
    </message>
    <message>
        <source>the card did not answer, as a loose or failing card does. Put it back firmly and press Generate again.</source>
        <translation>Die Karte hat nicht geantwortet, wie es bei einer lockeren oder defekten Karte vorkommt. Stecken Sie sie fest ein und klicken Sie erneut auf „Erzeugen“.</translation>
    </message>
    <message>
        <source>The file was written but could not be checked: %1</source>
        <translation>Die Datei wurde geschrieben, konnte aber nicht geprüft werden: %1</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>Die Konfigurationsdatei wurde erzeugt.</translation>
    </message>
    <message>
        <source>The settings are too long for the camera: %1 bytes, at most %2 fit.
Nothing was written.</source>
        <translation>Die Einstellungen sind zu lang für die Kamera: %1 Byte, höchstens %2 passen.
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>No card is mounted at %1: nothing was written.</source>
        <translation>Unter %1 ist keine Karte eingebunden: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The selected card is no longer there: nothing was written.</source>
        <translation>Die gewählte Karte ist nicht mehr da: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The file was written, but another program has replaced it since: the folder now holds that program&apos;s file.</source>
        <translation>Die Datei wurde geschrieben, aber ein anderes Programm hat sie inzwischen ersetzt: Im Ordner liegt jetzt dessen Datei.</translation>
    </message>
    <message>
        <source>it holds a value that the form does not offer: the list &quot;%1&quot; has no item %2</source>
        <translation>die Datei enthält einen Wert, den das Formular nicht anbietet: Die Liste „%1“ hat keinen Eintrag %2</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Camera</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Camera+Video</source>
        <translation>Foto+Video</translation>
    </message>
    <message>
        <source>1 Photo</source>
        <translation>1 Foto</translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation>2 Fotos</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 Fotos</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Y/M/D</source>
        <translation>J/M/T</translation>
    </message>
    <message>
        <source>D/M/Y</source>
        <translation>T/M/J</translation>
    </message>
    <message>
        <source>M/D/Y</source>
        <translation>M/T/J</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>关于 Kestrivo(&amp;A)...</source>
        <translation>Ü&amp;ber Kestrivo...</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>Kameramodell</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Kameraeinstellungen</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>MMS-Einstellungen</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>SMTP-Einstellungen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Setup  V2.1</source>
        <translation>Einrichtung V2.1</translation>
    </message>
</context>
<context>
    <name>MmsSetup</name>
    <message>
        <source>MMS Mode</source>
        <translation>MMS-Modus</translation>
    </message>
    <message>
        <source>MMS Status</source>
        <translation>MMS-Status</translation>
    </message>
    <message>
        <source>MMS Number/Day</source>
        <translation>MMS pro Tag</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>0 = unbegrenzt</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Tagesbericht</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>MMSC-URL</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Mobile 1</source>
        <translation>Handy 1</translation>
    </message>
    <message>
        <source>Mobile 2</source>
        <translation>Handy 2</translation>
    </message>
    <message>
        <source>Mobile 3</source>
        <translation>Handy 3</translation>
    </message>
    <message>
        <source>Mobile 4</source>
        <translation>Handy 4</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>E-Mail 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-Mail 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>E-Mail 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>E-Mail 4</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>MMS-Einstellungen</translation>
    </message>
</context>
<context>
    <name>ReadWords</name>
    <message>
        <source>it is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the settings are %1 bytes long; a settings file holds at most %2</source>
        <translation>die Einstellungen sind %1 Byte lang; eine Einstellungsdatei fasst höchstens %2</translation>
    </message>
    <message>
        <source>expected key %1, found %2</source>
        <translation>Schlüssel %1 erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>expected key %1, found the end of the text</source>
        <translation>Schlüssel %1 erwartet, aber der Text ist zu Ende</translation>
    </message>
    <message>
        <source>%1 has no line end: the text is cut short</source>
        <translation>%1 hat kein Zeilenende: der Text ist abgeschnitten</translation>
    </message>
    <message>
        <source>the value of %1 holds a byte outside printable ASCII: %2</source>
        <translation>der Wert von %1 enthält ein Byte außerhalb des druckbaren ASCII: %2</translation>
    </message>
    <message>
        <source>expected a number for %1, found %2</source>
        <translation>Zahl für %1 erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>the number for %1 is out of range, found %2</source>
        <translation>die Zahl für %1 liegt außerhalb des Bereichs, gefunden: %2</translation>
    </message>
    <message>
        <source>expected %1 characters for %2, found %3</source>
        <translation>%1 Zeichen für %2 erwartet, %3 gefunden</translation>
    </message>
    <message>
        <source>expected %1 for %2, found %3</source>
        <translation>%1 für %2 erwartet, %3 gefunden</translation>
    </message>
    <message>
        <source>expected the end of the text, found %1</source>
        <translation>Textende erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a settings file holds</source>
        <translation>die Datei ist länger als die %1 Byte, die eine Einstellungsdatei fasst</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>die Datei ist keine gültige %1: %2</translation>
    </message>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>Ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message>
        <source>Is a device, not a file</source>
        <translation>Ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>Is a socket, not a file</source>
        <translation>Ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>Ist keine normale Datei</translation>
    </message>
    <message>
        <source>The file is not on the selected card</source>
        <translation>Die Datei liegt nicht auf der gewählten Karte</translation>
    </message>
    <message>
        <source>No card is mounted at the folder</source>
        <translation>An diesem Ordner ist keine Karte eingebunden</translation>
    </message>
    <message>
        <source>No such folder</source>
        <translation>Diesen Ordner gibt es nicht</translation>
    </message>
    <message>
        <source>Not a folder</source>
        <translation>Kein Ordner</translation>
    </message>
    <message>
        <source>The card was removed</source>
        <translation>Die Karte wurde entfernt</translation>
    </message>
    <message>
        <source>The file reads back differently</source>
        <translation>Die Datei weicht beim Zurücklesen ab</translation>
    </message>
    <message>
        <source>The settings text is too long</source>
        <translation>Der Einstellungstext ist zu lang</translation>
    </message>
</context>
<context>
    <name>ReportForm</name>
    <message>
        <source>Its network values are those of no operator in the lists, so the form shows them in &quot;Manual&quot; mode.</source>
        <translation>Die Netzwerkwerte der Datei gehören zu keinem Anbieter in den Listen, daher zeigt das Formular sie im Modus „Manuell“.</translation>
    </message>
    <message>
        <source>Its network values are those of %1 operators (%2): the form shows the first, %3.</source>
        <translation>Die Netzwerkwerte der Datei gehören zu %1 Anbietern (%2): Das Formular zeigt den ersten, %3.</translation>
    </message>
    <message>
        <source>There are no MMS network settings for %1 in %2. Choose &quot;Manual&quot; as MMS Mode and type the operator&apos;s settings.</source>
        <translation>Für %1 in %2 gibt es keine MMS-Netzwerkeinstellungen. Wählen Sie als MMS-Modus „Manuell“ und geben Sie die Einstellungen des Anbieters ein.</translation>
    </message>
    <message>
        <source>There is no GPRS access point for %1 in %2. Choose &quot;Manual&quot; as SMTP Mode and type the operator&apos;s settings.</source>
        <translation>Für %1 in %2 gibt es keinen GPRS-Zugangspunkt. Wählen Sie als SMTP-Modus „Manuell“ und geben Sie die Einstellungen des Anbieters ein.</translation>
    </message>
</context>
<context>
    <name>SmtpSetup</name>
    <message>
        <source>SMTP Mode</source>
        <translation>SMTP-Modus</translation>
    </message>
    <message>
        <source>GPRS Status</source>
        <translation>GPRS-Status</translation>
    </message>
    <message>
        <source>Email Number/Day</source>
        <translation>E-Mails pro Tag</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>0 = unbegrenzt</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Tagesbericht</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Smtp Server</source>
        <translation>SMTP-Server</translation>
    </message>
    <message>
        <source>Sender Email</source>
        <translation>Absender</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>E-Mail 1</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>E-Mail 3</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-Mail 2</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>E-Mail 4</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>SMTP-Einstellungen</translation>
    </message>
</context>
<context>
    <name>TrailcamCard</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>%1 takes no %2: the KIND comes right after write</source>
        <translation>%1 kennt kein %2: die Art (KIND) folgt direkt auf write</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 kennt kein %2</translation>
    </message>
    <message>
        <source>--raw and --json cannot be given together</source>
        <translation>--raw und --json können nicht zusammen angegeben werden</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;: camera, mms or smtp</source>
        <translation>unbekannte Art „%1“: camera, mms oder smtp</translation>
    </message>
    <message>
        <source>--kind may be given once</source>
        <translation>--kind darf nur einmal angegeben werden</translation>
    </message>
    <message>
        <source>--from may be given once</source>
        <translation>--from darf nur einmal angegeben werden</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE, not &apos;%1&apos;</source>
        <translation>--set braucht KEY=VALUE, nicht „%1“</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>write needs the kind of file first: camera, mms or smtp</source>
        <translation>write braucht zuerst die Art der Datei: camera, mms oder smtp</translation>
    </message>
    <message>
        <source>no FOLDER given</source>
        <translation>kein Ordner (FOLDER) angegeben</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>keine Datei (FILE) angegeben</translation>
    </message>
    <message>
        <source>an empty FOLDER or FILE name was given</source>
        <translation>ein leerer Ordner- oder Dateiname (FOLDER, FILE) wurde angegeben</translation>
    </message>
    <message>
        <source>an empty FILE name was given</source>
        <translation>ein leerer Dateiname (FILE) wurde angegeben</translation>
    </message>
    <message>
        <source>standard input (-) may be given once</source>
        <translation>die Standardeingabe (-) darf nur einmal angegeben werden</translation>
    </message>
    <message>
        <source>%1 (see trailcam-card --help)</source>
        <translation>%1 (siehe trailcam-card --help)</translation>
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
        <translation>Aufruf: trailcam-card show [--kind KIND] [--raw | --json] FILE|FOLDER...
        trailcam-card check [--kind KIND] [--json] FILE|FOLDER...
        trailcam-card write KIND [--from FILE] [--set KEY=VALUE]... FOLDER...
Liest und schreibt die Einstellungsdateien einer Wildkamera so, wie die
Formulare von trailcam-setup sie erzeugen: CameraSet.dat (KIND camera),
MmsSet.dat (mms) und SmtpSet.dat (smtp). Ein Ordner (FOLDER) steht bei show und
check für jede Einstellungsdatei darin; - als Datei (FILE) liest die
Standardeingabe.

  show     die Einstellungen jeder Datei in den Worten ihres Formulars zeigen
  check    prüfen, ob jede Datei Einstellungen enthält, die ihr Formular
           erzeugen kann
  write    die Standardwerte des Formulars oder die Einstellungen aus
           --from FILE in jeden Ordner (FOLDER) schreiben, jedes
           --set KEY=VALUE ändert dabei die Zeile KEY; als Uhrzeit der Kamera
           gilt der Moment des Schreibens, außer --set CLK=... gibt eine vor.
           Der Wert (VALUE) einer Liste ist ihre Position oder ihr Text,
           z. B. MRES=0 oder MRES=1080P

  --kind KIND     welche Einstellungsdatei jede Datei ist, wo ihr Name es nicht
                  sagt
  --raw           die eigenen Zeilen der Datei zeigen
  --json          show oder check als JSON ausgeben
  -h, --help      diese Hilfe zeigen und beenden
      --version   die Version zeigen und beenden

Exit-Status: 0, wenn alles geklappt hat, 1, wenn eine Datei oder ein Wert
falsch ist oder ein Ordner nicht beschrieben werden konnte, 2, wenn die
Befehlszeile falsch ist.
</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>neither its name nor --kind says which settings file it is, and it reads as none of them</source>
        <translation>weder ihr Name noch --kind gibt an, welche Einstellungsdatei sie ist, und als keine davon ist sie lesbar</translation>
    </message>
    <message>
        <source>%1: OK, %2 (%3)</source>
        <translation>%1: OK, %2 (%3)</translation>
    </message>
    <message>
        <source>--set %1: a value must be printable ASCII, without line breaks, tabs or other characters the camera cannot read</source>
        <translation>--set %1: ein Wert muss druckbares ASCII sein, ohne Zeilenumbrüche, Tabulatoren oder andere Zeichen, die die Kamera nicht lesen kann</translation>
    </message>
    <message>
        <source>%1; put it back and write it again</source>
        <translation>%1; stecken Sie sie wieder ein und schreiben Sie erneut</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>Die Konfigurationsdatei wurde erzeugt.</translation>
    </message>
    <message>
        <source>not written: the settings are %1 bytes long, at most %2 fit</source>
        <translation>nicht geschrieben: die Einstellungen sind %1 Byte lang, höchstens %2 passen</translation>
    </message>
    <message>
        <source>not written: the form would refuse these settings</source>
        <translation>nicht geschrieben: das Formular würde diese Einstellungen ablehnen</translation>
    </message>
    <message>
        <source>not written: no card is mounted at %1</source>
        <translation>nicht geschrieben: unter %1 ist keine Karte eingebunden</translation>
    </message>
    <message>
        <source>not written: the card is no longer there</source>
        <translation>nicht geschrieben: die Karte ist nicht mehr da</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>Datei kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>%1; give the card&apos;s folder</source>
        <translation>%1; geben Sie den Ordner der Karte an</translation>
    </message>
    <message>
        <source>%1; is the card&apos;s lock switch set?</source>
        <translation>%1; steht der Schreibschutzschalter der Karte auf „Lock“?</translation>
    </message>
    <message>
        <source>not written: %1</source>
        <translation>nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>written but not checked: %1</source>
        <translation>geschrieben, aber nicht geprüft: %1</translation>
    </message>
    <message>
        <source>%1, as a failing card does; write it again, or use another card</source>
        <translation>%1, wie bei einer defekten Karte; schreiben Sie erneut, oder nehmen Sie eine andere Karte</translation>
    </message>
    <message>
        <source>written, but another program has replaced it since</source>
        <translation>geschrieben, aber ein anderes Programm hat die Datei inzwischen ersetzt</translation>
    </message>
    <message>
        <source>%1 has no key &apos;%2&apos;; its keys are %3</source>
        <translation>%1 hat keinen Schlüssel „%2“; seine Schlüssel sind %3</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>a date and time as %1, the layout of %2=%3</source>
        <translation>Datum und Uhrzeit als %1, das Format zu %2=%3</translation>
    </message>
    <message>
        <source>%1=%2: allowed values are %3</source>
        <translation>%1=%2: erlaubte Werte sind %3</translation>
    </message>
    <message>
        <source>the text of the edit, in printable ASCII</source>
        <translation>der Text des Eingabefelds, in druckbarem ASCII</translation>
    </message>
    <message>
        <source>%1 for %2=%3</source>
        <translation>%1 bei %2=%3</translation>
    </message>
    <message>
        <source>a date and time as %1; taken when the file is written unless given</source>
        <translation>Datum und Uhrzeit als %1; ohne Angabe der Zeitpunkt, zu dem die Datei geschrieben wird</translation>
    </message>
    <message>
        <source>as %1</source>
        <translation>als %1</translation>
    </message>
    <message>
        <source>%1 characters, each one of %2</source>
        <translation>%1 Zeichen, jedes eines von %2</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>%1, %2 (the values of %3 operators: %4)</source>
        <translation>%1, %2 (die Werte von %3 Anbietern: %4)</translation>
    </message>
    <message>
        <source>%1: the working time %2 must start before it ends on the same day (00:00 00:00 for none)</source>
        <translation>%1: Arbeitszeit %2 muss am selben Tag beginnen, bevor sie endet (00:00 00:00 für keine)</translation>
    </message>
    <message>
        <source>the folder cannot be read: %1</source>
        <translation>der Ordner kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it is a folder without %1</source>
        <translation>das ist ein Ordner ohne %1</translation>
    </message>
    <message>
        <source>it is a folder without %1, %2 or %3</source>
        <translation>das ist ein Ordner ohne %1, %2 oder %3</translation>
    </message>
    <message>
        <source>%1 (- reads standard input)</source>
        <translation>%1 (- liest die Standardeingabe)</translation>
    </message>
    <message>
        <source>it is not a valid %1 (it reads as %2): %3</source>
        <translation>die Datei ist keine gültige %1 (sie ist als %2 lesbar): %3</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>die Datei ist keine gültige %1: %2</translation>
    </message>
    <message>
        <source>Report bugs at &lt;%1&gt;.</source>
        <translation>Fehler melden Sie bitte unter &lt;%1&gt;.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Fenstermenü</translation>
    </message>
</context>
</TS>
