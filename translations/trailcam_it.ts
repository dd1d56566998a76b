<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutBox</name>
    <message>
        <source>Palvenor 2.1 版</source>
        <translation>Palvenor versione 2.1</translation>
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
        <translation>Informazioni su Palvenor</translation>
    </message>
</context>
<context>
    <name>CCameraDlg</name>
    <message>
        <source>Timer %1 set error !
Star time need &lt; End time .</source>
        <translation>Errore nell&apos;orario %1.
L&apos;ora di inizio deve precedere l&apos;ora di fine.</translation>
    </message>
</context>
<context>
    <name>CSettingsForm</name>
    <message>
        <source>This folder holds settings already. Load them into the form?</source>
        <translation>Questa cartella contiene già delle impostazioni. Caricarle nel modulo?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a line break, a tab or a character outside plain ASCII, which the camera cannot read.
Nothing was written.</source>
        <translation>&quot;%1&quot; contiene un a capo, una tabulazione o un carattere al di fuori dell&apos;ASCII semplice, che la fotocamera non può leggere.
Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>Questa cartella non esiste: la scheda è nel suo alloggiamento, o si intendeva un&apos;altra cartella?</translation>
    </message>
    <message>
        <source>This folder holds no such file: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>In questa cartella non c&apos;è questo file: scegli prima la cartella della scheda con &quot;Seleziona&quot;.</translation>
    </message>
    <message>
        <source>This folder holds no such file: is it the card&apos;s folder?</source>
        <translation>In questa cartella non c&apos;è questo file: è la cartella della scheda?</translation>
    </message>
    <message>
        <source>Nothing in the form was changed.</source>
        <translation>Nel modulo non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>Settings loaded from %1.</source>
        <translation>Impostazioni caricate da %1.</translation>
    </message>
    <message>
        <source>Select :</source>
        <translation>Seleziona la cartella</translation>
    </message>
    <message>
        <source>&amp;Load from card</source>
        <translation>C&amp;arica dalla scheda</translation>
    </message>
</context>
<context>
    <name>CameraSetup</name>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Photo Resolution</source>
        <translation>Risoluzione foto</translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation>Risoluz. video</translation>
    </message>
    <message>
        <source>Series Photos</source>
        <translation>Foto in serie</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Durata video</translation>
    </message>
    <message>
        <source>Beep Sound</source>
        <translation>Segnale acustico</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilità</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Stampa data/ora</translation>
    </message>
    <message>
        <source>IR Led</source>
        <translation>LED IR</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>Ordine della data</translation>
    </message>
    <message>
        <source>Get Time</source>
        <translation>Ora attuale</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>Interv. PIR</translation>
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
        <translation>Ora</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>N. di serie</translation>
    </message>
    <message>
        <source>Serial number character 1</source>
        <translation>Numero di serie, carattere 1</translation>
    </message>
    <message>
        <source>Serial number character 2</source>
        <translation>Numero di serie, carattere 2</translation>
    </message>
    <message>
        <source>Serial number character 3</source>
        <translation>Numero di serie, carattere 3</translation>
    </message>
    <message>
        <source>Serial number character 4</source>
        <translation>Numero di serie, carattere 4</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Fixed Time</source>
        <translation>Orario</translation>
    </message>
    <message>
        <source>Window 1 start hour</source>
        <translation>Orario 1, ora di inizio</translation>
    </message>
    <message>
        <source>Window 1 start minute</source>
        <translation>Orario 1, minuto di inizio</translation>
    </message>
    <message>
        <source>Window 1 end hour</source>
        <translation>Orario 1, ora di fine</translation>
    </message>
    <message>
        <source>Window 1 end minute</source>
        <translation>Orario 1, minuto di fine</translation>
    </message>
    <message>
        <source>Window 2 start hour</source>
        <translation>Orario 2, ora di inizio</translation>
    </message>
    <message>
        <source>Window 2 start minute</source>
        <translation>Orario 2, minuto di inizio</translation>
    </message>
    <message>
        <source>Window 2 end hour</source>
        <translation>Orario 2, ora di fine</translation>
    </message>
    <message>
        <source>Window 2 end minute</source>
        <translation>Orario 2, minuto di fine</translation>
    </message>
    <message>
        <source>Window 3 start hour</source>
        <translation>Orario 3, ora di inizio</translation>
    </message>
    <message>
        <source>Window 3 start minute</source>
        <translation>Orario 3, minuto di inizio</translation>
    </message>
    <message>
        <source>Window 3 end hour</source>
        <translation>Orario 3, ora di fine</translation>
    </message>
    <message>
        <source>Window 3 end minute</source>
        <translation>Orario 3, minuto di fine</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Impostazioni fotocamera</translation>
    </message>
</context>
<context>
    <name>FormWords</name>
    <message>
        <source>The card was removed before the file was complete: put it back and press Generate again.</source>
        <translation>La scheda è stata rimossa prima che il file fosse completo: reinseriscila e premi di nuovo Genera.</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>Questa cartella non esiste: la scheda è nel suo alloggiamento, o si intendeva un&apos;altra cartella?</translation>
    </message>
    <message>
        <source>It is not a folder: choose the card&apos;s folder with &quot;Select&quot;.</source>
        <translation>Non è una cartella: scegli la cartella della scheda con &quot;Seleziona&quot;.</translation>
    </message>
    <message>
        <source>The card is read-only: is its lock switch set?</source>
        <translation>La scheda è di sola lettura: la levetta di protezione è su LOCK?</translation>
    </message>
    <message>
        <source>The card is full.</source>
        <translation>La scheda è piena.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Lo impedisce una cartella con quel nome.</translation>
    </message>
    <message>
        <source>Something that is no file is in the way.</source>
        <translation>Lo impedisce qualcosa con quel nome che non è un file.</translation>
    </message>
    <message>
        <source>This folder may not be written to: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>Non si può scrivere in questa cartella: scegli prima la cartella della scheda con &quot;Seleziona&quot;.</translation>
    </message>
    <message>
        <source>The file there is read-only, or this folder may not be written to.</source>
        <translation>Il file presente è di sola lettura, oppure non si può scrivere in questa cartella.</translation>
    </message>
    <message>
        <source>The file could not be created.</source>
        <translation>Impossibile creare il file.</translation>
    </message>
    <message>
        <source>the card is full. Make room on it, or use another card.</source>
        <translation>la scheda è piena. Libera spazio o usa un&apos;altra scheda.</translation>
    </message>
    <message>
        <source>the system lets this program write no file that large.</source>
        <translation>il sistema non consente a questo programma di scrivere un file così grande.</translation>
    </message>
    <message>
        <source>the card did not take it, as a loose or failing card does. Put it back firmly and press Generate again, or use another card.</source>
        <translation>la scheda non l&apos;ha accettato, come succede con una scheda inserita male o difettosa. Reinseriscila bene e premi di nuovo Genera, oppure usa un&apos;altra scheda.</translation>
    </message>
    <message>
        <source>the card turned read-only while it was written, as a failing card does. Use another card, or check this one on a computer.</source>
        <translation>la scheda è diventata di sola lettura durante la scrittura, come succede con una scheda difettosa. Usa un&apos;altra scheda, oppure controlla questa su un computer.</translation>
    </message>
    <message>
        <source>the folder&apos;s path is too long. Choose a folder nearer the top of the card.</source>
        <translation>il percorso della cartella è troppo lungo. Scegli una cartella più vicina alla radice della scheda.</translation>
    </message>
    <message>
        <source>the file there belongs to another user and may not be replaced.</source>
        <translation>il file presente appartiene a un altro utente e non può essere sostituito.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Impossibile scrivere il file: %1</translation>
    </message>
    <message>
        <source>The file was written but reads back differently, as a failing card does: press Generate again, or use another card.</source>
        <translation>Il file è stato scritto, ma riletto risulta diverso, come succede con una scheda difettosa: premi di nuovo Genera, oppure usa un&apos;altra scheda.</translation>
    </message>
    <message>
        <source>this program may not read it back from that folder.</source>
        <translation>questo programma non ha il permesso di rileggerlo da quella cartella.</translation>
    </message>
    <message>
        <source>the card did not answer, as a loose or failing card does. Put it back firmly and press Generate again.</source>
        <translation>la scheda non ha risposto, come succede con una scheda inserita male o difettosa. Reinseriscila bene e premi di nuovo Genera.</translation>
    </message>
    <message>
        <source>The file was written but could not be checked: %1</source>
        <translation>Il file è stato scritto, ma non è stato possibile verificarlo: %1</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>Il file di configurazione del sistema è stato generato.</translation>
    </message>
    <message>
        <source>The settings are too long for the camera: %1 bytes, at most %2 fit.
Nothing was written.</source>
        <translation>Le impostazioni sono troppo lunghe per la fotocamera: %1 byte, e ne entrano al massimo %2.
Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>No card is mounted at %1: nothing was written.</source>
        <translation>Nessuna scheda montata in %1: non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The selected card is no longer there: nothing was written.</source>
        <translation>La scheda selezionata non c&apos;è più: non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The file was written, but another program has replaced it since: the folder now holds that program&apos;s file.</source>
        <translation>Il file è stato scritto, ma un altro programma l&apos;ha poi sostituito: ora la cartella contiene il file di quel programma.</translation>
    </message>
    <message>
        <source>it holds a value that the form does not offer: the list &quot;%1&quot; has no item %2</source>
        <translation>contiene un valore che il modulo non offre: l&apos;elenco &quot;%1&quot; non ha la voce %2</translation>
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
        <translation>1 foto</translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation>2 foto</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 foto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Y/M/D</source>
        <translation>A/M/G</translation>
    </message>
    <message>
        <source>D/M/Y</source>
        <translation>G/M/A</translation>
    </message>
    <message>
        <source>M/D/Y</source>
        <translation>M/G/A</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>关于 Kestrivo(&amp;A)...</source>
        <translation>&amp;Informazioni su Kestrivo...</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>Tipo fotocamera</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Imposta fotocamera</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>Imposta MMS</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>Imposta SMTP</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Setup  V2.1</source>
        <translation>Impostazioni  V2.1</translation>
    </message>
</context>
<context>
    <name>MmsSetup</name>
    <message>
        <source>MMS Mode</source>
        <translation>Modalità MMS</translation>
    </message>
    <message>
        <source>MMS Status</source>
        <translation>Stato MMS</translation>
    </message>
    <message>
        <source>MMS Number/Day</source>
        <translation>MMS al giorno</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>Nota: 0 = illimitati</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Report giorn.</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operatore</translation>
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
        <translation>Proxy MMS</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Mobile 1</source>
        <translation>Cellulare 1</translation>
    </message>
    <message>
        <source>Mobile 2</source>
        <translation>Cellulare 2</translation>
    </message>
    <message>
        <source>Mobile 3</source>
        <translation>Cellulare 3</translation>
    </message>
    <message>
        <source>Mobile 4</source>
        <translation>Cellulare 4</translation>
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
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>Impostazioni MMS</translation>
    </message>
</context>
<context>
    <name>ReadWords</name>
    <message>
        <source>it is empty</source>
        <translation>è vuoto</translation>
    </message>
    <message>
        <source>the settings are %1 bytes long; a settings file holds at most %2</source>
        <translation>le impostazioni sono lunghe %1 byte; un file di impostazioni ne contiene al massimo %2</translation>
    </message>
    <message>
        <source>expected key %1, found %2</source>
        <translation>attesa la chiave %1, trovato %2</translation>
    </message>
    <message>
        <source>expected key %1, found the end of the text</source>
        <translation>attesa la chiave %1, trovata la fine del testo</translation>
    </message>
    <message>
        <source>%1 has no line end: the text is cut short</source>
        <translation>%1 non ha un fine riga: il testo è troncato</translation>
    </message>
    <message>
        <source>the value of %1 holds a byte outside printable ASCII: %2</source>
        <translation>il valore di %1 contiene un byte al di fuori dell&apos;ASCII stampabile: %2</translation>
    </message>
    <message>
        <source>expected a number for %1, found %2</source>
        <translation>atteso un numero per %1, trovato %2</translation>
    </message>
    <message>
        <source>the number for %1 is out of range, found %2</source>
        <translation>il numero per %1 è fuori intervallo, trovato %2</translation>
    </message>
    <message>
        <source>expected %1 characters for %2, found %3</source>
        <translation>attesi %1 caratteri per %2, trovato %3</translation>
    </message>
    <message>
        <source>expected %1 for %2, found %3</source>
        <translation>atteso %1 per %2, trovato %3</translation>
    </message>
    <message>
        <source>expected the end of the text, found %1</source>
        <translation>attesa la fine del testo, trovato %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>non si può leggere: %1</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a settings file holds</source>
        <translation>supera i %1 byte che un file di impostazioni può contenere</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>non è un file %1 valido: %2</translation>
    </message>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>È una pipe con nome, non un file</translation>
    </message>
    <message>
        <source>Is a device, not a file</source>
        <translation>È un dispositivo, non un file</translation>
    </message>
    <message>
        <source>Is a socket, not a file</source>
        <translation>È un socket, non un file</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>Non è un file regolare</translation>
    </message>
    <message>
        <source>The file is not on the selected card</source>
        <translation>Il file non è sulla scheda selezionata</translation>
    </message>
    <message>
        <source>No card is mounted at the folder</source>
        <translation>Nessuna scheda montata nella cartella</translation>
    </message>
    <message>
        <source>No such folder</source>
        <translation>La cartella non esiste</translation>
    </message>
    <message>
        <source>Not a folder</source>
        <translation>Non è una cartella</translation>
    </message>
    <message>
        <source>The card was removed</source>
        <translation>La scheda è stata rimossa</translation>
    </message>
    <message>
        <source>The file reads back differently</source>
        <translation>Il file riletto è diverso</translation>
    </message>
    <message>
        <source>The settings text is too long</source>
        <translation>Il testo delle impostazioni è troppo lungo</translation>
    </message>
</context>
<context>
    <name>ReportForm</name>
    <message>
        <source>Its network values are those of no operator in the lists, so the form shows them in &quot;Manual&quot; mode.</source>
        <translation>I suoi valori di rete non sono quelli di nessun operatore degli elenchi, perciò il modulo li mostra in modalità &quot;Manuale&quot;.</translation>
    </message>
    <message>
        <source>Its network values are those of %1 operators (%2): the form shows the first, %3.</source>
        <translation>I suoi valori di rete sono quelli di %1 operatori (%2): il modulo mostra il primo, %3.</translation>
    </message>
    <message>
        <source>There are no MMS network settings for %1 in %2. Choose &quot;Manual&quot; as MMS Mode and type the operator&apos;s settings.</source>
        <translation>Non ci sono impostazioni di rete MMS per %1 in %2. Scegli &quot;Manuale&quot; in Modalità MMS e digita le impostazioni dell&apos;operatore.</translation>
    </message>
    <message>
        <source>There is no GPRS access point for %1 in %2. Choose &quot;Manual&quot; as SMTP Mode and type the operator&apos;s settings.</source>
        <translation>Non c&apos;è un punto di accesso GPRS per %1 in %2. Scegli &quot;Manuale&quot; in Modalità SMTP e digita le impostazioni dell&apos;operatore.</translation>
    </message>
</context>
<context>
    <name>SmtpSetup</name>
    <message>
        <source>SMTP Mode</source>
        <translation>Modalità SMTP</translation>
    </message>
    <message>
        <source>GPRS Status</source>
        <translation>Stato GPRS</translation>
    </message>
    <message>
        <source>Email Number/Day</source>
        <translation>E-mail al giorno</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>Nota: 0 = illimitate</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Report giorn.</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Smtp Server</source>
        <translation>Server SMTP</translation>
    </message>
    <message>
        <source>Sender Email</source>
        <translation>Mittente</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
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
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>Impostazioni SMTP</translation>
    </message>
</context>
<context>
    <name>TrailcamCard</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes no %2: the KIND comes right after write</source>
        <translation>%1 non accetta %2: il tipo (KIND) va subito dopo write</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 non accetta %2</translation>
    </message>
    <message>
        <source>--raw and --json cannot be given together</source>
        <translation>--raw e --json non si possono usare insieme</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;: camera, mms or smtp</source>
        <translation>tipo sconosciuto &apos;%1&apos;: camera, mms o smtp</translation>
    </message>
    <message>
        <source>--kind may be given once</source>
        <translation>--kind si può indicare una sola volta</translation>
    </message>
    <message>
        <source>--from may be given once</source>
        <translation>--from si può indicare una sola volta</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE, not &apos;%1&apos;</source>
        <translation>--set richiede KEY=VALUE, non &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nessun comando indicato</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando sconosciuto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>write needs the kind of file first: camera, mms or smtp</source>
        <translation>write richiede prima il tipo di file: camera, mms o smtp</translation>
    </message>
    <message>
        <source>no FOLDER given</source>
        <translation>nessuna cartella (FOLDER) indicata</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>nessun file (FILE) indicato</translation>
    </message>
    <message>
        <source>an empty FOLDER or FILE name was given</source>
        <translation>è stato indicato un nome di cartella o di file vuoto</translation>
    </message>
    <message>
        <source>an empty FILE name was given</source>
        <translation>è stato indicato un nome di file vuoto</translation>
    </message>
    <message>
        <source>standard input (-) may be given once</source>
        <translation>lo standard input (-) si può indicare una sola volta</translation>
    </message>
    <message>
        <source>%1 (see trailcam-card --help)</source>
        <translation>%1 (vedi trailcam-card --help)</translation>
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
        <translation>Uso: trailcam-card show [--kind KIND] [--raw | --json] FILE|FOLDER...
     trailcam-card check [--kind KIND] [--json] FILE|FOLDER...
     trailcam-card write KIND [--from FILE] [--set KEY=VALUE]... FOLDER...
Legge e scrive i file di impostazioni di una fototrappola come li creano i
moduli di trailcam-setup: CameraSet.dat (KIND camera), MmsSet.dat (mms) e
SmtpSet.dat (smtp). Una cartella (FOLDER) passata a show o check vale per tutti
i file di impostazioni che contiene; - al posto di FILE legge lo standard input.

  show     mostra le impostazioni di ogni FILE con le parole del suo modulo
  check    dice se ogni FILE contiene impostazioni che il suo modulo può creare
  write    scrive in ogni FOLDER i valori predefiniti del modulo, o le
           impostazioni di --from FILE, e ogni --set KEY=VALUE cambia la riga
           KEY; l&apos;orologio della fotocamera viene preso al momento, a meno che
           --set CLK=... non ne indichi uno.
           Il VALUE di un elenco è la sua posizione o il suo testo, come MRES=0
           o MRES=1080P

  --kind KIND     quale file di impostazioni è ogni FILE, se il nome non lo dice
  --raw           mostra le righe del file così come sono
  --json          mostra o verifica in formato JSON
  -h, --help      mostra questo aiuto ed esce
      --version   mostra la versione ed esce

Stato di uscita: 0 se è andato tutto bene; 1 se un file o un valore è errato o
non si è potuto scrivere in una cartella; 2 se la riga di comando è errata.
</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>è vuoto</translation>
    </message>
    <message>
        <source>neither its name nor --kind says which settings file it is, and it reads as none of them</source>
        <translation>né il nome né --kind dicono quale file di impostazioni sia, e non si legge come nessuno di essi</translation>
    </message>
    <message>
        <source>%1: OK, %2 (%3)</source>
        <translation>%1: OK, %2 (%3)</translation>
    </message>
    <message>
        <source>--set %1: a value must be printable ASCII, without line breaks, tabs or other characters the camera cannot read</source>
        <translation>--set %1: il valore deve essere in ASCII stampabile, senza a capo, tabulazioni o altri caratteri che la fotocamera non può leggere</translation>
    </message>
    <message>
        <source>%1; put it back and write it again</source>
        <translation>%1; reinseriscila e scrivi di nuovo il file</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>Il file di configurazione del sistema è stato generato.</translation>
    </message>
    <message>
        <source>not written: the settings are %1 bytes long, at most %2 fit</source>
        <translation>non scritto: le impostazioni sono lunghe %1 byte, e ne entrano al massimo %2</translation>
    </message>
    <message>
        <source>not written: the form would refuse these settings</source>
        <translation>non scritto: il modulo rifiuterebbe queste impostazioni</translation>
    </message>
    <message>
        <source>not written: no card is mounted at %1</source>
        <translation>non scritto: nessuna scheda montata in %1</translation>
    </message>
    <message>
        <source>not written: the card is no longer there</source>
        <translation>non scritto: la scheda non c&apos;è più</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>impossibile creare il file: %1</translation>
    </message>
    <message>
        <source>%1; give the card&apos;s folder</source>
        <translation>%1; indica la cartella della scheda</translation>
    </message>
    <message>
        <source>%1; is the card&apos;s lock switch set?</source>
        <translation>%1; la levetta di protezione della scheda è su LOCK?</translation>
    </message>
    <message>
        <source>not written: %1</source>
        <translation>non scritto: %1</translation>
    </message>
    <message>
        <source>written but not checked: %1</source>
        <translation>scritto ma non verificato: %1</translation>
    </message>
    <message>
        <source>%1, as a failing card does; write it again, or use another card</source>
        <translation>%1, come succede con una scheda difettosa; scrivilo di nuovo o usa un&apos;altra scheda</translation>
    </message>
    <message>
        <source>written, but another program has replaced it since</source>
        <translation>scritto, ma un altro programma l&apos;ha poi sostituito</translation>
    </message>
    <message>
        <source>%1 has no key &apos;%2&apos;; its keys are %3</source>
        <translation>%1 non ha la chiave &apos;%2&apos;; le sue chiavi sono %3</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>a date and time as %1, the layout of %2=%3</source>
        <translation>una data e ora nel formato %1, quello di %2=%3</translation>
    </message>
    <message>
        <source>%1=%2: allowed values are %3</source>
        <translation>%1=%2: i valori ammessi sono %3</translation>
    </message>
    <message>
        <source>the text of the edit, in printable ASCII</source>
        <translation>il testo del campo, in ASCII stampabile</translation>
    </message>
    <message>
        <source>%1 for %2=%3</source>
        <translation>%1 per %2=%3</translation>
    </message>
    <message>
        <source>a date and time as %1; taken when the file is written unless given</source>
        <translation>una data e ora come %1; se non è indicata, si prende quando il file viene scritto</translation>
    </message>
    <message>
        <source>as %1</source>
        <translation>nel formato %1</translation>
    </message>
    <message>
        <source>%1 characters, each one of %2</source>
        <translation>%1 caratteri, ciascuno tra %2</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>errore di scrittura</translation>
    </message>
    <message>
        <source>%1, %2 (the values of %3 operators: %4)</source>
        <translation>%1, %2 (i valori di %3 operatori: %4)</translation>
    </message>
    <message>
        <source>%1: the working time %2 must start before it ends on the same day (00:00 00:00 for none)</source>
        <translation>%1: l&apos;orario %2 deve iniziare prima di finire, nello stesso giorno (00:00 00:00 se non usato)</translation>
    </message>
    <message>
        <source>the folder cannot be read: %1</source>
        <translation>impossibile leggere la cartella: %1</translation>
    </message>
    <message>
        <source>it is a folder without %1</source>
        <translation>è una cartella senza %1</translation>
    </message>
    <message>
        <source>it is a folder without %1, %2 or %3</source>
        <translation>è una cartella senza %1, %2 o %3</translation>
    </message>
    <message>
        <source>%1 (- reads standard input)</source>
        <translation>%1 (- legge lo standard input)</translation>
    </message>
    <message>
        <source>it is not a valid %1 (it reads as %2): %3</source>
        <translation>non è un file %1 valido (si legge come %2): %3</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>non è un file %1 valido: %2</translation>
    </message>
    <message>
        <source>Report bugs at &lt;%1&gt;.</source>
        <translation>Segnalare i bug a &lt;%1&gt;.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizza</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ssimizza</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menu finestra</translation>
    </message>
</context>
</TS>
