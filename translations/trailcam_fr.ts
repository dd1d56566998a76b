<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Palvenor 2.1 版</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) 2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关于 Palvenor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCameraDlg</name>
    <message>
        <source>Timer %1 set error !
Star time need &lt; End time .</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSettingsForm</name>
    <message>
        <source>This folder holds settings already. Load them into the form?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a line break, a tab or a character outside plain ASCII, which the camera cannot read.
Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder holds no such file: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder holds no such file: is it the card&apos;s folder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing in the form was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings loaded from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load from card</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CameraSetup</name>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IR Led</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number character 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number character 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number character 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number character 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window 1 start hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window 1 start minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window 1 end hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window 1 end minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window 2 start hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window 2 start minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window 2 end hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window 2 end minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window 3 start hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window 3 start minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window 3 end hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window 3 end minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormWords</name>
    <message>
        <source>The card was removed before the file was complete: put it back and press Generate again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a folder: choose the card&apos;s folder with &quot;Select&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card is read-only: is its lock switch set?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something that is no file is in the way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder may not be written to: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file there is read-only, or this folder may not be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card is full. Make room on it, or use another card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system lets this program write no file that large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card did not take it, as a loose or failing card does. Put it back firmly and press Generate again, or use another card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card turned read-only while it was written, as a failing card does. Use another card, or check this one on a computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder&apos;s path is too long. Choose a folder nearer the top of the card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file there belongs to another user and may not be replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was written but reads back differently, as a failing card does: press Generate again, or use another card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this program may not read it back from that folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card did not answer, as a loose or failing card does. Put it back firmly and press Generate again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was written but could not be checked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings are too long for the camera: %1 bytes, at most %2 fit.
Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No card is mounted at %1: nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected card is no longer there: nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was written, but another program has replaced it since: the folder now holds that program&apos;s file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a value that the form does not offer: the list &quot;%1&quot; has no item %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera+Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y/M/D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D/M/Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M/D/Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>关于 Kestrivo(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup  V2.1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MmsSetup</name>
    <message>
        <source>MMS Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMS Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMS Number/Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadWords</name>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings are %1 bytes long; a settings file holds at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected key %1, found %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected key %1, found the end of the text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no line end: the text is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value of %1 holds a byte outside printable ASCII: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a number for %1, found %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number for %1 is out of range, found %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected %1 characters for %2, found %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected %1 for %2, found %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected the end of the text, found %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a settings file holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a device, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a socket, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not on the selected card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No card is mounted at the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card was removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file reads back differently</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings text is too long</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportForm</name>
    <message>
        <source>Its network values are those of no operator in the lists, so the form shows them in &quot;Manual&quot; mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its network values are those of %1 operators (%2): the form shows the first, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no MMS network settings for %1 in %2. Choose &quot;Manual&quot; as MMS Mode and type the operator&apos;s settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no GPRS access point for %1 in %2. Choose &quot;Manual&quot; as SMTP Mode and type the operator&apos;s settings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmtpSetup</name>
    <message>
        <source>SMTP Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Number/Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smtp Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sender Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrailcamCard</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no %2: the KIND comes right after write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--raw and --json cannot be given together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;: camera, mms or smtp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--kind may be given once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from may be given once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write needs the kind of file first: camera, mms or smtp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no FOLDER given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an empty FOLDER or FILE name was given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an empty FILE name was given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input (-) may be given once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (see trailcam-card --help)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neither its name nor --kind says which settings file it is, and it reads as none of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: OK, %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set %1: a value must be printable ASCII, without line breaks, tabs or other characters the camera cannot read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; put it back and write it again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not written: the settings are %1 bytes long, at most %2 fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not written: the form would refuse these settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not written: no card is mounted at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not written: the card is no longer there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; give the card&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; is the card&apos;s lock switch set?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written but not checked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, as a failing card does; write it again, or use another card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written, but another program has replaced it since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no key &apos;%2&apos;; its keys are %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a date and time as %1, the layout of %2=%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1=%2: allowed values are %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text of the edit, in printable ASCII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 for %2=%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a date and time as %1; taken when the file is written unless given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 characters, each one of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 (the values of %3 operators: %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the working time %2 must start before it ends on the same day (00:00 00:00 for none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder without %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder without %1, %2 or %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (- reads standard input)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a valid %1 (it reads as %2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report bugs at &lt;%1&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
