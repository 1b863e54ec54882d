<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AdviceMarks</name>
    <message>
        <source>Advice</source>
        <extracomment>A screen reader&apos;s name for the warning mark beside a field.</extracomment>
        <translation>Recomendação</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>%1, %2</source>
        <extracomment>A field of the compared configurations: %1 is the profile&apos;s tab, %2 the field&apos;s label.</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>ControlHelp</name>
    <message>
        <source>Greyed while SmartBeaconing is off: the tracker then beacons at the Auto Transmit Rate, and SmartBeaconing&apos;s settings are not stored.</source>
        <translation>Indisponível enquanto o SmartBeaconing estiver desligado: o rastreador então transmite beacons no &quot;Intervalo TX auto&quot;, e os ajustes do SmartBeaconing não são armazenados.</translation>
    </message>
    <message>
        <source>Greyed while SmartBeaconing is on: the tracker then times its beacons by speed and turning, with SmartBeaconing&apos;s rates in place of this one.</source>
        <translation>Indisponível enquanto o SmartBeaconing estiver ligado: o rastreador então programa seus beacons pela velocidade e pelas curvas, com os intervalos do SmartBeaconing no lugar deste.</translation>
    </message>
    <message>
        <source>Greyed while Time Slotting is off: the tracker then transmits whenever its rate comes round, and the offset is not stored.</source>
        <translation>Indisponível enquanto a opção &quot;Janelas de tempo&quot; estiver desligada: o rastreador então transmite sempre que seu intervalo se completa, e o deslocamento não é armazenado.</translation>
    </message>
    <message>
        <source>Greyed while MIC-E is off: the tracker then sends plain position reports, to which this setting does not apply.</source>
        <translation>Indisponível enquanto o MIC-E estiver desligado: o rastreador então envia relatórios de posição comuns, aos quais este ajuste não se aplica.</translation>
    </message>
    <message>
        <source>Greyed while Power Switch is off: the tracker then does not use this time.</source>
        <translation>Indisponível enquanto a &quot;Chave de alimentação&quot; estiver desligada: o rastreador então não usa este tempo.</translation>
    </message>
    <message>
        <source>The tracker uses the calibration it holds: write a new calibration before testing it.</source>
        <translation>O rastreador usa a calibração que tem guardada: grave uma nova calibração antes de testá-la.</translation>
    </message>
    <message>
        <source>Your station&apos;s callsign, sent in every packet. An SSID tells what kind of station it is: -9 is usual for a car, -7 for a handheld. NOCALL, the default, may not be transmitted.</source>
        <translation>O indicativo da sua estação, enviado em todo pacote. O SSID indica o tipo de estação: -9 é o usual para um carro, -7 para um rádio portátil (HT). NOCALL, o padrão, não pode ser transmitido.</translation>
    </message>
    <message>
        <source>The digipeaters asked to repeat each packet, separated by commas; empty sends direct only. WIDE1-1,WIDE2-1 suits most areas. More than %1 hops floods the network, and RELAY, TRACE and WIDE alone are obsolete.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>Os digipeaters solicitados a repetir cada pacote, separados por vírgulas; vazio envia somente direto. WIDE1-1,WIDE2-1 serve para a maioria das regiões. Mais de %1 saltos congestiona a rede, e RELAY, TRACE e WIDE sozinho estão obsoletos.</translation>
    </message>
    <message>
        <source>The symbol that maps draw for this station, from the table or with the overlay beside it. The button beside them shows it and lists every symbol.</source>
        <translation>O símbolo com que os mapas desenham esta estação, da tabela ou com a sobreposição indicada ao lado. O botão ao lado deles mostra o símbolo e lista todos os símbolos.</translation>
    </message>
    <message>
        <source>%1 chooses the primary symbol table, %2 the alternate one. A digit or a capital letter chooses the alternate table and is drawn over the symbol, where the symbol takes an overlay.</source>
        <extracomment>%1 the primary table&apos;s character, %2 the alternate table&apos;s.</extracomment>
        <translation>%1 escolhe a tabela de símbolos primária, %2 a alternativa. Um dígito ou uma letra maiúscula escolhe a tabela alternativa e é desenhado sobre o símbolo, quando o símbolo aceita sobreposição.</translation>
    </message>
    <message>
        <source>How long the tracker keys the radio before the data of a timed beacon begins, so that the transmitter and the receivers are ready: too short loses the start of the packet, too long holds the channel. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>Quanto tempo o rastreador aciona o PTT do rádio antes de começarem os dados de um beacon periódico, para que o transmissor e os receptores estejam prontos: curto demais perde o início do pacote, longo demais ocupa o canal. É guardado em passos de cerca de %1 ms.</translation>
    </message>
    <message>
        <source>The time between beacons while SmartBeaconing is off; with Time Slotting, the length of the cycle that holds the slot. Once every %1 seconds or less often is advised.</source>
        <extracomment>%1 the shortest rate that networks advise, in seconds.</extracomment>
        <translation>O tempo entre beacons enquanto o SmartBeaconing estiver desligado; com &quot;Janelas de tempo&quot;, a duração do ciclo que contém a janela. Recomenda-se uma vez a cada %1 segundos ou menos.</translation>
    </message>
    <message>
        <source>As Auto TX Delay, for a manual transmission rather than a timed beacon. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>Como o &quot;Atraso TX auto&quot;, para uma transmissão manual em vez de um beacon periódico. É guardado em passos de cerca de %1 ms.</translation>
    </message>
    <message>
        <source>As Auto Transmit Rate, for manual transmissions: the time between them.</source>
        <translation>Como o &quot;Intervalo TX auto&quot;, para transmissões manuais: o tempo entre elas.</translation>
    </message>
    <message>
        <source>How long the channel must have been clear, with CD IN inactive, before the tracker transmits, so that it does not key over another station. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 26.3.</extracomment>
        <translation>Quanto tempo o canal deve ter ficado livre, com CD IN inativo, antes que o rastreador transmita, para não transmitir por cima de outra estação. É guardado em passos de cerca de %1 ms.</translation>
    </message>
    <message>
        <source>The tracker&apos;s tone calibration, one value for both profiles. The Tone Test buttons sound the tones with the value the tracker holds: write a new value before testing it.</source>
        <translation>A calibração de tons do rastreador, um valor para os dois perfis. Os botões de &quot;Teste de tons&quot; emitem os tons com o valor guardado no rastreador: grave um valor novo antes de testá-lo.</translation>
    </message>
    <message>
        <source>The status beacon&apos;s text, sent every few transmissions (Send every). Both profiles&apos; callsigns, paths and texts share the tracker&apos;s memory: the line below says how many characters still fit.</source>
        <translation>O texto do beacon de status, enviado a cada poucas transmissões (&quot;Enviar a cada&quot;). Os indicativos, rotas e textos dos dois perfis dividem a memória do rastreador: a linha abaixo diz quantos caracteres ainda cabem.</translation>
    </message>
    <message>
        <source>How many transmissions pass from one status beacon to the next: 3 sends the status text with every third.</source>
        <translation>Quantas transmissões passam de um beacon de status ao seguinte: 3 envia o texto de status a cada terceira transmissão.</translation>
    </message>
    <message>
        <source>Adds the GPS altitude to each position report.</source>
        <translation>Acrescenta a altitude do GPS a cada relatório de posição.</translation>
    </message>
    <message>
        <source>Makes the tracker alternate its digipeater paths from one transmission to the next, rather than send every packet with the Digi Path.</source>
        <translation>Faz o rastreador alternar suas rotas digi de uma transmissão para a outra, em vez de enviar todo pacote com a &quot;Rota digi&quot;.</translation>
    </message>
    <message>
        <source>Sends a position only while the GPS reports a valid fix, so that no stale or empty position goes out.</source>
        <translation>Envia a posição somente enquanto o GPS informa um fix válido, para que nenhuma posição desatualizada ou vazia seja enviada.</translation>
    </message>
    <message>
        <source>Lets the tracker take serial data at TTL logic levels, as many GPS modules send it, besides RS-232 levels.</source>
        <translation>Permite que o rastreador receba dados seriais em níveis lógicos TTL, como muitos módulos GPS os enviam, além dos níveis RS-232.</translation>
    </message>
    <message>
        <source>Inverts the carrier-detect input from the radio&apos;s squelch: check it when the tracker takes a quiet channel for a busy one and holds its beacons back.</source>
        <translation>Inverte a entrada de detecção de portadora vinda do squelch do rádio: marque quando o rastreador toma um canal livre por ocupado e retém seus beacons.</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: day, hour and minute in UTC (the APRS DHM form, DDHHMMz). Checking it unchecks Timestamp HMS; with neither, positions carry no time.</source>
        <translation>Acrescenta um carimbo de tempo a cada posição: dia, hora e minuto em UTC (a forma DHM do APRS, DDHHMMz). Marcá-lo desmarca &quot;Carimbo de tempo HMS&quot;; sem nenhum dos dois, as posições não levam horário.</translation>
    </message>
    <message>
        <source>Holds the tracker&apos;s transmissions back while its PTT In line is active, while you talk through the radio, so that a beacon never cuts into your voice.</source>
        <translation>Retém as transmissões do rastreador enquanto a linha de entrada PTT dele estiver ativa, ou seja, enquanto você fala pelo rádio, para que um beacon nunca corte sua voz.</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: hour, minute and second in UTC (the APRS HMS form, HHMMSSh). Checking it unchecks Timestamp DHM; with neither, positions carry no time.</source>
        <translation>Acrescenta um carimbo de tempo a cada posição: hora, minuto e segundo em UTC (a forma HMS do APRS, HHMMSSh). Marcá-lo desmarca &quot;Carimbo de tempo DHM&quot;; sem nenhum dos dois, as posições não levam horário.</translation>
    </message>
    <message>
        <source>Sends positions in MIC-E form: compact, partly carried in the destination address, with a status message and a path code. Unchecked, the tracker sends plain position reports.</source>
        <translation>Envia as posições na forma MIC-E: compacta, em parte levada no endereço de destino, com uma mensagem de status e um código de rota. Desmarcado, o rastreador envia relatórios de posição comuns.</translation>
    </message>
    <message>
        <source>The MIC-E status sent with every position. Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency.</source>
        <translation>O status MIC-E enviado com cada posição. Emergência! faz toda estação que a receber disparar um alarme: escolha-a somente em uma emergência real.</translation>
    </message>
    <message>
        <source>Keeps every character of the MIC-E packet printable, for digipeaters and programs that drop packets holding others.</source>
        <translation>Mantém imprimíveis todos os caracteres do pacote MIC-E, por causa de digipeaters e programas que descartam pacotes com outros caracteres.</translation>
    </message>
    <message>
        <source>The path code that MIC-E carries in its destination address: Conventional sends the Digi Path; WIDE-1 to WIDE-7 ask for that many hops; North, South, East and West ask for directional digipeating, + WIDE for a wide hop too. More than %1 hops floods the network.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>O código de rota que o MIC-E leva no endereço de destino: &quot;Convencional&quot; envia a &quot;Rota digi&quot;; WIDE-1 a WIDE-7 pedem esse número de saltos; &quot;Norte&quot;, &quot;Sul&quot;, &quot;Leste&quot; e &quot;Oeste&quot; pedem digipeating direcional, e com &quot;+ WIDE&quot; também um salto WIDE. Mais de %1 saltos congestiona a rede.</translation>
    </message>
    <message>
        <source>Transmits at a fixed offset in each cycle of the Auto Transmit Rate, timed by the GPS clock, so that trackers sharing a frequency each keep a slot of their own and never collide. Checking it unchecks SmartBeaconing.</source>
        <translation>Transmite com um deslocamento fixo em cada ciclo do &quot;Intervalo TX auto&quot;, marcado pelo relógio do GPS, para que os rastreadores que dividem uma frequência tenham cada um sua própria janela e nunca colidam. Marcá-lo desmarca o SmartBeaconing.</translation>
    </message>
    <message>
        <source>Where in each cycle of the Auto Transmit Rate the tracker transmits: give each tracker on the frequency an offset of its own.</source>
        <translation>Em que ponto de cada ciclo do &quot;Intervalo TX auto&quot; o rastreador transmite: dê a cada rastreador da frequência um deslocamento próprio.</translation>
    </message>
    <message>
        <source>Times beacons by speed and turning: often when fast, seldom when slow, and at once after a turn, so that a map traces the route with few packets. The Auto Transmit Rate is then unused; checking it unchecks Time Slotting.</source>
        <translation>Programa os beacons pela velocidade e pelas curvas: com frequência quando rápido, raramente quando devagar e logo após uma curva, para que um mapa trace a rota com poucos pacotes. O &quot;Intervalo TX auto&quot; fica então sem uso; marcá-lo desmarca &quot;Janelas de tempo&quot;.</translation>
    </message>
    <message>
        <source>The smallest change of heading that sends a beacon at once at high speed; at lower speeds Turn Slope adds to it.</source>
        <translation>A menor mudança de rumo que envia um beacon imediatamente em alta velocidade; em velocidades menores, a &quot;Inclinação de curva&quot; se soma a ela.</translation>
    </message>
    <message>
        <source>Raises the turn needed at low speed: a beacon goes out when the heading changes by more than Min Turn Angle + Turn Slope ÷ speed in MPH, so that slow corners in town do not each send one.</source>
        <translation>Aumenta a curva necessária em baixa velocidade: um beacon sai quando o rumo muda mais que &quot;Ângulo de curva mín.&quot; + &quot;Inclinação de curva&quot; ÷ velocidade em MPH, para que cada esquina lenta na cidade não envie um.</translation>
    </message>
    <message>
        <source>The least time between two beacons sent for turns, so that a winding road does not send one every few seconds.</source>
        <translation>O menor tempo entre dois beacons enviados por curvas, para que uma estrada sinuosa não envie um a cada poucos segundos.</translation>
    </message>
    <message>
        <source>At or below this speed the tracker beacons every Slow Rate. It must be below Fast Speed.</source>
        <translation>Nesta velocidade ou abaixo dela, o rastreador transmite um beacon a cada &quot;Intervalo lento&quot;. Deve ser menor que a &quot;Velocidade alta&quot;.</translation>
    </message>
    <message>
        <source>The time between beacons at or below Slow Speed, parked or walking.</source>
        <translation>O tempo entre beacons na &quot;Velocidade baixa&quot; ou abaixo dela, estacionado ou a pé.</translation>
    </message>
    <message>
        <source>At or above this speed the tracker beacons every Fast Rate; between the two speeds the time between beacons follows the speed.</source>
        <translation>Nesta velocidade ou acima dela, o rastreador transmite um beacon a cada &quot;Intervalo rápido&quot;; entre as duas velocidades, o tempo entre beacons acompanha a velocidade.</translation>
    </message>
    <message>
        <source>The time between beacons at or above Fast Speed. It should be shorter than Slow Rate.</source>
        <translation>O tempo entre beacons na &quot;Velocidade alta&quot; ou acima dela. Convém que seja menor que o &quot;Intervalo lento&quot;.</translation>
    </message>
    <message>
        <source>Turns on the tracker&apos;s power switching, timed by Power Switch Time.</source>
        <translation>Ativa a comutação de alimentação do rastreador, temporizada pelo &quot;Tempo da chave&quot;.</translation>
    </message>
    <message>
        <source>The time of the tracker&apos;s power switching.</source>
        <translation>O tempo da comutação de alimentação do rastreador.</translation>
    </message>
    <message>
        <source>The tracker keeps two complete profiles, each with its own callsign, path, symbol, text, timing and options; only the calibration is shared. The form shows the chosen tab&apos;s profile (Ctrl+Tab for the other); Read, Write, Save and Load always take both. A callsign and path, or a status text, equal to the Primary&apos;s are stored once, which leaves the status texts more room.</source>
        <translation>O rastreador guarda dois perfis completos, cada um com seu próprio indicativo, rota, símbolo, texto, temporização e opções; só a calibração é compartilhada. O formulário mostra o perfil da aba escolhida (Ctrl+Tab para o outro); &quot;Ler configuração&quot;, &quot;Gravar configuração&quot;, &quot;Salvar&quot; e &quot;Carregar&quot; sempre abrangem os dois. Um indicativo e uma rota, ou um texto de status, iguais aos do &quot;Primário&quot; são armazenados uma só vez, o que deixa mais espaço para os textos de status.</translation>
    </message>
    <message>
        <source>The serial port that the tracker is connected to, at 4800 baud: %1, each the device on this machine that its entry&apos;s tooltip names, or a device given by its path.</source>
        <extracomment>%1 the COM ports&apos; names, such as COM1 to COM4.</extracomment>
        <translation>A porta serial à qual o rastreador está conectado, a 4800 baud: %1, cada uma sendo o dispositivo desta máquina indicado na dica do seu item, ou um dispositivo dado pelo caminho.</translation>
    </message>
    <message>
        <source>Asks the tracker on the chosen COM port for its version: a quick check that the cable, the port and the tracker answer. Changes nothing.</source>
        <translation>Pergunta a versão ao rastreador na porta COM escolhida: uma verificação rápida de que o cabo, a porta e o rastreador respondem. Não altera nada.</translation>
    </message>
    <message>
        <source>Reads both profiles and the calibration from the tracker into the form, twice, to be sure that both reads agree. Asks first when the form has edits that are not saved.</source>
        <translation>Lê os dois perfis e a calibração do rastreador para o formulário, duas vezes, para garantir que as duas leituras coincidem. Pergunta antes quando o formulário tem alterações não salvas.</translation>
    </message>
    <message>
        <source>Writes both profiles and the calibration into the tracker, then reads them back to verify every byte. The form then shows the values as the tracker keeps them, delays in its steps.</source>
        <translation>Grava os dois perfis e a calibração no rastreador e depois os relê para verificar cada byte. O formulário passa então a mostrar os valores como o rastreador os guarda, os atrasos em seus passos.</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 1200 Hz tone, the mark tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Aciona o PTT do rádio e envia um tom contínuo de 1200 Hz, o tom de marca (mark), até &quot;Parar envio&quot;: para ajustar o desvio ou verificar a calibração. %1</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 2200 Hz tone, the space tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Aciona o PTT do rádio e envia um tom contínuo de 2200 Hz, o tom de espaço (space), até &quot;Parar envio&quot;: para ajustar o desvio ou verificar a calibração. %1</translation>
    </message>
    <message>
        <source>Keys the radio and sends both tones, 1200 and 2200 Hz, until Stop Sending: to compare their levels at a receiver. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Aciona o PTT do rádio e envia os dois tons, 1200 e 2200 Hz, até &quot;Parar envio&quot;: para comparar seus níveis em um receptor. %1</translation>
    </message>
    <message>
        <source>Tells the tracker to stop the test tone and unkey the radio. Closing the window stops a tone too.</source>
        <translation>Manda o rastreador parar o tom de teste e liberar o PTT do rádio. Fechar a janela também para o tom.</translation>
    </message>
    <message>
        <source>Closes the window; asks first when the form has edits that are not saved, and stops a test tone that is still sounding.</source>
        <translation>Fecha a janela; pergunta antes quando o formulário tem alterações não salvas e para um tom de teste que ainda esteja soando.</translation>
    </message>
    <message>
        <source>Saves both profiles and the calibration in a .wl3 file, as the tracker would hold them.</source>
        <translation>Salva os dois perfis e a calibração em um arquivo .wl3, como o rastreador os guardaria.</translation>
    </message>
    <message>
        <source>Loads both profiles and the calibration from a .wl3 file, or from wl3&apos;s JSON form. Asks first when the form has edits that are not saved.</source>
        <translation>Carrega os dois perfis e a calibração de um arquivo .wl3, ou do formato JSON do wl3. Pergunta antes quando o formulário tem alterações não salvas.</translation>
    </message>
    <message>
        <source>Shows the form beside a file or the tracker, field by field, and takes the values you choose from the other side. Nothing is written or saved.</source>
        <translation>Mostra o formulário ao lado de um arquivo ou do rastreador, campo a campo, e traz do outro lado os valores que você escolher. Nada é gravado nem salvo.</translation>
    </message>
    <message>
        <source>The picture of the symbol that Symbol and Table / Overlay give. Opens a list of every symbol with its picture and name; the one chosen fills both edits.</source>
        <translation>A imagem do símbolo dado por &quot;Símbolo&quot; e &quot;Tabela / Sobreposição&quot;. Abre uma lista de todos os símbolos com imagem e nome; o escolhido preenche os dois campos.</translation>
    </message>
    <message>
        <source>The Primary profile: the first of the tracker&apos;s two complete sets of settings.</source>
        <translation>O perfil &quot;Primário&quot;: o primeiro dos dois conjuntos completos de ajustes do rastreador.</translation>
    </message>
    <message>
        <source>The Secondary profile: a second complete set of settings, for another callsign, path or timing.</source>
        <translation>O perfil &quot;Secundário&quot;: um segundo conjunto completo de ajustes, para outro indicativo, rota ou temporização.</translation>
    </message>
</context>
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
    <message>
        <source>&amp;Compare…</source>
        <translation>Co&amp;mparar…</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>Restam %1 caracteres</translation>
    </message>
    <message>
        <source>%1 too many: %2 text cut</source>
        <extracomment>%1 how many characters too many, %2 the tab name of the profile whose text is cut.</extracomment>
        <translation>%1 a mais: texto %2 cortado</translation>
    </message>
    <message>
        <source>%1 too many: both texts cut</source>
        <translation>%1 a mais: ambos os textos cortados</translation>
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
        <extracomment>A piece of advice: %1 the key of the field (primary.digiPath), %2 the reason.</extracomment>
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
    <message>
        <source>(none: index %1)</source>
        <translation>(nenhum: índice %1)</translation>
    </message>
    <message>
        <source>%1 %2, not %3</source>
        <translation>%1 %2, não %3</translation>
    </message>
    <message>
        <source>%1 %2 %3, not %4</source>
        <translation>%1 %2 %3, não %4</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>The status texts do not fit the tracker&apos;s memory; nothing was written.</source>
        <translation>Os textos de status não cabem na memória do rastreador; nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 status text: %2 characters, of which %3 fit</source>
        <extracomment>%1 a profile&apos;s tab name, %2 its status text&apos;s length, %3 how many fit.</extracomment>
        <translation>Texto de status %1: %2 caracteres, dos quais cabem %3</translation>
    </message>
    <message>
        <source>Shorten them, or give --allow-cut-text to write them cut.</source>
        <translation>Encurte-os, ou use --allow-cut-text para gravá-los cortados.</translation>
    </message>
    <message>
        <source>Status Beacon Text Too Long</source>
        <translation>Texto do beacon de status longo demais</translation>
    </message>
    <message>
        <source>Holds what its row writes</source>
        <translation>Contém o que sua linha grava</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Differs from its row: %1</source>
        <translation>Difere de sua linha: %1</translation>
    </message>
    <message>
        <source>no callsign: every transmission must carry your own</source>
        <translation>sem indicativo: toda transmissão deve levar o seu próprio</translation>
    </message>
    <message>
        <source>%1 is a placeholder that may not be transmitted: set your own callsign</source>
        <translation>%1 é um marcador que não pode ser transmitido: defina seu próprio indicativo</translation>
    </message>
    <message>
        <source>%1 is obsolete and no longer served by the networks: use WIDE1-1,WIDE2-1 or WIDE2-2</source>
        <translation>%1 está obsoleto e não é mais atendido pelas redes: use WIDE1-1,WIDE2-1 ou WIDE2-2</translation>
    </message>
    <message>
        <source>%1 asks for more than two hops and floods the network: use WIDE2-2 at most</source>
        <translation>%1 pede mais de dois saltos e congestiona a rede: use no máximo WIDE2-2</translation>
    </message>
    <message>
        <source>the path asks for %1 hops in all; more than two floods the network</source>
        <translation>a rota pede %1 saltos no total; mais de dois congestionam a rede</translation>
    </message>
    <message>
        <source>a beacon every %1 seconds crowds the channel: once a minute or less often is advised</source>
        <translation>um beacon a cada %1 segundos congestiona o canal: recomenda-se uma vez por minuto ou menos</translation>
    </message>
    <message>
        <source>the slow speed (%1 MPH) is not below the fast speed (%2 MPH), so SmartBeaconing cannot tell them apart</source>
        <translation>a velocidade baixa (%1 MPH) não é menor que a alta (%2 MPH), então o SmartBeaconing não consegue distingui-las</translation>
    </message>
    <message>
        <source>the fast rate (%1 seconds) is longer than the slow rate (%2 seconds): moving, the tracker would beacon less often</source>
        <translation>o intervalo rápido (%1 segundos) é maior que o lento (%2 segundos): em movimento, o rastreador transmitiria com menos frequência</translation>
    </message>
    <message>
        <source>Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency</source>
        <translation>Emergência! faz toda estação que a receber disparar um alarme: escolha-a somente em uma emergência real</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vazio)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>A check box&apos;s state, as a comparison of two configurations shows it.</extracomment>
        <translation>ligado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desligado</translation>
    </message>
    <message>
        <source>same record, 1 stored byte differs</source>
        <translation>mesma configuração, 1 byte armazenado difere</translation>
    </message>
    <message>
        <source>same record, %1 stored bytes differ</source>
        <extracomment>Two configurations whose fields are all alike, though their images are not byte for byte: %1 is how many of the 128 bytes differ.</extracomment>
        <translation>mesma configuração, %1 bytes armazenados diferem</translation>
    </message>
    <message>
        <source>%1 status text stored without &quot;%2&quot;</source>
        <extracomment>%1 a profile&apos;s tab name, %2 the end of its status text that was not stored.</extracomment>
        <translation>Texto de status %1 armazenado sem &quot;%2&quot;</translation>
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
    <name>Symbol</name>
    <message>
        <source>Police station</source>
        <translation>Delegacia de polícia</translation>
    </message>
    <message>
        <source>Digipeater</source>
        <translation>Digipeater</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>DX cluster</source>
        <translation>DX cluster</translation>
    </message>
    <message>
        <source>HF gateway</source>
        <translation>Gateway HF</translation>
    </message>
    <message>
        <source>Small aircraft</source>
        <translation>Avião pequeno</translation>
    </message>
    <message>
        <source>Mobile satellite station</source>
        <translation>Estação móvel de satélite</translation>
    </message>
    <message>
        <source>Wheelchair</source>
        <translation>Cadeira de rodas</translation>
    </message>
    <message>
        <source>Snowmobile</source>
        <translation>Moto de neve</translation>
    </message>
    <message>
        <source>Red Cross</source>
        <translation>Cruz Vermelha</translation>
    </message>
    <message>
        <source>Boy Scouts</source>
        <translation>Escoteiros</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Red dot</source>
        <translation>Ponto vermelho</translation>
    </message>
    <message>
        <source>Circle 0</source>
        <translation>Círculo 0</translation>
    </message>
    <message>
        <source>Circle 1</source>
        <translation>Círculo 1</translation>
    </message>
    <message>
        <source>Circle 2</source>
        <translation>Círculo 2</translation>
    </message>
    <message>
        <source>Circle 3</source>
        <translation>Círculo 3</translation>
    </message>
    <message>
        <source>Circle 4</source>
        <translation>Círculo 4</translation>
    </message>
    <message>
        <source>Circle 5</source>
        <translation>Círculo 5</translation>
    </message>
    <message>
        <source>Circle 6</source>
        <translation>Círculo 6</translation>
    </message>
    <message>
        <source>Circle 7</source>
        <translation>Círculo 7</translation>
    </message>
    <message>
        <source>Circle 8</source>
        <translation>Círculo 8</translation>
    </message>
    <message>
        <source>Circle 9</source>
        <translation>Círculo 9</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Incêndio</translation>
    </message>
    <message>
        <source>Campground</source>
        <translation>Camping</translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <translation>Motocicleta</translation>
    </message>
    <message>
        <source>Railway engine</source>
        <translation>Locomotiva</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Carro</translation>
    </message>
    <message>
        <source>File server</source>
        <translation>Servidor de arquivos</translation>
    </message>
    <message>
        <source>Hurricane forecast</source>
        <translation>Previsão de furacão</translation>
    </message>
    <message>
        <source>Aid station</source>
        <translation>Posto de socorro</translation>
    </message>
    <message>
        <source>BBS</source>
        <translation>BBS</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Canoa</translation>
    </message>
    <message>
        <source>Eyeball (event)</source>
        <translation>Olho (evento)</translation>
    </message>
    <message>
        <source>Farm vehicle</source>
        <translation>Veículo agrícola</translation>
    </message>
    <message>
        <source>Grid square</source>
        <translation>Quadrícula</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Escola</translation>
    </message>
    <message>
        <source>PC user</source>
        <translation>Usuário de PC</translation>
    </message>
    <message>
        <source>MacAPRS</source>
        <translation>MacAPRS</translation>
    </message>
    <message>
        <source>NTS station</source>
        <translation>Estação NTS</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balão</translation>
    </message>
    <message>
        <source>Police</source>
        <translation>Polícia</translation>
    </message>
    <message>
        <source>Recreational vehicle</source>
        <translation>Motorhome</translation>
    </message>
    <message>
        <source>Space shuttle</source>
        <translation>Ônibus espacial</translation>
    </message>
    <message>
        <source>SSTV</source>
        <translation>SSTV</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Ônibus</translation>
    </message>
    <message>
        <source>ATV</source>
        <translation>ATV</translation>
    </message>
    <message>
        <source>Weather service site</source>
        <translation>Serviço meteorológico</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helicóptero</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Veleiro</translation>
    </message>
    <message>
        <source>WinAPRS</source>
        <translation>WinAPRS</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Pessoa</translation>
    </message>
    <message>
        <source>Direction finding</source>
        <translation>Radiogoniometria</translation>
    </message>
    <message>
        <source>Post office</source>
        <translation>Correios</translation>
    </message>
    <message>
        <source>Large aircraft</source>
        <translation>Avião grande</translation>
    </message>
    <message>
        <source>Weather station</source>
        <translation>Estação meteorológica</translation>
    </message>
    <message>
        <source>Dish antenna</source>
        <translation>Antena parabólica</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulância</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bicicleta</translation>
    </message>
    <message>
        <source>Incident command post</source>
        <translation>Posto de comando de incidente</translation>
    </message>
    <message>
        <source>Fire station</source>
        <translation>Quartel de bombeiros</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cavalo</translation>
    </message>
    <message>
        <source>Fire engine</source>
        <translation>Caminhão de bombeiros</translation>
    </message>
    <message>
        <source>Glider</source>
        <translation>Planador</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Hospital</translation>
    </message>
    <message>
        <source>Island (IOTA)</source>
        <translation>Ilha (IOTA)</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Jipe</translation>
    </message>
    <message>
        <source>Truck</source>
        <translation>Caminhão</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Notebook</translation>
    </message>
    <message>
        <source>MIC-E repeater</source>
        <translation>Repetidora MIC-E</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Nó</translation>
    </message>
    <message>
        <source>Emergency operations centre</source>
        <translation>Centro de operações de emergência</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Cachorro</translation>
    </message>
    <message>
        <source>Grid square above 128 m</source>
        <translation>Quadrícula acima de 128 m</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repetidora</translation>
    </message>
    <message>
        <source>Power boat</source>
        <translation>Lancha</translation>
    </message>
    <message>
        <source>Truck stop</source>
        <translation>Parada de caminhoneiros</translation>
    </message>
    <message>
        <source>Semi-trailer truck</source>
        <translation>Carreta</translation>
    </message>
    <message>
        <source>Van</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>Water station</source>
        <translation>Ponto de água</translation>
    </message>
    <message>
        <source>xAPRS</source>
        <translation>xAPRS</translation>
    </message>
    <message>
        <source>Yagi antenna</source>
        <translation>Antena Yagi</translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation>Emergência</translation>
    </message>
    <message>
        <source>Digipeater, green star</source>
        <translation>Digipeater, estrela verde</translation>
    </message>
    <message>
        <source>Bank or cash machine</source>
        <translation>Banco ou caixa eletrônico</translation>
    </message>
    <message>
        <source>Power plant</source>
        <translation>Usina elétrica</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Crash site</source>
        <translation>Local de acidente</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nublado</translation>
    </message>
    <message>
        <source>Firenet</source>
        <translation>Firenet</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Igreja</translation>
    </message>
    <message>
        <source>Girl Scouts</source>
        <translation>Bandeirantes</translation>
    </message>
    <message>
        <source>House, HF</source>
        <translation>Casa, HF</translation>
    </message>
    <message>
        <source>Ambiguous position</source>
        <translation>Posição ambígua</translation>
    </message>
    <message>
        <source>Waypoint destination</source>
        <translation>Destino (waypoint)</translation>
    </message>
    <message>
        <source>Circle (IRLP, EchoLink, WIRES)</source>
        <translation>Círculo (IRLP, EchoLink, WIRES)</translation>
    </message>
    <message>
        <source>Network node (802.11)</source>
        <translation>Nó de rede (802.11)</translation>
    </message>
    <message>
        <source>Petrol station</source>
        <translation>Posto de gasolina</translation>
    </message>
    <message>
        <source>Park or picnic area</source>
        <translation>Parque ou área de piquenique</translation>
    </message>
    <message>
        <source>Weather advisory</source>
        <translation>Alerta meteorológico</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Veículo</translation>
    </message>
    <message>
        <source>Information kiosk</source>
        <translation>Quiosque de informações</translation>
    </message>
    <message>
        <source>Hurricane or tropical storm</source>
        <translation>Furacão ou tempestade tropical</translation>
    </message>
    <message>
        <source>Box (DTMF, RFID)</source>
        <translation>Caixa (DTMF, RFID)</translation>
    </message>
    <message>
        <source>Coast Guard</source>
        <translation>Guarda Costeira</translation>
    </message>
    <message>
        <source>Depot</source>
        <translation>Garagem</translation>
    </message>
    <message>
        <source>Smoke</source>
        <translation>Fumaça</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Névoa seca</translation>
    </message>
    <message>
        <source>Rain shower</source>
        <translation>Pancada de chuva</translation>
    </message>
    <message>
        <source>Kenwood radio</source>
        <translation>Rádio Kenwood</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Farol</translation>
    </message>
    <message>
        <source>MARS</source>
        <translation>MARS</translation>
    </message>
    <message>
        <source>Navigation buoy</source>
        <translation>Boia de navegação</translation>
    </message>
    <message>
        <source>Rocket or balloon</source>
        <translation>Foguete ou balão</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>Estacionamento</translation>
    </message>
    <message>
        <source>Earthquake</source>
        <translation>Terremoto</translation>
    </message>
    <message>
        <source>Restaurant</source>
        <translation>Restaurante</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Trovoada</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>Ensolarado</translation>
    </message>
    <message>
        <source>VORTAC navigation aid</source>
        <translation>Auxílio à navegação VORTAC</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>Farmácia</translation>
    </message>
    <message>
        <source>Radio or device</source>
        <translation>Rádio ou dispositivo</translation>
    </message>
    <message>
        <source>Wall cloud</source>
        <translation>Nuvem-muro</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Aeronave</translation>
    </message>
    <message>
        <source>Weather site</source>
        <translation>Ponto meteorológico</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Chuva</translation>
    </message>
    <message>
        <source>ARRL, ARES, Winlink</source>
        <translation>ARRL, ARES, Winlink</translation>
    </message>
    <message>
        <source>Civil defence (RACES)</source>
        <translation>Defesa Civil (RACES)</translation>
    </message>
    <message>
        <source>DX spot</source>
        <translation>Spot DX</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Chuva congelada</translation>
    </message>
    <message>
        <source>Funnel cloud</source>
        <translation>Nuvem funil</translation>
    </message>
    <message>
        <source>Gale flags</source>
        <translation>Bandeiras de vendaval</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Loja</translation>
    </message>
    <message>
        <source>Point of interest</source>
        <translation>Ponto de interesse</translation>
    </message>
    <message>
        <source>Work zone</source>
        <translation>Obras na via</translation>
    </message>
    <message>
        <source>Special vehicle (SUV, ATV)</source>
        <translation>Veículo especial (SUV, quadriciclo)</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Value sign</source>
        <translation>Placa com valor</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triângulo</translation>
    </message>
    <message>
        <source>Small circle</source>
        <translation>Círculo pequeno</translation>
    </message>
    <message>
        <source>Restrooms</source>
        <translation>Banheiros</translation>
    </message>
    <message>
        <source>Ship or boat</source>
        <translation>Navio ou barco</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Flooding</source>
        <translation>Inundação</translation>
    </message>
    <message>
        <source>Wreck or obstruction</source>
        <translation>Naufrágio ou obstáculo</translation>
    </message>
    <message>
        <source>Skywarn</source>
        <translation>Skywarn</translation>
    </message>
    <message>
        <source>Shelter</source>
        <translation>Abrigo</translation>
    </message>
    <message>
        <source>unassigned</source>
        <translation>não atribuído</translation>
    </message>
    <message>
        <source>%1 with overlay %2</source>
        <extracomment>A symbol drawn with a character over it: %1 the symbol&apos;s name, %2 the character.</extracomment>
        <translation>%1 com sobreposição %2</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>&amp;Theme</source>
        <extracomment>The window&apos;s menu of looks; each platform&apos;s own menu holds it (the system menu on Windows, the context menu elsewhere).</extracomment>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Claro</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Escuro</translation>
    </message>
    <message>
        <source>As the &amp;System</source>
        <extracomment>The theme that follows the desktop&apos;s light or dark setting.</extracomment>
        <translation>Como o &amp;sistema</translation>
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
    <name>wl3::ui::CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>This Form</source>
        <translation>Este formulário</translation>
    </message>
    <message>
        <source>&amp;Take Theirs</source>
        <translation>&amp;Usar o deles</translation>
    </message>
    <message>
        <source>Take &amp;All Theirs</source>
        <translation>Usar &amp;todos os deles</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) differ.</source>
        <translation>
            <numerusform>%n campo difere.</numerusform>
            <numerusform>%n campos diferem.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing differs.</source>
        <translation>Nada difere.</translation>
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
    <message>
        <source>1200 Hz</source>
        <translation>1200 Hz</translation>
    </message>
    <message>
        <source>2200 Hz</source>
        <translation>2200 Hz</translation>
    </message>
    <message>
        <source>1200 and 2200 Hz</source>
        <translation>1200 e 2200 Hz</translation>
    </message>
    <message>
        <source>Transmitting %1 — Stop Sending ends it</source>
        <extracomment>The notice while a test tone keys the radio: %1 the tone.</extracomment>
        <translation>Transmitindo %1 — &quot;Parar envio&quot; encerra</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Compare the form with a file, or with the tracker on %1?</source>
        <translation>Comparar o formulário com um arquivo, ou com o rastreador em %1?</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;Arquivo…</translation>
    </message>
    <message>
        <source>&amp;Tracker</source>
        <translation>&amp;Rastreador</translation>
    </message>
    <message>
        <source>Transmitting — </source>
        <extracomment>Before the window&apos;s title while a test tone keys the radio.</extracomment>
        <translation>Transmitindo — </translation>
    </message>
    <message>
        <source>Choose Emergency! as the MIC-E message all the same?</source>
        <translation>Escolher &quot;Emergência!&quot; como mensagem MIC-E mesmo assim?</translation>
    </message>
    <message>
        <source>C&amp;hoose Emergency!</source>
        <translation>&amp;Escolher Emergência!</translation>
    </message>
    <message>
        <source>The window is about to close, and the configuration has changes that are not saved.</source>
        <translation>A janela está prestes a ser fechada, e a configuração tem alterações não salvas.</translation>
    </message>
</context>
<context>
    <name>wl3::ui::DigitsValidator</name>
    <message>
        <source>Only digits 0–9 can be typed here</source>
        <extracomment>Beneath a number edit when a typed or pasted character other than a digit was dropped.</extracomment>
        <translation>Aqui só podem ser digitados os dígitos 0–9</translation>
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
<context>
    <name>wl3::ui::SymbolButton</name>
    <message>
        <source>Choose Symbol</source>
        <translation>Escolher símbolo</translation>
    </message>
    <message>
        <source>Symbol shown: %1</source>
        <extracomment>Beneath the Symbol and Table / Overlay edits&apos; help: %1 is the name of what they give.</extracomment>
        <translation>Símbolo exibido: %1</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolPicker</name>
    <message>
        <source>Choose a Symbol</source>
        <translation>Escolha um símbolo</translation>
    </message>
    <message>
        <source>A name, or the two characters</source>
        <translation>Um nome, ou os dois caracteres</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>&amp;Overlay:</source>
        <translation>&amp;Sobreposição:</translation>
    </message>
    <message>
        <source>%1: table %2, symbol %3</source>
        <extracomment>A symbol&apos;s tip in the picker: %1 its name, %2 and %3 its table and symbol characters.</extracomment>
        <translation>%1: tabela %2, símbolo %3</translation>
    </message>
</context>
</TS>
