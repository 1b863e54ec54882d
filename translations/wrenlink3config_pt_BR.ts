<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Wrenlink3 Config files (%1)</source>
        <extracomment>The file dialogs&apos; filter; %1 is the file name patterns, such as *.wl3.</extracomment>
        <translation>Arquivos de configuração do Wrenlink3 (%1)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Carregar arquivo de configuração</translation>
    </message>
    <message>
        <source>The folder does not exist:
%1</source>
        <translation>A pasta não existe:
%1</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Salvar arquivo de configuração</translation>
    </message>
    <message>
        <source>config1</source>
        <extracomment>The name Save proposes for a new file, before .wl3.</extracomment>
        <translation>config1</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Read &amp;Version</source>
        <translation>Ler &amp;versão</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>&amp;Ler configuração</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>&amp;Gravar configuração</translation>
    </message>
    <message>
        <source>Send &amp;1200 Hz</source>
        <translation>Enviar &amp;1200 Hz</translation>
    </message>
    <message>
        <source>Send &amp;2200 Hz</source>
        <translation>Enviar &amp;2200 Hz</translation>
    </message>
    <message>
        <source>Send &amp;Both</source>
        <translation>Enviar &amp;ambos</translation>
    </message>
    <message>
        <source>S&amp;top Sending</source>
        <translation>&amp;Parar envio</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carregar</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation>Teste de tons</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primário</translation>
    </message>
    <message>
        <source>Seconday</source>
        <extracomment>The second profile&apos;s tab. The English keeps its old misspelling on purpose, since users know the tab by it; a translation may spell &quot;Secondary&quot; correctly.</extracomment>
        <translation>Secundário</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Fora de serviço</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>A caminho</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>Em serviço</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>Retornando</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>Comprometido</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Especial</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridade</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>Emergência!</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>Convencional</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sul</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Leste</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>North + WIDE</source>
        <translation>Norte + WIDE</translation>
    </message>
    <message>
        <source>South + WIDE</source>
        <translation>Sul + WIDE</translation>
    </message>
    <message>
        <source>East + WIDE</source>
        <translation>Leste + WIDE</translation>
    </message>
    <message>
        <source>West + WIDE</source>
        <translation>Oeste + WIDE</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>MPH</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Temporização</translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation>Beacon de status</translation>
    </message>
    <message>
        <source>MIC-E Settings</source>
        <translation>Ajustes MIC-E</translation>
    </message>
    <message>
        <source>Time Slotting</source>
        <translation>Janelas de tempo</translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation>SmartBeaconing</translation>
    </message>
    <message>
        <source>Power Switch</source>
        <translation>Chave de alimentação</translation>
    </message>
    <message>
        <source>Callsign:</source>
        <translation>Indicativo:</translation>
    </message>
    <message>
        <source>Digi Path:</source>
        <translation>Rota digi:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Símbolo:</translation>
    </message>
    <message>
        <source>Table / Overlay:</source>
        <translation>Tabela / Sobreposição:</translation>
    </message>
    <message>
        <source>Auto TX Delay:</source>
        <translation>Atraso TX auto:</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>milissegundos</translation>
    </message>
    <message>
        <source>Auto Transmit Rate:</source>
        <translation>Intervalo TX auto:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Manual TX Delay:</source>
        <translation>Atraso TX manual:</translation>
    </message>
    <message>
        <source>Manual Transmit Rate:</source>
        <translation>Intervalo TX manual:</translation>
    </message>
    <message>
        <source>Quiet Time:</source>
        <translation>Tempo de silêncio:</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Calibração:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Send every:</source>
        <translation>Enviar a cada:</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>transmissões</translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation>Enviar altitude</translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation>Rotas digi alternativas</translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation>Só enviar válidas</translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation>Permitir serial TTL</translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation>Inverter entrada CD</translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation>Carimbo de tempo DHM</translation>
    </message>
    <message>
        <source>No PTT Out while PTT In</source>
        <translation>Sem saída PTT com entrada PTT</translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation>Carimbo de tempo HMS</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Mensagem:</translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation>Forçar imprimíveis</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Rota:</translation>
    </message>
    <message>
        <source>Transmit offset:</source>
        <translation>Deslocamento de TX:</translation>
    </message>
    <message>
        <source>Min Turn Angle:</source>
        <translation>Ângulo de curva mín.:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>graus</translation>
    </message>
    <message>
        <source>Turn Slope:</source>
        <translation>Inclinação de curva:</translation>
    </message>
    <message>
        <source>Min Turn Time:</source>
        <translation>Tempo de curva mín.:</translation>
    </message>
    <message>
        <source>Slow Speed:</source>
        <translation>Velocidade baixa:</translation>
    </message>
    <message>
        <source>Slow Rate:</source>
        <translation>Intervalo lento:</translation>
    </message>
    <message>
        <source>Fast Speed:</source>
        <translation>Velocidade alta:</translation>
    </message>
    <message>
        <source>Fast Rate:</source>
        <translation>Intervalo rápido:</translation>
    </message>
    <message>
        <source>Power Switch Time:</source>
        <translation>Tempo da chave:</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>does not exist</source>
        <translation>não existe</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>a entrada padrão</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>a saída padrão</translation>
    </message>
    <message>
        <source>the output</source>
        <translation>a saída</translation>
    </message>
    <message>
        <source>the input file</source>
        <translation>o arquivo de entrada</translation>
    </message>
    <message>
        <source>the units file</source>
        <translation>o arquivo de unidades</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>o relatório</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>a tabela</translation>
    </message>
    <message>
        <source>the folder</source>
        <translation>a pasta</translation>
    </message>
    <message>
        <source>the file of %1</source>
        <translation>o arquivo de %1</translation>
    </message>
    <message>
        <source>the backup of %1</source>
        <translation>o backup de %1</translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>user %1&apos;s</source>
        <translation>do usuário %1</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2), which root does not follow</source>
        <translation>%1: é um link de outro usuário (%2), que o root não segue</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2) in a shared folder</source>
        <translation>%1: é um link de outro usuário (%2) em uma pasta compartilhada</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3), which root does not follow</source>
        <translation>%1: passa por %2, um link de outro usuário (%3), que o root não segue</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3) in a shared folder</source>
        <translation>%1: passa por %2, um link de outro usuário (%3) em uma pasta compartilhada</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: é uma pasta</translation>
    </message>
    <message>
        <source>%1: is not a folder</source>
        <translation>%1: não é uma pasta</translation>
    </message>
    <message>
        <source>%1: is read-only</source>
        <translation>%1: é somente leitura</translation>
    </message>
    <message>
        <source>%1: is not a file (a device, a pipe or a socket)</source>
        <translation>%1: não é um arquivo (é um dispositivo, um pipe ou um socket)</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: não pode ser lido: %2</translation>
    </message>
    <message>
        <source>%1: is in a folder that does not exist</source>
        <translation>%1: está em uma pasta que não existe</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: %2</source>
        <translation>%1: nenhum arquivo pode ser criado nesta pasta: %2</translation>
    </message>
    <message>
        <source>%1: not every byte could be written</source>
        <translation>%1: nem todos os bytes puderam ser gravados</translation>
    </message>
    <message>
        <source>%1: is neither a file nor a device to write to</source>
        <translation>%1: não é nem um arquivo nem um dispositivo onde gravar</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s file in a shared folder</source>
        <translation>%1: é o arquivo de outro usuário em uma pasta compartilhada</translation>
    </message>
    <message>
        <source>%1: belongs to another user or group, which a new file could not keep</source>
        <translation>%1: pertence a outro usuário ou grupo, o que um arquivo novo não poderia manter</translation>
    </message>
    <message>
        <source>%1: is a link that leads nowhere a file can be saved</source>
        <translation>%1: é um link que não leva a nenhum lugar onde se possa salvar um arquivo</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1: é %2</translation>
    </message>
    <message>
        <source>%1: %2 would replace %3</source>
        <translation>%1: %2 substituiria %3</translation>
    </message>
    <message>
        <source>%1 is a terminal, and a .wl3 file is binary: redirect it or name a file</source>
        <translation>%1 é um terminal, e um arquivo .wl3 é binário: redirecione-o ou indique um arquivo</translation>
    </message>
    <message>
        <source>%1: is not a configuration file</source>
        <translation>%1: não é um arquivo de configuração</translation>
    </message>
    <message>
        <source>%1: holds an image of %2 bytes, not %3</source>
        <translation>%1: contém uma imagem de %2 bytes, não %3</translation>
    </message>
    <message>
        <source>%1: ends within its header</source>
        <translation>%1: termina dentro do cabeçalho</translation>
    </message>
    <message>
        <source>%1: ends after %2 of the %3 image bytes</source>
        <translation>%1: termina após %2 dos %3 bytes da imagem</translation>
    </message>
    <message>
        <source>%1: holds an image that cannot be decoded</source>
        <translation>%1: contém uma imagem que não pode ser decodificada</translation>
    </message>
    <message>
        <source>%1: is larger than 1 MiB</source>
        <translation>%1: é maior que 1 MiB</translation>
    </message>
    <message>
        <source>%1: holds no tracker below its header</source>
        <translation>%1: não contém nenhum rastreador abaixo do cabeçalho</translation>
    </message>
    <message>
        <source>%1: not valid CSV in row %2: %3</source>
        <translation>%1: CSV inválido na linha %2: %3</translation>
    </message>
    <message>
        <source>%1: out of memory</source>
        <translation>%1: memória insuficiente</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Falha ao abrir o arquivo</translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation>Falha ao ler os dados</translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation>Falha ao gravar os dados</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>Formato de arquivo inválido</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Falha na importação</translation>
    </message>
    <message>
        <source>File too large for a configuration</source>
        <translation>Arquivo grande demais para uma configuração</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Falha ao carregar</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Falha ao salvar</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>JSON inválido: %1</translation>
    </message>
    <message>
        <source>not valid JSON: a NUL byte at byte %1</source>
        <translation>JSON inválido: um byte NUL no byte %1</translation>
    </message>
    <message>
        <source>the document must be a JSON object</source>
        <translation>o documento deve ser um objeto JSON</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>chave desconhecida %1</translation>
    </message>
    <message>
        <source>duplicate key %1</source>
        <translation>chave duplicada %1</translation>
    </message>
    <message>
        <source>%1 must be an object</source>
        <translation>%1 deve ser um objeto</translation>
    </message>
    <message>
        <source>%1 is outside the signed 32-bit range</source>
        <translation>%1 está fora do intervalo de 32 bits com sinal</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 deve ser um número inteiro</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 deve ser um número</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 deve ser true ou false</translation>
    </message>
    <message>
        <source>%1 must be a string</source>
        <translation>%1 deve ser uma string</translation>
    </message>
    <message>
        <source>%1 is longer than 1 character</source>
        <translation>%1 tem mais de 1 caractere</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 tem mais de %2 caracteres</translation>
    </message>
    <message>
        <source>%1 holds U+0000, which ends a text on the tracker</source>
        <translation>%1 contém U+0000, que encerra um texto no rastreador</translation>
    </message>
    <message>
        <source>%1 holds %2, a character above U+00FF</source>
        <translation>%1 contém %2, um caractere acima de U+00FF</translation>
    </message>
    <message>
        <source>up to six letters or digits, optionally followed by -0 to -15 for the SSID</source>
        <translation>até seis letras ou dígitos, seguidos opcionalmente de -0 a -15 como SSID</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>addresses separated by commas, each %1</source>
        <translation>endereços separados por vírgulas, cada um %1</translation>
    </message>
    <message>
        <source>%1, the auto transmit rate plus one</source>
        <translation>%1, o intervalo TX auto mais um</translation>
    </message>
    <message>
        <source>0 to the auto transmit rate plus one</source>
        <translation>0 ao intervalo TX auto mais um</translation>
    </message>
    <message>
        <source>one printable ASCII character, ! to ~</source>
        <translation>um caractere ASCII imprimível, de ! a ~</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>no máximo %1 caracteres</translation>
    </message>
    <message>
        <source>characters from U+0001 to U+00FF</source>
        <translation>caracteres de U+0001 a U+00FF</translation>
    </message>
    <message>
        <source>Wrenlink3 Write</source>
        <translation>Gravação Wrenlink3</translation>
    </message>
    <message>
        <source>The tracker cannot hold these values as they are:</source>
        <translation>O rastreador não pode guardar estes valores como estão:</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <extracomment>The port error as users know it, misspellings kept on purpose in English; a translation may spell it correctly (&quot;Could not acquire COM port&quot;).</extracomment>
        <translation>Não foi possível obter a porta COM</translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation>GetCommState falhou</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>SetCommState falhou</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>SetCommTimeouts falhou</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Falha ao gravar na porta COM</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Falha ao ler da porta COM</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Falha ao fechar a porta COM</translation>
    </message>
    <message>
        <source>%1: there is no serial port with this number on this machine.</source>
        <translation>%1: esta máquina não tem porta serial com este número.</translation>
    </message>
    <message>
        <source>%1: there is no such port on this machine (is the adapter plugged in?)</source>
        <translation>%1: esta porta não existe nesta máquina (o adaptador está conectado?)</translation>
    </message>
    <message>
        <source>%1: %2 (is the adapter still plugged in?)</source>
        <translation>%1: %2 (o adaptador ainda está conectado?)</translation>
    </message>
    <message>
        <source>%1: another program is using this port.</source>
        <translation>%1: outro programa está usando esta porta.</translation>
    </message>
    <message>
        <source>%1: this is not a serial device.</source>
        <translation>%1: não é um dispositivo serial.</translation>
    </message>
    <message>
        <source>The tracker may now hold a partial image. Write the configuration again.</source>
        <translation>O rastreador pode conter agora uma imagem parcial. Grave a configuração novamente.</translation>
    </message>
    <message>
        <source>%1: column &quot;%2&quot; is named twice</source>
        <translation>%1: a coluna &quot;%2&quot; aparece duas vezes</translation>
    </message>
    <message>
        <source>%1: unknown key &quot;%2&quot;</source>
        <translation>%1: chave desconhecida &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: %2 cells where the header has %3 (a text holding a comma goes in double quotes)</source>
        <translation>%1: %2 células onde o cabeçalho tem %3 (um texto com vírgula vai entre aspas duplas)</translation>
    </message>
    <message>
        <source>%1: port: %2</source>
        <translation>%1: porta: %2</translation>
    </message>
    <message>
        <source>%1: no column &quot;%2&quot;</source>
        <translation>%1: não há coluna &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Invalid Com Port Number</source>
        <translation>Número de porta COM inválido</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>Porta COM inválida</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>Porta COM: o gravado não confere</translation>
    </message>
    <message>
        <source>Wrenlink3 Not Found</source>
        <translation>Wrenlink3 não encontrado</translation>
    </message>
    <message>
        <source>%1: the answer to the version query is no Wrenlink3&apos;s.</source>
        <translation>%1: a resposta à consulta de versão não é de um Wrenlink3.</translation>
    </message>
    <message>
        <source>%1: no answer to the version query (is the tracker on and connected?)</source>
        <translation>%1: sem resposta à consulta de versão (o rastreador está ligado e conectado?)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Falha na gravação</translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation>Falha na gravação (código %1 %2)</translation>
    </message>
    <message>
        <source>Wrenlink3 Version</source>
        <translation>Versão do Wrenlink3</translation>
    </message>
    <message>
        <source>Wrenlink3 Read</source>
        <translation>Leitura Wrenlink3</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>Falha na leitura</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Leitura bem-sucedida</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Gravação bem-sucedida</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Calibração não gravada</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>O novo valor de calibração deve ser gravado antes de testar os tons</translation>
    </message>
    <message>
        <source>Bad EE Size</source>
        <translation>Tamanho EE incorreto</translation>
    </message>
    <message>
        <source>Bad EE Size %1</source>
        <translation>Tamanho EE incorreto %1</translation>
    </message>
    <message>
        <source>The callsigns and digipeater paths do not fit in the tracker&apos;s memory. Use fewer digipeaters, or make the primary and secondary callsigns and paths identical.</source>
        <translation>Os indicativos e as rotas digi não cabem na memória do rastreador. Use menos digipeaters, ou torne idênticos os indicativos e rotas primários e secundários.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Texto do beacon de status truncado</translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <extracomment>Kept letter for letter in English (&quot;tuncated&quot;, two spaces after the first sentence); a translation may spell it correctly.</extracomment>
        <translation>O texto primário ou secundário do beacon de status é longo demais e foi truncado. Para um texto mais longo, use menos digipeaters e torne idênticos os indicativos, digipeaters ou textos de status primários e secundários.</translation>
    </message>
    <message>
        <source>%1: is not a configuration in JSON form</source>
        <translation>%1: não é uma configuração em formato JSON</translation>
    </message>
    <message>
        <source>Failed to write to standard output</source>
        <translation>Falha ao gravar na saída padrão</translation>
    </message>
    <message>
        <source>Interrupted: sending the rest of the image first, so that the tracker is not left with part of it (Ctrl-C again stops at once)</source>
        <translation>Interrompido: enviando primeiro o resto da imagem, para que o rastreador não fique com só uma parte (outro Ctrl-C para na hora)</translation>
    </message>
    <message>
        <source>Interrupted: the whole image was sent, but not read back to verify it.</source>
        <translation>Interrompido: a imagem inteira foi enviada, mas não relida para verificação.</translation>
    </message>
    <message>
        <source>Interrupted while writing: the tracker may now hold a partial image. Write the configuration again.</source>
        <translation>Interrompido durante a gravação: o rastreador pode conter agora uma imagem parcial. Grave a configuração novamente.</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Interrompido</translation>
    </message>
    <message>
        <source>The tracker keeps sending until &quot;wl3 tone stop&quot;.</source>
        <translation>O rastreador continua transmitindo até &quot;wl3 tone stop&quot;.</translation>
    </message>
    <message>
        <source>--port usb: no USB serial adapter is plugged in</source>
        <translation>--port usb: nenhum adaptador serial USB está conectado</translation>
    </message>
    <message>
        <source>%1: port %2 is named twice (%3: %4)</source>
        <translation>%1: a porta %2 aparece duas vezes (%3: %4)</translation>
    </message>
    <message>
        <source>%1: with several trackers, name a folder (DIR/) for a file each</source>
        <translation>%1: com vários rastreadores, indique uma pasta (DIR/) para um arquivo cada</translation>
    </message>
    <message>
        <source>Two trackers&apos; files would both be %1; name their ports apart</source>
        <translation>Os arquivos de dois rastreadores seriam ambos %1; diferencie suas portas</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Backup salvo: %1</translation>
    </message>
    <message>
        <source>Not begun: no thread could be started (%1)</source>
        <translation>Não iniciado: nenhuma thread pôde ser iniciada (%1)</translation>
    </message>
    <message>
        <source>%1 %2: the tracker holds %3</source>
        <translation>%1 %2: o rastreador guarda %3</translation>
    </message>
    <message>
        <source>Asking the tracker for its version</source>
        <translation>Perguntando a versão ao rastreador</translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation>Lendo a configuração</translation>
    </message>
    <message>
        <source>Reading it again, to verify</source>
        <translation>Lendo de novo, para verificar</translation>
    </message>
    <message>
        <source>Writing the configuration</source>
        <translation>Gravando a configuração</translation>
    </message>
    <message>
        <source>Reading it back, to verify</source>
        <translation>Relendo, para verificar</translation>
    </message>
    <message>
        <source>Sending the tone command</source>
        <translation>Enviando o comando de tom</translation>
    </message>
    <message>
        <source>permission denied. Add your user to the group that owns the device (sudo usermod -aG %1 $USER), then log out and back in.</source>
        <translation>permissão negada. Adicione seu usuário ao grupo dono do dispositivo (sudo usermod -aG %1 $USER), depois saia da sessão e entre de novo.</translation>
    </message>
    <message>
        <source>permission denied. Your user is in the group %1, but this session began before it was added: log out and back in (or run newgrp %1).</source>
        <translation>permissão negada. Seu usuário está no grupo %1, mas esta sessão começou antes de ele ser adicionado: saia da sessão e entre de novo (ou execute newgrp %1).</translation>
    </message>
    <message>
        <source>permission denied. Only root may open this device, and no group helps: a udev rule must give it a group (see PERMISSIONS in man wl3).</source>
        <translation>permissão negada. Só o root pode abrir este dispositivo, e nenhum grupo ajuda: uma regra do udev precisa dar um grupo a ele (veja PERMISSIONS em man wl3).</translation>
    </message>
    <message>
        <source>permission denied.</source>
        <translation>permissão negada.</translation>
    </message>
    <message>
        <source>%1 or a device path, not &quot;%2&quot;</source>
        <translation>%1 ou um caminho de dispositivo, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>a file name ending in %1 or %2, not &quot;%3&quot;</source>
        <translation>um nome de arquivo terminado em %1 ou %2, não &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1 linha %2</translation>
    </message>
    <message>
        <source>%1: is a pipe (FIFO): name a file, or &quot;-&quot; for standard output</source>
        <translation>%1: é um pipe (FIFO): indique um arquivo, ou &quot;-&quot; para a saída padrão</translation>
    </message>
    <message>
        <source>%1: is a device, not your terminal or /dev/null: name a file</source>
        <translation>%1: é um dispositivo, nem o seu terminal nem /dev/null: indique um arquivo</translation>
    </message>
    <message>
        <source>%1: is UTF-16 text, and a units file is read as UTF-8: save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1: é texto UTF-16, e o arquivo de unidades é lido como UTF-8: salve-o como &quot;CSV UTF-8&quot;</translation>
    </message>
    <message>
        <source>%1: is not UTF-8 text (a spreadsheet&apos;s &quot;ANSI&quot; or Latin-1, perhaps): save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1: não é texto UTF-8 (talvez &quot;ANSI&quot; ou Latin-1 de uma planilha): salve-o como &quot;CSV UTF-8&quot;</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: its files are the system&apos;s own</source>
        <translation>%1: nenhum arquivo pode ser criado nesta pasta: os arquivos dela são do sistema</translation>
    </message>
    <message>
        <source>%1: the columns are separated by semicolons, and a units file&apos;s by commas: save it as CSV with commas</source>
        <translation>%1: as colunas estão separadas por ponto e vírgula, e as do arquivo de unidades por vírgulas: salve-o como CSV com vírgulas</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória esgotada</translation>
    </message>
    <message>
        <source>At most %1 trackers at once: the limit on open files allows no more</source>
        <translation>No máximo %1 rastreadores de uma vez: o limite de arquivos abertos não permite mais</translation>
    </message>
</context>
<context>
    <name>PortNotice</name>
    <message>
        <source>%1 was plugged in</source>
        <translation>%1 foi conectado</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <translation>%1 agora é %2</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>%1 foi desconectado</translation>
    </message>
    <message>
        <source>%1: %2 was unplugged</source>
        <translation>%1: %2 foi desconectado</translation>
    </message>
</context>
<context>
    <name>SpeedHint</name>
    <message>
        <source>≈ %1 km/h</source>
        <extracomment>Beside a speed field in MPH: the same speed in km/h, rounded.</extracomment>
        <translation>≈ %1 km/h</translation>
    </message>
</context>
<context>
    <name>wl3::ui::AboutDialog</name>
    <message>
        <source>About WrenlinkIIConfig</source>
        <extracomment>The About box&apos;s title. &quot;WrenlinkIIConfig&quot; is kept on purpose beside &quot;Wrenlink3Config&quot;: users know the item by that name.</extracomment>
        <translation>Sobre o WrenlinkIIConfig</translation>
    </message>
    <message>
        <source>Wrenlink3Config Version %1</source>
        <translation>Wrenlink3Config versão %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Wrenlink3Config authors</source>
        <translation>Copyright (C) 2026 os autores do Wrenlink3Config</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About WrenlinkIIConfig...</source>
        <extracomment>The menu item that opens the About box; &quot;WrenlinkIIConfig&quot; is kept on purpose.</extracomment>
        <translation>&amp;Sobre o WrenlinkIIConfig...</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ConfigDialog</name>
    <message>
        <source>%1 Enable</source>
        <extracomment>A screen reader&apos;s name for a group&apos;s Enable box: %1 is the group&apos;s title.</extracomment>
        <translation>Ativar %1</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>Porta COM</translation>
    </message>
    <message>
        <source>COM Port Change</source>
        <translation>Mudança de porta COM</translation>
    </message>
    <message>
        <source>The configuration has changes that are not saved.</source>
        <translation>A configuração tem alterações não salvas.</translation>
    </message>
    <message>
        <source>Save them to a file first?</source>
        <translation>Salvá-las antes em um arquivo?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Salvar…</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>The test tone could not be stopped: the tracker may still be sending it, and the radio may be transmitting.</source>
        <translation>O tom de teste não pôde ser parado: o rastreador pode ainda estar enviando-o, e o rádio pode estar transmitindo.</translation>
    </message>
    <message>
        <source>Check the cable and the COM port, then try again, or switch the radio off before you close.</source>
        <translation>Verifique o cabo e a porta COM e tente de novo, ou desligue o rádio antes de fechar.</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Tentar de novo</translation>
    </message>
    <message>
        <source>C&amp;lose Anyway</source>
        <translation>&amp;Fechar assim mesmo</translation>
    </message>
</context>
<context>
    <name>wl3::ui::PortComboBox</name>
    <message>
        <source>no device</source>
        <translation>nenhum dispositivo</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ProgressDialog</name>
    <message>
        <source>%v of %m bytes</source>
        <translation>%v de %m bytes</translation>
    </message>
</context>
</TS>
