<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutBox</name>
    <message>
        <source>Palvenor 2.1 版</source>
        <translation>Palvenor versie 2.1</translation>
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
        <translation>Over Palvenor</translation>
    </message>
</context>
<context>
    <name>CCameraDlg</name>
    <message>
        <source>Timer %1 set error !
Star time need &lt; End time .</source>
        <translation>Werktijd %1 is verkeerd ingesteld!
De begintijd moet vóór de eindtijd liggen.</translation>
    </message>
</context>
<context>
    <name>CSettingsForm</name>
    <message>
        <source>This folder holds settings already. Load them into the form?</source>
        <translation>Deze map bevat al instellingen. Wil je ze in het formulier laden?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a line break, a tab or a character outside plain ASCII, which the camera cannot read.
Nothing was written.</source>
        <translation>‘%1’ bevat een regeleinde, een tab of een teken buiten gewone ASCII (bijvoorbeeld é of ë) dat de camera niet kan lezen.
Er is niets geschreven.</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>Deze map bestaat niet: zit de kaart in de sleuf, of was een andere map bedoeld?</translation>
    </message>
    <message>
        <source>This folder holds no such file: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>Dit bestand staat niet in deze map: kies eerst met ‘Selecteren’ de map van de kaart.</translation>
    </message>
    <message>
        <source>This folder holds no such file: is it the card&apos;s folder?</source>
        <translation>Dit bestand staat niet in deze map: is dit wel de map van de kaart?</translation>
    </message>
    <message>
        <source>Nothing in the form was changed.</source>
        <translation>Er is niets in het formulier gewijzigd.</translation>
    </message>
    <message>
        <source>Settings loaded from %1.</source>
        <translation>Instellingen geladen uit %1.</translation>
    </message>
    <message>
        <source>Select :</source>
        <translation>Map selecteren</translation>
    </message>
    <message>
        <source>&amp;Load from card</source>
        <translation>Van kaart &amp;laden</translation>
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
        <translation>Fotoresolutie</translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation>Videoresolutie</translation>
    </message>
    <message>
        <source>Series Photos</source>
        <translation>Aantal foto&apos;s</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolengte</translation>
    </message>
    <message>
        <source>Beep Sound</source>
        <translation>Pieptoon</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Gevoeligheid</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Tijdstempel</translation>
    </message>
    <message>
        <source>IR Led</source>
        <translation>IR-led</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Datum/tijd</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>Datumvolgorde</translation>
    </message>
    <message>
        <source>Get Time</source>
        <translation>Tijd ophalen</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-interval</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Sec</translation>
    </message>
    <message>
        <source>Time Interval</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Uur</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Serial number character 1</source>
        <translation>Serienummer, teken 1</translation>
    </message>
    <message>
        <source>Serial number character 2</source>
        <translation>Serienummer, teken 2</translation>
    </message>
    <message>
        <source>Serial number character 3</source>
        <translation>Serienummer, teken 3</translation>
    </message>
    <message>
        <source>Serial number character 4</source>
        <translation>Serienummer, teken 4</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>Fixed Time</source>
        <translation>Werktijd</translation>
    </message>
    <message>
        <source>Window 1 start hour</source>
        <translation>Werktijd 1, begin, uur</translation>
    </message>
    <message>
        <source>Window 1 start minute</source>
        <translation>Werktijd 1, begin, minuut</translation>
    </message>
    <message>
        <source>Window 1 end hour</source>
        <translation>Werktijd 1, einde, uur</translation>
    </message>
    <message>
        <source>Window 1 end minute</source>
        <translation>Werktijd 1, einde, minuut</translation>
    </message>
    <message>
        <source>Window 2 start hour</source>
        <translation>Werktijd 2, begin, uur</translation>
    </message>
    <message>
        <source>Window 2 start minute</source>
        <translation>Werktijd 2, begin, minuut</translation>
    </message>
    <message>
        <source>Window 2 end hour</source>
        <translation>Werktijd 2, einde, uur</translation>
    </message>
    <message>
        <source>Window 2 end minute</source>
        <translation>Werktijd 2, einde, minuut</translation>
    </message>
    <message>
        <source>Window 3 start hour</source>
        <translation>Werktijd 3, begin, uur</translation>
    </message>
    <message>
        <source>Window 3 start minute</source>
        <translation>Werktijd 3, begin, minuut</translation>
    </message>
    <message>
        <source>Window 3 end hour</source>
        <translation>Werktijd 3, einde, uur</translation>
    </message>
    <message>
        <source>Window 3 end minute</source>
        <translation>Werktijd 3, einde, minuut</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Doelmap</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Aanmaken</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Camera-instellingen</translation>
    </message>
</context>
<context>
    <name>FormWords</name>
    <message>
        <source>The card was removed before the file was complete: put it back and press Generate again.</source>
        <translation>De kaart is verwijderd voordat het bestand compleet was: plaats hem terug en klik opnieuw op ‘Aanmaken’.</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>Deze map bestaat niet: zit de kaart in de sleuf, of was een andere map bedoeld?</translation>
    </message>
    <message>
        <source>It is not a folder: choose the card&apos;s folder with &quot;Select&quot;.</source>
        <translation>Dit is geen map: kies met ‘Selecteren’ de map van de kaart.</translation>
    </message>
    <message>
        <source>The card is read-only: is its lock switch set?</source>
        <translation>De kaart is alleen-lezen: staat het schuifje voor schrijfbeveiliging op ‘Lock’?</translation>
    </message>
    <message>
        <source>The card is full.</source>
        <translation>De kaart is vol.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Er staat al een map met die naam.</translation>
    </message>
    <message>
        <source>Something that is no file is in the way.</source>
        <translation>Er staat al iets met die naam dat geen bestand is.</translation>
    </message>
    <message>
        <source>This folder may not be written to: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>In deze map mag niet worden geschreven: kies eerst met ‘Selecteren’ de map van de kaart.</translation>
    </message>
    <message>
        <source>The file there is read-only, or this folder may not be written to.</source>
        <translation>Het bestaande bestand is alleen-lezen, of in deze map mag niet worden geschreven.</translation>
    </message>
    <message>
        <source>The file could not be created.</source>
        <translation>Het bestand kon niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>the card is full. Make room on it, or use another card.</source>
        <translation>de kaart is vol. Maak er ruimte op, of gebruik een andere kaart.</translation>
    </message>
    <message>
        <source>the system lets this program write no file that large.</source>
        <translation>het systeem staat dit programma geen zo groot bestand toe.</translation>
    </message>
    <message>
        <source>the card did not take it, as a loose or failing card does. Put it back firmly and press Generate again, or use another card.</source>
        <translation>de kaart heeft het niet aangenomen, zoals bij een losse of defecte kaart gebeurt. Duw hem stevig terug en klik opnieuw op ‘Aanmaken’, of gebruik een andere kaart.</translation>
    </message>
    <message>
        <source>the card turned read-only while it was written, as a failing card does. Use another card, or check this one on a computer.</source>
        <translation>de kaart werd tijdens het schrijven alleen-lezen, zoals bij een defecte kaart gebeurt. Gebruik een andere kaart, of controleer deze op een computer.</translation>
    </message>
    <message>
        <source>the folder&apos;s path is too long. Choose a folder nearer the top of the card.</source>
        <translation>het pad van de map is te lang. Kies een map die hoger op de kaart ligt.</translation>
    </message>
    <message>
        <source>the file there belongs to another user and may not be replaced.</source>
        <translation>het bestaande bestand is van een andere gebruiker en mag niet worden vervangen.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Het bestand kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>The file was written but reads back differently, as a failing card does: press Generate again, or use another card.</source>
        <translation>Het bestand is geschreven, maar leest anders terug, zoals bij een defecte kaart gebeurt: klik opnieuw op ‘Aanmaken’, of gebruik een andere kaart.</translation>
    </message>
    <message>
        <source>this program may not read it back from that folder.</source>
        <translation>dit programma mag het in die map niet teruglezen.</translation>
    </message>
    <message>
        <source>the card did not answer, as a loose or failing card does. Put it back firmly and press Generate again.</source>
        <translation>de kaart reageerde niet, zoals bij een losse of defecte kaart gebeurt. Duw hem stevig terug en klik opnieuw op ‘Aanmaken’.</translation>
    </message>
    <message>
        <source>The file was written but could not be checked: %1</source>
        <translation>Het bestand is geschreven, maar kon niet worden gecontroleerd: %1</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>Het configuratiebestand is aangemaakt.</translation>
    </message>
    <message>
        <source>The settings are too long for the camera: %1 bytes, at most %2 fit.
Nothing was written.</source>
        <translation>De instellingen zijn te lang voor de camera: %1 bytes, terwijl er hoogstens %2 passen.
Er is niets geschreven.</translation>
    </message>
    <message>
        <source>No card is mounted at %1: nothing was written.</source>
        <translation>Op %1 is geen kaart aangekoppeld: er is niets geschreven.</translation>
    </message>
    <message>
        <source>The selected card is no longer there: nothing was written.</source>
        <translation>De gekozen kaart is er niet meer: er is niets geschreven.</translation>
    </message>
    <message>
        <source>The file was written, but another program has replaced it since: the folder now holds that program&apos;s file.</source>
        <translation>Het bestand is geschreven, maar een ander programma heeft het intussen vervangen: de map bevat nu het bestand van dat programma.</translation>
    </message>
    <message>
        <source>it holds a value that the form does not offer: the list &quot;%1&quot; has no item %2</source>
        <translation>het bestand bevat een waarde die het formulier niet aanbiedt: de lijst ‘%1’ heeft geen item %2</translation>
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
        <translation>Foto+video</translation>
    </message>
    <message>
        <source>1 Photo</source>
        <translation>1 foto</translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation>2 foto&apos;s</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 foto&apos;s</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>Y/M/D</source>
        <translation>J/M/D</translation>
    </message>
    <message>
        <source>D/M/Y</source>
        <translation>D/M/J</translation>
    </message>
    <message>
        <source>M/D/Y</source>
        <translation>M/D/J</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handmatig</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>关于 Kestrivo(&amp;A)...</source>
        <translation>&amp;Over Kestrivo...</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>Cameramodel</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Camera-instellingen</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>MMS-instellingen</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>SMTP-instellingen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Setup  V2.1</source>
        <translation>Configuratie V2.1</translation>
    </message>
</context>
<context>
    <name>MmsSetup</name>
    <message>
        <source>MMS Mode</source>
        <translation>MMS-modus</translation>
    </message>
    <message>
        <source>MMS Status</source>
        <translation>MMS-status</translation>
    </message>
    <message>
        <source>MMS Number/Day</source>
        <translation>MMS per dag</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>NB: 0 = onbeperkt</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Dagrapport</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Uur</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Provider</translation>
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
        <translation>Poort</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Gebruiker</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Mobile 1</source>
        <translation>Mobiel 1</translation>
    </message>
    <message>
        <source>Mobile 2</source>
        <translation>Mobiel 2</translation>
    </message>
    <message>
        <source>Mobile 3</source>
        <translation>Mobiel 3</translation>
    </message>
    <message>
        <source>Mobile 4</source>
        <translation>Mobiel 4</translation>
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
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Aanmaken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Doelmap</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>MMS-instellingen</translation>
    </message>
</context>
<context>
    <name>ReadWords</name>
    <message>
        <source>it is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>the settings are %1 bytes long; a settings file holds at most %2</source>
        <translation>de instellingen zijn %1 bytes lang; een instellingenbestand bevat hoogstens %2</translation>
    </message>
    <message>
        <source>expected key %1, found %2</source>
        <translation>sleutel %1 verwacht, %2 gevonden</translation>
    </message>
    <message>
        <source>expected key %1, found the end of the text</source>
        <translation>sleutel %1 verwacht, maar de tekst houdt op</translation>
    </message>
    <message>
        <source>%1 has no line end: the text is cut short</source>
        <translation>%1 heeft geen regeleinde: de tekst is afgekapt</translation>
    </message>
    <message>
        <source>the value of %1 holds a byte outside printable ASCII: %2</source>
        <translation>de waarde van %1 bevat een byte buiten afdrukbare ASCII: %2</translation>
    </message>
    <message>
        <source>expected a number for %1, found %2</source>
        <translation>getal verwacht voor %1, %2 gevonden</translation>
    </message>
    <message>
        <source>the number for %1 is out of range, found %2</source>
        <translation>het getal voor %1 valt buiten het bereik, %2 gevonden</translation>
    </message>
    <message>
        <source>expected %1 characters for %2, found %3</source>
        <translation>%1 tekens verwacht voor %2, %3 gevonden</translation>
    </message>
    <message>
        <source>expected %1 for %2, found %3</source>
        <translation>%1 verwacht voor %2, %3 gevonden</translation>
    </message>
    <message>
        <source>expected the end of the text, found %1</source>
        <translation>einde van de tekst verwacht, %1 gevonden</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>het bestand kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a settings file holds</source>
        <translation>het bestand is langer dan de %1 bytes die een instellingenbestand kan bevatten</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>het bestand is geen geldig %1: %2</translation>
    </message>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>Is een named pipe, geen bestand</translation>
    </message>
    <message>
        <source>Is a device, not a file</source>
        <translation>Is een apparaat, geen bestand</translation>
    </message>
    <message>
        <source>Is a socket, not a file</source>
        <translation>Is een socket, geen bestand</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>Is geen gewoon bestand</translation>
    </message>
    <message>
        <source>The file is not on the selected card</source>
        <translation>Het bestand staat niet op de gekozen kaart</translation>
    </message>
    <message>
        <source>No card is mounted at the folder</source>
        <translation>Op deze map is geen kaart aangekoppeld</translation>
    </message>
    <message>
        <source>No such folder</source>
        <translation>Map bestaat niet</translation>
    </message>
    <message>
        <source>Not a folder</source>
        <translation>Geen map</translation>
    </message>
    <message>
        <source>The card was removed</source>
        <translation>De kaart is verwijderd</translation>
    </message>
    <message>
        <source>The file reads back differently</source>
        <translation>Het bestand leest anders terug</translation>
    </message>
    <message>
        <source>The settings text is too long</source>
        <translation>De instellingentekst is te lang</translation>
    </message>
</context>
<context>
    <name>ReportForm</name>
    <message>
        <source>Its network values are those of no operator in the lists, so the form shows them in &quot;Manual&quot; mode.</source>
        <translation>De netwerkwaarden van het bestand horen bij geen enkele provider in de lijsten, dus toont het formulier ze in de modus ‘Handmatig’.</translation>
    </message>
    <message>
        <source>Its network values are those of %1 operators (%2): the form shows the first, %3.</source>
        <translation>De netwerkwaarden van het bestand horen bij %1 providers (%2): het formulier toont de eerste, %3.</translation>
    </message>
    <message>
        <source>There are no MMS network settings for %1 in %2. Choose &quot;Manual&quot; as MMS Mode and type the operator&apos;s settings.</source>
        <translation>Voor %1 in %2 zijn er geen MMS-netwerkinstellingen. Kies ‘Handmatig’ als MMS-modus en typ de instellingen van de provider.</translation>
    </message>
    <message>
        <source>There is no GPRS access point for %1 in %2. Choose &quot;Manual&quot; as SMTP Mode and type the operator&apos;s settings.</source>
        <translation>Voor %1 in %2 is er geen GPRS-toegangspunt. Kies ‘Handmatig’ als SMTP-modus en typ de instellingen van de provider.</translation>
    </message>
</context>
<context>
    <name>SmtpSetup</name>
    <message>
        <source>SMTP Mode</source>
        <translation>SMTP-modus</translation>
    </message>
    <message>
        <source>GPRS Status</source>
        <translation>GPRS-status</translation>
    </message>
    <message>
        <source>Email Number/Day</source>
        <translation>E-mails per dag</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>NB: 0 = onbeperkt</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Dagrapport</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Uur</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Smtp Server</source>
        <translation>SMTP-server</translation>
    </message>
    <message>
        <source>Sender Email</source>
        <translation>Afzender</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
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
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Aanmaken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Gebruiker</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Doelmap</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>SMTP-instellingen</translation>
    </message>
</context>
<context>
    <name>TrailcamCard</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie ‘%1’</translation>
    </message>
    <message>
        <source>%1 takes no %2: the KIND comes right after write</source>
        <translation>%1 kent geen %2: de soort (KIND) komt direct na write</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 kent geen %2</translation>
    </message>
    <message>
        <source>--raw and --json cannot be given together</source>
        <translation>--raw en --json kunnen niet samen worden gegeven</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 vereist een waarde</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;: camera, mms or smtp</source>
        <translation>onbekende soort ‘%1’: camera, mms of smtp</translation>
    </message>
    <message>
        <source>--kind may be given once</source>
        <translation>--kind mag maar één keer worden gegeven</translation>
    </message>
    <message>
        <source>--from may be given once</source>
        <translation>--from mag maar één keer worden gegeven</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE, not &apos;%1&apos;</source>
        <translation>--set vereist KEY=VALUE, niet ‘%1’</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>geen opdracht gegeven</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>onbekende opdracht ‘%1’</translation>
    </message>
    <message>
        <source>write needs the kind of file first: camera, mms or smtp</source>
        <translation>write vereist eerst de soort bestand: camera, mms of smtp</translation>
    </message>
    <message>
        <source>no FOLDER given</source>
        <translation>geen map (FOLDER) gegeven</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>geen bestand (FILE) gegeven</translation>
    </message>
    <message>
        <source>an empty FOLDER or FILE name was given</source>
        <translation>een lege map- of bestandsnaam (FOLDER, FILE) gegeven</translation>
    </message>
    <message>
        <source>an empty FILE name was given</source>
        <translation>een lege bestandsnaam (FILE) gegeven</translation>
    </message>
    <message>
        <source>standard input (-) may be given once</source>
        <translation>standaardinvoer (-) mag maar één keer worden gegeven</translation>
    </message>
    <message>
        <source>%1 (see trailcam-card --help)</source>
        <translation>%1 (zie trailcam-card --help)</translation>
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
        <translation>Gebruik: trailcam-card show [--kind KIND] [--raw | --json] FILE|FOLDER...
         trailcam-card check [--kind KIND] [--json] FILE|FOLDER...
         trailcam-card write KIND [--from FILE] [--set KEY=VALUE]... FOLDER...
Leest en schrijft de instellingenbestanden van een wildcamera zoals de
formulieren van trailcam-setup ze maken: CameraSet.dat (KIND camera),
MmsSet.dat (mms) en SmtpSet.dat (smtp). Een map (FOLDER) bij show of check
staat voor elk instellingenbestand erin; - als bestand (FILE) leest de
standaardinvoer.

  show     de instellingen van elk bestand tonen in de woorden van zijn
           formulier
  check    nagaan of elk bestand instellingen bevat die zijn formulier kan
           maken
  write    de standaardwaarden van het formulier, of de instellingen van
           --from FILE, in elke map (FOLDER) schrijven, waarbij elke
           --set KEY=VALUE de regel KEY wijzigt; de klok van de camera krijgt
           het moment van schrijven, tenzij --set CLK=... een tijd geeft.
           De waarde (VALUE) van een lijst is haar positie of haar tekst,
           zoals MRES=0 of MRES=1080P

  --kind KIND     welk instellingenbestand elk bestand is, waar de naam het niet
                  zegt
  --raw           de eigen regels van het bestand tonen
  --json          tonen of controleren als JSON
  -h, --help      deze hulp tonen en afsluiten
      --version   de versie tonen en afsluiten

Afsluitstatus: 0 als alles goed ging, 1 als een bestand of waarde onjuist is of
een map niet beschreven kon worden, 2 als de opdrachtregel onjuist is.
</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>neither its name nor --kind says which settings file it is, and it reads as none of them</source>
        <translation>noch de naam noch --kind zegt welk instellingenbestand het is, en het leest als geen van alle</translation>
    </message>
    <message>
        <source>%1: OK, %2 (%3)</source>
        <translation>%1: OK, %2 (%3)</translation>
    </message>
    <message>
        <source>--set %1: a value must be printable ASCII, without line breaks, tabs or other characters the camera cannot read</source>
        <translation>--set %1: een waarde moet afdrukbare ASCII zijn, zonder regeleinden, tabs of andere tekens die de camera niet kan lezen</translation>
    </message>
    <message>
        <source>%1; put it back and write it again</source>
        <translation>%1; plaats hem terug en schrijf opnieuw</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>Het configuratiebestand is aangemaakt.</translation>
    </message>
    <message>
        <source>not written: the settings are %1 bytes long, at most %2 fit</source>
        <translation>niet geschreven: de instellingen zijn %1 bytes lang, er passen er hoogstens %2</translation>
    </message>
    <message>
        <source>not written: the form would refuse these settings</source>
        <translation>niet geschreven: het formulier zou deze instellingen weigeren</translation>
    </message>
    <message>
        <source>not written: no card is mounted at %1</source>
        <translation>niet geschreven: op %1 is geen kaart aangekoppeld</translation>
    </message>
    <message>
        <source>not written: the card is no longer there</source>
        <translation>niet geschreven: de kaart is er niet meer</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>kan het bestand niet aanmaken: %1</translation>
    </message>
    <message>
        <source>%1; give the card&apos;s folder</source>
        <translation>%1; geef de map van de kaart op</translation>
    </message>
    <message>
        <source>%1; is the card&apos;s lock switch set?</source>
        <translation>%1; staat het schuifje voor schrijfbeveiliging van de kaart op ‘Lock’?</translation>
    </message>
    <message>
        <source>not written: %1</source>
        <translation>niet geschreven: %1</translation>
    </message>
    <message>
        <source>written but not checked: %1</source>
        <translation>geschreven maar niet gecontroleerd: %1</translation>
    </message>
    <message>
        <source>%1, as a failing card does; write it again, or use another card</source>
        <translation>%1, zoals bij een defecte kaart gebeurt; schrijf opnieuw, of gebruik een andere kaart</translation>
    </message>
    <message>
        <source>written, but another program has replaced it since</source>
        <translation>geschreven, maar een ander programma heeft het intussen vervangen</translation>
    </message>
    <message>
        <source>%1 has no key &apos;%2&apos;; its keys are %3</source>
        <translation>%1 heeft geen sleutel ‘%2’; de sleutels zijn %3</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1; er is niets geschreven</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>a date and time as %1, the layout of %2=%3</source>
        <translation>een datum en tijd als %1, de notatie bij %2=%3</translation>
    </message>
    <message>
        <source>%1=%2: allowed values are %3</source>
        <translation>%1=%2: toegestane waarden zijn %3</translation>
    </message>
    <message>
        <source>the text of the edit, in printable ASCII</source>
        <translation>de tekst van het invoerveld, in afdrukbare ASCII</translation>
    </message>
    <message>
        <source>%1 for %2=%3</source>
        <translation>%1 bij %2=%3</translation>
    </message>
    <message>
        <source>a date and time as %1; taken when the file is written unless given</source>
        <translation>een datum en tijd als %1; zonder opgave het moment waarop het bestand wordt geschreven</translation>
    </message>
    <message>
        <source>as %1</source>
        <translation>als %1</translation>
    </message>
    <message>
        <source>%1 characters, each one of %2</source>
        <translation>%1 tekens, elk een van %2</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>schrijffout</translation>
    </message>
    <message>
        <source>%1, %2 (the values of %3 operators: %4)</source>
        <translation>%1, %2 (de waarden van %3 providers: %4)</translation>
    </message>
    <message>
        <source>%1: the working time %2 must start before it ends on the same day (00:00 00:00 for none)</source>
        <translation>%1: werktijd %2 moet op dezelfde dag beginnen voordat hij eindigt (00:00 00:00 voor geen)</translation>
    </message>
    <message>
        <source>the folder cannot be read: %1</source>
        <translation>de map kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>it is a folder without %1</source>
        <translation>het is een map zonder %1</translation>
    </message>
    <message>
        <source>it is a folder without %1, %2 or %3</source>
        <translation>het is een map zonder %1, %2 of %3</translation>
    </message>
    <message>
        <source>%1 (- reads standard input)</source>
        <translation>%1 (- leest standaardinvoer)</translation>
    </message>
    <message>
        <source>it is not a valid %1 (it reads as %2): %3</source>
        <translation>het bestand is geen geldig %1 (het leest als %2): %3</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>het bestand is geen geldig %1: %2</translation>
    </message>
    <message>
        <source>Report bugs at &lt;%1&gt;.</source>
        <translation>Meld fouten op &lt;%1&gt;.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>He&amp;rstellen</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimaliseren</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximaliseren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Venstermenu</translation>
    </message>
</context>
</TS>
