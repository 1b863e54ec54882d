<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AdviceMarks</name>
    <message>
        <source>Advice</source>
        <extracomment>A screen reader&apos;s name for the warning mark beside a field.</extracomment>
        <translation>Hinweis</translation>
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
        <translation>Ausgegraut, solange SmartBeaconing ausgeschaltet ist: der Tracker sendet seine Baken dann im Abstand von „Auto-Sendeintervall“, und die Einstellungen von SmartBeaconing werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Greyed while SmartBeaconing is on: the tracker then times its beacons by speed and turning, with SmartBeaconing&apos;s rates in place of this one.</source>
        <translation>Ausgegraut, solange SmartBeaconing eingeschaltet ist: der Tracker richtet seine Baken dann nach Geschwindigkeit und Kurven, mit den Intervallen von SmartBeaconing an Stelle dieses Intervalls.</translation>
    </message>
    <message>
        <source>Greyed while Time Slotting is off: the tracker then transmits whenever its rate comes round, and the offset is not stored.</source>
        <translation>Ausgegraut, solange „Zeitschlitze“ ausgeschaltet ist: der Tracker sendet dann, sobald sein Intervall abgelaufen ist, und der Versatz wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Greyed while MIC-E is off: the tracker then sends plain position reports, to which this setting does not apply.</source>
        <translation>Ausgegraut, solange MIC-E ausgeschaltet ist: der Tracker sendet dann einfache Positionsmeldungen, für die diese Einstellung nicht gilt.</translation>
    </message>
    <message>
        <source>Greyed while Power Switch is off: the tracker then does not use this time.</source>
        <translation>Ausgegraut, solange „Ein/Aus-Schalter“ ausgeschaltet ist: der Tracker verwendet diese Zeit dann nicht.</translation>
    </message>
    <message>
        <source>The tracker uses the calibration it holds: write a new calibration before testing it.</source>
        <translation>Der Tracker verwendet die Kalibrierung, die er gespeichert hat: schreiben Sie eine neue Kalibrierung, bevor Sie sie testen.</translation>
    </message>
    <message>
        <source>Your station&apos;s callsign, sent in every packet. An SSID tells what kind of station it is: -9 is usual for a car, -7 for a handheld. NOCALL, the default, may not be transmitted.</source>
        <translation>Das Rufzeichen Ihrer Station, das in jedem Paket gesendet wird. Eine SSID gibt an, welche Art von Station es ist: -9 ist üblich für ein Auto, -7 für ein Handfunkgerät. NOCALL, die Voreinstellung, darf nicht gesendet werden.</translation>
    </message>
    <message>
        <source>The digipeaters asked to repeat each packet, separated by commas; empty sends direct only. WIDE1-1,WIDE2-1 suits most areas. More than %1 hops floods the network, and RELAY, TRACE and WIDE alone are obsolete.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>Die Digipeater, die jedes Paket wiederholen sollen, durch Kommas getrennt; ist das Feld leer, wird nur direkt gesendet. WIDE1-1,WIDE2-1 passt für die meisten Gebiete. Mehr als %1 Hops überfluten das Netz, und RELAY, TRACE und WIDE allein sind veraltet.</translation>
    </message>
    <message>
        <source>The symbol that maps draw for this station, from the table or with the overlay beside it. The button beside them shows it and lists every symbol.</source>
        <translation>Das Symbol, mit dem Karten diese Station darstellen, aus der Tabelle oder mit dem Overlay daneben. Die Schaltfläche neben beiden zeigt es und listet alle Symbole auf.</translation>
    </message>
    <message>
        <source>%1 chooses the primary symbol table, %2 the alternate one. A digit or a capital letter chooses the alternate table and is drawn over the symbol, where the symbol takes an overlay.</source>
        <extracomment>%1 the primary table&apos;s character, %2 the alternate table&apos;s.</extracomment>
        <translation>%1 wählt die primäre Symboltabelle, %2 die alternative. Eine Ziffer oder ein Großbuchstabe wählt die alternative Tabelle und wird über das Symbol gezeichnet, wo das Symbol ein Overlay zulässt.</translation>
    </message>
    <message>
        <source>How long the tracker keys the radio before the data of a timed beacon begins, so that the transmitter and the receivers are ready: too short loses the start of the packet, too long holds the channel. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>Wie lange der Tracker das Funkgerät auf Senden schaltet, bevor die Daten einer zeitgesteuerten Bake beginnen, damit Sender und Empfänger bereit sind: zu kurz kostet den Anfang des Pakets, zu lang belegt den Kanal. Der Wert wird in Schritten von etwa %1 ms gespeichert.</translation>
    </message>
    <message>
        <source>The time between beacons while SmartBeaconing is off; with Time Slotting, the length of the cycle that holds the slot. Once every %1 seconds or less often is advised.</source>
        <extracomment>%1 the shortest rate that networks advise, in seconds.</extracomment>
        <translation>Die Zeit zwischen den Baken, solange SmartBeaconing ausgeschaltet ist; mit „Zeitschlitze“ die Länge des Zyklus, der den Zeitschlitz enthält. Empfohlen ist einmal alle %1 Sekunden oder seltener.</translation>
    </message>
    <message>
        <source>As Auto TX Delay, for a manual transmission rather than a timed beacon. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 6.7.</extracomment>
        <translation>Wie „Auto-TX-Verzögerung“, für eine manuelle Aussendung statt einer zeitgesteuerten Bake. Der Wert wird in Schritten von etwa %1 ms gespeichert.</translation>
    </message>
    <message>
        <source>As Auto Transmit Rate, for manual transmissions: the time between them.</source>
        <translation>Wie „Auto-Sendeintervall“, für manuelle Aussendungen: die Zeit zwischen ihnen.</translation>
    </message>
    <message>
        <source>How long the channel must have been clear, with CD IN inactive, before the tracker transmits, so that it does not key over another station. It is kept in steps of about %1 ms.</source>
        <extracomment>%1 the tracker&apos;s step in milliseconds, such as 26.3.</extracomment>
        <translation>Wie lange der Kanal frei gewesen sein muss, bei inaktivem CD-Eingang, bevor der Tracker sendet, damit er nicht in eine andere Station hineinsendet. Der Wert wird in Schritten von etwa %1 ms gespeichert.</translation>
    </message>
    <message>
        <source>The tracker&apos;s tone calibration, one value for both profiles. The Tone Test buttons sound the tones with the value the tracker holds: write a new value before testing it.</source>
        <translation>Die Tonkalibrierung des Trackers, ein Wert für beide Profile. Die Schaltflächen unter „Tontest“ senden die Töne mit dem Wert, den der Tracker gespeichert hat: schreiben Sie einen neuen Wert, bevor Sie ihn testen.</translation>
    </message>
    <message>
        <source>The status beacon&apos;s text, sent every few transmissions (Send every). Both profiles&apos; callsigns, paths and texts share the tracker&apos;s memory: the line below says how many characters still fit.</source>
        <translation>Der Text der Statusbake, der alle paar Aussendungen gesendet wird (Senden alle). Rufzeichen, Pfade und Texte beider Profile teilen sich den Speicher des Trackers: die Zeile darunter zeigt, wie viele Zeichen noch passen.</translation>
    </message>
    <message>
        <source>How many transmissions pass from one status beacon to the next: 3 sends the status text with every third.</source>
        <translation>Wie viele Aussendungen von einer Statusbake zur nächsten vergehen: 3 sendet den Statustext mit jeder dritten.</translation>
    </message>
    <message>
        <source>Adds the GPS altitude to each position report.</source>
        <translation>Fügt jeder Positionsmeldung die GPS-Höhe hinzu.</translation>
    </message>
    <message>
        <source>Makes the tracker alternate its digipeater paths from one transmission to the next, rather than send every packet with the Digi Path.</source>
        <translation>Lässt den Tracker von einer Aussendung zur nächsten zwischen seinen Digipeater-Pfaden wechseln, statt jedes Paket mit dem „Digipeater-Pfad“ zu senden.</translation>
    </message>
    <message>
        <source>Sends a position only while the GPS reports a valid fix, so that no stale or empty position goes out.</source>
        <translation>Sendet eine Position nur, solange das GPS einen gültigen Fix meldet, damit keine veraltete oder leere Position hinausgeht.</translation>
    </message>
    <message>
        <source>Lets the tracker take serial data at TTL logic levels, as many GPS modules send it, besides RS-232 levels.</source>
        <translation>Lässt den Tracker serielle Daten mit TTL-Logikpegeln annehmen, wie viele GPS-Module sie senden, zusätzlich zu RS-232-Pegeln.</translation>
    </message>
    <message>
        <source>Inverts the carrier-detect input from the radio&apos;s squelch: check it when the tracker takes a quiet channel for a busy one and holds its beacons back.</source>
        <translation>Invertiert den Trägererkennungs-Eingang vom Squelch des Funkgeräts: kreuzen Sie diese Option an, wenn der Tracker einen freien Kanal für belegt hält und seine Baken zurückhält.</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: day, hour and minute in UTC (the APRS DHM form, DDHHMMz). Checking it unchecks Timestamp HMS; with neither, positions carry no time.</source>
        <translation>Fügt jeder Position einen Zeitstempel hinzu: Tag, Stunde und Minute in UTC (die APRS-Form DHM, DDHHMMz). Das Ankreuzen entfernt das Häkchen bei „Zeitstempel HMS“; ist keins angekreuzt, tragen Positionen keine Zeit.</translation>
    </message>
    <message>
        <source>Holds the tracker&apos;s transmissions back while its PTT In line is active, while you talk through the radio, so that a beacon never cuts into your voice.</source>
        <translation>Hält die Aussendungen des Trackers zurück, solange sein PTT-Eingang aktiv ist, also während Sie über das Funkgerät sprechen, damit nie eine Bake Ihre Durchsage unterbricht.</translation>
    </message>
    <message>
        <source>Adds a timestamp to each position: hour, minute and second in UTC (the APRS HMS form, HHMMSSh). Checking it unchecks Timestamp DHM; with neither, positions carry no time.</source>
        <translation>Fügt jeder Position einen Zeitstempel hinzu: Stunde, Minute und Sekunde in UTC (die APRS-Form HMS, HHMMSSh). Das Ankreuzen entfernt das Häkchen bei „Zeitstempel DHM“; ist keins angekreuzt, tragen Positionen keine Zeit.</translation>
    </message>
    <message>
        <source>Sends positions in MIC-E form: compact, partly carried in the destination address, with a status message and a path code. Unchecked, the tracker sends plain position reports.</source>
        <translation>Sendet Positionen in MIC-E-Form: kompakt, teils in der Zieladresse übertragen, mit einer Statusmeldung und einem Pfadcode. Nicht angekreuzt sendet der Tracker einfache Positionsmeldungen.</translation>
    </message>
    <message>
        <source>The MIC-E status sent with every position. Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency.</source>
        <translation>Der MIC-E-Status, der mit jeder Position gesendet wird. Notfall! löst bei jeder Station, die es empfängt, Alarm aus: wählen Sie es nur in einem echten Notfall.</translation>
    </message>
    <message>
        <source>Keeps every character of the MIC-E packet printable, for digipeaters and programs that drop packets holding others.</source>
        <translation>Hält jedes Zeichen des MIC-E-Pakets druckbar, für Digipeater und Programme, die Pakete mit anderen Zeichen verwerfen.</translation>
    </message>
    <message>
        <source>The path code that MIC-E carries in its destination address: Conventional sends the Digi Path; WIDE-1 to WIDE-7 ask for that many hops; North, South, East and West ask for directional digipeating, + WIDE for a wide hop too. More than %1 hops floods the network.</source>
        <extracomment>%1 the most hops a path should ask for.</extracomment>
        <translation>Der Pfadcode, den MIC-E in seiner Zieladresse trägt: „Konventionell“ sendet den „Digipeater-Pfad“; WIDE-1 bis WIDE-7 verlangen entsprechend viele Hops; „Nord“, „Süd“, „Ost“ und „West“ verlangen richtungsabhängiges Digipeating, „+ WIDE“ zusätzlich einen WIDE-Hop. Mehr als %1 Hops überfluten das Netz.</translation>
    </message>
    <message>
        <source>Transmits at a fixed offset in each cycle of the Auto Transmit Rate, timed by the GPS clock, so that trackers sharing a frequency each keep a slot of their own and never collide. Checking it unchecks SmartBeaconing.</source>
        <translation>Sendet mit festem Versatz in jedem Zyklus, den „Auto-Sendeintervall“ vorgibt, nach der GPS-Uhr getaktet, damit Tracker auf derselben Frequenz jeweils einen eigenen Zeitschlitz haben und nie kollidieren. Das Ankreuzen entfernt das Häkchen bei SmartBeaconing.</translation>
    </message>
    <message>
        <source>Where in each cycle of the Auto Transmit Rate the tracker transmits: give each tracker on the frequency an offset of its own.</source>
        <translation>Wo in jedem Zyklus, den „Auto-Sendeintervall“ vorgibt, der Tracker sendet: geben Sie jedem Tracker auf der Frequenz einen eigenen Versatz.</translation>
    </message>
    <message>
        <source>Times beacons by speed and turning: often when fast, seldom when slow, and at once after a turn, so that a map traces the route with few packets. The Auto Transmit Rate is then unused; checking it unchecks Time Slotting.</source>
        <translation>Richtet die Baken nach Geschwindigkeit und Kurven: oft bei schneller Fahrt, selten bei langsamer und sofort nach einer Kurve, damit eine Karte die Route mit wenigen Paketen nachzeichnet. „Auto-Sendeintervall“ bleibt dann unbenutzt; das Ankreuzen entfernt das Häkchen bei „Zeitschlitze“.</translation>
    </message>
    <message>
        <source>The smallest change of heading that sends a beacon at once at high speed; at lower speeds Turn Slope adds to it.</source>
        <translation>Die kleinste Kursänderung, die bei hoher Geschwindigkeit sofort eine Bake auslöst; bei geringerer Geschwindigkeit kommt „Kurvensteigung“ hinzu.</translation>
    </message>
    <message>
        <source>Raises the turn needed at low speed: a beacon goes out when the heading changes by more than Min Turn Angle + Turn Slope ÷ speed in MPH, so that slow corners in town do not each send one.</source>
        <translation>Erhöht die nötige Kursänderung bei geringer Geschwindigkeit: eine Bake geht hinaus, wenn sich der Kurs um mehr als „Min. Kurvenwinkel“ + „Kurvensteigung“ ÷ Geschwindigkeit in MPH ändert, damit nicht jede langsame Kurve in der Stadt eine auslöst.</translation>
    </message>
    <message>
        <source>The least time between two beacons sent for turns, so that a winding road does not send one every few seconds.</source>
        <translation>Die kürzeste Zeit zwischen zwei Baken, die wegen Kurven gesendet werden, damit eine kurvige Straße nicht alle paar Sekunden eine auslöst.</translation>
    </message>
    <message>
        <source>At or below this speed the tracker beacons every Slow Rate. It must be below Fast Speed.</source>
        <translation>Bei dieser Geschwindigkeit oder darunter sendet der Tracker eine Bake im Abstand von „Intervall langsam“. Sie muss unter „Geschw. schnell“ liegen.</translation>
    </message>
    <message>
        <source>The time between beacons at or below Slow Speed, parked or walking.</source>
        <translation>Die Zeit zwischen den Baken bei „Geschw. langsam“ oder darunter, geparkt oder zu Fuß.</translation>
    </message>
    <message>
        <source>At or above this speed the tracker beacons every Fast Rate; between the two speeds the time between beacons follows the speed.</source>
        <translation>Bei dieser Geschwindigkeit oder darüber sendet der Tracker eine Bake im Abstand von „Intervall schnell“; zwischen den beiden Geschwindigkeiten richtet sich die Zeit zwischen den Baken nach der Geschwindigkeit.</translation>
    </message>
    <message>
        <source>The time between beacons at or above Fast Speed. It should be shorter than Slow Rate.</source>
        <translation>Die Zeit zwischen den Baken bei „Geschw. schnell“ oder darüber. Sie sollte kürzer sein als „Intervall langsam“.</translation>
    </message>
    <message>
        <source>Turns on the tracker&apos;s power switching, timed by Power Switch Time.</source>
        <translation>Schaltet das Ein- und Ausschalten der Stromversorgung durch den Tracker ein, zeitlich gesteuert durch „Schaltzeit“.</translation>
    </message>
    <message>
        <source>The time of the tracker&apos;s power switching.</source>
        <translation>Die Zeit für das Ein- und Ausschalten der Stromversorgung durch den Tracker.</translation>
    </message>
    <message>
        <source>The tracker keeps two complete profiles, each with its own callsign, path, symbol, text, timing and options; only the calibration is shared. The form shows the chosen tab&apos;s profile (Ctrl+Tab for the other); Read, Write, Save and Load always take both. A callsign and path, or a status text, equal to the Primary&apos;s are stored once, which leaves the status texts more room.</source>
        <translation>Der Tracker speichert zwei vollständige Profile, jedes mit eigenem Rufzeichen, Pfad, Symbol, Text, eigener Zeitsteuerung und eigenen Optionen; nur die Kalibrierung teilen sie sich. Das Formular zeigt das Profil der gewählten Registerkarte (Strg+Tab für das andere); Lesen, Schreiben, Speichern und Laden betreffen immer beide. Ein Rufzeichen und Pfad oder ein Statustext, die denen von „Primär“ gleichen, werden nur einmal gespeichert, was den Statustexten mehr Platz lässt.</translation>
    </message>
    <message>
        <source>The serial port that the tracker is connected to, at 4800 baud: %1, each the device on this machine that its entry&apos;s tooltip names, or a device given by its path.</source>
        <extracomment>%1 the COM ports&apos; names, such as COM1 to COM4.</extracomment>
        <translation>Die serielle Schnittstelle, an die der Tracker angeschlossen ist, mit 4800 Baud: %1, jeweils das Gerät auf diesem Rechner, das der Tooltip des Eintrags nennt, oder ein Gerät, das durch seinen Pfad angegeben wird.</translation>
    </message>
    <message>
        <source>Asks the tracker on the chosen COM port for its version: a quick check that the cable, the port and the tracker answer. Changes nothing.</source>
        <translation>Fragt den Tracker am gewählten COM-Port nach seiner Version: eine schnelle Prüfung, ob Kabel, Port und Tracker antworten. Ändert nichts.</translation>
    </message>
    <message>
        <source>Reads both profiles and the calibration from the tracker into the form, twice, to be sure that both reads agree. Asks first when the form has edits that are not saved.</source>
        <translation>Liest beide Profile und die Kalibrierung aus dem Tracker ins Formular, zweimal, um sicherzugehen, dass beide Lesevorgänge übereinstimmen. Fragt zuerst nach, wenn das Formular Änderungen hat, die nicht gespeichert sind.</translation>
    </message>
    <message>
        <source>Writes both profiles and the calibration into the tracker, then reads them back to verify every byte. The form then shows the values as the tracker keeps them, delays in its steps.</source>
        <translation>Schreibt beide Profile und die Kalibrierung in den Tracker und liest sie dann zurück, um jedes Byte zu prüfen. Das Formular zeigt danach die Werte so, wie der Tracker sie speichert, Verzögerungen in seinen Schritten.</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 1200 Hz tone, the mark tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Schaltet das Funkgerät auf Senden und sendet einen Dauerton von 1200 Hz, den Mark-Ton, bis „Senden stoppen“: zum Einstellen des Hubs oder zum Prüfen der Kalibrierung. %1</translation>
    </message>
    <message>
        <source>Keys the radio and sends a steady 2200 Hz tone, the space tone, until Stop Sending: to set the deviation or check the calibration. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Schaltet das Funkgerät auf Senden und sendet einen Dauerton von 2200 Hz, den Space-Ton, bis „Senden stoppen“: zum Einstellen des Hubs oder zum Prüfen der Kalibrierung. %1</translation>
    </message>
    <message>
        <source>Keys the radio and sends both tones, 1200 and 2200 Hz, until Stop Sending: to compare their levels at a receiver. %1</source>
        <extracomment>%1 why the form&apos;s calibration does not count yet.</extracomment>
        <translation>Schaltet das Funkgerät auf Senden und sendet beide Töne, 1200 und 2200 Hz, bis „Senden stoppen“: um ihre Pegel an einem Empfänger zu vergleichen. %1</translation>
    </message>
    <message>
        <source>Tells the tracker to stop the test tone and unkey the radio. Closing the window stops a tone too.</source>
        <translation>Weist den Tracker an, den Testton zu beenden und das Funkgerät wieder auf Empfang zu schalten. Auch das Schließen des Fensters beendet einen Ton.</translation>
    </message>
    <message>
        <source>Closes the window; asks first when the form has edits that are not saved, and stops a test tone that is still sounding.</source>
        <translation>Schließt das Fenster; fragt zuerst nach, wenn das Formular Änderungen hat, die nicht gespeichert sind, und beendet einen Testton, der noch erklingt.</translation>
    </message>
    <message>
        <source>Saves both profiles and the calibration in a .wl3 file, as the tracker would hold them.</source>
        <translation>Speichert beide Profile und die Kalibrierung in einer .wl3-Datei, so wie der Tracker sie speichern würde.</translation>
    </message>
    <message>
        <source>Loads both profiles and the calibration from a .wl3 file, or from wl3&apos;s JSON form. Asks first when the form has edits that are not saved.</source>
        <translation>Lädt beide Profile und die Kalibrierung aus einer .wl3-Datei oder aus der JSON-Form von wl3. Fragt zuerst nach, wenn das Formular Änderungen hat, die nicht gespeichert sind.</translation>
    </message>
    <message>
        <source>Shows the form beside a file or the tracker, field by field, and takes the values you choose from the other side. Nothing is written or saved.</source>
        <translation>Zeigt das Formular neben einer Datei oder dem Tracker, Feld für Feld, und übernimmt die Werte, die Sie wählen, von der anderen Seite. Nichts wird geschrieben oder gespeichert.</translation>
    </message>
    <message>
        <source>The picture of the symbol that Symbol and Table / Overlay give. Opens a list of every symbol with its picture and name; the one chosen fills both edits.</source>
        <translation>Das Bild des Symbols, das „Symbol“ und „Tabelle / Overlay“ ergeben. Öffnet eine Liste aller Symbole mit Bild und Name; das gewählte füllt beide Felder.</translation>
    </message>
    <message>
        <source>The Primary profile: the first of the tracker&apos;s two complete sets of settings.</source>
        <translation>Das Profil „Primär“: der erste der beiden vollständigen Einstellungssätze des Trackers.</translation>
    </message>
    <message>
        <source>The Secondary profile: a second complete set of settings, for another callsign, path or timing.</source>
        <translation>Das Profil „Sekundär“: ein zweiter vollständiger Einstellungssatz, für ein anderes Rufzeichen, einen anderen Pfad oder eine andere Zeitsteuerung.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Wrenlink3 Config files (%1)</source>
        <extracomment>The file dialogs&apos; filter; %1 is the file name patterns, such as *.wl3.</extracomment>
        <translation>Wrenlink3-Konfigurationsdateien (%1)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Konfigurationsdatei laden</translation>
    </message>
    <message>
        <source>The folder does not exist:
%1</source>
        <translation>Der Ordner existiert nicht:
%1</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Konfigurationsdatei speichern</translation>
    </message>
    <message>
        <source>config1</source>
        <extracomment>The name Save proposes for a new file, before .wl3.</extracomment>
        <translation>konfiguration1</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Read &amp;Version</source>
        <translation>&amp;Version lesen</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>Konfiguration l&amp;esen</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>Konfiguration &amp;schreiben</translation>
    </message>
    <message>
        <source>Send &amp;1200 Hz</source>
        <translation>&amp;1200 Hz senden</translation>
    </message>
    <message>
        <source>Send &amp;2200 Hz</source>
        <translation>&amp;2200 Hz senden</translation>
    </message>
    <message>
        <source>Send &amp;Both</source>
        <translation>&amp;Beide senden</translation>
    </message>
    <message>
        <source>S&amp;top Sending</source>
        <translation>Senden s&amp;toppen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Been&amp;den</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Konfigurieren</translation>
    </message>
    <message>
        <source>Tone Test</source>
        <translation>Tontest</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primär</translation>
    </message>
    <message>
        <source>Seconday</source>
        <extracomment>The second profile&apos;s tab. The English keeps its old misspelling on purpose, since users know the tab by it; a translation may spell &quot;Secondary&quot; correctly.</extracomment>
        <translation>Sekundär</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Außer Dienst</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>Unterwegs</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>Im Dienst</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>Rückkehr</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>Im Einsatz</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Spezial</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>Notfall!</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>Konventionell</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>North + WIDE</source>
        <translation>Nord + WIDE</translation>
    </message>
    <message>
        <source>South + WIDE</source>
        <translation>Süd + WIDE</translation>
    </message>
    <message>
        <source>East + WIDE</source>
        <translation>Ost + WIDE</translation>
    </message>
    <message>
        <source>West + WIDE</source>
        <translation>West + WIDE</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>MPH</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Zeitsteuerung</translation>
    </message>
    <message>
        <source>Status Beacon</source>
        <translation>Statusbake</translation>
    </message>
    <message>
        <source>MIC-E Settings</source>
        <translation>MIC-E-Einstellungen</translation>
    </message>
    <message>
        <source>Time Slotting</source>
        <translation>Zeitschlitze</translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation>SmartBeaconing</translation>
    </message>
    <message>
        <source>Power Switch</source>
        <translation>Ein/Aus-Schalter</translation>
    </message>
    <message>
        <source>Callsign:</source>
        <translation>Rufzeichen:</translation>
    </message>
    <message>
        <source>Digi Path:</source>
        <translation>Digipeater-Pfad:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Symbol:</translation>
    </message>
    <message>
        <source>Table / Overlay:</source>
        <translation>Tabelle / Overlay:</translation>
    </message>
    <message>
        <source>Auto TX Delay:</source>
        <translation>Auto-TX-Verzögerung:</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>Millisekunden</translation>
    </message>
    <message>
        <source>Auto Transmit Rate:</source>
        <translation>Auto-Sendeintervall:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Manual TX Delay:</source>
        <translation>Manuelle TX-Verzögerung:</translation>
    </message>
    <message>
        <source>Manual Transmit Rate:</source>
        <translation>Manuelles Sendeintervall:</translation>
    </message>
    <message>
        <source>Quiet Time:</source>
        <translation>Ruhezeit:</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Kalibrierung:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Send every:</source>
        <translation>Senden alle:</translation>
    </message>
    <message>
        <source>transmissions</source>
        <translation>Aussendungen</translation>
    </message>
    <message>
        <source>Send Altitude</source>
        <translation>Höhe senden</translation>
    </message>
    <message>
        <source>Alternate Digi Paths</source>
        <translation>Alternative Digi-Pfade</translation>
    </message>
    <message>
        <source>Only Send Valid</source>
        <translation>Nur gültige Positionen</translation>
    </message>
    <message>
        <source>Allow TTL Serial</source>
        <translation>TTL-Seriell erlauben</translation>
    </message>
    <message>
        <source>Invert CD IN</source>
        <translation>CD-Eingang invertieren</translation>
    </message>
    <message>
        <source>Timestamp DHM</source>
        <translation>Zeitstempel DHM</translation>
    </message>
    <message>
        <source>No PTT Out while PTT In</source>
        <translation>Kein PTT-Ausgang bei PTT-Eingang</translation>
    </message>
    <message>
        <source>Timestamp HMS</source>
        <translation>Zeitstempel HMS</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Meldung:</translation>
    </message>
    <message>
        <source>Force Printable</source>
        <translation>Druckbare Zeichen erzwingen</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Pfad:</translation>
    </message>
    <message>
        <source>Transmit offset:</source>
        <translation>Sendeversatz:</translation>
    </message>
    <message>
        <source>Min Turn Angle:</source>
        <translation>Min. Kurvenwinkel:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Turn Slope:</source>
        <translation>Kurvensteigung:</translation>
    </message>
    <message>
        <source>Min Turn Time:</source>
        <translation>Min. Kurvenzeit:</translation>
    </message>
    <message>
        <source>Slow Speed:</source>
        <translation>Geschw. langsam:</translation>
    </message>
    <message>
        <source>Slow Rate:</source>
        <translation>Intervall langsam:</translation>
    </message>
    <message>
        <source>Fast Speed:</source>
        <translation>Geschw. schnell:</translation>
    </message>
    <message>
        <source>Fast Rate:</source>
        <translation>Intervall schnell:</translation>
    </message>
    <message>
        <source>Power Switch Time:</source>
        <translation>Schaltzeit:</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>Ver&amp;gleichen…</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>%1 Zeichen frei</translation>
    </message>
    <message>
        <source>%1 too many: %2 text cut</source>
        <extracomment>%1 how many characters too many, %2 the tab name of the profile whose text is cut.</extracomment>
        <translation>%1 zu viel: Text %2 gekürzt</translation>
    </message>
    <message>
        <source>%1 too many: both texts cut</source>
        <translation>%1 zu viel: beide Texte gekürzt</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>does not exist</source>
        <translation>existiert nicht</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>the output</source>
        <translation>die Ausgabe</translation>
    </message>
    <message>
        <source>the input file</source>
        <translation>die Eingabedatei</translation>
    </message>
    <message>
        <source>the units file</source>
        <translation>die Gerätedatei</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>der Bericht</translation>
    </message>
    <message>
        <source>the table</source>
        <translation>die Tabelle</translation>
    </message>
    <message>
        <source>the folder</source>
        <translation>der Ordner</translation>
    </message>
    <message>
        <source>the file of %1</source>
        <translation>die Datei von %1</translation>
    </message>
    <message>
        <source>the backup of %1</source>
        <translation>die Sicherung von %1</translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>user %1&apos;s</source>
        <translation>von Benutzer %1</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2), which root does not follow</source>
        <translation>%1: ist ein Link eines anderen Benutzers (%2), dem root nicht folgt</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s link (%2) in a shared folder</source>
        <translation>%1: ist ein Link eines anderen Benutzers (%2) in einem gemeinsamen Ordner</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3), which root does not follow</source>
        <translation>%1: führt über %2, einen Link eines anderen Benutzers (%3), dem root nicht folgt</translation>
    </message>
    <message>
        <source>%1: leads through %2, another user&apos;s link (%3) in a shared folder</source>
        <translation>%1: führt über %2, einen Link eines anderen Benutzers (%3) in einem gemeinsamen Ordner</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A piece of advice: %1 the key of the field (primary.digiPath), %2 the reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: ist ein Ordner</translation>
    </message>
    <message>
        <source>%1: is not a folder</source>
        <translation>%1: ist kein Ordner</translation>
    </message>
    <message>
        <source>%1: is read-only</source>
        <translation>%1: ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1: is not a file (a device, a pipe or a socket)</source>
        <translation>%1: ist keine Datei (ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: is in a folder that does not exist</source>
        <translation>%1: liegt in einem Ordner, der nicht existiert</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: %2</source>
        <translation>%1: in diesem Ordner kann keine Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1: not every byte could be written</source>
        <translation>%1: nicht jedes Byte konnte geschrieben werden</translation>
    </message>
    <message>
        <source>%1: is neither a file nor a device to write to</source>
        <translation>%1: ist weder eine Datei noch ein Gerät zum Schreiben</translation>
    </message>
    <message>
        <source>%1: is another user&apos;s file in a shared folder</source>
        <translation>%1: ist die Datei eines anderen Benutzers in einem gemeinsamen Ordner</translation>
    </message>
    <message>
        <source>%1: belongs to another user or group, which a new file could not keep</source>
        <translation>%1: gehört einem anderen Benutzer oder einer anderen Gruppe, was eine neue Datei nicht beibehalten könnte</translation>
    </message>
    <message>
        <source>%1: is a link that leads nowhere a file can be saved</source>
        <translation>%1: ist ein Link, der nirgendwohin führt, wo eine Datei gespeichert werden kann</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1: ist %2</translation>
    </message>
    <message>
        <source>%1: %2 would replace %3</source>
        <translation>%1: %2 würde %3 ersetzen</translation>
    </message>
    <message>
        <source>%1 is a terminal, and a .wl3 file is binary: redirect it or name a file</source>
        <translation>%1 ist ein Terminal, und eine .wl3-Datei ist binär: leiten Sie sie um oder nennen Sie eine Datei</translation>
    </message>
    <message>
        <source>%1: is not a configuration file</source>
        <translation>%1: ist keine Konfigurationsdatei</translation>
    </message>
    <message>
        <source>%1: holds an image of %2 bytes, not %3</source>
        <translation>%1: enthält ein Abbild von %2 Bytes, nicht %3</translation>
    </message>
    <message>
        <source>%1: ends within its header</source>
        <translation>%1: endet innerhalb des Dateikopfs</translation>
    </message>
    <message>
        <source>%1: ends after %2 of the %3 image bytes</source>
        <translation>%1: endet nach %2 der %3 Abbild-Bytes</translation>
    </message>
    <message>
        <source>%1: holds an image that cannot be decoded</source>
        <translation>%1: enthält ein Abbild, das nicht dekodiert werden kann</translation>
    </message>
    <message>
        <source>%1: is larger than 1 MiB</source>
        <translation>%1: ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>%1: holds no tracker below its header</source>
        <translation>%1: enthält unterhalb des Kopfs keinen Tracker</translation>
    </message>
    <message>
        <source>%1: not valid CSV in row %2: %3</source>
        <translation>%1: kein gültiges CSV in Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1: out of memory</source>
        <translation>%1: nicht genug Speicher</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Failed to read data</source>
        <translation>Daten konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Failed to write data</source>
        <translation>Daten konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>Ungültiges Dateiformat</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>File too large for a configuration</source>
        <translation>Datei zu groß für eine Konfiguration</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Laden fehlgeschlagen</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>kein gültiges JSON: %1</translation>
    </message>
    <message>
        <source>not valid JSON: a NUL byte at byte %1</source>
        <translation>kein gültiges JSON: ein NUL-Byte bei Byte %1</translation>
    </message>
    <message>
        <source>the document must be a JSON object</source>
        <translation>das Dokument muss ein JSON-Objekt sein</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>unbekannter Schlüssel %1</translation>
    </message>
    <message>
        <source>duplicate key %1</source>
        <translation>doppelter Schlüssel %1</translation>
    </message>
    <message>
        <source>%1 must be an object</source>
        <translation>%1 muss ein Objekt sein</translation>
    </message>
    <message>
        <source>%1 is outside the signed 32-bit range</source>
        <translation>%1 liegt außerhalb des vorzeichenbehafteten 32-Bit-Bereichs</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 muss eine Zahl sein</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 muss true oder false sein</translation>
    </message>
    <message>
        <source>%1 must be a string</source>
        <translation>%1 muss eine Zeichenkette sein</translation>
    </message>
    <message>
        <source>%1 is longer than 1 character</source>
        <translation>%1 ist länger als 1 Zeichen</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>%1 holds U+0000, which ends a text on the tracker</source>
        <translation>%1 enthält U+0000, das auf dem Tracker einen Text beendet</translation>
    </message>
    <message>
        <source>%1 holds %2, a character above U+00FF</source>
        <translation>%1 enthält %2, ein Zeichen oberhalb von U+00FF</translation>
    </message>
    <message>
        <source>up to six letters or digits, optionally followed by -0 to -15 for the SSID</source>
        <translation>bis zu sechs Buchstaben oder Ziffern, wahlweise gefolgt von -0 bis -15 als SSID</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>addresses separated by commas, each %1</source>
        <translation>durch Kommas getrennte Adressen, jede %1</translation>
    </message>
    <message>
        <source>%1, the auto transmit rate plus one</source>
        <translation>%1, das Auto-Sendeintervall plus eins</translation>
    </message>
    <message>
        <source>0 to the auto transmit rate plus one</source>
        <translation>0 bis zum Auto-Sendeintervall plus eins</translation>
    </message>
    <message>
        <source>one printable ASCII character, ! to ~</source>
        <translation>ein druckbares ASCII-Zeichen, ! bis ~</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>characters from U+0001 to U+00FF</source>
        <translation>Zeichen von U+0001 bis U+00FF</translation>
    </message>
    <message>
        <source>Wrenlink3 Write</source>
        <translation>Wrenlink3 schreiben</translation>
    </message>
    <message>
        <source>The tracker cannot hold these values as they are:</source>
        <translation>Der Tracker kann diese Werte so nicht speichern:</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Count not aquire Com Port</source>
        <extracomment>The port error as users know it, misspellings kept on purpose in English; a translation may spell it correctly (&quot;Could not acquire COM port&quot;).</extracomment>
        <translation>COM-Port konnte nicht belegt werden</translation>
    </message>
    <message>
        <source>GetCommState failed</source>
        <translation>GetCommState fehlgeschlagen</translation>
    </message>
    <message>
        <source>SetCommState failed</source>
        <translation>SetCommState fehlgeschlagen</translation>
    </message>
    <message>
        <source>SetCommTimeouts failed</source>
        <translation>SetCommTimeouts fehlgeschlagen</translation>
    </message>
    <message>
        <source>ComPort write failed</source>
        <translation>Schreiben auf den COM-Port fehlgeschlagen</translation>
    </message>
    <message>
        <source>ComPort read failed</source>
        <translation>Lesen vom COM-Port fehlgeschlagen</translation>
    </message>
    <message>
        <source>ComPort Close failed</source>
        <translation>Schließen des COM-Ports fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1: there is no serial port with this number on this machine.</source>
        <translation>%1: auf diesem Rechner gibt es keine serielle Schnittstelle mit dieser Nummer.</translation>
    </message>
    <message>
        <source>%1: there is no such port on this machine (is the adapter plugged in?)</source>
        <translation>%1: diese Schnittstelle gibt es auf diesem Rechner nicht (ist der Adapter eingesteckt?)</translation>
    </message>
    <message>
        <source>%1: %2 (is the adapter still plugged in?)</source>
        <translation>%1: %2 (ist der Adapter noch eingesteckt?)</translation>
    </message>
    <message>
        <source>%1: another program is using this port.</source>
        <translation>%1: ein anderes Programm verwendet diese Schnittstelle.</translation>
    </message>
    <message>
        <source>%1: this is not a serial device.</source>
        <translation>%1: dies ist kein serielles Gerät.</translation>
    </message>
    <message>
        <source>The tracker may now hold a partial image. Write the configuration again.</source>
        <translation>Der Tracker enthält jetzt möglicherweise ein unvollständiges Abbild. Schreiben Sie die Konfiguration erneut.</translation>
    </message>
    <message>
        <source>%1: column &quot;%2&quot; is named twice</source>
        <translation>%1: Spalte „%2“ ist doppelt benannt</translation>
    </message>
    <message>
        <source>%1: unknown key &quot;%2&quot;</source>
        <translation>%1: unbekannter Schlüssel „%2“</translation>
    </message>
    <message>
        <source>%1: %2 cells where the header has %3 (a text holding a comma goes in double quotes)</source>
        <translation>%1: %2 Zellen, wo der Kopf %3 hat (ein Text mit Komma gehört in doppelte Anführungszeichen)</translation>
    </message>
    <message>
        <source>%1: port: %2</source>
        <translation>%1: Port: %2</translation>
    </message>
    <message>
        <source>%1: no column &quot;%2&quot;</source>
        <translation>%1: keine Spalte „%2“</translation>
    </message>
    <message>
        <source>Invalid Com Port Number</source>
        <translation>Ungültige COM-Port-Nummer</translation>
    </message>
    <message>
        <source>ComPort Invalid</source>
        <translation>COM-Port ungültig</translation>
    </message>
    <message>
        <source>ComPort write mismatch</source>
        <translation>COM-Port: Geschriebenes stimmt nicht überein</translation>
    </message>
    <message>
        <source>Wrenlink3 Not Found</source>
        <translation>Wrenlink3 nicht gefunden</translation>
    </message>
    <message>
        <source>%1: the answer to the version query is no Wrenlink3&apos;s.</source>
        <translation>%1: die Antwort auf die Versionsabfrage stammt nicht von einem Wrenlink3.</translation>
    </message>
    <message>
        <source>%1: no answer to the version query (is the tracker on and connected?)</source>
        <translation>%1: keine Antwort auf die Versionsabfrage (ist der Tracker eingeschaltet und angeschlossen?)</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <source>Write Failed (code %1 %2)</source>
        <translation>Schreiben fehlgeschlagen (Code %1 %2)</translation>
    </message>
    <message>
        <source>Wrenlink3 Version</source>
        <translation>Wrenlink3-Version</translation>
    </message>
    <message>
        <source>Wrenlink3 Read</source>
        <translation>Wrenlink3 lesen</translation>
    </message>
    <message>
        <source>Read Failed</source>
        <translation>Lesen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Read Successful</source>
        <translation>Lesen erfolgreich</translation>
    </message>
    <message>
        <source>Write Successful</source>
        <translation>Schreiben erfolgreich</translation>
    </message>
    <message>
        <source>Calibration not written</source>
        <translation>Kalibrierung nicht geschrieben</translation>
    </message>
    <message>
        <source>New Calibration value should be written before Testing Tones</source>
        <translation>Der neue Kalibrierwert sollte vor dem Tontest geschrieben werden</translation>
    </message>
    <message>
        <source>Bad EE Size</source>
        <translation>Falsche EE-Größe</translation>
    </message>
    <message>
        <source>Bad EE Size %1</source>
        <translation>Falsche EE-Größe %1</translation>
    </message>
    <message>
        <source>The callsigns and digipeater paths do not fit in the tracker&apos;s memory. Use fewer digipeaters, or make the primary and secondary callsigns and paths identical.</source>
        <translation>Die Rufzeichen und Digipeater-Pfade passen nicht in den Speicher des Trackers. Verwenden Sie weniger Digipeater, oder machen Sie die primären und sekundären Rufzeichen und Pfade gleich.</translation>
    </message>
    <message>
        <source>Status Beacon Text Truncated</source>
        <translation>Text der Statusbake gekürzt</translation>
    </message>
    <message>
        <source>The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a longer status beacon text, use fewer digipeaters, and make the primary and secondary callsigns, digipeaters, or status texts identical.</source>
        <extracomment>Kept letter for letter in English (&quot;tuncated&quot;, two spaces after the first sentence); a translation may spell it correctly.</extracomment>
        <translation>Der primäre oder sekundäre Text der Statusbake ist zu lang und wurde gekürzt. Für einen längeren Text verwenden Sie weniger Digipeater und machen Sie die primären und sekundären Rufzeichen, Digipeater oder Statustexte gleich.</translation>
    </message>
    <message>
        <source>%1: is not a configuration in JSON form</source>
        <translation>%1: ist keine Konfiguration in JSON-Form</translation>
    </message>
    <message>
        <source>Failed to write to standard output</source>
        <translation>Schreiben auf die Standardausgabe fehlgeschlagen</translation>
    </message>
    <message>
        <source>Interrupted: sending the rest of the image first, so that the tracker is not left with part of it (Ctrl-C again stops at once)</source>
        <translation>Unterbrochen: der Rest des Abbilds wird zuerst gesendet, damit der Tracker nicht nur einen Teil davon enthält (ein weiteres Strg-C stoppt sofort)</translation>
    </message>
    <message>
        <source>Interrupted: the whole image was sent, but not read back to verify it.</source>
        <translation>Unterbrochen: das ganze Abbild wurde gesendet, aber nicht zur Prüfung zurückgelesen.</translation>
    </message>
    <message>
        <source>Interrupted while writing: the tracker may now hold a partial image. Write the configuration again.</source>
        <translation>Beim Schreiben unterbrochen: der Tracker enthält jetzt möglicherweise ein unvollständiges Abbild. Schreiben Sie die Konfiguration erneut.</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Unterbrochen</translation>
    </message>
    <message>
        <source>The tracker keeps sending until &quot;wl3 tone stop&quot;.</source>
        <translation>Der Tracker sendet weiter bis „wl3 tone stop“.</translation>
    </message>
    <message>
        <source>--port usb: no USB serial adapter is plugged in</source>
        <translation>--port usb: kein USB-Seriell-Adapter eingesteckt</translation>
    </message>
    <message>
        <source>%1: port %2 is named twice (%3: %4)</source>
        <translation>%1: Port %2 ist doppelt genannt (%3: %4)</translation>
    </message>
    <message>
        <source>%1: with several trackers, name a folder (DIR/) for a file each</source>
        <translation>%1: bei mehreren Trackern einen Ordner (DIR/) für je eine Datei angeben</translation>
    </message>
    <message>
        <source>Two trackers&apos; files would both be %1; name their ports apart</source>
        <translation>Die Dateien zweier Tracker wären beide %1; benennen Sie ihre Ports unterschiedlich</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Sicherung gespeichert: %1</translation>
    </message>
    <message>
        <source>Not begun: no thread could be started (%1)</source>
        <translation>Nicht begonnen: kein Thread konnte gestartet werden (%1)</translation>
    </message>
    <message>
        <source>%1 %2: the tracker holds %3</source>
        <translation>%1 %2: der Tracker speichert %3</translation>
    </message>
    <message>
        <source>Asking the tracker for its version</source>
        <translation>Frage den Tracker nach seiner Version</translation>
    </message>
    <message>
        <source>Reading the configuration</source>
        <translation>Lese die Konfiguration</translation>
    </message>
    <message>
        <source>Reading it again, to verify</source>
        <translation>Lese sie erneut zur Prüfung</translation>
    </message>
    <message>
        <source>Writing the configuration</source>
        <translation>Schreibe die Konfiguration</translation>
    </message>
    <message>
        <source>Reading it back, to verify</source>
        <translation>Lese sie zur Prüfung zurück</translation>
    </message>
    <message>
        <source>Sending the tone command</source>
        <translation>Sende den Tonbefehl</translation>
    </message>
    <message>
        <source>permission denied. Add your user to the group that owns the device (sudo usermod -aG %1 $USER), then log out and back in.</source>
        <translation>Zugriff verweigert. Fügen Sie Ihren Benutzer der Gruppe hinzu, der das Gerät gehört (sudo usermod -aG %1 $USER), und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>permission denied. Your user is in the group %1, but this session began before it was added: log out and back in (or run newgrp %1).</source>
        <translation>Zugriff verweigert. Ihr Benutzer ist in der Gruppe %1, aber diese Sitzung begann, bevor er hinzugefügt wurde: melden Sie sich ab und wieder an (oder führen Sie newgrp %1 aus).</translation>
    </message>
    <message>
        <source>permission denied. Only root may open this device, and no group helps: a udev rule must give it a group (see PERMISSIONS in man wl3).</source>
        <translation>Zugriff verweigert. Nur root darf dieses Gerät öffnen, und keine Gruppe hilft: eine udev-Regel muss ihm eine Gruppe geben (siehe PERMISSIONS in man wl3).</translation>
    </message>
    <message>
        <source>permission denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <source>%1 or a device path, not &quot;%2&quot;</source>
        <translation>%1 oder ein Gerätepfad, nicht „%2“</translation>
    </message>
    <message>
        <source>a file name ending in %1 or %2, not &quot;%3&quot;</source>
        <translation>ein Dateiname, der auf %1 oder %2 endet, nicht „%3“</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1 Zeile %2</translation>
    </message>
    <message>
        <source>%1: is a pipe (FIFO): name a file, or &quot;-&quot; for standard output</source>
        <translation>%1: ist eine Pipe (FIFO): Geben Sie eine Datei an oder „-“ für die Standardausgabe</translation>
    </message>
    <message>
        <source>%1: is a device, not your terminal or /dev/null: name a file</source>
        <translation>%1: ist ein Gerät, weder Ihr Terminal noch /dev/null: Geben Sie eine Datei an</translation>
    </message>
    <message>
        <source>%1: is UTF-16 text, and a units file is read as UTF-8: save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1: ist UTF-16-Text, eine Gerätedatei wird aber als UTF-8 gelesen: Speichern Sie sie als „CSV UTF-8“</translation>
    </message>
    <message>
        <source>%1: is not UTF-8 text (a spreadsheet&apos;s &quot;ANSI&quot; or Latin-1, perhaps): save it as &quot;CSV UTF-8&quot;</source>
        <translation>%1: ist kein UTF-8-Text (vielleicht „ANSI“ oder Latin-1 einer Tabellenkalkulation): Speichern Sie sie als „CSV UTF-8“</translation>
    </message>
    <message>
        <source>%1: no file can be made in this folder: its files are the system&apos;s own</source>
        <translation>%1: in diesem Ordner kann keine Datei angelegt werden: seine Dateien gehören dem System</translation>
    </message>
    <message>
        <source>%1: the columns are separated by semicolons, and a units file&apos;s by commas: save it as CSV with commas</source>
        <translation>%1: die Spalten sind durch Semikolons getrennt, die einer Gerätedatei durch Kommas: Speichern Sie sie als CSV mit Kommas</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>Arbeitsspeicher erschöpft</translation>
    </message>
    <message>
        <source>At most %1 trackers at once: the limit on open files allows no more</source>
        <translation>Höchstens %1 Tracker gleichzeitig: die Grenze für offene Dateien lässt nicht mehr zu</translation>
    </message>
    <message>
        <source>(none: index %1)</source>
        <translation>(keins: Index %1)</translation>
    </message>
    <message>
        <source>%1 %2, not %3</source>
        <translation>%1 %2, nicht %3</translation>
    </message>
    <message>
        <source>%1 %2 %3, not %4</source>
        <translation>%1 %2 %3, nicht %4</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>The status texts do not fit the tracker&apos;s memory; nothing was written.</source>
        <translation>Die Statustexte passen nicht in den Speicher des Trackers; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 status text: %2 characters, of which %3 fit</source>
        <extracomment>%1 a profile&apos;s tab name, %2 its status text&apos;s length, %3 how many fit.</extracomment>
        <translation>Statustext %1: %2 Zeichen, davon passen %3</translation>
    </message>
    <message>
        <source>Shorten them, or give --allow-cut-text to write them cut.</source>
        <translation>Kürzen Sie sie, oder geben Sie --allow-cut-text an, um sie gekürzt zu schreiben.</translation>
    </message>
    <message>
        <source>Status Beacon Text Too Long</source>
        <translation>Text der Statusbake zu lang</translation>
    </message>
    <message>
        <source>Holds what its row writes</source>
        <translation>Enthält, was seine Zeile schreibt</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Differs from its row: %1</source>
        <translation>Weicht von seiner Zeile ab: %1</translation>
    </message>
    <message>
        <source>no callsign: every transmission must carry your own</source>
        <translation>kein Rufzeichen: jede Aussendung muss Ihr eigenes tragen</translation>
    </message>
    <message>
        <source>%1 is a placeholder that may not be transmitted: set your own callsign</source>
        <translation>%1 ist ein Platzhalter, der nicht gesendet werden darf: tragen Sie Ihr eigenes Rufzeichen ein</translation>
    </message>
    <message>
        <source>%1 is obsolete and no longer served by the networks: use WIDE1-1,WIDE2-1 or WIDE2-2</source>
        <translation>%1 ist veraltet und wird von den Netzen nicht mehr bedient: verwenden Sie WIDE1-1,WIDE2-1 oder WIDE2-2</translation>
    </message>
    <message>
        <source>%1 asks for more than two hops and floods the network: use WIDE2-2 at most</source>
        <translation>%1 verlangt mehr als zwei Hops und überflutet das Netz: verwenden Sie höchstens WIDE2-2</translation>
    </message>
    <message>
        <source>the path asks for %1 hops in all; more than two floods the network</source>
        <translation>der Pfad verlangt insgesamt %1 Hops; mehr als zwei überfluten das Netz</translation>
    </message>
    <message>
        <source>a beacon every %1 seconds crowds the channel: once a minute or less often is advised</source>
        <translation>eine Bake alle %1 Sekunden überlastet den Kanal: empfohlen ist einmal pro Minute oder seltener</translation>
    </message>
    <message>
        <source>the slow speed (%1 MPH) is not below the fast speed (%2 MPH), so SmartBeaconing cannot tell them apart</source>
        <translation>die langsame Geschwindigkeit (%1 MPH) liegt nicht unter der schnellen (%2 MPH), daher kann SmartBeaconing sie nicht unterscheiden</translation>
    </message>
    <message>
        <source>the fast rate (%1 seconds) is longer than the slow rate (%2 seconds): moving, the tracker would beacon less often</source>
        <translation>das schnelle Intervall (%1 Sekunden) ist länger als das langsame (%2 Sekunden): in Fahrt würde der Tracker seltener senden</translation>
    </message>
    <message>
        <source>Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency</source>
        <translation>Notfall! löst bei jeder Station, die es empfängt, Alarm aus: wählen Sie es nur in einem echten Notfall</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keins)</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>A check box&apos;s state, as a comparison of two configurations shows it.</extracomment>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>same record, 1 stored byte differs</source>
        <translation>gleicher Datensatz, 1 gespeichertes Byte weicht ab</translation>
    </message>
    <message>
        <source>same record, %1 stored bytes differ</source>
        <extracomment>Two configurations whose fields are all alike, though their images are not byte for byte: %1 is how many of the 128 bytes differ.</extracomment>
        <translation>gleicher Datensatz, %1 gespeicherte Bytes weichen ab</translation>
    </message>
    <message>
        <source>%1 status text stored without &quot;%2&quot;</source>
        <extracomment>%1 a profile&apos;s tab name, %2 the end of its status text that was not stored.</extracomment>
        <translation>Statustext %1 ohne „%2“ gespeichert</translation>
    </message>
</context>
<context>
    <name>PortNotice</name>
    <message>
        <source>%1 was plugged in</source>
        <translation>%1 wurde eingesteckt</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <translation>%1 ist jetzt %2</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>%1 wurde abgezogen</translation>
    </message>
    <message>
        <source>%1: %2 was unplugged</source>
        <translation>%1: %2 wurde abgezogen</translation>
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
        <translation>Polizeiwache</translation>
    </message>
    <message>
        <source>Digipeater</source>
        <translation>Digipeater</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>DX cluster</source>
        <translation>DX-Cluster</translation>
    </message>
    <message>
        <source>HF gateway</source>
        <translation>KW-Gateway</translation>
    </message>
    <message>
        <source>Small aircraft</source>
        <translation>Kleinflugzeug</translation>
    </message>
    <message>
        <source>Mobile satellite station</source>
        <translation>Mobile Satellitenstation</translation>
    </message>
    <message>
        <source>Wheelchair</source>
        <translation>Rollstuhl</translation>
    </message>
    <message>
        <source>Snowmobile</source>
        <translation>Schneemobil</translation>
    </message>
    <message>
        <source>Red Cross</source>
        <translation>Rotes Kreuz</translation>
    </message>
    <message>
        <source>Boy Scouts</source>
        <translation>Pfadfinder</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Haus</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Red dot</source>
        <translation>Roter Punkt</translation>
    </message>
    <message>
        <source>Circle 0</source>
        <translation>Kreis 0</translation>
    </message>
    <message>
        <source>Circle 1</source>
        <translation>Kreis 1</translation>
    </message>
    <message>
        <source>Circle 2</source>
        <translation>Kreis 2</translation>
    </message>
    <message>
        <source>Circle 3</source>
        <translation>Kreis 3</translation>
    </message>
    <message>
        <source>Circle 4</source>
        <translation>Kreis 4</translation>
    </message>
    <message>
        <source>Circle 5</source>
        <translation>Kreis 5</translation>
    </message>
    <message>
        <source>Circle 6</source>
        <translation>Kreis 6</translation>
    </message>
    <message>
        <source>Circle 7</source>
        <translation>Kreis 7</translation>
    </message>
    <message>
        <source>Circle 8</source>
        <translation>Kreis 8</translation>
    </message>
    <message>
        <source>Circle 9</source>
        <translation>Kreis 9</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Campground</source>
        <translation>Campingplatz</translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <translation>Motorrad</translation>
    </message>
    <message>
        <source>Railway engine</source>
        <translation>Lokomotive</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>File server</source>
        <translation>Dateiserver</translation>
    </message>
    <message>
        <source>Hurricane forecast</source>
        <translation>Hurrikanvorhersage</translation>
    </message>
    <message>
        <source>Aid station</source>
        <translation>Sanitätsstation</translation>
    </message>
    <message>
        <source>BBS</source>
        <translation>Mailbox</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Kanu</translation>
    </message>
    <message>
        <source>Eyeball (event)</source>
        <translation>Eyeball (Treffen)</translation>
    </message>
    <message>
        <source>Farm vehicle</source>
        <translation>Traktor</translation>
    </message>
    <message>
        <source>Grid square</source>
        <translation>Locatorfeld</translation>
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
        <translation>Schule</translation>
    </message>
    <message>
        <source>PC user</source>
        <translation>PC-Nutzer</translation>
    </message>
    <message>
        <source>MacAPRS</source>
        <translation>MacAPRS</translation>
    </message>
    <message>
        <source>NTS station</source>
        <translation>NTS-Station</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ballon</translation>
    </message>
    <message>
        <source>Police</source>
        <translation>Polizei</translation>
    </message>
    <message>
        <source>Recreational vehicle</source>
        <translation>Wohnmobil</translation>
    </message>
    <message>
        <source>Space shuttle</source>
        <translation>Raumfähre</translation>
    </message>
    <message>
        <source>SSTV</source>
        <translation>SSTV</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>ATV</source>
        <translation>ATV</translation>
    </message>
    <message>
        <source>Weather service site</source>
        <translation>Wetterdienst</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Segelboot</translation>
    </message>
    <message>
        <source>WinAPRS</source>
        <translation>WinAPRS</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Direction finding</source>
        <translation>Peilung</translation>
    </message>
    <message>
        <source>Post office</source>
        <translation>Postamt</translation>
    </message>
    <message>
        <source>Large aircraft</source>
        <translation>Großflugzeug</translation>
    </message>
    <message>
        <source>Weather station</source>
        <translation>Wetterstation</translation>
    </message>
    <message>
        <source>Dish antenna</source>
        <translation>Parabolantenne</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Rettungswagen</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Fahrrad</translation>
    </message>
    <message>
        <source>Incident command post</source>
        <translation>Einsatzleitung</translation>
    </message>
    <message>
        <source>Fire station</source>
        <translation>Feuerwache</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Pferd</translation>
    </message>
    <message>
        <source>Fire engine</source>
        <translation>Löschfahrzeug</translation>
    </message>
    <message>
        <source>Glider</source>
        <translation>Segelflugzeug</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Krankenhaus</translation>
    </message>
    <message>
        <source>Island (IOTA)</source>
        <translation>Insel (IOTA)</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Jeep</translation>
    </message>
    <message>
        <source>Truck</source>
        <translation>Lastwagen</translation>
    </message>
    <message>
        <source>Laptop</source>
        <translation>Laptop</translation>
    </message>
    <message>
        <source>MIC-E repeater</source>
        <translation>MIC-E-Relais</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>Emergency operations centre</source>
        <translation>Einsatzzentrale</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hund</translation>
    </message>
    <message>
        <source>Grid square above 128 m</source>
        <translation>Locatorfeld über 128 m</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>Power boat</source>
        <translation>Motorboot</translation>
    </message>
    <message>
        <source>Truck stop</source>
        <translation>Autohof</translation>
    </message>
    <message>
        <source>Semi-trailer truck</source>
        <translation>Sattelzug</translation>
    </message>
    <message>
        <source>Van</source>
        <translation>Transporter</translation>
    </message>
    <message>
        <source>Water station</source>
        <translation>Wasserstelle</translation>
    </message>
    <message>
        <source>xAPRS</source>
        <translation>xAPRS</translation>
    </message>
    <message>
        <source>Yagi antenna</source>
        <translation>Yagi-Antenne</translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation>Notfall</translation>
    </message>
    <message>
        <source>Digipeater, green star</source>
        <translation>Digipeater, grüner Stern</translation>
    </message>
    <message>
        <source>Bank or cash machine</source>
        <translation>Bank oder Geldautomat</translation>
    </message>
    <message>
        <source>Power plant</source>
        <translation>Kraftwerk</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Crash site</source>
        <translation>Absturzstelle</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Bewölkt</translation>
    </message>
    <message>
        <source>Firenet</source>
        <translation>Firenet</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Kirche</translation>
    </message>
    <message>
        <source>Girl Scouts</source>
        <translation>Pfadfinderinnen</translation>
    </message>
    <message>
        <source>House, HF</source>
        <translation>Haus, KW</translation>
    </message>
    <message>
        <source>Ambiguous position</source>
        <translation>Ungenaue Position</translation>
    </message>
    <message>
        <source>Waypoint destination</source>
        <translation>Wegpunkt (Ziel)</translation>
    </message>
    <message>
        <source>Circle (IRLP, EchoLink, WIRES)</source>
        <translation>Kreis (IRLP, EchoLink, WIRES)</translation>
    </message>
    <message>
        <source>Network node (802.11)</source>
        <translation>Netzknoten (802.11)</translation>
    </message>
    <message>
        <source>Petrol station</source>
        <translation>Tankstelle</translation>
    </message>
    <message>
        <source>Park or picnic area</source>
        <translation>Park oder Picknickplatz</translation>
    </message>
    <message>
        <source>Weather advisory</source>
        <translation>Wetterhinweis</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Fahrzeug</translation>
    </message>
    <message>
        <source>Information kiosk</source>
        <translation>Infostand</translation>
    </message>
    <message>
        <source>Hurricane or tropical storm</source>
        <translation>Hurrikan oder Tropensturm</translation>
    </message>
    <message>
        <source>Box (DTMF, RFID)</source>
        <translation>Box (DTMF, RFID)</translation>
    </message>
    <message>
        <source>Coast Guard</source>
        <translation>Küstenwache</translation>
    </message>
    <message>
        <source>Depot</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Smoke</source>
        <translation>Rauch</translation>
    </message>
    <message>
        <source>Haze</source>
        <translation>Dunst</translation>
    </message>
    <message>
        <source>Rain shower</source>
        <translation>Regenschauer</translation>
    </message>
    <message>
        <source>Kenwood radio</source>
        <translation>Kenwood-Funkgerät</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Leuchtturm</translation>
    </message>
    <message>
        <source>MARS</source>
        <translation>MARS</translation>
    </message>
    <message>
        <source>Navigation buoy</source>
        <translation>Fahrwassertonne</translation>
    </message>
    <message>
        <source>Rocket or balloon</source>
        <translation>Rakete oder Ballon</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>Parkplatz</translation>
    </message>
    <message>
        <source>Earthquake</source>
        <translation>Erdbeben</translation>
    </message>
    <message>
        <source>Restaurant</source>
        <translation>Restaurant</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Gewitter</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>Sonnig</translation>
    </message>
    <message>
        <source>VORTAC navigation aid</source>
        <translation>VORTAC-Funkfeuer</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>Apotheke</translation>
    </message>
    <message>
        <source>Radio or device</source>
        <translation>Funkgerät oder Gerät</translation>
    </message>
    <message>
        <source>Wall cloud</source>
        <translation>Mauerwolke</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>Weather site</source>
        <translation>Wetterpunkt</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Regen</translation>
    </message>
    <message>
        <source>ARRL, ARES, Winlink</source>
        <translation>ARRL, ARES, Winlink</translation>
    </message>
    <message>
        <source>Civil defence (RACES)</source>
        <translation>Zivilschutz (RACES)</translation>
    </message>
    <message>
        <source>DX spot</source>
        <translation>DX-Spot</translation>
    </message>
    <message>
        <source>Sleet</source>
        <translation>Schneeregen</translation>
    </message>
    <message>
        <source>Funnel cloud</source>
        <translation>Trichterwolke</translation>
    </message>
    <message>
        <source>Gale flags</source>
        <translation>Sturmflaggen</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Geschäft</translation>
    </message>
    <message>
        <source>Point of interest</source>
        <translation>Interessanter Ort</translation>
    </message>
    <message>
        <source>Work zone</source>
        <translation>Baustelle</translation>
    </message>
    <message>
        <source>Special vehicle (SUV, ATV)</source>
        <translation>Sonderfahrzeug (SUV, Quad)</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Gebiet</translation>
    </message>
    <message>
        <source>Value sign</source>
        <translation>Wertschild</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Small circle</source>
        <translation>Kleiner Kreis</translation>
    </message>
    <message>
        <source>Restrooms</source>
        <translation>Toiletten</translation>
    </message>
    <message>
        <source>Ship or boat</source>
        <translation>Schiff oder Boot</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Flooding</source>
        <translation>Überschwemmung</translation>
    </message>
    <message>
        <source>Wreck or obstruction</source>
        <translation>Wrack oder Hindernis</translation>
    </message>
    <message>
        <source>Skywarn</source>
        <translation>Skywarn</translation>
    </message>
    <message>
        <source>Shelter</source>
        <translation>Notunterkunft</translation>
    </message>
    <message>
        <source>unassigned</source>
        <translation>nicht belegt</translation>
    </message>
    <message>
        <source>%1 with overlay %2</source>
        <extracomment>A symbol drawn with a character over it: %1 the symbol&apos;s name, %2 the character.</extracomment>
        <translation>%1 mit Overlay %2</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>&amp;Theme</source>
        <extracomment>The window&apos;s menu of looks; each platform&apos;s own menu holds it (the system menu on Windows, the context menu elsewhere).</extracomment>
        <translation>&amp;Design</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Hell</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dunkel</translation>
    </message>
    <message>
        <source>As the &amp;System</source>
        <extracomment>The theme that follows the desktop&apos;s light or dark setting.</extracomment>
        <translation>Wie das &amp;System</translation>
    </message>
</context>
<context>
    <name>wl3::ui::AboutDialog</name>
    <message>
        <source>About WrenlinkIIConfig</source>
        <extracomment>The About box&apos;s title. &quot;WrenlinkIIConfig&quot; is kept on purpose beside &quot;Wrenlink3Config&quot;: users know the item by that name.</extracomment>
        <translation>Über WrenlinkIIConfig</translation>
    </message>
    <message>
        <source>Wrenlink3Config Version %1</source>
        <translation>Wrenlink3Config Version %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Wrenlink3Config authors</source>
        <translation>Copyright (C) 2026 die Autoren von Wrenlink3Config</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About WrenlinkIIConfig...</source>
        <extracomment>The menu item that opens the About box; &quot;WrenlinkIIConfig&quot; is kept on purpose.</extracomment>
        <translation>Ü&amp;ber WrenlinkIIConfig...</translation>
    </message>
</context>
<context>
    <name>wl3::ui::CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>This Form</source>
        <translation>Dieses Formular</translation>
    </message>
    <message>
        <source>&amp;Take Theirs</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Take &amp;All Theirs</source>
        <translation>&amp;Alle übernehmen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) differ.</source>
        <translation>
            <numerusform>%n Feld weicht ab.</numerusform>
            <numerusform>%n Felder weichen ab.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing differs.</source>
        <translation>Nichts weicht ab.</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ConfigDialog</name>
    <message>
        <source>%1 Enable</source>
        <extracomment>A screen reader&apos;s name for a group&apos;s Enable box: %1 is the group&apos;s title.</extracomment>
        <translation>%1 aktivieren</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>COM Port Change</source>
        <translation>COM-Port-Änderung</translation>
    </message>
    <message>
        <source>The configuration has changes that are not saved.</source>
        <translation>Die Konfiguration hat Änderungen, die nicht gespeichert sind.</translation>
    </message>
    <message>
        <source>Save them to a file first?</source>
        <translation>Zuerst in einer Datei speichern?</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Speichern…</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The test tone could not be stopped: the tracker may still be sending it, and the radio may be transmitting.</source>
        <translation>Der Testton konnte nicht gestoppt werden: der Tracker sendet ihn möglicherweise noch, und das Funkgerät sendet womöglich.</translation>
    </message>
    <message>
        <source>Check the cable and the COM port, then try again, or switch the radio off before you close.</source>
        <translation>Prüfen Sie das Kabel und den COM-Port und versuchen Sie es erneut, oder schalten Sie das Funkgerät aus, bevor Sie schließen.</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
    <message>
        <source>C&amp;lose Anyway</source>
        <translation>Trotzdem sch&amp;ließen</translation>
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
        <translation>1200 und 2200 Hz</translation>
    </message>
    <message>
        <source>Transmitting %1 — Stop Sending ends it</source>
        <extracomment>The notice while a test tone keys the radio: %1 the tone.</extracomment>
        <translation>Sendet %1 — Ende mit „Senden stoppen“</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Compare the form with a file, or with the tracker on %1?</source>
        <translation>Das Formular mit einer Datei vergleichen oder mit dem Tracker an %1?</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;Datei…</translation>
    </message>
    <message>
        <source>&amp;Tracker</source>
        <translation>&amp;Tracker</translation>
    </message>
    <message>
        <source>Transmitting — </source>
        <extracomment>Before the window&apos;s title while a test tone keys the radio.</extracomment>
        <translation>Sendet — </translation>
    </message>
    <message>
        <source>Choose Emergency! as the MIC-E message all the same?</source>
        <translation>Notfall! trotzdem als MIC-E-Meldung wählen?</translation>
    </message>
    <message>
        <source>C&amp;hoose Emergency!</source>
        <translation>Notfall! &amp;wählen</translation>
    </message>
    <message>
        <source>The window is about to close, and the configuration has changes that are not saved.</source>
        <translation>Das Fenster wird gleich geschlossen, und die Konfiguration hat Änderungen, die nicht gespeichert sind.</translation>
    </message>
</context>
<context>
    <name>wl3::ui::DigitsValidator</name>
    <message>
        <source>Only digits 0–9 can be typed here</source>
        <extracomment>Beneath a number edit when a typed or pasted character other than a digit was dropped.</extracomment>
        <translation>Hier können nur Ziffern 0–9 eingegeben werden</translation>
    </message>
</context>
<context>
    <name>wl3::ui::PortComboBox</name>
    <message>
        <source>no device</source>
        <translation>kein Gerät</translation>
    </message>
</context>
<context>
    <name>wl3::ui::ProgressDialog</name>
    <message>
        <source>%v of %m bytes</source>
        <translation>%v von %m Bytes</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolButton</name>
    <message>
        <source>Choose Symbol</source>
        <translation>Symbol wählen</translation>
    </message>
    <message>
        <source>Symbol shown: %1</source>
        <extracomment>Beneath the Symbol and Table / Overlay edits&apos; help: %1 is the name of what they give.</extracomment>
        <translation>Angezeigtes Symbol: %1</translation>
    </message>
</context>
<context>
    <name>wl3::ui::SymbolPicker</name>
    <message>
        <source>Choose a Symbol</source>
        <translation>Symbol auswählen</translation>
    </message>
    <message>
        <source>A name, or the two characters</source>
        <translation>Ein Name oder die zwei Zeichen</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>&amp;Overlay:</source>
        <translation>&amp;Overlay:</translation>
    </message>
    <message>
        <source>%1: table %2, symbol %3</source>
        <extracomment>A symbol&apos;s tip in the picker: %1 its name, %2 and %3 its table and symbol characters.</extracomment>
        <translation>%1: Tabelle %2, Symbol %3</translation>
    </message>
</context>
</TS>
