<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Palvenor 2.1 版</source>
        <translation>Palvenor versão 2.1</translation>
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
        <translation>Sobre o Palvenor</translation>
    </message>
</context>
<context>
    <name>CCameraDlg</name>
    <message>
        <source>Timer %1 set error !
Star time need &lt; End time .</source>
        <translation>Erro no horário %1.
A hora de início deve ser anterior à hora de término.</translation>
    </message>
</context>
<context>
    <name>CSettingsForm</name>
    <message>
        <source>This folder holds settings already. Load them into the form?</source>
        <translation>Esta pasta já contém configurações. Carregá-las no formulário?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a line break, a tab or a character outside plain ASCII, which the camera cannot read.
Nothing was written.</source>
        <translation>&quot;%1&quot; contém uma quebra de linha, uma tabulação ou um caractere fora do ASCII simples, que a câmera não consegue ler.
Nada foi gravado.</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>Essa pasta não existe: o cartão está inserido ou a pasta era outra?</translation>
    </message>
    <message>
        <source>This folder holds no such file: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>Esta pasta não contém esse arquivo: escolha primeiro a pasta do cartão com &quot;Selecionar&quot;.</translation>
    </message>
    <message>
        <source>This folder holds no such file: is it the card&apos;s folder?</source>
        <translation>Esta pasta não contém esse arquivo: é a pasta do cartão?</translation>
    </message>
    <message>
        <source>Nothing in the form was changed.</source>
        <translation>Nada foi alterado no formulário.</translation>
    </message>
    <message>
        <source>Settings loaded from %1.</source>
        <translation>Configurações carregadas de %1.</translation>
    </message>
    <message>
        <source>Select :</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>&amp;Load from card</source>
        <translation>C&amp;arregar do cartão</translation>
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
        <translation>Resolução foto</translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation>Resolução vídeo</translation>
    </message>
    <message>
        <source>Series Photos</source>
        <translation>Fotos em série</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Duração vídeo</translation>
    </message>
    <message>
        <source>Beep Sound</source>
        <translation>Sinal sonoro</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilidade</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Carimbo de data</translation>
    </message>
    <message>
        <source>IR Led</source>
        <translation>LED IR</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Relógio</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>Ordem da data</translation>
    </message>
    <message>
        <source>Get Time</source>
        <translation>Hora atual</translation>
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
        <translation>Nº de série</translation>
    </message>
    <message>
        <source>Serial number character 1</source>
        <translation>Número de série, caractere 1</translation>
    </message>
    <message>
        <source>Serial number character 2</source>
        <translation>Número de série, caractere 2</translation>
    </message>
    <message>
        <source>Serial number character 3</source>
        <translation>Número de série, caractere 3</translation>
    </message>
    <message>
        <source>Serial number character 4</source>
        <translation>Número de série, caractere 4</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Fixed Time</source>
        <translation>Horário</translation>
    </message>
    <message>
        <source>Window 1 start hour</source>
        <translation>Horário 1, hora de início</translation>
    </message>
    <message>
        <source>Window 1 start minute</source>
        <translation>Horário 1, minuto de início</translation>
    </message>
    <message>
        <source>Window 1 end hour</source>
        <translation>Horário 1, hora de término</translation>
    </message>
    <message>
        <source>Window 1 end minute</source>
        <translation>Horário 1, minuto de término</translation>
    </message>
    <message>
        <source>Window 2 start hour</source>
        <translation>Horário 2, hora de início</translation>
    </message>
    <message>
        <source>Window 2 start minute</source>
        <translation>Horário 2, minuto de início</translation>
    </message>
    <message>
        <source>Window 2 end hour</source>
        <translation>Horário 2, hora de término</translation>
    </message>
    <message>
        <source>Window 2 end minute</source>
        <translation>Horário 2, minuto de término</translation>
    </message>
    <message>
        <source>Window 3 start hour</source>
        <translation>Horário 3, hora de início</translation>
    </message>
    <message>
        <source>Window 3 start minute</source>
        <translation>Horário 3, minuto de início</translation>
    </message>
    <message>
        <source>Window 3 end hour</source>
        <translation>Horário 3, hora de término</translation>
    </message>
    <message>
        <source>Window 3 end minute</source>
        <translation>Horário 3, minuto de término</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Gerar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Configuração da câmera</translation>
    </message>
</context>
<context>
    <name>FormWords</name>
    <message>
        <source>The card was removed before the file was complete: put it back and press Generate again.</source>
        <translation>O cartão foi removido antes de o arquivo ficar completo: insira-o de volta e clique em Gerar novamente.</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>Essa pasta não existe: o cartão está inserido ou a pasta era outra?</translation>
    </message>
    <message>
        <source>It is not a folder: choose the card&apos;s folder with &quot;Select&quot;.</source>
        <translation>Não é uma pasta: escolha a pasta do cartão com &quot;Selecionar&quot;.</translation>
    </message>
    <message>
        <source>The card is read-only: is its lock switch set?</source>
        <translation>O cartão está protegido contra gravação: a trava dele está ativada?</translation>
    </message>
    <message>
        <source>The card is full.</source>
        <translation>O cartão está cheio.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Uma pasta com esse nome impede a gravação.</translation>
    </message>
    <message>
        <source>Something that is no file is in the way.</source>
        <translation>Algo com esse nome que não é um arquivo impede a gravação.</translation>
    </message>
    <message>
        <source>This folder may not be written to: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>Não é permitido gravar nesta pasta: escolha primeiro a pasta do cartão com &quot;Selecionar&quot;.</translation>
    </message>
    <message>
        <source>The file there is read-only, or this folder may not be written to.</source>
        <translation>O arquivo existente é somente leitura ou não é permitido gravar nesta pasta.</translation>
    </message>
    <message>
        <source>The file could not be created.</source>
        <translation>Não foi possível criar o arquivo.</translation>
    </message>
    <message>
        <source>the card is full. Make room on it, or use another card.</source>
        <translation>o cartão está cheio. Libere espaço nele ou use outro cartão.</translation>
    </message>
    <message>
        <source>the system lets this program write no file that large.</source>
        <translation>o sistema não permite que este programa grave um arquivo tão grande.</translation>
    </message>
    <message>
        <source>the card did not take it, as a loose or failing card does. Put it back firmly and press Generate again, or use another card.</source>
        <translation>o cartão não o aceitou, como acontece com um cartão mal encaixado ou com defeito. Encaixe-o bem e clique em Gerar novamente, ou use outro cartão.</translation>
    </message>
    <message>
        <source>the card turned read-only while it was written, as a failing card does. Use another card, or check this one on a computer.</source>
        <translation>o cartão passou a ser somente leitura durante a gravação, como acontece com um cartão com defeito. Use outro cartão ou verifique este em um computador.</translation>
    </message>
    <message>
        <source>the folder&apos;s path is too long. Choose a folder nearer the top of the card.</source>
        <translation>o caminho da pasta é longo demais. Escolha uma pasta mais próxima da raiz do cartão.</translation>
    </message>
    <message>
        <source>the file there belongs to another user and may not be replaced.</source>
        <translation>o arquivo existente pertence a outro usuário e não pode ser substituído.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Não foi possível gravar o arquivo: %1</translation>
    </message>
    <message>
        <source>The file was written but reads back differently, as a failing card does: press Generate again, or use another card.</source>
        <translation>O arquivo foi gravado, mas ao ser relido está diferente, como acontece com um cartão com defeito: clique em Gerar novamente, ou use outro cartão.</translation>
    </message>
    <message>
        <source>this program may not read it back from that folder.</source>
        <translation>este programa não tem permissão para relê-lo dessa pasta.</translation>
    </message>
    <message>
        <source>the card did not answer, as a loose or failing card does. Put it back firmly and press Generate again.</source>
        <translation>o cartão não respondeu, como acontece com um cartão mal encaixado ou com defeito. Encaixe-o bem e clique em Gerar novamente.</translation>
    </message>
    <message>
        <source>The file was written but could not be checked: %1</source>
        <translation>O arquivo foi gravado, mas não pôde ser verificado: %1</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>O arquivo de configuração do sistema foi gerado.</translation>
    </message>
    <message>
        <source>The settings are too long for the camera: %1 bytes, at most %2 fit.
Nothing was written.</source>
        <translation>As configurações são longas demais para a câmera: %1 bytes, e cabem no máximo %2.
Nada foi gravado.</translation>
    </message>
    <message>
        <source>No card is mounted at %1: nothing was written.</source>
        <translation>Nenhum cartão montado em %1: nada foi gravado.</translation>
    </message>
    <message>
        <source>The selected card is no longer there: nothing was written.</source>
        <translation>O cartão selecionado não está mais lá: nada foi gravado.</translation>
    </message>
    <message>
        <source>The file was written, but another program has replaced it since: the folder now holds that program&apos;s file.</source>
        <translation>O arquivo foi gravado, mas outro programa o substituiu depois: agora a pasta contém o arquivo desse programa.</translation>
    </message>
    <message>
        <source>it holds a value that the form does not offer: the list &quot;%1&quot; has no item %2</source>
        <translation>contém um valor que o formulário não oferece: a lista &quot;%1&quot; não tem o item %2</translation>
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
        <translation>Não</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Média</translation>
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
        <translation>&amp;Sobre o Kestrivo...</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>Modelo da câmera</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Configurar câmera</translation>
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
        <translation>Sair</translation>
    </message>
    <message>
        <source>Setup  V2.1</source>
        <translation>Configuração  V2.1</translation>
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
        <translation>Status MMS</translation>
    </message>
    <message>
        <source>MMS Number/Day</source>
        <translation>MMS por dia</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>Nota: 0 = ilimitado</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Relat. diário</translation>
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
        <translation>Operadora</translation>
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
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Mobile 1</source>
        <translation>Celular 1</translation>
    </message>
    <message>
        <source>Mobile 2</source>
        <translation>Celular 2</translation>
    </message>
    <message>
        <source>Mobile 3</source>
        <translation>Celular 3</translation>
    </message>
    <message>
        <source>Mobile 4</source>
        <translation>Celular 4</translation>
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
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Gerar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>Configuração MMS</translation>
    </message>
</context>
<context>
    <name>ReadWords</name>
    <message>
        <source>it is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>the settings are %1 bytes long; a settings file holds at most %2</source>
        <translation>as configurações têm %1 bytes; um arquivo de configurações comporta no máximo %2</translation>
    </message>
    <message>
        <source>expected key %1, found %2</source>
        <translation>esperava-se a chave %1, mas foi encontrado %2</translation>
    </message>
    <message>
        <source>expected key %1, found the end of the text</source>
        <translation>esperava-se a chave %1, mas o texto terminou</translation>
    </message>
    <message>
        <source>%1 has no line end: the text is cut short</source>
        <translation>%1 não tem fim de linha: o texto está cortado</translation>
    </message>
    <message>
        <source>the value of %1 holds a byte outside printable ASCII: %2</source>
        <translation>o valor de %1 contém um byte fora do ASCII imprimível: %2</translation>
    </message>
    <message>
        <source>expected a number for %1, found %2</source>
        <translation>esperava-se um número para %1, mas foi encontrado %2</translation>
    </message>
    <message>
        <source>the number for %1 is out of range, found %2</source>
        <translation>o número para %1 está fora do intervalo; foi encontrado %2</translation>
    </message>
    <message>
        <source>expected %1 characters for %2, found %3</source>
        <translation>esperavam-se %1 caracteres para %2, mas foi encontrado %3</translation>
    </message>
    <message>
        <source>expected %1 for %2, found %3</source>
        <translation>esperava-se %1 para %2, mas foi encontrado %3</translation>
    </message>
    <message>
        <source>expected the end of the text, found %1</source>
        <translation>esperava-se o fim do texto, mas foi encontrado %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a settings file holds</source>
        <translation>é maior que os %1 bytes que um arquivo de configurações comporta</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>não é um arquivo %1 válido: %2</translation>
    </message>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>É um pipe nomeado, não um arquivo</translation>
    </message>
    <message>
        <source>Is a device, not a file</source>
        <translation>É um dispositivo, não um arquivo</translation>
    </message>
    <message>
        <source>Is a socket, not a file</source>
        <translation>É um socket, não um arquivo</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>The file is not on the selected card</source>
        <translation>O arquivo não está no cartão selecionado</translation>
    </message>
    <message>
        <source>No card is mounted at the folder</source>
        <translation>Nenhum cartão montado na pasta</translation>
    </message>
    <message>
        <source>No such folder</source>
        <translation>A pasta não existe</translation>
    </message>
    <message>
        <source>Not a folder</source>
        <translation>Não é uma pasta</translation>
    </message>
    <message>
        <source>The card was removed</source>
        <translation>O cartão foi removido</translation>
    </message>
    <message>
        <source>The file reads back differently</source>
        <translation>O arquivo relido está diferente</translation>
    </message>
    <message>
        <source>The settings text is too long</source>
        <translation>O texto das configurações é longo demais</translation>
    </message>
</context>
<context>
    <name>ReportForm</name>
    <message>
        <source>Its network values are those of no operator in the lists, so the form shows them in &quot;Manual&quot; mode.</source>
        <translation>Os valores de rede não são os de nenhuma operadora das listas; por isso o formulário os mostra no modo &quot;Manual&quot;.</translation>
    </message>
    <message>
        <source>Its network values are those of %1 operators (%2): the form shows the first, %3.</source>
        <translation>Os valores de rede são os de %1 operadoras (%2): o formulário mostra a primeira, %3.</translation>
    </message>
    <message>
        <source>There are no MMS network settings for %1 in %2. Choose &quot;Manual&quot; as MMS Mode and type the operator&apos;s settings.</source>
        <translation>Não há configurações de rede MMS para %1 em %2. Escolha &quot;Manual&quot; em Modo MMS e digite as configurações da operadora.</translation>
    </message>
    <message>
        <source>There is no GPRS access point for %1 in %2. Choose &quot;Manual&quot; as SMTP Mode and type the operator&apos;s settings.</source>
        <translation>Não há ponto de acesso GPRS para %1 em %2. Escolha &quot;Manual&quot; em Modo SMTP e digite as configurações da operadora.</translation>
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
        <translation>Status GPRS</translation>
    </message>
    <message>
        <source>Email Number/Day</source>
        <translation>E-mails por dia</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>Nota: 0 = ilimitado</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Relat. diário</translation>
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
        <translation>Operadora</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Smtp Server</source>
        <translation>Serv. SMTP</translation>
    </message>
    <message>
        <source>Sender Email</source>
        <translation>Remetente</translation>
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
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Gerar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>Configuração SMTP</translation>
    </message>
</context>
<context>
    <name>TrailcamCard</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes no %2: the KIND comes right after write</source>
        <translation>%1 não aceita %2: o tipo (KIND) vem logo depois de write</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 não aceita %2</translation>
    </message>
    <message>
        <source>--raw and --json cannot be given together</source>
        <translation>--raw e --json não podem ser usados juntos</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;: camera, mms or smtp</source>
        <translation>tipo desconhecido &apos;%1&apos;: camera, mms ou smtp</translation>
    </message>
    <message>
        <source>--kind may be given once</source>
        <translation>--kind só pode ser informado uma vez</translation>
    </message>
    <message>
        <source>--from may be given once</source>
        <translation>--from só pode ser informado uma vez</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE, not &apos;%1&apos;</source>
        <translation>--set precisa de KEY=VALUE, não de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nenhum comando informado</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconhecido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>write needs the kind of file first: camera, mms or smtp</source>
        <translation>write precisa primeiro do tipo de arquivo: camera, mms ou smtp</translation>
    </message>
    <message>
        <source>no FOLDER given</source>
        <translation>nenhuma pasta (FOLDER) informada</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>nenhum arquivo (FILE) informado</translation>
    </message>
    <message>
        <source>an empty FOLDER or FILE name was given</source>
        <translation>foi informado um nome de pasta ou de arquivo vazio</translation>
    </message>
    <message>
        <source>an empty FILE name was given</source>
        <translation>foi informado um nome de arquivo vazio</translation>
    </message>
    <message>
        <source>standard input (-) may be given once</source>
        <translation>a entrada padrão (-) só pode ser informada uma vez</translation>
    </message>
    <message>
        <source>%1 (see trailcam-card --help)</source>
        <translation>%1 (veja trailcam-card --help)</translation>
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
Lê e grava os arquivos de configurações de uma armadilha fotográfica tal como
os formulários do trailcam-setup os criam: CameraSet.dat (KIND camera),
MmsSet.dat (mms) e SmtpSet.dat (smtp). Uma pasta (FOLDER) passada a show ou
check vale por todos os arquivos de configurações nela; - como FILE lê a
entrada padrão.

  show     mostra as configurações de cada FILE nas palavras do seu formulário
  check    diz se cada FILE contém configurações que o formulário pode criar
  write    grava em cada FOLDER os valores padrão do formulário, ou as
           configurações de --from FILE, e cada --set KEY=VALUE altera a linha
           KEY; o relógio da câmera é tomado no momento, a menos que
           --set CLK=... informe um.
           O VALUE de uma lista é a sua posição ou o seu texto, como MRES=0 ou
           MRES=1080P

  --kind KIND     qual arquivo de configurações é cada FILE, se o nome não diz
  --raw           mostra as linhas do próprio arquivo
  --json          mostra ou verifica em formato JSON
  -h, --help      mostra esta ajuda e sai
      --version   mostra a versão e sai

Status de saída: 0 se tudo correu bem; 1 se um arquivo ou um valor está errado
ou não foi possível gravar em uma pasta; 2 se a linha de comando está errada.
</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>neither its name nor --kind says which settings file it is, and it reads as none of them</source>
        <translation>nem o nome nem --kind indicam qual arquivo de configurações é, e ele não pode ser lido como nenhum deles</translation>
    </message>
    <message>
        <source>%1: OK, %2 (%3)</source>
        <translation>%1: OK, %2 (%3)</translation>
    </message>
    <message>
        <source>--set %1: a value must be printable ASCII, without line breaks, tabs or other characters the camera cannot read</source>
        <translation>--set %1: o valor deve ser ASCII imprimível, sem quebras de linha, tabulações ou outros caracteres que a câmera não consegue ler</translation>
    </message>
    <message>
        <source>%1; put it back and write it again</source>
        <translation>%1; insira-o de volta e grave novamente</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>O arquivo de configuração do sistema foi gerado.</translation>
    </message>
    <message>
        <source>not written: the settings are %1 bytes long, at most %2 fit</source>
        <translation>não gravado: as configurações têm %1 bytes, e cabem no máximo %2</translation>
    </message>
    <message>
        <source>not written: the form would refuse these settings</source>
        <translation>não gravado: o formulário recusaria essas configurações</translation>
    </message>
    <message>
        <source>not written: no card is mounted at %1</source>
        <translation>não gravado: nenhum cartão montado em %1</translation>
    </message>
    <message>
        <source>not written: the card is no longer there</source>
        <translation>não gravado: o cartão não está mais lá</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>não é possível criar o arquivo: %1</translation>
    </message>
    <message>
        <source>%1; give the card&apos;s folder</source>
        <translation>%1; informe a pasta do cartão</translation>
    </message>
    <message>
        <source>%1; is the card&apos;s lock switch set?</source>
        <translation>%1; a trava do cartão está ativada?</translation>
    </message>
    <message>
        <source>not written: %1</source>
        <translation>não gravado: %1</translation>
    </message>
    <message>
        <source>written but not checked: %1</source>
        <translation>gravado, mas não verificado: %1</translation>
    </message>
    <message>
        <source>%1, as a failing card does; write it again, or use another card</source>
        <translation>%1, como acontece com um cartão com defeito; grave novamente ou use outro cartão</translation>
    </message>
    <message>
        <source>written, but another program has replaced it since</source>
        <translation>gravado, mas outro programa o substituiu depois</translation>
    </message>
    <message>
        <source>%1 has no key &apos;%2&apos;; its keys are %3</source>
        <translation>%1 não tem a chave &apos;%2&apos;; suas chaves são %3</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1; nada foi gravado</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>a date and time as %1, the layout of %2=%3</source>
        <translation>uma data e hora no formato %1, o de %2=%3</translation>
    </message>
    <message>
        <source>%1=%2: allowed values are %3</source>
        <translation>%1=%2: os valores permitidos são %3</translation>
    </message>
    <message>
        <source>the text of the edit, in printable ASCII</source>
        <translation>o texto do campo, em ASCII imprimível</translation>
    </message>
    <message>
        <source>%1 for %2=%3</source>
        <translation>%1 para %2=%3</translation>
    </message>
    <message>
        <source>a date and time as %1; taken when the file is written unless given</source>
        <translation>uma data e hora como %1; se não for informada, é tomada quando o arquivo é gravado</translation>
    </message>
    <message>
        <source>as %1</source>
        <translation>no formato %1</translation>
    </message>
    <message>
        <source>%1 characters, each one of %2</source>
        <translation>%1 caracteres, cada um entre %2</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>erro de gravação</translation>
    </message>
    <message>
        <source>%1, %2 (the values of %3 operators: %4)</source>
        <translation>%1, %2 (os valores de %3 operadoras: %4)</translation>
    </message>
    <message>
        <source>%1: the working time %2 must start before it ends on the same day (00:00 00:00 for none)</source>
        <translation>%1: o horário %2 deve começar antes de terminar, no mesmo dia (00:00 00:00 se não for usado)</translation>
    </message>
    <message>
        <source>the folder cannot be read: %1</source>
        <translation>não é possível ler a pasta: %1</translation>
    </message>
    <message>
        <source>it is a folder without %1</source>
        <translation>é uma pasta sem %1</translation>
    </message>
    <message>
        <source>it is a folder without %1, %2 or %3</source>
        <translation>é uma pasta sem %1, %2 ou %3</translation>
    </message>
    <message>
        <source>%1 (- reads standard input)</source>
        <translation>%1 (- lê a entrada padrão)</translation>
    </message>
    <message>
        <source>it is not a valid %1 (it reads as %2): %3</source>
        <translation>não é um arquivo %1 válido (é lido como %2): %3</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>não é um arquivo %1 válido: %2</translation>
    </message>
    <message>
        <source>Report bugs at &lt;%1&gt;.</source>
        <translation>Informe erros em &lt;%1&gt;.</translation>
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
        <translation>Fe&amp;char</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menu da janela</translation>
    </message>
</context>
</TS>
