<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AdviceMarks</name>
    <message>
        <source>Advice</source>
        <extracomment>A screen reader&apos;s name for the warning mark beside a field.</extracomment>
        <translation>Consiglio</translation>
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
        <translation>In grigio finché SmartBeaconing è disattivato: il tracker invia allora i beacon secondo l&apos;«Intervallo TX auto», e le impostazioni di SmartBeaconing non vengono memorizzate.</translation>
    </message>
    <message>
        <source>Greyed while SmartBeaconing is on: the tracker then times its beacons by speed and turning, with SmartBeaconing&apos;s rates in place of this one.</source>
        <translation>In grigio finché SmartBeaconing è attivato: il tracker regola allora i beacon su velocità e svolte, con gli intervalli di SmartBeaconing al posto di questo.</translation>
    </message>
    <message>
        <source>Greyed while Time Slotting is off: the tracker then transmits whenever its rate comes round, and the offset is not stored.</source>
        <translation>In grigio finché «Slot temporali» è disattivato: il tracker trasmette allora ogni volta che scade il suo intervallo, e lo scostamento non viene memorizzato.</translation>
    </message>
    <message>
        <source>Greyed while MIC-E is off: the tracker then sends plain position reports, to which this setting does not apply.</source>
        <translation>In grigio finché MIC-E è disattivato: il tracker invia allora normali rapporti di posizione, ai quali questa impostazione non si applica.</translation>
    </message>
    <message>
        <source>Greyed while Power Switch is off: the tracker then does not use this time.</source>
        <translation>In grigio finché «Interruttore di alimentazione» è disattivato: il tracker allora non usa questo tempo.</translation>
    </message>
    <message>
        <source>The tracker uses the calibration it holds: write a new calibration before testing it.</source>
        <translation>Il tracker usa la calibrazione che ha memorizzato: scrivi una nuova calibrazione prima di provarla.</translation>
    </message>
    <message>
        <source>Your station&apos;s callsign, sent in every packet. An SSID tells what kind of station it is: -9 is usual for a car, -7 for a handheld. NOCALL, the default, may not be transmitted.</source>
        <translation>Il nominativo della tua stazione, inviato in ogni pacchetto. Un SSID indica che tipo di stazione è: -9 è abituale per un&apos;auto, -7 per un palmare. NOCALL, il valore predefinito, non può essere trasmesso.</translation>
    </message>
    <message>
        <source>The digipeaters asked to repeat each packet, separated by commas; empty sends direct only. WIDE1-1,WIDE2-1 suits most areas. More than %1 hops floods the network, and RELAY, TRACE and WIDE alone are obsolete.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>I digipeater a cui si chiede di ripetere ogni pacchetto, separati da virgole; se vuoto, si trasmette solo in diretta. WIDE1-1,WIDE2-1 va bene per la maggior parte delle zone. Più di %1 salti intasano la rete, e RELAY, TRACE e WIDE da solo sono obsoleti.</translation>
    </message>
    <message>
        <source>The symbol that maps draw for this station, from the table or with the overlay beside it. The button beside them shows it and lists every symbol.</source>
        <translation>Il simbolo con cui le mappe disegnano questa stazione, dalla tabella o con l&apos;overlay accanto. Il pulsante accanto a essi lo mostra ed elenca tutti i simboli.</translation>
    </message>
    <message>
        <source>%1 chooses the primary symbol table, %2 the alternate one. A digit or a capital letter chooses the alternate table and is drawn over the symbol, where the symbol takes an overlay.</source>
        <extracomment>%1 the primary table&apos;s character, %2 the alternate table&apos;s.</extracomment>
        <translation>%1 sceglie la tabella dei simboli primaria, %2 quella alternativa. Una cifra o una lettera maiuscola sceglie la tabella alternativa e viene disegnata sul simbolo, se il simbolo ammette un overlay.</translation>
    </message>
    <message>
        <source>How long the tracker keys the radio before the data of a timed beacon begins, so that the transmitter and the receivers are ready: too short loses the start of the packet, too long holds the channel. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>Per quanto tempo il tracker mette la radio in trasmissione prima che inizino i dati di un beacon temporizzato, perché trasmettitore e ricevitori siano pronti: troppo breve perde l&apos;inizio del pacchetto, troppo lungo occupa il canale. Viene memorizzato a passi di circa %1 ms.</translation>
    </message>
    <message>
        <source>The time between beacons while SmartBeaconing is off; with Time Slotting, the length of the cycle that holds the slot. Once every %1 seconds or less often is advised.</source>
        <extracomment>%1 the shortest rate that networks advise, in seconds.</extracomment>
        <translation>Il tempo tra i beacon finché SmartBeaconing è disattivato; con «Slot temporali», la durata del ciclo che contiene lo slot. Si consiglia una volta ogni %1 secondi o meno spesso.</translation>
    </message>
    <message>
        <source>As Auto TX Delay, for a manual transmission rather than a timed beacon. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>Come «Ritardo TX auto», per una trasmissione manuale invece che per un beacon temporizzato. Viene memorizzato a passi di circa %1 ms.</translation>
    </message>
    <message>
        <source>As Auto Transmit Rate, for manual transmissions: the time between them.</source>
        <translation>Come «Intervallo TX auto», per le trasmissioni manuali: il tempo tra l&apos;una e l&apos;altra.</translation>
    </message>
    <message>
        <source>How long the channel must have been clear, with CD IN inactive, before the tracker transmits, so that it does not key over another station. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 26.3.</extracomment>
        <translation>Per quanto tempo il canale deve essere stato libero, con l&apos;ingresso CD inattivo, prima che il tracker trasmetta, perché non trasmetta sopra un&apos;altra stazione. Viene memorizzato a passi di circa %1 ms.</translation>
    </message>
    <message>
        <source>The tracker&apos;s tone calibration, one value for both profiles. The Tone Test buttons sound the tones with the value the tracker holds: write a new value before testing it.</source>
        <translation>La calibrazione dei toni del tracker, un solo valore per entrambi i profili. I pulsanti di «Test toni» emettono i toni con il valore memorizzato nel tracker: scrivi un nuovo valore prima di provarlo.</translation>
    </message>
    <message>
        <source>The status beacon&apos;s text, sent every few transmissions (Send every). Both profiles&apos; callsigns, paths and texts share the tracker&apos;s memory: the line below says how many characters still fit.</source>
        <translation>Il testo del beacon di stato, inviato ogni certo numero di trasmissioni (Invia ogni). Nominativi, percorsi e testi di entrambi i profili condividono la memoria del tracker: la riga sotto indica quanti caratteri entrano ancora.</translation>
    </message>
    <message>
        <source>How many transmissions pass from one status beacon to the next: 3 sends the status text with every third.</source>
        <translation>Quante trasmissioni passano da un beacon di stato al successivo: 3 invia il testo di stato con una trasmissione su tre.</translation>
    </message>
    <message>
        <source>Adds the GPS altitude to each position report.</source>
        <translation>Aggiunge l&apos;altitudine GPS a ogni rapporto di posizione.</translation>
    </message>
    <message>
        <source>Makes the tracker alternate its digipeater paths from one transmission to the next, rather than send every packet with the Digi Path.</source>
        <translation>Fa alternare al tracker i suoi percorsi digi da una trasmissione all&apos;altra, invece di inviare ogni pacchetto con il «Percorso digi».</translation>
    </message>
    <message>
        <source>Sends a position only while the GPS reports a valid fix, so that no stale or empty position goes out.</source>
        <translation>Invia una posizione solo mentre il GPS riporta un fix valido, perché non parta nessuna posizione vecchia o vuota.</translation>
    </message>
    <message>
        <source>Lets the tracker take serial data at TTL logic levels, as many GPS modules send it, besides RS-232 levels.</source>
        <translation>Consente al tracker di accettare dati seriali a livelli logici TTL, come li inviano molti moduli GPS, oltre ai livelli RS-232.</translation>
    </message>
    <message>
        <source>Inverts the carrier-detect input from the radio&apos;s squelch: check it when the tracker takes a quiet channel for a busy one and holds its beacons back.</source>
        <translation>Inverte l&apos;ingresso di rilevamento della portante dallo squelch della radio: spunta questa casella quando il tracker scambia un canale libero per uno occupato e trattiene i beacon.</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: day, hour and minute in UTC (the APRS DHM form, DDHHMMz). Checking it unchecks Timestamp HMS; with neither, positions carry no time.</source>
        <translation>Aggiunge un orario a ogni posizione: giorno, ora e minuto in UTC (la forma DHM di APRS, DDHHMMz). Selezionare questa casella deseleziona «Orario HMS»; senza nessuna delle due, le posizioni non riportano l&apos;ora.</translation>
    </message>
    <message>
        <source>Holds the tracker&apos;s transmissions back while its PTT In line is active, while you talk through the radio, so that a beacon never cuts into your voice.</source>
        <translation>Trattiene le trasmissioni del tracker mentre la sua linea di ingresso PTT è attiva, mentre parli alla radio, perché un beacon non interrompa mai la tua voce.</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: hour, minute and second in UTC (the APRS HMS form, HHMMSSh). Checking it unchecks Timestamp DHM; with neither, positions carry no time.</source>
        <translation>Aggiunge un orario a ogni posizione: ora, minuto e secondo in UTC (la forma HMS di APRS, HHMMSSh). Selezionare questa casella deseleziona «Orario DHM»; senza nessuna delle due, le posizioni non riportano l&apos;ora.</translation>
    </message>
    <message>
        <source>Sends positions in MIC-E form: compact, partly carried in the destination address, with a status message and a path code. Unchecked, the tracker sends plain position reports.</source>
        <translation>Invia le posizioni in formato MIC-E: compatto, in parte contenuto nell&apos;indirizzo di destinazione, con un messaggio di stato e un codice di percorso. Se non selezionato, il tracker invia normali rapporti di posizione.</translation>
    </message>
    <message>
        <source>The MIC-E status sent with every position. Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency.</source>
        <translation>Lo stato MIC-E inviato con ogni posizione. Emergenza! fa scattare un allarme in ogni stazione che lo riceve: sceglilo solo in una vera emergenza.</translation>
    </message>
    <message>
        <source>Keeps every character of the MIC-E packet printable, for digipeaters and programs that drop packets holding others.</source>
        <translation>Mantiene stampabili tutti i caratteri del pacchetto MIC-E, per i digipeater e i programmi che scartano i pacchetti che ne contengono altri.</translation>
    </message>
    <message>
        <source>The path code that MIC-E carries in its destination address: Conventional sends the Digi Path; WIDE-1 to WIDE-7 ask for that many hops; North, South, East and West ask for directional digipeating, + WIDE for a wide hop too. More than %1 hops floods the network.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>Il codice di percorso che MIC-E porta nel suo indirizzo di destinazione: «Convenzionale» invia il «Percorso digi»; da WIDE-1 a WIDE-7 chiedono altrettanti salti; «Nord», «Sud», «Est» e «Ovest» chiedono il digipeating direzionale, «+ WIDE» anche un salto WIDE. Più di %1 salti intasano la rete.</translation>
    </message>
    <message>
        <source>Transmits at a fixed offset in each cycle of the Auto Transmit Rate, timed by the GPS clock, so that trackers sharing a frequency each keep a slot of their own and never collide. Checking it unchecks SmartBeaconing.</source>
        <translation>Trasmette con uno scostamento fisso in ogni ciclo dell&apos;«Intervallo TX auto», scandito dall&apos;orologio GPS, perché i tracker che condividono una frequenza abbiano ciascuno il proprio slot e non collidano mai. Selezionare questa casella deseleziona SmartBeaconing.</translation>
    </message>
    <message>
        <source>Where in each cycle of the Auto Transmit Rate the tracker transmits: give each tracker on the frequency an offset of its own.</source>
        <translation>In quale punto di ogni ciclo dell&apos;«Intervallo TX auto» il tracker trasmette: dai a ogni tracker sulla frequenza il proprio scostamento.</translation>
    </message>
    <message>
        <source>Times beacons by speed and turning: often when fast, seldom when slow, and at once after a turn, so that a map traces the route with few packets. The Auto Transmit Rate is then unused; checking it unchecks Time Slotting.</source>
        <translation>Regola i beacon su velocità e svolte: spesso quando si va veloci, di rado quando si va piano, e subito dopo una svolta, perché una mappa tracci il percorso con pochi pacchetti. L&apos;«Intervallo TX auto» resta allora inutilizzato; selezionare questa casella deseleziona «Slot temporali».</translation>
    </message>
    <message>
        <source>The smallest change of heading that sends a beacon at once at high speed; at lower speeds Turn Slope adds to it.</source>
        <translation>Il più piccolo cambio di direzione che invia subito un beacon ad alta velocità; a velocità più basse vi si aggiunge la «Pendenza di svolta».</translation>
    </message>
    <message>
        <source>Raises the turn needed at low speed: a beacon goes out when the heading changes by more than Min Turn Angle + Turn Slope ÷ speed in MPH, so that slow corners in town do not each send one.</source>
        <translation>Aumenta la svolta necessaria a bassa velocità: un beacon parte quando la direzione cambia di più di «Angolo di svolta min.» + «Pendenza di svolta» ÷ velocità in MPH, perché le curve lente in città non ne inviino uno ciascuna.</translation>
    </message>
    <message>
        <source>The least time between two beacons sent for turns, so that a winding road does not send one every few seconds.</source>
        <translation>Il tempo minimo tra due beacon inviati per svolte, perché una strada tortuosa non ne invii uno ogni pochi secondi.</translation>
    </message>
    <message>
        <source>At or below this speed the tracker beacons every Slow Rate. It must be below Fast Speed.</source>
        <translation>A questa velocità o sotto, il tracker invia un beacon ogni «Intervallo lento». Deve essere inferiore a «Velocità alta».</translation>
    </message>
    <message>
        <source>The time between beacons at or below Slow Speed, parked or walking.</source>
        <translation>Il tempo tra i beacon a «Velocità bassa» o sotto, da fermi o a piedi.</translation>
    </message>
    <message>
        <source>At or above this speed the tracker beacons every Fast Rate; between the two speeds the time between beacons follows the speed.</source>
        <translation>A questa velocità o sopra, il tracker invia un beacon ogni «Intervallo veloce»; tra le due velocità il tempo tra i beacon segue la velocità.</translation>
    </message>
    <message>
        <source>The time between beacons at or above Fast Speed. It should be shorter than Slow Rate.</source>
        <translation>Il tempo tra i beacon a «Velocità alta» o sopra. Dovrebbe essere più breve dell&apos;«Intervallo lento».</translation>
    </message>
    <message>
        <source>Turns on the tracker&apos;s power switching, timed by Power Switch Time.</source>
        <translation>Attiva la commutazione dell&apos;alimentazione del tracker, temporizzata da «Tempo interruttore».</translation>
    </message>
    <message>
        <source>The time of the tracker&apos;s power switching.</source>
        <translation>Il tempo della commutazione dell&apos;alimentazione del tracker.</translation>
    </message>
    <message>
        <source>The tracker keeps two complete profiles, each with its own callsign, path, symbol, text, timing and options; only the calibration is shared. The form shows the chosen tab&apos;s profile (Ctrl+Tab for the other); Read, Write, Save and Load always take both. A callsign and path, or a status text, equal to the Primary&apos;s are stored once, which leaves the status texts more room.</source>
        <translation>Il tracker conserva due profili completi, ciascuno con nominativo, percorso, simbolo, testo, temporizzazione e opzioni propri; solo la calibrazione è condivisa. Il modulo mostra il profilo della scheda scelta (Ctrl+Tab per l&apos;altro); Leggi, Scrivi, Salva e Carica riguardano sempre entrambi. Un nominativo e un percorso, o un testo di stato, uguali a quelli di «Primario» vengono memorizzati una sola volta, il che lascia più spazio ai testi di stato.</translation>
    </message>
    <message>
        <source>The serial port that the tracker is connected to, at 4800 baud: %1, each the device on this machine that its entry&apos;s tooltip names, or a device given by its path.</source>
        <extracomment>%1 the COM ports&apos; names, such as COM1 to COM4.</extracomment>
        <translation>La porta seriale a cui è collegato il tracker, a 4800 baud: %1, ciascuna il dispositivo di questa macchina indicato dal suggerimento della sua voce, oppure un dispositivo dato dal suo percorso.</translation>
    </message>
    <message>
        <source>Asks the tracker on the chosen COM port for its version: a quick check that the cable, the port and the tracker answer. Changes nothing.</source>
        <translation>Chiede la versione al tracker sulla porta COM scelta: una verifica rapida che cavo, porta e tracker rispondano. Non modifica nulla.</translation>
    </message>
    <message>
        <source>Reads both profiles and the calibration from the tracker into the form, twice, to be sure that both reads agree. Asks first when the form has edits that are not saved.</source>
        <translation>Legge entrambi i profili e la calibrazione dal tracker nel modulo, due volte, per essere certo che le due letture coincidano. Chiede prima conferma se il modulo ha modifiche non salvate.</translation>
    </message>
    <message>
        <source>Writes both profiles and the calibration into the tracker, then reads them back to verify every byte. The form then shows the values as the tracker keeps them, delays in its steps.</source>
        <translation>Scrive entrambi i profili e la calibrazione nel tracker, poi li rilegge per verificare ogni byte. Il modulo mostra quindi i valori così come il tracker li memorizza, i ritardi secondo i suoi passi.</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 1200 Hz tone, the mark tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Mette la radio in trasmissione e invia un tono continuo a 1200 Hz, il tono mark, fino a «Ferma invio»: per regolare la deviazione o verificare la calibrazione. %1</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 2200 Hz tone, the space tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Mette la radio in trasmissione e invia un tono continuo a 2200 Hz, il tono space, fino a «Ferma invio»: per regolare la deviazione o verificare la calibrazione. %1</translation>
    </message>
    <message>
        <source>Keys the radio and sends both tones, 1200 and 2200 Hz, until Stop Sending: to compare their levels at a receiver. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Mette la radio in trasmissione e invia entrambi i toni, 1200 e 2200 Hz, fino a «Ferma invio»: per confrontarne i livelli su un ricevitore. %1</translation>
    </message>
    <message>
        <source>Tells the tracker to stop the test tone and unkey the radio. Closing the window stops a tone too.</source>
        <translation>Chiede al tracker di fermare il tono di prova e di riportare la radio in ricezione. Anche chiudere la finestra ferma un tono.</translation>
    </message>
    <message>
        <source>Closes the window; asks first when the form has edits that are not saved, and stops a test tone that is still sounding.</source>
        <translation>Chiude la finestra; chiede prima conferma se il modulo ha modifiche non salvate, e ferma un tono di prova ancora in corso.</translation>
    </message>
    <message>
        <source>Saves both profiles and the calibration in a .wl3 file, as the tracker would hold them.</source>
        <translation>Salva entrambi i profili e la calibrazione in un file .wl3, così come il tracker li memorizzerebbe.</translation>
    </message>
    <message>
        <source>Loads both profiles and the calibration from a .wl3 file, or from wl3&apos;s JSON form. Asks first when the form has edits that are not saved.</source>
        <translation>Carica entrambi i profili e la calibrazione da un file .wl3, o dal formato JSON di wl3. Chiede prima conferma se il modulo ha modifiche non salvate.</translation>
    </message>
    <message>
        <source>Shows the form beside a file or the tracker, field by field, and takes the values you choose from the other side. Nothing is written or saved.</source>
        <translation>Mostra il modulo accanto a un file o al tracker, campo per campo, e prende dall&apos;altro lato i valori che scegli. Nulla viene scritto o salvato.</translation>
    </message>
    <message>
        <source>The picture of the symbol that Symbol and Table / Overlay give. Opens a list of every symbol with its picture and name; the one chosen fills both edits.</source>
        <translation>L&apos;immagine del simbolo dato da «Simbolo» e «Tabella / Overlay». Apre un elenco di tutti i simboli con immagine e nome; quello scelto compila entrambi i campi.</translation>
    </message>
    <message>
        <source>The Primary profile: the first of the tracker&apos;s two complete sets of settings.</source>
        <translation>Il profilo «Primario»: il primo dei due set completi di impostazioni del tracker.</translation>
    </message>
    <message>
        <source>The Secondary profile: a second complete set of settings, for another callsign, path or timing.</source>
        <translation>Il profilo «Secondario»: un secondo set completo di impostazioni, per un altro nominativo, un altro percorso o un&apos;altra temporizzazione.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Wrenlink3 Config files (%1)</source>
        <extracomment>The file dialogs&apos; filter; %1 is the file name patterns, such as *.wl3.</extracomment>
        <translation>File di configurazione Wrenlink3 (%1)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Carica file di configurazione</translation>
    </message>
    <message>
        <source>The folder does not exist:
%1</source>
        <translation>La cartella non esiste:
%1</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Salva file di configurazione</translation>
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
        <translation>Leggi &amp;versione</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>&amp;Leggi configurazione</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>&amp;Scrivi configurazione</translation>
    </message>
    <message>
        <source>Send &amp;1200 Hz</source>
        <translation>Invia &amp;1200 Hz</translation>
    </message>
    <message>
        <source>Send &amp;2200 Hz</source>
        <translation>Invia &amp;2200 Hz</translation>
    </message>
    <message>
        <source>Send &amp;Both</source>
        <translation>Invia &amp;entrambi</translation>
    </message>
    <message>
        <source>S&amp;top Sending</source>
        <translation>&amp;Ferma invio</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Esc&amp;i</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;alva</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configura</translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation>Test toni</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primario</translation>
    </message>
    <message>
        <source>Seconday</source>
        <extracomment>The second profile&apos;s tab. The English keeps its old misspelling on purpose, since users know the tab by it; a translation may spell &quot;Secondary&quot; correctly.</extracomment>
        <translation>Secondario</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Fuori servizio</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>In viaggio</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>In servizio</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>Di ritorno</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>Impegnato</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Speciale</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorità</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>Emergenza!</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>Convenzionale</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ovest</translation>
    </message>
    <message>
        <source>North + WIDE</source>
        <translation>Nord + WIDE</translation>
    </message>
    <message>
        <source>South + WIDE</source>
        <translation>Sud + WIDE</translation>
    </message>
    <message>
        <source>East + WIDE</source>
        <translation>Est + WIDE</translation>
    </message>
    <message>
        <source>West + WIDE</source>
        <translation>Ovest + WIDE</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>MPH</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Temporizzazione</translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation>Beacon di stato</translation>
    </message>
    <message>
        <source>MIC-E Settings</source>
        <translation>Impostazioni MIC-E</translation>
    </message>
    <message>
        <source>Time Slotting</source>
        <translation>Slot temporali</translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation>SmartBeaconing</translation>
    </message>
    <message>
        <source>Power Switch</source>
        <translation>Interruttore di alimentazione</translation>
    </message>
    <message>
        <source>Callsign:</source>
        <translation>Nominativo:</translation>
    </message>
    <message>
        <source>Digi Path:</source>
        <translation>Percorso digi:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Simbolo:</translation>
    </message>
    <message>
        <source>Table / Overlay:</source>
        <translation>Tabella / Overlay:</translation>
    </message>
    <message>
        <source>Auto TX Delay:</source>
        <translation>Ritardo TX auto:</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>millisecondi</translation>
    </message>
    <message>
        <source>Auto Transmit Rate:</source>
        <translation>Intervallo TX auto:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>Manual TX Delay:</source>
        <translation>Ritardo TX manuale:</translation>
    </message>
    <message>
        <source>Manual Transmit Rate:</source>
        <translation>Intervallo TX manuale:</translation>
    </message>
    <message>
        <source>Quiet Time:</source>
        <translation>Tempo di silenzio:</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Calibrazione:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Testo:</translation>
    </message>
    <message>
        <source>Send every:</source>
        <translation>Invia ogni:</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>trasmissioni</translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation>Invia altitudine</translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation>Percorsi digi alternativi</translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation>Invia solo valide</translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation>Consenti seriale TTL</translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation>Inverti ingresso CD</translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation>Orario DHM</translation>
    </message>
    <message>
        <source>No PTT Out while PTT In</source>
        <translation>No uscita PTT con ingresso PTT</translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation>Orario HMS</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Abilita</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Messaggio:</translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation>Forza stampabili</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Percorso:</translation>
    </message>
    <message>
        <source>Transmit offset:</source>
        <translation>Scostamento TX:</translation>
    </message>
    <message>
        <source>Min Turn Angle:</source>
        <translation>Angolo di svolta min.:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>gradi</translation>
    </message>
    <message>
        <source>Turn Slope:</source>
        <translation>Pendenza di svolta:</translation>
    </message>
    <message>
        <source>Min Turn Time:</source>
        <translation>Tempo di svolta min.:</translation>
    </message>
    <message>
        <source>Slow Speed:</source>
        <translation>Velocità bassa:</translation>
    </message>
    <message>
        <source>Slow Rate:</source>
        <translation>Intervallo lento:</translation>
    </message>
    <message>
        <source>Fast Speed:</source>
        <translation>Velocità alta:</translation>
    </message>
    <message>
        <source>Fast Rate:</source>
        <translation>Intervallo veloce:</translation>
    </message>
    <message>
        <source>Power Switch Time:</source>
        <translation>Tempo interruttore:</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>C&amp;onfronta…</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>%1 caratteri rimasti</translation>
    </message>
    <message>
        <source>%1 too many: %2 text cut</source>
        <extracomment>%1 how many characters too many, %2 the tab name of the profile whose text is cut.</extracomment>
        <translation>%1 di troppo: testo %2 troncato</translation>
    </message>
    <message>
        <source>%1 too many: both texts cut</source>
        <translation>%1 di troppo: entrambi i testi troncati</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>does not exist</source>
        <translation>non esiste</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>l&apos;input standard</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>l&apos;output standard</translation>
    </message>
    <message>
        <source>the output</source>
        <translation>l&apos;output</translation>
    </message>
    <message>
        <source>the input file</source>
        <translation>il file di input</translation>
    </message>
    <message>
        <source>the units file</source>
        <translation>il file delle unità</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>il rapporto</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>la tabella</translation>
    </message>
    <message>
        <source>the folder</source>
        <translation>la cartella</translation>
    </message>
    <message>
        <source>the file of %1</source>
        <translation>il file di %1</translation>
    </message>
    <message>
        <source>the backup of %1</source>
        <translation>il backup di %1</translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <translation>di %1</translation>
    </message>
    <message>
        <source>user %1&apos;s</source>
        <translation>dell&apos;utente %1</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2), which root does not follow</source>
        <translation>%1: è un collegamento di un altro utente (%2), che root non segue</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2) in a shared folder</source>
        <translation>%1: è un collegamento di un altro utente (%2) in una cartella condivisa</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3), which root does not follow</source>
        <translation>%1: passa per %2, un collegamento di un altro utente (%3), che root non segue</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3) in a shared folder</source>
        <translation>%1: passa per %2, un collegamento di un altro utente (%3) in una cartella condivisa</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A piece of advice: %1 the key of the field (primary.digiPath), %2 the reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: è una cartella</translation>
    </message>
    <message>
        <source>%1: is not a folder</source>
        <translation>%1: non è una cartella</translation>
    </message>
    <message>
        <source>%1: is read-only</source>
        <translation>%1: è di sola lettura</translation>
    </message>
    <message>
        <source>%1: is not a file (a device, a pipe or a socket)</source>
        <translation>%1: non è un file (è un dispositivo, una pipe o un socket)</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: non può essere letto: %2</translation>
    </message>
    <message>
        <source>%1: is in a folder that does not exist</source>
        <translation>%1: è in una cartella che non esiste</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: %2</source>
        <translation>%1: in questa cartella non si può creare alcun file: %2</translation>
    </message>
    <message>
        <source>%1: not every byte could be written</source>
        <translation>%1: non è stato possibile scrivere tutti i byte</translation>
    </message>
    <message>
        <source>%1: is neither a file nor a device to write to</source>
        <translation>%1: non è né un file né un dispositivo su cui scrivere</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s file in a shared folder</source>
        <translation>%1: è il file di un altro utente in una cartella condivisa</translation>
    </message>
    <message>
        <source>%1: belongs to another user or group, which a new file could not keep</source>
        <translation>%1: appartiene a un altro utente o gruppo, che un nuovo file non potrebbe mantenere</translation>
    </message>
    <message>
        <source>%1: is a link that leads nowhere a file can be saved</source>
        <translation>%1: è un collegamento che non porta dove si possa salvare un file</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1: è %2</translation>
    </message>
    <message>
        <source>%1: %2 would replace %3</source>
        <translation>%1: %2 sostituirebbe %3</translation>
    </message>
    <message>
        <source>%1 is a terminal, and a .wl3 file is binary: redirect it or name a file</source>
        <translation>%1 è un terminale, e un file .wl3 è binario: reindirizzalo o indica un file</translation>
    </message>
    <message>
        <source>%1: is not a configuration file</source>
        <translation>%1: non è un file di configurazione</translation>
    </message>
    <message>
        <source>%1: holds an image of %2 bytes, not %3</source>
        <translation>%1: contiene un&apos;immagine di %2 byte, non %3</translation>
    </message>
    <message>
        <source>%1: ends within its header</source>
        <translation>%1: termina dentro la sua intestazione</translation>
    </message>
    <message>
        <source>%1: ends after %2 of the %3 image bytes</source>
        <translation>%1: termina dopo %2 dei %3 byte dell&apos;immagine</translation>
    </message>
    <message>
        <source>%1: holds an image that cannot be decoded</source>
        <translation>%1: contiene un&apos;immagine che non si può decodificare</translation>
    </message>
    <message>
        <source>%1: is larger than 1 MiB</source>
        <translation>%1: supera 1 MiB</translation>
    </message>
    <message>
        <source>%1: holds no tracker below its header</source>
        <translation>%1: non contiene alcun tracker sotto l&apos;intestazione</translation>
    </message>
    <message>
        <source>%1: not valid CSV in row %2: %3</source>
        <translation>%1: CSV non valido alla riga %2: %3</translation>
    </message>
    <message>
        <source>%1: out of memory</source>
        <translation>%1: memoria esaurita</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Impossibile aprire il file</translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation>Impossibile leggere i dati</translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation>Impossibile scrivere i dati</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>Formato del file non valido</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Importazione non riuscita</translation>
    </message>
    <message>
        <source>File too large for a configuration</source>
        <translation>File troppo grande per una configurazione</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Caricamento non riuscito</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>JSON non valido: %1</translation>
    </message>
    <message>
        <source>not valid JSON: a NUL byte at byte %1</source>
        <translation>JSON non valido: un byte NUL al byte %1</translation>
    </message>
    <message>
        <source>the document must be a JSON object</source>
        <translation>il documento deve essere un oggetto JSON</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>chiave sconosciuta %1</translation>
    </message>
    <message>
        <source>duplicate key %1</source>
        <translation>chiave duplicata %1</translation>
    </message>
    <message>
        <source>%1 must be an object</source>
        <translation>%1 deve essere un oggetto</translation>
    </message>
    <message>
        <source>%1 is outside the signed 32-bit range</source>
        <translation>%1 è fuori dall&apos;intervallo a 32 bit con segno</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 deve essere un numero intero</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 deve essere un numero</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 deve essere true o false</translation>
    </message>
    <message>
        <source>%1 must be a string</source>
        <translation>%1 deve essere una stringa</translation>
    </message>
    <message>
        <source>%1 is longer than 1 character</source>
        <translation>%1 è più lungo di 1 carattere</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 è più lungo di %2 caratteri</translation>
    </message>
    <message>
        <source>%1 holds U+0000, which ends a text on the tracker</source>
        <translation>%1 contiene U+0000, che termina un testo sul tracker</translation>
    </message>
    <message>
        <source>%1 holds %2, a character above U+00FF</source>
        <translation>%1 contiene %2, un carattere oltre U+00FF</translation>
    </message>
    <message>
        <source>up to six letters or digits, optionally followed by -0 to -15 for the SSID</source>
        <translation>fino a sei lettere o cifre, seguite facoltativamente da -0 a -15 come SSID</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>addresses separated by commas, each %1</source>
        <translation>indirizzi separati da virgole, ognuno %1</translation>
    </message>
    <message>
        <source>%1, the auto transmit rate plus one</source>
        <translation>%1, l&apos;intervallo TX auto più uno</translation>
    </message>
    <message>
        <source>0 to the auto transmit rate plus one</source>
        <translation>da 0 all&apos;intervallo TX auto più uno</translation>
    </message>
    <message>
        <source>one printable ASCII character, ! to ~</source>
        <translation>un carattere ASCII stampabile, da ! a ~</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>al massimo %1 caratteri</translation>
    </message>
    <message>
        <source>characters from U+0001 to U+00FF</source>
        <translation>caratteri da U+0001 a U+00FF</translation>
    </message>
    <message>
        <source>Wrenlink3 Write</source>
        <translation>Scrittura Wrenlink3</translation>
    </message>
    <message>
        <source>The tracker cannot hold these values as they are:</source>
        <translation>Il tracker non può memorizzare questi valori così come sono:</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <extracomment>The port error as users know it, misspellings kept on purpose in English; a translation may spell it correctly (&quot;Could not acquire COM port&quot;).</extracomment>
        <translation>Impossibile acquisire la porta COM</translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation>GetCommState non riuscito</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>SetCommState non riuscito</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>SetCommTimeouts non riuscito</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Scrittura sulla porta COM non riuscita</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Lettura dalla porta COM non riuscita</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Chiusura della porta COM non riuscita</translation>
    </message>
    <message>
        <source>%1: there is no serial port with this number on this machine.</source>
        <translation>%1: su questa macchina non c&apos;è una porta seriale con questo numero.</translation>
    </message>
    <message>
        <source>%1: there is no such port on this machine (is the adapter plugged in?)</source>
        <translation>%1: questa porta non esiste su questa macchina (l&apos;adattatore è collegato?)</translation>
    </message>
    <message>
        <source>%1: %2 (is the adapter still plugged in?)</source>
        <translation>%1: %2 (l&apos;adattatore è ancora collegato?)</translation>
    </message>
    <message>
        <source>%1: another program is using this port.</source>
        <translation>%1: un altro programma sta usando questa porta.</translation>
    </message>
    <message>
        <source>%1: this is not a serial device.</source>
        <translation>%1: non è un dispositivo seriale.</translation>
    </message>
    <message>
        <source>The tracker may now hold a partial image. Write the configuration again.</source>
        <translation>Il tracker potrebbe ora contenere un&apos;immagine parziale. Scrivi di nuovo la configurazione.</translation>
    </message>
    <message>
        <source>%1: column &quot;%2&quot; is named twice</source>
        <translation>%1: la colonna «%2» compare due volte</translation>
    </message>
    <message>
        <source>%1: unknown key &quot;%2&quot;</source>
        <translation>%1: chiave sconosciuta «%2»</translation>
    </message>
    <message>
        <source>%1: %2 cells where the header has %3 (a text holding a comma goes in double quotes)</source>
        <translation>%1: %2 celle dove l&apos;intestazione ne ha %3 (un testo con una virgola va tra virgolette doppie)</translation>
    </message>
    <message>
        <source>%1: port: %2</source>
        <translation>%1: porta: %2</translation>
    </message>
    <message>
        <source>%1: no column &quot;%2&quot;</source>
        <translation>%1: nessuna colonna «%2»</translation>
    </message>
    <message>
        <source>Invalid Com Port Number</source>
        <translation>Numero di porta COM non valido</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>Porta COM non valida</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>Porta COM: scrittura non corrispondente</translation>
    </message>
    <message>
        <source>Wrenlink3 Not Found</source>
        <translation>Wrenlink3 non trovato</translation>
    </message>
    <message>
        <source>%1: the answer to the version query is no Wrenlink3&apos;s.</source>
        <translation>%1: la risposta alla richiesta di versione non è di un Wrenlink3.</translation>
    </message>
    <message>
        <source>%1: no answer to the version query (is the tracker on and connected?)</source>
        <translation>%1: nessuna risposta alla richiesta di versione (il tracker è acceso e collegato?)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Scrittura non riuscita</translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation>Scrittura non riuscita (codice %1 %2)</translation>
    </message>
    <message>
        <source>Wrenlink3 Version</source>
        <translation>Versione Wrenlink3</translation>
    </message>
    <message>
        <source>Wrenlink3 Read</source>
        <translation>Lettura Wrenlink3</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>Lettura non riuscita</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Lettura riuscita</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Scrittura riuscita</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Calibrazione non scritta</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>Il nuovo valore di calibrazione va scritto prima di provare i toni</translation>
    </message>
    <message>
        <source>Bad EE Size</source>
        <translation>Dimensione EE errata</translation>
    </message>
    <message>
        <source>Bad EE Size %1</source>
        <translation>Dimensione EE errata %1</translation>
    </message>
    <message>
        <source>The callsigns and digipeater paths do not fit in the tracker&apos;s memory. Use fewer digipeaters, or make the primary and secondary callsigns and paths identical.</source>
        <translation>I nominativi e i percorsi digi non entrano nella memoria del tracker. Usa meno digipeater, oppure rendi identici i nominativi e i percorsi primari e secondari.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Testo del beacon di stato troncato</translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <extracomment>Kept letter for letter in English (&quot;tuncated&quot;, two spaces after the first sentence); a translation may spell it correctly.</extracomment>
        <translation>Il testo primario o secondario del beacon di stato è troppo lungo ed è stato troncato. Per un testo più lungo, usa meno digipeater e rendi identici i nominativi, i digipeater o i testi di stato primari e secondari.</translation>
    </message>
    <message>
        <source>%1: is not a configuration in JSON form</source>
        <translation>%1: non è una configurazione in formato JSON</translation>
    </message>
    <message>
        <source>Failed to write to standard output</source>
        <translation>Impossibile scrivere sull&apos;output standard</translation>
    </message>
    <message>
        <source>Interrupted: sending the rest of the image first, so that the tracker is not left with part of it (Ctrl-C again stops at once)</source>
        <translation>Interrotto: prima si invia il resto dell&apos;immagine, perché il tracker non ne resti con una parte sola (un altro Ctrl-C ferma subito)</translation>
    </message>
    <message>
        <source>Interrupted: the whole image was sent, but not read back to verify it.</source>
        <translation>Interrotto: l&apos;immagine è stata inviata tutta, ma non riletta per verificarla.</translation>
    </message>
    <message>
        <source>Interrupted while writing: the tracker may now hold a partial image. Write the configuration again.</source>
        <translation>Interrotto durante la scrittura: il tracker potrebbe ora contenere un&apos;immagine parziale. Scrivi di nuovo la configurazione.</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Interrotto</translation>
    </message>
    <message>
        <source>The tracker keeps sending until &quot;wl3 tone stop&quot;.</source>
        <translation>Il tracker continua a trasmettere fino a «wl3 tone stop».</translation>
    </message>
    <message>
        <source>--port usb: no USB serial adapter is plugged in</source>
        <translation>--port usb: nessun adattatore seriale USB è collegato</translation>
    </message>
    <message>
        <source>%1: port %2 is named twice (%3: %4)</source>
        <translation>%1: la porta %2 compare due volte (%3: %4)</translation>
    </message>
    <message>
        <source>%1: with several trackers, name a folder (DIR/) for a file each</source>
        <translation>%1: con più tracker, indica una cartella (DIR/) per un file ciascuno</translation>
    </message>
    <message>
        <source>Two trackers&apos; files would both be %1; name their ports apart</source>
        <translation>I file di due tracker sarebbero entrambi %1; distingui le loro porte</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Backup salvato: %1</translation>
    </message>
    <message>
        <source>Not begun: no thread could be started (%1)</source>
        <translation>Non avviato: impossibile avviare un thread (%1)</translation>
    </message>
    <message>
        <source>%1 %2: the tracker holds %3</source>
        <translation>%1 %2: il tracker memorizza %3</translation>
    </message>
    <message>
        <source>Asking the tracker for its version</source>
        <translation>Richiesta della versione al tracker</translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation>Lettura della configurazione</translation>
    </message>
    <message>
        <source>Reading it again, to verify</source>
        <translation>Nuova lettura, per verifica</translation>
    </message>
    <message>
        <source>Writing the configuration</source>
        <translation>Scrittura della configurazione</translation>
    </message>
    <message>
        <source>Reading it back, to verify</source>
        <translation>Rilettura, per verifica</translation>
    </message>
    <message>
        <source>Sending the tone command</source>
        <translation>Invio del comando di tono</translation>
    </message>
    <message>
        <source>permission denied. Add your user to the group that owns the device (sudo usermod -aG %1 $USER), then log out and back in.</source>
        <translation>permesso negato. Aggiungi il tuo utente al gruppo proprietario del dispositivo (sudo usermod -aG %1 $USER), poi esci e rientra.</translation>
    </message>
    <message>
        <source>permission denied. Your user is in the group %1, but this session began before it was added: log out and back in (or run newgrp %1).</source>
        <translation>permesso negato. Il tuo utente è nel gruppo %1, ma questa sessione è iniziata prima che fosse aggiunto: esci e rientra (o esegui newgrp %1).</translation>
    </message>
    <message>
        <source>permission denied. Only root may open this device, and no group helps: a udev rule must give it a group (see PERMISSIONS in man wl3).</source>
        <translation>permesso negato. Solo root può aprire questo dispositivo, e nessun gruppo aiuta: una regola udev deve assegnargli un gruppo (vedi PERMISSIONS in man wl3).</translation>
    </message>
    <message>
        <source>permission denied.</source>
        <translation>permesso negato.</translation>
    </message>
    <message>
        <source>%1 or a device path, not &quot;%2&quot;</source>
        <translation>%1 o un percorso di dispositivo, non «%2»</translation>
    </message>
    <message>
        <source>a file name ending in %1 or %2, not &quot;%3&quot;</source>
        <translation>un nome di file che termina in %1 o %2, non «%3»</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1 riga %2</translation>
    </message>
    <message>
        <source>%1: is a pipe (FIFO): name a file, or &quot;-&quot; for standard output</source>
        <translation>%1: è una pipe (FIFO): indica un file, o «-» per lo standard output</translation>
    </message>
    <message>
        <source>%1: is a device, not your terminal or /dev/null: name a file</source>
        <translation>%1: è un dispositivo, né il tuo terminale né /dev/null: indica un file</translation>
    </message>
    <message>
        <source>%1: is UTF-16 text, and a units file is read as UTF-8: save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1: è testo UTF-16, e il file delle unità viene letto come UTF-8: salvalo come «CSV UTF-8»</translation>
    </message>
    <message>
        <source>%1: is not UTF-8 text (a spreadsheet&apos;s &quot;ANSI&quot; or Latin-1, perhaps): save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1: non è testo UTF-8 (forse «ANSI» o Latin-1 di un foglio di calcolo): salvalo come «CSV UTF-8»</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: its files are the system&apos;s own</source>
        <translation>%1: in questa cartella non si può creare alcun file: i suoi file sono del sistema</translation>
    </message>
    <message>
        <source>%1: the columns are separated by semicolons, and a units file&apos;s by commas: save it as CSV with commas</source>
        <translation>%1: le colonne sono separate da punti e virgola, quelle del file delle unità da virgole: salvalo come CSV con virgole</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria esaurita</translation>
    </message>
    <message>
        <source>At most %1 trackers at once: the limit on open files allows no more</source>
        <translation>Al massimo %1 tracker alla volta: il limite di file aperti non ne consente di più</translation>
    </message>
    <message>
        <source>(none: index %1)</source>
        <translation>(nessuno: indice %1)</translation>
    </message>
    <message>
        <source>%1 %2, not %3</source>
        <translation>%1 %2, non %3</translation>
    </message>
    <message>
        <source>%1 %2 %3, not %4</source>
        <translation>%1 %2 %3, non %4</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>The status texts do not fit the tracker&apos;s memory; nothing was written.</source>
        <translation>I testi di stato non entrano nella memoria del tracker; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 status text: %2 characters, of which %3 fit</source>
        <extracomment>%1 a profile&apos;s tab name, %2 its status text&apos;s length, %3 how many fit.</extracomment>
        <translation>Testo di stato %1: %2 caratteri, di cui ne entrano %3</translation>
    </message>
    <message>
        <source>Shorten them, or give --allow-cut-text to write them cut.</source>
        <translation>Accorciali, oppure usa --allow-cut-text per scriverli troncati.</translation>
    </message>
    <message>
        <source>Status Beacon Text Too Long</source>
        <translation>Testo del beacon di stato troppo lungo</translation>
    </message>
    <message>
        <source>Holds what its row writes</source>
        <translation>Contiene ciò che scrive la sua riga</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Differs from its row: %1</source>
        <translation>Diverso dalla sua riga: %1</translation>
    </message>
    <message>
        <source>no callsign: every transmission must carry your own</source>
        <translation>nessun nominativo: ogni trasmissione deve portare il tuo</translation>
    </message>
    <message>
        <source>%1 is a placeholder that may not be transmitted: set your own callsign</source>
        <translation>%1 è un segnaposto che non può essere trasmesso: imposta il tuo nominativo</translation>
    </message>
    <message>
        <source>%1 is obsolete and no longer served by the networks: use WIDE1-1,WIDE2-1 or WIDE2-2</source>
        <translation>%1 è obsoleto e le reti non lo gestiscono più: usa WIDE1-1,WIDE2-1 o WIDE2-2</translation>
    </message>
    <message>
        <source>%1 asks for more than two hops and floods the network: use WIDE2-2 at most</source>
        <translation>%1 chiede più di due salti e intasa la rete: usa al massimo WIDE2-2</translation>
    </message>
    <message>
        <source>the path asks for %1 hops in all; more than two floods the network</source>
        <translation>il percorso chiede %1 salti in tutto; più di due intasano la rete</translation>
    </message>
    <message>
        <source>a beacon every %1 seconds crowds the channel: once a minute or less often is advised</source>
        <translation>un beacon ogni %1 secondi affolla il canale: si consiglia una volta al minuto o meno spesso</translation>
    </message>
    <message>
        <source>the slow speed (%1 MPH) is not below the fast speed (%2 MPH), so SmartBeaconing cannot tell them apart</source>
        <translation>la velocità bassa (%1 MPH) non è inferiore a quella alta (%2 MPH), quindi SmartBeaconing non può distinguerle</translation>
    </message>
    <message>
        <source>the fast rate (%1 seconds) is longer than the slow rate (%2 seconds): moving, the tracker would beacon less often</source>
        <translation>l&apos;intervallo veloce (%1 secondi) è più lungo di quello lento (%2 secondi): in movimento il tracker trasmetterebbe meno spesso</translation>
    </message>
    <message>
        <source>Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency</source>
        <translation>Emergenza! fa scattare un allarme in ogni stazione che lo riceve: sceglilo solo in una vera emergenza</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vuoto)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>A check box&apos;s state, as a comparison of two configurations shows it.</extracomment>
        <translation>sì</translation>
    </message>
    <message>
        <source>off</source>
        <translation>no</translation>
    </message>
    <message>
        <source>same record, 1 stored byte differs</source>
        <translation>stessa configurazione, 1 byte memorizzato è diverso</translation>
    </message>
    <message>
        <source>same record, %1 stored bytes differ</source>
        <extracomment>Two configurations whose fields are all alike, though their images are not byte for byte: %1 is how many of the 128 bytes differ.</extracomment>
        <translation>stessa configurazione, %1 byte memorizzati sono diversi</translation>
    </message>
    <message>
        <source>%1 status text stored without &quot;%2&quot;</source>
        <extracomment>%1 a profile&apos;s tab name, %2 the end of its status text that was not stored.</extracomment>
        <translation>Testo di stato %1 memorizzato senza «%2»</translation>
    </message>
</context>
<context>
    <name>PortNotice</name>
    <message>
        <source>%1 was plugged in</source>
        <translation>%1 è stato collegato</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <translation>%1 ora è %2</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>%1 è stato scollegato</translation>
    </message>
    <message>
        <source>%1: %2 was unplugged</source>
        <translation>%1: %2 è stato scollegato</translation>
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
        <translation>Commissariato</translation>
    </message>
    <message>
        <source>Digipeater</source>
        <translation>Digipeater</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
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
        <translation>Aereo leggero</translation>
    </message>
    <message>
        <source>Mobile satellite station</source>
        <translation>Stazione satellitare mobile</translation>
    </message>
    <message>
        <source>Wheelchair</source>
        <translation>Sedia a rotelle</translation>
    </message>
    <message>
        <source>Snowmobile</source>
        <translation>Motoslitta</translation>
    </message>
    <message>
        <source>Red Cross</source>
        <translation>Croce Rossa</translation>
    </message>
    <message>
        <source>Boy Scouts</source>
        <translation>Scout</translation>
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
        <translation>Punto rosso</translation>
    </message>
    <message>
        <source>Circle 0</source>
        <translation>Cerchio 0</translation>
    </message>
    <message>
        <source>Circle 1</source>
        <translation>Cerchio 1</translation>
    </message>
    <message>
        <source>Circle 2</source>
        <translation>Cerchio 2</translation>
    </message>
    <message>
        <source>Circle 3</source>
        <translation>Cerchio 3</translation>
    </message>
    <message>
        <source>Circle 4</source>
        <translation>Cerchio 4</translation>
    </message>
    <message>
        <source>Circle 5</source>
        <translation>Cerchio 5</translation>
    </message>
    <message>
        <source>Circle 6</source>
        <translation>Cerchio 6</translation>
    </message>
    <message>
        <source>Circle 7</source>
        <translation>Cerchio 7</translation>
    </message>
    <message>
        <source>Circle 8</source>
        <translation>Cerchio 8</translation>
    </message>
    <message>
        <source>Circle 9</source>
        <translation>Cerchio 9</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Incendio</translation>
    </message>
    <message>
        <source>Campground</source>
        <translation>Campeggio</translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <translation>Moto</translation>
    </message>
    <message>
        <source>Railway engine</source>
        <translation>Locomotiva</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>File server</source>
        <translation>File server</translation>
    </message>
    <message>
        <source>Hurricane forecast</source>
        <translation>Previsione uragano</translation>
    </message>
    <message>
        <source>Aid station</source>
        <translation>Posto di soccorso</translation>
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
        <translation>Incontro (evento)</translation>
    </message>
    <message>
        <source>Farm vehicle</source>
        <translation>Mezzo agricolo</translation>
    </message>
    <message>
        <source>Grid square</source>
        <translation>Quadrato locator</translation>
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
        <translation>Scuola</translation>
    </message>
    <message>
        <source>PC user</source>
        <translation>Utente PC</translation>
    </message>
    <message>
        <source>MacAPRS</source>
        <translation>MacAPRS</translation>
    </message>
    <message>
        <source>NTS station</source>
        <translation>Stazione NTS</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Pallone</translation>
    </message>
    <message>
        <source>Police</source>
        <translation>Polizia</translation>
    </message>
    <message>
        <source>Recreational vehicle</source>
        <translation>Camper</translation>
    </message>
    <message>
        <source>Space shuttle</source>
        <translation>Navetta spaziale</translation>
    </message>
    <message>
        <source>SSTV</source>
        <translation>SSTV</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Autobus</translation>
    </message>
    <message>
        <source>ATV</source>
        <translation>ATV</translation>
    </message>
    <message>
        <source>Weather service site</source>
        <translation>Servizio meteo</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Elicottero</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Barca a vela</translation>
    </message>
    <message>
        <source>WinAPRS</source>
        <translation>WinAPRS</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Direction finding</source>
        <translation>Radiogoniometria</translation>
    </message>
    <message>
        <source>Post office</source>
        <translation>Ufficio postale</translation>
    </message>
    <message>
        <source>Large aircraft</source>
        <translation>Aereo di linea</translation>
    </message>
    <message>
        <source>Weather station</source>
        <translation>Stazione meteo</translation>
    </message>
    <message>
        <source>Dish antenna</source>
        <translation>Parabola</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulanza</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bicicletta</translation>
    </message>
    <message>
        <source>Incident command post</source>
        <translation>Posto di comando</translation>
    </message>
    <message>
        <source>Fire station</source>
        <translation>Caserma dei pompieri</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cavallo</translation>
    </message>
    <message>
        <source>Fire engine</source>
        <translation>Autopompa</translation>
    </message>
    <message>
        <source>Glider</source>
        <translation>Aliante</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Ospedale</translation>
    </message>
    <message>
        <source>Island (IOTA)</source>
        <translation>Isola (IOTA)</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Jeep</translation>
    </message>
    <message>
        <source>Truck</source>
        <translation>Camion</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Portatile</translation>
    </message>
    <message>
        <source>MIC-E repeater</source>
        <translation>Ripetitore MIC-E</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Nodo</translation>
    </message>
    <message>
        <source>Emergency operations centre</source>
        <translation>Centro operativo emergenze</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Cane</translation>
    </message>
    <message>
        <source>Grid square above 128 m</source>
        <translation>Quadrato locator sopra 128 m</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Ripetitore</translation>
    </message>
    <message>
        <source>Power boat</source>
        <translation>Motoscafo</translation>
    </message>
    <message>
        <source>Truck stop</source>
        <translation>Area di sosta camion</translation>
    </message>
    <message>
        <source>Semi-trailer truck</source>
        <translation>Autoarticolato</translation>
    </message>
    <message>
        <source>Van</source>
        <translation>Furgone</translation>
    </message>
    <message>
        <source>Water station</source>
        <translation>Punto acqua</translation>
    </message>
    <message>
        <source>xAPRS</source>
        <translation>xAPRS</translation>
    </message>
    <message>
        <source>Yagi antenna</source>
        <translation>Antenna Yagi</translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation>Emergenza</translation>
    </message>
    <message>
        <source>Digipeater, green star</source>
        <translation>Digipeater, stella verde</translation>
    </message>
    <message>
        <source>Bank or cash machine</source>
        <translation>Banca o bancomat</translation>
    </message>
    <message>
        <source>Power plant</source>
        <translation>Centrale elettrica</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Crash site</source>
        <translation>Luogo dell&apos;incidente</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nuvoloso</translation>
    </message>
    <message>
        <source>Firenet</source>
        <translation>Firenet</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Chiesa</translation>
    </message>
    <message>
        <source>Girl Scouts</source>
        <translation>Guide scout</translation>
    </message>
    <message>
        <source>House, HF</source>
        <translation>Casa, HF</translation>
    </message>
    <message>
        <source>Ambiguous position</source>
        <translation>Posizione approssimata</translation>
    </message>
    <message>
        <source>Waypoint destination</source>
        <translation>Waypoint di destinazione</translation>
    </message>
    <message>
        <source>Circle (IRLP, EchoLink, WIRES)</source>
        <translation>Cerchio (IRLP, EchoLink, WIRES)</translation>
    </message>
    <message>
        <source>Network node (802.11)</source>
        <translation>Nodo di rete (802.11)</translation>
    </message>
    <message>
        <source>Petrol station</source>
        <translation>Distributore di benzina</translation>
    </message>
    <message>
        <source>Park or picnic area</source>
        <translation>Parco o area picnic</translation>
    </message>
    <message>
        <source>Weather advisory</source>
        <translation>Avviso meteo</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Veicolo</translation>
    </message>
    <message>
        <source>Information kiosk</source>
        <translation>Punto informazioni</translation>
    </message>
    <message>
        <source>Hurricane or tropical storm</source>
        <translation>Uragano o tempesta tropicale</translation>
    </message>
    <message>
        <source>Box (DTMF, RFID)</source>
        <translation>Box (DTMF, RFID)</translation>
    </message>
    <message>
        <source>Coast Guard</source>
        <translation>Guardia costiera</translation>
    </message>
    <message>
        <source>Depot</source>
        <translation>Deposito</translation>
    </message>
    <message>
        <source>Smoke</source>
        <translation>Fumo</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Foschia</translation>
    </message>
    <message>
        <source>Rain shower</source>
        <translation>Rovescio</translation>
    </message>
    <message>
        <source>Kenwood radio</source>
        <translation>Radio Kenwood</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Faro</translation>
    </message>
    <message>
        <source>MARS</source>
        <translation>MARS</translation>
    </message>
    <message>
        <source>Navigation buoy</source>
        <translation>Boa di navigazione</translation>
    </message>
    <message>
        <source>Rocket or balloon</source>
        <translation>Razzo o pallone</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>Parcheggio</translation>
    </message>
    <message>
        <source>Earthquake</source>
        <translation>Terremoto</translation>
    </message>
    <message>
        <source>Restaurant</source>
        <translation>Ristorante</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Temporale</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>Soleggiato</translation>
    </message>
    <message>
        <source>VORTAC navigation aid</source>
        <translation>Radioassistenza VORTAC</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>Farmacia</translation>
    </message>
    <message>
        <source>Radio or device</source>
        <translation>Radio o dispositivo</translation>
    </message>
    <message>
        <source>Wall cloud</source>
        <translation>Nube a muro</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Aereo</translation>
    </message>
    <message>
        <source>Weather site</source>
        <translation>Sito meteo</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Pioggia</translation>
    </message>
    <message>
        <source>ARRL, ARES, Winlink</source>
        <translation>ARRL, ARES, Winlink</translation>
    </message>
    <message>
        <source>Civil defence (RACES)</source>
        <translation>Protezione civile (RACES)</translation>
    </message>
    <message>
        <source>DX spot</source>
        <translation>Spot DX</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Nevischio</translation>
    </message>
    <message>
        <source>Funnel cloud</source>
        <translation>Nube a imbuto</translation>
    </message>
    <message>
        <source>Gale flags</source>
        <translation>Bandiere di burrasca</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Negozio</translation>
    </message>
    <message>
        <source>Point of interest</source>
        <translation>Punto di interesse</translation>
    </message>
    <message>
        <source>Work zone</source>
        <translation>Zona lavori</translation>
    </message>
    <message>
        <source>Special vehicle (SUV, ATV)</source>
        <translation>Veicolo speciale (SUV, quad)</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Value sign</source>
        <translation>Cartello con valore</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangolo</translation>
    </message>
    <message>
        <source>Small circle</source>
        <translation>Cerchio piccolo</translation>
    </message>
    <message>
        <source>Restrooms</source>
        <translation>Servizi igienici</translation>
    </message>
    <message>
        <source>Ship or boat</source>
        <translation>Nave o barca</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Flooding</source>
        <translation>Allagamento</translation>
    </message>
    <message>
        <source>Wreck or obstruction</source>
        <translation>Relitto o ostacolo</translation>
    </message>
    <message>
        <source>Skywarn</source>
        <translation>Skywarn</translation>
    </message>
    <message>
        <source>Shelter</source>
        <translation>Rifugio</translation>
    </message>
    <message>
        <source>unassigned</source>
        <translation>non assegnato</translation>
    </message>
    <message>
        <source>%1 with overlay %2</source>
        <extracomment>A symbol drawn with a character over it: %1 the symbol&apos;s name, %2 the character.</extracomment>
        <translation>%1 con overlay %2</translation>
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
        <translation>&amp;Chiaro</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Scuro</translation>
    </message>
    <message>
        <source>As the &amp;System</source>
        <extracomment>The theme that follows the desktop&apos;s light or dark setting.</extracomment>
        <translation>Come il &amp;sistema</translation>
    </message>
</context>
<context>
    <name>wl3::ui::AboutDialog</name>
    <message>
        <source>About WrenlinkIIConfig</source>
        <extracomment>The About box&apos;s title. &quot;WrenlinkIIConfig&quot; is kept on purpose beside &quot;Wrenlink3Config&quot;: users know the item by that name.</extracomment>
        <translation>Informazioni su WrenlinkIIConfig</translation>
    </message>
    <message>
        <source>Wrenlink3Config Version %1</source>
        <translation>Wrenlink3Config versione %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Wrenlink3Config authors</source>
        <translation>Copyright (C) 2026 gli autori di Wrenlink3Config</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About WrenlinkIIConfig...</source>
        <extracomment>The menu item that opens the About box; &quot;WrenlinkIIConfig&quot; is kept on purpose.</extracomment>
        <translation>&amp;Informazioni su WrenlinkIIConfig...</translation>
    </message>
</context>
<context>
    <name>wl3::ui::CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>This Form</source>
        <translation>Questo modulo</translation>
    </message>
    <message>
        <source>&amp;Take Theirs</source>
        <translation>&amp;Prendi il loro</translation>
    </message>
    <message>
        <source>Take &amp;All Theirs</source>
        <translation>Prendi &amp;tutti i loro</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) differ.</source>
        <translation>
            <numerusform>%n campo è diverso.</numerusform>
            <numerusform>%n campi sono diversi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing differs.</source>
        <translation>Nessuna differenza.</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ConfigDialog</name>
    <message>
        <source>%1 Enable</source>
        <extracomment>A screen reader&apos;s name for a group&apos;s Enable box: %1 is the group&apos;s title.</extracomment>
        <translation>Abilita %1</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>Porta COM</translation>
    </message>
    <message>
        <source>COM Port Change</source>
        <translation>Cambio di porta COM</translation>
    </message>
    <message>
        <source>The configuration has changes that are not saved.</source>
        <translation>La configurazione ha modifiche non salvate.</translation>
    </message>
    <message>
        <source>Save them to a file first?</source>
        <translation>Salvarle prima in un file?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Salva…</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>S&amp;carta</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>The test tone could not be stopped: the tracker may still be sending it, and the radio may be transmitting.</source>
        <translation>Impossibile fermare il tono di prova: il tracker potrebbe ancora inviarlo, e la radio potrebbe essere in trasmissione.</translation>
    </message>
    <message>
        <source>Check the cable and the COM port, then try again, or switch the radio off before you close.</source>
        <translation>Controlla il cavo e la porta COM, poi riprova, oppure spegni la radio prima di chiudere.</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Riprova</translation>
    </message>
    <message>
        <source>C&amp;lose Anyway</source>
        <translation>&amp;Chiudi comunque</translation>
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
        <translation>In trasmissione %1 — «Ferma invio» la termina</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>Compare the form with a file, or with the tracker on %1?</source>
        <translation>Confrontare il modulo con un file, o con il tracker su %1?</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;File…</translation>
    </message>
    <message>
        <source>&amp;Tracker</source>
        <translation>&amp;Tracker</translation>
    </message>
    <message>
        <source>Transmitting — </source>
        <extracomment>Before the window&apos;s title while a test tone keys the radio.</extracomment>
        <translation>In trasmissione — </translation>
    </message>
    <message>
        <source>Choose Emergency! as the MIC-E message all the same?</source>
        <translation>Scegliere comunque Emergenza! come messaggio MIC-E?</translation>
    </message>
    <message>
        <source>C&amp;hoose Emergency!</source>
        <translation>&amp;Scegli Emergenza!</translation>
    </message>
    <message>
        <source>The window is about to close, and the configuration has changes that are not saved.</source>
        <translation>La finestra sta per chiudersi, e la configurazione ha modifiche non salvate.</translation>
    </message>
</context>
<context>
    <name>wl3::ui::DigitsValidator</name>
    <message>
        <source>Only digits 0–9 can be typed here</source>
        <extracomment>Beneath a number edit when a typed or pasted character other than a digit was dropped.</extracomment>
        <translation>Qui si possono digitare solo le cifre 0–9</translation>
    </message>
</context>
<context>
    <name>wl3::ui::PortComboBox</name>
    <message>
        <source>no device</source>
        <translation>nessun dispositivo</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ProgressDialog</name>
    <message>
        <source>%v of %m bytes</source>
        <translation>%v di %m byte</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolButton</name>
    <message>
        <source>Choose Symbol</source>
        <translation>Scegli simbolo</translation>
    </message>
    <message>
        <source>Symbol shown: %1</source>
        <extracomment>Beneath the Symbol and Table / Overlay edits&apos; help: %1 is the name of what they give.</extracomment>
        <translation>Simbolo mostrato: %1</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolPicker</name>
    <message>
        <source>Choose a Symbol</source>
        <translation>Scegli un simbolo</translation>
    </message>
    <message>
        <source>A name, or the two characters</source>
        <translation>Un nome, o i due caratteri</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Simboli</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <source>&amp;Overlay:</source>
        <translation>&amp;Overlay:</translation>
    </message>
    <message>
        <source>%1: table %2, symbol %3</source>
        <extracomment>A symbol&apos;s tip in the picker: %1 its name, %2 and %3 its table and symbol characters.</extracomment>
        <translation>%1: tabella %2, simbolo %3</translation>
    </message>
</context>
</TS>
