<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Palvenor 2.1 版</source>
        <translation>Palvenor version 2.1</translation>
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
        <translation>À propos de Palvenor</translation>
    </message>
</context>
<context>
    <name>CCameraDlg</name>
    <message>
        <source>Timer %1 set error !
Star time need &lt; End time .</source>
        <translation>Plage horaire %1 mal réglée !
L&apos;heure de début doit précéder l&apos;heure de fin.</translation>
    </message>
</context>
<context>
    <name>CSettingsForm</name>
    <message>
        <source>This folder holds settings already. Load them into the form?</source>
        <translation>Ce dossier contient déjà des paramètres. Les charger dans le formulaire ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a line break, a tab or a character outside plain ASCII, which the camera cannot read.
Nothing was written.</source>
        <translation>« %1 » contient un saut de ligne, une tabulation ou un caractère hors ASCII simple (par exemple é, è, à ou ç), que la caméra ne peut pas lire.
Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>Ce dossier n&apos;existe pas : la carte est-elle bien dans son logement, ou s&apos;agissait-il d&apos;un autre dossier ?</translation>
    </message>
    <message>
        <source>This folder holds no such file: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>Ce fichier ne se trouve pas dans ce dossier : choisissez d&apos;abord le dossier de la carte avec « Sélectionner ».</translation>
    </message>
    <message>
        <source>This folder holds no such file: is it the card&apos;s folder?</source>
        <translation>Ce fichier ne se trouve pas dans ce dossier : est-ce bien le dossier de la carte ?</translation>
    </message>
    <message>
        <source>Nothing in the form was changed.</source>
        <translation>Rien n&apos;a été modifié dans le formulaire.</translation>
    </message>
    <message>
        <source>Settings loaded from %1.</source>
        <translation>Paramètres chargés depuis %1.</translation>
    </message>
    <message>
        <source>Select :</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>&amp;Load from card</source>
        <translation>&amp;Charger depuis la carte</translation>
    </message>
</context>
<context>
    <name>CameraSetup</name>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Photo Resolution</source>
        <translation>Résolution photo</translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation>Résolution vidéo</translation>
    </message>
    <message>
        <source>Series Photos</source>
        <translation>Nombre de photos</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Durée vidéo</translation>
    </message>
    <message>
        <source>Beep Sound</source>
        <translation>Bip sonore</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilité</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Horodatage</translation>
    </message>
    <message>
        <source>IR Led</source>
        <translation>LED IR</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Date/heure</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>Format de la date</translation>
    </message>
    <message>
        <source>Get Time</source>
        <translation>Heure du PC</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>Délai PIR</translation>
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
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>Serial number character 1</source>
        <translation>Numéro de série, caractère 1</translation>
    </message>
    <message>
        <source>Serial number character 2</source>
        <translation>Numéro de série, caractère 2</translation>
    </message>
    <message>
        <source>Serial number character 3</source>
        <translation>Numéro de série, caractère 3</translation>
    </message>
    <message>
        <source>Serial number character 4</source>
        <translation>Numéro de série, caractère 4</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Fixed Time</source>
        <translation>Plage horaire</translation>
    </message>
    <message>
        <source>Window 1 start hour</source>
        <translation>Plage horaire 1, début, heure</translation>
    </message>
    <message>
        <source>Window 1 start minute</source>
        <translation>Plage horaire 1, début, minute</translation>
    </message>
    <message>
        <source>Window 1 end hour</source>
        <translation>Plage horaire 1, fin, heure</translation>
    </message>
    <message>
        <source>Window 1 end minute</source>
        <translation>Plage horaire 1, fin, minute</translation>
    </message>
    <message>
        <source>Window 2 start hour</source>
        <translation>Plage horaire 2, début, heure</translation>
    </message>
    <message>
        <source>Window 2 start minute</source>
        <translation>Plage horaire 2, début, minute</translation>
    </message>
    <message>
        <source>Window 2 end hour</source>
        <translation>Plage horaire 2, fin, heure</translation>
    </message>
    <message>
        <source>Window 2 end minute</source>
        <translation>Plage horaire 2, fin, minute</translation>
    </message>
    <message>
        <source>Window 3 start hour</source>
        <translation>Plage horaire 3, début, heure</translation>
    </message>
    <message>
        <source>Window 3 start minute</source>
        <translation>Plage horaire 3, début, minute</translation>
    </message>
    <message>
        <source>Window 3 end hour</source>
        <translation>Plage horaire 3, fin, heure</translation>
    </message>
    <message>
        <source>Window 3 end minute</source>
        <translation>Plage horaire 3, fin, minute</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Paramètres caméra</translation>
    </message>
</context>
<context>
    <name>FormWords</name>
    <message>
        <source>The card was removed before the file was complete: put it back and press Generate again.</source>
        <translation>La carte a été retirée avant que le fichier soit complet : remettez-la en place et cliquez à nouveau sur « Générer ».</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>Ce dossier n&apos;existe pas : la carte est-elle bien dans son logement, ou s&apos;agissait-il d&apos;un autre dossier ?</translation>
    </message>
    <message>
        <source>It is not a folder: choose the card&apos;s folder with &quot;Select&quot;.</source>
        <translation>Ce n&apos;est pas un dossier : choisissez le dossier de la carte avec « Sélectionner ».</translation>
    </message>
    <message>
        <source>The card is read-only: is its lock switch set?</source>
        <translation>La carte est protégée en écriture : son verrou (LOCK) est-il enclenché ?</translation>
    </message>
    <message>
        <source>The card is full.</source>
        <translation>La carte est pleine.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Un dossier porte déjà ce nom.</translation>
    </message>
    <message>
        <source>Something that is no file is in the way.</source>
        <translation>Un élément qui n&apos;est pas un fichier porte déjà ce nom.</translation>
    </message>
    <message>
        <source>This folder may not be written to: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>Ce dossier n&apos;est pas accessible en écriture : choisissez d&apos;abord le dossier de la carte avec « Sélectionner ».</translation>
    </message>
    <message>
        <source>The file there is read-only, or this folder may not be written to.</source>
        <translation>Le fichier existant est en lecture seule, ou ce dossier n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>The file could not be created.</source>
        <translation>Le fichier n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>the card is full. Make room on it, or use another card.</source>
        <translation>la carte est pleine. Libérez de la place, ou utilisez une autre carte.</translation>
    </message>
    <message>
        <source>the system lets this program write no file that large.</source>
        <translation>le système ne permet pas à ce programme d&apos;écrire un fichier aussi gros.</translation>
    </message>
    <message>
        <source>the card did not take it, as a loose or failing card does. Put it back firmly and press Generate again, or use another card.</source>
        <translation>la carte ne l&apos;a pas accepté, comme cela arrive avec une carte mal insérée ou défaillante. Enfoncez-la bien et cliquez à nouveau sur « Générer », ou utilisez une autre carte.</translation>
    </message>
    <message>
        <source>the card turned read-only while it was written, as a failing card does. Use another card, or check this one on a computer.</source>
        <translation>la carte est passée en lecture seule pendant l&apos;écriture, comme cela arrive avec une carte défaillante. Utilisez une autre carte, ou vérifiez celle-ci sur un ordinateur.</translation>
    </message>
    <message>
        <source>the folder&apos;s path is too long. Choose a folder nearer the top of the card.</source>
        <translation>le chemin du dossier est trop long. Choisissez un dossier plus proche de la racine de la carte.</translation>
    </message>
    <message>
        <source>the file there belongs to another user and may not be replaced.</source>
        <translation>le fichier existant appartient à un autre utilisateur et ne peut pas être remplacé.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Le fichier n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>The file was written but reads back differently, as a failing card does: press Generate again, or use another card.</source>
        <translation>Le fichier a été écrit, mais il se relit autrement, comme cela arrive avec une carte défaillante : cliquez à nouveau sur « Générer », ou utilisez une autre carte.</translation>
    </message>
    <message>
        <source>this program may not read it back from that folder.</source>
        <translation>ce programme n&apos;a pas le droit de le relire dans ce dossier.</translation>
    </message>
    <message>
        <source>the card did not answer, as a loose or failing card does. Put it back firmly and press Generate again.</source>
        <translation>la carte n&apos;a pas répondu, comme cela arrive avec une carte mal insérée ou défaillante. Enfoncez-la bien et cliquez à nouveau sur « Générer ».</translation>
    </message>
    <message>
        <source>The file was written but could not be checked: %1</source>
        <translation>Le fichier a été écrit, mais n&apos;a pas pu être vérifié : %1</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>Le fichier de configuration a été généré.</translation>
    </message>
    <message>
        <source>The settings are too long for the camera: %1 bytes, at most %2 fit.
Nothing was written.</source>
        <translation>Les paramètres sont trop longs pour la caméra : %1 octets, pour %2 au maximum.
Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>No card is mounted at %1: nothing was written.</source>
        <translation>Aucune carte n&apos;est montée sur %1 : rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The selected card is no longer there: nothing was written.</source>
        <translation>La carte choisie n&apos;est plus là : rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The file was written, but another program has replaced it since: the folder now holds that program&apos;s file.</source>
        <translation>Le fichier a été écrit, mais un autre programme l&apos;a remplacé depuis : le dossier contient maintenant le fichier de ce programme.</translation>
    </message>
    <message>
        <source>it holds a value that the form does not offer: the list &quot;%1&quot; has no item %2</source>
        <translation>le fichier contient une valeur que le formulaire ne propose pas : la liste « %1 » n&apos;a pas d&apos;élément %2</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Camera</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Camera+Video</source>
        <translation>Photo+Vidéo</translation>
    </message>
    <message>
        <source>1 Photo</source>
        <translation>1 photo</translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation>2 photos</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 photos</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevée</translation>
    </message>
    <message>
        <source>Y/M/D</source>
        <translation>A/M/J</translation>
    </message>
    <message>
        <source>D/M/Y</source>
        <translation>J/M/A</translation>
    </message>
    <message>
        <source>M/D/Y</source>
        <translation>M/J/A</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>关于 Kestrivo(&amp;A)...</source>
        <translation>À &amp;propos de Kestrivo...</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>Modèle de caméra</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Paramètres caméra</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>Paramètres MMS</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>Paramètres SMTP</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Setup  V2.1</source>
        <translation>Configuration V2.1</translation>
    </message>
</context>
<context>
    <name>MmsSetup</name>
    <message>
        <source>MMS Mode</source>
        <translation>Mode MMS</translation>
    </message>
    <message>
        <source>MMS Status</source>
        <translation>État MMS</translation>
    </message>
    <message>
        <source>MMS Number/Day</source>
        <translation>MMS par jour</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>Note : 0 = illimité</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Bilan du jour</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL MMSC</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de p.</translation>
    </message>
    <message>
        <source>Mobile 1</source>
        <translation>Mobile 1</translation>
    </message>
    <message>
        <source>Mobile 2</source>
        <translation>Mobile 2</translation>
    </message>
    <message>
        <source>Mobile 3</source>
        <translation>Mobile 3</translation>
    </message>
    <message>
        <source>Mobile 4</source>
        <translation>Mobile 4</translation>
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
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>Paramètres MMS</translation>
    </message>
</context>
<context>
    <name>ReadWords</name>
    <message>
        <source>it is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the settings are %1 bytes long; a settings file holds at most %2</source>
        <translation>les paramètres font %1 octets ; un fichier de paramètres en contient au plus %2</translation>
    </message>
    <message>
        <source>expected key %1, found %2</source>
        <translation>clé %1 attendue, trouvé %2</translation>
    </message>
    <message>
        <source>expected key %1, found the end of the text</source>
        <translation>clé %1 attendue, mais le texte s&apos;arrête là</translation>
    </message>
    <message>
        <source>%1 has no line end: the text is cut short</source>
        <translation>%1 n&apos;a pas de fin de ligne : le texte est tronqué</translation>
    </message>
    <message>
        <source>the value of %1 holds a byte outside printable ASCII: %2</source>
        <translation>la valeur de %1 contient un octet hors ASCII imprimable : %2</translation>
    </message>
    <message>
        <source>expected a number for %1, found %2</source>
        <translation>nombre attendu pour %1, trouvé %2</translation>
    </message>
    <message>
        <source>the number for %1 is out of range, found %2</source>
        <translation>le nombre pour %1 est hors limites, trouvé %2</translation>
    </message>
    <message>
        <source>expected %1 characters for %2, found %3</source>
        <translation>%1 caractères attendus pour %2, trouvé %3</translation>
    </message>
    <message>
        <source>expected %1 for %2, found %3</source>
        <translation>%1 attendu pour %2, trouvé %3</translation>
    </message>
    <message>
        <source>expected the end of the text, found %1</source>
        <translation>fin du texte attendue, trouvé %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>le fichier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a settings file holds</source>
        <translation>le fichier dépasse les %1 octets que peut contenir un fichier de paramètres</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>le fichier n&apos;est pas un %1 valide : %2</translation>
    </message>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>Est un tube nommé, pas un fichier</translation>
    </message>
    <message>
        <source>Is a device, not a file</source>
        <translation>Est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>Is a socket, not a file</source>
        <translation>Est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>N&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The file is not on the selected card</source>
        <translation>Le fichier n&apos;est pas sur la carte choisie</translation>
    </message>
    <message>
        <source>No card is mounted at the folder</source>
        <translation>Aucune carte n&apos;est montée sur ce dossier</translation>
    </message>
    <message>
        <source>No such folder</source>
        <translation>Dossier inexistant</translation>
    </message>
    <message>
        <source>Not a folder</source>
        <translation>N&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>The card was removed</source>
        <translation>La carte a été retirée</translation>
    </message>
    <message>
        <source>The file reads back differently</source>
        <translation>Le fichier se relit autrement</translation>
    </message>
    <message>
        <source>The settings text is too long</source>
        <translation>Le texte des paramètres est trop long</translation>
    </message>
</context>
<context>
    <name>ReportForm</name>
    <message>
        <source>Its network values are those of no operator in the lists, so the form shows them in &quot;Manual&quot; mode.</source>
        <translation>Les valeurs réseau du fichier ne correspondent à aucun opérateur des listes ; le formulaire les affiche donc en mode « Manuel ».</translation>
    </message>
    <message>
        <source>Its network values are those of %1 operators (%2): the form shows the first, %3.</source>
        <translation>Les valeurs réseau du fichier sont celles de %1 opérateurs (%2) : le formulaire affiche le premier, %3.</translation>
    </message>
    <message>
        <source>There are no MMS network settings for %1 in %2. Choose &quot;Manual&quot; as MMS Mode and type the operator&apos;s settings.</source>
        <translation>Aucun paramètre réseau MMS n&apos;est connu pour %1 (%2). Choisissez « Manuel » comme Mode MMS et saisissez les paramètres de l&apos;opérateur.</translation>
    </message>
    <message>
        <source>There is no GPRS access point for %1 in %2. Choose &quot;Manual&quot; as SMTP Mode and type the operator&apos;s settings.</source>
        <translation>Aucun point d&apos;accès GPRS n&apos;est connu pour %1 (%2). Choisissez « Manuel » comme Mode SMTP et saisissez les paramètres de l&apos;opérateur.</translation>
    </message>
</context>
<context>
    <name>SmtpSetup</name>
    <message>
        <source>SMTP Mode</source>
        <translation>Mode SMTP</translation>
    </message>
    <message>
        <source>GPRS Status</source>
        <translation>État GPRS</translation>
    </message>
    <message>
        <source>Email Number/Day</source>
        <translation>E-mails par jour</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>Note : 0 = illimité</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Bilan du jour</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de p.</translation>
    </message>
    <message>
        <source>Smtp Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Sender Email</source>
        <translation>Expéditeur</translation>
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
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>Paramètres SMTP</translation>
    </message>
</context>
<context>
    <name>TrailcamCard</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message>
        <source>%1 takes no %2: the KIND comes right after write</source>
        <translation>%1 n&apos;accepte pas %2 : le type (KIND) suit directement write</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 n&apos;accepte pas %2</translation>
    </message>
    <message>
        <source>--raw and --json cannot be given together</source>
        <translation>--raw et --json ne peuvent pas être donnés ensemble</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;: camera, mms or smtp</source>
        <translation>type inconnu « %1 » : camera, mms ou smtp</translation>
    </message>
    <message>
        <source>--kind may be given once</source>
        <translation>--kind ne peut être donné qu&apos;une fois</translation>
    </message>
    <message>
        <source>--from may be given once</source>
        <translation>--from ne peut être donné qu&apos;une fois</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE, not &apos;%1&apos;</source>
        <translation>--set demande KEY=VALUE, pas « %1 »</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande donnée</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
    <message>
        <source>write needs the kind of file first: camera, mms or smtp</source>
        <translation>write demande d&apos;abord le type de fichier : camera, mms ou smtp</translation>
    </message>
    <message>
        <source>no FOLDER given</source>
        <translation>aucun dossier (FOLDER) donné</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>aucun fichier (FILE) donné</translation>
    </message>
    <message>
        <source>an empty FOLDER or FILE name was given</source>
        <translation>un nom de dossier ou de fichier (FOLDER, FILE) vide a été donné</translation>
    </message>
    <message>
        <source>an empty FILE name was given</source>
        <translation>un nom de fichier (FILE) vide a été donné</translation>
    </message>
    <message>
        <source>standard input (-) may be given once</source>
        <translation>l&apos;entrée standard (-) ne peut être donnée qu&apos;une fois</translation>
    </message>
    <message>
        <source>%1 (see trailcam-card --help)</source>
        <translation>%1 (voir trailcam-card --help)</translation>
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
        <translation>Usage : trailcam-card show [--kind KIND] [--raw | --json] FILE|FOLDER...
        trailcam-card check [--kind KIND] [--json] FILE|FOLDER...
        trailcam-card write KIND [--from FILE] [--set KEY=VALUE]... FOLDER...
Lit et écrit les fichiers de paramètres d&apos;une caméra de chasse tels que les
formulaires de trailcam-setup les créent : CameraSet.dat (KIND camera),
MmsSet.dat (mms) et SmtpSet.dat (smtp). Un dossier (FOLDER) donné à show ou à
check vaut pour chaque fichier de paramètres qu&apos;il contient ; - comme fichier
(FILE) lit l&apos;entrée standard.

  show     afficher les paramètres de chaque fichier dans les termes de son
           formulaire
  check    vérifier que chaque fichier contient des paramètres que son
           formulaire peut créer
  write    écrire dans chaque dossier (FOLDER) les valeurs par défaut du
           formulaire, ou les paramètres de --from FILE, chaque --set KEY=VALUE
           modifiant la ligne KEY ; l&apos;horloge de la caméra prend l&apos;heure de
           l&apos;écriture, sauf si --set CLK=... en donne une.
           La valeur (VALUE) d&apos;une liste est sa position ou son texte, comme
           MRES=0 ou MRES=1080P

  --kind KIND     le type de fichier de paramètres de chaque fichier, quand son
                  nom ne le dit pas
  --raw           afficher les lignes du fichier telles quelles
  --json          afficher ou vérifier au format JSON
  -h, --help      afficher cette aide et quitter
      --version   afficher la version et quitter

Code de sortie : 0 si tout s&apos;est bien passé, 1 si un fichier ou une valeur est
incorrect ou si un dossier n&apos;a pas pu être écrit, 2 si la ligne de commande est
incorrecte.
</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>neither its name nor --kind says which settings file it is, and it reads as none of them</source>
        <translation>ni son nom ni --kind n&apos;indiquent de quel fichier de paramètres il s&apos;agit, et il ne se lit comme aucun d&apos;eux</translation>
    </message>
    <message>
        <source>%1: OK, %2 (%3)</source>
        <translation>%1: OK, %2 (%3)</translation>
    </message>
    <message>
        <source>--set %1: a value must be printable ASCII, without line breaks, tabs or other characters the camera cannot read</source>
        <translation>--set %1 : une valeur doit être en ASCII imprimable, sans saut de ligne, tabulation ni autre caractère que la caméra ne peut pas lire</translation>
    </message>
    <message>
        <source>%1; put it back and write it again</source>
        <translation>%1 ; remettez-la en place et écrivez à nouveau</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>Le fichier de configuration a été généré.</translation>
    </message>
    <message>
        <source>not written: the settings are %1 bytes long, at most %2 fit</source>
        <translation>non écrit : les paramètres font %1 octets, pour %2 au maximum</translation>
    </message>
    <message>
        <source>not written: the form would refuse these settings</source>
        <translation>non écrit : le formulaire refuserait ces paramètres</translation>
    </message>
    <message>
        <source>not written: no card is mounted at %1</source>
        <translation>non écrit : aucune carte n&apos;est montée sur %1</translation>
    </message>
    <message>
        <source>not written: the card is no longer there</source>
        <translation>non écrit : la carte n&apos;est plus là</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>impossible de créer le fichier : %1</translation>
    </message>
    <message>
        <source>%1; give the card&apos;s folder</source>
        <translation>%1 ; indiquez le dossier de la carte</translation>
    </message>
    <message>
        <source>%1; is the card&apos;s lock switch set?</source>
        <translation>%1 ; le verrou (LOCK) de la carte est-il enclenché ?</translation>
    </message>
    <message>
        <source>not written: %1</source>
        <translation>non écrit : %1</translation>
    </message>
    <message>
        <source>written but not checked: %1</source>
        <translation>écrit mais non vérifié : %1</translation>
    </message>
    <message>
        <source>%1, as a failing card does; write it again, or use another card</source>
        <translation>%1, comme cela arrive avec une carte défaillante ; écrivez à nouveau, ou utilisez une autre carte</translation>
    </message>
    <message>
        <source>written, but another program has replaced it since</source>
        <translation>écrit, mais un autre programme l&apos;a remplacé depuis</translation>
    </message>
    <message>
        <source>%1 has no key &apos;%2&apos;; its keys are %3</source>
        <translation>%1 n&apos;a pas de clé « %2 » ; ses clés sont %3</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1 ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>a date and time as %1, the layout of %2=%3</source>
        <translation>une date et une heure au format %1, celui de %2=%3</translation>
    </message>
    <message>
        <source>%1=%2: allowed values are %3</source>
        <translation>%1=%2 : les valeurs autorisées sont %3</translation>
    </message>
    <message>
        <source>the text of the edit, in printable ASCII</source>
        <translation>le texte du champ, en ASCII imprimable</translation>
    </message>
    <message>
        <source>%1 for %2=%3</source>
        <translation>%1 pour %2=%3</translation>
    </message>
    <message>
        <source>a date and time as %1; taken when the file is written unless given</source>
        <translation>une date et une heure au format %1 ; à défaut, le moment où le fichier est écrit</translation>
    </message>
    <message>
        <source>as %1</source>
        <translation>au format %1</translation>
    </message>
    <message>
        <source>%1 characters, each one of %2</source>
        <translation>%1 caractères, chacun parmi %2</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>%1, %2 (the values of %3 operators: %4)</source>
        <translation>%1, %2 (les valeurs de %3 opérateurs : %4)</translation>
    </message>
    <message>
        <source>%1: the working time %2 must start before it ends on the same day (00:00 00:00 for none)</source>
        <translation>%1 : la plage horaire %2 doit commencer avant de finir, le même jour (00:00 00:00 pour aucune)</translation>
    </message>
    <message>
        <source>the folder cannot be read: %1</source>
        <translation>le dossier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>it is a folder without %1</source>
        <translation>c&apos;est un dossier sans %1</translation>
    </message>
    <message>
        <source>it is a folder without %1, %2 or %3</source>
        <translation>c&apos;est un dossier sans %1, %2 ni %3</translation>
    </message>
    <message>
        <source>%1 (- reads standard input)</source>
        <translation>%1 (- lit l&apos;entrée standard)</translation>
    </message>
    <message>
        <source>it is not a valid %1 (it reads as %2): %3</source>
        <translation>le fichier n&apos;est pas un %1 valide (il se lit comme %2) : %3</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>le fichier n&apos;est pas un %1 valide : %2</translation>
    </message>
    <message>
        <source>Report bugs at &lt;%1&gt;.</source>
        <translation>Signalez les anomalies à &lt;%1&gt;.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Agr&amp;andir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menu de la fenêtre</translation>
    </message>
</context>
</TS>
