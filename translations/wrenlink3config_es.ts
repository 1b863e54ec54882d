<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AdviceMarks</name>
    <message>
        <source>Advice</source>
        <extracomment>A screen reader&apos;s name for the warning mark beside a field.</extracomment>
        <translation>Consejo</translation>
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
        <translation>Atenuado mientras SmartBeaconing está desactivado: el tracker envía entonces sus balizas según el «Intervalo TX auto», y los ajustes de SmartBeaconing no se guardan.</translation>
    </message>
    <message>
        <source>Greyed while SmartBeaconing is on: the tracker then times its beacons by speed and turning, with SmartBeaconing&apos;s rates in place of this one.</source>
        <translation>Atenuado mientras SmartBeaconing está activado: el tracker ajusta entonces sus balizas a la velocidad y los giros, con los intervalos de SmartBeaconing en lugar de este.</translation>
    </message>
    <message>
        <source>Greyed while Time Slotting is off: the tracker then transmits whenever its rate comes round, and the offset is not stored.</source>
        <translation>Atenuado mientras «Ranuras de tiempo» está desactivado: el tracker transmite entonces cada vez que se cumple su intervalo, y el desfase no se guarda.</translation>
    </message>
    <message>
        <source>Greyed while MIC-E is off: the tracker then sends plain position reports, to which this setting does not apply.</source>
        <translation>Atenuado mientras MIC-E está desactivado: el tracker envía entonces informes de posición normales, a los que este ajuste no se aplica.</translation>
    </message>
    <message>
        <source>Greyed while Power Switch is off: the tracker then does not use this time.</source>
        <translation>Atenuado mientras «Interruptor de alimentación» está desactivado: el tracker no usa entonces este tiempo.</translation>
    </message>
    <message>
        <source>The tracker uses the calibration it holds: write a new calibration before testing it.</source>
        <translation>El tracker usa la calibración que tiene guardada: escriba una nueva calibración antes de probarla.</translation>
    </message>
    <message>
        <source>Your station&apos;s callsign, sent in every packet. An SSID tells what kind of station it is: -9 is usual for a car, -7 for a handheld. NOCALL, the default, may not be transmitted.</source>
        <translation>El indicativo de su estación, enviado en cada paquete. Un SSID indica qué tipo de estación es: -9 es lo habitual para un coche, -7 para un equipo portátil. NOCALL, el valor predeterminado, no se puede transmitir.</translation>
    </message>
    <message>
        <source>The digipeaters asked to repeat each packet, separated by commas; empty sends direct only. WIDE1-1,WIDE2-1 suits most areas. More than %1 hops floods the network, and RELAY, TRACE and WIDE alone are obsolete.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>Los digipeaters a los que se pide repetir cada paquete, separados por comas; vacío, solo se envía en directo. WIDE1-1,WIDE2-1 sirve para la mayoría de las zonas. Más de %1 saltos saturan la red, y RELAY, TRACE y WIDE a secas están obsoletos.</translation>
    </message>
    <message>
        <source>The symbol that maps draw for this station, from the table or with the overlay beside it. The button beside them shows it and lists every symbol.</source>
        <translation>El símbolo con el que los mapas dibujan esta estación, de la tabla o con la superposición de al lado. El botón junto a ellos lo muestra y enumera todos los símbolos.</translation>
    </message>
    <message>
        <source>%1 chooses the primary symbol table, %2 the alternate one. A digit or a capital letter chooses the alternate table and is drawn over the symbol, where the symbol takes an overlay.</source>
        <extracomment>%1 the primary table&apos;s character, %2 the alternate table&apos;s.</extracomment>
        <translation>%1 elige la tabla de símbolos primaria, %2 la alternativa. Un dígito o una letra mayúscula elige la tabla alternativa y se dibuja sobre el símbolo, si el símbolo admite superposición.</translation>
    </message>
    <message>
        <source>How long the tracker keys the radio before the data of a timed beacon begins, so that the transmitter and the receivers are ready: too short loses the start of the packet, too long holds the channel. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>Cuánto tiempo pone el tracker la radio en transmisión antes de que empiecen los datos de una baliza programada, para que el transmisor y los receptores estén listos: si es demasiado corto, se pierde el inicio del paquete; si es demasiado largo, ocupa el canal. Se guarda en pasos de unos %1 ms.</translation>
    </message>
    <message>
        <source>The time between beacons while SmartBeaconing is off; with Time Slotting, the length of the cycle that holds the slot. Once every %1 seconds or less often is advised.</source>
        <extracomment>%1 the shortest rate that networks advise, in seconds.</extracomment>
        <translation>El tiempo entre balizas mientras SmartBeaconing está desactivado; con «Ranuras de tiempo», la duración del ciclo que contiene la ranura. Se aconseja una vez cada %1 segundos o con menos frecuencia.</translation>
    </message>
    <message>
        <source>As Auto TX Delay, for a manual transmission rather than a timed beacon. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>Como «Retardo TX auto», para una transmisión manual en lugar de una baliza programada. Se guarda en pasos de unos %1 ms.</translation>
    </message>
    <message>
        <source>As Auto Transmit Rate, for manual transmissions: the time between them.</source>
        <translation>Como «Intervalo TX auto», para transmisiones manuales: el tiempo entre ellas.</translation>
    </message>
    <message>
        <source>How long the channel must have been clear, with CD IN inactive, before the tracker transmits, so that it does not key over another station. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 26.3.</extracomment>
        <translation>Cuánto tiempo debe haber estado libre el canal, con la entrada CD inactiva, antes de que el tracker transmita, para que no transmita encima de otra estación. Se guarda en pasos de unos %1 ms.</translation>
    </message>
    <message>
        <source>The tracker&apos;s tone calibration, one value for both profiles. The Tone Test buttons sound the tones with the value the tracker holds: write a new value before testing it.</source>
        <translation>La calibración de tonos del tracker, un solo valor para ambos perfiles. Los botones de «Prueba de tonos» emiten los tonos con el valor que tiene guardado el tracker: escriba un valor nuevo antes de probarlo.</translation>
    </message>
    <message>
        <source>The status beacon&apos;s text, sent every few transmissions (Send every). Both profiles&apos; callsigns, paths and texts share the tracker&apos;s memory: the line below says how many characters still fit.</source>
        <translation>El texto de la baliza de estado, enviado cada pocas transmisiones (Enviar cada). Los indicativos, rutas y textos de ambos perfiles comparten la memoria del tracker: la línea de abajo indica cuántos caracteres caben todavía.</translation>
    </message>
    <message>
        <source>How many transmissions pass from one status beacon to the next: 3 sends the status text with every third.</source>
        <translation>Cuántas transmisiones pasan de una baliza de estado a la siguiente: 3 envía el texto de estado con una de cada tres.</translation>
    </message>
    <message>
        <source>Adds the GPS altitude to each position report.</source>
        <translation>Añade la altitud GPS a cada informe de posición.</translation>
    </message>
    <message>
        <source>Makes the tracker alternate its digipeater paths from one transmission to the next, rather than send every packet with the Digi Path.</source>
        <translation>Hace que el tracker alterne sus rutas digi de una transmisión a la siguiente, en lugar de enviar cada paquete con la «Ruta digi».</translation>
    </message>
    <message>
        <source>Sends a position only while the GPS reports a valid fix, so that no stale or empty position goes out.</source>
        <translation>Envía una posición solo mientras el GPS informe de un fix válido, para que no salga ninguna posición caducada o vacía.</translation>
    </message>
    <message>
        <source>Lets the tracker take serial data at TTL logic levels, as many GPS modules send it, besides RS-232 levels.</source>
        <translation>Permite al tracker aceptar datos serie con niveles lógicos TTL, como los envían muchos módulos GPS, además de niveles RS-232.</translation>
    </message>
    <message>
        <source>Inverts the carrier-detect input from the radio&apos;s squelch: check it when the tracker takes a quiet channel for a busy one and holds its beacons back.</source>
        <translation>Invierte la entrada de detección de portadora procedente del squelch de la radio: marque esta casilla si el tracker toma un canal libre por uno ocupado y retiene sus balizas.</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: day, hour and minute in UTC (the APRS DHM form, DDHHMMz). Checking it unchecks Timestamp HMS; with neither, positions carry no time.</source>
        <translation>Añade una marca de tiempo a cada posición: día, hora y minuto en UTC (la forma DHM de APRS, DDHHMMz). Al marcar esta casilla se desmarca «Marca de tiempo HMS»; sin ninguna de las dos, las posiciones no llevan hora.</translation>
    </message>
    <message>
        <source>Holds the tracker&apos;s transmissions back while its PTT In line is active, while you talk through the radio, so that a beacon never cuts into your voice.</source>
        <translation>Retiene las transmisiones del tracker mientras su línea de entrada PTT está activa, mientras usted habla por la radio, para que una baliza nunca corte su voz.</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: hour, minute and second in UTC (the APRS HMS form, HHMMSSh). Checking it unchecks Timestamp DHM; with neither, positions carry no time.</source>
        <translation>Añade una marca de tiempo a cada posición: hora, minuto y segundo en UTC (la forma HMS de APRS, HHMMSSh). Al marcar esta casilla se desmarca «Marca de tiempo DHM»; sin ninguna de las dos, las posiciones no llevan hora.</translation>
    </message>
    <message>
        <source>Sends positions in MIC-E form: compact, partly carried in the destination address, with a status message and a path code. Unchecked, the tracker sends plain position reports.</source>
        <translation>Envía las posiciones en formato MIC-E: compacto, en parte dentro de la dirección de destino, con un mensaje de estado y un código de ruta. Sin marcar, el tracker envía informes de posición normales.</translation>
    </message>
    <message>
        <source>The MIC-E status sent with every position. Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency.</source>
        <translation>El estado MIC-E enviado con cada posición. ¡Emergencia! hace que toda estación que lo reciba dé la alarma: elíjalo solo en una emergencia real.</translation>
    </message>
    <message>
        <source>Keeps every character of the MIC-E packet printable, for digipeaters and programs that drop packets holding others.</source>
        <translation>Mantiene imprimibles todos los caracteres del paquete MIC-E, para los digipeaters y programas que descartan los paquetes que contienen otros.</translation>
    </message>
    <message>
        <source>The path code that MIC-E carries in its destination address: Conventional sends the Digi Path; WIDE-1 to WIDE-7 ask for that many hops; North, South, East and West ask for directional digipeating, + WIDE for a wide hop too. More than %1 hops floods the network.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>El código de ruta que MIC-E lleva en su dirección de destino: «Convencional» envía la «Ruta digi»; WIDE-1 a WIDE-7 piden ese número de saltos; «Norte», «Sur», «Este» y «Oeste» piden digipeating direccional, «+ WIDE» además un salto WIDE. Más de %1 saltos saturan la red.</translation>
    </message>
    <message>
        <source>Transmits at a fixed offset in each cycle of the Auto Transmit Rate, timed by the GPS clock, so that trackers sharing a frequency each keep a slot of their own and never collide. Checking it unchecks SmartBeaconing.</source>
        <translation>Transmite con un desfase fijo en cada ciclo del «Intervalo TX auto», marcado por el reloj del GPS, para que los trackers que comparten una frecuencia tengan cada uno su propia ranura y nunca colisionen. Al marcar esta casilla se desmarca SmartBeaconing.</translation>
    </message>
    <message>
        <source>Where in each cycle of the Auto Transmit Rate the tracker transmits: give each tracker on the frequency an offset of its own.</source>
        <translation>En qué punto de cada ciclo del «Intervalo TX auto» transmite el tracker: dé a cada tracker de la frecuencia su propio desfase.</translation>
    </message>
    <message>
        <source>Times beacons by speed and turning: often when fast, seldom when slow, and at once after a turn, so that a map traces the route with few packets. The Auto Transmit Rate is then unused; checking it unchecks Time Slotting.</source>
        <translation>Ajusta las balizas a la velocidad y los giros: a menudo cuando se va rápido, rara vez cuando se va despacio, y en el acto tras un giro, para que un mapa trace la ruta con pocos paquetes. El «Intervalo TX auto» no se usa entonces; al marcar esta casilla se desmarca «Ranuras de tiempo».</translation>
    </message>
    <message>
        <source>The smallest change of heading that sends a beacon at once at high speed; at lower speeds Turn Slope adds to it.</source>
        <translation>El menor cambio de rumbo que envía una baliza en el acto a alta velocidad; a velocidades más bajas se le suma la «Pendiente de giro».</translation>
    </message>
    <message>
        <source>Raises the turn needed at low speed: a beacon goes out when the heading changes by more than Min Turn Angle + Turn Slope ÷ speed in MPH, so that slow corners in town do not each send one.</source>
        <translation>Aumenta el giro necesario a baja velocidad: sale una baliza cuando el rumbo cambia más de «Ángulo de giro mín.» + «Pendiente de giro» ÷ velocidad en MPH, para que las curvas lentas en la ciudad no envíen una cada una.</translation>
    </message>
    <message>
        <source>The least time between two beacons sent for turns, so that a winding road does not send one every few seconds.</source>
        <translation>El tiempo mínimo entre dos balizas enviadas por giros, para que una carretera sinuosa no envíe una cada pocos segundos.</translation>
    </message>
    <message>
        <source>At or below this speed the tracker beacons every Slow Rate. It must be below Fast Speed.</source>
        <translation>A esta velocidad o por debajo, el tracker envía una baliza cada «Intervalo lento». Debe ser menor que la «Velocidad rápida».</translation>
    </message>
    <message>
        <source>The time between beacons at or below Slow Speed, parked or walking.</source>
        <translation>El tiempo entre balizas a la «Velocidad lenta» o por debajo, aparcado o a pie.</translation>
    </message>
    <message>
        <source>At or above this speed the tracker beacons every Fast Rate; between the two speeds the time between beacons follows the speed.</source>
        <translation>A esta velocidad o por encima, el tracker envía una baliza cada «Intervalo rápido»; entre las dos velocidades, el tiempo entre balizas sigue a la velocidad.</translation>
    </message>
    <message>
        <source>The time between beacons at or above Fast Speed. It should be shorter than Slow Rate.</source>
        <translation>El tiempo entre balizas a la «Velocidad rápida» o por encima. Debería ser más corto que el «Intervalo lento».</translation>
    </message>
    <message>
        <source>Turns on the tracker&apos;s power switching, timed by Power Switch Time.</source>
        <translation>Activa la conmutación de alimentación del tracker, temporizada por «Tiempo del interruptor».</translation>
    </message>
    <message>
        <source>The time of the tracker&apos;s power switching.</source>
        <translation>El tiempo de la conmutación de alimentación del tracker.</translation>
    </message>
    <message>
        <source>The tracker keeps two complete profiles, each with its own callsign, path, symbol, text, timing and options; only the calibration is shared. The form shows the chosen tab&apos;s profile (Ctrl+Tab for the other); Read, Write, Save and Load always take both. A callsign and path, or a status text, equal to the Primary&apos;s are stored once, which leaves the status texts more room.</source>
        <translation>El tracker guarda dos perfiles completos, cada uno con su propio indicativo, ruta, símbolo, texto, tiempos y opciones; solo la calibración es compartida. El formulario muestra el perfil de la pestaña elegida (Ctrl+Tab para el otro); Leer, Escribir, Guardar y Cargar siempre abarcan ambos. Un indicativo y una ruta, o un texto de estado, iguales a los de «Primario» se guardan una sola vez, lo que deja más espacio a los textos de estado.</translation>
    </message>
    <message>
        <source>The serial port that the tracker is connected to, at 4800 baud: %1, each the device on this machine that its entry&apos;s tooltip names, or a device given by its path.</source>
        <extracomment>%1 the COM ports&apos; names, such as COM1 to COM4.</extracomment>
        <translation>El puerto serie al que está conectado el tracker, a 4800 baudios: %1, cada uno el dispositivo de esta máquina que nombra la descripción emergente de su entrada, o un dispositivo indicado por su ruta.</translation>
    </message>
    <message>
        <source>Asks the tracker on the chosen COM port for its version: a quick check that the cable, the port and the tracker answer. Changes nothing.</source>
        <translation>Pide su versión al tracker en el puerto COM elegido: una comprobación rápida de que el cable, el puerto y el tracker responden. No cambia nada.</translation>
    </message>
    <message>
        <source>Reads both profiles and the calibration from the tracker into the form, twice, to be sure that both reads agree. Asks first when the form has edits that are not saved.</source>
        <translation>Lee los dos perfiles y la calibración del tracker al formulario, dos veces, para asegurarse de que ambas lecturas coinciden. Pregunta antes si el formulario tiene cambios sin guardar.</translation>
    </message>
    <message>
        <source>Writes both profiles and the calibration into the tracker, then reads them back to verify every byte. The form then shows the values as the tracker keeps them, delays in its steps.</source>
        <translation>Escribe los dos perfiles y la calibración en el tracker y luego los relee para verificar cada byte. El formulario muestra después los valores tal como los guarda el tracker, los retardos en sus pasos.</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 1200 Hz tone, the mark tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Pone la radio en transmisión y envía un tono continuo de 1200 Hz, el tono mark, hasta «Detener envío»: para ajustar la desviación o comprobar la calibración. %1</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 2200 Hz tone, the space tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Pone la radio en transmisión y envía un tono continuo de 2200 Hz, el tono space, hasta «Detener envío»: para ajustar la desviación o comprobar la calibración. %1</translation>
    </message>
    <message>
        <source>Keys the radio and sends both tones, 1200 and 2200 Hz, until Stop Sending: to compare their levels at a receiver. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Pone la radio en transmisión y envía los dos tonos, 1200 y 2200 Hz, hasta «Detener envío»: para comparar sus niveles en un receptor. %1</translation>
    </message>
    <message>
        <source>Tells the tracker to stop the test tone and unkey the radio. Closing the window stops a tone too.</source>
        <translation>Indica al tracker que detenga el tono de prueba y devuelva la radio a recepción. Cerrar la ventana también detiene un tono.</translation>
    </message>
    <message>
        <source>Closes the window; asks first when the form has edits that are not saved, and stops a test tone that is still sounding.</source>
        <translation>Cierra la ventana; pregunta antes si el formulario tiene cambios sin guardar, y detiene un tono de prueba que siga sonando.</translation>
    </message>
    <message>
        <source>Saves both profiles and the calibration in a .wl3 file, as the tracker would hold them.</source>
        <translation>Guarda los dos perfiles y la calibración en un archivo .wl3, tal como los guardaría el tracker.</translation>
    </message>
    <message>
        <source>Loads both profiles and the calibration from a .wl3 file, or from wl3&apos;s JSON form. Asks first when the form has edits that are not saved.</source>
        <translation>Carga los dos perfiles y la calibración desde un archivo .wl3, o desde el formato JSON de wl3. Pregunta antes si el formulario tiene cambios sin guardar.</translation>
    </message>
    <message>
        <source>Shows the form beside a file or the tracker, field by field, and takes the values you choose from the other side. Nothing is written or saved.</source>
        <translation>Muestra el formulario junto a un archivo o al tracker, campo por campo, y toma del otro lado los valores que usted elija. No se escribe ni se guarda nada.</translation>
    </message>
    <message>
        <source>The picture of the symbol that Symbol and Table / Overlay give. Opens a list of every symbol with its picture and name; the one chosen fills both edits.</source>
        <translation>La imagen del símbolo que dan «Símbolo» y «Tabla / Superposición». Abre una lista de todos los símbolos con su imagen y nombre; el elegido rellena ambos campos.</translation>
    </message>
    <message>
        <source>The Primary profile: the first of the tracker&apos;s two complete sets of settings.</source>
        <translation>El perfil «Primario»: el primero de los dos conjuntos completos de ajustes del tracker.</translation>
    </message>
    <message>
        <source>The Secondary profile: a second complete set of settings, for another callsign, path or timing.</source>
        <translation>El perfil «Secundario»: un segundo conjunto completo de ajustes, para otro indicativo, otra ruta u otros tiempos.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Wrenlink3 Config files (%1)</source>
        <extracomment>The file dialogs&apos; filter; %1 is the file name patterns, such as *.wl3.</extracomment>
        <translation>Archivos de configuración de Wrenlink3 (%1)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Cargar archivo de configuración</translation>
    </message>
    <message>
        <source>The folder does not exist:
%1</source>
        <translation>La carpeta no existe:
%1</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Guardar archivo de configuración</translation>
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
        <translation>Leer &amp;versión</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>&amp;Leer configuración</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>&amp;Escribir configuración</translation>
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
        <translation>Enviar a&amp;mbos</translation>
    </message>
    <message>
        <source>S&amp;top Sending</source>
        <translation>&amp;Detener envío</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation>Prueba de tonos</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primario</translation>
    </message>
    <message>
        <source>Seconday</source>
        <extracomment>The second profile&apos;s tab. The English keeps its old misspelling on purpose, since users know the tab by it; a translation may spell &quot;Secondary&quot; correctly.</extracomment>
        <translation>Secundario</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Fuera de servicio</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>En ruta</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>En servicio</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>Regresando</translation>
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
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>¡Emergencia!</translation>
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
        <translation>Sur</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
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
        <translation>Sur + WIDE</translation>
    </message>
    <message>
        <source>East + WIDE</source>
        <translation>Este + WIDE</translation>
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
        <translation>Tiempos</translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation>Baliza de estado</translation>
    </message>
    <message>
        <source>MIC-E Settings</source>
        <translation>Ajustes MIC-E</translation>
    </message>
    <message>
        <source>Time Slotting</source>
        <translation>Ranuras de tiempo</translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation>SmartBeaconing</translation>
    </message>
    <message>
        <source>Power Switch</source>
        <translation>Interruptor de alimentación</translation>
    </message>
    <message>
        <source>Callsign:</source>
        <translation>Indicativo:</translation>
    </message>
    <message>
        <source>Digi Path:</source>
        <translation>Ruta digi:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Símbolo:</translation>
    </message>
    <message>
        <source>Table / Overlay:</source>
        <translation>Tabla / Superposición:</translation>
    </message>
    <message>
        <source>Auto TX Delay:</source>
        <translation>Retardo TX auto:</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>milisegundos</translation>
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
        <translation>Retardo TX manual:</translation>
    </message>
    <message>
        <source>Manual Transmit Rate:</source>
        <translation>Intervalo TX manual:</translation>
    </message>
    <message>
        <source>Quiet Time:</source>
        <translation>Tiempo de silencio:</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Calibración:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Send every:</source>
        <translation>Enviar cada:</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>transmisiones</translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation>Enviar altitud</translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation>Rutas digi alternativas</translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation>Solo enviar válidas</translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation>Permitir serie TTL</translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation>Invertir entrada CD</translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation>Marca de tiempo DHM</translation>
    </message>
    <message>
        <source>No PTT Out while PTT In</source>
        <translation>Sin salida PTT con entrada PTT</translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation>Marca de tiempo HMS</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Mensaje:</translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation>Forzar imprimibles</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Ruta:</translation>
    </message>
    <message>
        <source>Transmit offset:</source>
        <translation>Desfase de TX:</translation>
    </message>
    <message>
        <source>Min Turn Angle:</source>
        <translation>Ángulo de giro mín.:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>Turn Slope:</source>
        <translation>Pendiente de giro:</translation>
    </message>
    <message>
        <source>Min Turn Time:</source>
        <translation>Tiempo de giro mín.:</translation>
    </message>
    <message>
        <source>Slow Speed:</source>
        <translation>Velocidad lenta:</translation>
    </message>
    <message>
        <source>Slow Rate:</source>
        <translation>Intervalo lento:</translation>
    </message>
    <message>
        <source>Fast Speed:</source>
        <translation>Velocidad rápida:</translation>
    </message>
    <message>
        <source>Fast Rate:</source>
        <translation>Intervalo rápido:</translation>
    </message>
    <message>
        <source>Power Switch Time:</source>
        <translation>Tiempo del interruptor:</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>Com&amp;parar…</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>%1 caracteres restantes</translation>
    </message>
    <message>
        <source>%1 too many: %2 text cut</source>
        <extracomment>%1 how many characters too many, %2 the tab name of the profile whose text is cut.</extracomment>
        <translation>%1 de más: texto %2 truncado</translation>
    </message>
    <message>
        <source>%1 too many: both texts cut</source>
        <translation>%1 de más: ambos textos truncados</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>la entrada estándar</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>la salida estándar</translation>
    </message>
    <message>
        <source>the output</source>
        <translation>la salida</translation>
    </message>
    <message>
        <source>the input file</source>
        <translation>el archivo de entrada</translation>
    </message>
    <message>
        <source>the units file</source>
        <translation>el archivo de unidades</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>el informe</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>la tabla</translation>
    </message>
    <message>
        <source>the folder</source>
        <translation>la carpeta</translation>
    </message>
    <message>
        <source>the file of %1</source>
        <translation>el archivo de %1</translation>
    </message>
    <message>
        <source>the backup of %1</source>
        <translation>la copia de seguridad de %1</translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>user %1&apos;s</source>
        <translation>del usuario %1</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2), which root does not follow</source>
        <translation>%1: es un enlace de otro usuario (%2), que root no sigue</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2) in a shared folder</source>
        <translation>%1: es un enlace de otro usuario (%2) en una carpeta compartida</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3), which root does not follow</source>
        <translation>%1: pasa por %2, un enlace de otro usuario (%3), que root no sigue</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3) in a shared folder</source>
        <translation>%1: pasa por %2, un enlace de otro usuario (%3) en una carpeta compartida</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A piece of advice: %1 the key of the field (primary.digiPath), %2 the reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: es una carpeta</translation>
    </message>
    <message>
        <source>%1: is not a folder</source>
        <translation>%1: no es una carpeta</translation>
    </message>
    <message>
        <source>%1: is read-only</source>
        <translation>%1: es de solo lectura</translation>
    </message>
    <message>
        <source>%1: is not a file (a device, a pipe or a socket)</source>
        <translation>%1: no es un archivo (es un dispositivo, una tubería o un socket)</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: no se puede leer: %2</translation>
    </message>
    <message>
        <source>%1: is in a folder that does not exist</source>
        <translation>%1: está en una carpeta que no existe</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: %2</source>
        <translation>%1: no se puede crear ningún archivo en esta carpeta: %2</translation>
    </message>
    <message>
        <source>%1: not every byte could be written</source>
        <translation>%1: no se pudieron escribir todos los bytes</translation>
    </message>
    <message>
        <source>%1: is neither a file nor a device to write to</source>
        <translation>%1: no es ni un archivo ni un dispositivo donde escribir</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s file in a shared folder</source>
        <translation>%1: es el archivo de otro usuario en una carpeta compartida</translation>
    </message>
    <message>
        <source>%1: belongs to another user or group, which a new file could not keep</source>
        <translation>%1: pertenece a otro usuario o grupo, que un archivo nuevo no podría conservar</translation>
    </message>
    <message>
        <source>%1: is a link that leads nowhere a file can be saved</source>
        <translation>%1: es un enlace que no lleva a ningún sitio donde se pueda guardar un archivo</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1: es %2</translation>
    </message>
    <message>
        <source>%1: %2 would replace %3</source>
        <translation>%1: %2 reemplazaría a %3</translation>
    </message>
    <message>
        <source>%1 is a terminal, and a .wl3 file is binary: redirect it or name a file</source>
        <translation>%1 es una terminal, y un archivo .wl3 es binario: rediríjalo o indique un archivo</translation>
    </message>
    <message>
        <source>%1: is not a configuration file</source>
        <translation>%1: no es un archivo de configuración</translation>
    </message>
    <message>
        <source>%1: holds an image of %2 bytes, not %3</source>
        <translation>%1: contiene una imagen de %2 bytes, no de %3</translation>
    </message>
    <message>
        <source>%1: ends within its header</source>
        <translation>%1: termina dentro de su cabecera</translation>
    </message>
    <message>
        <source>%1: ends after %2 of the %3 image bytes</source>
        <translation>%1: termina tras %2 de los %3 bytes de la imagen</translation>
    </message>
    <message>
        <source>%1: holds an image that cannot be decoded</source>
        <translation>%1: contiene una imagen que no se puede decodificar</translation>
    </message>
    <message>
        <source>%1: is larger than 1 MiB</source>
        <translation>%1: supera 1 MiB</translation>
    </message>
    <message>
        <source>%1: holds no tracker below its header</source>
        <translation>%1: no contiene ningún tracker bajo su cabecera</translation>
    </message>
    <message>
        <source>%1: not valid CSV in row %2: %3</source>
        <translation>%1: CSV no válido en la fila %2: %3</translation>
    </message>
    <message>
        <source>%1: out of memory</source>
        <translation>%1: memoria insuficiente</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>No se pudo abrir el archivo</translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation>No se pudieron leer los datos</translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation>No se pudieron escribir los datos</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>Formato de archivo no válido</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>La importación falló</translation>
    </message>
    <message>
        <source>File too large for a configuration</source>
        <translation>Archivo demasiado grande para una configuración</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>La carga falló</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>El guardado falló</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>JSON no válido: %1</translation>
    </message>
    <message>
        <source>not valid JSON: a NUL byte at byte %1</source>
        <translation>JSON no válido: un byte NUL en el byte %1</translation>
    </message>
    <message>
        <source>the document must be a JSON object</source>
        <translation>el documento debe ser un objeto JSON</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>clave desconocida %1</translation>
    </message>
    <message>
        <source>duplicate key %1</source>
        <translation>clave duplicada %1</translation>
    </message>
    <message>
        <source>%1 must be an object</source>
        <translation>%1 debe ser un objeto</translation>
    </message>
    <message>
        <source>%1 is outside the signed 32-bit range</source>
        <translation>%1 está fuera del rango de 32 bits con signo</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 debe ser un número entero</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 debe ser un número</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 debe ser true o false</translation>
    </message>
    <message>
        <source>%1 must be a string</source>
        <translation>%1 debe ser una cadena</translation>
    </message>
    <message>
        <source>%1 is longer than 1 character</source>
        <translation>%1 tiene más de 1 carácter</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 tiene más de %2 caracteres</translation>
    </message>
    <message>
        <source>%1 holds U+0000, which ends a text on the tracker</source>
        <translation>%1 contiene U+0000, que termina un texto en el tracker</translation>
    </message>
    <message>
        <source>%1 holds %2, a character above U+00FF</source>
        <translation>%1 contiene %2, un carácter por encima de U+00FF</translation>
    </message>
    <message>
        <source>up to six letters or digits, optionally followed by -0 to -15 for the SSID</source>
        <translation>hasta seis letras o dígitos, seguidos opcionalmente de -0 a -15 como SSID</translation>
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
        <translation>direcciones separadas por comas, cada una %1</translation>
    </message>
    <message>
        <source>%1, the auto transmit rate plus one</source>
        <translation>%1, el intervalo TX auto más uno</translation>
    </message>
    <message>
        <source>0 to the auto transmit rate plus one</source>
        <translation>0 al intervalo TX auto más uno</translation>
    </message>
    <message>
        <source>one printable ASCII character, ! to ~</source>
        <translation>un carácter ASCII imprimible, de ! a ~</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>characters from U+0001 to U+00FF</source>
        <translation>caracteres de U+0001 a U+00FF</translation>
    </message>
    <message>
        <source>Wrenlink3 Write</source>
        <translation>Escritura Wrenlink3</translation>
    </message>
    <message>
        <source>The tracker cannot hold these values as they are:</source>
        <translation>El tracker no puede guardar estos valores tal como están:</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <extracomment>The port error as users know it, misspellings kept on purpose in English; a translation may spell it correctly (&quot;Could not acquire COM port&quot;).</extracomment>
        <translation>No se pudo adquirir el puerto COM</translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation>GetCommState falló</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>SetCommState falló</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>SetCommTimeouts falló</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Falló la escritura en el puerto COM</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Falló la lectura del puerto COM</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Falló el cierre del puerto COM</translation>
    </message>
    <message>
        <source>%1: there is no serial port with this number on this machine.</source>
        <translation>%1: esta máquina no tiene un puerto serie con este número.</translation>
    </message>
    <message>
        <source>%1: there is no such port on this machine (is the adapter plugged in?)</source>
        <translation>%1: este puerto no existe en esta máquina (¿está conectado el adaptador?)</translation>
    </message>
    <message>
        <source>%1: %2 (is the adapter still plugged in?)</source>
        <translation>%1: %2 (¿sigue conectado el adaptador?)</translation>
    </message>
    <message>
        <source>%1: another program is using this port.</source>
        <translation>%1: otro programa está usando este puerto.</translation>
    </message>
    <message>
        <source>%1: this is not a serial device.</source>
        <translation>%1: no es un dispositivo serie.</translation>
    </message>
    <message>
        <source>The tracker may now hold a partial image. Write the configuration again.</source>
        <translation>Puede que el tracker contenga ahora una imagen parcial. Escriba la configuración de nuevo.</translation>
    </message>
    <message>
        <source>%1: column &quot;%2&quot; is named twice</source>
        <translation>%1: la columna «%2» aparece dos veces</translation>
    </message>
    <message>
        <source>%1: unknown key &quot;%2&quot;</source>
        <translation>%1: clave desconocida «%2»</translation>
    </message>
    <message>
        <source>%1: %2 cells where the header has %3 (a text holding a comma goes in double quotes)</source>
        <translation>%1: %2 celdas donde la cabecera tiene %3 (un texto con una coma va entre comillas dobles)</translation>
    </message>
    <message>
        <source>%1: port: %2</source>
        <translation>%1: puerto: %2</translation>
    </message>
    <message>
        <source>%1: no column &quot;%2&quot;</source>
        <translation>%1: no hay columna «%2»</translation>
    </message>
    <message>
        <source>Invalid Com Port Number</source>
        <translation>Número de puerto COM no válido</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>Puerto COM no válido</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>Puerto COM: lo escrito no coincide</translation>
    </message>
    <message>
        <source>Wrenlink3 Not Found</source>
        <translation>Wrenlink3 no encontrado</translation>
    </message>
    <message>
        <source>%1: the answer to the version query is no Wrenlink3&apos;s.</source>
        <translation>%1: la respuesta a la consulta de versión no es de un Wrenlink3.</translation>
    </message>
    <message>
        <source>%1: no answer to the version query (is the tracker on and connected?)</source>
        <translation>%1: no hay respuesta a la consulta de versión (¿está el tracker encendido y conectado?)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>La escritura falló</translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation>La escritura falló (código %1 %2)</translation>
    </message>
    <message>
        <source>Wrenlink3 Version</source>
        <translation>Versión de Wrenlink3</translation>
    </message>
    <message>
        <source>Wrenlink3 Read</source>
        <translation>Lectura Wrenlink3</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>La lectura falló</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Lectura correcta</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Escritura correcta</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Calibración no escrita</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>El nuevo valor de calibración debe escribirse antes de probar los tonos</translation>
    </message>
    <message>
        <source>Bad EE Size</source>
        <translation>Tamaño EE incorrecto</translation>
    </message>
    <message>
        <source>Bad EE Size %1</source>
        <translation>Tamaño EE incorrecto %1</translation>
    </message>
    <message>
        <source>The callsigns and digipeater paths do not fit in the tracker&apos;s memory. Use fewer digipeaters, or make the primary and secondary callsigns and paths identical.</source>
        <translation>Los indicativos y las rutas digi no caben en la memoria del tracker. Use menos digipeaters, o haga idénticos los indicativos y rutas primarios y secundarios.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Texto de la baliza de estado truncado</translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <extracomment>Kept letter for letter in English (&quot;tuncated&quot;, two spaces after the first sentence); a translation may spell it correctly.</extracomment>
        <translation>El texto primario o secundario de la baliza de estado es demasiado largo y se ha truncado. Para un texto más largo, use menos digipeaters y haga idénticos los indicativos, digipeaters o textos de estado primarios y secundarios.</translation>
    </message>
    <message>
        <source>%1: is not a configuration in JSON form</source>
        <translation>%1: no es una configuración en formato JSON</translation>
    </message>
    <message>
        <source>Failed to write to standard output</source>
        <translation>No se pudo escribir en la salida estándar</translation>
    </message>
    <message>
        <source>Interrupted: sending the rest of the image first, so that the tracker is not left with part of it (Ctrl-C again stops at once)</source>
        <translation>Interrumpido: primero se envía el resto de la imagen, para que el tracker no quede con solo una parte (otro Ctrl-C detiene en el acto)</translation>
    </message>
    <message>
        <source>Interrupted: the whole image was sent, but not read back to verify it.</source>
        <translation>Interrumpido: se envió toda la imagen, pero no se releyó para verificarla.</translation>
    </message>
    <message>
        <source>Interrupted while writing: the tracker may now hold a partial image. Write the configuration again.</source>
        <translation>Interrumpido durante la escritura: puede que el tracker contenga ahora una imagen parcial. Escriba la configuración de nuevo.</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Interrumpido</translation>
    </message>
    <message>
        <source>The tracker keeps sending until &quot;wl3 tone stop&quot;.</source>
        <translation>El tracker sigue transmitiendo hasta «wl3 tone stop».</translation>
    </message>
    <message>
        <source>--port usb: no USB serial adapter is plugged in</source>
        <translation>--port usb: no hay ningún adaptador serie USB conectado</translation>
    </message>
    <message>
        <source>%1: port %2 is named twice (%3: %4)</source>
        <translation>%1: el puerto %2 aparece dos veces (%3: %4)</translation>
    </message>
    <message>
        <source>%1: with several trackers, name a folder (DIR/) for a file each</source>
        <translation>%1: con varios trackers, indique una carpeta (DIR/) para un archivo cada uno</translation>
    </message>
    <message>
        <source>Two trackers&apos; files would both be %1; name their ports apart</source>
        <translation>Los archivos de dos trackers serían ambos %1; distinga sus puertos</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Copia de seguridad guardada: %1</translation>
    </message>
    <message>
        <source>Not begun: no thread could be started (%1)</source>
        <translation>No iniciado: no se pudo iniciar ningún hilo (%1)</translation>
    </message>
    <message>
        <source>%1 %2: the tracker holds %3</source>
        <translation>%1 %2: el tracker guarda %3</translation>
    </message>
    <message>
        <source>Asking the tracker for its version</source>
        <translation>Preguntando al tracker su versión</translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation>Leyendo la configuración</translation>
    </message>
    <message>
        <source>Reading it again, to verify</source>
        <translation>Leyéndola de nuevo, para verificar</translation>
    </message>
    <message>
        <source>Writing the configuration</source>
        <translation>Escribiendo la configuración</translation>
    </message>
    <message>
        <source>Reading it back, to verify</source>
        <translation>Releyéndola, para verificar</translation>
    </message>
    <message>
        <source>Sending the tone command</source>
        <translation>Enviando la orden de tono</translation>
    </message>
    <message>
        <source>permission denied. Add your user to the group that owns the device (sudo usermod -aG %1 $USER), then log out and back in.</source>
        <translation>permiso denegado. Añada su usuario al grupo propietario del dispositivo (sudo usermod -aG %1 $USER) y luego cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>permission denied. Your user is in the group %1, but this session began before it was added: log out and back in (or run newgrp %1).</source>
        <translation>permiso denegado. Su usuario está en el grupo %1, pero esta sesión empezó antes de añadirlo: cierre la sesión y vuelva a entrar (o ejecute newgrp %1).</translation>
    </message>
    <message>
        <source>permission denied. Only root may open this device, and no group helps: a udev rule must give it a group (see PERMISSIONS in man wl3).</source>
        <translation>permiso denegado. Solo root puede abrir este dispositivo, y ningún grupo sirve: una regla de udev debe darle un grupo (vea PERMISSIONS en man wl3).</translation>
    </message>
    <message>
        <source>permission denied.</source>
        <translation>permiso denegado.</translation>
    </message>
    <message>
        <source>%1 or a device path, not &quot;%2&quot;</source>
        <translation>%1 o una ruta de dispositivo, no «%2»</translation>
    </message>
    <message>
        <source>a file name ending in %1 or %2, not &quot;%3&quot;</source>
        <translation>un nombre de archivo que termine en %1 o %2, no «%3»</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1 fila %2</translation>
    </message>
    <message>
        <source>%1: is a pipe (FIFO): name a file, or &quot;-&quot; for standard output</source>
        <translation>%1: es una tubería (FIFO): indique un archivo, o «-» para la salida estándar</translation>
    </message>
    <message>
        <source>%1: is a device, not your terminal or /dev/null: name a file</source>
        <translation>%1: es un dispositivo, ni su terminal ni /dev/null: indique un archivo</translation>
    </message>
    <message>
        <source>%1: is UTF-16 text, and a units file is read as UTF-8: save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1: es texto UTF-16, y el archivo de unidades se lee como UTF-8: guárdelo como «CSV UTF-8»</translation>
    </message>
    <message>
        <source>%1: is not UTF-8 text (a spreadsheet&apos;s &quot;ANSI&quot; or Latin-1, perhaps): save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1: no es texto UTF-8 (quizá «ANSI» o Latin-1 de una hoja de cálculo): guárdelo como «CSV UTF-8»</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: its files are the system&apos;s own</source>
        <translation>%1: no se puede crear ningún archivo en esta carpeta: sus archivos son del sistema</translation>
    </message>
    <message>
        <source>%1: the columns are separated by semicolons, and a units file&apos;s by commas: save it as CSV with commas</source>
        <translation>%1: las columnas están separadas por punto y coma, y las del archivo de unidades por comas: guárdelo como CSV con comas</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria agotada</translation>
    </message>
    <message>
        <source>At most %1 trackers at once: the limit on open files allows no more</source>
        <translation>Como máximo %1 trackers a la vez: el límite de archivos abiertos no permite más</translation>
    </message>
    <message>
        <source>(none: index %1)</source>
        <translation>(ninguno: índice %1)</translation>
    </message>
    <message>
        <source>%1 %2, not %3</source>
        <translation>%1 %2, no %3</translation>
    </message>
    <message>
        <source>%1 %2 %3, not %4</source>
        <translation>%1 %2 %3, no %4</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>The status texts do not fit the tracker&apos;s memory; nothing was written.</source>
        <translation>Los textos de estado no caben en la memoria del tracker; no se escribió nada.</translation>
    </message>
    <message>
        <source>%1 status text: %2 characters, of which %3 fit</source>
        <extracomment>%1 a profile&apos;s tab name, %2 its status text&apos;s length, %3 how many fit.</extracomment>
        <translation>Texto de estado %1: %2 caracteres, de los que caben %3</translation>
    </message>
    <message>
        <source>Shorten them, or give --allow-cut-text to write them cut.</source>
        <translation>Acórtelos, o indique --allow-cut-text para escribirlos truncados.</translation>
    </message>
    <message>
        <source>Status Beacon Text Too Long</source>
        <translation>Texto de la baliza de estado demasiado largo</translation>
    </message>
    <message>
        <source>Holds what its row writes</source>
        <translation>Contiene lo que escribe su fila</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Differs from its row: %1</source>
        <translation>Difiere de su fila: %1</translation>
    </message>
    <message>
        <source>no callsign: every transmission must carry your own</source>
        <translation>sin indicativo: toda transmisión debe llevar el suyo</translation>
    </message>
    <message>
        <source>%1 is a placeholder that may not be transmitted: set your own callsign</source>
        <translation>%1 es un indicativo de ejemplo que no se puede transmitir: ponga su propio indicativo</translation>
    </message>
    <message>
        <source>%1 is obsolete and no longer served by the networks: use WIDE1-1,WIDE2-1 or WIDE2-2</source>
        <translation>%1 está obsoleto y las redes ya no lo atienden: use WIDE1-1,WIDE2-1 o WIDE2-2</translation>
    </message>
    <message>
        <source>%1 asks for more than two hops and floods the network: use WIDE2-2 at most</source>
        <translation>%1 pide más de dos saltos y satura la red: use como máximo WIDE2-2</translation>
    </message>
    <message>
        <source>the path asks for %1 hops in all; more than two floods the network</source>
        <translation>la ruta pide %1 saltos en total; más de dos saturan la red</translation>
    </message>
    <message>
        <source>a beacon every %1 seconds crowds the channel: once a minute or less often is advised</source>
        <translation>una baliza cada %1 segundos satura el canal: se aconseja una vez por minuto o menos a menudo</translation>
    </message>
    <message>
        <source>the slow speed (%1 MPH) is not below the fast speed (%2 MPH), so SmartBeaconing cannot tell them apart</source>
        <translation>la velocidad lenta (%1 MPH) no es menor que la rápida (%2 MPH), así que SmartBeaconing no puede distinguirlas</translation>
    </message>
    <message>
        <source>the fast rate (%1 seconds) is longer than the slow rate (%2 seconds): moving, the tracker would beacon less often</source>
        <translation>el intervalo rápido (%1 segundos) es más largo que el lento (%2 segundos): en movimiento, el tracker transmitiría con menos frecuencia</translation>
    </message>
    <message>
        <source>Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency</source>
        <translation>¡Emergencia! hace que toda estación que lo reciba dé la alarma: elíjalo solo en una emergencia real</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>A check box&apos;s state, as a comparison of two configurations shows it.</extracomment>
        <translation>sí</translation>
    </message>
    <message>
        <source>off</source>
        <translation>no</translation>
    </message>
    <message>
        <source>same record, 1 stored byte differs</source>
        <translation>misma configuración, 1 byte almacenado difiere</translation>
    </message>
    <message>
        <source>same record, %1 stored bytes differ</source>
        <extracomment>Two configurations whose fields are all alike, though their images are not byte for byte: %1 is how many of the 128 bytes differ.</extracomment>
        <translation>misma configuración, %1 bytes almacenados difieren</translation>
    </message>
    <message>
        <source>%1 status text stored without &quot;%2&quot;</source>
        <extracomment>%1 a profile&apos;s tab name, %2 the end of its status text that was not stored.</extracomment>
        <translation>Texto de estado %1 almacenado sin «%2»</translation>
    </message>
</context>
<context>
    <name>PortNotice</name>
    <message>
        <source>%1 was plugged in</source>
        <translation>%1 se ha conectado</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <translation>%1 es ahora %2</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>%1 se ha desconectado</translation>
    </message>
    <message>
        <source>%1: %2 was unplugged</source>
        <translation>%1: %2 se ha desconectado</translation>
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
        <translation>Comisaría</translation>
    </message>
    <message>
        <source>Digipeater</source>
        <translation>Digipeater</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>DX cluster</source>
        <translation>Clúster DX</translation>
    </message>
    <message>
        <source>HF gateway</source>
        <translation>Pasarela HF</translation>
    </message>
    <message>
        <source>Small aircraft</source>
        <translation>Avioneta</translation>
    </message>
    <message>
        <source>Mobile satellite station</source>
        <translation>Estación de satélite móvil</translation>
    </message>
    <message>
        <source>Wheelchair</source>
        <translation>Silla de ruedas</translation>
    </message>
    <message>
        <source>Snowmobile</source>
        <translation>Moto de nieve</translation>
    </message>
    <message>
        <source>Red Cross</source>
        <translation>Cruz Roja</translation>
    </message>
    <message>
        <source>Boy Scouts</source>
        <translation>Scouts</translation>
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
        <translation>Punto rojo</translation>
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
        <translation>Incendio</translation>
    </message>
    <message>
        <source>Campground</source>
        <translation>Camping</translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <translation>Moto</translation>
    </message>
    <message>
        <source>Railway engine</source>
        <translation>Locomotora</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Automóvil</translation>
    </message>
    <message>
        <source>File server</source>
        <translation>Servidor de archivos</translation>
    </message>
    <message>
        <source>Hurricane forecast</source>
        <translation>Pronóstico de huracán</translation>
    </message>
    <message>
        <source>Aid station</source>
        <translation>Puesto de socorro</translation>
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
        <translation>Encuentro (evento)</translation>
    </message>
    <message>
        <source>Farm vehicle</source>
        <translation>Vehículo agrícola</translation>
    </message>
    <message>
        <source>Grid square</source>
        <translation>Cuadrícula locator</translation>
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
        <translation>Escuela</translation>
    </message>
    <message>
        <source>PC user</source>
        <translation>Usuario de PC</translation>
    </message>
    <message>
        <source>MacAPRS</source>
        <translation>MacAPRS</translation>
    </message>
    <message>
        <source>NTS station</source>
        <translation>Estación NTS</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Globo</translation>
    </message>
    <message>
        <source>Police</source>
        <translation>Policía</translation>
    </message>
    <message>
        <source>Recreational vehicle</source>
        <translation>Autocaravana</translation>
    </message>
    <message>
        <source>Space shuttle</source>
        <translation>Transbordador espacial</translation>
    </message>
    <message>
        <source>SSTV</source>
        <translation>SSTV</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Autobús</translation>
    </message>
    <message>
        <source>ATV</source>
        <translation>ATV</translation>
    </message>
    <message>
        <source>Weather service site</source>
        <translation>Servicio meteorológico</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helicóptero</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Velero</translation>
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
        <translation>Radiogoniometría</translation>
    </message>
    <message>
        <source>Post office</source>
        <translation>Oficina de correos</translation>
    </message>
    <message>
        <source>Large aircraft</source>
        <translation>Avión grande</translation>
    </message>
    <message>
        <source>Weather station</source>
        <translation>Estación meteorológica</translation>
    </message>
    <message>
        <source>Dish antenna</source>
        <translation>Antena parabólica</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulancia</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bicicleta</translation>
    </message>
    <message>
        <source>Incident command post</source>
        <translation>Puesto de mando</translation>
    </message>
    <message>
        <source>Fire station</source>
        <translation>Estación de bomberos</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Caballo</translation>
    </message>
    <message>
        <source>Fire engine</source>
        <translation>Camión de bomberos</translation>
    </message>
    <message>
        <source>Glider</source>
        <translation>Planeador</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Hospital</translation>
    </message>
    <message>
        <source>Island (IOTA)</source>
        <translation>Isla (IOTA)</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Jeep</translation>
    </message>
    <message>
        <source>Truck</source>
        <translation>Camión</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Portátil</translation>
    </message>
    <message>
        <source>MIC-E repeater</source>
        <translation>Repetidor MIC-E</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Nodo</translation>
    </message>
    <message>
        <source>Emergency operations centre</source>
        <translation>Centro de emergencias</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Perro</translation>
    </message>
    <message>
        <source>Grid square above 128 m</source>
        <translation>Cuadrícula locator sobre 128 m</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repetidor</translation>
    </message>
    <message>
        <source>Power boat</source>
        <translation>Lancha motora</translation>
    </message>
    <message>
        <source>Truck stop</source>
        <translation>Área para camiones</translation>
    </message>
    <message>
        <source>Semi-trailer truck</source>
        <translation>Camión articulado</translation>
    </message>
    <message>
        <source>Van</source>
        <translation>Furgoneta</translation>
    </message>
    <message>
        <source>Water station</source>
        <translation>Punto de agua</translation>
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
        <translation>Emergencia</translation>
    </message>
    <message>
        <source>Digipeater, green star</source>
        <translation>Digipeater, estrella verde</translation>
    </message>
    <message>
        <source>Bank or cash machine</source>
        <translation>Banco o cajero automático</translation>
    </message>
    <message>
        <source>Power plant</source>
        <translation>Central eléctrica</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Pasarela</translation>
    </message>
    <message>
        <source>Crash site</source>
        <translation>Lugar del accidente</translation>
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
        <translation>Iglesia</translation>
    </message>
    <message>
        <source>Girl Scouts</source>
        <translation>Guías scout</translation>
    </message>
    <message>
        <source>House, HF</source>
        <translation>Casa, HF</translation>
    </message>
    <message>
        <source>Ambiguous position</source>
        <translation>Posición imprecisa</translation>
    </message>
    <message>
        <source>Waypoint destination</source>
        <translation>Waypoint de destino</translation>
    </message>
    <message>
        <source>Circle (IRLP, EchoLink, WIRES)</source>
        <translation>Círculo (IRLP, EchoLink, WIRES)</translation>
    </message>
    <message>
        <source>Network node (802.11)</source>
        <translation>Nodo de red (802.11)</translation>
    </message>
    <message>
        <source>Petrol station</source>
        <translation>Gasolinera</translation>
    </message>
    <message>
        <source>Park or picnic area</source>
        <translation>Parque o merendero</translation>
    </message>
    <message>
        <source>Weather advisory</source>
        <translation>Aviso meteorológico</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Vehículo</translation>
    </message>
    <message>
        <source>Information kiosk</source>
        <translation>Punto de información</translation>
    </message>
    <message>
        <source>Hurricane or tropical storm</source>
        <translation>Huracán o tormenta tropical</translation>
    </message>
    <message>
        <source>Box (DTMF, RFID)</source>
        <translation>Caja (DTMF, RFID)</translation>
    </message>
    <message>
        <source>Coast Guard</source>
        <translation>Guardacostas</translation>
    </message>
    <message>
        <source>Depot</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Smoke</source>
        <translation>Humo</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Calima</translation>
    </message>
    <message>
        <source>Rain shower</source>
        <translation>Chubasco</translation>
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
        <translation>Boya de navegación</translation>
    </message>
    <message>
        <source>Rocket or balloon</source>
        <translation>Cohete o globo</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>Estacionamiento</translation>
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
        <translation>Tormenta</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>Soleado</translation>
    </message>
    <message>
        <source>VORTAC navigation aid</source>
        <translation>Radioayuda VORTAC</translation>
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
        <translation>Nube muro</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Avión</translation>
    </message>
    <message>
        <source>Weather site</source>
        <translation>Punto meteorológico</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Lluvia</translation>
    </message>
    <message>
        <source>ARRL, ARES, Winlink</source>
        <translation>ARRL, ARES, Winlink</translation>
    </message>
    <message>
        <source>Civil defence (RACES)</source>
        <translation>Protección civil (RACES)</translation>
    </message>
    <message>
        <source>DX spot</source>
        <translation>Spot DX</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Aguanieve</translation>
    </message>
    <message>
        <source>Funnel cloud</source>
        <translation>Nube embudo</translation>
    </message>
    <message>
        <source>Gale flags</source>
        <translation>Banderas de temporal</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Tienda</translation>
    </message>
    <message>
        <source>Point of interest</source>
        <translation>Punto de interés</translation>
    </message>
    <message>
        <source>Work zone</source>
        <translation>Zona de obras</translation>
    </message>
    <message>
        <source>Special vehicle (SUV, ATV)</source>
        <translation>Vehículo especial (SUV, quad)</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Value sign</source>
        <translation>Señal con valor</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Small circle</source>
        <translation>Círculo pequeño</translation>
    </message>
    <message>
        <source>Restrooms</source>
        <translation>Baños</translation>
    </message>
    <message>
        <source>Ship or boat</source>
        <translation>Buque o barco</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Flooding</source>
        <translation>Inundación</translation>
    </message>
    <message>
        <source>Wreck or obstruction</source>
        <translation>Accidente u obstáculo</translation>
    </message>
    <message>
        <source>Skywarn</source>
        <translation>Skywarn</translation>
    </message>
    <message>
        <source>Shelter</source>
        <translation>Refugio</translation>
    </message>
    <message>
        <source>unassigned</source>
        <translation>sin asignar</translation>
    </message>
    <message>
        <source>%1 with overlay %2</source>
        <extracomment>A symbol drawn with a character over it: %1 the symbol&apos;s name, %2 the character.</extracomment>
        <translation>%1 con superposición %2</translation>
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
        <translation>&amp;Oscuro</translation>
    </message>
    <message>
        <source>As the &amp;System</source>
        <extracomment>The theme that follows the desktop&apos;s light or dark setting.</extracomment>
        <translation>Como el &amp;sistema</translation>
    </message>
</context>
<context>
    <name>wl3::ui::AboutDialog</name>
    <message>
        <source>About WrenlinkIIConfig</source>
        <extracomment>The About box&apos;s title. &quot;WrenlinkIIConfig&quot; is kept on purpose beside &quot;Wrenlink3Config&quot;: users know the item by that name.</extracomment>
        <translation>Acerca de WrenlinkIIConfig</translation>
    </message>
    <message>
        <source>Wrenlink3Config Version %1</source>
        <translation>Wrenlink3Config versión %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Wrenlink3Config authors</source>
        <translation>Copyright (C) 2026 los autores de Wrenlink3Config</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;About WrenlinkIIConfig...</source>
        <extracomment>The menu item that opens the About box; &quot;WrenlinkIIConfig&quot; is kept on purpose.</extracomment>
        <translation>&amp;Acerca de WrenlinkIIConfig...</translation>
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
        <translation>Este formulario</translation>
    </message>
    <message>
        <source>&amp;Take Theirs</source>
        <translation>&amp;Tomar el suyo</translation>
    </message>
    <message>
        <source>Take &amp;All Theirs</source>
        <translation>Tomar &amp;todos los suyos</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) differ.</source>
        <translation>
            <numerusform>%n campo difiere.</numerusform>
            <numerusform>%n campos difieren.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing differs.</source>
        <translation>No hay diferencias.</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ConfigDialog</name>
    <message>
        <source>%1 Enable</source>
        <extracomment>A screen reader&apos;s name for a group&apos;s Enable box: %1 is the group&apos;s title.</extracomment>
        <translation>Activar %1</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>Puerto COM</translation>
    </message>
    <message>
        <source>COM Port Change</source>
        <translation>Cambio de puerto COM</translation>
    </message>
    <message>
        <source>The configuration has changes that are not saved.</source>
        <translation>La configuración tiene cambios sin guardar.</translation>
    </message>
    <message>
        <source>Save them to a file first?</source>
        <translation>¿Guardarlos antes en un archivo?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Guardar…</translation>
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
        <translation>No se pudo detener el tono de prueba: puede que el tracker siga enviándolo y que la radio esté transmitiendo.</translation>
    </message>
    <message>
        <source>Check the cable and the COM port, then try again, or switch the radio off before you close.</source>
        <translation>Revise el cable y el puerto COM y vuelva a intentarlo, o apague la radio antes de cerrar.</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>C&amp;lose Anyway</source>
        <translation>Cerrar de &amp;todos modos</translation>
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
        <translation>1200 y 2200 Hz</translation>
    </message>
    <message>
        <source>Transmitting %1 — Stop Sending ends it</source>
        <extracomment>The notice while a test tone keys the radio: %1 the tone.</extracomment>
        <translation>Transmitiendo %1 — «Detener envío» lo termina</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Compare the form with a file, or with the tracker on %1?</source>
        <translation>¿Comparar el formulario con un archivo, o con el tracker en %1?</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;Archivo…</translation>
    </message>
    <message>
        <source>&amp;Tracker</source>
        <translation>&amp;Tracker</translation>
    </message>
    <message>
        <source>Transmitting — </source>
        <extracomment>Before the window&apos;s title while a test tone keys the radio.</extracomment>
        <translation>Transmitiendo — </translation>
    </message>
    <message>
        <source>Choose Emergency! as the MIC-E message all the same?</source>
        <translation>¿Elegir de todos modos ¡Emergencia! como mensaje MIC-E?</translation>
    </message>
    <message>
        <source>C&amp;hoose Emergency!</source>
        <translation>&amp;Elegir ¡Emergencia!</translation>
    </message>
    <message>
        <source>The window is about to close, and the configuration has changes that are not saved.</source>
        <translation>La ventana está a punto de cerrarse y la configuración tiene cambios sin guardar.</translation>
    </message>
</context>
<context>
    <name>wl3::ui::DigitsValidator</name>
    <message>
        <source>Only digits 0–9 can be typed here</source>
        <extracomment>Beneath a number edit when a typed or pasted character other than a digit was dropped.</extracomment>
        <translation>Aquí solo se pueden escribir dígitos 0–9</translation>
    </message>
</context>
<context>
    <name>wl3::ui::PortComboBox</name>
    <message>
        <source>no device</source>
        <translation>sin dispositivo</translation>
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
        <translation>Elegir símbolo</translation>
    </message>
    <message>
        <source>Symbol shown: %1</source>
        <extracomment>Beneath the Symbol and Table / Overlay edits&apos; help: %1 is the name of what they give.</extracomment>
        <translation>Símbolo mostrado: %1</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolPicker</name>
    <message>
        <source>Choose a Symbol</source>
        <translation>Elegir un símbolo</translation>
    </message>
    <message>
        <source>A name, or the two characters</source>
        <translation>Un nombre, o los dos caracteres</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>&amp;Overlay:</source>
        <translation>&amp;Superposición:</translation>
    </message>
    <message>
        <source>%1: table %2, symbol %3</source>
        <extracomment>A symbol&apos;s tip in the picker: %1 its name, %2 and %3 its table and symbol characters.</extracomment>
        <translation>%1: tabla %2, símbolo %3</translation>
    </message>
</context>
</TS>
