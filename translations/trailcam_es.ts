<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <source>Palvenor 2.1 版</source>
        <translation>Palvenor versión 2.1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026</source>
        <translation>Copyright (C) 2026</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>关于 Palvenor</source>
        <translation>Acerca de Palvenor</translation>
    </message>
</context>
<context>
    <name>CCameraDlg</name>
    <message>
        <source>Timer %1 set error !
Star time need &lt; End time .</source>
        <translation>Error en el horario %1.
La hora de inicio debe ser anterior a la de fin.</translation>
    </message>
</context>
<context>
    <name>CSettingsForm</name>
    <message>
        <source>This folder holds settings already. Load them into the form?</source>
        <translation>Esta carpeta ya contiene ajustes. ¿Cargarlos en el formulario?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a line break, a tab or a character outside plain ASCII, which the camera cannot read.
Nothing was written.</source>
        <translation>&quot;%1&quot; contiene un salto de línea, un tabulador o un carácter fuera del ASCII básico, que la cámara no puede leer.
No se ha escrito nada.</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>Esa carpeta no existe: ¿está la tarjeta en su ranura o se refería a otra carpeta?</translation>
    </message>
    <message>
        <source>This folder holds no such file: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>Esta carpeta no contiene ese archivo: elija antes la carpeta de la tarjeta con &quot;Seleccionar&quot;.</translation>
    </message>
    <message>
        <source>This folder holds no such file: is it the card&apos;s folder?</source>
        <translation>Esta carpeta no contiene ese archivo: ¿es la carpeta de la tarjeta?</translation>
    </message>
    <message>
        <source>Nothing in the form was changed.</source>
        <translation>No se ha cambiado nada en el formulario.</translation>
    </message>
    <message>
        <source>Settings loaded from %1.</source>
        <translation>Ajustes cargados desde %1.</translation>
    </message>
    <message>
        <source>Select :</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>&amp;Load from card</source>
        <translation>Cargar desde la &amp;tarjeta</translation>
    </message>
</context>
<context>
    <name>CameraSetup</name>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Photo Resolution</source>
        <translation>Resolución foto</translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation>Resolución vídeo</translation>
    </message>
    <message>
        <source>Series Photos</source>
        <translation>Fotos en serie</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Duración vídeo</translation>
    </message>
    <message>
        <source>Beep Sound</source>
        <translation>Pitido</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Marca de tiempo</translation>
    </message>
    <message>
        <source>IR Led</source>
        <translation>LED IR</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Fecha/hora</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>Orden de la fecha</translation>
    </message>
    <message>
        <source>Get Time</source>
        <translation>Hora actual</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>Intervalo PIR</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Seg</translation>
    </message>
    <message>
        <source>Time Interval</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Nº de serie</translation>
    </message>
    <message>
        <source>Serial number character 1</source>
        <translation>Número de serie, carácter 1</translation>
    </message>
    <message>
        <source>Serial number character 2</source>
        <translation>Número de serie, carácter 2</translation>
    </message>
    <message>
        <source>Serial number character 3</source>
        <translation>Número de serie, carácter 3</translation>
    </message>
    <message>
        <source>Serial number character 4</source>
        <translation>Número de serie, carácter 4</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Fixed Time</source>
        <translation>Horario</translation>
    </message>
    <message>
        <source>Window 1 start hour</source>
        <translation>Horario 1, hora de inicio</translation>
    </message>
    <message>
        <source>Window 1 start minute</source>
        <translation>Horario 1, minuto de inicio</translation>
    </message>
    <message>
        <source>Window 1 end hour</source>
        <translation>Horario 1, hora de fin</translation>
    </message>
    <message>
        <source>Window 1 end minute</source>
        <translation>Horario 1, minuto de fin</translation>
    </message>
    <message>
        <source>Window 2 start hour</source>
        <translation>Horario 2, hora de inicio</translation>
    </message>
    <message>
        <source>Window 2 start minute</source>
        <translation>Horario 2, minuto de inicio</translation>
    </message>
    <message>
        <source>Window 2 end hour</source>
        <translation>Horario 2, hora de fin</translation>
    </message>
    <message>
        <source>Window 2 end minute</source>
        <translation>Horario 2, minuto de fin</translation>
    </message>
    <message>
        <source>Window 3 start hour</source>
        <translation>Horario 3, hora de inicio</translation>
    </message>
    <message>
        <source>Window 3 start minute</source>
        <translation>Horario 3, minuto de inicio</translation>
    </message>
    <message>
        <source>Window 3 end hour</source>
        <translation>Horario 3, hora de fin</translation>
    </message>
    <message>
        <source>Window 3 end minute</source>
        <translation>Horario 3, minuto de fin</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Configuración de la cámara</translation>
    </message>
</context>
<context>
    <name>FormWords</name>
    <message>
        <source>The card was removed before the file was complete: put it back and press Generate again.</source>
        <translation>Se retiró la tarjeta antes de completar el archivo: vuelva a insertarla y pulse Generar de nuevo.</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>Esa carpeta no existe: ¿está la tarjeta en su ranura o se refería a otra carpeta?</translation>
    </message>
    <message>
        <source>It is not a folder: choose the card&apos;s folder with &quot;Select&quot;.</source>
        <translation>No es una carpeta: elija la carpeta de la tarjeta con &quot;Seleccionar&quot;.</translation>
    </message>
    <message>
        <source>The card is read-only: is its lock switch set?</source>
        <translation>La tarjeta es de solo lectura: ¿tiene puesta la pestaña de bloqueo?</translation>
    </message>
    <message>
        <source>The card is full.</source>
        <translation>La tarjeta está llena.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Lo impide una carpeta con ese nombre.</translation>
    </message>
    <message>
        <source>Something that is no file is in the way.</source>
        <translation>Lo impide algo con ese nombre que no es un archivo.</translation>
    </message>
    <message>
        <source>This folder may not be written to: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>No se puede escribir en esta carpeta: elija antes la carpeta de la tarjeta con &quot;Seleccionar&quot;.</translation>
    </message>
    <message>
        <source>The file there is read-only, or this folder may not be written to.</source>
        <translation>El archivo existente es de solo lectura o no se puede escribir en esta carpeta.</translation>
    </message>
    <message>
        <source>The file could not be created.</source>
        <translation>No se pudo crear el archivo.</translation>
    </message>
    <message>
        <source>the card is full. Make room on it, or use another card.</source>
        <translation>la tarjeta está llena. Libere espacio en ella o use otra tarjeta.</translation>
    </message>
    <message>
        <source>the system lets this program write no file that large.</source>
        <translation>el sistema no permite a este programa escribir un archivo tan grande.</translation>
    </message>
    <message>
        <source>the card did not take it, as a loose or failing card does. Put it back firmly and press Generate again, or use another card.</source>
        <translation>la tarjeta no lo aceptó, como pasa con una tarjeta mal insertada o defectuosa. Vuelva a insertarla bien y pulse Generar de nuevo, o use otra tarjeta.</translation>
    </message>
    <message>
        <source>the card turned read-only while it was written, as a failing card does. Use another card, or check this one on a computer.</source>
        <translation>la tarjeta pasó a ser de solo lectura durante la escritura, como pasa con una tarjeta defectuosa. Use otra tarjeta o revise esta en un ordenador.</translation>
    </message>
    <message>
        <source>the folder&apos;s path is too long. Choose a folder nearer the top of the card.</source>
        <translation>la ruta de la carpeta es demasiado larga. Elija una carpeta más cercana a la raíz de la tarjeta.</translation>
    </message>
    <message>
        <source>the file there belongs to another user and may not be replaced.</source>
        <translation>el archivo existente pertenece a otro usuario y no se puede reemplazar.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>No se pudo escribir el archivo: %1</translation>
    </message>
    <message>
        <source>The file was written but reads back differently, as a failing card does: press Generate again, or use another card.</source>
        <translation>El archivo se escribió, pero al releerlo es distinto, como pasa con una tarjeta defectuosa: pulse Generar de nuevo, o use otra tarjeta.</translation>
    </message>
    <message>
        <source>this program may not read it back from that folder.</source>
        <translation>este programa no tiene permiso para releerlo de esa carpeta.</translation>
    </message>
    <message>
        <source>the card did not answer, as a loose or failing card does. Put it back firmly and press Generate again.</source>
        <translation>la tarjeta no respondió, como pasa con una tarjeta mal insertada o defectuosa. Vuelva a insertarla bien y pulse Generar de nuevo.</translation>
    </message>
    <message>
        <source>The file was written but could not be checked: %1</source>
        <translation>El archivo se escribió, pero no se pudo comprobar: %1</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>Se ha generado el archivo de configuración del sistema.</translation>
    </message>
    <message>
        <source>The settings are too long for the camera: %1 bytes, at most %2 fit.
Nothing was written.</source>
        <translation>Los ajustes son demasiado largos para la cámara: %1 bytes, y caben como máximo %2.
No se ha escrito nada.</translation>
    </message>
    <message>
        <source>No card is mounted at %1: nothing was written.</source>
        <translation>No hay ninguna tarjeta montada en %1: no se ha escrito nada.</translation>
    </message>
    <message>
        <source>The selected card is no longer there: nothing was written.</source>
        <translation>La tarjeta seleccionada ya no está: no se ha escrito nada.</translation>
    </message>
    <message>
        <source>The file was written, but another program has replaced it since: the folder now holds that program&apos;s file.</source>
        <translation>El archivo se escribió, pero otro programa lo ha reemplazado después: la carpeta contiene ahora el archivo de ese programa.</translation>
    </message>
    <message>
        <source>it holds a value that the form does not offer: the list &quot;%1&quot; has no item %2</source>
        <translation>contiene un valor que el formulario no ofrece: la lista &quot;%1&quot; no tiene el elemento %2</translation>
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
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Camera+Video</source>
        <translation>Foto+Vídeo</translation>
    </message>
    <message>
        <source>1 Photo</source>
        <translation>1 foto</translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation>2 fotos</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 fotos</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
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
        <translation>A/M/D</translation>
    </message>
    <message>
        <source>D/M/Y</source>
        <translation>D/M/A</translation>
    </message>
    <message>
        <source>M/D/Y</source>
        <translation>M/D/A</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>关于 Kestrivo(&amp;A)...</source>
        <translation>&amp;Acerca de Kestrivo...</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>Modelo de cámara</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Configurar cámara</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>Configurar MMS</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>Configurar SMTP</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Setup  V2.1</source>
        <translation>Configuración  V2.1</translation>
    </message>
</context>
<context>
    <name>MmsSetup</name>
    <message>
        <source>MMS Mode</source>
        <translation>Modo MMS</translation>
    </message>
    <message>
        <source>MMS Status</source>
        <translation>Estado MMS</translation>
    </message>
    <message>
        <source>MMS Number/Day</source>
        <translation>MMS por día</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>Nota: 0 = sin límite</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Informe diario</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operador</translation>
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
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Mobile 1</source>
        <translation>Teléfono 1</translation>
    </message>
    <message>
        <source>Mobile 2</source>
        <translation>Teléfono 2</translation>
    </message>
    <message>
        <source>Mobile 3</source>
        <translation>Teléfono 3</translation>
    </message>
    <message>
        <source>Mobile 4</source>
        <translation>Teléfono 4</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>Correo 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>Correo 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>Correo 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>Correo 4</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>Configuración MMS</translation>
    </message>
</context>
<context>
    <name>ReadWords</name>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>the settings are %1 bytes long; a settings file holds at most %2</source>
        <translation>los ajustes ocupan %1 bytes; un archivo de ajustes admite como máximo %2</translation>
    </message>
    <message>
        <source>expected key %1, found %2</source>
        <translation>se esperaba la clave %1 y se encontró %2</translation>
    </message>
    <message>
        <source>expected key %1, found the end of the text</source>
        <translation>se esperaba la clave %1 y se encontró el final del texto</translation>
    </message>
    <message>
        <source>%1 has no line end: the text is cut short</source>
        <translation>%1 no tiene fin de línea: el texto está cortado</translation>
    </message>
    <message>
        <source>the value of %1 holds a byte outside printable ASCII: %2</source>
        <translation>el valor de %1 contiene un byte fuera del ASCII imprimible: %2</translation>
    </message>
    <message>
        <source>expected a number for %1, found %2</source>
        <translation>se esperaba un número para %1 y se encontró %2</translation>
    </message>
    <message>
        <source>the number for %1 is out of range, found %2</source>
        <translation>el número para %1 está fuera de rango; se encontró %2</translation>
    </message>
    <message>
        <source>expected %1 characters for %2, found %3</source>
        <translation>se esperaban %1 caracteres para %2 y se encontró %3</translation>
    </message>
    <message>
        <source>expected %1 for %2, found %3</source>
        <translation>se esperaba %1 para %2 y se encontró %3</translation>
    </message>
    <message>
        <source>expected the end of the text, found %1</source>
        <translation>se esperaba el final del texto y se encontró %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a settings file holds</source>
        <translation>supera los %1 bytes que admite un archivo de ajustes</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>no es un archivo %1 válido: %2</translation>
    </message>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>Es una tubería con nombre, no un archivo</translation>
    </message>
    <message>
        <source>Is a device, not a file</source>
        <translation>Es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>Is a socket, not a file</source>
        <translation>Es un socket, no un archivo</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>The file is not on the selected card</source>
        <translation>El archivo no está en la tarjeta seleccionada</translation>
    </message>
    <message>
        <source>No card is mounted at the folder</source>
        <translation>No hay ninguna tarjeta montada en la carpeta</translation>
    </message>
    <message>
        <source>No such folder</source>
        <translation>No existe la carpeta</translation>
    </message>
    <message>
        <source>Not a folder</source>
        <translation>No es una carpeta</translation>
    </message>
    <message>
        <source>The card was removed</source>
        <translation>Se retiró la tarjeta</translation>
    </message>
    <message>
        <source>The file reads back differently</source>
        <translation>El archivo releído no coincide</translation>
    </message>
    <message>
        <source>The settings text is too long</source>
        <translation>El texto de los ajustes es demasiado largo</translation>
    </message>
</context>
<context>
    <name>ReportForm</name>
    <message>
        <source>Its network values are those of no operator in the lists, so the form shows them in &quot;Manual&quot; mode.</source>
        <translation>Sus valores de red no son los de ningún operador de las listas, así que el formulario los muestra en modo &quot;Manual&quot;.</translation>
    </message>
    <message>
        <source>Its network values are those of %1 operators (%2): the form shows the first, %3.</source>
        <translation>Sus valores de red son los de %1 operadores (%2): el formulario muestra el primero, %3.</translation>
    </message>
    <message>
        <source>There are no MMS network settings for %1 in %2. Choose &quot;Manual&quot; as MMS Mode and type the operator&apos;s settings.</source>
        <translation>No hay ajustes de red MMS para %1 en %2. Elija &quot;Manual&quot; en Modo MMS y escriba los ajustes del operador.</translation>
    </message>
    <message>
        <source>There is no GPRS access point for %1 in %2. Choose &quot;Manual&quot; as SMTP Mode and type the operator&apos;s settings.</source>
        <translation>No hay punto de acceso GPRS para %1 en %2. Elija &quot;Manual&quot; en Modo SMTP y escriba los ajustes del operador.</translation>
    </message>
</context>
<context>
    <name>SmtpSetup</name>
    <message>
        <source>SMTP Mode</source>
        <translation>Modo SMTP</translation>
    </message>
    <message>
        <source>GPRS Status</source>
        <translation>Estado GPRS</translation>
    </message>
    <message>
        <source>Email Number/Day</source>
        <translation>Correos por día</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>Nota: 0 = sin límite</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Informe diario</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Smtp Server</source>
        <translation>Serv. SMTP</translation>
    </message>
    <message>
        <source>Sender Email</source>
        <translation>Remitente</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>Correo 1</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>Correo 3</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>Correo 2</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>Correo 4</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>Configuración SMTP</translation>
    </message>
</context>
<context>
    <name>TrailcamCard</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes no %2: the KIND comes right after write</source>
        <translation>%1 no admite %2: el tipo (KIND) va justo después de write</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 no admite %2</translation>
    </message>
    <message>
        <source>--raw and --json cannot be given together</source>
        <translation>--raw y --json no pueden usarse a la vez</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;: camera, mms or smtp</source>
        <translation>tipo desconocido &apos;%1&apos;: camera, mms o smtp</translation>
    </message>
    <message>
        <source>--kind may be given once</source>
        <translation>--kind solo puede indicarse una vez</translation>
    </message>
    <message>
        <source>--from may be given once</source>
        <translation>--from solo puede indicarse una vez</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE, not &apos;%1&apos;</source>
        <translation>--set necesita KEY=VALUE, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se indicó ningún comando</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>write needs the kind of file first: camera, mms or smtp</source>
        <translation>write necesita primero el tipo de archivo: camera, mms o smtp</translation>
    </message>
    <message>
        <source>no FOLDER given</source>
        <translation>no se indicó ninguna carpeta (FOLDER)</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>no se indicó ningún archivo (FILE)</translation>
    </message>
    <message>
        <source>an empty FOLDER or FILE name was given</source>
        <translation>se indicó un nombre de carpeta o de archivo vacío</translation>
    </message>
    <message>
        <source>an empty FILE name was given</source>
        <translation>se indicó un nombre de archivo vacío</translation>
    </message>
    <message>
        <source>standard input (-) may be given once</source>
        <translation>la entrada estándar (-) solo puede indicarse una vez</translation>
    </message>
    <message>
        <source>%1 (see trailcam-card --help)</source>
        <translation>%1 (consulte trailcam-card --help)</translation>
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
Lee y escribe los archivos de ajustes de una cámara trampa tal como los crean
los formularios de trailcam-setup: CameraSet.dat (KIND camera), MmsSet.dat (mms)
y SmtpSet.dat (smtp). Una carpeta (FOLDER) pasada a show o check equivale a
todos los archivos de ajustes que contiene; - como FILE lee la entrada estándar.

  show     muestra los ajustes de cada FILE con las palabras de su formulario
  check    indica si cada FILE contiene ajustes que su formulario puede crear
  write    escribe en cada FOLDER los valores predeterminados del formulario,
           o los ajustes de --from FILE, y cada --set KEY=VALUE cambia la
           línea KEY; el reloj de la cámara se toma en ese momento, salvo que
           --set CLK=... indique uno.
           El VALUE de una lista es su posición o su texto, como MRES=0 o
           MRES=1080P

  --kind KIND     qué archivo de ajustes es cada FILE, si su nombre no lo dice
  --raw           muestra las líneas del propio archivo
  --json          muestra o comprueba en formato JSON
  -h, --help      muestra esta ayuda y sale
      --version   muestra la versión y sale

Estado de salida: 0 si todo fue bien; 1 si un archivo o un valor es incorrecto
o no se pudo escribir en una carpeta; 2 si la línea de comandos es incorrecta.
</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>neither its name nor --kind says which settings file it is, and it reads as none of them</source>
        <translation>ni su nombre ni --kind indican qué archivo de ajustes es, y no se lee como ninguno de ellos</translation>
    </message>
    <message>
        <source>%1: OK, %2 (%3)</source>
        <translation>%1: correcto, %2 (%3)</translation>
    </message>
    <message>
        <source>--set %1: a value must be printable ASCII, without line breaks, tabs or other characters the camera cannot read</source>
        <translation>--set %1: el valor debe ser ASCII imprimible, sin saltos de línea, tabuladores ni otros caracteres que la cámara no pueda leer</translation>
    </message>
    <message>
        <source>%1; put it back and write it again</source>
        <translation>%1; vuelva a insertarla y escriba el archivo de nuevo</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>Se ha generado el archivo de configuración del sistema.</translation>
    </message>
    <message>
        <source>not written: the settings are %1 bytes long, at most %2 fit</source>
        <translation>no escrito: los ajustes ocupan %1 bytes, y caben como máximo %2</translation>
    </message>
    <message>
        <source>not written: the form would refuse these settings</source>
        <translation>no escrito: el formulario rechazaría estos ajustes</translation>
    </message>
    <message>
        <source>not written: no card is mounted at %1</source>
        <translation>no escrito: no hay ninguna tarjeta montada en %1</translation>
    </message>
    <message>
        <source>not written: the card is no longer there</source>
        <translation>no escrito: la tarjeta ya no está</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>no se puede crear el archivo: %1</translation>
    </message>
    <message>
        <source>%1; give the card&apos;s folder</source>
        <translation>%1; indique la carpeta de la tarjeta</translation>
    </message>
    <message>
        <source>%1; is the card&apos;s lock switch set?</source>
        <translation>%1; ¿tiene la tarjeta puesta la pestaña de bloqueo?</translation>
    </message>
    <message>
        <source>not written: %1</source>
        <translation>no escrito: %1</translation>
    </message>
    <message>
        <source>written but not checked: %1</source>
        <translation>escrito pero no comprobado: %1</translation>
    </message>
    <message>
        <source>%1, as a failing card does; write it again, or use another card</source>
        <translation>%1, como pasa con una tarjeta defectuosa; escríbalo de nuevo o use otra tarjeta</translation>
    </message>
    <message>
        <source>written, but another program has replaced it since</source>
        <translation>escrito, pero otro programa lo ha reemplazado después</translation>
    </message>
    <message>
        <source>%1 has no key &apos;%2&apos;; its keys are %3</source>
        <translation>%1 no tiene la clave &apos;%2&apos;; sus claves son %3</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1; no se ha escrito nada</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>a date and time as %1, the layout of %2=%3</source>
        <translation>una fecha y hora con el formato %1, el de %2=%3</translation>
    </message>
    <message>
        <source>%1=%2: allowed values are %3</source>
        <translation>%1=%2: los valores permitidos son %3</translation>
    </message>
    <message>
        <source>the text of the edit, in printable ASCII</source>
        <translation>el texto del campo, en ASCII imprimible</translation>
    </message>
    <message>
        <source>%1 for %2=%3</source>
        <translation>%1 para %2=%3</translation>
    </message>
    <message>
        <source>a date and time as %1; taken when the file is written unless given</source>
        <translation>una fecha y hora como %1; si no se indica, se toma al escribir el archivo</translation>
    </message>
    <message>
        <source>as %1</source>
        <translation>con el formato %1</translation>
    </message>
    <message>
        <source>%1 characters, each one of %2</source>
        <translation>%1 caracteres, cada uno de entre %2</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>error de escritura</translation>
    </message>
    <message>
        <source>%1, %2 (the values of %3 operators: %4)</source>
        <translation>%1, %2 (los valores de %3 operadores: %4)</translation>
    </message>
    <message>
        <source>%1: the working time %2 must start before it ends on the same day (00:00 00:00 for none)</source>
        <translation>%1: el horario %2 debe empezar antes de terminar, en el mismo día (00:00 00:00 si no se usa)</translation>
    </message>
    <message>
        <source>the folder cannot be read: %1</source>
        <translation>no se puede leer la carpeta: %1</translation>
    </message>
    <message>
        <source>it is a folder without %1</source>
        <translation>es una carpeta sin %1</translation>
    </message>
    <message>
        <source>it is a folder without %1, %2 or %3</source>
        <translation>es una carpeta sin %1, %2 ni %3</translation>
    </message>
    <message>
        <source>%1 (- reads standard input)</source>
        <translation>%1 (- lee la entrada estándar)</translation>
    </message>
    <message>
        <source>it is not a valid %1 (it reads as %2): %3</source>
        <translation>no es un archivo %1 válido (se lee como %2): %3</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>no es un archivo %1 válido: %2</translation>
    </message>
    <message>
        <source>Report bugs at &lt;%1&gt;.</source>
        <translation>Comunique los errores en &lt;%1&gt;.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menú de ventana</translation>
    </message>
</context>
</TS>
